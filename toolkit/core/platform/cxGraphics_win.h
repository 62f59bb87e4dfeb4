// The toolkit's drawing surface and its region and bitmap classes. TcxCanvas
// wraps a runtime canvas (never owning it) and adds saved device states, a
// clip-region stack, object states, library text flags with an embossed
// disabled look, frames, tiled fills, 3D edges and bitmap rotation. The
// arithmetic beneath lives in cxGraphics.h.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "Graphics.h"
#include "ImgList.h"
#include "Units.h"
#include "cxGraphics.h"
#include "dxCore_win.h"

class TcxCanvas;

// --- Regions ------------------------------------------------------------------------------
// Owns one region handle; the destructor deletes it.
class TcxRegion : public TObject {
  VAMIRE_CLASS(TcxRegion, TObject)
 public:
  // An empty region (the rectangle 0, 0, 0, 0).
  TcxRegion();
  explicit TcxRegion(const TRect& R);
  TcxRegion(int ALeft, int ATop, int ARight, int ABottom);
  // Takes ownership of the handle.
  explicit TcxRegion(HRGN AHandle);
  ~TcxRegion() override;

  HRGN Handle() const { return FHandle; }
  bool IsEmpty() const;
  // Deletes the handle now; the region is empty afterwards.
  void DeleteHandle();
  // roSet copies ARegion; the others combine this region with it. ARegion is
  // freed afterwards when ADestroyRegion is set.
  void CombineWith(TcxRegion* ARegion, TcxRegionCombineMode AMode, bool ADestroyRegion = true);
  // False for nil; two empty regions are equal whatever their handles.
  bool EqualsRegion(const TcxRegion* ARegion) const;
  bool EqualsHandle(HRGN ARegion) const;
  void Shift(int DX, int DY);
  void OffsetByPoint(const TPoint& P) { Shift(P.X, P.Y); }
  bool ContainsPoint(const TPoint& P) const { return PtInRegionXY(P.X, P.Y); }
  bool PtInRegionXY(int X, int Y) const;

 private:
  HRGN FHandle;
};

// --- Canvas -------------------------------------------------------------------------------
// What painters pass for a styled area.
struct TcxViewStyleParams {
  TBitmap* Bitmap = nullptr;  // background bitmap, or none
  TColor Color = clDefault;   // background colour
  TFont* Font = nullptr;
  TColor TextColor = clDefault;
};

// Where PlaceTextRectVertically puts multi-line text.
enum TcxTextVerticalPlacement { tvpNone, tvpBottom, tvpCenter };

class TcxCanvas : public TObject {
  VAMIRE_CLASS(TcxCanvas, TObject)
 public:
  explicit TcxCanvas(TCanvas* ACanvas);
  // Frees the regions and object copies still saved; the wrapped canvas is not touched.
  ~TcxCanvas() override;

  // The wrapped runtime canvas.
  TCanvas* Canvas() const { return FCanvas; }
  // The wrapped canvas's DC, made by it when it has none.
  HDC Handle() { return FCanvas->Handle(); }
  TFont* Font() const { return FCanvas->Font(); }
  void SetFont(TFont* Value) { FCanvas->SetFont(Value); }
  TBrush* Brush() const { return FCanvas->Brush(); }
  void SetBrush(TBrush* Value) { FCanvas->SetBrush(Value); }
  TPen* Pen() const { return FCanvas->Pen(); }
  TCopyMode GetCopyMode() const { return FCanvas->CopyMode(); }
  void SetCopyMode(TCopyMode Value) { FCanvas->SetCopyMode(Value); }
  // Assigns only when the colour differs or the brush is clear (a colour makes it solid).
  void SetBrushColor(TColor Value);
  void SetPixel(int X, int Y, TColor AColor);
  // Turns the font's text by the angle in degrees (TrueType output for any angle but 0).
  void SetFontAngle(int ADegrees);
  // The wrapped canvas takes the font, brush and pen selected in DC.
  void TakeObjectsFromDC(HDC DC);

