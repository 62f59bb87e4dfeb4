// The picture adjustment window on the wire and in its own state: the wall
// controller on COM5, the selection 1,1 - 2,2 (A1 11, A2 22). Pauses are
// recorded in the order of the frames' debug echo (one real-time case
// checks the gaps); buttons are pressed through their windows, swatches with
// a mouse-down message, and the restore timer's tick is fired by the test.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cwchar>
#include <memory>

#include "ConsoleRoles.h"
#include "DialogService.h"
#include "PictureAdjust.h"
#include "RzPanel.h"
#include "Sleep.h"
#include "SysUtils.h"
#include "TestMainWindow.h"
#include "EventMainWindow.h"
#include "OperatorInput.h"
#include "Unit4.h"
#include "cxButtons_win.h"
#include "cxPC_win.h"
#include "cxRadioGroup_win.h"
#include "link/PeerTest.h"

namespace {

using app_test::Events;
using app_test::RecordPause;
using app_test::TEventMain;
using app_test::TMessages;

// Records the pauses instead of making them while it lives.
class TRecordedPauses {
 public:
  TRecordedPauses() : FPrevious(SetSleepProc(&RecordPause)) { Events().clear(); }
  ~TRecordedPauses() { SetSleepProc(FPrevious); }

 private:
  TSleepProc FPrevious;
};

using TForm4Ptr = std::unique_ptr<TForm4, void (*)(TForm4*)>;
TForm4Ptr MakeForm() { return {TCustomForm::Create<TForm4>(nullptr), [](TForm4* f) { f->Free(); }}; }

template <class T>
T* Find(TForm4* form, const String& name) {
  auto* found = dynamic_cast<T*>(form->FindComponent(name));
  EXPECT_NE(found, nullptr) << link_test::Utf8(name);
  return found;
}

// A click as the operator's reaches the button: through its window.
void Press(TWinControl* button) {
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  test_support::Pump();
}

// A press on a swatch or the toggle: the button's down and up messages.
void MouseDown(TWinControl* panel, bool right = false) {
  SendMessageW(panel->Handle(), right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON,
               MAKELPARAM(5, 5));
  SendMessageW(panel->Handle(), right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

// The frame of (code, par) to the selection 1,1 - 2,2, as the peer prints it.
std::string Frame(int code, int par) {
  char text[24];
  std::snprintf(text, sizeof text, "C6 11 22 %02X %02X BB", code & 0xFF, par & 0xFF);
  return text;
}
std::string Frames(std::initializer_list<std::pair<int, int>> commands) {
  std::string all;
  for (const auto& c : commands) all += (all.empty() ? "" : " ") + Frame(c.first, c.second);
  return all;
}
String Echo(int code, int par) {
  wchar_t text[32];
  std::swprintf(text, 32, L"->C6,11,22,%02X,%02X,BB", code & 0xFF, par & 0xFF);
  return text;
}

class PictureAdjustTest : public link_test::TPeerTest {
 protected:
  void SetUp() override {
    TPeerTest::SetUp();
    OpenSerial(Main);
  }
  void TearDown() override { OpenCommPorts(false); }
  // What COM5 got for `frames` frames; nothing may reach the other channels.
  std::string Com5(size_t frames) {
    const auto got = Received("com5", frames * 6);
    EXPECT_EQ(got.at("com6") + got.at("com7") + got.at("tcp"), "");
    return got.at("com5");
  }
  TEventMain Main;
};

// --- Swatches ---------------------------------------------------------------------------

TEST_F(PictureAdjustTest, TheSwatchesAreNamedColouredAndPlacedRowByRow) {
  auto form = MakeForm();
  ASSERT_EQ(form->Panel1->ControlCount(), 252);
  struct {
    const wchar_t* Name;
    TColor Colour;
    int Left, Top;
  } cases[] = {
      {L"BtnYel0", 0xFFFFFF, 10, 10},
      {L"BtnYel35", 0x73FFFF, 1095, 10},
      {L"BtnPur1", 0xFFFBFF, 41, 41},
      {L"BtnRed2", 0xF7F7FF, 72, 72},
      {L"BtnChi3", 0xFFFFF3, 103, 103},
      {L"BtnGre17", 0xBBFFBB, 537, 134},
      {L"BtnBlu0", 0xFFFFFF, 10, 165},
      {L"BtnGra35", 0xFFFFFF - 35 * 0x040404, 1095, 196},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(link_test::Utf8(c.Name));
    auto* swatch = Find<TRzPanel>(form.get(), c.Name);
    if (!swatch) continue;
    EXPECT_EQ(swatch->Parent(), form->Panel1);
    EXPECT_EQ(swatch->Owner(), form.get());
    EXPECT_EQ(swatch->Color(), c.Colour);
    EXPECT_EQ(swatch->Left(), c.Left);
    EXPECT_EQ(swatch->Top(), c.Top);
    EXPECT_EQ(swatch->Width(), 26);
    EXPECT_EQ(swatch->Height(), 26);
    EXPECT_EQ(swatch->Hint(), String(c.Name).substr(6));
    EXPECT_EQ(swatch->Caption(), L"");
    EXPECT_EQ(swatch->BorderOuter(), fsNone) << "rzpnl2's border";
    EXPECT_TRUE(swatch->Visible());
  }
  EXPECT_EQ(form->Panel1->Width(), 683);
}

TEST_F(PictureAdjustTest, ASwatchPressSendsItsThreeGainsWithAPauseAfterEach) {
  auto form = MakeForm();
  struct {
    const wchar_t* Swatch;
    bool Right;
    int Red, Green, Blue;
  } cases[] = {
      {L"BtnYel0", false, 132, 128, 130},
      {L"BtnGra35", false, 97, 93, 95},
      {L"BtnPur10", true, 142, 118, 140},  // any mouse button
      {L"BtnChi20", false, 112, 148, 150},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(link_test::Utf8(c.Swatch));
    ResetChannels();
    TRecordedPauses pauses;
    MouseDown(Find<TRzPanel>(form.get(), c.Swatch), c.Right);
    EXPECT_EQ(Com5(3), Frames({{0x6B, c.Red}, {0x6C, c.Green}, {0x6D, c.Blue}}));
    const std::vector<String> expected = {L"pause 20", Echo(0x6B, c.Red),   L"pause 50",
                                          L"pause 20", Echo(0x6C, c.Green), L"pause 50",
                                          L"pause 20", Echo(0x6D, c.Blue),  L"pause 50"};
    EXPECT_EQ(Events(), expected);
  }
}

// The one real-time case: the real pauses hold each gain back.
TEST_F(PictureAdjustTest, TheGainsArriveAtLeastFiftyMillisecondsApart) {
  auto form = MakeForm();
  MouseDown(Find<TRzPanel>(form.get(), L"BtnGra35"));
  ASSERT_EQ(Com5(3), Frames({{0x6B, 97}, {0x6C, 93}, {0x6D, 95}}));
  const std::vector<int64_t> times = peer.ByteTimes("com5");
  ASSERT_EQ(times.size(), 18u);
  EXPECT_GE(times[6] - times[5], 50000) << "microseconds from the red frame to the green";
  EXPECT_GE(times[12] - times[11], 50000) << "microseconds from the green frame to the blue";
}

// --- Step buttons -----------------------------------------------------------------------

TEST_F(PictureAdjustTest, EveryStepButtonSendsItsCodeDownThenUpWithoutAPause) {
  struct {
    const wchar_t *Down, *Up;
    int Code;
  } pairs[] = {
      {L"SpeedButton1", L"SpeedButton2", 0x31},   {L"SpeedButton3", L"SpeedButton4", 0x30},
      {L"SpeedButton5", L"SpeedButton6", 0x32},   {L"SpeedButton7", L"SpeedButton8", 0x34},
      {L"SpeedButton57", L"SpeedButton58", 0x33}, {L"SpeedButton9", L"SpeedButton10", 0x3B},
      {L"SpeedButton11", L"SpeedButton12", 0x3C}, {L"btnHsatsub", L"btnHsatadd", 0x61},
      {L"btnHszesub", L"btnHszeadd", 0x62},       {L"btnVsatsub", L"btnVsatadd", 0x63},
      {L"btnVszesub", L"btnVszeadd", 0x64},       {L"SpeedButton19", L"SpeedButton20", 0x41},
      {L"SpeedButton21", L"SpeedButton22", 0x40}, {L"SpeedButton23", L"SpeedButton24", 0x42},
      {L"SpeedButton25", L"SpeedButton26", 0x43}, {L"SpeedButton27", L"SpeedButton28", 0x44},
      {L"SpeedButton29", L"SpeedButton30", 0x45}, {L"SpeedButton69", L"SpeedButton70", 0x46},
      {L"SpeedButton71", L"SpeedButton72", 0x47}, {L"SpeedButton73", L"SpeedButton74", 0x48},
      {L"SpeedButton31", L"SpeedButton32", 0x49}, {L"SpeedButton33", L"SpeedButton34", 0x4A},
      {L"SpeedButton35", L"SpeedButton36", 0x4B}, {L"cxButton1", L"cxButton2", 0x41},
      {L"cxButton3", L"cxButton4", 0x40},         {L"cxButton5", L"cxButton6", 0x42},
      {L"cxButton7", L"cxButton8", 0x43},         {L"cxButton9", L"cxButton10", 0x44},
      {L"cxButton11", L"cxButton12", 0x45},       {L"SpeedButton51", L"SpeedButton52", 0x38},
      {L"SpeedButton53", L"SpeedButton54", 0x39}, {L"SpeedButton55", L"SpeedButton56", 0x3A},
      {L"SpeedButton45", L"SpeedButton46", 0x35}, {L"SpeedButton47", L"SpeedButton48", 0x36},
      {L"SpeedButton49", L"SpeedButton50", 0x37}, {L"SpeedButton43", L"SpeedButton44", 0x50},
  };
  auto form = MakeForm();
  form->Show();
  for (const auto& p : pairs) {
    SCOPED_TRACE(link_test::Utf8(p.Down));
    ResetChannels();
    TRecordedPauses pauses;
    for (const wchar_t* name : {p.Down, p.Up}) {
      auto* button = Find<TcxButton>(form.get(), name);
      if (!button) continue;
      // Its page up front, as the operator sees it; the hidden clock and phase rows have no window to click.
      if (auto* page = dynamic_cast<TcxTabSheet*>(button->Parent()->Parent())) form->cxPageControl1->SetActivePage(page);
      if (button->Visible()) {
        Press(button);
      } else {
        EXPECT_TRUE(String(name).starts_with(L"cxButton")) << "only the DVI/HDMI/YUV clock and phase rows are hidden";
        button->Click();
      }
      EXPECT_TRUE(button->Glyph() && !button->Glyph()->Empty()) << "a step glyph";
    }
    EXPECT_EQ(Com5(2), Frames({{p.Code, 0}, {p.Code, 1}}));
    const std::vector<String> expected = {L"pause 20", Echo(p.Code, 0), L"pause 20", Echo(p.Code, 1)};
    EXPECT_EQ(Events(), expected) << "no pause beyond the frames' own";
  }
}

TEST_F(PictureAdjustTest, MixedColourRowsSendRedGreenBlueFiftyMillisecondsApart) {
  struct {
    const wchar_t* Button;
    int Codes[3];
    int Pars[3];
  } cases[] = {
      {L"btnBrnGraySub", {0x38, 0x39, 0x3A}, {1, 1, 1}},  {L"btnBrnGrayAdd", {0x38, 0x39, 0x3A}, {0, 0, 0}},
      {L"btnBrnYellowSub", {0x38, 0x39, 0x3A}, {0, 0, 1}}, {L"btnBrnYellowAdd", {0x38, 0x39, 0x3A}, {1, 1, 0}},
      {L"btnBrnPurpleSub", {0x38, 0x39, 0x3A}, {0, 1, 0}}, {L"btnBrnCyanAdd", {0x38, 0x39, 0x3A}, {0, 1, 1}},
      {L"btnDrnCyanSub", {0x35, 0x36, 0x37}, {1, 0, 0}},   {L"btnDrnPurpleAdd", {0x35, 0x36, 0x37}, {1, 0, 1}},
      {L"btnDrnGraySub", {0x35, 0x36, 0x37}, {1, 1, 1}},   {L"btnDrnYellowAdd", {0x35, 0x36, 0x37}, {1, 1, 0}},
  };
  auto form = MakeForm();
  form->Show();
  form->cxPageControl1->SetActivePage(Find<TcxTabSheet>(form.get(), L"tsCOLORTEMP"));
  for (const auto& c : cases) {
    SCOPED_TRACE(link_test::Utf8(c.Button));
    ResetChannels();
    TRecordedPauses pauses;
    Press(Find<TcxButton>(form.get(), c.Button));
    EXPECT_EQ(Com5(3), Frames({{c.Codes[0], c.Pars[0]}, {c.Codes[1], c.Pars[1]}, {c.Codes[2], c.Pars[2]}}));
    const std::vector<String> expected = {L"pause 20", Echo(c.Codes[0], c.Pars[0]), L"pause 50",
                                          L"pause 20", Echo(c.Codes[1], c.Pars[1]), L"pause 50",
                                          L"pause 20", Echo(c.Codes[2], c.Pars[2])};
    EXPECT_EQ(Events(), expected);
  }
}

// --- One-shot commands ------------------------------------------------------------------

TEST_F(PictureAdjustTest, OneShotButtonsAndTheHiddenPresetsSendTheirCommands) {
  auto form = MakeForm();
  form->Show();
  form->BitBtn8->SetEnabled(true);  // as UpdateControlStates leaves it with the link open
  TRecordedPauses pauses;
  Press(form->BitBtn8);
  form->cxPageControl1->SetActivePage(Find<TcxTabSheet>(form.get(), L"TabSheet2"));
  Press(Find<TcxButton>(form.get(), L"Button4"));
  Press(Find<TcxButton>(form.get(), L"Button1"));
  Press(form->Button2);
  EXPECT_EQ(Com5(4), Frames({{0x52, 1}, {0x4D, 1}, {0x4C, 1}, {0x53, 1}}));
  EXPECT_EQ(Events().back(), L"pause 50") << "the save's pause";
  EXPECT_EQ(Events().size(), 9u) << "one pause beyond the frames' own";
  ResetChannels();
  EXPECT_FALSE(form->RadioGroup1->Visible());
  EXPECT_FALSE(form->RadioGroup1->Enabled());
  for (int item = 0; item < 3; ++item) form->RadioGroup1->SetItemIndex(item);  // a choice clicks the group
  EXPECT_EQ(Com5(3), Frames({{0x3D, 1}, {0x3E, 1}, {0x3F, 1}}));
}

TEST_F(PictureAdjustTest, HelpPointsToTheDocumentInEitherLanguageAndSendsNothing) {
  auto form = MakeForm();
  form->Show();
  form->cxPageControl1->SetActivePage(Find<TcxTabSheet>(form.get(), L"tsCOLORTEMP"));
  for (int language : {1, 0}) {
    Main.LanguageFlag = language;
    TMessages messages;
    Press(Find<TcxButton>(form.get(), L"btnHelp"));
    ASSERT_EQ(messages.Texts.size(), 1u);
    EXPECT_EQ(messages.Texts[0], language == 1 ? L"Please see the  \"色温调节说明\" document!"
                                               : L"请查看《色温调节说明》文档!");
  }
  EXPECT_EQ(Com5(0), "");
}

// --- The window's own state -------------------------------------------------------------

TEST_F(PictureAdjustTest, TwoPressesWithinATickLeaveOnlyTheSecondPressed) {
  auto form = MakeForm();
  link_test::TNoPause fast;
  auto* first = Find<TRzPanel>(form.get(), L"BtnYel0");
  auto* second = Find<TRzPanel>(form.get(), L"BtnGra35");
  EXPECT_EQ(form->tmr1->Interval(), 200u);
  EXPECT_FALSE(form->tmr1->Enabled());
  MouseDown(first);
  EXPECT_EQ(first->BorderOuter(), fsButtonDown);
  EXPECT_TRUE(form->tmr1->Enabled());
  MouseDown(second);  // no message served in between: within the tick
  EXPECT_EQ(first->BorderOuter(), fsNone) << "back to its saved border at once";
  EXPECT_EQ(second->BorderOuter(), fsButtonDown);
  EXPECT_EQ(form->HighlightedSwatch, second);
  form->tmr1->OnTimer()(form->tmr1);  // the tick fires
  EXPECT_EQ(second->BorderOuter(), fsNone);
  EXPECT_FALSE(form->tmr1->Enabled()) << "one shot";
  EXPECT_EQ(form->HighlightedSwatch, second) << "kept after the restore";
  EXPECT_EQ(form->rzpnl2->BorderOuter(), fsNone);
}

TEST_F(PictureAdjustTest, TheToggleWidensByFourHundredAndNarrowsToExactly711) {
  auto form = MakeForm();
  form->Show();
  for (int before : {711, 790, 640}) {
    SCOPED_TRACE(before);
    form->SetWidth(before);
    MouseDown(form->rzpnl3);
    EXPECT_EQ(form->Width(), before + 400);
    EXPECT_EQ(form->rzpnl3->Left(), before + 300);
    EXPECT_EQ(form->rzpnl3->Caption(), L"<<<");
    EXPECT_EQ(form->rzpnl3->BorderOuter(), fsButtonDown);
    MouseDown(form->rzpnl3);
    EXPECT_EQ(form->Width(), 711);
    EXPECT_EQ(form->rzpnl3->Left(), 611);
    EXPECT_EQ(form->rzpnl3->Caption(), L">>>");
    form->tmr1->OnTimer()(form->tmr1);
    EXPECT_EQ(form->rzpnl3->BorderOuter(), fsFlatRounded) << "its own border back";
  }
  // Widened from the screen's centre, the window moves left to stay on the screen.
  MouseDown(form->rzpnl3);
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  EXPECT_LE(form->Left() + form->Width(), area.right);
  EXPECT_GE(form->Left(), area.left);
  MouseDown(form->rzpnl3);
  // A swatch pressed after the toggle gives the toggle its own border back.
  link_test::TNoPause fast;
  MouseDown(form->rzpnl3);
  MouseDown(Find<TRzPanel>(form.get(), L"BtnRed1"));
  EXPECT_EQ(form->rzpnl3->BorderOuter(), fsFlatRounded);
  MouseDown(form->rzpnl3);
}

TEST_F(PictureAdjustTest, TheFirstShowDestroysTabSheet4AndStaysOnColorAdjust) {
  auto form = MakeForm();
  EXPECT_EQ(form->FormStyle(), fsStayOnTop);
  EXPECT_EQ(form->Width(), 711);
  EXPECT_EQ(form->Height(), 525);
  EXPECT_EQ(form->Position(), poScreenCenter);
  TcxPageControl* pages = form->cxPageControl1;
  ASSERT_EQ(pages->PageCount(), 6);
  EXPECT_EQ(pages->Pages(5), form->TabSheet4) << "last, after COLOR ADJUST (D-71)";
  EXPECT_EQ(pages->ActivePage(), form->ColorAdjust);
  form->Show();
  EXPECT_EQ(form->TabSheet4, nullptr);
  EXPECT_EQ(form->FindComponent(L"TabSheet4"), nullptr);
  EXPECT_EQ(form->FindComponent(L"Label43"), nullptr) << "its controls go with it";
  EXPECT_EQ(pages->PageCount(), 5);
  EXPECT_EQ(pages->ActivePage(), form->ColorAdjust);
  form->Close();
  form->Show();
  EXPECT_EQ(pages->PageCount(), 5);
  EXPECT_EQ(pages->ActivePage(), form->ColorAdjust);
}

TEST_F(PictureAdjustTest, TheRangeLabelShowsTheGridsOwnSelection) {
  auto form = MakeForm();
  Main.GridRect = {1, 1, 3, 2};
  Main.Selection = {2, 2, 2, 2};  // the fields may differ after keyboard moves
  form->Show();
  EXPECT_EQ(form->Label2->Caption(), L"1,1 - 3,2");
  form->ShowSelectionRange({4, 1, 15, 15});  // the grid's mouse-up
  EXPECT_EQ(form->Label2->Caption(), L"4,1 - 15,15");
}

TEST_F(PictureAdjustTest, TheResetFollowsTheLinkAndOnlyTheAdministratorOpensTheWindow) {
  auto form = MakeForm();
  EXPECT_FALSE(form->BitBtn8->Enabled()) << "no link at start";
  for (bool link : {true, false}) {
    for (const TControlStateRule& rule : ControlStateRules())
      if (rule.Form == L"TForm4") Find<TControl>(form.get(), rule.Control)->SetEnabled(RuleValue(rule, {false, link, false}));
    EXPECT_EQ(form->BitBtn8->Enabled(), link);
  }
  Main.Role.AdminLoggedIn = false;
  EXPECT_FALSE(form->OpenForAdministrator());
  EXPECT_FALSE(form->Visible());
  Main.Role.AdminLoggedIn = true;
  EXPECT_TRUE(form->OpenForAdministrator());
  EXPECT_TRUE(form->Visible());
  Press(form->Button3);
  EXPECT_FALSE(form->Visible()) << "closing hides";
}

TEST_F(PictureAdjustTest, TextsFollowTheLanguageAndKeepTheirSpellings) {
  auto form = MakeForm();
  form->ApplyEnglishCaptions();
  EXPECT_EQ(form->BitBtn8->Caption(), L"Reset") << "the main window's English step";
  struct {
    const wchar_t* Control;
    const wchar_t *Chinese, *English;
  } cases[] = {
      {L"", L"参数调整", L" Video Adjust"},      {L"BitBtn8", L"系统复位", L"Reset"},
      {L"Label5", L"饱和度", L"Satuation"},      {L"GroupBox6", L"位置", L"Postion"},
      {L"Label7", L"色调", L"Red"},              {L"lblHPosition", L"水平位置", L"H Position"},
      {L"GroupBox7", L"色温", L"Color Darkness Adjustment"}, {L"Button1", L"位置自动调整", L"Auto Pos."},
      {L"TabSheet1", L"VIDEO", L"VIDEO"},        {L"tsDHY", L"DVI/HDMI/YUV", L"DVI/HDMI/YUV"},
      {L"ColorAdjust", L"色彩调整", L"COLOR ADJUST"}, {L"btnHelp", L"帮助", L"HELP"},
  };
  for (int language : {1, 0, 1}) {
    Main.LanguageFlag = language;
    form->Show();
    for (const auto& c : cases) {
      SCOPED_TRACE(link_test::Utf8(c.Control));
      TControl* control = *c.Control ? Find<TControl>(form.get(), c.Control) : form.get();
      if (control) EXPECT_EQ(control->Caption(), language == 1 ? c.English : c.Chinese);
    }
    form->Close();
  }
}

}  // namespace
