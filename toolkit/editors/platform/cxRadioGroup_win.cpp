// TcxRadioButton: state from the mouse, owner drawing, the popup menu and the
// checking on focus.
#include "cxRadioGroup_win.h"

#include <windowsx.h>

#include <algorithm>

#include "cxContainer_win.h"
#include "cxControlsBase.h"
#include "dxThemeManager.h"

namespace {
constexpr TcxTextFlags RadioCaptionFlags = cxAlignLeft | cxAlignVCenter | cxSingleLine | cxShowPrefix;
constexpr TcxTextFlags RadioWrappedCaptionFlags = cxAlignLeft | cxAlignVCenter | cxDontClip | cxWordBreak | cxShowPrefix;

bool PointIn(const TRect& R, const TPoint& P) { return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom; }

constexpr TcxButtonState PainterStates[] = {cxbsDisabled, cxbsHot, cxbsNormal, cxbsPressed};
}  // namespace

TcxRadioButton::TcxRadioButton(TComponent* AOwner) : TRadioButton(AOwner) {
  FPaintCanvas.reset(new TCanvas());
  FCanvas.reset(new TcxCanvas(FPaintCanvas.get()));
  FLookAndFeel.reset(new TcxLookAndFeel(this));
  FLookAndFeel->OnChanged = TcxLookAndFeelChangedEvent(this, &TcxRadioButton::LookAndFeelChanged);
  SetParentBackground(true);
  SetDoubleBuffered(true);
}

TcxRadioButton::~TcxRadioButton() {
  Destroying();
  StopMouseTracking(this);
  // The window goes first, so no message reaches the parts freed below.
  if (HandleAllocated()) DestroyHandle();
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  FLookAndFeel.reset();
}

bool TcxRadioButton::GetInterface(const TGUID& iid, void** obj) {
  return InterfaceTable<IcxLookAndFeelOwner, IcxMouseTrackingCaller>(this, iid, obj) ||
         inherited::GetInterface(iid, obj);
}

// --- Properties ---------------------------------------------------------------------------
void TcxRadioButton::SetPopupMenu(TComponent* Value) { SetPopupMenuLink(this, FPopupMenu, Value); }

void TcxRadioButton::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  Invalidate();
}

void TcxRadioButton::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
}

void TcxRadioButton::LookAndFeelChanged(TcxLookAndFeel* /*Sender*/, TcxLookAndFeelValues /*AChangedValues*/) {
  Invalidate();
}

// --- Looks --------------------------------------------------------------------------------
bool TcxRadioButton::IsHostedButton() { return false; }

bool TcxRadioButton::IsNativeStyle() { return FLookAndFeel->NativeStyle() && CanUseThemeKind(totButton); }

bool TcxRadioButton::UsesParentBackground() {
  return IsNativeStyle() && ParentBackground() && !IsHostedButton() && !FTransparent;
}

bool TcxRadioButton::IsTransparent() { return FTransparent && !IsHostedButton(); }

bool TcxRadioButton::IsTransparentBackground() { return UsesParentBackground() || IsTransparent(); }

bool TcxRadioButton::Focused() { return !IsDesigning() && inherited::Focused(); }

void TcxRadioButton::Invalidate() {
  if (!HandleAllocated()) return;
  const RECT r{0, 0, Width(), Height()};
  InvalidateRect(Handle(), &r, FALSE);
}

// --- State --------------------------------------------------------------------------------
void TcxRadioButton::RefreshState(int /*AButton*/, TShiftState AShift, const TPoint& P) {
  TcxRadioButtonState state = rbsNormal;
  if (!Enabled()) {
    state = rbsDisabled;
  } else if (!IsDesigning()) {
    const bool inside = PointIn(TRect{0, 0, Width(), Height()}, P);
    if (HandleAllocated() && GetCapture() == Handle())
      state = inside ? rbsPressed : rbsHot;
    else if (inside && !AShift.Contains(ssLeft) && !AShift.Contains(ssRight) && !AShift.Contains(ssMiddle))
      state = rbsHot;
  }
  if (state == FButtonState) return;
  FButtonState = state;
  if (!HandleAllocated()) return;
  const RECT r{FGlyphRect.Left - 1, FGlyphRect.Top - 1, FGlyphRect.Right + 1, FGlyphRect.Bottom + 1};
  InvalidateRect(Handle(), &r, FALSE);
}

