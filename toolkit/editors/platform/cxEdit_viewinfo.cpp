// The view info: paints an editor's background, border and buttons, answers
// hit tests and hints, and tells what changed since an older calculation.
#include <algorithm>
#include <memory>

#include "cxEditPaintUtils.h"
#include "cxEditPaintUtils_win.h"
#include "cxEdit_win.h"
#include "dxOffice11_win.h"
#include "dxThemeManager.h"

namespace {

bool IsEmptyRect(const TRect& R) { return R.Right <= R.Left || R.Bottom <= R.Top; }

RECT ToRECT(const TRect& R) { return RECT{R.Left, R.Top, R.Right, R.Bottom}; }

TcxButtonState EditButtonStateToButtonState(TcxEditButtonState AState) {
  static constexpr TcxButtonState states[] = {cxbsDisabled, cxbsNormal, cxbsPressed, cxbsHot};
  return states[AState];
}

// Glyph and text buttons are the skin's plain editor button under their content.
TcxEditBtnKind EditButtonKindToSkinKind(TcxEditButtonKind AKind) {
  static constexpr TcxEditBtnKind kinds[] = {cxbkEllipsisBtn, cxbkComboBtn, cxbkEditorBtn, cxbkEditorBtn};
  return kinds[AKind];
}


}  // namespace

// --- Button view info -----------------------------------------------------------------------
void TcxEditButtonViewInfo::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxEditButtonViewInfo*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  NativeState = source->NativeState;
  BackgroundColor = source->BackgroundColor;
  Bounds = source->Bounds;
  VisibleBounds = source->VisibleBounds;
  Style = source->Style;
  State = source->State;
}

bool TcxEditButtonViewInfo::DiffersFrom(const TcxEditButtonViewInfo* AOld) const {
  return Style != AOld->Style || State != AOld->State || BackgroundColor != AOld->BackgroundColor ||
         NativeState != AOld->NativeState;
}

// --- View info ------------------------------------------------------------------------------
TcxCustomEditViewInfo::~TcxCustomEditViewInfo() { ClearButtons(); }

void TcxCustomEditViewInfo::ClearButtons() {
  for (TcxEditButtonViewInfo* b : Buttons) delete b;
  Buttons.clear();
}

TcxEditButtonViewInfo* TcxCustomEditViewInfo::AddButton() {
  auto* b = static_cast<TcxEditButtonViewInfo*>(GetButtonViewInfoClass()->Create(nullptr));
  Buttons.push_back(b);
  return b;
}

TcxCustomLookAndFeelPainterClass TcxCustomEditViewInfo::LookPainter() const {
  if (LookAndFeel && LookAndFeel->Painter()) return LookAndFeel->Painter();
  return GetPainterOfKind(lfStandard);
}

int TcxCustomEditViewInfo::GetPartIndexAt(const TPoint& P) const {
  std::vector<TRect> bounds;
  for (const TcxEditButtonViewInfo* b : Buttons) bounds.push_back(b->VisibleBounds);
  return CalcEditPartIndexAt(P, BorderRect, bounds);
}

TRect TcxCustomEditViewInfo::GetPartRect(int APartIndex) const {
  if (APartIndex >= 0) return APartIndex < ButtonCount() ? Buttons[APartIndex]->Bounds : TRect{};
  TRect r = BorderRect;
  for (const TcxEditButtonViewInfo* b : Buttons) {
    if (!b->ContentSide || IsEmptyRect(b->Bounds)) continue;
    if (b->LeftAlignment)
      r.Left = std::max(r.Left, b->Bounds.Right);
    else
      r.Right = std::min(r.Right, b->Bounds.Left);
  }
  return r;
}

int TcxCustomEditViewInfo::FindPressedButton() const {
  for (int i = 0; i < ButtonCount(); ++i)
    if (Buttons[i]->State == ebsSelected) return i;
  return -1;
}

String TcxCustomEditViewInfo::GetHintText(int APartIndex) const {
  if (APartIndex < 0 || APartIndex >= ButtonCount()) return String();
  const String& hint = Buttons[APartIndex]->Hint;
  const auto bar = hint.find(L'|');
  return bar == String::npos ? hint : hint.substr(0, bar);
}

