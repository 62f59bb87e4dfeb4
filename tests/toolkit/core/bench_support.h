// The clock and the median the toolkit core's benchmarks measure with.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

namespace core_bench {

// The performance counter in microseconds.
inline double Microseconds() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return double(counter.QuadPart) * 1e6 / double(frequency.QuadPart);
}

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace core_bench
