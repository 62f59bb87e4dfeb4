// The standard painter: the classic three-dimensional look, two-pixel sunken
// borders and raised buttons with a dark outer shadow.
#include "cxGeometry.h"
#include "cxLookAndFeelPainters_internal.h"

using namespace cxpainters;

TcxCustomLookAndFeelPainterClass TcxStandardLookAndFeelPainter::Instance() {
  static const auto* instance = new TcxStandardLookAndFeelPainter();
  return instance;
}

TcxLookAndFeelStyle TcxStandardLookAndFeelPainter::GetPainterStyle() const { return lfsStandard; }
TColor TcxStandardLookAndFeelPainter::DefaultColor55() const { return clWindow; }
int TcxStandardLookAndFeelPainter::GetBorderWidth() const { return 2; }

void TcxStandardLookAndFeelPainter::PaintControlBorder(TcxCanvas* ACanvas, const TRect& R) const {
  FrameTwoColor(ACanvas, R, clBtnShadow, clBtnHighlight);
  FrameTwoColor(ACanvas, Inset(R, 1), cl3DDkShadow, cl3DLight);
}

void TcxStandardLookAndFeelPainter::PaintBorderEdges(TcxCanvas* ACanvas, const TRect& R, bool AVertical) const {
  PaintEtchedBand(ACanvas, R, AVertical);
}

int TcxStandardLookAndFeelPainter::GetButtonBorderWidth(TcxButtonState AState) const {
  return AState == cxbsDefault ? 3 : 2;
}

int TcxStandardLookAndFeelPainter::GetButtonCaptionOffset() const { return 1; }
int TcxStandardLookAndFeelPainter::GetPressedShift() const { return 1; }

void TcxStandardLookAndFeelPainter::PaintButtonEdge(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const {
  TRect r = R;
  if (AState == cxbsPressed) {
    ACanvas->FrameRectBorders(r, clBlack, 1);
    FrameTwoColor(ACanvas, Inset(r, 1), clBtnShadow, clBtnShadow);
    return;
  }
  if (AState == cxbsDefault) {
    ACanvas->FrameRectBorders(r, clBlack, 1);
    r = Inset(r, 1);
  }
  FrameTwoColor(ACanvas, r, clBtnHighlight, cl3DDkShadow);
  FrameTwoColor(ACanvas, Inset(r, 1), cl3DLight, clBtnShadow);
}

void TcxStandardLookAndFeelPainter::PaintTreeButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                    TColor AColor) const {
  Edge3D(ACanvas, R, false, false, TcxBorders{bLeft, bTop});
  Edge3D(ACanvas, R, false, true, TcxBorders{bRight, bBottom});
  TRect r = Inset(R, 1);
  Edge3D(ACanvas, r, false, false, TcxBorders{bRight, bBottom});
  r.Right -= 1;
  r.Bottom -= 1;
  FillSolid(ACanvas, r, AColor == clDefault ? clBtnFace : AColor);
  for (const TRect& bar : TreeButtonCross(r, AExpanded)) FillSolid(ACanvas, bar, clBtnText);
  ACanvas->ExcludeClipRectangle(R);
}

void TcxStandardLookAndFeelPainter::PaintChevronButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                       TcxButtonState AState) const {
  TcxFlatLookAndFeelPainter::Instance()->PaintChevronButton(ACanvas, R, AExpanded, AState);
}

int TcxStandardLookAndFeelPainter::GetTreeButtonSize() const { return 12; }
bool TcxStandardLookAndFeelPainter::HasHotScrollBarParts() const { return false; }

void TcxStandardLookAndFeelPainter::PaintCheckFrame(TcxCanvas* ACanvas, const TRect& R, TcxButtonState) const {
  Edge3D(ACanvas, R, true, false);
  Edge3D(ACanvas, Inset(R, 1), true, true);
}

void TcxStandardLookAndFeelPainter::PaintHeaderEdge(TcxCanvas* ACanvas, const TRect& R, TcxNeighbors,
                                                    TcxBorders ABorders) const {
  PaintRaisedHeaderEdge(ACanvas, R, ABorders);
}

