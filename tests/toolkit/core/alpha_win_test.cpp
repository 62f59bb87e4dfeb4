// Alpha blending through each branch (AlphaBlend, the 32-bit-on-64-bit GDI+
// branch, software) against the blending formula, resampling, hatching,
// masks, the glyph pipeline in its six looks, the highlight colours and the
// cursor's size.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "cxGraphics_internal.h"
#include "images_win_test_support.h"

using namespace images_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TImageUnits);

// Sets an operating-system flag for the length of a scope.
class TFlagScope {
 public:
  TFlagScope(bool& AFlag, bool AValue) : FFlag(AFlag), FOld(AFlag) { FFlag = AValue; }
  ~TFlagScope() { FFlag = FOld; }

 private:
  bool& FFlag;
  bool FOld;
};

constexpr std::uint32_t kBackground = 0x336699;

// A 4 x 2 premultiplied source of different alphas and colours.
const std::vector<std::uint32_t> kSource = {0x80800000u, 0xFF00FF00u, 0x40102030u, 0x00000000u,
                                            0xC0C0C0C0u, 0x20200000u, 0xFFFFFFFFu, 0x7F000070u};

enum class TBranch { System, Bitmaps, GdiPlus, Software };

vamire_test::Capture BlendWith(TBranch branch, std::uint8_t alpha) {
  const auto source = Bitmap32(4, 2, kSource);
  CanvasSurface s(6, 4);
  s.Fill(TColor(0x996633));
  const TFlagScope win9x(OSFlagWin9x, branch == TBranch::Bitmaps);
  const TFlagScope wow64(OSFlagWow64, branch == TBranch::GdiPlus);
  // Without AlphaBlend (the unit's part that binds it ended) the bitmaps blend pixel by pixel.
  if (branch == TBranch::Software) EndAlphaBlending();
  AlphaBlendDC(s.Dc, source->Canvas()->Handle(), TRect{1, 1, 5, 3}, alpha, false, TRect{0, 0, 4, 2});
  if (branch == TBranch::Software) StartAlphaBlending();
  return s.Cap();
}

TEST(AlphaBlendTest, EveryBranchGivesTheFormulaWithinOneStep) {
  for (TBranch branch : {TBranch::System, TBranch::Bitmaps, TBranch::GdiPlus, TBranch::Software})
    for (int alpha : {255, 128}) {
      const auto cap = BlendWith(branch, std::uint8_t(alpha));
      for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) {
          const std::uint32_t expected = Over(kSource[std::size_t(y * 4 + x)], kBackground, alpha);
          EXPECT_TRUE(Near(cap.At(x + 1, y + 1), expected))
              << int(branch) << " alpha " << alpha << " at " << x << "," << y << ": " << Hex(cap.At(x + 1, y + 1))
              << " not " << Hex(expected);
        }
      EXPECT_EQ(cap.At(0, 0), kBackground) << int(branch);
      EXPECT_EQ(cap.At(5, 3), kBackground) << int(branch);
    }
  EXPECT_TRUE(IsAlphaBlendAvailable());
}

TEST(AlphaBlendTest, SmoothStretchingResamples) {
  // A uniform source stays uniform whichever way it is stretched.
  const auto source = Bitmap32(2, 2, std::vector<std::uint32_t>(4, 0xFF2050A0u));
  for (bool smooth : {false, true}) {
    CanvasSurface s(8, 8);
    s.Fill(clWhite);
    AlphaBlendDC(s.Dc, source->Canvas()->Handle(), TRect{1, 1, 7, 7}, 255, smooth, TRect{0, 0, 2, 2});
    const auto cap = s.Cap();
    for (int y = 1; y < 7; ++y)
      for (int x = 1; x < 7; ++x) EXPECT_TRUE(Near(cap.At(x, y), 0x2050A0, 2)) << smooth << " " << Hex(cap.At(x, y));
    EXPECT_EQ(cap.At(0, 0), 0xFFFFFFu);
  }
  // Resampling by hand ends exactly on the source's corners.
  const auto ramp = Bitmap32(2, 1, {0xFF000000u, 0xFFC8C8C8u});
  TcxBitmap32 wide(3, 1, true);
  ResampleBitmap(ramp.get(), &wide, true);
  TRGBColors pixels;
  ASSERT_TRUE(GetBitmapColors(&wide, pixels, true));
  EXPECT_EQ(pixels[0].rgbRed, 0);
  EXPECT_EQ(pixels[2].rgbRed, 200);
  TcxBitmap32 halftone(3, 1, true);
  ResampleBitmap(ramp.get(), &halftone, false);
  ASSERT_TRUE(GetBitmapColors(&halftone, pixels, true));
  EXPECT_LT(pixels[0].rgbRed, pixels[2].rgbRed);
}

