// What the bar painter base answers the bars and item controls: bar borders,
// large-button geometry, button parts, and the mark, spin-arrow and expand
// button shapes on memory surfaces.
#include "bars_test_support.h"

namespace {

using namespace bars_test;
const auto* const kUnits = testing::AddGlobalTestEnvironment(new TBarUnits);

TEST(BarPainterControls, BarBordersPerDockingStyle) {
  THostForm* form = MakeForm();
  auto* manager = new TdxBarManager(form);
  TdxBar* bar = manager->Bars()->Add();
  const TdxBarStandardPainter painter(nullptr);
  const int fw = GetSystemMetrics(SM_CXFRAME), fh = GetSystemMetrics(SM_CYFRAME);
  const int grip = GetSystemMetrics(SM_CXHSCROLL);
  struct TCase {
    const char* Name;
    TdxBarDockingStyle Style;
    TdxBarBorderStyle Border;
    bool WholeRow, CannotDock, SizeGrip;
    TRect Expected;
  };
  const TCase cases[] = {
      {"floating, measured with its caption", dsNone, bbsSingle, false, false, false,
       {fw + 4, fh + painter.FloatingCaptionHeight() + 2, fw + 4, fh + 1}},
      {"top, grip room on the left", dsTop, bbsSingle, false, false, false, {2 + 9, 2, 2, 2}},
      {"left, grip room on top", dsLeft, bbsSingle, false, false, false, {2, 2 + 9, 2, 2}},
      {"no docking anywhere, no grip", dsTop, bbsSingle, false, true, false, {2, 2, 2, 2}},
      {"no border", dsTop, bbsNone, false, false, false, {}},
      {"status bar without grip", dsBottom, bbsNone, true, false, false, {0, 2, 0, 0}},
      {"status bar with grip", dsBottom, bbsNone, true, false, true, {0, 2, grip, 0}},
      {"whole row at the top is no status bar", dsTop, bbsNone, true, false, true, {}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    bar->SetBorderStyle(c.Border);
    bar->SetWholeRow(c.WholeRow);
    bar->SetNotDocking(c.CannotDock ? TdxBarDockingStyles{dsNone, dsLeft, dsTop, dsRight, dsBottom}
                                    : TdxBarDockingStyles{});
    EXPECT_EQ(painter.CalcBarBorders(bar, c.Style, c.SizeGrip), c.Expected);
  }
  form->Free();
}

TEST(BarPainterControls, LargeGlyphsAndTheirCaptions) {
  const TdxBarPainter painter(nullptr);
  const TRect area{0, 0, 60, 50};
  const TSize glyph{20, 20};
  struct TCase {
    int Layout;
    bool Rotated;
    TRect Glyph, Text;
    int Alignment;
  };
  const TCase cases[] = {
      {glLeft, false, {4, 15, 24, 35}, {27, 0, 60, 50}, 0},
      {glRight, false, {36, 15, 56, 35}, {0, 0, 33, 50}, 2},
      {glTop, false, {20, 2, 40, 22}, {0, 22, 60, 50}, 1},
      {glBottom, false, {20, 28, 40, 48}, {0, 0, 60, 28}, 1},
      {glLeft, true, {20, 4, 40, 24}, {0, 27, 60, 50}, 0},
      {glRight, true, {20, 26, 40, 46}, {0, 0, 60, 23}, 2},
      {glTop, true, {38, 15, 58, 35}, {0, 0, 38, 50}, 1},
      {glBottom, true, {2, 15, 22, 35}, {22, 0, 60, 50}, 1},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "layout " << c.Layout << (c.Rotated ? " rotated" : ""));
    const TRect g = painter.PlaceLargeGlyph(area, glyph, true, c.Layout, c.Rotated);
    EXPECT_EQ(g, c.Glyph);
    int alignment = -1;
    EXPECT_EQ(painter.CalcLargeButtonTextRect(area, g, c.Layout, c.Rotated, alignment), c.Text);
    EXPECT_EQ(alignment, c.Alignment);
  }
  EXPECT_EQ(painter.PlaceLargeGlyph(area, glyph, false, glLeft, false), (TRect{20, 15, 40, 35}));
}

TEST(BarPainterControls, SmallAnswers) {
  const TdxBarPainter base(nullptr);
  const TdxBarFlatPainter flat(nullptr);
  std::vector<TRect> parts;
  base.CalcButtonParts(true, 11, TRect{10, 0, 60, 22}, parts);
  EXPECT_EQ(parts, (std::vector<TRect>{{10, 0, 49, 22}, {49, 0, 60, 22}}));
  base.CalcButtonParts(false, 11, TRect{10, 0, 60, 22}, parts);
  EXPECT_EQ(parts, (std::vector<TRect>{{10, 0, 60, 22}}));
  EXPECT_EQ(base.SubItemArrowOffset(13), -7);
  EXPECT_EQ(base.SubItemArrowOffset(12), -6);
  EXPECT_EQ(base.SubItemArrowOffset(-13), 6);
  EXPECT_EQ(base.CalcCaptionContentRect(TRect{0, 0, 100, 30}), (TRect{2, 4, 98, 25}));
  EXPECT_EQ(base.EditItemHeight(13), 13 + 4 + 5);
  EXPECT_EQ(flat.EditItemHeight(13), 13 + 2 + 5);
  EXPECT_EQ(base.ItemArrowColor(true, false, false), clDefault);
  EXPECT_EQ(base.ScrollArrowSize(19), 5);
  EXPECT_FALSE(base.PaintsFlatItems());
  EXPECT_TRUE(flat.PaintsFlatItems());
  EXPECT_EQ(base.MenuReferenceTextSize(), 19);
  EXPECT_EQ(flat.MenuReferenceTextSize(), 20);
  THostForm* form = MakeForm();
  auto* manager = new TdxBarManager(form);
  EXPECT_EQ(base.LargeButtonGlyphSpace(manager), 16);
  manager->SetLargeIcons(true);
  EXPECT_EQ(base.LargeButtonGlyphSpace(manager), 2 * manager->GetButtonGlyphSize());
  form->Free();
}

// The rows of a surface column range that hold the colour.
std::vector<int> RowsWith(const TSurface& S, COLORREF C, int X0, int X1) {
  std::vector<int> rows;
  for (int y = 0; y < S.Height(); ++y)
    for (int x = X0; x < X1; ++x)
      if (S.Color(x, y) == C) {
        rows.push_back(y);
        break;
      }
  return rows;
}

TEST(BarPainterControls, TheMarkTriangleAndItsChevronsOnSmallBars) {
  const TdxBarPainter painter(nullptr);
  const COLORREF text = GetSysColor(COLOR_BTNTEXT);
  for (const int height : {16, 17}) {
    SCOPED_TRACE(height);
    TSurface s(20, 24, RGB(1, 2, 3));
    painter.DrawMark(s.DC(), TRect{0, 0, 12, height}, true, true, false, 20);
    const int top = height - 7 + (height <= 16 ? 1 : 0);
    EXPECT_EQ(RowsWith(s, text, 0, 20), (std::vector<int>{top, top + 1, top + 2}));
    EXPECT_EQ(s.Color(3, top), text);
    EXPECT_EQ(s.Color(7, top), text);
    EXPECT_EQ(s.Color(8, top), RGB(1, 2, 3));
    EXPECT_EQ(s.Color(5, top + 2), text);
    EXPECT_EQ(s.Color(4, top + 2), RGB(1, 2, 3));

    TSurface chevrons(20, 24, RGB(1, 2, 3));
    painter.DrawMark(chevrons.DC(), TRect{0, 0, 12, height}, true, false, true, 20);
    const std::vector<int> rows = RowsWith(chevrons, text, 0, 20);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front(), height <= 16 ? 3 : 4);
  }
}

