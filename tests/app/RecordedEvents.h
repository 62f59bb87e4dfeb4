// What a device test compares: every debug echo line and every pause, in the
// order the sending thread met them, recorded into one list.
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

// A console of the link routines (Base) in debug mode that echoes into the list.
template <class Base>
class TEventConsoleOf : public Base {
 public:
  TEventConsoleOf() {
    this->Debug = true;
    Events().clear();
  }
  void AddLogLine(const String& line) override {
    Base::AddLogLine(line);
    Events().push_back(line);
  }
};

// The link test console, echoing.
using TEventConsole = TEventConsoleOf<link_test::TTestConsole>;

// The pauses go into the list instead of being taken, for the life of the object.
class TRecordedPauses {
 public:
  TRecordedPauses() : FPrevious(SetSleepProc(&RecordPause)) {}
  ~TRecordedPauses() { SetSleepProc(FPrevious); }

 private:
  TSleepProc FPrevious;
};

}  // namespace app_test
