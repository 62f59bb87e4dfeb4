// Labels (sizing, accelerator, the focus control's lifetime), group boxes,
// scroll bars driven by the scroll messages their parent reflects, and a
// picture of a form holding all the standard controls.
#include "support/WindowCapture.h"
#include "stdctrls_test_support.h"

using namespace stdctrls_test;

namespace {

// --- Label ---------------------------------------------------------------------------------
TEST_F(StdCtrlsTest, LabelSizesItselfToItsText) {
  struct Case {
    const char* Name;
    TAlignment Alignment;
    int RightEdgeMoves;  // 1: the right edge stays, 0: the left edge stays
  };
  const Case cases[] = {{"left", taLeftJustify, 0}, {"right", taRightJustify, 1}, {"centre", taCenter, -1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    auto* label = Put<TLabel>(Form, 100, 10, L"Short");
    label->SetAlignment(c.Alignment);
    const TRect before = label->BoundsRect();
    label->SetCaption(L"A much longer caption");
    const TRect after = label->BoundsRect();
    EXPECT_GT(after.Right - after.Left, before.Right - before.Left);
    if (c.RightEdgeMoves == 0) {
      EXPECT_EQ(after.Left, before.Left);
    } else if (c.RightEdgeMoves == 1) {
      EXPECT_EQ(after.Right, before.Right);
    } else {
      EXPECT_NEAR((after.Left + after.Right) / 2, (before.Left + before.Right) / 2, 1);
    }
    label->Free();
  }
}

TEST_F(StdCtrlsTest, LabelAutoSizeEdges) {
  auto* label = Put<TLabel>(Form, 10, 10, L"One line");
  const int lineHeight = label->Height();
  EXPECT_GT(lineHeight, 5);
  // An empty caption still measures a line.
  label->SetCaption(L"");
  EXPECT_EQ(label->Height(), lineHeight);
  // Word wrap breaks the text within the width and grows downwards.
  label->SetCaption(L"several words that cannot fit on one line");
  label->SetAutoSize(false);
  label->SetWidth(60);
  label->SetWordWrap(true);
  label->SetAutoSize(true);
  EXPECT_LE(label->Width(), 60);
  EXPECT_GT(label->Height(), 2 * lineHeight);
  // Without AutoSize nothing moves.
  label->SetAutoSize(false);
  const TRect fixed = label->BoundsRect();
  label->SetCaption(L"x");
  EXPECT_EQ(label->BoundsRect().Right, fixed.Right);
  EXPECT_EQ(label->BoundsRect().Bottom, fixed.Bottom);
  // The accelerator mark takes no room unless shown as it is.
  label->SetWordWrap(false);
  label->SetAutoSize(true);
  label->SetCaption(L"&File");
  const int marked = label->Width();
  label->SetShowAccelChar(false);
  EXPECT_GT(label->Width(), marked);
}

TEST_F(StdCtrlsTest, LabelAcceleratorFocusesItsControl) {
  auto* edit = Put<TEdit>(Form, 100, 10);
  auto* label = Put<TLabel>(Form, 10, 10, L"&Name");
  label->SetFocusControl(edit);
  Form->Show();
  Pump();
  EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, L'q', 0), 0);
  EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, L'n', 0), 1);
  EXPECT_TRUE(edit->Focused());
}

// The label holds its focus control without owning it: freeing the control
// clears the reference, and the accelerator then does nothing.
TEST_F(StdCtrlsTest, LabelForgetsAFreedFocusControl) {
  auto* label = Put<TLabel>(Form, 10, 10, L"&Name");
  auto* edit = Put<TEdit>(Form, 100, 10);
  label->SetFocusControl(edit);
  edit->Free();
  EXPECT_EQ(label->FocusControl(), nullptr);
  EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, L'n', 0), 0);
  // Changing the control moves the subscription.
  auto* first = Put<TEdit>(Form, 100, 10);
  auto* second = Put<TEdit>(Form, 100, 50);
  label->SetFocusControl(first);
  label->SetFocusControl(second);
  first->Free();
  EXPECT_EQ(label->FocusControl(), second);
}

