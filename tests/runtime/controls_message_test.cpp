// Messages of controls: dispatch with inherited handling and the default
// handler, a replaced WindowProc, reflection of a wrapped system control's
// notifications, key routing (CN_KEYDOWN first, dialog keys, accelerators),
// focus events, the wheel, mouse enter/leave, and exceptions in handlers.
#include <gtest/gtest.h>

#include "Menus.h"
#include "controls_test_support.h"

using namespace controls_test;

namespace {

constexpr UINT WM_PROBE = WM_APP + 7;

// Records the messages it sees; handles WM_PROBE itself and counts colour
// changes before passing them on.
class TLoggingPanel : public TMyPanel {
  VAMIRE_CLASS(TLoggingPanel, TMyPanel)
 public:
  using TMyPanel::TMyPanel;
  std::vector<UINT> Log;
  int ColorChanges = 0;
  bool ConsumeCNKeyDown = false;

  void Dispatch(TMessage& Message) override {
    switch (Message.Msg) {
      case WM_PROBE:
        Message.Result = 42;
        return;
      case CM_COLORCHANGED:
        ++ColorChanges;
        break;  // and inherited
      case CN_KEYDOWN:
      case WM_KEYDOWN:
      case WM_CHAR:
        Log.push_back(Message.Msg);
        if (Message.Msg == CN_KEYDOWN && ConsumeCNKeyDown) {
          Message.Result = 1;
          return;
        }
        break;
    }
    TMyPanel::Dispatch(Message);
  }
};

// A wrapped system edit box.
class TMyEdit : public TWinControl {
  VAMIRE_CLASS(TMyEdit, TWinControl)
 public:
  using TWinControl::TWinControl;
  std::vector<WORD> Notifications;

 protected:
  void CreateParams(TCreateParams& Params) override {
    TWinControl::CreateParams(Params);
    CreateSubClass(Params, L"EDIT");
    Params.Style |= WS_TABSTOP | ES_AUTOHSCROLL;
  }
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == CN_COMMAND) Notifications.push_back(HIWORD(Message.WParam));
    TWinControl::Dispatch(Message);
  }
};

struct TEvents : TObject {
  std::vector<std::wstring> Log;
  int Clicks = 0;
  bool Throw = false;
  std::wstring Failure;
  void Click(TObject*) {
    ++Clicks;
    if (Throw) throw EConvertError(L"bad click");
  }
  void Enter(TObject* Sender) { Log.push_back(L"enter " + static_cast<TComponent*>(Sender)->Name()); }
  void Exit(TObject* Sender) { Log.push_back(L"exit " + static_cast<TComponent*>(Sender)->Name()); }
  void Wheel(TObject* Sender, TShiftState, int Delta, TPoint, bool& Handled) {
    Log.push_back(L"wheel " + static_cast<TComponent*>(Sender)->Name() + L" " + std::to_wstring(Delta));
    Handled = true;
  }
  void Failed(TObject*, const Exception& E) { Failure = E.Message(); }
};

// Records the mouse entering and leaving it.
template <class Base>
class TEnterLeave : public Base {
 public:
  using Base::Base;
  std::vector<UINT> Log;
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == CM_MOUSEENTER || Message.Msg == CM_MOUSELEAVE) Log.push_back(Message.Msg);
    Base::Dispatch(Message);
  }
};
using TEnterLeaveShape = TEnterLeave<TMyShape>;
using TEnterLeavePanel = TEnterLeave<TMyPanel>;

TEST(ControlMessageTest, HandlersRunInheritedAndUnhandledMessagesReachTheWindow) {
  THost host(nullptr);
  auto* panel = new TLoggingPanel(&host);
  panel->SetParent(&host);
  host.Show();
  EXPECT_EQ(panel->Perform(WM_PROBE), 42);
  panel->SetColor(clRed);
  EXPECT_EQ(panel->ColorChanges, 1);
  EXPECT_EQ(panel->Brush()->Color(), clRed) << "the inherited colour handling ran after the override";
  panel->SetText(L"caption");
  wchar_t buf[16] = {};
  GetWindowTextW(panel->Handle(), buf, 16);
  EXPECT_STREQ(buf, L"caption") << "WM_SETTEXT went on to the window's default procedure";
}

TEST(ControlMessageTest, AReplacedWindowProcSeesMessagesFirstAndPassesThemOn) {
  struct THook : TObject {
    TWndMethod Old;
    std::vector<UINT> Seen;
    void Proc(TMessage& M) {
      Seen.push_back(M.Msg);
      if (M.Msg == WM_PROBE + 1) {
        M.Result = 7;
        return;
      }
      Old(M);
    }
  } hook;
  TLoggingPanel panel(nullptr);
  hook.Old = panel.WindowProc();
  panel.SetWindowProc(TWndMethod(&hook, &THook::Proc));
  EXPECT_EQ(panel.Perform(WM_PROBE + 1), 7);
  EXPECT_EQ(panel.Perform(WM_PROBE), 42);
  EXPECT_EQ(hook.Seen, (std::vector<UINT>{WM_PROBE + 1, WM_PROBE}));
}

