// The flat painter: one-pixel edges.
#include "cxGeometry.h"
#include "cxLookAndFeelPainters_internal.h"

using namespace cxpainters;

TcxCustomLookAndFeelPainterClass TcxFlatLookAndFeelPainter::Instance() {
  static const auto* instance = new TcxFlatLookAndFeelPainter();
  return instance;
}

TcxLookAndFeelStyle TcxFlatLookAndFeelPainter::GetPainterStyle() const { return lfsFlat; }
int TcxFlatLookAndFeelPainter::GetBorderWidth() const { return 1; }

void TcxFlatLookAndFeelPainter::PaintControlBorder(TcxCanvas* ACanvas, const TRect& R) const {
  Edge3D(ACanvas, R, true, true);
}

void TcxFlatLookAndFeelPainter::PaintBorderEdges(TcxCanvas* ACanvas, const TRect& R, bool AVertical) const {
  PaintEtchedBand(ACanvas, R, AVertical);
}

int TcxFlatLookAndFeelPainter::GetButtonBorderWidth(TcxButtonState AState) const {
  return AState == cxbsDefault ? 2 : 1;
}

int TcxFlatLookAndFeelPainter::GetButtonCaptionOffset() const { return 1; }
int TcxFlatLookAndFeelPainter::GetPressedShift() const { return 1; }

void TcxFlatLookAndFeelPainter::PaintButtonEdge(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const {
  if (AState == cxbsPressed) {
    FrameTwoColor(ACanvas, R, clBtnShadow, clBtnHighlight);
    return;
  }
  TRect r = R;
  if (AState == cxbsDefault) {
    ACanvas->FrameRectBorders(r, clBlack, 1);
    r = Inset(r, 1);
  }
  FrameTwoColor(ACanvas, r, clBtnHighlight, clBtnShadow);
}

void TcxFlatLookAndFeelPainter::PaintTreeButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                TColor AColor) const {
  PaintButtonCell(ACanvas, R, String(), cxbsNormal, true, AColor, clDefault, false, false);
  for (const TRect& bar : TreeButtonCross(Inset(R, GetButtonBorderWidth(cxbsNormal)), AExpanded))
    FillSolid(ACanvas, bar, clBtnText);
}

int TcxFlatLookAndFeelPainter::GetTreeButtonSize() const { return 11; }
bool TcxFlatLookAndFeelPainter::HasHotScrollBarParts() const { return false; }

void TcxFlatLookAndFeelPainter::PaintCheckFrame(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const {
  Edge3D(ACanvas, R, true, true);
  ACanvas->FrameRectBorders(Inset(R, 1), GetCheckFaceColor(AState), 1);
}

void TcxFlatLookAndFeelPainter::PaintHeaderEdge(TcxCanvas* ACanvas, const TRect& R, TcxNeighbors,
                                                TcxBorders ABorders) const {
  PaintRaisedHeaderEdge(ACanvas, R, ABorders);
}

void TcxFlatLookAndFeelPainter::PaintHeaderPartEdge(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                    TcxBorders ABorders) const {
  if (AState == cxbsPressed) FrameTwoColor(ACanvas, R, clBtnShadow, clBtnHighlight, ABorders);
  else FrameTwoColor(ACanvas, R, clBtnHighlight, clBtnShadow, ABorders);
}

void TcxFlatLookAndFeelPainter::PaintSortGlyph(TcxCanvas* ACanvas, const TRect& R, bool AAscending) const {
  DrawSortTriangle(this, ACanvas, R, clBtnShadow, clBtnHighlight, AAscending);
}

int TcxFlatLookAndFeelPainter::GetHeaderEdgeWidth() const { return 1; }
TSize TcxFlatLookAndFeelPainter::GetSortGlyphSize() const { return TSize{8, 7}; }
int TcxFlatLookAndFeelPainter::GetPanelEdgeWidth() const { return 1; }
int TcxFlatLookAndFeelPainter::GetCellEdgeWidth() const { return 1; }
int TcxFlatLookAndFeelPainter::GetCellOffset() const { return 1; }

void TcxFlatLookAndFeelPainter::PaintPanelEdge(TcxCanvas* ACanvas, const TRect& R) const {
  Edge3D(ACanvas, R, false, false);
}

void TcxFlatLookAndFeelPainter::PaintCellSeparator(TcxCanvas* ACanvas, const TRect& R) const {
  Edge3D(ACanvas, R, true, true);
}

void TcxFlatLookAndFeelPainter::PaintDropButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                bool AActive) const {
  PaintEdgedDropButton(this, ACanvas, R, AState, AActive);
}

