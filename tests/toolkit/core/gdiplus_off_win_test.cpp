// Run with the system's gdiplus.dll disabled (NO_GDIPLUS), as on a system
// without GDI+: it is tried once and let go, no PNG format registers, and
// bitmaps, glyphs and image lists still draw; nothing raises.
#include <gtest/gtest.h>

#include "images_win_test_support.h"

using namespace images_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TImageUnits);

TEST(NoGdiPlusTest, TriedOnceAndLetGo) {
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(IsGdiPlusAvailable());
  EXPECT_EQ(GdiPlusLoadAttemptCount(), 1) << "the unit start's attempt, remembered";
  EXPECT_EQ(GetModuleHandleW(L"gdiplus.dll"), nullptr);
  EXPECT_EQ(GdipApi().GdipAlloc, nullptr);
  EXPECT_EQ(GraphicClassForExtension(L"png"), nullptr);
  EXPECT_EQ(GetClass(L"TdxPNGImage"), nullptr);
  EXPECT_EQ(GetGPImageClass(), TdxGPNullImage::StaticClass());
  CLSID clsid{};
  EXPECT_EQ(FindImageEncoderClsid(L"image/png", clsid), 1);
}

TEST(NoGdiPlusTest, PngDataLeavesAnEmptyPictureAndGdiPlusCallsRaise) {
  std::unique_ptr<TdxPNGImage> png;
  ASSERT_NO_THROW(png = LoadPng(png_test::EncodePng(6, 4, png_test::SamplePixels())));
  EXPECT_TRUE(png->Empty());
  EXPECT_FALSE(png->UsesAlpha());
  CanvasSurface s(8, 8);
  s.Fill(clWhite);
  EXPECT_NO_THROW(png->Draw(&s.Canvas, TRect{0, 0, 8, 8}));
  EXPECT_EQ(s.Cap().CountNot(0xFFFFFF), 0u);
  TMemoryStream saved;
  EXPECT_NO_THROW(png->SaveToStream(&saved));
  EXPECT_EQ(saved.Size(), 0);
  // A bitmap still makes an image (in the runtime's memory, without a GDI+ handle).
  const auto bitmap = Bitmap32(2, 1, {0x80800000u, 0xFF0000FFu});
  std::unique_ptr<TdxGPImage> image;
  ASSERT_NO_THROW(image = TdxPNGImage::CreateImageFromBitmap(bitmap.get()));
  EXPECT_FALSE(image->HandleAllocated());
  EXPECT_EQ(PackRGBQuad(image->GetBits()[0]), 0x80800000u);
  // Asking GDI+ itself is an error with a status, never a call through nothing.
  EXPECT_THROW({ TdxGPGraphics graphics{s.Dc}; }, EdxGdipException);
  EXPECT_THROW(CreateGdipBitmap(2, 2), EdxGdipException);
}

TEST(NoGdiPlusTest, BitmapsAndGlyphsStillDraw) {
  CanvasSurface s(12, 6);
  s.Fill(clWhite);
  TBitmap plain;
  plain.SetPixelFormat(pf24bit);
  plain.SetSize(4, 4);
  plain.Canvas()->Brush()->SetColor(clBlue);
  plain.Canvas()->FillRect(TRect{0, 0, 4, 4});
  s.Canvas.Draw(0, 0, &plain);
  EXPECT_EQ(s.Cap().At(2, 2), 0x0000FFu);
  // A half-transparent glyph, also through the branch that would draw with GDI+.
  const auto glyph = Bitmap32(2, 2, std::vector<std::uint32_t>(4, 0x80800000u));
  for (bool wow64 : {false, true}) {
    const bool saved = OSFlagWow64;
    OSFlagWow64 = wow64;
    EXPECT_NO_THROW(DrawImageOrGlyph(s.Dc, TRect{6, 1, 8, 3}, TRect{5, 0, 10, 5}, glyph.get(), nullptr, -1, gdmNormal));
    OSFlagWow64 = saved;
    EXPECT_TRUE(Near(s.Cap().At(6, 1), Over(0x80800000u, 0xFFFFFF))) << wow64 << " " << Hex(s.Cap().At(6, 1));
    s.Fill(clWhite);
  }
  // An image list with an alpha image.
  TcxImageList list(nullptr, 2, 2);
  EXPECT_EQ(list.AddBitmap(glyph.get(), nullptr), 0);
  list.Draw(&s.Canvas, 3, 3, 0);
  EXPECT_TRUE(Near(s.Cap().At(4, 4), Over(0x80800000u, 0xFFFFFF))) << Hex(s.Cap().At(4, 4));
}

}  // namespace
