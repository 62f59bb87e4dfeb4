// The ultra-flat look: one-pixel frames in the shadow colour, the highlight
// colour under the mouse, faces tinted by the glyph-highlight colours.
#include "cxGeometry.h"
#include "cxGraphics_win.h"
#include "cxLookAndFeelPainters_internal.h"
#include "cxLookAndFeelPainters_ultraflat_win.h"

using namespace cxpainters;

TcxCustomLookAndFeelPainterClass TcxUltraFlatLookAndFeelPainter::Instance() {
  // Never destroyed: controls may ask a painter while the process ends.
  static const auto* instance = new TcxUltraFlatLookAndFeelPainter();
  return instance;
}

TColor TcxUltraFlatLookAndFeelPainter::GetButtonFrameColor(TcxButtonState AState) const {
  return AState == cxbsNormal ? clBtnShadow : clHighlight;
}
TColor TcxUltraFlatLookAndFeelPainter::GetEdgeColor() const { return clBtnShadow; }
TColor TcxUltraFlatLookAndFeelPainter::GetDarkEdgeColor() const { return clBtnText; }
TColor TcxUltraFlatLookAndFeelPainter::GetHighlightFrameColor() const { return clHighlight; }

TcxLookAndFeelStyle TcxUltraFlatLookAndFeelPainter::GetPainterStyle() const { return lfsUltraFlat; }
TColor TcxUltraFlatLookAndFeelPainter::DefaultColor50() const { return clBtnShadow; }

// --- Borders ------------------------------------------------------------------------------
int TcxUltraFlatLookAndFeelPainter::GetBorderWidth() const { return 1; }

void TcxUltraFlatLookAndFeelPainter::PaintControlBorder(TcxCanvas* ACanvas, const TRect& R) const {
  ACanvas->FrameRectBorders(R, clBtnShadow);
}

void TcxUltraFlatLookAndFeelPainter::PaintBorderEdges(TcxCanvas* ACanvas, const TRect& R, bool AVertical) const {
  ACanvas->FillRect(CenterBandInRect(R, GetBorderWidth(), AVertical), clBtnShadow);
}

// --- Buttons ------------------------------------------------------------------------------
int TcxUltraFlatLookAndFeelPainter::GetButtonBorderWidth(TcxButtonState AState) const {
  return AState == cxbsDefault ? 2 : 1;
}

TColor TcxUltraFlatLookAndFeelPainter::GetButtonFaceColor(TcxButtonState AState) const {
  if (AState == cxbsHot) return GetHotHighlightColor();
  if (AState == cxbsPressed) return GetPressedHighlightColor();
  return clBtnFace;
}

TRect TcxUltraFlatLookAndFeelPainter::GetButtonFocusBounds(TcxCanvas*, const TRect& R) const {
  const TRect r = Inset(R, 3);
  return IsEmptyRect(r) ? R : r;
}

TRect TcxUltraFlatLookAndFeelPainter::GetButtonGroupBorderWidths(int ACount, int AIndex) const {
  // The outer ends of the group take a double line; a single button only at its left.
  TRect widths{1, 2, 1, 2};
  if (AIndex == 0) widths.Left = 2;
  else if (AIndex == ACount - 1) widths.Right = 2;
  return widths;
}

int TcxUltraFlatLookAndFeelPainter::GetButtonCaptionOffset() const { return 2; }
int TcxUltraFlatLookAndFeelPainter::GetPressedShift() const { return 0; }

TColor TcxUltraFlatLookAndFeelPainter::GetButtonGlyphColor(TcxButtonState AState, TColor ADefaultColor) const {
  if (AState == cxbsPressed) return clHighlightText;
  return inherited::GetButtonGlyphColor(AState, ADefaultColor);
}

TcxButtonState TcxUltraFlatLookAndFeelPainter::GetButtonGlyphState(TcxButtonState) const { return cxbsNormal; }

void TcxUltraFlatLookAndFeelPainter::PaintGroupButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                      int ACount, int AIndex, TColor AColor) const {
  const bool first = AIndex == 0, last = AIndex == ACount - 1;
  TRect r{R.Left + (first ? 1 : 0), R.Top + 1, R.Right - (last ? 1 : 0), R.Bottom - 1};
  if (AState == cxbsHot || AState == cxbsPressed) {
    TcxBorders inner;
    if (!first) inner.Include(bLeft);
    if (!last) inner.Include(bRight);
    ACanvas->FrameRectBorders(r, GetHighlightFrameColor(), 1, inner);
    r = InsetBorders(r, 1, inner);
  } else {
    ACanvas->FrameRectBorders(r, AColor);
    r = Inset(r, 1);
  }
  ACanvas->FillRect(r, GetButtonFaceColor(AState));
}