bool TcxCustomEditViewInfo::GetHintInfo(TcxCanvas* /*ACanvas*/, const TPoint& P, String& AText, bool& AMultiLine,
                                        TRect& ARect) {
  AMultiLine = false;
  AText = GetHintText(GetPartIndexAt(P));
  if (AText.empty()) return false;
  // Measured by a hint window of the application's class, never shown.
  TClass windowClass = HintWindowClass && HintWindowClass->InheritsFrom(THintWindow::StaticClass())
                           ? HintWindowClass
                           : THintWindow::StaticClass();
  std::unique_ptr<THintWindow> window(static_cast<THintWindow*>(windowClass->Create(nullptr)));
  const TRect size = window->CalcHintRect(Screen->Width(), AText, nullptr);
  POINT cursor{};
  GetCursorPos(&cursor);
  const int below = GetCurrentCursorSize().cy;
  ARect = TRect{size.Left + cursor.x, size.Top + cursor.y + below, size.Right + cursor.x,
                size.Bottom + cursor.y + below};
  return true;
}

void TcxCustomEditViewInfo::StoreButtonStates() {
  LastPressedButton = PressedButton;
  LastSelectedButton = SelectedButton;
}

void TcxCustomEditViewInfo::Assign(TcxContainerViewInfo* AViewInfo) {
  TcxContainerViewInfo::Assign(AViewInfo);
  auto* source = dynamic_cast<TcxCustomEditViewInfo*>(AViewInfo);
  if (!source) return;
  Bounds = source->Bounds;
  BorderRect = source->BorderRect;
  BackgroundColor = source->BackgroundColor;
  BorderColor = source->BorderColor;
  EditBorderStyle = source->EditBorderStyle;
  NativeState = source->NativeState;
  ContainerState = source->ContainerState;
  PressedButton = source->PressedButton;
  SelectedButton = source->SelectedButton;
  ClearButtons();
  for (TcxEditButtonViewInfo* b : source->Buttons) AddButton()->Assign(b);
}

void TcxCustomEditViewInfo::Shift(int DX, int DY) {
  TcxContainerViewInfo::Shift(DX, DY);
  auto move = [&](TRect& R) { R = OffsetRectBy(R, TPoint{DX, DY}); };
  move(InnerEditRect);
  move(ShadowRect);
  for (TcxEditButtonViewInfo* b : Buttons) {
    move(b->Bounds);
    move(b->VisibleBounds);
  }
}

TcxRegion* TcxCustomEditViewInfo::CreateUpdateRegion(TcxContainerViewInfo* AViewInfo) {
  TcxRegion* region = TcxContainerViewInfo::CreateUpdateRegion(AViewInfo);
  auto* old = dynamic_cast<TcxCustomEditViewInfo*>(AViewInfo);
  const bool sameFrame = old && (EditBorderStyle == ebsNone || old->BorderColor == BorderColor) &&
                         old->EditBorderStyle == EditBorderStyle && old->ButtonCount() == ButtonCount() &&
                         old->NativeState == NativeState;
  if (!sameFrame) {
    region->CombineWith(new TcxRegion(Bounds), roAdd);
    return region;
  }
  for (int i = 0; i < ButtonCount(); ++i)
    if (Buttons[i]->DiffersFrom(old->Buttons[i])) region->CombineWith(new TcxRegion(Buttons[i]->Bounds), roAdd);
  return region;
}

void TcxCustomEditViewInfo::InvalidateAll(HWND AWindow) {
  if (AWindow) InvalidateRectExcept(AWindow, Bounds, InnerEditRect, true);
}

bool TcxCustomEditViewInfo::InvalidateChangedParts(HWND AWindow, TcxCustomEditViewInfo* AOld) {
  if (!AWindow) return false;
  if (!AOld) {
    InvalidateAll(AWindow);
    return true;
  }
  if (AOld->NativeState != NativeState || AOld->BackgroundColor != BackgroundColor ||
      (RepaintsOnStateChange() && AOld->ContainerState != ContainerState) || AOld->ButtonCount() != ButtonCount()) {
    InvalidateAll(AWindow);
    return true;
  }
  bool result = false;
  if (AOld->BorderColor != BorderColor || AOld->EditBorderStyle != EditBorderStyle) {
    InvalidateRectExcept(AWindow, Bounds, BorderRect, true);
    result = true;
  }
  for (int i = 0; i < ButtonCount(); ++i)
    if (Buttons[i]->DiffersFrom(AOld->Buttons[i])) {
      const RECT r = ToRECT(Buttons[i]->Bounds);
      InvalidateRect(AWindow, &r, TRUE);
      result = true;
    }
  return result;
}

