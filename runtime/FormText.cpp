// Text form <-> binary component stream.
#include "FormText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <cwctype>

#include "SysUtils.h"

using vamire_detail::FormatRes;

const TResStringRec SParseError{L"SParseError", L"Line %d: %s"};
const TResStringRec SInvalidFormName{L"SInvalidFormName", L"Invalid name in form data: %s"};

namespace {

bool IdentStart(wchar_t c) { return IsAsciiLetter(c) || c == L'_'; }
bool IdentChar(wchar_t c) { return IdentStart(c) || IsAsciiDigit(c) || c == L'.'; }

// A name as the text parser reads one back: a letter or '_', then letters, digits, '_' and '.'.
bool IsFormIdent(const String& s) {
  return !s.empty() && IdentStart(s[0]) && std::all_of(s.begin() + 1, s.end(), IdentChar);
}

// --- Text -> binary -------------------------------------------------------------------------

enum TTokenKind { tkEnd, tkIdent, tkString, tkInteger, tkFloat, tkSymbol };

class TFormParser {
 public:
  TFormParser(const String& text, TWriter& writer) : FText(text), FWriter(writer) { Next(); }

  void ParseRoot() {
    FWriter.WriteSignature();
    ParseObject(0);
    if (FKind != tkEnd) Error(L"end of text expected");
  }

  String RootClassName() {
    ExpectObjectKeyword();
    String first = FToken;
    Next();
    if (IsSymbol(L':')) {
      Next();
      if (FKind != tkIdent) Error(L"class name expected");
      return FToken;
    }
    return first;
  }

 private:
  [[noreturn]] void Error(const String& what) { ErrorAt(FLine, what); }
  [[noreturn]] void ErrorAt(int line, const String& what) {
    throw EParserError(FormatRes(&SParseError, {std::to_wstring(line), what}));
  }

  bool IsSymbol(wchar_t c) const { return FKind == tkSymbol && FToken.size() == 1 && FToken[0] == c; }
  bool IsKeyword(const wchar_t* k) const { return FKind == tkIdent && SameText(FToken, k); }
  void Expect(wchar_t c) {
    if (!IsSymbol(c)) Error(String(L"'") + c + L"' expected");
    Next();
  }

  void SkipSpace() {
    while (FPos < FText.size()) {
      const wchar_t c = FText[FPos];
      if (c == L'\n') ++FLine;
      if (c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == 0xFEFF) ++FPos;
      else break;
    }
  }

  void Next() {
    SkipSpace();
    FToken.clear();
    if (FPos >= FText.size()) {
      FKind = tkEnd;
      return;
    }
    const wchar_t c = FText[FPos];
    if (IdentStart(c)) {
      while (FPos < FText.size() && IdentChar(FText[FPos])) FToken += FText[FPos++];
      FKind = tkIdent;
    } else if (c == L'\'' || c == L'#') {
      ReadStringToken();
    } else if (IsAsciiDigit(c) || c == L'-' || c == L'+' || c == L'$') {
      if ((c == L'+' || c == L'-') && !(FPos + 1 < FText.size() && (IsAsciiDigit(FText[FPos + 1]) || FText[FPos + 1] == L'$'))) {
        FToken = String(1, c);
        ++FPos;
        FKind = tkSymbol;
        return;
      }
      ReadNumberToken();
    } else {
      FToken = String(1, c);
      ++FPos;
      FKind = tkSymbol;
    }
  }

  // 'quoted' and #nnn parts, joined; parts may also be joined by '+' across lines.
  void ReadStringToken() {
    FKind = tkString;
    for (;;) {
      if (FPos < FText.size() && FText[FPos] == L'\'') {
        ++FPos;
        for (;;) {
          if (FPos >= FText.size() || FText[FPos] == L'\n') Error(L"unterminated string");
          if (FText[FPos] == L'\'') {
            if (FPos + 1 < FText.size() && FText[FPos + 1] == L'\'') {
              FToken += L'\'';
              FPos += 2;
              continue;
            }
            ++FPos;
            break;
          }
          FToken += FText[FPos++];
        }
      } else if (FPos < FText.size() && FText[FPos] == L'#') {
        ++FPos;
        uint32_t v = 0;
        size_t digits = 0;
        while (FPos < FText.size() && IsAsciiDigit(FText[FPos]) && digits < 6) {
          v = v * 10 + uint32_t(FText[FPos++] - L'0');
          ++digits;
        }
        if (!digits || v > 0xFFFF) Error(L"invalid character code");
        FToken += wchar_t(v);
      } else {
        // A '+' continues the string on the next part.
        const size_t save = FPos;
        const int saveLine = FLine;
        SkipSpace();
        if (FPos < FText.size() && FText[FPos] == L'+') {
          ++FPos;
          SkipSpace();
          if (FPos < FText.size() && (FText[FPos] == L'\'' || FText[FPos] == L'#')) continue;
          Error(L"string expected after '+'");
        }
        FPos = save;
        FLine = saveLine;
        return;
      }
    }
  }

