// The control unit's use of popup menus, kept in one place.
#include "Controls_internal.h"

namespace vamire_controls {

TComponent* MenuComponent(TPopupMenu*) { return nullptr; }

bool AutoPopupMenu(TPopupMenu*, TControl*, TPoint) { return false; }

}  // namespace vamire_controls
