// The GDI+ graphics and image wrappers and the drawing routines around them.
#include "dxGDIPlusClasses_win.h"

#include <algorithm>
#include <cstring>

#include "SysUtils.h"
#include "Streams.h"
#include "Streams_win.h"
#include "cxGraphics.h"

namespace {

TClass GImageClass = nullptr;

const TdxGdiPlusApi& Api() { return GdipApi(); }

int RectWidth(const TRect& R) { return R.Right - R.Left; }
int RectHeight(const TRect& R) { return R.Bottom - R.Top; }
bool IsRectEmpty(const TRect& R) { return RectWidth(R) <= 0 || RectHeight(R) <= 0; }

// A 32-bit bitmap of the pixels (rows from the top).
std::unique_ptr<TBitmap> BitmapOfPixels(int AWidth, int AHeight, const TRGBColors& APixels) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf32bit);
  bitmap->SetSize(AWidth, AHeight);
  PutBitmapColors(bitmap.get(), APixels, true);
  return bitmap;
}

// The pixels of a GDI+ image as straight ARGB, rows from the top.
TRGBColors StraightPixels(GpImage* AImage, int AWidth, int AHeight) {
  TRGBColors pixels(std::size_t(AWidth) * std::size_t(AHeight));
  Gdiplus::Rect all(0, 0, AWidth, AHeight);
  Gdiplus::BitmapData data{};
  CheckGdipStatus(Api().GdipBitmapLockBits(static_cast<GpBitmap*>(AImage), &all, Gdiplus::ImageLockModeRead,
                                           PixelFormat32bppARGB, &data));
  for (int y = 0; y < AHeight; ++y)
    std::memcpy(&pixels[std::size_t(y) * std::size_t(AWidth)],
                static_cast<const std::uint8_t*>(data.Scan0) + std::ptrdiff_t(y) * data.Stride, std::size_t(AWidth) * 4);
  CheckGdipStatus(Api().GdipBitmapUnlockBits(static_cast<GpBitmap*>(AImage), &data));
  return pixels;
}

}  // namespace

// --- TdxGPBase ----------------------------------------------------------------------------

void* TdxGPBase::operator new(std::size_t ASize) {
  CheckGdiPlusAvailable();
  void* memory = Api().GdipAlloc(ASize);
  if (!memory) throw EdxGdipException(Gdiplus::OutOfMemory);
  return memory;
}

void TdxGPBase::operator delete(void* APointer) {
  // After GDI+ has shut down at program end the memory went with it.
  if (APointer && Api().GdipFree) Api().GdipFree(APointer);
}

// --- Graphics -----------------------------------------------------------------------------

TdxGPGraphics::TdxGPGraphics(GpGraphics* AHandle) : FHandle(AHandle) {}

TdxGPGraphics::TdxGPGraphics(HDC DC) {
  CheckGdiPlusAvailable();
  CheckGdipStatus(Api().GdipCreateFromHDC(DC, &FHandle));
}

TdxGPGraphics::~TdxGPGraphics() {
  if (FHandle && Api().GdipDeleteGraphics) Api().GdipDeleteGraphics(FHandle);
}

HDC TdxGPGraphics::GetDC() {
  HDC dc = nullptr;
  CheckGdipStatus(Api().GdipGetDC(FHandle, &dc));
  return dc;
}

void TdxGPGraphics::ReleaseDC(HDC DC) { CheckGdipStatus(Api().GdipReleaseDC(FHandle, DC)); }

void TdxGPGraphics::SetInterpolationMode(int AMode) {
  CheckGdipStatus(Api().GdipSetInterpolationMode(FHandle, Gdiplus::InterpolationMode(AMode)));
}

void TdxGPGraphics::DrawBitmap(TBitmap* ABitmap, const TRect& R, std::uint8_t AAlpha) {
  if (!ABitmap || ABitmap->Empty()) return;
  std::unique_ptr<TdxGPImage> image = TdxPNGImage::CreateImageFromBitmap(ABitmap);
  DrawGdipImageWithAlpha(FHandle, R, image->GetBounds(), AAlpha, image->Handle());
}

