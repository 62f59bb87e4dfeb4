// The channel selection window (TForm14) on the wire, the wall controller on
// COM5, the video matrix on COM6, the RGB/VGA/DVI matrix on COM7, the
// selection fields 1,1 - 2,2: "分解" one frame per panel 50 ms apart, "拼接"
// with its cell texts and the routing by signal type, the linkage box in
// "cfg.ini", and the input names read from "矩阵名称.ini" in code page 936.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>

#include "CfgIni.h"
#include "EventMainWindow.h"
#include "MemorySettings.h"
#include "Unit12.h"
#include "Unit14.h"
#include "support/RealKeys.h"

namespace {

using app_test::Events;
using app_test::MakeWindow;
using app_test::TRecordedPauses;

// Whether the window was still visible at each 50 ms pause of "分解".
TForm14* Watched = nullptr;
std::vector<bool> VisibleAtPanelPause;
void RecordPauseAndVisibility(uint32_t ms) {
  app_test::RecordPause(ms);
  if (ms == 50) VisibleAtPanelPause.push_back(Watched->Visible());
}

String TempFile(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  return String(folder) + L"c14_" + IntToStr(int(GetCurrentProcessId())) + L"_" + name;
}

class ChannelSelectTest : public app_test::TEventPeerTest {
 protected:
  void SetUp() override {
    TEventPeerTest::SetUp();
    UseLinkedMatrices();
    Main.Splice().Response = L"30";
    Main.Splice().Interval = L"7";
    form->SettingsFile = TempFile(L"cfg.ini");
    app_test::TMemorySettings names;
    for (int n = 1; n <= 3; ++n) {
      names.Values[{L"mux_port", L"port" + IntToStr(n)}] = L"AV" + IntToStr(n);
      names.Values[{L"VGA DVI mux_port", L"port" + IntToStr(n)}] = L"PC" + IntToStr(n);
    }
    form->LoadInputNames(names);
  }
  void TearDown() override {
    TEventPeerTest::TearDown();
    DeleteFileW(form->SettingsFile.c_str());
  }
  void ShowForm() {
    form->Show();
    test_support::PumpFor(100);
  }
  void SetSignalType(int type) {
    Main.Matrix.SignalTypeIndex = type;
    Main.Matrix.SignalTypeText = encoders_test::SignalTypes[type];
  }

