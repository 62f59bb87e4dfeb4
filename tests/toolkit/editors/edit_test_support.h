// What the editors' model tests share: the units up to the editor library's,
// and a counter of properties changes.
#pragma once

#include <gtest/gtest.h>

#include "Forms.h"
#include "ImgList.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "ExtCtrls.h"
#include "Threads.h"
#include "cxClasses.h"
#include "cxContainer_win.h"
#include "cxControlsBase_win.h"
#include "cxControls_win.h"
#include "cxDWMApi.h"
#include "cxEditPaintUtils_win.h"
#include "cxEdit_win.h"
#include "cxFilterControlStrs.h"
#include "cxGraphics_win.h"
#include "cxLookAndFeelPainters_win.h"
#include "cxLookAndFeels.h"
#include "dxCore.h"
#include "dxGDIPlusAPI.h"
#include "dxOffice11_win.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"

namespace edit_test {

inline void StartEditUnits() {
  InitializeUnits({ThreadsUnit, ImgListUnit, MenusUnit, FormsUnit, StdCtrlsUnit, ExtCtrlsUnit, dxUxThemeUnit,
                   dxThemeManagerUnit, cxDWMApiUnit, dxGDIPlusAPIUnit, dxCoreUnit, cxClassesUnit, cxGraphicsUnit,
                   cxControlsBaseUnit, dxOffice11Unit, cxLookAndFeelsUnit, cxLookAndFeelPaintersUnit, cxControlsUnit,
                   cxContainerUnit, cxEditConstsUnit, cxFilterControlStrsUnit, cxEditPaintUtilsUnit, cxEditUnit});
}

class TEditUnits : public testing::Environment {
 public:
  void SetUp() override {
    try {
      StartEditUnits();
    } catch (const Exception& e) {
      FAIL() << "the units did not start: " << std::string(e.Message().begin(), e.Message().end());
    }
    Application->Initialize();
  }
  void TearDown() override { FinalizeUnits(); }
};

// A memory DC of one size with a toolkit canvas over it, for the benchmarks.
struct TMemoryCanvas {
  TMemoryCanvas(int AWidth, int AHeight) : Dc(CreateCompatibleDC(nullptr)), Cx(&Canvas) {
    HDC screen = GetDC(nullptr);
    Bitmap = CreateCompatibleBitmap(screen, AWidth, AHeight);
    ReleaseDC(nullptr, screen);
    Old = SelectObject(Dc, Bitmap);
    Canvas.SetHandle(Dc);
  }
  ~TMemoryCanvas() {
    Canvas.SetHandle(nullptr);
    SelectObject(Dc, Old);
    DeleteObject(Bitmap);
    DeleteDC(Dc);
  }
  HDC Dc;
  HBITMAP Bitmap = nullptr;
  HGDIOBJ Old = nullptr;
  TCanvas Canvas;
  TcxCanvas Cx;
};

// Counts the changes a properties object reports.
class TChangeCounter : public TObject {
  VAMIRE_CLASS(TChangeCounter, TObject)
 public:
  TChangeCounter() = default;
  void Attach(TcxCustomEditProperties* P) { P->OnPropertiesChanged = TNotifyEvent(this, &TChangeCounter::Changed); }
  void Changed(TObject*) { ++Count; }
  void ClosePopup(TObject*, int) {}
  int Count = 0;
};

}  // namespace edit_test
