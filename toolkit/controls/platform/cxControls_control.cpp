// TcxControl: construction, look-and-feel, focus on click, keys, popup menus,
// painting and the window procedure.
#include <algorithm>
#include <memory>

#include "cxControls_internal.h"
#include "cxControls_win.h"

namespace {

bool IsApplicationDestroying() {
  return !Application || Application->ComponentState().Contains(csDestroying);
}

}  // namespace

// --- Life ----------------------------------------------------------------------------------
TcxControl::TcxControl(TComponent* AOwner) : TCustomControl(AOwner) {
  FCanvas = new TcxCanvas(TCustomControl::Canvas());
  FDefaultCursor = Cursor();
  FLookAndFeel = new TcxLookAndFeel(this);
  FLookAndFeel->OnChanged = TcxLookAndFeelChangedEvent(this, &TcxControl::HandleLookAndFeelChange);
  CreateScrollBars();
  SetTabStop(MayFocus());
  FControlStyle.Include(csParentBackground);
  if (TdxResourceStringsRepository* repository = GetResourceStringsRepository()) repository->AttachListener(this);
}

TcxControl::~TcxControl() {
  // Links to the control read null from here on: a handler that freed it stops.
  InvalidateObjectLinks(this);
  Destroying();
  if (TdxResourceStringsRepository* repository = GetResourceStringsRepository()) repository->DetachListener(this);
  EndDrag(false);
  // The window goes first, so no message reaches the parts freed below.
  if (HandleAllocated()) DestroyHandle();
  DestroyScrollBars();
  FFontListeners.clear();
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  delete FDragAndDropObject;
  delete FDragImages;
  delete FActiveCanvas;
  delete FCanvas;
  delete FLookAndFeel;
  FLookAndFeel = nullptr;
}

bool TcxControl::GetInterface(const TGUID& iid, void** obj) {
  return InterfaceTable<IcxLookAndFeelOwner>(this, iid, obj) || inherited::GetInterface(iid, obj);
}

void TcxControl::Loaded() {
  inherited::Loaded();
  if (!FLookAndFeelChangedWhileLoading) return;
  FLookAndFeelChangedWhileLoading = false;
  const TcxLookAndFeelValues changed = FLookAndFeelChangesWhileLoading;
  FLookAndFeelChangesWhileLoading = {};
  HandleLookAndFeelChange(FLookAndFeel, changed);
}

// --- Properties --------------------------------------------------------------------------
void TcxControl::SetBorderStyle(TcxControlBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  BoundsChanged();
  Invalidate();
}

void TcxControl::SetLookAndFeel(TcxLookAndFeel* Value) { FLookAndFeel->Assign(Value); }

void TcxControl::SetPopupMenu(TComponent* Value) {
  if (Value && !dynamic_cast<TPopupMenu*>(Value) && !Supports<IcxPopupMenuHandler>(Value)) Value = nullptr;
  if (FPopupMenu == Value) return;
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  FPopupMenu = Value;
  if (FPopupMenu) FPopupMenu->FreeNotification(this);
}

TPopupMenu* TcxControl::GetPopupMenu() { return dynamic_cast<TPopupMenu*>(FPopupMenu); }

void TcxControl::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
}

void TcxControl::SetMouseCaptureObject(TObject* Value) {
  if (FMouseCaptureObject == Value) return;
  IcxMouseCaptureReceiver* receiver = nullptr;
  if (Supports<IcxMouseCaptureReceiver>(FMouseCaptureObject, receiver)) receiver->CaptureLost();
  FMouseCaptureObject = Value;
  const bool wasCaptured = MouseCapture();
  SetMouseCapture(Value != nullptr);
  if (wasCaptured && !MouseCapture() && FDragAndDropState == ddsStarting && HandleAllocated())
    SendMessageW(Handle(), WM_CANCELMODE, 0, 0);
}

bool TcxControl::MouseCapture() { return GetCaptureControl() == this; }

