// The administrator window ("管理员"): login with the stored password or the
// built-in maintenance one, logout, and the way to the password window.
// Modeless, fixed size; its layout in Unit7.dfm. It works on the main
// window's role state through IMainWindow.
#pragma once

#include "Forms.h"
#include "Mask.h"
#include "StdCtrls.h"

class TcxButton;

class TForm7 : public TForm {
  VAMIRE_CLASS(TForm7, TForm)
 public:
  using TForm::TForm;

  TLabel* Label1 = nullptr;
  TMaskEdit* MaskEdit1 = nullptr;  // the password, at most 8 characters shown as "*"
  TcxButton* Button1 = nullptr;    // "登录"
  TcxButton* Button4 = nullptr;    // "注销"
  TcxButton* Button3 = nullptr;    // "修改密码"
  TcxButton* Button2 = nullptr;    // "关闭"

  void FormShow(TObject* Sender);
  void MaskEdit1KeyPress(TObject* Sender, wchar_t& Key);
  void Button1Click(TObject* Sender);
  void Button4Click(TObject* Sender);
  void Button3Click(TObject* Sender);
  void Button2Click(TObject* Sender);

 protected:
  void Loaded() override;
};
