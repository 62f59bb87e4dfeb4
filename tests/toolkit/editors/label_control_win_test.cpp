// The label control on a form: caption and value follow each other, the
// accelerator focuses FocusControl, auto-size and the line exclude each other,
// the content size follows the caption, and an unchanged label is copied from
// its off-screen drawing instead of drawn again.
#include <gtest/gtest.h>
#include <windows.h>

#include "StdCtrls.h"
#include "cxLabel_win.h"
#include "edit_test_support.h"
#include "support/HostForm.h"
#include "support/WindowCapture.h"

namespace {

const auto* const GEnvironment = testing::AddGlobalTestEnvironment(new edit_test::TEditUnits);

class LabelControl : public testing::Test {
 protected:
  void SetUp() override { Form = test_support::MakeForm(420, 200); }
  void TearDown() override { delete Form; }
  TcxLabel* NewLabel(const wchar_t* ACaption) {
    auto* label = new TcxLabel(Form);
    label->SetParent(Form);
    label->SetLeft(10);
    label->SetTop(10);
    label->SetCaption(ACaption);
    return label;
  }
  test_support::THostForm* Form = nullptr;
};

TEST_F(LabelControl, CaptionAndValueFollowEachOther) {
  TcxLabel* label = NewLabel(L"Wall");
  EXPECT_EQ(VarToStr(label->EditValue()), L"Wall");
  label->SetEditValue(Variant(String(L"屏幕墙")));
  EXPECT_EQ(label->Caption(), L"屏幕墙");
  EXPECT_FALSE(label->TabStop());
}

TEST_F(LabelControl, AcceleratorFocusesTheFocusControl) {
  Form->Show();
  auto* edit = new TEdit(Form);
  edit->SetParent(Form);
  edit->SetBounds(10, 60, 100, 21);
  TcxLabel* label = NewLabel(L"&Name");
  label->SetFocusControl(label);
  EXPECT_EQ(label->FocusControl(), nullptr);
  label->SetFocusControl(edit);
  Application->ProcessMessages();
  EXPECT_EQ(label->Perform(CM_DIALOGCHAR, L'x', 0), 0);
  EXPECT_EQ(label->Perform(CM_DIALOGCHAR, L'n', 0), 1);
  Application->ProcessMessages();
  EXPECT_TRUE(edit->Focused());

  // A disabled target, or no accelerator shown, takes nothing.
  Form->SetFocusedControl(nullptr);
  edit->SetEnabled(false);
  EXPECT_EQ(label->Perform(CM_DIALOGCHAR, L'n', 0), 0);
  edit->SetEnabled(true);
  label->LabelProperties()->SetShowAccelChar(false);
  EXPECT_EQ(label->Perform(CM_DIALOGCHAR, L'n', 0), 0);

  delete edit;
  EXPECT_EQ(label->FocusControl(), nullptr);
}

TEST_F(LabelControl, AutoSizeFollowsTheCaptionAndExcludesTheLine) {
  TcxLabel* label = NewLabel(L"Wall");
  label->HandleNeeded();
  label->SetCaption(L"Wall");
  Application->ProcessMessages();
  const int shortWidth = label->Width();
  label->SetCaption(L"Wall controller 屏幕墙控制器");
  Application->ProcessMessages();
  EXPECT_GT(label->Width(), shortWidth);
  // A depth grows the content on both axes.
  const int w = label->Width(), h = label->Height();
  label->LabelProperties()->SetLabelEffect(cxleCool);
  label->LabelProperties()->SetDepth(4);
  Application->ProcessMessages();
  EXPECT_EQ(label->Width(), w + 4);
  EXPECT_EQ(label->Height(), h + 4);

  label->LabelProperties()->LineOptions()->SetVisible(true);
  EXPECT_FALSE(label->AutoSize());
  label->SetAutoSize(true);
  EXPECT_FALSE(label->LabelProperties()->LineOptions()->Visible());
}

TEST_F(LabelControl, AnUnchangedLabelIsCopiedFromItsCache) {
  TcxLabel* label = NewLabel(L"Cache 缓存");
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 200, 30);
  Form->Show();
  label->Repaint();
  const int drawn = label->LabelViewInfo()->RenderCount;
  EXPECT_GE(drawn, 1);
  label->Invalidate();
  label->Repaint();
  EXPECT_EQ(label->LabelViewInfo()->RenderCount, drawn);
  label->LabelProperties()->SetLabelStyle(cxlsRaised);
  label->Repaint();
  EXPECT_GT(label->LabelViewInfo()->RenderCount, drawn);
  // And the copy shows the text, beside a transparent label that draws straight.
  TcxLabel* clear = NewLabel(L"透明 Transparent");
  clear->SetTop(50);
  clear->SetTransparent(true);
  clear->LabelProperties()->SetLabelEffect(cxleCool);
  clear->LabelProperties()->SetDepth(2);
  clear->Repaint();
  const vamire_test::Capture shot = vamire_test::CaptureClient(label->Handle());
  EXPECT_GT(shot.CountNot(shot.At(0, 0)), 50u);
  EXPECT_TRUE(vamire_test::CaptureClient(Form->Handle()).SavePng(L"label_control.png"));
}

}  // namespace
