// Switching the page of a 9-page control, as the console's windows do, with a
// full repaint of the control and the page shown, against the system's tab
// control doing the same (TCM_SETCURSEL, the new page's window shown and the
// old one hidden). Both sides paint into the same memory DC through their
// windows' own painting; rounds alternate; prints the medians and the ratio.
#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <vector>

#include "ExtCtrls.h"
#include "Forms.h"
#include "ImgList.h"
#include "Menus.h"
#include "Runtime.h"
#include "StdCtrls.h"
#include "Threads.h"
#include "Units.h"
#include "cxClasses.h"
#include "cxControls_win.h"
#include "cxDWMApi.h"
#include "cxLookAndFeels.h"
#include "cxPCPainters.h"
#include "cxPCPaintersFactory.h"
#include "dxGDIPlusAPI.h"
#include "dxOffice11_win.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"
#include "support/BenchTiming.h"
#include "support/WindowCapture.h"

namespace {

constexpr int Pages = 9, Width = 640, Height = 240;

class TBenchForm : public TForm {
  VAMIRE_CLASS(TBenchForm, TForm)
 public:
  using TForm::TForm;
};

void PrintWindowInto(HWND AWindow, HDC DC, int X, int Y) {
  const int saved = SaveDC(DC);
  SetViewportOrgEx(DC, X, Y, nullptr);
  SendMessageW(AWindow, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(DC), PRF_CLIENT | PRF_ERASEBKGND);
  RestoreDC(DC, saved);
}

}  // namespace

int wmain() {
  InstallPlatformRuntime();
  InitializeUnits({ThreadsUnit, ImgListUnit, MenusUnit, FormsUnit, StdCtrlsUnit, ExtCtrlsUnit, dxUxThemeUnit,
                   dxThemeManagerUnit, cxDWMApiUnit, dxGDIPlusAPIUnit, dxCoreUnit, cxClassesUnit, cxGraphicsUnit,
                   cxControlsBaseUnit, dxOffice11Unit, cxLookAndFeelsUnit, cxLookAndFeelPaintersUnit, cxControlsUnit,
                   cxPCPaintersFactoryUnit, cxPCUnit, cxPCPaintersUnit});
  Application->Initialize();
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES};
  InitCommonControlsEx(&icc);
  const wchar_t* const captions[Pages] = {L"COLOR ADJUST", L"色彩调整", L"GAMMA",   L"信号源", L"EDGE BLEND",
                                          L"拼接",         L"PRESET",   L"场景", L"TabSheet9"};

  TBenchForm* form = TCustomForm::Create<TBenchForm>(nullptr);
  form->SetBounds(0, 0, Width + 20, Height + 40);
  auto* control = new TcxPageControl(form);
  control->SetParent(form);
  control->SetBounds(0, 0, Width, Height);
  control->LookAndFeel()->SetNativeStyle(false);
  std::vector<TcxTabSheet*> ours;
  for (const wchar_t* caption : captions) {
    auto* page = new TcxTabSheet(form);
    page->SetCaption(caption);
    page->SetPageControl(control);
    auto* label = new TLabel(form);
    label->SetParent(page);
    label->SetBounds(10, 10, 200, 16);
    label->SetCaption(caption);
    ours.push_back(page);
  }
  form->HandleNeeded();
  for (TcxTabSheet* page : ours) page->HandleNeeded();

  HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, Width, Height, nullptr, nullptr, nullptr, nullptr);
  HWND tabs = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, Width, Height,
                              host, nullptr, nullptr, nullptr);
  SendMessageW(tabs, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  std::vector<HWND> system;
  for (int i = 0; i < Pages; ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(captions[i]);
    SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  RECT display{0, 0, Width, Height};
  SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  for (int i = 0; i < Pages; ++i) {
    HWND page = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | (i == 0 ? WS_VISIBLE : 0), display.left, display.top,
                                display.right - display.left, display.bottom - display.top, host, nullptr, nullptr,
                                nullptr);
    CreateWindowExW(0, L"STATIC", captions[i], WS_CHILD | WS_VISIBLE, 10, 10, 200, 16, page, nullptr, nullptr, nullptr);
    system.push_back(page);
  }

  HDC dc = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  HBITMAP surface = vamire_test::CreateTopDownDib(dc, Width, Height, &bits);
  HGDIOBJ oldBitmap = SelectObject(dc, surface);

  int ourNext = 0, systemNext = 0, systemShown = 0;
  // How many pixels of the surface a round painted: both sides must draw the whole control.
  auto painted = [&](const std::function<void()>& ARound) {
    PatBlt(dc, 0, 0, Width, Height, BLACKNESS);
    ARound();
    GdiFlush();
    int count = 0;
    for (int i = 0; i < Width * Height; ++i) count += (static_cast<const uint32_t*>(bits)[i] & 0xFFFFFF) != 0;
    return count;
  };
  const std::function<void()> ourRound = [&] {
    ourNext = (ourNext + 1) % Pages;
    control->SetActivePage(ours[std::size_t(ourNext)]);
    TcxTabSheet* page = control->ActivePage();
    PrintWindowInto(control->Handle(), dc, 0, 0);
    PrintWindowInto(page->Handle(), dc, page->Left(), page->Top());
  };
  const std::function<void()> systemRound = [&] {
    systemNext = (systemNext + 1) % Pages;
    SendMessageW(tabs, TCM_SETCURSEL, systemNext, 0);
    ShowWindow(system[std::size_t(systemShown)], SW_HIDE);
    ShowWindow(system[std::size_t(systemNext)], SW_SHOW);
    systemShown = systemNext;
    PrintWindowInto(tabs, dc, 0, 0);
    PrintWindowInto(system[std::size_t(systemShown)], dc, display.left, display.top);
  };
  const int ourPixels = painted(ourRound), systemPixels = painted(systemRound);
  const auto times = vamire_bench::MeasureSideBySide(ourRound, systemRound, 41, 9);
  // Where our time goes: the switch itself, the control's paint, the page's paint.
  const std::vector<double> split = vamire_bench::MeasureInTurns(
      {[&] {
         ourNext = (ourNext + 1) % Pages;
         control->SetActivePage(ours[std::size_t(ourNext)]);
       },
       [&] { PrintWindowInto(control->Handle(), dc, 0, 0); },
       [&] {
         TcxTabSheet* page = control->ActivePage();
         PrintWindowInto(page->Handle(), dc, page->Left(), page->Top());
       }},
      41, 9);
  std::printf("%d-page control, one page switch with a full repaint, medians (us)\n", Pages);
  std::printf("(of which the switch %.1f, the control's paint %.1f, the page's %.1f)\n", split[0], split[1], split[2]);
  std::printf("(pixels painted by one round of %d: ours %d, system %d)\n", Width * Height, ourPixels, systemPixels);
  std::printf("TcxPageControl (%ls) %9.1f   system tab control (TCM_SETCURSEL) %9.1f   ratio %.3f\n",
              control->Painter()->PainterClass()->GetStyleName().c_str(), times.first, times.second,
              times.first / times.second);

  SelectObject(dc, oldBitmap);
  DeleteObject(surface);
  DeleteDC(dc);
  DestroyWindow(host);
  delete form;
  FinalizeUnits();
  return 0;
}
