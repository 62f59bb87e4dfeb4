// The toolkit's scroll bar, the bars a control makes for itself and the size grip.
#include <algorithm>

#include "cxControls_internal.h"
#include "cxControls_win.h"

const TResStringRec cxSScrollBarOutOfRange{L"cxSScrollBarOutOfRange", L"Scrollbar property out of range"};

namespace {

// A bar or grip draws its whole face in one copy: it paints through its
// window's DC and then marks the window painted, so no end-of-paint flush of
// its own comes on top of its control's.
bool PaintWhole(TWinControl* AControl, TMessage& Message) {
  if (Message.Msg != WM_PAINT || Message.WParam || !AControl->HandleAllocated()) return false;
  const HWND window = AControl->Handle();
  HDC dc = GetDC(window);
  TMessage paint{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  try {
    AControl->Dispatch(paint);
  } catch (...) {
    ReleaseDC(window, dc);
    ValidateRect(window, nullptr);
    throw;
  }
  ReleaseDC(window, dc);
  ValidateRect(window, nullptr);
  Message.Result = 0;
  return true;
}

constexpr unsigned kRepeatDelay = 400;
constexpr unsigned kRepeatInterval = 60;

TScrollCode PartScrollCode(TcxScrollBarPart APart) {
  switch (APart) {
    case sbpLineUp: return scLineUp;
    case sbpLineDown: return scLineDown;
    case sbpPageUp: return scPageUp;
    default: return scPageDown;
  }
}

// Keeps a bar at the top of its siblings whatever it is asked.
void KeepOnTop(TWinControl* AControl) {
  if (AControl->Parent() && AControl->HandleAllocated())
    SetWindowPos(AControl->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_DEFERERASE);
}

}  // namespace

// --- View info -----------------------------------------------------------------------------
void TcxScrollBarViewInfo::ComputeRects() {
  TcxScrollBarMetrics metrics = FScrollBar->Metrics();
  metrics.MinThumbSize = MinThumbnailSize;
  const TcxScrollBarRange range{FScrollBar->Min(), FScrollBar->Max(), FScrollBar->Position(), FScrollBar->PageSize()};
  FRects = CalcScrollBarRects(FScrollBar->Width(), FScrollBar->Height(), FScrollBar->Kind() == sbHorizontal,
                              FScrollBar->Enabled(), range, metrics);
}

// --- Scroll bar ----------------------------------------------------------------------------
TcxScrollBar::TcxScrollBar(TComponent* AOwner) : TCustomControl(AOwner) {
  FBitmap = new TBitmap();
  FBitmap->SetPixelFormat(pfDevice);
  FCanvas = new TcxCanvas(FBitmap->Canvas());
  FLookAndFeel = new TcxLookAndFeel(this);
  FLookAndFeel->OnChanged = TcxLookAndFeelChangedEvent(this, &TcxScrollBar::LookAndFeelChanged);
  FViewInfo = static_cast<TcxScrollBarViewInfo*>(GetViewInfoClass()->Create(this));
  FControlStyle = TControlStyle{csCaptureMouse, csFramed, csOpaque};
  SetBounds(Left(), Top(), 121, GetSystemMetrics(SM_CYHSCROLL));
  FThemeChangedNotificator = new TdxThemeChangedNotificator();
  FThemeChangedNotificator->OnThemeChanged = TNotifyEvent(this, &TcxScrollBar::ThemeChanged);
  FTimer = new TcxTimer(nullptr);
  FTimer->SetEnabled(false);
  FTimer->SetInterval(kRepeatDelay);
  FTimer->SetOnTimer(TNotifyEvent(this, &TcxScrollBar::RepeatTimerHandler));
  Recalculate();
}

TcxScrollBar::~TcxScrollBar() {
  InvalidateObjectLinks(this);
  Destroying();
  if (HandleAllocated()) DestroyHandle();
  delete FTimer;
  delete FThemeChangedNotificator;
  delete FViewInfo;
  delete FLookAndFeel;
  delete FCanvas;
  delete FBitmap;
}

bool TcxScrollBar::GetInterface(const TGUID& iid, void** obj) {
  return InterfaceTable<IdxSkinSupport>(this, iid, obj) || inherited::GetInterface(iid, obj);
}

TcxCustomLookAndFeelPainterClass TcxScrollBar::Painter() const {
  return FLookAndFeel->GetPainterForThemeObject(totScrollBar);
}

TcxScrollBarMetrics TcxScrollBar::Metrics() const {
  const bool horizontal = Horizontal();
  return TcxScrollBarMetrics{GetSystemMetrics(horizontal ? SM_CYHSCROLL : SM_CXVSCROLL),
                             GetSystemMetrics(horizontal ? SM_CXHTHUMB : SM_CYVTHUMB), FViewInfo->MinThumbnailSize};
}

void TcxScrollBar::Recalculate() {
  FViewInfo->MinThumbnailSize = GetMinThumbnailSize();
  FViewInfo->Recalculate();
}

void TcxScrollBar::SetRangeAndPosition(int AMin, int AMax, int APosition, int APageSize, bool ARepaint) {
  // A stream may hand the values in any order: they are checked together at Loaded.
  if (ComponentState().Contains(csLoading)) {
    FMin = AMin;
    FMax = AMax;
    FPosition = APosition;
    FPageSize = APageSize;
    return;
  }
  if (!IsScrollBarRangeValid(AMin, AMax, APageSize)) throw EInvalidOperation(LoadResString(&cxSScrollBarOutOfRange));
  APosition = std::clamp(APosition, AMin, AMax);
  if (AMin == FMin && AMax == FMax && APosition == FPosition && APageSize == FPageSize) return;
  FMin = AMin;
  FMax = AMax;
  FPageSize = APageSize;
  const bool repaint = ARepaint && HandleAllocated();
  if (APosition != FPosition) {
    SetEnabled(true);
    FPosition = APosition;
    FViewInfo->Recalculate();
    if (repaint) Repaint();
    Change();
  } else {
    FViewInfo->Recalculate();
    if (repaint) Repaint();
  }
}

void TcxScrollBar::Loaded() {
  inherited::Loaded();
  if (!IsScrollBarRangeValid(FMin, FMax, FPageSize)) throw EInvalidOperation(LoadResString(&cxSScrollBarOutOfRange));
  FPosition = std::clamp(FPosition, FMin, FMax);
  Recalculate();
}

void TcxScrollBar::SetKind(TScrollBarKind Value) {
  if (FKind == Value) return;
  FKind = Value;
  if (ComponentState().Contains(csLoading)) FViewInfo->Recalculate();
  else SetBounds(Left(), Top(), Height(), Width());
  Invalidate();
}

void TcxScrollBar::SetCtl3D(bool Value) {
  FRealCtl3D = Value;
  TCustomControl::SetCtl3D(Value);
}

void TcxScrollBar::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const TRect before = BoundsRect();
  inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (BoundsRect() == before || Width() <= 0 || Height() <= 0) return;
  if (FBitmap->Width() != Width() || FBitmap->Height() != Height()) FBitmap->SetSize(Width(), Height());
  FViewInfo->Recalculate();
}

