// The Win32 part of SysUtils: locale settings and comparison, files, the program's
// own path and system errors.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>

#include "SysUtils.h"

namespace {

class PlatformSysUtilsTest : public testing::Test {
 protected:
  void SetUp() override { InstallPlatformSysUtils(); }
};

TEST_F(PlatformSysUtilsTest, LocaleFormatSettings) {
  TFormatSettings us = GetLocaleFormatSettings(0x0409);
  EXPECT_EQ(us.DecimalSeparator, L'.');
  EXPECT_EQ(us.ShortDateFormat, L"M/d/yyyy");
  EXPECT_EQ(us.LongTimeFormat, L"h:mm:ss AMPM");
  EXPECT_EQ(us.ShortTimeFormat, L"h:mm AMPM");
  EXPECT_EQ(us.LongMonthNames[0], L"January");
  EXPECT_EQ(us.ShortDayNames[0], L"Sun");
  EXPECT_EQ(us.LongDayNames[6], L"Saturday");
  EXPECT_EQ(us.CurrencyString, L"$");

  TFormatSettings de = GetLocaleFormatSettings(0x0407);
  EXPECT_EQ(de.DecimalSeparator, L',');
  EXPECT_EQ(de.DateSeparator, L'.');
  EXPECT_EQ(de.ShortDateFormat.substr(0, 1), L"d");  // day first
  EXPECT_EQ(de.LongTimeFormat, L"hh:mm:ss");  // 24-hour clock: no am/pm marker
  EXPECT_EQ(de.LongDayNames[0], L"Sonntag");
  EXPECT_EQ(FormatFloat(L"#,##0.00", 1234.5, de), L"1.234,50");
  EXPECT_EQ(StrToFloat(L"2,5", de), 2.5);
  EXPECT_EQ(StrToDate(L"05.03.2026", de), EncodeDate(2026, 3, 5));
  EXPECT_EQ(StrToDate(DateToStr(EncodeDate(2026, 3, 5), de), de), EncodeDate(2026, 3, 5));

  TFormatSettings zh = GetLocaleFormatSettings(0x0804);
  EXPECT_EQ(zh.LongMonthNames[0], L"\u4e00\u6708");  // 一月
  EXPECT_EQ(StrToDate(DateToStr(EncodeDate(2026, 3, 5), zh), zh), EncodeDate(2026, 3, 5));
}

TEST_F(PlatformSysUtilsTest, CurrentSettingsComeFromTheUserAndRefresh) {
  TFormatSettings user = GetLocaleFormatSettings(0);
  EXPECT_EQ(FormatSettings().ShortDateFormat, user.ShortDateFormat);
  EXPECT_EQ(FormatSettings().LongMonthNames[11], user.LongMonthNames[11]);
  FormatSettings().DecimalSeparator = L'x';
  GetFormatSettings();
  EXPECT_EQ(FormatSettings().DecimalSeparator, user.DecimalSeparator);
}

TEST_F(PlatformSysUtilsTest, LocaleAwareCaseAndComparison) {
  EXPECT_EQ(AnsiUpperCase(L"abc\u00e9"), L"ABC\u00c9");
  EXPECT_EQ(AnsiLowerCase(L"ABC\u00c9"), L"abc\u00e9");
  EXPECT_EQ(UpperCase(L"abc\u00e9"), L"ABC\u00e9");
  EXPECT_TRUE(AnsiSameText(L"\u00c9t\u00e9", L"\u00e9T\u00c9"));
  EXPECT_FALSE(SameText(L"\u00c9", L"\u00e9"));
  // Linguistic order puts "a" before "B"; the ordinal one does not.
  EXPECT_LT(AnsiCompareStr(L"a", L"B"), 0);
  EXPECT_GT(CompareStr(L"a", L"B"), 0);
  EXPECT_LT(AnsiCompareText(L"apple", L"Banana"), 0);
  EXPECT_NE(AnsiCompareStr(L"a", L"A"), 0);
  EXPECT_EQ(AnsiCompareText(L"a", L"A"), 0);
  EXPECT_EQ(StringReplace(L"\u00c9t\u00e9", L"\u00e9", L"e", rfReplaceAll | rfIgnoreCase), L"ete");
}

// Code without Win32 computes with MulDivRounded; it must answer as the platform does.
// INT32_MIN stays out: Wine's MulDiv negates it in 32 bits (1 * INT32_MAX / INT32_MIN
// answers 0 there); the pure test pins the right results for it.
TEST_F(PlatformSysUtilsTest, MulDivRoundedAnswersAsThePlatform) {
  const int values[] = {0,     1,      -1,    2,         -2,         3,             7,
                        -7,    96,     120,   72,        -72,        1000,          46341,
                        -46341, 65536, 99999, INT32_MAX, -INT32_MAX, INT32_MAX / 2, -INT32_MAX / 2};
  for (int a : values)
    for (int b : values)
      for (int c : values) ASSERT_EQ(MulDivRounded(a, b, c), MulDiv(a, b, c)) << a << " * " << b << " / " << c;
}

TEST_F(PlatformSysUtilsTest, FilesAndDirectories) {
  wchar_t temp[MAX_PATH];
  ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
  const String root = IncludeTrailingPathDelimiter(temp) + L"vamire_sysutils_" + IntToStr(GetCurrentProcessId());
  const String deep = root + L"\\a\\\u4e2d\u6587\\c";
  ASSERT_FALSE(DirectoryExists(root));
  EXPECT_TRUE(ForceDirectories(deep));
  EXPECT_TRUE(DirectoryExists(deep));
  EXPECT_TRUE(ForceDirectories(deep + L"\\"));  // already there
  EXPECT_FALSE(FileExists(deep));

  const String file = deep + L"\\x.ini";
  HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  CloseHandle(h);
  EXPECT_TRUE(FileExists(file));
  EXPECT_FALSE(DirectoryExists(file));
  EXPECT_FALSE(ForceDirectories(file + L"\\sub"));  // a file is in the way
  EXPECT_FALSE(ForceDirectories(L""));

  EXPECT_EQ(ExpandFileName(deep + L"\\..\\c\\.\\x.ini"), file);
  const String cwd = GetCurrentDir();
  ASSERT_TRUE(SetCurrentDirectoryW(deep.c_str()));
  EXPECT_EQ(ExpandFileName(L"x.ini"), file);
  SetCurrentDirectoryW(cwd.c_str());

  DeleteFileW(file.c_str());
  for (String d = deep; d.size() > root.size(); d = ExtractFileDir(d)) RemoveDirectoryW(d.c_str());
  RemoveDirectoryW(root.c_str());
  EXPECT_FALSE(DirectoryExists(root));
}

TEST_F(PlatformSysUtilsTest, TheProgramsOwnPath) {
  String self = ParamStr(0);
  EXPECT_TRUE(SameText(ExtractFileExt(self), L".exe")) << self;
  EXPECT_TRUE(FileExists(self));
  EXPECT_EQ(ProgramFolder(), ExtractFilePath(self));
  EXPECT_TRUE(DirectoryExists(ProgramFolder()));
  EXPECT_GE(ParamCount(), 0);
  EXPECT_EQ(ParamStr(ParamCount() + 1), L"");
}

TEST_F(PlatformSysUtilsTest, OsErrorsCarryTheCodeAndItsText) {
  SetLastError(ERROR_FILE_NOT_FOUND);
  try {
    RaiseLastOSError();
    FAIL() << "no EOSError";
  } catch (const EOSError& e) {
    EXPECT_EQ(e.ErrorCode(), 2u);
    EXPECT_EQ(e.Message(), L"System Error.  Code: 2.\r\n" + SysErrorMessage(2));
    EXPECT_FALSE(SysErrorMessage(2).empty());
    EXPECT_NE(SysErrorMessage(2).back(), L'.');
  }
  SetLastError(0);
  try {
    RaiseLastOSError();
  } catch (const EOSError& e) {
    EXPECT_EQ(e.Message(), L"A call to an OS function failed");
  }
}

TEST_F(PlatformSysUtilsTest, NowIsTheLocalClock) {
  SYSTEMTIME t;
  GetLocalTime(&t);
  TDateTime expected = EncodeDate(t.wYear, t.wMonth, t.wDay) + EncodeTime(t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
  EXPECT_LT(std::fabs(Now() - expected) * SecsPerDay, 2.0);
}

}  // namespace
