// Grids: a scrollable table of cells with fixed header rows and columns,
// a current cell and a rectangular selection driven by mouse and keys, cells
// painted one by one (TDrawGrid), and a grid that keeps a text and an object
// per cell (TStringGrid) with in-place editing.
//
// Coordinates: a cell is (column, row), both from 0; fixed columns and rows
// come first and never scroll. A cell owns the grid line to its right and
// below it, so a point on a line belongs to the cell before it.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

#include "Controls.h"
#include "Forms.h"
#include "StdCtrls.h"
#include "Units.h"

class TCustomGrid;
class TStringGrid;

VAMIRE_EXCEPTION(EInvalidGridOperation, Exception)

extern const TResStringRec SGridIndexOutOfRange;  // Grid index out of range
extern const TResStringRec SFixedColTooBig;       // Fixed column count must be less than column count
extern const TResStringRec SFixedRowTooBig;       // Fixed row count must be less than row count

enum TGridOption {
  goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected,
  goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs, goRowSelect,
  goAlwaysShowEditor, goThumbTracking
};
VAMIRE_ENUM_NAMES(TGridOption, L"goFixedVertLine", L"goFixedHorzLine", L"goVertLine", L"goHorzLine",
                  L"goRangeSelect", L"goDrawFocusSelected", L"goRowSizing", L"goColSizing", L"goRowMoving",
                  L"goColMoving", L"goEditing", L"goTabs", L"goRowSelect", L"goAlwaysShowEditor",
                  L"goThumbTracking")
using TGridOptions = TSet<TGridOption, 16>;
inline constexpr TGridOptions DefaultGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine,
                                                 goRangeSelect};

enum TGridDrawStateItem { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSet<TGridDrawStateItem, 8>;

enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

struct TGridCoord {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

struct TGridRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  TGridCoord TopLeft() const { return {Left, Top}; }
  TGridCoord BottomRight() const { return {Right, Bottom}; }
  bool Contains(int ACol, int ARow) const { return ACol >= Left && ACol <= Right && ARow >= Top && ARow <= Bottom; }
  friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

using TSelectCellEvent = TMethod<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TDrawCellEvent = TMethod<void(TObject* Sender, int ACol, int ARow, TRect Rect, TGridDrawState State)>;
using TGetEditEvent = TMethod<void(TObject* Sender, int ACol, int ARow, String& Value)>;
using TSetEditEvent = TMethod<void(TObject* Sender, int ACol, int ARow, const String& Value)>;
using TMovedEvent = TMethod<void(TObject* Sender, int FromIndex, int ToIndex)>;

// The editor a grid shows over its current cell: a borderless edit. It
// belongs to the grid and reports the keys that end editing back to it.
class TInplaceEdit : public TCustomEdit {
  VAMIRE_CLASS(TInplaceEdit, TCustomEdit)
 public:
  explicit TInplaceEdit(TComponent* AOwner);
  TCustomGrid* Grid() const { return FGrid; }

 protected:
  friend class TCustomGrid;
  void CreateParams(TCreateParams& Params) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;
  void Dispatch(TMessage& Message) override;

 private:
  TCustomGrid* FGrid = nullptr;
};

class TCustomGrid : public TCustomControl {
  VAMIRE_CLASS(TCustomGrid, TCustomControl)
 public:
  explicit TCustomGrid(TComponent* AOwner);
  ~TCustomGrid() override;

  // Sizes and counts. Shrinking keeps the current cell and selection inside.
  int ColCount() const { return FColCount; }
  void SetColCount(int Value);
  int RowCount() const { return FRowCount; }
  void SetRowCount(int Value);
  int FixedCols() const { return FFixedCols; }
  void SetFixedCols(int Value);
  int FixedRows() const { return FFixedRows; }
  void SetFixedRows(int Value);
  int DefaultColWidth() const { return FDefaultColWidth; }
  void SetDefaultColWidth(int Value);
  int DefaultRowHeight() const { return FDefaultRowHeight; }
  void SetDefaultRowHeight(int Value);
  int ColWidths(int Index) const;
  void SetColWidths(int Index, int Value);
  int RowHeights(int Index) const;
  void SetRowHeights(int Index, int Value);
  int GridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(int Value);
  // Sum of the widths (heights) of every column (row) with its lines.
  int GridWidth() const;
  int GridHeight() const;

  TColor FixedColor() const { return FFixedColor; }
  void SetFixedColor(TColor Value);
  TGridOptions Options() const { return FOptions; }
  void SetOptions(TGridOptions Value);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  bool DefaultDrawing() const { return FDefaultDrawing; }
  void SetDefaultDrawing(bool Value) { FDefaultDrawing = Value; }

  // The current cell. Setting it asks SelectCell, collapses the selection to it
  // and scrolls it into view. An index outside the grid raises EInvalidGridOperation.
  int Col() const { return FCurrent.X; }
  void SetCol(int Value);
  int Row() const { return FCurrent.Y; }
  void SetRow(int Value);
  // The selected rectangle, normalised (Left <= Right, Top <= Bottom). Setting
  // it makes its top-left the current cell without asking SelectCell.
  TGridRect Selection() const;
  void SetSelection(const TGridRect& Value);

