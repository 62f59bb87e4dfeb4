// Shared pieces of the control tests: a top-level host window, a panel-like
// container and a windowless control, and a message pump.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Controls.h"

namespace controls_test {

// Runs the message loop until nothing is left to do.
inline void PumpMessages() {
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    if (!IsControlKeyMsg(m)) {
      TranslateMessage(&m);
      DispatchMessageW(&m);
    }
  }
}

// A top-level window holding controls, as a form would.
class THost : public TWinControl {
  VAMIRE_CLASS(THost, TWinControl)
 public:
  explicit THost(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle.Include(csAcceptsControls);
    SetBounds(40, 40, 320, 240);
  }

 protected:
  void CreateParams(TCreateParams& Params) override {
    TWinControl::CreateParams(Params);
    Params.Style = WS_POPUP | WS_CLIPCHILDREN;
    Params.WndParent = nullptr;
  }
};

// A container control.
class TMyPanel : public TCustomControl {
  VAMIRE_CLASS(TMyPanel, TCustomControl)
 public:
  explicit TMyPanel(TComponent* AOwner) : TCustomControl(AOwner) { FControlStyle.Include(csAcceptsControls); }
};

// A windowless control.
class TMyShape : public TGraphicControl {
  VAMIRE_CLASS(TMyShape, TGraphicControl)
 public:
  using TGraphicControl::TGraphicControl;
};

// The child windows of a window, topmost first.
inline std::vector<HWND> ChildWindows(HWND parent) {
  std::vector<HWND> list;
  for (HWND w = GetWindow(parent, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) list.push_back(w);
  return list;
}

inline std::wstring WindowClassName(HWND wnd) {
  wchar_t name[256] = {};
  GetClassNameW(wnd, name, 256);
  return name;
}

}  // namespace controls_test
