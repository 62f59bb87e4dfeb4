// What drawing through a built-in skin's painter costs beside the system
// drawing the same element with GDI on the same DC in the same run (and, for
// comparison, our Office11 painter): the painters' draw set (a 75 x 23 button
// cell without and with caption, a check box, the scroll-bar parts, a repaint
// of 166 captioned buttons). The three take turns; prints the median time of
// each and the ratios to the system, per skin.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <optional>

#include "cxLookAndFeelPainters_ultraflat_win.h"
#include "support/BenchTiming.h"
#include "support/WindowCapture.h"
#include "toolkit/lookandfeel/SystemElements.h"
#include "toolkit/lookandfeel/skinunits_win_test_support.h"

namespace {

constexpr int Rounds = 41;
constexpr int Repeats = 200;

}  // namespace

int wmain() {
  skinunits_test::Start(skinunits_test::BaseUnits());
  skinunits_test::Start(skinunits_test::SkinUnits());
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

  const RECT button{4, 4, 79, 27}, check{4, 4, 17, 17}, arrow{4, 4, 21, 21}, track{4, 21, 21, 120},
      thumb{4, 21, 21, 60};
  std::vector<RECT> buttons;
  for (int i = 0; i < 166; ++i) {
    const int x = (i % 14) * 83, y = (i / 14) * 31;
    buttons.push_back(RECT{x, y, x + 75, y + 23});
  }
  auto R = [](const RECT& r) { return TRect{r.left, r.top, r.right, r.bottom}; };
  std::optional<vamire_bench::TSystemElements> systemElements(std::in_place, dc, canvas.Font()->Handle());
  const vamire_bench::TSystemElements& system = *systemElements;
  using TDraw = std::function<void(TcxCustomLookAndFeelPainterClass)>;
  struct TJob {
    const char* Name;
    TDraw Draw;
    std::function<void()> System;
    int Repeats;
  };
  const TJob jobs[] = {
      {"button cell 75x23",
       [&](auto p) {
         p->PaintButtonCell(&canvas, R(button), String(), cxbsNormal, true, clDefault, clDefault, false, false);
       },
       [&] { system.Button(button, nullptr); }, Repeats},
      {"button cell with caption",
       [&](auto p) {
         p->PaintButtonCell(&canvas, R(button), L"Apply", cxbsNormal, true, clDefault, clDefault, false, false);
       },
       [&] { system.Button(button, L"Apply"); }, Repeats},
      {"check box", [&](auto p) { p->PaintCheckBox(&canvas, R(check), cxbsNormal, cbsChecked); },
       [&] { system.CheckBox(check); }, Repeats},
      {"scroll arrow up", [&](auto p) { p->PaintScrollBarPart(&canvas, false, R(arrow), sbpLineUp, cxbsNormal); },
       [&] { system.Arrow(arrow, DFCS_SCROLLUP); }, Repeats},
      {"scroll arrow down",
       [&](auto p) { p->PaintScrollBarPart(&canvas, false, R(arrow), sbpLineDown, cxbsPressed); },
       [&] { system.Arrow(arrow, DFCS_SCROLLDOWN | DFCS_PUSHED | DFCS_FLAT); }, Repeats},
      {"scroll thumb", [&](auto p) { p->PaintScrollBarPart(&canvas, false, R(thumb), sbpThumbnail, cxbsNormal); },
       [&] { system.Thumb(thumb); }, Repeats},
      {"scroll track before",
       [&](auto p) {
         p->DrawScrollBarBackground(&canvas, R(track), false);
         p->PaintScrollBarPart(&canvas, false, R(track), sbpPageUp, cxbsNormal);
       },
       [&] { system.Track(track, false); }, Repeats},
      {"scroll track after",
       [&](auto p) { p->PaintScrollBarPart(&canvas, false, R(track), sbpPageDown, cxbsPressed); },
       [&] { system.Track(track, true); }, Repeats},
      {"repaint of 166 buttons",
       [&](auto p) {
         for (const RECT& b : buttons)
           p->PaintButtonCell(&canvas, R(b), L"Apply", cxbsNormal, true, clDefault, clDefault, false, false);
       },
       [&] {
         for (const RECT& b : buttons) system.Button(b, L"Apply");
       },
       5},
  };

  TcxCustomLookAndFeelPainterClass office11 = TcxOffice11LookAndFeelPainter::Instance();
  std::printf("medians per drawing (us), %d rounds of %d drawings each\n", Rounds, Repeats);
  std::printf("%-26s %-13s %10s %10s %10s %8s %8s\n", "element", "skin", "skin", "system", "Office11", "skin/sys",
              "O11/sys");
  TcxExtendedStylePainters* registry = ExtendedStylePainterRegistry();
  for (const wchar_t* name : {L"Black", L"Blue", L"Foggy", L"LiquidSky", L"Silver", L"Xmas2008Blue", L"UserSkin"}) {
    TcxCustomLookAndFeelPainterClass skin = nullptr;
    if (!registry->FindPainterByName(name, skin)) {
      std::printf("%ls is not filed\n", name);
      continue;
    }
    for (const TJob& job : jobs) {
      const std::vector<double> m = vamire_bench::MeasureInTurns(
          {[&] { job.Draw(skin); }, job.System, [&] { job.Draw(office11); }}, Rounds, job.Repeats);
      std::printf("%-26s %-13ls %10.2f %10.2f %10.2f %8.2f %8.2f\n", job.Name, name, m[0], m[1], m[2], m[0] / m[1],
                  m[2] / m[1]);
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
