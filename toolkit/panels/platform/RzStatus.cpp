#include "RzStatus.h"

#include "ActnList.h"
#include "cxMessages.h"

// --- TRzCustomStatusPane ------------------------------------------------------------------
TRzCustomStatusPane::TRzCustomStatusPane(TComponent* AOwner) : TGraphicControl(AOwner) {
  FControlStyle.Exclude(csOpaque);
  SetBounds(0, 0, 100, 20);
  FFillColor = Color();
  if (TRzBlinkingControlsList* clock = AcquireBlinkingControlsList()) clock->Add(this);
}

TRzCustomStatusPane::~TRzCustomStatusPane() {
  if (FFrameController) FFrameController->DetachControl(this);
  if (TRzBlinkingControlsList* clock = BlinkingControlsList()) {
    clock->Remove(this);
    ReleaseBlinkClockIfIdle();
  }
}

bool TRzCustomStatusPane::GetInterface(const TGUID& iid, void** obj) {
  return InterfaceTable<IFrameControllerClient>(this, iid, obj) || TGraphicControl::GetInterface(iid, obj);
}

template <class T>
bool TRzCustomStatusPane::Store(T& Field, const T& Value) {
  if (Field == Value) return false;
  Field = Value;
  return true;
}

void TRzCustomStatusPane::Loaded() {
  TGraphicControl::Loaded();
  if (!ParentColor()) SetTransparent(false);
  FNormalTextColor = FCurrentTextColor = Font()->Color();
  AdjustWidth();
}

// --- Setters ------------------------------------------------------------------------------
void TRzCustomStatusPane::SetBorderWidth(int Value) {
  if (Store(FBorderWidth, Value)) Invalidate();
}

void TRzCustomStatusPane::SetFillColor(TColor Value) {
  FFillColor = Value;
  FParentFillColor = false;
  Invalidate();
}

void TRzCustomStatusPane::SetParentFillColor(bool Value) {
  FParentFillColor = Value;
  if (Parent() && !ComponentState().Contains(csReading)) Perform(CM_PARENTCOLORCHANGED);
}

void TRzCustomStatusPane::SetFlatColor(TColor Value) {
  if (Store(FFlatColor, Value)) Invalidate();
}

void TRzCustomStatusPane::SetFlatColorAdjustment(int Value) {
  if (Store(FFlatColorAdjustment, Value)) Invalidate();
}

void TRzCustomStatusPane::SetFrameStyle(TFrameStyle Value) {
  RzCheckFrameStyle(Value);
  if (Store(FFrameStyle, Value)) Invalidate();
}

void TRzCustomStatusPane::SetFrameController(TRzFrameController* Value) {
  if (Value == FFrameController) return;
  SwitchFrameController(this, FFrameController, Value);
  Invalidate();
}

void TRzCustomStatusPane::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFrameController) FFrameController = nullptr;
}

void TRzCustomStatusPane::SetTransparent(bool Value) {
  FTransparent = Value;
  if (Value)
    FControlStyle.Exclude(csOpaque);
  else
    FControlStyle.Include(csOpaque);
  Invalidate();
}

void TRzCustomStatusPane::SetAlignment(TAlignment Value) {
  if (Store(FAlignment, Value)) Invalidate();
}

void TRzCustomStatusPane::SetAutoSize(bool Value) {
  if (Value == AutoSize()) return;
  TGraphicControl::SetAutoSize(Value);
  AdjustWidth();
}

void TRzCustomStatusPane::SetDefaultWidth(int Value) {
  if (!Store(FDefaultWidth, Value)) return;
  AdjustWidth();
  Invalidate();
}

void TRzCustomStatusPane::SetCaptionOffset(int Value) {
  if (!Store(FCaptionOffset, Value)) return;
  AdjustWidth();
  Invalidate();
}

void TRzCustomStatusPane::SetBlinking(bool Value) {
  if (!Store(FBlinking, Value)) return;
  if (!Value) {
    FCurrentTextColor = FNormalTextColor;
    Repaint();
  }
}

void TRzCustomStatusPane::SetBlinkColor(TColor Value) {
  if (Store(FBlinkColor, Value)) Invalidate();
}

std::uint16_t TRzCustomStatusPane::BlinkIntervalOff() const {
  const TRzBlinkingControlsList* clock = BlinkingControlsList();
  return clock ? clock->IntervalOff() : 500;
}

void TRzCustomStatusPane::SetBlinkIntervalOff(std::uint16_t Value) {
  if (TRzBlinkingControlsList* clock = AcquireBlinkingControlsList()) clock->SetIntervalOff(Value);
}

std::uint16_t TRzCustomStatusPane::BlinkIntervalOn() const {
  const TRzBlinkingControlsList* clock = BlinkingControlsList();
  return clock ? clock->IntervalOn() : 500;
}

void TRzCustomStatusPane::SetBlinkIntervalOn(std::uint16_t Value) {
  if (TRzBlinkingControlsList* clock = AcquireBlinkingControlsList()) clock->SetIntervalOn(Value);
}

