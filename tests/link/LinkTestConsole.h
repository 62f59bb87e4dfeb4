// A console for the link tests: the state the main window would give the link
// routines, held in plain fields, with the three ports, the bridge client, the
// log pane, the status panel and the message boxes recorded.
#pragma once

#include <windows.h>


#include <memory>
#include <string>
#include <vector>

#include "ConsoleState.h"
#include "Links.h"
#include "SerialComm.h"
#include "Sleep.h"
#include "Sockets.h"

namespace link_test {

class TTestConsole : public IConsoleState {
 public:
  TTestConsole() {
    SetLinkConsole(this);
    Messages().clear();
    FPreviousMessageProc = SetLinkMessageProc(&RecordMessage);
  }
  ~TTestConsole() override {
    SetLinkMessageProc(FPreviousMessageProc);
    SetLinkConsole(nullptr);
  }

  TWallSelection WallSelection() override { return Selection; }
  bool SerialChosen() override { return Serial; }
  String WallPortName() override { return WallPort; }
  String VideoPortName() override { return PortA; }
  String VgaPortName() override { return PortB; }
  bool VideoLinkage() override { return CheckBox2; }
  bool VgaLinkage() override { return CheckBox3; }
  String RemoteHost() override { return EditIP; }
  String RemotePort() override { return EditPort; }
  TMatrixSettings MatrixSettings() override { return Matrix; }
  TComm* Comm1() override { return FComm1.get(); }
  TComm* Comm2() override { return FComm2.get(); }
  TComm* Comm3() override { return FComm3.get(); }
  TTcpClient* SocketClient() override { return FClient.get(); }
  int Language() override { return LanguageFlag; }
  bool DebugMode() override { return Debug; }
  void AddLogLine(const String& line) override { Log.push_back(line); }
  void SetStatusText(const String& text) override { Status = text; }
  bool LinkOpen() override { return LinkOpenFlag; }
  void SetLinkOpen(bool value) override { LinkOpenFlag = value; }
  void UpdateControlStates() override { ++ControlUpdates; }

  static std::vector<String>& Messages() {
    static std::vector<String> messages;
    return messages;
  }

  TWallSelection Selection{1, 1, 1, 1};
  bool Serial = true;
  String WallPort = L"COM5", PortA = L"COM6", PortB = L"COM7";
  bool CheckBox2 = false, CheckBox3 = false;
  String EditIP = L"127.0.0.1", EditPort = L"8899";
  TMatrixSettings Matrix;
  int LanguageFlag = 0;
  bool Debug = false;
  std::vector<String> Log;
  String Status;
  bool LinkOpenFlag = false;
  int ControlUpdates = 0;

  std::unique_ptr<TComm> FComm1 = std::make_unique<TComm>(nullptr);
  std::unique_ptr<TComm> FComm2 = std::make_unique<TComm>(nullptr);
  std::unique_ptr<TComm> FComm3 = std::make_unique<TComm>(nullptr);
  std::unique_ptr<TTcpClient> FClient = std::make_unique<TTcpClient>(nullptr);

 private:
  static void RecordMessage(const String& text) { Messages().push_back(text); }
  TLinkMessageProc FPreviousMessageProc = nullptr;
};

// Replaces the pause of the sending thread for the life of the object.
class TNoPause {
 public:
  TNoPause() : FPrevious(SetSleepProc(&Skip)) {}
  ~TNoPause() { SetSleepProc(FPrevious); }
  static void Skip(uint32_t) {}

 private:
  TSleepProc FPrevious;
};

// Serves the GUI thread's messages until `done` holds or `timeoutMs` passes.
template <class Pred>
bool PumpUntil(Pred done, int timeoutMs = 5000) {
  DWORD start = GetTickCount();
  while (!done()) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (done()) break;
    if (int(GetTickCount() - start) > timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

// Chooses the wireless link with both matrices linked and connects to the
// peer's bridge listener on loopback; true when connected.
inline bool ConnectToBridge(TTestConsole& console, int bridgePort) {
  console.Serial = false;
  console.CheckBox2 = console.CheckBox3 = true;
  console.EditPort = std::to_wstring(bridgePort);
  ConnectRemote(true);
  return console.LinkOpen();
}

inline std::string Utf8(const String& text) {
  int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(size_t(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

}  // namespace link_test