void TdxGPGraphics::DrawImage(TdxPNGImage* AImage, const TRect& ADest, const TRect& ASource) {
  if (AImage) AImage->DrawOnGraphics(FHandle, ADest, ASource);
}

void TdxGPGraphics::DrawImageTiled(TdxPNGImage* AImage, const TRect& ADest, const TRect& ASource) {
  if (!AImage || !AImage->Image() || !AImage->Image()->HandleAllocated() || IsRectEmpty(ASource) ||
      IsRectEmpty(ADest))
    return;
  BOOL visible = FALSE;
  CheckGdipStatus(Api().GdipIsVisibleRectI(FHandle, ADest.Left, ADest.Top, RectWidth(ADest), RectHeight(ADest), &visible));
  if (!visible) return;
  GpImage* image = AImage->Image()->Handle();
  if (RectWidth(ASource) < RectWidth(ADest) || RectHeight(ASource) < RectHeight(ADest)) {
    Gdiplus::GpTexture* brush = nullptr;
    if (Api().GdipCreateTexture2I(image, Gdiplus::WrapModeTile, ASource.Left, ASource.Top, RectWidth(ASource),
                                  RectHeight(ASource), &brush) == Gdiplus::Ok) {
      // Filled once in a bitmap of the area, which is then drawn once.
      GpBitmap* area = nullptr;
      GpGraphics* graphics = nullptr;
      GpStatus status = Gdiplus::Ok;
      try {
        area = CreateGdipBitmapForRect(ADest);
        status = Api().GdipGetImageGraphicsContext(area, &graphics);
        if (status == Gdiplus::Ok)
          status = Api().GdipFillRectangleI(graphics, brush, 0, 0, RectWidth(ADest), RectHeight(ADest));
        if (status == Gdiplus::Ok)
          DrawGdipImageWithAlpha(FHandle, ADest, TRect{0, 0, RectWidth(ADest), RectHeight(ADest)}, 255, area);
      } catch (...) {
        if (graphics) Api().GdipDeleteGraphics(graphics);
        if (area) Api().GdipDisposeImage(area);
        Api().GdipDeleteBrush(brush);
        throw;
      }
      if (graphics) Api().GdipDeleteGraphics(graphics);
      if (area) Api().GdipDisposeImage(area);
      Api().GdipDeleteBrush(brush);
      CheckGdipStatus(status);
      return;
    }
  }
  for (const TdxImageTile& tile : ImageTiles(ADest, ASource))
    DrawGdipImageWithAlpha(FHandle, tile.Dest, tile.Source, 255, image);
}

TdxGPBufferedGraphics::TdxGPBufferedGraphics(HDC DC, const TRect& R)
    : FRect(R), FTargetDC(DC), FBuffer(std::make_unique<TBitmap>()) {
  CheckGdiPlusAvailable();
  FBuffer->SetPixelFormat(pf32bit);
  FBuffer->SetSize(RectWidth(R), RectHeight(R));
  FBuffer->Canvas()->Lock();
  HDC buffer = FBuffer->Canvas()->Handle();
  BitBlt(buffer, 0, 0, RectWidth(R), RectHeight(R), DC, R.Left, R.Top, SRCCOPY);
  SetWindowOrgEx(buffer, R.Left, R.Top, nullptr);
  const GpStatus status = Api().GdipCreateFromHDC(buffer, &FHandle);
  if (status != Gdiplus::Ok) {
    FBuffer->Canvas()->Unlock();
    CheckGdipStatus(status);
  }
}

