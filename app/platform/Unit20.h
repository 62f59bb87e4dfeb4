// The background colour window ("背景颜色设置"): nine swatches in one row;
// a press on one stores its colour name for every selected cell of the main
// window's grid in section "stringgrid" and repaints the grid, which paints
// each stored cell in its colour. "还原" stores "clWhite": keys are never
// removed. Modeless, on top; its layout in Unit20.dfm.
#pragma once

#include "Forms.h"
#include "Settings.h"
#include "StdCtrls.h"

class TForm20 : public TForm {
  VAMIRE_CLASS(TForm20, TForm)
 public:
  using TForm::TForm;

  TLabel* lbl1 = nullptr;  // "clGreen"
  TLabel* lbl2 = nullptr;  // "clYellow"
  TLabel* lbl3 = nullptr;  // "clRed"
  TLabel* lbl4 = nullptr;  // "clBlue"
  TLabel* lbl5 = nullptr;  // "clLime"
  TLabel* lbl6 = nullptr;  // "clFuchsia"
  TLabel* lbl7 = nullptr;  // "clMaroon"
  TLabel* lbl8 = nullptr;  // "clAqua"
  TLabel* lbl9 = nullptr;  // "还原", "clWhite"

  // The settings file; tests point it elsewhere.
  String SettingsFile = CfgFileName;

  void FormShow(TObject* Sender);
  // lbl1Click .. lbl9Click: the pressed swatch's colour name, rows outer.
  void SwatchClick(TObject* Sender);

 protected:
  void Loaded() override;
};