void TcxControl::SetMouseCapture(bool Value) {
  if (MouseCapture() == Value) return;
  SetCaptureControl(Value ? this : nullptr);
}

void TcxControl::InvalidateRect(const TRect& R, bool Erase) {
  if (!HandleAllocated()) return;
  const RECT r{R.Left, R.Top, R.Right, R.Bottom};
  ::InvalidateRect(Handle(), &r, Erase);
}

void TcxControl::InvalidateWithChildren() {
  if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_ALLCHILDREN);
}

bool TcxControl::IsMouseInDragThreshold(int X, int Y) { return IsWithinDragThreshold(FMouseDownPos, X, Y); }

void TcxControl::AddFontListener(IcxControlFontListener* Listener) {
  if (Listener && std::find(FFontListeners.begin(), FFontListeners.end(), Listener) == FFontListeners.end())
    FFontListeners.push_back(Listener);
}

void TcxControl::RemoveFontListener(IcxControlFontListener* Listener) {
  std::erase(FFontListeners, Listener);
}

// --- Look-and-feel -------------------------------------------------------------------------
void TcxControl::HandleLookAndFeelChange(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) {
  if (IsApplicationDestroying() || IsDestroying()) return;
  // Inside a stream only the change is noted: Loaded recalculates once.
  if (ComponentState().Contains(csLoading)) {
    FLookAndFeelChangedWhileLoading = true;
    FLookAndFeelChangesWhileLoading += AChangedValues;
    return;
  }
  TcxObjectLinkGuard link(this);
  LookAndFeelChanged(Sender, AChangedValues);
  if (!link.Alive()) return;
  // The border width may have changed with the painter: the layout follows,
  // and the window is drawn when its turn comes.
  BoundsChanged();
  if (link.Alive()) Invalidate();
}

// --- Geometry ------------------------------------------------------------------------------
int TcxControl::GetBorderSize() {
  return FBorderStyle == cxcbsNone ? 0 : GetLookAndFeelPainter()->GetBorderWidth();
}

TRect TcxControl::GetBounds() {
  if (!RectHasNoArea(FBounds)) return FBounds;
  if (HandleAllocated()) return ClientRect();
  return TRect{0, 0, Width(), Height()};
}

TRect TcxControl::GetClientBounds() {
  const bool h = IsHScrollBarVisible(), v = IsVScrollBarVisible();
  return CalcControlClientBounds(GetBounds(), GetBorderSize(), h, h ? FHScrollBar->Height() : 0, v,
                                 v ? FVScrollBar->Width() : 0);
}

void TcxControl::BoundsChanged() {
  TcxObjectLinkGuard link(this);
  UpdateScrollBars();
  if (link.Alive() && NeedsInvalidateChildren()) Invalidate();
}

void TcxControl::Resize() {
  inherited::Resize();
  BoundsChanged();
}


// --- Focus ---------------------------------------------------------------------------------
bool TcxControl::CanFocusOnClick() { return !IsDesigning() && FFocusOnClick && MayFocus() && CanFocus(); }

bool TcxControl::CanFocusInForm() {
  if (!CanFocus()) return false;
  TCustomForm* form = GetParentForm(this);
  return !form || (form->CanFocus() && form->Enabled() && form->Visible());
}

void TcxControl::FocusChanged() {
  if (OnFocusChanged) OnFocusChanged(this);
}

void TcxControl::CancelMouseOperations() {
  FMouseButtonPressed = false;
  SetMouseCaptureObject(nullptr);
}

bool TcxControl::AllowDesignHitTest(int, int, TShiftState) {
  return FDragAndDropState != ddsNone || FMouseButtonPressed;
}

void TcxControl::MouseEnter(TControl*) {
  if (OnMouseEnter) OnMouseEnter(this);
}

void TcxControl::MouseLeave(TControl*) {
  if (OnMouseLeave) OnMouseLeave(this);
}

void TcxControl::CursorChanged() {
  if (!FSettingCurrentCursor) FDefaultCursor = Cursor();
}

