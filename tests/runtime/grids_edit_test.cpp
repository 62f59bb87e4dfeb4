// Editing in place: how an edit starts (F2, Enter, a typed character, a double
// click), how it ends (Enter, Esc, moving away, the program), and what reaches
// the cell and OnSetEditText.
#include <gtest/gtest.h>

#include <vector>

#include "grids_test_support.h"

using namespace grids_test;

namespace {

enum class Start { F2, Enter, TypedX, DoubleClick };
enum class Finish { Enter, Esc, Down, Program, ClickOtherCell };

struct EditCase {
  const char* Name;
  Start How;
  const wchar_t* Typed;  // typed into the editor once it shows
  Finish End;
  const wchar_t* Cell;   // the cell's text afterwards
  bool Stored;           // OnSetEditText ran with that text
  TGridCoord Current;
};

struct EditLog : TObject {
  struct Call {
    int Col, Row;
    String Value;
  };
  std::vector<Call> Sets;
  void Set(TObject*, int ACol, int ARow, const String& Value) { Sets.push_back({ACol, ARow, Value}); }
};

class GridEditTest : public GridTest, public testing::WithParamInterface<EditCase> {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
    Grid->SetSelection(R(2, 2, 2, 2));
    Grid->SetCells(2, 2, L"old");
    Grid->OnSetEditText = TSetEditEvent(&Log, &EditLog::Set);
  }
  HWND Editor() { return Grid->InplaceEditor()->Handle(); }
  String EditorText() {
    wchar_t text[256] = {};
    GetWindowTextW(Editor(), text, 256);
    return text;
  }
  EditLog Log;
};

TEST_P(GridEditTest, EditStartsAndEnds) {
  const EditCase& c = GetParam();
  switch (c.How) {
    case Start::F2: Key(VK_F2); break;
    case Start::Enter: SendMessageW(Wnd(), WM_CHAR, L'\r', 1); break;
    case Start::TypedX: SendMessageW(Wnd(), WM_CHAR, L'x', 1); break;
    case Start::DoubleClick:
      Press(CellPoint(2, 2));
      Release(CellPoint(2, 2));
      SendMessageW(Wnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, CellPoint(2, 2));
      Release(CellPoint(2, 2));
      break;
  }
  ASSERT_TRUE(Grid->EditorMode());
  ASSERT_TRUE(IsWindowVisible(Editor()));
  RECT where;
  GetWindowRect(Editor(), &where);
  MapWindowPoints(nullptr, Wnd(), reinterpret_cast<POINT*>(&where), 2);
  EXPECT_EQ((TRect{where.left, where.top, where.right, where.bottom}), Grid->CellRect(2, 2));
  EXPECT_EQ(EditorText(), c.How == Start::TypedX ? L"x" : L"old");

  Type(c.Typed, Editor());
  switch (c.End) {
    case Finish::Enter: Key(VK_RETURN, false, false, Editor()); break;
    case Finish::Esc: Key(VK_ESCAPE, false, false, Editor()); break;
    case Finish::Down: Key(VK_DOWN, false, false, Editor()); break;
    case Finish::Program: Grid->SetEditorMode(false); break;
    case Finish::ClickOtherCell:
      Press(CellPoint(4, 4));
      Release(CellPoint(4, 4));
      break;
  }
  EXPECT_FALSE(Grid->EditorMode());
  EXPECT_FALSE(IsWindowVisible(Editor()));
  EXPECT_EQ(Grid->Cells(2, 2), c.Cell);
  if (c.Stored) {
    ASSERT_EQ(Log.Sets.size(), 1u);
    EXPECT_EQ(Log.Sets[0].Col, 2);
    EXPECT_EQ(Log.Sets[0].Row, 2);
    EXPECT_EQ(Log.Sets[0].Value, c.Cell);
  } else {
    EXPECT_TRUE(Log.Sets.empty());
  }
  EXPECT_EQ(Grid->Col(), c.Current.X);
  EXPECT_EQ(Grid->Row(), c.Current.Y);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridEditTest,
    testing::Values(EditCase{"F2ThenEnter", Start::F2, L"new", Finish::Enter, L"new", true, {2, 2}},
                    EditCase{"TypingReplacesText", Start::TypedX, L"yz", Finish::Enter, L"xyz", true, {2, 2}},
                    EditCase{"EnterStartsEditing", Start::Enter, L"q", Finish::Enter, L"q", true, {2, 2}},
                    EditCase{"DoubleClickStartsEditing", Start::DoubleClick, L"d", Finish::Enter, L"d", true, {2, 2}},
                    EditCase{"EscCancels", Start::F2, L"zzz", Finish::Esc, L"old", false, {2, 2}},
                    EditCase{"EscAfterTypingCancels", Start::TypedX, L"y", Finish::Esc, L"old", false, {2, 2}},
                    EditCase{"MovingDownStores", Start::F2, L"down", Finish::Down, L"down", true, {2, 3}},
                    EditCase{"ClickingAwayStores", Start::F2, L"away", Finish::ClickOtherCell, L"away", true, {4, 4}},
                    EditCase{"ProgramEndsAndStores", Start::F2, L"prog", Finish::Program, L"prog", true, {2, 2}},
                    EditCase{"UnchangedIsNotStored", Start::F2, L"", Finish::Enter, L"old", false, {2, 2}}),
    [](const testing::TestParamInfo<EditCase>& i) { return std::string(i.param.Name); });

