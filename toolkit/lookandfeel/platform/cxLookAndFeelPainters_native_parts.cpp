// The native painter's themed text, scroll bars, tabs, side buttons,
// progress bars, group boxes, track bars and splitters.
#include <vssym32.h>

#include <algorithm>

#include "cxGeometry.h"
#include "cxGraphics_win.h"
#include "cxLookAndFeelPainters_internal.h"
#include "cxLookAndFeelPainters_native_internal.h"
#include "cxLookAndFeelPainters_ultraflat_win.h"

using namespace cxpainters;
using namespace cxnative;

namespace {

unsigned ThemeTextFlags(TAlignment AAlignment, TcxAlignmentVert AVertAlignment, bool AMultiLine, bool AEndEllipsis,
                        bool AShowPrefix) {
  unsigned flags = DT_EDITCONTROL;
  flags |= AAlignment == taLeftJustify ? DT_LEFT : AAlignment == taRightJustify ? DT_RIGHT : DT_CENTER;
  flags |= AVertAlignment == vaTop ? DT_TOP : AVertAlignment == vaBottom ? DT_BOTTOM : DT_VCENTER;
  flags |= AMultiLine ? DT_WORDBREAK : DT_SINGLELINE;
  if (AEndEllipsis) flags |= DT_END_ELLIPSIS;
  if (!AShowPrefix) flags |= DT_NOPREFIX;
  return flags;
}

// A part drawn into R through a 32-bit bitmap holding what lies under R,
// turned by ARotation for the drawing and back afterwards, so a part that
// the theme draws one way round shows on any side.
void DrawPartTurned(TcxCanvas* ACanvas, HTHEME ATheme, int APart, int AState, const TRect& R,
                    TcxBitmapRotation ARotation) {
  if (R.Right <= R.Left || R.Bottom <= R.Top) return;
  TcxBitmap32 bitmap(R.Right - R.Left, R.Bottom - R.Top);
  bitmap.cxCanvas()->CopyRectangle(bitmap.GetClientRect(), ACanvas->Canvas(), R);
  bitmap.Rotate(ARotation);
  DrawThemeBackground(ATheme, bitmap.Canvas()->Handle(), APart, AState, AsRect(bitmap.GetClientRect()), nullptr);
  bitmap.Rotate(InverseRotation(ARotation));
  ACanvas->CopyRectangle(R, bitmap.Canvas(), bitmap.GetClientRect());
}

}  // namespace

// --- Text ---------------------------------------------------------------------------------
void TcxWinXPLookAndFeelPainter::PaintThemeText(TcxCanvas* ACanvas, HTHEME ATheme, int APart, int AState,
                                                const TRect&, const TRect& ATextRect, TAlignment AAlignment,
                                                TcxAlignmentVert AVertAlignment, bool AMultiLine, bool AEndEllipsis,
                                                bool AShowPrefix, const String& AText, TFont* AFont,
                                                TColor ATextColor, TColor) const {
  if (AText.empty()) return;
  if (AFont) ACanvas->SetFont(AFont);
  if (ATextColor != clDefault) ACanvas->Font()->SetColor(ATextColor);
  ACanvas->Canvas()->RequiredState(TCanvasStates{csHandleValid, csFontValid});
  HDC dc = ACanvas->Handle();
  TRect r = ATextRect;
  if (AMultiLine && AVertAlignment != vaTop) {
    RECT measured{r.Left, 0, r.Right, 0};
    DrawTextW(dc, AText.c_str(), -1, &measured, DT_CALCRECT | DT_WORDBREAK | (AShowPrefix ? 0 : DT_NOPREFIX));
    const int height = measured.bottom - measured.top;
    r.Top = AVertAlignment == vaBottom ? r.Bottom - height : (r.Top + r.Bottom - height) / 2;
  }
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  DrawThemeText(ATheme, dc, APart, AState, AText.c_str(), -1,
                ThemeTextFlags(AAlignment, AVertAlignment, AMultiLine, AEndEllipsis, AShowPrefix), 0, AsRect(r));
  SetBkMode(dc, oldMode);
}

// --- Scroll bars and size grip ------------------------------------------------------------
int TcxWinXPLookAndFeelPainter::GetMinScrollBarThumbSize(bool AVertical) const {
  HTHEME theme = Theme(totScrollBar);
  const int part = AVertical ? SBP_GRIPPERHORZ : SBP_GRIPPERVERT;
  TSize minimum, whole;
  if (!PartSize(theme, part, SCRBS_NORMAL, TS_MIN, minimum)) return 8;
  int size = AVertical ? minimum.cy : minimum.cx;
  if (PartSize(theme, part, SCRBS_NORMAL, TS_TRUE, whole)) size = std::max(size, (AVertical ? whole.cy : whole.cx) + 4);
  return std::max(size, 8);
}

