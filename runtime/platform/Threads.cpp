#include "Threads.h"

#include <process.h>

#include <atomic>
#include <deque>
#include <mutex>

#include "HiddenWindow.h"
#include "SysUtils.h"

DWORD MainThreadID = GetCurrentThreadId();
TNotifyEvent WakeMainThread;

namespace {

// Posted to the hidden window of the GUI thread when a call is queued for it.
const UINT kSyncRequest = WM_APP + 0x66;

struct TSyncRecord {
  TSyncRecord(TThread* AThread, TThreadMethod AMethod, bool AQueued)
      : Thread(AThread), Method(AMethod), Queued(AQueued) {}
  TThread* Thread;
  TThreadMethod Method;
  bool Queued;
  HANDLE Done = nullptr;  // set when a waited-for call has run
  std::exception_ptr Error;
};

std::mutex GSyncLock;
std::deque<TSyncRecord*> GSyncQueue;
std::atomic<HWND> GSyncWindow{nullptr};

// Signalled while calls wait in the queue; the GUI thread's waits watch it.
HANDLE SyncEvent() {
  static HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  return event;
}

[[noreturn]] void RaiseThreadError(DWORD Error) {
  throw EThread(Format(L"Thread Error: %s (%d)", {SysErrorMessage(Error), uint32_t(Error)}));
}

bool OnMainThread() { return GetCurrentThreadId() == MainThreadID; }

class TSyncWindow {
 public:
  void WndProc(TMessage& Message) {
    if (Message.Msg == kSyncRequest) CheckSynchronize();
    else Message.Result = DefWindowProcW(GSyncWindow.load(), Message.Msg, Message.WParam, Message.LParam);
  }
} GSyncWindowOwner;

void EnsureSyncWindow() {
  if (OnMainThread() && !GSyncWindow.load()) GSyncWindow = AllocateHWnd(TWndMethod(&GSyncWindowOwner, &TSyncWindow::WndProc));
}

void WakeUp(TThread* Thread) {
  if (TNotifyEvent wake = WakeMainThread) {
    wake(Thread);
  } else if (HWND wnd = GSyncWindow.load()) {
    PostMessageW(wnd, kSyncRequest, 0, 0);
  }
}

void Enqueue(TSyncRecord* Record) {
  {
    std::lock_guard<std::mutex> lock(GSyncLock);
    GSyncQueue.push_back(Record);
    SetEvent(SyncEvent());
  }
  WakeUp(Record->Thread);
}

void RunRecord(TSyncRecord* Record) {
  if (Record->Queued) {
    try {
      Record->Method();
    } catch (...) {
      HandleCallbackException(Record->Thread);
    }
    delete Record;
  } else {
    try {
      Record->Method();
    } catch (...) {
      Record->Error = std::current_exception();
    }
    SetEvent(Record->Done);
  }
}

// Releases every pending call without running it: queued ones are dropped,
// waiting threads get an error instead of blocking for ever.
void DropPendingCalls() {
  std::deque<TSyncRecord*> pending;
  {
    std::lock_guard<std::mutex> lock(GSyncLock);
    pending.swap(GSyncQueue);
    ResetEvent(SyncEvent());
  }
  for (TSyncRecord* record : pending) {
    if (record->Queued) {
      delete record;
    } else {
      record->Error = std::make_exception_ptr(EThread(L"The GUI thread no longer runs synchronised calls"));
      SetEvent(record->Done);
    }
  }
}

const int kPriorities[] = {THREAD_PRIORITY_IDLE,         THREAD_PRIORITY_LOWEST,  THREAD_PRIORITY_BELOW_NORMAL,
                           THREAD_PRIORITY_NORMAL,       THREAD_PRIORITY_ABOVE_NORMAL, THREAD_PRIORITY_HIGHEST,
                           THREAD_PRIORITY_TIME_CRITICAL};

}  // namespace

