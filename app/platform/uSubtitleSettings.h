// What the subtitle settings window's "打开字幕" and "关闭字幕" do to the two
// subtitle windows, given the dialog's values. The settings window itself
// (its memo and colour list) calls these.
#pragma once

#include "Forms.h"
#include "Subtitles.h"
#include "Unit19.h"
#include "uLEDDisplay.h"

// Applies the settings to both windows, vertical first: background colour,
// text, font, colour and interval; then the colour key (or none), the
// vertical text when `vertical`, and shows the vertical window (`vertical`)
// or the horizontal one, closing the other. A text colour, background
// colour or interval the runtime cannot convert raises EConvertError with
// its message once the colours before it are set, and nothing is shown.
void OpenSubtitleDisplay(const TSubtitleSettings& settings, bool vertical, TfrmLEDDisplay* horizontal,
                         TForm19* upright);
// Hides both windows; nothing is freed.
void CloseSubtitleDisplay(TfrmLEDDisplay* horizontal, TForm19* upright);

// --- The settings window -------------------------------------------------------------------
class TcxMemo;
class TcxColorComboBox;
class TcxCheckBox;
class TcxLabel;
class TcxButton;
class TcxComboBox;
class TLabeledEdit;
class TFontDialog;
class ISettingsStore;

// "字幕设置": the subtitle's text, font, colours, scroll interval and
// transparency; stores them in section "subtitle" and opens or closes the
// subtitle windows. Modeless; its layout in uSubtitleSettings.dfm.
class TfrmSubtitleSettings : public TForm {
  VAMIRE_CLASS(TfrmSubtitleSettings, TForm)
 public:
  using TForm::TForm;

  TcxLabel* cxlblText = nullptr;
  TcxMemo* cxmText = nullptr;
  TcxButton* btnFontSetting = nullptr;
  TcxLabel* cxLabel3 = nullptr;
  TcxColorComboBox* cbbBGColor = nullptr;
  TcxCheckBox* cbTranp = nullptr;
  TcxLabel* cxlblInterval = nullptr;
  TLabeledEdit* lbledtInterval = nullptr;
  TcxButton* btnOpenDisplay = nullptr;
  TcxButton* btnCloseDisplay = nullptr;
  TcxButton* btnSave = nullptr;
  TcxButton* btnClose = nullptr;
  TcxCheckBox* cxCheckBox1 = nullptr;       // "垂直显示", hidden
  TcxCheckBox* CheckBoxShowTime = nullptr;  // "显示时间", hidden
  TcxComboBox* cbbTimeFormat = nullptr;     // hidden, disabled
  TFontDialog* dlgFont = nullptr;

  // The subtitle windows the buttons show and close; by default the first of
  // each class among the application's forms.
  TfrmLEDDisplay* HorizontalWindow = nullptr;
  TForm19* VerticalWindow = nullptr;
  // Where the settings are read and stored; by default "cfg.ini" beside the program.
  ISettingsStore* Store = nullptr;

  // The dialog's values as the windows and the file take them.
  TSubtitleSettings CurrentSettings();
  // Puts stored settings into the dialog (FormShow's reading).
  void LoadSettings(ISettingsStore& store);
  // The 18 background colours, in order.
  void RebuildColorList();

  void FormShow(TObject* Sender);
  void btnFontSettingClick(TObject* Sender);
  void cbTranpClick(TObject* Sender);
  void btnOpenDisplayClick(TObject* Sender);
  void btnCloseDisplayClick(TObject* Sender);
  void btnSaveClick(TObject* Sender);
  void btnCloseClick(TObject* Sender);

 protected:
  void Loaded() override;

 private:
  void FindSubtitleWindows();
  void ApplyEnglish();
};
