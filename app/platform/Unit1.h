// The main console window ("大屏幕拼接控制系统"): the wall grid, the signal,
// scene and power groups, the upper pages of links, dialogs and skins, the
// lower pages of panel settings (debug mode only), the log pane and the
// status bar. Its layout in Unit1.dfm. It loads the settings into itself
// and its sibling windows at its first show, opens the links, and serves
// the other windows (IMainWindow), the link routines (IConsoleState) and
// the splice (ISpliceWindow). Handlers of the pages and groups that other
// units build are bound to them by name once they exist.
#pragma once

#include <memory>

#include "CfgIni.h"
#include "ConsoleState.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "Grids.h"
#include "MainWindow.h"
#include "PowerControl.h"
#include "Presets.h"
#include "Menus.h"
#include "Splice.h"
#include "StdCtrls.h"
#include "WallGridView.h"

class TComm;
class TTcpClient;
class TcxButton;
class TcxCheckBox;
class TcxComboBox;
class TcxGroupBox;
class TcxLabel;
class TcxPageControl;
class TcxRadioButton;
class TcxTabSheet;
class TcxTextEdit;
class TdxSkinController;
class TdxStatusBar;

// Where the console keeps its files ("cfg.ini", "矩阵名称.ini",
// "AllSkins.skinres", "clogo.jpg"): the program's folder, unless a test
// points it elsewhere before the main window is made. Ends with a delimiter.
String ConsoleFolder();
void SetConsoleFolder(const String& folder);  // "" goes back to the program's folder

