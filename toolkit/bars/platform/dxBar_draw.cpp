// The small drawing routines every bar painter shares: polygons and arrows,
// frames, the checked-button brush, the dimmed overlay, background tiling,
// glyphs with their draw modes and cache, themed close buttons and size grips.
#include <algorithm>

#include "dxBar_internal.h"
#include "dxOffice11_win.h"

namespace {
int GScreenColorDepth = 0;
HBRUSH GCheckedBrush = nullptr;

COLORREF RGBOf(TColor Color) { return COLORREF(ColorToRGB(Color)); }

void FillWithColor(HDC DC, const TRect& R, TColor Color) {
  HBRUSH brush = CreateSolidBrush(RGBOf(Color));
  const RECT rect{R.Left, R.Top, R.Right, R.Bottom};
  FillRect(DC, &rect, brush);
  DeleteObject(brush);
}
}  // namespace

void DrawColoredPolygon(HDC DC, const TPoint* Points, int HighIndex, TColor FillColor, TColor PenColor) {
  HBRUSH brush = CreateSolidBrush(RGBOf(FillColor));
  HPEN pen = CreatePen(PS_SOLID, 1, RGBOf(PenColor));
  HGDIOBJ oldBrush = SelectObject(DC, brush), oldPen = SelectObject(DC, pen);
  std::vector<POINT> points(size_t(HighIndex) + 1);
  for (int i = 0; i <= HighIndex; ++i) points[i] = POINT{Points[i].X, Points[i].Y};
  Polygon(DC, points.data(), HighIndex + 1);
  SelectObject(DC, oldBrush);
  SelectObject(DC, oldPen);
  DeleteObject(brush);
  DeleteObject(pen);
}

void FrameHighlightRect(HDC DC, const TRect& R) {
  const RECT rect{R.Left, R.Top, R.Right, R.Bottom};
  FrameRect(DC, &rect, GetSysColorBrush(COLOR_HIGHLIGHT));
}

void DrawDoubleFrameRect(HDC DC, const TRect& R, int ColorIndex) {
  RECT rect{R.Left, R.Top, R.Right, R.Bottom};
  FrameRect(DC, &rect, GetSysColorBrush(ColorIndex));
  InflateRect(&rect, -1, -1);
  FrameRect(DC, &rect, GetSysColorBrush(ColorIndex));
}

void DrawDoubleFocusRect(HDC DC, const TRect& R) {
  const COLORREF color = GetSysColor(COLOR_BTNTEXT);
  for (int y = R.Top; y < R.Bottom; ++y)
    for (int x = R.Left; x < R.Right; ++x)
      if (dxBarDoubleFocusPixel(R, x, y)) SetPixelV(DC, x, y, color);
}

void RefreshScreenColorDepth() {
  HDC dc = GetDC(nullptr);
  GScreenColorDepth = GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
  ReleaseDC(nullptr, dc);
}

int ScreenColorDepth() { return GScreenColorDepth; }

void BuildCheckedButtonBrush() {
  if (dxBarFinalizing()) return;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 8, 8);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  const COLORREF face = GetSysColor(COLOR_BTNFACE), highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) SetPixelV(dc, x, y, dxBarCheckedPatternIsFace(x, y) ? face : highlight);
  SelectObject(dc, old);
  DeleteDC(dc);
  if (GCheckedBrush) DeleteObject(GCheckedBrush);
  GCheckedBrush = CreatePatternBrush(bitmap);
  DeleteObject(bitmap);
}

HBRUSH CheckedButtonBrush() { return GCheckedBrush; }

void dxBarFreeCheckedButtonBrush() {
  if (GCheckedBrush) DeleteObject(GCheckedBrush);
  GCheckedBrush = nullptr;
}

void DrawDimmedOverlay(HDC DC, const TRect& R) { DrawHatchOnDC(DC, R, clBlack, clBtnFace, 2, 20, 170); }