  app_test::TFormHolder<TForm14> form = MakeWindow<TForm14>();
};

TEST_F(ChannelSelectTest, DecomposeSendsOneFramePerPanelRowsFirstAndClosesDuringTheFirst) {
  ShowForm();
  SetSignalType(1);
  Watched = form.get();
  VisibleAtPanelPause.clear();
  TSleepProc previous = SetSleepProc(&RecordPauseAndVisibility);
  form->BitBtn1Click(nullptr);
  SetSleepProc(previous);
  EXPECT_EQ(Events(), (std::vector<String>{L"pause 20", L"->C6,11,11,20,01,BB", L"pause 50", L"pause 20",
                                           L"->C6,21,21,20,01,BB", L"pause 50", L"pause 20", L"->C6,12,12,20,01,BB",
                                           L"pause 50", L"pause 20", L"->C6,22,22,20,01,BB", L"pause 50"}));
  EXPECT_EQ(VisibleAtPanelPause, std::vector<bool>(4, false)) << "closed during the first panel";
  EXPECT_EQ(Main.Splice().Cells.size(), 0u) << "no cell text";
  EXPECT_EQ(Received("com5", 24),
            (std::map<std::string, std::string>{
                {"com5", "C6 11 11 20 01 BB C6 21 21 20 01 BB C6 12 12 20 01 BB C6 22 22 20 01 BB"},
                {"com6", ""},
                {"com7", ""},
                {"tcp", ""}}));
}

// The one real-time case: at the peer the panels' frames are 50 ms apart.
TEST_F(ChannelSelectTest, DecomposeFramesArriveAtLeast50MillisecondsApart) {
  ShowForm();
  SetSignalType(3);
  form->BitBtn1Click(nullptr);
  EXPECT_EQ(Received("com5", 24).at("com5"),
            "C6 11 11 20 03 BB C6 21 21 20 03 BB C6 12 12 20 03 BB C6 22 22 20 03 BB");
  const std::vector<int64_t> times = peer.ByteTimes("com5");
  ASSERT_EQ(times.size(), 24u);
  for (size_t frame = 1; frame < 4; ++frame)
    EXPECT_GE(times[frame * 6] - times[frame * 6 - 1], 50000) << "microseconds before frame " << frame;
  EXPECT_FALSE(form->Visible());
}

TEST_F(ChannelSelectTest, SpliceWritesTheCellsSendsTheSpliceAndRoutesByTheSignalType) {
  struct {
    const char* Name;
    int Type;
    bool Linkage;
    bool Manual;
    String Cell;
    std::vector<String> Events;
    std::string Com7;
  } cases[] = {
      {"VGA with linkage: the splice only, no name", 1, true, false, L"VGA",
       {L"pause 20", L"->C6,11,22,20,01,BB", L"pause 30"}, ""},
      {"SDI through the VGA wiring: a wired 0 skipped without pause", 4, true, true, L"SDIPC3",
       {L"pause 20", L"->C6,11,22,20,04,BB", L"pause 30", L"3V5.", L"pause 7"}, "3V5."},
      {"SDI, one output per panel", 4, true, false, L"SDIPC3",
       {L"pause 20", L"->C6,11,22,20,04,BB", L"pause 30", L"3V1.", L"pause 7", L"3V2.", L"pause 7"}, "3V1.3V2."},
      {"SDI without linkage", 4, false, true, L"SDI", {L"pause 20", L"->C6,11,22,20,04,BB", L"pause 30"}, ""},
      {"VIDEO2 with linkage routes nothing", 6, true, false, L"VIDEO2",
       {L"pause 20", L"->C6,11,22,20,06,BB", L"pause 30"}, ""},
  };
  app_test::TSpliceTestWindow& view = Main.Splice();
  view.Grid = {1, 1, 2, 1};
  view.Wiring = {{TWiringFamily::VGA, {{L"0", L"5"}}}, {TWiringFamily::DVI, {{L"6", L"6"}}}};
  form->ComboBox8->SetItemIndex(2);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    ResetChannels();
    Events().clear();
    view.Cells.clear();
    view.Manual = {{TWiringFamily::VGA, c.Manual}, {TWiringFamily::DVI, true}};
    SetSignalType(c.Type);
    form->CheckBox3->SetChecked(c.Linkage);
    ShowForm();
    {
      TRecordedPauses pauses;
      form->BitBtn3Click(nullptr);
    }
    EXPECT_EQ(Events(), c.Events);
    ASSERT_EQ(view.Cells.size(), 2u);
    EXPECT_EQ(view.Cells[std::make_pair(1, 1)], c.Cell);
    EXPECT_EQ(view.Cells[std::make_pair(2, 1)], c.Cell);
    EXPECT_FALSE(form->Visible()) << "the window closes";
    const auto got = Received("com7", c.Com7.empty() ? 1 : c.Com7.size());
    EXPECT_EQ(got.at("com7"), HexOf(c.Com7));
    EXPECT_EQ(got.at("com6"), "");
    EXPECT_EQ(got.at("com5"), vamire_test::Hex({0xC6, 0x11, 0x22, 0x20, uint8_t(c.Type), 0xBB}));
  }
}

// The names as the original wrote them, in GBK: the cell shows the name read
// back, and VIDEO goes through the AV wiring, not the VGA one (D-24).
TEST_F(ChannelSelectTest, AVideoSpliceAppendsTheNameReadInCodePage936AndRoutesThroughTheAvWiring) {
  if (GetACP() != 936) GTEST_SKIP() << "runs in the Chinese code page";
  const String path = TempFile(L"names.ini");
  {
    std::ofstream out(path.c_str(), std::ios::binary);
    out << "[mux_port]\r\nport1=\xc9\xe3\xcf\xf1\xbb\xfa\xd2\xbb\r\nport2=B\r\nport3=\xbb\xe1\xd2\xe9\xca\xd2\r\n";
  }
  TCfgIni names(path);
  form->LoadInputNames(names);
  DeleteFileW(path.c_str());
  EXPECT_EQ(form->ComboBox2->Items()->Strings(0), L"摄像机一");
  EXPECT_EQ(form->ComboBox2->Items()->Count(), VideoInputNameCount);
  EXPECT_EQ(form->ComboBox8->Items()->Strings(0), L"1") << "a missing name is its number";

  Main.Matrix = encoders_test::Linked(encoders_test::Video(27));
  app_test::TSpliceTestWindow& view = Main.Splice();
  view.Grid = {2, 1, 2, 1};
  view.Manual = {{TWiringFamily::AV, true}, {TWiringFamily::VGA, true}};
  view.Wiring = {{TWiringFamily::AV, {{L"0", L"4"}}}, {TWiringFamily::VGA, {{L"0", L"9"}}}};
  form->CheckBox3->SetChecked(true);
  form->ComboBox2->SetItemIndex(2);
  ShowForm();
  link_test::TNoPause fast;
  form->BitBtn3Click(nullptr);
  EXPECT_EQ(view.Cells[std::make_pair(2, 1)], L"VIDEO会议室");
  EXPECT_EQ(Received("com6", 4),
            (std::map<std::string, std::string>{
                {"com5", "C6 11 22 20 00 BB"}, {"com6", HexOf("3V4.")}, {"com7", ""}, {"tcp", ""}}));
}

