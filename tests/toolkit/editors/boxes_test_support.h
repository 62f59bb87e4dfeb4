// What the box tests share: the units in the program's order, a host form,
// real pointer input and painting a control into memory.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include "ExtCtrls.h"
#include "Forms.h"
#include "ImgList.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "Threads.h"
#include "Units.h"
#include "cxClasses.h"
#include "cxContainer_win.h"
#include "cxControls_win.h"
#include "cxDWMApi.h"
#include "cxExtEditConsts.h"
#include "cxExtEditUtils_win.h"
#include "cxLookAndFeelPainters_win.h"
#include "cxLookAndFeels.h"
#include "cxRadioGroup_win.h"
#include "dxGDIPlusAPI.h"
#include "dxOffice11_win.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"
#include "runtime/graphics_test_support.h"
#include "support/HostForm.h"
#include "support/TestPrefix.h"
#include "support/WindowCapture.h"

namespace boxes_test {

using graphics_test::Rgb;
using test_support::MakeForm;
using test_support::Pump;
using test_support::THostForm;

class TBoxUnits : public testing::Environment {
 public:
  void SetUp() override {
    InitializeUnits({ThreadsUnit, ImgListUnit, MenusUnit, FormsUnit, StdCtrlsUnit, ExtCtrlsUnit, dxUxThemeUnit,
                     dxThemeManagerUnit, cxDWMApiUnit, dxGDIPlusAPIUnit, dxCoreUnit, cxClassesUnit, cxGraphicsUnit,
                     cxControlsBaseUnit, dxOffice11Unit, cxLookAndFeelsUnit, cxLookAndFeelPaintersUnit, cxControlsUnit,
                     cxContainerUnit, cxExtEditConstsUnit, cxExtEditUtilsUnit, cxRadioGroupUnit});
    Application->Initialize();
  }
  void TearDown() override { FinalizeUnits(); }
};

// Pumps for a while: input from the display arrives on its own time.
inline void PumpFor(DWORD AMilliseconds) {
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  do {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    Pump();
    QueryPerformanceCounter(&now);
  } while ((now.QuadPart - start.QuadPart) * 1000 < LONGLONG(AMilliseconds) * frequency.QuadPart);
}

// The real pointer: moved, pressed and released as a person would.
inline void PointerTo(const TPoint& AScreen) {
  SetCursorPos(AScreen.X, AScreen.Y);
  PumpFor(60);
}
inline void PointerButton(DWORD AFlags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = AFlags;
  SendInput(1, &input, sizeof(INPUT));
  PumpFor(100);
}
inline void ClickAt(const TPoint& AScreen) {
  PointerTo(AScreen);
  PointerButton(MOUSEEVENTF_LEFTDOWN);
  PointerButton(MOUSEEVENTF_LEFTUP);
}

// The control as its window paints it (WM_PRINTCLIENT, so the system asks for
// the owner drawing with this DC), over a background of Paper.
inline vamire_test::Capture PaintControl(TWinControl* AControl, std::uint32_t Paper = 0x00E0F0A0) {
  return vamire_test::PrintClient(AControl->Handle(), AControl->Width(), AControl->Height(), Paper);
}

// Runs a drawing routine on a canvas over a fresh bitmap of Paper and captures it.
template <class F>
vamire_test::Capture PaintWith(int AWidth, int AHeight, std::uint32_t Paper, F ADraw) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(AWidth, AHeight);
  bitmap.Canvas()->Brush()->SetColor(TColor(((Paper & 0xFF) << 16) | (Paper & 0xFF00) | ((Paper >> 16) & 0xFF)));
  bitmap.Canvas()->FillRect(TRect{0, 0, AWidth, AHeight});
  TcxCanvas canvas(bitmap.Canvas());
  ADraw(&canvas);
  GdiFlush();
  return vamire_test::CaptureDC(bitmap.Canvas()->Handle(), 0, 0, AWidth, AHeight);
}

}  // namespace boxes_test
