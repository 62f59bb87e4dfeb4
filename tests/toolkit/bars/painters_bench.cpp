// What a row of toolbar buttons costs through the standard and enhanced bar
// painters next to the system drawing the same: thirty captioned buttons with
// 16 x 16 glyphs in the four states (normal, hot, down, disabled) into a memory
// DC, against DrawEdge, ImageList_Draw and DrawTextW for each. Prints the
// medians and ratios (goal 1.3).
#include <windows.h>

#include <cstdio>

#include "Runtime.h"
#include "bars_test_support.h"
#include "support/BenchTiming.h"
#include "support/WindowCapture.h"

namespace {

constexpr int Rounds = 40, Repeats = 10, Buttons = 30;

}  // namespace

int wmain() {
  InstallPlatformRuntime();
  bars_test::StartUnits();
  HDC dc = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  HBITMAP surface = vamire_test::CreateTopDownDib(dc, 800, 200, &bits);
  HGDIOBJ old = SelectObject(dc, surface);
  HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
  {
    TCustomImageList images(nullptr, 16, 16);
    HIMAGELIST list = images.Handle();
    HDC screen = GetDC(nullptr);
    HBITMAP glyph = CreateCompatibleBitmap(screen, 16, 16);
    ReleaseDC(nullptr, screen);
    HDC gdc = CreateCompatibleDC(nullptr);
    HGDIOBJ gold = SelectObject(gdc, glyph);
    RECT all{0, 0, 16, 16};
    HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
    FillRect(gdc, &all, magenta);
    DeleteObject(magenta);
    Ellipse(gdc, 1, 1, 15, 15);
    SelectObject(gdc, gold);
    DeleteDC(gdc);
    ImageList_AddMasked(list, glyph, RGB(255, 0, 255));
    DeleteObject(glyph);

    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    std::vector<TdxBarItemPaintInfo> items(Buttons);
    for (int i = 0; i < Buttons; ++i) {
      TdxBarItemPaintInfo& item = items[i];
      const int state = i % 4;
      item.ItemRect = TRect{(i % 10) * 78, (i / 10) * 24, (i % 10) * 78 + 76, (i / 10) * 24 + 22};
      item.Selected = state == 1;
      item.Down = state == 2;
      item.Enabled = state != 3;
      item.Brush = item.BarBrush = face;
      item.Images = &images;
      item.ImageIndex = 0;
      item.Font = font;
      item.Caption = L"Item " + IntToStr(i);
    }
    const TdxBarStandardPainter standard(nullptr);
    const TdxBarEnhancedPainter enhanced(nullptr);
    auto ours = [&](const TdxBarPainter& Painter) {
      for (const TdxBarItemPaintInfo& item : items) Painter.DrawButtonLikeItem(dc, item);
    };
    auto theirs = [&] {
      HGDIOBJ previous = SelectObject(dc, font);
      SetBkMode(dc, TRANSPARENT);
      for (const TdxBarItemPaintInfo& item : items) {
        RECT r{item.ItemRect.Left, item.ItemRect.Top, item.ItemRect.Right, item.ItemRect.Bottom};
        FillRect(dc, &r, face);
        if (item.Selected || item.Down) DrawEdge(dc, &r, item.Down ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
        ImageList_Draw(list, 0, dc, r.left + 3, r.top + 3, item.Enabled ? ILD_NORMAL : ILD_BLEND50);
        RECT text{r.left + 23, r.top, r.right, r.bottom};
        SetTextColor(dc, GetSysColor(item.Enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        DrawTextW(dc, item.Caption.c_str(), int(item.Caption.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
      }
      SelectObject(dc, previous);
    };
    vamire_bench::PrintSideBySide("30 buttons, standard painter",
                                  vamire_bench::MeasureSideBySide([&] { ours(standard); }, theirs, Rounds, Repeats),
                                  "DrawEdge + ImageList_Draw + DrawTextW");
    vamire_bench::PrintSideBySide("30 buttons, enhanced painter",
                                  vamire_bench::MeasureSideBySide([&] { ours(enhanced); }, theirs, Rounds, Repeats),
                                  "DrawEdge + ImageList_Draw + DrawTextW");
  }
  DeleteObject(font);
  SelectObject(dc, old);
  DeleteObject(surface);
  DeleteDC(dc);
  FinalizeUnits();
  return 0;
}
