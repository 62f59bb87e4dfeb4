// Regional settings as a user may set them (date and time formats,
// separators, designators, month names) turned into the editors' date
// formats and masks. Every expression mask built must compile in the mask
// editor's engine, every standard mask must read, and parsing a format must
// be repeatable. Past the free-form values, the rest of the input makes a
// locale as Windows shapes one (each of day, month and year once in the date
// format; an hour with its minutes, seconds and milliseconds after it and the
// designator at either end in the time format): then the masks must also take
// the text that the runtime writes with those formats, and every smart date
// word, translated to any text.
#include "FuzzSupport.h"
#include "SysUtils.h"
#include "cxDateUtils.h"
#include "cxFormats.h"
#include "cxLibraryStrs.h"
#include "cxRegExpr.h"
#include "cxStandardMask.h"

namespace {

String GTimeFormat;

String LocaleTimeFormat() { return GTimeFormat; }
void SetThreadLocale(uint32_t) {}
void ReadFormatSettings() {}
const TcxFormatLocaleReaders GReaders{&LocaleTimeFormat, &SetThreadLocale, &ReadFormatSettings};

// Locale texts hold no NUL; separators are one character, any but NUL.
wchar_t Char(fuzz::TFuzzReader& in) {
  const uint8_t c = in.Byte();
  return c ? wchar_t(c) : L'/';
}

void CheckCompiles(const String& mask, const char* what) {
  if (mask.empty()) return;
  TcxRegExpr expr;
  try {
    expr.CompileSource(mask);
  } catch (const Exception&) {
    std::fprintf(stderr, "%s\n", UTF8Encode(mask).c_str());
    fuzz::Check(false, what);
  }
}

// Literal text between the items: quoted, or an unquoted mark; maybe nothing.
// The runtime's date format may also hold a quote written in double quotes
// (a locale's time format quotes with single quotes only).
String Piece(fuzz::TFuzzReader& in, bool AQuoteMark = false) {
  static const wchar_t marks[] = L" .,-/:\u5E74\u6708\u65E5";
  const uint8_t kind = in.Byte();
  switch (kind % 5) {
    case 0: return String();
    case 1: return String(1, marks[in.Pick(sizeof marks / sizeof *marks - 1)]);
    case 2: return AQuoteMark ? String(L"\"'\"") : String(L"' '");
    default: {
      String text;
      for (wchar_t c : in.Text(4))
        if (c != L'\'' && c != L'"') text += c;
      return L"'" + text + L"'";
    }
  }
}

String DateFormat(fuzz::TFuzzReader& in) {
  static const wchar_t* const days[] = {L"d", L"dd"};
  static const wchar_t* const months[] = {L"M", L"MM", L"MMM", L"MMMM"};
  static const wchar_t* const years[] = {L"yy", L"yyyy"};
  const unsigned order = in.Pick(6);
  static const int orders[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
  String f = Piece(in, true);
  for (int k : orders[order]) {
    f += k == 0 ? days[in.Pick(2)] : k == 1 ? months[in.Pick(4)] : years[in.Pick(2)];
    f += Piece(in, true);
  }
  return f;
}

// In the locale's own spelling: "t" and "tt" for the designator.
String TimeFormat(fuzz::TFuzzReader& in) {
  static const wchar_t* const hours[] = {L"h", L"hh", L"H", L"HH"};
  static const wchar_t* const designators[] = {L"", L"t", L"tt"};
  const uint8_t shape = in.Byte();
  const String designator = designators[shape % 3];
  String f = shape & 4 ? designator + Piece(in) : String();
  f += hours[in.Pick(4)] + Piece(in) + (in.Bool() ? L"mm" : L"m");
  if (shape & 8) f += Piece(in) + (in.Bool() ? L"ss" : L"s");
  if (shape & 16) f += Piece(in) + (in.Bool() ? L"zzz" : L"z");
  if (!(shape & 4)) f += Piece(in) + designator;
  return f;
}

// Feeds the text key by key to the compiled mask: true when every key is
// taken and the mask may end there.
bool Accepts(TcxRegExpr& mask, const String& text) {
  mask.Restart();
  for (wchar_t c : text) {
    wchar_t ch = c;
    if (!mask.Advance(ch)) return false;
  }
  return mask.IsAccepting();
}

void CheckAccepts(TcxRegExpr& mask, const String& text, const char* what) {
  if (Accepts(mask, text)) return;
  std::fprintf(stderr, "date format %s\ntime format %s\nmask %s\ntext %s\n",
               UTF8Encode(FormatSettings().ShortDateFormat).c_str(), UTF8Encode(GTimeFormat).c_str(),
               UTF8Encode(*mask.CompiledSource()).c_str(), UTF8Encode(text).c_str());
  fuzz::Check(false, what);
}

// Compiles a mask the oracle needs: a locale's mask must compile.
void Compile(TcxRegExpr& expr, const String& mask, const char* what) {
  fuzz::Check(!mask.empty(), what);
  CheckCompiles(mask, what);
  expr.CompileSource(mask);
}

void CheckLocaleShapedMasks(fuzz::TFuzzReader& in) {
  TFormatSettings& fs = FormatSettings();
  fs.ShortDateFormat = DateFormat(in);
  GTimeFormat = TimeFormat(in);
  const unsigned word = in.Pick(cxSmartDateWordCount);
  const String translation = in.Text(6);
  static const PResStringRec words[cxSmartDateWordCount] = {
      &cxSDateToday,   &cxSDateYesterday, &cxSDateTomorrow, &cxSDateSunday, &cxSDateMonday,
      &cxSDateTuesday, &cxSDateWednesday, &cxSDateThursday, &cxSDateFriday, &cxSDateSaturday,
      &cxSDateFirst,   &cxSDateSecond,    &cxSDateThird,    &cxSDateFourth, &cxSDateFifth,
      &cxSDateSixth,   &cxSDateSeventh,   &cxSDateBOM,      &cxSDateEOM,    &cxSDateNow};
  SetResourceStringOverrides(TdxResourceStringOverrideMode::ByResource, {{L"", words[word]}}, {translation});

  TcxFormatController controller;
  TcxRegExpr dateMask, dateTimeMask;
  Compile(dateMask, controller.RegExprDateEditMask(), "a locale's date mask does not compile");
  Compile(dateTimeMask, controller.RegExprDateTimeEditMask(), "a locale's date-time mask does not compile");
  for (int i = 0; i < 3; ++i) {
    const int year = 1 + int(in.Int<uint16_t>() % 9999), month = 1 + int(in.Pick(12)), day = 1 + int(in.Pick(28));
    const int hour = int(in.Pick(24)), minute = int(in.Pick(60)), second = int(in.Pick(60));
    const int msec = int(in.Int<uint16_t>() % 1000);
    const TDateTime value = EncodeDate(year, month, day) + EncodeTime(hour, minute, second, msec);
    CheckAccepts(dateMask, FormatDateTime(TcxFormatController::GetFormatText(0), value),
                 "a locale's date mask refuses the date its format writes");
    CheckAccepts(dateTimeMask, FormatDateTime(TcxFormatController::GetFormatText(2), value),
                 "a locale's date-time mask refuses the date and time its format writes");
  }
  LoadSmartDateWords();
  for (int i = 0; i < cxSmartDateWordCount; ++i) {
    const String& text = SmartDateWords()[size_t(i)];
    if (text.empty()) continue;
    if (i != cxSmartDateWordNow) CheckAccepts(dateMask, text, "the date mask refuses a smart date word");
    CheckAccepts(dateTimeMask, text, "the date-time mask refuses a smart date word");
  }
  FreeResourceStringOverrides();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool installed = (SetFormatLocaleReaders(&GReaders), true);
  (void)installed;
  if (size > 1024) return 0;
  fuzz::TFuzzReader in(data, size);
  TFormatSettings fs = TFormatSettings::Invariant();
  fs.DateSeparator = Char(in);
  fs.TimeSeparator = Char(in);
  fs.TimeAMString = in.Text(8);
  fs.TimePMString = in.Text(8);
  fs.CurrencyString = in.Text(8);
  fs.CurrencyFormat = in.Byte();
  fs.NegCurrFormat = in.Byte();
  fs.CurrencyDecimals = in.Byte() % 20;
  const unsigned shortMonth = in.Pick(12);
  fs.ShortMonthNames[shortMonth] = in.Text(12);
  const unsigned longMonth = in.Pick(12);
  fs.LongMonthNames[longMonth] = in.Text(12);
  fs.ShortDateFormat = in.Text(40);
  fs.LongDateFormat = in.Text(40);
  fs.ShortTimeFormat = in.Text(20);
  GTimeFormat = in.Text(40);
  FormatSettings() = fs;

  TcxDateTimeFormatInfo first, second;
  const bool parsed = ParseDateTimeFormat(fs.ShortDateFormat, first);
  fuzz::Check(ParseDateTimeFormat(fs.ShortDateFormat, second) == parsed && first.Items == second.Items,
              "a format parses differently the second time");

  TcxFormatController controller;
  CheckCompiles(controller.RegExprDateEditMask(), "the date mask does not compile");
  CheckCompiles(controller.RegExprDateTimeEditMask(), "the date-time mask does not compile");
  for (const String* mask : {&controller.StandardDateEditMask(), &controller.StandardDateTimeEditMask()}) {
    if (mask->empty()) continue;
    TcxStandardMask standard;
    standard.SetMask(*mask);
    (void)standard.EmptyText();
  }
  const String currency = controller.CurrencyFormat();
  try {
    FormatFloat(currency, -1234.5);
    FormatFloat(currency, 1234.5);
  } catch (const Exception&) {
  }
  if (in.Left() > 0) CheckLocaleShapedMasks(in);
  return 0;
}