void TcxControl::FontChanged() {
  // A listener may leave the list while it hears of the change.
  const std::vector<IcxControlFontListener*> listeners(FFontListeners);
  for (IcxControlFontListener* listener : listeners)
    if (std::find(FFontListeners.begin(), FFontListeners.end(), listener) != FFontListeners.end())
      listener->FontChanged(this, Font());
  Invalidate();
}

void TcxControl::DesignerModified() { SetDesignerModified(this); }

bool TcxControl::DoShowPopupMenu(TComponent* AMenu, int X, int Y) { return ShowPopupMenu(this, AMenu, X, Y); }

void TcxControl::DoContextPopup(TPoint MousePos, bool& Handled) {
  inherited::DoContextPopup(MousePos, Handled);
  if (Handled) return;
  // (-1, -1): opened from the keyboard, at the control's top-left corner.
  if (MousePos.X == -1 && MousePos.Y == -1) MousePos = TPoint{0, 0};
  const TPoint p = ClientToScreen(MousePos);
  Handled = DoShowPopupMenu(FPopupMenu, p.X, p.Y);
}

// --- Mouse ---------------------------------------------------------------------------------
TPoint TcxControl::GetMouseMessagePoint(const TMessage& Message) {
  if (HandleAllocated() && (Width() > 0x8000 || Height() > 0x8000)) {
    POINT p{0, 0};
    GetCursorPos(&p);
    ::ScreenToClient(Handle(), &p);
    return TPoint{p.x, p.y};
  }
  return TPoint{short(LOWORD(Message.LParam)), short(HIWORD(Message.LParam))};
}


// The button and move messages as the runtime handles them, except that
// nothing of the control is touched once a handler has freed it.
void TcxControl::WMMouse(TMessage& Message) {
  TcxObjectLinkGuard link(this);
  const TPoint p = GetMouseMessagePoint(Message);
  const TShiftState keys = KeysToShiftState(Message.WParam);
  const bool events = !FControlStyle.Contains(csNoStdEvents);
  auto down = [&](TMouseButton button, TShiftState extra) {
    if (events) MouseDown(button, keys + extra, p.X, p.Y);
    if (link.Alive()) DefaultHandler(Message);
  };
  auto up = [&](TMouseButton button) {
    if (events) MouseUp(button, keys, p.X, p.Y);
  };
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const bool dbl = Message.Msg == WM_LBUTTONDBLCLK;
      if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
      if (FControlStyle.Contains(csClickEvents)) {
        if (dbl) {
          DblClick();
          if (!link.Alive()) return;
        } else {
          FControlState.Include(csClicked);
        }
      }
      down(mbLeft, dbl ? TShiftState{ssDouble} : TShiftState{});
      return;
    }
    case WM_RBUTTONDOWN: down(mbRight, {}); return;
    case WM_RBUTTONDBLCLK: down(mbRight, TShiftState{ssDouble}); return;
    case WM_MBUTTONDOWN: down(mbMiddle, {}); return;
    case WM_MBUTTONDBLCLK: down(mbMiddle, TShiftState{ssDouble}); return;
    case WM_LBUTTONUP: {
      DefaultHandler(Message);
      if (!link.Alive()) return;
      if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(false);
      const bool clicked = FControlState.Contains(csClicked);
      FControlState.Exclude(csClicked);
      up(mbLeft);
      if (clicked && link.Alive() && PointInRect(TRect{0, 0, Width(), Height()}, p)) Click();
      return;
    }
    case WM_RBUTTONUP:
      up(mbRight);
      if (link.Alive()) DefaultHandler(Message);
      return;
    case WM_MBUTTONUP:
      DefaultHandler(Message);
      if (link.Alive()) up(mbMiddle);
      return;
    default:  // WM_MOUSEMOVE
      if (events) MouseMove(keys, p.X, p.Y);
      if (link.Alive()) DefaultHandler(Message);
      return;
  }
}

void TcxControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FMouseDownPos = TPoint{X, Y};
  TcxObjectLinkGuard link(this);
  if (CanFocusOnClickAt(X, Y) && !Shift.Contains(ssDouble)) {
    const TRect before = BoundsRect();
    SetFocus();
    if (!link.Alive()) return;
    TCustomForm* form = GetParentForm(this);
    if (form && form->ActiveControl() == this && !IsFocused()) ::SetFocus(Handle());
    if (!IsFocused() && !ProcessMouseDownWithoutFocus()) {
      SetMouseCapture(false);
      return;
    }
    // Focusing may have moved the control (a container scrolled it into view).
    if (CorrectMousePosOnFocus()) {
      X += before.Left - Left();
      Y += before.Top - Top();
    }
  }
  // The own drag and drop: a plain left press may start one, any other press ends one.
  if (Button == mbLeft && !Shift.Contains(ssDouble) && StartDragAndDrop(TPoint{X, Y})) {
    if (DragAndDropObject()->GetImmediateStart()) BeginDragAndDrop();
    else SetDragAndDropState(ddsStarting);
  } else {
    FinishDragAndDrop(false);
  }
  if (!link.Alive()) return;
  BeforeMouseDown(Button, Shift, X, Y);
  if (!link.Alive()) return;
  inherited::MouseDown(Button, Shift, X, Y);
  if (link.Alive() && MouseCapture()) FMouseButtonPressed = true;
}

void TcxControl::MouseMove(TShiftState Shift, int X, int Y) {
  FSettingCurrentCursor = true;
  SetCursor(GetCurrentCursor(X, Y));
  FSettingCurrentCursor = false;
  TcxObjectLinkGuard link(this);
  inherited::MouseMove(Shift, X, Y);
  if (!link.Alive()) return;
  if (FDragAndDropState == ddsStarting && !IsMouseInDragThreshold(X, Y)) BeginDragAndDrop();
  if (!link.Alive() || FDragAndDropState != ddsInProcess) return;
  bool accepted = false;
  DragAndDrop(TPoint{X, Y}, accepted);
}

void TcxControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FMouseButtonPressed = false;
  TcxObjectLinkGuard link(this);
  BeforeMouseUp(Button, Shift, X, Y);
  if (link.Alive()) inherited::MouseUp(Button, Shift, X, Y);
}

void TcxControl::BeforeMouseUp(TMouseButton, TShiftState, int, int) {
  TcxObjectLinkGuard link(this);
  FinishDragAndDrop(true);
  if (link.Alive()) SetMouseCaptureObject(nullptr);
}

// --- Window --------------------------------------------------------------------------------
void TcxControl::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN;
}

void TcxControl::CreateWnd() {
  FCreatingWindow = true;
  try {
    inherited::CreateWnd();
    SyncScrollBarsPresence();
    InitScrollBars();
  } catch (...) {
    FCreatingWindow = false;
    throw;
  }
  FCreatingWindow = false;
}

void TcxControl::DestroyWindowHandle() {
  FControlState.Exclude(csClicked);
  inherited::DestroyWindowHandle();
}

void TcxControl::WndProc(TMessage& Message) {
  TcxObjectLinkGuard link(this);
  const UINT msg = Message.Msg;
  bool done = false;
  if ((msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) && !DragObject()) {
    const TPoint p = GetMouseMessagePoint(Message);
    const bool ownPress = IsDesigning() ? AllowDesignHitTest(p.X, p.Y, TShiftState{ssLeft})
                                        : DragMode() == dmAutomatic;
    // The press goes to the control's own handlers, past the runtime's
    // automatic drag: the control detects a drag itself afterwards.
    TControl* child = ownPress ? ControlAtPos(p, false) : nullptr;
    if (ownPress && !child) {
      FControlState.Include(csLButtonDown);
      Dispatch(Message);
      if (link.Alive()) FControlState.Exclude(csLButtonDown);
      done = true;
    }
  } else if (msg == WM_RBUTTONUP) {
    FRightButtonReleased = true;
  }
  if (!done) inherited::WndProc(Message);
  if (!link.Alive() || IsDestroying()) return;
  switch (msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS: FocusChanged(); break;
    case WM_PAINT:
      if (ParentBackground() != FLastParentBackground) {
        FLastParentBackground = ParentBackground();
        ParentBackgroundChanged();
      }
      break;
    case WM_RBUTTONUP: FRightButtonReleased = false; break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      const TPoint p = GetMouseMessagePoint(Message);
      HandleMouseButtonDown(msg == WM_LBUTTONDOWN ? 0 : msg == WM_RBUTTONDOWN ? 1 : 2, p.X, p.Y);
      break;
    }
    default: break;
  }
}

void TcxControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE: WMMouse(Message); return;
    case WM_PAINT: WMPaint(Message); return;
    case WM_ERASEBKGND: WMEraseBkgnd(Message); return;
    case WM_GETDLGCODE: WMGetDlgCode(Message); return;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN: CNKeyDown(Message); return;
    case WM_SETCURSOR: WMSetCursor(Message); return;
    case WM_CANCELMODE: {
      TcxObjectLinkGuard link(this);
      inherited::Dispatch(Message);
      if (link.Alive()) FinishDragAndDrop(false);
      if (link.Alive()) CancelMouseOperations();
      return;
    }
    case CM_DESIGNHITTEST: CMDesignHitTest(Message); return;
    case CM_INVALIDATE: CMInvalidate(Message); return;
    case CM_COLORCHANGED:
      NotifyColorChanged();
      inherited::Dispatch(Message);
      return;
    case CM_CURSORCHANGED:
      CursorChanged();
      inherited::Dispatch(Message);
      return;
    case CM_FONTCHANGED:
      inherited::Dispatch(Message);
      FontChanged();
      return;
    case CM_TEXTCHANGED:
      inherited::Dispatch(Message);
      TextChanged();
      return;
    case CM_VISIBLECHANGED:
      inherited::Dispatch(Message);
      VisibleChanged();
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: CMMouseEnterLeave(Message); return;
    case WM_NCCALCSIZE:
      inherited::Dispatch(Message);
      if (HandleAllocated()) PostMessageW(Handle(), CXM_SCROLLBARSIZESCHANGED, 0, 0);
      return;
    case CXM_SCROLLBARSIZESCHANGED: ScrollBarSizesChanged(); return;
    default: inherited::Dispatch(Message); return;
  }
}

void TcxControl::CMMouseEnterLeave(TMessage& Message) {
  TcxObjectLinkGuard link(this);
  inherited::Dispatch(Message);
  if (!link.Alive()) return;
  auto* control = reinterpret_cast<TControl*>(Message.LParam);
  if (!control) control = this;
  if (Message.Msg == CM_MOUSEENTER) MouseEnter(control);
  else MouseLeave(control);
}

void TcxControl::CMInvalidate(TMessage& Message) {
  if (HandleAllocated() && !IsDestroying())
    InvalidateControlAndChildren(this, Message.WParam == 0, NeedsInvalidateChildren());
}

void TcxControl::CMDesignHitTest(TMessage& Message) {
  inherited::Dispatch(Message);
  if (Message.Result != 0) return;
  const TPoint p{short(LOWORD(Message.LParam)), short(HIWORD(Message.LParam))};
  TShiftState shift;
  if (Message.WParam & MK_LBUTTON) shift.Include(ssLeft);
  if (Message.WParam & MK_RBUTTON) shift.Include(ssRight);
  if (Message.WParam & MK_MBUTTON) shift.Include(ssMiddle);
  if (Message.WParam & MK_SHIFT) shift.Include(ssShift);
  if (Message.WParam & MK_CONTROL) shift.Include(ssCtrl);
  Message.Result = AllowDesignHitTest(p.X, p.Y, shift) ? 1 : 0;
}

