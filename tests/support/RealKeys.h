// Real keys for tests that need the keyboard: typed through the system's
// input queue (so thread hooks and TranslateMessage see them as a person's),
// and a pump that serves the window while they arrive.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <vector>

#include "HostForm.h"

namespace test_support {

// Serves the thread's messages for at least `milliseconds`.
inline void PumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  do {
    Pump();
    Sleep(5);
  } while (GetTickCount() - start < milliseconds);
}

// Presses the keys in order, releases them in reverse (a chord such as
// Ctrl+Tab), then serves the window for 100 ms.
inline void Type(std::initializer_list<WORD> keys) {
  std::vector<INPUT> input;
  for (WORD key : keys) {
    INPUT down{};
    down.type = INPUT_KEYBOARD;
    down.ki.wVk = key;
    input.push_back(down);
  }
  for (auto it = keys.end(); it != keys.begin();) {
    INPUT up{};
    up.type = INPUT_KEYBOARD;
    up.ki.wVk = *--it;
    up.ki.dwFlags = KEYEVENTF_KEYUP;
    input.push_back(up);
  }
  SendInput(UINT(input.size()), input.data(), sizeof(INPUT));
  PumpFor(100);
}

}  // namespace test_support
