// Edits and memos driven by typed characters (WM_CHAR), the edit messages
// and changes from code; what they keep across a new window.
#include "stdctrls_test_support.h"

using namespace stdctrls_test;

namespace {

TEST_F(StdCtrlsTest, TypingIntoAnEdit) {
  struct Case {
    const char* Name;
    void (*Setup)(TEdit*);
    const wchar_t* Typed;
    const wchar_t* Text;
    int Changes;  // -1: the system decides whether refused keys report a change
  };
  const Case cases[] = {
      {"plain", [](TEdit*) {}, L"abc", L"abc", 3},
      {"max length", [](TEdit* e) { e->SetMaxLength(4); }, L"abcdef", L"abcd", -1},
      {"upper case", [](TEdit* e) { e->SetCharCase(ecUpperCase); }, L"aBc", L"ABC", 3},
      {"lower case", [](TEdit* e) { e->SetCharCase(ecLowerCase); }, L"aBc", L"abc", 3},
      {"password", [](TEdit* e) { e->SetPasswordChar(L'#'); }, L"secret", L"secret", 6},
      {"read only", [](TEdit* e) { e->SetReadOnly(true); }, L"abc", L"", 0},
      {"backspace", [](TEdit*) {}, L"ab\bc", L"ac", 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    auto* edit = Put<TEdit>(Form, 10, 10);
    edit->SetName(L"Edit");
    edit->Clear();  // naming it showed the name
    c.Setup(edit);
    edit->OnChange = Rec.OnChange();
    Rec.Log.clear();
    Type(edit->Handle(), c.Typed);
    EXPECT_EQ(edit->Text(), c.Text);
    if (c.Changes >= 0) {
      EXPECT_EQ(Rec.Count(L"change Edit"), c.Changes);
    }
    EXPECT_EQ(edit->Modified(), c.Changes != 0);
    edit->Free();
  }
}

TEST_F(StdCtrlsTest, EditPasswordCharHidesTheTextOnly) {
  auto* edit = Put<TEdit>(Form, 10, 10);
  edit->SetText(L"pin");
  edit->SetPasswordChar(L'*');
  EXPECT_EQ(SendMessageW(edit->Handle(), EM_GETPASSWORDCHAR, 0, 0), L'*');
  EXPECT_EQ(edit->Text(), L"pin");
  edit->SetPasswordChar(0);
  EXPECT_EQ(SendMessageW(edit->Handle(), EM_GETPASSWORDCHAR, 0, 0), 0);
  EXPECT_EQ(edit->Text(), L"pin");
}

// The case setting applies to the text already there too.
TEST_F(StdCtrlsTest, EditCharCaseConvertsTheText) {
  auto* edit = Put<TEdit>(Form, 10, 10);
  edit->SetText(L"Mixed Text");
  edit->SetCharCase(ecUpperCase);
  EXPECT_EQ(edit->Text(), L"MIXED TEXT");
  edit->SetCharCase(ecLowerCase);
  EXPECT_EQ(edit->Text(), L"mixed text");
}

// OnChange reports the user's and the program's changes, not the window
// being made with the text it already had.
TEST_F(StdCtrlsTest, EditChangeIsNotReportedWhileTheWindowIsMade) {
  auto* edit = new TEdit(Form);
  edit->SetName(L"Edit");
  edit->OnChange = Rec.OnChange();
  edit->SetText(L"before");
  edit->SetParent(Form);
  edit->HandleNeeded();
  EXPECT_EQ(WindowText(edit->Handle()), L"before");
  EXPECT_EQ(Rec.Count(L"change Edit"), 0);
  edit->SetText(L"after");
  EXPECT_EQ(Rec.Count(L"change Edit"), 1);
  edit->SetBorderStyle(bsNone);  // a new window with the same text
  EXPECT_EQ(Rec.Count(L"change Edit"), 1);
  EXPECT_EQ(edit->Text(), L"after");
}

TEST_F(StdCtrlsTest, EditSelection) {
  auto* edit = Put<TEdit>(Form, 10, 10);
  edit->SetText(L"hello world");
  edit->SetSelStart(6);
  edit->SetSelLength(5);
  EXPECT_EQ(edit->SelText(), L"world");
  edit->SetSelText(L"there");
  EXPECT_EQ(edit->Text(), L"hello there");
  EXPECT_TRUE(edit->CanUndo());
  edit->Undo();
  EXPECT_EQ(edit->Text(), L"hello world");
  edit->SelectAll();
  EXPECT_EQ(edit->SelStart(), 0);
  EXPECT_EQ(edit->SelLength(), 11);
  edit->ClearSelection();
  EXPECT_EQ(edit->Text(), L"");
  edit->ClearUndo();
  EXPECT_FALSE(edit->CanUndo());
}

// Selection and the modified flag come back with a new window.
TEST_F(StdCtrlsTest, EditStateOutlivesItsWindow) {
  auto* edit = Put<TEdit>(Form, 10, 10);
  Type(edit->Handle(), L"typed text");
  edit->SetSelStart(2);
  edit->SetSelLength(3);
  edit->SetHideSelection(false);  // makes a new window
  EXPECT_EQ(GetWindowLongPtrW(edit->Handle(), GWL_STYLE) & ES_NOHIDESEL, ES_NOHIDESEL);
  EXPECT_EQ(edit->Text(), L"typed text");
  EXPECT_EQ(edit->SelStart(), 2);
  EXPECT_EQ(edit->SelLength(), 3);
  EXPECT_TRUE(edit->Modified());
  edit->SetModified(false);
  edit->SetOEMConvert(true);
  EXPECT_FALSE(edit->Modified());
}

TEST_F(StdCtrlsTest, EditClipboard) {
  auto* edit = Put<TEdit>(Form, 10, 10);
  auto* other = Put<TEdit>(Form, 10, 50);
  edit->SetText(L"copy me");
  edit->SelectAll();
  edit->CopyToClipboard();
  other->PasteFromClipboard();
  EXPECT_EQ(other->Text(), L"copy me");
  edit->SetSelStart(0);
  edit->SetSelLength(5);
  edit->CutToClipboard();
  EXPECT_EQ(edit->Text(), L"me");
  other->Clear();
  other->PasteFromClipboard();
  EXPECT_EQ(other->Text(), L"copy ");
}

// Entering an edit from the keyboard selects its text when AutoSelect is on;
// a memo keeps its caret.
TEST_F(StdCtrlsTest, EnteringSelectsTheText) {
  struct Case {
    const char* Name;
    bool Memo, AutoSelect;
    int Selected;
  };
  const Case cases[] = {{"edit", false, true, 5}, {"edit without AutoSelect", false, false, 0}, {"memo", true, true, 0}};
  auto* start = Put<TButton>(Form, 200, 10, L"Start");
  Form->Show();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TCustomEdit* edit = c.Memo ? static_cast<TCustomEdit*>(Put<TMemo>(Form, 10, 10)) : Put<TEdit>(Form, 10, 10);
    edit->SetAutoSelect(c.AutoSelect);
    edit->SetText(L"hello");
    start->SetFocus();
    Pump();
    edit->SetFocus();
    Pump();
    ASSERT_TRUE(edit->Focused());
    EXPECT_EQ(edit->SelLength(), c.Selected);
    edit->Free();
  }
}

// AutoSize fits the height to the font.
TEST_F(StdCtrlsTest, EditHeightFollowsTheFont) {
  auto* edit = Put<TEdit>(Form, 10, 10);
  const int small = edit->Height();
  edit->Font()->SetHeight(-30);
  EXPECT_GT(edit->Height(), small + 10);
  edit->SetAutoSize(false);
  edit->SetHeight(small);
  edit->Font()->SetHeight(-40);
  EXPECT_EQ(edit->Height(), small);
}

// --- Memo ----------------------------------------------------------------------------------
TEST_F(StdCtrlsTest, MemoLinesAndTextAgree) {
  struct Case {
    const char* Name;
    const wchar_t* Text;
    std::vector<String> Lines;
    const wchar_t* Written = nullptr;  // the text the lines write back, when not Text
  };
  const Case cases[] = {
      {"empty", L"", {}},
      {"one line", L"one", {L"one"}},
      {"two lines", L"one\r\ntwo", {L"one", L"two"}},
      {"empty last line", L"one\r\n", {L"one", L""}},
      {"empty middle line", L"a\r\n\r\nb", {L"a", L"", L"b"}},
      {"lone breaks", L"a\nb\rc", {L"a", L"b", L"c"}, L"a\r\nb\r\nc"},
  };
  for (bool withWindow : {false, true}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.Name) + (withWindow ? " with window" : " without window"));
      auto* memo = new TMemo(Form);
      if (withWindow) {
        memo->SetParent(Form);
        memo->HandleNeeded();
      }
      memo->SetText(c.Text);
      ASSERT_EQ(memo->Lines()->Count(), int(c.Lines.size()));
      for (int i = 0; i < int(c.Lines.size()); ++i) EXPECT_EQ(memo->Lines()->Strings(i), c.Lines[size_t(i)]);
      // Writing the lines back gives the same text.
      TStringList copy;
      copy.Assign(memo->Lines());
      memo->Lines()->Clear();
      memo->Lines()->Assign(&copy);
      EXPECT_EQ(memo->Text(), c.Written ? c.Written : c.Text);
      memo->Free();
    }
  }
}

