// The grid's shape, geometry, current cell, selection and scrolling.
#include <algorithm>

#include "Grids.h"

const TResStringRec SGridIndexOutOfRange{L"SGridIndexOutOfRange", L"Grid index out of range"};
const TResStringRec SFixedColTooBig{L"SFixedColTooBig", L"Fixed column count must be less than column count"};
const TResStringRec SFixedRowTooBig{L"SFixedRowTooBig", L"Fixed row count must be less than row count"};

TCustomGrid::TAxis TCustomGrid::Horz() {
  return TAxis{&FColWidths, FDefaultColWidth, FColCount, FFixedCols, FTopLeft.X, FGridLineWidth, ClientWidth()};
}

TCustomGrid::TAxis TCustomGrid::Vert() {
  return TAxis{&FRowHeights, FDefaultRowHeight, FRowCount, FFixedRows, FTopLeft.Y, FGridLineWidth, ClientHeight()};
}

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks};
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
  SetBounds(0, 0, 320, 120);
}

TCustomGrid::~TCustomGrid() = default;

void TCustomGrid::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style |= WS_TABSTOP;
  if (FScrollBars == ssHorizontal || FScrollBars == ssBoth) Params.Style |= WS_HSCROLL;
  if (FScrollBars == ssVertical || FScrollBars == ssBoth) Params.Style |= WS_VSCROLL;
  AddSingleBorder(Params, FBorderStyle == bsSingle);
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TCustomGrid::CreateWnd() {
  TCustomControl::CreateWnd();
  UpdateScrollRange();
}

void TCustomGrid::Resize() {
  // A larger client area may show the end of the grid: keep no empty room
  // after the last column or row that scrolling back would fill.
  MoveTopLeft(std::min(FTopLeft.X, MaxLeftCol()), std::min(FTopLeft.Y, MaxTopRow()));
  UpdateScrollRange();
  UpdateEditorBounds();
  TCustomControl::Resize();
}

// --- Shape ------------------------------------------------------------------------------
void TCustomGrid::ClampCounts() {
  auto clamp = [](TGridCoord& c, int cols, int rows, int fc, int fr) {
    c.X = std::clamp(c.X, fc, std::max(cols - 1, fc));
    c.Y = std::clamp(c.Y, fr, std::max(rows - 1, fr));
  };
  clamp(FCurrent, FColCount, FRowCount, FFixedCols, FFixedRows);
  clamp(FAnchor, FColCount, FRowCount, FFixedCols, FFixedRows);
  clamp(FTopLeft, FColCount, FRowCount, FFixedCols, FFixedRows);
  FTopLeft.X = std::min(FTopLeft.X, MaxLeftCol());
  FTopLeft.Y = std::min(FTopLeft.Y, MaxTopRow());
}

// A new count keeps the sizes set one by one for the columns (rows) that stay;
// the fixed ones stay fewer than the count.
void TCustomGrid::ChangeCount(int& Count, int& Fixed, std::vector<int>& Sizes, int Default, int Value) {
  Value = std::max(Value, 1);
  if (Value == Count) return;
  const int oldCols = FColCount, oldRows = FRowCount;
  if (!Sizes.empty()) Sizes.resize(size_t(Value), Default);
  Count = Value;
  if (Fixed >= Value) Fixed = Value - 1;
  SizeChanged(oldCols, oldRows);
  ShapeChanged();
}

// After any change of counts or sizes: positions back inside the grid, the
// scroll bars and the editor to match, and everything painted again.
void TCustomGrid::ShapeChanged() {
  ClampCounts();
  UpdateScrollRange();
  UpdateEditorBounds();
  InvalidateGrid();
}

void TCustomGrid::SetColCount(int Value) { ChangeCount(FColCount, FFixedCols, FColWidths, FDefaultColWidth, Value); }

void TCustomGrid::SetRowCount(int Value) {
  ChangeCount(FRowCount, FFixedRows, FRowHeights, FDefaultRowHeight, Value);
}

