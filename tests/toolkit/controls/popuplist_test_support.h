// What the tests of the popup window and the inner list box share: the units
// with the container's, edits and a form that count what reaches them, popup
// events as lambdas, and a click of the real pointer.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "controls_test_support.h"
#include "cxContainer_popup_win.h"

namespace popuplist_test {

using controls_test::Pump;
using controls_test::TQuarantine;

class TPopupUnits : public testing::Environment {
 public:
  void SetUp() override {
    InitializeUnits({ThreadsUnit, ImgListUnit, MenusUnit, FormsUnit, StdCtrlsUnit, ExtCtrlsUnit, dxUxThemeUnit,
                     dxThemeManagerUnit, cxDWMApiUnit, dxGDIPlusAPIUnit, dxCoreUnit, cxClassesUnit, cxGraphicsUnit,
                     cxControlsBaseUnit, dxOffice11Unit, cxLookAndFeelsUnit, cxLookAndFeelPaintersUnit, cxControlsUnit,
                     cxContainerUnit, cxContainerPopupsUnit});
    Application->Initialize();
  }
  void TearDown() override { FinalizeUnits(); }
};

// Counts the inactive captions it is asked to draw.
class TCountingForm : public TForm {
  VAMIRE_CLASS(TCountingForm, TForm)
 public:
  using TForm::TForm;
  int InactiveCaptions = 0;
  int Activations = 0;  // the runtime's CM_ACTIVATE
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == WM_NCACTIVATE && !Message.WParam) ++InactiveCaptions;
    if (Message.Msg == CM_ACTIVATE) ++Activations;
    TForm::Dispatch(Message);
  }
};

// An edit that counts the presses, keys and focus messages that reach it.
class TCountingEdit : public TEdit {
  VAMIRE_CLASS(TCountingEdit, TEdit)
 public:
  using TEdit::TEdit;
  int MouseDowns = 0;
  int RequestedFocus = 0;  // WM_SETFOCUS sent with no window losing the focus
  std::vector<uint16_t> KeyDowns;
  std::vector<uint16_t> SysKeyDowns;
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == WM_LBUTTONDOWN) ++MouseDowns;
    if (Message.Msg == WM_SETFOCUS && !Message.WParam) ++RequestedFocus;
    if (Message.Msg == WM_SYSKEYDOWN) SysKeyDowns.push_back(uint16_t(Message.WParam));
    TEdit::Dispatch(Message);
  }

 protected:
  void KeyDown(uint16_t& Key, TShiftState Shift) override {
    KeyDowns.push_back(Key);
    TEdit::KeyDown(Key, Shift);
  }
};

// Its memory stays poisoned once freed, so a later touch shows.
class TQuarantinedEdit : public TCountingEdit {
  VAMIRE_CLASS(TQuarantinedEdit, TCountingEdit)
 public:
  using TCountingEdit::TCountingEdit;
  static void* operator new(std::size_t Size) { return TQuarantine::Allocate(Size); }
  static void operator delete(void* P) { TQuarantine::Keep(P); }
};

// Popup and form events as lambdas.
struct TPopupEvents {
  std::function<void(TcxCustomPopupWindow*)> OnShown;
  std::function<void(bool&)> OnCloseQuery;
  void Shown(TObject* Sender) {
    if (OnShown) OnShown(static_cast<TcxCustomPopupWindow*>(Sender));
  }
  void CloseQuery(TObject*, bool& CanClose) {
    if (OnCloseQuery) OnCloseQuery(CanClose);
  }
};

// Pumps for a while: input from the display arrives on its own time.
inline void PumpFor(DWORD AMilliseconds) {
  const DWORD start = GetTickCount();
  do {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    Pump();
  } while (GetTickCount() - start < AMilliseconds);
}

// A left click of the real pointer at a screen point: it passes the thread's mouse hook.
inline void ClickAt(const TPoint& P) {
  SetCursorPos(P.X, P.Y);
  PumpFor(50);
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, input, sizeof(INPUT));
  PumpFor(200);
}

}  // namespace popuplist_test
