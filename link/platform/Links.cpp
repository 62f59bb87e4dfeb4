#include "Links.h"

#include <windows.h>

#include <atomic>

#include "Dialogs.h"
#include "SerialComm.h"
#include "Sleep.h"
#include "Sockets.h"

namespace {

// The runtime's message: captioned with the program's title, and answerable by
// the dialog service, so no test run waits for a person.
void SystemMessage(const String& text) { ShowMessage(text); }

std::atomic<TLinkMessageProc> MessageProc{&SystemMessage};

bool English(IConsoleState& console) { return console.Language() == 1; }

void Write(TComm* comm, const void* bytes, uint16_t length) {
  if (comm) comm->WriteData(bytes, length);
}

void Send(TTcpClient* client, const void* bytes, uint16_t length) {
  if (client) client->SendBuf(bytes, length, 0);
}

// Opens one port; on failure tells the operator, closes it again and answers false.
bool OpenPort(IConsoleState& console, TComm* comm, const String& port) {
  if (!comm) return false;
  try {
    comm->OpenPort();
    return true;
  } catch (const Exception&) {
    if (English(console)) {
      ShowLinkMessage(L"open" + port + L"error，please check it！");
      console.SetStatusText(port + L" error!");
    } else {
      ShowLinkMessage(L"打开" + port + L"错误，请确认该串口是否存在或被其他程序占用！");
      console.SetStatusText(port + L" 错误!");
    }
    comm->ClosePort();
    return false;
  }
}

String RemoteStatus(IConsoleState& console, const String& ip, const String& port, bool connected) {
  if (English(console)) return L"RemoteAddr:" + ip + L":" + port + (connected ? L" connect" : L" disconnect");
  return L"无线地址:" + ip + L":" + port + (connected ? L" 已连接" : L" 关闭");
}

}  // namespace

TLinkMessageProc SetLinkMessageProc(TLinkMessageProc proc) { return MessageProc.exchange(proc ? proc : &SystemMessage); }

void ShowLinkMessage(const String& text) { MessageProc.load()(text); }

void SendWallFrame(const TWallFrame& frame) {
  IConsoleState* console = LinkConsole();
  if (!console) return;
  if (console->SerialChosen()) {
    // One write per byte: each is queued as its own buffer, in frame order.
    for (uint8_t byte : frame) Write(console->Comm1(), &byte, 1);
  } else {
    Send(console->SocketClient(), frame.data(), uint16_t(frame.size()));
  }
  SleepMs(WallFramePauseMs);
  if (console->DebugMode()) console->AddLogLine(WallFrameEchoLine(frame));
}

void SendWallFrame(int b0, int b1, int b2, int b3, int b4, int b5) {
  SendWallFrame(BuildWallFrame(b0, b1, b2, b3, b4, b5));
}

void SendWallCommand(int cmd, int par) {
  IConsoleState* console = LinkConsole();
  if (!console) return;
  SendWallFrame(BuildWallCommand(console->WallSelection(), cmd, par));
}

void SendWallSequence(const TWallSequence& steps) {
  for (const TWallStep& step : steps) {
    SendWallFrame(step.Frame);
    if (step.PauseAfterMs) SleepMs(step.PauseAfterMs);
  }
}

void NameCommPorts() {
  IConsoleState* console = LinkConsole();
  if (!console) return;
  if (TComm* comm = console->Comm1()) comm->SetCommName(L"//./" + console->WallPortName());
  if (TComm* comm = console->Comm2()) comm->SetCommName(L"//./" + console->VideoPortName());
  if (TComm* comm = console->Comm3()) comm->SetCommName(L"//./" + console->VgaPortName());
}

void OpenCommPorts(bool open) {
  IConsoleState* console = LinkConsole();
  if (!console) return;
  const String wall = console->WallPortName();
  const String portA = console->VideoPortName();
  const String portB = console->VgaPortName();
  String state;
  if (English(*console)) state = open ? L" opened" : L" closed";
  else state = open ? L" 已打开" : L" 关闭";
  console->SetStatusText(wall + L" " + portA + L" " + portB + state);

  TComm* comm1 = console->Comm1();
  TComm* comm2 = console->Comm2();
  TComm* comm3 = console->Comm3();
  bool ok = true;
  if (open) {
    if (comm1 && !comm1->Opened()) ok = OpenPort(*console, comm1, wall) && ok;
    if (portA != wall && comm2 && !comm2->Opened() && console->VideoLinkage()) {
      if (portB == portA && console->VgaLinkage()) {
        // Both matrices on one port: refused, and LinkOpen keeps its value.
        ShowLinkMessage(L"视频、RGB矩阵串口冲突");
        return;
      }
      ok = OpenPort(*console, comm2, portA) && ok;
    }
    if (portB != wall && console->VgaLinkage() && comm3 && !comm3->Opened())
      ok = OpenPort(*console, comm3, portB) && ok;
  } else {
    if (comm1) comm1->ClosePort();
    if (comm2 && comm2->Opened()) comm2->ClosePort();
    if (comm3 && comm3->Opened()) comm3->ClosePort();
  }
  console->SetLinkOpen(open && ok);
  console->UpdateControlStates();
}

void ConnectRemote(bool connect) {
  IConsoleState* console = LinkConsole();
  if (!console) return;
  TTcpClient* client = console->SocketClient();
  if (!client) return;
  const String ip = console->RemoteHost();
  const String port = console->RemotePort();
  bool result = false;
  if (connect) {
    client->SetRemoteHost(ip);
    client->SetRemotePort(port);
    if (client->Connected()) {
      result = true;
    } else {
      client->Open();
      result = client->Connected();
      console->SetStatusText(RemoteStatus(*console, ip, port, result));
      if (!result) ShowLinkMessage(L"连接失败");
    }
  } else {
    if (client->Connected()) {
      client->Disconnect();
      client->SetActive(false);
    }
    console->SetStatusText(RemoteStatus(*console, ip, port, false));
  }
  console->SetLinkOpen(result);
  console->UpdateControlStates();
}

void SendToVideoMatrix(const void* bytes, uint16_t length) {
  IConsoleState* console = LinkConsole();
  if (!console) return;
  if (!console->SerialChosen()) return Send(console->SocketClient(), bytes, length);
  bool ownPort = console->VideoLinkage() && console->VideoPortName() != console->WallPortName();
  Write(ownPort ? console->Comm2() : console->Comm1(), bytes, length);
}

void SendToVgaMatrix(const void* bytes, uint16_t length) {
  IConsoleState* console = LinkConsole();
  if (!console) return;
  if (!console->SerialChosen()) return Send(console->SocketClient(), bytes, length);
  const String portB = console->VgaPortName();
  if (console->VgaLinkage() && portB != console->WallPortName()) {
    TComm* comm2 = console->Comm2();
    bool shared = comm2 && comm2->Opened() && console->VideoPortName() == portB;
    Write(shared ? comm2 : console->Comm3(), bytes, length);
  } else {
    Write(console->Comm1(), bytes, length);
  }
}
