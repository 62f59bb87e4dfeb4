#include "IniFiles.h"

#include <windows.h>

#include <vector>

#include "SysUtils.h"

const TResStringRec SIniFileWriteError = {L"SIniFileWriteError", L"Unable to write to %s"};

namespace {

// The first read takes values up to the size the runtime always used; a
// value that fills it is read again with room to spare, so none comes back cut.
constexpr DWORD kFirstBuffer = 2048;
constexpr DWORD kMaxBuffer = 64 * 1024 * 1024;

int HexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  return -1;
}

// Keeps a string list's update count balanced when filling it raises.
class TUpdateGuard {
 public:
  explicit TUpdateGuard(TStrings* Strings) : FStrings(Strings) { FStrings->BeginUpdate(); }
  ~TUpdateGuard() { FStrings->EndUpdate(); }
  TUpdateGuard(const TUpdateGuard&) = delete;
  TUpdateGuard& operator=(const TUpdateGuard&) = delete;

 private:
  TStrings* FStrings;
};

// Fills Strings with the zero-separated list that a private-profile query
// with a null key (or section) answers.
void ReadNameList(const wchar_t* Section, const String& FileName, TStrings* Strings) {
  std::vector<wchar_t> buf(kFirstBuffer);
  DWORD n;
  for (;;) {
    n = GetPrivateProfileStringW(Section, nullptr, nullptr, buf.data(), DWORD(buf.size()), FileName.c_str());
    // A list that did not fit comes back with two less than the size.
    if (n + 2 < buf.size() || buf.size() >= kMaxBuffer) break;
    buf.resize(buf.size() * 2);
  }
  TUpdateGuard guard(Strings);
  Strings->Clear();
  for (const wchar_t* p = buf.data(); p < buf.data() + n && *p; p += wcslen(p) + 1) Strings->Add(p);
}

}  // namespace

// --- TCustomIniFile -------------------------------------------------------------------

int32_t TCustomIniFile::ReadInteger(const String& Section, const String& Ident, int32_t Default) {
  String text = ReadString(Section, Ident, String());
  if (text.size() > 2 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X')) text = L"$" + text.substr(2);
  return StrToIntDef(text, Default);
}

void TCustomIniFile::WriteInteger(const String& Section, const String& Ident, int32_t Value) {
  WriteString(Section, Ident, IntToStr(Value));
}

bool TCustomIniFile::ReadBool(const String& Section, const String& Ident, bool Default) {
  return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const String& Section, const String& Ident, bool Value) {
  WriteString(Section, Ident, Value ? L"1" : L"0");
}

int TCustomIniFile::ReadBinaryStream(const String& Section, const String& Name, TStream* Value) {
  const String text = ReadString(Section, Name, String());
  std::string bytes;
  for (size_t i = 0; i + 1 < text.size(); i += 2) {
    const int hi = HexDigit(text[i]), lo = HexDigit(text[i + 1]);
    if (hi < 0 || lo < 0) break;
    bytes.push_back(char(hi * 16 + lo));
  }
  if (!bytes.empty()) {
    const int64_t start = Value->Position();
    Value->WriteBuffer(bytes.data(), int32_t(bytes.size()));
    Value->SetPosition(start);
  }
  return int(bytes.size());
}

void TCustomIniFile::WriteBinaryStream(const String& Section, const String& Name, TStream* Value) {
  static const wchar_t kDigits[] = L"0123456789ABCDEF";
  const int64_t start = Value->Position();
  const int64_t count = Value->Size() - start;
  String text;
  if (count > 0) {
    std::string bytes(size_t(count), '\0');
    Value->ReadBuffer(bytes.data(), int32_t(count));
    Value->SetPosition(start);
    text.reserve(bytes.size() * 2);
    for (unsigned char b : bytes) {
      text += kDigits[b >> 4];
      text += kDigits[b & 15];
    }
  }
  WriteString(Section, Name, text);
}

void TCustomIniFile::ReadSectionValues(const String& Section, TStrings* Strings) {
  TStringList keys;
  ReadSection(Section, &keys);
  TUpdateGuard guard(Strings);
  Strings->Clear();
  for (int i = 0; i < keys.Count(); ++i) {
    const String key = keys.Strings(i);
    Strings->Add(key + L"=" + ReadString(Section, key, String()));
  }
}

bool TCustomIniFile::SectionExists(const String& Section) {
  TStringList keys;
  ReadSection(Section, &keys);
  return keys.Count() > 0;
}

bool TCustomIniFile::ValueExists(const String& Section, const String& Ident) {
  TStringList keys;
  ReadSection(Section, &keys);
  return keys.IndexOf(Ident) >= 0;
}

// --- TIniFile -------------------------------------------------------------------------

String TIniFile::ReadString(const String& Section, const String& Ident, const String& Default) {
  std::vector<wchar_t> buf(kFirstBuffer);
  for (;;) {
    const DWORD n = GetPrivateProfileStringW(Section.c_str(), Ident.c_str(), Default.c_str(), buf.data(),
                                             DWORD(buf.size()), FileName().c_str());
    if (n + 1 < buf.size() || buf.size() >= kMaxBuffer) return String(buf.data(), n);
    buf.resize(buf.size() * 2);
  }
}

void TIniFile::WriteString(const String& Section, const String& Ident, const String& Value) {
  if (!WritePrivateProfileStringW(Section.c_str(), Ident.c_str(), Value.c_str(), FileName().c_str()))
    throw EIniFileException(Format(LoadResString(&SIniFileWriteError), {FileName()}));
}

void TIniFile::ReadSection(const String& Section, TStrings* Strings) {
  ReadNameList(Section.c_str(), FileName(), Strings);
}

void TIniFile::ReadSections(TStrings* Strings) { ReadNameList(nullptr, FileName(), Strings); }

bool TIniFile::ValueExists(const String& Section, const String& Ident) {
  // A missing key answers the default; no stored value can equal both.
  return ReadString(Section, Ident, L"\x01") != L"\x01" || ReadString(Section, Ident, L"\x02") != L"\x02";
}

void TIniFile::EraseSection(const String& Section) {
  if (!WritePrivateProfileStringW(Section.c_str(), nullptr, nullptr, FileName().c_str()))
    throw EIniFileException(Format(LoadResString(&SIniFileWriteError), {FileName()}));
}

void TIniFile::DeleteKey(const String& Section, const String& Ident) {
  WritePrivateProfileStringW(Section.c_str(), Ident.c_str(), nullptr, FileName().c_str());
}

void TIniFile::UpdateFile() { WritePrivateProfileStringW(nullptr, nullptr, nullptr, FileName().c_str()); }
