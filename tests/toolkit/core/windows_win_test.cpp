// The base-control unit's window, monitor, key, menu and design-time routines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExtCtrls.h"
#include "cxControlsBase_win.h"
#include "runtime/controls_test_support.h"
#include "toolkit/core/popup_menu_handler.h"

namespace {

using controls_test::PumpMessages;
using controls_test::THost;
using controls_test::TMyPanel;
using controls_test::TMyShape;

class WindowRoutinesTest : public testing::Test {
 protected:
  void SetUp() override { InitializeUnits({cxControlsBaseUnit}); }
  void TearDown() override { FinalizeUnits(); }
};

// A plain top-level window; with a maximum size it maximizes to that size only.
SIZE GMaxSize{0, 0};
LRESULT CALLBACK FrameProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_GETMINMAXINFO && GMaxSize.cx > 0) {
    auto* info = reinterpret_cast<MINMAXINFO*>(lp);
    info->ptMaxSize = POINT{GMaxSize.cx, GMaxSize.cy};
    info->ptMaxTrackSize = info->ptMaxSize;
    return 0;
  }
  return DefWindowProcW(wnd, msg, wp, lp);
}

HWND CreateFrame(DWORD style, HWND parent = nullptr, RECT r = {100, 100, 300, 250}, DWORD exStyle = 0) {
  static ATOM atom = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &FrameProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = L"RoutinesTestFrame";
    return RegisterClassW(&wc);
  }();
  return CreateWindowExW(exStyle, MAKEINTATOM(atom), L"Frame", style, r.left, r.top, r.right - r.left,
                         r.bottom - r.top, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

TRect SystemWorkArea() {
  RECT r;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return TRect{r.left, r.top, r.right, r.bottom};
}

// --- Geometry and window tests -----------------------------------------------------------
TEST_F(WindowRoutinesTest, WindowFamilyTestsAndGeometry) {
  HWND top = CreateFrame(WS_POPUP | WS_VISIBLE, nullptr, {900, 600, 1100, 800}, WS_EX_TOPMOST);
  HWND child = CreateFrame(WS_CHILD | WS_VISIBLE, top, {10, 10, 110, 110});
  HWND grandchild = CreateFrame(WS_CHILD | WS_VISIBLE, child, {5, 5, 55, 55});
  HWND other = CreateFrame(WS_POPUP);

  EXPECT_TRUE(HasChildStyle(child));
  EXPECT_FALSE(HasChildStyle(top));
  EXPECT_TRUE(IsSameOrChildWindow(top, top));
  EXPECT_TRUE(IsSameOrChildWindow(top, grandchild));
  EXPECT_FALSE(IsSameOrChildWindow(child, top));
  EXPECT_FALSE(IsSameOrChildWindow(nullptr, nullptr));
  EXPECT_TRUE(IsAncestorWindow(top, grandchild));
  EXPECT_FALSE(IsAncestorWindow(grandchild, grandchild));
  EXPECT_FALSE(IsAncestorWindow(other, grandchild));
  EXPECT_FALSE(IsAncestorWindow(nullptr, grandchild));

  EXPECT_TRUE(IsWindowAndParentsEnabled(grandchild));
  EnableWindow(child, FALSE);
  EXPECT_FALSE(IsWindowAndParentsEnabled(grandchild));
  EnableWindow(child, TRUE);
  EnableWindow(top, FALSE);  // the chain ends at the first window that is not a child
  EXPECT_FALSE(IsWindowAndParentsEnabled(grandchild));
  SetWindowLongPtrW(child, GWL_STYLE, WS_POPUP | WS_VISIBLE);
  EXPECT_TRUE(IsWindowAndParentsEnabled(grandchild));
  SetWindowLongPtrW(child, GWL_STYLE, WS_CHILD | WS_VISIBLE);
  EnableWindow(top, TRUE);

  TPoint p{5, 6};
  MapPointBetweenWindows(grandchild, nullptr, p);
  EXPECT_EQ(p, (TPoint{900 + 10 + 5 + 5, 600 + 10 + 5 + 6}));
  MapPointBetweenWindows(nullptr, child, p);
  EXPECT_EQ(p, (TPoint{10, 11}));
  TRect r{0, 0, 20, 30};
  MapRectBetweenWindows(child, top, r);
  EXPECT_EQ(r, (TRect{10, 10, 30, 40}));

  EXPECT_EQ(GetClientRectOrEmpty(child), (TRect{0, 0, 100, 100}));
  EXPECT_EQ(GetWindowRectOrEmpty(child), (TRect{910, 610, 1010, 710}));
  DestroyWindow(other);
  EXPECT_EQ(GetClientRectOrEmpty(other), TRect{});
  EXPECT_EQ(GetWindowRectOrEmpty(other), TRect{});
  EXPECT_EQ(GetControlWindowRect(nullptr), TRect{});

  // The deepest visible window under a point; a hidden one is looked through.
  EXPECT_EQ(FindDeepestChildAtPoint(top, TPoint{20, 20}), grandchild);
  EXPECT_EQ(FindDeepestChildAtPoint(top, TPoint{100, 100}), child);
  EXPECT_EQ(FindDeepestChildAtPoint(top, TPoint{150, 150}), top);
  EXPECT_EQ(FindDeepestWindowAtPoint(TPoint{900 + 20, 600 + 20}), grandchild);
  ShowWindow(grandchild, SW_HIDE);
  EXPECT_EQ(FindDeepestChildAtPoint(top, TPoint{20, 20}), child);
  EXPECT_EQ(FindDeepestWindowAtPoint(TPoint{900 + 20, 600 + 20}), child);
  DestroyWindow(top);
}

TEST_F(WindowRoutinesTest, MonitorsAndWorkAreas) {
  const TRect area = SystemWorkArea();
  EXPECT_EQ(GetMonitorWorkRect(nullptr), area);
  EXPECT_EQ(GetWorkAreaAtPoint(TPoint{10, 10}), area);
  EXPECT_EQ(GetWorkAreaAtPoint(TPoint{-5000, 99999}), area);  // the nearest monitor
  EXPECT_TRUE(IsPointOnAnyMonitor(TPoint{10, 10}));
  POINT cursor;
  ASSERT_TRUE(GetCursorPos(&cursor));
  EXPECT_EQ(GetCursorPosOrInvalid(), (TPoint{cursor.x, cursor.y}));
}

// --- System menus ------------------------------------------------------------------------
bool Grayed(HMENU menu, UINT command) { return (GetMenuState(menu, command, MF_BYCOMMAND) & MF_GRAYED) != 0; }

struct TMenuExpectation {
  bool size, minimize, maximize, restore, move;
  UINT defaultItem;
};

void ExpectMenu(HWND wnd, const TMenuExpectation& e) {
  HMENU menu = GetSystemMenu(wnd, FALSE);
  UpdateSystemMenuItems(wnd, menu);
  EXPECT_EQ(!Grayed(menu, SC_SIZE), e.size) << "SC_SIZE";
  EXPECT_EQ(!Grayed(menu, SC_MINIMIZE), e.minimize) << "SC_MINIMIZE";
  EXPECT_EQ(!Grayed(menu, SC_MAXIMIZE), e.maximize) << "SC_MAXIMIZE";
  EXPECT_EQ(!Grayed(menu, SC_RESTORE), e.restore) << "SC_RESTORE";
  EXPECT_EQ(!Grayed(menu, SC_MOVE), e.move) << "SC_MOVE";
  EXPECT_EQ(GetMenuDefaultItem(menu, FALSE, 0), e.defaultItem);
}

TEST_F(WindowRoutinesTest, SystemMenuItemsFollowTheWindowsStyleAndState) {
  HWND wnd = CreateFrame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  {
    SCOPED_TRACE("normal");
    ExpectMenu(wnd, {true, true, true, false, true, SC_CLOSE});
  }
  ShowWindow(wnd, SW_MAXIMIZE);
  ASSERT_TRUE(IsZoomed(wnd));
  {
    SCOPED_TRACE("maximized over the work area");
    EXPECT_FALSE(IsWindowSmallerThanWorkArea(wnd));
    ExpectMenu(wnd, {false, true, false, true, false, SC_CLOSE});
  }
  ShowWindow(wnd, SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(wnd));
  {
    SCOPED_TRACE("minimized");
    ExpectMenu(wnd, {false, false, true, true, true, SC_RESTORE});
  }
  DestroyWindow(wnd);

  GMaxSize = SIZE{300, 200};  // maximizes to a smaller size
  wnd = CreateFrame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  ShowWindow(wnd, SW_MAXIMIZE);
  ASSERT_TRUE(IsZoomed(wnd));
  {
    SCOPED_TRACE("maximized to less than the work area");
    EXPECT_TRUE(IsWindowSmallerThanWorkArea(wnd));
    ExpectMenu(wnd, {false, true, false, true, true, SC_CLOSE});
  }
  GMaxSize = SIZE{0, 0};
  DestroyWindow(wnd);

  wnd = CreateFrame(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE);  // no frame to size, no boxes
  {
    SCOPED_TRACE("fixed frame without boxes");
    ExpectMenu(wnd, {false, false, false, false, true, SC_CLOSE});
  }
  DestroyWindow(wnd);
}

// The classic system menu, as the tests build it.
HMENU MakeSystemLikeMenu() {
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, SC_RESTORE, L"&Restore");
  AppendMenuW(menu, MF_STRING, SC_MOVE, L"&Move");
  AppendMenuW(menu, MF_STRING, SC_SIZE, L"&Size");
  AppendMenuW(menu, MF_STRING, SC_MINIMIZE, L"Mi&nimize");
  AppendMenuW(menu, MF_STRING, SC_MAXIMIZE, L"Ma&ximize");
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, SC_CLOSE, L"&Close\tAlt+F4");
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, SC_TASKLIST, L"S&witch To...");
  return menu;
}

