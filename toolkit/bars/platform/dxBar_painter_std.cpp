// The classic three-dimensional look and its enhanced variant: raised and
// sunken edges, embossed marks, grip bars and frame controls drawn by the
// system. What the system draws keeps the system's colours; what is filled
// here goes through the colour reader.
#include <windows.h>

#include "dxBarPaintUtils.h"
#include "dxBar_internal.h"

using namespace dxbar_paint;

namespace {

// Pressed (or down) against not pressed (or hot).
UINT RaisedOrSunken(bool Sunken) { return Sunken ? BDR_SUNKENOUTER : BDR_RAISEDINNER; }

void Polyline3(HDC DC, int X0, int Y0, int X1, int Y1, int X2, int Y2) {
  const POINT p[3] = {{X0, Y0}, {X1, Y1}, {X2, Y2}};
  Polyline(DC, p, 3);
}

void Line(HDC DC, int X0, int Y0, int X1, int Y1) {
  MoveToEx(DC, X0, Y0, nullptr);
  LineTo(DC, X1, Y1);
}

// A pen of one colour selected for a scope.
class TPenScope {
 public:
  TPenScope(HDC DC, TColor Color) : FDC(DC), FPen(CreatePen(PS_SOLID, 1, RGBOf(Color))) {
    FOld = SelectObject(DC, FPen);
  }
  void Change(TColor Color) {
    HPEN pen = CreatePen(PS_SOLID, 1, RGBOf(Color));
    SelectObject(FDC, pen);
    DeleteObject(FPen);
    FPen = pen;
  }
  ~TPenScope() {
    SelectObject(FDC, FOld);
    DeleteObject(FPen);
  }
  TPenScope(const TPenScope&) = delete;
  TPenScope& operator=(const TPenScope&) = delete;

 private:
  HDC FDC;
  HPEN FPen;
  HGDIOBJ FOld;
};

constexpr UINT kMDIButtonKinds[3] = {DFCS_CAPTIONMIN, DFCS_CAPTIONRESTORE, DFCS_CAPTIONCLOSE};

}  // namespace

// --- Standard ------------------------------------------------------------------------------

void TdxBarStandardPainter::DrawGlyphFrame(HDC DC, const TdxBarItemPaintInfo& Item, const TRect& R) const {
  if (!Item.Down && !(Item.Selected && (!Item.InMenu || Item.ShowsGlyph))) return;
  const bool sunken = Item.Down || Item.Pressed || (Item.DroppedDown && !Item.SplitButton);
  Edge(DC, R, RaisedOrSunken(sunken));
}

void TdxBarStandardPainter::DrawCheckMarkGlyph(HDC DC, const TPoint& P, int Scale, TColor, bool Enabled) const {
  const int x = P.X, s = Scale;
  const bool blackFace = ColorToRGB(clBtnFace) == 0;
  const TColor body = blackFace ? TColor(0xFFFFFF) : TColor(0x000000);
  const TColor other = blackFace ? TColor(0x000000) : TColor(0xFFFFFF);
  int y = P.Y + (Enabled ? 0 : 1);
  auto rows = [&](int Count, TPenScope& Pen, TColor Color) {
    Pen.Change(Color);
    // The last point is one step past the end: a polyline leaves its end pixel out.
    for (int i = 0; i < Count; ++i, ++y)
      Polyline3(DC, x + s, y + 2 * s, x + 3 * s, y + 4 * s, x + 8 * s + 1, y - s - 1);
  };
  TPenScope pen(DC, clBtnText);
  if (Enabled) {
    const int top = P.Y;
    rows(s, pen, TColor(0xC0C0C0));
    rows(2 * s, pen, body);
    rows(s, pen, other);
    pen.Change(body);
    Line(DC, x + s - 1, top + 2 * s + 1, x + s - 1, top + 6 * s - 1);
    Line(DC, x + 8 * s, top - s + 2, x + 8 * s, top + 3 * s);
  } else {
    rows(2 * s, pen, clBtnShadow);
    pen.Change(clBtnHighlight);
    for (int c = 0; c < s; ++c) {
      Line(DC, x + 3 * s + 1, P.Y + 7 * s - c - 1, x + 9 * s, P.Y + s - c);
      Line(DC, x + 4 * s, P.Y + 7 * s - c, x + 9 * s, P.Y + 2 * s - c);
    }
  }
}

