// The arithmetic under every editor, kept apart from any window so it can be
// checked natively: the kinds and styles of edit buttons, which button style
// and popup border an editor ends up with, how thick its border is, where its
// buttons go when the editor is wide or narrow, which state each button shows
// and which part of the editor a point is over. The properties, styles, view
// data and view info built on it are in platform/cxEdit_win.h.
#pragma once

#include <vector>

#include "Streaming.h"
#include "Types.h"
#include "cxContainer.h"
#include "cxControls.h"
#include "cxLookAndFeelPainters.h"

// --- Kinds and styles ---------------------------------------------------------------------
enum TcxEditButtonKind { bkEllipsis, bkDown, bkGlyph, bkText };
VAMIRE_ENUM_NAMES(TcxEditButtonKind, L"bkEllipsis", L"bkDown", L"bkGlyph", L"bkText")

enum TcxEditButtonStyle { btsDefault, bts3D, btsFlat, btsSimple, btsHotFlat, btsUltraFlat, btsOffice11 };
VAMIRE_ENUM_NAMES(TcxEditButtonStyle, L"btsDefault", L"bts3D", L"btsFlat", L"btsSimple", L"btsHotFlat",
                  L"btsUltraFlat", L"btsOffice11")

enum TcxEditButtonTransparency { ebtNone, ebtInactive, ebtAlways, ebtHideInactive, ebtHideUnselected };
VAMIRE_ENUM_NAMES(TcxEditButtonTransparency, L"ebtNone", L"ebtInactive", L"ebtAlways", L"ebtHideInactive",
                  L"ebtHideUnselected")

// The same values as the container's border styles, under the editors' names.
enum TcxEditBorderStyle { ebsNone, ebsSingle, ebsThick, ebsFlat, ebs3D, ebsUltraFlat, ebsOffice11 };
VAMIRE_ENUM_NAMES(TcxEditBorderStyle, L"ebsNone", L"ebsSingle", L"ebsThick", L"ebsFlat", L"ebs3D", L"ebsUltraFlat",
                  L"ebsOffice11")

VAMIRE_ENUM_NAMES(TcxEditPopupBorderStyle, L"epbsDefault", L"epbsSingle", L"epbsFrame3D", L"epbsFlat")

// Gradient directions use dirLeft to dirDown of the toolkit's directions.
VAMIRE_ENUM_NAMES(TcxDirection, L"dirNone", L"dirLeft", L"dirRight", L"dirUp", L"dirDown")
using TcxEditGradientDirection = TcxDirection;

enum TcxEditVertAlignment { taTopJustify, taBottomJustify, taVCenter };
VAMIRE_ENUM_NAMES(TcxEditVertAlignment, L"taTopJustify", L"taBottomJustify", L"taVCenter")

// The editor styles' own values, numbered after the container's ten.
constexpr TcxContainerStyleValue svButtonStyle = TcxContainerStyleValue(10);
constexpr TcxContainerStyleValue svButtonTransparency = TcxContainerStyleValue(11);
constexpr TcxContainerStyleValue svPopupBorderStyle = TcxContainerStyleValue(12);
constexpr TcxContainerStyleValue svGradientButtons = TcxContainerStyleValue(13);
constexpr TcxContainerStyleValue svGradient = TcxContainerStyleValue(14);
constexpr TcxContainerStyleValue svGradientDirection = TcxContainerStyleValue(15);
constexpr int cxEditStyleValueCount = 16;
// The values the focused, disabled and hot styles do not publish: 3, 4, 5, 6, 9 and 11 to 15.
constexpr unsigned cxEditUnpublishedStyleValuesMask = 64120;

// A button's state in the view info.
enum TcxEditButtonState { ebsDisabled, ebsNormal, ebsPressed, ebsSelected };

