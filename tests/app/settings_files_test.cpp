// The settings files on disk through the platform's private-profile
// functions: defaults from a missing file, the two files written by the
// original program in code page 936 read back exactly, and, in the Western
// code page, a key written without touching the bytes of the other lines.
// The fixtures are built from GBK bytes spelled out here, not from the
// platform's own conversion, so a wrong code page cannot pass unnoticed.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "CfgIni.h"
#include "SysUtils.h"

namespace {

// Characters with their GBK bytes: common ones, and ones whose second byte is
// "\" or whose first byte has no character in code page 1252.
struct TGbkChar {
  wchar_t Wide;
  const char* Bytes;
};
const TGbkChar Gbk[] = {
    {0x89C6, "\xCA\xD3"}, {0x9891, "\xC6\xB5"}, {0x8F93, "\xCA\xE4"}, {0x5165, "\xC8\xEB"},
    {0x4F1A, "\xBB\xE1"}, {0x8BAE, "\xD2\xE9"}, {0x5BA4, "\xCA\xD2"}, {0x5927, "\xB4\xF3"},
    {0x5385, "\xCC\xFC"}, {0x76D1, "\xBC\xE0"}, {0x63A7, "\xBF\xD8"}, {0x4E2D, "\xD6\xD0"},
    {0x5FC3, "\xD0\xC4"}, {0x6444, "\xC9\xE3"}, {0x50CF, "\xCF\xF1"}, {0x673A, "\xBB\xFA"},
    {0x4E02, "\x81\x40"}, {0x4E57, "\x81\x5C"}, {0x4FD3, "\x82\x5C"}, {0x50DC, "\x83\x5C"},
};
const int GbkCount = int(std::size(Gbk));

// Input n's name, as text and as the file's bytes: two characters chosen by
// n, then the number.
void InputName(int n, String& wide, std::string& bytes) {
  const TGbkChar& a = Gbk[n % GbkCount];
  const TGbkChar& b = Gbk[(n / GbkCount + n) % GbkCount];
  wide = String(1, a.Wide) + String(1, b.Wide) + IntToStr(n);
  bytes = std::string(a.Bytes) + b.Bytes + std::to_string(n);
}

String TempFolder() {
  wchar_t buf[MAX_PATH];
  DWORD n = GetTempPathW(MAX_PATH, buf);
  String folder(buf, n);
  folder += L"vamire_settings_" + IntToStr(int(GetCurrentProcessId())) + L"\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

void WriteBytes(const String& path, const std::string& bytes) {
  std::ofstream out(path.c_str(), std::ios::binary);
  out << bytes;
}

std::string ReadBytes(const String& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class SettingsFilesTest : public testing::Test {
 protected:
  void SetUp() override { folder = TempFolder(); }
  void TearDown() override {
    for (const String& f : made) DeleteFileW(f.c_str());
    RemoveDirectoryW(folder.c_str());
  }
  String File(const String& name) {
    made.push_back(folder + name);
    return made.back();
  }
  String folder;
  std::vector<String> made;
};

TEST_F(SettingsFilesTest, AMissingFileGivesTheDefaultsAndTheFirstWriteMakesIt) {
  TCfgIni ini(File(L"cfg.ini"));
  TLinkSettings l = ReadLinkSettings(ini);
  EXPECT_TRUE(l.SerialCtrl);
  EXPECT_EQ(l.Port, L"8899");
  EXPECT_EQ(ReadWallRows(ini), 3);
  EXPECT_EQ(ReadStartAnimation(ini).LogoPath, L"logo.jpg");
  EXPECT_EQ(ReadPresetName(ini, 1, 0), L"场景1");
  EXPECT_EQ(ReadMatrixInputNames(ini).Video[9], L"10");
  EXPECT_EQ(GetFileAttributesW(ini.FileName().c_str()), INVALID_FILE_ATTRIBUTES) << "reading made the file";
  WriteSettingInteger(ini, L"config", L"row", 2);
  EXPECT_EQ(ReadWallRows(ini), 2);
  // A second object on the same file sees the write at once: nothing is cached.
  TCfgIni other(ini.FileName());
  EXPECT_EQ(ReadWallRows(other), 2);
  WriteSettingBool(other, L"setting", L"serialCtrl", false);
  EXPECT_FALSE(ReadLinkSettings(ini).SerialCtrl);
}

TEST_F(SettingsFilesTest, ABareNameIsTheProgramsFolderNotTheCurrentOne) {
  String name = L"vamire_settings_" + IntToStr(int(GetCurrentProcessId())) + L".ini";
  TCfgIni ini(name);
  EXPECT_EQ(ini.FileName(), ProgramFolder() + name);
  EXPECT_TRUE(ProgramFolder().size() > 1 && ProgramFolder().back() == L'\\');
}

TEST_F(SettingsFilesTest, NumbersThatAreNoNumbersReadAsTheirDefaults) {
  String path = File(L"cfg.ini");
  WriteBytes(path, "[config]\r\nrow=abc\r\ncol=12\r\nlanguage=1x\r\n[setting]\r\ncom port=abc\r\n");
  TCfgIni ini(path);
  EXPECT_EQ(ReadWallRows(ini), 3);
  EXPECT_EQ(ReadWallColumns(ini), 12);
  EXPECT_EQ(ReadSettingInteger(ini, L"config", L"language", 0), 0);
  EXPECT_EQ(ReadLinkSettings(ini).ComPort, 1);
}

TEST_F(SettingsFilesTest, TheOriginalsFilesInCodePage936ReadBackExactly) {
  if (GetACP() != 936) GTEST_SKIP() << "runs in the Chinese code page";
  std::string names = "[mux_port]\r\n";
  std::vector<String> video, vga;
  for (int n = 1; n <= VideoInputNameCount; ++n) {
    String wide;
    std::string bytes;
    InputName(n, wide, bytes);
    names += "port" + std::to_string(n) + "=" + bytes + "\r\n";
    video.push_back(wide);
  }
  names += "[VGA DVI mux_port]\r\n";
  for (int n = 1; n <= VgaInputNameCount; ++n) {
    String wide;
    std::string bytes;
    InputName(n + 300, wide, bytes);
    names += "port" + std::to_string(n) + "=" + bytes + "\r\n";
    vga.push_back(wide);
  }
  String namesPath = File(MatrixNamesFileName);
  WriteBytes(namesPath, names);
  TCfgIni namesIni(namesPath);
  TMatrixInputNames read = ReadMatrixInputNames(namesIni);
  EXPECT_EQ(read.Video, video);
  EXPECT_EQ(read.Vga, vga);

  // "cfg.ini": the caption, the wall name and preset names in Chinese.
  std::string cfg = "[config]\r\ncaption=" + std::string(Gbk[7].Bytes) + Gbk[8].Bytes + "\r\nname=" +
                    Gbk[17].Bytes + Gbk[18].Bytes + "\r\n[scene]\r\nscene3=" + Gbk[19].Bytes + "\r\n";
  String cfgPath = File(CfgFileName);
  WriteBytes(cfgPath, cfg);
  TCfgIni ini(cfgPath);
  EXPECT_EQ(ini.ReadString(L"config", L"caption", L""), L"大厅");
  EXPECT_EQ(ini.ReadString(L"config", L"name", L""), (String{0x4E57, 0x4FD3}));
  EXPECT_EQ(ReadPresetName(ini, 3, 0), String(1, wchar_t(0x50DC)));
  // Written back in the same code page: the bytes the original would write.
  ini.WriteString(L"scene", L"scene4", L"监控中心");
  std::string bytes = ReadBytes(cfgPath);
  EXPECT_NE(bytes.find(std::string("scene4=") + Gbk[9].Bytes + Gbk[10].Bytes + Gbk[11].Bytes + Gbk[12].Bytes),
            std::string::npos);
  EXPECT_NE(bytes.find(std::string("name=") + Gbk[17].Bytes + Gbk[18].Bytes), std::string::npos);
}

TEST_F(SettingsFilesTest, InTheWesternCodePageAKeyWrittenKeepsTheOtherLinesBytes) {
  if (GetACP() != 1252) GTEST_SKIP() << "runs in the Western code page";
  std::string other;
  for (int n = 1; n <= 40; ++n) {
    String wide;
    std::string bytes;
    InputName(n, wide, bytes);
    other += "port" + std::to_string(n) + "=" + bytes + "\r\n";
  }
  const std::string before = "[config]\r\nname=" + std::string(Gbk[17].Bytes) + "\r\nrow=3\r\n[mux_port]\r\n" + other;
  String path = File(CfgFileName);
  WriteBytes(path, before);
  TCfgIni ini(path);
  WriteSettingInteger(ini, L"config", L"row", 5);
  EXPECT_EQ(ReadWallRows(ini), 5);
  std::string after = ReadBytes(path);
  std::string expected = before;
  expected.replace(expected.find("row=3"), 5, "row=5");
  EXPECT_EQ(after, expected);
}

}  // namespace
