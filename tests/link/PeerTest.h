// A test of frames on the wire: the device peer's channels (wall port COM5,
// port A COM6, port B COM7, the bridge) start empty, the serial ports open
// with both matrices on their own ports, and what every channel received is
// compared at once, so a byte where it shouldn't be fails the test too.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "LinkTestConsole.h"
#include "support/DevicePeer.h"

namespace link_test {

class TPeerTest : public testing::Test {
 protected:
  static constexpr const char* Channels[] = {"com5", "com6", "com7", "tcp"};

  void SetUp() override { ResetChannels(); }
  void ResetChannels() {
    for (const char* c : Channels) peer.Reset(c);
  }
  // Opens the three serial ports with both matrices on their own ports.
  void OpenSerial(TTestConsole& console) {
    console.CheckBox2 = console.CheckBox3 = true;
    NameCommPorts();
    OpenCommPorts(true);
    ASSERT_TRUE(console.LinkOpen());
  }
  // What every channel got once `expected` bytes have arrived on `channel`.
  std::map<std::string, std::string> Received(const std::string& channel, size_t expected) {
    peer.WaitFor(channel, expected, 3000);
    Sleep(100);  // time for a stray byte to show up where it shouldn't
    std::map<std::string, std::string> got;
    for (const char* c : Channels) got[c] = vamire_test::Hex(peer.Received(c));
    return got;
  }
  static std::string HexOf(const std::string& text) {
    return vamire_test::Hex(std::vector<uint8_t>(text.begin(), text.end()));
  }
  vamire_test::DevicePeer peer;
};

}  // namespace link_test
