#include "dxOffice11.h"

#include <algorithm>
#include <cstdint>

#include "SysUtils.h"

namespace {

int Red(TColor c) { return c & 0xFF; }
int Green(TColor c) { return (c >> 8) & 0xFF; }
int Blue(TColor c) { return (c >> 16) & 0xFF; }
TColor RGBColor(int r, int g, int b) { return TColor(r | g << 8 | b << 16); }
int ClampChannel(int v) { return std::clamp(v, 0, 255); }

// n / 100 rounded halves to even (D-6), for either sign.
int RoundHundredths(int n) {
  if (n < 0) return -RoundHundredths(-n);
  int q = n / 100;
  const int r = n % 100;
  if (r > 50 || (r == 50 && q % 2 == 1)) ++q;
  return q;
}

TColor Near(TColor c, TNearestColorFunc near) { return near ? near(c) : c; }

// A channel of caption(1) and caption(0) of the button face.
int CaptionLight(int v) { return v * 127 / 255 + 128; }
int CaptionDark(int v) { return v + 4 - 4 * v / 255; }

// The entries each colour scheme lists: normal colour, homestead, metallic.
struct TSchemeRow {
  int Entry;
  TColor Colors[3];
};
constexpr TSchemeRow kSchemeTable[] = {
    {1, {0xF5BE9E, 0xA7D9D9, 0xE5D7D7}},  {2, {0xF9DAC3, 0xE4F0F2, 0xF7F3F3}},  {3, {0xFEECDD, 0xDEF7F4, 0xFAF4F3}},
    {4, {0xE2A981, 0x91C6B7, 0xB59799}},  {5, {0xF1A675, 0x8CC2B0, 0xC8B2B3}},  {6, {0xD3F8FF, 0xD3F8FF, 0xD3F8FF}},
    {7, {0x5295FE, 0x5295FE, 0x5295FE}},  {8, {0x913500, 0x6B7760, 0x927476}},  {9, {0x76C1FF, 0x76C1FF, 0x76C1FF}},
    {10, {0x98DDFF, 0x98DDFF, 0x98DDFF}}, {11, {0x9C613B, 0x588060, 0x947C7C}}, {12, {0xE0A47B, 0x8FC4B5, 0xB09193}},
    {19, {0x764127, 0x335E51, 0x755454}}, {20, {0xFFFFFF, 0xFFFFFF, 0xFFFFFF}}, {21, {0xCB8C6A, 0x588060, 0x8F6D6E}},
    {22, {0xFFF9F1, 0xDEF7F4, 0xFFFFFF}}, {23, {0x000000, 0x000000, 0x000000}}, {24, {0xFFFFFF, 0xFFFFFF, 0xFFFFFF}},
    {25, {0xC9662A, 0x5E8674, 0x99797A}}, {26, {0xF9DBC4, 0xADDEE1, 0xE4DADB}}, {29, {0xFFFFFF, 0xFFFFFF, 0xFFFFFF}},
    {30, {0x000000, 0x000000, 0x000000}}, {31, {0x000000, 0x000000, 0x000000}}, {32, {0xF6F6F6, 0xEEF4F4, 0xFFFAFD}},
    {39, {0x962D00, 0x5E8D75, 0x947C7C}}, {41, {0xC2EEFF, 0xC2EEFF, 0xC2EEFF}}, {42, {0x800000, 0x385D3F, 0x6F4B4B}},
    {43, {0xCCF4FF, 0xCCF4FF, 0xCCF4FF}}, {44, {0x91D0FF, 0x91D0FF, 0x91D0FF}}, {45, {0x8ED3FF, 0x8ED3FF, 0x8ED3FF}},
    {46, {0x4E91FE, 0x4E91FE, 0x4E91FE}}, {47, {0xFCE1CB, 0xB6E3D8, 0xE7D3D6}}, {48, {0x6FC0FF, 0x6FC0FF, 0x6FC0FF}},
    {49, {0x3E80FE, 0x3E80FE, 0x3E80FE}}, {50, {0xF0C7A9, 0x9FD4C5, 0xD3C0C0}}, {52, {0x000000, 0x000000, 0x000000}},
    {53, {0x8D8D8D, 0x8D8D8D, 0x8D8D8D}}, {59, {0xFBDABE, 0x91BAAF, 0xEBE5E5}}, {60, {0x94E6FB, 0x94E6FB, 0x94E6FB}},
    {61, {0x962D00, 0x588060, 0x947C7C}}, {62, {0xFADAC4, 0xE4F1F2, 0xF7F3F3}}, {63, {0xC9EDFD, 0xC9EDFD, 0xC9EDFD}},
    {64, {0xB96837, 0x548973, 0x916F70}}, {66, {0x962D00, 0x5E8D75, 0x947C7C}}, {67, {0xFBE5D3, 0xDBF5F2, 0xF8F1F0}},
    {68, {0xE4AE88, 0x97C9BC, 0xBA9EA0}}, {69, {0xDCFFFF, 0xDCFFFF, 0xDCFFFF}}, {70, {0x5BC0F7, 0x5BC0F7, 0x5BC0F7}},
    {71, {0x94E6FB, 0x94E6FB, 0x94E6FB}}, {72, {0x1595EE, 0x1595EE, 0x1595EE}}, {73, {0x087FE8, 0x087FE8, 0x087FE8}},
    {74, {0x7CDAF7, 0x7CDAF7, 0x7CDAF7}}, {75, {0xD68759, 0x82C0AF, 0xBFA7A8}}, {76, {0x933803, 0x447A63, 0x916F70}},
    {77, {0xFFFFFF, 0xFFFFFF, 0xFFFFFF}},
};

// Every entry by its classic rule, save those every case derives alike.
void ComputeClassicEntries(TOffice11Colors& e, const TOffice11SystemColors& s, TNearestColorFunc near) {
  auto mix = [near](TColor a, TColor b, int p) { return BlendColorsRGB(a, b, p, near); };
  auto light = [&s](int a, int b, int c) { return MixSystemColorsRGB(s, a, b, c); };
  e[1] = s.BtnFace;
  e[2] = mix(s.BtnFace, s.Window, 20);
  e[3] = mix(s.BtnFace, s.Window, 22);
  e[4] = mix(s.BtnFace, s.Window, 96);
  e[5] = mix(s.BtnShadow, s.Window, 74);
  e[6] = Near(light(-15, 29, 86), near);
  e[7] = Near(light(42, 11, 47), near);
  e[8] = s.BtnShadow;
  e[9] = Near(light(-15, 29, 86), near);
  e[10] = Near(light(42, 11, 47), near);
  e[11] = mix(s.BtnFace, s.Window, 85);
  e[12] = s.BtnFace;
  e[13] = mix(e[8], s.Window, 50);
  e[14] = mix(e[9], s.Window, 50);
  e[15] = mix(e[10], s.Window, 50);
  e[19] = mix(s.BtnShadow, s.Window, 76);
  e[20] = s.Window;
  e[21] = mix(s.BtnShadow, s.Window, 70);
  e[22] = clWhite;
  e[23] = s.BtnText;
  e[24] = s.Window;
  e[25] = s.BtnShadow;
  e[26] = e[4];
  e[29] = s.BtnHighlight;
  e[30] = s.BtnText;
  e[31] = s.BtnText;
  e[32] = s.Window;
  e[39] = s.BtnShadow;
  e[41] = Near(light(-2, 30, 72), near);
  e[42] = s.Highlight;
  e[43] = e[41];
  e[44] = e[41];
  e[47] = e[4];
  e[48] = light(41, 11, 48);
  e[49] = Near(light(14, 44, 40), near);
  e[45] = e[49];  // the pressed faces take the pressed gradient colour listed after them
  e[46] = e[49];
  e[50] = e[47];
  e[52] = s.BtnText;
  e[53] = s.GrayText;
  e[59] = s.BtnFace;
  e[60] = e[48];
  e[61] = e[39];
  e[62] = e[1];
  e[63] = s.BtnFace;
  e[64] = s.BtnShadow;
  e[65] = s.BtnShadow;
  e[66] = Near(s.BtnShadow, near);
  const TColor f = s.BtnFace;
  e[67] = Near(RGBColor(CaptionLight(Red(f)), CaptionLight(Green(f)), CaptionLight(Blue(f))), near);
  e[68] = Near(RGBColor(CaptionDark(Red(f)), CaptionDark(Green(f)), CaptionDark(Blue(f))), near);
  e[69] = e[43];
  e[70] = e[44];
  e[71] = e[48];
  e[72] = e[48];
  e[73] = e[49];
  e[74] = e[49];
  e[75] = e[66];
  e[76] = e[66];
  e[77] = s.HighlightText;
  e[78] = Near(s.BtnFace, near);
  e[79] = e[66];
}

void ComputeSchemeEntries(TOffice11Colors& e, TOffice11Scheme scheme, TNearestColorFunc near) {
  const int column = int(scheme) - 1;
  for (const TSchemeRow& row : kSchemeTable) e[row.Entry] = row.Colors[column];
  e[13] = BlendColorsRGB(e[5], e[3], 90, near);
  e[14] = BlendColorsRGB(e[6], e[3], 90, near);
  e[15] = BlendColorsRGB(e[7], e[3], 90, near);
  e[65] = e[12];
  e[78] = e[75];
  e[79] = e[76];
}

// The rows every case derives alike, in table order.
void ComputeCommonEntries(TOffice11Colors& e, TNearestColorFunc near) {
  auto mix = [near](TColor a, TColor b, int p) { return BlendColorsRGB(a, b, p, near); };
  e[16] = mix(e[8], e[12], 50);
  e[17] = mix(e[9], e[12], 50);
  e[18] = mix(e[10], e[12], 50);
  e[27] = e[3];
  e[28] = e[25];
  e[33] = e[3];
  e[34] = e[4];
  e[35] = e[3];
  e[36] = e[4];
  e[37] = mix(e[3], clBlack, 92);
  e[38] = mix(e[36], clBlack, 92);
  e[40] = e[32];
  e[51] = e[41];
  e[54] = e[39];
  e[55] = e[1];
  e[56] = e[16];
  e[57] = e[29];
  e[58] = e[39];
}

}  // namespace

