#include "SerialComm.h"

#include <atomic>
#include <deque>

#include "Threads.h"

namespace {

const DWORD ReadBufferSize = 2048;
const DWORD QueueSize = 4096;
const DWORD StopWaitMs = 10000;

std::atomic<long> DataCopies{0};

// Copies of data in flight (a received chunk on its way to the GUI thread, a
// queued write on its way to the writer): count + 1 zero-filled bytes.
char* NewDataCopy(const void* bytes, DWORD count) {
  char* copy = static_cast<char*>(LocalAlloc(LPTR, count + 1));
  if (!copy) return nullptr;
  ++DataCopies;
  memcpy(copy, bytes, count);
  return copy;
}

void FreeDataCopy(void* copy) {
  if (!copy) return;
  LocalFree(copy);
  --DataCopies;
}

// An overlapped record with its own manual-reset event, created signalled.
struct TOverlappedRecord {
  OVERLAPPED Overlapped{};
  bool Pending = false;
  bool Create() {
    Overlapped.hEvent = CreateEventW(nullptr, TRUE, TRUE, nullptr);
    return Overlapped.hEvent != nullptr;
  }
  // Ends an operation still in flight before its record or buffer goes away.
  void Finish(HANDLE port) {
    if (!Pending) return;
    CancelIo(port);
    DWORD count = 0;
    GetOverlappedResult(port, &Overlapped, &count, TRUE);
    Pending = false;
  }
  ~TOverlappedRecord() {
    if (Overlapped.hEvent) CloseHandle(Overlapped.hEvent);
  }
};

bool IsInvalidHandle(DWORD error) { return error == ERROR_INVALID_HANDLE; }

// What Wine answers for line events a pseudo-terminal doesn't have.
bool IsRefused(DWORD error) {
  return error == ERROR_NOT_SUPPORTED || error == ERROR_INVALID_PARAMETER || error == ERROR_CALL_NOT_IMPLEMENTED;
}

}  // namespace

// --- Threads ------------------------------------------------------------------------------

class TCommThreadBase : public TThread {
  VAMIRE_CLASS(TCommThreadBase, TThread)
 public:
  TCommThreadBase() : TThread(true) {}
  HANDLE FCommHandle = nullptr;
  HANDLE FCloseEvent = nullptr;
  HWND FNotifyWnd = nullptr;

 protected:
  void PostHangup() { PostMessageW(FNotifyWnd, PWM_REQUESTHANGUP, 0, 0); }
  bool Post(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (PostMessageW(FNotifyWnd, msg, wParam, lParam)) return true;
    PostHangup();
    return false;
  }
  bool Closing() const { return WaitForSingleObject(FCloseEvent, 0) == WAIT_OBJECT_0; }
  // An I/O error: quiet when the port is being closed, 1027 otherwise.
  bool Failed(DWORD error) {
    if (!IsInvalidHandle(error)) PostHangup();
    return false;
  }
};

class TReadThread : public TCommThreadBase {
  VAMIRE_CLASS(TReadThread, TCommThreadBase)
 public:
  // Execute uses this class's records: the thread ends before they go.
  ~TReadThread() override { TerminateAndWait(); }

 protected:
  void Execute() override;

 private:
  bool StartRead();
  bool FinishRead();
  bool DeliverData(const char* bytes, DWORD count);
  bool WaitEvent();
  bool HandleCommEvent(DWORD eventMask, bool completed);
  // D-14: steps down to the events the platform accepts. False when none is left.
  bool RefuseEvents();

  TOverlappedRecord FRead;
  TOverlappedRecord FEvent;
  char FBuffer[ReadBufferSize];
  DWORD FEventMask = 0;
  DWORD FCommEvent = 0;
  int FMaskStep = 0;
};

const DWORD ReaderMasks[] = {EV_RLSD | EV_ERR | EV_RING, EV_ERR, 0};

bool TReadThread::RefuseEvents() {
  while (ReaderMasks[FMaskStep] != 0) {
    FEventMask = ReaderMasks[++FMaskStep];
    if (SetCommMask(FCommHandle, FEventMask)) break;
  }
  return FEventMask != 0;
}

