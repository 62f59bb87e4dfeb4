// Timing for the benchmarks: the performance counter in microseconds and the
// median of a round's times.
#pragma once
#include <windows.h>

#include <algorithm>
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

}  // namespace vamire_bench
