// The radio-button images: generated pixel by pixel from the shape of the
// system's own radio glyph, in every look, state, check and highlight.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "cxGraphics_win.h"
#include "cxLookAndFeelPainters_internal.h"

namespace {

constexpr int kCheckBoxesBitmap = 32759;  // OBM_CHECKBOXES

// What the system drew on a 32-bit bitmap, read as COLORREF values row by row from the top.
class TDrawnPixels {
 public:
  TDrawnPixels(int AWidth, int AHeight) : FBitmap(AWidth, AHeight), FWidth(AWidth), FHeight(AHeight) {}
  HDC DC() { return FBitmap.Canvas()->Handle(); }
  // Whiteness or blackness over the whole bitmap.
  void Fill(DWORD ARop) { PatBlt(DC(), 0, 0, FWidth, FHeight, ARop); }
  // Reads the pixels once the drawing is done.
  void Read() {
    GdiFlush();
    FPixels = FBitmap.GetPixels();
  }
  COLORREF At(int X, int Y) const {
    const TRGBQuad& q = FPixels[std::size_t((FHeight - 1 - Y) * FWidth + X)];
    return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
  }
  std::vector<bool> CellsOf(COLORREF AColor) const {
    std::vector<bool> cells(std::size_t(FWidth) * std::size_t(FHeight));
    for (int y = 0; y < FHeight; ++y)
      for (int x = 0; x < FWidth; ++x) cells[std::size_t(y * FWidth + x)] = At(x, y) == AColor;
    return cells;
  }

 private:
  TcxBitmap32 FBitmap;
  int FWidth, FHeight;
  TRGBColors FPixels;
};

TSize SystemCheckCellSize() {
  const TSize size = CheckGlyphSize();
  return size.cx > 0 && size.cy > 0 ? size : TSize{13, 13};
}

// The first and last index (exclusive) of the run of ACount flags that are set; -1, -1 for none.
std::pair<int, int> SetRun(const std::vector<bool>& AFlags) {
  const auto first = std::find(AFlags.begin(), AFlags.end(), true);
  if (first == AFlags.end()) return {-1, -1};
  const auto last = std::find(AFlags.rbegin(), AFlags.rend(), true);
  return {int(first - AFlags.begin()), int(AFlags.rend() - last)};
}

// A run of pixels of one colour through P along (DX, DY), starting AStart steps from P.
std::pair<int, int> ColorRun(const TDrawnPixels& S, int W, int H, TPoint P, int DX, int DY, COLORREF AColor) {
  auto inside = [&](int k) {
    const int x = P.X + k * DX, y = P.Y + k * DY;
    return x >= 0 && y >= 0 && x < W && y < H && S.At(x, y) == AColor;
  };
  int start = -2;
  if (!inside(start)) start = 0;
  if (!inside(start)) return {0, 0};
  int low = start, high = start;
  while (inside(low - 1)) --low;
  while (inside(high + 1)) ++high;
  return {low, high + 1};
}

}  // namespace

