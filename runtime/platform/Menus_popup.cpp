// Pop-up menus and the popup list: one hidden window of the process owns
// every pop-up menu while it is tracked and hands its menu messages to the
// menu they belong to.
#include <algorithm>

#include "Menus.h"

namespace {

class TPopupList {
 public:
  void Add(TPopupMenu* Menu) {
    if (FMenus.empty()) FWindow = AllocateHWnd(TWndMethod(this, &TPopupList::WndProc));
    FMenus.push_back(Menu);
  }
  void Remove(TPopupMenu* Menu) {
    std::erase(FMenus, Menu);
    if (FMenus.empty() && FWindow) {
      DeallocateHWnd(FWindow);
      FWindow = nullptr;
    }
  }
  HWND Window() const { return FWindow; }

 private:
  void WndProc(TMessage& Message) {
    try {
      // A handler may free menus, so walk a copy and skip the freed ones.
      const std::vector<TPopupMenu*> menus = FMenus;
      for (TPopupMenu* menu : menus)
        if (std::find(FMenus.begin(), FMenus.end(), menu) != FMenus.end() &&
            menu->HandleMenuMessage(FWindow, Message))
          return;
      Message.Result = DefWindowProcW(FWindow, Message.Msg, Message.WParam, Message.LParam);
    } catch (...) {
      HandleCallbackException(nullptr);
    }
  }

  std::vector<TPopupMenu*> FMenus;
  HWND FWindow = nullptr;
};

TPopupList& PopupList() {
  static TPopupList list;
  return list;
}

}  // namespace

HWND PopupListWindow() { return PopupList().Window(); }

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) { PopupList().Add(this); }

TPopupMenu::~TPopupMenu() {
  SetPopupComponent(nullptr);
  PopupList().Remove(this);
}

void TPopupMenu::SetPopupComponent(TComponent* Value) {
  if (FPopupComponent == Value) return;
  if (FPopupComponent) FPopupComponent->RemoveFreeNotification(this);
  FPopupComponent = Value;
  if (FPopupComponent) FPopupComponent->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupComponent) FPopupComponent = nullptr;
}

void TPopupMenu::DoPopup(TObject* Sender) {
  if (OnPopup) OnPopup(Sender);
}

void TPopupMenu::Popup(int X, int Y) {
  static const UINT kAlignments[] = {TPM_LEFTALIGN, TPM_RIGHTALIGN, TPM_CENTERALIGN};
  static const UINT kButtons[] = {TPM_RIGHTBUTTON, TPM_LEFTBUTTON};
  FPopupPoint = TPoint{X, Y};
  DoPopup(this);
  HMENU menu = Items()->Handle();
  if (GetMenuItemCount(menu) <= 0) return;
  // The chosen entry's WM_COMMAND is posted to the popup list and runs the
  // item's OnClick from the message loop once tracking ends.
  TrackPopupMenu(menu, kAlignments[FAlignment] | kButtons[FTrackButton], X, Y, 0, PopupList().Window(), nullptr);
}
