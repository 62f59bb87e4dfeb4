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
class TStrings;
class TWinControl;

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

// --- Text measuring -----------------------------------------------------------------------
// GetTextExtentPoint32 of ACount characters (-1: the whole text); 0, 0 when it fails.
void GetTextSizeOnDC(HDC DC, const String& AText, TSize& ASize, int ACount = -1);
// The text as one line, through CalcTextRectForLines.
TSize GetTextSizeForDC(HDC DC, const String& AText);
// R becomes the narrowest rectangle (from 0, 0) in which the word-wrapped text
// takes at most ALineCount lines of the height of "Wg" (one line: the
// single-line measure; 0 or less: at most 32000 high). With AForceHeight its
// height is that of the lines asked for.
void CalcTextRectForLines(HDC DC, const String& AText, int ALineCount, TRect& R, bool AForceHeight = false);
// Measured on the shared screen canvas in the font (at ASize points unless
// 0), whose DC is given back afterwards.
TSize FontTextSize(TFont* AFont, const String& AText, int ASize = 0);
int FontTextWidth(TFont* AFont, const String& AText, int ASize = 0);
int FontTextHeight(TFont* AFont, const String& AText, int ASize = 0);
// The system's scroll bars: cx the vertical bar's width, cy the horizontal bar's height.
TSize GetSystemScrollBarSize();
// Adds the lines of the text wrapped at spaces and tabs to R's width in the
// canvas font; a line break ends a line, and a run of them counts as one.
void SplitTextToLines(const String& AText, TcxCanvas* ACanvas, const TRect& R, TStrings* ALines);
// The character set of the system's ANSI code page.
int GetDefFontCharSet();
// False for a text starting with a character below 0x80 (and an empty one);
// else true for the Chinese and Arabic character sets (DEFAULT_CHARSET is the system's).
bool IsMultiByteCharsetText(int ACharset, const String& AText);
void InvalidateWindowRect(HWND AWindow, const TRect& R, bool AErase);
void InvalidateWindow(HWND AWindow, bool AErase);

// --- Painting a control's background and copies of controls -------------------------------
// Answered by an inner control that paints its own frame: false means a copy
// of it gets no window edge.
class IcxWindowEdgeQuery : public virtual IInterface {
  VAMIRE_INTERFACE(IcxWindowEdgeQuery, IInterface, "{7EFAF634-E8D2-489D-9603-FCFC03ACA460}")
 public:
  virtual bool HasWindowEdge() = 0;
};

// The parent's image under R of the control's canvas: the parent, and with
// APaintChildren its windowed children below the control, paint themselves
// (with csPaintCopy) into the canvas, placed so that what lies under R shows
// in R. Nothing without a control or parent, or while the parent is destroyed.
void PaintParentBackground(TWinControl* AControl, TcxCanvas* ACanvas, const TRect& R, bool APaintChildren);
void PaintParentBackgroundOnCanvas(TWinControl* AControl, TCanvas* ACanvas, const TRect& R, bool APaintChildren);
// The same with the canvas's window origin moved by AOffset for the call.
void PaintParentBackgroundAt(TWinControl* AControl, TcxCanvas* ACanvas, const TRect& R, bool APaintChildren,
                             const TPoint& AOffset);
// DrawThemeParentBackground; PaintParentBackground when the parent is double
// buffered or the theme library is not loaded.
void cxDrawThemeParentBackground(TWinControl* AControl, TcxCanvas* ACanvas, const TRect& R);
void cxDrawThemeParentBackgroundOnCanvas(TWinControl* AControl, TCanvas* ACanvas, const TRect& R);
// Paints a windowed control into the canvas with its top-left at AOrigin,
// clipped to R (both in the canvas's logical units), as WM_ERASEBKGND and
// WM_PAINT with the canvas DC draw it under csPaintCopy. ADrawEdge draws the
// client edge or border its window styles show (not for a control that
// answers IcxWindowEdgeQuery false) and paints the client inside it;
// AClipToWindowRegion keeps to its window region; APaintChildren paints its
// windowed children the same way, bottom first.
void PaintControlCopy(TWinControl* AControl, TcxCanvas* ACanvas, const TPoint& AOrigin, const TRect& R,
                      bool ADrawEdge, bool AClipToWindowRegion, bool APaintChildren);

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

