// The platform's side of the wall grid benchmarks: a plain window that
// paints the largest wall's 16 x 16 cells (header row and column included)
// with FillRect and TextOut, as many cells as the grid paints, the panel
// cells in the colour a function gives.
#pragma once

#include <windows.h>

namespace app_test {

const int PlainGridPanels = 15;
const int PlainCellWidth = 33, PlainCellHeight = 23;

using TPlainCellColour = COLORREF (*)(int column, int row);

inline TPlainCellColour& PlainGridColour() {
  static TPlainCellColour colour = nullptr;
  return colour;
}

inline LRESULT CALLBACK PlainGridProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg != WM_PAINT) return DefWindowProcW(wnd, msg, wp, lp);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(wnd, &ps);
  for (int r = 0; r <= PlainGridPanels; ++r)
    for (int c = 0; c <= PlainGridPanels; ++c) {
      RECT rc{c * (PlainCellWidth + 1), r * (PlainCellHeight + 1), c * (PlainCellWidth + 1) + PlainCellWidth,
              r * (PlainCellHeight + 1) + PlainCellHeight};
      HBRUSH brush = CreateSolidBrush(r && c ? PlainGridColour()(c, r) : RGB(164, 160, 160));
      FillRect(dc, &rc, brush);
      DeleteObject(brush);
      wchar_t text[4];
      int n = wsprintfW(text, L"%d", r ? (c ? 0 : r) : c);
      if (!(r && c)) TextOutW(dc, rc.left, rc.top, text, n);
    }
  EndPaint(wnd, &ps);
  return 0;
}

// A shown popup window of the given size painting the cells in `colour`.
inline HWND MakePlainGridWindow(int width, int height, TPlainCellColour colour) {
  PlainGridColour() = colour;
  WNDCLASSW wc{};
  wc.lpfnWndProc = PlainGridProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"VamirePlainGrid";
  wc.hbrBackground = HBRUSH(GetStockObject(WHITE_BRUSH));
  RegisterClassW(&wc);
  HWND wnd = CreateWindowExW(0, wc.lpszClassName, L"plain", WS_POPUP | WS_VISIBLE, 620, 60, width, height, nullptr,
                             nullptr, wc.hInstance, nullptr);
  UpdateWindow(wnd);
  return wnd;
}

}  // namespace app_test
