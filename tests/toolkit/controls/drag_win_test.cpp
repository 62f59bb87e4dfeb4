// With the real pointer: a press on a toolkit control in automatic drag mode
// becomes a drag between controls once the mouse leaves the threshold (a
// release makes it a click, Esc cancels it); the target's acceptance shows in
// the cursor, the drop reaches both ends, Esc cancels a running drag. The
// middle button's pointing loop scrolls toward the pointer on its timer's
// ticks (which the test fires, D-61) and ends as the Part says. The pointer
// is placed for real, so the test runs alone on the display.
#include <functional>

#include "scrollbar_test_support.h"

using namespace controls_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TControlsUnits);

// Shown and active: its controls take the focus on a click.
void Activate(TCustomForm* AForm) {
  AForm->Show();
  SetForegroundWindow(AForm->Handle());
  Pump();
}

class TDragSource : public TTestControl {
  VAMIRE_CLASS(TDragSource, TTestControl)
 public:
  using TTestControl::TTestControl;
  bool Copy = false;

 protected:
  bool IsCopyDragDrop() override { return Copy; }
};

struct TDragEvents : TObject {
  TObject* Expected = nullptr;
  std::vector<std::wstring> Log;
  void Over(TObject*, TObject* Source, int, int, TDragState State, bool& Accept) {
    if (State == dsDragEnter) Log.push_back(L"enter");
    Accept = Source == Expected;
  }
  void Drop(TObject*, TObject* Source, int X, int Y) {
    Log.push_back(L"drop " + std::to_wstring(X) + L"," + std::to_wstring(Y) + (Source == Expected ? L" source" : L""));
  }
  void End(TObject*, TObject* Target, int, int) { Log.push_back(Target ? L"end on target" : L"end nowhere"); }
  void Click(TObject*) { Log.push_back(L"click"); }
};

class DragTest : public testing::Test {
 protected:
  void SetUp() override {
    form = MakeForm();
    Activate(form);
    source = new TDragSource(form);
    source->SetBounds(10, 10, 100, 60);
    source->SetParent(form);
    source->SetDragMode(dmAutomatic);
    target = new TTestControl(form);
    target->SetBounds(200, 10, 100, 60);
    target->SetParent(form);
    events.Expected = source;
    source->OnEndDrag = TEndDragEvent(&events, &TDragEvents::End);
    source->OnClick = TNotifyEvent(&events, &TDragEvents::Click);
    target->OnDragOver = TDragOverEvent(&events, &TDragEvents::Over);
    target->OnDragDrop = TDragDropEvent(&events, &TDragEvents::Drop);
    Pump();
  }
  void TearDown() override {
    if (source) source->EndDrag(false);
    ReleaseCapture();
    delete form;
  }
  // The press at a client point of the source, with what the loop then meets already queued.
  void Press(TPoint At) {
    const TPoint screen = source->ClientToScreen(At);
    SetCursorPos(screen.X, screen.Y);
    SendMessageW(source->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(At.X, At.Y));
    Pump();
  }
  void QueueMove(TPoint At) { PostMessageW(source->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(At.X, At.Y)); }
  // A message to the running drag's window at a screen point, the pointer there too.
  static void ToDrag(UINT Msg, TPoint Screen) {
    HWND capture = GetCapture();
    ASSERT_NE(capture, nullptr) << "the drag holds the mouse";
    SetCursorPos(Screen.X, Screen.Y);
    POINT p{Screen.X, Screen.Y};
    ScreenToClient(capture, &p);
    PostMessageW(capture, Msg, Msg == WM_MOUSEMOVE ? MK_LBUTTON : 0, MAKELPARAM(p.x, p.y));
    Pump();
  }
  THostForm* form = nullptr;
  TDragSource* source = nullptr;
  TTestControl* target = nullptr;
  TDragEvents events;
};

