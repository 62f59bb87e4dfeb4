// 32-bit pixel access to bitmaps through device-independent transfers.
#include <algorithm>
#include <cstring>

#include "dxCore_win.h"

namespace {

BITMAPINFO PixelInfo(int width, int height, bool topDown) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = topDown ? -height : height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// A memory device context compatible with the screen, for one transfer.
class TTransferDC {
 public:
  TTransferDC() : FDC(CreateCompatibleDC(nullptr)) {}
  ~TTransferDC() {
    if (FDC) DeleteDC(FDC);
  }
  TTransferDC(const TTransferDC&) = delete;
  TTransferDC& operator=(const TTransferDC&) = delete;
  HDC Handle() const { return FDC; }

 private:
  HDC FDC;
};

// A 32-bit DIB's rows copied straight from or to its bits: no device context
// is made, and the bitmap keeps its own canvas.
bool CopyDibRows(TBitmap* ABitmap, TRGBQuad* AColors, bool ATopDownOrder, bool AWrite) {
  if (ABitmap->PixelFormat() != pf32bit) return false;
  const int width = ABitmap->Width(), height = ABitmap->Height();
  const std::size_t rowBytes = std::size_t(width) * sizeof(TRGBQuad);
  // Rows lie at one distance from each other, upwards or downwards: two scan lines tell it.
  auto* first = static_cast<std::uint8_t*>(ABitmap->ScanLine(0));
  const std::ptrdiff_t step =
      height > 1 ? static_cast<std::uint8_t*>(ABitmap->ScanLine(1)) - first : std::ptrdiff_t(rowBytes);
  for (int row = 0; row < height; ++row) {
    TRGBQuad* colors = AColors + std::size_t(ATopDownOrder ? row : height - 1 - row) * std::size_t(width);
    void* line = first + step * row;
    if (AWrite)
      std::memcpy(line, colors, rowBytes);
    else
      std::memcpy(colors, line, rowBytes);
  }
  return true;
}

}  // namespace

TRGBQuad ColorToRGBQuad(TColor AColor, std::uint8_t AReserved) {
  std::uint32_t rgb = std::uint32_t(ColorToRGB(AColor));
  return {std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb), AReserved};
}

int GetBitmapBitsPerPixel(TBitmap* ABitmap) {
  switch (ABitmap->PixelFormat()) {
    case pf1bit: return 1;
    case pf4bit: return 4;
    case pf8bit: return 8;
    case pf15bit:
    case pf16bit: return 16;
    case pf24bit: return 24;
    case pf32bit: return 32;
    default: return GetDeviceCaps(ABitmap->Canvas()->Handle(), BITSPIXEL);
  }
}

bool GetBitmapColors(TBitmap* ABitmap, TRGBColors& AColors, bool ATopDownOrder) {
  const int width = ABitmap->Width(), height = ABitmap->Height();
  if (width <= 0 || height <= 0) return false;
  AColors.resize(std::size_t(width) * std::size_t(height));
  if (CopyDibRows(ABitmap, AColors.data(), ATopDownOrder, false)) return true;
  BITMAPINFO info = PixelInfo(width, height, ATopDownOrder);
  HBITMAP handle = ABitmap->Handle();
  TTransferDC dc;
  return dc.Handle() && GetDIBits(dc.Handle(), handle, 0, UINT(height), AColors.data(), &info, DIB_RGB_COLORS) > 0;
}

bool PutBitmapColors(TBitmap* ABitmap, const TRGBColors& AColors, bool ATopDownOrder) {
  const int width = ABitmap->Width(), height = ABitmap->Height();
  if (width <= 0 || height <= 0) return false;
  // Fewer pixels than the bitmap holds would make the system read past the array.
  if (AColors.size() < std::size_t(width) * std::size_t(height)) return false;
  if (CopyDibRows(ABitmap, const_cast<TRGBQuad*>(AColors.data()), ATopDownOrder, true)) return true;
  BITMAPINFO info = PixelInfo(width, height, ATopDownOrder);
  HBITMAP handle = ABitmap->Handle();
  TTransferDC dc;
  return dc.Handle() && SetDIBits(dc.Handle(), handle, 0, UINT(height), AColors.data(), &info, DIB_RGB_COLORS) > 0;
}

void GetBitmapColorsFromScanLines(TBitmap* ABitmap, TRGBColors& AColors) {
  if (ABitmap->PixelFormat() != pf32bit) return;
  const int width = ABitmap->Width(), height = ABitmap->Height();
  const std::size_t count = std::size_t(std::max(width, 0)) * std::size_t(std::max(height, 0));
  if (AColors.size() != count) AColors.resize(count);
  for (int row = 0; row < height; ++row)
    std::memcpy(&AColors[std::size_t(row) * std::size_t(width)], ABitmap->ScanLine(row),
                std::size_t(width) * sizeof(TRGBQuad));
}

bool BitmapHasAlpha(TBitmap* ABitmap) {
  if (GetBitmapBitsPerPixel(ABitmap) < 32) return false;
  if (ABitmap->PixelFormat() == pf32bit) {
    // A DIB's rows are read where they are.
    for (int row = 0; row < ABitmap->Height(); ++row) {
      const auto* pixel = static_cast<const TRGBQuad*>(ABitmap->ScanLine(row));
      for (int x = 0; x < ABitmap->Width(); ++x)
        if (pixel[x].rgbReserved != 0) return true;
    }
    return false;
  }
  TRGBColors colors;
  if (!GetBitmapColors(ABitmap, colors, false)) GetBitmapColorsFromScanLines(ABitmap, colors);
  for (const TRGBQuad& pixel : colors)
    if (pixel.rgbReserved != 0) return true;
  return false;
}

void MakeBitmapOpaque(TBitmap* ABitmap) {
  TRGBColors pixels;
  if (!GetBitmapColors(ABitmap, pixels, false)) return;
  for (TRGBQuad& p : pixels) p.rgbReserved = 255;
  PutBitmapColors(ABitmap, pixels, false);
}