void TdxBarStandardPainter::DrawMarkChevrons(HDC DC, bool Horizontal, bool, int Offset, int ClientWidth) const {
  // An embossed chevron: the light one, then the shadow one a pixel beside it.
  TPenScope pen(DC, Horizontal ? clBtnHighlight : clBtnShadow);
  for (int k = 0; k < 2; ++k) {
    if (k == 1) pen.Change(Horizontal ? clBtnShadow : clBtnHighlight);
    if (Horizontal) {
      const int x = Offset + k;
      Polyline3(DC, x, 1, x + 3, 4, x - 1, 8);
      Polyline3(DC, x + 1, 1, x + 4, 4, x, 8);
    } else {
      const int y = Offset + k, left = ClientWidth - 8;
      Polyline3(DC, left, y, left + 3, y + 3, left + 7, y - 1);
      Polyline3(DC, left, y + 1, left + 3, y + 4, left + 7, y);
    }
  }
}

void TdxBarStandardPainter::DrawMarkBackground(HDC DC, const TdxBarControlPaintInfo& Bar, int, HBRUSH Brush,
                                               const TRect& R) const {
  DrawBarBackground(DC, Bar, Brush, clBtnFace, Bar.Bounds, R);
}

void TdxBarStandardPainter::FillDisabledShadow(HDC DC, const TRect& R) const {
  FillColor(DC, TRect{R.Left + 1, R.Top + 1, R.Right + 1, R.Bottom + 1}, clBtnHighlight);
  FillColor(DC, R, clBtnShadow);
}

void TdxBarStandardPainter::DrawEditFrame(HDC DC, const TdxBarItemPaintInfo& Item, const TRect& R) const {
  if (Item.Selected)
    Edge(DC, R, RaisedOrSunken(Item.Pressed));
  else if (Item.BarBrush)
    FrameRect(DC, AsRect(R), Item.BarBrush);
  FillBrush(DC, Shrunk(R, 1), Item.BarBrush);
}

HBRUSH TdxBarStandardPainter::GlyphBackgroundBrush(const TdxBarItemPaintInfo& Item) const {
  if (Item.Enabled && Item.Down) {
    HBRUSH brush = Item.Selected ? Item.DownSelectedBrush : Item.DownBrush;
    return brush ? brush : CheckedButtonBrush();
  }
  if (Item.InMenu && Item.Selected && Item.ShowsGlyph && Item.SelectedBrush) return Item.SelectedBrush;
  return Item.Brush;
}

void TdxBarStandardPainter::DrawFloatingCloseButton(HDC DC, const TdxBarControlPaintInfo& Bar, bool Pressed,
                                                    const TRect& R) const {
  HBRUSH frame = CreateSolidBrush(RGBOf(Bar.CaptionColor));
  FrameRect(DC, AsRect(R), frame);
  DeleteObject(frame);
  RECT inner{R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1};
  DrawFrameControl(DC, &inner, DFC_CAPTION, DFCS_CAPTIONCLOSE | (Pressed ? DFCS_PUSHED : 0));
}

void TdxBarStandardPainter::DrawGripBar(HDC DC, bool Vertical, const TRect& R) const {
  Edge(DC, R, BDR_RAISEDINNER);
  FillColor(DC, Shrunk(R, 1), clBtnFace);
  if (Vertical)
    FillColor(DC, TRect{R.Right - 1, R.Top, R.Right, R.Top + 1}, clBtnHighlight);
  else
    FillColor(DC, TRect{R.Left, R.Bottom - 1, R.Left + 1, R.Bottom}, clBtnHighlight);
  ExcludeClipRect(DC, R.Left, R.Top, R.Right, R.Bottom);
}

void TdxBarStandardPainter::DrawDockedBarBorder(HDC DC, const TdxBarControlPaintInfo& Bar, const TRect& R) const {
  Edge(DC, R, BDR_RAISEDINNER);
  if (!Bar.ShowsGrip) return;
  const TRect in = Shrunk(R, 3);
  const int w = GripWidth(), at = GripOffset();
  for (int bar = 0; bar < 2; ++bar) {
    const int from = at + bar * w;
    DrawGripBar(DC, Bar.Vertical,
                Bar.Vertical ? TRect{in.Left, in.Top + from, in.Right, in.Top + from + w}
                             : TRect{in.Left + from, in.Top, in.Left + from + w, in.Bottom});
  }
}

