// Number conversions, Format, rounding, text and file-name routines of SysUtils.
#include <gtest/gtest.h>

#include <cmath>

#include "SysUtils.h"
#include "sysutils_test.h"

namespace {

TEST(SysUtilsIntegerTest, AcceptsDecimalAndTheRuntimesHexForms) {
  struct Case {
    const wchar_t* text;
    int32_t value;
  } cases[] = {
      {L"0", 0},          {L"123", 123},           {L"-45", -45},       {L"+7", 7},
      {L"  12", 12},      {L"$1F", 31},            {L"0x1F", 31},       {L"0X1f", 31},
      {L"x10", 16},       {L"-$10", -16},          {L"$FFFFFFFF", -1},  {L"2147483647", 2147483647},
      {L"-2147483648", int32_t(-2147483647 - 1)},  {L"007", 7},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(StrToInt(c.text), c.value);
    int32_t v = 99;
    EXPECT_TRUE(TryStrToInt(c.text, v));
    EXPECT_EQ(v, c.value);
  }
}

TEST(SysUtilsIntegerTest, RejectsWithTheRuntimesMessage) {
  const wchar_t* bad[] = {L"", L" ", L"12a", L"12 ", L"1.5", L"COM", L"$", L"0x", L"--1", L"2147483648",
                          L"-2147483649", L"$100000000", L"١٢"};
  for (const wchar_t* text : bad) {
    SCOPED_TRACE(text);
    EXPECT_EQ(MessageOf<EConvertError>([&] { StrToInt(text); }), L"'" + String(text) + L"' is not a valid integer value");
    int32_t v = 5;
    EXPECT_FALSE(TryStrToInt(text, v));
    EXPECT_EQ(v, 5);
    EXPECT_EQ(StrToIntDef(text, -3), -3);
  }
}

TEST(SysUtilsIntegerTest, SixtyFourBitRangeAndHexWidths) {
  EXPECT_EQ(StrToInt64(L"9223372036854775807"), INT64_MAX);
  EXPECT_EQ(StrToInt64(L"-9223372036854775808"), INT64_MIN);
  EXPECT_EQ(StrToInt64(L"$FFFFFFFF"), 0xFFFFFFFFll);  // a 64-bit read keeps the high bit
  EXPECT_EQ(StrToInt64(L"$FFFFFFFFFFFFFFFF"), -1);
  EXPECT_THROW(StrToInt64(L"9223372036854775808"), EConvertError);
  EXPECT_EQ(StrToInt64Def(L"x", 42), 42);

  EXPECT_EQ(IntToStr(-12345), L"-12345");
  EXPECT_EQ(IntToStr(INT64_MIN), L"-9223372036854775808");
  EXPECT_EQ(IntToHex(255, 2), L"FF");
  EXPECT_EQ(IntToHex(10, 4), L"000A");
  EXPECT_EQ(IntToHex(0x12345, 2), L"12345");  // never cut
  EXPECT_EQ(IntToHex(-1, 2), L"FFFFFFFF");
  EXPECT_EQ(IntToHex(-1ll, 2), L"FFFFFFFFFFFFFFFF");
  EXPECT_EQ(IntToHex(uint8_t(0xC6), 2), L"C6");
}

TEST(SysUtilsRoundTest, HalvesGoToEven) {
  struct Case {
    double value;
    int64_t rounded;
  } cases[] = {{0.5, 0},  {1.5, 2},   {2.5, 2},   {3.5, 4},   {-0.5, 0},  {-1.5, -2}, {-2.5, -2},
               {0.49, 0}, {0.51, 1},  {-0.51, -1}, {2.4999, 2}, {1e15 + 0.5, 1000000000000000}, {-7.0, -7}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(Round(c.value), c.rounded);
  }
  EXPECT_THROW(Round(1e19), EInvalidOp);
  EXPECT_THROW(Round(std::nan("")), EInvalidOp);
  EXPECT_EQ(Trunc(-2.9), -2);
  EXPECT_EQ(Trunc(2.9), 2);
  EXPECT_EQ(Sign(-0.1), -1);
  EXPECT_EQ(Sign(int64_t(0)), 0);
}

TEST(SysUtilsFormatTest, Specifiers) {
  const TFormatSettings fs = TFormatSettings::Invariant();
  void* p = reinterpret_cast<void*>(uintptr_t(0xAB));
  struct Case {
    String expected, actual;
  } cases[] = {
      {L"5 items", Format(L"%d items", {5}, fs)},
      {L"-0042", Format(L"%.4d", {-42}, fs)},
      {L"   42|42   |", Format(L"%5d|%-5d|", {42, 42}, fs)},
      {L"   42", Format(L"%*d", {5, 42}, fs)},
      {L" 5|05", Format(L"%02d|%.2d", {5, 5}, fs)},  // a leading 0 is a width; zeros come from the precision
      {L"4294967295", Format(L"%u", {-1}, fs)},
      {L"FF 00FF FFFFFFFF", Format(L"%x %.4X %x", {255, 255, -1}, fs)},
      {L"FFFFFFFFFFFFFFFF", Format(L"%x", {int64_t(-1)}, fs)},
      {L"9999999999", Format(L"%d", {9999999999ll}, fs)},
      {L"4000000000 EE6B2800", Format(L"%d %x", {4000000000u, 4000000000u}, fs)},
      {L"b a b", Format(L"%1:s %0:s %s", {L"a", L"b"}, fs)},
      {L"abc|ab|  abc", Format(L"%s|%.2s|%5s", {String(L"abc"), L"abc", "abc"}, fs)},
      {L"x", Format(L"%s", {L'x'}, fs)},
      {L"100%", Format(L"%d%%", {100}, fs)},
      {L"3.14", Format(L"%.2f", {3.14159}, fs)},
      {L"3.14", Format(L"%f", {3.14159}, fs)},
      {L"-0.50", Format(L"%.2f", {-0.5}, fs)},
      {L"1,234,567.89", Format(L"%n", {1234567.891}, fs)},
      {L"$1,234.50", Format(L"%m", {1234.5}, fs)},
      {L"($2.00)", Format(L"%m", {-2.0}, fs)},
      {L"1.50000000000000E+000", Format(L"%e", {1.5}, fs)},
      {L"-1.2E-005", Format(L"%.2e", {-0.0000123}, fs)},
      {L"0.1", Format(L"%g", {0.1}, fs)},
      {L"1E20", Format(L"%g", {1e20}, fs)},
      {L"2.5", Format(L"%g", {Currency::FromDouble(2.5)}, fs)},
      {sizeof(void*) == 8 ? L"00000000000000AB" : L"000000AB", Format(L"%p", {p}, fs)},
      {L"中文 7", Format(L"%s %d", {L"中文", 7}, fs)},
  };
  for (const auto& c : cases) EXPECT_EQ(c.actual, c.expected);
}

TEST(SysUtilsFormatTest, BadFormatsAndArgumentsRaiseConvertErrors) {
  struct Case {
    const wchar_t* format;
    std::initializer_list<TVarRec> args;
    bool missing;
  };
  const Case cases[] = {
      {L"%d", {L"text"}, false}, {L"%s", {5}, false},     {L"%f", {5}, false},  {L"%d", {1.5}, false},
      {L"%q", {5}, false},       {L"abc%", {}, false},    {L"%p", {5}, false},  {L"%5", {5}, false},
      {L"%d %d", {1}, true},     {L"%2:d", {1, 2}, true}, {L"%*d", {1.0, 2}, false},
      // Widths and precisions from arguments are bounded as written ones are (%99999d).
      {L"%99999d", {1}, false},  {L"%*d", {2000000000, 2}, false}, {L"%.*f", {2000000000, 1.5}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.format);
    String expected = c.missing ? L"No argument for format '" + String(c.format) + L"'"
                                : L"Format '" + String(c.format) + L"' invalid or incompatible with argument";
    EXPECT_EQ(MessageOf<EConvertError>([&] { Format(c.format, c.args); }), expected);
  }
}

TEST(SysUtilsFloatTest, TextToFloatAndBack) {
  TFormatSettings fs = TFormatSettings::Invariant();
  EXPECT_EQ(StrToFloat(L" 1.5 ", fs), 1.5);
  EXPECT_EQ(StrToFloat(L"-2e3", fs), -2000.0);
  EXPECT_EQ(StrToFloat(L"7", fs), 7.0);
  EXPECT_EQ(StrToFloat(L".5", fs), 0.5);
  for (const wchar_t* bad : {L"", L"1,5", L"abc", L"1e", L"1.2.3", L"1e999"}) {
    SCOPED_TRACE(bad);
    EXPECT_EQ(MessageOf<EConvertError>([&] { StrToFloat(bad, fs); }),
              L"'" + String(bad) + L"' is not a valid floating point value");
  }
  fs.DecimalSeparator = L',';
  EXPECT_EQ(StrToFloat(L"1,25", fs), 1.25);
  EXPECT_THROW(StrToFloat(L"1.25", fs), EConvertError);
  EXPECT_EQ(FloatToStr(1.25, fs), L"1,25");

  fs = TFormatSettings::Invariant();
  struct Case {
    double value;
    const wchar_t* text;
  } cases[] = {{0, L"0"},         {1, L"1"},           {-1.5, L"-1.5"},   {0.1, L"0.1"},
               {1.0 / 3, L"0.333333333333333"},      {1e15, L"1E15"},   {123456789012345.0, L"123456789012345"},
               {0.0001, L"0.0001"}, {0.00001, L"1E-5"}, {2.675, L"2.675"}, {1e-300, L"1E-300"}};
  for (const auto& c : cases) EXPECT_EQ(FloatToStr(c.value, fs), c.text) << c.value;
}

TEST(SysUtilsFloatTest, FormatFloatPatterns) {
  const TFormatSettings fs = TFormatSettings::Invariant();
  struct Case {
    const wchar_t* pattern;
    double value;
    const wchar_t* text;
  } cases[] = {
      {L"0.00", 3.14159, L"3.14"},         {L"0.00", 0.005, L"0.01"},         {L"#,##0.00", 1234567.5, L"1,234,567.50"},
      {L"0", 2.5, L"3"},                   {L"#.##", 0.5, L".5"},             {L"000", 7, L"007"},
      {L"0.0#", 1.5, L"1.5"},              {L"0.0#", 1.256, L"1.26"},         {L",0.00", 1000, L"1,000.00"},
      {L"0.00;(0.00)", -2.5, L"(2.50)"},   {L"0.00;(0.00);'zero'", 0, L"zero"}, {L"0.00", -2.5, L"-2.50"},
      {L"'$'0.00 'kg'", 3, L"$3.00 kg"},   {L"0.00E+00", 12345, L"1.23E+04"}, {L"0.0e-0", 0.00012, L"1.2e-4"},
      {L"", 1.5, L"1.5"},                  {L"0", -0.2, L"0"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatFloat(c.pattern, c.value, fs), c.text) << String(c.pattern);
}

TEST(SysUtilsCurrencyTest, ExactTextsAndHalvesToEven) {
  TFormatSettings fs = TFormatSettings::Invariant();
  struct Case {
    const wchar_t* text;
    int64_t scaled;
  } cases[] = {
      {L"1.2345", 12345},        {L"-0.00015", -2},  {L"0.00025", 2},       {L"0.000251", 3},
      {L"1e3", 10000000},        {L"0.1", 1000},     {L" 7 ", 70000},       {L"0", 0},
      {L"922337203685477.5807", INT64_MAX},          {L"-922337203685477.5808", INT64_MIN},
  };
  for (const auto& c : cases) {
    Currency v;
    ASSERT_TRUE(TryStrToCurr(c.text, v, fs)) << String(c.text);
    EXPECT_EQ(v.Scaled, c.scaled) << String(c.text);
  }
  Currency v;
  EXPECT_FALSE(TryStrToCurr(L"922337203685477.5808", v, fs));
  EXPECT_FALSE(TryStrToCurr(L"1e20", v, fs));
  EXPECT_FALSE(TryStrToCurr(L"abc", v, fs));
  EXPECT_EQ(CurrToStr(Currency::FromScaled(12345), fs), L"1.2345");
  EXPECT_EQ(CurrToStr(Currency::FromScaled(-5000), fs), L"-0.5");
  EXPECT_EQ(CurrToStr(Currency::FromScaled(INT64_MIN), fs), L"-922337203685477.5808");
  EXPECT_EQ(CurrToStr(Currency::FromInt(3), fs), L"3");
  EXPECT_EQ(Currency::FromDouble(0.00005).Scaled, 0);  // halves to even
  EXPECT_EQ(Currency::FromDouble(2.5).Scaled, 25000);
  EXPECT_THROW(Currency::FromDouble(1e16), EOverflow);
}

// The exponent is bounded: beyond the range of the widest floating type a text is no
// currency value (once, such texts overflowed the exponent sum, allocated gigabytes of
// zeros and ended in the value 0). Within the bound, tiny values still round to zero.
TEST(SysUtilsCurrencyTest, HugeExponentsAreNoCurrencyValue) {
  TFormatSettings fs = TFormatSettings::Invariant();
  const wchar_t* refused[] = {L"1e-5000",     L"1e5000",      L"1e-4933",     L"-7.5e2147483648",
                              L"1e-2147483649", L"1e9223372036854775807", L"1e-99999999999999999999999"};
  for (const wchar_t* text : refused) {
    SCOPED_TRACE(text);
    Currency v = Currency::FromInt(5);
    EXPECT_FALSE(TryStrToCurr(text, v, fs));
    EXPECT_EQ(v, Currency::FromInt(5));
    EXPECT_EQ(MessageOf<EConvertError>([&] { StrToCurr(text); }), L"'" + String(text) + L"' is not a valid floating point value");
  }
  struct Case {
    const wchar_t* text;
    int64_t scaled;
  } kept[] = {{L"1e-4932", 0}, {L"12345e-10", 0}, {L"5e-5", 0}, {L"15e-5", 2}, {L"1e-4", 1}, {L"0.0001e4", 10000},
              {L"-9e-6", 0},   {L"1e14", 1000000000000000000}};
  for (const auto& c : kept) {
    Currency v;
    ASSERT_TRUE(TryStrToCurr(c.text, v, fs)) << String(c.text);
    EXPECT_EQ(v.Scaled, c.scaled) << String(c.text);
  }
}

TEST(SysUtilsBoolTest, TextsBothWays) {
  EXPECT_EQ(BoolToStr(true), L"-1");
  EXPECT_EQ(BoolToStr(false, true), L"False");
  EXPECT_TRUE(StrToBool(L"true"));
  EXPECT_FALSE(StrToBool(L"FALSE"));
  EXPECT_TRUE(StrToBool(L"-1"));
  EXPECT_FALSE(StrToBool(L"0"));
  EXPECT_EQ(MessageOf<EConvertError>([] { StrToBool(L"yes"); }), L"'yes' is not a valid boolean value");
}

TEST(SysUtilsTextTest, TrimCaseAndCompare) {
  EXPECT_EQ(Trim(L" \t a b \r\n"), L"a b");
  EXPECT_EQ(TrimLeft(L"  a "), L"a ");
  EXPECT_EQ(TrimRight(L"  a "), L"  a");
  EXPECT_EQ(Trim(L"   "), L"");
  EXPECT_EQ(UpperCase(L"abcé"), L"ABCé");  // ASCII only
  EXPECT_EQ(LowerCase(L"ABCÉ"), L"abcÉ");
  EXPECT_LT(CompareStr(L"A", L"a"), 0);
  EXPECT_EQ(CompareText(L"Abc", L"aBC"), 0);
  EXPECT_LT(CompareText(L"ab", L"abc"), 0);
  EXPECT_GT(CompareText(L"b", L"A"), 0);
  EXPECT_TRUE(SameText(L"COM5", L"com5"));
  EXPECT_LT(AnsiCompareText(L"apple", L"Banana"), 0);
  // Names compare with the ASCII fold only, whatever holds them.
  EXPECT_TRUE(SameText(String(L"clWindow"), L"CLWINDOW"));
  EXPECT_FALSE(SameText(L"ab", L"abc"));
  EXPECT_FALSE(SameText(L"\u00e9", L"\u00c9"));
  EXPECT_FALSE(SameText(L"\u5b8b", L"\u5b8bx"));
}

TEST(SysUtilsTextTest, AsciiClassesLeaveEveryOtherCharacterAlone) {
  struct TCase {
    wchar_t c;
    bool letter, digit;
    wchar_t upper, lower;
  } cases[] = {
      {L'a', true, false, L'A', L'a'},           {L'z', true, false, L'Z', L'z'},
      {L'A', true, false, L'A', L'a'},           {L'Z', true, false, L'Z', L'z'},
      {L'0', false, true, L'0', L'0'},           {L'9', false, true, L'9', L'9'},
      {L'@', false, false, L'@', L'@'},          {L'[', false, false, L'[', L'['},
      {L'`', false, false, L'`', L'`'},          {L'{', false, false, L'{', L'{'},
      {L'/', false, false, L'/', L'/'},          {L':', false, false, L':', L':'},
      {L'_', false, false, L'_', L'_'},          {L'\u00e9', false, false, L'\u00e9', L'\u00e9'},
      {L'\u00c9', false, false, L'\u00c9', L'\u00c9'}, {L'\uff11', false, false, L'\uff11', L'\uff11'},  // full-width 1
      {L'\u5b8b', false, false, L'\u5b8b', L'\u5b8b'}, {L'\u0661', false, false, L'\u0661', L'\u0661'},  // Arabic-Indic 1
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(int(c.c));
    EXPECT_EQ(IsAsciiLetter(c.c), c.letter);
    EXPECT_EQ(IsAsciiDigit(c.c), c.digit);
    EXPECT_EQ(AsciiUpper(c.c), c.upper);
    EXPECT_EQ(AsciiLower(c.c), c.lower);
  }
  const std::pair<const wchar_t*, bool> idents[] = {
      {L"Button1", true}, {L"_x", true},  {L"a_1", true},       {L"", false},
      {L"1a", false},     {L"a b", false}, {L"a.b", false},     {L"\u5b8b\u4f53", false},
      {L"caf\u00e9", false}, {L"A\uff11", false},
  };
  for (auto& [text, valid] : idents) EXPECT_EQ(IsValidIdent(text), valid) << text;
}

TEST(SysUtilsRoundTest, MulDivRoundsHalvesAwayFromZeroAndRefusesOverflow) {
  struct TCase {
    int number, numerator, denominator, result;
  } cases[] = {
      {10, 1, 4, 3},          {-10, 1, 4, -3},        {10, -1, 4, -3},       {10, 1, -4, -3},
      {-10, -1, -4, -3},      {9, 1, 4, 2},           {7, 1, 2, 4},          {-7, 1, 2, -4},
      {0, 5, -3, 0},          {5, 0, 3, 0},           {1, 1, 0, -1},         {0, 0, 0, -1},
      {INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX},   {INT32_MAX, 2, 1, -1},  {INT32_MIN, 1, 1, -1},
      {-INT32_MAX, 1, 1, -INT32_MAX},                 {INT32_MIN, -1, 1, -1}, {INT32_MIN, 1, 2, INT32_MIN / 2},
      {100000, 100000, 3, -1},                        {100000, 100000, 7, 1428571429},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(MulDivRounded(c.number, c.numerator, c.denominator), c.result)
        << c.number << " * " << c.numerator << " / " << c.denominator;
}

TEST(SysUtilsTextTest, StringReplaceAndQuotes) {
  EXPECT_EQ(StringReplace(L"a-b-c", L"-", L"+", rfNone), L"a+b-c");
  EXPECT_EQ(StringReplace(L"a-b-c", L"-", L"+", rfReplaceAll), L"a+b+c");
  EXPECT_EQ(StringReplace(L"xAx", L"a", L"b", rfReplaceAll), L"xAx");
  EXPECT_EQ(StringReplace(L"xAxa", L"a", L"bb", rfReplaceAll | rfIgnoreCase), L"xbbxbb");
  EXPECT_EQ(StringReplace(L"aaa", L"aa", L"a", rfReplaceAll), L"aa");  // no rescanning
  EXPECT_EQ(StringReplace(L"abc", L"", L"x", rfReplaceAll), L"abc");
  EXPECT_EQ(QuotedStr(L"it's"), L"'it''s'");
  EXPECT_EQ(AnsiQuotedStr(L"a\"b", L'"'), L"\"a\"\"b\"");
  EXPECT_EQ(AnsiDequotedStr(L"'it''s'", L'\''), L"it's");
  EXPECT_EQ(AnsiDequotedStr(L"plain", L'\''), L"plain");
  EXPECT_EQ(AnsiDequotedStr(L"'open", L'\''), L"'open");
}

TEST(SysUtilsFileNameTest, Parts) {
  struct Case {
    const wchar_t* name;
    const wchar_t *path, *dir, *file, *ext, *changed;
  } cases[] = {
      {L"C:\\wall\\cfg.ini", L"C:\\wall\\", L"C:\\wall", L"cfg.ini", L".ini", L"C:\\wall\\cfg.bak"},
      {L"C:\\cfg", L"C:\\", L"C:\\", L"cfg", L"", L"C:\\cfg.bak"},
      {L"C:cfg.ini", L"C:", L"C:", L"cfg.ini", L".ini", L"C:cfg.bak"},
      {L"a.b\\file", L"a.b\\", L"a.b", L"file", L"", L"a.b\\file.bak"},
      {L"dir/x.tar.gz", L"dir/", L"dir", L"x.tar.gz", L".gz", L"dir/x.tar.bak"},
      {L"plain", L"", L"", L"plain", L"", L"plain.bak"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ExtractFilePath(c.name), c.path);
    EXPECT_EQ(ExtractFileDir(c.name), c.dir);
    EXPECT_EQ(ExtractFileName(c.name), c.file);
    EXPECT_EQ(ExtractFileExt(c.name), c.ext);
    EXPECT_EQ(ChangeFileExt(c.name, L".bak"), c.changed);
  }
  EXPECT_EQ(IncludeTrailingPathDelimiter(L"C:\\a"), L"C:\\a\\");
  EXPECT_EQ(IncludeTrailingPathDelimiter(L"C:\\a\\"), L"C:\\a\\");
  EXPECT_EQ(ExcludeTrailingPathDelimiter(L"C:\\a\\"), L"C:\\a");
  EXPECT_EQ(ExtractFileDrive(L"\\\\srv\\share\\x"), L"\\\\srv\\share");
}

TEST(SysUtilsUtf8Test, RoundTripIncludingSurrogates) {
  String text = L"a\u00e9\u4e2d\U0001F600";
  std::string utf8 = UTF8Encode(text);
  EXPECT_EQ(utf8, "a\xc3\xa9\xe4\xb8\xad\xf0\x9f\x98\x80");
  EXPECT_EQ(UTF8Decode(utf8), text);
  EXPECT_EQ(UTF8Decode("a\xff" "b"), L"a\uFFFDb");
}

}  // namespace
