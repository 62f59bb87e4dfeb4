// The arithmetic under the canvas and the bitmaps: frame bands, tiles,
// rotation, blending, the per-pixel operations and packed bitmap data.
#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <random>

#include "Streams.h"
#include "cxGraphics.h"

static std::ostream& operator<<(std::ostream& os, const TRect& r) {
  return os << '(' << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ')';
}

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(GraphicsGeometryTest, FrameBandsStayInsideTheRectangle) {
  const TRect r{10, 20, 30, 25};
  auto bands = [](const TcxBorderBands& b) { return std::vector<TRect>(b.begin(), b.end()); };
  EXPECT_EQ(bands(FrameBorderBands(r, 2, cxBordersAll)),
            (std::vector<TRect>{{10, 20, 12, 25}, {28, 20, 30, 25}, {10, 20, 30, 22}, {10, 23, 30, 25}}));
  // Wider than the rectangle: every band is the whole rectangle, nothing outside it.
  for (const TRect& band : FrameBorderBands(r, 100, cxBordersAll)) EXPECT_EQ(band, r);
  EXPECT_EQ(bands(FrameBorderBands(r, 1, TcxBorders{bTop})), (std::vector<TRect>{{10, 20, 30, 21}}));
  EXPECT_EQ(FrameBorderBands({5, 5, 5, 9}, 1, cxBordersAll).Count, 0);
}

TEST(GraphicsGeometryTest, MarginsMoveEachSideInward) {
  TRect r{10, 20, 110, 220};
  DeflateRectByMargins(r, TRect{1, 2, 3, 4});
  EXPECT_EQ(r, (TRect{11, 22, 107, 216}));
  DeflateRectByMargins(r, TRect{-1, 0, -3, 0});
  EXPECT_EQ(r, (TRect{10, 22, 110, 216}));
}

TEST(GraphicsGeometryTest, TilesLineUpWithTheOriginAndStopAtTheEdge) {
  // The right edge on a multiple of the width adds no column past it.
  std::vector<TcxBitmapTile> tiles = BitmapTiles({5, 0, 20, 10}, 10, 10);
  ASSERT_EQ(tiles.size(), 2u);
  EXPECT_EQ(tiles[0].Dest, (TRect{5, 0, 10, 10}));
  EXPECT_EQ(tiles[0].Source.X, 5);
  EXPECT_EQ(tiles[1].Dest, (TRect{10, 0, 20, 10}));
  EXPECT_EQ(tiles[1].Source.X, 0);
  // Left of and above the origin the grid goes on, so no strip is left bare.
  tiles = BitmapTiles({-5, -3, 4, 2}, 10, 10);
  ASSERT_EQ(tiles.size(), 4u);
  EXPECT_EQ(tiles[0].Dest, (TRect{-5, -3, 0, 0}));
  EXPECT_EQ(tiles[0].Source.X, 5);
  EXPECT_EQ(tiles[0].Source.Y, 7);
  EXPECT_EQ(tiles[3].Dest, (TRect{0, 0, 4, 2}));
  int area = 0;
  for (const TcxBitmapTile& t : tiles) area += (t.Dest.Right - t.Dest.Left) * (t.Dest.Bottom - t.Dest.Top);
  EXPECT_EQ(area, 9 * 5);
  EXPECT_TRUE(BitmapTiles({0, 0, 0, 5}, 10, 10).empty());
}

