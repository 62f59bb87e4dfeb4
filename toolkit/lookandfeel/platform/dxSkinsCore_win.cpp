// GDI+ textures of skin images, skins read from the program's resources, the
// canvas elements are drawn on, and the unit.
#include "dxSkinsCore_win.h"

#include <algorithm>

#include "Streams_win.h"

// --- Textures ------------------------------------------------------------------------------

TdxSkinPNGTexture::TdxSkinPNGTexture() : FPicture(std::make_unique<TdxPNGImage>()) {}

TdxSkinPNGTexture::~TdxSkinPNGTexture() = default;

TSize TdxSkinPNGTexture::Size() {
  if (!FData.empty()) return FDataSize;
  return TSize{FPicture->Width(), FPicture->Height()};
}

void TdxSkinPNGTexture::LoadFromStream(TStream* AStream) {
  const std::int64_t remaining = AStream->Size() - AStream->Position();
  std::vector<std::uint8_t> data(std::size_t(std::max<std::int64_t>(remaining, 0)));
  if (!data.empty()) data.resize(std::size_t(AStream->Read(data.data(), std::int32_t(data.size()))));
  TSize size;
  const String problem = CheckPngData(data.data(), data.size(), size);
  if (!problem.empty()) throw EdxSkin(L"PNG image is not valid (" + problem + L")");
  FData = std::move(data);
  FDataSize = size;
  FPicture = std::make_unique<TdxPNGImage>();
}

void TdxSkinPNGTexture::SaveToStream(TStream* AStream) {
  if (!FData.empty()) AStream->WriteBuffer(FData.data(), std::int32_t(FData.size()));
  else FPicture->SaveToStream(AStream);
}

TdxPNGImage* TdxSkinPNGTexture::Picture() {
  if (!FData.empty()) {
    const std::vector<std::uint8_t> data = std::move(FData);
    FData.clear();
    TMemoryStream stream;
    stream.WriteBuffer(data.data(), std::int32_t(data.size()));
    stream.SetPosition(0);
    try {
      FPicture->LoadFromStream(&stream);
    } catch (const Exception&) {
      FPicture = std::make_unique<TdxPNGImage>();
    }
  }
  return FPicture.get();
}

bool TdxSkinPNGTexture::IsEqual(TdxSkinTexture* AOther) {
  auto* other = dynamic_cast<TdxSkinPNGTexture*>(AOther);
  if (!other) return false;
  if (!FData.empty() && FData == other->FData) return true;
  return Picture()->IsEqualImage(other->Picture());
}

void TdxSkinPNGTexture::AssignTexture(TdxSkinTexture* ASource) {
  auto* other = dynamic_cast<TdxSkinPNGTexture*>(ASource);
  if (!other) return inherited::AssignTexture(ASource);
  if (other == this) return;
  FData = other->FData;
  FDataSize = other->FDataSize;
  FPicture = std::make_unique<TdxPNGImage>();
  if (FData.empty()) FPicture->Assign(other->FPicture.get());
}

void TdxSkinPNGTexture::Clear() {
  FData.clear();
  FDataSize = TSize{};
  FPicture = std::make_unique<TdxPNGImage>();
}

TdxPNGImage* SkinImagePicture(TdxSkinImage* AImage) {
  auto* texture = dynamic_cast<TdxSkinPNGTexture*>(AImage->Texture());
  if (!texture || texture->Empty()) return nullptr;
  TdxPNGImage* picture = texture->Picture();
  return picture->Empty() ? nullptr : picture;
}

// --- Skins from resources ------------------------------------------------------------------

TdxSkin::TdxSkin(const String& AName, HINSTANCE AModule, bool ALoadNow) : TdxSkin(AName) {
  if (ALoadNow) LoadFromResource(AModule);
}

void TdxSkin::LoadFromResource(HINSTANCE AModule) {
  TResourceStream stream(AModule, Name(), L"DXSKINS");
  LoadFromStream(&stream);
}

// --- Canvas --------------------------------------------------------------------------------

