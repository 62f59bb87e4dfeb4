// GDI+ bound at run time and the units loader; PNG pictures: loading,
// drawing, straight alpha kept through saving and form files, damaged data;
// the graphics wrappers: stretching, tiling, buffering, blending.
#include <gtest/gtest.h>

#include "ExtCtrls.h"
#include "FormText.h"
#include "images_win_test_support.h"

using namespace images_test;
using png_test::EncodePng;
using png_test::SamplePixels;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TImageUnits);

// --- Loading and the units loader ---------------------------------------------------------

TEST(GdiPlusApiTest, LoadsOnceAndBindsEveryExport) {
  EXPECT_TRUE(IsGdiPlusAvailable());
  EXPECT_TRUE(IsGdiPlusAvailable());
  EXPECT_EQ(GdiPlusLoadAttemptCount(), 1);
  EXPECT_NE(GdipApi().GdipAlloc, nullptr);
  EXPECT_NE(GdipApi().GdipCloneBitmapAreaI, nullptr);  // the last one bound
  EXPECT_NE(GetModuleHandleW(L"gdiplus.dll"), nullptr);
  CLSID png{};
  EXPECT_EQ(FindImageEncoderClsid(L"IMAGE/PNG", png), 0);
  InitPngEncoderClsid();  // the units look it up with the first save, not at start
  EXPECT_EQ(png, PngEncoderClsid());
  EXPECT_EQ(FindImageEncoderClsid(L"image/none", png), 1);
}

TEST(GdiPlusApiTest, FailedCallsRaiseWithTheirStatus) {
  try {
    CheckGdipStatus(Gdiplus::InvalidParameter);
    ADD_FAILURE() << "no exception";
  } catch (const EdxGdipException& e) {
    EXPECT_EQ(e.Message(), L"Invalid operation in GDI+ (Code: 2)");
    EXPECT_EQ(e.ErrorCode(), 2);
  }
  EXPECT_THROW(CheckGdipCondition(false), EdxGdipException);
  EXPECT_NO_THROW(CheckGdipStatus(Gdiplus::Ok));
  EXPECT_NO_THROW(CheckGdipCondition(true));
  // A real call failing: a graphics on no DC.
  EXPECT_THROW({ TdxGPGraphics graphics{HDC(nullptr)}; }, EdxGdipException);
  EXPECT_EQ(ColorToGdipARGB(clNone), 0u);
  EXPECT_EQ(ColorToGdipARGB(clRed, 0x80), 0x80FF0000u);
  EXPECT_EQ(ColorToGdipARGB(TColor(0x123456)), 0xFF563412u);
}

std::vector<int> GCalls;
void InitA() { GCalls.push_back(1); }
void InitB() { GCalls.push_back(2); }
void FinalA() { GCalls.push_back(-1); }
void FinalB() { GCalls.push_back(-2); }
void FinalC() { GCalls.push_back(-3); }

TEST(UnitsLoaderTest, InAProgramStartsRunAtOnceAndEndsInReverse) {
  EXPECT_FALSE(MustDeferUnitInitialization());
  GCalls.clear();
  {
    TdxUnitsLoader loader;
    EXPECT_FALSE(loader.DeferInitialization());
    loader.RegisterUnit(InitA, FinalA);
    loader.RegisterUnit(InitB, FinalB);
    loader.RegisterUnit(nullptr, FinalC);
    EXPECT_EQ(GCalls, (std::vector<int>{1, 2}));
    loader.UnregisterUnit(FinalB);  // runs at once
    loader.UnregisterUnit(FinalB);  // no longer there: nothing
    EXPECT_EQ(GCalls, (std::vector<int>{1, 2, -2}));
  }  // the rest from the last registered to the first
  EXPECT_EQ(GCalls, (std::vector<int>{1, 2, -2, -3, -1}));

  // In a library build the starts wait for the host; with none run, no end runs either.
  GCalls.clear();
  TdxUnitsLoader deferred(true);
  deferred.RegisterUnit(InitA, FinalA);
  EXPECT_TRUE(GCalls.empty());
  EXPECT_EQ(deferred.QueuedInitializationCount(), 1);
  EXPECT_EQ(deferred.FinalizationCount(), 1);
  deferred.FinalizeUnits();
  EXPECT_TRUE(GCalls.empty());
}