TdxGPBufferedGraphics::~TdxGPBufferedGraphics() {
  if (FHandle && Api().GdipDeleteGraphics) Api().GdipDeleteGraphics(FHandle);
  FHandle = nullptr;
  SetWindowOrgEx(FBuffer->Canvas()->Handle(), 0, 0, nullptr);
  MakeBitmapOpaque(FBuffer.get());
  const int saved = SaveDC(FTargetDC);
  {
    TCanvas target;
    target.SetHandle(FTargetDC);
    target.Draw(FRect.Left, FRect.Top, FBuffer.get());
    target.SetHandle(nullptr);
  }
  RestoreDC(FTargetDC, saved);
  FBuffer->Canvas()->Unlock();
}

bool NeedsGdipDoubleBuffer(HDC DC) {
  return GetDeviceCaps(DC, BITSPIXEL) * GetDeviceCaps(DC, PLANES) < 17 ||
         GetDeviceCaps(DC, TECHNOLOGY) == DT_RASPRINTER || GetDeviceCaps(DC, NUMCOLORS) > 1;
}

TdxGPGraphics* BeginGdipPaint(HDC DC, const TRect& R) {
  if (NeedsGdipDoubleBuffer(DC)) return new TdxGPBufferedGraphics(DC, R);
  return new TdxGPGraphics(DC);
}

void EndGdipPaint(TdxGPGraphics*& AGraphics) {
  delete AGraphics;
  AGraphics = nullptr;
}

void DrawGdipImageWithAlpha(GpGraphics* AGraphics, const TRect& ADest, const TRect& ASource, std::uint8_t AAlpha,
                            GpImage* AImage) {
  if (!AImage || IsRectEmpty(ADest) || IsRectEmpty(ASource)) return;
  BOOL visible = FALSE;
  CheckGdipStatus(
      Api().GdipIsVisibleRectI(AGraphics, ADest.Left, ADest.Top, RectWidth(ADest), RectHeight(ADest), &visible));
  if (!visible) return;
  const TRect s = AdjustGdipSourceRect(ADest, ASource);
  if (AAlpha == 255) {
    CheckGdipStatus(Api().GdipDrawImageRectRectI(AGraphics, AImage, ADest.Left, ADest.Top, RectWidth(ADest),
                                                 RectHeight(ADest), s.Left, s.Top, RectWidth(s), RectHeight(s),
                                                 Gdiplus::UnitPixel, nullptr, nullptr, nullptr));
    return;
  }
  Gdiplus::GpImageAttributes* attributes = nullptr;
  CheckGdipStatus(Api().GdipCreateImageAttributes(&attributes));
  Gdiplus::ColorMatrix matrix{};
  for (int i = 0; i < 5; ++i) matrix.m[i][i] = 1;
  matrix.m[3][3] = float(AAlpha) / 255;
  GpStatus status = Api().GdipSetImageAttributesColorMatrix(attributes, Gdiplus::ColorAdjustTypeBitmap, TRUE, &matrix,
                                                            nullptr, Gdiplus::ColorMatrixFlagsDefault);
  if (status == Gdiplus::Ok)
    status = Api().GdipDrawImageRectRectI(AGraphics, AImage, ADest.Left, ADest.Top, RectWidth(ADest),
                                          RectHeight(ADest), s.Left, s.Top, RectWidth(s), RectHeight(s),
                                          Gdiplus::UnitPixel, attributes, nullptr, nullptr);
  Api().GdipDisposeImageAttributes(attributes);
  CheckGdipStatus(status);
}

void FillRectWithGdipGradient(GpGraphics* AGraphics, const TRect& R, TColor AColor1, TColor AColor2, int AMode) {
  const Gdiplus::Rect area(R.Left - 1, R.Top - 1, RectWidth(R) + 2, RectHeight(R) + 2);
  Gdiplus::GpLineGradient* brush = nullptr;
  CheckGdipStatus(Api().GdipCreateLineBrushFromRectI(&area, ColorToGdipARGB(AColor1), ColorToGdipARGB(AColor2),
                                                     Gdiplus::LinearGradientMode(AMode), Gdiplus::WrapModeTile,
                                                     &brush));
  const GpStatus status = Api().GdipFillRectangleI(AGraphics, brush, R.Left, R.Top, RectWidth(R), RectHeight(R));
  Api().GdipDeleteBrush(brush);
  CheckGdipStatus(status);
}

