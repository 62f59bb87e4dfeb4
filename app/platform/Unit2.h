// The communication settings window ("通讯配置"): serial or wireless link, the
// ports of the wall controller and of the two matrices, the two linkage boxes,
// automatic opening at start-up and the bridge's address. Its controls are the
// live settings the link routines read on every call (the main window answers
// IConsoleState from them); the main window's loading block fills them from
// "cfg.ini" (LoadSettings) and OK stores them. The window itself opens or
// closes no link. Modeless, fixed size; its layout in Unit2.dfm.
#pragma once

#include "Forms.h"
#include "Settings.h"
#include "StdCtrls.h"

class TcxButton;
class TcxCheckBox;
class TcxComboBox;
class TcxGroupBox;
class TcxRadioButton;

class TForm2 : public TForm {
  VAMIRE_CLASS(TForm2, TForm)
 public:
  using TForm::TForm;

  TcxGroupBox* GroupBox1 = nullptr;  // "连接方式"
  TcxRadioButton* rbSerial = nullptr;
  TcxRadioButton* rbRemote = nullptr;
  TcxGroupBox* GroupBox2 = nullptr;  // "串口设置"
  TcxGroupBox* GroupBox3 = nullptr;  // "拼接设备控制端口"
  TLabel* Label1 = nullptr;
  TcxComboBox* ComboBox1 = nullptr;  // the wall controller's port
  TcxGroupBox* GroupBox4 = nullptr;  // "视频矩阵控制端口"
  TLabel* Label2 = nullptr;
  TcxComboBox* ComboBox2 = nullptr;  // the video matrix's port (port A)
  TcxCheckBox* CheckBox2 = nullptr;  // video matrix linkage
  TcxGroupBox* GroupBox5 = nullptr;  // "RGB/VGA/DVI矩阵控制端口"
  TLabel* Label3 = nullptr;
  TcxComboBox* ComboBox3 = nullptr;  // the RGB/VGA/DVI matrix's port (port B)
  TcxCheckBox* CheckBox3 = nullptr;  // RGB/VGA/DVI matrix linkage
  TcxButton* btnRefresh = nullptr;   // "刷新"
  TcxGroupBox* GroupBox6 = nullptr;  // "无线设置"
  TLabel* Label4 = nullptr;
  TEdit* EditIP = nullptr;           // the bridge's address
  TLabel* Label5 = nullptr;
  TEdit* EditPort = nullptr;         // the bridge's TCP port
  TcxCheckBox* CheckBox1 = nullptr;  // "启动软件自动连接串口"
  TcxButton* Button1 = nullptr;      // "确定"
  TcxButton* Button2 = nullptr;      // "取消"

  // The file OK writes; a name without a folder lies beside the program.
  // Tests point it at a file of their own.
  String SettingsFile = CfgFileName;

  void FormShow(TObject* Sender);
  void rbSerialClick(TObject* Sender);
  void rbRemoteClick(TObject* Sender);
  void btnRefreshClick(TObject* Sender);
  void Button1Click(TObject* Sender);
  void Button2Click(TObject* Sender);

  // The window's rows of the main window's loading block: the [setting]
  // link keys into the controls. A stored port whose list position does not
  // exist shows as "COM" and its number.
  void LoadSettings(ISettingsStore& store);
  // What the controls hold now, as OK stores it.
  TLinkControls LinkControls();
  // Replaces the entries of the three port lists, selecting the first;
  // no names leave the lists as they are.
  void SetPortLists(const std::vector<String>& names);
  // Enables the controls of the transport that is chosen.
  void EnableTransportControls();

 protected:
  void Loaded() override;

 private:
  void ApplyEnglishTexts();
};
