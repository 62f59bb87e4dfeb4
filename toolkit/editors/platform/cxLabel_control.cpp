#include <windows.h>

#include "cxLabel_win.h"

// --- Line options ---------------------------------------------------------------------------

void TcxLabelLineOptions::Assign(TPersistent* Source) {
  if (auto* S = dynamic_cast<TcxLabelLineOptions*>(Source)) {
    FAlignment = S->FAlignment;
    FInnerColor = S->FInnerColor;
    FOuterColor = S->FOuterColor;
    SetVisible(S->FVisible);
    Changed();
    return;
  }
  TPersistent::Assign(Source);
}

void TcxLabelLineOptions::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  if (Value && FOwner && FOwner->OnLineShown) FOwner->OnLineShown(FOwner);
  Changed();
}

void TcxLabelLineOptions::Changed() {
  if (FOwner) FOwner->Changed();
}

TcxContainerBorderStyle TcxLabelEditStyle::GetDefaultBorderStyle() const { return cbsNone; }

// --- Properties -----------------------------------------------------------------------------

TcxCustomLabelProperties::TcxCustomLabelProperties(TPersistent* AOwner)
    : TcxCustomEditProperties(AOwner), FLineOptions(new TcxLabelLineOptions(this)) {}

TcxCustomLabelProperties::~TcxCustomLabelProperties() {
  delete FGlyph;
  delete FLineOptions;
}

void TcxCustomLabelProperties::Assign(TPersistent* Source) {
  if (auto* S = dynamic_cast<TcxCustomLabelProperties*>(Source)) {
    BeginUpdate();
    TcxCustomEditProperties::Assign(Source);
    SetAngle(S->FAngle);
    SetDepth(S->FDepth);
    SetGlyph(S->FGlyph);
    SetLabelEffect(S->FLabelEffect);
    SetLabelStyle(S->FLabelStyle);
    FLineOptions->Assign(S->FLineOptions);
    SetOrientation(S->FOrientation);
    SetPenWidth(S->FPenWidth);
    SetShadowedColor(S->FShadowedColor);
    SetShowAccelChar(S->FShowAccelChar);
    SetShowEndEllipsis(S->FShowEndEllipsis);
    SetWordWrap(S->FWordWrap);
    EndUpdate();
    return;
  }
  TcxCustomEditProperties::Assign(Source);
}

TClass TcxCustomLabelProperties::GetContainerClass() { return TcxLabel::StaticClass(); }
TClass TcxCustomLabelProperties::GetViewDataClass() { return TcxCustomLabelViewData::StaticClass(); }
TClass TcxCustomLabelProperties::GetViewInfoClass() { return TcxCustomLabelViewInfo::StaticClass(); }

TcxCustomEditViewData* TcxCustomLabelProperties::CreateViewData(TcxContainerStyle* AStyle, bool AIsHosted, bool) {
  return new TcxCustomLabelViewData(this, AStyle, AIsHosted);
}

String TcxCustomLabelProperties::GetDisplayText(const Variant& AValue, bool) {
  return AValue.IsNull() || AValue.IsEmpty() ? String() : VarToStr(AValue);
}

TBitmap* TcxCustomLabelProperties::Glyph() {
  if (!FGlyph) {
    FGlyph = new TBitmap;
    FGlyph->OnChange = TNotifyEvent(this, &TcxCustomLabelProperties::GlyphChanged);
  }
  return FGlyph;
}

void TcxCustomLabelProperties::SetGlyph(TBitmap* Value) {
  if (!Value) {
    if (!FGlyph) return;
    delete FGlyph;
    FGlyph = nullptr;
    Changed();
    return;
  }
  Glyph()->Assign(Value);
}

