// The toolkit's image list: adding strips and masked bitmaps, moving and
// inserting in both the system list and the infos, alpha images and masks
// drawn, its stream format (and the older one) read back pixel for pixel,
// damaged streams refused with the list left as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "FormText.h"
#include "images_win_test_support.h"

using namespace images_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TImageUnits);

struct TChangeCounter {
  int Count = 0;
  void Changed(TObject*) { ++Count; }
};

// A w x h 24-bit bitmap of one colour.
std::unique_ptr<TBitmap> Solid(int w, int h, TColor colour) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf24bit);
  bitmap->SetSize(w, h);
  bitmap->Canvas()->Brush()->SetColor(colour);
  bitmap->Canvas()->FillRect(TRect{0, 0, w, h});
  return bitmap;
}

// A strip of n images of 16 x 16, image k filled with colour k * 0x101010 + 0x20.
std::unique_ptr<TBitmap> Strip(int n, int rows = 1) {
  auto strip = Solid(16 * n, 16 * rows, clBlack);
  for (int k = 0; k < n * rows; ++k) {
    strip->Canvas()->Brush()->SetColor(TColor(0x20 + 0x101010 * k));
    strip->Canvas()->FillRect(Bounds(16 * (k % n), 16 * (k / n), 16, 16));
  }
  return strip;
}

// The pixels (0xAARRGGBB, rows from the top) of image i and of its mask as the system list holds them.
std::vector<std::uint32_t> SystemPixels(TCustomImageList* list, int i, bool mask = false) {
  TcxBitmap32 bitmap(list->Width(), list->Height(), true);
  TcxImageList::ReadImageBitmaps(list->Handle(), i, mask ? &bitmap : nullptr, mask ? nullptr : &bitmap);
  TRGBColors pixels;
  GetBitmapColors(&bitmap, pixels, true);
  std::vector<std::uint32_t> result;
  for (const TRGBQuad& p : pixels) result.push_back(PackRGBQuad(p) & (mask ? 0xFFFFFFu : 0xFFFFFFFFu));
  return result;
}

std::uint32_t FirstPixel(TCustomImageList* list, int i) { return SystemPixels(list, i)[0] & 0xFFFFFF; }

// The colour of image k of a Strip, as a capture holds it.
std::uint32_t StripColour(int k) { return Rgb(TColor(0x20 + 0x101010 * k)); }

// Image and mask pixels of every image.
std::vector<std::vector<std::uint32_t>> AllPixels(TCustomImageList* list) {
  std::vector<std::vector<std::uint32_t>> all;
  for (int i = 0; i < list->Count(); ++i) {
    all.push_back(SystemPixels(list, i));
    all.push_back(SystemPixels(list, i, true));
  }
  return all;
}

// --- Adding and editing -------------------------------------------------------------------

TEST(ImageListTest, StripsBecomeOneInfoPerImage) {
  TcxImageList list(nullptr);
  EXPECT_TRUE(list.AlphaBlending());
  EXPECT_EQ(list.Width(), 16);
  EXPECT_EQ(list.AddBitmap(Strip(4).get(), nullptr), 0);
  EXPECT_EQ(list.Count(), 4);
  ASSERT_EQ(list.ImageInfo()->Count(), 4);
  for (int k = 0; k < 4; ++k) {
    TcxImageInfo* info = list.ImageInfo()->Items(k)->ImageInfo();
    EXPECT_EQ(info->Image()->Width(), 16);
    EXPECT_EQ(info->Image()->Height(), 16);
    EXPECT_EQ(info->MaskColor(), clNone);
    EXPECT_EQ(FirstPixel(&list, k), StripColour(k));
  }
  EXPECT_EQ(TcxImageList::GetImageListBitsPerPixel(list.Handle()), 32);
  // Index -1 reads the system list's whole bitmap, every image in it.
  TBitmap whole, wholeMask;
  TcxImageList::ReadImageBitmaps(list.Handle(), -1, &wholeMask, &whole);
  EXPECT_GE(whole.Width() * whole.Height(), 4 * 16 * 16);
  EXPECT_EQ(wholeMask.Width(), whole.Width());
  TImageList empty(nullptr);
  EXPECT_EQ(TcxImageList::GetImageListBitsPerPixel(empty.Handle()), 0);
  // A bitmap that is no strip is kept whole.
  EXPECT_EQ(list.AddBitmap(Solid(20, 16, clRed).get(), nullptr), 4);
  EXPECT_EQ(list.ImageInfo()->Items(4)->Image()->Width(), 20);
  // A strip of two rows: the system list takes its first row, and so do the infos.
  TcxImageList rows(nullptr);
  rows.AddBitmap(Strip(2, 2).get(), nullptr);
  EXPECT_EQ(rows.Count(), 2);
  EXPECT_EQ(rows.ImageInfo()->Count(), 2);
  EXPECT_EQ(GetStripImageCount(Strip(2, 2).get(), 16, 16), 4);
  EXPECT_EQ(GetStripImageCount(Solid(20, 16, clRed).get(), 16, 16), 1);
}