void FillBarBackground(HDC DC, const TRect& R, const TRect& OriginRect, TBitmap* ABitmap, TColor AColor,
                       HBRUSH ABrush) {
  if (!ABitmap || ABitmap->Empty()) {
    const RECT rect{R.Left, R.Top, R.Right, R.Bottom};
    if (ABrush) FillRect(DC, &rect, ABrush);
    else FillWithColor(DC, R, AColor);
    return;
  }
  const int w = ABitmap->Width(), h = ABitmap->Height();
  const std::vector<TPoint> tiles = dxBarTilePositions(R, OriginRect, w, h);
  if (tiles.empty()) return;
  // One pattern fill does what copying every tile does: the brush origin puts a
  // tile's corner where the first copy would go, and the fill covers exactly
  // the copies' area inside R.
  const TPoint first = tiles.front(), last = tiles.back();
  const RECT area{std::max(R.Left, first.X), std::max(R.Top, first.Y), std::min(R.Right, last.X + w),
                  std::min(R.Bottom, last.Y + h)};
  if (area.right <= area.left || area.bottom <= area.top) return;
  HBRUSH pattern = CreatePatternBrush(ABitmap->Handle());
  POINT previous;
  SetBrushOrgEx(DC, ((first.X % w) + w) % w, ((first.Y % h) + h) % h, &previous);
  FillRect(DC, &area, pattern);
  SetBrushOrgEx(DC, previous.x, previous.y, nullptr);
  DeleteObject(pattern);
}

// --- Arrows ------------------------------------------------------------------------------

void DrawArrowOfSize(HDC DC, const TRect& R, int Direction, TColor Color, bool Flat, bool Enabled, bool Selected,
                     int Size) {
  if (Color == TColor(0x20000000)) {
    if (!Enabled) Color = clBtnShadow;
    else if (!Selected) Color = clBtnText;
    else Color = IsWhiteButtonFace() ? clBtnFace : clHighlightText;
  }
  const TdxBarArrowShape shape = dxBarArrowShape(R, Direction, Size);
  DrawColoredPolygon(DC, shape.Points, 2, Color, Color);
  if (Enabled || Flat) return;
  HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
  HGDIOBJ old = SelectObject(DC, pen);
  const int x = shape.Origin.X, y = shape.Origin.Y;
  if (Direction == dxBarArrowDown) {
    MoveToEx(DC, x + Size, y + Size - 1, nullptr);
    LineTo(DC, x + 2 * Size - 1, y);
    MoveToEx(DC, x + Size, y + Size, nullptr);
    LineTo(DC, x + 2 * Size, y);
  } else {
    MoveToEx(DC, x + Size - 1, y + Size, nullptr);
    LineTo(DC, x, y + 2 * Size - 1);
    MoveToEx(DC, x + Size, y + Size, nullptr);
    LineTo(DC, x, y + 2 * Size);
  }
  SelectObject(DC, old);
  DeleteObject(pen);
}

void DrawArrowInRect(HDC DC, const TRect& R, int Direction, TColor Color, bool Flat, bool Enabled, bool Selected) {
  DrawArrowOfSize(DC, R, Direction, Color, Flat, Enabled, Selected, dxBarArrowSizeForRect(R, Direction));
}

// --- Glyphs ------------------------------------------------------------------------------

void DrawBarGlyph(HDC DC, const TRect& R, TBitmap* ABitmap, bool Enabled) {
  DrawImageOrGlyph(DC, R, R, ABitmap, nullptr, -1, Enabled ? gdmNormal : gdmDisabled, false, nullptr, clNone, true);
}

TdxCachedImageOptions::~TdxCachedImageOptions() = default;

bool TdxCachedImageOptions::IsValid(TcxGlyphDrawMode AMode, TBitmap* ABitmap, TCustomImageList* AList, int AIndex,
                                    const TRect& R) const {
  return FImage && FMode == AMode && FBitmap == ABitmap && FList == AList && FIndex == AIndex &&
         FRect.Right - FRect.Left == R.Right - R.Left && FRect.Bottom - FRect.Top == R.Bottom - R.Top;
}

void TdxCachedImageOptions::Invalidate() { FImage.reset(); }

namespace {
// Pixels of the glyph's own background are left out when it is drawn.
constexpr TColor kNoBackground = TColor(0x1FFFFFFF);
constexpr TColor kCacheKey = TColor(0x00FF00FE);
}  // namespace

