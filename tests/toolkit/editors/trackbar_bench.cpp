// A drag of the track bar across 100 positions (Max 100, as the edge-blending
// window sets it), each step firing OnChange and repainting, against a system
// trackbar of the same size moved over the same positions with TBM_SETPOS and
// repainted. Rounds alternate; prints the medians of one whole drag and the ratio.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>

#include "ExtCtrls.h"
#include "Forms.h"
#include "ImgList.h"
#include "Menus.h"
#include "Runtime.h"
#include "StdCtrls.h"
#include "Threads.h"
#include "Units.h"
#include "cxClasses.h"
#include "cxContainer_win.h"
#include "cxControls_win.h"
#include "cxDWMApi.h"
#include "cxEdit_win.h"
#include "cxExtEditConsts.h"
#include "cxLookAndFeels.h"
#include "cxTrackBar_win.h"
#include "dxGDIPlusAPI.h"
#include "dxOffice11_win.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"
#include "support/BenchTiming.h"

namespace {

constexpr int BarW = 196, BarH = 40, Steps = 100;

class TBenchForm : public TForm {
  VAMIRE_CLASS(TBenchForm, TForm)
 public:
  using TForm::TForm;
  void Changed(TObject*) { ++Changes; }
  int Changes = 0;
};

}  // namespace

int wmain() {
  InstallPlatformRuntime();
  InitializeUnits({ThreadsUnit, ImgListUnit, MenusUnit, FormsUnit, StdCtrlsUnit, ExtCtrlsUnit, dxUxThemeUnit,
                   dxThemeManagerUnit, cxDWMApiUnit, dxGDIPlusAPIUnit, dxCoreUnit, cxClassesUnit, cxGraphicsUnit,
                   cxControlsBaseUnit, dxOffice11Unit, cxLookAndFeelsUnit, cxLookAndFeelPaintersUnit, cxControlsUnit,
                   cxContainerUnit, cxEditConstsUnit, cxEditUnit, cxExtEditConstsUnit, cxTrackBarUnit});
  Application->Initialize();
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);

  TBenchForm* form = TCustomForm::Create<TBenchForm>(nullptr);
  form->SetBounds(0, 0, BarW + 40, BarH * 2 + 80);
  auto* bar = new TcxTrackBar(form);
  bar->SetParent(form);
  bar->SetBounds(10, 10, BarW, BarH);
  bar->Style()->LookAndFeel()->SetNativeStyle(false);
  bar->TrackProperties()->Update([](auto& V) { V.Max = 100, V.PageSize = 2; });
  bar->TrackProperties()->OnChange = TNotifyEvent(form, &TBenchForm::Changed);
  HWND system = CreateWindowExW(0, TRACKBAR_CLASSW, L"", WS_CHILD | WS_VISIBLE | TBS_AUTOTICKS, 10, BarH + 20, BarW,
                                BarH, form->Handle(), nullptr, nullptr, nullptr);
  SendMessageW(system, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
  form->Show();
  SetForegroundWindow(form->Handle());
  Application->ProcessMessages();
  // The drag edits the value, which a focused editor does.
  bar->SetFocus();
  Application->ProcessMessages();

  // Ours: the pointer over the bar (a drag starts inside it), the left button
  // pressed on the thumb, then the pointer moved so that each step lands on
  // the next position, as a drag does.
  auto dragOurs = [&] {
    bar->SetPosition(0);
    const TcxTrackBarLayout l = bar->CalcLayout(nullptr);
    const int y = (l.Thumb.Top + l.Thumb.Bottom) / 2;
    int x = (l.Thumb.Left + l.Thumb.Right) / 2;
    const TPoint screen = bar->ClientToScreen(TPoint{x, y});
    SetCursorPos(screen.X, screen.Y);
    SendMessageW(bar->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    SendMessageW(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    for (int p = 1; p <= Steps; ++p) {
      const TcxTrackBarLayout now = bar->CalcLayout(nullptr);
      x = (now.Thumb.Left + now.Thumb.Right) / 2 + (BarW + Steps - 1) / Steps;
      SendMessageW(bar->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
      UpdateWindow(bar->Handle());
    }
    SendMessageW(bar->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  };
  auto moveSystem = [&] {
    SendMessageW(system, TBM_SETPOS, TRUE, 0);
    for (int p = 1; p <= Steps; ++p) {
      SendMessageW(system, TBM_SETPOS, TRUE, p);
      UpdateWindow(system);
    }
  };
  form->Changes = 0;
  dragOurs();
  const int changesOfOneDrag = form->Changes;
  const int reached = bar->Position();
  const auto t = vamire_bench::MeasureSideBySide(dragOurs, moveSystem, 11, 1);
  std::printf("Drag across %d positions with OnChange and repaint (median us of one drag)\n", Steps);
  std::printf("  TcxTrackBar %9.0f   system trackbar TBM_SETPOS %9.0f   ratio %.2f\n", t.first, t.second,
              t.first / t.second);
  std::printf("  one drag: %d OnChange calls, ends at %d\n", changesOfOneDrag, reached);

  DestroyWindow(system);
  delete form;
  FinalizeUnits();
  return changesOfOneDrag > 0 ? 0 : 1;
}
