// The matrix configuration dialog and the preset rename window: streamed from
// their form files, loaded as the main window's loading block does, stored by
// OK into a real settings file, and "关闭" and the rename checked byte by
// byte on disk, in the Chinese code page and in the Western one.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>

#include "CfgIni.h"
#include "MemorySettings.h"
#include "TestMainWindow.h"
#include "Unit3.h"
#include "Unit9.h"
#include "cxButtons_win.h"
#include "cxCheckBox_win.h"
#include "cxDropDownEdit_combo_win.h"
#include "cxGroupBox_win.h"
#include "cxPC_win.h"
#include "cxRadioGroup_win.h"

using app_test::TMemorySettings;
using app_test::TTestMainWindow;

namespace {

template <class T>
using TFormPtr = std::unique_ptr<T, void (*)(T*)>;
template <class T>
TFormPtr<T> Make() {
  return {TCustomForm::Create<T>(nullptr), [](T* f) { f->Free(); }};
}

std::string ReadBytes(const String& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
void WriteBytes(const String& path, const std::string& bytes) {
  std::ofstream out(path.c_str(), std::ios::binary);
  out << bytes;
}

// A settings file of the test's own in the temporary folder.
class TTempCfg {
 public:
  TTempCfg() {
    wchar_t buf[MAX_PATH];
    DWORD n = GetTempPathW(MAX_PATH, buf);
    Path = String(buf, n) + L"vamire_matrix_" + IntToStr(int(GetCurrentProcessId())) + L".ini";
    DeleteFileW(Path.c_str());
  }
  ~TTempCfg() { DeleteFileW(Path.c_str()); }
  String Path;
};

class MatrixConfigTest : public testing::Test {
 protected:
  void SetUp() override {
    main.Rows = 2;
    main.Columns = 3;
    try {
      form = Make<TForm3>();
    } catch (const Exception& e) {
      FAIL() << link_test::Utf8(e.ClassName() + L": " + e.Message());
    }
  }
  TTestMainWindow main;
  TFormPtr<TForm3> form{nullptr, [](TForm3* f) { f->Free(); }};
};

TEST_F(MatrixConfigTest, TheDialogStreamsWithItsListsTabsAndHandlers) {
  EXPECT_EQ(form->Caption(), L"矩阵配置");
  const std::pair<TcxComboBox*, int> lists[] = {
      {form->ComboBox3, 33}, {form->ComboBox4, 41}, {form->ComboBox5, 19}, {form->ComboBox7, 28}, {form->ComboBox8, 3}};
  for (const auto& [list, count] : lists) {
    EXPECT_EQ(list->Properties()->Items()->Count(), count);
    EXPECT_TRUE(list->Properties()->OnChange == TNotifyEvent(form.get(), &TForm3::ComboBox6Change));
  }
  EXPECT_EQ(form->ComboBox5->Properties()->Items()->Strings(10), L"CREATEK") << "the DVI list's second CREATEK";
  EXPECT_EQ(form->ComboBox8->Properties()->Items()->Strings(2), L"");
  EXPECT_FALSE(form->TabSheet3->TabVisible()) << "the base ports' tab is hidden";
  EXPECT_TRUE(form->TabSheet4->TabVisible());
  EXPECT_EQ(form->RadioGroup1->ItemIndex(), 0);
  EXPECT_TRUE(form->Button5->OnClick == TNotifyEvent(form.get(), &TForm3::Button4Click));
  EXPECT_TRUE(form->Button6->OnClick == TNotifyEvent(form.get(), &TForm3::Button1Click));
  EXPECT_TRUE(form->CheckBox2->OnClick == TNotifyEvent(form.get(), &TForm3::CheckBox2Click));
  EXPECT_TRUE(form->OnShow == TNotifyEvent(form.get(), &TForm3::FormShow));
}

TEST_F(MatrixConfigTest, LoadingFillsManualGridsFromTheirSectionsAndTheRestOneToOne) {
  TMemorySettings store;
  store.Values[{L"setting", L"vgamux"}] = L"13";
  store.Values[{L"setting", L"vga_id"}] = L"07";
  store.Values[{L"setting", L"mux_delay2"}] = L"";
  store.Values[{L"setting", L"comm_send_cfg"}] = L"1";
  store.Values[{L"AVmux", L"AVcustomer mux"}] = L"1";
  for (int i = 0; i < 5; ++i) store.Values[{L"AVmux", IntToStr(i)}] = IntToStr(10 + i);  // key "5" missing
  form->LoadSettings(store, 2, 3);
  EXPECT_EQ(form->ComboBox4->Text(), L"SISO");
  EXPECT_EQ(form->ComboBox3->ItemIndex(), 0);
  EXPECT_EQ(form->LabeledEdit2->Text(), L"07");
  EXPECT_EQ(form->LabeledEdit1->Text(), L"00");
  EXPECT_EQ(form->IntervalPause(), L"");
  EXPECT_EQ(form->ResponsePause(), L"100");
  EXPECT_EQ(form->SendOrder(), 1);
  EXPECT_EQ(form->lbledtHDMIIPort->Text(), L"255");
  EXPECT_EQ(form->MaskEdit1->Text(), L"1");
  EXPECT_TRUE(form->WiringManual(TWiringFamily::AV));
  EXPECT_FALSE(form->WiringManual(TWiringFamily::VGA));
  const std::vector<std::vector<String>> av = {{L"10", L"11", L"12"}, {L"13", L"14", L"0"}};
  const std::vector<std::vector<String>> oneToOne = {{L"1", L"2", L"3"}, {L"4", L"5", L"6"}};
  for (TWiringFamily family : {TWiringFamily::AV, TWiringFamily::VGA, TWiringFamily::DVI}) {
    TStringGrid* grid = form->WiringGrid(family);
    EXPECT_EQ(grid->ColCount(), 3);
    EXPECT_EQ(grid->RowCount(), 2);
    EXPECT_EQ(grid->Width(), 3 * 18 + 18);
    EXPECT_EQ(grid->Height(), 2 * 18 + 18);
    for (int r = 0; r < 2; ++r)
      for (int c = 0; c < 3; ++c)
        EXPECT_EQ(form->WiringCell(family, c, r), (family == TWiringFamily::AV ? av : oneToOne)[r][c]);
  }
  // A panel outside the grid (the wall grew since) reads empty (D-94).
  EXPECT_EQ(form->WiringCell(TWiringFamily::AV, 3, 0), L"");
  EXPECT_EQ(form->WiringCell(TWiringFamily::AV, 0, 2), L"");
  TMatrixSettings s;
  form->ReadMatrixSettings(s);
  EXPECT_EQ(s.VgaBrandIndex, 13);
  EXPECT_EQ(s.VgaBrandText, L"SISO");
  EXPECT_EQ(s.VgaId, L"07");
  EXPECT_EQ(s.VideoBrandText, L"VINET");
}

TEST_F(MatrixConfigTest, ATickedOneToOneGridStoresItsCellsAndACleardOneOnlyItsFlag) {
  TMemorySettings store;
  form->LoadSettings(store, 1, 1);
  form->CheckBox1->SetChecked(true);  // the click resizes to the 2 x 3 wall and fills
  form->StoreSettings(store);
  const std::vector<String> settingKeys = {
      L"videomux", L"vgamux", L"dvimux", L"hdmimux", L"sdimux", L"mux_out0", L"mux_in0", L"video_id", L"vga_id",
      L"DVI_id", L"HDMI_id", L"mux_delay1", L"mux_delay2", L"comm_send_cfg", L"video_inport", L"vga_inport",
      L"dvi_inport", L"hdmi_inport"};
  std::vector<String> expected = settingKeys;
  for (int i = 0; i < 6; ++i) expected.push_back(IntToStr(i));
  expected.insert(expected.end(), {L"AVcustomer mux", L"VGAcustomer mux", L"DVIcustomer mux"});
  EXPECT_EQ(store.Written, expected) << "the table's order, the cells rows outer, then the flags";
  for (int i = 0; i < 6; ++i) EXPECT_EQ((store.Values[{L"AVmux", IntToStr(i)}]), IntToStr(i + 1));
  EXPECT_EQ((store.Values[{L"AVmux", L"AVcustomer mux"}]), L"1");
  EXPECT_EQ((store.Values[{L"VGAmux", L"VGAcustomer mux"}]), L"0");

  // Typed cells go when the box is cleared: the grid is refilled and only the flag is stored.
  form->StringGrid1->SetCells(1, 0, L"9");
  form->CheckBox1->SetChecked(false);
  EXPECT_EQ(form->WiringCell(TWiringFamily::AV, 1, 0), L"2");
  TMemorySettings after;
  form->StoreSettings(after);
  std::vector<String> flagsOnly = settingKeys;
  flagsOnly.insert(flagsOnly.end(), {L"AVcustomer mux", L"VGAcustomer mux", L"DVIcustomer mux"});
  EXPECT_EQ(after.Written, flagsOnly);
  EXPECT_EQ((after.Values[{L"AVmux", L"AVcustomer mux"}]), L"0");

  // "一对一接法" refills all three to the wall as it is now.
  main.Rows = 1;
  main.Columns = 2;
  form->StringGrid3->SetCells(0, 0, L"7");
  form->BitBtn1->Click();
  for (TWiringFamily family : {TWiringFamily::AV, TWiringFamily::VGA, TWiringFamily::DVI}) {
    EXPECT_EQ(form->WiringGrid(family)->ColCount(), 2);
    EXPECT_EQ(form->WiringGrid(family)->RowCount(), 1);
    EXPECT_EQ(form->WiringCell(family, 0, 0), L"1");
    EXPECT_EQ(form->WiringCell(family, 1, 0), L"2");
  }
}

TEST_F(MatrixConfigTest, OkStoresIntoTheFileAndCloseLeavesItByteIdenticalWithTheEditsInForce) {
  TTempCfg cfg;
  const std::string before = "[setting]\r\nvga_id=01\r\nmux_delay1=100\r\n[AVmux]\r\nAVcustomer mux=0\r\n";
  WriteBytes(cfg.Path, before);
  form->SettingsFile = cfg.Path;
  form->Show();
  form->LabeledEdit2->SetText(L"09");
  form->LabeledEdit4->SetText(L"250");
  form->Button6->Click();
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(ReadBytes(cfg.Path), before);
  EXPECT_EQ(form->ResponsePause(), L"250") << "the edits stay in force";

  main.Matrix.SignalTypeIndex = 4;  // SDI: the channel window shows the VGA brand
  form->ComboBox4->SetItemIndex(1);
  form->Show();
  form->Button5->Click();
  EXPECT_FALSE(form->Visible());
  TCfgIni ini(cfg.Path);
  EXPECT_EQ(ini.ReadString(L"setting", L"vga_id", L""), L"09");
  EXPECT_EQ(ini.ReadString(L"setting", L"mux_delay1", L""), L"250");
  EXPECT_EQ(ini.ReadString(L"setting", L"vgamux", L""), L"1");
  EXPECT_EQ(main.ChannelBrandLabel, L"Samplex");
}

TEST_F(MatrixConfigTest, TheChannelWindowsLabelFollowsTheSignalTypeAsGiven) {
  form->ComboBox3->SetItemIndex(4);
  form->ComboBox4->SetItemIndex(0);
  form->ComboBox5->SetItemIndex(5);
  const std::pair<int, const wchar_t*> cases[] = {{0, L"Samplex"}, {1, nullptr}, {2, L"CREATEK"}, {3, L"YJ"},
                                                  {4, L"CREATEK"}, {5, L"YJ"},    {6, nullptr}};
  for (const auto& [type, brand] : cases) {
    SCOPED_TRACE(type);
    String text = L"unchanged";
    EXPECT_EQ(form->BrandForSignalType(type, text), brand != nullptr);
    EXPECT_EQ(text, brand ? String(brand) : String(L"unchanged"));
  }
}

TEST_F(MatrixConfigTest, EachWiringTypeShowsItsOwnGridAndBox) {
  for (int shown = 0; shown < 3; ++shown) {
    SCOPED_TRACE(shown);
    form->ComboBox6->SetItemIndex(shown);
    const TWiringFamily families[] = {TWiringFamily::AV, TWiringFamily::VGA, TWiringFamily::DVI};
    TcxCheckBox* boxes[] = {form->CheckBox1, form->CheckBox2, form->CheckBox3};
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(form->WiringGrid(families[i])->Visible(), i == shown);
      EXPECT_EQ(boxes[i]->Visible(), i == shown);
    }
  }
  // A brand list's change runs the same handler.
  form->ComboBox6->SetItemIndex(1);
  form->StringGrid2->SetVisible(false);
  form->ComboBox7->SetItemIndex(3);
  EXPECT_TRUE(form->StringGrid2->Visible());
}

TEST_F(MatrixConfigTest, EmptyPausesReadOneHundredOnTheNextShowAndEnglishTextsAreSet) {
  main.LanguageFlag = 1;
  form->LabeledEdit4->SetText(L"");
  form->LabeledEdit5->SetText(L"");
  form->Show();
  EXPECT_EQ(form->ResponsePause(), L"100");
  EXPECT_EQ(form->IntervalPause(), L"100");
  EXPECT_EQ(form->Caption(), L"Matrix Setting");
  EXPECT_EQ(form->GroupBox1->Caption(), L"Matrix brand");
  EXPECT_EQ(form->LabeledEdit4->EditLabel()->Caption(), L"The response time");
  EXPECT_EQ(form->RadioGroup1->Properties()->Items()->Items(1)->Caption(), L"Matrix preferred");
  EXPECT_EQ(form->Button6->Caption(), L"Close");
  form->Close();
}

// --- Rename ---------------------------------------------------------------------------------

// Sixteen preset names as the original stored them in code page 936: two
// GBK characters (大厅, 会议) and the number.
std::string StoredName(int n) { return (n % 2 ? "\xB4\xF3\xCC\xFC" : "\xBB\xE1\xD2\xE9") + std::to_string(n); }

class RenameTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string text = "[scene]\r\n";
    for (int n = 1; n <= 16; ++n) text += "scene" + std::to_string(n) + "=" + StoredName(n) + "\r\n";
    WriteBytes(cfg.Path, text);
    // The main window's list, as its loading block read it in this code page.
    TCfgIni ini(cfg.Path);
    std::vector<String> names;
    for (int n = 1; n <= 16; ++n) names.push_back(ReadPresetName(ini, n, 0));
    main.SetPresets(names, 2);
    form->SettingsFile = cfg.Path;
  }
  TTempCfg cfg;
  TTestMainWindow main;
  TFormPtr<TForm9> form = Make<TForm9>();
};

