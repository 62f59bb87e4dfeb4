// TcxGroupBox: panel style, extents, caption layout, painting, children's
// rectangle, the accelerator and the frame of a skinned non-client caption.
#include <algorithm>
#include <memory>

#include "cxEditPaintUtils_win.h"
#include "cxGroupBox_win.h"
#include "cxLookAndFeelPainters_native_win.h"
#include "cxLookAndFeelPainters_win.h"
#include "cxMessages.h"
#include "dxOffice11_win.h"
#include "dxThemeManager.h"

namespace {

TRect ShrinkBy(const TRect& R, const TRect& E) { return TRect{R.Left + E.Left, R.Top + E.Top, R.Right - E.Right, R.Bottom - E.Bottom}; }

bool IsEmpty(const TRect& R) { return R.Right <= R.Left || R.Bottom <= R.Top; }

TSize CaptionTextSize(TFont* AFont, const String& ACaption) {
  const String text = RemoveAccelChars(ACaption);
  return TSize{FontTextWidth(AFont, text), FontTextHeight(AFont, text.empty() ? String(L"Wg") : text)};
}

}  // namespace

// --- Panel style ----------------------------------------------------------------------------------
TPersistent* TcxPanelStyle::GetOwner() { return FOwner; }

void TcxPanelStyle::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TcxPanelStyle*>(Source)) {
    FActive = source->FActive;
    FCaptionIndent = source->FCaptionIndent;
    FWordWrap = source->FWordWrap;
    FOfficeBackgroundKind = source->FOfficeBackgroundKind;
    Changed(true);
    return;
  }
  TPersistent::Assign(Source);
}

void TcxPanelStyle::Changed(bool AAlways) {
  if (FOwner && (AAlways || FActive)) FOwner->LayoutChanged();
}

void TcxPanelStyle::SetActive(bool Value) {
  if (FActive == Value) return;
  FActive = Value;
  Changed(true);
}

void TcxPanelStyle::SetBorderWidth(int Value) {
  if (FBorderWidth == Value) return;
  FBorderWidth = std::max(Value, 0);
  Changed();
}

void TcxPanelStyle::SetCaptionIndent(int Value) {
  Value = std::max(Value, cxGroupBoxMinCaptionIndent);
  if (FCaptionIndent == Value) return;
  FCaptionIndent = Value;
  Changed();
}

void TcxPanelStyle::SetOfficeBackgroundKind(TcxPanelOffice11BackgroundKind Value) {
  if (FOfficeBackgroundKind == Value) return;
  FOfficeBackgroundKind = Value;
  if (FActive && FOwner && FOwner->Style()->LookAndFeel()->Kind() == lfOffice11) FOwner->LayoutChanged();
}

void TcxPanelStyle::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  Changed();
}

// --- Properties -----------------------------------------------------------------------------------
TClass TcxCustomGroupBoxProperties::GetContainerClass() { return TcxGroupBox::StaticClass(); }
TClass TcxCustomGroupBoxProperties::GetViewDataClass() { return TcxGroupBoxViewData::StaticClass(); }
TClass TcxCustomGroupBoxProperties::GetViewInfoClass() { return TcxGroupBoxViewInfo::StaticClass(); }

TcxCustomEditViewData* TcxCustomGroupBoxProperties::CreateViewData(TcxContainerStyle* AStyle, bool AIsHosted, bool) {
  return new TcxGroupBoxViewData(this, AStyle, AIsHosted);
}

void TcxGroupBoxButtonViewInfo::GetGlyphRect(const TSize& AGlyphSize, TRect& ARect, TAlignment AAlignment) const {
  const int top = Bounds.Top + (Bounds.Bottom - Bounds.Top - AGlyphSize.cy) / 2;
  const int left = AAlignment == taRightJustify ? Bounds.Left : Bounds.Right - AGlyphSize.cx;
  ARect = TRect{left, top, left + AGlyphSize.cx, top + AGlyphSize.cy};
}