std::vector<UINT> Commands(HMENU menu) {
  std::vector<UINT> ids;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) ids.push_back(GetMenuItemID(menu, i));
  return ids;
}

TEST_F(WindowRoutinesTest, ADialogsSystemMenuKeepsOnlyMoveAndClose) {
  HWND wnd = CreateFrame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HMENU menu = MakeSystemLikeMenu();
  AdjustSystemMenu(menu, wnd, true, false, TBorderIcons{biMinimize});  // no system menu: nothing
  EXPECT_EQ(GetMenuItemCount(menu), 9);
  AdjustSystemMenu(menu, wnd, false, true, TBorderIcons{biSystemMenu});
  EXPECT_EQ(GetMenuItemCount(menu), 9);
  EXPECT_TRUE(Grayed(menu, SC_RESTORE));
  AdjustSystemMenu(menu, wnd, true, true, TBorderIcons{biSystemMenu});
  EXPECT_EQ(Commands(menu), (std::vector<UINT>{SC_MOVE, SC_CLOSE}));
  EXPECT_TRUE(LockWindowUpdate(wnd)) << "the window was left locked";
  LockWindowUpdate(nullptr);
  DestroyMenu(menu);
  DestroyWindow(wnd);
}

TEST_F(WindowRoutinesTest, CopyMenuItemsReplacesEveryItemWithItsStateTextAndSubMenu) {
  HMENU source = MakeSystemLikeMenu();
  EnableMenuItem(source, SC_RESTORE, MF_BYCOMMAND | MF_GRAYED);
  CheckMenuItem(source, SC_MOVE, MF_BYCOMMAND | MF_CHECKED);
  SetMenuDefaultItem(source, SC_CLOSE, FALSE);
  HMENU more = CreatePopupMenu();
  AppendMenuW(more, MF_STRING, 77, L"Inner");
  AppendMenuW(source, MF_POPUP, reinterpret_cast<UINT_PTR>(more), L"更多");
  HMENU destination = CreatePopupMenu();
  AppendMenuW(destination, MF_STRING, 1, L"Old one");
  AppendMenuW(destination, MF_STRING, 2, L"Old two");

  CopyMenuItems(source, destination);
  ASSERT_EQ(GetMenuItemCount(destination), GetMenuItemCount(source));
  for (int i = 0; i < GetMenuItemCount(source); ++i) {
    SCOPED_TRACE(i);
    wchar_t a[64] = {}, b[64] = {};
    GetMenuStringW(source, UINT(i), a, 64, MF_BYPOSITION);
    GetMenuStringW(destination, UINT(i), b, 64, MF_BYPOSITION);
    EXPECT_STREQ(a, b);
    EXPECT_EQ(GetMenuItemID(source, i), GetMenuItemID(destination, i));
    EXPECT_EQ(GetSubMenu(source, i), GetSubMenu(destination, i));
    EXPECT_EQ(GetMenuState(source, UINT(i), MF_BYPOSITION), GetMenuState(destination, UINT(i), MF_BYPOSITION));
  }
  EXPECT_EQ(GetMenuDefaultItem(destination, FALSE, 0), UINT(SC_CLOSE));

  // The same menu, or something that is no menu: nothing happens.
  CopyMenuItems(destination, destination);
  CopyMenuItems(nullptr, destination);
  CopyMenuItems(source, reinterpret_cast<HMENU>(INT_PTR(0x1234)));
  EXPECT_EQ(GetMenuItemCount(destination), GetMenuItemCount(source));
  RemoveMenu(destination, GetMenuItemCount(destination) - 1, MF_BYPOSITION);  // the sub-menu is the source's
  DestroyMenu(destination);
  DestroyMenu(source);
}