void TReadThread::Execute() {
  if (!FRead.Create() || !FEvent.Create()) {
    PostHangup();
    return;
  }
  FEventMask = ReaderMasks[0];
  if (!SetCommMask(FCommHandle, FEventMask)) {
    if (!IsRefused(GetLastError())) {
      PostHangup();
      return;
    }
    RefuseEvents();
  }
  bool running = (FEventMask == 0 || WaitEvent()) && StartRead();
  while (running) {
    // The close event, the line-event record, the read record; without line
    // events only the first and the last.
    HANDLE handles[3] = {FCloseEvent, FEvent.Overlapped.hEvent, FRead.Overlapped.hEvent};
    bool events = FEventMask != 0;
    if (!events) handles[1] = handles[2];
    DWORD r = WaitForMultipleObjects(events ? 3 : 2, handles, FALSE, INFINITE);
    if (r == WAIT_OBJECT_0) break;
    if (r == WAIT_OBJECT_0 + (events ? 2 : 1)) {
      running = FinishRead() && StartRead();
    } else if (events && r == WAIT_OBJECT_0 + 1) {
      running = HandleCommEvent(FCommEvent, true) && (FEventMask == 0 || WaitEvent());
    } else {
      PostHangup();
      running = false;
    }
  }
  PurgeComm(FCommHandle, PURGE_RXABORT | PURGE_RXCLEAR);
  FRead.Finish(FCommHandle);
  FEvent.Finish(FCommHandle);
}

bool TReadThread::StartRead() {
  while (!Closing()) {
    DWORD count = 0;
    if (ReadFile(FCommHandle, FBuffer, ReadBufferSize, &count, &FRead.Overlapped)) {
      if (!DeliverData(FBuffer, count)) return false;
      continue;
    }
    DWORD error = GetLastError();
    if (error == ERROR_IO_PENDING) {
      FRead.Pending = true;
      return true;
    }
    return Failed(error);
  }
  return false;
}

bool TReadThread::FinishRead() {
  DWORD count = 0;
  FRead.Pending = false;
  if (!GetOverlappedResult(FCommHandle, &FRead.Overlapped, &count, FALSE)) return Failed(GetLastError());
  return DeliverData(FBuffer, count);
}

bool TReadThread::DeliverData(const char* bytes, DWORD count) {
  // A read that completes empty ends the reader without a message.
  if (count == 0) return false;
  char* copy = NewDataCopy(bytes, count);
  if (!copy) {
    PostHangup();
    return false;
  }
  if (Post(PWM_GOTCOMMDATA, count, LPARAM(copy))) return true;
  FreeDataCopy(copy);
  return false;
}

bool TReadThread::WaitEvent() {
  while (!Closing()) {
    FCommEvent = 0;
    if (WaitCommEvent(FCommHandle, &FCommEvent, &FEvent.Overlapped)) {
      if (!HandleCommEvent(FCommEvent, false)) return false;
      continue;
    }
    DWORD error = GetLastError();
    if (error == ERROR_IO_PENDING) {
      FEvent.Pending = true;
      return true;
    }
    if (IsRefused(error)) {
      if (!RefuseEvents()) return true;  // reads go on without line events
      continue;
    }
    return Failed(error);
  }
  return false;
}

bool TReadThread::HandleCommEvent(DWORD eventMask, bool completed) {
  if (completed) {
    DWORD unused = 0;
    FEvent.Pending = false;
    if (!GetOverlappedResult(FCommHandle, &FEvent.Overlapped, &unused, FALSE)) {
      DWORD error = GetLastError();
      // Wine aborts a wait on a pseudo-terminal's error events again and again.
      if (IsRefused(error) || error == ERROR_OPERATION_ABORTED) {
        RefuseEvents();
        return true;
      }
      return Failed(error);
    }
  }
  bool posted = false;
  if (eventMask & EV_ERR) {
    DWORD errors = 0;
    COMSTAT stat{};
    if (!ClearCommError(FCommHandle, &errors, &stat)) return Failed(GetLastError());
    if (!Post(PWM_RECEIVEERROR, 0, LPARAM(errors))) return false;
    posted = true;
  }
  DWORD modem = 0;
  if (eventMask & EV_RLSD) modem += 8;
  if (eventMask & EV_RING) modem += 4;
  if (modem != 0) {
    if (!Post(PWM_MODEMSTATECHANGE, 0, LPARAM(modem))) return false;
    posted = true;
  }
  if (!(eventMask & (EV_ERR | EV_RLSD | EV_RING))) PostHangup();
  return posted;
}

// --- The write queue -----------------------------------------------------------------------