// --- Alpha blending and glyphs ------------------------------------------------------------
// True when the system's AlphaBlend was bound at unit start.
bool IsAlphaBlendAvailable();
// AlphaBlend with per-pixel (premultiplied) alpha and the constant alpha;
// false when it is not bound or fails.
bool SystemAlphaBlend(HDC ADestDC, HDC ASourceDC, const TRect& ADestRect, std::uint8_t AAlpha,
                      const TRect& ASourceRect);
// Blends ASourceRect of the source over ADestRect: through AlphaBlend, or
// (smooth stretching, 32-bit programs on 64-bit systems, the 9x family, no
// AlphaBlend) through 32-bit copies, drawn by GDI+ or blended in software.
void AlphaBlendDC(HDC ADestDC, HDC ASourceDC, const TRect& ADestRect, std::uint8_t AAlpha, bool ASmoothStretch,
                  const TRect& ASourceRect);
void AlphaBlendBitmaps(TBitmap* ADest, TBitmap* ASource, const TRect& ADestRect, std::uint8_t AAlpha,
                       bool ASmoothStretch, const TRect& ASourceRect);
void AlphaBlendBitmapToDC(HDC DC, TcxAlphaBitmap* ABitmap, const TRect& ADestRect, std::uint8_t AAlpha,
                          bool ASmoothStretch, const TRect& ASourceRect);
// The source drawn over the whole destination: half-tone StretchBlt on the NT
// family, else (or when forced) Lanczos-3 in software.
void ResampleBitmap(TBitmap* ASource, TBitmap* ADest, bool AForceSoftware);
// Lays the two-colour checker over R of the DC.
void DrawHatchOnDC(HDC DC, const TRect& R, TColor AColor1, TColor AColor2, std::uint8_t AStep, std::uint8_t AAlpha1,
                   std::uint8_t AAlpha2);

class TcxImageList;
// Asked before a glyph is drawn into the background buffer; true when it drew
// it. Nothing installs one by default.
using TcxCustomDrawImageProc = bool (*)(TcxCanvas* ACanvas, TCustomImageList* AImages, int AImageIndex,
                                        TcxGlyphDrawMode ADrawMode, const TRect& AImageRect, TBitmap* AGlyph);
// Installs the hook (nil: none); answers the one it replaces.
TcxCustomDrawImageProc SetCustomDrawImageProc(TcxCustomDrawImageProc AProc);
// Draws the glyph, or else image AImageIndex of the list, into AImageRect of
// the DC in the draw mode, over a copy of ABackgroundRect (or over that area
// filled with ABackgroundBrush). Pixels of ATransparentColor (unless clNone)
// and, with AUseGlyphTransparentColor, of the glyph's transparent colour are
// left out. Nothing without a glyph and a valid index. Not reentrant.
void DrawImageOrGlyph(HDC DC, const TRect& AImageRect, const TRect& ABackgroundRect, TBitmap* AGlyph,
                      TCustomImageList* AImageList, int AImageIndex, TcxGlyphDrawMode ADrawMode,
                      bool ASmoothStretch = false, HBRUSH ABackgroundBrush = nullptr, TColor ATransparentColor = clNone,
                      bool AUseGlyphTransparentColor = false);
// Adds the glyph's outline in AColor, AOffset right and down, where the glyph
// is transparent (AMask white there); with AGrow the image grows by AOffset.
void DrawGlyphShadow(TcxAlphaBitmap* AImage, TcxAlphaBitmap* AMask, int AOffset, bool AGrow, TColor AColor);
// The mask of a 32-bit bitmap (white where transparent, black elsewhere) into
// ADest at 0, 0: by its alpha, or by its transparent colour when it has none.
void FillMaskBitmap(TcxBitmap32* ABitmap, TBitmap* ADest);
// GetNearestColor on the screen.
TColor NearestScreenColor(TColor AColor);
int ClampColorChannel(int AValue);
// The highlight of pressed and of hot buttons: button face, highlight and
// window colours mixed, as the screen shows them.
TColor GetPressedHighlightColor();
TColor GetHotHighlightColor();
// The size of the current mouse cursor's picture below its hot spot.
TSize GetCurrentCursorSize();

