// Bitmaps: pixel formats and scan lines, bitmap files both ways, damaged
// files, the streamed form, dormant images and transparent drawing.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "Graphics.h"
#include "Streams.h"
#include "graphics_test_support.h"

using graphics_test::Rgb;
using graphics_test::Surface;

namespace {

std::unique_ptr<TBitmap> MakeBitmap(TPixelFormat pf, int w, int h, TColor fill) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(pf);
  b->SetSize(w, h);
  b->Canvas()->Brush()->SetColor(fill);
  b->Canvas()->FillRect(Rect(0, 0, w, h));
  return b;
}

std::vector<std::uint8_t> FileOf(TBitmap& b) {
  TMemoryStream s;
  b.SaveToStream(&s);
  std::vector<std::uint8_t> data(size_t(s.Size()));
  s.SetPosition(0);
  if (!data.empty()) s.ReadBuffer(data.data(), std::int32_t(data.size()));
  return data;
}

void LoadBytes(TBitmap& b, const std::vector<std::uint8_t>& data) {
  TMemoryStream s;
  if (!data.empty()) s.WriteBuffer(data.data(), std::int32_t(data.size()));
  s.SetPosition(0);
  b.LoadFromStream(&s);
}

TEST(BitmapTest, EveryPixelFormatStoresItsBitsAsTheFormatSays) {
  struct Case {
    TPixelFormat Format;
    TColor Fill;
    std::vector<std::uint8_t> FirstBytes;  // of scan line 0
  } cases[] = {
      {pf1bit, clWhite, {0xFF}},
      {pf4bit, clRed, {0x99}},  // index 9 of the 16 standard colours
      {pf15bit, clRed, {0x00, 0x7C}},
      {pf16bit, clRed, {0x00, 0xF8}},
      {pf24bit, clRed, {0x00, 0x00, 0xFF, 0x00, 0x00, 0xFF}},
      {pf32bit, clBlue, {0xFF, 0x00, 0x00}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "format " << c.Format);
    auto b = MakeBitmap(c.Format, 16, 4, c.Fill);
    EXPECT_EQ(b->PixelFormat(), c.Format);
    EXPECT_EQ(b->HandleType(), bmDIB);
    auto* row = static_cast<std::uint8_t*>(b->ScanLine(0));
    EXPECT_EQ(std::vector<std::uint8_t>(row, row + c.FirstBytes.size()), c.FirstBytes);
    EXPECT_EQ(b->Canvas()->Pixels(15, 3), c.Fill);
  }
  // An 8-bit bitmap keeps indexes into its colour table, which its palette shows.
  auto b8 = MakeBitmap(pf8bit, 4, 4, clRed);
  EXPECT_EQ(b8->Canvas()->Pixels(0, 0), clRed);
  HPALETTE pal = b8->Palette();
  ASSERT_NE(pal, nullptr);
  EXPECT_EQ(GetNearestPaletteIndex(pal, RGB(255, 0, 0)), UINT(*static_cast<std::uint8_t*>(b8->ScanLine(0))));
  EXPECT_EQ(MakeBitmap(pf24bit, 2, 2, clRed)->Palette(), nullptr);
}

TEST(BitmapTest, ScanLinesAreTopDownAndWritable) {
  auto b = MakeBitmap(pf24bit, 3, 3, clWhite);
  auto* row = static_cast<std::uint8_t*>(b->ScanLine(0));
  row[0] = 0xFF, row[1] = 0, row[2] = 0;  // blue at the top left
  auto* last = static_cast<std::uint8_t*>(b->ScanLine(2));
  last[6] = 0, last[7] = 0, last[8] = 0xFF;  // red at the bottom right
  EXPECT_EQ(b->Canvas()->Pixels(0, 0), clBlue);
  EXPECT_EQ(b->Canvas()->Pixels(2, 2), clRed);
  for (int bad : {-1, 3}) EXPECT_THROW(b->ScanLine(bad), EInvalidGraphicOperation);
  try {
    b->ScanLine(3);
  } catch (const EInvalidGraphicOperation& e) {
    EXPECT_EQ(e.Message(), L"Scan line index out of range");
  }
}

