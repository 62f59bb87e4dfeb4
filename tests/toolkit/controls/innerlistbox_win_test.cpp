// The inner list box: the keys and presses that select go first to its
// container, which may take them; typing selects the first item starting
// with what was typed, starting again after a pause (ticks injected, no
// waiting), Chinese included, through the wide and the code-page 936 paths;
// its own scroll bars lie exactly over the native ones, follow them, and
// drive the list; and freeing the list frees its bars.
#include "popuplist_test_support.h"

using namespace controls_test;
using namespace popuplist_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TPopupUnits);

DWORD& Ticks() {
  static DWORD ticks = 100000;
  return ticks;
}
DWORD ReadTicks() { return Ticks(); }

// A container that records what its inner list box hands it and may take keys.
class TRecordingContainer : public TcxContainer {
  VAMIRE_CLASS(TRecordingContainer, TcxContainer)
 public:
  using TcxContainer::TcxContainer;
  std::vector<std::string> Log;
  uint16_t TakeKey = 0;
  wchar_t TakeChar = 0;

 protected:
  void KeyDown(uint16_t& Key, TShiftState Shift) override {
    Log.push_back("key down " + std::to_string(Key));
    if (Key == TakeKey) Key = 0;
    TcxContainer::KeyDown(Key, Shift);
  }
  void KeyPress(wchar_t& Key) override {
    Log.push_back("key press " + std::to_string(int(Key)));
    if (Key == TakeChar) Key = 0;
    TcxContainer::KeyPress(Key);
  }
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
    Log.push_back("mouse down " + std::to_string(X) + "," + std::to_string(Y) +
                  (InnerControlMouseDown ? " from inner" : ""));
    TcxContainer::MouseDown(Button, Shift, X, Y);
  }
  void Click() override {
    Log.push_back("click");
    TcxContainer::Click();
  }
  void FocusChanged() override {
    Log.push_back("focus changed");
    TcxContainer::FocusChanged();
  }
};

class InnerListBoxTest : public testing::Test {
 protected:
  void SetUp() override {
    previousTicks = TcxCustomInnerListBox::SetTickReader(&ReadTicks);
    form = MakeForm();
    ShowQuietly(form);
    container = new TRecordingContainer(form);
    container->SetParent(form);
    container->SetBounds(10, 10, 200, 150);
    list = new TcxCustomInnerListBox(container);
    list->Container = container;
    list->SetParent(container);
    container->SetInnerControl(list);
    list->SetBounds(2, 2, 196, 146);
    Pump();
  }
  void TearDown() override {
    delete form;
    TcxCustomInnerListBox::SetTickReader(previousTicks);
  }
  void Fill(std::initializer_list<const wchar_t*> AItems) {
    for (const wchar_t* s : AItems) list->Items()->Add(s);
  }
  void Type(wchar_t AChar, DWORD AAfter = 100) {
    Ticks() += AAfter;
    SendMessageW(list->Handle(), WM_CHAR, AChar, 0);
  }
  void Key(WPARAM AKey) {
    SendMessageW(list->Handle(), WM_KEYDOWN, AKey, 0);
    SendMessageW(list->Handle(), WM_KEYUP, AKey, 0xC0000000);
  }

  TcxCustomInnerListBox::TTickReader previousTicks = nullptr;
  THostForm* form = nullptr;
  TRecordingContainer* container = nullptr;
  TcxCustomInnerListBox* list = nullptr;
};

TEST_F(InnerListBoxTest, KeysGoToTheContainerFirstWhichMayTakeThem) {
  Fill({L"one", L"two", L"three", L"four"});
  list->SetItemIndex(0);
  Key(VK_DOWN);
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(container->Log.front(), "key down 40");
  container->TakeKey = VK_DOWN;
  Key(VK_DOWN);
  EXPECT_EQ(list->ItemIndex(), 1) << "taken by the container";
  container->TakeKey = 0;
  Key(VK_END);
  EXPECT_EQ(list->ItemIndex(), 3);
  const LRESULT code = SendMessageW(list->Handle(), WM_GETDLGCODE, 0, 0);
  EXPECT_NE(code & DLGC_WANTCHARS, 0);
  EXPECT_NE(code & DLGC_WANTARROWS, 0);
}

