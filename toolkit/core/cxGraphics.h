// The arithmetic under the toolkit's canvas, regions and bitmaps: library text
// flags and their DrawText form, border sides, rotation of pixel arrays, the
// tiling and framing geometry, the per-pixel operations of alpha bitmaps and
// the packed form of streamed bitmap data. Needs no Win32; the canvas, region
// and bitmap classes that use it are in platform/cxGraphics_win.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "System.h"
#include "Types.h"
#include "GraphicsColors.h"
#include "dxCore.h"

class TStream;
class TReader;

// --- Text flags ---------------------------------------------------------------------------
// A set of library text flags, as painters pass them to the canvas.
using TcxTextFlags = int;
constexpr TcxTextFlags cxAlignLeft = 0x0001;
constexpr TcxTextFlags cxAlignRight = 0x0002;
constexpr TcxTextFlags cxAlignHCenter = 0x0004;
constexpr TcxTextFlags cxAlignTop = 0x0008;
constexpr TcxTextFlags cxAlignBottom = 0x0010;
constexpr TcxTextFlags cxAlignVCenter = 0x0020;
constexpr TcxTextFlags cxSingleLine = 0x0040;
constexpr TcxTextFlags cxDontClip = 0x0080;
constexpr TcxTextFlags cxExpandTabs = 0x0100;
constexpr TcxTextFlags cxShowPrefix = 0x0200;
constexpr TcxTextFlags cxWordBreak = 0x0400;
constexpr TcxTextFlags cxShowEndEllipsis = 0x0800;
constexpr TcxTextFlags cxCalcRect = 0x1000;
constexpr TcxTextFlags cxShowPathEllipsis = 0x2000;
// With word break: no edit-control breaking; with it, 0x8000 keeps full-width characters whole.
constexpr TcxTextFlags cxDontBreakChars = 0x4000;
constexpr TcxTextFlags cxNoFullWidthCharBreak = 0x8000;

// The DrawText format of library flags: DT_NOPREFIX unless prefixes are shown,
// plus one system flag per library flag.
unsigned TextFlagsToDrawTextFlags(TcxTextFlags AFlags);

// Moves each side of R inward by the margin of that side: left and top by
// M.Left and M.Top, right and bottom by M.Right and M.Bottom.
void DeflateRectByMargins(TRect& R, const TRect& M);

// --- Borders ------------------------------------------------------------------------------
enum TcxBorder { bLeft, bTop, bRight, bBottom };
using TcxBorders = TSet<TcxBorder, 4>;
constexpr TcxBorders cxBordersAll{bLeft, bTop, bRight, bBottom};

// The bands a frame of line width W fills on the chosen sides, in the order
// left, right, top, bottom, each kept inside R; none for an empty R.
struct TcxBorderBands {
  TRect Bands[4];
  int Count = 0;
  const TRect* begin() const { return Bands; }
  const TRect* end() const { return Bands + Count; }
};
TcxBorderBands FrameBorderBands(const TRect& R, int W, TcxBorders ABorders);

// --- Regions ------------------------------------------------------------------------------
// How a region is combined with another: set replaces, then union, difference, intersection.
enum TcxRegionCombineMode { roSet, roAdd, roSubtract, roIntersect };

// --- Rotation -----------------------------------------------------------------------------
// raMinus90 is a quarter turn counter-clockwise, raPlus90 one clockwise.
enum TcxBitmapRotation : std::uint8_t { raNone, raMinus90, raPlus90, ra180 };
// The rotation that turns a result back.
TcxBitmapRotation InverseRotation(TcxBitmapRotation ARotation);
// A top-down W x H pixel array turned (and, with AFlip, mirrored: upside down
// without rotation, left to right for a half turn); AWidth and AHeight become
// the result's size, swapped for the quarter turns.
TRGBColors RotatePixels(const TRGBColors& APixels, int& AWidth, int& AHeight, TcxBitmapRotation ARotation,
                        bool AFlip);

// --- Tiling -------------------------------------------------------------------------------
// One tile of a bitmap tiled on a grid anchored at logical 0, 0: the part of
// the filled rectangle it covers and where that part starts in the bitmap.
struct TcxBitmapTile {
  TRect Dest;
  TPoint Source;
};
// The tiles of a W x H bitmap that cover R, row by row within each column.
std::vector<TcxBitmapTile> BitmapTiles(const TRect& R, int W, int H);

// --- Pixels -------------------------------------------------------------------------------
// Blends the premultiplied source S at constant alpha K over D.
void BlendPixel(const TRGBQuad& S, TRGBQuad& D, std::uint8_t K);

// The per-pixel operations of alpha bitmaps.
enum TcxPixelOperation : std::uint8_t {
  poLight,              // lighter: opaque colours towards white, translucent ones fainter
  poDisabled,           // gray, then the button shadow colour blended over
  poGrayScale,          // the channel average
  poMakeOpaque,         // alpha 255 everywhere
  poMask,               // transparent pixels white, the rest black
  poFade,               // luminance gray
  poDisabledWithAlpha,  // gray of the other weighting
  poCorrectAlpha,       // visible pixels with alpha 0 get alpha 255
  poHatch,              // the two-colour checker
  poClearToBackground,  // every pixel the transparent background colour
  poClearAlpha          // alpha 0 everywhere
};

