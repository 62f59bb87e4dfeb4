// The per-pixel work of alpha bitmaps: blending one pixel over another and the
// operations that make glyphs lighter, gray, masked or hatched.
#include <algorithm>
#include <cstring>

#include "SysUtils.h"
#include "cxGraphics.h"

namespace {

std::uint8_t Channel(double value) {
  return std::uint8_t(std::clamp<std::int64_t>(Round(value), 0, 255));
}

// The operations' weights are single-precision numbers, as the glyph looks were tuned with them.
std::uint8_t Weighted(const TRGBQuad& p, float r, float g, float b) {
  return Channel(double(float(p.rgbRed) * r + float(p.rgbGreen) * g + float(p.rgbBlue) * b));
}

void SetGray(TRGBQuad& p, std::uint8_t gray) { p.rgbRed = p.rgbGreen = p.rgbBlue = gray; }

bool IsTransparent(const TRGBQuad& p, const TcxPixelOperationParams& params) {
  const std::uint32_t v = PackRGBQuad(p);
  if (v == params.TransparentBkColor) return true;
  const std::uint32_t rgb = v & 0xFFFFFFu;
  for (std::uint32_t c : params.TransparentColors)
    if (c == rgb) return true;
  return false;
}

void Lighten(TRGBQuad& p) {
  if (p.rgbReserved == 255) {
    for (std::uint8_t* c : {&p.rgbRed, &p.rgbGreen, &p.rgbBlue}) *c = Channel(*c + (255.0 - *c) * 3.0 / 10.0);
  } else {
    for (std::uint8_t* c : {&p.rgbRed, &p.rgbGreen, &p.rgbBlue, &p.rgbReserved}) *c = Channel(*c * 200.0 / 255.0);
  }
}

}  // namespace

std::uint32_t PackRGBQuad(const TRGBQuad& Q) {
  return std::uint32_t(Q.rgbBlue) | std::uint32_t(Q.rgbGreen) << 8 | std::uint32_t(Q.rgbRed) << 16 |
         std::uint32_t(Q.rgbReserved) << 24;
}

TRGBQuad UnpackRGBQuad(std::uint32_t V) {
  return {std::uint8_t(V), std::uint8_t(V >> 8), std::uint8_t(V >> 16), std::uint8_t(V >> 24)};
}

void BlendPixel(const TRGBQuad& S, TRGBQuad& D, std::uint8_t K) {
  const double k = K / 255.0;
  const double a = k * S.rgbReserved;
  const double t = 1.0 - a / 255.0;
  D.rgbRed = Channel(k * S.rgbRed + t * D.rgbRed);
  D.rgbGreen = Channel(k * S.rgbGreen + t * D.rgbGreen);
  D.rgbBlue = Channel(k * S.rgbBlue + t * D.rgbBlue);
  D.rgbReserved = Channel(a + t * D.rgbReserved);
}

void ApplyPixelOperation(TRGBColors& APixels, int AWidth, int AHeight, TcxPixelOperation AOperation,
                         const TcxPixelOperationParams& AParams) {
  if (AWidth <= 0 || AHeight <= 0 || APixels.size() < std::size_t(AWidth) * std::size_t(AHeight)) return;
  TRGBQuad shadow = AParams.ShadowColor;
  shadow.rgbReserved = 192;
  // A step of 0 would divide by zero; the finest checker is one pixel.
  const int step = std::max<int>(AParams.HatchStep, 1);
  const TRGBQuad background = UnpackRGBQuad(AParams.TransparentBkColor);
  TRGBQuad* const pixels = APixels.data();
  const std::size_t count = std::size_t(AWidth) * std::size_t(AHeight);
  // Each pixel stands alone, so the array is walked in memory order, one loop per operation.
  auto each = [&](auto operation) {
    for (std::size_t i = 0; i < count; ++i) operation(pixels[i]);
  };
  auto opaque = [&](auto operation) {
    each([&](TRGBQuad& p) {
      if (!IsTransparent(p, AParams)) operation(p);
    });
  };
  switch (AOperation) {
    case poLight: opaque(Lighten); break;
    case poDisabled:
      opaque([&](TRGBQuad& p) {
        SetGray(p, Weighted(p, 0.299f, 0.587f, 0.114f));
        BlendPixel(shadow, p, 238);
      });
      break;
    case poGrayScale:
      opaque([](TRGBQuad& p) { SetGray(p, std::uint8_t((p.rgbRed + p.rgbGreen + p.rgbBlue) / 3)); });
      break;
    case poMakeOpaque: each([](TRGBQuad& p) { p.rgbReserved = 255; }); break;
    case poMask: each([&](TRGBQuad& p) { p = UnpackRGBQuad(IsTransparent(p, AParams) ? 0xFFFFFFFFu : 0u); }); break;
    case poFade: opaque([](TRGBQuad& p) { SetGray(p, Weighted(p, 0.299f, 0.587f, 0.114f)); }); break;
    case poDisabledWithAlpha: opaque([](TRGBQuad& p) { SetGray(p, Weighted(p, 0.0729f, 0.7146f, 0.2125f)); }); break;
    case poCorrectAlpha:
      each([&](TRGBQuad& p) {
        if (p.rgbReserved == 0 && !IsTransparent(p, AParams)) p.rgbReserved = 255;
      });
      break;
    case poHatch:
      for (int y = 0; y < AHeight; ++y)
        for (int x = 0; x < AWidth; ++x) {
          TRGBQuad& p = pixels[std::size_t(y) * std::size_t(AWidth) + std::size_t(x)];
          if ((x / step + y / step) % 2 != 0) BlendPixel(AParams.HatchColor2, p, AParams.HatchAlpha2);
          else BlendPixel(AParams.HatchColor1, p, AParams.HatchAlpha1);
        }
      break;
    case poClearToBackground: each([&](TRGBQuad& p) { p = background; }); break;
    case poClearAlpha: each([](TRGBQuad& p) { p.rgbReserved = 0; }); break;
  }
}