void TcxScrollBar::Change() {
  Changed();
  if (OnChange) OnChange(this);
}

TcxScrollBarPart TcxScrollBar::HitTestPart(const TPoint& P) const {
  return HitTestScrollBarPart(FViewInfo->Rects(), Width(), Height(), P);
}

// --- Painting ------------------------------------------------------------------------------
void TcxScrollBar::Paint() {
  if (FBitmap->Width() != Width() || FBitmap->Height() != Height()) FBitmap->SetSize(Width(), Height());
  DrawScrollBar(FCanvas);
  BitBlt(TCustomControl::Canvas()->Handle(), 0, 0, Width(), Height(), FBitmap->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TcxScrollBar::DrawScrollBar(TcxCanvas* ACanvas) {
  const TcxScrollBarRects& r = FViewInfo->Rects();
  DrawBackground(ACanvas, TRect{0, 0, Width(), Height()});
  DrawPartInState(ACanvas, r.TopLeftArrow, sbpLineUp);
  DrawPartInState(ACanvas, r.BottomRightArrow, sbpLineDown);
  if (!RectHasNoArea(r.Thumb)) DrawPartInState(ACanvas, r.Thumb, sbpThumbnail);
  if (!RectHasNoArea(r.PageUp)) DrawPartInState(ACanvas, r.PageUp, sbpPageUp);
  if (!RectHasNoArea(r.PageDown)) DrawPartInState(ACanvas, r.PageDown, sbpPageDown);
}

void TcxScrollBar::DrawBackground(TcxCanvas* ACanvas, const TRect& R) {
  Painter()->DrawScrollBarBackground(ACanvas, R, Horizontal());
}

void TcxScrollBar::DrawPart(TcxCanvas* ACanvas, const TRect& R, TcxScrollBarPart APart, TcxButtonState AState) {
  Painter()->PaintScrollBarPart(ACanvas, Horizontal(), R, APart, AState);
}

void TcxScrollBar::DrawPartInState(TcxCanvas* ACanvas, const TRect& R, TcxScrollBarPart APart) {
  DrawPart(ACanvas, R, APart, GetPartState(APart));
}

bool TcxScrollBar::IsHotTrackSupported() const { return Painter()->HasHotScrollBarParts(); }

int TcxScrollBar::GetMinThumbnailSize() const { return Painter()->GetMinScrollBarThumbSize(FKind == sbVertical); }

TcxButtonState TcxScrollBar::GetPartState(TcxScrollBarPart APart) const {
  if (!Enabled()) return cxbsDisabled;
  if ((APart == sbpThumbnail && !IsHotTrackSupported()) || APart != FHotPart) return cxbsNormal;
  if (FPressedPart == sbpNone) return ComponentState().Contains(csDesigning) ? cxbsNormal : cxbsHot;
  return FPressedPart == APart ? cxbsPressed : cxbsNormal;
}

// --- Scrolling -----------------------------------------------------------------------------
void TcxScrollBar::DoScroll(TScrollCode ACode, int& AScrollPos) {
  if (OnScroll) OnScroll(this, ACode, AScrollPos);
}

void TcxScrollBar::PerformScroll(TScrollCode ACode) {
  int pos = ScrollBarPositionForCode(TcxScrollCode(ACode), FPosition, FMin, FMax, FSmallChange, FLargeChange);
  TcxObjectLinkGuard link(this);
  DoScroll(ACode, pos);
  if (!link.Alive()) return;
  pos = std::clamp(pos, FMin, std::max(FMin, FMax));
  if (pos == FPosition) return;
  if (ACode == scTrack) {
    FPosition = pos;
    // A dragged thumb stays where the mouse put it.
    if (FPressedPart != sbpThumbnail) FViewInfo->Recalculate();
    Repaint();
  } else {
    SetPosition(pos);
  }
}

// --- Mouse ---------------------------------------------------------------------------------
void TcxScrollBar::HandlePress(const TPoint& P) {
  const TcxScrollBarPart part = HitTestPart(P);
  if (part == sbpNone) return;
  TcxObjectLinkGuard link(this);
  if (part == sbpThumbnail) {
    FMouseDownPos = P;
    FSavedPosition = FPosition;
    FSavedThumbnailPos = FViewInfo->Rects().Thumb.TopLeft();
    FPressedPart = FHotPart = part;
    PerformScroll(scTrack);
  } else {
    FPressedPart = FHotPart = part;
    PerformScroll(PartScrollCode(part));
    if (!link.Alive()) return;
    FTimer->SetInterval(kRepeatDelay);
    FTimer->SetEnabled(true);
  }
  if (link.Alive()) Repaint();
}

void TcxScrollBar::RepeatTimerHandler(TObject*) {
  if (GetCaptureControl() != this || !IsRepeatPart(FPressedPart)) {
    CancelTracking();
    return;
  }
  if (FTimer->Interval() == kRepeatDelay) FTimer->SetInterval(kRepeatInterval);
  TcxObjectLinkGuard link(this);
  PerformScroll(PartScrollCode(FPressedPart));
  if (!link.Alive()) return;
  POINT cursor{0, 0};
  GetCursorPos(&cursor);
  FTimer->SetEnabled(HitTestPart(ScreenToClient(TPoint{cursor.x, cursor.y})) == FPressedPart);
}

void TcxScrollBar::HandleMove(const TPoint& P) {
  if (FPressedPart == sbpThumbnail) {
    if (FUnlimitedTracking || PointInRect(ScrollBarTrackingBand(Width(), Height(), Horizontal()), P)) {
      const TRect before = FViewInfo->Rects().Thumb;
      const int start = Horizontal() ? FSavedThumbnailPos.X : FSavedThumbnailPos.Y;
      const int delta = Horizontal() ? P.X - FMouseDownPos.X : P.Y - FMouseDownPos.Y;
      MoveScrollBarThumb(FViewInfo->Rects(), Width(), Height(), Horizontal(), start, delta);
      FPosition = ScrollBarPositionFromThumb(FViewInfo->Rects(), Horizontal(), Range());
      TcxObjectLinkGuard link(this);
      PerformScroll(scTrack);
      if (link.Alive() && FViewInfo->Rects().Thumb != before) Repaint();
    } else {
      SetPosition(FSavedPosition);
      PerformScroll(scTrack);
    }
    return;
  }
  const TcxScrollBarPart part = HitTestPart(P);
  if (IsRepeatPart(FPressedPart)) FTimer->SetEnabled(part == FPressedPart);
  if (part != FHotPart) {
    FHotPart = part;
    if (IsHotTrackSupported()) Repaint();
  }
}

void TcxScrollBar::HandleRelease(const TPoint& P) {
  TcxObjectLinkGuard link(this);
  CancelTracking();
  if (!link.Alive()) return;
  FHotPart = HitTestPart(P);
  if (FHotPart != sbpNone && IsHotTrackSupported()) Invalidate();
}

void TcxScrollBar::CancelTracking() {
  // Nothing is tracked: there is nothing to end, and no scroll to report.
  if (FPressedPart == sbpNone) {
    FTimer->SetEnabled(false);
    return;
  }
  TcxObjectLinkGuard link(this);
  const bool thumb = FPressedPart == sbpThumbnail;
  if (thumb) {
    FPosition = ScrollBarPositionFromThumb(FViewInfo->Rects(), Horizontal(), Range());
    PerformScroll(scPosition);
    if (!link.Alive()) return;
  }
  FTimer->SetEnabled(false);
  FPressedPart = FHotPart = sbpNone;
  PerformScroll(scEndScroll);
  if (!link.Alive()) return;
  FViewInfo->Recalculate();
  Invalidate();
  // The tracking stored the position as it went, without a change: the
  // drag's end reports one when the position moved.
  if (thumb && FPosition != FSavedPosition) {
    FSavedPosition = FPosition;
    Change();
  }
}

void TcxScrollBar::MouseEnter(TControl*) {
  if (IsHotTrackSupported() || IsRepeatPart(FPressedPart)) Repaint();
}

void TcxScrollBar::MouseLeave(TControl*) {
  if (FPressedPart != sbpThumbnail) FHotPart = sbpNone;
  if (IsHotTrackSupported() || IsRepeatPart(FPressedPart)) Invalidate();
}

// The runtime's handling runs first; the bar's own comes after it, so that a
// scroll handler may free the bar without anything touching it afterwards.
void TcxScrollBar::Dispatch(TMessage& Message) {
  if (PaintWhole(this, Message)) return;
  const TPoint p{short(LOWORD(Message.LParam)), short(HIWORD(Message.LParam))};
  TcxObjectLinkGuard link(this);
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      inherited::Dispatch(Message);
      if (link.Alive()) HandlePress(p);
      return;
    case WM_MOUSEMOVE:
      inherited::Dispatch(Message);
      if (link.Alive()) HandleMove(p);
      return;
    case WM_LBUTTONUP:
      inherited::Dispatch(Message);
      if (link.Alive()) HandleRelease(p);
      return;
    case WM_CANCELMODE:
      inherited::Dispatch(Message);
      if (link.Alive()) CancelTracking();
      return;
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
      inherited::Dispatch(Message);
      if (!link.Alive()) return;
      if (!Visible() || !Enabled()) CancelTracking();
      if (link.Alive() && Message.Msg == CM_ENABLEDCHANGED) Recalculate();
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
      inherited::Dispatch(Message);
      if (!link.Alive()) return;
      auto* control = reinterpret_cast<TControl*>(Message.LParam);
      if (Message.Msg == CM_MOUSEENTER) MouseEnter(control ? control : this);
      else MouseLeave(control ? control : this);
      return;
    }
    case CN_HSCROLL:
    case CN_VSCROLL: PerformScroll(TScrollCode(LOWORD(Message.WParam))); return;
    case WM_ERASEBKGND: Message.Result = 1; return;
    case CM_CTL3DCHANGED:
      inherited::Dispatch(Message);
      if (FApplyingLookAndFeel) return;
      FRealCtl3D = TCustomControl::Ctl3D();
      LookAndFeelChanged(FLookAndFeel, {});
      return;
    case CM_SYSCOLORCHANGE:
      RefreshScrollBarPatternBitmaps();
      inherited::Dispatch(Message);
      return;
    case CN_CTLCOLORSCROLLBAR:
      RefreshScrollBarPatternBitmaps();
      Message.Result = CallWindowProcW(DefWndProc(), Handle(), WM_CTLCOLORSCROLLBAR, Message.WParam, Message.LParam);
      return;
    default: inherited::Dispatch(Message); return;
  }
}

