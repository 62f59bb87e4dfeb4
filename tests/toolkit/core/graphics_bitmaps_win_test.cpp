// Regions against pixel masks, the toolkit's bitmap classes, their packed
// streamed data and the bitmap routines.
#include <gtest/gtest.h>

#include <random>

#include "Streams.h"
#include "graphics_win_test_support.h"

using core_graphics_test::CanvasSurface;
using core_graphics_test::ExpectedMask;
using core_graphics_test::InRect;
using core_graphics_test::Rgb;

namespace {

struct ChangeCounter {
  int count = 0;
  void Changed(TObject*) { ++count; }
};

// --- Regions ------------------------------------------------------------------------------

std::string RegionMask(const TcxRegion& region, int size) {
  CanvasSurface s(size, size);
  FillRgn(s.Dc, region.Handle(), HBRUSH(GetStockObject(BLACK_BRUSH)));
  return s.Mask(clWhite);
}

TEST(RegionTest, CombineModesAgainstPixelMasks) {
  const TRect a{2, 2, 10, 10}, b{6, 6, 14, 14};
  struct TCase {
    TcxRegionCombineMode mode;
    std::function<bool(int, int)> inside;
  };
  const TCase cases[] = {
      {roSet, [&](int x, int y) { return InRect(x, y, b); }},
      {roAdd, [&](int x, int y) { return InRect(x, y, a) || InRect(x, y, b); }},
      {roSubtract, [&](int x, int y) { return InRect(x, y, a) && !InRect(x, y, b); }},
      {roIntersect, [&](int x, int y) { return InRect(x, y, a) && InRect(x, y, b); }},
  };
  for (const TCase& c : cases) {
    TcxRegion region(a);
    TcxRegion* other = new TcxRegion(b.Left, b.Top, b.Right, b.Bottom);
    region.CombineWith(other, c.mode, true);  // frees other
    EXPECT_EQ(RegionMask(region, 16), ExpectedMask(16, 16, c.inside)) << c.mode;
  }
  // Without the destroy flag the other region is left as it was.
  TcxRegion region(a), other(b);
  region.CombineWith(&other, roAdd, false);
  EXPECT_TRUE(other.EqualsRegion(std::make_unique<TcxRegion>(b).get()));
}

TEST(RegionTest, ComparingMovingAndHitTesting) {
  TcxRegion empty, emptyToo(5, 5, 5, 9);
  EXPECT_TRUE(empty.IsEmpty());
  EXPECT_NE(empty.Handle(), emptyToo.Handle());
  EXPECT_TRUE(empty.EqualsRegion(&emptyToo));
  EXPECT_FALSE(empty.EqualsRegion(nullptr));
  TcxRegion square(0, 0, 4, 4);
  EXPECT_FALSE(square.IsEmpty());
  EXPECT_FALSE(square.EqualsRegion(&empty));
  square.Shift(2, 3);
  EXPECT_TRUE(square.EqualsRegion(std::make_unique<TcxRegion>(TRect{2, 3, 6, 7}).get()));
  square.OffsetByPoint({-2, -3});
  EXPECT_TRUE(square.ContainsPoint({3, 3}));
  EXPECT_FALSE(square.PtInRegionXY(4, 0));
  HRGN handle = CreateEllipticRgn(0, 0, 10, 10);
  {
    TcxRegion owner(handle);
    EXPECT_TRUE(owner.EqualsHandle(handle));
    EXPECT_FALSE(owner.PtInRegionXY(0, 0));
    EXPECT_TRUE(owner.PtInRegionXY(5, 5));
  }
  EXPECT_EQ(GetObjectType(handle), 0u) << "the region owns the handle it was given";
  square.DeleteHandle();
  EXPECT_TRUE(square.IsEmpty());
  EXPECT_FALSE(square.PtInRegionXY(1, 1));
}

// --- Bitmap classes -----------------------------------------------------------------------

TEST(BitmapClassTest, SizesAndFormatsOfTheConstructors) {
  struct TCase {
    std::unique_ptr<TBitmap> bitmap;
    int width, height;
    TPixelFormat format;
  };
  TCase cases[] = {
      {std::make_unique<TcxBitmap>(), 0, 0, pf24bit},
      {std::make_unique<TcxBitmap>(3, 4), 3, 4, pf24bit},
      {std::make_unique<TcxBitmap>(TRect{1, 1, 6, 3}), 5, 2, pf24bit},
      {std::make_unique<TcxBitmap>(TRect{0, 0, 2, 2}, pf32bit), 2, 2, pf32bit},
      {std::make_unique<TcxBitmap>(-3, 2, pf8bit), 0, 2, pf8bit},
      {std::make_unique<TcxBitmap32>(2, 3), 2, 3, pf32bit},
      {std::make_unique<TcxBitmap32>(TRect{0, 0, 4, 1}, true), 4, 1, pf32bit},
      {std::make_unique<TcxAlphaBitmap>(5, 5), 5, 5, pf32bit},
  };
  for (TCase& c : cases) {
    EXPECT_EQ(c.bitmap->Width(), c.width) << c.bitmap->ClassName();
    EXPECT_EQ(c.bitmap->Height(), c.height) << c.bitmap->ClassName();
    EXPECT_EQ(c.bitmap->PixelFormat(), c.format) << c.bitmap->ClassName();
  }
  TcxBitmap bitmap(7, 2);
  EXPECT_EQ(bitmap.GetClientRect(), (TRect{0, 0, 7, 2}));
  EXPECT_NE(bitmap.cxCanvas(), nullptr);
  EXPECT_EQ(bitmap.cxCanvas()->Canvas(), bitmap.Canvas());
}

TEST(BitmapClassTest, ChangesWhileLockedAreToldOnceAtTheEnd) {
  TcxBitmap bitmap(4, 4);
  ChangeCounter counter;
  bitmap.OnChange = TNotifyEvent(&counter, &ChangeCounter::Changed);
  bitmap.BeginUpdate();
  bitmap.BeginUpdate();
  bitmap.SetSize(8, 8);
  bitmap.cxCanvas()->FillRect({0, 0, 2, 2}, clRed);
  bitmap.EndUpdate(false);
  EXPECT_EQ(counter.count, 0);
  EXPECT_TRUE(bitmap.IsUpdating());
  bitmap.EndUpdate(false);
  EXPECT_EQ(counter.count, 1) << "a change happened meanwhile";
  bitmap.BeginUpdate();
  bitmap.EndUpdate(false);
  EXPECT_EQ(counter.count, 1) << "nothing changed and no update forced";
  bitmap.BeginUpdate();
  bitmap.EndUpdate(true);
  EXPECT_EQ(counter.count, 2);
  bitmap.EndUpdate(true);  // not locked: nothing, and the count stays at 0
  EXPECT_EQ(counter.count, 2);
  EXPECT_FALSE(bitmap.IsUpdating());
  bitmap.SetSize(8, 8);  // unchanged
  bitmap.SetSizeOfRect({0, 0, 3, 2});
  EXPECT_EQ(counter.count, 3);
  // Drawing through the bitmap's canvas is a change too.
  bitmap.BeginUpdate();
  bitmap.cxCanvas()->FillRect({0, 0, 1, 1}, clBlue);
  bitmap.EndUpdate(false);
  EXPECT_EQ(counter.count, 4);
  bitmap.cxCanvas()->FrameRectBorders({0, 0, 3, 2}, clRed, 1);
  EXPECT_EQ(counter.count, 5);
}

TEST(BitmapClassTest, Bitmap32RefusesAnotherDepth) {
  TcxBitmap32 bitmap(2, 2);
  try {
    bitmap.SetPixelFormat(pf24bit);
    ADD_FAILURE() << "no error";
  } catch (const EdxException& e) {
    EXPECT_EQ(e.Message(), L"Wrong PixelFormat");
  }
  // Loading a 24-bit picture ends at 32 bits again without complaint.
  TBitmap source;
  source.SetPixelFormat(pf24bit);
  source.SetSize(3, 2);
  source.Canvas()->SetPixels(1, 1, clRed);
  TMemoryStream stream;
  source.SaveToStream(&stream);
  stream.SetPosition(0);
  TcxBitmap32 loaded;
  loaded.LoadFromStream(&stream);
  EXPECT_EQ(loaded.PixelFormat(), pf32bit);
  EXPECT_EQ(loaded.Width(), 3);
  EXPECT_EQ(loaded.Canvas()->Pixels(1, 1), clRed);
}

TEST(BitmapClassTest, PixelsAlphaAndClearing) {
  TcxBitmap32 bitmap(2, 2);
  bitmap.Canvas()->SetPixels(0, 0, clRed);  // top-left
  TRGBColors pixels = bitmap.GetPixels();
  ASSERT_EQ(pixels.size(), 4u);
  EXPECT_EQ(pixels[2].rgbRed, 255) << "rows run from the bottom up";
  EXPECT_EQ(pixels[2].rgbGreen, 0);
  EXPECT_FALSE(bitmap.HasAlpha());
  bitmap.SetAlpha(7);
  EXPECT_TRUE(bitmap.HasAlpha());
  EXPECT_EQ(bitmap.GetPixels()[1].rgbReserved, 7);
  bitmap.MakeOpaque();
  EXPECT_EQ(bitmap.GetPixels()[3].rgbReserved, 255);
  pixels[0] = {1, 2, 3, 4};
  bitmap.SetPixels(pixels);
  EXPECT_EQ(PackRGBQuad(bitmap.GetPixels()[0]), 0x04030201u);
  bitmap.Clear();
  for (const TRGBQuad& p : bitmap.GetPixels()) EXPECT_EQ(PackRGBQuad(p), 0u);
  TcxBitmap32 cleared(3, 3, true), white(3, 3, false);
  EXPECT_EQ(PackRGBQuad(cleared.GetPixels()[4]), 0u);
  EXPECT_EQ(PackRGBQuad(white.GetPixels()[4]) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(AlphaBitmapTest, OperationsRunOnceOverThePixelsAndNotifyOnce) {
  TcxAlphaBitmap bitmap(3, 1);
  EXPECT_EQ(PackRGBQuad(bitmap.GetPixels()[0]), 0u) << "a new alpha bitmap is clear";
  TRGBColors pixels{UnpackRGBQuad(0x000000FF), UnpackRGBQuad(0x00000000), UnpackRGBQuad(0x00FF0000)};
  bitmap.SetPixels(pixels);
  ChangeCounter counter;
  bitmap.OnChange = TNotifyEvent(&counter, &ChangeCounter::Changed);
  // Background 0: zero pixels become white in the mask, the others black.
  bitmap.ApplyPixelOperation(poMask);
  EXPECT_EQ(counter.count, 1);
  TRGBColors mask = bitmap.GetPixels();
  EXPECT_EQ(PackRGBQuad(mask[0]), 0u);
  EXPECT_EQ(PackRGBQuad(mask[1]), 0xFFFFFFFFu);
  EXPECT_EQ(PackRGBQuad(mask[2]), 0u);
}

TEST(AlphaBitmapTest, TransparentColourKeepsItsPixelsAndMakesTheOthersOpaque) {
  TcxAlphaBitmap bitmap(2, 1);
  bitmap.SetPixels({ColorToRGBQuad(clRed), ColorToRGBQuad(clBlue)});
  bitmap.SetTransparentColor(clRed);
  TRGBColors pixels = bitmap.GetPixels();
  EXPECT_EQ(PackRGBQuad(pixels[0]), 0x00FF0000u);
  EXPECT_EQ(PackRGBQuad(pixels[1]), 0xFF0000FFu);
  EXPECT_EQ(bitmap.TransparentBkColor(), 0x00FF0000u);
  ASSERT_EQ(bitmap.TransparentPixels().size(), 1u);
  bitmap.ApplyPixelOperation(poMask);
  pixels = bitmap.GetPixels();
  EXPECT_EQ(PackRGBQuad(pixels[0]), 0xFFFFFFFFu);
  EXPECT_EQ(PackRGBQuad(pixels[1]), 0u);
}

TEST(AlphaBitmapTest, BackgroundClearsAndResizing) {
  TcxAlphaBitmap white(2, 2, 0xFFFFFFFFu);
  for (const TRGBQuad& p : white.GetPixels()) EXPECT_EQ(PackRGBQuad(p), 0xFFFFFFFFu);
  white.TransparentPixels().push_back(0x123456);
  ResizeAndClearAlphaBitmap(&white, 3, 1);
  EXPECT_EQ(white.Width(), 3);
  EXPECT_TRUE(white.TransparentPixels().empty());
  EXPECT_EQ(PackRGBQuad(white.GetPixels()[2]), 0xFFFFFFFFu);
  white.SetTransparentBkColor(0x00FFFFFF);  // alpha 0: clearing gives zeros
  white.Clear();
  EXPECT_EQ(PackRGBQuad(white.GetPixels()[0]), 0u);
  white.SetHatch(clRed, clBlue, 1, 255, 255);
  TRGBColors hatch = white.GetPixels();
  EXPECT_EQ(PackRGBQuad(hatch[0]), 0xFFFF0000u);
  EXPECT_EQ(PackRGBQuad(hatch[1]), 0xFF0000FFu);
}

// --- Packed streamed data -----------------------------------------------------------------

std::vector<std::uint8_t> StreamBytes(TMemoryStream& stream) {
  const auto* p = static_cast<const std::uint8_t*>(stream.Memory());
  return std::vector<std::uint8_t>(p, p + stream.Size());
}

std::vector<std::uint8_t> WriteBitmap(TcxBitmap& bitmap) {
  TMemoryStream stream;
  bitmap.WriteData(&stream);
  return StreamBytes(stream);
}

// Reads Data into the bitmap; true when it read without an error.
bool ReadBitmap(TcxBitmap& bitmap, const std::vector<std::uint8_t>& data) {
  TMemoryStream stream;
  if (!data.empty()) stream.WriteBuffer(data.data(), std::int32_t(data.size()));
  stream.SetPosition(0);
  try {
    bitmap.ReadData(&stream);
    return true;
  } catch (const Exception&) {
    return false;
  }
}

bool SamePixels(TBitmap& a, TBitmap& b) {
  TRGBColors pa, pb;
  return GetBitmapColors(&a, pa, true) && GetBitmapColors(&b, pb, true) && pa.size() == pb.size() &&
         std::memcmp(pa.data(), pb.data(), pa.size() * 4) == 0;
}

TEST(PackedBitmapDataTest, OneColourBitmapPacksIntoRunsAndReadsBack) {
  TcxBitmap bitmap(100, 20);
  bitmap.cxCanvas()->FillRect(bitmap.GetClientRect(), TColor(0x336699));
  bitmap.SetCompressData(true);
  const std::vector<std::uint8_t> packed = WriteBitmap(bitmap);
  ASSERT_GT(packed.size(), 12u);
  EXPECT_EQ(std::string(packed.begin() + 4, packed.begin() + 8), "XDBM");
  EXPECT_EQ(packed[8], 2);
  EXPECT_EQ(packed[9], 0);
  EXPECT_EQ(packed[10], 3) << "24 bits per pixel: blocks of 3 bytes";
  std::uint32_t length;
  std::memcpy(&length, packed.data(), 4);
  EXPECT_EQ(length, packed.size() - 10);
  // 2000 equal pixels: sixteen full runs of 125 blocks, each a control byte and one block.
  int fullRuns = 0;
  for (std::size_t i = 0; i + 3 < packed.size(); ++i)
    if (packed[i] == 125 && packed[i + 1] == 0x33 && packed[i + 2] == 0x66 && packed[i + 3] == 0x99) ++fullRuns;
  EXPECT_EQ(fullRuns, 16);
  EXPECT_LT(packed.size(), 200u);

  TcxBitmap read;
  ASSERT_TRUE(ReadBitmap(read, packed));
  EXPECT_EQ(read.Width(), 100);
  EXPECT_EQ(read.Height(), 20);
  EXPECT_TRUE(SamePixels(read, bitmap));
}

TEST(PackedBitmapDataTest, PlainDataOfTheRuntimeReadsAsBefore) {
  TBitmap plain;
  plain.SetPixelFormat(pf24bit);
  plain.SetSize(5, 4);
  plain.Canvas()->SetPixels(2, 2, clLime);
  TMemoryStream stream;
  plain.WriteData(&stream);
  TcxBitmap read;
  ASSERT_TRUE(ReadBitmap(read, StreamBytes(stream)));
  EXPECT_EQ(read.Width(), 5);
  EXPECT_EQ(read.Canvas()->Pixels(2, 2), clLime);
  // Without the flag a TcxBitmap writes what the runtime writes.
  TcxBitmap again(5, 4);
  again.Assign(&plain);
  EXPECT_EQ(WriteBitmap(again), StreamBytes(stream));
}

TEST(PackedBitmapDataTest, VersionOneBlobsRead) {
  TcxBitmap source(6, 3);
  source.Canvas()->SetPixels(1, 1, clRed);
  TMemoryStream record;
  source.WriteData(&record);
  const std::vector<std::uint8_t> bytes = StreamBytes(record);
  // Version 1: runs of single bytes, no block size or leftover count.
  std::vector<std::uint8_t> runs;
  for (std::size_t i = 0; i < bytes.size(); i += 100) {
    const std::size_t n = std::min<std::size_t>(100, bytes.size() - i);
    runs.push_back(std::uint8_t(0x80 | n));
    runs.insert(runs.end(), bytes.begin() + std::ptrdiff_t(i), bytes.begin() + std::ptrdiff_t(i + n));
  }
  std::vector<std::uint8_t> blob(10);
  const std::uint32_t length = std::uint32_t(runs.size());
  std::memcpy(blob.data(), &length, 4);
  std::memcpy(blob.data() + 4, "XDBM", 4);
  blob[8] = 1;
  blob.insert(blob.end(), runs.begin(), runs.end());
  TcxBitmap read;
  ASSERT_TRUE(ReadBitmap(read, blob));
  EXPECT_TRUE(SamePixels(read, source));
}

std::vector<std::uint8_t> SamplePacked() {
  TcxBitmap bitmap(9, 7);
  bitmap.cxCanvas()->FillRect({0, 0, 9, 7}, clNavy);
  bitmap.cxCanvas()->FillRect({2, 1, 5, 6}, clYellow);
  bitmap.Canvas()->SetPixels(8, 6, clRed);
  bitmap.SetCompressData(true);
  return WriteBitmap(bitmap);
}

TEST(PackedBitmapDataTest, EveryTruncationRaisesAndLeavesTheBitmapAsItWas) {
  const std::vector<std::uint8_t> packed = SamplePacked();
  TcxBitmap bitmap(3, 3);
  bitmap.Canvas()->SetPixels(1, 1, clLime);
  for (std::size_t cut = 0; cut < packed.size(); ++cut) {
    EXPECT_FALSE(ReadBitmap(bitmap, std::vector<std::uint8_t>(packed.begin(), packed.begin() + std::ptrdiff_t(cut))))
        << cut;
    ASSERT_EQ(bitmap.Width(), 3) << cut;
    ASSERT_EQ(bitmap.Canvas()->Pixels(1, 1), clLime) << cut;
  }
  EXPECT_TRUE(ReadBitmap(bitmap, packed));
  EXPECT_EQ(bitmap.Width(), 9);
}

TEST(PackedBitmapDataTest, FlippedBytesRaiseOrReadAWholeBitmap) {
  const std::vector<std::uint8_t> packed = SamplePacked();
  std::mt19937 random(5);
  int failed = 0, read = 0;
  for (int round = 0; round < 600; ++round) {
    std::vector<std::uint8_t> damaged = packed;
    for (int flips = 1 + int(random() % 2); flips > 0; --flips)
      damaged[random() % damaged.size()] ^= std::uint8_t(1 + random() % 255);
    TcxBitmap bitmap(1, 1);
    if (ReadBitmap(bitmap, damaged)) {
      ++read;
      // What was read is a whole bitmap one can draw and measure.
      TRGBColors pixels;
      if (!bitmap.Empty()) {
        EXPECT_TRUE(GetBitmapColors(&bitmap, pixels, true));
      }
    } else {
      ++failed;
    }
  }
  EXPECT_GT(failed, 100);
  EXPECT_GT(read, 0) << "flips in the pixels still read";
}

// --- Routines -----------------------------------------------------------------------------

TEST(BitmapRoutinesTest, NewCloneCopyAndTests) {
  auto bitmap = NewBitmap(4, 3, pf32bit);
  EXPECT_EQ(bitmap->PixelFormat(), pf32bit);
  EXPECT_EQ(NewBitmapForSize({5, 6}, pf24bit)->Height(), 6);
  EXPECT_EQ(NewBitmapForRect({1, 1, 4, 4}, pf24bit)->Width(), 3);
  EXPECT_TRUE(IsNonEmptyBitmap(bitmap.get()));
  EXPECT_FALSE(IsNonEmptyBitmap(nullptr));
  TBitmap empty;
  EXPECT_FALSE(IsNonEmptyBitmap(&empty));

  bitmap->Canvas()->SetPixels(1, 1, clRed);
  auto clone = CloneBitmap(bitmap.get());
  bitmap->Canvas()->SetPixels(1, 1, clBlue);
  EXPECT_EQ(clone->Canvas()->Pixels(1, 1), clRed);

  TBitmap destination;
  destination.SetSize(4, 3);
  ChangeCounter counter;
  destination.OnChange = TNotifyEvent(&counter, &ChangeCounter::Changed);
  CopyBitmapToBitmap(&destination, bitmap.get());
  EXPECT_EQ(destination.Canvas()->Pixels(1, 1), clBlue);
  EXPECT_GE(counter.count, 1);

  TcxBitmap part(4, 3);
  part.CopyBitmapRect(bitmap.get(), {0, 0, 2, 2}, SRCCOPY, {1, 1});
  EXPECT_EQ(part.Canvas()->Pixels(0, 0), clBlue);
  part.CopyBitmap(clone.get());
  EXPECT_EQ(part.Canvas()->Pixels(1, 1), clRed);
}

TEST(BitmapRoutinesTest, DrawingOnDCsAlsoOnTheOldSystemFamily) {
  TcxBitmap source(4, 4);
  source.cxCanvas()->FillRect({0, 0, 4, 4}, clTeal);
  source.Canvas()->SetPixels(3, 3, clRed);
  for (bool win9x : {false, true}) {
    OSFlagWin9x = win9x;
    CanvasSurface s(8, 8);
    DrawBitmapOnDC(s.Dc, &source, {2, 2, 6, 6}, SRCCOPY, {1, 1});
    vamire_test::Capture cap = s.Cap();
    EXPECT_EQ(cap.At(2, 2), Rgb(clTeal)) << win9x;
    EXPECT_EQ(cap.At(4, 4), Rgb(clRed)) << win9x;
    EXPECT_EQ(cap.At(5, 5), Rgb(clWhite)) << win9x;  // source pixel 4, 4 lies outside
    BitBltRect(s.Dc, source.Canvas()->Handle(), {0, 0, 1, 1}, SRCCOPY, {3, 3});
    EXPECT_EQ(s.Cap().At(0, 0), Rgb(clRed));

    TcxBitmap32 alpha(2, 2);
    alpha.SetPixels(TRGBColors(4, TRGBQuad{1, 2, 3, 200}));
    HBITMAP copy = CopyImageHandle(alpha.Handle());
    ASSERT_NE(copy, nullptr) << win9x;
    TBitmap copied;
    copied.SetHandle(copy);
    TRGBColors pixels;
    ASSERT_TRUE(GetBitmapColors(&copied, pixels, true));
    EXPECT_EQ(PackRGBQuad(pixels[3]), 0xC8030201u) << win9x;
    DIBSECTION dib;
    EXPECT_EQ(GetObjectW(copied.Handle(), sizeof dib, &dib), int(sizeof dib)) << "a DIB section";
  }
  OSFlagWin9x = false;
}

TEST(BitmapRoutinesTest, RotatingTurnsAndKeepsTheDepth) {
  TcxBitmap32 bitmap(3, 2);
  bitmap.Canvas()->SetPixels(2, 0, clRed);
  bitmap.Rotate(raMinus90);
  EXPECT_EQ(bitmap.Width(), 2);
  EXPECT_EQ(bitmap.Height(), 3);
  EXPECT_EQ(bitmap.PixelFormat(), pf32bit);
  EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clRed);
  bitmap.Rotate(raNone, true);
  EXPECT_EQ(bitmap.Canvas()->Pixels(0, 2), clRed);
}

// Owns an image list by free notification, as a control does.
class TListUser : public TComponent {
 public:
  TListUser() : TComponent(nullptr) {}
  TCustomImageList* Images = nullptr;
  TChangeLink Link;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == Images) Images = nullptr;
  }
};

