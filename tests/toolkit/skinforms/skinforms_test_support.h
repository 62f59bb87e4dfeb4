// What the skinned-form tests under Wine share: the units, the probe skin and
// one built-in skin filed as skin painters, a skin controller that turns them
// on, and a form that records the system commands it receives.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "ImgList.h"
#include "Menus.h"
#include "Threads.h"
#include "cxClasses.h"
#include "cxControls_win.h"
#include "cxDWMApi.h"
#include "dxGDIPlusAPI.h"
#include "dxOffice11_win.h"
#include "dxSkinsForm_win.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"
#include "support/TestPrefix.h"
#include "support/WindowCapture.h"

namespace skinforms_test {

// A painter of its own per filed skin: the registry finds a skin by its painter.
class TProbeSkinPainter : public TdxSkinLookAndFeelPainter {
  VAMIRE_CLASS(TProbeSkinPainter, TdxSkinLookAndFeelPainter)
 public:
  static TcxCustomLookAndFeelPainterClass Instance() {
    static const auto* instance = new TProbeSkinPainter();
    return instance;
  }
};

class TBlueSkinPainter : public TdxSkinLookAndFeelPainter {
  VAMIRE_CLASS(TBlueSkinPainter, TdxSkinLookAndFeelPainter)
 public:
  static TcxCustomLookAndFeelPainterClass Instance() {
    static const auto* instance = new TBlueSkinPainter();
    return instance;
  }
};

class TSkinFormUnits : public testing::Environment {
 public:
  void SetUp() override {
    InitializeUnits({ThreadsUnit, ImgListUnit, MenusUnit, FormsUnit, StdCtrlsUnit, ExtCtrlsUnit, dxUxThemeUnit,
                     dxThemeManagerUnit, cxDWMApiUnit, dxGDIPlusAPIUnit, dxCoreUnit, cxClassesUnit,
                     dxGDIPlusClassesUnit, cxGraphicsUnit, cxControlsBaseUnit, dxOffice11Unit, cxLookAndFeelsUnit,
                     cxLookAndFeelPaintersUnit, cxControlsUnit, dxSkinsCoreUnit, dxSkinsFormUnit});
    Application->Initialize();
    const HINSTANCE module = GetModuleHandleW(nullptr);
    ExtendedStylePainterRegistry()->Register(
        L"Probe", TProbeSkinPainter::Instance(), new TdxSkinLookAndFeelPainterInfo(new TdxSkin(L"PROBE", module, true)));
    ExtendedStylePainterRegistry()->Register(
        L"Blue", TBlueSkinPainter::Instance(), new TdxSkinLookAndFeelPainterInfo(new TdxSkin(L"BLUE", module, true)));
  }
  void TearDown() override {
    ExtendedStylePainterRegistry()->Unregister(L"Probe");
    ExtendedStylePainterRegistry()->Unregister(L"Blue");
    FinalizeUnits();
  }
};

inline void Pump() {
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
}

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
