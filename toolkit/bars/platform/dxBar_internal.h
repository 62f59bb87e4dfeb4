// What the files of the bar library's main unit share and nobody else needs.
#pragma once

#include <exception>

#include "SysUtils.h"
#include "cxControlsBase_win.h"
#include "dxBar_win.h"

// Runs its action when the scope is left, also by an exception (an action
// that raises while another exception passes is not let through).
template <class F>
class TdxBarFinally {
 public:
  explicit TdxBarFinally(F f) : FAction(f), FExceptions(std::uncaught_exceptions()) {}
  ~TdxBarFinally() noexcept(false) {
    if (std::uncaught_exceptions() == FExceptions) {
      FAction();
    } else {
      try {
        FAction();
      } catch (...) {
      }
    }
  }
  TdxBarFinally(const TdxBarFinally&) = delete;
  TdxBarFinally& operator=(const TdxBarFinally&) = delete;

 private:
  F FAction;
  int FExceptions;
};

// A top-down DIB section of a bit depth on a DC; Bits receives its pixels.
inline HBITMAP dxBarCreateTopDownDIB(HDC DC, int Width, int Height, WORD BitCount, void** Bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = Width;
  info.bmiHeader.biHeight = -Height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = BitCount;
  return CreateDIBSection(DC, &info, DIB_RGB_COLORS, Bits, nullptr, 0);
}

// The manager list (first registration outside design time makes the hint window).
void dxBarRegisterManager(TdxBarManager* AManager);
void dxBarUnregisterManager(TdxBarManager* AManager);
void dxBarCreateManagerList();
void dxBarFreeManagerList();
// The manager's hint timers go with it.
void dxBarKillHintTimersOf(TdxBarManager* AManager);
void dxBarFreeHintWindow();
void dxBarShowHintNow(TdxBarManager* AManager);
void dxBarFreeSoundLibrary();
void dxBarFreeCheckedButtonBrush();
