// Matrix frames on the wire: from SwitchMatrix and the scene and preset
// routines through the routing onto the device peer (wall port COM5, port A
// COM6, port B COM7, the bridge on loopback).
#include <windows.h>

#include <gtest/gtest.h>

#include <map>

#include "LinkTestConsole.h"
#include "MatrixSend.h"
#include "PeerTest.h"
#include "encoders_test.h"
#include "support/DevicePeer.h"

using link_test::ConnectToBridge;
using link_test::TTestConsole;
using vamire_test::Hex;

namespace {

using MatrixSendTest = link_test::TPeerTest;

TEST_F(MatrixSendTest, AVideoFrameReachesTheVideoMatrixPortAndIsEchoedInDebugMode) {
  TTestConsole console;
  OpenSerial(console);
  console.Matrix = encoders_test::Video(0);  // VINET
  console.Debug = true;
  SwitchMatrix(2, 5);
  std::map<std::string, std::string> expected{
      {"com5", ""}, {"com6", "FC 01 00 04 02 01 04"}, {"com7", ""}, {"tcp", ""}};
  EXPECT_EQ(Received("com6", 7), expected);
  EXPECT_EQ(console.Log, std::vector<String>{L"FC010004020104"});
  OpenCommPorts(false);
}

TEST_F(MatrixSendTest, AVgaPresetStringReachesTheVgaPortWithoutEchoOutsideDebugMode) {
  TTestConsole console;
  OpenSerial(console);
  console.Matrix = encoders_test::Linked(encoders_test::Vga(0));  // CREATEK
  EXPECT_EQ(SendSavePresetString(3), 1);
  std::map<std::string, std::string> expected{{"com5", ""}, {"com6", ""}, {"com7", HexOf("Save3.")}, {"tcp", ""}};
  EXPECT_EQ(Received("com7", 6), expected);
  EXPECT_TRUE(console.Log.empty());
  OpenCommPorts(false);
}

std::vector<uint32_t>& Pauses() {
  static std::vector<uint32_t> pauses;
  return pauses;
}
void RecordPause(uint32_t ms) { Pauses().push_back(ms); }

TEST_F(MatrixSendTest, TheVga04WakeByteGoesToTheWallPortWithAPauseBeforeTheFrame) {
  TTestConsole console;
  OpenSerial(console);
  console.Matrix = encoders_test::Vga(7);  // VGA04
  Pauses().clear();
  TSleepProc previous = SetSleepProc(&RecordPause);
  SwitchMatrix(2, 5);
  SetSleepProc(previous);
  EXPECT_EQ(Pauses(), std::vector<uint32_t>{5});
  std::map<std::string, std::string> expected{{"com5", "2E"}, {"com6", ""}, {"com7", HexOf("5V3.")}, {"tcp", ""}};
  EXPECT_EQ(Received("com7", 4), expected);
  OpenCommPorts(false);
}

TEST_F(MatrixSendTest, WithTheWirelessChoiceBothMatricesGoOverTheBridge) {
  TTestConsole console;
  ASSERT_TRUE(ConnectToBridge(console, peer.BridgePort()));
  TMatrixSettings s = encoders_test::Video(9);  // AV04: a byte, a text and a byte
  s.VgaBrandIndex = 10;                         // XM-VGA scenes
  console.Matrix = s;
  SwitchMatrix(2, 5);
  SaveVgaMatrixScene(3);
  std::map<std::string, std::string> expected{
      {"com5", ""}, {"com6", ""}, {"com7", ""}, {"tcp", "02 " + HexOf("00F0503") + " 03 2A 03 01 00 00 21"}};
  EXPECT_EQ(Received("tcp", 15), expected);
  ConnectRemote(false);
}

TEST_F(MatrixSendTest, FramesBuiltBeforeAConversionErrorStillGoOut) {
  TTestConsole console;
  OpenSerial(console);
  // Samplex takes the id as text; the stale label's LANMA frame needs a number.
  console.Matrix = encoders_test::WithLabel(encoders_test::Video(4, L"A1"), L"LANMA");
  EXPECT_THROW(SwitchMatrix(2, 5), EConvertError);
  std::map<std::string, std::string> expected{
      {"com5", ""}, {"com6", HexOf("PAA1SW0503NT")}, {"com7", ""}, {"tcp", ""}};
  EXPECT_EQ(Received("com6", 12), expected);
  OpenCommPorts(false);
}

TEST_F(MatrixSendTest, SettingsAreReadAfreshOnEveryCall) {
  TTestConsole console;
  OpenSerial(console);
  console.Matrix = encoders_test::Video(27);  // CREATEK
  SwitchMatrix(2, 5);
  console.Matrix = encoders_test::Video(28);  // ANTAI
  SwitchMatrix(2, 5);
  std::map<std::string, std::string> expected{
      {"com5", ""}, {"com6", HexOf("5V3.") + " " + HexOf("5*3%")}, {"com7", ""}, {"tcp", ""}};
  EXPECT_EQ(Received("com6", 8), expected);
  OpenCommPorts(false);
}

}  // namespace
