// Object wrappers over GDI+ for keeping and drawing images: a graphics on a
// device context (buffered where GDI+ must not draw directly), an image with
// its pixels, and TdxPNGImage, the runtime graphic class of PNG pictures. All
// drawing takes a constant alpha, stretches and tiles. Without GDI+ no PNG
// format is registered and images without a handle draw nothing.
#pragma once

#include <windows.h>

#include <memory>

#include "Graphics.h"
#include "Units.h"
#include "dxGDIPlusAPI.h"
#include "dxGDIPlusClasses.h"
#include "dxCore_win.h"

class TdxPNGImage;

// Base of the GDI+ wrappers: their memory comes from GDI+ (GdipAlloc) and goes back to it.
class TdxGPBase : public TObject {
  VAMIRE_CLASS(TdxGPBase, TObject)
 public:
  static void* operator new(std::size_t ASize);
  static void operator delete(void* APointer);
};

// A GDI+ graphics, deleted with the object.
class TdxGPGraphics : public TdxGPBase {
  VAMIRE_CLASS(TdxGPGraphics, TdxGPBase)
 public:
  // Wraps (and owns) an existing graphics.
  explicit TdxGPGraphics(GpGraphics* AHandle);
  // A graphics on the DC.
  explicit TdxGPGraphics(HDC DC);
  ~TdxGPGraphics() override;

  GpGraphics* Handle() const { return FHandle; }
  HDC GetDC();
  void ReleaseDC(HDC DC);
  void SetInterpolationMode(int AMode);
  // The bitmap (whole) into R at the constant alpha; nothing for an empty bitmap.
  void DrawBitmap(TBitmap* ABitmap, const TRect& R, std::uint8_t AAlpha = 255);
  void DrawImage(TdxPNGImage* AImage, const TRect& ADest, const TRect& ASource);
  // ASource of the image repeated over ADest from its top-left.
  void DrawImageTiled(TdxPNGImage* AImage, const TRect& ADest, const TRect& ASource);

 protected:
  TdxGPGraphics() = default;
  GpGraphics* FHandle = nullptr;
};

// Draws into a 32-bit copy of R of the target DC; the copy goes back to the
// DC when the object is freed.
class TdxGPBufferedGraphics : public TdxGPGraphics {
  VAMIRE_CLASS(TdxGPBufferedGraphics, TdxGPGraphics)
 public:
  TdxGPBufferedGraphics(HDC DC, const TRect& R);
  ~TdxGPBufferedGraphics() override;

 private:
  TRect FRect;
  HDC FTargetDC;
  std::unique_ptr<TBitmap> FBuffer;
};

// True where GDI+ should draw through a buffer: fewer than 17 bits per pixel,
// a raster printer, or a palette.
bool NeedsGdipDoubleBuffer(HDC DC);
// A graphics for R of the DC (buffered when the DC needs it); EndGdipPaint frees it and clears the reference.
TdxGPGraphics* BeginGdipPaint(HDC DC, const TRect& R);
void EndGdipPaint(TdxGPGraphics*& AGraphics);
// ASource of the image into ADest at the constant alpha; nothing when either
// is empty or ADest is not visible.
void DrawGdipImageWithAlpha(GpGraphics* AGraphics, const TRect& ADest, const TRect& ASource, std::uint8_t AAlpha,
                            GpImage* AImage);
// A linear gradient from AColor1 to AColor2 over R (AMode: a GDI+ linear-gradient mode).
void FillRectWithGdipGradient(GpGraphics* AGraphics, const TRect& R, TColor AColor1, TColor AColor2, int AMode);

// A GDI+ image and, when it was made from pixels, those pixels (rows from the
// top, premultiplied), which the GDI+ bitmap uses as its memory. Decoded
// pictures keep the straight alpha they were stored with.
class TdxGPImage : public TdxGPBase {
  VAMIRE_CLASS(TdxGPImage, TdxGPBase)
 public:
  TdxGPImage() = default;
  ~TdxGPImage() override;

  // New images of the image class in use (TdxGPImage with GDI+, else TdxGPNullImage).
  static std::unique_ptr<TdxGPImage> CreateFromBitmap(TBitmap* ABitmap);
  static std::unique_ptr<TdxGPImage> CreateFromBits(int AWidth, int AHeight, const TRGBColors& ABits, bool AHasAlpha);
  // A stream starting with "BM" is read as a Windows bitmap, anything else by
  // GDI+ (PNG data checked first); fewer than 14 bytes, or no GDI+, give an
  // image without handle. Damaged data raises and makes nothing.
  static std::unique_ptr<TdxGPImage> CreateFromStream(TStream* AStream);

