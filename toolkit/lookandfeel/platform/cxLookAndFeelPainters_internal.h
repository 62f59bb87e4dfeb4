// Drawing steps that several painters of the unit share. Each takes the
// painter it draws for, so the painter's own answers (sizes, colours) decide.
#pragma once

#include "cxLookAndFeelPainters_win.h"

namespace cxpainters {

// Fills, frames, lines and polygons of one colour straight on the DC's own
// brush and pen. Painters draw many small parts in changing colours; through
// the canvas every colour change would find or make a shared brush or pen.
// The canvas hears of the drawing as it hears of its own.
void FillSolid(TcxCanvas* ACanvas, const TRect& R, TColor AColor);
// Left and top in the first colour, right and bottom in the second, on the given sides.
void FrameTwoColor(TcxCanvas* ACanvas, const TRect& R, TColor ALeftTop, TColor ARightBottom,
                   TcxBorders ABorders = cxBordersAll);
// The canvas's 3D edge: sunken or raised, outer or inner colour pair.
void Edge3D(TcxCanvas* ACanvas, const TRect& R, bool ASunken, bool AOuter, TcxBorders ABorders = cxBordersAll);

TRect Inset(const TRect& R, int D);
// R shrunk by D on the given sides only.
TRect InsetBorders(const TRect& R, int D, TcxBorders ABorders);
bool IsEmptyRect(const TRect& R);
// A solid filled polygon in one colour (pen and brush).
void FillPolygon(TcxCanvas* ACanvas, const std::vector<TPoint>& APoints, TColor AColor);
void PolylineIn(TcxCanvas* ACanvas, const std::vector<TPoint>& APoints, TColor AColor);
// The stroke's lines in AColor, from its colour change on in ASecondColor.
void DrawStroke(TcxCanvas* ACanvas, const TcxStroke& AStroke, TColor AColor, TColor ASecondColor);
// The view's background: its bitmap tiled, or its colour.
void FillWithViewParams(TcxCanvas* ACanvas, const TRect& R, const TcxViewStyleParams& AParams);
// The library text flags of an alignment.
TcxTextFlags AlignmentFlags(TAlignment AHorz, TcxAlignmentVert AVert);
// Text on a clear brush in AFont (when given) and AColor (unless clDefault).
void DrawTextClear(TcxCanvas* ACanvas, const String& AText, const TRect& R, TcxTextFlags AFlags, TFont* AFont,
                   TColor AColor, bool AEnabled);

// The steps the standard and the flat look draw alike.
void PaintEtchedBand(TcxCanvas* ACanvas, const TRect& R, bool AVertical);
void PaintRaisedHeaderEdge(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders);
void PaintTabEdgeStrip(TcxCanvas* ACanvas, const TRect& R, TcxBorder ASide, TcxBorders ABorders, bool AVertical);
void PaintEdgedDropButton(TcxCustomLookAndFeelPainterClass APainter, TcxCanvas* ACanvas, const TRect& R,
                          TcxButtonState AState, bool AActive);
// The pattern bitmap's brush, made with the bitmap; null outside the unit's life.
HBRUSH ScrollBarPatternBrush(bool APressed);
// A track area brushed with the pattern bitmap; the canvas brush stays as it was.
void PaintScrollBarTrack(TcxCanvas* ACanvas, const TRect& R, bool APressed);
// The arrow direction of a scroll-bar button.
TcxArrowDirection ScrollBarArrowDirection(bool AHorizontal, TcxScrollBarPart APart);
// The two arrows of a month header, inside R.
void PaintHeaderArrows(TcxCustomLookAndFeelPainterClass APainter, TcxCanvas* ACanvas, const TRect& R);

}  // namespace cxpainters
