// Opening the links and routing matrix bytes: the wall port COM5, port A and
// port B among COM5..COM7 of the device peer, and the bridge on loopback.
#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <map>

#include "DialogService.h"
#include "LinkTestConsole.h"
#include "support/DevicePeer.h"

using link_test::ConnectToBridge;
using link_test::TTestConsole;
using vamire_test::DevicePeer;
using vamire_test::Hex;

namespace {

const char* const Channels[] = {"com5", "com6", "com7"};

class RoutingTest : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* c : Channels) peer.Reset(c);
    peer.Reset("tcp");
  }
  // Sends 01 02 to the video matrix and 03 04 to the RGB/VGA/DVI matrix and
  // answers what each channel got.
  std::map<std::string, std::string> Route(std::map<std::string, size_t> expectedCounts) {
    SendToVideoMatrix("\x01\x02", 2);
    SendToVgaMatrix("\x03\x04", 2);
    for (auto& [channel, count] : expectedCounts) peer.WaitFor(channel, count, 3000);
    Sleep(100);  // time for a stray byte to show up where it shouldn't
    std::map<std::string, std::string> got;
    for (const char* c : Channels) got[c] = Hex(peer.Received(c));
    got["tcp"] = Hex(peer.Received("tcp"));
    return got;
  }
  DevicePeer peer;
};

struct TRouteCase {
  const char* Name;
  bool Box2AtOpen, Box3AtOpen;  // linkage boxes when the ports are opened
  bool Box2, Box3;              // and when the bytes are sent
  const wchar_t *PortA, *PortB; // the wall port is COM5
  const char* Video;            // channel that gets the video-matrix bytes
  const char* Vga;              // channel that gets the RGB/VGA/DVI bytes
};

TEST_F(RoutingTest, EveryRowOfTheRoutingTable) {
  const TRouteCase cases[] = {
      {"both off", false, false, false, false, L"COM6", L"COM7", "com5", "com5"},
      {"video own port", true, false, true, false, L"COM6", L"COM7", "com6", "com5"},
      {"video port is the wall port", true, false, true, false, L"COM5", L"COM7", "com5", "com5"},
      {"vga own port", false, true, false, true, L"COM6", L"COM7", "com5", "com7"},
      {"vga on the open video port", true, false, false, true, L"COM6", L"COM6", "com5", "com6"},
      {"both own ports", true, true, true, true, L"COM6", L"COM7", "com6", "com7"},
      {"vga port is the wall port", true, true, true, true, L"COM6", L"COM5", "com6", "com5"},
      {"all on the wall port", true, true, true, true, L"COM5", L"COM5", "com5", "com5"},
  };
  for (const TRouteCase& c : cases) {
    SCOPED_TRACE(c.Name);
    SetUp();
    TTestConsole console;
    console.PortA = c.PortA;
    console.PortB = c.PortB;
    console.CheckBox2 = c.Box2AtOpen;
    console.CheckBox3 = c.Box3AtOpen;
    NameCommPorts();
    OpenCommPorts(true);
    EXPECT_TRUE(console.LinkOpen());
    EXPECT_TRUE(TTestConsole::Messages().empty());
    console.CheckBox2 = c.Box2;
    console.CheckBox3 = c.Box3;
    std::map<std::string, size_t> counts{{c.Video, 2}};
    counts[c.Vga] += 2;
    std::map<std::string, std::string> expected{{"com5", ""}, {"com6", ""}, {"com7", ""}, {"tcp", ""}};
    expected[c.Video] = "01 02";
    expected[c.Vga] += expected[c.Vga].empty() ? "03 04" : " 03 04";
    EXPECT_EQ(Route(counts), expected);
    OpenCommPorts(false);
  }
}

TEST_F(RoutingTest, WithTheWirelessChoiceEveryMatrixByteGoesToTheBridge) {
  TTestConsole console;
  ASSERT_TRUE(ConnectToBridge(console, peer.BridgePort()));
  std::map<std::string, std::string> expected{{"com5", ""}, {"com6", ""}, {"com7", ""}, {"tcp", "01 02 03 04"}};
  EXPECT_EQ(Route({{"tcp", 4}}), expected);
}

TEST_F(RoutingTest, OpeningAndClosingWriteTheirStatusInBothLanguages) {
  for (int language : {0, 1}) {
    TTestConsole console;
    console.LanguageFlag = language;
    console.CheckBox2 = true;
    NameCommPorts();
    OpenCommPorts(true);
    EXPECT_EQ(console.Status, language ? L"COM5 COM6 COM7 opened" : L"COM5 COM6 COM7 已打开");
    EXPECT_TRUE(console.LinkOpen());
    EXPECT_TRUE(console.Comm1()->Opened());
    EXPECT_TRUE(console.Comm2()->Opened());
    EXPECT_FALSE(console.Comm3()->Opened());
    EXPECT_EQ(console.ControlUpdates, 1);

    // Opening again reopens nothing and reports success.
    HANDLE wall = console.Comm1()->Handle();
    console.LinkOpenFlag = false;
    OpenCommPorts(true);
    EXPECT_EQ(console.Comm1()->Handle(), wall);
    EXPECT_TRUE(console.LinkOpen());

    OpenCommPorts(false);
    EXPECT_EQ(console.Status, language ? L"COM5 COM6 COM7 closed" : L"COM5 COM6 COM7 关闭");
    EXPECT_FALSE(console.LinkOpen());
    EXPECT_FALSE(console.Comm1()->Opened());
    EXPECT_FALSE(console.Comm2()->Opened());
    EXPECT_EQ(console.ControlUpdates, 3);
    EXPECT_TRUE(TTestConsole::Messages().empty());
  }
}

