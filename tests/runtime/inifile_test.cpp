// Ini files through the private-profile functions. Built twice: under the
// Chinese code page 936 (the console's) and under 1252, where Chinese text in
// an ANSI file can't survive; the cases show what each gives.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "IniFiles.h"
#include "Streams_win.h"
#include "SysUtils.h"
#include "services_temp.h"

namespace {

// GBK bytes of 大屏幕拼接软件 and of 场景.
const char kGbkWallName[] = "\xB4\xF3\xC6\xC1\xC4\xBB\xC6\xB4\xBD\xD3\xC8\xED\xBC\xFE";
const wchar_t kWallName[] = L"\u5927\u5c4f\u5e55\u62fc\u63a5\u8f6f\u4ef6";
const char kGbkScene[] = "\xB3\xA1\xBE\xB0";
const wchar_t kScene[] = L"\u573a\u666f";

bool ChineseCodePage() { return GetACP() == 936; }

class IniFileTest : public testing::Test {
 protected:
  void SetUp() override {
    FFolder = FTemp.Path();
    FName = FFolder + L"cfg.ini";
  }
  void WriteBytes(const std::string& Bytes) {
    TFileStream f(FName, fmCreate);
    f.WriteBuffer(Bytes.data(), int32_t(Bytes.size()));
  }
  std::string Bytes() {
    TMemoryStream m;
    m.LoadFromFile(FName);
    return std::string(static_cast<const char*>(m.Memory()), size_t(m.Size()));
  }
  TTempFolder FTemp{L"ini"};
  String FFolder;
  String FName;
};

TEST(IniFileCodePage, RunsUnderTheConfiguredCodePage) {
  // Each branch below must really be taken by one of the two builds.
  const char* configured = getenv("VAMIRE_CODEPAGE");
  EXPECT_EQ(GetACP(), configured && strcmp(configured, "1252") == 0 ? 1252u : 936u);
}

TEST_F(IniFileTest, GbkFixtureReadsAsChineseUnder936) {
  WriteBytes(std::string("[config]\r\nname=") + kGbkWallName + "\r\nrow=3\r\n[scene]\r\nscene5=" + kGbkScene +
             "5\r\n");
  TIniFile ini(FName);
  if (ChineseCodePage()) {
    EXPECT_EQ(ini.ReadString(L"config", L"name", L""), kWallName);
    EXPECT_EQ(ini.ReadString(L"scene", L"scene5", L""), String(kScene) + L"5");
  } else {
    // Under 1252 each GBK byte is read as a Western character: garbled, not lost.
    EXPECT_EQ(ini.ReadString(L"config", L"name", L""), AnsiToString(kGbkWallName, 1252));
    EXPECT_NE(ini.ReadString(L"config", L"name", L""), kWallName);
  }
  EXPECT_EQ(ini.ReadInteger(L"config", L"row", 0), 3);
}

TEST_F(IniFileTest, WrittenTextReadsBackAndTheFileStaysAnsi) {
  WriteBytes(std::string("[config]\r\nname=") + kGbkWallName + "\r\n");
  {
    TIniFile ini(FName);
    ini.WriteString(L"scene", L"scene1", String(kScene) + L"1");
    ini.WriteString(L"config", L"caption", L"LCD WALL");
  }
  TIniFile ini(FName);
  const std::string bytes = Bytes();
  // No byte-order mark and no UTF-16: the file is still single-byte text.
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_NE(bytes.substr(0, 2), "\xFF\xFE");
  EXPECT_EQ(bytes.find('\0'), std::string::npos);
  EXPECT_EQ(ini.ReadString(L"config", L"caption", L""), L"LCD WALL");
  if (ChineseCodePage()) {
    EXPECT_EQ(ini.ReadString(L"scene", L"scene1", L""), String(kScene) + L"1");
    EXPECT_NE(bytes.find(std::string(kGbkScene) + "1"), std::string::npos);
    // The untouched GBK value keeps its bytes.
    EXPECT_NE(bytes.find(std::string("name=") + kGbkWallName), std::string::npos);
    EXPECT_EQ(ini.ReadString(L"config", L"name", L""), kWallName);
  } else {
    // Chinese has no 1252 form: the platform stores question marks.
    EXPECT_EQ(ini.ReadString(L"scene", L"scene1", L""), L"??1");
    EXPECT_NE(bytes.find("scene1=??1"), std::string::npos);
    // The GBK bytes already in the file are left as they were.
    EXPECT_NE(bytes.find(std::string("name=") + kGbkWallName), std::string::npos);
  }
}

TEST_F(IniFileTest, ChineseFileNames) {
  const String name = FFolder + L"\u77e9\u9635\u540d\u79f0.ini";  // 矩阵名称.ini
  {
    TIniFile ini(name);
    ini.WriteString(L"mux_port", L"port1", L"CAM 1");
  }
  TIniFile ini(name);
  EXPECT_EQ(ini.ReadString(L"mux_port", L"port1", L"1"), L"CAM 1");
  EXPECT_EQ(ini.ReadString(L"mux_port", L"port2", L"2"), L"2");
  EXPECT_EQ(ini.FileName(), name);
}

TEST_F(IniFileTest, IntegersAndBooleansWithDamagedValues) {
  struct Case {
    const char* Stored;  // null: key missing
    int32_t Integer;     // read with default -7
    bool Boolean;        // read with default true
  };
  const Case cases[] = {
      {"12", 12, true},       {"-5", -5, true},        {"0", 0, false},         {"2", 2, true},
      {"$1F", 31, true},      {"0x1F", 31, true},      {"0X10", 16, true},      {"$FFFFFFFF", -1, true},
      {"  42  ", 42, true},   {"abc", -7, true},       {"12abc", -7, true},     {"1.5", -7, true},
      {"", -7, true},         {"2147483648", -7, true}, {"0x", -7, true},       {nullptr, -7, true},
  };
  TIniFile ini(FName);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Stored ? c.Stored : "(missing)");
    ini.DeleteKey(L"setting", L"v");
    if (c.Stored) ini.WriteString(L"setting", L"v", String(c.Stored, c.Stored + strlen(c.Stored)));
    EXPECT_EQ(ini.ReadInteger(L"setting", L"v", -7), c.Integer);
    EXPECT_EQ(ini.ReadBool(L"setting", L"v", true), c.Boolean);
  }
  ini.WriteBool(L"setting", L"on", true);
  ini.WriteBool(L"setting", L"off", false);
  ini.WriteInteger(L"setting", L"n", -123);
  EXPECT_EQ(ini.ReadString(L"setting", L"on", L""), L"1");
  EXPECT_EQ(ini.ReadString(L"setting", L"off", L""), L"0");
  EXPECT_EQ(ini.ReadString(L"setting", L"n", L""), L"-123");
  EXPECT_FALSE(ini.ReadBool(L"setting", L"off", true));
}