// --- View data ------------------------------------------------------------------------------------
TcxGroupBoxExtentParams TcxGroupBoxViewData::ExtentParams() {
  TcxGroupBoxExtentParams p;
  p.BorderExtent = TcxCustomEditViewData::GetBorderExtent();
  p.Standalone = !IsHosted;
  if (!Box) return p;
  p.PanelStyle = Box->PanelStyle()->Active();
  p.Alignment = Box->Alignment();
  p.CaptionTextHeight = FontTextHeight(Box->CaptionFont(), L"Wg");
  p.Shadow = HasShadow();
  p.Skinned = IsSkinned();
  if (p.Skinned) {
    TcxCustomLookAndFeelPainterClass skin = Style->LookAndFeel()->CurrentSkinPainter();
    const TcxGroupBoxCaptionPosition position = GroupBoxAlignmentToCaptionPosition(p.Alignment);
    p.SkinFrameExtents = p.PanelStyle ? skin->GetGroupBoxPanelBorderExtents()
                                      : skin->GetGroupBoxFrameExtents(false, position);
    p.SkinCaptionBand = CalcGroupBoxSkinCaptionBand(p.Alignment, skin->GetGroupBoxFrameExtents(true, position));
    p.NonClientCaption = Box->IsNonClientCaption();
  }
  return p;
}

TRect TcxGroupBoxViewData::GetBorderExtent() { return CalcGroupBoxBorderExtent(ExtentParams()); }

TRect TcxGroupBoxViewData::GetClientExtent() { return CalcGroupBoxClientExtent(ExtentParams()); }

bool TcxGroupBoxViewData::HasShadow() { return Box && Box->HasShadow() && TcxCustomEditViewData::HasShadow(); }

TColor TcxGroupBoxViewData::GetBorderColor(bool) {
  const TcxEditBorderStyle style = TcxEditBorderStyle(Style->BorderStyle());
  if (style != ebsUltraFlat && style != ebsOffice11) return Style->BorderColor();
  return State.Enabled ? GetEditHighlightBorderColor(style == ebsOffice11) : TColor(clBtnShadow);
}

