// The text editor over its lookup items, under real keys: typing completes
// from the items in free text and the list styles, Backspace marks and then
// shortens, Enter applies a shown completion once, the navigation keys and
// the wheel step through the items when a list shows (and reach
// after-key-down when none does), and ItemIndex reads the item the text is.
#include "cxTextEdit_control_win.h"
#include "lookup_test_support.h"
#include "support/RealKeys.h"

namespace {

using test_support::THostForm;

testing::Environment* const units = testing::AddGlobalTestEnvironment(new lookup_test::TLookupUnits);

class TStyledProperties : public TcxTextEditProperties {
  VAMIRE_TEXT_EDIT_PROPERTIES_CLASS(TStyledProperties, TcxTextEditProperties)
 public:
  explicit TStyledProperties(TPersistent* AOwner) : TcxTextEditProperties(AOwner, StaticClass()) {}
  TcxTextEditingStyle GetEditingStyle() override { return Style; }
  int GetDropDownRows() override { return 8; }
  TcxTextEditingStyle Style = tesFreeText;
};

// A text editor of a chosen style that counts how often its current item is
// applied (the lookup data's current-key event) and may act as if its list showed.
class TLookupEdit : public TcxTextEdit {
  VAMIRE_CLASS(TLookupEdit, TcxTextEdit)
 public:
  explicit TLookupEdit(TComponent* AOwner) : TcxTextEdit(AOwner, TStyledProperties::StaticClass()) {}
  TStyledProperties* Styled() { return static_cast<TStyledProperties*>(ActiveProperties()); }
  bool IsLookupListShown(bool) override { return ListShown; }
  void ApplyLookupSelection() override {
    ++Applied;
    TcxTextEdit::ApplyLookupSelection();
  }
  int Key() { return ReadLookupKey().AsInteger(); }
  bool ListShown = false;
  int Applied = 0;
};

struct TEventLog : TObject {
  std::vector<uint16_t> After;
  int Changes = 0, Clicks = 0;
  void AfterKeyDown(TObject*, uint16_t& Key, TShiftState) { After.push_back(Key); }
  void Change(TObject*) { ++Changes; }
  void Click(TObject*) { ++Clicks; }
};

std::string Narrow(const String& S) { return std::string(S.begin(), S.end()); }

// Key releases the thread has taken from its queue (a thread hook sees SendInput's keys).
int GKeyUps = 0;
LRESULT CALLBACK CountKeyUps(int ACode, WPARAM AWParam, LPARAM ALParam) {
  if (ACode == HC_ACTION && (ALParam & 0x80000000)) ++GKeyUps;
  return CallNextHookEx(nullptr, ACode, AWParam, ALParam);
}

// Real keys as Type sends them, waited for until every release has been
// taken and handled: on a loaded machine they arrive on their own time.
void Type(std::initializer_list<WORD> AKeys) {
  HHOOK hook = SetWindowsHookExW(WH_KEYBOARD, &CountKeyUps, nullptr, GetCurrentThreadId());
  const int expected = GKeyUps + int(AKeys.size());
  test_support::Type(AKeys);
  const DWORD start = GetTickCount();
  while (GKeyUps < expected && GetTickCount() - start < 5000) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    test_support::Pump();
  }
  test_support::Pump();
  UnhookWindowsHookEx(hook);
}

class LookupEditTest : public testing::Test {
 protected:
  void SetUp() override { Form = test_support::MakeForm(420, 200); }
  void TearDown() override { delete Form; }

  TLookupEdit* NewEdit(TcxTextEditingStyle AStyle, std::initializer_list<const wchar_t*> AItems = kFruit) {
    auto* edit = new TLookupEdit(Form);
    edit->SetParent(Form);
    edit->SetBounds(10, 10, 160, 21);
    edit->Styled()->Style = AStyle;
    for (const wchar_t* item : AItems) edit->Styled()->LookupItems()->Add(item);
    edit->Properties()->OnChange = TNotifyEvent(&Log, &TEventLog::Change);
    edit->OnClick = TNotifyEvent(&Log, &TEventLog::Click);
    edit->OnAfterKeyDown = TKeyEvent(&Log, &TEventLog::AfterKeyDown);
    Form->Show();
    SetForegroundWindow(Form->Handle());
    edit->SetFocus();
    test_support::PumpFor(50);
    EXPECT_TRUE(edit->Focused());
    return edit;
  }
  // Lower-case letters as typed on the keyboard; upper case with Shift.
  static void TypeLetters(const char* ALetters) {
    for (const char* c = ALetters; *c; ++c) {
      if (*c >= 'A' && *c <= 'Z')
        Type({VK_SHIFT, WORD(*c)});
      else
        Type({WORD(*c - 'a' + 'A')});
    }
  }
  // The text with the selection in brackets.
  static std::string Shown(TLookupEdit* AEdit) {
    const String text = AEdit->Text();
    const int start = AEdit->GetInnerTextEdit()->ReadSelStart(), length = AEdit->GetInnerTextEdit()->ReadSelLength();
    return Narrow(text.substr(0, size_t(start))) + "[" + Narrow(text.substr(size_t(start), size_t(length))) + "]" +
           Narrow(text.substr(size_t(start + length)));
  }

