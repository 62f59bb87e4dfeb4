// The main window as the console's other windows see it (IMainWindow), for
// tests made before TForm1 exists: its role state, debug flag, role panel
// text and control-state updates held in fields, its log pane a real memo
// and its test pages a real panel on a host form. It is the link routines'
// console too (TTestConsole), and their debug echo lands in that memo, as
// it will in TForm1's.
#pragma once

#include <windows.h>

#include "CfgIni.h"
#include <memory>

#include "ConsoleForms.h"
#include "ConsoleRoles.h"
#include "ExtCtrls.h"
#include "Grids.h"
#include "MainWindow.h"
#include "SpliceTestWindow.h"
#include "StdCtrls.h"
#include "WallGridView.h"
#include "WallGrid.h"
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
    delete FGridView;
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

  // Matrix configuration, preset names and mini panel (TForm3, TForm9, TForm10).
  int WallRows() override { return Rows; }
  int WallColumns() override { return Columns; }
  int SignalTypeIndex() override { return Matrix.SignalTypeIndex; }
  void SetChannelBrandLabel(const String& text) override { ChannelBrandLabel = text; }
  TStrings* PresetNames() override { return &FPresets; }
  int PresetIndex() override { return PresetItemIndex; }
  String PresetText() override { return PresetTextValue; }
  void SetPresetText(const String& text) override { PresetTextValue = text; }
  void HideForMiniPanel() override {
    FHost->Hide();
    ++Hides;
  }
  void ReturnFromMiniPanel() override {
    BackFromMiniPanel = true;
    FHost->Show();
    ++Returns;
  }
  // Fills the preset list as the loading block does and selects `index`.
  void SetPresets(const std::vector<String>& names, int index) {
    FPresets.Clear();
    for (const String& name : names) FPresets.Add(name);
    PresetItemIndex = index;
    PresetTextValue = index >= 0 ? names[size_t(index)] : String();
  }
  bool HostVisible() const { return IsWindowVisible(FHost->Handle()) != FALSE; }

  int Rows = 3, Columns = 3;
  String ChannelBrandLabel;
  int PresetItemIndex = -1;
  String PresetTextValue;
  bool BackFromMiniPanel = false;
  int Hides = 0, Returns = 0;

  std::vector<String> LogLines() const {
    std::vector<String> lines;
    for (int i = 0; i < FMemo->Lines()->Count(); ++i) lines.push_back(FMemo->Lines()->Strings(i));
    return lines;
  }

  TAdminRole Role;
  String RolePanel;
  TRoleFlags FlagsAtUpdate;  // what the last UpdateControlStates saw

  // TForm15, TForm20: a real grid on the host form, its colours read from
  // GridSettingsFile as TForm1's are from "cfg.ini"; the logo and the name.
  void RepaintWallGrid() override {
    WallGrid();
    FGrid->Repaint();
    ++GridRepaints;
  }
  void RebuildWallGrid(int rows, int columns) override { WallGrid()->Build(rows, columns, PanelWidth, PanelHeight); }
  void SetWallLogo(TPicture* picture) override { Logo()->Picture()->Assign(picture); }
  void SetWallName(const String& name) override { WallName = name; }

  TWallGridView* WallGrid() {
    if (!FGridView) {
      FGrid = new TStringGrid(FHost);
      FGrid->SetParent(FHost);
      FGrid->SetBounds(0, 0, PanelWidth - 8, PanelHeight - 8);
      FGrid->SetBorderStyle(bsNone);
      FGrid->SetScrollBars(ssNone);
      FGridView = new TWallGridView(FGrid, &FGridColours);
      FGridView->Build(3, 3, PanelWidth, PanelHeight);
    }
    return FGridView;
  }
  TStringGrid* Grid() {
    WallGrid();
    return FGrid;
  }
  TImage* Logo() {
    if (!FLogo) FLogo = new TImage(FHost);
    return FLogo;
  }
  String GridSettingsFile = CfgFileName;
  int PanelWidth = 392, PanelHeight = 280;  // Panel1, the box the cells share
  String WallName;
  int GridRepaints = 0;
  // TForm4, TForm20: the real grid's selection once a test made the grid,
  // else the rectangle a test sets.
  TWallSelection GridSelection() override { return FGridView ? FGridView->GridSelection() : GridRect; }
  TWallSelection GridRect{1, 1, 1, 1};
  // TForm12, Tform13, TForm14: the grid and the matrix configuration in plain
  // fields (the splice's test double on this console), the signal type in
  // the link's matrix settings.
  ISpliceWindow& SpliceView() override { return Splice(); }
  void SetSignalType(int index) override {
    Matrix.SignalTypeIndex = index;
    Matrix.SignalTypeText = SignalTypeName(index);
  }
  // Made at first use, keeping the selection fields as they are.
  TSpliceTestWindow& Splice() {
    if (!FSplice) {
      const TWallSelection keep = Selection;
      FSplice = std::make_unique<TSpliceTestWindow>(*this);
      Selection = keep;
    }
    return *FSplice;
  }
  std::unique_ptr<TSpliceTestWindow> FSplice;
  // TfrmTimingSetting
  TTimedPower& TimedPower() override { return Power; }
  void SetTimedPowerTimer(bool enabled) override { TimedPowerTimer = enabled; }
  TTimedPower Power;
  bool TimedPowerTimer = false;

 private:
  test_support::THostForm* FHost = nullptr;
  TMemo* FMemo = nullptr;
  TPanel* FPages = nullptr;
  TStringList FPresets;

  // The colour keys as the grid reads them: from the file, on every read.
  class TGridColours : public ISettingsStore {
   public:
    explicit TGridColours(TTestMainWindow& main) : FMain(main) {}
    String ReadString(const String& section, const String& key, const String& def) override {
      return TCfgIni(FMain.GridSettingsFile).ReadString(section, key, def);
    }
    void WriteString(const String& section, const String& key, const String& value) override {
      TCfgIni(FMain.GridSettingsFile).WriteString(section, key, value);
    }

   private:
    TTestMainWindow& FMain;
  };
  TGridColours FGridColours{*this};
  TStringGrid* FGrid = nullptr;
  TWallGridView* FGridView = nullptr;
  TImage* FLogo = nullptr;
};

}  // namespace app_test
