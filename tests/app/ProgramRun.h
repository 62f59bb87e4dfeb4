// The real console program started from a run folder that scripts/run-folder
// prepared (the test's fixture), with the folder as its current directory,
// and its windows found by process. For the tests of the program as a whole.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "System.h"

namespace app_test {

// The build names its folders by their Linux paths; Wine shows the Linux root as Z:.
inline String WindowsPath(const char* unixPath) {
  String path = L"Z:";
  for (const char* p = unixPath; *p; ++p) path += *p == '/' ? L'\\' : wchar_t(static_cast<unsigned char>(*p));
  return path;
}

// Waits on `done` for at most `timeoutMs`, checking every 20 ms.
template <class Pred>
bool WaitFor(Pred done, DWORD timeoutMs) {
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  for (;;) {
    if (done()) return true;
    QueryPerformanceCounter(&now);
    if (DWORD((now.QuadPart - start.QuadPart) * 1000 / frequency.QuadPart) > timeoutMs) return false;
    Sleep(20);
  }
}

class TProgramRun {
 public:
  // Starts Vamire.exe of `folder`, in that folder.
  explicit TProgramRun(const String& folder) {
    const String program = folder + L"\\Vamire.exe";
    String commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    Started = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             folder.c_str(), &startup, &FProcess) != 0;
  }
  ~TProgramRun() {
    if (!Started) return;
    // A test that failed half-way leaves no console behind.
    if (WaitForSingleObject(FProcess.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(FProcess.hProcess, 99);
    CloseHandle(FProcess.hThread);
    CloseHandle(FProcess.hProcess);
  }
  TProgramRun(const TProgramRun&) = delete;
  TProgramRun& operator=(const TProgramRun&) = delete;

  // The program's visible top-level windows.
  std::vector<HWND> VisibleWindows() const {
    TSearch search{FProcess.dwProcessId, {}};
    EnumWindows(&CollectVisible, reinterpret_cast<LPARAM>(&search));
    return search.Found;
  }
  // The program's visible window whose title is `caption`, or null.
  HWND WindowTitled(const String& caption) const {
    for (HWND window : VisibleWindows()) {
      wchar_t text[256] = {};
      GetWindowTextW(window, text, 256);
      if (caption == text) return window;
    }
    return nullptr;
  }
  // True when the program ended within `timeoutMs`; its exit code in `code`.
  bool WaitForEnd(DWORD timeoutMs, DWORD& code) const {
    if (WaitForSingleObject(FProcess.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
    GetExitCodeProcess(FProcess.hProcess, &code);
    return true;
  }

  bool Started = false;

 private:
  struct TSearch {
    DWORD Process;
    std::vector<HWND> Found;
  };
  static BOOL CALLBACK CollectVisible(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<TSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == search->Process && IsWindowVisible(window)) search->Found.push_back(window);
    return TRUE;
  }

  PROCESS_INFORMATION FProcess{};
};

}  // namespace app_test