void TcxGroupBoxViewData::Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P, int AButtonCode,
                                    TShiftState AShift, TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) {
  // A group box is never hot or focused: only enabled or not.
  State.Focused = false;
  TcxCustomEditViewData::Calculate(ACanvas, ABounds, TPoint{-1, -1}, 0, TShiftState{}, AViewInfo, AIsMouseEvent);
  (void)P;
  (void)AButtonCode;
  (void)AShift;
  auto* v = static_cast<TcxGroupBoxViewInfo*>(AViewInfo);
  v->ContainerState = State.Enabled ? ContainerStateNormal : ContainerStateDisabled;
  v->Box = Box;
  v->IsDesigning = State.DesignTime;
  if (!Box) return;
  const TcxGroupBoxExtentParams params = ExtentParams();
  v->Alignment = params.Alignment;
  v->PanelStyle = params.PanelStyle;
  v->PanelBorderWidth = Box->PanelStyle()->BorderWidth();
  v->PanelWordWrap = Box->PanelStyle()->WordWrap();
  v->OfficeBackgroundKind = Box->PanelStyle()->OfficeBackgroundKind();
  v->Caption = Box->Caption();
  v->CaptionFont = Box->CaptionFont();
  v->Ctl3D = Box->Ctl3D();
  v->HasShadowFrame = params.Shadow;
  v->Shadow = false;
  v->ClientRect = ShrinkBy(ABounds, CalcGroupBoxClientExtent(params));
  v->CaptionRect = v->CaptionTextRect = TRect{};
  if (IsHosted) return;
  const int width = ABounds.Right - ABounds.Left, height = ABounds.Bottom - ABounds.Top;
  const bool hasCaption = !v->Caption.empty();
  if (params.PanelStyle) {
    TRect bounds = ABounds;
    if (params.Shadow) {
      bounds.Right -= cxGroupBoxShadowSize;
      bounds.Bottom -= cxGroupBoxShadowSize;
    }
    const int border = GetContainerBorderWidth(TcxContainerBorderStyle(Style->BorderStyle()), nullptr);
    bounds = CalcGroupBoxPanelCaptionBounds(bounds, params.Alignment, Style->BorderShown() ? border : 0,
                                            Box->PanelStyle()->CaptionIndent());
    TRect measured{0, 0, bounds.Right - bounds.Left, 0};
    if (hasCaption) {
      HDC dc = GetDC(nullptr);
      HGDIOBJ old = SelectObject(dc, v->CaptionFont->Handle());
      RECT r{0, 0, measured.Right, 0};
      // Measured at the top: with vertical centring the system shrinks the result.
      const unsigned flags = Box->GetPanelTextFlags() & ~unsigned(DT_VCENTER | DT_BOTTOM);
      DrawTextW(dc, v->Caption.c_str(), int(v->Caption.size()), &r, flags | DT_CALCRECT);
      SelectObject(dc, old);
      ReleaseDC(nullptr, dc);
      measured = TRect{0, 0, int(r.right - r.left), int(r.bottom - r.top)};
      v->CaptionTextRect = PlaceGroupBoxPanelCaption(bounds, TSize{measured.Right, measured.Bottom}, params.Alignment);
      // Clipped to the caption's bounds, not to the measured text: letters of
      // a substituted font may reach beyond the measured height.
      v->CaptionRect = bounds;
    }
    return;
  }
  if (params.Skinned) {
    TcxCustomLookAndFeelPainterClass skin = Style->LookAndFeel()->CurrentSkinPainter();
    TcxGroupBoxSkinnedCaptionParams sp;
    sp.Width = width;
    sp.Height = height;
    sp.Alignment = params.Alignment;
    const TSize text = CaptionTextSize(v->CaptionFont, v->Caption);
    sp.TextSize = TSize{text.cx, std::max(int(text.cy), FontTextHeight(v->CaptionFont, L"Qq"))};
    sp.CaptionPartExtents = skin->GetGroupBoxFrameExtents(true, GroupBoxAlignmentToCaptionPosition(params.Alignment));
    sp.NonClientCaption = params.NonClientCaption;
    const TcxGroupBoxCaptionLayout layout = CalcGroupBoxSkinnedCaption(sp);
    v->CaptionRect = layout.CaptionRect;
    v->CaptionTextRect = layout.CaptionTextRect;
    v->BorderRect = layout.BorderRect;
    if (Box->OnMeasureCaptionHeight) {
      int thickness = GroupBoxCaptionBandThickness(v->CaptionRect, params.Alignment);
      Box->OnMeasureCaptionHeight(Box, skin, thickness);
      v->CaptionRect = ResizeGroupBoxCaptionBand(v->CaptionRect, params.Alignment, thickness);
    }
    return;
  }
  const TRect r = CalcGroupBoxFramedCaptionRect(params.Alignment, width, height,
                                                CaptionTextSize(v->CaptionFont, v->Caption), params.Shadow, hasCaption);
  v->CaptionRect = v->CaptionTextRect = r;
}

