// The real pointer for the drop-down tests: moves and presses through the
// system's input queue, each waiting until the system has the new state (a
// loaded machine delivers late) before serving the windows a while.
#pragma once

#include <windows.h>

#include "Types.h"
#include "support/RealKeys.h"

namespace pointer_test {

template <class F>
void WaitFor(F ADone) {
  const DWORD start = GetTickCount();
  while (!ADone() && GetTickCount() - start < 1000) test_support::PumpFor(5);
}

// A left press or release (or a move to P, absolute).
inline void MouseInput(DWORD AFlags, const TPoint& P = TPoint{}) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = AFlags;
  if (AFlags & MOUSEEVENTF_MOVE) {
    input.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE;
    input.mi.dx = LONG((P.X * 65535 + GetSystemMetrics(SM_CXSCREEN) / 2) / (GetSystemMetrics(SM_CXSCREEN) - 1));
    input.mi.dy = LONG((P.Y * 65535 + GetSystemMetrics(SM_CYSCREEN) / 2) / (GetSystemMetrics(SM_CYSCREEN) - 1));
  }
  SendInput(1, &input, sizeof(INPUT));
  if (AFlags & (MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP)) {
    const bool down = (AFlags & MOUSEEVENTF_LEFTDOWN) != 0;
    WaitFor([down] { return (GetAsyncKeyState(VK_LBUTTON) < 0) == down; });
  }
  test_support::PumpFor(60);
}

inline void MoveTo(const TPoint& P) {
  MouseInput(MOUSEEVENTF_MOVE, P);
  // The absolute scaling may round: the position is set exactly too.
  SetCursorPos(P.X, P.Y);
  WaitFor([P] {
    POINT c{};
    return GetCursorPos(&c) && c.x == P.X && c.y == P.Y;
  });
  test_support::PumpFor(40);
}

inline TRect ScreenRect(HWND AWindow) {
  RECT r;
  GetWindowRect(AWindow, &r);
  return TRect{r.left, r.top, r.right, r.bottom};
}

}  // namespace pointer_test
