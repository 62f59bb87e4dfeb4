// The component writer: values of the binary form stream, components with
// the properties that differ from their ancestor or default, and children.

#include "Streaming.h"
#include "SysUtils.h"

namespace {

using vamire_detail::TSaved;

// Bounds the nesting of what is written (an object that holds itself).
struct TDepthGuard {
  int& Depth;
  explicit TDepthGuard(int& depth) : Depth(depth) {
    if (++Depth > MaxFilerDepth) {
      --Depth;
      throw EWriteError(LoadResString(&SNestingTooDeep));
    }
  }
  ~TDepthGuard() { --Depth; }
};

}  // namespace

void TComponent::WriteState(TWriter* Writer) { Writer->WriteData(this); }

// --- Values -------------------------------------------------------------------------------

void TWriter::WriteValue(TValueType Value) {
  const uint8_t b = Value;
  WriteBytes(&b, 1);
}

void TWriter::WriteListBegin() { WriteValue(vaList); }
void TWriter::WriteListEnd() { WriteValue(vaNull); }

namespace {
void PutLE(uint8_t* out, uint64_t v, int n) {
  for (int i = 0; i < n; ++i) out[i] = uint8_t(v >> (8 * i));
}
}  // namespace

void TWriter::WriteInteger(int64_t Value) {
  uint8_t b[9];
  int n;
  if (Value >= INT8_MIN && Value <= INT8_MAX) b[0] = vaInt8, n = 1;
  else if (Value >= INT16_MIN && Value <= INT16_MAX) b[0] = vaInt16, n = 2;
  else if (Value >= INT32_MIN && Value <= INT32_MAX) b[0] = vaInt32, n = 4;
  else b[0] = vaInt64, n = 8;
  PutLE(b + 1, uint64_t(Value), n);
  WriteBytes(b, n + 1);
}

void TWriter::WriteBoolean(bool Value) { WriteValue(Value ? vaTrue : vaFalse); }

void TWriter::WriteFloat(double Value) {
  uint8_t b[11];
  b[0] = vaExtended;
  DoubleToExtended(Value, b + 1);
  WriteBytes(b, 11);
}

// Wide strings are stored as UTF-16 code units, whatever a wchar_t holds here.
void TWriter::WriteString(const String& Value) {
  const std::u16string units = StringToUTF16(Value);
  bool ascii = true;
  for (char16_t c : units) ascii = ascii && c < 0x80;
  std::vector<uint8_t> b;
  if (ascii) {
    if (units.size() <= 255) {
      b.push_back(vaString);
      b.push_back(uint8_t(units.size()));
    } else {
      b.resize(5);
      b[0] = vaLString;
      PutLE(&b[1], units.size(), 4);
    }
    for (char16_t c : units) b.push_back(uint8_t(c));
  } else {
    b.resize(5);
    b[0] = vaWString;
    PutLE(&b[1], units.size(), 4);
    for (char16_t c : units) {
      b.push_back(uint8_t(c));
      b.push_back(uint8_t(c >> 8));
    }
  }
  WriteBytes(b.data(), int32_t(b.size()));
}

void TWriter::WriteStr(const String& Value) {
  const std::string s = UTF8Encode(Value);
  if (s.size() > 255) throw EWriteError(LoadResString(&SInvalidPropertyValue));
  const uint8_t n = uint8_t(s.size());
  WriteBytes(&n, 1);
  WriteBytes(s.data(), int32_t(s.size()));
}

void TWriter::WriteIdent(const String& Ident) {
  if (SameText(Ident, L"False")) WriteValue(vaFalse);
  else if (SameText(Ident, L"True")) WriteValue(vaTrue);
  else if (SameText(Ident, L"nil")) WriteValue(vaNil);
  else if (SameText(Ident, L"Null")) WriteValue(vaNull);
  else {
    WriteValue(vaIdent);
    WriteStr(Ident);
  }
}

void TWriter::WriteBinary(const void* Data, int32_t Count) {
  uint8_t b[5];
  b[0] = vaBinary;
  PutLE(b + 1, uint32_t(Count), 4);
  WriteBytes(b, 5);
  WriteBytes(Data, Count);
}

