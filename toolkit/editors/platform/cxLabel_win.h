// The label: a read-only caption on the editor framework whose value is its
// caption. It can turn its text (TrueType fonts), give it depth in eight
// directions, draw it raised, lowered or outlined, fill its letters with a
// bitmap and draw an etched line beside it. The arithmetic is in cxLabel.h.
#pragma once

#include "cxEdit_control_win.h"
#include "cxLabel.h"

// Everything one drawing of a label needs; the control fills it from its
// properties and style, a test or a host may fill it directly.
struct TcxLabelPaintParams {
  String Text;
  TFont* Font = nullptr;
  TColor TextColor = clWindowText;
  TColor BackgroundColor = clBtnFace;  // what a graded extrusion starts from
  TRect ClientRect;
  TcxLabelTextSide Horz = cxltsNear;
  TcxLabelTextSide Vert = cxltsNear;
  int Angle = 0;
  TcxLabelEffect Effect = cxleNormal;
  TcxLabelStyle Style = cxlsNormal;
  TcxLabelOrientation Orientation = cxoRightBottom;
  int Depth = 0;
  int PenWidth = 1;
  TColor ShadowedColor = clGrayText;
  bool ShowAccelChar = true;
  bool WordWrap = false;
  bool EndEllipsis = false;
  TBitmap* Glyph = nullptr;  // texture of the letters, or none
  bool LineVisible = false;
  TcxLabelLineAlignment LineAlignment = cxllaCenter;
  TColor LineInnerColor = clDefault;
  TColor LineOuterColor = clDefault;
  TcxCustomLookAndFeelPainterClass Painter = nullptr;  // draws the line; none: no line
};

// Draws the text with its effects and the line; the background is the caller's.
void cxPaintLabel(TcxCanvas* ACanvas, const TcxLabelPaintParams& AParams);
// The size the text takes with its turn, depth and style offset, in AMaxWidth
// when the text wraps (0: unbounded).
TSize cxCalcLabelTextSize(TcxCanvas* ACanvas, const TcxLabelPaintParams& AParams, int AMaxWidth = 0);
// The angle the label really draws at: 0 for a font that is not TrueType.
int cxLabelEffectiveAngle(TcxCanvas* ACanvas, TFont* AFont, int AAngle);
