#include "PropText.h"

#include "SysUtils.h"

namespace {

const TResStringRec SInvalidPropertyText{L"SInvalidPropertyText", L"'%s' is not a valid value of property %s"};

[[noreturn]] void InvalidText(const String& Text, const TPropInfo& Prop) {
  throw EConvertError(vamire_detail::FormatRes(&SInvalidPropertyText, {Text, Prop.Name}));
}

bool HasTextForm(const TPropInfo& Prop) {
  switch (Prop.Kind) {
    case pkInteger: case pkInt64: case pkEnum: case pkSet: case pkString: case pkBool: case pkFloat: return true;
    default: return false;
  }
}

String SetText(const TPropInfo& Prop, int64_t Bits) {
  String text = L"[";
  for (int i = 0; i < 64 && Prop.Names && i < Prop.Names->Count; ++i) {
    if (!(Bits >> i & 1)) continue;
    if (text.size() > 1) text += L", ";
    text += Prop.Names->Names[i];
  }
  return text + L"]";
}

int64_t ParseSet(const TPropInfo& Prop, const String& Text) {
  const String t = Trim(Text);
  if (t.size() < 2 || t.front() != L'[' || t.back() != L']') InvalidText(Text, Prop);
  int64_t bits = 0;
  const String body = t.substr(1, t.size() - 2);
  if (Trim(body).empty()) return bits;
  size_t start = 0;
  while (start <= body.size()) {
    size_t comma = body.find(L',', start);
    if (comma == String::npos) comma = body.size();
    const int i = Prop.Names ? Prop.Names->IndexOf(Trim(body.substr(start, comma - start))) : -1;
    if (i < 0 || i >= 64) InvalidText(Text, Prop);
    bits |= int64_t(1) << i;
    start = comma + 1;
  }
  return bits;
}

int64_t ParseOrdinal(const TPropInfo& Prop, const String& Text) {
  const String t = Trim(Text);
  switch (Prop.Kind) {
    case pkBool:
      if (SameText(t, L"True")) return 1;
      if (SameText(t, L"False")) return 0;
      InvalidText(Text, Prop);
    case pkEnum: {
      const int i = Prop.Names ? Prop.Names->IndexOf(t) : -1;
      if (i < 0) InvalidText(Text, Prop);
      return i;
    }
    case pkSet: return ParseSet(Prop, t);
    default: {
      int ident = 0;
      if (Prop.Idents && Prop.Idents->ToInt(t, ident)) return ident;
      int64_t v = 0;
      if (!TryStrToInt64(t, v)) InvalidText(Text, Prop);
      // As the form reader takes them: a 32-bit property holds signed or unsigned 32-bit values.
      if (Prop.Kind == pkInteger && (v < INT32_MIN || v > int64_t(UINT32_MAX))) InvalidText(Text, Prop);
      return v;
    }
  }
}

}  // namespace

bool GetPropText(TObject* Instance, const String& Name, String& Text) {
  const TPropInfo* p = Instance ? FindPublished(Instance->ClassType(), Name) : nullptr;
  if (!p || !HasTextForm(*p)) return false;
  switch (p->Kind) {
    case pkString: Text = p->GetStr(Instance); return true;
    case pkFloat: Text = FloatToStr(p->GetFloat(Instance), TFormatSettings::Invariant()); return true;
    case pkBool: Text = p->GetOrd(Instance) ? L"True" : L"False"; return true;
    case pkEnum: {
      const int64_t v = p->GetOrd(Instance);
      Text = p->Names && v >= 0 && v < p->Names->Count ? String(p->Names->Names[v]) : IntToStr(v);
      return true;
    }
    case pkSet: Text = SetText(*p, p->GetOrd(Instance)); return true;
    default: {
      const int64_t v = p->GetOrd(Instance);
      String ident;
      Text = p->Idents && p->Idents->ToIdent(int(v), ident) ? ident : IntToStr(v);
      return true;
    }
  }
}

bool SetPropText(TObject* Instance, const String& Name, const String& Text) {
  const TPropInfo* p = Instance ? FindPublished(Instance->ClassType(), Name) : nullptr;
  if (!p || !HasTextForm(*p)) return false;
  switch (p->Kind) {
    case pkString:
      if (!p->SetStr) return false;
      p->SetStr(Instance, Text);
      return true;
    case pkFloat: {
      if (!p->SetFloat) return false;
      double v = 0;
      if (!TryStrToFloat(Trim(Text), v, TFormatSettings::Invariant())) InvalidText(Text, *p);
      p->SetFloat(Instance, v);
      return true;
    }
    default:
      if (!p->SetOrd) return false;
      p->SetOrd(Instance, ParseOrdinal(*p, Text));
      return true;
  }
}
