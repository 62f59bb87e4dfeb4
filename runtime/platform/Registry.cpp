#include "Registry.h"

#include <vector>

#include "SysUtils.h"

const TResStringRec SRegGetDataFailed = {L"SRegGetDataFailed", L"Failed to get data for '%s'"};
const TResStringRec SRegSetDataFailed = {L"SRegSetDataFailed", L"Failed to set data for '%s'"};
const TResStringRec SInvalidRegType = {L"SInvalidRegType", L"Invalid data type for '%s'"};

namespace {

[[noreturn]] void Fail(PResStringRec Msg, const String& Name) {
  throw ERegistryException(Format(LoadResString(Msg), {Name}));
}

TRegDataType DataTypeOf(DWORD Type) {
  switch (Type) {
    case REG_SZ:
      return rdString;
    case REG_EXPAND_SZ:
      return rdExpandString;
    case REG_DWORD:
      return rdInteger;
    case REG_BINARY:
      return rdBinary;
    default:
      return rdUnknown;
  }
}

const DWORD kRegTypes[] = {REG_NONE, REG_SZ, REG_EXPAND_SZ, REG_DWORD, REG_BINARY};

bool IsRelative(const String& Key) { return Key.empty() || Key[0] != L'\\'; }

// The key path as the system takes it: without the leading "\\" that marks a
// path from the root, and without trailing ones.
String SubKey(const String& Key) {
  size_t end = Key.size();
  while (end > 0 && Key[end - 1] == L'\\') --end;
  const size_t start = IsRelative(Key) ? 0 : 1;
  return start < end ? Key.substr(start, end - start) : String();
}

// Reads the names that an enumeration function gives one index at a time.
template <class Enum>
void ReadNames(TStrings* Strings, Enum EnumOne) {
  TStringList names;
  std::vector<wchar_t> buf(256);
  for (DWORD i = 0;;) {
    DWORD len = DWORD(buf.size());
    const LONG r = EnumOne(i, buf.data(), &len);
    if (r == ERROR_MORE_DATA) {
      buf.resize(buf.size() * 2);
      continue;
    }
    if (r != ERROR_SUCCESS) break;
    names.Add(String(buf.data(), len));
    ++i;
  }
  Strings->Assign(&names);
}

}  // namespace

TRegistry::~TRegistry() { CloseKey(); }

void TRegistry::SetRootKey(HKEY Value) {
  if (Value == FRootKey) return;
  CloseKey();
  FRootKey = Value;
}

HKEY TRegistry::BaseKey(bool Relative) const { return Relative && FCurrentKey ? FCurrentKey : FRootKey; }

void TRegistry::ChangeKey(HKEY Value, const String& Path) {
  CloseKey();
  FCurrentKey = Value;
  FCurrentPath = Path;
}

bool TRegistry::OpenKey(const String& Key, bool CanCreate) {
  const bool relative = IsRelative(Key);
  const String sub = SubKey(Key);
  HKEY key = nullptr;
  LONG r;
  if (CanCreate) {
    r = RegCreateKeyExW(BaseKey(relative), sub.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, FAccess, nullptr, &key,
                        nullptr);
  } else {
    r = RegOpenKeyExW(BaseKey(relative), sub.c_str(), 0, FAccess, &key);
  }
  if (r != ERROR_SUCCESS) return false;
  String path = sub;
  if (relative && FCurrentKey) path = sub.empty() ? FCurrentPath : FCurrentPath.empty() ? sub : FCurrentPath + L"\\" + sub;
  ChangeKey(key, path);
  return true;
}

bool TRegistry::OpenKeyReadOnly(const String& Key) {
  const REGSAM old = FAccess;
  const REGSAM tries[] = {KEY_READ, STANDARD_RIGHTS_READ | KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS, KEY_QUERY_VALUE};
  bool result = false;
  for (REGSAM access : tries) {
    FAccess = access;
    if ((result = OpenKey(Key, false))) break;
  }
  FAccess = old;
  return result;
}

void TRegistry::CloseKey() {
  if (FCurrentKey) RegCloseKey(FCurrentKey);
  FCurrentKey = nullptr;
  FCurrentPath.clear();
}