void TcxUltraFlatLookAndFeelPainter::PaintButtonEdge(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const {
  switch (AState) {
    case cxbsDefault:
      ACanvas->FrameRectBorders(R, clWindowFrame);
      ACanvas->FrameRectBorders(Inset(R, 1), clWindowFrame);
      break;
    case cxbsNormal: ACanvas->FrameRectBorders(R, clBtnText); break;
    case cxbsDisabled: ACanvas->FrameRectBorders(R, clBtnShadow); break;
    default: ACanvas->FrameRectBorders(R, clHighlight); break;
  }
}

void TcxUltraFlatLookAndFeelPainter::PaintButtonEdgeEx(TcxCanvas* ACanvas, const TRect& R, bool ADark,
                                                       bool AHighlighted) const {
  ACanvas->FrameRectBorders(R, ADark ? clBtnText : AHighlighted ? GetHighlightFrameColor() : clBtnShadow);
}

void TcxUltraFlatLookAndFeelPainter::PaintTreeButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                     TColor AColor) const {
  ACanvas->FrameRectBorders(R, clBtnShadow);
  ACanvas->FillRect(Inset(R, 1), AColor == clDefault ? clBtnFace : AColor);
  for (const TRect& bar : TreeButtonCross(R, AExpanded)) ACanvas->FillRect(bar, clBtnText);
  ACanvas->ExcludeClipRectangle(R);
}

int TcxUltraFlatLookAndFeelPainter::GetTreeButtonSize() const { return 11; }
bool TcxUltraFlatLookAndFeelPainter::HasHotScrollBarParts() const { return true; }