TEST_F(InnerListBoxTest, APressSelectsAndReachesTheContainerInItsCoordinates) {
  Fill({L"one", L"two", L"three", L"four"});
  const TRect item = list->ItemRect(2);
  const LPARAM at = MAKELPARAM(item.Left + 5, item.Top + 2);
  SendMessageW(list->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(list->Handle(), WM_LBUTTONUP, 0, at);
  EXPECT_EQ(list->ItemIndex(), 2);
  const std::string expected =
      "mouse down " + std::to_string(item.Left + 5 + 2) + "," + std::to_string(item.Top + 2 + 2) + " from inner";
  EXPECT_NE(std::find(container->Log.begin(), container->Log.end(), expected), container->Log.end());
  EXPECT_NE(std::find(container->Log.begin(), container->Log.end(), "click"), container->Log.end());
  EXPECT_FALSE(container->InnerControlMouseDown);
}

TEST_F(InnerListBoxTest, TypingSelectsTheFirstItemStartingWithWhatWasTyped) {
  Fill({L"Apple", L"apricot", L"Banana", L"Blueberry", L"Cherry"});
  struct TStep {
    wchar_t Char;
    DWORD After;
    int Selected;
    const wchar_t* Prefix;
  };
  const TStep steps[] = {
      {L'a', 100, 0, L"a"},      {L'P', 100, 0, L"aP"},   {L'r', 499, 1, L"aPr"},  // within the pause, any case
      {L'b', 500, 2, L"b"},                                                      // a pause starts again
      {L'l', 10, 3, L"bl"},      {L'\b', 10, 2, L"b"},    {L'\b', 10, 0, L""},    // emptied: the first item
      {L'z', 10, 0, L"z"},                                                       // nothing starts so
  };
  for (const TStep& s : steps) {
    Type(s.Char, s.After);
    EXPECT_EQ(list->ItemIndex(), s.Selected) << int(s.Char);
    EXPECT_EQ(list->SearchText(), String(s.Prefix)) << int(s.Char);
  }
}

// The runtime list's own search never runs; control characters neither
// search nor move the selection, even after a pause.
TEST_F(InnerListBoxTest, EnterAndEscapeReachTheContainerAndLeaveTheSelectionAlone) {
  Fill({L"Apple", L"Banana", L"Cherry"});
  list->SetItemIndex(2);
  container->Log.clear();
  Type(L'\x1b', 2000);
  Type(L'\r', 2000);
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(container->Log, (std::vector<std::string>{"key press 27", "key press 13"}));
  container->TakeChar = L'c';
  Type(L'c');
  EXPECT_EQ(list->SearchText(), String()) << "taken by the container";
}

TEST_F(InnerListBoxTest, ChineseItemsAreFoundAsTyped) {
  Fill({L"北京", L"上海", L"深圳", L"上海浦东"});
  Type(L'上');
  EXPECT_EQ(list->ItemIndex(), 1);
  Type(L'海');
  Type(L'浦');
  EXPECT_EQ(list->ItemIndex(), 3);
  // The same through the code page: two bytes sent apart make one character.
  ASSERT_EQ(GetACP(), 936u);
  char bytes[4] = {};
  ASSERT_EQ(WideCharToMultiByte(936, 0, L"深", 1, bytes, 4, nullptr, nullptr), 2);
  Ticks() += 1000;
  SendMessageA(list->Handle(), WM_CHAR, WPARAM(static_cast<unsigned char>(bytes[0])), 0);
  SendMessageA(list->Handle(), WM_CHAR, WPARAM(static_cast<unsigned char>(bytes[1])), 0);
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(list->SearchText(), String(L"深"));
}

TEST_F(InnerListBoxTest, GainingAndLosingTheFocusTellTheContainer) {
  for (const UINT msg : {UINT(WM_SETFOCUS), UINT(WM_KILLFOCUS)}) {
    container->Log.clear();
    SendMessageW(list->Handle(), msg, reinterpret_cast<WPARAM>(form->Handle()), 0);
    EXPECT_GE(std::count(container->Log.begin(), container->Log.end(), "focus changed"), 1) << msg;
  }
}

// With the container's automatic drag, a press starts the container's drag;
// in a multi-select list a press on a selected item keeps the selection.
TEST_F(InnerListBoxTest, APressStartsTheContainersAutomaticDrag) {
  struct TCase {
    const char* What;
    bool Multi;
    WPARAM Keys;
    int Item;
    bool Drags;
    std::vector<bool> SelectedAfter;  // of items 0..3 in a multi-select list
  };
  const TCase cases[] = {
      {"single select", false, MK_LBUTTON, 2, true, {}},
      {"on a selected item", true, MK_LBUTTON, 1, true, {false, true, false, true}},
      {"with Ctrl", true, MK_LBUTTON | MK_CONTROL, 2, false, {false, true, true, true}},
  };
  Fill({L"one", L"two", L"three", L"four"});
  container->SetDragMode(dmAutomatic);
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    list->SetMultiSelect(c.Multi);
    if (c.Multi) {
      list->SetSelected(1, true);
      list->SetSelected(3, true);
    }
    const TRect item = list->ItemRect(c.Item);
    const TDragMode before = list->DragMode();
    SendMessageW(list->Handle(), WM_LBUTTONDOWN, c.Keys, MAKELPARAM(item.Left + 5, item.Top + 2));
    EXPECT_EQ(container->Dragging(), c.Drags);
    container->EndDrag(false);
    SendMessageW(list->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(item.Left + 5, item.Top + 2));
    ReleaseCapture();
    if (!c.Multi) {
      EXPECT_EQ(list->ItemIndex(), c.Item);
    }
    for (std::size_t i = 0; i < c.SelectedAfter.size(); ++i) EXPECT_EQ(list->Selected(int(i)), c.SelectedAfter[i]) << i;
    EXPECT_EQ(list->DragMode(), before) << "the list's own mode is back";
  }
}