void TcxFlatLookAndFeelPainter::PaintTabItemEdge(TcxCanvas* ACanvas, const TRect& R, TcxBorder ASide,
                                                 TcxBorders ABorders, bool AVertical) const {
  PaintTabEdgeStrip(ACanvas, R, ASide, ABorders, AVertical);
}

void TcxFlatLookAndFeelPainter::PaintTabRow(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders, bool) const {
  Edge3D(ACanvas, R, false, false, ABorders);
}

int TcxFlatLookAndFeelPainter::GetTabEdgeWidth() const { return 1; }

void TcxFlatLookAndFeelPainter::PaintScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, const TRect& R,
                                                   TcxScrollBarPart APart, TcxButtonState AState) const {
  if (IsEmptyRect(R) || (APart == sbpThumbnail && AState == cxbsDisabled)) return;
  const TcxButtonState state = AState == cxbsHot ? cxbsNormal : AState;
  if (APart == sbpPageUp || APart == sbpPageDown) {
    PaintScrollBarTrack(ACanvas, R, state == cxbsPressed);
    return;
  }
  PaintButtonCell(ACanvas, R, String(), state, true, clDefault, clDefault, false, false);
  if (APart == sbpLineUp || APart == sbpLineDown)
    PaintStateArrow(ACanvas, Inset(R, GetButtonBorderWidth(cxbsNormal)), state,
                    ScrollBarArrowDirection(AHorizontal, APart));
}

void TcxFlatLookAndFeelPainter::PaintSplitterEdge(TcxCanvas* ACanvas, const TRect& R, bool AHorizontal,
                                                  const TcxViewStyleParams& AViewParams) const {
  const TcxBorders sides = AHorizontal ? TcxBorders{bTop, bBottom} : TcxBorders{bLeft, bRight};
  FrameTwoColor(ACanvas, R, clBtnHighlight, clBtnShadow, sides);
  FillWithViewParams(ACanvas, InsetBorders(R, 1, sides), AViewParams);
}

void TcxFlatLookAndFeelPainter::PaintGroupBoxFrame(TcxCanvas* ACanvas, const TRect& R, bool,
                                                   TcxGroupBoxCaptionPosition, TcxBorders ABorders) const {
  ACanvas->FrameRectBorders(R, clBtnShadow, 1, ABorders, true);
  ACanvas->FrameRectBorders(InsetBorders(R, 1, ABorders), clBtnHighlight, 1, ABorders, true);
}

void TcxFlatLookAndFeelPainter::PaintTrackEdge(TcxCanvas* ACanvas, const TRect& R) const {
  FrameTwoColor(ACanvas, R, clBtnShadow, clBtnHighlight);
  FrameTwoColor(ACanvas, Inset(R, 1), clBtnFace, clBtnFace);
}

void TcxFlatLookAndFeelPainter::PaintThumbEdge(TcxCanvas* ACanvas, const std::vector<TPoint>& ALightLine,
                                               const std::vector<TPoint>&,
                                               const std::vector<TPoint>& AOuterShadowLine) const {
  PolylineIn(ACanvas, ALightLine, clBtnHighlight);
  PolylineIn(ACanvas, AOuterShadowLine, clBtnShadow);
}

void TcxFlatLookAndFeelPainter::PaintThumbRectEdge(TcxCanvas* ACanvas, const TRect& R) const {
  FrameTwoColor(ACanvas, R, clBtnHighlight, clBtnShadow);
}

void TcxFlatLookAndFeelPainter::PaintProgressFrame(TcxCanvas* ACanvas, TRect& R) const {
  FillSolid(ACanvas, R, DefaultColor37());
  FillSolid(ACanvas, TRect{R.Left, R.Bottom - 1, R.Right, R.Bottom}, clBtnFace);
  R.Bottom -= 1;
}

TColor TcxFlatLookAndFeelPainter::GetSplitterLineColor(bool AHighlighted) const {
  return AHighlighted ? cl3DDkShadow : clBtnShadow;
}