  TPoint GetViewportOrigin();
  void SetViewportOrigin(const TPoint& P);
  TPoint GetWindowOrigin();
  void SetWindowOrigin(const TPoint& P);
  // Viewport origin minus window origin: where logical 0, 0 lies on the device.
  TPoint GetDeviceOrigin();

  // SaveDC, holding the wrapped canvas's lock until the matching restore.
  void SaveDeviceState();
  // RestoreDC of the last save; nothing when none is saved.
  void RestoreDeviceState();
  // Saves the DC and copies of the font, brush and pen.
  void PushState();
  void PopState();
  // Saves a copy of the clip region in logical coordinates, so a pop after
  // an origin change restores the same logical area.
  void PushClipRegion();
  void PopClipRegion();

  void ExcludeClipRectangle(const TRect& R);
  void IntersectClipRectangle(const TRect& R);
  // The current clip region (0, 0, 30000, 30000 when the DC has none), in
  // logical coordinates when AConsiderOrigin is set.
  std::unique_ptr<TcxRegion> CopyClipRegion(bool AConsiderOrigin = true);
  // Sets or combines the clip region with ARegion, which is freed afterwards
  // when ADestroyRegion is set and otherwise comes back unchanged.
  void SetClipRegion(TcxRegion* ARegion, TcxRegionCombineMode AMode, bool ADestroyRegion = true,
                     bool AConsiderOrigin = true);
  bool RectVisible(const TRect& R);
  void BeginPath();
  void EndPath();
  // A new region from the DC's path.
  std::unique_ptr<TcxRegion> PathToRegion(bool AConsiderOrigin = true);

  // clNone draws nothing; clDefault fills with the current brush.
  void FillRect(const TRect& R, TColor AColor = clDefault);
  // Tiles the bitmap over R on a grid anchored at logical 0, 0 (or fills with
  // the brush without one); AExcludeRect then takes R out of the clip region.
  void FillRectWithBitmap(const TRect& R, TBitmap* ABitmap, bool AExcludeRect = false);
  // Bands of ALineWidth along the chosen sides, inside R.
  void FrameRectBorders(const TRect& R, TColor AColor, int ALineWidth = 1, TcxBorders ABorders = cxBordersAll,
                        bool AExcludeRect = false);
  void FillRectWithBorders(const TRect& R, const TcxViewStyleParams& AViewParams, TcxBorders ABorders,
                           TColor ABorderColor, int ABorderWidth, bool AExcludeRect = false);
  // Left and top bands in the first colour, right and bottom in the second; not kept inside R.
  void DrawTwoColorFrame(const TRect& R, TColor ALeftTopColor, TColor ARightBottomColor,
                         TcxBorders ABorders = cxBordersAll, int ABorderWidth = 1);
  // One-pixel 3D edge in the system's 3D colours.
  void Draw3DEdge(const TRect& R, bool ASunken, bool AOuter, TcxBorders ABorders = cxBordersAll);
  // The dotted rectangle with white brush and black font, whatever was set.
  void DrawFocusRect(const TRect& R);
  void InvertRect(const TRect& R);

  void MoveTo(int X, int Y);
  void LineTo(int X, int Y);
  void Polygon(const std::vector<TPoint>& APoints);
  void Polyline(const std::vector<TPoint>& APoints);

  // Single-line text without rotation, prefix or ellipsis goes out through
  // ExtTextOut, aligned here; everything else through DrawText. Disabled text
  // is embossed: highlight one pixel right and down, shadow over it.
  void DrawText(const String& AText, TRect R, TcxTextFlags AFlags, bool AEnabled = true,
                TcxBitmapRotation AAngle = raNone);
  void DrawTextInRect(const String& AText, const TRect& R, TcxTextFlags AFlags, bool AEnabled = true);
  // R becomes the rectangle the text needs, placed inside the old R by the alignment flags.
  void CalcTextRect(const String& AText, TRect& R, TcxTextFlags AFlags);
  // Moves R.Top for bottom-aligned or centred multi-line text.
  void PlaceTextRectVertically(TRect& R, const String& AText, TcxTextVerticalPlacement APlacement, bool AWordBreak,
                               bool AShowPrefix, bool AEnabled, bool ADontBreakChars, bool AEndEllipsis);
  // The whole text on one line in the canvas font; 0, 0 when it can't be measured.
  TSize MeasureText(const String& AText);
  int MeasureTextWidth(const String& AText) { return MeasureText(AText).cx; }
  int MeasureTextHeight(const String& AText) { return MeasureText(AText).cy; }

