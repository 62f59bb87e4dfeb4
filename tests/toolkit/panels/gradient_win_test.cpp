// Gradients on a memory DC: the stop colour exact where the fill ends, bands
// that only ever move one way from the start to the stop colour, the box
// directions symmetric and painted whole, the diagonals' corners (D-65).
#include <gtest/gtest.h>

#include <algorithm>

#include "RzGradient.h"
#include "panels_test_support.h"

using namespace panels_test;

namespace {

const bool registered = (::testing::AddGlobalTestEnvironment(new TPanelUnits), true);

constexpr TColor Paper = 0x00A0F0E0;
constexpr std::uint32_t White = 0xFFFFFF, Black = 0;

int Level(std::uint32_t rgb) { return int(rgb & 0xFF); }  // grey fills: any component

vamire_test::Capture Fill(int w, int h, TGradientDirection d, TColor start, TColor stop) {
  TPanelSurface s(w, h, Paper);
  FillGradientArea(&s.Canvas, TRect{0, 0, w, h}, d, start, stop, 1);
  return s.Cap();
}

// Levels along a line of pixels, which must never move back towards the start.
::testing::AssertionResult OneWay(const std::vector<int>& levels, int direction) {
  for (size_t i = 1; i < levels.size(); ++i)
    if ((levels[i] - levels[i - 1]) * direction < 0)
      return ::testing::AssertionFailure() << "turns back at " << i << ": " << levels[i - 1] << " then " << levels[i];
  return ::testing::AssertionSuccess();
}

TEST(GradientTest, AnEmptyRectanglePaintsNothing) {
  TPanelSurface s(10, 10, Paper);
  FillGradientArea(&s.Canvas, TRect{2, 2, 2, 9}, gdHorizontalEnd, clWhite, clBlack, 1);
  FillGradientArea(&s.Canvas, TRect{2, 2, 9, 2}, gdDiagonalUp, clWhite, clBlack, 1);
  EXPECT_EQ(s.Cap().CountNot(Rgb(Paper)), 0u);
}

TEST(GradientTest, HorizontalEndRunsFromTheTopToAnExactStopColourInFullWidthBands) {
  const int w = 37, h = 100;
  const vamire_test::Capture cap = Fill(w, h, gdHorizontalEnd, clWhite, clBlack);
  std::vector<int> rows;
  for (int y = 0; y < h; ++y) {
    for (int x = 1; x < w; ++x) ASSERT_EQ(cap.At(x, y), cap.At(0, y)) << "row " << y << " is one band across";
    rows.push_back(Level(cap.At(0, y)));
  }
  EXPECT_EQ(cap.At(0, h - 1), Black) << "the last row is exactly the stop colour";
  EXPECT_GE(rows.front(), 255 - 4) << "the first row is at most 4 levels below the start colour";
  EXPECT_TRUE(OneWay(rows, -1));
  EXPECT_GT(std::count_if(rows.begin(), rows.end(), [](int l) { return l > 100 && l < 155; }), 10);
}

TEST(GradientTest, VerticalEndRunsFromTheLeftToAnExactStopColourInFullHeightBands) {
  const int w = 90, h = 21;
  const vamire_test::Capture cap = Fill(w, h, gdVerticalEnd, clBlack, clWhite);
  std::vector<int> columns;
  for (int x = 0; x < w; ++x) {
    for (int y = 1; y < h; ++y) ASSERT_EQ(cap.At(x, y), cap.At(x, 0)) << "column " << x;
    columns.push_back(Level(cap.At(x, 0)));
  }
  EXPECT_EQ(cap.At(w - 1, 0), White);
  EXPECT_LE(columns.front(), 4);
  EXPECT_TRUE(OneWay(columns, 1));
}

TEST(GradientTest, CenterDirectionsHaveTheStartAtBothEdgesAndTheStopInTheMiddle) {
  {
    const int w = 61, h = 9;
    const vamire_test::Capture cap = Fill(w, h, gdVerticalCenter, clWhite, clBlack);
    std::vector<int> columns;
    for (int x = 0; x < w; ++x) columns.push_back(Level(cap.At(x, h - 1)));
    EXPECT_EQ(cap.At(w / 2, 0), Black) << "the stop colour at column W div 2";
    EXPECT_EQ(cap.At(w - 1, 0), White) << "the far edge is exactly the start colour";
    EXPECT_GE(columns.front(), 255 - 10) << "the near edge within one step of the start colour";
    EXPECT_TRUE(OneWay(std::vector<int>(columns.begin(), columns.begin() + w / 2 + 1), -1));
    EXPECT_TRUE(OneWay(std::vector<int>(columns.begin() + w / 2, columns.end()), 1));
  }
  {
    const int w = 7, h = 50;
    const vamire_test::Capture cap = Fill(w, h, gdHorizontalCenter, clBlack, clWhite);
    std::vector<int> rows;
    for (int y = 0; y < h; ++y) rows.push_back(Level(cap.At(w - 1, y)));
    EXPECT_EQ(cap.At(0, h / 2), White);
    EXPECT_EQ(cap.At(0, h - 1), Black);
    EXPECT_TRUE(OneWay(std::vector<int>(rows.begin(), rows.begin() + h / 2 + 1), 1));
    EXPECT_TRUE(OneWay(std::vector<int>(rows.begin() + h / 2, rows.end()), -1));
  }
}

TEST(GradientTest, BoxDirectionsAreSymmetricPaintedWholeAndDarkestInTheCentre) {
  for (auto [w, h] : {std::pair{40, 30}, {41, 31}, {9, 6}, {5, 5}}) {
    for (TGradientDirection d : {gdHorizontalBox, gdVerticalBox, gdSquareBox, gdBigSquareBox}) {
      const vamire_test::Capture cap = Fill(w, h, d, clWhite, clBlack);
      const std::string where = std::to_string(w) + "x" + std::to_string(h) + " direction " + std::to_string(d);
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
          ASSERT_EQ(cap.At(x, y), cap.At(w - 1 - x, y)) << where << " mirrored left to right at " << x << "," << y;
          ASSERT_EQ(cap.At(x, y), cap.At(x, h - 1 - y)) << where << " mirrored top to bottom at " << x << "," << y;
          ASSERT_NE(cap.At(x, y), Rgb(Paper)) << where;
        }
      // Each ring takes the colour of its inner edge, so the corners come
      // within a few of the quadrant's steps of the start colour.
      const int xInset = d == gdHorizontalBox || d == gdBigSquareBox ? w / 4 : 0;
      const int yInset = d == gdVerticalBox || d == gdBigSquareBox ? h / 4 : 0;
      const int steps = std::max((w - 1) / 2 - xInset, (h - 1) / 2 - yInset) + 1;
      EXPECT_GE(Level(cap.At(0, 0)), 255 - 3 * 255 / steps) << where << ": the corners near the start colour";
      std::vector<int> row, column;
      for (int x = 0; x <= (w - 1) / 2; ++x) row.push_back(Level(cap.At(x, (h - 1) / 2)));
      for (int y = 0; y <= (h - 1) / 2; ++y) column.push_back(Level(cap.At((w - 1) / 2, y)));
      EXPECT_TRUE(OneWay(row, -1)) << where;
      EXPECT_TRUE(OneWay(column, -1)) << where;
      if (w > 8) {
        EXPECT_LT(Level(cap.At((w - 1) / 2, (h - 1) / 2)), 40) << where << ": the centre near the stop colour";
      }
    }
  }
  // Close colours merge many steps into one band; the last one, which runs
  // into the edges, still leaves no pixel of the box unpainted.
  for (TGradientDirection d : {gdHorizontalBox, gdVerticalBox, gdSquareBox, gdBigSquareBox}) {
    const vamire_test::Capture cap = Fill(41, 31, d, 0x00C8C8C8, 0x00BEBEBE);
    for (std::uint32_t pixel : cap.Pixels) {
      ASSERT_GE(Level(pixel), 0xBE) << "direction " << d;
      ASSERT_LE(Level(pixel), 0xC8) << "direction " << d;
    }
  }
  // Four pixels or fewer across: the start colour whole.
  const vamire_test::Capture narrow = Fill(4, 20, gdSquareBox, clRed, clBlue);
  EXPECT_EQ(narrow.CountNot(Rgb(clRed)), 0u);
}