void TcxScrollBar::LookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues) {
  if (ComponentState().Contains(csDestroying)) return;
  // A skin draws the bar flat: the control's own Ctl3D is off meanwhile.
  const bool skinned = FLookAndFeel->CurrentSkinPainter() != nullptr;
  FApplyingLookAndFeel = true;
  TCustomControl::SetCtl3D(skinned ? false : FRealCtl3D);
  FApplyingLookAndFeel = false;
  Recalculate();
  Invalidate();
}

void TcxScrollBar::ThemeChanged(TObject*) {
  Recalculate();
  RefreshScrollBarPatternBitmaps();
  Invalidate();
  if (Parent()) Parent()->Realign();
}

// --- A control's bar -----------------------------------------------------------------------
TcxControlScrollBar::TcxControlScrollBar(TComponent* AOwner) : TcxScrollBar(AOwner) {
  SetColor(clBtnFace);
  FControlStyle.Exclude(csFramed);
  FControlStyle.Include(csNoDesignVisible);
  SetTabStop(false);
  SetVisible(false);
}

void TcxControlScrollBar::ApplyData() {
  if (Data.Visible) {
    SetRangeAndPosition(Data.Min, Data.Max, Data.Position, Data.PageSize, true);
    SetSmallChange(Data.SmallChange);
    SetLargeChange(Data.LargeChange);
  }
  SetEnabled(Data.Enabled);
  if (Visible() != Data.Visible) SetVisible(Data.Visible);
}

