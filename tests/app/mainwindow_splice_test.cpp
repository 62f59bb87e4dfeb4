// The main window's splice on the wire, with the real pointer and keys: the
// wall controller on COM5, the RGB/VGA/DVI matrix on COM7 and the bridge on
// the device peer's loopback listener; the links opened by the window's own
// show from "cfg.ini", as at start-up.
#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "cxButtons_win.h"
#include "cxCheckBox_win.h"
#include "cxDropDownEdit_combo_win.h"
#include "cxPC_win.h"
#include "link/PeerTest.h"

namespace {

using app_test::TIniRows;
using app_test::TMainWindowFixture;

// The screen point at the centre of a grid cell.
TPoint CellCentre(TStringGrid* grid, int column, int row) {
  const TRect r = grid->CellRect(column, row);
  return grid->ClientToScreen(TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
}

void MouseTo(const TPoint& p) {
  SetCursorPos(p.X, p.Y);
  test_support::PumpFor(60);
}

void Mouse(DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  SendInput(1, &in, sizeof(INPUT));
  test_support::PumpFor(120);
}

// Presses from one cell to another (the same cell for a click).
void Drag(TStringGrid* grid, int c1, int r1, int c2, int r2) {
  MouseTo(CellCentre(grid, c1, r1));
  Mouse(MOUSEEVENTF_LEFTDOWN);
  MouseTo(CellCentre(grid, c2, r2));
  Mouse(MOUSEEVENTF_LEFTUP);
}

void Click(TControl* control) {
  MouseTo(control->ClientToScreen(TPoint{control->Width() / 2, control->Height() / 2}));
  Mouse(MOUSEEVENTF_LEFTDOWN);
  Mouse(MOUSEEVENTF_LEFTUP);
}

// Serves the window until `done` holds, for at most five seconds: input
// sent to the window is handled only while its messages are served, which
// on a loaded machine takes longer than a fixed pause.
template <class Pred>
bool PumpUntil(Pred done) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > 5000) return false;
    test_support::Pump();
    Sleep(10);
  }
  return true;
}

TIniRows SerialRows() {
  return {{{L"setting", L"com port"}, L"5"},         {{L"setting", L"com port A"}, L"6"},
          {{L"setting", L"com port B"}, L"7"},       {{L"setting", L"auto open port"}, L"1"},
          {{L"setting", L"auto open port B"}, L"1"}, {{L"setting", L"serialCtrl"}, L"1"}};
}

class MainWindowSpliceTest : public link_test::TPeerTest {
 protected:
  // Serves the window until `count` bytes reached `channel`.
  void Serve(const std::string& channel, size_t count) {
    PumpUntil([&] { return peer.Received(channel).size() >= count; });
  }
};

TEST_F(MainWindowSpliceTest, AClickedCellIsSplicedAndAKeyMoveIsSentOnlyByTheSplice) {
  TMainWindowFixture f(SerialRows());
  f.Show();
  ASSERT_TRUE(f.Form->LinkOpen()) << "opened at the show";
  EXPECT_FALSE(f.Form->BitBtn1->Enabled());
  EXPECT_TRUE(f.Form->BitBtn2->Enabled());
  EXPECT_EQ(f.Form->SelectionFields().SelLeft, 0) << "no selection before the first mouse release";
  Drag(f.Form->stringgrid1, 2, 3, 2, 3);
  PumpUntil([&] { return f.Form->SelectionFields().SelLeft == 2; });
  const TWallSelection clicked = f.Form->SelectionFields();
  EXPECT_EQ((std::vector<int>{clicked.SelLeft, clicked.SelTop, clicked.SelRight, clicked.SelBottom}),
            (std::vector<int>{2, 3, 2, 3}));
  Click(static_cast<TControl*>(f.Form->FindComponent(L"BitBtn8")));
  Serve("com5", 6);
  EXPECT_EQ(Received("com5", 6), (std::map<std::string, std::string>{
                                      {"com5", "C6 23 23 20 00 BB"}, {"com6", ""}, {"com7", ""}, {"tcp", ""}}));
  EXPECT_EQ(f.Form->stringgrid1->Cells(2, 3), L"VIDEO");

  ResetChannels();
  // Right after the button, the first click on the grid selects: every
  // panel is in view, so a click never scrolls the wall under the pointer.
  Drag(f.Form->stringgrid1, 1, 1, 1, 1);
  PumpUntil([&] { return f.Form->SelectionFields().SelLeft == 1; });
  EXPECT_EQ(f.Form->SelectionFields().SelLeft, 1);
  test_support::Type({VK_RIGHT});
  PumpUntil([&] { return f.Form->GridSelection().SelLeft == 2; });
  EXPECT_EQ(f.Form->SelectionFields().SelLeft, 1) << "a key move leaves the fields";
  EXPECT_EQ(f.Form->GridSelection().SelLeft, 2);
  Click(static_cast<TControl*>(f.Form->FindComponent(L"BitBtn8")));
  Serve("com5", 6);
  EXPECT_EQ(Received("com5", 6).at("com5"), "C6 21 21 20 00 BB") << "the splice takes the moved rectangle";
  EXPECT_EQ(f.Form->SelectionFields().SelLeft, 2);
}