TEST_F(WindowRoutinesTest, WithoutTheSystemsMenuTemplateTheWindowsOwnSystemMenuStays) {
  HWND wnd = CreateFrame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HMENU own = GetSystemMenu(wnd, FALSE);
  const std::vector<UINT> before = Commands(own);
  for (int index = 0; index < 3; ++index) {
    HMENU loaded = LoadSystemMenuTemplate(index);
    if (loaded) {  // where the system has it: the close item carries its picture
      MENUITEMINFOW info{};
      info.cbSize = sizeof(info);
      info.fMask = MIIM_BITMAP;
      ASSERT_TRUE(GetMenuItemInfoW(loaded, SC_CLOSE, FALSE, &info));
      EXPECT_EQ(info.hbmpItem, HBMMENU_POPUP_CLOSE);
    }
    CopyMenuItems(loaded, own);
    if (!loaded) {
      EXPECT_EQ(Commands(own), before) << "template " << index;
    } else {
      DestroyMenu(loaded);
    }
  }
  EXPECT_EQ(LoadSystemMenuTemplate(3), nullptr);
  DestroyWindow(wnd);
}

// --- Popup menus -------------------------------------------------------------------------
using core_test::TMenuHandler;

class TRecordingPopupMenu : public TPopupMenu {
  VAMIRE_CLASS(TRecordingPopupMenu, TPopupMenu)
 public:
  using TPopupMenu::TPopupMenu;
  void Popup(int X, int Y) override { Shown.push_back(TPoint{X, Y}); }
  std::vector<TPoint> Shown;
};

