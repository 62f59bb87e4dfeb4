// The wall controller's six-byte frame: C6, A1, A2, CMD, PAR, BB, with no
// checksum and no escaping. Building frames, their debug echo and the paced
// multi-frame actions is pure code; sending them is SendWallFrame's (Links).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "System.h"

using TWallFrame = std::array<uint8_t, 6>;

const uint8_t WallFrameStart = 0xC6;
const uint8_t WallFrameEnd = 0xBB;
// Whole-wall address pair, sent whatever the wall's size.
const uint8_t WallAllA1 = 0x11;
const uint8_t WallAllA2 = 0xFF;
// A1 of the addressing frames; A2 then carries the sub-command.
const uint8_t WallAddressingA1 = 0xFF;
// The pause that follows every wall frame on the sending thread.
const unsigned WallFramePauseMs = 20;

// The main window's grid selection (TForm1.SelLeft .. SelBottom), panels
// counted from 1.
struct TWallSelection {
  int SelLeft = 0;
  int SelTop = 0;
  int SelRight = 0;
  int SelBottom = 0;
};

// Panel address byte: column in the high nibble, row in the low one. Only the
// low eight bits of column * 16 + row survive, as on the wire.
uint8_t WallPanelAddress(int column, int row);

// Six integers to a frame: each byte is the low eight bits of its integer.
TWallFrame BuildWallFrame(int b0, int b1, int b2, int b3, int b4, int b5);
// The frame SendWallCommand sends: A1 from the selection's top-left corner,
// A2 from its bottom-right corner.
TWallFrame BuildWallCommand(const TWallSelection& selection, int cmd, int par);
// A frame to one panel (A1 = A2 = that panel's address).
TWallFrame BuildPanelCommand(int column, int row, int cmd, int par);
// A frame to the whole wall (A1 = 0x11, A2 = 0xFF).
TWallFrame BuildWholeWallCommand(int cmd, int par);

// Bytes as two upper-case hex digits separated by "," (the matrix echo).
String HexByteList(const uint8_t* bytes, size_t count);
// The debug echo of one wall frame: "->" and its bytes, e.g. "->C6,11,FF,5A,01,BB".
String WallFrameEchoLine(const TWallFrame& frame);

// --- Multi-frame actions ----------------------------------------------------------------
// One frame of a paced action and the pause that follows it (on top of the
// frame's own 20 ms).
struct TWallStep {
  TWallFrame Frame{};
  unsigned PauseAfterMs = 0;
};
using TWallSequence = std::vector<TWallStep>;

// "设置地址": pick the panel by serial number, then give it its row and column.
TWallSequence SetPanelAddressFrames(int serialNo, int row, int column);
// "应用" of the fan page: 0x56 mode; with manual setting also 0xAA run value,
// 100 ms, 0xAB off value.
TWallSequence FanSettingsFrames(const TWallSelection& selection, int mode, bool manual, int runValue,
                                int offValue);
// A special-shape value: highCmd with value div 256, 100 ms, lowCmd with value mod 256.
TWallSequence SpecialShapeValueFrames(const TWallSelection& selection, int highCmd, int lowCmd, int value);
// Edge blending: 0x54 first value, 1 s, 0x55 second value.
TWallSequence EdgeBlendingFrames(const TWallSelection& selection, int first, int second);
// Sub-picture moved (0xC2, 0xC3) or resized (0xC4, 0xC6): 200 ms apart.
TWallSequence SubPictureMovedFrames(const TWallSelection& selection, int horizontal, int vertical);
TWallSequence SubPictureResizedFrames(const TWallSelection& selection, int width, int height);
// Mixed colour-temperature step: red, green and blue commands, 50 ms after each.
TWallSequence ColourStepFrames(const TWallSelection& selection, int redCmd, int greenCmd, int blueCmd, int par);
// One frame per panel of the selection, row by row, with `pauseMs` after each:
// single display and channel selection (0x20, 50 ms), delayed power-on (0x10,
// the configured seconds).
TWallSequence PerPanelFrames(const TWallSelection& selection, int cmd, int par, unsigned pauseMs);
// Save (0x59) or recall (0x5A) a preset on the whole wall; the matrix
// commands follow 5 ms later.
TWallSequence PresetFrames(int cmd, int presetNo);
