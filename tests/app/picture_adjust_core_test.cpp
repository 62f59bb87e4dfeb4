// The picture adjustment window's tables, natively: the colours and gains of
// the swatch palette at its ends, the swatch geometry, the range label, names
// the window does not hold, and the help message.
#include <gtest/gtest.h>

#include "PictureAdjust.h"

namespace {

// Each row's last swatch (n = 35): its colour (red in the low byte) and the
// gains it sends, worked out by hand; the first swatch of every row is white
// and sends the neutral gains.
TEST(PictureAdjustCoreTest, EachRowsEndsHaveTheirColoursAndGains) {
  struct {
    const wchar_t* Name;
    uint32_t Colour;
    int Red, Green, Blue;
  } cases[] = {
      {L"BtnYel35", 0x73FFFF, 167, 163, 95}, {L"BtnPur35", 0xFF73FF, 167, 93, 165},
      {L"BtnRed35", 0x7373FF, 167, 93, 95},  {L"BtnChi35", 0xFFFF73, 97, 163, 165},
      {L"BtnGre35", 0x73FF73, 97, 163, 95},  {L"BtnBlu35", 0xFF7373, 97, 93, 165},
      {L"BtnGra35", 0x737373, 97, 93, 95},
  };
  int expectedRow = 0;
  for (const auto& c : cases) {
    const int row = SwatchRowOf(c.Name);
    EXPECT_EQ(row, expectedRow++) << "rows run yellow, purple, red, cyan, green, blue, grey";
    if (row < 0) continue;
    EXPECT_EQ(SwatchColour(row, 35), c.Colour) << row;
    const TGains last = SwatchGains(row, 35);
    EXPECT_EQ((std::vector<int>{last.Red, last.Green, last.Blue}), (std::vector<int>{c.Red, c.Green, c.Blue})) << row;
    EXPECT_EQ(SwatchColour(row, 0), 0xFFFFFFu);
    const TGains first = SwatchGains(row, 0);
    EXPECT_EQ((std::vector<int>{first.Red, first.Green, first.Blue}), (std::vector<int>{132, 128, 130}));
  }
}

TEST(PictureAdjustCoreTest, OnlyTheSixCharacterPrefixesNameARow) {
  for (const wchar_t* name : {L"BtnYe", L"btnYel0", L"Panel1", L"", L"BtnGr1"}) EXPECT_EQ(SwatchRowOf(name), -1);
  EXPECT_EQ(SwatchRowOf(L"BtnGra"), 6) << "the prefix alone is the row";
}

TEST(PictureAdjustCoreTest, APanelOf683PixelsGivesSwatchesOf26AtAPitchOf31) {
  const TSwatchGeometry g = SwatchGeometry(683);
  EXPECT_EQ(g.Size, 26);
  EXPECT_EQ(g.Pitch, 31);
  EXPECT_EQ(g.Pitch * 35 + 10 + g.Size, 1121) << "the right edge of a row's last swatch";
}

TEST(PictureAdjustCoreTest, TheRangeLabelReadsLeftTopDashRightBottom) {
  EXPECT_EQ(SelectionRangeText({1, 1, 3, 2}), L"1,1 - 3,2");
  EXPECT_EQ(SelectionRangeText({12, 3, 15, 15}), L"12,3 - 15,15");
}

TEST(PictureAdjustCoreTest, NamesTheWindowDoesNotHoldSendNothing) {
  TWallCommand command{7, 7};
  TWallCommand commands[3];
  for (const wchar_t* name : {L"", L"SpeedButton13", L"cxButton", L"btnBrnGray", L"Button2"}) {
    EXPECT_FALSE(FindStepCommand(name, command));
    EXPECT_FALSE(FindMixedCommands(name, commands));
  }
}

TEST(PictureAdjustCoreTest, HelpPointsToTheColourTemperatureDocument) {
  EXPECT_EQ(PictureHelpMessage(1), L"Please see the  \"色温调节说明\" document!");
  EXPECT_EQ(PictureHelpMessage(0), L"请查看《色温调节说明》文档!");
}

}  // namespace
