// The vocabulary every toolkit control draws with (button and check states,
// arrow directions, scroll-bar parts, editor-button kinds, group-box caption
// positions, painter styles) and the geometry of the painters' shared shapes:
// arrow triangles, the sort mark, the check mark, the double chevron, the
// track-bar thumb, the side arrow, the clock face, the size-grip corners and
// the radio-button pixel pattern. Needs no Win32; the painters that draw these
// shapes are in platform/cxLookAndFeelPainters_win.h.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "GraphicsColors.h"
#include "System.h"
#include "Types.h"
#include "cxGraphics.h"

// --- States and kinds ---------------------------------------------------------------------

// cxbsDefault is a normal button that is also the dialog's default one.
enum TcxButtonState { cxbsDefault, cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled };
enum TcxCheckBoxState { cbsUnchecked, cbsChecked, cbsGrayed };
enum TcxContainerBorderStyle { cbsNone, cbsSingle, cbsThick, cbsFlat, cbs3D, cbsUltraFlat, cbsOffice11 };
enum TcxEditPopupBorderStyle { epbsDefault, epbsSingle, epbsFrame3D, epbsFlat };
enum TcxLookAndFeelKind { lfFlat, lfStandard, lfUltraFlat, lfOffice11 };

// The painter style numbers by which other parts of the toolkit pick their own
// drawing variant (GetPainterStyle).
enum TcxLookAndFeelStyle { lfsFlat, lfsStandard, lfsUltraFlat, lfsNative, lfsOffice11 };
// lfsFlat, lfsUltraFlat and lfsOffice11 give their kind; any other style lfStandard.
TcxLookAndFeelKind StyleNumberToKind(TcxLookAndFeelStyle AStyle);

// The first two point vertically, the last two horizontally.
enum TcxArrowDirection { adUp, adDown, adLeft, adRight };
inline bool IsVerticalArrow(TcxArrowDirection ADirection) { return ADirection == adUp || ADirection == adDown; }

// Which sides of a header cell touch another cell.
enum TcxNeighbor { nLeft, nTop, nRight, nBottom };
using TcxNeighbors = TSet<TcxNeighbor, 4>;

enum TcxAlignmentVert { vaTop, vaBottom, vaCenter };

// The editor states whose colours a painter may prescribe.
enum TcxEditStateColorKind { esckNormal, esckDisabled, esckInactive, esckReadOnly };

// Parts of a scroll bar: the two arrow buttons (up or left, down or right),
// the thumb, the track before and after the thumb.
enum TcxScrollBarPart { sbpNone, sbpLineUp, sbpLineDown, sbpThumbnail, sbpPageUp, sbpPageDown };

// Kinds of editor buttons, and the side of the editor a button stands on.
enum TcxEditBtnKind {
  cxbkCloseBtn,
  cxbkComboBtn,
  cxbkEditorBtn,
  cxbkEllipsisBtn,
  cxbkSpinUpBtn,
  cxbkSpinDownBtn,
  cxbkSpinLeftBtn,
  cxbkSpinRightBtn
};
enum TcxEditBtnPosition { cxbpLeft, cxbpRight };

// Where a group box shows its caption; cxgpCenter shows none and leaves no gap.
enum TcxGroupBoxCaptionPosition { cxgpTop, cxgpBottom, cxgpLeft, cxgpRight, cxgpCenter };

// Where a track bar shows its ticks: above (left of) the track, below (right of) it, or both.
enum TcxTrackBarTicksAlign { tbtaUp, tbtaDown, tbtaBoth };

// The row-marker images, in the order of their bitmaps; rmkNone draws nothing.
enum TcxRowMarkerKind { rmkNone, rmkArrow, rmkEdit, rmkInsert, rmkMultiDot, rmkMultiArrow, rmkFilter };

// The corner a size grip sits in.
enum TcxCorner { coTopLeft, coTopRight, coBottomLeft, coBottomRight };

// --- Arrow triangles ----------------------------------------------------------------------

using TcxArrowPoints = std::array<TPoint, 3>;

// The three corners of an arrow triangle in R, in drawing order. With
// ASquareFirst R is first made square by shrinking its longer side equally
// from both ends. ASize 0 derives the size from the extent across the arrow:
// (extent - 1) div 4 + 1. Up and down arrows are 2 x size - 1 wide and size
// high; left and right arrows the other way round.
void CalcArrowTriangle(const TRect& R, TcxArrowPoints& APoints, TcxArrowDirection ADirection, bool ASquareFirst,
                       int ASize);
// The filled triangle pointing down that PaintDownTriangle draws in R.
TcxArrowPoints DownTrianglePoints(const TRect& R);

// --- Strokes ------------------------------------------------------------------------------
// A pen path: moved to the first point, lines to the others (each line leaves
// out its end point, as GDI draws it). AColorChange is the index of the point
// from which the second colour draws (0 when the path has one colour).
struct TcxStroke {
  std::vector<TPoint> Points;
  int ColorChange = 0;
};

