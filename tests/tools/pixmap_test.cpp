// The pixel-map reader and the bitmap and cursor files it writes.
#include <gtest/gtest.h>

#include "PixelMap.h"

namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& B, std::size_t At) {
  return B[At] | B[At + 1] << 8 | B[At + 2] << 16 | std::uint32_t(B[At + 3]) << 24;
}
std::uint16_t U16(const std::vector<std::uint8_t>& B, std::size_t At) { return std::uint16_t(B[At] | B[At + 1] << 8); }

const char* const kArrow =
    "; a comment\n"
    "bitmap 3 2 4\n"
    "palette\n"
    ". FFFFFF\n"
    "# 102030\n"
    "pixels\n"
    "#..\n"
    ".##\n";

TEST(PixelMapTest, ReadsTheHeaderLegendAndRows) {
  const TPixelMap map = ParsePixelMap(kArrow);
  EXPECT_EQ(map.Kind, TPixelMapKind::Bitmap);
  EXPECT_EQ(map.Width, 3);
  EXPECT_EQ(map.Height, 2);
  EXPECT_EQ(map.Bits, 4);
  ASSERT_EQ(map.Palette.size(), 2u);
  EXPECT_EQ(map.Palette[1].Key, '#');
  EXPECT_EQ(map.Palette[1].Rgb, 0x102030u);
  EXPECT_EQ(map.Pixels, (std::vector<int>{1, 0, 0, 0, 1, 1}));
}

TEST(PixelMapTest, MalformedMapsNameTheirLine) {
  struct TCase {
    const char* Text;
    const char* Message;
  };
  const TCase cases[] = {
      {"", "empty pixel map"},
      {"image 3 2 4\n", "line 1: expected bitmap or cursor"},
      {"bitmap 3 2 5\npalette\n", "line 1: the depth is 1, 4, 8 or 24 bits"},
      {"bitmap 0 2 4\n", "line 1: the width 0 is outside 1..256"},
      {"bitmap 3 x 4\n", "line 1: the height is no number"},
      {"bitmap 3 2 4\npalette\n. FFFFFG\n", "line 3: a colour is six hexadecimal digits"},
      {"bitmap 3 2 4\npalette\n. FFFFFF\n. 000000\n", "line 4: '.' has a colour already"},
      {"bitmap 3 2 4\npalette\n- transparent\n", "line 3: transparent is for cursors only"},
      {"bitmap 3 2 4\npalette\n. FFFFFF\npixels\n...\n..\n", "line 6: a row is 3 pixels, not 2"},
      {"bitmap 3 2 4\npalette\n. FFFFFF\npixels\n...\n.x.\n", "line 6: no colour for 'x'"},
      {"bitmap 3 2 4\npalette\n. FFFFFF\npixels\n...\n", "expected 2 rows of pixels, found 1"},
      {"bitmap 3 1 4\npalette\n. FFFFFF\npixels\n...\n...\n", "line 6: more than 1 rows"},
      {"cursor 3 2 4 3 0\n", "line 1: the hot spot's x 3 is outside 0..2"},
      {"pixels\n", "line 1: the first line names the bitmap or the cursor"},
      // Lines of blanks other than spaces and tabs count as empty.
      {"\v\n\f\n", "empty pixel map"},
  };
  for (const TCase& c : cases) {
    try {
      ParsePixelMap(c.Text);
      ADD_FAILURE() << "accepted: " << c.Text;
    } catch (const EPixelMapError& e) {
      EXPECT_NE(std::string(e.what()).find(c.Message), std::string::npos) << e.what();
    }
  }
}

TEST(PixelMapTest, TooManyColoursForTheDepthAreRefused) {
  EXPECT_THROW(PixelMapToBitmapFile(ParsePixelMap("bitmap 3 1 1\npalette\na 000000\nb 111111\nc 222222\n"
                                                  "pixels\nabc\n")),
               EPixelMapError);
}

TEST(BitmapFileTest, HeadersPaletteAndBottomUpPaddedRows) {
  const std::vector<std::uint8_t> b = PixelMapToBitmapFile(ParsePixelMap(kArrow));
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(U32(b, 2), b.size());
  const std::size_t bits = 14 + 40 + 16 * 4;
  EXPECT_EQ(U32(b, 10), bits);
  EXPECT_EQ(U32(b, 18), 3u);           // width
  EXPECT_EQ(U32(b, 22), 2u);           // height, rows from the bottom
  EXPECT_EQ(U16(b, 28), 4u);           // bits per pixel
  EXPECT_EQ(U32(b, 46), 16u);          // the full palette of the depth
  EXPECT_EQ(b[54 + 4], 0x30);          // entry 1 blue
  EXPECT_EQ(b[54 + 6], 0x10);          // entry 1 red
  ASSERT_EQ(b.size(), bits + 2 * 4);   // each row padded to four bytes
  EXPECT_EQ(b[bits], 0x01);            // bottom row ".##": 0, 1, 1
  EXPECT_EQ(b[bits + 1], 0x10);
  EXPECT_EQ(b[bits + 4], 0x10);        // top row "#..": 1, 0, 0
}

TEST(BitmapFileTest, TrueColourRowsHoldBlueGreenRed) {
  const std::vector<std::uint8_t> b =
      PixelMapToBitmapFile(ParsePixelMap("bitmap 1 1 24\npalette\nx 123456\npixels\nx\n"));
  EXPECT_EQ(U32(b, 46), 0u);
  EXPECT_EQ(b[54], 0x56);
  EXPECT_EQ(b[55], 0x34);
  EXPECT_EQ(b[56], 0x12);
  EXPECT_EQ(b.size(), 54u + 4);
}

TEST(CursorFileTest, HotSpotAndMaskWhereTheScreenShows) {
  const std::vector<std::uint8_t> b = PixelMapToCursorFile(
      ParsePixelMap("cursor 2 2 1 1 0\npalette\n- transparent\n~ inverted\n# 000000\npixels\n#-\n~#\n"));
  EXPECT_EQ(U16(b, 2), 2u);  // a cursor
  EXPECT_EQ(U16(b, 10), 1u);
  EXPECT_EQ(U16(b, 12), 0u);
  EXPECT_EQ(U32(b, 18), 22u);
  EXPECT_EQ(U32(b, 22 + 8), 4u) << "the image's height counts colour and mask";
  const std::size_t mask = 22 + 40 + 2 * 4 + 2 * 4;
  ASSERT_EQ(b.size(), mask + 2 * 4);
  EXPECT_EQ(b[mask], 0x80) << "bottom row: the inverted pixel";
  EXPECT_EQ(b[mask + 4], 0x40) << "top row: the transparent pixel";
  // The inverted pixel is white in the colour image, the transparent one black.
  const std::size_t colors = 22 + 40 + 2 * 4;
  EXPECT_EQ(b[22 + 40 + 4], 0xFF) << "palette entry 1 is white";
  EXPECT_EQ(b[colors] >> 6, 0x2) << "bottom row: white (entry 1), black (entry 0)";
}

}  // namespace