TEST_F(RoutingTest, BothMatricesOnOnePortAreRefusedAndLinkOpenKept) {
  for (bool previous : {false, true}) {
    TTestConsole console;
    console.PortA = console.PortB = L"COM6";
    console.CheckBox2 = console.CheckBox3 = true;
    console.LinkOpenFlag = previous;
    NameCommPorts();
    OpenCommPorts(true);
    EXPECT_EQ(TTestConsole::Messages(), std::vector<String>{L"视频、RGB矩阵串口冲突"});
    EXPECT_EQ(console.LinkOpen(), previous);
    EXPECT_EQ(console.ControlUpdates, 0);
    EXPECT_TRUE(console.Comm1()->Opened());
    EXPECT_FALSE(console.Comm2()->Opened());
    EXPECT_FALSE(console.Comm3()->Opened());
    OpenCommPorts(false);
  }
}

TEST_F(RoutingTest, AFailingWallPortIsReportedWhileTheMatrixPortsOpen) {
  struct {
    int Language;
    const wchar_t* Message;
    const wchar_t* Status;
  } cases[] = {
      {0, L"打开COM49错误，请确认该串口是否存在或被其他程序占用！", L"COM49 错误!"},
      {1, L"openCOM49error，please check it！", L"COM49 error!"},
  };
  for (auto& c : cases) {
    TTestConsole console;
    console.LanguageFlag = c.Language;
    console.WallPort = L"COM49";
    console.CheckBox2 = console.CheckBox3 = true;
    NameCommPorts();
    OpenCommPorts(true);
    EXPECT_EQ(TTestConsole::Messages(), std::vector<String>{c.Message});
    EXPECT_EQ(console.Status, c.Status);
    EXPECT_FALSE(console.LinkOpen());
    EXPECT_FALSE(console.Comm1()->Opened());
    EXPECT_TRUE(console.Comm2()->Opened());
    EXPECT_TRUE(console.Comm3()->Opened());
    OpenCommPorts(false);
  }
}

int ClosedLoopbackPort() {
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
  int size = sizeof addr;
  getsockname(s, reinterpret_cast<sockaddr*>(&addr), &size);
  closesocket(s);
  return ntohs(addr.sin_port);
}

TEST_F(RoutingTest, ConnectingToAClosedLoopbackPortFails) {
  for (int language : {0, 1}) {
    TTestConsole console;
    console.Serial = false;
    console.LanguageFlag = language;
    console.EditPort = std::to_wstring(ClosedLoopbackPort());
    console.LinkOpenFlag = true;
    ConnectRemote(true);
    EXPECT_EQ(TTestConsole::Messages(), std::vector<String>{L"连接失败"});
    String address = L"127.0.0.1:" + console.EditPort;
    EXPECT_EQ(console.Status, language ? L"RemoteAddr:" + address + L" disconnect" : L"无线地址:" + address + L" 关闭");
    EXPECT_FALSE(console.LinkOpen());
    EXPECT_FALSE(console.SocketClient()->Connected());
    EXPECT_EQ(console.ControlUpdates, 1);
  }
}

TEST_F(RoutingTest, ConnectingReconnectingAndDisconnectingTheBridge) {
  for (int language : {0, 1}) {
    TTestConsole console;
    console.Serial = false;
    console.LanguageFlag = language;
    console.EditPort = std::to_wstring(peer.BridgePort());
    String address = L"127.0.0.1:" + console.EditPort;
    ConnectRemote(true);
    EXPECT_EQ(console.Status, language ? L"RemoteAddr:" + address + L" connect" : L"无线地址:" + address + L" 已连接");
    EXPECT_TRUE(console.LinkOpen());

    // Connecting a connected client changes no status text.
    console.Status = L"unchanged";
    ConnectRemote(true);
    EXPECT_EQ(console.Status, L"unchanged");
    EXPECT_TRUE(console.LinkOpen());

    ConnectRemote(false);
    EXPECT_EQ(console.Status, language ? L"RemoteAddr:" + address + L" disconnect" : L"无线地址:" + address + L" 关闭");
    EXPECT_FALSE(console.LinkOpen());
    EXPECT_FALSE(console.SocketClient()->Connected());
    EXPECT_FALSE(console.SocketClient()->Active());
    EXPECT_EQ(console.ControlUpdates, 3);
    EXPECT_TRUE(TTestConsole::Messages().empty());
    peer.Reset("tcp");
  }
}

}  // namespace

namespace {

// Without a replacement the link's messages are the runtime's own, which the
// dialog service answers, so no run ever waits for a person.
TEST(LinkMessageTest, TheDefaultMessageGoesThroughTheDialogService) {
  const TLinkMessageProc previous = SetLinkMessageProc(nullptr);
  TDialogAnswerScope scope;
  scope.Expect(dkMessageDlg, mrOk);
  ShowLinkMessage(L"打开COM9错误，请确认该串口是否存在或被其他程序占用！");
  SetLinkMessageProc(previous);
  ASSERT_EQ(scope.Requests().size(), 1u);
  EXPECT_EQ(scope.Requests()[0].Text, L"打开COM9错误，请确认该串口是否存在或被其他程序占用！");
  EXPECT_EQ(scope.Requests()[0].Buttons, TMsgDlgButtons{mbOK});
}

}  // namespace
