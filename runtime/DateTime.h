// Dates and times of the runtime: TDateTime counts days since 1899-12-30, the
// fraction is the time of day. Formatting and parsing follow the current format
// settings unless a settings record is passed. Included by SysUtils.h.
#pragma once

#include <cstdint>

#include "SysUtils.h"

using TDateTime = double;

constexpr int HoursPerDay = 24;
constexpr int MinsPerDay = 24 * 60;
constexpr int SecsPerDay = MinsPerDay * 60;
constexpr int MSecsPerDay = SecsPerDay * 1000;
// Days from 0001-01-01 to 1899-12-30.
constexpr int DateDelta = 693594;

bool IsLeapYear(int year);
int DaysInAMonth(int year, int month);

// Raise EConvertError "Invalid argument to date encode" / "... time encode".
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int min, int sec, int msec);
bool TryEncodeDate(int year, int month, int day, TDateTime& date);
bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time);
void DecodeDate(TDateTime date, int& year, int& month, int& day);
void DecodeTime(TDateTime time, int& hour, int& min, int& sec, int& msec);
// 1 = Sunday .. 7 = Saturday.
int DayOfWeek(TDateTime date);

// The clock every caller reads: the platform's local time unless a procedure
// is installed, so a program's schedules can be run against a time a test
// chooses, as SetSleepProc does for pauses. Date and Time read it too.
TDateTime Now();
TDateTime Date();
TDateTime Time();
using TNowProc = TDateTime (*)();
// Installs `proc` (null restores the platform's clock) and returns the previous one.
TNowProc SetNowProc(TNowProc proc);

// Patterns: c d dd ddd dddd ddddd dddddd m mm mmm mmmm yy yyyy h hh n nn s ss z zzz
// t tt am/pm a/p ampm / : and quoted literals; "m" right after an hour is minutes.
String FormatDateTime(const String& format, TDateTime value);
String FormatDateTime(const String& format, TDateTime value, const TFormatSettings& settings);
String DateToStr(TDateTime value);
String DateToStr(TDateTime value, const TFormatSettings& settings);
String TimeToStr(TDateTime value);
String TimeToStr(TDateTime value, const TFormatSettings& settings);
String DateTimeToStr(TDateTime value);
String DateTimeToStr(TDateTime value, const TFormatSettings& settings);

// Raise EConvertError "'%s' is not a valid date" / "... time" / "... date and time".
TDateTime StrToDate(const String& s);
TDateTime StrToDate(const String& s, const TFormatSettings& settings);
TDateTime StrToTime(const String& s);
TDateTime StrToTime(const String& s, const TFormatSettings& settings);
TDateTime StrToDateTime(const String& s);
TDateTime StrToDateTime(const String& s, const TFormatSettings& settings);
bool TryStrToDate(const String& s, TDateTime& value, const TFormatSettings& settings);
bool TryStrToTime(const String& s, TDateTime& value, const TFormatSettings& settings);
bool TryStrToDateTime(const String& s, TDateTime& value, const TFormatSettings& settings);