// --- Painting -------------------------------------------------------------------------------
void TcxCustomEditViewInfo::Render(TcxCanvas* ACanvas) {
  if (OnPaint) OnPaint(this, ACanvas);
  PaintBackgroundAndBorder(ACanvas);
}

void TcxCustomEditViewInfo::PaintBackgroundAndBorder(TcxCanvas* ACanvas) {
  ACanvas->SaveDeviceState();
  const bool clipButtons = ButtonCount() > 0 && !Buttons[0]->Transparent;
  if (clipButtons)
    for (TcxEditButtonViewInfo* b : Buttons)
      if (!IsEmptyRect(b->VisibleBounds)) ACanvas->ExcludeClipRectangle(b->VisibleBounds);
  bool handled = false;
  if (OnDrawBackground) OnDrawBackground(this, ACanvas, handled);
  if (!handled) {
    if (NativeStyle && CanUseThemeKind(totEdit)) {
      HTHEME theme = AcquireThemeHandle(totEdit);
      const RECT bounds = ToRECT(Bounds);
      TRect inner = Bounds;
      if (!IsHosted && EditBorderStyle != ebsNone) {
        DrawThemeBackground(theme, ACanvas->Handle(), 1, NativeState, &bounds, nullptr);
        RECT content{};
        if (SUCCEEDED(GetThemeBackgroundContentRect(theme, ACanvas->Handle(), 1, NativeState, &bounds, &content)))
          inner = TRect{int(content.left), int(content.top), int(content.right), int(content.bottom)};
      }
      if (!Transparent) FillRectWithCachedBrush(ACanvas, inner, BackgroundColor);
    } else {
      // The frame sits just outside the border rectangle, on the edge sides only.
      const int width = EditBorderStyleWidth(EditBorderStyle);
      TRect frame = BorderRect;
      frame.Left -= width;
      frame.Top -= width;
      if (Edges.Contains(bRight)) frame.Right += width;
      if (Edges.Contains(bBottom)) frame.Bottom += width;
      if (Shadow) PaintContainerShadow(ACanvas, frame);
      if (!Edges.Contains(bRight)) frame.Right += width;
      if (!Edges.Contains(bBottom)) frame.Bottom += width;
      const TcxBorders edges = Edges;
      switch (EditBorderStyle) {
        case ebsNone:
          break;
        case ebsFlat:
          ACanvas->DrawTwoColorFrame(frame, clBtnShadow, clBtnHighlight, edges);
          ACanvas->FrameRectBorders(TRect{frame.Left + 1, frame.Top + 1, frame.Right - 1, frame.Bottom - 1},
                                    clBtnFace, 1, edges);
          break;
        case ebs3D:
          ACanvas->DrawTwoColorFrame(frame, clBtnShadow, clBtnHighlight, edges);
          ACanvas->DrawTwoColorFrame(TRect{frame.Left + 1, frame.Top + 1, frame.Right - 1, frame.Bottom - 1},
                                     cl3DDkShadow, cl3DLight, edges);
          break;
        default:
          ACanvas->FrameRectBorders(frame, BorderColor, width, edges);
          break;
      }
      if (!Transparent) FillRectWithCachedBrush(ACanvas, BorderRect, BackgroundColor);
    }
  }
  ACanvas->RestoreDeviceState();
  for (int i = 0; i < ButtonCount(); ++i) PaintButton(ACanvas, i);
}