void TcxControl::WMSetCursor(TMessage& Message) {
  if (IsDesigning() && FDragAndDropState == ddsNone) {
    POINT p{0, 0};
    GetCursorPos(&p);
    ::ScreenToClient(Handle(), &p);
    if (AllowDesignHitTest(p.x, p.y, TShiftState{})) {
      ::SetCursor(GetCursorHandle(GetCurrentCursor(p.x, p.y)));
      Message.Result = 1;
      return;
    }
  }
  inherited::Dispatch(Message);
}

// --- Keys ----------------------------------------------------------------------------------
void TcxControl::WMGetDlgCode(TMessage& Message) {
  LRESULT code = 0;
  if (FWantedKeys.Contains(kAll)) code |= DLGC_WANTALLKEYS;
  if (FWantedKeys.Contains(kArrows)) code |= DLGC_WANTARROWS;
  if (FWantedKeys.Contains(kChars)) code |= DLGC_WANTCHARS;
  if (FWantedKeys.Contains(kTab) && GetKeyState(VK_CONTROL) >= 0) code |= DLGC_WANTTAB;
  Message.Result = code;
}

// A shortcut of the popup menu of this control or of any toolkit control it sits in.
bool TcxControl::IsMenuShortCut(TMessage& Message) {
  if (IsDesigning()) return false;
  for (TControl* c = this; c; c = c->Parent())
    if (auto* control = dynamic_cast<TcxControl*>(c); control && control->FPopupMenu)
      if (IsPopupMenuShortCut(control->FPopupMenu, Message)) return true;
  return false;
}

void TcxControl::CNKeyDown(TMessage& Message) {
  if (IsMenuShortCut(Message)) {
    Message.Result = 1;
    return;
  }
  // Any key ends the own drag and drop unaccepted, and goes no further.
  if (Message.Msg == CN_KEYDOWN && FDragAndDropState != ddsNone) {
    FinishDragAndDrop(false);
    Message.Result = 1;
    return;
  }
  inherited::Dispatch(Message);
}

// --- Painting ------------------------------------------------------------------------------
void TcxControl::WMPaint(TMessage& Message) {
  if (OSFlagWin7 && !Message.WParam && !DoubleBuffered()) {
    PaintBuffered(Message);
    return;
  }
  TDragObject* drag = DragObject();
  if (drag) drag->HideDragImage();
  try {
    inherited::Dispatch(Message);
  } catch (...) {
    if (TDragObject* now = DragObject(); now && now == drag) now->ShowDragImage();
    throw;
  }
  if (TDragObject* now = DragObject(); now && now == drag) now->ShowDragImage();
}

namespace {

// The off-screen buffer of the controls' painting, shared: it only grows, so a
// paint does not make a bitmap of its own. A paint that comes while it is in
// use (a nested one) takes a bitmap of its own.
TcxBitmap* GPaintBuffer = nullptr;
bool GPaintBufferBusy = false;

}  // namespace

void FreePaintBuffer() {
  delete GPaintBuffer;
  GPaintBuffer = nullptr;
}

