// Dates and times: encoding, decoding, formatting and parsing.
#include <atomic>
#include <chrono>
#include <cmath>
#include <ctime>

#include "SysUtils.h"

namespace {

constexpr int kMonthDays[2][12] = {{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
                                   {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}};

// Days since 0001-01-01 counted from 1 (0001-01-01 is 1), and the milliseconds of the day.
struct TTimeStamp {
  int64_t Date;
  int Time;
};

TTimeStamp DateTimeToTimeStamp(TDateTime value) {
  double scaled = value * double(MSecsPerDay);
  // Far outside the calendar: decode as day 0 rather than overflow.
  if (!(std::fabs(scaled) < 9.0e18)) return {0, 0};
  int64_t ms = Round(scaled);
  return {DateDelta + ms / MSecsPerDay, int(std::llabs(ms) % MSecsPerDay)};
}

}  // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInAMonth(int year, int month) {
  return month >= 1 && month <= 12 ? kMonthDays[IsLeapYear(year)][month - 1] : 0;
}

bool TryEncodeDate(int year, int month, int day, TDateTime& date) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInAMonth(year, month)) return false;
  int64_t days = day;
  for (int m = 1; m < month; ++m) days += DaysInAMonth(year, m);
  int64_t y = year - 1;
  days += y * 365 + y / 4 - y / 100 + y / 400;
  date = double(days - DateDelta);
  return true;
}

TDateTime EncodeDate(int year, int month, int day) {
  TDateTime d;
  if (!TryEncodeDate(year, month, day, d)) throw EConvertError(LoadResString(&SDateEncodeError));
  return d;
}

bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time) {
  if (hour < 0 || hour >= 24 || min < 0 || min >= 60 || sec < 0 || sec >= 60 || msec < 0 || msec >= 1000) return false;
  time = double(((hour * 60 + min) * 60 + sec) * 1000 + msec) / double(MSecsPerDay);
  return true;
}

TDateTime EncodeTime(int hour, int min, int sec, int msec) {
  TDateTime t;
  if (!TryEncodeTime(hour, min, sec, msec, t)) throw EConvertError(LoadResString(&STimeEncodeError));
  return t;
}

void DecodeDate(TDateTime date, int& year, int& month, int& day) {
  int64_t n = DateTimeToTimeStamp(date).Date;
  if (n <= 0 || n > 3652059) {  // outside 0001-01-01 .. 9999-12-31
    year = month = day = 0;
    return;
  }
  --n;
  int64_t y = 1;
  y += 400 * (n / 146097);
  n %= 146097;
  int64_t c = std::min<int64_t>(n / 36524, 3);
  y += 100 * c;
  n -= c * 36524;
  y += 4 * (n / 1461);
  n %= 1461;
  int64_t k = std::min<int64_t>(n / 365, 3);
  y += k;
  n -= k * 365;
  year = int(y);
  month = 1;
  while (n >= DaysInAMonth(year, month)) n -= DaysInAMonth(year, month++);
  day = int(n) + 1;
}

void DecodeTime(TDateTime time, int& hour, int& min, int& sec, int& msec) {
  int t = DateTimeToTimeStamp(time).Time;
  hour = t / 3600000;
  min = t / 60000 % 60;
  sec = t / 1000 % 60;
  msec = t % 1000;
}

int DayOfWeek(TDateTime date) { return int((DateTimeToTimeStamp(date).Date % 7 + 7) % 7) + 1; }

