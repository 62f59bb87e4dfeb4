// Translucent drawing: blending one device context onto another, resampling,
// hatching, the glyph pipeline with its six looks, the mixed highlight colours
// and the cursor's size.
#include <algorithm>
#include <memory>

#include "cxGraphics_internal.h"
#include "cxGraphics_win.h"
#include "dxGDIPlusClasses_win.h"

namespace {

using TAlphaBlend = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);

HMODULE GMsimg32 = nullptr;
TAlphaBlend GAlphaBlend = nullptr;
TcxCustomDrawImageProc GCustomDrawImageProc = nullptr;
// The glyph pipeline's background buffer, image and mask, kept from first use to the unit's end.
std::unique_ptr<TcxAlphaBitmap> GWorkBitmaps[3];

constexpr DWORD kDSna = 0x00220326;  // destination and not source

int RectWidth(const TRect& R) { return R.Right - R.Left; }
int RectHeight(const TRect& R) { return R.Bottom - R.Top; }
bool SameSize(const TRect& A, const TRect& B) {
  return RectWidth(A) == RectWidth(B) && RectHeight(A) == RectHeight(B);
}

// A work bitmap of the size, its transparent colours emptied. It is not
// cleared: every use covers it whole (SRCCOPY) before reading it.
void PrepareWorkBitmap(TcxAlphaBitmap* ABitmap, int AWidth, int AHeight) {
  ABitmap->SetSize(AWidth, AHeight);
  ABitmap->TransparentPixels().clear();
}

TcxAlphaBitmap* WorkBitmap(int AIndex) {
  if (!GWorkBitmaps[AIndex]) GWorkBitmaps[AIndex] = std::make_unique<TcxAlphaBitmap>();
  return GWorkBitmaps[AIndex].get();
}

std::uint32_t TransparentColorEntry(TColor AColor) { return PackRGBQuad(ColorToRGBQuad(AColor, 0)) & 0xFFFFFF; }

// The blending of the bitmap path: the source area, brought to the
// destination's size, blended over a copy of the destination area.
void BlendThroughBitmaps(HDC ADestDC, HDC ASourceDC, const TRect& ADestRect, std::uint8_t AAlpha, bool ASmooth,
                         const TRect& ASourceRect) {
  const bool resize = !SameSize(ADestRect, ASourceRect);
  TcxBitmap32 source(RectWidth(ASourceRect), RectHeight(ASourceRect), true);
  BitBltRect(source.Canvas()->Handle(), ASourceDC, source.GetClientRect(), SRCCOPY, TPoint{ASourceRect.Left, ASourceRect.Top});
  if (OSFlagWow64 && IsGdiPlusAvailable()) {
    // There AlphaBlend of a 32-bit program is not dependable; GDI+ draws instead.
    TdxGPGraphics graphics(ADestDC);
    graphics.SetInterpolationMode(ASmooth && resize ? cxInterpolationHighQualityBicubic : cxInterpolationLowQuality);
    graphics.DrawBitmap(&source, ADestRect, AAlpha);
    return;
  }
  TcxBitmap32 dest(RectWidth(ADestRect), RectHeight(ADestRect));
  BitBltRect(dest.Canvas()->Handle(), ADestDC, dest.GetClientRect(), SRCCOPY, TPoint{ADestRect.Left, ADestRect.Top});
  TcxBitmap32* blended = &source;
  std::unique_ptr<TcxBitmap32> resized;
  if (resize) {
    resized = std::make_unique<TcxBitmap32>(RectWidth(ADestRect), RectHeight(ADestRect), true);
    if (ASmooth) {
      ResampleBitmap(&source, resized.get(), true);
    } else {
      StretchBlt(resized->Canvas()->Handle(), 0, 0, resized->Width(), resized->Height(), source.Canvas()->Handle(), 0,
                 0, source.Width(), source.Height(), SRCCOPY);
      resized->SetModified(true);
    }
    blended = resized.get();
  }
  const TRect all = dest.GetClientRect();
  if (!SystemAlphaBlend(dest.Canvas()->Handle(), blended->Canvas()->Handle(), all, AAlpha, all)) {
    TRGBColors over = blended->GetPixels(), under = dest.GetPixels();
    for (std::size_t i = 0; i < under.size() && i < over.size(); ++i) BlendPixel(over[i], under[i], AAlpha);
    dest.SetPixels(under);
  }
  BitBltRect(ADestDC, dest.Canvas()->Handle(), ADestRect, SRCCOPY, TPoint{});
}

