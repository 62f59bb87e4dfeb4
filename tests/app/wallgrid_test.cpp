// The wall grid on a real window: its shape for the smallest and largest
// walls, a mouse release that sets the selection fields and a real key move
// that does not (so the splice, which takes the grid's selection, addresses
// the moved rectangle), the debug gesture typed as a real Ctrl+D, and the
// colours each panel cell paints in. Needs the keyboard.
#include <windows.h>

#include <gtest/gtest.h>

#include "MemorySettings.h"
#include "SysUtils.h"
#include "WallGridView.h"
#include "support/HostForm.h"
#include "support/RealKeys.h"
#include "support/WindowCapture.h"

using app_test::TMemorySettings;

using test_support::PumpFor;
using test_support::Type;

namespace {

// Presses at one cell's centre and releases at another's. The button
// messages are posted to the grid: events sent through the system queue in
// quick succession were merged under Wine, losing a press or a release.
void Drag(TStringGrid* grid, int fromCol, int fromRow, int toCol, int toRow) {
  auto centre = [&](int c, int r) {
    TRect rc = grid->CellRect(c, r);
    return MAKELPARAM((rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2);
  };
  PostMessageW(grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, centre(fromCol, fromRow));
  PostMessageW(grid->Handle(), WM_MOUSEMOVE, MK_LBUTTON, centre(toCol, toRow));
  PostMessageW(grid->Handle(), WM_LBUTTONUP, 0, centre(toCol, toRow));
  PumpFor(50);
}

std::string Sel(const TWallSelection& s) {
  return std::to_string(s.SelLeft) + "," + std::to_string(s.SelTop) + "-" + std::to_string(s.SelRight) + "," +
         std::to_string(s.SelBottom);
}

struct TWallWindow {
  TWallWindow(int rows, int columns) {
    form = test_support::MakeForm(560, 420);
    grid = new TStringGrid(form);
    grid->SetParent(form);
    grid->SetBounds(0, 0, 532, 380);
    grid->SetBorderStyle(bsNone);
    grid->SetColor(clCream);
    grid->SetFixedColor(clMedGray);
    view = new TWallGridView(grid, &settings);
    // The box the cells share is the group box around the grid, a little
    // larger than the grid itself.
    view->Build(rows, columns, 532, 360);
  }
  ~TWallWindow() {
    delete view;
    form->Free();
  }
  void Show() {
    form->Show();
    SetForegroundWindow(form->Handle());
    grid->SetFocus();
    PumpFor(100);
  }
  TMemorySettings settings;
  test_support::THostForm* form;
  TStringGrid* grid;
  TWallGridView* view;
};

TEST(WallGridTest, TheGridTakesTheWallsShapeAndSharesItsBox) {
  struct {
    int Rows, Columns, Width, Height;
  } cases[] = {{1, 1, 500, 328}, {15, 15, 33, 21}, {3, 4, 125, 109}};
  for (auto& c : cases) {
    TWallWindow w(c.Rows, c.Columns);
    EXPECT_EQ(w.grid->RowCount(), c.Rows + 1);
    EXPECT_EQ(w.grid->ColCount(), c.Columns + 1);
    EXPECT_EQ(w.grid->ColWidths(0), 16);
    EXPECT_EQ(w.grid->RowHeights(0), 14);
    EXPECT_EQ(w.grid->ColWidths(c.Columns), c.Width) << c.Columns << " columns";
    EXPECT_EQ(w.grid->RowHeights(c.Rows), c.Height) << c.Rows << " rows";
    EXPECT_EQ(w.grid->Cells(c.Columns, 0), IntToStr(c.Columns));
    EXPECT_EQ(w.grid->Cells(0, c.Rows), IntToStr(c.Rows));
    EXPECT_EQ(w.grid->Cells(1, 0), L"1");
    EXPECT_EQ(w.view->DefaultCellColour(), clWhite) << "the canvas default before the first paint";
    EXPECT_EQ(w.view->SelectionFields().SelLeft, 0) << "no selection before the first mouse release";
  }
}

TEST(WallGridTest, AClickSetsTheFieldsAKeyMoveDoesNotAndTheSpliceTakesTheMovedRectangle) {
  TWallWindow w(3, 4);
  int taken = 0;
  struct TSink : TObject {
    int* Count;
    void Taken(TObject*) { ++*Count; }
  } sink;
  sink.Count = &taken;
  w.view->OnSelectionTaken = TNotifyEvent(&sink, &TSink::Taken);
  w.Show();
  Drag(w.grid, 2, 3, 2, 3);
  EXPECT_EQ(Sel(w.view->SelectionFields()), "2,3-2,3");
  EXPECT_EQ(taken, 1);
  Drag(w.grid, 2, 1, 3, 2);
  EXPECT_EQ(Sel(w.view->SelectionFields()), "2,1-3,2");
  Type({VK_RIGHT});
  EXPECT_EQ(Sel(w.view->GridSelection()), "3,1-3,1") << "the grid's highlight moved";
  EXPECT_EQ(Sel(w.view->SelectionFields()), "2,1-3,2") << "the fields did not";
  EXPECT_EQ(taken, 2);
  w.view->TakeGridSelection();
  EXPECT_EQ(Sel(w.view->SelectionFields()), "3,1-3,1");
}

TEST(WallGridTest, CtrlDOnTheFirstCellTurnsDebugModeOnAndAnyOtherKeyOff) {
  TWallWindow w(3, 3);
  std::vector<bool> seen;
  struct TSink : TObject {
    TWallGridView* View;
    std::vector<bool>* Seen;
    void Key(TObject*) { Seen->push_back(View->DebugMode()); }
  } sink;
  sink.View = w.view;
  sink.Seen = &seen;
  w.view->OnDebugKey = TNotifyEvent(&sink, &TSink::Key);
  w.Show();
  Drag(w.grid, 1, 1, 1, 1);
  Type({VK_CONTROL, 'D'});
  EXPECT_TRUE(w.view->DebugMode());
  Type({'A'});
  EXPECT_FALSE(w.view->DebugMode());
  Drag(w.grid, 2, 2, 2, 2);
  Type({VK_CONTROL, 'D'});
  EXPECT_FALSE(w.view->DebugMode()) << "only on column 1, row 1";
  EXPECT_EQ(seen, (std::vector<bool>{true, false, false}));
}

TEST(WallGridTest, PanelCellsPaintTheirStoredColourTheFocusedOneToo) {
  TWallWindow w(3, 3);
  w.settings.Values[{L"stringgrid", L"1,1"}] = L"clRed";   // row 1, column 1: focused
  w.settings.Values[{L"stringgrid", L"1,2"}] = L"clLime";  // row 1, column 2: selected
  w.settings.Values[{L"stringgrid", L"2,1"}] = L"bogus";   // row 2, column 1
  w.settings.Values[{L"stringgrid", L"3,3"}] = L"$00FF0000";
  w.Show();
  Drag(w.grid, 1, 1, 2, 1);
  w.grid->Invalidate();
  PumpFor(100);
  vamire_test::Capture shot = vamire_test::CaptureClient(w.grid->Handle());
  shot.SavePng(L"wallgrid_colours.png");
  auto at = [&](int c, int r) {
    TRect rc = w.grid->CellRect(c, r);
    return shot.At(rc.Right - 4, rc.Bottom - 4);  // clear of the text at the top left
  };
  auto rgb = [](TColor c) {
    uint32_t v = uint32_t(ColorToRGB(c));
    return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
  };
  EXPECT_EQ(at(1, 1), rgb(clRed)) << "the focused cell shows its stored colour";
  EXPECT_EQ(at(2, 1), rgb(clHighlight)) << "a selected cell keeps the highlight";
  EXPECT_EQ(at(1, 2), rgb(clWhite)) << "an unconvertible colour paints DefaultCellColour";
  EXPECT_EQ(at(2, 2), rgb(clWhite)) << "no stored colour";
  EXPECT_EQ(at(3, 3), rgb(TColor(0x00FF0000)));
  EXPECT_EQ(at(0, 2), rgb(clMedGray)) << "header cells keep the header colour";
}

}  // namespace
