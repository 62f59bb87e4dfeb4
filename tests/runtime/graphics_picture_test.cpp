// Pictures: JPEG decoding (fixtures encoded here with libjpeg), icons, the
// format registry by extension, the streamed form, and the errors of damaged
// and unknown files.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>

#include "Graphics.h"
#include "Jpeg.h"
#include "Streams.h"
#include "Streams_win.h"
#include "graphics_test_support.h"
#include "support/JpegFixture.h"

using graphics_test::Rgb;
using graphics_test::Surface;

namespace {

using Bytes = std::vector<std::uint8_t>;

using test_support::EncodeJpeg;

// 32 x 16: the left half red, the right half blue.
Bytes RedBlueJpeg() {
  return EncodeJpeg(32, 16, 3, [](int x, int, std::uint8_t* p) {
    p[0] = x < 16 ? 255 : 0;
    p[1] = 0;
    p[2] = x < 16 ? 0 : 255;
  });
}

bool Near(std::uint32_t rgb, std::uint32_t want, int tolerance = 40) {
  for (int shift : {0, 8, 16})
    if (std::abs(int(rgb >> shift & 0xFF) - int(want >> shift & 0xFF)) > tolerance) return false;
  return true;
}

class TempFiles {
 public:
  TempFiles() {
    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    FDir = String(dir) + L"vamire_graphics_" + std::to_wstring(GetCurrentProcessId()) + L"\\";
    CreateDirectoryW(FDir.c_str(), nullptr);
  }
  ~TempFiles() {
    for (const auto& f : FFiles) DeleteFileW(f.c_str());
    RemoveDirectoryW(FDir.c_str());
  }
  String Write(const String& name, const Bytes& data) {
    String path = FDir + name;
    FILE* f = _wfopen(path.c_str(), L"wb");
    if (f) {
      if (!data.empty()) std::fwrite(data.data(), 1, data.size(), f);
      std::fclose(f);
    }
    FFiles.push_back(path);
    return path;
  }

 private:
  String FDir;
  std::vector<String> FFiles;
};

void LoadJpeg(TJPEGImage& jpeg, const Bytes& data) {
  TMemoryStream s;
  if (!data.empty()) s.WriteBuffer(data.data(), std::int32_t(data.size()));
  s.SetPosition(0);
  jpeg.LoadFromStream(&s);
}

TEST(JpegTest, DecodesToTheEncodedSizeAndColours) {
  TJPEGImage jpeg;
  LoadJpeg(jpeg, RedBlueJpeg());
  EXPECT_EQ(jpeg.Width(), 32);
  EXPECT_EQ(jpeg.Height(), 16);
  EXPECT_FALSE(jpeg.Grayscale());
  Surface s(40, 20);
  s.Canvas.Draw(4, 2, &jpeg);
  s.Save(L"jpeg_red_blue");
  auto c = s.Cap();
  EXPECT_TRUE(Near(c.At(8, 10), 0xFF0000)) << std::hex << c.At(8, 10);
  EXPECT_TRUE(Near(c.At(32, 10), 0x0000FF)) << std::hex << c.At(32, 10);
  EXPECT_EQ(c.At(2, 10), 0xFFFFFFu) << "drawn outside its place";

  TBitmap bitmap;
  bitmap.Assign(&jpeg);
  EXPECT_EQ(bitmap.PixelFormat(), pf24bit);
  EXPECT_EQ(bitmap.Width(), 32);
  TMemoryStream saved;
  jpeg.SaveToStream(&saved);
  EXPECT_EQ(saved.Size(), std::int64_t(RedBlueJpeg().size())) << "saving writes the data as read";
}

TEST(JpegTest, GrayscalePicturesDecodeGray) {
  TJPEGImage jpeg;
  LoadJpeg(jpeg, EncodeJpeg(16, 16, 1, [](int, int, std::uint8_t* p) { p[0] = 0x80; }));
  EXPECT_TRUE(jpeg.Grayscale());
  Surface s(16, 16);
  s.Canvas.Draw(0, 0, &jpeg);
  EXPECT_TRUE(Near(s.Cap().At(8, 8), 0x808080, 4));
}

TEST(JpegTest, DamagedPicturesRaiseTheLibrarysMessageAndKeepTheOldImage) {
  const Bytes good = RedBlueJpeg();
  // The data of the first scan starts after the start-of-scan marker.
  size_t sos = 0;
  for (size_t i = 0; i + 1 < good.size(); ++i)
    if (good[i] == 0xFF && good[i + 1] == 0xDA) sos = i;
  ASSERT_GT(sos, 0u);
  size_t sof = 0;
  for (size_t i = 0; i + 1 < good.size() && !sof; ++i)
    if (good[i] == 0xFF && (good[i + 1] == 0xC0 || good[i + 1] == 0xC2)) sof = i;
  ASSERT_GT(sof, 0u);

  struct Case {
    const char* What;
    Bytes Data;
    const wchar_t* Message;  // null: any message
  };
  std::vector<Case> cases;
  cases.push_back({"cut in half", Bytes(good.begin(), good.begin() + long(good.size() / 2)), nullptr});
  cases.push_back({"cut after the header", Bytes(good.begin(), good.begin() + long(sos + 20)), nullptr});
  cases.push_back({"start marker only", Bytes{0xFF, 0xD8}, nullptr});
  cases.push_back({"empty", Bytes{}, L"Empty input file"});
  cases.push_back({"not a picture", Bytes{'h', 'e', 'l', 'l', 'o', '!'}, nullptr});
  Bytes endInScan = good;
  endInScan[sos + 30] = 0xFF;
  endInScan[sos + 31] = 0xD9;
  cases.push_back({"end marker inside the scan", endInScan, nullptr});
  Bytes huge = good;
  huge[sof + 5] = huge[sof + 6] = huge[sof + 7] = huge[sof + 8] = 0xFE;  // 65278 x 65278
  cases.push_back({"absurd size", huge, L"JPEG image is too large (65278x65278)"});

  TJPEGImage jpeg;
  LoadJpeg(jpeg, good);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    try {
      LoadJpeg(jpeg, c.Data);
      ADD_FAILURE() << "no error";
    } catch (const EJPEG& e) {
      EXPECT_FALSE(e.Message().empty());
      if (c.Message) {
        EXPECT_EQ(e.Message(), c.Message);
      }
    }
    EXPECT_EQ(jpeg.Width(), 32);
  }
  try {
    LoadJpeg(jpeg, cases[0].Data);
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), L"Premature end of JPEG file");
  }
}

