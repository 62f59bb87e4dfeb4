// The Office colour set in force: its colours from injected system colours
// and from injected colour-scheme names, the colours other controls name
// checked against their own rules (D-40), its brushes and bitmaps, and the
// Office fills, frames, grips and arrows on a memory DC.
#include <algorithm>
#include <functional>
#include <set>

#include "lookandfeel2_test_support.h"

namespace {

using namespace lookandfeel2_test;

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TLookAndFeelUnits);

TColor Sys(TColor AColor) { return ColorToRGB(AColor); }

// The colour set computed afresh from the injected system colours, with no
// colour scheme (the fake library reports no theme name).
class Office11SetTest : public testing::Test {
 protected:
  void SetUp() override { Office11ColorsRefresh(); }
  void TearDown() override { Office11ColorsRefresh(); }
  TInjectedSysColors colors;
  TFakeThemeLibrary themes;
};

TEST_F(Office11SetTest, TheColoursOtherControlsNameFollowTheirRules) {
  ASSERT_FALSE(IsOffice11SchemeThemed());
  const TColor face = Sys(clBtnFace), shadow = Sys(clBtnShadow), window = Sys(clWindow);
  const TColor toolbar1 = BlendColors(face, window, 22), toolbar2 = BlendColors(face, window, 96);
  const TColor selected = NearestScreenColor(MixSystemColors(-2, 30, 72));
  const TColor pressed = NearestScreenColor(MixSystemColors(14, 44, 40));
  const TColor hot = NearestScreenColor(MixSystemColors(-15, 29, 86));
  const TColor down = NearestScreenColor(MixSystemColors(42, 11, 47));
  struct {
    const char* Name;
    TColor Actual, Rule;
  } cases[] = {
      {"DockColor1", Office11DockColor1(), face},
      {"DockColor2", Office11DockColor2(), BlendColors(face, window, 20)},
      {"ToolbarColor1", Office11ToolbarColor1(), toolbar1},
      {"ToolbarColor2", Office11ToolbarColor2(), toolbar2},
      {"ToolbarBorderColor", Office11ToolbarBorderColor(), BlendColors(face, window, 85)},
      {"ToolbarCornerColor", Office11ToolbarCornerColor(), face},
      {"EditButtonColor", Office11EditButtonColor(), toolbar2},
      {"TearOffColor", Office11TearOffColor(), toolbar2},
      {"FloatingBorderColor", Office11FloatingBorderColor(), shadow},
      {"FloatingBorderInnerColor", Office11FloatingBorderInnerColor(), toolbar2},
      {"FloatingCaptionColor", Office11FloatingCaptionColor(), toolbar1},
      {"CaptionColor", Office11CaptionColor(), shadow},
      {"CaptionTextColor", Office11CaptionTextColor(), Sys(clBtnHighlight)},
      {"CaptionGlyphHotColor", Office11CaptionGlyphHotColor(), Sys(clBtnText)},
      {"CaptionGlyphPressedColor", Office11CaptionGlyphPressedColor(), Sys(clBtnText)},
      {"HeaderColor", Office11HeaderColor(), face},
      {"MarkArrowColor", Office11MarkArrowColor(), Sys(clBtnText)},
      {"MarkArrowShadowColor", Office11MarkArrowShadowColor(), window},
      {"MarkColors1 normal", Office11MarkColors1(0), BlendColors(shadow, window, 74)},
      {"MarkColors1 hot", Office11MarkColors1(1), hot},
      {"MarkColors1 pressed", Office11MarkColors1(2), down},
      {"MarkColors2 normal", Office11MarkColors2(0), shadow},
      {"MarkColors2 hot", Office11MarkColors2(1), hot},
      {"MarkColors2 pressed", Office11MarkColors2(2), down},
      {"MarkCornerColors normal", Office11MarkCornerColors(0), BlendColors(shadow, window, 50)},
      {"MarkCornerColors hot", Office11MarkCornerColors(1), BlendColors(hot, window, 50)},
      {"MarkCornerColors pressed", Office11MarkCornerColors(2), BlendColors(down, window, 50)},
      {"MenuBorderColor", Office11MenuBorderColor(), shadow},
      {"MenuColor", Office11MenuColor(), window},
      {"OpenItemColor1", Office11OpenItemColor1(), toolbar1},
      {"OpenItemColor2", Office11OpenItemColor2(), toolbar2},
      {"MenuIconColor1", Office11MenuIconColor1(), toolbar1},
      {"MenuIconColor2", Office11MenuIconColor2(), toolbar2},
      {"NonRecentIconColor1", Office11NonRecentIconColor1(), BlendColors(toolbar1, clBlack, 92)},
      {"NonRecentIconColor2", Office11NonRecentIconColor2(), BlendColors(toolbar2, clBlack, 92)},
      {"PressedColor1", Office11PressedColor1(), pressed},
      {"PressedColor2", Office11PressedColor2(), pressed},
      {"DownSelectedColor", Office11DownSelectedColor(), pressed},
      {"DownColor", Office11DownColor(), MixSystemColors(41, 11, 48)},
      {"SelectedColor", Office11SelectedColor(), selected},
      {"HotColor1", Office11HotColor1(), selected},
      {"HotColor2", Office11HotColor2(), selected},
      {"SelectionBorderColor", Office11SelectionBorderColor(), Sys(clHighlight)},
      {"SeparatorDarkColor", Office11SeparatorDarkColor(), BlendColors(shadow, window, 70)},
      {"SeparatorLightColor", Office11SeparatorLightColor(), clWhite},
      {"TextColor", Office11TextColor(), Sys(clBtnText)},
      {"DisabledTextColor", Office11DisabledTextColor(), Sys(clGrayText)},
      {"SelectedTextColor", Office11SelectedTextColor(), Sys(clBtnHighlight)},
  };
  for (const auto& c : cases) EXPECT_EQ(c.Actual, c.Rule) << c.Name;

  // The sets the page control, the editors and the panels draw with.
  const TOffice11ColorSet set = Office11ColorSet();
  EXPECT_EQ(set.Background, (TOffice11ColorPair{toolbar1, toolbar2}));
  EXPECT_EQ(set.Hot, (TOffice11ColorPair{selected, selected}));
  EXPECT_EQ(set.Pressed, (TOffice11ColorPair{pressed, pressed}));
  EXPECT_EQ(set.Separator, (TOffice11ColorPair{BlendColors(shadow, window, 70), clWhite}));
  EXPECT_EQ(set.Border, shadow);
  EXPECT_EQ(set.DisabledText, Sys(clGrayText));
  const TOffice11EditColors edit = Office11EditColors();
  EXPECT_EQ(edit.SelectionBorder, Sys(clHighlight));
  EXPECT_EQ(edit.NormalButton, face);
  EXPECT_EQ(Office11PanelColors(), (TOffice11ColorPair{toolbar1, toolbar2}));
}

