#include "uTimingSetting.h"

#include "CfgIni.h"
#include "ConsoleForms.h"
#include "ConsoleRoles.h"
#include "MainWindow.h"
#include "Schedules.h"
#include "cxButtons_win.h"
#include "cxCheckBox_win.h"
#include "cxDropDownEdit_combo_win.h"

VAMIRE_PUBLISHED(TfrmTimingSetting, Handler(L"FormShow", &TfrmTimingSetting::FormShow),
                 Handler(L"cbbExecModePropertiesChange", &TfrmTimingSetting::cbbExecModePropertiesChange),
                 Handler(L"btnOKClick", &TfrmTimingSetting::btnOKClick),
                 Handler(L"btnCloseClick", &TfrmTimingSetting::btnCloseClick))

TfrmTimingSetting::~TfrmTimingSetting() = default;

void TfrmTimingSetting::Loaded() {
  inherited::Loaded();
  BindFormComponents(this, L"lblExecMode", lblExecMode, L"cbbExecMode", cbbExecMode, L"lblOpenSys", lblOpenSys,
                     L"lbledtOHours", lbledtOHours, L"lbledtOMin", lbledtOMin, L"lblCloseSys", lblCloseSys,
                     L"lbledtCHours", lbledtCHours, L"lbledtCMin", lbledtCMin, L"cbFlag", cbFlag, L"btnOK", btnOK,
                     L"btnClose", btnClose);
}

ISettingsStore& TfrmTimingSetting::Settings() {
  if (!FSettings) FSettings = std::make_unique<TCfgIni>(SettingsFile);
  return *FSettings;
}

void TfrmTimingSetting::ApplyEnglishCaptions() {
  const std::vector<TCaptionPair>& table = TimingWindowCaptions();
  SetCaption(EnglishCaption(table, Caption()));
  for (TLabel* label : {lblExecMode, lblOpenSys, lblCloseSys}) label->SetCaption(EnglishCaption(table, label->Caption()));
  for (TLabeledEdit* edit : {lbledtOHours, lbledtOMin, lbledtCHours, lbledtCMin})
    edit->EditLabel()->SetCaption(EnglishCaption(table, edit->EditLabel()->Caption()));
  cbFlag->SetCaption(EnglishCaption(table, cbFlag->Caption()));
  btnOK->SetCaption(EnglishCaption(table, btnOK->Caption()));
  btnClose->SetCaption(EnglishCaption(table, btnClose->Caption()));
  TStrings* items = cbbExecMode->Properties()->Items();
  items->Clear();
  for (const wchar_t* item : {L"No Repeat", L"Each Hour", L"Each Day"}) items->Add(item);
}

void TfrmTimingSetting::FormShow(TObject*) {
  const TTimingFields f = ReadTimingFields(Settings());
  lbledtOHours->SetText(f.OnHour);
  lbledtOMin->SetText(f.OnMinute);
  lbledtCHours->SetText(f.OffHour);
  lbledtCMin->SetText(f.OffMinute);
  // A new item runs the mode handler; the list starts on a text that is no item.
  cbbExecMode->SetItemIndex(f.Mode);
  cbFlag->SetChecked(f.Flag);
}

void TfrmTimingSetting::cbbExecModePropertiesChange(TObject*) {
  const bool enabled = cbbExecMode->ItemIndex() != 0;
  for (TControl* control : std::initializer_list<TControl*>{lbledtOHours, lbledtOMin, lbledtCHours, lbledtCMin,
                                                            cbFlag, btnOK})
    control->SetEnabled(enabled);
}

void TfrmTimingSetting::btnOKClick(TObject*) {
  TTimingFields f;
  f.OnHour = lbledtOHours->Text();
  f.OnMinute = lbledtOMin->Text();
  f.OffHour = lbledtCHours->Text();
  f.OffMinute = lbledtCMin->Text();
  f.Mode = cbbExecMode->ItemIndex();
  f.Flag = cbFlag->Checked();
  const TTimedPower schedule = TimingSchedule(f);
  WriteTimingFields(Settings(), f);
  if (IMainWindow* main = MainWindow()) {
    main->SetTimedPowerTimer(f.Flag);
    // Switched off, the main window's times stay as they were.
    if (f.Flag) main->TimedPower() = schedule;
  }
  Close();
}

void TfrmTimingSetting::btnCloseClick(TObject*) { Close(); }
