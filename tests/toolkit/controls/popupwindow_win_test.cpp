// The container unit's drop-down window: placed under its owner (above it
// when the work area has no room below) without taking the activation; a
// capture-focus popup takes the focus and runs its loop until its modal
// result, a close-up request or a deactivation ends it; the thread hooks
// close popups on a click elsewhere (real pointer input), a press on the
// owner's caption, the owner hidden or closed and the program deactivated;
// an owner freed while its popup is open leaves nothing behind; and an open
// popup with a list, captured to "controls_popup_list.png".
#include "popuplist_test_support.h"

using namespace controls_test;
using namespace popuplist_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TPopupUnits);

TRect& InjectedArea() {
  static TRect area;
  return area;
}
TRect ReadInjectedArea(const TPoint&) { return InjectedArea(); }

// A popup that logs what happens to it and may swallow outside clicks.
class TLoggingPopup : public TcxCustomPopupWindow {
  VAMIRE_CLASS(TLoggingPopup, TcxCustomPopupWindow)
 public:
  TLoggingPopup(TWinControl* AOwner, std::vector<std::string>* ALog, std::string AName)
      : TcxCustomPopupWindow(AOwner), FLog(ALog), FName(std::move(AName)) {
    SetBounds(0, 0, 120, 80);
  }
  static void* operator new(std::size_t Size) { return TQuarantine::Allocate(Size); }
  static void operator delete(void* P) { TQuarantine::Keep(P); }
  bool Swallow = false;
  bool AdjustToWorkArea = false;
  int OutsideClicks = 0;
  using TcxCustomPopupWindow::CorrectBoundsToWorkArea;

 protected:
  bool AdjustsToWorkArea() override { return AdjustToWorkArea; }
  bool HandleOutsideClick(HWND, UINT, const TPoint&, TShiftState) override {
    ++OutsideClicks;
    return Swallow;
  }
  void NotifyShowing() override {
    FLog->push_back(FName + " showing");
    TcxCustomPopupWindow::NotifyShowing();
  }
  void NotifyClosing() override {
    FLog->push_back(FName + " closing");
    TcxCustomPopupWindow::NotifyClosing();
  }

 private:
  std::vector<std::string>* FLog;
  std::string FName;
};

class PopupWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    previousArea = SetWorkAreaReader(&ReadInjectedArea);
    InjectedArea() = TRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    form = TCustomForm::Create<TCountingForm>(nullptr);
    form->SetBounds(60, 60, 420, 320);
    owner = new TCountingEdit(form);
    owner->SetParent(form);
    owner->SetBounds(20, 40, 150, 21);
    other = new TCountingEdit(form);
    other->SetParent(form);
    other->SetBounds(20, 200, 150, 21);
    form->Show();
    SetForegroundWindow(form->Handle());
    Pump();
  }
  void TearDown() override {
    for (TLoggingPopup* p : popups) delete p;
    ReleaseCapture();
    delete form;
    Pump();
    SetWorkAreaReader(previousArea);
    EXPECT_TRUE(VisiblePopups().empty());
  }
  TLoggingPopup* MakePopup(TWinControl* AOwner, bool ACaptureFocus, std::string AName = "popup") {
    auto* popup = new TLoggingPopup(AOwner, &log, std::move(AName));
    popup->SetCaptureFocus(ACaptureFocus);
    popups.push_back(popup);
    return popup;
  }
  TRect OwnerOnScreen() const {
    RECT r;
    GetWindowRect(owner->Handle(), &r);
    return TRect{r.left, r.top, r.right, r.bottom};
  }

  TcxWorkAreaReader previousArea = nullptr;
  TCountingForm* form = nullptr;
  TCountingEdit* owner = nullptr;
  TCountingEdit* other = nullptr;
  std::vector<TLoggingPopup*> popups;
  std::vector<std::string> log;
};