  static constexpr std::initializer_list<const wchar_t*> kFruit = {L"Apple", L"apricot", L"Banana"};
  THostForm* Form = nullptr;
  TEventLog Log;
};

TEST_F(LookupEditTest, FreeTextCompletesInTheTypedCaseAndReadsTheItemOnlyWhenTheTextIsIt) {
  TLookupEdit* edit = NewEdit(tesFreeText);
  TypeLetters("ap");
  EXPECT_EQ(Shown(edit), "ap[ple]");
  EXPECT_TRUE(edit->FindSelection());
  EXPECT_EQ(edit->Key(), 0);
  EXPECT_EQ(edit->ItemIndex(), 0) << "apple is Apple, letter case aside";
  TypeLetters("r");
  EXPECT_EQ(Shown(edit), "apr[icot]");
  EXPECT_EQ(edit->Key(), 1);
  // Delete takes the completion away: the typed prefix names no item.
  Type({VK_DELETE});
  EXPECT_EQ(Shown(edit), "apr[]");
  EXPECT_FALSE(edit->FindSelection());
  EXPECT_EQ(edit->Key(), 1);
  EXPECT_EQ(edit->ItemIndex(), -1);
  // A letter no item continues clears the key and types as usual.
  TypeLetters("x");
  EXPECT_EQ(Shown(edit), "aprx[]");
  EXPECT_EQ(edit->Key(), -1);
  EXPECT_EQ(edit->Applied, 0) << "typing applies no item";
}

TEST_F(LookupEditTest, AppTypedInFreeTextReadsMinusOneWhileAppleIsCurrent) {
  TLookupEdit* edit = NewEdit(tesFreeText);
  TypeLetters("App");
  Type({VK_DELETE});
  EXPECT_EQ(Narrow(edit->Text()), "App");
  EXPECT_EQ(edit->Key(), 0);
  EXPECT_EQ(edit->ItemIndex(), -1);
}

TEST_F(LookupEditTest, EnterAppliesAShownCompletionOnceInTheItemsSpelling) {
  TLookupEdit* edit = NewEdit(tesFreeText);
  TypeLetters("ap");
  Type({VK_RETURN});
  EXPECT_EQ(Narrow(edit->Text()), "Apple");
  EXPECT_EQ(edit->Applied, 1);
  EXPECT_EQ(edit->ItemIndex(), 0);
  Type({VK_RETURN});
  EXPECT_EQ(edit->Applied, 1) << "no completion shown: Enter chooses nothing";
}

TEST_F(LookupEditTest, ChoosingTheCurrentItemAgainAppliesItOnce) {
  // The whole item typed in a list style: its text is the item's already.
  TLookupEdit* edit = NewEdit(tesCompleteFromList);
  TypeLetters("banana");
  EXPECT_EQ(Shown(edit), "Banana[]");
  EXPECT_TRUE(edit->FindSelection());
  Type({VK_RETURN});
  EXPECT_EQ(edit->Applied, 1);
  EXPECT_EQ(Narrow(edit->Text()), "Banana");
  EXPECT_EQ(edit->ItemIndex(), 2);
}

TEST_F(LookupEditTest, CompleteFromListRefusesAMissAndBackspaceMarksThenShortens) {
  TLookupEdit* edit = NewEdit(tesCompleteFromList);
  TypeLetters("AP");
  EXPECT_EQ(Shown(edit), "Ap[ple]");
  TypeLetters("x");
  EXPECT_EQ(Shown(edit), "Ap[ple]") << "refused, key kept";
  EXPECT_EQ(edit->Key(), 0);

  edit->SetItemIndex(1);
  edit->SetSelection(3, 0);
  EXPECT_FALSE(edit->FindSelection());
  Type({VK_BACK});
  EXPECT_EQ(Shown(edit), "apr[icot]") << "the first Backspace only marks the tail";
  Type({VK_BACK});
  EXPECT_EQ(Shown(edit), "Ap[ple]") << "then the last typed letter goes and the search runs again";
  EXPECT_EQ(edit->Key(), 0);
  Type({VK_BACK});
  Type({VK_BACK});
  EXPECT_EQ(Shown(edit), "[]");
  EXPECT_EQ(edit->Key(), -1);
}

TEST_F(LookupEditTest, PickFromListKeepsBackspaceAndTheCaretKeysFromTheText) {
  TLookupEdit* edit = NewEdit(tesPickFromList);
  TypeLetters("ba");
  EXPECT_EQ(Shown(edit), "Ba[nana]");
  Type({VK_BACK});
  EXPECT_EQ(Shown(edit), "B[anana]");
  Type({VK_BACK});
  EXPECT_EQ(Narrow(edit->Text()), "Banana") << "Backspace never reaches the text";
  Log.After.clear();
  for (WORD key : {VK_LEFT, VK_RIGHT, VK_DELETE}) Type({key});
  EXPECT_EQ(Log.After, (std::vector<uint16_t>{VK_LEFT, VK_RIGHT, VK_DELETE}));
  EXPECT_EQ(Narrow(edit->Text()), "Banana");
  EXPECT_FALSE(edit->FindSelection());
}

