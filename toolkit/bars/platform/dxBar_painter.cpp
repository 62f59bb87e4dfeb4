// The bar painter base: its metrics and the drawing operations every style
// shares. Nothing here keeps state between calls; what an operation selects or
// clips it puts back before it returns, also when drawing raises.
#include <windows.h>

#include <algorithm>

#include "dxBarControl_win.h"
#include "dxBar_win.h"

const TcxArrowDirection dxBarDropDownArrowDirections[3] = {adDown, adRight, adRight};
const int dxBarTearOffCaptionColors[2] = {COLOR_INACTIVECAPTION, COLOR_ACTIVECAPTION};
const UINT dxBarStaticBorderEdges[4] = {0, BDR_SUNKENOUTER, BDR_RAISEDINNER, EDGE_ETCHED};
const int dxBarStaticBorderWidths[5] = {0, 1, 1, 2, 2};
const int dxBarSubMenuSeparatorColors[2] = {COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW};
const TcxArrowDirection dxBarStaticSubArrowDirections[2] = {adRight, adDown};

namespace {

TColor SysColor(int Index) { return TColor(GetSysColor(Index)); }

// The text colour the item's style assigns, clDefault when none.
TColor ItemControlStyleTextColor(const TdxBarItemControl* AItemControl) {
  TdxBarItem* item = AItemControl->Item();
  if (!item) return clDefault;
  const TcxViewParams params = item->GetStyleViewParams();
  return params.TextColor;
}

// Puts back a DC's clip region (or its absence) when it goes out of scope.
class TClipSaver {
 public:
  explicit TClipSaver(HDC DC) : FDC(DC), FRegion(CreateRectRgn(0, 0, 0, 0)) {
    FHadClip = GetClipRgn(DC, FRegion) == 1;
  }
  ~TClipSaver() {
    SelectClipRgn(FDC, FHadClip ? FRegion : nullptr);
    DeleteObject(FRegion);
  }
  TClipSaver(const TClipSaver&) = delete;
  TClipSaver& operator=(const TClipSaver&) = delete;

 private:
  HDC FDC;
  HRGN FRegion;
  bool FHadClip = false;
};

// A GDI object made for one drawing: selected into the DC, then the previous
// one selected back and the object deleted.
class TSelectedObject {
 public:
  TSelectedObject(HDC DC, HGDIOBJ Object) : FDC(DC), FObject(Object), FPrevious(SelectObject(DC, Object)) {}
  ~TSelectedObject() {
    SelectObject(FDC, FPrevious);
    DeleteObject(FObject);
  }
  TSelectedObject(const TSelectedObject&) = delete;
  TSelectedObject& operator=(const TSelectedObject&) = delete;

 private:
  HDC FDC;
  HGDIOBJ FObject;
  HGDIOBJ FPrevious;
};

void FillColor(HDC DC, const TRect& R, TColor Color) {
  HBRUSH brush = CreateSolidBrush(COLORREF(ColorToRGB(Color)));
  RECT r{R.Left, R.Top, R.Right, R.Bottom};
  FillRect(DC, &r, brush);
  DeleteObject(brush);
}

// The text without its accelerator markers and the index of the marked
// character, -1 when none: "&&" is one literal ampersand and a lone "&" at
// the end marks nothing.
String StripAccelerator(const String& Text, int& Marked) {
  String out;
  Marked = -1;
  for (size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] != L'&') {
      out += Text[i];
      continue;
    }
    if (i + 1 >= Text.size()) break;
    if (Text[i + 1] == L'&') {
      out += L'&';
      ++i;
    } else if (Marked < 0) {
      Marked = int(out.size());
    }
  }
  return out;
}

int TextWidth(HDC DC, const wchar_t* Text, int Length) {
  SIZE size{};
  if (Length > 0) GetTextExtentPoint32W(DC, Text, Length, &size);
  return size.cx;
}

}  // namespace

// --- Metrics -------------------------------------------------------------------------------

TSize TdxBarPainter::ButtonSize(int GlyphSize) const {
  return TSize{ButtonWidthForGlyph(GlyphSize), ButtonHeightForGlyph(GlyphSize)};
}
int TdxBarPainter::FloatingFrameWidth() const { return GetSystemMetrics(SM_CXFRAME); }
int TdxBarPainter::FloatingFrameHeight() const { return GetSystemMetrics(SM_CYFRAME); }

int TdxBarPainter::SmallCaptionHeight() const {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
    return GetSystemMetrics(SM_CYSMCAPTION) - 1;
  return metrics.iSmCaptionHeight;
}