// --- PNG pictures -------------------------------------------------------------------------

// The premultiplied pixels SamplePixels stands for, 0xAARRGGBB, rows from the top.
std::uint32_t SampleAt(int x, int y) {
  if (x == 5) return 0xFF0000FFu;
  if (x == 0 && y == 0) return 0x40004000u;  // green at alpha 64
  if (x >= 1 && x < 4 && y >= 1 && y < 3) return 0x80800000u;  // red at alpha 128
  return 0;
}

TEST(PngImageTest, LoadsWithItsAlphaAsAPictureFormat) {
  EXPECT_EQ(GraphicClassForExtension(L"png"), TdxPNGImage::StaticClass());
  const auto png = LoadPng(EncodePng(6, 4, SamplePixels()));
  EXPECT_EQ(png->Width(), 6);
  EXPECT_EQ(png->Height(), 4);
  EXPECT_FALSE(png->Empty());
  EXPECT_TRUE(png->Transparent());
  EXPECT_TRUE(png->UsesAlpha());
  // As a bitmap the pixels are premultiplied, for AlphaBlend.
  const auto bitmap = png->GetAsBitmap();
  EXPECT_EQ(bitmap->PixelFormat(), pf32bit);
  TRGBColors pixels;
  ASSERT_TRUE(GetBitmapColors(bitmap.get(), pixels, true));
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(PackRGBQuad(pixels[std::size_t(y * 6 + x)]), SampleAt(x, y)) << x << "," << y;
  // An opaque picture uses no alpha.
  EXPECT_FALSE(LoadPng(EncodePng(2, 2, png_test::TPixels(4, 0x336699FFu), false))->UsesAlpha());
}

TEST(PngImageTest, DrawsBlendedOverTheCanvas) {
  const auto png = LoadPng(EncodePng(6, 4, SamplePixels()));
  CanvasSurface s(8, 6);
  s.Fill(clWhite);
  png->Draw(&s.Canvas, TRect{1, 1, 7, 5});
  const auto cap = s.Cap();
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) {
      const std::uint32_t expected = Over(SampleAt(x, y), 0xFFFFFF);
      EXPECT_TRUE(Near(cap.At(x + 1, y + 1), expected)) << x << "," << y << " " << Hex(cap.At(x + 1, y + 1));
    }
  EXPECT_EQ(cap.At(0, 0), 0xFFFFFFu);
}

TEST(PngImageTest, SavingKeepsStraightAlpha) {
  const auto png = LoadPng(EncodePng(6, 4, SamplePixels()));
  TMemoryStream saved;
  png->SaveToStream(&saved);
  const auto* bytes = static_cast<const std::uint8_t*>(saved.Memory());
  TSize size{};
  EXPECT_EQ(CheckPngData(bytes, std::size_t(saved.Size()), size), L"");
  // Premultiplied on the way, the green pixel at alpha 64 would come back a quarter as bright.
  const auto again = LoadPng(std::vector<std::uint8_t>(bytes, bytes + saved.Size()));
  EXPECT_TRUE(png->IsEqualImage(again.get()));
  // A copy by Assign, and the clone outliving its original.
  TdxPNGImage copy;
  copy.Assign(png.get());
  EXPECT_TRUE(copy.IsEqualImage(png.get()));
  auto clone = png->Image()->Clone();
  const auto original = png->GetAsBitmap();
  png->Assign(nullptr);
  EXPECT_TRUE(png->Empty());
  TdxPNGImage holder;
  holder.SetImage(std::move(clone));
  EXPECT_EQ(holder.Width(), 6);
  EXPECT_TRUE(holder.IsEqualImage(&copy));
}

TEST(PngImageTest, RoundTripsThroughAFormFile) {
  TImage image(nullptr);
  image.SetName(L"Image1");
  image.Picture()->SetGraphic(LoadPng(EncodePng(6, 4, SamplePixels())).get());
  TStringStream binary("");
  WriteComponentToStream(&binary, &image);
  const String text = FormBinaryToText(binary.DataString());
  EXPECT_NE(text.find(L"Picture.Data = {"), String::npos) << text;
  EXPECT_NE(text.find(L"0B546478504E47496D616765"), String::npos) << "the class name, TdxPNGImage, leads the data";
  TImage read(nullptr);
  TStringStream in(FormTextToBinary(text));
  ReadComponentFromStream(&in, &read);
  auto* png = dynamic_cast<TdxPNGImage*>(read.Picture()->Graphic());
  ASSERT_NE(png, nullptr);
  EXPECT_TRUE(png->IsEqualImage(static_cast<TdxPNGImage*>(image.Picture()->Graphic())));
  EXPECT_TRUE(png->UsesAlpha());
}