TEST(BitmapTest, DeviceBitmapsBecomeDibsForScanLinesAndMonochromeDrawsBlackOnWhite) {
  TBitmap b;
  b.SetSize(8, 8);
  EXPECT_EQ(b.PixelFormat(), pfDevice);
  EXPECT_EQ(b.HandleType(), bmDDB);
  EXPECT_EQ(b.Canvas()->Pixels(7, 7), clWhite) << "new area of a bitmap is white";
  b.Canvas()->SetPixels(1, 1, clRed);
  ASSERT_NE(b.ScanLine(1), nullptr);
  EXPECT_EQ(b.HandleType(), bmDIB);
  EXPECT_EQ(b.Canvas()->Pixels(1, 1), clRed);

  TBitmap m;
  m.SetSize(4, 4);
  m.SetMonochrome(true);
  EXPECT_TRUE(m.Monochrome());
  m.Canvas()->Brush()->SetColor(clBlack);
  m.Canvas()->FillRect(Rect(0, 0, 2, 4));
  Surface s(4, 4);
  s.Fill(clRed);
  s.Canvas.Font()->SetColor(clLime);  // must not colour a monochrome picture
  s.Canvas.Draw(0, 0, &m);
  auto c = s.Cap();
  EXPECT_EQ(c.At(0, 0), 0u);
  EXPECT_EQ(c.At(3, 3), 0xFFFFFFu);
}

TEST(BitmapTest, ResizingKeepsThePixelsAndAddsWhite) {
  auto b = MakeBitmap(pf24bit, 4, 4, clRed);
  b->SetSize(8, 6);
  EXPECT_EQ(b->Width(), 8);
  EXPECT_EQ(b->Height(), 6);
  EXPECT_EQ(b->Canvas()->Pixels(3, 3), clRed);
  EXPECT_EQ(b->Canvas()->Pixels(7, 5), clWhite);
  b->SetSize(0, 6);
  EXPECT_TRUE(b->Empty());
  EXPECT_FALSE(b->HandleAllocated());
}

