// Drag and drop between controls: the drag starts at once or after the
// threshold, targets accept or refuse, a drop reaches the target's
// OnDragDrop and the source's OnEndDrag, and Esc cancels.
#include <gtest/gtest.h>

#include "controls_test_support.h"

using namespace controls_test;

namespace {

struct TDragEvents : TObject {
  TObject* Expected = nullptr;
  std::vector<std::wstring> Log;
  void Start(TObject*, TDragObject*&) { Log.push_back(L"start"); }
  void Over(TObject*, TObject* Source, int, int, TDragState State, bool& Accept) {
    if (State == dsDragEnter) Log.push_back(L"enter");
    Accept = Source == Expected;
  }
  void Drop(TObject*, TObject* Source, int X, int Y) {
    Log.push_back(L"drop " + std::to_wstring(X) + L"," + std::to_wstring(Y) + (Source == Expected ? L" source" : L""));
  }
  void End(TObject*, TObject* Target, int, int) { Log.push_back(Target ? L"end on target" : L"end nowhere"); }
};

struct TDragScene {
  TDragEvents ev;
  THost host{nullptr};
  TMyShape* source;
  TMyPanel* target;
  TDragScene() {
    host.SetBounds(100, 100, 300, 200);
    source = new TMyShape(&host);
    source->SetBounds(10, 10, 40, 40);
    source->SetParent(&host);
    target = new TMyPanel(&host);
    target->SetBounds(150, 10, 100, 100);
    target->SetParent(&host);
    ev.Expected = source;
    source->OnStartDrag = TStartDragEvent(&ev, &TDragEvents::Start);
    source->OnEndDrag = TEndDragEvent(&ev, &TDragEvents::End);
    target->OnDragOver = TDragOverEvent(&ev, &TDragEvents::Over);
    target->OnDragDrop = TDragDropEvent(&ev, &TDragEvents::Drop);
    host.Show();
    host.Update();
  }
  // Posts a mouse message to the drag's capture window at a screen point.
  static void PostToDrag(UINT msg, TPoint screen) {
    HWND cap = GetCapture();
    ASSERT_NE(cap, nullptr) << "the drag holds the mouse";
    // The real pointer goes there too, so moves the system makes up agree.
    SetCursorPos(screen.X, screen.Y);
    POINT p{screen.X, screen.Y};
    ScreenToClient(cap, &p);
    PostMessageW(cap, msg, msg == WM_MOUSEMOVE ? MK_LBUTTON : 0, MAKELPARAM(p.x, p.y));
    PumpMessages();
  }
};

TEST(ControlDragTest, ADropOnAnAcceptingTargetReachesBothEnds) {
  TDragScene s;
  s.source->BeginDrag(true);
  EXPECT_TRUE(s.source->Dragging());
  const TPoint at = s.target->ClientToScreen(TPoint{30, 40});
  TDragScene::PostToDrag(WM_MOUSEMOVE, at);
  TDragScene::PostToDrag(WM_LBUTTONUP, at);
  EXPECT_FALSE(s.source->Dragging());
  EXPECT_EQ(s.ev.Log, (std::vector<std::wstring>{L"start", L"enter", L"drop 30,40 source", L"end on target"}));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST(ControlDragTest, ARefusedDropEndsNowhere) {
  TDragScene s;
  s.ev.Expected = nullptr;  // the target refuses everything
  s.source->BeginDrag(true);
  const TPoint at = s.target->ClientToScreen(TPoint{30, 40});
  TDragScene::PostToDrag(WM_MOUSEMOVE, at);
  TDragScene::PostToDrag(WM_LBUTTONUP, at);
  EXPECT_EQ(s.ev.Log, (std::vector<std::wstring>{L"start", L"enter", L"end nowhere"}));
}

// The threshold is larger than the screen, so no real mouse movement on the
// shared display can start the drag early.
TEST(ControlDragTest, ADelayedDragStartsOnlyPastTheThreshold) {
  TDragScene s;
  s.source->BeginDrag(false, 3000);
  const TPoint start = Mouse->CursorPos();
  TDragScene::PostToDrag(WM_MOUSEMOVE, TPoint{start.X + 2999, start.Y - 2999});
  EXPECT_TRUE(s.ev.Log.empty()) << "still inside the threshold";
  EXPECT_EQ(DragObject(), nullptr);
  TDragScene::PostToDrag(WM_MOUSEMOVE, TPoint{start.X, start.Y + 3000});
  EXPECT_EQ(s.ev.Log, (std::vector<std::wstring>{L"start"}));
  EXPECT_NE(DragObject(), nullptr);
  s.source->EndDrag(false);
  EXPECT_EQ(s.ev.Log.back(), L"end nowhere");
}

TEST(ControlDragTest, EscapeCancelsTheDrag) {
  TDragScene s;
  s.source->BeginDrag(true);
  TDragScene::PostToDrag(WM_MOUSEMOVE, s.target->ClientToScreen(TPoint{30, 40}));
  PostMessageW(s.host.Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
  PumpMessages();
  EXPECT_FALSE(s.source->Dragging());
  EXPECT_EQ(s.ev.Log.back(), L"end nowhere");
  EXPECT_EQ(DragObject(), nullptr);
}

TEST(ControlDragTest, FreeingTheSourceEndsItsDrag) {
  TDragScene s;
  s.source->BeginDrag(true);
  s.source->OnEndDrag = nullptr;
  delete s.source;
  EXPECT_EQ(DragObject(), nullptr);
  EXPECT_EQ(GetCapture(), nullptr);
}

}  // namespace
