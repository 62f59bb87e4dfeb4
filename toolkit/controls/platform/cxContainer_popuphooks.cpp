// The three thread hooks that close popups: a click elsewhere (mouse hook),
// the owner hidden, closed or destroyed and the program deactivated (call-
// window hook), and system keys a non-capturing popup refuses (message hook).
// They act only while a popup is shown; no exception leaves them.
#include <algorithm>

#include "HiddenWindow.h"
#include "cxClasses_win.h"
#include "cxContainer_popup_internal.h"
#include "cxContainer_popup_win.h"
#include "cxControls_internal.h"

namespace {

HHOOK GCallWndProcHook = nullptr;
HHOOK GGetMessageHook = nullptr;
HHOOK GMouseHook = nullptr;

// --- Swallowing a sent message ----------------------------------------------------------------
// A call-window hook cannot answer a message itself: the window's procedure
// is replaced for this one message by a stub that puts it back and answers 1.
HWND GStubWindow = nullptr;
WNDPROC GStubPrevious = nullptr;

LRESULT CALLBACK SwallowingStub(HWND AWindow, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  if (AWindow != GStubWindow || !GStubPrevious) return DefWindowProcW(AWindow, AMsg, AWParam, ALParam);
  SetWindowLongPtrW(AWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GStubPrevious));
  GStubWindow = nullptr;
  GStubPrevious = nullptr;
  return 1;
}

void SwallowMessage(HWND AWindow) {
  if (GStubWindow) return;
  GStubPrevious = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(AWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SwallowingStub)));
  GStubWindow = GStubPrevious ? AWindow : nullptr;
}

// --- Helpers ----------------------------------------------------------------------------------
bool IsBeingDestroyed(TComponent* AComponent) { return AComponent->ComponentState().Contains(csDestroying); }

bool IsOwnerWindow(TcxCustomPopupWindow* APopup, HWND AWindow) {
  TWinControl* owner = APopup->OwnerControl();
  return owner && owner->HandleAllocated() && owner->Handle() == AWindow;
}

// The form window of the popup's owner; null for an owner on no form.
HWND OwnerFormWindow(TcxCustomPopupWindow* APopup) {
  TWinControl* owner = APopup->OwnerControl();
  TCustomForm* form = owner ? GetParentForm(owner) : nullptr;
  return form && form->HandleAllocated() ? form->Handle() : nullptr;
}

bool ListedAndAlive(TcxCustomPopupWindow* APopup) { return IsPopupVisible(APopup) && !IsBeingDestroyed(APopup); }

void CloseUpFromHook(TcxCustomPopupWindow* APopup) {
  TcxPopupShowingScope showing;
  TcxPopupClosingLock lock(APopup);
  APopup->CloseUp();
}

// --- WH_CALLWNDPROC ---------------------------------------------------------------------------
void WindowDestroyed(HWND AWindow) {
  for (TcxCustomPopupWindow* popup : std::vector(VisiblePopups()))
    if (ListedAndAlive(popup) && popup->HandleAllocated() && popup->Handle() == AWindow) {
      popup->Close();
      return;
    }
}

void WindowClosing(HWND AWindow) {
  for (TcxCustomPopupWindow* popup : std::vector(VisiblePopups())) {
    if (!ListedAndAlive(popup)) continue;
    if (popup->HandleAllocated() && popup->Handle() == AWindow) {
      TcxObjectLinkGuard link(popup);
      if (popup->CloseQuery()) popup->CloseUp();
      // The close passes on to the owner's window, as though the popup were not there.
      if (link.Alive() && popup->CaptureFocus() && !IsPopupVisible(popup) && popup->OwnerControl() &&
          popup->OwnerControl()->HandleAllocated())
        SendMessageW(FindTopLevelAncestorWindow(popup->OwnerControl()->Handle()), WM_CLOSE, 0, 0);
      return;
    }
    if (!popup->CaptureFocus() && popup->OwnerControl()) {
      // An owner on no form has no form window: its popup closes with any window.
      const HWND form = OwnerFormWindow(popup);
      if (!form || form == AWindow) popup->CloseUp();
      return;
    }
  }
}

void WindowHidden(HWND AWindow) {
  const std::vector<TcxCustomPopupWindow*> popups = VisiblePopups();
  for (auto it = popups.rbegin(); it != popups.rend(); ++it) {
    if (!ListedAndAlive(*it) || !IsOwnerWindow(*it, AWindow)) continue;
    // It and every popup shown after it, the newest first.
    for (auto later = popups.rbegin(); later != std::next(it); ++later)
      if (IsPopupVisible(*later)) (*later)->CloseUp();
    return;
  }
}