TEST_F(ChannelSelectTest, TheLinkageBoxFollowsTheStoredKeyAndWritesItAtEveryClick) {
  auto readStored = [&] {
    TCfgIni cfg(form->SettingsFile);
    return cfg.ReadString(L"setting", L"MXSQ", L"");
  };
  EXPECT_FALSE(form->CheckBox3->Checked());
  EXPECT_FALSE(form->ComboBox2->Enabled());
  EXPECT_FALSE(form->GroupBox3->Visible());
  SetSignalType(0);
  app_test::TMemorySettings stored;
  stored.Values[{L"setting", L"MXSQ"}] = L"1";
  form->LoadSettings(stored);
  EXPECT_TRUE(form->CheckBox3->Checked());
  EXPECT_TRUE(form->ComboBox2->Enabled()) << "the click handler ran";
  EXPECT_TRUE(form->Label2->Enabled());
  EXPECT_TRUE(form->GroupBox3->Visible());
  EXPECT_EQ(form->Label7->Caption(), L"VBRAND");
  EXPECT_EQ(readStored(), L"1") << "written back through its own settings object";
  ShowForm();
  SendMessageW(form->CheckBox3->Handle(), BM_CLICK, 0, 0);
  test_support::Pump();
  EXPECT_FALSE(form->CheckBox3->Checked());
  EXPECT_FALSE(form->GroupBox3->Visible());
  EXPECT_FALSE(form->ComboBox2->Enabled());
  EXPECT_EQ(readStored(), L"0");
  // Nothing stored: the box stays off and nothing is written.
  DeleteFileW(form->SettingsFile.c_str());
  app_test::TMemorySettings empty;
  form->LoadSettings(empty);
  EXPECT_FALSE(form->CheckBox3->Checked());
  EXPECT_EQ(readStored(), L"");
}

TEST_F(ChannelSelectTest, TheSignalListSetsTheMainTypeTheListsTheRoamingMatrixAndTheBrand) {
  auto roaming = MakeWindow<TForm12>();
  struct {
    int Item;
    bool VideoList;
    int RoamingMatrix;
    String Brand;
  } cases[] = {
      {3, false, 2, L"DBRAND"}, {1, false, 1, L"DBRAND"},  // VGA leaves the label as it was
      {0, true, 0, L"VBRAND"},  {4, false, 2, Main.Matrix.VgaBrandText},
      {6, true, 2, Main.Matrix.VgaBrandText}, {5, false, 2, L"DBRAND"},
  };
  ShowForm();
  EXPECT_EQ(form->ComboBox4->Items()->Count(), 7);
  EXPECT_EQ(form->ComboBox4->Text(), L"VIDEO");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Item);
    form->ComboBox4->SetItemIndex(c.Item);
    form->ComboBox4Change(nullptr);
    EXPECT_EQ(Main.Matrix.SignalTypeIndex, c.Item);
    EXPECT_EQ(form->ComboBox2->Visible(), c.VideoList);
    EXPECT_EQ(form->ComboBox8->Visible(), !c.VideoList);
    EXPECT_EQ(roaming->ComboBox3->ItemIndex(), c.RoamingMatrix);
    EXPECT_EQ(form->Label7->Caption(), c.Brand);
  }
  // No choice selects VIDEO; a new show resets the list without running the handler.
  form->ComboBox4->SetItemIndex(-1);
  form->ComboBox4Change(nullptr);
  EXPECT_EQ(Main.Matrix.SignalTypeIndex, 0);
  SetSignalType(5);
  form->Hide();
  ShowForm();
  EXPECT_EQ(form->ComboBox4->ItemIndex(), 0);
  EXPECT_EQ(Main.Matrix.SignalTypeIndex, 5) << "the show's reset runs no change handler";
}

}  // namespace
