// What the image tests under Wine share: the units they start, PNG pictures
// and bitmaps made from known pixels, and pixel comparisons within one step.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "Streams.h"
#include "cxGraphics_win.h"
#include "dxGDIPlusAPI.h"
#include "dxGDIPlusClasses_win.h"
#include "graphics_win_test_support.h"
#include "png_test_support.h"

namespace images_test {

using core_graphics_test::CanvasSurface;
using core_graphics_test::Rgb;

// Starts the units images stand on, in the program's order.
class TImageUnits : public testing::Environment {
 public:
  void SetUp() override { InitializeUnits({dxGDIPlusAPIUnit, dxCoreUnit, dxGDIPlusClassesUnit, cxGraphicsUnit}); }
  void TearDown() override { FinalizeUnits(); }
};

inline std::unique_ptr<TdxPNGImage> LoadPng(const std::vector<std::uint8_t>& data) {
  auto png = std::make_unique<TdxPNGImage>();
  TMemoryStream stream;
  stream.WriteBuffer(data.data(), std::int32_t(data.size()));
  stream.SetPosition(0);
  png->LoadFromStream(&stream);
  return png;
}

// 0xRRGGBB of a capture against a colour given as 0xRRGGBB, each channel within `step`.
inline bool Near(std::uint32_t actual, std::uint32_t expected, int step = 1) {
  for (int shift = 0; shift < 24; shift += 8)
    if (std::abs(int(actual >> shift & 0xFF) - int(expected >> shift & 0xFF)) > step) return false;
  return true;
}

inline std::string Hex(std::uint32_t v) {
  char text[16];
  std::snprintf(text, sizeof text, "%06X", unsigned(v));
  return text;
}

// A 32-bit bitmap of premultiplied pixels given as 0xAARRGGBB, rows from the top.
inline std::unique_ptr<TcxBitmap32> Bitmap32(int width, int height, const std::vector<std::uint32_t>& argb) {
  auto bitmap = std::make_unique<TcxBitmap32>(width, height);
  TRGBColors pixels;
  for (std::uint32_t v : argb) pixels.push_back(UnpackRGBQuad(v));
  PutBitmapColors(bitmap.get(), pixels, true);
  return bitmap;
}

// Blends a premultiplied 0xAARRGGBB pixel at constant alpha k over an opaque 0xRRGGBB one, rounded.
inline std::uint32_t Over(std::uint32_t src, std::uint32_t dst, int k = 255) {
  const double a = (src >> 24) * k / 255.0;
  std::uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const double s = (src >> shift & 0xFF) * k / 255.0, d = dst >> shift & 0xFF;
    out |= std::uint32_t(std::lround(s + d * (1 - a / 255))) << shift;
  }
  return out;
}

}  // namespace images_test
