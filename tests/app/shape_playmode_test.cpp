// The special-shape and play-mode windows on the wire: the wall controller on
// COM5, the selection 1,1 - 2,2. Pauses are recorded in the order of the
// frames' debug echo; messages are answered through the dialog service.
// The play mode is pressed with the real pointer and moved with real keys.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <thread>

#include "DialogService.h"
#include "Sleep.h"
#include "SysUtils.h"
#include "TestMainWindow.h"
#include "Unit11.h"
#include "EventMainWindow.h"
#include "OperatorInput.h"
#include "Unit16.h"
#include "link/PeerTest.h"
#include "OperatorInput.h"
#include "support/RealKeys.h"
#include "uPlayMode.h"

namespace {

using app_test::ClickAt;
using app_test::Press;
using app_test::PressKey;
using app_test::Events;
using app_test::RecordPause;
using app_test::TEventMain;
using app_test::TMessages;

// The window from its form file; a form file the window cannot read fails
// the test with the reader's message.
template <class T>
std::unique_ptr<T, void (*)(T*)> Make() {
  try {
    return {TCustomForm::Create<T>(nullptr), [](T* f) { f->Free(); }};
  } catch (const Exception& e) {
    ADD_FAILURE() << UTF8Encode(e.ClassName() + L": " + e.Message());
    throw;
  }
}

class ShapeTest : public link_test::TPeerTest {
 protected:
  void SetUp() override {
    TPeerTest::SetUp();
    OpenSerial(Main);
  }
  void TearDown() override { OpenCommPorts(false); }
  TEventMain Main;
};

TEST_F(ShapeTest, TheHorizontalSizeGoesAsHighThenLowByteAHundredMillisecondsApart) {
  struct {
    const wchar_t* Text;
    const char* Com5;
  } cases[] = {
      {L"1920", "C6 11 22 F6 07 BB C6 11 22 F7 80 BB"},
      {L"1080", "C6 11 22 F6 04 BB C6 11 22 F7 38 BB"},
      {L"0", "C6 11 22 F6 00 BB C6 11 22 F7 00 BB"},
      {L"65535", "C6 11 22 F6 FF BB C6 11 22 F7 FF BB"},
  };
  auto form = Make<TForm16>();
  EXPECT_EQ(form->Edit3->Text(), L"1920") << "the form's default";
  TSleepProc previous = SetSleepProc(&RecordPause);
  for (const auto& c : cases) {
    SCOPED_TRACE(UTF8Encode(c.Text));
    ResetChannels();
    Events().clear();
    form->Edit3->SetText(c.Text);
    Press(form->Button1);
    const auto got = Received("com5", 12);
    EXPECT_EQ(got.at("com5"), c.Com5);
    EXPECT_EQ(got.at("com6") + got.at("com7") + got.at("tcp"), "");
    ASSERT_EQ(Events().size(), 5u);
    EXPECT_EQ(Events()[0], L"pause 20");
    EXPECT_EQ(Events()[2], L"pause 100") << "between the two bytes";
    EXPECT_EQ(Events()[3], L"pause 20");
  }
  SetSleepProc(previous);
}

// The one real-time case: the real pause holds the low byte's frame back.
TEST_F(ShapeTest, TheLowByteFollowsAtLeastAHundredMillisecondsLater) {
  auto form = Make<TForm16>();
  form->Edit3->SetText(L"1920");
  Press(form->Button1);
  ASSERT_EQ(Received("com5", 12).at("com5"), "C6 11 22 F6 07 BB C6 11 22 F7 80 BB");
  const std::vector<int64_t> times = peer.ByteTimes("com5");
  ASSERT_EQ(times.size(), 12u);
  EXPECT_GE(times[6] - times[5], 100000) << "microseconds between the two frames";
}

TEST_F(ShapeTest, EachFieldHasItsCommandPair) {
  auto form = Make<TForm16>();
  link_test::TNoPause fast;
  form->Edit2->SetText(L"258");
  form->Edit4->SetText(L"3");
  form->Edit5->SetText(L"1080");
  for (TButton* b : {form->Button5, form->Button2, form->Button3}) Press(b);
  EXPECT_EQ(Received("com5", 36).at("com5"),
            "C6 11 22 F4 01 BB C6 11 22 F5 02 BB "
            "C6 11 22 F8 00 BB C6 11 22 F9 03 BB "
            "C6 11 22 FA 04 BB C6 11 22 FB 38 BB");
}

TEST_F(ShapeTest, ValuesOutsideTwoBytesOrNoNumberSendNothingAndSayWhy) {
  auto form = Make<TForm16>();
  link_test::TNoPause fast;
  struct {
    const wchar_t* Text;
    int Language;
    const wchar_t* Message;
  } cases[] = {
      {L"65536", 0, L"数值范围：0到65535"},
      {L"-1", 0, L"数值范围：0到65535"},
      {L"-1", 1, L"Value range: 0 to 65535"},
      {L" 12 x", 0, L"' 12 x' is not a valid integer value."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(UTF8Encode(c.Text));
    Main.LanguageFlag = c.Language;
    TMessages messages;
    form->Edit3->SetText(c.Text);
    Press(form->Button1);
    ASSERT_EQ(messages.Texts.size(), 1u);
    EXPECT_EQ(messages.Texts[0], c.Message);
  }
  EXPECT_EQ(Received("com5", 1).at("com5"), "") << "nothing sent for any of them";
}

TEST_F(ShapeTest, TheBoxSendsOnOrOffAndTheHiddenButtonsTheirCommands) {
  auto form = Make<TForm16>();
  link_test::TNoPause fast;
  Press(form->CheckBox1);
  EXPECT_TRUE(form->CheckBox1->Checked());
  Press(form->CheckBox1);
  EXPECT_FALSE(form->CheckBox1->Checked());
  EXPECT_EQ(Received("com5", 12).at("com5"), "C6 11 22 F3 01 BB C6 11 22 F3 00 BB");
  ResetChannels();
  EXPECT_FALSE(form->Button6->Visible());
  EXPECT_FALSE(form->GroupBox3->Visible());
  Press(form->Button6);
  Press(form->Button7);
  EXPECT_EQ(Received("com5", 12).at("com5"), "C6 11 22 B0 00 BB C6 11 22 C3 00 BB");
}

// Serves the window through the program's own loop for `ms` milliseconds.
void PumpApplication(DWORD ms) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < ms) {
    Application->ProcessMessages();
    Sleep(5);
  }
}

