// What the bar library's tests share: the units in the program's order, a host
// form, and a memory surface whose pixels read back.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include "ActnList.h"
#include "ExtCtrls.h"
#include "FormText.h"
#include "Forms.h"
#include "ImgList.h"
#include "Menus.h"
#include "Streaming.h"
#include "StdCtrls.h"
#include "Threads.h"
#include "Units.h"
#include "cxClasses.h"
#include "cxControlsBase_win.h"
#include "cxControls_win.h"
#include "cxDWMApi.h"
#include "cxGraphics_win.h"
#include "cxLookAndFeelPainters_win.h"
#include "cxLookAndFeels.h"
#include "dxBarStrs.h"
#include "dxBar_win.h"
#include "dxCore.h"
#include "dxGDIPlusAPI.h"
#include "dxOffice11_win.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"
#include "support/HostForm.h"

namespace bars_test {

using test_support::THostForm;
using test_support::Pump;

// The units the bar library stands on and its own, in the program's order.
inline void StartUnits() {
  InitializeUnits({ThreadsUnit, ImgListUnit, MenusUnit, FormsUnit, ActnListUnit, StdCtrlsUnit, ExtCtrlsUnit, dxUxThemeUnit,
                   dxThemeManagerUnit, cxDWMApiUnit, dxGDIPlusAPIUnit, dxCoreUnit, cxClassesUnit, cxGraphicsUnit,
                   cxControlsBaseUnit, dxOffice11Unit, cxLookAndFeelsUnit, cxLookAndFeelPaintersUnit, cxControlsUnit,
                   dxBarStrsUnit, cxStylesUnit, dxBarUnit});
  Application->Initialize();
}

class TBarUnits : public testing::Environment {
 public:
  void SetUp() override { StartUnits(); }
  void TearDown() override { FinalizeUnits(); }
};

// A component tree as form-file text, line ends as "\n" whatever the converter writes.
inline String WriteFormText(TComponent* Root) {
  TMemoryStream out;
  WriteComponentToStream(&out, Root);
  String text = FormBinaryToText(std::string(static_cast<const char*>(out.Memory()), size_t(out.Size())));
  std::erase(text, L'\r');
  return text;
}

// Reads form-file text into Root: the reader's error text, empty when it was read.
inline String ReadFormText(const String& Text, TComponent* Root) {
  TStringStream in(FormTextToBinary(Text));
  try {
    ReadComponentFromStream(&in, Root);
  } catch (const Exception& e) {
    return e.ClassName() + L": " + e.Message();
  }
  return String();
}

inline THostForm* MakeForm() {
  THostForm* form = TCustomForm::Create<THostForm>(nullptr);
  form->SetBounds(60, 60, 400, 300);
  form->HandleNeeded();
  return form;
}


// A 32-bit top-down memory surface filled with one colour; Pixel reads 0xRRGGBB.
class TSurface {
 public:
  TSurface(int W, int H, COLORREF Fill = RGB(255, 255, 255)) : FW(W), FH(H) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = W;
    info.bmiHeader.biHeight = -H;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    FDC = CreateCompatibleDC(nullptr);
    FBitmap = CreateDIBSection(FDC, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&FBits), nullptr, 0);
    FOld = SelectObject(FDC, FBitmap);
    HBRUSH brush = CreateSolidBrush(Fill);
    RECT r{0, 0, W, H};
    FillRect(FDC, &r, brush);
    DeleteObject(brush);
  }
  ~TSurface() {
    SelectObject(FDC, FOld);
    DeleteObject(FBitmap);
    DeleteDC(FDC);
  }
  HDC DC() const { return FDC; }
  uint32_t Pixel(int X, int Y) const {
    GdiFlush();
    return FBits[Y * FW + X] & 0xFFFFFF;
  }
  // Pixel as a COLORREF (0xBBGGRR).
  COLORREF Color(int X, int Y) const {
    const uint32_t p = Pixel(X, Y);
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  int Width() const { return FW; }
  int Height() const { return FH; }

 private:
  int FW, FH;
  HDC FDC;
  HBITMAP FBitmap;
  HGDIOBJ FOld;
  uint32_t* FBits = nullptr;
};

}  // namespace bars_test