// --- View info: painting --------------------------------------------------------------------------
void TcxGroupBoxViewInfo::DrawBackground(TcxCanvas* ACanvas, TcxCustomLookAndFeelPainterClass ASkin) {
  TWinControl* control = Box;
  const TcxLookAndFeelKind kind = LookAndFeel ? LookAndFeel->Kind() : lfStandard;
  TRect panel = Bounds;
  if (HasShadowFrame) {
    panel.Right -= cxGroupBoxShadowSize;
    panel.Bottom -= cxGroupBoxShadowSize;
  }
  if (ASkin) {
    TRect r = PanelStyle ? panel : EditBorderStyle != ebsNone ? BorderRect : Bounds;
    if (Box && Box->DoCustomDrawContentBackground(ACanvas, ASkin)) return;
    const TcxGroupBoxCaptionPosition position =
        Caption.empty() ? cxgpCenter : GroupBoxAlignmentToCaptionPosition(Alignment);
    if (PanelStyle) {
      ASkin->DrawGroupBoxPanelStyle(ACanvas, r, EditBorderStyle != ebsNone);
    } else if (EditBorderStyle != ebsNone) {
      if (control && (ASkin->IsGroupBoxPartTransparent(false, position) || ASkin->IsGroupBoxPartTransparent(true, position)))
        PaintParentBackground(control, ACanvas, Bounds, false);
      ASkin->DrawGroupBoxContent(ACanvas, r, position, Edges);
    } else {
      ASkin->DrawGroupBoxBackground(ACanvas, r, Bounds);
    }
    return;
  }
  const bool office11Panel = PanelStyle && kind == lfOffice11 && !NativeStyle;
  if (NativeStyle || office11Panel) {
    if (PanelStyle) {
      TcxCustomLookAndFeelPainterClass painter = LookPainter();
      if (EditBorderStyle != ebsNone) panel = ShrinkBy(panel, TRect{painter->GetBorderWidth(), painter->GetBorderWidth(),
                                                                    painter->GetBorderWidth(), painter->GetBorderWidth()});
      TColor color1 = BackgroundColor, color2 = BackgroundColor;
      if (Transparent) {
        color1 = color2 = clDefault;
      } else if (office11Panel) {
        if (OfficeBackgroundKind == pobkGradient) {
          color1 = Office11ToolbarColor1();
          color2 = Office11ToolbarColor2();
        } else if (OfficeBackgroundKind == pobkOffice11Color) {
          color1 = color2 = BlendColors(Office11ToolbarColor1(), Office11ToolbarColor2(), 50);
        }
      } else if (NativeBackground && control) {
        cxDrawThemeParentBackground(control, ACanvas, panel);
        return;
      }
      painter->PaintGroupBoxCaptionArea(ACanvas, control, panel, color1, color2);
      return;
    }
    if (Transparent) {
      if (control) PaintParentBackground(control, ACanvas, Bounds, false);
    } else if (NativeBackground && control &&
               IsThemeBackgroundPartiallyTransparent(AcquireThemeHandle(totButton), 4, Enabled ? 1 : 2)) {
      cxDrawThemeParentBackground(control, ACanvas, Bounds);
    } else {
      ACanvas->FillRect(Bounds, BackgroundColor);
    }
    return;
  }
  if (HasShadowFrame) {
    TRect frame = PanelStyle ? Bounds : BorderRect;
    if (!PanelStyle) frame = TRect{frame.Left - BorderWidth, frame.Top - BorderWidth, frame.Right + BorderWidth + cxGroupBoxShadowSize,
                                   frame.Bottom + BorderWidth + cxGroupBoxShadowSize};
    PaintContainerShadow(ACanvas, frame);
  }
  if (Transparent) {
    if (control) PaintParentBackground(control, ACanvas, Bounds, false);
  } else {
    ACanvas->FillRect(Bounds, BackgroundColor);
  }
}

