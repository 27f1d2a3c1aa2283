// Shared pieces of the Windows benchmarks: the clock, pumping without keeping events, and the
// one-line report every comparison ends with.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "event/queue.h"

// Seconds on the performance counter.
inline double Now() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Dispatches every waiting message and drops the events they made, so that the queue does not
// grow over a run.
inline void Pump() {
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
  ResetEventQueue(0);
}

inline double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// "what: ours ms vs anchor ms ... ratio R" from the medians of the rounds (in seconds).
inline void Report(const char* what, const std::vector<double>& ours, const std::vector<double>& anchor,
                   const char* anchorName) {
  const double o = Median(ours), a = Median(anchor);
  std::printf("%s: %.2f ms vs %s %.2f ms ... ratio %.2f\n", what, o * 1000, anchorName, a * 1000, o / a);
}