void TcxCustomEditViewInfo::PaintButton(TcxCanvas* ACanvas, int AButtonIndex) {
  if (FPaintingButton) return;
  TcxEditButtonViewInfo* b = Buttons[AButtonIndex];
  b->BackgroundColor = BackgroundColor;
  if (IsEmptyRect(b->VisibleBounds)) return;
  FPaintingButton = true;
  try {
    const bool clip = !(b->VisibleBounds == b->Bounds);
    if (clip) {
      ACanvas->SaveDeviceState();
      ACanvas->IntersectClipRectangle(b->VisibleBounds);
    }
    bool handled = false;
    if (OnDrawButton) OnDrawButton(this, ACanvas, AButtonIndex, handled);
    if (!handled) DrawButton(ACanvas, AButtonIndex);
    if (clip) ACanvas->RestoreDeviceState();
  } catch (...) {
    FPaintingButton = false;
    throw;
  }
  FPaintingButton = false;
}

bool TcxCustomEditViewInfo::DrawsButtonOffScreen(const TcxEditButtonViewInfo* B) const {
  const bool glyph = B->Kind == bkGlyph && B->Glyph && !B->Glyph->Empty();
  return glyph || (UsesSkinPainter && Painter);
}

void TcxCustomEditViewInfo::DrawButton(TcxCanvas* ACanvas, int AButtonIndex) {
  TcxEditButtonViewInfo* b = Buttons[AButtonIndex];
  if (DrawsButtonOffScreen(b) && !IsEmptyRect(b->Bounds)) {
    // Glyphs and skin parts are drawn in several layers; composing them off
    // screen keeps a repaint from showing the half-drawn button.
    const TRect& r = b->Bounds;
    TcxBitmap bitmap(r, pf32bit);
    TcxCanvas* off = bitmap.cxCanvas();
    // What lies behind the button first: skin parts and glyphs may leave pixels untouched.
    BitBlt(off->Handle(), 0, 0, r.Right - r.Left, r.Bottom - r.Top, ACanvas->Handle(), r.Left, r.Top, SRCCOPY);
    // The button keeps its coordinates: the bitmap's origin is moved instead.
    POINT previous{};
    SetWindowOrgEx(off->Handle(), r.Left, r.Top, &previous);
    DrawButtonLayers(off, AButtonIndex);
    SetWindowOrgEx(off->Handle(), previous.x, previous.y, nullptr);
    BitBlt(ACanvas->Handle(), r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top, off->Handle(), 0, 0, SRCCOPY);
    return;
  }
  DrawButtonLayers(ACanvas, AButtonIndex);
}

void TcxCustomEditViewInfo::DrawButtonLayers(TcxCanvas* ACanvas, int AButtonIndex) {
  TcxEditButtonViewInfo* b = Buttons[AButtonIndex];
  TRect background, content;
  TColor pen = clBtnText, brush = clBtnFace;
  DrawButtonBorderByStyle(ACanvas, AButtonIndex, background, content, pen, brush);
  if (!IsEmptyRect(background)) {
    bool handled = false;
    if (OnDrawButtonBackground) OnDrawButtonBackground(this, ACanvas, background, AButtonIndex, handled);
    if (!handled && !(NativeStyle && CanUseThemes())) DrawButtonBackground(ACanvas, AButtonIndex, background, brush);
  }
  if (!IsEmptyRect(content)) DrawButtonContent(ACanvas, AButtonIndex, content, pen, brush, b->State == ebsPressed);
}

void TcxCustomEditViewInfo::DrawNativeButton(TcxCanvas* ACanvas, TcxEditButtonViewInfo* B, TRect& AContentRect) {
  const TdxThemedObjectType kind = B->SingleDropDown && B->NativePart != 1 ? totComboBox : totButton;
  HTHEME theme = AcquireThemeHandle(kind);
  const RECT bounds = ToRECT(B->Bounds);
  DrawThemeBackground(theme, ACanvas->Handle(), B->NativePart, B->NativeState, &bounds, nullptr);
  if (kind == totComboBox) {
    AContentRect = TRect{};
    return;
  }
  RECT content{};
  if (SUCCEEDED(GetThemeBackgroundContentRect(theme, ACanvas->Handle(), 1, B->NativeState, &bounds, &content)))
    AContentRect = TRect{int(content.left), int(content.top), int(content.right), int(content.bottom)};
}

