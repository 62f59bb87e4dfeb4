// A fresh folder under the temporary folder for the tests of files; removed
// with the files in it.
#pragma once

#include <windows.h>

#include <string>

class TTempFolder {
 public:
  explicit TTempFolder(const std::wstring& Tag) {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    FPath = std::wstring(base) + L"vamire_" + Tag + L"_" + std::to_wstring(GetCurrentProcessId()) + L"\\";
    CreateDirectoryW(FPath.c_str(), nullptr);
  }
  ~TTempFolder() {
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((FPath + L"*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
      do DeleteFileW((FPath + fd.cFileName).c_str());
      while (FindNextFileW(h, &fd));
      FindClose(h);
    }
    RemoveDirectoryW(FPath.c_str());
  }
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;
  const std::wstring& Path() const { return FPath; }
  std::wstring operator/(const std::wstring& Name) const { return FPath + Name; }

 private:
  std::wstring FPath;
};
