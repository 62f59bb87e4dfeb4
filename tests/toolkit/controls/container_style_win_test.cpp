// Container styles and the style controller: values inherited along the
// controller chain and the state defaults, a controller's change reaching
// every linked container once per update bracket, cycles of controllers
// refused, a freed controller leaving its containers on the default one,
// the state styles switching with hover and disabling, and assigned values
// surviving a form-file round trip (with the font's "IsFontAssigned" and the
// controller's "PixelsPerInch").
#include "container_test_support.h"

using namespace container_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TContainerUnits);

// A container and a controller that publish their styles, as the editors' do.
class TStreamedContainer : public TTestContainer {
  VAMIRE_CLASS(TStreamedContainer, TTestContainer)
 public:
  using TTestContainer::TTestContainer;
};
VAMIRE_PUBLISHED(TStreamedContainer, Prop(L"Style", &TStreamedContainer::Style, &TStreamedContainer::SetStyle),
                 Prop(L"StyleDisabled", &TStreamedContainer::StyleDisabled, &TStreamedContainer::SetStyleDisabled),
                 Prop(L"StyleFocused", &TStreamedContainer::StyleFocused, &TStreamedContainer::SetStyleFocused),
                 Prop(L"StyleHot", &TStreamedContainer::StyleHot, &TStreamedContainer::SetStyleHot))

class TStreamedController : public TcxStyleController {
  VAMIRE_CLASS(TStreamedController, TcxStyleController)
 public:
  using TcxStyleController::TcxStyleController;
};
VAMIRE_PUBLISHED(TStreamedController, Prop(L"Style", &TStreamedController::Style, &TStreamedController::SetStyle),
                 Prop(L"StyleFocused", &TStreamedController::StyleFocused, &TStreamedController::SetStyleFocused))

THostForm* MakeComponentsForm() {
  THostForm* form = TCustomForm::Create<THostForm>(nullptr);
  form->SetBounds(60, 60, 420, 320);
  form->HandleNeeded();
  return form;
}

class ContainerStyleTest : public testing::Test {
 protected:
  void SetUp() override { form = MakeComponentsForm(); }
  void TearDown() override { delete form; }
  THostForm* form = nullptr;
};

TEST_F(ContainerStyleTest, AControllerChangeReachesEveryLinkedContainerOncePerUpdateBracket) {
  auto* controller = new TcxStyleController(form);
  std::vector<TTestContainer*> containers;
  for (int i = 0; i < 3; ++i) {
    TTestContainer* c = MakeContainer(form, 10, 10 + 30 * i);
    c->Style()->SetStyleController(controller);
    EXPECT_EQ(c->Style()->StyleController(), controller);
    containers.push_back(c);
  }
  containers[2]->Style()->SetColor(clLime);  // its own colour wins over the controller's
  EXPECT_EQ(controller->ListenerCount(), 3);
  for (TTestContainer* c : containers) c->StyleChanges = 0;

  TcxContainerStyle* s = controller->Style();
  s->BeginUpdate();
  s->BeginUpdate();
  s->SetColor(clRed);
  s->SetBorderColor(clBlue);
  s->SetBorderStyle(cbsSingle);
  s->EndUpdate();
  for (TTestContainer* c : containers) EXPECT_EQ(c->StyleChanges, 0) << "nothing before the outermost end";
  s->EndUpdate();
  for (TTestContainer* c : containers) {
    EXPECT_EQ(c->StyleChanges, 1);
    EXPECT_EQ(c->Style()->BorderColor(), clBlue);
    EXPECT_EQ(c->Style()->BorderStyle(), cbsSingle);
    EXPECT_FALSE(c->Style()->AssignedValues().Contains(svBorderColor)) << "inherited, not assigned";
  }
  EXPECT_EQ(containers[0]->Color(), clRed);
  EXPECT_EQ(containers[0]->ViewInfo()->BackgroundColor, clRed);
  EXPECT_EQ(containers[2]->Color(), clLime);

  // The same value again changes nothing and reports nothing.
  for (TTestContainer* c : containers) c->StyleChanges = 0;
  s->SetBorderColor(clBlue);
  for (TTestContainer* c : containers) EXPECT_EQ(c->StyleChanges, 0);
  int ownChanges = 0;
  struct TCounter {
    int* Count;
    void Changed(TObject*) { ++*Count; }
  } counter{&ownChanges};
  TcxContainerStyle* own = containers[1]->StyleHot();
  own->OnChanged = TNotifyEvent(&counter, &TCounter::Changed);
  own->SetBorderColor(clMaroon);
  own->SetBorderColor(clMaroon);
  EXPECT_EQ(ownChanges, 1);
}