TEST(ImageListTest, MaskColoursAndMasks) {
  TcxImageList list(nullptr, 4, 4);
  auto keyed = Solid(4, 4, clFuchsia);
  keyed->Canvas()->Brush()->SetColor(clBlue);
  keyed->Canvas()->FillRect(TRect{0, 0, 2, 2});
  EXPECT_EQ(list.AddBitmapMasked(keyed.get(), clFuchsia), 0);
  EXPECT_EQ(keyed->Canvas()->Pixels(3, 3), clFuchsia) << "the caller's bitmap is left alone";
  EXPECT_EQ(list.ImageInfo()->Items(0)->MaskColor(), clFuchsia);
  EXPECT_TRUE(list.ImageInfo()->Items(0)->Mask()->Empty());
  // clNone adds without a mask: every pixel opaque.
  EXPECT_EQ(list.AddBitmapMasked(keyed.get(), clNone), 1);
  EXPECT_EQ(list.ImageInfo()->Items(1)->MaskColor(), clNone);
  EXPECT_EQ(SystemPixels(&list, 1, true), std::vector<std::uint32_t>(16, 0));
  // An explicit mask: white is transparent.
  auto mask = Solid(4, 4, clBlack);
  mask->SetMonochrome(true);
  mask->Canvas()->Brush()->SetColor(clWhite);
  mask->Canvas()->FillRect(TRect{2, 0, 4, 4});
  EXPECT_EQ(list.AddBitmap(Solid(4, 4, clLime).get(), mask.get()), 2);
  CanvasSurface s(16, 6);
  s.Fill(clWhite);
  for (int i = 0; i < 3; ++i) list.Draw(&s.Canvas, 1 + 5 * i, 1, i);
  const auto cap = s.Cap();
  EXPECT_EQ(cap.At(1, 1), 0x0000FFu);
  EXPECT_EQ(cap.At(4, 4), 0xFFFFFFu) << "the key colour left out";
  EXPECT_EQ(cap.At(9, 4), 0xFF00FFu) << "without a mask the key colour shows";
  EXPECT_EQ(cap.At(11, 1), 0x00FF00u);
  EXPECT_EQ(cap.At(14, 1), 0xFFFFFFu) << "the mask's white left out";
}

TEST(ImageListTest, ThirtyTwoBitImagesAddedByColourDrawWithoutIt) {
  // A 32-bit image without alpha, added by its key colour: its stored pixels
  // still hold the key, so its mask comes from the system list.
  TcxImageList list(nullptr, 2, 1);
  const auto image = Bitmap32(2, 1, {0x00FF00FFu, 0x000000FFu});
  list.AddBitmapMasked(image.get(), clFuchsia);
  CanvasSurface s(4, 3);
  s.Fill(clWhite);
  list.Draw(&s.Canvas, 1, 1, 0);
  EXPECT_EQ(s.Cap().At(1, 1), 0xFFFFFFu);
  EXPECT_EQ(s.Cap().At(2, 1), 0x0000FFu);
}

