// The tab-list pop-up that the tab control's list button opens: one item per
// visible, enabled tab (optionally sorted by caption), the selected one checked
// and bold; choosing an item selects its tab.
#pragma once

#include "Menus.h"
#include "cxPC_win.h"

class TcxPCGoDialog : public TPopupMenu {
  VAMIRE_CLASS(TcxPCGoDialog, TPopupMenu)
 public:
  explicit TcxPCGoDialog(TcxCustomTabControl* AControl);

  // Rebuilds the items and shows the menu below the list button.
  void Popup(bool ASorted);
  // The items as they would be shown, without showing them.
  void BuildItems(bool ASorted);

  // Called with the chosen tab's index; the control sets it to GoDialogClosed.
  TMethod<void(int ATabIndex)> OnTabChosen;

 private:
  void ItemClick(TObject* Sender);
  TcxCustomTabControl* FControl;
};