// Lines set before the window exists, changed with it, and kept when the
// window is made again.
TEST_F(StdCtrlsTest, MemoLinesOutliveItsWindow) {
  auto* memo = new TMemo(Form);
  memo->Lines()->Add(L"first");
  memo->Lines()->Add(L"second");
  memo->SetParent(Form);
  memo->HandleNeeded();
  EXPECT_EQ(WindowText(memo->Handle()), L"first\r\nsecond");
  memo->Lines()->Add(L"third");
  memo->Lines()->Insert(0, L"zero");
  memo->Lines()->Delete(2);
  memo->Lines()->SetStrings(1, L"one");
  EXPECT_EQ(WindowText(memo->Handle()), L"zero\r\none\r\nthird");
  memo->SetScrollBars(ssBoth);
  memo->SetWordWrap(false);
  EXPECT_EQ(GetWindowLongPtrW(memo->Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), WS_HSCROLL | WS_VSCROLL);
  EXPECT_EQ(memo->Lines()->Count(), 3);
  EXPECT_EQ(memo->Lines()->Strings(2), L"third");
  EXPECT_THROW(memo->Lines()->Strings(3), EListError);
  EXPECT_THROW(memo->Lines()->Delete(-1), EListError);
}

// Appended lines show at the end, where the caret goes.
TEST_F(StdCtrlsTest, MemoAppendsLikeALog) {
  auto* memo = Put<TMemo>(Form, 10, 10);
  memo->SetName(L"Log");
  memo->Clear();
  memo->OnChange = Rec.OnChange();
  for (int i = 0; i < 50; ++i) memo->Lines()->Add(L"->" + std::to_wstring(i));
  EXPECT_EQ(memo->Lines()->Count(), 50);
  EXPECT_EQ(memo->Lines()->Strings(49), L"->49");
  EXPECT_EQ(memo->CaretPos().Y, 49);
  EXPECT_EQ(Rec.Count(L"change Log"), 50);
}

