// Selecting in the grid: the rectangle by mouse drag and by keys, a cell the
// owner refuses, and the geometry that maps points to cells and back.
#include <gtest/gtest.h>

#include <vector>

#include "grids_test_support.h"

using namespace grids_test;

namespace {

struct DragCase {
  const char* Name;
  TGridCoord From;
  LPARAM To;           // where the button is released
  bool Range;          // goRangeSelect on
  TGridRect Expected;
  TGridCoord Current;  // the focused cell afterwards
};

class GridMouseTest : public GridTest, public testing::WithParamInterface<DragCase> {};

TEST_P(GridMouseTest, DragSelectsRectangle) {
  const DragCase& c = GetParam();
  if (!c.Range) Grid->SetOptions(Grid->Options() - TGridOptions{goRangeSelect});
  std::vector<TGridRect> atMouseUp;
  struct Sink : TObject {
    TStringGrid* G;
    std::vector<TGridRect>* Seen;
    void Up(TObject*, TMouseButton, TShiftState, int, int) { Seen->push_back(G->Selection()); }
  } sink;
  sink.G = Grid;
  sink.Seen = &atMouseUp;
  Grid->OnMouseUp = TMouseEvent(&sink, &Sink::Up);

  Press(CellPoint(c.From.X, c.From.Y));
  Drag(c.To);
  Release(c.To);
  EXPECT_EQ(Grid->Selection(), c.Expected);
  EXPECT_EQ(Grid->Col(), c.Current.X);
  EXPECT_EQ(Grid->Row(), c.Current.Y);
  ASSERT_EQ(atMouseUp.size(), 1u);
  EXPECT_EQ(atMouseUp[0], c.Expected) << "OnMouseUp sees the final rectangle";
  EXPECT_EQ(Grid->GridState(), gsNormal);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridMouseTest,
    testing::Values(
        DragCase{"Click", {2, 3}, CellPoint(2, 3), true, R(2, 3, 2, 3), {2, 3}},
        DragCase{"DownRight", {1, 1}, CellPoint(3, 2), true, R(1, 1, 3, 2), {1, 1}},
        DragCase{"UpLeft", {4, 4}, CellPoint(2, 1), true, R(2, 1, 4, 4), {4, 4}},
        DragCase{"IntoFixedCorner", {3, 3}, MAKELPARAM(5, 5), true, R(1, 1, 3, 3), {3, 3}},
        DragCase{"PastRightEdge", {2, 2}, MAKELPARAM(290, 2 * RowStep + 5), true, R(2, 2, 5, 2), {2, 2}},
        DragCase{"PastBottomEdge", {2, 2}, MAKELPARAM(2 * ColStep + 5, 190), true, R(2, 2, 2, 5), {2, 2}},
        DragCase{"OnGridLineBelongsToCellBefore", {1, 1}, MAKELPARAM(3 * ColStep - 1, 2 * RowStep - 1), true,
                 R(1, 1, 2, 1), {1, 1}},
        DragCase{"NoRangeMovesTheCell", {1, 1}, CellPoint(3, 2), false, R(3, 2, 3, 2), {3, 2}}),
    [](const testing::TestParamInfo<DragCase>& i) { return std::string(i.param.Name); });

TEST_F(GridTest, ShiftClickExtendsFromTheCurrentCell) {
  Press(CellPoint(2, 2));
  Release(CellPoint(2, 2));
  SetShift(true, false);
  Press(CellPoint(4, 1), MK_SHIFT);
  Release(CellPoint(4, 1));
  SetShift(false, false);
  EXPECT_EQ(Grid->Selection(), R(2, 1, 4, 2));
  EXPECT_EQ(Grid->Col(), 2);
  EXPECT_EQ(Grid->Row(), 2);
}

TEST_F(GridTest, ClickOnFixedCellChangesNothing) {
  Grid->SetSelection(R(2, 2, 3, 3));
  Press(CellPoint(0, 2));
  Release(CellPoint(0, 2));
  Press(CellPoint(2, 0));
  Release(CellPoint(2, 0));
  EXPECT_EQ(Grid->Selection(), R(2, 2, 3, 3));
}

// --- Keys -------------------------------------------------------------------------------
struct KeyStroke {
  WPARAM Vk;
  bool Shift;
  bool Ctrl;
};

struct KeyCase {
  const char* Name;
  std::vector<KeyStroke> Keys;
  bool Range;
  TGridRect Expected;
  TGridCoord Current;
};

class GridKeyTest : public GridTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(GridKeyTest, KeysMoveAndExtend) {
  const KeyCase& c = GetParam();
  if (!c.Range) Grid->SetOptions(Grid->Options() - TGridOptions{goRangeSelect});
  Grid->SetSelection(R(2, 2, 2, 2));
  for (const KeyStroke& k : c.Keys) Key(k.Vk, k.Shift, k.Ctrl);
  EXPECT_EQ(Grid->Selection(), c.Expected);
  EXPECT_EQ(Grid->Col(), c.Current.X);
  EXPECT_EQ(Grid->Row(), c.Current.Y);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridKeyTest,
    testing::Values(
        KeyCase{"ShiftRightDown", {{VK_RIGHT, true, false}, {VK_DOWN, true, false}}, true, R(2, 2, 3, 3), {2, 2}},
        KeyCase{"ShiftUpLeft", {{VK_UP, true, false}, {VK_LEFT, true, false}}, true, R(1, 1, 2, 2), {2, 2}},
        KeyCase{"ShiftStopsAtFixed",
                {{VK_LEFT, true, false}, {VK_LEFT, true, false}, {VK_LEFT, true, false}},
                true, R(1, 2, 2, 2), {2, 2}},
        KeyCase{"ShiftThenBackShrinks",
                {{VK_RIGHT, true, false}, {VK_RIGHT, true, false}, {VK_LEFT, true, false}},
                true, R(2, 2, 3, 2), {2, 2}},
        KeyCase{"PlainArrowCollapses", {{VK_RIGHT, true, false}, {VK_DOWN, false, false}}, true, R(2, 3, 2, 3),
                {2, 3}},
        KeyCase{"ShiftEnd", {{VK_END, true, false}}, true, R(2, 2, 5, 2), {2, 2}},
        KeyCase{"ShiftCtrlHome", {{VK_HOME, true, true}}, true, R(1, 1, 2, 2), {2, 2}},
        KeyCase{"Home", {{VK_HOME, false, false}}, true, R(1, 2, 1, 2), {1, 2}},
        KeyCase{"End", {{VK_END, false, false}}, true, R(5, 2, 5, 2), {5, 2}},
        KeyCase{"CtrlHome", {{VK_HOME, false, true}}, true, R(1, 1, 1, 1), {1, 1}},
        KeyCase{"CtrlEnd", {{VK_END, false, true}}, true, R(5, 5, 5, 5), {5, 5}},
        KeyCase{"PageDownStopsAtLastRow", {{VK_NEXT, false, false}}, true, R(2, 5, 2, 5), {2, 5}},
        KeyCase{"PageUpStopsAtFirstRow", {{VK_PRIOR, false, false}}, true, R(2, 1, 2, 1), {2, 1}},
        KeyCase{"ShiftWithoutRangeMoves", {{VK_RIGHT, true, false}}, false, R(3, 2, 3, 2), {3, 2}},
        KeyCase{"DownAtBottomStays",
                {{VK_END, false, true}, {VK_DOWN, false, false}, {VK_RIGHT, false, false}},
                true, R(5, 5, 5, 5), {5, 5}}),
    [](const testing::TestParamInfo<KeyCase>& i) { return std::string(i.param.Name); });

// --- Refusing a cell ----------------------------------------------------------------------
struct Refuser : TObject {
  TGridCoord Refused{3, 3};
  std::vector<TGridCoord> Asked;
  int Clicks = 0;
  void Select(TObject*, int ACol, int ARow, bool& CanSelect) {
    Asked.push_back({ACol, ARow});
    if (TGridCoord{ACol, ARow} == Refused) CanSelect = false;
  }
  void Click(TObject*) { ++Clicks; }
};

TEST_F(GridTest, RefusedCellIsNeitherCurrentNorSelected) {
  Refuser r;
  Grid->OnSelectCell = TSelectCellEvent(&r, &Refuser::Select);
  Grid->OnClick = TNotifyEvent(&r, &Refuser::Click);
  Grid->SetSelection(R(3, 2, 3, 2));

  Press(CellPoint(3, 3));
  Release(CellPoint(3, 3));
  EXPECT_EQ(Grid->Selection(), R(3, 2, 3, 2)) << "by mouse";
  Key(VK_DOWN);
  EXPECT_EQ(Grid->Selection(), R(3, 2, 3, 2)) << "by key";
  Grid->SetRow(3);
  EXPECT_EQ(Grid->Row(), 2) << "by property";
  EXPECT_EQ(r.Clicks, 0);
  ASSERT_GE(r.Asked.size(), 2u);
  EXPECT_EQ(r.Asked[0], (TGridCoord{3, 3}));

  Key(VK_RIGHT);  // any other cell is still accepted
  EXPECT_EQ(Grid->Selection(), R(4, 2, 4, 2));
  EXPECT_EQ(r.Clicks, 1);
}

TEST_F(GridTest, IndexesOutsideTheGridRaise) {
  EXPECT_THROW(Grid->SetCol(6), EInvalidGridOperation);
  EXPECT_THROW(Grid->SetRow(0), EInvalidGridOperation) << "a fixed row cannot be current";
  EXPECT_THROW(Grid->SetSelection(R(1, 1, 6, 2)), EInvalidGridOperation);
  EXPECT_THROW(Grid->Cells(6, 0), EInvalidGridOperation);
  EXPECT_THROW(Grid->SetFixedCols(6), EInvalidGridOperation);
  EXPECT_EQ(Grid->Selection(), R(1, 1, 1, 1));
}

TEST_F(GridTest, ShrinkingKeepsSelectionInsideAndTextOfKeptCells) {
  Grid->SetCells(2, 2, L"kept");
  Grid->SetCells(5, 5, L"gone");
  Grid->SetSelection(R(2, 2, 5, 5));
  Grid->SetColCount(4);
  Grid->SetRowCount(3);
  EXPECT_EQ(Grid->Selection(), R(2, 2, 3, 2));
  EXPECT_EQ(Grid->Cells(2, 2), L"kept");
  Grid->SetColCount(6);
  Grid->SetRowCount(6);
  EXPECT_EQ(Grid->Cells(5, 5), L"") << "a cell that left the grid comes back empty";
}

// --- Geometry -----------------------------------------------------------------------------
TEST_F(GridTest, CellRectAndMouseToCellAgreeWithFixedCellsCustomSizesAndScrolling) {
  Grid->SetColCount(12);
  Grid->SetRowCount(12);
  Grid->SetGridLineWidth(2);
  Grid->SetColWidths(0, 16);
  Grid->SetRowHeights(0, 14);
  Grid->SetColWidths(4, 70);
  Grid->SetRowHeights(5, 33);

  struct Expect {
    int Col, Row;
    TRect Rect;
  };
  const Expect before[] = {{0, 0, {0, 0, 16, 14}},
                           {1, 0, {18, 0, 58, 14}},
                           {0, 1, {0, 16, 16, 36}},
                           {4, 5, {18 + 3 * 42, 16 + 4 * 22, 18 + 3 * 42 + 70, 16 + 4 * 22 + 33}}};
  for (const Expect& e : before) EXPECT_EQ(Grid->CellRect(e.Col, e.Row), e.Rect) << e.Col << "," << e.Row;

  Grid->SetLeftCol(4);
  Grid->SetTopRow(5);
  EXPECT_EQ(Grid->CellRect(4, 5), (TRect{18, 16, 88, 49}));
  EXPECT_EQ(Grid->CellRect(2, 5), TRect{}) << "scrolled away";
  EXPECT_EQ(Grid->CellRect(0, 5), (TRect{0, 16, 16, 49})) << "fixed column stays";

  // Every visible cell: its corners and the line after it lead back to it.
  int checked = 0;
  for (int c = 0; c < Grid->ColCount(); ++c) {
    for (int r = 0; r < Grid->RowCount(); ++r) {
      const TRect rc = Grid->CellRect(c, r);
      if (rc.Right <= rc.Left) continue;
      const TPoint probes[] = {{rc.Left, rc.Top}, {rc.Right - 1, rc.Bottom - 1}, {rc.Right + 1, rc.Bottom + 1}};
      for (const TPoint& p : probes) {
        if (p.X >= Grid->ClientWidth() || p.Y >= Grid->ClientHeight()) continue;
        int col = -2, row = -2;
        Grid->MouseToCell(p.X, p.Y, col, row);
        EXPECT_EQ(col, c) << p.X << "," << p.Y;
        EXPECT_EQ(row, r) << p.X << "," << p.Y;
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 40);
  EXPECT_EQ(Grid->MouseCoord(-1, 5), (TGridCoord{-1, -1}));
}

TEST_F(GridTest, ScrollingFollowsTheCurrentCellAndStopsAtTheEnd) {
  struct Sink : TObject {
    int Changes = 0;
    void Changed(TObject*) { ++Changes; }
  } sink;
  Grid->OnTopLeftChanged = TNotifyEvent(&sink, &Sink::Changed);
  Grid->SetColCount(20);
  Grid->SetRowCount(30);
  // 300 x 200 client: after the fixed column 6 whole columns fit, 8 rows.
  EXPECT_EQ(Grid->VisibleColCount(), 6);
  EXPECT_EQ(Grid->VisibleRowCount(), 8);
  Key(VK_END, false, true);
  EXPECT_EQ(Grid->LeftCol(), 14);
  EXPECT_EQ(Grid->TopRow(), 22);
  EXPECT_EQ(sink.Changes, 1);
  Grid->SetTopRow(100);
  EXPECT_EQ(Grid->TopRow(), 22) << "never scrolls past the last row";
  Key(VK_HOME, false, true);
  EXPECT_EQ(Grid->LeftCol(), 1);
  EXPECT_EQ(Grid->TopRow(), 1);
  EXPECT_EQ(sink.Changes, 2);
  SendMessageW(Wnd(), WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(Grid->TopRow(), 9);
}

}  // namespace

namespace {

TEST_F(GridTest, ScrollBarsFollowTheTopLeftCell) {
  Grid->SetScrollBars(ssBoth);
  Grid->SetColCount(20);
  Grid->SetRowCount(30);
  auto pos = [&](int Bar) {
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    GetScrollInfo(Wnd(), Bar, &si);
    return si;
  };
  EXPECT_NE(GetWindowLongPtrW(Wnd(), GWL_STYLE) & WS_VSCROLL, 0);
  Key(VK_END, false, true);
  const int top = Grid->TopRow(), left = Grid->LeftCol();
  EXPECT_EQ(pos(SB_VERT).nPos, top - 1);
  EXPECT_EQ(pos(SB_HORZ).nPos, left - 1);
  EXPECT_EQ(pos(SB_VERT).nMax - int(pos(SB_VERT).nPage) + 1, top - 1) << "the bar ends where the grid does";
  SendMessageW(Wnd(), WM_VSCROLL, SB_LINEUP, 0);
  EXPECT_EQ(Grid->TopRow(), top - 1);
  EXPECT_EQ(pos(SB_VERT).nPos, top - 2);
  SendMessageW(Wnd(), WM_HSCROLL, SB_TOP, 0);
  EXPECT_EQ(Grid->LeftCol(), 1);
  SendMessageW(Wnd(), WM_VSCROLL, SB_THUMBTRACK, 0);
  EXPECT_EQ(Grid->TopRow(), top - 1) << "dragging the thumb scrolls only with thumb tracking";
  EXPECT_EQ(Grid->Row(), 29) << "scrolling leaves the current cell";
}

}  // namespace
