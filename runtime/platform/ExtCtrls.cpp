#include "ExtCtrls.h"

#include "Streaming.h"

namespace {
const TResStringRec SNoTimers{L"SNoTimers", L"Not enough timers available"};
}

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
  FWindowHandle = AllocateHWnd(TWndMethod(this, &TTimer::WndProc));
}

TTimer::~TTimer() {
  FEnabled = false;
  UpdateTimer();
  DeallocateHWnd(FWindowHandle);
}

void TTimer::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned Value) {
  if (Value == FInterval) return;
  FInterval = Value;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent Value) {
  FOnTimer = Value;
  UpdateTimer();
}

// A timer without a handler is not armed: nothing would hear it.
void TTimer::UpdateTimer() {
  KillTimer(FWindowHandle, 1);
  if (FInterval != 0 && FEnabled && FOnTimer) {
    if (SetTimer(FWindowHandle, 1, FInterval, nullptr) == 0) throw EOutOfResources(LoadResString(&SNoTimers));
  }
}

void TTimer::Timer() {
  if (FOnTimer) FOnTimer(this);
}

void TTimer::WndProc(TMessage& Message) {
  if (Message.Msg != WM_TIMER) {
    Message.Result = DefWindowProcW(FWindowHandle, Message.Msg, Message.WParam, Message.LParam);
    return;
  }
  try {
    Timer();
  } catch (...) {
    HandleCallbackException(this);
  }
}

VAMIRE_PUBLISHED(TTimer,
                 Prop(L"Enabled", &TTimer::Enabled, &TTimer::SetEnabled).Default(true),
                 Prop(L"Interval", &TTimer::Interval, &TTimer::SetInterval).Default(1000u),
                 Prop(L"OnTimer", &TTimer::OnTimer, &TTimer::SetOnTimer))