void TcxCustomLabelProperties::FillPaintParams(TcxLabelPaintParams& AParams) {
  AParams.Angle = FAngle;
  AParams.Effect = FLabelEffect;
  AParams.Style = FLabelStyle;
  AParams.Orientation = FOrientation;
  AParams.Depth = FDepth;
  AParams.PenWidth = FPenWidth;
  AParams.ShadowedColor = FShadowedColor;
  AParams.ShowAccelChar = FShowAccelChar;
  AParams.WordWrap = FWordWrap;
  AParams.Glyph = HasGlyph() ? FGlyph : nullptr;
  AParams.LineVisible = FLineOptions->Visible();
  AParams.LineAlignment = FLineOptions->Alignment();
  AParams.LineInnerColor = FLineOptions->InnerColor();
  AParams.LineOuterColor = FLineOptions->OuterColor();
  AParams.Horz = Alignment()->Horz() == taRightJustify ? cxltsFar
                 : Alignment()->Horz() == taCenter     ? cxltsCenter
                                                       : cxltsNear;
  AParams.Vert = Alignment()->Vert() == taBottomJustify ? cxltsFar
                 : Alignment()->Vert() == taVCenter     ? cxltsCenter
                                                        : cxltsNear;
}

// --- View data and view info ----------------------------------------------------------------

void TcxCustomLabelViewData::CalcKindSpecificParts(TcxCanvas*, TcxCustomEditViewInfo* AViewInfo) {
  auto* VI = dynamic_cast<TcxCustomLabelViewInfo*>(AViewInfo);
  if (!VI) return;
  TcxLabelPaintParams P;
  static_cast<TcxCustomLabelProperties*>(Properties)->FillPaintParams(P);
  if (auto* Edit = dynamic_cast<TcxCustomLabel*>(AViewInfo->Edit)) P.Text = Edit->Caption();
  P.Font = AViewInfo->Font;
  P.TextColor = AViewInfo->TextColor;
  P.BackgroundColor = AViewInfo->BackgroundColor;
  P.ClientRect = AViewInfo->ClientRect;
  P.EndEllipsis = IsHosted && static_cast<TcxCustomLabelProperties*>(Properties)->ShowEndEllipsis();
  P.Painter = AViewInfo->LookPainter();
  const TcxLabelPaintParams& Old = VI->Label;
  // What shows changed: the cached drawing no longer holds.
  if (Old.Text != P.Text || Old.TextColor != P.TextColor || Old.BackgroundColor != P.BackgroundColor ||
      Old.Angle != P.Angle || Old.Effect != P.Effect || Old.Style != P.Style || Old.Orientation != P.Orientation ||
      Old.Depth != P.Depth || Old.Glyph != P.Glyph || Old.LineVisible != P.LineVisible ||
      Old.LineAlignment != P.LineAlignment || Old.Horz != P.Horz || Old.Vert != P.Vert ||
      Old.ShadowedColor != P.ShadowedColor || Old.WordWrap != P.WordWrap || Old.PenWidth != P.PenWidth ||
      Old.ShowAccelChar != P.ShowAccelChar || Old.Painter != P.Painter)
    VI->BitmapDirty = true;
  VI->Label = P;
}

TSize TcxCustomLabelViewData::CalcEditContentSize(TcxCanvas* ACanvas, const Variant& AEditValue,
                                                  const TcxEditSizeProperties& ASize) {
  auto* Props = static_cast<TcxCustomLabelProperties*>(Properties);
  TcxLabelPaintParams P;
  Props->FillPaintParams(P);
  P.Text = Props->GetDisplayText(AEditValue);
  P.Font = Style->GetEffectiveFont();
  const TSize Depth = Props->CalculateDepthDelta();
  const int Offset = cxLabelStyleOffset(P.Style, P.Font ? P.Font->Size() : 8);
  const TRect& Extra = ContentOffsets;
  const int Margin = Extra.Left + Extra.Right;
  const int MaxWidth = ASize.Width > 0 ? std::max(1, ASize.Width - Margin - Offset - Depth.cx) : 0;
  TSize Result = cxCalcLabelTextSize(ACanvas, P, MaxWidth);
  Result.cx += Margin;
  Result.cy += Extra.Top + Extra.Bottom;
  if (P.LineVisible && P.LineAlignment != cxllaCenter && cxLabelNormalizeAngle(P.Angle) == 0 && P.Painter)
    Result.cy += P.Painter->GetLabelLineThickness();
  return Result;
}

TcxCustomLabelViewInfo::~TcxCustomLabelViewInfo() { delete Bitmap; }

