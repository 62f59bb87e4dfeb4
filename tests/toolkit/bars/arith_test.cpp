// The bar library's arithmetic without a window system: the recent-use
// threshold, accelerators, shortcuts, draw modes, arrows, tiles, the focus
// frame, the flat colours and the themed parts' placement.
#include <gtest/gtest.h>

#include "SysUtils.h"
#include "dxBar.h"

namespace {

TEST(BarArithTest, RecentUseThresholdFollowsThePercentage) {
  struct {
    int Percents, Threshold;
  } cases[] = {{200, 0}, {100, 0}, {95, 20}, {99, 100}, {50, 2}, {0, 1}, {-5, 1}};
  for (const auto& c : cases) EXPECT_EQ(dxBarRecentUseThreshold(c.Percents), c.Threshold) << c.Percents;
}

TEST(BarArithTest, RegistryPathGainsBothBackslashesOnce) {
  EXPECT_EQ(dxBarNormalizeRegistryPath(L"Software\\App"), L"\\Software\\App\\");
  EXPECT_EQ(dxBarNormalizeRegistryPath(L"\\Software\\App\\"), L"\\Software\\App\\");
  EXPECT_EQ(dxBarNormalizeRegistryPath(L""), L"");
  EXPECT_EQ(dxBarNormalizeRegistryPath(L"\\"), L"\\");
}

TEST(BarArithTest, AcceleratorPositionTable) {
  struct {
    const wchar_t* Text;
    bool Remove;
    int Position;
    const wchar_t* After;
  } cases[] = {
      {L"&File", false, 2, L"&File"},   {L"&File", true, 1, L"File"},
      {L"a&&b", false, 0, L"a&&b"},     {L"a&&b", true, 0, L"a&b"},
      {L"Save &As", false, 7, L"Save &As"}, {L"Save &As", true, 6, L"Save As"},
      {L"Tail&", false, 0, L"Tail&"},   {L"&a&b", false, 4, L"&a&b"},
      {L"&a&b", true, 2, L"ab"},        {L"", true, 0, L""},
      {L"&&&x", true, 2, L"&x"},
  };
  for (const auto& c : cases) {
    String text = c.Text;
    EXPECT_EQ(AcceleratorPosition(text, c.Remove), c.Position) << UTF8Encode(c.Text) << " " << c.Remove;
    EXPECT_EQ(text, c.After) << UTF8Encode(c.Text);
  }
}

TEST(BarArithTest, ShortCutsCarryTheirModifiers) {
  EXPECT_EQ(dxBarShortCutOf(0, true, true, intptr_t(1) << 29), 0) << "key 0 stays 0 whatever the modifiers";
  EXPECT_EQ(dxBarShortCutOf('A', false, false, 0), 'A');
  EXPECT_EQ(dxBarShortCutOf('A', true, false, 0), 0x2000 + 'A');
  EXPECT_EQ(dxBarShortCutOf('A', false, true, 0), 0x4000 + 'A');
  EXPECT_EQ(dxBarShortCutOf('A', true, true, intptr_t(1) << 29), 0xE000 + 'A');
  EXPECT_EQ(dxBarShortCutOf(0x70, false, false, intptr_t(1) << 28), 0x70) << "only bit 29 is Alt";
}

TEST(BarArithTest, ButtonDownMessagesAndSmallValues) {
  for (unsigned m : {161u, 163u, 164u, 166u, 167u, 169u, 513u, 515u, 516u, 518u, 519u, 521u})
    EXPECT_TRUE(IsButtonDownMessage(m)) << m;
  for (unsigned m : {512u, 514u, 517u, 520u, 162u, 523u, 524u}) EXPECT_FALSE(IsButtonDownMessage(m)) << m;
  EXPECT_EQ(HighestViewLevel(0), 255);
  EXPECT_EQ(HighestViewLevel(0b0101), 2);
  EXPECT_EQ(HighestViewLevel(0b1000), 3);
  EXPECT_EQ(PathDelimiter(true), L"\\");
  EXPECT_EQ(PathDelimiter(false), L".");
  int width = 5;
  EnsureMinWidth(width, 9);
  EXPECT_EQ(width, 9);
  EnsureMinWidth(width, 3);
  EXPECT_EQ(width, 9);
  EXPECT_EQ(StripAccelerators(L"&Save && Quit"), L"Save & Quit");
}

TEST(BarArithTest, ScalingRoundsHalvesToEven) {
  EXPECT_EQ(dxBarScaleValue(16, 144, 96), 24);
  EXPECT_EQ(dxBarScaleValue(3, 144, 96), 4) << "4.5 goes to 4";
  EXPECT_EQ(dxBarScaleValue(5, 144, 96), 8) << "7.5 goes to 8";
  EXPECT_EQ(dxBarScaleValue(-3, 144, 96), -4);
  EXPECT_EQ(dxBarScaleValue(11, 120, 96), 14) << "13.75";
}

TEST(BarArithTest, ImageDrawModeTable) {
  struct {
    TdxBarImageDrawState State;
    int Bits;
    TdxBarImageDrawMode Mode;
    const char* What;
  } cases[] = {
      {{.Faded = true, .NormalLook = false}, 32, bidmFaded, "disabled, faded images"},
      {{.NormalLook = false}, 32, bidmDisabled, "disabled"},
      {{.Grayed = true}, 32, bidmGrayScale, "gray request"},
      {{}, 32, bidmNormal, "plain"},
      {{.Lighten = true}, 32, bidmLight, "lightened, not hot"},
      {{.Lighten = true}, 8, bidmNormal, "lightened on 8 bits"},
      {{.HighlightShadow = true, .Selected = true, .Lighten = true}, 32, bidmShadowed, "hot with shadow"},
      {{.HighlightShadow = true, .Pressed = true, .Selected = true, .Lighten = true}, 32, bidmNormal, "pressed"},
      {{.HighlightShadow = true, .Down = true, .Lighten = true}, 32, bidmNormal, "down"},
  };
  for (const auto& c : cases) EXPECT_EQ(dxBarImageDrawMode(c.State, c.Bits), c.Mode) << c.What;
}

TEST(BarArithTest, ArrowSizesAndCorners) {
  EXPECT_EQ(dxBarArrowSizeForRect(TRect{0, 0, 16, 16}, dxBarArrowDown), 3) << "f = 8";
  EXPECT_EQ(dxBarArrowSizeForRect(TRect{0, 0, 17, 16}, dxBarArrowDown), 5) << "f = 9";
  EXPECT_EQ(dxBarArrowSizeForRect(TRect{0, 0, 16, 10}, dxBarArrowRight), 3) << "at least 3";
  EXPECT_EQ(dxBarArrowSizeForRect(TRect{0, 0, 5, 20}, dxBarArrowRight), 6) << "f = 14";
  const TdxBarArrowShape down = dxBarArrowShape(TRect{0, 0, 16, 16}, dxBarArrowDown, 3);
  EXPECT_EQ(down.Points[0], (TPoint{5, 6}));
  EXPECT_EQ(down.Points[1], (TPoint{9, 6}));
  EXPECT_EQ(down.Points[2], (TPoint{7, 8}));
  const TdxBarArrowShape right = dxBarArrowShape(TRect{0, 0, 16, 16}, dxBarArrowRight, 3);
  EXPECT_EQ(right.Points[0], (TPoint{6, 5}));
  EXPECT_EQ(right.Points[1], (TPoint{6, 9}));
  EXPECT_EQ(right.Points[2], (TPoint{8, 7}));
}

TEST(BarArithTest, TilesCoverWhatTheOriginRectShows) {
  const auto tiles = dxBarTilePositions(TRect{0, 0, 32, 10}, TRect{8, 0, 40, 10}, 16, 16);
  ASSERT_EQ(tiles.size(), 3u);
  EXPECT_EQ(tiles[0], (TPoint{-8, 0}));
  EXPECT_EQ(tiles[1], (TPoint{8, 0}));
  EXPECT_EQ(tiles[2], (TPoint{24, 0}));
  EXPECT_TRUE(dxBarTilePositions(TRect{0, 0, 32, 10}, TRect{8, 0, 8, 10}, 16, 16).empty());
  EXPECT_TRUE(dxBarTilePositions(TRect{0, 0, 32, 10}, TRect{0, 0, 32, 10}, 0, 16).empty());
  EXPECT_EQ(dxBarTilePositions(TRect{0, 0, 800, 26}, TRect{0, 0, 800, 26}, 16, 16).size(), 50u * 2u);
}

TEST(BarArithTest, DoubleFocusFrameIsDottedOnTwoRings) {
  const TRect r{0, 0, 6, 5};
  EXPECT_TRUE(dxBarDoubleFocusPixel(r, 0, 0));
  EXPECT_FALSE(dxBarDoubleFocusPixel(r, 1, 0)) << "x + y odd";
  EXPECT_TRUE(dxBarDoubleFocusPixel(r, 1, 1)) << "the inner ring";
  EXPECT_FALSE(dxBarDoubleFocusPixel(r, 2, 2)) << "inside both rings";
  EXPECT_TRUE(dxBarDoubleFocusPixel(r, 5, 3)) << "right column of the outer ring";
  EXPECT_FALSE(dxBarDoubleFocusPixel(r, 6, 4)) << "outside";
}

TEST(BarArithTest, FlatColoursAndFontFloor) {
  EXPECT_EQ(dxBarFlatBorderRGB(0x808080), 0x666666u);
  EXPECT_EQ(dxBarFlatBorderRGB(0x0000FF), 0x0000CCu);
  EXPECT_EQ(dxBarFlatFaceRGB(0xC8D0D4), 0xD0D7DAu) << "c + (255 - c) * 16 / 100 per channel";
  EXPECT_EQ(dxBarFlatFaceRGB(0xFFFFFF), 0xFFFFFFu);
  EXPECT_EQ(dxBarMinFontHeight(-8), -11);
  EXPECT_EQ(dxBarMinFontHeight(-10), -11);
  EXPECT_EQ(dxBarMinFontHeight(-13), -13);
  EXPECT_EQ(dxBarMinFontHeight(12), -11);
}

TEST(BarArithTest, ThemedPartsGoIntoTheirCorner) {
  EXPECT_EQ(dxBarThemedCloseButtonRect(TRect{0, 0, 40, 20}, 1, 13, 12), (TRect{4, 4, 17, 16}));
  EXPECT_EQ(dxBarThemedCloseButtonRect(TRect{0, 0, 40, 20}, 0, 13, 12), (TRect{23, 4, 36, 16}));
  EXPECT_EQ(dxBarThemedCloseButtonRect(TRect{0, 0, 40, 10}, 3, 13, 12), (TRect{0, 0, 13, 12})) << "no margin";
  EXPECT_EQ(dxBarSizeGripRect(TRect{0, 0, 50, 50}, 3, 12, 12), (TRect{37, 38, 50, 50}));
  EXPECT_EQ(dxBarSizeGripRect(TRect{0, 0, 50, 50}, 0, 12, 12), (TRect{0, 0, 13, 12}));
  EXPECT_EQ(dxBarSizeGripDrawRect(TRect{37, 38, 50, 50}, 3), (TRect{39, 40, 50, 50}));
  EXPECT_EQ(dxBarSizeGripDrawRect(TRect{0, 0, 13, 12}, 0), (TRect{0, 0, 11, 10}));
}

}  // namespace