TEST_F(StdCtrlsTest, MemoTypingReturnsAndTabs) {
  struct Case {
    const char* Name;
    bool WantReturns, WantTabs;
    const wchar_t* Text;
  };
  const Case cases[] = {
      {"wants both", true, true, L"a\r\nb\tc"},
      {"wants neither", false, false, L"abc"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    auto* memo = Put<TMemo>(Form, 10, 10);
    memo->SetWantReturns(c.WantReturns);
    memo->SetWantTabs(c.WantTabs);
    Type(memo->Handle(), L"a\rb\tc");
    EXPECT_EQ(memo->Text(), c.Text);
    const LRESULT code = SendMessageW(memo->Handle(), WM_GETDLGCODE, 0, 0);
    EXPECT_EQ((code & DLGC_WANTTAB) != 0, c.WantTabs);
    EXPECT_EQ((code & DLGC_WANTALLKEYS) != 0, c.WantReturns);
    memo->Free();
  }
}

TEST_F(StdCtrlsTest, MemoCaretPos) {
  auto* memo = Put<TMemo>(Form, 10, 10);
  memo->SetText(L"abc\r\ndefgh\r\nij");
  memo->SetCaretPos(TPoint{3, 1});
  EXPECT_EQ(memo->CaretPos().X, 3);
  EXPECT_EQ(memo->CaretPos().Y, 1);
  EXPECT_EQ(memo->SelStart(), 8);
  memo->SetAlignment(taRightJustify);
  EXPECT_EQ(GetWindowLongPtrW(memo->Handle(), GWL_STYLE) & ES_RIGHT, ES_RIGHT);
  EXPECT_EQ(memo->Text(), L"abc\r\ndefgh\r\nij");
}

}  // namespace
