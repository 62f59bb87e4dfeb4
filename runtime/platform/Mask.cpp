#include "Mask.h"

#include <algorithm>

#include "SysUtils.h"

const TResStringRec SMaskEditErr{L"SMaskEditErr", L"Invalid input value.  Use escape key to abandon changes"};

namespace {

// Splits at the separators that no backslash escapes; the escapes stay for the mask parser.
std::vector<String> SplitFields(const String& EditMask) {
  std::vector<String> parts(1);
  for (size_t i = 0; i < EditMask.size(); ++i) {
    const wchar_t c = EditMask[i];
    if (c == L'\\' && i + 1 < EditMask.size()) {
      parts.back() += c;
      parts.back() += EditMask[++i];
    } else if (c == L';') {
      parts.emplace_back();
    } else {
      parts.back() += c;
    }
  }
  // Only the last two fields are settings; more separators belong to the mask.
  while (parts.size() > 3) {
    parts[0] += L';' + parts[1];
    parts.erase(parts.begin() + 1);
  }
  return parts;
}

bool IsLetter(wchar_t Ch) { return IsCharAlphaW(Ch) != FALSE; }

}  // namespace

TEditMaskFormat::TEditMaskFormat(const String& EditMask) {
  const std::vector<String> fields = SplitFields(EditMask);
  if (fields.size() > 1 && !fields[1].empty()) FSaveLiterals = fields[1][0] != L'0';
  if (fields.size() > 2 && !fields[2].empty()) FBlank = fields[2][0];
  const String& mask = fields[0];
  TMaskCase mcase = mkNone;
  auto input = [&](TMaskCharType type, bool required) { FPlaces.push_back(TMaskPlace{type, required, mcase, 0}); };
  auto literal = [&](wchar_t ch) { FPlaces.push_back(TMaskPlace{mcLiteral, false, mkNone, ch}); };
  for (size_t i = 0; i < mask.size(); ++i) {
    const wchar_t c = mask[i];
    const wchar_t next = i + 1 < mask.size() ? mask[i + 1] : 0;
    switch (c) {
      case L'\\':
        if (next) literal(next);
        ++i;
        break;
      case L'>':
        if (next == L'<') {
          mcase = mkNone;
          ++i;
        } else {
          mcase = mkUpper;
        }
        break;
      case L'<':
        if (next == L'>') {
          mcase = mkNone;
          ++i;
        } else {
          mcase = mkLower;
        }
        break;
      case L'!': FLeadingBlanks = true; break;
      case L'L': input(mcLetter, true); break;
      case L'l': input(mcLetter, false); break;
      case L'A': input(mcAlphaNum, true); break;
      case L'a': input(mcAlphaNum, false); break;
      case L'C': input(mcAny, true); break;
      case L'c': input(mcAny, false); break;
      case L'0': input(mcDigit, true); break;
      case L'9': input(mcDigit, false); break;
      case L'#': input(mcDigitSign, false); break;
      case L'_': literal(L' '); break;
      default: literal(c);
    }
  }
}

String TEditMaskFormat::EmptyText() const {
  String s;
  for (const TMaskPlace& p : FPlaces) s += p.Type == mcLiteral ? p.Literal : FBlank;
  return s;
}

bool TEditMaskFormat::Accepts(int Pos, wchar_t& Ch) const {
  if (Pos < 0 || Pos >= Length()) return false;
  const TMaskPlace& p = FPlaces[size_t(Pos)];
  bool ok = false;
  switch (p.Type) {
    case mcLiteral: return false;
    case mcLetter: ok = IsLetter(Ch); break;
    case mcAlphaNum: ok = IsLetter(Ch) || IsAsciiDigit(Ch); break;
    case mcAny: ok = Ch >= L' '; break;
    case mcDigit: ok = IsAsciiDigit(Ch); break;
    case mcDigitSign: ok = IsAsciiDigit(Ch) || Ch == L'+' || Ch == L'-'; break;
  }
  if (!ok) return false;
  wchar_t buf[2] = {Ch, 0};
  if (p.Case == mkUpper) CharUpperBuffW(buf, 1);
  if (p.Case == mkLower) CharLowerBuffW(buf, 1);
  Ch = buf[0];
  return true;
}

int TEditMaskFormat::NextInput(int Pos) const {
  for (int i = std::max(Pos, 0); i < Length(); ++i)
    if (FPlaces[size_t(i)].Type != mcLiteral) return i;
  return Length();
}

int TEditMaskFormat::PrevInput(int Pos) const {
  for (int i = std::min(Pos, Length()) - 1; i >= 0; --i)
    if (FPlaces[size_t(i)].Type != mcLiteral) return i;
  return -1;
}

String TEditMaskFormat::Normalize(const String& EditText) const {
  String s = EmptyText();
  const int n = std::min(Length(), int(EditText.size()));
  for (int i = 0; i < n; ++i) {
    if (FPlaces[size_t(i)].Type == mcLiteral) continue;
    wchar_t c = EditText[size_t(i)];
    if (c != FBlank && Accepts(i, c)) s[size_t(i)] = c;
  }
  return s;
}

String TEditMaskFormat::TextFromEdit(const String& EditText) const {
  const String e = Normalize(EditText);
  String s;
  for (int i = 0; i < Length(); ++i) {
    const bool literal = FPlaces[size_t(i)].Type == mcLiteral;
    if (literal && !FSaveLiterals) continue;
    const wchar_t c = e[size_t(i)];
    s += !literal && c == FBlank ? L' ' : c;
  }
  if (!FSaveLiterals) {
    if (FLeadingBlanks)
      s.erase(0, std::min(s.find_first_not_of(L' '), s.size()));
    else
      s.erase(s.find_last_not_of(L' ') + 1);
  }
  return s;
}

String TEditMaskFormat::EditFromText(const String& Text) const {
  if (FSaveLiterals) {
    // A space in an input place is a blank there.
    String t = Text;
    for (size_t i = 0; i < t.size() && i < FPlaces.size(); ++i)
      if (t[i] == L' ' && FPlaces[i].Type != mcLiteral) t[i] = FBlank;
    return Normalize(t);
  }
  std::vector<int> inputs;
  for (int i = 0; i < Length(); ++i)
    if (FPlaces[size_t(i)].Type != mcLiteral) inputs.push_back(i);
  String s = EmptyText();
  const size_t count = std::min(inputs.size(), Text.size());
  const size_t first = FLeadingBlanks ? inputs.size() - count : 0;
  for (size_t k = 0; k < count; ++k) {
    const int pos = inputs[first + k];
    wchar_t c = Text[k];
    if (Accepts(pos, c)) s[size_t(pos)] = c;
  }
  return s;
}

int TEditMaskFormat::FirstMissing(const String& EditText) const {
  const String e = Normalize(EditText);
  for (int i = 0; i < Length(); ++i)
    if (FPlaces[size_t(i)].Required && e[size_t(i)] == FBlank) return i;
  return -1;
}

String FormatMaskText(const String& EditMask, const String& Value) {
  const TEditMaskFormat f(EditMask);
  const String e = f.EditFromText(Value);
  String s;
  for (int i = 0; i < f.Length(); ++i) s += f.Place(i).Type != mcLiteral && e[size_t(i)] == f.Blank() ? L' ' : e[size_t(i)];
  return s;
}
