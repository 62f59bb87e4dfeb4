// The radio button under real pointer input: the siblings' unchecking and the
// click of the newly checked one only, the press reported before the checking,
// the pressed and hot looks while dragging, and a release outside that checks
// nothing.
#include <string>
#include <vector>

#include "boxes_test_support.h"

using namespace boxes_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TBoxUnits);

struct TRadioLog : TObject {
  std::vector<std::string> Events;
  void Click(TObject* Sender) { Events.push_back("click " + Name(Sender)); }
  void MouseDown(TObject* Sender, TMouseButton, TShiftState, int, int) {
    auto* radio = static_cast<TcxRadioButton*>(Sender);
    Events.push_back("down " + Name(Sender) + (radio->Checked() ? " checked" : " unchecked"));
  }
  static std::string Name(TObject* Sender) { return UTF8Encode(static_cast<TControl*>(Sender)->Name()); }
};

struct TRadioInput : testing::Test {
  THostForm* Form = MakeForm(320, 200);
  TPanel* Panel = new TPanel(Form);
  TcxRadioButton* Radios[3];
  TRadioLog Log;
  TRadioInput() {
    Panel->SetParent(Form);
    Panel->SetBounds(10, 10, 220, 120);
    for (int i = 0; i < 3; ++i) {
      Radios[i] = new TcxRadioButton(Form);
      Radios[i]->SetName(L"Radio" + IntToStr(i + 1));
      Radios[i]->SetCaption(L"Choice " + IntToStr(i + 1));
      Radios[i]->SetParent(Panel);
      Radios[i]->SetBounds(10, 10 + 32 * i, 150, 22);
      Radios[i]->LookAndFeel()->SetNativeStyle(false);
      Radios[i]->LookAndFeel()->SetKind(lfUltraFlat);
      Radios[i]->OnClick = TNotifyEvent(&Log, &TRadioLog::Click);
      Radios[i]->OnMouseDown = TMouseEvent(&Log, &TRadioLog::MouseDown);
    }
    Radios[0]->SetChecked(true);
    Log.Events.clear();
    Form->Show();
    SetForegroundWindow(Form->Handle());
    PumpFor(100);
  }
  ~TRadioInput() override {
    PointerTo(TPoint{1, 1});
    delete Form;
  }
  TPoint Inside(TcxRadioButton* R) { return R->ClientToScreen(TPoint{40, 11}); }
  std::vector<bool> Checks() { return {Radios[0]->Checked(), Radios[1]->Checked(), Radios[2]->Checked()}; }
};

TEST_F(TRadioInput, TheWindowIsOwnerDrawn) {
  EXPECT_EQ(GetWindowLongPtrW(Radios[1]->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
}

TEST_F(TRadioInput, OnlyTheNewlyCheckedSiblingClicksAndThePressComesFirst) {
  ClickAt(Inside(Radios[1]));
  EXPECT_EQ(Checks(), (std::vector<bool>{false, true, false}));
  EXPECT_EQ(Log.Events, (std::vector<std::string>{"down Radio2 unchecked", "click Radio2"}));
  Log.Events.clear();
  ClickAt(Inside(Radios[2]));
  EXPECT_EQ(Checks(), (std::vector<bool>{false, false, true}));
  EXPECT_EQ(Log.Events, (std::vector<std::string>{"down Radio3 unchecked", "click Radio3"}));
  // The chosen one reports its press too, and clicking it again changes nothing.
  Log.Events.clear();
  ClickAt(Inside(Radios[2]));
  EXPECT_EQ(Checks(), (std::vector<bool>{false, false, true}));
  EXPECT_EQ(Log.Events, (std::vector<std::string>{"down Radio3 checked"}));
  // Only the checked button of the group is a tab stop.
  EXPECT_EQ((std::vector<bool>{Radios[0]->TabStop(), Radios[1]->TabStop(), Radios[2]->TabStop()}),
            (std::vector<bool>{false, false, true}));
}

TEST_F(TRadioInput, PressDragOutAndReleaseChecksNothing) {
  TcxRadioButton* r = Radios[1];
  PointerTo(Inside(r));
  EXPECT_EQ(r->ButtonState(), rbsHot);
  PointerButton(MOUSEEVENTF_LEFTDOWN);
  EXPECT_EQ(r->ButtonState(), rbsPressed);
  EXPECT_TRUE(r->Focused()) << "a press focuses the button";
  EXPECT_FALSE(r->Checked()) << "but the focus that a press gives checks nothing";
  PointerTo(Form->ClientToScreen(TPoint{280, 170}));
  EXPECT_EQ(r->ButtonState(), rbsHot) << "held outside: hot";
  PointerTo(Inside(r));
  EXPECT_EQ(r->ButtonState(), rbsPressed) << "back inside: pressed again";
  PointerTo(Form->ClientToScreen(TPoint{280, 170}));
  PointerButton(MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(Checks(), (std::vector<bool>{true, false, false}));
  EXPECT_EQ(Log.Events, (std::vector<std::string>{"down Radio2 unchecked"}));
  PumpFor(300);
  EXPECT_EQ(r->ButtonState(), rbsNormal) << "the pointer left it";
}

TEST_F(TRadioInput, FocusingAnUncheckedButtonChecksItAndClicksOnce) {
  Radios[2]->SetFocus();
  PumpFor(50);
  EXPECT_EQ(Checks(), (std::vector<bool>{false, false, true}));
  EXPECT_EQ(Log.Events, (std::vector<std::string>{"click Radio3"}));
  // Coming back to the checked one does nothing.
  auto* edit = new TEdit(Form);
  edit->SetParent(Form);
  edit->SetBounds(240, 10, 60, 22);
  edit->SetFocus();
  Log.Events.clear();
  Radios[2]->SetFocus();
  PumpFor(50);
  EXPECT_TRUE(Radios[2]->Focused());
  EXPECT_TRUE(Log.Events.empty());
}

TEST_F(TRadioInput, ADisabledButtonTakesNoPressAndLooksDisabled) {
  Radios[1]->SetEnabled(false);
  EXPECT_EQ(Radios[1]->ButtonState(), rbsDisabled);
  ClickAt(Inside(Radios[1]));
  EXPECT_EQ(Checks(), (std::vector<bool>{true, false, false}));
  EXPECT_TRUE(Log.Events.empty());
  Radios[1]->SetEnabled(true);
  EXPECT_EQ(Radios[1]->ButtonState(), rbsHot) << "the pointer is over it";
}

}  // namespace
