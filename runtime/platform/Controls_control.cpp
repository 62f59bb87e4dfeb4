// TControl: bounds, parent, appearance, text, mouse and message dispatch of
// every control, windowed or not; the size constraints and the published table.
#include <algorithm>

#include "Controls.h"
#include "Controls_internal.h"
#include "Menus.h"

const TResStringRec vamire_controls::SControlParentSetToSelf{L"SControlParentSetToSelf",
                                                            L"A control cannot have itself as its parent"};

// --- TSizeConstraints --------------------------------------------------------------------
void TSizeConstraints::Assign(TPersistent* Source) {
  if (auto* src = dynamic_cast<TSizeConstraints*>(Source)) {
    FMinHeight = src->FMinHeight;
    FMaxHeight = src->FMaxHeight;
    FMinWidth = src->FMinWidth;
    FMaxWidth = src->FMaxWidth;
    Change();
    return;
  }
  TPersistent::Assign(Source);
}

void TSizeConstraints::AssignTo(TPersistent* Dest) { TPersistent::AssignTo(Dest); }

// A minimum above the maximum lifts the maximum (and the other way round), so
// the pair never describes an empty range.
void TSizeConstraints::SetMaxHeight(int Value) {
  Value = std::max(Value, 0);
  if (Value == FMaxHeight) return;
  FMaxHeight = Value;
  if (Value > 0 && Value < FMinHeight) FMinHeight = Value;
  Change();
}
void TSizeConstraints::SetMaxWidth(int Value) {
  Value = std::max(Value, 0);
  if (Value == FMaxWidth) return;
  FMaxWidth = Value;
  if (Value > 0 && Value < FMinWidth) FMinWidth = Value;
  Change();
}
void TSizeConstraints::SetMinHeight(int Value) {
  Value = std::max(Value, 0);
  if (Value == FMinHeight) return;
  FMinHeight = Value;
  if (FMaxHeight > 0 && Value > FMaxHeight) FMaxHeight = Value;
  Change();
}
void TSizeConstraints::SetMinWidth(int Value) {
  Value = std::max(Value, 0);
  if (Value == FMinWidth) return;
  FMinWidth = Value;
  if (FMaxWidth > 0 && Value > FMaxWidth) FMaxWidth = Value;
  Change();
}

void TSizeConstraints::Change() {
  if (OnChange) OnChange(this);
}

// --- Construction ------------------------------------------------------------------------
TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
  FWindowProc = TWndMethod(this, &TControl::WndProc);
  FFont = new TFont();
  FFont->OnChange = TNotifyEvent(this, &TControl::FontChanged);
  FConstraints = new TSizeConstraints(this);
  FConstraints->OnChange = TNotifyEvent(this, &TControl::DoConstraintsChanged);
}

void TControl::BeforeDestruction() {
  TComponent::BeforeDestruction();
}

TControl::~TControl() {
  Destroying();
  vamire_controls::ControlDestroyed(this);
  if (FParent) FParent->RemoveControl(this);
  delete FConstraints;
  delete FFont;
}

// --- Parent ------------------------------------------------------------------------------
void TControl::SetParent(TWinControl* AParent) {
  if (FParent == AParent) return;
  if (AParent == this) throw EInvalidOperation(LoadResString(&vamire_controls::SControlParentSetToSelf));
  if (FParent) FParent->RemoveControl(this);
  if (AParent) {
    AParent->InsertControl(this);
    UpdateAnchorRules();
  }
}

TComponent* TControl::GetParentComponent() { return FParent; }

void TControl::SetParentComponent(TComponent* Value) {
  if (auto* p = dynamic_cast<TWinControl*>(Value)) SetParent(p);
}

TControl* TControl::RootControl() {
  TControl* c = this;
  while (c->FParent) c = c->FParent;
  return c;
}

bool TControl::IsChildOf(TWinControl* AParent) const {
  for (TWinControl* p = FParent; p; p = p->FParent)
    if (p == AParent) return true;
  return false;
}

