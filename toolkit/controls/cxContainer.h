// The arithmetic of the container, kept apart from any window so it can be
// checked natively: border widths by style, the thickness of a container's
// border, its hot zone, where its frame and shadow go, the rectangles around
// an inner area, and what a focused or hot style makes of the normal style's
// border. The container control, its styles and its view info are in
// platform/cxContainer_win.h.
#pragma once

#include "Streaming.h"
#include "Types.h"
#include "cxGraphics.h"
#include "cxLookAndFeelPainters.h"

// --- Style values ---------------------------------------------------------------------------
// How a container's border is drawn (the painters declare the styles).
VAMIRE_ENUM_NAMES(TcxContainerBorderStyle, L"cbsNone", L"cbsSingle", L"cbsThick", L"cbsFlat", L"cbs3D",
                  L"cbsUltraFlat", L"cbsOffice11")

// The values of a style, each assigned or inherited. The set holds 32 values:
// descendants (the editors' styles) number their own after these ten.
enum TcxContainerStyleValue {
  svBorderColor, svBorderStyle, svColor, svEdges, svFont, svHotTrack, svShadow, svTextColor, svTextStyle,
  svTransparentBorder,
  svLastContainerStyleValue = 31
};
VAMIRE_ENUM_NAMES(TcxContainerStyleValue, L"svBorderColor", L"svBorderStyle", L"svColor", L"svEdges", L"svFont",
                  L"svHotTrack", L"svShadow", L"svTextColor", L"svTextStyle", L"svTransparentBorder", L"sv10",
                  L"sv11", L"sv12", L"sv13", L"sv14", L"sv15", L"sv16", L"sv17", L"sv18", L"sv19", L"sv20", L"sv21",
                  L"sv22", L"sv23", L"sv24", L"sv25", L"sv26", L"sv27", L"sv28", L"sv29", L"sv30", L"sv31")
using TcxContainerStyleValues = TSet<TcxContainerStyleValue, 32>;
constexpr int cxContainerStyleValueCount = 10;

// The state a style stands for: its index among a container's four styles.
enum TcxContainerStateIndex { csiNormal, csiFocused, csiDisabled, csiHot };

// The state of a container, as a set of these bits.
using TcxContainerState = unsigned;
constexpr TcxContainerState ContainerStateNormal = 1;
constexpr TcxContainerState ContainerStateFocused = 2;
constexpr TcxContainerState ContainerStateDisabled = 4;
constexpr TcxContainerState ContainerStateHot = 8;

// Whether hot tracking is on, and then whether the container shows hot.
enum TcxContainerHotState { HotStateNone, HotStateNormal, HotStateHot };

// The width of the shadow right of and below a container.
constexpr int cxContainerShadowWidth = 3;

// --- Border arithmetic ----------------------------------------------------------------------
// none 0, single 1, thick 2, flat 2, 3D 2, ultra-flat 1, Office11 1.
int GetBorderStyleWidth(TcxContainerBorderStyle AStyle);
// The width of a framed border: under a skin none 0, thick 2, any other 1;
// otherwise GetBorderStyleWidth.
int ContainerBorderWidth(TcxContainerBorderStyle AStyle, bool ASkinned);
// A focused or hot style's border drawn from the normal style's while hot
// tracking is on: none becomes flat, single thick, flat 3D; the rest stay.
TcxContainerBorderStyle HotTrackBorderStyle(TcxContainerBorderStyle ANormal);

// What the thickness of a container's border depends on.
struct TcxContainerBorderParams {
  bool TransparentBorder = false;  // of the current state style
  bool BorderShown = true;         // the normal style has a border
  bool Native = false;
  TcxContainerBorderStyle NormalBorderStyle = cbsNone;
  TcxContainerBorderStyle BorderStyle = cbsNone;  // the one painted
  TcxBorders Edges = cxBordersAll;
  bool Shadow = false;
};
// The border on each side as margins (Left, Top, Right, Bottom), shadow included.
TRect CalcContainerBorderThickness(const TcxContainerBorderParams& AParams);

// What the hot zone depends on, besides the border.
struct TcxContainerHotZoneParams {
  int Width = 0;
  int Height = 0;
  bool Hosted = false;
  bool Shadow = false;
  bool BorderShown = true;
  bool Native = false;
  bool TransparentBorder = false;
  TcxContainerBorderStyle BorderStyle = cbsNone;  // the view info's
  int BorderWidth = 0;
  TcxBorders Edges = cxBordersAll;
};
// Where the mouse makes a container hot, in its client coordinates. A zone
// that ends above its top becomes (Left, 0, Right, 0).
TRect CalcContainerHotZone(const TcxContainerHotZoneParams& AParams);

// Moves each side in AEdges outward by AWidth.
void GrowRectByEdges(TRect& R, int AWidth, TcxBorders AEdges);
// Moves each side not in AEdges inward by AWidth.
TRect ShrinkRectOutsideEdges(const TRect& R, int AWidth, TcxBorders AEdges);
// The outer rectangle of the visible frame: ABounds less the border
// thickness, grown by the border width, shrunk again outside the edges.
TRect CalcContainerBorderBounds(const TRect& ABounds, const TRect& AThickness, int ABorderWidth, TcxBorders AEdges);

// Where the plain (not native) painting of a container draws.
struct TcxContainerFrameRects {
  TRect Frame;           // the rectangle DrawBorder frames; sides outside the edges lie outside the control
  TRect ShadowBands[2];  // bottom, then right; empty without a shadow
};
TcxContainerFrameRects CalcContainerFrameRects(const TRect& ABorderRect, int ABorderWidth, TcxBorders AEdges,
                                               bool AShadow);
// The two shadow bands of R: the bottom one from R.Left + 3, the right one from R.Top + 3.
void CalcContainerShadowBands(const TRect& R, TRect& ABottom, TRect& ARight);

// The four bands of R around AInner (left full height, top and bottom
// between the inner left and right, right full height), clipped to R, empty
// ones left out; R itself when AInner is empty; none when R is empty or
// equals AInner. Answers the count.
int CalcBandsExcept(const TRect& R, const TRect& AInner, TRect ABands[4]);

// Where a native scroll bar lies in the container's client coordinates, as
// (left, top, width, height) in the four fields of the answer: all 0 when
// its left or top is negative or it is wider or higher than the container.
TRect ScrollBarRectToClientRect(const TRect& AScreenRect, const TPoint& AClientOrigin, int AContainerWidth,
                                int AContainerHeight);
