// Status panes and the marquee: ticks of their timers fired by the test
// (D-61), the marquee's steps (0 taken as 1, D-33), wrap and stop, the blink
// clock, automatic width, fill colour, hints, and a form file as the console's
// subtitle window holds it.
#include <gtest/gtest.h>

#include "ActnList.h"
#include "FormText.h"
#include "cxMessages.h"
#include "panels_test_support.h"

using namespace panels_test;

namespace {

const bool registered = (::testing::AddGlobalTestEnvironment(new TPanelUnits), true);

constexpr TColor Paper = 0x00A0F0E0;

void Tick(TTimer* Timer) { Timer->OnTimer()(Timer); }

struct TScrollLog : TObject {
  std::vector<std::pair<int, int>> Displays;
  int Completes = 0;
  void Display(TObject*, int CurrentStep, int TotalSteps) { Displays.push_back({CurrentStep, TotalSteps}); }
  void Complete(TObject*) { ++Completes; }
};

struct TStatusFixture : ::testing::Test {
  THostForm* Form = MakeForm(640, 200);
  ~TStatusFixture() override { delete Form; }

  template <class T>
  T* NewPane(int Left, int Top, int Width, int Height) {
    T* pane = new T(Form);
    pane->SetParent(Form);
    pane->SetBounds(Left, Top, Width, Height);
    return pane;
  }
  TRzMarqueeStatus* NewMarquee(int Width) {
    auto* m = NewPane<TRzMarqueeStatus>(10, 10, Width, 20);
    m->SetScrollDelay(60000);  // no real tick comes while the test runs
    return m;
  }
  // The form's client area with its windowless children, painted into a surface.
  vamire_test::Capture Paint() {
    TPanelSurface s(Form->ClientWidth(), Form->ClientHeight(), Paper);
    Form->Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(s.Dc), PRF_CLIENT);
    return s.Cap();
  }
};

TEST_F(TStatusFixture, TheMarqueeMovesByItsScrollSizeOnEachTickAndZeroMeansOne) {
  TRzMarqueeStatus* m = NewMarquee(300);
  m->SetCaption(L"Subtitle");
  TScrollLog log;
  m->OnScrollDisplay = TRzScrollDisplayEvent(&log, &TScrollLog::Display);
  EXPECT_TRUE(m->ScrollTimer()->Enabled());
  EXPECT_EQ(m->ScrollTimer()->Interval(), 60000u);
  Tick(m->ScrollTimer());
  EXPECT_EQ(m->ScrollOffset(), 1);
  m->SetScrollSize(5);
  Tick(m->ScrollTimer());
  Tick(m->ScrollTimer());
  EXPECT_EQ(m->ScrollOffset(), 11);
  m->SetScrollSize(0);
  EXPECT_EQ(m->ScrollSize(), 1) << "a step of 0 is taken as 1";
  Tick(m->ScrollTimer());
  EXPECT_EQ(m->ScrollOffset(), 12);
  ASSERT_EQ(log.Displays.size(), 4u);
  EXPECT_EQ(log.Displays.back(), (std::pair<int, int>{12, m->WrapLimit()}));
}

TEST_F(TStatusFixture, TheCaptionWrapsOnceItHasLeftAndStartsAgainFromTheEdge) {
  TRzMarqueeStatus* m = NewMarquee(585);
  m->SetCaption(L"A caption that scrolls across the wall");
  TBitmap measure;
  measure.Canvas()->Font()->Assign(m->Font());
  const int wrap = measure.Canvas()->TextWidth(m->Caption()) + 585;
  EXPECT_EQ(m->WrapLimit(), wrap);
  TScrollLog log;
  m->OnScrollComplete = TNotifyEvent(&log, &TScrollLog::Complete);
  m->SetScrollSize(7);
  int ticks = 0;
  while (log.Completes == 0 && ticks < 10000) {
    Tick(m->ScrollTimer());
    ++ticks;
  }
  EXPECT_EQ(ticks, (wrap + 6) / 7) << "complete on the tick on which the offset reaches the limit";
  EXPECT_EQ(m->ScrollOffset(), 0);
  Tick(m->ScrollTimer());
  EXPECT_EQ(m->ScrollOffset(), 7);
  EXPECT_EQ(log.Completes, 1);
  // A longer caption moves the limit.
  m->SetCaption(m->Caption() + m->Caption());
  EXPECT_GT(m->WrapLimit(), wrap);
  m->SetWidth(600);
  EXPECT_EQ(m->WrapLimit(), measure.Canvas()->TextWidth(m->Caption()) + 600);
}

