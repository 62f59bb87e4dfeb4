// Header rows and columns under the mouse: sizing columns and rows by their
// lines, moving them by their header cells; and the grid's streamed properties.
#include <gtest/gtest.h>

#include <vector>

#include "SysUtils.h"
#include "Units.h"
#include "grids_test_support.h"

using namespace grids_test;

namespace {

enum class Expect { ColWidth1, RowHeight1, ColumnMoved, RowMoved, Nothing };

struct HeaderCase {
  const char* Name;
  TGridOption Option;
  LPARAM From, To;
  Expect What;
  int Value;  // the size, or the index moved to
};

class GridHeaderTest : public GridTest, public testing::WithParamInterface<HeaderCase> {};

TEST_P(GridHeaderTest, DragOnHeaders) {
  const HeaderCase& c = GetParam();
  Grid->SetOptions(Grid->Options() + TGridOptions{c.Option});
  for (int i = 0; i < 6; ++i) Grid->Cols(i)->SetCommaText(L"c" + std::to_wstring(i) + L",1,2,3,4,5");
  struct Moves : TObject {
    std::vector<std::pair<int, int>> Seen;
    void Moved(TObject*, int From, int To) { Seen.push_back({From, To}); }
  } moves;
  Grid->OnColumnMoved = TMovedEvent(&moves, &Moves::Moved);
  Grid->OnRowMoved = TMovedEvent(&moves, &Moves::Moved);

  Press(c.From);
  Drag(c.To);
  Release(c.To);
  switch (c.What) {
    case Expect::ColWidth1: EXPECT_EQ(Grid->ColWidths(1), c.Value); break;
    case Expect::RowHeight1: EXPECT_EQ(Grid->RowHeights(1), c.Value); break;
    case Expect::ColumnMoved:
      EXPECT_EQ(Grid->Cells(c.Value, 0), L"c1") << "the column's cells go with it";
      EXPECT_EQ(Grid->Cells(1, 0), L"c2");
      ASSERT_EQ(moves.Seen.size(), 1u);
      EXPECT_EQ(moves.Seen[0], std::make_pair(1, c.Value));
      break;
    case Expect::RowMoved:
      EXPECT_EQ(Grid->Cells(0, c.Value), L"1");
      EXPECT_EQ(Grid->Cells(0, 1), L"2");
      ASSERT_EQ(moves.Seen.size(), 1u);
      EXPECT_EQ(moves.Seen[0], std::make_pair(1, c.Value));
      break;
    case Expect::Nothing:
      EXPECT_EQ(Grid->ColWidths(1), 40);
      EXPECT_EQ(Grid->RowHeights(1), 20);
      EXPECT_EQ(Grid->Cells(1, 0), L"c1");
      EXPECT_TRUE(moves.Seen.empty());
      break;
  }
  if (c.What != Expect::Nothing) {
    EXPECT_EQ(Grid->Selection(), R(1, 1, 1, 1)) << "header drags select nothing";
  }
}

// Column 1 ends at x 81 (its line), row 1 at y 41.
INSTANTIATE_TEST_SUITE_P(
    Cases, GridHeaderTest,
    testing::Values(
        HeaderCase{"ColumnWider", goColSizing, MAKELPARAM(81, 10), MAKELPARAM(101, 10), Expect::ColWidth1, 60},
        HeaderCase{"ColumnToNothing", goColSizing, MAKELPARAM(80, 10), MAKELPARAM(20, 10), Expect::ColWidth1, 0},
        HeaderCase{"RowTaller", goRowSizing, MAKELPARAM(10, 41), MAKELPARAM(10, 61), Expect::RowHeight1, 40},
        HeaderCase{"ColumnMoves", goColMoving, CellPoint(1, 0), CellPoint(3, 0), Expect::ColumnMoved, 3},
        HeaderCase{"RowMoves", goRowMoving, CellPoint(0, 1), CellPoint(0, 4), Expect::RowMoved, 4},
        HeaderCase{"LineWithoutSizing", goEditing, MAKELPARAM(81, 10), MAKELPARAM(101, 10), Expect::Nothing, 0},
        HeaderCase{"MoveOntoFixedCell", goColMoving, CellPoint(1, 0), CellPoint(0, 0), Expect::Nothing, 0},
        HeaderCase{"SizingNeedsTheHeader", goColSizing, MAKELPARAM(81, 50), MAKELPARAM(101, 50), Expect::Nothing,
                   0}),
    [](const testing::TestParamInfo<HeaderCase>& i) { return std::string(i.param.Name); });

TEST_F(GridTest, RowSelectAndTabs) {
  Grid->SetOptions(Grid->Options() + TGridOptions{goRowSelect, goTabs});
  Grid->SetSelection(R(4, 2, 4, 2));
  EXPECT_EQ(Grid->Selection(), R(1, 2, 5, 2)) << "a whole row";
  Key(VK_DOWN, true);
  EXPECT_EQ(Grid->Selection(), R(1, 2, 5, 3));
  Grid->SetOptions(Grid->Options() - TGridOptions{goRowSelect});
  Grid->SetSelection(R(5, 2, 5, 2));
  Key(VK_TAB);
  EXPECT_EQ(Grid->Selection(), R(1, 3, 1, 3)) << "Tab wraps to the next row";
  Key(VK_TAB, true);
  EXPECT_EQ(Grid->Selection(), R(5, 2, 5, 2)) << "Shift+Tab goes back";
  EXPECT_NE(SendMessageW(Wnd(), WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB, 0);
}

TEST(GridStreamingTest, PropertiesSurviveTheFormStream) {
  InitializeUnits({GridsUnit});
  EXPECT_EQ(GetClass(L"TStringGrid"), TStringGrid::StaticClass());
  EXPECT_EQ(GetClass(L"TDrawGrid"), TDrawGrid::StaticClass());

  controls_test::THost host(nullptr);
  auto* grid = new TStringGrid(&host);
  grid->SetParent(&host);
  grid->SetName(L"StringGrid1");
  grid->SetColCount(16);
  grid->SetRowCount(3);
  grid->SetFixedCols(0);
  grid->SetDefaultColWidth(18);
  grid->SetFixedColor(clGray);
  grid->SetOptions(TGridOptions{goFixedVertLine, goEditing, goThumbTracking});
  grid->SetScrollBars(ssNone);
  grid->SetBorderStyle(bsNone);
  TMemoryStream stream;
  auto* copy = new TStringGrid(&host);
  copy->SetParent(&host);
  try {
    WriteComponentToStream(&stream, grid);
    stream.SetPosition(0);
    ReadComponentFromStream(&stream, copy);
  } catch (const Exception& e) {
    FAIL() << UTF8Encode(e.Message());
  }
  EXPECT_EQ(copy->ColCount(), 16);
  EXPECT_EQ(copy->RowCount(), 3);
  EXPECT_EQ(copy->FixedCols(), 0);
  EXPECT_EQ(copy->FixedRows(), 1);
  EXPECT_EQ(copy->DefaultColWidth(), 18);
  EXPECT_EQ(copy->FixedColor(), clGray);
  EXPECT_TRUE(copy->Options() == (TGridOptions{goFixedVertLine, goEditing, goThumbTracking}));
  EXPECT_EQ(copy->ScrollBars(), ssNone);
  EXPECT_EQ(copy->BorderStyle(), bsNone);
  FinalizeUnits();
}

}  // namespace
