// Drawing skin elements: the background, the image frame of a state and
// image index, the border lines and the glyph; and the element caches that
// keep an element drawn at one size.
#include <algorithm>
#include <cstring>

#include "dxSkinsCore_win.h"

namespace {

int Width(const TRect& R) { return R.Right - R.Left; }
int Height(const TRect& R) { return R.Bottom - R.Top; }
bool IsEmptyRect(const TRect& R) { return Width(R) <= 0 || Height(R) <= 0; }

bool IsVisibleOn(HDC DC, const TRect& R) {
  const RECT r{R.Left, R.Top, R.Right, R.Bottom};
  return !IsEmptyRect(R) && RectVisible(DC, &r);
}

// Without GDI+ no skin is registered; what is drawn anyway draws nothing.
bool CanDrawOn(HDC DC, const TRect& R) { return IsVisibleOn(DC, R) && IsGdiPlusAvailable(); }

// A part more than one call draws in pays when it saves blending about this
// many pixels: below it, a small picture (a check box) draws faster with one
// blend of the whole (measured under Wine: a call costs about as much as
// blending 35 pixels).
constexpr int CopiedPixelsPerCall = 64;

bool IsImageIndexValid(TdxSkinElement* AElement, int AImageIndex) {
  return AImageIndex >= 0 && AImageIndex < AElement->ImageCount();
}

// Whether drawing the element leaves no pixel of a rectangle untouched and
// none transparent, so its picture can be kept without alpha.
bool CoversWholeRect(TdxSkinElement* AElement) {
  if (AElement->HasTransparency()) return false;
  TdxSkinImage* image = AElement->Image();
  if (image->Empty() || image->Stretch() == smNoResize) return AElement->ColorAssigned();
  return SkinImagePicture(image) && image->PartVisible(4);
}

}  // namespace

// --- Kept pictures -------------------------------------------------------------------------