TEST_F(Office11SetTest, TheColourSchemeComesFromTheStyleNamesWhileThemesServe) {
  themes.ThemeFile = L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles";
  themes.ColorName = L"normalcolor";
  Office11ColorsRefresh();
  EXPECT_EQ(CurrentOffice11Scheme(), o11sNormalColor);
  EXPECT_TRUE(IsOffice11SchemeThemed());
  EXPECT_EQ(Office11Color(1), TColor(0xF5BE9E));
  EXPECT_EQ(Office11MarkArrowColor(), clBlack);
  EXPECT_EQ(Office11SplitGradientPercent(), 41);

  themes.ColorName = L"Metallic";
  Office11ColorsRefresh();
  EXPECT_EQ(CurrentOffice11Scheme(), o11sMetallic);
  EXPECT_EQ(Office11Color(42), TColor(0x6F4B4B));

  // Before major version 6 only the Luna style file has these schemes.
  themes.ThemeFile = L"C:\\Themes\\Royale.msstyles";
  Office11ColorsRefresh();
  EXPECT_EQ(CurrentOffice11Scheme(), OSFlagVistaOrLater ? o11sMetallic : o11sNone);
  DetectWindowsVersion(2, 5, 1, false);
  Office11ColorsRefresh();
  EXPECT_EQ(CurrentOffice11Scheme(), o11sNone);
  DetectWindowsVersion();

  // Themes off: no scheme whatever the names, every entry by its classic rule.
  themes.SetActive(false);
  Office11ColorsRefresh();
  EXPECT_EQ(CurrentOffice11Scheme(), o11sNone);
  EXPECT_FALSE(IsOffice11SchemeThemed());
  EXPECT_EQ(Office11Color(1), Sys(clBtnFace));
  EXPECT_EQ(Office11Color(53), Sys(clGrayText));
}

