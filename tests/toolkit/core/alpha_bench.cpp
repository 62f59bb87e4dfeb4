// What blending a glyph through the toolkit costs over the platform: a 32 x 32
// glyph with per-pixel alpha blended 10,000 times onto a 32-bit surface
// through the system's AlphaBlend and, in the same run on the same surface,
// through the toolkit's AlphaBlendDC and its whole glyph pipeline
// (DrawImageOrGlyph: background copy, mask, look, blend, copy back). Rounds of
// the three alternate; prints the median time of a blend and the ratios.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "Runtime.h"
#include "cxGraphics_win.h"
#include "dxGDIPlusAPI.h"
#include "dxGDIPlusClasses_win.h"
#include "support/BenchTiming.h"

namespace {

using vamire_bench::Median;
using vamire_bench::Now;

constexpr int Blends = 10000, Rounds = 11, Size = 32;

// A ring of soft edges, premultiplied.
std::unique_ptr<TcxBitmap32> Glyph() {
  auto glyph = std::make_unique<TcxBitmap32>(Size, Size);
  TRGBColors pixels(Size * Size);
  for (int y = 0; y < Size; ++y)
    for (int x = 0; x < Size; ++x) {
      const int d = (x - 16) * (x - 16) + (y - 16) * (y - 16);
      const int a = d < 100 ? 60 : d < 196 ? 255 : d < 256 ? 128 : 0;
      pixels[std::size_t(y * Size + x)] = TRGBQuad{std::uint8_t(0x40 * a / 255), std::uint8_t(0x80 * a / 255),
                                                   std::uint8_t(0xC0 * a / 255), std::uint8_t(a)};
    }
  PutBitmapColors(glyph.get(), pixels, true);
  return glyph;
}

}  // namespace

int wmain() {
  InstallPlatformRuntime();
  InitializeUnits({dxGDIPlusAPIUnit, dxCoreUnit, dxGDIPlusClassesUnit, cxGraphicsUnit});
  const auto glyph = Glyph();
  TcxBitmap32 surface(256, 256);
  HDC dest = surface.Canvas()->Handle();
  HDC source = glyph->Canvas()->Handle();
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  auto at = [](int i) { return TRect{(i * 37) % 224, (i * 53) % 224, (i * 37) % 224 + Size, (i * 53) % 224 + Size}; };
  const TRect whole{0, 0, Size, Size};

  std::vector<double> system, routine, pipeline;
  for (int round = 0; round < Rounds; ++round) {
    double start = Now();
    for (int i = 0; i < Blends; ++i) {
      const TRect r = at(i);
      GdiAlphaBlend(dest, r.Left, r.Top, Size, Size, source, 0, 0, Size, Size, blend);
    }
    GdiFlush();
    system.push_back((Now() - start) / Blends);
    start = Now();
    for (int i = 0; i < Blends; ++i) AlphaBlendDC(dest, source, at(i), 255, false, whole);
    GdiFlush();
    routine.push_back((Now() - start) / Blends);
    start = Now();
    for (int i = 0; i < Blends; ++i) {
      const TRect r = at(i);
      DrawImageOrGlyph(dest, r, r, glyph.get(), nullptr, -1, gdmNormal);
    }
    GdiFlush();
    pipeline.push_back((Now() - start) / Blends);
  }
  const double s = Median(system), a = Median(routine), p = Median(pipeline);
  std::printf("32 x 32 glyph with alpha, %d blends a round, medians of %d rounds\n", Blends, Rounds);
  std::printf("  system AlphaBlend           %8.2f us\n", s);
  std::printf("  AlphaBlendDC                %8.2f us   ratio %.3f\n", a, a / s);
  std::printf("  DrawImageOrGlyph (normal)   %8.2f us   ratio %.3f\n", p, p / s);
  FinalizeUnits();
  return 0;
}
