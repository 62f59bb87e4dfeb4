#include "cxEditPaintUtils_win.h"

#include <algorithm>
#include <memory>

#include "cxEditPaintUtils.h"
#include "cxLookAndFeelPainters_native_win.h"
#include "cxLookAndFeels.h"
#include "dxOffice11_win.h"
#include "dxThemeManager.h"

namespace {

constexpr int kSystemBrushCount = 31;
HBRUSH GSystemBrushes[kSystemBrushCount] = {};
TcxSolidBrushCache* GBrushCache = nullptr;

bool IsSystemBrushColor(TColor AColor) { return AColor >= clScrollBar && AColor <= SystemColor(kSystemBrushCount - 1); }

}  // namespace

// --- Brush cache ----------------------------------------------------------------------------
TcxSolidBrushCache::TcxSolidBrushCache(int ACapacity) : FCapacity(ACapacity) {
  auto* notifier = new TcxSystemPaletteChangedNotifier();
  notifier->OnPaletteChanged = TNotifyEvent(this, &TcxSolidBrushCache::PaletteChanged);
  FNotifier = notifier;
}

TcxSolidBrushCache::~TcxSolidBrushCache() {
  delete FNotifier;
  Clear();
}

void TcxSolidBrushCache::PaletteChanged(TObject*) { Clear(); }

void TcxSolidBrushCache::Clear() {
  for (HBRUSH brush : FBrushes) DeleteObject(brush);
  FColors.clear();
  FBrushes.clear();
  FUseCounts.clear();
}

HBRUSH TcxSolidBrushCache::Brush(TColor AColor) {
  if (IsSystemBrushColor(AColor)) return EditSystemBrush(AColor);
  auto it = std::lower_bound(FColors.begin(), FColors.end(), AColor);
  size_t at = size_t(it - FColors.begin());
  if (it != FColors.end() && *it == AColor) {
    ++FUseCounts[at];
    return FBrushes[at];
  }
  if (int(FColors.size()) >= FCapacity && !FColors.empty()) {
    // The rarest goes: the first unused entry, else the first of the smallest count.
    size_t victim = 0;
    for (size_t i = 0; i < FUseCounts.size(); ++i) {
      if (FUseCounts[i] == 0) {
        victim = i;
        break;
      }
      if (FUseCounts[i] < FUseCounts[victim]) victim = i;
    }
    DeleteObject(FBrushes[victim]);
    FColors.erase(FColors.begin() + victim);
    FBrushes.erase(FBrushes.begin() + victim);
    FUseCounts.erase(FUseCounts.begin() + victim);
    if (at > victim) --at;
  }
  HBRUSH brush = CreateSolidBrush(COLORREF(ColorToRGB(AColor)));
  ++FCreated;
  FColors.insert(FColors.begin() + at, AColor);
  FBrushes.insert(FBrushes.begin() + at, brush);
  FUseCounts.insert(FUseCounts.begin() + at, 0u);
  return brush;
}

TcxSolidBrushCache* EditBrushCache() { return GBrushCache; }

HBRUSH EditSystemBrush(TColor AColor) {
  if (!IsSystemBrushColor(AColor)) return nullptr;
  const int index = int(AColor - clScrollBar);
  if (!GSystemBrushes[index]) GSystemBrushes[index] = GetSysColorBrush(index);
  return GSystemBrushes[index];
}

// --- Fills and lines ------------------------------------------------------------------------
void FillRectWithBrush(HDC DC, const TRect& R, HBRUSH ABrush) {
  const RECT r{R.Left, R.Top, R.Right, R.Bottom};
  ::FillRect(DC, &r, ABrush);
}

void FillRectWithCachedBrush(TcxCanvas* ACanvas, const TRect& R, TColor AColor) {
  if (AColor == clNone || R.Right <= R.Left || R.Bottom <= R.Top) return;
  HBRUSH brush = GBrushCache ? GBrushCache->Brush(AColor) : nullptr;
  if (brush)
    FillRectWithBrush(ACanvas->Handle(), R, brush);
  else
    ACanvas->FillRect(R, AColor);
}

