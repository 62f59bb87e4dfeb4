#include "dxOffice11_win.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "cxGraphics_win.h"
#include "cxLookAndFeelPainters.h"
#include "dxCore.h"
#include "dxThemeManager.h"

namespace {

// Entries that get a brush of their own while the set is referenced, in the order they are made.
constexpr int kBrushEntries[] = {19, 20, 21, 22, 39, 32, 42, 47, 48, 49, 50, 41, 56};

struct TOffice11State {
  bool Computed = false;
  TOffice11Scheme Scheme = o11sNone;
  TOffice11Colors Colors{};
  int RefCount = 0;
  std::array<HBRUSH, Office11ColorCount + 1> Brushes{};
  HBITMAP SubMenuExpand = nullptr;
  HBITMAP ExpandPlus = nullptr;
  HBITMAP ExpandMinus = nullptr;
};
TOffice11State GState;

HMODULE GMsimg32 = nullptr;
TGradientFillFunc GGradientFill = nullptr;

int Red(TColor c) { return c & 0xFF; }
int Green(TColor c) { return (c >> 8) & 0xFF; }
int Blue(TColor c) { return (c >> 16) & 0xFF; }

TOffice11SystemColors ReadSystemColors() {
  TOffice11SystemColors s;
  s.BtnFace = ColorToRGB(clBtnFace);
  s.BtnShadow = ColorToRGB(clBtnShadow);
  s.BtnHighlight = ColorToRGB(clBtnHighlight);
  s.BtnText = ColorToRGB(clBtnText);
  s.Window = ColorToRGB(clWindow);
  s.Highlight = ColorToRGB(clHighlight);
  s.HighlightText = ColorToRGB(clHighlightText);
  s.GrayText = ColorToRGB(clGrayText);
  return s;
}

TOffice11Scheme DetectOffice11Scheme() {
  if (!CanUseThemes()) return o11sNone;
  wchar_t file[MAX_PATH] = {}, color[MAX_PATH] = {};
  if (FAILED(GetCurrentThemeName(file, MAX_PATH, color, MAX_PATH, nullptr, 0))) return o11sNone;
  return Office11SchemeFromNames(file, color, OSFlagVistaOrLater);
}

void ComputeOffice11Colors() {
  GState.Scheme = DetectOffice11Scheme();
  GState.Colors = ComputeOffice11ColorTable(GState.Scheme, ReadSystemColors(), &NearestScreenColor);
  GState.Computed = true;
}

const TOffice11Colors& Colors() {
  if (!GState.Computed) ComputeOffice11Colors();
  return GState.Colors;
}
TColor E(int n) { return Colors()[std::size_t(n)]; }

HBITMAP LoadBitmapResource(const wchar_t* name) {
  return static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

// A 32-bit top-down copy of the glyph whose grey levels run from the light
// face (e3) to the dark face (e4); the background pixel at (0, 0) and black
// pixels stay as they are.
HBITMAP RecolourSubMenuGlyph(HBITMAP source) {
  if (!source) return nullptr;
  BITMAP info{};
  GetObjectW(source, sizeof info, &info);
  const int w = info.bmWidth, h = std::abs(info.bmHeight);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP result = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!result) return nullptr;
  HDC from = CreateCompatibleDC(nullptr), to = CreateCompatibleDC(nullptr);
  HGDIOBJ oldFrom = SelectObject(from, source), oldTo = SelectObject(to, result);
  BitBlt(to, 0, 0, w, h, from, 0, 0, SRCCOPY);
  SelectObject(from, oldFrom);
  SelectObject(to, oldTo);
  DeleteDC(from);
  DeleteDC(to);
  GdiFlush();

  auto* pixels = static_cast<std::uint32_t*>(bits);  // 0x00RRGGBB
  const std::size_t count = std::size_t(w) * std::size_t(h);
  if (count == 0) return result;
  const std::uint32_t background = pixels[0] & 0xFFFFFF;
  auto recoloured = [background](std::uint32_t p) { return (p & 0xFFFFFF) != background && (p & 0xFFFFFF) != 0; };
  int minRed = 255, maxRed = 0;
  for (std::size_t i = 1; i < count; ++i)
    if (recoloured(pixels[i])) {
      const int red = int(pixels[i] >> 16 & 0xFF);
      minRed = std::min(minRed, red);
      maxRed = std::max(maxRed, red);
    }
  const TColor light = E(3);
  TColor dark = E(4);
  if (light == dark) dark = light == clBlack ? clWhite : clBlack;
  for (std::size_t i = 1; i < count; ++i) {
    if (!recoloured(pixels[i])) continue;
    const int red = int(pixels[i] >> 16 & 0xFF);
    // One grey level throughout has no range to spread: it takes the dark end.
    const int percent = maxRed > minRed ? MulDivRounded(red - minRed, 100, maxRed - minRed) : 0;
    const TColor c = BlendColors(light, dark, percent);
    pixels[i] = std::uint32_t(Red(c)) << 16 | std::uint32_t(Green(c)) << 8 | std::uint32_t(Blue(c));
  }
  return result;
}

void CreateResources() {
  for (int entry : kBrushEntries) GState.Brushes[std::size_t(entry)] = CreateSolidBrush(COLORREF(E(entry)));
  HBITMAP glyph = LoadBitmapResource(L"DXSUBMENUEXPAND");
  GState.SubMenuExpand = RecolourSubMenuGlyph(glyph);
  if (glyph) DeleteObject(glyph);
  GState.ExpandPlus = LoadBitmapResource(L"DXEXPANDBUTTON_PLUS");
  GState.ExpandMinus = LoadBitmapResource(L"DXEXPANDBUTTON_MINUS");
}

void FreeResources() {
  for (HBRUSH& brush : GState.Brushes) {
    if (brush) DeleteObject(brush);
    brush = nullptr;
  }
  for (HBITMAP* bitmap : {&GState.SubMenuExpand, &GState.ExpandPlus, &GState.ExpandMinus}) {
    if (*bitmap) DeleteObject(*bitmap);
    *bitmap = nullptr;
  }
}

void FillWithBrush(HDC DC, const TRect& R, HBRUSH brush) { FillRect(DC, AsRect(R), brush); }

// The radio-button images of the Office look draw with the set's colours.
TColor RadioButtonFace(TcxButtonState AState) {
  switch (AState) {
    case cxbsHot: return E(43);
    case cxbsPressed: return E(45);
    case cxbsDisabled: return clBtnFace;
    default: return E(1);
  }
}
TColor RadioDisabledGlyph() { return E(53); }
TColor RadioHighlightBorder() { return E(42); }
const TcxRadioOfficeColors kRadioColors{&RadioButtonFace, &RadioDisabledGlyph, &RadioHighlightBorder};

}  // namespace

