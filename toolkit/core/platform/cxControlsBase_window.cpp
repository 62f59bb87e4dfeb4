// Window, monitor, key and design-time routines of the base-control unit.
#include <cstdlib>

#include "cxControlsBase_win.h"
#include "dxUxTheme.h"

namespace {

POINT ToPOINT(const TPoint& P) { return POINT{P.X, P.Y}; }
TPoint ToTPoint(const POINT& P) { return TPoint{P.x, P.y}; }
TRect ToTRect(const RECT& R) { return TRect{R.left, R.top, R.right, R.bottom}; }

TcxRootDesignerFinder GRootDesignerFinder = nullptr;

}  // namespace

// --- Monitors and work areas -------------------------------------------------------------
bool IsPointOnAnyMonitor(const TPoint& P) {
  if (Screen && Screen->MonitorFromPoint(P, mdNearest)) return true;
  if (!Screen) return MonitorFromPoint(ToPOINT(P), MONITOR_DEFAULTTONULL) != nullptr;
  TCustomForm* form = nullptr;
  if (TWinControl* control = FindControl(WindowFromPoint(ToPOINT(P)))) form = GetParentForm(control);
  if (!form && Application) form = Application->MainForm();
  return form && form->HandleAllocated() && Screen->MonitorFromWindow(form->Handle(), mdNull);
}

TRect GetWorkAreaAtPoint(const TPoint& P) {
  return GetMonitorWorkRect(MonitorFromPoint(ToPOINT(P), MONITOR_DEFAULTTONEAREST));
}

TRect GetMonitorWorkRect(HMONITOR Monitor) {
  RECT area{};
  if (!Monitor) {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return ToTRect(area);
  }
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (GetMonitorInfoW(Monitor, &info)) area = info.rcWork;
  return ToTRect(area);
}

bool IsWindowSmallerThanWorkArea(HWND Window) {
  const TRect area = GetMonitorWorkRect(MonitorFromWindow(Window, MONITOR_DEFAULTTOPRIMARY));
  const TRect bounds = GetWindowRectOrEmpty(Window);
  return bounds.Right - bounds.Left < area.Right - area.Left || bounds.Bottom - bounds.Top < area.Bottom - area.Top;
}

TPoint GetCursorPosOrInvalid() {
  POINT p;
  return GetCursorPos(&p) ? ToTPoint(p) : TPoint{-1, -1};
}

// --- Window tests and geometry -----------------------------------------------------------
bool CanAllocateWindowHandle(TWinControl* Control) {
  if (Control->HandleAllocated()) return true;
  if (Control->ComponentState().Contains(csDestroying)) return false;
  if (Control->ParentWindow()) return true;
  if (Control->Parent()) return CanAllocateWindowHandle(Control->Parent());
  return Control->InheritsFrom(TCustomForm::StaticClass()) && Application && Application->Handle();
}

bool HasChildStyle(HWND Window) { return (GetWindowLongPtrW(Window, GWL_STYLE) & WS_CHILD) != 0; }

bool IsSameOrChildWindow(HWND Parent, HWND Window) {
  return Parent && (Parent == Window || IsChild(Parent, Window));
}

bool IsAncestorWindow(HWND Owner, HWND Window) {
  if (!Owner) return false;
  for (HWND w = GetParent(Window); w; w = GetParent(w))
    if (w == Owner) return true;
  return false;
}

bool IsWindowAndParentsEnabled(HWND Window) {
  for (HWND w = Window; w; w = GetParent(w)) {
    if (!IsWindowEnabled(w)) return false;
    if (!HasChildStyle(w)) break;
  }
  return true;
}

bool IsWindowedControlShown(TWinControl* Control) {
  return Control && Control->HandleAllocated() && IsWindowVisible(Control->Handle());
}

TFormStyle GetFormStyleOf(TCustomForm* Form) { return Form->FormStyle(); }

bool IsMDIChildForm(TCustomForm* Form) {
  return Form && !Form->ComponentState().Contains(csDesigning) && GetFormStyleOf(Form) == fsMDIChild;
}

bool IsMDIParentForm(TCustomForm* Form) {
  return Form && !Form->ComponentState().Contains(csDesigning) && GetFormStyleOf(Form) == fsMDIForm;
}

void MapPointBetweenWindows(HWND From, HWND To, TPoint& P) {
  POINT p = ToPOINT(P);
  MapWindowPoints(From, To, &p, 1);
  P = ToTPoint(p);
}

