// The look of a console window for a person and for the layout check: the
// window brought to the front and painted, every layout finding a failure
// (but those a test names as by design), and a PNG of it named after its
// class, language and prefix ("console_TForm7_en_plain.png").
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "Forms.h"
#include "support/LayoutCheck.h"
#include "support/RealKeys.h"
#include "support/TestPrefix.h"
#include "support/WindowCapture.h"

namespace app_test {

inline void CheckLookAndCapture(TCustomForm* form, bool english, bool (*byDesign)(const std::string&) = nullptr) {
  SetForegroundWindow(form->Handle());
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  test_support::PumpFor(200);
  for (const std::string& problem : test_support::CheckLayout(form))
    if (!byDesign || !byDesign(problem)) ADD_FAILURE() << problem;
  const vamire_test::Capture cap = vamire_test::CaptureWindow(form->Handle());
  const std::wstring file = std::wstring(L"console_") + form->ClassName() + (english ? L"_en_" : L"_zh_") +
                            (vamire_test::InThemedPrefix() ? L"themed" : L"plain") + L".png";
  EXPECT_TRUE(cap.SavePng(file));
}

}  // namespace app_test