void TcxCustomEditViewInfo::DrawButtonBorderByStyle(TcxCanvas* ACanvas, int AButtonIndex, TRect& ABackgroundRect,
                                                    TRect& AContentRect, TColor& APenColor, TColor& ABrushColor) {
  TcxEditButtonViewInfo* b = Buttons[AButtonIndex];
  TRect r = b->Bounds;
  ABackgroundRect = r;
  AContentRect = r;
  APenColor = clBtnText;
  ABrushColor = b->Transparent ? BackgroundColor : clBtnFace;
  bool handled = false;
  if (OnDrawButtonBorder) {
    OnDrawButtonBorder(this, ACanvas, AButtonIndex, ABackgroundRect, AContentRect, handled);
    if (handled) return;
  }
  if (NativeStyle && CanUseThemes()) {
    ABackgroundRect = TRect{};
    DrawNativeButton(ACanvas, b, AContentRect);
    return;
  }
  if (UsesSkinPainter && Painter) {
    // The skin draws the whole button with its content.
    ABackgroundRect = TRect{};
    APenColor = Painter->GetEditButtonCaptionColor(EditButtonStateToButtonState(b->State));
    return;
  }
  const bool pressed = b->State == ebsPressed, hot = b->State == ebsSelected;
  TcxEditButtonStyle style = b->Style;
  // A simple button shows the flat look while pressed or hot.
  if (style == btsSimple && (pressed || hot)) style = btsFlat;
  switch (style) {
    case btsDefault:
    case bts3D:
      if (pressed) {
        DrawEditFrame(ACanvas, r, clBtnShadow);
        DrawEditFrame(ACanvas, r, ABrushColor);
      } else {
        DrawEditFrame3D(ACanvas, r, cl3DLight, cl3DDkShadow);
        DrawEditFrame3D(ACanvas, r, clBtnHighlight, clBtnShadow);
      }
      break;
    case btsSimple:
      if (!Transparent) DrawEditFrame(ACanvas, r, BackgroundColor);
      DrawEditBorderLines(ACanvas, r, cxEditBorderLeft | cxEditBorderRight, ABrushColor);
      break;
    case btsFlat:
      DrawEditBorderLines(ACanvas, r, cxEditBorderLeft, BackgroundColor);
      {
        TRect inner = r;
        inner.Right -= 1;
        if (pressed)
          DrawEditFrame3D(ACanvas, inner, clBtnShadow, clBtnHighlight);
        else
          DrawEditFrame3D(ACanvas, inner, clBtnHighlight, clBtnShadow);
        DrawEditBorderLines(ACanvas, r, cxEditBorderRight, BackgroundColor);
        r = inner;
      }
      break;
    case btsHotFlat: {
      static constexpr TColor byState[] = {clBtnFace, clBtnFace, clBtnText, clBtnShadow};
      ABrushColor = b->Transparent ? BackgroundColor : byState[b->State];
      if (b->ContentSide) {
        DrawEditFrame(ACanvas, r, clBtnShadow);
      } else {
        const unsigned outer = b->LeftAlignment ? cxEditBorderLeft : cxEditBorderRight;
        const unsigned inner = b->LeftAlignment ? cxEditBorderRight : cxEditBorderLeft;
        DrawEditBorderLines(ACanvas, r, outer | cxEditBorderTop | cxEditBorderBottom, clBtnShadow);
        DrawEditBorderLines(ACanvas, r, inner, BackgroundColor);
      }
      APenColor = b->State == ebsDisabled || b->State == ebsNormal ? clBtnText
                  : b->Transparent && hot                          ? clBtnShadow
                                                                   : clWindow;
      DrawEditBorderLines(ACanvas, r, cxEditBorderLeft | cxEditBorderRight, BackgroundColor);
      break;
    }
    case btsUltraFlat:
    case btsOffice11: {
      const bool office11 = style == btsOffice11;
      ABrushColor = b->Transparent                 ? BackgroundColor
                    : b->State == ebsDisabled      ? clBtnFace
                    : b->State == ebsNormal        ? (office11 ? GetPainterOfKind(lfOffice11)->GetButtonFaceColor(cxbsNormal)
                                                               : clBtnFace)
                                                   : GetEditButtonHighlightColor(pressed, office11);
      const TColor border = GetEditHighlightBorderColor(office11);
      if (!(pressed || hot) || !HasOwnBorder) {
        const TColor frame = pressed || hot ? border : b->Transparent ? BackgroundColor : ABrushColor;
        DrawEditFrame(ACanvas, r, frame);
      } else {
        // Only the side toward the content: the editor's border draws the others.
        const unsigned side = b->LeftAlignment ? cxEditBorderRight : cxEditBorderLeft;
        DrawEditBorderLines(ACanvas, r, side, border);
      }
      break;
    }
    default:
      break;
  }
  ABackgroundRect = r;
  AContentRect = r;
}

