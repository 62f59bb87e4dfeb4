// The arithmetic of the toolkit's own controls; see cxControls.h.
#include "cxControls.h"

#include <algorithm>
#include <cstdlib>

#include "cxGeometry.h"
#include "dxOffice11.h"

namespace {

// Length along the bar and thickness across it.
int Length(int AWidth, int AHeight, bool AHorizontal) { return AHorizontal ? AWidth : AHeight; }

// A band [AStart, AEnd) along the bar, across its whole thickness.
TRect AlongBar(int AStart, int AEnd, int AWidth, int AHeight, bool AHorizontal) {
  return AHorizontal ? TRect{AStart, 0, AEnd, AHeight} : TRect{0, AStart, AWidth, AEnd};
}

int StartOf(const TRect& R, bool AHorizontal) { return AHorizontal ? R.Left : R.Top; }
int EndOf(const TRect& R, bool AHorizontal) { return AHorizontal ? R.Right : R.Bottom; }

}  // namespace

// --- Scroll-bar geometry ------------------------------------------------------------------

TcxScrollBarRects CalcScrollBarRects(int AWidth, int AHeight, bool AHorizontal, bool AEnabled,
                                     const TcxScrollBarRange& ARange, const TcxScrollBarMetrics& AMetrics) {
  TcxScrollBarRects r;
  const int length = Length(AWidth, AHeight, AHorizontal);
  const int arrow = std::max(0, std::min(AMetrics.ArrowSize, length / 2));
  r.TopLeftArrow = AlongBar(0, arrow, AWidth, AHeight, AHorizontal);
  r.BottomRightArrow = AlongBar(length - arrow, length, AWidth, AHeight, AHorizontal);
  if (!AEnabled) return r;

  const int track = length - 2 * arrow;
  const int range = ARange.Max - ARange.Min;
  int size = 0, offset = 0;
  if (ARange.PageSize > 0) {
    if (track < AMetrics.MinThumbSize || range == 0) return r;
    size = std::min(track, MulDivRounded(ARange.PageSize, track, range + 1));
    size = std::max(size, AMetrics.MinThumbSize);
    // Positions beyond the last full page all show the thumb at the end.
    const int steps = range - ARange.PageSize + 1;
    if (steps > 0) offset = MulDivRounded(track - size, std::min(ARange.Position - ARange.Min, steps), steps);
  } else {
    size = AMetrics.SystemThumbSize;
    if (track < size) return r;
    if (track - size > 0 && range != 0) offset = MulDivRounded(track - size, ARange.Position - ARange.Min, range);
  }
  offset = std::clamp(offset, 0, std::max(0, track - size));
  r.Thumb = AlongBar(arrow + offset, arrow + offset + size, AWidth, AHeight, AHorizontal);
  CalcScrollBarPageRects(r, AWidth, AHeight, AHorizontal);
  return r;
}

void CalcScrollBarPageRects(TcxScrollBarRects& ARects, int AWidth, int AHeight, bool AHorizontal) {
  if (RectHasNoArea(ARects.Thumb)) {
    ARects.PageUp = ARects.PageDown = TRect{};
    return;
  }
  ARects.PageUp = AlongBar(EndOf(ARects.TopLeftArrow, AHorizontal), StartOf(ARects.Thumb, AHorizontal), AWidth,
                           AHeight, AHorizontal);
  ARects.PageDown = AlongBar(EndOf(ARects.Thumb, AHorizontal), StartOf(ARects.BottomRightArrow, AHorizontal), AWidth,
                             AHeight, AHorizontal);
}

int ScrollBarPositionFromThumb(const TcxScrollBarRects& ARects, bool AHorizontal, const TcxScrollBarRange& ARange) {
  const int trackStart = EndOf(ARects.TopLeftArrow, AHorizontal);
  const int track = StartOf(ARects.BottomRightArrow, AHorizontal) - trackStart;
  const int thumb = EndOf(ARects.Thumb, AHorizontal) - StartOf(ARects.Thumb, AHorizontal);
  // A thumb that fills the track leaves nowhere to move: it stands for Min.
  if (track - thumb <= 0) return ARange.Min;
  const int span = ARange.Max - ARange.Min - (ARange.PageSize > 0 ? ARange.PageSize - 1 : 0);
  return ARange.Min + MulDivRounded(span, StartOf(ARects.Thumb, AHorizontal) - trackStart, track - thumb);
}

