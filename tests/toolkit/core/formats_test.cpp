// Formats and date words: parsed date and time formats, the currency format in
// every negative form, date edit formats and masks built from injected locale
// values (D-46) for the English and the Chinese locale, the smart date words
// the masks accept, and the controller with its listeners.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "cxDateUtils.h"
#include "cxFormats.h"
#include "cxLibraryStrs.h"
#include "cxRegExpr.h"
#include "formats_test.h"

namespace {

using formats_test::ChineseSettings;
using formats_test::EnglishSettings;
using formats_test::TInjectedLocale;
using formats_test::TLocaleScope;

// The items of an info, one per "|": "Y:YYYY", "/", "L:text" ...
std::string Describe(const TcxDateTimeFormatInfo& info) {
  static const char* const kinds[] = {"L", "Y", "M", "D", "H", "N", "S", "Z", "A", "/", ":"};
  std::string r;
  for (const auto& item : info.Items) {
    if (!r.empty()) r += "|";
    r += kinds[item.Kind];
    if (item.Kind != dtikDateSeparator && item.Kind != dtikTimeSeparator) r += ":" + UTF8Encode(item.Data);
  }
  return r;
}

std::string Parsed(const String& format, bool* ok = nullptr) {
  TcxDateTimeFormatInfo info;
  const bool parsed = ParseDateTimeFormat(format, info);
  if (ok) *ok = parsed;
  for (int k = 0; k < cxDateTimeFormatItemKindCount; ++k) {
    bool present = false;
    for (const auto& item : info.Items) present = present || item.Kind == k;
    EXPECT_EQ(info.DefinedItems[k], present) << UTF8Encode(format) << " kind " << k;
  }
  return Describe(info);
}

TEST(DateTimeFormatTest, FormatsParseIntoTheirItems) {
  TLocaleScope locale(EnglishSettings(), L"h:mm:ss tt");
  struct Case {
    const wchar_t* format;
    const char* items;
  } const cases[] = {
      {L"d/M/yyyy", "D:D|/|M:M|/|Y:YYYY"},
      {L"hh:mm", "H:24HH|:|N:NN"},
      {L"h:mm:ss AMPM", "H:12H|:|N:NN|:|S:SS|L: |A:AMPM"},
      {L"HH:mm am/pm", "H:12HH|:|N:NN|L: |A:am/pm"},
      {L"h a/p", "H:12H|L: |A:a/p"},
      {L"ss AMPM", "S:SS|L: "},  // a designator without an hour goes
      {L"dddd, MMMM d, yyyy", "D:DDDD|L:, |M:MMMM|L: , |Y:YYYY"},  // only the first day stays
      {L"yyyy'年'M'月'd'日'", "Y:YYYY|L:年|M:M|L:月|D:D|L:日"},
      {L"\"at\" h", "L:at |H:24H"},
      {L"aaaa aaa a", "D:DDDD|L:  a"},
      {L"yy e yyy", "Y:YY|L:  "},
      {L"mmmmm zzzz z hh:nn", "M:MMMM|L: |Z:ZZZ|L:  |H:24HH|:|N:NN"},
      {L"h:ss:mm", "H:24H|:|S:SS|:|M:MM"},  // "m" right after an hour is minutes; here it is not
      {L"ddddd", "M:M|/|D:D|/|Y:YYYY"},
      {L"dddddd", "D:DDDD|L:, |M:MMMM|L: , |Y:YYYY"},
      {L"t", "H:12H|:|N:NN|L: |A:AMPM"},
      {L"tt", "H:12H|:|N:NN|:|S:SS|L: |A:AMPM"},
      {L"c", "M:M|/|D:D|/|Y:YYYY|L: |H:12H|:|N:NN|:|S:SS|L: |A:AMPM"},
      {L"", "M:M|/|D:D|/|Y:YYYY|L: |H:12H|:|N:NN|:|S:SS|L: |A:AMPM"},
      {L"x-q\u4E2D", "L:x-q\u4E2D"},
      {L"'open", "L:open"},
  };
  for (const Case& c : cases) EXPECT_EQ(Parsed(c.format), c.items) << UTF8Encode(c.format);
}

TEST(DateTimeFormatTest, GMakesTheWholeParseFailAndNestingStopsAtTwoLevels) {
  TLocaleScope locale(EnglishSettings(), L"h:mm:ss tt");
  bool ok = true;
  EXPECT_EQ(Parsed(L"yyyy/g", &ok), "");
  EXPECT_FALSE(ok);
  FormatSettings().ShortDateFormat = L"gg yyyy";
  EXPECT_EQ(Parsed(L"c", &ok), "");
  EXPECT_FALSE(ok) << "a G in a nested format fails the whole parse";
  // A format that names itself adds nothing at the third level.
  FormatSettings().ShortDateFormat = L"d ddddd";
  EXPECT_EQ(Parsed(L"ddddd", &ok), "D:D|L: ");
  EXPECT_TRUE(ok);
}

TEST(DateTimeFormatTest, LocaleTimeFormatsTurnIntoTheRuntimesPatterns) {
  struct Case {
    const wchar_t *in, *out;
  } const cases[] = {{L"h:mm:ss tt", L"h:mm:ss AMPM"},
                     {L"t h:mm", L"A/P h:mm"},
                     {L"HH:mm:ss", L"HH:mm:ss"},
                     {L"tth'点'mm'分'", L"AMPMh'点'mm'分'"},
                     {L"H 'Uhr' T", L"H 'Uhr' A/P"},
                     {L"TTT h", L"AMPM h"},
                     {L"h 'at' tt", L"h 'at' AMPM"}};  // quoted text is no designator
  for (const Case& c : cases) EXPECT_EQ(ConvertLocaleTimeFormat(c.in), c.out);

  TLocaleScope locale(EnglishSettings(), L"h:mm:ss tt");
  EXPECT_EQ(GetLongTimeFormatText(), L"h:mm:ss AMPM");
  TcxFormatController controller;
  controller.SetUseRuntimeLongTimeFormat(true);
  FormatSettings().LongTimeFormat = L"hh.mm.ss";
  EXPECT_EQ(GetLongTimeFormatText(), L"hh.mm.ss");
  EXPECT_EQ(TcxFormatController::GetFormatText(2), L"M/d/yyyy hh.mm.ss");
}

// --- Currency ---------------------------------------------------------------------------

TEST(CurrencyFormatTest, EveryNegativeFormFromTheLocale) {
  TLocaleScope locale(EnglishSettings(), L"h:mm:ss tt");
  struct Case {
    const wchar_t* format;
    const wchar_t* text;  // -1234.5
  } const cases[] = {
      {L"$,0.00;($,0.00)", L"($1,234.50)"},  {L"$,0.00;-$,0.00", L"-$1,234.50"},
      {L"$,0.00;$-,0.00", L"$-1,234.50"},    {L"$,0.00;$,0.00-", L"$1,234.50-"},
      {L"$,0.00;(,0.00$)", L"(1,234.50$)"},  {L"$,0.00;-,0.00$", L"-1,234.50$"},
      {L"$,0.00;,0.00-$", L"1,234.50-$"},    {L"$,0.00;,0.00$-", L"1,234.50$-"},
      {L"$,0.00;-,0.00 $", L"-1,234.50 $"},  {L"$,0.00;-$ ,0.00", L"-$ 1,234.50"},
      {L"$,0.00;,0.00 $-", L"1,234.50 $-"},  {L"$,0.00;$ ,0.00-", L"$ 1,234.50-"},
      {L"$,0.00;$ -,0.00", L"$ -1,234.50"},  {L"$,0.00;,0.00- $", L"1,234.50- $"},
      {L"$,0.00;($ ,0.00)", L"($ 1,234.50)"}, {L"$,0.00;(,0.00 $)", L"(1,234.50 $)"},
  };
  for (int form = 0; form < 16; ++form) {
    FormatSettings().NegCurrFormat = uint8_t(form);
    const String format = TcxFormatController::BuildCurrencyFormat();
    EXPECT_EQ(format, cases[form].format) << form;
    EXPECT_EQ(FormatFloat(format, -1234.5), cases[form].text) << form;
    EXPECT_EQ(FormatFloat(format, 1234.5), L"$1,234.50") << form;
  }
}

TEST(CurrencyFormatTest, PositiveFormsDecimalsAndQuotedPoints) {
  TLocaleScope locale(EnglishSettings(), L"h:mm:ss tt");
  FormatSettings().NegCurrFormat = 1;
  EXPECT_EQ(TcxFormatController::BuildCurrencyFormat(), L"$,0.00;-$,0.00");
  const wchar_t* const positives[] = {L"$1,234.50", L"1,234.50$", L"$ 1,234.50", L"1,234.50 $"};
  for (int form = 0; form < 4; ++form) {
    FormatSettings().CurrencyFormat = uint8_t(form);
    EXPECT_EQ(FormatFloat(TcxFormatController::BuildCurrencyFormat(), 1234.5), positives[form]) << form;
  }
  FormatSettings().CurrencyString = L"kr.";
  FormatSettings().CurrencyFormat = 3;
  FormatSettings().NegCurrFormat = 8;
  FormatSettings().CurrencyDecimals = 3;
  EXPECT_EQ(TcxFormatController::BuildCurrencyFormat(), L",0.000 kr'.';-,0.000 kr'.'");
  EXPECT_EQ(FormatFloat(TcxFormatController::BuildCurrencyFormat(), -1234.5), L"-1,234.500 kr.");

  TLocaleScope chinese(ChineseSettings(), L"H:mm:ss");
  EXPECT_EQ(TcxFormatController::BuildCurrencyFormat(), L"¥,0.00;¥-,0.00");
  EXPECT_EQ(FormatFloat(TcxFormatController::BuildCurrencyFormat(), -1234.5), L"¥-1,234.50");
}

// --- Date formats and masks -------------------------------------------------------------

TEST(DateMaskTest, EditFormatsAndStandardMasksFromTheLocale) {
  struct Case {
    const char* name;
    TFormatSettings settings;
    const wchar_t* shortDate;
    const wchar_t* timeFormat;
    const wchar_t* editFormat;
    const wchar_t* dateMask;
    const wchar_t* timeMask;
    const wchar_t* dateTimeMask;
    const wchar_t* maskedDate;
    const wchar_t* maskedDateTime;
  } const cases[] = {
      {"d/M/yyyy", EnglishSettings(), L"d/M/yyyy", L"h:mm:ss tt", L"dd/MM/yyyy", L"!99/99/9999;1; ",
       L"00:00:00\\ cc;1;0", L"!99/99/9999\\ 99:99:99\\ cc;1; ", L"dd/mm/yyyy", L"dd/mm/yyyy' 'hh:nn:ss' 'ampm"},
      {"English", EnglishSettings(), L"M/d/yyyy", L"h:mm:ss tt", L"MM/dd/yyyy", L"!99/99/9999;1; ",
       L"00:00:00\\ cc;1;0", L"!99/99/9999\\ 99:99:99\\ cc;1; ", L"mm/dd/yyyy", L"mm/dd/yyyy' 'hh:nn:ss' 'ampm"},
      {"Chinese", ChineseSettings(), L"yyyy/M/d", L"H:mm:ss", L"yyyy/MM/dd", L"!9999/99/99;1; ", L"00:00:00;1;0",
       L"!9999/99/99\\ 99:99:99;1; ", L"yyyy/mm/dd", L"yyyy/mm/dd' 'hh:nn:ss"},
      {"Chinese words", ChineseSettings(), L"yyyy'年'M'月'd'日'", L"tt h:mm", L"yyyy'年'MM'月'dd'日'",
       L"!9999\\年99\\月99\\日;1; ", L"cc\\ 00:00;1;0", L"!9999\\年99\\月99\\日\\ cc\\ 99:99;1; ",
       L"yyyy'年'mm'月'dd'日'", L"yyyy'年'mm'月'dd'日 'ampm' 'hh:nn"},
      {"names and two-digit year", EnglishSettings(), L"dd-MMM-yy", L"HH:mm", L"dd-MMM-yy", L"!99\\-lll\\-99;1; ",
       L"00:00;1;0", L"!99\\-lll\\-99\\ 99:99;1; ", L"dd'-'mmm'-'yy", L"dd'-'mmm'-'yy' 'hh:nn"},
  };
  for (const Case& c : cases) {
    TLocaleScope locale(c.settings, c.timeFormat);
    FormatSettings().ShortDateFormat = c.shortDate;
    TcxFormatController controller;
    EXPECT_EQ(controller.DateEditFormat(), c.editFormat) << c.name;
    EXPECT_EQ(controller.StandardDateEditMask(), c.dateMask) << c.name;
    EXPECT_EQ(controller.DateEditMask(), c.dateMask) << c.name;
    EXPECT_EQ(TcxFormatController::BuildStandardMask(controller.TimeFormatInfo(), 1), c.timeMask) << c.name;
    EXPECT_EQ(controller.StandardDateTimeEditMask(), c.dateTimeMask) << c.name;
    EXPECT_EQ(controller.MaskedDateEditFormat(), c.maskedDate) << c.name;
    EXPECT_EQ(controller.MaskedDateTimeEditFormat(), c.maskedDateTime) << c.name;
  }
}

TEST(DateMaskTest, DesignatorMasksFollowTheirSpelling) {
  TLocaleScope locale(EnglishSettings(), L"h:mm:ss tt");
  TcxDateTimeFormatInfo info;
  ParseDateTimeFormat(L"h a/p", info);
  EXPECT_EQ(TcxFormatController::BuildStandardMask(info, 1), L"00\\ c;1;0");
  EXPECT_EQ(TcxFormatController::BuildRegExprMask(info, 1), L"(0?[1-9]|1[012])' '(A|P)?");
  ParseDateTimeFormat(L"h AM/PM", info);
  EXPECT_EQ(TcxFormatController::BuildStandardMask(info, 1), L"00\\ cc;1;0");
  EXPECT_EQ(TcxFormatController::BuildRegExprMask(info, 1), L"(0?[1-9]|1[012])' '(AM|PM)?");
  ParseDateTimeFormat(L"h ampm", info);
  FormatSettings().TimeAMString = L"vorm.";
  FormatSettings().TimePMString = L"";
  EXPECT_EQ(TcxFormatController::BuildStandardMask(info, 1), L"00\\ ccccc;1;0");
  EXPECT_EQ(TcxFormatController::BuildRegExprMask(info, 1), L"(0?[1-9]|1[012])' '('vorm.')?");
  FormatSettings().TimeAMString = L"";
  EXPECT_EQ(TcxFormatController::BuildRegExprMask(info, 1), L"(0?[1-9]|1[012])' '");
  EXPECT_EQ(TcxFormatController::BuildRegExprMask(TcxDateTimeFormatInfo(), 0), L"");
  EXPECT_EQ(TcxFormatController::BuildStandardMask(TcxDateTimeFormatInfo(), 0), L"");
}

TEST(DateMaskTest, ExactRegularExpressionMasks) {
  TLocaleScope locale(EnglishSettings(), L"h:mm:ss tt");
  TcxFormatController controller;
  const String months = L"((0?[1-9]|1[012])|('Jan'|'Feb'|'Mar'|'Apr'|'May'|'Jun'|'Jul'|'Aug'|'Sep'|'Oct'|'Nov'|'Dec'))";
  const String day = L"([012]?[1-9]|[123]0|31)";
  const String date = months + L"\\/" + day + L"\\/\\d\\d\\d\\d";
  const String words =
      L"'today'|'yesterday'|'tomorrow'|'Sunday'|'Monday'|'Tuesday'|'Wednesday'|'Thursday'|'Friday'|'Saturday'|"
      L"'first'|'second'|'third'|'fourth'|'fifth'|'sixth'|'seventh'|'bom'|'eom'";
  const String offset = L"((\\+|-)\\d(\\d(\\d\\d?)?)?)?";
  EXPECT_EQ(controller.RegExprDateEditMask(), L"(" + date + L")|(" + words + L")" + offset);
  const String time = L"(0?[1-9]|1[012])\\:[0-5]?\\d\\:[0-5]?\\d' '('AM'|'PM')?";
  EXPECT_EQ(controller.RegExprDateTimeEditMask(),
            L"(" + date + L" ' '(" + time + L")?)|(" + words + L"|'now')" + offset);
}

// Feeds a text keystroke by keystroke: true when every key is taken and the mask may end there.
bool Accepts(const String& mask, const String& text) {
  TcxRegExpr expr;
  try {
    expr.CompileSource(mask);
  } catch (const Exception&) {
    ADD_FAILURE() << "the mask does not compile: " << UTF8Encode(mask);
    return false;
  }
  for (wchar_t c : text) {
    wchar_t ch = c;
    if (!expr.Advance(ch)) return false;
  }
  return expr.IsAccepting();
}

struct TAcceptCase {
  const wchar_t* text;
  bool date;      // the date mask takes it
  bool dateTime;  // the date-time mask takes it
};

void CheckMasks(const TcxFormatController& controller, std::initializer_list<TAcceptCase> cases, const char* name) {
  for (const TAcceptCase& c : cases) {
    EXPECT_EQ(Accepts(controller.RegExprDateEditMask(), c.text), c.date) << name << " date: " << UTF8Encode(c.text);
    EXPECT_EQ(Accepts(controller.RegExprDateTimeEditMask(), c.text), c.dateTime)
        << name << " date-time: " << UTF8Encode(c.text);
  }
}

TEST(SmartDateWordTest, EnglishLocaleMasksTakeDatesWordsAndOffsets) {
  TLocaleScope locale(EnglishSettings(), L"h:mm:ss tt");
  TcxFormatController controller;
  CheckMasks(controller,
             {{L"3/5/2024", true, false},  // the date-time mask wants the blank; the time after it may stay out
              {L"3/5/2024 ", false, true},
              {L"12/31/1999", true, false},
              {L"Mar/5/2024", true, false},
              {L"13/5/2024", false, false},
              {L"3/32/2024", false, false},
              {L"today", true, true},
              {L"yesterday", true, true},
              {L"Saturday", true, true},
              {L"seventh", true, true},
              {L"bom", true, true},
              {L"eom-3", true, true},
              {L"today+1234", true, true},
              {L"today+12345", false, false},
              {L"now", false, true},
              {L"now+5", false, true},
              {L"3/5/2024 1:45:00 PM", false, true},
              {L"3/5/2024 1:45:00 ", false, true},
              {L"3/5/2024 1:45:00", false, false},
              {L"3/5/2024 13:45:00", false, false},
              {L"Today", false, false}},
             "English");
  // A long month name in the format lets the mask take long names.
  FormatSettings().ShortDateFormat = L"d MMMM yyyy";
  controller.Refresh();
  CheckMasks(controller, {{L"5 March 2024", true, false}, {L"5 3 2024 ", false, true}, {L"5 Mar 2024", false, false}},
             "English long months");
}

TEST(SmartDateWordTest, ChineseLocaleMasksTakeChineseDatesAndTheWords) {
  TLocaleScope locale(ChineseSettings(), L"H:mm:ss");
  TcxFormatController controller;
  CheckMasks(controller,
             {{L"2024/3/5", true, false},
              {L"2024/3/5 ", false, true},
              {L"2024/12/31", true, false},
              {L"2024/3月/5", true, false},
              {L"2024/三月/5", false, false},
              {L"today", true, true},
              {L"tomorrow+7", true, true},
              {L"now", false, true},
              {L"2024/3/5 13:45:00", false, true},
              {L"2024/3/5 24:00:00", false, false}},
             "Chinese");
  FormatSettings().ShortDateFormat = L"yyyy'年'MMMM'月'd'日'";
  controller.Refresh();
  CheckMasks(controller, {{L"2024年三月月5日", true, false}, {L"2024年十二月月31日 ", false, true}},
             "Chinese long months");
  TInjectedLocale::TimeFormat = L"tt h:mm";
  controller.Refresh();
  CheckMasks(controller, {{L"2024年3月5日 下午 1:45", false, true}, {L"2024年3月5日  1:45", false, true},
                          {L"2024年3月5日 1:45", false, false}},
             "Chinese designators");
}

// The words are read through the repository each time, so a replaced text takes effect.
TEST(SmartDateWordTest, ReplacedWordsTakeEffectAndAreQuotedForTheMask) {
  TLocaleScope locale(ChineseSettings(), L"H:mm:ss");
  SetResourceStringOverrides(TdxResourceStringOverrideMode::ByResource,
                             {{L"", &cxSDateToday}, {L"", &cxSDateNow}, {L"", &cxSDateEOM}},
                             {L"今天", L"现在", L"o'clock"});
  TcxFormatController controller;
  EXPECT_EQ(SmartDateWords()[0], L"今天");
  CheckMasks(controller,
             {{L"今天", true, true}, {L"今天-1", true, true}, {L"today", false, false}, {L"现在", false, true},
              {L"o'clock", true, true}, {L"now", false, false}},
             "replaced words");
  EXPECT_NE(controller.RegExprDateEditMask().find(L"'o'\\''clock'"), String::npos);
  FreeResourceStringOverrides();
  LoadSmartDateWords();
  EXPECT_EQ(SmartDateWords()[0], L"today");
  EXPECT_EQ(SmartDateWords()[cxSmartDateWordNow], L"now");
  cxDateUtils_Finalize();
  EXPECT_EQ(SmartDateWords()[0], L"");
}

// Locales the masks once refused or misread: each mask compiles and takes the
// text the runtime writes with the format it was built from.
TEST(SmartDateWordTest, MasksOfUnusualLocalesTakeTheTextTheirFormatsWrite) {
  const TDateTime value = EncodeDate(2024, 12, 31) + EncodeTime(13, 20, 30, 45);
  struct Case {
    const char* name;
    std::function<void(TcxFormatController&)> locale;
    std::vector<String> more;  // texts the date-time mask takes besides the written one
  };
  const Case cases[] = {
      {"month names all empty",
       [](TcxFormatController&) {
         FormatSettings().ShortDateFormat = L"d MMM yyyy";
         for (String& name : FormatSettings().ShortMonthNames) name.clear();
       },
       {L"31 12 2024 ", L"31  2024 "}},
      {"a smart date word translated to nothing",
       [](TcxFormatController&) {
         SetResourceStringOverrides(TdxResourceStringOverrideMode::ByResource, {{L"", &cxSDateYesterday}}, {L""});
       },
       {L"today", L"now+1"}},
      {"milliseconds and a quoted word after them",
       [](TcxFormatController& controller) {
         FormatSettings().ShortDateFormat = L"dd.MM.yyyy";
         FormatSettings().DateSeparator = L'.';
         FormatSettings().LongTimeFormat = L"HH:mm:ss.zzz' Uhr'";
         controller.SetUseRuntimeLongTimeFormat(true);
       },
       {L"31.12.2024 13:20:30.045 Uhr", L"31.12.2024 "}},
      {"quoted runs on both sides of the milliseconds",
       [](TcxFormatController&) { TInjectedLocale::TimeFormat = L"H'h'z' min'"; },
       {L"12/31/2024 13h45 min", L"12/31/2024 9h5 min"}},
      {"a blank date separator beside quoted text",
       [](TcxFormatController&) {
         FormatSettings().ShortDateFormat = L"d/'.'M/yyyy";
         FormatSettings().DateSeparator = L' ';
       },
       {L"31 .12 2024 "}},
      {"a designator before the hour",
       [](TcxFormatController&) {
         FormatSettings() = ChineseSettings();
         TInjectedLocale::TimeFormat = L"tt h:mm";
       },
       {L"2024/12/31 下午 13:20", L"2024/12/31 上午 9:05"}},
  };
  for (const Case& c : cases) {
    TLocaleScope locale(EnglishSettings(), L"h:mm:ss tt");
    TcxFormatController controller;
    c.locale(controller);
    controller.Refresh();
    const String date = FormatDateTime(TcxFormatController::GetFormatText(0), value);
    const String dateTime = FormatDateTime(TcxFormatController::GetFormatText(2), value);
    EXPECT_TRUE(Accepts(controller.RegExprDateEditMask(), date)) << c.name << ": " << UTF8Encode(date);
    EXPECT_TRUE(Accepts(controller.RegExprDateTimeEditMask(), dateTime)) << c.name << ": " << UTF8Encode(dateTime);
    for (const String& text : c.more)
      EXPECT_TRUE(Accepts(controller.RegExprDateTimeEditMask(), text)) << c.name << ": " << UTF8Encode(text);
    FreeResourceStringOverrides();
  }
}

TEST(SmartDateWordTest, AFormatThatFailsGivesEmptyMasks) {
  TLocaleScope locale(EnglishSettings(), L"h:mm:ss tt");
  FormatSettings().ShortDateFormat = L"yyyy/gg/M";
  TcxFormatController controller;
  EXPECT_TRUE(controller.DateFormatInfo().Items.empty());
  EXPECT_EQ(controller.StandardDateEditMask(), L"");
  EXPECT_EQ(controller.RegExprDateEditMask(), L"");
  EXPECT_EQ(controller.RegExprDateTimeEditMask(), L"");
  EXPECT_EQ(controller.StandardDateTimeEditMask(), L"");
  EXPECT_FALSE(controller.TimeFormatInfo().Items.empty()) << "the time format stands on its own";
}

// --- The controller ---------------------------------------------------------------------

class TListener : public TcxIUnknownObject, public IcxFormatControllerListener {
 public:
  explicit TListener(std::vector<std::string>* log, const char* name) : FLog(log), FName(name) {}
  bool GetInterface(const TGUID& iid, void** obj) override {
    return InterfaceTable<IcxFormatControllerListener>(this, iid, obj) || TcxIUnknownObject::GetInterface(iid, obj);
  }
  void FormatChanged() override {
    FLog->push_back(FName);
    if (OnChanged) OnChanged();
  }
  std::function<void()> OnChanged;

