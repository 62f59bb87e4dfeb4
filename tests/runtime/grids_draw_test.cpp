// Drawing the grid: the states and brush each cell's OnDrawCell sees, and what
// a 4 x 4 grid with a selection shows on screen.
#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "grids_test_support.h"
#include "support/WindowCapture.h"

using namespace grids_test;

namespace {

uint32_t Rgb(TColor Color) {
  const COLORREF c = COLORREF(ColorToRGB(Color));
  return uint32_t(GetRValue(c)) << 16 | uint32_t(GetGValue(c)) << 8 | GetBValue(c);
}

struct Seen {
  TGridDrawState State;
  TColor Brush;
};

struct DrawLog : TObject {
  TStringGrid* Grid = nullptr;
  std::map<std::pair<int, int>, Seen> Cells;
  void Draw(TObject*, int ACol, int ARow, TRect, TGridDrawState State) {
    Cells[{ACol, ARow}] = Seen{State, Grid->Canvas()->Brush()->Color()};
  }
};

class GridDrawTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    Grid->SetColCount(4);
    Grid->SetRowCount(4);
    for (int i = 1; i < 4; ++i) {
      Grid->SetCells(i, 0, std::to_wstring(i));
      Grid->SetCells(0, i, std::to_wstring(i));
    }
    Grid->SetSelection(R(1, 1, 2, 2));  // the focused cell is (1, 1)
    Log.Grid = Grid;
    Grid->OnDrawCell = TDrawCellEvent(&Log, &DrawLog::Draw);
  }
  // What the window shows now, without painting it again first.
  vamire_test::Capture AsShown() {
    HDC dc = GetDC(Wnd());
    vamire_test::Capture shot = vamire_test::CaptureDC(dc, 0, 0, Grid->ClientWidth(), Grid->ClientHeight());
    ReleaseDC(Wnd(), dc);
    return shot;
  }
  void Repaint() {
    Log.Cells.clear();
    InvalidateRect(Wnd(), nullptr, FALSE);
    UpdateWindow(Wnd());
  }
  DrawLog Log;
};

TEST_F(GridDrawTest, EachCellSeesItsStateAndTheBrushOfTheDefaultDrawing) {
  const TGridDrawState fixed{gdFixed}, selected{gdSelected}, focused{gdSelected, gdFocused}, plain{};
  struct Expect {
    int Col, Row;
    TGridDrawState State;
    TColor Brush;
  };
  const Expect table[] = {
      {0, 0, fixed, clBtnFace},    {2, 0, fixed, clBtnFace},   {0, 3, fixed, clBtnFace},
      {1, 1, focused, clWindow},   {2, 1, selected, clHighlight}, {1, 2, selected, clHighlight},
      {2, 2, selected, clHighlight}, {3, 1, plain, clWindow},   {3, 3, plain, clWindow},
  };
  Repaint();
  EXPECT_EQ(Log.Cells.size(), 16u) << "every cell is drawn";
  for (const Expect& e : table) {
    const Seen& s = Log.Cells[{e.Col, e.Row}];
    EXPECT_TRUE(s.State == e.State) << e.Col << "," << e.Row;
    EXPECT_EQ(s.Brush, e.Brush) << e.Col << "," << e.Row;
  }

  // Asked for, the focused cell is highlighted like the rest.
  Grid->SetOptions(Grid->Options() + TGridOptions{goDrawFocusSelected});
  Repaint();
  EXPECT_EQ((Log.Cells[{1, 1}].Brush), clHighlight);
  // The fixed colour is the owner's to choose.
  Grid->SetFixedColor(clGray);
  Repaint();
  EXPECT_EQ((Log.Cells[{0, 2}].Brush), clGray);
}

