// The Win32 parts of dxCore: code-page conversions, system flags and locale items.
#include <windows.h>

#include <gtest/gtest.h>

#include "dxCore.h"

namespace {

TEST(CodePageConversionTest, RoundTripsThroughCodePages) {
  const struct {
    unsigned codePage;
    AnsiString bytes;
    String text;
  } cases[] = {
      {936, "\xD6\xD0\xCE\xC4", L"\u4E2D\u6587"},  // GBK
      {1252, "caf\xE9", L"caf\u00E9"},
      {CP_UTF8, "\xE2\x82\xAC", L"\u20AC"},
      {1251, "\xCF\xF0\xE8", L"\u041F\u0440\u0438"},
  };
  for (const auto& c : cases) {
    String wide;
    MultiByteToWideString(c.bytes, c.codePage, -1, wide);
    EXPECT_EQ(wide, c.text) << c.codePage;
    AnsiString bytes;
    WideToMultiByteString(c.text, c.codePage, -1, bytes);
    EXPECT_EQ(bytes, c.bytes) << c.codePage;
    EXPECT_EQ(AnsiToWideString(c.bytes, c.codePage), c.text);
    EXPECT_EQ(WideToAnsiString(c.text, c.codePage), c.bytes);
  }
}

TEST(CodePageConversionTest, LengthsAndEmptyInput) {
  String wide = L"stale";
  MultiByteToWideString("", 1252, -1, wide);
  EXPECT_EQ(wide, L"");
  MultiByteToWideString("abcdef", 1252, 3, wide);
  EXPECT_EQ(wide, L"abc");
  MultiByteToWideString("abc", 1252, 100, wide);  // a length past the end takes what is there
  EXPECT_EQ(wide, L"abc");
  AnsiString bytes = "stale";
  WideToMultiByteString(L"", 1252, -1, bytes);
  EXPECT_EQ(bytes, "");
  WideToMultiByteString(L"\u4E2D\u6587x", 936, 1, bytes);
  EXPECT_EQ(bytes, "\xD6\xD0");
  // Code pages that refuse the precomposed flag still convert.
  MultiByteToWideString("abc", 65000, -1, wide);  // UTF-7
  EXPECT_EQ(wide, L"abc");
}

TEST(SystemFlagsTest, DetectedFromTheRunningSystem) {
  dxCore_Initialize();
  EXPECT_TRUE(OSFlagWinNT);
  EXPECT_FALSE(OSFlagWin9x);
  EXPECT_TRUE(OSFlag2000OrLater);
  BOOL wow64 = FALSE;
  IsWow64Process(GetCurrentProcess(), &wow64);
  EXPECT_EQ(OSFlagWow64, wow64 != FALSE);
  int first = FirstDayOfWeekFromLocaleItem(GetLocaleString(GetThreadLocale(), LOCALE_IFIRSTDAYOFWEEK, L"0"));
  EXPECT_EQ(LocaleFirstDayOfWeek(), first);
  EXPECT_GE(LocaleFirstDayOfWeek(), 0);
  EXPECT_LE(LocaleFirstDayOfWeek(), 6);
}

TEST(LocaleStringTest, ItemsAndDefaults) {
  EXPECT_EQ(GetLocaleString(0x0409, LOCALE_SENGLANGUAGE, L"?"), L"English");
  EXPECT_EQ(GetLocaleString(0x0409, LOCALE_IFIRSTDAYOFWEEK, L"?"), L"6");  // Sunday, counted from Monday
  EXPECT_EQ(GetLocaleString(0x0409, 0x7FFF, L"fallback"), L"fallback");
}

}  // namespace