void TCustomGrid::SetFixedCols(int Value) {
  if (Value < 0) throw EInvalidGridOperation(LoadResString(&SGridIndexOutOfRange));
  if (Value >= FColCount) throw EInvalidGridOperation(LoadResString(&SFixedColTooBig));
  if (Value == FFixedCols) return;
  FFixedCols = Value;
  FCurrent.X = FAnchor.X = FTopLeft.X = Value;
  ShapeChanged();
}

void TCustomGrid::SetFixedRows(int Value) {
  if (Value < 0) throw EInvalidGridOperation(LoadResString(&SGridIndexOutOfRange));
  if (Value >= FRowCount) throw EInvalidGridOperation(LoadResString(&SFixedRowTooBig));
  if (Value == FFixedRows) return;
  FFixedRows = Value;
  FCurrent.Y = FAnchor.Y = FTopLeft.Y = Value;
  ShapeChanged();
}

void TCustomGrid::SetDefaultColWidth(int Value) {
  Value = std::max(Value, 0);
  if (Value == FDefaultColWidth && FColWidths.empty()) return;
  FDefaultColWidth = Value;
  FColWidths.clear();  // a new default resets the columns sized one by one
  ColWidthsChanged();
  ShapeChanged();
}

void TCustomGrid::SetDefaultRowHeight(int Value) {
  Value = std::max(Value, 0);
  if (Value == FDefaultRowHeight && FRowHeights.empty()) return;
  FDefaultRowHeight = Value;
  FRowHeights.clear();
  RowHeightsChanged();
  ShapeChanged();
}

int TCustomGrid::Extent(const std::vector<int>& Sizes, int Index, int Default) const {
  return Sizes.empty() ? Default : Sizes[size_t(Index)];
}

int TCustomGrid::ColWidths(int Index) const {
  if (Index < 0 || Index >= FColCount) throw EInvalidGridOperation(LoadResString(&SGridIndexOutOfRange));
  return Extent(FColWidths, Index, FDefaultColWidth);
}

int TCustomGrid::RowHeights(int Index) const {
  if (Index < 0 || Index >= FRowCount) throw EInvalidGridOperation(LoadResString(&SGridIndexOutOfRange));
  return Extent(FRowHeights, Index, FDefaultRowHeight);
}

void TCustomGrid::SetColWidths(int Index, int Value) {
  if (ColWidths(Index) == std::max(Value, 0)) return;
  if (FColWidths.empty()) FColWidths.assign(size_t(FColCount), FDefaultColWidth);
  FColWidths[size_t(Index)] = std::max(Value, 0);
  ColWidthsChanged();
  ShapeChanged();
}

void TCustomGrid::SetRowHeights(int Index, int Value) {
  if (RowHeights(Index) == std::max(Value, 0)) return;
  if (FRowHeights.empty()) FRowHeights.assign(size_t(FRowCount), FDefaultRowHeight);
  FRowHeights[size_t(Index)] = std::max(Value, 0);
  RowHeightsChanged();
  ShapeChanged();
}

void TCustomGrid::SetGridLineWidth(int Value) {
  Value = std::max(Value, 0);
  if (Value == FGridLineWidth) return;
  FGridLineWidth = Value;
  ShapeChanged();
}

int TCustomGrid::GridWidth() const {
  int w = 0;
  for (int i = 0; i < FColCount; ++i) w += Extent(FColWidths, i, FDefaultColWidth) + FGridLineWidth;
  return w;
}

int TCustomGrid::GridHeight() const {
  int h = 0;
  for (int i = 0; i < FRowCount; ++i) h += Extent(FRowHeights, i, FDefaultRowHeight) + FGridLineWidth;
  return h;
}

void TCustomGrid::SetFixedColor(TColor Value) {
  if (Value == FFixedColor) return;
  FFixedColor = Value;
  InvalidateGrid();
}

