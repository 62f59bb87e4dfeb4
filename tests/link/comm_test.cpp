// TComm against the device peer's pseudo-terminals (COM5, COM6): opening and
// its errors, the writer's queue, the events, closing and destruction.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <algorithm>
#include <memory>
#include <optional>

#include "LinkTestConsole.h"
#include "SerialComm.h"
#include "support/DevicePeer.h"

using link_test::PumpUntil;
using vamire_test::DevicePeer;
using vamire_test::Hex;

namespace {

std::vector<DWORD> ThreadIds() {
  HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  std::vector<DWORD> ids;
  for (BOOL ok = Thread32First(snap, &entry); ok; ok = Thread32Next(snap, &entry))
    if (entry.th32OwnerProcessID == GetCurrentProcessId()) ids.push_back(entry.th32ThreadID);
  CloseHandle(snap);
  return ids;
}

// The priority of a live thread, or nothing when it has ended.
std::optional<int> ThreadPriority(DWORD id) {
  HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION | SYNCHRONIZE, FALSE, id);
  if (!thread) return std::nullopt;
  std::optional<int> priority;
  if (WaitForSingleObject(thread, 0) == WAIT_TIMEOUT) priority = GetThreadPriority(thread);
  CloseHandle(thread);
  return priority;
}

class TEvents {
 public:
  void SendDataEmpty(TObject*) { ++Empty; }
  void ReceiveData(TObject*, void* buffer, uint16_t length) {
    auto* bytes = static_cast<uint8_t*>(buffer);
    Received.insert(Received.end(), bytes, bytes + length);
    Terminated = Terminated && bytes[length] == 0;
  }
  void Hangup(TObject*) { ++Hangups; }
  int Empty = 0;
  int Hangups = 0;
  bool Terminated = true;
  std::vector<uint8_t> Received;
};

class CommTest : public testing::Test {
 protected:
  void SetUp() override {
    peer.Reset("com5");
    peer.Reset("com6");
    comm.SetCommName(L"//./COM5");
  }
  DevicePeer peer;
  TComm comm{nullptr};
};

TEST_F(CommTest, DefaultsAreTheComponentsOwn) {
  EXPECT_EQ(comm.BaudRate(), 9600u);
  EXPECT_EQ(comm.DtrControl(), DtrEnable);
  EXPECT_EQ(comm.RtsControl(), RtsEnable);
  EXPECT_TRUE(comm.TxContinueOnXoff());
  EXPECT_TRUE(comm.Outx_XonXoffFlow());
  EXPECT_TRUE(comm.Inx_XonXoffFlow());
  EXPECT_EQ(comm.XonLimit(), 500);
  EXPECT_EQ(comm.ByteSize(), TByteSize::_8);
  EXPECT_EQ(comm.Parity(), TParity::None);
  EXPECT_EQ(comm.StopBits(), TStopBits::_1);
  EXPECT_EQ(comm.XonChar(), 0x11);
  EXPECT_EQ(comm.XoffChar(), 0x13);
  EXPECT_EQ(comm.ReadIntervalTimeout(), 100u);
  EXPECT_EQ(TComm(nullptr).CommName(), L"COM2");
}