// Mixes the button face, highlight and window colours by the percentages.
TColor MixHighlightColor(int AFace, int AHighlight, int AWindow) {
  const TColor face = ColorToRGB(clBtnFace), highlight = ColorToRGB(clHighlight), window = ColorToRGB(clWindow);
  if (face == 0 || face == 0xFFFFFF) return NearestScreenColor(highlight);
  auto channel = [&](int shift) {
    const auto part = [&](TColor c, int percent) { return MulDiv(int(c >> shift & 0xFF), percent, 100); };
    return ClampColorChannel(part(face, AFace) + part(highlight, AHighlight) + part(window, AWindow));
  };
  return NearestScreenColor(TColor(channel(0) | channel(8) << 8 | channel(16) << 16));
}

}  // namespace

void StartAlphaBlending() {
  GMsimg32 = LoadLibraryW(L"msimg32.dll");
  GAlphaBlend = GMsimg32 ? reinterpret_cast<TAlphaBlend>(reinterpret_cast<void*>(GetProcAddress(GMsimg32, "AlphaBlend")))
                         : nullptr;
}

void EndAlphaBlending() {
  for (auto& bitmap : GWorkBitmaps) bitmap.reset();
  GAlphaBlend = nullptr;
  if (GMsimg32) FreeLibrary(GMsimg32);
  GMsimg32 = nullptr;
}

bool IsAlphaBlendAvailable() { return GAlphaBlend != nullptr; }

bool SystemAlphaBlend(HDC ADestDC, HDC ASourceDC, const TRect& ADestRect, std::uint8_t AAlpha,
                      const TRect& ASourceRect) {
  if (!GAlphaBlend) return false;
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, AAlpha, AC_SRC_ALPHA};
  return GAlphaBlend(ADestDC, ADestRect.Left, ADestRect.Top, RectWidth(ADestRect), RectHeight(ADestRect), ASourceDC,
                     ASourceRect.Left, ASourceRect.Top, RectWidth(ASourceRect), RectHeight(ASourceRect),
                     blend) != FALSE;
}

void AlphaBlendDC(HDC ADestDC, HDC ASourceDC, const TRect& ADestRect, std::uint8_t AAlpha, bool ASmoothStretch,
                  const TRect& ASourceRect) {
  if (RectWidth(ADestRect) <= 0 || RectHeight(ADestRect) <= 0 || RectWidth(ASourceRect) <= 0 ||
      RectHeight(ASourceRect) <= 0)
    return;
  const bool direct = !(ASmoothStretch && !SameSize(ADestRect, ASourceRect)) && !OSFlagWow64 && !OSFlagWin9x &&
                      IsAlphaBlendAvailable();
  if (direct && SystemAlphaBlend(ADestDC, ASourceDC, ADestRect, AAlpha, ASourceRect)) return;
  BlendThroughBitmaps(ADestDC, ASourceDC, ADestRect, AAlpha, ASmoothStretch, ASourceRect);
}

void AlphaBlendBitmaps(TBitmap* ADest, TBitmap* ASource, const TRect& ADestRect, std::uint8_t AAlpha,
                       bool ASmoothStretch, const TRect& ASourceRect) {
  AlphaBlendDC(ADest->Canvas()->Handle(), ASource->Canvas()->Handle(), ADestRect, AAlpha, ASmoothStretch, ASourceRect);
  ADest->SetModified(true);
}

void AlphaBlendBitmapToDC(HDC DC, TcxAlphaBitmap* ABitmap, const TRect& ADestRect, std::uint8_t AAlpha,
                          bool ASmoothStretch, const TRect& ASourceRect) {
  AlphaBlendDC(DC, ABitmap->Canvas()->Handle(), ADestRect, AAlpha, ASmoothStretch, ASourceRect);
}

void ResampleBitmap(TBitmap* ASource, TBitmap* ADest, bool AForceSoftware) {
  if (ASource->Empty() || ADest->Empty()) return;
  ASource->Canvas()->Lock();
  ADest->Canvas()->Lock();
  if (OSFlagWinNT && !AForceSoftware) {
    HDC dest = ADest->Canvas()->Handle();
    const int oldMode = SetStretchBltMode(dest, HALFTONE);
    StretchBlt(dest, 0, 0, ADest->Width(), ADest->Height(), ASource->Canvas()->Handle(), 0, 0, ASource->Width(),
               ASource->Height(), SRCCOPY);
    SetStretchBltMode(dest, oldMode);
  } else {
    TRGBColors pixels;
    if (GetBitmapColors(ASource, pixels, true))
      PutBitmapColors(ADest, ResamplePixels(pixels, ASource->Width(), ASource->Height(), ADest->Width(), ADest->Height()),
                      true);
  }
  ADest->Canvas()->Unlock();
  ASource->Canvas()->Unlock();
  ADest->SetModified(true);
}