void TcxWinXPLookAndFeelPainter::PaintScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, const TRect& R,
                                                    TcxScrollBarPart APart, TcxButtonState AState) const {
  if (IsEmptyRect(R)) return;
  HTHEME theme = Theme(totScrollBar);
  if (!theme) {
    inherited::PaintScrollBarPart(ACanvas, AHorizontal, R, APart, AState);
    return;
  }
  const int state = ThemeScrollBarState(AState);
  switch (APart) {
    case sbpLineUp:
    case sbpLineDown: PaintArrowButton(ACanvas, R, AState, ScrollBarArrowDirection(AHorizontal, APart), true); break;
    case sbpThumbnail: {
      DrawPart(ACanvas, theme, AHorizontal ? SBP_THUMBBTNHORZ : SBP_THUMBBTNVERT, state, R);
      const int gripper = AHorizontal ? SBP_GRIPPERHORZ : SBP_GRIPPERVERT;
      TSize size;
      if (PartSize(theme, gripper, state, TS_TRUE, size) &&
          (AHorizontal ? size.cy <= R.Right - R.Left : size.cx <= R.Bottom - R.Top))
        DrawPart(ACanvas, theme, gripper, state, R);
      break;
    }
    case sbpPageUp:
      DrawPart(ACanvas, theme, AHorizontal ? SBP_LOWERTRACKHORZ : SBP_LOWERTRACKVERT, state, R);
      break;
    case sbpPageDown:
      DrawPart(ACanvas, theme, AHorizontal ? SBP_UPPERTRACKHORZ : SBP_UPPERTRACKVERT, state, R);
      break;
    default: break;
  }
}

TSize TcxWinXPLookAndFeelPainter::GetScrollBarCornerSize() const {
  TSize size;
  return PartSize(Theme(totScrollBar), SBP_SIZEBOX, SZB_RIGHTALIGN, TS_TRUE, size) ? size
                                                                                 : inherited::GetScrollBarCornerSize();
}

void TcxWinXPLookAndFeelPainter::PaintSizeGrip(TcxCanvas* ACanvas, const TRect& R) const {
  if (HTHEME theme = Theme(totScrollBar)) DrawPart(ACanvas, theme, SBP_SIZEBOX, SZB_RIGHTALIGN, R);
  else inherited::PaintSizeGrip(ACanvas, R);
}

TSize TcxWinXPLookAndFeelPainter::GetSizeGripSize() const {
  TSize size;
  return PartSize(Theme(totWindow), WP_SMALLCLOSEBUTTON, CBS_NORMAL, TS_TRUE, size) ? size
                                                                                   : inherited::GetSizeGripSize();
}

// --- Tabs and side buttons ----------------------------------------------------------------
void TcxWinXPLookAndFeelPainter::PaintTabItem(TcxCanvas* ACanvas, const TRect& R, const String& AText, TFont* AFont,
                                              TcxButtonState AState, TcxBorders ABorders, bool AVertical) const {
  HTHEME theme = Theme(totTab);
  if (!theme) {
    inherited::PaintTabItem(ACanvas, R, AText, AFont, AState, ABorders, AVertical);
    return;
  }
  const int state = ThemeSimpleState(AState);
  const bool selected = AState == cxbsPressed;
  TRect r = R;
  // The ends without a border reach under the neighbours; the selected tab
  // reaches a pixel into the page, the others stop a pixel short of it.
  const int grow = selected ? 1 : -1;
  if (AVertical) {
    if (!ABorders.Contains(bTop)) r.Top -= 2;
    if (!ABorders.Contains(bBottom)) r.Bottom += 2;
    if (!ABorders.Contains(bRight)) r.Right += grow;
    else r.Left -= grow;
  } else {
    if (!ABorders.Contains(bLeft)) r.Left -= 2;
    if (!ABorders.Contains(bRight)) r.Right += 2;
    if (!ABorders.Contains(bBottom)) r.Bottom += grow;
    else r.Top -= grow;
  }
  // A vertical tab is the horizontal one turned, its open side towards the page.
  if (AVertical) DrawPartTurned(ACanvas, theme, TABP_TABITEM, state, r, ABorders.Contains(bRight) ? raMinus90 : raPlus90);
  else DrawPart(ACanvas, theme, TABP_TABITEM, state, r);
  const TRect textRect = selected ? (AVertical ? OffsetRectBy(R, -2, 0) : OffsetRectBy(R, 0, -2)) : R;
  PaintThemeText(ACanvas, theme, TABP_TABITEM, state, R, textRect, taCenter, vaCenter, false, true, false, AText,
                 AFont, clDefault, clDefault);
}

