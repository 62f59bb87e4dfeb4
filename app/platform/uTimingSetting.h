// The timing settings window ("定时设置"): one power-on time, one power-off
// time, a repeat mode and an on/off box for the whole wall, stored in
// [timesetting] and handed to the main window's timed power timer. Modeless,
// fixed size; its layout in uTimingSetting.dfm.
#pragma once

#include <memory>

#include "CfgIni.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "Settings.h"
#include "StdCtrls.h"

class TcxButton;
class TcxCheckBox;
class TcxComboBox;

class TfrmTimingSetting : public TForm {
  VAMIRE_CLASS(TfrmTimingSetting, TForm)
 public:
  using TForm::TForm;
  ~TfrmTimingSetting() override;

  TLabel* lblExecMode = nullptr;
  TcxComboBox* cbbExecMode = nullptr;  // "单次不重复" (0), "每天重复" (1)
  TLabel* lblOpenSys = nullptr;
  TLabeledEdit* lbledtOHours = nullptr;
  TLabeledEdit* lbledtOMin = nullptr;
  TLabel* lblCloseSys = nullptr;
  TLabeledEdit* lbledtCHours = nullptr;
  TLabeledEdit* lbledtCMin = nullptr;
  TcxCheckBox* cbFlag = nullptr;
  TcxButton* btnOK = nullptr;
  TcxButton* btnClose = nullptr;

  // The file of the window's one settings object, made at the first show or
  // OK and kept for the run: "cfg.ini" beside the program.
  String SettingsFile = CfgFileName;

  // The English texts; the main window's ApplyEnglishCaptions calls it. The
  // repeat list becomes "No Repeat", "Each Hour", "Each Day" (both later
  // items repeat daily).
  void ApplyEnglishCaptions();

  void FormShow(TObject* Sender);
  void cbbExecModePropertiesChange(TObject* Sender);
  // Checks every time field before anything is written (D-29): a field that
  // is no decimal integer raises the runtime's conversion error and the
  // file, the timer and the main window's fields stay as they were.
  void btnOKClick(TObject* Sender);
  void btnCloseClick(TObject* Sender);

 protected:
  void Loaded() override;

 private:
  ISettingsStore& Settings();
  std::unique_ptr<TCfgIni> FSettings;
};