// --- Bounds ------------------------------------------------------------------------------
bool TControl::CanResize(int& NewWidth, int& NewHeight) {
  bool result = true;
  if (OnCanResize) OnCanResize(this, NewWidth, NewHeight, result);
  return result;
}

void TControl::ConstrainedResize(int& MinWidth, int& MinHeight, int& MaxWidth, int& MaxHeight) {
  if (OnConstrainedResize) OnConstrainedResize(this, MinWidth, MinHeight, MaxWidth, MaxHeight);
}

// Sizes below zero would make windows the system refuses; they become zero.
bool TControl::CheckNewSize(int& NewWidth, int& NewHeight) {
  int w = std::max(NewWidth, 0), h = std::max(NewHeight, 0);
  if (!CanResize(w, h)) return false;
  if (FAutoSize) {
    int aw = w, ah = h;
    if (CanAutoSize(aw, ah)) {
      w = aw;
      h = ah;
    }
  }
  int minW = FConstraints->MinWidth(), minH = FConstraints->MinHeight();
  int maxW = FConstraints->MaxWidth(), maxH = FConstraints->MaxHeight();
  ConstrainedResize(minW, minH, maxW, maxH);
  if (maxW > 0 && w > maxW) w = maxW;
  if (minW > 0 && w < minW) w = minW;
  if (maxH > 0 && h > maxH) h = maxH;
  if (minH > 0 && h < minH) h = minH;
  NewWidth = std::max(w, 0);
  NewHeight = std::max(h, 0);
  return true;
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (!CheckNewSize(AWidth, AHeight)) return;
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  const bool sized = AWidth != FWidth || AHeight != FHeight;
  if (FVisible) vamire_controls::InvalidateInParent(this);
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  UpdateAnchorRules();
  if (FVisible) vamire_controls::InvalidateInParent(this);
  RequestAlign();
  if (sized && !ComponentState().Contains(csLoading)) Resize();
}

void TControl::UpdateBoundsRect(const TRect& R) {
  FLeft = R.Left;
  FTop = R.Top;
  FWidth = R.Right - R.Left;
  FHeight = R.Bottom - R.Top;
}

void TControl::UpdateAnchorRules() {
  if (FAnchorMove > 0 || ComponentState().Contains(csLoading)) return;
  if (FAnchors == TAnchors{akLeft, akTop} || !FParent) {
    FOriginalParentSize = TPoint{0, 0};
    return;
  }
  const TRect pr = FParent->ClientRect();
  FOriginalParentSize = TPoint{pr.Right, pr.Bottom};
  // Kept per axis: with both anchors the width, with only the far one the
  // distance to the far edge, with neither the centre.
  if (FAnchors.Contains(akRight))
    FAnchorRules.X = FAnchors.Contains(akLeft) ? FWidth : FLeft;
  else
    FAnchorRules.X = FLeft + FWidth / 2;
  if (FAnchors.Contains(akBottom))
    FAnchorRules.Y = FAnchors.Contains(akTop) ? FHeight : FTop;
  else
    FAnchorRules.Y = FTop + FHeight / 2;
}

void TControl::SetAlign(TAlign Value) {
  if (FAlign == Value) return;
  const TAlign old = FAlign;
  FAlign = Value;
  FAnchors = AnchorAlign[Value];
  // A control leaving alignment keeps the size it had before it was stretched.
  if (!ComponentState().Contains(csLoading) && old != alNone && old != alCustom && Value == alNone &&
      !ComponentState().Contains(csDestroying))
    UpdateAnchorRules();
  RequestAlign();
}

void TControl::SetAnchors(TAnchors Value) {
  if (FAnchors == Value) return;
  FAnchors = Value;
  UpdateAnchorRules();
}

void TControl::SetAutoSize(bool Value) {
  if (FAutoSize == Value) return;
  FAutoSize = Value;
  if (Value) AdjustSize();
}

void TControl::AdjustSize() {
  if (!ComponentState().Contains(csLoading)) SetBounds(FLeft, FTop, FWidth, FHeight);
}

void TControl::DoConstraintsChanged(TObject*) { ConstraintsChanged(); }

