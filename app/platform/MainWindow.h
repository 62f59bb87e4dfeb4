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

class ISpliceWindow;
class TControl;
class TMemo;
class TStrings;
class TPicture;

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

  // Matrix configuration, preset names and mini panel (TForm3, TForm9, TForm10).
  virtual int WallRows() = 0;     // the splice configuration's rows
  virtual int WallColumns() = 0;  // and columns
  virtual int SignalTypeIndex() = 0;  // the hidden signal type list ComboBox1
  virtual void SetChannelBrandLabel(const String& text) = 0;  // TForm14.Label7
  virtual TStrings* PresetNames() = 0;  // ComboBox3's 16 items
  virtual int PresetIndex() = 0;        // ComboBox3's item index
  virtual String PresetText() = 0;      // ComboBox3's text
  virtual void SetPresetText(const String& text) = 0;
  virtual void HideForMiniPanel() = 0;  // the main window hidden while the mini panel is open
  // Sets BackFromMiniPanel and shows the main window again: no reload, the
  // automatic link handling of its show runs.
  virtual void ReturnFromMiniPanel() = 0;
  // TForm15 and TForm20: the wall grid stringgrid1, the logo Image1 and the name Label3.
  virtual void RepaintWallGrid() = 0;
  // Rows x columns panels with the header row and column numbered, cells
  // shared out again (ResizeWallGrid).
  virtual void RebuildWallGrid(int rows, int columns) = 0;
  virtual void SetWallLogo(TPicture* picture) = 0;  // Image1 takes a copy
  virtual void SetWallName(const String& name) = 0;
  // TForm4, TForm20: stringgrid1's own selection rectangle, panels from 1.
  virtual TWallSelection GridSelection() = 0;
  // TForm12, Tform13, TForm14: the grid, its selection and cells, the signal
  // type and the matrix configuration, as the splice reads them; and the
  // hidden signal-type list ComboBox1 set to an item.
  virtual ISpliceWindow& SpliceView() = 0;
  virtual void SetSignalType(int index) = 0;
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
