#include "WallFrame.h"

namespace {

TWallStep Step(const TWallFrame& frame, unsigned pauseAfterMs) { return TWallStep{frame, pauseAfterMs}; }

}  // namespace

uint8_t WallPanelAddress(int column, int row) { return uint8_t(unsigned(column) * 16u + unsigned(row)); }

TWallFrame BuildWallFrame(int b0, int b1, int b2, int b3, int b4, int b5) {
  return TWallFrame{uint8_t(b0), uint8_t(b1), uint8_t(b2), uint8_t(b3), uint8_t(b4), uint8_t(b5)};
}

TWallFrame BuildWallCommand(const TWallSelection& selection, int cmd, int par) {
  return BuildWallFrame(WallFrameStart, WallPanelAddress(selection.SelLeft, selection.SelTop),
                        WallPanelAddress(selection.SelRight, selection.SelBottom), cmd, par, WallFrameEnd);
}

TWallFrame BuildPanelCommand(int column, int row, int cmd, int par) {
  uint8_t a = WallPanelAddress(column, row);
  return BuildWallFrame(WallFrameStart, a, a, cmd, par, WallFrameEnd);
}

TWallFrame BuildWholeWallCommand(int cmd, int par) {
  return BuildWallFrame(WallFrameStart, WallAllA1, WallAllA2, cmd, par, WallFrameEnd);
}

String HexByteList(const uint8_t* bytes, size_t count) {
  static const wchar_t digits[] = L"0123456789ABCDEF";
  String line;
  line.reserve(count * 3);
  for (size_t i = 0; i < count; ++i) {
    if (i) line += L',';
    line += digits[bytes[i] >> 4];
    line += digits[bytes[i] & 0x0F];
  }
  return line;
}

String WallFrameEchoLine(const TWallFrame& frame) { return L"->" + HexByteList(frame.data(), frame.size()); }

TWallSequence SetPanelAddressFrames(int serialNo, int row, int column) {
  return {
      Step(BuildWallFrame(WallFrameStart, WallAddressingA1, 0x23, serialNo / 256, serialNo % 256, WallFrameEnd), 100),
      Step(BuildWallFrame(WallFrameStart, WallAddressingA1, 0x20, row, 0x01, WallFrameEnd), 100),
      Step(BuildWallFrame(WallFrameStart, WallAddressingA1, 0x21, column, 0x01, WallFrameEnd), 0),
  };
}

TWallSequence FanSettingsFrames(const TWallSelection& selection, int mode, bool manual, int runValue,
                                int offValue) {
  TWallSequence steps{Step(BuildWallCommand(selection, 0x56, mode), 0)};
  if (manual) {
    steps.push_back(Step(BuildWallCommand(selection, 0xAA, runValue), 100));
    steps.push_back(Step(BuildWallCommand(selection, 0xAB, offValue), 0));
  }
  return steps;
}

TWallSequence SpecialShapeValueFrames(const TWallSelection& selection, int highCmd, int lowCmd, int value) {
  return {Step(BuildWallCommand(selection, highCmd, value / 256), 100),
          Step(BuildWallCommand(selection, lowCmd, value % 256), 0)};
}

TWallSequence EdgeBlendingFrames(const TWallSelection& selection, int first, int second) {
  return {Step(BuildWallCommand(selection, 0x54, first), 1000), Step(BuildWallCommand(selection, 0x55, second), 0)};
}

TWallSequence SubPictureMovedFrames(const TWallSelection& selection, int horizontal, int vertical) {
  return {Step(BuildWallCommand(selection, 0xC2, horizontal), 200),
          Step(BuildWallCommand(selection, 0xC3, vertical), 0)};
}

TWallSequence SubPictureResizedFrames(const TWallSelection& selection, int width, int height) {
  return {Step(BuildWallCommand(selection, 0xC4, width), 200), Step(BuildWallCommand(selection, 0xC6, height), 0)};
}

TWallSequence ColourStepFrames(const TWallSelection& selection, int redCmd, int greenCmd, int blueCmd, int par) {
  return {Step(BuildWallCommand(selection, redCmd, par), 50), Step(BuildWallCommand(selection, greenCmd, par), 50),
          Step(BuildWallCommand(selection, blueCmd, par), 50)};
}

TWallSequence PerPanelFrames(const TWallSelection& selection, int cmd, int par, unsigned pauseMs) {
  TWallSequence steps;
  for (int row = selection.SelTop; row <= selection.SelBottom; ++row)
    for (int column = selection.SelLeft; column <= selection.SelRight; ++column)
      steps.push_back(Step(BuildPanelCommand(column, row, cmd, par), pauseMs));
  return steps;
}

TWallSequence PresetFrames(int cmd, int presetNo) { return {Step(BuildWholeWallCommand(cmd, presetNo), 5)}; }