TColor BlendColorsRGB(TColor A, TColor B, int APercent, TNearestColorFunc ANear) {
  auto channel = [APercent](int a, int b) {
    return ClampChannel(RoundHundredths(a * APercent) + RoundHundredths(b * (100 - APercent)));
  };
  return Near(RGBColor(channel(Red(A), Red(B)), channel(Green(A), Green(B)), channel(Blue(A), Blue(B))), ANear);
}

TColor MixSystemColorsRGB(const TOffice11SystemColors& AColors, int AFacePercent, int AHighlightPercent,
                          int AWindowPercent) {
  const TColor face = AColors.BtnFace & 0xFFFFFF, highlight = AColors.Highlight, window = AColors.Window;
  if (face == clBlack || face == clWhite) return highlight;
  auto channel = [&](int (*part)(TColor)) {
    return ClampChannel(RoundHundredths(part(face) * AFacePercent) +
                        RoundHundredths(part(highlight) * AHighlightPercent) +
                        RoundHundredths(part(window) * AWindowPercent));
  };
  return RGBColor(channel(Red), channel(Green), channel(Blue));
}

TColor ScaleColorChannelsRGB(TColor AColor, int APercent) {
  auto channel = [APercent](int v) { return ClampChannel(RoundHundredths(v * APercent)); };
  return RGBColor(channel(Red(AColor)), channel(Green(AColor)), channel(Blue(AColor)));
}

