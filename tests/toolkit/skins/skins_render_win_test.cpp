// Skin elements on the screen, drawn from the compiled probe skin (every
// frame and margin part a flat colour of its own) and from pictures made
// here: frames by state and image index, the nine-part split with shrunk
// margins, stretching and tiling, backgrounds, borders, gradients, the empty
// element, the element caches, and the parts their pictures are drawn in.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <span>

#include "images_win_test_support.h"
#include "skins_win_test_support.h"

using core_graphics_test::CanvasSurface;
using images_test::Hex;
using images_test::Near;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new skins_test::TSkinUnits);

using skins_test::Probe;
using skins_test::ProbeElement;

// The picture's pixel as 0xRRGGBB.
std::uint32_t SourceAt(TdxSkinImage* AImage, int X, int Y) {
  TdxPNGImage* picture = SkinImagePicture(AImage);
  const TRGBColors bits = picture->Image()->GetBits();
  const TRGBQuad q = bits[std::size_t(Y) * std::size_t(picture->Width()) + std::size_t(X)];
  return std::uint32_t(q.rgbRed) << 16 | std::uint32_t(q.rgbGreen) << 8 | q.rgbBlue;
}

TPoint Centre(const TRect& R) { return TPoint{(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }

// The colour the centre of source part APart of the frame shows.
std::uint32_t SourcePart(TdxSkinImage* AImage, const TRect& AFrame, int APart) {
  const auto parts = dxSkinNinePartRects(AFrame, AImage->Margins()->Rect());
  const TPoint c = Centre(parts[std::size_t(APart)]);
  return SourceAt(AImage, c.X, c.Y);
}

std::unique_ptr<TdxSkinElement> ElementWithPicture(int width, int height, const png_test::TPixels& pixels) {
  auto e = std::make_unique<TdxSkinElement>(nullptr);
  const std::vector<std::uint8_t> png = png_test::EncodePng(width, height, pixels);
  e->Image()->LoadFromPngData(png.data(), png.size());
  e->Image()->SetStates({esNormal});
  return e;
}

// --- Loading -------------------------------------------------------------------------------

TEST(SkinResourceTest, TheProbeLoadsFromTheProgramsResources) {
  EXPECT_EQ(Probe().Name(), L"Probe");
  EXPECT_EQ(Probe().DisplayName(), L"Probe");
  EXPECT_EQ(Probe().Version(), 1.03);
  EXPECT_EQ(Probe().Groups()->Count(), 13);
  // Resource names are found whatever their case.
  TdxSkin lower(L"probe", GetModuleHandleW(nullptr), true);
  EXPECT_EQ(lower.Name(), L"Probe");
  EXPECT_THROW(TdxSkin(L"NoSuchSkin", GetModuleHandleW(nullptr), true), EResNotFound);

  // Frame sizes come from the picture strip: 3 images of 4 states of 13 x 13.
  TdxSkinElement* check = ProbeElement(L"Editors", L"Checkbox");
  EXPECT_EQ(SkinImagePicture(check->Image())->Width(), 13 * 12);
  EXPECT_EQ(check->GetImageSize(), (TSize{13, 13}));
  EXPECT_FALSE(check->HasTransparency());
}

TEST(SkinResourceTest, PicturesSurviveARoundTripThroughGdiPlus) {
  std::unique_ptr<TdxSkin> skin = skins_test::SampleSkin();
  TdxSkinElement* button = skin->FindGroup(L"Common")->FindElement(L"Button");
  ASSERT_TRUE(dynamic_cast<TdxSkinPNGTexture*>(button->Image()->Texture()));
  EXPECT_TRUE(button->HasTransparency());  // the sample picture has alpha
  TdxSkin read(L"");
  skins_test::LoadSkinBytes(&read, skins_test::SkinBytes(skin.get()));
  TdxSkinElement* again = read.FindGroup(L"Common")->FindElement(L"Button");
  EXPECT_TRUE(again->IsEqual(button));  // the pictures re-encoded, the same pixels
  const std::vector<std::uint8_t> other = skins_test::SamplePng(6, 5);
  again->Image()->LoadFromPngData(other.data(), other.size());
  EXPECT_FALSE(again->IsEqual(button));
  // Damaged and foreign picture data raise and keep the picture.
  const std::vector<std::uint8_t> bitmap = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_THROW(again->Image()->LoadFromPngData(bitmap.data(), bitmap.size()), EdxSkin);
  std::vector<std::uint8_t> damaged = other;
  damaged[30] ^= 0x55;
  EXPECT_THROW(again->Image()->LoadFromPngData(damaged.data(), damaged.size()), Exception);
  EXPECT_EQ(SkinImagePicture(again->Image())->Height(), 5);
}

// --- Frames and parts ----------------------------------------------------------------------

TEST(SkinRenderTest, AFrameOfEachImageAndStateUnscaled) {
  TdxSkinElement* check = ProbeElement(L"Editors", L"Checkbox");  // no resize, margins 0
  CanvasSurface s(40, 40);
  for (int image = 0; image < 3; ++image) {
    for (TdxSkinElementState state : {esNormal, esHot, esPressed, esDisabled, esFocused}) {
      s.Fill(clWhite);
      check->DrawToDC(s.Dc, TRect{3, 3, 37, 37}, image, state);
      const auto cap = s.Cap();
      // The frame is centred: 13 x 13 at (3 + 10, 3 + 10); a missing state falls back to normal.
      const TRect frame = check->Image()->GetSourceRect(image, state);
      EXPECT_EQ(cap.At(19, 19), SourceAt(check->Image(), frame.Left + 6, 6)) << image << " " << state;
      EXPECT_EQ(cap.At(13, 13), SourceAt(check->Image(), frame.Left, 0));
      // Around it, the element's colour: a picture that keeps its size has the background drawn.
      EXPECT_EQ(cap.At(5, 5), images_test::Rgb(check->Color()));
    }
  }
  EXPECT_EQ(check->Image()->GetSourceRect(2, esHot).Left, (2 * 4 + 1) * 13);
  s.Save(L"skins_render_frames");
}

TEST(SkinRenderTest, NinePartsStretchAndShrink) {
  TdxSkinElement* button = ProbeElement(L"Common", L"Button");  // 24 x 22, margins 4, stretched
  TdxSkinImage* image = button->Image();
  const TRect frame = image->GetSourceRect(0, esHot);
  CanvasSurface s(120, 80);
  const TRect target{10, 10, 110, 70};
  button->DrawToDC(s.Dc, target, 0, esHot);
  auto cap = s.Cap();
  const auto parts = dxSkinNinePartRects(target, TRect{4, 4, 4, 4});
  for (int p = 0; p < 9; ++p) {
    const TPoint c = Centre(parts[std::size_t(p)]);
    EXPECT_EQ(cap.At(c.X, c.Y), SourcePart(image, frame, p)) << "part " << p;
  }
  // The centre is stretched over the whole middle; corners keep 4 x 4.
  EXPECT_EQ(cap.At(15, 15), SourcePart(image, frame, 4));
  EXPECT_EQ(cap.At(104, 64), SourcePart(image, frame, 4));
  EXPECT_EQ(cap.At(9, 9), 0xFFFFFFu);

  // A target narrower than both margins: 4 and 4 become 3 and 3, the centre goes.
  s.Fill(clWhite);
  const TRect narrow{10, 10, 16, 70};
  button->DrawToDC(s.Dc, narrow, 0, esHot);
  cap = s.Cap();
  const auto shrunk = dxSkinNinePartRects(narrow, dxSkinShrinkMargins(TRect{4, 4, 4, 4}, 6, 60));
  EXPECT_EQ(shrunk[3], (TRect{10, 14, 13, 66}));
  EXPECT_EQ(shrunk[5], (TRect{13, 14, 16, 66}));
  EXPECT_EQ(cap.At(11, 40), SourcePart(image, frame, 3));
  EXPECT_EQ(cap.At(14, 40), SourcePart(image, frame, 5));
  EXPECT_EQ(cap.At(11, 11), SourcePart(image, frame, 0));
  EXPECT_EQ(cap.At(14, 68), SourcePart(image, frame, 8));
  EXPECT_EQ(cap.At(11, 68), SourcePart(image, frame, 6));
  s.Save(L"skins_render_nine");
}

TEST(SkinRenderTest, TiledCentresRepeatAndStretchedOnesScale) {
  // A 12 x 6 picture: margins of 2 in grey around a centre of 4 red and 4 blue columns.
  png_test::TPixels pixels(72, 0x808080FFu);
  for (int y = 2; y < 4; ++y)
    for (int x = 2; x < 10; ++x) pixels[std::size_t(y * 12 + x)] = x < 6 ? 0xFF0000FFu : 0x0000FFFFu;
  std::unique_ptr<TdxSkinElement> e = ElementWithPicture(12, 6, pixels);
  e->Image()->Margins()->SetRect(TRect{2, 2, 2, 2});
  e->Image()->SetStretch(smTile);
  CanvasSurface s(40, 20);
  e->DrawToDC(s.Dc, TRect{0, 0, 30, 10}, 0, esNormal);
  auto cap = s.Cap();
  // The centre repeats from its left edge: 4 red, 4 blue, 4 red, ...
  for (int x = 2; x < 28; ++x)
    EXPECT_EQ(cap.At(x, 5), (x - 2) % 8 < 4 ? 0xFF0000u : 0x0000FFu) << "column " << x;
  EXPECT_EQ(cap.At(1, 5), 0x808080u);
  EXPECT_EQ(cap.At(28, 5), 0x808080u);
  EXPECT_EQ(cap.At(15, 1), 0x808080u);

  e->Image()->SetStretch(smStretch);
  s.Fill(clWhite);
  e->DrawToDC(s.Dc, TRect{0, 0, 30, 10}, 0, esNormal);
  cap = s.Cap();
  // Stretched once: red over the left of the centre, blue over its right.
  EXPECT_EQ(cap.At(5, 5), 0xFF0000u);
  EXPECT_EQ(cap.At(25, 5), 0x0000FFu);
  EXPECT_EQ(cap.At(1, 1), 0x808080u);
  s.Save(L"skins_render_stretch");
}

TEST(SkinRenderTest, IndicesOutOfRangeDrawNothing) {
  TdxSkinElement* check = ProbeElement(L"Editors", L"Checkbox");
  CanvasSurface s(30, 30);
  for (int index : {-1, 3, 1000, INT32_MAX}) {
    check->DrawToDC(s.Dc, TRect{0, 0, 30, 30}, index, esNormal);
    check->Image()->Draw(s.Dc, TRect{0, 0, 30, 30}, index, esNormal);
    EXPECT_EQ(s.Cap().CountNot(0xFFFFFF), 0u) << index;
  }
  // Empty and invisible targets draw nothing either.
  check->DrawToDC(s.Dc, TRect{10, 10, 10, 20}, 0, esNormal);
  check->DrawToDC(s.Dc, TRect{40, 40, 60, 60}, 0, esNormal);
  EXPECT_EQ(s.Cap().CountNot(0xFFFFFF), 0u);
}

// --- Layers --------------------------------------------------------------------------------

TEST(SkinRenderTest, BackgroundBordersAndGlyph) {
  png_test::TPixels green(16, 0x00FF00FFu);
  std::unique_ptr<TdxSkinElement> e = ElementWithPicture(4, 4, green);
  e->SetColor(clRed);
  CanvasSurface s(40, 40);
  // An opaque stretched picture covers its rectangle: no background.
  e->DrawToDC(s.Dc, TRect{0, 0, 20, 20}, 0, esNormal);
  EXPECT_EQ(s.Cap().At(0, 0), 0x00FF00u);
  // Kept at its size, it sits centred on the background.
  e->Image()->SetStretch(smNoResize);
  e->DrawToDC(s.Dc, TRect{0, 0, 20, 20}, 0, esNormal);
  auto cap = s.Cap();
  EXPECT_EQ(cap.At(0, 0), 0xFF0000u);
  EXPECT_EQ(cap.At(9, 9), 0x00FF00u);
  EXPECT_EQ(cap.At(7, 7), 0xFF0000u);

  // Borders: each side its band; none for clNone, nothing visible for Thin 0.
  auto plain = std::make_unique<TdxSkinElement>(nullptr);
  plain->Borders()->Left()->SetColor(clBlue);
  plain->Borders()->Left()->SetThin(3);
  plain->Borders()->Bottom()->SetColor(clBlue);
  plain->Borders()->Bottom()->SetThin(0);
  s.Fill(clWhite);
  plain->DrawToDC(s.Dc, TRect{10, 10, 30, 30}, 0, esNormal);
  cap = s.Cap();
  EXPECT_EQ(cap.At(12, 20), 0x0000FFu);
  EXPECT_EQ(cap.At(13, 20), 0xFFFFFFu);
  EXPECT_EQ(cap.At(20, 29), 0xFFFFFFu);
  EXPECT_EQ(cap.CountNot(0xFFFFFF), 3u * 20u);

  // A colour with alpha blends over what is there; the glyph goes into the content rectangle.
  plain->SetColor(clBlack);
  plain->SetAlpha(128);
  plain->ContentOffset()->SetRect(TRect{5, 5, 5, 5});
  const std::vector<std::uint8_t> red = png_test::EncodePng(2, 2, png_test::TPixels(4, 0xFF0000FFu));
  plain->Glyph()->LoadFromPngData(red.data(), red.size());
  plain->Glyph()->SetStates({esNormal});
  s.Fill(clWhite);
  plain->DrawToDC(s.Dc, TRect{10, 10, 30, 30}, 0, esNormal);
  cap = s.Cap();
  EXPECT_TRUE(Near(cap.At(20, 12), 0x7F7F7F, 2)) << Hex(cap.At(20, 12));
  EXPECT_EQ(cap.At(20, 20), 0xFF0000u);  // the glyph, stretched over the content rectangle
  EXPECT_TRUE(Near(cap.At(14, 14), 0x7F7F7F, 2));
}

TEST(SkinRenderTest, GradientsOfImagesWithoutPictures) {
  auto e = std::make_unique<TdxSkinElement>(nullptr);
  e->Image()->Margins()->SetRect(TRect{2, 3, 4, 5});
  e->Image()->SetGradientBeginColor(clBlack);
  e->Image()->SetGradientEndColor(clWhite);
  e->Image()->SetGradient(gmVertical);
  CanvasSurface s(40, 40);
  s.Fill(clRed);
  e->DrawToDC(s.Dc, TRect{0, 0, 20, 20}, 0, esNormal);
  auto cap = s.Cap();
  // Inside the margins only, black at the top running to white at the bottom.
  EXPECT_EQ(cap.At(1, 10), 0xFF0000u);
  EXPECT_EQ(cap.At(10, 2), 0xFF0000u);
  EXPECT_EQ(cap.At(10, 3), 0x000000u);
  EXPECT_EQ(cap.At(10, 14), 0xFFFFFFu);
  EXPECT_LT(cap.At(10, 6) & 0xFF, cap.At(10, 11) & 0xFF);
  // Horizontal: left to right.
  e->Image()->SetGradient(gmHorizontal);
  e->DrawToDC(s.Dc, TRect{0, 0, 20, 20}, 0, esNormal);
  cap = s.Cap();
  EXPECT_EQ(cap.At(2, 10), 0x000000u);
  EXPECT_EQ(cap.At(15, 10), 0xFFFFFFu);
  // Equal colours, or none at the end: one solid colour.
  e->Image()->SetGradientEndColor(clBlack);
  s.Fill(clRed);
  e->DrawToDC(s.Dc, TRect{0, 0, 20, 20}, 0, esNormal);
  EXPECT_EQ(s.Cap().At(15, 10), 0x000000u);
  e->Image()->SetGradientEndColor(clNone);
  e->Image()->SetGradientBeginColor(clBlue);
  e->DrawToDC(s.Dc, TRect{0, 0, 20, 20}, 0, esNormal);
  EXPECT_EQ(s.Cap().At(15, 10), 0x0000FFu);
  // Diagonal gradients through GDI+ reach both colours near their corners.
  e->Image()->SetGradientEndColor(clWhite);
  e->Image()->SetGradientBeginColor(clBlack);
  e->Image()->SetGradient(gmForwardDiagonal);
  e->DrawToDC(s.Dc, TRect{0, 0, 20, 20}, 0, esNormal);
  cap = s.Cap();
  EXPECT_LT(cap.At(3, 4) & 0xFF, 0x40u);
  EXPECT_GT(cap.At(15, 14) & 0xFF, 0xC0u);
}

TEST(SkinRenderTest, TheEmptyElementIsAWhiteBoxFramedInRed) {
  TdxSkinElement* empty = EmptyElementOr(nullptr);
  ASSERT_NE(empty, nullptr);
  TdxSkinElement* probe = ProbeElement(L"Common", L"Button");
  EXPECT_EQ(EmptyElementOr(probe), probe);
  CanvasSurface s(20, 20);
  s.Fill(clBlack);
  empty->DrawToDC(s.Dc, TRect{2, 2, 12, 12}, 0, esNormal);
  const auto cap = s.Cap();
  EXPECT_EQ(cap.At(2, 2), 0xFF0000u);
  EXPECT_EQ(cap.At(11, 7), 0xFF0000u);
  EXPECT_EQ(cap.At(6, 6), 0xFFFFFFu);
  EXPECT_EQ(cap.At(12, 12), 0x000000u);
}

// --- Caches --------------------------------------------------------------------------------

TEST(SkinCacheTest, ACachedElementRendersOnceAndDrawsTheSame) {
  TdxSkinElement* button = ProbeElement(L"Common", L"Button");
  CanvasSurface plain(100, 60), cached(100, 60);
  button->DrawToDC(plain.Dc, TRect{5, 5, 45, 35}, 0, esPressed);
  button->DrawToDC(plain.Dc, TRect{50, 20, 90, 50}, 0, esPressed);
  button->SetUseCache(true);
  button->DrawToDC(cached.Dc, TRect{5, 5, 45, 35}, 0, esPressed);
  button->DrawToDC(cached.Dc, TRect{50, 20, 90, 50}, 0, esPressed);
  auto* cache = static_cast<TdxSkinElementCache*>(button->Cache());
  ASSERT_NE(cache, nullptr);
  EXPECT_EQ(cache->RenderCount(), 1);  // two places, one size
  EXPECT_TRUE(cache->HasOpaqueBitmap());
  EXPECT_EQ(cached.Cap().Pixels, plain.Cap().Pixels);
  // Another size, state or index renders again.
  button->DrawToDC(cached.Dc, TRect{5, 5, 46, 35}, 0, esPressed);
  button->DrawToDC(cached.Dc, TRect{5, 5, 46, 35}, 0, esHot);
  EXPECT_EQ(cache->RenderCount(), 3);
  // A change of the skin renders again too.
  ProbeElement(L"Common", L"Header")->SetTextColor(clRed);
  button->DrawToDC(cached.Dc, TRect{5, 5, 46, 35}, 0, esHot);
  EXPECT_EQ(cache->RenderCount(), 4);
  button->SetUseCache(false);
  EXPECT_EQ(button->Cache(), nullptr);
}

TEST(SkinCacheTest, ElementsThatLeavePixelsAloneAreKeptWithAlpha) {
  // No picture and no colour: nothing is drawn, cached or not.
  auto nothing = std::make_unique<TdxSkinElement>(nullptr);
  nothing->SetUseCache(true);
  CanvasSurface s(30, 30);
  s.Fill(clRed);
  nothing->DrawToDC(s.Dc, TRect{0, 0, 30, 30}, 0, esNormal);
  EXPECT_EQ(s.Cap().CountNot(0xFF0000), 0u);
  // A half-transparent colour blends over what is there, cached or not.
  nothing->SetColor(clBlue);
  nothing->SetAlpha(128);
  nothing->DrawToDC(s.Dc, TRect{0, 0, 30, 30}, 0, esNormal);
  EXPECT_TRUE(static_cast<TdxSkinElementCache*>(nothing->Cache())->HasAlphaBitmap());
  EXPECT_TRUE(Near(s.Cap().At(15, 15), 0x7F0080, 2)) << Hex(s.Cap().At(15, 15));
  // A change of the element itself draws anew.
  nothing->SetAlpha(255);
  s.Fill(clRed);
  nothing->DrawToDC(s.Dc, TRect{0, 0, 30, 30}, 0, esNormal);
  EXPECT_EQ(s.Cap().At(15, 15), 0x0000FFu);
}

TEST(SkinCacheTest, TheListKeepsEightAndDropsTheOldest) {
  TdxSkinElement* button = ProbeElement(L"Common", L"Button");
  TdxSkinElementCacheList list;
  CanvasSurface s(200, 40);
  for (int i = 0; i < 9; ++i) list.Draw(s.Dc, button, 0, esNormal, TRect{i * 20, 0, i * 20 + 18, 30});
  ASSERT_EQ(list.Count(), TdxSkinElementCacheList::CacheListLimit);
  EXPECT_EQ(list.Items(0)->Rect(), (TRect{20, 0, 38, 30}));
  EXPECT_EQ(list.Items(7)->Rect(), (TRect{160, 0, 178, 30}));
  // The same rectangle again uses its cache; the first one is made anew at the end.
  TdxSkinElementCache* second = list.Items(0);
  list.Draw(s.Dc, button, 0, esNormal, TRect{20, 0, 38, 30});
  EXPECT_EQ(list.Items(0), second);
  EXPECT_EQ(second->RenderCount(), 1);
  list.Draw(s.Dc, button, 0, esNormal, TRect{0, 0, 18, 30});
  EXPECT_EQ(list.Items(0)->Rect(), (TRect{40, 0, 58, 30}));
  EXPECT_EQ(list.Items(7)->Rect(), (TRect{0, 0, 18, 30}));
  EXPECT_EQ(list.Items(7)->RenderCount(), 1);
  s.Save(L"skins_render_cachelist");
}

// The 32 bits of every pixel of the surface (its bitmap is a DIB section).
std::span<std::uint32_t> DibPixels(CanvasSurface& AS) {
  GdiFlush();
  DIBSECTION dib{};
  GetObjectW(AS.Bmp, sizeof dib, &dib);
  return {static_cast<std::uint32_t*>(dib.dsBm.bmBits), std::size_t(AS.Width) * std::size_t(AS.Height)};
}

// A kept picture goes to the DC in parts, the opaque ones copied and the
// rest blended: whatever the split, every byte of every pixel is what one
// blend of the whole picture gives, over a background whose every pixel,
// alpha byte too, differs from its neighbours.
TEST(SkinCacheTest, PicturesDrawnInPartsPaintWhatOneBlendPaints) {
  using TParts = TdxSkinPictureParts;
  const auto copied = [](TRect r) { return TdxSkinPicturePart{r, false}; };
  const auto blended = [](TRect r) { return TdxSkinPicturePart{r, true}; };
  // Rounded corners: three rows at the top and two at the bottom hold
  // transparent and half-transparent pixels near their ends, four columns
  // deep at the top, three at the bottom.
  const auto rounded = [](int x, int y, int w, int h) -> int {
    const int fromSide = std::min(x, w - 1 - x), fromEdge = y < 3 ? y : h - y;
    if (y >= 3 && y < h - 2) return 255;
    return fromSide + fromEdge < 2 ? 0 : fromSide + fromEdge < 4 ? 128 : 255;
  };
  struct TCase {
    const char* Name;
    int W, H;
    std::function<int(int, int, int, int)> Alpha;
    TParts Parts;
  } cases[] = {
      {"opaque", 75, 23, [](int, int, int, int) { return 255; }, {copied({0, 0, 75, 23})}},
      {"rounded corners", 75, 23, rounded,
       {copied({0, 3, 75, 21}), copied({4, 0, 71, 3}), blended({0, 0, 4, 3}), blended({71, 0, 75, 3}),
        copied({3, 21, 72, 23}), blended({0, 21, 3, 23}), blended({72, 21, 75, 23})}},
      // Edge middles too short to pay for their calls are blended whole.
      {"rounded corners, narrow", 31, 40, rounded,
       {copied({0, 3, 31, 38}), blended({0, 0, 31, 3}), blended({0, 38, 31, 40})}},
      {"rounded corners, small", 13, 13, rounded, {blended({0, 0, 13, 13})}},
      {"translucent frame", 75, 23,
       [](int x, int y, int w, int h) { return std::min({x, y, w - 1 - x, h - 1 - y}) < 2 ? 90 : 255; },
       {copied({2, 2, 73, 21}), blended({0, 0, 75, 2}), blended({0, 21, 75, 23}), blended({0, 2, 2, 21}),
        blended({73, 2, 75, 21})}},
      {"clear left column", 31, 19, [](int x, int, int, int) { return x == 0 ? 0 : 255; },
       {copied({1, 0, 31, 19}), blended({0, 0, 1, 19})}},
      {"hole inside", 31, 19, [](int x, int y, int, int) { return x == 9 && y == 11 ? 40 : 255; },
       {blended({0, 0, 31, 19})}},
      {"translucent", 31, 19, [](int x, int y, int, int) { return 60 + (x * 7 + y * 3) % 150; },
       {blended({0, 0, 31, 19})}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const int W = c.W, H = c.H;
    // Premultiplied, the bottom row first, as the caches keep them.
    TRGBColors pixels(std::size_t(W) * H);
    for (int y = 0; y < H; ++y)
      for (int x = 0; x < W; ++x) {
        const int a = c.Alpha(x, y, W, H);
        const auto channel = [&](int v) { return std::uint8_t(v % 256 * a / 255); };
        pixels[std::size_t(H - 1 - y) * W + std::size_t(x)] =
            TRGBQuad{channel(x * 8), channel(y * 13), channel(x * y + 40), std::uint8_t(a)};
      }
    const TParts parts = SplitPictureByTransparency(pixels, W, H);
    EXPECT_EQ(parts, c.Parts);
    TcxBitmap32 picture(W, H);
    picture.SetPixels(pixels);
    CanvasSurface whole(W + 12, H + 9), split(W + 12, H + 9);
    for (CanvasSurface* surface : {&whole, &split}) {
      const std::span<std::uint32_t> bits = DibPixels(*surface);
      for (std::size_t i = 0; i < bits.size(); ++i) bits[i] = std::uint32_t(i) * 2654435761u;
    }
    AlphaBlendDC(whole.Dc, picture.Canvas()->Handle(), TRect{5, 4, 5 + W, 4 + H}, 255, false, TRect{0, 0, W, H});
    DrawPictureParts(split.Dc, picture.Canvas()->Handle(), parts, TPoint{5, 4});
    const std::span<std::uint32_t> expected = DibPixels(whole), actual = DibPixels(split);
    EXPECT_TRUE(std::equal(actual.begin(), actual.end(), expected.begin(), expected.end()));
  }
}

}  // namespace

namespace {

// A look drawn from its pictures as controls would: rounded corners let the
// background through, marks sit in their boxes. Saved for a person to look at.
TEST(SkinRenderTest, ALookDrawsItsElementsCleanly) {
  TdxSkin look(L"SampleLook", GetModuleHandleW(nullptr), true);
  auto element = [&](const wchar_t* group, const wchar_t* name) { return look.FindGroup(group)->FindElement(name); };
  CanvasSurface s(320, 200);
  s.Fill(TColor(0xF0F0F0));
  const TdxSkinElementState states[] = {esNormal, esHot, esPressed, esDisabled};
  for (int i = 0; i < 4; ++i) {
    element(L"Common", L"Button")->DrawToDC(s.Dc, TRect{8 + i * 76, 8, 80 + i * 76, 32}, 0, states[i]);
    for (int image = 0; image < 3; ++image)
      element(L"Editors", L"Checkbox")->DrawToDC(s.Dc, TRect{8 + i * 76 + image * 20, 40, 21 + i * 76 + image * 20, 53},
                                                 image, states[i]);
    for (int image = 0; image < 2; ++image)
      element(L"Editors", L"RadioButton")
          ->DrawToDC(s.Dc, TRect{8 + i * 76 + image * 20, 60, 21 + i * 76 + image * 20, 73}, image, states[i]);
    for (int image = 0; image < 4; ++image)
      element(L"Common", L"ScrollButton")
          ->DrawToDC(s.Dc, TRect{8 + i * 76 + image * 18, 80, 25 + i * 76 + image * 18, 97}, image, states[i]);
  }
  element(L"Form", L"FormCaption")->DrawToDC(s.Dc, TRect{8, 104, 312, 132}, 0, esActive);
  element(L"Form", L"FormButtonClose")->DrawToDC(s.Dc, TRect{286, 108, 307, 129}, 0, esNormal);
  element(L"Form", L"FormButtonMaximize")->DrawToDC(s.Dc, TRect{263, 108, 284, 129}, 0, esHot);
  element(L"Editors", L"ProgressBorder")->DrawToDC(s.Dc, TRect{8, 140, 200, 160}, 0, esNormal);
  element(L"Editors", L"ProgressChunk")->DrawToDC(s.Dc, TRect{10, 142, 120, 158}, 0, esNormal);
  element(L"Common", L"Header")->DrawToDC(s.Dc, TRect{8, 168, 108, 188}, 0, esNormal);
  element(L"Common", L"Header")->DrawToDC(s.Dc, TRect{108, 168, 208, 188}, 0, esHot);
  element(L"PageControl", L"TabHeader")->DrawToDC(s.Dc, TRect{216, 166, 300, 188}, 0, esNormal);
  s.Save(L"skins_render_look");
  const auto cap = s.Cap();
  EXPECT_EQ(cap.At(8, 8), 0xF0F0F0u);    // a rounded corner shows the background
  EXPECT_EQ(cap.At(40, 8), 0x8A99ADu);   // the button's edge
  EXPECT_EQ(cap.At(116, 8), 0x3C7FD0u);  // hot: the hot edge
  EXPECT_LT(cap.At(34, 47) & 0xFF, 0x60u);  // the check mark of the checked box
}

}  // namespace