void TcxCustomEditViewInfo::DrawButtonContent(TcxCanvas* ACanvas, int AButtonIndex, const TRect& AContentRect,
                                              TColor APenColor, TColor, bool ANeedOffsetContent) {
  TcxEditButtonViewInfo* b = Buttons[AButtonIndex];
  const bool enabled = b->State != ebsDisabled;
  const int offset = ANeedOffsetContent && !(NativeStyle && CanUseThemes()) ? 1 : 0;
  // Dots and arrows are placed inside the content; only glyphs and text need the clip.
  const bool clip = b->Kind == bkGlyph || b->Kind == bkText;
  if (clip) {
    ACanvas->SaveDeviceState();
    ACanvas->IntersectClipRectangle(AContentRect);
  }
  TRect r = OffsetRectBy(AContentRect, TPoint{offset, offset});
  if (UsesSkinPainter && Painter) {
    // The skin's button with its own arrow or dots; a glyph or caption goes on top.
    Painter->PaintEditButton(ACanvas, b->Bounds, EditButtonKindToSkinKind(b->Kind),
                             EditButtonStateToButtonState(b->State), b->LeftAlignment ? cxbpLeft : cxbpRight);
    if (b->Kind != bkGlyph && b->Kind != bkText) {
      if (clip) ACanvas->RestoreDeviceState();
      return;
    }
    r = AContentRect;
  }
  auto embossed = [&](auto draw) {
    if (enabled) {
      draw(r, APenColor);
    } else {
      draw(OffsetRectBy(r, TPoint{1, 1}), clBtnHighlight);
      draw(r, clBtnShadow);
    }
  };
  switch (b->Kind) {
    case bkEllipsis: {
      const int size = b->Bounds.Right - b->Bounds.Left > 11 ? 2 : 1;
      const int total = size * 3 + 2 * 2;
      embossed([&](const TRect& R, TColor color) {
        const int x = R.Left + (R.Right - R.Left - total) / 2, y = R.Top + (R.Bottom - R.Top - size) / 2;
        for (int i = 0; i < 3; ++i)
          FillRectWithCachedBrush(ACanvas, TRect{x + i * (size + 2), y, x + i * (size + 2) + size, y + size}, color);
      });
      break;
    }
    case bkDown: {
      const TSize arrow = ArrowHeadExtent(TSize{r.Right - r.Left, r.Bottom - r.Top}, adDown);
      embossed([&](const TRect& R, TColor color) {
        const int x = R.Left + (R.Right - R.Left - arrow.cx) / 2, y = R.Top + (R.Bottom - R.Top - arrow.cy) / 2;
        // The standard painter's arrow, as the drop-down button of every look shows it.
        GetPainterOfKind(lfStandard)->PaintArrow(ACanvas, TRect{x, y, x + arrow.cx, y + arrow.cy}, adDown, color);
      });
      break;
    }
    case bkGlyph:
      if (b->Glyph) {
        const int x = r.Left + (r.Right - r.Left - b->Glyph->Width()) / 2;
        const int y = r.Top + (r.Bottom - r.Top - b->Glyph->Height()) / 2;
        DrawEditGlyph(ACanvas, x, y, nullptr, clNone, enabled, b->Glyph);
      }
      break;
    case bkText: {
      if (Font) ACanvas->SetFont(Font);
      static constexpr TcxTextFlags align[] = {cxAlignLeft, cxAlignRight, cxAlignHCenter};
      const TcxTextFlags flags =
          align[b->ContentAlignment] | cxSingleLine | cxShowPrefix | cxShowEndEllipsis | cxAlignVCenter;
      TRect text{r.Left + 1, IsHosted ? r.Top : r.Top + 1, r.Right - 1, IsHosted ? r.Bottom : r.Bottom - 1};
      ACanvas->Font()->SetColor(APenColor);
      ACanvas->DrawText(b->Caption, text, flags, enabled);
      break;
    }
  }
  if (clip) ACanvas->RestoreDeviceState();
}

