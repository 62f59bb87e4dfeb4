// Hints: the hint window's class and size, CM_HINTSHOW letting the control
// change or refuse its hint, the pause before showing and hiding, and a
// click putting the hint away.
#include <gtest/gtest.h>

#include "Forms.h"
#include "support/WindowCapture.h"
#include "forms_test_support.h"

namespace {

class THintForm : public TForm {
  VAMIRE_CLASS(THintForm, TForm)
 public:
  using TForm::TForm;
};

// A control that answers CM_HINTSHOW: it records what it was offered and
// may change the text or refuse.
class THintPanel : public TCustomControl {
  VAMIRE_CLASS(THintPanel, TCustomControl)
 public:
  using TCustomControl::TCustomControl;
  bool Refuse = false;
  String Suffix;
  THintInfo Seen;
  int Asked = 0;

  void Dispatch(TMessage& Message) override {
    if (Message.Msg == CM_HINTSHOW) {
      auto* info = reinterpret_cast<THintInfo*>(Message.LParam);
      ++Asked;
      Seen = *info;
      info->HintStr += Suffix;
      Message.Result = Refuse ? 1 : 0;
      return;
    }
    inherited::Dispatch(Message);
  }
};

// Runs the loop until done() holds; false after a generous bound, so a
// broken hint fails instead of hanging.
template <class F>
bool PumpUntil(F done) {
  for (int i = 0; i < 400 && !done(); ++i) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    Application->ProcessMessages();
  }
  return done();
}

class HintTest : public testing::Test {
 protected:
  void SetUp() override {
    Form = TCustomForm::Create<THintForm>(nullptr);
    Form->SetBorderStyle(bsNone);
    Form->SetFormStyle(fsStayOnTop);  // above the windows of test programs running beside this one
    Form->SetBounds(100, 100, 300, 200);
    Panel = new THintPanel(Form);
    Panel->SetParent(Form);
    Panel->SetBounds(20, 20, 120, 60);
    Panel->SetHint(L"Short|The long hint");
    Panel->SetShowHint(true);
    Form->Show();
    Application->ProcessMessages();
  }
  void TearDown() override {
    Application->CancelHint();
    Application->SetHintPause(500);
    Application->SetHintHidePause(2500);
    Form->Free();
  }
  bool HintShowing() const {
    return Application->HintWindow() && IsWindowVisible(Application->HintWindow()->Handle());
  }
  TPoint PanelCentre() { return Panel->ClientToScreen(TPoint{60, 30}); }

  THintForm* Form = nullptr;
  THintPanel* Panel = nullptr;
};

TEST_F(HintTest, ShownWithWhatTheControlMakesOfIt) {
  Panel->Suffix = L" (changed)";
  Application->ActivateHint(PanelCentre());
  ASSERT_TRUE(HintShowing());
  THintWindow* hint = Application->HintWindow();
  EXPECT_EQ(WindowClassOf(hint->Handle()), L"THintWindow");
  EXPECT_EQ(hint->Caption(), L"Short (changed)") << "only the short part, as CM_HINTSHOW left it";
  EXPECT_EQ(Panel->Asked, 1);
  EXPECT_EQ(Panel->Seen.HintControl, Panel);
  EXPECT_EQ(Panel->Seen.CursorPos, (TPoint{60, 30}));
  EXPECT_EQ(Panel->Seen.CursorRect, (TRect{0, 0, 120, 60}));
  // Below the mouse, never activated.
  RECT r{};
  GetWindowRect(hint->Handle(), &r);
  EXPECT_GT(r.top, PanelCentre().Y);
  EXPECT_NE(GetActiveWindow(), hint->Handle());
  // The whole text on one line, in the hint colours.
  UpdateWindow(hint->Handle());
  const vamire_test::Capture shot = vamire_test::CaptureClient(hint->Handle());
  EXPECT_TRUE(shot.SavePng(L"forms_hint.png"));
  const COLORREF back = COLORREF(ColorToRGB(clInfoBk));
  const uint32_t backPixel = uint32_t(GetRValue(back)) << 16 | uint32_t(GetGValue(back)) << 8 | GetBValue(back);
  EXPECT_EQ(shot.At(shot.Width - 2, shot.Height - 2), backPixel);
  EXPECT_GT(shot.CountNot(backPixel), 20u) << "no text painted";
}

TEST_F(HintTest, RefusedOrSwitchedOffShowsNothing) {
  struct Case {
    const char* Name;
    bool Refuse, ShowHint;
  };
  const Case cases[] = {{"control refuses", true, true}, {"ShowHint off", false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Application->CancelHint();
    Panel->Refuse = c.Refuse;
    Panel->SetShowHint(c.ShowHint);
    Application->ActivateHint(PanelCentre());
    EXPECT_FALSE(HintShowing());
  }
}

TEST_F(HintTest, HintWindowSizeFollowsTheText) {
  Application->ActivateHint(PanelCentre());
  THintWindow* hint = Application->HintWindow();
  ASSERT_NE(hint, nullptr);
  const TRect one = hint->CalcHintRect(1000, L"Short", nullptr);
  const TRect longer = hint->CalcHintRect(1000, L"Short and a good deal longer", nullptr);
  const TRect wrapped = hint->CalcHintRect(60, L"Short and a good deal longer", nullptr);
  EXPECT_GT(longer.Right, one.Right);
  EXPECT_EQ(longer.Bottom, one.Bottom);
  EXPECT_LE(wrapped.Right, 60 + 6);
  EXPECT_GT(wrapped.Bottom, one.Bottom) << "a narrow hint breaks into lines";
  // Near the screen's corner it stays on the screen.
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  hint->ActivateHint(TRect{w - 10, h - 5, w - 10 + longer.Right, h - 5 + longer.Bottom}, L"Corner");
  RECT r{};
  GetWindowRect(hint->Handle(), &r);
  EXPECT_LE(r.right, w);
  EXPECT_LE(r.bottom, h);
}

// The mouse stops over the control: the hint shows after HintPause, goes
// after HintHidePause, and a click puts it away at once.
TEST_F(HintTest, MouseMovesShowAndHideIt) {
  Application->SetHintPause(0);
  Application->SetHintHidePause(0);  // no hide timer: stays until something puts it away
  const TPoint centre = PanelCentre();
  SetCursorPos(centre.X, centre.Y);
  PostMessageW(Panel->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(60, 30));
  ASSERT_TRUE(PumpUntil([&] { return HintShowing(); })) << "no hint after the pause";
  EXPECT_EQ(Application->Hint(), L"The long hint");
  PostMessageW(Panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 30));
  PostMessageW(Panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(60, 30));
  Application->ProcessMessages();
  EXPECT_FALSE(HintShowing()) << "a click leaves the hint up";

  Application->SetHintHidePause(30);
  Application->ActivateHint(centre);
  ASSERT_TRUE(HintShowing());
  EXPECT_TRUE(PumpUntil([&] { return !HintShowing(); })) << "the hint stays after HintHidePause";
}

}  // namespace