TEST_F(TStatusFixture, StoppingResetsTheOffsetAndAStoppedTimerMovesNothing) {
  TRzMarqueeStatus* m = NewMarquee(300);
  m->SetCaption(L"Subtitle");
  Tick(m->ScrollTimer());
  Tick(m->ScrollTimer());
  m->SetScrolling(false);
  EXPECT_FALSE(m->ScrollTimer()->Enabled());
  EXPECT_EQ(m->ScrollOffset(), 0) << "the next start enters from the edge again";
  Tick(m->ScrollTimer());
  EXPECT_EQ(m->ScrollOffset(), 0);
  // stNone stops the timer; a scroll type restarts it whatever Scrolling is.
  m->SetScrolling(true);
  m->SetScrollType(stNone);
  EXPECT_FALSE(m->ScrollTimer()->Enabled());
  m->SetScrolling(false);
  m->SetScrollType(stRightToLeft);
  EXPECT_TRUE(m->ScrollTimer()->Enabled());
  Tick(m->ScrollTimer());
  EXPECT_EQ(m->ScrollOffset(), 1);
  // A hidden pane does not move.
  m->SetVisible(false);
  Tick(m->ScrollTimer());
  EXPECT_EQ(m->ScrollOffset(), 1);
  m->SetEnabled(false);
  m->SetVisible(true);
  Tick(m->ScrollTimer());
  EXPECT_EQ(m->ScrollOffset(), 2) << "only a stopped timer or a hidden pane stands still";
}

TEST_F(TStatusFixture, TheMarqueeDrawsItsCaptionEnteringFromTheRightInsideItsFill) {
  TRzMarqueeStatus* m = NewMarquee(200);
  m->SetFrameStyle(fsNone);
  m->SetBorderWidth(0);
  m->SetTransparent(false);
  m->SetColor(clBlue);
  m->SetFillColor(clYellow);
  UseCrispFont(m->Font());
  m->Font()->SetColor(clBlack);
  m->Perform(CM_FONTCHANGED);
  m->SetCaption(L"Hello");
  m->SetScrollSize(50);
  for (int i = 0; i < 3; ++i) Tick(m->ScrollTimer());
  const vamire_test::Capture cap = Paint();
  const TRect pane{10, 10, 210, 30};
  EXPECT_EQ(cap.At(10, 20), Rgb(clBlue)) << "the left column keeps the frame fill";
  EXPECT_EQ(cap.At(100, 10), Rgb(clBlue)) << "and the top row";
  EXPECT_EQ(cap.At(11, 11), Rgb(clYellow));
  const TRect ink = PixelsOf(cap, Rgb(clBlack), pane);
  ASSERT_LT(ink.Left, ink.Right);
  // At offset 150 the text starts at x = Width - 150 inside the bitmap drawn at (1, 1).
  EXPECT_NEAR(ink.Left, 10 + 1 + 200 - 150, 2);
  // Left to right: the caption's right end enters at the left edge.
  m->SetScrollType(stLeftToRight);
  const TRect ltr = PixelsOf(Paint(), Rgb(clBlack), pane);
  TBitmap measure;
  measure.Canvas()->Font()->Assign(m->Font());
  EXPECT_NEAR(ltr.Right, 10 + 1 + 150, 2);
  // Standing still: the pane's own alignment.
  m->SetScrollType(stNone);
  m->SetAlignment(taRightJustify);
  EXPECT_NEAR(PixelsOf(Paint(), Rgb(clBlack), pane).Right, 210 - 2 - 1, 2);
}