TEST(PngImageTest, DamagedDataRaisesAndLeavesThePictureAsItWas) {
  const auto good = EncodePng(6, 4, SamplePixels());
  const auto before = LoadPng(EncodePng(2, 2, png_test::TPixels(4, 0x11223344u)));
  auto load = [&](const std::vector<std::uint8_t>& data) {
    TMemoryStream stream;
    if (!data.empty()) stream.WriteBuffer(data.data(), std::int32_t(data.size()));
    stream.SetPosition(0);
    before->LoadFromStream(&stream);
  };
  const auto reference = LoadPng(EncodePng(2, 2, png_test::TPixels(4, 0x11223344u)));
  auto corrupt = good;
  corrupt[40] ^= 0x55;
  struct TCase {
    const char* name;
    std::vector<std::uint8_t> data;
    const wchar_t* message;
  };
  const TCase cases[] = {
      {"cut in the data", std::vector<std::uint8_t>(good.begin(), good.begin() + 60),
       L"PNG image is not valid (chunk longer than the data)"},
      {"cut before the end", std::vector<std::uint8_t>(good.begin(), good.end() - 6),
       L"PNG image is not valid (cut short)"},
      {"flipped byte", corrupt, L"PNG image is not valid (chunk checksum wrong)"},
      {"a few bytes", std::vector<std::uint8_t>(good.begin(), good.begin() + 9), L"Picture data is too short"},
  };
  for (const TCase& c : cases) {
    try {
      load(c.data);
      ADD_FAILURE() << c.name << ": no error";
    } catch (const EInvalidGraphic& e) {
      EXPECT_EQ(e.Message(), c.message) << c.name;
    }
    EXPECT_TRUE(before->IsEqualImage(reference.get())) << c.name;
  }
  // Data no decoder knows: GDI+ says so.
  const std::vector<std::uint8_t> noise(64, 0x5A);
  EXPECT_THROW(load(noise), EdxGdipException);
  EXPECT_TRUE(before->IsEqualImage(reference.get()));
  // An empty stream leaves no picture.
  load({});
  EXPECT_TRUE(before->Empty());
}

TEST(PngImageTest, BitmapStreamsAreReadAsBitmaps) {
  auto bitmapFile = [](TBitmap& bitmap) {
    TMemoryStream stream;
    bitmap.SaveToStream(&stream);
    const auto* bytes = static_cast<const std::uint8_t*>(stream.Memory());
    return std::vector<std::uint8_t>(bytes, bytes + stream.Size());
  };
  TBitmap rgb;
  rgb.SetPixelFormat(pf24bit);
  rgb.SetSize(3, 2);
  rgb.Canvas()->Brush()->SetColor(clTeal);
  rgb.Canvas()->FillRect(TRect{0, 0, 3, 2});
  const auto fromRgb = LoadPng(bitmapFile(rgb));
  EXPECT_EQ(fromRgb->Width(), 3);
  EXPECT_FALSE(fromRgb->UsesAlpha()) << "a bitmap without alpha becomes opaque";
  const auto alpha = Bitmap32(2, 1, {0x80400000u, 0xFF00FF00u});
  const auto fromAlpha = LoadPng(bitmapFile(*alpha));
  EXPECT_TRUE(fromAlpha->UsesAlpha()) << "a 32-bit one keeps its alpha";
  EXPECT_EQ(PackRGBQuad(fromAlpha->Image()->GetBits()[0]), 0x80400000u);
}

