// The track bar's positions and layout: what the console's edge-blending bars
// (Max 100, PageSize 2) read after keys and the mouse, values read from text,
// and the degenerate ranges and sizes that must neither divide by zero nor
// leave the range.
#include <gtest/gtest.h>

#include <climits>

#include "cxTrackBar.h"

namespace {

constexpr unsigned kPageUp = 0x21, kPageDown = 0x22, kEnd = 0x23, kHome = 0x24;
constexpr unsigned kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28;

TEST(TrackBarPosition, KeysMoveWithinTheRange) {
  struct Case {
    unsigned Key;
    int From, Expected;
  } cases[] = {
      {kPageDown, 99, 100}, {kPageDown, 50, 52}, {kPageUp, 1, 0}, {kPageUp, 50, 48}, {kHome, 57, 0},
      {kEnd, 3, 100},       {kLeft, 0, 0},       {kUp, 10, 9},    {kRight, 100, 100}, {kDown, 10, 11},
  };
  for (const Case& c : cases) {
    bool handled = false;
    EXPECT_EQ(TrackBarKeyPosition(c.Key, c.From, 0, 100, 2, handled), c.Expected) << c.Key << " from " << c.From;
    EXPECT_TRUE(handled);
  }
  bool handled = true;
  EXPECT_EQ(TrackBarKeyPosition('A', 7, 0, 100, 2, handled), 7);
  EXPECT_FALSE(handled);
}

TEST(TrackBarPosition, TextReadsAsDecimalOnlyAndAnythingElseAsMin) {
  struct Case {
    const wchar_t* Text;
    int Expected;
  } cases[] = {
      {L" 42 ", 42}, {L"-3", 5},     {L"+7", 7},      {L"abc", 5},  {L"", 5},         {L"0x10", 5},
      {L"$10", 5},   {L"4 2", 5},    {L"--4", 5},     {L"500", 100}, {L"99999999999999999999", 5},
  };
  for (const Case& c : cases) EXPECT_EQ(TrackBarTextToPosition(c.Text, 5, 100), c.Expected) << c.Text;
  EXPECT_EQ(TrackBarTextToPosition(L"-2147483648", -10, 10), -10);
  EXPECT_EQ(TrackBarTextToPosition(L"2147483647", -10, 10), 10);
}

TEST(TrackBarPosition, MinAboveOrEqualToMaxReadsEveryPositionAsMin) {
  for (long long v : {-1000LL, 0LL, 10LL, 20LL, 1000LL}) {
    EXPECT_EQ(ClampTrackBarPosition(v, 20, 10), 20) << v;
    EXPECT_EQ(ClampTrackBarPosition(v, 10, 10), 10) << v;
  }
  bool handled = false;
  EXPECT_EQ(TrackBarKeyPosition(kEnd, 0, 20, 10, 1, handled), 20);
  EXPECT_EQ(TrackBarTextToPosition(L"15", 20, 10), 20);
}

TcxTrackBarLayoutParams Horizontal(int AWidth, int AHeight) {
  TcxTrackBarLayoutParams p;
  p.Bounds = {0, 0, AWidth, AHeight};
  p.Max = 100;
  return p;
}

TEST(TrackBarLayout, DefaultHorizontalBarPlacesBandTrackAndThumb) {
  TcxTrackBarLayoutParams p = Horizontal(196, 76);
  p.Position = 50;
  const TcxTrackBarLayout l = CalcTrackBarLayout(p);
  // Border 0: each side's tick area grows by one; ticks only below (3 + 1 + 1), none above (1).
  EXPECT_EQ(l.TickAreaTopLeft, 1);
  EXPECT_EQ(l.TickAreaBottomRight, 5);
  // Cross size 70 gives the widest band, 21, centred.
  EXPECT_EQ(l.Band, (TRect{7, 25, 189, 46}));
  EXPECT_EQ(l.Track, (TRect{7, 30, 189, 40}));  // auto-sized: half the band
  EXPECT_EQ(l.Thumb.Right - l.Thumb.Left, 10);
  EXPECT_EQ(l.Thumb.Bottom - l.Thumb.Top, 20);
  EXPECT_DOUBLE_EQ(l.TickOffset, (182 - 10) / 100.0);
  EXPECT_EQ(l.Thumb.Left, 7 + 86);
}

TEST(TrackBarLayout, ALowBarStillGetsATenPixelBandAndVerticalSwapsTheAxes) {
  TcxTrackBarLayoutParams p = Horizontal(100, 8);
  EXPECT_EQ(CalcTrackBarLayout(p).Band.Bottom - CalcTrackBarLayout(p).Band.Top, 10);
  p.Bounds = {0, 0, 76, 196};
  p.Horizontal = false;
  p.Position = 100;
  const TcxTrackBarLayout l = CalcTrackBarLayout(p);
  EXPECT_EQ(l.Band, (TRect{25, 7, 46, 189}));
  EXPECT_EQ(l.Thumb.Bottom, 189) << "Max at the bottom";
}

TEST(TrackBarLayout, SelectionIsShownOnlyForAStartBeforeTheEnd) {
  TcxTrackBarLayoutParams p = Horizontal(196, 76);
  p.SelectionStart = p.SelectionEnd = 5;
  EXPECT_FALSE(CalcTrackBarLayout(p).SelectionShown);
  p.SelectionStart = 60;
  p.SelectionEnd = 40;
  EXPECT_FALSE(CalcTrackBarLayout(p).SelectionShown);
  p.SelectionStart = 0;
  p.SelectionEnd = 500;  // clamped to Max
  const TcxTrackBarLayout l = CalcTrackBarLayout(p);
  ASSERT_TRUE(l.SelectionShown);
  EXPECT_EQ(l.Selection, (TRect{7 + 5, 30 + 2, 7 + 172 + 5 + 1, 40 - 1}));
}

TEST(TrackBarLayout, TicksAtFrequencyAndAlwaysAtBothEnds) {
  const TcxTrackBarLayout l = CalcTrackBarLayout(Horizontal(196, 76));
  struct Case {
    int Frequency;
    std::vector<int> Values;
  } cases[] = {{0, {0, 100}}, {-3, {0, 100}}, {30, {0, 30, 60, 90, 100}}, {50, {0, 50, 100}}, {200, {0, 100}}};
  for (const Case& c : cases) {
    std::vector<int> values;
    for (const TcxTrackBarTick& t : CalcTrackBarTicks(l, 0, 100, c.Frequency)) values.push_back(t.Value);
    EXPECT_EQ(values, c.Values) << c.Frequency;
  }
  const auto ticks = CalcTrackBarTicks(l, 0, 100, 50);
  EXPECT_TRUE(ticks.front().IsEnd);
  EXPECT_FALSE(ticks[1].IsEnd);
  EXPECT_EQ(ticks.front().Pos, 7 + 5) << "the thumb's centre at Min";
  EXPECT_EQ(ticks.back().Pos, 7 + 172 + 5);
  EXPECT_EQ(TrackBarTickLength(3, true), 4);
  EXPECT_EQ(TrackBarTickLength(3, false), 3);
  EXPECT_EQ(CalcTrackBarTicks(l, 4, 4, 1).size(), 1u) << "one tick when Min equals Max";
}

TEST(TrackBarMouse, PressBesideTheThumbStepsOrJumps) {
  TcxTrackBarLayoutParams p = Horizontal(196, 76);
  p.Position = 50;
  const TcxTrackBarLayout l = CalcTrackBarLayout(p);
  EXPECT_EQ(TrackBarPressPosition(l, l.Thumb.Left + 2, 50, 0, 100, cxtsJump), 50) << "on the thumb's extent";
  EXPECT_EQ(TrackBarPressPosition(l, 20, 50, 0, 100, cxtsNormal), 49);
  EXPECT_EQ(TrackBarPressPosition(l, 180, 50, 0, 100, cxtsNormal), 51);
  EXPECT_EQ(TrackBarPressPosition(l, 7 + 43, 50, 0, 100, cxtsJump), 25);
  EXPECT_EQ(TrackBarPressPosition(l, 195, 50, 0, 100, cxtsJump), 100);
}

TEST(TrackBarMouse, DegenerateTracksAndControlsGiveMinWithoutDividingByZero) {
  // A track shorter than the thumb: 20 wide, 14 inside the ends, thumb 10 or 30 long.
  TcxTrackBarLayoutParams p = Horizontal(20, 76);
  p.AutoSize = false;
  p.ThumbWidth = 30;
  p.Min = 3;
  p.Position = 50;
  TcxTrackBarLayout l = CalcTrackBarLayout(p);
  EXPECT_LE(l.TickOffset, 0);
  EXPECT_EQ(TrackBarPressPosition(l, 200, 50, 3, 100, cxtsJump), 3);
  p.ThumbWidth = 6;  // exactly as long as the track
  l = CalcTrackBarLayout(p);
  EXPECT_EQ(l.TickOffset, 0);
  EXPECT_EQ(TrackBarPressPosition(l, 200, 50, 3, 100, cxtsJump), 3);
  // No room at all: the along span collapses, the layout stays sane.
  l = CalcTrackBarLayout(Horizontal(0, 0));
  EXPECT_GE(l.TrackEnd, l.TrackStart);
  EXPECT_EQ(TrackBarDragPosition(50, 3, 100, 0, 10, 0), 3);
  EXPECT_EQ(TrackBarDragPosition(50, 3, 100, -5, 10, 0), 3);
}

TEST(TrackBarMouse, DragMovesByTheRangePerPixelOfTheControl) {
  EXPECT_EQ(TrackBarDragPosition(50, 0, 100, 200, 120, 100), 60);
  EXPECT_EQ(TrackBarDragPosition(50, 0, 100, 200, 80, 100), 40);
  EXPECT_EQ(TrackBarDragPosition(50, 0, 100, 200, 1000, 100), 100);
  EXPECT_EQ(TrackBarDragPosition(50, 0, 100, 200, -1000, 100), 0);
  EXPECT_EQ(TrackBarDragPosition(0, INT_MIN, INT_MAX, 1, 5, 0), INT_MAX) << "a full-range step does not overflow";
}

}  // namespace