void TcxRadioButton::RefreshStateFromCursor(int AButton) {
  TPoint p{-1, -1};
  POINT cursor;
  if (HandleAllocated() && GetCursorPos(&cursor)) p = ScreenToClient(TPoint{cursor.x, cursor.y});
  RefreshState(AButton, KeyboardStateToShiftState(), p);
}

void TcxRadioButton::EnabledChanged() {
  RefreshStateFromCursor(0);
  Invalidate();
}

void TcxRadioButton::MouseEnter() {
  RefreshStateFromCursor(0);
  StartMouseTracking(this, TRect{0, 0, Width(), Height()}, this);
}

void TcxRadioButton::MouseLeave() {
  RefreshState(0, KeyboardStateToShiftState(), TPoint{-1, -1});
  StopMouseTracking(this);
}

void TcxRadioButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  inherited::MouseDown(Button, Shift, X, Y);
  RefreshState(int(Button) + 1, Shift, TPoint{X, Y});
}

void TcxRadioButton::MouseMove(TShiftState Shift, int X, int Y) {
  inherited::MouseMove(Shift, X, Y);
  RefreshState(0, Shift, TPoint{X, Y});
  StartMouseTracking(this, TRect{0, 0, Width(), Height()}, this);
}

void TcxRadioButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  inherited::MouseUp(Button, Shift, X, Y);
  RefreshState(int(Button) + 1, Shift, TPoint{X, Y});
}

// Focusing an unchecked button by keyboard checks it; a press focuses it with
// clicks disabled (see WndProc), so only a release over it checks.
void TcxRadioButton::DoEnter() {
  inherited::DoEnter();
  if (Checked() || ClicksDisabled()) return;
  SetClicksDisabled(true);
  try {
    SetChecked(true);
  } catch (...) {
    SetClicksDisabled(false);
    throw;
  }
  SetClicksDisabled(false);
  if (!ComponentState().Contains(csLoading)) Click();
}

// --- Window -------------------------------------------------------------------------------
void TcxRadioButton::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style = (Params.Style & ~DWORD(BS_TYPEMASK)) | BS_OWNERDRAW;
}

void TcxRadioButton::CreateHandle() {
  inherited::CreateHandle();
  RefreshStateFromCursor(0);
}

void TcxRadioButton::WndProc(TMessage& Message) {
  // The system button focuses itself on a press, which would check the button
  // through DoEnter before the release decides: focus it first, with clicks
  // disabled. A button that refuses the focus takes no press.
  if ((Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK) && !IsDesigning() && !Focused()) {
    SetClicksDisabled(true);
    try {
      ::SetFocus(Handle());
    } catch (...) {
      SetClicksDisabled(false);
      throw;
    }
    SetClicksDisabled(false);
    if (!Focused()) return;
  }
  inherited::WndProc(Message);
}

void TcxRadioButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_DRAWITEM: CNDrawItem(Message); return;
    case CN_MEASUREITEM: {
      if (auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam)) {
        mis->itemWidth = UINT(Width());
        mis->itemHeight = UINT(Height());
      }
      Message.Result = 1;
      return;
    }
    case WM_ERASEBKGND: Message.Result = 1; return;
    case WM_PRINTCLIENT:
      if (Message.WParam && HandleAllocated()) PaintInto(reinterpret_cast<HDC>(Message.WParam));
      Message.Result = 0;
      return;
    case WM_CONTEXTMENU: WMContextMenu(Message); return;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
      if (IsPopupMenuShortCut(FPopupMenu, Message)) {
        Message.Result = 1;
        return;
      }
      break;
    case BM_SETCHECK: {
      DefaultHandler(Message);
      const RECT r{FGlyphRect.Left, FGlyphRect.Top, FGlyphRect.Right, FGlyphRect.Bottom};
      if (HandleAllocated()) InvalidateRect(Handle(), &r, FALSE);
      return;
    }
    case BM_SETSTATE:
      // The system button presses (or lets go) after its own capture: the
      // pressed look follows at once, not at the next mouse move.
      inherited::Dispatch(Message);
      RefreshStateFromCursor(0);
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      // The system redraws only for the focus, over what is there: the whole
      // control is drawn again, so no focus rectangle stays behind.
      inherited::Dispatch(Message);
      Invalidate();
      return;
    case WM_WINDOWPOSCHANGED:
      inherited::Dispatch(Message);
      if (!ComponentState().Contains(csDestroying) && IsTransparentBackground()) Invalidate();
      return;
    case CM_ENABLEDCHANGED:
      inherited::Dispatch(Message);
      EnabledChanged();
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
      inherited::Dispatch(Message);
      const auto* control = reinterpret_cast<TControl*>(Message.LParam);
      if (control && control != this) return;
      if (Message.Msg == CM_MOUSEENTER)
        MouseEnter();
      else
        MouseLeave();
      return;
    }
    case CM_SYSCOLORCHANGE:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      inherited::Dispatch(Message);
      Invalidate();
      return;
    default: break;
  }
  inherited::Dispatch(Message);
}

void TcxRadioButton::WMContextMenu(TMessage& Message) {
  if (Message.Result != 0) return;
  if (IsDesigning()) {
    inherited::Dispatch(Message);
    return;
  }
  TPoint p{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
  if (p.X != -1 || p.Y != -1) {
    p = ScreenToClient(p);
    if (!PointIn(ClientRect(), p)) {
      inherited::Dispatch(Message);
      return;
    }
  }
  bool handled = false;
  DoContextPopup(p, handled);
  Message.Result = handled ? 1 : 0;
  if (!handled) inherited::Dispatch(Message);
}

bool TcxRadioButton::DoShowPopupMenu(TComponent* AMenu, int X, int Y) { return ShowPopupMenu(this, AMenu, X, Y); }

void TcxRadioButton::DoContextPopup(TPoint MousePos, bool& Handled) {
  inherited::DoContextPopup(MousePos, Handled);
  if (Handled) return;
  if (MousePos.X == -1 && MousePos.Y == -1) MousePos = TPoint{0, 0};
  const TPoint p = ClientToScreen(MousePos);
  Handled = DoShowPopupMenu(FPopupMenu, p.X, p.Y);
}

// --- Drawing ------------------------------------------------------------------------------
void TcxRadioButton::CNDrawItem(TMessage& Message) {
  auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam);
  if (dis && !ComponentState().Contains(csDestroying)) {
    FPaintCanvas->SetHandle(dis->hDC);
    struct TRelease {
      TcxCanvas* c;
      TCanvas* canvas;
      ~TRelease() {
        c->RestoreDeviceState();
        canvas->SetHandle(nullptr);
      }
    } release{FCanvas.get(), FPaintCanvas.get()};
    FCanvas->SaveDeviceState();
    DrawRadioButton(dis->itemAction == ODA_FOCUS);
  }
  Message.Result = 1;
}

void TcxRadioButton::PaintInto(HDC DC) {
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_BUTTON;
  item.itemAction = ODA_DRAWENTIRE;
  item.hwndItem = Handle();
  item.hDC = DC;
  item.rcItem = RECT{0, 0, Width(), Height()};
  TMessage message{CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item), 0};
  CNDrawItem(message);
}

void TcxRadioButton::DefaultHandler(TMessage& Message) {
  if (Message.Msg == WM_PAINT && Message.WParam && HandleAllocated()) {
    PaintInto(reinterpret_cast<HDC>(Message.WParam));
    Message.Result = 0;
    return;
  }
  inherited::DefaultHandler(Message);
}

void TcxRadioButton::FillBackground() {
  if (!IsTransparentBackground()) FCanvas->FillRect(TRect{0, 0, Width(), Height()}, Color());
}