void FillRectRing(TcxCanvas* ACanvas, const TRect& AOuter, const TRect& AInner, TColor AColor) {
  TRect bands[4];
  const int count = CalcBandsExcept(AOuter, AInner, bands);
  for (int i = 0; i < count; ++i) FillRectWithCachedBrush(ACanvas, bands[i], AColor);
}

void DrawEditBorderLines(TcxCanvas* ACanvas, TRect& R, unsigned ASides, TColor AColor) {
  TRect lines[4];
  const int count = CalcEditBorderLines(R, ASides, lines);
  for (int i = 0; i < count; ++i) FillRectWithCachedBrush(ACanvas, lines[i], AColor);
}

void DrawEditFrame(TcxCanvas* ACanvas, TRect& R, TColor AColor) { DrawEditFrame3D(ACanvas, R, AColor, AColor); }

void DrawEditFrame3D(TcxCanvas* ACanvas, TRect& R, TColor ATopLeftColor, TColor ABottomRightColor) {
  TRect r = R;
  DrawEditBorderLines(ACanvas, r, cxEditBorderLeft | cxEditBorderTop, ATopLeftColor);
  TRect rb = R;
  rb.Left = r.Left;
  rb.Top = r.Top;
  DrawEditBorderLines(ACanvas, rb, cxEditBorderRight | cxEditBorderBottom, ABottomRightColor);
  R = TRect{R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1};
}

void DrawEditArrows(TcxCanvas* ACanvas, int ASize, const TRect& R, TColor AColor, bool APressed, int ACount,
                    TcxArrowDirection ADirection) {
  const int heads = ACount + 1;
  const int length = ASize * heads;     // along the direction
  const int breadth = 2 * ASize - 1;    // across it
  const bool vertical = IsVerticalArrow(ADirection);
  const int w = vertical ? breadth : length, h = vertical ? length : breadth;
  int x = R.Left + (R.Right - R.Left - w) / 2, y = R.Top + (R.Bottom - R.Top - h) / 2;
  if (APressed) ++x, ++y;
  for (int head = 0; head < heads; ++head)
    for (int line = 0; line < ASize; ++line) {
      // Line 0 is the tip: one pixel, then two more per line.
      const int half = line;
      const int along = head * ASize + (ADirection == adUp || ADirection == adLeft ? line : ASize - 1 - line);
      TRect r = vertical ? TRect{x + ASize - 1 - half, y + along, x + ASize + half, y + along + 1}
                         : TRect{x + along, y + ASize - 1 - half, x + along + 1, y + ASize + half};
      FillRectWithCachedBrush(ACanvas, r, AColor);
    }
}

void DrawColorPolyline(TcxCanvas* ACanvas, const std::vector<TPoint>& APoints, bool AUseBrush, TColor AColor) {
  if (APoints.empty()) return;
  if (AUseBrush) {
    for (size_t i = 0; i + 1 < APoints.size(); ++i) {
      const TPoint a = APoints[i], b = APoints[i + 1];
      FillRectWithCachedBrush(ACanvas, TRect{std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X) + 1,
                                             std::max(a.Y, b.Y) + 1},
                              AColor);
    }
  } else {
    ACanvas->Pen()->SetColor(AColor);
    ACanvas->Polyline(APoints);
  }
  ACanvas->SetPixel(APoints.back().X, APoints.back().Y, AColor);
}

// --- Painters and colours -------------------------------------------------------------------
TcxCustomLookAndFeelPainterClass GetEditPainterClass(bool ANative, TcxLookAndFeelKind AKind) {
  if (ANative && CanUseThemes()) return TcxWinXPLookAndFeelPainter::Instance();
  return GetPainterOfKind(AKind);
}

TColor GetEditHighlightBorderColor(bool AOffice11) {
  return AOffice11 ? Office11SelectionBorderColor() : clHighlight;
}

TColor GetEditButtonHighlightColor(bool APressed, bool AOffice11) {
  return GetPainterOfKind(AOffice11 ? lfOffice11 : lfUltraFlat)->GetButtonFaceColor(APressed ? cxbsPressed : cxbsHot);
}

void SetCanvasFontFromLogFont(TcxCanvas* ACanvas, const LOGFONTW& ALogFont) {
  ACanvas->Font()->SetHandle(CreateFontIndirectW(&ALogFont));
}