// The hand-off from WriteData to the writer: copies in call order behind a slim
// lock, and a condition variable the writer sleeps on while nothing is queued.
// A thread message per write costs a trip to the wineserver under Wine (50-80
// us, six per wall frame); this costs the caller a lock and, only when the
// writer sleeps, one wake. WriteData waits at most while another thread holds
// the lock for a moment (the writer taking an item, another caller queuing).
class TWriteQueue {
 public:
  struct TItem {
    char* Copy;
    uint16_t Length;
  };
  enum TTake { tkItem, tkEmpty, tkStopped };

  // OpenPort, before the writer starts: writes are taken from here on (D-12).
  void Start() {
    TLock lock(this);
    FTaking = true;
  }
  // Any thread. False, keeping the copy with the caller, once stopped.
  bool Push(char* copy, uint16_t length) {
    bool wake;
    {
      TLock lock(this);
      if (!FTaking) return false;
      try {
        FItems.push_back({copy, length});
      } catch (...) {
        return false;
      }
      // A writer busy with earlier items comes back for this one by itself.
      wake = FSleeping;
      FSleeping = false;
    }
    if (wake) WakeConditionVariable(&FNotEmpty);
    return true;
  }
  // The writer: the next item in call order. Without `wait` an empty queue
  // answers tkEmpty at once; with it the writer sleeps until an item comes.
  TTake Take(TItem& item, bool wait) {
    TLock lock(this);
    while (FTaking && FItems.empty() && wait) {
      FSleeping = true;
      SleepConditionVariableSRW(&FNotEmpty, &FLock, INFINITE, 0);
    }
    FSleeping = false;
    if (!FTaking) return tkStopped;
    if (FItems.empty()) return tkEmpty;
    item = FItems.front();
    FItems.pop_front();
    return tkItem;
  }
  // Closing, or the writer ends: no more writes are taken, a sleeping writer
  // wakes to end, and every copy still queued is freed.
  void Stop() {
    std::deque<TItem> dropped;
    {
      TLock lock(this);
      FTaking = false;
      FSleeping = false;
      dropped.swap(FItems);
    }
    WakeAllConditionVariable(&FNotEmpty);
    for (TItem& item : dropped) FreeDataCopy(item.Copy);
  }

 private:
  struct TLock {
    explicit TLock(TWriteQueue* queue) : Queue(queue) { AcquireSRWLockExclusive(&Queue->FLock); }
    ~TLock() { ReleaseSRWLockExclusive(&Queue->FLock); }
    TWriteQueue* Queue;
  };

  SRWLOCK FLock = SRWLOCK_INIT;
  CONDITION_VARIABLE FNotEmpty = CONDITION_VARIABLE_INIT;
  std::deque<TItem> FItems;
  bool FTaking = false;
  bool FSleeping = false;
};

class TWriteThread : public TCommThreadBase {
  VAMIRE_CLASS(TWriteThread, TCommThreadBase)
 public:
  ~TWriteThread() override { TerminateAndWait(); }
  TWriteQueue* FQueue = nullptr;
  // Signalled once the thread runs.
  HANDLE FRunning = nullptr;

 protected:
  void Execute() override;

 private:
  bool WriteBuffer(const char* buffer, DWORD count);

  TOverlappedRecord FWrite;
};

void TWriteThread::Execute() {
  SetEvent(FRunning);
  if (!FWrite.Create()) {
    PostHangup();
    FQueue->Stop();
    return;
  }
  // 1029 once at the start and once each time the queue runs empty after a write.
  bool notify = true;
  for (;;) {
    TWriteQueue::TItem item{};
    TWriteQueue::TTake take = FQueue->Take(item, !notify);
    if (take == TWriteQueue::tkStopped) break;
    if (take == TWriteQueue::tkEmpty) {
      if (!Post(PWM_SENDDATAEMPTY, 0, 0)) break;
      notify = false;
      continue;
    }
    bool ok = WriteBuffer(item.Copy, item.Length);
    FreeDataCopy(item.Copy);
    if (!ok) break;
    notify = true;
  }
  PurgeComm(FCommHandle, PURGE_TXABORT | PURGE_TXCLEAR);
  FWrite.Finish(FCommHandle);
  // A writer ended by an error takes no more writes; what is queued is freed.
  FQueue->Stop();
}

