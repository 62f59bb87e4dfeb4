// The toolkit's bitmap classes and the small bitmap routines around them.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "Streams.h"
#include "cxGraphics_win.h"

namespace {

// Keeps a bitmap locked for updates until the scope ends, also when it raises.
class TUpdateScope {
 public:
  explicit TUpdateScope(TcxBitmap* ABitmap) : FBitmap(ABitmap) { FBitmap->BeginUpdate(); }
  ~TUpdateScope() {
    if (FBitmap) FBitmap->EndUpdate(false);
  }
  TUpdateScope(const TUpdateScope&) = delete;
  TUpdateScope& operator=(const TUpdateScope&) = delete;
  // Ends the update with a change notification; the notification may raise.
  void End() {
    TcxBitmap* bitmap = FBitmap;
    FBitmap = nullptr;
    bitmap->EndUpdate(true);
  }

 private:
  TcxBitmap* FBitmap;
};

int RectWidth(const TRect& R) { return R.Right - R.Left; }
int RectHeight(const TRect& R) { return R.Bottom - R.Top; }

}  // namespace

// --- TcxBitmap ----------------------------------------------------------------------------

TcxBitmap::TcxBitmap() : TcxBitmap(0, 0, pf24bit) {}

TcxBitmap::TcxBitmap(int AWidth, int AHeight) : TcxBitmap(AWidth, AHeight, pf24bit) {}

TcxBitmap::TcxBitmap(const TRect& ARect) : TcxBitmap(RectWidth(ARect), RectHeight(ARect), pf24bit) {}

TcxBitmap::TcxBitmap(const TRect& ARect, TPixelFormat AFormat) : TcxBitmap(RectWidth(ARect), RectHeight(ARect), AFormat) {}

TcxBitmap::TcxBitmap(int AWidth, int AHeight, TPixelFormat AFormat) { Initialize(AWidth, AHeight, AFormat); }

TcxBitmap::~TcxBitmap() = default;

void TcxBitmap::Initialize(int AWidth, int AHeight, TPixelFormat AFormat) {
  FcxCanvas = std::make_unique<TcxCanvas>(Canvas());
  TUpdateScope update(this);
  SetPixelFormat(AFormat);
  SetSize(AWidth, AHeight);
  update.End();
}

void TcxBitmap::EndUpdate(bool AForceUpdate) {
  if (FLockCount == 0) return;
  if (--FLockCount == 0 && (AForceUpdate || FModified)) Changed(this);
}

void TcxBitmap::Changed(TObject* Sender) {
  if (IsUpdating()) {
    FModified = true;
    return;
  }
  TBitmap::Changed(Sender);
  Refresh();
  FModified = false;
}

void TcxBitmap::SetSize(int AWidth, int AHeight) {
  AWidth = std::max(AWidth, 0);
  AHeight = std::max(AHeight, 0);
  if (AWidth == Width() && AHeight == Height()) return;
  TUpdateScope update(this);
  TBitmap::SetSize(AWidth, AHeight);
  update.End();
}

void TcxBitmap::CopyBitmap(TBitmap* ABitmap, DWORD ARop) { CopyBitmapRect(ABitmap, GetClientRect(), ARop, TPoint{}); }

void TcxBitmap::CopyBitmapRect(TBitmap* ABitmap, const TRect& R, DWORD ARop, const TPoint& ASourceTopLeft) {
  if (!IsNonEmptyBitmap(ABitmap) || ABitmap == this) return;
  DrawBitmapOnDC(Canvas()->Handle(), ABitmap, R, ARop, ASourceTopLeft);
  SetModified(true);
}

void TcxBitmap::Rotate(TcxBitmapRotation ARotation, bool AFlip) { FcxCanvas->RotateBitmap(this, ARotation, AFlip); }

void TcxBitmap::ReadData(TStream* Stream) {
  std::vector<std::uint8_t> unpacked;
  if (!ReadPackedBitmapData(Stream, unpacked)) {
    CheckBitmapRecordLength(Stream);
    TBitmap::ReadData(Stream);
    return;
  }
  TMemoryStream data;
  if (!unpacked.empty()) data.WriteBuffer(unpacked.data(), std::int32_t(unpacked.size()));
  data.SetPosition(0);
  CheckBitmapRecordLength(&data);
  TBitmap::ReadData(&data);
}

void TcxBitmap::WriteData(TStream* Stream) {
  if (!FCompressData) {
    TBitmap::WriteData(Stream);
    return;
  }
  TMemoryStream data;
  TBitmap::WriteData(&data);
  const std::vector<std::uint8_t> packed =
      PackBitmapData(static_cast<const std::uint8_t*>(data.Memory()), std::size_t(data.Size()), GetBitmapBitsPerPixel(this));
  Stream->WriteBuffer(packed.data(), std::int32_t(packed.size()));
}

// --- TcxBitmap32 --------------------------------------------------------------------------

TcxBitmap32::TcxBitmap32() : TcxBitmap(0, 0, pf32bit) {}

TcxBitmap32::TcxBitmap32(int AWidth, int AHeight) : TcxBitmap(AWidth, AHeight, pf32bit) {}

