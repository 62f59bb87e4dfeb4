// The runtime's drawing objects on GDI: fonts, brushes and pens whose handles
// are made on first use and shared between equal objects, the canvas that
// selects them into a device context, and the graphics (bitmaps, icons and the
// registered picture formats) that pictures hold and canvases draw.
#pragma once

#include <windows.h>

#include <cstdint>
#include <mutex>
#include <vector>

#include "Classes.h"
#include "GraphicsColors.h"
#include "Types.h"

class TStream;
class TCanvas;
class TBitmap;

VAMIRE_EXCEPTION(EInvalidGraphic, Exception)
VAMIRE_EXCEPTION(EInvalidGraphicOperation, Exception)

extern const TResStringRec SInvalidBitmap;      // Bitmap image is not valid
extern const TResStringRec SInvalidIcon;        // Icon image is not valid
extern const TResStringRec SUnknownExtension;   // Unknown picture file extension (.%s)
extern const TResStringRec SNoCanvasHandle;     // Canvas does not allow drawing
extern const TResStringRec SScanLine;           // Scan line index out of range
extern const TResStringRec SChangeIconSize;     // Cannot change the size of an icon
extern const TResStringRec SInvalidPixelFormat; // Invalid pixel format
extern const TResStringRec SOutOfResources;     // Out of system resources
extern const TResStringRec SUnknownClipboardFormat;  // Unsupported clipboard format

// An RGB value for GDI: system colours through the system-colour reader, others unchanged.
TColor ColorToRGB(TColor color);
// Reads system colour `index` (a COLOR_ value) as 0x00BBGGRR. The built-in
// reader is GetSysColor; tests put theirs in force instead of changing the
// system's colours. Brushes and pens made afterwards take the colours the
// reader gives then.
using TSysColorReader = TColor (*)(int index);
// Null puts the built-in reader back; answers the reader it replaces.
TSysColorReader SetSysColorReader(TSysColorReader reader);

// The geometry records have the platform's layout; these view them as such.
inline RECT* AsRect(TRect& r) { return reinterpret_cast<RECT*>(&r); }
inline const RECT* AsRect(const TRect& r) { return reinterpret_cast<const RECT*>(&r); }
inline TRect Rect(int left, int top, int right, int bottom) { return TRect{left, top, right, bottom}; }
inline TRect Bounds(int left, int top, int width, int height) { return TRect{left, top, left + width, top + height}; }
inline TPoint Point(int x, int y) { return TPoint{x, y}; }

// Pixels per inch of the screen, read once.
int ScreenLogPixels();

// Selects an object into a DC for the guard's lifetime; the previous one
// comes back at the end.
class TGdiSelection {
 public:
  TGdiSelection(HDC dc, HGDIOBJ obj) : FDC(dc), FOld(obj ? SelectObject(dc, obj) : nullptr) {}
  ~TGdiSelection() {
    if (FOld) SelectObject(FDC, FOld);
  }
  TGdiSelection(const TGdiSelection&) = delete;
  TGdiSelection& operator=(const TGdiSelection&) = delete;

 private:
  HDC FDC;
  HGDIOBJ FOld;
};

// A memory DC compatible with the screen, deleted with the guard. Raises
// EOutOfResources when none can be made.
class TMemoryDC {
 public:
  TMemoryDC();
  ~TMemoryDC() { DeleteDC(FDC); }
  TMemoryDC(const TMemoryDC&) = delete;
  TMemoryDC& operator=(const TMemoryDC&) = delete;
  operator HDC() const { return FDC; }

 private:
  HDC FDC;
};

// Reads Count bytes (all that is left when Count < 0) of a stream holding a
// picture; raises the stream's read error when fewer are there.
std::vector<std::uint8_t> ReadGraphicData(TStream* Stream, std::int64_t Count = -1);

// --- Fonts, brushes, pens ---------------------------------------------------------------
enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle, 4>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };
using TFontCharset = std::uint8_t;

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode {
  pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
  pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};