TEST(PngImageTest, EqualityLooksAtEveryByte) {
  auto pixels = SamplePixels();
  const auto a = LoadPng(EncodePng(6, 4, pixels));
  pixels[1 * 6 + 5] = 0x0000FFFEu;  // one alpha value one lower
  const auto b = LoadPng(EncodePng(6, 4, pixels));
  EXPECT_FALSE(a->IsEqualImage(b.get()));
  EXPECT_TRUE(a->IsEqualImage(a.get()));
  const auto small = LoadPng(EncodePng(2, 2, png_test::TPixels(4, 0)));
  EXPECT_FALSE(a->IsEqualImage(small.get()));
  TdxPNGImage empty1, empty2;
  EXPECT_TRUE(empty1.IsEqualImage(&empty2));
}

TEST(PngImageTest, ABitmapAssignedBothWays) {
  const auto source = Bitmap32(2, 2, {0xFF112233u, 0x80402010u, 0u, 0xFFFFFFFFu});
  TdxPNGImage png;
  png.Assign(source.get());
  EXPECT_TRUE(png.UsesAlpha());
  TBitmap back;
  back.Assign(&png);
  TRGBColors pixels;
  ASSERT_TRUE(GetBitmapColors(&back, pixels, true));
  EXPECT_EQ(PackRGBQuad(pixels[1]), 0x80402010u);
  EXPECT_EQ(PackRGBQuad(pixels[3]), 0xFFFFFFFFu);
}

// --- Graphics -----------------------------------------------------------------------------

// A w x h opaque picture whose last column is red and the rest blue.
std::unique_ptr<TdxPNGImage> EdgedPicture(int w, int h) {
  png_test::TPixels pixels(std::size_t(w * h), 0x0000FFFFu);
  for (int y = 0; y < h; ++y) pixels[std::size_t(y * w + w - 1)] = 0xFF0000FFu;
  return LoadPng(EncodePng(w, h, pixels));
}

TEST(GdipGraphicsTest, AStretchedSourceLeavesItsLastColumnOut) {
  const auto picture = EdgedPicture(10, 10);
  CanvasSurface s(20, 20);
  {
    TdxGPGraphics graphics(s.Dc);
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
    graphics.DrawImage(picture.get(), TRect{0, 0, 20, 20}, TRect{0, 0, 10, 10});
  }
  const auto cap = s.Cap();
  // The first 9 x 9 source pixels fill the area: no red at the right.
  EXPECT_EQ(cap.At(18, 10), 0x0000FFu);
  EXPECT_EQ(cap.At(10, 10), 0x0000FFu);
  // Drawn at its own size the red column is there.
  CanvasSurface same(10, 10);
  picture->DrawToDC(same.Dc, TRect{0, 0, 10, 10});
  EXPECT_EQ(same.Cap().At(9, 5), 0xFF0000u);
  // A one-pixel-wide source stretched keeps its one column.
  CanvasSurface narrow(6, 6);
  {
    TdxGPGraphics graphics(narrow.Dc);
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
    graphics.DrawImage(picture.get(), TRect{0, 0, 6, 6}, TRect{9, 0, 10, 10});
  }
  // (Wine's nearest-neighbour sampling fills only the left half of the area; a column cut to nothing would draw none.)
  EXPECT_EQ(narrow.Cap().At(1, 3), 0xFF0000u);
}

TEST(GdipGraphicsTest, TilesRepeatTheSourceFromTheTopLeft) {
  // A 16 x 16 picture of four coloured quarters over 40 x 20.
  png_test::TPixels pixels(256);
  const std::uint32_t quarters[] = {0xFF0000FFu, 0x00FF00FFu, 0x0000FFFFu, 0xFFFF00FFu};
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) pixels[std::size_t(y * 16 + x)] = quarters[(y / 8) * 2 + x / 8];
  const auto picture = LoadPng(EncodePng(16, 16, pixels));
  CanvasSurface s(44, 24);
  s.Fill(clWhite);
  {
    TdxGPGraphics graphics(s.Dc);
    graphics.DrawImageTiled(picture.get(), TRect{2, 2, 42, 22}, TRect{0, 0, 16, 16});
  }
  const auto cap = s.Cap();
  // Centres of quarters in the second column and row, and of the cut last column.
  EXPECT_EQ(cap.At(2 + 16 + 4, 2 + 4), 0xFF0000u);
  EXPECT_EQ(cap.At(2 + 16 + 12, 2 + 12), 0xFFFF00u);
  EXPECT_EQ(cap.At(2 + 32 + 4, 2 + 16 + 2), 0xFF0000u);
  EXPECT_EQ(cap.At(1, 10), 0xFFFFFFu);
  EXPECT_EQ(cap.At(42, 10), 0xFFFFFFu);
  EXPECT_EQ(cap.At(20, 22), 0xFFFFFFu);
}

