// What a bar control costs next to the system toolbar doing the same work in
// the same run: a test bar control with 30 item controls made, laid out,
// shown, painted and destroyed, against a system toolbar with 30 buttons
// (TB_ADDBUTTONS, shown, painted, destroyed). Prints the medians and the ratio.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>

#include "Runtime.h"
#include "barcontrol_test_support.h"
#include "support/BenchTiming.h"

namespace {

constexpr int Rounds = 25, Repeats = 10, Buttons = 30;

}  // namespace

int wmain() {
  InstallPlatformRuntime();
  bars_test::StartUnits();
  bars_test::RegisterTestKinds();
  INITCOMMONCONTROLSEX init{sizeof(init), ICC_BAR_CLASSES};
  InitCommonControlsEx(&init);

  bars_test::THostForm* form = bars_test::MakeForm();
  form->SetBounds(40, 40, 900, 200);
  form->Show();
  auto* manager = new TdxBarManager(form);
  manager->SetStyle(bmsStandard);
  TdxBar* bar = manager->Bars()->Add();
  std::vector<String> captions;
  for (int i = 0; i < Buttons; ++i) {
    captions.push_back(L"Cmd " + IntToStr(i));
    auto* item = new bars_test::TTestButtonItem(form);
    item->SetCaption(captions.back());
    item->SetCategory(0);
    bar->ItemLinks()->AddItem(item);
  }

  auto ours = [&] {
    auto* control = new bars_test::TTestBarControl(manager);
    control->SetParent(form);
    control->SetBounds(0, 0, 880, 24);
    control->SetItemLinks(bar->ItemLinks());
    control->HandleNeeded();
    control->Layout();
    control->SetVisible(true);
    UpdateWindow(control->Handle());
    control->Free();
  };
  std::vector<TBBUTTON> buttons(Buttons);
  for (int i = 0; i < Buttons; ++i)
    buttons[size_t(i)] = TBBUTTON{I_IMAGENONE, 100 + i, TBSTATE_ENABLED, BTNS_BUTTON | BTNS_AUTOSIZE, {}, 0,
                                  reinterpret_cast<INT_PTR>(captions[size_t(i)].c_str())};
  auto platform = [&] {
    HWND toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", WS_CHILD | TBSTYLE_FLAT | TBSTYLE_LIST | CCS_NORESIZE,
                                   0, 0, 880, 24, form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(toolbar, TB_ADDBUTTONSW, Buttons, reinterpret_cast<LPARAM>(buttons.data()));
    ShowWindow(toolbar, SW_SHOWNA);
    UpdateWindow(toolbar);
    DestroyWindow(toolbar);
  };
  const auto times = vamire_bench::MeasureSideBySide(ours, platform, Rounds, Repeats);
  std::printf("%-52s ours %9.1f us   system toolbar %9.1f us   ratio %.2f\n",
              "30 items made, laid out, shown, painted, freed", times.first, times.second,
              times.first / times.second);
  form->Free();
  FinalizeUnits();
  return 0;
}