void TcxWinXPLookAndFeelPainter::PaintTabItemEdge(TcxCanvas* ACanvas, const TRect& R, TcxBorder ASide,
                                                  TcxBorders ABorders, bool AVertical) const {
  if (!Theme(totTab)) inherited::PaintTabItemEdge(ACanvas, R, ASide, ABorders, AVertical);
}

void TcxWinXPLookAndFeelPainter::PaintTabRow(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders,
                                             bool AVertical) const {
  HTHEME theme = Theme(totTab);
  if (!theme) {
    inherited::PaintTabRow(ACanvas, R, ABorders, AVertical);
    return;
  }
  // The pane reaches past R on the sides without a border, so only its edge shows.
  TRect content{0, 0, 100, 100};
  ContentRect100(theme, TABP_PANE, 0, content);
  const TRect margins{content.Left, content.Top, 100 - content.Right, 100 - content.Bottom};
  TRect pane = R;
  if (!ABorders.Contains(bLeft)) pane.Left -= margins.Left + 10;
  if (!ABorders.Contains(bTop)) pane.Top -= margins.Top + 10;
  if (!ABorders.Contains(bRight)) pane.Right += margins.Right + 10;
  if (!ABorders.Contains(bBottom)) pane.Bottom += margins.Bottom + 10;
  ACanvas->SaveDeviceState();
  ACanvas->IntersectClipRectangle(R);
  DrawPart(ACanvas, theme, TABP_PANE, 0, pane);
  ACanvas->RestoreDeviceState();
}

bool TcxWinXPLookAndFeelPainter::CanPaintTabs() const { return Theme(totTab) ? true : inherited::CanPaintTabs(); }
bool TcxWinXPLookAndFeelPainter::IsTabHot() const { return Theme(totTab) ? true : inherited::IsTabHot(); }
int TcxWinXPLookAndFeelPainter::GetTabEdgeWidth() const { return 1; }

void TcxWinXPLookAndFeelPainter::PaintSideButtonContent(TcxCanvas* ACanvas, const TRect& R, const TRect& AArrowRect,
                                                        bool AFlag, TcxButtonState AState) const {
  HTHEME theme = Theme(totTab);
  if (!theme) {
    TcxCustomLookAndFeelPainter::PaintSideButtonContent(ACanvas, R, AArrowRect, AFlag, AState);
    return;
  }
  // The tab's open side (its bottom) turns towards the button's open side:
  // the right one with AFlag, else the left one.
  DrawPartTurned(ACanvas, theme, TABP_TABITEM, ThemeSimpleState(AState), R, AFlag ? raPlus90 : raMinus90);
  PaintSideArrow(ACanvas, AArrowRect, AFlag, GetButtonGlyphColor(AState, clDefault));
}

// --- Progress, navigation buttons, splitters ----------------------------------------------
void TcxWinXPLookAndFeelPainter::PaintProgressBlock(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ABlockRect,
                                                    const TcxViewStyleParams& AViewParams, bool ATransparent) const {
  HTHEME theme = Theme(totProgress);
  if (!theme) {
    inherited::PaintProgressBlock(ACanvas, ABounds, ABlockRect, AViewParams, ATransparent);
    return;
  }
  DrawPart(ACanvas, theme, PP_BAR, 1, ABounds);
  DrawPart(ACanvas, theme, PP_CHUNK, 1, ABlockRect);
}

TRect TcxWinXPLookAndFeelPainter::GetProgressBlockMargins() const { return TRect{3, 3, 3, 3}; }

void TcxWinXPLookAndFeelPainter::PaintNavButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const {
  if (HTHEME theme = Theme(totToolBar)) DrawPart(ACanvas, theme, TP_BUTTON, ThemeNavButtonState(AState), R);
  else inherited::PaintNavButton(ACanvas, R, AState);
}

void TcxWinXPLookAndFeelPainter::PaintSplitterEdge(TcxCanvas* ACanvas, const TRect& R, bool AHorizontal,
                                                   const TcxViewStyleParams& AViewParams) const {
  TColor line = 0;
  if (!Theme(totListView) ||
      !ThemeColor(Theme(totComboBox), CP_DROPDOWNBUTTON, CBXS_NORMAL, TMT_BORDERCOLOR, line)) {
    inherited::PaintSplitterEdge(ACanvas, R, AHorizontal, AViewParams);
    return;
  }
  const TcxBorders sides = AHorizontal ? TcxBorders{bTop, bBottom} : TcxBorders{bLeft, bRight};
  ACanvas->FrameRectBorders(R, line, 1, sides);
  FillWithViewParams(ACanvas, InsetBorders(R, 1, sides), AViewParams);
}

