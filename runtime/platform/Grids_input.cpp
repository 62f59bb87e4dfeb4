// Mouse and keys in the grid (selecting, sizing and moving columns and rows,
// moving the current cell) and the in-place editor.
#include <algorithm>

#include "Grids.h"

namespace {
constexpr int SizingSlop = 2;  // pixels either side of a line that grab it
}

// --- Mouse ------------------------------------------------------------------------------
bool TCustomGrid::SizingLineAt(int X, int Y, TGridState& State, int& Index) {
  const TAxis h = Horz(), v = Vert();
  auto lineAt = [](const TAxis& a, int p) {
    for (int i = 0; i < a.Count; ++i) {
      const int s = a.Start(i);
      if (s < 0) continue;
      const int end = s + a.Size(i);
      if (p >= end - SizingSlop && p <= end + a.Line + SizingSlop) return i;
    }
    return -1;
  };
  if (FOptions.Contains(goColSizing) && Y >= 0 && Y < v.FixedBoundary()) {
    Index = lineAt(h, X);
    if (Index >= 0) {
      State = gsColSizing;
      return true;
    }
  }
  if (FOptions.Contains(goRowSizing) && X >= 0 && X < h.FixedBoundary()) {
    Index = lineAt(v, Y);
    if (Index >= 0) {
      State = gsRowSizing;
      return true;
    }
  }
  return false;
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (HandleAllocated() && GetFocus() != FHandle && !(FEditorMode && GetFocus() == FInplaceEdit->Handle()) &&
      CanFocus())
    SetFocus();
  // The grid takes no click events from its base (a click here is a change
  // of the current cell, see MoveCurrent), so the double click is its own.
  if (Button == mbLeft && Shift.Contains(ssDouble)) DblClick();
  if (Button == mbLeft) {
    TGridState sizing;
    int index;
    const TGridCoord cell = MouseCoord(X, Y);
    if (SizingLineAt(X, Y, sizing, index)) {
      FGridState = sizing;
      FSizingIndex = index;
      FSizingPos = sizing == gsColSizing ? Horz().Start(index) : Vert().Start(index);
    } else if (cell.X >= 0) {
      const bool fixedCol = cell.X < FFixedCols, fixedRow = cell.Y < FFixedRows;
      if (fixedRow && !fixedCol && FOptions.Contains(goColMoving)) {
        FGridState = gsColMoving;
        FSizingIndex = cell.X;
      } else if (fixedCol && !fixedRow && FOptions.Contains(goRowMoving)) {
        FGridState = gsRowMoving;
        FSizingIndex = cell.Y;
      } else if (!fixedCol && !fixedRow) {
        if (Shift.Contains(ssDouble)) {
          if (FCurrent == cell && FOptions.Contains(goEditing)) ShowEditor();
        } else if (Shift.Contains(ssShift) && FOptions.Contains(goRangeSelect)) {
          MoveAnchor(cell.X, cell.Y);
          FGridState = gsSelecting;
        } else if (MoveCurrent(cell.X, cell.Y, true, true)) {
          FGridState = gsSelecting;
        }
      }
    }
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y) {
  switch (FGridState) {
    case gsSelecting: {
      // Outside the scrollable cells the nearest one counts, so dragging past
      // an edge selects up to it.
      const TAxis h = Horz(), v = Vert();
      auto nearest = [](const TAxis& a, int p) {
        int i = a.Hit(std::max(p, a.FixedBoundary()));
        if (i < 0) i = a.LastVisible();
        return std::clamp(i, a.Fixed, a.Count - 1);
      };
      const int c = nearest(h, X), r = nearest(v, Y);
      if (FOptions.Contains(goRangeSelect))
        MoveAnchor(c, r);
      else if (FCurrent != TGridCoord{c, r})
        MoveCurrent(c, r, true, true);
      break;
    }
    case gsColSizing: SetColWidths(FSizingIndex, std::max(X - FSizingPos, 0)); break;
    case gsRowSizing: SetRowHeights(FSizingIndex, std::max(Y - FSizingPos, 0)); break;
    default: break;
  }
  TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TGridState state = FGridState;
  FGridState = gsNormal;
  if (state == gsColMoving || state == gsRowMoving) {
    const TGridCoord cell = MouseCoord(X, Y);
    if (state == gsColMoving && cell.X >= FFixedCols && cell.X != FSizingIndex) MoveColumn(FSizingIndex, cell.X);
    if (state == gsRowMoving && cell.Y >= FFixedRows && cell.Y != FSizingIndex) MoveRow(FSizingIndex, cell.Y);
  }
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

namespace {
void MoveEntry(std::vector<int>& Sizes, int FromIndex, int ToIndex) {
  if (Sizes.empty()) return;
  const int v = Sizes[size_t(FromIndex)];
  Sizes.erase(Sizes.begin() + FromIndex);
  Sizes.insert(Sizes.begin() + ToIndex, v);
}
}  // namespace

void TCustomGrid::MoveColumn(int FromIndex, int ToIndex) {
  CheckCoord(FromIndex, FFixedRows);
  CheckCoord(ToIndex, FFixedRows);
  if (FromIndex == ToIndex) return;
  if (FEditorMode) EndEdit(true);
  MoveEntry(FColWidths, FromIndex, ToIndex);
  ColumnMoved(FromIndex, ToIndex);
  InvalidateGrid();
}

void TCustomGrid::MoveRow(int FromIndex, int ToIndex) {
  CheckCoord(FFixedCols, FromIndex);
  CheckCoord(FFixedCols, ToIndex);
  if (FromIndex == ToIndex) return;
  if (FEditorMode) EndEdit(true);
  MoveEntry(FRowHeights, FromIndex, ToIndex);
  RowMoved(FromIndex, ToIndex);
  InvalidateGrid();
}

// --- Keys -------------------------------------------------------------------------------
void TCustomGrid::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key == 0) return;
  const bool ctrl = Shift.Contains(ssCtrl);
  if (Key == VK_F2) {
    SetEditorMode(true);
    return;
  }
  if (Key == VK_TAB) {
    if (!FOptions.Contains(goTabs) || ctrl) return;
    // Tab walks the cells row by row, wrapping at the ends of each row.
    TGridCoord n = FCurrent;
    if (Shift.Contains(ssShift)) {
      if (--n.X < FFixedCols) {
        n.X = FColCount - 1;
        if (--n.Y < FFixedRows) n.Y = FRowCount - 1;
      }
    } else if (++n.X >= FColCount) {
      n.X = FFixedCols;
      if (++n.Y >= FRowCount) n.Y = FFixedRows;
    }
    MoveCurrent(n.X, n.Y, true, true);
    Key = 0;
    return;
  }

  const bool extend = Shift.Contains(ssShift) && FOptions.Contains(goRangeSelect);
  const TGridCoord from = extend ? FAnchor : FCurrent;
  TGridCoord n = from;
  const int page = VisibleRowCount();
  switch (Key) {
    case VK_UP: --n.Y; break;
    case VK_DOWN: ++n.Y; break;
    case VK_LEFT: --n.X; break;
    case VK_RIGHT: ++n.X; break;
    case VK_PRIOR:
      if (ctrl) {
        n.Y = FTopLeft.Y;
      } else {
        n.Y -= page;
        MoveTopLeft(FTopLeft.X, FTopLeft.Y - page);
      }
      break;
    case VK_NEXT:
      if (ctrl) {
        n.Y = Vert().LastVisible();
      } else {
        n.Y += page;
        MoveTopLeft(FTopLeft.X, FTopLeft.Y + page);
      }
      break;
    case VK_HOME:
      if (ctrl || FOptions.Contains(goRowSelect)) n.Y = FFixedRows;
      n.X = FFixedCols;
      break;
    case VK_END:
      if (ctrl || FOptions.Contains(goRowSelect)) n.Y = FRowCount - 1;
      n.X = FColCount - 1;
      break;
    default: return;
  }
  n.X = std::clamp(n.X, FFixedCols, FColCount - 1);
  n.Y = std::clamp(n.Y, FFixedRows, FRowCount - 1);
  if (n != from) {
    if (extend)
      MoveAnchor(n.X, n.Y);
    else
      MoveCurrent(n.X, n.Y, true, true);
  } else if (!extend && FAnchor != FCurrent) {
    // An unshifted key collapses a range to the current cell even at an edge.
    MoveCurrent(n.X, n.Y, true, true);
  }
}

