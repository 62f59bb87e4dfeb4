// The communication settings window (TForm2): its form file, the settings it
// loads and stores through a real file beside the test program, the port
// lists refreshed from the registry (read, never written), and the enabling
// by transport chosen with the real pointer. Every message box is answered
// through the dialog service and its text asserted.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "CfgIni.h"
#include "DialogService.h"
#include "SerialComm.h"
#include "SerialPorts.h"
#include "SysUtils.h"
#include "TestMainWindow.h"
#include "Unit2.h"
#include "cxButtons_win.h"
#include "cxCheckBox_win.h"
#include "cxDropDownEdit_combo_win.h"
#include "cxGroupBox_win.h"
#include "cxRadioGroup_win.h"
#include "support/RealKeys.h"

namespace {

using app_test::TTestMainWindow;
using test_support::PumpFor;

using TForm2Ptr = std::unique_ptr<TForm2, void (*)(TForm2*)>;

TForm2Ptr MakeForm2() { return {TCustomForm::Create<TForm2>(nullptr), [](TForm2* f) { f->Free(); }}; }

std::vector<String> ListItems(TcxComboBox* list) {
  std::vector<String> items;
  TStringList* strings = list->Properties()->Items();
  for (int i = 0; i < strings->Count(); ++i) items.push_back(strings->Strings(i));
  return items;
}

// A settings file of the test's own beside the program, removed before and after.
class CommSettingsTest : public testing::Test {
 protected:
  void SetUp() override {
    file = ProgramFolder() + L"comm_settings_" + IntToStr(int(GetCurrentProcessId())) + L".ini";
    DeleteFileW(file.c_str());
  }
  void TearDown() override { DeleteFileW(file.c_str()); }
  bool FileExists() const { return GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES; }
  String Stored(const wchar_t* key) { return TCfgIni(file).ReadString(L"setting", key, L"(none)"); }
  TForm2Ptr LoadedForm() {
    TForm2Ptr form = MakeForm2();
    form->SettingsFile = file;
    TCfgIni ini(file);
    form->LoadSettings(ini);
    return form;
  }

