#include "ExtCtrls.h"

#include "Streaming.h"

namespace {
const TResStringRec SNoTimers{L"SNoTimers", L"Not enough timers available"};
}

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
  FWindowHandle = AllocateHWnd(TWndMethod(this, &TTimer::WndProc));
}

TTimer::~TTimer() {
  FEnabled = false;
  UpdateTimer();
  DeallocateHWnd(FWindowHandle);
}

void TTimer::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned Value) {
  if (Value == FInterval) return;
  FInterval = Value;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent Value) {
  FOnTimer = Value;
  UpdateTimer();
}

// A timer without a handler is not armed: nothing would hear it.
void TTimer::UpdateTimer() {
  KillTimer(FWindowHandle, 1);
  if (FInterval != 0 && FEnabled && FOnTimer) {
    if (SetTimer(FWindowHandle, 1, FInterval, nullptr) == 0) throw EOutOfResources(LoadResString(&SNoTimers));
  }
}

void TTimer::Timer() {
  if (FOnTimer) FOnTimer(this);
}

void TTimer::WndProc(TMessage& Message) {
  if (Message.Msg != WM_TIMER) {
    Message.Result = DefWindowProcW(FWindowHandle, Message.Msg, Message.WParam, Message.LParam);
    return;
  }
  try {
    Timer();
  } catch (...) {
    HandleCallbackException(this);
  }
}

VAMIRE_PUBLISHED(TTimer,
                 Prop(L"Enabled", &TTimer::Enabled, &TTimer::SetEnabled).Default(true),
                 Prop(L"Interval", &TTimer::Interval, &TTimer::SetInterval).Default(1000u),
                 Prop(L"OnTimer", &TTimer::OnTimer, &TTimer::SetOnTimer))

// --- Frame3D -----------------------------------------------------------------------------
void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width) {
  // Each pass draws the outermost ring left, and the rectangle moves in by one.
  Canvas->Pen()->SetWidth(1);
  --Rect.Right;
  --Rect.Bottom;
  for (int i = 0; i < Width; ++i) {
    Canvas->Pen()->SetColor(TopColor);
    const TPoint topLeft[] = {{Rect.Left, Rect.Bottom}, {Rect.Left, Rect.Top}, {Rect.Right, Rect.Top}};
    Canvas->Polyline(topLeft, 3);
    Canvas->Pen()->SetColor(BottomColor);
    const TPoint bottomRight[] = {{Rect.Right, Rect.Top}, {Rect.Right, Rect.Bottom}, {Rect.Left - 1, Rect.Bottom}};
    Canvas->Polyline(bottomRight, 3);
    ++Rect.Left;
    ++Rect.Top;
    --Rect.Right;
    --Rect.Bottom;
  }
  ++Rect.Right;
  ++Rect.Bottom;
}

// --- TCustomPanel ------------------------------------------------------------------------
TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks,
                                csReplicatable, csParentBackground};
  SetBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
  SetParentColor(false);
}

void TCustomPanel::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN;
  AddSingleBorder(Params, FBorderStyle == bsSingle);
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TCustomPanel::SetAlignment(TAlignment Value) {
  if (Value == FAlignment) return;
  FAlignment = Value;
  Invalidate();
}