  void DrawGraphic(int X, int Y, TGraphic* AGraphic);
  // Copies ASource of ACanvas onto ADest with the copy mode.
  void CopyRectangle(const TRect& ADest, TCanvas* ACanvas, const TRect& ASource);
  // Turns the bitmap in place (quarter turns swap its width and height).
  void RotateBitmap(TBitmap* ABitmap, TcxBitmapRotation ARotation, bool AFlip = false);

 protected:
  void SetCanvas(TCanvas* ACanvas) { FCanvas = ACanvas; }

 private:
  struct TDCState {
    HDC DC;
    int SavedDC;
  };
  struct TObjectState {
    std::unique_ptr<TFont> Font;
    std::unique_ptr<TBrush> Brush;
    std::unique_ptr<TPen> Pen;
  };
  void OutputText(const String& AText, const TRect& R, unsigned AFormat, bool ATextOut, unsigned AOptions,
                  TcxBitmapRotation AAngle);
  // Fills with the brush just given a colour.
  void FillWithBrushColor(const TRect* ARects, int ACount);

  TCanvas* FCanvas;
  std::vector<TDCState> FDCStates;
  std::vector<std::unique_ptr<TcxRegion>> FClipRegions;
  std::vector<TObjectState> FObjectStates;
};

// A canvas over the whole screen, for measuring. Its DC is taken when first
// needed and held until ReleaseHandle or destruction.
class TcxScreenCanvas : public TcxCanvas {
  VAMIRE_CLASS(TcxScreenCanvas, TcxCanvas)
 public:
  TcxScreenCanvas();
  ~TcxScreenCanvas() override;
  void ReleaseHandle();

 private:
  std::unique_ptr<TScreenCanvas> FScreenCanvas;
};

// The shared canvas painters borrow for the length of a paint: each begin
// wraps a canvas or a DC (saving its state) and each end undoes the last one.
class TcxPaintCanvas : public TcxCanvas {
  VAMIRE_CLASS(TcxPaintCanvas, TcxCanvas)
 public:
  TcxPaintCanvas();
  ~TcxPaintCanvas() override;
  void BeginPaint(TCanvas* ACanvas);
  void BeginPaintOnDC(HDC DC);
  // Nothing when no paint is begun.
  void EndPaint();

 private:
  struct TPaintState {
    TCanvas* Previous;
    HDC DC;
    int SavedDC;  // 0 when the paint wrapped a canvas
    std::unique_ptr<TCanvas> Temporary;
  };
  std::vector<TPaintState> FStates;
};

// The shared instances, made on first use; nil once the unit has begun to end.
TcxScreenCanvas* GetScreenCanvas();
TcxPaintCanvas* GetPaintCanvas();

// --- Text on device contexts --------------------------------------------------------------
// DrawText with the background mode and text colour set for the call (clDefault
// keeps the DC's colour) and both put back; a count of -1 takes the whole text.
int DrawTextOnDC(HDC DC, const String& AText, TRect& R, int ABkMode, TColor AColor, int ACount, unsigned AFormat);
// DrawTextOnDC on the canvas's DC with its font, transparent, the whole text.
int DrawTextOnCanvas(TCanvas* ACanvas, const String& AText, TRect& R, TColor AColor, unsigned AFormat);
// ExtTextOut at P clipped or filled to R by the options; true on success.
bool TextOutOnDC(HDC DC, const String& AText, const TPoint& P, int ACount, unsigned AOptions, const TRect& R);
// Text turned by the rotation code, drawn through a 32-bit copy of the
// background; raNone draws directly. The result of the DrawText call.
int DrawTextRotated(TcxCanvas* ACanvas, const String& AText, const TRect& R, TcxBitmapRotation ARotation,
                    TColor AColor, unsigned AFormat);