void TdxBarStandardPainter::DrawFloatingBarBorder(HDC DC, const TRect& R) const {
  Edge(DC, R, EDGE_RAISED);
  HBRUSH face = CreateSolidBrush(RGBOf(clBtnFace));
  FrameRect(DC, AsRect(Shrunk(R, 2)), face);
  FrameRect(DC, AsRect(Shrunk(R, 3)), face);
  DeleteObject(face);
}

void TdxBarStandardPainter::DrawMDIButton(HDC DC, int Kind, int State, bool FlatClose, const TRect& R) const {
  UINT flags = kMDIButtonKinds[Kind < 0 || Kind > 2 ? 2 : Kind];
  if (State == 1) flags |= DFCS_INACTIVE;
  if (State == 4) flags |= DFCS_PUSHED;
  RECT r{R.Left, R.Top, R.Right, R.Bottom};
  if (!(FlatClose && Kind == 2)) {
    DrawFrameControl(DC, &r, DFC_CAPTION, flags);
    return;
  }
  {
    HRGN region = nullptr;
    bool exists = false;
    SaveDCClipRegion(DC, region, exists);
    TdxBarFinally restore([&] { RestoreDCClipRegion(DC, region, exists); });
    IntersectClipRect(DC, R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1);
    DrawFrameControl(DC, &r, DFC_CAPTION, flags | DFCS_FLAT);
  }
  Edge(DC, R, RaisedOrSunken(State == 4));
}

TRect TdxBarStandardPainter::MarkRect(const TdxBarControlPaintInfo& Bar, const TRect& Caption) const {
  if (Bar.DockingStyle != dsNone) return TdxBarPainter::MarkRect(Bar, Caption);
  const TRect& area = Bar.CaptionButtonsRect;
  return TRect{area.Left, area.Top, area.Left + 13, area.Bottom};
}

void TdxBarStandardPainter::DrawSplitArrowBackground(HDC DC, const TdxBarItemPaintInfo& Item, HBRUSH Brush,
                                                     TRect R) const {
  TdxBarPainter::DrawSplitArrowBackground(DC, Item, Brush, R);
  if (Item.Selected)
    Edge(DC, R, RaisedOrSunken(Item.DroppedDown));
  else if (Item.InMenu)
    Edge(DC, TRect{R.Left - 1, R.Top, R.Left + 1, R.Bottom}, EDGE_ETCHED, BF_LEFT | BF_RIGHT);
}

void TdxBarStandardPainter::DrawComboButtonFrame(HDC DC, const TdxBarItemPaintInfo& Item, TRect& R) const {
  HBRUSH frame = Item.BarBrush;
  HBRUSH edit = nullptr;
  if (Item.Selected && Item.Enabled) {
    Edge(DC, R, RaisedOrSunken(Item.DroppedDown));
  } else {
    if (Item.Enabled) frame = edit = CreateSolidBrush(RGBOf(EditBackgroundColor()));
    FillBrush(DC, TRect{R.Left, R.Top, R.Right, R.Top + 1}, frame);
    if (frame) FrameRect(DC, AsRect(R), frame);
  }
  FillBrush(DC, TRect{R.Left - 1, R.Top, R.Left, R.Bottom}, frame);
  if (edit) DeleteObject(edit);
  R = Shrunk(R, 1);
  FillBrush(DC, R, ComboButtonBrush(Item));
  if (Item.DroppedDown) R = TRect{R.Left + 1, R.Top + 1, R.Right + 1, R.Bottom + 1};
}

void TdxBarStandardPainter::DrawDropDownListBorder(HDC DC, const TRect& R, TColor) const { Edge(DC, R, EDGE_RAISED); }

TRect TdxBarStandardPainter::SubMenuClientMargins(const TdxBarControlPaintInfo& Bar) const {
  TRect r = TdxBarPainter::SubMenuClientMargins(Bar);
  if (Bar.TearOffHeight > 0) r.Top = 0;
  return r;
}

