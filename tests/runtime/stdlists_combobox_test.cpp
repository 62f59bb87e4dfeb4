// Combo boxes driven through their windows: the index and text from code and
// from the user, the change and selection events, typing into the edit and
// into a drop-down list, items that outlive the window, and owner drawing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "StdCtrls.h"
#include "support/WindowCapture.h"
#include "controls_test_support.h"

using namespace controls_test;

namespace {

String WindowItem(HWND wnd, int index) {
  const int len = int(SendMessageW(wnd, CB_GETLBTEXTLEN, WPARAM(index), 0));
  if (len < 0) return L"<none>";
  String s(size_t(len) + 1, L'\0');
  SendMessageW(wnd, CB_GETLBTEXT, WPARAM(index), reinterpret_cast<LPARAM>(s.data()));
  s.resize(size_t(len));
  return s;
}

class TComboRecorder : public TObject {
  VAMIRE_CLASS(TComboRecorder, TObject)
 public:
  TComboRecorder() = default;
  std::vector<String> Events;  // "change:<text>", "select:<index>", ...
  std::vector<int> Measured;
  std::vector<int> Drawn;
  std::vector<TOwnerDrawState> DrawnStates;
  std::vector<String> KeysDown;
  wchar_t Swallow = 0;

  void Change(TObject* Sender) { Events.push_back(L"change:" + static_cast<TComboBox*>(Sender)->Text()); }
  void Select(TObject* Sender) {
    Events.push_back(L"select:" + std::to_wstring(static_cast<TComboBox*>(Sender)->ItemIndex()));
  }
  void DropDown(TObject*) { Events.push_back(L"dropdown"); }
  void Enter(TObject*) { Events.push_back(L"enter"); }
  void CloseUp(TObject*) { Events.push_back(L"closeup"); }
  void KeyDown(TObject*, uint16_t& Key, TShiftState) { KeysDown.push_back(std::to_wstring(Key)); }
  void KeyPress(TObject*, wchar_t& Key) {
    if (Key == Swallow) Key = 0;
  }
  void Measure(TWinControl*, int Index, int& Height) {
    Measured.push_back(Index);
    Height = 14 + 2 * Index;
  }
  void Draw(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State) {
    Drawn.push_back(Index);
    DrawnStates.push_back(State);
    auto* combo = static_cast<TComboBox*>(Control);
    combo->Canvas()->FillRect(Rect);
    combo->Canvas()->TextOut(Rect.Left + 2, Rect.Top, L"* " + combo->Items()->Strings(Index));
  }
};

class ComboBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host = new THost(nullptr);
    combo = new TComboBox(host);
    combo->SetParent(host);
    combo->SetBounds(10, 10, 150, 21);
    combo->OnChange = TNotifyEvent(&rec, &TComboRecorder::Change);
  }
  void TearDown() override { host->Free(); }
  void Fill() { combo->Items()->SetCommaText(L"alpha,beta,gamma,delta"); }
  void Show() { host->Show(); }
  void TypeInto(HWND wnd, const String& text) {
    for (wchar_t c : text) SendMessageW(wnd, WM_CHAR, WPARAM(c), 1);
  }

  THost* host = nullptr;
  TComboBox* combo = nullptr;
  TComboRecorder rec;
};

TEST_F(ComboBoxTest, ItemIndexFromCodeShowsTheItemAndRunsNoEvent) {
  struct Case {
    TComboBoxStyle Style;
    bool Window;
  };
  const Case cases[] = {{csDropDown, true}, {csDropDownList, true}, {csDropDown, false}, {csDropDownList, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "style " << int(c.Style) << " window " << c.Window);
    auto* box = new TComboBox(host);
    box->SetParent(host);
    box->SetStyle(c.Style);
    box->OnChange = TNotifyEvent(&rec, &TComboRecorder::Change);
    box->Items()->SetCommaText(L"alpha,beta,gamma");
    if (c.Window) Show();
    rec.Events.clear();
    box->SetItemIndex(2);
    EXPECT_EQ(box->ItemIndex(), 2);
    EXPECT_EQ(box->Text(), L"gamma");
    box->SetItemIndex(5);
    EXPECT_EQ(box->ItemIndex(), -1) << "an index past the items selects nothing";
    box->SetText(L"beta");
    EXPECT_EQ(box->ItemIndex(), c.Style == csDropDownList ? 1 : -1)
        << "a drop-down list picks the item its text names; an edit just shows it";
    EXPECT_EQ(box->Text(), L"beta");
    Show();
    EXPECT_EQ(box->Text(), L"beta") << "the text reaches the window";
    EXPECT_TRUE(rec.Events.empty()) << "code changes run no change event";
    box->Free();
  }
}

