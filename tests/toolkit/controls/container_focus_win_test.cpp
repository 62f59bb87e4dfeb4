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

namespace {

void Tick(TMouseTrackingTimer* ATimer) {
  if (!ATimer) return;
  PostMessageW(GetTimerWindow()->Handle(), WM_TIMER, ATimer->TimerID(), 0);
  Pump();
}

TEST(ContainerFocusTest, ThePointerOverTheContainerMakesItHotUntilItLeaves) {
  THostForm* form = MakeForm();
  form->Show();
  SetForegroundWindow(form->Handle());
  TTestContainer* c = MakeContainer(form, 10, 10);
  TEdit* edit = c->AddInnerEdit();
  c->StyleHot()->SetColor(clAqua);
  Pump();
  POINT centre{50, 10};
  ClientToScreen(c->Handle(), &centre);
  SetCursorPos(centre.x, centre.y);
  c->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(50, 10));
  Pump();
  EXPECT_TRUE(c->ViewInfo()->ContainerState & ContainerStateHot);
  EXPECT_EQ(edit->Color(), clAqua);
  const int refreshes = c->StateRefreshes;
  EXPECT_GT(refreshes, 0) << "a mouse move refreshes with notification";
  // The pointer leaves: the next tick of the tracking timer ends the hot state.
  SetCursorPos(centre.x + 300, centre.y + 200);
  Tick(FindMouseTrackingTimer(c));
  EXPECT_FALSE(c->ViewInfo()->ContainerState & ContainerStateHot);
  EXPECT_FALSE(IsMouseTracked(c));
  EXPECT_EQ(edit->Color(), clWindow);
  // With hot tracking off the pointer changes nothing.
  c->Style()->SetHotTrack(false);
  SetCursorPos(centre.x, centre.y);
  c->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(50, 10));
  Pump();
  EXPECT_EQ(c->ViewInfo()->ContainerState, ContainerStateNormal);
  EXPECT_EQ(c->ViewInfo()->HotState, HotStateNone);
  delete form;
}

}  // namespace