void TcxCustomLabelViewInfo::PaintLabel(TcxCanvas* ACanvas, const TPoint& AOffset) {
  ++RenderCount;
  TcxLabelPaintParams P = Label;
  P.ClientRect.Left += AOffset.X;
  P.ClientRect.Right += AOffset.X;
  P.ClientRect.Top += AOffset.Y;
  P.ClientRect.Bottom += AOffset.Y;
  cxPaintLabel(ACanvas, P);
}

void TcxCustomLabelViewInfo::Render(TcxCanvas* ACanvas) {
  const TRect& R = ClientRect;
  if (R.Right <= R.Left || R.Bottom <= R.Top) return;
  // A transparent label shows what lies under it, so it has nothing to cache.
  if (Transparent) {
    TcxCustomEditViewInfo::Render(ACanvas);
    PaintLabel(ACanvas, {0, 0});
    return;
  }
  const int W = Bounds.Right - Bounds.Left, H = Bounds.Bottom - Bounds.Top;
  if (!Bitmap) Bitmap = new TBitmap;
  if (BitmapDirty || !(FCachedBounds == Bounds)) {
    Bitmap->SetSize(W, H);
    TcxCanvas Off(Bitmap->Canvas());
    const TPoint Origin = Off.GetWindowOrigin();
    Off.SetWindowOrigin({Bounds.Left, Bounds.Top});
    TcxCustomEditViewInfo::Render(&Off);
    PaintLabel(&Off, {0, 0});
    Off.SetWindowOrigin(Origin);
    FCachedBounds = Bounds;
    BitmapDirty = false;
  }
  ACanvas->CopyRectangle(Bounds, Bitmap->Canvas(), {0, 0, W, H});
}

// --- Control --------------------------------------------------------------------------------

TcxCustomLabel::TcxCustomLabel(TComponent* AOwner)
    : TcxCustomEdit(AOwner, false, TcxLabelProperties::StaticClass()) {
  ControlStyle().Exclude(csCaptureMouse);
  SetBounds(Left(), Top(), 121, 21);
  SetTabStop(false);
  SetParentColor(true);
  LabelProperties()->OnLineShown = TNotifyEvent(this, &TcxCustomLabel::LineShown);
}

void TcxCustomLabel::LineShown(TObject*) { SetAutoSize(false); }

void TcxCustomLabel::SetAutoSize(bool Value) {
  // The line and the content size exclude each other.
  if (Value) LabelProperties()->LineOptions()->SetVisible(false);
  TcxCustomEdit::SetAutoSize(Value);
}

void TcxCustomLabel::SetFocusControl(TWinControl* Value) {
  if (Value == this || Value == FFocusControl) return;
  if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = Value;
  if (Value) Value->FreeNotification(this);
}

void TcxCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
  TcxCustomEdit::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

bool TcxCustomLabel::IsHorzAnchorUsed() { return LabelProperties()->Alignment()->Horz() != taLeftJustify; }
bool TcxCustomLabel::IsVertAnchorUsed() { return LabelProperties()->Alignment()->Vert() != taTopJustify; }

void TcxCustomLabel::InternalSetEditValue(const Variant& Value, bool AValidateEditValue) {
  TcxCustomEdit::InternalSetEditValue(Value, AValidateEditValue);
  if (FSettingCaption) return;
  FSettingCaption = true;
  SetCaption(ActiveProperties()->GetDisplayText(Value));
  FSettingCaption = false;
}

void TcxCustomLabel::PropertiesChanged(TObject* Sender) {
  if (auto* VI = LabelViewInfo()) VI->BitmapDirty = true;
  TcxCustomEdit::PropertiesChanged(Sender);
}

void TcxCustomLabel::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_DIALOGCHAR:
      if (FFocusControl && Enabled() && LabelProperties()->ShowAccelChar() &&
          IsAccel(uint16_t(Message.WParam), Caption()) && FFocusControl->CanFocus()) {
        FFocusControl->SetFocus();
        Message.Result = 1;
        return;
      }
      break;
    case CM_TEXTCHANGED:
      TcxCustomEdit::Dispatch(Message);
      if (!FSettingCaption) {
        FSettingCaption = true;
        SetEditValue(Variant(Caption()));
        FSettingCaption = false;
      }
      if (AutoSize()) AdjustSize();
      Invalidate();
      return;
    default:
      break;
  }
  TcxCustomEdit::Dispatch(Message);
}
