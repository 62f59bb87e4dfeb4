// What the ultra-flat, Office11 and native looks cost to draw a set of parts
// (a 75 x 23 button cell with its caption, a check box and the five parts of
// a scroll bar), the native one side by side with the same theme-library
// calls made directly on the same DC; and what one change of the root costs
// when 500 look-and-feels follow it, side by side with telling 500 handlers
// directly. Rounds alternate; medians of a round and the ratios are printed.
// Run it in the themed prefix (VAMIRE_THEMED=1) for the native figures.
#include <windows.h>

#include <vssym32.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "cxGraphics_win.h"
#include "cxLookAndFeelPainters_native_win.h"
#include "cxLookAndFeelPainters_ultraflat_win.h"
#include "cxLookAndFeels.h"
#include "dxCore.h"
#include "dxOffice11_win.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"

namespace {

constexpr int Rounds = 41, SetsPerRound = 100;

double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return double(counter.QuadPart) * 1e6 / double(frequency.QuadPart);
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Times each job over the rounds, the jobs taking turns within a round; the
// medians in microseconds per call of the job.
std::vector<double> Measure(const std::vector<std::function<void()>>& AJobs, int ACalls) {
  std::vector<std::vector<double>> times(AJobs.size());
  for (int round = 0; round < Rounds; ++round)
    for (std::size_t j = 0; j < AJobs.size(); ++j) {
      const double start = Now();
      for (int i = 0; i < ACalls; ++i) AJobs[j]();
      times[j].push_back((Now() - start) / ACalls);
    }
  std::vector<double> medians;
  for (auto& t : times) medians.push_back(Median(t));
  return medians;
}

const TRect kButton{0, 0, 75, 23}, kCheck{80, 5, 93, 18};
const TRect kLineUp{100, 0, 117, 17}, kPageUp{100, 17, 117, 57}, kThumb{100, 57, 117, 87},
    kPageDown{100, 87, 117, 127}, kLineDown{100, 127, 117, 144};

void PaintSet(TcxCustomLookAndFeelPainterClass P, TcxCanvas* C) {
  P->PaintButtonCell(C, kButton, L"OK", cxbsNormal, true, clDefault, clDefault, false, false);
  P->PaintCheckBox(C, kCheck, cxbsNormal, cbsChecked);
  P->PaintScrollBarPart(C, false, kLineUp, sbpLineUp, cxbsNormal);
  P->PaintScrollBarPart(C, false, kPageUp, sbpPageUp, cxbsNormal);
  P->PaintScrollBarPart(C, false, kThumb, sbpThumbnail, cxbsHot);
  P->PaintScrollBarPart(C, false, kPageDown, sbpPageDown, cxbsNormal);
  P->PaintScrollBarPart(C, false, kLineDown, sbpLineDown, cxbsNormal);
}

// The native painter's calls for the set, made directly with themes opened once.
struct TDirectSet {
  HTHEME Button = OpenThemeData(nullptr, L"Button");
  HTHEME ScrollBar = OpenThemeData(nullptr, L"ScrollBar");
  HFONT Font = nullptr;
  bool Gripper = false;
  TDirectSet() {
    SIZE size{};
    Gripper = SUCCEEDED(GetThemePartSize(ScrollBar, nullptr, SBP_GRIPPERVERT, SCRBS_HOT, nullptr, TS_TRUE, &size)) &&
              size.cx <= kThumb.Bottom - kThumb.Top;
  }
  ~TDirectSet() {
    CloseThemeData(Button);
    CloseThemeData(ScrollBar);
  }
  void Paint(HDC dc) const {
    UxThemeApi().DrawThemeBackground(Button, dc, BP_PUSHBUTTON, PBS_NORMAL, AsRect(kButton), nullptr);
    const int mode = SetBkMode(dc, TRANSPARENT);
    UxThemeApi().DrawThemeText(Button, dc, BP_PUSHBUTTON, PBS_NORMAL, L"OK", -1, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                               0, AsRect(kButton));
    SetBkMode(dc, mode);
    UxThemeApi().DrawThemeBackground(Button, dc, BP_CHECKBOX, CBS_CHECKEDNORMAL, AsRect(kCheck), nullptr);
    UxThemeApi().DrawThemeBackground(ScrollBar, dc, SBP_ARROWBTN, ABS_UPNORMAL, AsRect(kLineUp), nullptr);
    UxThemeApi().DrawThemeBackground(ScrollBar, dc, SBP_LOWERTRACKVERT, SCRBS_NORMAL, AsRect(kPageUp), nullptr);
    UxThemeApi().DrawThemeBackground(ScrollBar, dc, SBP_THUMBBTNVERT, SCRBS_HOT, AsRect(kThumb), nullptr);
    if (Gripper) UxThemeApi().DrawThemeBackground(ScrollBar, dc, SBP_GRIPPERVERT, SCRBS_HOT, AsRect(kThumb), nullptr);
    UxThemeApi().DrawThemeBackground(ScrollBar, dc, SBP_UPPERTRACKVERT, SCRBS_NORMAL, AsRect(kPageDown), nullptr);
    UxThemeApi().DrawThemeBackground(ScrollBar, dc, SBP_ARROWBTN, ABS_DOWNNORMAL, AsRect(kLineDown), nullptr);
  }
};

struct TCounter : TObject {
  int Count = 0;
  void Changed(TcxLookAndFeel*, TcxLookAndFeelValues) { ++Count; }
};

}  // namespace