void TcxUltraFlatLookAndFeelPainter::PaintCheckFrame(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const {
  ACanvas->FrameRectBorders(R, clBtnText);
  ACanvas->FrameRectBorders(Inset(R, 1), GetCheckFaceColor(AState));
}

// --- Headers ------------------------------------------------------------------------------
void TcxUltraFlatLookAndFeelPainter::PaintHeaderPlain(TcxCanvas* ACanvas, const TRect& ABounds,
                                                      const TRect& ATextAreaBounds, TcxNeighbors ANeighbors,
                                                      TcxBorders ABorders, TcxButtonState AState,
                                                      TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
                                                      bool AMultiLine, bool AShowEndEllipsis, const String& AText,
                                                      TFont* AFont, TColor ATextColor, TColor ABkColor) const {
  PaintContent(ACanvas, ABounds, Inset(ATextAreaBounds, 1), AState, AAlignmentHorz, AAlignmentVert, AMultiLine,
               AShowEndEllipsis, AText, AFont, ATextColor, ABkColor, nullptr, false);
  PaintHeaderEdge(ACanvas, Inset(ABounds, 1), ANeighbors, ABorders);
}

void TcxUltraFlatLookAndFeelPainter::PaintHeaderEdge(TcxCanvas* ACanvas, const TRect& R, TcxNeighbors,
                                                     TcxBorders ABorders) const {
  TcxBorders sides{bRight, bBottom};
  if (ABorders.Contains(bLeft)) sides.Include(bLeft);
  if (ABorders.Contains(bTop)) sides.Include(bTop);
  ACanvas->FrameRectBorders(R, clBtnText, 1, sides);
}

void TcxUltraFlatLookAndFeelPainter::PaintHeaderPartEdge(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                         TcxBorders ABorders) const {
  const TColor color = AState == cxbsDisabled ? clBtnShadow : clBlack;
  ACanvas->DrawTwoColorFrame(R, color, color, ABorders);
}

void TcxUltraFlatLookAndFeelPainter::PaintHeaderPartContent(TcxCanvas* ACanvas, const TRect& ABounds,
                                                            const String& AText, TAlignment AAlignment,
                                                            TcxButtonState AState, TFont* AFont, TColor AColor) const {
  const bool tinted = AState == cxbsHot || AState == cxbsPressed || AState == cxbsDisabled;
  ACanvas->FillRect(ABounds, tinted ? GetButtonFaceColor(AState) : AColor);
  PaintHeaderPartText(ACanvas, GetHeaderPartTextRect(ABounds, AState), AText, AAlignment, AState, AFont);
}

void TcxUltraFlatLookAndFeelPainter::PaintSortGlyph(TcxCanvas* ACanvas, const TRect& R, bool AAscending) const {
  DrawSortTriangle(this, ACanvas, R, clBtnShadow, clBtnShadow, AAscending);
}

TSize TcxUltraFlatLookAndFeelPainter::GetSortGlyphSize() const { return TSize{7, 8}; }

TcxBorders TcxUltraFlatLookAndFeelPainter::GetHeaderEdges(TcxNeighbors ANeighbors) const {
  TcxBorders edges = cxBordersAll;
  if (ANeighbors.Contains(nLeft)) edges.Exclude(bLeft);
  if (ANeighbors.Contains(nTop)) edges.Exclude(bTop);
  return edges;
}

int TcxUltraFlatLookAndFeelPainter::GetHeaderEdgeWidth() const { return 1; }

// --- Cells and panels ---------------------------------------------------------------------
TcxBorders TcxUltraFlatLookAndFeelPainter::GetPanelEdges() const { return TcxBorders{bRight, bBottom}; }
int TcxUltraFlatLookAndFeelPainter::GetPanelEdgeWidth() const { return 1; }
int TcxUltraFlatLookAndFeelPainter::GetCellEdgeWidth() const { return 1; }
int TcxUltraFlatLookAndFeelPainter::GetCellOffset() const { return 2; }

void TcxUltraFlatLookAndFeelPainter::PaintBandedPanel(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders) const {
  ACanvas->FrameRectBorders(R, GetBandColor(), GetBandSize(), ABorders);
}

void TcxUltraFlatLookAndFeelPainter::PaintPanelEdge(TcxCanvas* ACanvas, const TRect& R) const {
  PaintBandedPanel(ACanvas, R, TcxBorders{bRight, bBottom});
}

void TcxUltraFlatLookAndFeelPainter::PaintCellSeparator(TcxCanvas* ACanvas, const TRect& R) const {
  ACanvas->FrameRectBorders(R, GetBandColor());
}

void TcxUltraFlatLookAndFeelPainter::PaintDropButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                     bool AActive) const {
  ACanvas->FrameRectBorders(R, GetButtonFrameColor(AState));
  const TRect inner = Inset(R, 1);
  ACanvas->FillRect(inner, GetButtonFaceColor(AState));
  PaintDownTriangle(ACanvas, inner, AActive ? TColor(0xFF0000) : GetButtonGlyphColor(AState, clDefault));
}

TSize TcxUltraFlatLookAndFeelPainter::GetCrossButtonSize() const { return TSize{16, 15}; }

// --- Tabs ---------------------------------------------------------------------------------
void TcxUltraFlatLookAndFeelPainter::PaintTabItemEdge(TcxCanvas* ACanvas, const TRect& R, TcxBorder ASide,
                                                      TcxBorders, bool AVertical) const {
  // The shadow side of a tab (right of a horizontal one, bottom of a vertical
  // one) is dark; on horizontal tabs it stops short of the top edge.
  const bool dark = AVertical ? ASide == bBottom : ASide == bRight;
  TRect strip = R;
  if (dark && !AVertical) strip.Top += GetTabEdgeWidth();
  ACanvas->FillRect(strip, dark ? GetDarkEdgeColor() : GetEdgeColor());
}

void TcxUltraFlatLookAndFeelPainter::PaintTabRow(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders,
                                                 bool) const {
  ACanvas->DrawTwoColorFrame(R, GetEdgeColor(), GetEdgeColor(), ABorders, GetTabEdgeWidth());
}

int TcxUltraFlatLookAndFeelPainter::GetTabEdgeWidth() const { return 1; }

// --- Scroll bars, side and navigation buttons ---------------------------------------------
void TcxUltraFlatLookAndFeelPainter::PaintScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, const TRect& R,
                                                        TcxScrollBarPart APart, TcxButtonState AState) const {
  if (IsEmptyRect(R) || (APart == sbpThumbnail && AState == cxbsDisabled)) return;
  switch (APart) {
    case sbpLineUp:
    case sbpLineDown:
      PaintButtonCell(ACanvas, R, String(), AState, true, clDefault, clDefault, false, false);
      PaintStateArrow(ACanvas, R, AState, ScrollBarArrowDirection(AHorizontal, APart));
      break;
    case sbpThumbnail: PaintButtonCell(ACanvas, R, String(), AState, true, clDefault, clDefault, false, false); break;
    case sbpPageUp:
    case sbpPageDown: PaintScrollBarTrack(ACanvas, R, AState == cxbsPressed); break;
    default: break;
  }
}

