// Console-side cost of one wall frame: from the SendWallCommand call until its
// six bytes are queued to the wall port's writer, the 20 ms pause left out.
// Side by side, in the same run: the platform doing the same work, the same
// six one-byte writes through WriteFile on the port opened straight. Then the
// gaps on the wire: 200 frames sent with the real pause, the gap between the
// first bytes of consecutive frames as the device peer stamped them, printed
// as a distribution (a loaded machine spreads it; the wall test checks what
// the sender controls). Needs the device peer's COM5 (scripts/test starts the
// peer; or run tests/support/devicepeer.py start).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "LinkTestConsole.h"
#include "support/DevicePeer.h"

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

double Elapsed(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return double(to.QuadPart - from.QuadPart) * 1e6 / double(frequency.QuadPart);
}

// The platform baseline: the frame's six bytes written one at a time with
// WriteFile on the port, opened the plain way (no overlapped I/O, no threads).
bool MeasureWriteFile(TFigures& figures) {
  HANDLE port = CreateFileW(L"\\\\.\\COM5", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (port == INVALID_HANDLE_VALUE) return false;
  std::vector<double> us(frames);
  for (int i = 0; i < frames; ++i) {
    const TWallFrame frame = BuildWallCommand(TWallSelection{1 + i % 15, 1 + (i / 15) % 15, 15, 15}, 0x20, i);
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (uint8_t byte : frame) {
      DWORD written = 0;
      WriteFile(port, &byte, 1, &written, nullptr);
    }
    QueryPerformanceCounter(&end);
    us[size_t(i)] = Elapsed(start, end);
    Sleep(3);
  }
  CloseHandle(port);
  figures = Report(us, "six WriteFile (platform)");
  return true;
}

TFigures Measure(link_test::TTestConsole& console, bool debug, const char* label) {
  console.Debug = debug;
  console.Log.clear();
  std::vector<double> us(frames);
  for (int i = 0; i < frames; ++i) {
    console.Selection = {1 + i % 15, 1 + (i / 15) % 15, 15, 15};
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    SendWallCommand(0x20, i);
    us[size_t(i)] = Elapsed(start, QueuedAt);
  }
  return Report(us, label);
}

// Frames sent with the real pause; the spread of the gaps the peer saw.
void MeasureWireGaps(link_test::TTestConsole& console, vamire_test::DevicePeer& peer) {
  const int count = 200;
  console.Debug = false;
  // The writer may still be working off the frames measured before: wait
  // until nothing more arrives for a second.
  for (size_t got = 0, before = 1; got != before;) {
    before = got;
    got = peer.WaitFor("com5", size_t(-1) / 2, 1000);
  }
  peer.Reset("com5");
  for (int i = 0; i < count; ++i) SendWallCommand(0x31, i);
  if (peer.WaitFor("com5", size_t(6 * count), 30000) < size_t(6 * count)) {
    std::printf("wire gaps: the peer did not get all %d frames\n", count);
    return;
  }
  const std::vector<int64_t> times = peer.ByteTimes("com5");
  std::vector<double> gaps;
  for (int i = 1; i < count; ++i) gaps.push_back(double(times[size_t(6 * i)] - times[size_t(6 * i - 6)]) / 1000.0);
  std::sort(gaps.begin(), gaps.end());
  const auto at = [&](int percent) { return gaps[std::min(gaps.size() - 1, gaps.size() * size_t(percent) / 100)]; };
  const auto below = std::count_if(gaps.begin(), gaps.end(), [](double g) { return g < WallFramePauseMs; });
  std::printf("gaps on the wire, %d frames, pause %u ms: min %.1f  p10 %.1f  median %.1f  p90 %.1f  max %.1f ms"
              "  (%lld under the pause, where a late read met an early one)\n",
              count, WallFramePauseMs, gaps.front(), at(10), at(50), at(90), gaps.back(), (long long)below);
}

}  // namespace

int wmain() {
  vamire_test::DevicePeer peer;
  peer.Reset("com5");
  TFigures platform{};
  if (!MeasureWriteFile(platform)) {
    std::printf("COM5 did not open: is the device peer running?\n");
    return 1;
  }
  link_test::TTestConsole console;
  TSleepProc previous = SetSleepProc(&NotePause);
  NameCommPorts();
  OpenCommPorts(true);
  if (!console.LinkOpen()) {
    std::printf("COM5 did not open through the link\n");
    return 1;
  }
  TFigures frame = Measure(console, false, "SendWallCommand");
  Measure(console, true, "SendWallCommand, debug echo");
  std::printf("SendWallCommand / six WriteFile: median %.3f  p99 %.3f\n", frame.Median / platform.Median,
              frame.P99 / platform.P99);
  SetSleepProc(nullptr);
  MeasureWireGaps(console, peer);
  OpenCommPorts(false);
  SetSleepProc(previous);
  return 0;
}