TEST_F(ComboBoxTest, KeysInADropDownListSelectAndRunChange) {
  combo->SetStyle(csDropDownList);
  combo->OnSelect = TNotifyEvent(&rec, &TComboRecorder::Select);
  Fill();
  combo->SetItemIndex(0);
  Show();
  SendMessageW(combo->Handle(), WM_KEYDOWN, VK_DOWN, 1);
  PumpMessages();
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(rec.Events, (std::vector<String>{L"select:1"})) << "OnSelect takes the selection when assigned";

  combo->OnSelect = TNotifyEvent();
  rec.Events.clear();
  SendMessageW(combo->Handle(), WM_KEYDOWN, VK_DOWN, 1);
  PumpMessages();
  EXPECT_EQ(rec.Events, (std::vector<String>{L"change:gamma"})) << "without OnSelect the selection is a change";
}

TEST_F(ComboBoxTest, TypingIntoADropDownListFindsTheItem) {
  combo->SetStyle(csDropDownList);
  combo->Items()->SetCommaText(L"Paris,Prague,Porto,Berlin");
  combo->SetAutoCompleteDelay(60000);
  Show();
  TypeInto(combo->Handle(), L"pr");
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->Text(), L"Prague");
  EXPECT_EQ(rec.Events, (std::vector<String>{L"change:Paris", L"change:Prague"}));

  rec.Events.clear();
  TypeInto(combo->Handle(), L"x");
  EXPECT_EQ(combo->ItemIndex(), 1) << "no item starts with the prefix: the selection stays";
  EXPECT_TRUE(rec.Events.empty());

  combo->SetAutoCompleteDelay(0);
  TypeInto(combo->Handle(), L"pb");
  EXPECT_EQ(combo->Text(), L"Berlin") << "after a pause every key starts again";
}

TEST_F(ComboBoxTest, TypingIntoTheEditRunsKeyEventsAndChange) {
  combo->OnKeyDown = TKeyEvent(&rec, &TComboRecorder::KeyDown);
  combo->OnKeyPress = TKeyPressEvent(&rec, &TComboRecorder::KeyPress);
  Fill();
  Show();
  const HWND edit = combo->EditHandle();
  ASSERT_NE(edit, nullptr);
  ASSERT_NE(edit, combo->Handle());

  SendMessageW(edit, WM_KEYDOWN, 'B', 1);
  EXPECT_EQ(rec.KeysDown, (std::vector<String>{L"66"})) << "the edit's keys reach the combo's key events";
  rec.Swallow = L'!';
  TypeInto(edit, L"be!t");
  EXPECT_EQ(combo->Text(), L"bet") << "a key the handler swallows never reaches the edit";
  EXPECT_EQ(rec.Events, (std::vector<String>{L"change:b", L"change:be", L"change:bet"}));
  EXPECT_EQ(combo->ItemIndex(), -1);

  // Choosing from the list shows the item before the handlers run.
  rec.Events.clear();
  SendMessageW(combo->Handle(), CB_SETCURSEL, 2, 0);
  SendMessageW(host->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo->Handle()), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo->Handle()));
  EXPECT_EQ(rec.Events, (std::vector<String>{L"change:gamma"}));
}

TEST_F(ComboBoxTest, FocusInTheEditIsTheComboBoxs) {
  auto* other = new TComboBox(host);
  other->SetParent(host);
  other->SetTop(60);
  combo->OnEnter = TNotifyEvent(&rec, &TComboRecorder::Enter);
  Show();
  SetForegroundWindow(host->Handle());
  other->SetFocus();
  PumpMessages();
  EXPECT_EQ(host->ActiveControl(), other);
  SetFocus(combo->EditHandle());
  PumpMessages();
  EXPECT_EQ(GetFocus(), combo->EditHandle());
  EXPECT_TRUE(combo->Focused());
  EXPECT_FALSE(other->Focused());
  EXPECT_EQ(host->ActiveControl(), combo) << "the edit's focus makes the combo the active control";
  EXPECT_EQ(rec.Events, (std::vector<String>{L"enter"}));
}

TEST_F(ComboBoxTest, EditLimitsCaseAndSelection) {
  combo->SetMaxLength(4);
  combo->SetCharCase(ecUpperCase);
  Show();
  TypeInto(combo->EditHandle(), L"abcdef");
  EXPECT_EQ(combo->Text(), L"ABCD");

  combo->SetMaxLength(0);
  combo->SetCharCase(ecNormal);
  combo->SetText(L"hello world");
  combo->SetSelStart(6);
  combo->SetSelLength(5);
  EXPECT_EQ(combo->SelStart(), 6);
  EXPECT_EQ(combo->SelLength(), 5);
  EXPECT_EQ(combo->SelText(), L"world");
  combo->SetSelText(L"there");
  EXPECT_EQ(combo->Text(), L"hello there");
}

