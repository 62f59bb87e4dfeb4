// The look-and-feel units started and ended in the program's order (D-36):
// the Office colour set first, then the look-and-feel settings, then the
// painters; ended in reverse.
#include <gtest/gtest.h>

#include "Units.h"
#include "cxClasses.h"
#include "cxGraphics_win.h"
#include "cxLookAndFeelPainters_win.h"
#include "cxLookAndFeels.h"
#include "dxCore.h"
#include "dxOffice11_win.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"

namespace {

TEST(LookAndFeelUnitsTest, TheRootTheListenerAndTheOfficeSetLiveWhileTheUnitsRun) {
  InitializeUnits({dxUxThemeUnit, dxThemeManagerUnit, dxCoreUnit, cxClassesUnit, cxGraphicsUnit, dxOffice11Unit,
                   cxLookAndFeelsUnit, cxLookAndFeelPaintersUnit});
  TcxLookAndFeel* root = GlobalRootLookAndFeel();
  ASSERT_NE(root, nullptr);
  EXPECT_TRUE(root->IsRoot());
  EXPECT_EQ(root->Kind(), lfUltraFlat);
  EXPECT_TRUE(root->NativeStyle());
  EXPECT_NE(SystemPaletteChangedListener(), nullptr);
  EXPECT_EQ(Office11ColorsRefCount(), 1);
  EXPECT_NE(Office11EntryBrush(42), nullptr);
  EXPECT_EQ(GetClass(L"TcxLookAndFeelController"), TcxLookAndFeelController::StaticClass());
  EXPECT_NE(ExtendedStylePainterRegistry(), nullptr);
  // A look-and-feel made now finds the registry the root was made without.
  {
    TcxLookAndFeel laf(nullptr);
    EXPECT_EQ(laf.Master(), root);
  }
  // The gradient call of msimg32 is bound.
  const TGradientFillFunc bound = SetOffice11GradientFill(nullptr);
  EXPECT_NE(bound, nullptr);
  SetOffice11GradientFill(bound);

  FinalizeUnits();
  EXPECT_EQ(GlobalRootLookAndFeel(), nullptr);
  EXPECT_EQ(SystemPaletteChangedListener(), nullptr);
  EXPECT_EQ(Office11ColorsRefCount(), 0);
  EXPECT_EQ(Office11EntryBrush(42), nullptr);
  EXPECT_EQ(GetClass(L"TcxLookAndFeelController"), nullptr);
  EXPECT_EQ(SetOffice11GradientFill(nullptr), nullptr);
}

}  // namespace
