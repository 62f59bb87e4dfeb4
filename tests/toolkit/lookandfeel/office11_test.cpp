// The Office colour arithmetic: the classic column from injected system
// colours (halves round to even, D-6), the schemes' tables, scheme detection
// from the visual style's names, and the gradient, grip and arrow geometry.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "dxOffice11.h"

namespace {

constexpr TColor RGBOf(int r, int g, int b) { return TColor(r | g << 8 | b << 16); }

// Odd channels everywhere, so every 50 % mix of shadow and face ends in a half.
TOffice11SystemColors InjectedColors() {
  TOffice11SystemColors s;
  s.BtnFace = RGBOf(213, 205, 197);
  s.BtnShadow = RGBOf(129, 127, 123);
  s.BtnHighlight = RGBOf(255, 255, 255);
  s.BtnText = RGBOf(0, 0, 0);
  s.Window = RGBOf(255, 255, 255);
  s.Highlight = RGBOf(10, 36, 106);
  s.HighlightText = RGBOf(255, 255, 255);
  s.GrayText = RGBOf(128, 128, 128);
  return s;
}

// Entries 1 to 79 of the classic column for InjectedColors(), worked out by
// hand from the rules of the colour table.
constexpr TColor kClassic[Office11ColorCount] = {
    0xC5CDD5, 0xF3F5F7, 0xF2F4F6, 0xC7CFD6, 0x9DA0A1, 0xDCC6BE, 0xD7D2D2, 0x7B7F81,  // 1-8
    0xDCC6BE, 0xD7D2D2, 0xCDD4DB, 0xC5CDD5, 0xBEC0C0, 0xEEE3DF, 0xECE9E9, 0xA0A6AA,  // 9-16
    0xD0C9C9, 0xCECFD3, 0x9A9E9F, 0xFFFFFF, 0xA2A5A6, 0xFFFFFF, 0x000000, 0xFFFFFF,  // 17-24
    0x7B7F81, 0xC7CFD6, 0xF2F4F6, 0x7B7F81, 0xFFFFFF, 0x000000, 0x000000, 0xFFFFFF,  // 25-32
    0xF2F4F6, 0xC7CFD6, 0xF2F4F6, 0xC7CFD6, 0xDFE0E2, 0xB7BEC5, 0x7B7F81, 0xFFFFFF,  // 33-40
    0xD4BFB7, 0x6A240A, 0xD4BFB7, 0xD4BFB7, 0xB19388, 0xB19388, 0xC7CFD6, 0xD7D2D2,  // 41-48
    0xB19388, 0xC7CFD6, 0xD4BFB7, 0x000000, 0x808080, 0x7B7F81, 0xC5CDD5, 0xA0A6AA,  // 49-56
    0xFFFFFF, 0x7B7F81, 0xC5CDD5, 0xD7D2D2, 0x7B7F81, 0xC5CDD5, 0xC5CDD5, 0x7B7F81,  // 57-64
    0x7B7F81, 0x7B7F81, 0xE2E6EA, 0xC6CED6, 0xD4BFB7, 0xD4BFB7, 0xD7D2D2, 0xD7D2D2,  // 65-72
    0xB19388, 0xB19388, 0x7B7F81, 0x7B7F81, 0xFFFFFF, 0xC5CDD5, 0x7B7F81,            // 73-79
};

TEST(Office11ColorsTest, TheClassicColumnFollowsTheInjectedSystemColoursRoundingHalvesToEven) {
  const TOffice11Colors colors = ComputeOffice11ColorTable(o11sNone, InjectedColors(), nullptr);
  for (int n = 1; n <= Office11ColorCount; ++n) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%06X", unsigned(colors[std::size_t(n)]));
    EXPECT_EQ(colors[std::size_t(n)], kClassic[n - 1]) << "entry " << n << " is " << hex;
  }
  // Entry 16 mixes shadow and face half and half: every channel ends in a
  // half, 64.5 + 106.5 in red, which rounds to 64 + 106 (170), not 172.
  EXPECT_EQ(colors[16] & 0xFF, 170);
}

