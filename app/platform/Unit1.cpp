#include "Unit1.h"

#include <windows.h>

#include <vector>

#include "CfgIni.h"
#include "ConsoleForms.h"
#include "ConsoleRoles.h"
#include "Dialogs.h"
#include "Links.h"
#include "SerialComm.h"
#include "Sockets.h"
#include "Streaming.h"
#include "SysUtils.h"
#include "PanelCommands.h"
#include "Unit10.h"
#include "Unit15.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit14.h"
#include "Unit9.h"
#include "uTimingSetting.h"
#include "WallGrid.h"
#include "cxButtons_win.h"
#include "cxCheckBox_win.h"
#include "cxDropDownEdit_combo_win.h"
#include "cxGroupBox_win.h"
#include "cxLabel_win.h"
#include "cxPC_win.h"
#include "cxRadioGroup_win.h"
#include "cxTextEdit_control_win.h"
#include "dxSkinsDefaultPainters_win.h"
#include "dxSkinsForm_win.h"
#include "dxStatusBar_win.h"
#include "uPlayMode.h"

VAMIRE_PUBLISHED(TForm1, Handler(L"FormCreate", &TForm1::FormCreate), Handler(L"FormShow", &TForm1::FormShow),
                 Handler(L"FormClose", &TForm1::FormClose), Handler(L"FormResize", &TForm1::FormResize),
                 Handler(L"stringgrid1SelectCell", &TForm1::stringgrid1SelectCell),
                 Handler(L"ComboBox4Change", &TForm1::ComboBox4Change),
                 Handler(L"CheckBox3Click", &TForm1::CheckBox3Click), Handler(L"BitBtn8Click", &TForm1::BitBtn8Click),
                 Handler(L"BitBtn10Click", &TForm1::BitBtn10Click), Handler(L"BitBtn1Click", &TForm1::BitBtn1Click),
                 Handler(L"BitBtn2Click", &TForm1::BitBtn2Click),
                 Handler(L"BitbtnENCHClick", &TForm1::BitbtnENCHClick),
                 Handler(L"rbChineseClick", &TForm1::rbChineseClick),
                 Handler(L"rbEnglishClick", &TForm1::rbEnglishClick),
                 Handler(L"English1Click", &TForm1::English1Click),
                 Handler(L"cbbSkinPropertiesChange", &TForm1::cbbSkinPropertiesChange),
                 Handler(L"BitBtn3Click", &TForm1::BitBtn3Click), Handler(L"BitBtn4Click", &TForm1::BitBtn4Click),
                 Handler(L"BitBtn7Click", &TForm1::BitBtn7Click), Handler(L"BitBtn16Click", &TForm1::BitBtn16Click),
                 Handler(L"btnPlayModeClick", &TForm1::btnPlayModeClick),
                 Handler(L"btnSubtitileSettingClick", &TForm1::btnSubtitileSettingClick),
                 Handler(L"N15Click", &TForm1::N15Click))

namespace {

String& ConsoleFolderOverride() {
  static String folder;
  return folder;
}

const wchar_t* const SkinFileName = L"AllSkins.skinres";
const wchar_t* const LogoFileName = L"clogo.jpg";
const wchar_t* const DefaultSkinName = L"MoneyTwins";
const wchar_t* const DefaultWallName = L"LCD WALL";
const wchar_t* const EnglishCaption_ = L" Quellor";
// The wider English address buttons and the serial-number label's shift.
const int EnglishAddressButtonGrowth = 20;
const int EnglishSerialLabelShift = 12;
// Room the lower page control leaves beside it in the main window.
const int LowerPagesMargin = 8;

// A sibling window of the console by its class name: the windows of other
// units are reached by name, so this unit depends on none of their headers.
TCustomForm* FormByClassName(const String& className) {
  if (!Screen) return nullptr;
  for (int i = 0; i < Screen->FormCount(); ++i)
    if (Screen->Forms(i)->ClassName() == className) return Screen->Forms(i);
  return nullptr;
}

TComponent* Part(TComponent* form, const wchar_t* name) { return form ? form->FindComponent(name) : nullptr; }

// What a control of a sibling window holds, whatever kind the window made it.
String TextOf(TComponent* c) {
  if (auto* combo = dynamic_cast<TcxComboBox*>(c)) return combo->Text();
  if (auto* edit = dynamic_cast<TcxTextEdit*>(c)) return edit->Text();
  if (auto* control = dynamic_cast<TControl*>(c)) return control->Text();
  return L"";
}
void SetTextOf(TComponent* c, const String& text) {
  if (auto* combo = dynamic_cast<TcxComboBox*>(c)) return combo->SetText(text);
  if (auto* edit = dynamic_cast<TcxTextEdit*>(c)) return edit->SetText(text);
  if (auto* control = dynamic_cast<TControl*>(c)) control->SetText(text);
}
int IndexOf(TComponent* c, int fallback) {
  if (auto* combo = dynamic_cast<TcxComboBox*>(c)) return combo->ItemIndex();
  if (auto* radios = dynamic_cast<TcxRadioGroup*>(c)) return radios->ItemIndex();
  if (auto* radios = dynamic_cast<TRadioGroup*>(c)) return radios->ItemIndex();
  return fallback;
}
bool CheckedOf(TComponent* c, bool fallback) {
  if (auto* box = dynamic_cast<TcxCheckBox*>(c)) return box->Checked();
  if (auto* radio = dynamic_cast<TcxRadioButton*>(c)) return radio->Checked();
  if (auto* box = dynamic_cast<TCheckBox*>(c)) return box->Checked();
  if (auto* radio = dynamic_cast<TRadioButton*>(c)) return radio->Checked();
  return fallback;
}
void SetCheckedOf(TComponent* c, bool value) {
  if (auto* box = dynamic_cast<TcxCheckBox*>(c)) return box->SetChecked(value);
  if (auto* radio = dynamic_cast<TcxRadioButton*>(c)) return radio->SetChecked(value);
  if (auto* box = dynamic_cast<TCheckBox*>(c)) return box->SetChecked(value);
  if (auto* radio = dynamic_cast<TRadioButton*>(c)) radio->SetChecked(value);
}

// The caption of a component of any kind the console's forms hold, and its change.
bool CaptionOf(TComponent* c, String& caption) {
  if (auto* item = dynamic_cast<TMenuItem*>(c)) {
    caption = item->Caption();
    return true;
  }
  if (auto* edit = dynamic_cast<TCustomLabeledEdit*>(c)) {
    caption = edit->EditLabel()->Caption();
    return true;
  }
  if (dynamic_cast<TcxComboBox*>(c) || dynamic_cast<TcxTextEdit*>(c) || dynamic_cast<TCustomEdit*>(c)) return false;
  if (auto* control = dynamic_cast<TControl*>(c)) {
    caption = control->Caption();
    return true;
  }
  return false;
}
void SetCaptionOf(TComponent* c, const String& caption) {
  if (auto* item = dynamic_cast<TMenuItem*>(c)) return item->SetCaption(caption);
  if (auto* edit = dynamic_cast<TCustomLabeledEdit*>(c)) return edit->EditLabel()->SetCaption(caption);
  if (auto* control = dynamic_cast<TControl*>(c)) control->SetCaption(caption);
}

// Every component of `form` whose caption has an English form in `table` takes it.
void ApplyCaptionTable(TComponent* form, const std::vector<TCaptionPair>& table) {
  if (!form) return;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    TComponent* c = form->Components(i);
    if (dynamic_cast<TMenuItem*>(c) && dynamic_cast<TMainMenu*>(static_cast<TMenuItem*>(c)->GetParentMenu()))
      continue;  // the main menu goes by position
    String caption;
    if (!CaptionOf(c, caption)) continue;
    const String english = EnglishCaption(table, caption);
    if (english != caption) SetCaptionOf(c, english);
  }
}