TEST(ControlMessageTest, AWrappedEditWorksAndGetsItsCommandsReflected) {
  THost host(nullptr);
  auto* edit = new TMyEdit(&host);
  edit->SetParent(&host);
  edit->SetBounds(10, 10, 120, 24);
  edit->SetText(L"ab");
  host.Show();
  EXPECT_EQ(WindowClassName(edit->Handle()), L"TMyEdit");
  SendMessageW(edit->Handle(), WM_CHAR, L'c', 1);
  EXPECT_EQ(edit->Text(), L"cab") << "the system edit's procedure handles what the control leaves";
  EXPECT_NE(std::find(edit->Notifications.begin(), edit->Notifications.end(), WORD(EN_CHANGE)),
            edit->Notifications.end())
      << "EN_CHANGE reached the edit object as CN_COMMAND";
  edit->RecreateWnd();
  EXPECT_EQ(edit->Text(), L"cab") << "typed text survives re-creation";
}

TEST(ControlMessageTest, KeysAreOfferedAsCNKeyDownBeforeTheWindowGetsThem) {
  THost host(nullptr);
  auto* panel = new TLoggingPanel(&host);
  panel->SetParent(&host);
  host.Show();
  PostMessageW(panel->Handle(), WM_KEYDOWN, 'A', 1);
  PumpMessages();
  EXPECT_EQ(panel->Log, (std::vector<UINT>{CN_KEYDOWN, WM_KEYDOWN, WM_CHAR}));
  panel->Log.clear();
  panel->ConsumeCNKeyDown = true;
  PostMessageW(panel->Handle(), WM_KEYDOWN, 'B', 1);
  PumpMessages();
  EXPECT_EQ(panel->Log, (std::vector<UINT>{CN_KEYDOWN})) << "a consumed key never reaches the window";
}

TEST(ControlMessageTest, TabMovesTheFocusWithExitBeforeEnter) {
  TEvents ev;
  THost host(nullptr);
  TMyPanel* panels[3];
  for (int i = 0; i < 3; ++i) {
    panels[i] = new TMyPanel(&host);
    panels[i]->SetName(std::wstring(1, wchar_t(L'A' + i)));
    panels[i]->SetParent(&host);
    panels[i]->SetTabStop(i != 1);
    panels[i]->OnEnter = TNotifyEvent(&ev, &TEvents::Enter);
    panels[i]->OnExit = TNotifyEvent(&ev, &TEvents::Exit);
  }
  host.Show();
  panels[0]->SetFocus();
  PumpMessages();
  ASSERT_TRUE(panels[0]->Focused());
  EXPECT_EQ(host.ActiveControl(), panels[0]);
  ev.Log.clear();
  PostMessageW(panels[0]->Handle(), WM_KEYDOWN, VK_TAB, 1);
  PumpMessages();
  EXPECT_TRUE(panels[2]->Focused()) << "B has no tab stop";
  EXPECT_EQ(ev.Log, (std::vector<std::wstring>{L"exit A", L"enter C"}));
  EXPECT_EQ(host.ActiveControl(), panels[2]);
}

TEST(ControlMessageTest, AcceleratorsMatchTheCharacterAfterTheAmpersand) {
  struct TCase {
    wchar_t Key;
    const wchar_t* Caption;
    bool Match;
  } cases[] = {{L'S', L"&Save", true},  {L's', L"&Save", true},    {L'a', L"&Save", false},
               {L'x', L"E&xit", true},  {L'&', L"A && B", false},  {L'B', L"A && B", false},
               {L'C', L"A && &C", true}, {L'Q', L"", false},       {L'Q', L"Q&", false}};
  for (const auto& c : cases) EXPECT_EQ(IsAccel(c.Key, c.Caption), c.Match) << c.Caption << " / " << char(c.Key);
}

TEST(ControlMessageTest, AnUnhandledWheelGoesToTheParent) {
  TEvents ev;
  THost host(nullptr);
  host.SetName(L"host");
  auto* panel = new TMyPanel(&host);
  panel->SetName(L"panel");
  panel->SetParent(&host);
  host.OnMouseWheel = TMouseWheelEvent(&ev, &TEvents::Wheel);
  host.Show();
  SendMessageW(panel->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(short(-WHEEL_DELTA))), MAKELPARAM(50, 50));
  EXPECT_EQ(ev.Log, (std::vector<std::wstring>{L"wheel host -120"}));
}

