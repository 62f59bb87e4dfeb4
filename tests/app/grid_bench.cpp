// A full repaint of the largest wall grid (15 x 15 panels with a header row
// and column, every panel with a stored colour), side by side in one run with
// the platform painting as many cells with FillRect and TextOut in a plain
// window of the same size. The grid reads each panel's colour from the
// settings file as it paints (uncached, as the console's settings are); a
// third figure shows the same grid with the colours held in memory, which is
// the part of the cost that the file reads make.
#include <windows.h>

#include <cstdio>

#include "CfgIni.h"
#include "Forms.h"
#include "Grids.h"
#include "Runtime.h"
#include "SysUtils.h"
#include "WallGridView.h"
#include "app/MemorySettings.h"
#include "app/PlainGridWindow.h"
#include "support/BenchTiming.h"
#include "support/HostForm.h"

namespace {

const int Panels = app_test::PlainGridPanels;
const int CellW = app_test::PlainCellWidth, CellH = app_test::PlainCellHeight;

COLORREF PanelColour(int c, int r) { return RGB(40 + c * 12, 200 - r * 9, 120); }

void Repaint(HWND wnd) { RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }

struct TGridWindow {
  TGridWindow(ISettingsStore* store) {
    form = test_support::MakeForm(580, 420);
    grid = new TStringGrid(form);
    grid->SetParent(form);
    grid->SetBounds(0, 0, 16 + Panels * (CellW + 1) + 2, 14 + Panels * (CellH + 1) + 2);
    grid->SetBorderStyle(bsNone);
    view = new TWallGridView(grid, store);
    view->Build(Panels, Panels, 32 + Panels * CellW, 32 + Panels * CellH);
    form->Show();
    test_support::Pump();
  }
  ~TGridWindow() {
    delete view;
    form->Free();
  }
  test_support::THostForm* form;
  TStringGrid* grid;
  TWallGridView* view;
};

}  // namespace

int wmain() {
  InstallPlatformRuntime();
  // The colours as the background-colours window stores them, in a file and in memory.
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const String path = String(temp) + L"vamire_grid_bench_" + IntToStr(int(GetCurrentProcessId())) + L".ini";
  TCfgIni file(path);
  app_test::TMemorySettings memory;
  for (int r = 1; r <= Panels; ++r)
    for (int c = 1; c <= Panels; ++c) {
      const String key = IntToStr(r) + L"," + IntToStr(c);
      const COLORREF rgb = PanelColour(c, r);
      const String value = L"$00" + IntToHex(int(GetBValue(rgb)), 2) + IntToHex(int(GetGValue(rgb)), 2) +
                           IntToHex(int(GetRValue(rgb)), 2);
      file.WriteString(L"stringgrid", key, value);
      memory.WriteString(L"stringgrid", key, value);
    }
  {
    TGridWindow fromFile(&file), fromMemory(&memory);
    HWND plain = app_test::MakePlainGridWindow(fromFile.grid->Width(), fromFile.grid->Height(), &PanelColour);
    const std::vector<double> us = vamire_bench::MeasureInTurns(
        {[&] { Repaint(fromFile.grid->Handle()); }, [&] { Repaint(fromMemory.grid->Handle()); },
         [&] { Repaint(plain); }},
        21, 3);
    std::printf("15 x 15 wall grid, full repaint (median of 21 rounds of 3):\n");
    std::printf("  grid, colours read from cfg.ini   %9.1f us   ratio to the platform %.2f\n", us[0], us[0] / us[2]);
    std::printf("  grid, colours held in memory      %9.1f us   ratio to the platform %.2f\n", us[1], us[1] / us[2]);
    std::printf("  platform, FillRect and TextOut    %9.1f us\n", us[2]);
    DestroyWindow(plain);
  }
  DeleteFileW(path.c_str());
  return 0;
}