// --- Own scroll bars -------------------------------------------------------------------------------
// A list that can scroll sideways too, as lists with wide items do.
class TWideList : public TcxCustomInnerListBox {
  VAMIRE_CLASS(TWideList, TcxCustomInnerListBox)
 public:
  using TcxCustomInnerListBox::TcxCustomInnerListBox;

 protected:
  void CreateParams(TCreateParams& Params) override {
    TcxCustomInnerListBox::CreateParams(Params);
    Params.Style |= WS_HSCROLL;
  }
};

class InnerListBoxBarsTest : public testing::Test {
 protected:
  void SetUp() override {
    form = MakeForm();
    ShowQuietly(form);
    list = new TWideList(form);
    list->SetParent(form);
    list->SetBounds(20, 30, 150, 100);
    Pump();
  }
  void TearDown() override { delete form; }
  // The native bar's place in the form's client coordinates.
  TRect NativeBar(LONG AObjectId) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    EXPECT_TRUE(GetScrollBarInfo(list->Handle(), AObjectId, &info));
    const TPoint origin = form->ClientToScreen(TPoint{0, 0});
    return TRect{info.rcScrollBar.left - origin.X, info.rcScrollBar.top - origin.Y, info.rcScrollBar.right - origin.X,
                 info.rcScrollBar.bottom - origin.Y};
  }
  void ExpectMirrors(TcxScrollBar* ABar, int AKind) {
    SCROLLINFO si{sizeof(si), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(list->Handle(), AKind, &si);
    EXPECT_EQ(ABar->Min(), si.nMin);
    EXPECT_EQ(ABar->Max(), si.nMax);
    EXPECT_EQ(ABar->PageSize(), int(si.nPage));
    EXPECT_EQ(ABar->Position(), si.nPos);
  }
  void AddItems(int N) {
    for (int i = 0; i < N; ++i) list->Items()->Add(L"Item " + IntToStr(i));
  }
  THostForm* form = nullptr;
  TcxCustomInnerListBox* list = nullptr;
};

