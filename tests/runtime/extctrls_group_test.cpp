// The radio group (its buttons follow Items, ItemIndex and clicks agree) and
// the edit whose label follows it.
#include <gtest/gtest.h>

#include "ExtCtrls.h"
#include "extctrls_test_support.h"

using namespace extctrls_test;

namespace {

// --- Radio group -----------------------------------------------------------------------
struct TGroupScene {
  TClicks clicks;
  THost host{nullptr};
  TRadioGroup* group;
  TGroupScene() {
    host.SetBounds(40, 40, 300, 200);
    group = new TRadioGroup(&host);
    group->SetParent(&host);
    group->SetBounds(10, 10, 200, 120);
    group->SetCaption(L"Fan");
    group->Items()->Add(L"Open");
    group->Items()->Add(L"Close");
    group->Items()->Add(L"Auto");
    group->OnClick = clicks.Handler();
    host.Show();
  }
  std::string Checks() {
    std::string s;
    for (int i = 0; i < group->ButtonCount(); ++i) s += group->Buttons(i)->Checked() ? '1' : '0';
    return s;
  }
};

TEST(RadioGroupTest, ButtonsFollowTheItems) {
  TGroupScene s;
  ASSERT_EQ(s.group->ButtonCount(), 3);
  EXPECT_EQ(s.group->Buttons(1)->Caption(), L"Close");
  EXPECT_EQ(GetParent(s.group->Buttons(0)->Handle()), s.group->Handle());
  EXPECT_EQ(s.group->ComponentCount(), 0) << "the buttons are not streamed with the form";
  s.group->Items()->SetStrings(1, L"Shut");
  EXPECT_EQ(s.group->Buttons(1)->Caption(), L"Shut");
  s.group->SetItemIndex(2);
  s.group->Items()->Delete(2);
  EXPECT_EQ(s.group->ButtonCount(), 2);
  EXPECT_EQ(s.group->ItemIndex(), 1) << "an index past the end moves to the last item";
  s.group->Items()->Clear();
  EXPECT_EQ(s.group->ButtonCount(), 0);
  EXPECT_EQ(s.group->ItemIndex(), -1);
}

TEST(RadioGroupTest, ItemIndexAndTheCheckedButtonAgree) {
  TGroupScene s;
  EXPECT_EQ(s.group->ItemIndex(), -1);
  EXPECT_EQ(s.Checks(), "000");
  s.group->SetItemIndex(1);
  EXPECT_EQ(s.Checks(), "010");
  EXPECT_EQ(s.clicks.Count, 1) << "a change from code runs OnClick too";
  s.group->SetItemIndex(1);
  EXPECT_EQ(s.clicks.Count, 1) << "no change, no click";
  s.group->SetItemIndex(7);
  EXPECT_EQ(s.group->ItemIndex(), 2) << "kept inside the items";
  EXPECT_EQ(s.Checks(), "001");
  s.group->SetItemIndex(-1);
  EXPECT_EQ(s.Checks(), "000");

  // A click on a button, as the mouse gives it.
  SendMessageW(s.group->Buttons(0)->Handle(), BM_CLICK, 0, 0);
  PumpMessages();
  EXPECT_EQ(s.group->ItemIndex(), 0);
  EXPECT_EQ(s.Checks(), "100");
  EXPECT_EQ(s.clicks.Last, s.group);
}

TEST(RadioGroupTest, ColumnsShareTheWidthAndRows) {
  TGroupScene s;
  s.group->Items()->Add(L"Off");
  s.group->SetColumns(2);
  const TRect b0 = s.group->Buttons(0)->BoundsRect();
  const TRect b1 = s.group->Buttons(1)->BoundsRect();
  const TRect b2 = s.group->Buttons(2)->BoundsRect();
  EXPECT_EQ(b0.Left, 8);
  EXPECT_EQ(b0.Right - b0.Left, (200 - 10) / 2);
  EXPECT_EQ(b1.Left, 8) << "column by column";
  EXPECT_GT(b1.Top, b0.Top);
  EXPECT_EQ(b2.Left, 8 + (200 - 10) / 2);
  EXPECT_EQ(b2.Top, b0.Top);
  s.group->SetColumns(0);
  EXPECT_EQ(s.group->Columns(), 1);
  s.group->SetBounds(10, 10, 100, 200);
  EXPECT_EQ(s.group->Buttons(0)->Width(), 90) << "a new size arranges again";
}

TEST(RadioGroupTest, DisablingTheGroupDisablesItsButtons) {
  TGroupScene s;
  s.group->SetEnabled(false);
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(s.group->Buttons(i)->Enabled());
  s.group->Items()->Add(L"More");
  EXPECT_FALSE(s.group->Buttons(3)->Enabled());
  s.group->SetEnabled(true);
  EXPECT_TRUE(s.group->Buttons(3)->Enabled());
}

// --- Labeled edit ----------------------------------------------------------------------
TEST(LabeledEditTest, TheLabelFollowsTheEdit) {
  THost host(nullptr);
  host.SetBounds(40, 40, 300, 200);
  auto* edit = new TLabeledEdit(&host);
  edit->SetAutoSize(false);
  edit->SetParent(&host);
  TBoundLabel* label = edit->EditLabel();
  ASSERT_NE(label, nullptr);
  label->SetAutoSize(false);
  label->SetBounds(0, 0, 40, 13);
  edit->SetBounds(100, 50, 120, 21);
  EXPECT_EQ(label->Parent(), &host);
  EXPECT_EQ(label->FocusControl(), edit);
  struct {
    TLabelPosition Position;
    int Spacing;
    TPoint At;
  } cases[] = {
      {lpAbove, 3, {100, 34}}, {lpBelow, 3, {100, 74}}, {lpLeft, 3, {57, 54}}, {lpRight, 3, {223, 54}}, {lpAbove, 0, {100, 37}},
  };
  for (const auto& c : cases) {
    edit->SetLabelSpacing(c.Spacing);
    edit->SetLabelPosition(c.Position);
    EXPECT_EQ((TPoint{label->Left(), label->Top()}), c.At) << c.Position << " spacing " << c.Spacing;
  }
  edit->SetLabelSpacing(3);
  edit->SetLabelPosition(lpAbove);
  edit->SetLeft(20);
  EXPECT_EQ(label->Left(), 20) << "moving the edit moves the label";
  edit->Hide();
  EXPECT_FALSE(label->Visible());
  edit->Show();
  edit->SetEnabled(false);
  EXPECT_FALSE(label->Enabled());
  EXPECT_EQ(edit->EditLabel()->Name(), L"SubLabel");
  EXPECT_TRUE(label->ComponentStyle().Contains(csSubComponent));
  // A longer caption on the left grows leftwards, clear of the edit.
  edit->SetLabelPosition(lpLeft);
  label->SetAutoSize(true);
  label->SetCaption(L"A much longer caption");
  EXPECT_EQ(label->Left() + label->Width() + 3, edit->Left());
  delete label;
  EXPECT_EQ(edit->EditLabel(), nullptr) << "a freed label is forgotten";
  edit->SetLeft(30);
}

}  // namespace