// --- The set ------------------------------------------------------------------------------
void Office11ColorsAddRef() {
  if (GState.RefCount++ == 0) {
    ComputeOffice11Colors();
    CreateResources();
  }
}

void Office11ColorsRefresh() {
  ComputeOffice11Colors();
  if (GState.RefCount > 0) {
    FreeResources();
    CreateResources();
  }
}

void Office11ColorsRelease() {
  if (GState.RefCount == 0) return;
  if (--GState.RefCount == 0) FreeResources();
}

int Office11ColorsRefCount() { return GState.RefCount; }

TOffice11Scheme CurrentOffice11Scheme() {
  Colors();
  return GState.Scheme;
}

bool IsOffice11SchemeThemed() { return CurrentOffice11Scheme() != o11sNone; }

TColor Office11Color(int N) { return N >= 1 && N <= Office11ColorCount ? E(N) : clNone; }

int Office11SplitGradientPercent() { return Office11SplitPercent(CurrentOffice11Scheme()); }

HBRUSH Office11EntryBrush(int N) { return N >= 1 && N <= Office11ColorCount ? GState.Brushes[std::size_t(N)] : nullptr; }

HBITMAP Office11SubMenuExpandBitmap() { return GState.SubMenuExpand; }

HBITMAP Office11ExpandButtonBitmap(bool AExpanded) { return AExpanded ? GState.ExpandMinus : GState.ExpandPlus; }

