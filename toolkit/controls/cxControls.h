// The arithmetic of the toolkit's own controls, kept apart from any window so
// it can be checked natively: where a scroll bar's arrows, thumb and page
// areas lie and what position a thumb stands for, the pending values a control
// hands its bars, where the bars and the size grip go, how the middle-button
// pointing loop turns a pointer offset into a direction and a speed, and where
// popups and hints land against a work area. The windows themselves are in
// platform/cxControls_win.h.
#pragma once

#include <cstdint>
#include <functional>

#include "Types.h"
#include "cxLookAndFeelPainters.h"

// --- Scroll-bar geometry ------------------------------------------------------------------

// The values a bar shows; Position lies in [Min, Max].
struct TcxScrollBarRange {
  int Min = 0;
  int Max = 100;
  int Position = 0;
  int PageSize = 0;
};

// What the system says about scroll bars of one orientation.
struct TcxScrollBarMetrics {
  int ArrowSize = 0;         // the bar's system thickness: an arrow is as long as the bar is thick
  int SystemThumbSize = 0;   // the thumb of a bar without a page size
  int MinThumbSize = 0;      // the painter's smallest thumb of a paged bar
};

// Where the parts of a bar lie, in its client coordinates. Thumb and page
// rectangles are empty when the bar shows no thumb.
struct TcxScrollBarRects {
  TRect TopLeftArrow;
  TRect BottomRightArrow;
  TRect Thumb;
  TRect PageUp;    // between the top-left arrow and the thumb
  TRect PageDown;  // between the thumb and the bottom-right arrow
};

// The parts of a bar of AWidth x AHeight. A disabled bar, a track shorter
// than the smallest thumb, or an empty range (Max = Min) shows no thumb.
TcxScrollBarRects CalcScrollBarRects(int AWidth, int AHeight, bool AHorizontal, bool AEnabled,
                                     const TcxScrollBarRange& ARange, const TcxScrollBarMetrics& AMetrics);
// The page rectangles for a thumb at its current place (empty when it is empty).
void CalcScrollBarPageRects(TcxScrollBarRects& ARects, int AWidth, int AHeight, bool AHorizontal);
// The position a thumb stands for. A thumb that fills its track stands for Min.
int ScrollBarPositionFromThumb(const TcxScrollBarRects& ARects, bool AHorizontal, const TcxScrollBarRange& ARange);
// The part under P: none outside the bar and, with no thumb, anywhere between the arrows.
TcxScrollBarPart HitTestScrollBarPart(const TcxScrollBarRects& ARects, int AWidth, int AHeight, const TPoint& P);
// Where the mouse may go while it drags the thumb: the bar widened by 34
// pixels beyond each end and by 136 on each side across it.
TRect ScrollBarTrackingBand(int AWidth, int AHeight, bool AHorizontal);
// The thumb moved from its place at the press (ASavedThumbStart: its left or
// top then) by ADelta along the bar, kept between the arrows; the page
// rectangles follow it. Nothing for a bar without a thumb.
void MoveScrollBarThumb(TcxScrollBarRects& ARects, int AWidth, int AHeight, bool AHorizontal, int ASavedThumbStart,
                        int ADelta);

// The scroll codes, in the order of the system's SB_ codes.
enum TcxScrollCode { cxscLineUp, cxscLineDown, cxscPageUp, cxscPageDown, cxscPosition, cxscTrack, cxscTop,
                     cxscBottom, cxscEndScroll };
// The position a scroll code asks for from ACurrent, kept in [Min, Max].
int ScrollBarPositionForCode(TcxScrollCode ACode, int ACurrent, int AMin, int AMax, int ASmallChange,
                             int ALargeChange);
// A range a bar accepts: Max >= Min and the page no longer than Max - Min.
bool IsScrollBarRangeValid(int AMin, int AMax, int APageSize);

// --- What a control hands its bars ---------------------------------------------------------

// The values a control computes for one of its bars before they are applied.
struct TcxScrollBarPendingData {
  int Min = 0;
  int Max = 0;
  int Position = 0;
  int PageSize = 0;
  std::int16_t SmallChange = 0;
  std::int16_t LargeChange = 0;
  bool Enabled = false;
  bool Visible = false;
  bool AllowShow = false;
  bool AllowHide = false;
};

