// The platform-free side of images: the checks PNG data passes, stretching and
// tiling geometry, premultiplying, Lanczos resampling, glyph outlines, the
// cursor's height from its mask, and the readers of image-list data.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "ImgListData.h"
#include "Streaming.h"
#include "Streams.h"
#include "cxGraphics.h"
#include "dxGDIPlusClasses.h"
#include "png_test_support.h"

namespace {

using png_test::EncodePng;
using png_test::SamplePixels;

String Problem(const std::vector<std::uint8_t>& data) {
  TSize size{};
  return CheckPngData(data.data(), data.size(), size);
}

// --- PNG checks ---------------------------------------------------------------------------

TEST(PngCheckTest, SoundDataPassesWithItsSize) {
  const auto png = EncodePng(6, 4, SamplePixels());
  TSize size{};
  EXPECT_EQ(CheckPngData(png.data(), png.size(), size), L"");
  EXPECT_EQ(size.cx, 6);
  EXPECT_EQ(size.cy, 4);
  const std::uint8_t text[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
  EXPECT_EQ(PngCrc32(text, sizeof text), 0xCBF43926u);  // the standard check value
  // Bytes after the end are left alone, as decoders leave them.
  auto trailing = png;
  trailing.insert(trailing.end(), {1, 2, 3});
  EXPECT_EQ(Problem(trailing), L"");
}

// A PNG made of the given chunks after the signature, CRCs computed.
std::vector<std::uint8_t> FromChunks(const std::vector<std::pair<const char*, std::vector<std::uint8_t>>>& chunks) {
  std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  for (const auto& [type, data] : chunks) png_test::Chunk(png, type, data);
  return png;
}

std::vector<std::uint8_t> Header(std::uint32_t w, std::uint32_t h, std::uint8_t depth = 8, std::uint8_t type = 6,
                                 std::uint8_t interlace = 0) {
  std::vector<std::uint8_t> header;
  png_test::Put32(header, w);
  png_test::Put32(header, h);
  header.insert(header.end(), {depth, type, 0, 0, interlace});
  return header;
}

TEST(PngCheckTest, DamagedDataNamesWhatIsWrong) {
  const std::vector<std::uint8_t> idat = {0x78, 0x01, 0x01, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x01};
  auto badSignature = EncodePng(2, 2, png_test::TPixels(4, 0xFFFFFFFFu));
  badSignature[1] = 'Q';
  auto badCrc = EncodePng(2, 2, png_test::TPixels(4, 0xFFFFFFFFu));
  badCrc[badCrc.size() - 20] ^= 0x10;  // a byte inside IDAT
  auto longChunk = FromChunks({{"IHDR", Header(1, 1)}, {"IDAT", idat}, {"IEND", {}}});
  longChunk[8 + 25 + 3] = 0x7F;  // IDAT's length beyond the data
  struct TCase {
    const char* name;
    std::vector<std::uint8_t> data;
    const wchar_t* problem;
  };
  const TCase cases[] = {
      {"empty", {}, L"no PNG signature"},
      {"signature", badSignature, L"no PNG signature"},
      {"only a signature", FromChunks({}), L"no header"},
      {"data before the header", FromChunks({{"IDAT", idat}, {"IHDR", Header(1, 1)}, {"IEND", {}}}), L"no header first"},
      {"short header", FromChunks({{"IHDR", {0, 0, 0, 1, 0, 0, 0, 1, 8, 6, 0, 0}}, {"IEND", {}}}),
       L"header of the wrong length"},
      {"zero width", FromChunks({{"IHDR", Header(0, 1)}, {"IDAT", idat}, {"IEND", {}}}), L"picture size out of range"},
      {"too many pixels", FromChunks({{"IHDR", Header(10000, 10000)}, {"IDAT", idat}, {"IEND", {}}}),
       L"picture size out of range"},
      {"depth", FromChunks({{"IHDR", Header(1, 1, 4, 6)}, {"IDAT", idat}, {"IEND", {}}}),
       L"unknown colour type or depth"},
      {"colour type", FromChunks({{"IHDR", Header(1, 1, 8, 5)}, {"IDAT", idat}, {"IEND", {}}}),
       L"unknown colour type or depth"},
      {"interlace", FromChunks({{"IHDR", Header(1, 1, 8, 6, 2)}, {"IDAT", idat}, {"IEND", {}}}),
       L"unknown compression, filter or interlace"},
      {"second header", FromChunks({{"IHDR", Header(1, 1)}, {"IHDR", Header(1, 1)}, {"IEND", {}}}), L"second header"},
      {"no data", FromChunks({{"IHDR", Header(1, 1)}, {"IEND", {}}}), L"no image data"},
      {"no end", FromChunks({{"IHDR", Header(1, 1)}, {"IDAT", idat}}), L"cut short"},
      {"checksum", badCrc, L"chunk checksum wrong"},
      {"chunk length", longChunk, L"chunk longer than the data"},
  };
  for (const TCase& c : cases) EXPECT_EQ(Problem(c.data), c.problem) << c.name;
}

TEST(PngCheckTest, EveryCutAndEveryFlippedBitIsFound) {
  const auto png = EncodePng(6, 4, SamplePixels());
  for (std::size_t cut = 0; cut < png.size(); ++cut)
    EXPECT_NE(Problem(std::vector<std::uint8_t>(png.begin(), png.begin() + std::ptrdiff_t(cut))), L"") << cut;
  // Every byte is in the signature, a length, a type, data under a checksum or a checksum.
  for (std::size_t at = 0; at < png.size(); ++at)
    for (int bit = 0; bit < 8; ++bit) {
      auto flipped = png;
      flipped[at] ^= std::uint8_t(1 << bit);
      EXPECT_NE(Problem(flipped), L"") << at << ":" << bit;
    }
}

// --- Geometry -----------------------------------------------------------------------------

TEST(GdipGeometryTest, StretchedSourcesKeepTheirLastPixelOut) {
  struct TCase {
    TRect dest, source, expected;
  };
  const TCase cases[] = {
      {{0, 0, 20, 20}, {0, 0, 10, 10}, {0, 0, 9, 9}},   // only the first 9 x 9 pixels
      {{0, 0, 20, 20}, {3, 4, 4, 14}, {3, 4, 4, 13}},   // one pixel wide keeps its width
      {{0, 0, 20, 20}, {0, 0, 20, 20}, {0, 0, 20, 20}}, // same size
      {{0, 0, 5, 5}, {0, 0, 10, 10}, {0, 0, 10, 10}},   // shrinking
      {{0, 0, 20, 5}, {0, 0, 10, 10}, {0, 0, 9, 10}},   // stretched across only
  };
  for (const TCase& c : cases) {
    const TRect r = AdjustGdipSourceRect(c.dest, c.source);
    EXPECT_EQ(r.Left, c.expected.Left);
    EXPECT_EQ(r.Top, c.expected.Top);
    EXPECT_EQ(r.Right, c.expected.Right);
    EXPECT_EQ(r.Bottom, c.expected.Bottom);
  }
}

TEST(GdipGeometryTest, TilesCoverTheAreaAndCutTheLastRowAndColumn) {
  // 16 x 16 over 40 x 20: three columns, two rows; the last column 8 wide, the last row 4 high.
  const auto tiles = ImageTiles(TRect{5, 7, 45, 27}, TRect{2, 3, 18, 19});
  ASSERT_EQ(tiles.size(), 6u);
  const int widths[] = {16, 16, 8}, heights[] = {16, 4};
  for (std::size_t i = 0; i < tiles.size(); ++i) {
    const int row = int(i) / 3, column = int(i) % 3;
    const TdxImageTile& t = tiles[i];
    EXPECT_EQ(t.Dest.Left, 5 + 16 * column);
    EXPECT_EQ(t.Dest.Top, 7 + 16 * row);
    EXPECT_EQ(t.Dest.Right - t.Dest.Left, widths[column]);
    EXPECT_EQ(t.Dest.Bottom - t.Dest.Top, heights[row]);
    // The matching part of the source, from its top-left.
    EXPECT_EQ(t.Source.Left, 2);
    EXPECT_EQ(t.Source.Top, 3);
    EXPECT_EQ(t.Source.Right - t.Source.Left, widths[column]);
    EXPECT_EQ(t.Source.Bottom - t.Source.Top, heights[row]);
  }
  EXPECT_TRUE(ImageTiles(TRect{0, 0, 10, 10}, TRect{0, 0, 0, 5}).empty());
  EXPECT_TRUE(ImageTiles(TRect{0, 0, 0, 10}, TRect{0, 0, 5, 5}).empty());
}

// --- Pixels -------------------------------------------------------------------------------

TEST(GlyphPixelsTest, PremultiplyingRoundsToNearest) {
  TRGBColors pixels = {{50, 100, 200, 128}, {50, 100, 200, 255}, {50, 100, 200, 0}, {255, 255, 255, 1}};
  PremultiplyAlpha(pixels);
  const std::uint32_t expected[] = {0x80643219u, 0xFFC86432u, 0x00000000u, 0x01010101u};
  for (std::size_t i = 0; i < pixels.size(); ++i) EXPECT_EQ(PackRGBQuad(pixels[i]), expected[i]) << i;
}

TRGBColors Gray(std::initializer_list<int> values) {
  TRGBColors pixels;
  for (int v : values) pixels.push_back(TRGBQuad{std::uint8_t(v), std::uint8_t(v), std::uint8_t(v), 255});
  return pixels;
}

TEST(GlyphPixelsTest, ResamplingToOnePixelScalesByTheSizes) {
  // Two to one: scale 1/2 (not (1 - 1) / (2 - 1)), filter 2 wide; mirrored at the
  // ends as often as needed, the weights (in 256ths) come to 94 for the first
  // pixel and 162 for the second.
  EXPECT_EQ(ResamplePixels(Gray({0, 255}), 2, 1, 1, 1)[0].rgbRed, 161);
  EXPECT_EQ(ResamplePixels(Gray({255, 0}), 2, 1, 1, 1)[0].rgbRed, 93);
  // The same down the other way.
  EXPECT_EQ(ResamplePixels(Gray({0, 255}), 1, 2, 1, 1)[0].rgbRed, 161);
  // Alpha is resampled like the colours.
  EXPECT_EQ(ResamplePixels(Gray({0, 255}), 2, 1, 1, 1)[0].rgbReserved, 255);
}

TEST(GlyphPixelsTest, ResamplingKeepsEndsAndInterpolatesBetween) {
  // 5 to 9: scale (9 - 1) / (5 - 1) = 2, so every second pixel falls on a source pixel.
  const TRGBColors wide = ResamplePixels(Gray({0, 50, 100, 150, 200}), 5, 1, 9, 1);
  ASSERT_EQ(wide.size(), 9u);
  for (int i = 0; i < 9; i += 2) EXPECT_EQ(wide[std::size_t(i)].rgbGreen, 25 * i) << i;
  // Between them the weights 6, -35, 156, 156, -35, 6: near the straight line,
  // bent a little where the mirrored end (200 again) takes part.
  EXPECT_EQ(wide[3].rgbGreen, 76);
  EXPECT_EQ(wide[5].rgbGreen, 122);
  // Overshoot below 0 is cut at 0, above 255 at 255.
  const TRGBColors step = ResamplePixels(Gray({0, 0, 255, 255}), 4, 1, 7, 1);
  for (const TRGBQuad& p : step) EXPECT_LE(p.rgbBlue, 255);
  EXPECT_EQ(step.front().rgbBlue, 0);
  EXPECT_EQ(step.back().rgbBlue, 255);
  // The same size gives the same pixels.
  const TRGBColors same = ResamplePixels(Gray({10, 20, 30, 40}), 2, 2, 2, 2);
  for (std::size_t i = 0; i < same.size(); ++i) EXPECT_EQ(same[i].rgbRed, 10 * int(i + 1));
  EXPECT_TRUE(ResamplePixels(Gray({1}), 1, 1, 0, 3).empty());
}

TEST(GlyphPixelsTest, ShadowShowsOnlyWhereTheGlyphIsTransparent) {
  // A 3 x 3 glyph: one opaque pixel in the middle and one at the top-left.
  const TRGBQuad ink{10, 20, 30, 255}, none{0, 0, 0, 0}, opaqueMask{0, 0, 0, 0}, clear{255, 255, 255, 255};
  const TRGBColors image = {ink, none, none, none, ink, none, none, none, none};
  const TRGBColors mask = {opaqueMask, clear, clear, clear, opaqueMask, clear, clear, clear, clear};
  const TRGBQuad colour{200, 150, 100, 0};
  const TRGBQuad shadow{200, 150, 100, 255};
  auto same = [](const TRGBQuad& a, const TRGBQuad& b) { return PackRGBQuad(a) == PackRGBQuad(b); };
  // Offset 1, not grown: the top-left pixel's shadow falls on the glyph's middle pixel and is hidden.
  TRGBColors r = GlyphShadowPixels(image, mask, 3, 3, 1, false, colour);
  ASSERT_EQ(r.size(), 9u);
  EXPECT_TRUE(same(r[0], ink));
  EXPECT_TRUE(same(r[4], ink));
  EXPECT_TRUE(same(r[8], shadow));
  for (int i : {1, 2, 3, 5, 6, 7}) EXPECT_TRUE(same(r[std::size_t(i)], none)) << i;
  // Offset 2, grown: 5 x 5, shadows at (2, 2) and (3, 3).
  r = GlyphShadowPixels(image, mask, 3, 3, 2, true, colour);
  ASSERT_EQ(r.size(), 25u);
  EXPECT_TRUE(same(r[2 * 5 + 2], shadow));
  EXPECT_TRUE(same(r[3 * 5 + 3], shadow));
  EXPECT_TRUE(same(r[1 * 5 + 1], ink));
  int coloured = 0;
  for (const TRGBQuad& p : r) coloured += same(p, shadow);
  EXPECT_EQ(coloured, 2);
}

// A bottom-up one-bit mask, row size 4 bytes for 32 pixels.
std::vector<std::uint8_t> CursorMask(int width, int rows, std::uint8_t fill) {
  return std::vector<std::uint8_t>(std::size_t((width + 31) / 32 * 4) * std::size_t(rows), fill);
}

TEST(GlyphPixelsTest, CursorHeightIsTheLowestDrawnRow) {
  // A 32 x 32 colour cursor: the AND mask drawn (0 bits) on rows 0..20 from the top.
  auto colour = CursorMask(32, 32, 0xFF);
  for (int top = 0; top <= 20; ++top) colour[std::size_t((31 - top) * 4)] = 0x00;
  EXPECT_EQ(CursorMaskHeight(colour.data(), colour.size(), 32, 32, 32), 20);
  // A monochrome 32 x 64 cursor drawn only in its XOR half, down to row 9.
  auto mono = CursorMask(32, 64, 0);
  for (std::size_t i = 32 * 4; i < mono.size(); ++i) mono[i] = 0xFF;  // the AND half, last in memory, blank
  mono[std::size_t((31 - 9) * 4 + 2)] = 0x10;
  EXPECT_EQ(CursorMaskHeight(mono.data(), mono.size(), 32, 64, 32), 9);
  // Nothing drawn: the default.
  auto blank = CursorMask(32, 32, 0xFF);
  EXPECT_EQ(CursorMaskHeight(blank.data(), blank.size(), 32, 32, 32), 32);
  EXPECT_EQ(CursorMaskHeight(blank.data(), 10, 32, 32, 31), 31);
}

// --- Image-list data ----------------------------------------------------------------------

// A bitmap record as the runtime streams it: a length and a file (only the length is checked here).
std::vector<std::uint8_t> Record(std::size_t fileBytes, std::uint8_t fill) {
  std::vector<std::uint8_t> r = {std::uint8_t(fileBytes), std::uint8_t(fileBytes >> 8), 0, 0};
  r.insert(r.end(), fileBytes, fill);
  if (fileBytes >= 2) r[4] = 'B', r[5] = 'M';
  return r;
}

struct TItem {
  std::vector<std::uint8_t> image, mask;
  String maskColor;  // empty: absent; an identifier or a number
};

std::vector<std::uint8_t> ImageInfoValue(const std::vector<TItem>& items) {
  TMemoryStream stream;
  {
    TWriter writer(&stream);
    writer.WriteValue(vaCollection);
    for (const TItem& item : items) {
      writer.WriteListBegin();
      if (!item.image.empty()) {
        writer.WriteStr(L"Image.Data");
        writer.WriteBinary(item.image.data(), std::int32_t(item.image.size()));
      }
      if (!item.mask.empty()) {
        writer.WriteStr(L"Mask.Data");
        writer.WriteBinary(item.mask.data(), std::int32_t(item.mask.size()));
      }
      if (!item.maskColor.empty()) {
        writer.WriteStr(L"MaskColor");
        if (item.maskColor[0] == L'c') writer.WriteIdent(item.maskColor);
        else writer.WriteInteger(std::stoi(item.maskColor));
      }
      writer.WriteListEnd();
    }
    writer.WriteListEnd();
  }
  const auto* bytes = static_cast<const std::uint8_t*>(stream.Memory());
  return std::vector<std::uint8_t>(bytes, bytes + stream.Size());
}

std::vector<TcxImageInfoData> ReadValue(const std::vector<std::uint8_t>& value) {
  TMemoryStream stream;
  if (!value.empty()) stream.WriteBuffer(value.data(), std::int32_t(value.size()));
  stream.SetPosition(0);
  TReader reader(&stream);
  return ReadImageInfoData(&reader);
}

TEST(ImageInfoDataTest, ItemsReadBackWithPackedDataUnpacked) {
  const auto image = Record(300, 7), mask = Record(40, 0);
  const auto packed = PackBitmapData(image.data(), image.size(), 24);
  const auto items = ReadValue(ImageInfoValue({{packed, mask, L"clRed"}, {image, {}, L"255"}, {{}, {}, L""}}));
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].Image, image);
  EXPECT_EQ(items[0].Mask, mask);
  EXPECT_EQ(items[0].MaskColor, clRed);
  EXPECT_EQ(items[1].Image, image);
  EXPECT_TRUE(items[1].Mask.empty());
  EXPECT_EQ(items[1].MaskColor, TColor(255));
  EXPECT_TRUE(items[2].Image.empty());
  EXPECT_EQ(items[2].MaskColor, clNone);
  EXPECT_TRUE(ReadValue(ImageInfoValue({})).empty());
}

