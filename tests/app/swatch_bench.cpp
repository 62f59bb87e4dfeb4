// A swatch press of the background colour window on the largest selection
// (15 x 15 panels: 225 keys written to "cfg.ini", then the wall grid
// repainted, reading every panel's colour back from the file as it paints),
// side by side in one run with the platform doing the same writes with
// WritePrivateProfileStringW and painting the same 256 cells with FillRect
// and TextOut on a plain window. Two swatches take turns, so every write
// changes the file.
#include <windows.h>

#include <cstdio>

#include "Runtime.h"
#include "SysUtils.h"
#include "PlainGridWindow.h"
#include "TestMainWindow.h"
#include "Unit20.h"
#include "support/BenchTiming.h"

namespace {

const int Panels = app_test::PlainGridPanels;
const int CellW = app_test::PlainCellWidth, CellH = app_test::PlainCellHeight;

COLORREF PlainFill = RGB(255, 0, 0);
COLORREF PlainColour(int, int) { return PlainFill; }

}  // namespace

int wmain() {
  InstallPlatformRuntime();
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const String ours = String(temp) + L"vamire_swatch_bench_" + IntToStr(int(GetCurrentProcessId())) + L".ini";
  const String platform = String(temp) + L"vamire_swatch_plain_" + IntToStr(int(GetCurrentProcessId())) + L".ini";
  {
    app_test::TTestMainWindow main;
    main.GridSettingsFile = ours;
    main.PanelWidth = 32 + Panels * CellW;
    main.PanelHeight = 32 + Panels * CellH;
    main.RebuildWallGrid(Panels, Panels);
    main.ShowHost();
    TGridRect all;
    all.Left = all.Top = 1;
    all.Right = all.Bottom = Panels;
    main.Grid()->SetSelection(all);
    TForm20* form = TCustomForm::Create<TForm20>(nullptr);
    form->SettingsFile = ours;
    HWND plain = app_test::MakePlainGridWindow(main.Grid()->Width(), main.Grid()->Height(), &PlainColour);
    bool red = false, plainRed = false;
    const std::vector<double> us = vamire_bench::MeasureInTurns(
        {[&] {
           TLabel* swatch = (red = !red) ? form->lbl3 : form->lbl4;
           swatch->OnClick(swatch);
         },
         [&] {
           plainRed = !plainRed;
           PlainFill = plainRed ? RGB(255, 0, 0) : RGB(0, 0, 255);
           const wchar_t* colour = plainRed ? L"clRed" : L"clBlue";
           wchar_t key[8];
           for (int r = 1; r <= Panels; ++r)
             for (int c = 1; c <= Panels; ++c) {
               wsprintfW(key, L"%d,%d", r, c);
               WritePrivateProfileStringW(L"stringgrid", key, colour, platform.c_str());
             }
           RedrawWindow(plain, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
         }},
        11, 2);
    std::printf("Swatch press on a 15 x 15 selection (median of 11 rounds of 2):\n");
    std::printf("  ours: 225 keys written, grid repainted    %10.1f us\n", us[0]);
    std::printf("  platform: 225 writes, 256 cells painted   %10.1f us\n", us[1]);
    std::printf("  ratio %.2f (goal 1.5)\n", us[0] / us[1]);
    DestroyWindow(plain);
    form->Free();
  }
  DeleteFileW(ours.c_str());
  DeleteFileW(platform.c_str());
  return 0;
}