TEST(GraphicsGeometryTest, TextFlagsConvertTheWordBreakVariants) {
  constexpr unsigned noPrefix = 0x800, wordBreak = 0x10, editControl = 0x2000, noFullWidth = 0x80000;
  EXPECT_EQ(TextFlagsToDrawTextFlags(0), noPrefix);
  EXPECT_EQ(TextFlagsToDrawTextFlags(cxShowPrefix), 0u);
  EXPECT_EQ(TextFlagsToDrawTextFlags(cxWordBreak), noPrefix | wordBreak | editControl);
  EXPECT_EQ(TextFlagsToDrawTextFlags(cxWordBreak | cxDontBreakChars), noPrefix | wordBreak);
  EXPECT_EQ(TextFlagsToDrawTextFlags(cxWordBreak | cxDontBreakChars | cxNoFullWidthCharBreak),
            noPrefix | wordBreak | noFullWidth);
  // Without word break the two character flags mean nothing.
  EXPECT_EQ(TextFlagsToDrawTextFlags(cxDontBreakChars | cxNoFullWidthCharBreak), noPrefix);
}

// --- Rotation -----------------------------------------------------------------------------

TRGBColors Numbered(int count) {
  TRGBColors pixels(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) pixels[std::size_t(i)] = {std::uint8_t(i), std::uint8_t(i >> 8), 0, 0};
  return pixels;
}

bool Same(const TRGBColors& a, const TRGBColors& b) {
  return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * 4) == 0);
}

TEST(GraphicsRotationTest, QuarterTurnsSwapTheSizeAndTurnTheRightWay) {
  // 3 x 2, top-down: 0 1 2 / 3 4 5.
  const TRGBColors source = Numbered(6);
  int w = 3, h = 2;
  TRGBColors turned = RotatePixels(source, w, h, raMinus90, false);
  EXPECT_EQ(w, 2);
  EXPECT_EQ(h, 3);
  // Counter-clockwise: the right column becomes the top row.
  const std::uint8_t ccw[] = {2, 5, 1, 4, 0, 3};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(turned[std::size_t(i)].rgbBlue, ccw[i]) << i;
  w = 3, h = 2;
  turned = RotatePixels(source, w, h, raPlus90, false);
  const std::uint8_t cw[] = {3, 0, 4, 1, 5, 2};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(turned[std::size_t(i)].rgbBlue, cw[i]) << i;
}

TEST(GraphicsRotationTest, TurningBackGivesTheStartingPixels) {
  const TRGBColors source = Numbered(5 * 7);
  struct TCase {
    TcxBitmapRotation first, second;
    bool flip;
  };
  const TCase cases[] = {{raMinus90, raPlus90, false}, {raPlus90, raMinus90, false}, {ra180, ra180, false},
                         {ra180, ra180, true},         {raNone, raNone, true}};
  for (const TCase& c : cases) {
    int w = 5, h = 7;
    TRGBColors back = RotatePixels(RotatePixels(source, w, h, c.first, c.flip), w, h, c.second, c.flip);
    EXPECT_EQ(w, 5);
    EXPECT_EQ(h, 7);
    EXPECT_TRUE(Same(back, source)) << int(c.first) << " then " << int(c.second) << " flip " << c.flip;
    EXPECT_EQ(InverseRotation(c.first), c.first == ra180 || c.first == raNone ? c.first : c.second);
  }
  // Upside down and mirrored are what they say.
  int w = 3, h = 2;
  TRGBColors flipped = RotatePixels(Numbered(6), w, h, raNone, true);
  EXPECT_EQ(flipped[0].rgbBlue, 3);
  w = 3, h = 2;
  TRGBColors mirrored = RotatePixels(Numbered(6), w, h, ra180, true);
  EXPECT_EQ(mirrored[0].rgbBlue, 2);
  EXPECT_EQ(mirrored[3].rgbBlue, 5);
}

// --- Pixels -------------------------------------------------------------------------------

