// The Office colour set: 79 numbered colours mixed from the system colours,
// or taken from the table of the colour scheme of the visual style in force,
// and the arithmetic of the Office gradients, grip dots and item arrows.
// Needs no Win32: platform/dxOffice11_win.h keeps the set in force with its
// brushes and bitmaps and draws with it.
#pragma once

#include <array>
#include <vector>

#include "GraphicsColors.h"
#include "SysUtils.h"
#include "System.h"
#include "Types.h"

// The colour schemes of the visual style that have a table of their own.
enum TOffice11Scheme { o11sNone, o11sNormalColor, o11sHomestead, o11sMetallic };

constexpr int Office11ColorCount = 79;
// Entry N (1 to 79) at index N; index 0 is unused.
using TOffice11Colors = std::array<TColor, Office11ColorCount + 1>;

// The system colours the classic entries are mixed from, each already an RGB value.
struct TOffice11SystemColors {
  TColor BtnFace = 0, BtnShadow = 0, BtnHighlight = 0, BtnText = 0;
  TColor Window = 0, Highlight = 0, HighlightText = 0, GrayText = 0;
};
// The nearest colour the screen can show; null means every colour shows as it is.
using TNearestColorFunc = TColor (*)(TColor AColor);


// mix(A, B, p): per channel p % of A plus (100 - p) % of B, each term rounded
// (halves to even), the sum capped at 255, then made a colour the screen shows.
TColor BlendColorsRGB(TColor A, TColor B, int APercent, TNearestColorFunc ANear);
// light(a, b, c): per channel a % of the button face plus b % of the
// highlight plus c % of the window colour, each term rounded, the sum clamped
// to 0 .. 255; the highlight itself when the button face is black or white.
TColor MixSystemColorsRGB(const TOffice11SystemColors& AColors, int AFacePercent, int AHighlightPercent,
                          int AWindowPercent);
// Each channel times APercent / 100, rounded, at most 255.
TColor ScaleColorChannelsRGB(TColor AColor, int APercent);
// The brightness of the hue-saturation-value model (the largest channel)
// times APercent / 100, capped at full brightness, with hue and saturation
// kept: every channel scales by the same factor, rounded halves to even.
TColor ScaleColorBrightnessRGB(TColor AColor, int APercent);

// The scheme of a visual style from its file name (a path is stripped) and
// its colour-scheme name, both compared upper-cased. The file must be
// LUNA.MSSTYLES unless AAnyThemeFile (systems from major version 6 on).
TOffice11Scheme Office11SchemeFromNames(const String& AThemeFile, const String& AColorName, bool AAnyThemeFile);
// The percentage K of the split gradient: how far (in half per cents) its middle lies towards the second colour.
int Office11SplitPercent(TOffice11Scheme AScheme);
// The whole set: the scheme's table where a scheme is given (o11sNone: every
// entry by its classic rule), then the entries every case derives alike.
TOffice11Colors ComputeOffice11ColorTable(TOffice11Scheme AScheme, const TOffice11SystemColors& ASystem,
                                          TNearestColorFunc ANear);

// --- Gradients ----------------------------------------------------------------------------
// One solid band of a gradient: offsets from the start edge (To exclusive).
struct TOffice11Band {
  int From = 0, To = 0;
  TColor Color = 0;
  friend bool operator==(const TOffice11Band&, const TOffice11Band&) = default;
};
// The software gradient over an extent: min(extent, 256) bands, empty ones left out.
std::vector<TOffice11Band> GradientBands(int AExtent, TColor AColor1, TColor AColor2);
// The colour of the band that holds offset AOffset (0: the first pixel).
TColor GradientBandColorAt(int AOffset, int AExtent, TColor AColor1, TColor AColor2);
// One band per pixel line: from AColor1 to the middle colour, which lies
// K / 200 of the way to AColor2, then on to AColor2 at the last line.
std::vector<TColor> SplitGradientLines(int AExtent, TColor AColor1, TColor AColor2, int AK);

// --- Grip dots and arrows -----------------------------------------------------------------
// The top-left corners of the 4 x 4 cells of a run of grip dots in R: to the
// right, or downwards when AVertical.
std::vector<TPoint> GripDotCells(const TRect& R, bool AVertical);
// The three rows of a resize grip in the bottom-right corner of R, each the
// strip its run of dots is laid in (3, 2 and 1 dots).
std::array<TRect, 3> ResizeGripStrips(const TRect& R);
// The arrow size an item arrow gets in R (at least 3).
int Office11ArrowSizeInRect(const TRect& R, bool ADown);
// The corners of an item arrow of ASize centred in R, pointing down or right.
std::array<TPoint, 3> Office11ArrowPoints(const TRect& R, bool ADown, int ASize);