void TcxGroupBoxViewInfo::DrawCaption(TcxCanvas* ACanvas) {
  if (Caption.empty()) return;
  ACanvas->SaveDeviceState();
  ACanvas->IntersectClipRectangle(CaptionRect);
  TcxCustomLookAndFeelPainterClass skin = UsesSkinPainter ? Painter : nullptr;
  if (!(Box && Box->DoCustomDrawCaption(ACanvas, skin ? skin : LookPainter()))) {
    if (CaptionFont) ACanvas->SetFont(CaptionFont);
    TColor color = TextColor;
    if (skin || NativeStyle) {
      TcxCustomLookAndFeelPainterClass painter = skin ? skin : LookPainter();
      const TColor painterColor =
          PanelStyle ? painter->GetGroupBoxPanelTextColor()
                     : painter->GetGroupBoxCaptionTextColor(Enabled, GroupBoxAlignmentToCaptionPosition(Alignment));
      if (painterColor != clDefault) color = painterColor;
    }
    ACanvas->Font()->SetColor(color);
    if (skin && !PanelStyle) {
      TRect band = CaptionRect;
      if (EditBorderStyle == ebsNone) {
        const TRect e = skin->GetGroupBoxFrameExtents(false, GroupBoxAlignmentToCaptionPosition(Alignment));
        switch (GroupBoxAlignmentToCaptionPosition(Alignment)) {
          case cxgpTop: band.Bottom += e.Bottom; break;
          case cxgpBottom: band.Top -= e.Top; break;
          case cxgpLeft: band.Right += e.Right; break;
          case cxgpRight: band.Left -= e.Left; break;
          default: break;
        }
      }
      skin->DrawGroupBoxCaption(ACanvas, band, GroupBoxAlignmentToCaptionPosition(Alignment));
    }
    if (PanelStyle) {
      // The panel caption goes through the canvas's text routine, placed by
      // the panel's flags inside its measured rectangle.
      const unsigned dt = Box->GetPanelTextFlags();
      TcxTextFlags flags = cxShowPrefix;
      flags |= (dt & DT_CENTER) ? cxAlignHCenter : (dt & DT_RIGHT) ? cxAlignRight : cxAlignLeft;
      flags |= (dt & DT_VCENTER) ? cxAlignVCenter : (dt & DT_BOTTOM) ? cxAlignBottom : cxAlignTop;
      flags |= (dt & DT_WORDBREAK) ? cxWordBreak : cxSingleLine;
      ACanvas->Brush()->SetStyle(bsClear);
      ACanvas->DrawTextInRect(Caption, CaptionTextRect, flags);
      ACanvas->Brush()->SetStyle(bsSolid);
    } else {
      DrawGroupBoxCaptionText(ACanvas, Caption, CaptionTextRect, Alignment, false, DT_SINGLELINE | DT_LEFT | DT_TOP);
    }
  }
  ACanvas->RestoreDeviceState();
}

void TcxGroupBoxViewInfo::DrawFrame(TcxCanvas* ACanvas, TcxCustomLookAndFeelPainterClass ASkin) {
  if (ASkin) return;
  if (NativeStyle) {
    if (PanelStyle) {
      if (EditBorderStyle != ebsNone) {
        TRect panel = Bounds;
        LookPainter()->PaintControlBorder(ACanvas, panel);
      }
      return;
    }
    const int qq = CaptionFont ? FontTextHeight(CaptionFont, L"Qq") : 0;
    const TRect frame = CalcGroupBoxNativeFrameRect(Bounds, Alignment, qq);
    TcxWinXPLookAndFeelPainter::Instance()->PaintGroupBoxFrame(ACanvas, frame, Enabled, cxgpCenter, cxBordersAll);
    return;
  }
  TRect frame = BorderRect;
  if (PanelStyle) {
    frame = Bounds;
    if (HasShadowFrame) {
      frame.Right -= cxGroupBoxShadowSize;
      frame.Bottom -= cxGroupBoxShadowSize;
    }
  } else {
    if (Edges.Contains(bLeft)) frame.Left -= BorderWidth;
    if (Edges.Contains(bTop)) frame.Top -= BorderWidth;
    if (Edges.Contains(bRight)) frame.Right += BorderWidth;
    if (Edges.Contains(bBottom)) frame.Bottom += BorderWidth;
  }
  TcxGroupBoxFrameParams p;
  p.BorderStyle = EditBorderStyle;
  p.Ctl3D = Ctl3D;
  p.BorderColor = BorderColor;
  p.BackgroundColor = BackgroundColor;
  p.Edges = Edges;
  p.Enabled = Enabled;
  p.Position = GroupBoxAlignmentToCaptionPosition(Alignment);
  PaintGroupBoxFrameByBorderStyle(ACanvas, frame, p);
}

void TcxGroupBoxViewInfo::PaintBackgroundAndBorder(TcxCanvas* ACanvas) {
  if (IsHosted) {
    DrawBackgroundByKind(ACanvas, Bounds, true, TRect{});
    return;
  }
  TcxCustomLookAndFeelPainterClass skin = UsesSkinPainter ? Painter : nullptr;
  ACanvas->SaveDeviceState();
  DrawBackground(ACanvas, skin);
  ACanvas->RestoreDeviceState();
  DrawCaption(ACanvas);
  ACanvas->SaveDeviceState();
  if (!PanelStyle && !IsEmpty(CaptionRect)) ACanvas->ExcludeClipRectangle(CaptionRect);
  DrawFrame(ACanvas, skin);
  ACanvas->RestoreDeviceState();
}

