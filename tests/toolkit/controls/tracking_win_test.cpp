// Mouse-leave tracking on fired ticks: a caller that says the mouse is
// inside keeps its tracking; one that says it left, or whose control can no
// longer be used, hears of it once and its tracking ends; bounds are mapped to
// the screen; a caller is tracked once; callers and controls that go away
// meanwhile are left alone.
#include "controls_test_support.h"

using namespace controls_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TControlsUnits);

// A caller whose hit test answers what it is told.
struct TCaller : TcxIUnknownObject, IcxMouseTrackingCaller, IcxMouseTrackingHitTest {
  bool Inside = true;
  int Leaves = 0;
  bool StopInLeave = false;
  bool GetInterface(const TGUID& iid, void** obj) override {
    return InterfaceTable<IcxMouseTrackingCaller, IcxMouseTrackingHitTest>(this, iid, obj) ||
           TcxIUnknownObject::GetInterface(iid, obj);
  }
  void MouseLeave() override {
    ++Leaves;
    if (StopInLeave) StopMouseTracking(this);
  }
  bool PtInCaller(const TPoint&) override { return Inside; }
};

struct TLeaveCounter : TObject {
  int Leaves = 0;
  void Leave(TObject*) { ++Leaves; }
};

class TrackingTest : public testing::Test {
 protected:
  void SetUp() override {
    form = MakeForm();
    ShowQuietly(form);
    control = new TTestControl(form);
    control->SetBounds(10, 10, 100, 50);
    control->SetParent(form);
    control->OnMouseLeave = TNotifyEvent(&leaves, &TLeaveCounter::Leave);
  }
  void TearDown() override {
    StopMouseTracking(&caller);
    delete form;
  }
  static void Tick(TMouseTrackingTimer* ATimer) {
    if (!ATimer) return;
    PostMessageW(GetTimerWindow()->Handle(), WM_TIMER, ATimer->TimerID(), 0);
    Pump();
  }
  THostForm* form = nullptr;
  TTestControl* control = nullptr;
  TCaller caller;
  TLeaveCounter leaves;
};

TEST_F(TrackingTest, ACallerInsideItsControlKeepsItsTracking) {
  StartMouseTracking(control, TRect{0, 0, 100, 50}, &caller);
  TMouseTrackingTimer* timer = FindMouseTrackingTimer(&caller);
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(timer->Interval(), 10u);
  EXPECT_TRUE(timer->Enabled());
  for (int i = 0; i < 3; ++i) Tick(timer);
  EXPECT_TRUE(IsMouseTracked(&caller));
  EXPECT_EQ(caller.Leaves, 0);
  StopMouseTracking(&caller);
  EXPECT_FALSE(IsMouseTracked(&caller));
  EXPECT_TRUE(MouseTrackingTimerList()->empty());
}

TEST_F(TrackingTest, ACallerTheMouseLeftHearsOfItOnceAndItsTrackingEnds) {
  StartMouseTracking(control, TRect{0, 0, 100, 50}, &caller);
  caller.Inside = false;
  Tick(FindMouseTrackingTimer(&caller));
  EXPECT_EQ(caller.Leaves, 1);
  EXPECT_FALSE(IsMouseTracked(&caller));
  Tick(FindMouseTrackingTimer(&caller));
  EXPECT_EQ(caller.Leaves, 1);
}

TEST_F(TrackingTest, AControlThatCanNoLongerBeUsedIsLeftAndToldSo) {
  StartMouseTracking(control, TRect{0, 0, 100, 50}, &caller);
  EnableWindow(form->Handle(), FALSE);  // a parent disabled: the control is unusable
  Tick(FindMouseTrackingTimer(&caller));
  EnableWindow(form->Handle(), TRUE);
  EXPECT_EQ(caller.Leaves, 1);
  EXPECT_EQ(leaves.Leaves, 1) << "the control hears CM_MOUSELEAVE";
  EXPECT_FALSE(IsMouseTracked(&caller));
}

TEST_F(TrackingTest, AFreedControlIsNotTouchedAndTheCallerStillHears) {
  auto* doomed = new TTestControl(form);
  doomed->SetParent(form);
  StartMouseTracking(doomed, TRect{0, 0, 10, 10}, &caller);
  TMouseTrackingTimer* timer = FindMouseTrackingTimer(&caller);
  delete doomed;
  EXPECT_EQ(timer->Control(), nullptr);
  Tick(timer);
  EXPECT_EQ(caller.Leaves, 1);
  EXPECT_FALSE(IsMouseTracked(&caller));
}

TEST_F(TrackingTest, ACallerIsTrackedOnceAndMayStopInsideItsOwnNotification) {
  StartMouseTracking(control, TRect{0, 0, 100, 50}, &caller);
  StartMouseTracking(form, TRect{0, 0, 5, 5}, &caller);
  ASSERT_EQ(MouseTrackingTimerList()->size(), 1u);
  EXPECT_EQ(FindMouseTrackingTimer(&caller)->Control(), control);
  caller.StopInLeave = true;
  caller.Inside = false;
  Tick(FindMouseTrackingTimer(&caller));
  EXPECT_EQ(caller.Leaves, 1);
  EXPECT_TRUE(MouseTrackingTimerList()->empty());
}

TEST_F(TrackingTest, BoundsAreKeptOnTheScreen) {
  TBoundsCaller boundsCaller;
  StartMouseTracking(control, TRect{5, 6, 50, 20}, &boundsCaller);
  const TPoint origin = control->ClientToScreen(TPoint{0, 0});
  EXPECT_EQ(FindMouseTrackingTimer(&boundsCaller)->Bounds, (TRect{origin.X + 5, origin.Y + 6, origin.X + 50,
                                                                  origin.Y + 20}));
  StopMouseTracking(&boundsCaller);
  StartMouseTracking(nullptr, TRect{5, 6, 50, 20}, &boundsCaller);
  EXPECT_EQ(FindMouseTrackingTimer(&boundsCaller)->Bounds, (TRect{5, 6, 50, 20})) << "without a control: the screen";
  StopMouseTracking(&boundsCaller);
}

}  // namespace
