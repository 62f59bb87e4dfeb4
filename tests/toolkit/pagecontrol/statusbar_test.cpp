// The status bar's panel layout without a window: fixed panels keep their
// widths and the last one takes the rest, stretching panels share it, and
// the grip counts as overlapped when the panels ask for the whole width.
#include <gtest/gtest.h>

#include "dxStatusBar.h"

namespace {

TEST(StatusBarLayout, FixedPanelsKeepTheirWidthsAndTheLastTakesTheRest) {
  // The console's three panels: widths 200, 200, 428, each plus 2 for its bevel.
  const auto l = dxCalcStatusBarLayout({{22, 202, true}, {22, 202, true}, {22, 430, true}}, 2, 1000);
  EXPECT_EQ(l.Widths, (std::vector<int>{202, 2, 202, 2, 1000 - 408}));
  EXPECT_FALSE(l.SizeGripOverlapped);
  const auto narrow = dxCalcStatusBarLayout({{22, 202, true}, {22, 202, true}, {22, 430, true}}, 2, 420);
  EXPECT_EQ(narrow.Widths[4], 22);  // never below its minimum
  EXPECT_TRUE(narrow.SizeGripOverlapped);
}

TEST(StatusBarLayout, AStretchingPanelTakesTheRestAndTheLastKeepsItsWidth) {
  const auto l = dxCalcStatusBarLayout({{22, 100, false}, {22, 52, true}}, 2, 500);
  EXPECT_EQ(l.Widths, (std::vector<int>{500 - 54, 2, 52}));
  const auto two = dxCalcStatusBarLayout({{22, 100, false}, {22, 100, false}}, 2, 302);
  EXPECT_EQ(two.Widths, (std::vector<int>{150, 2, 150}));
  EXPECT_TRUE(dxCalcStatusBarLayout({}, 2, 300).Widths.empty());
  EXPECT_EQ(dxCalcStatusBarLayout({{22, 50, true}}, 2, 300).Widths, (std::vector<int>{300}));
}

}  // namespace