void ApplicationDeactivated() {
  for (bool closed = true; closed;) {
    closed = false;
    for (TcxCustomPopupWindow* popup : std::vector(VisiblePopups())) {
      if (!IsPopupVisible(popup)) continue;
      if (const HWND form = OwnerFormWindow(popup)) PostMessageW(form, WM_NCACTIVATE, FALSE, 0);
      if ((popup->CaptureFocus() && popup->Active()) || !popup->HandleAllocated() ||
          !IsWindowEnabled(popup->Handle()))
        continue;
      TWinControl* owner = popup->OwnerControl();
      popup->CloseUp();
      if (auto* container = dynamic_cast<TcxContainer*>(owner)) ContainerFocusChanged(container);
      closed = true;
      break;
    }
  }
}

// The runtime hides a control by a window-position change, which sends no
// WM_SHOWWINDOW: a hidden window closes the popups of the owners inside it too.
bool OwnerHiddenWith(TcxCustomPopupWindow* APopup, HWND AWindow) {
  TWinControl* owner = APopup->OwnerControl();
  if (!owner || !owner->HandleAllocated() || IsWindowVisible(owner->Handle())) return false;
  return owner->Handle() == AWindow || IsChild(AWindow, owner->Handle());
}

void WindowPosChanged(HWND AWindow) {
  if (IsWindowVisible(AWindow)) return;
  for (bool closed = true; closed;) {
    closed = false;
    for (TcxCustomPopupWindow* popup : VisiblePopups())
      if (popup->HandleAllocated() && !IsBeingDestroyed(popup) && OwnerHiddenWith(popup, AWindow)) {
        popup->CloseUp();
        closed = true;
        break;
      }
  }
}

bool IsOwnerFormOfListedPopup(HWND AWindow) {
  return std::any_of(VisiblePopups().begin(), VisiblePopups().end(),
                     [AWindow](TcxCustomPopupWindow* p) { return OwnerFormWindow(p) == AWindow; });
}

void CallWndProcAction(const CWPSTRUCT& M) {
  if ((M.message == CM_ACTIVATE || M.message == CM_DEACTIVATE) && IsFocusChangeLocked()) {
    SwallowMessage(M.hwnd);
    return;
  }
  if (VisiblePopups().empty()) return;
  switch (M.message) {
    case WM_DESTROY: WindowDestroyed(M.hwnd); break;
    case WM_CLOSE: WindowClosing(M.hwnd); break;
    case WM_SHOWWINDOW:
      if (!M.wParam) WindowHidden(M.hwnd);
      break;
    case WM_ACTIVATEAPP:
      if (!M.wParam) ApplicationDeactivated();
      break;
    case WM_WINDOWPOSCHANGED: WindowPosChanged(M.hwnd); break;
    case WM_NCACTIVATE:
      // The owner's form keeps its active caption while its popup shows.
      if (!M.wParam && (cxPopupShowing || IsOwnerFormOfListedPopup(M.hwnd))) SwallowMessage(M.hwnd);
      break;
    default: break;
  }
}

LRESULT CALLBACK CallWndProcHook(int ACode, WPARAM AWParam, LPARAM ALParam) {
  if (ACode == HC_ACTION) {
    try {
      CallWndProcAction(*reinterpret_cast<const CWPSTRUCT*>(ALParam));
    } catch (...) {
      HandleCallbackException(nullptr);
    }
  }
  return CallNextHookEx(GCallWndProcHook, ACode, AWParam, ALParam);
}

// --- WH_GETMESSAGE ----------------------------------------------------------------------------
LRESULT CALLBACK GetMessageHook(int ACode, WPARAM AWParam, LPARAM ALParam) {
  if (ACode == HC_ACTION && AWParam == PM_REMOVE && !VisiblePopups().empty()) {
    try {
      auto& m = *reinterpret_cast<MSG*>(ALParam);
      TcxCustomPopupWindow* last = VisiblePopups().back();
      if (m.message == WM_SYSKEYDOWN && !last->CaptureFocus() && !last->AcceptsSysKey(WORD(m.wParam)))
        m.message = WM_NULL;
    } catch (...) {
      HandleCallbackException(nullptr);
    }
  }
  return CallNextHookEx(GGetMessageHook, ACode, AWParam, ALParam);
}

// --- WH_MOUSE ---------------------------------------------------------------------------------
bool IsPressMessage(WPARAM AMsg) {
  switch (AMsg) {
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: case WM_NCLBUTTONDOWN: case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN: case WM_NCRBUTTONDBLCLK: case WM_NCMBUTTONDOWN: case WM_NCMBUTTONDBLCLK:
      return true;
    default: return false;
  }
}

