// Painting the grid: every visible cell with its lines, fixed cells raised in
// the fixed colour, the selection highlighted, the focus rectangle last.
#include <algorithm>

#include "Grids.h"

namespace {
constexpr TColor FixedLineColor = clBlack;
constexpr TColor CellLineColor = clSilver;
}  // namespace

void TCustomGrid::Paint() {
  TCanvas* c = Canvas();
  c->Font()->Assign(Font());
  DrawCells(c);
}

void TCustomGrid::DrawCells(TCanvas* C) {
  const TAxis h = Horz(), v = Vert();
  const int clientW = ClientWidth(), clientH = ClientHeight();
  const TGridRect sel = Selection();
  const bool focused = HandleAllocated() && GetFocus() == FHandle;
  const int lw = FGridLineWidth;

  // The columns and rows that show, in painting order: fixed first.
  auto shown = [](const TAxis& a) {
    std::vector<int> list;
    for (int i = 0; i < a.Fixed; ++i) list.push_back(i);
    for (int i = a.First; i < a.Count && a.Start(i) >= 0; ++i) list.push_back(i);
    return list;
  };
  const std::vector<int> cols = shown(h), rows = shown(v);
  int right = 0, bottom = 0;

  for (int r : rows) {
    const int y = v.Start(r), rh = v.Size(r);
    bottom = std::max(bottom, y + rh + lw);
    for (int col : cols) {
      const int x = h.Start(col), cw = h.Size(col);
      right = std::max(right, x + cw + lw);
      const bool fixed = col < FFixedCols || r < FFixedRows;
      TGridDrawState state;
      if (fixed) {
        state.Include(gdFixed);
      } else {
        if (sel.Contains(col, r)) state.Include(gdSelected);
        if (FCurrent == TGridCoord{col, r}) state.Include(gdFocused);
      }

      // Lines first, so the cell's own brush is what its drawing leaves behind.
      if (lw > 0) {
        const bool vert = FOptions.Contains(fixed ? goFixedVertLine : goVertLine);
        const bool horz = FOptions.Contains(fixed ? goFixedHorzLine : goHorzLine);
        const TColor line = fixed ? FixedLineColor : CellLineColor;
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(vert ? line : Color());
        C->FillRect(TRect{x + cw, y, x + cw + lw, y + rh + lw});
        C->Brush()->SetColor(horz ? line : Color());
        C->FillRect(TRect{x, y + rh, x + cw, y + rh + lw});
      }

      const TRect where{x, y, x + cw, y + rh};
      // The focused cell keeps the cell colour unless the options ask for the
      // highlight there too.
      const bool highlight = state.Contains(gdSelected) &&
                             (!state.Contains(gdFocused) || FOptions.Contains(goDrawFocusSelected) ||
                              FOptions.Contains(goRowSelect));
      C->Brush()->SetStyle(bsSolid);
      C->Brush()->SetColor(fixed ? FFixedColor : highlight ? clHighlight : Color());
      C->Font()->SetColor(highlight ? clHighlightText : Font()->Color());
      if (FDefaultDrawing) C->FillRect(where);
      DrawCell(col, r, where, state);
      if (FDefaultDrawing && fixed && Ctl3D() && C->HandleAllocated()) {
        RECT edge = *AsRect(where);
        DrawEdge(C->Handle(), &edge, BDR_RAISEDINNER, BF_BOTTOMRIGHT);
        DrawEdge(C->Handle(), &edge, BDR_RAISEDINNER, BF_TOPLEFT);
      }
    }
  }

  // What lies beyond the last column and row shows the control's colour.
  C->Brush()->SetStyle(bsSolid);
  C->Brush()->SetColor(Color());
  if (right < clientW) C->FillRect(TRect{right, 0, clientW, clientH});
  if (bottom < clientH) C->FillRect(TRect{0, bottom, std::min(right, clientW), clientH});

  if (focused && FDefaultDrawing && !FEditorMode) {
    TRect focus = CellRect(FCurrent.X, FCurrent.Y);
    if (FOptions.Contains(goRowSelect)) {
      const TRect first = CellRect(h.First, FCurrent.Y);
      if (first.Right > first.Left) focus.Left = first.Left;
      focus.Right = std::min(right - lw, clientW);
    }
    if (focus.Right > focus.Left) {
      C->Brush()->SetColor(Color());
      C->Font()->SetColor(Font()->Color());
      C->DrawFocusRect(focus);
    }
  }
}