  void ReadNumberToken() {
    const size_t start = FPos;
    if (FText[FPos] == L'-' || FText[FPos] == L'+') ++FPos;
    if (FPos < FText.size() && FText[FPos] == L'$') {
      ++FPos;
      while (FPos < FText.size() && std::iswxdigit(wint_t(FText[FPos]))) ++FPos;
      FToken = FText.substr(start, FPos - start);
      FKind = tkInteger;
      return;
    }
    FKind = tkInteger;
    while (FPos < FText.size()) {
      const wchar_t c = FText[FPos];
      if (IsAsciiDigit(c)) {
        ++FPos;
      } else if (c == L'.' || c == L'e' || c == L'E') {
        FKind = tkFloat;
        ++FPos;
        if ((c == L'e' || c == L'E') && FPos < FText.size() && (FText[FPos] == L'-' || FText[FPos] == L'+')) ++FPos;
      } else {
        break;
      }
    }
    FToken = FText.substr(start, FPos - start);
    if (FPos < FText.size() && (FText[FPos] == L's' || FText[FPos] == L'S' || FText[FPos] == L'c' ||
                                FText[FPos] == L'C' || FText[FPos] == L'd' || FText[FPos] == L'D')) {
      FSuffix = AsciiLower(FText[FPos++]);
      FKind = tkFloat;
    } else {
      FSuffix = 0;
    }
  }

  void ExpectObjectKeyword() {
    if (!IsKeyword(L"object") && !IsKeyword(L"inherited") && !IsKeyword(L"inline")) Error(L"'object' expected");
    Next();
    if (FKind != tkIdent) Error(L"identifier expected");
  }

  void Enter() {
    if (++FDepth > MaxFilerDepth) Error(L"nested too deeply");
  }

  void ParseObject(int) {
    Enter();
    TFilerFlags flags;
    if (IsKeyword(L"inherited")) flags.Include(ffInherited);
    if (IsKeyword(L"inline")) flags.Include(ffInline);
    ExpectObjectKeyword();
    String name, cls = FToken;
    int clsLine = FLine;
    Next();
    if (IsSymbol(L':')) {
      Next();
      if (FKind != tkIdent) Error(L"class name expected");
      name = cls;
      cls = FToken;
      clsLine = FLine;
      Next();
    }
    if (cls.size() > MaxClassNameLength) ErrorAt(clsLine, L"class name too long");
    int pos = 0;
    if (IsSymbol(L'[')) {
      Next();
      if (FKind != tkInteger) Error(L"child position expected");
      pos = int(ParseInteger32(L"child position out of range"));
      flags.Include(ffChildPos);
      Next();
      Expect(L']');
    }
    FWriter.WritePrefix(flags, pos);
    FWriter.WriteStr(cls);
    FWriter.WriteStr(name);
    while (!IsKeyword(L"end") && !IsKeyword(L"object") && !IsKeyword(L"inherited") && !IsKeyword(L"inline"))
      ParseProperty();
    FWriter.WriteListEnd();
    while (!IsKeyword(L"end")) ParseObject(0);
    FWriter.WriteListEnd();
    Next();
    --FDepth;
  }

  void ParseProperty() {
    if (FKind != tkIdent) Error(L"property name expected");
    FWriter.WriteStr(FToken);
    Next();
    Expect(L'=');
    ParseValue();
  }