  // Scrolling: the first scrollable column/row shown after the fixed ones.
  int LeftCol() const { return FTopLeft.X; }
  void SetLeftCol(int Value);
  int TopRow() const { return FTopLeft.Y; }
  void SetTopRow(int Value);
  // Scrollable columns/rows that fit wholly in the client area (at least 1).
  int VisibleColCount();
  int VisibleRowCount();

  // The rectangle of a cell in client coordinates without its lines; an empty
  // rectangle when the cell is scrolled out of sight or outside the grid.
  TRect CellRect(int ACol, int ARow);
  // The cell under a client point; -1, -1 when the point is outside every cell.
  TGridCoord MouseCoord(int X, int Y);
  void MouseToCell(int X, int Y, int& ACol, int& ARow);

  // In-place editing (goEditing): true while the editor shows.
  bool EditorMode() const { return FEditorMode; }
  void SetEditorMode(bool Value);
  TInplaceEdit* InplaceEditor() const { return FInplaceEdit; }
  TGridState GridState() const { return FGridState; }

  TNotifyEvent OnTopLeftChanged;

 protected:
  // Hooks for descendants.
  virtual bool SelectCell(int ACol, int ARow);
  virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) = 0;
  virtual String GetEditText(int ACol, int ARow);
  virtual void SetEditText(int ACol, int ARow, const String& Value);
  virtual bool CanEditShow();
  virtual void TopLeftChanged();
  virtual void ColWidthsChanged() {}
  virtual void RowHeightsChanged() {}
  virtual void SizeChanged(int /*OldColCount*/, int /*OldRowCount*/) {}
  virtual void ColumnMoved(int /*FromIndex*/, int /*ToIndex*/) {}
  virtual void RowMoved(int /*FromIndex*/, int /*ToIndex*/) {}
  void MoveColumn(int FromIndex, int ToIndex);
  void MoveRow(int FromIndex, int ToIndex);

  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Paint() override;
  void Resize() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;
  void DoExit() override;
  void Dispatch(TMessage& Message) override;

  // Editor control, from the editor itself.
  friend class TInplaceEdit;
  void ShowEditor();
  void HideEditor();
  // Ends editing: Accept stores the editor's text through SetEditText,
  // otherwise the cell keeps its old text.
  void EndEdit(bool Accept);
  void UpdateEditorBounds();
  void InvalidateCell(int ACol, int ARow);
  void InvalidateGrid();

 private:
  // One direction of the grid: the sizes of its cells, how many are fixed, the
  // first scrollable one shown and the room the client area gives. Positions
  // and hit tests of columns and rows are the same computation.
  struct TAxis {
    const std::vector<int>* Sizes;
    int Default;
    int Count;
    int Fixed;
    int First;
    int Line;
    int Extent;  // client width or height

    int Size(int I) const { return Sizes->empty() ? Default : (*Sizes)[size_t(I)]; }
    int FixedBoundary() const {
      int p = 0;
      for (int i = 0; i < Fixed; ++i) p += Size(i) + Line;
      return p;
    }
    // Where cell I starts, or -1 while it is scrolled away.
    int Start(int I) const {
      if (I < 0 || I >= Count) return -1;
      int p = 0;
      if (I < Fixed) {
        for (int i = 0; i < I; ++i) p += Size(i) + Line;
        return p;
      }
      if (I < First) return -1;
      p = FixedBoundary();
      for (int i = First; i < I; ++i) {
        p += Size(i) + Line;
        if (p >= Extent) return -1;
      }
      return p < Extent ? p : -1;
    }
    // The cell whose area (its line included) holds P, or -1.
    int Hit(int P) const {
      if (P < 0 || P >= Extent) return -1;
      int p = 0;
      for (int i = 0; i < Fixed; ++i) {
        p += Size(i) + Line;
        if (P < p) return i;
      }
      for (int i = First; i < Count && p < Extent; ++i) {
        p += Size(i) + Line;
        if (P < p) return i;
      }
      return -1;
    }
    // Scrollable cells from First that fit wholly; at least one.
    int FullVisible() const {
      int p = FixedBoundary(), n = 0;
      for (int i = First; i < Count; ++i) {
        p += Size(i);
        if (p > Extent) break;
        p += Line;
        ++n;
      }
      return std::max(n, 1);
    }
    // The smallest first cell with which Last still shows wholly at the end.
    int FirstShowing(int Last) const {
      const int room = Extent - FixedBoundary();
      int f = Last, used = Size(Last);
      while (f - 1 >= Fixed && used + Line + Size(f - 1) <= room) {
        used += Line + Size(f - 1);
        --f;
      }
      return f;
    }
    int MaxFirst() const { return Count > Fixed ? std::max(FirstShowing(Count - 1), Fixed) : Fixed; }
    int LastVisible() const { return std::min(First + FullVisible() - 1, Count - 1); }
  };
  TAxis Horz();
  TAxis Vert();
  int Extent(const std::vector<int>& Sizes, int Index, int Default) const;
  void CheckCoord(int ACol, int ARow) const;
  // Moves the current cell (asking SelectCell); MoveAnchor collapses the
  // selection to it. Answers false when the cell was refused.
  bool MoveCurrent(int ACol, int ARow, bool MoveAnchor, bool Show);
  void MoveAnchor(int ACol, int ARow);
  void ClampInView(TGridCoord Cell);
  void MoveTopLeft(int ALeft, int ATop);
  int MaxLeftCol();
  int MaxTopRow();
  void UpdateScrollRange();
  void ScrollMessage(TMessage& Message, bool Horizontal);
  void InvalidateSelection(const TGridRect& Old);
  void ClampCounts();
  void ShapeChanged();
  void ChangeCount(int& Count, int& Fixed, std::vector<int>& Sizes, int Default, int Value);
  bool SizingLineAt(int X, int Y, TGridState& State, int& Index);
  void DrawCells(TCanvas* C);

