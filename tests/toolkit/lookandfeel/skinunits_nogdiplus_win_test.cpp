// The built-in skins on a system without GDI+: the units start and end
// without raising and file no skin, so every skin name selects nothing; the
// skin file's names are still listed.
#include <gtest/gtest.h>

#include "skinunits_win_test_support.h"

namespace {

TEST(SkinUnitsWithoutGdiPlusTest, NoSkinIsFiledAndNothingRaises) {
  skinunits_test::Start(skinunits_test::BaseUnits());
  ASSERT_FALSE(IsGdiPlusAvailable());
  EXPECT_NO_THROW(skinunits_test::Start(skinunits_test::SkinUnits()));
  EXPECT_EQ(ExtendedStylePainterRegistry()->Count(), 0);
  EXPECT_EQ(static_cast<const TdxSkinLookAndFeelPainter*>(TdxBlackPainter::Instance())->GetSkinInfo(), nullptr);
  TcxLookAndFeel laf(nullptr);
  laf.SetNativeStyle(false);
  laf.SetSkinName(L"Black");
  EXPECT_EQ(laf.CurrentSkinPainter(), nullptr);

  TdxSkin skin(L"Black");
  TStringStream one;
  skin.SaveToStream(&one);
  TStringStream listed(one.DataString());
  TStringList names;
  EXPECT_TRUE(ReadSkinNamesFromStream(&listed, &names, false));
  EXPECT_EQ(names.Count(), 1);
  EXPECT_NO_THROW(FinalizeUnits());
}

}  // namespace