// GetObject of the handle's record; true on success.
bool GetBitmapObjectData(HBITMAP AHandle, BITMAP& AData);
bool GetBrushObjectData(HBRUSH AHandle, LOGBRUSH& AData);
bool GetFontObjectData(HFONT AHandle, LOGFONTW& AData);
bool GetPenObjectData(HPEN AHandle, LOGPEN& AData);
// The canvas takes copies of the font (with the text colour), brush and pen selected in DC.
void ApplyDCObjectsToCanvas(TCanvas* ACanvas, HDC DC);

// --- Bitmaps ------------------------------------------------------------------------------
// A runtime bitmap with its own TcxCanvas, update locking and optionally
// packed streamed data.
class TcxBitmap : public TBitmap {
  VAMIRE_CLASS(TcxBitmap, TBitmap)
 public:
  // 0 x 0, 24 bits per pixel.
  TcxBitmap();
  TcxBitmap(int AWidth, int AHeight);
  explicit TcxBitmap(const TRect& ARect);
  TcxBitmap(int AWidth, int AHeight, TPixelFormat AFormat);
  TcxBitmap(const TRect& ARect, TPixelFormat AFormat);
  ~TcxBitmap() override;

  // The streamed data is packed when set.
  bool CompressData() const { return FCompressData; }
  void SetCompressData(bool Value) { FCompressData = Value; }
  TcxCanvas* cxCanvas() const { return FcxCanvas.get(); }

  void BeginUpdate() { ++FLockCount; }
  // Changed runs when the last lock goes and AForceUpdate is set or something changed meanwhile.
  void EndUpdate(bool AForceUpdate = true);
  bool IsUpdating() const { return FLockCount > 0; }
  // Negative sizes count as 0; width and height change inside one update.
  virtual void SetSize(int AWidth, int AHeight);
  void SetSizeOfRect(const TRect& R) { SetSize(R.Right - R.Left, R.Bottom - R.Top); }
  TRect GetClientRect() { return TRect{0, 0, Width(), Height()}; }
  // ABitmap drawn at 0, 0 with the raster operation.
  void CopyBitmap(TBitmap* ABitmap, DWORD ARop = SRCCOPY);
  void CopyBitmapRect(TBitmap* ABitmap, const TRect& R, DWORD ARop, const TPoint& ASourceTopLeft);
  void Rotate(TcxBitmapRotation ARotation, bool AFlip = false);

  void ReadData(TStream* Stream) override;
  void WriteData(TStream* Stream) override;

 protected:
  void Changed(TObject* Sender) override;
  // Runs after every change that is not locked.
  virtual void Refresh() {}

 private:
  void Initialize(int AWidth, int AHeight, TPixelFormat AFormat);
  bool FCompressData = false;
  std::unique_ptr<TcxCanvas> FcxCanvas;
  int FLockCount = 0;
  bool FModified = false;
};

// A bitmap fixed at 32 bits per pixel with access to its pixels (rows from the
// bottom up). A change that leaves another depth raises EdxException "Wrong PixelFormat".
class TcxBitmap32 : public TcxBitmap {
  VAMIRE_CLASS(TcxBitmap32, TcxBitmap)
 public:
  TcxBitmap32();
  TcxBitmap32(int AWidth, int AHeight);
  // Cleared to 0 in all four bytes when AClear is set.
  TcxBitmap32(int AWidth, int AHeight, bool AClear);
  TcxBitmap32(const TRect& ARect, bool AClear);

