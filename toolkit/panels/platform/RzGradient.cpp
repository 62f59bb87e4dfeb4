#include "RzGradient.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "Forms.h"

namespace rz_gradient {

namespace {

// One colour moving towards another in 16.16 fixed point per component.
struct TAccumulator {
  std::int32_t Value[3];
  std::int32_t Step[3];

  TAccumulator(TColor From, TColor To, int Steps) {
    Steps = std::max(Steps, 1);
    for (int i = 0; i < 3; ++i) {
      const std::int32_t from = (From >> (8 * i) & 0xFF) * 65536, to = (To >> (8 * i) & 0xFF) * 65536;
      Value[i] = from;
      Step[i] = (to - from) / Steps;
    }
  }
  void Advance() {
    for (int i = 0; i < 3; ++i) Value[i] += Step[i];
  }
  // The high words; a step past the end colour clamps instead of spilling
  // into the next component.
  TColor Color() const {
    TColor c = 0;
    for (int i = 0; i < 3; ++i) c |= TColor(std::clamp(Value[i] >> 16, 0, 255)) << (8 * i);
    return c;
  }
};

void FillBand(HDC DC, int Left, int Top, int Right, int Bottom, TColor Color) {
  SetDCBrushColor(DC, COLORREF(Color));
  const RECT r{Left, Top, Right, Bottom};
  FillRect(DC, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void FillQuad(HDC DC, POINT A, POINT B, POINT C, POINT D, TColor Color) {
  const POINT points[] = {A, B, C, D};
  SetDCBrushColor(DC, COLORREF(Color));
  HGDIOBJ oldBrush = SelectObject(DC, GetStockObject(DC_BRUSH));
  HGDIOBJ oldPen = SelectObject(DC, GetStockObject(NULL_PEN));
  Polygon(DC, points, 4);
  SelectObject(DC, oldPen);
  SelectObject(DC, oldBrush);
}

// One pass of linear bands: p walks down from Start to Limit, the colours
// from From towards To.
void LinearPass(HDC DC, bool AlongX, int Start, int Limit, TColor From, TColor To, int Merged) {
  TAccumulator acc(From, To, Start - Limit + 1);
  int p = Start;
  while (p >= Limit) {
    const TColor band = acc.Color();
    const int first = p;
    int count = Merged;
    do {
      acc.Advance();
      --p;
      --count;
    } while ((acc.Color() == band || count >= 0) && p >= Limit);
    if (AlongX)
      FillBand(DC, p, 0, first, 8, band);
    else
      FillBand(DC, 0, p, 8, first, band);
  }
}

}  // namespace

int MergedSteps(std::uint8_t ColorCount, bool BoxFill) {
  int q = ColorCount;
  if (ColorCount > 8) q = (BoxFill ? 256 : 255) / ColorCount + 1;
  return std::max(q - 1, 0);
}

void FillLinearBands(HDC DC, int AX, int AY, int Length, TColor StartColor, TColor StopColor,
                     std::uint8_t ColorCount) {
  const bool alongX = AX != 0;
  const int coordinate = alongX ? AX : AY;
  const int merged = MergedSteps(ColorCount, false);
  LinearPass(DC, alongX, coordinate < 0 ? Length : coordinate + 1, 1, StopColor, StartColor, merged);
  if (coordinate > 0) LinearPass(DC, alongX, Length, coordinate + 2, StartColor, StopColor, merged);
}

void FillBoxBands(HDC DC, int W, int H, int XInset, int YInset, TColor StartColor, TColor StopColor,
                  std::uint8_t ColorCount) {
  if (StartColor == StopColor || W <= 4 || H <= 4) {
    FillBand(DC, 0, 0, W + 1, H + 1, StartColor);
    return;
  }
  const int hx = (W - 1) / 2, hy = (H - 1) / 2;
  const int hxi = hx - XInset, hyi = hy - YInset;
  const int steps = std::max(hxi, hyi) + 1;
  const int merged = MergedSteps(ColorCount, true);
  TAccumulator acc(StopColor, StartColor, steps);
  std::int32_t x = hxi * 65536, y = hyi * 65536;
  const std::int32_t dx = x / steps, dy = y / steps;
  int px = hx + 1, py = hy + 1;
  // Both positions run out within one step past the last; the bound only
  // guards sizes whose steps round to nothing.
  for (int advanced = 0;;) {
    const TColor band = acc.Color();
    int count = merged;
    bool done = false;
    do {
      acc.Advance();
      x -= dx;
      y -= dy;
      --count;
      done = (x < 0 && y < 0) || ++advanced > steps + 1;
    } while (!done && (acc.Color() == band || count >= 0));
    if (done) return;
    const int nx = x >> 16, ny = y >> 16;
    if (ny != py) FillBand(DC, nx, ny, hx + 1, py, band);
    if (nx != px) FillBand(DC, nx, py, px, hy + 1, band);
    px = nx;
    py = ny;
  }
}

void FillDiagonalBands(HDC DC, int W, int H, TColor StartColor, TColor StopColor, std::uint8_t ColorCount) {
  const int w = std::abs(W);
  const bool rising = W > 0;
  const int n = int(std::trunc(std::sqrt(double(W) * W + double(H) * H))) + 1;
  const int m = std::max(n / 2, 1);
  const int merged = MergedSteps(ColorCount, false);
  TAccumulator acc(rising ? StartColor : StopColor, rising ? StopColor : StartColor, n);
  const int x0 = rising ? 0 : w, x1 = rising ? w : 0;
  const std::int32_t xStart = rising ? 0 : w * 65536, yStart = H * 65536;
  const std::int32_t dx = (rising ? 1 : -1) * (w * 65536 / m), dy = H * 65536 / m;

  for (int pass = 1; pass <= 2; ++pass) {
    std::int32_t x = xStart, y = yStart;
    int xPrev = x0, yPrev = H;
    for (;;) {
      const TColor band = acc.Color();
      int count = merged;
      do {
        acc.Advance();
        x += dx;
        y -= dy;
        --count;
      } while ((acc.Color() == band || count >= 0) && (y >> 16) >= 0);
      if ((y >> 16) < 0) {
        // What is left up to the far corner takes the last band's colour.
        if (pass == 1) {
          if (xPrev != x1 || yPrev != 0) FillQuad(DC, {x0, 0}, {x0, yPrev}, {xPrev, H}, {x1, H}, band);
        } else if (xPrev != x1 && yPrev != 0) {
          FillQuad(DC, {xPrev, 0}, {x1, 0}, {x1, yPrev}, {x1, yPrev}, band);
        }
        break;
      }
      const int nx = x >> 16, ny = y >> 16;
      if (ny < yPrev || nx != xPrev) {
        if (pass == 1)
          FillQuad(DC, {x0, ny}, {x0, yPrev}, {xPrev, H}, {nx, H}, band);
        else
          FillQuad(DC, {nx, 0}, {xPrev, 0}, {x1, yPrev}, {x1, ny}, band);
        xPrev = nx;
        yPrev = ny;
      }
    }
  }
}

void ReplicateByDoubling(HDC DC, int X, int Y, int TotalWidth, int TotalHeight, int FilledWidth, int FilledHeight,
                         DWORD RasterOp) {
  int fw = std::min(FilledWidth, TotalWidth), fh = std::min(FilledHeight, TotalHeight);
  if (fw <= 0 || fh <= 0) return;
  bool growHeight = fh < TotalHeight;
  while (fw < TotalWidth || fh < TotalHeight) {
    if (growHeight && fh < TotalHeight) {
      const int h = std::min(fh, TotalHeight - fh);
      BitBlt(DC, X, Y + fh, fw, h, DC, X, Y, RasterOp);
      fh += h;
      growHeight = fw >= TotalWidth;
    } else {
      const int w = std::min(fw, TotalWidth - fw);
      BitBlt(DC, X + fw, Y, w, fh, DC, X, Y, RasterOp);
      fw += w;
      growHeight = fh < TotalHeight;
    }
  }
}

void MirrorQuadrant(HDC DC, int X, int Y, int W, int H, DWORD RasterOp) {
  // The quadrant holds columns 0..(W - 1) div 2 and rows 0..(H - 1) div 2;
  // its mirror images fill the W div 2 columns and H div 2 rows beyond it,
  // so odd sizes keep their centre line and no column or row is left out.
  const int quadrantWidth = (W - 1) / 2 + 1, rows = H / 2, columns = W / 2;
  // A negative extent mirrors: the destination runs back from its last row or column.
  if (rows > 0) StretchBlt(DC, X, Y + H - 1, quadrantWidth, -rows, DC, X, Y, quadrantWidth, rows, RasterOp);
  if (columns > 0) StretchBlt(DC, X + W - 1, Y, -columns, H, DC, X, Y, columns, H, RasterOp);
}

}  // namespace rz_gradient

using namespace rz_gradient;

void FillGradientArea(TCanvas* Canvas, const TRect& Rect, TGradientDirection Direction, TColor StartColor,
                      TColor StopColor, std::uint8_t ColorCount) {
  const TColor start = RzColorToRGB(StartColor), stop = RzColorToRGB(StopColor);
  const int W = std::abs(Rect.Right - Rect.Left), H = std::abs(Rect.Bottom - Rect.Top);
  if (W == 0 || H == 0) return;
  HDC target = Canvas->Handle();
  HDC dc = CreateCompatibleDC(target);
  HBITMAP bitmap = CreateCompatibleBitmap(target, W, H);
  if (!dc || !bitmap) {
    if (bitmap) DeleteObject(bitmap);
    if (dc) DeleteDC(dc);
    throw EOutOfResources(L"Cannot make the gradient's bitmap");
  }
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  switch (Direction) {
    case gdDiagonalUp:
    case gdDiagonalDown:
      if (start == stop)
        FillBand(dc, 0, 0, W, H, start);
      else
        FillDiagonalBands(dc, Direction == gdDiagonalUp ? W : -W, H, start, stop, ColorCount);
      break;
    case gdHorizontalEnd:
    case gdHorizontalCenter:
      FillLinearBands(dc, 0, Direction == gdHorizontalEnd ? -1 : H / 2, H, start, stop, ColorCount);
      ReplicateByDoubling(dc, 0, 0, W, H, 8, H, SRCCOPY);
      break;
    case gdVerticalEnd:
    case gdVerticalCenter:
      FillLinearBands(dc, Direction == gdVerticalEnd ? -1 : W / 2, 0, W, start, stop, ColorCount);
      ReplicateByDoubling(dc, 0, 0, W, H, W, 8, SRCCOPY);
      break;
    default: {
      // Every box direction starts from the start colour, so the edge pixels
      // the quadrant's last band stops short of show it too.
      FillBand(dc, 0, 0, W, H, start);
      const int xInset = Direction == gdHorizontalBox || Direction == gdBigSquareBox ? W / 4 : 0;
      const int yInset = Direction == gdVerticalBox || Direction == gdBigSquareBox ? H / 4 : 0;
      FillBoxBands(dc, W, H, xInset, yInset, start, stop, ColorCount);
      MirrorQuadrant(dc, 0, 0, W, H, SRCCOPY);
      break;
    }
  }
  BitBlt(target, Rect.Left, Rect.Top, W, H, dc, 0, 0, SRCCOPY);
  SelectObject(dc, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

// --- Parent background --------------------------------------------------------------------
namespace {
void SendGuarded(TWinControl* Parent, UINT Msg, WPARAM WParam, LPARAM LParam, bool Designing) {
  if (!Designing) {
    Parent->Perform(Msg, WParam, LParam);
    return;
  }
  try {
    Parent->Perform(Msg, WParam, LParam);
  } catch (const Exception&) {
    // At design time a parent that fails to draw leaves the background as it is.
  }
}
}  // namespace

void PaintParentBackground(TControl* Control, HDC DC, bool InvalidateParent) {
  TWinControl* parent = Control->Parent();
  if (!parent) return;
  const bool designing = Control->ComponentState().Contains(csDesigning);
  const int saved = SaveDC(DC);
  POINT origin;
  GetViewportOrgEx(DC, &origin);
  SetViewportOrgEx(DC, origin.x - Control->Left(), origin.y - Control->Top(), nullptr);
  IntersectClipRect(DC, 0, 0, parent->ClientWidth(), parent->ClientHeight());
  try {
    SendGuarded(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), 0, designing);
    SendGuarded(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(DC), PRF_CLIENT, designing);
  } catch (...) {
    RestoreDC(DC, saved);
    throw;
  }
  RestoreDC(DC, saved);
  if (InvalidateParent && !designing && !dynamic_cast<TCustomControl*>(parent) && !dynamic_cast<TCustomForm*>(parent))
    parent->Invalidate();
}
