// Console-side cost of one wall frame: from the SendWallCommand call until its
// six bytes are queued to the wall port's writer, the 20 ms pause left out.
// Side by side, in the same run: six PostThreadMessage calls, the cost of the
// former hand-off (one thread message per byte). Needs the device peer's COM5
// (scripts/test starts the peer; or run tests/support/devicepeer.py start).
// Prints the median and the 99th percentile of each, and their ratios.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "LinkTestConsole.h"

namespace {

LARGE_INTEGER QueuedAt;

// Stands in for the 20 ms pause: notes when the frame's bytes were queued
// (the pause follows the last write at once), then gives the writer a few
// milliseconds to drain, as the real pause would, outside the measurement.
void NotePause(uint32_t) {
  QueryPerformanceCounter(&QueuedAt);
  Sleep(3);
}

const int frames = 10000;

struct TFigures {
  double Median, P99;
};

TFigures Report(std::vector<double>& us, const char* label) {
  std::sort(us.begin(), us.end());
  TFigures figures{us[us.size() / 2], us[us.size() * 99 / 100]};
  std::printf("%-34s frames %zu  median %.1f us  p99 %.1f us  max %.1f us\n", label, us.size(), figures.Median,
              figures.P99, us.back());
  return figures;
}

DWORD WINAPI IdleQueue(void*) {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
  }
  return 0;
}

// The old floor: six thread-message posts, which is how a frame's six bytes
// used to reach the writer.
TFigures MeasurePosts() {
  DWORD id = 0;
  HANDLE thread = CreateThread(nullptr, 0, &IdleQueue, nullptr, 0, &id);
  Sleep(50);
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> us(frames);
  for (int i = 0; i < frames; ++i) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int b = 0; b < 6; ++b) PostThreadMessageW(id, WM_USER + 1, 1, 0);
    QueryPerformanceCounter(&end);
    us[size_t(i)] = double(end.QuadPart - start.QuadPart) * 1e6 / double(frequency.QuadPart);
    Sleep(3);
  }
  PostThreadMessageW(id, WM_QUIT, 0, 0);
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  return Report(us, "six PostThreadMessage (old floor)");
}

TFigures Measure(link_test::TTestConsole& console, bool debug, const char* label) {
  console.Debug = debug;
  console.Log.clear();
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> us(frames);
  for (int i = 0; i < frames; ++i) {
    console.Selection = {1 + i % 15, 1 + (i / 15) % 15, 15, 15};
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    SendWallCommand(0x20, i);
    us[size_t(i)] = double(QueuedAt.QuadPart - start.QuadPart) * 1e6 / double(frequency.QuadPart);
  }
  return Report(us, label);
}

}  // namespace

int wmain() {
  link_test::TTestConsole console;
  TSleepProc previous = SetSleepProc(&NotePause);
  NameCommPorts();
  OpenCommPorts(true);
  if (!console.LinkOpen()) {
    std::printf("COM5 did not open: is the device peer running?\n");
    return 1;
  }
  TFigures frame = Measure(console, false, "SendWallCommand");
  Measure(console, true, "SendWallCommand, debug echo");
  TFigures posts = MeasurePosts();
  std::printf("SendWallCommand / six posts: median %.3f  p99 %.3f (goal: median < 20 us, p99 < 100 us)\n",
              frame.Median / posts.Median, frame.P99 / posts.P99);
  OpenCommPorts(false);
  SetSleepProc(previous);
  return 0;
}