// The sort mark of a glyph size: one path drawn light, turning dark at the
// base when descending and at the left side when ascending.
TcxStroke SortTriangleStroke(const TRect& R, const TSize& AGlyphSize, bool AAscending);
// The three strokes of the check mark in R.
std::array<TcxStroke, 3> CheckMarkStrokes(const TRect& R);
// The four strokes of the double chevron: pointing up when expanded.
std::array<TcxStroke, 4> ChevronStrokes(const TRect& R, bool AExpanded);
// The five rows of the lines mark: a dot at the start of rows 1, 3 and 5, and a line on each.
struct TcxLinesMark {
  std::vector<TPoint> Dots;
  std::vector<std::array<TPoint, 2>> Lines;  // from, to (end excluded)
};
TcxLinesMark LinesMarkShape(const TRect& R);
// The filled bars of the side arrow: pointing right (AFlag) or left.
std::vector<TRect> SideArrowBars(const TRect& R, bool AFlag);
// The cross of a tree button: a horizontal bar, and a vertical one when collapsed.
std::vector<TRect> TreeButtonCross(const TRect& R, bool AExpanded);

// --- Track-bar thumb ----------------------------------------------------------------------
// The five-point polygon of a thumb whose ticks stand on one side, and the
// three edge lines (light, inner shadow, outer shadow) drawn over it.
struct TcxTrackBarThumbShape {
  std::vector<TPoint> Polygon;
  std::vector<TPoint> LightLine, InnerShadowLine, OuterShadowLine;
};
// Not for tbtaBoth, whose thumb is a plain rectangle.
TcxTrackBarThumbShape TrackBarThumbShape(const TRect& R, bool AHorizontal, TcxTrackBarTicksAlign ATicks);

// --- Clock face ---------------------------------------------------------------------------
struct TcxClockFace {
  std::array<TPoint, 12> HourDots;             // i = 0, 5, ..., 55
  std::array<TPoint, 4> HourHand, MinuteHand;  // tip, side, back, side
  TPoint Center, SecondHandEnd;
};
// The clock face of R at the time of day of ATime (a date-time value).
TcxClockFace ClockFaceShape(const TRect& R, double ATime);

// --- Size grip ----------------------------------------------------------------------------
// How the picture of a bottom-right size grip is turned for another corner.
struct TcxCornerTurn {
  TcxBitmapRotation Rotation;
  bool Flip;
};
TcxCornerTurn SizeGripCornerTurn(TcxCorner ACorner);

// --- Radio-button images ------------------------------------------------------------------

// The colour role of each cell of the radio glyph.
enum TcxRadioPatternCode : std::uint8_t {
  rpcOutside,
  rpcOuterLight,
  rpcOuterDark,
  rpcInnerLight,
  rpcInnerDark,
  rpcBody,
  rpcCheck
};
constexpr int cxRadioImageCount = 128;
// (State - 1) + 4 x checked + 8 x kind + 32 x second flag + 64 x first flag,
// where cxbsDefault counts as cxbsNormal (an image for the default state
// would otherwise fall outside the list).
int RadioButtonImageKey(TcxLookAndFeelKind AKind, TcxButtonState AState, bool AChecked, bool AFirstFlag,
                        bool ASecondFlag);
// A cell (row, column) of a W x H glyph lies in the lower-right half.
bool IsRadioLowerRightCell(int ARow, int AColumn, int AWidth, int AHeight);

// The pixel pattern of a W x H glyph, rows from the top. AOutline holds the
// cells of the drawn circle outline, ADot those of the drawn check dot.
struct TcxRadioPattern {
  int Width = 0, Height = 0;
  std::vector<TcxRadioPatternCode> Cells;  // row by row
  TcxRadioPatternCode At(int ARow, int AColumn) const { return Cells[std::size_t(ARow * Width + AColumn)]; }
};
TcxRadioPattern BuildRadioPattern(int AWidth, int AHeight, const std::vector<bool>& AOutline,
                                  const std::vector<bool>& ADot);

// The colours one image is filled with, by role; each may still be a system colour.
struct TcxRadioColorMap {
  TColor OuterLight, OuterDark, InnerLight, InnerDark, Body, Check;
};
// The Office11 colours the radio images need; the Office colour unit installs
// its own. Until then the system colours that stand for them when no colour
// scheme is themed are used.
struct TcxRadioOfficeColors {
  TColor (*ButtonFaceColor)(TcxButtonState AState);  // the Office11 button face of a state
  TColor (*DisabledGlyphColor)();                     // the grey of disabled glyphs
  TColor (*HighlightBorderColor)();                   // the highlight frame
};
// Installs the colours (null: the stand-ins); answers the previous ones.
const TcxRadioOfficeColors* SetRadioOfficeColors(const TcxRadioOfficeColors* AColors);
// The ultra-flat body colours of hot and pressed glyphs (the glyph-drawing
// highlight colours) come from outside too, since they mix resolved colours.
struct TcxRadioHighlightColors {
  TColor Hot, Pressed;
};
TcxRadioColorMap RadioButtonColorMap(TcxLookAndFeelKind AKind, TcxButtonState AState, bool AChecked,
                                     bool AFirstFlag, bool ASecondFlag, const TcxRadioHighlightColors& AHighlight);