  TRGBColors GetPixels();
  void SetPixels(const TRGBColors& AColors);
  // Fills every byte with 0.
  virtual void Clear();
  void MakeOpaque() { SetAlpha(255); }
  void SetAlpha(std::uint8_t AAlpha);
  // 32 bits per pixel and some alpha byte not 0.
  bool HasAlpha();
  // Reads inside an update and ends at 32 bits per pixel again.
  void LoadFromStream(TStream* Stream) override;

 protected:
  void Refresh() override;
};

// A 32-bit bitmap with transparent colours and the per-pixel operations of glyph drawing.
class TcxAlphaBitmap : public TcxBitmap32 {
  VAMIRE_CLASS(TcxAlphaBitmap, TcxBitmap32)
 public:
  TcxAlphaBitmap();
  TcxAlphaBitmap(int AWidth, int AHeight);
  // ATransparentBkColor is blue, green, red, alpha from the lowest byte up.
  TcxAlphaBitmap(int AWidth, int AHeight, std::uint32_t ATransparentBkColor);

  std::uint32_t TransparentBkColor() const { return FParams.TransparentBkColor; }
  void SetTransparentBkColor(std::uint32_t Value) { FParams.TransparentBkColor = Value; }
  std::vector<std::uint32_t>& TransparentPixels() { return FParams.TransparentColors; }

  // Reads the pixels once, applies the operation to each, writes them back once, then Changed.
  void ApplyPixelOperation(TcxPixelOperation AOperation);
  // The one transparent colour (also the background, with alpha 0); visible pixels become opaque.
  void SetTransparentColor(TColor AColor);
  void SetHatch(TColor AColor1, TColor AColor2, std::uint8_t AStep, std::uint8_t AAlpha1, std::uint8_t AAlpha2);
  // The transparent background colour when its alpha is not 0, else all bytes 0.
  void Clear() override;

 private:
  TcxPixelOperationParams FParams;
};

// Sets the size, empties the transparent colours and clears.
void ResizeAndClearAlphaBitmap(TcxAlphaBitmap* ABitmap, int AWidth, int AHeight);

std::unique_ptr<TBitmap> NewBitmap(int AWidth, int AHeight, TPixelFormat AFormat);
std::unique_ptr<TBitmap> NewBitmapForSize(const TSize& ASize, TPixelFormat AFormat);
std::unique_ptr<TBitmap> NewBitmapForRect(const TRect& R, TPixelFormat AFormat);
// BitBlt of ADestRect from ASourceTopLeft.
void BitBltRect(HDC ADestDC, HDC ASourceDC, const TRect& ADestRect, DWORD ARop, const TPoint& ASourceTopLeft);
// The bitmap's part from ASourceTopLeft onto R of DC, its palette realized on palette devices.
void DrawBitmapOnDC(HDC DC, TBitmap* ABitmap, const TRect& R, DWORD ARop, const TPoint& ASourceTopLeft);
// The source drawn over the whole destination, which is then Changed.
void CopyBitmapToBitmap(TBitmap* ADest, TBitmap* ASource);
std::unique_ptr<TBitmap> CloneBitmap(TBitmap* ABitmap);
// A DIB-section copy of the bitmap; the caller deletes it.
HBITMAP CopyImageHandle(HBITMAP AHandle);
bool IsNonEmptyBitmap(TBitmap* ABitmap);
bool IsValidImageIndex(TCustomImageList* AImageList, int AIndex);
// Moves the change link and AOwner's free notification from the held list to
// ANew, stores it in AField and fires the link; nothing when ANew is held already.
void ReplaceImageList(TCustomImageList* ANew, TCustomImageList*& AField, TChangeLink* AChangeLink,
                      TComponent* AOwner);

// Pixels per inch of the screen, horizontally and vertically, read once.
TPoint GetScreenDPI();

// Unit start: the process is told it is DPI-aware on systems after the 5.x
// family, TcxBitmap and TcxBitmap32 become known to streaming, the screen's
// resolution is read. End: the shared canvases are freed.
void cxGraphics_Initialize();
void cxGraphics_Finalize();
extern const TUnitEntry cxGraphicsUnit;