TEST(ImageInfoDataTest, DamagedValuesRaise) {
  const auto good = ImageInfoValue({{Record(60, 3), Record(20, 0), L"clBlue"}});
  auto longRecord = Record(60, 3);
  longRecord[1] = 0x10;  // a length beyond the bytes
  auto badPacked = PackBitmapData(Record(60, 3).data(), 64, 24);
  badPacked.resize(badPacked.size() - 2);  // runs cut short
  const std::vector<std::vector<std::uint8_t>> damaged = {
      ImageInfoValue({{longRecord, {}, L""}}),
      ImageInfoValue({{badPacked, {}, L""}}),
      ImageInfoValue({{Record(60, 3), {}, L"clNoSuchColour"}}),
      {vaList, vaNull},  // not a collection
  };
  for (std::size_t i = 0; i < damaged.size(); ++i) EXPECT_THROW(ReadValue(damaged[i]), Exception) << i;
  // An unknown property names itself.
  TMemoryStream stream;
  {
    TWriter writer(&stream);
    writer.WriteValue(vaCollection);
    writer.WriteListBegin();
    writer.WriteStr(L"Picture.Data");
    writer.WriteInteger(1);
    writer.WriteListEnd();
    writer.WriteListEnd();
  }
  stream.SetPosition(0);
  TReader reader(&stream);
  try {
    ReadImageInfoData(&reader);
    ADD_FAILURE() << "no error";
  } catch (const EReadError& e) {
    EXPECT_NE(e.Message().find(L"Picture.Data"), String::npos) << e.Message();
  }
  // Every cut raises.
  for (std::size_t cut = 0; cut < good.size(); ++cut)
    EXPECT_THROW(ReadValue(std::vector<std::uint8_t>(good.begin(), good.begin() + std::ptrdiff_t(cut))), Exception)
        << cut;
}