// --- TdxGPImage ---------------------------------------------------------------------------

TdxGPImage::~TdxGPImage() { FreeHandle(); }

std::unique_ptr<TdxGPImage> TdxGPImage::NewOfImageClass() {
  return std::unique_ptr<TdxGPImage>(static_cast<TdxGPImage*>(GetGPImageClass()->Create()));
}

std::unique_ptr<TdxGPImage> TdxGPImage::CreateFromBitmap(TBitmap* ABitmap) {
  std::unique_ptr<TdxGPImage> image = NewOfImageClass();
  image->InitFromBitmap(ABitmap);
  return image;
}

std::unique_ptr<TdxGPImage> TdxGPImage::CreateFromBits(int AWidth, int AHeight, const TRGBColors& ABits,
                                                       bool AHasAlpha) {
  std::unique_ptr<TdxGPImage> image = NewOfImageClass();
  image->InitFromBits(AWidth, AHeight, ABits, AHasAlpha);
  return image;
}

std::unique_ptr<TdxGPImage> TdxGPImage::CreateFromStream(TStream* AStream) {
  std::unique_ptr<TdxGPImage> image = NewOfImageClass();
  image->InitFromStream(AStream);
  return image;
}

void TdxGPImage::FreeHandle() {
  if (FHandle && Api().GdipDisposeImage) Api().GdipDisposeImage(FHandle);
  FHandle = nullptr;
  // The decoded data goes with the image it was kept for.
  if (FData) FData->Release();
  FData = nullptr;
}

void TdxGPImage::InitFromBitmap(TBitmap* ABitmap) {
  if (IsGdiPlusAvailable()) InitPngEncoderClsid();
  TRGBColors pixels;
  if (!GetBitmapColors(ABitmap, pixels, true)) GetBitmapColorsFromScanLines(ABitmap, pixels);
  InitFromBits(ABitmap->Width(), ABitmap->Height(), pixels, GetBitmapBitsPerPixel(ABitmap) == 32);
}

void TdxGPImage::InitFromBits(int AWidth, int AHeight, const TRGBColors& ABits, bool AHasAlpha) {
  FreeHandle();
  FBits = ABits;
  FBits.resize(std::size_t(std::max(AWidth, 0)) * std::size_t(std::max(AHeight, 0)));
  if (!AHasAlpha)
    for (TRGBQuad& p : FBits) p.rgbReserved = 255;
  if (FBits.empty() || !IsGdiPlusAvailable()) return;
  GpBitmap* bitmap = nullptr;
  CheckGdipStatus(Api().GdipCreateBitmapFromScan0(AWidth, AHeight, AWidth * 4, GdipPixelFormat32bppPARGB,
                                                  reinterpret_cast<BYTE*>(FBits.data()), &bitmap));
  FHandle = bitmap;
}

void TdxGPImage::InitFromStream(TStream* AStream) {
  const std::int64_t remaining = AStream->Size() - AStream->Position();
  if (!IsGdiPlusAvailable() || remaining <= 0) return;
  // Fewer bytes than any picture file needs would once have made an empty image without a word.
  if (remaining < 14) throw EInvalidGraphic(String(L"Picture data is too short"));
  std::uint8_t head[14];
  AStream->ReadBuffer(head, sizeof head);
  AStream->Seek(-std::int64_t(sizeof head), soCurrent);
  if (head[0] == 'B' && head[1] == 'M') {
    TBitmap bitmap;
    bitmap.LoadFromStream(AStream);
    InitFromBitmap(&bitmap);
  } else {
    LoadFromStream(AStream);
  }
}