TColor ScaleColorBrightnessRGB(TColor AColor, int APercent) {
  const int top = std::max({Red(AColor), Green(AColor), Blue(AColor)});
  if (top == 0 || APercent <= 0) return APercent <= 0 ? RGBColor(0, 0, 0) : AColor;
  // Channel v becomes v * newTop / top, newTop = min(top * APercent / 100, 255):
  // one exact fraction per case, so no channel is rounded twice.
  const bool capped = int64_t(top) * APercent >= 25500;
  const int64_t num = capped ? 255 : APercent, den = capped ? top : 100;
  auto channel = [&](int v) {
    const int64_t n = v * num;
    int64_t q = n / den;
    const int64_t twice = 2 * (n % den);
    if (twice > den || (twice == den && q % 2 == 1)) ++q;
    return ClampChannel(int(q));
  };
  return RGBColor(channel(Red(AColor)), channel(Green(AColor)), channel(Blue(AColor)));
}

TOffice11Scheme Office11SchemeFromNames(const String& AThemeFile, const String& AColorName, bool AAnyThemeFile) {
  if (!AAnyThemeFile && UpperCase(ExtractFileName(AThemeFile)) != L"LUNA.MSSTYLES") return o11sNone;
  const String color = UpperCase(AColorName);
  if (color == L"NORMALCOLOR") return o11sNormalColor;
  if (color == L"HOMESTEAD") return o11sHomestead;
  if (color == L"METALLIC") return o11sMetallic;
  return o11sNone;
}

int Office11SplitPercent(TOffice11Scheme AScheme) {
  switch (AScheme) {
    case o11sNormalColor: return 41;
    case o11sHomestead: return 125;
    case o11sMetallic: return 40;
    default: return 75;
  }
}

TOffice11Colors ComputeOffice11ColorTable(TOffice11Scheme AScheme, const TOffice11SystemColors& ASystem,
                                          TNearestColorFunc ANear) {
  TOffice11Colors e{};
  if (AScheme == o11sNone) ComputeClassicEntries(e, ASystem, ANear);
  else ComputeSchemeEntries(e, AScheme, ANear);
  ComputeCommonEntries(e, ANear);
  return e;
}

