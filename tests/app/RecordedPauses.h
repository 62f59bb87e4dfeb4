// One event list for the tests of code that sends to the device peer: the
// frames' debug echo goes in by the test's console, and the pauses the
// sending code takes go in too (recorded instead of slept while a
// TRecordedPauses lives), in the order the code met them.
#pragma once

#include <vector>

#include "Sleep.h"
#include "SysUtils.h"

namespace app_test {

inline std::vector<String>& Events() {
  static std::vector<String> events;
  return events;
}
inline void RecordPause(uint32_t ms) { Events().push_back(L"pause " + IntToStr(int(ms))); }

class TRecordedPauses {
 public:
  TRecordedPauses() : FPrevious(SetSleepProc(&RecordPause)) {}
  ~TRecordedPauses() { SetSleepProc(FPrevious); }

 private:
  TSleepProc FPrevious;
};

}  // namespace app_test
