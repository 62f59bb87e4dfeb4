// Hints: the hint window and the application's timing of it (show after a
// pause over a control with ShowHint, hide after a while or when the mouse
// leaves the control).
#include <algorithm>

#include "ActnList.h"
#include "Forms.h"

THintWindowClass HintWindowClass = THintWindow::StaticClass();

namespace {

enum : UINT { kShowHintTimer = 1, kHideHintTimer = 2 };

// The part of a hint before "|" (shown in the hint window) and after it
// (the long hint, Application->Hint).
String ShortHint(const String& Hint) {
  const size_t bar = Hint.find(L'|');
  return bar == String::npos ? Hint : Hint.substr(0, bar);
}

String LongHint(const String& Hint) {
  const size_t bar = Hint.find(L'|');
  return bar == String::npos ? Hint : Hint.substr(bar + 1);
}

// The control whose hint shows over Control: the first of it and its parents
// with ShowHint on.
TControl* HintControlOf(TControl* Control) {
  while (Control && !Control->ShowHint()) Control = Control->Parent();
  if (Control && Control->ComponentState().Contains(csDesigning)) return nullptr;
  return Control;
}

// The control of this program under a screen point (FindControl ignores
// other programs' windows).
TControl* ControlAtScreenPoint(const TPoint& Pos) { return FindDragTarget(Pos, true); }

TPoint CursorPosition() {
  POINT p{};
  GetCursorPos(&p);
  return TPoint{p.x, p.y};
}

bool Contains(const TRect& R, const TPoint& P) { return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom; }

}  // namespace

// --- The hint window ----------------------------------------------------------------------------

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  SetVisible(false);
  SetParentColor(false);
  SetParentFont(false);
  SetColor(Application ? Application->HintColor() : clInfoBk);
  if (Screen) Font()->Assign(Screen->HintFont());
  Font()->SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style = WS_POPUP | WS_BORDER;
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  Params.WndParent = nullptr;
  Params.WindowClass.style |= CS_SAVEBITS;
}

TRect THintWindow::CalcHintRect(int MaxWidth, const String& AHint, void*) {
  TRect r{0, 0, std::max(MaxWidth, 1), 0};
  HDC dc = Canvas()->Handle();
  HGDIOBJ old = SelectObject(dc, Font()->Handle());
  DrawTextW(dc, AHint.c_str(), int(AHint.size()), AsRect(r), DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, old);
  // Room for the border and a little space around the text.
  r.Right += 6;
  r.Bottom += 2;
  return r;
}

void THintWindow::ActivateHint(TRect Rect, const String& Hint) {
  SetCaption(Hint);
  // Kept inside the monitor the hint starts on.
  TRect area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (Screen)
    if (TMonitor* m = Screen->MonitorFromPoint(Rect.TopLeft())) area = m->BoundsRect();
  const int w = Rect.Right - Rect.Left, h = Rect.Bottom - Rect.Top;
  int left = std::max(std::min(Rect.Left, area.Right - w), area.Left);
  int top = std::max(std::min(Rect.Top, area.Bottom - h), area.Top);
  SetBounds(left, top, w, h);
  SetWindowPos(Handle(), HWND_TOPMOST, left, top, w, h, SWP_SHOWWINDOW | SWP_NOACTIVATE);
  Invalidate();
}

void THintWindow::ActivateHintData(TRect Rect, const String& Hint, void*) { ActivateHint(Rect, Hint); }

bool THintWindow::IsHintMsg(MSG& Msg) {
  switch (Msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_MOUSEWHEEL:
    case WM_ACTIVATE:
    case WM_ACTIVATEAPP:
      return HandleAllocated() && IsWindowVisible(FHandle);
    default:
      return false;
  }
}

void THintWindow::ReleaseHandle() {
  if (HandleAllocated()) ShowWindow(FHandle, SW_HIDE);
}

void THintWindow::Paint() {
  TRect r = ClientRect();
  r.Left += 2;
  r.Top += 1;
  Canvas()->Font()->Assign(Font());
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(ClientRect());
  // Drawn on the handle with the canvas's font selected.
  Canvas()->RequiredState(TCanvasStates{csHandleValid, csFontValid});
  HDC dc = Canvas()->Handle();
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, COLORREF(ColorToRGB(Font()->Color())));
  const String text = Caption();
  DrawTextW(dc, text.c_str(), int(text.size()), AsRect(r), DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

void THintWindow::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCHITTEST:
      // The hint never catches the mouse: the control below keeps it.
      Message.Result = HTTRANSPARENT;
      return;
    case WM_MOUSEACTIVATE:
      Message.Result = MA_NOACTIVATE;
      return;
    default:
      inherited::Dispatch(Message);
  }
}

// --- Timing in the application ---------------------------------------------------------------------

void TApplication::SetShowHint(bool Value) {
  if (Value == FShowHint) return;
  FShowHint = Value;
  if (!Value) CancelHint();
}

void TApplication::SetHint(const String& Value) {
  if (Value == FHint) return;
  FHint = Value;
  try {
    if (OnHint) {
      OnHint(this);
    } else {
      // Nobody listens: a control that shows hints (AutoHint) may take it.
      THintAction action(nullptr);
      action.SetHint(Value);
      action.Execute();
    }
  } catch (...) {
    HandleException(this);
  }
}

