// Panel addressing and the panel options on the wire: the wall controller on
// COM5, the selection 1,1 - 2,2. Every control of the main window's lower
// pages and of the grid's pop-up menu is a real control or menu item on a
// host form, wired by BindPanelControls; buttons are pressed through their
// window (so an error reaches the operator as the program shows it), the
// aging and logo buttons with the real pointer. Pauses are recorded in the
// order of the frames' debug echo, except in the one real-time case.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>

#include "ExtCtrls.h"
#include "Menus.h"
#include "PanelCommands.h"
#include "Sleep.h"
#include "SysUtils.h"
#include "TestMainWindow.h"
#include "Unit6.h"
#include "cxRadioGroup_win.h"
#include "cxTextEdit_control_win.h"
#include "link/PeerTest.h"
#include "OperatorInput.h"

namespace {

using app_test::ClickAt;
using app_test::PressKey;
using app_test::TMessages;

std::vector<String>& Events() {
  static std::vector<String> events;
  return events;
}
void RecordPause(uint32_t ms) { Events().push_back(L"pause " + IntToStr(int(ms))); }

class TRecordedPauses {
 public:
  TRecordedPauses() : FPrevious(SetSleepProc(&RecordPause)) { Events().clear(); }
  ~TRecordedPauses() { SetSleepProc(FPrevious); }

 private:
  TSleepProc FPrevious;
};

// The main window in debug mode, its echo in the event list.
class TEventMain : public app_test::TTestMainWindow {
 public:
  TEventMain() {
    Debug = true;
    Selection = {1, 1, 2, 2};
  }
  void AddLogLine(const String& line) override {
    TTestMainWindow::AddLogLine(line);
    Events().push_back(line);
  }
};

// The pages' radio buttons, box and fields as TForm1 reads them.
class TTestPages : public IPanelPages {
 public:
  bool Checked(TPanelChoice choice) override { return On.count(choice) != 0; }
  String FanRunValue() override { return RunValue; }
  String FanOffValue() override { return OffValue; }
  String SerialNoText() override { return SerialNo; }
  String RowText() override { return Row; }
  String ColumnText() override { return Column; }
  void SetAddressFields(const String& serialNo, const String& row, const String& column) {
    SerialNo = serialNo;
    Row = row;
    Column = column;
  }

  std::set<TPanelChoice> On{TPanelChoice::FanAuto};
  String RunValue = L"19", OffValue = L"26";
  String SerialNo = L"9029", Row = L"2", Column = L"3";
};

const wchar_t* const MouseDownButtons[] = {L"rbOpenAM", L"rbCloseAM", L"rbOpenLogo", L"rbCloseLogo"};
const wchar_t* const MenuItems[] = {L"nStill", L"N8", L"N10", L"N11", L"N19", L"N20", L"N21", L"N22", L"N18"};

// The lower pages' controls and the pop-up menu, named as on the main window.
class TPagesForm {
 public:
  TPagesForm() {
    Form = test_support::MakeForm(520, 420);
    auto* menu = new TPopupMenu(Form);
    for (const wchar_t* name : MenuItems) {
      auto* item = new TMenuItem(Form);
      item->SetName(name);
      menu->Items()->Add(item);
    }
    int x = 8, y = 8;
    for (const TPanelControl& c : PanelControls()) {
      if (FindMenuItem(c.Control) || c.Event == TPanelEvent::MouseDown) continue;
      auto* b = new TButton(Form);
      b->SetName(c.Control);
      b->SetParent(Form);
      b->SetBounds(x, y, 120, 24);
      if ((y += 28) > 300) y = 8, x += 126;
    }
    // Each pair of aging and logo buttons in its own box, as on their pages.
    for (int pair = 0; pair < 2; ++pair) {
      auto* box = new TPanel(Form);
      box->SetParent(Form);
      box->SetBounds(8 + pair * 130, 316, 124, 36);
      for (int i = 0; i < 2; ++i) {
        auto* rb = new TcxRadioButton(Form);
        rb->SetName(MouseDownButtons[pair * 2 + i]);
        rb->SetParent(box);
        rb->SetBounds(4 + i * 60, 8, 56, 20);
      }
    }
    BindPanelControls(Form, Pages);
  }
  ~TPagesForm() { Form->Free(); }
  TMenuItem* FindMenuItem(const String& name) { return dynamic_cast<TMenuItem*>(Form->FindComponent(name)); }

