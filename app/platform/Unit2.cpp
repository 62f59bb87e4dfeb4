#include "Unit2.h"

#include "CfgIni.h"
#include "ConsoleForms.h"
#include "ConsoleState.h"
#include "MainWindow.h"
#include "SerialComm.h"
#include "SerialPorts.h"
#include "Streaming.h"
#include "SysUtils.h"
#include "cxButtons_win.h"
#include "cxCheckBox_win.h"
#include "cxDropDownEdit_combo_win.h"
#include "cxGroupBox_win.h"
#include "cxRadioGroup_win.h"

VAMIRE_PUBLISHED(TForm2, Handler(L"FormShow", &TForm2::FormShow), Handler(L"rbSerialClick", &TForm2::rbSerialClick),
                 Handler(L"rbRemoteClick", &TForm2::rbRemoteClick),
                 Handler(L"btnRefreshClick", &TForm2::btnRefreshClick),
                 Handler(L"Button1Click", &TForm2::Button1Click), Handler(L"Button2Click", &TForm2::Button2Click))

namespace {

// A port list shows the stored port's entry; a port beyond the list (one a
// refresh found above COM16) is shown by its name, so that it is opened and
// stored again as it was.
void SelectPort(TcxComboBox* list, int stored) {
  TStringList* items = list->Properties()->Items();
  const int index = (stored < 1 ? 1 : stored) - 1;
  if (index < items->Count()) {
    list->SetItemIndex(index);
    return;
  }
  list->SetItemIndex(-1);
  list->SetText(PortListText(stored, {}));
}

}  // namespace

void TForm2::Loaded() {
  inherited::Loaded();
  BindFormComponents(this, L"GroupBox1", GroupBox1, L"rbSerial", rbSerial, L"rbRemote", rbRemote, L"GroupBox2",
                     GroupBox2, L"GroupBox3", GroupBox3, L"Label1", Label1, L"ComboBox1", ComboBox1, L"GroupBox4",
                     GroupBox4, L"Label2", Label2, L"ComboBox2", ComboBox2, L"CheckBox2", CheckBox2, L"GroupBox5",
                     GroupBox5, L"Label3", Label3, L"ComboBox3", ComboBox3, L"CheckBox3", CheckBox3, L"btnRefresh",
                     btnRefresh, L"GroupBox6", GroupBox6, L"Label4", Label4, L"EditIP", EditIP, L"Label5", Label5,
                     L"EditPort", EditPort, L"CheckBox1", CheckBox1, L"Button1", Button1, L"Button2", Button2);
}

void TForm2::ApplyEnglishTexts() {
  SetCaption(L"Comm Config");
  GroupBox1->SetCaption(L"Connect Method");
  rbSerial->SetCaption(L"Serial Port");
  rbRemote->SetCaption(L"Wireless");
  GroupBox2->SetCaption(L"Serial Port Setting");
  GroupBox3->SetCaption(L"LCD Control ports");
  GroupBox4->SetCaption(L"Video Control ports");
  GroupBox5->SetCaption(L"VGA Control ports");
  for (TLabel* label : {Label1, Label2, Label3}) label->SetCaption(L"Com Num.");
  CheckBox2->SetCaption(L"Select With Mux");
  CheckBox3->SetCaption(L"Select With Mux");
  btnRefresh->SetCaption(L"Refresh");
  GroupBox6->SetCaption(L"Wireless Setting");
  Label4->SetCaption(L"IP Address");
  Label5->SetCaption(L"Port");
  CheckBox1->SetCaption(L"Auto Open");
  Button1->SetCaption(L"OK");
  Button2->SetCaption(L"Cancel");
}

void TForm2::EnableTransportControls() {
  const bool serial = rbSerial->Checked();
  for (TControl* control : std::initializer_list<TControl*>{ComboBox1, ComboBox2, ComboBox3, CheckBox2, CheckBox3,
                                                            btnRefresh})
    control->SetEnabled(serial);
  EditIP->SetEnabled(!serial);
  EditPort->SetEnabled(!serial);
}

void TForm2::FormShow(TObject*) {
  IMainWindow* main = MainWindow();
  if (main && main->Language() == 1) ApplyEnglishTexts();
  EnableTransportControls();
}

void TForm2::rbSerialClick(TObject*) { EnableTransportControls(); }

void TForm2::rbRemoteClick(TObject*) { EnableTransportControls(); }

void TForm2::SetPortLists(const std::vector<String>& names) {
  if (names.empty()) return;
  for (TcxComboBox* list : {ComboBox1, ComboBox2, ComboBox3}) {
    TStringList* items = list->Properties()->Items();
    items->BeginUpdate();
    items->Clear();
    for (const String& name : names) items->Add(name);
    items->EndUpdate();
    list->SetItemIndex(0);
  }
}

void TForm2::btnRefreshClick(TObject*) { SetPortLists(PresentSerialPorts()); }

TLinkControls TForm2::LinkControls() {
  TLinkControls c;
  c.WallPort = ComboBox1->Text();
  c.PortA = ComboBox2->Text();
  c.PortB = ComboBox3->Text();
  c.AutoOpen = CheckBox1->Checked();
  c.AutoOpenA = CheckBox2->Checked();
  c.AutoOpenB = CheckBox3->Checked();
  c.Serial = rbSerial->Checked();
  c.IPAddress = EditIP->Text();
  c.Port = EditPort->Text();
  return c;
}

void TForm2::LoadSettings(ISettingsStore& store) {
  const TLinkSettings s = ReadLinkSettings(store);
  SelectPort(ComboBox1, s.ComPort);
  SelectPort(ComboBox2, s.ComPortA);
  SelectPort(ComboBox3, s.ComPortB);
  CheckBox1->SetChecked(s.AutoOpen);
  CheckBox2->SetChecked(s.AutoOpenA);
  CheckBox3->SetChecked(s.AutoOpenB);
  if (s.SerialCtrl) rbSerial->SetChecked(true);
  else rbRemote->SetChecked(true);
  EditIP->SetText(s.IPAddress);
  EditPort->SetText(s.Port);
  EnableTransportControls();
}

// A port name with no number after "COM" stops the writes at that key with
// the runtime's conversion message; the keys before it stay written and the
// window stays open for the name to be mended.
void TForm2::Button1Click(TObject*) {
  TCfgIni ini(SettingsFile);
  try {
    WriteLinkSettings(ini, LinkControls());
  } catch (const EConvertError& e) {
    Application->ShowException(e);
    return;
  }
  if (IConsoleState* console = LinkConsole()) {
    if (TComm* comm = console->Comm1()) comm->SetCommName(L"//./" + ComboBox1->Text());
    if (TComm* comm = console->Comm2()) comm->SetCommName(L"//./" + ComboBox2->Text());
    if (TComm* comm = console->Comm3()) comm->SetCommName(L"//./" + ComboBox3->Text());
  }
  Close();
}

// The edited values stay in the controls, and so in force for the links,
// until the program ends; only the file is left alone.
void TForm2::Button2Click(TObject*) { Close(); }