void InitThreads() {
  MainThreadID = GetCurrentThreadId();
  SyncEvent();
  EnsureSyncWindow();
}

void DoneThreads() {
  if (HWND wnd = GSyncWindow.exchange(nullptr)) DeallocateHWnd(wnd);
  DropPendingCalls();
}

const TUnitEntry ThreadsUnit = {L"Threads", &InitThreads, &DoneThreads};

bool CheckSynchronize(int Timeout) {
  if (!OnMainThread()) {
    throw EThread(Format(L"CheckSynchronize called from thread $%x, which is NOT the main thread",
                         {uint32_t(GetCurrentThreadId())}));
  }
  if (Timeout > 0) WaitForSingleObject(SyncEvent(), static_cast<DWORD>(Timeout));
  size_t count;
  {
    std::lock_guard<std::mutex> lock(GSyncLock);
    ResetEvent(SyncEvent());
    count = GSyncQueue.size();
  }
  // One at a time, so a call that frees a thread also drops that thread's
  // later calls (RemoveQueuedEvents); calls queued meanwhile wait for the next round.
  bool ran = false;
  for (; count > 0; --count) {
    TSyncRecord* record;
    {
      std::lock_guard<std::mutex> lock(GSyncLock);
      if (GSyncQueue.empty()) break;
      record = GSyncQueue.front();
      GSyncQueue.pop_front();
    }
    RunRecord(record);
    ran = true;
  }
  return ran;
}

// --- TThread --------------------------------------------------------------------------

TThread::TThread(bool CreateSuspended) : FCreateSuspended(CreateSuspended) {
  EnsureSyncWindow();
  unsigned id = 0;
  FHandle = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &TThread::ThreadProc, this, CREATE_SUSPENDED, &id));
  if (!FHandle) throw EThread(L"Thread creation error: " + SysErrorMessage(GetLastError()));
  FThreadID = id;
}

TThread::~TThread() {
  TerminateAndWait();
  RemoveQueuedEvents(this);
  if (FHandle) CloseHandle(FHandle);
}

void TThread::TerminateAndWait() {
  if (!FHandle || GetCurrentThreadId() == FThreadID) return;
  // A thread that never ran is let go with Terminated set, so Execute is skipped;
  // a suspended one is resumed so it can see the request.
  Terminate();
  for (DWORD count; (count = ResumeThread(FHandle)) != DWORD(-1) && count > 1;) {
  }
  FSuspended = false;
  FStarted = true;
  WaitFor();
}

void TThread::AfterConstruction() {
  if (!FCreateSuspended && !FStarted) Start();
}

void TThread::Start() {
  if (FStarted || FFinished) throw EThread(L"Cannot call Start on a running or suspended thread");
  Resume();
}

void TThread::Resume() {
  DWORD previous = ResumeThread(FHandle);
  if (previous == DWORD(-1)) RaiseThreadError(GetLastError());
  FStarted = true;
  if (previous <= 1) FSuspended = false;
}

void TThread::Suspend() {
  bool was = FSuspended;
  FSuspended = true;
  if (SuspendThread(FHandle) == DWORD(-1)) {
    DWORD error = GetLastError();
    FSuspended = was;
    RaiseThreadError(error);
  }
}

void TThread::SetSuspended(bool Value) {
  if (Value == FSuspended) return;
  if (Value) Suspend();
  else Resume();
}

TThreadPriority TThread::Priority() const {
  int p = GetThreadPriority(FHandle);
  for (int i = tpIdle; i <= tpTimeCritical; ++i)
    if (kPriorities[i] == p) return TThreadPriority(i);
  return tpNormal;
}

void TThread::SetPriority(TThreadPriority Value) {
  if (!SetThreadPriority(FHandle, kPriorities[Value])) RaiseThreadError(GetLastError());
}

