// The play-mode window ("播放设置"): the panels' start-up play mode and picture
// angle. Each radio button sends its command when pressed, with any mouse
// button and also when it is already the chosen one; moving the choice with
// the keyboard sends nothing. Its layout in uPlayMode.dfm.
#pragma once

#include "Forms.h"
#include "StdCtrls.h"
#include "cxGroupBox_win.h"
#include "cxRadioGroup_win.h"

class TfrmPlayMode : public TForm {
  VAMIRE_CLASS(TfrmPlayMode, TForm)
 public:
  using TForm::TForm;

  TcxGroupBox* cxgrpbxPayMode = nullptr;
  TcxGroupBox* cxgrpbxAngle = nullptr;
  TcxRadioButton* rbPicMode = nullptr;
  TcxRadioButton* rbVidMode = nullptr;
  TcxRadioButton* rbZero = nullptr;
  TcxRadioButton* rbNinty = nullptr;
  TcxRadioButton* rbOheity = nullptr;
  TcxRadioButton* rbThevty = nullptr;

  void FormShow(TObject* Sender);
  // Every radio button's mouse-down: the command of the button pressed.
  void RadioMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);

 protected:
  void Loaded() override;
};