TEST(AlphaBlendTest, HatchAndMasks) {
  CanvasSurface s(8, 4);
  s.Fill(clWhite);
  DrawHatchOnDC(s.Dc, TRect{0, 0, 8, 4}, clBlack, clRed, 2, 255, 128);
  const auto cap = s.Cap();
  // Counted from the bottom row: the bottom-left 2 x 2 cell is colour 1.
  EXPECT_EQ(cap.At(0, 3), 0x000000u);
  EXPECT_TRUE(Near(cap.At(2, 3), Over(0xFFFF0000u, 0xFFFFFF, 128))) << Hex(cap.At(2, 3));
  EXPECT_EQ(cap.At(2, 1), 0x000000u);
  // The mask of an alpha bitmap: white where fully transparent.
  const auto alpha = Bitmap32(2, 1, {0x00000000u, 0x40200000u});
  TcxBitmap32 mask(2, 1);
  FillMaskBitmap(alpha.get(), &mask);
  TRGBColors pixels;
  ASSERT_TRUE(GetBitmapColors(&mask, pixels, true));
  EXPECT_EQ(PackRGBQuad(pixels[0]), 0xFFFFFFFFu);
  EXPECT_EQ(PackRGBQuad(pixels[1]), 0u);
  // Without alpha: by its transparent colour.
  TcxBitmap32 keyed(2, 1);
  keyed.SetTransparentColor(clLime);
  PutBitmapColors(&keyed, {UnpackRGBQuad(0x0000FF00u), UnpackRGBQuad(0x00123456u)}, true);
  FillMaskBitmap(&keyed, &mask);
  ASSERT_TRUE(GetBitmapColors(&mask, pixels, true));
  EXPECT_EQ(PackRGBQuad(pixels[0]), 0xFFFFFFFFu);
  EXPECT_EQ(PackRGBQuad(pixels[1]), 0u);
}

TEST(AlphaBlendTest, HighlightColoursMixTheSystemColours) {
  auto mix = [](int face, int highlight, int window) {
    const TColor f = ColorToRGB(clBtnFace), h = ColorToRGB(clHighlight), w = ColorToRGB(clWindow);
    std::uint32_t result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
      const int c = MulDiv(int(f >> shift & 0xFF), face, 100) + MulDiv(int(h >> shift & 0xFF), highlight, 100) +
                    MulDiv(int(w >> shift & 0xFF), window, 100);
      result |= std::uint32_t(std::clamp(c, 0, 255)) << shift;
    }
    return TColor(result);
  };
  EXPECT_EQ(GetPressedHighlightColor(), NearestScreenColor(mix(14, 44, 40)));
  EXPECT_EQ(GetHotHighlightColor(), NearestScreenColor(mix(-2, 30, 72)));
  EXPECT_EQ(ClampColorChannel(-4), 0);
  EXPECT_EQ(ClampColorChannel(300), 255);
  EXPECT_EQ(NearestScreenColor(TColor(0x123456)), TColor(0x123456));  // a 24-bit screen has every colour
}

TEST(AlphaBlendTest, CursorSizeComesFromItsMask) {
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  const TSize size = GetCurrentCursorSize();
  EXPECT_EQ(size.cx, GetSystemMetrics(SM_CXCURSOR));
  EXPECT_GT(size.cy, 4);
  EXPECT_LE(size.cy, GetSystemMetrics(SM_CYCURSOR));
}

// --- Glyphs -------------------------------------------------------------------------------

