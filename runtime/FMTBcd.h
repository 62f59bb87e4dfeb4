// Binary-coded decimal numbers of up to 64 digits and their custom variant
// type. Only what the toolkit's value types need: text, float, currency and
// integer conversions, comparison and the variant. Needs no Win32.
#pragma once

#include <cstdint>

#include "Variants.h"

// 34 bytes: the digit count, the sign (bit 7) with the number of decimal
// places (bits 0-5), then the digits as nibbles, the first in the high nibble.
struct TBcd {
  uint8_t Precision = 0;
  uint8_t SignSpecialPlaces = 0;
  uint8_t Fraction[32] = {};
};
static_assert(sizeof(TBcd) == 34, "a BCD value is 34 bytes");

extern const TResStringRec SInvalidBcdValue;  // '%s' is not a valid BCD value
VAMIRE_EXCEPTION(EBcdException, Exception)
VAMIRE_EXCEPTION(EBcdOverflowException, EBcdException)

// Texts with an optional sign, the current decimal separator and an optional
// exponent; blanks around are ignored. More than 64 significant digits fail.
bool TryStrToBcd(const String& s, TBcd& bcd);
// EBcdException when the text is no decimal number.
TBcd StrToBcd(const String& s);
// The shortest text: no leading or trailing zeros, the current decimal separator.
String BcdToStr(const TBcd& bcd);
// -1, 0 or 1. In a damaged value (a digit nibble above 9) such nibbles read as 9.
int BcdCompare(const TBcd& a, const TBcd& b);

TBcd IntegerToBcd(int64_t value);
// EBcdOverflowException for infinities and not-a-number.
TBcd DoubleToBcd(double value);
double BcdToDouble(const TBcd& bcd);
TBcd CurrToBcd(Currency value);
// Rounds to 4 places, halves to even; EBcdOverflowException beyond the currency range.
Currency BcdToCurr(const TBcd& bcd);

// The custom variant type of decimal numbers; its code is fixed at first use.
TVarType VarFMTBcd();
Variant VarFMTBcdCreate(const TBcd& bcd);
// Any variant as a decimal number: EVariantTypeCastError when it can't be one.
TBcd VarToBcd(const Variant& v);
