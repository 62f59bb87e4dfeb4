// The device peer answers for the wall controller on COM5 and for the bridge on
// loopback: the bytes a program writes arrive exactly and in order, and bytes
// the peer sends come back to the program.
#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include "support/DevicePeer.h"

using vamire_test::DevicePeer;
using vamire_test::Hex;

namespace {

const std::vector<uint8_t> kFrame = {0xC6, 0x11, 0x32, 0x20, 0x01, 0xBB};

class ComPort {
 public:
  explicit ComPort(const wchar_t* name) {
    handle_ = CreateFileW(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                          FILE_FLAG_OVERLAPPED, nullptr);
  }
  ~ComPort() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

DWORD OverlappedIo(HANDLE h, bool write, void* data, DWORD size) {
  OVERLAPPED ov{};
  ov.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  DWORD done = 0;
  BOOL ok = write ? WriteFile(h, data, size, &done, &ov) : ReadFile(h, data, size, &done, &ov);
  if (!ok && GetLastError() == ERROR_IO_PENDING) GetOverlappedResult(h, &ov, &done, TRUE);
  CloseHandle(ov.hEvent);
  return done;
}

TEST(DevicePeerTest, SerialBytesArriveInOrderAndRepliesComeBack) {
  DevicePeer peer;
  peer.Reset("com5");
  ComPort port(L"\\\\.\\COM5");
  ASSERT_NE(port.get(), INVALID_HANDLE_VALUE) << "COM5 did not open, error " << GetLastError();

  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  ASSERT_TRUE(GetCommState(port.get(), &dcb));
  dcb.BaudRate = CBR_9600;
  dcb.ByteSize = 8;
  dcb.Parity = NOPARITY;
  dcb.StopBits = ONESTOPBIT;
  dcb.fBinary = TRUE;
  dcb.fOutX = dcb.fInX = FALSE;
  dcb.fOutxCtsFlow = dcb.fOutxDsrFlow = FALSE;
  ASSERT_TRUE(SetCommState(port.get(), &dcb));
  COMMTIMEOUTS t{MAXDWORD, 0, 0, 0, 0};
  ASSERT_TRUE(SetCommTimeouts(port.get(), &t));

  for (uint8_t b : kFrame) {
    uint8_t one = b;
    ASSERT_EQ(OverlappedIo(port.get(), true, &one, 1), 1u);
  }
  ASSERT_EQ(peer.WaitFor("com5", kFrame.size()), kFrame.size());
  EXPECT_EQ(Hex(peer.Received("com5")), Hex(kFrame));

  peer.Send("com5", {0x5A, 0xA5});
  std::vector<uint8_t> got;
  for (int i = 0; i < 200 && got.size() < 2; ++i) {
    uint8_t buf[8];
    DWORD n = OverlappedIo(port.get(), false, buf, sizeof buf);
    got.insert(got.end(), buf, buf + n);
    if (got.size() < 2) Sleep(10);
  }
  EXPECT_EQ(Hex(got), "5A A5");
}

TEST(DevicePeerTest, BridgeReceivesOneSendAndAnswers) {
  DevicePeer peer;
  peer.Reset("tcp");
  WSADATA wsa;
  ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &wsa), 0);
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(u_short(peer.BridgePort()));
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(connect(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
  ASSERT_EQ(send(s, reinterpret_cast<const char*>(kFrame.data()), int(kFrame.size()), 0), int(kFrame.size()));
  ASSERT_EQ(peer.WaitFor("tcp", kFrame.size()), kFrame.size());
  auto chunks = peer.Chunks("tcp");
  ASSERT_EQ(chunks.size(), 1u);
  EXPECT_EQ(Hex(chunks[0].Bytes), Hex(kFrame));

  peer.Send("tcp", {0x01, 0x02});
  char buf[2];
  int got = 0;
  while (got < 2) {
    int n = recv(s, buf + got, 2 - got, 0);
    ASSERT_GT(n, 0);
    got += n;
  }
  EXPECT_EQ(buf[0], 1);
  EXPECT_EQ(buf[1], 2);
  closesocket(s);
  WSACleanup();
}

}  // namespace
