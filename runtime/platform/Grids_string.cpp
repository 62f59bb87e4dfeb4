// The owner-drawn grid, the string grid with its cell store and column/row
// views, and the published tables of both.
#include <algorithm>

#include "Grids.h"

// --- TDrawGrid --------------------------------------------------------------------------
TDrawGrid::TDrawGrid(TComponent* AOwner) : TCustomGrid(AOwner) {}

bool TDrawGrid::SelectCell(int ACol, int ARow) {
  bool can = true;
  if (OnSelectCell) OnSelectCell(this, ACol, ARow, can);
  return can;
}

void TDrawGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  if (OnDrawCell) OnDrawCell(this, ACol, ARow, ARect, AState);
}

String TDrawGrid::GetEditText(int ACol, int ARow) {
  String value;
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, value);
  return value;
}

void TDrawGrid::SetEditText(int ACol, int ARow, const String& Value) {
  if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}

void TDrawGrid::ColumnMoved(int FromIndex, int ToIndex) {
  if (OnColumnMoved) OnColumnMoved(this, FromIndex, ToIndex);
}

void TDrawGrid::RowMoved(int FromIndex, int ToIndex) {
  if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);
}

bool TCustomGrid::SelectCell(int, int) { return true; }

// --- TStringGrid ------------------------------------------------------------------------
TStringGrid::TStringGrid(TComponent* AOwner) : TDrawGrid(AOwner) {
  SizeChanged(0, 0);
}

TStringGrid::~TStringGrid() {
  for (auto* v : FColViews) delete v;
  for (auto* v : FRowViews) delete v;
}

void TStringGrid::SizeChanged(int, int) {
  // Cells inside both the old and the new shape keep their text.
  FCells.resize(size_t(RowCount()));
  for (auto& row : FCells) row.resize(size_t(ColCount()));
}

TStringGrid::TCell& TStringGrid::At(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
    throw EInvalidGridOperation(LoadResString(&SGridIndexOutOfRange));
  return FCells[size_t(ARow)][size_t(ACol)];
}

const TStringGrid::TCell& TStringGrid::At(int ACol, int ARow) const {
  return const_cast<TStringGrid*>(this)->At(ACol, ARow);
}

String TStringGrid::Cells(int ACol, int ARow) const { return At(ACol, ARow).Text; }

void TStringGrid::SetCells(int ACol, int ARow, const String& Value) {
  TCell& cell = At(ACol, ARow);
  if (cell.Text == Value) return;
  cell.Text = Value;
  InvalidateCell(ACol, ARow);
}

TObject* TStringGrid::Objects(int ACol, int ARow) const { return At(ACol, ARow).Object; }

void TStringGrid::SetObjects(int ACol, int ARow, TObject* Value) { At(ACol, ARow).Object = Value; }

TStrings* TStringGrid::Cols(int Index) {
  if (Index < 0 || Index >= ColCount()) throw EInvalidGridOperation(LoadResString(&SGridIndexOutOfRange));
  if (FColViews.size() <= size_t(Index)) FColViews.resize(size_t(Index) + 1, nullptr);
  if (!FColViews[size_t(Index)]) FColViews[size_t(Index)] = new TStringGridStrings(this, true, Index);
  return FColViews[size_t(Index)];
}

TStrings* TStringGrid::Rows(int Index) {
  if (Index < 0 || Index >= RowCount()) throw EInvalidGridOperation(LoadResString(&SGridIndexOutOfRange));
  if (FRowViews.size() <= size_t(Index)) FRowViews.resize(size_t(Index) + 1, nullptr);
  if (!FRowViews[size_t(Index)]) FRowViews[size_t(Index)] = new TStringGridStrings(this, false, Index);
  return FRowViews[size_t(Index)];
}

void TStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  if (DefaultDrawing()) Canvas()->TextRect(ARect, ARect.Left + 2, ARect.Top + 2, Cells(ACol, ARow));
  TDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

String TStringGrid::GetEditText(int ACol, int ARow) {
  String value = Cells(ACol, ARow);
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, value);
  return value;
}

void TStringGrid::SetEditText(int ACol, int ARow, const String& Value) {
  SetCells(ACol, ARow, Value);
  TDrawGrid::SetEditText(ACol, ARow, Value);
}

void TStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
  for (auto& row : FCells) {
    TCell c = std::move(row[size_t(FromIndex)]);
    row.erase(row.begin() + FromIndex);
    row.insert(row.begin() + ToIndex, std::move(c));
  }
  TDrawGrid::ColumnMoved(FromIndex, ToIndex);
}

void TStringGrid::RowMoved(int FromIndex, int ToIndex) {
  auto row = std::move(FCells[size_t(FromIndex)]);
  FCells.erase(FCells.begin() + FromIndex);
  FCells.insert(FCells.begin() + ToIndex, std::move(row));
  TDrawGrid::RowMoved(FromIndex, ToIndex);
}

// --- Column and row views ---------------------------------------------------------------
TStringGridStrings::TStringGridStrings(TStringGrid* AGrid, bool AIsColumn, int AIndex)
    : FGrid(AGrid), FIsColumn(AIsColumn), FIndex(AIndex) {}

int TStringGridStrings::Count() const { return FIsColumn ? FGrid->RowCount() : FGrid->ColCount(); }

String TStringGridStrings::Strings(int Index) const {
  return FIsColumn ? FGrid->Cells(FIndex, Index) : FGrid->Cells(Index, FIndex);
}

