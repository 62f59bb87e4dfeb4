// What the painters' tests share: the units they need, system colours put in
// force through the runtime's reader (the system's own are never changed), and
// a memory surface with pixel helpers.
#pragma once

#include <gtest/gtest.h>

#include "Units.h"
#include "cxLookAndFeelPainters_win.h"
#include "dxCore.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"
#include "toolkit/core/graphics_win_test_support.h"

namespace lookandfeel_test {

using core_graphics_test::CanvasSurface;
using core_graphics_test::ExpectedMask;
using core_graphics_test::InRect;
using core_graphics_test::Rgb;

class TPainterUnits : public testing::Environment {
 public:
  void SetUp() override {
    InitializeUnits({dxUxThemeUnit, dxThemeManagerUnit, dxCoreUnit, cxGraphicsUnit, cxLookAndFeelPaintersUnit});
  }
  void TearDown() override { FinalizeUnits(); }
};

// A colour for every system colour index, each distinct and none a system
// default, so a pixel tells which role drew it.
inline TColor InjectedSysColor(int AIndex) {
  return TColor(((AIndex * 37 + 11) & 0xFF) | ((AIndex * 91 + 53) & 0xFF) << 8 | ((AIndex * 13 + 101) & 0xFF) << 16);
}

// Puts the injected colours in force for its lifetime; AShift varies them, so
// a test can change "the system colours" while it runs.
class TInjectedSysColors {
 public:
  explicit TInjectedSysColors(int AShift = 0) {
    Shift() = AShift;
    FPrevious = SetSysColorReader(&Read);
  }
  ~TInjectedSysColors() { SetSysColorReader(FPrevious); }
  TInjectedSysColors(const TInjectedSysColors&) = delete;
  TInjectedSysColors& operator=(const TInjectedSysColors&) = delete;
  void SetShift(int AShift) { Shift() = AShift; }
  static TColor Of(int AIndex) { return InjectedSysColor(AIndex + Shift()); }

 private:
  static int& Shift() {
    static int shift = 0;
    return shift;
  }
  static TColor Read(int AIndex) { return Of(AIndex); }
  TSysColorReader FPrevious;
};

// Every painter of this unit, by name for messages.
struct TNamedPainter {
  const char* Name;
  TcxCustomLookAndFeelPainterClass Painter;
};
inline std::vector<TNamedPainter> AllPainters() {
  return {{"base", TcxCustomLookAndFeelPainter::Instance()},
          {"standard", TcxStandardLookAndFeelPainter::Instance()},
          {"flat", TcxFlatLookAndFeelPainter::Instance()}};
}

// Pixels as 0x00RRGGBB, row by row, for comparing two drawings.
inline std::vector<uint32_t> Pixels(CanvasSurface& S) { return S.Cap().Pixels; }

}  // namespace lookandfeel_test