void TControl::RequestAlign() {
  if (FParent) FParent->AlignControl(this);
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

void TControl::Changed() {
  if (FParent) FParent->Perform(CM_CHANGED, 0, reinterpret_cast<LPARAM>(this));
}

TRect TControl::GetClientRect() { return TRect{0, 0, FWidth, FHeight}; }

TPoint TControl::GetClientOrigin() {
  if (!FParent) return TPoint{FLeft, FTop};
  TPoint p = FParent->ClientOrigin();
  return TPoint{p.X + FLeft, p.Y + FTop};
}

void TControl::SetClientSize(TPoint Value) {
  const TRect r = ClientRect();
  SetBounds(FLeft, FTop, FWidth - r.Right + Value.X, FHeight - r.Bottom + Value.Y);
}

TPoint TControl::ClientToScreen(const TPoint& Point) {
  const TPoint o = ClientOrigin();
  return TPoint{Point.X + o.X, Point.Y + o.Y};
}

TPoint TControl::ScreenToClient(const TPoint& Point) {
  const TPoint o = ClientOrigin();
  return TPoint{Point.X - o.X, Point.Y - o.Y};
}

TPoint TControl::ClientToParent(const TPoint& Point, TWinControl* AParent) {
  if (!AParent) AParent = FParent;
  if (!AParent) return Point;
  return AParent->ScreenToClient(ClientToScreen(Point));
}

TPoint TControl::ParentToClient(const TPoint& Point, TWinControl* AParent) {
  if (!AParent) AParent = FParent;
  if (!AParent) return Point;
  return ScreenToClient(AParent->ClientToScreen(Point));
}

void TControl::ScaleBy(int M, int D) {
  if (D == 0) return;
  ChangeScale(M, D);
}

void TControl::ChangeScale(int M, int D) {
  if (M == D || D == 0) return;
  const int l = MulDiv(FLeft, M, D), t = MulDiv(FTop, M, D);
  const int w = MulDiv(FLeft + FWidth, M, D) - l, h = MulDiv(FTop + FHeight, M, D) - t;
  SetBounds(l, t, w, h);
  if (!FParentFont) FFont->SetSize(MulDiv(FFont->Size(), M, D));
}

void TControl::SetZOrder(bool TopMost) {
  if (FParent && vamire_controls::MoveToEnd(FParent->FControls, this, TopMost)) Invalidate();
}

// --- Appearance --------------------------------------------------------------------------
void TControl::SetVisible(bool Value) {
  if (FVisible == Value) return;
  VisibleChanging();
  FVisible = Value;
  Perform(CM_VISIBLECHANGED, Value ? 1 : 0);
  RequestAlign();
}

void TControl::Show() {
  if (FParent) FParent->ShowControl(this);
  SetVisible(true);
  // A top-level window control that was visible all along shows its window now.
  if (auto* w = dynamic_cast<TWinControl*>(this)) w->UpdateControlState();
}

void TControl::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  FParentColor = false;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool Value) {
  if (FParentColor == Value) return;
  FParentColor = Value;
  if (FParent && Value && !ComponentState().Contains(csReading)) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::FontChanged(TObject*) {
  FParentFont = false;
  Perform(CM_FONTCHANGED);
}

void TControl::SetParentFont(bool Value) {
  if (FParentFont == Value) return;
  FParentFont = Value;
  if (FParent && Value && !ComponentState().Contains(csReading)) Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetCtl3D(bool Value) {
  if (FCtl3D == Value) return;
  FCtl3D = Value;
  FParentCtl3D = false;
  Perform(CM_CTL3DCHANGED);
}

void TControl::SetParentCtl3D(bool Value) {
  if (FParentCtl3D == Value) return;
  FParentCtl3D = Value;
  if (FParent && Value && !ComponentState().Contains(csReading)) Perform(CM_PARENTCTL3DCHANGED);
}

void TControl::SetCursor(TCursor Value) {
  if (FCursor == Value) return;
  FCursor = Value;
  Perform(CM_CURSORCHANGED);
}

void TControl::SetShowHint(bool Value) {
  if (FShowHint == Value) return;
  FShowHint = Value;
  FParentShowHint = false;
  Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool Value) {
  if (FParentShowHint == Value) return;
  FParentShowHint = Value;
  if (FParent && Value && !ComponentState().Contains(csReading)) Perform(CM_PARENTSHOWHINTCHANGED);
}

void TControl::SetPopupMenu(TPopupMenu* Value) {
  if (FPopupMenu == Value) return;
  if (TComponent* old = vamire_controls::MenuComponent(FPopupMenu)) old->RemoveFreeNotification(this);
  FPopupMenu = Value;
  if (TComponent* menu = vamire_controls::MenuComponent(Value)) menu->FreeNotification(this);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && FPopupMenu && AComponent == vamire_controls::MenuComponent(FPopupMenu)) FPopupMenu = nullptr;
}

// --- Text --------------------------------------------------------------------------------
String TControl::GetText() {
  const int len = GetTextLen();
  String s(size_t(len) + 1, L'\0');
  const int got = GetTextBuf(s.data(), len + 1);
  s.resize(size_t(std::clamp(got, 0, len)));
  return s;
}

int TControl::GetTextLen() { return int(Perform(WM_GETTEXTLENGTH)); }

int TControl::GetTextBuf(wchar_t* Buffer, int BufSize) {
  if (!Buffer || BufSize <= 0) return 0;
  return int(Perform(WM_GETTEXT, WPARAM(BufSize), reinterpret_cast<LPARAM>(Buffer)));
}

void TControl::SetTextBuf(const wchar_t* Buffer) {
  Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Buffer ? Buffer : L""));
  Perform(CM_TEXTCHANGED);
}

