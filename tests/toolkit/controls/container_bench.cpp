// What a 105 x 21 container (the console's field size) holding a runtime
// edit costs to repaint in each look, next to a runtime edit of the same
// size with the system's own border doing the same work, in the same run:
// each container's own window (its WM_PAINT: frame and background) and the
// whole field (with the inner edit's window) 2,000 times each, the fields
// taking turns. Prints the medians and the ratios to the system edit
// repainted whole. Run it in the themed prefix too for the native look.
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
#include "cxContainer_win.h"
#include "cxControls_win.h"
#include "cxDWMApi.h"
#include "cxLookAndFeelPainters_win.h"
#include "cxLookAndFeels.h"
#include "dxGDIPlusAPI.h"
#include "dxOffice11_win.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"
#include "support/BenchTiming.h"

namespace {

constexpr int Repaints = 2000;

class TBenchForm : public TForm {
  VAMIRE_CLASS(TBenchForm, TForm)
 public:
  using TForm::TForm;
};

// The whole field drawn anew, as an uncovered window is; without AChildren
// only the field's own window (the container's WM_PAINT, not its edit's).
double Repaint(TWinControl* AControl, bool AChildren) {
  const double start = vamire_bench::Now();
  RedrawWindow(AControl->Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | (AChildren ? RDW_ALLCHILDREN : RDW_NOCHILDREN));
  GdiFlush();
  return vamire_bench::Now() - start;
}

struct TField {
  const char* Name;
  TWinControl* Control;
  std::vector<double> Own, Whole;
};

}  // namespace

int wmain() {
  InstallPlatformRuntime();
  InitializeUnits({ThreadsUnit, ImgListUnit, MenusUnit, FormsUnit, StdCtrlsUnit, ExtCtrlsUnit, dxUxThemeUnit,
                   dxThemeManagerUnit, cxDWMApiUnit, dxGDIPlusAPIUnit, dxCoreUnit, cxClassesUnit, cxGraphicsUnit,
                   cxControlsBaseUnit, dxOffice11Unit, cxLookAndFeelsUnit, cxLookAndFeelPaintersUnit,
                   cxControlsUnit, cxContainerUnit});
  Application->Initialize();
  TBenchForm* form = TCustomForm::Create<TBenchForm>(nullptr);
  form->SetBounds(0, 0, 800, 120);
  form->HandleNeeded();

  struct TLook {
    const char* Name;
    TcxLookAndFeelKind Kind;
    bool Native;
  };
  const TLook looks[] = {{"standard", lfStandard, false}, {"flat", lfFlat, false}, {"ultra-flat", lfUltraFlat, false},
                         {"Office11", lfOffice11, false}, {"native", lfStandard, true}};
  std::vector<TField> fields;
  int x = 10;
  for (const TLook& look : looks) {
    auto* c = new TcxContainer(form);
    c->SetBounds(x, 10, 105, 21);
    c->SetParent(form);
    c->Style()->LookAndFeel()->SetKind(look.Kind);
    c->Style()->LookAndFeel()->SetNativeStyle(look.Native);
    auto* edit = new TEdit(c);
    edit->SetBorderStyle(bsNone);
    edit->SetParent(c);
    edit->SetText(L"192.168.0.1");
    c->SetInnerControl(edit);
    c->HandleNeeded();
    fields.push_back({look.Name, c, {}, {}});
    x += 115;
  }
  auto* system = new TEdit(form);
  system->SetBounds(10, 50, 105, 21);
  system->SetBorderStyle(bsSingle);
  system->SetParent(form);
  system->SetText(L"192.168.0.1");
  fields.push_back({"runtime edit", system, {}, {}});

  SetWindowPos(form->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  form->SetVisible(true);
  UpdateWindow(form->Handle());
  for (int i = 0; i < 100; ++i)  // warm-up: caches, fonts, theme handles
    for (TField& f : fields) Repaint(f.Control, true);
  for (int i = 0; i < Repaints; ++i) {
    for (TField& f : fields) f.Own.push_back(Repaint(f.Control, false));
    for (TField& f : fields) f.Whole.push_back(Repaint(f.Control, true));
  }

  const double systemMedian = vamire_bench::Median(fields.back().Whole);
  std::printf("Repaint of a 105 x 21 field, median of %d (native look: %s); the runtime edit (system EDIT with its\n"
              "border) repainted whole in %.1f us:\n", Repaints,
              static_cast<TcxContainer*>(fields[4].Control)->ViewInfo()->NativeStyle ? "themed" : "not themed",
              systemMedian);
  std::printf("  look          container WM_PAINT  ratio    with its inner edit  ratio\n");
  for (std::size_t i = 0; i + 1 < fields.size(); ++i) {
    const double own = vamire_bench::Median(fields[i].Own), whole = vamire_bench::Median(fields[i].Whole);
    std::printf("  %-12s  %10.1f us      %5.2f    %10.1f us      %5.2f\n", fields[i].Name, own, own / systemMedian,
                whole, whole / systemMedian);
  }
  delete form;
  FinalizeUnits();
  return 0;
}
