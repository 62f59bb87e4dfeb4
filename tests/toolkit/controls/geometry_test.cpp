// The arithmetic of the toolkit's own controls without a window: scroll-bar
// parts for ranges, page sizes and tiny tracks, the position a thumb stands
// for (a thumb filling its track stands for Min), hit tests, thumb dragging,
// scroll codes, the pending values a control hands its bars, the bars'
// places, the pointing loop's directions and speeds, and popup placing.
#include <gtest/gtest.h>

#include <map>

#include "cxControls.h"

namespace {

// A horizontal bar as the system draws one: 17-pixel arrows and thumb, and the painters' smallest thumb of 8.
const TcxScrollBarMetrics kMetrics{17, 17, 8};

TEST(ScrollBarGeometryTest, PartsForRangesPageSizesAndTracks) {
  struct TCase {
    const char* What;
    int Width, Height;
    bool Horizontal, Enabled;
    TcxScrollBarRange Range;
    TRect Thumb;
    TRect PageUp, PageDown;
  };
  // The 121-pixel bar has arrows of 17 and a track of 87 between them.
  const TCase cases[] = {
      {"no page: system thumb at the start", 121, 17, true, true, {0, 100, 0, 0},
       {17, 0, 34, 17}, {17, 0, 17, 17}, {34, 0, 104, 17}},
      {"no page: halfway", 121, 17, true, true, {0, 100, 50, 0}, {52, 0, 69, 17}, {17, 0, 52, 17}, {69, 0, 104, 17}},
      {"no page: at the end", 121, 17, true, true, {0, 100, 100, 0},
       {87, 0, 104, 17}, {17, 0, 87, 17}, {104, 0, 104, 17}},
      {"no page: a range below zero", 121, 17, true, true, {-50, 50, 0, 0},
       {52, 0, 69, 17}, {17, 0, 52, 17}, {69, 0, 104, 17}},
      {"page of 10 in 100: thumb of 9", 121, 17, true, true, {0, 99, 45, 10},
       {56, 0, 65, 17}, {17, 0, 56, 17}, {65, 0, 104, 17}},
      {"page: the last full page ends the track", 121, 17, true, true, {0, 99, 90, 10},
       {95, 0, 104, 17}, {17, 0, 95, 17}, {104, 0, 104, 17}},
      {"page: positions past the last page stay at the end", 121, 17, true, true, {0, 99, 99, 10},
       {95, 0, 104, 17}, {17, 0, 95, 17}, {104, 0, 104, 17}},
      {"page: a tiny page still gets the smallest thumb", 121, 17, true, true, {0, 10000, 0, 1},
       {17, 0, 25, 17}, {17, 0, 17, 17}, {25, 0, 104, 17}},
      {"page: one page holds the range but one step", 121, 17, true, true, {0, 1000, 0, 1000},
       {17, 0, 104, 17}, {17, 0, 17, 17}, {104, 0, 104, 17}},
      {"vertical", 17, 121, false, true, {0, 99, 45, 10}, {0, 56, 17, 65}, {0, 17, 17, 56}, {0, 65, 17, 104}},
      {"disabled: no thumb", 121, 17, true, false, {0, 100, 50, 0}, {}, {}, {}},
      {"paged empty range: no thumb", 121, 17, true, true, {5, 5, 5, 1}, {}, {}, {}},
      {"track shorter than the smallest thumb", 40, 17, true, true, {0, 100, 0, 10}, {}, {}, {}},
      {"track shorter than the system thumb", 40, 17, true, true, {0, 100, 0, 0}, {}, {}, {}},
      {"no track at all", 20, 17, true, true, {0, 100, 0, 0}, {}, {}, {}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    const TcxScrollBarRects r = CalcScrollBarRects(c.Width, c.Height, c.Horizontal, c.Enabled, c.Range, kMetrics);
    EXPECT_EQ(r.Thumb, c.Thumb);
    EXPECT_EQ(r.PageUp, c.PageUp);
    EXPECT_EQ(r.PageDown, c.PageDown);
  }
}

TEST(ScrollBarGeometryTest, ArrowsAreAsLongAsTheBarIsThickButAtMostHalfOfIt) {
  TcxScrollBarRects r = CalcScrollBarRects(121, 17, true, true, {}, kMetrics);
  EXPECT_EQ(r.TopLeftArrow, (TRect{0, 0, 17, 17}));
  EXPECT_EQ(r.BottomRightArrow, (TRect{104, 0, 121, 17}));
  r = CalcScrollBarRects(17, 121, false, true, {}, kMetrics);
  EXPECT_EQ(r.TopLeftArrow, (TRect{0, 0, 17, 17}));
  EXPECT_EQ(r.BottomRightArrow, (TRect{0, 104, 17, 121}));
  r = CalcScrollBarRects(21, 17, true, true, {}, kMetrics);
  EXPECT_EQ(r.TopLeftArrow, (TRect{0, 0, 10, 17}));
  EXPECT_EQ(r.BottomRightArrow, (TRect{11, 0, 21, 17}));
}

TEST(ScrollBarGeometryTest, TheThumbStandsForThePositionItWasDrawnFor) {
  for (const TcxScrollBarRange range : {TcxScrollBarRange{0, 99, 45, 10}, TcxScrollBarRange{0, 99, 90, 10},
                                        TcxScrollBarRange{0, 100, 50, 0}, TcxScrollBarRange{-50, 50, 0, 0},
                                        TcxScrollBarRange{0, 100, 100, 0}, TcxScrollBarRange{0, 87, 29, 0}}) {
    SCOPED_TRACE(range.Position);
    const TcxScrollBarRects r = CalcScrollBarRects(121, 17, true, true, range, kMetrics);
    EXPECT_EQ(ScrollBarPositionFromThumb(r, true, range), range.Position);
  }
}

TEST(ScrollBarGeometryTest, AThumbFillingItsTrackStandsForMin) {
  for (const int min : {0, 5, -20}) {
    const TcxScrollBarRange range{min, min + 1000, min, 1000};
    const TcxScrollBarRects r = CalcScrollBarRects(121, 17, true, true, range, kMetrics);
    ASSERT_EQ(r.Thumb, (TRect{17, 0, 104, 17})) << "the thumb fills the track";
    EXPECT_EQ(ScrollBarPositionFromThumb(r, true, range), min);
  }
  // The same with no track at all.
  TcxScrollBarRects none = CalcScrollBarRects(20, 17, true, true, {3, 10, 3, 0}, kMetrics);
  EXPECT_EQ(ScrollBarPositionFromThumb(none, true, {3, 10, 3, 0}), 3);
}

TEST(ScrollBarGeometryTest, HitTestsFindEachPartAndNothingOutside) {
  const TcxScrollBarRects r = CalcScrollBarRects(121, 17, true, true, {0, 99, 45, 10}, kMetrics);
  const TcxScrollBarRects bare = CalcScrollBarRects(40, 17, true, true, {0, 99, 45, 10}, kMetrics);
  struct TCase {
    const TcxScrollBarRects* Rects;
    int Width;
    TPoint P;
    TcxScrollBarPart Part;
  };
  const TCase cases[] = {
      {&r, 121, {5, 5}, sbpLineUp},       {&r, 121, {110, 5}, sbpLineDown}, {&r, 121, {60, 5}, sbpThumbnail},
      {&r, 121, {30, 5}, sbpPageUp},      {&r, 121, {80, 5}, sbpPageDown},  {&r, 121, {-1, 5}, sbpNone},
      {&r, 121, {121, 5}, sbpNone},       {&r, 121, {60, 17}, sbpNone},     {&bare, 40, {20, 5}, sbpNone},
      {&bare, 40, {2, 2}, sbpLineUp},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.P.X << "," << c.P.Y);
    EXPECT_EQ(HitTestScrollBarPart(*c.Rects, c.Width, 17, c.P), c.Part);
  }
}

TEST(ScrollBarGeometryTest, ADraggedThumbStaysBetweenTheArrowsAndCarriesThePageAreas) {
  const TcxScrollBarRange range{0, 99, 45, 10};
  TcxScrollBarRects r = CalcScrollBarRects(121, 17, true, true, range, kMetrics);
  MoveScrollBarThumb(r, 121, 17, true, 56, 20);
  EXPECT_EQ(r.Thumb, (TRect{76, 0, 85, 17}));
  EXPECT_EQ(r.PageUp, (TRect{17, 0, 76, 17}));
  EXPECT_EQ(r.PageDown, (TRect{85, 0, 104, 17}));
  MoveScrollBarThumb(r, 121, 17, true, 56, 500);
  EXPECT_EQ(r.Thumb, (TRect{95, 0, 104, 17}));
  EXPECT_EQ(ScrollBarPositionFromThumb(r, true, range), 90);
  MoveScrollBarThumb(r, 121, 17, true, 56, -500);
  EXPECT_EQ(r.Thumb, (TRect{17, 0, 26, 17}));
  EXPECT_EQ(ScrollBarPositionFromThumb(r, true, range), 0);
  // The band the mouse may leave the bar by while dragging.
  EXPECT_EQ(ScrollBarTrackingBand(121, 17, true), (TRect{-34, -136, 155, 153}));
  EXPECT_EQ(ScrollBarTrackingBand(17, 121, false), (TRect{-136, -34, 153, 155}));
}

TEST(ScrollBarGeometryTest, ScrollCodesMoveWithinTheRange) {
  struct TCase {
    TcxScrollCode Code;
    int Current, Expected;
  };
  const TCase cases[] = {
      {cxscLineUp, 50, 48},   {cxscLineDown, 50, 52},  {cxscPageUp, 50, 40},     {cxscPageDown, 50, 60},
      {cxscLineUp, 1, 0},     {cxscPageDown, 95, 100}, {cxscTop, 50, 0},         {cxscBottom, 50, 100},
      {cxscTrack, 50, 50},    {cxscPosition, 50, 50},  {cxscEndScroll, 50, 50},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(int(c.Code));
    EXPECT_EQ(ScrollBarPositionForCode(c.Code, c.Current, 0, 100, 2, 10), c.Expected);
  }
  EXPECT_EQ(ScrollBarPositionForCode(cxscPageDown, 2147483600, 0, 2147483647, 1, 30000), 2147483647)
      << "no wrap near the end of the integers";
  EXPECT_TRUE(IsScrollBarRangeValid(0, 100, 100));
  EXPECT_FALSE(IsScrollBarRangeValid(0, 100, 101));
  EXPECT_FALSE(IsScrollBarRangeValid(5, 4, 0));
  EXPECT_TRUE(IsScrollBarRangeValid(7, 7, 0));
}

TEST(ScrollBarPendingDataTest, ABarShowsEnabledHiddenOrDisabledAsItsValuesSay) {
  const TcxScrollBarPendingData before{1, 9, 3, 2, 1, 2, true, true, false, false};
  struct TCase {
    const char* What;
    int Min, Max, Step, Page, Pos;
    bool AllowShow, AllowHide, KindAllowed;
    bool Visible, Enabled;
    bool TakesValues;
  };
  const TCase cases[] = {
      {"something to scroll", 0, 100, 1, 10, 5, true, true, true, true, true, true},
      {"not allowed to show", 0, 100, 1, 10, 5, false, true, true, false, true, false},
      {"not in the control's scroll-bar setting", 0, 100, 1, 10, 5, true, true, false, false, true, false},
      {"page holds the range, may hide", 0, 9, 1, 10, 0, true, true, true, false, true, false},
      {"page holds the range, may not hide", 0, 9, 1, 10, 0, true, false, true, true, false, false},
      {"max below min", 5, 4, 1, 0, 5, true, false, true, true, false, false},
      {"position below min", 5, 40, 1, 2, 4, true, true, true, false, true, false},
      {"page one less than the range", 0, 9, 1, 9, 0, true, true, true, true, true, true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    TcxScrollBarPendingData d = before;
    SetPendingScrollBarInfo(d, c.Min, c.Max, c.Step, c.Page, c.Pos, c.AllowShow, c.AllowHide, c.KindAllowed);
    EXPECT_EQ(d.Visible, c.Visible);
    EXPECT_EQ(d.Enabled, c.Enabled);
    EXPECT_EQ(d.AllowHide, c.AllowHide);
    EXPECT_EQ(d.AllowShow, c.AllowShow && c.KindAllowed);
    if (c.TakesValues) {
      EXPECT_EQ(d.Min, c.Min);
      EXPECT_EQ(d.Max, c.Max);
      EXPECT_EQ(d.Position, c.Pos);
      EXPECT_EQ(d.PageSize, c.Page);
      EXPECT_EQ(d.SmallChange, c.Step);
      EXPECT_EQ(d.LargeChange, c.Page);
    } else {
      EXPECT_EQ(d.Min, before.Min);
      EXPECT_EQ(d.Max, before.Max);
      EXPECT_EQ(d.Position, before.Position);
      EXPECT_EQ(d.PageSize, before.PageSize);
    }
  }
  // A pixel-scrolled bar whose range the page and the other bar's room cover.
  TcxScrollBarPendingData d;
  SetPendingScrollBarInfo(d, 0, 299, 1, 283, 0, true, true, true);
  EXPECT_TRUE(IsRangeCoveredWithoutOtherBar(d, 17));
  EXPECT_FALSE(IsRangeCoveredWithoutOtherBar(d, 16));
}

TEST(ControlLayoutTest, BarsAndGripTakeTheirStripsOfTheBounds) {
  const TRect bounds{0, 0, 400, 300};
  EXPECT_EQ(CalcControlClientBounds(bounds, 0, false, 17, false, 17), bounds);
  EXPECT_EQ(CalcControlClientBounds(bounds, 2, false, 17, false, 17), (TRect{2, 2, 398, 298}));
  const TRect client = CalcControlClientBounds(bounds, 2, true, 17, true, 16);
  EXPECT_EQ(client, (TRect{2, 2, 382, 281}));
  EXPECT_EQ(CalcHScrollBarBounds(client, 17), (TRect{2, 281, 382, 298}));
  EXPECT_EQ(CalcVScrollBarBounds(client, 16), (TRect{382, 2, 398, 281}));
  EXPECT_EQ(CalcSizeGripBounds(client, 17, 16), (TRect{382, 281, 398, 298}));
}

TEST(ScrollContentTest, ThePointerOffsetGivesDirectionAndSpeed) {
  const TPoint anchor{500, 500};
  const TRect screen{0, 0, 1280, 1024};
  struct TCase {
    const char* What;
    TPoint P;
    bool H, V;
    TcxDirection Direction;
    int Speed;
  };
  // The anchor image is 28 wide: the neutral square is (486, 486, 514, 514).
  const TCase cases[] = {
      {"inside the neutral square", {510, 505}, true, true, dirNone, 0},
      {"just below it", {500, 514}, true, true, dirDown, 1},
      {"down", {500, 560}, true, true, dirDown, 10},
      {"up", {500, 440}, true, true, dirUp, 10},
      {"a tie counts as vertical", {560, 560}, true, true, dirDown, 10},
      {"left at top speed", {430, 500}, true, true, dirLeft, 12},
      {"half the image plus 55 gives the top speed", {569, 500}, true, true, dirRight, 12},
      {"half the image plus 54 does not", {568, 500}, true, true, dirRight, 11},
      {"vertical bar only: sideways stays neutral", {1200, 505}, false, true, dirNone, 0},
      {"vertical bar only: always vertical", {900, 560}, false, true, dirDown, 10},
      {"horizontal bar only: up and down stay neutral", {505, 1000}, true, false, dirNone, 0},
      {"horizontal bar only: always horizontal", {560, 900}, true, false, dirRight, 10},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    const TcxScrollContentStep s = CalcScrollContentStep(c.P, anchor, 28, c.H, c.V, screen);
    EXPECT_EQ(s.Direction, c.Direction);
    EXPECT_EQ(s.Speed, c.Speed);
    EXPECT_EQ(s.Outside, c.Direction != dirNone);
  }
}

TEST(ScrollContentTest, CursorsAndTicksFollowDirectionAndSpeed) {
  EXPECT_EQ(ScrollContentCursor(dirLeft, true, true), 2107);
  EXPECT_EQ(ScrollContentCursor(dirRight, true, true), 2105);
  EXPECT_EQ(ScrollContentCursor(dirUp, true, true), 2104);
  EXPECT_EQ(ScrollContentCursor(dirDown, true, true), 2106);
  EXPECT_EQ(ScrollContentCursor(dirNone, true, true), 2101);
  EXPECT_EQ(ScrollContentCursor(dirNone, true, false), 2102);
  EXPECT_EQ(ScrollContentCursor(dirNone, false, true), 2103);
  auto ticks = [](int speed) {
    int n = 0;
    for (int t = 1; t <= 24; ++t) n += IsScrollContentTick(t, speed);
    return n;
  };
  EXPECT_EQ(ticks(1), 2) << "every 12th tick: every 240 ms";
  EXPECT_EQ(ticks(12), 24) << "every tick: every 20 ms";
  EXPECT_EQ(ticks(7), 4);
  EXPECT_EQ(DragDeadZone(TPoint{100, 50}, 5), (TRect{95, 45, 105, 55}));
}

TEST(PopupPositionTest, PopupsOpenWhereThereIsRoomAndStayOnTheirMonitor) {
  // Two monitors side by side: work areas (0, 0, 1000, 800) and (1000, 0, 2000, 600).
  const TcxWorkAreaFunc areas = [](const TPoint& P) {
    return P.X < 1000 ? TRect{0, 0, 1000, 800} : TRect{1000, 0, 2000, 600};
  };
  struct TCase {
    const char* What;
    TRect Owner;
    TSize Size;
    TcxPopupDirection Direction;
    TcxPopupAlignHorz Horz;
    TcxPopupAlignVert Vert;
    TPoint Expected;
  };
  const TCase cases[] = {
      {"below an edit", {100, 300, 200, 320}, {150, 200}, pdVertical, pahLeft, pavBottom, {100, 320}},
      {"near the bottom it opens above", {100, 700, 200, 720}, {150, 200}, pdVertical, pahLeft, pavBottom, {100, 500}},
      {"with less room above it stays below", {100, 200, 200, 220}, {150, 700}, pdVertical, pahLeft, pavBottom,
       {100, 220}},
      {"near the right edge it moves left", {950, 100, 990, 120}, {150, 100}, pdVertical, pahLeft, pavBottom,
       {850, 120}},
      {"above, with no room there, it opens below", {100, 50, 200, 70}, {100, 100}, pdVertical, pahLeft, pavTop,
       {100, 70}},
      {"right-aligned below", {300, 100, 400, 120}, {150, 100}, pdVertical, pahRight, pavBottom, {250, 120}},
      {"centred and kept inside", {0, 100, 40, 120}, {100, 50}, pdVertical, pahCenter, pavBottom, {0, 120}},
      {"beside, flipped to the left", {900, 100, 950, 120}, {200, 50}, pdHorizontal, pahRight, pavBottom, {700, 70}},
      {"beside, on the right", {100, 100, 150, 120}, {200, 50}, pdHorizontal, pahRight, pavTop, {150, 100}},
      {"beside, kept inside vertically", {100, 780, 150, 790}, {200, 50}, pdHorizontal, pahRight, pavTop, {150, 750}},
      {"the left corner's monitor", {990, 500, 1010, 520}, {100, 100}, pdVertical, pahLeft, pavBottom, {900, 520}},
      {"the right corner's monitor", {990, 500, 1010, 520}, {100, 100}, pdVertical, pahRight, pavBottom,
       {1000, 400}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    EXPECT_EQ(CalcPopupPosition(c.Owner, c.Size, c.Direction, c.Horz, c.Vert, areas), c.Expected);
  }
}

TEST(PopupPositionTest, HintsStayInsideTheWorkArea) {
  const TRect area{0, 0, 1280, 1024};
  EXPECT_EQ(KeepInWorkArea({100, 100}, {100, 50}, area), (TPoint{100, 100}));
  EXPECT_EQ(KeepInWorkArea({1250, 1000}, {100, 50}, area), (TPoint{1180, 974}));
  EXPECT_EQ(KeepInWorkArea({-20, -5}, {100, 50}, area), (TPoint{0, 0}));
  EXPECT_EQ(KeepInWorkArea({300, 10}, {2000, 50}, area), (TPoint{0, 10})) << "the left edge wins";
}

}  // namespace
