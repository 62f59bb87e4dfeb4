#include "DevicePeer.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace vamire_test {
namespace {

// scripts/wine-exec passes the slot's port on (scripts/env.sh); with no slot the
// peer is the shared one. A slot's program without the port would reach the
// shared peer while its COM ports lead to the slot's own: it is refused instead.
int ControlPort() {
  if (const char* v = std::getenv("VAMIRE_PEER_PORT")) return std::atoi(v);
  const char* slot = std::getenv("VAMIRE_SLOT");
  if (slot && *slot) throw std::runtime_error("device peer: VAMIRE_SLOT is set but not VAMIRE_PEER_PORT (run through scripts/wine-exec)");
  return 47811;
}

struct WinsockUp {
  WinsockUp() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
  }
};

std::vector<uint8_t> FromHex(const std::string& hex) {
  std::vector<uint8_t> out;
  for (size_t i = 0; i + 1 < hex.size(); i += 2) out.push_back(uint8_t(std::stoi(hex.substr(i, 2), nullptr, 16)));
  return out;
}

std::string Expect(const std::string& reply, const std::string& request) {
  if (reply.rfind("OK", 0) != 0) throw std::runtime_error("device peer refused \"" + request + "\": " + reply);
  return reply;
}

}  // namespace

std::string Hex(const std::vector<uint8_t>& bytes) {
  std::string s;
  char buf[4];
  for (size_t i = 0; i < bytes.size(); ++i) {
    std::snprintf(buf, sizeof buf, i ? " %02X" : "%02X", bytes[i]);
    s += buf;
  }
  return s;
}

std::string DevicePeer::Request(const std::string& line) {
  static WinsockUp up;
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET) throw std::runtime_error("device peer: no socket");
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(u_short(ControlPort()));
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (connect(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
    closesocket(s);
    throw std::runtime_error("device peer is not running on port " + std::to_string(ControlPort()) + " (scripts/test starts it)");
  }
  std::string out = line + "\n";
  send(s, out.data(), int(out.size()), 0);
  std::string reply;
  char buf[65536];
  for (int n; (n = recv(s, buf, sizeof buf, 0)) > 0;) reply.append(buf, size_t(n));
  closesocket(s);
  return reply;
}

void DevicePeer::Reset(const std::string& channel) { Expect(Request("reset " + channel), "reset " + channel); }

std::vector<PeerChunk> DevicePeer::Chunks(const std::string& channel) {
  std::istringstream in(Expect(Request("get " + channel), "get " + channel));
  std::string ok;
  size_t n = 0;
  in >> ok >> n;
  std::vector<PeerChunk> chunks(n);
  for (auto& c : chunks) {
    std::string hex;
    in >> c.TimeUs >> hex;
    c.Bytes = FromHex(hex);
  }
  return chunks;
}

std::vector<uint8_t> DevicePeer::Received(const std::string& channel) {
  std::vector<uint8_t> all;
  for (auto& c : Chunks(channel)) all.insert(all.end(), c.Bytes.begin(), c.Bytes.end());
  return all;
}

std::vector<int64_t> DevicePeer::ByteTimes(const std::string& channel) {
  std::vector<int64_t> times;
  for (auto& c : Chunks(channel)) times.insert(times.end(), c.Bytes.size(), c.TimeUs);
  return times;
}

size_t DevicePeer::WaitFor(const std::string& channel, size_t count, int timeoutMs) {
  std::istringstream in(Request("wait " + channel + " " + std::to_string(count) + " " + std::to_string(timeoutMs)));
  std::string word;
  size_t total = 0;
  in >> word >> total;
  return total;
}

void DevicePeer::Send(const std::string& channel, const std::vector<uint8_t>& bytes) {
  std::string hex;
  char buf[3];
  for (uint8_t b : bytes) {
    std::snprintf(buf, sizeof buf, "%02x", b);
    hex += buf;
  }
  Expect(Request("send " + channel + " " + hex), "send " + channel);
}

void DevicePeer::Close(const std::string& channel) { Expect(Request("close " + channel), "close " + channel); }

int DevicePeer::BridgePort() {
  std::istringstream in(Expect(Request("port tcp"), "port tcp"));
  std::string ok;
  int port = 0;
  in >> ok >> port;
  return port;
}

}  // namespace vamire_test