TEST_F(TStatusFixture, TheBlinkClockTogglesOnItsTicksAndTellsOnlyBlinkingPanes) {
  auto* blinking = NewPane<TRzStatusPane>(10, 10, 100, 20);
  auto* steady = NewPane<TRzStatusPane>(10, 40, 100, 20);
  for (auto* pane : {blinking, steady}) {
    pane->Font()->SetColor(clBlack);
    pane->SetBlinkColor(clRed);
  }
  blinking->SetBlinking(true);
  TRzBlinkingControlsList* clock = BlinkingControlsList();
  ASSERT_NE(clock, nullptr);
  EXPECT_EQ(clock->Count(), 2);
  blinking->SetBlinkIntervalOn(300);
  blinking->SetBlinkIntervalOff(700);
  EXPECT_EQ(steady->BlinkIntervalOn(), 300) << "the intervals belong to the one clock";
  EXPECT_EQ(clock->State(), 1);
  Tick(clock->Timer());
  EXPECT_EQ(clock->State(), 0) << "the first tick shows the normal colour";
  EXPECT_EQ(clock->Timer()->Interval(), 700u);
  EXPECT_EQ(blinking->CurrentTextColor(), clBlack);
  Tick(clock->Timer());
  EXPECT_EQ(clock->State(), 1);
  EXPECT_EQ(clock->Timer()->Interval(), 300u);
  EXPECT_EQ(blinking->CurrentTextColor(), clRed);
  EXPECT_EQ(steady->CurrentTextColor(), clBlack) << "a pane that does not blink is not told";
  blinking->SetBlinking(false);
  EXPECT_EQ(blinking->CurrentTextColor(), clBlack) << "switching blinking off restores the font colour";
  Tick(clock->Timer());
  Tick(clock->Timer());
  EXPECT_EQ(blinking->CurrentTextColor(), clBlack);
  EXPECT_EQ(blinking->Perform(CXM_BLINKQUERY), 0);
}

TEST_F(TStatusFixture, BlinkPaintsTheCaptionInTheBlinkColourAtOnce) {
  auto* pane = NewPane<TRzStatusPane>(10, 10, 100, 20);
  UseCrispFont(pane->Font());
  pane->Font()->SetColor(clBlack);
  pane->Perform(CM_FONTCHANGED);
  pane->SetBlinkColor(clRed);
  pane->SetCaption(L"Ready");
  pane->SetBlinking(true);
  pane->Blink(1);
  const TRect area{10, 10, 110, 30};
  const vamire_test::Capture cap = Paint();
  EXPECT_NE(PixelsOf(cap, Rgb(clRed), area), TRect{});
  EXPECT_EQ(PixelsOf(cap, Rgb(clBlack), area), TRect{});
  pane->Blink(0);
  EXPECT_NE(PixelsOf(Paint(), Rgb(clBlack), area), TRect{});
}

TEST(BlinkClockTest, TheFirstPaneMakesTheClockAndTheLastOneFreesIt) {
  EXPECT_EQ(BlinkingControlsList(), nullptr);
  auto* a = new TRzStatusPane(nullptr);
  auto* b = new TRzMarqueeStatus(nullptr);
  ASSERT_NE(BlinkingControlsList(), nullptr);
  EXPECT_EQ(BlinkingControlsList()->Count(), 2);
  delete a;
  EXPECT_EQ(BlinkingControlsList()->Count(), 1);
  delete b;
  EXPECT_EQ(BlinkingControlsList(), nullptr);
}

TEST_F(TStatusFixture, AutoSizeFitsTheCaptionOrTakesTheDefaultWidth) {
  auto* pane = NewPane<TRzStatusPane>(10, 10, 100, 20);
  pane->SetBorderWidth(3);
  pane->SetCaptionOffset(4);
  pane->SetAutoSize(true);
  EXPECT_EQ(pane->Width(), 40) << "no caption: DefaultWidth";
  pane->SetCaption(L"Wall 3 ready");
  TBitmap measure;
  measure.Canvas()->Font()->Assign(pane->Font());
  EXPECT_EQ(pane->Width(), 2 * 3 + measure.Canvas()->TextWidth(L"Wall 3 ready") + 4 + 6);
  pane->SetCaption(L"");
  pane->SetDefaultWidth(55);
  EXPECT_EQ(pane->Width(), 55);
  EXPECT_EQ(pane->GetTextRect(), (TRect{4, 4, 51, 16})) << "BorderWidth and the flat frame";
  pane->SetFrameStyle(fsLowered);
  EXPECT_EQ(pane->GetTextRect(), (TRect{5, 5, 50, 15}));
  pane->SetFrameStyle(fsNone);
  EXPECT_EQ(pane->GetTextRect(), (TRect{3, 3, 52, 17}));
}

