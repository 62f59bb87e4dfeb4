// PNG data checked before a decoder sees it, and where stretched and tiled
// images take their pixels from.
#include "dxGDIPlusClasses.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::uint32_t BigEndian32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

bool ValidDepth(std::uint8_t colourType, std::uint8_t depth) {
  switch (colourType) {
    case 0: return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;  // gray
    case 3: return depth == 1 || depth == 2 || depth == 4 || depth == 8;                 // palette
    case 2: case 4: case 6: return depth == 8 || depth == 16;  // RGB, gray with alpha, RGB with alpha
    default: return false;
  }
}

const std::array<std::uint32_t, 256>& CrcTable() {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t i = 0; i < 256; ++i) {
      std::uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[i] = c;
    }
    return t;
  }();
  return table;
}

}  // namespace

std::uint32_t PngCrc32(const std::uint8_t* AData, std::size_t ASize, std::uint32_t ACrc) {
  const auto& table = CrcTable();
  std::uint32_t crc = ~ACrc;
  for (std::size_t i = 0; i < ASize; ++i) crc = table[(crc ^ AData[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

bool HasPngSignature(const std::uint8_t* AData, std::size_t ASize) {
  return ASize >= sizeof kSignature && std::memcmp(AData, kSignature, sizeof kSignature) == 0;
}

String CheckPngData(const std::uint8_t* AData, std::size_t ASize, TSize& APictureSize) {
  if (!HasPngSignature(AData, ASize)) return L"no PNG signature";
  std::size_t pos = sizeof kSignature;
  bool header = false, data = false;
  TSize size{};
  while (true) {
    // Each chunk: length, type, the data, CRC of type and data.
    if (ASize - pos < 12) return header ? L"cut short" : L"no header";
    const std::uint32_t length = BigEndian32(AData + pos);
    if (length > ASize - pos - 12) return L"chunk longer than the data";
    const std::uint8_t* type = AData + pos + 4;
    const std::uint8_t* body = type + 4;
    if (PngCrc32(type, 4 + std::size_t(length)) != BigEndian32(body + length)) return L"chunk checksum wrong";
    const bool isHeader = std::memcmp(type, "IHDR", 4) == 0;
    if (header == isHeader) return header ? L"second header" : L"no header first";
    if (isHeader) {
      if (length != 13) return L"header of the wrong length";
      const std::uint32_t w = BigEndian32(body), h = BigEndian32(body + 4);
      if (w == 0 || h == 0 || w > dxMaxPngPixels || h > dxMaxPngPixels ||
          std::uint64_t(w) * std::uint64_t(h) > dxMaxPngPixels)
        return L"picture size out of range";
      if (!ValidDepth(body[9], body[8])) return L"unknown colour type or depth";
      if (body[10] != 0 || body[11] != 0 || body[12] > 1) return L"unknown compression, filter or interlace";
      size = TSize{int(w), int(h)};
      header = true;
    }
    data = data || std::memcmp(type, "IDAT", 4) == 0;
    pos += 12 + std::size_t(length);
    if (std::memcmp(type, "IEND", 4) == 0) {
      // Bytes after the end are left alone, as decoders leave them.
      if (!data) return L"no image data";
      APictureSize = size;
      return String();
    }
  }
}

TRect AdjustGdipSourceRect(const TRect& ADest, const TRect& ASource) {
  TRect r = ASource;
  const int sw = r.Right - r.Left, sh = r.Bottom - r.Top;
  if (sw < ADest.Right - ADest.Left && sw > 1) --r.Right;
  if (sh < ADest.Bottom - ADest.Top && sh > 1) --r.Bottom;
  return r;
}

std::vector<TdxImageTile> ImageTiles(const TRect& ADest, const TRect& ASource) {
  std::vector<TdxImageTile> tiles;
  // Widths and counts computed wide: rectangles spanning most of the integer
  // range must give no count that wraps round.
  const std::int64_t sw = std::int64_t(ASource.Right) - ASource.Left, sh = std::int64_t(ASource.Bottom) - ASource.Top;
  const std::int64_t dw = std::int64_t(ADest.Right) - ADest.Left, dh = std::int64_t(ADest.Bottom) - ADest.Top;
  if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return tiles;
  const std::int64_t rows = (dh + sh - 1) / sh, columns = (dw + sw - 1) / sw;
  tiles.reserve(std::size_t(std::min<std::int64_t>(rows, 64) * std::min<std::int64_t>(columns, 64)));
  for (std::int64_t row = 0; row < rows; ++row)
    for (std::int64_t column = 0; column < columns; ++column) {
      const int x = int(ADest.Left + column * sw), y = int(ADest.Top + row * sh);
      const int w = int(std::min<std::int64_t>(sw, std::int64_t(ADest.Right) - x));
      const int h = int(std::min<std::int64_t>(sh, std::int64_t(ADest.Bottom) - y));
      tiles.push_back({TRect{x, y, x + w, y + h},
                       TRect{ASource.Left, ASource.Top, ASource.Left + w, ASource.Top + h}});
    }
  return tiles;
}
