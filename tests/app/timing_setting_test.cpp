// The timing settings window streamed from its form file, on a settings file
// of the test's own: what the show fills in, the repeat mode's hold on the
// six controls, what OK stores and hands to the main window in each
// language, and a bad time field that changes nothing (D-29).
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>

#include "CfgIni.h"
#include "SysUtils.h"
#include "TestMainWindow.h"
#include "cxButtons_win.h"
#include "cxCheckBox_win.h"
#include "cxDropDownEdit_combo_win.h"
#include "uTimingSetting.h"

namespace {

std::string FileBytes(const String& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class TimingSettingTest : public testing::Test {
 protected:
  void SetUp() override {
    file = ProgramFolder() + L"timing_test_" + IntToStr(int(GetCurrentProcessId())) + L".ini";
    DeleteFileW(file.c_str());
  }
  void TearDown() override {
    if (form) form->Free();
    DeleteFileW(file.c_str());
  }
  // The window, English when the main window says so, shown on the test's file.
  TfrmTimingSetting* Show() {
    if (!form) {
      form = TCustomForm::Create<TfrmTimingSetting>(nullptr);
      form->SettingsFile = file;
      if (main.Language() == 1) form->ApplyEnglishCaptions();
    }
    form->Show();
    test_support::Pump();
    return form;
  }
  void Store(std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> values) {
    TCfgIni ini(file);
    for (auto [key, value] : values) ini.WriteString(L"timesetting", key, value);
  }
  String Stored(const wchar_t* key) { return TCfgIni(file).ReadString(L"timesetting", key, L"<none>"); }
  void Type(const String& onHour, const String& onMinute, const String& offHour, const String& offMinute) {
    form->lbledtOHours->SetText(onHour);
    form->lbledtOMin->SetText(onMinute);
    form->lbledtCHours->SetText(offHour);
    form->lbledtCMin->SetText(offMinute);
  }
  std::vector<bool> SixEnabled() {
    return {form->lbledtOHours->Enabled(), form->lbledtOMin->Enabled(), form->lbledtCHours->Enabled(),
            form->lbledtCMin->Enabled(),   form->cbFlag->Enabled(),     form->btnOK->Enabled()};
  }
  static std::vector<int> Fields(const TTimedPower& p) {
    return {p.PowerOnHour, p.PowerOnMinute, p.PowerOffHour, p.PowerOffMinute, p.TimedPowerOn, p.TimedPowerMode};
  }

  app_test::TTestMainWindow main;
  String file;
  TfrmTimingSetting* form = nullptr;
};

TEST_F(TimingSettingTest, AFreshFileOpensOnNoItemWithEverythingEnabledAndZeroes) {
  Show();
  EXPECT_EQ(form->Caption(), L"定时设置");
  EXPECT_EQ(form->cbbExecMode->ItemIndex(), 0) << "mode 0 by default";
  EXPECT_EQ(SixEnabled(), std::vector<bool>(6, false));
  EXPECT_EQ(form->lbledtOHours->Text(), L"0");
  EXPECT_EQ(form->lbledtCMin->Text(), L"0");
  EXPECT_FALSE(form->cbFlag->Checked());
}

TEST_F(TimingSettingTest, OkStoresTheFieldsInOrderAndArmsTheMainWindow) {
  struct {
    const char* Name;
    int Language;
    int Item;
    const wchar_t* ItemText;
    const wchar_t* Mode;
  } cases[] = {{"每天重复", 0, 1, L"每天重复", L"1"},
               {"Each Hour", 1, 1, L"Each Hour", L"1"},
               {"Each Day", 1, 2, L"Each Day", L"2"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    main.LanguageFlag = c.Language;
    main.Power = {};
    main.TimedPowerTimer = false;
    Show();
    form->cbbExecMode->SetItemIndex(c.Item);
    EXPECT_EQ(form->cbbExecMode->Text(), c.ItemText);
    EXPECT_EQ(SixEnabled(), std::vector<bool>(6, true));
    Type(L"7", L"30", L"22", L"0");
    form->cbFlag->SetChecked(true);
    form->btnOK->Click();
    EXPECT_FALSE(form->Visible());
    for (auto [key, value] : {std::pair{L"ohour", L"7"}, {L"omin", L"30"}, {L"chour", L"22"}, {L"cmin", L"0"},
                              {L"mode", c.Mode}, {L"flag", L"1"}})
      EXPECT_EQ(Stored(key), value) << UTF8Encode(key);
    EXPECT_TRUE(main.TimedPowerTimer);
    EXPECT_EQ(Fields(main.Power), (std::vector<int>{7, 30, 22, 0, 1, StrToInt(c.Mode)}));
    form->Free();
    form = nullptr;
  }
}

TEST_F(TimingSettingTest, TheKeysAreWrittenInTheirOrder) {
  Show();
  form->cbbExecMode->SetItemIndex(1);
  Type(L"1", L"2", L"3", L"4");
  form->btnOK->Click();
  // A fresh file lists the keys as they were first written.
  const std::string bytes = FileBytes(file);
  size_t at = 0;
  for (const char* key : {"ohour=1", "chour=3", "omin=2", "cmin=4", "mode=1", "flag=0"}) {
    const size_t found = bytes.find(key, at);
    ASSERT_NE(found, std::string::npos) << key << " after " << at << " in " << bytes;
    at = found;
  }
}

TEST_F(TimingSettingTest, ItemZeroDisablesTheSixAndAStoredOnceModeOpensSo) {
  Store({{L"mode", L"1"}, {L"ohour", L"6"}, {L"flag", L"1"}});
  Show();
  EXPECT_EQ(SixEnabled(), std::vector<bool>(6, true));
  EXPECT_EQ(form->lbledtOHours->Text(), L"6");
  EXPECT_TRUE(form->cbFlag->Checked());
  form->cbbExecMode->SetItemIndex(0);
  EXPECT_EQ(SixEnabled(), std::vector<bool>(6, false));
  form->Close();
  Store({{L"mode", L"0"}});
  form->Free();
  form = nullptr;
  Show();
  EXPECT_EQ(form->cbbExecMode->ItemIndex(), 0);
  EXPECT_EQ(SixEnabled(), std::vector<bool>(6, false));
}

TEST_F(TimingSettingTest, UntickedOkStopsTheTimerAndKeepsTheMainWindowsTimes) {
  main.Power = {5, 6, 7, 8, true, 1};
  main.TimedPowerTimer = true;
  Store({{L"mode", L"1"}, {L"flag", L"1"}});
  Show();
  Type(L"9", L"10", L"11", L"12");
  form->cbFlag->SetChecked(false);
  form->btnOK->Click();
  EXPECT_FALSE(main.TimedPowerTimer);
  EXPECT_EQ(Fields(main.Power), (std::vector<int>{5, 6, 7, 8, 1, 1}));
  EXPECT_EQ(Stored(L"flag"), L"0");
  EXPECT_EQ(Stored(L"ohour"), L"9");
}

TEST_F(TimingSettingTest, ABadTimeFieldChangesNothingAndKeepsTheWindowOpen) {
  for (int field = 0; field < 4; ++field) {
    SCOPED_TRACE(field);
    Store({{L"mode", L"1"}, {L"ohour", L"5"}, {L"omin", L"6"}, {L"chour", L"7"}, {L"cmin", L"8"}, {L"flag", L"0"}});
    const std::string before = FileBytes(file);
    main.Power = {5, 6, 7, 8, false, 1};
    main.TimedPowerTimer = false;
    Show();
    String typed[4] = {L"7", L"30", L"22", L"0"};
    typed[field] = L"7x";
    Type(typed[0], typed[1], typed[2], typed[3]);
    form->cbFlag->SetChecked(true);
    try {
      form->btnOKClick(form->btnOK);
      ADD_FAILURE() << "no conversion error";
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), L"'7x' is not a valid integer value");
    }
    EXPECT_EQ(FileBytes(file), before);
    EXPECT_FALSE(main.TimedPowerTimer);
    EXPECT_EQ(Fields(main.Power), (std::vector<int>{5, 6, 7, 8, 0, 1}));
    EXPECT_TRUE(form->Visible());
    form->Close();
  }
}

TEST_F(TimingSettingTest, CloseWritesNothing) {
  Show();
  form->cbbExecMode->SetItemIndex(1);
  Type(L"1", L"2", L"3", L"4");
  form->btnClose->Click();
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_FALSE(main.TimedPowerTimer);
}

}  // namespace
