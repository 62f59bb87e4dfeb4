// Text crossing the ANSI boundary: the program runs with code page 936 (D-1), and
// the same checks under 1252 show what a Western system does to the same bytes.
// Built twice; EXPECTED_ACP names the code page the test is run with.
#include <gtest/gtest.h>

#include "SysUtils.h"

namespace {

const String kChinese = L"\u89c6\u9891\u5899\u63a7\u5236";  // 视频墙控制
const AnsiString kGbk = "\xca\xd3\xc6\xb5\xc7\xbd\xbf\xd8\xd6\xc6";

class CodePageTest : public testing::Test {
 protected:
  void SetUp() override { InstallPlatformSysUtils(); }
};

TEST_F(CodePageTest, TheProcessRunsWithTheExpectedCodePage) { EXPECT_EQ(DefaultSystemCodePage(), unsigned(EXPECTED_ACP)); }

TEST_F(CodePageTest, ExplicitCodePagesIgnoreTheSystemOne) {
  EXPECT_EQ(StringToAnsi(kChinese, 936), kGbk);
  EXPECT_EQ(AnsiToString(kGbk, 936), kChinese);
  EXPECT_EQ(StringToAnsi(L"caf\u00e9", 1252), "caf\xe9");
  EXPECT_EQ(AnsiToString("caf\xe9", 1252), L"caf\u00e9");
  EXPECT_EQ(StringToAnsi(kChinese, 65001), UTF8Encode(kChinese));
  EXPECT_EQ(AnsiToString(UTF8Encode(kChinese), 65001), kChinese);
  EXPECT_EQ(AnsiToString("", 936), L"");
}

#if EXPECTED_ACP == 936
TEST_F(CodePageTest, ChineseTextRoundTripsThroughTheAnsiCodePage) {
  EXPECT_EQ(StringToAnsi(kChinese), kGbk);
  EXPECT_EQ(AnsiToString(kGbk), kChinese);
  EXPECT_EQ(AnsiToString(StringToAnsi(L"COM5 \u4e3b\u5c4f")), L"COM5 \u4e3b\u5c4f");
  // Text cut inside a double-byte character keeps every whole character before it.
  EXPECT_EQ(AnsiToString(kGbk.substr(0, 3)).substr(0, 1), kChinese.substr(0, 1));
}
#else
TEST_F(CodePageTest, AWesternCodePageCannotCarryChineseText) {
  EXPECT_EQ(StringToAnsi(kChinese), "?????");
  EXPECT_EQ(AnsiToString(kGbk), L"\u00ca\u00d3\u00c6\u00b5\u00c7\u00bd\u00bf\u00d8\u00d6\u00c6");
  EXPECT_EQ(AnsiToString(StringToAnsi(L"caf\u00e9")), L"caf\u00e9");
}
#endif

}  // namespace
