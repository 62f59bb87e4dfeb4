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

// What the sender controls about the pause, checked as events, not as gaps on
// the wire (a loaded machine stretches and squeezes those; link_frame_bench
// prints their spread): every frame's six bytes are queued before the pause
// starts, so they reach the port while the sending thread is held, the pause
// is the frame pause and it ends before the next frame is queued.
struct TPauseProbe {
  static inline DevicePeer* Peer = nullptr;
  static inline std::vector<uint32_t> Pauses;
  static inline std::vector<size_t> BytesOnWire;  // at each pause, once the writer drained
  static void Pause(uint32_t ms) {
    const size_t expected = 6 * (Pauses.size() + 1);
    Pauses.push_back(ms);
    Peer->WaitFor("com5", expected, 30000);
    BytesOnWire.push_back(Peer->Received("com5").size());
    Sleep(ms);
  }
};

TEST_F(WallLinkTest, EachFrameIsQueuedWholeBeforeTheSendingThreadIsHeldForThePause) {
  OpenSerial();
  TPauseProbe::Peer = &peer;
  TPauseProbe::Pauses.clear();
  TPauseProbe::BytesOnWire.clear();
  const TSleepProc previous = SetSleepProc(&TPauseProbe::Pause);
  const int frames = 10;
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  std::string expected;
  for (int i = 0; i < frames; ++i) {
    console.Selection = {1 + i, 2, 1 + i, 2};
    QueryPerformanceCounter(&start);
    SendWallCommand(0x31, i);
    QueryPerformanceCounter(&end);
    const double ms = double(end.QuadPart - start.QuadPart) * 1000.0 / double(frequency.QuadPart);
    EXPECT_GE(ms, double(WallFramePauseMs)) << "frame " << i << ": the call returned before the pause ended";
    const TWallFrame frame = BuildWallCommand(console.Selection, 0x31, i);
    expected += (expected.empty() ? "" : " ") + Hex(std::vector<uint8_t>(frame.begin(), frame.end()));
  }
  SetSleepProc(previous);
  ASSERT_EQ(TPauseProbe::Pauses, std::vector<uint32_t>(frames, WallFramePauseMs)) << "one frame pause per frame";
  for (int i = 0; i < frames; ++i)
    EXPECT_EQ(TPauseProbe::BytesOnWire[size_t(i)], size_t(6 * (i + 1)))
        << "frame " << i << ": its bytes did not all reach the port during its pause, or the next one's did";
  EXPECT_EQ(Hex(peer.Received("com5")), expected) << "frames lost, changed or out of order";
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