void TRzCustomStatusPane::Blink(int State) {
  FCurrentTextColor = State == 0 ? FNormalTextColor : FBlinkColor;
  Repaint();
}

void TRzCustomStatusPane::FrameControllerChanged() {
  if (!FFrameController || !FFrameController->FrameVisible()) return;
  const TRzFrameControllerNotifications& n = FFrameControllerNotifications;
  if (n.Contains(fcpFrameStyle)) SetFrameStyle(FFrameController->FrameStyle());
  if (n.Contains(fcpFrameColor)) {
    FFlatColor = FFrameController->FrameColor();
    FFlatColorAdjustment = 0;
  }
  if (n.Contains(fcpColor)) SetFillColor(FFrameController->Color());
  if (n.Contains(fcpParentColor)) SetParentColor(FFrameController->ParentColor());
  Invalidate();
}

// --- Geometry -----------------------------------------------------------------------------
TRect TRzCustomStatusPane::GetTextRect() {
  TRect r = ClientRect();
  const int inset = FBorderWidth + PaneFrameWidth(FFrameStyle);
  return TRect{r.Left + inset, r.Top + inset, r.Right - inset, r.Bottom - inset};
}

int TRzCustomStatusPane::GetAutoWidth() {
  const String caption = Caption();
  if (caption.empty()) return FDefaultWidth;
  // Measured on a screen DC, so a pane without a parent window measures too.
  HDC screen = GetDC(nullptr);
  TCanvas canvas;
  canvas.SetHandle(screen);
  canvas.Font()->Assign(Font());
  TRect r = ClientRect();
  DrawTextInRect(&canvas, caption, r, DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
  canvas.SetHandle(nullptr);
  ReleaseDC(nullptr, screen);
  return 2 * FBorderWidth + (r.Right - r.Left) + FCaptionOffset + 6;
}

void TRzCustomStatusPane::AdjustWidth() {
  if (!AutoSize() || ComponentState().Contains(csReading) || ComponentState().Contains(csLoading)) return;
  SetWidth(GetAutoWidth());
}

// --- Painting -----------------------------------------------------------------------------
void TRzCustomStatusPane::Paint() {
  DrawFrame();
  DrawCaption(Caption());
}

void TRzCustomStatusPane::DrawFrame() {
  TCanvas* canvas = Canvas();
  const TRect client = ClientRect();
  if (!FTransparent) {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(client);
  }
  canvas->Pen()->SetWidth(1);
  const TRect r{client.Left + FBorderWidth, client.Top + FBorderWidth, client.Right - FBorderWidth,
                client.Bottom - FBorderWidth};
  if (FFrameStyle != fsFlat) {
    StrokeFrameAllSides(canvas, r, FFrameStyle);
    return;
  }
  // Flat: four lines that leave the corner pixels free.
  canvas->Pen()->SetColor(ShiftColorLuminance(FFlatColor, FFlatColorAdjustment));
  const TPoint lines[][2] = {{{r.Left, r.Top + 1}, {r.Left, r.Bottom - 1}},
                             {{r.Left + 1, r.Top}, {r.Right - 1, r.Top}},
                             {{r.Right - 1, r.Top + 1}, {r.Right - 1, r.Bottom - 1}},
                             {{r.Left + 1, r.Bottom - 1}, {r.Right - 1, r.Bottom - 1}}};
  for (const auto& line : lines) {
    canvas->MoveTo(line[0].X, line[0].Y);
    canvas->LineTo(line[1].X, line[1].Y);
  }
}

void TRzCustomStatusPane::DrawCaption(const String& Text) { DrawStaticCaption(Text); }

void TRzCustomStatusPane::DrawStaticCaption(const String& Text) {
  TCanvas* canvas = Canvas();
  canvas->Font()->Assign(Font());
  canvas->Font()->SetColor(Enabled() ? FCurrentTextColor : clGrayText);
  const TRect r = GetTextRect();
  UINT align = TA_LEFT;
  int x = r.Left + FCaptionOffset + 1;
  if (FAlignment == taRightJustify) {
    align = TA_RIGHT;
    x = r.Right - FCaptionOffset - 1;
  } else if (FAlignment == taCenter) {
    align = TA_CENTER;
    x = r.Left + (r.Right - r.Left) / 2;
  }
  const int y = r.Top + (r.Bottom - r.Top - canvas->TextHeight(L"Pp")) / 2;
  if (FTransparent) {
    canvas->Brush()->SetStyle(bsClear);
  } else {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(FFillColor);
  }
  const UINT oldAlign = SetTextAlign(canvas->Handle(), align);
  canvas->TextRect(r, x, y, Text);
  SetTextAlign(canvas->Handle(), oldAlign);
  canvas->Brush()->SetStyle(bsSolid);
}

// --- Messages -----------------------------------------------------------------------------
void TRzCustomStatusPane::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CXM_BLINKQUERY: Message.Result = FBlinking ? 1 : 0; return;
    case CXM_BLINKSTATE:
      if (FBlinking) Blink(int(Message.WParam));
      return;
    case CM_TEXTCHANGED:
      TGraphicControl::Dispatch(Message);
      Invalidate();
      AdjustWidth();
      return;
    case CM_FONTCHANGED:
      TGraphicControl::Dispatch(Message);
      FNormalTextColor = FCurrentTextColor = Font()->Color();
      if (!ComponentState().Contains(csLoading)) AdjustWidth();
      Invalidate();
      return;
    case CM_COLORCHANGED:
    case CM_PARENTCOLORCHANGED:
      TGraphicControl::Dispatch(Message);
      if (FParentFillColor) FFillColor = Color();
      Invalidate();
      return;
    case CM_ACTIONEXECUTE: {
      auto* action = dynamic_cast<THintAction*>(reinterpret_cast<TObject*>(Message.LParam));
      if (FAutoHint && action) {
        SetCaption(action->Hint());
        Message.Result = 1;
        return;
      }
      TGraphicControl::Dispatch(Message);
      return;
    }
    default:
      if (!DispatchMouseHover(this, Message, OnMouseEnter, OnMouseLeave,
                              [this](TMessage& M) { TGraphicControl::Dispatch(M); }))
        TGraphicControl::Dispatch(Message);
      return;
  }
}