void TcxStandardLookAndFeelPainter::PaintHeaderPartEdge(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                        TcxBorders ABorders) const {
  if (AState == cxbsPressed) {
    FrameTwoColor(ACanvas, R, clBtnShadow, clBtnShadow, ABorders);
    return;
  }
  FrameTwoColor(ACanvas, R, clBtnHighlight, cl3DDkShadow, ABorders);
  FrameTwoColor(ACanvas, InsetBorders(R, 1, ABorders), cl3DLight, clBtnShadow, ABorders);
}

void TcxStandardLookAndFeelPainter::PaintSortGlyph(TcxCanvas* ACanvas, const TRect& R, bool AAscending) const {
  DrawSortTriangle(this, ACanvas, R, clBtnShadow, clBtnHighlight, AAscending);
}

int TcxStandardLookAndFeelPainter::GetHeaderEdgeWidth() const { return 1; }

int TcxStandardLookAndFeelPainter::GetHeaderPartEdgeWidth(TcxButtonState AState) const {
  return AState == cxbsPressed ? 1 : 2;
}

TSize TcxStandardLookAndFeelPainter::GetSortGlyphSize() const { return TSize{8, 7}; }
int TcxStandardLookAndFeelPainter::GetPanelEdgeWidth() const { return 1; }
int TcxStandardLookAndFeelPainter::GetCellEdgeWidth() const { return 1; }
int TcxStandardLookAndFeelPainter::GetCellOffset() const { return 1; }

void TcxStandardLookAndFeelPainter::PaintPanelEdge(TcxCanvas* ACanvas, const TRect& R) const {
  Edge3D(ACanvas, R, false, false);
}

void TcxStandardLookAndFeelPainter::PaintCellSeparator(TcxCanvas* ACanvas, const TRect& R) const {
  Edge3D(ACanvas, R, true, true);
}

void TcxStandardLookAndFeelPainter::PaintDropButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                    bool AActive) const {
  PaintEdgedDropButton(this, ACanvas, R, AState, AActive);
}

void TcxStandardLookAndFeelPainter::PaintTabItemEdge(TcxCanvas* ACanvas, const TRect& R, TcxBorder ASide,
                                                     TcxBorders ABorders, bool AVertical) const {
  PaintTabEdgeStrip(ACanvas, R, ASide, ABorders, AVertical);
}

void TcxStandardLookAndFeelPainter::PaintTabRow(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders, bool) const {
  Edge3D(ACanvas, R, false, false, ABorders);
}

int TcxStandardLookAndFeelPainter::GetTabEdgeWidth() const { return 1; }

void TcxStandardLookAndFeelPainter::PaintScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, const TRect& R,
                                                       TcxScrollBarPart APart, TcxButtonState AState) const {
  if (IsEmptyRect(R) || (APart == sbpThumbnail && AState == cxbsDisabled)) return;
  const TcxButtonState state = AState == cxbsHot ? cxbsNormal : AState;
  const bool pressed = state == cxbsPressed;
  if (APart == sbpPageUp || APart == sbpPageDown) {
    PaintScrollBarTrack(ACanvas, R, pressed);
    return;
  }
  const bool arrow = APart == sbpLineUp || APart == sbpLineDown;
  if (arrow) {
    static const UINT kArrow[] = {DFCS_SCROLLUP, DFCS_SCROLLDOWN, DFCS_SCROLLLEFT, DFCS_SCROLLRIGHT};
    UINT style = kArrow[ScrollBarArrowDirection(AHorizontal, APart)];
    if (state == cxbsDisabled) style |= DFCS_INACTIVE;
    if (pressed) style |= DFCS_FLAT;
    // The system arrow, a pixel down and right while pressed.
    TRect r = pressed ? OffsetRectBy(R, 1, 1) : R;
    DrawFrameControl(ACanvas->Handle(), AsRect(r), DFC_SCROLL, style);
  }
  if (arrow && pressed) {
    FrameTwoColor(ACanvas, R, clBtnShadow, clBtnShadow);
    FrameTwoColor(ACanvas, Inset(R, 1), clBtnFace, clBtnFace);
  } else {
    FrameTwoColor(ACanvas, R, clBtnFace, cl3DDkShadow);
    FrameTwoColor(ACanvas, Inset(R, 1), clBtnHighlight, clBtnShadow);
  }
  if (!arrow) FillSolid(ACanvas, Inset(R, GetButtonBorderWidth(cxbsNormal)), clBtnFace);
}