bool TWriteThread::WriteBuffer(const char* buffer, DWORD count) {
  while (count > 0) {
    DWORD written = 0;
    if (!WriteFile(FCommHandle, buffer, count, &written, &FWrite.Overlapped)) {
      DWORD error = GetLastError();
      if (error != ERROR_IO_PENDING) return Failed(error);
      FWrite.Pending = true;
      HANDLE handles[2] = {FCloseEvent, FWrite.Overlapped.hEvent};
      DWORD r = WaitForMultipleObjects(2, handles, FALSE, INFINITE);
      if (r == WAIT_OBJECT_0) {
        // The buffer must outlive the write the system still holds.
        FWrite.Finish(FCommHandle);
        return false;
      }
      if (r != WAIT_OBJECT_0 + 1) {
        PostHangup();
        FWrite.Finish(FCommHandle);
        return false;
      }
      FWrite.Pending = false;
      if (!GetOverlappedResult(FCommHandle, &FWrite.Overlapped, &written, TRUE)) return Failed(GetLastError());
    }
    if (written == 0 && Closing()) return false;
    count -= written;
    buffer += written;
  }
  return true;
}

// --- TComm --------------------------------------------------------------------------------

TComm::TComm(TComponent* AOwner) : TComponent(AOwner), FWriteQueue(std::make_unique<TWriteQueue>()) {
  if (!ComponentState().Contains(csDesigning)) FWindow = AllocateHWnd(TWndMethod(this, &TComm::HandleThreadMessage));
}

TComm::~TComm() {
  ClosePort();
  if (FWindow) {
    // Data still on its way to the window is freed with it.
    MSG msg;
    while (PeekMessageW(&msg, FWindow, PWM_GOTCOMMDATA, PWM_GOTCOMMDATA, PM_REMOVE))
      FreeDataCopy(reinterpret_cast<void*>(msg.lParam));
    DeallocateHWnd(FWindow);
  }
}

long TComm::DataCopiesAlive() { return DataCopies.load(); }

void TComm::CloseHandles() {
  if (FCloseEvent) CloseHandle(FCloseEvent);
  FCloseEvent = nullptr;
  if (FHandle) CloseHandle(FHandle);
  FHandle = nullptr;
}

