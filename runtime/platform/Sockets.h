// The runtime's blocking TCP client on winsock: the console's link to the
// wireless serial bridge. Errors never raise: a failed connect leaves the
// client unconnected and a failed send returns SOCKET_ERROR (-1).
#pragma once

#include <cstdint>

#include "Classes.h"
#include "System.h"
#include "Units.h"

class TTcpClient : public TComponent {
  VAMIRE_CLASS(TTcpClient, TComponent)
 public:
  explicit TTcpClient(TComponent* AOwner);
  ~TTcpClient() override;

  const String& RemoteHost() const { return FRemoteHost; }
  void SetRemoteHost(const String& value) { FRemoteHost = value; }
  // The port as text, as typed ("8899"); a service name is accepted too.
  const String& RemotePort() const { return FRemotePort; }
  void SetRemotePort(const String& value) { FRemotePort = value; }

  // Active: a socket is held. Making the client active opens it.
  bool Active() const { return FSocket != InvalidSocket; }
  void SetActive(bool value);
  // Opens a socket and makes a blocking connect to RemoteHost:RemotePort.
  // When the connect fails the socket is released again.
  void Open();
  // Disconnects and releases the socket; does nothing when inactive.
  void Close();
  bool Connect();
  void Disconnect() { Close(); }
  bool Connected() const { return FConnected; }

  // One send of `size` bytes; returns the count sent or -1 (also when not
  // connected). A broken connection is closed.
  int SendBuf(const void* buffer, int size, int flags = 0);
  // The winsock error of the last failed operation (0 after a success).
  int LastError() const { return FLastError; }

 private:
  static constexpr uintptr_t InvalidSocket = ~uintptr_t(0);
  String FRemoteHost;
  String FRemotePort;
  uintptr_t FSocket = InvalidSocket;
  bool FConnected = false;
  int FLastError = 0;
};

// Unit start and end: the form reader creates TTcpClient by class name while the unit runs.
extern const TUnitEntry SocketsUnit;
