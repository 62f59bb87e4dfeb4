// Repaint of 10 radio buttons (ultra-flat, captions with Chinese text, three
// checked) against 10 system radio buttons (BS_AUTORADIOBUTTON) with the same
// captions and font; opaque, and transparent over the parent as the console's
// windows set them. Both sides paint into one memory DC through their
// windows' own painting (WM_PRINTCLIENT); rounds alternate; prints the medians
// and the ratio.
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
#include "Units.h"
#include "cxClasses.h"
#include "cxControls_win.h"
#include "cxDWMApi.h"
#include "cxLookAndFeels.h"
#include "cxRadioGroup_win.h"
#include "dxGDIPlusAPI.h"
#include "dxOffice11_win.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"
#include "support/BenchTiming.h"
#include "support/WindowCapture.h"

namespace {

constexpr int Radios = 10, RadioW = 140, RadioH = 21;

class TBenchForm : public TForm {
  VAMIRE_CLASS(TBenchForm, TForm)
 public:
  using TForm::TForm;
};

const wchar_t* Caption(int I) { return I % 2 ? L"拼接屏 2 x 2" : L"Single screen"; }

}  // namespace

int wmain() {
  InstallPlatformRuntime();
  InitializeUnits({ThreadsUnit, ImgListUnit, MenusUnit, FormsUnit, StdCtrlsUnit, ExtCtrlsUnit, dxUxThemeUnit,
                   dxThemeManagerUnit, cxDWMApiUnit, dxGDIPlusAPIUnit, dxCoreUnit, cxClassesUnit, cxGraphicsUnit,
                   cxControlsBaseUnit, dxOffice11Unit, cxLookAndFeelsUnit, cxLookAndFeelPaintersUnit, cxControlsUnit,
                   cxRadioGroupUnit});
  Application->Initialize();
  const int width = RadioW, height = Radios * (RadioH + 4);

  TBenchForm* form = TCustomForm::Create<TBenchForm>(nullptr);
  form->SetBounds(0, 0, width + 20, height + 60);
  std::vector<TcxRadioButton*> ours;
  for (int i = 0; i < Radios; ++i) {
    auto* r = new TcxRadioButton(form);
    r->SetParent(form);
    r->SetBounds(0, i * (RadioH + 4), RadioW, RadioH);
    r->SetCaption(Caption(i));
    r->LookAndFeel()->SetNativeStyle(false);
    r->LookAndFeel()->SetKind(lfUltraFlat);
    ours.push_back(r);
  }
  form->HandleNeeded();
  for (TcxRadioButton* r : ours) r->HandleNeeded();
  for (int i : {0, 4, 8}) ours[std::size_t(i)]->SetChecked(true);

  HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, width, height, nullptr, nullptr, nullptr, nullptr);
  std::vector<HWND> system;
  for (int i = 0; i < Radios; ++i) {
    // Each its own group, so three can be checked as above.
    HWND w = CreateWindowExW(0, L"BUTTON", Caption(i), WS_CHILD | WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON, 0,
                             i * (RadioH + 4), RadioW, RadioH, host, nullptr, nullptr, nullptr);
    SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(ours[0]->Font()->Handle()), FALSE);
    if (i % 4 == 0) SendMessageW(w, BM_SETCHECK, BST_CHECKED, 0);
    system.push_back(w);
  }

  HDC dc = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  HBITMAP surface = vamire_test::CreateTopDownDib(dc, width, height, &bits);
  HGDIOBJ oldBitmap = SelectObject(dc, surface);
  auto paintOurs = [&] {
    for (TcxRadioButton* r : ours) vamire_bench::PrintClientAt(r->Handle(), dc, r->Left(), r->Top());
  };
  auto paintSystem = [&] {
    for (int i = 0; i < Radios; ++i) vamire_bench::PrintClientAt(system[std::size_t(i)], dc, 0, i * (RadioH + 4));
  };
  const auto opaque = vamire_bench::MeasureSideBySide(paintOurs, paintSystem, 21, 5);
  for (TcxRadioButton* r : ours) r->SetTransparent(true);
  const auto transparent = vamire_bench::MeasureSideBySide(paintOurs, paintSystem, 21, 5);
  std::printf("%d radio buttons, repaint of all, medians (us)\n", Radios);
  std::printf("opaque       TcxRadioButton %8.0f   system BS_AUTORADIOBUTTON %8.0f   ratio %.3f\n", opaque.first,
              opaque.second, opaque.first / opaque.second);
  std::printf("transparent  TcxRadioButton %8.0f   system BS_AUTORADIOBUTTON %8.0f   ratio %.3f\n",
              transparent.first, transparent.second, transparent.first / transparent.second);

  SelectObject(dc, oldBitmap);
  DeleteObject(surface);
  DeleteDC(dc);
  DestroyWindow(host);
  delete form;
  FinalizeUnits();
  return 0;
}