TcxBitmap32::TcxBitmap32(int AWidth, int AHeight, bool AClear) : TcxBitmap(AWidth, AHeight, pf32bit) {
  if (AClear) TcxBitmap32::Clear();
}

TcxBitmap32::TcxBitmap32(const TRect& ARect, bool AClear) : TcxBitmap32(RectWidth(ARect), RectHeight(ARect), AClear) {}

void TcxBitmap32::Refresh() {
  if (PixelFormat() != pf32bit) throw EdxException(L"Wrong PixelFormat");
}

TRGBColors TcxBitmap32::GetPixels() {
  TRGBColors pixels;
  if (GetBitmapColors(this, pixels, false)) return pixels;
  // The scan lines come top row first; the pixel array runs from the bottom.
  GetBitmapColorsFromScanLines(this, pixels);
  const std::size_t width = std::size_t(std::max(Width(), 0));
  for (std::size_t top = 0, bottom = std::size_t(std::max(Height(), 0)); width && top + 1 < bottom; ++top, --bottom)
    std::swap_ranges(pixels.begin() + std::ptrdiff_t(top * width), pixels.begin() + std::ptrdiff_t((top + 1) * width),
                     pixels.begin() + std::ptrdiff_t((bottom - 1) * width));
  return pixels;
}

void TcxBitmap32::SetPixels(const TRGBColors& AColors) {
  if (PutBitmapColors(this, AColors, false)) SetModified(true);
}

void TcxBitmap32::Clear() {
  if (Empty()) return;
  const RECT all{0, 0, Width(), Height()};
  ::FillRect(Canvas()->Handle(), &all, HBRUSH(GetStockObject(BLACK_BRUSH)));
  SetModified(true);
}

void TcxBitmap32::SetAlpha(std::uint8_t AAlpha) {
  TRGBColors pixels = GetPixels();
  for (TRGBQuad& pixel : pixels) pixel.rgbReserved = AAlpha;
  SetPixels(pixels);
}

bool TcxBitmap32::HasAlpha() { return BitmapHasAlpha(this); }

void TcxBitmap32::LoadFromStream(TStream* Stream) {
  TUpdateScope update(this);
  TcxBitmap::LoadFromStream(Stream);
  SetPixelFormat(pf32bit);
  update.End();
}

// --- TcxAlphaBitmap -----------------------------------------------------------------------

TcxAlphaBitmap::TcxAlphaBitmap() = default;

TcxAlphaBitmap::TcxAlphaBitmap(int AWidth, int AHeight) : TcxBitmap32(AWidth, AHeight) { TcxAlphaBitmap::Clear(); }

TcxAlphaBitmap::TcxAlphaBitmap(int AWidth, int AHeight, std::uint32_t ATransparentBkColor)
    : TcxBitmap32(AWidth, AHeight) {
  FParams.TransparentBkColor = ATransparentBkColor;
  TcxAlphaBitmap::Clear();
}

void TcxAlphaBitmap::ApplyPixelOperation(TcxPixelOperation AOperation) {
  if (Empty()) return;
  TRGBColors pixels = GetPixels();
  FParams.ShadowColor = ColorToRGBQuad(clBtnShadow);
  ::ApplyPixelOperation(pixels, Width(), Height(), AOperation, FParams);
  SetPixels(pixels);
}

void TcxAlphaBitmap::SetTransparentColor(TColor AColor) {
  const std::uint32_t color = PackRGBQuad(ColorToRGBQuad(AColor, 0));
  FParams.TransparentColors.assign(1, color);
  FParams.TransparentBkColor = color;
  ApplyPixelOperation(poCorrectAlpha);
}

void TcxAlphaBitmap::SetHatch(TColor AColor1, TColor AColor2, std::uint8_t AStep, std::uint8_t AAlpha1,
                              std::uint8_t AAlpha2) {
  FParams.HatchColor1 = ColorToRGBQuad(AColor1, 255);
  FParams.HatchColor2 = ColorToRGBQuad(AColor2, 255);
  FParams.HatchAlpha1 = AAlpha1;
  FParams.HatchAlpha2 = AAlpha2;
  FParams.HatchStep = AStep;
  ApplyPixelOperation(poHatch);
}

void TcxAlphaBitmap::Clear() {
  if ((FParams.TransparentBkColor >> 24) == 0) {
    TcxBitmap32::Clear();
    return;
  }
  if (Empty()) return;
  SetPixels(TRGBColors(std::size_t(Width()) * std::size_t(Height()), UnpackRGBQuad(FParams.TransparentBkColor)));
}

void ResizeAndClearAlphaBitmap(TcxAlphaBitmap* ABitmap, int AWidth, int AHeight) {
  ABitmap->SetSize(AWidth, AHeight);
  ABitmap->TransparentPixels().clear();
  ABitmap->Clear();
}

// --- Routines -----------------------------------------------------------------------------

std::unique_ptr<TBitmap> NewBitmap(int AWidth, int AHeight, TPixelFormat AFormat) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(AFormat);
  bitmap->SetSize(AWidth, AHeight);
  return bitmap;
}