TEST(GraphicsPixelTest, BlendPixelFollowsThePremultipliedFormula) {
  TRGBQuad d{100, 50, 200, 255};
  BlendPixel({40, 20, 60, 128}, d, 255);
  // t = 1 - 128/255; d = s + t * d.
  const double t = 1 - 128.0 / 255;
  EXPECT_EQ(d.rgbBlue, std::uint8_t(std::lround(40 + t * 100)));
  EXPECT_EQ(d.rgbGreen, std::uint8_t(std::lround(20 + t * 50)));
  EXPECT_EQ(d.rgbRed, std::uint8_t(std::lround(60 + t * 200)));
  EXPECT_EQ(d.rgbReserved, 255);
  // A constant alpha of 0 leaves the destination alone.
  TRGBQuad e{1, 2, 3, 4};
  BlendPixel({255, 255, 255, 255}, e, 0);
  EXPECT_EQ(PackRGBQuad(e), 0x04030201u);
  // Sums past 255 are clamped.
  TRGBQuad f{255, 255, 255, 255};
  BlendPixel({255, 255, 255, 0}, f, 255);
  EXPECT_EQ(PackRGBQuad(f), 0xFFFFFFFFu);
}

struct TPixelCase {
  const char* name;
  TcxPixelOperation operation;
  std::uint32_t before, after;
};

TEST(GraphicsPixelTest, OperationsOnOnePixel) {
  TcxPixelOperationParams params;
  params.TransparentBkColor = 0x00FF00FF;
  params.TransparentColors = {0x00123456};
  const TPixelCase cases[] = {
      {"light opaque", poLight, 0xFF05650C, 0xFF509355},  // c + (255 - c) * 0.3
      {"light translucent", poLight, 0x80FF6400, 0x64C84E00},  // every channel * 200/255
      {"light skips transparent", poLight, 0x00FF00FF, 0x00FF00FF},
      {"light skips listed colour", poLight, 0xFF123456, 0xFF123456},
      {"gray average", poGrayScale, 0xFF0A141E, 0xFF141414},
      {"opaque", poMakeOpaque, 0x00123456, 0xFF123456},
      {"mask transparent", poMask, 0x7F123456, 0xFFFFFFFF},  // the list ignores alpha
      {"mask opaque", poMask, 0xFF000000, 0x00000000},
      {"fade luminance", poFade, 0xFF0000FF, 0xFF1D1D1D},  // blue 255 * 0.114
      {"disabled with alpha weighting", poDisabledWithAlpha, 0xFFFF0000, 0xFF131313},  // red 255 * 0.0729
      {"correct alpha", poCorrectAlpha, 0x00010203, 0xFF010203},
      {"correct alpha keeps transparent", poCorrectAlpha, 0x00FF00FF, 0x00FF00FF},
      {"clear to background", poClearToBackground, 0xFF010203, 0x00FF00FF},
      {"clear alpha", poClearAlpha, 0xFF010203, 0x00010203},
  };
  for (const TPixelCase& c : cases) {
    TRGBColors pixels{UnpackRGBQuad(c.before)};
    ApplyPixelOperation(pixels, 1, 1, c.operation, params);
    EXPECT_EQ(PackRGBQuad(pixels[0]), c.after) << c.name;
  }
}

TEST(GraphicsPixelTest, MaskOfZeroBackgroundTurnsZeroPixelsWhite) {
  TcxPixelOperationParams params;  // transparent background 0
  TRGBColors pixels{UnpackRGBQuad(0), UnpackRGBQuad(0x00000001), UnpackRGBQuad(0xFF000000), UnpackRGBQuad(0)};
  ApplyPixelOperation(pixels, 2, 2, poMask, params);
  EXPECT_EQ(PackRGBQuad(pixels[0]), 0xFFFFFFFFu);
  EXPECT_EQ(PackRGBQuad(pixels[1]), 0u);
  EXPECT_EQ(PackRGBQuad(pixels[2]), 0u);
  EXPECT_EQ(PackRGBQuad(pixels[3]), 0xFFFFFFFFu);
}