void TComm::OpenPort() {
  if (FHandle) throw ECommsError(L"This serial port already opened");
  HANDLE handle = CreateFileW(FCommName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OVERLAPPED, nullptr);
  if (handle == INVALID_HANDLE_VALUE) throw ECommsError(L"Error opening serial port");
  if (GetFileType(handle) != FILE_TYPE_CHAR) {
    CloseHandle(handle);
    throw ECommsError(L"File handle is not a comm handle ");
  }
  if (!SetupComm(handle, QueueSize, QueueSize)) {
    CloseHandle(handle);
    throw ECommsError(L"Cannot setup comm buffer");
  }
  FHandle = handle;
  PurgeComm(FHandle, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
  ApplyCommTimeouts();
  ApplyCommState();

  FCloseEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (!FCloseEvent) {
    CloseHandles();
    throw ECommsError(L"Unable to create event");
  }
  try {
    FReadThread = new TReadThread();
  } catch (...) {
    FReadThread = nullptr;
    CloseHandles();
    throw ECommsError(L"Unable to create read thread");
  }
  FReadThread->FCommHandle = FHandle;
  FReadThread->FCloseEvent = FCloseEvent;
  FReadThread->FNotifyWnd = FWindow;
  FReadThread->SetPriority(tpHighest);

  HANDLE running = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  try {
    if (!running) throw EThread(L"no event");
    FWriteThread = new TWriteThread();
  } catch (...) {
    FWriteThread = nullptr;
    if (running) CloseHandle(running);
    FReadThread->Resume();  // it sees the close event at once
    StopReadThread();
    CloseHandles();
    throw ECommsError(L"Unable to create write thread");
  }
  FWriteThread->FCommHandle = FHandle;
  FWriteThread->FCloseEvent = FCloseEvent;
  FWriteThread->FNotifyWnd = FWindow;
  FWriteThread->FQueue = FWriteQueue.get();
  FWriteThread->FRunning = running;
  FWriteThread->SetPriority(tpHigher);

  // D-12: writes made right after this returns are queued, whenever the
  // writer first runs.
  FWriteQueue->Start();
  FReadThread->Resume();
  FWriteThread->Resume();
  // A new thread may take tens of milliseconds to first run on a loaded
  // machine; the first frames would then leave late, bunched up against the
  // next ones, short of the pause the wall controller needs between frames.
  HANDLE waits[2] = {running, FWriteThread->Handle()};
  WaitForMultipleObjects(2, waits, FALSE, INFINITE);
  FWriteThread->FRunning = nullptr;
  CloseHandle(running);
}

void TComm::SignalClose() {
  SetEvent(FCloseEvent);
  FWriteQueue->Stop();
}

template <class T>
void TComm::StopThread(T*& thread, DWORD purgeFlags) {
  if (!thread) return;
  SignalClose();
  PurgeComm(FHandle, purgeFlags);
  if (WaitForSingleObject(thread->Handle(), StopWaitMs) != WAIT_OBJECT_0) thread->Terminate();
  delete thread;
  thread = nullptr;
}

void TComm::StopReadThread() { StopThread(FReadThread, PURGE_RXABORT | PURGE_RXCLEAR); }

void TComm::StopWriteThread() { StopThread(FWriteThread, PURGE_TXABORT | PURGE_TXCLEAR); }

void TComm::ClosePort() {
  if (!FHandle) return;
  StopReadThread();
  StopWriteThread();
  // Also when the writer never ran: no copy stays queued.
  FWriteQueue->Stop();
  CloseHandles();
}

// Reads no member but the queue, which takes writes exactly while a writer
// does, so a write from another thread may race ClosePort.
bool TComm::WriteData(const void* buffer, uint16_t length) {
  if (length == 0) return false;
  char* copy = NewDataCopy(buffer, length);
  if (!copy) return false;
  if (FWriteQueue->Push(copy, length)) return true;
  FreeDataCopy(copy);
  return false;
}

void TComm::ApplyCommState() {
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  GetCommState(FHandle, &dcb);
  dcb.BaudRate = FBaudRate;
  // The flag bits are rebuilt from scratch.
  dcb.fBinary = TRUE;
  dcb.fParity = FParityCheck;
  dcb.fOutxCtsFlow = FOutx_CtsFlow;
  dcb.fOutxDsrFlow = FOutx_DsrFlow;
  static const DWORD dtr[] = {DTR_CONTROL_ENABLE, DTR_CONTROL_DISABLE, DTR_CONTROL_HANDSHAKE};
  dcb.fDtrControl = dtr[FDtrControl];
  dcb.fDsrSensitivity = FDsrSensitivity;
  dcb.fTXContinueOnXoff = FTxContinueOnXoff;
  dcb.fOutX = FOutx_XonXoffFlow;
  dcb.fInX = FInx_XonXoffFlow;
  dcb.fErrorChar = FReplaceWhenParityError;
  dcb.fNull = FIgnoreNullChar;
  static const DWORD rts[] = {RTS_CONTROL_ENABLE, RTS_CONTROL_DISABLE, RTS_CONTROL_HANDSHAKE, RTS_CONTROL_TOGGLE};
  dcb.fRtsControl = rts[FRtsControl];
  dcb.fAbortOnError = FALSE;
  dcb.fDummy2 = 0;
  dcb.XonLim = FXonLimit;
  dcb.XoffLim = FXoffLimit;
  dcb.ByteSize = BYTE(uint8_t(FByteSize) + 5);
  dcb.Parity = BYTE(FParity);
  dcb.StopBits = BYTE(FStopBits);
  dcb.XonChar = FXonChar;
  dcb.XoffChar = FXoffChar;
  dcb.ErrorChar = FReplacedChar;
  SetCommState(FHandle, &dcb);
}

void TComm::ApplyCommTimeouts() {
  COMMTIMEOUTS timeouts{FReadIntervalTimeout, FReadTotalTimeoutMultiplier, FReadTotalTimeoutConstant,
                        FWriteTotalTimeoutMultiplier, FWriteTotalTimeoutConstant};
  SetCommTimeouts(FHandle, &timeouts);
}

void TComm::HandleThreadMessage(TMessage& message) {
  switch (message.Msg) {
    case PWM_GOTCOMMDATA: {
      void* copy = reinterpret_cast<void*>(message.LParam);
      struct TFree {
        void* Copy;
        ~TFree() { FreeDataCopy(Copy); }
      } release{copy};
      if (OnReceiveData) OnReceiveData(this, copy, uint16_t(message.WParam));
      break;
    }
    case PWM_RECEIVEERROR:
      if (OnReceiveError) OnReceiveError(this, uint32_t(message.LParam));
      break;
    case PWM_REQUESTHANGUP:
      if (OnRequestHangup) OnRequestHangup(this);
      break;
    case PWM_MODEMSTATECHANGE:
      if (OnModemStateChange) OnModemStateChange(this, uint32_t(message.LParam));
      break;
    case PWM_SENDDATAEMPTY:
      if (OnSendDataEmpty) OnSendDataEmpty(this);
      break;
    default:
      message.Result = DefWindowProcW(FWindow, message.Msg, message.WParam, message.LParam);
  }
}