void TCustomGrid::KeyPress(wchar_t& Key) {
  TCustomControl::KeyPress(Key);
  if (Key == 0 || FEditorMode || !FOptions.Contains(goEditing)) return;
  if (Key == L'\r') {
    ShowEditor();
    Key = 0;
  } else if (Key >= L' ' && Key != 0x7F) {
    // A typed character starts the editor with that character as the new text.
    ShowEditor();
    if (FEditorMode) {
      FInplaceEdit->SetText(String(1, Key));
      FInplaceEdit->SetSelStart(1);
      Key = 0;
    }
  }
}

void TCustomGrid::DoExit() {
  if (FEditorMode && !(FInplaceEdit->HandleAllocated() && GetFocus() == FInplaceEdit->Handle())) EndEdit(true);
  TCustomControl::DoExit();
}

// --- Editing ----------------------------------------------------------------------------
bool TCustomGrid::CanEditShow() {
  return FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect) && HandleAllocated() &&
         !ComponentState().Contains(csDesigning);
}

String TCustomGrid::GetEditText(int, int) { return String(); }
void TCustomGrid::SetEditText(int, int, const String&) {}

void TCustomGrid::SetEditorMode(bool Value) {
  if (Value)
    ShowEditor();
  else
    EndEdit(true);
}