TEST_F(GridDrawTest, FourByFourWithSelectionOnScreen) {
  Grid->SetBounds(0, 0, 4 * ColStep + 20, 4 * RowStep + 10);
  Repaint();
  const vamire_test::Capture shot = vamire_test::CaptureClient(Wnd());
  EXPECT_TRUE(shot.SavePng(L"grids_4x4.png"));
  auto centre = [&](int c, int r) { return shot.At(c * ColStep + 25, r * RowStep + 14); };
  EXPECT_EQ(centre(2, 2), Rgb(clHighlight)) << "selected";
  EXPECT_EQ(centre(2, 1), Rgb(clHighlight)) << "selected";
  EXPECT_EQ(centre(1, 1), Rgb(clWindow)) << "focused cell keeps the cell colour";
  EXPECT_EQ(centre(3, 3), Rgb(clWindow)) << "outside the selection";
  EXPECT_EQ(centre(0, 2), Rgb(clBtnFace)) << "fixed";
  EXPECT_EQ(centre(2, 0), Rgb(clBtnFace)) << "fixed";
  // Fixed cells are raised: light top-left, shadowed bottom-right.
  EXPECT_EQ(shot.At(ColStep + 10, 0), Rgb(clBtnHighlight));
  EXPECT_EQ(shot.At(ColStep + 10, RowStep - 2), Rgb(clBtnShadow));
  // Lines: black between fixed cells, silver between the others.
  EXPECT_EQ(shot.At(ColStep - 1, 2 * RowStep + 10), Rgb(clBlack));
  EXPECT_EQ(shot.At(3 * ColStep - 1, 3 * RowStep + 10), Rgb(clSilver));
  EXPECT_EQ(shot.At(3 * ColStep + 10, 3 * RowStep - 1), Rgb(clSilver));
  // Beyond the last column the control's colour.
  EXPECT_EQ(shot.At(4 * ColStep + 10, 10), Rgb(clWindow));
  // The header texts are drawn.
  size_t ink = 0;
  for (int y = RowStep + 2; y < 2 * RowStep - 2; ++y)
    for (int x = 2; x < 12; ++x) ink += shot.At(x, y) == Rgb(clWindowText) ? 1 : 0;
  EXPECT_GT(ink, 3u) << "the \"1\" of the first row header";
}

TEST_F(GridDrawTest, WithoutDefaultDrawingOnlyTheOwnerPaints) {
  struct Painter : TObject {
    TStringGrid* G;
    void Draw(TObject*, int ACol, int ARow, TRect Rect, TGridDrawState) {
      if (ACol == 3 && ARow == 3) {
        G->Canvas()->Brush()->SetColor(clRed);
        G->Canvas()->FillRect(Rect);
      }
    }
  } painter;
  painter.G = Grid;
  Grid->OnDrawCell = TDrawCellEvent(&painter, &Painter::Draw);
  Grid->SetCells(3, 3, L"text");
  Repaint();
  vamire_test::Capture shot = vamire_test::CaptureClient(Wnd());
  EXPECT_EQ(shot.At(3 * ColStep + 5, 3 * RowStep + 5), Rgb(clRed)) << "the owner draws after the default drawing";

  Grid->SetDefaultDrawing(false);
  HDC dc = GetDC(Wnd());
  FillRect(dc, AsRect(TRect{0, 0, 200, 100}), HBRUSH(GetStockObject(BLACK_BRUSH)));
  ReleaseDC(Wnd(), dc);
  Repaint();
  shot = vamire_test::CaptureClient(Wnd());
  EXPECT_EQ(shot.At(2 * ColStep + 20, 2 * RowStep + 10), 0u) << "no fill without default drawing";
  EXPECT_EQ(shot.At(3 * ColStep + 5, 3 * RowStep + 5), Rgb(clRed));
}

}  // namespace

namespace {

// Only what changed is painted again: a selection that grows and shrinks by
// mouse and collapses by key leaves no highlight behind.
TEST_F(GridDrawTest, SelectionChangesRepaintWhatTheyLeave) {
  Repaint();
  Press(CellPoint(1, 1));
  Drag(CellPoint(3, 3));
  UpdateWindow(Wnd());
  vamire_test::Capture shot = AsShown();
  auto centre = [&](int c, int r) { return shot.At(c * ColStep + 25, r * RowStep + 14); };
  EXPECT_EQ(centre(3, 3), Rgb(clHighlight));
  EXPECT_EQ(centre(2, 1), Rgb(clHighlight));
  Drag(CellPoint(1, 2));
  Release(CellPoint(1, 2));
  UpdateWindow(Wnd());
  shot = AsShown();
  EXPECT_EQ(centre(1, 2), Rgb(clHighlight));
  EXPECT_EQ(centre(3, 3), Rgb(clWindow));
  EXPECT_EQ(centre(2, 1), Rgb(clWindow));
  Key(VK_RIGHT);
  UpdateWindow(Wnd());
  shot = AsShown();
  EXPECT_EQ(centre(1, 2), Rgb(clWindow));
  EXPECT_EQ(centre(1, 1), Rgb(clWindow));
  EXPECT_EQ(centre(2, 1), Rgb(clWindow)) << "the new focused cell keeps the cell colour";
}

}  // namespace