void TcxRadioButton::DrawRadioButton(bool AFocusOnly) {
  TcxCanvas* canvas = FCanvas.get();
  const bool native = IsNativeStyle();
  const TRect bounds{0, 0, Width(), Height()};
  if (!AFocusOnly) {
    if (IsTransparent())
      PaintParentBackground(this, canvas, bounds, false);
    else if (UsesParentBackground())
      cxDrawThemeParentBackground(this, canvas, bounds);
    if (native) FillBackground();
  }
  TcxCustomLookAndFeelPainterClass painter = Painter();
  const TSize glyph = painter->GetRadioGlyphSize();
  FGlyphRect.Top = (Height() - glyph.cy) / 2;
  FGlyphRect.Bottom = FGlyphRect.Top + glyph.cy;
  if (Alignment() == taRightJustify) {
    FGlyphRect.Left = native || IsHostedButton() ? 0 : 1;
    FGlyphRect.Right = FGlyphRect.Left + glyph.cx;
  } else {
    FGlyphRect.Right = Width();
    FGlyphRect.Left = Width() - glyph.cx;
  }
  const TColor back = !IsTransparentBackground()             ? Color()
                      : FLookAndFeel->CurrentSkinPainter() ? clNone
                                                             : clDefault;
  painter->DrawRadioButton(canvas, FGlyphRect.Left, FGlyphRect.Top, PainterStates[FButtonState], Checked(), Focused(),
                           back, IsDesigning());
  canvas->ExcludeClipRectangle(FGlyphRect);
  if (!AFocusOnly && !native) FillBackground();
  DrawCaption(canvas, native);
}

void TcxRadioButton::AdjustTextRect(TRect& R, bool ANative) {
  struct TMargins {
    int Left, Top, Right, Bottom;
  };
  TMargins m;
  const bool captionLeft = Alignment() == taLeftJustify;
  if (IsHostedButton())
    m = ANative ? TMargins{3, 0, 0, 0} : TMargins{5, 0, 1, 0};
  else if (ANative)
    m = captionLeft ? TMargins{0, -1, WordWrap() ? 3 : 1, 0} : TMargins{3, -1, 0, 0};
  else if (captionLeft)
    m = TMargins{2, -1, WordWrap() ? 6 : 1, 0};
  else
    m = TMargins{5, -1, WordWrap() ? 2 : 0, 0};
  R.Left += m.Left;
  R.Top += m.Top;
  R.Right -= m.Right;
  R.Bottom -= m.Bottom;
}

void TcxRadioButton::DrawCaption(TcxCanvas* ACanvas, bool ANative) {
  ACanvas->Font()->Assign(Font());
  const TColor painterColor = Font()->Color() == clWindowText ? Painter()->GetEditorTextColor(!Enabled()) : clDefault;
  ACanvas->Font()->SetColor(painterColor != clDefault ? painterColor : Enabled() ? Font()->Color() : clBtnShadow);
  TRect r{0, 0, Width(), Height()};
  if (Alignment() == taRightJustify)
    r.Left = FGlyphRect.Right;
  else
    r.Right = FGlyphRect.Left;
  AdjustTextRect(r, ANative);
  const TcxTextFlags flags = WordWrap() ? RadioWrappedCaptionFlags : RadioCaptionFlags;
  const bool enabled = painterColor != clDefault || Supports<IcxContainerInnerControl>(this) || ANative || Enabled();
  ACanvas->Brush()->SetStyle(bsClear);
  ACanvas->DrawTextInRect(Caption(), r, flags, enabled);
  ACanvas->Brush()->SetStyle(bsSolid);
  if (!Focused() || Caption().empty()) return;
  TRect focus = r;
  ACanvas->CalcTextRect(Caption(), focus, flags);
  focus = TRect{focus.Left - 1, focus.Top - 1, focus.Right + 1, focus.Bottom + 2};
  if (IsHostedButton()) {
    focus.Top = std::max(focus.Top, 1);
    focus.Bottom = std::min(focus.Bottom, Height() - 1);
    focus.Right = std::min(focus.Right, Width());
  }
  ACanvas->Brush()->SetColor(Color());
  ACanvas->Font()->SetColor(Font()->Color());
  ACanvas->DrawFocusRect(focus);
}