void TWriter::WriteSignature() {
  uint8_t b[4];
  PutLE(b, FilerSignature, 4);
  WriteBytes(b, 4);
}

void TWriter::WritePrefix(TFilerFlags Flags, int ChildPos) {
  if (Flags.Empty()) return;
  uint8_t b = 0xF0;
  for (int i = 0; i < 3; ++i)
    if (Flags.Contains(TFilerFlag(i))) b |= uint8_t(1 << i);
  WriteBytes(&b, 1);
  if (Flags.Contains(ffChildPos)) WriteInteger(ChildPos);
}

void TWriter::WritePropName(const String& Name) { WriteStr(Name); }

// --- Properties ---------------------------------------------------------------------------

void TWriter::DefineProperty(const String& Name, TReaderProc, TWriterProc WriteData, bool HasData) {
  if (!HasData || !WriteData) return;
  WritePropName(FPropPath + Name);
  WriteData(this);
}

void TWriter::DefineBinaryProperty(const String& Name, TStreamProc, TStreamProc WriteData, bool HasData) {
  if (!HasData || !WriteData) return;
  WritePropName(FPropPath + Name);
  TMemoryStream data;
  WriteData(&data);
  WriteBinary(data.Memory(), int32_t(data.Size()));
}

void TWriter::WriteCollection(TCollection* Value) {
  WriteValue(vaCollection);
  if (Value)
    for (int i = 0; i < Value->Count(); ++i) {
      WriteListBegin();
      WriteProperties(Value->Items(i), nullptr, String());
      WriteListEnd();
    }
  WriteListEnd();
}

String TWriter::ComponentRefName(TComponent* Value) {
  if (Value == FRoot || Value->Owner() == FLookupRoot || !Value->Owner()) return Value->Name();
  return Value->Owner()->Name() + L"." + Value->Name();
}

void TWriter::WriteProperty(TPersistent* Instance, TPersistent* AncestorObj, const TPropInfo& Prop,
                            const String& Prefix) {
  if (!Prop.IsStored(Instance)) return;
  // Compare with the ancestor only when it has the same property.
  TPersistent* anc = AncestorObj && FindPublished(AncestorObj->ClassType(), Prop.Name) == &Prop ? AncestorObj : nullptr;
  const String name = Prefix + Prop.Name;
  switch (Prop.Kind) {
    case pkInteger: case pkInt64: case pkEnum: case pkSet: case pkBool: {
      const int64_t v = Prop.GetOrd(Instance);
      if (anc ? v == Prop.GetOrd(anc) : Prop.HasDefault && v == Prop.Default) return;
      WritePropName(name);
      String ident;
      if (Prop.Kind == pkBool) WriteBoolean(v != 0);
      else if (Prop.Kind == pkEnum && Prop.Names && v >= 0 && v < Prop.Names->Count) WriteIdent(Prop.Names->Names[v]);
      else if (Prop.Kind == pkSet) {
        WriteValue(vaSet);
        for (int i = 0; Prop.Names && i < Prop.Names->Count && i < 64; ++i)
          if (v >> i & 1) WriteStr(Prop.Names->Names[i]);
        WriteStr(String());
      } else if (Prop.Idents && Prop.Idents->ToIdent(int(v), ident)) WriteIdent(ident);
      else WriteInteger(v);
      return;
    }
    case pkFloat: {
      const double v = Prop.GetFloat(Instance);
      if (anc ? v == Prop.GetFloat(anc) : Prop.HasDefault && v == 0) return;
      WritePropName(name);
      WriteFloat(v);
      return;
    }
    case pkString: {
      const String v = Prop.GetStr(Instance);
      if (anc ? v == Prop.GetStr(anc) : Prop.HasDefault && v == Prop.DefaultStr) return;
      WritePropName(name);
      WriteString(v);
      return;
    }
    case pkClass: {
      auto* obj = dynamic_cast<TPersistent*>(Prop.GetObj(Instance));
      if (!obj) return;
      auto* ancObj = anc ? dynamic_cast<TPersistent*>(Prop.GetObj(anc)) : nullptr;
      if (auto* c = dynamic_cast<TCollection*>(obj)) {
        auto* ancColl = dynamic_cast<TCollection*>(ancObj);
        if (ancColl ? CollectionsEqual(c, ancColl) : c->Count() == 0) return;
        WritePropName(name);
        WriteCollection(c);
        return;
      }
      TDepthGuard depth(FDepth);
      WriteProperties(obj, ancObj, name + L".");
      return;
    }
    case pkComponent: {
      auto* v = dynamic_cast<TComponent*>(Prop.GetObj(Instance));
      if (v && v->ComponentStyle().Contains(csSubComponent)) {
        // A sub-component (an edit's label) is written with its owner, as a nested object is.
        auto* ancObj = anc ? dynamic_cast<TPersistent*>(Prop.GetObj(anc)) : nullptr;
        TDepthGuard depth(FDepth);
        WriteProperties(v, ancObj, name + L".");
        return;
      }
      if (anc) {
        auto* a = dynamic_cast<TComponent*>(Prop.GetObj(anc));
        if ((!v && !a) || (v && a && v->Name() == a->Name())) return;
      } else if (!v) {
        return;
      }
      WritePropName(name);
      if (v) WriteIdent(ComponentRefName(v));
      else WriteValue(vaNil);
      return;
    }
    case pkMethod: {
      const String v = HandlerNameOf(Instance, Prop, FRoot);
      const String a = anc ? HandlerNameOf(anc, Prop, FRootAncestor) : String();
      if (v == a) return;
      WritePropName(name);
      if (v.empty()) WriteValue(vaNil);
      else WriteIdent(v);
      return;
    }
  }
}

