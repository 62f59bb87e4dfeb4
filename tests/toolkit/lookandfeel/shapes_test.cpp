// The painters' shapes without a device: arrow triangles, the sort mark, the
// check mark, the size-grip corners, track-bar thumbs, the clock face, and the
// radio-button keys, pattern and colours.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "cxLookAndFeelPainters.h"

namespace {

std::vector<TPoint> Pts(const TcxArrowPoints& p) { return {p.begin(), p.end()}; }

TEST(ArrowTriangleTest, EveryDirectionAndSizeGivesItsCorners) {
  struct TCase {
    TRect R;
    TcxArrowDirection Direction;
    bool SquareFirst;
    int Size;
    std::vector<TPoint> Points;
  };
  const TCase cases[] = {
      // A 17-pixel square: derived size 5, so 9 x 5 or 5 x 9.
      {{0, 0, 17, 17}, adUp, false, 0, {{4, 10}, {8, 6}, {12, 10}}},
      {{0, 0, 17, 17}, adDown, false, 0, {{12, 6}, {8, 10}, {4, 6}}},
      {{0, 0, 17, 17}, adLeft, false, 0, {{10, 12}, {6, 8}, {10, 4}}},
      {{0, 0, 17, 17}, adRight, false, 0, {{6, 4}, {10, 8}, {6, 12}}},
      // A wide rectangle made square first, and not: the extent across the arrow sizes it.
      {{0, 0, 30, 10}, adUp, true, 0, {{12, 6}, {14, 4}, {16, 6}}},
      {{0, 0, 30, 10}, adUp, false, 0, {{7, 8}, {14, 1}, {21, 8}}},
      {{0, 0, 10, 30}, adLeft, true, 0, {{5, 17}, {3, 15}, {5, 13}}},
      // A given size wins over the derived one.
      {{0, 0, 17, 17}, adRight, false, 3, {{7, 6}, {9, 8}, {7, 10}}},
      // Negative coordinates: the middle stays the middle (division truncates toward zero).
      {{-10, -10, 7, 7}, adUp, false, 0, {{-6, 0}, {-2, -4}, {2, 0}}},
  };
  for (const TCase& c : cases) {
    TcxArrowPoints p;
    CalcArrowTriangle(c.R, p, c.Direction, c.SquareFirst, c.Size);
    const std::vector<TPoint> got = Pts(p);
    ASSERT_EQ(got.size(), c.Points.size());
    for (std::size_t i = 0; i < got.size(); ++i)
      EXPECT_EQ(got[i], c.Points[i]) << "direction " << c.Direction << " point " << i << " of rect " << c.R.Right;
  }
}

TEST(ArrowTriangleTest, DerivedSizesGrowWithTheExtent) {
  for (int extent = 1; extent <= 40; ++extent) {
    TcxArrowPoints up, left;
    CalcArrowTriangle({0, 0, extent, extent}, up, adUp, false, 0);
    CalcArrowTriangle({0, 0, extent, extent}, left, adLeft, false, 0);
    const int size = (extent - 1) / 4 + 1;
    EXPECT_EQ(up[2].X - up[0].X + 1, 2 * size - 1) << extent;
    EXPECT_EQ(up[0].Y - up[1].Y + 1, size) << extent;
    EXPECT_EQ(left[0].X - left[1].X + 1, size) << extent;
    EXPECT_EQ(left[0].Y - left[2].Y + 1, 2 * size - 1) << extent;
  }
}

TEST(DownTriangleTest, HalfTheWidthMadeOddAndHalfAsHigh) {
  const TcxArrowPoints p = DownTrianglePoints({0, 0, 16, 16});
  // w = 8 + 1 = 9, h = 5.
  EXPECT_EQ(p[0], (TPoint{3, 6}));
  EXPECT_EQ(p[1], (TPoint{11, 6}));
  EXPECT_EQ(p[2], (TPoint{7, 10}));
}

TEST(SortTriangleTest, AscendingMarkHasItsApexAndBaseWhereTheGlyphSizeSays) {
  const TcxStroke s = SortTriangleStroke({0, 0, 20, 17}, {8, 7}, true);
  const std::vector<TPoint> expected{{13, 10}, {10, 5}, {13, 11}, {6, 11}, {9, 5}, {6, 12}};
  EXPECT_EQ(s.Points, expected);
  EXPECT_EQ(s.ColorChange, 3) << "the left side is dark";
  const TcxStroke down = SortTriangleStroke({0, 0, 20, 17}, {8, 7}, false);
  EXPECT_EQ(down.Points[1], (TPoint{10, 11})) << "apex at the bottom";
  EXPECT_EQ(down.ColorChange, 2) << "the base is dark too";
  // An odd glyph width centres on the middle column.
  EXPECT_EQ(SortTriangleStroke({0, 0, 20, 17}, {7, 8}, true).Points[4], (TPoint{10, 4}));
}

TEST(CheckMarkTest, ThreeStrokesOneRowApart) {
  const auto strokes = CheckMarkStrokes({0, 0, 9, 9});
  for (int d = 0; d < 3; ++d) {
    const std::vector<TPoint> expected{{1, 3 + d}, {3, 5 + d}, {8, d}};
    EXPECT_EQ(strokes[std::size_t(d)].Points, expected) << d;
  }
}

TEST(ChevronTest, ExpandedPointsUpCollapsedDown) {
  const auto up = ChevronStrokes({0, 0, 15, 15}, true);
  const auto down = ChevronStrokes({0, 0, 15, 15}, false);
  // The apex is the middle point of each stroke: above its ends when expanded.
  for (const TcxStroke& s : up) EXPECT_LT(s.Points[1].Y, s.Points[0].Y);
  for (const TcxStroke& s : down) EXPECT_GT(s.Points[1].Y, s.Points[0].Y);
  EXPECT_EQ(up[0].Points[1].X, (15 - 7) / 2 + 3);
}

TEST(SizeGripCornerTest, EachCornerTurnsTheBottomRightPicture) {
  struct TCase {
    TcxCorner Corner;
    TcxBitmapRotation Rotation;
    bool Flip;
  };
  const TCase cases[] = {{coTopLeft, ra180, false},
                         {coTopRight, raNone, true},
                         {coBottomLeft, ra180, true},
                         {coBottomRight, raNone, false}};
  for (const TCase& c : cases) {
    const TcxCornerTurn turn = SizeGripCornerTurn(c.Corner);
    EXPECT_EQ(turn.Rotation, c.Rotation) << c.Corner;
    EXPECT_EQ(turn.Flip, c.Flip) << c.Corner;
    // Where the bottom-right pixel of a 4 x 3 picture ends up.
    int w = 4, h = 3;
    TRGBColors pixels(12);
    pixels[11].rgbRed = 1;
    const TRGBColors turned = RotatePixels(pixels, w, h, turn.Rotation, turn.Flip);
    const int at = int(std::find_if(turned.begin(), turned.end(), [](const TRGBQuad& q) { return q.rgbRed; }) -
                       turned.begin());
    const int expected[] = {0, 3, 8, 11};  // top-left, top-right, bottom-left, bottom-right
    EXPECT_EQ(at, expected[c.Corner]) << c.Corner;
  }
}

TEST(TrackBarThumbTest, PentagonsPointTowardsTheTicks) {
  const TRect r{10, 10, 21, 31};  // 11 wide, 21 high
  const auto up = TrackBarThumbShape(r, true, tbtaUp);
  EXPECT_EQ(up.Polygon[3], (TPoint{15, 10})) << "apex on the top edge";
  const auto down = TrackBarThumbShape(r, true, tbtaDown);
  EXPECT_EQ(down.Polygon[3], (TPoint{15, 30})) << "apex on the bottom row";
  const TRect v{10, 10, 31, 21};
  EXPECT_EQ(TrackBarThumbShape(v, false, tbtaUp).Polygon[3], (TPoint{10, 15}));
  EXPECT_EQ(TrackBarThumbShape(v, false, tbtaDown).Polygon[3], (TPoint{30, 15}));
  EXPECT_EQ(up.InnerShadowLine.size(), 4u);
  EXPECT_EQ(down.InnerShadowLine.size(), 3u);
}

TEST(ClockFaceTest, HandsPointAtTheTimeOfDay) {
  // 3:00:00 on some day: the hour hand points right, the minute and second hands up.
  const TcxClockFace face = ClockFaceShape({0, 0, 104, 104}, 45000.0 + 3.0 / 24);
  EXPECT_EQ(face.Center, (TPoint{52, 52}));
  EXPECT_EQ(face.HourHand[0], (TPoint{52 + int(std::nearbyint(0.75 * 50)), 52}));
  EXPECT_EQ(face.MinuteHand[0], (TPoint{52, 52 - int(std::nearbyint(0.85 * 50))}));
  EXPECT_EQ(face.SecondHandEnd, (TPoint{52, 7}));
  EXPECT_EQ(face.HourDots[0], (TPoint{102, 52}));
  EXPECT_EQ(face.HourDots[3], (TPoint{52, 102}));
}

TEST(SideArrowTest, BarsMeetInTheColumnTheArrowPointsTo) {
  const auto bars = SideArrowBars({0, 0, 5, 7}, true);
  EXPECT_EQ(bars.front(), (TRect{0, 0, 2, 1}));
  EXPECT_EQ(bars.back(), (TRect{4, 0, 5, 7}));
  EXPECT_EQ(bars.size(), 2u * 4 + 1);
  EXPECT_EQ(SideArrowBars({0, 0, 5, 7}, false).back(), (TRect{0, 0, 1, 7}));
}

TEST(LinesMarkTest, FiveRowsWithDotsOnTheOddOnes) {
  const TcxLinesMark mark = LinesMarkShape({0, 0, 16, 15});
  EXPECT_EQ(mark.Lines.size(), 5u);
  EXPECT_EQ(mark.Dots, (std::vector<TPoint>{{3, 3}, {3, 7}, {3, 11}}));
  EXPECT_EQ(mark.Lines[0][0], (TPoint{5, 3}));
  EXPECT_EQ(mark.Lines[0][1], (TPoint{13, 3}));
}

TEST(PainterStyleTest, StyleNumbersGiveTheirKinds) {
  EXPECT_EQ(StyleNumberToKind(lfsFlat), lfFlat);
  EXPECT_EQ(StyleNumberToKind(lfsStandard), lfStandard);
  EXPECT_EQ(StyleNumberToKind(lfsUltraFlat), lfUltraFlat);
  EXPECT_EQ(StyleNumberToKind(lfsNative), lfStandard);
  EXPECT_EQ(StyleNumberToKind(lfsOffice11), lfOffice11);
}

// --- Radio-button images ------------------------------------------------------------------

TEST(RadioKeyTest, KeysCoverEveryImageOnceAndTheDefaultStateIsNormal) {
  EXPECT_EQ(RadioButtonImageKey(lfFlat, cxbsNormal, false, false, false), 0);
  EXPECT_EQ(RadioButtonImageKey(lfOffice11, cxbsDisabled, true, true, true), 127);
  std::set<int> keys;
  for (bool f : {false, true})
    for (bool s : {false, true})
      for (TcxLookAndFeelKind k : {lfFlat, lfStandard, lfUltraFlat, lfOffice11})
        for (bool c : {false, true})
          for (TcxButtonState st : {cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled}) {
            const int key = RadioButtonImageKey(k, st, c, f, s);
            EXPECT_GE(key, 0);
            EXPECT_LT(key, cxRadioImageCount);
            keys.insert(key);
            if (st == cxbsNormal) {
              EXPECT_EQ(RadioButtonImageKey(k, cxbsDefault, c, f, s), key);
            }
          }
  EXPECT_EQ(keys.size(), std::size_t(cxRadioImageCount));
}

TEST(RadioPatternTest, HalfRuleSplitsAlongTheAntiDiagonal) {
  EXPECT_FALSE(IsRadioLowerRightCell(0, 0, 12, 12));
  EXPECT_TRUE(IsRadioLowerRightCell(11, 11, 12, 12));
  EXPECT_FALSE(IsRadioLowerRightCell(0, 11, 12, 12)) << "on the diagonal itself";
  EXPECT_TRUE(IsRadioLowerRightCell(1, 11, 12, 12));
}

// A ring of cells around the centre of a W x H grid, as a circle outline draws.
std::vector<bool> Ring(int W, int H, double ARadius, double AThickness) {
  std::vector<bool> cells(std::size_t(W * H));
  for (int i = 0; i < H; ++i)
    for (int j = 0; j < W; ++j) {
      const double d = std::hypot(i - (H - 1) / 2.0, j - (W - 1) / 2.0);
      cells[std::size_t(i * W + j)] = d <= ARadius && d > ARadius - AThickness;
    }
  return cells;
}

TEST(RadioPatternTest, OutlineRingBodyAndDotGetTheirCodes) {
  const int W = 12, H = 12;
  const std::vector<bool> outline = Ring(W, H, 5.9, 1.2);
  std::vector<bool> dot(std::size_t(W * H));
  for (int i = 4; i < 8; ++i)
    for (int j = 4; j < 8; ++j) dot[std::size_t(i * W + j)] = true;
  const TcxRadioPattern p = BuildRadioPattern(W, H, outline, dot);
  for (int i = 0; i < H; ++i)
    for (int j = 0; j < W; ++j) {
      const TcxRadioPatternCode c = p.At(i, j);
      const bool lower = IsRadioLowerRightCell(i, j, W, H);
      if (outline[std::size_t(i * W + j)]) {
        EXPECT_EQ(c, lower ? rpcOuterDark : rpcOuterLight) << i << "," << j;
      }
      if (dot[std::size_t(i * W + j)]) {
        EXPECT_EQ(c, rpcCheck) << i << "," << j;
      }
      // A body cell never touches the outline: the ring lies between.
      if (c == rpcBody) {
        for (auto [di, dj] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
          const TcxRadioPatternCode n = p.At(i + di, j + dj);
          EXPECT_TRUE(n != rpcOuterLight && n != rpcOuterDark) << i << "," << j;
        }
      }
    }
  EXPECT_EQ(p.At(0, 0), rpcOutside);
  EXPECT_EQ(p.At(5, 1), rpcInnerLight) << "left of the middle: the lighter ring";
  EXPECT_EQ(p.At(6, 10), rpcInnerDark) << "right of the middle: the darker ring";
}

TEST(RadioColorMapTest, EachLookColoursItsOutlineRingBodyAndDot) {
  const TcxRadioHighlightColors hl{0x111111, 0x222222};
  struct TCase {
    TcxLookAndFeelKind Kind;
    TcxButtonState State;
    bool Checked, First, Second;
    TcxRadioColorMap Map;
  };
  const TCase cases[] = {
      {lfStandard, cxbsNormal, false, false, false,
       {clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight, clWindow, clWindow}},
      {lfStandard, cxbsPressed, true, false, false,
       {clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnFace, clWindowText}},
      {lfFlat, cxbsDisabled, true, false, false,
       {clBtnShadow, clBtnHighlight, cl3DLight, cl3DLight, clBtnFace, clBtnShadow}},
      {lfUltraFlat, cxbsHot, false, false, false, {clHighlight, clHighlight, 0x111111, 0x111111, 0x111111, 0x111111}},
      {lfUltraFlat, cxbsPressed, true, false, false,
       {clHighlight, clHighlight, 0x222222, 0x222222, 0x222222, clWindowText}},
      // Disabled ultra-flat: the second flag alone keeps the shadow outline, the first one highlights.
      {lfUltraFlat, cxbsDisabled, false, false, true,
       {clBtnShadow, clBtnShadow, clBtnFace, clBtnFace, clBtnFace, clBtnFace}},
      {lfUltraFlat, cxbsDisabled, false, true, false,
       {clHighlight, clHighlight, clBtnFace, clBtnFace, clBtnFace, clBtnFace}},
      {lfUltraFlat, cxbsNormal, false, false, true, {clHighlight, clHighlight, clWindow, clWindow, clWindow, clWindow}},
      // Office11 without its colour unit: the classic stand-ins.
      {lfOffice11, cxbsNormal, true, false, false, {clBtnText, clBtnText, clWindow, clWindow, clWindow, clWindowText}},
      {lfOffice11, cxbsHot, false, false, false, {clHighlight, clHighlight, 0x111111, 0x111111, 0x111111, 0x111111}},
      {lfOffice11, cxbsDisabled, true, true, false,
       {clGrayText, clGrayText, clBtnFace, clBtnFace, clBtnFace, clGrayText}},
  };
  for (const TCase& c : cases) {
    const TcxRadioColorMap m = RadioButtonColorMap(c.Kind, c.State, c.Checked, c.First, c.Second, hl);
    const std::string what = "kind " + std::to_string(c.Kind) + " state " + std::to_string(c.State);
    EXPECT_EQ(m.OuterLight, c.Map.OuterLight) << what;
    EXPECT_EQ(m.OuterDark, c.Map.OuterDark) << what;
    EXPECT_EQ(m.InnerLight, c.Map.InnerLight) << what;
    EXPECT_EQ(m.InnerDark, c.Map.InnerDark) << what;
    EXPECT_EQ(m.Body, c.Map.Body) << what;
    EXPECT_EQ(m.Check, c.Map.Check) << what;
  }
}

TEST(RadioColorMapTest, TheOfficeColourUnitsColoursReplaceTheStandIns) {
  static const TcxRadioOfficeColors office{[](TcxButtonState s) { return TColor(0x100 + int(s)); },
                                           [] { return TColor(0x53); }, [] { return TColor(0x42); }};
  const TcxRadioOfficeColors* previous = SetRadioOfficeColors(&office);
  const TcxRadioColorMap hot = RadioButtonColorMap(lfOffice11, cxbsHot, true, false, false, {});
  EXPECT_EQ(hot.Body, 0x100 + int(cxbsHot));
  EXPECT_EQ(hot.OuterLight, 0x42);
  const TcxRadioColorMap disabled = RadioButtonColorMap(lfOffice11, cxbsDisabled, true, false, false, {});
  EXPECT_EQ(disabled.OuterDark, 0x53);
  EXPECT_EQ(disabled.Check, 0x53);
  SetRadioOfficeColors(previous);
}

}  // namespace
