// What the non-client paint of a skinned 800 x 600 form costs next to the
// system's own frame of the same form: two forms side by side, one skinned
// with a built-in skin, one kept unskinned by the skin controller's
// OnSkinForm, each sent WM_NCPAINT for its whole frame 1,000 times, taking
// turns. Prints the medians and their ratio. In the plain prefix the skinned
// frame keeps the system's sizes; in the themed prefix it takes the skin's.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "Runtime.h"
#include "skinforms_skins.h"
#include "support/BenchTiming.h"

using skinforms_test::Pump;

namespace {

constexpr int Paints = 1000;

class TBenchForm : public TForm {
  VAMIRE_CLASS(TBenchForm, TForm)
 public:
  using TForm::TForm;
};

struct TKeeper {
  TWinControl* Unskinned = nullptr;
  void SkinForm(TObject*, TWinControl* AForm, bool& UseSkin, String&) {
    if (AForm == Unskinned) UseSkin = false;
  }
};

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
  skinforms_test::StartSkinForms();
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
  skinforms_test::EndSkinForms();
  return 0;
}