TEST(GdipGraphicsTest, ABufferedGraphicsDrawsOnACopyOfTheArea) {
  // A memory DC answers for the screen it is compatible with, whatever bitmap it holds.
  CanvasSurface deep(4, 4);
  EXPECT_FALSE(NeedsGdipDoubleBuffer(deep.Dc));
  // A 16-bit DIB.
  HDC dc = CreateCompatibleDC(nullptr);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = 12;
  bi.bmiHeader.biHeight = -8;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 16;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, dib);
  PatBlt(dc, 0, 0, 12, 8, WHITENESS);
  const auto picture = EdgedPicture(4, 4);
  TdxGPGraphics* graphics = new TdxGPBufferedGraphics(dc, TRect{4, 2, 8, 6});
  picture->DrawOnGraphics(graphics->Handle(), TRect{4, 2, 8, 6}, TRect{0, 0, 4, 4});
  EXPECT_EQ(vamire_test::CaptureDC(dc, 0, 0, 12, 8).At(4, 2), 0xFFFFFFu) << "the target waits for the end";
  EndGdipPaint(graphics);
  EXPECT_EQ(graphics, nullptr);
  const auto cap = vamire_test::CaptureDC(dc, 0, 0, 12, 8);
  EXPECT_TRUE(Near(cap.At(4, 2), 0x0000FF, 8)) << Hex(cap.At(4, 2));
  EXPECT_TRUE(Near(cap.At(7, 5), 0xFF0000, 8)) << Hex(cap.At(7, 5));
  EXPECT_EQ(cap.At(3, 2), 0xFFFFFFu);
  EXPECT_EQ(cap.At(8, 5), 0xFFFFFFu);
  SelectObject(dc, old);
  DeleteObject(dib);
  DeleteDC(dc);
}

TEST(GdipGraphicsTest, BitmapsBlendAndImagesMix) {
  // A bitmap drawn at alpha 128 over white.
  const auto red = Bitmap32(2, 2, std::vector<std::uint32_t>(4, 0xFFFF0000u));
  CanvasSurface s(4, 4);
  s.Fill(clWhite);
  {
    TdxGPGraphics graphics(s.Dc);
    graphics.DrawBitmap(red.get(), TRect{1, 1, 3, 3}, 128);
  }
  EXPECT_TRUE(Near(s.Cap().At(1, 1), Over(0xFFFF0000u, 0xFFFFFF, 128))) << Hex(s.Cap().At(1, 1));
  EXPECT_EQ(s.Cap().At(0, 0), 0xFFFFFFu);
  // Blue over red at 128: a new image of the same size.
  auto blue = TdxPNGImage::CreateImageFromBitmap(Bitmap32(2, 2, std::vector<std::uint32_t>(4, 0xFF0000FFu)).get());
  auto base = TdxPNGImage::CreateImageFromBitmap(red.get());
  const auto mixed = base->CreateBlended(blue.get(), 128);
  EXPECT_EQ(mixed->Width(), 2);
  const TRGBColors bits = mixed->GetBits();
  ASSERT_EQ(bits.size(), 4u);
  EXPECT_NEAR(bits[0].rgbRed, 127, 1);
  EXPECT_NEAR(bits[0].rgbBlue, 128, 1);
  EXPECT_EQ(bits[0].rgbReserved, 255);
}

TEST(GdipGraphicsTest, GradientsRunFromTheFirstColourToTheSecond) {
  CanvasSurface s(40, 4);
  {
    TdxGPGraphics graphics(s.Dc);
    FillRectWithGdipGradient(graphics.Handle(), TRect{0, 0, 40, 4}, clBlack, clWhite,
                             Gdiplus::LinearGradientModeHorizontal);
  }
  const auto cap = s.Cap();
  EXPECT_LT(cap.At(1, 2) & 0xFF, 0x20u);
  EXPECT_GT(cap.At(38, 2) & 0xFF, 0xE0u);
  EXPECT_LT(cap.At(10, 2) & 0xFF, cap.At(30, 2) & 0xFF);
}

}  // namespace