TEST_F(WindowRoutinesTest, PopupMenusGoThroughTheHandlerInterfaceOrTheRuntimeMenu) {
  TMenuHandler handler(nullptr);
  TRecordingPopupMenu popup(nullptr);
  TComponent neither(nullptr);
  TMyShape control(nullptr);

  EXPECT_FALSE(ShowPopupMenu(&control, nullptr, 1, 2));
  EXPECT_FALSE(ShowPopupMenu(&control, &neither, 1, 2));
  EXPECT_TRUE(ShowPopupMenu(&control, &handler, 3, 4));
  EXPECT_EQ(handler.Shown, (std::vector<TPoint>{TPoint{3, 4}}));
  EXPECT_TRUE(ShowPopupMenu(&control, &popup, 5, 6));
  EXPECT_EQ(popup.Shown, (std::vector<TPoint>{TPoint{5, 6}}));
  EXPECT_EQ(popup.PopupComponent(), &control);
  popup.SetAutoPopup(false);
  EXPECT_FALSE(ShowPopupMenu(&control, &popup, 7, 8));
  EXPECT_EQ(popup.Shown.size(), 1u);

  struct TClicks : TObject {
    int Count = 0;
    void Click(TObject*) { ++Count; }
  } clicks;
  auto* item = new TMenuItem(&popup);
  item->SetCaption(L"Open");
  item->SetShortCut(TShortCut(VK_F3));
  item->OnClick = TNotifyEvent(&clicks, &TClicks::Click);
  popup.Items()->Add(item);
  TMessage key{WM_KEYDOWN, VK_F3, 0, 0};
  EXPECT_FALSE(IsPopupMenuShortCut(nullptr, key));
  EXPECT_FALSE(IsPopupMenuShortCut(&popup, key)) << "a menu without its window took the key";
  HWND owner = CreateFrame(WS_POPUP);
  popup.SetWindowHandle(owner);
  EXPECT_TRUE(IsPopupMenuShortCut(&popup, key));
  EXPECT_EQ(clicks.Count, 1);
  popup.SetWindowHandle(nullptr);
  DestroyWindow(owner);
  TMessage k{WM_KEYDOWN, 'K', 0, 0};
  EXPECT_TRUE(IsPopupMenuShortCut(&handler, k));
  EXPECT_FALSE(IsPopupMenuShortCut(&neither, k));
}