// The English texts of the lower pages and the pop-up menu (their Chinese
// and English texts are those of the panel commands they send).
const std::vector<TCaptionPair>& PanelPageCaptions() {
  static const std::vector<TCaptionPair> table = {
      // Power group.
      {L"电源开关", L"Power"}, {L"开机", L"PowerOn"}, {L"待机", L"PowerOff"}, {L"延迟开机", L"Delayed"}, {L"秒", L"sec"},
      // Pages.
      {L"温度控制", L"Temperature Control"}, {L"测试", L"Testing"}, {L"软件更新", L"Software Updates"},
      {L"数字模式", L"Digital Mode"}, {L"地址设置", L"Address setting"}, {L"矩阵浏览", L"Mutrix View"},
      {L"预案浏览", L"Model View"}, {L"老化模式", L"Aging Mode"}, {L"LOGO开关", L"Logo Switch"},
      {L"AMD修正", L"AMD Adapt"}, {L"预案开关", L"Scene Switch"},
      // Fan, test and upgrade pages.
      {L"风扇模式选择", L"Fan Mode"}, {L"常开", L"Open"}, {L"常闭", L"Close"}, {L"自动", L"Auto"},
      {L"手动设置", L"Manual"}, {L"运转值", L"Run value"}, {L"关闭值", L"Off value"}, {L"应用", L"Apply"},
      {L"TI模式选择", L"TT Mode"}, {L"两组选择", L"Group Mode"}, {L"A组", L"A Group"}, {L"B组", L"B Group"},
      {L"8/10位调节", L"8/10bit adjust"}, {L"软件版本", L"Software ver."}, {L"手动调试", L"Manual Debug"},
      {L"矩阵浏览开启", L"Matrix browser opens"}, {L"预案浏览开启", L"Plan view open"}, {L"程序升级", L"Update"},
      {L"DVD模式", L"DV Pattern"}, {L"PC模式", L"PC Pattern"},
      // Address page.
      {L"输入序列号：", L"SerialNo"}, {L"行：", L"Row"}, {L"列：", L"Col"}, {L"输入地址：", L"Address"},
      {L"设置地址", L"Set"}, {L"获取序列号", L"Show SerialNo"}, {L"显示地址", L"Show Address"},
      {L"锁定地址", L"Lock"}, {L"解锁地址", L"Refresh"},
      // Browse pages.
      {L"矩阵输入起始端口", L"Mutrix Input Start"}, {L"矩阵输入终止端口", L"Mutrix Input End"},
      {L"矩阵输出起始端口", L"Mutrix Output Start"}, {L"矩阵输出终止端口", L"Mutrix Output End"},
      {L"切换间隔时间（S）", L"Switch Interval(s)"}, {L"起始预案", L"Scene Start"}, {L"终止预案", L"Scene End"},
      {L"信号浏览", L"Signal View"},
      // Aging, logo and graphics-card pages.
      {L"开启", L"Open"}, {L"关闭", L"Close"}, {L"开机LOGO模式", L"StartUp Logo Mode"},
      {L"拼接模式", L"StitchMode"}, {L"单显模式", L"SingleMode"}, {L"显卡类型", L"Graphic Card Type"},
      {L"普通", L"Normal"},
      // Scene-switch page.
      {L"预案", L"Scene"}, {L"时间", L"Time"},
      // Pop-up menu of the grid.
      {L"画面静止", L"Still"}, {L"图像调整", L"Image adjustment"}, {L"本机保存", L"Save"},
      {L"边缘融合", L"Border Effect"}, {L"信号模式", L"Signal pattern"}, {L"无信号黑屏", L"No signal black screen"},
      {L"无信号蓝屏", L"No signal blue screen"}, {L"异型调节", L"Special Regulation"}, {L"模式打开", L"Open"},
      {L"模式关闭", L"Close"}, {L"翻转模式", L"Flip Mode"}, {L"图像正显", L"Positive"}, {L"图像倒显", L"inverse"},
  };
  return table;
}