TEST(Office11ColorsTest, MixesRoundEachTermCapAndClamp) {
  // One channel: 50 % of 3 is 1.5 -> 2, 50 % of 1 is 0.5 -> 0.
  EXPECT_EQ(BlendColorsRGB(RGBOf(3, 5, 255), RGBOf(1, 7, 255), 50, nullptr), RGBOf(2, 6, 255));
  EXPECT_EQ(BlendColorsRGB(RGBOf(255, 0, 0), RGBOf(0, 0, 0), 100, nullptr), RGBOf(255, 0, 0));
  // The screen's nearest colour is asked last.
  EXPECT_EQ(BlendColorsRGB(RGBOf(1, 1, 1), RGBOf(1, 1, 1), 50, [](TColor) { return TColor(0x123456); }), 0x123456);

  TOffice11SystemColors s = InjectedColors();
  // -15 % of the face takes away; the sum never goes below 0 or above 255.
  EXPECT_EQ(MixSystemColorsRGB(s, -15, 29, 86), RGBOf(190, 198, 220));
  EXPECT_EQ(MixSystemColorsRGB(s, -200, 0, 0), RGBOf(0, 0, 0));
  EXPECT_EQ(MixSystemColorsRGB(s, 100, 100, 100), RGBOf(255, 255, 255));
  for (TColor face : {TColor(0x000000), TColor(0xFFFFFF)}) {
    s.BtnFace = face;
    EXPECT_EQ(MixSystemColorsRGB(s, 42, 11, 47), s.Highlight) << "a black or white face answers the highlight";
  }

  EXPECT_EQ(ScaleColorChannelsRGB(RGBOf(10, 101, 200), 50), RGBOf(5, 50, 100));  // 50.5 -> 50
  EXPECT_EQ(ScaleColorChannelsRGB(RGBOf(200, 0, 1), 200), RGBOf(255, 0, 2));
}

TEST(Office11ColorsTest, BrightnessScalesEveryChannelAlikeAndStopsAtFull) {
  struct {
    TColor In;
    int Percent;
    TColor Out;
  } const cases[] = {
      // The classic button face brightened 1.85 times: its red channel hits
      // 255 and the others keep their share of it (208 * 255 / 212 = 250.19).
      {RGBOf(212, 208, 200), 185, RGBOf(255, 250, 241)},
      {RGBOf(100, 50, 0), 120, RGBOf(120, 60, 0)},
      {RGBOf(10, 5, 1), 113, RGBOf(11, 6, 1)},
      // Halves go to the even neighbour: 52.5, 10.5, 31.5.
      {RGBOf(50, 10, 30), 105, RGBOf(52, 10, 32)},
      {RGBOf(0, 0, 0), 185, RGBOf(0, 0, 0)},
      {RGBOf(255, 255, 255), 185, RGBOf(255, 255, 255)},
      {RGBOf(40, 80, 120), 100, RGBOf(40, 80, 120)},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ScaleColorBrightnessRGB(c.In, c.Percent), c.Out) << std::hex << c.In << " x" << std::dec << c.Percent;
}

