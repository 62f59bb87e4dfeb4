// TComm: one serial port, opened for overlapped I/O, with a reader and a writer
// thread. Writes are queued from the caller's thread and return at once; what
// the threads report comes back to the GUI thread as messages to a hidden
// window and from there as events.
#pragma once

#include <cstdint>
#include <memory>

#include "Classes.h"
#include "HiddenWindow.h"
#include "Streaming.h"
#include "System.h"
#include "Units.h"

// The messages the port threads post to the hidden window.
const unsigned PWM_GOTCOMMDATA = 1025;   // reader: bytes received (wParam count, lParam copy)
const unsigned PWM_RECEIVEERROR = 1026;  // reader: line-error flags in lParam
const unsigned PWM_REQUESTHANGUP = 1027; // reader or writer: an error it cannot handle
const unsigned PWM_MODEMSTATECHANGE = 1028;  // reader: 4 ring, 8 carrier detect
const unsigned PWM_SENDDATAEMPTY = 1029;     // writer: the write queue ran empty

enum class TParity : uint8_t { None, Odd, Even, Mark, Space };
enum class TStopBits : uint8_t { _1, _1_5, _2 };
enum class TByteSize : uint8_t { _5, _6, _7, _8 };
enum TDtrControl : uint8_t { DtrEnable, DtrDisable, DtrHandshake };
enum TRtsControl : uint8_t { RtsEnable, RtsDisable, RtsHandshake, RtsTransmissionAvailable };
VAMIRE_ENUM_NAMES(TParity, L"None", L"Odd", L"Even", L"Mark", L"Space")
VAMIRE_ENUM_NAMES(TStopBits, L"_1", L"_1_5", L"_2")
VAMIRE_ENUM_NAMES(TByteSize, L"_5", L"_6", L"_7", L"_8")
VAMIRE_ENUM_NAMES(TDtrControl, L"DtrEnable", L"DtrDisable", L"DtrHandshake")
VAMIRE_ENUM_NAMES(TRtsControl, L"RtsEnable", L"RtsDisable", L"RtsHandshake", L"RtsTransmissionAvailable")

using TReceiveDataEvent = TMethod<void(TObject* Sender, void* Buffer, uint16_t BufferLength)>;
using TReceiveErrorEvent = TMethod<void(TObject* Sender, uint32_t EventMask)>;
using TModemStateChangeEvent = TMethod<void(TObject* Sender, uint32_t ModemEvent)>;
using TSendDataEmptyEvent = TMethod<void(TObject* Sender)>;

VAMIRE_EXCEPTION(ECommsError, Exception)

class TReadThread;
class TWriteThread;
class TWriteQueue;

class TComm : public TComponent {
  VAMIRE_CLASS(TComm, TComponent)
 public:
  // Sets the defaults and makes the hidden window (not while designing).
  explicit TComm(TComponent* AOwner);
  // Closes an open port first, so the port threads never outlive the component.
  ~TComm() override;

  // Opens CommName ("//./COM5"), applies the line state and time-outs and
  // starts both threads; returns once the writer runs. Raises
  // ECommsError and holds nothing on failure.
  void OpenPort();
  // Stops both threads and releases the event and the port; nothing when closed.
  // Writes still queued are dropped.
  void ClosePort();
  // Queues a copy of `length` bytes to the writer and returns at once; any
  // thread may call it, also while another closes the port. False, queuing
  // nothing, on a closed port, for length 0 or when the writer is gone.
  bool WriteData(const void* buffer, uint16_t length);
  bool Opened() const { return FHandle != nullptr; }
  // The port's handle while open, else null.
  HANDLE Handle() const { return FHandle; }