TEST(BarPainterControls, SpinArrowsPointTheirWayAndEmbossWhenDisabled) {
  const TdxBarPainter painter(nullptr);
  const COLORREF text = GetSysColor(COLOR_BTNTEXT), shadow = GetSysColor(COLOR_BTNSHADOW),
                 light = GetSysColor(COLOR_BTNHIGHLIGHT);
  for (const bool up : {true, false}) {
    TSurface s(15, 15, RGB(1, 2, 3));
    painter.DrawSpinArrow(s.DC(), TRect{0, 0, 15, 15}, 7, up, true);
    // Seven wide at the base, one at the apex.
    const std::vector<int> rows = RowsWith(s, text, 0, 15);
    ASSERT_EQ(rows.size(), 4u);
    const int base = up ? rows.back() : rows.front(), apex = up ? rows.front() : rows.back();
    int baseWidth = 0, apexWidth = 0;
    for (int x = 0; x < 15; ++x) {
      baseWidth += s.Color(x, base) == text;
      apexWidth += s.Color(x, apex) == text;
    }
    EXPECT_EQ(baseWidth, 7);
    EXPECT_EQ(apexWidth, 1);
  }
  TSurface s(15, 15, RGB(1, 2, 3));
  painter.DrawSpinArrow(s.DC(), TRect{0, 0, 15, 15}, 7, false, false);
  const std::vector<int> rows = RowsWith(s, shadow, 0, 15);
  ASSERT_EQ(rows.size(), 4u);
  // The light copy shows one pixel right of the shadow's apex row end.
  EXPECT_EQ(s.Color(7 + 1, rows.back() + 1), light);
}

TEST(BarPainterControls, TheExpandButtonIsCopiedAndLeavesTheClip) {
  const TdxBarPainter painter(nullptr);
  TSurface s(40, 40, RGB(1, 2, 3));
  const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  for (int i = 0; i < 100; ++i) {
    SelectClipRgn(s.DC(), nullptr);
    painter.PaintExpandButton(s.DC(), TRect{10, 10, 30, 30}, 3, i % 2 == 1, GetSysColorBrush(COLOR_BTNFACE),
                              GetSysColorBrush(COLOR_BTNHIGHLIGHT));
  }
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before);
  // Filling the whole surface now leaves the button alone.
  RECT all{0, 0, 40, 40};
  FillRect(s.DC(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(s.Color(5, 5), RGB(0, 0, 0));
  EXPECT_NE(s.Color(11, 11), RGB(0, 0, 0));
  EXPECT_FALSE(RowsWith(s, GetSysColor(COLOR_BTNTEXT), 10, 30).empty());
}

}  // namespace
