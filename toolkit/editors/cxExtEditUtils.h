// Small helpers of the extended editors: rectangle sizes that never go
// negative, the empty-value test, and the readers of integer and colour texts
// an operator types. The drawing and measuring helpers are in
// cxExtEditUtils_win.h.
#pragma once

#include "GraphicsColors.h"
#include "Types.h"
#include "Units.h"
#include "Variants.h"

// R.Right - R.Left (R.Bottom - R.Top), 0 when negative.
int GetRectWidthOrZero(const TRect& R);
int GetRectHeightOrZero(const TRect& R);

// True for Null and for an unassigned variant.
bool IsNullOrEmptyVariant(const Variant& AValue);

// Whether the trimmed text is a decimal integer of 32 bits: an optional sign
// and digits. Hexadecimal forms ("$10", "0x10") are no integer texts, since
// ExtractInteger would read them as another number.
bool IsIntegerText(const String& AText);

// The number made of the text's '-' and '0'..'9' characters in order; any
// other character is skipped, or ends the scan when AStopAtForeign. Nothing
// kept reads as 0; a malformed result ("1-2", "-", or one past 32 bits)
// raises EConvertError.
int ExtractInteger(const String& AText, bool AStopAtForeign);

// The colour a trimmed text names: a colour identifier ("clRed"), "$" and
// hexadecimal digits (at most 32 bits), or an integer text. False for an
// empty text, malformed hexadecimal and anything else; AColor is then left
// as it was.
bool TextToColor(const String& AText, TColor& AColor);

// Unit start and end only count: the helpers keep no state.
void cxExtEditUtils_Initialize();
void cxExtEditUtils_Finalize();
extern const TUnitEntry cxExtEditUtilsUnit;