bool GetCanvasLogFont(TcxCanvas* ACanvas, LOGFONTW& ALogFont) {
  return GetObjectW(ACanvas->Font()->Handle(), sizeof(ALogFont), &ALogFont) != 0;
}

// --- Unit -----------------------------------------------------------------------------------
void cxEditPaintUtils_Initialize() {
  for (int i = 0; i < kSystemBrushCount; ++i) GSystemBrushes[i] = GetSysColorBrush(i);
  if (!GBrushCache) GBrushCache = new TcxSolidBrushCache(128);
}

void cxEditPaintUtils_Finalize() {
  delete GBrushCache;
  GBrushCache = nullptr;
  for (HBRUSH& brush : GSystemBrushes) brush = nullptr;
}

const TUnitEntry cxEditPaintUtilsUnit{L"cxEditPaintUtils", &cxEditPaintUtils_Initialize, &cxEditPaintUtils_Finalize};

// --- Glyphs ---------------------------------------------------------------------------------
namespace {

// The glyph greyed through a one-image list masked by its transparent colour.
void DrawDisabledGlyph(TCanvas* ACanvas, int X, int Y, TBitmap* AGlyph) {
  TCustomImageList list(nullptr, AGlyph->Width(), AGlyph->Height());
  list.AddMasked(AGlyph, AGlyph->TransparentColor());
  list.Draw(ACanvas, X, Y, 0, false);
}

}  // namespace

void DrawEditGlyph(TcxCanvas* ACanvas, int X, int Y, TBitmap* ABackground, TColor ABackgroundColor, bool AEnabled,
                   TBitmap* AGlyph) {
  if (!AGlyph || AGlyph->Empty()) return;
  const TRect area{X, Y, X + AGlyph->Width(), Y + AGlyph->Height()};
  if (!AEnabled) {
    if (ABackground) {
      DrawDisabledGlyph(ABackground->Canvas(), 0, 0, AGlyph);
      ACanvas->Canvas()->Draw(X, Y, ABackground);
    } else if (ABackgroundColor != clNone) {
      TBitmap bitmap;
      bitmap.SetSize(AGlyph->Width(), AGlyph->Height());
      bitmap.Canvas()->Brush()->SetColor(ABackgroundColor);
      bitmap.Canvas()->FillRect(TRect{0, 0, AGlyph->Width(), AGlyph->Height()});
      DrawDisabledGlyph(bitmap.Canvas(), 0, 0, AGlyph);
      ACanvas->Canvas()->Draw(X, Y, &bitmap);
    } else {
      DrawDisabledGlyph(ACanvas->Canvas(), X, Y, AGlyph);
    }
    return;
  }
  // Drawn as a transparent bitmap for the call only; the caller's glyph keeps its own setting.
  const bool wasTransparent = AGlyph->Transparent();
  AGlyph->SetTransparent(true);
  try {
    if (ABackground) {
      ABackground->Canvas()->Draw(0, 0, AGlyph);
      ACanvas->Canvas()->Draw(X, Y, ABackground);
    } else {
      if (ABackgroundColor != clNone) FillRectWithCachedBrush(ACanvas, area, ABackgroundColor);
      ACanvas->Canvas()->Draw(X, Y, AGlyph);
    }
  } catch (...) {
    AGlyph->SetTransparent(wasTransparent);
    throw;
  }
  AGlyph->SetTransparent(wasTransparent);
}

void DrawImageListImage(TcxCanvas* ACanvas, TCustomImageList* AImages, int AIndex, TBitmap* ABackground,
                        bool AEnabled, TColor ABackgroundColor, const TRect& R) {
  if (!AImages || AIndex < 0 || AIndex >= AImages->Count()) return;
  std::unique_ptr<TBitmap> own;
  TBitmap* target = ABackground;
  if (!target) {
    own = std::make_unique<TBitmap>();
    own->SetSize(AImages->Width(), AImages->Height());
    own->Canvas()->Brush()->SetColor(ABackgroundColor);
    own->Canvas()->FillRect(TRect{0, 0, AImages->Width(), AImages->Height()});
    target = own.get();
  }
  AImages->Draw(target->Canvas(), 0, 0, AIndex, AEnabled);
  ACanvas->Canvas()->Draw(R.Left, R.Top, target);
}
