// 32-bit pixel access of dxCore on the runtime's bitmaps.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "dxCore_win.h"

namespace {

std::unique_ptr<TBitmap> MakeBitmap(TPixelFormat format, int width, int height) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(format);
  bitmap->SetSize(width, height);
  return bitmap;
}

TEST(BitmapPixelsTest, BitsPerPixelByFormat) {
  const std::pair<TPixelFormat, int> table[] = {{pf1bit, 1},   {pf4bit, 4},   {pf8bit, 8},  {pf15bit, 16},
                                                {pf16bit, 16}, {pf24bit, 24}, {pf32bit, 32}};
  for (auto [format, bits] : table) EXPECT_EQ(GetBitmapBitsPerPixel(MakeBitmap(format, 2, 2).get()), bits) << format;
  HDC screen = GetDC(nullptr);
  int screenBits = GetDeviceCaps(screen, BITSPIXEL);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(GetBitmapBitsPerPixel(MakeBitmap(pfDevice, 2, 2).get()), screenBits);
}

TEST(BitmapPixelsTest, ColoursPackWithAlphaOnTop) {
  TRGBQuad red = ColorToRGBQuad(clRed, 128);
  EXPECT_EQ(red.rgbRed, 255);
  EXPECT_EQ(red.rgbGreen, 0);
  EXPECT_EQ(red.rgbBlue, 0);
  EXPECT_EQ(red.rgbReserved, 128);
  std::uint32_t packed;
  std::memcpy(&packed, &red, 4);
  EXPECT_EQ(packed, 0x80FF0000u);
  COLORREF window = GetSysColor(COLOR_WINDOW);
  TRGBQuad system = ColorToRGBQuad(SystemColor(COLOR_WINDOW));
  EXPECT_EQ(system.rgbRed, GetRValue(window));
  EXPECT_EQ(system.rgbBlue, GetBValue(window));
}

TEST(BitmapPixelsTest, ReadAndWriteInBothRowOrders) {
  auto bitmap = MakeBitmap(pf32bit, 2, 3);
  TRGBColors pixels(6);
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = {std::uint8_t(i), 0, 0, 0};
  ASSERT_TRUE(PutBitmapColors(bitmap.get(), pixels, true));  // row 0 is the top row
  TRGBColors read;
  ASSERT_TRUE(GetBitmapColors(bitmap.get(), read, false));   // bottom row first
  ASSERT_EQ(read.size(), 6u);
  EXPECT_EQ(read[0].rgbBlue, 4);
  EXPECT_EQ(read[1].rgbBlue, 5);
  EXPECT_EQ(read[4].rgbBlue, 0);
  TRGBColors lines;
  GetBitmapColorsFromScanLines(bitmap.get(), lines);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0].rgbBlue, 0);
  EXPECT_EQ(lines[5].rgbBlue, 5);

  TRGBColors tooFew(5);
  EXPECT_FALSE(PutBitmapColors(bitmap.get(), tooFew, true));
  TBitmap empty;
  EXPECT_FALSE(GetBitmapColors(&empty, read, true));
  EXPECT_FALSE(PutBitmapColors(&empty, pixels, true));
  TRGBColors untouched(2);
  GetBitmapColorsFromScanLines(MakeBitmap(pf24bit, 2, 2).get(), untouched);
  EXPECT_EQ(untouched.size(), 2u);
}

TEST(BitmapPixelsTest, AlphaOnlyInThirtyTwoBitBitmapsWithAnAlphaByte) {
  auto bitmap = MakeBitmap(pf32bit, 2, 2);
  TRGBColors pixels(4, TRGBQuad{10, 20, 30, 0});
  ASSERT_TRUE(PutBitmapColors(bitmap.get(), pixels, true));
  EXPECT_FALSE(BitmapHasAlpha(bitmap.get()));
  pixels[3].rgbReserved = 1;
  ASSERT_TRUE(PutBitmapColors(bitmap.get(), pixels, true));
  EXPECT_TRUE(BitmapHasAlpha(bitmap.get()));
  EXPECT_FALSE(BitmapHasAlpha(MakeBitmap(pf24bit, 2, 2).get()));
}

}  // namespace
