// The picture adjustment window from its creation to the first full paint:
// the form streamed with its six pages and 93 glyph buttons, the first show
// (which drops TabSheet4) and its 252 swatches created and painted on the
// COLOR ADJUST page; side by side in one run with a plain window of as many
// system buttons showing 16 x 16 bitmaps (BS_BITMAP) and 252 coloured static
// windows, made, shown and painted the same way. Prints the medians and the
// ratio (goal: 2).
#include <windows.h>

#include <cstdio>
#include <vector>

#include "PictureAdjust.h"
#include "Runtime.h"
#include "TestMainWindow.h"
#include "Unit4.h"
#include "support/BenchTiming.h"

namespace {

const int GlyphButtons = 93;

HBRUSH SwatchBrushes[SwatchRowCount][SwatchesPerRow];

LRESULT CALLBACK PlainProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CTLCOLORSTATIC) {
    const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) - 1000;
    if (id >= 0 && id < SwatchRowCount * SwatchesPerRow) return LRESULT(SwatchBrushes[id / SwatchesPerRow][id % SwatchesPerRow]);
  }
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

// The platform's window: the same size, 93 bitmap buttons, 252 coloured statics.
class TPlainWindow {
 public:
  TPlainWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"PictureAdjustPlain";
    RegisterClassW(&wc);
    FGlyph = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), L"STEPUPGLYPH", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    for (int r = 0; r < SwatchRowCount; ++r)
      for (int n = 0; n < SwatchesPerRow; ++n) SwatchBrushes[r][n] = CreateSolidBrush(COLORREF(SwatchColour(r, n)));
  }
  ~TPlainWindow() {
    for (auto& row : SwatchBrushes)
      for (HBRUSH b : row) DeleteObject(b);
    DeleteObject(FGlyph);
  }
  void MakeShowPaintAndDestroy() {
    HWND wnd = CreateWindowExW(WS_EX_TOPMOST, L"PictureAdjustPlain", L"Plain", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                               100, 100, 711, 525, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    for (int i = 0; i < GlyphButtons; ++i) {
      HWND button = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | BS_BITMAP,
                                    8 + (i % 20) * 34, 300 + (i / 20) * 30, 26, 24, wnd, HMENU(INT_PTR(100 + i)),
                                    nullptr, nullptr);
      SendMessageW(button, BM_SETIMAGE, IMAGE_BITMAP, LPARAM(FGlyph));
    }
    for (int r = 0; r < SwatchRowCount; ++r)
      for (int n = 0; n < SwatchesPerRow; ++n)
        CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 31 * n + 10, 31 * r + 10, 26, 26, wnd,
                        HMENU(INT_PTR(1000 + r * SwatchesPerRow + n)), nullptr, nullptr);
    ShowWindow(wnd, SW_SHOWNOACTIVATE);
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    DestroyWindow(wnd);
  }

 private:
  HBITMAP FGlyph = nullptr;
};

}  // namespace

int wmain() {
  InstallPlatformRuntime();
  app_test::StartUnitsOnce();
  {
    app_test::TTestMainWindow main;
    main.GridRect = {1, 1, 3, 2};
    TPlainWindow plain;
    const auto times = vamire_bench::MeasureSideBySide(
        [&] {
          TForm4* form = TCustomForm::Create<TForm4>(nullptr);
          form->Show();
          RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
          form->Free();
        },
        [&] { plain.MakeShowPaintAndDestroy(); }, 9, 1);
    std::printf("picture adjustment window created, shown and fully painted, %d swatches, medians (us)\n",
                SwatchRowCount * SwatchesPerRow);
    std::printf("TForm4 %10.1f   plain window, %d BS_BITMAP buttons + %d coloured statics %10.1f   ratio %.2f\n",
                times.first, GlyphButtons, SwatchRowCount * SwatchesPerRow, times.second, times.first / times.second);
  }
  FinalizeUnits();
  return 0;
}