TEST_F(ContainerStyleTest, ControllerCyclesAreRefusedAndTheOldControllerStays) {
  auto* a = new TcxStyleController(form);
  auto* b = new TcxStyleController(form);
  auto* c = new TcxStyleController(form);
  b->Style()->SetStyleController(a);
  c->Style()->SetStyleController(b);
  a->Style()->SetStyleController(c);  // a -> c -> b -> a
  EXPECT_EQ(a->Style()->StyleController(), nullptr);
  a->Style()->SetStyleController(a);
  EXPECT_EQ(a->Style()->StyleController(), nullptr);
  // A state style forwards to the normal style, and is refused the same way.
  b->StyleFocused()->SetStyleController(c);
  EXPECT_EQ(b->Style()->StyleController(), a);
  // Values still resolve along the chain without looping.
  a->Style()->SetBorderColor(clTeal);
  EXPECT_EQ(c->Style()->BorderColor(), clTeal);
}

TEST_F(ContainerStyleTest, AFreedControllerLeavesItsContainersOnTheDefaultOne) {
  auto* defaultController = new TcxStyleController(nullptr);
  SetDefaultStyleController(defaultController);
  defaultController->Style()->SetBorderColor(clNavy);
  auto* controller = new TcxStyleController(form);
  controller->Style()->SetBorderColor(clOlive);
  TTestContainer* c1 = MakeContainer(form, 10, 10);
  TTestContainer* c2 = MakeContainer(form, 10, 40);
  EXPECT_EQ(c1->Style()->ActiveStyleController(), defaultController);
  EXPECT_EQ(c1->Style()->StyleController(), nullptr) << "the default controller is never published";
  c1->Style()->SetStyleController(controller);
  c2->Style()->SetStyleController(controller);
  EXPECT_EQ(c1->Style()->BorderColor(), clOlive);
  delete controller;
  for (TTestContainer* c : {c1, c2}) {
    EXPECT_EQ(c->Style()->ActiveStyleController(), defaultController);
    EXPECT_EQ(c->Style()->BorderColor(), clNavy);
  }
  EXPECT_EQ(defaultController->ListenerCount(), 2);
  delete c1;
  delete c2;
  SetDefaultStyleController(nullptr);
  delete defaultController;
}

TEST_F(ContainerStyleTest, StateDefaultsAndTheValuesOnlyTheNormalStyleHas) {
  TTestContainer* c = MakeContainer(form, 10, 10);
  c->Style()->SetBorderStyle(cbsSingle);
  EXPECT_EQ(c->StyleFocused()->BorderStyle(), cbsThick) << "hot tracking thickens a single border";
  EXPECT_EQ(c->StyleDisabled()->BorderStyle(), cbsSingle);
  c->Style()->SetHotTrack(false);
  EXPECT_EQ(c->StyleFocused()->BorderStyle(), cbsSingle);
  EXPECT_EQ(c->StyleDisabled()->BorderColor(), clBtnShadow);
  EXPECT_EQ(c->StyleDisabled()->TextColor(), clBtnShadow);
  EXPECT_EQ(c->StyleDisabled()->Color(), clBtnFace);
  EXPECT_EQ(c->StyleFocused()->Color(), clWindow);
  // Edges, hot tracking, shadow and the transparent border belong to the normal style.
  c->StyleHot()->SetEdges(TcxBorders{bLeft, bTop});
  c->StyleFocused()->SetShadow(true);
  EXPECT_EQ(c->Style()->Edges(), (TcxBorders{bLeft, bTop}));
  EXPECT_TRUE(c->Style()->Shadow());
  EXPECT_EQ(c->StyleDisabled()->Edges(), (TcxBorders{bLeft, bTop}));
  EXPECT_FALSE(c->StyleHot()->AssignedValues().Contains(svEdges));
  EXPECT_FALSE(c->StyleHot()->IsStylePropertyPublished(L"Edges"));
  EXPECT_TRUE(c->StyleHot()->IsStylePropertyPublished(L"BorderColor"));
  EXPECT_FALSE(c->Style()->IsStylePropertyPublished(L"StyleController"));
  EXPECT_FALSE(c->Style()->IsValueAssigned(svTransparentBorder)) << "9 and above answer false";
  // The border style follows the look-and-feel's kind until assigned.
  TTestContainer* d = MakeContainer(form, 10, 40);
  const TcxContainerBorderStyle byKind[] = {cbsFlat, cbs3D, cbsUltraFlat, cbsOffice11};
  for (TcxLookAndFeelKind kind : {lfFlat, lfStandard, lfUltraFlat, lfOffice11}) {
    d->Style()->LookAndFeel()->SetKind(kind);
    EXPECT_EQ(d->Style()->BorderStyle(), byKind[kind]);
  }
}

