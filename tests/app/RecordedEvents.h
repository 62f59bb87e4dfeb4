// The order of what a console action did: every debug echo line and every
// pause, as the sending thread met them, recorded in one list. The pauses
// are recorded instead of taken, so an action that waits seconds runs at
// once and its waits can still be asserted.
#pragma once

#include <vector>

#include "Sleep.h"
#include "SysUtils.h"
#include "link/LinkTestConsole.h"

namespace app_test {

inline std::vector<String>& Events() {
  static std::vector<String> events;
  return events;
}
inline void RecordPause(uint32_t ms) { Events().push_back(L"pause " + IntToStr(int(ms))); }

// A console that echoes into the shared event list, in debug mode.
class TEventConsole : public link_test::TTestConsole {
 public:
  TEventConsole() {
    Debug = true;
    Events().clear();
  }
  void AddLogLine(const String& line) override {
    TTestConsole::AddLogLine(line);
    Events().push_back(line);
  }
};

class TRecordedPauses {
 public:
  TRecordedPauses() : FPrevious(SetSleepProc(&RecordPause)) {}
  ~TRecordedPauses() { SetSleepProc(FPrevious); }

 private:
  TSleepProc FPrevious;
};

}  // namespace app_test
