// Client side of the device peer (tests/support/devicepeer.py): lets a test under
// Wine check what the wall controller, the matrices or the bridge received.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace vamire_test {

// One read of the peer: the bytes that arrived together and when (microseconds).
struct PeerChunk {
  int64_t TimeUs;
  std::vector<uint8_t> Bytes;
};

class DevicePeer {
 public:
  // Channel names: "com5".."com8" (COM5..COM8 in the prefix) and "tcp".
  void Reset(const std::string& channel);
  std::vector<PeerChunk> Chunks(const std::string& channel);
  std::vector<uint8_t> Received(const std::string& channel);
  // Waits until at least `count` bytes have arrived; returns how many did.
  size_t WaitFor(const std::string& channel, size_t count, int timeoutMs = 5000);
  void Send(const std::string& channel, const std::vector<uint8_t>& bytes);
  // The peer goes away: its end of the channel is closed.
  void Close(const std::string& channel);
  int BridgePort();
  // Arrival time in microseconds of every received byte, in order.
  std::vector<int64_t> ByteTimes(const std::string& channel);

  std::string Request(const std::string& line);
};

std::string Hex(const std::vector<uint8_t>& bytes);

}  // namespace vamire_test
