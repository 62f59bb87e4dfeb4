// What the non-client paint of a skinned 800 x 600 form costs next to the
// system's own frame of the same form: two forms side by side, one skinned
// with a built-in skin, one kept unskinned by the skin controller's
// OnSkinForm, each sent WM_NCPAINT for its whole frame 1,000 times, taking
// turns. Prints the medians and their ratio. In the plain prefix the skinned
// frame keeps the system's sizes; in the themed prefix it takes the skin's.
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
#include "cxClasses.h"
#include "cxDWMApi.h"
#include "dxGDIPlusAPI.h"
#include "dxOffice11_win.h"
#include "dxSkinsForm_win.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"
#include "support/BenchTiming.h"

namespace {

constexpr int Paints = 1000;

class TBenchForm : public TForm {
  VAMIRE_CLASS(TBenchForm, TForm)
 public:
  using TForm::TForm;
};

class TBlueSkinPainter : public TdxSkinLookAndFeelPainter {
  VAMIRE_CLASS(TBlueSkinPainter, TdxSkinLookAndFeelPainter)
 public:
  static TcxCustomLookAndFeelPainterClass Instance() {
    static const auto* instance = new TBlueSkinPainter();
    return instance;
  }
};

struct TKeeper {
  TWinControl* Unskinned = nullptr;
  void SkinForm(TObject*, TWinControl* AForm, bool& UseSkin, String&) {
    if (AForm == Unskinned) UseSkin = false;
  }
};

void Pump() {
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
}

TBenchForm* MakeForm(int ALeft, const wchar_t* ACaption) {
  TBenchForm* form = TCustomForm::Create<TBenchForm>(nullptr);
  form->SetBounds(ALeft, 0, 800, 600);
  form->SetCaption(ACaption);
  form->HandleNeeded();
  SetWindowPos(form->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  form->SetVisible(true);
  return form;
}

double NCPaint(TWinControl* AForm) {
  const double start = vamire_bench::Now();
  SendMessageW(AForm->Handle(), WM_NCPAINT, 1, 0);
  GdiFlush();
  return vamire_bench::Now() - start;
}

}  // namespace

int wmain() {
  InstallPlatformRuntime();
  InitializeUnits({ThreadsUnit, ImgListUnit, MenusUnit, FormsUnit, StdCtrlsUnit, ExtCtrlsUnit, dxUxThemeUnit,
                   dxThemeManagerUnit, cxDWMApiUnit, dxGDIPlusAPIUnit, dxCoreUnit, cxClassesUnit, dxGDIPlusClassesUnit,
                   cxGraphicsUnit, cxControlsBaseUnit, dxOffice11Unit, cxLookAndFeelsUnit, cxLookAndFeelPaintersUnit,
                   cxControlsUnit, dxSkinsCoreUnit, dxSkinsFormUnit});
  Application->Initialize();
  ExtendedStylePainterRegistry()->Register(
      L"Blue", TBlueSkinPainter::Instance(),
      new TdxSkinLookAndFeelPainterInfo(new TdxSkin(L"BLUE", GetModuleHandleW(nullptr), true)));
  TKeeper keeper;
  auto* controller = new TdxSkinController(nullptr);
  controller->OnSkinForm = TdxSkinControllerSkinFormEvent(&keeper, &TKeeper::SkinForm);
  controller->SetSkinName(L"Blue");
  controller->SetNativeStyle(false);

  TBenchForm* skinned = MakeForm(0, L"Skinned form");
  TBenchForm* system = TCustomForm::Create<TBenchForm>(nullptr);
  keeper.Unskinned = system;
  system->SetBounds(820, 0, 800, 600);
  system->SetCaption(L"System form");
  system->HandleNeeded();
  SetWindowPos(system->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  system->SetVisible(true);
  Pump();
  if (!IsSkinnedWindow(skinned->Handle()) || IsSkinnedWindow(system->Handle())) {
    std::printf("the forms are not set up as intended\n");
    return 1;
  }
  for (int i = 0; i < 50; ++i) {  // warm-up: element caches, fonts, theme handles
    NCPaint(skinned);
    NCPaint(system);
  }
  std::vector<double> tSkinned, tSystem;
  for (int i = 0; i < Paints; ++i) {
    tSkinned.push_back(NCPaint(skinned));
    tSystem.push_back(NCPaint(system));
  }
  const double mSkinned = vamire_bench::Median(tSkinned), mSystem = vamire_bench::Median(tSystem);
  std::printf("WM_NCPAINT of an 800 x 600 form, median of %d (%s frame sizes):\n", Paints,
              AreThemesEnabled() ? "the skin's" : "the system's");
  std::printf("  skinned (Blue)   %8.1f us   ratio %.2f\n", mSkinned, mSkinned / mSystem);
  std::printf("  system frame     %8.1f us\n", mSystem);
  delete skinned;
  delete system;
  delete controller;
  ExtendedStylePainterRegistry()->Unregister(L"Blue");
  FinalizeUnits();
  return 0;
}
