// The start-up window (TForm18) and the program body: the animation tick by
// tick on fired timer ticks with the alpha read back from the layered window,
// the hand-over to the main window (a stand-in form here), and every window
// made in the console's fixed order, owned by the application.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "ConsoleForms.h"
#include "MemorySettings.h"
#include "SysUtils.h"
#include "TestMainWindow.h"
#include "Unit18.h"
#include "support/HostForm.h"

namespace {

using TForm18Ptr = std::unique_ptr<TForm18, void (*)(TForm18*)>;

// The window's alpha as the platform holds it; -1 when it is not layered.
int LayeredAlpha(HWND window) {
  BYTE alpha = 0;
  DWORD flags = 0;
  if (!(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED)) return -1;
  if (!GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) || !(flags & LWA_ALPHA)) return -1;
  return alpha;
}

void Tick(TForm18* form) { form->tmr1->OnTimer()(form->tmr1); }

// A logo picture beside the test program, removed after.
class StartupWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    app_test::StartUnitsOnce();
    logo = ProgramFolder() + L"splash_logo_" + IntToStr(int(GetCurrentProcessId())) + L".bmp";
    TBitmap picture;
    picture.SetSize(40, 30);
    picture.Canvas()->Brush()->SetColor(clNavy);
    picture.Canvas()->FillRect(TRect{0, 0, 40, 30});
    picture.SaveToFile(logo);
    main = test_support::MakeForm(200, 120);
  }
  void TearDown() override {
    main->Free();
    DeleteFileW(logo.c_str());
  }
  // The window as the program makes it, its timer's ticks fired by the test.
  TForm18Ptr Make(int ifShow, const String& logoPath, const String& still) {
    TForm18Ptr form{TCustomForm::Create<TForm18>(nullptr), [](TForm18* f) { f->Free(); }};
    form->tmr1->SetEnabled(false);
    app_test::TMemorySettings settings;
    settings.Values[{L"StartAnimation", L"ifshow"}] = IntToStr(ifShow);
    settings.Values[{L"StartAnimation", L"logoPath"}] = logoPath;
    settings.Values[{L"StartAnimation", L"Still"}] = still;
    settings.Values[{L"StartAnimation", L"width"}] = L"320";
    settings.Values[{L"StartAnimation", L"height"}] = L"240";
    form->ReadAnimation(settings);
    form->MainWindowForm = main;
    form->Show();
    return form;
  }

  String logo;
  test_support::THostForm* main = nullptr;
};

TEST_F(StartupWindowTest, TheWindowIsMadeBorderlessOnTopAndInvisible) {
  TForm18Ptr form{TCustomForm::Create<TForm18>(nullptr), [](TForm18* f) { f->Free(); }};
  EXPECT_EQ(form->BorderStyle(), bsNone);
  EXPECT_EQ(form->FormStyle(), fsStayOnTop);
  EXPECT_TRUE(form->BorderIcons().Empty());
  EXPECT_EQ(form->tmr1->Interval(), 10u);
  EXPECT_TRUE(form->tmr1->Enabled());
  EXPECT_TRUE(form->img1->Stretch());
  EXPECT_TRUE(form->img1->Center());
  EXPECT_EQ(form->img1->Align(), alClient);
  EXPECT_EQ(LayeredAlpha(form->Handle()), 0);
  EXPECT_FALSE(form->Schedule().Enabled()) << "no logo beside the test program";
}

struct TSplashCase {
  const char* Name;
  int IfShow;
  bool LogoThere;
  const wchar_t* Still;
  int EndTick;  // the tick that shows the main window; 0: the first tick
  int Width;    // the window's width while it shows
};

class SplashTableTest : public StartupWindowTest, public testing::WithParamInterface<TSplashCase> {};

TEST_P(SplashTableTest, AlphaRisesHoldsFallsThenTheMainWindowShows) {
  const TSplashCase& c = GetParam();
  TForm18Ptr form = Make(c.IfShow, c.LogoThere ? logo : logo + L".missing", c.Still);
  EXPECT_EQ(form->Width(), c.Width);
  std::vector<int> alpha;  // read back after each tick
  for (int t = 0; t < c.EndTick; ++t) {
    Tick(form.get());
    alpha.push_back(LayeredAlpha(form->Handle()));
    ASSERT_FALSE(main->Visible()) << "tick " << t;
  }
  Tick(form.get());
  EXPECT_TRUE(main->Visible());
  EXPECT_FALSE(form->Visible());
  EXPECT_FALSE(form->tmr1->Enabled());
  if (c.EndTick == 0) return;
  for (int t = 0; t < 20; ++t) EXPECT_EQ(alpha[size_t(t)], 12 * (t + 1)) << "fade in, tick " << t;
  EXPECT_EQ(alpha[20], 255);
  for (int t = 21; t <= c.EndTick - 20; ++t) ASSERT_EQ(alpha[size_t(t)], 255) << "hold, tick " << t;
  for (int t = c.EndTick - 19; t < c.EndTick; ++t)
    EXPECT_EQ(alpha[size_t(t)], 255 - 12 * (t - (c.EndTick - 20))) << "fade out, tick " << t;
  EXPECT_EQ(alpha.back(), 27);
}

