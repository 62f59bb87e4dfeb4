// For tests of a console window on the wire: one list of events in which the
// frames' debug echo and the recorded pauses stand in the order they came, a
// main window in debug mode with the selection 1,1 - 2,2 that echoes into it,
// and the message boxes answered with OK and their texts kept.
#pragma once

#include <cstdint>
#include <vector>

#include "DialogService.h"
#include "Sleep.h"
#include "SysUtils.h"
#include "OperatorInput.h"
#include "TestMainWindow.h"

namespace app_test {

inline std::vector<String>& Events() {
  static std::vector<String> events;
  return events;
}
inline void RecordPause(uint32_t ms) { Events().push_back(L"pause " + IntToStr(int(ms))); }

// The main window with its echo in the event list, in debug mode.
class TEventMain : public TTestMainWindow {
 public:
  TEventMain() {
    Debug = true;
    Selection = {1, 1, 2, 2};
    Events().clear();
  }
  void AddLogLine(const String& line) override {
    TTestMainWindow::AddLogLine(line);
    Events().push_back(line);
  }
};

}  // namespace app_test
