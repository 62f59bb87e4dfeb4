// The group box control and the radio group: children placed below the
// caption of a group box read from a form, its accelerator, the buttons kept
// one per item, ItemIndex clamped and applied after loading, values by item
// Value or Caption, and the real keyboard and pointer on the buttons.
#include "boxes2_test_support.h"

using namespace boxes2_test;

namespace {

const auto* const GEnvironment = testing::AddGlobalTestEnvironment(new TBoxUnits);

TEST(TGroupBoxControl, ChildrenOfAStreamedBoxSitBelowTheCaption) {
  TBoxesForm* form = ReadForm(
      L"object BoxesForm: TBoxesForm\n"
      L"  Left = 0\n  Top = 0\n  Width = 400\n  Height = 260\n"
      L"  object GroupBox1: TcxGroupBox\n"
      L"    Left = 10\n    Top = 10\n    Width = 200\n    Height = 120\n"
      L"    Caption = '&Matrix'\n"
      L"    Style.BorderStyle = ebsSingle\n"
      L"    object Panel1: TPanel\n"
      L"      Left = 0\n      Top = 0\n      Width = 50\n      Height = 20\n      Align = alTop\n"
      L"    end\n"
      L"  end\n"
      L"  object GroupBox2: TcxGroupBox\n"
      L"    Left = 220\n    Top = 10\n    Width = 160\n    Height = 120\n"
      L"    Caption = 'Panel'\n    PanelStyle.Active = True\n    PanelStyle.BorderWidth = 4\n"
      L"    object Edit1: TEdit\n"
      L"      Left = 0\n      Top = 0\n      Width = 50\n      Height = 21\n      Align = alClient\n"
      L"    end\n"
      L"  end\n"
      L"end\n");
  auto* box = dynamic_cast<TcxGroupBox*>(form->FindComponent(L"GroupBox1"));
  auto* panel = dynamic_cast<TControl*>(form->FindComponent(L"Panel1"));
  ASSERT_NE(box, nullptr);
  ASSERT_NE(panel, nullptr);
  const int h = FontTextHeight(box->CaptionFont(), L"Wg");
  const int border = box->EditViewInfo()->BorderRect.Left;
  ASSERT_GT(border, 0);
  EXPECT_EQ(panel->Top(), h + border + 3);
  EXPECT_EQ(panel->Left(), border);
  EXPECT_EQ(panel->Width(), 200 - 2 * border);
  // The frame runs through the middle of the caption.
  EXPECT_EQ(box->EditViewInfo()->BorderRect.Top, h / 2 + 1);
  EXPECT_EQ(box->GroupViewInfo()->CaptionRect.Left, 8);

  auto* panelBox = dynamic_cast<TcxGroupBox*>(form->FindComponent(L"GroupBox2"));
  auto* edit = dynamic_cast<TControl*>(form->FindComponent(L"Edit1"));
  ASSERT_NE(edit, nullptr);
  const TRect extent = panelBox->ClientExtent();
  EXPECT_EQ(edit->Left(), extent.Left + 4) << "the panel's border width inside the client extent";
  EXPECT_EQ(edit->Top(), extent.Top + 4);
  EXPECT_EQ(edit->Left() + edit->Width(), 160 - extent.Right - 4);
  delete form;
}

// Alt and the caption's accelerator focus the first child in tab order.
TEST(TGroupBoxControl, TheAcceleratorFocusesTheFirstChild) {
  test_support::THostForm* form = test_support::MakeForm(360, 220);
  auto* outside = new TEdit(form);
  outside->SetParent(form);
  outside->SetBounds(10, 180, 100, 21);
  auto* box = new TcxGroupBox(form);
  box->SetParent(form);
  box->SetBounds(10, 10, 200, 150);
  box->SetCaption(L"&Matrix 矩阵");
  auto* second = new TEdit(form);
  second->SetParent(box);
  second->SetBounds(10, 60, 100, 21);
  auto* first = new TEdit(form);
  first->SetParent(box);
  first->SetBounds(10, 30, 100, 21);
  first->SetTabOrder(0);
  form->Show();
  SetForegroundWindow(form->Handle());
  outside->SetFocus();
  PumpFor(80);
  SendAltChord('M');
  EXPECT_EQ(GetFocus(), first->Handle());
  EXPECT_FALSE(box->DialogCharSelecting());
  delete form;
}

// The caption shows in the caption font: the same text drawn by the system in
// that font and colour on the box's colour gives the same pixels.
TEST(TGroupBoxControl, TheCaptionIsDrawnInItsFont) {
  test_support::THostForm* form = test_support::MakeForm(360, 220);
  auto* box = new TcxGroupBox(form);
  box->SetParent(form);
  box->SetBounds(10, 10, 200, 120);
  box->SetCaption(L"Matrix 矩阵");
  box->Style()->LookAndFeel()->SetNativeStyle(false);
  box->Style()->SetColor(clWhite);
  box->Style()->SetTextColor(clBlack);
  box->HandleNeeded();
  box->RefreshIfNeeded();
  const vamire_test::Capture shot = vamire_test::PrintClient(box->Handle(), box->Width(), box->Height(), 0x00FFFFFF);
  const TRect r = box->GroupViewInfo()->CaptionTextRect;
  ASSERT_GT(r.Right - r.Left, 20);
  TBitmap reference;
  reference.SetPixelFormat(pf24bit);
  reference.SetSize(r.Right - r.Left, r.Bottom - r.Top);
  HDC dc = reference.Canvas()->Handle();
  RECT all{0, 0, r.Right - r.Left, r.Bottom - r.Top};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  const HGDIOBJ old = SelectObject(dc, box->CaptionFont()->Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  DrawTextW(dc, box->Caption().c_str(), -1, &all, DT_SINGLELINE | DT_LEFT | DT_TOP);
  SelectObject(dc, old);
  GdiFlush();
  const vamire_test::Capture expected = vamire_test::CaptureDC(dc, 0, 0, r.Right - r.Left, r.Bottom - r.Top);
  int differing = 0, ink = 0;
  for (int y = 0; y < expected.Height; ++y)
    for (int x = 0; x < expected.Width; ++x) {
      differing += shot.At(r.Left + x, r.Top + y) != expected.At(x, y);
      ink += expected.At(x, y) != expected.At(0, 0);
    }
  EXPECT_GT(ink, 20);
  EXPECT_EQ(differing, 0);
  delete form;
}

TEST(TGroupBoxControl, CaptionIndentAndColumnsKeepTheirMinimum) {
  test_support::THostForm* form = test_support::MakeForm();
  auto* box = new TcxGroupBox(form);
  box->SetParent(form);
  box->PanelStyle()->SetCaptionIndent(0);
  EXPECT_EQ(box->PanelStyle()->CaptionIndent(), 2);
  auto* group = new TcxRadioGroup(form);
  group->SetParent(form);
  group->Properties()->SetColumns(0);
  EXPECT_EQ(group->Properties()->Columns(), 1);
  EXPECT_EQ(box->Width(), 185);
  EXPECT_EQ(box->Height(), 105);
  delete form;
}

class TRadioGroupFixture : public testing::Test {
 protected:
  void SetUp() override {
    Form = test_support::MakeForm(420, 260);
    Group = new TcxRadioGroup(Form);
    Group->SetParent(Form);
    Group->SetBounds(20, 20, 300, 110);
    Group->SetCaption(L"Output");
    Group->Style()->LookAndFeel()->SetNativeStyle(false);
    Group->Style()->LookAndFeel()->SetKind(lfUltraFlat);
    for (const wchar_t* caption : {L"VGA", L"DVI", L"HDMI"}) Group->Properties()->Items()->Add()->SetCaption(caption);
    Group->OnClick = TNotifyEvent(&Log, &TEventLog::Click);
    Group->Properties()->OnChange = TNotifyEvent(&Log, &TEventLog::Change);
    Form->Show();
    SetForegroundWindow(Form->Handle());
    PumpFor(100);
  }
  void TearDown() override {
    SendMouse(MOUSEEVENTF_LEFTUP);
    delete Form;
  }
  TPoint ButtonCentre(int AIndex) {
    TControl* b = Group->Button(AIndex);
    return b->ClientToScreen(TPoint{12, b->Height() / 2});
  }

  test_support::THostForm* Form = nullptr;
  TcxRadioGroup* Group = nullptr;
  TEventLog Log;
};

TEST_F(TRadioGroupFixture, OneButtonPerItemAndDeletingTheSecondFreesOnlyIt) {
  ASSERT_EQ(Group->ButtonCount(), 3);
  TWinControl* first = Group->Button(0);
  TWinControl* third = Group->Button(2);
  Group->Properties()->Items()->Delete(1);
  ASSERT_EQ(Group->ButtonCount(), 2);
  EXPECT_EQ(Group->Button(0), first);
  EXPECT_EQ(Group->Button(1), third);
  EXPECT_EQ(Group->Button(0)->Caption(), L"VGA");
  EXPECT_EQ(Group->Button(1)->Caption(), L"HDMI");
  Group->Properties()->Items()->Add()->SetCaption(L"SDI");
  ASSERT_EQ(Group->ButtonCount(), 3);
  EXPECT_EQ(Group->Button(0), first) << "adding one item creates one button";
  EXPECT_EQ(Group->Button(1), third);
  EXPECT_EQ(Group->Button(2)->Caption(), L"SDI");
}

TEST_F(TRadioGroupFixture, ItemIndexIsClampedAndTheValueFollowsIt) {
  Group->Properties()->Items()->Delete(2);
  Group->SetItemIndex(7);
  EXPECT_EQ(Group->ItemIndex(), 1);
  EXPECT_EQ(VarToStr(Group->EditValue()), L"DVI") << "an item without Value gives its Caption";
  Group->SetItemIndex(-5);
  EXPECT_EQ(Group->ItemIndex(), -1);
  EXPECT_TRUE(Group->EditValue().IsNull()) << "DefaultValue";
  Group->Properties()->Items()->Items(0)->SetValue(Variant(10));
  Group->Properties()->Items()->Items(1)->SetValue(Variant(20));
  Log.Clicks = Log.Changes = 0;
  Group->SetItemIndex(0);
  EXPECT_EQ(Group->EditValue().AsInt64(), 10);
  EXPECT_EQ(Log.Clicks, 1);
  EXPECT_EQ(Log.Changes, 1);
  Group->SetEditValue(Variant(20));
  EXPECT_EQ(Group->ItemIndex(), 1);
  Group->SetEditValue(Variant(L"nothing"));
  EXPECT_EQ(Group->ItemIndex(), -1);
}

TEST_F(TRadioGroupFixture, ColumnsLayTheButtonsOutInCells) {
  Group->Properties()->SetColumns(2);
  PumpFor(40);
  // Three items in two columns: the first column holds two, the second one.
  EXPECT_EQ(Group->Button(0)->Left(), Group->Button(1)->Left());
  EXPECT_GT(Group->Button(2)->Left(), Group->Button(0)->Left());
  EXPECT_EQ(Group->Button(2)->Top(), Group->Button(0)->Top());
  EXPECT_GT(Group->Button(1)->Top(), Group->Button(0)->Top());
  EXPECT_EQ(Group->Button(0)->Left(), Group->ClientExtent().Left + 6);
}

TEST_F(TRadioGroupFixture, ClickAndArrowsCheckAndReadOnlyRefuses) {
  Group->Properties()->SetColumns(3);
  PumpFor(40);
  ClickAt(ButtonCentre(1));
  EXPECT_EQ(Group->ItemIndex(), 1);
  EXPECT_EQ(Log.Clicks, 1);
  EXPECT_EQ(Log.Changes, 1);
  ASSERT_EQ(GetFocus(), Group->Button(1)->Handle());
  SendKey(VK_RIGHT);
  EXPECT_EQ(Group->ItemIndex(), 2) << "the focus moves and checks";
  SendKey(VK_RIGHT);
  EXPECT_EQ(Group->ItemIndex(), 2) << "no column beyond the last";
  SendKey(VK_LEFT);
  EXPECT_EQ(Group->ItemIndex(), 1);
  Group->Properties()->SetReadOnly(true);
  ClickAt(ButtonCentre(0));
  EXPECT_EQ(Group->ItemIndex(), 1) << "a read-only group keeps its item";
}

TEST(TRadioGroupStreaming, ItemIndexStreamedBeforeItemsAppliesAfterLoading) {
  TBoxesForm* form = ReadForm(
      L"object BoxesForm: TBoxesForm\n"
      L"  Left = 0\n  Top = 0\n  Width = 300\n  Height = 160\n"
      L"  object RadioGroup1: TcxRadioGroup\n"
      L"    Left = 10\n    Top = 10\n    Width = 200\n    Height = 100\n"
      L"    ItemIndex = 1\n"
      L"    Caption = 'Language'\n"
      L"    Properties.Items = <\n"
      L"      item\n        Caption = 'Chinese'\n        Value = 0\n      end\n"
      L"      item\n        Caption = 'English'\n        Value = 1\n      end>\n"
      L"    Properties.OnChange = BoxChange\n"
      L"    OnClick = BoxClick\n"
      L"  end\n"
      L"  object RadioGroup2: TcxRadioGroup\n"
      L"    Left = 10\n    Top = 10\n    Width = 200\n    Height = 100\n"
      L"    Properties.DefaultValue = 0\n"
      L"    Properties.Items = <\n"
      L"      item\n        Caption = 'A'\n      end\n"
      L"      item\n        Caption = 'B'\n      end>\n"
      L"  end\n"
      L"end\n");
  auto* group = dynamic_cast<TcxRadioGroup*>(form->FindComponent(L"RadioGroup1"));
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->ButtonCount(), 2);
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_EQ(group->EditValue().AsInt64(), 1);
  EXPECT_EQ(form->Clicks, 0);
  EXPECT_EQ(form->Changes, 0);
  auto* other = dynamic_cast<TcxRadioGroup*>(form->FindComponent(L"RadioGroup2"));
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(other->ItemIndex(), -1);
  EXPECT_EQ(other->EditValue().AsInt64(), 0) << "the default value, no button checked";
  delete form;
}

}  // namespace