TEST_F(LookupEditTest, NavigationKeysStepTheItemsWhenAListShows) {
  TLookupEdit* edit = NewEdit(tesPickFromList);
  edit->ListShown = true;
  Type({VK_DOWN});
  EXPECT_EQ(Narrow(edit->Text()), "Apple");
  EXPECT_EQ(Log.Changes, 1);
  EXPECT_EQ(Log.Clicks, 1);
  Type({VK_END});
  EXPECT_EQ(Narrow(edit->Text()), "Banana");
  Type({VK_DOWN});
  EXPECT_EQ(Narrow(edit->Text()), "Banana") << "the end stays";
  EXPECT_EQ(edit->Applied, 2);
  EXPECT_EQ(Log.Changes, 2);
  EXPECT_EQ(Log.Clicks, 2);
  Type({VK_UP});
  EXPECT_EQ(Narrow(edit->Text()), "apricot");
  Type({VK_HOME});
  EXPECT_EQ(Narrow(edit->Text()), "Apple");
  // The wheel: backward is the next item, forward the previous one.
  SendMessageW(edit->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  EXPECT_EQ(Narrow(edit->Text()), "apricot");
  SendMessageW(edit->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  SendMessageW(edit->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(Narrow(edit->Text()), "Apple") << "no wrap";
  EXPECT_TRUE(Log.After.empty());
}

TEST_F(LookupEditTest, AReadOnlyEditorRefusesTheSteppingKeys) {
  TLookupEdit* edit = NewEdit(tesPickFromList);
  edit->ListShown = true;
  edit->Properties()->SetReadOnly(true);
  Type({VK_DOWN});
  SendMessageW(edit->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  EXPECT_EQ(Narrow(edit->Text()), "");
  EXPECT_EQ(edit->Key(), -1);
  EXPECT_EQ(Log.After, (std::vector<uint16_t>{VK_DOWN}));
  EXPECT_EQ(Log.Changes, 0);
}

TEST_F(LookupEditTest, PageDownFromNoItemLandsOnDropDownRowsLessTwo) {
  std::vector<String> items;
  TLookupEdit* edit = NewEdit(tesCompleteFromList, {});
  for (int i = 0; i < 20; ++i) edit->Styled()->LookupItems()->Add(L"Input " + IntToStr(i));
  edit->ListShown = true;
  Type({VK_NEXT});
  EXPECT_EQ(edit->ItemIndex(), 6);
  Type({VK_NEXT});
  EXPECT_EQ(edit->ItemIndex(), 13);
  Type({VK_CONTROL, VK_NEXT});
  EXPECT_EQ(edit->ItemIndex(), 19);
  Type({VK_PRIOR});
  EXPECT_EQ(edit->ItemIndex(), 12);
  // Home and End move the caret outside the pick style.
  Type({VK_HOME});
  EXPECT_EQ(edit->ItemIndex(), 12);
  EXPECT_EQ(edit->SelStart(), 0);
}

TEST_F(LookupEditTest, WithoutAListNavigationKeysGoToAfterKeyDown) {
  TLookupEdit* edit = NewEdit(tesFreeText);
  for (WORD key : {VK_DOWN, VK_UP, VK_NEXT, VK_PRIOR}) Type({key});
  EXPECT_EQ(Log.After, (std::vector<uint16_t>{VK_DOWN, VK_UP, VK_NEXT, VK_PRIOR}));
  SendMessageW(edit->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  EXPECT_EQ(Narrow(edit->Text()), "");
  EXPECT_EQ(edit->Key(), -1);
}

TEST_F(LookupEditTest, AnEmptyListNeverCompletes) {
  TLookupEdit* edit = NewEdit(tesFreeText, {});
  edit->ListShown = true;
  TypeLetters("ab");
  EXPECT_EQ(Shown(edit), "ab[]");
  EXPECT_FALSE(edit->FindSelection());
  Log.After.clear();
  Type({VK_DOWN});
  EXPECT_EQ(Log.After, (std::vector<uint16_t>{VK_DOWN}));
}

TEST_F(LookupEditTest, TheSecondOfTwoEqualItemsOnceChosenReadsOne) {
  TLookupEdit* edit = NewEdit(tesPickFromList, {L"Apple", L"Apple", L"Banana"});
  edit->ListShown = true;
  Type({VK_DOWN});
  Type({VK_DOWN});
  EXPECT_EQ(Narrow(edit->Text()), "Apple");
  EXPECT_EQ(edit->ItemIndex(), 1);
  edit->SetItemIndex(0);
  EXPECT_EQ(edit->ItemIndex(), 0);
}

}  // namespace