void TCustomPanel::SetBevelInner(TPanelBevel Value) {
  if (Value == FBevelInner) return;
  FBevelInner = Value;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBevelOuter(TPanelBevel Value) {
  if (Value == FBevelOuter) return;
  FBevelOuter = Value;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBevelWidth(TBevelWidth Value) {
  if (Value < 1) Value = 1;
  if (Value == FBevelWidth) return;
  FBevelWidth = Value;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBorderStyle(TBorderStyle Value) {
  if (Value != bsNone && Value != bsSingle) Value = bsSingle;
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomPanel::AdjustClientRect(TRect& Rect) {
  TCustomControl::AdjustClientRect(Rect);
  int bevel = 0;
  if (FBevelOuter != bvNone) bevel += FBevelWidth;
  if (FBevelInner != bvNone) bevel += FBevelWidth;
  Rect.Left += bevel;
  Rect.Top += bevel;
  Rect.Right -= bevel;
  Rect.Bottom -= bevel;
}

namespace {
void BevelColors(TPanelBevel Bevel, TColor Face, TColor& Top, TColor& Bottom) {
  Top = Bevel == bvLowered ? clBtnShadow : clBtnHighlight;
  Bottom = Bevel == bvLowered ? clBtnHighlight : clBtnShadow;
  if (Bevel == bvSpace) Top = Bottom = Face;
}
}  // namespace

void TCustomPanel::Paint() {
  TCanvas* canvas = TCustomControl::Canvas();
  TRect r = ClientRect();
  TColor top, bottom;
  if (FBevelOuter != bvNone) {
    BevelColors(FBevelOuter, Color(), top, bottom);
    Frame3D(canvas, r, top, bottom, FBevelWidth);
  }
  Frame3D(canvas, r, Color(), Color(), BorderWidth());
  if (FBevelInner != bvNone) {
    BevelColors(FBevelInner, Color(), top, bottom);
    Frame3D(canvas, r, top, bottom, FBevelWidth);
  }
  canvas->Brush()->SetColor(Color());
  canvas->Brush()->SetStyle(bsSolid);
  canvas->FillRect(r);
  const String caption = Caption();
  if (!caption.empty()) {
    canvas->Font()->Assign(Font());
    canvas->Brush()->SetStyle(bsClear);
    canvas->RequiredState({csHandleValid, csFontValid, csBrushValid});
    UINT flags = DT_EXPANDTABS | DT_VCENTER | DT_SINGLELINE;
    flags |= FAlignment == taLeftJustify ? DT_LEFT : FAlignment == taRightJustify ? DT_RIGHT : DT_CENTER;
    const HDC dc = canvas->Handle();
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, COLORREF(ColorToRGB(Enabled() ? Font()->Color() : clGrayText)));
    DrawTextW(dc, caption.c_str(), int(caption.size()), AsRect(r), flags);
    SetBkMode(dc, oldMode);
    canvas->Brush()->SetStyle(bsSolid);
  }
  TCustomControl::Paint();
}

void TCustomPanel::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_TEXTCHANGED:
    case CM_ENABLEDCHANGED:
    case CM_BORDERCHANGED:
      TCustomControl::Dispatch(Message);
      Invalidate();
      return;
    case CM_CTL3DCHANGED:
      TCustomControl::Dispatch(Message);
      if (FBorderStyle == bsSingle) RecreateWnd();
      return;
    case WM_WINDOWPOSCHANGED:
      // Caption and bevels move with the size: the whole face is painted again.
      if (FFullRepaint || !Caption().empty()) Invalidate();
      TCustomControl::Dispatch(Message);
      return;
    default: TCustomControl::Dispatch(Message);
  }
}

// --- TImage ------------------------------------------------------------------------------
namespace {
const TResStringRec SImageCanvasNeedsBitmap{L"SImageCanvasNeedsBitmap",
                                            L"Can only modify an image if it contains a bitmap"};
}

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), FPicture(new TPicture()) {
  FControlStyle.Include(csReplicatable);
  FPicture->OnChange = TNotifyEvent(this, &TImage::PictureChanged);
  SetBounds(0, 0, 105, 105);
}

TImage::~TImage() {
  FPicture->OnChange = TNotifyEvent();
  delete FPicture;
}

void TImage::SetCenter(bool Value) {
  if (Value == FCenter) return;
  FCenter = Value;
  PictureChanged(this);
}

void TImage::SetStretch(bool Value) {
  if (Value == FStretch) return;
  FStretch = Value;
  PictureChanged(this);
}

void TImage::SetProportional(bool Value) {
  if (Value == FProportional) return;
  FProportional = Value;
  PictureChanged(this);
}

void TImage::SetTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  PictureChanged(this);
}

TCanvas* TImage::Canvas() {
  if (!FPicture->Graphic()) {
    auto* bmp = new TBitmap();
    try {
      bmp->SetSize(FWidth, FHeight);
      FPicture->SetGraphic(bmp);
    } catch (...) {
      delete bmp;
      throw;
    }
    delete bmp;
  }
  if (!FPicture->Graphic()->InheritsFrom(TBitmap::StaticClass()))
    throw EInvalidOperation(LoadResString(&SImageCanvasNeedsBitmap));
  return static_cast<TBitmap*>(FPicture->Graphic())->Canvas();
}

