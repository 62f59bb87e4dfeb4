// Windows of controls: made on demand under the runtime class name, nested,
// freed with their owner, and re-created with everything they held.
#include <gtest/gtest.h>

#include "controls_test_support.h"

using namespace controls_test;

namespace {

TEST(ControlWindowTest, NestedControlsGetWindowsUnderTheirClassNames) {
  THost host(nullptr);
  auto* panel = new TMyPanel(&host);
  panel->SetParent(&host);
  panel->SetBounds(10, 10, 100, 80);
  auto* shape = new TMyShape(&host);
  shape->SetParent(panel);
  host.HandleNeeded();
  host.Show();

  ASSERT_TRUE(host.HandleAllocated());
  ASSERT_TRUE(panel->HandleAllocated()) << "a showing parent makes its children's windows";
  EXPECT_EQ(WindowClassName(host.Handle()), L"THost");
  EXPECT_EQ(WindowClassName(panel->Handle()), L"TMyPanel");
  EXPECT_EQ(GetParent(panel->Handle()), host.Handle());
  EXPECT_EQ(FindControl(panel->Handle()), panel);
  EXPECT_EQ(shape->Parent(), panel);
  EXPECT_EQ(panel->ControlCount(), 1);
  RECT r;
  GetWindowRect(panel->Handle(), &r);
  MapWindowPoints(HWND_DESKTOP, host.Handle(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.right - r.left, 100);
}

// Another process's window (another program of ours under the mouse during a
// drag) is no control here; nor is a window of ours once it is gone.
TEST(ControlWindowTest, AWindowOfAnotherProcessIsNoControlHere) {
  const HWND desktop = GetDesktopWindow();
  DWORD process = 0;
  GetWindowThreadProcessId(desktop, &process);
  ASSERT_NE(process, GetCurrentProcessId()) << "the desktop window belongs to the desktop process";
  EXPECT_EQ(FindControl(desktop), nullptr);
  THost host(nullptr);
  auto* panel = new TMyPanel(&host);
  panel->SetParent(&host);
  const HWND wnd = panel->Handle();
  EXPECT_EQ(FindControl(wnd), panel);
  delete panel;
  EXPECT_FALSE(IsWindow(wnd));
  EXPECT_EQ(FindControl(wnd), nullptr) << "a destroyed window leaves no binding behind";
}

TEST(ControlWindowTest, FreeingTheOwnerDestroysEveryWindowOnce) {
  auto* host = new THost(nullptr);
  std::vector<HWND> windows;
  auto* a = new TMyPanel(host);
  a->SetParent(host);
  auto* b = new TMyPanel(host);
  b->SetParent(a);
  auto* c = new TMyShape(host);
  c->SetParent(b);
  host->Show();
  windows = {host->Handle(), a->Handle(), b->Handle()};
  for (HWND w : windows) ASSERT_TRUE(IsWindow(w));
  host->Free();
  for (HWND w : windows) EXPECT_FALSE(IsWindow(w));
}

TEST(ControlWindowTest, RecreatingKeepsChildrenBoundsTextVisibilityAndZOrder) {
  THost host(nullptr);
  auto* a = new TMyPanel(&host);
  a->SetName(L"A");
  a->SetParent(&host);
  a->SetBounds(5, 6, 50, 40);
  auto* b = new TMyPanel(&host);
  b->SetName(L"B");
  b->SetParent(&host);
  b->SetBounds(20, 25, 60, 30);
  auto* hidden = new TMyPanel(&host);
  hidden->SetParent(&host);
  hidden->SetVisible(false);
  host.Show();
  a->BringToFront();
  a->SetText(L"first");
  const HWND oldHost = host.Handle(), oldA = a->Handle();

  host.RecreateWnd();

  ASSERT_TRUE(host.HandleAllocated());
  EXPECT_NE(host.Handle(), oldHost);
  EXPECT_FALSE(IsWindow(oldA));
  ASSERT_TRUE(a->HandleAllocated());
  EXPECT_EQ(GetParent(a->Handle()), host.Handle());
  EXPECT_EQ(a->Text(), L"first");
  wchar_t buf[32] = {};
  GetWindowTextW(a->Handle(), buf, 32);
  EXPECT_STREQ(buf, L"first") << "the new window carries the text";
  EXPECT_EQ(b->BoundsRect(), (TRect{20, 25, 80, 55}));
  EXPECT_TRUE(IsWindowVisible(a->Handle()));
  EXPECT_FALSE(hidden->HandleAllocated() && IsWindowVisible(hidden->Handle()));
  const auto order = ChildWindows(host.Handle());
  ASSERT_GE(order.size(), 2u);
  EXPECT_EQ(order.front(), a->Handle()) << "a was brought to the front before";
}

TEST(ControlWindowTest, AControlBeingFreedHearsNoMoreMessages) {
  struct THook : TObject {
    TWndMethod Old;
    std::vector<UINT> Seen;
    void Proc(TMessage& M) {
      Seen.push_back(M.Msg);
      Old(M);
    }
  } hook;
  THost host(nullptr);
  auto* panel = new TMyPanel(&host);
  panel->SetParent(&host);
  host.Show();
  const HWND wnd = panel->Handle();
  hook.Old = panel->WindowProc();
  panel->SetWindowProc(TWndMethod(&hook, &THook::Proc));
  panel->Free();
  EXPECT_FALSE(IsWindow(wnd));
  for (UINT m : hook.Seen) EXPECT_NE(m, UINT(WM_DESTROY)) << "the window's end went to the default procedure only";
  EXPECT_EQ(FindControl(wnd), nullptr);
  EXPECT_EQ(host.ControlCount(), 0);
}

// D-9: at design time a control takes mouse presses only when it says so.
TEST(ControlWindowTest, AtDesignTimeTheMouseReachesOnlyControlsThatAskForIt) {
  class TDesignShape : public TMyShape {
   public:
    using TMyShape::TMyShape;
    bool Wants = false;
    int Downs = 0;
    void Dispatch(TMessage& Message) override {
      if (Message.Msg == CM_DESIGNHITTEST) {
        Message.Result = Wants ? 1 : 0;
        return;
      }
      TMyShape::Dispatch(Message);
    }

   protected:
    void MouseDown(TMouseButton, TShiftState, int, int) override { ++Downs; }
  } shape(nullptr);
  shape.Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
  EXPECT_EQ(shape.Downs, 1) << "at run time every press arrives";
  shape.SetDesigning(true);
  shape.Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
  EXPECT_EQ(shape.Downs, 1);
  shape.Wants = true;
  shape.Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
  EXPECT_EQ(shape.Downs, 2);
}

}  // namespace