TEST_F(InnerListBoxBarsTest, TheOwnVerticalBarLiesOverTheNativeOneAndFollowsIt) {
  AddItems(3);
  EXPECT_FALSE(list->VScrollBar()->Visible()) << "no native bar yet";
  AddItems(30);
  TcxScrollBar* bar = list->VScrollBar();
  ASSERT_TRUE(bar->Visible());
  EXPECT_EQ(bar->Parent(), form);
  EXPECT_EQ(bar->BoundsRect(), NativeBar(OBJID_VSCROLL));
  ExpectMirrors(bar, SB_VERT);
  list->SetTopIndex(5);
  ExpectMirrors(bar, SB_VERT);
  EXPECT_FALSE(list->HScrollBar()->Visible());
  EXPECT_TRUE(RectHasNoArea(list->GetScrollBarsCornerRect()));
}

TEST_F(InnerListBoxBarsTest, WorkingTheOwnBarScrollsTheList) {
  AddItems(40);
  TcxScrollBar* bar = list->VScrollBar();
  bar->PerformScroll(scLineDown);
  EXPECT_EQ(list->TopIndex(), 1);
  bar->PerformScroll(scPageDown);
  EXPECT_GT(list->TopIndex(), 1);
  EXPECT_EQ(bar->Position(), GetScrollPos(list->Handle(), SB_VERT));
  bar->PerformScroll(scBottom);
  EXPECT_EQ(bar->Position(), GetScrollPos(list->Handle(), SB_VERT));
  ExpectMirrors(bar, SB_VERT);
}

TEST_F(InnerListBoxBarsTest, LockedRedrawHoldsTheBarsUntilItIsTurnedOnAgain) {
  AddItems(10);
  const int before = list->VScrollBar()->Max();
  SendMessageW(list->Handle(), WM_SETREDRAW, FALSE, 0);
  AddItems(20);
  EXPECT_EQ(list->VScrollBar()->Max(), before);
  SendMessageW(list->Handle(), WM_SETREDRAW, TRUE, 0);
  ExpectMirrors(list->VScrollBar(), SB_VERT);
  EXPECT_NE(list->VScrollBar()->Max(), before);
}

TEST_F(InnerListBoxBarsTest, BothBarsLeaveACornerPaintedInThePaintersColour) {
  AddItems(30);
  SendMessageW(list->Handle(), LB_SETHORIZONTALEXTENT, 600, 0);
  ASSERT_TRUE(list->HScrollBar()->Visible());
  EXPECT_EQ(list->HScrollBar()->BoundsRect(), NativeBar(OBJID_HSCROLL));
  ExpectMirrors(list->HScrollBar(), SB_HORZ);
  const TRect corner = list->GetScrollBarsCornerRect();
  const TRect v = list->VScrollBar()->BoundsRect(), h = list->HScrollBar()->BoundsRect();
  EXPECT_EQ(corner, (TRect{v.Left - 20, h.Top - 30, v.Right - 20, h.Bottom - 30}));
  RedrawWindow(list->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  HDC dc = GetWindowDC(list->Handle());
  const COLORREF pixel = GetPixel(dc, (corner.Left + corner.Right) / 2, (corner.Top + corner.Bottom) / 2);
  ReleaseDC(list->Handle(), dc);
  EXPECT_EQ(pixel, ColorToRGB(list->LookAndFeel()->Painter()->GetScrollBarsCornerColor()));
}

// A bar left on the parent would scroll a freed list when worked.
TEST_F(InnerListBoxBarsTest, FreeingTheListFreesItsBarsOnTheParent) {
  AddItems(30);
  ASSERT_EQ(list->VScrollBar()->Parent(), form);
  const int controls = form->ControlCount();
  const int bars = (list->HScrollBar()->Parent() == form ? 1 : 0) + 1;
  delete list;
  EXPECT_EQ(form->ControlCount(), controls - 1 - bars);
}

}  // namespace
