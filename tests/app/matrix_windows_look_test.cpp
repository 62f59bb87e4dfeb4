// The look of the matrix configuration dialog (each of its visible tabs and
// each wiring grid), the preset rename window and the mini panel, in both
// languages and both prefixes: the layout check and a PNG of each for a
// person to look at ("console_TForm3_ID_en_plain.png").
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "MemorySettings.h"
#include "TestMainWindow.h"
#include "Unit10.h"
#include "Unit3.h"
#include "Unit9.h"
#include "cxDropDownEdit_combo_win.h"
#include "cxPC_win.h"
#include "support/LayoutCheck.h"
#include "support/RealKeys.h"
#include "support/TestPrefix.h"
#include "support/WindowCapture.h"

namespace {

using app_test::TTestMainWindow;

void Capture(TCustomForm* form, const String& view, bool english) {
  SetForegroundWindow(form->Handle());
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  test_support::PumpFor(200);
  for (const std::string& problem : test_support::CheckLayout(form)) ADD_FAILURE() << link_test::Utf8(view) << ": " << problem;
  const std::wstring file = std::wstring(L"console_") + form->ClassName() + (view.empty() ? L"" : L"_" + view) +
                            (english ? L"_en_" : L"_zh_") + (vamire_test::InThemedPrefix() ? L"themed" : L"plain") +
                            L".png";
  EXPECT_TRUE(vamire_test::CaptureWindow(form->Handle()).SavePng(file));
}

class MatrixWindowsLookTest : public testing::TestWithParam<bool> {
 protected:
  bool English() const { return GetParam(); }
  void SetUp() override {
    main.LanguageFlag = English() ? 1 : 0;
    std::vector<String> names;
    for (int n = 1; n <= 16; ++n) names.push_back(ReadPresetName(empty, n, main.LanguageFlag));
    main.SetPresets(names, 2);
  }
  TTestMainWindow main;
  app_test::TMemorySettings empty;
};

TEST_P(MatrixWindowsLookTest, MatrixConfigurationOnEachTabAndWithEachWiringGrid) {
  std::unique_ptr<TForm3, void (*)(TForm3*)> form{TCustomForm::Create<TForm3>(nullptr), [](TForm3* f) { f->Free(); }};
  // A large wall, so the grids show at their biggest.
  app_test::TMemorySettings store;
  store.Values[{L"setting", L"vgamux"}] = L"1";
  form->LoadSettings(store, 15, 15);
  form->Show();
  const struct {
    TcxTabSheet* Page;
    int Wiring;
    const wchar_t* View;
  } views[] = {{form->TabSheet1, 0, L"ID"},
               {form->TabSheet2, 1, L"Response"},
               {form->TabSheet4, 2, L"Inputs"},
               {form->TabSheet3, 0, L"HiddenAddress"}};
  for (const auto& v : views) {
    form->PageControl1->SetActivePage(v.Page);
    form->ComboBox6->SetItemIndex(v.Wiring);
    Capture(form.get(), v.View, English());
  }
  form->Close();
}

TEST_P(MatrixWindowsLookTest, RenameWindow) {
  std::unique_ptr<TForm9, void (*)(TForm9*)> form{TCustomForm::Create<TForm9>(nullptr), [](TForm9* f) { f->Free(); }};
  ShowRenameWindow(English() ? L"Name..." : L"更改名称 ");
  Capture(form.get(), L"", English());
  form->Close();
}

TEST_P(MatrixWindowsLookTest, MiniPanel) {
  std::unique_ptr<TForm10, void (*)(TForm10*)> form{TCustomForm::Create<TForm10>(nullptr),
                                                   [](TForm10* f) { f->Free(); }};
  main.ShowHost();
  form->Show();  // modeless here, so the picture can be taken
  EXPECT_EQ(form->Color(), clHotLight) << "the system's hot-light colour, whatever the prefix makes of it";
  Capture(form.get(), L"", English());
  form->Close();
}

INSTANTIATE_TEST_SUITE_P(Languages, MatrixWindowsLookTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "English" : "Chinese"; });

}  // namespace