// --- System-colour tests and mixing -------------------------------------------------------
bool IsBlackButtonFace() { return ColorToRGB(clBtnFace) == clBlack; }
bool IsWhiteButtonFace() { return ColorToRGB(clBtnFace) == clWhite; }
bool IsBlackFaceNonWhiteText() { return IsBlackButtonFace() && ColorToRGB(clBtnText) != clWhite; }

TColor ScaleColorChannels(TColor AColor, int APercent) { return ScaleColorChannelsRGB(ColorToRGB(AColor), APercent); }

TColor BlendColors(TColor AColor1, TColor AColor2, int APercent) {
  return BlendColorsRGB(ColorToRGB(AColor1), ColorToRGB(AColor2), APercent, &NearestScreenColor);
}

TColor MixSystemColors(int AFacePercent, int AHighlightPercent, int AWindowPercent) {
  return MixSystemColorsRGB(ReadSystemColors(), AFacePercent, AHighlightPercent, AWindowPercent);
}

// --- Drawing ------------------------------------------------------------------------------
void FillRectWithColor(HDC DC, const TRect& R, TColor AColor) {
  HBRUSH brush = CreateSolidBrush(COLORREF(ColorToRGB(AColor)));
  FillWithBrush(DC, R, brush);
  DeleteObject(brush);
}

void FrameRectWithColor(HDC DC, const TRect& R, TColor AColor) {
  HBRUSH brush = CreateSolidBrush(COLORREF(ColorToRGB(AColor)));
  FrameRect(DC, AsRect(R), brush);
  DeleteObject(brush);
}

