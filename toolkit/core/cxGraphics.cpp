#include "cxGraphics.h"

#include <algorithm>

namespace {

// The system's DrawText format flags.
constexpr unsigned dtCenter = 0x0001, dtRight = 0x0002, dtVCenter = 0x0004, dtBottom = 0x0008;
constexpr unsigned dtWordBreak = 0x0010, dtSingleLine = 0x0020, dtExpandTabs = 0x0040, dtNoClip = 0x0100;
constexpr unsigned dtCalcRect = 0x0400, dtNoPrefix = 0x0800, dtEditControl = 0x2000, dtPathEllipsis = 0x4000;
constexpr unsigned dtEndEllipsis = 0x8000, dtNoFullWidthCharBreak = 0x80000;

// Rounds toward minus infinity, so tiles left of or above the origin line up too.
int FloorDiv(int a, int b) {
  int q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

unsigned TextFlagsToDrawTextFlags(TcxTextFlags AFlags) {
  unsigned result = dtNoPrefix;
  if (AFlags & cxAlignRight) result |= dtRight;
  if (AFlags & cxAlignHCenter) result |= dtCenter;
  if (AFlags & cxAlignBottom) result |= dtBottom;
  if (AFlags & cxAlignVCenter) result |= dtVCenter;
  if (AFlags & cxSingleLine) result |= dtSingleLine;
  if (AFlags & cxDontClip) result |= dtNoClip;
  if (AFlags & cxExpandTabs) result |= dtExpandTabs;
  if (AFlags & cxShowPrefix) result &= ~dtNoPrefix;
  if (AFlags & cxWordBreak) {
    result |= dtWordBreak;
    if (!(AFlags & cxDontBreakChars)) result |= dtEditControl;
    else if (AFlags & cxNoFullWidthCharBreak) result |= dtNoFullWidthCharBreak;
  }
  if (AFlags & cxShowEndEllipsis) result |= dtEndEllipsis;
  if (AFlags & cxCalcRect) result |= dtCalcRect;
  if (AFlags & cxShowPathEllipsis) result |= dtPathEllipsis;
  return result;
}

void DeflateRectByMargins(TRect& R, const TRect& M) {
  R.Left += M.Left;
  R.Top += M.Top;
  R.Right -= M.Right;
  R.Bottom -= M.Bottom;
}

TcxBorderBands FrameBorderBands(const TRect& R, int W, TcxBorders ABorders) {
  TcxBorderBands bands;
  if (R.Left >= R.Right || R.Top >= R.Bottom) return bands;
  if (ABorders.Contains(bLeft)) bands.Bands[bands.Count++] = {R.Left, R.Top, std::min(R.Left + W, R.Right), R.Bottom};
  if (ABorders.Contains(bRight)) bands.Bands[bands.Count++] = {std::max(R.Right - W, R.Left), R.Top, R.Right, R.Bottom};
  if (ABorders.Contains(bTop)) bands.Bands[bands.Count++] = {R.Left, R.Top, R.Right, std::min(R.Top + W, R.Bottom)};
  if (ABorders.Contains(bBottom)) bands.Bands[bands.Count++] = {R.Left, std::max(R.Bottom - W, R.Top), R.Right, R.Bottom};
  return bands;
}

TcxBitmapRotation InverseRotation(TcxBitmapRotation ARotation) {
  switch (ARotation) {
    case raMinus90: return raPlus90;
    case raPlus90: return raMinus90;
    default: return ARotation;
  }
}

TRGBColors RotatePixels(const TRGBColors& APixels, int& AWidth, int& AHeight, TcxBitmapRotation ARotation,
                        bool AFlip) {
  const std::size_t W = std::size_t(std::max(AWidth, 0)), H = std::size_t(std::max(AHeight, 0));
  if (APixels.size() < W * H) return APixels;
  TRGBColors result(W * H);
  for (std::size_t y = 0; y < H; ++y)
    for (std::size_t x = 0; x < W; ++x) {
      std::size_t to;
      switch (ARotation) {
        case raMinus90: to = AFlip ? y + x * H : y + (W - 1 - x) * H; break;
        case raPlus90: to = AFlip ? H * (W - x) - y - 1 : H * (x + 1) - y - 1; break;
        case ra180: to = AFlip ? y * W + (W - 1 - x) : (H - 1 - y) * W + (W - 1 - x); break;
        default: to = AFlip ? x + W * (H - 1 - y) : x + W * y; break;
      }
      result[to] = APixels[x + W * y];
    }
  if (ARotation == raMinus90 || ARotation == raPlus90) std::swap(AWidth, AHeight);
  return result;
}

std::vector<TcxBitmapTile> BitmapTiles(const TRect& R, int W, int H) {
  std::vector<TcxBitmapTile> tiles;
  if (W <= 0 || H <= 0 || R.Left >= R.Right || R.Top >= R.Bottom) return tiles;
  // The last column or row is the one holding the last pixel of R, so a right
  // or bottom edge on a multiple of the size adds nothing beyond it.
  const int firstColumn = FloorDiv(R.Left, W), lastColumn = FloorDiv(R.Right - 1, W);
  const int firstRow = FloorDiv(R.Top, H), lastRow = FloorDiv(R.Bottom - 1, H);
  for (int i = firstColumn; i <= lastColumn; ++i)
    for (int j = firstRow; j <= lastRow; ++j) {
      const int left = i * W, top = j * H;
      TcxBitmapTile tile;
      tile.Dest = {std::max(left, R.Left), std::max(top, R.Top), std::min(left + W, R.Right), std::min(top + H, R.Bottom)};
      tile.Source = {tile.Dest.Left - left, tile.Dest.Top - top};
      tiles.push_back(tile);
    }
  return tiles;
}