// The raster operation (R2_ code) of a pen mode, and the way back; false when
// no pen mode has that code.
int PenModeToROP2(TPenMode mode);
bool ROP2ToPenMode(int rop2, TPenMode& mode);

namespace vamire_graphics {
struct TResource;  // shared handle data of equal fonts, brushes or pens
struct TResourceAccess;
}

// Base of fonts, brushes and pens: equal objects share one resource, whose
// handle is made when first asked for and deleted with the last user.
class TGraphicsObject : public TPersistent {
  VAMIRE_CLASS(TGraphicsObject, TPersistent)
 public:
  ~TGraphicsObject() override;
  TNotifyEvent OnChange;
  // True once the handle of the (possibly shared) resource exists.
  bool HandleAllocated() const;

 protected:
  TGraphicsObject() = default;
  virtual void Changed();
  vamire_graphics::TResource* FResource = nullptr;
  friend struct vamire_graphics::TResourceAccess;
};

class TFont : public TGraphicsObject {
  VAMIRE_CLASS(TFont, TGraphicsObject)
 public:
  TFont();
  void Assign(TPersistent* Source) override;

  // The font handle, made from the LOGFONT of these values when first needed.
  HFONT Handle();
  // Takes the handle over (it is deleted with the font); the other values are
  // read back from it.
  void SetHandle(HFONT Value);
  String Name() const;
  void SetName(const String& Value);
  int Height() const;
  void SetHeight(int Value);
  // Points: -Height * 72 / PixelsPerInch.
  int Size() const;
  void SetSize(int Value);
  TFontStyles Style() const;
  void SetStyle(TFontStyles Value);
  TFontCharset Charset() const;
  void SetCharset(TFontCharset Value);
  TFontPitch Pitch() const;
  void SetPitch(TFontPitch Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  int PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int Value) { FPixelsPerInch = Value > 0 ? Value : FPixelsPerInch; }

 private:
  TColor FColor = clWindowText;
  int FPixelsPerInch;
};

class TBrush : public TGraphicsObject {
  VAMIRE_CLASS(TBrush, TGraphicsObject)
 public:
  TBrush();
  void Assign(TPersistent* Source) override;

  HBRUSH Handle();
  void SetHandle(HBRUSH Value);
  TColor Color() const;
  // A colour makes a clear brush solid.
  void SetColor(TColor Value);
  TBrushStyle Style() const;
  void SetStyle(TBrushStyle Value);
  // A pattern brush of the bitmap (not owned; it must outlive the brush's use).
  TBitmap* Bitmap() const;
  void SetBitmap(TBitmap* Value);
};

class TPen : public TGraphicsObject {
  VAMIRE_CLASS(TPen, TGraphicsObject)
 public:
  TPen();
  void Assign(TPersistent* Source) override;

  HPEN Handle();
  void SetHandle(HPEN Value);
  TColor Color() const;
  void SetColor(TColor Value);
  int Width() const;
  void SetWidth(int Value);
  TPenStyle Style() const;
  void SetStyle(TPenStyle Value);
  TPenMode Mode() const { return FMode; }
  void SetMode(TPenMode Value);

 private:
  TPenMode FMode = pmCopy;
};

// --- Canvas -----------------------------------------------------------------------------
using TCopyMode = std::int32_t;
constexpr TCopyMode cmBlackness = BLACKNESS;
constexpr TCopyMode cmDstInvert = DSTINVERT;
constexpr TCopyMode cmMergeCopy = MERGECOPY;
constexpr TCopyMode cmMergePaint = MERGEPAINT;
constexpr TCopyMode cmNotSrcCopy = NOTSRCCOPY;
constexpr TCopyMode cmNotSrcErase = NOTSRCERASE;
constexpr TCopyMode cmPatCopy = PATCOPY;
constexpr TCopyMode cmPatInvert = PATINVERT;
constexpr TCopyMode cmPatPaint = PATPAINT;
constexpr TCopyMode cmSrcAnd = SRCAND;
constexpr TCopyMode cmSrcCopy = SRCCOPY;
constexpr TCopyMode cmSrcErase = SRCERASE;
constexpr TCopyMode cmSrcInvert = SRCINVERT;
constexpr TCopyMode cmSrcPaint = SRCPAINT;
constexpr TCopyMode cmWhiteness = WHITENESS;

