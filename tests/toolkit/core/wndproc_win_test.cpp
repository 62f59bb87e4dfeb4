// Chains of window procedures: three hooks on one window, on a raw window and
// on a runtime control, removed in every order; each message reaches every
// hook still installed and the window's own procedure exactly once, newest
// hook first, and the window ends with the procedure it had before.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "cxControlsBase_win.h"
#include "runtime/controls_test_support.h"

namespace {

const UINT kProbe = WM_APP + 0x300;
std::string GLog;

// A hook that notes its letter and passes the message on.
struct THook : TObject {
  char Letter = '?';
  TcxWindowProcLinkedObject* Node = nullptr;
  void WindowProc(TMessage& Message) {
    if (Message.Msg == kProbe) GLog += Letter;
    CallPreviousWindowProc(Node, Message);
  }
};

LRESULT CALLBACK OriginalProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kProbe) {
    GLog += 'O';
    return 42;
  }
  return DefWindowProcW(wnd, msg, wp, lp);
}

HWND CreateRawWindow() {
  static ATOM atom = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &OriginalProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ChainTestWindow";
    return RegisterClassW(&wc);
  }();
  return CreateWindowExW(0, MAKEINTATOM(atom), L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

// What the hooks still installed (newest first) and then the window leave in the log.
std::string Expected(const std::string& installed) { return std::string(installed.rbegin(), installed.rend()) + "O"; }

class WindowProcChainTest : public testing::Test {
 protected:
  void SetUp() override { InitializeUnits({cxControlsBaseUnit}); }
  void TearDown() override { FinalizeUnits(); }

  // Installs hooks A, B, C with Add, then removes them in `order`; Send
  // delivers one probe message and answers its result.
  template <class AddHook, class Send>
  void RunEveryRemovalOrder(AddHook add, Send send) {
    std::string order = "ABC";
    do {
      SCOPED_TRACE("removal order " + order);
      THook hooks[3];
      std::string installed;
      for (int i = 0; i < 3; ++i) {
        hooks[i].Letter = char('A' + i);
        hooks[i].Node = add(hooks[i]);
        ASSERT_NE(hooks[i].Node, nullptr);
        installed += hooks[i].Letter;
      }
      EXPECT_EQ(GetWindowProcController()->ChainCount(), 1);
      for (char letter : order) {
        GLog.clear();
        EXPECT_EQ(send(), 42);
        EXPECT_EQ(GLog, Expected(installed));
        THook& hook = hooks[letter - 'A'];
        GetWindowProcController()->RemoveWindowProc(hook.Node);
        EXPECT_EQ(hook.Node, nullptr);
        installed.erase(installed.find(letter), 1);
      }
      GLog.clear();
      EXPECT_EQ(send(), 42);
      EXPECT_EQ(GLog, "O");
      EXPECT_EQ(GetWindowProcController()->ChainCount(), 0);
    } while (std::next_permutation(order.begin(), order.end()));
  }
};

TEST_F(WindowProcChainTest, ThreeHooksOnARawWindowRemovedInEveryOrder) {
  HWND wnd = CreateRawWindow();
  RunEveryRemovalOrder(
      [&](THook& hook) {
        return GetWindowProcController()->AddHandleWindowProc(wnd, TWndMethod(&hook, &THook::WindowProc));
      },
      [&] { return SendMessageW(wnd, kProbe, 0, 0); });
  EXPECT_EQ(GetWindowLongPtrW(wnd, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&OriginalProc));
  EXPECT_EQ(GetPropW(wnd, L"cxWindowProcChain"), nullptr);
  DestroyWindow(wnd);
}

// A runtime control whose WindowProc another library replaced before.
struct TForeign : TObject {
  TWndMethod Previous;
  void WindowProc(TMessage& Message) {
    if (Message.Msg == kProbe) {
      GLog += 'O';
      Message.Result = 42;
      return;
    }
    Previous(Message);
  }
};

TEST_F(WindowProcChainTest, ThreeHooksOnARuntimeControlKeepItsReplacedProcedure) {
  controls_test::THost control(nullptr);
  TForeign foreign;
  foreign.Previous = control.WindowProc();
  const TWndMethod replaced(&foreign, &TForeign::WindowProc);
  control.SetWindowProc(replaced);
  RunEveryRemovalOrder(
      [&](THook& hook) {
        return GetWindowProcController()->AddControlWindowProc(&control, TWndMethod(&hook, &THook::WindowProc));
      },
      [&] { return SendMessageW(control.Handle(), kProbe, 0, 0); });
  EXPECT_EQ(control.WindowProc(), replaced);
  control.SetWindowProc(foreign.Previous);
}

TEST_F(WindowProcChainTest, AHookMayRemoveItselfAndWithItTheChainWhileItHandlesAMessage) {
  HWND wnd = CreateRawWindow();
  struct TOnce : TObject {
    TcxWindowProcLinkedObject* Node = nullptr;
    int Calls = 0;
    void WindowProc(TMessage& Message) {
      if (Message.Msg != kProbe) return CallPreviousWindowProc(Node, Message);
      ++Calls;
      GetWindowProcController()->RemoveWindowProc(Node);  // the chain goes here
      CallPreviousWindowProc(Node, Message);              // null now: nothing
      Message.Result = 7;
    }
  } once;
  once.Node = GetWindowProcController()->AddHandleWindowProc(wnd, TWndMethod(&once, &TOnce::WindowProc));
  GLog.clear();
  EXPECT_EQ(SendMessageW(wnd, kProbe, 0, 0), 7);
  EXPECT_EQ(SendMessageW(wnd, kProbe, 0, 0), 42);
  EXPECT_EQ(once.Calls, 1);
  EXPECT_EQ(GLog, "O");
  EXPECT_EQ(GetWindowLongPtrW(wnd, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&OriginalProc));
  DestroyWindow(wnd);
}

TEST_F(WindowProcChainTest, NullsAndForeignNodesChangeNothing) {
  TcxWindowProcController* controller = GetWindowProcController();
  THook hook;
  EXPECT_EQ(controller->AddHandleWindowProc(nullptr, TWndMethod(&hook, &THook::WindowProc)), nullptr);
  EXPECT_EQ(controller->AddControlWindowProc(nullptr, TWndMethod(&hook, &THook::WindowProc)), nullptr);
  TcxWindowProcLinkedObject* none = nullptr;
  controller->RemoveWindowProc(none);
  EXPECT_EQ(controller->ChainCount(), 0);

  TcxDoublyLinkedObjectList mine, other;
  TcxDoublyLinkedObject* first = mine.AddNode();
  TcxDoublyLinkedObject* second = mine.AddNode();
  TcxDoublyLinkedObject* foreign = first;
  other.RemoveNode(foreign);
  EXPECT_EQ(foreign, first) << "a node of another list was taken";
  EXPECT_EQ(mine.Last(), second);
  mine.RemoveNode(foreign);
  EXPECT_EQ(foreign, nullptr);
  EXPECT_EQ(mine.Last(), second);
  EXPECT_EQ(second->Prev(), nullptr);
}

}  // namespace