namespace {

int Width(const TRect& R) { return R.Right - R.Left; }
int Height(const TRect& R) { return R.Bottom - R.Top; }

TColor Mix(TColor A, TColor B, int AStep, int ASteps) {
  const TColor a = ColorToRGB(A), b = ColorToRGB(B);
  TColor result = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int ca = a >> shift & 0xFF, cb = b >> shift & 0xFF;
    result |= TColor(ca + (cb - ca) * AStep / ASteps) << shift;
  }
  return result;
}

// How far before the first column (row) of a scaled picture its destination
// starts: Wine's GDI+ maps the first destination pixel to a source point a
// rounding error before the source rectangle for some scales, whatever the
// target's position, and leaves that pixel transparent: a column of the
// background between the parts of an element. Starting the destination a
// little before the bitmap, where it is clipped, puts that point inside the
// source; the scale changes by less than a hundredth of a pixel per picture.
// An axis drawn at its own size keeps its exact mapping.
float ScaledPictureLead(int ADestExtent, int ASourceExtent) {
  if (ADestExtent == ASourceExtent) return 0;
  return std::clamp(1e-3f * float(ADestExtent) / float(std::max(ASourceExtent, 1)), 0.01f, 0.5f);
}

// ASource of the image scaled into ADest through a bitmap of ADest's size at
// the origin: Wine's GDI+ drops the first row (column) of a scaled picture
// whose target starts at some odd coordinates, which left a line of the
// background between the parts of an element.
void DrawScaled(GpGraphics* AGraphics, GpImage* AImage, const TRect& ADest, const TRect& ASource) {
  const int w = Width(ADest), h = Height(ADest);
  GpBitmap* part = CreateGdipBitmap(w, h);
  GpGraphics* graphics = nullptr;
  GpStatus status = GdipApi().GdipGetImageGraphicsContext(part, &graphics);
  try {
    CheckGdipStatus(status);
    const TRect s = AdjustGdipSourceRect(TRect{0, 0, w, h}, ASource);
    const float dx = ScaledPictureLead(w, Width(s)), dy = ScaledPictureLead(h, Height(s));
    CheckGdipStatus(GdipApi().GdipDrawImageRectRect(graphics, AImage, -dx, -dy, float(w) + dx, float(h) + dy,
                                                    float(s.Left), float(s.Top), float(Width(s)), float(Height(s)),
                                                    Gdiplus::UnitPixel, nullptr, nullptr, nullptr));
    GdipApi().GdipDeleteGraphics(graphics);
    graphics = nullptr;
    DrawGdipImageWithAlpha(AGraphics, ADest, TRect{0, 0, w, h}, 255, part);
  } catch (...) {
    if (graphics) GdipApi().GdipDeleteGraphics(graphics);
    GdipApi().GdipDisposeImage(part);
    throw;
  }
  GdipApi().GdipDisposeImage(part);
}

}  // namespace

TdxSkinCanvas::TdxSkinCanvas(HDC DC, const TRect& R) : FGraphics(BeginGdipPaint(DC, R)) {}

TdxSkinCanvas::TdxSkinCanvas(GpGraphics* AHandle) : FGraphics(new TdxGPGraphics(AHandle)) {}

TdxSkinCanvas::~TdxSkinCanvas() { EndGdipPaint(FGraphics); }

void TdxSkinCanvas::FillRect(const TRect& R, TColor AColor, std::uint8_t AAlpha) {
  if (Width(R) <= 0 || Height(R) <= 0 || AColor == clNone) return;
  Gdiplus::GpSolidFill* brush = nullptr;
  CheckGdipStatus(GdipApi().GdipCreateSolidFill(ColorToGdipARGB(AColor, AAlpha), &brush));
  const GpStatus status = GdipApi().GdipFillRectangleI(FGraphics->Handle(), brush, R.Left, R.Top, Width(R), Height(R));
  GdipApi().GdipDeleteBrush(brush);
  CheckGdipStatus(status);
}