DWORD TThread::WaitFor() {
  if (GetCurrentThreadId() == FThreadID) throw EThread(L"A thread cannot wait for itself");
  if (OnMainThread()) {
    HANDLE handles[2] = {FHandle, SyncEvent()};
    for (;;) {
      DWORD r = MsgWaitForMultipleObjects(2, handles, FALSE, INFINITE, QS_SENDMESSAGE);
      if (r == WAIT_OBJECT_0) break;
      if (r == WAIT_OBJECT_0 + 1) {
        CheckSynchronize();
      } else if (r == WAIT_OBJECT_0 + 2) {
        // Peeking delivers the messages other threads sent to our windows.
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
      } else {
        RaiseThreadError(GetLastError());
      }
    }
  } else if (WaitForSingleObject(FHandle, INFINITE) == WAIT_FAILED) {
    RaiseThreadError(GetLastError());
  }
  DWORD code = 0;
  GetExitCodeThread(FHandle, &code);
  return code;
}

void TThread::DoTerminate() {
  if (FOnTerminate) Synchronize(TThreadMethod(this, &TThread::CallOnTerminate));
}

void TThread::CallOnTerminate() {
  if (FOnTerminate) FOnTerminate(this);
}

unsigned __stdcall TThread::ThreadProc(void* Param) {
  auto* thread = static_cast<TThread*>(Param);
  // Nothing may leave the thread's entry (D-5): what Execute raises ends its work.
  if (!thread->FTerminated) {
    try {
      thread->Execute();
    } catch (...) {
      thread->FFatalException = std::current_exception();
    }
  }
  bool freeThread = thread->FFreeOnTerminate;
  DWORD result = thread->FReturnValue;
  thread->FFinished = true;
  try {
    thread->DoTerminate();
  } catch (...) {
    if (!thread->FFatalException) thread->FFatalException = std::current_exception();
  }
  if (freeThread) delete thread;
  return result;
}

void TThread::Synchronize(TThread* Thread, TThreadMethod Method) {
  if (!Method) return;
  if (OnMainThread()) {
    Method();
    return;
  }
  TSyncRecord record(Thread, Method, false);
  record.Done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (!record.Done) RaiseThreadError(GetLastError());
  Enqueue(&record);
  WaitForSingleObject(record.Done, INFINITE);
  CloseHandle(record.Done);
  if (record.Error) std::rethrow_exception(record.Error);
}

void TThread::Queue(TThread* Thread, TThreadMethod Method) {
  if (!Method) return;
  if (OnMainThread()) {
    Method();
    return;
  }
  Enqueue(new TSyncRecord(Thread, Method, true));
}

void TThread::RemoveQueuedEvents(TThread* Thread) {
  std::lock_guard<std::mutex> lock(GSyncLock);
  for (auto it = GSyncQueue.begin(); it != GSyncQueue.end();) {
    if ((*it)->Queued && (*it)->Thread == Thread) {
      delete *it;
      it = GSyncQueue.erase(it);
    } else {
      ++it;
    }
  }
}

// --- TEvent ---------------------------------------------------------------------------

TEvent::TEvent(LPSECURITY_ATTRIBUTES EventAttributes, bool ManualReset, bool InitialState, const String& Name) {
  FHandle = CreateEventW(EventAttributes, ManualReset, InitialState, Name.empty() ? nullptr : Name.c_str());
  if (!FHandle) throw ESyncObjectException(L"Cannot create an event: " + SysErrorMessage(GetLastError()));
}

TEvent::~TEvent() {
  if (FHandle) CloseHandle(FHandle);
}

TWaitResult TEvent::WaitFor(DWORD Timeout) {
  switch (WaitForSingleObject(FHandle, Timeout)) {
    case WAIT_OBJECT_0:
      return wrSignaled;
    case WAIT_TIMEOUT:
      return wrTimeout;
    case WAIT_ABANDONED:
      return wrAbandoned;
    default:
      FLastError = GetLastError();
      return wrError;
  }
}