TEST_F(TStatusFixture, TheFillColourFollowsTheColourUntilSetItself) {
  auto* pane = NewPane<TRzStatusPane>(10, 10, 100, 20);
  EXPECT_TRUE(pane->ParentFillColor());
  pane->SetColor(clTeal);
  EXPECT_EQ(pane->FillColor(), clTeal);
  pane->SetFillColor(clRed);
  EXPECT_FALSE(pane->ParentFillColor());
  pane->SetColor(clOlive);
  EXPECT_EQ(pane->FillColor(), clRed);
  pane->SetParentFillColor(true);
  EXPECT_EQ(pane->FillColor(), clOlive);
}

TEST_F(TStatusFixture, AFlatFrameLeavesItsCornerPixelsFree) {
  auto* pane = NewPane<TRzStatusPane>(10, 10, 30, 12);
  pane->SetTransparent(false);
  pane->SetColor(clWhite);
  pane->SetBorderWidth(0);
  const vamire_test::Capture cap = Paint();
  const std::uint32_t flat = Rgb(TintColor(clBtnShadow, 30));
  EXPECT_EQ(cap.At(10, 10), Rgb(clWhite));
  EXPECT_EQ(cap.At(11, 10), flat);
  EXPECT_EQ(cap.At(10, 11), flat);
  EXPECT_EQ(cap.At(39, 21), Rgb(clWhite));
  EXPECT_EQ(cap.At(38, 21), flat);
}

TEST_F(TStatusFixture, AutoHintShowsTheApplicationsHint) {
  auto* hints = NewPane<TRzStatusPane>(10, 10, 200, 20);
  auto* other = NewPane<TRzStatusPane>(10, 40, 200, 20);
  hints->SetAutoHint(true);
  Application->SetHint(L"Sends the layout to the wall");
  EXPECT_EQ(hints->Caption(), L"Sends the layout to the wall");
  EXPECT_EQ(other->Caption(), L"");
  THintAction action(nullptr);
  action.SetHint(L"Direct");
  EXPECT_TRUE(action.Execute());
  EXPECT_EQ(hints->Caption(), L"Direct");
  hints->SetAutoHint(false);
  EXPECT_FALSE(action.Execute()) << "nobody shows hints now";
  Application->SetHint(L"");
}

TEST_F(TStatusFixture, TheControllerSetsTheFrameOfAPane) {
  auto* controller = new TRzFrameController(Form);
  auto* pane = NewPane<TRzStatusPane>(10, 10, 100, 20);
  pane->SetFrameController(controller);
  controller->SetFrameStyle(fsGroove);
  EXPECT_EQ(pane->FrameStyle(), fsFlat) << "not while the frame is hidden";
  controller->SetFrameColor(clMaroon);
  controller->SetColor(clCream);
  controller->SetFrameVisible(true);
  EXPECT_EQ(pane->FrameStyle(), fsGroove);
  EXPECT_EQ(pane->FlatColor(), clMaroon);
  EXPECT_EQ(pane->FlatColorAdjustment(), 0);
  EXPECT_EQ(pane->FillColor(), clCream);
  delete pane;
  EXPECT_EQ(controller->AttachedCount(), 0);
}