void TdxSkinCanvas::FillGradient(const TRect& R, TColor AColor1, TdxSkinGradientMode AMode, TColor AColor2) {
  if (Width(R) <= 0 || Height(R) <= 0) return;
  if (AColor1 == AColor2 || AColor2 == clNone || AColor2 == clDefault) {
    FillRect(R, AColor1);
    return;
  }
  if (AMode == gmForwardDiagonal || AMode == gmBackwardDiagonal) {
    FillRectWithGdipGradient(FGraphics->Handle(), R, AColor1, AColor2, AMode == gmForwardDiagonal ? 2 : 3);
    return;
  }
  const bool horizontal = AMode == gmHorizontal;
  const int extent = horizontal ? Width(R) : Height(R);
  const int bands = std::min(extent, 256);
  for (int i = 0; i < bands; ++i) {
    const int from = extent * i / bands, to = extent * (i + 1) / bands;
    const TRect band = horizontal ? TRect{R.Left + from, R.Top, R.Left + to, R.Bottom}
                                  : TRect{R.Left, R.Top + from, R.Right, R.Top + to};
    FillRect(band, Mix(AColor1, AColor2, i, std::max(bands - 1, 1)));
  }
}

void TdxSkinCanvas::DrawFrame(TdxSkinImage* AImage, const TRect& R, const TRect& AFrame) {
  TdxPNGImage* picture = SkinImagePicture(AImage);
  if (!picture) return;
  if (AImage->Stretch() == smNoResize) {
    FGraphics->SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
    const TSize size = AImage->GetFrameSize();
    const int left = R.Left + (Width(R) - size.cx) / 2, top = R.Top + (Height(R) - size.cy) / 2;
    FGraphics->DrawImage(picture, TRect{left, top, left + size.cx, top + size.cy}, AFrame);
    return;
  }
  // The source is cut by the full margins, the target by margins shrunk to
  // fit it: small targets squeeze the corners.
  const TRect margins = dxSkinShrinkMargins(AImage->Margins()->Rect(), Width(R), Height(R));
  const std::array<TRect, 9> targets = dxSkinNinePartRects(R, margins);
  const std::array<TRect, 9>& sources = AImage->PartRects();
  FGraphics->SetInterpolationMode(Gdiplus::InterpolationModeDefault);
  for (int i = 0; i < 9; ++i) {
    if (!AImage->PartVisible(i)) continue;
    const TRect& target = targets[std::size_t(i)];
    TRect source = sources[std::size_t(i)];
    source.Left += AFrame.Left;
    source.Right += AFrame.Left;
    source.Top += AFrame.Top;
    source.Bottom += AFrame.Top;
    if (i == 4 && AImage->HasGradient())
      FillGradient(target, AImage->GradientBeginColor(), AImage->Gradient(), AImage->GradientEndColor());
    else if (AImage->Stretch() == smTile)
      FGraphics->DrawImageTiled(picture, target, source);
    else if (Width(target) == Width(source) && Height(target) == Height(source))
      FGraphics->DrawImage(picture, target, source);
    else if (Width(target) > 0 && Height(target) > 0)
      DrawScaled(FGraphics->Handle(), picture->Image()->Handle(), target, source);
  }
}

// --- Unit ----------------------------------------------------------------------------------

namespace {

std::unique_ptr<TdxSkinTexture> NewPNGTexture() { return std::make_unique<TdxSkinPNGTexture>(); }

void StartSkins() {
  dxSkinsData_Initialize();
  SetSkinTextureFactory(&NewPNGTexture);
  // Reading a skin starts GDI+; the PNG encoder is looked up with the first save.
  SetSkinReadableFunc(&IsGdiPlusAvailable);
}

void EndSkins() {
  SetSkinReadableFunc(nullptr);
  SetSkinTextureFactory(nullptr);
  dxSkinsData_Finalize();
}

}  // namespace

void dxSkinsCore_Initialize() {
  if (TdxUnitsLoader* loader = GetUnitsLoader()) loader->RegisterUnit(StartSkins, EndSkins);
}

void dxSkinsCore_Finalize() {
  if (TdxUnitsLoader* loader = GetUnitsLoader()) loader->UnregisterUnit(EndSkins);
}

const TUnitEntry dxSkinsCoreUnit{L"dxSkinsCore", dxSkinsCore_Initialize, dxSkinsCore_Finalize};