namespace {

TDateTime PlatformNow() {
  int y, mo, d, h, mi, s, ms;
  if (auto p = vamire_detail::SysUtilsPlatform(); p && p->LocalNow) {
    p->LocalNow(y, mo, d, h, mi, s, ms);
  } else {
    auto now = std::chrono::system_clock::now();
    std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm tm = *std::localtime(&t);
    y = tm.tm_year + 1900, mo = tm.tm_mon + 1, d = tm.tm_mday;
    h = tm.tm_hour, mi = tm.tm_min, s = std::min(tm.tm_sec, 59);
    ms = int(std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
  }
  return EncodeDate(y, mo, d) + EncodeTime(h, mi, s, ms);
}

std::atomic<TNowProc> NowProc{&PlatformNow};

}  // namespace

TDateTime Now() { return NowProc.load()(); }

TNowProc SetNowProc(TNowProc proc) { return NowProc.exchange(proc ? proc : &PlatformNow); }

TDateTime Date() { return std::floor(Now()); }
TDateTime Time() {
  TDateTime n = Now();
  return n - std::floor(n);
}

// --- Formatting -----------------------------------------------------------------------
namespace {

String Padded(int value, int digits) {
  String s = std::to_wstring(value);
  if (int(s.size()) < digits) s.insert(0, size_t(digits) - s.size(), L'0');
  return s;
}

bool StartsWithText(const String& f, size_t i, const wchar_t* word) {
  for (size_t k = 0; word[k]; ++k)
    if (i + k >= f.size() || (f[i + k] | 0x20) != (word[k] | 0x20)) return false;
  return true;
}

// The length of an am/pm specifier at i, or 0.
size_t AmPmLength(const String& f, size_t i) {
  if (StartsWithText(f, i, L"am/pm")) return 5;
  if (StartsWithText(f, i, L"a/p")) return 3;
  if (StartsWithText(f, i, L"ampm")) return 4;
  return 0;
}

class TDateFormatter {
 public:
  TDateFormatter(TDateTime value, const TFormatSettings& fs) : FS(fs), Value(value) {
    DecodeDate(value, Year, Month, Day);
    DecodeTime(value, Hour, Minute, Second, MSec);
  }

  void Append(const String& f, int level) {
    // Nested formats ("c", "ddddd", "t" ...) go two levels deep at most.
    if (level >= 2) return;
    wchar_t lastLetter = 0;
    for (size_t i = 0; i < f.size();) {
      wchar_t c = f[i];
      wchar_t token = AsciiUpper(c);
      if (IsAsciiLetter(token)) {
        if (token == L'M' && lastLetter == L'H') token = L'N';
        lastLetter = token;
      }
      size_t count = 1;
      auto run = [&] {
        while (i + count < f.size() && (f[i + count] | 0x20) == (c | 0x20)) ++count;
      };
      switch (token) {
        case L'Y':
          run();
          Out += count <= 2 ? Padded(Year % 100, 2) : Padded(Year, 4);
          break;
        case L'M':
          run();
          if (count <= 2) Out += Padded(Month, int(count));
          else if (Month >= 1) Out += count == 3 ? FS.ShortMonthNames[Month - 1] : FS.LongMonthNames[Month - 1];
          break;
        case L'D': {
          run();
          int dow = DayOfWeek(Value) - 1;
          if (count <= 2) Out += Padded(Day, int(count));
          else if (count == 3) Out += FS.ShortDayNames[dow];
          else if (count == 4) Out += FS.LongDayNames[dow];
          else Append(count == 5 ? FS.ShortDateFormat : FS.LongDateFormat, level + 1);
          break;
        }
        case L'H': {
          run();
          int h = Hour;
          if (TwelveHourClock(f, i + count)) h = h % 12 == 0 ? 12 : h % 12;
          Out += Padded(h, count >= 2 ? 2 : 1);
          break;
        }
        case L'N':
          run();
          Out += Padded(Minute, count >= 2 ? 2 : 1);
          break;
        case L'S':
          run();
          Out += Padded(Second, count >= 2 ? 2 : 1);
          break;
        case L'Z':
          run();
          Out += Padded(MSec, count >= 3 ? 3 : 1);
          break;
        case L'T':
          run();
          Append(count == 1 ? FS.ShortTimeFormat : FS.LongTimeFormat, level + 1);
          break;
        case L'C':
          run();
          Append(FS.ShortDateFormat, level + 1);
          if (Hour || Minute || Second || MSec) {
            Out += L' ';
            Append(FS.LongTimeFormat, level + 1);
          }
          break;
        case L'A': {
          count = AmPmLength(f, i);
          const bool pm = Hour >= 12;
          if (count == 5) Out.append(f, i + (pm ? 3 : 0), 2);       // as written: am/pm or AM/PM
          else if (count == 3) Out.append(f, i + (pm ? 2 : 0), 1);  // a/p
          else if (count == 4) Out += pm ? FS.TimePMString : FS.TimeAMString;
          else {
            Out += c;
            count = 1;
          }
          break;
        }
        case L'/':
          if (FS.DateSeparator) Out += FS.DateSeparator;
          break;
        case L':':
          if (FS.TimeSeparator) Out += FS.TimeSeparator;
          break;
        case L'\'':
        case L'"': {
          size_t end = f.find(c, i + 1);
          if (end == String::npos) end = f.size();
          Out.append(f, i + 1, end - i - 1);
          count = end - i + 1;
          break;
        }
        default:
          Out += c;
          break;
      }
      i += count;
    }
  }

