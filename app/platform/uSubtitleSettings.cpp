#include "uSubtitleSettings.h"

#include "CfgIni.h"
#include "ConsoleForms.h"
#include "Dialogs.h"
#include "ExtCtrls.h"
#include "MainWindow.h"
#include "Streaming.h"
#include "SysUtils.h"
#include "cxButtons_win.h"
#include "cxCheckBox_win.h"
#include "cxColorComboBox_win.h"
#include "cxLabel_win.h"
#include "cxMemo_win.h"

void OpenSubtitleDisplay(const TSubtitleSettings& s, bool vertical, TfrmLEDDisplay* horizontal, TForm19* upright) {
  const TColor background = StringToColor(s.BgColorName);
  auto style = [&] {
    return TSubtitleStyle{s.DisplayText, s.FontName, s.ColorName, background, s.FontSize, StrToInt(s.Interval), false};
  };
  upright->SetColor(background);
  upright->ApplySubtitleStyle(style());
  horizontal->SetColor(background);
  horizontal->ApplySubtitleStyle(style());

  if (s.Transparent) {
    const TColor key = SubtitleKeyColor(StringToColor(s.ColorName), background);
    horizontal->rzmrqstsText->SetFillColor(key);
    upright->Label1->SetColor(key);
    for (TForm* window : {static_cast<TForm*>(horizontal), static_cast<TForm*>(upright)}) {
      window->SetColor(key);
      window->SetTransparentColorValue(key);
      window->SetTransparentColor(true);
    }
  } else {
    horizontal->SetTransparentColor(false);
    upright->SetTransparentColor(false);
  }

  if (vertical) {
    upright->Label1->SetCaption(VerticalSubtitleText(s.DisplayText));
    horizontal->Close();
    const bool moves = StrToInt(s.Interval) > 0;
    if (!moves) upright->Label1->SetBounds(0, upright->Label1->Top(), upright->ClientWidth(), upright->Label1->Height());
    upright->Show();
    upright->Timer1->SetEnabled(moves);
  } else {
    upright->Close();
    horizontal->Show();
  }
}

void CloseSubtitleDisplay(TfrmLEDDisplay* horizontal, TForm19* upright) {
  horizontal->Close();
  upright->Close();
}

// --- The settings window -------------------------------------------------------------------
VAMIRE_PUBLISHED(TfrmSubtitleSettings, Handler(L"FormShow", &TfrmSubtitleSettings::FormShow),
                 Handler(L"btnFontSettingClick", &TfrmSubtitleSettings::btnFontSettingClick),
                 Handler(L"cbTranpClick", &TfrmSubtitleSettings::cbTranpClick),
                 Handler(L"btnOpenDisplayClick", &TfrmSubtitleSettings::btnOpenDisplayClick),
                 Handler(L"btnCloseDisplayClick", &TfrmSubtitleSettings::btnCloseDisplayClick),
                 Handler(L"btnSaveClick", &TfrmSubtitleSettings::btnSaveClick),
                 Handler(L"btnCloseClick", &TfrmSubtitleSettings::btnCloseClick))

void TfrmSubtitleSettings::Loaded() {
  inherited::Loaded();
  BindFormComponents(this, L"cxlblText", cxlblText, L"cxmText", cxmText, L"btnFontSetting", btnFontSetting,
                     L"cxLabel3", cxLabel3, L"cbbBGColor", cbbBGColor, L"cbTranp", cbTranp, L"cxlblInterval",
                     cxlblInterval, L"lbledtInterval", lbledtInterval, L"btnOpenDisplay", btnOpenDisplay,
                     L"btnCloseDisplay", btnCloseDisplay, L"btnSave", btnSave, L"btnClose", btnClose,
                     L"cxCheckBox1", cxCheckBox1, L"CheckBoxShowTime", CheckBoxShowTime, L"cbbTimeFormat",
                     cbbTimeFormat, L"dlgFont", dlgFont);
}

void TfrmSubtitleSettings::FindSubtitleWindows() {
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TCustomForm* form = Screen->Forms(i);
    if (!HorizontalWindow) HorizontalWindow = dynamic_cast<TfrmLEDDisplay*>(form);
    if (!VerticalWindow) VerticalWindow = dynamic_cast<TForm19*>(form);
  }
}

