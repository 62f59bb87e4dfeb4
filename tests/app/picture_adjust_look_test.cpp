// The look of the picture adjustment window in both languages and both
// prefixes: the layout check on every page (every text fits in its control's
// font, nothing overlaps or leaves its parent) and a PNG of each page, and of
// the palette widened, for a person to look at
// ("console_TForm4_ColorAdjust_en_plain.png").
#include <gtest/gtest.h>

#include <memory>

#include "TestMainWindow.h"
#include "Unit4.h"
#include "PictureAdjust.h"
#include "RzPanel.h"
#include "cxPC_win.h"
#include "support/LayoutCheck.h"
#include "support/RealKeys.h"
#include "support/TestPrefix.h"
#include "support/WindowCapture.h"

namespace {

using app_test::TTestMainWindow;

class PictureAdjustLookTest : public testing::TestWithParam<int> {};

void Repaint(TForm4* form) {
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  test_support::PumpFor(200);
}

// The palette is wider than its panel by design: the toggle widens the window
// to show the rest. Every other finding is a fault.
bool IsSwatchPastThePanel(const std::string& problem) {
  const size_t blank = problem.find(' ');
  return SwatchRowOf(String(problem.begin(), problem.begin() + std::ptrdiff_t(blank))) >= 0 &&
         problem.find("lies outside Panel1 (TPanel)") != std::string::npos;
}

void Save(TForm4* form, const String& page, int language) {
  const std::wstring file = L"console_TForm4_" + page + (language == 1 ? L"_en_" : L"_zh_") +
                            (vamire_test::InThemedPrefix() ? L"themed" : L"plain") + L".png";
  EXPECT_TRUE(vamire_test::CaptureWindow(form->Handle()).SavePng(file));
}

TEST_P(PictureAdjustLookTest, EveryPageLaysOutCleanlyAndIsCaptured) {
  const int language = GetParam();
  TTestMainWindow main;
  main.LanguageFlag = language;
  main.GridRect = {1, 1, 3, 2};
  std::unique_ptr<TForm4, void (*)(TForm4*)> form{TCustomForm::Create<TForm4>(nullptr), [](TForm4* f) { f->Free(); }};
  if (language == 1) form->ApplyEnglishCaptions();
  form->Show();
  SetForegroundWindow(form->Handle());
  TcxPageControl* pages = form->cxPageControl1;
  ASSERT_EQ(pages->PageCount(), 5);
  for (int i = 0; i < pages->PageCount(); ++i) {
    TcxTabSheet* page = pages->Pages(i);
    SCOPED_TRACE(link_test::Utf8(page->Name()));
    pages->SetActivePage(page);
    Repaint(form.get());
    for (const std::string& problem : test_support::CheckLayout(form.get()))
      if (!IsSwatchPastThePanel(problem)) ADD_FAILURE() << problem;
    Save(form.get(), page->Name(), language);
  }
  // A swatch in its pressed look.
  pages->SetActivePage(form->ColorAdjust);
  {
    link_test::TNoPause fast;
    auto* swatch = static_cast<TRzPanel*>(form->FindComponent(L"BtnRed12"));
    form->PaletteSwatchClick(swatch, mbLeft, {}, 1, 1);
    form->tmr1->SetEnabled(false);  // held for the picture: its tick would restore the border
  }
  Repaint(form.get());
  Save(form.get(), L"ColorAdjustPressed", language);
  form->tmr1Timer(form->tmr1);
  // The palette widened to show the rest of the swatches.
  form->rzpnl3MouseDown(form->rzpnl3, mbLeft, {}, 1, 1);
  form->tmr1Timer(form->tmr1);
  Repaint(form.get());
  Save(form.get(), L"ColorAdjustWide", language);
  form->rzpnl3MouseDown(form->rzpnl3, mbLeft, {}, 1, 1);
  form->tmr1Timer(form->tmr1);
}

INSTANTIATE_TEST_SUITE_P(Languages, PictureAdjustLookTest, testing::Values(0, 1),
                         [](const testing::TestParamInfo<int>& info) {
                           return std::string(info.param == 1 ? "English" : "Chinese");
                         });

}  // namespace
