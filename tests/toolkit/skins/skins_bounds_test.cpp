// Skin data from outside held in bounds: stored margins, thicknesses and
// offsets of any 32-bit value cut and shrink inside the target; a multi-skin
// file is listed reading each entry within its own size; a stream cut inside
// an element leaves its colour consistent with its flag.
#include <gtest/gtest.h>

#include <climits>

#include "counting_stream.h"
#include "skins_test_support.h"

using namespace skins_test;

namespace {

bool Inside(const TRect& APart, const TRect& R) {
  const bool empty = APart.Right <= APart.Left || APart.Bottom <= APart.Top;
  return empty ? APart.Left >= R.Left && APart.Left <= R.Right && APart.Top >= R.Top && APart.Top <= R.Bottom
               : APart.Left >= R.Left && APart.Right <= R.Right && APart.Top >= R.Top && APart.Bottom <= R.Bottom;
}

constexpr int kHuge = 2000000000;
const int kExtremes[] = {kHuge, -kHuge, INT_MAX, INT_MIN, 0, 7};

TEST(SkinBoundsTest, ExtremeMarginsShrinkToTheTargetAndCutInsideIt) {
  // Two margins of 2e9 share a 100-pixel target between them.
  EXPECT_EQ(dxSkinShrinkMargins(TRect{kHuge, kHuge, kHuge, kHuge}, 100, 30), (TRect{50, 15, 50, 15}));
  EXPECT_EQ(dxSkinShrinkMargins(TRect{INT_MAX, 0, INT_MAX, 0}, 0, 0), TRect{});
  const TRect targets[] = {{10, 20, 110, 50}, {0, 0, 0, 0}, {-5, -5, 0, 0}, {INT_MIN, 0, INT_MAX, 10}};
  for (const TRect& target : targets)
    for (int a : kExtremes)
      for (int b : kExtremes) {
        SCOPED_TRACE(testing::Message() << "margins " << a << ", " << b);
        const TRect margins{a, b, b, a};
        const std::int64_t w = std::int64_t(target.Right) - target.Left, h = std::int64_t(target.Bottom) - target.Top;
        const TRect shrunk = dxSkinShrinkMargins(margins, int(std::min<std::int64_t>(w, INT_MAX)), int(h));
        EXPECT_LE(std::int64_t(std::max(shrunk.Left, 0)) + std::max(shrunk.Right, 0), std::max<std::int64_t>(w, 0));
        EXPECT_LE(std::int64_t(std::max(shrunk.Top, 0)) + std::max(shrunk.Bottom, 0), std::max<std::int64_t>(h, 0));
        for (const TRect& part : dxSkinNinePartRects(target, shrunk)) EXPECT_TRUE(Inside(part, target));
        for (const TRect& part : dxSkinNinePartRects(target, margins)) EXPECT_TRUE(Inside(part, target));
        EXPECT_TRUE(Inside(dxSkinDeflateRect(target, margins), target));
      }
}

TEST(SkinBoundsTest, BorderBandsStayInsideTheirRectangle) {
  const TRect r{10, 20, 110, 50};
  TdxSkin skin(L"S");
  TdxSkinElement* e = skin.AddGroup(L"G")->AddElement(L"E");
  for (int thin : kExtremes)
    for (int side = 0; side < 4; ++side) {
      TdxSkinBorder* border = e->Borders()->Items(side);
      border->SetThin(thin);
      EXPECT_TRUE(Inside(border->BandRect(r), r)) << "thin " << thin << " side " << side;
    }
  e->Borders()->Left()->SetThin(4);
  EXPECT_EQ(e->Borders()->Left()->BandRect(r), (TRect{10, 20, 14, 50}));
  e->Borders()->Bottom()->SetThin(kHuge);
  EXPECT_EQ(e->Borders()->Bottom()->BandRect(r), r);
}

TEST(SkinBoundsTest, StoredMarginsOffsetsAndThicknessesAreHeldOnReading) {
  TBytes b;
  b.Header(1.03).Str("S").Int(0).Int(0).Int(1).Str("G").Int(1).Str("E").Int(clRed).Byte(255).Int(1);
  b.Rect(INT_MIN, INT_MAX, -kHuge, 3);                                            // content offset
  b.Rect(0, 0, 0, 0).Byte(0).Word(1).Byte(0).Int(clNone).Int(clNone).Byte(0).Int(0);  // glyph
  b.Rect(kHuge, -kHuge, 5, INT_MIN).Byte(0).Word(1).Byte(1).Int(clNone).Int(clNone).Byte(0).Int(0);  // image
  for (int thin : {INT_MAX, INT_MIN, 2, -kHuge}) b.Str("TdxSkinBorder").Str("Side").Int(clBlack).Int(thin);
  b.Int(clNone).Int(0).Int(0).Int(0).Int(0);
  TdxSkin skin(L"S");
  LoadSkinBytes(&skin, b.Data());
  TdxSkinElement* e = skin.FindGroup(L"G")->FindElement(L"E");
  const int m = dxSkinMaxStoredExtent;
  EXPECT_EQ(e->ContentOffset()->Rect(), (TRect{-m, m, -m, 3}));
  EXPECT_EQ(e->Image()->Margins()->Rect(), (TRect{m, -m, 5, -m}));
  EXPECT_EQ(e->Borders()->Left()->Thin(), m);
  EXPECT_EQ(e->Borders()->Top()->Thin(), -m);
  EXPECT_EQ(e->Borders()->Right()->Thin(), 2);
  EXPECT_EQ(e->Borders()->Bottom()->Thin(), -m);
}

TEST(SkinBoundsTest, AStreamCutBeforeTheColourIsAppliedLeavesNeitherColourNorFlag) {
  TBytes head;
  head.Header(1.03).Str("S").Int(0).Int(0).Int(1).Str("G").Int(1).Str("E").Int(clRed).Byte(128).Int(1).Rect(0, 0, 0, 0);
  head.EmptyImage(1.03).EmptyImage(1.03).Str("TdxSkinBorder").Str("Left");
  TdxSkin skin(L"S");
  EXPECT_THROW(LoadSkinBytes(&skin, head.Data()), EReadError);
  TdxSkinElement* e = skin.FindGroup(L"G")->FindElement(L"E");
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->Color(), clDefault);
  EXPECT_FALSE(e->ColorAssigned());
  EXPECT_EQ(e->Alpha(), 255);
}

