// Which of the two Wine prefixes a test program runs in (D-10, D-45): the plain
// one has visual styles off, the themed one on. A test declared BOTH_PREFIXES
// runs once in each and asks here what to expect.
#pragma once
#include <windows.h>

namespace vamire_test {

// True when the run was started for the themed prefix (VAMIRE_THEMED=1).
inline bool InThemedPrefix() {
  wchar_t value[4] = {};
  const DWORD length = GetEnvironmentVariableW(L"VAMIRE_THEMED", value, 4);
  return length == 1 && value[0] == L'1';
}

}  // namespace vamire_test
