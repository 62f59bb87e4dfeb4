// The picture adjustment window ("参数调整"): a remote control that nudges the
// selected panels' picture parameters one step down or up, runs their
// colour-temperature steps and sets their colour gains from a palette of
// 252 swatches. It holds no values and reads no reply; every control sends
// through the link routines to the main window's selection fields. Modeless,
// on top, 711 x 525; its layout in Unit4.dfm, its tables in PictureAdjust.h.
#pragma once

#include "Buttons.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "StdCtrls.h"
#include "WallFrame.h"

class TcxButton;
class TcxPageControl;
class TcxRadioGroup;
class TcxTabSheet;
class TRzPanel;

class TForm4 : public TForm {
  VAMIRE_CLASS(TForm4, TForm)
 public:
  using TForm::TForm;

  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;       // the grid selection the window was opened for
  TBitBtn* BitBtn8 = nullptr;     // "系统复位", enabled with the link (UpdateControlStates)
  TcxPageControl* cxPageControl1 = nullptr;
  TcxTabSheet* TabSheet4 = nullptr;  // "B板调节": destroyed at the first show, then null
  TcxTabSheet* ColorAdjust = nullptr;
  TPanel* Panel1 = nullptr;       // the swatches' parent
  TRzPanel* rzpnl1 = nullptr;     // hidden: the pressed look
  TRzPanel* rzpnl2 = nullptr;     // hidden: the border the pressed panel had
  TRzPanel* rzpnl3 = nullptr;     // the widen/narrow toggle
  TTimer* tmr1 = nullptr;         // 200 ms, one shot: restores the pressed border
  TcxRadioGroup* RadioGroup1 = nullptr;  // "色温调节", hidden and disabled
  TcxButton* Button2 = nullptr;   // "保存调整"
  TcxButton* Button3 = nullptr;   // "关闭"

  // The panel pressed last (a swatch or the toggle); kept after its border is restored.
  TRzPanel* HighlightedSwatch = nullptr;

  // --- What the main window calls -------------------------------------------------------
  // Its English-caption step: "Reset" on BitBtn8.
  void ApplyEnglishCaptions();
  // Its grid's mouse-up: the range label shows the grid's selection.
  void ShowSelectionRange(const TWallSelection& gridSelection);
  // Its pop-up item and main-menu item "图像调整": shows the window for the
  // administrator; false (and nothing shown) for the operator.
  bool OpenForAdministrator();

  // --- Handlers -------------------------------------------------------------------------
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void StepButtonClick(TObject* Sender);
  void MixedStepClick(TObject* Sender);
  void BitBtn8Click(TObject* Sender);
  void Button2Click(TObject* Sender);
  void Button3Click(TObject* Sender);
  void Button4Click(TObject* Sender);
  void Button1Click(TObject* Sender);
  void btnHelpClick(TObject* Sender);
  void RadioGroup1Click(TObject* Sender);
  void PaletteSwatchClick(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void tmr1Timer(TObject* Sender);
  void rzpnl3MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void LoadStepGlyphs();
  void ShowPressed(TRzPanel* panel);
  void KeepOnScreen();
  void SetTexts(int language);
};