  String Out;

 private:
  // An hour is on the 12-hour clock when an am/pm specifier follows it before the next hour.
  static bool TwelveHourClock(const String& f, size_t from) {
    wchar_t quote = 0;
    for (size_t i = from; i < f.size(); ++i) {
      wchar_t c = f[i];
      if (quote) {
        if (c == quote) quote = 0;
      } else if (c == L'\'' || c == L'"') {
        quote = c;
      } else if ((c | 0x20) == L'h') {
        return false;
      } else if ((c | 0x20) == L'a' && AmPmLength(f, i)) {
        return true;
      }
    }
    return false;
  }

  const TFormatSettings& FS;
  TDateTime Value;
  int Year, Month, Day, Hour, Minute, Second, MSec;
};

}  // namespace

String FormatDateTime(const String& format, TDateTime value, const TFormatSettings& settings) {
  TDateFormatter f(value, settings);
  f.Append(format.empty() ? String(L"c") : format, 0);
  return f.Out;
}

String FormatDateTime(const String& format, TDateTime value) { return FormatDateTime(format, value, FormatSettings()); }
String DateToStr(TDateTime value, const TFormatSettings& s) { return FormatDateTime(L"ddddd", value, s); }
String DateToStr(TDateTime value) { return DateToStr(value, FormatSettings()); }
String TimeToStr(TDateTime value, const TFormatSettings& s) { return FormatDateTime(L"tt", value, s); }
String TimeToStr(TDateTime value) { return TimeToStr(value, FormatSettings()); }
String DateTimeToStr(TDateTime value, const TFormatSettings& s) { return FormatDateTime(L"c", value, s); }
String DateTimeToStr(TDateTime value) { return DateTimeToStr(value, FormatSettings()); }

// --- Parsing --------------------------------------------------------------------------
namespace {

class TScanner {
 public:
  TScanner(const String& s, const TFormatSettings& fs) : S(s), FS(fs) {}

  void Blanks() {
    while (Pos < S.size() && S[Pos] == L' ') ++Pos;
  }
  bool AtEnd() {
    Blanks();
    return Pos >= S.size();
  }
  bool Char(wchar_t c) {
    Blanks();
    if (Pos < S.size() && S[Pos] == c) {
      ++Pos;
      return true;
    }
    return false;
  }
  bool Text(const String& word) {
    Blanks();
    if (word.empty() || Pos + word.size() > S.size() || !AnsiSameText(S.substr(Pos, word.size()), word)) return false;
    Pos += word.size();
    return true;
  }
  bool Number(int& value, int& digits) {
    Blanks();
    value = 0;
    digits = 0;
    while (Pos < S.size() && IsAsciiDigit(S[Pos]) && value < 1000) {
      value = value * 10 + (S[Pos++] - L'0');
      ++digits;
    }
    return digits > 0;
  }

