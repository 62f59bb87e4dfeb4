// The names of a skin file, for the skin choice: listed in file order and
// appended to what the list holds; a damaged or foreign file answers false
// and leaves the list as it was; a file that can't be opened raises; a file
// another program holds open for writing is still read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Streams_win.h"
#include "skinunits_win_test_support.h"

namespace {

std::string SkinStream(const wchar_t* AName, const wchar_t* ADisplayName) {
  TdxSkin skin(AName);
  if (ADisplayName)
    static_cast<TdxSkinStringProperty*>(skin.AddProperty(L"DisplayName", TdxSkinWideStringProperty::StaticClass()))
        ->SetValue(ADisplayName);
  skin.AddGroup(L"Common")->AddElement(L"Button")->SetColor(clRed);
  TStringStream stream;
  skin.SaveToStream(&stream);
  return stream.DataString();
}

std::string ThreeSkins() {
  TStringStream stream;
  WriteMultiSkinStream(&stream, {SkinStream(L"Black", L"Black Night"), SkinStream(L"Granite", nullptr),
                                 SkinStream(L"Foggy", L"Foggy Morning")});
  return stream.DataString();
}

class SkinNamesTest : public testing::Test {
 protected:
  void SetUp() override {
    skinunits_test::Start(skinunits_test::BaseUnits());
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    FFileName = String(folder) + L"vamire_skinnames_" + std::to_wstring(GetCurrentProcessId()) + L".skinres";
  }
  void TearDown() override {
    DeleteFileW(FFileName.c_str());
    FinalizeUnits();
  }
  void Write(const std::string& ABytes) {
    TFileStream file(FFileName, fmCreate);
    file.WriteBuffer(ABytes.data(), std::int32_t(ABytes.size()));
  }
  // A list that already holds more entries than any file here has skins.
  static void Prefill(TStringList& AList) {
    for (const wchar_t* s : {L"a", L"b", L"c", L"d", L"e"}) AList.Add(s);
  }
  static std::vector<String> Items(TStringList& AList) {
    std::vector<String> items;
    for (int i = 0; i < AList.Count(); ++i) items.push_back(AList.Strings(i));
    return items;
  }
  String FFileName;
};

TEST_F(SkinNamesTest, NamesInFileOrderAreAppended) {
  Write(ThreeSkins());
  TStringList names;
  Prefill(names);
  EXPECT_TRUE(ReadSkinNames(FFileName, &names, false));
  EXPECT_EQ(Items(names), (std::vector<String>{L"a", L"b", L"c", L"d", L"e", L"Black", L"Granite", L"Foggy"}));

  TStringList shown;
  EXPECT_TRUE(ReadSkinNames(FFileName, &shown, true));
  EXPECT_EQ(Items(shown), (std::vector<String>{L"Black Night", L"Granite", L"Foggy Morning"}));

  // A single skin stream saved as the file lists its one skin.
  Write(SkinStream(L"Silver", nullptr));
  TStringList single;
  EXPECT_TRUE(ReadSkinNames(FFileName, &single, false));
  EXPECT_EQ(Items(single), (std::vector<String>{L"Silver"}));
}

TEST_F(SkinNamesTest, DamagedOrForeignFilesAnswerFalseAndLeaveTheListAsItWas) {
  const std::string three = ThreeSkins();
  std::string hugeCount = three;
  // The multi-skin header: int32 6, "dxSkin", float64 version, then the count.
  hugeCount[18] = hugeCount[19] = hugeCount[20] = char(0x7F);
  const std::pair<const char*, std::string> cases[] = {
      {"empty", std::string()},
      {"foreign", std::string("Not a skin file at all, just text.")},
      {"cut in its header", three.substr(0, 10)},
      {"a count beyond the data", hugeCount},
      {"cut in its first skin", three.substr(0, 40)},
      {"a skin stream cut short", SkinStream(L"Silver", nullptr).substr(0, 16)},
  };
  for (const auto& [name, bytes] : cases) {
    SCOPED_TRACE(name);
    Write(bytes);
    TStringList names;
    Prefill(names);
    EXPECT_FALSE(ReadSkinNames(FFileName, &names, false));
    EXPECT_EQ(Items(names), (std::vector<String>{L"a", L"b", L"c", L"d", L"e"}));
  }
}

TEST_F(SkinNamesTest, AMissingFileRaisesAndAFileHeldOpenForWritingIsRead) {
  TStringList names;
  EXPECT_THROW(ReadSkinNames(FFileName + L".missing", &names, false), EFOpenError);
  EXPECT_EQ(names.Count(), 0);

  Write(ThreeSkins());
  HANDLE writer = CreateFileW(FFileName.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(ReadSkinNames(FFileName, &names, false));
  EXPECT_EQ(names.Count(), 3);
  CloseHandle(writer);
}

}  // namespace