void TControl::SetText(const String& Value) {
  if (GetText() == Value) return;
  SetTextValue(Value);
}

void TControl::SetTextValue(const String& Value) { SetTextBuf(Value.c_str()); }

// The caption follows the name while the two are equal, as a freshly dropped
// control's does.
void TControl::SetName(const String& NewName) {
  const bool follow = FControlStyle.Contains(csSetCaption) && !ComponentState().Contains(csLoading) &&
                      Name() == GetText() && (!Owner() || !Owner()->ComponentState().Contains(csLoading));
  TComponent::SetName(NewName);
  if (follow) SetText(NewName);
}

// --- Streaming ---------------------------------------------------------------------------
void TControl::ReadState(TReader* Reader) {
  FControlState.Include(csReadingState);
  try {
    if (auto* p = dynamic_cast<TWinControl*>(Reader->Parent())) SetParent(p);
    TComponent::ReadState(Reader);
  } catch (...) {
    FControlState.Exclude(csReadingState);
    throw;
  }
  FControlState.Exclude(csReadingState);
  if (FParent) {
    Perform(CM_PARENTCOLORCHANGED);
    Perform(CM_PARENTFONTCHANGED);
    Perform(CM_PARENTSHOWHINTCHANGED);
  }
}

void TControl::Loaded() {
  TComponent::Loaded();
  if (FParent) {
    if (FParentColor) Perform(CM_PARENTCOLORCHANGED);
    if (FParentFont) Perform(CM_PARENTFONTCHANGED);
    if (FParentShowHint) Perform(CM_PARENTSHOWHINTCHANGED);
  }
  UpdateAnchorRules();
  RequestAlign();
}

// --- Painting requests -------------------------------------------------------------------
void TControl::Invalidate() { vamire_controls::InvalidateInParent(this); }

void TControl::Update() {
  if (FParent) FParent->Update();
}

void TControl::Repaint() {
  if (!FVisible || !FParent || !FParent->HandleAllocated()) return;
  Invalidate();
  Update();
}

HDC TControl::GetDeviceContext(HWND& WindowHandle) {
  if (!FParent) throw EInvalidOperation(L"Control '" + Name() + L"' has no parent window");
  HDC dc = FParent->GetDeviceContext(WindowHandle);
  SetViewportOrgEx(dc, FLeft, FTop, nullptr);
  IntersectClipRect(dc, 0, 0, FWidth, FHeight);
  return dc;
}

