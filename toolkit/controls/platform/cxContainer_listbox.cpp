// TcxCustomInnerListBox: the list box inside a container. Its input goes to
// the container, typing searches the items, and the toolkit's scroll bars
// are laid over its native ones on its parent.
#include <algorithm>

#include "cxContainer_popup_internal.h"
#include "cxContainer_popup_win.h"
#include "cxControls_internal.h"

namespace {

DWORD SystemTicks() { return GetTickCount(); }
TcxCustomInnerListBox::TTickReader GTickReader = &SystemTicks;

bool IsDesigningControl(TComponent* AComponent) { return AComponent->ComponentState().Contains(csDesigning); }
bool IsDestroyingComponent(TComponent* AComponent) { return AComponent->ComponentState().Contains(csDestroying); }

// The list box's own messages after which its native bars may have changed.
bool ChangesNativeScrollBars(UINT AMsg) {
  switch (AMsg) {
    case WM_WINDOWPOSCHANGED: case WM_HSCROLL: case WM_VSCROLL: case LB_ADDSTRING: case LB_INSERTSTRING:
    case LB_DELETESTRING: case LB_RESETCONTENT: case LB_SETCURSEL: case LB_SETHORIZONTALEXTENT:
    case LB_SETTOPINDEX: case LB_SETCARETINDEX: case WM_MOUSEWHEEL: case CM_WININICHANGE:
      return true;
    default: return false;
  }
}

TPoint PointFromLParam(LPARAM AParam) { return TPoint{short(LOWORD(AParam)), short(HIWORD(AParam))}; }

}  // namespace

TcxCustomInnerListBox::TTickReader TcxCustomInnerListBox::SetTickReader(TTickReader AReader) {
  const TTickReader previous = GTickReader;
  GTickReader = AReader ? AReader : &SystemTicks;
  return previous;
}

// --- Life ---------------------------------------------------------------------------------------
TcxCustomInnerListBox::TcxCustomInnerListBox(TComponent* AOwner) : TCustomListBox(AOwner) {
  SetBorderStyle(bsNone);
  SetParentColor(false);
  SetParentFont(true);
  FControlStyle.Include(csDoubleClicks);
  FControlStyle.Exclude(csOpaque);
  FCanvas = new TcxCanvas(Canvas());
  FLookAndFeel = new TcxLookAndFeel(this);
  FLookAndFeel->OnChanged = TcxLookAndFeelChangedEvent(this, &TcxCustomInnerListBox::LookAndFeelChangedHandler);
  FHScrollBar = new TcxScrollBar(nullptr);
  FHScrollBar->SetKind(sbHorizontal);
  FHScrollBar->OnScroll = TScrollEvent(this, &TcxCustomInnerListBox::HScrollBarScroll);
  FVScrollBar = new TcxScrollBar(nullptr);
  FVScrollBar->SetKind(sbVertical);
  FVScrollBar->OnScroll = TScrollEvent(this, &TcxCustomInnerListBox::VScrollBarScroll);
  for (TcxScrollBar* bar : {FHScrollBar, FVScrollBar}) {
    bar->SetSmallChange(1);
    bar->SetVisible(false);
    bar->LookAndFeel()->SetMaster(FLookAndFeel);
    // The parent may free a bar placed on it before the list.
    bar->FreeNotification(this);
  }
}

void TcxCustomInnerListBox::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FHScrollBar) FHScrollBar = nullptr;
  if (AComponent == FVScrollBar) FVScrollBar = nullptr;
}

void TcxCustomInnerListBox::BeforeDestruction() {
  inherited::BeforeDestruction();
  Destroying();
}

TcxCustomInnerListBox::~TcxCustomInnerListBox() {
  Destroying();
  // Both bars go, placed on the parent or not: a bar left behind would scroll a freed list.
  for (TcxScrollBar** bar : {&FHScrollBar, &FVScrollBar}) {
    TcxScrollBar* doomed = *bar;
    *bar = nullptr;
    if (!doomed) continue;
    doomed->RemoveFreeNotification(this);
    doomed->OnScroll = nullptr;
    delete doomed;
  }
  if (HandleAllocated()) DestroyHandle();
  delete FLookAndFeel;
  FLookAndFeel = nullptr;
  delete FCanvas;
  FCanvas = nullptr;
}

