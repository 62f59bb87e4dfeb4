// Bit buttons: kinds with their captions, results and default/cancel roles,
// clicks reaching the form, and the owner drawing of glyph and caption in
// each layout.
#include <gtest/gtest.h>

#include "Buttons.h"
#include "Forms.h"
#include "extctrls_test_support.h"

using namespace extctrls_test;

namespace {

struct TKindCase {
  TBitBtnKind Kind;
  const wchar_t* Caption;
  TModalResult Result;
  bool Default, Cancel;
};

TEST(BitBtnTest, KindsSetCaptionResultAndRoles) {
  const TKindCase cases[] = {
      {bkOK, L"OK", mrOk, true, false},          {bkCancel, L"Cancel", mrCancel, false, true},
      {bkHelp, L"&Help", mrNone, false, false},  {bkYes, L"&Yes", mrYes, true, false},
      {bkNo, L"&No", mrNo, false, true},         {bkClose, L"&Close", mrNone, false, false},
      {bkAbort, L"Abort", mrAbort, false, false}, {bkRetry, L"&Retry", mrRetry, false, false},
      {bkIgnore, L"&Ignore", mrIgnore, false, false}, {bkAll, L"&All", mrAll, false, false},
  };
  for (const auto& c : cases) {
    TBitBtn b(nullptr);
    b.SetKind(c.Kind);
    EXPECT_EQ(b.Kind(), c.Kind);
    EXPECT_EQ(b.Caption(), String(c.Caption)) << c.Kind;
    EXPECT_EQ(b.ModalResult(), c.Result) << c.Kind;
    EXPECT_EQ(b.Default(), c.Default) << c.Kind;
    EXPECT_EQ(b.Cancel(), c.Cancel) << c.Kind;
    EXPECT_FALSE(b.Glyph()->Empty()) << "every kind brings a glyph";
    b.SetCaption(L"Translated");
    EXPECT_EQ(b.Kind(), c.Kind) << "another caption keeps the kind";
  }
}

TEST(BitBtnTest, ChangingWhatTheKindSuppliesMakesItCustom) {
  TBitBtn a(nullptr);
  a.SetKind(bkOK);
  a.SetModalResult(mrYes);
  EXPECT_EQ(a.Kind(), bkCustom);
  TBitBtn b(nullptr);
  b.SetKind(bkCancel);
  b.SetCancel(false);
  EXPECT_EQ(b.Kind(), bkCustom);
  TBitBtn c(nullptr);
  c.SetKind(bkYes);
  std::unique_ptr<TBitmap> g(MakeBitmap(16, 16, clRed));
  c.SetGlyph(g.get());
  EXPECT_EQ(c.Kind(), bkCustom) << "a glyph of one's own";
  TBitBtn d(nullptr);
  d.SetKind(bkOK);
  d.SetKind(bkCustom);
  EXPECT_EQ(d.Caption(), L"OK") << "going back to custom keeps what the kind set";
  EXPECT_EQ(d.ModalResult(), mrOk);
}

struct TFormScene {
  TClicks clicks;
  TForm* form;
  TBitBtn* button;
  TFormScene(TBitBtnKind Kind) {
    form = TCustomForm::Create<TForm>(nullptr);
    form->SetBounds(50, 50, 240, 120);
    button = new TBitBtn(form);
    button->SetParent(form);
    button->SetBounds(10, 10, 100, 30);
    button->SetKind(Kind);
    button->OnClick = clicks.Handler();
    form->Show();
    PumpMessages();
  }
  ~TFormScene() { form->Free(); }
};

TEST(BitBtnTest, AClickHandsTheResultToTheFormAndRunsOnClick) {
  TFormScene s(bkRetry);
  EXPECT_EQ(controls_test::WindowClassName(s.button->Handle()), L"TBitBtn");
  EXPECT_EQ(GetWindowLongPtrW(s.button->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  SendMessageW(s.button->Handle(), BM_CLICK, 0, 0);
  PumpMessages();
  EXPECT_EQ(s.clicks.Count, 1);
  EXPECT_EQ(s.form->ModalResult(), mrRetry);
}

TEST(BitBtnTest, ACloseButtonClosesItsForm) {
  TFormScene s(bkClose);
  ASSERT_TRUE(s.form->Visible());
  SendMessageW(s.button->Handle(), BM_CLICK, 0, 0);
  PumpMessages();
  EXPECT_FALSE(s.form->Visible());
  EXPECT_EQ(s.clicks.Count, 0) << "closing is the click of a close button";
}

TEST(BitBtnTest, AQuickSecondClickIsAClick) {
  TFormScene s(bkCustom);
  const LPARAM at = MAKELPARAM(20, 10);
  SendMessageW(s.button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(s.button->Handle(), WM_LBUTTONUP, 0, at);
  SendMessageW(s.button->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  SendMessageW(s.button->Handle(), WM_LBUTTONUP, 0, at);
  PumpMessages();
  EXPECT_EQ(s.clicks.Count, 2);
}

// The bounding box of the pixels of Color inside R (empty when none).
TRect BoxOf(const vamire_test::Capture& Shot, const TRect& R, uint32_t Color) {
  TRect box{R.Right, R.Bottom, R.Left, R.Top};
  for (int y = R.Top; y < R.Bottom; ++y)
    for (int x = R.Left; x < R.Right; ++x)
      if (Shot.At(x, y) == Color) {
        box.Left = std::min(box.Left, x);
        box.Top = std::min(box.Top, y);
        box.Right = std::max(box.Right, x + 1);
        box.Bottom = std::max(box.Bottom, y + 1);
      }
  return box;
}

TEST(BitBtnTest, GlyphAndCaptionAreDrawnInEachLayout) {
  struct {
    TButtonLayout Layout;
    int Margin;
  } cases[] = {{blGlyphLeft, -1}, {blGlyphRight, -1}, {blGlyphTop, -1}, {blGlyphBottom, -1}, {blGlyphLeft, 6}};
  for (const auto& c : cases) {
    THost host(nullptr);
    host.SetBounds(40, 40, 200, 100);
    auto* b = new TBitBtn(&host);
    b->SetParent(&host);
    b->SetBounds(0, 0, 140, 70);
    std::unique_ptr<TBitmap> g(MakeBitmap(12, 12, clRed));
    g->Canvas()->Brush()->SetColor(clFuchsia);
    g->Canvas()->FillRect(TRect{0, 10, 12, 12});  // the transparent band
    b->SetGlyph(g.get());
    b->SetCaption(L"Wall");
    b->Font()->SetColor(clBlue);
    b->SetLayout(c.Layout);
    b->SetMargin(c.Margin);
    host.Show();
    const auto shot = Shoot(&host);
    if (c.Layout == blGlyphTop) shot.SavePng(L"buttons_bitbtn.png");
    const TRect all{0, 0, 140, 70};
    const TRect glyph = BoxOf(shot, all, Rgb(clRed));
    const TRect text = BoxOf(shot, all, Rgb(clBlue));
    ASSERT_EQ(glyph.Right - glyph.Left, 12) << c.Layout;
    EXPECT_EQ(glyph.Bottom - glyph.Top, 10) << c.Layout << ": the band is not drawn";
    EXPECT_EQ(CountColor(shot, all, Rgb(clFuchsia)), 0);
    ASSERT_LT(text.Left, text.Right) << c.Layout;
    switch (c.Layout) {
      case blGlyphLeft: EXPECT_LT(glyph.Right, text.Left); break;
      case blGlyphRight: EXPECT_GT(glyph.Left, text.Right); break;
      case blGlyphTop: EXPECT_LT(glyph.Bottom, text.Top); break;
      case blGlyphBottom: EXPECT_GT(glyph.Top, text.Bottom); break;
    }
    if (c.Margin >= 0) {
      EXPECT_EQ(glyph.Left, 2 + c.Margin) << "the margin counts from inside the frame";
    } else if (c.Layout == blGlyphLeft || c.Layout == blGlyphRight) {
      const int block = std::max(glyph.Right, text.Right) - std::min(glyph.Left, text.Left);
      EXPECT_NEAR(std::min(glyph.Left, text.Left), (140 - block) / 2, 3) << c.Layout << ": the block is centred";
    }
  }
}

TEST(BitBtnTest, KindGlyphsShowWithoutTheirBackground) {
  THost host(nullptr);
  host.SetBounds(40, 40, 420, 80);
  struct {
    TBitBtnKind Kind;
    TColor Mark;
  } cases[] = {{bkOK, clGreen}, {bkCancel, clRed}, {bkHelp, clBlue}, {bkYes, clGreen}, {bkNo, clRed},
               {bkClose, clTeal}, {bkAbort, clRed}, {bkRetry, clGreen}, {bkIgnore, clTeal}, {bkAll, clGreen}};
  for (const auto& c : cases) {
    auto* b = new TBitBtn(&host);
    b->SetParent(&host);
    b->SetBounds(0, 0, 80, 30);
    b->SetKind(c.Kind);
    host.Show();
    // Each button on its own: it is drawn at the origin of the picture.
    const auto shot = Shoot(b);
    if (c.Kind == bkOK) shot.SavePng(L"buttons_kind_ok.png");
    if (c.Kind == bkHelp) shot.SavePng(L"buttons_kind_help.png");
    EXPECT_EQ(CountColor(shot, TRect{0, 0, 80, 30}, Rgb(clOlive)), 0) << c.Kind << ": the glyph's background never shows";
    EXPECT_GT(CountColor(shot, TRect{0, 0, 80, 30}, Rgb(c.Mark)), 10) << c.Kind;
    delete b;
  }
}

}  // namespace
