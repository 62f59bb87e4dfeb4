// The look of the version, debug, login and password windows in both
// languages and both prefixes: the layout check (every text fits in its
// control's font, nothing overlaps or leaves its window) and a PNG of each
// window for a person to look at ("console_TForm7_en_plain.png").
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "ConsoleRoles.h"
#include "LookCapture.h"
#include "MemorySettings.h"
#include "TestMainWindow.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit8.h"
#include "support/LayoutCheck.h"
#include "support/RealKeys.h"
#include "support/TestPrefix.h"
#include "support/WindowCapture.h"
#include "cxButtons_win.h"

namespace {

using app_test::TTestMainWindow;

struct TLookCase {
  const wchar_t* Name;
  std::function<TCustomForm*()> Make;
  bool English;
};

// The user line the main window loads, and its English-caption step for the
// version window's query button.
TCustomForm* VersionWindow(bool english) {
  auto* form = TCustomForm::Create<TForm5>(nullptr);
  app_test::TMemorySettings settings;
  settings.Values[{L"config", L"USER"}] = english ? L"Licensed to: Harbour Control Room" : L"授权用户：港务调度中心";
  form->ReadUserLine(settings);
  if (english) form->Button1->SetCaption(EnglishCaption(VersionWindowCaptions(), form->Button1->Caption()));
  return form;
}

class WindowsLookTest : public testing::TestWithParam<TLookCase> {};

TEST_P(WindowsLookTest, LaysOutCleanlyAndIsCaptured) {
  const TLookCase& c = GetParam();
  TTestMainWindow main;
  main.LanguageFlag = c.English ? 1 : 0;
  std::unique_ptr<TCustomForm, void (*)(TCustomForm*)> form{c.Make(), [](TCustomForm* f) { f->Free(); }};
  form->Show();
  app_test::CheckLookAndCapture(form.get(), c.English);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, WindowsLookTest,
    testing::Values(TLookCase{L"Version", [] { return VersionWindow(false); }, false},
                    TLookCase{L"VersionEnglish", [] { return VersionWindow(true); }, true},
                    TLookCase{L"Debug", [] { return TCustomForm::Create<TForm6>(nullptr); }, false},
                    TLookCase{L"DebugInEnglishMode", [] { return TCustomForm::Create<TForm6>(nullptr); }, true},
                    TLookCase{L"Login", [] { return TCustomForm::Create<TForm7>(nullptr); }, false},
                    TLookCase{L"LoginEnglish", [] { return TCustomForm::Create<TForm7>(nullptr); }, true},
                    TLookCase{L"Password", [] { return TCustomForm::Create<TForm8>(nullptr); }, false},
                    TLookCase{L"PasswordEnglish", [] { return TCustomForm::Create<TForm8>(nullptr); }, true}),
    [](const testing::TestParamInfo<TLookCase>& info) { return link_test::Utf8(info.param.Name); });

// The sizes the windows are made with, and the debug window's Chinese
// texts whatever the language.
TEST(WindowsSizeTest, VersionAndDebugWindowSizes) {
  TTestMainWindow main;
  main.LanguageFlag = 1;
  std::unique_ptr<TForm5, void (*)(TForm5*)> version{TCustomForm::Create<TForm5>(nullptr), [](TForm5* f) { f->Free(); }};
  EXPECT_EQ(version->ClientWidth(), 300);
  EXPECT_EQ(version->ClientHeight(), 125);
  EXPECT_EQ(version->BorderStyle(), bsDialog);
  EXPECT_EQ(version->FormStyle(), fsStayOnTop);
  version->Show();
  EXPECT_EQ(version->Caption(), L" About");
  EXPECT_EQ(version->Label1->Caption(), L"Quellor");
  EXPECT_EQ(version->BitBtn1->Caption(), L"Close");
  EXPECT_EQ(version->Button1->Caption(), L"版本查看") << "set by the main window's English captions";
  std::unique_ptr<TForm6, void (*)(TForm6*)> debug{TCustomForm::Create<TForm6>(nullptr), [](TForm6* f) { f->Free(); }};
  EXPECT_EQ(debug->Width(), 272);
  EXPECT_EQ(debug->Height(), 352);
  EXPECT_EQ(debug->BorderStyle(), bsSizeable);
  debug->Show();
  EXPECT_EQ(debug->Caption(), L"调试");
  EXPECT_EQ(debug->Button2->Caption(), L"关闭");
}

}  // namespace