TEST(BitmapTest, FilesReadBackWithTheirFormatAndPixels) {
  for (TPixelFormat pf : {pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfDevice}) {
    SCOPED_TRACE(testing::Message() << "format " << pf);
    auto b = MakeBitmap(pf, 13, 7, clWhite);
    b->Canvas()->Brush()->SetColor(clBlack);
    b->Canvas()->FillRect(Rect(0, 0, 5, 3));
    std::vector<std::uint8_t> file = FileOf(*b);
    ASSERT_GT(file.size(), 54u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    TBitmap back;
    LoadBytes(back, file);
    EXPECT_EQ(back.Width(), 13);
    EXPECT_EQ(back.Height(), 7);
    EXPECT_EQ(back.PixelFormat(), pf == pfDevice ? pf24bit : pf);
    EXPECT_EQ(back.Canvas()->Pixels(4, 2), clBlack);
    EXPECT_EQ(back.Canvas()->Pixels(5, 2), clWhite);
    EXPECT_EQ(back.Canvas()->Pixels(4, 3), clWhite);
  }
}

// A 2 x 2 file: header fields set by the caller, 24-bit rows of 8 bytes.
std::vector<std::uint8_t> SmallBmp(int height, std::uint16_t bpp = 24, std::uint32_t compression = BI_RGB) {
  std::vector<std::uint8_t> f(54 + 16, 0);
  auto put32 = [&](size_t at, std::uint32_t v) { std::memcpy(&f[at], &v, 4); };
  auto put16 = [&](size_t at, std::uint16_t v) { std::memcpy(&f[at], &v, 2); };
  f[0] = 'B', f[1] = 'M';
  put32(2, std::uint32_t(f.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, 2);
  put32(22, std::uint32_t(height));
  put16(26, 1);
  put16(28, bpp);
  put32(30, compression);
  // first stored row: blue, blue; second: red, red
  const std::uint8_t rows[16] = {0xFF, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0};
  std::memcpy(&f[54], rows, 16);
  return f;
}

TEST(BitmapTest, TopDownFilesAndRunLengthFilesRead) {
  TBitmap up, down;
  LoadBytes(up, SmallBmp(2));
  LoadBytes(down, SmallBmp(-2));
  EXPECT_EQ(up.Canvas()->Pixels(0, 1), clBlue) << "bottom-up: first stored row is the bottom";
  EXPECT_EQ(down.Canvas()->Pixels(0, 0), clBlue) << "top-down: first stored row is the top";
  EXPECT_EQ(down.Canvas()->Pixels(1, 1), clRed);

  // 8-bit run-length: 4 x 2, bottom row "3 x index 1, 1 x index 0", top row index 1.
  std::vector<std::uint8_t> f(54 + 8 + 12, 0);
  auto put32 = [&](size_t at, std::uint32_t v) { std::memcpy(&f[at], &v, 4); };
  f[0] = 'B', f[1] = 'M';
  put32(10, 54 + 8);
  put32(14, 40);
  put32(18, 4);
  put32(22, 2);
  f[26] = 1;
  f[28] = 8;
  put32(30, BI_RLE8);
  put32(46, 2);
  const std::uint8_t table[8] = {0xFF, 0xFF, 0xFF, 0, 0, 0, 0xFF, 0};  // white, red
  std::memcpy(&f[54], table, 8);
  const std::uint8_t runs[12] = {3, 1, 1, 0, 0, 0, 4, 1, 0, 1, 0, 0};
  std::memcpy(&f[62], runs, 12);
  TBitmap rle;
  LoadBytes(rle, f);
  EXPECT_EQ(rle.PixelFormat(), pf8bit);
  EXPECT_EQ(rle.Canvas()->Pixels(2, 1), clRed);
  EXPECT_EQ(rle.Canvas()->Pixels(3, 1), clWhite);
  EXPECT_EQ(rle.Canvas()->Pixels(3, 0), clRed);
}

TEST(BitmapTest, DamagedFilesRaiseAndLeaveTheBitmapAsItWas) {
  struct Case {
    const char* What;
    std::vector<std::uint8_t> Data;
  };
  std::vector<Case> cases;
  auto badSig = SmallBmp(2);
  badSig[0] = 'X';
  cases.push_back({"signature", badSig});
  auto cut = SmallBmp(2);
  cut.resize(60);
  cases.push_back({"cut in the pixels", cut});
  auto headerOnly = SmallBmp(2);
  headerOnly.resize(20);
  cases.push_back({"header only", headerOnly});
  cases.push_back({"7 bits per pixel", SmallBmp(2, 7)});
  cases.push_back({"unknown compression", SmallBmp(2, 24, 9)});
  cases.push_back({"rle on 24 bits", SmallBmp(2, 24, BI_RLE8)});
  cases.push_back({"zero height", SmallBmp(0)});
  cases.push_back({"absurd height", SmallBmp(1 << 30)});
  auto hdr = SmallBmp(2);
  hdr[14] = 41;
  cases.push_back({"header size", hdr});
  auto off = SmallBmp(2);
  off[10] = 0xF0, off[11] = 0xFF;
  cases.push_back({"pixel offset past the end", off});
  auto colors = SmallBmp(2, 8);
  colors[46] = 0x01, colors[47] = 0x01;  // 257 colours
  cases.push_back({"colour count", colors});
  auto fields = SmallBmp(2, 16, BI_BITFIELDS);
  cases.push_back({"unsupported bit masks", fields});

  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    auto b = MakeBitmap(pf24bit, 3, 3, clRed);
    try {
      LoadBytes(*b, c.Data);
      ADD_FAILURE() << "no error";
    } catch (const EInvalidGraphic& e) {
      EXPECT_EQ(e.Message(), L"Bitmap image is not valid");
    }
    EXPECT_EQ(b->Width(), 3);
    EXPECT_EQ(b->Canvas()->Pixels(1, 1), clRed);
  }
}

TEST(BitmapTest, StreamedFormIsALengthThenTheFile) {
  auto b = MakeBitmap(pf24bit, 5, 3, clLime);
  TMemoryStream s;
  b->WriteData(&s);
  std::int32_t length = 0;
  s.SetPosition(0);
  s.ReadBuffer(&length, 4);
  EXPECT_EQ(length, std::int32_t(s.Size() - 4));
  char sig[2] = {};
  s.ReadBuffer(sig, 2);
  EXPECT_EQ(sig[0], 'B');
  s.SetPosition(0);
  TBitmap back;
  back.ReadData(&s);
  EXPECT_EQ(back.Width(), 5);
  EXPECT_EQ(back.Canvas()->Pixels(4, 2), clLime);
  EXPECT_EQ(s.Position(), s.Size());

  TBitmap empty;
  TMemoryStream e;
  empty.WriteData(&e);
  EXPECT_EQ(e.Size(), 4);
  e.SetPosition(0);
  back.ReadData(&e);
  EXPECT_TRUE(back.Empty());

  // A length beyond the data is a read error, not a read past the end.
  TMemoryStream cut;
  const std::int32_t big = 1000;
  cut.WriteBuffer(&big, 4);
  cut.WriteBuffer("BM", 2);
  cut.SetPosition(0);
  EXPECT_THROW(back.ReadData(&cut), EReadError);
}

TEST(BitmapTest, DormantBitmapsLetGoOfTheirHandleAndKeepTheirImage) {
  auto b = MakeBitmap(pf8bit, 6, 6, clBlue);
  b->Canvas()->SetPixels(2, 3, clRed);
  b->Dormant();
  EXPECT_FALSE(b->HandleAllocated());
  EXPECT_EQ(b->Width(), 6);
  EXPECT_EQ(b->PixelFormat(), pf8bit);
  EXPECT_EQ(b->Canvas()->Pixels(2, 3), clRed);
  EXPECT_EQ(b->Canvas()->Pixels(0, 0), clBlue);
  EXPECT_TRUE(b->HandleAllocated());

  TBitmap device;
  device.SetSize(3, 3);
  device.Dormant();
  EXPECT_EQ(device.Canvas()->Pixels(1, 1), clWhite);
  EXPECT_EQ(device.PixelFormat(), pfDevice);
}

TEST(BitmapTest, AssignCopiesAndTheCopiesStayApart) {
  auto a = MakeBitmap(pf4bit, 4, 4, clRed);
  TBitmap b;
  b.Assign(a.get());
  EXPECT_EQ(b.PixelFormat(), pf4bit);
  a->Canvas()->SetPixels(0, 0, clBlue);
  EXPECT_EQ(b.Canvas()->Pixels(0, 0), clRed);
  EXPECT_EQ(a->Canvas()->Pixels(0, 0), clBlue);
  b.Assign(nullptr);
  EXPECT_TRUE(b.Empty());
}

TEST(BitmapTest, TransparentColourKeepsTheBackgroundWhereItIs) {
  auto b = MakeBitmap(pf24bit, 4, 4, clFuchsia);
  b->Canvas()->Brush()->SetColor(clBlue);
  b->Canvas()->FillRect(Rect(1, 0, 3, 3));
  EXPECT_EQ(b->TransparentColor(), clFuchsia | 0x02000000) << "automatic: the bottom-left pixel";
  b->SetTransparent(true);
  Surface s(8, 8);
  s.Fill(clYellow);
  s.Canvas.StretchDraw(Rect(0, 0, 8, 8), b.get());
  s.Save(L"bitmap_transparent");
  auto c = s.Cap();
  EXPECT_EQ(c.At(0, 0), Rgb(clYellow));
  EXPECT_EQ(c.At(3, 2), Rgb(clBlue));
  EXPECT_EQ(c.At(7, 7), Rgb(clYellow));

  b->SetTransparentColor(clBlue);
  EXPECT_EQ(b->TransparentMode(), tmFixed);
  s.Fill(clYellow);
  s.Canvas.Draw(0, 0, b.get());
  c = s.Cap();
  EXPECT_EQ(c.At(1, 1), Rgb(clYellow));
  EXPECT_EQ(c.At(0, 0), Rgb(clFuchsia));
  b->SetTransparentMode(tmAuto);
  EXPECT_EQ(b->TransparentColor(), clFuchsia | 0x02000000);
}

TEST(BitmapTest, BrushPatternAndOwnHandle) {
  auto pattern = MakeBitmap(pf24bit, 8, 8, clRed);
  pattern->Canvas()->Brush()->SetColor(clBlue);
  pattern->Canvas()->FillRect(Rect(0, 0, 4, 8));
  Surface s(16, 8);
  s.Canvas.Brush()->SetBitmap(pattern.get());
  s.Canvas.FillRect(Rect(0, 0, 16, 8));
  auto c = s.Cap();
  EXPECT_EQ(c.At(1, 1), Rgb(clBlue));
  EXPECT_EQ(c.At(5, 1), Rgb(clRed));
  EXPECT_EQ(c.At(9, 1), Rgb(clBlue));
  s.Canvas.Brush()->SetBitmap(nullptr);

  TBitmap owner;
  HBITMAP h = CreateBitmap(5, 4, 1, 1, nullptr);
  owner.SetHandle(h);
  EXPECT_EQ(owner.Width(), 5);
  EXPECT_TRUE(owner.Monochrome());
  EXPECT_EQ(owner.ReleaseHandle(), h);
  EXPECT_TRUE(owner.Empty());
  DeleteObject(h);
}

}  // namespace