void TWriter::WriteProperties(TPersistent* Instance, TPersistent* AncestorObj, const String& Prefix) {
  for (const TPropInfo* p : PublishedProperties(Instance->ClassType())) WriteProperty(Instance, AncestorObj, *p, Prefix);
  if (auto* strings = dynamic_cast<TStrings*>(Instance)) {
    auto* ancStrings = dynamic_cast<TStrings*>(AncestorObj);
    if (ancStrings ? !strings->Equals(ancStrings) : strings->Count() > 0) {
      WritePropName(Prefix + L"Strings");
      WriteListBegin();
      for (int i = 0; i < strings->Count(); ++i) WriteString(strings->Strings(i));
      WriteListEnd();
    }
  }
  TSaved<String> path(FPropPath);
  TSaved<TPersistent*> ancestor(FAncestor);
  FPropPath = Prefix;
  FAncestor = AncestorObj;
  Instance->DefineProperties(this);
}

// --- Components ---------------------------------------------------------------------------

void TWriter::WriteData(TComponent* Instance) {
  WriteProperties(Instance, FAncestor, String());
  WriteListEnd();
  if (!FIgnoreChildren) Instance->GetChildren(TGetChildProc(this, &TWriter::WriteChild), FRoot);
  WriteListEnd();
}

void TWriter::WriteChild(TComponent* Child) {
  TSaved<TPersistent*> ancestor(FAncestor);
  FAncestor = FRootAncestor && Child->Owner() == FRoot ? FRootAncestor->FindComponent(Child->Name()) : nullptr;
  WriteComponent(Child);
}

void TWriter::WriteComponent(TComponent* Component) {
  TDepthGuard depth(FDepth);
  TFilerFlags flags;
  if (FAncestor && Component != FRoot) flags.Include(ffInherited);
  Component->IncludeState(csWriting);
  try {
    if (UTF8Encode(Component->ClassName()).size() > MaxClassNameLength)
      throw EWriteError(LoadResString(&SInvalidPropertyValue));
    WritePrefix(flags, 0);
    WriteStr(Component->ClassName());
    WriteStr(Component->Name());
    Component->WriteState(this);
  } catch (...) {
    Component->ExcludeState(csWriting);
    throw;
  }
  Component->ExcludeState(csWriting);
}

void TWriter::WriteDescendent(TComponent* Root, TComponent* AAncestor) {
  FRoot = FLookupRoot = Root;
  FRootAncestor = AAncestor;
  FAncestor = AAncestor;
  WriteSignature();
  WriteComponent(Root);
}

void TWriter::WriteRootComponent(TComponent* Root) { WriteDescendent(Root, nullptr); }