enum TCanvasState { csHandleValid, csFontValid, csPenValid, csBrushValid };
using TCanvasStates = TSet<TCanvasState, 4>;

class TGraphic;

// A drawing surface over a device context. The font, brush and pen are
// selected into the DC when a drawing call needs them, and deselected when
// they change or the DC goes. The base class never owns its DC.
class TCanvas : public TPersistent {
  VAMIRE_CLASS(TCanvas, TPersistent)
 public:
  TCanvas();
  ~TCanvas() override;

  // The DC; a canvas without one makes it (CreateHandle) or raises
  // EInvalidOperation "Canvas does not allow drawing".
  HDC Handle();
  void SetHandle(HDC Value);
  bool HandleAllocated() const { return FHandle != nullptr; }
  // Serialises use of the canvas between threads; nests.
  void Lock();
  bool TryLock();
  void Unlock();
  int LockCount() const { return FLockCount; }

  TFont* Font() const { return FFont; }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  TBrush* Brush() const { return FBrush; }
  void SetBrush(TBrush* Value) { FBrush->Assign(Value); }
  TPen* Pen() const { return FPen; }
  void SetPen(TPen* Value) { FPen->Assign(Value); }
  TCopyMode CopyMode() const { return FCopyMode; }
  void SetCopyMode(TCopyMode Value) { FCopyMode = Value; }
  // ExtTextOut options used by TextOut (ETO_RTLREADING and the like).
  int TextFlags() const { return FTextFlags; }
  void SetTextFlags(int Value) { FTextFlags = Value; }

  void FillRect(const TRect& Rect);
  void FrameRect(const TRect& Rect);
  void Rectangle(int X1, int Y1, int X2, int Y2);
  void Rectangle(const TRect& Rect) { Rectangle(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom); }
  void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
  void Ellipse(int X1, int Y1, int X2, int Y2);
  void Ellipse(const TRect& Rect) { Ellipse(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom); }
  void Polygon(const TPoint* Points, int Count);
  void Polygon(const std::vector<TPoint>& Points) { Polygon(Points.data(), int(Points.size())); }
  void Polyline(const TPoint* Points, int Count);
  void Polyline(const std::vector<TPoint>& Points) { Polyline(Points.data(), int(Points.size())); }
  void MoveTo(int X, int Y);
  void LineTo(int X, int Y);
  TPoint PenPos();
  void SetPenPos(TPoint Value) { MoveTo(Value.X, Value.Y); }
  // Text at X, Y in the font; the background is filled when the brush is
  // solid. The pen position moves to the text's end.
  void TextOut(int X, int Y, const String& Text);
  // Text at X, Y clipped to Rect (and Rect filled first when the brush is solid).
  void TextRect(const TRect& Rect, int X, int Y, const String& Text);
  TSize TextExtent(const String& Text);
  int TextWidth(const String& Text) { return TextExtent(Text).cx; }
  int TextHeight(const String& Text) { return TextExtent(Text).cy; }
  void Draw(int X, int Y, TGraphic* Graphic);
  void StretchDraw(const TRect& Rect, TGraphic* Graphic);
  // Copies Source of Canvas onto Dest of this canvas with the copy mode.
  void CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source);
  void DrawFocusRect(const TRect& Rect);
  TColor Pixels(int X, int Y);
  void SetPixels(int X, int Y, TColor Value);
  TRect ClipRect();
  // Deselects font, brush and pen, so the next call selects them afresh.
  void Refresh();
  // Makes the listed parts valid: the DC made, the font, pen or brush
  // selected. For code that draws on Handle() directly with them.
  void RequiredState(TCanvasStates Req);

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  virtual void Changed();
  virtual void Changing();
  // Makes the DC when the canvas has none; the base makes none.
  virtual void CreateHandle() {}
  TCanvasStates State() const { return FState; }

 private:
  void SelectFontObject();
  void SelectBrushObject();
  void SelectPenObject();
  void DeselectHandles();
  void FontChanged(TObject* Sender);
  void BrushChanged(TObject* Sender);
  void PenChanged(TObject* Sender);

  HDC FHandle = nullptr;
  TCanvasStates FState;
  TFont* FFont;
  TBrush* FBrush;
  TPen* FPen;
  TCopyMode FCopyMode = cmSrcCopy;
  int FTextFlags = 0;
  std::recursive_mutex FMutex;
  int FLockCount = 0;
};