TEST_F(DragTest, ADragLeavesTheThresholdShowsAcceptanceInTheCursorAndDropsOnTheTarget) {
  QueueMove(TPoint{40, 20});
  Press(TPoint{20, 20});
  ASSERT_TRUE(source->Dragging()) << "the mouse left the threshold";
  const TPoint over = target->ClientToScreen(TPoint{30, 40});
  ToDrag(WM_MOUSEMOVE, over);
  EXPECT_EQ(GetCursor(), GetCursorHandle(source->DragCursor())) << "an accepting target";
  source->Copy = true;
  ToDrag(WM_MOUSEMOVE, TPoint{over.X + 1, over.Y});
  EXPECT_EQ(GetCursor(), GetCursorHandle(crcxDragCopy)) << "a copy shows the library's copy cursor";
  source->Copy = false;
  ToDrag(WM_MOUSEMOVE, form->ClientToScreen(TPoint{150, 150}));
  EXPECT_EQ(GetCursor(), GetCursorHandle(crNoDrop)) << "nothing accepts here";
  ToDrag(WM_MOUSEMOVE, over);
  ToDrag(WM_LBUTTONUP, over);
  EXPECT_FALSE(source->Dragging());
  EXPECT_EQ(events.Log, (std::vector<std::wstring>{L"enter", L"enter", L"drop 30,40 source", L"end on target"}));
}

