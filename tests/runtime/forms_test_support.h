// Shared by the form tests: the forms unit started once per program, and
// small readers of what a window shows.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "Forms.h"
#include "Threads.h"

namespace forms_test {

class TFormsEnvironment : public testing::Environment {
 public:
  void SetUp() override { InitializeUnits({ThreadsUnit, FormsUnit}); }
  void TearDown() override { FinalizeUnits(); }
};

inline testing::Environment* const FormsEnvironment = testing::AddGlobalTestEnvironment(new TFormsEnvironment);

}  // namespace forms_test

inline String WindowClassOf(HWND Wnd) {
  wchar_t name[256] = {};
  GetClassNameW(Wnd, name, 256);
  return name;
}

inline String WindowTextOf(HWND Wnd) {
  wchar_t text[512] = {};
  GetWindowTextW(Wnd, text, 512);
  return text;
}
