// The platform's floor for the start-up benchmark: a minimal Win32 window
// program. It does what Vamire.exe does before its forms exist: registers a
// window class, creates its (hidden) window, handles what is queued, and ends.
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &WindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"StartupMinimal";
  if (!RegisterClassW(&windowClass)) return 1;
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Quellor", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0,
                                0, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  DestroyWindow(window);
  return 0;
}
