// The editors' shared drawing: fills through one cache of solid brushes (the
// system colours answer their own system brushes), frames and border lines,
// arrow heads, the painter an editor uses by kind and the colours of
// highlighted borders and buttons.
#pragma once

#include <windows.h>

#include <vector>

#include "ImgList.h"
#include "Units.h"
#include "cxEdit.h"
#include "cxGraphics_win.h"
#include "cxLookAndFeelPainters_win.h"

// Up to Capacity solid brushes kept sorted by colour; the rarest goes when a
// new colour comes to a full cache. A system palette change empties it.
class TcxSolidBrushCache : public TObject {
  VAMIRE_CLASS(TcxSolidBrushCache, TObject)
 public:
  explicit TcxSolidBrushCache(int ACapacity = 128);
  ~TcxSolidBrushCache() override;
  // Deletes every cached brush.
  virtual void Clear();
  // The brush of a colour: a system colour 0 to 30 answers its system brush,
  // never cached; a cached colour counts one more use.
  HBRUSH Brush(TColor AColor);

  int Count() const { return int(FColors.size()); }
  int Capacity() const { return FCapacity; }
  TColor Colors(int Index) const { return FColors[Index]; }
  unsigned UseCounts(int Index) const { return FUseCounts[Index]; }
  // Brushes made since the cache was created.
  int BrushesCreated() const { return FCreated; }

 private:
  void PaletteChanged(TObject* Sender);
  int FCapacity;
  std::vector<TColor> FColors;
  std::vector<HBRUSH> FBrushes;
  std::vector<unsigned> FUseCounts;
  int FCreated = 0;
  TObject* FNotifier = nullptr;
};

// The cache the editors share; made at the unit's start, null before and after.
TcxSolidBrushCache* EditBrushCache();
// The system brush of system colour 0 to 30, null otherwise.
HBRUSH EditSystemBrush(TColor AColor);

void FillRectWithCachedBrush(TcxCanvas* ACanvas, const TRect& R, TColor AColor);
void FillRectWithBrush(HDC DC, const TRect& R, HBRUSH ABrush);
// The ring between AOuter and AInner as four strips; all of AOuter when AInner is empty.
void FillRectRing(TcxCanvas* ACanvas, const TRect& AOuter, const TRect& AInner, TColor AColor);
// One-pixel lines on ASides (cxEditBorderLeft ...) of R; R shrinks on each side drawn.
void DrawEditBorderLines(TcxCanvas* ACanvas, TRect& R, unsigned ASides, TColor AColor);
void DrawEditFrame(TcxCanvas* ACanvas, TRect& R, TColor AColor);
void DrawEditFrame3D(TcxCanvas* ACanvas, TRect& R, TColor ATopLeftColor, TColor ABottomRightColor);
// ACount + 1 heads of ASize lines stacked in ADirection, centred in R (one
// pixel right and down when pressed).
void DrawEditArrows(TcxCanvas* ACanvas, int ASize, const TRect& R, TColor AColor, bool APressed, int ACount,
                    TcxArrowDirection ADirection);
// With the pen a polyline and then its last pixel; with the brush each segment as a one-pixel rectangle.
void DrawColorPolyline(TcxCanvas* ACanvas, const std::vector<TPoint>& APoints, bool AUseBrush, TColor AColor);

// A glyph at X, Y with its transparent colour left out: onto ABackground
// (then drawn at X, Y) when given, else over ABackgroundColor (clNone: over
// what is there). Disabled glyphs are drawn greyed through an image list.
void DrawEditGlyph(TcxCanvas* ACanvas, int X, int Y, TBitmap* ABackground, TColor ABackgroundColor, bool AEnabled,
                   TBitmap* AGlyph);
// Image AIndex of AImages, enabled or greyed, onto ABackground or a new bitmap
// filled with ABackgroundColor, which is then drawn at R's top-left corner.
void DrawImageListImage(TcxCanvas* ACanvas, TCustomImageList* AImages, int AIndex, TBitmap* ABackground,
                        bool AEnabled, TColor ABackgroundColor, const TRect& R);

// The native painter when asked and visual styles are on, else the painter of the kind.
TcxCustomLookAndFeelPainterClass GetEditPainterClass(bool ANative, TcxLookAndFeelKind AKind);
TColor GetEditHighlightBorderColor(bool AOffice11);
// The Office11 (or ultra-flat) painter's button colour when pressed (or hot).
TColor GetEditButtonHighlightColor(bool APressed, bool AOffice11);
void SetCanvasFontFromLogFont(TcxCanvas* ACanvas, const LOGFONTW& ALogFont);
bool GetCanvasLogFont(TcxCanvas* ACanvas, LOGFONTW& ALogFont);

void cxEditPaintUtils_Initialize();
void cxEditPaintUtils_Finalize();
extern const TUnitEntry cxEditPaintUtilsUnit;