TEST_F(GridTest, DoubleClickRunsOnDblClickOnceAndClicksFollowTheCurrentCell) {
  struct Counter : TObject {
    int Clicks = 0, Doubles = 0;
    void Click(TObject*) { ++Clicks; }
    void Double(TObject*) { ++Doubles; }
  } count;
  Grid->OnClick = TNotifyEvent(&count, &Counter::Click);
  Grid->OnDblClick = TNotifyEvent(&count, &Counter::Double);
  Press(CellPoint(2, 2));
  Release(CellPoint(2, 2));
  SendMessageW(Wnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, CellPoint(2, 2));
  Release(CellPoint(2, 2));
  EXPECT_EQ(count.Doubles, 1);
  EXPECT_EQ(count.Clicks, 1) << "one change of the current cell";
  Press(CellPoint(2, 2));
  Release(CellPoint(2, 2));
  EXPECT_EQ(count.Clicks, 1) << "the same cell again is no change";
  Key(VK_DOWN);
  EXPECT_EQ(count.Clicks, 2);
  EXPECT_FALSE(Grid->EditorMode()) << "no editing without goEditing";
}

TEST_F(GridTest, WithoutEditingOptionNothingStartsAnEditor) {
  Grid->SetCells(1, 1, L"keep");
  Key(VK_F2);
  SendMessageW(Wnd(), WM_CHAR, L'x', 1);
  SendMessageW(Wnd(), WM_CHAR, L'\r', 1);
  EXPECT_FALSE(Grid->EditorMode());
  EXPECT_EQ(Grid->InplaceEditor(), nullptr);
  EXPECT_EQ(Grid->Cells(1, 1), L"keep");
}

TEST_F(GridTest, OwnerSuppliesTheEditTextAndSeesTheResult) {
  struct Owner : TObject {
    std::vector<String> Stored;
    void Get(TObject*, int, int, String& Value) { Value = L"[" + Value + L"]"; }
    void Set(TObject*, int, int, const String& Value) { Stored.push_back(Value); }
  } owner;
  Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
  Grid->SetCells(1, 1, L"a");
  Grid->OnGetEditText = TGetEditEvent(&owner, &Owner::Get);
  Grid->OnSetEditText = TSetEditEvent(&owner, &Owner::Set);
  Key(VK_F2);
  HWND editor = Grid->InplaceEditor()->Handle();
  wchar_t text[32] = {};
  GetWindowTextW(editor, text, 32);
  EXPECT_STREQ(text, L"[a]");
  SendMessageW(editor, EM_SETSEL, 3, 3);
  Type(L"!", editor);
  Key(VK_RETURN, false, false, editor);
  EXPECT_EQ(Grid->Cells(1, 1), L"[a]!");
  EXPECT_EQ(owner.Stored, std::vector<String>{L"[a]!"});
}

TEST_F(GridTest, ColumnsAndRowsAsStringLists) {
  Grid->Rows(1)->SetCommaText(L"r,a,b,c,d,e");
  EXPECT_EQ(Grid->Cells(0, 1), L"r");
  EXPECT_EQ(Grid->Cells(5, 1), L"e");
  EXPECT_EQ(Grid->Cols(3)->Strings(1), L"c");
  Grid->Cols(3)->SetStrings(4, L"down");
  EXPECT_EQ(Grid->Cells(3, 4), L"down");
  TObject marker;
  Grid->SetObjects(2, 5, &marker);
  EXPECT_EQ(Grid->Rows(5)->Objects(2), &marker);

  // Seven lines do not fit six cells: nothing changes.
  TStringList* seven = new TStringList();
  seven->SetCommaText(L"1,2,3,4,5,6,7");
  EXPECT_THROW(Grid->SetRows(1, seven), EInvalidGridOperation);
  EXPECT_EQ(Grid->Cells(0, 1), L"r");
  delete seven;
  EXPECT_THROW(Grid->Cols(1)->Insert(0, L"x"), EInvalidGridOperation);
  EXPECT_EQ(Grid->Cols(1)->Count(), 6);
}

}  // namespace

namespace {

TEST_F(GridEditTest, KeyboardFocusGoesToTheEditorAndBack) {
  SetForegroundWindow(Host->Handle());
  SetFocus(Wnd());
  ASSERT_EQ(GetFocus(), Wnd());
  Key(VK_F2);
  EXPECT_EQ(GetFocus(), Editor());
  Type(L"focus", Editor());
  Key(VK_RETURN, false, false, Editor());
  EXPECT_EQ(GetFocus(), Wnd());
  EXPECT_EQ(Grid->Cells(2, 2), L"focus");
  // Leaving the grid for another window stores an open edit as well.
  Key(VK_F2);
  Type(L"left", Editor());
  auto* other = new TStringGrid(Host);
  other->SetParent(Host);
  other->SetBounds(0, 210, 50, 20);
  other->SetFocus();
  EXPECT_FALSE(Grid->EditorMode());
  EXPECT_EQ(Grid->Cells(2, 2), L"left");
}

}  // namespace
