// What drawing a control through a painter costs beside the system drawing
// the same element on the same DC in the same run: a 75 x 23 button cell, a
// check box, the five scroll-bar parts, and a repaint of 166 captioned
// buttons (as many as the console's windows hold). Rounds alternate between
// the painter and the system; prints the median time of each and the ratio,
// for the standard and the flat painter.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Units.h"
#include "cxLookAndFeelPainters_win.h"
#include "dxCore.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"
#include "support/BenchTiming.h"
#include "support/WindowCapture.h"
#include "toolkit/lookandfeel/SystemElements.h"

namespace {

constexpr int Rounds = 41;
constexpr int Repeats = 200;  // drawings per round, so a round is well above the timer's grain

}  // namespace

int wmain() {
  InitializeUnits({dxUxThemeUnit, dxThemeManagerUnit, dxCoreUnit, cxGraphicsUnit, cxLookAndFeelPaintersUnit});
  const int width = 83 * 14, height = 31 * 12;
  HDC dc = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  HBITMAP surface = vamire_test::CreateTopDownDib(dc, width, height, &bits);
  HGDIOBJ oldBitmap = SelectObject(dc, surface);

  TCanvas runtimeCanvas;
  runtimeCanvas.SetHandle(dc);
  TcxCanvas canvas(&runtimeCanvas);
  canvas.Font()->SetName(L"Tahoma");
  canvas.Font()->SetHeight(-11);
  HFONT font = canvas.Font()->Handle();

  const RECT button{4, 4, 79, 27};
  const RECT check{4, 4, 17, 17};
  const RECT arrow{4, 4, 21, 21}, track{4, 21, 21, 120}, thumb{4, 21, 21, 60};
  std::vector<RECT> buttons;
  for (int i = 0; i < 166; ++i) {
    const int x = (i % 14) * 83, y = (i / 14) * 31;
    buttons.push_back({x, y, x + 75, y + 23});
  }
  auto R = [](const RECT& r) { return TRect{r.left, r.top, r.right, r.bottom}; };
  std::optional<vamire_bench::TSystemElements> systemElements(std::in_place, dc, font);
  const vamire_bench::TSystemElements& system = *systemElements;

  std::printf("medians per drawing (us), %d rounds of %d drawings each way\n", Rounds, Repeats);
  std::printf("%-26s %-9s %10s %10s %7s\n", "element", "painter", "painter", "system", "ratio");
  const std::pair<const char*, TcxCustomLookAndFeelPainterClass> painters[] = {
      {"standard", TcxStandardLookAndFeelPainter::Instance()}, {"flat", TcxFlatLookAndFeelPainter::Instance()}};
  for (auto [painterName, p] : painters) {
    struct TJob {
      const char* Name;
      std::function<void()> Ours, Platform;
      int Repeats;
    };
    const TJob jobs[] = {
        {"button cell 75x23",
         [&] { p->PaintButtonCell(&canvas, R(button), String(), cxbsNormal, true, clDefault, clDefault, false, false); },
         [&] { system.Button(button, nullptr); }, Repeats},
        {"button cell with caption",
         [&] { p->PaintButtonCell(&canvas, R(button), L"Apply", cxbsNormal, true, clDefault, clDefault, false, false); },
         [&] { system.Button(button, L"Apply"); }, Repeats},
        {"check box",
         [&] { p->PaintCheckBox(&canvas, R(check), cxbsNormal, cbsChecked); },
         [&] { system.CheckBox(check); },
         Repeats},
        {"scroll arrow up",
         [&] { p->PaintScrollBarPart(&canvas, false, R(arrow), sbpLineUp, cxbsNormal); },
         [&] { system.Arrow(arrow, DFCS_SCROLLUP); },
         Repeats},
        {"scroll arrow down",
         [&] { p->PaintScrollBarPart(&canvas, false, R(arrow), sbpLineDown, cxbsPressed); },
         [&] { system.Arrow(arrow, DFCS_SCROLLDOWN | DFCS_PUSHED | DFCS_FLAT); },
         Repeats},
        {"scroll thumb",
         [&] { p->PaintScrollBarPart(&canvas, false, R(thumb), sbpThumbnail, cxbsNormal); },
         [&] { system.Thumb(thumb); },
         Repeats},
        {"scroll track before",
         [&] { p->PaintScrollBarPart(&canvas, false, R(track), sbpPageUp, cxbsNormal); },
         [&] { system.Track(track, false); },
         Repeats},
        {"scroll track after",
         [&] { p->PaintScrollBarPart(&canvas, false, R(track), sbpPageDown, cxbsPressed); },
         [&] { system.Track(track, true); },
         Repeats},
        {"repaint of 166 buttons",
         [&] {
           for (const RECT& b : buttons)
             p->PaintButtonCell(&canvas, R(b), L"Apply", cxbsNormal, true, clDefault, clDefault, false, false);
         },
         [&] {
           for (const RECT& b : buttons) system.Button(b, L"Apply");
         },
         5},
    };
    for (const TJob& job : jobs) {
      const auto [ours, platform] = vamire_bench::MeasureSideBySide(job.Ours, job.Platform, Rounds, job.Repeats);
      std::printf("%-26s %-9s %10.2f %10.2f %7.2f\n", job.Name, painterName, ours, platform, ours / platform);
      runtimeCanvas.Refresh();
    }
  }

  systemElements.reset();
  runtimeCanvas.SetHandle(nullptr);
  SelectObject(dc, oldBitmap);
  DeleteObject(surface);
  DeleteDC(dc);
  FinalizeUnits();
  return 0;
}