// --- Edge blending ---------------------------------------------------------------------------
using BlendTest = ShapeTest;

TEST_F(BlendTest, ApplySendsBothWidthsOrZerosWithTheBoxClear) {
  struct {
    bool On;
    int H, V;
    const char* Com5;
  } cases[] = {
      {true, 100, 37, "C6 11 22 54 64 BB C6 11 22 55 25 BB"},
      {true, 0, 0, "C6 11 22 54 00 BB C6 11 22 55 00 BB"},
      {false, 80, 20, "C6 11 22 54 00 BB C6 11 22 55 00 BB"},
  };
  auto form = Make<TForm11>();
  TSleepProc previous = SetSleepProc(&RecordPause);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Com5);
    ResetChannels();
    Events().clear();
    form->CheckBox1->SetChecked(c.On);
    form->TrackBar1->SetPosition(c.H);
    form->TrackBar2->SetPosition(c.V);
    form->BitBtn10->Click();
    EXPECT_EQ(Received("com5", 12).at("com5"), c.Com5);
    ASSERT_EQ(Events().size(), 5u);
    EXPECT_EQ(Events()[2], L"pause 1000") << "between the two directions";
  }
  SetSleepProc(previous);
}

TEST_F(BlendTest, TheVerticalWidthFollowsAtLeastASecondLater) {
  auto form = Make<TForm11>();
  form->CheckBox1->SetChecked(true);
  form->TrackBar1->SetPosition(10);
  form->TrackBar2->SetPosition(20);
  form->BitBtn10->Click();
  ASSERT_EQ(Received("com5", 12).at("com5"), "C6 11 22 54 0A BB C6 11 22 55 14 BB");
  const std::vector<int64_t> times = peer.ByteTimes("com5");
  ASSERT_EQ(times.size(), 12u);
  EXPECT_GE(times[6] - times[5], 1000000) << "microseconds between the two frames";
}

TEST_F(BlendTest, TheBoxEnablesBarsAndLabelsWhichFollowThePosition) {
  auto form = Make<TForm11>();
  for (TControl* c : {static_cast<TControl*>(form->TrackBar1), static_cast<TControl*>(form->Label5),
                      static_cast<TControl*>(form->TrackBar2), static_cast<TControl*>(form->Label6)})
    EXPECT_FALSE(c->Enabled());
  form->CheckBox1->SetChecked(true);
  for (TControl* c : {static_cast<TControl*>(form->TrackBar1), static_cast<TControl*>(form->Label5),
                      static_cast<TControl*>(form->TrackBar2), static_cast<TControl*>(form->Label6)})
    EXPECT_TRUE(c->Enabled());
  // The operator moves the bars with the keys; each change sets the label.
  form->Show();
  SetForegroundWindow(form->Handle());
  PumpApplication(100);
  Main.LanguageFlag = 0;
  form->TrackBar1->SetPosition(36);
  form->TrackBar1->SetFocus();
  PressKey(VK_RIGHT);
  EXPECT_EQ(form->TrackBar1->Position(), 37);
  EXPECT_EQ(form->Label5->Caption(), L"调节  37");
  Main.LanguageFlag = 1;
  PressKey(VK_RIGHT);
  EXPECT_EQ(form->Label5->Caption(), L"H. boder 38");
  form->TrackBar2->SetFocus();
  PressKey(VK_RIGHT);
  EXPECT_EQ(form->Label6->Caption(), L"V. Boder  1");
  form->CheckBox1->SetChecked(false);
  EXPECT_FALSE(form->TrackBar1->Enabled());
  EXPECT_FALSE(form->Label6->Enabled());
}

// --- Play mode with the real pointer and keys ----------------------------------------------
using PlayModeTest = ShapeTest;

TEST_F(PlayModeTest, EveryPressSendsAnyButtonAlsoTheChosenOneKeysSendNothing) {
  auto form = Make<TfrmPlayMode>();
  form->Show();
  SetForegroundWindow(form->Handle());
  test_support::PumpFor(200);
  ClickAt(form->rbNinty, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(form->rbNinty->Checked());
  ClickAt(form->rbNinty, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  ClickAt(form->rbVidMode, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  EXPECT_EQ(Received("com5", 18).at("com5"), "C6 11 22 F0 01 BB C6 11 22 F0 01 BB C6 11 22 20 0B BB");
  ResetChannels();
  form->rbNinty->SetFocus();
  test_support::PumpFor(50);
  PressKey(VK_RIGHT);
  EXPECT_TRUE(form->rbOheity->Checked());
  PressKey(VK_RIGHT);
  EXPECT_TRUE(form->rbThevty->Checked()) << "the keys moved the choice";
  EXPECT_FALSE(form->rbNinty->Checked());
  EXPECT_EQ(Received("com5", 1).at("com5"), "") << "and sent nothing";
}

}  // namespace
