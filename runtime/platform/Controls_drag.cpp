// Drag and drop between controls. A drag holds the mouse through a hidden
// window of its own; moves and the release reach it through the message loop,
// so nothing here waits.
#include <cstdlib>

#include "Controls.h"
#include "Controls_internal.h"

struct TDragLoop {
  TControl* Source = nullptr;      // the control being dragged from
  TDragObject* Object = nullptr;   // null until the threshold is passed
  HWND Window = nullptr;           // holds the capture
  TPoint StartPos;
  int Threshold = 0;
  bool Accepted = false;

  static TDragLoop& Current() {
    static TDragLoop loop;
    return loop;
  }

  void WndProc(TMessage& Message);
  void Forget(TControl* Control);
  void Start();
  void MoveTo(TPoint Pos);
  void Done(bool Drop);
  LRESULT SendDrag(TControl* Target, TDragMessage Msg, TPoint Pos);
};

namespace {
bool Active() { return TDragLoop::Current().Source != nullptr; }
}

TDragObject* DragObject() { return TDragLoop::Current().Object; }

void CancelDrag() {
  if (Active()) TDragLoop::Current().Done(false);
}

LRESULT TDragLoop::SendDrag(TControl* Target, TDragMessage Msg, TPoint Pos) {
  if (!Target) return 0;
  TDragRec rec{Pos, Object, Target, false};
  return Target->Perform(CM_DRAG, WPARAM(Msg), reinterpret_cast<LPARAM>(&rec));
}

void TDragLoop::Start() {
  TDragObject* obj = nullptr;
  Source->DoStartDrag(obj);
  // The source may have ended the drag (or been freed) in OnStartDrag.
  if (!Source) return;
  if (!obj) obj = new TDragControlObjectEx(Source);
  Object = obj;
  Object->FDragPos = StartPos;
  MoveTo(StartPos);
}

void TDragLoop::MoveTo(TPoint Pos) {
  if (!Source) return;
  if (!Object) {
    if (std::abs(Pos.X - StartPos.X) < Threshold && std::abs(Pos.Y - StartPos.Y) < Threshold) return;
    StartPos = Pos;
    Start();
    return;
  }
  TControl* target = FindDragTarget(Pos, false);
  TControl* old = Object->FDragTarget;
  Object->FDragPos = Pos;
  if (target != old) {
    if (old) SendDrag(old, dmDragLeave, Pos);
    if (!Source) return;
    Object->FDragTarget = target;
    Accepted = target && SendDrag(target, dmDragEnter, Pos) != 0;
  } else {
    Accepted = target && SendDrag(target, dmDragMove, Pos) != 0;
  }
  if (!Source || !Object) return;
  if (target) Object->FDragTargetPos = target->ScreenToClient(Pos);
  ::SetCursor(GetCursorHandle(Object->GetDragCursor(Accepted, Pos.X, Pos.Y)));
}

void TDragLoop::Done(bool Drop) {
  TControl* source = Source;
  TDragObject* obj = Object;
  HWND wnd = Window;
  Source = nullptr;
  Object = nullptr;
  Window = nullptr;
  if (wnd) {
    if (GetCapture() == wnd) ReleaseCapture();
    DeallocateHWnd(wnd);
  }
  if (!obj) return;
  TControl* target = obj->FDragTarget;
  const TPoint pos = obj->FDragPos;
  const bool accepted = Drop && target && Accepted;
  obj->FCancelling = !Drop;
  if (target) {
    TDragRec rec{pos, obj, target, false};
    if (accepted) {
      obj->FDropped = true;
      target->Perform(CM_DRAG, WPARAM(dmDragDrop), reinterpret_cast<LPARAM>(&rec));
    } else {
      target->Perform(CM_DRAG, WPARAM(dmDragLeave), reinterpret_cast<LPARAM>(&rec));
    }
  }
  const TPoint tp = accepted && target ? target->ScreenToClient(pos) : TPoint{};
  (void)source;
  try {
    obj->Finished(accepted ? static_cast<TObject*>(target) : nullptr, tp.X, tp.Y, accepted);
  } catch (...) {
    if (obj->AutoFree()) delete obj;
    throw;
  }
  if (obj->AutoFree()) delete obj;
}

