// The registry object: one open key below a root key, with typed reads and
// writes of its values. Reads of the wrong type and failed reads or writes
// raise ERegistryException naming the value.
#pragma once

#include <windows.h>

#include "Classes.h"

VAMIRE_EXCEPTION(ERegistryException, Exception)

extern const TResStringRec SRegGetDataFailed;  // "Failed to get data for '%s'"
extern const TResStringRec SRegSetDataFailed;  // "Failed to set data for '%s'"
extern const TResStringRec SInvalidRegType;    // "Invalid data type for '%s'"

enum TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

struct TRegDataInfo {
  TRegDataType RegData;
  int DataSize;
};

class TRegistry : public TObject {
  VAMIRE_CLASS(TRegistry, TObject)
 public:
  // Root HKEY_CURRENT_USER; keys open with Access (KEY_ALL_ACCESS by default).
  TRegistry() : TRegistry(KEY_ALL_ACCESS) {}
  explicit TRegistry(REGSAM AAccess) : FAccess(AAccess) {}
  ~TRegistry() override;

  HKEY RootKey() const { return FRootKey; }
  // Closes the open key first.
  void SetRootKey(HKEY Value);
  REGSAM Access() const { return FAccess; }
  void SetAccess(REGSAM Value) { FAccess = Value; }
  HKEY CurrentKey() const { return FCurrentKey; }
  const String& CurrentPath() const { return FCurrentPath; }

  // A key starting with "\" is taken from the root key, any other from the
  // open key (or the root when none is open). False when it can't be opened
  // (or created, with CanCreate); the open key then stays as it was.
  bool OpenKey(const String& Key, bool CanCreate);
  // Opens with read access only (KEY_READ, then narrower rights); Access is
  // unchanged afterwards.
  bool OpenKeyReadOnly(const String& Key);
  void CloseKey();
  bool KeyExists(const String& Key);
  // Deletes the key with all its sub-keys.
  bool DeleteKey(const String& Key);

  bool ValueExists(const String& Name);
  bool DeleteValue(const String& Name);
  void GetValueNames(TStrings* Strings);
  void GetKeyNames(TStrings* Strings);
  bool GetDataInfo(const String& ValueName, TRegDataInfo& Value);
  // The size of the value's data in bytes, -1 when there is no such value.
  int GetDataSize(const String& ValueName);
  TRegDataType GetDataType(const String& ValueName);

  // A missing value reads as an empty string.
  String ReadString(const String& Name);
  int32_t ReadInteger(const String& Name);
  bool ReadBool(const String& Name);
  // Answers the size read; raises when the value is not binary or does not
  // fit in BufSize bytes.
  int ReadBinaryData(const String& Name, void* Buffer, int BufSize);
  void WriteString(const String& Name, const String& Value);
  void WriteExpandString(const String& Name, const String& Value);
  void WriteInteger(const String& Name, int32_t Value);
  void WriteBool(const String& Name, bool Value);
  void WriteBinaryData(const String& Name, const void* Buffer, int BufSize);

 private:
  HKEY BaseKey(bool Relative) const;
  void ChangeKey(HKEY Value, const String& Path);
  int GetData(const String& Name, void* Buffer, DWORD BufSize, TRegDataType& RegData);
  void PutData(const String& Name, const void* Buffer, DWORD BufSize, TRegDataType RegData);

  HKEY FRootKey = HKEY_CURRENT_USER;
  HKEY FCurrentKey = nullptr;
  String FCurrentPath;
  REGSAM FAccess;
};