TEST_F(Office11SetTest, BrushesStandOnTheirEntriesWhileTheSetIsReferenced) {
  ASSERT_GE(Office11ColorsRefCount(), 1) << "the palette listener holds the set";
  const int withBrush[] = {19, 20, 21, 22, 32, 39, 41, 42, 47, 48, 49, 50, 56};
  for (int n = 1; n <= Office11ColorCount; ++n) {
    HBRUSH brush = Office11EntryBrush(n);
    const bool expected = std::find(std::begin(withBrush), std::end(withBrush), n) != std::end(withBrush);
    ASSERT_EQ(brush != nullptr, expected) << n;
    if (!brush) continue;
    LOGBRUSH lb{};
    GetObjectW(brush, sizeof lb, &lb);
    EXPECT_EQ(TColor(lb.lbColor), Office11Color(n)) << n;
  }
  // A refresh makes the brushes anew in the new colours.
  colors.SetShift(5);
  Office11ColorsRefresh();
  LOGBRUSH lb{};
  GetObjectW(Office11EntryBrush(20), sizeof lb, &lb);
  EXPECT_EQ(TColor(lb.lbColor), Sys(clWindow));
  // An extra reference and its release leave them in place.
  Office11ColorsAddRef();
  Office11ColorsRelease();
  EXPECT_NE(Office11EntryBrush(20), nullptr);
}

TEST_F(Office11SetTest, TheBitmapsAreLoadedAndTheSubMenuGlyphRunsFromTheLightToTheDarkFace) {
  HBITMAP glyph = Office11SubMenuExpandBitmap();
  ASSERT_NE(glyph, nullptr);
  BITMAP info{};
  GetObjectW(glyph, sizeof info, &info);
  ASSERT_GT(info.bmWidth, 2);
  CanvasSurface s(info.bmWidth, info.bmHeight);
  HDC source = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(source, glyph);
  BitBlt(s.Dc, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
  const auto cap = s.Cap();
  std::set<uint32_t> seen;
  for (uint32_t p : cap.Pixels) seen.insert(p);
  EXPECT_TRUE(seen.count(Rgb(Office11ToolbarColor1()))) << "the lightest grey becomes the light face";
  EXPECT_TRUE(seen.count(Rgb(Office11ToolbarColor2()))) << "the darkest grey becomes the dark face";
  for (bool expanded : {false, true}) {
    HBITMAP button = Office11ExpandButtonBitmap(expanded);
    ASSERT_NE(button, nullptr);
    GetObjectW(button, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 11);
    EXPECT_EQ(std::abs(info.bmHeight), 11);
  }
}

// --- Drawing ------------------------------------------------------------------------------
class Office11DrawingTest : public Office11SetTest {};

TEST_F(Office11DrawingTest, GradientsRunFromTheFirstColourToTheSecondInBothPaths) {
  const TColor c1 = TColor(0x2060F0), c2 = TColor(0xF04010);
  for (bool software : {false, true}) {
    SCOPED_TRACE(software ? "software" : "system");
    TGradientFillFunc system = nullptr;
    if (software) system = SetOffice11GradientFill(nullptr);
    CanvasSurface s(300, 20);
    GradientFillRect(s.Dc, {0, 0, 300, 10}, c1, c2, true);
    GradientFillRect(s.Dc, {0, 10, 300, 20}, c1, c1, false);
    const auto cap = s.Cap();
    EXPECT_EQ(cap.At(0, 5), Rgb(c1));
    for (int x : {0, 150, 299}) EXPECT_EQ(cap.At(x, 15), Rgb(c1)) << "equal colours fill solid";
    if (software) {
      for (int x = 0; x < 300; x += 7)
        ASSERT_EQ(cap.At(x, 5), Rgb(GradientColorAt({0, 0, 300, 10}, x, c1, c2, true))) << x;
      EXPECT_EQ(cap.At(299, 5), Rgb(c2));
      SetOffice11GradientFill(system);
    } else {
      // The system's interpolation ends within a step of the second colour.
      const uint32_t last = cap.At(299, 5);
      EXPECT_NEAR(int(last >> 16 & 0xFF), c2 & 0xFF, 2);
      EXPECT_NEAR(int(last & 0xFF), c2 >> 16 & 0xFF, 2);
    }
  }
  // A vertical gradient runs from top to bottom.
  CanvasSurface v(4, 100);
  const TGradientFillFunc system = SetOffice11GradientFill(nullptr);
  GradientFillRect(v.Dc, {0, 0, 4, 100}, clBlack, clWhite, false);
  EXPECT_EQ(v.Cap().At(2, 0), 0u);
  EXPECT_EQ(v.Cap().At(2, 99), 0xFFFFFFu);
  SetOffice11GradientFill(system);
}

TEST_F(Office11DrawingTest, TheSplitGradientPassesItsMiddleColourAtTheMiddleLine) {
  CanvasSurface s(10, 41);
  FillRectSplitGradient(s.Dc, {0, 0, 10, 41}, TColor(0x0000C8), TColor(0x00C800), false);  // no scheme: K = 75
  const auto cap = s.Cap();
  EXPECT_EQ(cap.At(5, 0), 0xC80000u);
  EXPECT_EQ(cap.At(5, 20), 0x7D4B00u);  // 37.5 % of the way: red 200 - 75, green 75
  EXPECT_EQ(cap.At(5, 40), 0x00C800u);
}

TEST_F(Office11DrawingTest, GripDotsAreALightSquareUnderADarkOneEveryFourPixels) {
  CanvasSurface s(12, 4);
  DrawOffice11GripDots(s.Dc, {0, 0, 12, 4}, false, nullptr, nullptr);
  const auto cap = s.Cap();
  const uint32_t dark = Rgb(Office11Color(19)), light = Rgb(Office11Color(20));
  for (int cell : {0, 4, 8}) {
    for (auto [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}, {1, 1}}) EXPECT_EQ(cap.At(cell + x, y), dark) << cell;
    for (auto [x, y] : {std::pair{2, 1}, {1, 2}, {2, 2}}) EXPECT_EQ(cap.At(cell + x, y), light) << cell;
    EXPECT_EQ(cap.At(cell + 3, 3), 0xFFFFFFu);
  }
  // The resize grip: rows of 3, 2 and 1 dots towards the corner.
  CanvasSurface g(20, 20);
  DrawOffice11ResizeGrip(g.Dc, {0, 0, 20, 20}, clDefault, clDefault);
  const auto grip = g.Cap();
  auto darkCells = [&](int y) {
    int n = 0;
    for (int x = 0; x < 20; x += 4) n += grip.At(x, y) == dark;
    return n;
  };
  EXPECT_EQ(darkCells(17), 3);
  EXPECT_EQ(darkCells(13), 2);
  EXPECT_EQ(darkCells(9), 1);
  EXPECT_EQ(darkCells(5), 0);
}