// --- Form file ----------------------------------------------------------------------------
TEST(StatusFormTest, TheSubtitleWindowsPanesReadFromTheirForm) {
  const String text =
      L"object Subtitle: THostForm\n"
      L"  Left = 0\n"
      L"  Top = 0\n"
      L"  Width = 600\n"
      L"  Height = 100\n"
      L"  object Marquee1: TRzMarqueeStatus\n"
      L"    Left = 0\n"
      L"    Top = 0\n"
      L"    Width = 585\n"
      L"    Height = 40\n"
      L"    FrameStyle = fsNone\n"
      L"    BorderWidth = 0\n"
      L"    Transparent = False\n"
      L"    ParentFillColor = False\n"
      L"    ParentColor = False\n"
      L"    Color = clBlue\n"
      L"    FillColor = clBlue\n"
      L"    Alignment = taCenter\n"
      L"    Font.Color = clYellow\n"
      L"    ScrollSize = 0\n"
      L"    ScrollDelay = 50\n"
      L"    Caption = 'Welcome'\n"
      L"  end\n"
      L"  object Marquee2: TRzMarqueeStatus\n"
      L"    Left = 0\n"
      L"    Top = 50\n"
      L"    Width = 100\n"
      L"    Height = 20\n"
      L"    Visible = False\n"
      L"    ScrollType = stNone\n"
      L"  end\n"
      L"  object Status1: TRzStatusPane\n"
      L"    Left = 0\n"
      L"    Top = 80\n"
      L"    Width = 100\n"
      L"    Height = 20\n"
      L"    AutoSize = True\n"
      L"    Blinking = True\n"
      L"    BlinkColor = clRed\n"
      L"    FrameStyle = fsStatus\n"
      L"    Caption = 'Ready'\n"
      L"  end\n"
      L"end\n";
  RegisterClasses({THostForm::StaticClass()});
  THostForm form(nullptr);
  TStringStream in(FormTextToBinary(text));
  try {
    ReadComponentFromStream(&in, &form);
  } catch (const Exception& e) {
    FAIL() << UTF8Encode(e.ClassName() + L": " + e.Message());
  }
  auto* shown = dynamic_cast<TRzMarqueeStatus*>(form.FindComponent(L"Marquee1"));
  auto* still = dynamic_cast<TRzMarqueeStatus*>(form.FindComponent(L"Marquee2"));
  auto* status = dynamic_cast<TRzStatusPane*>(form.FindComponent(L"Status1"));
  ASSERT_TRUE(shown && still && status);
  EXPECT_EQ(shown->ScrollSize(), 1) << "a stored step of 0 reads as 1";
  EXPECT_EQ(shown->ScrollDelay(), 50);
  EXPECT_EQ(shown->ScrollTimer()->Interval(), 50u);
  EXPECT_FALSE(shown->Transparent());
  EXPECT_FALSE(shown->ParentFillColor());
  EXPECT_EQ(shown->FillColor(), clBlue);
  EXPECT_EQ(shown->Alignment(), taCenter);
  EXPECT_EQ(shown->CurrentTextColor(), clYellow) << "the text colour is the font's once loaded";
  EXPECT_EQ(shown->WrapLimit(), [&] {
    TBitmap b;
    b.Canvas()->Font()->Assign(shown->Font());
    return b.Canvas()->TextWidth(L"Welcome") + 585;
  }());
  EXPECT_EQ(still->ScrollType(), stNone);
  EXPECT_FALSE(still->ScrollTimer()->Enabled());
  EXPECT_TRUE(status->Blinking());
  EXPECT_EQ(status->FrameStyle(), fsStatus);
  TBitmap measure;
  measure.Canvas()->Font()->Assign(status->Font());
  EXPECT_EQ(status->Width(), 2 + measure.Canvas()->TextWidth(L"Ready") + 2 + 6) << "auto size applied once loaded";
  EXPECT_TRUE(status->Transparent()) << "a pane that takes its parent's colour stays transparent";
  shown->SetScrollDelay(60000);
  UnRegisterClass(THostForm::StaticClass());
}

TEST(StatusFormTest, AFrameStyleBeyondTheFrameStylesIsRefused) {
  const String text =
      L"object Subtitle: THostForm\n"
      L"  object Pane1: TRzStatusPane\n"
      L"    FrameStyle = fsFlatRounded\n"
      L"  end\n"
      L"end\n";
  THostForm form(nullptr);
  TStringStream in(FormTextToBinary(text));
  EXPECT_THROW(ReadComponentFromStream(&in, &form), EReadError);
}

}  // namespace