TEST(ControlMessageTest, TheMouseEntersAndLeavesWindowlessChildren) {
  THost host(nullptr);
  auto* shape = new TEnterLeaveShape(&host);
  shape->SetBounds(10, 10, 40, 40);
  shape->SetParent(&host);
  host.Show();
  SendMessageW(host.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
  SendMessageW(host.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(25, 25));
  EXPECT_EQ(shape->Log, (std::vector<UINT>{CM_MOUSEENTER}));
  SendMessageW(host.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(200, 200));
  EXPECT_EQ(shape->Log, (std::vector<UINT>{CM_MOUSEENTER, CM_MOUSELEAVE}));
}

// A popup menu that records where it was asked to open instead of opening.
class TRecordingPopup : public TPopupMenu {
  VAMIRE_CLASS(TRecordingPopup, TPopupMenu)
 public:
  using TPopupMenu::TPopupMenu;
  std::vector<TPoint> Shown;
  void Popup(int X, int Y) override { Shown.push_back(TPoint{X, Y}); }
};

TEST(ControlMessageTest, TheContextMenuOpensThePopupMenuUnlessTheEventTakesIt) {
  struct TTaker : TObject {
    bool Take = false;
    TPoint At;
    void Context(TObject*, TPoint MousePos, bool& Handled) {
      At = MousePos;
      Handled = Take;
    }
  } taker;
  THost host(nullptr);
  auto* menu = new TRecordingPopup(&host);
  auto* panel = new TMyPanel(&host);
  panel->SetParent(&host);
  panel->SetBounds(10, 20, 50, 50);
  panel->SetPopupMenu(menu);
  panel->OnContextPopup = TContextPopupEvent(&taker, &TTaker::Context);
  host.Show();
  const TPoint origin = panel->ClientToScreen(TPoint{0, 0});
  SendMessageW(panel->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(panel->Handle()),
               MAKELPARAM(origin.X + 5, origin.Y + 6));
  ASSERT_EQ(menu->Shown.size(), 1u);
  EXPECT_EQ(menu->Shown[0], (TPoint{origin.X + 5, origin.Y + 6}));
  EXPECT_EQ(taker.At, (TPoint{5, 6})) << "the event sees client coordinates";
  EXPECT_EQ(menu->PopupComponent(), panel);
  // From the keyboard: at the control's top-left corner.
  SendMessageW(panel->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(panel->Handle()), MAKELPARAM(-1, -1));
  ASSERT_EQ(menu->Shown.size(), 2u);
  EXPECT_EQ(menu->Shown[1], origin);
  taker.Take = true;
  SendMessageW(panel->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(panel->Handle()), MAKELPARAM(-1, -1));
  EXPECT_EQ(menu->Shown.size(), 2u) << "a handled event keeps the menu closed";
  delete menu;
  EXPECT_EQ(panel->PopupMenu(), nullptr) << "a freed menu is forgotten";
}

TEST(ControlMessageTest, AWindowedControlIsClickedOnlyByAReleaseInsideIt) {
  TEvents ev;
  THost host(nullptr);
  auto* panel = new TEnterLeavePanel(&host);
  panel->SetBounds(10, 10, 50, 50);
  panel->SetParent(&host);
  panel->OnClick = TNotifyEvent(&ev, &TEvents::Click);
  host.Show();
  const HWND wnd = panel->Handle();
  SendMessageW(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(panel->Log, (std::vector<UINT>{CM_MOUSEENTER}));
  SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(GetCapture(), wnd) << "a pressed control holds the mouse";
  SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(6, 7));
  EXPECT_EQ(ev.Clicks, 1);
  EXPECT_EQ(GetCapture(), nullptr);
  SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(300, 5));
  EXPECT_EQ(ev.Clicks, 1) << "released outside: no click";
  SendMessageW(wnd, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(panel->Log, (std::vector<UINT>{CM_MOUSEENTER, CM_MOUSELEAVE}));
}

TEST(ControlMessageTest, AClickHandlersExceptionReachesTheHandlerAndTheLoopGoesOn) {
  TEvents ev;
  SetCallbackExceptionHandler(TExceptionHandler(&ev, &TEvents::Failed));
  THost host(nullptr);
  auto* shape = new TMyShape(&host);
  shape->SetBounds(10, 10, 40, 40);
  shape->SetParent(&host);
  shape->OnClick = TNotifyEvent(&ev, &TEvents::Click);
  host.Show();
  ev.Throw = true;
  for (int i = 0; i < 2; ++i) {
    PostMessageW(host.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    PostMessageW(host.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
  }
  PumpMessages();
  SetCallbackExceptionHandler(TExceptionHandler());
  EXPECT_EQ(ev.Failure, L"bad click");
  EXPECT_EQ(ev.Clicks, 2) << "the second click still ran";
  EXPECT_EQ(GetCapture(), nullptr) << "the mouse is not left captured";
}

}  // namespace
