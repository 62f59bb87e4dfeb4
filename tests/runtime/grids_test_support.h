// Shared by the grid tests: a string grid in a top-level host with known cell
// sizes, and real mouse and key messages sent to it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "Grids.h"
#include "controls_test_support.h"

namespace grids_test {

// Cells 40 x 20 with 1-pixel lines: column c starts at 41 * c, row r at 21 * r.
constexpr int ColStep = 41;
constexpr int RowStep = 21;

// The middle of a cell in the unscrolled layout.
inline LPARAM CellPoint(int Col, int Row) { return MAKELPARAM(Col * ColStep + 20, Row * RowStep + 10); }

class GridTest : public testing::Test {
 protected:
  void SetUp() override {
    Host = new controls_test::THost(nullptr);
    Grid = new TStringGrid(Host);
    Grid->SetParent(Host);
    Grid->SetBorderStyle(bsNone);
    Grid->SetScrollBars(ssNone);
    Grid->SetBounds(0, 0, 300, 200);
    Grid->SetColCount(6);
    Grid->SetRowCount(6);
    Grid->SetDefaultColWidth(40);
    Grid->SetDefaultRowHeight(20);
    Host->HandleNeeded();
    Host->Show();
    controls_test::PumpMessages();
  }
  void TearDown() override {
    SetShift(false, false);
    delete Host;
  }

  HWND Wnd() { return Grid->Handle(); }

  void Press(LPARAM At, WPARAM Keys = 0) { SendMessageW(Wnd(), WM_LBUTTONDOWN, MK_LBUTTON | Keys, At); }
  void Drag(LPARAM At) { SendMessageW(Wnd(), WM_MOUSEMOVE, MK_LBUTTON, At); }
  void Release(LPARAM At) { SendMessageW(Wnd(), WM_LBUTTONUP, 0, At); }

  // Key modifiers as the thread's keyboard state shows them to the grid.
  static void SetShift(bool Shift, bool Ctrl) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = Shift ? 0x80 : 0;
    keys[VK_CONTROL] = Ctrl ? 0x80 : 0;
    SetKeyboardState(keys);
  }
  void Key(WPARAM Vk, bool Shift = false, bool Ctrl = false, HWND To = nullptr) {
    SetShift(Shift, Ctrl);
    SendMessageW(To ? To : Wnd(), WM_KEYDOWN, Vk, 1);
    SendMessageW(To ? To : Wnd(), WM_KEYUP, Vk, 0xC0000001);
    SetShift(false, false);
  }
  void Type(const wchar_t* Text, HWND To) {
    for (; *Text; ++Text) SendMessageW(To, WM_CHAR, *Text, 1);
  }

  controls_test::THost* Host = nullptr;
  TStringGrid* Grid = nullptr;
};

inline TGridRect R(int L, int T, int Rt, int B) { return TGridRect{L, T, Rt, B}; }

}  // namespace grids_test

inline std::ostream& operator<<(std::ostream& os, const TGridRect& r) {
  return os << "{" << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom << "}";
}