TcxRadioButtonImageList::TcxRadioButtonImageList() {
  // The system glyph's circle: the columns and rows its mask covers.
  const TSize cell = SystemCheckCellSize();
  TDrawnPixels surface(cell.cx, cell.cy);
  RECT r{0, 0, cell.cx, cell.cy};
  surface.Fill(BLACKNESS);
  DrawFrameControl(surface.DC(), &r, DFC_BUTTON, DFCS_BUTTONRADIOMASK | DFCS_FLAT);
  surface.Read();
  std::vector<bool> columns(std::size_t(cell.cx)), rows(std::size_t(cell.cy));
  for (int y = 0; y < cell.cy; ++y)
    for (int x = 0; x < cell.cx; ++x)
      if (surface.At(x, y) == RGB(0, 0, 0)) columns[std::size_t(x)] = rows[std::size_t(y)] = true;
  const int width = int(std::count(columns.begin(), columns.end(), true));
  const int height = int(std::count(rows.begin(), rows.end(), true));
  if (width > 0 && height > 0 && (width < cell.cx || height < cell.cy)) {
    const int left = SetRun(columns).first, top = SetRun(rows).first;
    FCircleBounds = TRect{left, top, left + width, top + height};
  } else {
    // A mask that covers nothing, or the whole cell, shows no circle: the cell is the glyph.
    FCircleBounds = TRect{0, 0, cell.cx, cell.cy};
  }
  const int W = FCircleBounds.Right - FCircleBounds.Left, H = FCircleBounds.Bottom - FCircleBounds.Top;

  // The check dot: the run of text-coloured pixels through the circle's centre.
  surface.Fill(BLACKNESS);
  DrawFrameControl(surface.DC(), &r, DFC_BUTTON, DFCS_BUTTONRADIOIMAGE | DFCS_CHECKED | DFCS_FLAT);
  surface.Read();
  const TPoint centre{FCircleBounds.Left + W / 2, FCircleBounds.Top + H / 2};
  const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
  const auto vertical = ColorRun(surface, cell.cx, cell.cy, centre, 0, 1, text);
  const auto horizontal = ColorRun(surface, cell.cx, cell.cy, centre, 1, 0, text);
  if (vertical.second > vertical.first && horizontal.second > horizontal.first) {
    FDotBounds = TRect{centre.X + horizontal.first, centre.Y + vertical.first, centre.X + horizontal.second,
                       centre.Y + vertical.second};
  } else {
    // No dot found: a third of the circle, centred.
    const int dw = std::max(2, W / 3), dh = std::max(2, H / 3);
    FDotBounds = TRect{centre.X - dw / 2, centre.Y - dh / 2, centre.X - dw / 2 + dw, centre.Y - dh / 2 + dh};
  }

  // The pattern: the outline and the dot drawn at the glyph's size.
  TDrawnPixels outline(W, H);
  outline.Fill(WHITENESS);
  {
    TGdiSelection pen(outline.DC(), GetStockObject(BLACK_PEN));
    TGdiSelection brush(outline.DC(), GetStockObject(WHITE_BRUSH));
    RoundRect(outline.DC(), 0, 0, W, H, W - 1, H - 1);
  }
  outline.Read();
  TDrawnPixels dot(W, H);
  dot.Fill(WHITENESS);
  {
    TGdiSelection pen(dot.DC(), GetStockObject(BLACK_PEN));
    TGdiSelection brush(dot.DC(), GetStockObject(BLACK_BRUSH));
    Ellipse(dot.DC(), FDotBounds.Left - FCircleBounds.Left, FDotBounds.Top - FCircleBounds.Top,
            FDotBounds.Right - FCircleBounds.Left, FDotBounds.Bottom - FCircleBounds.Top);
  }
  dot.Read();
  FPixelPattern = BuildRadioPattern(W, H, outline.CellsOf(RGB(0, 0, 0)), dot.CellsOf(RGB(0, 0, 0)));

  FCircleMask = std::make_unique<TBitmap>();
  FCircleMask->SetMonochrome(true);
  FCircleMask->SetSize(W, H);
  HDC maskDC = FCircleMask->Canvas()->Handle();
  PatBlt(maskDC, 0, 0, W, H, WHITENESS);
  {
    TGdiSelection pen(maskDC, GetStockObject(BLACK_PEN));
    TGdiSelection brush(maskDC, GetStockObject(BLACK_BRUSH));
    RoundRect(maskDC, 0, 0, W, H, W - 1, H - 1);
  }
  FImages = std::make_unique<TcxImageList>(nullptr, W, H);
}

TcxRadioButtonImageList::~TcxRadioButtonImageList() = default;

TSize TcxRadioButtonImageList::GetImageSize() const { return TSize{FPixelPattern.Width, FPixelPattern.Height}; }

void TcxRadioButtonImageList::Rebuild() {
  FImages->ClearImages();
  FIndexMap.clear();
  FComposed.clear();
}