void DrawHatchOnDC(HDC DC, const TRect& R, TColor AColor1, TColor AColor2, std::uint8_t AStep, std::uint8_t AAlpha1,
                   std::uint8_t AAlpha2) {
  if (RectWidth(R) <= 0 || RectHeight(R) <= 0) return;
  TcxAlphaBitmap hatch(RectWidth(R), RectHeight(R));
  BitBltRect(hatch.Canvas()->Handle(), DC, hatch.GetClientRect(), SRCCOPY, TPoint{R.Left, R.Top});
  hatch.SetHatch(AColor1, AColor2, AStep, AAlpha1, AAlpha2);
  BitBltRect(DC, hatch.Canvas()->Handle(), R, SRCCOPY, TPoint{});
}

TcxCustomDrawImageProc SetCustomDrawImageProc(TcxCustomDrawImageProc AProc) {
  TcxCustomDrawImageProc previous = GCustomDrawImageProc;
  GCustomDrawImageProc = AProc;
  return previous;
}

void DrawImageOrGlyph(HDC DC, const TRect& AImageRect, const TRect& ABackgroundRect, TBitmap* AGlyph,
                      TCustomImageList* AImageList, int AImageIndex, TcxGlyphDrawMode ADrawMode, bool ASmoothStretch,
                      HBRUSH ABackgroundBrush, TColor ATransparentColor, bool AUseGlyphTransparentColor) {
  const bool glyph = IsNonEmptyBitmap(AGlyph);
  if (!glyph && !IsValidImageIndex(AImageList, AImageIndex)) return;
  TcxAlphaBitmap* buffer = WorkBitmap(0);
  TcxAlphaBitmap* image = WorkBitmap(1);
  TcxAlphaBitmap* mask = WorkBitmap(2);

  PrepareWorkBitmap(buffer, RectWidth(ABackgroundRect), RectHeight(ABackgroundRect));
  HDC bufferDC = buffer->Canvas()->Handle();
  const TRect bufferRect = buffer->GetClientRect();
  if (ABackgroundBrush)
    ::FillRect(bufferDC, AsRect(bufferRect), ABackgroundBrush);
  else
    BitBltRect(bufferDC, DC, bufferRect, SRCCOPY, TPoint{ABackgroundRect.Left, ABackgroundRect.Top});
  TRect imageRect{AImageRect.Left - ABackgroundRect.Left, AImageRect.Top - ABackgroundRect.Top,
                  AImageRect.Right - ABackgroundRect.Left, AImageRect.Bottom - ABackgroundRect.Top};

  if (!GCustomDrawImageProc ||
      !GCustomDrawImageProc(buffer->cxCanvas(), AImageList, AImageIndex, ADrawMode, imageRect, AGlyph)) {
    const int width = glyph ? AGlyph->Width() : AImageList->Width();
    const int height = glyph ? AGlyph->Height() : AImageList->Height();
    PrepareWorkBitmap(image, width, height);
    if (glyph)
      image->CopyBitmap(AGlyph);
    else
      TcxImageList::GetImageFromList(AImageList, AImageIndex, nullptr, image);
    const int sourceBits =
        glyph ? GetBitmapBitsPerPixel(AGlyph) : TcxImageList::GetImageListBitsPerPixel(AImageList->Handle());
    const bool alpha = sourceBits == 32 && image->HasAlpha();
    if (!alpha) image->ApplyPixelOperation(poMakeOpaque);

    // With alpha and no colour keyed out the mask would only clear pixels that
    // are 0 already; it is made when it changes something or a look draws with it.
    const bool keyed = ATransparentColor != clNone || (AUseGlyphTransparentColor && glyph);
    if (!alpha || keyed || ADrawMode == gdmShadowed) {
      PrepareWorkBitmap(mask, width, height);
      mask->CopyBitmap(image);
      if (!alpha && !glyph) {
        // The list's mask: white (transparent) pixels made opaque white, so DSna clears them.
        TcxAlphaBitmap listMask(width, height);
        TcxImageList::GetImageFromList(AImageList, AImageIndex, &listMask, nullptr);
        listMask.ApplyPixelOperation(poCorrectAlpha);
        mask->CopyBitmap(&listMask, kDSna);
      }
      if (ATransparentColor != clNone) mask->TransparentPixels().push_back(TransparentColorEntry(ATransparentColor));
      if (AUseGlyphTransparentColor && glyph)
        mask->TransparentPixels().push_back(TransparentColorEntry(TColor(AGlyph->TransparentColor() & 0xFFFFFF)));
      mask->ApplyPixelOperation(poMask);
      image->CopyBitmap(mask, kDSna);
    }

    std::uint8_t constantAlpha = 255;
    switch (ADrawMode) {
      case gdmNormal: break;
      case gdmDisabled:
        if (alpha) {
          image->ApplyPixelOperation(poDisabledWithAlpha);
          constantAlpha = cxDisabledGlyphAlpha;
        } else {
          image->ApplyPixelOperation(poDisabled);
          DrawGlyphShadow(image, mask, 1, false, clBtnHighlight);
        }
        break;
      case gdmFaded:
        image->ApplyPixelOperation(poFade);
        constantAlpha = cxFadedGlyphAlpha;
        break;
      case gdmGrayScale: image->ApplyPixelOperation(poGrayScale); break;
      case gdmLight: image->ApplyPixelOperation(poLight); break;
      case gdmShadowed:
        DrawGlyphShadow(image, mask, 2, true, clBtnShadow);
        imageRect = TRect{imageRect.Left - 1, imageRect.Top - 1, imageRect.Right + 1, imageRect.Bottom + 1};
        break;
    }
    AlphaBlendDC(bufferDC, image->Canvas()->Handle(), imageRect, constantAlpha, ASmoothStretch, image->GetClientRect());
  }
  DrawBitmapOnDC(DC, buffer, ABackgroundRect, SRCCOPY, TPoint{});
}