bool TcxCustomInnerListBox::GetInterface(const TGUID& iid, void** obj) {
  return InterfaceTable<IcxContainerInnerControl>(this, iid, obj) || inherited::GetInterface(iid, obj);
}

bool TcxCustomInnerListBox::UsableContainer() const {
  return Container && !IsDestroyingComponent(Container) && !ComponentState().Contains(csDestroying);
}

TPoint TcxCustomInnerListBox::ToContainer(int X, int Y) const { return TPoint{X + Left(), Y + Top()}; }

void TcxCustomInnerListBox::LookAndFeelChangedHandler(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) {
  LookAndFeelChanged(Sender, AChangedValues);
}

void TcxCustomInnerListBox::LookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues) {
  if (HandleAllocated()) Invalidate();
}

// --- Canvas ---------------------------------------------------------------------------------------
void TcxCustomInnerListBox::SaveCanvasColors() {
  FSavedBrushColor = FCanvas->Brush()->Color();
  FSavedFontColor = FCanvas->Font()->Color();
}

void TcxCustomInnerListBox::RestoreCanvasColors() {
  FCanvas->Brush()->SetColor(FSavedBrushColor);
  FCanvas->Font()->SetColor(FSavedFontColor);
  // The brush object changed: the device context gets the new one.
  if (Canvas()->HandleAllocated()) SelectObject(Canvas()->Handle(), Canvas()->Brush()->Handle());
}

// --- Keys -----------------------------------------------------------------------------------------
void TcxCustomInnerListBox::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (UsableContainer()) ContainerKeyDown(Container, Key, Shift);
  if (Key) inherited::KeyDown(Key, Shift);
}

void TcxCustomInnerListBox::KeyUp(uint16_t& Key, TShiftState Shift) {
  if (Key == VK_TAB) Key = 0;
  if (UsableContainer()) ContainerKeyUp(Container, Key, Shift);
  if (Key) inherited::KeyUp(Key, Shift);
}

void TcxCustomInnerListBox::KeyPress(wchar_t& Key) {
  if (Key == L'\t') Key = 0;
  if (UsableContainer()) {
    ContainerKeyPress(Container, Key);
    if (Key == L'\r') Key = 0;
  }
  // The key-press event; the runtime list box's own search does not run.
  if (Key) TWinControl::KeyPress(Key);
  if (Key) ProcessAutoComplete(Key);
}

void TcxCustomInnerListBox::ProcessAutoComplete(wchar_t& Key) {
  if (!AutoComplete()) return;
  const DWORD now = GTickReader();
  if (now - FLastKeyTime >= AutoCompleteDelay()) FSearchText.clear();
  FLastKeyTime = now;
  if (Key == L'\b') {
    // A character outside the basic plane is two units: both go.
    if (!FSearchText.empty()) FSearchText.pop_back();
    if (!FSearchText.empty() && IS_HIGH_SURROGATE(FSearchText.back())) FSearchText.pop_back();
  } else if (IS_HIGH_SURROGATE(Key)) {
    // Its second half waits in the queue: both are taken together.
    MSG trail;
    if (!HandleAllocated() || !PeekMessageW(&trail, Handle(), WM_CHAR, WM_CHAR, PM_NOREMOVE) ||
        !IS_LOW_SURROGATE(wchar_t(trail.wParam)))
      return;
    PeekMessageW(&trail, Handle(), WM_CHAR, WM_CHAR, PM_REMOVE);
    FSearchText += Key;
    FSearchText += wchar_t(trail.wParam);
    Key = 0;
  } else if (Key >= L' ') {
    FSearchText += Key;
  } else {
    // Enter, Esc and other control characters neither search nor move the selection.
    return;
  }
  if (FSearchText.empty()) {
    SetItemIndex(0);
    Click();
    return;
  }
  int index = -1;
  if (IsVirtualStyle()) index = DoFindData(FSearchText);
  else if (HandleAllocated())
    index = int(SendMessageW(Handle(), LB_FINDSTRING, WPARAM(-1), reinterpret_cast<LPARAM>(FSearchText.c_str())));
  if (index >= 0 && index < Count()) {
    if (MultiSelect()) {
      ClearSelection();
      SetSelected(index, true);
    }
    SetItemIndex(index);
    Click();
  }
  if (Key != L'\b' && Key != L'\r' && Key != 27) Key = 0;
}