// The system list's stream: header, a 32-bit image bitmap of 4 columns, a one-bit mask.
std::vector<std::uint8_t> ListData(int count, int cx, int cy, int columns, int rows, bool masked = true) {
  std::vector<std::uint8_t> d;
  auto put16 = [&](int v) { d.push_back(std::uint8_t(v)), d.push_back(std::uint8_t(v >> 8)); };
  auto put32 = [&](std::uint32_t v) { put16(int(v & 0xFFFF)), put16(int(v >> 16)); };
  put16(0x4C49);
  put16(0x0101);
  put16(count);
  put16(count + 1);
  put16(4);
  put16(cx);
  put16(cy);
  put32(0xFFFFFFFF);
  put16(masked ? 0x21 : 0x20);
  for (int i = 0; i < 4; ++i) put16(0xFFFF);
  auto bitmap = [&](int bits) {
    const int w = cx * columns, h = cy * rows;
    const std::size_t stride = (std::size_t(w) * std::size_t(bits) + 31) / 32 * 4;
    const std::size_t colours = bits <= 8 ? std::size_t(1) << bits : 0;
    const std::size_t size = 14 + 40 + colours * 4 + stride * std::size_t(h);
    d.push_back('B'), d.push_back('M');
    put32(std::uint32_t(size));
    put32(0);
    put32(std::uint32_t(14 + 40 + colours * 4));
    put32(40);
    put32(std::uint32_t(w));
    put32(std::uint32_t(h));
    put16(1);
    put16(bits);
    for (int i = 0; i < 6; ++i) put32(0);
    d.insert(d.end(), colours * 4 + stride * std::size_t(h), 0x5A);
  };
  bitmap(32);
  if (masked) bitmap(1);
  return d;
}

