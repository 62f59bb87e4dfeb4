// What the link routines read from and write to the console's windows: the
// main window implements this narrow interface, and tests implement it too,
// so link/ never includes a window. Every value is read afresh on each call.
#pragma once

#include "MatrixSettings.h"
#include "System.h"
#include "WallFrame.h"

class TComm;
class TTcpClient;

class IConsoleState {
 public:
  virtual ~IConsoleState() = default;

  // TForm1.SelLeft, SelTop, SelRight, SelBottom.
  virtual TWallSelection WallSelection() = 0;

  // The communication settings dialog (TForm2).
  virtual bool SerialChosen() = 0;        // rbSerial checked (else rbRemote)
  virtual String WallPortName() = 0;      // ComboBox1
  virtual String VideoPortName() = 0;     // ComboBox2, port A
  virtual String VgaPortName() = 0;       // ComboBox3, port B
  virtual bool VideoLinkage() = 0;        // CheckBox2 "矩阵联动" of the video-matrix group
  virtual bool VgaLinkage() = 0;          // CheckBox3 "矩阵联动" of the RGB/VGA/DVI group
  virtual String RemoteHost() = 0;        // EditIP
  virtual String RemotePort() = 0;        // EditPort

  // What the matrix encoders read: signal type, model label, linkage, and
  // the matrix configuration dialog's brands, ids and base ports.
  virtual TMatrixSettings MatrixSettings() = 0;

  // The main window's links: the wall, video-matrix and RGB/VGA/DVI-matrix
  // ports and the bridge client.
  virtual TComm* Comm1() = 0;
  virtual TComm* Comm2() = 0;
  virtual TComm* Comm3() = 0;
  virtual TTcpClient* SocketClient() = 0;

  virtual int Language() = 0;     // 0 Chinese, 1 English
  virtual bool DebugMode() = 0;   // TForm1.DebugMode
  virtual void AddLogLine(const String& line) = 0;     // Memo1
  virtual void SetStatusText(const String& text) = 0;  // StatusBar1, panel 0
  virtual bool LinkOpen() = 0;
  virtual void SetLinkOpen(bool value) = 0;
  // Recomputes which controls are enabled or shown (UpdateControlStates).
  virtual void UpdateControlStates() = 0;
};

// The console the link routines serve: the main window registers itself at
// creation and clears it at destruction.
inline IConsoleState*& LinkConsoleRef() {
  static IConsoleState* console = nullptr;
  return console;
}
inline IConsoleState* LinkConsole() { return LinkConsoleRef(); }
inline void SetLinkConsole(IConsoleState* console) { LinkConsoleRef() = console; }