void TdxGPImage::LoadFromStream(TStream* AStream) {
  const std::vector<std::uint8_t> data = ReadGraphicData(AStream);
  if (HasPngSignature(data.data(), data.size())) {
    TSize size;
    const String problem = CheckPngData(data.data(), data.size(), size);
    if (!problem.empty()) throw EInvalidGraphic(L"PNG image is not valid (" + problem + L")");
  }
  IStream* stream = nullptr;
  GpBitmap* bitmap = CreateGdipBitmapFromData(data.data(), data.size(), stream);
  FreeHandle();
  FBits.clear();
  FHandle = bitmap;
  FData = stream;
}

std::unique_ptr<TBitmap> TdxGPImage::GetAsBitmap() {
  if (!FBits.empty()) return BitmapOfPixels(Width(), Height(), FBits);
  if (!FHandle) return std::make_unique<TBitmap>();
  const int width = Width(), height = Height();
  TRGBColors pixels = StraightPixels(FHandle, width, height);
  PremultiplyAlpha(pixels);
  return BitmapOfPixels(width, height, pixels);
}

std::unique_ptr<TdxGPImage> TdxGPImage::Clone() {
  std::unique_ptr<TdxGPImage> image = NewOfImageClass();
  if (!FBits.empty()) {
    image->InitFromBits(Width(), Height(), FBits, true);
  } else if (FHandle) {
    CheckGdipStatus(Api().GdipCloneImage(FHandle, &image->FHandle));
    // The clone may read the same data later.
    image->FData = FData;
    if (FData) FData->AddRef();
  }
  return image;
}

void TdxGPImage::SaveToStream(TStream* AStream) {
  if (!FHandle) return;
  InitPngEncoderClsid();
  IStream* adapter = new TStreamAdapter(AStream, soReference);
  const GpStatus status = Api().GdipSaveImageToStream(FHandle, adapter, &PngEncoderClsid(), nullptr);
  adapter->Release();
  CheckGdipStatus(status);
}

TRGBColors TdxGPImage::GetBits() {
  if (!FBits.empty() || !FHandle) return FBits;
  TRGBColors pixels;
  std::unique_ptr<TBitmap> bitmap = GetAsBitmap();
  GetBitmapColors(bitmap.get(), pixels, true);
  return pixels;
}

TRect TdxGPImage::GetBounds() {
  if (!FHandle) return TRect{};
  UINT width = 0, height = 0;
  CheckGdipStatus(Api().GdipGetImageWidth(FHandle, &width));
  CheckGdipStatus(Api().GdipGetImageHeight(FHandle, &height));
  return TRect{0, 0, int(width), int(height)};
}

void TdxGPImage::Draw(GpGraphics* AGraphics, const TRect& ADest, std::uint8_t AAlpha, const TRect& ASource) {
  DrawGdipImageWithAlpha(AGraphics, ADest, ASource, AAlpha, FHandle);
}

void TdxGPImage::DrawOnDC(HDC DC, const TRect& R) {
  if (!FHandle) return;
  TdxGPGraphics* graphics = BeginGdipPaint(DC, R);
  try {
    Draw(graphics->Handle(), R, 255, GetBounds());
  } catch (...) {
    EndGdipPaint(graphics);
    throw;
  }
  EndGdipPaint(graphics);
}

std::unique_ptr<TdxGPImage> TdxGPImage::CreateBlended(TdxGPImage* AOther, std::uint8_t AAlpha) {
  const TRect bounds = GetBounds();
  std::unique_ptr<TdxGPImage> result =
      CreateFromBits(bounds.Right, bounds.Bottom, TRGBColors(std::size_t(bounds.Right) * std::size_t(bounds.Bottom)), true);
  if (!result->FHandle) return result;
  GpGraphics* graphics = nullptr;
  CheckGdipStatus(Api().GdipGetImageGraphicsContext(result->FHandle, &graphics));
  TdxGPGraphics owner(graphics);
  Draw(graphics, bounds, 255, bounds);
  if (AOther) AOther->Draw(graphics, bounds, AAlpha, AOther->GetBounds());
  return result;
}

