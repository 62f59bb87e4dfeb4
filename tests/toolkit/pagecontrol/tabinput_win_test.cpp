// The tab control's input: clicks on tabs in the tab and button styles, the
// scroll arrows with their auto-repeat (ticks fired by the test), the close
// button, the tab-list pop-up (closed from a tick), keys and the wheel.
#include "tabcontrol_test_support.h"

using namespace pc_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TPageControlUnits);

class TabInputTest : public testing::Test {
 protected:
  void SetUp() override {
    // These cases press with sent messages: a real pointer left over the form
    // by an earlier test would move across it and end the press.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    form = MakeForm();
    ShowQuietly(form);
  }
  void TearDown() override {
    ReleaseCapture();
    delete form;
  }
  void Send(TcxCustomTabControl* AControl, UINT AMsg, int X, int Y) {
    SendMessageW(AControl->Handle(), AMsg, AMsg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(X, Y));
  }
  void Click(TcxCustomTabControl* AControl, int X, int Y) {
    Send(AControl, WM_LBUTTONDOWN, X, Y);
    Send(AControl, WM_LBUTTONUP, X, Y);
  }
  TPoint Center(const TRect& R) { return TPoint{(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }
  TRect ButtonRect(TcxCustomTabControl* AControl, TcxPCNavigatorButton AButton) {
    return static_cast<TTestPCPainter*>(AControl->Painter())->ButtonRect(AButton);
  }
  void Tick(TcxTimer* ATimer) {
    PostMessageW(GetTimerWindow()->Handle(), WM_TIMER, ATimer->TimerID(), 0);
    Pump();
  }
  THostForm* form = nullptr;
};

TEST_F(TabInputTest, TheForwardArrowScrollsAtOnceThenOnEachTickUntilTheEnd) {
  // 128 pixels of strip between the arrows: two tabs and a part of the third.
  auto* control = MakeTabControl(form, {L"A", L"B", L"C", L"D", L"E", L"F"}, 160);
  ASSERT_EQ(control->NavigatorButtons(), (TcxPCNavigatorButtons{nbTopLeft, nbBottomRight}));
  EXPECT_EQ(control->NavigatorButtonState(nbTopLeft), nbsDisabled);
  const TPoint arrow = Center(ButtonRect(control, nbBottomRight));
  Send(control, WM_LBUTTONDOWN, arrow.X, arrow.Y);
  EXPECT_EQ(control->FirstVisibleTab(), 1) << "one scroll at the press";
  TcxTimer* timer = control->AutoRepeatTimer();
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->Enabled());
  EXPECT_EQ(timer->Interval(), 300u);
  EXPECT_EQ(control->NavigatorButtonState(nbBottomRight), nbsPressed);
  Tick(timer);
  EXPECT_EQ(control->FirstVisibleTab(), 2);
  EXPECT_EQ(timer->Interval(), 150u) << "after the delay, the repeat interval";
  Tick(timer);
  Tick(timer);
  EXPECT_EQ(control->FirstVisibleTab(), 4);
  EXPECT_EQ(control->NavigatorButtonState(nbBottomRight), nbsDisabled) << "the last tab is fully visible";
  EXPECT_TRUE(control->PressedNavigatorButtons().Empty());
  Tick(timer);
  EXPECT_FALSE(timer->Enabled());
  EXPECT_EQ(control->FirstVisibleTab(), 4);
  Send(control, WM_LBUTTONUP, arrow.X, arrow.Y);
  EXPECT_EQ(control->NavigatorButtonState(nbTopLeft), nbsNormal);

  // A press on the disabled arrow does nothing.
  Send(control, WM_LBUTTONDOWN, arrow.X, arrow.Y);
  EXPECT_EQ(control->FirstVisibleTab(), 4);
  EXPECT_EQ(control->NavigatorButtonState(nbBottomRight), nbsDisabled);
  Send(control, WM_LBUTTONUP, arrow.X, arrow.Y);
}

TEST_F(TabInputTest, APressMovedOffOrReleasedOffTheArrowStopsWithoutAnotherScroll) {
  auto* control = MakeTabControl(form, {L"A", L"B", L"C", L"D", L"E", L"F"}, 160);
  const TPoint arrow = Center(ButtonRect(control, nbBottomRight));
  Send(control, WM_LBUTTONDOWN, arrow.X, arrow.Y);
  Send(control, WM_MOUSEMOVE, 20, 80);
  EXPECT_FALSE(control->AutoRepeatTimer()->Enabled());
  EXPECT_EQ(control->NavigatorButtonState(nbBottomRight), nbsNormal);
  Tick(control->AutoRepeatTimer());
  Send(control, WM_LBUTTONUP, 20, 80);
  EXPECT_EQ(control->FirstVisibleTab(), 1);

  // Released elsewhere without a move first: the repetition ends all the same.
  Send(control, WM_LBUTTONDOWN, arrow.X, arrow.Y);
  Send(control, WM_LBUTTONUP, 20, 80);
  EXPECT_FALSE(control->AutoRepeatTimer()->Enabled());
  EXPECT_TRUE(control->PressedNavigatorButtons().Empty());
  Tick(control->AutoRepeatTimer());
  EXPECT_EQ(control->FirstVisibleTab(), 2);
}

TEST_F(TabInputTest, TabsAreSelectedAtThePressOrOnReleaseInButtonStyles) {
  auto* control = MakeTabControl(form, {L"A", L"B", L"C"});
  control->CountEvents();
  Send(control, WM_LBUTTONDOWN, 75, 10);
  EXPECT_EQ(control->TabIndex(), 1);
  Send(control, WM_LBUTTONUP, 75, 10);
  control->Tabs()->Tab(2)->SetEnabled(false);
  Click(control, 125, 10);
  EXPECT_EQ(control->TabIndex(), 1) << "a disabled tab is not selected";

  control->SetStyle(TTestPCButtonsPainter::GetStyleID());
  Send(control, WM_LBUTTONDOWN, 25, 10);
  EXPECT_EQ(control->TabIndex(), 1);
  EXPECT_EQ(control->PressedTab(), 0);
  Send(control, WM_MOUSEMOVE, 75, 10);
  Send(control, WM_LBUTTONUP, 75, 10);
  EXPECT_EQ(control->TabIndex(), 1) << "pressed on one tab, released on another";
  EXPECT_EQ(control->PressedTab(), -1);
  Click(control, 25, 10);
  EXPECT_EQ(control->TabIndex(), 0);

  control->SetHideTabs(true);
  Click(control, 75, 10);
  EXPECT_EQ(control->TabIndex(), 0) << "hidden tabs take no clicks";
}

TEST_F(TabInputTest, TheCloseButtonAsksOnCanCloseAndIsDisabledWithoutASelection) {
  struct TAsk : TObject {
    bool Allow = false;
    int Asked = 0;
    void CanClose(TObject*, bool& ACanClose) {
      ++Asked;
      ACanClose = Allow;
    }
  } ask;
  auto* control = MakeTabControl(form, {L"A", L"B"});
  control->OnCanClose = TcxPCCanCloseEvent(&ask, &TAsk::CanClose);
  control->SetOptions(control->Options() + TcxPCOptions{pcoCloseButton});
  const TPoint close = Center(ButtonRect(control, nbClose));
  Click(control, close.X, close.Y);
  EXPECT_EQ(ask.Asked, 1);
  EXPECT_EQ(control->Tabs()->Count(), 2);
  ask.Allow = true;
  Click(control, close.X, close.Y);
  EXPECT_EQ(control->Tabs()->Count(), 1);
  EXPECT_EQ(control->Tabs()->Strings(0), L"B");
  control->SetTabIndex(-1);
  EXPECT_EQ(control->NavigatorButtonState(nbClose), nbsDisabled);
  Click(control, close.X, close.Y);
  EXPECT_EQ(ask.Asked, 2);
}

// Closes the pop-up from inside its loop and keeps what it listed.
struct TMenuCloser : TObject {
  TcxCustomTabControl* Control = nullptr;
  std::vector<String> Captions;
  int Checked = -1;
  void Tick(TObject*) {
    TMenuItem* items = Control->GoDialog()->Items();
    for (int i = 0; i < items->Count(); ++i) {
      Captions.push_back(items->Items(i)->Caption());
      if (items->Items(i)->Checked()) Checked = int(items->Items(i)->Tag());
    }
    EndMenu();
  }
};

TEST_F(TabInputTest, TheTabListListsVisibleEnabledTabsSortedWithoutAccelerators) {
  auto* control = MakeTabControl(form, {L"Gamma", L"&Beta", L"Alpha", L"Hidden", L"Off"}, 400);
  control->SetOptions(control->Options() + TcxPCOptions{pcoGoDialog, pcoSort});
  control->Tabs()->Tab(3)->SetVisible(false);
  control->Tabs()->Tab(4)->SetEnabled(false);
  control->SetTabIndex(2);
  ASSERT_TRUE(control->NavigatorButtons().Contains(nbGoDialog));

  TMenuCloser closer;
  closer.Control = control;
  TcxTimer timer(nullptr);
  timer.SetInterval(60000);
  timer.SetOnTimer(TNotifyEvent(&closer, &TMenuCloser::Tick));
  PostMessageW(GetTimerWindow()->Handle(), WM_TIMER, timer.TimerID(), 0);
  const TPoint go = Center(ButtonRect(control, nbGoDialog));
  Click(control, go.X, go.Y);
  Pump();
  EXPECT_EQ(closer.Captions, (std::vector<String>{L"Alpha", L"&Beta", L"Gamma"}));
  EXPECT_EQ(closer.Checked, 2);
  EXPECT_FALSE(control->IsGoDialogShown());
  EXPECT_EQ(control->NavigatorButtonState(nbGoDialog), nbsNormal);

  // Unsorted: visible order.
  control->GoDialog()->BuildItems(false);
  EXPECT_EQ(control->GoDialog()->Items()->Items(0)->Caption(), L"Gamma");

  // A click on the list button that closed the pop-up does not open it again.
  PostMessageW(control->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(go.X, go.Y));
  control->GoDialogClosed(-1);
  Pump();
  EXPECT_NE(control->NavigatorButtonState(nbGoDialog), nbsPressed);
  SendMessageW(control->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(go.X, go.Y));
  EXPECT_FALSE(control->IsGoDialogShown());

  // Choosing an item selects its tab.
  control->GoDialogClosed(0);
  EXPECT_EQ(control->TabIndex(), 0);
}

TEST_F(TabInputTest, KeysMoveOverEnabledTabsAndCtrlTabWraps) {
  auto* control = MakeTabControl(form, {L"A", L"B", L"C", L"D"});
  control->Tabs()->Tab(1)->SetEnabled(false);
  struct TCase {
    WORD Key;
    TShiftState Shift;
    int From;
    bool Handled;
    int To;
  };
  const TCase cases[] = {
      {VK_TAB, {ssCtrl}, 3, true, 0},           {VK_TAB, {ssCtrl, ssShift}, 0, true, 3},
      {VK_RIGHT, {}, 0, true, 2},               {VK_LEFT, {}, 2, true, 0},
      {VK_RIGHT, {}, 3, true, 3},               {VK_HOME, {}, 3, true, 0},
      {VK_END, {}, 0, true, 3},                 {VK_RIGHT, {ssAlt}, 0, false, 0},
      {VK_TAB, {}, 0, false, 0},                {VK_TAB, {ssCtrl}, 0, true, 2},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "key " << c.Key << " from " << c.From);
    control->SetTabIndex(c.From);
    WORD key = c.Key;
    EXPECT_EQ(control->ProcessTabKey(key, c.Shift), c.Handled);
    EXPECT_EQ(control->TabIndex(), c.To);
  }
  control->SetHideTabs(true);
  WORD key = VK_RIGHT;
  EXPECT_FALSE(control->ProcessTabKey(key, {}));