TEST_F(WindowRoutinesTest, APopupMenuIsAsHighAsItsTallestColumn) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  HDC dc = GetDC(nullptr);
  HFONT font = CreateFontIndirectW(&metrics.lfMenuFont);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE qg{};
  GetTextExtentPoint32W(dc, L"Qg", 2, &qg);
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(nullptr, dc);
  const int row = qg.cy + 4;

  struct TMeasure : TObject {
    void Measure(TObject*, TCanvas*, int&, int& Height) { Height = 30; }
  } measure;
  TPopupMenu menu(nullptr);
  auto add = [&](const wchar_t* caption) {
    auto* item = new TMenuItem(&menu);
    item->SetCaption(caption);
    menu.Items()->Add(item);
    return item;
  };
  add(L"One");
  add(L"Two");
  add(L"Hidden")->SetVisible(false);
  EXPECT_EQ(CalcPopupMenuHeight(&menu), 2 * row + 4);
  add(L"Three")->SetBreak(mbBreak);  // a second column, lower than the first
  EXPECT_EQ(CalcPopupMenuHeight(&menu), 2 * row + 4);
  add(L"Four");
  add(L"Five");
  EXPECT_EQ(CalcPopupMenuHeight(&menu), 3 * row + 4);
  menu.SetOwnerDraw(true);
  for (int i = 0; i < menu.Items()->Count(); ++i)
    menu.Items()->Items(i)->OnMeasureItem = TMenuMeasureItemEvent(&measure, &TMeasure::Measure);
  EXPECT_EQ(CalcPopupMenuHeight(&menu), 3 * 30 + 4);
}

// --- Controls ----------------------------------------------------------------------------
class TOpaque : public TCustomControl {
  VAMIRE_CLASS(TOpaque, TCustomControl)
 public:
  explicit TOpaque(TComponent* AOwner) : TCustomControl(AOwner) {
    FControlStyle.Include(csOpaque);
    FControlStyle.Exclude(csParentBackground);
  }
};

class TSaysTransparent : public TOpaque, public IcxTransparencyQuery {
  VAMIRE_CLASS(TSaysTransparent, TOpaque)
 public:
  using TOpaque::TOpaque;
  bool IsTransparent() override { return true; }
  bool GetInterface(const TGUID& iid, void** obj) override {
    return InterfaceTable<IcxTransparencyQuery>(this, iid, obj) || TOpaque::GetInterface(iid, obj);
  }
  int32_t QueryInterface(const TGUID& iid, void** obj) override { return TOpaque::QueryInterface(iid, obj); }
  int32_t _AddRef() override { return TOpaque::_AddRef(); }
  int32_t _Release() override { return TOpaque::_Release(); }
};

