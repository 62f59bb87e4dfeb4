// The program's beep goes through one replaceable procedure: a test counts
// the beeps instead of hearing them, and the mask edit beeps through it when
// a character does not fit the mask or an entry is left incomplete.
#include <gtest/gtest.h>

#include "Mask.h"
#include "Sleep.h"
#include "extctrls_test_support.h"

using namespace extctrls_test;

namespace {

int GBeeps = 0;
void CountBeep() { ++GBeeps; }

TEST(BeepTest, AReplacedBeepIsCountedAndTheRealOneComesBack) {
  GBeeps = 0;
  const TBeepProc previous = SetBeepProc(&CountBeep);
  SystemBeep();
  SystemBeep();
  EXPECT_EQ(GBeeps, 2);
  EXPECT_EQ(SetBeepProc(nullptr), &CountBeep);
  SystemBeep();  // the platform's: not counted
  EXPECT_EQ(GBeeps, 2);
  EXPECT_NE(SetBeepProc(previous), &CountBeep) << "null put the platform's beep back";
}

TEST(BeepTest, TheMaskEditBeepsForWhatTheMaskRefuses) {
  GBeeps = 0;
  const TBeepProc previous = SetBeepProc(&CountBeep);
  {
    THost host{nullptr};
    host.SetBounds(40, 40, 240, 100);
    auto* edit = new TMaskEdit(&host);
    edit->SetParent(&host);
    edit->SetBounds(10, 10, 150, 24);
    edit->SetEditMask(L"!90:00;1;_");
    host.HandleNeeded();
    struct TCase {
      wchar_t Char;
      int Beeps;
    };
    for (const TCase& c : {TCase{L'1', 0}, TCase{L'a', 1}, TCase{L'2', 1}, TCase{L'-', 2}}) {
      SendMessageW(edit->Handle(), WM_CHAR, c.Char, 1);
      PumpMessages();
      EXPECT_EQ(GBeeps, c.Beeps) << char(c.Char);
    }
    // Left incomplete: refused with a beep.
    EXPECT_THROW(edit->ValidateEdit(), Exception);
    EXPECT_EQ(GBeeps, 3);
  }
  SetBeepProc(previous);
}

}  // namespace