TEST_F(IniFileTest, MissingFileReadsDefaultsAndFirstWriteCreatesIt) {
  TIniFile ini(FName);
  EXPECT_EQ(ini.ReadString(L"config", L"password", L"9174"), L"9174");
  EXPECT_TRUE(ini.ReadBool(L"setting", L"serialCtrl", true));
  EXPECT_EQ(GetFileAttributesW(FName.c_str()), INVALID_FILE_ATTRIBUTES);
  ini.WriteInteger(L"config", L"row", 1);
  EXPECT_NE(GetFileAttributesW(FName.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(IniFileTest, ObjectsOnOneFileSeeEachOthersWrites) {
  TIniFile timing(FName), timer(FName);
  timing.WriteString(L"timesetting", L"ohour", L"7");
  timer.WriteString(L"timesetting", L"flag", L"0");
  EXPECT_EQ(timer.ReadString(L"timesetting", L"ohour", L""), L"7");
  EXPECT_EQ(timing.ReadString(L"timesetting", L"flag", L""), L"0");
  TIniFile fresh(FName);
  EXPECT_EQ(fresh.ReadInteger(L"timesetting", L"ohour", 0), 7);
}

TEST_F(IniFileTest, LongValuesAreReadWhole) {
  // A native-matrix record grows with use; 3000 recorded splices.
  String record = L"3000,";
  while (record.size() < 30000) record += L"1,1,2,2,17,";
  TIniFile ini(FName);
  ini.WriteString(L"nativeMatrix", L"scene1", record);
  EXPECT_EQ(ini.ReadString(L"nativeMatrix", L"scene1", L"0"), record);
  const String exact(2047, L'x');  // the size that used to be the limit
  ini.WriteString(L"nativeMatrix", L"scene2", exact);
  EXPECT_EQ(ini.ReadString(L"nativeMatrix", L"scene2", L"0"), exact);
}

TEST_F(IniFileTest, SectionsKeysAndErasing) {
  WriteBytes("[config]\r\nrow=3\r\ncol=4\r\nempty=\r\n[setting]\r\ncom port=2\r\n[scene]\r\n");
  TIniFile ini(FName);
  TStringList list;
  ini.ReadSections(&list);
  EXPECT_EQ(list.Text(), L"config\r\nsetting\r\nscene\r\n");
  ini.ReadSection(L"config", &list);
  EXPECT_EQ(list.Text(), L"row\r\ncol\r\nempty\r\n");
  ini.ReadSectionValues(L"config", &list);
  EXPECT_EQ(list.Text(), L"row=3\r\ncol=4\r\nempty=\r\n");
  ini.ReadSection(L"nothing", &list);
  EXPECT_EQ(list.Count(), 0);

  EXPECT_TRUE(ini.SectionExists(L"config"));
  EXPECT_FALSE(ini.SectionExists(L"scene"));  // a section without keys counts as absent
  EXPECT_FALSE(ini.SectionExists(L"nothing"));
  EXPECT_TRUE(ini.ValueExists(L"config", L"empty"));
  EXPECT_TRUE(ini.ValueExists(L"CONFIG", L"Row"));  // names ignore case
  EXPECT_FALSE(ini.ValueExists(L"config", L"missing"));

  ini.DeleteKey(L"config", L"col");
  EXPECT_FALSE(ini.ValueExists(L"config", L"col"));
  EXPECT_EQ(ini.ReadInteger(L"config", L"col", 9), 9);
  ini.EraseSection(L"setting");
  ini.UpdateFile();
  ini.ReadSections(&list);
  EXPECT_EQ(list.IndexOf(L"setting"), -1);
  EXPECT_EQ(Bytes().find("com port"), std::string::npos);
}

TEST_F(IniFileTest, BinaryValuesAsHexadecimal) {
  TIniFile ini(FName);
  TMemoryStream data;
  data.WriteBuffer("\x00\x01\xAB\xFF", 4);
  data.SetPosition(1);  // from the position on
  ini.WriteBinaryStream(L"Layout", L"UserDefine", &data);
  EXPECT_EQ(data.Position(), 1);
  EXPECT_EQ(ini.ReadString(L"Layout", L"UserDefine", L""), L"01ABFF");

  TMemoryStream back;
  EXPECT_EQ(ini.ReadBinaryStream(L"Layout", L"UserDefine", &back), 3);
  EXPECT_EQ(back.Position(), 0);
  EXPECT_EQ(std::string(static_cast<const char*>(back.Memory()), 3), "\x01\xAB\xFF");

  ini.WriteString(L"Layout", L"Damaged", L"0A1Gzz");  // decoding stops at the bad pair
  TMemoryStream cut;
  EXPECT_EQ(ini.ReadBinaryStream(L"Layout", L"Damaged", &cut), 1);
  EXPECT_EQ(cut.Size(), 1);
  EXPECT_EQ(ini.ReadBinaryStream(L"Layout", L"Missing", &cut), 0);
}

TEST_F(IniFileTest, WriteFailureNamesTheFile) {
  const String name = FFolder + L"no such folder\\cfg.ini";
  TIniFile ini(name);
  try {
    ini.WriteString(L"config", L"row", L"3");
    ADD_FAILURE() << "written";
  } catch (const EIniFileException& e) {
    EXPECT_EQ(e.Message(), L"Unable to write to " + name);
  }
  EXPECT_EQ(ini.ReadString(L"config", L"row", L"d"), L"d");
}

}  // namespace

namespace {

TEST_F(IniFileTest, MemIniFileReadsTheWholeFileOnce) {
  WriteBytes(std::string("; settings\r\n\r\n[Config]\r\n  name = ") + kGbkWallName +
             "  \r\nrow=3\r\nloose line\r\n[ scene ]\r\nscene1=x\r\n");
  TMemIniFile ini(FName);
  const String expectedName = ChineseCodePage() ? String(kWallName) : AnsiToString(kGbkWallName, 1252);
  EXPECT_EQ(ini.ReadString(L"config", L"NAME", L""), expectedName);  // names ignore case
  EXPECT_EQ(ini.ReadInteger(L"Config", L"row", 0), 3);
  EXPECT_EQ(ini.ReadString(L"scene", L"scene1", L""), L"x");
  TStringList list;
  ini.ReadSections(&list);
  EXPECT_EQ(list.CommaText(), L"Config,scene");
  ini.ReadSection(L"Config", &list);
  EXPECT_EQ(list.CommaText(), L"name,row");  // the line without "=" is kept but is no key

  // Changes stay in memory until UpdateFile.
  WriteBytes("[Config]\r\nrow=9\r\n");
  EXPECT_EQ(ini.ReadInteger(L"Config", L"row", 0), 3);
  ini.WriteString(L"Config", L"row", L"4");
  ini.WriteString(L"New", L"key", String(kScene));
  ini.DeleteKey(L"Config", L"name");
  ini.EraseSection(L"scene");
  EXPECT_EQ(Bytes(), "[Config]\r\nrow=9\r\n");
  ini.UpdateFile();

  ini.GetStrings(&list);
  EXPECT_EQ(list.Text(), String(L"[Config]\r\nrow=4\r\nloose line\r\n\r\n[New]\r\nkey=") + kScene + L"\r\n\r\n");
  // The file is ANSI text, and the platform's reader agrees with it; under
  // 1252 the Chinese text has no form there and becomes question marks.
  TIniFile plain(FName);
  EXPECT_EQ(plain.ReadInteger(L"Config", L"row", 0), 4);
  if (ChineseCodePage()) {
    EXPECT_NE(Bytes().find(std::string("key=") + kGbkScene), std::string::npos);
    EXPECT_EQ(plain.ReadString(L"New", L"key", L""), kScene);
  } else {
    EXPECT_EQ(plain.ReadString(L"New", L"key", L""), L"??");
  }
}

TEST_F(IniFileTest, MemIniFileWithoutAFile) {
  TMemIniFile ini(L"");
  TStringList text;
  text.SetText(L"[Form1.BarManager1.Main]\r\nBarCount=2\r\n[Form1.BarManager1.Bar0]\r\nCaption=Main Menu\r\n");
  ini.SetStrings(&text);
  EXPECT_EQ(ini.ReadInteger(L"Form1.BarManager1.Main", L"BarCount", 0), 2);
  EXPECT_EQ(ini.ReadString(L"Form1.BarManager1.Bar0", L"Caption", L""), L"Main Menu");
  EXPECT_TRUE(ini.SectionExists(L"form1.barmanager1.bar0"));
  ini.SetCaseSensitive(true);
  EXPECT_FALSE(ini.SectionExists(L"form1.barmanager1.bar0"));
  ini.UpdateFile();  // no file name: nothing written, nothing raised

  TMemoryStream data;
  data.WriteBuffer("\x05", 1);
  data.SetPosition(0);
  ini.WriteBinaryStream(L"Link", L"UserDefine", &data);
  ini.ReadSectionValues(L"Link", &text);
  EXPECT_EQ(text.Text(), L"UserDefine=05\r\n");

  ini.Rename(FName, false);
  ini.UpdateFile();
  TMemIniFile back(FName);
  EXPECT_EQ(back.ReadString(L"Link", L"UserDefine", L""), L"05");
  ini.Clear();
  ini.ReadSections(&text);
  EXPECT_EQ(text.Count(), 0);
}

}  // namespace
