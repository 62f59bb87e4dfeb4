// The console end to end, as an operator meets it: the real program started
// from its run folder, the wall grid clicked and dragged with the real
// pointer, "拼接" pressed, and the device peer playing the wall controller,
// the matrices and the bridge. Exactly the expected bytes arrive, in order,
// and nothing else; a dialog of the program fails the test.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ConsoleForms.h"
#include "ProgramRun.h"
#include "SysUtils.h"
#include "link/PeerTest.h"

namespace {

using app_test::TProgramRun;
using app_test::WaitFor;

const String Folder = app_test::WindowsPath(VAMIRE_RUN_FOLDER);

struct TChild {
  HWND Window;
  String Class, Text;
  RECT Rect;  // on the screen
};

BOOL CALLBACK CollectChild(HWND window, LPARAM data) {
  wchar_t kind[128] = {}, text[256] = {};
  GetClassNameW(window, kind, 128);
  GetWindowTextW(window, text, 256);
  TChild child{window, kind, text, {}};
  GetWindowRect(window, &child.Rect);
  if (IsWindowVisible(window)) reinterpret_cast<std::vector<TChild>*>(data)->push_back(child);
  return TRUE;
}

std::vector<TChild> Children(HWND window) {
  std::vector<TChild> children;
  EnumChildWindows(window, &CollectChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

const TChild* Find(const std::vector<TChild>& children, const wchar_t* kind, const wchar_t* text = nullptr) {
  for (const TChild& c : children)
    if (c.Class == kind && (!text || c.Text == text)) return &c;
  return nullptr;
}

void MoveTo(POINT at) {
  SetCursorPos(at.x, at.y);
  Sleep(80);
}
void Mouse(DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  SendInput(1, &in, sizeof in);
  Sleep(120);
}
void ClickAt(POINT at) {
  MoveTo(at);
  Mouse(MOUSEEVENTF_LEFTDOWN);
  Mouse(MOUSEEVENTF_LEFTUP);
}
void Key(WORD key) {
  INPUT in[2]{};
  in[0].type = in[1].type = INPUT_KEYBOARD;
  in[0].ki.wVk = in[1].ki.wVk = key;
  in[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, in, sizeof(INPUT));
  Sleep(120);
}
POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// The wall grid: a 16-pixel header column and a 14-pixel header row, then
// the panels sharing the rest, one grid line after each cell.
class TGridOnScreen {
 public:
  TGridOnScreen(HWND grid, int rows, int columns) : FRows(rows), FColumns(columns) {
    GetClientRect(grid, &FClient);
    POINT origin{0, 0};
    ClientToScreen(grid, &origin);
    FOrigin = origin;
  }
  // The middle of panel column c, row r (from 1).
  POINT Cell(int c, int r) const {
    const double w = double(FClient.right - HeaderWidth) / FColumns;
    const double h = double(FClient.bottom - HeaderHeight) / FRows;
    return POINT{FOrigin.x + HeaderWidth + int(w * (c - 0.5)), FOrigin.y + HeaderHeight + int(h * (r - 0.5))};
  }

 private:
  static constexpr int HeaderWidth = 17, HeaderHeight = 15;
  int FRows, FColumns;
  RECT FClient{};
  POINT FOrigin{};
};

class ConsoleEndToEndTest : public link_test::TPeerTest {
 protected:
  void SetUp() override {
    // The program is built from the same units as this test: without the
    // main window among them there is no console to drive yet.
    StartConsoleUnits();
    if (!GetClass(L"TForm1")) GTEST_SKIP() << "the main window is not in this build";
    link_test::TPeerTest::SetUp();
  }
  void SetKeys(const std::vector<std::pair<const wchar_t*, String>>& keys) {
    const String file = Folder + L"\\cfg.ini";
    WritePrivateProfileStringW(L"StartAnimation", L"ifshow", L"0", file.c_str());
    for (const auto& [key, value] : keys) {
      const bool wall = String(key) == L"row" || String(key) == L"col";
      WritePrivateProfileStringW(wall ? L"config" : L"setting", key, value.c_str(), file.c_str());
    }
  }
  // Starts the console and waits for its main window, links opened; finds
  // its grid and its "拼接" button.
  bool Start() {
    program = std::make_unique<TProgramRun>(Folder);
    if (!program->Started) return false;
    const bool shown = WaitFor(
        [&] {
          for (HWND w : program->VisibleWindows())
            if (Find(Children(w), L"TStringGrid")) main = w;
          return main != nullptr;
        },
        30000);
    if (!shown) return false;
    SetForegroundWindow(main);
    Sleep(700);  // the first show's loading block and the links
    children = Children(main);
    grid = Find(children, L"TStringGrid");
    splice = Find(children, L"TcxButton", L"拼接");
    return grid && splice;
  }
  // No window of the program but the main one, then the main window closed:
  // the program ends cleanly.
  void CloseAndCheck() {
    const std::vector<HWND> shown = program->VisibleWindows();
    for (HWND w : shown)
      if (w != main) {
        wchar_t text[256] = {};
        GetWindowTextW(w, text, 256);
        ADD_FAILURE() << "a window of the program is open: " << link_test::Utf8(text);
      }
    PostMessageW(main, WM_CLOSE, 0, 0);
    DWORD code = 1;
    EXPECT_TRUE(program->WaitForEnd(15000, code));
    EXPECT_EQ(code, 0u);
    program.reset();
  }

  std::unique_ptr<TProgramRun> program;
  HWND main = nullptr;
  std::vector<TChild> children;
  const TChild* grid = nullptr;
  const TChild* splice = nullptr;
};

TEST_F(ConsoleEndToEndTest, SerialVideoSpliceOfOneClickedPanel) {
  SetKeys({{L"serialCtrl", L"1"}, {L"signalindex", L"0"}, {L"linkage", L"0"}, {L"row", L"3"}, {L"col", L"3"},
           {L"auto open port B", L"0"}});
  ASSERT_TRUE(Start());
  const TGridOnScreen cells(grid->Window, 3, 3);
  ClickAt(cells.Cell(2, 3));
  ClickAt(Centre(splice->Rect));
  EXPECT_EQ(Received("com5", 6), (std::map<std::string, std::string>{
                                     {"com5", "C6 23 23 20 00 BB"}, {"com6", ""}, {"com7", ""}, {"tcp", ""}}));
  CloseAndCheck();
}

TEST_F(ConsoleEndToEndTest, SerialVgaSpliceWithLinkageSwitchesEachPanelsOutput) {
  SetKeys({{L"serialCtrl", L"1"}, {L"signalindex", L"1"}, {L"linkage", L"1"}, {L"row", L"3"}, {L"col", L"4"},
           {L"vgamux", L"0"}, {L"auto open port B", L"1"}});
  ASSERT_TRUE(Start());
  // The input list is the lower of the two lists beside "拼接".
  std::vector<const TChild*> lists;
  for (const TChild& c : children)
    if (c.Class == L"TcxComboBox" && GetParent(c.Window) == GetParent(splice->Window)) lists.push_back(&c);
  ASSERT_EQ(lists.size(), 2u);
  std::sort(lists.begin(), lists.end(), [](const TChild* a, const TChild* b) { return a->Rect.top < b->Rect.top; });
  const TGridOnScreen cells(grid->Window, 3, 4);
  MoveTo(cells.Cell(2, 1));
  Mouse(MOUSEEVENTF_LEFTDOWN);
  MoveTo(cells.Cell(3, 1));
  MoveTo(cells.Cell(3, 2));
  Mouse(MOUSEEVENTF_LEFTUP);
  ClickAt(Centre(lists[1]->Rect));  // the fixed list opens
  Key('3');
  Key(VK_RETURN);
  ClickAt(Centre(splice->Rect));
  EXPECT_EQ(Received("com7", 16),
            (std::map<std::string, std::string>{{"com5", "C6 21 32 20 01 BB"},
                                                {"com6", ""},
                                                {"com7", HexOf("3V2.3V3.3V6.3V7.")},
                                                {"tcp", ""}}));
  const std::vector<int64_t> wall = peer.ByteTimes("com5");
  const std::vector<int64_t> vga = peer.ByteTimes("com7");
  ASSERT_EQ(wall.size(), 6u);
  ASSERT_EQ(vga.size(), 16u);
  EXPECT_GE(vga[0] - wall[5], 100000 - 20000) << "the response pause after the wall frame";
  for (size_t i = 4; i < 16; i += 4) EXPECT_GE(vga[i] - vga[i - 4], 100000 - 20000) << "the interval before text " << i / 4;
  CloseAndCheck();
}

TEST_F(ConsoleEndToEndTest, WirelessSpliceReachesTheBridgeInOneChunk) {
  SetKeys({{L"serialCtrl", L"0"}, {L"signalindex", L"0"}, {L"linkage", L"0"}, {L"row", L"3"}, {L"col", L"3"},
           {L"IPAddress", L"127.0.0.1"}, {L"Port", IntToStr(peer.BridgePort())}});
  ASSERT_TRUE(Start());
  const TGridOnScreen cells(grid->Window, 3, 3);
  ClickAt(cells.Cell(1, 1));
  ClickAt(Centre(splice->Rect));
  peer.WaitFor("tcp", 6, 3000);
  Sleep(100);
  const std::vector<vamire_test::PeerChunk> chunks = peer.Chunks("tcp");
  ASSERT_EQ(chunks.size(), 1u);
  EXPECT_EQ(vamire_test::Hex(chunks[0].Bytes), "C6 11 11 20 00 BB");
  for (const char* port : {"com5", "com6", "com7"}) EXPECT_EQ(vamire_test::Hex(peer.Received(port)), "") << port;
  CloseAndCheck();
}

}  // namespace
