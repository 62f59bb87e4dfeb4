// What the bar painter base answers the bar controls and item controls: their
// brushes, shadows, heights and parts. Nothing here keeps state between calls.
#include <windows.h>

#include "dxBarControl_win.h"
#include "dxBarPaintUtils.h"
#include "dxBar_internal.h"
#include "dxBar_win.h"

HBRUSH TdxBarPainter::DownBrush() const { return CheckedButtonBrush(); }

bool TdxBarPainter::BarControlHasShadow(TCustomdxBarControl* ABarControl) const {
  return UsesFlatPopupLook() && ABarControl->DockControl() == nullptr;
}

bool TdxBarPainter::BarControlShadowReachesParent(TCustomdxBarControl* ABarControl) const {
  if (!BarControlHasShadow(ABarControl)) return false;
  TCustomdxBarControl* parent = ABarControl->ParentBar();
  return parent == nullptr || parent->DockControl() == nullptr;
}

HBRUSH TdxBarPainter::BarControlBrush(TCustomdxBarControl* ABarControl) const {
  HBRUSH own = ABarControl ? ABarControl->BackgroundBrush() : nullptr;
  return own ? own : ToolbarBrush();
}

int TdxBarPainter::EditHeight(HDC DC) const {
  SIZE size{};
  GetTextExtentPoint32W(DC, L"Wg", 2, &size);
  return size.cy + 6;
}

int TdxBarPainter::EditItemHeight(int TextHeight) const {
  const TRect margins = EditTextMargins(), offsets = CaptionOffsets();
  return TextHeight + margins.Top + margins.Bottom + offsets.Top + offsets.Bottom;
}

int TdxBarPainter::MenuItemHeight(TCustomdxBarControl* ABarControl) const {
  TdxBarItemLinks* links = ABarControl->ItemLinks();
  int height = links && links->GetMenuItemSize() == misLarge ? int(Round(40.0 * ABarControl->Ratio()))
                                                              : ABarControl->TextSize();
  AdjustMenuItemHeight(height);
  return height;
}

int TdxBarPainter::MenuIconAreaSize(TdxBarItemControl* AItemControl) const {
  return AItemControl->Parent() ? AItemControl->Parent()->IconAreaSize() : 0;
}

TRect TdxBarPainter::CalcItemTextRect(HDC DC, const String& Caption) const {
  RECT r{0, 0, 0, 0};
  DrawTextW(DC, Caption.c_str(), int(Caption.size()), &r, DT_SINGLELINE | DT_CALCRECT);
  return TRect{r.left, r.top, r.right, r.bottom};
}

void TdxBarPainter::CalcButtonParts(bool HasDropDownPart, int ArrowWidth, const TRect& R,
                                    std::vector<TRect>& Parts) const {
  Parts.assign(HasDropDownPart ? 2 : 1, R);
  if (!HasDropDownPart) return;
  const int split = R.Right - ArrowWidth;
  Parts[0].Right = split;
  Parts[1].Left = split;
}

void TdxBarPainter::DrawItemCaption(TdxBarItemControlDrawParams* AParams, HDC DC, UINT Format, const TRect& R,
                                    int Alignment) const {
  DrawItemText(DC, Format, AParams->ItemControl()->UsesFlatLook(), false, AParams->PaintKind == 2,
               AParams->DrawSelected, AParams->Enabled, Alignment, R, AParams->Caption, AParams->ItemControl());
}

// --- Colours and flags ---------------------------------------------------------------------

namespace {

// System colours go through the runtime's colour reader, so a replaced reader
// (a test's, or a look's) reaches every shape drawn here.
TColor ResolvedSysColor(int Index) { return TColor(ColorToRGB(SystemColor(Index))); }

void FillWith(HDC DC, const TRect& R, int ColorIndex) { dxbar_paint::FillColor(DC, R, SystemColor(ColorIndex)); }

bool ButtonFaceIsWhite() { return (ColorToRGB(clBtnFace) & 0xFFFFFF) == 0xFFFFFF; }

}  // namespace

TColor TdxBarPainter::ItemArrowColor(bool Enabled, bool Selected, bool Flat) const {
  if (!ItemArrowUsesTextColor()) return clDefault;
  TColor first{}, second{};
  ItemTextColors(Enabled, Selected, Flat, first, second);
  return first;
}

bool TdxBarPainter::UseFadedDisabledImages(TdxBarManager* AManager) const {
  return AManager && AManager->MakeDisabledImagesFaded();
}

