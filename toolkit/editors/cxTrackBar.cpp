#include "cxTrackBar.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "cxExtEditUtils.h"

namespace {

// Keys by their virtual-key numbers, so the arithmetic needs no Win32 header.
constexpr unsigned kPageUp = 0x21, kPageDown = 0x22, kEnd = 0x23, kHome = 0x24;
constexpr unsigned kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28;

int RoundToInt(double V) { return static_cast<int>(std::lround(V)); }

}  // namespace

int ClampTrackBarPosition(long long AValue, int AMin, int AMax) {
  if (AMax <= AMin) return AMin;
  return static_cast<int>(std::clamp<long long>(AValue, AMin, AMax));
}

int TrackBarTextToPosition(const String& AText, int AMin, int AMax) {
  // Only a decimal text of 32 bits is a number here, so ExtractInteger cannot fail.
  if (!IsIntegerText(AText)) return ClampTrackBarPosition(AMin, AMin, AMax);
  return ClampTrackBarPosition(ExtractInteger(AText, false), AMin, AMax);
}

int TrackBarKeyPosition(unsigned AKey, int APosition, int AMin, int AMax, int APageSize, bool& AHandled) {
  AHandled = true;
  const long long p = ClampTrackBarPosition(APosition, AMin, AMax);
  switch (AKey) {
    case kPageUp: return ClampTrackBarPosition(p - APageSize, AMin, AMax);
    case kPageDown: return ClampTrackBarPosition(p + APageSize, AMin, AMax);
    case kEnd: return ClampTrackBarPosition(AMax, AMin, AMax);
    case kHome: return AMin;
    case kLeft: case kUp: return ClampTrackBarPosition(p - 1, AMin, AMax);
    case kRight: case kDown: return ClampTrackBarPosition(p + 1, AMin, AMax);
    default: AHandled = false; return static_cast<int>(p);
  }
}

namespace {

// Along and across the bar, whatever its orientation.
struct TSpan { int Start = 0, End = 0; };

TRect MakeRect(bool AHorizontal, TSpan AAlong, TSpan AAcross) {
  return AHorizontal ? TRect{AAlong.Start, AAcross.Start, AAlong.End, AAcross.End}
                     : TRect{AAcross.Start, AAlong.Start, AAcross.End, AAlong.End};
}

int TickArea(const TcxTrackBarLayoutParams& P, bool AShown, int ABorder) {
  int size = 0;
  if (AShown) size = P.TickType == tbttTicks ? P.TickSize + 1 : P.NumberExtent;
  return ABorder == 0 ? size + 1 : size;
}

}  // namespace