TColor BlackFace(int AIndex) { return AIndex == COLOR_BTNFACE ? clBlack : InjectedSysColor(AIndex); }

TEST_F(Office11DrawingTest, TheSelectionFrameGivesWayToTheHighlightTextOnABlackFace) {
  CanvasSurface s(10, 10);
  FrameOffice11Selection(s.Dc, {0, 0, 10, 10});
  EXPECT_EQ(s.Cap().At(0, 5), Rgb(Office11SelectionBorderColor()));
  EXPECT_EQ(s.Cap().At(5, 5), 0xFFFFFFu);
  const TSysColorReader previous = SetSysColorReader(&BlackFace);
  EXPECT_TRUE(IsBlackButtonFace());
  EXPECT_TRUE(IsBlackFaceNonWhiteText());
  FrameOffice11Selection(s.Dc, {0, 0, 10, 10});
  EXPECT_EQ(s.Cap().At(0, 5), Rgb(clHighlightText));
  SetSysColorReader(previous);
}

TEST_F(Office11DrawingTest, ItemArrowsTakeTheGlyphColoursOfTheirState) {
  struct {
    bool Enabled, Selected;
    TColor Expected;
  } cases[] = {{true, false, Office11Color(52)}, {false, false, Office11Color(53)}, {false, true, Office11Color(53)}};
  for (const auto& c : cases) {
    CanvasSurface s(18, 14);
    s.Fill(clFuchsia);
    DrawOffice11ArrowInRect(s.Dc, {0, 0, 18, 14}, true, c.Selected, c.Enabled);
    // Size 4 (18 less 8 is 10): the base row runs 7 pixels from (5, 5), the tip is (8, 8).
    const auto cap = s.Cap();
    for (auto [x, y] : {std::pair{5, 5}, {11, 5}, {8, 8}}) EXPECT_EQ(cap.At(x, y), Rgb(c.Expected)) << x << "," << y;
    for (auto [x, y] : {std::pair{4, 5}, {12, 5}, {8, 9}, {8, 4}}) EXPECT_EQ(cap.At(x, y), Rgb(clFuchsia)) << x << "," << y;
  }
}

}  // namespace
