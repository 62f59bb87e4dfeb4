// The matrix configuration dialog ("矩阵配置"): the brand of each signal
// family's matrix, the matrix ids, the pauses and send order, the inputs
// offered per family and the three wiring grids (AV, VGA, DVI) that say
// which matrix output feeds which panel. Its controls are the live
// configuration that the encoders and the main window read while the
// program runs; OK stores them, "关闭" leaves them in force unstored. Its
// layout in Unit3.dfm.
#pragma once

#include "ExtCtrls.h"
#include "Forms.h"
#include "Grids.h"
#include "Mask.h"
#include "MatrixSettings.h"
#include "Settings.h"
#include "StdCtrls.h"

class TcxButton;
class TcxCheckBox;
class TcxComboBox;
class TcxGroupBox;
class TcxPageControl;
class TcxRadioGroup;
class TcxTabSheet;

class TForm3 : public TForm {
  VAMIRE_CLASS(TForm3, TForm)
 public:
  using TForm::TForm;

  TcxGroupBox* GroupBox1 = nullptr;  // the outer group, captionless in Chinese
  TcxGroupBox* GroupBox2 = nullptr;  // "矩阵厂家选择"
  TcxGroupBox* GroupBox3 = nullptr;  // "高级设置"
  TcxGroupBox* GroupBox4 = nullptr;  // "矩阵输出到拼接器连接示意图"
  TLabel* Label1 = nullptr;  // the brand lists' captions, video to SDI
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TLabel* Label4 = nullptr;
  TLabel* Label5 = nullptr;
  TLabel* Label6 = nullptr;  // "矩阵类型：  "
  TLabel* Label7 = nullptr;  // the note under the wiring grids
  TLabel* Label8 = nullptr;  // which brands use the base ports
  TcxComboBox* ComboBox3 = nullptr;  // video brand
  TcxComboBox* ComboBox4 = nullptr;  // VGA brand
  TcxComboBox* ComboBox5 = nullptr;  // DVI brand
  TcxComboBox* ComboBox7 = nullptr;  // HDMI brand
  TcxComboBox* ComboBox8 = nullptr;  // SDI brand
  TcxComboBox* ComboBox6 = nullptr;  // the wiring grid shown: AV, VGA, DVI
  TcxPageControl* PageControl1 = nullptr;
  TcxTabSheet* TabSheet1 = nullptr;  // "矩阵地址"
  TcxTabSheet* TabSheet2 = nullptr;  // "响应时间"
  TcxTabSheet* TabSheet3 = nullptr;  // "起始地址", hidden
  TcxTabSheet* TabSheet4 = nullptr;  // "矩阵输入路数选择"
  TLabeledEdit* LabeledEdit1 = nullptr;  // video matrix id
  TLabeledEdit* LabeledEdit2 = nullptr;  // VGA matrix id
  TLabeledEdit* LabeledEdit3 = nullptr;  // DVI matrix id
  TLabeledEdit* LabeledEdit6 = nullptr;  // HDMI matrix id
  TLabeledEdit* LabeledEdit4 = nullptr;  // response pause, ms
  TLabeledEdit* LabeledEdit5 = nullptr;  // interval pause, ms
  TcxRadioGroup* RadioGroup1 = nullptr;  // 0 wall first, 1 matrix first
  TLabel* Label9 = nullptr;   // the base ports' captions
  TLabel* Label10 = nullptr;
  TMaskEdit* MaskEdit1 = nullptr;  // the matrix's first output
  TMaskEdit* MaskEdit2 = nullptr;  // the matrix's first input
  TLabeledEdit* lbledtVideoIPort = nullptr;  // inputs offered per family
  TLabeledEdit* lbledtVGAIPort = nullptr;
  TLabeledEdit* lbledtDVIIPort = nullptr;
  TLabeledEdit* lbledtHDMIIPort = nullptr;
  TStringGrid* StringGrid1 = nullptr;  // AV wiring
  TStringGrid* StringGrid2 = nullptr;  // VGA wiring
  TStringGrid* StringGrid3 = nullptr;  // DVI wiring
  TcxCheckBox* CheckBox1 = nullptr;    // manual AV wiring
  TcxCheckBox* CheckBox2 = nullptr;    // manual VGA wiring
  TcxCheckBox* CheckBox3 = nullptr;    // manual DVI wiring
  TcxButton* BitBtn1 = nullptr;        // "一对一接法"
  TcxButton* Button5 = nullptr;        // "确定"
  TcxButton* Button6 = nullptr;        // "关闭"

  // The file OK stores into, through an ini-file object of the dialog's own:
  // "cfg.ini" beside the program.
  String SettingsFile = CfgFileName;

  // The dialog's share of the main window's loading block: brands, ids,
  // pauses, send order, input amounts, base ports and manual-wiring flags,
  // then the three wiring grids sized to the wall (rows x columns) and
  // filled, from their sections where wiring is manual, else one-to-one.
  void LoadSettings(ISettingsStore& store, int rows, int columns);
  // OK's writes, in their order (the dialog stays open).
  void StoreSettings(ISettingsStore& store);

  // What the splice and the encoders read of the dialog, afresh each call.
  int SendOrder();            // RadioGroup1: 0 wall first, 1 matrix first, -1 none
  String ResponsePause();     // LabeledEdit4, as typed
  String IntervalPause();     // LabeledEdit5, as typed
  bool WiringManual(TWiringFamily family);
  // The cell of the panel in column c, row r (from 0); "" outside the grid (D-94).
  String WiringCell(TWiringFamily family, int column, int row);
  TStringGrid* WiringGrid(TWiringFamily family);
  // The brands' indices and texts, the ids and the base ports into `s`.
  void ReadMatrixSettings(TMatrixSettings& s);
  // Per family, video, VGA, DVI, HDMI: the brand's text and the inputs offered.
  void ReadLinkageLists(String (&brandTexts)[4], String (&inputCounts)[4]);
  // The brand name the channel-selection window's model label takes for a
  // signal type index (0 video; 2, 4 VGA; 3, 5 DVI); false: left unchanged.
  bool BrandForSignalType(int signalTypeIndex, String& brand);

  void FormShow(TObject* Sender);
  void Button4Click(TObject* Sender);  // OK
  void Button1Click(TObject* Sender);  // "关闭"
  void CheckBox1Click(TObject* Sender);
  void CheckBox2Click(TObject* Sender);
  void CheckBox3Click(TObject* Sender);
  void BitBtn1Click(TObject* Sender);
  void ComboBox6Change(TObject* Sender);

 protected:
  void Loaded() override;

 private:
  TcxCheckBox* WiringBox(TWiringFamily family);
  // Sizes a grid to the wall the main window shows and fills it one-to-one.
  void RefillOneToOne(TWiringFamily family);
  void ApplyEnglishTexts();
};
