// TcxTimer and the shared timer window.
#include "Streaming.h"
#include "cxControlsBase_win.h"

namespace {

// Ids start above 0 and only grow; with 32 bits they last 4 billion timers.
UINT_PTR GLastTimerID = 0;

}  // namespace

TcxTimer* TcxRunningTimerList::Find(UINT_PTR TimerID) const {
  auto it = FTimers.find(TimerID);
  return it == FTimers.end() ? nullptr : it->second;
}

// --- TcxTimerWindow ----------------------------------------------------------------------
void TcxTimerWindow::WndProc(TMessage& Message) {
  if (Message.Msg == WM_TIMER) HandleTimerMessage(Message);
  else TcxMessageWindow::WndProc(Message);
}

void TcxTimerWindow::HandleTimerMessage(TMessage& Message) {
  TcxRunningTimerList* running = GetRunningTimerList();
  TcxTimer* timer = running ? running->Find(UINT_PTR(Message.WParam)) : nullptr;
  // The timer may free itself inside: nothing of it is touched afterwards.
  if (timer) timer->FireTimer();
}

// --- TcxTimer ----------------------------------------------------------------------------
TcxTimer::TcxTimer(TComponent* AOwner) : TComponent(AOwner), FTimerID(++GLastTimerID) {}

TcxTimer::~TcxTimer() { StopTimer(); }

void TcxTimer::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  RestartTimer();
}

void TcxTimer::SetInterval(unsigned Value) {
  if (Value == FInterval || Value == 0) return;
  FInterval = Value;
  RestartTimer();
}

void TcxTimer::SetOnTimer(TNotifyEvent Value) {
  FOnTimer = Value;
  RestartTimer();
}

void TcxTimer::FireTimer() {
  if (FOnTimer) FOnTimer(this);
}

void TcxTimer::RestartTimer() {
  StopTimer();
  StartTimer();
}

void TcxTimer::StartTimer() {
  if (!CanStartTimer()) return;
  TcxTimerWindow* window = GetTimerWindow();
  SetRunning(window && SetTimer(window->Handle(), FTimerID, FInterval, nullptr) != 0);
}

void TcxTimer::StopTimer() {
  if (!FRunning) return;
  if (TcxTimerWindow* window = GetTimerWindow()) KillTimer(window->Handle(), FTimerID);
  SetRunning(false);
}

void TcxTimer::SetRunning(bool Value) {
  if (Value == FRunning) return;
  if (TcxRunningTimerList* running = GetRunningTimerList()) {
    if (Value) running->Add(FTimerID, this);
    else running->Remove(FTimerID);
  }
  FRunning = Value;
}

VAMIRE_PUBLISHED(TcxTimer,
                 Prop(L"Enabled", &TcxTimer::Enabled, &TcxTimer::SetEnabled).Default(true),
                 Prop(L"Interval", &TcxTimer::Interval, &TcxTimer::SetInterval).Default(1000u),
                 Prop(L"OnTimer", &TcxTimer::OnTimer, &TcxTimer::SetOnTimer))