TEST_F(PopupWindowTest, OpensUnderItsOwnerOrAboveWithoutTakingTheActivation) {
  const TRect o = OwnerOnScreen();
  struct TCase {
    const char* What;
    int AreaBottom;
    int ExpectedTop;
  };
  for (const TCase c : {TCase{"room below", GetSystemMetrics(SM_CYSCREEN), o.Bottom},
                        TCase{"no room below", o.Bottom + 40, o.Top - 80}}) {
    SCOPED_TRACE(c.What);
    InjectedArea().Bottom = c.AreaBottom;
    TLoggingPopup* popup = MakePopup(owner, false);
    popup->Popup(nullptr);
    Pump();
    ASSERT_TRUE(IsPopupVisible(popup));
    EXPECT_TRUE(IsWindowVisible(popup->Handle()));
    EXPECT_EQ(popup->BoundsRect(), (TRect{o.Left, c.ExpectedTop, o.Left + 120, c.ExpectedTop + 80}));
    EXPECT_EQ(GetActiveWindow(), form->Handle()) << "shown without activation";
    EXPECT_EQ(GetWindowLongPtrW(popup->Handle(), GWL_STYLE) & (WS_CHILD | WS_POPUP), WS_CHILD);
    EXPECT_NE(GetWindowLongPtrW(popup->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
    EXPECT_NE(GetWindowLongPtrW(popup->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    popup->Popup(nullptr);
    EXPECT_EQ(std::count(log.begin(), log.end(), "popup showing"), 1) << "a second show does nothing";
    popup->CloseUp();
    EXPECT_FALSE(IsPopupVisible(popup));
    EXPECT_FALSE(IsWindowVisible(popup->Handle()));
    log.clear();
  }
}

// Owner bounds set by the one who opens it (in the owner's parent's client coordinates) place it.
TEST_F(PopupWindowTest, OwnerBoundsSetByTheOpenerPlaceThePopup) {
  TLoggingPopup* popup = MakePopup(owner, false);
  popup->OwnerBounds = TRect{200, 100, 300, 120};
  popup->Popup(nullptr);
  const TPoint corner = form->ClientToScreen(TPoint{200, 120});
  EXPECT_EQ(popup->BoundsRect().TopLeft(), corner);
  EXPECT_EQ(popup->CalculateOwnerScreenBounds(),
            (TRect{corner.X, corner.Y - 20, corner.X + 100, corner.Y}));
}

TEST_F(PopupWindowTest, ChangingTheModeOfAShownPopupShowsItAgainInTheNewMode) {
  TLoggingPopup* popup = MakePopup(owner, false);
  popup->Popup(nullptr);
  const HWND before = popup->Handle();
  log.clear();
  popup->SetFollowOwnerTopmost(true);
  EXPECT_EQ(log, (std::vector<std::string>{"popup closing", "popup showing"}));
  EXPECT_TRUE(IsPopupVisible(popup));
  EXPECT_TRUE(IsWindowVisible(popup->Handle()));
  EXPECT_NE(popup->Handle(), before) << "the window was made again";
  log.clear();
  popup->SetFollowOwnerTopmost(true);
  EXPECT_TRUE(log.empty()) << "no change, nothing happens";
}

TEST_F(PopupWindowTest, TheFocusGoesToARequestedTabStopElseTheFirstElseThePopup) {
  TLoggingPopup* popup = MakePopup(owner, true);
  auto* first = new TCountingEdit(popup);
  first->SetParent(popup);
  first->SetBounds(5, 5, 60, 21);
  auto* noStop = new TCountingEdit(popup);
  noStop->SetParent(popup);
  noStop->SetBounds(5, 30, 60, 21);
  noStop->SetTabStop(false);
  popup->SetVisible(true);
  EXPECT_EQ(FindPopupFocusControl(popup, first), first);
  EXPECT_EQ(FindPopupFocusControl(popup, noStop), first);
  EXPECT_EQ(FindPopupFocusControl(popup, nullptr), popup);
  first->SetTabStop(false);
  EXPECT_EQ(FindPopupFocusControl(popup, noStop), popup);
  // A window inside a popup stands for its owner's window.
  EXPECT_EQ(GetPopupOwnerWindow(noStop->Handle()), owner->Handle());
  EXPECT_EQ(GetPopupOwnerWindow(other->Handle()), other->Handle());
  popup->SetVisible(false);
}

TEST_F(PopupWindowTest, APopupOfAHiddenOwnerDoesNotShow) {
  TLoggingPopup* popup = MakePopup(owner, false);
  owner->SetVisible(false);
  popup->Popup(nullptr);
  EXPECT_FALSE(IsPopupVisible(popup));
  EXPECT_TRUE(log.empty());
}

TEST_F(PopupWindowTest, ACaptureFocusPopupTakesTheFocusAndLoopsUntilItsModalResult) {
  TLoggingPopup* popup = MakePopup(owner, true);
  auto* inner = new TCountingEdit(popup);
  inner->SetParent(popup);
  inner->SetBounds(10, 10, 80, 21);
  struct TSeen {
    bool Listed = false, Focused = false, Active = false, Owned = false;
  } seen;
  TPopupEvents events;
  events.OnShown = [&](TcxCustomPopupWindow* p) {
    seen = TSeen{IsPopupVisible(p), GetFocus() == inner->Handle() && p->Focused(), GetActiveWindow() == p->Handle(),
                 GetWindow(p->Handle(), GW_OWNER) == form->Handle()};
    p->SetModalResult(mrOk);
  };
  popup->OnPopupShown = TNotifyEvent(&events, &TPopupEvents::Shown);
  popup->Popup(inner);  // returns when the loop ends
  EXPECT_TRUE(seen.Listed);
  EXPECT_TRUE(seen.Focused) << "the requested control has the focus";
  EXPECT_TRUE(seen.Active);
  EXPECT_TRUE(seen.Owned) << "owned by the owner's form";
  EXPECT_EQ(GetWindowLongPtrW(popup->Handle(), GWL_STYLE) & (WS_CHILD | WS_POPUP), WS_POPUP);
  EXPECT_FALSE(IsPopupVisible(popup));
  EXPECT_FALSE(IsWindowVisible(popup->Handle()));
  EXPECT_EQ(popup->ModalResult(), mrOk);
}

// A refused close keeps the loop running; the posted close-up request ends it
// and gives the owner WM_SETFOCUS.
TEST_F(PopupWindowTest, ARefusedModalResultKeepsTheLoopAndACloseUpRequestEndsIt) {
  TLoggingPopup* popup = MakePopup(owner, true);
  TPopupEvents events;
  int queries = 0;
  events.OnShown = [&](TcxCustomPopupWindow* p) {
    p->SetModalResult(mrCancel);
    PostPopupCloseUp(p);
  };
  events.OnCloseQuery = [&](bool& CanClose) {
    ++queries;
    CanClose = false;
  };
  popup->OnPopupShown = TNotifyEvent(&events, &TPopupEvents::Shown);
  popup->OnCloseQuery = TCloseQueryEvent(&events, &TPopupEvents::CloseQuery);
  owner->RequestedFocus = 0;
  popup->Popup(nullptr);
  EXPECT_EQ(queries, 1);
  EXPECT_EQ(popup->ModalResult(), mrNone) << "refused: the result goes back to none";
  EXPECT_FALSE(IsPopupVisible(popup));
  EXPECT_EQ(owner->RequestedFocus, 1) << "the request sends the owner WM_SETFOCUS";
}

TEST_F(PopupWindowTest, APopupFreedByItsShownHandlerEndsQuietly) {
  TLoggingPopup* popup = MakePopup(owner, true);
  popups.clear();
  TPopupEvents events;
  events.OnShown = [&](TcxCustomPopupWindow* p) { delete p; };
  popup->OnPopupShown = TNotifyEvent(&events, &TPopupEvents::Shown);
  popup->Popup(nullptr);
  EXPECT_TRUE(VisiblePopups().empty());
  EXPECT_TRUE(TQuarantine::Intact());
}

// A capture-focus popup asked to close (Alt+F4) closes, and the close passes
// on to the owner's window as though the popup were not there.
TEST_F(PopupWindowTest, ClosingACaptureFocusPopupPassesTheCloseToTheOwnersWindow) {
  TLoggingPopup* popup = MakePopup(owner, true);
  TPopupEvents events;
  events.OnShown = [&](TcxCustomPopupWindow* p) { SendMessageW(p->Handle(), WM_CLOSE, 0, 0); };
  popup->OnPopupShown = TNotifyEvent(&events, &TPopupEvents::Shown);
  popup->Popup(nullptr);
  EXPECT_FALSE(IsPopupVisible(popup));
  EXPECT_FALSE(form->Visible()) << "the owner's form was closed too";
}

// Esc while the popup holds the mouse only releases the mouse; the key goes no further.
TEST_F(PopupWindowTest, EscWhileThePopupHoldsTheMouseReleasesItAndIsSwallowed) {
  TLoggingPopup* popup = MakePopup(owner, true);
  auto* inner = new TCountingEdit(popup);
  inner->SetParent(popup);
  inner->SetBounds(10, 10, 80, 21);
  TPopupEvents events;
  HWND captureAfter = HWND(1);
  events.OnShown = [&](TcxCustomPopupWindow* p) {
    SetCapture(p->Handle());
    SendMessageW(inner->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    captureAfter = GetCapture();
    SendMessageW(inner->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    p->SetModalResult(mrCancel);
  };
  popup->OnPopupShown = TNotifyEvent(&events, &TPopupEvents::Shown);
  popup->Popup(inner);
  EXPECT_EQ(captureAfter, nullptr);
  EXPECT_EQ(inner->KeyDowns, std::vector<uint16_t>{VK_ESCAPE}) << "only the second Esc reached the control";
}

TEST_F(PopupWindowTest, ACaptureFocusPopupClosesWhenAnotherWindowTakesTheActivation) {
  TLoggingPopup* popup = MakePopup(owner, true);
  TCountingForm* second = TCustomForm::Create<TCountingForm>(nullptr);
  second->SetBounds(600, 60, 200, 100);
  second->Show();
  TPopupEvents events;
  events.OnShown = [&](TcxCustomPopupWindow*) { SetActiveWindow(second->Handle()); };
  popup->OnPopupShown = TNotifyEvent(&events, &TPopupEvents::Shown);
  popup->Popup(nullptr);
  EXPECT_FALSE(IsPopupVisible(popup));
  delete second;
}

TEST_F(PopupWindowTest, TheOwnersFormKeepsItsActiveCaptionWhileThePopupShows) {
  TLoggingPopup* popup = MakePopup(owner, false);
  popup->Popup(nullptr);
  form->InactiveCaptions = 0;
  SendMessageW(form->Handle(), WM_NCACTIVATE, FALSE, 0);
  EXPECT_EQ(form->InactiveCaptions, 0) << "swallowed while the popup shows";
  popup->CloseUp();
  SendMessageW(form->Handle(), WM_NCACTIVATE, FALSE, 0);
  EXPECT_EQ(form->InactiveCaptions, 1);
  SendMessageW(form->Handle(), WM_NCACTIVATE, TRUE, 0);
}

// Hidden by the system's show command (WM_SHOWWINDOW) or by the control's
// Visible (a window-position change only): a popup opened from inside the
// owner's popup closes too.
TEST_F(PopupWindowTest, TheRuntimesActivationMessagesAreSwallowedWhileTheFocusChangeIsLocked) {
  LockFocusChange(true);
  EXPECT_EQ(SendMessageW(form->Handle(), CM_ACTIVATE, 0, 0), 1);
  LockFocusChange(false);
  EXPECT_EQ(form->Activations, 0);
  SendMessageW(form->Handle(), CM_ACTIVATE, 0, 0);
  EXPECT_EQ(form->Activations, 1) << "the form's own procedure is back";
  EXPECT_FALSE(IsFocusChangeLocked());
}

TEST_F(PopupWindowTest, HidingTheOwnerClosesItsPopupsAndThoseOpenedFromThem) {
  for (const bool byShowCommand : {true, false}) {
    SCOPED_TRACE(byShowCommand ? "ShowWindow" : "Visible");
    TLoggingPopup* first = MakePopup(owner, false, "first");
    first->SetBounds(0, 0, 160, 90);
    auto* inner = new TCountingEdit(first);
    inner->SetParent(first);
    inner->SetBounds(5, 5, 100, 21);
    TLoggingPopup* second = MakePopup(inner, false, "second");
    first->Popup(nullptr);
    second->Popup(nullptr);
    ASSERT_TRUE(IsPopupVisible(second));
    log.clear();
    if (byShowCommand) {
      ShowWindow(owner->Handle(), SW_HIDE);
      EXPECT_EQ(log, (std::vector<std::string>{"second closing", "first closing"})) << "the newest first";
    } else {
      owner->SetVisible(false);
    }
    EXPECT_TRUE(VisiblePopups().empty());
    owner->SetVisible(true);
    ShowWindow(owner->Handle(), SW_SHOW);
  }
}

TEST_F(PopupWindowTest, TheProgramLosingTheActivationClosesNonCapturingPopups) {
  TLoggingPopup* popup = MakePopup(owner, false);
  popup->Popup(nullptr);
  SendMessageW(other->Handle(), WM_ACTIVATEAPP, FALSE, 0);
  EXPECT_FALSE(IsPopupVisible(popup));
}

TEST_F(PopupWindowTest, SystemKeysANonCapturingPopupRefusesNeverArrive) {
  TLoggingPopup* popup = MakePopup(owner, false);
  popup->Popup(nullptr);
  for (const WPARAM key : {WPARAM('F'), WPARAM(VK_DOWN), WPARAM(VK_F4), WPARAM(VK_RETURN)})
    PostMessageW(other->Handle(), WM_SYSKEYDOWN, key, 0x20000000);
  Pump();
  EXPECT_EQ(other->SysKeyDowns, (std::vector<uint16_t>{VK_DOWN, VK_F4}));
  popup->CloseUp();
  PostMessageW(other->Handle(), WM_SYSKEYDOWN, 'F', 0x20000000);
  Pump();
  EXPECT_EQ(other->SysKeyDowns.back(), uint16_t('F')) << "no popup: nothing is turned away";
}

TEST_F(PopupWindowTest, TheShownListRefusesNullDoubleAndUnknownPopups) {
  TLoggingPopup* popup = MakePopup(owner, false);
  EXPECT_THROW(AddVisiblePopup(nullptr), EAssertionFailed);
  EXPECT_THROW(RemoveVisiblePopup(popup), EAssertionFailed);
  AddVisiblePopup(popup);
  EXPECT_THROW(AddVisiblePopup(popup), EAssertionFailed);
  RemoveVisiblePopup(popup);
  EXPECT_THROW(RemoveVisiblePopup(nullptr), EAssertionFailed);
}

TEST_F(PopupWindowTest, BoundsAreCutToTheWorkAreaWhenThePopupAsks) {
  InjectedArea() = TRect{0, 0, 800, 600};
  TLoggingPopup* popup = MakePopup(owner, false);
  struct TCase {
    TPoint In;
    bool Adjusts;
    TPoint Out;
    TSize Size;
  };
  for (const TCase c : {TCase{{100, 100}, true, {100, 100}, {120, 80}}, TCase{{-30, -20}, true, {0, 0}, {90, 60}},
                        TCase{{750, 560}, true, {750, 560}, {50, 40}}, TCase{{750, 560}, false, {750, 560}, {120, 80}}}) {
    popup->SetBounds(0, 0, 120, 80);
    popup->AdjustToWorkArea = c.Adjusts;
    TPoint p = c.In;
    popup->CorrectBoundsToWorkArea(p);
    EXPECT_EQ(p, c.Out);
    EXPECT_EQ((TSize{popup->Width(), popup->Height()}), c.Size);
  }
}

// The owner freed while its popup shows: the popup closes and forgets it,
// and nothing later reaches the freed owner (its memory stays poisoned).
TEST_F(PopupWindowTest, AnOwnerFreedWhileThePopupShowsLeavesNothingBehind) {
  auto* doomed = new TQuarantinedEdit(form);
  doomed->SetParent(form);
  doomed->SetBounds(200, 40, 100, 21);
  TLoggingPopup* popup = MakePopup(doomed, false);
  TLoggingPopup* modal = MakePopup(other, true, "modal");
  popup->Popup(nullptr);
  ASSERT_TRUE(IsPopupVisible(popup));
  delete doomed;
  EXPECT_FALSE(IsPopupVisible(popup));
  EXPECT_EQ(popup->OwnerControl(), nullptr);
  // The hooks and the popup keep working without it.
  SendMessageW(form->Handle(), WM_ACTIVATEAPP, FALSE, 0);
  popup->Popup(nullptr);
  EXPECT_FALSE(IsPopupVisible(popup)) << "no owner, no show";
  // A capture-focus popup whose owner goes while its loop runs: the loop ends.
  TPopupEvents events;
  events.OnShown = [&](TcxCustomPopupWindow*) {
    delete other;
    other = nullptr;
  };
  modal->OnPopupShown = TNotifyEvent(&events, &TPopupEvents::Shown);
  modal->Popup(nullptr);
  EXPECT_FALSE(IsPopupVisible(modal));
  EXPECT_EQ(modal->OwnerControl(), nullptr);
  EXPECT_TRUE(TQuarantine::Intact());
}

// D-57: an owner on no form has no form window, so any closed window closes its popup.
TEST_F(PopupWindowTest, APopupWhoseOwnerIsOnNoFormClosesWithAnyClosedWindow) {
  auto* loose = static_cast<TCountingEdit*>(TWinControl::CreateParented(TCountingEdit::StaticClass(), form->Handle()));
  loose->SetBounds(200, 120, 100, 21);
  loose->SetVisible(true);
  TLoggingPopup* popup = MakePopup(loose, false);
  popup->Popup(nullptr);
  ASSERT_TRUE(IsPopupVisible(popup));
  HWND scratch = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  SendMessageW(scratch, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsPopupVisible(popup));
  DestroyWindow(scratch);
  delete popup;
  popups.clear();
  delete loose;
}

// --- Real pointer input: the mouse hook ---------------------------------------------------------
class PopupClickTest : public PopupWindowTest {
 protected:
  TLoggingPopup* Open(bool Swallow) {
    TLoggingPopup* popup = MakePopup(owner, false);
    popup->Swallow = Swallow;
    popup->Popup(nullptr);
    Pump();
    return popup;
  }
};

TEST_F(PopupClickTest, AClickElsewhereClosesThePopupAndReachesItsTargetUnlessSwallowed) {
  struct TCase {
    const char* What;
    bool OnOwner;
    bool Swallow;
    bool Reaches;
  };
  int x = 10;
  for (const TCase c : {TCase{"another control", false, false, true}, TCase{"another control, swallowed", false, true, false},
                        TCase{"the owner", true, false, true}, TCase{"the owner, swallow asked", true, true, true}}) {
    SCOPED_TRACE(c.What);
    TLoggingPopup* popup = Open(c.Swallow);
    TCountingEdit* target = c.OnOwner ? owner : other;
    target->MouseDowns = 0;
    // Apart from the last click, so that no two make a double click.
    x += 30;
    ClickAt(target->ClientToScreen(TPoint{x, 10}));
    EXPECT_FALSE(IsPopupVisible(popup));
    EXPECT_EQ(popup->OutsideClicks, 1);
    EXPECT_EQ(target->MouseDowns, c.Reaches ? 1 : 0);
  }
}

TEST_F(PopupClickTest, AClickElsewhereEndsACaptureFocusPopupsLoop) {
  TLoggingPopup* popup = MakePopup(owner, true);
  TPopupEvents events;
  events.OnShown = [&](TcxCustomPopupWindow*) { ClickAt(other->ClientToScreen(TPoint{100, 5})); };
  popup->OnPopupShown = TNotifyEvent(&events, &TPopupEvents::Shown);
  other->MouseDowns = 0;
  popup->Popup(nullptr);  // returns once the click closed it
  EXPECT_FALSE(IsPopupVisible(popup));
  EXPECT_EQ(popup->OutsideClicks, 1);
  EXPECT_EQ(other->MouseDowns, 1);
}

TEST_F(PopupClickTest, AClickInsideThePopupKeepsItOpen) {
  TLoggingPopup* popup = Open(false);
  ClickAt(popup->ClientToScreen(TPoint{30, 30}));
  EXPECT_TRUE(IsPopupVisible(popup));
  EXPECT_EQ(popup->OutsideClicks, 0);
}

TEST_F(PopupClickTest, PressingTheOwnersCaptionToMoveItClosesThePopup) {
  TLoggingPopup* popup = Open(false);
  RECT frame;
  GetWindowRect(form->Handle(), &frame);
  ClickAt(TPoint{(frame.left + frame.right) / 2, frame.top + GetSystemMetrics(SM_CYCAPTION) / 2 + 2});
  EXPECT_FALSE(IsPopupVisible(popup));
}

}  // namespace

namespace {

// An open drop-down with a list of Latin and Chinese items, under its owner,
// the own scroll bar over the list's native one.
TEST_F(PopupWindowTest, ScreenshotOfAnOpenPopupWithAList) {
  TLoggingPopup* popup = MakePopup(owner, false);
  popup->SetBorderStyle(pbsSingle);
  auto* list = new TcxCustomInnerListBox(popup);
  list->SetParent(popup);
  list->SetBounds(0, 0, 150, 120);
  for (const wchar_t* s : {L"北京 Beijing", L"上海 Shanghai", L"深圳 Shenzhen", L"广州 Guangzhou", L"杭州 Hangzhou",
                           L"南京 Nanjing", L"成都 Chengdu", L"武汉 Wuhan", L"西安 Xi'an", L"重庆 Chongqing"})
    list->Items()->Add(s);
  list->SetItemIndex(1);
  popup->Popup(nullptr);
  Pump();
  ASSERT_TRUE(IsPopupVisible(popup));
  EXPECT_EQ(popup->Width(), 152) << "sized around the list and its frame";
  ASSERT_NE(list->VScrollBar(), nullptr);
  EXPECT_TRUE(list->VScrollBar()->Visible());
  EXPECT_EQ(list->VScrollBar()->Parent(), popup);
  RedrawWindow(popup->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  const vamire_test::Capture cap = vamire_test::CaptureWindow(popup->Handle());
  EXPECT_EQ(cap.At(0, 0), 0x000000u) << "the frame in the frame colour";
  EXPECT_EQ(cap.At(151, 60), 0x000000u);
  EXPECT_GT(cap.CountNot(0xFFFFFFu), 500u) << "items and bar drawn";
  RECT f, p;
  GetWindowRect(form->Handle(), &f);
  GetWindowRect(popup->Handle(), &p);
  HDC screen = GetDC(nullptr);
  const vamire_test::Capture all =
      vamire_test::CaptureDC(screen, f.left, f.top, f.right - f.left, std::max(f.bottom, p.bottom) - f.top);
  ReleaseDC(nullptr, screen);
  EXPECT_TRUE(all.SavePng(L"controls_popup_list.png"));
}

}  // namespace
