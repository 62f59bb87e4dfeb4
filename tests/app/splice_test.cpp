// Splice and single display on the wire: the wall controller on COM5, the
// video matrix on COM6, the RGB/VGA/DVI matrix on COM7 and the bridge on the
// device peer's loopback listener. Pauses are recorded in the order of the
// frames' debug echo, except where real pauses are measured.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <map>

#include "RecordedEvents.h"
#include "SpliceTestWindow.h"
#include "SysUtils.h"
#include "link/PeerTest.h"
#include "link/encoders_test.h"
#include "support/DevicePeer.h"

using app_test::TSpliceTestWindow;
using link_test::TTestConsole;
using vamire_test::Hex;

namespace {

using app_test::Events;
using app_test::TRecordedPauses;
using TEventConsole = app_test::TEventConsoleOf<TTestConsole>;

TMatrixSettings Linked(TMatrixSettings s, bool linkage = true) {
  s.Linkage = linkage;
  return s;
}

using SpliceTest = link_test::TPeerTest;

TEST_F(SpliceTest, TheSendOrderDecidesWhatGoesFirstAndTheResponsePauseIsAlwaysTaken) {
  const std::vector<String> wall = {L"pause 20", L"->C6,11,21,20,01,BB"};
  const std::vector<String> matrix = {L"3V1.", L"pause 7", L"3V2.", L"pause 7"};
  auto join = [](std::initializer_list<std::vector<String>> parts) {
    std::vector<String> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
  };
  const std::vector<String> response = {L"pause 30"};
  struct {
    int Order;
    bool Linkage;
    std::vector<String> Expected;
    const char* Com5;
    std::string Com7;
  } cases[] = {
      {0, true, join({wall, response, matrix}), "C6 11 21 20 01 BB", HexOf("3V1.3V2.")},
      {1, true, join({matrix, response, wall}), "C6 11 21 20 01 BB", HexOf("3V1.3V2.")},
      {0, false, join({wall, response}), "C6 11 21 20 01 BB", ""},
      {1, false, join({response, wall}), "C6 11 21 20 01 BB", ""},
      {-1, true, {}, "", ""},
      {-1, false, {}, "", ""},
  };
  for (auto& c : cases) {
    SCOPED_TRACE("order " + std::to_string(c.Order) + " linkage " + std::to_string(c.Linkage));
    ResetChannels();
    TEventConsole console;
    OpenSerial(console);
    console.Matrix = Linked(encoders_test::Vga(0), c.Linkage);  // CREATEK
    TSpliceTestWindow window(console);
    window.Grid = {1, 1, 2, 1};
    window.InputIndex = 2;
    window.Order = c.Order;
    window.Response = L"30";
    window.Interval = L"7";
    TNativeMatrixState native;
    {
      TRecordedPauses pauses;
      SpliceSelection(window, native);
    }
    EXPECT_EQ(Events(), c.Expected);
    // The selection and input are taken and the cells written whatever is sent.
    EXPECT_EQ(console.Selection.SelRight, 2);
    EXPECT_EQ(window.Input, 3);
    EXPECT_EQ(window.Cells.size(), 2u);
    EXPECT_EQ(window.Cells[std::make_pair(2, 1)], L"VGA");
    std::map<std::string, std::string> expected{{"com5", c.Com5}, {"com6", ""}, {"com7", c.Com7}, {"tcp", ""}};
    EXPECT_EQ(Received("com5", c.Com5[0] ? 6 : 1), expected);
    OpenCommPorts(false);
  }
}

// The VGA frames that a selection's panels get, one per panel, rows outer.
std::vector<String> MatrixLines() {
  std::vector<String> lines;
  for (const String& e : Events())
    if (e.rfind(L"pause", 0) != 0 && e.rfind(L"->", 0) != 0) lines.push_back(e);
  return lines;
}

int Count(const String& line) {
  int n = 0;
  for (const String& e : Events()) n += e == line;
  return n;
}

TEST_F(SpliceTest, PanelsSwitchTheirOwnOutputOrTheirWiredOneAndUnwiredPanelsAreSkipped) {
  struct {
    const char* Name;
    int Type;
    TWallSelection Grid;
    std::map<TWiringFamily, bool> Manual;
    std::map<TWiringFamily, std::vector<std::vector<String>>> Wiring;
    std::vector<String> Lines;
    int IntervalPauses;
  } cases[] = {
      {"one output per panel on 4 columns", 1, {1, 1, 3, 2}, {}, {},
       {L"3V1.", L"3V2.", L"3V3.", L"3V5.", L"3V6.", L"3V7."}, 6},
      {"manual 0 and empty skipped without pause", 1, {1, 1, 3, 1}, {{TWiringFamily::VGA, true}},
       {{TWiringFamily::VGA, {{L"0", L"", L"9"}}}}, {L"3V9."}, 1},
      {"a panel beyond the wiring grid is skipped (D-94)", 4, {1, 1, 2, 2}, {{TWiringFamily::VGA, true}},
       {{TWiringFamily::VGA, {{L"4"}}}}, {L"3V4."}, 1},
      {"DVI, HDMI and YUV use the DVI grid", 2, {2, 1, 2, 1}, {{TWiringFamily::DVI, true}, {TWiringFamily::VGA, true}},
       {{TWiringFamily::DVI, {{L"0", L"11"}}}, {TWiringFamily::VGA, {{L"0", L"0"}}}}, {}, 1},
      {"VIDEO2 switches nothing", 6, {1, 1, 2, 2}, {}, {}, {}, 0},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TEventConsole console;
    TMatrixSettings s = c.Type == 2 ? encoders_test::Dvi(3) : encoders_test::Vga(0);  // CREATEK both
    s.SignalTypeIndex = c.Type;
    s.SignalTypeText = encoders_test::SignalTypes[c.Type];
    console.Matrix = Linked(s);
    TSpliceTestWindow window(console);
    window.Grid = c.Grid;
    window.InputIndex = 2;
    window.Interval = L"7";
    window.Manual = c.Manual;
    window.Wiring = c.Wiring;
    TNativeMatrixState native;
    {
      TRecordedPauses pauses;
      SpliceSelection(window, native);
    }
    if (c.Type == 2) {
      // The DVI brand's own frame: the wired output 11 (10 from 0), input 3.
      for (const TMatrixStep& step : BuildSwitchMatrix(console.Matrix, 10, 3))
        if (step.Kind == TMatrixStepKind::Echo) c.Lines.push_back(step.Line);
      ASSERT_FALSE(c.Lines.empty());
    }
    EXPECT_EQ(MatrixLines(), c.Lines);
    EXPECT_EQ(Count(L"pause 7"), c.IntervalPauses);
  }
}

TEST_F(SpliceTest, VideoPanelsSwitchThroughTheAvWiringAndTheirCellsNameTheInput) {
  TEventConsole console;
  OpenSerial(console);
  console.Matrix = Linked(encoders_test::Video(27));  // CREATEK
  TSpliceTestWindow window(console);
  window.Grid = {2, 1, 2, 1};
  window.InputIndex = 2;
  window.Manual = {{TWiringFamily::AV, true}, {TWiringFamily::VGA, true}};
  window.Wiring = {{TWiringFamily::AV, {{L"0", L"4"}}}, {TWiringFamily::VGA, {{L"0", L"9"}}}};
  TNativeMatrixState native;
  {
    TRecordedPauses pauses;
    SpliceSelection(window, native);
  }
  EXPECT_EQ(window.Cells[std::make_pair(2, 1)], L"VIDEO3");
  std::map<std::string, std::string> expected{
      {"com5", "C6 21 21 20 00 BB"}, {"com6", HexOf("3V4.")}, {"com7", ""}, {"tcp", ""}};
  EXPECT_EQ(Received("com6", 4), expected);
  // Without linkage the cell holds the type alone.
  console.Matrix.Linkage = false;
  SpliceSelection(window, native);
  EXPECT_EQ(window.Cells[std::make_pair(2, 1)], L"VIDEO");
  OpenCommPorts(false);
}

TEST_F(SpliceTest, SingleDisplaySendsOneFramePerPanelRowsOuterAndLeavesTheSelectionAlone) {
  TEventConsole console;
  OpenSerial(console);
  console.Matrix = Linked(encoders_test::Vga(0));
  TSpliceTestWindow window(console);
  window.Grid = {1, 1, 2, 2};
  console.Selection = {3, 3, 3, 3};
  {
    TRecordedPauses pauses;
    SingleDisplay(window);
  }
  EXPECT_EQ(Events(), (std::vector<String>{L"pause 20", L"->C6,11,11,20,01,BB", L"pause 50", L"pause 20",
                                           L"->C6,21,21,20,01,BB", L"pause 50", L"pause 20", L"->C6,12,12,20,01,BB",
                                           L"pause 50", L"pause 20", L"->C6,22,22,20,01,BB", L"pause 50"}));
  EXPECT_EQ(window.StoredSignalIndex, 1);
  EXPECT_EQ(window.Cells.size(), 4u);
  EXPECT_EQ(window.Cells[std::make_pair(2, 2)], L"VGA");
  EXPECT_EQ(console.Selection.SelLeft, 3) << "the selection fields stay";
  std::map<std::string, std::string> expected{
      {"com5", "C6 11 11 20 01 BB C6 21 21 20 01 BB C6 12 12 20 01 BB C6 22 22 20 01 BB"},
      {"com6", ""},
      {"com7", ""},
      {"tcp", ""}};
  EXPECT_EQ(Received("com5", 24), expected);
  OpenCommPorts(false);
}

TEST_F(SpliceTest, ATextThatIsNoNumberRaisesAfterTheFramesAlreadySent) {
  struct {
    const char* Name;
    const wchar_t* Response;
    const wchar_t* Interval;
    const wchar_t* WiredCell;
    std::vector<String> Lines;
  } cases[] = {
      {"response pause", L"x", L"7", nullptr, {}},
      {"interval pause", L"30", L"1 0", nullptr, {L"3V1."}},
      {"wiring cell", L"30", L"7", L"a1", {L"3V1."}},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TEventConsole console;
    console.Matrix = Linked(encoders_test::Vga(0));
    TSpliceTestWindow window(console);
    window.Grid = {1, 1, 2, 1};
    window.InputIndex = 2;
    window.Response = c.Response;
    window.Interval = c.Interval;
    if (c.WiredCell) {
      window.Manual = {{TWiringFamily::VGA, true}};
      window.Wiring = {{TWiringFamily::VGA, {{L"1", c.WiredCell}}}};
    }
    TNativeMatrixState native;
    TRecordedPauses pauses;
    EXPECT_THROW(SpliceSelection(window, native), EConvertError);
    EXPECT_EQ(Count(L"->C6,11,21,20,01,BB"), 1) << "the wall frame went first";
    EXPECT_EQ(MatrixLines(), c.Lines);
  }
  const String brands[4] = {L"CREATEK", L"CREATEK", L"CZ-VGA", L"CZ-VGA"};
  const String counts[4] = {L"16", L"abc", L"8", L"8"};
  EXPECT_THROW(LinkageInputs(1, brands, counts), EConvertError);
}

TEST_F(SpliceTest, TheLinkageBoxOffersEachFamilysInputsAndTheRestTwoHundredFiftyFive) {
  const String brands[4] = {L"VINET", L"CREATEK", L"CZ-DVI", L"SISO"};
  const String counts[4] = {L"16", L"32", L"8", L"4"};
  struct {
    int Type;
    bool Keep;
    const wchar_t* Label;
    int Count;
  } cases[] = {{0, false, L"VINET", 16}, {1, false, L"CREATEK", 32}, {2, false, L"CZ-DVI", 8},
               {3, false, L"SISO", 4},   {4, true, L"", 255},         {5, true, L"", 255},
               {6, true, L"", 255}};
  for (auto& c : cases) {
    TLinkageInputs in = LinkageInputs(c.Type, brands, counts);
    EXPECT_EQ(in.KeepLabel, c.Keep) << c.Type;
    EXPECT_EQ(in.Label, c.Label) << c.Type;
    EXPECT_EQ(in.Count, c.Count) << c.Type;
  }
}

TEST_F(SpliceTest, NativeMatrixSplicesAreRecordedAndReplaysKeepTheirSelection) {
  TEventConsole console;
  console.Matrix = encoders_test::WithLabel(encoders_test::Vga(0), L"VGA15");
  TSpliceTestWindow window(console);
  window.Grid = {2, 1, 3, 2};
  window.InputIndex = 2;
  TNativeMatrixState native;
  native.NativeRecording = true;
  TRecordedPauses pauses;
  SpliceSelection(window, native);
  window.Grid = {1, 1, 1, 1};
  window.InputIndex = 0;
  SpliceSelection(window, native);
  EXPECT_EQ(native.NativeRecordCount, 2);
  EXPECT_EQ(native.NativeRecord, L"2,1,3,2,3,1,1,1,1,1,");
  EXPECT_TRUE(NativeMatrixMode(L"SISO", 3));
  EXPECT_FALSE(NativeMatrixMode(L"SISO", 1));
  EXPECT_FALSE(NativeMatrixMode(L"VGA15", 3));

  // A replay sets the fields itself; each splice counts one down.
  native = TNativeMatrixState{};
  native.NativeReplaying = true;
  native.NativeReplaysPending = 2;
  console.Selection = {2, 1, 3, 2};
  window.Input = 5;
  window.Grid = {1, 1, 1, 1};
  Events().clear();
  SpliceSelection(window, native);
  EXPECT_TRUE(native.NativeReplaying);
  EXPECT_EQ(native.NativeReplaysPending, 1);
  EXPECT_EQ(Count(L"->C6,21,32,20,01,BB"), 1);
  SpliceSelection(window, native);
  EXPECT_FALSE(native.NativeReplaying);
  EXPECT_EQ(native.NativeReplaysPending, 0);
  EXPECT_EQ(window.Input, 5);
}

TEST_F(SpliceTest, EndToEndFramesReachTheWallTheMatrixAndTheBridge) {
  {
    // Serial, VIDEO, click 2,3.
    TTestConsole console;
    OpenSerial(console);
    console.Matrix = encoders_test::Video(0);
    TSpliceTestWindow window(console);
    window.Grid = {2, 3, 2, 3};
    link_test::TNoPause quick;
    TNativeMatrixState native;
    SpliceSelection(window, native);
    std::map<std::string, std::string> expected{{"com5", "C6 23 23 20 00 BB"}, {"com6", ""}, {"com7", ""}, {"tcp", ""}};
    EXPECT_EQ(Received("com5", 6), expected);
    OpenCommPorts(false);
  }
  ResetChannels();
  {
    // 3 x 4, VGA, linkage, CREATEK on COM7, drag 2,1 to 3,2, input 3, in debug
    // mode, with the real pauses (100 ms each by default).
    TTestConsole console;
    OpenSerial(console);
    console.Debug = true;
    console.Matrix = Linked(encoders_test::Vga(0));
    TSpliceTestWindow window(console);
    window.Grid = {2, 1, 3, 2};
    window.InputIndex = 2;
    TNativeMatrixState native;
    auto start = std::chrono::steady_clock::now();
    SpliceSelection(window, native);
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GE(ms, 20 + 100 + 4 * 100) << "the frame's pause, the response pause and four interval pauses";
    std::map<std::string, std::string> expected{
        {"com5", "C6 21 32 20 01 BB"}, {"com6", ""}, {"com7", HexOf("3V2.3V3.3V6.3V7.")}, {"tcp", ""}};
    EXPECT_EQ(Received("com7", 16), expected);
    EXPECT_EQ(console.Log, (std::vector<String>{L"->C6,21,32,20,01,BB", L"3V2.", L"3V3.", L"3V6.", L"3V7."}));
    // On the wire, the pauses the sender took show between the frames; the
    // writer thread's own delays on a loaded machine shift single frames, so
    // the bounds are over whole stretches and keep room for them.
    std::vector<int64_t> wall = peer.ByteTimes("com5");
    std::vector<int64_t> vga = peer.ByteTimes("com7");
    ASSERT_EQ(wall.size(), 6u);
    ASSERT_EQ(vga.size(), 16u);
    EXPECT_GE(vga[0] - wall[5], 50000) << "the response pause after the wall frame";
    EXPECT_GE(vga[12] - vga[0], 200000) << "three interval pauses between the first and the last text";
    OpenCommPorts(false);
  }
  ResetChannels();
  {
    // Wireless, click 1,1: one chunk at the bridge.
    TTestConsole console;
    ASSERT_TRUE(link_test::ConnectToBridge(console, peer.BridgePort()));
    console.Matrix = encoders_test::Video(0);
    TSpliceTestWindow window(console);
    window.Grid = {1, 1, 1, 1};
    link_test::TNoPause quick;
    TNativeMatrixState native;
    SpliceSelection(window, native);
    peer.WaitFor("tcp", 6, 3000);
    Sleep(100);
    std::vector<vamire_test::PeerChunk> chunks = peer.Chunks("tcp");
    ASSERT_EQ(chunks.size(), 1u);
    EXPECT_EQ(Hex(chunks[0].Bytes), "C6 11 11 20 00 BB");
    ConnectRemote(false);
  }
}

}  // namespace
