// Shared by the standard-control tests: the units they need, a form to put
// controls on, an event recorder and a message pump.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Forms.h"
#include "StdCtrls.h"
#include "Threads.h"

namespace stdctrls_test {

class TStdCtrlsEnvironment : public testing::Environment {
 public:
  void SetUp() override { InitializeUnits({ThreadsUnit, FormsUnit, StdCtrlsUnit}); }
  void TearDown() override { FinalizeUnits(); }
};

inline testing::Environment* const StdCtrlsEnvironment =
    testing::AddGlobalTestEnvironment(new TStdCtrlsEnvironment);

class THostForm : public TForm {
  VAMIRE_CLASS(THostForm, TForm)
 public:
  using TForm::TForm;
};

// A form with its window, not shown (tests that need the focus show it).
inline THostForm* MakeForm() {
  THostForm* form = TCustomForm::Create<THostForm>(nullptr);
  form->SetBounds(60, 60, 420, 320);
  form->HandleNeeded();
  return form;
}

// Makes a control of class T on Parent with its window.
template <class T>
T* Put(TWinControl* Parent, int Left, int Top, const String& Caption = String()) {
  T* c = new T(Parent);
  c->SetParent(Parent);
  c->SetLeft(Left);
  c->SetTop(Top);
  if (!Caption.empty()) c->SetCaption(Caption);
  if (auto* w = dynamic_cast<TWinControl*>(static_cast<TControl*>(c))) w->HandleNeeded();
  return c;
}

// Records events by sender name, in order.
struct TRecorder : TObject {
  std::vector<String> Log;
  int Count(const String& Entry) const {
    int n = 0;
    for (const String& s : Log) n += s == Entry;
    return n;
  }
  void Click(TObject* Sender) { Log.push_back(L"click " + static_cast<TComponent*>(Sender)->Name()); }
  void Change(TObject* Sender) { Log.push_back(L"change " + static_cast<TComponent*>(Sender)->Name()); }
  TNotifyEvent OnClick() { return TNotifyEvent(this, &TRecorder::Click); }
  TNotifyEvent OnChange() { return TNotifyEvent(this, &TRecorder::Change); }
};

inline void Pump() { Application->ProcessMessages(); }

// A left click at the middle of a window, as the mouse would send it.
inline void MouseClick(HWND Wnd, int X = -1, int Y = -1, int UpX = -1, int UpY = -1) {
  RECT r;
  GetClientRect(Wnd, &r);
  if (X < 0) X = r.right / 2;
  if (Y < 0) Y = r.bottom / 2;
  if (UpX < 0) UpX = X;
  if (UpY < 0) UpY = Y;
  SendMessageW(Wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(X, Y));
  SendMessageW(Wnd, WM_LBUTTONUP, 0, MAKELPARAM(UpX, UpY));
  Pump();
}

// Types Text into a window character by character.
inline void Type(HWND Wnd, const String& Text) {
  for (wchar_t c : Text) SendMessageW(Wnd, WM_CHAR, WPARAM(c), 1);
}

inline String WindowText(HWND Wnd) {
  const int len = GetWindowTextLengthW(Wnd);
  String s(size_t(len) + 1, L'\0');
  GetWindowTextW(Wnd, s.data(), len + 1);
  s.resize(size_t(len));
  return s;
}

class StdCtrlsTest : public testing::Test {
 protected:
  void SetUp() override { Form = MakeForm(); }
  void TearDown() override {
    Form->Free();
    Pump();
  }
  THostForm* Form = nullptr;
  TRecorder Rec;
};

}  // namespace stdctrls_test
