// TcxCustomPopupWindow: showing beside the owner without taking the
// activation, closing, the message loop of a capture-focus popup, and the
// list of shown popups that the thread hooks (cxContainer_popuphooks.cpp) read.
#include <algorithm>

#include "HiddenWindow.h"
#include "cxClasses_win.h"
#include "cxContainer_popup_internal.h"
#include "cxContainer_popup_win.h"
#include "cxControls_internal.h"
#include "cxMessages.h"

namespace {

std::vector<TcxCustomPopupWindow*> GVisiblePopups;
int GFocusChangeLockCount = 0;

// Held while a popup's own code moves the focus.
class TFocusChangeLock {
 public:
  TFocusChangeLock() { LockFocusChange(true); }
  ~TFocusChangeLock() { LockFocusChange(false); }
  TFocusChangeLock(const TFocusChangeLock&) = delete;
  TFocusChangeLock& operator=(const TFocusChangeLock&) = delete;
};

bool IsTopmostWindow(HWND AWindow) { return (GetWindowLongPtrW(AWindow, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

bool IsWindowInside(HWND AWindow, HWND AContainer) {
  return AWindow && AContainer && (AWindow == AContainer || IsChild(AContainer, AWindow));
}

// The form of a control, or null; a form is its own.
TCustomForm* FormOf(TControl* AControl) { return AControl ? GetParentForm(AControl) : nullptr; }

}  // namespace

bool cxPopupShowing = false;

// --- The visible-popup list and the focus-change lock ------------------------------------------
bool IsPopupVisible(TcxCustomPopupWindow* APopup) {
  return APopup && std::find(GVisiblePopups.begin(), GVisiblePopups.end(), APopup) != GVisiblePopups.end();
}

void AddVisiblePopup(TcxCustomPopupWindow* APopup) {
  if (!APopup || IsPopupVisible(APopup)) throw EAssertionFailed(L"A popup is listed as shown twice (cxContainer)");
  GVisiblePopups.push_back(APopup);
}

void RemoveVisiblePopup(TcxCustomPopupWindow* APopup) {
  if (!IsPopupVisible(APopup)) throw EAssertionFailed(L"A popup not listed as shown was removed (cxContainer)");
  std::erase(GVisiblePopups, APopup);
}

const std::vector<TcxCustomPopupWindow*>& VisiblePopups() { return GVisiblePopups; }

void LockFocusChange(bool ALock) {
  if (ALock) ++GFocusChangeLockCount;
  else if (GFocusChangeLockCount > 0) --GFocusChangeLockCount;
}

bool IsFocusChangeLocked() { return GFocusChangeLockCount > 0; }

void PostPopupCloseUp(TcxCustomPopupWindow* APopup) {
  if (APopup && APopup->HandleAllocated()) PostMessageW(APopup->Handle(), CXM_POPUPCLOSEUP, 0, 0);
}

TWinControl* FindPopupFocusControl(TcxCustomPopupWindow* APopup, TWinControl* AControl) {
  if (!AControl) return APopup;
  if (AControl->CanFocus() && AControl->TabStop()) return AControl;
  if (TWinControl* first = APopup->FindNextControl(nullptr, true, true, false)) return first;
  return APopup;
}

TcxCustomPopupWindow* FindPopupOfWindow(HWND AWindow) {
  for (HWND w = AWindow; w; w = GetParent(w))
    if (auto* popup = dynamic_cast<TcxCustomPopupWindow*>(FindControl(w))) return popup;
  return nullptr;
}

HWND GetPopupOwnerWindow(HWND AWindow) {
  if (TcxCustomPopupWindow* popup = FindPopupOfWindow(AWindow))
    if (popup->OwnerControl() && popup->OwnerControl()->HandleAllocated()) return popup->OwnerControl()->Handle();
  return AWindow;
}

// --- Popup window -------------------------------------------------------------------------------
TcxCustomPopupWindow::TcxCustomPopupWindow(TWinControl* AOwnerControl) : FOwnerControl(AOwnerControl) {
  SetFormStyle(fsNormal);
  SetKeyPreview(true);
  if (FOwnerControl) FOwnerControl->FreeNotification(this);
}

TcxCustomPopupWindow::~TcxCustomPopupWindow() {
  // A loop of this popup still running stops at its next step.
  InvalidateObjectLinks(this);
  Destroying();
  if (IsPopupVisible(this)) RemoveVisiblePopup(this);
  if (HandleAllocated()) DestroyHandle();
  if (FOwnerControl) FOwnerControl->RemoveFreeNotification(this);
  FOwnerControl = nullptr;
  delete FViewInfo;
  FViewInfo = nullptr;
  if (FStyle) FStyle->OnChanged = nullptr;
  delete FStyle;
  FStyle = nullptr;
}

// Made on first use, so that a descendant's classes are the ones asked for.
TcxContainerStyle* TcxCustomPopupWindow::Style() {
  if (!FStyle && !ComponentState().Contains(csDestroying)) {
    FStyle = TcxContainerStyle::CreateStyle(GetStyleClass(), this, false, nullptr, csiNormal);
    FStyle->OnChanged = TNotifyEvent(this, &TcxCustomPopupWindow::StyleChangedHandler);
  }
  return FStyle;
}

TcxContainerViewInfo* TcxCustomPopupWindow::ViewInfo() {
  if (!FViewInfo && !ComponentState().Contains(csDestroying)) {
    FViewInfo = TcxContainerViewInfo::CreateViewInfo(GetViewInfoClass());
    if (TcxContainerStyle* style = Style()) FViewInfo->UpdateStyle(style);
  }
  return FViewInfo;
}

void TcxCustomPopupWindow::StyleChangedHandler(TObject* Sender) { StyleChanged(Sender); }

void TcxCustomPopupWindow::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FOwnerControl) {
    // Forgotten before closing: nothing below may reach the owner being freed.
    FOwnerControl = nullptr;
    CloseUp();
  }
  if (AComponent == FocusedControl) FocusedControl = nullptr;
}

bool TcxCustomPopupWindow::IsOwnerControlVisible() {
  return FOwnerControl && FOwnerControl->HandleAllocated() && IsWindowVisible(FOwnerControl->Handle());
}

// OwnerBounds (the owner's rectangle in its parent's client coordinates; the
// owner's own bounds while nobody set them) on the screen.
TRect TcxCustomPopupWindow::CalculateOwnerScreenBounds() {
  if (!FOwnerControl) return OwnerBounds;
  TRect r = RectHasNoArea(OwnerBounds) ? FOwnerControl->BoundsRect() : OwnerBounds;
  if (FOwnerControl->HandleAllocated() && (GetWindowLongPtrW(FOwnerControl->Handle(), GWL_STYLE) & WS_CHILD)) {
    POINT corners[2] = {{r.Left, r.Top}, {r.Right, r.Bottom}};
    MapWindowPoints(GetParent(FOwnerControl->Handle()), nullptr, corners, 2);
    r = TRect{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
  }
  return r;
}

bool TcxCustomPopupWindow::AcceptsSysKey(WORD AKey) { return (AKey >= VK_PRIOR && AKey <= VK_DOWN) || AKey == VK_F4; }

bool TcxCustomPopupWindow::HandleOutsideClick(HWND, UINT, const TPoint&, TShiftState) { return false; }

void TcxCustomPopupWindow::NotifyClosed() {
  if (OnPopupClosed) OnPopupClosed(this);
}
void TcxCustomPopupWindow::NotifyClosing() {
  if (OnPopupClosing) OnPopupClosing(this);
}
void TcxCustomPopupWindow::NotifyShown() {
  if (OnPopupShown) OnPopupShown(this);
}
void TcxCustomPopupWindow::NotifyShowing() {
  if (OnPopupShowing) OnPopupShowing(this);
}

void TcxCustomPopupWindow::CorrectBoundsToWorkArea(TPoint& P) {
  if (!AdjustsToWorkArea()) return;
  const TRect area = cxWorkAreaAt(P);
  int width = Width(), height = Height();
  if (P.X < area.Left) {
    width -= area.Left - P.X;
    P.X = area.Left;
  }
  if (P.Y < area.Top) {
    height -= area.Top - P.Y;
    P.Y = area.Top;
  }
  width = std::min(width, area.Right - P.X);
  height = std::min(height, area.Bottom - P.Y);
  SetBounds(Left(), Top(), width, height);
  // A form that keeps another height than asked keeps its bottom edge where the asked height would put it.
  if (Height() != height && P.Y == area.Top) P.Y += height - Height();
}

void TcxCustomPopupWindow::ChangeMode(bool& AField, bool Value) {
  if (AField == Value) return;
  AField = Value;
  const bool shown = IsPopupVisible(this);
  if (shown) CloseUp();
  if (HandleAllocated()) RecreateWnd();
  if (shown) Popup(FocusedControl);
}

void TcxCustomPopupWindow::SetCaptureFocus(bool Value) { ChangeMode(FCaptureFocus, Value); }

void TcxCustomPopupWindow::SetFollowOwnerTopmost(bool Value) { ChangeMode(FFollowOwnerTopmost, Value); }

void TcxCustomPopupWindow::SetTopLevelMode(bool Value) { ChangeMode(FTopLevelMode, Value); }

void TcxCustomPopupWindow::Popup(TWinControl* AFocusedControl) {
  if (IsPopupVisible(this) || !IsOwnerControlVisible()) return;
  TcxObjectLinkGuard self(this);
  TakeOwnerFont();
  AdjustSizeToControls();
  TPoint position;
  CalcPosition(position);
  CorrectBoundsToWorkArea(position);
  {
    TcxPopupShowingScope showing;
    AddVisiblePopup(this);
    NotifyShowing();
    if (!self.Alive()) return;
    SetBounds(position.X, position.Y, Width(), Height());
    // Shown, not activated: the runtime shows a form activating it, and a
    // popup whose focus stays in its owner's form would then lose the
    // activation to that form at once and close.
    FShowingWithoutActivation = true;
    try {
      SetVisible(true);
    } catch (...) {
      FShowingWithoutActivation = false;
      throw;
    }
    FShowingWithoutActivation = false;
    FocusedControl = FCaptureFocus ? FindPopupFocusControl(this, AFocusedControl) : AFocusedControl;
    if (FocusedControl && FocusedControl != this && FocusedControl->HandleAllocated() &&
        IsWindowInside(FocusedControl->Handle(), Handle()))
      SetActiveControl(FocusedControl);
    // A non-capturing popup asked to focus nothing leaves the focus where it is.
    if (FocusedControl && FocusedControl->CanFocus()) ::SetFocus(FocusedControl->Handle());
    TCustomForm* ownerForm = FormOf(FOwnerControl);
    const bool topmost = !FCaptureFocus || !ownerForm || !ownerForm->HandleAllocated() ||
                         IsTopmostWindow(ownerForm->Handle());
    if (self.Alive() && HandleAllocated())
      SetWindowPos(Handle(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
  }
  if (!self.Alive()) return;
  SetModalResult(mrNone);
  NotifyShown();
  if (self.Alive() && FCaptureFocus && FTopLevelMode) RunLocalLoop();
}

// Runs until the popup is hidden or freed, or the program meets WM_QUIT.
void TcxCustomPopupWindow::RunLocalLoop() {
  TcxObjectLinkGuard self(this);
  const int quits = Application->QuitCount();
  while (self.Alive() && IsPopupVisible(this) && Application->QuitCount() == quits) {
    MSG m;
    if (PeekMessageW(&m, nullptr, WM_SYSKEYDOWN, WM_SYSKEYDOWN, PM_NOREMOVE) &&
        (m.wParam == VK_RETURN || m.wParam == VK_MENU || m.wParam == VK_SPACE))
      PeekMessageW(&m, m.hwnd, WM_SYSKEYDOWN, WM_SYSKEYDOWN, PM_REMOVE);
    if (ModalResult() != mrNone) {
      if (CloseQuery()) ModalCloseUp();
      else SetModalResult(mrNone);
      continue;
    }
    try {
      Application->HandleMessage();
    } catch (...) {
      Application->HandleException(Application);
    }
  }
}

void TcxCustomPopupWindow::CloseUp() {
  if (!IsPopupVisible(this)) return;
  TcxObjectLinkGuard self(this);
  {
    TFocusChangeLock lock;
    RemoveVisiblePopup(this);
    NotifyClosing();
    if (!self.Alive()) return;
    if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
    Hide();
    NotifyClosed();
    if (!self.Alive()) return;
    if (HandleAllocated() && IsWindowInside(GetCapture(), Handle())) ReleaseCapture();
  }
  if (!GVisiblePopups.empty()) return;
  // The owner's form drew an active caption while the popup was shown.
  TCustomForm* form = FormOf(FOwnerControl);
  if (form && form->HandleAllocated() && form->FormStyle() != fsMDIForm && !IsFormActive(form))
    SendMessageW(form->Handle(), WM_NCACTIVATE, FALSE, 0);
}

void TcxCustomPopupWindow::VisibleChanged() {
  inherited::VisibleChanged();
  // Hidden by any other way (closed as a form, say): it leaves the list too.
  if (!Visible() && IsPopupVisible(this)) CloseUp();
  if (!FCaptureFocus || !FOwnerControl || !HandleAllocated() || IsWindowVisible(Handle())) return;
  TCustomForm* form = FormOf(FOwnerControl);
  if (form && form->HandleAllocated() && GetFocus() == form->Handle() && FOwnerControl->CanFocus() &&
      !form->ComponentState().Contains(csDesigning))
    FOwnerControl->SetFocus();
}

bool TcxCustomPopupWindow::Focused() {
  return IsPopupVisible(this) && FCaptureFocus && HandleAllocated() && IsWindowInside(GetFocus(), Handle());
}

bool TcxCustomPopupWindow::CanFocus() { return Visible(); }

bool TcxCustomPopupWindow::SetFocusedControl(TWinControl* Control) {
  TFocusChangeLock lock;
  return inherited::SetFocusedControl(Control);
}

void TcxCustomPopupWindow::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  TCustomForm* form = FormOf(FOwnerControl);
  if (FCaptureFocus) {
    Params.Style = (Params.Style & ~DWORD(WS_CHILD)) | WS_POPUP;
    Params.ExStyle &= ~DWORD(WS_EX_TOPMOST);
    if (form) Params.WndParent = form->Handle();
    if (FFollowOwnerTopmost && (!form || IsTopmostWindow(form->Handle()))) Params.ExStyle |= WS_EX_TOPMOST;
  } else {
    Params.Style = WS_CHILD;
    Params.ExStyle = WS_EX_TOOLWINDOW;
    if (TcxMessageWindow* window = GetMessageWindow()) Params.WndParent = window->Handle();
  }
  Params.Style |= WS_CLIPCHILDREN;
}

void TcxCustomPopupWindow::CreateWnd() {
  // The hooks count the popup as shown while its window is made.
  const bool listed = IsPopupVisible(this);
  if (!listed) AddVisiblePopup(this);
  try {
    inherited::CreateWnd();
  } catch (...) {
    if (!listed) RemoveVisiblePopup(this);
    throw;
  }
  if (!listed) RemoveVisiblePopup(this);
  // A tool window floats freely once made.
  if (!FCaptureFocus) ::SetParent(Handle(), nullptr);
}

void TcxCustomPopupWindow::Deactivate() {
  TCustomForm::Deactivate();
  if (FClosingLock > 0 || GVisiblePopups.empty()) return;
  TcxObjectLinkGuard self(this);
  const std::vector<TcxCustomPopupWindow*> popups = GVisiblePopups;
  for (auto it = popups.rbegin(); it != popups.rend(); ++it) {
    TcxCustomPopupWindow* popup = *it;
    if (!IsPopupVisible(popup)) continue;
    if (popup->HandleAllocated() && popup->Handle() == FNewActiveWindow) return;
    if (popup->HandleAllocated() && IsWindowEnabled(popup->Handle()) && popup->FClosingLock == 0) popup->CloseUp();
    if (!self.Alive()) return;
  }
  if (!GVisiblePopups.empty()) CloseUp();
}

void TcxCustomPopupWindow::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (Key == VK_ESCAPE && IsPopupVisible(this) && HandleAllocated() && IsWindowInside(GetCapture(), Handle())) {
    ReleaseCapture();
    Key = 0;
    return;
  }
  inherited::KeyDown(Key, Shift);
}

TRect TcxCustomPopupWindow::GetClientRect() {
  // A popup whose view info was never computed keeps the window's client area.
  if (FViewInfo && !RectHasNoArea(FViewInfo->ClientRect)) return FViewInfo->ClientRect;
  return inherited::GetClientRect();
}

void TcxCustomPopupWindow::Paint() {
  if (FViewInfo && !RectHasNoArea(FViewInfo->Bounds)) {
    FViewInfo->Render(cxCanvas());
    return;
  }
  cxCanvas()->FillRect(TRect{0, 0, Width(), Height()}, Color());
  DrawFrame();
}

void TcxCustomPopupWindow::CloseUpRequested() {
  {
    TcxPopupClosingLock lock(this);
    CloseUp();
  }
  if (FOwnerControl && FOwnerControl->HandleAllocated()) SendMessageW(FOwnerControl->Handle(), WM_SETFOCUS, 0, 0);
}

void TcxCustomPopupWindow::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ERASEBKGND:
      if (NeedsEraseBackground()) inherited::Dispatch(Message);
      else Message.Result = 1;
      return;
    case WM_ACTIVATE:
      FNewActiveWindow = LOWORD(Message.WParam) == WA_INACTIVE ? reinterpret_cast<HWND>(Message.LParam) : nullptr;
      inherited::Dispatch(Message);
      return;
    case WM_WINDOWPOSCHANGING:
      if (FShowingWithoutActivation && Message.LParam)
        reinterpret_cast<WINDOWPOS*>(Message.LParam)->flags |= SWP_NOACTIVATE;
      inherited::Dispatch(Message);
      return;
    case WM_ACTIVATEAPP:
      // The hooks close popups when the program loses the activation.
      Message.Result = 0;
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
      auto* control = Message.LParam ? reinterpret_cast<TControl*>(Message.LParam) : static_cast<TControl*>(this);
      if (Message.Msg == CM_MOUSEENTER) MouseEnter(control);
      else MouseLeave(control);
      inherited::Dispatch(Message);
      return;
    }
    default: break;
  }
  if (Message.Msg == CXM_POPUPCLOSEUP) CloseUpRequested();
  else if (Message.Msg == CXM_POPUPSHOWAGAIN) Popup(FocusedControl);
  else inherited::Dispatch(Message);
}
