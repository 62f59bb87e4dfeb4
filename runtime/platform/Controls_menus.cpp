// The control unit's use of popup menus, kept in one place.
#include "Controls_internal.h"
#include "Menus.h"

namespace vamire_controls {

TComponent* MenuComponent(TPopupMenu* Menu) { return Menu; }

bool AutoPopupMenu(TPopupMenu* Menu, TControl* Control, TPoint ScreenPos) {
  if (!Menu || !Menu->AutoPopup()) return false;
  Menu->SetPopupComponent(Control);
  Menu->Popup(ScreenPos.X, ScreenPos.Y);
  return true;
}

}  // namespace vamire_controls