// --- Enhanced ------------------------------------------------------------------------------

void TdxBarEnhancedPainter::DrawMarkChevrons(HDC DC, bool Horizontal, bool Small, int Offset, int ClientWidth) const {
  TdxBarPainter::DrawMarkChevrons(DC, Horizontal, Small, Offset, ClientWidth);
}

void TdxBarEnhancedPainter::DrawMarkBackground(HDC DC, const TdxBarControlPaintInfo& Bar, int State, HBRUSH Brush,
                                               const TRect& R) const {
  if (State == 1 || State == 2)
    Edge(DC, R, RaisedOrSunken(State == 2));
  else if (Brush)
    FrameRect(DC, AsRect(R), Brush);
  DrawBarBackground(DC, Bar, Brush, clBtnFace, Bar.Bounds, Shrunk(R, 1));
}

void TdxBarEnhancedPainter::DrawDockedBarBorder(HDC DC, const TdxBarControlPaintInfo& Bar, const TRect& R) const {
  Edge(DC, R, BDR_RAISEDINNER);
  if (!Bar.ShowsGrip) return;
  const TRect in = Shrunk(R, 3);
  const int w = GripWidth(), at = GripOffset();
  DrawGripBar(DC, Bar.Vertical,
              Bar.Vertical ? TRect{in.Left + 1, in.Top + at, in.Right - 1, in.Top + at + w}
                           : TRect{in.Left + at, in.Top + 1, in.Left + at + w, in.Bottom - 1});
}

// --- Standard menus ------------------------------------------------------------------------

void TdxBarStandardPainter::DrawMenuGlyphArea(HDC DC, const TdxBarItemPaintInfo& Item) const {
  const TRect& r = Item.ItemRect;
  const int column = r.Left + Item.IconColumnWidth;
  const bool solid = Item.Selected || Item.NonRecent;
  const HBRUSH selected = Item.SelectedBrush ? Item.SelectedBrush : Item.Brush;
  const bool columnSelected = Item.Selected && !Item.ShowsGlyph && !Item.Down;
  FillItemBackground(DC, Item, columnSelected ? selected : Item.Brush, solid,
                     TRect{column, r.Top, column + 1, r.Bottom});
  FillItemBackground(DC, Item, Item.Selected ? selected : Item.Brush, solid,
                     TRect{column + 1, r.Top, r.Right, r.Bottom});
}

void TdxBarStandardPainter::SubMenuDrawItemFrame(HDC DC, const TdxBarControlPaintInfo& Bar,
                                                 const TdxBarItemPaintInfo& Item, bool Changes) const {
  const TRect& r = Item.ItemRect;
  const int outside = Bar.SideBandWidth > 0 ? 0 : 1;
  if (Changes) {
    const int top = (Item.BeginGroup ? SubMenuBeginGroupRect(r, true).Top : r.Top) - 1;
    FillColor(DC, TRect{r.Left - outside, top, r.Right, top + 1},
              SystemColor(dxBarSubMenuSeparatorColors[Item.NonRecent ? 1 : 0]));
  }
  if (!Item.NonRecent) return;
  const HBRUSH back = Bar.ToolbarBrush;
  if (outside) FillBrush(DC, TRect{r.Left - 1, r.Top, r.Left, r.Bottom}, back);
  FillBrush(DC, TRect{r.Right, r.Top, r.Right + 2, r.Bottom}, back);
  if (Item.FirstInBar && Bar.TearOffHeight <= 0) {
    FillBrush(DC, TRect{r.Left - outside, r.Top - 1, r.Right + 2, r.Top}, back);
    FillColor(DC, TRect{r.Right + 1, r.Top - 2, r.Right + 2, r.Top - 1}, clBtnHighlight);
  }
  if (Item.LastInBar) {
    const int bottom = Bar.ClientRect.Bottom;
    FillBrush(DC, TRect{r.Left - outside, r.Bottom, r.Right + 2, bottom}, back);
    if (outside) FillColor(DC, TRect{r.Left - 2, bottom - 1, r.Left - 1, bottom}, clBtnHighlight);
  }
}
