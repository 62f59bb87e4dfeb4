// What the skin tests under Wine share: the units skins stand on, and the
// probe skin read from the test program's own resources.
#pragma once

#include <gtest/gtest.h>

#include "dxSkinsCore_win.h"
#include "skins_test_support.h"

namespace skins_test {

class TSkinUnits : public testing::Environment {
 public:
  void SetUp() override {
    InitializeUnits({dxGDIPlusAPIUnit, dxCoreUnit, dxGDIPlusClassesUnit, cxGraphicsUnit, dxSkinsCoreUnit});
  }
  void TearDown() override { FinalizeUnits(); }
};

// The probe skin, read once and kept for the whole program.
inline TdxSkin& Probe() {
  static TdxSkin* probe = new TdxSkin(L"Probe", GetModuleHandleW(nullptr), true);
  return *probe;
}

inline TdxSkinElement* ProbeElement(const wchar_t* AGroup, const wchar_t* AName) {
  TdxSkinElement* e = Probe().FindGroup(AGroup)->FindElement(AName);
  EXPECT_NE(e, nullptr) << UTF8Encode(AName);
  return e;
}

}  // namespace skins_test