TClass GetGPImageClass() { return GImageClass ? GImageClass : TdxGPNullImage::StaticClass(); }

// --- TdxPNGImage --------------------------------------------------------------------------

TdxPNGImage::TdxPNGImage() = default;

TdxPNGImage::~TdxPNGImage() = default;

std::unique_ptr<TdxGPImage> TdxPNGImage::CreateImageFromBitmap(TBitmap* ABitmap) {
  IsGdiPlusAvailable();
  return TdxGPImage::CreateFromBitmap(ABitmap);
}

void TdxPNGImage::SetImage(std::unique_ptr<TdxGPImage> AImage) {
  if (AImage.get() == FImage.get()) return;
  FImage = std::move(AImage);
  Changed(this);
}

void TdxPNGImage::Changed(TObject* Sender) {
  FUsesAlphaKnown = false;
  inherited::Changed(Sender);
}

void TdxPNGImage::Assign(TPersistent* Source) {
  if (!Source) {
    SetImage(nullptr);
  } else if (auto* bitmap = dynamic_cast<TBitmap*>(Source)) {
    SetImage(CreateImageFromBitmap(bitmap));
  } else if (auto* png = dynamic_cast<TdxPNGImage*>(Source)) {
    if (png != this) SetImage(png->FImage ? png->FImage->Clone() : nullptr);
  } else {
    inherited::Assign(Source);
  }
}

void TdxPNGImage::AssignTo(TPersistent* Dest) {
  if (auto* png = dynamic_cast<TdxPNGImage*>(Dest)) {
    png->Assign(this);
  } else if (auto* bitmap = dynamic_cast<TBitmap*>(Dest)) {
    std::unique_ptr<TBitmap> copy = GetAsBitmap();
    bitmap->Assign(copy.get());
  } else {
    inherited::AssignTo(Dest);
  }
}

int TdxPNGImage::Width() {
  if (!FImage || !FImage->HandleAllocated()) return 0;
  float width = 0, height = 0;
  CheckGdipStatus(GdipApi().GdipGetImageDimension(FImage->Handle(), &width, &height));
  return int(Round(width));
}

int TdxPNGImage::Height() {
  if (!FImage || !FImage->HandleAllocated()) return 0;
  float width = 0, height = 0;
  CheckGdipStatus(GdipApi().GdipGetImageDimension(FImage->Handle(), &width, &height));
  return int(Round(height));
}

void TdxPNGImage::LoadFromStream(TStream* Stream) {
  if (Stream->Size() - Stream->Position() <= 0) {
    SetImage(nullptr);
    return;
  }
  SetImage(TdxGPImage::CreateFromStream(Stream));
}

void TdxPNGImage::SaveToStream(TStream* Stream) {
  if (!FImage || !FImage->HandleAllocated()) return;
  TMemoryStream png;
  FImage->SaveToStream(&png);
  if (png.Size() > 0) Stream->WriteBuffer(png.Memory(), std::int32_t(png.Size()));
}

void TdxPNGImage::LoadFromClipboardFormat(std::uint16_t AFormat, HANDLE AData, HPALETTE APalette) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf32bit);
  bitmap.LoadFromClipboardFormat(AFormat, AData, APalette);
  SetBitmap(&bitmap);
}

void TdxPNGImage::SaveToClipboardFormat(std::uint16_t& AFormat, HANDLE& AData, HPALETTE& APalette) {
  TBitmap bitmap;
  bitmap.SetSize(Width(), Height());
  bitmap.Canvas()->Brush()->SetColor(TColor(0xFFFFFF));
  bitmap.Canvas()->FillRect(TRect{0, 0, Width(), Height()});
  DrawToDC(bitmap.Canvas()->Handle(), TRect{0, 0, Width(), Height()});
  bitmap.SaveToClipboardFormat(AFormat, AData, APalette);
}