INSTANTIATE_TEST_SUITE_P(
    Splash, SplashTableTest,
    testing::Values(TSplashCase{"Still3", 1, true, L"3", 220, 320}, TSplashCase{"Still0", 1, true, L"0", 40, 320},
                    TSplashCase{"StillNegative", 1, true, L"-5", 40, 320},
                    TSplashCase{"StillNotANumber", 1, true, L"abc", 220, 320},
                    TSplashCase{"NoLogo", 1, false, L"3", 0, 500}, TSplashCase{"IfShowOff", 0, true, L"3", 0, 500},
                    TSplashCase{"IfShowTwo", 2, true, L"3", 0, 500}),
    [](const testing::TestParamInfo<TSplashCase>& info) { return info.param.Name; });

// A logo file that is no picture skips the animation instead of stopping
// the start.
TEST_F(StartupWindowTest, AnUnreadableLogoSkipsTheAnimation) {
  const String broken = ProgramFolder() + L"splash_broken_" + IntToStr(int(GetCurrentProcessId())) + L".jpg";
  HANDLE file = CreateFileW(broken.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, "not a picture", 13, &written, nullptr);
  CloseHandle(file);
  TForm18Ptr form = Make(1, broken, L"3");
  DeleteFileW(broken.c_str());
  EXPECT_FALSE(form->Schedule().Enabled());
  Tick(form.get());
  EXPECT_TRUE(main->Visible());
}

// With no main window to hand over to, the window closes, which ends a
// program whose main form it is; here, where it is not, it hides.
TEST_F(StartupWindowTest, WithoutAMainWindowTheFirstTickCloses) {
  TForm18Ptr form = Make(0, logo, L"3");
  form->MainWindowForm = nullptr;
  Tick(form.get());
  EXPECT_FALSE(form->Visible());
  EXPECT_FALSE(form->tmr1->Enabled());
}

// The program body's windows: made in the fixed order, owned by the
// application, the start-up window its main form and the only one shown by
// the loop; each later window only registers its class.
TEST(ProgramBodyTest, WindowsAreMadeInTheFixedOrder) {
  app_test::StartUnitsOnce();
  Application->Initialize();
  const std::vector<TCustomForm*> made = CreateConsoleWindows();
  ASSERT_FALSE(made.empty());
  auto* splash = dynamic_cast<TForm18*>(made.front());
  ASSERT_NE(splash, nullptr);
  splash->tmr1->SetEnabled(false);  // no hand-over in this test program
  EXPECT_EQ(Application->MainForm(), splash);
  std::vector<String> expected, names;
  for (const String& name : ConsoleWindowOrder())
    if (GetClass(name)) expected.push_back(name);
  TCustomForm* mainWindow = nullptr;
  for (TCustomForm* form : made) {
    names.push_back(form->ClassName());
    EXPECT_EQ(form->Owner(), Application) << link_test::Utf8(form->ClassName());
    EXPECT_FALSE(form->Visible()) << link_test::Utf8(form->ClassName());
    if (form->ClassName() == L"TForm1") mainWindow = form;
  }
  EXPECT_EQ(names, expected);
  for (const wchar_t* name : {L"TForm18", L"TForm2", L"TForm5", L"TForm7"})
    EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << link_test::Utf8(name);
  EXPECT_EQ(splash->MainWindowForm, mainWindow);
  // The platform adds the edge style of its own accord.
  EXPECT_EQ(GetWindowLongPtrW(Application->Handle(), GWL_EXSTYLE) & ~LONG_PTR(WS_EX_WINDOWEDGE),
            LONG_PTR(WS_EX_TOOLWINDOW))
      << "the application's window keeps no task-bar button";
  EXPECT_EQ(ConsoleWindowOrder().size(), 24u);
  EXPECT_EQ(ConsoleWindowOrder()[1], L"TForm1");
  for (auto it = made.rbegin(); it != made.rend(); ++it) (*it)->Free();
}

}  // namespace