TEST_F(DragTest, EscapeCancelsARunningDrag) {
  QueueMove(TPoint{40, 20});
  Press(TPoint{20, 20});
  ASSERT_TRUE(source->Dragging());
  ToDrag(WM_MOUSEMOVE, target->ClientToScreen(TPoint{30, 40}));
  PostMessageW(form->Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
  Pump();
  EXPECT_FALSE(source->Dragging());
  EXPECT_EQ(events.Log.back(), L"end nowhere");
  EXPECT_EQ(DragObject(), nullptr);
}

TEST_F(DragTest, InsideTheThresholdAReleaseIsAClickAndEscapeStartsNothing) {
  struct TCase {
    const char* What;
    UINT Message;
    WPARAM WParam;
    TPoint At;
    std::vector<std::wstring> Log;
  };
  const TCase cases[] = {
      {"a move inside the threshold, then the release", WM_LBUTTONUP, 0, {22, 22}, {L"click"}},
      {"Esc", WM_KEYDOWN, VK_ESCAPE, {20, 20}, {}},
      // Left of the window's edge but near the press: signed coordinates keep it a press.
      {"a move just left of the window, then the release", WM_LBUTTONUP, 0, {-2, 20}, {L"click"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    events.Log.clear();
    const TPoint press = c.At.X < 0 ? TPoint{1, 20} : TPoint{20, 20};
    QueueMove(c.At);
    if (c.Message == WM_KEYDOWN) PostMessageW(source->Handle(), WM_KEYDOWN, c.WParam, 1);
    else PostMessageW(source->Handle(), c.Message, 0, MAKELPARAM(press.X, press.Y));
    Press(press);
    EXPECT_FALSE(source->Dragging());
    EXPECT_EQ(DragObject(), nullptr);
    if (c.Message == WM_KEYDOWN) {
      SendMessageW(source->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(press.X, press.Y));
      EXPECT_TRUE(events.Log.empty() || events.Log == std::vector<std::wstring>{L"click"});
    } else {
      EXPECT_EQ(events.Log, c.Log);
    }
  }
}

// --- The pointing loop --------------------------------------------------------------------------
// Runs steps from inside the modal loop: each posted request is served when the loop dispatches it.
class TLoopDriver : public TObject {
 public:
  TLoopDriver() { FWindow = AllocateHWnd(TWndMethod(this, &TLoopDriver::WndProc)); }
  ~TLoopDriver() override { DeallocateHWnd(FWindow); }
  void Post(std::function<void()> AStep) {
    FSteps.push_back(std::move(AStep));
    PostMessageW(FWindow, WM_APP, 0, 0);
  }
  static void Ticks(int ACount) {
    for (int i = 0; i < ACount; ++i) PostThreadMessageW(GetCurrentThreadId(), WM_TIMER, ScrollContentLoopTimerID(), 0);
  }

 private:
  void WndProc(TMessage& Message) {
    if (Message.Msg != WM_APP || FSteps.empty()) {
      Message.Result = DefWindowProcW(FWindow, Message.Msg, Message.WParam, Message.LParam);
      return;
    }
    auto step = FSteps.front();
    FSteps.erase(FSteps.begin());
    step();
  }
  HWND FWindow;
  std::vector<std::function<void()>> FSteps;
};

class PointingLoopTest : public testing::Test {
 protected:
  void SetUp() override {
    form = MakeForm(500, 400);
    Activate(form);
    control = new TScrollingControl(form);
    control->SetBounds(10, 10, 300, 200);
    control->SetParent(form);
    control->ContentWidth = 2000;
    control->ContentHeight = 2000;
    control->UpdateScrollBars();
    anchor = control->ClientToScreen(TPoint{100, 80});
    SetCursorPos(anchor.X, anchor.Y);
    Pump();
  }
  void TearDown() override { delete form; }
  // A move of the pointer to an offset from the anchor, as the loop meets it.
  void MoveBy(int DX, int DY) {
    const TPoint p = control->ScreenToClient(TPoint{anchor.X + DX, anchor.Y + DY});
    PostMessageW(control->Handle(), WM_MOUSEMOVE, MK_MBUTTON, MAKELPARAM(p.X, p.Y));
  }
  void EndWithClick() { PostMessageW(control->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }
  void Run() {
    SendMessageW(control->Handle(), WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(100, 80));
    Pump();
  }
  THostForm* form = nullptr;
  TScrollingControl* control = nullptr;
  TPoint anchor;
  TLoopDriver driver;
};

TEST_F(PointingLoopTest, ThePointerBelowTheAnchorScrollsDownOnEveryTickAtTopSpeed) {
  HCURSOR seen = nullptr;
  UINT_PTR timer = 0;
  MoveBy(0, 80);
  driver.Post([&] {
    timer = ScrollContentLoopTimerID();
    seen = GetCursor();
    TLoopDriver::Ticks(24);
    driver.Post([&] { EndWithClick(); });
  });
  Run();
  EXPECT_NE(timer, 0u);
  EXPECT_EQ(seen, GetCursorHandle(TCursor(crcxDownScroll)));
  ASSERT_EQ(control->Scrolled.size(), 24u) << "top speed scrolls at every tick";
  for (const auto& s : control->Scrolled) EXPECT_EQ(s.first, sbVertical);
  EXPECT_FALSE(control->IsScrollingContent());
  EXPECT_EQ(ScrollContentLoopTimerID(), 0u);
  EXPECT_NE(GetCapture(), control->Handle());
}

TEST_F(PointingLoopTest, SlowSpeedsWaitTicksAndAPlainMiddleClickKeepsTheLoopGoing) {
  PostMessageW(control->Handle(), WM_MBUTTONUP, 0, MAKELPARAM(100, 80));
  MoveBy(-20, 0);  // 20 left: speed (20 - 14) / 5 + 1 = 2, one line every 11 ticks
  driver.Post([&] {
    TLoopDriver::Ticks(22);
    driver.Post([&] { EndWithClick(); });
  });
  Run();
  EXPECT_EQ(control->Scrolled, (std::vector<std::pair<TScrollBarKind, int>>{{sbHorizontal, 0}, {sbHorizontal, 0}}));
}

TEST_F(PointingLoopTest, PressMoveAndReleaseEndsTheLoop) {
  MoveBy(0, 80);
  PostMessageW(control->Handle(), WM_MBUTTONUP, 0, MAKELPARAM(100, 160));
  bool reached = false;
  driver.Post([&] { reached = true; });
  Run();
  EXPECT_FALSE(control->IsScrollingContent());
  EXPECT_TRUE(control->Scrolled.empty());
  Pump();
  EXPECT_TRUE(reached) << "served after the loop, by the ordinary pump";
}

TEST_F(PointingLoopTest, WithOnlyAVerticalBarSidewaysNeverScrolls) {
  control->ContentWidth = 100;
  control->UpdateScrollBars();
  ASSERT_FALSE(control->IsHScrollBarVisible());
  HCURSOR seen = nullptr;
  MoveBy(150, 5);
  driver.Post([&] {
    seen = GetCursor();
    TLoopDriver::Ticks(30);
    driver.Post([&] { EndWithClick(); });
  });
  Run();
  EXPECT_TRUE(control->Scrolled.empty());
  EXPECT_EQ(seen, GetCursorHandle(TCursor(crcxVerScroll)));
}

}  // namespace
