// A form with one container in each look (standard, flat, ultra-flat,
// Office11, native), each holding a runtime edit with some text, and the
// ultra-flat one again focused and the standard one with a shadow. Shown,
// captured to "controls_containers_plain.png" and
// "controls_containers_themed.png" for a person to look at, and checked:
// frame colours where the look fixes them, the edit's background inside.
#include "container_test_support.h"

using namespace container_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TContainerUnits);

struct TLook {
  const wchar_t* Name;
  TcxLookAndFeelKind Kind;
  bool Native;
  bool Shadow;
};

TEST(ContainerScreenshotTest, AContainerWithAnInnerEditInEveryLook) {
  const TLook looks[] = {{L"standard", lfStandard, false, false},  {L"flat", lfFlat, false, false},
                         {L"ultra-flat", lfUltraFlat, false, false}, {L"Office11", lfOffice11, false, false},
                         {L"native", lfStandard, true, false},       {L"shadowed", lfStandard, false, true}};
  THostForm* form = MakeForm(2 * 150 + 20, 3 * 40 + 80);
  form->SetCaption(L"Containers");
  form->SetColor(clBtnFace);
  std::vector<TTestContainer*> containers;
  for (int i = 0; i < 6; ++i) {
    auto* c = new TTestContainer(form);
    c->SetBounds(10 + (i % 2) * 150, 10 + (i / 2) * 40, 105 + (looks[i].Shadow ? 3 : 0), 21 + (looks[i].Shadow ? 3 : 0));
    c->SetParent(form);
    c->Style()->LookAndFeel()->SetKind(looks[i].Kind);
    c->Style()->LookAndFeel()->SetNativeStyle(looks[i].Native);
    c->Style()->SetShadow(looks[i].Shadow);
    TEdit* edit = c->AddInnerEdit();
    edit->SetText(looks[i].Name);
    containers.push_back(c);
  }
  auto* focused = new TTestContainer(form);
  focused->SetBounds(10, 130, 105, 21);
  focused->SetParent(form);
  focused->Style()->LookAndFeel()->SetKind(lfUltraFlat);
  focused->Style()->LookAndFeel()->SetNativeStyle(false);
  TEdit* focusedEdit = focused->AddInnerEdit();
  focusedEdit->SetText(L"focused");
  form->Show();
  SetForegroundWindow(form->Handle());
  focused->SetFocus();
  Pump();
  for (TTestContainer* c : containers) c->Update();
  focused->Update();
  Pump();
  const vamire_test::Capture cap = vamire_test::CaptureClient(form->Handle());
  const std::wstring prefix = vamire_test::InThemedPrefix() ? L"themed" : L"plain";
  EXPECT_TRUE(cap.SavePng(L"controls_containers_" + prefix + L".png"));

  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(UTF8Encode(looks[i].Name));
    TTestContainer* c = containers[i];
    const TPoint at = c->BoundsRect().TopLeft();
    const TcxContainerViewInfo* vi = c->ViewInfo();
    // Inside: the edit's window colour, to the right of its text.
    EXPECT_EQ(cap.At(at.X + vi->ClientRect.Right - 3, at.Y + 10), graphics_test::Rgb(clWindow));
    // A one-pixel frame leaves the transparent pixel outside it: the form shows there.
    if (!vi->NativeStyle && vi->BorderWidth == 1) {
      EXPECT_EQ(cap.At(at.X, at.Y + 10), graphics_test::Rgb(clBtnFace));
    }
  }
  // Idle ultra-flat and Office11 frames are clBtnShadow; the focused ultra-flat one clHighlight.
  for (int i : {2, 3}) {
    const TPoint at = containers[i]->BoundsRect().TopLeft();
    EXPECT_EQ(cap.At(at.X + 1, at.Y + 10), graphics_test::Rgb(clBtnShadow));
  }
  EXPECT_TRUE(focused->Focused());
  const TPoint f = focused->BoundsRect().TopLeft();
  EXPECT_EQ(cap.At(f.X + 1, f.Y + 10), graphics_test::Rgb(clHighlight));
  // The standard look's sunken edge fills the transparent border: shadow outside, dark shadow inside.
  const TPoint s = containers[0]->BoundsRect().TopLeft();
  EXPECT_EQ(cap.At(s.X, s.Y + 10), graphics_test::Rgb(clBtnShadow));
  EXPECT_EQ(cap.At(s.X + 1, s.Y + 10), graphics_test::Rgb(cl3DDkShadow));
  // The shadowed one: its bands below and right, the form at their outer corners.
  TTestContainer* shadowed = containers[5];
  const TPoint sh = shadowed->BoundsRect().TopLeft();
  EXPECT_EQ(cap.At(sh.X + 50, sh.Y + shadowed->Height() - 2), graphics_test::Rgb(clBtnShadow));
  EXPECT_EQ(cap.At(sh.X + 1, sh.Y + shadowed->Height() - 2), graphics_test::Rgb(clBtnFace));
  delete form;
}

}  // namespace