TdxSkinPictureParts SplitPictureByTransparency(const TRGBColors& APixels, int AWidth, int AHeight) {
  const TRect all{0, 0, AWidth, AHeight};
  if (AWidth <= 0 || AHeight <= 0 || APixels.size() < std::size_t(AWidth) * std::size_t(AHeight))
    return {{all, true}};
  // y counts from the top; the pixels hold the bottom row first.
  const auto opaque = [&](int x, int y) {
    return APixels[std::size_t(AHeight - 1 - y) * std::size_t(AWidth) + std::size_t(x)].rgbReserved == 255;
  };
  const auto areaOpaque = [&](int x0, int y0, int x1, int y1) {
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x)
        if (!opaque(x, y)) return false;
    return true;
  };
  // The opaque inner rectangle is looked for two ways: the rows with
  // transparency at the top and the bottom, then the columns with it at the
  // sides of the rows between (rounded corners; with no opaque row at all,
  // clear side columns); else what the middle row and column show (a frame
  // translucent all round). A hole inside leaves one blend of the whole.
  const auto byBands = [&] {
    int top = 0, bottom = 0, left = 0, right = 0;
    while (top < AHeight && !areaOpaque(0, top, AWidth, top + 1)) ++top;
    if (top == AHeight) top = 0;
    else while (!areaOpaque(0, AHeight - 1 - bottom, AWidth, AHeight - bottom)) ++bottom;
    while (left < AWidth && !areaOpaque(left, top, left + 1, AHeight - bottom)) ++left;
    if (left == AWidth) return TRect{};
    while (!areaOpaque(AWidth - 1 - right, top, AWidth - right, AHeight - bottom)) ++right;
    return TRect{left, top, AWidth - right, AHeight - bottom};
  };
  const auto byMiddle = [&] {
    const int midX = AWidth / 2, midY = AHeight / 2;
    TRect r{0, 0, AWidth, AHeight};
    while (r.Left < AWidth && !opaque(r.Left, midY)) ++r.Left;
    while (r.Right > r.Left && !opaque(r.Right - 1, midY)) --r.Right;
    while (r.Top < AHeight && !opaque(midX, r.Top)) ++r.Top;
    while (r.Bottom > r.Top && !opaque(midX, r.Bottom - 1)) --r.Bottom;
    return r;
  };
  TRect inner = byBands();
  if (IsEmptyRect(inner) || !areaOpaque(inner.Left, inner.Top, inner.Right, inner.Bottom)) inner = byMiddle();
  if (IsEmptyRect(inner) || !areaOpaque(inner.Left, inner.Top, inner.Right, inner.Bottom)) return {{all, true}};
  TdxSkinPictureParts parts{{inner, false}};
  // A band along an edge is blended only at its ends where its middle is
  // opaque (rounded corners leave the edge between them opaque).
  const auto addBand = [&](const TRect& ABand, bool AAcross) {
    if (IsEmptyRect(ABand)) return;
    TRect middle = ABand;
    if (AAcross) {
      while (middle.Left < middle.Right && !areaOpaque(middle.Left, ABand.Top, middle.Left + 1, ABand.Bottom))
        ++middle.Left;
      while (middle.Right > middle.Left && !areaOpaque(middle.Right - 1, ABand.Top, middle.Right, ABand.Bottom))
        --middle.Right;
    } else {
      while (middle.Top < middle.Bottom && !areaOpaque(ABand.Left, middle.Top, ABand.Right, middle.Top + 1))
        ++middle.Top;
      while (middle.Bottom > middle.Top && !areaOpaque(ABand.Left, middle.Bottom - 1, ABand.Right, middle.Bottom))
        --middle.Bottom;
    }
    if (Width(middle) * Height(middle) < 2 * CopiedPixelsPerCall ||
        !areaOpaque(middle.Left, middle.Top, middle.Right, middle.Bottom)) {
      parts.push_back({ABand, true});
      return;
    }
    parts.push_back({middle, false});
    const TRect before = AAcross ? TRect{ABand.Left, ABand.Top, middle.Left, ABand.Bottom}
                                 : TRect{ABand.Left, ABand.Top, ABand.Right, middle.Top};
    const TRect after = AAcross ? TRect{middle.Right, ABand.Top, ABand.Right, ABand.Bottom}
                                : TRect{ABand.Left, middle.Bottom, ABand.Right, ABand.Bottom};
    for (const TRect& end : {before, after})
      if (!IsEmptyRect(end)) parts.push_back({end, true});
  };
  addBand(TRect{0, 0, AWidth, inner.Top}, true);
  addBand(TRect{0, inner.Bottom, AWidth, AHeight}, true);
  addBand(TRect{0, inner.Top, inner.Left, inner.Bottom}, false);
  addBand(TRect{inner.Right, inner.Top, AWidth, inner.Bottom}, false);
  int copied = 0;
  for (const TdxSkinPicturePart& part : parts)
    if (!part.Blend) copied += Width(part.Rect) * Height(part.Rect);
  if (copied < CopiedPixelsPerCall * (int(parts.size()) - 1)) return {{all, true}};
  return parts;
}

void DrawPictureParts(HDC ADestDC, HDC ASourceDC, const TdxSkinPictureParts& AParts, const TPoint& AOrigin) {
  for (const TdxSkinPicturePart& part : AParts) {
    const TRect& s = part.Rect;
    const TRect d{s.Left + AOrigin.X, s.Top + AOrigin.Y, s.Right + AOrigin.X, s.Bottom + AOrigin.Y};
    if (part.Blend)
      AlphaBlendDC(ADestDC, ASourceDC, d, 255, false, s);
    else
      BitBlt(ADestDC, d.Left, d.Top, Width(s), Height(s), ASourceDC, s.Left, s.Top, SRCCOPY);
  }
}

// --- Borders -------------------------------------------------------------------------------

void TdxSkinBorder::DrawOnCanvas(TdxSkinCanvas* ACanvas, const TRect& R) {
  if (FColor != clNone) ACanvas->FillRect(BandRect(R), FColor);
}

