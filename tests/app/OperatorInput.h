// The operator's side of the console's window tests: a button pressed
// through its window (so an error raised in its handler is shown as the
// program shows it), a press of the real pointer on a control, a real key
// served by the program's own loop, and message boxes answered with OK.
#pragma once

#include <windows.h>

#include <vector>

#include "DialogService.h"
#include "Forms.h"
#include "support/RealKeys.h"

namespace app_test {

inline void Press(TWinControl* button) {
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  test_support::Pump();
}

// Moves the pointer to the control's centre and sends `down` and `up`
// (MOUSEEVENTF_ flags of one button).
inline void ClickAt(TControl* control, DWORD down, DWORD up) {
  const TPoint centre = control->ClientToScreen(TPoint{control->Width() / 2, control->Height() / 2});
  SetCursorPos(centre.X, centre.Y);
  test_support::PumpFor(50);
  INPUT in[2]{};
  in[0].type = in[1].type = INPUT_MOUSE;
  in[0].mi.dwFlags = down;
  in[1].mi.dwFlags = up;
  SendInput(2, in, sizeof(INPUT));
  test_support::PumpFor(150);
}

// The program's loop hands arrows and Tab to the window as dialog keys.
inline void PressKey(WORD key) {
  INPUT in[2]{};
  in[0].type = in[1].type = INPUT_KEYBOARD;
  in[0].ki.wVk = in[1].ki.wVk = key;
  in[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, in, sizeof(INPUT));
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 150) {
    Application->ProcessMessages();
    Sleep(5);
  }
}

// Answers every message with OK and keeps its text.
class TMessages : public TDialogAnswerer {
 public:
  TMessages() : FPrevious(SetDialogAnswerer(this)) {}
  ~TMessages() override { SetDialogAnswerer(FPrevious); }
  bool Answer(TDialogRequest& request, int& result) override {
    Texts.push_back(request.Text);
    result = request.Kind == dkMessageDlg ? mrOk : IDOK;
    return true;
  }
  std::vector<String> Texts;

 private:
  TDialogAnswerer* FPrevious;
};

}  // namespace app_test