  int64_t ParseInteger() {
    String t = FToken;
    bool negative = false;
    if (!t.empty() && (t[0] == L'-' || t[0] == L'+')) {
      negative = t[0] == L'-';
      t.erase(0, 1);
    }
    const std::string a(t.begin(), t.end());
    uint64_t v = 0;
    std::from_chars_result r{};
    if (!a.empty() && a[0] == '$') r = std::from_chars(a.data() + 1, a.data() + a.size(), v, 16);
    else r = std::from_chars(a.data(), a.data() + a.size(), v, 10);
    if (r.ec == std::errc::result_out_of_range) Error(L"number out of range");
    if (r.ec != std::errc() || r.ptr != a.data() + a.size() || (a[0] == '$' && a.size() == 1)) Error(L"invalid number");
    if (v > uint64_t(INT64_MAX) + (negative ? 1 : 0)) Error(L"number out of range");
    return negative ? int64_t(0 - v) : int64_t(v);
  }

  int32_t ParseInteger32(const wchar_t* outOfRange) {
    const int64_t v = ParseInteger();
    if (v < INT32_MIN || v > INT32_MAX) Error(outOfRange);
    return int32_t(v);
  }

  void ParseValue(bool inList = false) {
    Enter();
    if (IsSymbol(L'(')) {
      Next();
      FWriter.WriteListBegin();
      while (!IsSymbol(L')')) {
        if (FKind == tkEnd) Error(L"')' expected");
        ParseValue(true);
      }
      Next();
      FWriter.WriteListEnd();
    } else if (IsSymbol(L'[')) {
      Next();
      FWriter.WriteValue(vaSet);
      while (!IsSymbol(L']')) {
        if (FKind != tkIdent) Error(L"set element expected");
        FWriter.WriteStr(FToken);
        Next();
        if (IsSymbol(L',')) Next();
        else if (!IsSymbol(L']')) Error(L"']' expected");
      }
      Next();
      FWriter.WriteStr(String());
    } else if (IsSymbol(L'{')) {
      ParseBinary();
    } else if (IsSymbol(L'<')) {
      Next();
      FWriter.WriteValue(vaCollection);
      while (!IsSymbol(L'>')) {
        if (!IsKeyword(L"item")) Error(L"'item' expected");
        Next();
        if (IsSymbol(L'[')) {
          Next();
          if (FKind != tkInteger) Error(L"item order expected");
          // The reader takes an item order of at most 32 bits.
          FWriter.WriteInteger(ParseInteger32(L"item order out of range"));
          Next();
          Expect(L']');
        }
        FWriter.WriteListBegin();
        while (!IsKeyword(L"end")) ParseProperty();
        Next();
        FWriter.WriteListEnd();
      }
      Next();
      FWriter.WriteListEnd();
    } else if (FKind == tkString) {
      FWriter.WriteString(FToken);
      Next();
    } else if (FKind == tkInteger) {
      FWriter.WriteInteger(ParseInteger());
      Next();
    } else if (FKind == tkFloat) {
      ParseFloat();
      Next();
    } else if (FKind == tkIdent) {
      // Null's tag is the byte that ends a list: inside one it would cut the list short.
      if (inList && SameText(FToken, L"Null")) Error(L"Null cannot stand in a list");
      FWriter.WriteIdent(FToken);
      Next();
    } else {
      Error(L"value expected");
    }
    --FDepth;
  }

  void ParseFloat() {
    const std::string a(FToken.begin(), FToken.end());
    double v = 0;
    const char* first = a.data() + (a[0] == '+' ? 1 : 0);
    const auto r = std::from_chars(first, a.data() + a.size(), v);
    if (r.ec != std::errc() || r.ptr != a.data() + a.size()) Error(L"invalid number");
    uint8_t b[8];
    switch (FSuffix) {
      case L's': {
        // A value the type cannot hold would come back as "inf", which no form text reads.
        if (std::fabs(v) > double(std::numeric_limits<float>::max())) Error(L"number out of range");
        const float f = float(v);
        FWriter.WriteValue(vaSingle);
        std::memcpy(b, &f, 4);
        FWriter.Stream()->WriteBuffer(b, 4);
        return;
      }
      case L'c': {
        if (!(std::fabs(v * 10000.0) < 9223372036854775808.0)) Error(L"number out of range");
        const int64_t c = int64_t(std::llround(v * 10000.0));
        FWriter.WriteValue(vaCurrency);
        std::memcpy(b, &c, 8);
        FWriter.Stream()->WriteBuffer(b, 8);
        return;
      }
      case L'd':
        FWriter.WriteValue(vaDate);
        std::memcpy(b, &v, 8);
        FWriter.Stream()->WriteBuffer(b, 8);
        return;
      default: FWriter.WriteFloat(v);
    }
  }