void ShowFormByClassName(const wchar_t* className) {
  if (TCustomForm* form = FormByClassName(className)) form->Show();
}

}  // namespace

String ConsoleFolder() {
  const String& folder = ConsoleFolderOverride();
  return folder.empty() ? ProgramFolder() : folder;
}

void SetConsoleFolder(const String& folder) {
  String value = folder;
  if (!value.empty() && value.back() != L'\\' && value.back() != L'/') value += L'\\';
  ConsoleFolderOverride() = value;
}

TForm1::~TForm1() {
  if (MainWindow() == this) SetMainWindow(nullptr);
  if (LinkConsole() == this) SetLinkConsole(nullptr);
}

void TForm1::Loaded() {
  inherited::Loaded();
  BindFormComponents(this, L"cxPageControl1", cxPageControl1, L"BitBtn1", BitBtn1, L"BitBtn2", BitBtn2,
                     L"BitbtnENCH", BitbtnENCH, L"cbbSkin", cbbSkin, L"Panel1", Panel1, L"stringgrid1", stringgrid1,
                     L"ComboBox4", ComboBox4, L"ComboBox1", ComboBox1, L"ComboBox8", ComboBox8, L"ComboBox2",
                     ComboBox2, L"ComboBox3", ComboBox3, L"Label2", Label2, L"CheckBox3", CheckBox3, L"GroupBox5",
                     GroupBox5, L"Label7", Label7, L"CheckBox1", CheckBox1, L"Image1", Image1, L"Memo1", Memo1Pane,
                     L"Label3", Label3, L"PageControl1", PageControl1Pages, L"StatusBar1", StatusBar1, L"mnuDebug",
                     mnuDebug, L"Comm1", Comm1Port, L"Comm2", Comm2Port, L"Comm3", Comm3Port, L"socketClient",
                     socketClient, L"dxskncntrlrSkin", dxskncntrlrSkin);
  // Both input lists offer every matrix input until the linkage box fills them for the brand.
  for (TcxComboBox* list : {ComboBox8, ComboBox2}) {
    TStrings* items = list->Properties()->Items();
    items->BeginUpdate();
    for (int n = 1; n <= 255; ++n) items->Add(IntToStr(n));
    items->EndUpdate();
  }
  ComboBox8->SetItemIndex(0);
  FGridView = std::make_unique<TWallGridView>(stringgrid1, &FSettingsForward);
  FGridView->OnDebugKey = TNotifyEvent(this, &TForm1::GridDebugKey);
  Label3->OnResize = TNotifyEvent(this, &TForm1::FitLowerPages);
  SetMainWindow(this);
  SetLinkConsole(this);
  BindOtherUnitsHandlers();
}

// Controls whose work other units do: the panel pages and the grid's pop-up
// items through their command table, the power, scene and opener buttons here.
void TForm1::BindOtherUnitsHandlers() {
  BindPanelControls(this);
  const struct {
    const wchar_t* Name;
    void (TForm1::*Handler)(TObject*);
  } clicks[] = {
      {L"BitBtn5", &TForm1::BitBtn5Click},   {L"BitBtn6", &TForm1::BitBtn6Click},
      {L"CheckBox1", &TForm1::CheckBox1Click}, {L"BitBtn12", &TForm1::BitBtn12Click},
      {L"BitBtn13", &TForm1::BitBtn13Click}, {L"Button2", &TForm1::Button2Click},
      {L"Button4", &TForm1::Button4Click},   {L"BitBtn17", &TForm1::BitBtn17Click},
      {L"BitBtn18", &TForm1::BitBtn18Click}, {L"btnBackColor", &TForm1::btnBackColorClick},
      {L"N7", &TForm1::N7Click},             {L"mnuVideoAdjust", &TForm1::N7Click},
      {L"btnTimeSet", &TForm1::btnTimeSetClick},
  };
  for (const auto& c : clicks) {
    const TNotifyEvent event(this, c.Handler);
    TComponent* found = FindComponent(c.Name);
    if (auto* item = dynamic_cast<TMenuItem*>(found))
      item->OnClick = event;
    else if (auto* control = dynamic_cast<TControl*>(found))
      control->OnClick = event;
  }
  stringgrid1->OnMouseUp = TMouseEvent(this, &TForm1::stringgrid1MouseUp);
}

ISettingsStore& TForm1::Settings() {
  if (!FCfgIni) FCfgIni = std::make_unique<TCfgIni>(ConsoleFolder() + CfgFileName);
  return *FCfgIni;
}

// --- Creation, show, close ---------------------------------------------------------------

