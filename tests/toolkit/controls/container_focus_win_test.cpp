// The container and the keyboard focus, with the real focus: the inner
// control takes it whenever the container is asked to, the container reports
// itself focused and shows its focused style meanwhile, Tab moves on to the
// next control (Ctrl+Tab does not), and keys sent to the container reach the
// inner control.
#include "container_test_support.h"

using namespace container_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TContainerUnits);

class TKeyContainer : public TTestContainer {
  VAMIRE_CLASS(TKeyContainer, TTestContainer)
 public:
  using TTestContainer::TTestContainer;
  using TTestContainer::KeyDown;
};

TEST(ContainerFocusTest, TheInnerControlTakesTheFocusAndTheContainerShowsIt) {
  THostForm* form = MakeForm();
  form->Show();
  SetForegroundWindow(form->Handle());
  auto* c = new TKeyContainer(form);
  c->SetBounds(10, 10, 105, 21);
  c->SetParent(form);
  TEdit* edit = c->AddInnerEdit();
  auto* next = new TEdit(form);
  next->SetBounds(10, 50, 105, 21);
  next->SetParent(form);
  c->StyleFocused()->SetColor(clYellow);
  Pump();

  c->SetFocus();
  Pump();
  EXPECT_EQ(GetFocus(), edit->Handle()) << "the container never keeps the focus itself";
  EXPECT_TRUE(c->Focused());
  EXPECT_EQ(c->ViewInfo()->ContainerState, ContainerStateFocused);
  EXPECT_EQ(edit->Color(), clYellow);
  // A key sent to the container reaches the inner edit.
  SendMessageW(c->Handle(), WM_CHAR, L'x', 0);
  EXPECT_EQ(edit->Text(), L"x");

  // Ctrl+Tab stays; Tab moves on.
  uint16_t key = VK_TAB;
  c->KeyDown(key, TShiftState{ssCtrl});
  EXPECT_EQ(key, VK_TAB);
  Pump();
  EXPECT_EQ(GetFocus(), edit->Handle());
  c->KeyDown(key, TShiftState{});
  EXPECT_EQ(key, 0);
  Pump();
  EXPECT_EQ(GetFocus(), next->Handle());
  EXPECT_FALSE(c->Focused());
  EXPECT_EQ(c->ViewInfo()->ContainerState, ContainerStateNormal);
  EXPECT_EQ(edit->Color(), clWindow);
  delete form;
}

}  // namespace
