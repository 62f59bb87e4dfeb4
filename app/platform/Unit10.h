// The mini panel: a small always-on-top dialog that stands in for the main
// window while it is open, with the preset list and the wall's recall button
// only. Shown modally; its layout in Unit10.dfm. It works on the main window
// through IMainWindow.
#pragma once

#include "Forms.h"
#include "StdCtrls.h"

class TForm10 : public TForm {
  VAMIRE_CLASS(TForm10, TForm)
 public:
  using TForm::TForm;

  TComboBox* ComboBox3 = nullptr;  // the 16 preset names
  TButton* Button1 = nullptr;      // "场景调取"
  TButton* Button2 = nullptr;      // "返回"

  void FormShow(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void Button1Click(TObject* Sender);
  void Button2Click(TObject* Sender);

 protected:
  void Loaded() override;
};

// TForm1.Button4Click: the mini panel made topmost and shown modally.
void ShowMiniPanel();