TcxScrollBarPart HitTestScrollBarPart(const TcxScrollBarRects& ARects, int AWidth, int AHeight, const TPoint& P) {
  if (!PointInRect(TRect{0, 0, AWidth, AHeight}, P)) return sbpNone;
  if (PointInRect(ARects.TopLeftArrow, P)) return sbpLineUp;
  if (PointInRect(ARects.BottomRightArrow, P)) return sbpLineDown;
  if (RectHasNoArea(ARects.Thumb)) return sbpNone;
  if (PointInRect(ARects.Thumb, P)) return sbpThumbnail;
  if (PointInRect(ARects.PageUp, P)) return sbpPageUp;
  if (PointInRect(ARects.PageDown, P)) return sbpPageDown;
  return sbpNone;
}

TRect ScrollBarTrackingBand(int AWidth, int AHeight, bool AHorizontal) {
  const TRect client{0, 0, AWidth, AHeight};
  return AHorizontal ? InflateRectXY(client, 34, 136) : InflateRectXY(client, 136, 34);
}

void MoveScrollBarThumb(TcxScrollBarRects& ARects, int AWidth, int AHeight, bool AHorizontal, int ASavedThumbStart,
                        int ADelta) {
  if (RectHasNoArea(ARects.Thumb)) return;
  const int size = EndOf(ARects.Thumb, AHorizontal) - StartOf(ARects.Thumb, AHorizontal);
  const int first = EndOf(ARects.TopLeftArrow, AHorizontal);
  const int last = std::max(first, StartOf(ARects.BottomRightArrow, AHorizontal) - size);
  const int start = std::clamp(ASavedThumbStart + ADelta, first, last);
  ARects.Thumb = AlongBar(start, start + size, AWidth, AHeight, AHorizontal);
  CalcScrollBarPageRects(ARects, AWidth, AHeight, AHorizontal);
}

int ScrollBarPositionForCode(TcxScrollCode ACode, int ACurrent, int AMin, int AMax, int ASmallChange,
                             int ALargeChange) {
  // In 64 bits: a change added to a position near the end of the range must not wrap.
  std::int64_t pos = ACurrent;
  switch (ACode) {
    case cxscLineUp: pos -= ASmallChange; break;
    case cxscLineDown: pos += ASmallChange; break;
    case cxscPageUp: pos -= ALargeChange; break;
    case cxscPageDown: pos += ALargeChange; break;
    case cxscTop: pos = AMin; break;
    case cxscBottom: pos = AMax; break;
    default: break;
  }
  return int(std::clamp<std::int64_t>(pos, AMin, std::max(AMin, AMax)));
}

bool IsScrollBarRangeValid(int AMin, int AMax, int APageSize) {
  return AMax >= AMin && std::int64_t(AMax) - AMin >= APageSize;
}

// --- What a control hands its bars ---------------------------------------------------------

void SetPendingScrollBarInfo(TcxScrollBarPendingData& AData, int AMin, int AMax, int AStep, int APage, int APos,
                             bool AAllowShow, bool AAllowHide, bool AKindAllowed) {
  AData.AllowHide = AAllowHide;
  AData.AllowShow = AAllowShow && AKindAllowed;
  if (!AData.AllowShow) {
    AData.Visible = false;
    return;
  }
  if (AMax < AMin || APage >= std::int64_t(AMax) - AMin + 1 || APos < AMin) {
    if (AAllowHide) {
      AData.Visible = false;
    } else {
      AData.Visible = true;
      AData.Enabled = false;
    }
    return;
  }
  AData.Min = AMin;
  AData.Max = AMax;
  AData.Position = APos;
  AData.PageSize = APage;
  AData.SmallChange = std::int16_t(AStep);
  AData.LargeChange = std::int16_t(APage);
  AData.Enabled = true;
  AData.Visible = true;
}

