// Edit buttons under the real pointer: a press and a release over one button
// click it once; a release elsewhere does not; a value written by code clicks
// nothing. The editor with its buttons is captured for a person to look at.
#include <gtest/gtest.h>

#include "editcontrol_test_support.h"
#include "support/WindowCapture.h"

using namespace editcontrol_test;

namespace {

const auto* const GEnvironment = testing::AddGlobalTestEnvironment(new edit_test::TEditUnits);

void PumpFor(DWORD AMilliseconds) {
  const DWORD start = GetTickCount();
  do {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    Application->ProcessMessages();
  } while (GetTickCount() - start < AMilliseconds);
}

void MoveTo(const TPoint& P) {
  SetCursorPos(P.X, P.Y);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = MOUSEEVENTF_MOVE;
  SendInput(1, &input, sizeof(INPUT));
  PumpFor(60);
}

void LeftButton(bool ADown) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = ADown ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &input, sizeof(INPUT));
  PumpFor(120);
}

class TButtonsFixture : public testing::Test {
 protected:
  void SetUp() override {
    Form = test_support::MakeForm(300, 120);
    Edit = new TTestEdit(Form);
    Edit->HorzAnchor = false;
    Edit->SetAutoSize(false);
    Edit->SetParent(Form);
    Edit->SetBounds(20, 20, 160, 21);
    Edit->Properties()->Buttons()->Add()->SetKind(bkEllipsis);
    Edit->Properties()->Buttons()->Add()->SetKind(bkDown);
    Edit->Properties()->OnButtonClick = TcxEditButtonClickEvent(&Log, &TEditLog::ButtonClick);
    Edit->SetEditValue(Variant(L"Wall 3"));
    // The classic look, drawn the same in every prefix.
    Edit->Style()->LookAndFeel()->SetNativeStyle(false);
    Edit->Style()->LookAndFeel()->SetKind(lfStandard);
    Form->Show();
    SetForegroundWindow(Form->Handle());
    PumpFor(100);
  }
  void TearDown() override {
    LeftButton(false);
    delete Form;
  }
  // The screen point at the centre of a part: a button's index, or -1 for the text.
  TPoint PartCentre(int APart) {
    const TRect r = Edit->EditViewInfo()->GetPartRect(APart);
    return Edit->ClientToScreen(TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
  }

  test_support::THostForm* Form = nullptr;
  TTestEdit* Edit = nullptr;
  TEditLog Log;
};

TEST_F(TButtonsFixture, APressAndAReleaseOverOneButtonClickItOnce) {
  ASSERT_EQ(Edit->EditViewInfo()->ButtonCount(), 2);
  MoveTo(PartCentre(1));
  LeftButton(true);
  EXPECT_EQ(Edit->EditViewInfo()->PressedButton, 1);
  EXPECT_TRUE(Log.ButtonClicks.empty()) << "the press alone clicks nothing";
  LeftButton(false);
  EXPECT_EQ(Log.ButtonClicks, std::vector<int>{1});
  EXPECT_EQ(Edit->EditViewInfo()->PressedButton, -1);

  // Twice on the first one.
  MoveTo(PartCentre(0));
  for (int i = 0; i < 2; ++i) {
    LeftButton(true);
    LeftButton(false);
    PumpFor(GetDoubleClickTime() + 50);
  }
  EXPECT_EQ(Log.ButtonClicks, (std::vector<int>{1, 0, 0}));
}

TEST_F(TButtonsFixture, AReleaseElsewhereClicksNothing) {
  struct TCase {
    const char* Name;
    int From, To;  // parts; -1 the text, -3 outside the editor
  };
  const TCase cases[] = {{"onto the text", 0, -1}, {"onto the other button", 0, 1}, {"off the editor", 1, -3}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Log.Reset();
    MoveTo(PartCentre(c.From));
    LeftButton(true);
    EXPECT_EQ(Edit->EditViewInfo()->PressedButton, c.From);
    MoveTo(c.To == -3 ? Edit->ClientToScreen(TPoint{80, 60}) : PartCentre(c.To));
    LeftButton(false);
    EXPECT_TRUE(Log.ButtonClicks.empty());
    EXPECT_EQ(Edit->CapturedButton(), -1);
    PumpFor(GetDoubleClickTime() + 50);
  }
}

TEST_F(TButtonsFixture, AValueByCodeClicksNothingAndTheEditorLooksRight) {
  Edit->ClickOnValueChange = true;
  Edit->OnClick = TNotifyEvent(&Log, &TEditLog::Click);
  Edit->SetEditValue(Variant(L"Wall 12"));
  EXPECT_EQ(Log.Clicks, 0);
  EXPECT_TRUE(Log.ButtonClicks.empty());
  // The same change made for the user clicks.
  Edit->AssignEditValueWithClick(Variant(L"Wall 13"));
  EXPECT_EQ(Log.Clicks, 1);

  MoveTo(Form->ClientToScreen(TPoint{250, 100}));
  Edit->Invalidate();
  PumpFor(100);
  const vamire_test::Capture shot = vamire_test::CaptureClient(Edit->Handle());
  ASSERT_EQ(shot.Width, 160);
  shot.SavePng(L"editcontrol_buttons.png");
  // Text in the content area; each button shows its mark (dots, arrow) on the face colour.
  auto darkIn = [&](const TRect& R) {
    int dark = 0;
    for (int y = R.Top; y < R.Bottom; ++y)
      for (int x = R.Left; x < R.Right; ++x)
        if ((shot.At(x, y) & 0xFF) < 0x80) ++dark;
    return dark;
  };
  EXPECT_GT(darkIn(Edit->EditViewInfo()->GetPartRect(-1)), 10) << "the text is drawn";
  for (int i = 0; i < 2; ++i) {
    const TRect button = Edit->EditViewInfo()->GetPartRect(i);
    EXPECT_GE(darkIn(TRect{button.Left + 2, button.Top + 2, button.Right - 2, button.Bottom - 2}), 3) << i;
    const TColor face = ColorToRGB(clBtnFace);
    EXPECT_EQ(shot.At(button.Left + 3, button.Top + 3),
              uint32_t((face & 0xFF) << 16 | (face & 0xFF00) | (face >> 16 & 0xFF))) << i;
  }
}

}  // namespace
