#include "IniFiles.h"

#include <windows.h>

#include <vector>

#include "Registry.h"
#include "Streams_win.h"
#include "SysUtils.h"

const TResStringRec SIniFileWriteError = {L"SIniFileWriteError", L"Unable to write to %s"};
const TResStringRec SRegCreateFailed = {L"SRegCreateFailed", L"Failed to create key %s"};

namespace {

// The first read takes values up to the size the runtime always used; a
// value that fills it is read again with room to spare, so none comes back cut.
constexpr DWORD kFirstBuffer = 2048;
constexpr DWORD kMaxBuffer = 64 * 1024 * 1024;

int HexDigit(wchar_t c) {
  if (IsAsciiDigit(c)) return c - L'0';
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

// --- TMemIniFile ----------------------------------------------------------------------

TMemIniFile::TMemIniFile(const String& FileName) : TCustomIniFile(FileName) { LoadValues(); }

TMemIniFile::~TMemIniFile() { Clear(); }

void TMemIniFile::Clear() {
  for (int i = 0; i < FSections.Count(); ++i) delete FSections.Objects(i);
  FSections.Clear();
}

void TMemIniFile::LoadValues() {
  if (FileName().empty() || !FileExists(FileName())) {
    Clear();
    return;
  }
  TFileStream file(FileName(), fmOpenRead | fmShareDenyWrite);
  AnsiString bytes(size_t(file.Size()), '\0');
  if (!bytes.empty()) file.ReadBuffer(bytes.data(), int32_t(bytes.size()));
  TStringList list;
  list.SetText(AnsiToString(bytes));
  SetStrings(&list);
}

void TMemIniFile::Rename(const String& FileName, bool Reload) {
  SetFileName(FileName);
  if (Reload) LoadValues();
}

void TMemIniFile::SetCaseSensitive(bool Value) {
  FSections.SetCaseSensitive(Value);
  for (int i = 0; i < FSections.Count(); ++i) static_cast<TStringList*>(FSections.Objects(i))->SetCaseSensitive(Value);
}

TStringList* TMemIniFile::Section(const String& Name) const {
  const int i = FSections.IndexOf(Name);
  return i >= 0 ? static_cast<TStringList*>(FSections.Objects(i)) : nullptr;
}

TStringList* TMemIniFile::AddSection(const String& Name) {
  auto* lines = new TStringList;
  lines->SetCaseSensitive(CaseSensitive());
  FSections.AddObject(Name, lines);
  return lines;
}

void TMemIniFile::SetStrings(TStrings* List) {
  Clear();
  TStringList* lines = nullptr;
  for (int i = 0; i < List->Count(); ++i) {
    const String s = Trim(List->Strings(i));
    if (s.empty() || s[0] == L';') continue;
    if (s[0] == L'[' && s.back() == L']') {
      lines = AddSection(Trim(s.substr(1, s.size() - 2)));
    } else if (lines) {
      const size_t eq = s.find(L'=');
      lines->Add(eq == String::npos ? s : Trim(s.substr(0, eq)) + L"=" + Trim(s.substr(eq + 1)));
    }
  }
}

void TMemIniFile::GetStrings(TStrings* List) {
  TUpdateGuard guard(List);
  List->Clear();
  for (int i = 0; i < FSections.Count(); ++i) {
    List->Add(L"[" + FSections.Strings(i) + L"]");
    List->AddStrings(Section(FSections.Strings(i)));
    List->Add(String());
  }
}

String TMemIniFile::ReadString(const String& Section, const String& Ident, const String& Default) {
  if (TStringList* lines = this->Section(Section)) {
    const int i = lines->IndexOfName(Ident);
    if (i >= 0) return lines->ValueFromIndex(i);
  }
  return Default;
}

void TMemIniFile::WriteString(const String& Section, const String& Ident, const String& Value) {
  TStringList* lines = this->Section(Section);
  if (!lines) lines = AddSection(Section);
  const String line = Ident + L"=" + Value;
  const int i = lines->IndexOfName(Ident);
  if (i >= 0) lines->SetStrings(i, line);
  else lines->Add(line);
}

void TMemIniFile::ReadSection(const String& Section, TStrings* Strings) {
  TUpdateGuard guard(Strings);
  Strings->Clear();
  if (TStringList* lines = this->Section(Section))
    for (int i = 0; i < lines->Count(); ++i)
      if (lines->Strings(i).find(L'=') != String::npos) Strings->Add(lines->Names(i));
}

void TMemIniFile::ReadSections(TStrings* Strings) { Strings->Assign(&FSections); }

void TMemIniFile::ReadSectionValues(const String& Section, TStrings* Strings) {
  TUpdateGuard guard(Strings);
  Strings->Clear();
  if (TStringList* lines = this->Section(Section)) Strings->AddStrings(lines);
}

void TMemIniFile::EraseSection(const String& Section) {
  const int i = FSections.IndexOf(Section);
  if (i < 0) return;
  delete FSections.Objects(i);
  FSections.Delete(i);
}

void TMemIniFile::DeleteKey(const String& Section, const String& Ident) {
  if (TStringList* lines = this->Section(Section)) {
    const int i = lines->IndexOfName(Ident);
    if (i >= 0) lines->Delete(i);
  }
}

void TMemIniFile::UpdateFile() {
  if (FileName().empty()) return;
  TStringList list;
  GetStrings(&list);
  const AnsiString bytes = StringToAnsi(list.Text());
  TFileStream file(FileName(), fmCreate);
  if (!bytes.empty()) file.WriteBuffer(bytes.data(), int32_t(bytes.size()));
}

// --- TRegistryIniFile -----------------------------------------------------------------

TRegistryIniFile::TRegistryIniFile(const String& FileName, REGSAM AAccess)
    : TCustomIniFile(FileName), FAccess(AAccess) {
  TRegistry reg(FAccess);
  reg.OpenKey(SectionPath(String()), true);
}

String TRegistryIniFile::SectionPath(const String& Section) const {
  if (!Section.empty() && Section[0] == L'\\') return Section;
  String base = FileName();
  while (!base.empty() && base.back() == L'\\') base.pop_back();
  if (base.empty() || base[0] != L'\\') base = L"\\" + base;
  return Section.empty() ? base : base + L"\\" + Section;
}

namespace {

// Opens a section's key for one operation; false when it does not exist.
bool OpenForRead(TRegistry& Reg, const String& Path) { return Reg.OpenKeyReadOnly(Path); }

void OpenForWrite(TRegistry& Reg, const String& Path) {
  if (!Reg.OpenKey(Path, true)) throw ERegistryException(Format(LoadResString(&SRegCreateFailed), {Path}));
}

}  // namespace

String TRegistryIniFile::ReadString(const String& Section, const String& Ident, const String& Default) {
  TRegistry reg(FAccess);
  if (!OpenForRead(reg, SectionPath(Section)) || !reg.ValueExists(Ident)) return Default;
  return reg.ReadString(Ident);
}

void TRegistryIniFile::WriteString(const String& Section, const String& Ident, const String& Value) {
  TRegistry reg(FAccess);
  OpenForWrite(reg, SectionPath(Section));
  reg.WriteString(Ident, Value);
}

int32_t TRegistryIniFile::ReadInteger(const String& Section, const String& Ident, int32_t Default) {
  TRegistry reg(FAccess);
  if (!OpenForRead(reg, SectionPath(Section)) || !reg.ValueExists(Ident)) return Default;
  switch (reg.GetDataType(Ident)) {
    case rdString:
    case rdExpandString:
      return StrToIntDef(reg.ReadString(Ident), Default);
    case rdInteger:
      return reg.ReadInteger(Ident);
    default:
      return Default;
  }
}

void TRegistryIniFile::WriteInteger(const String& Section, const String& Ident, int32_t Value) {
  TRegistry reg(FAccess);
  OpenForWrite(reg, SectionPath(Section));
  // A value kept as text stays text.
  if (reg.GetDataType(Ident) == rdString) reg.WriteString(Ident, IntToStr(Value));
  else reg.WriteInteger(Ident, Value);
}

int TRegistryIniFile::ReadBinaryStream(const String& Section, const String& Name, TStream* Value) {
  TRegistry reg(FAccess);
  if (!OpenForRead(reg, SectionPath(Section)) || reg.GetDataType(Name) != rdBinary) return 0;
  std::string bytes(size_t(std::max(reg.GetDataSize(Name), 0)), '\0');
  const int n = reg.ReadBinaryData(Name, bytes.data(), int(bytes.size()));
  if (n > 0) {
    const int64_t start = Value->Position();
    Value->WriteBuffer(bytes.data(), n);
    Value->SetPosition(start);
  }
  return n;
}

void TRegistryIniFile::WriteBinaryStream(const String& Section, const String& Name, TStream* Value) {
  const int64_t start = Value->Position();
  std::string bytes(size_t(std::max<int64_t>(Value->Size() - start, 0)), '\0');
  if (!bytes.empty()) {
    Value->ReadBuffer(bytes.data(), int32_t(bytes.size()));
    Value->SetPosition(start);
  }
  TRegistry reg(FAccess);
  OpenForWrite(reg, SectionPath(Section));
  reg.WriteBinaryData(Name, bytes.data(), int(bytes.size()));
}

void TRegistryIniFile::ReadSection(const String& Section, TStrings* Strings) {
  TRegistry reg(FAccess);
  if (OpenForRead(reg, SectionPath(Section))) reg.GetValueNames(Strings);
  else Strings->Clear();
}

void TRegistryIniFile::ReadSections(TStrings* Strings) {
  TRegistry reg(FAccess);
  if (OpenForRead(reg, SectionPath(String()))) reg.GetKeyNames(Strings);
  else Strings->Clear();
}

void TRegistryIniFile::ReadSectionValues(const String& Section, TStrings* Strings) {
  TStringList names;
  TRegistry reg(FAccess);
  if (OpenForRead(reg, SectionPath(Section))) reg.GetValueNames(&names);
  TUpdateGuard guard(Strings);
  Strings->Clear();
  for (int i = 0; i < names.Count(); ++i) {
    const String name = names.Strings(i);
    const TRegDataType type = reg.GetDataType(name);
    String value;
    if (type == rdString || type == rdExpandString) value = reg.ReadString(name);
    else if (type == rdInteger) value = IntToStr(reg.ReadInteger(name));
    Strings->Add(name + L"=" + value);
  }
}

void TRegistryIniFile::EraseSection(const String& Section) {
  TRegistry reg(FAccess);
  reg.DeleteKey(SectionPath(Section));
}

void TRegistryIniFile::DeleteKey(const String& Section, const String& Ident) {
  TRegistry reg(FAccess);
  if (reg.OpenKey(SectionPath(Section), false)) reg.DeleteValue(Ident);
}
