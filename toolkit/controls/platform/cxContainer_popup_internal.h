// What the popup files of the container unit share and nobody else needs.
#pragma once

#include <windows.h>

class TcxCustomPopupWindow;

// Set while a popup is being shown and while the mouse hook closes one: the
// owner's form then keeps its active caption.
extern bool cxPopupShowing;

class TcxPopupShowingScope {
 public:
  TcxPopupShowingScope() : FPrevious(cxPopupShowing) { cxPopupShowing = true; }
  ~TcxPopupShowingScope() { cxPopupShowing = FPrevious; }
  TcxPopupShowingScope(const TcxPopupShowingScope&) = delete;
  TcxPopupShowingScope& operator=(const TcxPopupShowingScope&) = delete;

 private:
  bool FPrevious;
};

// The popup whose window is AWindow or holds it; null when none.
TcxCustomPopupWindow* FindPopupOfWindow(HWND AWindow);

// --- What the container unit's own code may call of the container ------------------------------
// The popup and the inner list box reach the container's protected
// operations as its own unit does; the names come through this class,
// which is never made.
#include "cxContainer_win.h"

class TcxContainerAccess : public TcxContainer {
 public:
  using TcxContainer::Click;
  using TcxContainer::DblClick;
  using TcxContainer::DoMouseWheel;
  using TcxContainer::DragOver;
  using TcxContainer::FocusChanged;
  using TcxContainer::GetPopupMenu;
  using TcxContainer::KeyDown;
  using TcxContainer::KeyPress;
  using TcxContainer::KeyUp;
  using TcxContainer::MouseDown;
  using TcxContainer::MouseMove;
  using TcxContainer::MouseUp;
};

inline void ContainerFocusChanged(TcxContainer* C) { (C->*&TcxContainerAccess::FocusChanged)(); }
inline void ContainerKeyDown(TcxContainer* C, uint16_t& Key, TShiftState Shift) {
  (C->*&TcxContainerAccess::KeyDown)(Key, Shift);
}
inline void ContainerKeyUp(TcxContainer* C, uint16_t& Key, TShiftState Shift) {
  (C->*&TcxContainerAccess::KeyUp)(Key, Shift);
}
inline void ContainerKeyPress(TcxContainer* C, wchar_t& Key) { (C->*&TcxContainerAccess::KeyPress)(Key); }
inline void ContainerMouseDown(TcxContainer* C, TMouseButton Button, TShiftState Shift, int X, int Y) {
  (C->*&TcxContainerAccess::MouseDown)(Button, Shift, X, Y);
}
inline void ContainerMouseMove(TcxContainer* C, TShiftState Shift, int X, int Y) {
  (C->*&TcxContainerAccess::MouseMove)(Shift, X, Y);
}
inline void ContainerMouseUp(TcxContainer* C, TMouseButton Button, TShiftState Shift, int X, int Y) {
  (C->*&TcxContainerAccess::MouseUp)(Button, Shift, X, Y);
}
inline void ContainerClick(TcxContainer* C) { (C->*&TcxContainerAccess::Click)(); }
inline void ContainerDblClick(TcxContainer* C) { (C->*&TcxContainerAccess::DblClick)(); }
inline void ContainerDragOver(TcxContainer* C, TObject* Source, int X, int Y, TDragState State, bool& Accept) {
  (C->*&TcxContainerAccess::DragOver)(Source, X, Y, State, Accept);
}
inline TPopupMenu* ContainerPopupMenu(TcxContainer* C) { return (C->*&TcxContainerAccess::GetPopupMenu)(); }
inline bool ContainerMouseWheel(TcxContainer* C, TShiftState Shift, int WheelDelta, TPoint MousePos) {
  return (C->*&TcxContainerAccess::DoMouseWheel)(Shift, WheelDelta, MousePos);
}

