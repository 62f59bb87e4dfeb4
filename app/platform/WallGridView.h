// The main window's wall grid (stringgrid1) and what it keeps: its shape
// from the wall's rows and columns, cell sizes that follow its group box,
// the selection fields that a mouse release copies from it (keyboard moves
// do not), the painting of stored cell colours, and the hidden debug
// gesture. The main window owns one and reads its fields; tests drive a
// real grid with it.
#pragma once

#include "Grids.h"
#include "Settings.h"
#include "WallFrame.h"

class TWallGridView : public TObject {
  VAMIRE_CLASS(TWallGridView, TObject)
 public:
  // Binds the grid's OnDrawCell, OnMouseUp and OnKeyPress; `settings` holds
  // the [stringgrid] colours and outlives the view.
  TWallGridView(TStringGrid* grid, ISettingsStore* settings);

  // Shapes the grid for a wall of rows x columns panels (header row and
  // column included), takes DefaultCellColour, writes the header numbers and
  // sizes the cells to a group box of panelWidth x panelHeight.
  void Build(int rows, int columns, int panelWidth, int panelHeight);
  // ResizeWallGrid's cell part: every panel column and row shares the box.
  void Resize(int panelWidth, int panelHeight);

  // The grid's own selection rectangle, and the fields (SelLeft .. SelBottom)
  // the commands address: 0 until the first mouse release.
  TWallSelection GridSelection() const;
  const TWallSelection& SelectionFields() const { return FFields; }
  // What the splice button does before it sends: the fields take the grid's selection.
  void TakeGridSelection() { FFields = GridSelection(); }
  void SetSelectionFields(const TWallSelection& fields) { FFields = fields; }

  TColor DefaultCellColour() const { return FDefaultCellColour; }
  bool DebugMode() const { return FDebugMode; }
  void SetDebugMode(bool value) { FDebugMode = value; }

  // After a mouse release changed the fields (the range label follows them).
  TNotifyEvent OnSelectionTaken;
  // After every key press in the grid, the debug flag just decided
  // (the log pane, the debug menu entry, UpdateControlStates follow it).
  TNotifyEvent OnDebugKey;

  // The grid's handlers.
  void stringgrid1MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void stringgrid1DrawCell(TObject* Sender, int ACol, int ARow, TRect Rect, TGridDrawState State);
  void stringgrid1KeyPress(TObject* Sender, wchar_t& Key);

 private:
  TStringGrid* FGrid;
  ISettingsStore* FSettings;
  TWallSelection FFields;
  TColor FDefaultCellColour = clWhite;
  bool FDebugMode = false;
};