void TForm1::FormCreate(TObject*) {
  SetWindowLongW(Handle(), GWL_EXSTYLE, GetWindowLongW(Handle(), GWL_EXSTYLE) | WS_EX_APPWINDOW);
  TStrings* skins = cbbSkin->Properties()->Items();
  skins->Clear();
  // A missing or damaged skin file leaves the list empty; the rest still runs.
  try {
    ReadSkinNames(ConsoleFolder() + SkinFileName, skins, false);
  } catch (const EFOpenError&) {
    skins->Clear();
  }
  FCfgIni.reset();
  ISettingsStore& store = Settings();
  cbbSkin->SetItemIndex(ReadSettingInteger(store, L"SkinName", L"Skin", skins->IndexOf(DefaultSkinName)));
  FLanguage = ReadSettingInteger(store, L"config", L"language", 0);
  FDebugMode = false;
  mnuDebug->SetVisible(false);
  const bool timed = ReadSettingBool(store, L"timesetting", L"flag", false);
  if (auto* timer = dynamic_cast<TTimer*>(FindComponent(L"tmrTimingSet"))) timer->SetEnabled(timed);
  BitbtnENCH->SetCaption(LanguageToggleCaption(FLanguage));
  Power = ReadTimedPower(store);
}

void TForm1::SetTimedPowerTimer(bool enabled) {
  if (auto* timer = dynamic_cast<TTimer*>(FindComponent(L"tmrTimingSet"))) timer->SetEnabled(enabled);
}

void TForm1::FormShow(TObject*) {
  SetCaption(Settings().ReadString(L"config", L"caption", DefaultCaption));
  if (!BackFromMiniPanel) LoadingBlock();
  // The roles apply before the links are handled, so a link that fails to
  // open still leaves the controls in their role's state (D-92).
  UpdateControlStates();
  NamePortsAndHandleLinks();
  ISettingsStore& store = Settings();
  ComboBox4->SetItemIndex(ReadSettingInteger(store, L"setting", L"signalindex", 0));
  CheckBox3->SetChecked(ReadSettingBool(store, L"setting", L"linkage", false));
}

void TForm1::LoadingBlock() {
  ApplyEnglishCaptions();
  ISettingsStore& store = Settings();
  LoadMainWindowSettings(store);
  if (auto* comm = ConsoleForm<TForm2>()) comm->LoadSettings(store);
  if (auto* version = ConsoleForm<TForm5>()) version->ReadUserLine(store);
  auto* splice = ConsoleForm<TForm15>();
  if (splice) splice->LoadSettings(store);
  const int rows = splice ? splice->Rows() : ReadWallRows(store);
  const int columns = splice ? splice->Columns() : ReadWallColumns(store);
  if (auto* matrix = ConsoleForm<TForm3>()) matrix->LoadSettings(store, rows, columns);
  TForm14* channels = ConsoleForm<TForm14>();
  if (channels) channels->LoadSettings(store);
  // The mini panel loads its own rows here once it has any.
  FillPresetList(store);
  if (channels) {
    TCfgIni names(ConsoleFolder() + MatrixNamesFileName);
    channels->LoadInputNames(names);
  }
  const String logo = ConsoleFolder() + LogoFileName;
  if (FileExists(logo)) Image1->Picture()->LoadFromFile(logo);
  if (splice) splice->LoadLogo();
  if (channels) channels->Label7->SetCaption(MatrixSettings().VideoBrandText);
  Label3->SetCaption(splice ? splice->WallName() : store.ReadString(L"config", L"name", DefaultWallName));
  BuildWallGrid(rows, columns);
}

void TForm1::LoadMainWindowSettings(ISettingsStore& store) {
  Role.AdminPassword = store.ReadString(L"config", L"password", L"9174");
  CheckBox1->SetChecked(ReadSettingBool(store, L"setting", L"KJ", false));
  struct TFieldKey {
    const wchar_t* Field;
    const wchar_t* Key;
    const wchar_t* Default;
  };
  static const TFieldKey browse[] = {
      {L"LabeledEdit3", L"Matrix 1", L"01"}, {L"LabeledEdit4", L"Matrix 2", L"01"},
      {L"LabeledEdit5", L"Matrix 3", L"01"}, {L"LabeledEdit6", L"Matrix 4", L"05"},
      {L"LabeledEdit11", L"Matrix 5", L"02"}, {L"LabeledEdit7", L"Time C", L"10"},
      {L"LabeledEdit8", L"scene A", L"01"},   {L"LabeledEdit9", L"scene B", L"05"},
  };
  for (const TFieldKey& f : browse) SetTextOf(FindComponent(f.Field), store.ReadString(L"scene", f.Key, f.Default));
  // The slots' fields first: checking a slot's box arms it from them.
  for (int k = 1; k <= 8; ++k) {
    const String n = IntToStr(k);
    SetTextOf(FindComponent(L"lbledtS" + n), store.ReadString(L"SceneSwitch", L"v" + n, L"0"));
    SetTextOf(FindComponent(L"lbledtT" + n), store.ReadString(L"SceneSwitch", L"h" + n, L"0"));
    SetTextOf(FindComponent(L"edtM" + n), store.ReadString(L"SceneSwitch", L"m" + n, L"0"));
  }
  for (int k = 1; k <= 8; ++k)
    SetCheckedOf(FindComponent(L"CheckBoxS" + IntToStr(k)),
                 ReadSettingBool(store, L"SceneSwitch", L"switch" + IntToStr(k), false));
  SetCheckedOf(FindComponent(L"CheckBox4"), ReadSettingBool(store, L"setting", L"jzll", false));
  SetCheckedOf(FindComponent(L"CheckBox5"), ReadSettingBool(store, L"setting", L"yall", false));
}

void TForm1::FillPresetList(ISettingsStore& store) {
  TStrings* items = ComboBox3->Properties()->Items();
  items->BeginUpdate();
  items->Clear();
  for (int n = 1; n <= PresetCount; ++n) items->Add(ReadPresetName(store, n, FLanguage));
  items->EndUpdate();
  ComboBox3->SetItemIndex(0);
}

