// Section "subtitle" of "cfg.ini" on disk through the platform's
// private-profile functions: a text of several lines stored on one line and
// read back as its lines with the next key intact, a one-line text written
// by the original program stored again byte for byte, and Chinese text and
// font names in GBK under code page 936. The GBK bytes are spelled out here.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "CfgIni.h"
#include "Subtitles.h"
#include "SysUtils.h"

namespace {

String TempFile() {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  return String(folder) + L"vamire_subtitle_" + IntToStr(int(GetCurrentProcessId())) + L".ini";
}

void WriteBytes(const String& path, const std::string& bytes) {
  std::ofstream out(path.c_str(), std::ios::binary);
  out << bytes;
}

std::string ReadBytes(const String& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class SubtitleFileTest : public testing::Test {
 protected:
  void TearDown() override { DeleteFileW(path.c_str()); }
  bool Chinese() const { return GetACP() == 936; }
  String path = TempFile();
};

// The program is declared twice: once in the console's code page, once in the Western one.
TEST(SubtitleFileCodePage, TheRunIsInTheCodePageItWasDeclaredFor) {
  wchar_t wanted[8] = {};
  GetEnvironmentVariableW(L"VAMIRE_CODEPAGE", wanted, 8);
  EXPECT_EQ(GetACP(), String(wanted) == L"1252" ? 1252u : 936u);
}

TSubtitleSettings Sample(const String& text, const String& font) {
  TSubtitleSettings s;
  s.DisplayText = text;
  s.FontName = font;
  s.ColorName = L"clRed";
  s.FontSize = 28;
  s.BgColorName = L"clSkyBlue";
  s.Interval = L"30";
  s.Transparent = true;
  return s;
}

TEST_F(SubtitleFileTest, SeveralLinesAreStoredOnOneAndReadBackAsLines) {
  // 会议室 / 大厅 / 监控中心, or their English words in the Western code page.
  const String text = Chinese() ? L"\u4F1A\u8BAE\u5BA4\r\n\u5927\u5385\r\n\u76D1\u63A7\u4E2D\u5FC3"
                                : L"Meeting room\r\nHall\r\nControl centre";
  const String font = Chinese() ? L"\u5B8B\u4F53" : L"Arial";  // 宋体
  {
    TCfgIni ini(path);
    WriteSubtitleSettings(ini, Sample(text, font));
    ini.WriteString(L"subtitle", L"after", L"kept");
  }
  const std::string bytes = ReadBytes(path);
  const std::string line = Chinese() ? "displaytext=\xBB\xE1\xD2\xE9\xCA\xD2\\n\xB4\xF3\xCC\xFC\\n\xBC\xE0\xBF\xD8\xD6\xD0\xD0\xC4\r\n"
                                     : "displaytext=Meeting room\\nHall\\nControl centre\r\n";
  EXPECT_NE(bytes.find(line), std::string::npos) << bytes;
  EXPECT_NE(bytes.find(Chinese() ? "fontname=\xCB\xCE\xCC\xE5\r\n" : "fontname=Arial\r\n"), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("colorname=clRed\r\nfontsize=28\r\nbgcolorname=clSkyBlue\r\ninterval=30\r\nistranp=1\r\n"),
            std::string::npos)
      << "the keys after the text, each on its own line";

  TCfgIni ini(path);
  const TSubtitleSettings back = ReadSubtitleSettings(ini, {});
  EXPECT_EQ(back.DisplayText, text);
  EXPECT_EQ(back.FontName, font);
  EXPECT_EQ(back.FontSize, 28);
  EXPECT_TRUE(back.Transparent);
  EXPECT_EQ(ini.ReadString(L"subtitle", L"after", L""), L"kept");
}

TEST_F(SubtitleFileTest, AOneLineTextOfTheOriginalIsStoredByteForByte) {
  // As the original program wrote it: 欢迎光临 in GBK, or a Western text.
  const std::string original =
      std::string("[subtitle]\r\ndisplaytext=") +
      (Chinese() ? "\xBB\xB6\xD3\xAD\xB9\xE2\xC1\xD9 C:\\dir" : "Welcome C:\\dir") +
      "\r\nfontname=" + (Chinese() ? "\xCB\xCE\xCC\xE5" : "Arial") +
      "\r\ncolorname=clYellow\r\nfontsize=36\r\nbgcolorname=clNavy\r\ninterval=100\r\nistranp=0\r\n";
  WriteBytes(path, original);
  TCfgIni ini(path);
  const TSubtitleSettings read = ReadSubtitleSettings(ini, {});
  EXPECT_EQ(read.DisplayText, Chinese() ? L"\u6B22\u8FCE\u5149\u4E34 C:\\dir" : L"Welcome C:\\dir");
  WriteSubtitleSettings(ini, read);
  EXPECT_EQ(ReadBytes(path), original);
}

}  // namespace
