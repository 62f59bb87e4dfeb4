// What the push-button tests share: the units in the program's order, a host
// form, message pumping, glyph strips of coloured cells and painting a
// button into memory.
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
#include "cxButtons_win.h"
#include "cxClasses.h"
#include "cxControls_win.h"
#include "cxDWMApi.h"
#include "cxLookAndFeelPainters_win.h"
#include "cxLookAndFeels.h"
#include "dxGDIPlusAPI.h"
#include "dxOffice11_win.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"
#include "runtime/graphics_test_support.h"
#include "support/HostForm.h"
#include "support/TestPrefix.h"
#include "support/WindowCapture.h"

namespace buttons_test {

using test_support::THostForm;
using test_support::MakeForm;
using test_support::Pump;

using graphics_test::Rgb;

class TButtonUnits : public testing::Environment {
 public:
  void SetUp() override {
    InitializeUnits({ThreadsUnit, ImgListUnit, MenusUnit, FormsUnit, StdCtrlsUnit, ExtCtrlsUnit, dxUxThemeUnit,
                     dxThemeManagerUnit, cxDWMApiUnit, dxGDIPlusAPIUnit, dxCoreUnit, cxClassesUnit, cxGraphicsUnit,
                     cxControlsBaseUnit, dxOffice11Unit, cxLookAndFeelsUnit, cxLookAndFeelPaintersUnit, cxControlsUnit,
                     cxButtonsUnit});
    Application->Initialize();
  }
  void TearDown() override { FinalizeUnits(); }
};

inline LPARAM At(int X, int Y) { return MAKELPARAM(X, Y); }

// A strip of square cells, each framed by a one-pixel ring of Key (the strip's
// transparent colour: its bottom-left pixel) and filled with its own colour.
inline TBitmap* NewStrip(int ACell, const std::vector<TColor>& AFills, TColor Key = 0x00FF00FF) {
  auto* b = new TBitmap();
  b->SetPixelFormat(pf24bit);
  b->SetSize(ACell * int(AFills.size()), ACell);
  for (std::size_t i = 0; i < AFills.size(); ++i) {
    const int x = int(i) * ACell;
    b->Canvas()->Brush()->SetColor(Key);
    b->Canvas()->FillRect(TRect{x, 0, x + ACell, ACell});
    b->Canvas()->Brush()->SetColor(AFills[i]);
    b->Canvas()->FillRect(TRect{x + 1, 1, x + ACell - 1, ACell - 1});
  }
  return b;
}

// The button as its window paints it (WM_PRINTCLIENT, so the system asks for
// the owner drawing with this DC), over a background of Paper.
inline vamire_test::Capture PaintButton(TcxCustomButton* AButton, std::uint32_t Paper = 0x00E0F0A0) {
  return vamire_test::PrintClient(AButton->Handle(), AButton->Width(), AButton->Height(), Paper);
}

}  // namespace buttons_test
