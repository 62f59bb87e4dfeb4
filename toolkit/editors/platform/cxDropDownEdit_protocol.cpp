// TcxDropDownPopupProtocol: a drop-down editor's popup opened through a
// posted show and closed with a reason, its initialisation and finalisation
// always in pairs.
#include "cxDropDownEdit_win.h"
#include "cxMessages.h"

TcxDropDownPopupProtocol::TcxDropDownPopupProtocol(TcxCustomEditPopupWindow* APopup, IcxDropDownProtocolHost* AHost)
    : FPopup(APopup), FHost(AHost) {
  FPopup->OnPopupShown = TNotifyEvent(this, &TcxDropDownPopupProtocol::PopupShown);
  FPopup->OnPopupClosed = TNotifyEvent(this, &TcxDropDownPopupProtocol::PopupClosed);
}

TcxDropDownPopupProtocol::~TcxDropDownPopupProtocol() {
  DiscardPendingPopup();
  FPopup->OnPopupShown = nullptr;
  FPopup->OnPopupClosed = nullptr;
}

bool TcxDropDownPopupProtocol::IsShowPending() const {
  return FPopup->HandleAllocated() && HasPendingMessage(FPopup->Handle(), CXM_POPUPSHOWAGAIN);
}

void TcxDropDownPopupProtocol::SetDroppedDown(bool AValue) {
  if (AValue == IsPopupOpen()) return;
  if (!AValue) CloseUp(crUnknown);
  else if (!IsShowPending()) DropDown();
}

void TcxDropDownPopupProtocol::DropDown() {
  if (!FHost->IsEditorWindowVisible()) return;
  DoInitPopup();
  if (!FHost->CanDropDown()) {
    DoFinalizePopup();
    return;
  }
  FHost->PreparePopupWindow();
  FPopup->HandleNeeded();
  FPopup->FocusedControl = FHost->GetPopupFocusedControl();
  // Shown once the key or click that asked for it is done.
  PostMessageW(FPopup->Handle(), CXM_POPUPSHOWAGAIN, 0, 0);
}

void TcxDropDownPopupProtocol::DoInitPopup() {
  if (!FState.BeginInit()) return;
  try {
    FHost->InitPopupHooks();
  } catch (...) {
    FState.CancelInit();
    throw;
  }
}

void TcxDropDownPopupProtocol::DoFinalizePopup() {
  if (FState.EndFinalize()) FHost->FinalizePopupHooks();
}

void TcxDropDownPopupProtocol::PopupShown(TObject*) {
  FState.Shown();
  FHost->PopupShownHooks();
}

void TcxDropDownPopupProtocol::CloseUp(TcxEditCloseUpReason AReason) {
  if (!IsPopupOpen()) return;
  FState.NoteCloseReason(AReason);
  {
    // What the value change fires comes out when the lock is released, before the popup hides.
    FHost->LockChangeEvents(true);
    try {
      if (CloseUpReasonTakesValue(AReason)) FHost->TakePopupValue(AReason);
    } catch (...) {
      FHost->LockChangeEvents(false);
      throw;
    }
    FHost->LockChangeEvents(false);
  }
  FPopup->CloseUp();
}

void TcxDropDownPopupProtocol::PopupClosed(TObject*) {
  DoFinalizePopup();
  FHost->CloseUpHooks(FState.FirstCloseReason());
}

void TcxDropDownPopupProtocol::DiscardPendingPopup() {
  if (FPopup->HandleAllocated() && DiscardPendingMessages(FPopup->Handle(), CXM_POPUPSHOWAGAIN))
    PopupClosed(FPopup);
}

bool TcxDropDownPopupProtocol::HandleKey(uint16_t AKey, TShiftState AShift, bool AEditingAllowed) {
  const TcxDropDownKeyAction action = DropDownKeyAction(AKey, AShift.Contains(ssAlt), IsPopupOpen(), AEditingAllowed);
  switch (action.Effect) {
    case dkeDropDown: SetDroppedDown(true); return true;
    case dkeCloseUp:
      CloseUp(action.Reason);
      if (action.Reason == crClose) return true;
      if (IsPopupOpen()) return false;
      if (AKey == VK_ESCAPE) ReleaseCapture();
      return true;
    default: return false;
  }
}

void TcxDropDownPopupProtocol::PostChar(wchar_t AChar) {
  // Behind a pending show in the queue, it arrives once the popup is shown.
  if ((IsPopupOpen() || IsShowPending()) && FPopup->HandleAllocated()) PostMessageW(FPopup->Handle(), CXM_POPUPFORWARDCHAR, WPARAM(AChar), 0);
}