void TForm1::NamePortsAndHandleLinks() {
  OpenLinks(CheckedOf(Part(FormByClassName(L"TForm2"), L"CheckBox1"), ReadLinkSettings(Settings()).AutoOpen));
}

void TForm1::OpenLinks(bool open) {
  if (SerialChosen()) {
    NameCommPorts();
    OpenCommPorts(open);
  } else {
    ConnectRemote(open);
  }
}

void TForm1::FormClose(TObject*, TCloseAction&) {
  Comm1Port->ClosePort();
  WriteSettingInteger(Settings(), L"SkinName", L"Skin", cbbSkin->Properties()->Items()->IndexOf(cbbSkin->Text()));
  FCfgIni.reset();
  if (TCustomForm* splash = FormByClassName(L"TForm18")) splash->Close();
}

void TForm1::FormResize(TObject*) { ResizeWallGrid(); }

// --- Wall grid ---------------------------------------------------------------------------

void TForm1::BuildWallGrid(int rows, int columns) {
  FGridView->Build(rows, columns, Panel1->Width(), Panel1->Height());
  ResizeWallGrid();
}

void TForm1::ResizeWallGrid() {
  if (!FGridView || !Panel1) return;
  // The cells share the group box's size less its margin; where the grid
  // inside has less room than that (the box's frame), they shrink so that
  // every panel stays in view: a cell partly out of view would scroll the
  // wall under the pointer when clicked.
  const int columns = stringgrid1->ColCount() - 1, rows = stringgrid1->RowCount() - 1;
  const int line = stringgrid1->GridLineWidth();
  const int width = std::min(Panel1->Width(), stringgrid1->ClientWidth() - WallHeaderColumnWidth -
                                                  (columns + 1) * line + WallGridMargin);
  const int height = std::min(Panel1->Height(), stringgrid1->ClientHeight() - WallHeaderRowHeight -
                                                    (rows + 1) * line + WallGridMargin);
  FGridView->Resize(width, height);
  FitLowerPages(nullptr);
}

// The page control keeps within its group box, whose room the log pane
// shares: its width follows the window's unless the box is narrower.
void TForm1::FitLowerPages(TObject*) {
  if (!Label3 || !PageControl1Pages) return;
  const int room = Label3->ClientWidth() - PageControl1Pages->Left() - LowerPagesMargin;
  PageControl1Pages->SetWidth(std::max(0, std::min(LowerPageControlWidth(Width()), room)));
}

void TForm1::stringgrid1SelectCell(TObject*, int, int, bool& CanSelect) { CanSelect = true; }

void TForm1::GridDebugKey(TObject*) {
  FDebugMode = FGridView->DebugMode();
  ShowDebugControls();
  UpdateControlStates();
}

void TForm1::ShowDebugControls() {
  Memo1Pane->SetVisible(FDebugMode);
  mnuDebug->SetVisible(FDebugMode);
}

void TForm1::SetDebugMode(bool value) {
  FDebugMode = value;
  if (FGridView) FGridView->SetDebugMode(value);
}

// --- Signal type, linkage, splice ------------------------------------------------------------

void TForm1::ComboBox4Change(TObject*) {
  const int index = ComboBox4->ItemIndex();
  ComboBox1->SetItemIndex(index);
  const TSignalTypeView view = SignalTypeView(index);
  if (ComboBox3->Properties()->Items()->Count() > view.PresetIndex) ComboBox3->SetItemIndex(view.PresetIndex);
  ComboBox8->SetVisible(!view.SecondInputList);
  ComboBox2->SetVisible(view.SecondInputList);
  const TMatrixSettings matrix = MatrixSettings();
  String brand;
  switch (view.Brand) {
    case TBrandFamily::Video: brand = matrix.VideoBrandText; break;
    case TBrandFamily::Vga: brand = matrix.VgaBrandText; break;
    case TBrandFamily::Dvi: brand = matrix.DviBrandText; break;
    case TBrandFamily::Hdmi: brand = matrix.HdmiBrandText; break;
    case TBrandFamily::Sdi: brand = TextOf(Part(FormByClassName(L"TForm3"), L"ComboBox8")); break;
    case TBrandFamily::None: break;
  }
  Label7->SetCaption(brand);
}

void TForm1::CheckBox3Click(TObject*) {
  const bool on = CheckBox3->Checked();
  ComboBox8->SetEnabled(on);
  ComboBox2->SetEnabled(on);
  Label2->SetEnabled(on);
  GroupBox5->SetVisible(on);
  ISettingsStore& store = Settings();
  WriteSettingBool(store, L"setting", L"linkage", on);
  WriteSettingBool(store, L"setting", L"MXSQ",
                   CheckedOf(Part(FormByClassName(L"TForm14"), L"CheckBox3"),
                             ReadSettingBool(store, L"setting", L"MXSQ", false)));
  for (TcxComboBox* list : {ComboBox8, ComboBox2}) list->Properties()->Items()->Clear();
  const TMatrixSettings matrix = MatrixSettings();
  TCustomForm* config = FormByClassName(L"TForm3");
  const String brands[4] = {matrix.VideoBrandText, matrix.VgaBrandText, matrix.DviBrandText, matrix.HdmiBrandText};
  const String counts[4] = {
      config ? TextOf(Part(config, L"lbledtVideoIPort")) : store.ReadString(L"setting", L"video_inport", L"255"),
      config ? TextOf(Part(config, L"lbledtVGAIPort")) : store.ReadString(L"setting", L"vga_inport", L"255"),
      config ? TextOf(Part(config, L"lbledtDVIIPort")) : store.ReadString(L"setting", L"dvi_inport", L"255"),
      config ? TextOf(Part(config, L"lbledtHDMIIPort")) : store.ReadString(L"setting", L"hdmi_inport", L"255")};
  const TLinkageInputs inputs = LinkageInputs(SignalTypeIndex(), brands, counts);
  if (!inputs.KeepLabel) Label7->SetCaption(inputs.Label);
  for (TcxComboBox* list : {ComboBox8, ComboBox2}) {
    TStrings* items = list->Properties()->Items();
    items->BeginUpdate();
    for (int n = 1; n <= inputs.Count; ++n) items->Add(IntToStr(n));
    items->EndUpdate();
  }
}

