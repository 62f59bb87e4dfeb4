// Wall frames on the wire: the wall port (COM5 of the device peer) and the
// bridge (the peer's loopback listener), the pause between frames and the
// debug echo.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "LinkTestConsole.h"
#include "support/DevicePeer.h"

using link_test::TNoPause;
using link_test::TTestConsole;
using vamire_test::DevicePeer;
using vamire_test::Hex;

namespace {

class WallLinkTest : public testing::Test {
 protected:
  void SetUp() override {
    peer.Reset("com5");
    peer.Reset("tcp");
  }
  void OpenSerial() {
    NameCommPorts();
    OpenCommPorts(true);
    ASSERT_TRUE(console.LinkOpen());
  }
  DevicePeer peer;
  TTestConsole console;
};

TEST_F(WallLinkTest, ACommandToTheSelectionArrivesAsItsSixBytesInOrder) {
  OpenSerial();
  console.Selection = {1, 1, 3, 2};
  SendWallCommand(0x20, 1);
  SendWallFrame(0xC6, 0x11, 0xFF, 0x5A, 0x01, 0xBB);
  console.Selection = {2, 3, 2, 3};
  SendWallCommand(0x10, 1);
  ASSERT_EQ(peer.WaitFor("com5", 18), 18u);
  EXPECT_EQ(Hex(peer.Received("com5")), "C6 11 32 20 01 BB C6 11 FF 5A 01 BB C6 23 23 10 01 BB");
}

TEST_F(WallLinkTest, ConsecutiveFramesArriveAtLeastThePauseApart) {
  OpenSerial();
  const int frames = 10;
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  for (int i = 0; i < frames; ++i) {
    QueryPerformanceCounter(&start);
    SendWallCommand(0x31, i);
    QueryPerformanceCounter(&end);
    // The sending thread is held for the whole pause after each frame.
    double ms = double(end.QuadPart - start.QuadPart) * 1000.0 / double(frequency.QuadPart);
    EXPECT_GE(ms, 20.0) << "frame " << i;
  }
  ASSERT_EQ(peer.WaitFor("com5", 6 * frames), size_t(6 * frames));
  // On the wire: the peer stamps each read, and a late read can join two
  // frames, so the typical gap is checked, not every one.
  std::vector<int64_t> times = peer.ByteTimes("com5");
  std::vector<int64_t> gaps;
  for (int i = 1; i < frames; ++i) gaps.push_back(times[size_t(6 * i)] - times[size_t(6 * i - 6)]);
  std::sort(gaps.begin(), gaps.end());
  EXPECT_GE(gaps[gaps.size() / 2], 18000) << "median gap between frames, microseconds";
  EXPECT_GE(times.back() - times.front(), int64_t(frames - 2) * 20000);
}

// Waits while bytes keep coming: a loaded machine may write slowly, but a
// lost byte shows as a stall short of the count.
size_t WaitWhileArriving(DevicePeer& peer, const char* channel, size_t count) {
  size_t got = 0;
  for (size_t before = size_t(-1); got < count && got != before;) {
    before = got;
    got = peer.WaitFor(channel, count, 10000);
  }
  return got;
}

TEST_F(WallLinkTest, TenThousandFramesArriveCompleteAndInOrder) {
  OpenSerial();
  TNoPause fast;
  std::vector<uint8_t> expected;
  for (int i = 0; i < 10000; ++i) {
    console.Selection = {1 + i % 15, 1 + (i / 15) % 15, 15, 15};
    SendWallCommand(i >> 8, i);
    TWallFrame frame = BuildWallCommand(console.Selection, i >> 8, i);
    expected.insert(expected.end(), frame.begin(), frame.end());
    // Without the pause the writer falls behind; letting it catch up now and
    // then keeps its queue as short as real pacing would.
    if (i % 500 == 499) {
      ASSERT_EQ(WaitWhileArriving(peer, "com5", expected.size()), expected.size()) << "frame " << i;
    }
  }
  ASSERT_EQ(WaitWhileArriving(peer, "com5", expected.size()), expected.size());
  EXPECT_TRUE(peer.Received("com5") == expected) << "bytes differ from the frames sent";
}

TEST_F(WallLinkTest, TheBridgeGetsTheFrameAsOneSend) {
  console.Serial = false;
  console.EditPort = std::to_wstring(peer.BridgePort());
  ConnectRemote(true);
  ASSERT_TRUE(console.LinkOpen());
  console.Selection = {1, 1, 3, 2};
  SendWallCommand(0x20, 0xC6);
  ASSERT_EQ(peer.WaitFor("tcp", 6), 6u);
  std::vector<vamire_test::PeerChunk> chunks = peer.Chunks("tcp");
  ASSERT_EQ(chunks.size(), 1u);
  EXPECT_EQ(Hex(chunks[0].Bytes), "C6 11 32 20 C6 BB");
  ConnectRemote(false);
}

TEST_F(WallLinkTest, DebugModeLogsOneLinePerFrameEvenWithTheLinkClosed) {
  TNoPause fast;
  console.Debug = true;
  console.Selection = {1, 1, 2, 2};
  SendWallFrame(0xC6, 0x11, 0xFF, 0x5A, 0x01, 0xBB);  // serial, Comm1 closed
  console.Serial = false;                            // wireless, not connected
  SendWallCommand(0x0A, 0x1FF);
  console.Debug = false;
  SendWallCommand(0x10, 1);
  EXPECT_EQ(console.Log, (std::vector<String>{L"->C6,11,FF,5A,01,BB", L"->C6,11,22,0A,FF,BB"}));
  EXPECT_EQ(TComm::DataCopiesAlive(), 0);
}

}  // namespace