bool TApplication::IsHintMsg(MSG& Msg) {
  if (FHintWindow && FHintWindow->IsHintMsg(Msg)) CancelHint();
  if (Msg.message == WM_MOUSEMOVE) {
    if (TWinControl* control = FindControl(Msg.hwnd)) {
      const TPoint pos{short(LOWORD(Msg.lParam)), short(HIWORD(Msg.lParam))};
      TControl* target = control->ControlAtPos(pos, true);
      HintMouseMessage(target ? target : control, Msg);
    }
  }
  return false;  // the message still goes to its window
}

void TApplication::HintMouseMessage(TControl* Control, const MSG&) {
  if (!FShowHint) return;
  SetHint(Control ? LongHint(Control->Hint()) : String());
  TControl* hintControl = HintControlOf(Control);
  if (hintControl != FHintControl) {
    const bool wasShowing = FHintActive;
    HideHint();
    if (FHintControl) FHintControl->RemoveFreeNotification(this);
    FHintControl = hintControl;
    if (!FHintControl) {
      StopHintTimer();
      FHintActive = false;
      return;
    }
    FHintControl->FreeNotification(this);
    StartHintTimer(wasShowing ? FHintShortPause : FHintPause, kShowHintTimer);
  } else if (FHintActive && !Contains(FHintCursorRect, CursorPosition())) {
    HideHint();
  }
}

void TApplication::ActivateHint(const TPoint& CursorPos) {
  StopHintTimer();
  TControl* control = HintControlOf(ControlAtScreenPoint(CursorPos));
  if (control != FHintControl) {
    if (FHintControl) FHintControl->RemoveFreeNotification(this);
    FHintControl = control;
    if (FHintControl) FHintControl->FreeNotification(this);
  }
  if (!control || !FShowHint) return;
  THintInfo info;
  info.HintControl = control;
  info.HintWindowClass = HintWindowClass;
  info.HintPos = TPoint{CursorPos.X, CursorPos.Y + GetSystemMetrics(SM_CYCURSOR) / 2 + 4};
  info.HintMaxWidth = Screen ? Screen->Width() : GetSystemMetrics(SM_CXSCREEN);
  info.HintColor = FHintColor;
  info.CursorRect = control->ClientRect();
  info.CursorPos = control->ScreenToClient(CursorPos);
  info.HideTimeout = FHintHidePause;
  info.HintStr = ShortHint(control->Hint());
  bool canShow = control->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) == 0;
  if (canShow && OnShowHint) OnShowHint(info.HintStr, canShow, info);
  if (!canShow || info.HintStr.empty()) {
    HideHint();
    FHintActive = false;
    return;
  }
  TClass windowClass = info.HintWindowClass && info.HintWindowClass->InheritsFrom(THintWindow::StaticClass())
                           ? info.HintWindowClass
                           : THintWindow::StaticClass();
  if (FHintWindow && FHintWindow->ClassType() != windowClass) {
    FHintWindow->Free();
    FHintWindow = nullptr;
  }
  if (!FHintWindow) FHintWindow = static_cast<THintWindow*>(windowClass->Create(this));
  FHintWindow->SetColor(info.HintColor);
  TRect r = FHintWindow->CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
  r = TRect{r.Left + info.HintPos.X, r.Top + info.HintPos.Y, r.Right + info.HintPos.X, r.Bottom + info.HintPos.Y};
  FHintWindow->ActivateHintData(r, info.HintStr, info.HintData);
  const TPoint origin = control->ClientToScreen(TPoint{0, 0});
  FHintCursorRect = TRect{info.CursorRect.Left + origin.X, info.CursorRect.Top + origin.Y,
                          info.CursorRect.Right + origin.X, info.CursorRect.Bottom + origin.Y};
  FHintActive = true;
  if (info.HideTimeout > 0) StartHintTimer(info.HideTimeout, kHideHintTimer);
}

void TApplication::HideHint() {
  if (FHintWindow) FHintWindow->ReleaseHandle();
}

void TApplication::CancelHint() {
  StopHintTimer();
  HideHint();
  if (FHintControl) FHintControl->RemoveFreeNotification(this);
  FHintControl = nullptr;
  FHintActive = false;
}

void TApplication::StartHintTimer(int Pause, UINT Id) {
  StopHintTimer();
  if (SetTimer(FHandle, Id, UINT(std::max(Pause, 0)), nullptr)) FHintTimer = Id;
}

void TApplication::StopHintTimer() {
  if (FHintTimer) KillTimer(FHandle, FHintTimer);
  FHintTimer = 0;
}

void TApplication::HintTimerExpired(UINT Id) {
  StopHintTimer();
  if (Id == kShowHintTimer) {
    // Only while the mouse is still over the control the pause began on.
    const TPoint pos = CursorPosition();
    if (FHintControl && HintControlOf(ControlAtScreenPoint(pos)) == FHintControl) ActivateHint(pos);
  } else if (Id == kHideHintTimer) {
    HideHint();
  }
}