void TDragLoop::WndProc(TMessage& Message) {
  try {
    switch (Message.Msg) {
      case WM_MOUSEMOVE: {
        POINT p{short(LOWORD(Message.LParam)), short(HIWORD(Message.LParam))};
        ClientToScreen(Window, &p);
        MoveTo(TPoint{p.x, p.y});
        return;
      }
      case WM_LBUTTONUP: {
        POINT p{short(LOWORD(Message.LParam)), short(HIWORD(Message.LParam))};
        ClientToScreen(Window, &p);
        if (Object) MoveTo(TPoint{p.x, p.y});
        Done(true);
        return;
      }
      case WM_RBUTTONDOWN:
      case WM_CAPTURECHANGED:
        if (Message.Msg == WM_CAPTURECHANGED && reinterpret_cast<HWND>(Message.LParam) == Window) break;
        Done(false);
        return;
      case CN_KEYDOWN:
      case WM_KEYDOWN:
        if (Message.WParam == VK_ESCAPE) {
          Done(false);
          Message.Result = 1;
          return;
        }
        Message.Result = 1;
        return;
      case CN_KEYUP:
      case CN_CHAR:
        Message.Result = 1;
        return;
    }
  } catch (...) {
    HandleCallbackException(nullptr);
    return;
  }
  Message.Result = DefWindowProcW(Window, Message.Msg, Message.WParam, Message.LParam);
}

void TDragLoop::Forget(TControl* Control) {
  if (Object && Object->FDragTarget == Control) Object->FDragTarget = nullptr;
  if (auto* co = dynamic_cast<TBaseDragControlObject*>(Object); co && co->Control() == Control) co->SetControl(nullptr);
  if (Source == Control) Done(false);
}

// --- TControl side -----------------------------------------------------------------------
void TControl::BeginDrag(bool Immediate, int Threshold) {
  if (ComponentState().Contains(csDesigning)) return;
  TDragLoop& loop = TDragLoop::Current();
  if (loop.Source) return;
  if (Threshold < 0) Threshold = Mouse->DragThreshold();
  loop.Source = this;
  loop.Threshold = Threshold;
  loop.Accepted = false;
  loop.StartPos = Mouse->CursorPos();
  loop.Window = AllocateHWnd(TWndMethod(&loop, &TDragLoop::WndProc));
  SetCapture(loop.Window);
  if (Immediate) loop.Start();
}

void TControl::EndDrag(bool Drop) {
  if (Dragging()) TDragLoop::Current().Done(Drop);
}

bool TControl::Dragging() const { return TDragLoop::Current().Source == this; }

void TControl::DoStartDrag(TDragObject*& DragObject) {
  if (OnStartDrag) OnStartDrag(this, DragObject);
}

void TControl::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
  Accept = false;
  if (OnDragOver) {
    Accept = true;
    OnDragOver(this, Source, X, Y, State, Accept);
  }
}

void TControl::DragDrop(TObject* Source, int X, int Y) {
  if (OnDragDrop) OnDragDrop(this, Source, X, Y);
}

void TControl::DoEndDrag(TObject* Target, int X, int Y) {
  if (OnEndDrag) OnEndDrag(this, Target, X, Y);
}

void TControl::CMDrag(TMessage& Message) {
  auto* rec = reinterpret_cast<TDragRec*>(Message.LParam);
  Message.Result = 0;
  if (!rec) return;
  switch (TDragMessage(Message.WParam)) {
    case dmDragEnter:
    case dmDragLeave:
    case dmDragMove: {
      const TPoint p = ScreenToClient(rec->Pos);
      bool accept = true;
      DragOver(rec->Source ? rec->Source->Instance() : nullptr, p.X, p.Y, TDragState(Message.WParam), accept);
      Message.Result = accept ? 1 : 0;
      break;
    }
    case dmDragDrop: {
      const TPoint p = ScreenToClient(rec->Pos);
      DragDrop(rec->Source ? rec->Source->Instance() : nullptr, p.X, p.Y);
      break;
    }
    case dmFindTarget: {
      TControl* c = nullptr;
      if (auto* w = dynamic_cast<TWinControl*>(this)) c = w->ControlAtPos(ScreenToClient(rec->Pos), false);
      Message.Result = reinterpret_cast<LRESULT>(c ? c : this);
      break;
    }
    default: break;
  }
}

// --- Drag objects ------------------------------------------------------------------------
TCursor TDragObject::GetDragCursor(bool Accepted, int, int) { return Accepted ? crDrag : crNoDrop; }

TObject* TBaseDragControlObject::Instance() { return FControl; }

// The dragged control hears the end: refused drags as cancelled, with no target.
void TBaseDragControlObject::Finished(TObject* Target, int X, int Y, bool Accepted) {
  if (!FControl) return;
  if (!Accepted) {
    FControl->DragCanceled();
    Target = nullptr;
  }
  FControl->DoEndDrag(Target, X, Y);
}

TCursor TDragControlObject::GetDragCursor(bool Accepted, int X, int Y) {
  if (Accepted && FControl) return FControl->DragCursor();
  return TDragObject::GetDragCursor(Accepted, X, Y);
}

TDragImageList* TDragControlObject::GetDragImages() { return nullptr; }
void TDragControlObject::HideDragImage() {}
void TDragControlObject::ShowDragImage() {}

namespace vamire_controls {

void DragControlDestroyed(TControl* Control) { TDragLoop::Current().Forget(Control); }

}  // namespace vamire_controls
