// A settings page of check boxes, group boxes and a radio group in the
// ultra-flat and the native look, with Chinese and English captions, captured
// in both prefixes for a person to look at (boxes2_plain.png, boxes2_themed.png).
#include "boxes2_test_support.h"
#include "runtime/graphics_test_support.h"
#include "support/TestPrefix.h"

using namespace boxes2_test;

namespace {

const auto* const GEnvironment = testing::AddGlobalTestEnvironment(new TBoxUnits);

void SetLook(TcxContainerStyle* AStyle, bool ANative) {
  AStyle->LookAndFeel()->SetKind(lfUltraFlat);
  AStyle->LookAndFeel()->SetNativeStyle(ANative);
}

TEST(TBoxesScreenshot, CheckBoxesGroupBoxesAndARadioGroupInTwoLooks) {
  test_support::THostForm* form = test_support::MakeForm(600, 330);
  form->SetCaption(L"Boxes");
  std::vector<TcxCheckBox*> checked;
  for (int column = 0; column < 2; ++column) {
    const bool native = column == 1;
    const int x = 10 + 295 * column;
    auto* group = new TcxGroupBox(form);
    group->SetParent(form);
    group->SetBounds(x, 10, 280, 150);
    group->SetCaption(native ? L"Native 原生外观" : L"Ultra-flat 平面外观");
    SetLook(group->Style(), native);
    group->Style()->SetBorderStyle(ebsSingle);
    const wchar_t* captions[] = {L"&Linkage 联动", L"Debug mode 调试模式", L"Grayed 未定", L"Disabled 禁用"};
    for (int i = 0; i < 4; ++i) {
      auto* box = new TcxCheckBox(form);
      box->SetParent(group);
      box->SetBounds(10, 24 + 30 * i, 250, 21);
      box->SetCaption(captions[i]);
      SetLook(box->Style(), native);
      box->Properties()->SetAllowGrayed(true);
      if (i == 1) box->SetChecked(true);
      if (i == 1) checked.push_back(box);
      if (i == 2) box->SetState(cbsGrayed);
      if (i == 3) {
        box->SetChecked(true);
        box->SetEnabled(false);
      }
    }
    auto* radio = new TcxRadioGroup(form);
    radio->SetParent(form);
    radio->SetBounds(x, 170, 280, 70);
    radio->SetCaption(L"Language 语言");
    SetLook(radio->Style(), native);
    radio->Style()->SetBorderStyle(ebsSingle);
    radio->Properties()->SetColumns(2);
    radio->Properties()->Items()->Add()->SetCaption(L"中文");
    radio->Properties()->Items()->Add()->SetCaption(L"English");
    radio->SetItemIndex(0);
    auto* panel = new TcxGroupBox(form);
    panel->SetParent(form);
    panel->SetBounds(x, 250, 280, 60);
    panel->SetCaption(L"Panel 面板");
    panel->SetAlignment(alCenterCenter);
    SetLook(panel->Style(), native);
    panel->PanelStyle()->SetActive(true);
  }
  form->Show();
  SetForegroundWindow(form->Handle());
  PumpFor(300);
  const vamire_test::Capture cap = vamire_test::CaptureClient(form->Handle());
  const std::wstring prefix = vamire_test::InThemedPrefix() ? L"themed" : L"plain";
  EXPECT_TRUE(cap.SavePng(L"boxes2_" + prefix + L".png"));
  // The ultra-flat checked box shows its mark in the text colour inside the glyph.
  TcxCheckBox* box = checked[0];
  const TRect g = box->CheckViewInfo()->GlyphRect;
  const TPoint origin = box->ClientToScreen(TPoint{0, 0});
  const TPoint formOrigin = form->ClientToScreen(TPoint{0, 0});
  int mark = 0;
  for (int y = g.Top + 2; y < g.Bottom - 2; ++y)
    for (int x = g.Left + 2; x < g.Right - 2; ++x)
      mark += cap.At(origin.X - formOrigin.X + x, origin.Y - formOrigin.Y + y) == graphics_test::Rgb(clBtnText);
  EXPECT_GT(mark, 5);
  delete form;
}

}  // namespace