void TcxStandardLookAndFeelPainter::PaintArrowHeader(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText,
                                                     TcxNeighbors ANeighbors, const TcxViewStyleParams& AViewParams,
                                                     TcxDrawBackgroundEvent AOnDrawBackground) const {
  // A black line on each side that does not touch another header.
  TcxBorders borders;
  for (auto [n, b] : {std::pair{nLeft, bLeft}, {nTop, bTop}, {nRight, bRight}, {nBottom, bBottom}})
    if (!ANeighbors.Contains(n)) borders.Include(b);
  ACanvas->FrameRectBorders(ABounds, clBlack, 1, borders);
  const TRect inner = InsetBorders(ABounds, 1, borders);
  PaintContent(ACanvas, inner, inner, cxbsNormal, taCenter, vaCenter, false, true, AText, AViewParams.Font,
               AViewParams.TextColor, AViewParams.Color, AOnDrawBackground, false);
  PaintHeaderArrows(this, ACanvas, inner);
}

void TcxStandardLookAndFeelPainter::PaintSplitterEdge(TcxCanvas* ACanvas, const TRect& R, bool AHorizontal,
                                                      const TcxViewStyleParams& AViewParams) const {
  const TcxBorders sides = AHorizontal ? TcxBorders{bTop, bBottom} : TcxBorders{bLeft, bRight};
  FrameTwoColor(ACanvas, R, clBtnFace, cl3DDkShadow, sides);
  const TRect r = InsetBorders(R, 1, sides);
  FrameTwoColor(ACanvas, r, clBtnHighlight, clBtnShadow, sides);
  FillWithViewParams(ACanvas, InsetBorders(r, 1, sides), AViewParams);
}

void TcxStandardLookAndFeelPainter::PaintGroupBoxFrame(TcxCanvas* ACanvas, const TRect& R, bool,
                                                       TcxGroupBoxCaptionPosition, TcxBorders ABorders) const {
  const TRect r{R.Left, R.Top, R.Right - 1, R.Bottom - 1};
  ACanvas->FrameRectBorders(r, clBtnShadow, 1, ABorders, true);
  ACanvas->FrameRectBorders(OffsetRectBy(r, 1, 1), clBtnHighlight, 1, ABorders, true);
}

void TcxStandardLookAndFeelPainter::PaintTrackEdge(TcxCanvas* ACanvas, const TRect& R) const {
  FrameTwoColor(ACanvas, R, clBtnShadow, clBtnHighlight);
  FrameTwoColor(ACanvas, Inset(R, 1), cl3DDkShadow, cl3DLight);
}

void TcxStandardLookAndFeelPainter::PaintThumbEdge(TcxCanvas* ACanvas, const std::vector<TPoint>& ALightLine,
                                                   const std::vector<TPoint>& AInnerShadowLine,
                                                   const std::vector<TPoint>& AOuterShadowLine) const {
  PolylineIn(ACanvas, ALightLine, clBtnHighlight);
  PolylineIn(ACanvas, AInnerShadowLine, clBtnShadow);
  PolylineIn(ACanvas, AOuterShadowLine, cl3DDkShadow);
}

void TcxStandardLookAndFeelPainter::PaintThumbRectEdge(TcxCanvas* ACanvas, const TRect& R) const {
  FrameTwoColor(ACanvas, R, clBtnHighlight, cl3DDkShadow);
  FrameTwoColor(ACanvas, Inset(R, 1), cl3DLight, clBtnShadow);
}
