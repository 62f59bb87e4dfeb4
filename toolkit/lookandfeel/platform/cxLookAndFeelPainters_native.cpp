// The native painter's buttons, check boxes, radio buttons, headers and cells.
#include <vssym32.h>

#include <algorithm>

#include "cxGeometry.h"
#include "cxGraphics_win.h"
#include "cxLookAndFeelPainters_internal.h"
#include "cxLookAndFeelPainters_native_internal.h"
#include "cxLookAndFeelPainters_ultraflat_win.h"
#include "dxOffice11_win.h"

using namespace cxpainters;
using namespace cxnative;

// --- Shared steps -------------------------------------------------------------------------
namespace cxnative {

bool PartSize(HTHEME ATheme, int APart, int AState, THEMESIZE AKind, TSize& ASize) {
  SIZE size{};
  if (!ATheme || FAILED(GetThemePartSizeNoRect(ATheme, nullptr, APart, AState, AKind, &size))) return false;
  ASize = TSize{size.cx, size.cy};
  return true;
}

bool ContentRect100(HTHEME ATheme, int APart, int AState, TRect& AContent) {
  const RECT bounds{0, 0, 100, 100};
  RECT content{};
  if (!ATheme || FAILED(GetThemeBackgroundContentRect(ATheme, nullptr, APart, AState, &bounds, &content)))
    return false;
  AContent = TRect{content.left, content.top, content.right, content.bottom};
  return true;
}

void DrawPart(TcxCanvas* ACanvas, HTHEME ATheme, int APart, int AState, const TRect& R) {
  DrawThemeBackground(ATheme, ACanvas->Handle(), APart, AState, AsRect(R), nullptr);
}

bool ThemeColor(HTHEME ATheme, int APart, int AState, int AProperty, TColor& AColor) {
  COLORREF color = 0;
  if (!ATheme || FAILED(GetThemeColor(ATheme, APart, AState, AProperty, &color))) return false;
  AColor = TColor(color & 0xFFFFFF);
  return true;
}

}  // namespace cxnative

// --- Part and state numbers ---------------------------------------------------------------
int ThemePushButtonState(TcxButtonState AState) {
  static constexpr int states[] = {PBS_DEFAULTED, PBS_NORMAL, PBS_HOT, PBS_PRESSED, PBS_DISABLED};
  return states[AState];
}

int ThemeSimpleState(TcxButtonState AState) {
  static constexpr int states[] = {1, 1, 2, 3, 4};
  return states[AState];
}

int ThemeScrollArrowState(TcxArrowDirection ADirection, TcxButtonState AState) {
  static constexpr int first[] = {ABS_UPNORMAL, ABS_DOWNNORMAL, ABS_LEFTNORMAL, ABS_RIGHTNORMAL};
  static constexpr int offset[] = {0, 0, 1, 2, 3};
  return first[ADirection] + offset[AState];
}

int ThemeCheckState(TcxButtonState AState, bool AChecked) {
  static constexpr int offset[] = {0, 0, 1, 2, 3};
  return (AChecked ? CBS_CHECKEDNORMAL : CBS_UNCHECKEDNORMAL) + offset[AState];
}

int ThemeHeaderState(TcxButtonState AState) {
  static constexpr int states[] = {HIS_NORMAL, HIS_NORMAL, HIS_HOT, HIS_PRESSED, HIS_NORMAL};
  return states[AState];
}

int ThemeScrollBarState(TcxButtonState AState) {
  static constexpr int states[] = {SCRBS_NORMAL, SCRBS_NORMAL, SCRBS_HOT, SCRBS_PRESSED, SCRBS_DISABLED};
  return states[AState];
}

int ThemeTrackBarThumbState(TcxButtonState AState) {
  static constexpr int states[] = {TUS_HOT, TUS_NORMAL, TUS_HOT, TUS_PRESSED, TUS_DISABLED};
  return states[AState];
}

int ThemeNavButtonState(TcxButtonState AState) {
  static constexpr int states[] = {TS_HOT, TS_HOT, TS_CHECKED, TS_PRESSED, TS_DISABLED};
  return states[AState];
}