// --- Control --------------------------------------------------------------------------------------
TcxCustomGroupBox::TcxCustomGroupBox(TComponent* AOwner)
    : TcxCustomGroupBox(AOwner, false, TcxCustomGroupBoxProperties::StaticClass()) {}

TcxCustomGroupBox::TcxCustomGroupBox(TComponent* AOwner, bool AIsHosted, TClass APropertiesClass)
    : TcxCustomEdit(AOwner, AIsHosted, APropertiesClass) {
  Initialize();
}

TcxCustomGroupBox::~TcxCustomGroupBox() {
  delete FPanelStyle;
  FPanelStyle = nullptr;
  delete FCaptionFont;
  FCaptionFont = nullptr;
}

// The base's part ran in its own constructor; the box's part runs once the box exists.
void TcxCustomGroupBox::Initialize() {
  if (FPanelStyle) return;
  TControlStyle style = ControlStyle();
  style.Include(csAcceptsControls);
  style.Include(csCaptureMouse);
  style.Include(csClickEvents);
  SetControlStyle(style);
  SetAutoSize(false);
  SetBounds(Left(), Top(), 185, 105);
  FCaptionFont = new TFont();
  UpdateCaptionFont();
  SetTabStop(false);
  SetParentColor(true);
  FPanelStyle = CreatePanelStyle();
}

void TcxCustomGroupBox::InitializeViewData(TcxCustomEditViewData* AViewData) {
  TcxCustomEdit::InitializeViewData(AViewData);
  AViewData->State.Focused = false;
  if (auto* data = dynamic_cast<TcxGroupBoxViewData*>(AViewData)) data->Box = this;
}

void TcxCustomGroupBox::UpdateCaptionFont() {
  if (FCaptionFont) FCaptionFont->Assign(Style()->GetEffectiveFont());
}

void TcxCustomGroupBox::SetAlignment(TcxCaptionAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  LayoutChanged();
}

void TcxCustomGroupBox::SetPanelStyle(TcxPanelStyle* Value) {
  FPanelStyle->Assign(Value);
  LayoutChanged();
}

void TcxCustomGroupBox::LayoutChanged() {
  if (!FPanelStyle || IsEditDestroying()) return;
  UpdateCaptionFont();
  RefreshViewStateAtCursor(this, false);
  UpdateFrame();
  Realign();
  Invalidate();
}

bool TcxCustomGroupBox::IsNonClientCaption() {
  TcxLookAndFeel* lookAndFeel = Style()->LookAndFeel();
  return FPanelStyle && !FPanelStyle->Active() && CanUseNonClientCaption() && lookAndFeel &&
         lookAndFeel->CurrentSkinPainter() && !Caption().empty() && FAlignment != alCenterCenter;
}

void TcxCustomGroupBox::UpdateFrame() {
  if (!HandleAllocated()) return;
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  PostMessageW(Handle(), CXM_GROUPBOXREFRAME, 0, 0);
}

bool TcxCustomGroupBox::HasShadow() {
  TcxLookAndFeel* lookAndFeel = Style()->LookAndFeel();
  const bool native = TcxCustomEditViewData::UsesNativeBorder(lookAndFeel);
  const bool skinned = lookAndFeel && lookAndFeel->CurrentSkinPainter();
  return FPanelStyle && GroupBoxHasShadow(Style()->Shadow(), FPanelStyle->Active(), FAlignment, native, skinned);
}

bool TcxCustomGroupBox::UsesNativeBackground() {
  return TcxCustomEditViewData::UsesNativeBorder(Style()->LookAndFeel()) && ParentBackground() && !IsHosted() &&
         !Transparent();
}

TcxContainerStyle* TcxCustomGroupBox::GetStyleForState(TcxContainerState AState) {
  return (AState & ContainerStateDisabled) ? StyleDisabled() : Style();
}

