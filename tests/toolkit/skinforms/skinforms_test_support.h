// What the skinned-form tests under Wine share: the units and skins started
// for the whole program, a skin controller that turns a skin on, and a form
// that records the system commands it receives.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "cxControls_win.h"
#include "skinforms_skins.h"
#include "support/TestPrefix.h"
#include "support/WindowCapture.h"

namespace skinforms_test {

class TSkinFormUnits : public testing::Environment {
 public:
  void SetUp() override { StartSkinForms(); }
  void TearDown() override { EndSkinForms(); }
};

// Records every WM_SYSCOMMAND; swallows the ones Swallow asks for, so a
// close or minimize is seen without being carried out.
class TRecordingForm : public TForm {
  VAMIRE_CLASS(TRecordingForm, TForm)
 public:
  using TForm::TForm;
  std::vector<WPARAM> Commands;
  bool Swallow = true;
  // Destroys its window when asked to close, from inside the message.
  bool DestroyOnClose = false;
  int ControllersListedAtDestroy = -1;
  int ControllersInMemoryAtDestroy = -1;

  void Dispatch(TMessage& Message) override {
    if (Message.Msg == WM_SYSCOMMAND) {
      Commands.push_back(Message.WParam & 0xFFF0);
      if (DestroyOnClose && (Message.WParam & 0xFFF0) == SC_CLOSE) {
        DestroyHandle();
        Message.Result = 0;
        return;
      }
      if (Swallow) {
        Message.Result = 0;
        return;
      }
    }
    if (Message.Msg == WM_DESTROY) {
      ControllersListedAtDestroy = dxSkinWinControllerCount();
      ControllersInMemoryAtDestroy = dxSkinWinControllerInstanceCount();
    }
    TForm::Dispatch(Message);
  }
};

inline TRecordingForm* MakeForm(int Width = 420, int Height = 320) {
  TRecordingForm* form = TCustomForm::Create<TRecordingForm>(nullptr);
  form->SetBounds(60, 60, Width, Height);
  form->SetCaption(L"Skinned");
  form->HandleNeeded();
  Pump();
  return form;
}

// Skins every form with the named skin while it lives.
class TSkinScope {
 public:
  explicit TSkinScope(const wchar_t* ASkinName) : FController(new TdxSkinController(nullptr)) {
    FController->SetSkinName(ASkinName);
    FController->SetNativeStyle(false);
    Pump();
  }
  ~TSkinScope() {
    FController->SetNativeStyle(true);
    FController->SetSkinName(String());
    delete FController;
    Pump();
  }
  TdxSkinController* Controller() const { return FController; }

 private:
  TdxSkinController* FController;
};

inline TdxSkinFormController* FormController(TWinControl* AForm) {
  TdxSkinWinController* c = dxSkinWinControllerOf(AForm->Handle());
  return c && c->InheritsFrom(TdxSkinFormController::StaticClass()) ? static_cast<TdxSkinFormController*>(c) : nullptr;
}

inline TRect WindowRectOf(HWND AWnd) {
  RECT r{};
  GetWindowRect(AWnd, &r);
  return {r.left, r.top, r.right, r.bottom};
}

// The client rectangle in window coordinates.
inline TRect ClientInWindow(HWND AWnd) {
  RECT c{};
  GetClientRect(AWnd, &c);
  MapWindowPoints(AWnd, nullptr, reinterpret_cast<POINT*>(&c), 2);
  const TRect w = WindowRectOf(AWnd);
  return {c.left - w.Left, c.top - w.Top, c.right - w.Left, c.bottom - w.Top};
}

inline LPARAM ScreenPoint(int X, int Y) { return MAKELPARAM(X, Y); }

}  // namespace skinforms_test
