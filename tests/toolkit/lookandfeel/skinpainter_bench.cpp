// What drawing through a built-in skin's painter costs beside the Office11
// painter drawing the same on the same DC in the same run: the painters'
// draw set (a 75 x 23 button cell without and with caption, a check box, the
// scroll-bar parts, a repaint of 166 captioned buttons). Rounds alternate;
// prints the median time of each and the ratio, per skin.
#include <windows.h>

#include <cstdio>
#include <functional>

#include "cxLookAndFeelPainters_ultraflat_win.h"
#include "support/BenchTiming.h"
#include "support/WindowCapture.h"
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

  const TRect button{4, 4, 79, 27}, check{4, 4, 17, 17}, arrow{4, 4, 21, 21}, track{4, 21, 21, 120},
      thumb{4, 21, 21, 60};
  std::vector<TRect> buttons;
  for (int i = 0; i < 166; ++i) {
    const int x = (i % 14) * 83, y = (i / 14) * 31;
    buttons.push_back(TRect{x, y, x + 75, y + 23});
  }
  using TDraw = std::function<void(TcxCustomLookAndFeelPainterClass)>;
  struct TJob {
    const char* Name;
    TDraw Draw;
    int Repeats;
  };
  const TJob jobs[] = {
      {"button cell 75x23",
       [&](auto p) { p->PaintButtonCell(&canvas, button, String(), cxbsNormal, true, clDefault, clDefault, false, false); },
       Repeats},
      {"button cell with caption",
       [&](auto p) { p->PaintButtonCell(&canvas, button, L"Apply", cxbsNormal, true, clDefault, clDefault, false, false); },
       Repeats},
      {"check box", [&](auto p) { p->PaintCheckBox(&canvas, check, cxbsNormal, cbsChecked); }, Repeats},
      {"scroll arrow up", [&](auto p) { p->PaintScrollBarPart(&canvas, false, arrow, sbpLineUp, cxbsNormal); },
       Repeats},
      {"scroll arrow down", [&](auto p) { p->PaintScrollBarPart(&canvas, false, arrow, sbpLineDown, cxbsPressed); },
       Repeats},
      {"scroll thumb", [&](auto p) { p->PaintScrollBarPart(&canvas, false, thumb, sbpThumbnail, cxbsNormal); },
       Repeats},
      {"scroll track before",
       [&](auto p) {
         p->DrawScrollBarBackground(&canvas, track, false);
         p->PaintScrollBarPart(&canvas, false, track, sbpPageUp, cxbsNormal);
       },
       Repeats},
      {"scroll track after", [&](auto p) { p->PaintScrollBarPart(&canvas, false, track, sbpPageDown, cxbsPressed); },
       Repeats},
      {"repaint of 166 buttons",
       [&](auto p) {
         for (const TRect& b : buttons)
           p->PaintButtonCell(&canvas, b, L"Apply", cxbsNormal, true, clDefault, clDefault, false, false);
       },
       5},
  };

  TcxCustomLookAndFeelPainterClass office11 = TcxOffice11LookAndFeelPainter::Instance();
  std::printf("medians per drawing (us), %d rounds of %d drawings each way\n", Rounds, Repeats);
  std::printf("%-26s %-13s %10s %10s %7s\n", "element", "skin", "skin", "Office11", "ratio");
  TcxExtendedStylePainters* registry = ExtendedStylePainterRegistry();
  for (const wchar_t* name : {L"Black", L"Blue", L"Foggy", L"LiquidSky", L"Silver", L"Xmas2008Blue", L"UserSkin"}) {
    TcxCustomLookAndFeelPainterClass skin = nullptr;
    if (!registry->FindPainterByName(name, skin)) {
      std::printf("%ls is not filed\n", name);
      continue;
    }
    for (const TJob& job : jobs) {
      const auto [ours, base] = vamire_bench::MeasureSideBySide([&] { job.Draw(skin); }, [&] { job.Draw(office11); },
                                                                Rounds, job.Repeats);
      std::printf("%-26s %-13ls %10.2f %10.2f %7.2f\n", job.Name, name, ours, base, ours / base);
      runtimeCanvas.Refresh();
    }
  }

  runtimeCanvas.SetHandle(nullptr);
  SelectObject(dc, oldBitmap);
  DeleteObject(surface);
  DeleteDC(dc);
  FinalizeUnits();
  return 0;
}