void TcxCustomEditViewInfo::DrawButtonBackground(TcxCanvas* ACanvas, int AButtonIndex, const TRect& R,
                                                 TColor ABrushColor) {
  TcxEditButtonViewInfo* b = Buttons[AButtonIndex];
  const bool gradient = b->Style == btsOffice11 && b->Gradient && !b->Transparent && b->State != ebsDisabled &&
                        !UsesSkinPainter;
  if (!gradient) {
    FillRectWithCachedBrush(ACanvas, R, ABrushColor);
    return;
  }
  const TOffice11EditColors colors = Office11EditColors();
  const TOffice11ColorPair pair = b->State == ebsPressed  ? colors.Pressed
                                  : b->State == ebsSelected ? colors.Hot
                                                            : colors.Normal;
  // The gradient spans the editor's border height (a normal button one pixel
  // beyond it), so buttons of one editor shade alike whatever their frames.
  const int beyond = b->State == ebsNormal ? 1 : 0;
  const TRect column{R.Left, BorderRect.Top - beyond, R.Right, BorderRect.Bottom + beyond};
  ACanvas->SaveDeviceState();
  ACanvas->IntersectClipRectangle(R);
  GradientFillRect(ACanvas->Handle(), column, pair.Color1, pair.Color2, false);
  ACanvas->RestoreDeviceState();
}

void TcxCustomEditViewInfo::GetSkinColors(TColor& ABackground, TColor& AText) const {
  ABackground = clDefault;
  AText = clDefault;
  if (!UsesSkinPainter || !Painter) return;
  const TcxEditStateColorKind state = Enabled ? esckNormal : esckDisabled;
  ABackground = Painter->GetEditorBackgroundColorForState(state);
  AText = Painter->GetEditorTextColorForState(state);
}

int TcxCustomEditViewInfo::GetBackgroundKind(TcxCanvas* ACanvas, const TRect& R) {
  bool handled = false;
  if (IsHosted && OnDrawBackground && ACanvas) {
    // The hook draws as it answers, clipped to R so it cannot spill.
    ACanvas->SaveDeviceState();
    ACanvas->IntersectClipRectangle(R);
    try {
      OnDrawBackground(this, ACanvas, handled);
    } catch (...) {
      ACanvas->RestoreDeviceState();
      throw;
    }
    ACanvas->RestoreDeviceState();
  }
  auto* container = dynamic_cast<TcxContainer*>(Edit);
  const bool transparent = Transparent || (container && !IsHosted && container->IsTransparentContainer());
  return CalcEditBackgroundKind(IsHosted, handled, transparent, NativeStyle, NativeBackground);
}

void TcxCustomEditViewInfo::DrawBackgroundByKind(TcxCanvas* ACanvas, const TRect& R, bool AWithButtons,
                                                 const TRect& AButtonsRect) {
  ACanvas->SaveDeviceState();
  try {
    if (!AWithButtons && !IsEmptyRect(AButtonsRect)) ACanvas->ExcludeClipRectangle(AButtonsRect);
    auto* control = dynamic_cast<TWinControl*>(Edit);
    switch (GetBackgroundKind(ACanvas, R)) {
      case cxEditBackgroundStandard:
        TcxCustomEditViewInfo::PaintBackgroundAndBorder(ACanvas);
        break;
      case cxEditBackgroundFill:
        FillRectWithCachedBrush(ACanvas, R, BackgroundColor);
        break;
      case cxEditBackgroundParent:
        if (control) PaintParentBackground(control, ACanvas, R, false);
        break;
      case cxEditBackgroundThemedParent:
        if (control) cxDrawThemeParentBackground(control, ACanvas, R);
        break;
      default:  // the hook drew it, or nothing shows
        break;
    }
  } catch (...) {
    ACanvas->RestoreDeviceState();
    throw;
  }
  ACanvas->RestoreDeviceState();
}
