// Glyph and caption placement, glyph drawing with its transparent colour,
// and speed buttons clicked by the mouse alone and in groups.
#include <gtest/gtest.h>

#include "Buttons.h"
#include "extctrls_test_support.h"

using namespace extctrls_test;

namespace {

// --- Layout ----------------------------------------------------------------------------
struct TLayoutCase {
  TButtonLayout Layout;
  int Margin, Spacing;
  TSize Glyph, Text;
  TPoint GlyphPos;
  TRect Text_;
};

TEST(ButtonLayoutTest, GlyphAndCaptionArePlacedAsAsked) {
  // A client of 100 x 40 at (2, 3).
  const TLayoutCase cases[] = {
      // centred block: glyph 16 + spacing 4 + text 30 = 50, margin (100 - 50 + 1) / 2 = 25
      {blGlyphLeft, -1, 4, {16, 16}, {30, 13}, {27, 15}, {47, 17, 77, 30}},
      {blGlyphRight, -1, 4, {16, 16}, {30, 13}, {61, 15}, {27, 17, 57, 30}},
      // fixed margin
      {blGlyphLeft, 5, 4, {16, 16}, {30, 13}, {7, 15}, {27, 17, 57, 30}},
      {blGlyphRight, 5, 2, {16, 16}, {30, 13}, {81, 15}, {49, 17, 79, 30}},
      // margin and spacing both free: three equal gaps (100 - 46) / 3 = 18
      {blGlyphLeft, -1, -1, {16, 16}, {30, 13}, {20, 15}, {54, 17, 84, 30}},
      // spacing free: the caption sits halfway in what is left after the glyph
      {blGlyphLeft, 4, -1, {16, 16}, {30, 13}, {6, 15}, {47, 17, 77, 30}},
      // vertical layouts centre across
      {blGlyphTop, 2, 1, {16, 16}, {30, 13}, {44, 5}, {37, 22, 67, 35}},
      {blGlyphBottom, 2, 1, {16, 16}, {30, 13}, {44, 25}, {37, 11, 67, 24}},
      {blGlyphTop, -1, 2, {16, 16}, {30, 13}, {44, 8}, {37, 26, 67, 39}},
      // no glyph: no spacing, the caption alone is centred
      {blGlyphLeft, -1, 4, {0, 0}, {30, 13}, {37, 23}, {37, 17, 67, 30}},
      // no caption: the glyph alone is centred
      {blGlyphLeft, -1, 4, {16, 16}, {0, 0}, {44, 15}, {60, 23, 60, 23}},
  };
  const TRect client{2, 3, 102, 43};
  for (const auto& c : cases) {
    const auto g = CalcButtonLayout(client, c.Glyph, c.Text, c.Layout, c.Margin, c.Spacing);
    EXPECT_EQ(g.GlyphPos, c.GlyphPos) << c.Layout << " margin " << c.Margin << " spacing " << c.Spacing
                                      << " glyph " << c.Glyph.cx << " text " << c.Text.cx;
    EXPECT_EQ(g.TextBounds, c.Text_) << c.Layout << " margin " << c.Margin << " spacing " << c.Spacing
                                     << " glyph " << c.Glyph.cx << " text " << c.Text.cx;
  }
}

// --- Glyph drawing ---------------------------------------------------------------------
// A strip of N cells of 8 x 8: cell i is filled with Colors[i], with a 2-pixel
// fuchsia band at the bottom, so the bottom-left pixel is fuchsia.
TBitmap* MakeStrip(int N, const TColor* Colors) {
  TBitmap* b = MakeBitmap(8 * N, 8, clFuchsia);
  for (int i = 0; i < N; ++i) {
    b->Canvas()->Brush()->SetColor(Colors[i]);
    b->Canvas()->FillRect(TRect{8 * i, 0, 8 * i + 8, 6});
  }
  return b;
}

TEST(ButtonGlyphTest, CellsByStateAndTheBottomLeftColourIsTransparent) {
  const TColor colors[] = {clRed, clGreen, clBlue, clYellow};
  struct {
    int Cells;
    TButtonState State;
    TColor Expected;
  } cases[] = {
      {4, bsUp, clRed},   {4, bsDisabled, clGreen}, {4, bsDown, clBlue},   {4, bsExclusive, clYellow},
      {3, bsExclusive, clBlue}, {2, bsDown, clRed}, {1, bsExclusive, clRed}, {2, bsDisabled, clGreen},
  };
  for (const auto& c : cases) {
    TButtonGlyph glyph;
    std::unique_ptr<TBitmap> strip(MakeStrip(c.Cells, colors));
    glyph.SetGlyph(strip.get());
    EXPECT_EQ(glyph.NumGlyphs(), c.Cells) << "a strip of square cells counts them";
    graphics_test::Surface s(20, 20);
    s.Fill(clWhite);
    glyph.Draw(&s.Canvas, 4, 4, c.State);
    const auto shot = s.Cap();
    EXPECT_EQ(shot.At(6, 6), Rgb(c.Expected)) << c.Cells << " cells, state " << c.State;
    EXPECT_EQ(shot.At(6, 10), Rgb(clWhite)) << "transparent band, " << c.Cells << " cells";
    EXPECT_EQ(CountColor(shot, TRect{0, 0, 20, 20}, Rgb(clFuchsia)), 0);
  }
}

TEST(ButtonGlyphTest, ADisabledGlyphWithoutItsCellIsEmbossed) {
  const TColor colors[] = {clRed};
  TButtonGlyph glyph;
  std::unique_ptr<TBitmap> strip(MakeStrip(1, colors));
  glyph.SetGlyph(strip.get());
  graphics_test::Surface s(20, 20);
  s.Fill(clBtnFace);
  glyph.Draw(&s.Canvas, 4, 4, bsDisabled);
  const auto shot = s.Cap();
  EXPECT_EQ(CountColor(shot, TRect{0, 0, 20, 20}, Rgb(clRed)), 0);
  EXPECT_EQ(shot.At(6, 6), Rgb(clBtnShadow)) << "the shape in shadow";
  EXPECT_EQ(shot.At(12, 10), Rgb(clBtnHighlight)) << "and its highlight one pixel down-right";
  EXPECT_EQ(shot.At(6, 11), Rgb(clBtnFace)) << "the transparent band stays the face";
}

// --- Speed buttons ---------------------------------------------------------------------
struct TSpeedScene {
  TClicks clicks;
  THost host{nullptr};
  TSpeedButton* b[4];
  TSpeedScene() {
    host.SetBounds(40, 40, 200, 60);
    for (int i = 0; i < 4; ++i) {
      b[i] = new TSpeedButton(&host);
      b[i]->SetParent(&host);
      b[i]->SetBounds(10 + 30 * i, 10, 25, 22);
      b[i]->OnClick = clicks.Handler();
    }
    // Three in group 1, the last alone in group 2.
    for (int i = 0; i < 3; ++i) b[i]->SetGroupIndex(1);
    b[3]->SetGroupIndex(2);
    host.Show();
  }
  void Click(int i) { ClickAt(&host, 20 + 30 * i, 20); }
  std::string Downs() {
    std::string s;
    for (auto* x : b) s += x->Down() ? '1' : '0';
    return s;
  }
};

TEST(SpeedButtonTest, AGroupKeepsOneButtonDown) {
  TSpeedScene s;
  s.Click(0);
  EXPECT_EQ(s.Downs(), "1000");
  s.Click(2);
  EXPECT_EQ(s.Downs(), "0010") << "the other button of the group comes up";
  s.Click(3);
  EXPECT_EQ(s.Downs(), "0011") << "another group is not touched";
  s.Click(2);
  EXPECT_EQ(s.Downs(), "0011") << "without AllowAllUp the down button stays down";
  EXPECT_EQ(s.clicks.Count, 4) << "every click runs OnClick, the one that changed nothing too";
  EXPECT_EQ(s.b[0]->State(), bsUp);
  EXPECT_EQ(s.b[2]->State(), bsExclusive);
}

TEST(SpeedButtonTest, AllowAllUpIsSharedByTheGroup) {
  TSpeedScene s;
  s.b[1]->SetDown(true);
  s.b[0]->SetAllowAllUp(true);
  EXPECT_TRUE(s.b[1]->AllowAllUp()) << "told to the group";
  EXPECT_TRUE(s.b[2]->AllowAllUp());
  EXPECT_FALSE(s.b[3]->AllowAllUp());
  s.Click(1);
  EXPECT_EQ(s.Downs(), "0000");
  EXPECT_EQ(s.b[1]->State(), bsUp);
}

TEST(SpeedButtonTest, DownFromCodeRunsNoClickAndNeedsAGroup) {
  TSpeedScene s;
  s.b[1]->SetDown(true);
  s.b[0]->SetDown(true);
  EXPECT_EQ(s.Downs(), "1000");
  EXPECT_EQ(s.clicks.Count, 0);
  TSpeedButton loose(nullptr);
  loose.SetDown(true);
  EXPECT_FALSE(loose.Down()) << "a button outside a group is never down";
  s.b[0]->SetGroupIndex(0);
  EXPECT_FALSE(s.b[0]->Down()) << "leaving the group is not a way to stay down";
  s.b[0]->SetDown(false);
}

TEST(SpeedButtonTest, PressingShowsDownAndReleasingOutsideIsNoClick) {
  TSpeedScene s;
  s.b[0]->SetGroupIndex(0);
  SendMessageW(s.host.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  EXPECT_EQ(s.b[0]->State(), bsDown);
  SendMessageW(s.host.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, 50));
  EXPECT_EQ(s.b[0]->State(), bsUp) << "dragged off, the button comes up";
  SendMessageW(s.host.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(21, 21));
  EXPECT_EQ(s.b[0]->State(), bsDown) << "and goes down again on the way back";
  SendMessageW(s.host.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, 50));
  SendMessageW(s.host.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 50));
  PumpMessages();
  EXPECT_EQ(s.clicks.Count, 0);
  EXPECT_EQ(s.b[0]->State(), bsUp);
  EXPECT_FALSE(s.b[0]->Down());
  s.Click(0);
  EXPECT_EQ(s.clicks.Count, 1);
  EXPECT_EQ(s.clicks.Last, s.b[0]);
  EXPECT_FALSE(s.b[0]->Down()) << "a button without a group springs back";
}