  void ParseBinary() {
    // Hex digits up to '}', read straight from the text.
    std::vector<uint8_t> data;
    int nibble = -1;
    for (;;) {
      if (FPos >= FText.size()) Error(L"'}' expected");
      const wchar_t c = FText[FPos++];
      if (c == L'}') break;
      if (c == L'\n') ++FLine;
      if (c == L' ' || c == L'\t' || c == L'\r' || c == L'\n') continue;
      int d;
      if (IsAsciiDigit(c)) d = c - L'0';
      else if (c >= L'A' && c <= L'F') d = c - L'A' + 10;
      else if (c >= L'a' && c <= L'f') d = c - L'a' + 10;
      else Error(L"invalid binary data");
      if (nibble < 0) nibble = d;
      else {
        data.push_back(uint8_t(nibble << 4 | d));
        nibble = -1;
      }
    }
    if (nibble >= 0) Error(L"odd number of hex digits");
    FWriter.WriteBinary(data.data(), int32_t(data.size()));
    Next();
  }

  const String& FText;
  TWriter& FWriter;
  size_t FPos = 0;
  int FLine = 1;
  int FDepth = 0;
  TTokenKind FKind = tkEnd;
  String FToken;
  wchar_t FSuffix = 0;
};

// --- Binary -> text -------------------------------------------------------------------------

class TFormPrinter {
 public:
  explicit TFormPrinter(TReader& reader) : FReader(reader) {}

  String Print() {
    FReader.ReadSignature();
    PrintObject(0);
    return FOut;
  }

 private:
  void Indent(int level) { FOut.append(size_t(level) * 2, L' '); }

  // Characters outside printable ASCII go out as #nnn UTF-16 code units, so a
  // character beyond U+FFFF is its surrogate pair, as the binary form holds it.
  static String Quoted(const String& s) {
    String out;
    bool open = false;
    for (char16_t c : StringToUTF16(s)) {
      if (c >= 32 && c < 127) {
        if (!open) out += L'\'';
        open = true;
        if (c == u'\'') out += L'\'';
        out += wchar_t(c);
      } else {
        if (open) out += L'\'';
        open = false;
        out += L'#' + std::to_wstring(unsigned(c));
      }
    }
    if (open) out += L'\'';
    return out.empty() ? String(L"''") : out;
  }

  // A name printed unchecked could carry text that reads back as more properties
  // or objects; anything the parser would not read as one name is refused.
  static const String& Name(const String& name) {
    if (!IsFormIdent(name)) throw EReadError(FormatRes(&SInvalidFormName, {Quoted(name)}));
    return name;
  }

  static String FloatText(double v, const char* suffix) {
    // Infinities and NaNs (an extended beyond the double range, a damaged single)
    // have no form text that reads back.
    if (!std::isfinite(v)) throw EReadError(LoadResString(&SInvalidPropertyValue));
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf - 8, v);
    std::string s(buf, r.ptr);
    if (std::isfinite(v) && s.find_first_of(".e") == std::string::npos) s += ".0";
    s += suffix;
    return String(s.begin(), s.end());
  }

  void PrintObject(int level) {
    if (level > MaxFilerDepth) throw EReadError(LoadResString(&SNestingTooDeep));
    TFilerFlags flags;
    int pos = 0;
    FReader.ReadPrefix(flags, pos);
    const String cls = Name(FReader.ReadStr());
    String name = FReader.ReadStr();
    if (!name.empty()) Name(name);
    Indent(level);
    FOut += flags.Contains(ffInherited) ? L"inherited " : flags.Contains(ffInline) ? L"inline " : L"object ";
    if (!name.empty()) FOut += name + L": ";
    FOut += cls;
    if (flags.Contains(ffChildPos)) FOut += L" [" + std::to_wstring(pos) + L"]";
    FOut += L"\n";
    while (!FReader.EndOfList()) PrintProperty(level + 1);
    FReader.ReadListEnd();
    while (!FReader.EndOfList()) PrintObject(level + 1);
    FReader.ReadListEnd();
    Indent(level);
    FOut += L"end\n";
  }