  int FColCount = 5, FRowCount = 5;
  int FFixedCols = 1, FFixedRows = 1;
  int FDefaultColWidth = 64, FDefaultRowHeight = 24;
  std::vector<int> FColWidths, FRowHeights;  // empty: every size is the default
  int FGridLineWidth = 1;
  TColor FFixedColor = clBtnFace;
  TGridOptions FOptions = DefaultGridOptions;
  TScrollStyle FScrollBars = ssBoth;
  TBorderStyle FBorderStyle = bsSingle;
  bool FDefaultDrawing = true;
  TGridCoord FCurrent{1, 1};
  TGridCoord FAnchor{1, 1};
  TGridCoord FTopLeft{1, 1};
  TGridState FGridState = gsNormal;
  int FSizingIndex = -1;   // the column/row being sized or moved
  int FSizingPos = 0;      // where that column/row starts
  TInplaceEdit* FInplaceEdit = nullptr;
  bool FEditorMode = false;
  String FEditOriginal;    // the text the editor started with (Esc brings it back)
  bool FUpdatingScroll = false;
};

// A grid whose cells the owner paints in OnDrawCell.
class TDrawGrid : public TCustomGrid {
  VAMIRE_CLASS(TDrawGrid, TCustomGrid)
 public:
  explicit TDrawGrid(TComponent* AOwner);

  TDrawCellEvent OnDrawCell;
  TSelectCellEvent OnSelectCell;
  TGetEditEvent OnGetEditText;
  TSetEditEvent OnSetEditText;
  TMovedEvent OnColumnMoved;
  TMovedEvent OnRowMoved;

 protected:
  bool SelectCell(int ACol, int ARow) override;
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  String GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const String& Value) override;
  void ColumnMoved(int FromIndex, int ToIndex) override;
  void RowMoved(int FromIndex, int ToIndex) override;
};

// A view of one column or row of a string grid as a string list. Inserting
// or deleting is not possible (the grid's shape decides the count).
class TStringGridStrings : public TStrings {
  VAMIRE_CLASS(TStringGridStrings, TStrings)
 public:
  TStringGridStrings(TStringGrid* AGrid, bool AIsColumn, int AIndex);
  int Count() const override;
  String Strings(int Index) const override;
  void SetStrings(int Index, const String& S) override;
  TObject* Objects(int Index) const override;
  void SetObjects(int Index, TObject* AObject) override;
  int Add(const String& S) override;
  void Insert(int Index, const String& S) override;
  void Delete(int Index) override;
  void Clear() override;
  void Assign(TPersistent* Source) override;

 private:
  TStringGrid* FGrid;
  bool FIsColumn;
  int FIndex;
  int FAdded = 0;  // how many cells Add has filled since the last Clear
};

// A grid holding a text and an object per cell, drawn by default as the text
// at the cell's top-left corner.
class TStringGrid : public TDrawGrid {
  VAMIRE_CLASS(TStringGrid, TDrawGrid)
 public:
  explicit TStringGrid(TComponent* AOwner);
  ~TStringGrid() override;

  // Cells outside the grid raise EInvalidGridOperation.
  String Cells(int ACol, int ARow) const;
  void SetCells(int ACol, int ARow, const String& Value);
  TObject* Objects(int ACol, int ARow) const;
  void SetObjects(int ACol, int ARow, TObject* Value);
  // Live views of a column/row; they stay valid while the grid lives.
  TStrings* Cols(int Index);
  void SetCols(int Index, TStrings* Value) { Cols(Index)->Assign(Value); }
  TStrings* Rows(int Index);
  void SetRows(int Index, TStrings* Value) { Rows(Index)->Assign(Value); }

 protected:
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  String GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const String& Value) override;
  void SizeChanged(int OldColCount, int OldRowCount) override;
  void ColumnMoved(int FromIndex, int ToIndex) override;
  void RowMoved(int FromIndex, int ToIndex) override;

 private:
  struct TCell {
    String Text;
    TObject* Object = nullptr;
  };
  TCell& At(int ACol, int ARow);
  const TCell& At(int ACol, int ARow) const;

  std::vector<std::vector<TCell>> FCells;  // [row][column]
  std::vector<TStringGridStrings*> FColViews, FRowViews;
};

// Registers the grid classes for streaming (D-4).
extern const TUnitEntry GridsUnit;