void TdxSkinBorder::Draw(HDC DC, const TRect& R) {
  if (FColor == clNone || !CanDrawOn(DC, R)) return;
  TdxSkinCanvas canvas(DC, R);
  DrawOnCanvas(&canvas, R);
}

void TdxSkinBorders::DrawOnCanvas(TdxSkinCanvas* ACanvas, const TRect& R) {
  for (const auto& border : FBorders) border->DrawOnCanvas(ACanvas, R);
}

// --- Images --------------------------------------------------------------------------------

void TdxSkinImage::DrawOnCanvas(TdxSkinCanvas* ACanvas, const TRect& R, int AImageIndex, TdxSkinElementState AState) {
  if (Empty()) {
    if (!HasGradient()) return;
    ACanvas->FillGradient(dxSkinDeflateRect(R, FMargins->Rect()), FGradientBeginColor, FGradient, FGradientEndColor);
    return;
  }
  if (FDirty) Recalculate();
  if (FOwner && !IsImageIndexValid(FOwner, AImageIndex)) return;
  ACanvas->DrawFrame(this, R, GetSourceRect(AImageIndex, AState));
}

void TdxSkinImage::Draw(HDC DC, const TRect& R, int AImageIndex, TdxSkinElementState AState) {
  const TSize frame = GetFrameSize();
  if (frame.cx <= 0 || frame.cy <= 0 || !CanDrawOn(DC, R)) return;
  TdxSkinCanvas canvas(DC, R);
  DrawOnCanvas(&canvas, R, AImageIndex, AState);
}

// --- Elements ------------------------------------------------------------------------------

void TdxSkinElement::DrawOnCanvas(TdxSkinCanvas* ACanvas, const TRect& R, int AImageIndex, TdxSkinElementState AState) {
  if (!IsImageIndexValid(this, AImageIndex)) return;
  if (FColorAssigned && (FImage->Empty() || FImage->Stretch() == smNoResize || HasTransparency()))
    ACanvas->FillRect(R, FColor, FAlpha);
  FImage->DrawOnCanvas(ACanvas, R, AImageIndex, AState);
  FBorders->DrawOnCanvas(ACanvas, R);
  FGlyph->DrawOnCanvas(ACanvas, dxSkinDeflateRect(R, FContentOffset->Rect()), AImageIndex, AState);
}