TEST(BitmapRoutinesTest, ReplacingAnImageListMovesTheLinkAndTheNotification) {
  auto first = std::make_unique<TCustomImageList>(nullptr, 16, 16);
  auto second = std::make_unique<TCustomImageList>(nullptr, 16, 16);
  TListUser user;
  ChangeCounter counter;
  user.Link.OnChange = TNotifyEvent(&counter, &ChangeCounter::Changed);
  ReplaceImageList(first.get(), user.Images, &user.Link, &user);
  EXPECT_EQ(user.Images, first.get());
  EXPECT_EQ(counter.count, 1);
  ReplaceImageList(first.get(), user.Images, &user.Link, &user);
  EXPECT_EQ(counter.count, 1) << "the list held already: nothing";
  ReplaceImageList(second.get(), user.Images, &user.Link, &user);
  EXPECT_EQ(user.Link.Sender(), second.get());
  EXPECT_EQ(counter.count, 2);
  TBitmap image;
  image.SetSize(16, 16);
  first->Add(&image, nullptr);
  EXPECT_EQ(counter.count, 2) << "the old list no longer tells";
  second->Add(&image, nullptr);
  EXPECT_EQ(counter.count, 3);
  EXPECT_TRUE(IsValidImageIndex(second.get(), 0));
  EXPECT_FALSE(IsValidImageIndex(second.get(), 1));
  EXPECT_FALSE(IsValidImageIndex(nullptr, 0));
  first.reset();
  EXPECT_EQ(user.Images, second.get());
  second.reset();
  EXPECT_EQ(user.Images, nullptr) << "freeing the list tells its user";
}

}  // namespace