int ThemeTrackBarThumbPart(bool AHorizontal, TcxTrackBarTicksAlign ATicks) {
  if (AHorizontal) return ATicks == tbtaUp ? TKP_THUMBTOP : ATicks == tbtaDown ? TKP_THUMBBOTTOM : TKP_THUMB;
  return ATicks == tbtaUp ? TKP_THUMBLEFT : ATicks == tbtaDown ? TKP_THUMBRIGHT : TKP_THUMBVERT;
}

// --- General ------------------------------------------------------------------------------
TcxCustomLookAndFeelPainterClass TcxWinXPLookAndFeelPainter::Instance() {
  static const auto* instance = new TcxWinXPLookAndFeelPainter();
  return instance;
}

TcxLookAndFeelStyle TcxWinXPLookAndFeelPainter::GetPainterStyle() const { return lfsNative; }
bool TcxWinXPLookAndFeelPainter::IsThemeColorSource() const { return CanUseThemes(); }

TColor TcxWinXPLookAndFeelPainter::DefaultColor50() const {
  TColor color = 0;
  return ThemeColor(Theme(totComboBox), CP_DROPDOWNBUTTON, CBXS_NORMAL, TMT_BORDERCOLOR, color) ? color
                                                                                                : TColor(0x9D9DA1);
}

TColor TcxWinXPLookAndFeelPainter::DefaultColor55() const { return TColor(0xD5FFFF); }

void TcxWinXPLookAndFeelPainter::PaintArrowButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                  TcxArrowDirection ADirection, bool ADrawFace) const {
  if (HTHEME theme = Theme(totScrollBar)) DrawPart(ACanvas, theme, SBP_ARROWBTN, ThemeScrollArrowState(ADirection, AState), R);
  else inherited::PaintArrowButton(ACanvas, R, AState, ADirection, ADrawFace);
}