// A canvas over the whole screen: the desktop window's DC, taken when first
// needed and given back by FreeHandle and the destructor.
class TScreenCanvas : public TCanvas {
  VAMIRE_CLASS(TScreenCanvas, TCanvas)
 public:
  ~TScreenCanvas() override;
  void FreeHandle();

 protected:
  void CreateHandle() override;

 private:
  HWND FWindow = nullptr;
  HDC FDC = nullptr;
};

// --- Graphics ---------------------------------------------------------------------------
// Base of everything a picture can hold. Width and Height are 0 when empty.
class TGraphic : public TPersistent {
  VAMIRE_CLASS(TGraphic, TPersistent)
 public:
  TGraphic() = default;

  virtual bool Empty() = 0;
  virtual int Width() = 0;
  virtual void SetWidth(int Value) = 0;
  virtual int Height() = 0;
  virtual void SetHeight(int Value) = 0;
  virtual bool Transparent() { return FTransparent; }
  virtual void SetTransparent(bool Value);
  bool Modified() const { return FModified; }
  void SetModified(bool Value);

  // Reads the whole file; an unreadable file raises the stream's error and a
  // damaged one EInvalidGraphic, leaving the graphic as it was.
  virtual void LoadFromFile(const String& FileName);
  virtual void SaveToFile(const String& FileName);
  // Reads from the stream's position to its end.
  virtual void LoadFromStream(TStream* Stream) = 0;
  virtual void SaveToStream(TStream* Stream) = 0;
  // Draws into Rect of the canvas (stretching when the sizes differ).
  virtual void Draw(TCanvas* ACanvas, const TRect& Rect) = 0;
  // The graphic from clipboard data of AFormat, and as such data (the caller
  // owns what it gets). A format the class does not take raises
  // EInvalidGraphic "Unsupported clipboard format".
  virtual void LoadFromClipboardFormat(std::uint16_t AFormat, HANDLE AData, HPALETTE APalette);
  virtual void SaveToClipboardFormat(std::uint16_t& AFormat, HANDLE& AData, HPALETTE& APalette);

  // The streamed form inside form files ("Data" of a picture); the base reads
  // and writes the plain file form.
  virtual void ReadData(TStream* Stream) { LoadFromStream(Stream); }
  virtual void WriteData(TStream* Stream) { SaveToStream(Stream); }

  TNotifyEvent OnChange;

 protected:
  virtual void Changed(TObject* Sender);
  // Into a bitmap: the bitmap takes this graphic's size and its drawing.
  void AssignTo(TPersistent* Dest) override;
  // "Data" in form files (a button's "Glyph.Data"): ReadData/WriteData.
  void DefineProperties(TFiler* Filer) override;

 private:
  bool FTransparent = false;
  bool FModified = false;
};

// A class reference to a TGraphic descendant.
using TGraphicClass = TClass;

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TBitmapHandleType { bmDIB, bmDDB };
enum TTransparentMode { tmAuto, tmFixed };

class TBitmapCanvas;