class TForm1 : public TForm,
               public IMainWindow,
               public IConsoleState,
               public ISpliceWindow,
               public IPowerWindow,
               public IPresetWindow {
  VAMIRE_CLASS(TForm1, TForm)
 public:
  using TForm::TForm;
  ~TForm1() override;

  // --- Controls the main window's own code uses --------------------------------------
  TcxPageControl* cxPageControl1 = nullptr;
  TcxButton* BitBtn1 = nullptr;  // "连接串口/无线"
  TcxButton* BitBtn2 = nullptr;  // "断开串口/无线"
  TcxButton* BitbtnENCH = nullptr;
  TcxComboBox* cbbSkin = nullptr;
  TcxGroupBox* Panel1 = nullptr;  // the grid's group box
  TStringGrid* stringgrid1 = nullptr;
  TcxComboBox* ComboBox4 = nullptr;  // signal type, visible
  TcxComboBox* ComboBox1 = nullptr;  // signal type, hidden: what the commands read
  TcxComboBox* ComboBox8 = nullptr;  // matrix input
  TcxComboBox* ComboBox2 = nullptr;  // matrix input for VIDEO2, at the same place
  TcxComboBox* ComboBox3 = nullptr;  // presets
  TcxLabel* Label2 = nullptr;        // "矩阵输入通道"
  TcxCheckBox* CheckBox3 = nullptr;  // "矩阵联动"
  TcxGroupBox* GroupBox5 = nullptr;  // "矩阵型号", shown with linkage
  TcxLabel* Label7 = nullptr;        // the matrix model
  TcxCheckBox* CheckBox1 = nullptr;  // "延迟开机"
  TImage* Image1 = nullptr;
  TMemo* Memo1Pane = nullptr;        // the log pane Memo1
  TcxGroupBox* Label3 = nullptr;     // holds the lower page control; caption: the wall name
  TcxPageControl* PageControl1Pages = nullptr;  // the lower page control PageControl1
  TdxStatusBar* StatusBar1 = nullptr;
  TMenuItem* mnuDebug = nullptr;
  TComm* Comm1Port = nullptr;
  TComm* Comm2Port = nullptr;
  TComm* Comm3Port = nullptr;
  TTcpClient* socketClient = nullptr;
  TdxSkinController* dxskncntrlrSkin = nullptr;

  // --- Process-wide state held by the main window -------------------------------------
  bool BackFromMiniPanel = false;  // set by the mini panel when it returns
  TAdminRole Role;                 // AdminPassword, AdminLoggedIn, MaintenanceLogin
  int MatrixInputValue = 0;        // TForm1.MatrixInput
  TNativeMatrixState Native;       // NativeRecording .. NativeReplaysPending
  TTimedPower Power;  // PowerOnHour .. TimedPowerMode

  // The settings object of the run (CfgIni), on the console folder's "cfg.ini".
  ISettingsStore& Settings() override;
  TWallGridView* GridView() { return FGridView.get(); }

  // --- Handlers ---------------------------------------------------------------------
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void FormResize(TObject* Sender);
  void stringgrid1SelectCell(TObject* Sender, int ACol, int ARow, bool& CanSelect);
  void ComboBox4Change(TObject* Sender);
  void CheckBox3Click(TObject* Sender);
  void BitBtn8Click(TObject* Sender);   // splice
  void BitBtn10Click(TObject* Sender);  // single display
  void BitBtn1Click(TObject* Sender);   // connect
  void BitBtn2Click(TObject* Sender);   // disconnect
  void BitbtnENCHClick(TObject* Sender);
  void rbChineseClick(TObject* Sender);
  void rbEnglishClick(TObject* Sender);
  void English1Click(TObject* Sender);
  void cbbSkinPropertiesChange(TObject* Sender);
  void BitBtn3Click(TObject* Sender);   // the administrator login
  void BitBtn4Click(TObject* Sender);   // the version window
  void BitBtn7Click(TObject* Sender);   // the debug window
  void BitBtn16Click(TObject* Sender);  // communication settings
  void btnPlayModeClick(TObject* Sender);
  void btnSubtitileSettingClick(TObject* Sender);
  void N15Click(TObject* Sender);       // the special-shape window

  // Sizes the panel cells to the grid's group box, and the lower page control to the window.
  void ResizeWallGrid();
  // The English texts of this window and of the windows whose English it sets, when Language is 1.
  void ApplyEnglishCaptions();
  // Builds the wall grid for the wall's rows and columns.
  void BuildWallGrid(int rows, int columns);

  // --- IMainWindow, IConsoleState, ISpliceWindow --------------------------------------
  TWallSelection SelectionFields() override;
  bool DebugMode() override { return FDebugMode; }
  void SetDebugMode(bool value) override;
  TMemo* Memo1() override { return Memo1Pane; }
  TControl* PageControl1() override;
  void SetRolePanelText(const String& text) override;
  TAdminRole& AdminRole() override { return Role; }
  int Language() override { return FLanguage; }
  void SetLanguage(int value) { FLanguage = value; }
  void UpdateControlStates() override;
  // TForm12, Tform13, TForm14.
  ISpliceWindow& SpliceView() override { return *this; }
  void SetSignalType(int index) override;
  TTimedPower& TimedPower() override { return Power; }
  void SetTimedPowerTimer(bool enabled) override;

  TWallSelection WallSelection() override { return SelectionFields(); }
  bool SerialChosen() override;
  String WallPortName() override;
  String VideoPortName() override;
  String VgaPortName() override;
  bool VideoLinkage() override;
  bool VgaLinkage() override;
  String RemoteHost() override;
  String RemotePort() override;
  TMatrixSettings MatrixSettings() override;
  TComm* Comm1() override { return Comm1Port; }
  TComm* Comm2() override { return Comm2Port; }
  TComm* Comm3() override { return Comm3Port; }
  TTcpClient* SocketClient() override { return socketClient; }
  void AddLogLine(const String& line) override;
  void SetStatusText(const String& text) override;
  bool LinkOpen() override { return FLinkOpen; }
  void SetLinkOpen(bool value) override { FLinkOpen = value; }

  TWallSelection GridSelection() override;
  void SetSelectionFields(const TWallSelection& selection) override;
  int MatrixInput() override { return MatrixInputValue; }
  void SetMatrixInput(int input) override { MatrixInputValue = input; }
  int InputListIndex() override;
  int SignalTypeIndex() override;
  int VisibleSignalTypeIndex() override;
  String ModelLabel() override;
  bool Linkage() override;
  void SetCellText(int column, int row, const String& text) override;
  void StoreSignalIndex(int index) override;
  int SendOrder() override;
  String ResponsePause() override;
  String IntervalPause() override;
  bool WiringManual(TWiringFamily family) override;
  String WiringCell(TWiringFamily family, int column, int row) override;
  int WallColumns() override;

  // The other windows' part of the main window.
  int WallRows() override;
  void SetChannelBrandLabel(const String& text) override;
  TStrings* PresetNames() override;
  int PresetIndex() override;
  String PresetText() override;
  void SetPresetText(const String& text) override;
  void HideForMiniPanel() override;
  void ReturnFromMiniPanel() override;
  void RepaintWallGrid() override;
  void RebuildWallGrid(int rows, int columns) override { BuildWallGrid(rows, columns); }
  void SetWallLogo(TPicture* picture) override;
  void SetWallName(const String& name) override;
  bool DelayedPowerOn() override;
  String DelaySeconds() override;
  void SetSaveCaption(const String& caption) override;
  TNativeMatrixState& NativeState() override { return Native; }
  ISpliceWindow& SpliceWindow() override { return *this; }

  // Handlers whose work other units do.
  void BitBtn5Click(TObject* Sender);   // power on
  void BitBtn6Click(TObject* Sender);   // standby
  void CheckBox1Click(TObject* Sender);  // delayed power on stored
  void BitBtn12Click(TObject* Sender);  // save preset
  void BitBtn13Click(TObject* Sender);  // load preset
  void Button2Click(TObject* Sender);   // rename presets
  void Button4Click(TObject* Sender);   // mini panel
  void BitBtn17Click(TObject* Sender);  // splice configuration
  void BitBtn18Click(TObject* Sender);  // matrix configuration
  void btnBackColorClick(TObject* Sender);
  void btnTimeSetClick(TObject* Sender);
  void N7Click(TObject* Sender);  // picture adjustment, pop-up and main menu
  void stringgrid1MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);

 protected:
  void Loaded() override;

 private:
  void LoadingBlock();
  void BindOtherUnitsHandlers();
  void LoadMainWindowSettings(ISettingsStore& store);
  void FillPresetList(ISettingsStore& store);
  void NamePortsAndHandleLinks();
  void OpenLinks(bool open);
  void ShowDebugControls();

  // The settings as the grid reads them: always the current CfgIni, which
  // the form reopens at creation and releases at close.
  class TSettingsForward : public ISettingsStore {
   public:
    explicit TSettingsForward(TForm1* form) : FForm(form) {}
    String ReadString(const String& section, const String& key, const String& def) override {
      return FForm->Settings().ReadString(section, key, def);
    }
    void WriteString(const String& section, const String& key, const String& value) override {
      FForm->Settings().WriteString(section, key, value);
    }

   private:
    TForm1* FForm;
  };

  std::unique_ptr<TCfgIni> FCfgIni;
  TSettingsForward FSettingsForward{this};
  std::unique_ptr<TWallGridView> FGridView;
  int FLanguage = 0;
  bool FDebugMode = false;
  bool FLinkOpen = false;
  void GridDebugKey(TObject* Sender);
  void FitLowerPages(TObject* Sender);
};
