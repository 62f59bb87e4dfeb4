// Locale values for the format tests, injected as the platform's readers
// would deliver them (D-46): the runtime's format settings and the locale's
// time format.
#pragma once

#include "SysUtils.h"
#include "cxFormats.h"

namespace formats_test {

// United States English, as the system reports it.
inline TFormatSettings EnglishSettings() {
  TFormatSettings fs = TFormatSettings::Invariant();
  fs.CurrencyString = L"$";
  fs.CurrencyFormat = 0;
  fs.NegCurrFormat = 0;
  fs.CurrencyDecimals = 2;
  fs.ShortDateFormat = L"M/d/yyyy";
  fs.LongDateFormat = L"dddd, MMMM d, yyyy";
  fs.ShortTimeFormat = L"h:mm AMPM";
  fs.LongTimeFormat = L"h:mm:ss AMPM";
  fs.TimeAMString = L"AM";
  fs.TimePMString = L"PM";
  return fs;
}

// Chinese (PRC), as the system reports it.
inline TFormatSettings ChineseSettings() {
  TFormatSettings fs = TFormatSettings::Invariant();
  static const wchar_t* const longMonths[12] = {L"一月", L"二月", L"三月", L"四月",  L"五月",   L"六月",
                                                L"七月", L"八月", L"九月", L"十月", L"十一月", L"十二月"};
  for (int i = 0; i < 12; ++i) {
    fs.LongMonthNames[i] = longMonths[i];
    fs.ShortMonthNames[i] = std::to_wstring(i + 1) + L"月";
  }
  static const wchar_t* const days[7] = {L"星期日", L"星期一", L"星期二", L"星期三", L"星期四", L"星期五", L"星期六"};
  for (int i = 0; i < 7; ++i) fs.LongDayNames[i] = fs.ShortDayNames[i] = days[i];
  fs.CurrencyString = L"¥";
  fs.CurrencyFormat = 0;
  fs.NegCurrFormat = 2;
  fs.CurrencyDecimals = 2;
  fs.ShortDateFormat = L"yyyy/M/d";
  fs.LongDateFormat = L"yyyy'年'M'月'd'日'";
  fs.ShortTimeFormat = L"H:mm";
  fs.LongTimeFormat = L"H:mm:ss";
  fs.TimeAMString = L"上午";
  fs.TimePMString = L"下午";
  return fs;
}

// The locale readers the controller asks, answering from these variables.
struct TInjectedLocale {
  static inline String TimeFormat = L"h:mm:ss tt";     // LOCALE_STIMEFORMAT
  static inline TFormatSettings NextSettings;          // what a re-read finds
  static inline uint32_t ThreadLocale = 0;
  static inline int Reads = 0;

  static String ReadTimeFormat() { return TimeFormat; }
  static void SetThreadLocale(uint32_t locale) { ThreadLocale = locale; }
  static void ReadSettings() {
    ++Reads;
    FormatSettings() = NextSettings;
  }
  static const TcxFormatLocaleReaders* Readers() {
    static const TcxFormatLocaleReaders readers{&ReadTimeFormat, &SetThreadLocale, &ReadSettings};
    return &readers;
  }
};

// Puts a locale in force for one test: its settings, its time format and the
// readers; everything returns at the end.
class TLocaleScope {
 public:
  TLocaleScope(const TFormatSettings& settings, const String& timeFormat)
      : FSaved(FormatSettings()), FSavedReaders(SetFormatLocaleReaders(TInjectedLocale::Readers())) {
    FormatSettings() = settings;
    TInjectedLocale::TimeFormat = timeFormat;
    TInjectedLocale::NextSettings = settings;
    TInjectedLocale::ThreadLocale = 0;
    TInjectedLocale::Reads = 0;
  }
  ~TLocaleScope() {
    SetFormatLocaleReaders(FSavedReaders);
    FormatSettings() = FSaved;
  }
  TLocaleScope(const TLocaleScope&) = delete;

 private:
  TFormatSettings FSaved;
  const TcxFormatLocaleReaders* FSavedReaders;
};

}  // namespace formats_test
