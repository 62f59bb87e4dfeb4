// Pixel maps: the text form in which the program's bitmaps and cursors are
// authored, and their conversion to the files the resource compiler embeds.
//
//   ; a comment line
//   bitmap 8 9 4            width, height, bits per pixel (1, 4, 8 or 24)
//   cursor 32 32 4 0 0      width, height, bits per pixel, hot spot x and y
//   palette
//   . FFFFFF                a character and its colour as RRGGBB
//   # 000000
//   - transparent           cursors only: the screen shows through
//   ~ inverted              cursors only: the screen is inverted
//   pixels
//   ........                height rows of width characters, top row first
//
// Needs no Win32 and nothing of the program, so the converter builds on the
// build machine alone.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// A malformed pixel map; the message names the line.
class EPixelMapError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class TPixelMapKind { Bitmap, Cursor };

struct TPixelMapEntry {
  char Key = 0;
  std::uint32_t Rgb = 0;  // 0xRRGGBB
  bool Transparent = false;
  bool Inverted = false;
};

struct TPixelMap {
  TPixelMapKind Kind = TPixelMapKind::Bitmap;
  int Width = 0, Height = 0, Bits = 0;
  int HotX = 0, HotY = 0;
  std::vector<TPixelMapEntry> Palette;  // in the order of the legend
  std::vector<int> Pixels;              // palette positions, rows from the top
  const TPixelMapEntry& At(int X, int Y) const { return Palette[std::size_t(Pixels[std::size_t(Y * Width + X)])]; }
};

// Reads the text form. Sizes are 1 to 256, every key is one printable
// character other than a blank, used once, and every pixel names a key.
TPixelMap ParsePixelMap(const std::string& AText);
// A Windows bitmap file (BITMAPFILEHEADER onwards, rows from the bottom, the
// full palette of the depth). Raises when the colours do not fit the depth.
std::vector<std::uint8_t> PixelMapToBitmapFile(const TPixelMap& AMap);
// A Windows cursor file with one image: the colour image and the AND mask.
std::vector<std::uint8_t> PixelMapToCursorFile(const TPixelMap& AMap);