TSubtitleSettings TfrmSubtitleSettings::CurrentSettings() {
  TSubtitleSettings s;
  s.DisplayText = cxmText->Text();
  s.FontName = dlgFont->Font()->Name();
  s.ColorName = ColorToString(dlgFont->Font()->Color());
  s.FontSize = dlgFont->Font()->Size();
  s.BgColorName = cbbBGColor->Text();
  s.Interval = lbledtInterval->Text();
  s.Transparent = cbTranp->Checked();
  return s;
}

void TfrmSubtitleSettings::RebuildColorList() {
  TcxColorComboBoxItems* items = cbbBGColor->GetProperties()->GetItems();
  const String text = cbbBGColor->Text();
  items->BeginUpdate();
  items->Clear();
  for (const TSubtitleColor& c : SubtitleBackgroundColors()) items->AddColor(c.Color, c.Name);
  items->EndUpdate();
  // The rebuilt list forgets the value; the stored name stays chosen.
  cbbBGColor->SetText(text);
}

void TfrmSubtitleSettings::LoadSettings(ISettingsStore& store) {
  const TSubtitleSettings s = ReadSubtitleSettings(store, CurrentSettings());
  cxmText->Lines()->SetText(s.DisplayText);
  dlgFont->Font()->SetName(s.FontName);
  dlgFont->Font()->SetColor(StringToColor(s.ColorName));
  dlgFont->Font()->SetSize(s.FontSize);
  lbledtInterval->SetText(s.Interval);
  cbTranp->SetChecked(s.Transparent);
  cbTranpClick(cbTranp);
  RebuildColorList();
  cbbBGColor->SetText(s.BgColorName);
}

void TfrmSubtitleSettings::FormShow(TObject*) {
  if (Store) {
    LoadSettings(*Store);
  } else {
    TCfgIni ini;
    LoadSettings(ini);
  }
  if (MainWindow() && MainWindow()->Language() == 1) ApplyEnglish();
}

void TfrmSubtitleSettings::ApplyEnglish() {
  SetCaption(L"Subtitle Setting");
  cxlblText->SetCaption(L"Text");
  btnFontSetting->SetCaption(L"Font");
  cxLabel3->SetCaption(L"Bkgound Color");
  cbTranp->SetCaption(L"Transparent");
  cxlblInterval->SetCaption(L"Scroll Interval");
  btnOpenDisplay->SetCaption(L"Display");
  btnCloseDisplay->SetCaption(L"Hide");
  btnSave->SetCaption(L"Save");
  btnClose->SetCaption(L"Close");
}

void TfrmSubtitleSettings::btnFontSettingClick(TObject*) { dlgFont->Execute(); }

void TfrmSubtitleSettings::cbTranpClick(TObject*) { cbbBGColor->SetEnabled(!cbTranp->Checked()); }

// A colour or interval the runtime cannot read is the operator's to mend: the
// message says which, and nothing is shown.
void TfrmSubtitleSettings::btnOpenDisplayClick(TObject*) {
  FindSubtitleWindows();
  if (!HorizontalWindow || !VerticalWindow) return;
  try {
    OpenSubtitleDisplay(CurrentSettings(), cxCheckBox1->Checked(), HorizontalWindow, VerticalWindow);
  } catch (const EConvertError& e) {
    ShowMessage(e.Message());
  }
}

void TfrmSubtitleSettings::btnCloseDisplayClick(TObject*) {
  FindSubtitleWindows();
  if (HorizontalWindow && VerticalWindow) CloseSubtitleDisplay(HorizontalWindow, VerticalWindow);
}

void TfrmSubtitleSettings::btnSaveClick(TObject*) {
  if (Store) {
    WriteSubtitleSettings(*Store, CurrentSettings());
    return;
  }
  TCfgIni ini;
  WriteSubtitleSettings(ini, CurrentSettings());
}

void TfrmSubtitleSettings::btnCloseClick(TObject*) { Close(); }