// --- Mouse, clicks, drag and drop ----------------------------------------------------------------
void TcxCustomInnerListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TcxObjectLinkGuard self(this);
  inherited::MouseDown(Button, Shift, X, Y);
  if (!self.Alive() || !UsableContainer()) return;
  const TPoint p = ToContainer(X, Y);
  Container->InnerControlMouseDown = true;
  TcxObjectLinkGuard container(Container);
  ContainerMouseDown(Container, Button, Shift, p.X, p.Y);
  if (container.Alive() && self.Alive() && Container) Container->InnerControlMouseDown = false;
}

void TcxCustomInnerListBox::MouseMove(TShiftState Shift, int X, int Y) {
  TcxObjectLinkGuard self(this);
  inherited::MouseMove(Shift, X, Y);
  if (!self.Alive() || !UsableContainer()) return;
  const TPoint p = ToContainer(X, Y);
  ContainerMouseMove(Container, Shift, p.X, p.Y);
}

void TcxCustomInnerListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TcxObjectLinkGuard self(this);
  inherited::MouseUp(Button, Shift, X, Y);
  if (!self.Alive() || !UsableContainer()) return;
  const TPoint p = ToContainer(X, Y);
  ContainerMouseUp(Container, Button, Shift, p.X, p.Y);
}

void TcxCustomInnerListBox::Click() {
  TcxObjectLinkGuard self(this);
  inherited::Click();
  if (!self.Alive()) return;
  if (HandleAllocated() && FVScrollBar && FVScrollBar->Visible()) FVScrollBar->SetPosition(TopIndex());
  if (UsableContainer()) ContainerClick(Container);
}

void TcxCustomInnerListBox::DblClick() {
  TcxObjectLinkGuard self(this);
  inherited::DblClick();
  if (self.Alive() && UsableContainer()) ContainerDblClick(Container);
}

void TcxCustomInnerListBox::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
  if (!UsableContainer()) {
    inherited::DragOver(Source, X, Y, State, Accept);
    return;
  }
  const TPoint p = ToContainer(X, Y);
  ContainerDragOver(Container, Source, p.X, p.Y, State, Accept);
}

void TcxCustomInnerListBox::DragDrop(TObject* Source, int X, int Y) {
  if (!UsableContainer()) {
    inherited::DragDrop(Source, X, Y);
    return;
  }
  const TPoint p = ToContainer(X, Y);
  Container->DragDrop(Source, p.X, p.Y);
}

TPopupMenu* TcxCustomInnerListBox::GetPopupMenu() {
  return UsableContainer() ? ContainerPopupMenu(Container) : inherited::GetPopupMenu();
}

bool TcxCustomInnerListBox::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (UsableContainer() && ContainerMouseWheel(Container, Shift, WheelDelta, MousePos)) return true;
  return inherited::DoMouseWheel(Shift, WheelDelta, MousePos);
}

// A press with the left button starts the container's automatic drag.
void TcxCustomInnerListBox::LeftButtonDown(TMessage& Message) {
  const TDragMode previous = DragMode();
  SetDragMode(dmManual);
  TcxObjectLinkGuard self(this);
  TcxObjectLinkGuard container(Container);
  const TShiftState shift = KeysToShiftState(Message.WParam);
  const bool multi = MultiSelect();
  const int item = ItemAtPos(PointFromLParam(Message.LParam), true);
  // A press on a selected item keeps the selection: the drag starts at once.
  const bool dragSelection = multi && item >= 0 && Selected(item) &&
                             !(shift.Contains(ssShift) && !shift.Contains(ssCtrl));
  if (!dragSelection) inherited::WndProc(Message);
  if (self.Alive() && container.Alive() &&
      (dragSelection || !(multi && (shift.Contains(ssCtrl) || shift.Contains(ssShift)))))
    Container->BeginDrag(false);
  if (self.Alive()) SetDragMode(previous);
}

// --- Scroll bars ---------------------------------------------------------------------------------
TRect TcxCustomInnerListBox::GetScrollBarsCornerRect() {
  if (!FHScrollBar || !FVScrollBar || !FHScrollBar->Visible() || !FVScrollBar->Visible()) return TRect{};
  const TRect v = FVScrollBar->BoundsRect(), h = FHScrollBar->BoundsRect();
  // The bars lie on the parent; the corner is wanted in the list box's window coordinates.
  const TPoint origin{v.Left - Left(), h.Top - Top()};
  return TRect{origin.X, origin.Y, origin.X + GetRectWidth(v), origin.Y + GetRectHeight(h)};
}

