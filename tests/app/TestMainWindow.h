// The main window as the console's other windows see it (IMainWindow), for
// tests made before TForm1 exists: its role state, debug flag, role panel
// text and control-state updates held in fields, its log pane a real memo
// and its test pages a real panel on a host form. It is the link routines'
// console too (TTestConsole), and their debug echo lands in that memo, as
// it will in TForm1's.
#pragma once

#include <windows.h>

#include "ConsoleForms.h"
#include "ConsoleRoles.h"
#include "ExtCtrls.h"
#include "MainWindow.h"
#include "StdCtrls.h"
#include "link/LinkTestConsole.h"
#include "support/HostForm.h"

namespace app_test {

// Starts the console's units once for the test program (they end with it).
inline void StartUnitsOnce() {
  static const bool started = (StartConsoleUnits(), true);
  (void)started;
}

class TTestMainWindow : public link_test::TTestConsole, public IMainWindow {
 public:
  TTestMainWindow() {
    StartUnitsOnce();
    FHost = test_support::MakeForm(400, 300);
    FMemo = new TMemo(FHost);
    FMemo->SetParent(FHost);
    FMemo->SetBounds(8, 8, 380, 200);
    FMemo->SetVisible(false);
    FPages = new TPanel(FHost);
    FPages->SetParent(FHost);
    FPages->SetBounds(8, 216, 380, 40);
    FPages->SetVisible(false);
    SetMainWindow(this);
  }
  ~TTestMainWindow() override {
    SetMainWindow(nullptr);
    FHost->Free();
  }

  TWallSelection SelectionFields() override { return Selection; }
  bool DebugMode() override { return Debug; }
  void SetDebugMode(bool value) override { Debug = value; }
  TMemo* Memo1() override { return FMemo; }
  TControl* PageControl1() override { return FPages; }
  void SetRolePanelText(const String& text) override { RolePanel = text; }
  TAdminRole& AdminRole() override { return Role; }
  int Language() override { return LanguageFlag; }
  void UpdateControlStates() override {
    ++ControlUpdates;
    FlagsAtUpdate = {Role.AdminLoggedIn, LinkOpenFlag, Debug};
  }
  // The link's echo goes to the log pane, as TForm1's does.
  void AddLogLine(const String& line) override { FMemo->Lines()->Add(line); }

  // Shows the stand-in main window, which takes the activation when a
  // window over it hides, as TForm1 does in the program.
  void ShowHost() {
    FHost->Show();
    test_support::Pump();
  }

  std::vector<String> LogLines() const {
    std::vector<String> lines;
    for (int i = 0; i < FMemo->Lines()->Count(); ++i) lines.push_back(FMemo->Lines()->Strings(i));
    return lines;
  }

  TAdminRole Role;
  String RolePanel;
  TRoleFlags FlagsAtUpdate;  // what the last UpdateControlStates saw

  // TfrmTimingSetting
  TTimedPower& TimedPower() override { return Power; }
  void SetTimedPowerTimer(bool enabled) override { TimedPowerTimer = enabled; }
  TTimedPower Power;
  bool TimedPowerTimer = false;

 private:
  test_support::THostForm* FHost = nullptr;
  TMemo* FMemo = nullptr;
  TPanel* FPages = nullptr;
};

}  // namespace app_test