TEST(ImageListTest, MovingInsertingReplacingDeleting) {
  TcxImageList list(nullptr);
  TChangeCounter changes;
  list.OnChange = TNotifyEvent(&changes, &TChangeCounter::Changed);
  list.AddBitmap(Strip(5).get(), nullptr);
  EXPECT_EQ(changes.Count, 1) << "one notice for the whole strip";
  auto order = [&] {
    std::vector<unsigned> system, infos;
    for (int i = 0; i < list.Count(); ++i) {
      system.push_back((FirstPixel(&list, i) & 0xFF) >> 4);
      infos.push_back((Rgb(list.ImageInfo()->Items(i)->Image()->Canvas()->Pixels(0, 0)) & 0xFF) >> 4);
    }
    EXPECT_EQ(system, infos);
    return system;
  };
  // Images told apart by their blue: 0x10 * k for image k of a strip.
  EXPECT_EQ(order(), (std::vector<unsigned>{0, 1, 2, 3, 4}));
  list.MoveImage(0, 3);
  EXPECT_EQ(order(), (std::vector<unsigned>{1, 2, 3, 0, 4}));
  changes.Count = 0;
  list.InsertImage(1, Strip(2).get(), nullptr);
  EXPECT_EQ(changes.Count, 1);
  EXPECT_EQ(order(), (std::vector<unsigned>{1, 0, 1, 2, 3, 0, 4}));
  list.InsertImage(-1, Strip(1).get(), nullptr);
  list.InsertImage(99, Strip(1).get(), nullptr);
  EXPECT_EQ(list.Count(), 7);
  list.ReplaceImage(6, Solid(16, 16, TColor(0x909090)).get(), nullptr);
  EXPECT_EQ(order(), (std::vector<unsigned>{1, 0, 1, 2, 3, 0, 9}));
  list.DeleteImage(0);
  EXPECT_EQ(order(), (std::vector<unsigned>{0, 1, 2, 3, 0, 9}));
  list.BeginUpdate();
  changes.Count = 0;
  list.DeleteImage(0);
  list.DeleteImage(0);
  EXPECT_EQ(changes.Count, 0);
  list.EndUpdate();
  EXPECT_EQ(changes.Count, 1);
  list.ClearImages();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.ImageInfo()->Count(), 0);
  // A new size empties the system list; the infos go with it, so later images keep their places.
  list.AddBitmap(Strip(2).get(), nullptr);
  list.SetWidth(8);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.ImageInfo()->Count(), 0);
  list.AddBitmap(Solid(8, 16, clRed).get(), nullptr);
  list.SetHeight(8);
  EXPECT_EQ(list.ImageInfo()->Count(), 0);
  list.SetWidth(16);
  list.SetHeight(16);
  // Bad input: nothing added, no info.
  EXPECT_EQ(list.AddBitmap(nullptr, nullptr), -1);
  EXPECT_EQ(list.ImageInfo()->Count(), 0);
  TcxImageInfo info;
  info.AssignImage(Solid(3, 3, clRed).get());
  list.FillImageInfo(5, &info);
  EXPECT_TRUE(info.Image()->Empty());
  EXPECT_EQ(info.MaskColor(), clNone);
}

TEST(ImageListTest, AlphaImagesDrawBlendedAndGrayedWhenDisabled) {
  TcxImageList list(nullptr, 2, 2);
  const std::vector<std::uint32_t> pixels = {0x80800000u, 0xFF00FF00u, 0x00000000u, 0x40102030u};
  list.AddBitmap(Bitmap32(2, 2, pixels).get(), nullptr);
  for (bool enabled : {true, false}) {
    CanvasSurface s(6, 6);
    s.Fill(TColor(0x996633));
    list.DrawImage(0, &s.Canvas, enabled, false, false, dsNormal, TRect{1, 1, 5, 5});  // centred: at 2, 2
    const auto cap = s.Cap();
    for (int i = 0; i < 4; ++i) {
      TRGBColors p = {UnpackRGBQuad(pixels[std::size_t(i)])};
      if (!enabled && pixels[std::size_t(i)]) ApplyPixelOperation(p, 1, 1, poDisabledWithAlpha, TcxPixelOperationParams{});
      const std::uint32_t expected = Over(PackRGBQuad(p[0]), 0x336699, enabled ? 255 : 151);
      EXPECT_TRUE(Near(cap.At(2 + i % 2, 2 + i / 2), expected)) << enabled << " " << i << " " << Hex(cap.At(2 + i % 2, 2 + i / 2));
    }
    EXPECT_EQ(cap.At(1, 1), 0x336699u);
  }
}

