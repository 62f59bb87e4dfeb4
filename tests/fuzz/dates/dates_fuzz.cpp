// Dates and times as typed or stored (schedules, timing settings): parsing
// with several date orders and separators, formatting with patterns from
// outside, and decoding any stored number. A date that parses prints back to
// a text that parses to the same day and time.
#include <cmath>
#include <cstring>

#include "FuzzSupport.h"
#include "SysUtils.h"

namespace {

// As the locale gives them: "/" and ":" stand for the settings' separators.
// Month names are printed but never parsed, so no pattern here shows one.
const wchar_t* const kDateFormats[] = {L"M/d/yyyy", L"yyyy/MM/dd", L"dd/MM/yyyy", L"d/M/yy", L"yyyy/M/d", L"d/M/yyyy"};
const wchar_t* const kTimeFormats[] = {L"h:mm AMPM", L"hh:nn:ss", L"H:mm", L"hh:nn:ss.zzz"};
// A blank is no date separator: date and time are split at the blank between
// them; nor is the time separator ":".
const wchar_t kSeparators[] = {L'/', L'-', L'.'};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 1024) return 0;
  fuzz::TFuzzReader in(data, size);
  const unsigned mode = in.Pick(5);
  TFormatSettings settings = TFormatSettings::Invariant();
  settings.ShortDateFormat = kDateFormats[in.Pick(std::size(kDateFormats))];
  settings.LongTimeFormat = kTimeFormats[in.Pick(std::size(kTimeFormats))];
  settings.DateSeparator = kSeparators[in.Pick(std::size(kSeparators))];
  settings.TimeSeparator = in.Bool() ? L':' : L'.';
  settings.TwoDigitYearCenturyWindow = int(in.Pick(100));
  try {
    switch (mode) {
      case 0:
      case 1:
      case 2: {
        const String s = in.Rest();
        TDateTime v = 0;
        bool ok = false;
        String back;
        if (mode == 0 && (ok = TryStrToDate(s, v, settings))) back = DateToStr(v, settings);
        if (mode == 1 && (ok = TryStrToTime(s, v, settings))) back = TimeToStr(v, settings);
        if (mode == 2 && (ok = TryStrToDateTime(s, v, settings))) back = DateTimeToStr(v, settings);
        if (!ok) break;
        TDateTime again = 0;
        const bool read = mode == 0 ? TryStrToDate(back, again, settings)
                        : mode == 1 ? TryStrToTime(back, again, settings)
                                    : TryStrToDateTime(back, again, settings);
        fuzz::Check(read, "a parsed date or time does not print as one");
        // What the pattern shows survives: whole seconds, or minutes.
        if (settings.ShortDateFormat.find(L"yy") != String::npos &&
            settings.ShortDateFormat.find(L"yyyy") == String::npos)
          break;  // a two-digit year may fall in another century
        const double shown = settings.LongTimeFormat.find(L's') != String::npos ? 1.0 : 60.0;  // seconds
        fuzz::Check(std::fabs(again - v) * SecsPerDay < shown, "a parsed date or time reads back as another");
        break;
      }
      case 3: {
        // The settings' own patterns from outside too: "c" and "ddddd" expand them.
        if (in.Bool()) settings.ShortDateFormat = in.Text(24);
        if (in.Bool()) settings.LongTimeFormat = in.Text(24);
        uint64_t bits = in.Int<uint64_t>();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        FormatDateTime(in.Rest(), v, settings);
        int y, m, d, h, n, s, z;
        DecodeDate(v, y, m, d);
        DecodeTime(v, h, n, s, z);
        DayOfWeek(v);
        break;
      }
      default: {
        const int y = in.Int<int32_t>(), m = in.Int<int32_t>(), d = in.Int<int32_t>();
        TDateTime v = 0;
        if (TryEncodeDate(y, m, d, v)) {
          int y2, m2, d2;
          DecodeDate(v, y2, m2, d2);
          fuzz::Check(y2 == y && m2 == m && d2 == d, "an encoded date decodes to another");
        }
        const int h = in.Int<int32_t>(), n = in.Int<int32_t>(), s = in.Int<int32_t>(), z = in.Int<int32_t>();
        if (TryEncodeTime(h, n, s, z, v)) {
          int h2, n2, s2, z2;
          DecodeTime(v, h2, n2, s2, z2);
          fuzz::Check(h2 == h && n2 == n && s2 == s && z2 == z, "an encoded time decodes to another");
        }
        break;
      }
    }
  } catch (const Exception&) {
  }
  return 0;
}
