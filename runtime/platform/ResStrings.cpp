// Reads resource strings from the program's own string table.
#include <windows.h>

#include "Runtime.h"
#include "System.h"

namespace {

bool LoadFromStringTable(PResStringRec res, String& text) {
  const wchar_t* p = nullptr;
  int n = LoadStringW(GetModuleHandleW(nullptr), res->Id, reinterpret_cast<LPWSTR>(&p), 0);
  if (n <= 0 || !p) return false;
  text.assign(p, size_t(n));
  return true;
}

}  // namespace

void InstallPlatformResStrings() { SetResStringLoader(&LoadFromStringTable); }