bool TdxBarPainter::FlatStyleOnColouredFace() const { return HasFlatLook() && !ButtonFaceIsWhite(); }

int TdxBarPainter::SubItemArrowOffset(int FontHeight) const {
  // Minus half the height, rounded towards minus infinity: 13 gives -7.
  const int negated = -FontHeight;
  return negated >= 0 ? negated / 2 : -((-negated + 1) / 2);
}

int TdxBarPainter::ButtonGlyphSize(TdxBarManager* AManager) const {
  return AManager ? AManager->GetButtonGlyphSize() : 16;
}

int TdxBarPainter::LargeButtonGlyphSpace(TdxBarManager* AManager) const {
  const int space = ((AManager && AManager->LargeIcons()) ? 2 : 1) * ButtonGlyphSize(AManager);
  return space + space % 2;
}

TColor TdxBarPainter::CaptionColor(bool Active) const { return ResolvedSysColor(dxBarTearOffCaptionColors[Active]); }
TColor TdxBarPainter::CaptionTextColor() const { return ResolvedSysColor(COLOR_CAPTIONTEXT); }
TColor TdxBarPainter::MarkArrowColor() const { return ResolvedSysColor(COLOR_CAPTIONTEXT); }

// --- Shapes --------------------------------------------------------------------------------

void TdxBarPainter::DrawMark(HDC DC, const TRect& R, bool Horizontal, bool QuickCustomizing, bool HasHiddenLinks,
                             int ClientWidth) const {
  const bool small = BarIsSmall(R);
  if (QuickCustomizing) {
    // A three-row (or three-column) triangle: 5, 3 and 1 pixels.
    if (Horizontal) {
      const int x = R.Left + 3, y = R.Bottom - 7 + (small ? 1 : 0);
      for (int i = 0; i < 3; ++i) FillWith(DC, TRect{x + i, y + i, x + 5 - i, y + i + 1}, MarkElementColor());
    } else {
      const int x = R.Left + 5, y = R.Top + 3;
      for (int i = 0; i < 3; ++i) FillWith(DC, TRect{x - i, y + i, x - i + 1, y + 5 - i}, MarkElementColor());
    }
  }
  if (HasHiddenLinks)
    for (const int offset : {2, 6})
      DrawMarkChevrons(DC, Horizontal, small, (Horizontal ? R.Left : R.Top) + offset, ClientWidth);
}

void TdxBarPainter::DrawSpinArrow(HDC DC, const TRect& R, int ArrowSize, bool Up, bool Enabled) const {
  // Odd widths keep the apex on one middle pixel.
  const int width = ArrowSize - (ArrowSize + 1) % 2;
  if (width <= 0) return;
  const int rows = (width + 1) / 2;
  const int x = (R.Left + R.Right - width) / 2, y = (R.Top + R.Bottom - rows) / 2;
  auto draw = [&](int Offset, int ColorIndex) {
    for (int i = 0; i < rows; ++i) {
      const int row = Up ? rows - 1 - i : i;
      FillWith(DC, TRect{x + i + Offset, y + row + Offset, x + width - i + Offset, y + row + 1 + Offset}, ColorIndex);
    }
  };
  if (Enabled) {
    draw(0, COLOR_BTNTEXT);
  } else {
    draw(1, COLOR_BTNHIGHLIGHT);
    draw(0, COLOR_BTNSHADOW);
  }
}