TEST_F(ContainerStyleTest, AControllersFocusedColourShowsWhileFocusedUnlessTheContainerAssignsOne) {
  auto* controller = new TcxStyleController(form);
  controller->StyleFocused()->SetColor(clYellow);
  TTestContainer* a = MakeContainer(form, 10, 10);
  TTestContainer* b = MakeContainer(form, 10, 40);
  for (TTestContainer* c : {a, b}) c->Style()->SetStyleController(controller);
  b->StyleFocused()->SetColor(clAqua);
  EXPECT_EQ(a->GetStyleForState(ContainerStateFocused)->Color(), clYellow);
  EXPECT_EQ(b->GetStyleForState(ContainerStateFocused)->Color(), clAqua);
  EXPECT_EQ(a->Style()->Color(), clWindow);
}

TEST_F(ContainerStyleTest, StateStylesSwitchWithHoverAndDisabling) {
  TTestContainer* c = MakeContainer(form, 10, 10);
  TEdit* edit = c->AddInnerEdit();
  c->StyleHot()->SetColor(clAqua);
  c->StyleDisabled()->SetTextColor(clGray);
  c->RefreshViewState(TPoint{50, 10}, 0, TShiftState{}, true);
  EXPECT_EQ(c->ViewInfo()->ContainerState, ContainerStateNormal | ContainerStateHot);
  EXPECT_EQ(c->ViewInfo()->HotState, HotStateHot);
  EXPECT_EQ(c->GetCurrentStateStyle(), c->StyleHot());
  EXPECT_EQ(edit->Color(), clAqua) << "the inner edit takes the background";
  EXPECT_TRUE(IsMouseTracked(c)) << "hot: leaving is watched";
  // A held button keeps it from becoming hot.
  c->RefreshViewState(TPoint{50, 10}, 1, TShiftState{ssLeft}, true);
  EXPECT_EQ(c->ViewInfo()->ContainerState, ContainerStateNormal);
  EXPECT_EQ(edit->Color(), clWindow);
  // Leaving the hot state goes back to the normal style and stops the tracking.
  c->RefreshViewState(TPoint{50, 10}, 0, TShiftState{}, true);
  c->MouseLeave();
  EXPECT_FALSE(IsMouseTracked(c));
  EXPECT_EQ(c->ViewInfo()->ContainerState & ContainerStateHot, 0u);

  c->SetEnabled(false);
  EXPECT_EQ(c->ViewInfo()->ContainerState, ContainerStateDisabled);
  EXPECT_EQ(c->GetCurrentStateStyle(), c->StyleDisabled());
  EXPECT_EQ(edit->Color(), clBtnFace);
  EXPECT_EQ(edit->Font()->Color(), clGray);
  c->SetEnabled(true);
  EXPECT_EQ(edit->Color(), clWindow);
}

TEST_F(ContainerStyleTest, ColourAndFontOfTheContainerGoIntoTheNormalStyle) {
  TTestContainer* c = MakeContainer(form, 10, 10);
  c->SetColor(clCream);
  EXPECT_TRUE(c->Style()->AssignedValues().Contains(svColor));
  EXPECT_EQ(c->Style()->Color(), clCream);
  auto font = std::make_unique<TFont>();
  font->SetName(L"Tahoma");
  font->SetHeight(-15);
  c->Font()->Assign(font.get());
  EXPECT_EQ(c->Style()->Font()->Height(), -15);
  EXPECT_FALSE(c->Style()->AssignedValues().Contains(svFont)) << "not marked assigned when it was not";
}

TEST_F(ContainerStyleTest, TheParentsFontReachesTheInnerControlUnassigned) {
  TTestContainer* c = MakeContainer(form, 10, 10);
  TEdit* edit = c->AddInnerEdit();
  ASSERT_TRUE(c->ParentFont());
  form->Font()->SetHeight(-16);
  form->Font()->SetStyle(TFontStyles{fsItalic});
  EXPECT_EQ(c->Font()->Height(), -16);
  EXPECT_EQ(c->Style()->Font()->Height(), -16);
  EXPECT_FALSE(c->Style()->AssignedValues().Contains(svFont));
  EXPECT_EQ(edit->Font()->Height(), -16);
  EXPECT_EQ(edit->Font()->Style(), TFontStyles{fsItalic});
  // A font assigned in the style wins over the parent's from then on.
  c->Style()->Font()->SetHeight(-12);
  EXPECT_FALSE(c->ParentFont());
  form->Font()->SetHeight(-20);
  EXPECT_EQ(edit->Font()->Height(), -12);
}