// A 16 x 16 icon file, 32 bits per pixel, all red; the left column transparent.
Bytes RedIcon() {
  const int n = 16;
  Bytes f(6 + 16 + 40 + n * n * 4 + n * 4, 0);
  auto put32 = [&](size_t at, std::uint32_t v) { std::memcpy(&f[at], &v, 4); };
  f[2] = 1, f[4] = 1;                                // type icon, one image
  f[6] = n, f[7] = n, f[10] = 1, f[12] = 32;         // 16 x 16, planes 1, 32 bits
  put32(14, std::uint32_t(f.size() - 22));           // bytes of the image
  put32(18, 22);                                     // where it starts
  put32(22, 40), put32(26, n), put32(30, 2 * n);     // header, width, twice the height
  f[34] = 1, f[36] = 32;
  for (int i = 0; i < n * n; ++i) {
    const bool clear = i % n == 0;
    put32(62 + size_t(i) * 4, clear ? 0 : 0xFFFF0000u);
  }
  for (int row = 0; row < n; ++row) f[62 + n * n * 4 + size_t(row) * 4] = 0x80;  // left column
  return f;
}

TEST(PictureTest, LoadFromFilePicksTheClassByExtension) {
  TempFiles files;
  TPicture picture;
  picture.LoadFromFile(files.Write(L"logo.jpg", RedBlueJpeg()));
  EXPECT_NE(dynamic_cast<TJPEGImage*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Width(), 32);
  picture.LoadFromFile(files.Write(L"CLOGO.JPEG", RedBlueJpeg()));
  EXPECT_NE(dynamic_cast<TJPEGImage*>(picture.Graphic()), nullptr);

  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetSize(3, 2);
  TMemoryStream bmp;
  bitmap->SaveToStream(&bmp);
  Bytes bmpData(size_t(bmp.Size()));
  bmp.SetPosition(0);
  bmp.ReadBuffer(bmpData.data(), std::int32_t(bmpData.size()));
  picture.LoadFromFile(files.Write(L"a.b.Bmp", bmpData));
  EXPECT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Height(), 2);

  picture.LoadFromFile(files.Write(L"icon.ico", RedIcon()));
  ASSERT_NE(dynamic_cast<TIcon*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Width(), 16);
  Surface s(16, 16);
  s.Canvas.Draw(0, 0, picture.Graphic());
  auto c = s.Cap();
  EXPECT_EQ(c.At(8, 8), 0xFF0000u);
  EXPECT_EQ(c.At(0, 8), 0xFFFFFFu) << "the icon's transparent column";
}