void TcxUltraFlatLookAndFeelPainter::PaintSideButtonContent(TcxCanvas* ACanvas, const TRect& R,
                                                            const TRect& AArrowRect, bool AFlag,
                                                            TcxButtonState AState) const {
  ACanvas->FillRect(R, clBtnFace);
  const TColor frame = AState == cxbsHot ? GetEdgeColor() : GetDarkEdgeColor();
  ACanvas->DrawTwoColorFrame(R, frame, frame, TcxBorders{bTop, bBottom, AFlag ? bLeft : bRight});
  PaintSideArrow(ACanvas, AArrowRect, AFlag, GetButtonGlyphColor(AState, clDefault));
}

void TcxUltraFlatLookAndFeelPainter::PaintNavButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const {
  PaintButtonCell(ACanvas, R, String(), AState, AState == cxbsHot || AState == cxbsPressed, clDefault, clDefault,
                  false, false);
}

// --- Splitters, group boxes, track bars, pages --------------------------------------------
void TcxUltraFlatLookAndFeelPainter::PaintSplitterEdge(TcxCanvas* ACanvas, const TRect& R, bool AHorizontal,
                                                       const TcxViewStyleParams& AViewParams) const {
  const TcxBorders sides = AHorizontal ? TcxBorders{bTop, bBottom} : TcxBorders{bLeft, bRight};
  ACanvas->FrameRectBorders(R, DefaultColor50(), 1, sides);
  FillWithViewParams(ACanvas, InsetBorders(R, 1, sides), AViewParams);
}

void TcxUltraFlatLookAndFeelPainter::PaintGroupBoxFrame(TcxCanvas* ACanvas, const TRect& R, bool AEnabled,
                                                        TcxGroupBoxCaptionPosition, TcxBorders ABorders) const {
  ACanvas->FrameRectBorders(R, AEnabled ? clHighlight : clBtnShadow, 1, ABorders, true);
}

namespace {
// The ultra-flat edges of track bars, in one colour.
void PaintOneColourThumbEdge(TcxCanvas* ACanvas, const std::vector<TPoint>& ALightLine,
                             const std::vector<TPoint>& AOuterShadowLine, TColor AColor) {
  PolylineIn(ACanvas, ALightLine, AColor);
  PolylineIn(ACanvas, AOuterShadowLine, AColor);
}
}  // namespace

void TcxUltraFlatLookAndFeelPainter::PaintTrackEdge(TcxCanvas* ACanvas, const TRect& R) const {
  ACanvas->FrameRectBorders(R, clWindowText);
}

void TcxUltraFlatLookAndFeelPainter::PaintThumbEdge(TcxCanvas* ACanvas, const std::vector<TPoint>& ALightLine,
                                                    const std::vector<TPoint>&,
                                                    const std::vector<TPoint>& AOuterShadowLine) const {
  PaintOneColourThumbEdge(ACanvas, ALightLine, AOuterShadowLine, clWindowText);
}

void TcxUltraFlatLookAndFeelPainter::PaintThumbRectEdge(TcxCanvas* ACanvas, const TRect& R) const {
  ACanvas->FrameRectBorders(R, clWindowText);
}

TColor TcxUltraFlatLookAndFeelPainter::GetSplitterLineColor(bool AHighlighted) const {
  return AHighlighted ? clHighlight : clBtnShadow;
}

TSize TcxUltraFlatLookAndFeelPainter::GetSplitterGripSize(bool AHorizontal) const {
  return AHorizontal ? TSize{17, 1} : TSize{1, 17};
}

void TcxUltraFlatLookAndFeelPainter::PaintPageAreaDark(TcxCanvas* ACanvas, const TRect& R) const {
  const TColor shadow = ColorToRGB(clBtnShadow);
  auto lighten = [](int v) { return v + (255 - v) / 3; };
  ACanvas->FillRect(R, TColor(lighten(shadow & 0xFF) | lighten(shadow >> 8 & 0xFF) << 8 |
                              lighten(shadow >> 16 & 0xFF) << 16));
}
