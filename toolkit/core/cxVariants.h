// Variants for the toolkit: one order over every value (arrays included) that
// never raises for values the runtime can't compare, an equality test that
// takes booleans and their texts alike, type tests, and the compact stream
// form of variants with the fixed-size readers and writers the value types use.
// Needs no Win32.
//
// The order is total but not transitive across kinds (a number and a text
// that is no number are each below the other), so it must never be handed to
// a sort that assumes a strict weak order.
#pragma once

#include <cstdint>

#include "Streams.h"
#include "SysUtils.h"
#include "Variants.h"

// --- Comparison -------------------------------------------------------------------------

// Negative, 0 or positive: arrays after everything else, Empty before
// everything, Null before every other value; values the runtime can't order
// come out as -1.
int CompareVariants(const Variant& V1, const Variant& V2);
// Arrays with different high bounds order by the difference of the bounds.
int CompareVariantArrays(const Variant& V1, const Variant& V2);
// -1, 0 or 1 for two values that are not arrays.
int CompareSimpleVariants(const Variant& V1, const Variant& V2);
bool SameVariants(const Variant& V1, const Variant& V2);
// As SameVariants, except that a boolean and a non-Null value compare as texts:
// true equals "True".
bool AreVariantsEqual(const Variant& V1, const Variant& V2);

bool IsDateTimeVariant(const Variant& V);  // a date or an SQL time stamp
bool IsNumericVariant(const Variant& V);   // the runtime's numbers and decimal numbers
// Null or an empty text; Empty is not.
bool IsVariantNullOrEmpty(const Variant& V);

// --- Stream form ------------------------------------------------------------------------
// One tag byte per value, numbered as the component stream's value tags.
enum : uint8_t {
  cxVariantTagNull = 0,
  cxVariantTagArray = 1,
  cxVariantTagInt8 = 2,
  cxVariantTagInt16 = 3,
  cxVariantTagInt32 = 4,
  cxVariantTagExtended = 5,
  cxVariantTagString = 6,
  cxVariantTagFalse = 8,
  cxVariantTagTrue = 9,
  cxVariantTagLString = 12,
  cxVariantTagEmpty = 13,
  cxVariantTagSingle = 15,
  cxVariantTagCurrency = 16,
  cxVariantTagDate = 17,
  cxVariantTagWString = 18,
  cxVariantTagInt64 = 19,
};

// Arrays nest at most this deep in a stream; deeper data is damaged data.
constexpr int cxMaxVariantStreamDepth = 64;

// Raises EReadError "Stream read error" for an unknown tag, a count or length
// beyond what the stream holds, nesting beyond cxMaxVariantStreamDepth, or a
// stream that ends early; nothing is allocated before its size is checked.
Variant ReadVariantFromStream(TStream* AStream);
// Raises EWriteError "Stream write error" for an array of more than one
// dimension, arrays nested deeper than the reader takes, or a value that
// can't be turned into a text.
void WriteVariantToStream(TStream* AStream, const Variant& AValue);

// --- Fixed-size readers and writers -----------------------------------------------------
// Little-endian; a stream that ends early raises the runtime's read error, and
// a length beyond what the stream holds is refused before anything is allocated.

// 4-byte length, then the bytes.
AnsiString ReadStreamAnsiString(TStream* AStream);
void WriteStreamAnsiString(TStream* AStream, const AnsiString& AValue);
// 4-byte character count, then the characters as UTF-16.
String ReadStreamWideString(TStream* AStream);
void WriteStreamWideString(TStream* AStream, const String& AValue);
uint8_t ReadStreamByte(TStream* AStream);
void WriteStreamByte(TStream* AStream, uint8_t AValue);
int16_t ReadStreamSmallInt(TStream* AStream);
void WriteStreamSmallInt(TStream* AStream, int16_t AValue);
uint16_t ReadStreamWord(TStream* AStream);
void WriteStreamWord(TStream* AStream, uint16_t AValue);
int32_t ReadStreamInteger(TStream* AStream);
void WriteStreamInteger(TStream* AStream, int32_t AValue);
int64_t ReadStreamInt64(TStream* AStream);
void WriteStreamInt64(TStream* AStream, int64_t AValue);
// The currency's scaled 64-bit integer.
Currency ReadStreamCurrency(TStream* AStream);
void WriteStreamCurrency(TStream* AStream, Currency AValue);
// The double itself.
TDateTime ReadStreamDateTime(TStream* AStream);
void WriteStreamDateTime(TStream* AStream, TDateTime AValue);
// 10 bytes, 80-bit extended; every double goes there and back exactly.
double ReadStreamExtended(TStream* AStream);
void WriteStreamExtended(TStream* AStream, double AValue);
