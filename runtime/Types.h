// Plain geometry records shared by the runtime and the toolkit. Their layout is
// that of the platform's RECT, POINT and SIZE, so they pass to Win32 as they are.
#pragma once

#include <cstdint>

struct TPoint {
  std::int32_t X = 0, Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
  std::int32_t cx = 0, cy = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

// Right and Bottom are exclusive.
struct TRect {
  std::int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  TPoint TopLeft() const { return {Left, Top}; }
  TPoint BottomRight() const { return {Right, Bottom}; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

static_assert(sizeof(TRect) == 16 && sizeof(TPoint) == 8 && sizeof(TSize) == 8);