bool IsRangeCoveredWithoutOtherBar(const TcxScrollBarPendingData& AData, int AOtherBarThickness) {
  return std::int64_t(AData.PageSize) + AOtherBarThickness >= std::int64_t(AData.Max) - AData.Min + 1;
}

// --- Where a control's bars go ----------------------------------------------------------------

TRect CalcControlClientBounds(const TRect& ABounds, int ABorderSize, bool AHVisible, int AHBarHeight, bool AVVisible,
                              int AVBarWidth) {
  TRect r = InflateRectXY(ABounds, -ABorderSize, -ABorderSize);
  if (AHVisible) r.Bottom -= AHBarHeight;
  if (AVVisible) r.Right -= AVBarWidth;
  return r;
}

TRect CalcHScrollBarBounds(const TRect& AClientBounds, int AHBarHeight) {
  return TRect{AClientBounds.Left, AClientBounds.Bottom, AClientBounds.Right, AClientBounds.Bottom + AHBarHeight};
}

TRect CalcVScrollBarBounds(const TRect& AClientBounds, int AVBarWidth) {
  return TRect{AClientBounds.Right, AClientBounds.Top, AClientBounds.Right + AVBarWidth, AClientBounds.Bottom};
}

TRect CalcSizeGripBounds(const TRect& AClientBounds, int AHBarHeight, int AVBarWidth) {
  return TRect{AClientBounds.Right, AClientBounds.Bottom, AClientBounds.Right + AVBarWidth,
               AClientBounds.Bottom + AHBarHeight};
}

// --- The middle-button pointing loop ------------------------------------------------------------

TcxScrollContentStep CalcScrollContentStep(const TPoint& P, const TPoint& AAnchor, int AImageWidth, bool AHVisible,
                                           bool AVVisible, const TRect& AScreen) {
  const int half = AImageWidth / 2;
  TRect neutral = RectFromBounds(AAnchor.X - half, AAnchor.Y - half, AImageWidth, AImageWidth);
  if (!AHVisible) neutral = SetRectHorzBounds(neutral, AScreen.Left, AScreen.Right);
  if (!AVVisible) neutral = SetRectVertBounds(neutral, AScreen.Top, AScreen.Bottom);
  TcxScrollContentStep step;
  if (PointInRect(neutral, P)) return step;
  step.Outside = true;
  const int dx = P.X - AAnchor.X, dy = P.Y - AAnchor.Y;
  const bool vertical = (AVVisible && !AHVisible) || (AVVisible && AHVisible && std::abs(dx) <= std::abs(dy));
  int distance;
  if (vertical) {
    step.Direction = dy < 0 ? dirUp : dirDown;
    distance = std::abs(dy);
  } else {
    step.Direction = dx < 0 ? dirLeft : dirRight;
    distance = std::abs(dx);
  }
  step.Speed = std::clamp((distance - half) / 5 + 1, 1, 12);
  return step;
}

int ScrollContentCursor(TcxDirection ADirection, bool AHVisible, bool AVVisible) {
  switch (ADirection) {
    case dirLeft: return crcxLeftScroll;
    case dirRight: return crcxRightScroll;
    case dirUp: return crcxUpScroll;
    case dirDown: return crcxDownScroll;
    default: break;
  }
  if (AHVisible && AVVisible) return crcxFullScroll;
  return AHVisible ? crcxHorScroll : crcxVerScroll;
}

bool IsScrollContentTick(int ATickCount, int ASpeed) {
  const int every = 13 - std::clamp(ASpeed, 0, 12);
  return ATickCount % every == 0;
}

TRect DragDeadZone(const TPoint& P, int AThreshold) {
  return TRect{P.X - AThreshold, P.Y - AThreshold, P.X + AThreshold, P.Y + AThreshold};
}

// --- Popups and hints -----------------------------------------------------------------------