void TCustomGrid::ShowEditor() {
  if (!CanEditShow()) return;
  if (FEditorMode) {
    UpdateEditorBounds();
    return;
  }
  if (!FInplaceEdit) {
    FInplaceEdit = new TInplaceEdit(this);
    FInplaceEdit->FGrid = this;
    FInplaceEdit->SetParent(this);
  }
  FEditOriginal = GetEditText(FCurrent.X, FCurrent.Y);
  FEditorMode = true;
  FInplaceEdit->SetText(FEditOriginal);
  UpdateEditorBounds();
  FInplaceEdit->Show();
  if (GetFocus() == FHandle) ::SetFocus(FInplaceEdit->Handle());
  FInplaceEdit->SelectAll();
  InvalidateCell(FCurrent.X, FCurrent.Y);
}

void TCustomGrid::HideEditor() { EndEdit(true); }

void TCustomGrid::EndEdit(bool Accept) {
  if (!FEditorMode) return;
  const String text = FInplaceEdit->Text();
  FEditorMode = false;
  if (FInplaceEdit->HandleAllocated() && GetFocus() == FInplaceEdit->Handle() && HandleAllocated())
    ::SetFocus(FHandle);
  FInplaceEdit->Hide();
  InvalidateCell(FCurrent.X, FCurrent.Y);
  if (Accept && text != FEditOriginal) SetEditText(FCurrent.X, FCurrent.Y, text);
}

void TCustomGrid::UpdateEditorBounds() {
  if (!FEditorMode || !FInplaceEdit) return;
  const TRect r = CellRect(FCurrent.X, FCurrent.Y);
  // Scrolled away: the editor waits out of sight until the cell shows again.
  if (r.Right <= r.Left)
    FInplaceEdit->SetBounds(-1000, -1000, 0, 0);
  else
    FInplaceEdit->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
}

// --- The in-place editor ---------------------------------------------------------------
TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TCustomEdit(AOwner) {
  SetParentCtl3D(false);
  SetCtl3D(false);
  SetTabStop(false);
  SetBorderStyle(bsNone);
  SetAutoSelect(false);
  // The editor takes the cell's height, not the height its font would ask for.
  SetAutoSize(false);
  SetVisible(false);
}

void TInplaceEdit::CreateParams(TCreateParams& Params) {
  TCustomEdit::CreateParams(Params);
  Params.Style &= ~DWORD(ES_AUTOVSCROLL);
}

void TInplaceEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (FGrid) {
    switch (Key) {
      case VK_RETURN:
        FGrid->EndEdit(true);
        Key = 0;
        return;
      case VK_ESCAPE:
        FGrid->EndEdit(false);
        Key = 0;
        return;
      case VK_UP:
      case VK_DOWN:
      case VK_PRIOR:
      case VK_NEXT:
        // Moving to another cell stores this one's text first (MoveCurrent does).
        FGrid->KeyDown(Key, Shift);
        Key = 0;
        return;
      case VK_TAB:
        if (FGrid->Options().Contains(goTabs)) {
          FGrid->KeyDown(Key, Shift);
          Key = 0;
          return;
        }
        break;
      default: break;
    }
  }
  TCustomEdit::KeyDown(Key, Shift);
}

void TInplaceEdit::KeyPress(wchar_t& Key) {
  // Enter, Esc and Tab end or leave the edit in KeyDown; a single-line edit
  // would only beep at them.
  if (Key == L'\r' || Key == 0x1B || Key == L'\t') {
    Key = 0;
    return;
  }
  TCustomEdit::KeyPress(Key);
}

void TInplaceEdit::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE) {
    Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS;
    if (FGrid && FGrid->Options().Contains(goTabs)) Message.Result |= DLGC_WANTTAB;
    return;
  }
  TCustomEdit::Dispatch(Message);
}
