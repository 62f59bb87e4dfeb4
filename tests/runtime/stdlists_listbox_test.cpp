// List boxes driven through their windows: items and selections that outlive
// the window, clicks and typed keys, owner drawing with the right indexes,
// virtual lists answered by OnData, and hit testing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "StdCtrls.h"
#include "support/WindowCapture.h"
#include "controls_test_support.h"

using namespace controls_test;

namespace {

LPARAM PointParam(int x, int y) { return MAKELPARAM(WORD(x), WORD(y)); }

String WindowItem(HWND wnd, int index) {
  const int len = int(SendMessageW(wnd, LB_GETTEXTLEN, WPARAM(index), 0));
  if (len < 0) return L"<none>";
  String s(size_t(len) + 1, L'\0');
  SendMessageW(wnd, LB_GETTEXT, WPARAM(index), reinterpret_cast<LPARAM>(s.data()));
  s.resize(size_t(len));
  return s;
}

// Records what the list box tells; the handlers are the events under test.
class TRecorder : public TObject {
  VAMIRE_CLASS(TRecorder, TObject)
 public:
  TRecorder() = default;
  int Clicks = 0, DblClicks = 0;
  std::vector<int> Measured;
  std::vector<int> Drawn;
  std::vector<TRect> DrawnRects;
  std::vector<TOwnerDrawState> DrawnStates;
  std::vector<int> DataAsked;
  std::vector<String> Found;

  void Click(TObject*) { ++Clicks; }
  void DblClick(TObject*) { ++DblClicks; }
  void Measure(TWinControl*, int Index, int& Height) {
    Measured.push_back(Index);
    Height = 10 + 4 * Index;
  }
  void Draw(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State) {
    Drawn.push_back(Index);
    DrawnRects.push_back(Rect);
    DrawnStates.push_back(State);
    auto* list = static_cast<TCustomListBox*>(Control);
    list->Canvas()->FillRect(Rect);
    list->Canvas()->TextOut(Rect.Left + 4, Rect.Top, L"#" + std::to_wstring(Index) + L" " + list->Items()->Strings(Index));
  }
  void Data(TWinControl*, int Index, String& Text) {
    DataAsked.push_back(Index);
    Text = L"Row " + std::to_wstring(Index);
  }
  int FindData(TWinControl*, String Text) {
    Found.push_back(Text);
    // "Row 4..." rows: the number typed after "Row " picks the row.
    if (Text.rfind(L"Row ", 0) == 0 && Text.size() > 4) return std::stoi(Text.substr(4));
    return -1;
  }
};

class ListBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host = new THost(nullptr);
    list = new TListBox(host);
    list->SetParent(host);
    list->SetBounds(10, 10, 200, 150);
    list->OnClick = TNotifyEvent(&rec, &TRecorder::Click);
    list->OnDblClick = TNotifyEvent(&rec, &TRecorder::DblClick);
  }
  void TearDown() override { host->Free(); }
  void Show() {
    host->Show();
    UpdateWindow(list->Handle());
  }
  void ClickItem(int index, WPARAM keys = 0) {
    const TRect r = list->ItemRect(index);
    const LPARAM at = PointParam(r.Left + 5, r.Top + 2);
    SendMessageW(list->Handle(), WM_LBUTTONDOWN, MK_LBUTTON | keys, at);
    SendMessageW(list->Handle(), WM_LBUTTONUP, keys, at);
    PumpMessages();
  }
  void Type(const String& text) {
    for (wchar_t c : text) SendMessageW(list->Handle(), WM_CHAR, WPARAM(c), 1);
  }
  std::vector<int> SelectedItems() {
    std::vector<int> sel;
    for (int i = 0; i < list->Items()->Count(); ++i)
      if (list->Selected(i)) sel.push_back(i);
    return sel;
  }

  THost* host = nullptr;
  TListBox* list = nullptr;
  TRecorder rec;
};

