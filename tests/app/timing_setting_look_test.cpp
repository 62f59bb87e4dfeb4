// The timing settings window as the operator sees it, in both languages: its
// size, every text fitting its control, nothing overlapping, and a screenshot.
#include <windows.h>

#include <gtest/gtest.h>

#include "CfgIni.h"
#include "SysUtils.h"
#include "TestMainWindow.h"
#include "support/LayoutCheck.h"
#include "support/TestPrefix.h"
#include "support/WindowCapture.h"
#include "cxButtons_win.h"
#include "cxCheckBox_win.h"
#include "cxDropDownEdit_combo_win.h"
#include "uTimingSetting.h"

namespace {

TEST(TimingSettingLook, BothLanguages) {
  for (int language : {0, 1}) {
    SCOPED_TRACE(language);
    app_test::TTestMainWindow main;
    main.LanguageFlag = language;
    TfrmTimingSetting* form = TCustomForm::Create<TfrmTimingSetting>(nullptr);
    // A daily schedule as an operator leaves it.
    form->SettingsFile = ProgramFolder() + L"timing_look_" + IntToStr(int(GetCurrentProcessId())) + L".ini";
    {
      TCfgIni ini(form->SettingsFile);
      for (auto [key, value] : {std::pair{L"ohour", L"7"}, {L"omin", L"30"}, {L"chour", L"22"}, {L"cmin", L"0"},
                                {L"mode", L"1"}, {L"flag", L"1"}})
        ini.WriteString(L"timesetting", key, value);
    }
    if (language == 1) form->ApplyEnglishCaptions();
    form->Show();
    for (int i = 0; i < 20; ++i) {
      Application->ProcessMessages();
      Sleep(10);
    }
    EXPECT_EQ(form->Width(), 398);
    EXPECT_EQ(form->Height(), 274);
    EXPECT_EQ(form->Caption(), language ? L"Timing Setting" : L"定时设置");
    EXPECT_EQ(test_support::CheckLayout(form), std::vector<std::string>{});
    const std::wstring name = std::wstring(L"timing_setting") + (language ? L"_english" : L"_chinese") +
                              (vamire_test::InThemedPrefix() ? L"_themed" : L"_plain") + L".png";
    EXPECT_TRUE(vamire_test::CaptureWindow(form->Handle()).SavePng(name));
    DeleteFileW(form->SettingsFile.c_str());
    form->Free();
  }
}

}  // namespace