// --- Image list ---------------------------------------------------------------------------
// What one image of a TcxImageList was added with.
class TcxImageInfo : public TPersistent {
  VAMIRE_CLASS(TcxImageInfo, TPersistent)
 public:
  TcxImageInfo();
  ~TcxImageInfo() override;
  // From another image info: image, mask and mask colour.
  void Assign(TPersistent* Source) override;
  // Each takes the bitmap's picture and makes its handle at once.
  virtual void AssignImage(TBitmap* AImage);
  virtual void AssignMask(TBitmap* AMask);

  TcxBitmap* Image() const { return FImage.get(); }
  TcxBitmap* Mask() const { return FMask.get(); }
  TColor MaskColor() const { return FMaskColor; }
  void SetMaskColor(TColor Value) { FMaskColor = Value; }

 private:
  std::unique_ptr<TcxBitmap> FImage;
  std::unique_ptr<TcxBitmap> FMask;
  TColor FMaskColor = clNone;
};

class TcxImageInfoItem : public TCollectionItem {
  VAMIRE_CLASS(TcxImageInfoItem, TCollectionItem)
 public:
  explicit TcxImageInfoItem(TCollection* Collection);
  TcxImageInfoItem(TCollection* Collection, TBitmap* AImage, TBitmap* AMask, TColor AMaskColor);
  ~TcxImageInfoItem() override;
  void Assign(TPersistent* Source) override;

  TcxImageInfo* ImageInfo() const { return FImageInfo.get(); }
  TBitmap* Image() const { return FImageInfo->Image(); }
  void SetImage(TBitmap* Value) { FImageInfo->AssignImage(Value); }
  TBitmap* Mask() const { return FImageInfo->Mask(); }
  void SetMask(TBitmap* Value) { FImageInfo->AssignMask(Value); }
  TColor MaskColor() const { return FImageInfo->MaskColor(); }
  void SetMaskColor(TColor Value) { FImageInfo->SetMaskColor(Value); }
  // Both the image's and the mask's streamed data are packed.
  bool CompressData() const;
  void SetCompressData(bool Value);

 private:
  std::unique_ptr<TcxImageInfo> FImageInfo;
};

class TcxImageInfoCollection : public TCollection {
  VAMIRE_CLASS(TcxImageInfoCollection, TCollection)
 public:
  explicit TcxImageInfoCollection(TcxImageList* AImageList);

  TcxImageInfoItem* Items(int Index) const { return static_cast<TcxImageInfoItem*>(TCollection::Items(Index)); }
  TcxImageInfoItem* AddInfo(TBitmap* AImage, TBitmap* AMask, TColor AMaskColor);
  void MoveInfo(int ACurrentIndex, int ANewIndex);
  // -1 deletes every item.
  void DeleteInfo(int AIndex);
  bool CompressData() const { return FCompressData; }
  void SetCompressData(bool Value);
  TcxImageList* ImageList() const { return FImageList; }

 protected:
  TPersistent* GetOwner() override;

 private:
  TcxImageList* FImageList;
  bool FCompressData = false;
};

// The toolkit's image list: a 32-bit system list with masks that also keeps
// every image as it was added, so images draw with their alpha, copy between
// lists without loss and stream in its own form ("FormatVersion",
// "DesignInfo", "ImageInfo"; older "Bitmap" data still reads).
class TcxImageList : public TDragImageList {
  VAMIRE_CLASS(TcxImageList, TDragImageList)
 public:
  explicit TcxImageList(TComponent* AOwner);
  TcxImageList(TComponent* AOwner, int AWidth, int AHeight);
  ~TcxImageList() override;