void TcxWinXPLookAndFeelPainter::PaintProgressFrame(TcxCanvas* ACanvas, TRect& R) const {
  if (HTHEME theme = Theme(totHeader)) DrawPart(ACanvas, theme, HP_HEADERITEMLEFT, HIS_NORMAL, R);
  else inherited::PaintProgressFrame(ACanvas, R);
}

void TcxWinXPLookAndFeelPainter::PaintSplitter(TcxCanvas*, const TRect&, bool, bool, bool) const {}

// --- Group boxes --------------------------------------------------------------------------
void TcxWinXPLookAndFeelPainter::PaintGroupBoxFrame(TcxCanvas* ACanvas, const TRect& R, bool AEnabled,
                                                    TcxGroupBoxCaptionPosition ACaptionPosition,
                                                    TcxBorders ABorders) const {
  if (HTHEME theme = Theme(totButton)) DrawPart(ACanvas, theme, BP_GROUPBOX, AEnabled ? GBS_NORMAL : GBS_DISABLED, R);
  else inherited::PaintGroupBoxFrame(ACanvas, R, AEnabled, ACaptionPosition, ABorders);
}

TColor TcxWinXPLookAndFeelPainter::GetGroupBoxCaptionTextColor(bool AEnabled,
                                                               TcxGroupBoxCaptionPosition ACaptionPosition) const {
  TColor color = 0;
  if (ThemeColor(Theme(totButton), BP_GROUPBOX, AEnabled ? GBS_NORMAL : GBS_DISABLED, TMT_TEXTCOLOR, color))
    return color;
  return inherited::GetGroupBoxCaptionTextColor(AEnabled, ACaptionPosition);
}

void TcxWinXPLookAndFeelPainter::PaintGroupBoxCaptionArea(TcxCanvas* ACanvas, TWinControl* AControl, const TRect& R,
                                                          TColor AColor1, TColor) const {
  if (AColor1 == clDefault) PaintParentBackground(AControl, ACanvas, R, true);
  else ACanvas->FillRect(R, AColor1);
}

// --- Track bars ---------------------------------------------------------------------------
void TcxWinXPLookAndFeelPainter::CorrectTrackBarThumbRect(TcxCanvas* ACanvas, TRect& R, bool AHorizontal,
                                                          TcxTrackBarTicksAlign ATicks) const {
  HTHEME theme = Theme(totTrackBar);
  SIZE size{};
  if (!theme || FAILED(GetThemePartSize(theme, ACanvas->Handle(), ThemeTrackBarThumbPart(AHorizontal, ATicks),
                                        TUS_NORMAL, AsRect(R), TS_DRAW, &size))) {
    inherited::CorrectTrackBarThumbRect(ACanvas, R, AHorizontal, ATicks);
    return;
  }
  R = CenterRectInRect(R, size.cx, size.cy);
}

void TcxWinXPLookAndFeelPainter::DrawTrackBarTrack(TcxCanvas* ACanvas, const TRect& R, const TRect& ASelection,
                                                   bool AShowSelection, bool AEnabled, bool AHorizontal,
                                                   TColor AColor) const {
  if (HTHEME theme = Theme(totTrackBar)) DrawPart(ACanvas, theme, AHorizontal ? TKP_TRACK : TKP_TRACKVERT, TRS_NORMAL, R);
  else inherited::DrawTrackBarTrack(ACanvas, R, ASelection, AShowSelection, AEnabled, AHorizontal, AColor);
}

int TcxWinXPLookAndFeelPainter::GetTrackBarTrackSize(bool AHorizontal) const {
  HTHEME theme = Theme(totTrackBar);
  SIZE size{};
  if (!theme || FAILED(GetThemePartSize(theme, nullptr, AHorizontal ? TKP_TRACK : TKP_TRACKVERT, TRS_NORMAL, nullptr,
                                        TS_TRUE, &size)))
    return inherited::GetTrackBarTrackSize(AHorizontal);
  return AHorizontal ? size.cy : size.cx;
}

void TcxWinXPLookAndFeelPainter::DrawTrackBarThumb(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                   bool AHorizontal, TcxTrackBarTicksAlign ATicks,
                                                   TColor AColor) const {
  if (HTHEME theme = Theme(totTrackBar))
    DrawPart(ACanvas, theme, ThemeTrackBarThumbPart(AHorizontal, ATicks), ThemeTrackBarThumbState(AState), R);
  else inherited::DrawTrackBarThumb(ACanvas, R, AState, AHorizontal, ATicks, AColor);
}