struct TInvalidateLog : TObject {
  TWndMethod Previous;
  std::vector<WPARAM> Invalidates;
  void WindowProc(TMessage& Message) {
    if (Message.Msg == CM_INVALIDATE) Invalidates.push_back(Message.WParam);
    Previous(Message);
  }
};

TEST_F(WindowRoutinesTest, InvalidatingAControlTellsItsParentAndRepaintsOnlyItsTransparentChildren) {
  THost host(nullptr);
  auto* panel = new TMyPanel(&host);
  panel->SetParent(&host);
  panel->SetBounds(10, 10, 200, 150);
  auto* see = new TPanel(&host);
  auto* opaque = new TOpaque(&host);
  auto* says = new TSaysTransparent(&host);
  auto* shape = new TMyShape(&host);
  int left = 0;
  for (TControl* c : std::initializer_list<TControl*>{see, opaque, says, shape}) {
    c->SetParent(panel);
    c->SetBounds(left, 0, 40, 40);
    left += 45;
  }
  EXPECT_TRUE(IsTransparentChild(see));
  EXPECT_FALSE(IsTransparentChild(opaque));
  EXPECT_TRUE(IsTransparentChild(says));
  EXPECT_FALSE(IsTransparentChild(shape));

  InvalidateControlAndChildren(panel, true, true);  // no window yet: nothing at all
  host.Show();
  PumpMessages();
  TInvalidateLog log;
  log.Previous = host.WindowProc();
  host.SetWindowProc(TWndMethod(&log, &TInvalidateLog::WindowProc));
  RECT none;
  for (TWinControl* c : std::initializer_list<TWinControl*>{panel, see, opaque, says})
    ASSERT_FALSE(GetUpdateRect(c->Handle(), &none, FALSE));

  InvalidateControlAndChildren(panel, false, true);  // only the parent hears of it
  EXPECT_EQ(log.Invalidates, std::vector<WPARAM>{1});
  EXPECT_FALSE(GetUpdateRect(panel->Handle(), &none, FALSE));
  InvalidateControlAndChildren(panel, true, true);
  EXPECT_TRUE(GetUpdateRect(panel->Handle(), &none, FALSE));
  EXPECT_TRUE(GetUpdateRect(see->Handle(), &none, FALSE));
  EXPECT_FALSE(GetUpdateRect(opaque->Handle(), &none, FALSE));
  EXPECT_TRUE(GetUpdateRect(says->Handle(), &none, FALSE));
  host.SetWindowProc(log.Previous);
}

TEST_F(WindowRoutinesTest, AWindowCanBeMadeWhereSomeAncestorCanMakeOne) {
  TMyPanel alone(nullptr);
  EXPECT_FALSE(CanAllocateWindowHandle(&alone)) << "neither a parent nor a form";
  HWND outside = CreateFrame(WS_POPUP | WS_VISIBLE);
  {
    TMyPanel outer(nullptr);
    auto* inner = new TMyPanel(&outer);
    inner->SetVisible(false);  // so it gets no window with its parent's
    inner->SetParent(&outer);
    EXPECT_FALSE(CanAllocateWindowHandle(inner)) << "no ancestor can make a window";
    outer.SetParentWindow(outside);
    ASSERT_FALSE(inner->HandleAllocated());
    EXPECT_TRUE(CanAllocateWindowHandle(inner)) << "the outer control has a window";
    EXPECT_EQ(GetControlWindowRect(inner), TRect{});
    EXPECT_FALSE(IsWindowedControlShown(inner));
    inner->Destroying();
    EXPECT_FALSE(CanAllocateWindowHandle(inner)) << "being destroyed";
    inner->ExcludeState(csDestroying);
    inner->SetVisible(true);
    EXPECT_TRUE(IsWindowedControlShown(inner));
    EXPECT_TRUE(CanAllocateWindowHandle(inner));
    EXPECT_EQ(GetControlWindowRect(inner), GetWindowRectOrEmpty(inner->Handle()));
    EXPECT_FALSE(IsWindowedControlShown(nullptr));
  }
  DestroyWindow(outside);
}

