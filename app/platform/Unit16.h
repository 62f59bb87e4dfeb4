// The special-shape window ("异形调节"): geometry of an irregular wall sent to
// the selected panels, each value as its high and then its low byte, and the
// switch that turns the adjustment on. Its layout in Unit16.dfm.
#pragma once

#include "Forms.h"
#include "StdCtrls.h"

class TForm16 : public TForm {
  VAMIRE_CLASS(TForm16, TForm)
 public:
  using TForm::TForm;

  TGroupBox* GroupBox2 = nullptr;
  TCheckBox* CheckBox1 = nullptr;
  TLabel* Label20 = nullptr;  // the hint in Chinese
  TLabel* LabelEn = nullptr;  // the hint in English
  TLabel* Label21 = nullptr;
  TLabel* Label22 = nullptr;
  TLabel* Label23 = nullptr;
  TLabel* Label24 = nullptr;
  TEdit* Edit2 = nullptr;  // horizontal start
  TEdit* Edit3 = nullptr;  // horizontal size
  TEdit* Edit4 = nullptr;  // vertical start
  TEdit* Edit5 = nullptr;  // vertical size
  TButton* Button5 = nullptr;
  TButton* Button1 = nullptr;
  TButton* Button2 = nullptr;
  TButton* Button3 = nullptr;
  TButton* Button6 = nullptr;      // hidden "开关"
  TGroupBox* GroupBox3 = nullptr;  // hidden fine adjustment
  TButton* Button7 = nullptr;      // its first small button

  void FormShow(TObject* Sender);
  void CheckBox1Click(TObject* Sender);
  // Button5, Button1, Button2 and Button3: the value of the edit beside it.
  void ApplyClick(TObject* Sender);
  void Button6Click(TObject* Sender);
  void Button7Click(TObject* Sender);

 protected:
  void Loaded() override;
};
