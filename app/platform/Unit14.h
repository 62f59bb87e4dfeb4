// The channel selection window ("通道选择", TForm14, Chinese only): a compact
// splice dialog. It picks the main window's signal type and a matrix input,
// then splices the grid's selected panels into one picture ("拼接", with the
// matrix outputs routed when linkage is on) or sends the signal to each panel
// by itself ("分解"). The main window fills its input lists and linkage box
// at its first show; nothing in the console shows it.
#pragma once

#include "Buttons.h"
#include "Forms.h"
#include "Settings.h"
#include "StdCtrls.h"
#include "StdLists.h"

class TForm14 : public TForm {
  VAMIRE_CLASS(TForm14, TForm)
 public:
  using TForm::TForm;

  TLabel* Label1 = nullptr;
  TComboBox* ComboBox4 = nullptr;  // the signal type, as the main window's list
  TLabel* Label2 = nullptr;
  TComboBox* ComboBox2 = nullptr;  // video-matrix inputs ("mux_port")
  TComboBox* ComboBox8 = nullptr;  // RGB/DVI-matrix inputs ("VGA DVI mux_port")
  TCheckBox* CheckBox3 = nullptr;  // "矩阵联动", [setting] "MXSQ"
  TGroupBox* GroupBox3 = nullptr;
  TLabel* Label7 = nullptr;  // the brand of the current signal type's matrix
  TBitBtn* BitBtn3 = nullptr;  // "拼接"
  TBitBtn* BitBtn1 = nullptr;  // "分解"

  // The main window's loading block: the linkage box from [setting] "MXSQ"
  // of "cfg.ini" (a stored true runs CheckBox3Click, which writes it back),
  // and the input lists from "矩阵名称.ini", each showing its first name.
  void LoadSettings(ISettingsStore& cfg);
  void LoadInputNames(ISettingsStore& names);
  // Label7 by the main window's signal type: 0 the video matrix's brand, 2 or
  // 4 the VGA matrix's, 3 or 5 the DVI matrix's; 1 and 6 leave it as it is.
  void UpdateBrandLabel();

  // Where the linkage box is written: "cfg.ini" in the program's folder.
  String SettingsFile = CfgFileName;

  void FormShow(TObject* Sender);
  void ComboBox4Change(TObject* Sender);
  void CheckBox3Click(TObject* Sender);
  void BitBtn3Click(TObject* Sender);
  void BitBtn1Click(TObject* Sender);

 protected:
  void Loaded() override;
};