// --- Keys --------------------------------------------------------------------------------
TEST_F(WindowRoutinesTest, KeysTypeTheirCharacterAndTheDragThresholdIsStrict) {
  BYTE state[256] = {};
  SetKeyboardState(state);
  EXPECT_EQ(VirtualKeyToChar('A'), L'a');
  EXPECT_EQ(VirtualKeyToChar('7'), L'7');
  EXPECT_EQ(VirtualKeyToChar(VK_F1), L'\0');
  EXPECT_EQ(VirtualKeyToChar(VK_SHIFT), L'\0');
  state[VK_SHIFT] = 0x80;
  SetKeyboardState(state);
  EXPECT_EQ(VirtualKeyToChar('A'), L'A');
  state[VK_SHIFT] = 0;
  SetKeyboardState(state);

  const int threshold = Mouse->DragThreshold();
  const TPoint down{100, 100};
  EXPECT_TRUE(IsWithinDragThreshold(down, 100 + threshold - 1, 100 - threshold + 1));
  EXPECT_FALSE(IsWithinDragThreshold(down, 100 + threshold, 100));
  EXPECT_FALSE(IsWithinDragThreshold(down, 100, 100 - threshold));
  EXPECT_EQ(GetSystemDoubleClickTime(), GetDoubleClickTime());
}

// --- Design time -------------------------------------------------------------------------
struct TDesigner : IcxDesigner {
  int Modifications = 0;
  TcxDesignController* Controller = nullptr;
  TCustomForm* Form = nullptr;
  void Modified() override {
    ++Modifications;
    if (Controller) Controller->NotifyDesignerModified(Form);  // a notification inside one: ignored
  }
};
TDesigner* GDesigner = nullptr;
TComponent* GFoundRoot = nullptr;
IcxDesigner* FindTestDesigner(TComponent* Root) {
  GFoundRoot = Root;
  return GDesigner;
}

TEST_F(WindowRoutinesTest, TheRootsDesignerHearsOfChangesOnlyFromReadyDesigningComponents) {
  TDesigner designer;
  GDesigner = &designer;
  SetRootDesignerFinder(&FindTestDesigner);
  TForm* owner = TCustomForm::Create<TForm>(nullptr);
  TForm& form = *owner;
  auto* panel = new TMyPanel(&form);
  panel->SetParent(&form);
  auto* shape = new TMyShape(&form);
  shape->SetParent(panel);

  SetDesignerModified(shape);
  EXPECT_EQ(designer.Modifications, 0) << "not designing";
  form.SetDesigning(true);
  SetDesignerModified(shape);
  EXPECT_EQ(designer.Modifications, 1);
  EXPECT_EQ(GFoundRoot, &form);
  panel->IncludeState(csLoading);
  SetDesignerModified(shape);
  EXPECT_EQ(designer.Modifications, 1) << "a parent is loading";
  panel->ExcludeState(csLoading);
  shape->IncludeState(csWriting);
  SetDesignerModified(shape);
  EXPECT_EQ(designer.Modifications, 1) << "being written";
  shape->ExcludeState(csWriting);

  TcxDesignController controller;
  designer.Controller = &controller;
  designer.Form = &form;
  controller.EnableModifiedNotification();  // never below 0
  controller.DisableModifiedNotification();
  EXPECT_TRUE(controller.IsModifiedNotificationDisabled());
  controller.NotifyDesignerModified(&form);
  EXPECT_EQ(designer.Modifications, 1);
  controller.EnableModifiedNotification();
  EXPECT_FALSE(controller.IsModifiedNotificationDisabled());
  controller.NotifyDesignerModified(&form);
  EXPECT_EQ(designer.Modifications, 2);
  EXPECT_FALSE(IsMDIChildForm(&form));
  EXPECT_FALSE(IsMDIParentForm(nullptr));
  EXPECT_EQ(GetFormStyleOf(&form), fsNormal);

  SetRootDesignerFinder(nullptr);
  GDesigner = nullptr;
  owner->Free();
}

}  // namespace