// A bitmap: a DIB section of the chosen pixel format, or a device bitmap for
// pfDevice. A new bitmap is a device bitmap; new area is white.
class TBitmap : public TGraphic {
  VAMIRE_CLASS(TBitmap, TGraphic)
 public:
  TBitmap();
  ~TBitmap() override;
  void Assign(TPersistent* Source) override;

  bool Empty() override { return Width() == 0 || Height() == 0; }
  int Width() override;
  void SetWidth(int Value) override { SetSize(Value, Height()); }
  int Height() override;
  void SetHeight(int Value) override { SetSize(Width(), Value); }
  void SetSize(int AWidth, int AHeight);

  // The canvas that draws on the bitmap (a memory DC made when first needed).
  TCanvas* Canvas();
  // The bitmap handle; the canvas lets go of it first unless it is locked.
  HBITMAP Handle();
  // Takes the handle over (deleted with the bitmap).
  void SetHandle(HBITMAP Value);
  bool HandleAllocated() const { return FHandle != nullptr; }
  // Gives the handle to the caller; the bitmap becomes empty.
  HBITMAP ReleaseHandle();
  TBitmapHandleType HandleType();
  void SetHandleType(TBitmapHandleType Value);
  TPixelFormat PixelFormat();
  void SetPixelFormat(TPixelFormat Value);
  bool Monochrome();
  void SetMonochrome(bool Value);
  // Row Row (0 = top) of a DIB; a device bitmap becomes a DIB first.
  // Raises EInvalidGraphic "Scan line index out of range" outside 0..Height-1.
  void* ScanLine(int Row);
  // tmAuto: the bottom-left pixel (flagged 0x02000000); tmFixed: the colour set.
  TColor TransparentColor();
  void SetTransparentColor(TColor Value);
  TTransparentMode TransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(TTransparentMode Value);
  // Keeps the image as data and releases the GDI handle until next needed.
  void Dormant();
  // The colours of a bitmap of 8 bits per pixel or fewer as a palette (kept
  // by the bitmap); null for other bitmaps.
  HPALETTE Palette();

  void LoadFromStream(TStream* Stream) override;
  void SaveToStream(TStream* Stream) override;
  // Streamed form: a 32-bit little-endian length, then the bitmap file.
  void ReadData(TStream* Stream) override;
  void WriteData(TStream* Stream) override;
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;
  // CF_BITMAP, both ways.
  void LoadFromClipboardFormat(std::uint16_t AFormat, HANDLE AData, HPALETTE APalette) override;
  void SaveToClipboardFormat(std::uint16_t& AFormat, HANDLE& AData, HPALETTE& APalette) override;

  // The bitmap as a bitmap file, and back (raises EInvalidGraphic).
  std::vector<std::uint8_t> SaveToBytes();
  void LoadFromBytes(const std::uint8_t* Data, std::size_t Size);

 protected:
  void Changed(TObject* Sender) override;

 private:
  friend class TBitmapCanvas;
  void HandleNeeded();
  void Changing(TObject* Sender);
  void FreeContext();
  struct TImage {
    HBITMAP Handle = nullptr;
    void* Bits = nullptr;
  };
  TImage MakeCopy(int width, int height, TPixelFormat format, bool monochrome);
  void NewImage(TImage image, TPixelFormat format, bool monochrome);
  template <class F>
  void WithImageDC(F use);

  HBITMAP FHandle = nullptr;
  void* FBits = nullptr;  // DIB section bits
  bool FTopDown = false;  // a DIB taken over with its top row first
  int FWidth = 0;
  int FHeight = 0;
  TPixelFormat FPixelFormat = pfDevice;
  bool FMonochrome = false;
  std::vector<std::uint8_t> FDormant;  // the image while it has no handle
  TBitmapCanvas* FCanvas = nullptr;
  HPALETTE FPalette = nullptr;
  TColor FTransparentColor = clDefault;
  TTransparentMode FTransparentMode = tmAuto;
};

