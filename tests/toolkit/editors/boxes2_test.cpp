// The boxes' arithmetic without a window: the check box's toggle cycle, its
// glyph's interaction state, where glyph and caption go, which strip cell or
// theme state a state takes; the button groups' columns, button rectangles
// and arrow moves.
#include <gtest/gtest.h>

#include "cxCheckBox.h"
#include "cxGroupBox.h"

namespace {

TEST(CheckBoxArithmetic, ToggleCycleWithAndWithoutAllowGrayed) {
  struct Case {
    TcxCheckBoxState From;
    bool AllowGrayed;
    TcxCheckBoxState To;
  } cases[] = {{cbsUnchecked, false, cbsChecked}, {cbsChecked, false, cbsUnchecked}, {cbsGrayed, false, cbsChecked},
               {cbsUnchecked, true, cbsGrayed},   {cbsGrayed, true, cbsChecked},     {cbsChecked, true, cbsUnchecked}};
  for (const Case& c : cases) EXPECT_EQ(NextCheckBoxState(c.From, c.AllowGrayed), c.To) << c.From << c.AllowGrayed;
}

// A press inside makes the glyph pressed; releasing inside (pressed to hot) is
// what toggles; a release outside leaves it normal.
TEST(CheckBoxArithmetic, PaintStateTable) {
  struct Case {
    TcxCheckPaintStateParams P;
    TcxCheckPaintState Expected;
    const char* What;
  };
  auto p = [](bool inside, bool left, bool event, TcxCheckPaintState previous) {
    TcxCheckPaintStateParams r;
    r.MouseInside = inside;
    r.LeftHeld = left;
    r.LeftButtonEvent = event;
    r.Previous = previous;
    return r;
  };
  TcxCheckPaintStateParams disabled = p(true, true, true, ecpsPressed);
  disabled.Enabled = false;
  TcxCheckPaintStateParams space = p(false, false, false, ecpsNormal);
  space.SpaceHeld = true;
  TcxCheckPaintStateParams right = p(true, false, false, ecpsHot);
  right.OtherButtonHeld = true;
  TcxCheckPaintStateParams designing = p(true, false, false, ecpsNormal);
  designing.Designing = true;
  const Case cases[] = {
      {disabled, ecpsDisabled, "disabled wins"},
      {space, ecpsPressed, "space held"},
      {p(true, false, false, ecpsNormal), ecpsHot, "over it"},
      {p(false, false, false, ecpsHot), ecpsNormal, "away"},
      {p(true, true, true, ecpsHot), ecpsPressed, "left press"},
      {p(true, true, false, ecpsPressed), ecpsPressed, "held after the press"},
      {p(true, true, false, ecpsNormal), ecpsNormal, "moved in with the button held from elsewhere"},
      {p(true, false, false, ecpsPressed), ecpsHot, "released inside"},
      {p(false, false, false, ecpsPressed), ecpsNormal, "released outside"},
      {right, ecpsNormal, "right button"},
      {designing, ecpsNormal, "designing"},
  };
  for (const Case& c : cases) EXPECT_EQ(CalcCheckPaintState(c.P), c.Expected) << c.What;
}

TEST(CheckBoxArithmetic, GlyphAndTextRectangles) {
  const TRect c{0, 0, 121, 21};
  const TSize glyph{13, 13};
  struct Case {
    int Alignment;
    TRect Glyph, Text, Embossed;
  } cases[] = {
      {cxCheckGlyphLeft, {2, 4, 15, 17}, {18, 1, 119, 19}, {18, 1, 120, 20}},
      {cxCheckGlyphRight, {106, 4, 119, 17}, {2, 1, 103, 19}, {2, 1, 104, 20}},
      {cxCheckGlyphCentred, {54, 4, 67, 17}, {2, 1, 119, 19}, {2, 1, 120, 20}},
  };
  for (const Case& k : cases) {
    const TRect g = CalcCheckBoxRect(c, glyph, k.Alignment);
    EXPECT_EQ(g, k.Glyph) << k.Alignment;
    EXPECT_EQ(CalcCheckBoxTextRect(c, g, k.Alignment, false), k.Text) << k.Alignment;
    EXPECT_EQ(CalcCheckBoxTextRect(c, g, k.Alignment, true), k.Embossed) << k.Alignment;
  }
  // A box narrower than its glyph: the glyph shrinks to the room, no caption.
  const TRect narrow{0, 0, 12, 21};
  const TRect g = CalcCheckBoxRect(narrow, glyph, cxCheckGlyphLeft);
  EXPECT_EQ(g.Right - g.Left, 8);
  const TRect t = CalcCheckBoxTextRect(TRect{0, 0, 8, 21}, TRect{0, 4, 8, 17}, cxCheckGlyphLeft, false);
  EXPECT_EQ(t.Right, t.Left);
}

TEST(CheckBoxArithmetic, TextFlags) {
  EXPECT_EQ(GetCheckBoxTextFlags(cxCheckGlyphLeft, false, false), cxAlignLeft | cxShowPrefix | cxSingleLine | cxAlignVCenter);
  EXPECT_EQ(GetCheckBoxTextFlags(cxCheckGlyphCentred, false, false),
            cxAlignHCenter | cxShowPrefix | cxSingleLine | cxAlignVCenter);
  EXPECT_EQ(GetCheckBoxTextFlags(cxCheckGlyphLeft, true, false),
            cxAlignLeft | cxShowPrefix | cxDontClip | cxWordBreak | cxAlignTop);
  EXPECT_EQ(GetCheckBoxTextFlags(cxCheckGlyphLeft, true, true),
            cxAlignLeft | cxShowPrefix | cxDontClip | cxWordBreak | cxAlignVCenter);
}

TEST(CheckBoxArithmetic, StripCellsThemeStatesAndInsets) {
  EXPECT_EQ(GetCheckBoxGlyphIndex(cbsChecked, ecpsNormal, 6), 1);
  EXPECT_EQ(GetCheckBoxGlyphIndex(cbsChecked, ecpsPressed, 6), 4);
  EXPECT_EQ(GetCheckBoxGlyphIndex(cbsGrayed, ecpsPressed, 3), 2) << "a strip without pressed cells";
  EXPECT_EQ(GetCheckBoxGlyphIndex(cbsUnchecked, ecpsPressed, 4), 3);
  EXPECT_EQ(GetCheckThemeState(cbsUnchecked, ecpsNormal), 1);
  EXPECT_EQ(GetCheckThemeState(cbsChecked, ecpsHot), 6);
  EXPECT_EQ(GetCheckThemeState(cbsGrayed, ecpsDisabled), 12);
  const int insets[] = {2, 1, 0, 0, 0, 1, 1};
  for (int s = cbsNone; s <= cbsOffice11; ++s)
    EXPECT_EQ(GetCheckBoxBorderInset(TcxContainerBorderStyle(s), false), insets[s]) << s;
  EXPECT_EQ(GetCheckBoxBorderInset(cbsNone, true), 0);
  EXPECT_EQ(GetCheckBoxBorderStyle(0, true), cbsFlat);
  EXPECT_EQ(GetCheckBoxBorderStyle(1, true), cbsThick);
  EXPECT_EQ(GetCheckBoxBorderStyle(3, true), cbs3D);
  EXPECT_EQ(GetCheckBoxBorderStyle(5, true), cbsUltraFlat);
  EXPECT_EQ(GetCheckBoxBorderStyle(1, false), cbsSingle);
}

TEST(ButtonGroupArithmetic, ColumnsInForce) {
  struct Case {
    int Columns, Items, Base, Radio;
  } cases[] = {{3, 4, 2, 3}, {3, 5, 3, 3}, {3, 7, 3, 3}, {1, 5, 1, 1}, {4, 2, 2, 2}, {3, 0, 0, 1}, {2, 2, 2, 2}};
  for (const Case& c : cases) {
    EXPECT_EQ(GetButtonGroupColumnCount(c.Columns, c.Items), c.Base) << c.Columns << "," << c.Items;
    EXPECT_EQ(GetRadioGroupColumnCount(c.Columns, c.Items), c.Radio) << c.Columns << "," << c.Items;
  }
  EXPECT_EQ(GetButtonGroupRowCount(7, 3), 3);
  EXPECT_EQ(GetButtonGroupRowCount(4, 3), 2);
}

// A standalone radio group of 185 by 105 with its caption 13 high: columns
// share the width less 6, each button 6 pixels into its cell; the rows'
// remainder is split above and below.
TEST(ButtonGroupArithmetic, ButtonRectangles) {
  TcxButtonGroupMetrics m;
  m.LeftOffset = 6;
  m.LayoutWidthCorrection = -6;
  const TRect extent{1, 17, 1, 1};
  const std::vector<TRect> rects = CalcButtonGroupButtonRects(TRect{0, 0, 185, 105}, extent, 5, 3, 2, m);
  ASSERT_EQ(rects.size(), 5u);
  const int w = (185 - 6 - 2) / 3, h = (105 - 18) / 2, top = 17 + (87 % 2) / 2;
  EXPECT_EQ(rects[0], (TRect{7, top, 7 + w, top + h}));
  EXPECT_EQ(rects[1], (TRect{7, top + h, 7 + w, top + 2 * h}));
  EXPECT_EQ(rects[2], (TRect{7 + w, top, 7 + 2 * w, top + h}));
  EXPECT_EQ(rects[4], (TRect{7 + 2 * w, top, 7 + 3 * w, top + h}));
  EXPECT_TRUE(CalcButtonGroupButtonRects(TRect{0, 0, 185, 105}, extent, 0, 0, 0, m).empty());
}

// Seven buttons in three columns of three rows (3, 3, 1).
TEST(ButtonGroupArithmetic, ArrowMovesStopAtEdgesAndDisabledNeighbours) {
  std::vector<bool> enabled(7, true);
  struct Case {
    TcxButtonGroupMove Move;
    int From, To;
  } cases[] = {{bgmRight, 0, 3}, {bgmRight, 3, 6}, {bgmRight, 4, -1}, {bgmRight, 6, -1}, {bgmLeft, 6, 3},
               {bgmLeft, 1, -1}, {bgmDown, 0, 1},  {bgmDown, 2, -1},  {bgmDown, 6, -1},  {bgmUp, 4, 3},
               {bgmUp, 3, -1}};
  for (const Case& c : cases)
    EXPECT_EQ(ButtonGroupArrowTarget(c.Move, c.From, 7, 3, enabled), c.To) << c.Move << " from " << c.From;
  enabled[1] = false;
  EXPECT_EQ(ButtonGroupArrowTarget(bgmDown, 0, 7, 3, enabled), -1) << "a disabled neighbour stops the move";
  EXPECT_EQ(ButtonGroupArrowTarget(bgmDown, -1, 7, 3, enabled), -1) << "no focused button";
}

}  // namespace
