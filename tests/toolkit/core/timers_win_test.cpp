// The toolkit's timers on their one shared window, and the system controller.
// Ticks are WM_TIMER messages the test posts to the timer window, so nothing
// waits for real time except the one smoke test at the end.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <vector>

#include "Threads.h"
#include "cxControlsBase_win.h"

namespace {

void Pump() {
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
}

void PostTick(UINT_PTR TimerID) { PostMessageW(GetTimerWindow()->Handle(), WM_TIMER, TimerID, 0); }

// A lambda does not convert to the 32-bit target's stdcall callback type.
BOOL CALLBACK CountIfUtilityWindow(HWND wnd, LPARAM counter) {
  wchar_t name[32] = {};
  GetClassNameW(wnd, name, 32);
  if (lstrcmpW(name, L"TPUtilWindow") == 0) ++*reinterpret_cast<int*>(counter);
  return TRUE;
}

int CountUtilityWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountIfUtilityWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

// Records which timer fired, in order.
struct TFired : TObject {
  std::vector<TObject*> Order;
  void Tick(TObject* Sender) { Order.push_back(Sender); }
};

// A timer whose memory is never handed back: freeing it takes every access
// away from its page, so any later touch of the object faults at once.
class TTrapTimer : public TcxTimer {
  VAMIRE_CLASS(TTrapTimer, TcxTimer)
 public:
  using TcxTimer::TcxTimer;
  static void* operator new(std::size_t size) {
    return VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  }
  static void operator delete(void* p) {
    DWORD old;
    VirtualProtect(p, 1, PAGE_NOACCESS, &old);
  }
};

class TimerTest : public testing::Test {
 protected:
  void SetUp() override { InitializeUnits({ThreadsUnit, cxControlsBaseUnit}); }
  void TearDown() override {
    Pump();
    FinalizeUnits();
  }
};

TEST_F(TimerTest, ManyTimersShareOneWindowTakeGrowingIdsAndFireInTheOrderTheirTicksCome) {
  TFired fired;
  GetTimerWindow();
  const int windows = CountUtilityWindows();
  std::vector<std::unique_ptr<TcxTimer>> timers;
  for (int i = 0; i < 40; ++i) {
    timers.push_back(std::make_unique<TcxTimer>(nullptr));
    timers.back()->SetInterval(600000);
    timers.back()->SetOnTimer(TNotifyEvent(&fired, &TFired::Tick));
    if (i > 0) {
      EXPECT_GT(timers[i]->TimerID(), timers[i - 1]->TimerID());
    }
  }
  EXPECT_EQ(CountUtilityWindows(), windows) << "timers made windows of their own";
  EXPECT_EQ(GetRunningTimerList()->Count(), 40);

  std::vector<TObject*> expected;
  for (int i : {7, 0, 39, 12, 12, 3, 25, 0}) {
    PostTick(timers[i]->TimerID());
    expected.push_back(timers[i].get());
  }
  Pump();
  EXPECT_EQ(fired.Order, expected);
  timers.clear();
  EXPECT_EQ(GetRunningTimerList()->Count(), 0);
}

TEST_F(TimerTest, ATimerFreedInsideItsOwnHandlerIsNeverTouchedAgain) {
  struct TSelfFreeing : TObject {
    int Ticks = 0;
    void Tick(TObject* Sender) {
      ++Ticks;
      delete Sender;
    }
  } handler;
  TcxTimer* timer = new TTrapTimer(nullptr);
  timer->SetInterval(600000);
  timer->SetOnTimer(TNotifyEvent(&handler, &TSelfFreeing::Tick));
  const UINT_PTR id = timer->TimerID();
  PostTick(id);
  PostTick(id);  // already queued when the timer goes
  Pump();
  EXPECT_EQ(handler.Ticks, 1);
  EXPECT_EQ(GetRunningTimerList()->Find(id), nullptr);
}

TEST_F(TimerTest, AStaleTickOfAFreedOrStoppedTimerIsIgnoredEvenByATimerAtTheSameAddress) {
  TFired fired;
  alignas(TcxTimer) unsigned char place[sizeof(TcxTimer)];
  auto* first = new (place) TcxTimer(nullptr);
  first->SetInterval(600000);
  first->SetOnTimer(TNotifyEvent(&fired, &TFired::Tick));
  const UINT_PTR staleID = first->TimerID();
  PostTick(staleID);
  first->~TcxTimer();
  auto* second = new (place) TcxTimer(nullptr);  // the very address of the freed one
  second->SetInterval(600000);
  second->SetOnTimer(TNotifyEvent(&fired, &TFired::Tick));
  EXPECT_NE(second->TimerID(), staleID);

  TcxTimer stopped(nullptr);
  stopped.SetInterval(600000);
  stopped.SetOnTimer(TNotifyEvent(&fired, &TFired::Tick));
  PostTick(stopped.TimerID());
  stopped.SetEnabled(false);
  PostTick(0xDEAD);  // an id no timer ever had
  Pump();
  EXPECT_TRUE(fired.Order.empty());
  second->~TcxTimer();
}

TEST_F(TimerTest, ATimerRunsOnlyEnabledWithAHandlerAndAZeroIntervalChangesNothing) {
  TFired fired;
  TcxTimer timer(nullptr);
  EXPECT_TRUE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 1000u);
  TcxRunningTimerList* running = GetRunningTimerList();
  EXPECT_EQ(running->Find(timer.TimerID()), nullptr) << "running without a handler";

