// The track bar's arithmetic, kept apart from any window so it can be checked
// natively: reading a position from an edit value, the keys' and the mouse's
// new positions, and where the band, track, thumb, selection and ticks lie.
// Every position here is already clamped to [Min, Max]; a range whose Min lies
// above Max reads every position as Min.
#pragma once

#include <vector>

#include "Streaming.h"
#include "System.h"
#include "Types.h"

enum TcxTrackBarOrientation { tboHorizontal, tboVertical };
enum TcxTrackBarTickMarks { cxtmBoth, cxtmTopLeft, cxtmBottomRight };
enum TcxTrackBarTickType { tbttTicks, tbttNumbers, tbttValueNumber };
enum TcxTrackBarTextOrientation { tbtoHorizontal, tbtoVertical };
enum TcxTrackBarThumbType { cxttNone, cxttRegular, cxttCustom };
enum TcxTrackBarThumbStep { cxtsNormal, cxtsJump };
VAMIRE_ENUM_NAMES(TcxTrackBarOrientation, L"tboHorizontal", L"tboVertical")
VAMIRE_ENUM_NAMES(TcxTrackBarTickMarks, L"cxtmBoth", L"cxtmTopLeft", L"cxtmBottomRight")
VAMIRE_ENUM_NAMES(TcxTrackBarTickType, L"tbttTicks", L"tbttNumbers", L"tbttValueNumber")
VAMIRE_ENUM_NAMES(TcxTrackBarTextOrientation, L"tbtoHorizontal", L"tbtoVertical")
VAMIRE_ENUM_NAMES(TcxTrackBarThumbType, L"cxttNone", L"cxttRegular", L"cxttCustom")
VAMIRE_ENUM_NAMES(TcxTrackBarThumbStep, L"cxtsNormal", L"cxtsJump")

int ClampTrackBarPosition(long long AValue, int AMin, int AMax);

// A decimal integer text of 32 bits (IsIntegerText) is read; any other text
// ("0x10", "$10", one beyond the integer range) reads as Min.
int TrackBarTextToPosition(const String& AText, int AMin, int AMax);

// The position a key moves to (PageUp, PageDown, End, Home and the arrows);
// AHandled is false for any other key.
int TrackBarKeyPosition(unsigned AKey, int APosition, int AMin, int AMax, int APageSize, bool& AHandled);

// What the layout needs; sizes measured by the control (number texts, a custom
// or themed thumb, the painter's track thickness) come in already measured.
struct TcxTrackBarLayoutParams {
  TRect Bounds;
  bool Horizontal = true;
  int BorderWidth = 0;
  int Min = 0, Max = 10, Position = 0;
  TcxTrackBarTickMarks TickMarks = cxtmBottomRight;
  TcxTrackBarTickType TickType = tbttTicks;
  int TickSize = 3;
  int NumberExtent = 0;       // number types: the text extent across the bar
  bool AutoSize = true;
  int TrackSize = 5;
  int PainterTrackSize = 0;   // the painter's own thickness; 0: none
  bool CustomThumb = false;   // ThumbSize is the custom thumb's (along, across)
  bool NativeThumb = false;   // ThumbSize is the theme's (along, across)
  TSize ThumbSize;
  int ThumbWidth = 7, ThumbHeight = 12;
  int SelectionStart = 0, SelectionEnd = 0;
  bool NativeSelection = false;  // the painter draws the selection inside its track
};

struct TcxTrackBarLayout {
  TRect Bar, Band, Track, Thumb, Selection;
  bool SelectionShown = false;
  int TickAreaTopLeft = 0, TickAreaBottomRight = 0;
  double TickOffset = 0;  // pixels per value
  int TrackStart = 0, TrackEnd = 0, ThumbLength = 0;
};

TcxTrackBarLayout CalcTrackBarLayout(const TcxTrackBarLayoutParams& AParams);

struct TcxTrackBarTick {
  int Value = 0;
  int Pos = 0;         // along the bar, the thumb's centre at that value
  bool IsEnd = false;  // Min or Max: a longer line, always a number
};
// Ticks at Min, Max and every Frequency-th value between; Frequency 0 or less: only the ends.
std::vector<TcxTrackBarTick> CalcTrackBarTicks(const TcxTrackBarLayout& ALayout, int AMin, int AMax, int AFrequency);
int TrackBarTickLength(int ATickSize, bool AIsEnd);

// A press at AAlong (along the bar) beside the thumb. Within the thumb's
// extent nothing moves; a jump on a track no longer than the thumb gives Min.
int TrackBarPressPosition(const TcxTrackBarLayout& ALayout, int AAlong, int APosition, int AMin, int AMax,
                          TcxTrackBarThumbStep AStep);
// The thumb dragged to AAlong on a control AExtent long; a control without
// extent gives Min.
int TrackBarDragPosition(int APosition, int AMin, int AMax, int AExtent, int AAlong, int AThumbCentre);
