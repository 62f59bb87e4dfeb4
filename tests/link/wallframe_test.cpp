// The wall controller's frame: bytes from selections, commands and parameters,
// the debug echo, and the paced multi-frame actions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WallFrame.h"

namespace {

std::string Hex(const TWallFrame& frame) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (uint8_t b : frame) {
    if (!out.empty()) out += ' ';
    out += digits[b >> 4];
    out += digits[b & 15];
  }
  return out;
}

TEST(WallFrameTest, SelectionsCommandsAndParametersGiveTheirBytes) {
  struct {
    TWallSelection Selection;
    int Cmd, Par;
    const char* Bytes;
  } cases[] = {
      {{2, 3, 2, 3}, 0x10, 1, "C6 23 23 10 01 BB"},      // one cell: A1 = A2
      {{1, 1, 3, 2}, 0x20, 1, "C6 11 32 20 01 BB"},      // rectangle
      {{1, 1, 15, 15}, 0x56, 2, "C6 11 FF 56 02 BB"},    // the largest wall
      {{1, 1, 1, 1}, 0x20, 198, "C6 11 11 20 C6 BB"},    // 0xC6 travels unescaped
      {{1, 1, 1, 1}, 0xC6, 0xBB, "C6 11 11 C6 BB BB"},   // so does 0xBB, and command 0xC6
      {{1, 1, 2, 2}, 0x1F0, 0x1234, "C6 11 22 F0 34 BB"}, // only low bytes survive
      {{1, 1, 2, 2}, -1, 256, "C6 11 22 FF 00 BB"},
      {{0, 0, 0, 0}, 0x5F, 1, "C6 00 00 5F 01 BB"},      // before the first selection
      {{16, 1, 17, 2}, 0x10, 0, "C6 01 12 10 00 BB"},    // beyond 15 wraps, unchecked
  };
  for (auto& c : cases)
    EXPECT_EQ(Hex(BuildWallCommand(c.Selection, c.Cmd, c.Par)), c.Bytes) << "cmd " << c.Cmd << " par " << c.Par;
}

TEST(WallFrameTest, FramesKeepTheLowByteOfEachInteger) {
  EXPECT_EQ(Hex(BuildWallFrame(0x1C6, 0x211, -1, 0x35A, 0x401, 0x5BB)), "C6 11 FF 5A 01 BB");
  EXPECT_EQ(Hex(BuildWholeWallCommand(0x5A, 1)), "C6 11 FF 5A 01 BB");
  EXPECT_EQ(Hex(BuildPanelCommand(3, 2, 0x20, 4)), "C6 32 32 20 04 BB");
}

TEST(WallFrameTest, TheDebugEchoIsArrowAndUpperCaseHexJoinedByCommas) {
  EXPECT_EQ(WallFrameEchoLine(BuildWholeWallCommand(0x5A, 1)), L"->C6,11,FF,5A,01,BB");
  EXPECT_EQ(WallFrameEchoLine(BuildWallFrame(0xC6, 0xFF, 0x0A, 0xab, 0, 0xBB)), L"->C6,FF,0A,AB,00,BB");
  const uint8_t bytes[] = {0xFC, 0x01, 0x0e};
  EXPECT_EQ(HexByteList(bytes, 3), L"FC,01,0E");
  EXPECT_EQ(HexByteList(bytes, 0), L"");
}

std::vector<std::string> Frames(const TWallSequence& steps) {
  std::vector<std::string> out;
  for (auto& s : steps) out.push_back(Hex(s.Frame) + " +" + std::to_string(s.PauseAfterMs));
  return out;
}

TEST(WallFrameTest, MultiFrameActionsKeepTheirOrderAndPauses) {
  TWallSelection sel{1, 1, 2, 1};
  using V = std::vector<std::string>;
  EXPECT_EQ(Frames(SetPanelAddressFrames(0x1234, 3, 4)),
            (V{"C6 FF 23 12 34 BB +100", "C6 FF 20 03 01 BB +100", "C6 FF 21 04 01 BB +0"}));
  EXPECT_EQ(Frames(FanSettingsFrames(sel, 0, false, 19, 26)), (V{"C6 11 21 56 00 BB +0"}));
  EXPECT_EQ(Frames(FanSettingsFrames(sel, 1, true, 19, 26)),
            (V{"C6 11 21 56 01 BB +0", "C6 11 21 AA 13 BB +100", "C6 11 21 AB 1A BB +0"}));
  EXPECT_EQ(Frames(SpecialShapeValueFrames(sel, 0xF6, 0xF7, 1920)),
            (V{"C6 11 21 F6 07 BB +100", "C6 11 21 F7 80 BB +0"}));
  EXPECT_EQ(Frames(SpecialShapeValueFrames(sel, 0xF4, 0xF5, 65535)),
            (V{"C6 11 21 F4 FF BB +100", "C6 11 21 F5 FF BB +0"}));
  EXPECT_EQ(Frames(EdgeBlendingFrames(sel, 40, 0)), (V{"C6 11 21 54 28 BB +1000", "C6 11 21 55 00 BB +0"}));
  EXPECT_EQ(Frames(SubPictureMovedFrames(sel, 10, 20)), (V{"C6 11 21 C2 0A BB +200", "C6 11 21 C3 14 BB +0"}));
  EXPECT_EQ(Frames(SubPictureResizedFrames(sel, 30, 40)), (V{"C6 11 21 C4 1E BB +200", "C6 11 21 C6 28 BB +0"}));
  EXPECT_EQ(Frames(ColourStepFrames(sel, 0x38, 0x39, 0x3A, 1)),
            (V{"C6 11 21 38 01 BB +50", "C6 11 21 39 01 BB +50", "C6 11 21 3A 01 BB +50"}));
  EXPECT_EQ(Frames(PresetFrames(0x5A, 16)), (V{"C6 11 FF 5A 10 BB +5"}));
}

TEST(WallFrameTest, PanelByPanelFramesWalkRowsThenColumns) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Frames(PerPanelFrames({1, 1, 2, 2}, 0x10, 1, 3000)),
            (V{"C6 11 11 10 01 BB +3000", "C6 21 21 10 01 BB +3000", "C6 12 12 10 01 BB +3000",
               "C6 22 22 10 01 BB +3000"}));
  EXPECT_EQ(Frames(PerPanelFrames({3, 2, 3, 2}, 0x20, 2, 50)), (V{"C6 32 32 20 02 BB +50"}));
}

}  // namespace