TRect TImage::DestRect() {
  int w = FPicture->Width(), h = FPicture->Height();
  const int cw = ClientWidth(), ch = ClientHeight();
  if (FStretch || (FProportional && (w > cw || h > ch))) {
    if (FProportional && w > 0 && h > 0) {
      // The long side fills; the other follows the picture's aspect.
      const double aspect = double(w) / double(h);
      if (w > h) {
        w = cw;
        h = int(cw / aspect);
        if (h > ch) {
          h = ch;
          w = int(ch * aspect);
        }
      } else {
        h = ch;
        w = int(ch * aspect);
        if (w > cw) {
          w = cw;
          h = int(cw / aspect);
        }
      }
    } else {
      w = cw;
      h = ch;
    }
  }
  int x = 0, y = 0;
  if (FCenter) {
    x = (cw - w) / 2;
    y = (ch - h) / 2;
  }
  return TRect{x, y, x + w, y + h};
}

bool TImage::CanAutoSize(int& NewWidth, int& NewHeight) {
  if (FPicture->Width() <= 0 || FPicture->Height() <= 0) return true;
  NewWidth = FPicture->Width();
  NewHeight = FPicture->Height();
  return true;
}

void TImage::Paint() {
  TGraphic* graphic = FPicture->Graphic();
  if (!graphic || graphic->Empty()) {
    TGraphicControl::Paint();
    return;
  }
  // Drawing a bitmap selects it into its own DC; a change it reports then is not a new picture.
  FDrawing = true;
  try {
    TGraphicControl::Canvas()->StretchDraw(DestRect(), graphic);
  } catch (...) {
    FDrawing = false;
    throw;
  }
  FDrawing = false;
  TGraphicControl::Paint();
}

void TImage::PictureChanged(TObject* /*Sender*/) {
  if (FDrawing) return;
  TGraphic* graphic = FPicture->Graphic();
  if (graphic) {
    if (!graphic->InheritsFrom(TIcon::StaticClass()) && graphic->Transparent() != FTransparent) {
      FDrawing = true;
      graphic->SetTransparent(FTransparent);
      FDrawing = false;
    }
    if (AutoSize() && FPicture->Width() > 0 && FPicture->Height() > 0)
      SetBounds(FLeft, FTop, FPicture->Width(), FPicture->Height());
  }
  // An opaque picture covering the whole control lets the parent skip painting under it.
  const TRect d = DestRect();
  if (graphic && !graphic->Empty() && !FTransparent && d.Left <= 0 && d.Top <= 0 && d.Right >= FWidth &&
      d.Bottom >= FHeight)
    FControlStyle.Include(csOpaque);
  else
    FControlStyle.Exclude(csOpaque);
  Invalidate();
}

// --- Published properties ----------------------------------------------------------------
VAMIRE_PUBLISHED(TCustomPanel,
                 Prop(L"Alignment", &TCustomPanel::Alignment, &TCustomPanel::SetAlignment).Default(taCenter),
                 Prop(L"BevelInner", &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner).Default(bvNone),
                 Prop(L"BevelOuter", &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter).Default(bvRaised),
                 Prop(L"BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth).Default(int64_t(1)),
                 Prop(L"BorderWidth", &TWinControl::BorderWidth, &TWinControl::SetBorderWidth).Default(int64_t(0)),
                 Prop(L"BorderStyle", &TCustomPanel::BorderStyle, &TCustomPanel::SetBorderStyle).Default(bsNone),
                 Prop(L"FullRepaint", &TCustomPanel::FullRepaint, &TCustomPanel::SetFullRepaint).Default(true),
                 Prop(L"Locked", &TCustomPanel::Locked, &TCustomPanel::SetLocked).Default(false),
                 Prop(L"ParentBackground", &TWinControl::ParentBackground, &TWinControl::SetParentBackground).Default(true),
                 Prop(L"Color", &TControl::Color, &TControl::SetColor).Idents(&ColorIdentMapper).Default(clBtnFace).Stored(&TControl::IsColorStored),
                 Prop(L"ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(false),
                 Prop(L"TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(false),
                 Prop(L"TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder).NoDefault(),
                 Prop(L"OnEnter", &TWinControl::OnEnter),
                 Prop(L"OnExit", &TWinControl::OnExit))

VAMIRE_PUBLISHED(TImage,
                 Prop(L"AutoSize", &TControl::AutoSize, &TControl::SetAutoSize).Default(false),
                 Prop(L"Center", &TImage::Center, &TImage::SetCenter).Default(false),
                 Prop(L"Picture", &TImage::Picture, &TImage::SetPicture),
                 Prop(L"Proportional", &TImage::Proportional, &TImage::SetProportional).Default(false),
                 Prop(L"Stretch", &TImage::Stretch, &TImage::SetStretch).Default(false),
                 Prop(L"Transparent", &TImage::Transparent, &TImage::SetTransparent).Default(false))
