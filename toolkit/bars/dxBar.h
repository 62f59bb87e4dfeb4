// The bar library's arithmetic that needs no window system: the recent-use
// threshold, accelerator scanning, shortcut values, the image draw modes, the
// arrow and tiling geometry, the flat colours and the small value rules of the
// manager's properties. The platform half (platform/dxBar_win.h) draws and
// keeps the windows; both are the library's main unit.
#pragma once

#include <cstdint>
#include <vector>

#include "System.h"
#include "Types.h"

// --- Manager values ----------------------------------------------------------------------
// How many uses make an item recent for a percentage P (values above 100 count
// as 100): 0 when P is 100, else the smallest n >= 1 with n * (100 - P) div 100 > 0.
int dxBarRecentUseThreshold(int Percents);
// A registry path as the manager keeps it: a leading and a trailing backslash
// added when missing; an empty path stays empty.
String dxBarNormalizeRegistryPath(const String& Path);

// --- Texts and keys -----------------------------------------------------------------------
// The 1-based position of the last accelerator in Text ("&File" gives 2), 0
// when there is none. With Remove the single "&" marks are deleted (and one of
// each "&&"), so the position then refers to the changed text.
int AcceleratorPosition(String& Text, bool Remove);
// The text without accelerator marks: a single "&" is dropped, "&&" becomes "&".
String StripAccelerators(const String& Text);
// The 16-bit shortcut of a key with its modifiers: Shift 0x2000, Ctrl 0x4000,
// Alt 0x8000 (bit 29 of a key message's data); 0 for key 0.
uint16_t dxBarShortCutOf(uint16_t Key, bool Shift, bool Ctrl, intptr_t KeyData);
// The layout format's path delimiter: "\" for the registry, "." otherwise.
String PathDelimiter(bool Registry);
// Button-down and double-click messages of the left, right and middle buttons,
// client and non-client.
bool IsButtonDownMessage(unsigned Msg);
// The highest member (3 down to 0) of a set of view levels (bits 0..3), 255 for none.
int HighestViewLevel(unsigned Levels);
void EnsureMinWidth(int& Width, int MinWidth);
// Value * DPI / Base, halves rounded to the even neighbour.
int dxBarScaleValue(int Value, int DPI, int Base);

// --- Image draw modes ---------------------------------------------------------------------
// The modes of the core's image routine.
enum TdxBarImageDrawMode { bidmNormal = 0, bidmDisabled = 1, bidmFaded = 2, bidmGrayScale = 3, bidmLight = 4,
                           bidmShadowed = 5 };
struct TdxBarImageDrawState {
  bool Faded = false;            // the painter fades disabled images
  bool HighlightShadow = false;  // the painter shadows hot glyphs
  bool Pressed = false, Down = false, Selected = false;
  bool Lighten = false;          // the painter lightens glyphs that are not hot
  bool Grayed = false;           // the draw parameters ask for gray
  bool NormalLook = true;        // the control shows its image normally (enabled)
};
// The draw mode of an item control's glyph; ScreenBits is the screen's colour depth.
TdxBarImageDrawMode dxBarImageDrawMode(const TdxBarImageDrawState& State, int ScreenBits);

// --- Arrows -------------------------------------------------------------------------------
// Down (1) or right (any other direction) arrows of the bar painters.
constexpr int dxBarArrowDown = 1;
constexpr int dxBarArrowRight = 3;
// The arrow size that fits a rectangle: width - 8 (down) or height - 6 (right)
// halved, plus one when odd, at least 3.
int dxBarArrowSizeForRect(const TRect& R, int Direction);
// The three corners of the filled triangle and its top-left corner.
struct TdxBarArrowShape {
  TPoint Points[3];
  TPoint Origin;
};
TdxBarArrowShape dxBarArrowShape(const TRect& R, int Direction, int Size);

// --- Tiling -------------------------------------------------------------------------------
// Where a W x H bitmap is copied so that R shows the part of an endless tiling
// that OriginRect covers; empty when W or H is 0 or OriginRect is empty.
std::vector<TPoint> dxBarTilePositions(const TRect& R, const TRect& OriginRect, int W, int H);

// --- Focus frame and checked pattern ------------------------------------------------------
// Whether the dotted double frame of R sets pixel (x, y).
bool dxBarDoubleFocusPixel(const TRect& R, int X, int Y);
// Whether the 8 x 8 checked-button pattern shows the button face at (x, y)
// (else the button highlight).
inline bool dxBarCheckedPatternIsFace(int X, int Y) { return (X % 2) == (Y % 2); }

// --- Flat colours (RGB channels, before the nearest screen colour) ------------------------
// The flat border: each channel of the button shadow times 8 / 10.
uint32_t dxBarFlatBorderRGB(uint32_t ButtonShadowRGB);
// The flat face: each channel c of the button face becomes c + (255 - c) * 16 / 100.
uint32_t dxBarFlatFaceRGB(uint32_t ButtonFaceRGB);

// --- Fonts --------------------------------------------------------------------------------
// A font height value kept at least 11 pixels high: values above -11 become -11.
inline int dxBarMinFontHeight(int Height) { return Height > -11 ? -11 : Height; }

// --- Themed parts' placement ----------------------------------------------------------------
// Corners: 0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right.
// The close button of size (cx, cy) placed in R for a corner.
TRect dxBarThemedCloseButtonRect(const TRect& R, int Corner, int CX, int CY);
// The size grip's own rectangle (an extent cx, cy) and the rectangle it is drawn in.
TRect dxBarSizeGripRect(const TRect& R, int Corner, int CX, int CY);
TRect dxBarSizeGripDrawRect(const TRect& GripRect, int Corner);
