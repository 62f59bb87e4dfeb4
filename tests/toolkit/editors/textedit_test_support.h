// What the text editors' tests share: the units up to the text editors'.
#pragma once

#include "cxDrawTextUtils_win.h"
#include "cxTextEdit_win.h"
#include "edit_test_support.h"

namespace edit_test {

class TTextEditUnits : public testing::Environment {
 public:
  void SetUp() override {
    try {
      StartEditUnits();
      InitializeUnits({cxDrawTextUtilsUnit, cxTextEditUnit});
    } catch (const Exception& e) {
      FAIL() << "the units did not start: " << std::string(e.Message().begin(), e.Message().end());
    }
    Application->Initialize();
  }
  void TearDown() override { FinalizeUnits(); }
};

}  // namespace edit_test