// --- Messages ----------------------------------------------------------------------------
LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
  TMessage m{Msg, WParam, LParam, 0};
  if (FWindowProc)
    FWindowProc(m);
  else
    WndProc(m);
  return m.Result;
}

void TControl::WndProc(TMessage& Message) {
  if (ComponentState().Contains(csDesigning) && Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST) {
    // D-9: at design time a control takes the mouse only when it says so.
    if (!FControlStyle.Contains(csDesignInteractive) && Message.Msg != WM_MOUSEMOVE &&
        Perform(CM_DESIGNHITTEST, Message.WParam, Message.LParam) == 0) {
      return;
    }
  }
  if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST && Message.Msg != WM_MOUSEWHEEL) {
    switch (Message.Msg) {
      case WM_MOUSEMOVE:
        vamire_controls::MouseMoved(this);
        break;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        if (FDragMode == dmAutomatic && FDragKind == dkDrag && !ComponentState().Contains(csDesigning)) {
          BeginDrag(false);
          return;
        }
        FControlState.Include(csLButtonDown);
        break;
      case WM_LBUTTONUP:
        FControlState.Exclude(csLButtonDown);
        break;
    }
  }
  Dispatch(Message);
}

void TControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN: WMLButtonDown(Message); return;
    case WM_LBUTTONUP: WMLButtonUp(Message); return;
    case WM_LBUTTONDBLCLK: WMLButtonDblClk(Message); return;
    case WM_RBUTTONDOWN: WMRButtonDown(Message); return;
    case WM_RBUTTONUP: WMRButtonUp(Message); return;
    case WM_RBUTTONDBLCLK: WMRButtonDblClk(Message); return;
    case WM_MBUTTONDOWN: WMMButtonDown(Message); return;
    case WM_MBUTTONUP: WMMButtonUp(Message); return;
    case WM_MBUTTONDBLCLK: WMMButtonDblClk(Message); return;
    case WM_MOUSEMOVE: WMMouseMove(Message); return;
    case WM_MOUSEWHEEL: WMMouseWheel(Message); return;
    case WM_CONTEXTMENU: WMContextMenu(Message); return;
    case WM_CANCELMODE: WMCancelMode(Message); return;
    case CM_VISIBLECHANGED: CMVisibleChanged(Message); return;
    case CM_ENABLEDCHANGED: CMEnabledChanged(Message); return;
    case CM_FONTCHANGED: CMFontChanged(Message); return;
    case CM_COLORCHANGED: CMColorChanged(Message); return;
    case CM_PARENTFONTCHANGED: CMParentFontChanged(Message); return;
    case CM_PARENTCOLORCHANGED: CMParentColorChanged(Message); return;
    case CM_PARENTSHOWHINTCHANGED: CMParentShowHintChanged(Message); return;
    case CM_PARENTCTL3DCHANGED: CMParentCtl3DChanged(Message); return;
    case CM_HITTEST: CMHitTest(Message); return;
    case CM_MOUSEENTER: CMMouseEnter(Message); return;
    case CM_MOUSELEAVE: CMMouseLeave(Message); return;
    case CM_MOUSEWHEEL: CMMouseWheel(Message); return;
    case CM_DESIGNHITTEST: CMDesignHitTest(Message); return;
    case CM_DRAG: CMDrag(Message); return;
    default: DefaultHandler(Message); return;
  }
}

// A windowless control keeps its text itself.
void TControl::DefaultHandler(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETTEXT: {
      auto* buf = reinterpret_cast<wchar_t*>(Message.LParam);
      const size_t cap = size_t(Message.WParam);
      if (!buf || cap == 0) {
        Message.Result = 0;
        return;
      }
      const size_t n = std::min(FText.size(), cap - 1);
      std::copy_n(FText.data(), n, buf);
      buf[n] = L'\0';
      Message.Result = LRESULT(n);
      return;
    }
    case WM_GETTEXTLENGTH:
      Message.Result = LRESULT(FText.size());
      return;
    case WM_SETTEXT: {
      auto* text = reinterpret_cast<const wchar_t*>(Message.LParam);
      FText = text ? text : L"";
      Message.Result = 1;
      return;
    }
    default:
      Message.Result = 0;
  }
}

