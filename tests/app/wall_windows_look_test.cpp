// The look of the splice configuration and background colour windows in
// both languages and both prefixes: the layout check (every text fits in its
// control's font, nothing overlaps or leaves its window) and a PNG of each
// for a person to look at ("console_TForm15_en_plain.png").
#include <gtest/gtest.h>

#include <memory>

#include "Jpeg.h"
#include "Streams.h"
#include "TestMainWindow.h"
#include "Unit15.h"
#include "Unit20.h"
#include "support/JpegFixture.h"
#include "support/LayoutCheck.h"
#include "support/RealKeys.h"
#include "support/TestPrefix.h"
#include "support/WindowCapture.h"

namespace {

using app_test::TTestMainWindow;

// A logo in the preview: a blue to teal band with a light stripe.
void ShowSampleLogo(TForm15* form) {
  const auto data = test_support::EncodeJpeg(160, 60, 3, [](int x, int y, std::uint8_t* p) {
    const bool stripe = y > 26 && y < 34;
    p[0] = stripe ? 240 : 20;
    p[1] = std::uint8_t(stripe ? 240 : 60 + x);
    p[2] = stripe ? 240 : 180;
  });
  TJPEGImage jpeg;
  jpeg.LoadFromBytes(data.data(), data.size());
  form->Image1->Picture()->SetGraphic(&jpeg);
}

struct TLookCase {
  bool Splice;
  bool English;
};

class WallWindowsLookTest : public testing::TestWithParam<TLookCase> {};

TEST_P(WallWindowsLookTest, LaysOutCleanlyAndIsCaptured) {
  const TLookCase& c = GetParam();
  TTestMainWindow main;
  main.LanguageFlag = c.English ? 1 : 0;
  std::unique_ptr<TCustomForm, void (*)(TCustomForm*)> form{nullptr, [](TCustomForm* f) { f->Free(); }};
  if (c.Splice) {
    auto* splice = TCustomForm::Create<TForm15>(nullptr);
    splice->SettingsFile = L"look_cfg_missing.ini";
    ShowSampleLogo(splice);
    form.reset(splice);
  } else {
    form.reset(TCustomForm::Create<TForm20>(nullptr));
  }
  form->Show();
  SetForegroundWindow(form->Handle());
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  test_support::PumpFor(200);
  for (const std::string& problem : test_support::CheckLayout(form.get())) ADD_FAILURE() << problem;
  const vamire_test::Capture cap = vamire_test::CaptureWindow(form->Handle());
  const std::wstring file = std::wstring(L"console_") + form->ClassName() + (c.English ? L"_en_" : L"_zh_") +
                            (vamire_test::InThemedPrefix() ? L"themed" : L"plain") + L".png";
  EXPECT_TRUE(cap.SavePng(file));
}

INSTANTIATE_TEST_SUITE_P(Windows, WallWindowsLookTest,
                         testing::Values(TLookCase{true, false}, TLookCase{true, true}, TLookCase{false, false},
                                         TLookCase{false, true}),
                         [](const testing::TestParamInfo<TLookCase>& info) {
                           return std::string(info.param.Splice ? "Splice" : "Colours") +
                                  (info.param.English ? "English" : "Chinese");
                         });

// The sizes the windows are made with.
TEST(WallWindowsSizeTest, SpliceAndColourWindowSizes) {
  TTestMainWindow main;
  std::unique_ptr<TForm15, void (*)(TForm15*)> splice{TCustomForm::Create<TForm15>(nullptr),
                                                      [](TForm15* f) { f->Free(); }};
  EXPECT_EQ(splice->Width(), 451);
  EXPECT_EQ(splice->Height(), 295);
  EXPECT_EQ(splice->Position(), poScreenCenter);
  std::unique_ptr<TForm20, void (*)(TForm20*)> colours{TCustomForm::Create<TForm20>(nullptr),
                                                       [](TForm20* f) { f->Free(); }};
  EXPECT_EQ(colours->Position(), poScreenCenter);
}

}  // namespace