  timer.SetEnabled(false);
  timer.SetOnTimer(TNotifyEvent(&fired, &TFired::Tick));
  EXPECT_EQ(running->Find(timer.TimerID()), nullptr) << "running while disabled";
  timer.SetEnabled(true);
  EXPECT_EQ(running->Find(timer.TimerID()), &timer);

  timer.SetInterval(0);
  EXPECT_EQ(timer.Interval(), 1000u);
  EXPECT_EQ(running->Find(timer.TimerID()), &timer);
  timer.SetInterval(600000);
  EXPECT_EQ(timer.Interval(), 600000u);
  timer.SetOnTimer(nullptr);
  EXPECT_EQ(running->Find(timer.TimerID()), nullptr);
}

TEST_F(TimerTest, AnExceptionInTheHandlerGoesToTheHandlerOfCallbacksAndTheTimerGoesOn) {
  struct TRaising : TObject {
    int Ticks = 0;
    int Failures = 0;
    void Tick(TObject*) {
      ++Ticks;
      throw EConvertError(L"bad tick");
    }
    void Failed(TObject*, const Exception& e) {
      EXPECT_EQ(e.Message(), L"bad tick");
      ++Failures;
    }
  } raising;
  SetCallbackExceptionHandler(TExceptionHandler(&raising, &TRaising::Failed));
  TcxTimer timer(nullptr);
  timer.SetInterval(600000);
  timer.SetOnTimer(TNotifyEvent(&raising, &TRaising::Tick));
  PostTick(timer.TimerID());
  PostTick(timer.TimerID());
  Pump();
  SetCallbackExceptionHandler(nullptr);
  EXPECT_EQ(raising.Ticks, 2);
  EXPECT_EQ(raising.Failures, 2);
}

TEST_F(TimerTest, OnceTheUnitEndsTimersStayQuietAndNoWindowIsMadeAgain) {
  TFired fired;
  TcxTimer running(nullptr);
  running.SetInterval(600000);
  running.SetOnTimer(TNotifyEvent(&fired, &TFired::Tick));
  FinalizeUnits();
  EXPECT_EQ(GetTimerWindow(), nullptr);
  EXPECT_EQ(GetRunningTimerList(), nullptr);
  EXPECT_EQ(GetMessageWindow(), nullptr);
  EXPECT_EQ(GetWindowProcController(), nullptr);
  TcxTimer late(nullptr);
  late.SetOnTimer(TNotifyEvent(&fired, &TFired::Tick));  // nowhere to run: stays stopped
  running.SetEnabled(false);
  InitializeUnits({ThreadsUnit, cxControlsBaseUnit});
}

TEST_F(TimerTest, TheSystemControllerRunsQueuedCallsWhenHookedAndPutsTheWakeUpBack) {
  struct TCall : TObject {
    int Runs = 0;
    void Run() { ++Runs; }
  } call;
  TcxSystemController* controller = GetSystemController();
  ASSERT_NE(controller, nullptr);
  const TNotifyEvent before = WakeMainThread;
  const TNotifyEvent hooked(controller, &TcxSystemController::WakeMainThread);
  EXPECT_FALSE(before == hooked) << "a program must not hook the wake-up";
  controller->HookWakeMainThread();
  EXPECT_EQ(WakeMainThread, hooked);

  std::thread worker([&] { TThread::Queue(nullptr, TThreadMethod(&call, &TCall::Run)); });
  worker.join();
  MSG m;
  EXPECT_TRUE(PeekMessageW(&m, controller->Handle(), CXM_SYNCHRONIZE, CXM_SYNCHRONIZE, PM_NOREMOVE));
  EXPECT_EQ(call.Runs, 0);
  Pump();
  EXPECT_EQ(call.Runs, 1);
  controller->UnhookWakeMainThread();
  EXPECT_EQ(WakeMainThread, before);
}

// The one test on real time: a short timer ticks through the message loop.
TEST_F(TimerTest, SmokeATenMillisecondTimerTicksThroughTheMessageLoop) {
  TFired fired;
  TcxTimer timer(nullptr);
  timer.SetInterval(10);
  timer.SetOnTimer(TNotifyEvent(&fired, &TFired::Tick));
  const DWORD start = GetTickCount();
  while (fired.Order.size() < 2 && GetTickCount() - start < 5000) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    Pump();
  }
  EXPECT_GE(fired.Order.size(), 2u);
  EXPECT_GE(GetTickCount() - start, 10u);
}

}  // namespace
