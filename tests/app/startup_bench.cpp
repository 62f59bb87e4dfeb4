// Start-up cost of Vamire.exe side by side in the same run with a minimal
// Win32 window program (startup_minimal.cpp): each started N times in turn,
// from CreateProcess until the process has ended or, for a console that
// stays open, until its first window shows (which is then closed, unmeasured).
// Prints the medians, their ratio and the peak working set of each.
//   app_startup_bench [RUNS [PROGRAM]]   PROGRAM replaces Vamire.exe (another build of it, say)
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace {

// The build knows its programs by their Linux paths; Wine shows the Linux root as Z:.
std::wstring WindowsPath(const char* unixPath) {
  std::wstring path = L"Z:";
  for (const char* p = unixPath; *p; ++p) path += *p == '/' ? L'\\' : wchar_t(static_cast<unsigned char>(*p));
  return path;
}

// The first visible top-level window of a process.
struct TShownWindow {
  DWORD Process;
  HWND Window;
};
BOOL CALLBACK FindShown(HWND window, LPARAM data) {
  auto* shown = reinterpret_cast<TShownWindow*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != shown->Process || !IsWindowVisible(window)) return TRUE;
  shown->Window = window;
  return FALSE;
}

struct TRun {
  double Ms = 0;
  SIZE_T PeakWorkingSet = 0;  // 0 when the platform does not tell it for an ended process
  DWORD ExitCode = 0;
};

TRun Start(const std::wstring& program) {
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  LARGE_INTEGER frequency, begin, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&begin);
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    std::fwprintf(stderr, L"cannot start %ls (error %lu)\n", program.c_str(), GetLastError());
    std::exit(2);
  }
  // Wine tells a process's peak working set only while the process is alive, so it is
  // asked every millisecond until the end; the peak only grows, and the last answer stands.
  TRun run;
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  TShownWindow shown{process.dwProcessId, nullptr};
  while (WaitForSingleObject(process.hProcess, 1) == WAIT_TIMEOUT) {
    if (GetProcessMemoryInfo(process.hProcess, &counters, sizeof(counters)))
      run.PeakWorkingSet = std::max(run.PeakWorkingSet, counters.PeakWorkingSetSize);
    EnumWindows(&FindShown, reinterpret_cast<LPARAM>(&shown));
    if (shown.Window) break;
  }
  QueryPerformanceCounter(&end);
  if (shown.Window) {
    PostMessageW(shown.Window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 15000);
  }
  run.Ms = double(end.QuadPart - begin.QuadPart) * 1000.0 / double(frequency.QuadPart);
  GetExitCodeProcess(process.hProcess, &run.ExitCode);
  if (GetProcessMemoryInfo(process.hProcess, &counters, sizeof(counters)))
    run.PeakWorkingSet = std::max(run.PeakWorkingSet, counters.PeakWorkingSetSize);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return run;
}

struct TFigures {
  double MedianMs;
  double PeakMiB;
};

TFigures Report(const char* label, std::vector<TRun>& runs) {
  std::sort(runs.begin(), runs.end(), [](const TRun& a, const TRun& b) { return a.Ms < b.Ms; });
  SIZE_T peak = 0;
  for (const TRun& r : runs) peak = std::max(peak, r.PeakWorkingSet);
  TFigures figures{runs[runs.size() / 2].Ms, double(peak) / (1024.0 * 1024.0)};
  std::printf("%-26s runs %zu  median %.1f ms  min %.1f ms  max %.1f ms  peak working set ", label, runs.size(),
              figures.MedianMs, runs.front().Ms, runs.back().Ms);
  if (peak) std::printf("%.1f MiB\n", figures.PeakMiB);
  else std::printf("not told\n");
  return figures;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 20;
  const std::wstring vamire = argc > 2 ? std::wstring(argv[2]) : WindowsPath(VAMIRE_EXE);
  const std::wstring minimal = WindowsPath(MINIMAL_EXE);
  // A window of its own keeps the desktop up for the whole run, as it always is on
  // Windows; otherwise Wine would start its desktop process again for each program.
  HWND keeper = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  std::printf("start-up: %d runs each, in turn, after one unmeasured start of each\n", runs);
  Start(vamire);
  Start(minimal);
  std::vector<TRun> vamireRuns, minimalRuns;
  for (int i = 0; i < runs; ++i) {
    vamireRuns.push_back(Start(vamire));
    minimalRuns.push_back(Start(minimal));
    if (vamireRuns.back().ExitCode != 0 || minimalRuns.back().ExitCode != 0) {
      std::printf("a program ended with code %lu / %lu\n", vamireRuns.back().ExitCode, minimalRuns.back().ExitCode);
      return 1;
    }
  }
  const TFigures ours = Report("Vamire.exe", vamireRuns);
  const TFigures floor = Report("minimal window program", minimalRuns);
  std::printf("ratio: start-up %.2fx", ours.MedianMs / floor.MedianMs);
  if (ours.PeakMiB > 0 && floor.PeakMiB > 0) std::printf(", peak working set %.2fx", ours.PeakMiB / floor.PeakMiB);
  std::printf(" (goal: start-up within 1.3x, peak working set within 1.5x)\n");
  DestroyWindow(keeper);
  return 0;
}
