// The subtitle's and the special-shape window's window-free rules: hit test,
// key colours, steps, the vertical split, the background list, section
// "subtitle" through a settings store, and the check of a typed shape value.
#include <gtest/gtest.h>

#include "MemorySettings.h"
#include "ShapeCommands.h"
#include "Subtitles.h"
#include "SysUtils.h"

using app_test::TMemorySettings;

namespace {

const int Default = 1;  // HTCLIENT

TEST(SubtitleHitTest, CornersEdgesDragStripAndTheRest) {
  const TRect w{100, 200, 100 + 566, 200 + 113};  // L 100, T 200, W 566, H 113
  const int R = w.Right - 1, B = w.Bottom - 1;     // the last pixels inside
  struct {
    TPoint P;
    int Expected;
  } cases[] = {
      {{R - 1, B - 1}, shBottomRight},  // 1 pixel inside each corner
      {{101, B - 1}, shBottomLeft},
      {{101, 201}, shTopLeft},
      {{R - 1, 201}, shTopRight},
      {{101, 250}, shLeft},  // 1 pixel inside each edge
      {{R - 1, 250}, shRight},
      {{300, 201}, shTop},
      {{300, B - 1}, shBottom},
      {{300, 230}, shCaption},  // 30 pixels below the top, away from the sides
      {{383, 256}, Default},    // the centre
      // Boundaries as given: 2 pixels in from the left and top count, 3 do not.
      {{102, 256}, shLeft},
      {{103, 256}, Default},
      {{300, 202}, shTop},
      {{300, 203}, shCaption},
      {{300, 250}, shCaption},  // T + 50 is still the strip
      {{300, 251}, Default},
      // Right and bottom: W - 2 and H - 2 from the left and top edge.
      {{100 + 566 - 2, 256}, shRight},
      {{100 + 566 - 3, 256}, Default},
      {{300, 200 + 113 - 2}, shBottom},
      {{300, 200 + 113 - 3}, Default},
      // Left of the window: no left edge, only the rules that need no "x >= L".
      {{99, 256}, Default},
      {{99, 201}, shTopLeft},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SubtitleHitTest(c.P, w, Default), c.Expected) << c.P.X << "," << c.P.Y;
}

TEST(SubtitleKeyColor, BasicTextColoursHaveTheirOwnKeyOthersTheBackground) {
  struct {
    TColor Text, Key;
  } cases[] = {
      {clRed, clMaroon}, {clGreen, clTeal}, {clYellow, clWhite}, {clBlue, clNavy},
      {clWhite, clCream}, {clBlack, clSkyBlue}, {clLime, clSkyBlue}, {TColor(0x0000FE), clSkyBlue},
  };
  for (const auto& c : cases) EXPECT_EQ(SubtitleKeyColor(c.Text, clSkyBlue), c.Key) << std::hex << c.Text;
}

TEST(SubtitleMotion, StepsFromTheWorkAreaAndDelaysFromTheInterval) {
  struct {
    int Width, Step;
  } widths[] = {{1920, 3}, {1366, 2}, {1200, 2}, {1199, 1}, {500, 1}, {0, 1}};
  for (const auto& c : widths) EXPECT_EQ(MarqueeScrollSize(c.Width), c.Step) << c.Width;
  struct {
    int Interval;
    bool Scrolls;
    int Delay;
  } intervals[] = {{0, false, 0}, {-5, false, 0}, {1, true, 1}, {100, true, 100}, {65535, true, 65535},
                   {65536, true, 65535}, {70000, true, 65535}};
  for (const auto& c : intervals) {
    TMarqueeMotion m = MarqueeMotion(c.Interval);
    EXPECT_EQ(m.Scrolls, c.Scrolls) << c.Interval;
    if (c.Scrolls) {
      EXPECT_EQ(m.Delay, c.Delay) << c.Interval;
    }
  }
  EXPECT_EQ(VerticalScrollStep(1000), 3);
  EXPECT_EQ(VerticalScrollStep(600), 2);
  EXPECT_EQ(VerticalScrollStep(200), 1) << "0 taken as 1";
  EXPECT_EQ(VerticalTimerInterval(0), 10);
  EXPECT_EQ(VerticalTimerInterval(40), 50);
  EXPECT_EQ(VerticalTimerInterval(-40), 10) << "a negative interval is static, not a huge timer";
}

TEST(SubtitleMotion, TheVerticalLabelWrapsToTheBottomOnceItsScrollHeightIsAbove) {
  const int H = VerticalScrollHeight(6, 20);  // "中\n文\na\n": six characters, 20-pixel lines
  EXPECT_EQ(H, 60);
  int top = 400, ticks = 0;
  while (top != 400 || ticks == 0) {
    top = VerticalNextTop(top, 3, H, 400);
    ++ticks;
    ASSERT_LT(ticks, 1000);
    if (top != 400) {
      EXPECT_GT(top + H, 0);
    }
  }
  // From 400 down to -60 in steps of 3: 154 ticks reach -62, which wraps.
  EXPECT_EQ(ticks, 154);
  EXPECT_EQ(VerticalNextTop(-57, 3, 60, 400), 400) << "top + H = 0 wraps";
  EXPECT_EQ(VerticalNextTop(-56, 3, 60, 400), -59);
}

TEST(SubtitleVerticalText, OneCharacterPerLineASurrogatePairIsOne) {
  EXPECT_EQ(VerticalSubtitleText(L"中文a"), L"中\n文\na\n");
  EXPECT_EQ(SubtitleCharacterCount(VerticalSubtitleText(L"中文a")), 6);
  const String pair{wchar_t(0xD83D), wchar_t(0xDE00)};  // one character, two UTF-16 units
  EXPECT_EQ(VerticalSubtitleText(L"x" + pair + L"y"), L"x\n" + pair + L"\ny\n");
  EXPECT_EQ(SubtitleCharacterCount(pair), 1);
  // A lone half of a pair is a character of its own, not glued to its neighbour.
  const String lone = String(1, wchar_t(0xD83D)) + L"z";
  EXPECT_EQ(VerticalSubtitleText(lone), String(1, wchar_t(0xD83D)) + L"\nz\n");
  EXPECT_EQ(VerticalSubtitleText(L""), L"");
}

TEST(SubtitleBackgroundColors, EighteenInOrderWithSkyBlueAndCream) {
  const auto& colors = SubtitleBackgroundColors();
  ASSERT_EQ(colors.size(), 18u);
  EXPECT_EQ(String(colors[0].Name), L"clBlack");
  EXPECT_EQ(String(colors[15].Name), L"clWhite");
  EXPECT_EQ(colors[16].Color, TColor(0xF0CAA6));
  EXPECT_EQ(String(colors[16].Name), L"clSkyBlue");
  EXPECT_EQ(colors[17].Color, TColor(0xF0FBFF));
  EXPECT_EQ(String(colors[17].Name), L"clCream");
  for (const auto& c : colors) EXPECT_EQ(ColorToString(c.Color), String(c.Name)) << "the name the runtime gives";
}

TEST(SubtitleSettings, DefaultsComeFromTheDialogAndTheTable) {
  TMemorySettings store;
  TSubtitleSettings current;
  current.DisplayText = L"one\r\ntwo";
  current.FontName = L"Arial";
  current.ColorName = L"clRed";
  current.FontSize = 24;
  TSubtitleSettings s = ReadSubtitleSettings(store, current);
  EXPECT_EQ(s.DisplayText, L"one\r\ntwo");
  EXPECT_EQ(s.FontName, L"Arial");
  EXPECT_EQ(s.ColorName, L"clRed");
  EXPECT_EQ(s.FontSize, 24);
  EXPECT_EQ(s.BgColorName, L"clWhite");
  EXPECT_EQ(s.Interval, L"0");
  EXPECT_FALSE(s.Transparent);
  store.Values[{L"subtitle", L"fontsize"}] = L"big";
  store.Values[{L"subtitle", L"istranp"}] = L"1";
  s = ReadSubtitleSettings(store, current);
  EXPECT_EQ(s.FontSize, 24) << "a damaged size gives the dialog's";
  EXPECT_TRUE(s.Transparent);
}

TEST(SubtitleSettings, SevenKeysInOrderAndTheTextBackAsItWas) {
  TMemorySettings store;
  TSubtitleSettings s;
  s.DisplayText = L"第一行\r\nsecond\r\nthird";
  s.FontName = L"宋体";
  s.ColorName = L"clYellow";
  s.FontSize = 36;
  s.BgColorName = L"clNavy";
  s.Interval = L"12x";  // stored as typed
  s.Transparent = true;
  WriteSubtitleSettings(store, s);
  EXPECT_EQ(store.Written, (std::vector<String>{L"displaytext", L"fontname", L"colorname", L"fontsize",
                                                 L"bgcolorname", L"interval", L"istranp"}));
  EXPECT_EQ((store.Values[{L"subtitle", L"displaytext"}]), L"第一行\\nsecond\\nthird");
  EXPECT_EQ((store.Values[{L"subtitle", L"fontsize"}]), L"36");
  EXPECT_EQ((store.Values[{L"subtitle", L"istranp"}]), L"1");
  TSubtitleSettings back = ReadSubtitleSettings(store, {});
  EXPECT_EQ(back.DisplayText, s.DisplayText);
  EXPECT_EQ(back.FontName, s.FontName);
  EXPECT_EQ(back.Interval, L"12x");
  EXPECT_TRUE(back.Transparent);
}

TEST(SubtitleSettings, LineBreaksAndBackslashesRoundTripOneLineTextsStayAsTheyWere) {
  struct {
    const wchar_t* Text;
    const wchar_t* Stored;
  } cases[] = {
      {L"欢迎光临 Welcome", L"欢迎光临 Welcome"},  // one line: unchanged
      {L"C:\\dir\\file", L"C:\\dir\\file"},          // a backslash before other letters: unchanged
      {L"a\r\nb\r\nc", L"a\\nb\\nc"},
      {L"a\nb\rc", L"a\\nb\\nc"},                    // any line break is one
      {L"C:\\new", L"C:\\\\new"},                    // would read as a break: doubled
      {L"x\\\\y", L"x\\\\\\y"},
      {L"end\\", L"end\\"},
      {L"end\\\r\nnext", L"end\\\\\\nnext"},
      {L"\r\n", L"\\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EncodeSubtitleText(c.Text), String(c.Stored)) << UTF8Encode(c.Text);
    String back = DecodeSubtitleText(c.Stored);
    String expected = c.Text;
    for (size_t i = 0; i < expected.size(); ++i)  // lone CR or LF read back as CR LF
      if ((expected[i] == L'\n' && (i == 0 || expected[i - 1] != L'\r')) ||
          (expected[i] == L'\r' && (i + 1 == expected.size() || expected[i + 1] != L'\n')))
        expected.replace(i, 1, L"\r\n"), ++i;
    EXPECT_EQ(back, expected) << UTF8Encode(c.Text);
  }
  EXPECT_EQ(DecodeSubtitleText(L"a\nb\rc\r\nd"), L"a\r\nb\r\nc\r\nd") << "raw breaks as the memo keeps them";
}

TEST(BlendLabels, EachDirectionInBothLanguagesBlanksAsGiven) {
  EXPECT_EQ(BlendLabelText(0, false, 37), L"调节  37");
  EXPECT_EQ(BlendLabelText(0, true, 0), L"调节  0");
  EXPECT_EQ(BlendLabelText(1, false, 37), L"H. boder 37");
  EXPECT_EQ(BlendLabelText(1, true, 100), L"V. Boder  100");
  struct {
    bool Enabled;
    int H, V, SentH, SentV;
  } cases[] = {{true, 100, 37, 100, 37}, {true, 0, 0, 0, 0}, {false, 80, 20, 0, 0}};
  for (const auto& c : cases) {
    const TBlendWidths w = BlendWidths(c.Enabled, c.H, c.V);
    EXPECT_EQ(w.Horizontal, c.SentH);
    EXPECT_EQ(w.Vertical, c.SentV);
  }
}

TEST(ShapeValue, IntegersInTwoBytesOthersRefused) {
  struct {
    const wchar_t* Text;
    TShapeValueCheck Check;
    int Value;
  } cases[] = {
      {L"1920", TShapeValueCheck::Valid, 1920},   {L"0", TShapeValueCheck::Valid, 0},
      {L"65535", TShapeValueCheck::Valid, 65535}, {L"65536", TShapeValueCheck::OutOfRange, 0},
      {L"-1", TShapeValueCheck::OutOfRange, 0},   {L" 12 x", TShapeValueCheck::NotInteger, 0},
      {L"", TShapeValueCheck::NotInteger, 0},     {L"99999999999", TShapeValueCheck::NotInteger, 0},
  };
  for (const auto& c : cases) {
    int v = -7;
    EXPECT_EQ(CheckShapeValue(c.Text, v), c.Check) << UTF8Encode(c.Text);
    if (c.Check == TShapeValueCheck::Valid) {
      EXPECT_EQ(v, c.Value);
    }
  }
  EXPECT_EQ(ShapeRangeMessage(0), L"数值范围：0到65535");
  EXPECT_EQ(ShapeRangeMessage(1), L"Value range: 0 to 65535");
}

}  // namespace
