// Hint, popup, drag-image and size-frame windows.
#include <algorithm>
#include <memory>

#include "cxControls_internal.h"
#include "cxControls_win.h"

namespace {

TRect SystemWorkArea(const TPoint& P) { return GetWorkAreaAtPoint(P); }
TcxWorkAreaReader GWorkAreaReader = &SystemWorkArea;

TcxHintAnimationSettings SystemHintAnimation() {
  BOOL animate = FALSE, fade = FALSE;
  SystemParametersInfoW(SPI_GETTOOLTIPANIMATION, 0, &animate, 0);
  SystemParametersInfoW(SPI_GETTOOLTIPFADE, 0, &fade, 0);
  return TcxHintAnimationSettings{animate != FALSE, fade != FALSE};
}
TcxHintAnimationSettingsReader GHintAnimationReader = &SystemHintAnimation;

TcxAnimateWindowFunc GAnimateWindow = nullptr;
bool GAnimateWindowLookedUp = false;

TcxAnimateWindowFunc AnimateWindowFunc() {
  if (!GAnimateWindowLookedUp) {
    GAnimateWindowLookedUp = true;
    GAnimateWindow = reinterpret_cast<TcxAnimateWindowFunc>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "AnimateWindow")));
  }
  return GAnimateWindow;
}

// The AnimateWindow flags of each kind before the system's own and none.
constexpr DWORD kAnimationFlags[] = {AW_HOR_POSITIVE, AW_HOR_NEGATIVE, AW_VER_POSITIVE, AW_VER_NEGATIVE,
                                     AW_CENTER,       AW_HIDE,         AW_ACTIVATE,     AW_BLEND};

// The black and white checker a size frame is painted with.
TBitmap* MakePatternBitmap() {
  auto* bitmap = new TBitmap();
  bitmap->SetSize(8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) ::SetPixel(bitmap->Canvas()->Handle(), x, y, (x + y) % 2 ? RGB(255, 255, 255) : RGB(0, 0, 0));
  return bitmap;
}

HRGN CopyRegion(HRGN ARegion) {
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  CombineRgn(copy, ARegion, nullptr, RGN_COPY);
  return copy;
}

}  // namespace

TcxWorkAreaReader SetWorkAreaReader(TcxWorkAreaReader AReader) {
  const TcxWorkAreaReader previous = GWorkAreaReader;
  GWorkAreaReader = AReader ? AReader : &SystemWorkArea;
  return previous;
}

TRect cxWorkAreaAt(const TPoint& P) { return GWorkAreaReader(P); }

TcxHintAnimationSettingsReader SetHintAnimationSettingsReader(TcxHintAnimationSettingsReader AReader) {
  const TcxHintAnimationSettingsReader previous = GHintAnimationReader;
  GHintAnimationReader = AReader ? AReader : &SystemHintAnimation;
  return previous;
}

TcxAnimateWindowFunc SetAnimateWindowFunc(TcxAnimateWindowFunc AFunc) {
  const TcxAnimateWindowFunc previous = AnimateWindowFunc();
  GAnimateWindow = AFunc;
  return previous;
}

// --- Hint window ---------------------------------------------------------------------------------
TcxBaseHintWindow::TcxBaseHintWindow(TComponent* AOwner) : THintWindow(AOwner) {}

void TcxBaseHintWindow::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  if (StandardHint) return;
  if (!BorderFlag) Params.Style &= ~DWORD(WS_BORDER);
  Params.ExStyle |= WS_EX_TOPMOST;
}

void TcxBaseHintWindow::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const TPoint p = KeepInWorkArea(TPoint{ALeft, ATop}, TSize{AWidth, AHeight}, cxWorkAreaAt(TPoint{ALeft, ATop}));
  inherited::SetBounds(p.X, p.Y, AWidth, AHeight);
}

void TcxBaseHintWindow::ActivateHint(TRect R, const String& Hint) {
  if (!IsPointOnAnyMonitor(R.TopLeft())) return;
  if (StandardHint) {
    inherited::ActivateHint(R, Hint);
    return;
  }
  SetCaption(Hint);
  AdjustHintRect(R);
  SetBounds(R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top);
  SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
  if (OSFlagXPOrLater) EnableRegion();
  // Long texts appear at once.
  if (Hint.size() < 100 && AnimateWindowFunc()) AnimateShow();
  if (!OSFlagXPOrLater) EnableRegion();
  ShowHintWindow();
  Invalidate();
  FHintAreaRect = TRect{};
}

TcxHintAnimate TcxBaseHintWindow::GetAnimationKind() const {
  if (AnimationKind == cxhaNone) return cxhaNone;
  const TcxHintAnimationSettings system = GHintAnimationReader();
  if (!system.Animate) return cxhaNone;
  if (AnimationKind == cxhaAuto) return system.Fade ? cxhaFade : cxhaSlideDownward;
  return AnimationKind;
}

