#include "cxClasses_win.h"

#include "Controls.h"

int CharByteLength(const AnsiString& S, int APosition) {
  if (APosition < 1 || std::size_t(APosition) > S.size()) return 0;
  const char* p = S.c_str() + (APosition - 1);
  return int(CharNextA(p) - p);
}

void InstallThreadHook(HHOOK& AHookHandle, int AHookType, HOOKPROC AHookProc) {
  if (AHookHandle) throw EAssertionFailed(L"A thread hook is already installed in this variable (cxClasses)");
  AHookHandle = SetWindowsHookExW(AHookType, AHookProc, nullptr, GetCurrentThreadId());
}

void RemoveThreadHook(HHOOK& AHookHandle) {
  if (!AHookHandle) return;
  UnhookWindowsHookEx(AHookHandle);
  AHookHandle = nullptr;
}

void cxClasses_Initialize() {
  StartClassGroup(TControl::StaticClass());
  GroupDescendentsWith(TcxComponent::StaticClass(), TControl::StaticClass());
}

const TUnitEntry cxClassesUnit{L"cxClasses", cxClasses_Initialize, cxClasses_Finalize};