void TcxWinXPLookAndFeelPainter::PaintButtonFace(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const {
  if (HTHEME theme = Theme(totButton)) DrawPart(ACanvas, theme, BP_PUSHBUTTON, ThemePushButtonState(AState), R);
  else inherited::PaintButtonFace(ACanvas, R, AState);
}

// --- Borders ------------------------------------------------------------------------------
int TcxWinXPLookAndFeelPainter::GetBorderWidth() const { return Theme(totListView) ? 1 : 2; }

void TcxWinXPLookAndFeelPainter::PaintControlBorder(TcxCanvas* ACanvas, const TRect& R) const {
  HTHEME theme = Theme(totListView);
  if (!theme) {
    inherited::PaintControlBorder(ACanvas, R);
    return;
  }
  ACanvas->SaveDeviceState();
  ACanvas->ExcludeClipRectangle(Inset(R, 1));
  DrawPart(ACanvas, theme, LVP_EMPTYTEXT, 0, R);
  ACanvas->RestoreDeviceState();
}

void TcxWinXPLookAndFeelPainter::PaintBorderEdges(TcxCanvas* ACanvas, const TRect& R, bool AVertical) const {
  if (HTHEME theme = Theme(totToolBar)) DrawPart(ACanvas, theme, AVertical ? TP_SEPARATOR : TP_SEPARATORVERT, 1, R);
  else inherited::PaintBorderEdges(ACanvas, R, AVertical);
}

// --- Buttons ------------------------------------------------------------------------------
namespace {
bool PushButtonIsPartlyTransparent(HTHEME theme) {
  return theme && IsThemeBackgroundPartiallyTransparent(theme, BP_PUSHBUTTON, PBS_NORMAL);
}
}  // namespace

TRect TcxWinXPLookAndFeelPainter::GetGroupButtonRect(const TRect& R, int ACount, int AIndex) const {
  const TRect r = inherited::GetGroupButtonRect(R, ACount, AIndex);
  return PushButtonIsPartlyTransparent(Theme(totButton)) ? Inset(r, -1) : r;
}

int TcxWinXPLookAndFeelPainter::GetButtonBorderWidth(TcxButtonState AState) const {
  TRect content;
  if (ContentRect100(Theme(totButton), BP_PUSHBUTTON, ThemePushButtonState(AState), content)) return content.Left;
  // The standard width of the state itself: a default button's face would
  // otherwise cover the inner ring of its thicker edge.
  return inherited::GetButtonBorderWidth(AState);
}

TColor TcxWinXPLookAndFeelPainter::GetButtonFaceColor(TcxButtonState AState) const {
  TColor color = 0;
  if (ThemeColor(Theme(totButton), BP_PUSHBUTTON, ThemePushButtonState(AState), TMT_COLOR, color)) return color;
  return inherited::GetButtonFaceColor(AState);
}

TRect TcxWinXPLookAndFeelPainter::GetButtonFocusBounds(TcxCanvas* ACanvas, const TRect& R) const {
  HTHEME theme = Theme(totButton);
  RECT content{};
  if (theme && SUCCEEDED(GetThemeBackgroundContentRect(theme, ACanvas->Handle(), BP_PUSHBUTTON, PBS_NORMAL, AsRect(R),
                                                       &content)))
    return TRect{content.left, content.top, content.right, content.bottom};
  return inherited::GetButtonFocusBounds(ACanvas, R);
}

TRect TcxWinXPLookAndFeelPainter::GetButtonGroupBorderWidths(int ACount, int AIndex) const {
  HTHEME theme = Theme(totButton);
  TRect content;
  if (!ContentRect100(theme, BP_PUSHBUTTON, PBS_NORMAL, content))
    return inherited::GetButtonGroupBorderWidths(ACount, AIndex);
  const int less = PushButtonIsPartlyTransparent(theme) ? 1 : 0;
  return TRect{content.Left - less, content.Top - less, 100 - content.Right - less, 100 - content.Bottom - less};
}

TColor TcxWinXPLookAndFeelPainter::GetButtonGlyphColor(TcxButtonState AState, TColor ADefaultColor) const {
  TColor color = 0;
  if (ThemeColor(Theme(totButton), BP_PUSHBUTTON, ThemePushButtonState(AState), TMT_TEXTCOLOR, color)) return color;
  return inherited::GetButtonGlyphColor(AState, ADefaultColor);
}

int TcxWinXPLookAndFeelPainter::GetButtonCaptionOffset() const { return 2; }
int TcxWinXPLookAndFeelPainter::GetPressedShift() const { return 0; }

void TcxWinXPLookAndFeelPainter::PaintButtonCell(TcxCanvas* ACanvas, const TRect& R, const String& ACaption,
                                                 TcxButtonState AState, bool ADrawBorder, TColor AFaceColor,
                                                 TColor ATextColor, bool AWordWrap, bool AIsToolButton) const {
  HTHEME theme = Theme(AIsToolButton ? totToolBar : totButton);
  if (!theme) {
    TcxCustomLookAndFeelPainter::PaintButtonCell(ACanvas, R, ACaption, AState, ADrawBorder, AFaceColor, ATextColor,
                                                 AWordWrap, AIsToolButton);
    return;
  }
  const int state = ThemePushButtonState(AState);
  DrawPart(ACanvas, theme, BP_PUSHBUTTON, state, R);
  if (ACaption.empty()) return;
  ACanvas->Canvas()->RequiredState(TCanvasStates{csHandleValid, csFontValid});
  const int oldMode = SetBkMode(ACanvas->Handle(), TRANSPARENT);
  DrawThemeText(theme, ACanvas->Handle(), BP_PUSHBUTTON, state, ACaption.c_str(), -1,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE, 0, AsRect(R));
  SetBkMode(ACanvas->Handle(), oldMode);
}

void TcxWinXPLookAndFeelPainter::PaintTreeButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                 TColor AColor) const {
  HTHEME theme = Theme(totTreeView);
  if (!theme) {
    inherited::PaintTreeButton(ACanvas, R, AExpanded, AColor);
    return;
  }
  DrawPart(ACanvas, theme, TVP_GLYPH, AExpanded ? GLPS_OPENED : GLPS_CLOSED, R);
  ACanvas->ExcludeClipRectangle(R);
}

bool TcxWinXPLookAndFeelPainter::IsTreeButtonFirst() const { return false; }

void TcxWinXPLookAndFeelPainter::PaintChevronButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                    TcxButtonState AState) const {
  HTHEME theme = Theme(totExplorerBar);
  if (!theme) {
    inherited::PaintChevronButton(ACanvas, R, AExpanded, AState);
    return;
  }
  const int state = AState == cxbsHot ? 2 : AState == cxbsPressed ? 3 : 1;
  DrawPart(ACanvas, theme, AExpanded ? EBP_NORMALGROUPCOLLAPSE : EBP_NORMALGROUPEXPAND, state, R);
}