void GradientFillRect(HDC DC, const TRect& R, TColor AColor1, TColor AColor2, bool AHorizontal) {
  const TColor c1 = ColorToRGB(AColor1), c2 = ColorToRGB(AColor2);
  if (c1 == c2) {
    FillRectWithColor(DC, R, c1);
    return;
  }
  if (GGradientFill) {
    TRIVERTEX vertices[2] = {
        {R.Left, R.Top, COLOR16(Red(c1) << 8), COLOR16(Green(c1) << 8), COLOR16(Blue(c1) << 8), 0},
        {R.Right, R.Bottom, COLOR16(Red(c2) << 8), COLOR16(Green(c2) << 8), COLOR16(Blue(c2) << 8), 0}};
    GRADIENT_RECT rect{0, 1};
    GGradientFill(DC, vertices, 2, &rect, 1, AHorizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
    return;
  }
  const int extent = AHorizontal ? R.Right - R.Left : R.Bottom - R.Top;
  for (const TOffice11Band& band : GradientBands(extent, c1, c2)) {
    const TRect part = AHorizontal ? TRect{R.Left + band.From, R.Top, R.Left + band.To, R.Bottom}
                                   : TRect{R.Left, R.Top + band.From, R.Right, R.Top + band.To};
    FillRectWithColor(DC, part, band.Color);
  }
}

void FillRectSplitGradient(HDC DC, const TRect& R, TColor AColor1, TColor AColor2, bool AHorizontal) {
  const TColor c1 = ColorToRGB(AColor1), c2 = ColorToRGB(AColor2);
  if (c1 == c2) {
    FillRectWithColor(DC, R, c1);
    return;
  }
  const int extent = AHorizontal ? R.Right - R.Left : R.Bottom - R.Top;
  const std::vector<TColor> lines = SplitGradientLines(extent, c1, c2, Office11SplitGradientPercent());
  for (int i = 0; i < int(lines.size()); ++i) {
    const TRect line = AHorizontal ? TRect{R.Left + i, R.Top, R.Left + i + 1, R.Bottom}
                                   : TRect{R.Left, R.Top + i, R.Right, R.Top + i + 1};
    FillRectWithColor(DC, line, lines[std::size_t(i)]);
  }
}

TColor GradientColorAt(const TRect& R, int X, TColor AColor1, TColor AColor2, bool AHorizontal) {
  const int start = AHorizontal ? R.Left : R.Top, extent = AHorizontal ? R.Right - R.Left : R.Bottom - R.Top;
  return GradientBandColorAt(X - start, extent, ColorToRGB(AColor1), ColorToRGB(AColor2));
}

void FrameOffice11Selection(HDC DC, const TRect& R) {
  // A black face, with any text colour, would hide the frame.
  if (IsBlackButtonFace()) FrameRectWithColor(DC, R, clHighlightText);
  else if (HBRUSH brush = Office11EntryBrush(42)) FrameRect(DC, AsRect(R), brush);
  else FrameRectWithColor(DC, R, E(42));
}

void DrawOffice11GripDots(HDC DC, const TRect& R, bool AVertical, HBRUSH ADarkBrush, HBRUSH ALightBrush) {
  HBRUSH ownDark = nullptr, ownLight = nullptr;
  if (!ADarkBrush) ADarkBrush = Office11EntryBrush(19);
  if (!ADarkBrush) ADarkBrush = ownDark = CreateSolidBrush(COLORREF(E(19)));
  if (!ALightBrush) ALightBrush = Office11EntryBrush(20);
  if (!ALightBrush) ALightBrush = ownLight = CreateSolidBrush(COLORREF(E(20)));
  for (const TPoint& cell : GripDotCells(R, AVertical)) {
    FillWithBrush(DC, TRect{cell.X + 1, cell.Y + 1, cell.X + 3, cell.Y + 3}, ALightBrush);
    FillWithBrush(DC, TRect{cell.X, cell.Y, cell.X + 2, cell.Y + 2}, ADarkBrush);
  }
  if (ownDark) DeleteObject(ownDark);
  if (ownLight) DeleteObject(ownLight);
}

void DrawOffice11ResizeGrip(HDC DC, const TRect& R, TColor AColor1, TColor AColor2) {
  HBRUSH dark = CreateSolidBrush(COLORREF(ColorToRGB(AColor1 == clDefault ? E(19) : AColor1)));
  HBRUSH light = CreateSolidBrush(COLORREF(ColorToRGB(AColor2 == clDefault ? E(20) : AColor2)));
  for (const TRect& strip : ResizeGripStrips(R)) DrawOffice11GripDots(DC, strip, false, dark, light);
  DeleteObject(dark);
  DeleteObject(light);
}

void DrawOffice11ArrowSized(HDC DC, const TRect& R, bool ADown, int ASize, bool ASelected, bool AEnabled) {
  TColor color = E(53);
  if (AEnabled) color = ASelected && IsWhiteButtonFace() ? clWhite : E(52);
  const std::array<TPoint, 3> corners = Office11ArrowPoints(R, ADown, ASize);
  POINT points[3];
  for (int i = 0; i < 3; ++i) points[i] = POINT{corners[std::size_t(i)].X, corners[std::size_t(i)].Y};
  HBRUSH brush = CreateSolidBrush(COLORREF(color));
  HPEN pen = CreatePen(PS_SOLID, 1, COLORREF(color));
  HGDIOBJ oldBrush = SelectObject(DC, brush), oldPen = SelectObject(DC, pen);
  Polygon(DC, points, 3);
  SelectObject(DC, oldBrush);
  SelectObject(DC, oldPen);
  DeleteObject(brush);
  DeleteObject(pen);
}

void DrawOffice11ArrowInRect(HDC DC, const TRect& R, bool ADown, bool ASelected, bool AEnabled) {
  DrawOffice11ArrowSized(DC, R, ADown, Office11ArrowSizeInRect(R, ADown), ASelected, AEnabled);
}

TGradientFillFunc SetOffice11GradientFill(TGradientFillFunc AFunc) {
  TGradientFillFunc previous = GGradientFill;
  GGradientFill = AFunc;
  return previous;
}

// --- The colours other controls name ------------------------------------------------------
TColor Office11DockColor1() { return E(1); }
TColor Office11DockColor2() { return E(2); }
TColor Office11ToolbarColor1() { return E(3); }
TColor Office11ToolbarColor2() { return E(4); }
TColor Office11ToolbarBorderColor() { return E(11); }
TColor Office11ToolbarCornerColor() { return E(12); }
TColor Office11EditButtonColor() { return Office11ToolbarColor2(); }
TColor Office11TearOffColor() { return Office11ToolbarColor2(); }
TColor Office11FloatingBorderColor() { return E(25); }
TColor Office11FloatingBorderInnerColor() { return E(26); }
TColor Office11FloatingCaptionColor() { return E(27); }
TColor Office11CaptionColor() { return E(28); }
TColor Office11CaptionTextColor() { return E(29); }
TColor Office11CaptionGlyphHotColor() { return E(30); }
TColor Office11CaptionGlyphPressedColor() { return E(31); }
TColor Office11HeaderColor() { return Office11DockColor1(); }
TColor Office11HeaderBrushColor() { return E(40); }
TColor Office11MarkArrowColor() { return IsOffice11SchemeThemed() ? clBlack : ColorToRGB(clBtnText); }
TColor Office11MarkArrowShadowColor() { return IsOffice11SchemeThemed() ? clWhite : ColorToRGB(clWindow); }
TColor Office11MarkColors1(int AState) { return E(5 + std::clamp(AState, 0, 2)); }
TColor Office11MarkColors2(int AState) { return E(8 + std::clamp(AState, 0, 2)); }
TColor Office11MarkCornerColors(int AState) { return E(13 + std::clamp(AState, 0, 2)); }
TColor Office11MenuBorderColor() { return E(39); }
TColor Office11MenuColor() { return E(32); }
TColor Office11OpenItemColor1() { return E(33); }
TColor Office11OpenItemColor2() { return E(34); }
TColor Office11MenuIconColor1() { return E(35); }
TColor Office11MenuIconColor2() { return E(36); }
TColor Office11NonRecentIconColor1() { return E(37); }
TColor Office11NonRecentIconColor2() { return E(38); }
TColor Office11PressedColor1() { return E(45); }
TColor Office11PressedColor2() { return E(46); }
TColor Office11DownSelectedColor() { return E(49); }
TColor Office11DownColor() { return E(48); }
TColor Office11SelectedColor() { return E(41); }
TColor Office11HotColor1() { return E(43); }
TColor Office11HotColor2() { return E(44); }
TColor Office11SelectionBorderColor() { return E(42); }
TColor Office11SeparatorDarkColor() { return E(21); }
TColor Office11SeparatorLightColor() { return E(22); }
TColor Office11TextColor() { return E(52); }
TColor Office11DisabledTextColor() { return E(53); }
TColor Office11SelectedTextColor() { return E(57); }

TOffice11ColorSet Office11ColorSet() {
  TOffice11ColorSet set;
  set.Background = {E(3), E(4)};
  set.Hot = {E(43), E(44)};
  set.Pressed = {E(45), E(46)};
  set.Separator = {E(21), E(22)};
  set.Border = E(58);
  set.Text = E(52);
  set.DisabledText = E(53);
  return set;
}

TOffice11EditColors Office11EditColors() {
  TOffice11EditColors colors;
  colors.SelectionBorder = E(42);
  colors.NormalButton = E(1);
  colors.Normal = {E(3), E(4)};
  colors.Hot = {E(43), E(44)};
  colors.Pressed = {E(45), E(46)};
  return colors;
}

TOffice11ColorPair Office11PanelColors() { return {E(3), E(4)}; }

// --- Unit ---------------------------------------------------------------------------------
void dxOffice11_Initialize() {
  GMsimg32 = LoadLibraryW(L"msimg32.dll");
  GGradientFill = GMsimg32 ? reinterpret_cast<TGradientFillFunc>(
                                 reinterpret_cast<void*>(GetProcAddress(GMsimg32, "GradientFill")))
                           : nullptr;
  GState.Computed = false;
  SetRadioOfficeColors(&kRadioColors);
}

void dxOffice11_Finalize() {
  SetRadioOfficeColors(nullptr);
  FreeResources();
  GState = TOffice11State();
  GGradientFill = nullptr;
  if (GMsimg32) FreeLibrary(GMsimg32);
  GMsimg32 = nullptr;
}

const TUnitEntry dxOffice11Unit{L"dxOffice11", dxOffice11_Initialize, dxOffice11_Finalize};
