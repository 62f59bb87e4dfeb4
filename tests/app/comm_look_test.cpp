// The look of the communication settings window in both languages and both
// prefixes, serial and wireless, and of the start-up window with a logo at
// full alpha: the layout check (every text fits in its control's font,
// nothing overlaps or leaves its window) and a PNG of each for a person to
// look at ("console_TForm2_en_wireless_plain.png").
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "Graphics.h"
#include "MemorySettings.h"
#include "SysUtils.h"
#include "TestMainWindow.h"
#include "Unit18.h"
#include "Unit2.h"
#include "cxRadioGroup_win.h"
#include "support/LayoutCheck.h"
#include "support/RealKeys.h"
#include "support/TestPrefix.h"
#include "support/WindowCapture.h"

namespace {

using app_test::TTestMainWindow;

void CheckAndCapture(TCustomForm* form, const std::wstring& variant) {
  form->Show();
  SetForegroundWindow(form->Handle());
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  test_support::PumpFor(200);
  for (const std::string& problem : test_support::CheckLayout(form)) ADD_FAILURE() << problem;
  const vamire_test::Capture cap = vamire_test::CaptureWindow(form->Handle());
  const std::wstring file = std::wstring(L"console_") + form->ClassName() + L"_" + variant + L"_" +
                            (vamire_test::InThemedPrefix() ? L"themed" : L"plain") + L".png";
  EXPECT_TRUE(cap.SavePng(file));
}

struct TCommLookCase {
  const char* Name;
  bool English;
  bool Wireless;
};

class CommLookTest : public testing::TestWithParam<TCommLookCase> {};

TEST_P(CommLookTest, LaysOutCleanlyAndIsCaptured) {
  const TCommLookCase& c = GetParam();
  TTestMainWindow main;
  main.LanguageFlag = c.English ? 1 : 0;
  std::unique_ptr<TForm2, void (*)(TForm2*)> form{TCustomForm::Create<TForm2>(nullptr), [](TForm2* f) { f->Free(); }};
  app_test::TMemorySettings settings;
  settings.Values[{L"setting", L"serialCtrl"}] = c.Wireless ? L"0" : L"1";
  settings.Values[{L"setting", L"com port"}] = L"5";
  settings.Values[{L"setting", L"auto open port A"}] = L"1";
  form->LoadSettings(settings);
  CheckAndCapture(form.get(), std::wstring(c.English ? L"en" : L"zh") + (c.Wireless ? L"_wireless" : L"_serial"));
}

INSTANTIATE_TEST_SUITE_P(Windows, CommLookTest,
                         testing::Values(TCommLookCase{"ChineseSerial", false, false},
                                         TCommLookCase{"ChineseWireless", false, true},
                                         TCommLookCase{"EnglishSerial", true, false},
                                         TCommLookCase{"EnglishWireless", true, true}),
                         [](const testing::TestParamInfo<TCommLookCase>& info) { return info.param.Name; });

// The start-up window in the middle of its hold: the logo stretched over
// the whole window at full alpha.
TEST(StartupLookTest, TheLogoFillsTheWindowAtFullAlpha) {
  app_test::StartUnitsOnce();
  const String logo = ProgramFolder() + L"look_logo_" + IntToStr(int(GetCurrentProcessId())) + L".bmp";
  {
    TBitmap picture;
    picture.SetSize(50, 40);
    picture.Canvas()->Brush()->SetColor(clNavy);
    picture.Canvas()->FillRect(TRect{0, 0, 50, 40});
    picture.Canvas()->Brush()->SetColor(clYellow);
    picture.Canvas()->FillRect(TRect{10, 10, 40, 30});
    picture.SaveToFile(logo);
  }
  std::unique_ptr<TForm18, void (*)(TForm18*)> form{TCustomForm::Create<TForm18>(nullptr),
                                                    [](TForm18* f) { f->Free(); }};
  form->tmr1->SetEnabled(false);
  app_test::TMemorySettings settings;
  settings.Values[{L"StartAnimation", L"ifshow"}] = L"1";
  settings.Values[{L"StartAnimation", L"logoPath"}] = logo;
  form->ReadAnimation(settings);
  DeleteFileW(logo.c_str());
  ASSERT_TRUE(form->Schedule().Enabled());
  for (int t = 0; t < 30; ++t) form->tmr1->OnTimer()(form->tmr1);
  EXPECT_EQ(form->AlphaBlendValue(), 255);
  EXPECT_EQ(form->ClientWidth(), 500);
  EXPECT_EQ(form->ClientHeight(), 400);
  CheckAndCapture(form.get(), L"logo");
  // The picture is stretched: its yellow middle covers the window's centre.
  HDC dc = GetDC(form->Handle());
  EXPECT_EQ(GetPixel(dc, 250, 200), RGB(255, 255, 0));
  EXPECT_EQ(GetPixel(dc, 20, 20), RGB(0, 0, 128));
  ReleaseDC(form->Handle(), dc);
}

}  // namespace