TEST_F(RenameTest, RenamingPresetThreeWritesAllSixteenNamesAndKeepsTheOthersBytes) {
  ShowRenameWindow(L"更改名称 ");
  EXPECT_TRUE(form->Visible());
  EXPECT_EQ(form->Caption(), L"更改名称 ");
  EXPECT_EQ(form->Edit1->Text(), main.PresetText());
  const bool chinese = GetACP() == 936;
  form->Edit1->SetText(chinese ? L"监控" : L"Lobby");
  form->Button1->Click();
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(main.PresetNames()->Strings(2), chinese ? L"监控" : L"Lobby");
  EXPECT_EQ(main.PresetText(), chinese ? L"监控" : L"Lobby");
  std::string expected = "[scene]\r\n";
  for (int n = 1; n <= 16; ++n)
    expected += "scene" + std::to_string(n) + "=" + (n == 3 ? (chinese ? "\xBC\xE0\xBF\xD8" : "Lobby") : StoredName(n)) +
                "\r\n";
  EXPECT_EQ(ReadBytes(cfg.Path), expected);
}

TEST_F(RenameTest, ATypedTextThatNamesNoPresetRenamesNothing) {
  ShowRenameWindow(L"Name...");
  main.SetPresetText(L"typed");
  const std::string before = ReadBytes(cfg.Path);
  form->Edit1->SetText(L"new");
  form->Button1->Click();
  EXPECT_EQ(ReadBytes(cfg.Path), before);
  EXPECT_EQ(main.PresetNames()->IndexOf(L"new"), -1);
  form->Button2->Click();
  EXPECT_FALSE(form->Visible());
}

TEST_F(RenameTest, EnglishTextsOnShow) {
  main.LanguageFlag = 1;
  ShowRenameWindow(L"Name...");
  EXPECT_EQ(form->Label1->Caption(), L"Input New Name");
  EXPECT_EQ(form->Button1->Caption(), L"Change");
  EXPECT_EQ(form->Button2->Caption(), L"Cancel");
  EXPECT_EQ(form->ClientWidth(), 290);
  EXPECT_EQ(form->ClientHeight(), 147);
  form->Close();
}

}  // namespace