void TdxSkinElement::DrawToDC(HDC DC, const TRect& R, int AImageIndex, TdxSkinElementState AState) {
  if (!IsVisibleOn(DC, R)) return;
  if (InheritsFrom(TdxSkinEmptyElement::StaticClass())) {
    const RECT r{R.Left, R.Top, R.Right, R.Bottom};
    FillRect(DC, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FrameRect(DC, &r, red);
    DeleteObject(red);
    return;
  }
  if (!IsImageIndexValid(this, AImageIndex) || !IsGdiPlusAvailable()) return;
  if (FUseCache) {
    // The slot may hold another drawer's cache (the skin painter keeps its own while UseCache is off).
    auto* cache = dynamic_cast<TdxSkinElementCache*>(FCache.get());
    if (!cache) {
      FCache = std::make_unique<TdxSkinElementCache>();
      cache = static_cast<TdxSkinElementCache*>(FCache.get());
    }
    cache->Draw(DC, this, AImageIndex, AState, R);
    return;
  }
  TdxSkinCanvas canvas(DC, R);
  DrawOnCanvas(&canvas, R, AImageIndex, AState);
}

// --- Element caches ------------------------------------------------------------------------

TdxSkinElementCache::~TdxSkinElementCache() { FreePictures(); }

void TdxSkinElementCache::FreePictures() {
  FOpaqueBitmap.reset();
  FAlphaBitmap.reset();
  FAlphaParts.clear();
}

void TdxSkinElementCache::Render(int AWidth, int AHeight) {
  const TRect area{0, 0, AWidth, AHeight};
  ++FRenderCount;
  if (CoversWholeRect(FElement)) {
    FOpaqueBitmap = std::make_unique<TcxBitmap>(AWidth, AHeight, pf32bit);
    {
      TdxSkinCanvas canvas(FOpaqueBitmap->Canvas()->Handle(), area);
      FElement->DrawOnCanvas(&canvas, area, FImageIndex, FState);
    }
    MakeBitmapOpaque(FOpaqueBitmap.get());
    return;
  }
  // Drawn by GDI+ into a bitmap with alpha, kept as premultiplied pixels for AlphaBlend.
  GpBitmap* bitmap = CreateGdipBitmap(AWidth, AHeight);
  TRGBColors pixels(std::size_t(AWidth) * std::size_t(AHeight));
  try {
    {
      GpGraphics* graphics = nullptr;
      CheckGdipStatus(GdipApi().GdipGetImageGraphicsContext(bitmap, &graphics));
      TdxSkinCanvas canvas(graphics);
      FElement->DrawOnCanvas(&canvas, area, FImageIndex, FState);
    }
    Gdiplus::Rect all(0, 0, AWidth, AHeight);
    Gdiplus::BitmapData data{};
    CheckGdipStatus(
        GdipApi().GdipBitmapLockBits(bitmap, &all, Gdiplus::ImageLockModeRead, PixelFormat32bppPARGB, &data));
    // The locked rows come top first; a 32-bit bitmap's pixel array runs from the bottom row.
    for (int y = 0; y < AHeight; ++y)
      std::memcpy(&pixels[std::size_t(AHeight - 1 - y) * std::size_t(AWidth)],
                  static_cast<const std::uint8_t*>(data.Scan0) + std::ptrdiff_t(y) * data.Stride,
                  std::size_t(AWidth) * 4);
    GdipApi().GdipBitmapUnlockBits(bitmap, &data);
  } catch (...) {
    GdipApi().GdipDisposeImage(bitmap);
    throw;
  }
  GdipApi().GdipDisposeImage(bitmap);
  FAlphaBitmap = std::make_unique<TcxBitmap32>(AWidth, AHeight);
  FAlphaBitmap->SetPixels(pixels);
  FAlphaParts = SplitPictureByTransparency(pixels, AWidth, AHeight);
}

void TdxSkinElementCache::Draw(HDC DC, TdxSkinElement* AElement, int AImageIndex, TdxSkinElementState AState,
                               const TRect& R) {
  if (AElement != FElement || AState != FState || AImageIndex != FImageIndex || Width(R) != Width(FRect) ||
      Height(R) != Height(FRect) || FSkinChangeCount != dxSkinChangeCount()) {
    FRect = R;
    FState = AState;
    FElement = AElement;
    FImageIndex = AImageIndex;
    FSkinChangeCount = dxSkinChangeCount();
    FreePictures();
    if (!IsEmptyRect(R)) {
      try {
        Render(Width(R), Height(R));
      } catch (...) {
        FreePictures();
        FElement = nullptr;
        throw;
      }
    }
  }
  if (FOpaqueBitmap) {
    BitBlt(DC, R.Left, R.Top, Width(R), Height(R), FOpaqueBitmap->Canvas()->Handle(), 0, 0, SRCCOPY);
  } else if (FAlphaBitmap) {
    DrawPictureParts(DC, FAlphaBitmap->Canvas()->Handle(), FAlphaParts, TPoint{R.Left, R.Top});
  }
}

void TdxSkinElementCacheList::Draw(HDC DC, TdxSkinElement* AElement, int AImageIndex, TdxSkinElementState AState,
                                   const TRect& R) {
  TdxSkinElementCache* cache = nullptr;
  for (int i = 0; i < Count() && !cache; ++i)
    if (Items(i)->Element() == AElement && Items(i)->Rect() == R) cache = Items(i);
  if (!cache) {
    cache = new TdxSkinElementCache;
    Add(cache);
    if (Count() > CacheListLimit) FreeAndDelete(0);
  }
  cache->Draw(DC, AElement, AImageIndex, AState, R);
}