TEST(GraphicsPixelTest, DisabledBlendsTheShadowOverGray) {
  TcxPixelOperationParams params;
  params.TransparentBkColor = 0x12345678;
  params.ShadowColor = {0x80, 0x80, 0x80, 0};
  TRGBColors pixels{UnpackRGBQuad(0xFFFFFFFF)};
  ApplyPixelOperation(pixels, 1, 1, poDisabled, params);
  // Gray 255, then shadow 128 at source alpha 192 and constant 238.
  const double k = 238 / 255.0, a = k * 192, t = 1 - a / 255;
  const auto c = std::uint8_t(std::lround(k * 128 + t * 255));
  EXPECT_EQ(pixels[0].rgbRed, c);
  EXPECT_EQ(pixels[0].rgbBlue, c);
  EXPECT_EQ(pixels[0].rgbReserved, std::uint8_t(std::lround(a + t * 255)));
}

TEST(GraphicsPixelTest, HatchIsACheckerOfTheStepCountedFromTheBottomLeft) {
  TcxPixelOperationParams params;
  params.HatchColor1 = {0, 0, 255, 255};
  params.HatchColor2 = {255, 0, 0, 255};
  params.HatchStep = 2;
  TRGBColors pixels(16, TRGBQuad{0, 0, 0, 0});
  ApplyPixelOperation(pixels, 4, 4, poHatch, params);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      const bool second = (x / 2 + y / 2) % 2 != 0;
      EXPECT_EQ(PackRGBQuad(pixels[std::size_t(y * 4 + x)]), second ? 0xFF0000FFu : 0xFFFF0000u) << x << ", " << y;
    }
  // A step of 0 makes a one-pixel checker instead of dividing by zero.
  params.HatchStep = 0;
  ApplyPixelOperation(pixels, 4, 4, poHatch, params);
  EXPECT_EQ(PackRGBQuad(pixels[0]), 0xFFFF0000u);
  EXPECT_EQ(PackRGBQuad(pixels[1]), 0xFF0000FFu);
}

// --- Packed bitmap data -------------------------------------------------------------------

Bytes Header(std::uint32_t length, std::uint16_t version) {
  Bytes out(10);
  for (int i = 0; i < 4; ++i) out[std::size_t(i)] = std::uint8_t(length >> (8 * i));
  std::memcpy(out.data() + 4, "XDBM", 4);
  out[8] = std::uint8_t(version);
  out[9] = std::uint8_t(version >> 8);
  return out;
}