TEST_F(ListBoxTest, ItemsAndObjectsLiveBeforeTheWindowAndAcrossRecreation) {
  TObject a, b, c;
  list->Items()->AddObject(L"alpha", &a);
  list->Items()->AddObject(L"beta", &b);
  list->SetItemIndex(1);
  Show();
  list->Items()->AddObject(L"gamma", &c);

  const HWND first = list->Handle();
  ASSERT_EQ(SendMessageW(first, LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(WindowItem(first, 2), L"gamma");
  EXPECT_EQ(SendMessageW(first, LB_GETITEMDATA, 1, 0), reinterpret_cast<LRESULT>(&b));
  EXPECT_EQ(list->ItemIndex(), 1) << "the index set before the window reaches it";

  list->SetItemIndex(2);
  list->RecreateWnd();
  ASSERT_NE(list->Handle(), first);
  ASSERT_EQ(SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(list->Items()->Strings(0), L"alpha");
  EXPECT_EQ(WindowItem(list->Handle(), 1), L"beta");
  EXPECT_EQ(list->Items()->Objects(2), &c);
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETITEMDATA, 2, 0), reinterpret_cast<LRESULT>(&c));
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(rec.Clicks, 0) << "setting the index from code is not a click";
  EXPECT_THROW(list->Items()->Strings(3), Exception);
}

TEST_F(ListBoxTest, SortedListsPlaceItemsWhereTheWindowHasThem) {
  list->SetSorted(true);
  for (const wchar_t* s : {L"pear", L"Apple", L"fig", L"banana"}) list->Items()->Add(s);
  Show();
  EXPECT_EQ(list->Items()->Add(L"cherry"), 2);
  const std::vector<String> expected{L"Apple", L"banana", L"cherry", L"fig", L"pear"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(list->Items()->Strings(i), expected[size_t(i)]);
    EXPECT_EQ(WindowItem(list->Handle(), i), expected[size_t(i)]);
  }
  EXPECT_EQ(list->Items()->IndexOf(L"FIG"), 3);
}

TEST_F(ListBoxTest, ClicksSelectAndRunTheEvents) {
  for (const wchar_t* s : {L"one", L"two", L"three", L"four"}) list->Items()->Add(s);
  Show();
  ClickItem(2);
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(rec.Clicks, 1);
  EXPECT_TRUE(list->Selected(2));
  EXPECT_EQ(list->SelCount(), 1);

  // A double click is a click, then the second press of the pair.
  ClickItem(1);
  const TRect r = list->ItemRect(1);
  SendMessageW(list->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, PointParam(r.Left + 5, r.Top + 2));
  SendMessageW(list->Handle(), WM_LBUTTONUP, 0, PointParam(r.Left + 5, r.Top + 2));
  EXPECT_EQ(rec.DblClicks, 1);
  EXPECT_EQ(rec.Clicks, 2);
  EXPECT_EQ(list->ItemIndex(), 1);

  list->ClearSelection();
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_EQ(list->SelCount(), 0);
}

TEST_F(ListBoxTest, MultiSelectKeepsItsSelectionAcrossRecreation) {
  for (const wchar_t* s : {L"a", L"b", L"c", L"d", L"e"}) list->Items()->Add(s);
  list->SetMultiSelect(true);
  list->SetSelected(4, true);  // before the window: stored
  Show();
  EXPECT_EQ(SelectedItems(), (std::vector<int>{4}));

  ClickItem(1);                 // extended selection: a plain click selects only that one
  ClickItem(3, MK_CONTROL);     // Ctrl adds
  EXPECT_EQ(SelectedItems(), (std::vector<int>{1, 3}));
  EXPECT_EQ(list->SelCount(), 2);
  EXPECT_EQ(list->ItemIndex(), 3);

  list->RecreateWnd();
  EXPECT_EQ(SelectedItems(), (std::vector<int>{1, 3}));
  EXPECT_EQ(list->ItemIndex(), 3);

  list->DeleteSelected();
  EXPECT_EQ(list->Items()->CommaText(), L"a,c,e");
  list->SelectAll();
  EXPECT_EQ(list->SelCount(), 3);
  list->ClearSelection();
  EXPECT_EQ(list->SelCount(), 0);
}

TEST_F(ListBoxTest, StoredSelectionFollowsItemsWithoutAWindow) {
  for (const wchar_t* s : {L"a", L"b", L"c", L"d"}) list->Items()->Add(s);
  list->SetItemIndex(2);
  list->Items()->Insert(0, L"z");
  EXPECT_EQ(list->ItemIndex(), 3) << "inserting above moves the current item down";
  list->Items()->Delete(3);
  EXPECT_EQ(list->ItemIndex(), -1) << "deleting the current item leaves none";
  list->SetItemIndex(7);
  EXPECT_EQ(list->ItemIndex(), -1) << "an index past the items selects nothing";
}

TEST_F(ListBoxTest, VariableOwnerDrawMeasuresAndDrawsEachItemByIndex) {
  list->SetStyle(lbOwnerDrawVariable);
  list->OnMeasureItem = TMeasureItemEvent(&rec, &TRecorder::Measure);
  list->OnDrawItem = TDrawItemEvent(&rec, &TRecorder::Draw);
  for (const wchar_t* s : {L"zero", L"one", L"two", L"three"}) list->Items()->Add(s);
  list->SetItemIndex(2);
  Show();

  EXPECT_EQ(rec.Measured, (std::vector<int>{0, 1, 2, 3}));
  for (int i = 0; i < 4; ++i) {
    const TRect r = list->ItemRect(i);
    EXPECT_EQ(r.Bottom - r.Top, 10 + 4 * i) << "item " << i;
  }
  ASSERT_EQ(rec.Drawn, (std::vector<int>{0, 1, 2, 3}));
  for (int i = 0; i < 4; ++i) {
    const TRect r = list->ItemRect(i);
    EXPECT_EQ(rec.DrawnRects[size_t(i)].Top, r.Top);
    EXPECT_EQ(rec.DrawnRects[size_t(i)].Bottom, r.Bottom);
    EXPECT_EQ(rec.DrawnStates[size_t(i)].Contains(odSelected), i == 2) << "item " << i;
  }

  // Re-created, the list measures again and its rows keep their heights.
  rec.Measured.clear();
  list->RecreateWnd();
  EXPECT_EQ(rec.Measured, (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(list->ItemRect(3).Bottom - list->ItemRect(3).Top, 22);
}

TEST_F(ListBoxTest, FixedOwnerDrawUsesItemHeight) {
  list->SetStyle(lbOwnerDrawFixed);
  list->SetItemHeight(23);
  list->OnMeasureItem = TMeasureItemEvent(&rec, &TRecorder::Measure);
  list->OnDrawItem = TDrawItemEvent(&rec, &TRecorder::Draw);
  list->Items()->SetCommaText(L"a,b,c");
  Show();
  EXPECT_TRUE(rec.Measured.empty()) << "fixed rows are not measured one by one";
  EXPECT_EQ(list->ItemRect(1).Top, 23);
  EXPECT_EQ(list->ItemRect(2).Bottom - list->ItemRect(2).Top, 23);
  EXPECT_EQ(rec.Drawn, (std::vector<int>{0, 1, 2}));
}

TEST_F(ListBoxTest, VirtualListAsksOnDataOnlyForWhatItShows) {
  list->SetStyle(lbVirtual);
  list->SetItemHeight(15);
  list->OnData = TLBGetDataEvent(&rec, &TRecorder::Data);
  list->OnDataFind = TLBFindDataEvent(&rec, &TRecorder::FindData);
  list->SetCount(100000);
  Show();

  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0), 100000);
  EXPECT_EQ(list->Items()->Count(), 100000);
  ASSERT_FALSE(rec.DataAsked.empty()) << "painting asks for the visible rows";
  for (int i : rec.DataAsked) EXPECT_LT(i, 20) << "only visible rows are asked for";
  EXPECT_EQ(list->Items()->Strings(76543), L"Row 76543");
  EXPECT_THROW(list->Items()->Add(L"x"), EListError);
  EXPECT_THROW(list->Items()->Strings(100000), Exception);

  list->SetAutoCompleteDelay(60000);
  Type(L"Row 42");
  EXPECT_EQ(list->ItemIndex(), 42);
  EXPECT_EQ(rec.Found.back(), L"Row 42");

  list->SetItemIndex(99999);
  list->RecreateWnd();
  EXPECT_EQ(list->Items()->Count(), 100000);
  EXPECT_EQ(list->ItemIndex(), 99999);
}

TEST_F(ListBoxTest, TypingSelectsTheItemStartingWithWhatWasTyped) {
  list->Items()->SetCommaText(L"Apple,Apricot,Banana,Blueberry,Cherry");
  Show();
  struct Case {
    unsigned Delay;
    const wchar_t* Keys;
    int Expected;
  };
  const Case cases[] = {
      {60000, L"ap", 0},      // a prefix of both: the first
      {60000, L"apr", 1},     // the third letter decides
      {60000, L"BL", 3},      // case does not matter
      {60000, L"blx", 3},     // no item: the last found stays
      {60000, L"bl\b\b", 0},  // backspaces down to nothing: the first item
      {0, L"ab", 2},          // every key after a pause starts again: "b"
      {60000, L"c\r", 4},     // Enter is no search text
  };
  for (const Case& c : cases) {
    // A key after a pause starts the typed prefix again.
    list->SetAutoCompleteDelay(0);
    SendMessageW(list->Handle(), WM_CHAR, VK_ESCAPE, 1);
    list->SetAutoCompleteDelay(c.Delay);
    list->SetItemIndex(-1);
    rec.Clicks = 0;
    Type(c.Keys);
    EXPECT_EQ(list->ItemIndex(), c.Expected) << "typed " << testing::PrintToString(std::wstring(c.Keys));
    EXPECT_GT(rec.Clicks, 0) << "a found item is a click";
  }
}

TEST_F(ListBoxTest, ItemAtPosAnswersRowsAndTheSpaceBelowThem) {
  list->SetStyle(lbOwnerDrawFixed);
  list->SetItemHeight(20);
  list->Items()->SetCommaText(L"a,b,c");
  Show();
  struct Case {
    int Y;
    bool Existing;
    int Expected;
  };
  const Case cases[] = {{1, true, 0}, {25, true, 1}, {59, false, 2}, {70, true, -1}, {70, false, 3}};
  for (const Case& c : cases)
    EXPECT_EQ(list->ItemAtPos(TPoint{5, c.Y}, c.Existing), c.Expected) << "y=" << c.Y << " existing=" << c.Existing;
  EXPECT_EQ(list->ItemRect(3).Top, 60) << "the slot after the last item";

  for (int i = 0; i < 20; ++i) list->Items()->Add(L"more");
  list->SetTopIndex(5);
  EXPECT_EQ(list->ItemAtPos(TPoint{5, 1}, true), 5) << "rows are found from the top index";
  EXPECT_EQ(list->ItemAtPos(TPoint{5, 45}, true), 7);
  list->Clear();
  EXPECT_EQ(list->ItemAtPos(TPoint{5, 1}, true), -1);
  EXPECT_EQ(list->ItemAtPos(TPoint{5, 1}, false), 0);
}

TEST_F(ListBoxTest, Picture) {
  list->SetStyle(lbOwnerDrawVariable);
  list->OnMeasureItem = TMeasureItemEvent(&rec, &TRecorder::Measure);
  list->OnDrawItem = TDrawItemEvent(&rec, &TRecorder::Draw);
  list->Items()->SetCommaText(L"zero,one,two,three,four,five");
  list->SetItemIndex(3);
  auto* plain = new TListBox(host);
  plain->SetParent(host);
  plain->SetBounds(215, 10, 95, 150);
  plain->SetMultiSelect(true);
  plain->Items()->SetCommaText(L"red,green,blue,cyan");
  plain->SetSelected(0, true);
  plain->SetSelected(2, true);
  host->Show();
  UpdateWindow(host->Handle());
  PumpMessages();
  const vamire_test::Capture shot = vamire_test::CaptureWindow(host->Handle());
  EXPECT_TRUE(shot.SavePng(L"stdlists_listbox.png"));
  EXPECT_GT(shot.CountNot(0xFFFFFF), 100u);
}

}  // namespace
