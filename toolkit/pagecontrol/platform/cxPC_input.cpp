// How the tab control answers the mouse and the keyboard: hit tests, clicks
// that select at once or on release, the navigator buttons with their
// auto-repeat, hot tracking, keyboard navigation (also from inside a page),
// accelerators and the wheel.
#include "Messages.h"
#include "cxContainer_win.h"
#include "cxPCGoDialog.h"
#include "cxPC_win.h"

namespace {

constexpr unsigned kRepeatDelay = 300;
constexpr unsigned kRepeatInterval = 150;

bool IsArrow(TcxPCNavigatorButton AButton) { return AButton == nbTopLeft || AButton == nbBottomRight; }

TcxPCNavigatorButton OnlyMember(const TcxPCNavigatorButtons& ASet) {
  for (int b = nbTopLeft; b <= nbClose; ++b)
    if (ASet.Contains(TcxPCNavigatorButton(b))) return TcxPCNavigatorButton(b);
  return nbTopLeft;
}

}  // namespace

int TcxCustomTabControl::TabAt(int X, int Y) {
  int first, last;
  FLayout.GetTabsInViewRange(first, last);
  for (int i = first; i <= last && i >= 0; ++i)
    if (XYInRect(FTabs->VisibleTab(i)->VisibleRect(), X, Y) && FPainter->IsPointInTab(i, X, Y)) return i;
  return -1;
}

void TcxCustomTabControl::ScrollTabs(int ACount) {
  if (MultiLine()) return;
  const TcxPCNavigatorButton button = ACount >= 0 ? nbBottomRight : nbTopLeft;
  for (int i = 0; i < (ACount >= 0 ? ACount : -ACount); ++i) ScrollTabsOnce(button);
}

void TcxCustomTabControl::ScrollTabsOnce(TcxPCNavigatorButton AButton) {
  if (FButtonStates[AButton] == nbsDisabled) return;
  const bool reversed = FLayout.IsReversedOrder();
  const bool forward = reversed ? AButton == nbTopLeft : AButton == nbBottomRight;
  FLayout.FirstVisibleTab += forward ? 1 : -1;
  Relayout();
}

// --- Navigator buttons ---------------------------------------------------------------------------
void TcxCustomTabControl::SetNavigatorButtonState(TcxPCNavigatorButton AButton, TcxPCNavigatorButtonState AState) {
  const TcxPCNavigatorButtonState old = FButtonStates[AButton];
  if (old == AState) return;
  FButtonStates[AButton] = AState;
  if (FPainter) FPainter->InvalidateNavigatorButtons(AButton, old);
}

void TcxCustomTabControl::UpdateNavigatorButtonStates() {
  bool changed = false;
  for (TcxPCNavigatorButton b : {nbTopLeft, nbBottomRight, nbClose}) {
    if (!FLayout.NavigatorButtons.Contains(b)) continue;
    const TcxPCNavigatorButtonState old = FButtonStates[b];
    if (!FLayout.IsNavigatorButtonEnabled(b)) {
      if (old != nbsDisabled) {
        FHotButtons.Exclude(b);
        FPressedButtons.Exclude(b);
        SetNavigatorButtonState(b, nbsDisabled);
        changed = true;
      }
    } else if (old == nbsDisabled) {
      SetNavigatorButtonState(b, nbsNormal);
      changed = true;
    }
  }
  if (changed) UpdateHotTrackWithKeyboardState();
}

void TcxCustomTabControl::PressNavigatorButton(TcxPCNavigatorButton AButton) {
  if (FPressedButtons.Contains(AButton) || FButtonStates[AButton] == nbsDisabled) return;
  SetNavigatorButtonState(AButton, nbsPressed);
  FPressedButtons = {AButton};
  if (!IsArrow(AButton)) return;
  ScrollTabsOnce(AButton);
  if (!FPressedButtons.Contains(AButton)) return;
  if (!FTimer) {
    FTimer = new TcxTimer(this);
    FTimer->SetEnabled(false);
    FTimer->SetOnTimer(TNotifyEvent(this, &TcxCustomTabControl::AutoRepeatTick));
  }
  FTimer->SetInterval(kRepeatDelay);
  FTimer->SetEnabled(true);
}

void TcxCustomTabControl::AutoRepeatTick(TObject*) {
  FTimer->SetInterval(kRepeatInterval);
  if (FPressedButtons.Empty()) {
    FTimer->SetEnabled(false);
    return;
  }
  const TcxPCNavigatorButton button = OnlyMember(FPressedButtons);
  if (IsArrow(button)) ScrollTabsOnce(button);
}