// The edit-button view style of the properties: 2 shows only the buttons; 1 stretches them.
constexpr int cxEditButtonsViewNormal = 0;
constexpr int cxEditButtonsViewStretch = 1;
constexpr int cxEditButtonsViewOnly = 2;

// --- Choices by style ---------------------------------------------------------------------
// The look-and-feel kind a button style is drawn like: default and 3D standard;
// flat, simple and hot-flat flat; ultra-flat and Office11 their own.
TcxLookAndFeelKind EditButtonStyleToLookAndFeelKind(TcxEditButtonStyle AStyle);
// The style a kind draws its buttons in: flat btsFlat, standard bts3D, ultra-flat, Office11.
TcxEditButtonStyle LookAndFeelKindToEditButtonStyle(TcxLookAndFeelKind AKind);
// The style a button is drawn in: the style's own unless btsDefault; then by
// the look-and-feel kind for a hosted editor or a borderless one without hot
// tracking, else by the border style.
TcxEditButtonStyle CalcEffectiveButtonStyle(TcxEditButtonStyle AStyle, bool AHosted, TcxEditBorderStyle ABorderStyle,
                                            bool AHotTrack, TcxLookAndFeelKind AKind);
// The border the view data calculates with: none for a hosted editor,
// ultra-flat and Office11 counted as single.
TcxEditBorderStyle CalcEffectiveBorderStyle(TcxEditBorderStyle AStyle, bool AHosted);
// The width of a border style: none 0, single 1, thick 2, flat 2, 3D 2, ultra-flat 1, Office11 1.
int EditBorderStyleWidth(TcxEditBorderStyle AStyle);

// What the popup's border style depends on.
struct TcxEditPopupBorderParams {
  TcxEditPopupBorderStyle StyleValue = epbsDefault;
  bool HasEditor = true;
  bool Hosted = false;
  TcxLookAndFeelKind Kind = lfStandard;         // of the normal style's look-and-feel
  TcxEditBorderStyle BorderStyle = ebsSingle;   // the style's
  bool HasButtons = false;
  TcxLookAndFeelKind FirstButtonKind = lfStandard;  // the kind of the first button's drawn style
};
TcxEditPopupBorderStyle CalcPopupBorderStyle(const TcxEditPopupBorderParams& AParams);
// The look-and-feel kind matching an editor's buttons: the style's kind when
// hosted, standard without buttons, else the kind of the first button's style.
TcxLookAndFeelKind CalcButtonsLookAndFeelKind(bool AHosted, TcxLookAndFeelKind AStyleKind, bool AHasButtons,
                                              TcxEditButtonStyle AFirstButtonStyle);

// --- Border extent ------------------------------------------------------------------------
struct TcxEditBorderExtentParams {
  bool Hosted = false;
  TRect HostedBorderRect;   // the cached extent of a hosted editor
  bool Skinned = false;
  bool TransparentBorder = false;
  bool HasBorder = true;
  bool Native = false;
  TcxEditBorderStyle NormalBorderStyle = ebsSingle;  // of the normal style
  TcxEditBorderStyle BorderStyle = ebsSingle;        // the effective one
  TcxBorders Edges = cxBordersAll;
  bool Shadow = false;  // the style's
};
// Per side, as (Left, Top, Right, Bottom) margins.
TRect CalcEditBorderExtent(const TcxEditBorderExtentParams& AParams);
// The shadow is drawn for a standalone editor whose style asks for it and whose look is not native.
bool EditHasShadow(bool AStyleShadow, bool ANative, bool AHosted);

// --- Buttons ------------------------------------------------------------------------------
// Whether an editor shows its buttons at all.
bool AreEditButtonsShown(int AVisibleCount, TcxEditButtonTransparency ATransparency, bool AFocused, bool AHot);
// A button is drawn transparent always with ebtAlways, and with ebtInactive
// while the editor is neither focused nor hot.
bool IsEditButtonTransparent(TcxEditButtonTransparency ATransparency, bool AFocused, bool AHot);