void TdxBarPainter::DrawPushButtonCaption(HDC DC, const TRect& R, const String& Caption, bool Opaque,
                                          int Offset) const {
  if (Opaque) FillWith(DC, R, COLOR_BTNFACE);
  const COLORREF oldText = SetTextColor(DC, dxbar_paint::RGBOf(clBtnText));
  const int oldMode = SetBkMode(DC, TRANSPARENT);
  RECT r{R.Left + Offset, R.Top + Offset, R.Right + Offset, R.Bottom + Offset};
  DrawTextW(DC, Caption.c_str(), int(Caption.size()), &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  SetBkMode(DC, oldMode);
  SetTextColor(DC, oldText);
}

void TdxBarPainter::DrawExpandArrows(HDC DC, const TRect& R, int Size, bool Selected) const {
  if (Size <= 0) return;
  const int colour = ButtonFaceIsWhite() && HasFlatLook() && Selected ? COLOR_BTNFACE : COLOR_BTNTEXT;
  HPEN pen = CreatePen(PS_SOLID, 1, dxbar_paint::RGBOf(SystemColor(colour)));
  HGDIOBJ old = SelectObject(DC, pen);
  // Two Vs one above the other, each a pair of lines a row apart.
  const int cx = (R.Left + R.Right) / 2, top = (R.Top + R.Bottom - (2 * Size + 3)) / 2;
  for (int v = 0; v < 2; ++v)
    for (int k = 0; k < 2; ++k) {
      const int y = top + v * (Size + 2) + k;
      POINT p[3] = {{cx - Size, y}, {cx, y + Size}, {cx + Size + 1, y - 1}};
      Polyline(DC, p, 3);
    }
  SelectObject(DC, old);
  DeleteObject(pen);
}

void TdxBarPainter::DrawExpandButtonFrame(HDC DC, const TRect& R, HBRUSH LightBrush) const {
  RECT r{R.Left, R.Top, R.Right, R.Bottom};
  DrawEdge(DC, &r, BDR_RAISEDINNER, BF_RECT);
  InflateRect(&r, -1, -1);
  FillRect(DC, &r, LightBrush);
}

void TdxBarPainter::PaintExpandButton(HDC DC, const TRect& R, int ArrowSize, bool Selected, HBRUSH Background,
                                      HBRUSH LightBrush) const {
  const int w = R.Right - R.Left, h = R.Bottom - R.Top;
  if (w <= 0 || h <= 0) return;
  void* bits = nullptr;
  HDC memory = CreateCompatibleDC(DC);
  HBITMAP bitmap = dxBarCreateTopDownDIB(memory, w, h, 24, &bits);
  HGDIOBJ old = SelectObject(memory, bitmap);
  const TRect local{0, 0, w, h};
  RECT r{0, 0, w, h};
  FillRect(memory, &r, Background);
  if (Selected) DrawExpandButtonFrame(memory, local, LightBrush);
  DrawExpandArrows(memory, local, ArrowSize, Selected);
  BitBlt(DC, R.Left, R.Top, w, h, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ExcludeClipRect(DC, R.Left, R.Top, R.Right, R.Bottom);
}

void TdxBarPainter::DrawLoweredFrame(HDC DC, TRect& R) const {
  RECT r{R.Left, R.Top, R.Right, R.Bottom};
  DrawEdge(DC, &r, BDR_SUNKENOUTER, BF_RECT);
  R = TRect{R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1};
}

void TdxBarPainter::FillDisabledShadow(HDC DC, const TRect& R) const { FillWith(DC, R, COLOR_BTNSHADOW); }

TRect TdxBarPainter::CalcCaptionContentRect(const TRect& R) const {
  const TRect o = CaptionOffsets(), b = CaptionBorderWidths();
  return TRect{R.Left + o.Left, R.Top + o.Top + b.Top, R.Right - o.Right, R.Bottom - o.Bottom - b.Bottom};
}

TSize TdxBarPainter::SizeGripSize() const {
  return TSize{GetSystemMetrics(SM_CXHSCROLL), GetSystemMetrics(SM_CYHSCROLL)};
}

namespace {

// A bar shows its grip when it can dock somewhere: its own and its manager's
// exclusions leave a docking style.
bool ShowsGrip(TdxBar* ABar) {
  TdxBarManager* manager = ABar->BarManager();
  for (const TdxBarDockingStyle style : {dsNone, dsLeft, dsTop, dsRight, dsBottom})
    if (!ABar->NotDocking().Contains(style) && !(manager && manager->NotDocking().Contains(style))) return true;
  return false;
}

}  // namespace

TRect TdxBarPainter::CalcBarBorders(TdxBar* ABar, TdxBarDockingStyle AStyle, bool ASizeGrip) const {
  if (AStyle == dsNone) {
    // Until the bar has a window it is measured with its caption.
    const int fw = FloatingFrameWidth(), fh = FloatingFrameHeight(), indent = FloatingCaptionIndent();
    return TRect{fw + indent, fh + FloatingCaptionHeight() + FloatingCaptionTopSpace(), fw + indent,
                 fh + FloatingCaptionBottomSpace()};
  }
  if (ABar->BorderStyle() == bbsSingle) {
    TRect b = DockedBorderWidths();
    const int room = ShowsGrip(ABar) ? GripSize() : GriplessIndent();
    if (AStyle == dsTop || AStyle == dsBottom) b.Left += room;
    else b.Top += room;
    return b;
  }
  TRect b{};
  if (AStyle == dsBottom && ABar->WholeRow()) {
    const TRect o = StatusBarBorderOffsets();
    b = TRect{o.Left, StatusBarTopSpace() + o.Top, o.Right, o.Bottom};
    if (ASizeGrip) b.Right += SizeGripSize().cx;
  }
  return b;
}

TRect TdxBarPainter::PlaceLargeGlyph(const TRect& Area, const TSize& Glyph, bool ShowsCaption, int Layout,
                                     bool Rotated) const {
  int x = Area.Left + (Area.Right - Area.Left - Glyph.cx) / 2, y = Area.Top + (Area.Bottom - Area.Top - Glyph.cy) / 2;
  if (ShowsCaption) {
    switch (Layout) {
      case glLeft: (Rotated ? y : x) = Rotated ? Area.Top + 4 : Area.Left + 4; break;
      case glRight: (Rotated ? y : x) = Rotated ? Area.Bottom - 4 - Glyph.cy : Area.Right - 4 - Glyph.cx; break;
      case glTop: (Rotated ? x : y) = Rotated ? Area.Right - 2 - Glyph.cx : Area.Top + 2; break;
      case glBottom: (Rotated ? x : y) = Rotated ? Area.Left + 2 : Area.Bottom - 2 - Glyph.cy; break;
      default: break;
    }
  }
  return TRect{x, y, x + Glyph.cx, y + Glyph.cy};
}

TRect TdxBarPainter::CalcLargeButtonTextRect(const TRect& ItemRect, const TRect& GlyphRect, int Layout, bool Rotated,
                                             int& Alignment) const {
  TRect r = ItemRect;
  Alignment = 1;
  switch (Layout) {
    case glLeft:
      Alignment = 0;
      (Rotated ? r.Top : r.Left) = (Rotated ? GlyphRect.Bottom : GlyphRect.Right) + 3;
      break;
    case glRight:
      Alignment = 2;
      (Rotated ? r.Bottom : r.Right) = (Rotated ? GlyphRect.Top : GlyphRect.Left) - 3;
      break;
    case glTop:
      if (Rotated) r.Right = GlyphRect.Left;
      else r.Top = GlyphRect.Bottom;
      break;
    case glBottom:
      if (Rotated) r.Left = GlyphRect.Right;
      else r.Bottom = GlyphRect.Top;
      break;
    default: break;
  }
  return r;
}

// --- Glyphs of item controls ---------------------------------------------------------------

HBRUSH TdxBarPainter::GlyphBackgroundBrush(TdxBarItemControlDrawParams* AParams) const {
  return AParams->ItemControl()->BackgroundBrush();
}

bool TdxBarPainter::NeedsGlyphBackground(TdxBarItemControlDrawParams* AParams) const {
  if (AParams->ItemControl()->ShownByExpansion) return true;
  if (AParams->PaintKind == 1) return AParams->Pressed || AParams->DrawSelected || AParams->DroppedDown;
  return AParams->Pressed;
}

bool TdxBarPainter::DrawsGlyphBackground(TdxBarItemControlDrawParams*) const {
  // Outside the native look neither a non-recent row nor the bar controls of
  // this library have the background drawn before the glyph.
  return UsesNativeGlyphFrame();
}

void TdxBarPainter::FillItemBackground(TdxBarItemControlDrawParams* AParams, HDC DC, const TRect& R, HBRUSH Brush,
                                       bool Solid) const {
  RECT r{R.Left, R.Top, R.Right, R.Bottom};
  TCustomdxBarControl* bar = AParams->ItemControl()->Parent();
  // Without a bar background of its own the bar's fill is its brush.
  HBRUSH brush = Brush ? Brush : bar ? bar->GetToolbarBrush() : ToolbarBrush();
  if (!Solid && bar && bar->BackgroundBrush()) brush = Brush ? Brush : bar->BackgroundBrush();
  FillRect(DC, &r, brush);
}

void TdxBarPainter::DrawItemGlyph(TdxBarItemControlDrawParams* AParams, HDC DC, const TRect& R) const {
  TdxBarItemControl* control = AParams->ItemControl();
  TdxBarManager* manager = control->BarManager();
  const bool noImage = !control->HasImage(AParams->ViewSize());
  TSize size = control->GetGlyphSize(AParams->ViewSize());
  const bool inMenu = AParams->PaintKind == 1;
  TRect area = R, glyph;
  if (AParams->ViewSize() != 2 || inMenu) {
    // Along the bar the glyph area is one button.
    if (AParams->PaintKind == 2) area.Bottom = std::min(area.Bottom, area.Top + int(AParams->ButtonSize.cy));
    else area.Right = std::min(area.Right, area.Left + int(AParams->ButtonSize.cx));
    if (inMenu && manager && manager->StretchGlyphs() && control->Parent()) {
      const double ratio = control->Parent()->Ratio();
      TSize stretched{int(Round(size.cx * ratio)), int(Round(size.cy * ratio))};
      const int aw = area.Right - area.Left, ah = area.Bottom - area.Top;
      // Grown both ways with parities unlike the area's: one less keeps it centred.
      if (stretched.cx > size.cx && stretched.cy > size.cy && (stretched.cx - aw) % 2 != 0 &&
          (stretched.cy - ah) % 2 != 0) {
        --stretched.cx;
        --stretched.cy;
      }
      size = stretched;
    } else if (!inMenu && AParams->ViewSize() == 1 && manager) {
      TdxBarItem* item = control->Item();
      if (manager->LargeImages()) size = TSize{manager->LargeImages()->Width(), manager->LargeImages()->Height()};
      else if (manager->UseLargeImagesForLargeIcons() && item && item->LargeGlyph() && !item->LargeGlyph()->Empty())
        size = TSize{item->LargeGlyph()->Width(), item->LargeGlyph()->Height()};
      else size = TSize{2 * size.cx, 2 * size.cy};
    }
    const int x = area.Left + (area.Right - area.Left - size.cx) / 2 + (AParams->Pressed ? GlyphShiftX() : 0);
    const int y = area.Top + (area.Bottom - area.Top - size.cy) / 2 + (AParams->Pressed ? GlyphShiftY() : 0);
    glyph = TRect{x, y, x + size.cx, y + size.cy};
  } else {
    TdxBarItem* item = control->Item();
    glyph = PlaceLargeGlyph(area, size, (AParams->ContentParts & dxBarCaptionPart) != 0,
                            item ? int(item->GlyphLayout()) : int(glTop), AParams->PaintKind == 2);
  }
  control->ViewInfo()->SetImageBounds(glyph);
  DrawItemGlyphImage(AParams, DC, area, glyph, noImage);
}

void TdxBarPainter::DrawItemGlyphImage(TdxBarItemControlDrawParams* AParams, HDC DC, const TRect& Area,
                                       const TRect& GlyphRect, bool NoImage) const {
  TdxBarItemControl* control = AParams->ItemControl();
  TdxBarManager* manager = control->BarManager();
  const int gw = GlyphRect.Right - GlyphRect.Left, gh = GlyphRect.Bottom - GlyphRect.Top;
  const int aw = Area.Right - Area.Left, ah = Area.Bottom - Area.Top;
  const int room = AParams->PaintKind == 1 ? ButtonGlyphSize(manager) + 2 : 0;
  const bool framed = AParams->PaintKind == 1 ? aw > room && ah > room : aw >= gw + 2 && ah >= gh + 2;
  const TRect frame = framed ? TRect{Area.Left + 1, Area.Top + 1, Area.Right - 1, Area.Bottom - 1} : Area;
  HBRUSH brush = GlyphBackgroundBrush(AParams);
  const bool drawsBackground = DrawsGlyphBackground(AParams);
  if (!UsesNativeGlyphFrame() && (NeedsGlyphBackground(AParams) || drawsBackground))
    FillItemBackground(AParams, DC, frame, brush, false);
  if (UsesNativeGlyphFrame()) DrawGlyphFrame(AParams, DC, frame);
  if (!NoImage) {
    int index = -1;
    TCustomImageList* images = nullptr;
    TBitmap* bitmap = nullptr;
    control->GetImageInfo(AParams->ViewSize(), index, images, bitmap);
    TdxBarImageDrawState state;
    state.Faded = UseFadedDisabledImages(manager);
    state.HighlightShadow = GlyphHighlightShadow();
    state.Pressed = AParams->Pressed;
    state.Selected = AParams->DrawSelected;
    state.Grayed = UseGrayGlyphsWhenDisabled() && !AParams->Enabled;
    state.NormalLook = control->UsesNormalImageLook();
    TdxBarImageOptions* options = manager ? manager->ImageOptions() : nullptr;
    DrawItemControlImage(control->CachedImageOptions(), options && options->CacheGlyphs(), DC,
                         drawsBackground ? nullptr : brush, options && options->UseLeftBottomPixelAsTransparent(),
                         options && options->SmoothGlyphs(), state, manager ? manager->ImageListBkColor() : clNone,
                         index, images, bitmap, GlyphRect, GlyphRect);
  }
  if (!UsesNativeGlyphFrame()) DrawGlyphFrame(AParams, DC, frame);
}