void TControl::WMLButtonDown(TMessage& Message) {
  if (FControlStyle.Contains(csCaptureMouse)) vamire_controls::CaptureMouse(this);
  if (FControlStyle.Contains(csClickEvents)) FControlState.Include(csClicked);
  DoMouseDown(Message, mbLeft, TShiftState{});
}

void TControl::WMLButtonDblClk(TMessage& Message) {
  if (FControlStyle.Contains(csCaptureMouse)) vamire_controls::CaptureMouse(this);
  if (FControlStyle.Contains(csClickEvents)) DblClick();
  DoMouseDown(Message, mbLeft, TShiftState{ssDouble});
}

// A wrapped system control acts on the release (a button clicks, an edit or a list
// ends its mouse selection), so it sees the release before the runtime's handling.
void TControl::WMLButtonUp(TMessage& Message) {
  DefaultHandler(Message);
  if (FControlStyle.Contains(csCaptureMouse)) vamire_controls::ReleaseMouse(this);
  // A click is a press and a release inside the control.
  if (FControlState.Contains(csClicked)) {
    FControlState.Exclude(csClicked);
    const TWMMouse m{Message};
    if (m.XPos() >= 0 && m.YPos() >= 0 && m.XPos() < FWidth && m.YPos() < FHeight) {
      DoMouseUp(Message, mbLeft);
      Click();
      return;
    }
  }
  DoMouseUp(Message, mbLeft);
}

void TControl::WMRButtonDown(TMessage& Message) { DoMouseDown(Message, mbRight, TShiftState{}); }
void TControl::WMRButtonUp(TMessage& Message) {
  DoMouseUp(Message, mbRight);
  DefaultHandler(Message);
}
void TControl::WMRButtonDblClk(TMessage& Message) { DoMouseDown(Message, mbRight, TShiftState{ssDouble}); }
void TControl::WMMButtonDown(TMessage& Message) { DoMouseDown(Message, mbMiddle, TShiftState{}); }
void TControl::WMMButtonUp(TMessage& Message) {
  DefaultHandler(Message);
  DoMouseUp(Message, mbMiddle);
}
void TControl::WMMButtonDblClk(TMessage& Message) { DoMouseDown(Message, mbMiddle, TShiftState{ssDouble}); }

void TControl::WMMouseMove(TMessage& Message) {
  const TWMMouse m{Message};
  if (!FControlStyle.Contains(csNoStdEvents)) MouseMove(vamire_controls::KeysToShiftState(Message.WParam), m.XPos(), m.YPos());
  DefaultHandler(Message);
}

void TControl::DoMouseDown(TMessage& Message, TMouseButton Button, TShiftState Shift) {
  const TWMMouse m{Message};
  if (!FControlStyle.Contains(csNoStdEvents))
    MouseDown(Button, vamire_controls::KeysToShiftState(Message.WParam) + Shift, m.XPos(), m.YPos());
  DefaultHandler(Message);
}

void TControl::DoMouseUp(TMessage& Message, TMouseButton Button) {
  const TWMMouse m{Message};
  if (!FControlStyle.Contains(csNoStdEvents))
    MouseUp(Button, vamire_controls::KeysToShiftState(Message.WParam), m.XPos(), m.YPos());
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

// --- Wheel and context menu --------------------------------------------------------------
void TControl::WMMouseWheel(TMessage& Message) { MouseWheelHandler(Message); }

void TControl::MouseWheelHandler(TMessage& Message) {
  Message.Result = Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam);
}