void TdxPNGImage::Draw(TCanvas* ACanvas, const TRect& Rect) {
  if (FImage) DrawOnDC(ACanvas->Handle(), Rect, FImage->GetBounds());
}

void TdxPNGImage::DrawToDC(HDC DC, const TRect& R) {
  if (FImage) DrawOnDC(DC, R, FImage->GetBounds());
}

void TdxPNGImage::DrawOnDC(HDC DC, const TRect& ADest, const TRect& ASource) {
  if (!FImage || !FImage->HandleAllocated()) return;
  TdxGPGraphics* graphics = BeginGdipPaint(DC, ADest);
  try {
    DrawOnGraphics(graphics->Handle(), ADest, ASource);
  } catch (...) {
    EndGdipPaint(graphics);
    throw;
  }
  EndGdipPaint(graphics);
}

void TdxPNGImage::DrawOnGraphics(GpGraphics* AGraphics, const TRect& ADest, const TRect& ASource) {
  if (FImage) FImage->Draw(AGraphics, ADest, 255, ASource);
}

std::unique_ptr<TBitmap> TdxPNGImage::GetAsBitmap() {
  return FImage ? FImage->GetAsBitmap() : std::make_unique<TBitmap>();
}

void TdxPNGImage::SetBitmap(TBitmap* ASource) { SetImage(CreateImageFromBitmap(ASource)); }

bool TdxPNGImage::UsesAlpha() {
  if (!FUsesAlphaKnown) {
    const TRGBColors pixels = FImage ? FImage->GetBits() : TRGBColors();
    FUsesAlpha = std::any_of(pixels.begin(), pixels.end(), [](const TRGBQuad& p) { return p.rgbReserved != 255; });
    FUsesAlphaKnown = true;
  }
  return FUsesAlpha;
}

bool TdxPNGImage::IsEqualImage(TdxPNGImage* AOther) {
  if (!AOther || Width() != AOther->Width() || Height() != AOther->Height()) return false;
  if (Empty() || AOther->Empty()) return true;
  const TRGBColors mine = FImage->GetBits(), theirs = AOther->FImage->GetBits();
  return mine.size() == theirs.size() &&
         std::equal(mine.begin(), mine.end(), theirs.begin(),
                    [](const TRGBQuad& a, const TRGBQuad& b) { return PackRGBQuad(a) == PackRGBQuad(b); });
}

// --- Unit ---------------------------------------------------------------------------------

namespace {

const wchar_t* const kPngDescription = L"Portable Network Graphics";

void InitializeImageClasses() {
  GImageClass = TdxGPNullImage::StaticClass();
  // GDI+ itself starts with the first picture; the PNG encoder is looked up with the first save.
  if (!CanLoadGdiPlus()) return;
  GImageClass = TdxGPImage::StaticClass();
  RegisterClasses({TdxPNGImage::StaticClass()});
  TPicture::RegisterFileFormat(L"PNG", kPngDescription, TdxPNGImage::StaticClass());
}

void FinalizeImageClasses() {
  TPicture::UnregisterGraphicClass(TdxPNGImage::StaticClass());
  UnRegisterClasses({TdxPNGImage::StaticClass()});
}

}  // namespace

void dxGDIPlusClasses_Initialize() {
  if (TdxUnitsLoader* loader = GetUnitsLoader()) loader->RegisterUnit(InitializeImageClasses, FinalizeImageClasses);
}

void dxGDIPlusClasses_Finalize() {
  if (TdxUnitsLoader* loader = GetUnitsLoader()) loader->UnregisterUnit(FinalizeImageClasses);
  GImageClass = nullptr;
}

const TUnitEntry dxGDIPlusClassesUnit{L"dxGDIPlusClasses", dxGDIPlusClasses_Initialize, dxGDIPlusClasses_Finalize};
