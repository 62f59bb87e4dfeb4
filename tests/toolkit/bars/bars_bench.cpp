// What the bar library's shared drawing costs next to the system doing the
// same work, in one run with alternating rounds: a 16 x 16 image-list glyph
// through DrawItemControlImage (normal, and disabled from its cache) against
// ImageList_Draw and DrawState with DSS_DISABLED; FillBarBackground tiling
// 800 x 26 against FillRect with a pattern brush. Prints the medians and ratios.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>

#include "Runtime.h"
#include "bars_test_support.h"
#include "support/BenchTiming.h"
#include "support/WindowCapture.h"

namespace {

constexpr int Rounds = 60, Repeats = 200;

}  // namespace

int wmain() {
  InstallPlatformRuntime();
  bars_test::StartUnits();

  TImageList images(nullptr);
  images.SetWidth(16);
  images.SetHeight(16);
  TBitmap glyph;
  glyph.SetWidth(16);
  glyph.SetHeight(16);
  HDC g = glyph.Canvas()->Handle();
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) SetPixelV(g, x, y, (x > 2 && x < 13 && y > 2 && y < 13) ? RGB(x * 16, 90, y * 16) : RGB(255, 0, 255));
  images.AddMasked(&glyph, TColor(0xFF00FF));
  HIMAGELIST list = images.Handle();
  HICON icon = ImageList_GetIcon(list, 0, ILD_NORMAL);

  HDC dc = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  HBITMAP surface = vamire_test::CreateTopDownDib(dc, 820, 40, &bits);
  HGDIOBJ old = SelectObject(dc, surface);
  const TRect r{4, 4, 20, 20};

  TdxCachedImageOptions cache;
  TdxBarImageDrawState normal;
  vamire_bench::PrintSideBySide("16 x 16 glyph, normal (cached)",
         vamire_bench::MeasureSideBySide(
             [&] { DrawItemControlImage(&cache, true, dc, nullptr, false, false, normal, clNone, 0, &images, nullptr, r, r); },
             [&] { ImageList_Draw(list, 0, dc, 4, 4, ILD_TRANSPARENT); }, Rounds, Repeats),
         "ImageList_Draw");
  vamire_bench::PrintSideBySide("16 x 16 glyph, normal (no cache)",
         vamire_bench::MeasureSideBySide(
             [&] { DrawItemControlImage(nullptr, true, dc, nullptr, false, false, normal, clNone, 0, &images, nullptr, r, r); },
             [&] { ImageList_Draw(list, 0, dc, 4, 4, ILD_TRANSPARENT); }, Rounds, Repeats),
         "ImageList_Draw");
  TdxBarImageDrawState disabled;
  disabled.NormalLook = false;
  TdxCachedImageOptions disabledCache;
  vamire_bench::PrintSideBySide("16 x 16 glyph, disabled from its cache",
         vamire_bench::MeasureSideBySide(
             [&] {
               DrawItemControlImage(&disabledCache, true, dc, nullptr, false, false, disabled, clNone, 0, &images,
                                    nullptr, r, r);
             },
             [&] { DrawStateW(dc, nullptr, nullptr, LPARAM(icon), 0, 4, 4, 16, 16, DST_ICON | DSS_DISABLED); }, Rounds,
             Repeats),
         "DrawState DSS_DISABLED");

  TBitmap tile;
  tile.SetWidth(16);
  tile.SetHeight(16);
  HDC t = tile.Canvas()->Handle();
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) SetPixelV(t, x, y, RGB(200 + x * 3, 200 + y * 3, 220));
  HBRUSH pattern = CreatePatternBrush(tile.Handle());
  const TRect band{0, 0, 800, 26};
  const RECT bandRect{0, 0, 800, 26};
  vamire_bench::PrintSideBySide("FillBarBackground 800 x 26, 16 x 16 tiles",
         vamire_bench::MeasureSideBySide([&] { FillBarBackground(dc, band, band, &tile, clBtnFace, nullptr); },
                                         [&] { FillRect(dc, &bandRect, pattern); }, Rounds, Repeats / 4),
         "FillRect, pattern brush");

  DeleteObject(pattern);
  DestroyIcon(icon);
  SelectObject(dc, old);
  DeleteObject(surface);
  DeleteDC(dc);
  FinalizeUnits();
  return 0;
}