void TForm1::BitBtn8Click(TObject*) { SpliceSelection(*this, Native); }

void TForm1::BitBtn10Click(TObject*) { SingleDisplay(*this); }

// --- Links, language, skins, openers -----------------------------------------------------------

void TForm1::BitBtn1Click(TObject*) { OpenLinks(true); }

void TForm1::BitBtn2Click(TObject*) { OpenLinks(false); }

void TForm1::BitbtnENCHClick(TObject* Sender) {
  FLanguage = ToggledLanguage(FLanguage);
  English1Click(Sender);
}

void TForm1::rbChineseClick(TObject* Sender) {
  FLanguage = LanguageChinese;
  English1Click(Sender);
}

void TForm1::rbEnglishClick(TObject* Sender) {
  FLanguage = LanguageEnglish;
  English1Click(Sender);
}

void TForm1::English1Click(TObject*) {
  WriteSettingInteger(Settings(), L"config", L"language", FLanguage);
  ShowMessage(RestartMessage(FLanguage));
}

void TForm1::cbbSkinPropertiesChange(TObject*) { dxskncntrlrSkin->SetSkinName(cbbSkin->Text()); }

void TForm1::BitBtn3Click(TObject*) { ShowFormByClassName(L"TForm7"); }
void TForm1::BitBtn4Click(TObject*) { ShowFormByClassName(L"TForm5"); }
void TForm1::BitBtn7Click(TObject*) { ShowFormByClassName(L"TForm6"); }
void TForm1::BitBtn16Click(TObject*) { ShowFormByClassName(L"TForm2"); }
void TForm1::btnPlayModeClick(TObject*) { ShowFormByClassName(L"TfrmPlayMode"); }
void TForm1::btnSubtitileSettingClick(TObject*) { ShowFormByClassName(L"TfrmSubtitleSettings"); }
void TForm1::N15Click(TObject*) { ShowFormByClassName(L"TForm16"); }

// --- Roles and English texts ----------------------------------------------------------------

void TForm1::UpdateControlStates() {
  const TRoleFlags flags{Role.AdminLoggedIn, FLinkOpen, FDebugMode};
  for (const TControlStateRule& rule : ControlStateRules()) {
    TComponent* owner = rule.Form == L"TForm1" ? static_cast<TComponent*>(this) : FormByClassName(rule.Form);
    TComponent* c = Part(owner, rule.Control.c_str());
    if (!c) continue;
    const bool value = RuleValue(rule, flags);
    switch (rule.Property) {
      case TControlProperty::Enabled:
        if (auto* item = dynamic_cast<TMenuItem*>(c)) item->SetEnabled(value);
        else if (auto* control = dynamic_cast<TControl*>(c)) control->SetEnabled(value);
        break;
      case TControlProperty::Visible:
        if (auto* item = dynamic_cast<TMenuItem*>(c)) item->SetVisible(value);
        else if (auto* control = dynamic_cast<TControl*>(c)) control->SetVisible(value);
        break;
      case TControlProperty::TabVisible:
        if (auto* sheet = dynamic_cast<TcxTabSheet*>(c)) sheet->SetTabVisible(value);
        break;
    }
  }
}

void TForm1::ApplyEnglishCaptions() {
  if (FLanguage != LanguageEnglish) return;
  SetCaption(EnglishCaption_);
  ApplyCaptionTable(this, MainWindowCaptions());
  ApplyCaptionTable(this, PanelPageCaptions());
  // A disabled label does not lay its new text out by itself (it keeps
  // showing the old one): its properties' change makes it.
  for (int i = 0; i < ComponentCount(); ++i)
    if (auto* label = dynamic_cast<TcxLabel*>(Components(i)); label && !label->Enabled())
      label->LabelProperties()->Changed();
  // The toggle keeps its own text: the language a press switches to.
  BitbtnENCH->SetCaption(LanguageToggleCaption(FLanguage));
  if (auto* adjust = ConsoleForm<TForm4>()) adjust->ApplyEnglishCaptions();
  if (auto* timing = ConsoleForm<TfrmTimingSetting>()) timing->ApplyEnglishCaptions();
  TdxStatusBarPanels* panels = StatusBar1->Panels();
  for (int i = 0; i < 2 && i < panels->Count(); ++i)
    panels->Items(i)->SetText(EnglishCaption(MainWindowCaptions(), panels->Items(i)->Text()));
  // The main menu by position: "系统配置" names both a menu and one of its items.
  if (TMainMenu* menu = Menu()) {
    const std::vector<TCaptionPair>& english = MainMenuCaptions();
    size_t next = 0;
    for (int i = 0; i < menu->Items()->Count(); ++i) {
      TMenuItem* top = menu->Items()->Items(i);
      if (next < english.size()) top->SetCaption(english[next++].English);
      for (int j = 0; j < top->Count(); ++j)
        if (next < english.size()) top->Items(j)->SetCaption(english[next++].English);
    }
  }
  for (const wchar_t* name : {L"btnGetAddress", L"BitbShowAddress"})
    if (auto* button = dynamic_cast<TControl*>(FindComponent(name)))
      button->SetWidth(button->Width() + EnglishAddressButtonGrowth);
  if (auto* label = dynamic_cast<TControl*>(FindComponent(L"cxlbl1")))
    label->SetLeft(label->Left() + EnglishSerialLabelShift);
  // The windows whose English the main window sets.
  SetCaptionOf(Part(FormByClassName(L"TForm4"), L"BitBtn8"), L"Reset");
  ApplyCaptionTable(FormByClassName(L"TForm5"), VersionWindowCaptions());
  ApplyCaptionTable(FormByClassName(L"TfrmTimingSetting"), TimingWindowCaptions());
  ApplyCaptionTable(FormByClassName(L"TfrmSubtitleSettings"), SubtitleWindowCaptions());
}

