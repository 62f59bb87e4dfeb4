// The password window ("修改密码"): the old password, the new one twice, and
// the new one stored as plain text in the settings file. Modeless, fixed
// size; its layout in Unit8.dfm.
#pragma once

#include "Forms.h"
#include "Settings.h"
#include "StdCtrls.h"

class TcxButton;

class TForm8 : public TForm {
  VAMIRE_CLASS(TForm8, TForm)
 public:
  using TForm::TForm;

  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TEdit* Edit1 = nullptr;  // old password
  TEdit* Edit2 = nullptr;  // new password
  TEdit* Edit3 = nullptr;  // new password again
  TcxButton* Button1 = nullptr;  // "更改"
  TcxButton* Button2 = nullptr;  // "关闭"

  // The file the change is stored in, through an ini-file object of the
  // window's own: "cfg.ini" beside the program.
  String SettingsFile = CfgFileName;

  void FormShow(TObject* Sender);
  void EditKeyPress(TObject* Sender, wchar_t& Key);
  void Button1Click(TObject* Sender);
  void Button2Click(TObject* Sender);

 protected:
  void Loaded() override;
};