int wmain() {
  InitializeUnits({dxUxThemeUnit, dxThemeManagerUnit, dxCoreUnit, cxGraphicsUnit, dxOffice11Unit, cxLookAndFeelsUnit,
                   cxLookAndFeelPaintersUnit});
  HDC dc = CreateCompatibleDC(nullptr);
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), 200, -150, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  TCanvas canvas;
  canvas.SetHandle(dc);
  TcxCanvas cx(&canvas);

  const bool themes = CanUseThemes();
  std::printf("themes %s\n", themes ? "in use" : "off (the native look draws as the standard one)");
  const auto ultraFlat = TcxUltraFlatLookAndFeelPainter::Instance(), office11 = TcxOffice11LookAndFeelPainter::Instance(),
             native = TcxWinXPLookAndFeelPainter::Instance();
  {
    TDirectSet direct;
    const std::vector<double> t = Measure({[&] { PaintSet(ultraFlat, &cx); }, [&] { PaintSet(office11, &cx); },
                                           [&] { PaintSet(native, &cx); }, [&] { direct.Paint(canvas.Handle()); }},
                                          SetsPerRound);
    std::printf("draw set (button 75x23, check box, five scroll-bar parts), median us per set:\n");
    std::printf("  ultra-flat painter     %8.2f\n", t[0]);
    std::printf("  Office11 painter       %8.2f\n", t[1]);
    std::printf("  native painter         %8.2f\n", t[2]);
    std::printf("  direct theme calls     %8.2f\n", t[3]);
    if (themes) std::printf("  native / direct        %8.2f\n", t[2] / t[3]);
  }

  // One root change fanned out to 500 look-and-feels (a chain of 5 and 495 on the root).
  {
    std::vector<std::unique_ptr<TcxLookAndFeel>> lafs;
    TCounter counter;
    for (int i = 0; i < 500; ++i) {
      lafs.push_back(std::make_unique<TcxLookAndFeel>(nullptr));
      if (i > 0 && i < 5) lafs.back()->SetMaster(lafs[std::size_t(i - 1)].get());
      lafs.back()->OnChanged = TcxLookAndFeelChangedEvent(&counter, &TCounter::Changed);
    }
    std::vector<TcxLookAndFeelChangedEvent> handlers(500, TcxLookAndFeelChangedEvent(&counter, &TCounter::Changed));
    TcxLookAndFeel* root = GlobalRootLookAndFeel();
    bool flat = false;
    const std::vector<double> t = Measure({[&] {
                                             flat = !flat;
                                             root->SetKind(flat ? lfFlat : lfStandard);
                                           },
                                           [&] {
                                             for (const auto& handler : handlers) handler(root, {lfvKind});
                                           }},
                                          20);
    std::printf("one root change told to 500 look-and-feels, median us per change:\n");
    std::printf("  through the chain      %8.2f (%.3f per look-and-feel)\n", t[0], t[0] / 500);
    std::printf("  500 handlers called    %8.2f\n", t[1]);
    std::printf("  ratio                  %8.2f\n", t[0] / t[1]);
    std::printf("  (%d changes reported)\n", counter.Count);
  }

  canvas.SetHandle(nullptr);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  FinalizeUnits();
  return 0;
}
