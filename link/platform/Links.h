// The console's links to its devices: the wall frames (always the wall port
// Comm1 or the bridge), opening and closing the serial ports and the bridge
// connection, and the routing of matrix bytes. Everything they read or write
// of the windows goes through the registered IConsoleState (LinkConsole()).
#pragma once

#include <cstdint>

#include "ConsoleState.h"
#include "WallFrame.h"

// Sends the low bytes of six integers to the wall controller, pauses 20 ms
// and, in debug mode, logs "->" and the bytes. Nothing is checked or reported.
void SendWallFrame(int b0, int b1, int b2, int b3, int b4, int b5);
void SendWallFrame(const TWallFrame& frame);
// Sends cmd and par to the panels of the current selection.
void SendWallCommand(int cmd, int par);
// Sends the frames of a multi-frame action with the pauses between them.
void SendWallSequence(const TWallSequence& steps);

// Sets each port's CommName to "//./" and its port box's text (Comm1 the
// wall port, Comm2 port A, Comm3 port B), as the connect buttons do before
// opening.
void NameCommPorts();
// Opens (true) or closes (false) the serial ports; the outcome is LinkOpen.
void OpenCommPorts(bool open);
// Connects (true) or disconnects (false) the bridge; the outcome is LinkOpen.
void ConnectRemote(bool connect);
// Route a matrix frame's bytes to the video matrix, or to the RGB/VGA/DVI
// matrix: its own port, the wall port or the bridge. No pause, no check.
void SendToVideoMatrix(const void* bytes, uint16_t length);
void SendToVgaMatrix(const void* bytes, uint16_t length);

// The message boxes of the link routines go through this procedure, which a
// test replaces to answer them. The default is the runtime's ShowMessage.
using TLinkMessageProc = void (*)(const String& text);
TLinkMessageProc SetLinkMessageProc(TLinkMessageProc proc);
void ShowLinkMessage(const String& text);