TEST(PictureTest, UnknownDamagedAndMissingFilesRaiseAndKeepThePicture) {
  TempFiles files;
  TPicture picture;
  picture.Bitmap()->SetSize(7, 5);
  TGraphic* before = picture.Graphic();
  Bytes cutBmp = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 100, 0, 0, 0, 100, 0};
  Bytes good = RedBlueJpeg();
  struct Case {
    String Name;
    Bytes Data;
    const wchar_t* Message;  // null: the library's own
  } cases[] = {
      {L"logo.gif", good, L"Unknown picture file extension (.gif)"},
      {L"noextension", good, L"Unknown picture file extension (.)"},
      {L"bad.bmp", cutBmp, L"Bitmap image is not valid"},
      {L"bad.ico", Bytes{0, 0, 1, 0, 0, 0}, L"Icon image is not valid"},
      {L"cut.jpg", Bytes(good.begin(), good.begin() + long(good.size() / 3)), nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << std::string(c.Name.begin(), c.Name.end()));
    try {
      picture.LoadFromFile(files.Write(c.Name, c.Data));
      ADD_FAILURE() << "no error";
    } catch (const EInvalidGraphic& e) {
      if (c.Message) {
        EXPECT_EQ(e.Message(), c.Message);
      } else {
        EXPECT_FALSE(e.Message().empty());
      }
    }
    EXPECT_EQ(picture.Graphic(), before);
    EXPECT_EQ(picture.Width(), 7);
  }
  EXPECT_THROW(picture.LoadFromFile(L"Z:\\no\\such\\folder\\logo.jpg"), EFOpenError);
  EXPECT_EQ(picture.Graphic(), before);
}

class TTestGraphic : public TGraphic {
  VAMIRE_CLASS(TTestGraphic, TGraphic)
 public:
  bool Empty() override { return FData.empty(); }
  int Width() override { return int(FData.size()); }
  void SetWidth(int) override {}
  int Height() override { return 1; }
  void SetHeight(int) override {}
  void LoadFromStream(TStream* Stream) override { FData = ReadGraphicData(Stream); }
  void SaveToStream(TStream*) override {}
  void Draw(TCanvas*, const TRect&) override {}

 private:
  Bytes FData;
};

TEST(PictureTest, RegisteredFormatsComeFirstAndGoWhenUnregistered) {
  TPicture::RegisterFileFormat(L".tst", L"Test pictures", TTestGraphic::StaticClass());
  EXPECT_EQ(GraphicFilter(TGraphic::StaticClass()),
            L"All (*.tst;*.jpg;*.jpeg;*.bmp;*.ico)|*.tst;*.jpg;*.jpeg;*.bmp;*.ico"
            L"|Test pictures (*.tst)|*.tst|JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg"
            L"|Bitmaps (*.bmp)|*.bmp|Icons (*.ico)|*.ico");
  EXPECT_EQ(GraphicFilter(TBitmap::StaticClass()), L"All (*.bmp)|*.bmp|Bitmaps (*.bmp)|*.bmp");
  EXPECT_EQ(GraphicExtension(TJPEGImage::StaticClass()), L"jpg");
  EXPECT_EQ(GraphicFileMask(TJPEGImage::StaticClass()), L"*.jpg;*.jpeg");
  TempFiles files;
  TPicture picture;
  picture.LoadFromFile(files.Write(L"five.TST", Bytes(5, 1)));
  ASSERT_NE(dynamic_cast<TTestGraphic*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Width(), 5);
  TPicture::UnregisterGraphicClass(TTestGraphic::StaticClass());
  EXPECT_EQ(GraphicClassForExtension(L"tst"), nullptr);
  EXPECT_THROW(picture.LoadFromFile(files.Write(L"six.tst", Bytes(6, 1))), EInvalidGraphic);
}