// One button going into the layout.
struct TcxEditButtonLayoutItem {
  int Width = 0;            // the width it asks for
  bool LeftAlignment = false;
  bool Stretchable = true;
  bool FixedWidth = false;
};
// Where a button went.
struct TcxEditButtonPlace {
  TRect Bounds;
  TRect VisibleBounds;
  bool LeftSide = false;
  bool OuterEdge = false;    // touches the editor's outer edge
  bool ContentSide = false;  // borders the content area
};
struct TcxEditButtonsLayout {
  std::vector<TcxEditButtonPlace> Places;  // in the items' order
  // Indexes of the left side's leftmost and rightmost, and the right side's
  // leftmost and rightmost button; -1 none.
  int LeftLeftmost = -1, LeftRightmost = -1, RightLeftmost = -1, RightRightmost = -1;
};
// Places the buttons in ASpace from the last to the first: each takes its
// width from the left or right end of what is left; a button wider than what
// is left keeps its bounds but shows only what fits, and the buttons after it
// get empty bounds. In stretch mode the spare width goes to the stretchable
// buttons in proportion to their widths (to all when none is).
TcxEditButtonsLayout CalcEditButtonsLayout(const TRect& ASpace, const std::vector<TcxEditButtonLayoutItem>& AItems,
                                           bool AStretch);
// The client extent: ABorderExtent, pushed past every button (left-side ones
// on the left, right-side ones on the right) measured from ABounds.
TRect CalcEditClientExtent(const TRect& ABounds, const TRect& ABorderExtent, const TcxEditButtonsLayout& ALayout);
// The bounds less the extent; empty (zero width or height) where they cross.
TRect ShrinkByExtent(const TRect& ABounds, const TRect& AExtent);

// What a button's state depends on.
struct TcxEditButtonStateParams {
  bool Enabled = true;           // the editor and the button
  bool DrawnPressed = false;     // the view data draws it pressed
  bool DesignTime = false;
  bool PointInside = false;      // the mouse point is inside its visible bounds
  bool MouseButtonDown = false;  // any mouse button is held
  bool LeftButtonOnly = false;   // the left button alone is held
  bool WasPressed = false;       // it was the pressed button before
  bool LeftPressEvent = false;   // the calculation is for a left-button press
  bool CanBeHot = true;
  bool IsCaptured = false;       // it is the editor's captured button
};
TcxEditButtonState CalcEditButtonState(const TcxEditButtonStateParams& AParams);

// -2 outside the border rectangle, the index of the button whose bounds hold
// P, else -1 (the content area inside the border).
int CalcEditPartIndexAt(const TPoint& P, const TRect& ABorderRect, const std::vector<TRect>& AButtonBounds);

// How an editor's background is drawn: 0 a hosted editor's own hook, 1 the
// standard background and border, 2 nothing (hosted, transparent), 3 a fill in
// the background colour (hosted opaque, or standalone native), 4 the parent
// painted behind (standalone, transparent), 5 the parent's themed background.
constexpr int cxEditBackgroundByHook = 0, cxEditBackgroundStandard = 1, cxEditBackgroundNone = 2,
              cxEditBackgroundFill = 3, cxEditBackgroundParent = 4, cxEditBackgroundThemedParent = 5;
int CalcEditBackgroundKind(bool AHosted, bool AHookHandled, bool ATransparent, bool ANative,
                           bool AUsesNativeBackground);
// Every kind but the standard background and the fill lets what is behind show.
bool IsEditBackgroundTransparent(int AKind);

// Editor state bits: disabled 4; design time 1; else focused 2 or 1, plus hot 8.
int CalcEditStateBits(bool AEnabled, bool ADesignTime, bool AFocused, bool AHot);
// Content offsets (left, top, right, bottom): standalone (1, 1, 1, 3), hosted (1, 1, 1, 1).
TRect EditDefaultContentOffsets(bool AHosted);
