// Scene presets, power control and the mini panel on the wire: the wall
// controller on COM5, the video matrix on COM6, the RGB/VGA/DVI matrix on
// COM7. Pauses are recorded in the order of the frames' debug echo, except
// where real pauses are measured on the wire.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "DialogService.h"
#include "MemorySettings.h"
#include "PowerControl.h"
#include "Presets.h"
#include "RecordedEvents.h"
#include "SpliceTestWindow.h"
#include "TestMainWindow.h"
#include "Unit10.h"
#include "link/PeerTest.h"
#include "link/encoders_test.h"

using app_test::Events;
using app_test::TEventConsole;
using app_test::TRecordedPauses;
using link_test::TTestConsole;
using namespace encoders_test;

namespace {

// The main window's preset group as the preset actions see it.
class TPresetTestWindow : public IPresetWindow {
 public:
  explicit TPresetTestWindow(TTestConsole& console) : Splice(console) {}
  int PresetIndex() override { return Index; }
  void SetSaveCaption(const String& caption) override { Caption = caption; }
  int Language() override { return LanguageFlag; }
  ISettingsStore& Settings() override { return Store; }
  TNativeMatrixState& NativeState() override { return Native; }
  ISpliceWindow& SpliceWindow() override { return Splice; }

  int Index = 2;  // preset 3
  String Caption = L"保存预案";
  int LanguageFlag = 0;
  app_test::TMemorySettings Store;
  TNativeMatrixState Native;
  app_test::TSpliceTestWindow Splice;
};

class PresetsTest : public link_test::TPeerTest {
 protected:
  // Serial ports open, then the communication window's linkage boxes as given.
  void Open(TTestConsole& console, bool videoBox, bool vgaBox) {
    OpenSerial(console);
    console.CheckBox2 = videoBox;
    console.CheckBox3 = vgaBox;
  }
  static std::string Text(const char* text) { return HexOf(text); }
};

TEST_F(PresetsTest, SaveWithoutLinkageBoxesSendsTheWallFrameAndTheBrandStringOnly) {
  TEventConsole console;
  Open(console, false, false);
  console.Matrix = Linked(Vga(0));  // CREATEK
  TPresetTestWindow window(console);
  window.Splice.Response = L"30";
  {
    TRecordedPauses pauses;
    SavePreset(window);
  }
  EXPECT_EQ(Events(), (std::vector<String>{L"pause 20", L"->C6,11,FF,59,03,BB", L"pause 5", L"pause 30",
                                           L"->Save3."}));
  // Without its own box the VGA matrix is reached through the wall port.
  std::map<std::string, std::string> expected{
      {"com5", "C6 11 FF 59 03 BB " + Text("Save3.")}, {"com6", ""}, {"com7", ""}, {"tcp", ""}};
  EXPECT_EQ(Received("com5", 12), expected);
  OpenCommPorts(false);
}

TEST_F(PresetsTest, WithTheLinkageBoxesBothMatricesStoreTheirSceneBetweenThePauses) {
  struct {
    const char* Name;
    void (*Action)(IPresetWindow&);
    const wchar_t* Frame;
    const wchar_t *VideoScene, *VgaScene, *Preset;
  } cases[] = {
      {"save", &SavePreset, L"->C6,11,FF,59,0C,BB", L"PA01SF0C00NT", L"PV01SF0C00NT", L"->PV01SF1200NT"},
      {"load", &LoadPreset, L"->C6,11,FF,5A,0C,BB", L"PA01RF0C00NT", L"PV01RF0C00NT", L"->PV01RF1200NT"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    ResetChannels();
    TEventConsole console;
    Open(console, true, true);
    console.Matrix = Linked(Vga(1));  // Samplex for VGA
    console.Matrix.VideoBrandIndex = 4;  // and for video
    console.Matrix.VideoBrandText = L"Samplex";
    console.Matrix.VideoId = L"01";
    TPresetTestWindow window(console);
    window.Index = 11;
    window.Splice.Response = L"30";
    window.Splice.Interval = L"7";
    {
      TRecordedPauses pauses;
      c.Action(window);
    }
    EXPECT_EQ(Events(), (std::vector<String>{L"pause 20", c.Frame, L"pause 5", L"pause 30", c.VideoScene, L"pause 7",
                                             c.VgaScene, L"pause 30", c.Preset}));
    const std::string vga = link_test::Utf8(c.VgaScene) + link_test::Utf8(String(c.Preset).substr(2));
    std::map<std::string, std::string> expected{{"com5", vamire_test::Hex({0xC6, 0x11, 0xFF, uint8_t(c.Name[0] == 's' ? 0x59 : 0x5A), 0x0C, 0xBB})},
                                                {"com6", Text(link_test::Utf8(c.VideoScene).c_str())},
                                                {"com7", Text(vga.c_str())},
                                                {"tcp", ""}};
    EXPECT_EQ(Received("com7", vga.size()), expected);
    OpenCommPorts(false);
  }
}

// One case per row of the brand table, and rows that lose to an earlier
// one: with no linkage box every byte goes to the wall port after the frame.
TEST_F(PresetsTest, TheFirstMatchingBrandRowSendsItsStringForSaveAndLoad) {
  struct {
    const char* Name;
    TMatrixSettings Settings;
    int N;
    std::string Save, Load;
  } cases[] = {
      {"CREATEK", Linked(Vga(0)), 3, Text("Save3."), Text("Recall3.")},
      {"CHUANGGAO", Linked(Vga(15)), 12, Text("<12,R>"), Text("<12,R>")},
      {"Samplex", Linked(Vga(1)), 12, Text("PV01SF1200NT"), Text("PV01RF1200NT")},
      {"YJ_VGA", Linked(Vga(17)), 2, "C8 A5 01 01 02 00 55 AA", "C8 A5 02 01 02 00 55 AA"},
      {"VGA06 without linkage", Vga(25), 4, "03 00 06 04", "03 00 04 04"},
      {"btran-888", Linked(Vga(19, L"1")), 3, "F6 01 11 03 00 03 00", "F6 01 15 03 00 03 00"},
      {"DVI YJ", Linked(Dvi(5)), 7, Text("SAVE7"), Text("CALL7")},
      {"AE-VGA", Vga(14), 3, Text("01VSAVE3"), Text("01VRETU3")},
      {"HDMI CREATEK", WithLabel(Hdmi(3), L"CREATEK"), 3, Text("Save3."), Text("Recall3.")},
      {"CREATEK before VGA06", Linked(WithLabel(Vga(0), L"VGA06")), 3, Text("Save3."), Text("Recall3.")},
      {"no row", Vga(0), 3, "", ""},
  };
  for (auto& c : cases) {
    for (bool save : {true, false}) {
      SCOPED_TRACE(std::string(c.Name) + (save ? " save" : " load"));
      ResetChannels();
      TTestConsole console;
      Open(console, false, false);
      console.Matrix = c.Settings;
      TPresetTestWindow window(console);
      window.Index = c.N - 1;
      link_test::TNoPause quick;
      save ? SavePreset(window) : LoadPreset(window);
      const std::string frame =
          vamire_test::Hex({0xC6, 0x11, 0xFF, uint8_t(save ? 0x59 : 0x5A), uint8_t(c.N), 0xBB});
      const std::string& brand = save ? c.Save : c.Load;
      const std::string com5 = brand.empty() ? frame : frame + " " + brand;
      std::map<std::string, std::string> expected{{"com5", com5}, {"com6", ""}, {"com7", ""}, {"tcp", ""}};
      EXPECT_EQ(Received("com5", (com5.size() + 1) / 3), expected);
      OpenCommPorts(false);
    }
  }
}

TEST_F(PresetsTest, TheFramePauseAndTheResponsePausesAreTakenForReal) {
  TTestConsole console;
  Open(console, true, true);
  console.Matrix = Linked(Vga(1));
  console.Matrix.VideoBrandIndex = 4;
  console.Matrix.VideoId = L"01";
  TPresetTestWindow window(console);
  window.Splice.Response = L"80";
  window.Splice.Interval = L"60";
  SavePreset(window);
  Received("com7", 24);
  const std::vector<int64_t> wall = peer.ByteTimes("com5"), video = peer.ByteTimes("com6"),
                             vga = peer.ByteTimes("com7");
  ASSERT_EQ(wall.size(), 6u);
  ASSERT_EQ(video.size(), 12u);
  ASSERT_EQ(vga.size(), 24u);
  // The sender waits 20 + 5 + 80 ms between the wall frame and the video
  // scene, 60 ms before the VGA scene and 80 ms before the brand string; the
  // bounds keep room for the writer threads' own delays.
  EXPECT_GE(video[0] - wall[0], 85000) << "frame pause, 5 ms and the response pause";
  EXPECT_GE(vga[0] - video[0], 40000) << "the interval pause";
  EXPECT_GE(vga[12] - vga[0], 60000) << "the response pause before the brand string";
  OpenCommPorts(false);
}

// --- Native recording and replay ------------------------------------------------------------

TMatrixSettings Siso() { return WithLabel(Linked(Hdmi(4)), L"SISO"); }

TEST_F(PresetsTest, ARecordingStartedUnderOnePresetIsStoredUnderThePresetOfItsStop) {
  for (int language : {0, 1}) {
    SCOPED_TRACE(language);
    TEventConsole console;
    console.Matrix = Siso();
    TPresetTestWindow window(console);
    window.LanguageFlag = language;
    window.Caption = IdleSaveCaption(language);
    TRecordedPauses pauses;
    SavePreset(window);
    EXPECT_TRUE(window.Native.NativeRecording) << "the first click starts recording";
    EXPECT_EQ(window.Caption, L"正在录制");
    EXPECT_TRUE(window.Store.Written.empty()) << "nothing stored at the start";
    window.Splice.Grid = {1, 1, 2, 2};
    window.Splice.InputIndex = 2;
    SpliceSelection(window.Splice, window.Native);
    window.Splice.Grid = {3, 1, 3, 2};
    window.Splice.InputIndex = 4;
    SpliceSelection(window.Splice, window.Native);
    window.Index = 4;
    SavePreset(window);
    EXPECT_EQ((window.Store.Values[{L"nativeMatrix", L"scene5"}]), L"2,1,1,2,2,3,3,1,3,2,5,");
    EXPECT_EQ(window.Store.Written, std::vector<String>{L"scene5"});
    EXPECT_FALSE(window.Native.NativeRecording);
    EXPECT_EQ(window.Native.NativeRecordCount, 0);
    EXPECT_EQ(window.Native.NativeRecord, L"");
    EXPECT_EQ(window.Caption, language ? L"Save" : L"保存预案");
  }
}

TEST_F(PresetsTest, AReplayRunsOnlyCompleteEntriesAndNeverOutlivesTheLoad) {
  struct {
    const char* Name;
    const wchar_t* Stored;  // null: no key
    std::vector<String> SpliceFrames;
  } cases[] = {
      {"no key", nullptr, {}},
      {"0", L"0", {}},
      {"0,0,0,0,0", L"0,0,0,0,0", {}},
      {"two splices", L"2,1,1,2,2,3,3,1,3,2,5,", {L"->C6,11,22,20,03,BB", L"->C6,31,32,20,03,BB"}},
      {"a count above the entries present", L"5,1,1,2,2,3,3,1,3", {L"->C6,11,22,20,03,BB"}},
      {"a number inside that is no number", L"2,1,1,2,2,3,3,1,x,2,5,", {L"->C6,11,22,20,03,BB"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TEventConsole console;
    console.Matrix = Siso();
    TPresetTestWindow window(console);
    if (c.Stored) window.Store.Values[{L"nativeMatrix", L"scene3"}] = c.Stored;
    window.Splice.Grid = {4, 4, 4, 4};
    window.Splice.InputIndex = 6;
    TDialogAnswerScope dialogs;
    if (c.SpliceFrames.empty()) dialogs.Expect(dkMessageDlg, mrOk);
    TRecordedPauses pauses;
    LoadPreset(window);
    std::vector<String> frames;
    for (const String& e : Events())
      if (e.rfind(L"->C6", 0) == 0 && e != L"->C6,11,FF,5A,03,BB") frames.push_back(e);
    EXPECT_EQ(frames, c.SpliceFrames);
    EXPECT_EQ(Events()[1], L"->C6,11,FF,5A,03,BB") << "the recall frame goes out first in every case";
    ASSERT_EQ(dialogs.Requests().size(), c.SpliceFrames.empty() ? 1u : 0u);
    if (!dialogs.Requests().empty()) EXPECT_EQ(dialogs.Requests()[0].Text, L"无预案记录");
    EXPECT_FALSE(window.Native.NativeReplaying);
    EXPECT_EQ(window.Native.NativeReplaysPending, 0);
    // The next splice reads the grid's selection and the input list.
    Events().clear();
    SpliceSelection(window.Splice, window.Native);
    EXPECT_EQ(console.Selection.SelLeft, 4);
    EXPECT_EQ(window.Splice.Input, 7);
  }
}

TEST_F(PresetsTest, NoRecordIsTheSameMessageInEnglish) {
  TTestConsole console;
  console.Matrix = Siso();
  console.LanguageFlag = 1;
  TPresetTestWindow window(console);
  window.LanguageFlag = 1;
  TDialogAnswerScope dialogs;
  dialogs.Expect(dkMessageDlg, mrOk);
  link_test::TNoPause quick;
  LoadPreset(window);
  ASSERT_EQ(dialogs.Requests().size(), 1u);
  EXPECT_EQ(dialogs.Requests()[0].Text, L"无预案记录");
}

// --- Power -----------------------------------------------------------------------------------

class TPowerTestWindow : public IPowerWindow {
 public:
  TWallSelection GridSelection() override { return Grid; }
  bool DelayedPowerOn() override { return Delayed; }
  String DelaySeconds() override {
    ++SecondsReads;
    return Seconds;
  }
  TWallSelection Grid{1, 1, 2, 2};
  bool Delayed = true;
  String Seconds = L"1";
  int SecondsReads = 0;
};

using PowerTest = link_test::TPeerTest;

TEST_F(PowerTest, DelayedPowerOnGoesPanelByPanelRowsOuterWithThePauseAfterEachTheLastToo) {
  struct {
    const wchar_t* Seconds;
    std::vector<String> Events;
  } cases[] = {
      {L"2", {L"pause 20", L"->C6,11,11,10,01,BB", L"pause 2000", L"pause 20", L"->C6,21,21,10,01,BB", L"pause 2000",
              L"pause 20", L"->C6,12,12,10,01,BB", L"pause 2000", L"pause 20", L"->C6,22,22,10,01,BB",
              L"pause 2000"}},
      {L"0", {L"pause 20", L"->C6,11,11,10,01,BB", L"pause 20", L"->C6,21,21,10,01,BB", L"pause 20",
              L"->C6,12,12,10,01,BB", L"pause 20", L"->C6,22,22,10,01,BB"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(String(c.Seconds)));
    ResetChannels();
    TEventConsole console;
    OpenSerial(console);
    console.Selection = {3, 3, 3, 3};  // the fields of an older mouse-up: not used
    TPowerTestWindow window;
    window.Seconds = c.Seconds;
    {
      TRecordedPauses pauses;
      PowerOn(window);
    }
    EXPECT_EQ(Events(), c.Events);
    EXPECT_EQ(window.SecondsReads, 4) << "read again for every panel";
    std::map<std::string, std::string> expected{
        {"com5", "C6 11 11 10 01 BB C6 21 21 10 01 BB C6 12 12 10 01 BB C6 22 22 10 01 BB"},
        {"com6", ""},
        {"com7", ""},
        {"tcp", ""}};
    EXPECT_EQ(Received("com5", 24), expected);
    OpenCommPorts(false);
  }
}

TEST_F(PowerTest, PowerOnAtOnceAndStandbyGoToTheSelectionFields) {
  TTestConsole console;
  OpenSerial(console);
  console.Selection = {2, 1, 3, 2};
  TPowerTestWindow window;
  window.Delayed = false;
  window.Grid = {1, 1, 1, 1};  // moved with the keys since: not used
  link_test::TNoPause quick;
  PowerOn(window);
  Standby();
  EXPECT_EQ(window.SecondsReads, 0);
  std::map<std::string, std::string> expected{
      {"com5", "C6 21 32 10 01 BB C6 21 32 10 00 BB"}, {"com6", ""}, {"com7", ""}, {"tcp", ""}};
  EXPECT_EQ(Received("com5", 12), expected);
  OpenCommPorts(false);
}

TEST_F(PowerTest, SecondsThatAreNoNumberRaiseAfterTheFirstFrame) {
  TTestConsole console;
  OpenSerial(console);
  TPowerTestWindow window;
  window.Seconds = L"x";
  link_test::TNoPause quick;
  try {
    PowerOn(window);
    ADD_FAILURE() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), L"'x' is not a valid integer value");
  }
  std::map<std::string, std::string> expected{{"com5", "C6 11 11 10 01 BB"}, {"com6", ""}, {"com7", ""}, {"tcp", ""}};
  EXPECT_EQ(Received("com5", 6), expected);
  OpenCommPorts(false);
}

TEST_F(PowerTest, OneSecondApartOnTheWire) {
  TTestConsole console;
  OpenSerial(console);
  TPowerTestWindow window;
  PowerOn(window);
  Received("com5", 24);
  const std::vector<int64_t> wall = peer.ByteTimes("com5");
  ASSERT_EQ(wall.size(), 24u);
  for (size_t panel = 1; panel < 4; ++panel)
    EXPECT_GE(wall[6 * panel] - wall[6 * (panel - 1)], 950000) << "panel " << panel;
  OpenCommPorts(false);
}

TEST(PowerSettingTest, TheDelayedBoxIsStoredAsItChanges) {
  app_test::TMemorySettings store;
  StoreDelayedPowerOn(store, true);
  EXPECT_EQ((store.Values[{L"setting", L"KJ"}]), L"1");
  StoreDelayedPowerOn(store, false);
  EXPECT_EQ((store.Values[{L"setting", L"KJ"}]), L"0");
}

// --- Mini panel --------------------------------------------------------------------------------

// What the modal loop saw while the panel was open, and the clicks it was
// given, one per timer tick (the loop runs inside ShowModal).
struct TMiniPanelRun {
  app_test::TTestMainWindow* Main = nullptr;
  std::vector<std::function<void(TForm10*)>> Steps;
  size_t Next = 0;
  bool MainHiddenWhileOpen = false;
  bool Topmost = false;
};
TMiniPanelRun* GRun = nullptr;

void CALLBACK MiniPanelTick(HWND, UINT, UINT_PTR, DWORD) {
  TForm10* form = ConsoleForm<TForm10>();
  if (!GRun || !form || !form->Visible() || GRun->Next >= GRun->Steps.size()) return;
  if (GRun->Next == 0) {
    GRun->MainHiddenWhileOpen = !GRun->Main->HostVisible();
    GRun->Topmost = (GetWindowLongW(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  }
  GRun->Steps[GRun->Next++](form);
}

void Click(TButton* button) { PostMessageW(button->Handle(), BM_CLICK, 0, 0); }

class MiniPanelTest : public link_test::TPeerTest {
 protected:
  void SetUp() override {
    TPeerTest::SetUp();
    Main = std::make_unique<app_test::TTestMainWindow>();
    Form = TCustomForm::Create<TForm10>(nullptr);
    std::vector<String> names;
    for (int n = 1; n <= 16; ++n) names.push_back(L"场景" + IntToStr(n));
    Main->SetPresets(names, 2);
    Main->ShowHost();
  }
  void TearDown() override {
    Form->Free();
    Main.reset();
  }
  // Shows the panel modally as the main window's button does, with the steps
  // taken from inside its loop.
  TMiniPanelRun Run(std::vector<std::function<void(TForm10*)>> steps) {
    TMiniPanelRun run;
    run.Main = Main.get();
    run.Steps = std::move(steps);
    GRun = &run;
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, &MiniPanelTick);
    ShowMiniPanel();
    KillTimer(nullptr, timer);
    GRun = nullptr;
    return run;
  }
  std::unique_ptr<app_test::TTestMainWindow> Main;
  TForm10* Form = nullptr;
};

TEST_F(MiniPanelTest, LoadRecallsTheChosenPresetOnTheWholeWallAndReturnShowsTheMainWindow) {
  OpenSerial(*Main);
  std::vector<String> items;
  TMiniPanelRun run = Run({
      [&](TForm10* f) {
        for (int i = 0; i < f->ComboBox3->Items()->Count(); ++i) items.push_back(f->ComboBox3->Items()->Strings(i));
        EXPECT_EQ(f->ComboBox3->ItemIndex(), 2);
        Click(f->Button1);
      },
      [&](TForm10* f) {
        f->ComboBox3->SetItemIndex(-1);
        Click(f->Button1);
      },
      [&](TForm10* f) { Click(f->Button2); },
  });
  EXPECT_EQ(items.size(), 16u);
  EXPECT_EQ(items[15], L"场景16");
  EXPECT_TRUE(run.MainHiddenWhileOpen);
  EXPECT_TRUE(run.Topmost);
  EXPECT_FALSE(Form->Visible());
  EXPECT_TRUE(Main->BackFromMiniPanel);
  EXPECT_EQ(Main->Returns, 1);
  EXPECT_TRUE(Main->HostVisible());
  EXPECT_EQ(Form->Button1->Caption(), L"场景调取");
  std::map<std::string, std::string> expected{
      {"com5", "C6 11 FF A1 03 BB C6 11 FF A1 00 BB"}, {"com6", ""}, {"com7", ""}, {"tcp", ""}};
  EXPECT_EQ(Received("com5", 12), expected) << "no selection sends preset 0";
  OpenCommPorts(false);
}

TEST_F(MiniPanelTest, TheCloseBoxActsAsReturnAndEnglishTextsAreSet) {
  Main->LanguageFlag = 1;
  TMiniPanelRun run = Run({[](TForm10* f) { PostMessageW(f->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }});
  EXPECT_TRUE(run.MainHiddenWhileOpen);
  EXPECT_FALSE(Form->Visible());
  EXPECT_TRUE(Main->BackFromMiniPanel);
  EXPECT_EQ(Main->Returns, 1);
  EXPECT_TRUE(Main->HostVisible());
  EXPECT_EQ(Form->Button1->Caption(), L"Load");
  EXPECT_EQ(Form->Button2->Caption(), L"Return");
  EXPECT_EQ(Form->Caption(), L"");
}

}  // namespace