void TControl::CMMouseWheel(TMessage& Message) {
  const TWMMouseWheel w{Message};
  const TShiftState shift = vamire_controls::KeysToShiftState(WPARAM(w.Keys()));
  if (DoMouseWheel(shift, w.WheelDelta(), TPoint{w.XPos(), w.YPos()})) {
    Message.Result = 1;
  } else if (FParent) {
    Message.Result = FParent->Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam);
  } else {
    Message.Result = 0;
  }
}

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheel) OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
  if (!handled) handled = WheelDelta < 0 ? DoMouseWheelDown(Shift, MousePos) : DoMouseWheelUp(Shift, MousePos);
  return handled;
}

bool TControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheelDown) OnMouseWheelDown(this, Shift, MousePos, handled);
  return handled;
}

bool TControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheelUp) OnMouseWheelUp(this, Shift, MousePos, handled);
  return handled;
}

void TControl::DoContextPopup(TPoint MousePos, bool& Handled) {
  if (OnContextPopup) OnContextPopup(this, MousePos, Handled);
}

void TControl::WMContextMenu(TMessage& Message) {
  if (Message.Result != 0) return;
  const TWMMouse m{Message};
  TPoint screen{m.XPos(), m.YPos()};
  // (-1, -1): opened from the keyboard; the event sees it as it came.
  TPoint client = (screen.X == -1 && screen.Y == -1) ? screen : ScreenToClient(screen);
  bool handled = false;
  DoContextPopup(client, handled);
  Message.Result = handled ? 1 : 0;
  if (handled) return;
  if (TPopupMenu* menu = GetPopupMenu()) {
    if (screen.X == -1 && screen.Y == -1) screen = ClientToScreen(TPoint{0, 0});
    if (vamire_controls::AutoPopupMenu(menu, this, screen)) {
      Message.Result = 1;
      return;
    }
  }
  DefaultHandler(Message);
}

void TControl::WMCancelMode(TMessage& Message) {
  vamire_controls::ReleaseMouse(this);
  FControlState.Exclude(csClicked);
  FControlState.Exclude(csLButtonDown);
  DefaultHandler(Message);
}

// --- Change notifications ----------------------------------------------------------------
void TControl::CMVisibleChanged(TMessage&) { vamire_controls::InvalidateInParent(this, true); }
void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }
void TControl::CMFontChanged(TMessage&) { Invalidate(); }
void TControl::CMColorChanged(TMessage&) { Invalidate(); }

void TControl::CMParentFontChanged(TMessage&) {
  if (FParentFont && FParent) {
    FFont->OnChange = nullptr;
    FFont->Assign(FParent->Font());
    FFont->OnChange = TNotifyEvent(this, &TControl::FontChanged);
    Perform(CM_FONTCHANGED);
  }
}

void TControl::CMParentColorChanged(TMessage&) {
  if (FParentColor && FParent && FColor != FParent->Color()) {
    FColor = FParent->Color();
    Perform(CM_COLORCHANGED);
  }
}

void TControl::CMParentShowHintChanged(TMessage&) {
  if (FParentShowHint && FParent && FShowHint != FParent->ShowHint()) {
    FShowHint = FParent->ShowHint();
    Perform(CM_SHOWHINTCHANGED);
  }
}

void TControl::CMParentCtl3DChanged(TMessage&) {
  if (FParentCtl3D && FParent && FCtl3D != FParent->Ctl3D()) {
    FCtl3D = FParent->Ctl3D();
    Perform(CM_CTL3DCHANGED);
  }
}

void TControl::CMHitTest(TMessage& Message) { Message.Result = HTCLIENT; }

// Enter and leave go to the control, then up the parents with the control in
// LParam, so a container hears of its children.
void TControl::CMMouseEnter(TMessage& Message) {
  if (FParent) FParent->Perform(CM_MOUSEENTER, 0, Message.LParam ? Message.LParam : reinterpret_cast<LPARAM>(this));
}

void TControl::CMMouseLeave(TMessage& Message) {
  if (FParent) FParent->Perform(CM_MOUSELEAVE, 0, Message.LParam ? Message.LParam : reinterpret_cast<LPARAM>(this));
}

void TControl::CMDesignHitTest(TMessage& Message) { Message.Result = 0; }

