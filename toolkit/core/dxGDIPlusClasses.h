// What the GDI+ image classes decide without GDI+: the checks PNG data passes
// before the decoder sees it, and the geometry of stretching and tiling. Needs
// no Win32; the classes themselves are in platform/dxGDIPlusClasses_win.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "System.h"
#include "Types.h"

// The eight bytes every PNG file starts with.
bool HasPngSignature(const std::uint8_t* AData, std::size_t ASize);
// The largest picture the decoder is given, in pixels.
constexpr std::uint64_t dxMaxPngPixels = std::uint64_t(1) << 26;
// Walks the chunks of PNG data. Empty when they are sound: the signature, an
// IHDR of 13 bytes first with a size of 1..dxMaxPngPixels and a valid depth
// and colour type, every chunk whole with its CRC right, at least one IDAT,
// and an IEND; APictureSize is then the picture's size. Otherwise
// what is wrong, in a few words.
String CheckPngData(const std::uint8_t* AData, std::size_t ASize, TSize& APictureSize);
// The CRC-32 of PNG chunks (and zip), of ASize bytes continuing ACrc.
std::uint32_t PngCrc32(const std::uint8_t* AData, std::size_t ASize, std::uint32_t ACrc = 0);

// The source part drawn into ADest: a source that is stretched keeps its last
// column (row) out, unless it is one pixel wide (high), so the edge pixels do
// not smear over the stretched area.
TRect AdjustGdipSourceRect(const TRect& ADest, const TRect& ASource);

// One tile of an image tiled by hand: where it goes and the part of the source it takes.
struct TdxImageTile {
  TRect Dest;
  TRect Source;
};
// Rows of ASource's height and columns of its width from ADest's top-left,
// covering ADest; the last row and column cut at its edge with the matching
// part of the source. None when either is empty.
std::vector<TdxImageTile> ImageTiles(const TRect& ADest, const TRect& ASource);