namespace {

struct TPopupPlace {
  TPoint P;
  TPoint Reference;  // the owner corner or centre the alignments used
};

TPopupPlace PlacePopup(const TRect& R, const TSize& S, TcxPopupDirection ADirection, TcxPopupAlignHorz AHorz,
                       TcxPopupAlignVert AVert) {
  TPopupPlace place;
  TPoint& p = place.P;
  TPoint& ref = place.Reference;
  if (AHorz == pahCenter) p.X = ref.X = (R.Left + R.Right - S.cx) / 2;
  if (AVert == pavCenter) p.Y = ref.Y = (R.Top + R.Bottom - S.cy) / 2;
  if (ADirection == pdVertical) {
    if (AHorz == pahLeft) p.X = R.Left, ref.X = R.Left;
    if (AHorz == pahRight) p.X = R.Right - S.cx, ref.X = R.Right;
    if (AVert == pavTop) p.Y = R.Top - S.cy, ref.Y = R.Top;
    if (AVert == pavBottom) p.Y = R.Bottom, ref.Y = R.Bottom;
  } else {
    if (AHorz == pahLeft) p.X = R.Left - S.cx, ref.X = R.Left;
    if (AHorz == pahRight) p.X = R.Right, ref.X = R.Right;
    if (AVert == pavTop) p.Y = R.Top, ref.Y = R.Top;
    if (AVert == pavBottom) p.Y = R.Bottom - S.cy, ref.Y = R.Bottom;
  }
  return place;
}

// Placed before the owner but crossing the work area's start without more
// room there, or after it crossing the end with more room before: the
// alignment turns to the other side.
template <class TAlign>
bool FlipOnMainAxis(TAlign& AAlign, TAlign ABefore, TAlign AAfter, int AStart, int ASize, int AOwnerStart,
                    int AOwnerEnd, int AAreaStart, int AAreaEnd) {
  const bool moreRoomBefore = AAreaEnd - AOwnerEnd < AOwnerStart - AAreaStart;
  if (AAlign == ABefore && AStart < AAreaStart && !moreRoomBefore) AAlign = AAfter;
  else if (AAlign == AAfter && AStart + ASize > AAreaEnd && moreRoomBefore) AAlign = ABefore;
  else return false;
  return true;
}

// Moved back to end at AEnd, then forward to start at AStart.
int KeepInside(int AValue, int ASize, int AStart, int AEnd) {
  if (AValue + ASize > AEnd) AValue = AEnd - ASize;
  if (AValue < AStart) AValue = AStart;
  return AValue;
}

}  // namespace

TPoint CalcPopupPosition(const TRect& AOwner, const TSize& ASize, TcxPopupDirection ADirection,
                         TcxPopupAlignHorz AAlignHorz, TcxPopupAlignVert AAlignVert, const TcxWorkAreaFunc& AWorkArea) {
  TPopupPlace place = PlacePopup(AOwner, ASize, ADirection, AAlignHorz, AAlignVert);
  const TRect area = AWorkArea(place.Reference);
  TPoint& p = place.P;
  const bool flipped =
      ADirection == pdVertical
          ? FlipOnMainAxis(AAlignVert, pavTop, pavBottom, p.Y, ASize.cy, AOwner.Top, AOwner.Bottom, area.Top,
                           area.Bottom)
          : FlipOnMainAxis(AAlignHorz, pahLeft, pahRight, p.X, ASize.cx, AOwner.Left, AOwner.Right, area.Left,
                           area.Right);
  if (flipped) p = PlacePopup(AOwner, ASize, ADirection, AAlignHorz, AAlignVert).P;
  if (ADirection == pdVertical || AAlignHorz == pahCenter) p.X = KeepInside(p.X, ASize.cx, area.Left, area.Right);
  if (ADirection == pdHorizontal || AAlignVert == pavCenter) p.Y = KeepInside(p.Y, ASize.cy, area.Top, area.Bottom);
  return p;
}

TPoint KeepInWorkArea(const TPoint& ATopLeft, const TSize& ASize, const TRect& AWorkArea) {
  return TPoint{std::max(std::min(ATopLeft.X, AWorkArea.Right - ASize.cx), AWorkArea.Left),
                std::max(std::min(ATopLeft.Y, AWorkArea.Bottom - ASize.cy), AWorkArea.Top)};
}