  void PrintProperty(int level) {
    Indent(level);
    FOut += Name(FReader.ReadStr()) + L" = ";
    PrintValue(level);
    FOut += L"\n";
  }

  void PrintValue(int level) {
    if (level > MaxFilerDepth) throw EReadError(LoadResString(&SNestingTooDeep));
    const TValueType v = FReader.NextValue();
    switch (v) {
      case vaList: {
        FReader.ReadValue();
        FOut += L"(";
        while (!FReader.EndOfList()) {
          FOut += L"\n";
          Indent(level + 1);
          PrintValue(level + 1);
        }
        FReader.ReadListEnd();
        FOut += L")";
        return;
      }
      case vaInt8: case vaInt16: case vaInt32: case vaInt64:
        FOut += std::to_wstring(FReader.ReadInt64());
        return;
      case vaExtended: case vaDouble: FOut += FloatText(FReader.ReadFloat(), ""); return;
      case vaSingle: FOut += FloatText(FReader.ReadFloat(), "s"); return;
      case vaCurrency: FOut += FloatText(FReader.ReadFloat(), "c"); return;
      case vaDate: FOut += FloatText(FReader.ReadFloat(), "d"); return;
      case vaString: case vaLString: case vaWString: case vaUTF8String:
        FOut += Quoted(FReader.ReadString());
        return;
      case vaIdent: case vaFalse: case vaTrue: case vaNil: case vaNull:
        FOut += Name(FReader.ReadIdent());
        return;
      case vaSet: {
        FReader.ReadValue();
        FOut += L"[";
        bool first = true;
        for (String s = FReader.ReadStr(); !s.empty(); s = FReader.ReadStr()) {
          if (!first) FOut += L", ";
          FOut += Name(s);
          first = false;
        }
        FOut += L"]";
        return;
      }
      case vaBinary: {
        static const wchar_t hex[] = L"0123456789ABCDEF";
        const std::vector<uint8_t> data = FReader.ReadBinary();
        FOut += L"{";
        for (size_t i = 0; i < data.size(); ++i) {
          if (i % 32 == 0) {
            FOut += L"\n";
            Indent(level + 1);
          }
          FOut += hex[data[i] >> 4];
          FOut += hex[data[i] & 15];
        }
        FOut += L"}";
        return;
      }
      case vaCollection: {
        FReader.ReadValue();
        FOut += L"<";
        while (!FReader.EndOfList()) {
          FOut += L"\n";
          Indent(level + 1);
          FOut += L"item";
          const TValueType t = FReader.NextValue();
          if (t >= vaInt8 && t <= vaInt32) FOut += L" [" + std::to_wstring(FReader.ReadInteger()) + L"]";
          FOut += L"\n";
          FReader.ReadListBegin();
          while (!FReader.EndOfList()) PrintProperty(level + 2);
          FReader.ReadListEnd();
          Indent(level + 1);
          FOut += L"end";
        }
        FReader.ReadListEnd();
        FOut += L">";
        return;
      }
      default:
        throw EReadError(LoadResString(&SInvalidImage));
    }
  }

  TReader& FReader;
  String FOut;
};

String ReadAllText(TStream* Input) {
  std::string bytes(size_t(Input->Size() - Input->Position()), '\0');
  if (!bytes.empty()) Input->ReadBuffer(bytes.data(), int32_t(bytes.size()));
  return UTF8Decode(bytes);
}

}  // namespace

void ObjectTextToBinary(TStream* Input, TStream* Output) {
  const String text = ReadAllText(Input);
  TWriter writer(Output);
  TFormParser(text, writer).ParseRoot();
}

void ObjectBinaryToText(TStream* Input, TStream* Output) {
  TReader reader(Input);
  const std::string text = UTF8Encode(TFormPrinter(reader).Print());
  Output->WriteBuffer(text.data(), int32_t(text.size()));
}

std::string FormTextToBinary(const String& Text) {
  TStringStream out;
  TWriter writer(&out);
  TFormParser(Text, writer).ParseRoot();
  return out.DataString();
}

String FormBinaryToText(const std::string& Bytes) {
  TStringStream in(Bytes);
  TReader reader(&in);
  return TFormPrinter(reader).Print();
}

String FormTextClassName(const String& Text) {
  TStringStream sink;
  TWriter writer(&sink);
  return TFormParser(Text, writer).RootClassName();
}
