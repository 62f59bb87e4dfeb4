// A test whose texts must not depend on the machine's locale: the runtime's
// format settings are the invariant ones during each test and come back after it.
#pragma once

#include <gtest/gtest.h>

#include "SysUtils.h"

class InvariantFormatsTest : public testing::Test {
 protected:
  void SetUp() override {
    FSaved = FormatSettings();
    FormatSettings() = TFormatSettings::Invariant();
  }
  void TearDown() override { FormatSettings() = FSaved; }

 private:
  TFormatSettings FSaved;
};