// What one operation makes of a premultiplied 0xAARRGGBB pixel.
std::uint32_t Operated(std::uint32_t pixel, TcxPixelOperation operation) {
  TRGBColors pixels = {UnpackRGBQuad(pixel)};
  TcxPixelOperationParams params;
  params.ShadowColor = ColorToRGBQuad(clBtnShadow);
  ApplyPixelOperation(pixels, 1, 1, operation, params);
  return PackRGBQuad(pixels[0]);
}

// A 3 x 2 glyph of alpha pixels, one of them fully transparent.
const std::vector<std::uint32_t> kGlyph = {0x80800000u, 0xFF00FF00u, 0x00000000u,
                                           0x40102030u, 0xC0C0C0C0u, 0xFF336699u};

vamire_test::Capture DrawGlyph(TcxGlyphDrawMode mode, TBitmap* glyph, int size = 10, TColor transparent = clNone) {
  CanvasSurface s(size, size);
  s.Fill(TColor(0x996633));
  DrawImageOrGlyph(s.Dc, TRect{3, 3, 3 + glyph->Width(), 3 + glyph->Height()}, TRect{1, 1, size - 1, size - 1}, glyph,
                   nullptr, -1, mode, false, nullptr, transparent);
  return s.Cap();
}

TEST(GlyphTest, AlphaGlyphsInEachLookGiveTheirBlend) {
  const auto glyph = Bitmap32(3, 2, kGlyph);
  struct TCase {
    TcxGlyphDrawMode mode;
    int operation;  // -1: none
    int alpha;
  };
  const TCase cases[] = {
      {gdmNormal, -1, 255},
      {gdmDisabled, poDisabledWithAlpha, 151},
      {gdmFaded, poFade, 64},
      {gdmGrayScale, poGrayScale, 255},
      {gdmLight, poLight, 255},
  };
  for (const TCase& c : cases) {
    const auto cap = DrawGlyph(c.mode, glyph.get());
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x) {
        std::uint32_t pixel = kGlyph[std::size_t(y * 3 + x)];
        if (c.operation >= 0 && pixel) pixel = Operated(pixel, TcxPixelOperation(c.operation));
        const std::uint32_t expected = Over(pixel, kBackground, c.alpha);
        EXPECT_TRUE(Near(cap.At(3 + x, 3 + y), expected))
            << "mode " << int(c.mode) << " at " << x << "," << y << ": " << Hex(cap.At(3 + x, 3 + y)) << " not "
            << Hex(expected);
      }
    // The rest of the background area comes back as it was.
    EXPECT_EQ(cap.At(2, 2), kBackground);
    EXPECT_EQ(cap.At(8, 8), kBackground);
  }
}

TEST(GlyphTest, ThirtyTwoBitProgramsOnSixtyFourBitSystemsMatchWithinOneStep) {
  const auto glyph = Bitmap32(3, 2, kGlyph);
  for (TcxGlyphDrawMode mode : {gdmNormal, gdmDisabled, gdmFaded}) {
    const auto plain = DrawGlyph(mode, glyph.get());
    vamire_test::Capture wow;
    {
      const TFlagScope wow64(OSFlagWow64, true);
      wow = DrawGlyph(mode, glyph.get());
    }
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x)
        EXPECT_TRUE(Near(wow.At(x, y), plain.At(x, y)))
            << "mode " << int(mode) << " at " << x << "," << y << ": " << Hex(wow.At(x, y)) << " vs " << Hex(plain.At(x, y));
  }
}

// A 24-bit 4 x 4 glyph: a 2 x 2 ink square at the top-left on a fuchsia key colour.
std::unique_ptr<TBitmap> KeyedGlyph() {
  auto glyph = std::make_unique<TBitmap>();
  glyph->SetPixelFormat(pf24bit);
  glyph->SetSize(4, 4);
  glyph->Canvas()->Brush()->SetColor(clFuchsia);
  glyph->Canvas()->FillRect(TRect{0, 0, 4, 4});
  glyph->Canvas()->Brush()->SetColor(TColor(0x204080));
  glyph->Canvas()->FillRect(TRect{0, 0, 2, 2});
  return glyph;
}