// Entry k of a multi-skin file whose skin's string property holds every later
// entry: read without its size as a bound, each entry reads the rest of the file.
std::string NestedMultiSkinFile(int ACount) {
  std::string tail;
  for (int k = 0; k < ACount; ++k) {
    TBytes prefix;
    prefix.Header(1.03).Str("A").Int(0).Int(1).Str("TdxSkinStringProperty").Str("V");
    TBytes entry;
    entry.Int(std::int32_t(prefix.Data().size() + 4)).Raw(prefix.Data()).Int(std::int32_t(tail.size())).Raw(tail);
    tail = entry.Data();
  }
  TBytes file;
  file.Header(1.03).Int(ACount).Raw(tail);
  return file.Data();
}

TEST(SkinBoundsTest, ListingReadsEachEntryWithinItsOwnSize) {
  const std::string nested = NestedMultiSkinFile(1000);
  TCountingStream stream(nested);
  TdxSkinBinaryReader reader(&stream);
  // The multi-skin attempt and the single-skin one each read the file once at most.
  EXPECT_LE(stream.BytesRead(), 2 * std::int64_t(nested.size()) + 64);
  EXPECT_LE(reader.Count(), 1);

  // A sound file still lists all of its skins, reading each once.
  std::vector<std::string> skins;
  for (int i = 0; i < 50; ++i) skins.push_back(SkinBytes(SampleSkin().get()));
  TStringStream written;
  WriteMultiSkinStream(&written, skins);
  TCountingStream sound(written.DataString());
  EXPECT_EQ(TdxSkinBinaryReader(&sound).Count(), 50);
  EXPECT_LE(sound.BytesRead(), std::int64_t(written.DataString().size()));
}

}  // namespace