TEST_F(CommTest, OpenErrorsRaiseTheirTextsAndHoldNothing) {
  wchar_t dir[MAX_PATH], file[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  GetTempFileNameW(dir, L"cm", 0, file);
  struct {
    const wchar_t* Name;
    const wchar_t* Message;
  } cases[] = {
      {L"//./COM49", L"Error opening serial port"},
      {file, L"File handle is not a comm handle "},
  };
  for (auto& c : cases) {
    TComm other(nullptr);
    other.SetCommName(c.Name);
    try {
      other.OpenPort();
      ADD_FAILURE() << "no error for " << link_test::Utf8(c.Name);
    } catch (const ECommsError& e) {
      EXPECT_EQ(e.Message(), c.Message);
    }
    EXPECT_FALSE(other.Opened());
    EXPECT_FALSE(other.WriteData("x", 1));
  }
  DeleteFileW(file);

  // Opening an open port refuses and leaves it working. (Wine shares a
  // pseudo-terminal freely, so a port held elsewhere can't be shown here.)
  comm.OpenPort();
  try {
    comm.OpenPort();
    ADD_FAILURE() << "no error for an open port";
  } catch (const ECommsError& e) {
    EXPECT_EQ(e.Message(), L"This serial port already opened");
  }
  ASSERT_TRUE(comm.WriteData("\x01\x02", 2));
  EXPECT_EQ(peer.WaitFor("com5", 2), 2u);
  EXPECT_EQ(Hex(peer.Received("com5")), "01 02");
}

TEST_F(CommTest, WritesAreRefusedClosedOrEmptyAndCloseTwiceIsHarmless) {
  EXPECT_FALSE(comm.WriteData("a", 1));
  comm.OpenPort();
  EXPECT_FALSE(comm.WriteData("a", 0));
  comm.ClosePort();
  comm.ClosePort();
  EXPECT_FALSE(comm.Opened());
  EXPECT_FALSE(comm.WriteData("a", 1));
  EXPECT_EQ(TComm::DataCopiesAlive(), 0);
}

TEST_F(CommTest, WritesRightAfterOpeningAreNeverLost) {
  std::vector<uint8_t> sent;
  for (int round = 0; round < 10; ++round) {
    comm.OpenPort();
    uint8_t byte = uint8_t(0x30 + round);
    sent.push_back(byte);
    EXPECT_TRUE(comm.WriteData(&byte, 1)) << "round " << round;
    ASSERT_EQ(peer.WaitFor("com5", sent.size()), sent.size()) << "round " << round;
    comm.ClosePort();
  }
  EXPECT_EQ(Hex(peer.Received("com5")), Hex(sent));
}

TEST_F(CommTest, EveryQueuedByteArrivesInCallOrder) {
  comm.OpenPort();
  std::vector<uint8_t> sent;
  for (int i = 0; i < 600; ++i) {
    uint8_t byte = uint8_t(i * 7);
    sent.push_back(byte);
    ASSERT_TRUE(comm.WriteData(&byte, 1));
  }
  ASSERT_EQ(peer.WaitFor("com5", sent.size()), sent.size());
  EXPECT_EQ(Hex(peer.Received("com5")), Hex(sent));
  comm.ClosePort();
  EXPECT_EQ(TComm::DataCopiesAlive(), 0);
}

TEST_F(CommTest, SendDataEmptyComesFirstAfterOpeningAndAfterEachDrain) {
  TEvents events;
  comm.OnSendDataEmpty = TSendDataEmptyEvent(&events, &TEvents::SendDataEmpty);
  comm.OpenPort();
  ASSERT_TRUE(PumpUntil([&] { return events.Empty >= 1; })) << "no event after opening";
  ASSERT_TRUE(comm.WriteData("\x10", 1));
  ASSERT_TRUE(PumpUntil([&] { return events.Empty >= 2; })) << "no event after the write";
  comm.ClosePort();
}

TEST_F(CommTest, ReceivedBytesReachTheEventAndEveryCopyIsFreed) {
  TEvents events;
  comm.OnReceiveData = TReceiveDataEvent(&events, &TEvents::ReceiveData);
  comm.OpenPort();
  peer.Send("com5", {0x5A, 0x00, 0xA5});
  ASSERT_TRUE(PumpUntil([&] { return events.Received.size() >= 3; }));
  EXPECT_EQ(Hex(events.Received), "5A 00 A5");
  EXPECT_TRUE(events.Terminated);

  // Without a handler the data is dropped and freed all the same.
  comm.OnReceiveData = nullptr;
  peer.Send("com5", {1, 2, 3, 4});
  PumpUntil([] { return false; }, 300);
  comm.ClosePort();
  PumpUntil([] { return false; }, 50);
  EXPECT_EQ(TComm::DataCopiesAlive(), 0);
}

// A pseudo-terminal keeps no parity (Linux forces it off), so only the line
// settings it keeps are read back.
TEST_F(CommTest, LineSettingsApplyWhileOpen) {
  comm.OpenPort();
  comm.SetBaudRate(19200);
  comm.SetStopBits(TStopBits::_2);
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  ASSERT_TRUE(GetCommState(comm.Handle(), &dcb));
  EXPECT_EQ(dcb.BaudRate, 19200u);
  EXPECT_EQ(dcb.StopBits, TWOSTOPBITS);
  comm.SetParity(TParity::Even);
  EXPECT_EQ(comm.Parity(), TParity::Even);
  comm.ClosePort();
  comm.OpenPort();
  ASSERT_TRUE(GetCommState(comm.Handle(), &dcb));
  EXPECT_EQ(dcb.BaudRate, 19200u);
  comm.ClosePort();
}

TEST_F(CommTest, PortThreadsRunAtTheirPrioritiesAndEndWithTheComponent) {
  std::vector<DWORD> before = ThreadIds();
  std::vector<DWORD> reader, writer;
  {
    TComm open(nullptr);
    open.SetCommName(L"//./COM6");
    open.OpenPort();
    for (DWORD id : ThreadIds()) {
      if (std::find(before.begin(), before.end(), id) != before.end()) continue;
      std::optional<int> priority = ThreadPriority(id);
      if (priority == THREAD_PRIORITY_HIGHEST) reader.push_back(id);
      if (priority == THREAD_PRIORITY_ABOVE_NORMAL) writer.push_back(id);
    }
    EXPECT_EQ(reader.size(), 1u);
    EXPECT_EQ(writer.size(), 1u);
    ASSERT_TRUE(open.WriteData("\x42", 1));
  }
  for (DWORD id : reader) EXPECT_FALSE(ThreadPriority(id)) << "the reader outlived its component";
  for (DWORD id : writer) EXPECT_FALSE(ThreadPriority(id)) << "the writer outlived its component";
  TComm again(nullptr);
  again.SetCommName(L"//./COM6");
  EXPECT_NO_THROW(again.OpenPort());
  again.ClosePort();
  EXPECT_EQ(TComm::DataCopiesAlive(), 0);
}

TEST_F(CommTest, PeerGoingAwayMidStreamNeitherCrashesNorHangs) {
  TEvents events;
  comm.OnRequestHangup = TNotifyEvent(&events, &TEvents::Hangup);
  comm.OpenPort();
  for (int i = 0; i < 200; ++i) {
    uint8_t byte = uint8_t(i);
    comm.WriteData(&byte, 1);
    if (i == 50) peer.Close("com5");
  }
  PumpUntil([] { return false; }, 300);
  for (int i = 0; i < 20; ++i) comm.WriteData("z", 1);
  // The writer ends on the broken line; from then on writes are refused.
  EXPECT_TRUE(PumpUntil([&] { return !comm.WriteData("z", 1); })) << "writes still taken";
  DWORD start = GetTickCount();
  comm.ClosePort();
  EXPECT_LT(GetTickCount() - start, 5000u);
  EXPECT_FALSE(comm.Opened());
  PumpUntil([] { return false; }, 50);
  EXPECT_EQ(TComm::DataCopiesAlive(), 0);
  peer.Reset("com5");
}

}  // namespace
