// Threads of the runtime: worker threads whose calls can be marshalled to the
// GUI thread (Synchronize, Queue), critical sections and events. The GUI
// thread is the thread that started the program (or called InitThreads).
#pragma once

#include <windows.h>

#include <exception>
#include <utility>

#include "System.h"
#include "Units.h"

VAMIRE_EXCEPTION(EThread, Exception)
VAMIRE_EXCEPTION(ESyncObjectException, Exception)

enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

using TThreadMethod = TMethod<void()>;

// The id of the GUI thread.
extern DWORD MainThreadID;
// Called when a worker has queued a call for the GUI thread. Null means the
// runtime's own wake-up: a message posted to its hidden window, whose
// procedure runs CheckSynchronize, so any message loop of the GUI thread
// serves the calls. The application object may replace it.
extern TNotifyEvent WakeMainThread;

// Records the calling thread as the GUI thread and makes the hidden window
// that wakes it. Done at unit start; harmless to repeat on the same thread.
void InitThreads();
// Releases the hidden window. Pending calls are dropped; threads still
// waiting in Synchronize get EThread instead of blocking for ever.
void DoneThreads();
// The unit's entry for the program's unit list (D-4): InitThreads, DoneThreads.
extern const TUnitEntry ThreadsUnit;

// Runs the calls queued for the GUI thread. Timeout (ms) is how long to wait
// for one to arrive when none is pending. True when any call ran. Raises
// EThread when called on another thread.
bool CheckSynchronize(int Timeout = 0);

class TThread : public TObject {
  VAMIRE_CLASS(TThread, TObject)
 public:
  // The system thread is made at once (Handle and ThreadID are valid) but
  // started only by Start/Resume: C++ builds the derived parts after this
  // constructor, so starting here would run Execute on a half-built object.
  // A thread created with CreateSuspended false starts in AfterConstruction,
  // which Create<T>() calls; code that uses `new` calls it itself.
  explicit TThread(bool CreateSuspended);
  // Terminates the thread and waits for its end (TerminateAndWait).
  ~TThread() override;

  template <class T, class... A>
  static T* Create(A&&... Args) {
    T* thread = new T(std::forward<A>(Args)...);
    thread->AfterConstruction();
    return thread;
  }
  void AfterConstruction();

  // Starts a thread created suspended; raises EThread when it already ran.
  void Start();
  void Resume();
  void Suspend();
  void Terminate() { FTerminated = true; }
  // Sets Terminated, lets a suspended or never started thread go and waits
  // for its end; a thread that never ran ends without calling Execute. A
  // derived class whose Execute uses its own members calls this first in its
  // destructor, since those members die before the base destructor runs.
  void TerminateAndWait();
  // Waits for the end of the thread and answers its ReturnValue. On the GUI
  // thread the wait keeps serving sent messages and synchronised calls, so a
  // worker that synchronises meanwhile does not deadlock.
  DWORD WaitFor();

  HANDLE Handle() const { return FHandle; }
  DWORD ThreadID() const { return FThreadID; }
  bool Terminated() const { return FTerminated; }
  bool Finished() const { return FFinished; }
  bool Suspended() const { return FSuspended; }
  void SetSuspended(bool Value);
  TThreadPriority Priority() const;
  void SetPriority(TThreadPriority Value);
  bool FreeOnTerminate() const { return FFreeOnTerminate; }
  void SetFreeOnTerminate(bool Value) { FFreeOnTerminate = Value; }
  DWORD ReturnValue() const { return FReturnValue; }
  // The exception that ended Execute, or null.
  std::exception_ptr FatalException() const { return FFatalException; }
  // Runs on the GUI thread (through Synchronize) once Execute has returned.
  const TNotifyEvent& OnTerminate() const { return FOnTerminate; }
  void SetOnTerminate(TNotifyEvent Value) { FOnTerminate = Value; }

  // Runs Method on the GUI thread and waits for it. An exception of Method is
  // raised again in the calling thread. On the GUI thread Method runs at once.
  static void Synchronize(TThread* Thread, TThreadMethod Method);
  // Hands Method to the GUI thread without waiting; calls run in queue order.
  // On the GUI thread Method runs at once. An exception of a queued call goes
  // to the callback exception handler (HiddenWindow.h).
  static void Queue(TThread* Thread, TThreadMethod Method);
  // Drops the queued calls that Thread made and that have not run yet.
  static void RemoveQueuedEvents(TThread* Thread);

 protected:
  virtual void Execute() = 0;
  virtual void DoTerminate();
  void Synchronize(TThreadMethod Method) { Synchronize(this, Method); }
  void Queue(TThreadMethod Method) { Queue(this, Method); }
  void SetReturnValue(DWORD Value) { FReturnValue = Value; }

 private:
  static unsigned __stdcall ThreadProc(void* Param);
  void CallOnTerminate();

  HANDLE FHandle = nullptr;
  DWORD FThreadID = 0;
  bool FCreateSuspended;
  volatile bool FTerminated = false;
  volatile bool FSuspended = true;
  volatile bool FFinished = false;
  bool FStarted = false;
  bool FFreeOnTerminate = false;
  DWORD FReturnValue = 0;
  std::exception_ptr FFatalException;
  TNotifyEvent FOnTerminate;
};

// The common base of the lock and the events: something a thread acquires.
class TSynchroObject : public TObject {
  VAMIRE_CLASS(TSynchroObject, TObject)
 public:
  virtual void Acquire() {}
  virtual void Release() {}
};

class TCriticalSection : public TSynchroObject {
  VAMIRE_CLASS(TCriticalSection, TSynchroObject)
 public:
  TCriticalSection() { InitializeCriticalSection(&FSection); }
  ~TCriticalSection() override { DeleteCriticalSection(&FSection); }
  void Acquire() override { EnterCriticalSection(&FSection); }
  void Release() override { LeaveCriticalSection(&FSection); }
  void Enter() { Acquire(); }
  void Leave() { Release(); }
  bool TryEnter() { return TryEnterCriticalSection(&FSection) != 0; }

 private:
  CRITICAL_SECTION FSection;
};

enum TWaitResult { wrSignaled, wrTimeout, wrAbandoned, wrError };

// A Win32 event. The default is manual reset and not signalled. Raises
// ESyncObjectException when the system refuses to make it.
class TEvent : public TSynchroObject {
  VAMIRE_CLASS(TEvent, TSynchroObject)
 public:
  TEvent() : TEvent(nullptr, true, false, String()) {}
  TEvent(LPSECURITY_ATTRIBUTES EventAttributes, bool ManualReset, bool InitialState, const String& Name);
  ~TEvent() override;

  TWaitResult WaitFor(DWORD Timeout = INFINITE);
  void SetEvent() { ::SetEvent(FHandle); }
  void ResetEvent() { ::ResetEvent(FHandle); }
  void Acquire() override { WaitFor(INFINITE); }
  void Release() override {}
  HANDLE Handle() const { return FHandle; }
  // The system error of the last WaitFor that answered wrError.
  DWORD LastError() const { return FLastError; }

 private:
  HANDLE FHandle = nullptr;
  DWORD FLastError = 0;
};

// A manual-reset event, not signalled at first.
class TSimpleEvent : public TEvent {
  VAMIRE_CLASS(TSimpleEvent, TEvent)
 public:
  TSimpleEvent() = default;
};