TEST(Office11ColorsTest, SchemeTablesApplyAndTheirDerivedEntriesFollowThem) {
  const TOffice11SystemColors s = InjectedColors();
  struct {
    TOffice11Scheme Scheme;
    TColor E1, E42, E53;
    int K;
  } cases[] = {{o11sNormalColor, 0xF5BE9E, 0x800000, 0x8D8D8D, 41},
               {o11sHomestead, 0xA7D9D9, 0x385D3F, 0x8D8D8D, 125},
               {o11sMetallic, 0xE5D7D7, 0x6F4B4B, 0x8D8D8D, 40}};
  for (const auto& c : cases) {
    SCOPED_TRACE(int(c.Scheme));
    const TOffice11Colors e = ComputeOffice11ColorTable(c.Scheme, s, nullptr);
    EXPECT_EQ(e[1], c.E1);
    EXPECT_EQ(e[42], c.E42);
    EXPECT_EQ(e[53], c.E53) << "the disabled glyph grey is the same in every scheme";
    EXPECT_EQ(Office11SplitPercent(c.Scheme), c.K);
    // Derived only when themed, then derived alike in every case.
    EXPECT_EQ(e[13], BlendColorsRGB(e[5], e[3], 90, nullptr));
    EXPECT_EQ(e[65], e[12]);
    EXPECT_EQ(e[78], e[75]);
    EXPECT_EQ(e[79], e[76]);
    EXPECT_EQ(e[16], BlendColorsRGB(e[8], e[12], 50, nullptr));
    EXPECT_EQ(e[38], BlendColorsRGB(e[4], 0, 92, nullptr));
    EXPECT_EQ(e[56], e[16]);
    EXPECT_EQ(e[40], e[32]);
    EXPECT_EQ(e[58], e[39]);
    for (int n = 1; n <= Office11ColorCount; ++n) EXPECT_EQ(e[std::size_t(n)] & 0xFF000000, 0) << n;
  }
  EXPECT_EQ(Office11SplitPercent(o11sNone), 75);
}

