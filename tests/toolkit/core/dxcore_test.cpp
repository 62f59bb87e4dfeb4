// The platform-free helpers of dxCore: system flags, character sets, code
// pages, short strings, memory helpers and locale values.
#include <gtest/gtest.h>

#include <cstring>

#include "Streams.h"
#include "SysUtils.h"
#include "Variants.h"
#include "dxCore.h"

namespace {

TEST(OSFlagsTest, FlagsFollowPlatformAndVersion) {
  struct {
    const char* name;
    int platform, major, minor;
    std::vector<bool*> set;
  } const cases[] = {
      {"95", 1, 4, 0, {&OSFlagWin9x, &OSFlagWin95}},
      {"98", 1, 4, 10, {&OSFlagWin9x, &OSFlagWin98}},
      {"ME", 1, 4, 90, {&OSFlagWin9x, &OSFlagWinME}},
      {"NT4", 2, 4, 0, {&OSFlagWinNT}},
      {"2000", 2, 5, 0, {&OSFlagWinNT, &OSFlagWin2000, &OSFlag2000OrLater, &OSFlag2000OrXP}},
      {"XP", 2, 5, 1, {&OSFlagWinNT, &OSFlag2000OrLater, &OSFlagWinXP, &OSFlagXPOrLater, &OSFlag2000OrXP}},
      {"2003", 2, 5, 2, {&OSFlagWinNT, &OSFlag2000OrLater, &OSFlagWinXP, &OSFlagXPOrLater, &OSFlag2000OrXP}},
      {"Vista", 2, 6, 0,
       {&OSFlagWinNT, &OSFlag2000OrLater, &OSFlagXPOrLater, &OSFlagVistaFamily, &OSFlagVistaOrLater}},
      {"7", 2, 6, 1,
       {&OSFlagWinNT, &OSFlag2000OrLater, &OSFlagXPOrLater, &OSFlagVistaFamily, &OSFlagVistaOrLater, &OSFlagWin7}},
      {"10", 2, 10, 0, {&OSFlagWinNT, &OSFlag2000OrLater, &OSFlagXPOrLater, &OSFlagVistaOrLater}},
  };
  bool* all[] = {&OSFlagWin9x,     &OSFlagWin95,       &OSFlagWin98,     &OSFlagWinME,        &OSFlagWinNT,
                 &OSFlagWin2000,   &OSFlag2000OrLater, &OSFlagWinXP,     &OSFlagXPOrLater,    &OSFlag2000OrXP,
                 &OSFlagVistaFamily, &OSFlagVistaOrLater, &OSFlagWin7};
  for (const auto& c : cases) {
    DetectWindowsVersion(c.platform, c.major, c.minor, false);
    for (std::size_t i = 0; i < std::size(all); ++i) {
      bool expected = std::find(c.set.begin(), c.set.end(), all[i]) != c.set.end();
      EXPECT_EQ(*all[i], expected) << c.name << " flag #" << i;
    }
    EXPECT_FALSE(OSFlagWow64);
  }
  DetectWindowsVersion(2, 6, 1, true);
  EXPECT_TRUE(OSFlagWow64);
}

TEST(CodePageTest, CharsetsMapToTheirCodePages) {
  const std::pair<int, unsigned> table[] = {{0, 0},      {1, 0},      {2, 0},      {128, 932},  {129, 949},
                                            {130, 949},  {134, 936},  {136, 950},  {161, 1253}, {162, 1254},
                                            {177, 1255}, {178, 1256}, {186, 1257}, {204, 1251}, {222, 874},
                                            {238, 1250}, {255, 0},    {77, 0}};
  for (auto [charset, codePage] : table) EXPECT_EQ(CharsetToCodePage(charset), codePage) << charset;
}

TEST(CodePageTest, CharSetsAndShortStrings) {
  TdxCharSet digits = MakeCharSet("0123456789");
  EXPECT_TRUE(IsCharInSet(L'0', digits));
  EXPECT_TRUE(IsCharInSet(L'9', digits));
  EXPECT_FALSE(IsCharInSet(L'a', digits));
  EXPECT_FALSE(IsCharInSet(wchar_t(0x130), digits));  // outside the 256 values: never in a set

  EXPECT_EQ(AnsiToNativeString("abc", 936), "abc");
  EXPECT_EQ(NativeToAnsiString("abc"), "abc");
  TdxShortString shortText = NativeToShortString("hello");
  EXPECT_EQ(shortText[0], 5);
  EXPECT_EQ(ShortToNativeString(shortText), "hello");
  AnsiString longText(300, 'x');
  shortText = NativeToShortString(longText);
  EXPECT_EQ(shortText[0], 255);
  EXPECT_EQ(ShortToNativeString(shortText), AnsiString(255, 'x'));
}

TEST(CodePageTest, VariantsToByteStrings) {
  Variant bytes = VarArrayCreate({2, 4}, varByte);
  VarArrayPut(bytes, Variant(std::uint8_t(0x41)), {2});
  VarArrayPut(bytes, Variant(std::uint8_t(0x00)), {3});
  VarArrayPut(bytes, Variant(std::uint8_t(0xFF)), {4});
  EXPECT_EQ(VariantToAnsiString(bytes), AnsiString("A\0\xFF", 3));
  EXPECT_EQ(VariantToAnsiString(VarArrayCreate({0, -1}, varByte)), "");
  EXPECT_EQ(VariantToAnsiString(Variant(String(L"text"))), "text");
  EXPECT_EQ(VariantToAnsiString(Variant(42)), "42");
  EXPECT_EQ(VariantToAnsiString(Variant()), "");
}

TEST(MemoryHelpersTest, FillCopyAndSwap) {
  unsigned char block[6] = {1, 2, 3, 4, 5, 6};
  FillZero(block + 1, 2);
  EXPECT_EQ(block[0], 1);
  EXPECT_EQ(block[1], 0);
  EXPECT_EQ(block[2], 0);
  EXPECT_EQ(block[3], 4);
  CopyBytes(block + 3, block, 3);
  EXPECT_EQ(block[0], 4);
  EXPECT_EQ(block[2], 6);
  CopyBytes(block, block + 1, 4);  // overlapping copies keep the source's bytes
  EXPECT_EQ(block[1], 4);
  EXPECT_EQ(block[4], 4);
  int a = 1, b = 2;
  SwapIntegers(a, b);
  EXPECT_EQ(a, 2);
  EXPECT_EQ(b, 1);
}

TEST(MemoryHelpersTest, IntegersGoToStreamsLowestByteFirst) {
  TMemoryStream stream;
  WriteIntegerToStream(&stream, 0x12345678);
  WriteIntegerToStream(&stream, -2);
  ASSERT_EQ(stream.Size(), 8);
  const auto* bytes = static_cast<const unsigned char*>(stream.Memory());
  const unsigned char expected[8] = {0x78, 0x56, 0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(std::memcmp(bytes, expected, 8), 0);
}

TEST(LocaleTest, FirstDayOfWeekCountsFromSunday) {
  const std::pair<const wchar_t*, int> items[] = {{L"0", 1}, {L"5", 6}, {L"6", 0}, {L"", 1}, {L"x", 1}, {L"7", 1}};
  for (auto [item, day] : items) EXPECT_EQ(FirstDayOfWeekFromLocaleItem(item), day) << item;
}

TEST(LocaleTest, AccessorsAnswerTheCurrentFormatSettings) {
  TFormatSettings saved = FormatSettings();
  FormatSettings().LongMonthNames[0] = L"Januar";
  FormatSettings().ShortMonthNames[11] = L"Dez";
  FormatSettings().DecimalSeparator = L',';
  FormatSettings().TimeAMString = L"vorm.";
  EXPECT_EQ(GetLocaleLongMonthName(0, 1), L"Januar");
  EXPECT_EQ(GetLocaleShortMonthName(0x407, 12), L"Dez");
  EXPECT_EQ(GetLocaleLongMonthName(0, 13), L"");
  EXPECT_EQ(GetLocaleDecimalSeparator(0), L',');
  EXPECT_EQ(GetLocaleTimeAMString(0), L"vorm.");
  FormatSettings() = saved;
}

}  // namespace