  TTestMainWindow main;
  String file;
};

TEST_F(CommSettingsTest, TheFormStreamsWithItsListsAndHandlers) {
  TForm2Ptr form = MakeForm2();
  EXPECT_EQ(form->Caption(), L"通讯配置");
  EXPECT_EQ(form->rbSerial->Caption(), String(L"\x7F") + L"串口");
  for (TcxComboBox* list : {form->ComboBox1, form->ComboBox2, form->ComboBox3}) {
    const std::vector<String> items = ListItems(list);
    ASSERT_EQ(items.size(), 16u);
    EXPECT_EQ(items.front(), L"COM1");
    EXPECT_EQ(items.back(), L"COM16");
    EXPECT_EQ(list->Text(), L"COM1");
    EXPECT_EQ(list->ItemIndex(), 0);
  }
  EXPECT_TRUE(form->rbSerial->Checked());
  EXPECT_TRUE(form->Button1->OnClick == TNotifyEvent(form.get(), &TForm2::Button1Click));
  EXPECT_TRUE(form->Button2->OnClick == TNotifyEvent(form.get(), &TForm2::Button2Click));
  EXPECT_TRUE(form->btnRefresh->OnClick == TNotifyEvent(form.get(), &TForm2::btnRefreshClick));
  EXPECT_TRUE(form->rbSerial->OnClick == TNotifyEvent(form.get(), &TForm2::rbSerialClick));
  EXPECT_TRUE(form->rbRemote->OnClick == TNotifyEvent(form.get(), &TForm2::rbRemoteClick));
  EXPECT_TRUE(form->OnShow == TNotifyEvent(form.get(), &TForm2::FormShow));
}

TEST_F(CommSettingsTest, AMissingFileLoadsTheDefaults) {
  TForm2Ptr form = LoadedForm();
  for (TcxComboBox* list : {form->ComboBox1, form->ComboBox2, form->ComboBox3}) EXPECT_EQ(list->Text(), L"COM1");
  EXPECT_FALSE(form->CheckBox1->Checked());
  EXPECT_FALSE(form->CheckBox2->Checked());
  EXPECT_FALSE(form->CheckBox3->Checked());
  EXPECT_TRUE(form->rbSerial->Checked());
  EXPECT_EQ(form->EditIP->Text(), DefaultBridgeAddress);
  EXPECT_EQ(form->EditPort->Text(), L"8899");
  EXPECT_FALSE(FileExists()) << "loading writes nothing";
}

// What a stored port number shows: its list entry, or its own name when the
// list has no such position (D-93); a number below 1 reads as 1.
struct TStoredPortCase {
  const wchar_t* Stored;
  const wchar_t* Shown;
  int Index;
};

TEST_F(CommSettingsTest, StoredPortsShowTheirEntryOrTheirName) {
  const TStoredPortCase cases[] = {{L"12", L"COM12", 11}, {L"16", L"COM16", 15}, {L"20", L"COM20", -1},
                                   {L"0", L"COM1", 0},    {L"-3", L"COM1", 0},   {L"x", L"COM1", 0}};
  for (const TStoredPortCase& c : cases) {
    SCOPED_TRACE(link_test::Utf8(c.Stored));
    {
      TCfgIni ini(file);
      for (const wchar_t* key : {L"com port", L"com port A", L"com port B"}) ini.WriteString(L"setting", key, c.Stored);
    }
    TForm2Ptr form = LoadedForm();
    for (TcxComboBox* list : {form->ComboBox1, form->ComboBox2, form->ComboBox3}) {
      EXPECT_EQ(list->Text(), c.Shown);
      EXPECT_EQ(list->ItemIndex(), c.Index);
    }
  }
}

// OK stores every key; the next start (a new window loading the file) shows
// what was stored, and the main window's ports are named after the lists.
TEST_F(CommSettingsTest, OkStoresWhatTheNextStartLoads) {
  {
    TForm2Ptr form = LoadedForm();
    form->Show();
    form->ComboBox1->SetItemIndex(11);
    form->ComboBox2->SetText(L"COM20");
    form->ComboBox3->SetItemIndex(6);
    form->CheckBox1->SetChecked(true);
    form->CheckBox3->SetChecked(true);
    form->rbRemote->SetChecked(true);
    form->EditIP->SetText(L"10.1.2.3");
    form->EditPort->SetText(L"7000");
    TDialogAnswerScope dialogs;
    form->Button1->OnClick(form->Button1);
    EXPECT_TRUE(dialogs.Requests().empty());
    EXPECT_FALSE(form->Visible()) << "OK closes the window";
    EXPECT_EQ(main.Comm1()->CommName(), L"//./COM12");
    EXPECT_EQ(main.Comm2()->CommName(), L"//./COM20");
    EXPECT_EQ(main.Comm3()->CommName(), L"//./COM7");
  }
  const std::pair<const wchar_t*, const wchar_t*> stored[] = {
      {L"com port", L"12"},        {L"com port A", L"20"},     {L"com port B", L"7"},
      {L"auto open port", L"1"},   {L"auto open port A", L"0"}, {L"auto open port B", L"1"},
      {L"serialCtrl", L"0"},       {L"IPAddress", L"10.1.2.3"}, {L"Port", L"7000"}};
  for (const auto& [key, value] : stored) EXPECT_EQ(Stored(key), value) << link_test::Utf8(key);
  TForm2Ptr next = LoadedForm();
  EXPECT_EQ(next->ComboBox1->Text(), L"COM12");
  EXPECT_EQ(next->ComboBox2->Text(), L"COM20");
  EXPECT_EQ(next->ComboBox3->Text(), L"COM7");
  EXPECT_TRUE(next->CheckBox1->Checked());
  EXPECT_FALSE(next->CheckBox2->Checked());
  EXPECT_TRUE(next->CheckBox3->Checked());
  EXPECT_TRUE(next->rbRemote->Checked());
  EXPECT_FALSE(next->rbSerial->Checked());
  EXPECT_EQ(next->EditIP->Text(), L"10.1.2.3");
  EXPECT_EQ(next->EditPort->Text(), L"7000");
}

TEST_F(CommSettingsTest, CancelKeepsTheEditsAndWritesNothing) {
  TForm2Ptr form = LoadedForm();
  form->Show();
  form->ComboBox1->SetItemIndex(4);
  form->CheckBox2->SetChecked(true);
  form->Button2->OnClick(form->Button2);
  EXPECT_FALSE(form->Visible());
  EXPECT_FALSE(FileExists());
  EXPECT_EQ(main.Comm1()->CommName(), TComm(nullptr).CommName()) << "Cancel names no port";
  EXPECT_EQ(form->LinkControls().WallPort, L"COM5") << "the edits stay in force for the links";
  EXPECT_TRUE(form->LinkControls().AutoOpenA);
}

// A port name with no number stops the writes at its key with the runtime's
// conversion message; what came before is written, what comes after keeps
// its earlier value, and the window stays open.
TEST_F(CommSettingsTest, APortNameWithoutNumberIsRefusedAndLaterKeysKept) {
  {
    TCfgIni ini(file);
    ini.WriteString(L"setting", L"com port B", L"9");
    ini.WriteString(L"setting", L"serialCtrl", L"0");
    ini.WriteString(L"setting", L"Port", L"1234");
  }
  TForm2Ptr form = LoadedForm();
  form->Show();
  form->ComboBox1->SetItemIndex(2);
  form->CheckBox1->SetChecked(true);
  form->ComboBox2->SetText(L"ABC");
  form->rbSerial->SetChecked(true);
  TDialogAnswerScope dialogs;
  dialogs.Expect(dkMessageBox, IDOK);
  form->Button1->OnClick(form->Button1);
  ASSERT_EQ(dialogs.Requests().size(), 1u);
  EXPECT_EQ(dialogs.Requests()[0].Text, L"'' is not a valid integer value.");
  EXPECT_TRUE(form->Visible()) << "the window stays open";
  EXPECT_EQ(Stored(L"com port"), L"3");
  EXPECT_EQ(Stored(L"auto open port"), L"1");
  EXPECT_EQ(Stored(L"com port A"), L"(none)");
  EXPECT_EQ(Stored(L"com port B"), L"9");
  EXPECT_EQ(Stored(L"serialCtrl"), L"0");
  EXPECT_EQ(Stored(L"Port"), L"1234");
  EXPECT_EQ(main.Comm1()->CommName(), TComm(nullptr).CommName()) << "no port is named";
}

// The registry key's ports, as its reader (checked against the key itself in
// serialports_test) finds them.
TEST_F(CommSettingsTest, RefreshListsWhatTheRegistryKeyHolds) {
  const std::vector<String> present = PresentSerialPorts();
  TForm2Ptr form = LoadedForm();
  form->ComboBox2->SetItemIndex(3);
  form->btnRefresh->OnClick(form->btnRefresh);
  for (TcxComboBox* list : {form->ComboBox1, form->ComboBox2, form->ComboBox3}) {
    if (present.empty()) {
      EXPECT_EQ(ListItems(list).size(), 16u) << "no ports: the lists stay";
      continue;
    }
    EXPECT_EQ(ListItems(list), present);
    EXPECT_EQ(list->ItemIndex(), 0);
    EXPECT_EQ(list->Text(), present.front());
  }
}

// After a refresh found COM3 and COM5 only, a stored 5 is the fifth entry of
// the form's own list at the next start.
TEST_F(CommSettingsTest, ARefreshedListStoresThePortNumber) {
  {
    TForm2Ptr form = LoadedForm();
    form->SetPortLists({L"COM3", L"COM5"});
    EXPECT_EQ(ListItems(form->ComboBox1), (std::vector<String>{L"COM3", L"COM5"}));
    EXPECT_EQ(form->ComboBox1->Text(), L"COM3");
    form->ComboBox1->SetItemIndex(1);
    form->Button1->OnClick(form->Button1);
    form->SetPortLists({});
    EXPECT_EQ(ListItems(form->ComboBox3).size(), 2u) << "no names leave the lists";
  }
  EXPECT_EQ(Stored(L"com port"), L"5");
  EXPECT_EQ(Stored(L"com port A"), L"3");
  EXPECT_EQ(LoadedForm()->ComboBox1->Text(), L"COM5");
}

// Choosing the transport with the pointer enables its controls only.
TEST_F(CommSettingsTest, TheChosenTransportEnablesItsControls) {
  TForm2Ptr form = LoadedForm();
  form->Show();
  SetForegroundWindow(form->Handle());
  PumpFor(100);
  auto click = [](TControl* control) {
    const TPoint at = control->ClientToScreen(TPoint{8, control->Height() / 2});
    SetCursorPos(at.X, at.Y);
    PumpFor(50);
    INPUT in[2]{};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof(INPUT));
    PumpFor(150);
  };
  auto serialControlsEnabled = [&](bool enabled) {
    for (TControl* control : std::initializer_list<TControl*>{form->ComboBox1, form->ComboBox2, form->ComboBox3,
                                                              form->CheckBox2, form->CheckBox3, form->btnRefresh})
      EXPECT_EQ(control->Enabled(), enabled) << link_test::Utf8(control->Name());
    EXPECT_EQ(form->EditIP->Enabled(), !enabled);
    EXPECT_EQ(form->EditPort->Enabled(), !enabled);
  };
  serialControlsEnabled(true);
  click(form->rbRemote);
  EXPECT_TRUE(form->rbRemote->Checked());
  serialControlsEnabled(false);
  EXPECT_FALSE(form->LinkControls().Serial);
  click(form->rbSerial);
  EXPECT_TRUE(form->rbSerial->Checked());
  serialControlsEnabled(true);
}

TEST_F(CommSettingsTest, EnglishTextsOnShow) {
  main.LanguageFlag = 1;
  TForm2Ptr form = LoadedForm();
  form->Show();
  EXPECT_EQ(form->Caption(), L"Comm Config");
  EXPECT_EQ(form->rbSerial->Caption(), L"Serial Port");
  EXPECT_EQ(form->rbRemote->Caption(), L"Wireless");
  EXPECT_EQ(form->GroupBox5->Caption(), L"VGA Control ports");
  EXPECT_EQ(form->Label4->Caption(), L"IP Address");
  EXPECT_EQ(form->Button2->Caption(), L"Cancel");
}

}  // namespace
