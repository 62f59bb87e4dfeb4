// The painters' unit started and ended from the program's unit list.
#include <gtest/gtest.h>

#include "Units.h"
#include "cxLookAndFeelPainters_win.h"
#include "dxCore.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"

namespace {

TEST(LookAndFeelUnitsTest, StartMakesTheSharedResourcesAndEndFreesThem) {
  // The program's order: the theme units, the core, then the look-and-feel.
  InitializeUnits({dxUxThemeUnit, dxThemeManagerUnit, dxCoreUnit, cxGraphicsUnit, cxLookAndFeelPaintersUnit});
  ASSERT_NE(ExtendedStylePainterRegistry(), nullptr);
  ASSERT_NE(RowMarkerImages(), nullptr);
  EXPECT_EQ(RowMarkerImages()->Count(), 6);
  EXPECT_NE(ScrollBarPatternBitmap(false), nullptr);
  EXPECT_NE(ScrollBarPatternBitmap(true), nullptr);
  EXPECT_GT(CheckGlyphSize().cx, 0);
  bool freed = false;
  class TInfo : public TObject {
   public:
    explicit TInfo(bool* AFreed) : FFreed(AFreed) {}
    ~TInfo() override { *FFreed = true; }

   private:
    bool* FFreed;
  };
  ExtendedStylePainterRegistry()->Register(L"Left over", TcxFlatLookAndFeelPainter::Instance(), new TInfo(&freed));
  ASSERT_NE(GetRadioButtonImageList(), nullptr);
  EXPECT_TRUE(IsUnitStarted(L"cxLookAndFeelPainters"));

  FinalizeUnits();
  EXPECT_TRUE(freed) << "the registry goes with every entry still filed";
  EXPECT_EQ(ExtendedStylePainterRegistry(), nullptr);
  EXPECT_EQ(RowMarkerImages(), nullptr);
  EXPECT_EQ(ScrollBarPatternBitmap(false), nullptr);
  EXPECT_EQ(GetRadioButtonImageList(), nullptr) << "not made again by late callers";
  // Painters outlive the unit: a late caller still gets answers.
  EXPECT_EQ(TcxStandardLookAndFeelPainter::Instance()->GetBorderWidth(), 2);
}

}  // namespace