void TcxCustomGroupBox::StyleChanged(TObject* Sender) {
  UpdateCaptionFont();
  TcxCustomEdit::StyleChanged(Sender);
  if (HandleAllocated() && FPanelStyle) Realign();
}

TcxContainerStyleValues TcxCustomGroupBox::GetUnstoredStyleValues() {
  TcxContainerStyleValues values = TcxCustomEdit::GetUnstoredStyleValues();
  values.Include(svHotTrack);
  return values;
}

TRect TcxCustomGroupBox::ClientExtent() {
  std::unique_ptr<TcxCustomEditViewData> data(CreateViewData());
  auto* groupData = dynamic_cast<TcxGroupBoxViewData*>(data.get());
  return groupData ? groupData->GetClientExtent() : TRect{};
}

void TcxCustomGroupBox::AdjustClientRect(TRect& Rect) {
  if (!FPanelStyle) {
    TcxCustomEdit::AdjustClientRect(Rect);
    return;
  }
  Rect = CalcGroupBoxClientRect(Width(), Height(), ClientExtent(), FPanelStyle->Active(), FPanelStyle->BorderWidth());
}

void TcxCustomGroupBox::GetBorderBounds(TRect& R) {
  TRect inherited = R;
  TcxCustomEdit::GetBorderBounds(inherited);
  if (!FPanelStyle) {
    R = inherited;
    return;
  }
  R = CalcGroupBoxBorderBounds(TRect{0, 0, Width(), Height()}, inherited, FPanelStyle->Active(), HasShadow(),
                               FAlignment);
}

void TcxCustomGroupBox::GetRegionMargins(TRect& AMargins) {
  TcxCustomEdit::GetRegionMargins(AMargins);
  const TcxGroupBoxCaptionPosition position = GroupBoxAlignmentToCaptionPosition(FAlignment);
  if (position == cxgpTop) AMargins.Top = EditViewInfo()->BorderRect.Top;
  if (position == cxgpLeft) AMargins.Left = EditViewInfo()->BorderRect.Left;
}

void TcxCustomGroupBox::CreateHandle() {
  TcxCustomEdit::CreateHandle();
  UpdateFrame();
}

bool TcxCustomGroupBox::DoCustomDrawCaption(TcxCanvas* ACanvas, TcxCustomLookAndFeelPainterClass APainter) {
  bool done = false;
  if (OnCustomDrawCaption) OnCustomDrawCaption(this, ACanvas, APainter, done);
  return done;
}

bool TcxCustomGroupBox::DoCustomDrawContentBackground(TcxCanvas* ACanvas, TcxCustomLookAndFeelPainterClass APainter) {
  bool done = false;
  if (OnCustomDrawContentBackground) OnCustomDrawContentBackground(this, ACanvas, APainter, done);
  return done;
}

void TcxCustomGroupBox::Paint() {
  bool done = false;
  if (OnCustomDraw) OnCustomDraw(this, done);
  if (!done) TcxCustomEdit::Paint();
}

void TcxCustomGroupBox::Resize() {
  TcxCustomEdit::Resize();
  if (IsNonClientCaption() && HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TcxCustomGroupBox::CMDialogChar(TMessage& Message) {
  if (IsAccel(WPARAM(Message.WParam), Caption()) && CanFocus()) {
    FDialogChar = true;
    try {
      if (TWinControl* first = FindNextControl(nullptr, true, true, false)) first->SetFocus();
    } catch (...) {
      FDialogChar = false;
      throw;
    }
    FDialogChar = false;
    Message.Result = 1;
    return;
  }
  TcxCustomEdit::Dispatch(Message);
}

void TcxCustomGroupBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_DIALOGCHAR: CMDialogChar(Message); return;
    case CXM_GROUPBOXREFRAME:
      if (HandleAllocated())
        RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
      Realign();
      return;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      TcxCustomEdit::Dispatch(Message);
      LayoutChanged();
      return;
    case CM_ENABLEDCHANGED:
      TcxCustomEdit::Dispatch(Message);
      RefreshViewStateAtCursor(this, false);
      Invalidate();
      return;
    default: TcxCustomEdit::Dispatch(Message); return;
  }
}