// The update rectangle is drawn off screen and reaches the window in one copy.
void TcxControl::PaintBuffered(TMessage& Message) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(Handle(), &ps);
  const bool shared = !GPaintBufferBusy && !cxControlsFinalizing;
  std::unique_ptr<TcxBitmap> own;
  try {
    const TRect r{ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right, ps.rcPaint.bottom};
    if (!RectHasNoArea(r)) {
      const int w = r.Right - r.Left, h = r.Bottom - r.Top;
      TcxBitmap* bitmap;
      if (shared) {
        if (!GPaintBuffer) GPaintBuffer = new TcxBitmap(w, h, pf32bit);
        else if (GPaintBuffer->Width() < w || GPaintBuffer->Height() < h)
          GPaintBuffer->SetSize(std::max(GPaintBuffer->Width(), w), std::max(GPaintBuffer->Height(), h));
        bitmap = GPaintBuffer;
        GPaintBufferBusy = true;
      } else {
        own = std::make_unique<TcxBitmap>(r, pf32bit);
        bitmap = own.get();
      }
      TCanvas* canvas = bitmap->Canvas();
      canvas->Lock();
      HDC memory = canvas->Handle();
      const int saved = SaveDC(memory);
      try {
        SetWindowOrgEx(memory, r.Left, r.Top, nullptr);
        IntersectClipRect(memory, r.Left, r.Top, r.Right, r.Bottom);
        Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), reinterpret_cast<LPARAM>(memory));
        TMessage paint{WM_PAINT, reinterpret_cast<WPARAM>(memory), 0, 0};
        WMPaint(paint);
        RestoreDC(memory, saved);
        BitBlt(dc, r.Left, r.Top, w, h, memory, 0, 0, SRCCOPY);
      } catch (...) {
        RestoreDC(memory, saved);
        canvas->Unlock();
        throw;
      }
      canvas->Unlock();
    }
  } catch (...) {
    if (shared) GPaintBufferBusy = false;
    EndPaint(Handle(), &ps);
    throw;
  }
  if (shared) GPaintBufferBusy = false;
  EndPaint(Handle(), &ps);
  Message.Result = 0;
}

void TcxControl::WMEraseBkgnd(TMessage& Message) {
  HDC dc = reinterpret_cast<HDC>(Message.WParam);
  const bool ownErase = Message.LParam != 0 && Message.LParam == LPARAM(Message.WParam);
  if (dc && (ownErase || NeedsEraseBackground())) {
    if (!DoubleBuffered() || ownErase) {
      const int saved = SaveDC(dc);
      try {
        EraseBackground(dc);
      } catch (...) {
        RestoreDC(dc, saved);
        throw;
      }
      RestoreDC(dc, saved);
    }
    Message.Result = 1;
    return;
  }
  Message.Result = 0;
}

void TcxControl::EraseBackground(HDC DC) {
  const TRect client = ClientRect();
  if (AreThemesEnabled() && Parent() && FControlStyle.Contains(csParentBackground)) {
    TcxPaintCanvas* canvas = GetPaintCanvas();
    canvas->BeginPaintOnDC(DC);
    try {
      cxDrawThemeParentBackground(this, canvas, client);
    } catch (...) {
      canvas->EndPaint();
      throw;
    }
    canvas->EndPaint();
    return;
  }
  const RECT r{client.Left, client.Top, client.Right, client.Bottom};
  ::FillRect(DC, &r, Brush()->Handle());
}

void TcxControl::PaintWindow(HDC DC) {
  const int saved = SaveDC(DC);
  try {
    inherited::PaintWindow(DC);
  } catch (...) {
    RestoreDC(DC, saved);
    throw;
  }
  RestoreDC(DC, saved);
}

void TcxControl::Paint() {
  if (FBorderStyle == cxcbsDefault) {
    GetLookAndFeelPainter()->PaintControlBorder(FCanvas, GetBounds());
    FCanvas->IntersectClipRectangle(GetClientBounds());
  }
  inherited::Paint();
  RefreshScrollBars();
}

void TcxControl::AddChildComponent(TcxControlChildComponent* AComponent) { AComponent->SetControl(this); }

void TcxControl::RemoveChildComponent(TcxControlChildComponent* AComponent) { AComponent->SetControl(nullptr); }

// --- Child components ----------------------------------------------------------------------
TcxControlChildComponent::TcxControlChildComponent(TComponent* AOwner) : TcxComponent(AOwner) {}

TcxControlChildComponent::TcxControlChildComponent(TcxControl* AControl, bool AAssignOwner)
    : TcxComponent(AAssignOwner && AControl ? AControl->Owner() : nullptr) {
  SetControl(AControl);
}

TcxControlChildComponent::~TcxControlChildComponent() {
  if (FControl) FControl->RemoveChildComponent(this);
}

void TcxControlChildComponent::SetParentComponent(TComponent* Value) {
  if (auto* control = dynamic_cast<TcxControl*>(Value)) control->AddChildComponent(this);
}