void DrawItemControlImage(TdxCachedImageOptions* Cache, bool CacheGlyphs, HDC DC, HBRUSH Brush,
                          bool LeftBottomTransparent, bool Smooth, const TdxBarImageDrawState& State,
                          TColor BackgroundColor, int ImageIndex, TCustomImageList* ImageList, TBitmap* Bitmap,
                          const TRect& R, const TRect& SourceRect) {
  if (Bitmap && !Bitmap->Empty()) BackgroundColor = kNoBackground;
  const TcxGlyphDrawMode mode = TcxGlyphDrawMode(dxBarImageDrawMode(State, ScreenColorDepth()));
  if (Cache && CacheGlyphs && mode != gdmShadowed) {
    if (!Cache->IsValid(mode, Bitmap, ImageList, ImageIndex, R)) {
      const int w = R.Right - R.Left, h = R.Bottom - R.Top;
      auto image = std::make_unique<TBitmap>();
      image->SetWidth(w);
      image->SetHeight(h);
      const TRect local{0, 0, w, h};
      // The cache keeps the mode's look over a key colour that is left out when it is drawn.
      FillWithColor(image->Canvas()->Handle(), local, kCacheKey);
      DrawImageOrGlyph(image->Canvas()->Handle(), local, local, Bitmap, ImageList, ImageIndex, mode, Smooth, nullptr,
                       clNone, LeftBottomTransparent);
      Cache->FImage = std::move(image);
      Cache->FMode = mode;
      Cache->FBitmap = Bitmap;
      Cache->FList = ImageList;
      Cache->FIndex = ImageIndex;
      Cache->FRect = R;
      ++Cache->FBuilds;
    }
    TcxCustomDrawImageProc hook = SetCustomDrawImageProc(nullptr);
    TdxBarFinally restore([hook] { SetCustomDrawImageProc(hook); });
    DrawImageOrGlyph(DC, R, SourceRect, Cache->FImage.get(), nullptr, -1, gdmNormal, false, Brush, kCacheKey, false);
    return;
  }
  const TColor transparent = BackgroundColor == kNoBackground ? clNone : BackgroundColor;
  DrawImageOrGlyph(DC, R, SourceRect, Bitmap, ImageList, ImageIndex, mode, Smooth, Brush, transparent,
                   LeftBottomTransparent);
}

// --- Themes and size grips ---------------------------------------------------------------

TColor ThemedToolbarFillColor() {
  COLORREF color = 0;
  if (HTHEME theme = AcquireThemeHandle(totToolBar))
    if (SUCCEEDED(GetThemeColor(theme, 0, 0, 3802, &color))) return TColor(color);
  return ColorToRGB(clBtnFace);
}

TSize GetThemedCloseButtonExtent() {
  SIZE size{};
  if (HTHEME theme = AcquireThemeHandle(totWindow)) GetThemePartSizeNoRect(theme, nullptr, 19, 1, TS_TRUE, &size);
  return TSize{size.cx, size.cy};
}

void DrawThemedCloseButton(HDC DC, TRect& R, bool Hot, int Corner, bool Pressed) {
  const int state = Pressed ? 3 : Hot ? 2 : 1;
  const TSize size = GetThemedCloseButtonExtent();
  R = dxBarThemedCloseButtonRect(R, Corner, size.cx, size.cy);
  FillWithColor(DC, R, clBtnFace);
  if (HTHEME theme = AcquireThemeHandle(totWindow)) {
    const RECT rect{R.Left, R.Top, R.Right, R.Bottom};
    DrawThemeBackground(theme, DC, 19, state, &rect);
  }
}

TSize GetThemedSizeGripExtent() {
  SIZE size{};
  if (HTHEME theme = AcquireThemeHandle(totScrollBar)) GetThemePartSizeNoRect(theme, nullptr, 10, 1, TS_TRUE, &size);
  return TSize{size.cx + 2, size.cy + 2};
}

void DrawThemedSizeGrip(HDC DC, TRect& R, int Corner) {
  const TSize extent = GetThemedSizeGripExtent();
  R = dxBarSizeGripRect(R, Corner, extent.cx, extent.cy);
  FillWithColor(DC, R, clBtnFace);
  const TRect draw = dxBarSizeGripDrawRect(R, Corner);
  const int w = draw.Right - draw.Left, h = draw.Bottom - draw.Top;
  if (w <= 0 || h <= 0) return;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(mem, bitmap);
  FillWithColor(mem, TRect{0, 0, w, h}, clBtnFace);
  if (HTHEME theme = AcquireThemeHandle(totScrollBar)) {
    const RECT rect{0, 0, w, h};
    DrawThemeBackground(theme, mem, 10, 1, &rect);
  }
  // Mirrored so that the grip points into the chosen corner.
  const bool mirrorX = Corner == 0 || Corner == 2, mirrorY = Corner == 0 || Corner == 1;
  StretchBlt(DC, mirrorX ? draw.Right - 1 : draw.Left, mirrorY ? draw.Bottom - 1 : draw.Top, mirrorX ? -w : w,
             mirrorY ? -h : h, mem, 0, 0, w, h, SRCCOPY);
  SelectObject(mem, old);
  DeleteObject(bitmap);
  DeleteDC(mem);
}