TEST(ImageListDataTest, SoundStreamsPassAndDamagedOnesAreNamed) {
  EXPECT_EQ(CheckImageListData(ListData(5, 16, 16, 4, 2).data(), ListData(5, 16, 16, 4, 2).size()), L"");
  EXPECT_EQ(CheckImageListData(ListData(3, 8, 8, 4, 1, false).data(), ListData(3, 8, 8, 4, 1, false).size()), L"");
  auto check = [](std::vector<std::uint8_t> d) { return CheckImageListData(d.data(), d.size()); };
  auto withByte = [](std::vector<std::uint8_t> d, std::size_t at, std::uint8_t v) {
    d[at] = v;
    return d;
  };
  const auto good = ListData(5, 16, 16, 4, 2);
  EXPECT_EQ(check(withByte(good, 0, 'X')), L"no image list header");
  EXPECT_EQ(check(withByte(good, 3, 0x07)), L"unknown image list version");
  EXPECT_EQ(check(withByte(good, 10, 0)), L"image list header");         // width 0
  EXPECT_EQ(check(withByte(good, 4, 9)), L"image list header");          // more images than room
  EXPECT_EQ(check(withByte(good, 28, 'C')), L"no bitmap where one belongs");
  EXPECT_EQ(check(withByte(good, 28 + 14 + 14, 12)), L"bitmap depth");
  EXPECT_EQ(check(withByte(good, 28 + 14 + 16, 1)), L"bitmap compression");
  EXPECT_EQ(check(withByte(good, 28 + 14 + 7, 0x40)), L"bitmap size");
  EXPECT_EQ(check(withByte(withByte(ListData(8, 16, 16, 4, 1), 6, 20), 4, 8)), L"bitmap too small for the images");
  for (std::size_t cut = 0; cut < good.size(); cut += 7) EXPECT_NE(check({good.begin(), good.begin() + std::ptrdiff_t(cut)}), L"") << cut;
}

}  // namespace