void TcxWinXPLookAndFeelPainter::PaintPlusMinusBox(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                   TColor AColor) const {
  if (Theme(totTreeView)) PaintTreeButton(ACanvas, R, AExpanded, clDefault);
  else TcxCustomLookAndFeelPainter::PaintPlusMinusBox(ACanvas, R, AExpanded, AColor);
}

int TcxWinXPLookAndFeelPainter::GetTreeButtonSize() const {
  TSize size;
  return PartSize(Theme(totTreeView), TVP_GLYPH, GLPS_OPENED, TS_TRUE, size) ? size.cx : 12;
}

int TcxWinXPLookAndFeelPainter::GetChevronButtonSize() const {
  TSize size;
  return PartSize(Theme(totExplorerBar), EBP_NORMALGROUPEXPAND, 1, TS_TRUE, size) ? size.cx : 15;
}

bool TcxWinXPLookAndFeelPainter::HasHotScrollBarParts() const { return true; }

bool TcxWinXPLookAndFeelPainter::IsPointOverChevronButton(const TPoint& P, const TRect& R) const {
  HTHEME theme = Theme(totExplorerBar);
  HRGN region = nullptr;
  if (!theme || FAILED(GetThemeBackgroundRegion(theme, nullptr, EBP_NORMALGROUPEXPAND, 1, AsRect(R), &region)) ||
      !region)
    return inherited::IsPointOverChevronButton(P, R);
  const bool inside = PtInRegion(region, P.X, P.Y) != FALSE;
  DeleteObject(region);
  return inside;
}

int TcxWinXPLookAndFeelPainter::GetPlusMinusBoxSize() const { return Theme(totTreeView) ? GetTreeButtonSize() : 9; }

// --- Check boxes and radio buttons --------------------------------------------------------
int TcxWinXPLookAndFeelPainter::GetCheckFrameWidth() const { return Theme(totButton) ? 0 : 2; }

TSize TcxWinXPLookAndFeelPainter::GetCheckGlyphSize() const {
  TSize size;
  return PartSize(Theme(totButton), BP_CHECKBOX, CBS_UNCHECKEDNORMAL, TS_DRAW, size) ? size
                                                                                   : inherited::GetCheckGlyphSize();
}

void TcxWinXPLookAndFeelPainter::PaintCheckGlyph(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                 bool AChecked, TColor AColor) const {
  if (HTHEME theme = Theme(totButton)) DrawPart(ACanvas, theme, BP_CHECKBOX, ThemeCheckState(AState, AChecked), R);
  else inherited::PaintCheckGlyph(ACanvas, R, AState, AChecked, AColor);
}