TEST(GlyphTest, OpaqueGlyphsKeyOutTheirColourAndShowOutlines) {
  const auto glyph = KeyedGlyph();
  const std::uint32_t ink = 0xFF804020u;  // the ink as a premultiplied opaque pixel
  // Normal: the key colour (given, or the glyph's own bottom-left pixel) is left out.
  for (bool own : {false, true}) {
    CanvasSurface s(10, 10);
    s.Fill(TColor(0x996633));
    DrawImageOrGlyph(s.Dc, TRect{3, 3, 7, 7}, TRect{1, 1, 9, 9}, glyph.get(), nullptr, -1, gdmNormal, false, nullptr,
                     own ? clNone : clFuchsia, own);
    const auto cap = s.Cap();
    EXPECT_EQ(cap.At(3, 3), 0x804020u) << own;
    EXPECT_EQ(cap.At(5, 5), kBackground) << own;
  }
  // Disabled: the ink grayed, the highlight outline one pixel right and down where the glyph is clear.
  auto cap = DrawGlyph(gdmDisabled, glyph.get(), 10, clFuchsia);
  EXPECT_TRUE(Near(cap.At(3, 3), Operated(ink, poDisabled) & 0xFFFFFF)) << Hex(cap.At(3, 3));
  const std::uint32_t highlight = Rgb(clBtnHighlight);
  EXPECT_EQ(cap.At(5, 4), highlight);
  EXPECT_EQ(cap.At(4, 5), highlight);
  EXPECT_EQ(cap.At(5, 5), highlight);
  EXPECT_EQ(cap.At(6, 6), kBackground);
  EXPECT_NE(cap.At(4, 4), highlight) << "under the glyph's own ink";
  // Shadowed: the outline in the shadow colour two pixels off; the drawn area one pixel up-left and two larger.
  cap = DrawGlyph(gdmShadowed, glyph.get(), 12, clFuchsia);
  const std::uint32_t shadow = Rgb(clBtnShadow);
  EXPECT_EQ(cap.At(2, 2), 0x804020u);
  EXPECT_EQ(cap.At(4, 4), shadow);
  EXPECT_EQ(cap.At(5, 5), shadow);
  EXPECT_EQ(cap.At(3, 3), 0x804020u);
  int left = 12, top = 12, right = 0, bottom = 0;
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x)
      if (cap.At(x, y) != kBackground) {
        left = std::min(left, x), top = std::min(top, y);
        right = std::max(right, x + 1), bottom = std::max(bottom, y + 1);
      }
  EXPECT_EQ(left, 2);
  EXPECT_EQ(top, 2);
  EXPECT_EQ(right, 6);  // the ink square with its outline: 2 + 2 wider than the ink, inside the 6 x 6 area
  EXPECT_EQ(bottom, 6);
}

TEST(GlyphTest, NothingToDrawLeavesTheDeviceAlone) {
  CanvasSurface s(8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) SetPixelV(s.Dc, x, y, RGB(x * 30, y * 30, 99));
  const auto before = s.Cap();
  TcxImageList list(nullptr, 4, 4);
  list.AddBitmap(KeyedGlyph().get(), nullptr);
  TBitmap empty;
  for (int index : {-1, 1, 7}) DrawImageOrGlyph(s.Dc, TRect{1, 1, 5, 5}, TRect{0, 0, 8, 8}, nullptr, &list, index, gdmNormal);
  DrawImageOrGlyph(s.Dc, TRect{1, 1, 5, 5}, TRect{0, 0, 8, 8}, &empty, nullptr, 0, gdmDisabled);
  DrawImageOrGlyph(s.Dc, TRect{1, 1, 5, 5}, TRect{0, 0, 8, 8}, nullptr, nullptr, 0, gdmNormal);
  EXPECT_EQ(s.Cap().Pixels, before.Pixels);
}

bool GHookAnswer = false;
int GHookCalls = 0;
bool PaintRed(TcxCanvas* ACanvas, TCustomImageList*, int, TcxGlyphDrawMode, const TRect& R, TBitmap*) {
  ++GHookCalls;
  ACanvas->FillRect(R, clRed);
  return GHookAnswer;
}