// --- Gradients ----------------------------------------------------------------------------
namespace {
// C1 + MulDiv(i, C2 - C1, count) per channel; a single step stays at C1.
TColor StepColor(TColor c1, TColor c2, int i, int count) {
  if (count <= 0) return c1;
  auto channel = [=](int (*part)(TColor)) {
    return ClampChannel(part(c1) + MulDivRounded(i, part(c2) - part(c1), count));
  };
  return RGBColor(channel(Red), channel(Green), channel(Blue));
}
}  // namespace

std::vector<TOffice11Band> GradientBands(int AExtent, TColor AColor1, TColor AColor2) {
  std::vector<TOffice11Band> bands;
  if (AExtent <= 0) return bands;
  const int m = std::min(AExtent, 256);
  for (int i = 0; i < m; ++i) {
    TOffice11Band band{MulDivRounded(i, AExtent, m), MulDivRounded(i + 1, AExtent, m),
                       StepColor(AColor1, AColor2, i, m - 1)};
    if (band.From >= AExtent) break;
    band.To = std::min(band.To, AExtent);
    if (band.To > band.From) bands.push_back(band);
  }
  return bands;
}

TColor GradientBandColorAt(int AOffset, int AExtent, TColor AColor1, TColor AColor2) {
  if (AExtent <= 0) return AColor1;
  const int m = std::min(AExtent, 256);
  int index = std::clamp(MulDivRounded(AOffset + 1, m, AExtent) - 1, 0, m - 1);
  // The estimate can miss by a band where the bands' rounded edges fall
  // otherwise; the answer is the band that really holds the offset.
  while (index > 0 && MulDivRounded(index, AExtent, m) > AOffset) --index;
  while (index < m - 1 && MulDivRounded(index + 1, AExtent, m) <= AOffset) ++index;
  return StepColor(AColor1, AColor2, index, m - 1);
}

std::vector<TColor> SplitGradientLines(int AExtent, TColor AColor1, TColor AColor2, int AK) {
  std::vector<TColor> lines;
  if (AExtent <= 0) return lines;
  auto middleChannel = [=](int (*part)(TColor)) {
    return ClampChannel(part(AColor1) - MulDivRounded(part(AColor1) - part(AColor2), AK, 200));
  };
  const TColor middle = RGBColor(middleChannel(Red), middleChannel(Green), middleChannel(Blue));
  const int half = AExtent / 2;
  lines.reserve(std::size_t(AExtent));
  for (int i = 0; i < AExtent; ++i) {
    if (i < half) lines.push_back(StepColor(AColor1, middle, i, half));
    else lines.push_back(StepColor(middle, AColor2, i - half, AExtent - 1 - half));
  }
  return lines;
}

// --- Grip dots and arrows -----------------------------------------------------------------
std::vector<TPoint> GripDotCells(const TRect& R, bool AVertical) {
  std::vector<TPoint> cells;
  const int start = AVertical ? R.Top : R.Left, end = AVertical ? R.Bottom : R.Right;
  if (end - start < 4) return cells;
  const int r = (end - start) % 4;
  for (int at = start + (r < 2 ? r : r / 2); at + 4 <= end; at += 4)
    cells.push_back(AVertical ? TPoint{R.Left, at} : TPoint{at, R.Top});
  return cells;
}

std::array<TRect, 3> ResizeGripStrips(const TRect& R) {
  std::array<TRect, 3> strips;
  TRect strip{R.Right - 12, R.Bottom - 3, R.Right, R.Bottom};
  for (TRect& s : strips) {
    s = strip;
    strip.Left += 4;
    strip.Top -= 4;
    strip.Bottom -= 4;
  }
  return strips;
}

int Office11ArrowSizeInRect(const TRect& R, bool ADown) {
  const int e = ADown ? (R.Right - R.Left) - 8 : (R.Bottom - R.Top) - 6;
  int size = (e - 1) / 2;
  if (e % 2 != 0) ++size;
  return std::max(size, 3);
}

std::array<TPoint, 3> Office11ArrowPoints(const TRect& R, bool ADown, int ASize) {
  const int base = 2 * ASize - 1;
  if (ADown) {
    const int x = R.Left + (R.Right - R.Left - base) / 2, y = R.Top + (R.Bottom - R.Top - ASize) / 2;
    return {TPoint{x, y}, TPoint{x + base - 1, y}, TPoint{x + ASize - 1, y + ASize - 1}};
  }
  const int x = R.Left + (R.Right - R.Left - ASize) / 2, y = R.Top + (R.Bottom - R.Top - base) / 2;
  return {TPoint{x, y}, TPoint{x + ASize - 1, y + ASize - 1}, TPoint{x, y + base - 1}};
}
