// Pop-up menus tracked for real: chosen with keys, dismissed, and the popup
// list handing the menu's messages to the right menu.
#include <gtest/gtest.h>

#include "Menus.h"
#include "menus_test_support.h"

namespace {

using menus_test::PumpPending;
using menus_test::TMenuDriver;

struct TEvents : TObject {
  std::vector<String> Clicks;
  int Popups = 0;
  void Click(TObject* Sender) { Clicks.push_back(static_cast<TComponent*>(Sender)->Name()); }
  void Popup(TObject*) { ++Popups; }
};

class MenuPopupTest : public testing::Test {
 protected:
  MenuPopupTest() {
    Menu = new TPopupMenu(&Owner);
    Menu->OnPopup = TNotifyEvent(&Events, &TEvents::Popup);
    for (const wchar_t* name : {L"First", L"Second", L"Third"}) {
      auto* item = new TMenuItem(&Owner);
      item->SetName(name);
      item->SetCaption(name);
      item->OnClick = TNotifyEvent(&Events, &TEvents::Click);
      Menu->Items()->Add(item);
    }
  }

  TComponent Owner{nullptr};
  TPopupMenu* Menu;
  TEvents Events;
};

TEST_F(MenuPopupTest, ChosenEntryRunsItsClickFromTheMessageLoop) {
  {
    TMenuDriver driver({VK_DOWN, VK_DOWN, VK_RETURN});
    Menu->Popup(40, 40);
    EXPECT_EQ(driver.IdleCount > 0, true) << "the menu was never tracked";
  }
  EXPECT_EQ(Events.Popups, 1);
  EXPECT_EQ(Menu->PopupPoint(), (TPoint{40, 40}));
  PumpPending();
  EXPECT_EQ(Events.Clicks, (std::vector<String>{L"Second"}));
}

TEST_F(MenuPopupTest, DismissedMenuClicksNothing) {
  for (std::vector<WORD> keys : {std::vector<WORD>{VK_ESCAPE}, std::vector<WORD>{}}) {
    TMenuDriver driver(keys);
    Menu->Popup(40, 40);
    PumpPending();
  }
  EXPECT_EQ(Events.Popups, 2);
  EXPECT_TRUE(Events.Clicks.empty());
}

TEST_F(MenuPopupTest, DisabledEntryCannotBeChosen) {
  Menu->Items()->Items(0)->SetEnabled(false);
  {
    TMenuDriver driver({VK_DOWN, VK_RETURN});
    Menu->Popup(40, 40);
  }
  PumpPending();
  EXPECT_TRUE(Events.Clicks.empty());
}

TEST_F(MenuPopupTest, PopupListHandsCommandsToTheirOwnMenu) {
  auto* other = new TPopupMenu(&Owner);
  auto* item = new TMenuItem(&Owner);
  item->SetName(L"OtherItem");
  item->OnClick = TNotifyEvent(&Events, &TEvents::Click);
  other->Items()->Add(item);
  ASSERT_NE(PopupListWindow(), nullptr);
  SendMessageW(PopupListWindow(), WM_COMMAND, MAKEWPARAM(Menu->Items()->Items(2)->Command(), 0), 0);
  SendMessageW(PopupListWindow(), WM_COMMAND, MAKEWPARAM(item->Command(), 0), 0);
  EXPECT_EQ(Events.Clicks, (std::vector<String>{L"Third", L"OtherItem"}));
}

TEST_F(MenuPopupTest, ExceptionsInClickHandlersStayInsideTheWindowProcedure) {
  struct TThrower : TObject {
    void Click(TObject*) { throw EConvertError(L"bad click"); }
    void Failed(TObject*, const Exception& E) { Messages.push_back(E.Message()); }
    std::vector<String> Messages;
  } thrower;
  Menu->Items()->Items(0)->OnClick = TNotifyEvent(&thrower, &TThrower::Click);
  SetCallbackExceptionHandler(TExceptionHandler(&thrower, &TThrower::Failed));
  SendMessageW(PopupListWindow(), WM_COMMAND, MAKEWPARAM(Menu->Items()->Items(0)->Command(), 0), 0);
  SetCallbackExceptionHandler(TExceptionHandler());
  EXPECT_EQ(thrower.Messages, (std::vector<String>{L"bad click"}));
}

TEST_F(MenuPopupTest, PopupComponentIsClearedWhenItGoes) {
  auto* control = new TComponent(nullptr);
  Menu->SetPopupComponent(control);
  EXPECT_EQ(Menu->PopupComponent(), control);
  delete control;
  EXPECT_EQ(Menu->PopupComponent(), nullptr);
  EXPECT_TRUE(Menu->AutoPopup());
}

TEST(MenuPopupListTest, WindowLivesWhileAnyPopupMenuDoes) {
  EXPECT_EQ(PopupListWindow(), nullptr);
  auto* a = new TPopupMenu(nullptr);
  auto* b = new TPopupMenu(nullptr);
  HWND window = PopupListWindow();
  EXPECT_TRUE(IsWindow(window));
  delete a;
  EXPECT_EQ(PopupListWindow(), window);
  delete b;
  EXPECT_EQ(PopupListWindow(), nullptr);
  EXPECT_FALSE(IsWindow(window));
}

}  // namespace
