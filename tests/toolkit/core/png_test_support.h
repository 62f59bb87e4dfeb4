// PNG files authored by the tests: RGBA (or RGB) pixels in one IDAT of stored
// deflate blocks, so every byte is known. No Win32.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dxGDIPlusClasses.h"

namespace png_test {

// 0xRRGGBBAA per pixel, rows from the top.
using TPixels = std::vector<std::uint32_t>;

inline void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) out.push_back(std::uint8_t(v >> s));
}

inline void Chunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data) {
  Put32(out, std::uint32_t(data.size()));
  std::vector<std::uint8_t> body(type, type + 4);
  body.insert(body.end(), data.begin(), data.end());
  out.insert(out.end(), body.begin(), body.end());
  Put32(out, PngCrc32(body.data(), body.size()));
}

inline std::vector<std::uint8_t> ZlibStored(const std::vector<std::uint8_t>& raw) {
  std::vector<std::uint8_t> z = {0x78, 0x01};
  std::size_t pos = 0;
  do {
    const std::size_t n = std::min<std::size_t>(65535, raw.size() - pos);
    z.push_back(pos + n == raw.size() ? 1 : 0);
    z.insert(z.end(), {std::uint8_t(n), std::uint8_t(n >> 8), std::uint8_t(~n), std::uint8_t(~n >> 8)});
    z.insert(z.end(), raw.begin() + std::ptrdiff_t(pos), raw.begin() + std::ptrdiff_t(pos + n));
    pos += n;
  } while (pos < raw.size());
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t c : raw) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  Put32(z, b << 16 | a);
  return z;
}

// A PNG of the pixels; without alpha the alpha bytes are left out (colour type 2).
inline std::vector<std::uint8_t> EncodePng(int width, int height, const TPixels& pixels, bool alpha = true) {
  std::vector<std::uint8_t> raw;
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)];
      for (int s = 24; s >= (alpha ? 0 : 8); s -= 8) raw.push_back(std::uint8_t(p >> s));
    }
  }
  std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<std::uint8_t> header;
  Put32(header, std::uint32_t(width));
  Put32(header, std::uint32_t(height));
  header.insert(header.end(), {8, std::uint8_t(alpha ? 6 : 2), 0, 0, 0});
  Chunk(png, "IHDR", header);
  Chunk(png, "IDAT", ZlibStored(raw));
  Chunk(png, "IEND", {});
  return png;
}

// A 6 x 4 picture: a red square at half alpha in the middle of transparent
// pixels, an opaque blue column at the right and one green pixel at alpha 64.
inline TPixels SamplePixels() {
  TPixels p(24, 0x00000000u);
  for (int y = 1; y < 3; ++y)
    for (int x = 1; x < 4; ++x) p[std::size_t(y * 6 + x)] = 0xFF000080u;
  for (int y = 0; y < 4; ++y) p[std::size_t(y * 6 + 5)] = 0x0000FFFFu;
  p[0] = 0x00FF0040u;
  return p;
}

}  // namespace png_test