void TcxCustomTabControl::ReleaseNavigatorButton(TcxPCNavigatorButton AButton, TShiftState AShift) {
  if (FTimer) FTimer->SetEnabled(false);
  if (FButtonStates[AButton] == nbsDisabled) return;
  const bool wasPressed = FPressedButtons.Contains(AButton);
  if (!IsDesigning() && AButton == nbGoDialog && wasPressed) {
    FGoDialogShown = true;
    ShowGoDialog();
    return;
  }
  const bool close = !IsDesigning() && AButton == nbClose && wasPressed;
  if (wasPressed) FPressedButtons = {};
  SetNavigatorButtonState(AButton, nbsNormal);
  UpdateHotTrack(AShift);
  if (close && DoCanClose()) CloseActiveTab();
}

void TcxCustomTabControl::GoDialogClosed(int ATabIndex) {
  if (HandleAllocated() &&
      (HasPendingMessage(Handle(), WM_LBUTTONDOWN) || HasPendingMessage(Handle(), WM_LBUTTONDBLCLK)))
    FGoDialogClosedByClick = true;
  FGoDialogShown = false;
  const TcxPCNavigatorButtonState old = FButtonStates[nbGoDialog];
  FButtonStates[nbGoDialog] = nbsNormal;
  FPressedButtons = {};
  if (FPainter) FPainter->InvalidateNavigatorButtons(nbGoDialog, old == nbsNormal ? nbsPressed : old);
  if (ATabIndex != -1) SetTabIndex(ATabIndex);
  UpdateHotTrackWithKeyboardState();
}

// --- Mouse ---------------------------------------------------------------------------------------
void TcxCustomTabControl::SetMarkedTab(int& AField, int Value, TcxPCTabChangeReason AReason) {
  if (Value == AField) return;
  const int old = AField;
  AField = Value;
  if (old != -1) RepaintTab(old, AReason);
  if (Value != -1) RepaintTab(Value, AReason);
}

void TcxCustomTabControl::SetHotTab(int Value) { SetMarkedTab(FHotTab, Value, tcrHot); }

void TcxCustomTabControl::SetPressedTab(int Value) { SetMarkedTab(FPressedTab, Value, tcrPressed); }

void TcxCustomTabControl::SetKeyboardFocusedTab(int Value) { SetMarkedTab(FKeyboardFocusedTab, Value, tcrKeyboardFocus); }

void TcxCustomTabControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const bool closedByClick = FGoDialogClosedByClick;
  FGoDialogClosedByClick = false;
  inherited::MouseDown(Button, Shift, X, Y);
  const bool designing = IsDesigning();
  if (!designing && (FHideTabs || Button != mbLeft)) return;
  UpdateHotTrack(Shift);
  TcxPCNavigatorButton button;
  if (FPainter->GetNavigatorButtonAt(X, Y, button)) {
    // A click that closed the tab list on its own button does not open it again.
    if (!(button == nbGoDialog && closedByClick)) PressNavigatorButton(button);
    return;
  }
  FMouseDownTab = TabAt(X, Y);
  if (FMouseDownTab == -1 || (!designing && !FTabs->VisibleTab(FMouseDownTab)->RealEnabled())) return;
  if (designing || !FPainter->PainterClass()->SelectsTabOnMouseUp())
    SelectTabByClick(FMouseDownTab, Shift.Contains(ssCtrl));
  else
    SetPressedTab(FMouseDownTab);
}

void TcxCustomTabControl::MouseMove(TShiftState Shift, int X, int Y) {
  inherited::MouseMove(Shift, X, Y);
  if (FHideTabs || FGoDialogShown) return;
  if (!FPressedButtons.Empty()) {
    const TcxPCNavigatorButton pressed = OnlyMember(FPressedButtons);
    TcxPCNavigatorButton under;
    if (!FPainter->GetNavigatorButtonAt(X, Y, under) || under != pressed) {
      if (FTimer) FTimer->SetEnabled(false);
      FPressedButtons = {};
      SetNavigatorButtonState(pressed, nbsNormal);
    }
  }
  if (FPressedTab != -1 && TabAt(X, Y) != FPressedTab) SetPressedTab(-1);
  UpdateHotTrack(Shift);
}

void TcxCustomTabControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  inherited::MouseUp(Button, Shift, X, Y);
  if (FHideTabs || Button != mbLeft || FGoDialogShown) return;
  TcxPCNavigatorButton button;
  const bool overButton = FPainter->GetNavigatorButtonAt(X, Y, button);
  // A press released off its button is abandoned: its repetition must not go on scrolling.
  if (!FPressedButtons.Empty() && !(overButton && FPressedButtons.Contains(button))) {
    if (FTimer) FTimer->SetEnabled(false);
    const TcxPCNavigatorButton pressed = OnlyMember(FPressedButtons);
    FPressedButtons = {};
    SetNavigatorButtonState(pressed, nbsNormal);
  }
  if (overButton) {
    FMouseDownTab = -1;
    ReleaseNavigatorButton(button, Shift);
    return;
  }
  const bool designing = IsDesigning();
  const int vi = TabAt(X, Y);
  if (vi != -1 && (designing || FTabs->VisibleTab(vi)->RealEnabled())) {
    if (!designing && FPainter->PainterClass()->SelectsTabOnMouseUp() && vi == FPressedTab) {
      SetPressedTab(-1);
      SelectTabByClick(vi, Shift.Contains(ssCtrl));
    }
    UpdateHotTrack(Shift);
    if (vi == FMouseDownTab) DoTabClick(vi, Shift);
  }
  FMouseDownTab = -1;
}

void TcxCustomTabControl::MouseLeave(TControl* AControl) {
  inherited::MouseLeave(AControl);
  if (!FGoDialogShown) UpdateHotTrack(TShiftState{});
}

void TcxCustomTabControl::SelectTabByClick(int AVisibleIndex, bool ACtrl) {
  TcxTab* tab = FTabs->VisibleTab(AVisibleIndex);
  if (FMultiSelectActive && FPainter->PainterClass()->AllowsMultiSelect() && ACtrl) {
    if (tab->Index() == FTabIndex)
      SetTabIndex(-1);
    else
      tab->SetSelected(!tab->Selected());
    return;
  }
  SetTabIndex(tab->Index());
  if (!IsDestroying() && !IsLoading()) DesignerModified();
}

void TcxCustomTabControl::UpdateHotTrackWithKeyboardState() { UpdateHotTrack(KeyboardStateToShiftState()); }

void TcxCustomTabControl::UpdateHotTrack(TShiftState AShift) {
  if (IsLoading() || IsDestroying() || IsDesigning() || !HandleAllocated() || FGoDialogShown || !FPainter) return;
  TcxPCNavigatorButtons hotButtons;
  int hotTab = -1;
  if ((FHotTrack || FPainter->UsesTabHotTracking()) && Enabled()) {
    POINT p;
    GetCursorPos(&p);
    ::ScreenToClient(Handle(), &p);
    const bool leftHeld = AShift.Contains(ssLeft);
    TcxPCNavigatorButton button;
    if (!leftHeld && FPainter->GetNavigatorButtonAt(p.x, p.y, button) && !FPressedButtons.Contains(button) &&
        FButtonStates[button] != nbsDisabled) {
      hotButtons = {button};
    } else {
      hotTab = TabAt(p.x, p.y);
      if (hotTab != -1 && !FTabs->VisibleTab(hotTab)->RealEnabled()) hotTab = -1;
      if (leftHeld && FPainter->PainterClass()->SelectsTabOnMouseUp()) hotTab = -1;
    }
  }
  if (!(hotButtons == FHotButtons)) {
    const TcxPCNavigatorButtons old = FHotButtons;
    FHotButtons = hotButtons;
    if (!old.Empty() && FButtonStates[OnlyMember(old)] == nbsHot) SetNavigatorButtonState(OnlyMember(old), nbsNormal);
    if (!hotButtons.Empty()) SetNavigatorButtonState(OnlyMember(hotButtons), nbsHot);
  }
  SetHotTab(hotTab);
}

bool TcxCustomTabControl::ScrollByWheel(TPoint AMousePos, int ACount) {
  const TPoint p = ScreenToClient(AMousePos);
  if (MultiLine() || FLayout.FirstVisibleTab < 0 || FLayout.FirstVisibleTab >= FVisibleTabs->Count()) return false;
  const TRect r = FTabs->VisibleTab(FLayout.FirstVisibleTab)->FullRect();
  const bool inBand = FLayout.IsAlongX() ? (r.Top <= p.Y && p.Y < r.Bottom) : (r.Left <= p.X && p.X < r.Right);
  if (!inBand) return false;
  ScrollTabs(ACount);
  return true;
}

bool TcxCustomTabControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  return inherited::DoMouseWheelDown(Shift, MousePos) || ScrollByWheel(MousePos, 1);
}

bool TcxCustomTabControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  return inherited::DoMouseWheelUp(Shift, MousePos) || ScrollByWheel(MousePos, -1);
}

