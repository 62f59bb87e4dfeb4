// Skins on the screen: pictures decoded once through GDI+, the canvas an
// element is drawn on, the ready-made copies of elements drawn often at one
// size, and the unit that starts the skin data once GDI+ is there. The
// drawing members of the skin classes (TdxSkinElement::DrawToDC and the
// rest, declared in dxSkinsCore.h) are defined here.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "cxGraphics_win.h"
#include "dxGDIPlusClasses_win.h"
#include "dxSkinsCore.h"

// The picture of a skin image as a GDI+ image. Reading keeps the PNG data and
// checks their structure; the pixels are decoded on the first use that needs
// them (a draw, the alpha, a comparison, Picture), so that a skin registered
// at start costs no decoding until it is drawn. From then on the decoded
// picture is the texture (Picture may change it) and the data are let go.
class TdxSkinPNGTexture : public TdxSkinTexture {
  VAMIRE_CLASS(TdxSkinPNGTexture, TdxSkinTexture)
 public:
  TdxSkinPNGTexture();
  ~TdxSkinPNGTexture() override;
  bool Empty() override { return FData.empty() && FPicture->Empty(); }
  // Read from the data's header while they are not decoded.
  TSize Size() override;
  // Only PNG data whose chunks are whole: anything else raises EdxSkin and
  // leaves the texture as it was.
  void LoadFromStream(TStream* AStream) override;
  // The data as read while not decoded; else the picture encoded as PNG.
  void SaveToStream(TStream* AStream) override;
  bool UsesAlpha() override { return Picture()->UsesAlpha(); }
  bool IsEqual(TdxSkinTexture* AOther) override;
  void AssignTexture(TdxSkinTexture* ASource) override;
  void Clear() override;
  // The decoded picture (decoding now when it is not yet). Data the decoder
  // refuses after all give an empty picture.
  TdxPNGImage* Picture();
  // Holds no data still waiting to be decoded.
  bool Decoded() const { return FData.empty(); }

 private:
  std::vector<std::uint8_t> FData;
  TSize FDataSize;
  std::unique_ptr<TdxPNGImage> FPicture;
};

// The picture of an image as GDI+ draws it, or null when it has none.
TdxPNGImage* SkinImagePicture(TdxSkinImage* AImage);

// The GDI+ graphics one drawing call draws on. Solid fills and gradients go
// through GDI+ too, so they keep their alpha on the element cache's bitmaps.
class TdxSkinCanvas : public TObject {
  VAMIRE_CLASS(TdxSkinCanvas, TObject)
 public:
  // A graphics for R of the DC (buffered where the DC needs it).
  TdxSkinCanvas(HDC DC, const TRect& R);
  // Takes over a GDI+ graphics handle (freed with the canvas).
  explicit TdxSkinCanvas(GpGraphics* AHandle);
  // Ends the paint: a buffered graphics goes to its DC.
  ~TdxSkinCanvas() override;

  TdxGPGraphics* Graphics() const { return FGraphics; }
  // R in the colour (system colours resolved) at AAlpha.
  void FillRect(const TRect& R, TColor AColor, std::uint8_t AAlpha = 255);
  // Solid when the colours are equal or the second is clNone or clDefault;
  // the diagonal modes through a GDI+ linear gradient; horizontal and
  // vertical in at most 256 bands from AColor1 at the left (top) edge to AColor2.
  void FillGradient(const TRect& R, TColor AColor1, TdxSkinGradientMode AMode, TColor AColor2);
  // The frame AFrame of the image into R, by the image's stretch mode and margins.
  void DrawFrame(TdxSkinImage* AImage, const TRect& R, const TRect& AFrame);

 private:
  TdxGPGraphics* FGraphics = nullptr;
};

// A part of a kept picture and how it goes to a DC: copied when every pixel
// in it is opaque, blended otherwise.
struct TdxSkinPicturePart {
  TRect Rect;
  bool Blend = true;
  bool operator==(const TdxSkinPicturePart&) const = default;
};
using TdxSkinPictureParts = std::vector<TdxSkinPicturePart>;

// The parts a premultiplied picture (rows from the bottom, as a 32-bit
// bitmap holds them) is drawn in: one copied part when it is wholly opaque;
// when its transparency lies only in bands along its edges (a translucent
// frame), the bands blended and the opaque rest copied, and of a band whose
// middle is opaque (rounded corners) only its ends blended; else one blended
// part. Blending costs several times a copy, so only the pixels that need it
// are blended, unless the picture is too small for the extra calls to pay;
// the result is the same pixels either way.
TdxSkinPictureParts SplitPictureByTransparency(const TRGBColors& APixels, int AWidth, int AHeight);
// The parts of the picture on ASourceDC (at 0, 0) to ADestDC at AOrigin.
void DrawPictureParts(HDC ADestDC, HDC ASourceDC, const TdxSkinPictureParts& AParts, const TPoint& AOrigin);

// One element kept drawn at one size, state and image index; drawing it
// again at that size copies the picture, wherever it goes: an opaque one with
// BitBlt, one with transparency by its parts (SplitPictureByTransparency),
// with AlphaBlend from premultiplied pixels where it has transparency (GDI+
// blends many times slower under Wine). A change of any skin object since it
// was drawn makes it draw anew.
class TdxSkinElementCache : public TObject {
  VAMIRE_CLASS(TdxSkinElementCache, TObject)
 public:
  TdxSkinElementCache() = default;
  ~TdxSkinElementCache() override;

  void Draw(HDC DC, TdxSkinElement* AElement, int AImageIndex, TdxSkinElementState AState, const TRect& R);
  TdxSkinElement* Element() const { return FElement; }
  const TRect& Rect() const { return FRect; }
  int ImageIndex() const { return FImageIndex; }
  TdxSkinElementState State() const { return FState; }
  // How often the picture was made (for tests and measurements).
  int RenderCount() const { return FRenderCount; }
  bool HasOpaqueBitmap() const { return FOpaqueBitmap != nullptr; }
  bool HasAlphaBitmap() const { return FAlphaBitmap != nullptr; }
  const TdxSkinPictureParts& AlphaBitmapParts() const { return FAlphaParts; }

 private:
  void FreePictures();
  void Render(int AWidth, int AHeight);

  TdxSkinElement* FElement = nullptr;
  int FImageIndex = 0;
  TdxSkinElementState FState = esNormal;
  TRect FRect;
  unsigned FSkinChangeCount = 0;
  std::unique_ptr<TcxBitmap> FOpaqueBitmap;
  std::unique_ptr<TcxBitmap32> FAlphaBitmap;
  TdxSkinPictureParts FAlphaParts;
  int FRenderCount = 0;
};

// At most CacheListLimit caches, one per element and target rectangle; the
// oldest goes when a new one would make one more.
class TdxSkinElementCacheList : public TcxObjectList {
  VAMIRE_CLASS(TdxSkinElementCacheList, TcxObjectList)
 public:
  static constexpr int CacheListLimit = 8;
  TdxSkinElementCacheList() : TcxObjectList(true) {}
  void Draw(HDC DC, TdxSkinElement* AElement, int AImageIndex, TdxSkinElementState AState, const TRect& R);
  TdxSkinElementCache* Items(int Index) const { return static_cast<TdxSkinElementCache*>(GetItem(Index)); }
};

// Unit start (through the GDI+ units loader): the skin data start, images
// get GDI+ textures, and skins are read only when GDI+ is available. End
// takes it back.
void dxSkinsCore_Initialize();
void dxSkinsCore_Finalize();
extern const TUnitEntry dxSkinsCoreUnit;