TEST(PictureTest, StreamedFormNamesTheClassThenHoldsItsData) {
  TPicture picture;
  picture.Bitmap()->SetSize(4, 3);
  picture.Bitmap()->Canvas()->SetPixels(1, 1, clRed);
  TMemoryStream s;
  picture.WriteData(&s);
  s.SetPosition(0);
  char name[8] = {};
  s.ReadBuffer(name, 8);
  EXPECT_EQ(std::string(name, 8), std::string("\7TBitmap"));
  s.SetPosition(0);
  TPicture back;
  back.ReadData(&s);
  ASSERT_NE(dynamic_cast<TBitmap*>(back.Graphic()), nullptr);
  EXPECT_EQ(back.Bitmap()->Canvas()->Pixels(1, 1), clRed);

  TJPEGImage jpeg;
  LoadJpeg(jpeg, RedBlueJpeg());
  picture.SetGraphic(&jpeg);
  TMemoryStream j;
  picture.WriteData(&j);
  j.SetPosition(0);
  back.ReadData(&j);
  ASSERT_NE(dynamic_cast<TJPEGImage*>(back.Graphic()), nullptr);
  EXPECT_EQ(back.Width(), 32);
  EXPECT_EQ(j.Position(), j.Size());

  // A class this program does not have leaves the picture empty.
  TMemoryStream other;
  other.WriteBuffer("\011TMetafile\0\0\0\0", 14);
  other.SetPosition(0);
  back.ReadData(&other);
  EXPECT_EQ(back.Graphic(), nullptr);
}

TEST(PictureTest, GraphicsAssignAcrossClassesThroughABitmap) {
  TIcon icon;
  Bytes data = RedIcon();
  icon.LoadFromBytes(data.data(), data.size());
  TBitmap bitmap;
  bitmap.Assign(&icon);
  EXPECT_EQ(bitmap.Width(), 16);
  EXPECT_EQ(bitmap.Canvas()->Pixels(8, 8), clRed);
  EXPECT_THROW(icon.SetWidth(32), EInvalidGraphicOperation);
  TIcon copy;
  copy.Assign(&icon);
  EXPECT_EQ(copy.Width(), 16);
  EXPECT_NE(copy.Handle(), icon.Handle());
  TJPEGImage jpeg;
  EXPECT_THROW(jpeg.Assign(&bitmap), EConvertError);
}

TEST(PictureTest, AnIconMadeFromAHandleSavesAsAnIconFile) {
  TIcon original;
  Bytes data = RedIcon();
  original.LoadFromBytes(data.data(), data.size());
  TIcon fromHandle;
  fromHandle.SetHandle(CopyIcon(original.Handle()));
  EXPECT_EQ(fromHandle.Width(), 16);
  TMemoryStream s;
  fromHandle.SaveToStream(&s);
  ASSERT_GT(s.Size(), 22);
  s.SetPosition(0);
  TIcon back;
  back.LoadFromStream(&s);
  Surface surface(16, 16);
  surface.Canvas.Draw(0, 0, &back);
  auto c = surface.Cap();
  EXPECT_EQ(c.At(8, 8), 0xFF0000u);
  EXPECT_EQ(c.At(0, 8), 0xFFFFFFu);
}

TEST(PictureTest, ClipboardFormatsOfBitmapsAndOthers) {
  TBitmap source;
  source.SetSize(3, 3);
  source.Canvas()->SetPixels(2, 2, clRed);
  std::uint16_t format = 0;
  HANDLE data = nullptr;
  HPALETTE palette = nullptr;
  source.SaveToClipboardFormat(format, data, palette);
  EXPECT_EQ(format, CF_BITMAP);
  ASSERT_NE(data, nullptr);
  TBitmap back;
  back.LoadFromClipboardFormat(format, data, palette);
  DeleteObject(data);
  EXPECT_EQ(back.Width(), 3);
  EXPECT_EQ(back.Canvas()->Pixels(2, 2), clRed);
  EXPECT_THROW(back.LoadFromClipboardFormat(CF_TEXT, nullptr, nullptr), EInvalidGraphic);
  TJPEGImage jpeg;
  EXPECT_THROW(jpeg.SaveToClipboardFormat(format, data, palette), EInvalidGraphic);
}

}  // namespace
