// The pixel arithmetic of translucent drawing: premultiplying straight alpha,
// Lanczos-3 resampling, the shadow outline of glyphs and the height of a
// cursor read from its mask.
#include <algorithm>
#include <cmath>

#include "SysUtils.h"
#include "cxGraphics.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

double Sinc(double x) {
  if (x == 0) return 1;
  const double px = kPi * x;
  return std::sin(px) / px;
}

double Lanczos3(double x) { return std::abs(x) >= 3 ? 0 : Sinc(x) * Sinc(x / 3); }

struct TContribution {
  int Source;
  int Weight;
};

// For each of ADest positions, the source positions of an ASource-long line
// it takes and their weights (in 256ths).
std::vector<std::vector<TContribution>> Contributions(int ASource, int ADest) {
  const double scale = ASource == 1 || ADest == 1 ? double(ADest) / ASource : double(ADest - 1) / (ASource - 1);
  const double width = scale >= 1 ? 1 : 1 / scale;
  const double radius = 3 * width;
  std::vector<std::vector<TContribution>> result(static_cast<std::size_t>(ADest));
  for (int i = 0; i < ADest; ++i) {
    const double centre = i / scale;
    for (int j = int(std::floor(centre - radius)); j <= int(std::ceil(centre + radius)); ++j) {
      const int weight = int(Round(Lanczos3((centre - j) / width) / width * 256));
      if (weight == 0) continue;
      // Mirrored at the ends, again as often as a line shorter than the filter needs.
      int source = j;
      for (int turn = 0; turn < 64 && (source < 0 || source >= ASource); ++turn)
        source = source < 0 ? -source : 2 * ASource - 1 - source;
      source = std::clamp(source, 0, ASource - 1);
      result[std::size_t(i)].push_back({source, weight});
    }
  }
  return result;
}

std::uint8_t Channel(std::int64_t sum) { return sum < 0 ? 0 : std::uint8_t(std::min<std::int64_t>(255, sum >> 8)); }

TRGBQuad Weigh(const std::vector<TContribution>& contributions, const auto& pixelAt) {
  std::int64_t b = 0, g = 0, r = 0, a = 0;
  for (const TContribution& c : contributions) {
    const TRGBQuad& p = pixelAt(c.Source);
    b += std::int64_t(c.Weight) * p.rgbBlue;
    g += std::int64_t(c.Weight) * p.rgbGreen;
    r += std::int64_t(c.Weight) * p.rgbRed;
    a += std::int64_t(c.Weight) * p.rgbReserved;
  }
  return {Channel(b), Channel(g), Channel(r), Channel(a)};
}

}  // namespace

void PremultiplyAlpha(TRGBColors& APixels) {
  for (TRGBQuad& p : APixels) {
    if (p.rgbReserved == 255) continue;
    const int a = p.rgbReserved;
    // Rounded to nearest: (c * a + 127) / 255.
    p.rgbBlue = std::uint8_t((p.rgbBlue * a + 127) / 255);
    p.rgbGreen = std::uint8_t((p.rgbGreen * a + 127) / 255);
    p.rgbRed = std::uint8_t((p.rgbRed * a + 127) / 255);
  }
}

TRGBColors ResamplePixels(const TRGBColors& ASource, int ASourceWidth, int ASourceHeight, int ADestWidth,
                          int ADestHeight) {
  if (ASourceWidth <= 0 || ASourceHeight <= 0 || ADestWidth <= 0 || ADestHeight <= 0 ||
      ASource.size() < std::size_t(ASourceWidth) * std::size_t(ASourceHeight))
    return {};
  const std::size_t sw = std::size_t(ASourceWidth), dw = std::size_t(ADestWidth);
  // Across first, into a buffer of the new width and the old height; then down.
  const auto across = Contributions(ASourceWidth, ADestWidth);
  TRGBColors buffer(dw * std::size_t(ASourceHeight));
  for (std::size_t y = 0; y < std::size_t(ASourceHeight); ++y)
    for (std::size_t x = 0; x < dw; ++x)
      buffer[y * dw + x] = Weigh(across[x], [&](int s) -> const TRGBQuad& { return ASource[y * sw + std::size_t(s)]; });
  const auto down = Contributions(ASourceHeight, ADestHeight);
  TRGBColors result(dw * std::size_t(ADestHeight));
  for (std::size_t y = 0; y < std::size_t(ADestHeight); ++y)
    for (std::size_t x = 0; x < dw; ++x)
      result[y * dw + x] = Weigh(down[y], [&](int s) -> const TRGBQuad& { return buffer[std::size_t(s) * dw + x]; });
  return result;
}

TRGBColors GlyphShadowPixels(const TRGBColors& AImage, const TRGBColors& AMask, int AWidth, int AHeight, int AOffset,
                             bool AGrow, TRGBQuad AColor) {
  const std::size_t w = std::size_t(std::max(AWidth, 0)), h = std::size_t(std::max(AHeight, 0));
  const int offset = std::max(AOffset, 0);
  const std::size_t rw = AGrow ? w + std::size_t(offset) : w, rh = AGrow ? h + std::size_t(offset) : h;
  if (AImage.size() < w * h || AMask.size() < w * h) return AImage;
  auto opaque = [&](std::ptrdiff_t x, std::ptrdiff_t y) {
    return x >= 0 && y >= 0 && std::size_t(x) < w && std::size_t(y) < h && PackRGBQuad(AMask[std::size_t(y) * w + std::size_t(x)]) == 0;
  };
  AColor.rgbReserved = 255;
  TRGBColors result(rw * rh, TRGBQuad{0, 0, 0, 0});
  for (std::size_t y = 0; y < rh; ++y)
    for (std::size_t x = 0; x < rw; ++x) {
      TRGBQuad& p = result[y * rw + x];
      if (x < w && y < h) p = AImage[y * w + x];
      // The outline shows where the glyph is transparent and its copy moved by the offset is not.
      const auto sx = std::ptrdiff_t(x), sy = std::ptrdiff_t(y);
      if (!opaque(sx, sy) && opaque(sx - offset, sy - offset)) {
        p.rgbBlue |= AColor.rgbBlue;
        p.rgbGreen |= AColor.rgbGreen;
        p.rgbRed |= AColor.rgbRed;
        p.rgbReserved |= AColor.rgbReserved;
      }
    }
  return result;
}

int CursorMaskHeight(const std::uint8_t* ABits, std::size_t ASize, int AWidth, int ADibHeight, int ADefault) {
  if (AWidth <= 0 || ADibHeight < AWidth) return ADefault;
  const std::size_t row = (std::size_t(AWidth) + 31) / 32 * 4;
  const std::size_t half = std::size_t(AWidth) * row;
  if (ASize < half) return ADefault;
  // The AND half is the last one; rows are stored from the bottom up.
  auto scan = [&](const std::uint8_t* start, std::uint8_t blank) {
    for (std::size_t i = 0; i < half; ++i)
      if (start[i] != blank) return AWidth - 1 - int(i / row);
    return -1;
  };
  int height = scan(ABits + ASize - half, 0xFF);
  if (height < 0 && ADibHeight >= 2 * AWidth && ASize >= 2 * half) height = scan(ABits + ASize - 2 * half, 0);
  return height < 0 ? ADefault : height;
}