// --- Published properties ----------------------------------------------------------------
// The rows every control streams; descendants add their own. Kept in this
// file so that any program using controls links them.
VAMIRE_PUBLISHED(TControl,
                 Prop(L"Left", &TControl::Left, &TControl::SetLeft).NoDefault(),
                 Prop(L"Top", &TControl::Top, &TControl::SetTop).NoDefault(),
                 Prop(L"Width", &TControl::Width, &TControl::SetWidth).NoDefault(),
                 Prop(L"Height", &TControl::Height, &TControl::SetHeight).NoDefault(),
                 Prop(L"Align", &TControl::Align, &TControl::SetAlign).Default(alNone),
                 Prop(L"Anchors", &TControl::Anchors, &TControl::SetAnchors).Default(TAnchors{akLeft, akTop}),
                 Prop(L"Constraints", &TControl::Constraints, nullptr),
                 Prop(L"Caption", &TControl::Caption, &TControl::SetCaption),
                 Prop(L"Color", &TControl::Color, &TControl::SetColor).Idents(&ColorIdentMapper).Default(clWindow).Stored(&TControl::IsColorStored),
                 Prop(L"Font", &TControl::Font, nullptr).Stored(&TControl::IsFontStored),
                 Prop(L"ParentFont", &TControl::ParentFont, &TControl::SetParentFont).Default(true),
                 Prop(L"ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(true),
                 Prop(L"Ctl3D", &TControl::Ctl3D, &TControl::SetCtl3D).Default(true),
                 Prop(L"ParentCtl3D", &TControl::ParentCtl3D, &TControl::SetParentCtl3D).Default(true),
                 Prop(L"Visible", &TControl::Visible, &TControl::SetVisible).Default(true),
                 Prop(L"Enabled", &TControl::Enabled, &TControl::SetEnabled).Default(true),
                 Prop(L"Hint", &TControl::Hint, &TControl::SetHint),
                 Prop(L"ShowHint", &TControl::ShowHint, &TControl::SetShowHint).Default(false).Stored(&TControl::IsShowHintStored),
                 Prop(L"ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint).Default(true),
                 Prop(L"PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu),
                 Prop(L"Cursor", &TControl::Cursor, &TControl::SetCursor).Idents(&CursorIdentMapper).Default(crDefault),
                 Prop(L"DragCursor", &TControl::DragCursor, &TControl::SetDragCursor).Idents(&CursorIdentMapper).Default(crDrag),
                 Prop(L"DragKind", &TControl::DragKind, &TControl::SetDragKind).Default(dkDrag),
                 Prop(L"DragMode", &TControl::DragMode, &TControl::SetDragMode).Default(dmManual),
                 Prop(L"OnClick", &TControl::OnClick),
                 Prop(L"OnDblClick", &TControl::OnDblClick),
                 Prop(L"OnMouseDown", &TControl::OnMouseDown),
                 Prop(L"OnMouseMove", &TControl::OnMouseMove),
                 Prop(L"OnMouseUp", &TControl::OnMouseUp),
                 Prop(L"OnMouseWheel", &TControl::OnMouseWheel),
                 Prop(L"OnMouseWheelDown", &TControl::OnMouseWheelDown),
                 Prop(L"OnMouseWheelUp", &TControl::OnMouseWheelUp),
                 Prop(L"OnResize", &TControl::OnResize),
                 Prop(L"OnCanResize", &TControl::OnCanResize),
                 Prop(L"OnConstrainedResize", &TControl::OnConstrainedResize),
                 Prop(L"OnContextPopup", &TControl::OnContextPopup),
                 Prop(L"OnDragOver", &TControl::OnDragOver),
                 Prop(L"OnDragDrop", &TControl::OnDragDrop),
                 Prop(L"OnStartDrag", &TControl::OnStartDrag),
                 Prop(L"OnEndDrag", &TControl::OnEndDrag))

VAMIRE_PUBLISHED(TSizeConstraints,
                 Prop(L"MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight).Default(int64_t(0)),
                 Prop(L"MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth).Default(int64_t(0)),
                 Prop(L"MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight).Default(int64_t(0)),
                 Prop(L"MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth).Default(int64_t(0)))
