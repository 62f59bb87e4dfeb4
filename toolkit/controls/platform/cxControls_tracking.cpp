// Mouse-leave tracking: a fast toolkit timer per caller watches whether the
// mouse is still inside what the caller shows, and tells it (and its
// control) once the mouse has left or the control can no longer be used.
#include <algorithm>
#include <memory>

#include "cxControls_internal.h"
#include "cxControls_win.h"

namespace {

constexpr unsigned kTrackingInterval = 10;

std::vector<TMouseTrackingTimer*>* GTimers = nullptr;

std::vector<TMouseTrackingTimer*>* Timers() {
  if (!GTimers && !cxControlsFinalizing) GTimers = new std::vector<TMouseTrackingTimer*>();
  return GTimers;
}

bool IsListed(TMouseTrackingTimer* ATimer) {
  return GTimers && std::find(GTimers->begin(), GTimers->end(), ATimer) != GTimers->end();
}

TPoint CursorPos() {
  POINT p{0, 0};
  GetCursorPos(&p);
  return TPoint{p.x, p.y};
}

}  // namespace

TMouseTrackingTimer::TMouseTrackingTimer(TComponent* AOwner) : TcxTimer(AOwner) {}

TMouseTrackingTimer::~TMouseTrackingTimer() {
  if (GTimers) std::erase(*GTimers, this);
  SetControl(nullptr);
}

void TMouseTrackingTimer::SetControl(TWinControl* Value) {
  if (FControl == Value) return;
  if (FControl) FControl->RemoveFreeNotification(this);
  FControl = Value;
  if (FControl) FControl->FreeNotification(this);
}

void TMouseTrackingTimer::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FControl) FControl = nullptr;
}

void TMouseTrackingTimer::TimerHandler(TObject*) {
  TWinControl* control = FControl;
  const bool windowed = control && control->HandleAllocated();
  const TPoint cursor = CursorPos();
  bool inside;
  IcxMouseTrackingHitTest* hitTest = nullptr;
  if (Supports<IcxMouseTrackingHitTest>(FCaller, hitTest)) {
    inside = windowed && hitTest->PtInCaller(control->ScreenToClient(cursor));
  } else {
    inside = PointInRect(Bounds, cursor);
  }
  const bool usable = windowed && IsWindowAndParentsEnabled(control->Handle());
  if (inside && usable) return;
  IcxMouseTrackingCaller* caller = FCaller;
  const bool outsideWindow = windowed && !PointInRect(control->ClientRect(), control->ScreenToClient(cursor));
  // Each step may end the tracking (or free the control): the timer is looked up again after it.
  if (control && (outsideWindow || !usable)) control->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(control));
  if (!IsListed(this)) return;
  caller->MouseLeave();
  StopMouseTracking(caller);
}

void StartMouseTracking(TWinControl* AControl, const TRect& ABounds, IcxMouseTrackingCaller* ACaller) {
  std::vector<TMouseTrackingTimer*>* timers = Timers();
  if (!timers || !ACaller || FindMouseTrackingTimer(ACaller)) return;
  auto timer = std::make_unique<TMouseTrackingTimer>(nullptr);
  timer->FCaller = ACaller;
  timer->SetControl(AControl);
  timer->Bounds = ABounds;
  if (AControl && AControl->HandleAllocated()) {
    MapRectBetweenWindows(AControl->Handle(), nullptr, timer->Bounds);
  } else if (AControl) {
    const TPoint origin = AControl->ClientToScreen(TPoint{0, 0});
    timer->Bounds = OffsetRectByPoint(ABounds, origin);
  }
  timer->SetInterval(kTrackingInterval);
  timers->push_back(timer.get());
  timer->SetOnTimer(TNotifyEvent(timer.get(), &TMouseTrackingTimer::TimerHandler));
  timer.release();
}

void StopMouseTracking(IcxMouseTrackingCaller* ACaller) {
  if (TMouseTrackingTimer* timer = GTimers ? FindMouseTrackingTimer(ACaller) : nullptr) delete timer;
}

bool IsMouseTracked(IcxMouseTrackingCaller* ACaller) { return FindMouseTrackingTimer(ACaller) != nullptr; }

TMouseTrackingTimer* FindMouseTrackingTimer(IcxMouseTrackingCaller* ACaller) {
  if (!GTimers || cxControlsFinalizing) return nullptr;
  for (TMouseTrackingTimer* timer : *GTimers)
    if (timer->Caller() == ACaller) return timer;
  return nullptr;
}

const std::vector<TMouseTrackingTimer*>* MouseTrackingTimerList() { return cxControlsFinalizing ? nullptr : GTimers; }

// At the unit's end a timer left running is released quietly: the program is
// ending, and raising here would only turn a clean exit into an error.
void FreeMouseTrackingTimers() {
  if (!GTimers) return;
  while (!GTimers->empty()) delete GTimers->back();
  delete GTimers;
  GTimers = nullptr;
}
