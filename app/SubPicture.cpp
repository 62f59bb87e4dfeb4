#include "SubPicture.h"

#include <algorithm>
#include <cmath>

int RoundHalfUp(double value) { return int(std::floor(value + 0.5)); }

int RoundHalfDown(double value) { return int(std::ceil(value - 0.5)); }

namespace {

const int PixelsPerPanel = 100;
const int RoamingPanelLimit = 5;
const int RoamingFixedSide = 400;
const int VariantSideCap = 500;
// TForm12's locked height of 100 or more is taken down by this much first,
// so its largest locked rectangle is 94 x 94.
const int RoamingLockTrim = 6;
const int LockThreshold = 100;

// One side of a resize: below the minimum it is the minimum, above the
// maximum the maximum, otherwise it ends inside the preview.
int ClipSide(int value, int minimum, int maximum, int start, int extent) {
  if (value < minimum) return minimum;
  if (value > maximum) return maximum;
  return std::min(value, extent - start);
}

// One coordinate of a move: never 0 or below, never past the far edge.
int ClipPlace(int value, int size, int extent) {
  if (value <= 0) value = 1;
  return std::min(value, extent - size);
}

}  // namespace

TPreviewLayout PreviewLayout(TSubPictureKind kind, int rows, int columns) {
  if (kind == TSubPictureKind::Roaming) {
    if (rows <= RoamingPanelLimit && columns <= RoamingPanelLimit)
      return {columns * PixelsPerPanel, rows * PixelsPerPanel, true};
    return {RoamingFixedSide, RoamingFixedSide, false};
  }
  return {std::min(columns * PixelsPerPanel, VariantSideCap), std::min(rows * PixelsPerPanel, VariantSideCap), true};
}

TSubRect StartRect(TSubPictureKind kind) {
  return kind == TSubPictureKind::Roaming ? TSubRect{1, 1, 40, 40} : TSubRect{1, 1, 20, 20};
}

TSubLimits SubLimits(TSubPictureKind kind, int panelWidth, int panelHeight) {
  if (kind == TSubPictureKind::Roaming) return {40, 40, 94, 100};
  return {20, 20, panelWidth, panelHeight};
}

void TSubPictureDrag::Press(TSubDragMode mode, int x, int y, const TSubRect& rect) {
  FMode = mode;
  FPressX = x;
  FPressY = y;
  FAtPress = rect;
}

TSubRect TSubPictureDrag::MoveTo(int x, int y, const TSubRect& rect, TSubPictureKind kind, const TSubLimits& limits,
                                 bool scaleLock, int imageWidth, int imageHeight) const {
  TSubRect r = rect;
  if (FMode == TSubDragMode::Move) {
    r.Left = ClipPlace(FAtPress.Left + x - FPressX, r.Width, imageWidth);
    r.Top = ClipPlace(FAtPress.Top + y - FPressY, r.Height, imageHeight);
  } else if (FMode == TSubDragMode::Resize) {
    r.Height = ClipSide(FAtPress.Height + y - FPressY, limits.MinHeight, limits.MaxHeight, r.Top, imageHeight);
    if (!scaleLock) {
      r.Width = ClipSide(FAtPress.Width + x - FPressX, limits.MinWidth, limits.MaxWidth, r.Left, imageWidth);
    } else if (kind == TSubPictureKind::Roaming) {
      if (r.Height >= LockThreshold) r.Height -= RoamingLockTrim;
      r.Width = r.Height;
    } else if (r.Height < LockThreshold) {
      r.Width = r.Height;
    } else {
      r.Height = r.Width;
    }
  }
  return r;
}

TSubDragMode TSubPictureDrag::Release() {
  const TSubDragMode mode = FMode;
  FMode = TSubDragMode::None;
  return mode;
}

TSubWallValues MoveValues(const TSubRect& rect) {
  return {rect.Left == 1 ? 0 : RoundHalfUp(rect.Left / 2.0), RoundHalfDown(rect.Top / 2.0)};
}

TSubWallValues SizeValues(const TSubRect& rect) {
  return {RoundHalfDown(rect.Width / 2.0), RoundHalfDown(rect.Height / 2.0)};
}
