// What the check-box, group-box and radio-group tests share: the editor units
// with the boxes' units, real input, and a form class whose handlers a form
// file binds by name.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include "FormText.h"
#include "Streams.h"
#include "cxCheckBox_win.h"
#include "cxExtEditConsts.h"
#include "cxExtEditUtils_win.h"
#include "cxGroupBox_win.h"
#include "cxRadioGroup_win.h"
#include "edit_test_support.h"
#include "support/HostForm.h"
#include "support/WindowCapture.h"

// A form whose handlers count what they see; form files bind them by name.
class TBoxesForm : public TForm {
  VAMIRE_CLASS(TBoxesForm, TForm)
 public:
  using TForm::TForm;
  void BoxClick(TObject*) { ++Clicks; }
  void BoxChange(TObject*) { ++Changes; }
  int Clicks = 0;
  int Changes = 0;
};


namespace boxes2_test {

class TBoxUnits : public edit_test::TEditUnits {
 public:
  void SetUp() override {
    edit_test::TEditUnits::SetUp();
    InitializeUnits({cxExtEditConstsUnit, cxExtEditUtilsUnit, cxCheckBoxUnit, cxGroupBoxUnit, cxRadioGroupUnit});
  }
};

// Serves the window through the application, whose message loop turns keys
// into dialog characters and accelerators as it does for a person.
inline void PumpFor(DWORD AMilliseconds) {
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  do {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    Application->ProcessMessages();
    QueryPerformanceCounter(&now);
  } while ((now.QuadPart - start.QuadPart) * 1000 < LONGLONG(AMilliseconds) * frequency.QuadPart);
}

// The real pointer moved to AAt (when given), then a button event.
inline void SendMouse(DWORD AFlags, const TPoint* AAt = nullptr) {
  if (AAt) {
    SetCursorPos(AAt->X, AAt->Y);
    PumpFor(40);
  }
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = AFlags;
  SendInput(1, &input, sizeof(INPUT));
  PumpFor(80);
}

inline void ClickAt(const TPoint& AScreen) {
  SendMouse(MOUSEEVENTF_LEFTDOWN, &AScreen);
  SendMouse(MOUSEEVENTF_LEFTUP);
}

// Alt held while AKey is typed: an accelerator as a person types it.
inline void SendAltChord(WORD AKey) {
  INPUT keys[4]{};
  for (INPUT& k : keys) k.type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[3].ki.wVk = VK_MENU;
  keys[1].ki.wVk = keys[2].ki.wVk = AKey;
  keys[2].ki.dwFlags = keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(4, keys, sizeof(INPUT));
  PumpFor(150);
}

// A key pressed and released, or only one of the two.
inline void SendKey(WORD AKey, bool ADown = true, bool AUp = true) {
  INPUT input[2]{};
  int count = 0;
  if (ADown) {
    input[count].type = INPUT_KEYBOARD;
    input[count++].ki.wVk = AKey;
  }
  if (AUp) {
    input[count].type = INPUT_KEYBOARD;
    input[count].ki.wVk = AKey;
    input[count++].ki.dwFlags = KEYEVENTF_KEYUP;
  }
  SendInput(UINT(count), input, sizeof(INPUT));
  PumpFor(80);
}

// The form a form text describes, read into a new TBoxesForm.
inline TBoxesForm* ReadForm(const String& AText) {
  TBoxesForm* form = TCustomForm::Create<TBoxesForm>(nullptr);
  TStringStream in(FormTextToBinary(AText));
  ReadComponentFromStream(&in, form);
  form->HandleNeeded();
  return form;
}

// Counts a control's clicks and its properties' changes.
class TEventLog : public TObject {
  VAMIRE_CLASS(TEventLog, TObject)
 public:
  TEventLog() = default;
  void Click(TObject*) { ++Clicks; }
  void Change(TObject*) { ++Changes; }
  int Clicks = 0;
  int Changes = 0;
};

inline std::string Narrow(const String& S) { return UTF8Encode(S); }

}  // namespace boxes2_test

// Each test program is one source file: the handlers' table is made once.
VAMIRE_PUBLISHED(TBoxesForm, Handler(L"BoxClick", &TBoxesForm::BoxClick),
                 Handler(L"BoxChange", &TBoxesForm::BoxChange))