int TdxBarPainter::FloatingCaptionHeight() const { return SmallCaptionHeight() + 1; }

// --- Text colours --------------------------------------------------------------------------

TColor TdxBarPainter::ItemTextColor(bool Selected, bool Flat) const {
  return SysColor(Selected && !Flat ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
}

void TdxBarPainter::ItemTextColors(bool Enabled, bool Selected, bool Flat, TColor& First, TColor& Second,
                                   const TdxBarItemControl* AItemControl) const {
  if (Enabled) {
    const TColor own = AItemControl ? ItemControlStyleTextColor(AItemControl) : clDefault;
    First = Second = own != clDefault ? own : ItemDefaultTextColor(Selected, Flat);
  } else {
    ItemDisabledTextColors(Selected, Flat, First, Second);
  }
}

void TdxBarPainter::ItemDisabledTextColors(bool Selected, bool Flat, TColor& First, TColor& Second) const {
  if (Selected || Flat) {
    First = Second = SysColor(COLOR_GRAYTEXT);
  } else {
    First = SysColor(COLOR_BTNSHADOW);
    Second = SysColor(COLOR_BTNHIGHLIGHT);
  }
}

// --- Shared drawing ------------------------------------------------------------------------

TRect TdxBarPainter::MenuCheckMarkRect(const TRect& GlyphRect, int FontPoints) {
  const int scale = FontPoints >= 16 ? 2 : 1;
  const int w = 9 * scale, h = 7 * scale;
  const int x = (GlyphRect.Left + GlyphRect.Right - w) / 2, y = (GlyphRect.Top + GlyphRect.Bottom - h) / 2;
  return TRect{x, y, x + w, y + h};
}

void TdxBarPainter::DrawMenuCheckMark(HDC DC, const TRect& GlyphRect, int FontPoints, TColor Color,
                                      bool Enabled) const {
  const TRect r = MenuCheckMarkRect(GlyphRect, FontPoints);
  DrawCheckMarkGlyph(DC, r.TopLeft(), FontPoints >= 16 ? 2 : 1, Color, Enabled);
}

void TdxBarPainter::DrawArrowTriangle(HDC DC, const TRect& R, TcxArrowDirection Direction, TColor Color) const {
  // The largest triangle of the direction that fits, its odd-sized base kept
  // symmetric: the apex sits on the base's middle pixel.
  const int w = R.Right - R.Left, h = R.Bottom - R.Top;
  const bool vertical = Direction == adUp || Direction == adDown;
  int base = vertical ? std::min(w, 2 * h - 1) : std::min(h, 2 * w - 1);
  if (base <= 0) return;
  if (base % 2 == 0) --base;
  const int depth = (base + 1) / 2;
  const int cx = R.Left + (w - (vertical ? base : depth)) / 2, cy = R.Top + (h - (vertical ? depth : base)) / 2;
  // The polygon as a region of whole rows (or columns), each one pixel
  // shorter at both ends than the one before: a polygon region rounds its
  // slanted edges unevenly and would leave odd sizes lopsided.
  HRGN polygon = CreateRectRgn(0, 0, 0, 0);
  for (int i = 0; i < depth; ++i) {
    const int from = i, to = base - i;  // along the base
    const int at = Direction == adUp || Direction == adLeft ? depth - 1 - i : i;  // away from the base
    HRGN line = vertical ? CreateRectRgn(cx + from, cy + at, cx + to, cy + at + 1)
                         : CreateRectRgn(cx + at, cy + from, cx + at + 1, cy + to);
    CombineRgn(polygon, polygon, line, RGN_OR);
    DeleteObject(line);
  }
  TClipSaver saver(DC);
  POINT origin{};
  GetViewportOrgEx(DC, &origin);
  OffsetRgn(polygon, origin.x, origin.y);
  ExtSelectClipRgn(DC, polygon, RGN_AND);
  DeleteObject(polygon);
  FillColor(DC, TRect{cx, cy, cx + (vertical ? base : depth), cy + (vertical ? depth : base)}, Color);
}

void TdxBarPainter::DrawCaptionDownArrow(HDC DC, const TRect& R, TColor Color) const {
  const int x = (R.Left + R.Right - 7) / 2, y = (R.Top + R.Bottom - 4) / 2;
  // Rows 7, 5, 3 and 1 pixels wide: the filled triangle without a polygon's rounding.
  for (int row = 0; row < 4; ++row) FillColor(DC, TRect{x + row, y + row, x + 7 - row, y + row + 1}, Color);
}

void TdxBarPainter::DrawMarkChevrons(HDC DC, bool Horizontal, bool Small, int Offset, int ClientWidth) const {
  TSelectedObject pen(DC, CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNTEXT)));
  // Two parallel one-pixel polylines make the chevron two pixels thick.
  for (int k = 0; k < 2; ++k) {
    POINT p[3];
    if (Horizontal) {
      const int x = Offset + k, y = Small ? 3 : 4;
      p[0] = {x, y}; p[1] = {x + 2, y + 2}; p[2] = {x - 1, y + 5};
    } else {
      const int y = Offset + k, left = ClientWidth - 8;
      p[0] = {left, y}; p[1] = {left + 2, y + 2}; p[2] = {left + 5, y - 1};
    }
    Polyline(DC, p, 3);
  }
}