void MapRectBetweenWindows(HWND From, HWND To, TRect& R) {
  POINT corners[2] = {{R.Left, R.Top}, {R.Right, R.Bottom}};
  MapWindowPoints(From, To, corners, 2);
  R = TRect{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

TRect GetClientRectOrEmpty(HWND Window) {
  RECT r;
  return GetClientRect(Window, &r) ? ToTRect(r) : TRect{};
}

TRect GetWindowRectOrEmpty(HWND Window) {
  RECT r;
  return GetWindowRect(Window, &r) ? ToTRect(r) : TRect{};
}

TRect GetControlWindowRect(TWinControl* Control) {
  return Control && Control->HandleAllocated() ? GetWindowRectOrEmpty(Control->Handle()) : TRect{};
}

HWND FindDeepestChildAtPoint(HWND Window, const TPoint& P) {
  HWND found = Window;
  POINT p = ToPOINT(P);
  for (;;) {
    HWND child = ChildWindowFromPointEx(found, p, CWP_SKIPINVISIBLE);
    if (!child || child == found) return found;
    MapWindowPoints(found, child, &p, 1);
    found = child;
  }
}

HWND FindDeepestWindowAtPoint(const TPoint& P) {
  HWND window = WindowFromPoint(ToPOINT(P));
  if (!window) return nullptr;
  POINT p = ToPOINT(P);
  ScreenToClient(window, &p);
  return FindDeepestChildAtPoint(window, ToTPoint(p));
}

bool IsTransparentChild(TControl* Control) {
  IcxTransparencyQuery* query = nullptr;
  if (Supports<IcxTransparencyQuery>(Control, query)) return query->IsTransparent();
  const TControlStyle style = Control->ControlStyle();
  return Control->InheritsFrom(TWinControl::StaticClass()) &&
         (!style.Contains(csOpaque) || style.Contains(csParentBackground));
}

void InvalidateControlAndChildren(TWinControl* Control, bool InvalidateSelf, bool InvalidateChildren) {
  if (!Control->HandleAllocated()) return;
  if (Control->Parent()) Control->Parent()->Perform(CM_INVALIDATE, 1, 0);
  if (!InvalidateSelf) return;
  InvalidateRect(Control->Handle(), nullptr, !Control->ControlStyle().Contains(csOpaque));
  if (!InvalidateChildren) return;
  for (int i = 0; i < Control->ControlCount(); ++i) {
    TControl* child = Control->Controls(i);
    if (IsTransparentChild(child)) child->Invalidate();
  }
}

bool AreThemesEnabled() { return IsUxThemeLoaded() && IsThemeActive() && IsAppThemed(); }

// --- Keys and mouse ----------------------------------------------------------------------
bool IsCtrlKeyDown() { return GetAsyncKeyState(VK_CONTROL) < 0; }

std::uint32_t GetAsyncMouseKeys() {
  struct TKey {
    int VirtualKey;
    std::uint32_t Flag;
  };
  static constexpr TKey kKeys[] = {{VK_LBUTTON, MK_LBUTTON},
                                   {VK_RBUTTON, MK_RBUTTON},
                                   {VK_SHIFT, MK_SHIFT},
                                   {VK_CONTROL, MK_CONTROL},
                                   {VK_MBUTTON, MK_MBUTTON}};
  std::uint32_t keys = 0;
  for (const TKey& key : kKeys)
    if (GetAsyncKeyState(key.VirtualKey) < 0) keys |= key.Flag;
  return keys;
}

bool IsWithinDragThreshold(const TPoint& DownPos, int X, int Y) {
  const int threshold = Mouse->DragThreshold();
  return std::abs(X - DownPos.X) < threshold && std::abs(Y - DownPos.Y) < threshold;
}

unsigned GetSystemDoubleClickTime() { return GetDoubleClickTime(); }

wchar_t VirtualKeyToChar(std::uint16_t Key) {
  BYTE state[256];
  if (!GetKeyboardState(state)) return L'\0';
  wchar_t chars[4] = {};
  const int count = ToUnicode(Key, MapVirtualKeyW(Key, MAPVK_VK_TO_VSC), state, chars, 4, 0);
  return count == 1 ? chars[0] : L'\0';
}

// --- Design time -------------------------------------------------------------------------
TcxRootDesignerFinder SetRootDesignerFinder(TcxRootDesignerFinder Finder) {
  TcxRootDesignerFinder previous = GRootDesignerFinder;
  GRootDesignerFinder = Finder;
  return previous;
}

IcxDesigner* FindRootDesigner(TComponent* Component) {
  if (!Component || !GRootDesignerFinder) return nullptr;
  TComponent* root = Component;
  while (TComponent* parent = root->GetParentComponent()) root = parent;
  return GRootDesignerFinder(root);
}

void SetDesignerModified(TComponent* Component) {
  if (!Component->ComponentState().Contains(csDesigning) || !IsComponentReady(Component)) return;
  if (auto* control = dynamic_cast<TControl*>(Component))
    for (TWinControl* parent = control->Parent(); parent; parent = parent->Parent())
      if (!IsComponentReady(parent)) return;
  if (IcxDesigner* designer = FindRootDesigner(Component)) designer->Modified();
}

void TcxDesignController::NotifyDesignerModified(TCustomForm* Form) {
  if (IsModifiedNotificationDisabled() || (FState & 1) != 0) return;
  FState |= 1;
  try {
    SetDesignerModified(Form);
  } catch (...) {
    FState &= std::uint8_t(~1);
    throw;
  }
  FState &= std::uint8_t(~1);
}

void TcxDesignController::EnableModifiedNotification() {
  if (FDisableCount > 0) --FDisableCount;
}