// An icon read from an icon file; it keeps the file's data for saving.
class TIcon : public TGraphic {
  VAMIRE_CLASS(TIcon, TGraphic)
 public:
  TIcon();
  ~TIcon() override;
  void Assign(TPersistent* Source) override;

  bool Empty() override { return FHandle == nullptr && FData.empty(); }
  int Width() override { return FWidth; }
  // Only before an icon is loaded: the size to pick from the file.
  void SetWidth(int Value) override;
  int Height() override { return FHeight; }
  void SetHeight(int Value) override;
  bool Transparent() override { return true; }

  HICON Handle();
  // Takes the handle over (destroyed with the icon).
  void SetHandle(HICON Value);
  HICON ReleaseHandle();

  void LoadFromStream(TStream* Stream) override;
  void SaveToStream(TStream* Stream) override;
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;
  void LoadFromBytes(const std::uint8_t* Data, std::size_t Size);

 private:
  void FreeIcon();
  HICON FHandle = nullptr;
  std::vector<std::uint8_t> FData;
  int FWidth = 0;
  int FHeight = 0;
};

// Holds one graphic of any registered class and picks the class for a file
// by its extension.
class TPicture : public TPersistent {
  VAMIRE_CLASS(TPicture, TPersistent)
 public:
  TPicture();
  ~TPicture() override;
  void Assign(TPersistent* Source) override;

  TGraphic* Graphic() const { return FGraphic; }
  // Holds a copy of Value (null empties the picture).
  void SetGraphic(TGraphic* Value);
  // The graphic as a bitmap; a picture holding another class is emptied and
  // given a new bitmap.
  TBitmap* Bitmap();
  void SetBitmap(TBitmap* Value) { SetGraphic(Value); }
  TIcon* Icon();
  void SetIcon(TIcon* Value) { SetGraphic(Value); }
  int Width() const { return FGraphic ? FGraphic->Width() : 0; }
  int Height() const { return FGraphic ? FGraphic->Height() : 0; }

  // The class registered for the file's extension reads it; an unknown
  // extension raises EInvalidGraphic "Unknown picture file extension (.%s)".
  // On any error the picture keeps what it held.
  void LoadFromFile(const String& FileName);
  void SaveToFile(const String& FileName);

  // Streamed form: the class name as a length byte and characters, then the
  // graphic's own streamed data; an empty picture is a zero byte.
  void ReadData(TStream* Stream);
  void WriteData(TStream* Stream);

  static void RegisterFileFormat(const String& AExtension, const String& ADescription, TGraphicClass AGraphicClass);
  static void UnregisterGraphicClass(TGraphicClass AClass);

  TNotifyEvent OnChange;

 protected:
  void AssignTo(TPersistent* Dest) override;
  virtual void Changed(TObject* Sender);
  // "Data" in form files (an image's "Picture.Data"): ReadData/WriteData.
  void DefineProperties(TFiler* Filer) override;

 private:
  void ForceType(TGraphicClass cls);
  void Adopt(TGraphic* graphic);
  TGraphic* FGraphic = nullptr;
};

// The registered formats, most recently registered first.
struct TFileFormat {
  String Extension;  // without the dot, as registered
  String Description;
  TGraphicClass GraphicClass;
};
std::vector<TFileFormat> GraphicFileFormats();
// The class registered for an extension (with or without the dot, any case), or null.
TGraphicClass GraphicClassForExtension(const String& Extension);
// "All (*.a;*.b)|*.a;*.b|Desc (*.a)|*.a|..." for the formats of GraphicClass
// and its descendants, for open-picture dialogs.
String GraphicFilter(TGraphicClass GraphicClass);
// The first extension registered for the class, without the dot.
String GraphicExtension(TGraphicClass GraphicClass);
// "*.a;*.b" for the class and its descendants.
String GraphicFileMask(TGraphicClass GraphicClass);