void TCustomGrid::SetOptions(TGridOptions Value) {
  if (Value == FOptions) return;
  if (Value.Contains(goRowSelect)) Value.Exclude(goAlwaysShowEditor);
  FOptions = Value;
  if (!FOptions.Contains(goEditing) && FEditorMode) EndEdit(true);
  if (!FOptions.Contains(goRangeSelect)) FAnchor = FCurrent;
  if (FOptions.Contains(goAlwaysShowEditor) && FOptions.Contains(goEditing)) ShowEditor();
  InvalidateGrid();
}

void TCustomGrid::SetScrollBars(TScrollStyle Value) {
  if (Value == FScrollBars) return;
  FScrollBars = Value;
  RecreateWnd();
}

void TCustomGrid::SetBorderStyle(TBorderStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  RecreateWnd();
}

// --- Current cell and selection --------------------------------------------------------
void TCustomGrid::CheckCoord(int ACol, int ARow) const {
  if (ACol < FFixedCols || ARow < FFixedRows || ACol >= FColCount || ARow >= FRowCount)
    throw EInvalidGridOperation(LoadResString(&SGridIndexOutOfRange));
}

void TCustomGrid::SetCol(int Value) {
  if (Value == FCurrent.X) return;
  CheckCoord(Value, FCurrent.Y);
  MoveCurrent(Value, FCurrent.Y, true, true);
}

void TCustomGrid::SetRow(int Value) {
  if (Value == FCurrent.Y) return;
  CheckCoord(FCurrent.X, Value);
  MoveCurrent(FCurrent.X, Value, true, true);
}

TGridRect TCustomGrid::Selection() const {
  TGridRect r{std::min(FCurrent.X, FAnchor.X), std::min(FCurrent.Y, FAnchor.Y), std::max(FCurrent.X, FAnchor.X),
              std::max(FCurrent.Y, FAnchor.Y)};
  if (FOptions.Contains(goRowSelect)) {
    r.Left = FFixedCols;
    r.Right = FColCount - 1;
  }
  return r;
}

void TCustomGrid::SetSelection(const TGridRect& Value) {
  const TGridRect r{std::min(Value.Left, Value.Right), std::min(Value.Top, Value.Bottom),
                    std::max(Value.Left, Value.Right), std::max(Value.Top, Value.Bottom)};
  CheckCoord(r.Left, r.Top);
  CheckCoord(r.Right, r.Bottom);
  const TGridRect old = Selection();
  if (FEditorMode && FCurrent != r.TopLeft()) EndEdit(true);
  FCurrent = r.TopLeft();
  FAnchor = FOptions.Contains(goRangeSelect) ? r.BottomRight() : FCurrent;
  ClampInView(FCurrent);
  InvalidateSelection(old);
}

bool TCustomGrid::MoveCurrent(int ACol, int ARow, bool MoveAnchor, bool Show) {
  CheckCoord(ACol, ARow);
  if (!SelectCell(ACol, ARow)) return false;
  const TGridRect old = Selection();
  const TGridCoord was = FCurrent;
  if (FEditorMode && was != TGridCoord{ACol, ARow}) EndEdit(true);
  FCurrent = {ACol, ARow};
  if (MoveAnchor || !FOptions.Contains(goRangeSelect)) FAnchor = FCurrent;
  if (Show) ClampInView(FCurrent);
  InvalidateCell(was.X, was.Y);
  InvalidateSelection(old);
  if (was != FCurrent || !(old == Selection())) Click();
  if (FOptions.Contains(goAlwaysShowEditor) && FOptions.Contains(goEditing)) ShowEditor();
  return true;
}

void TCustomGrid::MoveAnchor(int ACol, int ARow) {
  if (!FOptions.Contains(goRangeSelect)) {
    MoveCurrent(ACol, ARow, true, true);
    return;
  }
  CheckCoord(ACol, ARow);
  if (FAnchor == TGridCoord{ACol, ARow}) return;
  const TGridRect old = Selection();
  FAnchor = {ACol, ARow};
  ClampInView(FAnchor);
  InvalidateSelection(old);
  Click();
}

