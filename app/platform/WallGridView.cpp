#include "WallGridView.h"

#include "ConsoleRoles.h"
#include "SysUtils.h"
#include "WallGrid.h"

TWallGridView::TWallGridView(TStringGrid* grid, ISettingsStore* settings) : FGrid(grid), FSettings(settings) {
  FGrid->OnDrawCell = TDrawCellEvent(this, &TWallGridView::stringgrid1DrawCell);
  FGrid->OnMouseUp = TMouseEvent(this, &TWallGridView::stringgrid1MouseUp);
  FGrid->OnKeyPress = TKeyPressEvent(this, &TWallGridView::stringgrid1KeyPress);
}

void TWallGridView::Build(int rows, int columns, int panelWidth, int panelHeight) {
  FGrid->SetRowCount(rows + 1);
  FGrid->SetColCount(columns + 1);
  FDefaultCellColour = FGrid->Canvas()->Brush()->Color();
  FGrid->SetColWidths(0, WallHeaderColumnWidth);
  FGrid->SetRowHeights(0, WallHeaderRowHeight);
  for (int c = 1; c <= columns; ++c) FGrid->SetCells(c, 0, IntToStr(c));
  for (int r = 1; r <= rows; ++r) FGrid->SetCells(0, r, IntToStr(r));
  Resize(panelWidth, panelHeight);
}

void TWallGridView::Resize(int panelWidth, int panelHeight) {
  const int columns = FGrid->ColCount() - 1, rows = FGrid->RowCount() - 1;
  const int width = WallCellExtent(panelWidth, columns), height = WallCellExtent(panelHeight, rows);
  for (int c = 1; c <= columns; ++c) FGrid->SetColWidths(c, width);
  for (int r = 1; r <= rows; ++r) FGrid->SetRowHeights(r, height);
}

TWallSelection TWallGridView::GridSelection() const {
  const TGridRect s = FGrid->Selection();
  return TWallSelection{s.Left, s.Top, s.Right, s.Bottom};
}

void TWallGridView::stringgrid1MouseUp(TObject*, TMouseButton, TShiftState, int, int) {
  TakeGridSelection();
  if (OnSelectionTaken) OnSelectionTaken(this);
}

void TWallGridView::stringgrid1DrawCell(TObject*, int ACol, int ARow, TRect Rect, TGridDrawState State) {
  TCanvas* canvas = FGrid->Canvas();
  if (ARow >= 1 && ACol >= 1 &&
      !CellKeepsHighlight(State.Contains(gdSelected), State.Contains(gdFocused), State.Contains(gdFixed))) {
    const String stored = FSettings->ReadString(L"stringgrid", CellColourKey(ARow, ACol), L"");
    canvas->Brush()->SetColor(CellFillColour(stored, FDefaultCellColour));
  }
  canvas->FillRect(Rect);
  canvas->Font()->SetColor(clBlack);
  canvas->TextOut(Rect.Left, Rect.Top, FGrid->Cells(ACol, ARow));
}

void TWallGridView::stringgrid1KeyPress(TObject*, wchar_t& Key) {
  const TWallSelection s = GridSelection();
  FDebugMode = DebugModeAfterGridKey(Key, s.SelLeft, s.SelTop, s.SelRight, s.SelBottom);
  if (OnDebugKey) OnDebugKey(this);
}
