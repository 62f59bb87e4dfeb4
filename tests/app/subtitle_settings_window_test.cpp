// The subtitle settings window from its form file: what it reads from section
// "subtitle" when shown, the 18 background colours, the transparency box
// disabling the colour list, the seven keys it saves in order, the subtitle
// it opens and closes with the dialog's values, and its layout and pictures
// in both languages.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "DialogService.h"
#include "Dialogs.h"
#include "ExtCtrls.h"
#include "MemorySettings.h"
#include "TestMainWindow.h"
#include "cxButtons_win.h"
#include "cxCheckBox_win.h"
#include "cxColorComboBox_win.h"
#include "cxMemo_win.h"
#include "support/LayoutCheck.h"
#include "support/TestPrefix.h"
#include "support/WindowCapture.h"
#include "uSubtitleSettings.h"

namespace {

void Settle(int ms = 200) {
  for (int i = 0; i < ms / 10; ++i) {
    Application->ProcessMessages();
    Sleep(10);
  }
}

class SubtitleSettingsWindow : public testing::Test {
 protected:
  void SetUp() override {
    Main.reset(new app_test::TTestMainWindow);
    Horizontal = TCustomForm::Create<TfrmLEDDisplay>(nullptr);
    Upright = TCustomForm::Create<TForm19>(nullptr);
    try {
      Form = TCustomForm::Create<TfrmSubtitleSettings>(nullptr);
    } catch (const Exception& e) {
      FAIL() << UTF8Encode(e.Message());
    }
    Form->Store = &Store;
    Form->HorizontalWindow = Horizontal;
    Form->VerticalWindow = Upright;
    S(L"displaytext", L"欢迎光临\\n第二行");
    S(L"fontname", L"宋体");
    S(L"colorname", L"clYellow");
    S(L"fontsize", L"24");
    S(L"bgcolorname", L"clSkyBlue");
    S(L"interval", L"30");
    S(L"istranp", L"0");
  }
  void TearDown() override {
    delete Form;
    delete Horizontal;
    delete Upright;
    Main.reset();
  }
  void S(const wchar_t* key, const wchar_t* value) { Store.Values[{L"subtitle", key}] = value; }

