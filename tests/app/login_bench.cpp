// A login click until the main window is updated, then the logout click: the
// login window's handlers, UpdateControlStates over a control for every rule
// of the role table, the role panel of a status bar repainted and the
// message answered through the dialog service; side by side in one run with
// the platform doing the same window work: EnableWindow or ShowWindow on as
// many plain BUTTON windows and SB_SETTEXT with a repaint on a system status
// bar, twice.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <vector>

#include "ConsoleRoles.h"
#include "DialogService.h"
#include "Runtime.h"
#include "TestMainWindow.h"
#include "Unit7.h"
#include "cxButtons_win.h"
#include "dxStatusBar_win.h"
#include "support/BenchTiming.h"

namespace {

// The stand-in main window with real controls behind its state: one button
// per rule of UpdateControlStates, and the three-panel status bar.
class TBenchMainWindow : public app_test::TTestMainWindow {
 public:
  TBenchMainWindow() {
    FForm = test_support::MakeForm(640, 200);
    int i = 0;
    for (const TControlStateRule& rule : ControlStateRules()) {
      auto* button = new TcxButton(FForm);
      button->SetParent(FForm);
      button->SetBounds(8 + (i % 8) * 78, 8 + (i / 8) * 30, 75, 25);
      button->SetCaption(rule.Control);
      FControls.push_back(button);
      ++i;
    }
    FBar = new TdxStatusBar(FForm);
    FBar->SetParent(FForm);
    FBar->SetPaintStyle(stpsStandard);
    for (int w : {200, 200, 228}) FBar->Panels()->Add()->SetWidth(w);
    FForm->Show();
    test_support::Pump();
  }
  ~TBenchMainWindow() override { FForm->Free(); }

  void UpdateControlStates() override {
    const TRoleFlags flags{Role.AdminLoggedIn, LinkOpenFlag, Debug};
    const std::vector<TControlStateRule>& rules = ControlStateRules();
    for (size_t i = 0; i < rules.size(); ++i) {
      const bool value = RuleValue(rules[i], flags);
      if (rules[i].Property == TControlProperty::Enabled)
        FControls[i]->SetEnabled(value);
      else
        FControls[i]->SetVisible(value);
    }
  }
  void SetRolePanelText(const String& text) override {
    FBar->Panels()->Items(1)->SetText(text);
    UpdateWindow(FBar->Handle());
  }

 private:
  test_support::THostForm* FForm;
  std::vector<TcxButton*> FControls;
  TdxStatusBar* FBar;
};

// Answers every message at once, as the operator's OK.
class TOkAnswerer : public TDialogAnswerer {
 public:
  bool Answer(TDialogRequest& Request, int& Result) override {
    Result = Request.Kind == dkMessageBox ? IDOK : mrOk;
    return true;
  }
};

// The platform's side: as many plain buttons and a system status bar.
struct TPlainWindow {
  TPlainWindow() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    parent = CreateWindowExW(0, L"STATIC", L"plain", WS_POPUP | WS_VISIBLE, 60, 300, 640, 200, nullptr, nullptr,
                             nullptr, nullptr);
    int i = 0;
    for (const TControlStateRule& rule : ControlStateRules()) {
      buttons.push_back(CreateWindowExW(0, L"BUTTON", rule.Control.c_str(), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                        8 + (i % 8) * 78, 8 + (i / 8) * 30, 75, 25, parent, nullptr, nullptr,
                                        nullptr));
      ++i;
    }
    status = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent, nullptr, nullptr,
                             nullptr);
    int parts[] = {200, 400, -1};
    SendMessageW(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
    UpdateWindow(parent);
  }
  ~TPlainWindow() { DestroyWindow(parent); }
  void Apply(bool admin, const wchar_t* text) {
    const TRoleFlags flags{admin, false, false};
    const std::vector<TControlStateRule>& rules = ControlStateRules();
    for (size_t i = 0; i < rules.size(); ++i) {
      const bool value = RuleValue(rules[i], flags);
      if (rules[i].Property == TControlProperty::Enabled)
        EnableWindow(buttons[i], value);
      else
        ShowWindow(buttons[i], value ? SW_SHOWNA : SW_HIDE);
    }
    SendMessageW(status, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(text));
    UpdateWindow(status);
  }
  HWND parent;
  std::vector<HWND> buttons;
  HWND status;
};

}  // namespace

int wmain() {
  InstallPlatformRuntime();
  app_test::StartUnitsOnce();
  TOkAnswerer answerer;
  SetDialogAnswerer(&answerer);
  {
    TBenchMainWindow main;
    TForm7* login = TCustomForm::Create<TForm7>(nullptr);
    TPlainWindow plain;
    const auto times = vamire_bench::MeasureSideBySide(
        [&] {
          login->MaskEdit1->SetText(L"9174");
          login->Button1->OnClick(login->Button1);
          login->Button4->OnClick(login->Button4);
        },
        [&] {
          plain.Apply(true, L"操作权限 ： 管理员");
          plain.Apply(false, L"操作权限 ： 操作员");
        },
        21, 10);
    std::printf("login and logout click, %d controls updated each, role panel repainted, medians (us)\n",
                int(ControlStateRules().size()));
    std::printf("TForm7 with the main window %9.1f   EnableWindow/ShowWindow + SB_SETTEXT %9.1f   ratio %.2f\n",
                times.first, times.second, times.first / times.second);
    login->Free();
  }
  FinalizeUnits();
  return 0;
}