// --- Scrolling --------------------------------------------------------------------------
int TCustomGrid::MaxLeftCol() { return Horz().MaxFirst(); }
int TCustomGrid::MaxTopRow() { return Vert().MaxFirst(); }

int TCustomGrid::VisibleColCount() { return Horz().FullVisible(); }
int TCustomGrid::VisibleRowCount() { return Vert().FullVisible(); }

void TCustomGrid::SetLeftCol(int Value) { MoveTopLeft(Value, FTopLeft.Y); }
void TCustomGrid::SetTopRow(int Value) { MoveTopLeft(FTopLeft.X, Value); }

void TCustomGrid::ClampInView(TGridCoord Cell) {
  const TAxis h = Horz(), v = Vert();
  int left = FTopLeft.X, top = FTopLeft.Y;
  if (Cell.X < left)
    left = Cell.X;
  else if (Cell.X > h.LastVisible())
    left = h.FirstShowing(Cell.X);
  if (Cell.Y < top)
    top = Cell.Y;
  else if (Cell.Y > v.LastVisible())
    top = v.FirstShowing(Cell.Y);
  MoveTopLeft(left, top);
}

void TCustomGrid::MoveTopLeft(int ALeft, int ATop) {
  ALeft = std::clamp(ALeft, FFixedCols, std::max(MaxLeftCol(), FFixedCols));
  ATop = std::clamp(ATop, FFixedRows, std::max(MaxTopRow(), FFixedRows));
  if (ALeft == FTopLeft.X && ATop == FTopLeft.Y) return;
  FTopLeft = {ALeft, ATop};
  UpdateScrollRange();
  InvalidateGrid();
  UpdateEditorBounds();
  TopLeftChanged();
}

void TCustomGrid::TopLeftChanged() {
  if (OnTopLeftChanged) OnTopLeftChanged(this);
}

void TCustomGrid::UpdateScrollRange() {
  if (!HandleAllocated()) return;
  // Setting a range may show or hide a bar, which resizes the client area and
  // comes back here through Resize; one pass at a time.
  if (FUpdatingScroll) return;
  FUpdatingScroll = true;
  auto apply = [this](int bar, const TAxis& a) {
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    const int maxFirst = a.MaxFirst();
    const int page = a.FullVisible();
    si.nMin = 0;
    si.nMax = maxFirst > a.Fixed ? maxFirst - a.Fixed + page - 1 : 0;
    si.nPage = maxFirst > a.Fixed ? UINT(page) : 0;
    si.nPos = a.First - a.Fixed;
    SetScrollInfo(FHandle, bar, &si, TRUE);
  };
  // Showing one bar narrows the room for the other direction, which may then
  // need its bar too: again until the client area stays the same.
  for (int pass = 0; pass < 3; ++pass) {
    const int w = ClientWidth(), h = ClientHeight();
    if (FScrollBars == ssHorizontal || FScrollBars == ssBoth) apply(SB_HORZ, Horz());
    if (FScrollBars == ssVertical || FScrollBars == ssBoth) apply(SB_VERT, Vert());
    if (w == ClientWidth() && h == ClientHeight()) break;
  }
  FUpdatingScroll = false;
}

void TCustomGrid::ScrollMessage(TMessage& Message, bool Horizontal) {
  const TAxis a = Horizontal ? Horz() : Vert();
  int first = a.First;
  switch (LOWORD(Message.WParam)) {
    case SB_LINEUP: --first; break;
    case SB_LINEDOWN: ++first; break;
    case SB_PAGEUP: first -= a.FullVisible(); break;
    case SB_PAGEDOWN: first += a.FullVisible(); break;
    case SB_TOP: first = a.Fixed; break;
    case SB_BOTTOM: first = a.MaxFirst(); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      if (LOWORD(Message.WParam) == SB_THUMBTRACK && !FOptions.Contains(goThumbTracking)) break;
      SCROLLINFO si{};
      si.cbSize = sizeof(si);
      si.fMask = SIF_TRACKPOS;
      GetScrollInfo(FHandle, Horizontal ? SB_HORZ : SB_VERT, &si);
      first = a.Fixed + si.nTrackPos;
      break;
    }
    default: break;
  }
  if (Horizontal)
    MoveTopLeft(first, FTopLeft.Y);
  else
    MoveTopLeft(FTopLeft.X, first);
  Message.Result = 0;
}