TEST_F(ContainerStyleTest, AssignedValuesSurviveAFormFileRoundTrip) {
  RegisterClasses({TStreamedContainer::StaticClass(), TStreamedController::StaticClass()});
  auto* controller = new TStreamedController(form);
  controller->SetName(L"Controller1");
  auto* c = new TStreamedContainer(form);
  c->SetName(L"Container1");
  c->SetBounds(10, 10, 105, 21);
  c->SetParent(form);
  c->Style()->SetBorderStyle(cbsNone);  // equal to the enumeration's first value: written all the same
  c->Style()->SetShadow(false);
  c->Style()->SetTextStyle(TFontStyles{fsBold});
  c->Style()->Font()->SetHeight(-13);
  c->Style()->SetStyleController(controller);
  c->StyleFocused()->SetColor(clYellow);
  c->StyleDisabled()->SetBorderColor(clGray);
  c->StyleHot()->SetTextColor(clRed);
  const TcxContainerStyleValues normal = c->Style()->AssignedValues();
  EXPECT_EQ(normal, (TcxContainerStyleValues{svBorderStyle, svShadow, svTextStyle, svFont}));

  String text;
  try {
    text = SaveToText(form);
  } catch (Exception& e) {
    FAIL() << "writing: " << UTF8Encode(e.Message());
  }
  EXPECT_NE(text.find(L"Style.BorderStyle = cbsNone"), String::npos) << UTF8Encode(text);
  EXPECT_NE(text.find(L"Style.IsFontAssigned = True"), String::npos) << UTF8Encode(text);
  EXPECT_NE(text.find(L"Style.StyleController = Controller1"), String::npos) << UTF8Encode(text);
  EXPECT_EQ(text.find(L"StyleFocused.Edges"), String::npos) << "state styles do not write the normal style's values";
  EXPECT_EQ(text.find(L"Style.Color"), String::npos) << "unassigned values are not written";

  THostForm* again = MakeComponentsForm();
  try {
    LoadFromText(again, text);
  } catch (Exception& e) {
    FAIL() << "reading: " << UTF8Encode(e.Message()) << "\n" << UTF8Encode(text);
  }
  auto* c2 = dynamic_cast<TStreamedContainer*>(again->FindComponent(L"Container1"));
  auto* controller2 = dynamic_cast<TStreamedController*>(again->FindComponent(L"Controller1"));
  ASSERT_TRUE(c2 && controller2);
  EXPECT_EQ(c2->Style()->AssignedValues(), normal);
  EXPECT_EQ(c2->StyleFocused()->AssignedValues(), TcxContainerStyleValues{svColor});
  EXPECT_EQ(c2->StyleDisabled()->AssignedValues(), TcxContainerStyleValues{svBorderColor});
  EXPECT_EQ(c2->StyleHot()->AssignedValues(), TcxContainerStyleValues{svTextColor});
  EXPECT_EQ(c2->Style()->BorderStyle(), cbsNone);
  EXPECT_EQ(c2->Style()->TextStyle(), TFontStyles{fsBold});
  EXPECT_EQ(c2->Style()->Font()->Height(), -13);
  EXPECT_EQ(c2->StyleFocused()->Color(), clYellow);
  EXPECT_EQ(c2->StyleHot()->TextColor(), clRed);
  EXPECT_EQ(c2->Style()->StyleController(), controller2);
  delete again;
  UnRegisterClasses({TStreamedContainer::StaticClass(), TStreamedController::StaticClass()});
}

TEST_F(ContainerStyleTest, AControllersDesignDensityRescalesOnlyAssignedFonts) {
  RegisterClasses({TStreamedController::StaticClass()});
  auto* controller = new TStreamedController(form);
  const int screen = Screen->PixelsPerInch();
  // Written at three quarters of the screen's density: -12 becomes -16 at 96 dpi.
  const int design = screen * 3 / 4;
  LoadFromText(controller, String(L"object Controller1: TStreamedController\n"
                                  L"  Style.Font.Height = -12\n"
                                  L"  Style.IsFontAssigned = True\n"
                                  L"  StyleFocused.Color = clYellow\n"
                                  L"  PixelsPerInch = ") +
                               IntToStr(design) + L"\nend\n");
  EXPECT_EQ(controller->PixelsPerInch(), design);
  EXPECT_EQ(controller->Style()->Font()->Height(), MulDiv(-12, screen, design));
  const String text = SaveToText(controller);
  EXPECT_NE(text.find(L"PixelsPerInch = " + IntToStr(screen)), String::npos) << UTF8Encode(text);
  UnRegisterClasses({TStreamedController::StaticClass()});
}

}  // namespace