  // The index of the first image added, -1 when the system list refuses it.
  int AddBitmap(TBitmap* AImage, TBitmap* AMask);
  int AddBitmapMasked(TBitmap* AImage, TColor AMaskColor);
  // The strip's images placed from AIndex on; nothing outside 0..Count.
  void InsertImage(int AIndex, TBitmap* AImage, TBitmap* AMask);
  void ReplaceImage(int AIndex, TBitmap* AImage, TBitmap* AMask);
  // -1 deletes every image.
  void DeleteImage(int AIndex);
  void ClearImages() { DeleteImage(-1); }
  void MoveImage(int ACurrentIndex, int ANewIndex);
  // The info image AIndex was added with; an empty one for an invalid index.
  void FillImageInfo(int AIndex, TcxImageInfo* AInfo);
  void AddFromInfo(TcxImageInfo* AInfo);
  // Image AIndex and its mask into the given bitmaps (either may be nil).
  void GetImageBitmaps(int AIndex, TBitmap* AImage, TBitmap* AMask);
  // From a list of any kind.
  static void GetImageFromList(TCustomImageList* AImageList, int AIndex, TBitmap* AMask, TBitmap* AImage);
  // From the system list; index -1 takes its whole image (and mask) bitmap.
  static void ReadImageBitmaps(HIMAGELIST AHandle, int AIndex, TBitmap* AMask, TBitmap* AImage);
  // 0 when it cannot be read.
  static int GetImageListBitsPerPixel(HIMAGELIST AHandle);

  void BeginUpdate();
  void EndUpdate(bool AChanged = true);
  bool IsUpdating() const { return FLockCount > 0; }

  // AImageRect is the list's size centred in R unless stretched.
  void DrawImage(int AIndex, TCanvas* ACanvas, bool AEnabled, bool ASmoothStretch, bool AStretch,
                 TDrawingStyle ADrawingStyle, const TRect& R);
  // The image infos made anew from the system list, and the other way round.
  void StoreSystemImages();
  void RebuildFromImageInfo();

  // A new image size empties the system list, and the infos with it.
  void SetWidth(int Value);
  void SetHeight(int Value);
  bool AlphaBlending() const { return FAlphaBlending; }
  bool CompressData() const { return FImageInfo->CompressData(); }
  void SetCompressData(bool Value) { FImageInfo->SetCompressData(Value); }
  int FormatVersion() const { return FFormatVersion; }
  // The design position, left in the low word and top in the high one.
  int DesignInfo() const { return FDesignInfo; }
  void SetDesignInfo(int Value) { FDesignInfo = Value; }
  TcxImageInfoCollection* ImageInfo() const { return FImageInfo.get(); }

  // From any image list its settings and a lossless copy of its images; anything else is ignored.
  void Assign(TPersistent* Source) override;
  void DefineProperties(TFiler* Filer) override;

 protected:
  void Change() override;
  void DoDraw(int Index, TCanvas* Canvas, int X, int Y, UINT Style, bool Enabled) override;
  void Initialize() override;
  UINT CreateFlags() const override;

 private:
  void StoreImageInfo(TBitmap* AImage, TBitmap* AMask, TColor AMaskColor, int AAdded);
  void ReadFormatVersion(TReader* Reader);
  void WriteFormatVersion(TWriter* Writer);
  void ReadDesignInfo(TReader* Reader);
  void WriteDesignInfo(TWriter* Writer);
  void ReadLeft(TReader* Reader);
  void ReadTop(TReader* Reader);
  void ReadImageInfo(TReader* Reader);
  void WriteImageInfo(TWriter* Writer);

  bool FAlphaBlending = false;
  int FFormatVersion = 0;
  std::unique_ptr<TcxImageInfoCollection> FImageInfo;
  int FLockCount = 0;
  bool FRebuilding = false;
  int FDesignInfo = 0;
};

// Same count and, unless both are empty, the same system-list stream.
bool AreImageListsEqual(TCustomImageList* AList1, TCustomImageList* AList2);
// How many images of that size a strip holds: 1 unless both sides are multiples.
int GetStripImageCount(TBitmap* AStrip, int AImageWidth, int AImageHeight);

// Pixels per inch of the screen, horizontally and vertically, read once.
TPoint GetScreenDPI();

// Unit start: the process is told it is DPI-aware on systems after the 5.x
// family, TcxBitmap, TcxBitmap32 and TcxImageList become known to streaming,
// the screen's resolution is read, AlphaBlend is bound. End: the shared
// canvases and the glyph work bitmaps are freed, AlphaBlend let go.
void cxGraphics_Initialize();
void cxGraphics_Finalize();
extern const TUnitEntry cxGraphicsUnit;