 protected:
  std::vector<std::string>* FLog;
  std::string FName;
};

class TTimeListener : public TListener, public IcxFormatControllerListener2 {
 public:
  using TListener::TListener;
  bool GetInterface(const TGUID& iid, void** obj) override {
    return InterfaceTable<IcxFormatControllerListener2>(this, iid, obj) || TListener::GetInterface(iid, obj);
  }
  void TimeChanged() override { FLog->push_back(FName + " time"); }
};

TEST(FormatControllerTest, ALocaleChangeReReadsTheSettingsAndTellsEachListenerOnce) {
  TLocaleScope locale(EnglishSettings(), L"h:mm:ss tt");
  TcxFormatController controller;
  std::vector<std::string> log;
  TListener a(&log, "a");
  TTimeListener b(&log, "b");
  controller.AddListener(&a);
  controller.AddListener(&b);
  controller.AddListener(&a);
  EXPECT_EQ(controller.ListenerCount(), 2);

  TInjectedLocale::NextSettings = ChineseSettings();
  TInjectedLocale::TimeFormat = L"H:mm:ss";
  controller.LocaleChanged();
  EXPECT_EQ(TInjectedLocale::ThreadLocale, 0x400u);
  EXPECT_EQ(TInjectedLocale::Reads, 1);
  EXPECT_EQ(log, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(controller.CurrencyFormat(), L"¥,0.00;¥-,0.00");
  EXPECT_EQ(controller.StandardDateEditMask(), L"!9999/99/99;1; ");

  log.clear();
  controller.SystemTimeChanged();
  EXPECT_EQ(log, (std::vector<std::string>{"b time"})) << "only listeners with the time interface";

  log.clear();
  controller.RemoveListener(&a);
  controller.LocaleChanged();
  EXPECT_EQ(log, (std::vector<std::string>{"b"}));
}

TEST(FormatControllerTest, ListenersChangedWhileBeingToldFollowTheSnapshot) {
  TLocaleScope locale(EnglishSettings(), L"h:mm:ss tt");
  TcxFormatController controller;
  std::vector<std::string> log;
  TListener a(&log, "a"), b(&log, "b"), c(&log, "c");
  a.OnChanged = [&] {
    controller.RemoveListener(&b);
    controller.AddListener(&c);
  };
  controller.AddListener(&a);
  controller.AddListener(&b);
  controller.NotifyListeners();
  EXPECT_EQ(log, (std::vector<std::string>{"a"})) << "b was removed, c added meanwhile";
  log.clear();
  a.OnChanged = nullptr;
  controller.NotifyListeners();
  EXPECT_EQ(log, (std::vector<std::string>{"a", "c"}));
}

TEST(FormatControllerTest, LanguageChangesRefreshUnlessLocked) {
  TLocaleScope locale(EnglishSettings(), L"h:mm:ss tt");
  TcxFormatController controller;
  std::vector<std::string> log;
  TListener a(&log, "a");
  controller.AddListener(&a);
  SetResourceStringOverrides(TdxResourceStringOverrideMode::ByResource, {{L"", &cxSDateToday}}, {L"heute"});
  controller.BeginUpdate();
  controller.TranslationChanged();
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(controller.RegExprDateEditMask().find(L"'heute'"), String::npos);
  controller.EndUpdate();
  controller.TranslationChanged();
  EXPECT_EQ(log, (std::vector<std::string>{"a"}));
  EXPECT_NE(controller.RegExprDateEditMask().find(L"'heute'"), String::npos);
  FreeResourceStringOverrides();
}

TEST(FormatControllerTest, AssignedFormatsAndMasksSurviveARefresh) {
  TLocaleScope locale(EnglishSettings(), L"h:mm:ss tt");
  TcxFormatController controller;
  controller.SetCurrencyFormat(L"mine");
  controller.SetStandardDateEditMask(L"sd");
  controller.SetStandardDateTimeEditMask(L"sdt");
  controller.SetRegExprDateEditMask(L"rd");
  controller.SetRegExprDateTimeEditMask(L"rdt");
  FormatSettings() = ChineseSettings();
  controller.Refresh();
  EXPECT_EQ(controller.CurrencyFormat(), L"mine");
  EXPECT_EQ(controller.StandardDateEditMask(), L"sd");
  EXPECT_EQ(controller.StandardDateTimeEditMask(), L"sdt");
  EXPECT_EQ(controller.RegExprDateEditMask(), L"rd");
  EXPECT_EQ(controller.RegExprDateTimeEditMask(), L"rdt");
  EXPECT_EQ(controller.DateEditMask(), L"!9999/99/99;1; ") << "the plain date mask has no assigned state";
  EXPECT_EQ(controller.DateEditFormat(), L"yyyy/MM/dd");
  EXPECT_EQ(controller.FirstWeekOfYear(), fwySystem);
}

// Fake window hooks: counts what the controller makes and gives back.
struct TWindowCounter {
  static inline int Made = 0, Released = 0;
  static void* Allocate(TcxFormatController*) {
    ++Made;
    return &Made;
  }
  static void Release(void*) { ++Released; }
};

TEST(FormatControllerTest, TheWindowLivesWhileThereAreListeners) {
  TLocaleScope locale(EnglishSettings(), L"h:mm:ss tt");
  const TcxFormatControllerWindowHooks hooks{&TWindowCounter::Allocate, &TWindowCounter::Release};
  SetFormatControllerWindowHooks(&hooks);
  TWindowCounter::Made = TWindowCounter::Released = 0;
  {
    TcxFormatController controller;
    std::vector<std::string> log;
    TListener a(&log, "a"), b(&log, "b");
    EXPECT_EQ(controller.MessageWindow(), nullptr);
    controller.AddListener(&a);
    controller.AddListener(&b);
    EXPECT_EQ(TWindowCounter::Made, 1);
    EXPECT_NE(controller.MessageWindow(), nullptr);
    controller.RemoveListener(&a);
    EXPECT_EQ(TWindowCounter::Released, 0);
    controller.RemoveListener(&b);
    EXPECT_EQ(TWindowCounter::Released, 1);
    EXPECT_EQ(controller.MessageWindow(), nullptr);
    controller.AddListener(&a);
    EXPECT_EQ(TWindowCounter::Made, 2);
  }
  EXPECT_EQ(TWindowCounter::Released, 2) << "the window goes with the controller";
  SetFormatControllerWindowHooks(nullptr);
}

TEST(FormatControllerTest, TheFirstControllerIsTheGlobalOneUntilTheUnitEnds) {
  TLocaleScope locale(EnglishSettings(), L"h:mm:ss tt");
  TcxFormatController* global = GetFormatController();
  ASSERT_NE(global, nullptr);
  EXPECT_EQ(GetFormatController(), global);
  {
    TcxFormatController second;
    EXPECT_EQ(GetFormatController(), global);
  }
  cxFormats_Finalize();
  TcxFormatController* again = GetFormatController();
  EXPECT_NE(again, nullptr);
  EXPECT_EQ(again->CurrencyFormat(), L"$,0.00;($,0.00)");
  cxFormats_Finalize();
  {
    TcxFormatController first;
    EXPECT_EQ(GetFormatController(), &first) << "a controller made while there is none becomes the global one";
  }
}

}  // namespace

namespace {

// Separators and month names as a user's regional settings may have them: a
// letter or digit after "\" would mean a class, a code or a reference to the
// mask engine, and an empty name an empty alternative.
TEST(DateMaskTest, MasksFromUnusualSeparatorsAndMonthNamesCompile) {
  struct Case {
    wchar_t dateSeparator, timeSeparator;
    const wchar_t* emptyMonth;  // null: every name set
    const wchar_t* date;        // what the date mask takes
    const wchar_t* dateTime;    // what the date-time mask takes
  } const cases[] = {
      {L'x', L'd', nullptr, L"3x5x2024", L"3x5x2024 1d45d00 PM"},
      {L'1', L't', nullptr, L"31512024", L"31512024 1t45t00 AM"},
      {L'\u5E74', L'\u65F6', nullptr, L"3\u5E745\u5E742024", L"3\u5E745\u5E742024 1\u65F645\u65F600 PM"},
      {L'.', L'\'', nullptr, L"3.5.2024", L"3.5.2024 1'45'00 PM"},
      {L'/', L':', L"Mar", L"Apr/5/2024", L"4/5/2024 1:45:00 PM"},
  };
  for (const Case& c : cases) {
    TLocaleScope locale(EnglishSettings(), L"h:mm:ss tt");
    FormatSettings().DateSeparator = c.dateSeparator;
    FormatSettings().TimeSeparator = c.timeSeparator;
    if (c.emptyMonth) FormatSettings().ShortMonthNames[2] = L"";
    TcxFormatController controller;
    EXPECT_TRUE(Accepts(controller.RegExprDateEditMask(), c.date)) << UTF8Encode(c.date);
    EXPECT_TRUE(Accepts(controller.RegExprDateTimeEditMask(), c.dateTime)) << UTF8Encode(c.dateTime);
  }
}

}  // namespace

namespace {

// Quoted text in a format is text: its letters are neither doubled nor read as
// patterns, and a quote inside it reaches the mask quoted.
TEST(DateMaskTest, QuotedTextStaysText) {
  TLocaleScope locale(EnglishSettings(), L"h:mm:ss tt");
  FormatSettings().ShortDateFormat = L"d 'de' M \"o'c\" yyyy";
  TcxFormatController controller;
  EXPECT_EQ(controller.DateEditFormat(), L"dd 'de' MM \"o'c\" yyyy");
  EXPECT_TRUE(Accepts(controller.RegExprDateEditMask(), L"5 de 3 o'c 2024"));
  EXPECT_FALSE(Accepts(controller.RegExprDateEditMask(), L"5 de 3 oc 2024"));
}

}  // namespace
