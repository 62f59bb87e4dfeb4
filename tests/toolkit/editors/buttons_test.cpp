// The push button's window-free arithmetic: the state-colour fallback chain,
// strip cell counts and the cell each state shows, the shared glyph lists'
// slot reuse, and where glyph and caption go for each layout.
#include <gtest/gtest.h>

#include "cxButtons.h"

namespace {

constexpr TColor Red = 0x0000FF, Green = 0x00FF00, Blue = 0xFF0000, Grey = 0x808080;

TEST(ButtonColors, FallBackFromNormalToDefaultAndFromTheRestToNormal) {
  struct Case {
    const char* name;
    std::vector<std::pair<TcxButtonAssignedColor, TColor>> assigned;
    TColor normal, hot, pressed, disabled, def;
  };
  const Case cases[] = {
      {"nothing assigned", {}, clDefault, clDefault, clDefault, clDefault, clDefault},
      {"Normal only", {{cxbcNormal, Red}}, Red, Red, Red, Red, Red},
      {"Default only", {{cxbcDefault, Green}}, Green, clDefault, clDefault, clDefault, Green},
      {"Default and Hot", {{cxbcDefault, Green}, {cxbcHot, Blue}}, Green, Blue, clDefault, clDefault, Green},
      {"Normal and Pressed", {{cxbcNormal, Red}, {cxbcPressed, Grey}}, Red, Red, Grey, Red, Red},
  };
  for (const Case& c : cases) {
    TcxButtonColors colors(nullptr);
    for (auto [slot, value] : c.assigned) colors.SetColor(slot, value);
    EXPECT_EQ(colors.GetColor(cxbsNormal), c.normal) << c.name;
    EXPECT_EQ(colors.GetColor(cxbsHot), c.hot) << c.name;
    EXPECT_EQ(colors.GetColor(cxbsPressed), c.pressed) << c.name;
    EXPECT_EQ(colors.GetColor(cxbsDisabled), c.disabled) << c.name;
    EXPECT_EQ(colors.GetColor(cxbsDefault), c.def) << c.name;
    // The text colours follow their own chain, untouched by the faces.
    EXPECT_EQ(colors.GetTextColor(cxbsHot), clDefault) << c.name;
  }
  TcxButtonColors text(nullptr);
  text.SetNormalText(Blue);
  EXPECT_EQ(text.GetTextColor(cxbsDisabled), Blue);
  EXPECT_EQ(text.GetColor(cxbsDisabled), clDefault);
}

TEST(ButtonColors, NoneUnassignsAndAssignedColorsOnlyMoveWhileDesigned) {
  TComponent owner(nullptr);
  TcxButtonColors colors(&owner);
  int changes = 0;
  struct Counter : TObject {
    int* n;
    void Changed(TObject*) { ++*n; }
  } counter;
  counter.n = &changes;
  colors.OnChanged = TNotifyEvent(&counter, &Counter::Changed);
  colors.SetHot(Red);
  colors.SetHot(Red);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(colors.AssignedColors().Contains(cxbcHot));
  colors.SetHot(clNone);
  EXPECT_FALSE(colors.AssignedColors().Contains(cxbcHot));
  EXPECT_EQ(colors.Hot(), clDefault);
  EXPECT_EQ(changes, 2);

  colors.SetNormal(Red);
  colors.SetAssignedColors({});  // at run time: nothing
  EXPECT_TRUE(colors.AssignedColors().Contains(cxbcNormal));
  EXPECT_EQ(changes, 3);
}

TEST(ButtonColors, AssignCopiesValuesAndSet) {
  TcxButtonColors a(nullptr), b(nullptr);
  a.SetPressed(Grey);
  a.SetDisabledText(Blue);
  b.Assign(&a);
  EXPECT_EQ(b.Pressed(), Grey);
  EXPECT_EQ(b.DisabledText(), Blue);
  EXPECT_EQ(b.AssignedColors(), a.AssignedColors());
  TPersistent other;
  EXPECT_THROW(b.Assign(&other), Exception);
}

TEST(ButtonGlyphStrips, CellCountAndTheCellEachStateShows) {
  EXPECT_EQ(cxGlyphCountOfStrip(64, 16), 4);
  EXPECT_EQ(cxGlyphCountOfStrip(80, 16), 1);  // five cells: more than a strip holds
  EXPECT_EQ(cxGlyphCountOfStrip(48, 20), 1);
  EXPECT_EQ(cxGlyphCountOfStrip(32, 16), 2);
  EXPECT_EQ(cxGlyphCountOfStrip(0, 0), 1);
  EXPECT_EQ(cxGetStateImageKind(cxbsPressed, 2), cxbikUp);
  EXPECT_EQ(cxGetStateImageKind(cxbsPressed, 3), cxbikDown);
  EXPECT_EQ(cxGetStateImageKind(cxbsDisabled, 1), cxbikDisabled);
  EXPECT_EQ(cxGetStateImageKind(cxbsHot, 4), cxbikUp);
  EXPECT_EQ(cxGetStateImageKind(cxbsDefault, 4), cxbikUp);
}

TEST(ButtonGlyphStrips, FreedSlotsAreReusedFirst) {
  TcxGlyphIndexSet set;
  EXPECT_EQ(set.FirstFree(), 0);
  set.MarkUsed(0);
  set.MarkUsed(1);
  set.MarkUsed(2);
  EXPECT_EQ(set.FirstFree(), 3);
  EXPECT_TRUE(set.Release(1));
  EXPECT_FALSE(set.Release(1));
  EXPECT_EQ(set.UsedCount(), 2);
  EXPECT_EQ(set.FirstFree(), 1);
  set.MarkUsed(1);
  EXPECT_EQ(set.FirstFree(), 3);
  EXPECT_FALSE(set.Release(-1));
  EXPECT_FALSE(set.Release(7));
}

// A caption measured as a fixed block of W x H pixels, whatever room it gets.
TcxCaptionMeasureFunc Block(int W, int H) {
  return [=](const TRect& R) { return TRect{R.Left, R.Top, R.Left + W, R.Top + H}; };
}

TcxButtonContentParams Params(TRect Client, TcxGlyphLayout Layout, int Margin, int Spacing) {
  TcxButtonContentParams p;
  p.Client = Client;
  p.GlyphCell = TSize{70, 70};
  p.HasImage = p.HasCaption = true;
  p.Layout = Layout;
  p.Margin = Margin;
  p.Spacing = Spacing;
  return p;
}

TEST(ButtonLayout, GlyphAboveTheCaptionCentredAsAPair) {
  // 70 x 70 glyph, a 40 x 13 caption, 100 x 110 content, Margin -1, Spacing 4.
  const auto l = CalcButtonContentLayout(Params(TRect{0, 0, 100, 110}, cxglGlyphTop, -1, 4), Block(40, 13));
  const int margin = (110 - (70 + 4 + 13)) / 2;  // 11
  EXPECT_EQ(l.GlyphPos, (TPoint{15, margin}));
  EXPECT_EQ(l.CaptionRect, (TRect{30, margin + 74, 70, margin + 74 + 13}));
}

TEST(ButtonLayout, LayoutTable) {
  struct Case {
    const char* name;
    TcxGlyphLayout layout;
    int margin, spacing;
    bool rtl;
    TPoint glyph;
    TRect caption;
  };
  // 200 x 80 client from (10, 5), shift 1: the origin moves to (11, 6). Glyph
  // 70 x 70, caption 40 x 13: vertical text y (80 - 13 - 1) / 2 = 33, glyph y 5.
  const Case cases[] = {
      {"left centred", cxglGlyphLeft, -1, 4, false, {11 + 43, 6 + 5}, {11 + 117, 6 + 33, 11 + 157, 6 + 46}},
      {"left margin 3", cxglGlyphLeft, 3, 4, false, {11 + 3, 6 + 5}, {11 + 77, 6 + 33, 11 + 117, 6 + 46}},
      {"right margin 3", cxglGlyphRight, 3, 4, false, {11 + 127, 6 + 5}, {11 + 83, 6 + 33, 11 + 123, 6 + 46}},
      {"left spacing -1", cxglGlyphLeft, -1, -1, false, {11 + 30, 6 + 5}, {11 + 130, 6 + 33, 11 + 170, 6 + 46}},
      {"margin 3 spacing -1", cxglGlyphLeft, 3, -1, false, {11 + 3, 6 + 5}, {11 + 116, 6 + 33, 11 + 156, 6 + 46}},
      {"right-to-left swaps", cxglGlyphLeft, 3, 4, true, {11 + 127, 6 + 5}, {11 + 83, 6 + 33, 11 + 123, 6 + 46}},
  };
  for (const Case& c : cases) {
    auto p = Params(TRect{10, 5, 210, 85}, c.layout, c.margin, c.spacing);
    p.Shift = 1;
    p.RightToLeft = c.rtl;
    const auto l = CalcButtonContentLayout(p, Block(40, 13));
    EXPECT_EQ(l.GlyphPos, c.glyph) << c.name;
    EXPECT_EQ(l.CaptionRect, c.caption) << c.name;
  }
}

TEST(ButtonLayout, MarginsAroundACaptionWithoutGlyphAndTheRoomItIsMeasuredIn) {
  TcxButtonContentParams p = Params(TRect{0, 0, 100, 30}, cxglGlyphLeft, -1, 4);
  p.HasImage = false;
  p.TextMargins = TRect{1, 0, 2, 0};
  TRect room{};
  const auto l = CalcButtonContentLayout(p, [&](const TRect& R) {
    room = R;
    return TRect{R.Left, R.Top, R.Left + 40, R.Top + 13};
  });
  // The room leaves the glyph cell and the spacing out, then the margins.
  EXPECT_EQ(room, (TRect{1, 0, 100 - 74 - 2, 0}));
  // Without an image the spacing is 0: the 43-wide block is centred.
  EXPECT_EQ(l.CaptionRect.Left, (100 - 43) / 2 + 1);
  EXPECT_EQ(l.CaptionRect.Top, (30 - 13 - 1) / 2);
}

}  // namespace
