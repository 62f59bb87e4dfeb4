// What a toolkit control with its own scroll bars costs to repaint next to a
// runtime control with the system's scroll bars (WS_HSCROLL | WS_VSCROLL):
// 400 x 300 controls on one form, the toolkit one in the standard and in the
// native look, the system one as the prefix draws it and one whose classic
// bars are drawn by the system's GDI calls (DrawFrameControl arrows, DrawEdge
// thumb, the checker track: what the standard look draws, in either prefix),
// each repainted whole (client, bars and corner) 1,000 times, taking turns.
// The standard look is set against the classic bars, the native look against
// the system's own. Prints the median time of one repaint for each and the
// ratios. Run it in the themed prefix too, where the system bars are themed.
#include <windows.h>

#include <algorithm>
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
#include "toolkit/lookandfeel/SystemElements.h"

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

// The content with classic bars laid over its right and bottom edges, drawn
// with GDI at the positions the system would give them.
class TClassicContent : public TCustomControl {
  VAMIRE_CLASS(TClassicContent, TCustomControl)
 public:
  using TCustomControl::TCustomControl;

 protected:
  void Paint() override {
    const int w = ClientWidth(), h = ClientHeight();
    const int cx = GetSystemMetrics(SM_CXVSCROLL), cy = GetSystemMetrics(SM_CYHSCROLL);
    PaintContent(Canvas(), TRect{0, 0, w - cx, h - cy});
    HDC dc = Canvas()->Handle();
    FElements.SetDC(dc);
    // Vertical: arrows, track on both sides of the thumb; the same across.
    const int vTrack = h - cy - 2 * cx, vThumb = std::max(8, vTrack * (h - cy) / ContentHeight);
    const int vAt = cx + (vTrack - vThumb) * 500 / (ContentHeight - (h - cy));
    FElements.Arrow(RECT{w - cx, 0, w, cx}, DFCS_SCROLLUP);
    FElements.Track(RECT{w - cx, cx, w, vAt}, false);
    FElements.Thumb(RECT{w - cx, vAt, w, vAt + vThumb});
    FElements.Track(RECT{w - cx, vAt + vThumb, w, h - cy - cx}, false);
    FElements.Arrow(RECT{w - cx, h - cy - cx, w, h - cy}, DFCS_SCROLLDOWN);
    const int hTrack = w - cx - 2 * cy, hThumb = std::max(8, hTrack * (w - cx) / ContentWidth);
    const int hAt = cy + (hTrack - hThumb) * 300 / (ContentWidth - (w - cx));
    FElements.Arrow(RECT{0, h - cy, cy, h}, DFCS_SCROLLLEFT);
    FElements.Track(RECT{cy, h - cy, hAt, h}, false);
    FElements.Thumb(RECT{hAt, h - cy, hAt + hThumb, h});
    FElements.Track(RECT{hAt + hThumb, h - cy, w - cx - cy, h}, false);
    FElements.Arrow(RECT{w - cx - cy, h - cy, w - cx, h}, DFCS_SCROLLRIGHT);
    const RECT corner{w - cx, h - cy, w, h};
    FillRect(dc, &corner, GetSysColorBrush(COLOR_BTNFACE));
  }

 private:
  vamire_bench::TSystemElements FElements{nullptr, nullptr};
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
  form->SetBounds(0, 0, 1270, 690);
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
  auto* classic = new TClassicContent(form);
  classic->SetBounds(10, 330, 400, 300);
  classic->SetParent(form);
  standard->UpdateScrollBars();
  native->UpdateScrollBars();

  SetWindowPos(form->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  form->SetVisible(true);
  UpdateWindow(form->Handle());
  for (int i = 0; i < 50; ++i) {  // warm-up: caches, fonts, theme handles
    Repaint(standard);
    Repaint(native);
    Repaint(system);
    Repaint(classic);
  }

  std::vector<double> tStandard, tNative, tSystem, tClassic;
  for (int i = 0; i < Repaints; ++i) {
    tStandard.push_back(Repaint(standard));
    tNative.push_back(Repaint(native));
    tSystem.push_back(Repaint(system));
    tClassic.push_back(Repaint(classic));
  }
  const double mStandard = vamire_bench::Median(tStandard), mNative = vamire_bench::Median(tNative),
               mSystem = vamire_bench::Median(tSystem), mClassic = vamire_bench::Median(tClassic);
  std::printf("Repaint of a 400 x 300 control with both scroll bars, median of %d (native painter: %s):\n", Repaints,
              native->LookAndFeel()->Painter() == TcxWinXPLookAndFeelPainter::Instance() ? "themed" : "not themed");
  std::printf("  toolkit, standard look  %8.1f us   ratio to the classic system bars %.2f\n", mStandard,
              mStandard / mClassic);
  std::printf("  toolkit, native look    %8.1f us   ratio to the system bars %.2f\n", mNative, mNative / mSystem);
  std::printf("  runtime, system bars    %8.1f us\n", mSystem);
  std::printf("  runtime, classic bars drawn with GDI  %8.1f us\n", mClassic);
  delete form;
  FinalizeUnits();
  return 0;
}
