// Timing for the benchmarks: the performance counter in microseconds, the
// median of a round's times, and two ways of doing the same work measured in
// alternating rounds.
#pragma once
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace vamire_bench {

inline double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return double(counter.QuadPart) * 1e6 / double(frequency.QuadPart);
}

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The median microseconds of one call of each piece of work over ARounds
// rounds (after one warm-up), the pieces taking turns, each ARepeats calls a
// round with the GDI batch flushed before the clock stops.
inline std::vector<double> MeasureInTurns(const std::vector<std::function<void()>>& AWork, int ARounds,
                                          int ARepeats) {
  std::vector<std::vector<double>> times(AWork.size());
  for (int round = 0; round < ARounds + 1; ++round)
    for (std::size_t w = 0; w < AWork.size(); ++w) {
      const double start = Now();
      for (int i = 0; i < ARepeats; ++i) AWork[w]();
      GdiFlush();
      if (round > 0) times[w].push_back((Now() - start) / ARepeats);
    }
  std::vector<double> medians;
  for (const auto& t : times) medians.push_back(Median(t));
  return medians;
}

// Two sides of MeasureInTurns.
inline std::pair<double, double> MeasureSideBySide(const std::function<void()>& AFirst,
                                                   const std::function<void()>& ASecond, int ARounds, int ARepeats) {
  const std::vector<double> medians = MeasureInTurns({AFirst, ASecond}, ARounds, ARepeats);
  return {medians[0], medians[1]};
}

// One line of a benchmark's report: our median, the platform's doing the same
// work, and their ratio.
inline void PrintSideBySide(const char* AWhat, std::pair<double, double> ATimes, const char* APlatform) {
  std::printf("%-44s ours %8.2f us   %-28s %8.2f us   ratio %.2f\n", AWhat, ATimes.first, APlatform, ATimes.second,
              ATimes.first / ATimes.second);
}

// A window's client area painted by the window itself (WM_PRINTCLIENT) into
// DC with its top-left corner at X, Y.
inline void PrintClientAt(HWND AWindow, HDC DC, int X, int Y) {
  const int saved = SaveDC(DC);
  SetViewportOrgEx(DC, X, Y, nullptr);
  SendMessageW(AWindow, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(DC), PRF_CLIENT);
  RestoreDC(DC, saved);
}

}  // namespace vamire_bench