TEST_F(ComboBoxTest, ItemsIndexAndTypedTextSurviveRecreation) {
  TObject a, b;
  combo->Items()->AddObject(L"one", &a);
  combo->Items()->AddObject(L"two", &b);
  Show();
  combo->SetItemIndex(1);
  const HWND first = combo->Handle();
  combo->SetStyle(csDropDownList);  // a new window
  ASSERT_NE(combo->Handle(), first);
  EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(WindowItem(combo->Handle(), 0), L"one");
  EXPECT_EQ(combo->Items()->Objects(1), &b);
  EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETITEMDATA, 1, 0), reinterpret_cast<LRESULT>(&b));
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->Text(), L"two");

  combo->SetStyle(csDropDown);
  combo->SetText(L"typed, not an item");
  combo->RecreateWnd();
  EXPECT_EQ(combo->Text(), L"typed, not an item");
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(combo->Items()->Count(), 2);
  EXPECT_EQ(rec.Events.size(), 0u);
}

TEST_F(ComboBoxTest, SortedItemsKeepTheShownItem) {
  combo->Items()->SetCommaText(L"pear,apple,fig");
  Show();
  combo->SetItemIndex(0);  // pear
  combo->SetSorted(true);
  EXPECT_EQ(combo->Items()->CommaText(), L"apple,fig,pear");
  EXPECT_EQ(WindowItem(combo->Handle(), 2), L"pear");
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(combo->Items()->Add(L"banana"), 1);
  EXPECT_EQ(WindowItem(combo->Handle(), 1), L"banana");
}

TEST_F(ComboBoxTest, DroppingDownAndClosingRunTheirEvents) {
  combo->OnDropDown = TNotifyEvent(&rec, &TComboRecorder::DropDown);
  combo->OnCloseUp = TNotifyEvent(&rec, &TComboRecorder::CloseUp);
  Fill();
  Show();
  combo->SetDroppedDown(true);
  PumpMessages();
  EXPECT_TRUE(combo->DroppedDown());
  combo->SetDroppedDown(false);
  PumpMessages();
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(rec.Events, (std::vector<String>{L"dropdown", L"closeup"}));
}

TEST_F(ComboBoxTest, OwnerDrawnVariableBoxMeasuresItemsAndDrawsTheSelectionField) {
  combo->SetStyle(csOwnerDrawVariable);
  combo->SetItemHeight(18);
  combo->OnMeasureItem = TMeasureItemEvent(&rec, &TComboRecorder::Measure);
  combo->OnDrawItem = TDrawItemEvent(&rec, &TComboRecorder::Draw);
  Fill();
  combo->SetItemIndex(2);
  Show();
  EXPECT_EQ(rec.Measured, (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETITEMHEIGHT, 3, 0), 20);
  rec.Drawn.clear();
  InvalidateRect(combo->Handle(), nullptr, TRUE);
  UpdateWindow(combo->Handle());
  ASSERT_FALSE(rec.Drawn.empty());
  EXPECT_EQ(rec.Drawn.back(), 2);
  EXPECT_TRUE(rec.DrawnStates.back().Contains(odComboBoxEdit));
}

TEST_F(ComboBoxTest, Picture) {
  Fill();
  combo->SetItemIndex(1);
  auto* list = new TComboBox(host);
  list->SetParent(host);
  list->SetStyle(csOwnerDrawFixed);
  list->OnDrawItem = TDrawItemEvent(&rec, &TComboRecorder::Draw);
  list->SetBounds(10, 50, 150, 21);
  list->Items()->SetCommaText(L"red,green,blue");
  list->SetItemIndex(2);
  auto* simple = new TComboBox(host);
  simple->SetParent(host);
  simple->SetStyle(csSimple);
  simple->SetBounds(170, 10, 140, 120);
  simple->Items()->SetCommaText(L"north,south,east,west");
  simple->SetItemIndex(3);
  Show();
  UpdateWindow(host->Handle());
  PumpMessages();
  const vamire_test::Capture shot = vamire_test::CaptureWindow(host->Handle());
  EXPECT_TRUE(shot.SavePng(L"stdlists_combobox.png"));
  EXPECT_GT(shot.CountNot(0xFFFFFF), 100u);
}

}  // namespace