  bool ScanDate(TDateTime& date) {
    enum { doMDY, doDMY, doYMD } order = doMDY;
    for (wchar_t c : FS.ShortDateFormat) {
      wchar_t u = c | 0x20;
      if (u == L'e' || u == L'y') { order = doYMD; break; }
      if (u == L'm') { order = doMDY; break; }
      if (u == L'd') { order = doDMY; break; }
    }
    int n1, n2, n3 = 0, l1, l2, l3 = 0, y, m, d, yearDigits;
    if (!Number(n1, l1) || !Char(FS.DateSeparator) || !Number(n2, l2)) return false;
    bool three = Char(FS.DateSeparator);
    if (three && !Number(n3, l3)) return false;
    if (!three) {
      int unused;
      DecodeDate(Now(), y, m, unused);
      yearDigits = 4;
      if (order == doDMY) d = n1, m = n2;
      else m = n1, d = n2;
    } else if (order == doMDY) {
      m = n1, d = n2, y = n3, yearDigits = l3;
    } else if (order == doDMY) {
      d = n1, m = n2, y = n3, yearDigits = l3;
    } else {
      y = n1, m = n2, d = n3, yearDigits = l1;
    }
    if (y <= 99 && yearDigits <= 2) {
      int now, unused1, unused2;
      DecodeDate(Now(), now, unused1, unused2);
      now -= FS.TwoDigitYearCenturyWindow;
      y += now / 100 * 100;
      if (FS.TwoDigitYearCenturyWindow > 0 && y < now) y += 100;
    }
    return TryEncodeDate(y, m, d, date);
  }

  bool ScanTime(TDateTime& time) {
    int baseHour = -1;
    if (Text(FS.TimeAMString) || Text(L"AM")) baseHour = 0;
    else if (Text(FS.TimePMString) || Text(L"PM")) baseHour = 12;
    int hour, min = 0, sec = 0, msec = 0, digits;
    if (!Number(hour, digits)) return false;
    if (Char(FS.TimeSeparator)) {
      if (!Number(min, digits)) return false;
      if (Char(FS.TimeSeparator)) {
        if (!Number(sec, digits)) return false;
        if (Char(FS.DecimalSeparator) && !Number(msec, digits)) return false;
      }
    }
    if (baseHour < 0) {
      if (Text(FS.TimeAMString) || Text(L"AM")) baseHour = 0;
      else if (Text(FS.TimePMString) || Text(L"PM")) baseHour = 12;
    }
    if (baseHour >= 0) {
      if (hour == 0 || hour > 12) return false;
      hour = (hour == 12 ? 0 : hour) + baseHour;
    }
    return TryEncodeTime(hour, min, sec, msec, time);
  }

  size_t Pos = 0;

 private:
  const String& S;
  const TFormatSettings& FS;
};

}  // namespace

namespace {
// The whole text must be one date or one time; `value` is left alone otherwise.
bool ScanWhole(const String& s, TDateTime& value, const TFormatSettings& settings, bool (TScanner::*scan)(TDateTime&)) {
  TScanner sc(s, settings);
  TDateTime v;
  if (!(sc.*scan)(v) || !sc.AtEnd()) return false;
  value = v;
  return true;
}
}  // namespace

bool TryStrToDate(const String& s, TDateTime& value, const TFormatSettings& settings) {
  return ScanWhole(s, value, settings, &TScanner::ScanDate);
}

bool TryStrToTime(const String& s, TDateTime& value, const TFormatSettings& settings) {
  return ScanWhole(s, value, settings, &TScanner::ScanTime);
}

bool TryStrToDateTime(const String& s, TDateTime& value, const TFormatSettings& settings) {
  TScanner sc(s, settings);
  TDateTime d, t = 0;
  if (sc.ScanDate(d) && (sc.AtEnd() || (sc.ScanTime(t) && sc.AtEnd()))) {
    value = d < 0 ? d - t : d + t;
    return true;
  }
  return TryStrToTime(s, value, settings);
}

TDateTime StrToDate(const String& s, const TFormatSettings& settings) {
  TDateTime v;
  if (!TryStrToDate(s, v, settings)) vamire_detail::RaiseConvertError(&SInvalidDate, s);
  return v;
}

TDateTime StrToTime(const String& s, const TFormatSettings& settings) {
  TDateTime v;
  if (!TryStrToTime(s, v, settings)) vamire_detail::RaiseConvertError(&SInvalidTime, s);
  return v;
}

TDateTime StrToDateTime(const String& s, const TFormatSettings& settings) {
  TDateTime v;
  if (!TryStrToDateTime(s, v, settings)) vamire_detail::RaiseConvertError(&SInvalidDateTime, s);
  return v;
}

TDateTime StrToDate(const String& s) { return StrToDate(s, FormatSettings()); }
TDateTime StrToTime(const String& s) { return StrToTime(s, FormatSettings()); }
TDateTime StrToDateTime(const String& s) { return StrToDateTime(s, FormatSettings()); }
