// TcxCustomButton's drawing: the owner-draw request, the face and frame by
// the painter in force, glyph and caption, the drop-down arrow and the focus rectangle.
#include "cxButtons_win.h"

#include <vssym32.h>

#include "cxLookAndFeelPainters_native_win.h"
#include "dxUxTheme.h"

namespace {
TRect Deflated(const TRect& R, int D) { return TRect{R.Left + D, R.Top + D, R.Right - D, R.Bottom - D}; }

// The caption colour over a themed tool-button face: the toolbar theme's, or
// the font's own where the theme names none. The push button's colour would
// belong to another face (some themes put light text on a dark pressed push
// button, which the light tool-button face would swallow).
TColor ToolButtonTextColor(TcxButtonState AState, TColor AFontColor) {
  static constexpr int states[] = {TS_NORMAL, TS_NORMAL, TS_HOT, TS_PRESSED, TS_DISABLED};
  COLORREF color = 0;
  if (HTHEME theme = AcquireThemeHandle(totToolBar))
    if (SUCCEEDED(GetThemeColor(theme, TP_BUTTON, states[AState], TMT_TEXTCOLOR, &color))) return TColor(color);
  return AState == cxbsDisabled ? clBtnShadow : AFontColor;
}
}  // namespace

void TcxCustomButton::DrawItem(const DRAWITEMSTRUCT& DrawItemStruct) {
  FPaintCanvas->SetHandle(DrawItemStruct.hDC);
  struct TRelease {
    TCanvas* c;
    ~TRelease() { c->SetHandle(nullptr); }
  } release{FPaintCanvas.get()};
  const bool selected = (DrawItemStruct.itemState & ODS_SELECTED) != 0;
  FIsPressedLook = (selected && !FArrowPartPressed) || (FMenuShown && FKind == cxbkDropDown) ||
                   (IsSpeedButton() && (FDown || (FHot && FMainPartPressed)));
  FIsDefaultLook = ((DrawItemStruct.itemState & ODS_FOCUS) != 0 || (Default() && IsDesigning()) ||
                    FIsActiveDefault) &&
                   CanBeFocused();
  RenderButton(FCanvas.get(), FLookAndFeel->CurrentSkinPainter() != nullptr);
}

TRect TcxCustomButton::GetContentBounds(TcxCustomLookAndFeelPainterClass APainter, TcxButtonState AState) {
  TRect r = Deflated(ClientRect(), APainter->GetButtonBorderWidth(AState));
  if (FKind == cxbkDropDownButton) r.Right -= cxDropDownButtonArrowWidth - 2;
  return r;
}

// The control has no reading order of its own: its text always runs left to right.
unsigned TcxCustomButton::TextFlags() const { return 0; }

void TcxCustomButton::RenderButton(TcxCanvas* ACanvas, bool ASkinned) {
  TcxCustomLookAndFeelPainterClass painter = GetPainter();
  const bool native = painter == TcxWinXPLookAndFeelPainter::Instance();
  TRect r = ClientRect();
  if (native) {
    const HTHEME theme = AcquireThemeHandle(totButton);
    if (theme && IsThemeBackgroundPartiallyTransparent(theme, BP_PUSHBUTTON, PBS_NORMAL))
      cxDrawThemeParentBackground(this, ACanvas, r);
  } else if (ASkinned) {
    PaintParentBackground(this, ACanvas, r, false);
  }
  TRect arrow{};
  if (FKind == cxbkDropDownButton) {
    arrow = TRect{r.Right - cxDropDownButtonArrowWidth, r.Top, r.Right, r.Bottom};
    r.Right -= cxDropDownButtonArrowWidth - 2;
  }
  const TcxButtonState state = GetButtonState();
  ACanvas->Font()->Assign(Font());
  TColor face = FColors->GetColor(state);
  TColor text = FColors->GetTextColor(state);
  const bool toolFace = (FSpeedButtonOptions->Flat() || FSpeedButtonOptions->Transparent()) && !CanBeFocused();
  if (text == clDefault)
    text = native && toolFace ? ToolButtonTextColor(state, ACanvas->Font()->Color())
                              : painter->GetButtonGlyphColor(state, ACanvas->Font()->Color());
  ACanvas->Font()->SetColor(text);
  if (OnGetDrawParams) OnGetDrawParams(this, state, face, ACanvas->Font());
  RenderBackground(ACanvas, painter, r, state, face, ACanvas->Font()->Color());

  const int shift = state == cxbsPressed ? painter->GetPressedShift() : 0;
  ACanvas->PushClipRegion();
  ACanvas->IntersectClipRectangle(GetContentBounds(painter, state));
  FGlyph->RenderContent(ACanvas, GetContentBounds(painter, cxbsDefault), shift, Caption(), FLayout, FMargin,
                        FSpacing, state, TextFlags(), native, WordWrap(), ASkinned);
  ACanvas->PopClipRegion();

  if (FKind == cxbkDropDownButton) {
    TcxButtonState arrowState = state;
    if (FMenuShown)
      arrowState = cxbsPressed;
    else if (state == cxbsPressed)
      arrowState = FIsActiveDefault ? cxbsHot : cxbsNormal;
    RenderBackground(ACanvas, painter, arrow, arrowState, face, ACanvas->Font()->Color());
    painter->PaintStateArrow(ACanvas, arrow, arrowState, adDown);
  }
  if (CanFocus() && Focused() && !FMenuShown) ACanvas->DrawFocusRect(painter->GetButtonFocusBounds(ACanvas, r));
}

void TcxCustomButton::RenderBackground(TcxCanvas* ACanvas, TcxCustomLookAndFeelPainterClass APainter, TRect R,
                                       TcxButtonState AState, TColor AFaceColor, TColor ATextColor) {
  const TcxSpeedButtonOptions& o = *FSpeedButtonOptions;
  if (!(o.Flat() || o.Transparent()) || o.CanBeFocused()) {
    APainter->PaintButtonCell(ACanvas, R, String(), AState, true, AFaceColor, ATextColor, WordWrap(), false);
    return;
  }
  // A flat or transparent button that never takes the focus: framed only
  // while hot, pressed or down, and never in the native, skinned or Office11 looks.
  const bool frame = !FLookAndFeel->CurrentSkinPainter() && !FLookAndFeel->NativeStyle() &&
                     FLookAndFeel->Kind() != lfOffice11 &&
                     (!o.Flat() || IsDesigning() || (AState != cxbsDisabled && (FHot || AState != cxbsNormal)));
  if (frame) {
    APainter->PaintButtonEdge(ACanvas, R, AState);
    R = Deflated(R, APainter->GetButtonBorderWidth(AState));
  }
  ACanvas->PushClipRegion();
  ACanvas->IntersectClipRectangle(R);
  if (!o.Transparent() || (AState != cxbsDisabled && AState != cxbsNormal && !FHot) ||
      (FHot && APainter->HasHotScrollBarParts()))
    APainter->PaintButtonCell(ACanvas, R, String(), AState, false, AFaceColor, ATextColor, WordWrap(), true);
  else
    PaintParentBackground(this, ACanvas, ClientRect(), false);
  ACanvas->PopClipRegion();
}
