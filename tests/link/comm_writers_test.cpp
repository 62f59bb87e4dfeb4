// TComm's write queue under several writing threads, against the device peer's
// COM5: bursts arrive whole and in each writer's order, and a close racing a
// burst refuses every later write, keeps what left the port in order and frees
// every copy.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "SerialComm.h"
#include "support/DevicePeer.h"

using vamire_test::DevicePeer;
using vamire_test::Hex;

namespace {

// Every byte of item `index` of writer `writer` (0..3) names both, so the
// stream shows each writer's order, and whether a buffer arrived in one piece.
uint8_t ItemByte(int writer, int index) { return uint8_t(writer << 6 | (index & 63)); }

// The bytes of one writer, in the order they arrived.
std::vector<uint8_t> BytesOf(const std::vector<uint8_t>& stream, int writer) {
  std::vector<uint8_t> mine;
  for (uint8_t byte : stream)
    if (byte >> 6 == writer) mine.push_back(byte);
  return mine;
}

// Items 0..count-1 of one writer, each `length` bytes long.
std::vector<uint8_t> ItemsOf(int writer, int count, int length) {
  std::vector<uint8_t> bytes;
  for (int i = 0; i < count; ++i) bytes.insert(bytes.end(), size_t(length), ItemByte(writer, i));
  return bytes;
}

// Starts `count` threads that each run body(writer) once a start event fires,
// so their writes overlap.
class TWriters {
 public:
  template <class Body>
  TWriters(int count, Body body) : FStart(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    for (int w = 0; w < count; ++w)
      FThreads.emplace_back([this, body, w] {
        WaitForSingleObject(FStart, INFINITE);
        body(w);
      });
  }
  void Go() { SetEvent(FStart); }
  void Join() {
    for (std::thread& thread : FThreads)
      if (thread.joinable()) thread.join();
  }
  ~TWriters() {
    Go();
    Join();
    CloseHandle(FStart);
  }

 private:
  HANDLE FStart;
  std::vector<std::thread> FThreads;
};

class CommWritersTest : public testing::Test {
 protected:
  void SetUp() override {
    peer.Reset("com5");
    comm.SetCommName(L"//./COM5");
  }
  DevicePeer peer;
  TComm comm{nullptr};
};

TEST_F(CommWritersTest, BurstsOfManyWritersArriveWholeAndInEachWritersOrder) {
  struct {
    int Writers;
    uint16_t Length;  // bytes per WriteData call
    int Items;        // calls per writer
  } cases[] = {{4, 1, 300}, {4, 6, 120}, {3, 64, 20}};
  for (auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Writers << " writers of " << c.Length << "-byte items");
    peer.Reset("com5");
    comm.OpenPort();
    std::atomic<int> refused{0};
    TWriters writers(c.Writers, [&](int w) {
      for (int i = 0; i < c.Items; ++i) {
        std::vector<uint8_t> item(c.Length, ItemByte(w, i));
        if (!comm.WriteData(item.data(), c.Length)) ++refused;
      }
    });
    writers.Go();
    writers.Join();
    EXPECT_EQ(refused.load(), 0);
    size_t total = size_t(c.Writers) * size_t(c.Items) * c.Length;
    ASSERT_EQ(peer.WaitFor("com5", total, 30000), total);
    std::vector<uint8_t> stream = peer.Received("com5");
    for (int w = 0; w < c.Writers; ++w)
      EXPECT_EQ(Hex(BytesOf(stream, w)), Hex(ItemsOf(w, c.Items, c.Length))) << "writer " << w;
    // Neighbouring items of one writer differ, so a run of equal bytes is one
    // buffer: each must be whole, never split by another writer's bytes.
    size_t runs = 0;
    for (size_t at = 0; at < stream.size(); ++runs) {
      size_t end = at;
      while (end < stream.size() && stream[end] == stream[at]) ++end;
      ASSERT_EQ(end - at, c.Length) << "a buffer split at byte " << at;
      at = end;
    }
    EXPECT_EQ(runs, size_t(c.Writers) * size_t(c.Items));
    comm.ClosePort();
  }
  EXPECT_EQ(TComm::DataCopiesAlive(), 0);
}

TEST_F(CommWritersTest, CloseRacingABurstRefusesLaterWritesKeepsOrderAndFreesEveryCopy) {
  const int writerCount = 3;
  const uint8_t marker = 0xFF;  // writer 3's byte: none of the racing writers
  for (int round = 0; round < 4; ++round) {
    SCOPED_TRACE(testing::Message() << "round " << round);
    peer.Reset("com5");
    comm.OpenPort();
    struct TTally {
      int Accepted = 0;            // writes taken, all before the first refusal
      int AcceptedAfterRefusal = 0;
      int AcceptedAfterClose = 0;  // writes begun once ClosePort had returned
    } tally[writerCount];
    std::atomic<bool> closed{false};
    TWriters writers(writerCount, [&](int w) {
      TTally& mine = tally[w];
      bool refusedOnce = false;
      for (int i = 0, extra = 0; extra < 20; ++i) {
        bool after = closed.load();
        if (after) ++extra;
        // Enough queued: the rest waits for the close (bounds the queue's memory).
        while (i >= 50000 && !closed.load()) Sleep(1);
        uint8_t byte = ItemByte(w, i);
        bool taken = comm.WriteData(&byte, 1);
        if (taken && after) ++mine.AcceptedAfterClose;
        if (taken && refusedOnce) ++mine.AcceptedAfterRefusal;
        if (taken && !refusedOnce) ++mine.Accepted;
        refusedOnce = refusedOnce || !taken;
        if (i % 32 == 31) SwitchToThread();
      }
    });
    writers.Go();
    // Close once the writer is busy on the wire and the queue holds plenty.
    ASSERT_GE(peer.WaitFor("com5", 40), 40u);
    comm.ClosePort();
    closed = true;
    writers.Join();
    EXPECT_EQ(TComm::DataCopiesAlive(), 0) << "queued copies not freed by the close";

    // What left the port before the close is all there is: a marker written
    // after reopening arrives behind it.
    comm.OpenPort();
    ASSERT_TRUE(comm.WriteData(&marker, 1));
    std::vector<uint8_t> stream;
    for (size_t want = 1;;) {
      size_t have = peer.WaitFor("com5", want);
      stream = peer.Received("com5");
      if (!stream.empty() && stream.back() == marker) break;
      ASSERT_GE(have, want) << "the marker never arrived";
      want = have + 1;
    }
    comm.ClosePort();
    stream.pop_back();
    EXPECT_GE(stream.size(), 40u);
    for (int w = 0; w < writerCount; ++w) {
      EXPECT_EQ(tally[w].AcceptedAfterRefusal, 0) << "writer " << w;
      EXPECT_EQ(tally[w].AcceptedAfterClose, 0) << "writer " << w;
      // Each writer's bytes on the wire: the first of its accepted writes, in order.
      std::vector<uint8_t> mine = BytesOf(stream, w);
      ASSERT_LE(mine.size(), size_t(tally[w].Accepted)) << "writer " << w;
      EXPECT_EQ(Hex(mine), Hex(ItemsOf(w, int(mine.size()), 1))) << "writer " << w;
    }
  }
  EXPECT_EQ(TComm::DataCopiesAlive(), 0);
}

}  // namespace
