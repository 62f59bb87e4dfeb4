// Drives a tracked pop-up menu without a person: once the menu loop is idle
// (WM_ENTERIDLE to the popup list window, so the menu has been measured and
// painted) the scripted keys are posted; the next time it is idle, or at once
// when there are no keys, the menu is ended.
#pragma once

#include <windows.h>

#include <vector>

#include "Menus.h"

namespace menus_test {

class TMenuDriver {
 public:
  // Keys to post at the first idle moment; none ends the menu.
  explicit TMenuDriver(std::vector<WORD> Keys) : FKeys(std::move(Keys)) {
    FWindow = PopupListWindow();
    Current() = this;
    FOld = WNDPROC(SetWindowLongPtrW(FWindow, GWLP_WNDPROC, LONG_PTR(&Proc)));
  }
  ~TMenuDriver() {
    SetWindowLongPtrW(FWindow, GWLP_WNDPROC, LONG_PTR(FOld));
    Current() = nullptr;
  }
  TMenuDriver(const TMenuDriver&) = delete;
  TMenuDriver& operator=(const TMenuDriver&) = delete;

  int IdleCount = 0;

 private:
  static TMenuDriver*& Current() {
    static TMenuDriver* current = nullptr;
    return current;
  }
  static LRESULT CALLBACK Proc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    TMenuDriver* self = Current();
    if (Msg == WM_ENTERIDLE && WParam == MSGF_MENU) {
      // Still open once the keys are spent (or none were given): end it, so
      // no test can hang in the menu loop.
      if (self->IdleCount++ > 0 || self->FKeys.empty()) EndMenu();
      else
        for (WORD key : self->FKeys) {
          PostMessageW(Wnd, WM_KEYDOWN, key, 1);
          PostMessageW(Wnd, WM_KEYUP, key, LPARAM(0xC0000001u));
        }
    }
    return CallWindowProcW(self->FOld, Wnd, Msg, WParam, LParam);
  }

  std::vector<WORD> FKeys;
  HWND FWindow = nullptr;
  WNDPROC FOld = nullptr;
};

// Dispatches what is queued (the WM_COMMAND a chosen entry posts).
inline void PumpPending() {
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
}

}  // namespace menus_test
