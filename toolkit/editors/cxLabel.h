// The label's geometry, kept apart from any window: the angle it turns its
// text by, the size a turned text takes, the depth effect's copies, the
// raised and lowered offset, the colours of a graded extrusion and where the
// etched line lies. The control and its drawing are in platform/cxLabel_win.h.
#pragma once

#include <vector>

#include "GraphicsColors.h"
#include "Streaming.h"
#include "System.h"
#include "Types.h"

enum TcxLabelEffect { cxleNormal, cxleFun, cxleExtrude, cxleCool };
enum TcxLabelStyle { cxlsNormal, cxlsRaised, cxlsLowered, cxlsOutLine };
enum TcxLabelOrientation {
  cxoLeft, cxoRight, cxoTop, cxoBottom, cxoLeftTop, cxoLeftBottom, cxoRightTop, cxoRightBottom
};
enum TcxLabelLineAlignment { cxllaTop, cxllaCenter, cxllaBottom };
VAMIRE_ENUM_NAMES(TcxLabelEffect, L"cxleNormal", L"cxleFun", L"cxleExtrude", L"cxleCool")
VAMIRE_ENUM_NAMES(TcxLabelStyle, L"cxlsNormal", L"cxlsRaised", L"cxlsLowered", L"cxlsOutLine")
VAMIRE_ENUM_NAMES(TcxLabelOrientation, L"cxoLeft", L"cxoRight", L"cxoTop", L"cxoBottom", L"cxoLeftTop",
                  L"cxoLeftBottom", L"cxoRightTop", L"cxoRightBottom")
VAMIRE_ENUM_NAMES(TcxLabelLineAlignment, L"cxllaTop", L"cxllaCenter", L"cxllaBottom")

// Any angle in degrees brought to 0..359 (450 is 90, -90 is 270).
int cxLabelNormalizeAngle(int AAngle);

// The box a w x h text turned by the angle covers, rounded to whole pixels.
TSize cxLabelRotatedSize(const TSize& ATextSize, int AAngle);

// How far the depth effect reaches on each axis: nothing for the normal effect.
TSize cxLabelDepthDelta(TcxLabelEffect AEffect, TcxLabelOrientation AOrientation, int ADepth);

// Raised and lowered text is drawn in copies 1 pixel apart below 12 points, else 2.
int cxLabelStyleOffset(TcxLabelStyle AStyle, int AFontSizePoints);

// The size the text needs with its effects: the turned text plus the depth
// and the style offset on both axes.
TSize cxLabelContentSize(const TSize& ATextSize, int AAngle, const TSize& ADepthDelta, int AStyleOffset);

// What drawing the label asks of the canvas: the depth copies in order, then
// the text itself at TextOrigin.
struct TcxLabelDepthPlan {
  std::vector<TPoint> Copies;     // where each depth copy starts
  std::vector<TColor> CopyColors; // the colour of each copy, RGB
  TPoint TextOrigin;              // where the text (or its raised/lowered copies) start
};
struct TcxLabelDepthParams {
  TPoint Start;  // the text's start before the effect
  TcxLabelEffect Effect = cxleNormal;
  TcxLabelOrientation Orientation = cxoRightBottom;
  int Depth = 0;
  int StyleOffset = 0;
  TColor BackgroundColor = 0;  // RGB
  TColor ShadowColor = 0;      // RGB
};
// The normal effect and a depth of 0 make no copies; the drop shadow one copy
// Depth pixels away; an extrusion Depth copies one pixel apart, graded from
// the background to the shadow colour for the fun effect.
TcxLabelDepthPlan cxLabelCalculateDepth(const TcxLabelDepthParams& AParams);

// The start of a text of w x h turned by the angle so that it sits centred in
// R less the depth delta.
TPoint cxLabelRotatedOrigin(const TRect& R, const TSize& ATextSize, int AAngle, const TSize& ADepthDelta);

// Where the etched line lies and where it pushes the text. A line exists only
// at 0 degrees (horizontal) and 90 (vertical); Visible is false otherwise.
struct TcxLabelLineLayout {
  bool Visible = false;
  bool Vertical = false;
  TRect LineRect;
  TRect TextRect;
};
enum TcxLabelTextSide { cxltsNear, cxltsCenter, cxltsFar };
TcxLabelLineLayout cxLabelCalculateLine(const TRect& AClientRect, const TRect& ATextRect, int AAngle,
                                        TcxLabelLineAlignment AAlignment, TcxLabelTextSide ATextSide,
                                        int AThickness);

// The text rectangle inside the client rectangle for a text of the given size.
TRect cxLabelTextRect(const TRect& AClientRect, const TSize& ASize, TcxLabelTextSide AHorz, TcxLabelTextSide AVert);