  std::unique_ptr<app_test::TTestMainWindow> Main;
  app_test::TMemorySettings Store;
  TfrmSubtitleSettings* Form = nullptr;
  TfrmLEDDisplay* Horizontal = nullptr;
  TForm19* Upright = nullptr;
};

TEST_F(SubtitleSettingsWindow, ShowReadsTheStoredSettingsAndTheEighteenColours) {
  Form->Show();
  Settle(50);
  EXPECT_EQ(Form->cxmText->Text(), L"欢迎光临\r\n第二行");
  EXPECT_EQ(Form->cxmText->Lines()->Count(), 2);
  EXPECT_EQ(Form->dlgFont->Font()->Name(), L"宋体");
  EXPECT_EQ(Form->dlgFont->Font()->Size(), 24);
  EXPECT_EQ(Form->dlgFont->Font()->Color(), clYellow);
  EXPECT_EQ(Form->lbledtInterval->Text(), L"30");
  EXPECT_EQ(Form->cbbBGColor->GetProperties()->ListCount(), 18);
  EXPECT_EQ(Form->cbbBGColor->GetProperties()->GetListText(0), L"clBlack");
  EXPECT_EQ(Form->cbbBGColor->GetProperties()->GetListText(17), L"clCream");
  EXPECT_EQ(Form->cbbBGColor->Text(), L"clSkyBlue");
  EXPECT_EQ(Form->cbbBGColor->ColorValue(), clSkyBlue);
  EXPECT_FALSE(Form->cbTranp->Checked());
  EXPECT_TRUE(Form->cbbBGColor->Enabled());
  EXPECT_FALSE(Form->cxCheckBox1->Visible());
  EXPECT_FALSE(Form->cbbTimeFormat->Enabled());
  EXPECT_EQ(Form->cxmText->Properties()->ScrollBars(), ssVertical);
}

// Shown again, the stored transparency disables the colour list; unchecked, it is enabled.
TEST_F(SubtitleSettingsWindow, TransparencyDisablesTheColourList) {
  S(L"istranp", L"1");
  Form->Show();
  Settle(50);
  EXPECT_TRUE(Form->cbTranp->Checked());
  EXPECT_FALSE(Form->cbbBGColor->Enabled());
  Form->cbTranp->SetChecked(false);
  Form->cbTranpClick(Form->cbTranp);
  EXPECT_TRUE(Form->cbbBGColor->Enabled());
}

TEST_F(SubtitleSettingsWindow, SaveWritesTheSevenKeysInOrder) {
  Form->Show();
  Settle(50);
  Form->cxmText->Lines()->SetText(L"新字幕\r\nline 2");
  Form->cbbBGColor->SetText(L"clNavy");
  Form->lbledtInterval->SetText(L"50");
  Form->cbTranp->SetChecked(true);
  Store.Written.clear();
  Form->btnSaveClick(Form->btnSave);
  EXPECT_EQ(Store.Written, (std::vector<String>{L"displaytext", L"fontname", L"colorname", L"fontsize",
                                                L"bgcolorname", L"interval", L"istranp"}));
  EXPECT_EQ((Store.Values[{L"subtitle", L"displaytext"}]), L"新字幕\\nline 2");
  EXPECT_EQ((Store.Values[{L"subtitle", L"bgcolorname"}]), L"clNavy");
  EXPECT_EQ((Store.Values[{L"subtitle", L"interval"}]), L"50");
  EXPECT_EQ((Store.Values[{L"subtitle", L"istranp"}]), L"1");
  EXPECT_EQ((Store.Values[{L"subtitle", L"colorname"}]), L"clYellow");
}

TEST_F(SubtitleSettingsWindow, OpenShowsTheHorizontalSubtitleAndCloseHidesIt) {
  Form->Show();
  Settle(50);
  Form->btnOpenDisplayClick(Form->btnOpenDisplay);
  Settle(50);
  EXPECT_TRUE(Horizontal->Visible());
  EXPECT_FALSE(Upright->Visible());
  EXPECT_EQ(Horizontal->rzmrqstsText->Caption(), L"欢迎光临\r\n第二行");
  EXPECT_EQ(Horizontal->rzmrqstsText->FillColor(), clSkyBlue);
  Form->btnCloseDisplayClick(Form->btnCloseDisplay);
  Settle(50);
  EXPECT_FALSE(Horizontal->Visible());
}

// An interval that is no number is the operator's to mend: a message, no subtitle, no crash.
TEST_F(SubtitleSettingsWindow, AnIntervalThatIsNoNumberShowsAMessageAndNothing) {
  struct TMessages : TDialogAnswerer {
    TMessages() : Previous(SetDialogAnswerer(this)) {}
    ~TMessages() override { SetDialogAnswerer(Previous); }
    bool Answer(TDialogRequest& request, int& result) override {
      Texts.push_back(request.Text);
      result = request.Kind == dkMessageDlg ? mrOk : IDOK;
      return true;
    }
    std::vector<String> Texts;
    TDialogAnswerer* Previous;
  } messages;
  Form->Show();
  Settle(50);
  Form->lbledtInterval->SetText(L"fast");
  Form->btnOpenDisplayClick(Form->btnOpenDisplay);
  Settle(50);
  ASSERT_EQ(messages.Texts.size(), 1u);
  EXPECT_NE(messages.Texts[0].find(L"fast"), String::npos) << UTF8Encode(messages.Texts[0]);
  EXPECT_FALSE(Horizontal->Visible());
  EXPECT_FALSE(Upright->Visible());
}

TEST_F(SubtitleSettingsWindow, TheWindowInBothLanguages) {
  for (const int language : {0, 1}) {
    Main->LanguageFlag = language;
    auto* form = TCustomForm::Create<TfrmSubtitleSettings>(nullptr);
    form->Store = &Store;
    form->Show();
    Settle();
    const std::wstring suffix = std::wstring(language ? L"_english" : L"_chinese") +
                                (vamire_test::InThemedPrefix() ? L"_themed" : L"_plain") + L".png";
    EXPECT_TRUE(vamire_test::CaptureWindow(form->Handle()).SavePng(L"subtitle_settings" + suffix));
    EXPECT_EQ(form->Width(), 487);
    EXPECT_EQ(form->Height(), 360);
    EXPECT_EQ(form->Caption(), language ? String(L"Subtitle Setting") : String(L"字幕设置"));
    EXPECT_EQ(test_support::CheckLayout(form), std::vector<std::string>{});
    delete form;
  }
}

}  // namespace
