// The timer component: ticks reach OnTimer from the message loop, a change of
// interval re-arms it, and an exception in the handler does not stop it.
#include <gtest/gtest.h>

#include "ExtCtrls.h"

namespace {

// Runs the message loop until done() or the time is up.
template <class F>
bool PumpUntil(F done, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
  }
  return true;
}

struct TTicks : TObject {
  int ticks = 0;
  int failures = 0;
  bool raise = false;
  void Tick(TObject*) {
    ++ticks;
    if (raise && ticks == 1) throw EConvertError(L"bad tick");
  }
  void Failed(TObject*, const Exception& e) {
    EXPECT_EQ(e.Message(), L"bad tick");
    ++failures;
  }
};

TEST(TimerTest, TicksReachTheHandler) {
  TTicks t;
  TTimer timer(nullptr);
  timer.SetInterval(10);
  timer.SetOnTimer(TNotifyEvent(&t, &TTicks::Tick));
  EXPECT_TRUE(PumpUntil([&] { return t.ticks >= 3; }, 5000));
}

TEST(TimerTest, ChangingTheIntervalReArmsTheTimer) {
  TTicks t;
  TTimer timer(nullptr);
  timer.SetInterval(60000);
  timer.SetOnTimer(TNotifyEvent(&t, &TTicks::Tick));
  PumpUntil([] { return false; }, 50);
  EXPECT_EQ(t.ticks, 0);
  timer.SetInterval(10);
  EXPECT_TRUE(PumpUntil([&] { return t.ticks >= 1; }, 5000)) << "the new interval was not armed";
}

TEST(TimerTest, DisabledOrZeroIntervalTimersStayQuiet) {
  TTicks t;
  TTimer timer(nullptr);
  timer.SetInterval(10);
  timer.SetEnabled(false);
  timer.SetOnTimer(TNotifyEvent(&t, &TTicks::Tick));
  PumpUntil([] { return false; }, 100);
  EXPECT_EQ(t.ticks, 0);
  timer.SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return t.ticks >= 1; }, 5000));
  timer.SetInterval(0);
  int seen = t.ticks;
  PumpUntil([] { return false; }, 100);
  EXPECT_EQ(t.ticks, seen);
}

TEST(TimerTest, AnExceptionInTheHandlerGoesToTheHandlerOfCallbacksAndTicksGoOn) {
  TTicks t;
  t.raise = true;
  SetCallbackExceptionHandler(TExceptionHandler(&t, &TTicks::Failed));
  {
    TTimer timer(nullptr);
    timer.SetInterval(10);
    timer.SetOnTimer(TNotifyEvent(&t, &TTicks::Tick));
    EXPECT_TRUE(PumpUntil([&] { return t.ticks >= 3; }, 5000));
  }
  SetCallbackExceptionHandler(TExceptionHandler());
  EXPECT_EQ(t.failures, 1);
}

}  // namespace
