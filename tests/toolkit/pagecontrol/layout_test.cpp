// Tab layout as arithmetic against a fake painter: rows, balancing with exact
// scores, stretching, the single-line strip and its navigator set, row order,
// placement and the margin and point turning the painters use.
#include <gtest/gtest.h>

#include <vector>

#include "cxPC.h"

namespace {

// A strip on top of a control Width wide and 100 high: tabs start at 0, each
// shown navigator button takes ButtonWidth from the row length.
class TFakeHost : public IcxPCLayoutHost {
 public:
  explicit TFakeHost(std::vector<int> widths) : Widths(std::move(widths)), Tabs(Widths.size()) {}

  std::vector<int> Widths;
  std::vector<TcxPCTabLayoutInfo> Tabs;
  int Width = 150;
  int Height = 100;
  int TabHeight = 20;
  int MinTabWidth = 10;
  int ButtonWidth = 15;
  TPoint Spacing{0, 0};
  bool KeepsAdjacent = true;
  int LaidOut = 0;

  int LayoutTabCount() override { return int(Tabs.size()); }
  TcxPCTabLayoutInfo& LayoutTab(int i) override { return Tabs.at(std::size_t(i)); }
  int CalculateTabNormalHeight() override { return TabHeight; }
  int CalculateTabNormalWidth(int i) override { return Widths.at(std::size_t(i)); }
  int GetMinTabWidth(int) override { return MinTabWidth; }
  TPoint GetTabsSpacing() override { return Spacing; }
  void GetTabsAreaInfo(const TcxPCNavigatorButtons& AButtons, TcxPCTabsAreaInfo& AInfo) override {
    const int buttons = CountNavigatorButtons(AButtons) * ButtonWidth;
    const bool horizontal = Position == tpTop || Position == tpBottom;
    const int along = horizontal ? Width : Height;
    AInfo.TabsAreaRect = {0, 0, Width, Height};
    AInfo.RowLength = along - buttons;
    AInfo.RowsBounds = horizontal ? TRect{0, 0, along - buttons, Height} : TRect{0, 0, Width, along - buttons};
  }
  bool KeepsSelectedRowAdjacent() override { return KeepsAdjacent; }
  int MeasureTabCaptionWidth(int i) override { return Widths.at(std::size_t(i)) - 8; }
  void NavigatorButtonsLaidOut() override { ++LaidOut; }

  TcxTabPosition Position = tpTop;