void DrawTransparentSizeGrip(HDC DC, const TRect& R) {
  const int w = R.Right - R.Left, h = R.Bottom - R.Top;
  if (w <= 0 || h <= 0) return;
  HDC screen = GetDC(nullptr);
  HDC a = CreateCompatibleDC(screen), b = CreateCompatibleDC(screen), m = CreateCompatibleDC(screen);
  HBITMAP bitmapA = CreateCompatibleBitmap(screen, w, h), bitmapB = CreateCompatibleBitmap(screen, w, h);
  HBITMAP mask = CreateBitmap(w, h, 1, 1, nullptr);
  ReleaseDC(nullptr, screen);
  HGDIOBJ oldA = SelectObject(a, bitmapA), oldB = SelectObject(b, bitmapB), oldM = SelectObject(m, mask);
  BitBlt(a, 0, 0, w, h, DC, R.Left, R.Top, SRCCOPY);
  RECT grip{0, 0, w, h};
  DrawFrameControl(b, &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
  SetBkColor(b, GetSysColor(COLOR_BTNFACE));
  BitBlt(m, 0, 0, w, h, b, 0, 0, SRCCOPY);
  // The mask is white where the grip shows the button face: those pixels stay as they were.
  SetBkColor(a, RGB(255, 255, 255));
  SetTextColor(a, RGB(0, 0, 0));
  BitBlt(a, 0, 0, w, h, m, 0, 0, MERGEPAINT);
  SetBkColor(b, RGB(255, 255, 255));
  SetTextColor(b, RGB(0, 0, 0));
  BitBlt(b, 0, 0, w, h, m, 0, 0, SRCPAINT);
  BitBlt(a, 0, 0, w, h, b, 0, 0, SRCAND);
  BitBlt(DC, R.Left, R.Top, w, h, a, 0, 0, SRCCOPY);
  SelectObject(a, oldA);
  SelectObject(b, oldB);
  SelectObject(m, oldM);
  DeleteObject(bitmapA);
  DeleteObject(bitmapB);
  DeleteObject(mask);
  DeleteDC(a);
  DeleteDC(b);
  DeleteDC(m);
}

// --- Clipping ----------------------------------------------------------------------------

void RestoreAndDeleteGDIObject(HDC DC, HGDIOBJ Previous) {
  if (HGDIOBJ replaced = SelectObject(DC, Previous)) DeleteObject(replaced);
}

void SaveDCClipRegion(HDC DC, HRGN& Region, bool& Exists) {
  Region = CreateRectRgn(0, 0, 0, 0);
  Exists = GetClipRgn(DC, Region) == 1;
}

void RestoreDCClipRegion(HDC DC, HRGN Region, bool Exists) {
  SelectClipRgn(DC, Exists ? Region : nullptr);
  DeleteObject(Region);
}

void UniteClipWithRect(HDC DC, const TRect& R) {
  HRGN region = CreateRectRgn(R.Left, R.Top, R.Right, R.Bottom);
  ExtSelectClipRgn(DC, region, RGN_OR);
  DeleteObject(region);
}

void ExcludeFrameFromClip(TcxCanvas* ACanvas, const TRect& FrameRect, const TRect& ContentRect) {
  HRGN frame = CreateRectRgn(FrameRect.Left, FrameRect.Top, FrameRect.Right, FrameRect.Bottom);
  HRGN content = CreateRectRgn(ContentRect.Left, ContentRect.Top, ContentRect.Right, ContentRect.Bottom);
  CombineRgn(frame, frame, content, RGN_DIFF);
  ExtSelectClipRgn(ACanvas->Handle(), frame, RGN_DIFF);
  DeleteObject(frame);
  DeleteObject(content);
}

// --- Themed edit colours -----------------------------------------------------------------

TColor GetThemedEditFillColor(HTHEME Theme, int State) {
  COLORREF color = 0;
  if (State == 4 && SUCCEEDED(GetThemeColor(Theme, 1, State, 3802, &color))) return TColor(color);
  return ColorToRGB(clWindow);
}

TColor GetThemedEditTextColor(HTHEME Theme, int State) {
  COLORREF color = 0;
  if (SUCCEEDED(GetThemeColor(Theme, 1, State, 3803, &color))) return TColor(color);
  return ColorToRGB(State == 4 ? clGrayText : clWindowText);
}