void TcxControlScrollBar::FocusParent() {
  TWinControl* parent = Parent();
  if (!parent) return;
  if (auto* control = dynamic_cast<TcxControl*>(parent)) {
    if (control->CanFocusOnScrollBarClick()) control->SetFocus();
  } else if (parent->CanFocus()) {
    parent->SetFocus();
  }
}

void TcxControlScrollBar::SetZOrder(bool) { KeepOnTop(this); }

void TcxControlScrollBar::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_LBUTTONDOWN) {
    TcxObjectLinkGuard link(this);
    FocusParent();
    if (link.Alive()) inherited::Dispatch(Message);
    return;
  }
  if (Message.Msg == CM_DESIGNHITTEST) {
    Message.Result = 1;
    return;
  }
  inherited::Dispatch(Message);
}

// --- Size grip -----------------------------------------------------------------------------
TcxSizeGrip::TcxSizeGrip(TComponent* AOwner) : TCustomControl(AOwner) {
  FLookAndFeel = new TcxLookAndFeel(this);
  FLookAndFeel->OnChanged = TcxLookAndFeelChangedEvent(this, &TcxSizeGrip::LookAndFeelChanged);
  SetColor(clBtnFace);
  FControlStyle.Include(csNoDesignVisible);
}

TcxSizeGrip::~TcxSizeGrip() {
  Destroying();
  if (HandleAllocated()) DestroyHandle();
  delete FLookAndFeel;
}

void TcxSizeGrip::LookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues) {
  if (!ComponentState().Contains(csDestroying)) Invalidate();
}

void TcxSizeGrip::Paint() {
  TcxCanvas canvas(TCustomControl::Canvas());
  canvas.FillRect(ClientRect(), FLookAndFeel->Painter()->GetScrollBarsCornerColor());
}

void TcxSizeGrip::SetZOrder(bool) { KeepOnTop(this); }

void TcxSizeGrip::Dispatch(TMessage& Message) {
  if (PaintWhole(this, Message)) return;
  if (Message.Msg == WM_ERASEBKGND) {
    Message.Result = 1;
    return;
  }
  inherited::Dispatch(Message);
}