// --- TRzMarqueeStatus ---------------------------------------------------------------------
TRzMarqueeStatus::TRzMarqueeStatus(TComponent* AOwner)
    : TRzStatusPane(AOwner), FBitmap(new TBitmap()), FTimer(new TTimer(nullptr)) {
  FWrapLimit = Width();
  FTimer->SetEnabled(FScrolling);
  FTimer->SetInterval(FScrollDelay);
  FTimer->SetOnTimer(TNotifyEvent(this, &TRzMarqueeStatus::TimerTick));
}

TRzMarqueeStatus::~TRzMarqueeStatus() {
  delete FTimer;
  FTimer = nullptr;
  delete FBitmap;
  FBitmap = nullptr;
}

void TRzMarqueeStatus::SetScrollType(TRzScrollType Value) {
  FScrollType = Value;
  FTimer->SetEnabled(Value != stNone);
  Invalidate();
}

void TRzMarqueeStatus::SetScrolling(bool Value) {
  FScrolling = Value;
  FTimer->SetEnabled(Value);
  if (!Value) FOffset = 0;
  Invalidate();
}

void TRzMarqueeStatus::SetScrollSize(std::uint16_t Value) {
  if (Value == FScrollSize) return;
  FScrollSize = Value == 0 ? 1 : Value;
}

void TRzMarqueeStatus::SetScrollDelay(std::uint16_t Value) {
  FScrollDelay = Value;
  FTimer->SetInterval(Value);
}

void TRzMarqueeStatus::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TRzStatusPane::SetBounds(ALeft, ATop, AWidth, AHeight);
  UpdateWrapLimit();
}

void TRzMarqueeStatus::UpdateWrapLimit() {
  if (!FBitmap || FScrollSize == 0) return;
  FBitmap->Canvas()->Font()->Assign(Font());
  FWrapLimit = FBitmap->Canvas()->TextWidth(Caption()) + Width();
}

void TRzMarqueeStatus::DrawCaption(const String& Text) {
  if (FScrollType == stNone) {
    DrawStaticCaption(Text);
    return;
  }
  const TRect r = GetTextRect();
  const int width = r.Right - r.Left, height = r.Bottom - r.Top;
  if (width <= 0 || height <= 0) return;
  FBitmap->SetSize(width, height);
  TCanvas* canvas = FBitmap->Canvas();
  canvas->Font()->Assign(Font());
  canvas->Font()->SetColor(CurrentTextColor());
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(FillColor());
  canvas->FillRect(TRect{0, 0, width, height});
  const int y = r.Top + (height - canvas->TextHeight(L"Pp")) / 2 - BorderWidth() - 1;
  const int x = FScrollType == stRightToLeft ? Width() - FOffset : FOffset - canvas->TextWidth(Caption());
  canvas->TextRect(r, x, y, Text);
  Canvas()->Draw(BorderWidth() + 1, BorderWidth() + 1, FBitmap);
}

void TRzMarqueeStatus::TimerTick(TObject*) {
  if (!FTimer->Enabled() || !Visible()) return;
  FOffset += FScrollSize;
  // Straight onto the pane, without erasing: the frame stays as it is.
  if (Parent() && Parent()->HandleAllocated()) {
    DrawCaption(Caption());
    static_cast<TControlCanvas*>(Canvas())->FreeHandle();
  }
  if (FOffset < FWrapLimit) {
    if (OnScrollDisplay) OnScrollDisplay(this, FOffset, FWrapLimit);
  } else {
    FOffset = 0;
    if (OnScrollComplete) OnScrollComplete(this);
  }
}

void TRzMarqueeStatus::Dispatch(TMessage& Message) {
  TRzStatusPane::Dispatch(Message);
  if (Message.Msg == CM_TEXTCHANGED || Message.Msg == CM_FONTCHANGED) {
    UpdateWrapLimit();
    Invalidate();
  }
}