void TStringGridStrings::SetStrings(int Index, const String& S) {
  if (FIsColumn)
    FGrid->SetCells(FIndex, Index, S);
  else
    FGrid->SetCells(Index, FIndex, S);
}

TObject* TStringGridStrings::Objects(int Index) const {
  return FIsColumn ? FGrid->Objects(FIndex, Index) : FGrid->Objects(Index, FIndex);
}

void TStringGridStrings::SetObjects(int Index, TObject* AObject) {
  if (FIsColumn)
    FGrid->SetObjects(FIndex, Index, AObject);
  else
    FGrid->SetObjects(Index, FIndex, AObject);
}

// Add fills the cells in order after a Clear; past the last cell there is no
// room, which is an error rather than a silent loss.
int TStringGridStrings::Add(const String& S) {
  if (FAdded >= Count()) throw EInvalidGridOperation(LoadResString(&SGridIndexOutOfRange));
  SetStrings(FAdded, S);
  return FAdded++;
}

void TStringGridStrings::Insert(int, const String&) {
  throw EInvalidGridOperation(L"Cannot insert into a grid column or row");
}

void TStringGridStrings::Delete(int) { throw EInvalidGridOperation(L"Cannot delete from a grid column or row"); }

void TStringGridStrings::Clear() {
  for (int i = 0; i < Count(); ++i) {
    SetStrings(i, String());
    SetObjects(i, nullptr);
  }
  FAdded = 0;
}

void TStringGridStrings::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TStrings*>(Source);
  if (!src) {
    TStrings::Assign(Source);
    return;
  }
  // The grid's shape stays: lines beyond the column or row are an error before
  // anything is changed, and cells beyond the source's lines are cleared.
  if (src->Count() > Count()) throw EInvalidGridOperation(LoadResString(&SGridIndexOutOfRange));
  for (int i = 0; i < Count(); ++i) {
    SetStrings(i, i < src->Count() ? src->Strings(i) : String());
    SetObjects(i, i < src->Count() ? src->Objects(i) : nullptr);
  }
  FAdded = src->Count();
}

// --- Published --------------------------------------------------------------------------
// The string grid publishes the same through its ancestor.
VAMIRE_PUBLISHED(TDrawGrid,
                 Prop(L"BorderStyle", &TDrawGrid::BorderStyle, &TDrawGrid::SetBorderStyle).Default(bsSingle),
                 Prop(L"ColCount", &TDrawGrid::ColCount, &TDrawGrid::SetColCount).Default(5),
                 Prop(L"RowCount", &TDrawGrid::RowCount, &TDrawGrid::SetRowCount).Default(5),
                 Prop(L"FixedCols", &TDrawGrid::FixedCols, &TDrawGrid::SetFixedCols).Default(1),
                 Prop(L"FixedRows", &TDrawGrid::FixedRows, &TDrawGrid::SetFixedRows).Default(1),
                 Prop(L"DefaultColWidth", &TDrawGrid::DefaultColWidth, &TDrawGrid::SetDefaultColWidth).Default(64),
                 Prop(L"DefaultRowHeight", &TDrawGrid::DefaultRowHeight, &TDrawGrid::SetDefaultRowHeight).Default(24),
                 Prop(L"DefaultDrawing", &TDrawGrid::DefaultDrawing, &TDrawGrid::SetDefaultDrawing).Default(true),
                 Prop(L"FixedColor", &TDrawGrid::FixedColor, &TDrawGrid::SetFixedColor).Idents(&ColorIdentMapper).Default(clBtnFace),
                 Prop(L"GridLineWidth", &TDrawGrid::GridLineWidth, &TDrawGrid::SetGridLineWidth).Default(1),
                 Prop(L"Options", &TDrawGrid::Options, &TDrawGrid::SetOptions).Default(DefaultGridOptions),
                 Prop(L"ScrollBars", &TDrawGrid::ScrollBars, &TDrawGrid::SetScrollBars).Default(ssBoth),
                 Prop(L"TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(true),
                 Prop(L"TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder).NoDefault(),
                 Prop(L"OnKeyDown", &TWinControl::OnKeyDown),
                 Prop(L"OnKeyPress", &TWinControl::OnKeyPress),
                 Prop(L"OnKeyUp", &TWinControl::OnKeyUp),
                 Prop(L"OnEnter", &TWinControl::OnEnter),
                 Prop(L"OnExit", &TWinControl::OnExit),
                 Prop(L"OnTopLeftChanged", &TDrawGrid::OnTopLeftChanged),
                 Prop(L"OnDrawCell", &TDrawGrid::OnDrawCell),
                 Prop(L"OnSelectCell", &TDrawGrid::OnSelectCell),
                 Prop(L"OnGetEditText", &TDrawGrid::OnGetEditText),
                 Prop(L"OnSetEditText", &TDrawGrid::OnSetEditText),
                 Prop(L"OnColumnMoved", &TDrawGrid::OnColumnMoved),
                 Prop(L"OnRowMoved", &TDrawGrid::OnRowMoved))

namespace {
// The form reader creates streamed grids by class name.
void InitGrids() { RegisterClasses({TDrawGrid::StaticClass(), TStringGrid::StaticClass()}); }
void DoneGrids() { UnRegisterClasses({TDrawGrid::StaticClass(), TStringGrid::StaticClass()}); }
}  // namespace

const TUnitEntry GridsUnit = {L"Grids", &InitGrids, &DoneGrids};
