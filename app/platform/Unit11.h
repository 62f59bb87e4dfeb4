// The edge-blending window ("边缘融合"): the blend widths of the selected
// panels, horizontal and vertical, sent one second apart; the box switches
// the bars on, and switching it off sends 0 for both. Its layout in Unit11.dfm.
#pragma once

#include "Forms.h"
#include "StdCtrls.h"
#include "cxButtons_win.h"
#include "cxCheckBox_win.h"
#include "cxGroupBox_win.h"
#include "cxTrackBar_win.h"

class TForm11 : public TForm {
  VAMIRE_CLASS(TForm11, TForm)
 public:
  using TForm::TForm;

  TcxGroupBox* GroupBox1 = nullptr;
  TcxCheckBox* CheckBox1 = nullptr;
  TLabel* Label5 = nullptr;  // the horizontal width
  TcxTrackBar* TrackBar1 = nullptr;
  TLabel* Label6 = nullptr;  // the vertical width
  TcxTrackBar* TrackBar2 = nullptr;
  TcxButton* BitBtn10 = nullptr;

  void FormShow(TObject* Sender);
  void CheckBox1Click(TObject* Sender);
  void TrackBar1Change(TObject* Sender);
  void TrackBar2Change(TObject* Sender);
  void BitBtn10Click(TObject* Sender);

 protected:
  void Loaded() override;
};