// Fills the pending data of one bar. AKindAllowed: the control's scroll-bar
// setting includes this bar. A bar that is not to show goes hidden; one with
// nothing to scroll (Max < Min, a page holding the whole range, a position
// below Min) hides when it may, else shows disabled; in both cases it keeps
// its previous values. Otherwise it takes the values and shows enabled.
void SetPendingScrollBarInfo(TcxScrollBarPendingData& AData, int AMin, int AMax, int AStep, int APage, int APos,
                             bool AAllowShow, bool AAllowHide, bool AKindAllowed);
// A bar whose range its page covers once the other bar's thickness is added.
bool IsRangeCoveredWithoutOtherBar(const TcxScrollBarPendingData& AData, int AOtherBarThickness);

// --- Where a control's bars go ----------------------------------------------------------------

// The content of ABounds less the border on every side and the visible bars
// (the horizontal one at the bottom, the vertical one at the right).
TRect CalcControlClientBounds(const TRect& ABounds, int ABorderSize, bool AHVisible, int AHBarHeight, bool AVVisible,
                              int AVBarWidth);
// The strip below the client bounds, as high as the horizontal bar.
TRect CalcHScrollBarBounds(const TRect& AClientBounds, int AHBarHeight);
// The strip right of the client bounds, as wide as the vertical bar.
TRect CalcVScrollBarBounds(const TRect& AClientBounds, int AVBarWidth);
// The corner between the two strips.
TRect CalcSizeGripBounds(const TRect& AClientBounds, int AHBarHeight, int AVBarWidth);

// --- The middle-button pointing loop ------------------------------------------------------------

// Where content scrolls: 0 none, 1 left, 2 right, 3 up, 4 down.
enum TcxDirection { dirNone, dirLeft, dirRight, dirUp, dirDown };

// The library cursors of the pointing loop.
constexpr int crcxFullScroll = 2101;
constexpr int crcxHorScroll = 2102;
constexpr int crcxVerScroll = 2103;
constexpr int crcxUpScroll = 2104;
constexpr int crcxRightScroll = 2105;
constexpr int crcxDownScroll = 2106;
constexpr int crcxLeftScroll = 2107;

struct TcxScrollContentStep {
  TcxDirection Direction = dirNone;
  int Speed = 0;          // 0 in the neutral zone, else 1 to 12
  bool Outside = false;   // the pointer left the neutral zone
};

// The pointer at P, the loop's anchor at AAnchor, its anchor bitmap AImageWidth
// wide, on a screen AScreen. The neutral zone is the square of the image's
// width around the anchor, stretched over the whole screen width without a
// horizontal bar and over its height without a vertical one. Outside it the
// pointer scrolls along the bar it is nearer to (vertically on a tie), at one
// more step of speed every 5 pixels beyond half the image's width, up to 12.
TcxScrollContentStep CalcScrollContentStep(const TPoint& P, const TPoint& AAnchor, int AImageWidth, bool AHVisible,
                                           bool AVVisible, const TRect& AScreen);
// The cursor of a direction; without one, that of the bars shown.
int ScrollContentCursor(TcxDirection ADirection, bool AHVisible, bool AVVisible);
// Whether a tick of the loop scrolls: every 13 - speed ticks.
bool IsScrollContentTick(int ATickCount, int ASpeed);

// The square around P inside which a press is not yet a drag.
TRect DragDeadZone(const TPoint& P, int AThreshold);

// --- Popups and hints -----------------------------------------------------------------------

enum TcxPopupAlignHorz { pahLeft, pahCenter, pahRight };
enum TcxPopupAlignVert { pavTop, pavCenter, pavBottom };
enum TcxPopupDirection { pdHorizontal, pdVertical };

// The work area of the monitor nearest to a screen point.
using TcxWorkAreaFunc = std::function<TRect(const TPoint& P)>;

// The top-left corner of a popup of ASize beside (horizontal direction) or
// above or below (vertical) the owner's screen rectangle AOwner, flipped to
// the other side when it would leave the work area and there is more room
// there, then kept inside the work area across the direction of placing.
TPoint CalcPopupPosition(const TRect& AOwner, const TSize& ASize, TcxPopupDirection ADirection,
                         TcxPopupAlignHorz AAlignHorz, TcxPopupAlignVert AAlignVert, const TcxWorkAreaFunc& AWorkArea);
// A window of ASize at ATopLeft moved to lie inside AWorkArea (its left and top
// edges win when it is larger).
TPoint KeepInWorkArea(const TPoint& ATopLeft, const TSize& ASize, const TRect& AWorkArea);