TControl* TForm1::PageControl1() { return PageControl1Pages; }

void TForm1::SetRolePanelText(const String& text) {
  if (StatusBar1->Panels()->Count() > 1) StatusBar1->Panels()->Items(1)->SetText(text);
}

void TForm1::AddLogLine(const String& line) { Memo1Pane->Lines()->Add(line); }

void TForm1::SetStatusText(const String& text) {
  if (StatusBar1->Panels()->Count() > 0) StatusBar1->Panels()->Items(0)->SetText(text);
}

// --- What the links and the splice read ----------------------------------------------------------

TWallSelection TForm1::SelectionFields() { return FGridView ? FGridView->SelectionFields() : TWallSelection{}; }
TWallSelection TForm1::GridSelection() { return FGridView->GridSelection(); }
void TForm1::SetSelectionFields(const TWallSelection& selection) { FGridView->SetSelectionFields(selection); }

bool TForm1::SerialChosen() {
  return CheckedOf(Part(FormByClassName(L"TForm2"), L"rbSerial"), ReadLinkSettings(Settings()).SerialCtrl);
}

namespace {
String PortText(TComponent* list, int stored) {
  if (list) return TextOf(list);
  return L"COM" + IntToStr(std::max(stored, 1));
}
}  // namespace

String TForm1::WallPortName() {
  return PortText(Part(FormByClassName(L"TForm2"), L"ComboBox1"), ReadLinkSettings(Settings()).ComPort);
}
String TForm1::VideoPortName() {
  return PortText(Part(FormByClassName(L"TForm2"), L"ComboBox2"), ReadLinkSettings(Settings()).ComPortA);
}
String TForm1::VgaPortName() {
  return PortText(Part(FormByClassName(L"TForm2"), L"ComboBox3"), ReadLinkSettings(Settings()).ComPortB);
}
bool TForm1::VideoLinkage() {
  return CheckedOf(Part(FormByClassName(L"TForm2"), L"CheckBox2"), ReadLinkSettings(Settings()).AutoOpenA);
}
bool TForm1::VgaLinkage() {
  return CheckedOf(Part(FormByClassName(L"TForm2"), L"CheckBox3"), ReadLinkSettings(Settings()).AutoOpenB);
}
String TForm1::RemoteHost() {
  TComponent* edit = Part(FormByClassName(L"TForm2"), L"EditIP");
  return edit ? TextOf(edit) : ReadLinkSettings(Settings()).IPAddress;
}
String TForm1::RemotePort() {
  TComponent* edit = Part(FormByClassName(L"TForm2"), L"EditPort");
  return edit ? TextOf(edit) : ReadLinkSettings(Settings()).Port;
}

TMatrixSettings TForm1::MatrixSettings() {
  TMatrixSettings m;
  m.SignalTypeIndex = SignalTypeIndex();
  m.SignalTypeText = ComboBox1->Text();
  m.BrandLabel = Label7->Caption();
  m.Linkage = CheckBox3->Checked();
  ISettingsStore& store = Settings();
  TCustomForm* config = FormByClassName(L"TForm3");
  auto brand = [&](const wchar_t* list, const wchar_t* key, int& index, String& text) {
    TComponent* c = Part(config, list);
    index = c ? IndexOf(c, 0) : ReadSettingInteger(store, L"setting", key, 0);
    text = TextOf(c);
  };
  brand(L"ComboBox3", L"videomux", m.VideoBrandIndex, m.VideoBrandText);
  brand(L"ComboBox4", L"vgamux", m.VgaBrandIndex, m.VgaBrandText);
  brand(L"ComboBox5", L"dvimux", m.DviBrandIndex, m.DviBrandText);
  brand(L"ComboBox7", L"hdmimux", m.HdmiBrandIndex, m.HdmiBrandText);
  auto text = [&](const wchar_t* field, const wchar_t* key, const wchar_t* def) {
    TComponent* c = Part(config, field);
    return c ? TextOf(c) : store.ReadString(L"setting", key, def);
  };
  m.VideoId = text(L"LabeledEdit1", L"video_id", L"00");
  m.VgaId = text(L"LabeledEdit2", L"vga_id", L"01");
  m.DviId = text(L"LabeledEdit3", L"DVI_id", L"01");
  m.HdmiId = text(L"LabeledEdit6", L"HDMI_id", L"01");
  m.OutputBasePort = text(L"MaskEdit1", L"mux_out0", L"1");
  m.InputBasePort = text(L"MaskEdit2", L"mux_in0", L"1");
  return m;
}

int TForm1::InputListIndex() { return ComboBox8->ItemIndex(); }
int TForm1::SignalTypeIndex() { return ComboBox1->ItemIndex(); }
void TForm1::SetSignalType(int index) { ComboBox1->SetItemIndex(index); }
int TForm1::VisibleSignalTypeIndex() { return ComboBox4->ItemIndex(); }
String TForm1::ModelLabel() { return Label7->Caption(); }
bool TForm1::Linkage() { return CheckBox3->Checked(); }
void TForm1::SetCellText(int column, int row, const String& text) { stringgrid1->SetCells(column, row, text); }
void TForm1::StoreSignalIndex(int index) { WriteSettingInteger(Settings(), L"setting", L"signalindex", index); }

