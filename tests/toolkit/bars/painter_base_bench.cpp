// What the bar painter's item text costs next to the system drawing the same
// text: a 20-character caption, horizontal and embossed disabled, against
// DrawTextW once and twice. Prints the medians and ratios.
#include <windows.h>

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
  HDC dc = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  HBITMAP surface = vamire_test::CreateTopDownDib(dc, 300, 40, &bits);
  HGDIOBJ old = SelectObject(dc, surface);
  HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
  HGDIOBJ oldFont = SelectObject(dc, font);
  const TdxBarPainter painter(nullptr);
  const String caption = L"&Open recent project";
  const TRect r{4, 4, 290, 30};
  RECT rect{4, 4, 290, 30};
  const UINT format = DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOCLIP;
  SetBkMode(dc, TRANSPARENT);
  vamire_bench::PrintSideBySide("DrawItemText, 20 characters",
         vamire_bench::MeasureSideBySide(
             [&] { painter.DrawItemText(dc, DT_SINGLELINE, false, false, false, false, true, 0, r, caption); },
             [&] { DrawTextW(dc, caption.c_str(), int(caption.size()), &rect, format); }, Rounds, Repeats),
         "DrawTextW");
  vamire_bench::PrintSideBySide("DrawItemText, 20 characters, embossed",
         vamire_bench::MeasureSideBySide(
             [&] { painter.DrawItemText(dc, DT_SINGLELINE, false, false, false, false, false, 0, r, caption); },
             [&] {
               DrawTextW(dc, caption.c_str(), int(caption.size()), &rect, format);
               DrawTextW(dc, caption.c_str(), int(caption.size()), &rect, format);
             },
             Rounds, Repeats),
         "DrawTextW twice");
  SelectObject(dc, oldFont);
  DeleteObject(font);
  SelectObject(dc, old);
  DeleteObject(surface);
  DeleteDC(dc);
  FinalizeUnits();
  return 0;
}
