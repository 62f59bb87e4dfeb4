// What the status-bar tests share: the units in the program's order, a host
// form, message pumping and a bar that counts its paints.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include "ExtCtrls.h"
#include "Forms.h"
#include "ImgList.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "Threads.h"
#include "Units.h"
#include "cxClasses.h"
#include "cxControls_win.h"
#include "cxDWMApi.h"
#include "cxLookAndFeelPainters_win.h"
#include "cxLookAndFeels.h"
#include "dxGDIPlusAPI.h"
#include "dxOffice11_win.h"
#include "dxSkinsdxStatusBarPainter.h"
#include "dxStatusBar_win.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"
#include "runtime/graphics_test_support.h"
#include "support/HostForm.h"
#include "support/TestPrefix.h"
#include "support/WindowCapture.h"

namespace statusbar_test {

using test_support::THostForm;
using test_support::Pump;

using graphics_test::Rgb;

class TStatusBarUnits : public testing::Environment {
 public:
  void SetUp() override {
    InitializeUnits({ThreadsUnit, ImgListUnit, MenusUnit, FormsUnit, StdCtrlsUnit, ExtCtrlsUnit, dxUxThemeUnit,
                     dxThemeManagerUnit, cxDWMApiUnit, dxGDIPlusAPIUnit, dxCoreUnit, cxClassesUnit, cxGraphicsUnit,
                     cxControlsBaseUnit, dxOffice11Unit, cxLookAndFeelsUnit, cxLookAndFeelPaintersUnit, cxControlsUnit,
                     dxStatusBarUnit, dxSkinsdxStatusBarPainterUnit});
    Application->Initialize();
  }
  void TearDown() override { FinalizeUnits(); }
};

inline THostForm* MakeForm(int Width = 860, int Height = 200, TFormBorderStyle Border = bsSingle) {
  THostForm* form = TCustomForm::Create<THostForm>(nullptr);
  form->SetBorderStyle(Border);
  form->SetBounds(40, 40, Width, Height);
  form->HandleNeeded();
  return form;
}

// A bar that counts its paints.
class TCountingStatusBar : public TdxStatusBar {
  VAMIRE_CLASS(TCountingStatusBar, TdxStatusBar)
 public:
  using TdxStatusBar::TdxStatusBar;
  int Paints = 0;

 protected:
  void Paint() override {
    ++Paints;
    TdxStatusBar::Paint();
  }
};

// The console's main-window bar: three text panels 200, 200 and 428 wide, the third right-justified.
inline TCountingStatusBar* MakeConsoleBar(TWinControl* AParent) {
  auto* bar = new TCountingStatusBar(AParent);
  bar->SetParent(AParent);
  for (int width : {200, 200, 428}) {
    TdxStatusBarPanel* p = bar->Panels()->Add();
    p->SetPanelStyleClassName(L"TdxStatusBarTextPanelStyle");
    p->SetWidth(width);
  }
  static_cast<TdxStatusBarTextPanelStyle*>(bar->Panels()->Items(2)->PanelStyle())->SetAlignment(taRightJustify);
  return bar;
}

}  // namespace statusbar_test