  GpImage* Handle() const { return FHandle; }
  bool HandleAllocated() const { return FHandle != nullptr; }
  // Disposes the GDI+ image and lets go of the memory behind it.
  virtual void FreeHandle();
  // The handle decoded from the stream's remaining bytes.
  virtual void LoadFromStream(TStream* AStream);
  // A new 32-bit bitmap of the image, premultiplied.
  virtual std::unique_ptr<TBitmap> GetAsBitmap();

  std::unique_ptr<TdxGPImage> Clone();
  // The image as PNG.
  void SaveToStream(TStream* AStream);
  // A copy of the pixels, rows from the top.
  TRGBColors GetBits();
  TRect GetBounds();
  int Width() { return GetBounds().Right; }
  int Height() { return GetBounds().Bottom; }
  void Draw(GpGraphics* AGraphics, const TRect& ADest, std::uint8_t AAlpha, const TRect& ASource);
  void DrawOnDC(HDC DC, const TRect& R);
  // A new image of this one's size: this image with AOther stretched over it at AAlpha.
  std::unique_ptr<TdxGPImage> CreateBlended(TdxGPImage* AOther, std::uint8_t AAlpha);

 protected:
  void InitFromBitmap(TBitmap* ABitmap);
  void InitFromBits(int AWidth, int AHeight, const TRGBColors& ABits, bool AHasAlpha);
  void InitFromStream(TStream* AStream);

 private:
  static std::unique_ptr<TdxGPImage> NewOfImageClass();
  GpImage* FHandle = nullptr;
  TRGBColors FBits;
  IStream* FData = nullptr;  // the decoded data, kept while the image lives
};

// The image class without GDI+: the same, in the runtime's memory.
class TdxGPNullImage : public TdxGPImage {
  VAMIRE_CLASS(TdxGPNullImage, TdxGPImage)
 public:
  static void* operator new(std::size_t ASize) { return ::operator new(ASize); }
  static void operator delete(void* APointer) { ::operator delete(APointer); }
};

// The image class in use.
TClass GetGPImageClass();

// A PNG picture: a runtime graphic holding one GDI+ image (or none). Stored as
// PNG in files and form files; always transparent.
class TdxPNGImage : public TGraphic {
  VAMIRE_CLASS(TdxPNGImage, TGraphic)
 public:
  TdxPNGImage();
  ~TdxPNGImage() override;

  // An image of the image class from the bitmap (GDI+ loaded first when needed).
  static std::unique_ptr<TdxGPImage> CreateImageFromBitmap(TBitmap* ABitmap);

  // From a bitmap, another PNG image (a copy of its image) or nil (none).
  void Assign(TPersistent* Source) override;
  bool Empty() override { return Width() < 1 || Height() < 1; }
  int Width() override;
  int Height() override;
  // The size comes from the picture; setting it does nothing.
  void SetWidth(int) override {}
  void SetHeight(int) override {}
  bool Transparent() override { return true; }
  // An empty stream leaves no image; damaged data raises and keeps the picture as it was.
  void LoadFromStream(TStream* Stream) override;
  void SaveToStream(TStream* Stream) override;
  void LoadFromClipboardFormat(std::uint16_t AFormat, HANDLE AData, HPALETTE APalette) override;
  // A bitmap of the picture over white.
  void SaveToClipboardFormat(std::uint16_t& AFormat, HANDLE& AData, HPALETTE& APalette) override;
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;

  // Same size, and (unless either is empty) the same four bytes in every pixel.
  virtual bool IsEqualImage(TdxPNGImage* AOther);
  virtual std::unique_ptr<TBitmap> GetAsBitmap();
  virtual void SetBitmap(TBitmap* ASource);
  virtual void DrawToDC(HDC DC, const TRect& R);
  virtual void DrawOnDC(HDC DC, const TRect& ADest, const TRect& ASource);
  virtual void DrawOnGraphics(GpGraphics* AGraphics, const TRect& ADest, const TRect& ASource);

  TdxGPImage* Image() const { return FImage.get(); }
  // Takes the image over (the one held before is freed); Changed follows.
  void SetImage(std::unique_ptr<TdxGPImage> AImage);
  // Some pixel's alpha is not 255; worked out once until the next change.
  bool UsesAlpha();

 protected:
  // To a PNG image: its Assign; to a bitmap: the picture's 32-bit bitmap.
  void AssignTo(TPersistent* Dest) override;
  void Changed(TObject* Sender) override;

 private:
  std::unique_ptr<TdxGPImage> FImage;
  bool FUsesAlpha = false;
  bool FUsesAlphaKnown = false;
};

// Unit start registers with the units loader: with GDI+, the PNG encoder is
// found, TdxGPImage becomes the image class and TdxPNGImage a streamable class
// and the picture format "PNG". End takes both registrations back.
void dxGDIPlusClasses_Initialize();
void dxGDIPlusClasses_Finalize();
extern const TUnitEntry dxGDIPlusClassesUnit;
