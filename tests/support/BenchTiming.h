// Timing for the benchmarks: the performance counter in microseconds, the
// median of a round's times, and two ways of doing the same work measured in
// alternating rounds.
#pragma once
#include <windows.h>

#include <algorithm>
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

// The median microseconds of one call of each side over ARounds rounds (after
// one warm-up), the sides alternating, each ARepeats calls a round with the
// GDI batch flushed before the clock stops.
inline std::pair<double, double> MeasureSideBySide(const std::function<void()>& AFirst,
                                                   const std::function<void()>& ASecond, int ARounds, int ARepeats) {
  std::vector<double> first, second;
  for (int round = 0; round < ARounds + 1; ++round) {
    double start = Now();
    for (int i = 0; i < ARepeats; ++i) AFirst();
    GdiFlush();
    const double a = (Now() - start) / ARepeats;
    start = Now();
    for (int i = 0; i < ARepeats; ++i) ASecond();
    GdiFlush();
    const double b = (Now() - start) / ARepeats;
    if (round == 0) continue;
    first.push_back(a);
    second.push_back(b);
  }
  return {Median(first), Median(second)};
}

}  // namespace vamire_bench