bool PopupOwnsWindow(TcxCustomPopupWindow* APopup, HWND AWindow) {
  return APopup->HandleAllocated() && (AWindow == APopup->Handle() || IsChild(APopup->Handle(), AWindow) ||
                                       IsChildOfControlOrPopups(APopup, AWindow));
}

// The owner's form is itself a popup that is no longer shown.
bool OwnerFormIsClosedPopup(TcxCustomPopupWindow* APopup) {
  auto* form = dynamic_cast<TcxCustomPopupWindow*>(APopup->OwnerControl() ? GetParentForm(APopup->OwnerControl())
                                                                          : nullptr);
  return form && !IsPopupVisible(form);
}

// True when a popup asked to swallow the click.
bool MousePressed(HWND AWindow, UINT AMsg, const TPoint& P) {
  bool consume = false;
  for (bool closed = true; closed;) {
    closed = false;
    for (TcxCustomPopupWindow* popup : std::vector(VisiblePopups())) {
      if (!IsPopupVisible(popup)) continue;
      if ((popup->CaptureFocus() && !popup->Active()) || PopupOwnsWindow(popup, AWindow)) continue;
      TWinControl* owner = popup->OwnerControl();
      if (!owner || !(IsWindowInControlForm(owner, AWindow) || OwnerFormIsClosedPopup(popup))) continue;
      TcxObjectLinkGuard ownerLink(owner);
      const TShiftState shift = GetCurrentShiftState();
      bool onOwner = false;
      if (ControlOwnsWindow(owner, AWindow, true) && (AMsg == WM_LBUTTONDOWN || AMsg == WM_LBUTTONDBLCLK)) {
        onOwner = PointInRect(popup->CalculateOwnerScreenBounds(), P);
        if (onOwner) popup->HandleOutsideClick(AWindow, AMsg, P, shift);
      }
      if (!onOwner && !consume) consume = popup->HandleOutsideClick(AWindow, AMsg, P, shift);
      if (IsPopupVisible(popup)) CloseUpFromHook(popup);
      // The owner swallows a click meant for it once it is gone or hidden.
      if (onOwner && (!ownerLink.Alive() || IsBeingDestroyed(owner) || !owner->HandleAllocated() ||
                      !IsWindowVisible(owner->Handle())))
        consume = true;
      closed = true;
      break;
    }
  }
  return consume;
}

LRESULT CALLBACK MouseHook(int ACode, WPARAM AWParam, LPARAM ALParam) {
  if (ACode == HC_ACTION && !VisiblePopups().empty() && IsPressMessage(AWParam)) {
    try {
      const auto& m = *reinterpret_cast<const MOUSEHOOKSTRUCT*>(ALParam);
      if (MousePressed(m.hwnd, UINT(AWParam), TPoint{m.pt.x, m.pt.y})) return 1;
    } catch (...) {
      HandleCallbackException(nullptr);
    }
  }
  return CallNextHookEx(GMouseHook, ACode, AWParam, ALParam);
}

// What the window helpers of the container unit see of the shown popups.
std::vector<TcxVisiblePopup> ReadVisiblePopups() {
  std::vector<TcxVisiblePopup> list;
  for (TcxCustomPopupWindow* popup : VisiblePopups()) list.push_back(TcxVisiblePopup{popup, popup->OwnerControl()});
  return list;
}

}  // namespace

void InstallPopupHooks() {
  InstallThreadHook(GCallWndProcHook, WH_CALLWNDPROC, &CallWndProcHook);
  InstallThreadHook(GGetMessageHook, WH_GETMESSAGE, &GetMessageHook);
  InstallThreadHook(GMouseHook, WH_MOUSE, &MouseHook);
}

void RemovePopupHooks() {
  RemoveThreadHook(GMouseHook);
  RemoveThreadHook(GGetMessageHook);
  RemoveThreadHook(GCallWndProcHook);
}

bool ArePopupHooksInstalled() { return GCallWndProcHook && GGetMessageHook && GMouseHook; }

// --- Unit ---------------------------------------------------------------------------------------
void cxContainerPopups_Initialize() {
  SetVisiblePopupsReader(&ReadVisiblePopups);
  InstallPopupHooks();
}

void cxContainerPopups_Finalize() {
  RemovePopupHooks();
  SetVisiblePopupsReader(nullptr);
}

const TUnitEntry cxContainerPopupsUnit{L"cxContainerPopups", cxContainerPopups_Initialize,
                                       cxContainerPopups_Finalize};