void DrawGlyphShadow(TcxAlphaBitmap* AImage, TcxAlphaBitmap* AMask, int AOffset, bool AGrow, TColor AColor) {
  const int width = AImage->Width(), height = AImage->Height();
  TRGBColors image, mask;
  if (!GetBitmapColors(AImage, image, true)) return;
  if (!GetBitmapColors(AMask, mask, true) || AMask->Width() != width || AMask->Height() != height) return;
  const TRGBColors result = GlyphShadowPixels(image, mask, width, height, AOffset, AGrow, ColorToRGBQuad(AColor));
  if (AGrow) AImage->SetSize(width + AOffset, height + AOffset);
  PutBitmapColors(AImage, result, true);
  AImage->SetModified(true);
}

void FillMaskBitmap(TcxBitmap32* ABitmap, TBitmap* ADest) {
  TcxAlphaBitmap copy(ABitmap->Width(), ABitmap->Height());
  copy.CopyBitmap(ABitmap);
  if (!copy.HasAlpha()) copy.SetTransparentColor(TColor(ABitmap->TransparentColor() & 0xFFFFFF));
  copy.ApplyPixelOperation(poMask);
  BitBltRect(ADest->Canvas()->Handle(), copy.Canvas()->Handle(), copy.GetClientRect(), SRCCOPY, TPoint{});
  ADest->SetModified(true);
}

TColor NearestScreenColor(TColor AColor) {
  HDC screen = GetDC(nullptr);
  const COLORREF nearest = GetNearestColor(screen, COLORREF(ColorToRGB(AColor)));
  ReleaseDC(nullptr, screen);
  return TColor(nearest);
}

int ClampColorChannel(int AValue) { return std::clamp(AValue, 0, 255); }

TColor GetPressedHighlightColor() { return MixHighlightColor(14, 44, 40); }

TColor GetHotHighlightColor() { return MixHighlightColor(-2, 30, 72); }

TSize GetCurrentCursorSize() {
  TSize size{GetSystemMetrics(SM_CXCURSOR), GetSystemMetrics(SM_CYCURSOR)};
  ICONINFO info{};
  HCURSOR cursor = GetCursor();
  if (!cursor || !GetIconInfo(cursor, &info)) return size;
  BITMAP mask{};
  if (info.hbmMask && GetObjectW(info.hbmMask, sizeof mask, &mask) == int(sizeof mask) && mask.bmWidth > 0 &&
      mask.bmHeight > 0) {
    struct {
      BITMAPINFOHEADER Header;
      RGBQUAD Colors[2];
    } bi{};
    bi.Header.biSize = sizeof(BITMAPINFOHEADER);
    bi.Header.biWidth = mask.bmWidth;
    bi.Header.biHeight = mask.bmHeight;
    bi.Header.biPlanes = 1;
    bi.Header.biBitCount = 1;
    const std::size_t row = (std::size_t(mask.bmWidth) + 31) / 32 * 4;
    std::vector<std::uint8_t> bits(row * std::size_t(mask.bmHeight));
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, info.hbmMask, 0, UINT(mask.bmHeight), bits.data(),
                               reinterpret_cast<BITMAPINFO*>(&bi), DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows == mask.bmHeight) {
      size.cx = mask.bmWidth;
      size.cy = CursorMaskHeight(bits.data(), bits.size(), mask.bmWidth, mask.bmHeight, size.cy) - int(info.yHotspot);
    }
  }
  if (info.hbmMask) DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  return size;
}
