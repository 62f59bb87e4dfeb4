// The SQL time stamp: a date and time as separate fields, and its custom
// variant type. Only what the toolkit's value types need. Needs no Win32.
#pragma once

#include <cstdint>

#include "Variants.h"

// 16 bytes: year (signed), month, day, hour, minute, second, then the
// fractions of the second (milliseconds).
struct TSQLTimeStamp {
  int16_t Year = 0;
  uint16_t Month = 0;
  uint16_t Day = 0;
  uint16_t Hour = 0;
  uint16_t Minute = 0;
  uint16_t Second = 0;
  uint32_t Fractions = 0;
};
static_assert(sizeof(TSQLTimeStamp) == 16, "an SQL time stamp is 16 bytes");

extern const TResStringRec SInvalidSqlTimeStamp;  // Invalid SQL date/time values

// A stamp without a date (year, month and day 0) gives the time alone;
// fields out of range raise EConvertError.
TDateTime SQLTimeStampToDateTime(const TSQLTimeStamp& value);
bool TrySQLTimeStampToDateTime(const TSQLTimeStamp& value, TDateTime& result);
TSQLTimeStamp DateTimeToSQLTimeStamp(TDateTime value);

// The custom variant type of time stamps; its code is fixed at first use.
TVarType VarSQLTimeStamp();
Variant VarSQLTimeStampCreate(const TSQLTimeStamp& value);
// Any variant as a time stamp: EVariantTypeCastError when it can't be one.
TSQLTimeStamp VarToSQLTimeStamp(const Variant& v);