void TdxBarPainter::DrawEllipsisGlyph(HDC DC, const TRect& R, bool Enabled, bool Pressed) const {
  const int size = (R.Right - R.Left) / 7;
  if (size <= 0) return;
  const int shift = Pressed && !HasFlatLook() ? 1 : 0;
  const int total = 5 * size;  // three dots two sizes apart
  int x = (R.Left + R.Right - total) / 2 + shift;
  const int y = R.Bottom - EllipsisDotOffset(size) - size + shift;
  for (int dot = 0; dot < 3; ++dot, x += 2 * size) {
    const TRect r{x, y, x + size, y + size};
    FillColor(DC, r, SysColor(Enabled ? COLOR_BTNTEXT : COLOR_BTNSHADOW));
  }
}

void TdxBarPainter::DrawItemText(HDC DC, UINT Format, bool Flat, bool Clip, bool Vertical, bool Selected,
                                 bool Enabled, int Alignment, const TRect& R, const String& Text,
                                 const TdxBarItemControl* AItemControl) const {
  TColor first{}, second{};
  ItemTextColors(Enabled, Selected, Flat && HasFlatLook(), first, second, AItemControl);
  TClipSaver saver(DC);
  const int oldMode = SetBkMode(DC, TRANSPARENT);
  const COLORREF oldColor = GetTextColor(DC);
  struct TRestore {
    HDC DC;
    int Mode;
    COLORREF Color;
    ~TRestore() {
      SetBkMode(DC, Mode);
      SetTextColor(DC, Color);
    }
  } restore{DC, oldMode, oldColor};

  UINT format = Format | DT_NOCLIP;
  TRect r = R;
  String text = Text;
  int marked = -1;
  int underlineX = 0, underlineTop = 0, underlineBottom = 0;
  if (Vertical) {
    if (Clip) IntersectClipRect(DC, R.Left, R.Top, R.Right, R.Bottom);
    text = StripAccelerator(Text, marked);
    SIZE extent{};
    GetTextExtentPoint32W(DC, text.c_str(), int(text.size()), &extent);
    const int width = R.Right - R.Left, height = R.Bottom - R.Top;
    const int down = Alignment == 1 ? (height - extent.cx) / 2 : Alignment == 2 ? height - extent.cx : 0;
    r = TRect{R.Left + (width + extent.cy) / 2, R.Top + down, R.Right + (width + extent.cy) / 2, R.Bottom + down};
    // The markers are gone already: a doubled one left a literal "&" that the
    // system must not take for a marker again.
    format |= DT_NOPREFIX;
    if (marked >= 0) {
      TEXTMETRICW tm{};
      GetTextMetricsW(DC, &tm);
      underlineX = (R.Left + R.Right - extent.cy) / 2 + tm.tmDescent - 2;
      underlineTop = r.Top + TextWidth(DC, text.c_str(), marked);
      underlineBottom = underlineTop + TextWidth(DC, text.c_str() + marked, 1);
    }
  } else {
    if (Clip) format &= ~UINT(DT_NOCLIP);
    format |= DT_VCENTER | (Alignment == 1 ? DT_CENTER : Alignment == 2 ? DT_RIGHT : DT_LEFT);
  }

  auto draw = [&](int Offset, TColor Color) {
    SetTextColor(DC, COLORREF(ColorToRGB(Color)));
    RECT rect{r.Left + Offset, r.Top + Offset, r.Right + Offset, r.Bottom + Offset};
    DrawTextW(DC, text.c_str(), int(text.size()), &rect, format);
    if (marked >= 0 && underlineBottom > underlineTop) {
      TSelectedObject pen(DC, CreatePen(PS_SOLID, 1, COLORREF(ColorToRGB(Color))));
      MoveToEx(DC, underlineX + Offset, underlineTop + Offset, nullptr);
      LineTo(DC, underlineX + Offset, underlineBottom + Offset);
    }
  };
  if (first != second) draw(1, second);
  draw(0, first);
}
