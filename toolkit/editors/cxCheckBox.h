// The check box's arithmetic, kept apart from any window: the toggle cycle,
// the interaction state of the glyph, where the glyph and the caption go, the
// caption's text flags, and which cell of a glyph strip or which theme state
// a state is drawn with. The control is in platform/cxCheckBox_win.h.
#pragma once

#include "Streaming.h"
#include "Types.h"
#include "cxGraphics.h"
#include "cxLookAndFeelPainters.h"

enum TcxCheckBoxNullValueShowingStyle { nssUnchecked, nssInactive, nssGrayedChecked };
VAMIRE_ENUM_NAMES(TcxCheckBoxNullValueShowingStyle, L"nssUnchecked", L"nssInactive", L"nssGrayedChecked")
VAMIRE_ENUM_NAMES(TcxCheckBoxState, L"cbsUnchecked", L"cbsChecked", L"cbsGrayed")

// The side of the glyph, numbered as the runtime's TAlignment (which this
// unit cannot see): caption right of it, caption left of it, no caption.
constexpr int cxCheckGlyphLeft = 0, cxCheckGlyphRight = 1, cxCheckGlyphCentred = 2;

// The glyph's interaction state.
enum TcxCheckPaintState { ecpsNormal, ecpsHot, ecpsPressed, ecpsDisabled };

// The user's toggle: unchecked goes to grayed when AAllowGrayed, else to
// checked; checked to unchecked; grayed to checked.
TcxCheckBoxState NextCheckBoxState(TcxCheckBoxState AState, bool AAllowGrayed);

// What the paint state is computed from, at each refresh of the view.
struct TcxCheckPaintStateParams {
  bool Enabled = true;
  bool SpaceHeld = false;
  bool Designing = false;
  bool MouseInside = false;
  bool LeftHeld = false;
  bool OtherButtonHeld = false;  // the right or the middle one
  bool LeftButtonEvent = false;  // the refresh comes from a left-button press or release
  TcxCheckPaintState Previous = ecpsNormal;
};
TcxCheckPaintState CalcCheckPaintState(const TcxCheckPaintStateParams& P);

// The glyph's rectangle in the client rectangle C: a glyph-sized rectangle
// (no wider than C less 2 on each side) centred in C less 2, moved to its
// left or right edge by the alignment when there is room.
TRect CalcCheckBoxRect(const TRect& C, const TSize& AGlyphSize, int AAlignment);
// The caption's rectangle: C less 2 (its top 1 pixel higher), beside the glyph
// with 3 pixels between them; empty width when the glyph fills C; 1 pixel
// larger to the right and bottom for an embossed (disabled) caption.
TRect CalcCheckBoxTextRect(const TRect& C, const TRect& AGlyphRect, int AAlignment, bool AEmbossed);
// Library text flags of the caption: left (centred for cxCheckGlyphCentred), accelerator
// prefixes, one line or word-wrapped, centred vertically except a standalone
// multi-line caption, which starts at the top.
TcxTextFlags GetCheckBoxTextFlags(int AAlignment, bool AMultiLine, bool AHosted);

// The cell of a custom glyph strip: unchecked 0, checked 1, grayed 2, plus 3
// while pressed; a pressed cell the strip lacks falls back to its unpressed one.
int GetCheckBoxGlyphIndex(TcxCheckBoxState AState, TcxCheckPaintState APaintState, int AGlyphCount);
// The theme state of the button theme's check-box part: 1..4 unchecked
// normal, hot, pressed, disabled; 5..8 checked; 9..12 mixed.
int GetCheckThemeState(TcxCheckBoxState AState, TcxCheckPaintState APaintState);
// Pixels between the glyph rectangle and the drawn glyph's border: 2 less the
// border look's width; 0 when the look draws its own glyph (ANoInset).
int GetCheckBoxBorderInset(TcxContainerBorderStyle ABorderStyle, bool ANoInset);
// The glyph's border look for the editor border style (ebsNone .. ebsOffice11
// as 0..6); hot tracking on a hot or focused box draws one step heavier.
TcxContainerBorderStyle GetCheckBoxBorderStyle(int AEditBorderStyle, bool AHotTrackActive);
