// The main window as the program makes it: streamed from Unit1.dfm, loaded
// from "cfg.ini" at its first show, and looked at in both languages.
#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "support/LayoutCheck.h"
#include "support/TestPrefix.h"
#include "support/WindowCapture.h"
#include "cxButtons_win.h"
#include "cxDropDownEdit_combo_win.h"
#include "cxLabel_win.h"
#include "dxSkinsForm_win.h"

namespace {

using app_test::TMainWindowFixture;

void SaveLook(TForm1* form, const wchar_t* language) {
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
  test_support::PumpFor(200);
  EXPECT_TRUE(vamire_test::CaptureWindow(form->Handle()).SavePng(
      std::wstring(L"console_TForm1_") + language + (vamire_test::InThemedPrefix() ? L"_themed" : L"_plain") + L".png"));
}

TEST(MainWindowLookTest, ChineseLaysOutCleanly) {
  TMainWindowFixture f;
  f.Show();
  for (const std::string& problem : test_support::CheckLayout(f.Form)) ADD_FAILURE() << problem;
  SaveLook(f.Form, L"zh");
}

}  // namespace

namespace {

TEST(MainWindowLookTest, EnglishLaysOutCleanly) {
  TMainWindowFixture f({{{L"config", L"language"}, L"1"}});
  f.Show();
  // The lower pages as debug mode shows them, each page in turn.
  f.Form->SetDebugMode(true);
  f.Form->Memo1()->SetVisible(true);
  f.Form->UpdateControlStates();
  test_support::PumpFor(100);
  for (const std::string& problem : test_support::CheckLayout(f.Form)) ADD_FAILURE() << problem;
  SaveLook(f.Form, L"en");
}

}  // namespace

namespace {

// In English every text of the window is English but the toggle's, which
// names the language a press switches to, and the menu's language entry.
TEST(MainWindowLanguageTest, EnglishTextsEverywhereButTheToggle) {
  TMainWindowFixture f({{{L"config", L"language"}, L"1"}, {{L"config", L"caption"}, L"墙控"}});
  f.Show();
  EXPECT_EQ(f.Form->Caption(), L" Quellor");
  EXPECT_EQ(f.Form->BitbtnENCH->Caption(), L"中文");
  EXPECT_EQ(f.Form->Label2->Caption(), L"Matrix Input");
  EXPECT_EQ(f.Form->mnuDebug->Caption(), L"Debug");
  EXPECT_EQ(static_cast<TMenuItem*>(f.Form->FindComponent(L"mnuLanguage"))->Caption(), L"English | 中文");
  EXPECT_EQ(static_cast<TMenuItem*>(f.Form->FindComponent(L"mnuSystemConfig"))->Caption(), L"System Config");
  EXPECT_EQ(static_cast<TMenuItem*>(f.Form->FindComponent(L"mnuSetting"))->Caption(), L"Setting");
  EXPECT_EQ(static_cast<TMenuItem*>(f.Form->FindComponent(L"N22"))->Caption(), L"inverse");
  EXPECT_EQ(f.Form->ComboBox3->Text(), L"scene1");
  // No control of the window keeps a Chinese text but those two.
  for (int i = 0; i < f.Form->ComponentCount(); ++i) {
    TComponent* c = f.Form->Components(i);
    String text;
    if (auto* item = dynamic_cast<TMenuItem*>(c)) text = item->Caption();
    else if (auto* edit = dynamic_cast<TCustomLabeledEdit*>(c)) text = edit->EditLabel()->Caption();
    else if (dynamic_cast<TcxComboBox*>(c)) continue;
    else if (auto* control = dynamic_cast<TControl*>(c)) text = control->Caption();
    if (c == static_cast<TComponent*>(f.Form->BitbtnENCH) || c->Name() == L"mnuLanguage") continue;
    for (wchar_t ch : text) {
      if (ch >= 0x4E00 && ch <= 0x9FFF) {
        ADD_FAILURE() << UTF8Encode(c->Name() + L": " + text);
        break;
      }
    }
  }
}

}  // namespace

namespace {

// Without the skin file the list stays empty and the rest of the creation
// runs: the stored language, the debug entry hidden, the timed power values;
// closing stores the index -1.
TEST(MainWindowLifeTest, WithoutSkinFileTheListIsEmptyAndTheRestRuns) {
  TMainWindowFixture f({{{L"config", L"language"}, L"1"},
                        {{L"timesetting", L"ohour"}, L"7"},
                        {{L"timesetting", L"cmin"}, L"45"},
                        {{L"timesetting", L"flag"}, L"1"},
                        {{L"timesetting", L"mode"}, L"abc"}},
                       false);
  EXPECT_EQ(f.Form->cbbSkin->Properties()->Items()->Count(), 0);
  EXPECT_EQ(f.Form->Language(), 1);
  EXPECT_EQ(f.Form->BitbtnENCH->Caption(), L"中文");
  EXPECT_FALSE(f.Form->mnuDebug->Visible());
  EXPECT_EQ(f.Form->Power.PowerOnHour, 7);
  EXPECT_EQ(f.Form->Power.PowerOffMinute, 45);
  EXPECT_TRUE(f.Form->Power.TimedPowerOn);
  EXPECT_EQ(f.Form->Power.TimedPowerMode, 0) << "a text that is no number reads as the default";
  EXPECT_TRUE(static_cast<TTimer*>(f.Form->FindComponent(L"tmrTimingSet"))->Enabled());
  f.Form->Close();
  EXPECT_EQ(f.Ini(L"SkinName", L"Skin"), L"-1");
}

// With the project's skin file the list holds its seven skins and the
// stored index chooses; by default "MoneyTwins", which no built-in skin
// bears, so the controls keep their non-skin look (D-52).
TEST(MainWindowLifeTest, TheSkinListFollowsTheFileAndTheStoredIndex) {
  {
    TMainWindowFixture f;
    EXPECT_EQ(f.Form->cbbSkin->Properties()->Items()->Count(), 7);
    EXPECT_EQ(f.Form->cbbSkin->Text(), L"MoneyTwins");
    EXPECT_EQ(f.Form->dxskncntrlrSkin->SkinName(), L"MoneyTwins");
    f.Form->Close();
    EXPECT_EQ(f.Ini(L"SkinName", L"Skin"), L"4");
  }
  TMainWindowFixture f({{{L"SkinName", L"Skin"}, L"0"}});
  EXPECT_EQ(f.Form->cbbSkin->Text(), L"Black");
  EXPECT_EQ(f.Form->dxskncntrlrSkin->SkinName(), L"Black");
}

}  // namespace
