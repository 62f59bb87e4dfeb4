// The Office colour set in force, shared by the Office-style painters, the
// status bar and the bars: the colour scheme of the visual style, the 79
// colours (dxOffice11.h), the brushes and bitmaps made from them while the
// set is referenced, and the Office drawing routines: solid and gradient
// fills, the selection frame, grip dots and item arrows. The system-palette
// listener of cxLookAndFeels keeps a reference and refreshes the set on
// every system colour change.
#pragma once

#include <windows.h>

#include "Graphics.h"
#include "Units.h"
#include "dxOffice11.h"

// --- The set ------------------------------------------------------------------------------
// The first reference computes the set and makes its brushes and bitmaps.
void Office11ColorsAddRef();
// Computes the set again; while referenced its brushes and bitmaps are made anew.
void Office11ColorsRefresh();
// The last reference frees the brushes and bitmaps.
void Office11ColorsRelease();
int Office11ColorsRefCount();

TOffice11Scheme CurrentOffice11Scheme();
// Themes are usable and a scheme with a table of its own is in force.
bool IsOffice11SchemeThemed();
// Entry N (1 to 79) of the set, an RGB value; computed on first use.
TColor Office11Color(int N);
// The split-gradient percentage of the scheme in force.
int Office11SplitGradientPercent();
// The brush made on entry N while the set is referenced (entries 19, 20, 21,
// 22, 32, 39, 41, 42, 47, 48, 49, 50 and 56); null for the others and while
// the set is not referenced.
HBRUSH Office11EntryBrush(int N);
// The sub-menu glyph recoloured from Office11ToolbarColor1 to Office11ToolbarColor2,
// and the expand buttons' plus (collapsed) and minus (expanded) bitmaps; null while not referenced.
HBITMAP Office11SubMenuExpandBitmap();
HBITMAP Office11ExpandButtonBitmap(bool AExpanded);

// --- System-colour tests and mixing -------------------------------------------------------
bool IsBlackButtonFace();
bool IsWhiteButtonFace();
bool IsBlackFaceNonWhiteText();
// System colours are resolved first; see dxOffice11.h for the rules.
TColor ScaleColorChannels(TColor AColor, int APercent);
TColor BlendColors(TColor AColor1, TColor AColor2, int APercent);
TColor MixSystemColors(int AFacePercent, int AHighlightPercent, int AWindowPercent);

// --- Drawing ------------------------------------------------------------------------------
// With a brush made and deleted for the call.
void FillRectWithColor(HDC DC, const TRect& R, TColor AColor);
void FrameRectWithColor(HDC DC, const TRect& R, TColor AColor);
// Left to right when AHorizontal, else top to bottom; solid for equal colours.
void GradientFillRect(HDC DC, const TRect& R, TColor AColor1, TColor AColor2, bool AHorizontal);
void FillRectSplitGradient(HDC DC, const TRect& R, TColor AColor1, TColor AColor2, bool AHorizontal);
// The colour GradientFillRect's software fill gives at X (or Y when not AHorizontal).
TColor GradientColorAt(const TRect& R, int X, TColor AColor1, TColor AColor2, bool AHorizontal);
void FrameOffice11Selection(HDC DC, const TRect& R);
// Null brushes: the set's grip brushes (entries 19 dark and 20 light).
void DrawOffice11GripDots(HDC DC, const TRect& R, bool AVertical, HBRUSH ADarkBrush, HBRUSH ALightBrush);
// clDefault colours: the set's grip colours.
void DrawOffice11ResizeGrip(HDC DC, const TRect& R, TColor AColor1, TColor AColor2);
void DrawOffice11ArrowSized(HDC DC, const TRect& R, bool ADown, int ASize, bool ASelected, bool AEnabled);
void DrawOffice11ArrowInRect(HDC DC, const TRect& R, bool ADown, bool ASelected, bool AEnabled);

// The system's gradient call, bound when the unit starts; null draws every
// gradient in software. A test may put another in force; the previous comes back.
using TGradientFillFunc = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);
TGradientFillFunc SetOffice11GradientFill(TGradientFillFunc AFunc);

// --- The colours other controls name ------------------------------------------------------
TColor Office11DockColor1();
TColor Office11DockColor2();
TColor Office11ToolbarColor1();
TColor Office11ToolbarColor2();
TColor Office11ToolbarBorderColor();
TColor Office11ToolbarCornerColor();
TColor Office11EditButtonColor();
TColor Office11TearOffColor();
TColor Office11FloatingBorderColor();
TColor Office11FloatingBorderInnerColor();
TColor Office11FloatingCaptionColor();
TColor Office11CaptionColor();
TColor Office11CaptionTextColor();
TColor Office11CaptionGlyphHotColor();
TColor Office11CaptionGlyphPressedColor();
TColor Office11HeaderColor();
TColor Office11HeaderBrushColor();
TColor Office11MarkArrowColor();
TColor Office11MarkArrowShadowColor();
// By mark state: 0 normal, 1 hot, 2 pressed.
TColor Office11MarkColors1(int AState);
TColor Office11MarkColors2(int AState);
TColor Office11MarkCornerColors(int AState);
TColor Office11MenuBorderColor();
TColor Office11MenuColor();
TColor Office11OpenItemColor1();
TColor Office11OpenItemColor2();
TColor Office11MenuIconColor1();
TColor Office11MenuIconColor2();
TColor Office11NonRecentIconColor1();
TColor Office11NonRecentIconColor2();
TColor Office11PressedColor1();
TColor Office11PressedColor2();
TColor Office11DownSelectedColor();
TColor Office11DownColor();
TColor Office11SelectedColor();
TColor Office11HotColor1();
TColor Office11HotColor2();
TColor Office11SelectionBorderColor();
TColor Office11SeparatorDarkColor();
TColor Office11SeparatorLightColor();
TColor Office11TextColor();
TColor Office11DisabledTextColor();
TColor Office11SelectedTextColor();

// A pair of gradient ends.
struct TOffice11ColorPair {
  TColor Color1 = 0, Color2 = 0;
  friend bool operator==(const TOffice11ColorPair&, const TOffice11ColorPair&) = default;
};
// What the Office page-control look draws with.
struct TOffice11ColorSet {
  TOffice11ColorPair Background, Hot, Pressed, Separator;  // Separator: dark, light
  TColor Border = 0, Text = 0, DisabledText = 0;
};
TOffice11ColorSet Office11ColorSet();
// What the editors' Office buttons draw with.
struct TOffice11EditColors {
  TColor SelectionBorder = 0, NormalButton = 0;
  TOffice11ColorPair Normal, Hot, Pressed;
};
TOffice11EditColors Office11EditColors();
// The light and dark panel colours (panel-style group boxes).
TOffice11ColorPair Office11PanelColors();

// Unit start: binds the gradient call of msimg32.dll and puts the set's
// colours in force for the radio-button images. End: lets both go; the set's
// brushes and bitmaps go whatever references are left.
void dxOffice11_Initialize();
void dxOffice11_Finalize();
extern const TUnitEntry dxOffice11Unit;