TEST_F(MainWindowSpliceTest, AVgaSpliceWithLinkageSwitchesEveryPanelAfterTheWallInDebugMode) {
  TIniRows rows = SerialRows();
  rows[{L"config", L"row"}] = L"3";
  rows[{L"config", L"col"}] = L"4";
  rows[{L"setting", L"signalindex"}] = L"1";
  rows[{L"setting", L"linkage"}] = L"1";
  rows[{L"setting", L"vgamux"}] = L"0";  // CREATEK
  TMainWindowFixture f(rows);
  f.Show();
  ASSERT_TRUE(f.Form->LinkOpen());
  EXPECT_EQ(f.Form->ComboBox4->Text(), L"VGA");
  EXPECT_TRUE(f.Form->CheckBox3->Checked());
  EXPECT_EQ(f.Form->ComboBox8->Properties()->Items()->Count(), 255);
  EXPECT_EQ(f.Form->ComboBox3->ItemIndex(), 1) << "VGA selects the second preset";
  f.Form->SetDebugMode(true);
  f.Form->ComboBox8->SetItemIndex(2);  // input "3"
  Drag(f.Form->stringgrid1, 2, 1, 3, 2);
  PumpUntil([&] { return f.Form->SelectionFields().SelRight == 3; });
  Click(static_cast<TControl*>(f.Form->FindComponent(L"BitBtn8")));
  Serve("com7", 16);
  EXPECT_EQ(Received("com5", 6), (std::map<std::string, std::string>{{"com5", "C6 21 32 20 01 BB"},
                                                                     {"com6", ""},
                                                                     {"com7", HexOf("3V2.3V3.3V6.3V7.")},
                                                                     {"tcp", ""}}));
  // Each switch at least the interval pause (100 ms) after the one before.
  const std::vector<int64_t> times = peer.ByteTimes("com7");
  ASSERT_EQ(times.size(), 16u);
  for (size_t i = 4; i < times.size(); i += 4) EXPECT_GE(times[i] - times[i - 4], 100000) << i;
  std::vector<String> log;
  for (int i = 0; i < f.Form->Memo1()->Lines()->Count(); ++i) log.push_back(f.Form->Memo1()->Lines()->Strings(i));
  EXPECT_EQ(log, (std::vector<String>{L"->C6,21,32,20,01,BB", L"3V2.", L"3V3.", L"3V6.", L"3V7."}));
  for (int c = 2; c <= 3; ++c)
    for (int r = 1; r <= 2; ++r) EXPECT_EQ(f.Form->stringgrid1->Cells(c, r), L"VGA");
}

TEST_F(MainWindowSpliceTest, TheWirelessLinkCarriesTheFrameInOneChunk) {
  TMainWindowFixture f({{{L"setting", L"serialCtrl"}, L"0"},
                        {{L"setting", L"auto open port"}, L"1"},
                        {{L"setting", L"IPAddress"}, L"127.0.0.1"},
                        {{L"setting", L"Port"}, IntToStr(peer.BridgePort())}});
  f.Show();
  ASSERT_TRUE(f.Form->LinkOpen());
  Drag(f.Form->stringgrid1, 1, 1, 1, 1);
  PumpUntil([&] { return f.Form->SelectionFields().SelLeft == 1; });
  Click(static_cast<TControl*>(f.Form->FindComponent(L"BitBtn8")));
  Serve("tcp", 6);
  const std::vector<vamire_test::PeerChunk> chunks = peer.Chunks("tcp");
  ASSERT_EQ(chunks.size(), 1u);
  EXPECT_EQ(vamire_test::Hex(chunks[0].Bytes), "C6 11 11 20 00 BB");
  f.Form->cxPageControl1->SetActivePage(static_cast<TcxTabSheet*>(f.Form->FindComponent(L"tsSerial")));
  test_support::PumpFor(100);
  Click(f.Form->BitBtn2);
  PumpUntil([&] { return !f.Form->LinkOpen(); });
  EXPECT_FALSE(f.Form->LinkOpen());
  EXPECT_TRUE(f.Form->BitBtn1->Enabled());
}

}  // namespace