// What the operations read besides the pixels. Colours are packed blue,
// green, red, alpha from the lowest byte up.
struct TcxPixelOperationParams {
  std::uint32_t TransparentBkColor = 0;          // transparent when all 32 bits match
  std::vector<std::uint32_t> TransparentColors;  // transparent when the low 24 bits match
  TRGBQuad ShadowColor{};                         // poDisabled's blended colour (the button shadow)
  TRGBQuad HatchColor1{}, HatchColor2{};
  std::uint8_t HatchAlpha1 = 255, HatchAlpha2 = 255, HatchStep = 1;
};

std::uint32_t PackRGBQuad(const TRGBQuad& Q);
TRGBQuad UnpackRGBQuad(std::uint32_t V);
// Applies one operation to a W x H array whose rows run from the bottom up,
// column by column.
void ApplyPixelOperation(TRGBColors& APixels, int AWidth, int AHeight, TcxPixelOperation AOperation,
                         const TcxPixelOperationParams& AParams);

// --- Glyphs and translucency ------------------------------------------------------------
// How a glyph is drawn.
enum TcxGlyphDrawMode : std::uint8_t { gdmNormal, gdmDisabled, gdmFaded, gdmGrayScale, gdmLight, gdmShadowed };
// GDI+ interpolation for drawing at the same size, and for smooth stretching.
constexpr int cxInterpolationLowQuality = 1;
constexpr int cxInterpolationHighQualityBicubic = 7;
// The constant alphas of a disabled glyph that has its own alpha, and of a faded one.
constexpr std::uint8_t cxDisabledGlyphAlpha = 151;
constexpr std::uint8_t cxFadedGlyphAlpha = 64;

// Straight alpha to the premultiplied form the system's blending takes; the
// one place the toolkit converts.
void PremultiplyAlpha(TRGBColors& APixels);
// Two-pass Lanczos-3 resampling (across, then down) of a W x H array to the
// new size; empty when a size is 0.
TRGBColors ResamplePixels(const TRGBColors& ASource, int ASourceWidth, int ASourceHeight, int ADestWidth,
                          int ADestHeight);
// A glyph (rows from the top) with its outline in AColor offset by AOffset
// right and down, shown only where the glyph itself is transparent; AMask is
// 0 where the glyph is opaque. With AGrow the result is AOffset wider and
// higher, so the outline is not cut.
TRGBColors GlyphShadowPixels(const TRGBColors& AImage, const TRGBColors& AMask, int AWidth, int AHeight, int AOffset,
                             bool AGrow, TRGBQuad AColor);
// The height of a cursor from the bits of its one-bit mask (ADibHeight rows of
// AWidth pixels, bottom row first): the row, counted from the top, of the
// lowest drawn pixel of the AND half, or, when that half is blank and the
// mask holds an XOR half too, of that half. ADefault when nothing is drawn.
int CursorMaskHeight(const std::uint8_t* ABits, std::size_t ASize, int AWidth, int ADibHeight, int ADefault);

// --- Image-list data ----------------------------------------------------------------------
// One item of an image list's "ImageInfo": the runtime's bitmap records (a
// 32-bit length and a bitmap file) of its image and mask, empty when absent.
struct TcxImageInfoData {
  std::vector<std::uint8_t> Image;
  std::vector<std::uint8_t> Mask;
  TColor MaskColor = clNone;
};
// Reads the collection value of "ImageInfo" at the reader's position: packed
// bitmap data unpacked, every length checked. Raises EReadError on damaged or
// unknown data before anything is handed back.
std::vector<TcxImageInfoData> ReadImageInfoData(TReader* Reader);

// --- Packed bitmap data -------------------------------------------------------------------
// The streamed data of a bitmap may be kept packed: a 10-byte header (the
// length of what follows it, "XDBM", the version), then for version 2 the
// block size, the leftover count and the leftover bytes, then runs of blocks.
constexpr std::uint32_t cxPackedBitmapSignature = 0x4D424458;  // "XDBM"
constexpr std::uint16_t cxPackedBitmapVersion = 2;
constexpr int cxPackedBitmapMaxRun = 125;

// The packed form (header included) of Size bytes of the runtime's bitmap
// data, in blocks of max(bits per pixel div 8, 1) bytes.
std::vector<std::uint8_t> PackBitmapData(const std::uint8_t* Data, std::size_t Size, int BitsPerPixel);
// The bytes the runs of packed data (what follows the 10-byte header) stand
// for; version 1 has block size 1 and no leftover bytes, other versions give
// nothing. Runs that need more bytes than there are raise EReadError.
std::vector<std::uint8_t> UnpackBitmapData(std::uint16_t Version, const std::uint8_t* Data, std::size_t Size);
// Reads packed data at the stream's position into Unpacked. False, with the
// position put back, when the data there is not packed. A length beyond the
// stream's end raises EReadError before anything is allocated.
bool ReadPackedBitmapData(TStream* Stream, std::vector<std::uint8_t>& Unpacked);
// The runtime's bitmap record at the stream's position is a 32-bit length and
// that many bytes: raises EReadError when the length is negative or passes
// the stream's end, so the reader never allocates for data that is not there.
// The position is left as it was.
void CheckBitmapRecordLength(TStream* Stream);
