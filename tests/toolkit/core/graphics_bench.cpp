// What the canvas wrapper costs over the platform: 1,000 rectangles filled,
// framed and labelled through TcxCanvas and, in the same run on the same DC,
// through the plain GDI calls a painter would otherwise make. Rounds of the
// two alternate; prints the median time of a round of each and the ratio,
// for the whole job and for each of its three parts.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "cxGraphics_win.h"
#include "support/BenchTiming.h"

namespace {

using vamire_bench::Median;
using vamire_bench::Now;

constexpr int Columns = 25, Rows = 40, CellWidth = 48, CellHeight = 20;
constexpr TColor Fills[] = {clSilver, clSkyBlue, clMoneyGreen, clCream};
constexpr int Rounds = 61;

enum TPart { pFill = 1, pFrame = 2, pText = 4, pAll = 7 };

struct TCell {
  TRect Bounds;
  String Label;
};

// Cells are filled and framed first, then labelled with a clear brush, as
// painters draw text over a background.
void PaintCanvas(TcxCanvas& canvas, const std::vector<TCell>& cells, int parts) {
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const TCell& cell = cells[i];
    if (parts & pFill) canvas.FillRect(cell.Bounds, Fills[i % 4]);
    if (parts & pFrame) canvas.FrameRectBorders(cell.Bounds, clBlack, 1, cxBordersAll);
  }
  if (!(parts & pText)) return;
  canvas.Brush()->SetStyle(bsClear);
  for (const TCell& cell : cells) canvas.DrawText(cell.Label, cell.Bounds, cxSingleLine | cxAlignHCenter | cxAlignVCenter);
  canvas.Brush()->SetStyle(bsSolid);
}

// The same drawing in plain GDI: the DC brush for fills and frame bands, the
// font selected once, DrawText centred.
void PaintGdi(HDC dc, HFONT font, const std::vector<TCell>& cells, int parts) {
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(DC_BRUSH));
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, 0);
  HBRUSH brush = HBRUSH(GetStockObject(DC_BRUSH));
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const RECT& r = *AsRect(cells[i].Bounds);
    if (parts & pFill) {
      SetDCBrushColor(dc, COLORREF(ColorToRGB(Fills[i % 4])));
      FillRect(dc, &r, brush);
    }
    if (parts & pFrame) {
      SetDCBrushColor(dc, 0);
      const RECT bands[] = {{r.left, r.top, r.left + 1, r.bottom},
                            {r.right - 1, r.top, r.right, r.bottom},
                            {r.left, r.top, r.right, r.top + 1},
                            {r.left, r.bottom - 1, r.right, r.bottom}};
      for (const RECT& band : bands) FillRect(dc, &band, brush);
    }
  }
  if (parts & pText) {
    for (const TCell& cell : cells) {
      RECT text = *AsRect(cell.Bounds);
      DrawTextW(dc, cell.Label.c_str(), int(cell.Label.size()), &text, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    }
  }
  SelectObject(dc, oldFont);
  SelectObject(dc, oldBrush);
}

}  // namespace

int wmain() {
  const int width = Columns * CellWidth, height = Rows * CellHeight;
  HDC dc = CreateCompatibleDC(nullptr);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP surface = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ oldBitmap = SelectObject(dc, surface);

  std::vector<TCell> cells;
  for (int i = 0; i < Columns * Rows; ++i) {
    const int x = (i % Columns) * CellWidth, y = (i / Columns) * CellHeight;
    cells.push_back({TRect{x, y, x + CellWidth, y + CellHeight}, L"Panel " + std::to_wstring(i)});
  }

  TCanvas runtimeCanvas;
  runtimeCanvas.SetHandle(dc);
  TcxCanvas canvas(&runtimeCanvas);
  canvas.Font()->SetName(L"Tahoma");
  canvas.Font()->SetHeight(-11);
  canvas.Font()->SetColor(clBlack);
  canvas.Brush()->SetStyle(bsSolid);
  HFONT font = canvas.Font()->Handle();

  std::printf("%zu rectangles, %d rounds each way, medians per round\n", cells.size(), Rounds);
  const std::pair<const char*, int> jobs[] = {
      {"fill + frame + text", pAll}, {"fill", pFill}, {"frame", pFrame}, {"text", pText}};
  for (auto [name, parts] : jobs) {
    std::vector<double> ours, platform;
    for (int round = 0; round < Rounds + 1; ++round) {
      double start = Now();
      PaintCanvas(canvas, cells, parts);
      const double oursTime = Now() - start;
      runtimeCanvas.Refresh();  // hand the DC back as the GDI round expects it
      start = Now();
      PaintGdi(dc, font, cells, parts);
      const double platformTime = Now() - start;
      if (round == 0) continue;  // warm-up
      ours.push_back(oursTime);
      platform.push_back(platformTime);
    }
    const double a = Median(ours), b = Median(platform);
    std::printf("%-20s TcxCanvas %9.0f us   GDI %9.0f us   ratio %.3f\n", name, a, b, a / b);
  }

  runtimeCanvas.SetHandle(nullptr);
  SelectObject(dc, oldBitmap);
  DeleteObject(surface);
  DeleteDC(dc);
  return 0;
}
