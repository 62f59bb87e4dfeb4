// Regional settings as a user may set them (date and time formats,
// separators, designators, month names) turned into the editors' date
// formats and masks. Every expression mask built must compile in the mask
// editor's engine, every standard mask must read, and parsing a format must
// be repeatable.
#include "FuzzSupport.h"
#include "SysUtils.h"
#include "cxFormats.h"
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
  return 0;
}