void TcxBaseHintWindow::AnimateShow() {
  const TcxHintAnimate kind = GetAnimationKind();
  if (kind == cxhaNone || kind == cxhaAuto) return;
  if (!OSFlagXPOrLater) DisableRegion();
  if (TcxAnimateWindowFunc animate = AnimateWindowFunc())
    animate(Handle(), AnimationTime, kAnimationFlags[kind] | AW_SLIDE);
}

void TcxBaseHintWindow::DisableRegion() {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  if (GetWindowRgn(Handle(), region) != ERROR) SetWindowRgn(Handle(), nullptr, TRUE);
  DeleteObject(region);
}

void TcxBaseHintWindow::ShowHintWindow() { ShowWindow(Handle(), SW_SHOWNOACTIVATE); }

void TcxBaseHintWindow::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCHITTEST: Message.Result = HTTRANSPARENT; return;
    case WM_ERASEBKGND:
      if (EraseBackground || StandardHint) inherited::Dispatch(Message);
      else Message.Result = 1;
      return;
    case CM_TEXTCHANGED:
      if (StandardHint) inherited::Dispatch(Message);
      return;
    default: inherited::Dispatch(Message); return;
  }
}

// --- Popup window --------------------------------------------------------------------------------
TcxPopupWindow::TcxPopupWindow() : TForm(nullptr) { Initialize(); }

TcxPopupWindow::TcxPopupWindow(TComponent*) : TForm(nullptr) { Initialize(); }

void TcxPopupWindow::Initialize() {
  TCustomForm::SetBorderStyle(bsNone);
  SetFormStyle(fsStayOnTop);
  FCanvas = new TcxCanvas(TCustomForm::Canvas());
}

TcxPopupWindow::~TcxPopupWindow() {
  delete FCanvas;
  FCanvas = nullptr;
}

void TcxPopupWindow::SetBorderStyle(TcxPopupBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  Invalidate();
}

int TcxPopupWindow::GetFrameThickness() {
  switch (FBorderStyle) {
    case pbsSingle:
    case pbs3DThin: return 1;
    case pbs3DThick: return 2;
    default: return 0;
  }
}

int TcxPopupWindow::GetBorderWidth(int) { return GetFrameThickness() + BorderSpace; }

TRect TcxPopupWindow::GetFrameClientRect() {
  const TRect client = ClientRect();
  return InflateRectSides(client, -GetBorderWidth(0), -GetBorderWidth(1), -GetBorderWidth(2), -GetBorderWidth(3));
}

TRect TcxPopupWindow::CalculateOwnerScreenBounds() {
  if (!OwnerParent) return OwnerBounds;
  const TPoint topLeft = OwnerParent->ClientToScreen(OwnerBounds.TopLeft());
  const TPoint bottomRight = OwnerParent->ClientToScreen(OwnerBounds.BottomRight());
  return RectFromPoints(topLeft, bottomRight);
}

void TcxPopupWindow::CalcPosition(TPoint& P) {
  P = CalcPopupPosition(CalculateOwnerScreenBounds(), TSize{Width(), Height()}, Direction, AlignHorz, AlignVert,
                        [](const TPoint& Q) { return cxWorkAreaAt(Q); });
}

void TcxPopupWindow::TakeOwnerFont() {
  if (OwnerParent) Font()->Assign(OwnerParent->Font());
}

void TcxPopupWindow::AdjustSizeToControls() {
  if (!Adjustable || ControlCount() == 0) return;
  int right = 0, bottom = 0;
  const int left = GetBorderWidth(0), top = GetBorderWidth(1);
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    right = std::max(right, c->Left() + c->Width());
    bottom = std::max(bottom, c->Top() + c->Height());
    c->SetBounds(c->Left() + left, c->Top() + top, c->Width(), c->Height());
  }
  SetBounds(Left(), Top(), left + right + GetBorderWidth(2), top + bottom + GetBorderWidth(3));
}

void TcxPopupWindow::ShowPopup() {
  TakeOwnerFont();
  AdjustSizeToControls();
  TPoint p;
  CalcPosition(p);
  SetLeft(p.X);
  CalcPosition(p);
  SetTop(p.Y);
  Show();
}

void TcxPopupWindow::CloseUp() { Hide(); }

void TcxPopupWindow::Deactivate() {
  inherited::Deactivate();
  CloseUp();
}

void TcxPopupWindow::Paint() {
  inherited::Paint();
  DrawFrame();
}

