// Shared between the control unit's files; not for use outside them.
#pragma once

#include <algorithm>
#include <vector>

#include "Controls.h"

namespace vamire_controls {

// Moves Item to the top (back) or bottom (front) of a z-ordered list; false
// when it is not in the list.
template <class T>
bool MoveToEnd(std::vector<T*>& List, T* Item, bool Top) {
  auto it = std::find(List.begin(), List.end(), Item);
  if (it == List.end()) return false;
  List.erase(it);
  if (Top)
    List.push_back(Item);
  else
    List.insert(List.begin(), Item);
  return true;
}

extern const TResStringRec SControlParentSetToSelf;  // A control cannot have itself as its parent

// Forgets every process-wide reference to a control that is being freed.
void ControlDestroyed(TControl* Control);
// Invalidates the control's area in its parent's window (a no-op without one).
void InvalidateInParent(TControl* Control, bool Erase = false);
// Mouse-over tracking: the control that just received a WM_MOUSEMOVE, and
// the window the mouse left (WM_MOUSELEAVE).
void MouseMoved(TControl* Control);
void MouseLeftWindow(TWinControl* Control);
// Drops what refers to a window that is going (cached canvas DCs, capture).
void WindowDestroying(TWinControl* Control);
// The windowless child that holds the mouse through its parent, or null.
TControl* CapturedChild();
// Mouse capture for a control (a windowless one captures through its parent).
void CaptureMouse(TControl* Control);
void ReleaseMouse(TControl* Control);
using ::KeysToShiftState;
// The popup menu's component part, and its automatic popup at a screen
// point; false when the menu does not pop up by itself.
TComponent* MenuComponent(TPopupMenu* Menu);
bool AutoPopupMenu(TPopupMenu* Menu, TControl* Control, TPoint ScreenPos);
// Ends a drag whose source or target is going.
void DragControlDestroyed(TControl* Control);

}  // namespace vamire_controls