TEST(SpeedButtonTest, ADisabledButtonTakesNoClick) {
  TSpeedScene s;
  s.b[0]->SetEnabled(false);
  s.Click(0);
  EXPECT_EQ(s.clicks.Count, 0);
  EXPECT_EQ(s.Downs(), "0000");
}

TEST(SpeedButtonTest, FaceGlyphAndCaptionAreDrawn) {
  TSpeedScene s;
  const TColor colors[] = {clRed};
  std::unique_ptr<TBitmap> strip(MakeStrip(1, colors));
  s.b[0]->SetBounds(10, 10, 60, 30);
  s.b[0]->SetGlyph(strip.get());
  s.b[0]->SetCaption(L"Go");
  s.b[2]->Hide();
  s.b[1]->SetBounds(80, 10, 40, 30);
  s.b[1]->SetDown(true);
  s.b[1]->SetCaption(L"On");
  s.b[3]->SetFlat(true);
  s.b[3]->SetBounds(130, 10, 40, 30);
  auto shot = Shoot(&s.host);
  shot.SavePng(L"buttons_speed.png");
  EXPECT_GT(CountColor(shot, TRect{10, 10, 40, 40}, Rgb(clRed)), 30) << "the glyph at the left";
  EXPECT_EQ(CountColor(shot, TRect{10, 10, 70, 40}, Rgb(clFuchsia)), 0);
  EXPECT_EQ(shot.At(10, 10), Rgb(clBtnHighlight)) << "a raised face";
  EXPECT_GT(CountColor(shot, TRect{35, 10, 70, 40}, 0x000000), 5) << "the caption right of the glyph";
  s.b[0]->SetEnabled(false);
  shot = Shoot(&s.host);
  EXPECT_EQ(CountColor(shot, TRect{10, 10, 70, 40}, Rgb(clRed)), 0) << "disabled: no colour";
}

}  // namespace
