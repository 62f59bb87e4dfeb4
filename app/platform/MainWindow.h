// What the console's other windows need of the main window (TForm1): the
// selection fields, the debug flag with its log pane and test pages, the
// role panel of its status bar, the administrator role, the language and
// UpdateControlStates. TForm1 implements it and registers itself while it
// lives; tests implement it too, so a window can be tried without TForm1.
// Values are read afresh on every call.
#pragma once

#include "AdminLogin.h"
#include "Schedules.h"
#include "System.h"
#include "WallFrame.h"

class TControl;
class TMemo;

class IMainWindow {
 public:
  virtual ~IMainWindow() = default;

  virtual TWallSelection SelectionFields() = 0;  // TForm1.SelLeft .. SelBottom
  virtual bool DebugMode() = 0;                  // TForm1.DebugMode
  virtual void SetDebugMode(bool value) = 0;
  virtual TMemo* Memo1() = 0;                    // the log pane
  virtual TControl* PageControl1() = 0;          // the lower page control (test pages)
  virtual void SetRolePanelText(const String& text) = 0;  // StatusBar1, panel 1
  virtual TAdminRole& AdminRole() = 0;           // AdminPassword, AdminLoggedIn, MaintenanceLogin
  virtual int Language() = 0;                    // 0 Chinese, 1 English
  virtual void UpdateControlStates() = 0;

  // TfrmTimingSetting: TForm1's timed power fields and its timer tmrTimingSet.
  virtual TTimedPower& TimedPower() = 0;
  virtual void SetTimedPowerTimer(bool enabled) = 0;
};

inline IMainWindow*& MainWindowRef() {
  static IMainWindow* window = nullptr;
  return window;
}
// The main window the other windows serve; null while there is none, and
// then their handlers that need it do nothing.
inline IMainWindow* MainWindow() { return MainWindowRef(); }
inline void SetMainWindow(IMainWindow* window) { MainWindowRef() = window; }