void TcxCustomInnerListBox::UpdateOwnScrollBars() {
  if (ComponentState().Contains(csDestroying) || FScrollBarsLockCount > 0 || !IsGetScrollBarInfoAvailable() ||
      FRedrawLocked)
    return;
  const bool wasCalculating = FScrollBarsCalculating;
  FScrollBarsCalculating = true;
  try {
    MirrorScrollBar(FHScrollBar, OBJID_HSCROLL, SB_HORZ);
    MirrorScrollBar(FVScrollBar, OBJID_VSCROLL, SB_VERT);
  } catch (...) {
    FScrollBarsCalculating = wasCalculating;
    throw;
  }
  FScrollBarsCalculating = wasCalculating;
}

void TcxCustomInnerListBox::MirrorScrollBar(TcxScrollBar* ABar, LONG AObjectId, int ABarKind) {
  if (!ABar) return;
  SCROLLBARINFO info{};
  const bool known = HandleAllocated() && GetScrollBarInfoSafe(Handle(), AObjectId, info);
  bool visible = Parent() && known && !(info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN));
  ABar->SetEnabled(known && !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) && Parent() && Parent()->Enabled());
  TRect r;
  if (visible) {
    const TRect screen{info.rcScrollBar.left, info.rcScrollBar.top, info.rcScrollBar.right, info.rcScrollBar.bottom};
    // (left, top, width, height), all 0 when the bar is not inside the list box.
    const TRect place = ScrollBarRectToClientRect(screen, Parent()->ClientOrigin(), Width(), Height());
    r = TRect{place.Left, place.Top, place.Left + place.Right, place.Top + place.Bottom};
    visible = place.Right > 0 && place.Bottom > 0;
  }
  if (!visible) {
    ABar->SetVisible(false);
    ABar->SetBounds(0, 0, 0, 0);
    return;
  }
  ++FScrollBarsLockCount;
  try {
    ABar->SetParent(Parent());
    ABar->SetBounds(r.Left, r.Top, GetRectWidth(r), GetRectHeight(r));
    ABar->SetCtl3D(false);
    ABar->SetVisible(true);
    ABar->BringToFront();
  } catch (...) {
    --FScrollBarsLockCount;
    throw;
  }
  --FScrollBarsLockCount;
  SCROLLINFO si{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(Handle(), ABarKind, &si);
  const int maximum = std::max(si.nMin, si.nMax);
  // The page is capped at the range, which the bar refuses to exceed.
  const int page = std::clamp(int(si.nPage), 0, std::min(maximum, maximum - si.nMin));
  ABar->SetRangeAndPosition(si.nMin, maximum, std::clamp(si.nPos, si.nMin, maximum), page, true);
}

void TcxCustomInnerListBox::HScrollBarScroll(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos) {
  TMessage m{WM_HSCROLL, MAKEWPARAM(ScrollCode, ScrollPos), reinterpret_cast<LPARAM>(static_cast<TcxScrollBar*>(Sender)->Handle()), 0};
  TCustomListBox::DefaultHandler(m);
  ScrollPos = GetScrollPos(Handle(), SB_HORZ);
}

void TcxCustomInnerListBox::VScrollBarScroll(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos) {
  switch (ScrollCode) {
    case scLineUp:
    case scLineDown:
      SetTopIndex(ScrollPos);
      return;
    case scPosition:
    case scTrack:
      SetTopIndex(ScrollPos);
      ScrollPos = GetScrollPos(Handle(), SB_VERT);
      return;
    default: {
      TMessage m{WM_VSCROLL, MAKEWPARAM(ScrollCode, ScrollPos), reinterpret_cast<LPARAM>(static_cast<TcxScrollBar*>(Sender)->Handle()), 0};
      TCustomListBox::DefaultHandler(m);
      ScrollPos = GetScrollPos(Handle(), SB_VERT);
      return;
    }
  }
}

// Fills the corner between the two own bars in the painter's colour, through the window's DC.
void TcxCustomInnerListBox::PaintCorner() {
  const TRect r = GetScrollBarsCornerRect();
  if (RectHasNoArea(r) || !HandleAllocated()) return;
  if (UsableContainer()) {
    PaintScrollBarsCorner(Container, r);
    return;
  }
  HDC dc = GetWindowDC(Handle());
  const RECT rc{r.Left, r.Top, r.Right, r.Bottom};
  HBRUSH brush = CreateSolidBrush(ColorToRGB(FLookAndFeel->Painter()->GetScrollBarsCornerColor()));
  FillRect(dc, &rc, brush);
  DeleteObject(brush);
  ReleaseDC(Handle(), dc);
}

