#include "CfgIni.h"

#include <windows.h>

#include <vector>

namespace {

String InFolder(const String& fileName) {
  if (fileName.find_first_of(L"\\/:") != String::npos) return fileName;
  return ProgramFolder() + fileName;
}

}  // namespace

String ProgramFolder() {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
    if (n < path.size()) {
      String full(path.data(), n);
      size_t slash = full.find_last_of(L"\\/");
      return slash == String::npos ? String() : full.substr(0, slash + 1);
    }
    path.resize(path.size() * 2);
  }
}

TCfgIni::TCfgIni(const String& fileName) : FIni(InFolder(fileName)) {}

String TCfgIni::ReadString(const String& section, const String& key, const String& def) {
  return FIni.ReadString(section, key, def);
}

void TCfgIni::WriteString(const String& section, const String& key, const String& value) {
  FIni.WriteString(section, key, value);
}
