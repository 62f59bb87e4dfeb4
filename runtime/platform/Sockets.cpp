#include "Sockets.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include "Streaming.h"

TTcpClient::TTcpClient(TComponent* AOwner) : TComponent(AOwner) {
  // Winsock counts its start-ups, so each client holds one of its own.
  WSADATA data;
  WSAStartup(MAKEWORD(2, 2), &data);
}

TTcpClient::~TTcpClient() {
  Close();
  WSACleanup();
}

void TTcpClient::SetActive(bool value) {
  if (value == Active()) return;
  if (value) Open();
  else Close();
}

void TTcpClient::Open() {
  if (FConnected) return;
  Connect();
}

bool TTcpClient::Connect() {
  if (FConnected) return true;
  Close();
  ADDRINFOW hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_protocol = IPPROTO_TCP;
  ADDRINFOW* found = nullptr;
  if (GetAddrInfoW(FRemoteHost.c_str(), FRemotePort.c_str(), &hints, &found) != 0 || !found) {
    FLastError = WSAGetLastError();
    return false;
  }
  SOCKET s = socket(found->ai_family, found->ai_socktype, found->ai_protocol);
  if (s == INVALID_SOCKET) {
    FLastError = WSAGetLastError();
    FreeAddrInfoW(found);
    return false;
  }
  int rc = connect(s, found->ai_addr, int(found->ai_addrlen));
  FreeAddrInfoW(found);
  if (rc != 0) {
    FLastError = WSAGetLastError();
    closesocket(s);
    return false;
  }
  FSocket = uintptr_t(s);
  FConnected = true;
  FLastError = 0;
  return true;
}

void TTcpClient::Close() {
  if (FSocket == InvalidSocket) return;
  SOCKET s = SOCKET(FSocket);
  if (FConnected) shutdown(s, SD_BOTH);
  closesocket(s);
  FSocket = InvalidSocket;
  FConnected = false;
}

int TTcpClient::SendBuf(const void* buffer, int size, int flags) {
  if (!FConnected) {
    FLastError = WSAENOTCONN;
    return SOCKET_ERROR;
  }
  int sent = send(SOCKET(FSocket), static_cast<const char*>(buffer), size, flags);
  if (sent == SOCKET_ERROR) {
    FLastError = WSAGetLastError();
    if (FLastError != WSAEWOULDBLOCK && FLastError != WSAEINTR) Close();
  } else {
    FLastError = 0;
  }
  return sent;
}

// The address is streamed; whether the client is connected is decided at run time.
VAMIRE_PUBLISHED(TTcpClient,
                 Prop(L"RemoteHost", &TTcpClient::RemoteHost, &TTcpClient::SetRemoteHost),
                 Prop(L"RemotePort", &TTcpClient::RemotePort, &TTcpClient::SetRemotePort))

namespace {
void InitSockets() { RegisterClasses({TTcpClient::StaticClass()}); }
void DoneSockets() { UnRegisterClasses({TTcpClient::StaticClass()}); }
}  // namespace

const TUnitEntry SocketsUnit = {L"Sockets", &InitSockets, &DoneSockets};
