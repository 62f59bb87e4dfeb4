#include "CfgIni.h"

#include "SysUtils.h"

namespace {

String InFolder(const String& fileName) {
  if (fileName.find_first_of(L"\\/:") != String::npos) return fileName;
  return ProgramFolder() + fileName;
}

}  // namespace

TCfgIni::TCfgIni(const String& fileName) : FIni(InFolder(fileName)) {}

String TCfgIni::ReadString(const String& section, const String& key, const String& def) {
  return FIni.ReadString(section, key, def);
}

void TCfgIni::WriteString(const String& section, const String& key, const String& value) {
  FIni.WriteString(section, key, value);
}
