// The look of the sub-picture windows, the channel selection window and the
// empty TForm21 in both languages and both prefixes: the layout check and a
// PNG of each for a person to look at ("console_TForm12_en_plain.png"). The
// preview's picture, rectangle and pointer label lie on one another by design.
#include <gtest/gtest.h>

#include <functional>

#include "LookCapture.h"
#include "MemorySettings.h"
#include "SysUtils.h"
#include "TestMainWindow.h"
#include "Unit12.h"
#include "Unit13.h"
#include "Unit14.h"
#include "Unit21.h"

namespace {

using app_test::TTestMainWindow;

struct TLookCase {
  const wchar_t* Name;
  std::function<TCustomForm*()> Make;
  bool English;
};

bool PreviewLayer(const std::string& problem) {
  if (problem.find(" overlaps ") == std::string::npos) return false;
  int layers = 0;
  for (const char* name : {"Image1 (TImage)", "Image2 (TImage)", "Label8 (TLabel)"})
    layers += problem.find(name) != std::string::npos;
  return layers == 2;
}

TCustomForm* ChannelWindow() {
  auto* form = TCustomForm::Create<TForm14>(nullptr);
  form->SettingsFile = L"c14_look_cfg.ini";
  app_test::TMemorySettings names;
  names.Values[{L"mux_port", L"port1"}] = L"会议室摄像机一";
  form->LoadInputNames(names);
  app_test::TMemorySettings cfg;
  cfg.Values[{L"setting", L"MXSQ"}] = L"1";
  form->LoadSettings(cfg);
  return form;
}

class ConsoleIxLookTest : public testing::TestWithParam<TLookCase> {};

TEST_P(ConsoleIxLookTest, LaysOutCleanlyAndIsCaptured) {
  const TLookCase& c = GetParam();
  TTestMainWindow main;
  main.LanguageFlag = c.English ? 1 : 0;
  main.Matrix.VideoBrandText = L"AV-3232 Pro";
  main.Splice().Grid = {1, 1, 3, 2};
  std::unique_ptr<TCustomForm, void (*)(TCustomForm*)> form{c.Make(), [](TCustomForm* f) { f->Free(); }};
  form->Show();
  if (auto* sub = dynamic_cast<TSubPictureForm*>(form.get())) sub->SetRect({61, 41, 120, 80});
  app_test::CheckLookAndCapture(form.get(), c.English, &PreviewLayer);
  if (auto* channels = dynamic_cast<TForm14*>(form.get())) {
    EXPECT_EQ(channels->Caption(), L"通道选择") << "Chinese in both languages";
    EXPECT_EQ(channels->Width(), 371);
    EXPECT_EQ(channels->Height(), 238);
    DeleteFileW((ProgramFolder() + channels->SettingsFile).c_str());
  }
}

template <class T>
TCustomForm* Plain() {
  return TCustomForm::Create<T>(nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ConsoleIxLookTest,
    testing::Values(TLookCase{L"Roaming", &Plain<TForm12>, false}, TLookCase{L"RoamingEnglish", &Plain<TForm12>, true},
                    TLookCase{L"Variant", &Plain<Tform13>, false}, TLookCase{L"VariantEnglish", &Plain<Tform13>, true},
                    TLookCase{L"Channels", &ChannelWindow, false},
                    TLookCase{L"ChannelsInEnglishMode", &ChannelWindow, true},
                    TLookCase{L"Form21", &Plain<TForm21>, false}),
    [](const testing::TestParamInfo<TLookCase>& info) { return link_test::Utf8(info.param.Name); });

TEST(ConsoleIxWindows, TheEnglishTextsOfTheRoamingWindow) {
  TTestMainWindow main;
  main.LanguageFlag = 1;
  std::unique_ptr<TForm12, void (*)(TForm12*)> form{TCustomForm::Create<TForm12>(nullptr),
                                                    [](TForm12* f) { f->Free(); }};
  form->ComboBox3->SetItemIndex(2);
  form->Show();
  EXPECT_EQ(form->Caption(), L"Sprites roaming");
  EXPECT_EQ(form->BitBtn51->Caption(), L"Run");
  EXPECT_EQ(form->ComboBox3->Text(), L"DVI Matrix") << "the chosen matrix kept";
  EXPECT_EQ(form->FormStyle(), fsStayOnTop);
  std::unique_ptr<TForm21, void (*)(TForm21*)> empty{TCustomForm::Create<TForm21>(nullptr),
                                                     [](TForm21* f) { f->Free(); }};
  EXPECT_EQ(empty->Caption(), L"Form21");
  EXPECT_EQ(empty->ControlCount(), 0);
  EXPECT_FALSE(empty->Visible());
}

}  // namespace