  const String& CommName() const { return FCommName; }
  void SetCommName(const String& value) { FCommName = value; }
  uint32_t BaudRate() const { return FBaudRate; }
  void SetBaudRate(uint32_t value) { SetState(FBaudRate, value); }
  bool ParityCheck() const { return FParityCheck; }
  void SetParityCheck(bool value) { SetState(FParityCheck, value); }
  bool Outx_CtsFlow() const { return FOutx_CtsFlow; }
  void SetOutx_CtsFlow(bool value) { SetState(FOutx_CtsFlow, value); }
  bool Outx_DsrFlow() const { return FOutx_DsrFlow; }
  void SetOutx_DsrFlow(bool value) { SetState(FOutx_DsrFlow, value); }
  TDtrControl DtrControl() const { return FDtrControl; }
  void SetDtrControl(TDtrControl value) { SetState(FDtrControl, value); }
  bool DsrSensitivity() const { return FDsrSensitivity; }
  void SetDsrSensitivity(bool value) { SetState(FDsrSensitivity, value); }
  bool TxContinueOnXoff() const { return FTxContinueOnXoff; }
  void SetTxContinueOnXoff(bool value) { SetState(FTxContinueOnXoff, value); }
  bool Outx_XonXoffFlow() const { return FOutx_XonXoffFlow; }
  void SetOutx_XonXoffFlow(bool value) { SetState(FOutx_XonXoffFlow, value); }
  bool Inx_XonXoffFlow() const { return FInx_XonXoffFlow; }
  void SetInx_XonXoffFlow(bool value) { SetState(FInx_XonXoffFlow, value); }
  bool ReplaceWhenParityError() const { return FReplaceWhenParityError; }
  void SetReplaceWhenParityError(bool value) { SetState(FReplaceWhenParityError, value); }
  bool IgnoreNullChar() const { return FIgnoreNullChar; }
  void SetIgnoreNullChar(bool value) { SetState(FIgnoreNullChar, value); }
  TRtsControl RtsControl() const { return FRtsControl; }
  void SetRtsControl(TRtsControl value) { SetState(FRtsControl, value); }
  uint16_t XonLimit() const { return FXonLimit; }
  void SetXonLimit(uint16_t value) { SetState(FXonLimit, value); }
  uint16_t XoffLimit() const { return FXoffLimit; }
  void SetXoffLimit(uint16_t value) { SetState(FXoffLimit, value); }
  TByteSize ByteSize() const { return FByteSize; }
  void SetByteSize(TByteSize value) { SetState(FByteSize, value); }
  // Parity takes effect at the next open only.
  TParity Parity() const { return FParity; }
  void SetParity(TParity value) { FParity = value; }
  TStopBits StopBits() const { return FStopBits; }
  void SetStopBits(TStopBits value) { SetState(FStopBits, value); }
  char XonChar() const { return FXonChar; }
  void SetXonChar(char value) { SetState(FXonChar, value); }
  char XoffChar() const { return FXoffChar; }
  void SetXoffChar(char value) { SetState(FXoffChar, value); }
  char ReplacedChar() const { return FReplacedChar; }
  void SetReplacedChar(char value) { SetState(FReplacedChar, value); }
  uint32_t ReadIntervalTimeout() const { return FReadIntervalTimeout; }
  void SetReadIntervalTimeout(uint32_t value) { SetTimeout(FReadIntervalTimeout, value); }
  uint32_t ReadTotalTimeoutMultiplier() const { return FReadTotalTimeoutMultiplier; }
  void SetReadTotalTimeoutMultiplier(uint32_t value) { SetTimeout(FReadTotalTimeoutMultiplier, value); }
  uint32_t ReadTotalTimeoutConstant() const { return FReadTotalTimeoutConstant; }
  void SetReadTotalTimeoutConstant(uint32_t value) { SetTimeout(FReadTotalTimeoutConstant, value); }
  uint32_t WriteTotalTimeoutMultiplier() const { return FWriteTotalTimeoutMultiplier; }
  void SetWriteTotalTimeoutMultiplier(uint32_t value) { SetTimeout(FWriteTotalTimeoutMultiplier, value); }
  uint32_t WriteTotalTimeoutConstant() const { return FWriteTotalTimeoutConstant; }
  void SetWriteTotalTimeoutConstant(uint32_t value) { SetTimeout(FWriteTotalTimeoutConstant, value); }

  TReceiveDataEvent OnReceiveData;
  TReceiveErrorEvent OnReceiveError;
  TModemStateChangeEvent OnModemStateChange;
  TNotifyEvent OnRequestHangup;
  TSendDataEmptyEvent OnSendDataEmpty;

  // Data copies (received or queued for writing) not yet freed, over all
  // ports of the process; a diagnostic for leak checks.
  static long DataCopiesAlive();

 protected:
  void ApplyCommState();
  void ApplyCommTimeouts();

 private:
  template <class T>
  void SetState(T& field, T value) {
    if (field == value) return;
    field = value;
    if (Opened()) ApplyCommState();
  }
  void SetTimeout(uint32_t& field, uint32_t value) {
    if (field == value) return;
    field = value;
    if (Opened()) ApplyCommTimeouts();
  }
  void StopReadThread();
  void StopWriteThread();
  void CloseHandles();
  // Tells both threads to end: the close event, and the write queue stops.
  void SignalClose();
  template <class T>
  void StopThread(T*& thread, DWORD purgeFlags);
  // The hidden window's procedure, on the GUI thread.
  void HandleThreadMessage(TMessage& message);

  HANDLE FHandle = nullptr;      // the port; null while closed
  HANDLE FCloseEvent = nullptr;  // manual reset, stops both threads
  TReadThread* FReadThread = nullptr;
  TWriteThread* FWriteThread = nullptr;
  // Lives as long as the component, so a write racing ClosePort finds it.
  std::unique_ptr<TWriteQueue> FWriteQueue;
  HWND FWindow = nullptr;

  String FCommName = L"COM2";
  uint32_t FBaudRate = 9600;
  bool FParityCheck = false;
  bool FOutx_CtsFlow = false;
  bool FOutx_DsrFlow = false;
  TDtrControl FDtrControl = DtrEnable;
  bool FDsrSensitivity = false;
  bool FTxContinueOnXoff = true;
  bool FOutx_XonXoffFlow = true;
  bool FInx_XonXoffFlow = true;
  bool FReplaceWhenParityError = false;
  bool FIgnoreNullChar = false;
  TRtsControl FRtsControl = RtsEnable;
  uint16_t FXonLimit = 500;
  uint16_t FXoffLimit = 500;
  TByteSize FByteSize = TByteSize::_8;
  TParity FParity = TParity::None;
  TStopBits FStopBits = TStopBits::_1;
  char FXonChar = 0x11;
  char FXoffChar = 0x13;
  char FReplacedChar = 0x00;
  uint32_t FReadIntervalTimeout = 100;
  uint32_t FReadTotalTimeoutMultiplier = 0;
  uint32_t FReadTotalTimeoutConstant = 0;
  uint32_t FWriteTotalTimeoutMultiplier = 0;
  uint32_t FWriteTotalTimeoutConstant = 0;
};

// Unit start and end: the form reader creates TComm by class name while the unit runs.
extern const TUnitEntry SerialCommUnit;
