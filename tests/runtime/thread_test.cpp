// Worker threads, calls marshalled to the GUI thread, events and the hidden
// utility window. The test program's main thread is the GUI thread.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <stdexcept>
#include <vector>

#include "HiddenWindow.h"
#include "Threads.h"

namespace {

// Pumps the calling thread's messages until Done holds (bounded, so a fault
// fails the test instead of hanging it).
template <class Pred>
bool PumpUntil(Pred Done, DWORD TimeoutMs = 10000) {
  DWORD start = GetTickCount();
  while (!Done()) {
    if (GetTickCount() - start > TimeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  return true;
}

// A thread whose Execute is a member function of the test, so each case
// states its own body.
class TLambdaThread : public TThread {
 public:
  template <class F>
  TLambdaThread(bool CreateSuspended, F Body) : TThread(CreateSuspended), FBody(Body) {}
  ~TLambdaThread() override {
    TerminateAndWait();
    if (FDestroyed) FDestroyed->SetEvent();
  }
  using TThread::Queue;
  using TThread::SetReturnValue;
  using TThread::Synchronize;
  TEvent* FDestroyed = nullptr;

 protected:
  void Execute() override { FBody(*this); }

 private:
  std::function<void(TLambdaThread&)> FBody;
};

struct TRecorder {
  std::vector<int> Calls;
  std::vector<DWORD> Threads;
  int Next = 0;
  void Record() {
    Calls.push_back(Next++);
    Threads.push_back(GetCurrentThreadId());
  }
  void Fail() { throw EConvertError(L"'x' is not a valid integer value"); }
  TObject* TerminatedBy = nullptr;
  DWORD TerminatedOn = 0;
  void Terminated(TObject* Sender) {
    TerminatedBy = Sender;
    TerminatedOn = GetCurrentThreadId();
  }
};

TEST(Thread, SynchronizeWhileGuiThreadWaitsDoesNotDeadlock) {
  InitializeUnits({ThreadsUnit});
  TRecorder rec;
  TLambdaThread thread(true, [&](TLambdaThread& self) {
    for (int i = 0; i < 5; ++i) self.Synchronize(TThreadMethod(&rec, &TRecorder::Record));
    self.SetReturnValue(42);
  });
  thread.Start();
  EXPECT_EQ(thread.WaitFor(), 42u);
  ASSERT_EQ(rec.Calls, (std::vector<int>{0, 1, 2, 3, 4}));
  for (DWORD id : rec.Threads) EXPECT_EQ(id, MainThreadID);
  EXPECT_FALSE(thread.FatalException());
}

TEST(Thread, SentMessagesAreServedWhileGuiThreadWaits) {
  struct TTarget {
    HWND Wnd = nullptr;
    DWORD SeenOn = 0;
    void WndProc(TMessage& M) {
      if (M.Msg == WM_APP + 1) {
        SeenOn = GetCurrentThreadId();
        M.Result = 77;
      } else {
        M.Result = DefWindowProcW(Wnd, M.Msg, M.WParam, M.LParam);
      }
    }
  } target;
  target.Wnd = AllocateHWnd(TWndMethod(&target, &TTarget::WndProc));
  LRESULT answer = 0;
  TLambdaThread thread(false, [&](TLambdaThread&) { answer = SendMessageW(target.Wnd, WM_APP + 1, 0, 0); });
  thread.AfterConstruction();
  thread.WaitFor();
  DeallocateHWnd(target.Wnd);
  EXPECT_EQ(answer, 77);
  EXPECT_EQ(target.SeenOn, MainThreadID);
}

TEST(Thread, QueuedCallsRunInOrderThroughTheMessageLoop) {
  InitThreads();
  TRecorder rec;
  std::atomic<bool> queued{false};
  auto* thread = TThread::Create<TLambdaThread>(false, [&](TLambdaThread& self) {
    for (int i = 0; i < 200; ++i) self.Queue(TThreadMethod(&rec, &TRecorder::Record));
    queued = true;
  });
  // The worker never waits; the GUI thread only runs its message loop.
  ASSERT_TRUE(PumpUntil([&] { return queued && rec.Calls.size() == 200; }));
  delete thread;
  for (int i = 0; i < 200; ++i) ASSERT_EQ(rec.Calls[size_t(i)], i);
  for (DWORD id : rec.Threads) ASSERT_EQ(id, MainThreadID);
}

TEST(Thread, CallsFromTheGuiThreadRunAtOnce) {
  TRecorder rec;
  TThread::Queue(nullptr, TThreadMethod(&rec, &TRecorder::Record));
  TThread::Synchronize(nullptr, TThreadMethod(&rec, &TRecorder::Record));
  EXPECT_EQ(rec.Calls.size(), 2u);
  EXPECT_FALSE(CheckSynchronize());
}

TEST(Thread, QueuedCallsOfAFreedThreadAreDropped) {
  TRecorder rec;
  {
    TLambdaThread thread(false, [&](TLambdaThread& self) {
      for (int i = 0; i < 10; ++i) self.Queue(TThreadMethod(&rec, &TRecorder::Record));
    });
    thread.AfterConstruction();
    WaitForSingleObject(thread.Handle(), INFINITE);  // no serving: the calls stay queued
  }
  CheckSynchronize();
  EXPECT_TRUE(rec.Calls.empty());
}

TEST(Thread, ExceptionsInExecuteAreCaptured) {
  struct Case {
    const char* Name;
    std::function<void()> Raise;
    const wchar_t* Message;
  };
  const Case cases[] = {
      {"runtime exception", [] { throw EConvertError(L"'x' is not a valid integer value"); },
       L"'x' is not a valid integer value"},
      {"standard exception", [] { throw std::runtime_error("broken"); }, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TLambdaThread thread(false, [&](TLambdaThread&) { c.Raise(); });
    thread.AfterConstruction();
    thread.WaitFor();
    ASSERT_TRUE(thread.FatalException());
    EXPECT_TRUE(thread.Finished());
    if (c.Message) {
      try {
        std::rethrow_exception(thread.FatalException());
      } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), c.Message);
      }
    }
  }
}

TEST(Thread, ExceptionOfASynchronisedCallReachesTheWorker) {
  TRecorder rec;
  TLambdaThread thread(false, [&](TLambdaThread& self) {
    self.Synchronize(TThreadMethod(&rec, &TRecorder::Fail));
    rec.Calls.push_back(-1);  // never reached
  });
  thread.AfterConstruction();
  thread.WaitFor();
  EXPECT_TRUE(rec.Calls.empty());
  ASSERT_TRUE(thread.FatalException());
  EXPECT_THROW(std::rethrow_exception(thread.FatalException()), EConvertError);
}

TEST(Thread, OnTerminateRunsOnTheGuiThread) {
  TRecorder rec;
  TLambdaThread thread(true, [](TLambdaThread&) {});
  thread.SetOnTerminate(TNotifyEvent(&rec, &TRecorder::Terminated));
  thread.Start();
  thread.WaitFor();
  EXPECT_EQ(rec.TerminatedBy, &thread);
  EXPECT_EQ(rec.TerminatedOn, MainThreadID);
}

TEST(Thread, FreeOnTerminateFreesTheObject) {
  TEvent destroyed;
  auto* thread = new TLambdaThread(true, [](TLambdaThread&) {});
  thread->FDestroyed = &destroyed;
  thread->SetFreeOnTerminate(true);
  thread->Start();
  EXPECT_EQ(destroyed.WaitFor(10000), wrSignaled);
}

TEST(Thread, SuspendedThreadRunsOnlyWhenStarted) {
  std::atomic<int> runs{0};
  {
    TLambdaThread never(true, [&](TLambdaThread&) { ++runs; });
    EXPECT_TRUE(never.Suspended());
    EXPECT_NE(never.ThreadID(), 0u);
    EXPECT_NE(never.Handle(), nullptr);
  }  // destroyed without a start: Execute is skipped
  EXPECT_EQ(runs, 0);

  TLambdaThread once(true, [&](TLambdaThread&) { ++runs; });
  once.Start();
  once.WaitFor();
  EXPECT_EQ(runs, 1);
  EXPECT_THROW(once.Start(), EThread);
}

TEST(Thread, TerminateIsSeenByExecute) {
  TEvent running;
  TLambdaThread thread(false, [&](TLambdaThread& self) {
    running.SetEvent();
    while (!self.Terminated()) Sleep(1);
    self.SetReturnValue(7);
  });
  thread.AfterConstruction();
  ASSERT_EQ(running.WaitFor(10000), wrSignaled);
  thread.Terminate();
  EXPECT_EQ(thread.WaitFor(), 7u);
}

TEST(Thread, PrioritiesAreSet) {
  const TThreadPriority priorities[] = {tpIdle,   tpLowest,  tpLower,       tpNormal,
                                        tpHigher, tpHighest, tpTimeCritical};
  TLambdaThread thread(true, [](TLambdaThread&) {});
  for (TThreadPriority p : priorities) {
    thread.SetPriority(p);
    EXPECT_EQ(thread.Priority(), p);
  }
  thread.SetPriority(tpNormal);
  EXPECT_EQ(GetThreadPriority(thread.Handle()), THREAD_PRIORITY_NORMAL);
  thread.SetPriority(tpTimeCritical);
  EXPECT_EQ(GetThreadPriority(thread.Handle()), THREAD_PRIORITY_TIME_CRITICAL);
}

TEST(Thread, CheckSynchronizeRefusesOtherThreads) {
  String message;
  TLambdaThread thread(false, [&](TLambdaThread&) {
    try {
      CheckSynchronize();
    } catch (const EThread& e) {
      message = e.Message();
    }
  });
  thread.AfterConstruction();
  thread.WaitFor();
  EXPECT_EQ(message.rfind(L"CheckSynchronize called from thread $", 0), 0u) << message;
  EXPECT_NE(message.find(L", which is NOT the main thread"), String::npos);
}

TEST(SyncObjects, EventsAndCriticalSection) {
  TEvent manual;
  EXPECT_EQ(manual.WaitFor(0), wrTimeout);
  manual.SetEvent();
  EXPECT_EQ(manual.WaitFor(0), wrSignaled);
  EXPECT_EQ(manual.WaitFor(0), wrSignaled);  // manual reset: stays signalled
  manual.ResetEvent();
  EXPECT_EQ(manual.WaitFor(0), wrTimeout);

  TEvent automatic(nullptr, false, true, String());
  EXPECT_EQ(automatic.WaitFor(0), wrSignaled);
  EXPECT_EQ(automatic.WaitFor(0), wrTimeout);

  TCriticalSection lock;
  lock.Enter();
  bool otherGot = true;
  TLambdaThread other(false, [&](TLambdaThread&) { otherGot = lock.TryEnter(); });
  other.AfterConstruction();
  other.WaitFor();
  lock.Leave();
  EXPECT_FALSE(otherGot);
  EXPECT_TRUE(lock.TryEnter());
  lock.Release();
}

TEST(HiddenWindow, PostedMessagesReachTheMethodInOrder) {
  struct TSink {
    HWND Wnd = nullptr;
    std::vector<TMessage> Seen;
    void WndProc(TMessage& M) {
      if (M.Msg >= WM_APP && M.Msg < WM_APP + 10) {
        Seen.push_back(M);
        M.Result = LRESULT(M.WParam) * 2;
      } else {
        M.Result = DefWindowProcW(Wnd, M.Msg, M.WParam, M.LParam);
      }
    }
  } sink;
  sink.Wnd = AllocateHWnd(TWndMethod(&sink, &TSink::WndProc));
  ASSERT_NE(sink.Wnd, nullptr);
  wchar_t cls[32] = {};
  GetClassNameW(sink.Wnd, cls, 32);
  EXPECT_STREQ(cls, L"TPUtilWindow");
  EXPECT_FALSE(IsWindowVisible(sink.Wnd));

  // Posted from a worker, as the serial threads do; the pointer-sized
  // parameter keeps all its bits on 64-bit builds.
  const LPARAM big = LPARAM(uintptr_t(0x12345678u) | (uintptr_t(sizeof(void*) == 8 ? 0xABCDull << 32 : 0)));
  TLambdaThread poster(false, [&](TLambdaThread&) {
    PostMessageW(sink.Wnd, WM_APP + 1, 1, big);
    PostMessageW(sink.Wnd, WM_APP + 2, 2, 0);
    PostMessageW(sink.Wnd, WM_APP + 3, 3, -1);
  });
  poster.AfterConstruction();
  poster.WaitFor();
  ASSERT_TRUE(PumpUntil([&] { return sink.Seen.size() == 3; }));
  EXPECT_EQ(sink.Seen[0].Msg, UINT(WM_APP + 1));
  EXPECT_EQ(sink.Seen[0].LParam, big);
  EXPECT_EQ(sink.Seen[1].Msg, UINT(WM_APP + 2));
  EXPECT_EQ(sink.Seen[2].LParam, -1);
  EXPECT_EQ(SendMessageW(sink.Wnd, WM_APP + 4, 21, 0), 42);

  DeallocateHWnd(sink.Wnd);
  EXPECT_FALSE(IsWindow(sink.Wnd));
}

TEST(HiddenWindow, ExceptionsStopAtTheWindowProcedure) {
  struct TRaiser {
    HWND Wnd = nullptr;
    void WndProc(TMessage& M) {
      if (M.Msg == WM_APP) throw EInvalidOperation(L"bad state");
      M.Result = DefWindowProcW(Wnd, M.Msg, M.WParam, M.LParam);
    }
  } raiser;
  struct THandler {
    String Message;
    void Handle(TObject*, const Exception& E) { Message = E.Message(); }
  } handler;
  SetCallbackExceptionHandler(TExceptionHandler(&handler, &THandler::Handle));
  raiser.Wnd = AllocateHWnd(TWndMethod(&raiser, &TRaiser::WndProc));
  SendMessageW(raiser.Wnd, WM_APP, 0, 0);
  DeallocateHWnd(raiser.Wnd);
  SetCallbackExceptionHandler(nullptr);
  EXPECT_EQ(handler.Message, L"bad state");
}

}  // namespace