TEST(ImageListTest, CopiesWithoutLoss) {
  TcxImageList source(nullptr, 2, 2);
  source.AddBitmap(Bitmap32(2, 2, {0x80800000u, 0xFF00FF00u, 0x00000000u, 0x40102030u}).get(), nullptr);
  source.AddBitmapMasked(Solid(2, 2, clFuchsia).get(), clFuchsia);
  TcxImageList copy(nullptr);
  copy.Assign(&source);
  EXPECT_EQ(copy.Width(), 2);
  EXPECT_EQ(AllPixels(&copy), AllPixels(&source));
  EXPECT_EQ(copy.ImageInfo()->Items(1)->MaskColor(), clFuchsia);
  // From a runtime list: each image with its mask.
  TImageList plain(nullptr, 16, 16);
  plain.Add(Strip(3).get(), nullptr);
  TcxImageList fromPlain(nullptr);
  fromPlain.Assign(&plain);
  EXPECT_EQ(fromPlain.Count(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(FirstPixel(&fromPlain, i), FirstPixel(&plain, i));
  // Anything else is ignored.
  TBitmap bitmap;
  EXPECT_NO_THROW(fromPlain.Assign(&bitmap));
  EXPECT_EQ(fromPlain.Count(), 3);
}

// --- Streaming ----------------------------------------------------------------------------

std::string Write(TComponent* component) {
  TStringStream out("");
  WriteComponentToStream(&out, component);
  return out.DataString();
}

void Read(const std::string& binary, TComponent* component) {
  TStringStream in(binary);
  ReadComponentFromStream(&in, component);
}

// A list of an alpha image, a keyed image and a masked one.
void FillSample(TcxImageList& list) {
  list.SetName(L"Images");
  list.SetWidth(4);
  list.SetHeight(4);
  list.SetDesignInfo(0x00140010);
  std::vector<std::uint32_t> ring(16, 0);
  for (int i : {1, 2, 4, 7, 8, 11, 13, 14}) ring[std::size_t(i)] = 0x80000080u;
  list.AddBitmap(Bitmap32(4, 4, ring).get(), nullptr);
  auto keyed = Solid(4, 4, clFuchsia);
  keyed->Canvas()->Brush()->SetColor(clTeal);
  keyed->Canvas()->FillRect(TRect{1, 1, 3, 3});
  list.AddBitmapMasked(keyed.get(), clFuchsia);
  auto mask = Solid(4, 4, clBlack);
  mask->SetMonochrome(true);
  mask->Canvas()->SetPixels(0, 0, clWhite);
  list.AddBitmap(Solid(4, 4, clYellow).get(), mask.get());
}

TEST(ImageListStreamTest, StreamedOutAndBackGivesIdenticalPixels) {
  for (bool packed : {false, true}) {
    TcxImageList list(nullptr);
    FillSample(list);
    list.SetCompressData(packed);
    const std::string binary = Write(&list);
    const String text = FormBinaryToText(binary);
    EXPECT_NE(text.find(L"FormatVersion = 1"), String::npos) << text;
    EXPECT_NE(text.find(L"DesignInfo = 1310736"), String::npos) << text;
    EXPECT_NE(text.find(L"ImageInfo = <"), String::npos) << text;
    EXPECT_NE(text.find(L"MaskColor = clFuchsia"), String::npos) << text;
    EXPECT_EQ(text.find(L"Bitmap = {"), String::npos) << "the runtime's data is never written";
    EXPECT_EQ(list.FormatVersion(), 1);
    if (packed) {
      // Every "Image.Data" starts, after its length, with the packed header.
      std::size_t at = 0, found = 0;
      while ((at = binary.find("\x0AImage.Data", at)) != std::string::npos) {
        at += 11;
        ASSERT_EQ(binary[at], char(vaBinary));
        EXPECT_EQ(binary.substr(at + 1 + 4 + 4, 4), "XDBM");
        ++found;
      }
      EXPECT_EQ(found, 3u);
    }
    TcxImageList read(nullptr);
    Read(FormTextToBinary(text), &read);
    EXPECT_EQ(read.Count(), 3);
    EXPECT_EQ(AllPixels(&read), AllPixels(&list)) << packed;
    EXPECT_EQ(read.DesignInfo(), 0x00140010);
    EXPECT_EQ(read.CompressData(), packed);
    EXPECT_EQ(read.ImageInfo()->Items(1)->MaskColor(), clFuchsia);
    // Drawn alike.
    CanvasSurface a(14, 6), b(14, 6);
    for (int i = 0; i < 3; ++i) {
      list.Draw(&a.Canvas, 1 + 4 * i, 1, i, i != 2);
      read.Draw(&b.Canvas, 1 + 4 * i, 1, i, i != 2);
    }
    EXPECT_EQ(a.Cap().Pixels, b.Cap().Pixels);
  }
}

TEST(ImageListStreamTest, AnEmptyListWritesNoImages) {
  TcxImageList list(nullptr);
  list.SetName(L"Empty");
  const String text = FormBinaryToText(Write(&list));
  EXPECT_EQ(text, L"object Empty: TcxImageList\n  FormatVersion = 1\n  DesignInfo = 0\nend\n");
}

TEST(ImageListStreamTest, AgainstAnAncestorOnlyDifferencesAreWritten) {
  TcxImageList ancestor(nullptr), list(nullptr);
  FillSample(ancestor);
  FillSample(list);
  auto written = [&] {
    TStringStream out("");
    TWriter writer(&out);
    writer.WriteDescendent(&list, &ancestor);
    return FormBinaryToText(out.DataString());
  };
  EXPECT_TRUE(AreImageListsEqual(&list, &ancestor));
  String text = written();
  EXPECT_EQ(text.find(L"ImageInfo"), String::npos) << text;
  EXPECT_EQ(text.find(L"DesignInfo"), String::npos) << text;
  list.DeleteImage(2);
  EXPECT_FALSE(AreImageListsEqual(&list, &ancestor));
  list.SetDesignInfo(5);
  text = written();
  EXPECT_NE(text.find(L"ImageInfo"), String::npos) << text;
  EXPECT_NE(text.find(L"DesignInfo = 5"), String::npos) << text;
}

// The text form of a runtime image list holding the strip, as older forms kept it.
String LegacyText(int images) {
  TImageList plain(nullptr, 16, 16);
  plain.SetName(L"Images");
  plain.Add(Strip(images).get(), nullptr);
  String text = FormBinaryToText(Write(&plain));
  text.replace(text.find(L"TImageList"), 10, L"TcxImageList");
  return text;
}

TEST(ImageListStreamTest, TheOlderBitmapDataReads) {
  String text = LegacyText(3);
  EXPECT_NE(text.find(L"Bitmap = {"), String::npos);
  text.insert(text.find(L"\n") + 1, L"  Left = 16\n  Top = 32\n");
  TcxImageList list(nullptr);
  Read(FormTextToBinary(text), &list);
  EXPECT_EQ(list.Count(), 3);
  ASSERT_EQ(list.ImageInfo()->Count(), 3) << "infos made from the system list";
  for (int i = 0; i < 3; ++i) EXPECT_EQ(FirstPixel(&list, i), StripColour(i));
  EXPECT_EQ(list.DesignInfo(), 0x00200010);
  // Written again it has the list's own form.
  const String again = FormBinaryToText(Write(&list));
  EXPECT_EQ(again.find(L"Bitmap"), String::npos);
  EXPECT_NE(again.find(L"ImageInfo"), String::npos);
}

TEST(ImageListStreamTest, ImageInfoAfterBitmapDataWins) {
  TcxImageList list(nullptr);
  FillSample(list);
  list.SetWidth(16);
  list.SetHeight(16);
  list.ClearImages();
  list.AddBitmap(Solid(16, 16, clRed).get(), nullptr);
  const String own = FormBinaryToText(Write(&list));
  String text = LegacyText(2);
  // The legacy list's text with this list's ImageInfo after its Bitmap data.
  const std::size_t infoAt = own.find(L"  ImageInfo");
  text.insert(text.rfind(L"end"), own.substr(infoAt, own.rfind(L"end") - infoAt));
  TcxImageList read(nullptr);
  Read(FormTextToBinary(text), &read);
  EXPECT_EQ(read.Count(), 1);
  EXPECT_EQ(FirstPixel(&read, 0), 0xFF0000u);
}

TEST(ImageListStreamTest, DamagedStreamsRaiseAndLeaveTheListAsItWas) {
  TcxImageList sample(nullptr);
  FillSample(sample);
  const std::string good = Write(&sample);
  TcxImageList list(nullptr, 4, 4);
  list.SetName(L"Images");
  list.AddBitmap(Strip(1).get(), nullptr);
  list.AddBitmap(Solid(4, 4, clOlive).get(), nullptr);
  const auto before = AllPixels(&list);
  const int infos = list.ImageInfo()->Count();
  // Cut inside the first image's data, with the value's own length left as it was.
  const std::size_t image = good.find("Image.Data") + 11;
  std::string cut = good;
  cut[image + 1] = char(0xF0);  // a length beyond the stream
  std::string shortRecord = good;
  shortRecord[image + 5] = char(0x7F);  // the bitmap record's length beyond the value
  for (const std::string* damaged : {&cut, &shortRecord}) {
    try {
      Read(*damaged, &list);
      ADD_FAILURE() << "no error";
    } catch (const EReadError& e) {
      EXPECT_FALSE(e.Message().empty());
    }
    EXPECT_EQ(AllPixels(&list), before);
    EXPECT_EQ(list.ImageInfo()->Count(), infos);
  }
  // Random damage anywhere: an error or a list, never a crash, the two sides agreeing.
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    std::string damaged = good;
    for (int k = 0, n = 1 + int(random() % 3); k < n; ++k) damaged[random() % damaged.size()] ^= char(1 << (random() % 8));
    TcxImageList target(nullptr);
    try {
      Read(damaged, &target);
    } catch (const Exception&) {
    }
    EXPECT_EQ(target.Count(), target.ImageInfo()->Count()) << round;
  }
}

TEST(ImageListStreamTest, DamagedOlderDataNeverReachesTheSystemReader) {
  // The system's own reader takes such data as it finds it (flipped bits in
  // it once ended the process): flipped bits must raise or read.
  TcxImageList source(nullptr, 2, 2);
  source.AddBitmap(Bitmap32(4, 2, {0x80800000u, 0xFF00FF00u, 0u, 0x40004000u, 0xFF0000FFu, 0x20202020u,
                                   0xFFFFFFFFu, 0x7F7F7F7Fu}).get(),
                   nullptr);
  TMemoryStream data;
  source.WriteData(&data);
  const auto* bytes = static_cast<const std::uint8_t*>(data.Memory());
  const std::vector<std::uint8_t> good(bytes, bytes + data.Size());
  auto read = [](const std::vector<std::uint8_t>& d) {
    TMemoryStream stream;
    if (!d.empty()) stream.WriteBuffer(d.data(), std::int32_t(d.size()));
    stream.SetPosition(0);
    TImageList target(nullptr);
    target.ReadData(&stream);
    return target.Count();
  };
  EXPECT_EQ(read(good), 2);
  std::mt19937 random(1);
  int refused = 0;
  for (int round = 0; round < 3000; ++round) {
    auto damaged = good;
    for (int k = 0, n = 1 + int(random() % 4); k < n; ++k) damaged[random() % damaged.size()] ^= std::uint8_t(1 << (random() % 8));
    try {
      read(damaged);
    } catch (const EReadError&) {
      ++refused;
    }
  }
  EXPECT_GT(refused, 0);
  for (std::size_t cut = 0; cut + 1 < good.size(); cut += 3)
    EXPECT_THROW(read(std::vector<std::uint8_t>(good.begin(), good.begin() + std::ptrdiff_t(cut))), EReadError) << cut;
}

// An image list's images in every look, for a person to look at.
TEST(ImageListDrawTest, TheLooksSideBySide) {
  TcxImageList list(nullptr);
  std::vector<std::uint32_t> dot(256, 0);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const double d = std::hypot(x - 7.5, y - 7.5);
      const int a = int(std::clamp(7.0 - d, 0.0, 1.0) * 255);
      dot[std::size_t(y * 16 + x)] = std::uint32_t(a) << 24 | std::uint32_t(0x30 * a / 255) << 16 |
                                     std::uint32_t(0x90 * a / 255) << 8 | std::uint32_t(0x40 * a / 255);
    }
  list.AddBitmap(Bitmap32(16, 16, dot).get(), nullptr);
  auto keyed = Solid(16, 16, clFuchsia);
  keyed->Canvas()->Brush()->SetColor(clMaroon);
  keyed->Canvas()->FillRect(TRect{3, 3, 13, 13});
  list.AddBitmapMasked(keyed.get(), clFuchsia);
  CanvasSurface s(6 * 20 + 4, 44);
  s.Fill(clBtnFace);
  for (int i = 0; i < 2; ++i)
    for (int mode = 0; mode < 6; ++mode)
      DrawImageOrGlyph(s.Dc, Bounds(4 + mode * 20, 4 + i * 20, 16, 16), Bounds(2 + mode * 20, 2 + i * 20, 20, 20),
                       nullptr, &list, i, TcxGlyphDrawMode(mode));
  s.Save(L"core_imagelist_looks");
  const auto cap = s.Cap();
  EXPECT_NE(cap.At(4 + 8, 4 + 8), Rgb(clBtnFace));
  EXPECT_EQ(cap.At(4 + 0, 24 + 0), Rgb(clBtnFace)) << "the key colour left out";
  EXPECT_EQ(cap.At(4 + 8, 24 + 8), Rgb(clMaroon));
}

}  // namespace