// --- Keyboard ------------------------------------------------------------------------------------
bool TcxCustomTabControl::ProcessTabKey(WORD& AKey, TShiftState AShift) {
  const int count = FVisibleTabs->Count();
  if (FHideTabs || count == 0 || AShift == TShiftState{ssAlt} || AShift == TShiftState{ssAlt, ssShift}) return false;
  if ((AKey == VK_RETURN || AKey == VK_SPACE)) {
    if (FKeyboardFocusedTab == -1 || FKeyboardFocusedTab >= count) return false;
    SetTabIndex(FVisibleTabs->TabIndexAt(FKeyboardFocusedTab));
    return true;
  }
  // Steps in visible order; display order runs the other way in reversed order.
  const int display = FLayout.IsReversedOrder() ? -1 : 1;
  int step = 0;
  int start = -1;
  bool wrap = false;
  const int base = FKeyboardFocusedTab != -1 ? FKeyboardFocusedTab : FLayout.SelectedVisibleTab;
  switch (AKey) {
    case VK_TAB:
      if (!AShift.Contains(ssCtrl)) return false;
      step = AShift.Contains(ssShift) ? -1 : 1;
      wrap = true;
      break;
    case VK_LEFT:
    case VK_UP: step = -display; break;
    case VK_RIGHT:
    case VK_DOWN: step = display; break;
    case VK_HOME:
      step = display;
      start = display > 0 ? 0 : count - 1;
      break;
    case VK_END:
      step = -display;
      start = display > 0 ? count - 1 : 0;
      break;
    default: return false;
  }
  if (start == -1) {
    if (base != -1)
      start = base + step;
    else
      start = step > 0 ? 0 : count - 1;
  }
  if (wrap)
    start = (start % count + count) % count;
  else if (start < 0 || start >= count)
    return true;
  int found = -1;
  for (int i = start, seen = 0; seen < count; ++seen) {
    if (FTabs->VisibleTab(i)->RealEnabled()) {
      found = i;
      break;
    }
    i += step;
    if (wrap)
      i = (i % count + count) % count;
    else if (i < 0 || i >= count)
      break;
  }
  if (found == -1) return true;
  if (FPainter->PainterClass()->SelectsTabOnMouseUp() && AKey != VK_TAB) {
    SetKeyboardFocusedTab(found);
    if (!MultiLine()) MakeTabVisible(found);
    Relayout();
  } else if (FVisibleTabs->TabIndexAt(found) != FTabIndex) {
    SetTabIndex(FVisibleTabs->TabIndexAt(found));
  }
  return true;
}

void TcxCustomTabControl::KeyDown(WORD& Key, TShiftState Shift) {
  inherited::KeyDown(Key, Shift);
  ProcessTabKey(Key, Shift);
}

bool TcxCustomTabControl::ProcessDialogKey(TMessage& Message) {
  if (!HandleAllocated()) return false;
  const HWND focus = GetFocus();
  if (focus != Handle() && !IsChild(Handle(), focus)) return false;
  WORD key = WORD(Message.WParam);
  if (!ProcessTabKey(key, KeyDataToShiftState(Message.LParam))) return false;
  Message.Result = 1;
  return true;
}

void TcxCustomTabControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_DIALOGKEY:
      if (ProcessDialogKey(Message)) return;
      break;
    case CM_DIALOGCHAR:
      if (SelectTabByAccelerator(wchar_t(Message.WParam))) {
        Message.Result = 1;
        return;
      }
      break;
    case WM_GETDLGCODE:
      inherited::WndProc(Message);
      Message.Result |= DLGC_WANTARROWS;
      return;
    case CM_ENABLEDCHANGED:
      inherited::WndProc(Message);
      DropCaptionBitmaps();
      Invalidate();
      return;
    case CM_PARENTCOLORCHANGED:
      inherited::WndProc(Message);
      Invalidate();
      return;
    case CM_DESIGNHITTEST: {
      inherited::WndProc(Message);
      const TPoint p{short(LOWORD(Message.LParam)), short(HIWORD(Message.LParam))};
      TcxPCNavigatorButton button;
      const bool overArrow = FPainter && FPainter->GetNavigatorButtonAt(p.X, p.Y, button) && IsArrow(button);
      const int vi = FPainter ? TabAt(p.X, p.Y) : -1;
      if (overArrow || (vi != -1 && vi != FLayout.SelectedVisibleTab)) Message.Result = 1;
      return;
    }
    default: break;
  }
  inherited::WndProc(Message);
}