TcxTrackBarLayout CalcTrackBarLayout(const TcxTrackBarLayoutParams& P) {
  TcxTrackBarLayout L;
  const bool h = P.Horizontal;
  L.Bar = P.Bounds;
  const int width = L.Bar.Right - L.Bar.Left, height = L.Bar.Bottom - L.Bar.Top;
  const int b = std::max(0, std::min({P.BorderWidth, width / 2, height / 2}));
  L.TickAreaTopLeft = TickArea(P, P.TickMarks != cxtmBottomRight, b);
  L.TickAreaBottomRight = TickArea(P, P.TickMarks != cxtmTopLeft, b);
  const TSpan along{h ? L.Bar.Left : L.Bar.Top, h ? L.Bar.Right : L.Bar.Bottom};
  const int acrossStart = h ? L.Bar.Top : L.Bar.Left;
  const int s = (h ? height : width) - L.TickAreaTopLeft - L.TickAreaBottomRight;
  int t = std::clamp(s, 10, 21);
  if (P.CustomThumb) t = std::max(t, P.ThumbSize.cy);
  const TSpan bandAcross{(s - t) / 2 + acrossStart + L.TickAreaTopLeft, 0};
  const TSpan bandAlong{along.Start + b + 7, std::max(along.Start + b + 7, along.End - b - 7)};
  L.Band = MakeRect(h, bandAlong, {bandAcross.Start, bandAcross.Start + t});

  int track = P.PainterTrackSize > 0 ? P.PainterTrackSize : P.AutoSize ? t / 2 : P.TrackSize;
  track = std::max(track, 0);
  const TSpan trackAcross{bandAcross.Start + (t - track) / 2, bandAcross.Start + (t - track) / 2 + track};
  L.Track = MakeRect(h, bandAlong, trackAcross);
  L.TrackStart = bandAlong.Start;
  L.TrackEnd = bandAlong.End;

  TSize thumb;  // cx along, cy across
  if (P.CustomThumb) thumb = P.ThumbSize;
  else if (P.NativeThumb) thumb = {P.ThumbSize.cx, std::min(P.ThumbSize.cy, t)};
  else if (P.AutoSize) thumb = {track + (track & 1), 2 * track};
  else thumb = {P.ThumbWidth, P.ThumbHeight};
  L.ThumbLength = thumb.cx;
  const int range = std::max(P.Max - P.Min, 1);
  L.TickOffset = double(L.TrackEnd - L.TrackStart - thumb.cx) / range;
  const int position = ClampTrackBarPosition(P.Position, P.Min, P.Max);
  const int thumbStart = L.TrackStart + RoundToInt((position - P.Min) * L.TickOffset);
  const int centre = trackAcross.Start + track / 2;
  L.Thumb = MakeRect(h, {thumbStart, thumbStart + thumb.cx}, {centre - thumb.cy / 2, centre - thumb.cy / 2 + thumb.cy});

  const int selStart = ClampTrackBarPosition(P.SelectionStart, P.Min, P.Max);
  const int selEnd = ClampTrackBarPosition(P.SelectionEnd, P.Min, P.Max);
  L.SelectionShown = selStart < selEnd;
  if (L.SelectionShown) {
    const int half = thumb.cx / 2;
    const TSpan selAlong{int((selStart - P.Min) * L.TickOffset + L.TrackStart) + half,
                         int((selEnd - P.Min) * L.TickOffset + L.TrackStart) + half + 1};
    const TSpan selAcross = P.NativeSelection ? trackAcross
                                              : TSpan{trackAcross.Start + 2, trackAcross.End - (h ? 1 : 2)};
    L.Selection = MakeRect(h, selAlong, selAcross);
  }
  return L;
}

std::vector<TcxTrackBarTick> CalcTrackBarTicks(const TcxTrackBarLayout& L, int AMin, int AMax, int AFrequency) {
  std::vector<TcxTrackBarTick> ticks;
  const long long last = std::max(AMin, AMax);
  auto add = [&](long long v) {
    ticks.push_back({int(v), L.TrackStart + RoundToInt((v - AMin) * L.TickOffset) + L.ThumbLength / 2,
                     v == AMin || v == last});
  };
  add(AMin);
  if (AFrequency > 0)
    for (long long v = (long long)AMin + AFrequency; v < last; v += AFrequency) add(v);
  if (last != AMin) add(last);
  return ticks;
}

int TrackBarTickLength(int ATickSize, bool AIsEnd) { return AIsEnd ? ATickSize + ATickSize / 2 : ATickSize; }

int TrackBarPressPosition(const TcxTrackBarLayout& L, int AAlong, int APosition, int AMin, int AMax,
                          TcxTrackBarThumbStep AStep) {
  const int position = ClampTrackBarPosition(APosition, AMin, AMax);
  const int thumbStart = L.TrackStart + RoundToInt((position - AMin) * L.TickOffset);
  if (AAlong >= thumbStart && AAlong < thumbStart + L.ThumbLength) return position;
  if (AStep == cxtsJump) {
    // A track no longer than the thumb has no room to move in.
    if (L.TickOffset <= 0) return ClampTrackBarPosition(AMin, AMin, AMax);
    return ClampTrackBarPosition(static_cast<long long>((AAlong - L.TrackStart) / L.TickOffset) + AMin, AMin, AMax);
  }
  return ClampTrackBarPosition((long long)position + (AAlong < thumbStart ? -1 : 1), AMin, AMax);
}

int TrackBarDragPosition(int APosition, int AMin, int AMax, int AExtent, int AAlong, int AThumbCentre) {
  if (AExtent <= 0) return ClampTrackBarPosition(AMin, AMin, AMax);
  const double step = double((long long)AMax - AMin) / AExtent * (AAlong - AThumbCentre);
  return ClampTrackBarPosition((long long)APosition + std::llround(step), AMin, AMax);
}