  std::vector<int> Rows() const {
    std::vector<int> result;
    for (const auto& t : Tabs) result.push_back(t.Row);
    return result;
  }
  std::vector<int> NormalWidths() const {
    std::vector<int> result;
    for (const auto& t : Tabs) result.push_back(t.NormalWidth);
    return result;
  }
};

struct TLayoutFixture {
  TFakeHost Host;
  TcxPCLayout Layout{&Host};
  explicit TLayoutFixture(std::vector<int> widths, int width = 150) : Host(std::move(widths)) {
    Host.Width = width;
  }
  void MultiLine(bool ragged = false) {
    Layout.Settings.MultiLine = true;
    Layout.Settings.RaggedRight = ragged;
    Layout.Calculate();
  }
};

struct TRowCase {
  const char* Name;
  std::vector<int> Widths;
  int Length;
  bool Rotate;
  bool Ragged;
  std::vector<int> Rows;
};

TEST(TabLayout, RowsAreSplitAndBalancedByExactScores) {
  const TRowCase cases[] = {
      // [60, 60] [60] ties with [60] [60, 60]: the greedy split stays.
      {"three 60s in 150", {60, 60, 60}, 150, false, true, {0, 0, 1}},
      // 2^60 + 2^60 is below 2^10 + 2^110.
      {"four 50s in 160", {50, 50, 50, 50}, 160, false, true, {0, 0, 1, 1}},
      // A tab as long as the line takes a row of its own.
      {"a tab longer than the line", {50, 200, 50}, 160, false, true, {0, 1, 2}},
      // 2^1500 + 2^1400 against 2^100 + 2^2800: both beyond what a double holds.
      {"1,500 free pixels", {1500, 1400, 200}, 3000, false, true, {0, 1, 1}},
      // Greedy [3] [3] [1]; the last row pulls one back, and [3] [2] [2] ties with [2] [2] [3].
      {"seven 50s in 160", {50, 50, 50, 50, 50, 50, 50}, 160, false, true, {0, 0, 0, 1, 1, 2, 2}},
      // With Rotate the extents are the tab height (50); ragged rotated rows are not balanced.
      {"rotated and ragged stay greedy", {70, 80, 90, 100}, 160, true, true, {0, 0, 0, 1}},
      {"rotated rows are balanced", {70, 80, 90, 100}, 160, true, false, {0, 0, 1, 1}},
  };
  for (const TRowCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TLayoutFixture f(c.Widths, c.Length);
    if (c.Rotate) f.Host.TabHeight = 50;
    f.Layout.Settings.Rotate = c.Rotate;
    f.MultiLine(c.Ragged);
    EXPECT_EQ(f.Host.Rows(), c.Rows);
    EXPECT_EQ(f.Layout.RowCount, c.Rows.back() + 1);
  }
}

TEST(TabLayout, LongTabGetsTheRowLengthUnlessItsMinimumDoesNotFit) {
  TLayoutFixture f({50, 200, 50}, 160);
  f.MultiLine(true);
  EXPECT_EQ(f.Host.NormalWidths(), (std::vector<int>{50, 160, 50}));
  TLayoutFixture g({50, 200, 50}, 160);
  g.Host.MinTabWidth = 170;
  g.MultiLine(true);
  EXPECT_EQ(g.Host.Tabs[1].NormalWidth, 200);
}

TEST(TabLayout, StretchedRowsEndAtTheLineEndAndRaggedRowsKeepTheirLength) {
  TLayoutFixture f({50, 50, 50, 30}, 160);
  f.Host.Spacing = {2, 3};
  f.MultiLine();
  // Rows [50, 50] [50, 30] with spacing 2: free 58 and 78, shared by width, the last tab takes the rest.
  EXPECT_EQ(f.Host.Rows(), (std::vector<int>{0, 0, 1, 1}));
  EXPECT_EQ(f.Host.NormalWidths(), (std::vector<int>{79, 79, 98, 60}));
  for (int last : {1, 3}) {
    const TRect r = f.Layout.TabNormalRect(last);
    EXPECT_EQ(r.Right, 160) << last;
  }
  TLayoutFixture ragged({50, 50, 50, 30}, 160);
  ragged.Host.Spacing = {2, 3};
  ragged.MultiLine(true);
  EXPECT_EQ(ragged.Host.NormalWidths(), (std::vector<int>{50, 50, 50, 30}));
  EXPECT_EQ(ragged.Layout.TabNormalRect(1).Right, 102);
}

TEST(TabLayout, RowsArePlacedWithTheSelectedRowNextToTheDisplay) {
  // Three rows on top, tab height 20, gap 3: the selected row moves last (nearest the pages).
  TLayoutFixture f({50, 50, 50, 50, 50, 50}, 100);
  f.Host.Spacing = {0, 3};
  f.Layout.SelectedVisibleTab = 0;
  f.MultiLine();
  ASSERT_EQ(f.Layout.RowCount, 3);
  EXPECT_EQ(f.Host.Tabs[0].DisplayRow, 2);
  EXPECT_EQ(f.Host.Tabs[2].DisplayRow, 0);
  EXPECT_EQ(f.Host.Tabs[4].DisplayRow, 1);
  EXPECT_EQ(f.Host.Tabs[0].Position.Y, 46);
  EXPECT_EQ(f.Host.Tabs[2].Position.Y, 0);
  EXPECT_EQ(f.Layout.FirstTabsArea, (TRect{0, 0, 100, 66}));
  EXPECT_EQ(f.Layout.GetTabsAreaMargins(false, 100, 100), (TRect{0, 66, 0, 0}));

  // A button style keeps the rows where they are.
  f.Host.KeepsAdjacent = false;
  f.Layout.OrderRows();
  EXPECT_EQ(f.Host.Tabs[0].DisplayRow, 0);

  // ScrollOpposite: the rows after the selected one go below the display area.
  f.Host.KeepsAdjacent = true;
  f.Layout.Settings.ScrollOpposite = true;
  f.Layout.SelectedVisibleTab = 2;
  f.Layout.OrderRows();
  EXPECT_EQ(f.Layout.NearRowCount, 2);
  EXPECT_EQ(f.Host.Tabs[4].Position.Y, 100 - 20);
  EXPECT_EQ(f.Layout.SecondTabsArea, (TRect{0, 80, 100, 100}));
  EXPECT_EQ(f.Layout.GetTabsAreaMargins(false, 100, 100), (TRect{0, 43, 0, 20}));
}

TEST(TabLayout, SingleLineNavigatorSetFollowsTheOptions) {
  struct TCase {
    const char* Name;
    std::vector<TcxPCOption> Options;
    int Width;
    TcxPCNavigatorButtons Expected;
  };
  const TCase cases[] = {
      {"all fit", {}, 200, {}},
      {"all fit, go dialog alone", {pcoGoDialog}, 200, {}},
      {"all fit, go dialog always", {pcoGoDialog, pcoAlwaysShowGoDialogButton}, 200, {nbGoDialog}},
      {"all fit, close", {pcoCloseButton}, 200, {nbClose}},
      {"too long", {}, 100, {nbTopLeft, nbBottomRight}},
      {"too long, no arrows", {pcoNoArrows}, 100, {}},
      {"too long, go dialog", {pcoGoDialog, pcoNoArrows}, 100, {nbGoDialog}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TLayoutFixture f({40, 40, 40}, c.Width);
    f.Layout.Settings.Options = {};
    for (TcxPCOption o : c.Options) f.Layout.Settings.Options.Include(o);
    f.Layout.Calculate();
    EXPECT_EQ(f.Layout.NavigatorButtons, c.Expected);
  }
}

TEST(TabLayout, SingleLineScrollsAndNeverLeavesRoomAtTheEnd) {
  TLayoutFixture f({50, 50, 50, 50, 50, 50}, 130);  // two buttons: 100 pixels of tabs
  f.Layout.Calculate();
  EXPECT_EQ(f.Layout.FirstVisibleTab, 0);
  EXPECT_EQ(f.Layout.LastVisibleTab, 1);
  EXPECT_TRUE(f.Layout.IsNavigatorButtonEnabled(nbBottomRight));
  EXPECT_FALSE(f.Layout.IsNavigatorButtonEnabled(nbTopLeft));

  f.Layout.MakeTabVisible(5);
  f.Layout.Calculate();
  EXPECT_EQ(f.Layout.FirstVisibleTab, 4);
  EXPECT_EQ(f.Layout.LastVisibleTab, 5);
  EXPECT_TRUE(f.Layout.LastTabFullyVisible);
  EXPECT_FALSE(f.Layout.IsNavigatorButtonEnabled(nbBottomRight));
  EXPECT_EQ(f.Host.Tabs[4].Position.X, 0);

  // Widened: the first visible tab moves back until the strip is full.
  f.Host.Width = 230;
  f.Layout.Calculate();
  EXPECT_EQ(f.Layout.FirstVisibleTab, 2);
  EXPECT_EQ(f.Layout.LastVisibleTab, 5);

  // No room: nothing is positioned and the strip is empty.
  f.Host.Width = 0;
  f.Layout.Calculate();
  EXPECT_EQ(f.Layout.GetTabsAreaMargins(false, 0, 100), TRect{});
  EXPECT_EQ(f.Layout.FirstTabsArea, TRect{});
  EXPECT_EQ(f.Layout.SecondTabsArea, TRect{});
}

TEST(TabLayout, LeftStripWithoutRotationStartsAtTheBottom) {
  TLayoutFixture f({30, 40}, 50);
  f.Host.Position = tpLeft;
  f.Host.Height = 120;
  f.Layout.Settings.TabPosition = tpLeft;
  f.Layout.Calculate();
  EXPECT_TRUE(f.Layout.IsReversedOrder());
  EXPECT_EQ(f.Layout.TabNormalRect(0), (TRect{0, 90, 20, 120}));
  EXPECT_EQ(f.Layout.TabNormalRect(1), (TRect{0, 50, 20, 90}));
  EXPECT_EQ(f.Layout.GetTabsAreaMargins(false, 50, 120), (TRect{0, 20, 0, 0}));
  // Reading top to bottom puts the first tab at the top.
  f.Layout.Settings.Options.Include(pcoTopToBottomText);
  f.Layout.Calculate();
  EXPECT_EQ(f.Layout.TabNormalRect(0).Top, 0);
}

TEST(TabLayout, RotatedTabsTakeTheLongestOrTheCappedLength) {
  TLayoutFixture f({60, 90, 70}, 300);
  f.Layout.Settings.Rotate = true;
  f.Layout.Calculate();
  EXPECT_EQ(f.Layout.RowExtent, 90);
  EXPECT_EQ(f.Layout.WidestRotatedCaption, 82);
  EXPECT_EQ(f.Layout.TabNormalRect(1), (TRect{20, 0, 40, 90}));
  f.Layout.Settings.MaxRotatedTabWidth = 5;  // raised to the painter's least width, 10
  EXPECT_EQ(f.Layout.MaxRotatedTabWidth(), 10);
  f.Layout.Settings.MaxRotatedTabWidth = 40;
  f.Layout.Calculate();
  EXPECT_EQ(f.Layout.RowExtent, 40);
}

TEST(TabLayout, ScoresCompareExactlyBeyondDoubles) {
  TcxPCRowScore a, b;
  a.Add(1500);
  a.Add(1400);
  b.Add(100);
  b.Add(2800);
  EXPECT_TRUE(a < b);
  TcxPCRowScore c, d;
  c.Add(1024);
  c.Add(1024);
  d.Add(1025);
  EXPECT_TRUE(c == d);
  d.Add(0);
  EXPECT_TRUE(c < d);
}

TEST(TabLayout, MarginsPointsAndKindsTurnToEachSide) {
  const TRect m{1, 2, 3, 4};
  for (TcxTabPosition p : {tpTop, tpBottom, tpLeft, tpRight})
    EXPECT_EQ(RotateMarginsFromSide(RotateMarginsToSide(m, p), p), m) << p;
  EXPECT_EQ(RotateMarginsToSide(m, tpLeft), (TRect{2, 3, 4, 1}));
  const TRect r{10, 20, 40, 30};
  TPoint p{12, 21};
  RotatePoint(r, p, 1);
  EXPECT_EQ(p, (TPoint{12, 28}));
  p = {12, 21};
  RotatePoint(r, p, 2);
  EXPECT_EQ(p, (TPoint{31, 27}));
  p = {12, 21};
  RotatePoint(r, p, 3);
  EXPECT_EQ(p, (TPoint{18, 27}));
  EXPECT_EQ(GetTabLayoutKind(tsLeft, 0), 6);
  EXPECT_EQ(GetTabLayoutKind(tsRight, 2), 8);
  EXPECT_EQ(PCOptionsToInt(cxPCDefaultOptions), 177);
  EXPECT_EQ(PCOptionsFromInt(177), cxPCDefaultOptions);
}

}  // namespace