  // Button styles only move the keyboard focus; Space selects it.
  control->SetHideTabs(false);
  control->SetStyle(TTestPCButtonsPainter::GetStyleID());
  control->SetTabIndex(0);
  key = VK_RIGHT;
  control->ProcessTabKey(key, {});
  EXPECT_EQ(control->TabIndex(), 0);
  EXPECT_EQ(control->KeyboardFocusedTab(), 2);
  key = VK_SPACE;
  EXPECT_TRUE(control->ProcessTabKey(key, {}));
  EXPECT_EQ(control->TabIndex(), 2);
}

TEST_F(TabInputTest, TheWheelScrollsOverTheStripOnlyEvenWithoutArrows) {
  auto* control = MakeTabControl(form, {L"A", L"B", L"C", L"D", L"E", L"F"}, 160);
  control->SetOptions(control->Options() + TcxPCOptions{pcoNoArrows});
  auto wheel = [&](int Y, int delta) {
    const TPoint p = control->ClientToScreen(TPoint{40, Y});
    SendMessageW(control->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(p.X, p.Y));
  };
  wheel(80, -WHEEL_DELTA);
  EXPECT_EQ(control->FirstVisibleTab(), 0) << "over the display area";
  wheel(10, -WHEEL_DELTA);
  EXPECT_EQ(control->FirstVisibleTab(), 1);
  wheel(10, WHEEL_DELTA);
  EXPECT_EQ(control->FirstVisibleTab(), 0);
}

}  // namespace