// An opaque label fills its bounds with its colour; a transparent one shows
// its parent through.
TEST_F(StdCtrlsTest, LabelTransparency) {
  struct Case {
    const char* Name;
    bool Transparent;
    uint32_t Background;
  };
  const Case cases[] = {{"opaque", false, 0xFFFF00}, {"transparent", true, 0xFF0000}};
  Form->SetColor(clRed);
  Form->Show();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    auto* label = Put<TLabel>(Form, 20, 20, L"Text");
    label->SetAutoSize(false);
    label->SetBounds(20, 20, 120, 40);
    label->SetColor(clYellow);
    label->SetTransparent(c.Transparent);
    Pump();
    UpdateWindow(Form->Handle());
    const vamire_test::Capture shot = vamire_test::CaptureClient(Form->Handle());
    EXPECT_EQ(shot.At(130, 50), c.Background);  // right of the text, inside the label
    EXPECT_EQ(shot.At(150, 50), 0xFF0000u);     // outside the label
    label->Free();
  }
}

// --- Group box -------------------------------------------------------------------------------
TEST_F(StdCtrlsTest, GroupBoxPlacesChildrenBelowItsCaption) {
  auto* group = Put<TGroupBox>(Form, 10, 10, L"&Options");
  auto* inner = Put<TEdit>(group, 0, 0);
  inner->SetAlign(alClient);
  EXPECT_GT(inner->Top(), 5);
  EXPECT_GT(inner->Left(), 0);
  EXPECT_LT(inner->Left() + inner->Width(), group->Width());
  EXPECT_LT(inner->Top() + inner->Height(), group->Height());
  const int top = inner->Top();
  group->Font()->SetHeight(-30);
  EXPECT_GT(inner->Top(), top);

  Form->Show();
  Pump();
  EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, L'o', 0), 1);
  EXPECT_TRUE(inner->Focused());
}

// --- Scroll bar ------------------------------------------------------------------------------
struct TScrollLog : TObject {
  std::vector<std::pair<TScrollCode, int>> Calls;
  int Changes = 0;
  int Override = -1;  // when set, OnScroll moves the position there
  void Scroll(TObject*, TScrollCode Code, int& Pos) {
    Calls.emplace_back(Code, Pos);
    if (Override >= 0) Pos = Override;
  }
  void Change(TObject*) { ++Changes; }
};

TEST_F(StdCtrlsTest, ScrollBarFollowsScrollRequests) {
  auto* bar = Put<TScrollBar>(Form, 10, 10);
  bar->SetParams(50, 0, 100);
  bar->SetSmallChange(2);
  bar->SetLargeChange(10);
  TScrollLog log;
  bar->OnScroll = TScrollEvent(&log, &TScrollLog::Scroll);
  bar->OnChange = TNotifyEvent(&log, &TScrollLog::Change);
  struct Case {
    const char* Name;
    WORD Code;
    int Position;
  };
  const Case cases[] = {
      {"line down", SB_LINEDOWN, 52}, {"line up", SB_LINEUP, 50},     {"page down", SB_PAGEDOWN, 60},
      {"page up", SB_PAGEUP, 50},     {"bottom", SB_BOTTOM, 100},     {"page past the end", SB_PAGEDOWN, 100},
      {"top", SB_TOP, 0},             {"line before the start", SB_LINEUP, 0}, {"end of scroll", SB_ENDSCROLL, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    log.Calls.clear();
    // The parent receives the request and reflects it to the bar.
    SendMessageW(Form->Handle(), WM_HSCROLL, MAKEWPARAM(c.Code, 0), reinterpret_cast<LPARAM>(bar->Handle()));
    EXPECT_EQ(bar->Position(), c.Position);
    EXPECT_EQ(GetScrollPos(bar->Handle(), SB_CTL), c.Position);
    ASSERT_EQ(log.Calls.size(), 1u);
    EXPECT_EQ(log.Calls[0].first, TScrollCode(c.Code));
  }
  // Changes are reported only when the position moved.
  EXPECT_EQ(log.Changes, 6);
  // OnScroll may put the position elsewhere.
  log.Override = 33;
  SendMessageW(Form->Handle(), WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), reinterpret_cast<LPARAM>(bar->Handle()));
  EXPECT_EQ(bar->Position(), 33);
}

