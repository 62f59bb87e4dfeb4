// The splice configuration window ("拼接配置"): the wall's size in panels,
// the user name the main window shows and the user logo. OK stores the name
// and size in section "config", copies a logo chosen in this opening to
// "clogo.jpg" and rebuilds the main window's grid at once. Modeless; its
// layout in Unit15.dfm. It reaches the main window through IMainWindow.
#pragma once

#include <memory>

#include "CfgIni.h"
#include "ExtCtrls.h"
#include "ExtDlgs.h"
#include "Forms.h"
#include "StdCtrls.h"

class TcxButton;
class TcxComboBox;

class TForm15 : public TForm {
  VAMIRE_CLASS(TForm15, TForm)
 public:
  using TForm::TForm;
  ~TForm15() override;

  TLabel* Label1 = nullptr;
  TEdit* Edit1 = nullptr;  // the user name
  TLabel* Label2 = nullptr;
  TcxComboBox* ComboBox1 = nullptr;  // rows, "1" .. "15"
  TLabel* Label7 = nullptr;
  TcxComboBox* ComboBox2 = nullptr;  // columns, "1" .. "15"
  TLabel* Label8 = nullptr;
  TLabel* Label6 = nullptr;
  TImage* Image1 = nullptr;  // the logo preview
  TcxButton* Button2 = nullptr;  // "图片导入"
  TcxButton* Button7 = nullptr;  // "确定"
  TcxButton* Button8 = nullptr;  // "关闭"
  TOpenPictureDialog* OpenPictureDialog1 = nullptr;

  // The main window's loading block: the wall name ("LCD WALL" when none is
  // stored) and the wall's rows and columns (3 for a count outside 1..15).
  void LoadSettings(ISettingsStore& store);
  // The loading block's logo step: "clogo.jpg", when it exists, into Image1;
  // true when loaded (the main window's logo then takes Image1's picture).
  bool LoadLogo();
  int Rows() const;     // ComboBox1's index + 1
  int Columns() const;  // ComboBox2's index + 1
  String WallName() const { return Edit1->Text(); }

  // The settings file and the logo file; tests point them elsewhere.
  String SettingsFile = CfgFileName;
  String LogoFile;  // "clogo.jpg" in the program's folder

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void Button2Click(TObject* Sender);
  void Button7Click(TObject* Sender);
  void Button8Click(TObject* Sender);

 protected:
  void Loaded() override;

 private:
  std::unique_ptr<TCfgIni> FIni;  // from show to close
  String FChosenPicture;          // loaded into the preview in this opening
};