Bytes Concat(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Reads packed data from a stream over Data.
bool Read(const Bytes& data, Bytes& unpacked, std::int64_t* position = nullptr) {
  TMemoryStream stream;
  if (!data.empty()) stream.WriteBuffer(data.data(), std::int32_t(data.size()));
  stream.SetPosition(0);
  const bool packed = ReadPackedBitmapData(&stream, unpacked);
  if (position) *position = stream.Position();
  return packed;
}

TEST(PackedBitmapTest, OneColourMakesRunsOf125Blocks) {
  Bytes data{0xEE};  // the leftover byte
  for (int i = 0; i < 300; ++i) data.insert(data.end(), {0x11, 0x22, 0x33});
  const Bytes packed = PackBitmapData(data.data(), data.size(), 24);
  const Bytes body{3, 1, 0xEE, 125, 0x11, 0x22, 0x33, 125, 0x11, 0x22, 0x33, 50, 0x11, 0x22, 0x33};
  EXPECT_EQ(packed, Concat(Header(std::uint32_t(body.size()), 2), body));
  Bytes unpacked;
  ASSERT_TRUE(Read(packed, unpacked));
  EXPECT_EQ(unpacked, data);
}

TEST(PackedBitmapTest, LiteralAndRepeatRuns) {
  struct TCase {
    const char* name;
    Bytes data, runs;
  };
  Bytes distinct;
  for (int i = 0; i < 130; ++i) distinct.push_back(std::uint8_t(i));
  Bytes distinctRuns{0x80 | 125};
  distinctRuns.insert(distinctRuns.end(), distinct.begin(), distinct.begin() + 125);
  distinctRuns.push_back(0x80 | 5);
  distinctRuns.insert(distinctRuns.end(), distinct.begin() + 125, distinct.end());
  const TCase cases[] = {
      {"mixed", {'A', 'B', 'C', 'C', 'C', 'D'}, {0x82, 'A', 'B', 3, 'C', 0x81, 'D'}},
      // The literal run ends one block early: the equal pair starts the next run.
      {"literal ends early", {'A', 'B', 'B'}, {0x81, 'A', 2, 'B'}},
      {"pair", {'A', 'A'}, {2, 'A'}},
      {"single", {'A'}, {0x81, 'A'}},
      {"empty", {}, {}},
      {"long literal", distinct, distinctRuns},
  };
  for (const TCase& c : cases) {
    const Bytes packed = PackBitmapData(c.data.data(), c.data.size(), 8);
    const Bytes body = Concat(Bytes{1, 0}, c.runs);
    EXPECT_EQ(packed, Concat(Header(std::uint32_t(body.size()), 2), body)) << c.name;
    Bytes unpacked;
    ASSERT_TRUE(Read(packed, unpacked)) << c.name;
    EXPECT_EQ(unpacked, c.data) << c.name;
  }
}

TEST(PackedBitmapTest, RoundTripsAtEveryBlockSize) {
  std::mt19937 random(7);
  for (int bits : {1, 8, 16, 24, 32}) {
    for (std::size_t size : {0u, 1u, 5u, 131u, 4099u}) {
      Bytes data(size);
      // Stretches of repeats among noise, so both kinds of run occur.
      for (std::size_t i = 0; i < size; ++i) data[i] = (i / 40) % 2 ? 0x5A : std::uint8_t(random());
      Bytes unpacked;
      ASSERT_TRUE(Read(PackBitmapData(data.data(), data.size(), bits), unpacked)) << bits << " " << size;
      EXPECT_EQ(unpacked, data) << bits << " " << size;
    }
  }
}

TEST(PackedBitmapTest, VersionOneHasBlockSizeOneAndOtherVersionsGiveNothing) {
  const Bytes runs{0x82, 'x', 'y', 4, 'z'};
  Bytes unpacked;
  ASSERT_TRUE(Read(Concat(Header(5, 1), runs), unpacked));
  EXPECT_EQ(unpacked, (Bytes{'x', 'y', 'z', 'z', 'z', 'z'}));
  std::int64_t position = 0;
  ASSERT_TRUE(Read(Concat(Header(5, 3), runs), unpacked, &position));
  EXPECT_TRUE(unpacked.empty());
  EXPECT_EQ(position, 15);  // the whole block is taken
}

TEST(PackedBitmapTest, PlainDataIsLeftToTheRuntimeReader) {
  Bytes unpacked{1};
  std::int64_t position = -1;
  const Bytes plain{6, 0, 0, 0, 'B', 'M', 0, 0, 0, 0, 0, 0};
  EXPECT_FALSE(Read(plain, unpacked, &position));
  EXPECT_EQ(position, 0);
  EXPECT_EQ(unpacked, Bytes{1});
  EXPECT_FALSE(Read(Bytes{'X', 'D', 'B', 'M'}, unpacked, &position));  // too short for a header
  EXPECT_EQ(position, 0);
}

TEST(PackedBitmapTest, DamagedDataRaisesWithoutReadingPastIt) {
  const Bytes cases[] = {
      Concat(Header(2, 2), {3, 5}),                  // leftover bytes missing
      Concat(Header(2, 2), {0, 0}),                  // block size 0
      Concat(Header(1, 2), {3}),                     // block size without leftover count
      Concat(Header(6, 2), {3, 0, 0x81, 1, 2, 3}),   // fine...
      Concat(Header(5, 2), {3, 0, 0x81, 1, 2}),      // ...and a block cut short
      Concat(Header(3, 2), {3, 0, 4}),               // a repeat run without its block
      Concat(Header(9, 2), {1, 0, 0x83, 1}),         // the header claims more than the stream holds
      Concat(Header(0xFFFFFFFFu, 2), {1, 0}),        // far more
  };
  int raised = 0;
  for (const Bytes& data : cases) {
    Bytes unpacked;
    try {
      Read(data, unpacked);
    } catch (const EReadError&) {
      ++raised;
    }
  }
  EXPECT_EQ(raised, 7);
}

// What the bitmap reader does with a blob: unpack when packed, then check the
// runtime's record before the runtime allocates for it.
void ReadRecord(const Bytes& data) {
  TMemoryStream stream;
  if (!data.empty()) stream.WriteBuffer(data.data(), std::int32_t(data.size()));
  stream.SetPosition(0);
  Bytes unpacked;
  if (!ReadPackedBitmapData(&stream, unpacked)) {
    CheckBitmapRecordLength(&stream);
    return;
  }
  // A run of up to 127 blocks costs at least one block and its control byte.
  EXPECT_LE(unpacked.size(), data.size() * 127);
  TMemoryStream record;
  if (!unpacked.empty()) record.WriteBuffer(unpacked.data(), std::int32_t(unpacked.size()));
  record.SetPosition(0);
  CheckBitmapRecordLength(&record);
}

Bytes SampleRecord() {
  // A record as the runtime writes it: its length, then the data.
  Bytes data{0, 0, 0, 0};
  for (int i = 0; i < 200; ++i) data.push_back(std::uint8_t(i < 100 ? i : 7));
  const std::uint32_t length = std::uint32_t(data.size() - 4);
  std::memcpy(data.data(), &length, 4);
  return PackBitmapData(data.data(), data.size(), 24);
}

TEST(PackedBitmapTest, EveryTruncationRaises) {
  const Bytes packed = SampleRecord();
  ReadRecord(packed);  // whole, it reads
  for (std::size_t cut = 0; cut < packed.size(); ++cut)
    EXPECT_THROW(ReadRecord(Bytes(packed.begin(), packed.begin() + std::ptrdiff_t(cut))), EReadError) << cut;
}

TEST(PackedBitmapTest, FlippedBytesRaiseOrReadWithinBounds) {
  const Bytes packed = SampleRecord();
  std::mt19937 random(11);
  int raised = 0;
  for (int round = 0; round < 2000; ++round) {
    Bytes damaged = packed;
    for (int flips = 1 + int(random() % 3); flips > 0; --flips)
      damaged[random() % damaged.size()] ^= std::uint8_t(1 + random() % 255);
    try {
      ReadRecord(damaged);
    } catch (const EReadError&) {
      ++raised;
    }
  }
  EXPECT_GT(raised, 0);
}

TEST(PackedBitmapTest, RecordLengthIsCheckedBeforeAnythingIsAllocated) {
  struct TCase {
    Bytes data;
    bool fits;
  };
  const TCase cases[] = {
      {{2, 0, 0, 0, 'a', 'b'}, true},
      {{0, 0, 0, 0}, true},
      {{3, 0, 0, 0, 'a', 'b'}, false},
      {{0xFF, 0xFF, 0xFF, 0x7F, 'a'}, false},
      {{0xFF, 0xFF, 0xFF, 0xFF, 'a'}, false},  // negative
      {{1, 0, 0}, false},
  };
  for (const TCase& c : cases) {
    TMemoryStream stream;
    stream.WriteBuffer(c.data.data(), std::int32_t(c.data.size()));
    stream.SetPosition(0);
    if (c.fits) {
      EXPECT_NO_THROW(CheckBitmapRecordLength(&stream));
    } else {
      EXPECT_THROW(CheckBitmapRecordLength(&stream), EReadError);
    }
    EXPECT_EQ(stream.Position(), 0);
  }
}

}  // namespace