// --- Window ---------------------------------------------------------------------------------------

void TcxCustomInnerListBox::DestroyWnd() {
  FRedrawLocked = false;
  inherited::DestroyWnd();
}

void TcxCustomInnerListBox::DefaultHandler(TMessage& Message) {
  if (UsableContainer() && ContainerHandlesInnerMessage(this, Message)) return;
  inherited::DefaultHandler(Message);
}

void TcxCustomInnerListBox::WndProc(TMessage& Message) {
  if (UsableContainer() && Container->ProcessInnerKeyMessage(Message)) return;
  if (Message.Msg == WM_LBUTTONDOWN && UsableContainer() && Container->DragMode() == dmAutomatic &&
      !IsDesigningControl(Container)) {
    LeftButtonDown(Message);
    return;
  }
  if (Message.Msg == WM_PRINT && (Message.LParam & PRF_NONCLIENT)) {
    // The native bars are not printed; the own ones lie over them.
    Message.LParam &= ~LPARAM(PRF_NONCLIENT);
    inherited::WndProc(Message);
    return;
  }
  if (Message.Msg == WM_SETREDRAW) FRedrawLocked = Message.WParam == 0;
  TcxObjectLinkGuard self(this);
  inherited::WndProc(Message);
  if (!self.Alive() || !HandleAllocated()) return;
  switch (Message.Msg) {
    case WM_SETREDRAW:
      if (Message.WParam) UpdateOwnScrollBars();
      break;
    case WM_NCCALCSIZE:
      if (!FScrollBarsCalculating) UpdateOwnScrollBars();
      break;
    case WM_NCPAINT: PaintCorner(); break;
    case WM_WINDOWPOSCHANGED: {
      UpdateOwnScrollBars();
      const TRect corner = GetScrollBarsCornerRect();
      if (!RectHasNoArea(corner)) {
        // The corner again, in client coordinates for the non-client repaint.
        RECT window;
        GetWindowRect(Handle(), &window);
        const TPoint client = ClientToScreen(TPoint{0, 0});
        const RECT rc{corner.Left - (client.X - window.left), corner.Top - (client.Y - window.top),
                      corner.Right - (client.X - window.left), corner.Bottom - (client.Y - window.top)};
        RedrawWindow(Handle(), &rc, nullptr, RDW_FRAME | RDW_INVALIDATE);
      }
      break;
    }
    default:
      if (ChangesNativeScrollBars(Message.Msg)) UpdateOwnScrollBars();
      break;
  }
}

void TcxCustomInnerListBox::DrawItemMessage(TMessage& Message) {
  if (NeedsFocusRect()) {
    inherited::Dispatch(Message);
    return;
  }
  // Item drawing is the application's: no focus rectangle over it.
  DRAWITEMSTRUCT item = *reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
  item.itemState |= ODS_NOFOCUSRECT;
  TMessage copy{Message.Msg, Message.WParam, reinterpret_cast<LPARAM>(&item), 0};
  inherited::Dispatch(copy);
  Message.Result = copy.Result;
}

void TcxCustomInnerListBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_DRAWITEM: DrawItemMessage(Message); return;
    case WM_GETDLGCODE:
      inherited::Dispatch(Message);
      if (Container) {
        Message.Result |= DLGC_WANTCHARS;
        if (GetKeyState(VK_CONTROL) >= 0) Message.Result |= DLGC_WANTARROWS;
      }
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      TcxObjectLinkGuard self(this);
      inherited::Dispatch(Message);
      // The container's own window passing the focus down is no change of the container's focus.
      const bool fromContainer = Message.Msg == WM_SETFOCUS && UsableContainer() && Container->HandleAllocated() &&
                                 reinterpret_cast<HWND>(Message.WParam) == Container->Handle();
      if (self.Alive() && UsableContainer() && !fromContainer) ContainerFocusChanged(Container);
      return;
    }
    case CM_MOUSELEAVE:
      inherited::Dispatch(Message);
      if (UsableContainer()) RefreshViewStateAtCursor(Container, true);
      return;
    default: inherited::Dispatch(Message); return;
  }
}