  // A press as the operator's: through the button's window, or the menu's choice.
  void Press(const String& name) {
    if (TMenuItem* item = FindMenuItem(name)) {
      item->Click();
    } else {
      SendMessageW(static_cast<TWinControl*>(Form->FindComponent(name))->Handle(), BM_CLICK, 0, 0);
    }
    test_support::Pump();
  }
  TcxRadioButton* Radio(const String& name) { return static_cast<TcxRadioButton*>(Form->FindComponent(name)); }

  TTestPages Pages;
  test_support::THostForm* Form;
};

class PanelCommandsTest : public link_test::TPeerTest {
 protected:
  void SetUp() override {
    TPeerTest::SetUp();
    OpenSerial(Main);
  }
  void TearDown() override { OpenCommPorts(false); }
  std::string Com5(size_t frames) { return Received("com5", frames * 6).at("com5"); }
  TEventMain Main;
};

// --- One table over every control ------------------------------------------------------
struct TExpectedFrame {
  const wchar_t* Control;
  std::set<TPanelChoice> Checked;
  const char* Frame;
};

using C = TPanelChoice;
const TExpectedFrame ExpectedFrames[] = {
    {L"btnGetAddress", {}, "C6 FF 22 00 00 BB"},
    {L"BitbShowAddress", {}, "C6 FF 24 01 01 BB"},
    {L"btnLock", {}, "C6 11 22 67 01 BB"},
    {L"btnRefresh", {}, "C6 11 22 67 00 BB"},
    {L"BitBtn11", {C::FanAlwaysOn}, "C6 11 22 56 01 BB"},
    {L"BitBtn11", {C::FanAlwaysOff}, "C6 11 22 56 02 BB"},
    {L"BitBtn11", {C::FanAuto}, "C6 11 22 56 00 BB"},
    {L"Button1", {C::TiOne}, "C6 11 22 5C 01 BB"},
    {L"Button1", {}, "C6 11 22 5C 00 BB"},
    {L"Button8", {C::GroupA}, "C6 11 22 5B 00 BB"},
    {L"Button8", {}, "C6 11 22 5B 01 BB"},
    {L"btnRTDo", {}, "C6 11 22 60 00 BB"},  // neither 8bit nor 10bit
    {L"btnRTDo", {C::TenBit}, "C6 11 22 60 01 BB"},
    {L"Button3", {}, "C6 11 22 5F 01 BB"},
    {L"Button5", {}, "C6 11 22 FF 01 BB"},
    {L"btnDV", {}, "C6 11 22 65 00 BB"},
    {L"btnPC", {}, "C6 11 22 65 01 BB"},
    {L"cxButton3", {}, "C6 11 22 FD 01 BB"},
    {L"cxButton4", {}, "C6 11 22 FD 00 BB"},
    {L"cxButton1", {}, "C6 11 22 FE 00 BB"},
    {L"cxButton2", {}, "C6 11 22 FE 01 BB"},
    {L"nStill", {}, "C6 11 22 51 01 BB"},
    {L"N8", {}, "C6 11 22 53 01 BB"},
    {L"N10", {}, "C6 11 22 5E 00 BB"},
    {L"N11", {}, "C6 11 22 5D 01 BB"},
    {L"N19", {}, "C6 11 22 F1 01 BB"},
    {L"N20", {}, "C6 11 22 F1 00 BB"},
    {L"N21", {}, "C6 11 22 F2 00 BB"},
    {L"N22", {}, "C6 11 22 F2 01 BB"},
    {L"N18", {}, "C6 11 22 FF 01 BB"},
};

TEST_F(PanelCommandsTest, EveryControlAndMenuItemSendsItsOneFrameToTheSelection) {
  TPagesForm pages;
  link_test::TNoPause fast;
  for (const TExpectedFrame& e : ExpectedFrames) {
    SCOPED_TRACE(UTF8Encode(e.Control));
    ResetChannels();
    Events().clear();
    pages.Pages.On = e.Checked;
    pages.Press(e.Control);
    const auto got = Received("com5", 6);
    EXPECT_EQ(got.at("com5"), e.Frame);
    EXPECT_EQ(got.at("com6") + got.at("com7") + got.at("tcp"), "");
    EXPECT_EQ(Events().size(), 1u) << "one frame, one echo line";
  }
  // The table that wires the form is the one tested: nothing left out.
  std::set<String> tested = {L"btnSetAddr", L"BitBtn7"};
  for (const TExpectedFrame& e : ExpectedFrames) tested.insert(e.Control);
  for (const wchar_t* name : MouseDownButtons) tested.insert(name);
  std::set<String> wired;
  for (const TPanelControl& c : PanelControls()) wired.insert(c.Control);
  EXPECT_EQ(wired, tested);
}

// Lock, unlock and the pop-up commands address the selection fields of the
// last mouse-up, 0,0 before any; the show frames carry no panel address.
TEST_F(PanelCommandsTest, SelectionCommandsFollowTheFieldsAndAddressingFramesDoNot) {
  TPagesForm pages;
  link_test::TNoPause fast;
  struct {
    TWallSelection Selection;
    const wchar_t* Control;
    const char* Frame;
  } cases[] = {
      {{0, 0, 0, 0}, L"nStill", "C6 00 00 51 01 BB"},
      {{0, 0, 0, 0}, L"btnLock", "C6 00 00 67 01 BB"},
      {{2, 3, 2, 3}, L"btnRefresh", "C6 23 23 67 00 BB"},
      {{1, 1, 3, 2}, L"N22", "C6 11 32 F2 01 BB"},
      {{0, 0, 0, 0}, L"btnGetAddress", "C6 FF 22 00 00 BB"},
      {{15, 15, 15, 15}, L"BitbShowAddress", "C6 FF 24 01 01 BB"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(UTF8Encode(c.Control));
    ResetChannels();
    Main.Selection = c.Selection;
    pages.Press(c.Control);
    EXPECT_EQ(Com5(1), c.Frame);
  }
}

// "自动" with "手动设置": the mode, then the run and off values 100 ms apart.
TEST_F(PanelCommandsTest, TheFanApplySendsTheModeThenTheManualValues) {
  TPagesForm pages;
  struct {
    std::set<TPanelChoice> Checked;
    const wchar_t *Run, *Off;
    std::vector<String> Events;
  } cases[] = {
      {{C::FanAuto, C::FanManual},
       L"19",
       L"26",
       {L"pause 20", L"->C6,11,22,56,00,BB", L"pause 20", L"->C6,11,22,AA,13,BB", L"pause 100", L"pause 20",
        L"->C6,11,22,AB,1A,BB"}},
      {{C::FanAlwaysOff, C::FanManual},
       L"300",
       L"0",
       {L"pause 20", L"->C6,11,22,56,02,BB", L"pause 20", L"->C6,11,22,AA,2C,BB", L"pause 100", L"pause 20",
        L"->C6,11,22,AB,00,BB"}},
      {{C::FanAlwaysOn}, L"x", L"y", {L"pause 20", L"->C6,11,22,56,01,BB"}},
      // No mode button checked: only the manual values.
      {{C::FanManual}, L"1", L"2",
       {L"pause 20", L"->C6,11,22,AA,01,BB", L"pause 100", L"pause 20", L"->C6,11,22,AB,02,BB"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Events.size());
    ResetChannels();
    pages.Pages.On = c.Checked;
    pages.Pages.RunValue = c.Run;
    pages.Pages.OffValue = c.Off;
    {
      TRecordedPauses pauses;
      pages.Press(L"BitBtn11");
      EXPECT_EQ(Events(), c.Events);
    }
    size_t frames = 0;
    for (const String& e : c.Events) frames += e.rfind(L"->", 0) == 0;
    Com5(frames);
  }
  ResetChannels();
  pages.Pages.On = {C::FanAuto, C::FanManual};
  pages.Pages.RunValue = L"19";
  pages.Pages.OffValue = L"26";
  {
    TRecordedPauses pauses;
    pages.Press(L"BitBtn11");
  }
  EXPECT_EQ(Com5(3), "C6 11 22 56 00 BB C6 11 22 AA 13 BB C6 11 22 AB 1A BB");
}

// --- Aging and logo: on the press ---------------------------------------------------------
TEST_F(PanelCommandsTest, AgingAndLogoSendOnEveryPressAlsoWhenCheckedAndNotOnAClick) {
  TPagesForm pages;
  link_test::TNoPause fast;
  pages.Radio(L"rbCloseAM")->SetChecked(true);
  pages.Radio(L"rbCloseLogo")->SetChecked(true);
  pages.Form->Show();
  SetForegroundWindow(pages.Form->Handle());
  test_support::PumpFor(200);
  ClickAt(pages.Radio(L"rbCloseLogo"), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  ClickAt(pages.Radio(L"rbCloseLogo"), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  ClickAt(pages.Radio(L"rbOpenLogo"), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  ClickAt(pages.Radio(L"rbOpenAM"), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  ClickAt(pages.Radio(L"rbCloseAM"), MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP);
  EXPECT_TRUE(pages.Radio(L"rbOpenAM")->Checked() || pages.Radio(L"rbCloseAM")->Checked());
  EXPECT_EQ(Com5(5),
            "C6 11 22 66 00 BB C6 11 22 66 00 BB C6 11 22 66 01 BB "
            "C6 11 22 F1 01 BB C6 11 22 F1 00 BB");
  // Moving the choice with the keyboard clicks without a press: nothing goes out.
  ResetChannels();
  pages.Radio(L"rbOpenLogo")->SetFocus();
  test_support::PumpFor(50);
  PressKey(VK_RIGHT);
  EXPECT_TRUE(pages.Radio(L"rbCloseLogo")->Checked()) << "the key moved the choice";
  EXPECT_EQ(Received("com5", 1).at("com5"), "");
  for (const wchar_t* name : MouseDownButtons) EXPECT_FALSE(pages.Radio(name)->OnClick) << UTF8Encode(name);
}

TEST_F(PanelCommandsTest, ManualDebugOpensTheDebugWindow) {
  TPagesForm pages;
  std::unique_ptr<TForm6, void (*)(TForm6*)> debug{TCustomForm::Create<TForm6>(nullptr), [](TForm6* f) { f->Free(); }};
  ASSERT_FALSE(debug->Visible());
  pages.Press(L"BitBtn7");
  EXPECT_TRUE(debug->Visible());
  EXPECT_EQ(Received("com5", 1).at("com5"), "") << "and sends nothing";
}

// --- Addressing ------------------------------------------------------------------------------
TEST_F(PanelCommandsTest, SetAddressSendsSerialRowAndColumnLowBytesWithTheirPauses) {
  TPagesForm pages;
  struct {
    const wchar_t *Serial, *Row, *Column;
    const char* Frames;
  } cases[] = {
      {L"9029", L"2", L"3", "C6 FF 23 23 45 BB C6 FF 20 02 01 BB C6 FF 21 03 01 BB"},
      {L"255", L"1", L"1", "C6 FF 23 00 FF BB C6 FF 20 01 01 BB C6 FF 21 01 01 BB"},
      {L"65535", L"15", L"15", "C6 FF 23 FF FF BB C6 FF 20 0F 01 BB C6 FF 21 0F 01 BB"},
      // No range check: only the low bytes travel.
      {L"65792", L"258", L"16", "C6 FF 23 01 00 BB C6 FF 20 02 01 BB C6 FF 21 10 01 BB"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(UTF8Encode(c.Serial));
    ResetChannels();
    pages.Pages.SetAddressFields(c.Serial, c.Row, c.Column);
    TMessages messages;
    {
      TRecordedPauses pauses;
      pages.Press(L"btnSetAddr");
      ASSERT_EQ(Events().size(), 8u);
      EXPECT_EQ(Events()[0], L"pause 20");
      EXPECT_EQ(Events()[2], L"pause 100");
      EXPECT_EQ(Events()[3], L"pause 20");
      EXPECT_EQ(Events()[5], L"pause 100");
      EXPECT_EQ(Events()[6], L"pause 20");
    }
    const auto got = Received("com5", 18);
    EXPECT_EQ(got.at("com5"), c.Frames);
    EXPECT_EQ(got.at("com6") + got.at("com7") + got.at("tcp"), "");
    EXPECT_TRUE(messages.Texts.empty());
  }
}

// The one real-time case: each frame at least 100 ms after the one before.
TEST_F(PanelCommandsTest, AddressFramesAreAtLeastAHundredMillisecondsApart) {
  TPagesForm pages;
  pages.Press(L"btnSetAddr");
  ASSERT_EQ(Com5(3), "C6 FF 23 23 45 BB C6 FF 20 02 01 BB C6 FF 21 03 01 BB");
  const std::vector<int64_t> times = peer.ByteTimes("com5");
  ASSERT_EQ(times.size(), 18u);
  EXPECT_GE(times[6] - times[5], 100000) << "microseconds between serial number and row";
  EXPECT_GE(times[12] - times[11], 100000) << "microseconds between row and column";
}

// A field that is no number stops the sequence where it is read: what went
// before stays sent, and the operator sees the runtime's conversion error.
TEST_F(PanelCommandsTest, AFieldThatIsNoNumberStopsTheSequenceAtItsFrame) {
  TPagesForm pages;
  link_test::TNoPause fast;
  struct {
    const wchar_t *Serial, *Row, *Column;
    const char* Frames;
    size_t Count;
    const wchar_t* Message;
  } cases[] = {
      {L"9029", L"2", L"12a", "C6 FF 23 23 45 BB C6 FF 20 02 01 BB", 2, L"'12a' is not a valid integer value."},
      {L"9029", L"", L"3", "C6 FF 23 23 45 BB", 1, L"'' is not a valid integer value."},
      {L"9O29", L"2", L"3", "", 0, L"'9O29' is not a valid integer value."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(UTF8Encode(c.Column));
    ResetChannels();
    pages.Pages.SetAddressFields(c.Serial, c.Row, c.Column);
    TMessages messages;
    pages.Press(L"btnSetAddr");
    EXPECT_EQ(Received("com5", c.Count ? c.Count * 6 : 1).at("com5"), c.Frames);
    ASSERT_EQ(messages.Texts.size(), 1u);
    EXPECT_EQ(messages.Texts[0], c.Message);
  }
}

// --- The pages read from the form's own controls ----------------------------------------------
// The main window's radio buttons and fields, each group in its own box as on
// its page ("手动设置" apart from the three modes, so both can be checked).
class TRealPagesForm {
 public:
  TRealPagesForm() {
    Form = test_support::MakeForm(560, 300);
    const std::vector<std::vector<const wchar_t*>> groups = {{L"RadioButton1", L"RadioButton2", L"RadioButton3"},
                                                             {L"RadioButton4"},
                                                             {L"RadioButton5", L"RadioButton6"},
                                                             {L"RadioButton7", L"RadioButton8"},
                                                             {L"rb8bit", L"rb10bit"}};
    int y = 8;
    for (const auto& group : groups) {
      auto* box = new TPanel(Form);
      box->SetParent(Form);
      box->SetBounds(8, y, 300, 32);
      y += 36;
      int x = 4;
      for (const wchar_t* name : group) {
        auto* rb = new TcxRadioButton(Form);
        rb->SetName(name);
        rb->SetParent(box);
        rb->SetBounds(x, 6, 90, 20);
        x += 96;
      }
    }
    y = 8;
    for (const wchar_t* name : {L"LabeledEdit1", L"LabeledEdit2"}) Field(new TLabeledEdit(Form), name, y);
    for (const wchar_t* name : {L"cxtxtdt1", L"edtRow", L"edtCol"}) Field(new TcxTextEdit(Form), name, y);
    int x = 8;
    for (const wchar_t* name : {L"BitBtn11", L"Button1", L"Button8", L"btnRTDo", L"btnSetAddr"}) {
      auto* b = new TButton(Form);
      b->SetName(name);
      b->SetParent(Form);
      b->SetBounds(x, 220, 90, 24);
      x += 96;
    }
    BindPanelControls(Form);
  }
  ~TRealPagesForm() { Form->Free(); }
  template <class T>
  T* Find(const wchar_t* name) {
    return dynamic_cast<T*>(Form->FindComponent(name));
  }
  void Check(std::initializer_list<const wchar_t*> names) {
    for (const wchar_t* name : names) Find<TcxRadioButton>(name)->SetChecked(true);
  }
  void Type(const wchar_t* field, const wchar_t* text) { Find<TControl>(field)->SetText(text); }
  void Press(const wchar_t* button) { app_test::Press(Find<TButton>(button)); }
  test_support::THostForm* Form;

 private:
  void Field(TWinControl* field, const wchar_t* name, int& y) {
    field->SetName(name);
    field->SetParent(Form);
    field->SetBounds(400, y, 100, 21);
    y += 30;
  }
};

TEST_F(PanelCommandsTest, WiredByNameTheHandlersReadTheFormsOwnButtonsAndFields) {
  TRealPagesForm pages;
  link_test::TNoPause fast;
  pages.Check({L"RadioButton3", L"RadioButton4", L"RadioButton6", L"RadioButton8"});
  pages.Type(L"LabeledEdit1", L"19");
  pages.Type(L"LabeledEdit2", L"26");
  pages.Press(L"BitBtn11");
  EXPECT_EQ(Com5(3), "C6 11 22 56 00 BB C6 11 22 AA 13 BB C6 11 22 AB 1A BB");
  ResetChannels();
  pages.Press(L"Button1");
  pages.Press(L"Button8");
  pages.Press(L"btnRTDo");  // neither 8bit nor 10bit
  pages.Check({L"RadioButton2", L"RadioButton5", L"RadioButton7", L"rb10bit"});
  pages.Find<TcxRadioButton>(L"RadioButton4")->SetChecked(false);
  pages.Press(L"Button1");
  pages.Press(L"Button8");
  pages.Press(L"btnRTDo");
  pages.Press(L"BitBtn11");
  EXPECT_EQ(Com5(7),
            "C6 11 22 5C 00 BB C6 11 22 5B 01 BB C6 11 22 60 00 BB "
            "C6 11 22 5C 01 BB C6 11 22 5B 00 BB C6 11 22 60 01 BB C6 11 22 56 02 BB");
  ResetChannels();
  pages.Type(L"cxtxtdt1", L"9029");
  pages.Type(L"edtRow", L"2");
  pages.Type(L"edtCol", L"12a");
  TMessages messages;
  pages.Press(L"btnSetAddr");
  EXPECT_EQ(Com5(2), "C6 FF 23 23 45 BB C6 FF 20 02 01 BB");
  ASSERT_EQ(messages.Texts.size(), 1u);
  EXPECT_EQ(messages.Texts[0], L"'12a' is not a valid integer value.");
}

}  // namespace
