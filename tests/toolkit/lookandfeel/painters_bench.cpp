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
#include <string>
#include <vector>

#include "Units.h"
#include "cxLookAndFeelPainters_win.h"
#include "dxCore.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"
#include "support/BenchTiming.h"
#include "support/WindowCapture.h"

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

  // The system's own track: a checker brush, as its scroll bars fill the track.
  const WORD checker[] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
  HBITMAP checkerBitmap = CreateBitmap(8, 8, 1, 1, checker);
  HBRUSH trackBrush = CreatePatternBrush(checkerBitmap);

  const RECT button{4, 4, 79, 27};
  const RECT check{4, 4, 17, 17};
  const RECT arrow{4, 4, 21, 21}, track{4, 21, 21, 120}, thumb{4, 21, 21, 60};
  std::vector<RECT> buttons;
  for (int i = 0; i < 166; ++i) {
    const int x = (i % 14) * 83, y = (i / 14) * 31;
    buttons.push_back({x, y, x + 75, y + 23});
  }
  auto R = [](const RECT& r) { return TRect{r.left, r.top, r.right, r.bottom}; };
  // The system's button with its caption as a program draws it: the font selected once.
  HGDIOBJ oldFont = SelectObject(dc, font);
  auto systemButton = [&](const RECT& r, const wchar_t* caption) {
    RECT face = r;
    DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH);
    if (!caption) return;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    RECT text = r;
    DrawTextW(dc, caption, -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  };

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
         [&] { systemButton(button, nullptr); }, Repeats},
        {"button cell with caption",
         [&] { p->PaintButtonCell(&canvas, R(button), L"Apply", cxbsNormal, true, clDefault, clDefault, false, false); },
         [&] { systemButton(button, L"Apply"); }, Repeats},
        {"check box",
         [&] { p->PaintCheckBox(&canvas, R(check), cxbsNormal, cbsChecked); },
         [&] {
           RECT r = check;
           DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
         },
         Repeats},
        {"scroll arrow up",
         [&] { p->PaintScrollBarPart(&canvas, false, R(arrow), sbpLineUp, cxbsNormal); },
         [&] {
           RECT r = arrow;
           DrawFrameControl(dc, &r, DFC_SCROLL, DFCS_SCROLLUP);
         },
         Repeats},
        {"scroll arrow down",
         [&] { p->PaintScrollBarPart(&canvas, false, R(arrow), sbpLineDown, cxbsPressed); },
         [&] {
           RECT r = arrow;
           DrawFrameControl(dc, &r, DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_PUSHED | DFCS_FLAT);
         },
         Repeats},
        {"scroll thumb",
         [&] { p->PaintScrollBarPart(&canvas, false, R(thumb), sbpThumbnail, cxbsNormal); },
         [&] {
           RECT r = thumb;
           DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_MIDDLE);
         },
         Repeats},
        {"scroll track before",
         [&] { p->PaintScrollBarPart(&canvas, false, R(track), sbpPageUp, cxbsNormal); },
         [&] {
           SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
           SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
           FillRect(dc, &track, trackBrush);
         },
         Repeats},
        {"scroll track after",
         [&] { p->PaintScrollBarPart(&canvas, false, R(track), sbpPageDown, cxbsPressed); },
         [&] {
           SetTextColor(dc, GetSysColor(COLOR_3DDKSHADOW));
           SetBkColor(dc, 0);
           FillRect(dc, &track, trackBrush);
         },
         Repeats},
        {"repaint of 166 buttons",
         [&] {
           for (const RECT& b : buttons)
             p->PaintButtonCell(&canvas, R(b), L"Apply", cxbsNormal, true, clDefault, clDefault, false, false);
         },
         [&] {
           for (const RECT& b : buttons) systemButton(b, L"Apply");
         },
         5},
    };
    for (const TJob& job : jobs) {
      const auto [ours, platform] = vamire_bench::MeasureSideBySide(job.Ours, job.Platform, Rounds, job.Repeats);
      std::printf("%-26s %-9s %10.2f %10.2f %7.2f\n", job.Name, painterName, ours, platform, ours / platform);
      runtimeCanvas.Refresh();
    }
  }

  SelectObject(dc, oldFont);
  DeleteObject(trackBrush);
  DeleteObject(checkerBitmap);
  runtimeCanvas.SetHandle(nullptr);
  SelectObject(dc, oldBitmap);
  DeleteObject(surface);
  DeleteDC(dc);
  FinalizeUnits();
  return 0;
}