void TcxWinXPLookAndFeelPainter::PaintCheckFrame(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const {
  if (!Theme(totButton)) inherited::PaintCheckFrame(ACanvas, R, AState);
}

void TcxWinXPLookAndFeelPainter::DrawRadioButton(TcxCanvas* ACanvas, int X, int Y, TcxButtonState AState,
                                                 bool AChecked, bool AFocused, TColor ABackColor,
                                                 bool AIsDesigning) const {
  HTHEME theme = Theme(totButton);
  const int state = ThemeCheckState(AState, AChecked);
  TSize size;
  if (!PartSize(theme, BP_RADIOBUTTON, state, TS_DRAW, size)) {
    inherited::DrawRadioButton(ACanvas, X, Y, AState, AChecked, AFocused, ABackColor, AIsDesigning);
    return;
  }
  DrawPart(ACanvas, theme, BP_RADIOBUTTON, state, TRect{X, Y, X + size.cx, Y + size.cy});
}

TSize TcxWinXPLookAndFeelPainter::GetRadioGlyphSize() const {
  TSize size;
  return PartSize(Theme(totButton), BP_RADIOBUTTON, RBS_UNCHECKEDNORMAL, TS_DRAW, size)
             ? size
             : inherited::GetRadioGlyphSize();
}

// --- Headers ------------------------------------------------------------------------------
void TcxWinXPLookAndFeelPainter::PaintHeader(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                                             TcxNeighbors ANeighbors, TcxBorders ABorders, TcxButtonState AState,
                                             TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
                                             bool AMultiLine, bool AShowEndEllipsis, const String& AText,
                                             TFont* AFont, TColor ATextColor, TColor ABkColor,
                                             TcxDrawBackgroundEvent AOnDrawBackground, bool AIsSpecial) const {
  HTHEME theme = Theme(totHeader);
  if (!theme) {
    TcxCustomLookAndFeelPainter::PaintHeader(ACanvas, ABounds, ATextAreaBounds, ANeighbors, ABorders, AState,
                                             AAlignmentHorz, AAlignmentVert, AMultiLine, AShowEndEllipsis, AText,
                                             AFont, ATextColor, ABkColor, AOnDrawBackground, AIsSpecial);
    return;
  }
  const TOffice11Scheme scheme = CurrentOffice11Scheme();
  const bool rightPart = !ANeighbors.Empty() && AState == cxbsNormal &&
                         (scheme == o11sNormalColor || scheme == o11sHomestead);
  const int state = ThemeHeaderState(AState);
  const int part = rightPart ? HP_HEADERITEMRIGHT : HP_HEADERITEM;
  DrawPart(ACanvas, theme, part, state, ABounds);
  const TRect textRect = AState == cxbsPressed ? OffsetRectBy(ATextAreaBounds, 1, 1) : ATextAreaBounds;
  PaintThemeText(ACanvas, theme, part, state, ABounds, textRect, AAlignmentHorz, AAlignmentVert, AMultiLine,
                 AShowEndEllipsis, false, AText, AFont, ATextColor, ABkColor);
}

void TcxWinXPLookAndFeelPainter::InvertHeader(TcxCanvas*, const TRect&) const {}

void TcxWinXPLookAndFeelPainter::PaintHeaderPart(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText,
                                                 TAlignment AAlignment, TcxButtonState AState, TcxBorders ABorders,
                                                 TFont* AFont, TColor AColor) const {
  ACanvas->FillRect(ABounds, clBtnFace);
  PaintHeader(ACanvas, ABounds, ABounds, TcxNeighbors(), ABorders, AState, AAlignment, vaCenter, false, false, AText,
              AFont, clDefault, AColor, nullptr, false);
}

void TcxWinXPLookAndFeelPainter::PaintSortGlyph(TcxCanvas* ACanvas, const TRect& R, bool AAscending) const {
  TcxUltraFlatLookAndFeelPainter::Instance()->PaintSortGlyph(ACanvas, R, AAscending);
}

TSize TcxWinXPLookAndFeelPainter::GetSortGlyphSize() const {
  return TcxUltraFlatLookAndFeelPainter::Instance()->GetSortGlyphSize();
}

int TcxWinXPLookAndFeelPainter::GetHeaderEdgeWidth() const {
  TRect content;
  if (ContentRect100(Theme(totHeader), HP_HEADERITEM, HIS_NORMAL, content))
    return std::max(1, (content.Left + content.Top) / 2);
  return inherited::GetHeaderEdgeWidth();
}

int TcxWinXPLookAndFeelPainter::GetHeaderPartEdgeWidth(TcxButtonState) const { return GetHeaderEdgeWidth(); }

TRect TcxWinXPLookAndFeelPainter::GetHeaderPartInnerRect(const TRect& ABounds, TcxButtonState AState) const {
  if (Theme(totHeader)) return Inset(ABounds, GetHeaderEdgeWidth());
  return TcxCustomLookAndFeelPainter::GetHeaderPartInnerRect(ABounds, AState);
}

bool TcxWinXPLookAndFeelPainter::IsHeaderHot() const { return true; }

void TcxWinXPLookAndFeelPainter::PaintArrowHeader(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText,
                                                  TcxNeighbors ANeighbors, const TcxViewStyleParams& AViewParams,
                                                  TcxDrawBackgroundEvent AOnDrawBackground) const {
  PaintHeader(ACanvas, ABounds, ABounds, ANeighbors, cxBordersAll, cxbsNormal, taCenter, vaCenter, false, true, AText,
              AViewParams.Font, AViewParams.TextColor, AViewParams.Color, AOnDrawBackground, false);
  PaintHeaderArrows(this, ACanvas, GetHeaderInnerRect(ABounds, cxBordersAll));
}

// --- Cells, panels and small buttons ------------------------------------------------------
void TcxWinXPLookAndFeelPainter::PaintFramedCell(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders,
                                                 TcxButtonState AState) const {
  PaintCellFrame(ACanvas, R, ABorders, AState);
  PaintTabItem(ACanvas, Inset(R, 1), String(), nullptr, AState, ABorders, false);
}

void TcxWinXPLookAndFeelPainter::PaintCellSection(TcxCanvas* ACanvas, const TRect& ABounds, TAlignment AAlignment,
                                                  bool AMultiLine, const String& AText,
                                                  const TcxViewStyleParams& AViewParams) const {
  HTHEME theme = Theme(totTrackBar);
  if (!theme) {
    TcxCustomLookAndFeelPainter::PaintCellSection(ACanvas, ABounds, AAlignment, AMultiLine, AText, AViewParams);
    return;
  }
  DrawPart(ACanvas, theme, TKP_TRACK, TRS_NORMAL, ABounds);
  PaintThemeText(ACanvas, theme, TKP_TRACK, TRS_NORMAL, ABounds, GetInnerRectInset(ABounds), AAlignment, vaCenter,
                 AMultiLine, true, false, AText, AViewParams.Font, AViewParams.TextColor, AViewParams.Color);
}

void TcxWinXPLookAndFeelPainter::PaintPanelEdge(TcxCanvas* ACanvas, const TRect& R) const {
  HTHEME theme = Theme(totEdit);
  if (!theme) {
    inherited::PaintPanelEdge(ACanvas, R);
    return;
  }
  DrawThemeEdge(theme, ACanvas->Handle(), 0, 0, AsRect(R), BDR_RAISEDINNER, BF_RECT, nullptr);
}

int TcxWinXPLookAndFeelPainter::GetPanelEdgeWidth() const { return Theme(totEdit) ? 1 : inherited::GetPanelEdgeWidth(); }

int TcxWinXPLookAndFeelPainter::GetCellEdgeWidth() const {
  TRect content;
  if (ContentRect100(Theme(totTrackBar), TKP_TRACK, TRS_NORMAL, content)) return content.Left;
  return inherited::GetCellEdgeWidth();
}

int TcxWinXPLookAndFeelPainter::GetCellOffset() const { return inherited::GetCellOffset(); }
bool TcxWinXPLookAndFeelPainter::IsCellsFirst() const { return false; }

void TcxWinXPLookAndFeelPainter::PaintCrossButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const {
  if (HTHEME theme = Theme(totWindow)) DrawPart(ACanvas, theme, WP_SMALLCLOSEBUTTON, ThemeSimpleState(AState), R);
  else TcxCustomLookAndFeelPainter::PaintCrossButton(ACanvas, R, AState);
}

void TcxWinXPLookAndFeelPainter::PaintDropButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                 bool AActive) const {
  if (HTHEME theme = Theme(totComboBox)) DrawPart(ACanvas, theme, CP_DROPDOWNBUTTON, ThemeSimpleState(AState), R);
  else inherited::PaintDropButton(ACanvas, R, AState, AActive);
}

TSize TcxWinXPLookAndFeelPainter::GetSmallButtonSize() const {
  TSize size;
  return PartSize(Theme(totButton), BP_CHECKBOX, CBS_UNCHECKEDNORMAL, TS_DRAW, size) ? size
                                                                                   : inherited::GetSmallButtonSize();
}

TSize TcxWinXPLookAndFeelPainter::GetCrossButtonSize() const {
  TSize size;
  if (PartSize(Theme(totWindow), WP_SMALLCLOSEBUTTON, CBS_NORMAL, TS_DRAW, size))
    return TSize{size.cx + 4, size.cy + 4};
  return inherited::GetCrossButtonSize();
}

void TcxWinXPLookAndFeelPainter::PaintRowMarkerCell(TcxCanvas* ACanvas, const TRect& R, TcxNeighbors ANeighbors,
                                                    TcxBorders ABorders, TcxRowMarkerKind AKind, TColor ABkColor,
                                                    TcxDrawBackgroundEvent AOnDrawBackground) const {
  TcxFlatLookAndFeelPainter::Instance()->PaintRowMarkerCell(ACanvas, R, ANeighbors, ABorders, AKind, ABkColor,
                                                            AOnDrawBackground);
}