TEST(GradientTest, DiagonalsPutTheStartColourInTheirCornerAndMeetGreyOnTheDiagonal) {
  const int w = 80, h = 60;
  {
    const vamire_test::Capture cap = Fill(w, h, gdDiagonalUp, clBlack, clWhite);
    EXPECT_EQ(cap.At(0, h - 1), Black) << "bottom-left";
    EXPECT_GE(Level(cap.At(w - 1, 0)), 255 - 8) << "top-right";
    for (int i : {10, 30, 50}) {
      const int x = i * w / 60, y = i;
      EXPECT_NEAR(Level(cap.At(x, y)), 128, 16) << "on the top-left to bottom-right diagonal at " << x << "," << y;
    }
    for (int y = 0; y < h; ++y) {
      std::vector<int> row;
      for (int x = 0; x < w; ++x) row.push_back(Level(cap.At(x, y)));
      ASSERT_TRUE(OneWay(row, 1)) << "row " << y;
    }
    for (int x = 0; x < w; ++x) {
      std::vector<int> column;
      for (int y = 0; y < h; ++y) column.push_back(Level(cap.At(x, y)));
      ASSERT_TRUE(OneWay(column, -1)) << "column " << x;
    }
    EXPECT_EQ(cap.CountNot(Rgb(Paper)), size_t(w * h));
  }
  {
    const vamire_test::Capture cap = Fill(w, h, gdDiagonalDown, clBlack, clWhite);
    EXPECT_LE(Level(cap.At(0, 0)), 8) << "top-left";
    EXPECT_EQ(cap.At(w - 1, h - 1), White) << "bottom-right";
    for (int y = 0; y < h; ++y) {
      std::vector<int> row;
      for (int x = 0; x < w; ++x) row.push_back(Level(cap.At(x, y)));
      ASSERT_TRUE(OneWay(row, 1)) << "row " << y;
    }
  }
  const vamire_test::Capture same = Fill(w, h, gdDiagonalDown, clTeal, clTeal);
  EXPECT_EQ(same.CountNot(Rgb(clTeal)), 0u);
}

}  // namespace
