// Holding an arrow or a page area of a scroll bar: one step at the press, then
// one at each tick of the bar's timer (which the test fires, D-61), the delay
// turning into the repeat interval at the first tick, pausing while the
// pointer is off the part and stopping at the release. The pointer is placed
// for real, so the test runs alone on the display.
#include "scrollbar_test_support.h"

using namespace controls_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TControlsUnits);

class ScrollBarRepeatTest : public testing::Test {
 protected:
  void SetUp() override {
    form = MakeForm();
    ShowQuietly(form);
    bar = new TcxScrollBar(form);
    bar->SetBounds(10, 10, 200, 17);
    bar->SetParent(form);
    bar->SetRangeAndPosition(0, 100, 0, 10);
    bar->SetLargeChange(10);
    log.Attach(bar);
    Pump();
  }
  void TearDown() override {
    ReleaseCapture();
    delete form;
  }
  // The pointer over a client point of the bar, and the bar told of it.
  void PointAt(int X, int Y, UINT Msg = WM_MOUSEMOVE) {
    const TPoint p = bar->ClientToScreen(TPoint{X, Y});
    SetCursorPos(p.X, p.Y);
    SendMessageW(bar->Handle(), Msg, Msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(X, Y));
  }
  void Tick() {
    PostMessageW(GetTimerWindow()->Handle(), WM_TIMER, bar->RepeatTimer()->TimerID(), 0);
    Pump();
  }
  THostForm* form = nullptr;
  TcxScrollBar* bar = nullptr;
  TScrollLog log;
};

TEST_F(ScrollBarRepeatTest, AnArrowRepeatsOnTicksPausesOffTheArrowAndStopsAtTheRelease) {
  TcxTimer* timer = bar->RepeatTimer();
  PointAt(195, 8, WM_LBUTTONDOWN);
  EXPECT_EQ(bar->Position(), 1) << "one step at the press";
  EXPECT_TRUE(timer->Enabled());
  EXPECT_EQ(timer->Interval(), 400u);
  Tick();
  EXPECT_EQ(bar->Position(), 2);
  EXPECT_EQ(timer->Interval(), 60u) << "after the delay, the repeat interval";
  Tick();
  EXPECT_EQ(bar->Position(), 3);

  // Off the arrow: the step of this tick is the last until the pointer is back.
  SetCursorPos(bar->ClientToScreen(TPoint{100, 60}).X, bar->ClientToScreen(TPoint{100, 60}).Y);
  Tick();
  EXPECT_EQ(bar->Position(), 4);
  EXPECT_FALSE(timer->Enabled());
  Tick();
  EXPECT_EQ(bar->Position(), 4) << "a paused timer does not tick";
  PointAt(195, 8);
  EXPECT_TRUE(timer->Enabled()) << "back over the arrow";
  Tick();
  EXPECT_EQ(bar->Position(), 5);

  PointAt(195, 8, WM_LBUTTONUP);
  EXPECT_FALSE(timer->Enabled());
  Tick();
  EXPECT_EQ(bar->Position(), 5);
  EXPECT_EQ(log.Codes(), (std::vector<TScrollCode>{scLineDown, scLineDown, scLineDown, scLineDown, scLineDown,
                                                   scEndScroll}));
}

TEST_F(ScrollBarRepeatTest, APageAreaRepeatsUntilTheThumbReachesThePointer) {
  // The track runs from 17 to 183; the pointer holds the page area near its end.
  PointAt(170, 8, WM_LBUTTONDOWN);
  EXPECT_EQ(bar->Position(), 10);
  int ticks = 0;
  while (bar->RepeatTimer()->Enabled() && ticks < 20) {
    Tick();
    ++ticks;
  }
  EXPECT_FALSE(bar->RepeatTimer()->Enabled()) << "the thumb came under the pointer";
  EXPECT_EQ(bar->HitTestPart(TPoint{170, 8}), sbpThumbnail);
  EXPECT_GE(bar->Position(), 80);
  EXPECT_LT(ticks, 10);
  PointAt(170, 8, WM_LBUTTONUP);
}

}  // namespace
