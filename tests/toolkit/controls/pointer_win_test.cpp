// With the real pointer: crossing from one toolkit control to its neighbour
// and out again gives each control one mouse-enter and one mouse-leave, and a
// tracked caller is told when the pointer leaves its bounds. The pointer is
// placed for real, so the test runs alone on the display.
#include "controls_test_support.h"

using namespace controls_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TControlsUnits);

struct TCrossings : TObject {
  std::vector<std::string> Log;
  TTestControl* A = nullptr;
  void Enter(TObject* Sender) { Log.push_back(std::string(Sender == A ? "A" : "B") + " enter"); }
  void Leave(TObject* Sender) { Log.push_back(std::string(Sender == A ? "A" : "B") + " leave"); }
};

class PointerTest : public testing::Test {
 protected:
  void SetUp() override {
    form = MakeForm();
    ShowQuietly(form);
    a = MakeControl(10);
    b = MakeControl(110);
    crossings.A = a;
    MoveTo(form, TPoint{300, 200});
    crossings.Log.clear();
  }
  void TearDown() override { delete form; }
  TTestControl* MakeControl(int ALeft) {
    auto* c = new TTestControl(form);
    c->SetBounds(ALeft, 10, 100, 50);
    c->SetParent(form);
    c->OnMouseEnter = TNotifyEvent(&crossings, &TCrossings::Enter);
    c->OnMouseLeave = TNotifyEvent(&crossings, &TCrossings::Leave);
    return c;
  }
  // The pointer to a client point of a control, and the move the system reports.
  static void MoveTo(TWinControl* AControl, const TPoint& P) {
    const TPoint screen = AControl->ClientToScreen(P);
    SetCursorPos(screen.X, screen.Y);
    PostMessageW(AControl->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(P.X, P.Y));
    Pump();
  }
  THostForm* form = nullptr;
  TTestControl* a = nullptr;
  TTestControl* b = nullptr;
  TCrossings crossings;
};

TEST_F(PointerTest, CrossingBetweenTwoControlsEntersAndLeavesEachOnce) {
  MoveTo(a, TPoint{20, 20});
  MoveTo(a, TPoint{40, 25});
  MoveTo(a, TPoint{95, 25});
  MoveTo(b, TPoint{5, 25});
  MoveTo(b, TPoint{50, 25});
  MoveTo(form, TPoint{300, 200});
  Pump();
  EXPECT_EQ(crossings.Log, (std::vector<std::string>{"A enter", "A leave", "B enter", "B leave"}));
}

TEST_F(PointerTest, ATrackedCallerHearsWhenThePointerLeavesItsBounds) {
  TBoundsCaller caller;
  MoveTo(a, TPoint{20, 20});
  StartMouseTracking(a, TRect{0, 0, 50, 50}, &caller);
  auto tick = [&] {
    if (TMouseTrackingTimer* timer = FindMouseTrackingTimer(&caller)) {
      PostMessageW(GetTimerWindow()->Handle(), WM_TIMER, timer->TimerID(), 0);
      Pump();
    }
  };
  tick();
  EXPECT_TRUE(IsMouseTracked(&caller)) << "inside its bounds";
  const TPoint outside = a->ClientToScreen(TPoint{70, 20});
  SetCursorPos(outside.X, outside.Y);  // out of the bounds, still over the control
  tick();
  EXPECT_EQ(caller.Leaves, 1);
  EXPECT_FALSE(IsMouseTracked(&caller));
  StopMouseTracking(&caller);
}

// A shown popup closes when another window of the program takes the activation.
TEST_F(PointerTest, APopupClosesWhenItLosesTheActivation) {
  TcxPopupWindow popup;
  popup.OwnerParent = form;
  popup.OwnerBounds = TRect{10, 10, 110, 30};
  popup.SetBounds(0, 0, 120, 80);
  popup.ShowPopup();
  Pump();
  ASSERT_TRUE(IsWindowVisible(popup.Handle()));
  EXPECT_EQ(popup.BoundsRect().TopLeft(), form->ClientToScreen(TPoint{10, 30})) << "below its owner";
  SetForegroundWindow(form->Handle());
  SetActiveWindow(form->Handle());
  Pump();
  EXPECT_FALSE(IsWindowVisible(popup.Handle()));
}

}  // namespace