TEST(GlyphTest, ACustomDrawingHookIsAskedFirst) {
  const auto glyph = KeyedGlyph();
  EXPECT_EQ(SetCustomDrawImageProc(PaintRed), nullptr);
  GHookAnswer = true;
  auto cap = DrawGlyph(gdmNormal, glyph.get());
  EXPECT_EQ(cap.At(5, 5), 0xFF0000u) << "the hook drew in the image rectangle";
  GHookAnswer = false;
  cap = DrawGlyph(gdmNormal, glyph.get());
  EXPECT_EQ(cap.At(3, 3), 0x804020u) << "the glyph drawn over what the hook drew";
  EXPECT_EQ(GHookCalls, 2);
  EXPECT_EQ(SetCustomDrawImageProc(nullptr), PaintRed);
}

TEST(GlyphTest, ABrushFillsTheBackgroundAndStretchingFillsTheImageArea) {
  const auto glyph = Bitmap32(2, 2, std::vector<std::uint32_t>(4, 0xFF0000FFu));
  CanvasSurface s(12, 12);
  s.Fill(clWhite);
  HBRUSH brush = CreateSolidBrush(RGB(0, 128, 0));
  DrawImageOrGlyph(s.Dc, TRect{2, 2, 10, 10}, TRect{1, 1, 11, 11}, glyph.get(), nullptr, -1, gdmNormal, true, brush);
  DeleteObject(brush);
  const auto cap = s.Cap();
  EXPECT_EQ(cap.At(1, 1), 0x008000u);
  EXPECT_EQ(cap.At(0, 0), 0xFFFFFFu);
  // (Lanczos weights are rounded, so a flat area may come out a few steps short.)
  EXPECT_TRUE(Near(cap.At(5, 5), 0x0000FF, 5)) << Hex(cap.At(5, 5));
  EXPECT_TRUE(Near(cap.At(9, 9), 0x0000FF, 5)) << Hex(cap.At(9, 9));
}

// Every look of an alpha glyph and of a keyed one, side by side, for a person to look at.
TEST(GlyphTest, TheLooksSideBySide) {
  // A 16 x 16 ring with soft edges in two colours.
  std::vector<std::uint32_t> ring(256);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const double d = std::hypot(x - 7.5, y - 7.5);
      const double a = std::clamp(std::min(7.5 - d, d - 3.0), 0.0, 1.0);
      const int alpha = int(a * 255 + 0.5);
      const int r = x < 8 ? 0xE0 : 0x20, g = 0x60, b = x < 8 ? 0x20 : 0xD0;
      ring[std::size_t(y * 16 + x)] = std::uint32_t(alpha) << 24 | std::uint32_t(r * alpha / 255) << 16 |
                                       std::uint32_t(g * alpha / 255) << 8 | std::uint32_t(b * alpha / 255);
    }
  const auto alphaGlyph = Bitmap32(16, 16, ring);
  TBitmap keyed;
  keyed.SetPixelFormat(pf24bit);
  keyed.SetSize(16, 16);
  keyed.Canvas()->Brush()->SetColor(clFuchsia);
  keyed.Canvas()->FillRect(TRect{0, 0, 16, 16});
  keyed.Canvas()->Brush()->SetColor(TColor(0x2060E0));
  keyed.Canvas()->Pen()->SetColor(clNavy);
  keyed.Canvas()->Ellipse(2, 2, 14, 14);
  CanvasSurface s(6 * 24 + 8, 2 * 24 + 8);
  s.Fill(clBtnFace);
  for (int mode = 0; mode < 6; ++mode) {
    const int x = 4 + mode * 24;
    DrawImageOrGlyph(s.Dc, TRect{x + 2, 6, x + 18, 22}, TRect{x, 4, x + 22, 26}, alphaGlyph.get(), nullptr, -1,
                     TcxGlyphDrawMode(mode));
    DrawImageOrGlyph(s.Dc, TRect{x + 2, 30, x + 18, 46}, TRect{x, 28, x + 22, 50}, &keyed, nullptr, -1,
                     TcxGlyphDrawMode(mode), false, nullptr, clNone, true);
  }
  s.Save(L"core_glyph_looks");
  // Each look differs from the normal one.
  const auto cap = s.Cap();
  for (int mode = 1; mode < 6; ++mode) {
    int differing = 0;
    for (int y = 4; y < 26; ++y)
      for (int x = 0; x < 22; ++x) differing += cap.At(4 + x, y) != cap.At(4 + mode * 24 + x, y);
    EXPECT_GT(differing, 20) << mode;
  }
}

}  // namespace