int TForm1::SendOrder() {
  TComponent* order = Part(FormByClassName(L"TForm3"), L"RadioGroup1");
  return order ? IndexOf(order, -1) : ReadSettingInteger(Settings(), L"setting", L"comm_send_cfg", 0);
}
String TForm1::ResponsePause() {
  TComponent* field = Part(FormByClassName(L"TForm3"), L"LabeledEdit4");
  return field ? TextOf(field) : Settings().ReadString(L"setting", L"mux_delay1", L"100");
}
String TForm1::IntervalPause() {
  TComponent* field = Part(FormByClassName(L"TForm3"), L"LabeledEdit5");
  return field ? TextOf(field) : Settings().ReadString(L"setting", L"mux_delay2", L"100");
}

namespace {
const wchar_t* WiringBox(TWiringFamily family) {
  switch (family) {
    case TWiringFamily::AV: return L"CheckBox1";
    case TWiringFamily::VGA: return L"CheckBox2";
    case TWiringFamily::DVI: return L"CheckBox3";
  }
  return L"";
}
const wchar_t* WiringGridName(TWiringFamily family) {
  switch (family) {
    case TWiringFamily::AV: return L"StringGrid1";
    case TWiringFamily::VGA: return L"StringGrid2";
    case TWiringFamily::DVI: return L"StringGrid3";
  }
  return L"";
}
}  // namespace

bool TForm1::WiringManual(TWiringFamily family) {
  return CheckedOf(Part(FormByClassName(L"TForm3"), WiringBox(family)), ReadWiringManual(Settings(), family));
}

String TForm1::WiringCell(TWiringFamily family, int column, int row) {
  if (auto* grid = dynamic_cast<TStringGrid*>(Part(FormByClassName(L"TForm3"), WiringGridName(family)))) {
    // A panel outside the grid (the wall grew since) reads as an empty cell (D-94).
    if (column < 0 || row < 0 || column >= grid->ColCount() || row >= grid->RowCount()) return L"";
    return grid->Cells(column, row);
  }
  const int columns = WallColumns();
  if (column < 0 || row < 0 || column >= columns || row >= ReadWallRows(Settings())) return L"";
  return ReadWiringGrid(Settings(), family, columns, ReadWallRows(Settings()))[size_t(row)][size_t(column)];
}

int TForm1::WallColumns() { return stringgrid1->ColCount() - 1; }

// --- The other windows' part ---------------------------------------------------------------

int TForm1::WallRows() { return stringgrid1->RowCount() - 1; }

void TForm1::SetChannelBrandLabel(const String& text) {
  if (auto* label = dynamic_cast<TControl*>(Part(FormByClassName(L"TForm14"), L"Label7"))) label->SetText(text);
}

TStrings* TForm1::PresetNames() { return ComboBox3->Properties()->Items(); }
int TForm1::PresetIndex() { return ComboBox3->ItemIndex(); }
String TForm1::PresetText() { return ComboBox3->Text(); }
void TForm1::SetPresetText(const String& text) { ComboBox3->SetText(text); }
void TForm1::HideForMiniPanel() { Hide(); }

void TForm1::ReturnFromMiniPanel() {
  BackFromMiniPanel = true;
  Show();
}

void TForm1::RepaintWallGrid() { stringgrid1->Repaint(); }
void TForm1::SetWallLogo(TPicture* picture) { Image1->Picture()->Assign(picture); }
void TForm1::SetWallName(const String& name) { Label3->SetCaption(name); }

bool TForm1::DelayedPowerOn() { return CheckBox1->Checked(); }
String TForm1::DelaySeconds() { return TextOf(FindComponent(L"LabeledEdit10")); }

void TForm1::SetSaveCaption(const String& caption) {
  if (auto* button = dynamic_cast<TcxButton*>(FindComponent(L"BitBtn12"))) button->SetCaption(caption);
}

void TForm1::BitBtn5Click(TObject*) { PowerOn(*this); }
void TForm1::BitBtn6Click(TObject*) { Standby(); }
void TForm1::CheckBox1Click(TObject*) { StoreDelayedPowerOn(Settings(), CheckBox1->Checked()); }
void TForm1::BitBtn12Click(TObject*) { SavePreset(*this); }
void TForm1::BitBtn13Click(TObject*) { LoadPreset(*this); }

void TForm1::Button2Click(TObject* Sender) {
  if (auto* button = dynamic_cast<TcxButton*>(Sender)) ShowRenameWindow(button->Caption());
}

void TForm1::Button4Click(TObject*) { ShowMiniPanel(); }
void TForm1::BitBtn17Click(TObject*) { ShowFormByClassName(L"TForm15"); }
void TForm1::BitBtn18Click(TObject*) { ShowFormByClassName(L"TForm3"); }
void TForm1::btnBackColorClick(TObject*) { ShowFormByClassName(L"TForm20"); }
void TForm1::btnTimeSetClick(TObject*) { ShowFormByClassName(L"TfrmTimingSetting"); }

void TForm1::N7Click(TObject*) {
  if (auto* adjust = ConsoleForm<TForm4>()) adjust->OpenForAdministrator();
}

void TForm1::stringgrid1MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
  FGridView->stringgrid1MouseUp(Sender, Button, Shift, X, Y);
  if (auto* adjust = ConsoleForm<TForm4>()) adjust->ShowSelectionRange(GridSelection());
}
