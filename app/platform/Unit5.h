// The version window ("版本信息"): the console's title and version, the
// user line of the settings file, and a button that has the selected panels
// show their own version. Modeless, on top, its layout in Unit5.dfm.
#pragma once

#include "Forms.h"
#include "Settings.h"
#include "StdCtrls.h"

class TcxButton;

class TForm5 : public TForm {
  VAMIRE_CLASS(TForm5, TForm)
 public:
  using TForm::TForm;

  TLabel* Label1 = nullptr;  // the product's title
  TLabel* Label2 = nullptr;  // "VER:5.0.4"
  TLabel* Label3 = nullptr;  // [config] "USER"
  TButton* Button1 = nullptr;
  TcxButton* BitBtn1 = nullptr;

  // What the main window's show loads into this window: [config] "USER".
  void ReadUserLine(ISettingsStore& store);

  void FormShow(TObject* Sender);
  void Button1Click(TObject* Sender);
  void BitBtn1Click(TObject* Sender);

 protected:
  void Loaded() override;
};