TEST(Office11ColorsTest, TheSchemeComesFromTheStyleFileAndItsColourName) {
  struct {
    const wchar_t* File;
    const wchar_t* Color;
    bool AnyFile;
    TOffice11Scheme Expected;
  } cases[] = {
      {L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles", L"NormalColor", false, o11sNormalColor},
      {L"luna.MSSTYLES", L"homestead", false, o11sHomestead},
      {L"C:/themes/LUNA.MSSTYLES", L"Metallic", false, o11sMetallic},
      {L"C:\\Themes\\Royale.msstyles", L"NormalColor", false, o11sNone},  // before 6 only the Luna file counts
      {L"C:\\Themes\\Aero.msstyles", L"NormalColor", true, o11sNormalColor},  // from 6 on the name decides
      {L"C:\\Themes\\Luna.msstyles", L"Blue", false, o11sNone},
      {L"", L"", true, o11sNone},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Office11SchemeFromNames(c.File, c.Color, c.AnyFile), c.Expected) << c.File << " " << c.Color;
}

TEST(Office11ColorsTest, MulDivRoundsHalvesAwayFromZeroAndRefusesAZeroDivisor) {
  EXPECT_EQ(MulDivRounded(7, 1, 2), 4);
  EXPECT_EQ(MulDivRounded(-7, 1, 2), -4);
  EXPECT_EQ(MulDivRounded(5, 3, -2), -8);
  EXPECT_EQ(MulDivRounded(1, 1, 0), -1);
  EXPECT_EQ(MulDivRounded(2147483647, 2, 1), -1);
}

TEST(Office11ColorsTest, SoftwareGradientsUseAtMost256BandsAndEndAtTheSecondColour) {
  const TColor c1 = RGBOf(0, 100, 255), c2 = RGBOf(255, 0, 0);
  const auto bands = GradientBands(1000, c1, c2);
  ASSERT_EQ(bands.size(), 256u);
  EXPECT_EQ(bands.front(), (TOffice11Band{0, 4, c1}));
  EXPECT_EQ(bands.back().To, 1000);
  EXPECT_EQ(bands.back().Color, c2);
  for (std::size_t i = 1; i < bands.size(); ++i) EXPECT_EQ(bands[i].From, bands[i - 1].To) << i;

  // A short extent has one band per pixel; each position answers its band's colour.
  const auto small = GradientBands(5, c1, c2);
  ASSERT_EQ(small.size(), 5u);
  for (int x = 0; x < 5; ++x) EXPECT_EQ(GradientBandColorAt(x, 5, c1, c2), small[std::size_t(x)].Color) << x;
  // Every position, also where the rounded band edges make a plain inverse miss by one.
  for (int extent : {300, 1000}) {
    const auto layout = GradientBands(extent, c1, c2);
    for (int x = 0; x < extent; ++x) {
      const auto band = std::find_if(layout.begin(), layout.end(), [x](const auto& b) { return x >= b.From && x < b.To; });
      ASSERT_EQ(GradientBandColorAt(x, extent, c1, c2), band->Color) << extent << " " << x;
    }
  }
  // One pixel has no steps to divide by: it takes the first colour.
  EXPECT_EQ(GradientBands(1, c1, c2), (std::vector<TOffice11Band>{{0, 1, c1}}));
  EXPECT_EQ(GradientBandColorAt(0, 1, c1, c2), c1);
  EXPECT_TRUE(GradientBands(0, c1, c2).empty());
}

TEST(Office11ColorsTest, TheSplitGradientReachesItsMiddleColourAtTheMiddleLine) {
  const TColor c1 = RGBOf(200, 0, 100), c2 = RGBOf(0, 200, 100);
  const auto lines = SplitGradientLines(41, c1, c2, 75);
  ASSERT_EQ(lines.size(), 41u);
  EXPECT_EQ(lines.front(), c1);
  // 37.5 % of the way: 200 - 75 = 125, 0 + 75 = 75.
  EXPECT_EQ(lines[20], RGBOf(125, 75, 100));
  EXPECT_EQ(lines.back(), c2);
  for (std::size_t i = 1; i < lines.size(); ++i) EXPECT_LE(lines[i] & 0xFF, lines[i - 1] & 0xFF) << "red only falls";
  EXPECT_EQ(SplitGradientLines(1, c1, c2, 75).size(), 1u);
}

TEST(Office11ColorsTest, GripDotsStepByFourFromAnOffsetByTheRemainder) {
  auto xs = [](const TRect& r) {
    std::vector<int> result;
    for (const TPoint& p : GripDotCells(r, false)) result.push_back(p.X);
    return result;
  };
  EXPECT_EQ(xs({0, 0, 12, 3}), (std::vector<int>{0, 4, 8}));
  EXPECT_EQ(xs({0, 0, 13, 3}), (std::vector<int>{1, 5, 9}));   // remainder 1: moved by 1
  EXPECT_EQ(xs({0, 0, 15, 3}), (std::vector<int>{1, 5, 9}));   // remainder 3: moved by 3 div 2
  EXPECT_EQ(xs({10, 0, 13, 3}), (std::vector<int>{}));
  const auto down = GripDotCells({2, 0, 5, 8}, true);
  EXPECT_EQ(down, (std::vector<TPoint>{{2, 0}, {2, 4}}));

  const auto strips = ResizeGripStrips({0, 0, 20, 20});
  EXPECT_EQ(strips[0], (TRect{8, 17, 20, 20}));
  EXPECT_EQ(GripDotCells(strips[0], false).size(), 3u);
  EXPECT_EQ(GripDotCells(strips[1], false).size(), 2u);
  EXPECT_EQ(GripDotCells(strips[2], false).size(), 1u);
  EXPECT_EQ(strips[2].Top, 9);
}

TEST(Office11ColorsTest, ItemArrowsTakeTheirSizeFromTheRectangle) {
  // Down arrows: the width less 8; right arrows: the height less 6.
  EXPECT_EQ(Office11ArrowSizeInRect({0, 0, 18, 30}, true), 4);   // e = 10
  EXPECT_EQ(Office11ArrowSizeInRect({0, 0, 19, 30}, true), 6);   // e = 11
  EXPECT_EQ(Office11ArrowSizeInRect({0, 0, 30, 18}, false), 5);  // e = 12
  EXPECT_EQ(Office11ArrowSizeInRect({0, 0, 4, 4}, true), 3);
  const auto down = Office11ArrowPoints({0, 0, 20, 10}, true, 4);
  EXPECT_EQ(down, (std::array<TPoint, 3>{TPoint{6, 3}, TPoint{12, 3}, TPoint{9, 6}}));
  const auto right = Office11ArrowPoints({0, 0, 10, 20}, false, 4);
  EXPECT_EQ(right, (std::array<TPoint, 3>{TPoint{3, 6}, TPoint{6, 9}, TPoint{3, 12}}));
}

}  // namespace
