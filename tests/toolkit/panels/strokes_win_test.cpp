// Frame strokes as pixel tables on a memory DC: literal tables for the shapes
// worth seeing, and every frame style on every set of sides against a model
// that paints the described rings pixel by pixel. Then the whole border of a
// bordered panel.
#include <gtest/gtest.h>

#include <functional>

#include "panels_test_support.h"

using namespace panels_test;

namespace {

const bool registered = (::testing::AddGlobalTestEnvironment(new TPanelUnits), true);

constexpr TColor Paper = 0x00A0F0E0;  // no system colour of either prefix

TEST(StrokeTablesTest, RaisedIsTwoRingsOfItsOwnColours) {
  TPanelSurface s(6, 5, Paper);
  const TRect inside = StrokeFrameAllSides(&s.Canvas, TRect{0, 0, 6, 5}, fsRaised);
  EXPECT_EQ(inside, (TRect{2, 2, 4, 3}));
  EXPECT_TRUE(s.Shows({"LLLLLD",
                       "LHHHSD",
                       "LH..SD",
                       "LSSSSD",
                       "DDDDDD"},
                      {{'L', cl3DLight}, {'D', cl3DDkShadow}, {'H', clBtnHighlight}, {'S', clBtnShadow}}));
}

TEST(StrokeTablesTest, GrooveEtchesTwoOffsetRingsAndFinishesLoneCorners) {
  const TLegend legend{{'S', clBtnShadow}, {'H', clBtnHighlight}};
  {
    TPanelSurface s(6, 5, Paper);
    EXPECT_EQ(StrokeFrameAllSides(&s.Canvas, TRect{0, 0, 6, 5}, fsGroove), (TRect{2, 2, 4, 3}));
    EXPECT_TRUE(s.Shows({"SSSSSH",
                         "SHHHSH",
                         "SH..SH",
                         "SSSSSH",
                         "HHHHHH"},
                        legend));
  }
  {
    // Only the bottom: (L, B-1) takes the light colour and (R-1, B-2) the dark one first.
    TPanelSurface s(6, 5, Paper);
    EXPECT_EQ(StrokeFrameStyle(&s.Canvas, TRect{0, 0, 6, 5}, fsGroove, {sdBottom}), (TRect{0, 0, 6, 3}));
    EXPECT_TRUE(s.Shows({"......",
                         "......",
                         "......",
                         "SSSSSS",
                         "HHHHHH"},
                        legend));
  }
}

TEST(StrokeTablesTest, RoundedFrameCutsTheCornersOfSidesThatMeet) {
  {
    TPanelSurface s(6, 5, Paper);
    EXPECT_EQ(StrokeRoundedFrame(&s.Canvas, TRect{0, 0, 6, 5}, clRed, sdAllSides), (TRect{2, 2, 4, 3}));
    EXPECT_TRUE(s.Shows({"..RR..",
                         ".R..R.",
                         "R....R",
                         ".R..R.",
                         "..RR.."},
                        {{'R', clRed}}));
  }
  {
    TPanelSurface s(6, 5, Paper);
    EXPECT_EQ(StrokeRoundedFrame(&s.Canvas, TRect{0, 0, 6, 5}, clRed, {sdLeft}), (TRect{2, 0, 6, 5}));
    EXPECT_TRUE(s.Shows({"R.....", "R.....", "R.....", "R.....", "R....."}, {{'R', clRed}}));
  }
}

TEST(StrokeTablesTest, ANoneColourDrawsNothingButStillMovesItsSides) {
  TPanelSurface s(5, 4, Paper);
  EXPECT_EQ(StrokeEdges(&s.Canvas, TRect{0, 0, 5, 4}, clNone, clBlue, sdAllSides), (TRect{1, 1, 4, 3}));
  EXPECT_TRUE(s.Shows({"....B", "....B", "....B", "BBBBB"}, {{'B', clBlue}}));
  EXPECT_EQ(StrokeFrameStyle(&s.Canvas, TRect{0, 0, 5, 4}, fsNone, sdAllSides), (TRect{0, 0, 5, 4}));
  EXPECT_THROW(StrokeFrameStyle(&s.Canvas, TRect{0, 0, 5, 4}, fsFlatRounded, sdAllSides), ERangeError);
}

// --- Every style on every set of sides ----------------------------------------------------
// The model paints what the frame styles are described as, pixel by pixel.
struct TModel {
  int W, H;
  std::vector<std::uint32_t> Pixels;
  TModel(int w, int h, TColor background) : W(w), H(h), Pixels(size_t(w * h), Rgb(background)) {}
  void Set(int x, int y, TColor c) {
    if (c != clNone && x >= 0 && y >= 0 && x < W && y < H) Pixels[size_t(y * W + x)] = Rgb(c);
  }
  TRect Ring(TRect r, TColor ul, TColor lr, TSides sides) {
    for (int y = r.Top; y < r.Bottom; ++y)
      if (sides.Contains(sdLeft)) Set(r.Left, y, ul);
    for (int x = r.Left; x < r.Right; ++x)
      if (sides.Contains(sdTop)) Set(x, r.Top, ul);
    for (int y = r.Top; y < r.Bottom; ++y)
      if (sides.Contains(sdRight)) Set(r.Right - 1, y, lr);
    for (int x = r.Left; x < r.Right; ++x)
      if (sides.Contains(sdBottom)) Set(x, r.Bottom - 1, lr);
    return Inset(r, sides, 1);
  }
  static TRect Inset(TRect r, TSides sides, int by) {
    if (sides.Contains(sdLeft)) r.Left += by;
    if (sides.Contains(sdTop)) r.Top += by;
    if (sides.Contains(sdRight)) r.Right -= by;
    if (sides.Contains(sdBottom)) r.Bottom -= by;
    return r;
  }
  TRect Style(TRect r, TFrameStyle style, TSides sides) {
    const bool left = sides.Contains(sdLeft), top = sides.Contains(sdTop), right = sides.Contains(sdRight),
               bottom = sides.Contains(sdBottom);
    switch (style) {
      case fsNone: return r;
      case fsFlat: return Ring(r, cl3DDkShadow, cl3DDkShadow, sides);
      case fsStatus: return Ring(r, clBtnShadow, clBtnHighlight, sides);
      case fsPopup: return Ring(r, clBtnHighlight, clBtnShadow, sides);
      case fsFlatBold: return Ring(Ring(r, clBtnShadow, clBtnShadow, sides), clBtnShadow, clBtnShadow, sides);
      case fsRaised: return Ring(Ring(r, cl3DLight, cl3DDkShadow, sides), clBtnHighlight, clBtnShadow, sides);
      case fsLowered: return Ring(Ring(r, clBtnShadow, clBtnHighlight, sides), cl3DDkShadow, cl3DLight, sides);
      case fsButtonUp: return Ring(Ring(r, clBtnHighlight, cl3DDkShadow, sides), cl3DLight, clBtnShadow, sides);
      case fsButtonDown: return Ring(Ring(r, clBtnText, clBtnText, sides), clBtnShadow, clBtnShadow, sides);
      default: {  // groove and bump
        const TColor ul = style == fsGroove ? clBtnShadow : clBtnHighlight;
        const TColor lr = style == fsGroove ? clBtnHighlight : clBtnShadow;
        if (right) Set(r.Right - 1, r.Top, lr);
        if (top && !right) Set(r.Right - 1, r.Top, ul);
        if (bottom) Set(r.Left, r.Bottom - 1, lr);
        if (left && !bottom) Set(r.Left, r.Bottom - 1, ul);
        if (top && !left) Set(r.Left, r.Top + 1, lr);
        if (left && !top) Set(r.Left + 1, r.Top, lr);
        if (bottom && !right) Set(r.Right - 1, r.Bottom - 2, ul);
        if (right && !bottom) Set(r.Right - 2, r.Bottom - 1, ul);
        Ring(TRect{r.Left + 1, r.Top + 1, r.Right, r.Bottom}, lr, lr, sides);
        Ring(TRect{r.Left, r.Top, r.Right - 1, r.Bottom - 1}, ul, ul, sides);
        return Inset(r, sides, 2);
      }
    }
  }
};

TEST(StrokeTablesTest, EveryStyleOnEverySetOfSidesMatchesItsDescription) {
  for (int style = fsNone; style <= fsFlatBold; ++style) {
    for (int bits = 0; bits < 16; ++bits) {
      const TSides sides = TPublishedEntry::BitsToSet<TSide, 4>(bits);
      TPanelSurface s(9, 8, Paper);
      TModel model(9, 8, Paper);
      const TRect r{1, 1, 8, 7};
      const TRect got = StrokeFrameStyle(&s.Canvas, r, TFrameStyle(style), sides);
      const TRect expected = model.Style(r, TFrameStyle(style), sides);
      EXPECT_EQ(got, expected) << "style " << style << " sides " << bits;
      EXPECT_EQ(s.Cap().Pixels, model.Pixels) << "style " << style << " sides " << bits;
    }
  }
}

// --- Panel borders -------------------------------------------------------------------------
struct TBorder {
  TFrameStyleEx Outer = fsRaised, Inner = fsNone;
  int BorderWidth = 0;
  TSides Sides = sdAllSides;
  int BevelWidth = 1;
  TColor BorderColor = clBtnFace, Highlight = clBtnHighlight, Shadow = clBtnShadow;
  TColor Flat = clBtnShadow;
  int Adjustment = 30;
  TColor Color = clBtnFace, ParentColor = clTeal;
  bool Transparent = false;
  TRect Stroke(TCanvas* c, TRect r) const {
    return StrokePanelBorders(c, r, Outer, Inner, BorderWidth, Sides, BevelWidth, BorderColor, Highlight, Shadow, Flat,
                              Adjustment, Color, ParentColor, Transparent);
  }
};

TEST(PanelBorderTest, ADefaultPanelIsTheRaisedStyle) {
  TPanelSurface s(6, 5, Paper);
  EXPECT_EQ(TBorder{}.Stroke(&s.Canvas, TRect{0, 0, 6, 5}), (TRect{2, 2, 4, 3}));
  EXPECT_TRUE(s.Shows({"LLLLLD", "LHHHSD", "LH..SD", "LSSSSD", "DDDDDD"},
                      {{'L', cl3DLight}, {'D', cl3DDkShadow}, {'H', clBtnHighlight}, {'S', clBtnShadow}}));
}

TEST(PanelBorderTest, RoundedOuterPaintsTheParentRingThenTheColourRingThenTheFrame) {
  TBorder b;
  b.Outer = fsFlatRounded;
  b.Color = clYellow;
  TPanelSurface s(8, 6, Paper);
  EXPECT_EQ(b.Stroke(&s.Canvas, TRect{0, 0, 8, 6}), (TRect{2, 2, 6, 4}));
  // P parent, Y the panel's colour, F the flat colour (clBtnShadow tinted by 30).
  EXPECT_TRUE(s.Shows({"PPFFFFPP",
                       "PFYYYYFP",
                       "FY....YF",
                       "FY....YF",
                       "PFYYYYFP",
                       "PPFFFFPP"},
                      {{'P', clTeal}, {'Y', clYellow}, {'F', TintColor(clBtnShadow, 30)}}));
  // With a band or an inner border the second ring takes the border colour.
  b.BorderWidth = 1;
  b.BorderColor = clRed;
  TPanelSurface band(8, 6, Paper);
  b.Stroke(&band.Canvas, TRect{0, 0, 8, 6});
  EXPECT_EQ(band.Cap().At(2, 1), Rgb(clRed));
}

TEST(PanelBorderTest, ButtonDownIgnoresTheColourPropertiesAndBandsUseTheBorderColour) {
  TBorder b;
  b.Outer = fsButtonDown;
  b.BorderColor = b.Shadow = clBlack;
  TPanelSurface s(6, 5, Paper);
  b.Stroke(&s.Canvas, TRect{0, 0, 6, 5});
  EXPECT_TRUE(s.Shows({"TTTTTT", "TSSSST", "TS..ST", "TSSSST", "TTTTTT"}, {{'T', clBtnText}, {'S', clBtnShadow}}));

  TBorder status;
  status.Outer = fsStatus;
  status.BevelWidth = 2;
  status.BorderWidth = 1;
  status.BorderColor = clRed;
  status.Inner = fsFlat;
  status.Flat = clBlue;
  status.Adjustment = 0;
  TPanelSurface t(12, 10, Paper);
  EXPECT_EQ(status.Stroke(&t.Canvas, TRect{0, 0, 12, 10}), (TRect{4, 4, 8, 6}));
  const vamire_test::Capture cap = t.Cap();
  EXPECT_EQ(cap.At(0, 5), Rgb(clBtnShadow));
  EXPECT_EQ(cap.At(1, 5), Rgb(clBtnShadow));
  EXPECT_EQ(cap.At(11, 5), Rgb(clBtnHighlight));
  EXPECT_EQ(cap.At(2, 5), Rgb(clRed));
  EXPECT_EQ(cap.At(3, 5), Rgb(clBlue));
  EXPECT_EQ(cap.At(4, 5), Rgb(Paper));
}

TEST(PanelBorderTest, RoundedInnerAndSidesLeftOut) {
  TBorder b;
  b.Outer = fsNone;
  b.Inner = fsFlatRounded;
  b.BorderColor = clRed;
  b.Color = clYellow;
  b.Sides = {sdLeft, sdTop};
  TPanelSurface s(6, 5, Paper);
  EXPECT_EQ(b.Stroke(&s.Canvas, TRect{0, 0, 6, 5}), (TRect{2, 2, 6, 5}));
  EXPECT_TRUE(s.Shows({"RRFFFF",
                       "RFYYYY",
                       "FY....",
                       "FY....",
                       "FY...."},
                      {{'R', clRed}, {'Y', clYellow}, {'F', TintColor(clBtnShadow, 30)}}));
}

}  // namespace
