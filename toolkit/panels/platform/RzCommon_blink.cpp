// The status panes' blink clock: one timer for every pane of the process.
#include <algorithm>

#include "RzCommon_win.h"
#include "cxMessages.h"

namespace {
TRzBlinkingControlsList* gBlinkClock = nullptr;
}

TRzBlinkingControlsList::TRzBlinkingControlsList() : FTimer(new TTimer(nullptr)) {
  FTimer->SetInterval(FIntervalOff);
  FTimer->SetOnTimer(TNotifyEvent(this, &TRzBlinkingControlsList::TimerTick));
}

TRzBlinkingControlsList::~TRzBlinkingControlsList() { delete FTimer; }

void TRzBlinkingControlsList::Add(TControl* Control) {
  if (Control && std::find(FControls.begin(), FControls.end(), Control) == FControls.end())
    FControls.push_back(Control);
}

void TRzBlinkingControlsList::Remove(TControl* Control) {
  FControls.erase(std::remove(FControls.begin(), FControls.end(), Control), FControls.end());
}

void TRzBlinkingControlsList::TimerTick(TObject*) {
  if (FState == 1) {
    FState = 0;
    FTimer->SetInterval(FIntervalOff);
  } else {
    FState = 1;
    FTimer->SetInterval(FIntervalOn);
  }
  // A pane may go while it is told (its handler frees it): each is asked only
  // while it is still registered.
  const std::vector<TControl*> controls(FControls);
  for (TControl* control : controls) {
    if (std::find(FControls.begin(), FControls.end(), control) == FControls.end()) continue;
    if (control->Perform(CXM_BLINKQUERY, 0, 0) == 1) control->Perform(CXM_BLINKSTATE, FState, 0);
  }
}

TRzBlinkingControlsList* BlinkingControlsList() { return gBlinkClock; }

TRzBlinkingControlsList* AcquireBlinkingControlsList() {
  if (!gBlinkClock && !IsFinalizing()) gBlinkClock = new TRzBlinkingControlsList();
  return gBlinkClock;
}

void ReleaseBlinkClockIfIdle() {
  if (gBlinkClock && gBlinkClock->Count() == 0) {
    delete gBlinkClock;
    gBlinkClock = nullptr;
  }
}

void FreeBlinkClock() {
  delete gBlinkClock;
  gBlinkClock = nullptr;
}
