// The manual debug window ("调试"): the operator types a frame as hexadecimal
// text and the window writes its bytes as they are to the wall controller's
// port or the wireless bridge, by the connection choice. Chinese in every
// language; its layout in Unit6.dfm.
#pragma once

#include "DebugInput.h"
#include "Forms.h"
#include "StdCtrls.h"

class TForm6 : public TForm {
  VAMIRE_CLASS(TForm6, TForm)
 public:
  using TForm::TForm;

  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TEdit* Edit1 = nullptr;   // the operator's input
  TButton* Button1 = nullptr;
  TEdit* Edit2 = nullptr;   // a copy of the last input sent
  TEdit* Edit3 = nullptr;   // hidden: the digits of the last send
  TLabel* Label3 = nullptr;
  TMemo* Memo1 = nullptr;   // feedback pane, nothing writes to it
  TButton* Button2 = nullptr;

  void Button1Click(TObject* Sender);
  void Button2Click(TObject* Sender);

 protected:
  void Loaded() override;
};