TcxImageList* TcxRadioButtonImageList::Images() {
  if (FIndexMap.empty()) Prepare();
  return FImages.get();
}

int TcxRadioButtonImageList::ImageIndex(int AKey) {
  if (FIndexMap.empty()) Prepare();
  return AKey >= 0 && AKey < int(FIndexMap.size()) ? FIndexMap[std::size_t(AKey)] : -1;
}

void TcxRadioButtonImageList::Prepare() {
  const int W = FPixelPattern.Width, H = FPixelPattern.Height;
  const TcxRadioHighlightColors highlight{GetHotHighlightColor(), GetPressedHighlightColor()};
  FImages->BeginUpdate();
  FIndexMap.assign(cxRadioImageCount, -1);
  TcxBitmap32 image(W, H);
  TRGBColors pixels(std::size_t(W) * std::size_t(H));
  for (bool first : {false, true})
    for (bool second : {false, true})
      for (TcxLookAndFeelKind kind : {lfFlat, lfStandard, lfUltraFlat, lfOffice11})
        for (bool checked : {false, true})
          for (TcxButtonState state : {cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled}) {
            const TcxRadioColorMap map = RadioButtonColorMap(kind, state, checked, first, second, highlight);
            const TColor byCode[] = {clBlack,       map.OuterLight, map.OuterDark, map.InnerLight,
                                     map.InnerDark, map.Body,       map.Check};
            TRGBQuad quads[std::size(byCode)];
            for (std::size_t i = 0; i < std::size(byCode); ++i) {
              quads[i] = ColorToRGBQuad(byCode[i], 0);
            }
            // The bitmap's rows run from the bottom up; the pattern's from the top.
            for (int y = 0; y < H; ++y)
              for (int x = 0; x < W; ++x)
                pixels[std::size_t((H - 1 - y) * W + x)] = quads[FPixelPattern.At(y, x)];
            image.SetPixels(pixels);
            FIndexMap[std::size_t(RadioButtonImageKey(kind, state, checked, first, second))] =
                FImages->AddBitmap(&image, FCircleMask.get());
          }
  FImages->EndUpdate(false);
}

void TcxRadioButtonImageList::DrawImage(TcxCanvas* ACanvas, int X, int Y, TColor ABackColor, TcxLookAndFeelKind AKind,
                                        TcxButtonState AState, bool AChecked, bool AFirstFlag, bool ASecondFlag) {
  const int key = RadioButtonImageKey(AKind, AState, AChecked, AFirstFlag, ASecondFlag);
  const int index = ImageIndex(key);
  if (index < 0) return;
  if (ABackColor == clDefault) {
    ImageList_Draw(FImages->Handle(), index, ACanvas->Handle(), X, Y, ILD_NORMAL);
    return;
  }
  const TSize size = GetImageSize();
  // Keyed by the colour as shown: a system colour may change under the same name.
  const TColor back = ColorToRGB(ABackColor);
  auto found = std::find_if(FComposed.begin(), FComposed.end(),
                            [&](const TComposed& c) { return c.Key == key && c.BackColor == back; });
  if (found == FComposed.end()) {
    // Colours come from a handful of controls: a full cache starts over rather than grow.
    if (FComposed.size() >= 64) FComposed.clear();
    auto bitmap = std::make_unique<TcxBitmap>(size.cx, size.cy, pf32bit);
    bitmap->cxCanvas()->FillRect(bitmap->GetClientRect(), ABackColor);
    ImageList_Draw(FImages->Handle(), index, bitmap->Canvas()->Handle(), 0, 0, ILD_NORMAL);
    FComposed.push_back(TComposed{key, back, std::move(bitmap)});
    found = FComposed.end() - 1;
  }
  TcxBitmap& bitmap = *found->Bitmap;
  ACanvas->CopyRectangle(TRect{X, Y, X + size.cx, Y + size.cy}, bitmap.Canvas(), bitmap.GetClientRect());
}
