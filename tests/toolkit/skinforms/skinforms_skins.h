// The units the skinned-form tests and benchmark start, and the skins they
// draw with (the probe and one built-in skin, read from the program's own
// resources), each filed under a painter of its own: the registry finds a
// skin by its painter.
#pragma once

#include <windows.h>

#include "ExtCtrls.h"
#include "Forms.h"
#include "ImgList.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "Threads.h"
#include "cxClasses.h"
#include "cxDWMApi.h"
#include "dxGDIPlusAPI.h"
#include "dxOffice11_win.h"
#include "dxSkinsForm_win.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"
#include "support/HostForm.h"

namespace skinforms_test {

using test_support::Pump;

template <int Id>
class TTestSkinPainter : public TdxSkinLookAndFeelPainter {
 public:
  static TcxCustomLookAndFeelPainterClass Instance() {
    static const auto* instance = new TTestSkinPainter();
    return instance;
  }
};

// The units, the application, and "Probe" and "Blue" filed.
inline void StartSkinForms() {
  InitializeUnits({ThreadsUnit, ImgListUnit, MenusUnit, FormsUnit, StdCtrlsUnit, ExtCtrlsUnit, dxUxThemeUnit,
                   dxThemeManagerUnit, cxDWMApiUnit, dxGDIPlusAPIUnit, dxCoreUnit, cxClassesUnit, dxGDIPlusClassesUnit,
                   cxGraphicsUnit, cxControlsBaseUnit, dxOffice11Unit, cxLookAndFeelsUnit, cxLookAndFeelPaintersUnit,
                   cxControlsUnit, dxSkinsCoreUnit, dxSkinsFormUnit});
  Application->Initialize();
  const HINSTANCE module = GetModuleHandleW(nullptr);
  ExtendedStylePainterRegistry()->Register(L"Probe", TTestSkinPainter<0>::Instance(),
                                           new TdxSkinLookAndFeelPainterInfo(new TdxSkin(L"PROBE", module, true)));
  ExtendedStylePainterRegistry()->Register(L"Blue", TTestSkinPainter<1>::Instance(),
                                           new TdxSkinLookAndFeelPainterInfo(new TdxSkin(L"BLUE", module, true)));
}

inline void EndSkinForms() {
  ExtendedStylePainterRegistry()->Unregister(L"Probe");
  ExtendedStylePainterRegistry()->Unregister(L"Blue");
  FinalizeUnits();
}

}  // namespace skinforms_test