bool TRegistry::KeyExists(const String& Key) {
  const bool relative = IsRelative(Key);
  HKEY key = nullptr;
  if (RegOpenKeyExW(BaseKey(relative), SubKey(Key).c_str(), 0,
                    STANDARD_RIGHTS_READ | KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

bool TRegistry::DeleteKey(const String& Key) {
  const bool relative = IsRelative(Key);
  const String sub = SubKey(Key);
  if (sub.empty()) return false;  // never the base key itself
  return RegDeleteTreeW(BaseKey(relative), sub.c_str()) == ERROR_SUCCESS;
}

bool TRegistry::ValueExists(const String& Name) {
  TRegDataInfo info;
  return GetDataInfo(Name, info);
}

bool TRegistry::DeleteValue(const String& Name) { return RegDeleteValueW(FCurrentKey, Name.c_str()) == ERROR_SUCCESS; }

void TRegistry::GetValueNames(TStrings* Strings) {
  ReadNames(Strings, [this](DWORD i, wchar_t* name, DWORD* len) {
    return RegEnumValueW(FCurrentKey, i, name, len, nullptr, nullptr, nullptr, nullptr);
  });
}

void TRegistry::GetKeyNames(TStrings* Strings) {
  ReadNames(Strings, [this](DWORD i, wchar_t* name, DWORD* len) {
    return RegEnumKeyExW(FCurrentKey, i, name, len, nullptr, nullptr, nullptr, nullptr);
  });
}

bool TRegistry::GetDataInfo(const String& ValueName, TRegDataInfo& Value) {
  DWORD type = REG_NONE, size = 0;
  Value = TRegDataInfo{rdUnknown, 0};
  if (RegQueryValueExW(FCurrentKey, ValueName.c_str(), nullptr, &type, nullptr, &size) !=
      ERROR_SUCCESS)
    return false;
  Value = TRegDataInfo{DataTypeOf(type), int(size)};
  return true;
}

int TRegistry::GetDataSize(const String& ValueName) {
  TRegDataInfo info;
  return GetDataInfo(ValueName, info) ? info.DataSize : -1;
}

TRegDataType TRegistry::GetDataType(const String& ValueName) {
  TRegDataInfo info;
  return GetDataInfo(ValueName, info) ? info.RegData : rdUnknown;
}

int TRegistry::GetData(const String& Name, void* Buffer, DWORD BufSize, TRegDataType& RegData) {
  DWORD type = REG_NONE, size = BufSize;
  if (RegQueryValueExW(FCurrentKey, Name.c_str(), nullptr, &type,
                       static_cast<BYTE*>(Buffer), &size) != ERROR_SUCCESS)
    Fail(&SRegGetDataFailed, Name);
  RegData = DataTypeOf(type);
  return int(size);
}

void TRegistry::PutData(const String& Name, const void* Buffer, DWORD BufSize, TRegDataType RegData) {
  if (RegSetValueExW(FCurrentKey, Name.c_str(), 0, kRegTypes[RegData],
                     static_cast<const BYTE*>(Buffer), BufSize) != ERROR_SUCCESS)
    Fail(&SRegSetDataFailed, Name);
}

String TRegistry::ReadString(const String& Name) {
  TRegDataInfo info;
  if (!GetDataInfo(Name, info) || info.DataSize <= 0) return String();
  if (info.RegData != rdString && info.RegData != rdExpandString) Fail(&SInvalidRegType, Name);
  std::vector<wchar_t> buf(size_t(info.DataSize) / sizeof(wchar_t) + 1, L'\0');
  TRegDataType type;
  GetData(Name, buf.data(), DWORD(info.DataSize), type);
  // Stored strings need not end in a zero; the text ends at the first one.
  return String(buf.data());
}

int32_t TRegistry::ReadInteger(const String& Name) {
  TRegDataInfo info;
  if (!GetDataInfo(Name, info)) Fail(&SRegGetDataFailed, Name);
  if (info.RegData != rdInteger) Fail(&SInvalidRegType, Name);
  int32_t result = 0;
  TRegDataType type;
  GetData(Name, &result, sizeof result, type);
  return result;
}

bool TRegistry::ReadBool(const String& Name) { return ReadInteger(Name) != 0; }

int TRegistry::ReadBinaryData(const String& Name, void* Buffer, int BufSize) {
  TRegDataInfo info;
  if (!GetDataInfo(Name, info)) return 0;
  if ((info.RegData != rdBinary && info.RegData != rdUnknown) || info.DataSize > BufSize) Fail(&SInvalidRegType, Name);
  TRegDataType type;
  return GetData(Name, Buffer, DWORD(info.DataSize), type);
}

void TRegistry::WriteString(const String& Name, const String& Value) {
  PutData(Name, Value.c_str(), DWORD((Value.size() + 1) * sizeof(wchar_t)), rdString);
}

void TRegistry::WriteExpandString(const String& Name, const String& Value) {
  PutData(Name, Value.c_str(), DWORD((Value.size() + 1) * sizeof(wchar_t)), rdExpandString);
}

void TRegistry::WriteInteger(const String& Name, int32_t Value) { PutData(Name, &Value, sizeof Value, rdInteger); }

void TRegistry::WriteBool(const String& Name, bool Value) { WriteInteger(Name, Value ? 1 : 0); }

void TRegistry::WriteBinaryData(const String& Name, const void* Buffer, int BufSize) {
  PutData(Name, Buffer, DWORD(BufSize > 0 ? BufSize : 0), rdBinary);
}
