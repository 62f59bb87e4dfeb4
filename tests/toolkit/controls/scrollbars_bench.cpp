// What a toolkit control with its own scroll bars costs to repaint next to a
// runtime control with the system's scroll bars (WS_HSCROLL | WS_VSCROLL):
// three 400 x 300 controls on one form, the toolkit one in the standard and
// in the native look, each repainted whole (client, bars and corner) 1,000
// times, the three taking turns. Prints the median time of one repaint for
// each and the ratios. Run it in the themed prefix too for the native look.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "ExtCtrls.h"
#include "Forms.h"
#include "ImgList.h"
#include "Menus.h"
#include "Runtime.h"
#include "StdCtrls.h"
#include "Threads.h"
#include "cxControls_win.h"
#include "cxDWMApi.h"
#include "cxLookAndFeelPainters_native_win.h"
#include "cxLookAndFeelPainters_win.h"
#include "cxLookAndFeels.h"
#include "dxGDIPlusAPI.h"
#include "dxOffice11_win.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"
#include "support/BenchTiming.h"

namespace {

constexpr int Repaints = 1000;
constexpr int ContentWidth = 2000, ContentHeight = 1500;

class TBenchForm : public TForm {
  VAMIRE_CLASS(TBenchForm, TForm)
 public:
  using TForm::TForm;
};

// The same content in both: the client filled and ruled every 20 pixels.
void PaintContent(TCanvas* ACanvas, const TRect& AClient) {
  TcxCanvas canvas(ACanvas);
  canvas.FillRect(AClient, clWindow);
  for (int x = AClient.Left + 19; x < AClient.Right; x += 20)
    canvas.FillRect(TRect{x, AClient.Top, x + 1, AClient.Bottom}, clBtnFace);
  for (int y = AClient.Top + 19; y < AClient.Bottom; y += 20)
    canvas.FillRect(TRect{AClient.Left, y, AClient.Right, y + 1}, clBtnFace);
}

class TToolkitContent : public TcxControl {
  VAMIRE_CLASS(TToolkitContent, TcxControl)
 public:
  using TcxControl::TcxControl;

 protected:
  void ComputeScrollBarParams() override {
    const TRect client = GetClientBounds();
    SetScrollBarInfo(sbHorizontal, 0, ContentWidth - 1, 8, client.Right - client.Left, 300, true, true);
    SetScrollBarInfo(sbVertical, 0, ContentHeight - 1, 8, client.Bottom - client.Top, 500, true, true);
  }
  void Paint() override {
    TcxControl::Paint();
    PaintContent(TCustomControl::Canvas(), GetClientBounds());
  }
};

class TSystemContent : public TCustomControl {
  VAMIRE_CLASS(TSystemContent, TCustomControl)
 public:
  using TCustomControl::TCustomControl;

 protected:
  void CreateParams(TCreateParams& Params) override {
    TCustomControl::CreateParams(Params);
    Params.Style |= WS_HSCROLL | WS_VSCROLL;
  }
  void InitializeWindow() override {
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, ContentWidth - 1, UINT(ClientWidth()), 300, 0};
    SetScrollInfo(Handle(), SB_HORZ, &info, FALSE);
    info = SCROLLINFO{sizeof(info), SIF_ALL, 0, ContentHeight - 1, UINT(ClientHeight()), 500, 0};
    SetScrollInfo(Handle(), SB_VERT, &info, FALSE);
  }
  void Paint() override { PaintContent(Canvas(), ClientRect()); }
};

// The whole control drawn anew, as an uncovered window is: client, frame and child windows.
double Repaint(TWinControl* AControl) {
  const double start = vamire_bench::Now();
  RedrawWindow(AControl->Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  GdiFlush();
  return vamire_bench::Now() - start;
}

}  // namespace

int wmain() {
  InstallPlatformRuntime();
  InitializeUnits({ThreadsUnit, ImgListUnit, MenusUnit, FormsUnit, StdCtrlsUnit, ExtCtrlsUnit, dxUxThemeUnit,
                   dxThemeManagerUnit, cxDWMApiUnit, dxGDIPlusAPIUnit, dxCoreUnit, cxClassesUnit, cxGraphicsUnit,
                   cxControlsBaseUnit, dxOffice11Unit, cxLookAndFeelsUnit, cxLookAndFeelPaintersUnit,
                   cxControlsUnit});
  Application->Initialize();
  TBenchForm* form = TCustomForm::Create<TBenchForm>(nullptr);
  form->SetBounds(0, 0, 1300, 360);
  form->HandleNeeded();

  auto* standard = new TToolkitContent(form);
  standard->SetBounds(10, 10, 400, 300);
  standard->SetParent(form);
  standard->LookAndFeel()->SetNativeStyle(false);
  standard->LookAndFeel()->SetKind(lfStandard);
  auto* native = new TToolkitContent(form);
  native->SetBounds(430, 10, 400, 300);
  native->SetParent(form);
  native->LookAndFeel()->SetNativeStyle(true);
  auto* system = new TSystemContent(form);
  system->SetBounds(850, 10, 400, 300);
  system->SetParent(form);
  standard->UpdateScrollBars();
  native->UpdateScrollBars();

  SetWindowPos(form->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  form->SetVisible(true);
  UpdateWindow(form->Handle());
  for (int i = 0; i < 50; ++i) {  // warm-up: caches, fonts, theme handles
    Repaint(standard);
    Repaint(native);
    Repaint(system);
  }

  std::vector<double> tStandard, tNative, tSystem;
  for (int i = 0; i < Repaints; ++i) {
    tStandard.push_back(Repaint(standard));
    tNative.push_back(Repaint(native));
    tSystem.push_back(Repaint(system));
  }
  const double mStandard = vamire_bench::Median(tStandard), mNative = vamire_bench::Median(tNative),
               mSystem = vamire_bench::Median(tSystem);
  std::printf("Repaint of a 400 x 300 control with both scroll bars, median of %d (native painter: %s):\n", Repaints,
              native->LookAndFeel()->Painter() == TcxWinXPLookAndFeelPainter::Instance() ? "themed" : "not themed");
  std::printf("  toolkit, standard look  %8.1f us   ratio %.2f\n", mStandard, mStandard / mSystem);
  std::printf("  toolkit, native look    %8.1f us   ratio %.2f\n", mNative, mNative / mSystem);
  std::printf("  runtime, system bars    %8.1f us\n", mSystem);
  delete form;
  FinalizeUnits();
  return 0;
}