std::unique_ptr<TBitmap> NewBitmapForSize(const TSize& ASize, TPixelFormat AFormat) {
  return NewBitmap(ASize.cx, ASize.cy, AFormat);
}

std::unique_ptr<TBitmap> NewBitmapForRect(const TRect& R, TPixelFormat AFormat) {
  return NewBitmap(RectWidth(R), RectHeight(R), AFormat);
}

void BitBltRect(HDC ADestDC, HDC ASourceDC, const TRect& ADestRect, DWORD ARop, const TPoint& ASourceTopLeft) {
  BitBlt(ADestDC, ADestRect.Left, ADestRect.Top, RectWidth(ADestRect), RectHeight(ADestRect), ASourceDC, ASourceTopLeft.X,
         ASourceTopLeft.Y, ARop);
}

void DrawBitmapOnDC(HDC DC, TBitmap* ABitmap, const TRect& R, DWORD ARop, const TPoint& ASourceTopLeft) {
  // Asking a device for its depth is slow (under Wine it asks the display): only when the answer matters.
  const int bitmapBits = GetBitmapBitsPerPixel(ABitmap);
  const bool needsDepth = bitmapBits <= 8 || (OSFlagWin9x && bitmapBits < 32);
  const int deviceBits = needsDepth ? GetDeviceCaps(DC, BITSPIXEL) * GetDeviceCaps(DC, PLANES) : 32;
  HPALETTE palette = deviceBits <= 8 && bitmapBits <= 8 ? ABitmap->Palette() : nullptr;
  HPALETTE oldPalette = nullptr;
  if (palette) {
    oldPalette = SelectPalette(DC, palette, TRUE);
    RealizePalette(DC);
  }
  if (OSFlagWin9x && deviceBits == 32 && bitmapBits < 32) {
    // That family's blits into 32-bit devices take the fourth byte from the source; make it 0.
    TcxAlphaBitmap copy(ABitmap->Width(), ABitmap->Height());
    BitBltRect(copy.Canvas()->Handle(), ABitmap->Canvas()->Handle(), copy.GetClientRect(), SRCCOPY, TPoint{});
    copy.ApplyPixelOperation(poClearAlpha);
    BitBltRect(DC, copy.Canvas()->Handle(), R, ARop, ASourceTopLeft);
  } else {
    BitBltRect(DC, ABitmap->Canvas()->Handle(), R, ARop, ASourceTopLeft);
  }
  if (palette) SelectPalette(DC, oldPalette, TRUE);
}

void CopyBitmapToBitmap(TBitmap* ADest, TBitmap* ASource) {
  if (!ADest || !ASource || ADest == ASource) return;
  DrawBitmapOnDC(ADest->Canvas()->Handle(), ASource, TRect{0, 0, ADest->Width(), ADest->Height()}, SRCCOPY, TPoint{});
  ADest->SetModified(true);
}

std::unique_ptr<TBitmap> CloneBitmap(TBitmap* ABitmap) {
  auto clone = std::make_unique<TBitmap>();
  clone->Assign(ABitmap);
  return clone;
}

HBITMAP CopyImageHandle(HBITMAP AHandle) {
  BITMAP info;
  if (OSFlagWin9x && GetBitmapObjectData(AHandle, info) && info.bmBitsPixel == 32) {
    // That family's CopyImage drops the fourth byte of 32-bit pixels: copy them by hand.
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    header.bmiHeader.biWidth = info.bmWidth;
    header.bmiHeader.biHeight = info.bmHeight;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP copy = CreateDIBSection(nullptr, &header, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!copy) return nullptr;
    const std::size_t size = std::size_t(info.bmWidth) * std::size_t(std::abs(info.bmHeight)) * 4;
    if (info.bmBits) {
      std::memcpy(bits, info.bmBits, size);
    } else if (TcxScreenCanvas* screen = GetScreenCanvas()) {
      GetDIBits(screen->Handle(), AHandle, 0, UINT(std::abs(info.bmHeight)), bits, &header, DIB_RGB_COLORS);
    }
    return copy;
  }
  return HBITMAP(CopyImage(AHandle, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

bool IsNonEmptyBitmap(TBitmap* ABitmap) { return ABitmap && !ABitmap->Empty(); }

bool IsValidImageIndex(TCustomImageList* AImageList, int AIndex) {
  return AImageList && AIndex >= 0 && AIndex < AImageList->Count();
}

void ReplaceImageList(TCustomImageList* ANew, TCustomImageList*& AField, TChangeLink* AChangeLink, TComponent* AOwner) {
  if (ANew == AField) return;
  if (AField) {
    if (AOwner) AField->RemoveFreeNotification(AOwner);
    if (AChangeLink) AField->UnRegisterChanges(AChangeLink);
  }
  AField = ANew;
  if (ANew) {
    if (AChangeLink) ANew->RegisterChanges(AChangeLink);
    if (AOwner) ANew->FreeNotification(AOwner);
  }
  if (AChangeLink) AChangeLink->Change();
}
