// Skins on a system without GDI+: nothing is read, nothing raises, elements
// draw nothing but the empty element's box, and the lookup still fills its table.
#include <gtest/gtest.h>

#include "dxSkinInfo.h"
#include "images_win_test_support.h"
#include "skins_win_test_support.h"

using core_graphics_test::CanvasSurface;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new skins_test::TSkinUnits);

TEST(SkinsWithoutGdiPlusTest, NothingIsReadAndNothingRaises) {
  ASSERT_FALSE(IsGdiPlusAvailable());
  TdxSkin skin(L"Probe", GetModuleHandleW(nullptr), true);
  EXPECT_EQ(skin.Groups()->Count(), 0);
  EXPECT_EQ(skin.Version(), 1.03);
  // Not even a stream that is no skin at all.
  TStringStream foreign(std::string("no skin"));
  EXPECT_NO_THROW(skin.LoadFromStream(&foreign));

  TdxSkinLookAndFeelPainterInfo info(static_cast<TdxSkin*>(skin.Clone()));
  TdxSkinElement* button = info.Element(TdxSkinElementSlot::CommonButton);
  ASSERT_NE(button, nullptr);  // a placeholder, without a picture
  button->SetColor(clRed);
  CanvasSurface s(30, 30);
  button->DrawToDC(s.Dc, TRect{0, 0, 30, 30}, 0, esNormal);
  button->SetUseCache(true);
  button->DrawToDC(s.Dc, TRect{0, 0, 30, 30}, 0, esNormal);
  button->Borders()->Left()->SetColor(clBlue);
  button->Borders()->Left()->Draw(s.Dc, TRect{0, 0, 30, 30});
  EXPECT_EQ(s.Cap().CountNot(0xFFFFFF), 0u);
  EmptyElementOr(nullptr)->DrawToDC(s.Dc, TRect{0, 0, 10, 10}, 0, esNormal);
  EXPECT_EQ(s.Cap().At(0, 0), 0xFF0000u);
}

}  // namespace
