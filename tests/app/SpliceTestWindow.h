// The main window and matrix configuration dialog as the splice sees them,
// held in plain fields; its selection fields are the link console's, so the
// wall frames carry what the splice stored.
#pragma once

#include <map>
#include <vector>

#include "Splice.h"
#include "link/LinkTestConsole.h"

namespace app_test {

class TSpliceTestWindow : public ISpliceWindow {
 public:
  explicit TSpliceTestWindow(link_test::TTestConsole& console) : FConsole(console) {
    FConsole.Selection = {0, 0, 0, 0};
  }

  TWallSelection GridSelection() override { return Grid; }
  TWallSelection SelectionFields() override { return FConsole.Selection; }
  void SetSelectionFields(const TWallSelection& s) override { FConsole.Selection = s; }
  int MatrixInput() override { return Input; }
  void SetMatrixInput(int input) override { Input = input; }
  int InputListIndex() override { return InputIndex; }
  int SignalTypeIndex() override { return FConsole.Matrix.SignalTypeIndex; }
  int VisibleSignalTypeIndex() override { return FConsole.Matrix.SignalTypeIndex; }
  String ModelLabel() override { return FConsole.Matrix.BrandLabel; }
  bool Linkage() override { return FConsole.Matrix.Linkage; }
  void SetCellText(int column, int row, const String& text) override { Cells[{column, row}] = text; }
  void StoreSignalIndex(int index) override { StoredSignalIndex = index; }
  int SendOrder() override { return Order; }
  String ResponsePause() override { return Response; }
  String IntervalPause() override { return Interval; }
  bool WiringManual(TWiringFamily family) override { return Manual[family]; }
  String WiringCell(TWiringFamily family, int column, int row) override {
    const auto& grid = Wiring[family];
    if (row < 0 || size_t(row) >= grid.size() || column < 0 || size_t(column) >= grid[size_t(row)].size())
      return L"";
    return grid[size_t(row)][size_t(column)];
  }
  int WallColumns() override { return Columns; }

  TWallSelection Grid{1, 1, 1, 1};
  int Input = 0;
  int InputIndex = 0;
  std::map<std::pair<int, int>, String> Cells;
  int StoredSignalIndex = -1;
  int Order = 0;
  String Response = L"100", Interval = L"100";
  std::map<TWiringFamily, bool> Manual;
  std::map<TWiringFamily, std::vector<std::vector<String>>> Wiring;
  int Columns = 4;

 private:
  link_test::TTestConsole& FConsole;
};

}  // namespace app_test