// A thumb drag reports positions beyond the 16 bits of the message.
TEST_F(StdCtrlsTest, ScrollBarThumbTrackBeyondSixteenBits) {
  auto* bar = Put<TScrollBar>(Form, 10, 10);
  bar->SetKind(sbVertical);
  bar->SetParams(0, 0, 200000);
  SCROLLINFO si{sizeof si, SIF_POS, 0, 0, 0, 150000, 0};
  SetScrollInfo(bar->Handle(), SB_CTL, &si, FALSE);
  // Without a real drag the bar answers its position as the track position.
  SendMessageW(Form->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, WORD(150000 & 0xFFFF)),
               reinterpret_cast<LPARAM>(bar->Handle()));
  EXPECT_EQ(bar->Position(), 150000);
}

TEST_F(StdCtrlsTest, ScrollBarParams) {
  auto* bar = Put<TScrollBar>(Form, 10, 10);
  TScrollLog log;
  bar->OnChange = TNotifyEvent(&log, &TScrollLog::Change);
  bar->SetParams(500, 0, 100);
  EXPECT_EQ(bar->Position(), 100);
  bar->SetParams(-5, 10, 20);
  EXPECT_EQ(bar->Position(), 10);
  EXPECT_EQ(log.Changes, 2);
  bar->SetParams(10, 0, 20);  // only the range changes
  EXPECT_EQ(log.Changes, 2);
  EXPECT_THROW(bar->SetParams(0, 5, 4), EInvalidOperation);
  EXPECT_EQ(bar->Min(), 0);
  EXPECT_EQ(bar->Max(), 20);
  // With a page, the position stops where the thumb reaches the end.
  bar->SetPageSize(5);
  bar->SetPosition(20);
  EXPECT_EQ(bar->Position(), 16);
  EXPECT_EQ(GetScrollPos(bar->Handle(), SB_CTL), 16);
  EXPECT_THROW(bar->SetPageSize(22), EInvalidOperation);
  // Kind swaps the sides and makes a vertical window.
  const int w = bar->Width(), h = bar->Height();
  bar->SetKind(sbVertical);
  EXPECT_EQ(bar->Width(), h);
  EXPECT_EQ(bar->Height(), w);
  EXPECT_EQ(GetWindowLongPtrW(bar->Handle(), GWL_STYLE) & SBS_VERT, SBS_VERT);
  EXPECT_EQ(GetScrollPos(bar->Handle(), SB_CTL), 16);
}

// --- A form of standard controls ----------------------------------------------------------
TEST_F(StdCtrlsTest, FormOfStandardControlsPaints) {
  Form->SetCaption(L"Standard controls");
  auto* group = Put<TGroupBox>(Form, 10, 10, L"Connection");
  group->SetBounds(10, 10, 190, 150);
  auto* label = Put<TLabel>(group, 10, 24, L"&Port:");
  auto* edit = Put<TEdit>(group, 60, 20);
  edit->SetText(L"COM5");
  label->SetFocusControl(edit);
  Put<TRadioButton>(group, 10, 56, L"Serial")->SetChecked(true);
  Put<TRadioButton>(group, 10, 80, L"Network");
  auto* box = Put<TCheckBox>(group, 10, 110, L"Debug echo");
  box->SetAllowGrayed(true);
  box->SetState(cbGrayed);
  auto* memo = Put<TMemo>(Form, 210, 16);
  memo->SetScrollBars(ssVertical);
  memo->Lines()->Add(L"->AA,01,02");
  memo->Lines()->Add(L"->AB,01,02");
  auto* bar = Put<TScrollBar>(Form, 10, 170);
  bar->SetBounds(10, 170, 385, 17);
  bar->SetPosition(30);
  auto* ok = Put<TButton>(Form, 240, 240, L"OK");
  ok->SetDefault(true);
  Put<TButton>(Form, 320, 240, L"Cancel");
  Form->Show();
  Pump();
  UpdateWindow(Form->Handle());
  const vamire_test::Capture shot = vamire_test::CaptureClient(Form->Handle());
  EXPECT_TRUE(shot.SavePng(L"stdctrls_form.png"));
  // The label drew its text: dark pixels inside its bounds.
  const TRect r = label->BoundsRect();
  int dark = 0;
  for (int y = group->Top() + r.Top; y < group->Top() + r.Bottom; ++y)
    for (int x = group->Left() + r.Left; x < group->Left() + r.Right; ++x) dark += (shot.At(x, y) & 0xFF) < 0x40;
  EXPECT_GT(dark, 10);
}

}  // namespace
