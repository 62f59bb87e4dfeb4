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
    const TRect& m = FMargins->Rect();
    ACanvas->FillGradient(TRect{R.Left + m.Left, R.Top + m.Top, R.Right - m.Right, R.Bottom - m.Bottom},
                          FGradientBeginColor, FGradient, FGradientEndColor);
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
  const TRect& offset = FContentOffset->Rect();
  FGlyph->DrawOnCanvas(
      ACanvas, TRect{R.Left + offset.Left, R.Top + offset.Top, R.Right - offset.Right, R.Bottom - offset.Bottom},
      AImageIndex, AState);
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
    AlphaBlendDC(DC, FAlphaBitmap->Canvas()->Handle(), R, 255, false, TRect{0, 0, Width(R), Height(R)});
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