void TcxPopupWindow::DrawFrame() {
  const TRect r{0, 0, Width(), Height()};
  switch (FBorderStyle) {
    case pbsSingle: FCanvas->FrameRectBorders(r, FrameColor, 1); break;
    case pbs3DThin: FCanvas->Draw3DEdge(r, false, false); break;
    case pbs3DThick:
      FCanvas->Draw3DEdge(r, false, true);
      FCanvas->Draw3DEdge(InflateRectXY(r, -1, -1), false, false);
      break;
    default: break;
  }
}

void TcxPopupWindow::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      // Painted through Paint, frame included, with children or without.
      FControlState.Include(csCustomPaint);
      inherited::Dispatch(Message);
      FControlState.Exclude(csCustomPaint);
      return;
    case WM_ACTIVATE:
      inherited::Dispatch(Message);
      // The window that lost the activation keeps drawing its caption as active.
      if (LOWORD(Message.WParam) != WA_INACTIVE) {
        FPrevActiveWindow = reinterpret_cast<HWND>(Message.LParam);
        if (FPrevActiveWindow) SendMessageW(FPrevActiveWindow, WM_NCACTIVATE, 1, 0);
      }
      return;
    case WM_ACTIVATEAPP:
      Message.Result = DefWindowProcW(Handle(), Message.Msg, Message.WParam, Message.LParam);
      if (!Message.WParam) {
        if (FPrevActiveWindow && IsWindow(FPrevActiveWindow)) SendMessageW(FPrevActiveWindow, WM_NCACTIVATE, 0, 0);
        CloseUp();
      }
      return;
    case CM_VISIBLECHANGED:
      inherited::Dispatch(Message);
      VisibleChanged();
      return;
    default: inherited::Dispatch(Message); return;
  }
}

// --- Drag image and size frame -------------------------------------------------------------------
TcxCustomDragImage::TcxCustomDragImage() {
  SetBounds(0, 0, 0, 0);
  SetAlphaBlendValue(180);
  SetAlphaBlend(true);
}

void TcxCustomDragImage::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  if (PopupParent) Params.WndParent = PopupParent->Handle();
  else if (Screen && Screen->ActiveForm()) Params.WndParent = Screen->ActiveForm()->Handle();
  Params.WindowClass.style |= CS_SAVEBITS;
}

void TcxCustomDragImage::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ERASEBKGND: Message.Result = 1; return;
    case WM_NCHITTEST: Message.Result = HTTRANSPARENT; return;
    default: inherited::Dispatch(Message); return;
  }
}

void TcxCustomDragImage::ShowAs(int AShowCommand) {
  ShowWindow(Handle(), AShowCommand);
  Update();
}

TcxSizeFrame::TcxSizeFrame(int AFrameWidth) : FFrameWidth(AFrameWidth) {
  SetAlphaBlend(false);
  FRegion = new TcxRegion();
  FPattern = MakePatternBitmap();
  cxCanvas()->Brush()->SetBitmap(FPattern);
}

TcxSizeFrame::~TcxSizeFrame() {
  if (cxCanvas()) cxCanvas()->Brush()->SetBitmap(nullptr);
  delete FPattern;
  delete FRegion;
}

void TcxSizeFrame::Paint() {
  const TRect r = ClientRect();
  const RECT rc{r.Left, r.Top, r.Right, r.Bottom};
  ::FillRect(TCustomForm::Canvas()->Handle(), &rc, cxCanvas()->Brush()->Handle());
}

void TcxSizeFrame::SetFrameRect(const TRect& R) {
  delete FRegion;
  FRegion = new TcxRegion(TRect{0, 0, R.Right - R.Left, R.Bottom - R.Top});
  SetBounds(R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top);
}

void TcxSizeFrame::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (!FRegion || !HandleAllocated() || 2 * FFrameWidth >= AWidth || 2 * FFrameWidth >= AHeight) return;
  if (!FillSelection) {
    // The frame: the region less its own erosion by the frame's width.
    auto inner = std::make_unique<TcxRegion>(CopyRegion(FRegion->Handle()));
    for (const TPoint shift : {TPoint{FFrameWidth, 0}, TPoint{0, FFrameWidth}, TPoint{-FFrameWidth, 0},
                               TPoint{0, -FFrameWidth}}) {
      auto moved = new TcxRegion(CopyRegion(FRegion->Handle()));
      moved->Shift(shift.X, shift.Y);
      inner->CombineWith(moved, roIntersect);
    }
    FRegion->CombineWith(inner.release(), roSubtract);
  }
  // The window takes a copy, and only when its region differs.
  HRGN current = CreateRectRgn(0, 0, 0, 0);
  const bool same = GetWindowRgn(Handle(), current) != ERROR && EqualRgn(current, FRegion->Handle());
  DeleteObject(current);
  if (!same) SetWindowRgn(Handle(), CopyRegion(FRegion->Handle()), TRUE);
}