// --- Geometry ---------------------------------------------------------------------------
TRect TCustomGrid::CellRect(int ACol, int ARow) {
  const TAxis h = Horz(), v = Vert();
  const int x = h.Start(ACol), y = v.Start(ARow);
  if (x < 0 || y < 0) return TRect{};
  return TRect{x, y, x + h.Size(ACol), y + v.Size(ARow)};
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) {
  const int c = Horz().Hit(X), r = Vert().Hit(Y);
  if (c < 0 || r < 0) return {-1, -1};
  return {c, r};
}

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) {
  const TGridCoord c = MouseCoord(X, Y);
  ACol = c.X;
  ARow = c.Y;
}

// --- Invalidation -----------------------------------------------------------------------
void TCustomGrid::InvalidateGrid() {
  if (HandleAllocated()) InvalidateRect(FHandle, nullptr, FALSE);
}

void TCustomGrid::InvalidateCell(int ACol, int ARow) {
  if (!HandleAllocated()) return;
  TRect r = CellRect(ACol, ARow);
  if (r.Right <= r.Left) return;
  r.Right += FGridLineWidth;
  r.Bottom += FGridLineWidth;
  InvalidateRect(FHandle, AsRect(r), FALSE);
}

void TCustomGrid::InvalidateSelection(const TGridRect& Old) {
  if (!HandleAllocated()) return;
  const TGridRect now = Selection();
  const TGridRect both{std::min(Old.Left, now.Left), std::min(Old.Top, now.Top), std::max(Old.Right, now.Right),
                       std::max(Old.Bottom, now.Bottom)};
  // The union's corners may be scrolled away; the visible part is all that needs paint.
  const TAxis h = Horz(), v = Vert();
  const int l = std::max(both.Left, h.First), t = std::max(both.Top, v.First);
  const TRect a = CellRect(l, t);
  if (a.Right <= a.Left) {
    InvalidateGrid();
    return;
  }
  TRect r{a.Left, a.Top, ClientWidth(), ClientHeight()};
  const TRect b = CellRect(std::min(both.Right, h.LastVisible()), std::min(both.Bottom, v.LastVisible()));
  if (b.Right > b.Left) {
    r.Right = b.Right + FGridLineWidth;
    r.Bottom = b.Bottom + FGridLineWidth;
  }
  InvalidateRect(FHandle, AsRect(r), FALSE);
}

void TCustomGrid::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (Message.LParam == 0) {
        ScrollMessage(Message, Message.Msg == WM_HSCROLL);
        return;
      }
      break;
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
      if (FOptions.Contains(goTabs)) Message.Result |= DLGC_WANTTAB;
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TCustomControl::Dispatch(Message);
      InvalidateCell(FCurrent.X, FCurrent.Y);
      return;
    case WM_ERASEBKGND:
      Message.Result = 1;  // Paint covers every pixel
      return;
    case WM_SETCURSOR:
      if (LOWORD(Message.LParam) == HTCLIENT && FGridState == gsNormal) {
        POINT p;
        GetCursorPos(&p);
        ::ScreenToClient(FHandle, &p);
        TGridState s;
        int index;
        if (SizingLineAt(p.x, p.y, s, index)) {
          ::SetCursor(GetCursorHandle(s == gsColSizing ? crHSplit : crVSplit));
          Message.Result = 1;
          return;
        }
      }
      break;
    default: break;
  }
  TCustomControl::Dispatch(Message);
}
