#include "cxColorComboBox.h"

#include <algorithm>
#include <cstdio>
#include <cwctype>

namespace {

// A TColor from the red, green and blue of an "rrggbb" value as colour tables write it.
constexpr TColor Web(unsigned ARgb) {
  return TColor(((ARgb & 0xFF) << 16) | (ARgb & 0xFF00) | ((ARgb >> 16) & 0xFF));
}

// The component library's colour constants are the runtime's colour names, in its order.
const std::vector<TcxNamedColor>& TesmarColors() {
  static const std::vector<TcxNamedColor> table = [] {
    std::size_t count = 0;
    const TIdentMapEntry* entries = ColorIdentTable(count);
    std::vector<TcxNamedColor> result;
    for (std::size_t i = 0; i < count; ++i) result.push_back({TColor(entries[i].Value), entries[i].Name});
    return result;
  }();
  return table;
}

const std::vector<TcxNamedColor> GHtml4Colors = {
    {Web(0x000000), L"Black"},  {Web(0xC0C0C0), L"Silver"}, {Web(0x808080), L"Gray"},   {Web(0xFFFFFF), L"White"},
    {Web(0x800000), L"Maroon"}, {Web(0xFF0000), L"Red"},    {Web(0x800080), L"Purple"}, {Web(0xFF00FF), L"Fuchsia"},
    {Web(0x008000), L"Green"},  {Web(0x00FF00), L"Lime"},   {Web(0x808000), L"Olive"},  {Web(0xFFFF00), L"Yellow"},
    {Web(0x000080), L"Navy"},   {Web(0x0000FF), L"Blue"},   {Web(0x008080), L"Teal"},   {Web(0x00FFFF), L"Aqua"},
};

// By hue, the order of cxplX11Ordered.
const std::vector<TcxNamedColor> GX11ByHue = {
    {Web(0xFFB6C1), L"LightPink"},        {Web(0xFFC0CB), L"Pink"},
    {Web(0xDC143C), L"Crimson"},          {Web(0xFFF0F5), L"LavenderBlush"},
    {Web(0xDB7093), L"PaleVioletRed"},    {Web(0xFF69B4), L"HotPink"},
    {Web(0xFF1493), L"DeepPink"},         {Web(0xC71585), L"MediumVioletRed"},
    {Web(0xDA70D6), L"Orchid"},           {Web(0xD8BFD8), L"Thistle"},
    {Web(0xDDA0DD), L"Plum"},             {Web(0xEE82EE), L"Violet"},
    {Web(0xFF00FF), L"Magenta"},          {Web(0xFF00FF), L"Fuchsia"},
    {Web(0x8B008B), L"DarkMagenta"},      {Web(0x800080), L"Purple"},
    {Web(0xBA55D3), L"MediumOrchid"},     {Web(0x9400D3), L"DarkViolet"},
    {Web(0x9932CC), L"DarkOrchid"},       {Web(0x4B0082), L"Indigo"},
    {Web(0x8A2BE2), L"BlueViolet"},       {Web(0x9370DB), L"MediumPurple"},
    {Web(0x7B68EE), L"MediumSlateBlue"},  {Web(0x6A5ACD), L"SlateBlue"},
    {Web(0x483D8B), L"DarkSlateBlue"},    {Web(0xE6E6FA), L"Lavender"},
    {Web(0xF8F8FF), L"GhostWhite"},       {Web(0x0000FF), L"Blue"},
    {Web(0x0000CD), L"MediumBlue"},       {Web(0x191970), L"MidnightBlue"},
    {Web(0x00008B), L"DarkBlue"},         {Web(0x000080), L"Navy"},
    {Web(0x4169E1), L"RoyalBlue"},        {Web(0x6495ED), L"CornflowerBlue"},
    {Web(0xB0C4DE), L"LightSteelBlue"},   {Web(0x778899), L"LightSlateGray"},
    {Web(0x708090), L"SlateGray"},        {Web(0x1E90FF), L"DodgerBlue"},
    {Web(0xF0F8FF), L"AliceBlue"},        {Web(0x4682B4), L"SteelBlue"},
    {Web(0x87CEFA), L"LightSkyBlue"},     {Web(0x87CEEB), L"SkyBlue"},
    {Web(0x00BFFF), L"DeepSkyBlue"},      {Web(0xADD8E6), L"LightBlue"},
    {Web(0xB0E0E6), L"PowderBlue"},       {Web(0x5F9EA0), L"CadetBlue"},
    {Web(0xF0FFFF), L"Azure"},            {Web(0xE0FFFF), L"LightCyan"},
    {Web(0xAFEEEE), L"PaleTurquoise"},    {Web(0x00FFFF), L"Cyan"},
    {Web(0x00FFFF), L"Aqua"},             {Web(0x00CED1), L"DarkTurquoise"},
    {Web(0x2F4F4F), L"DarkSlateGray"},    {Web(0x008B8B), L"DarkCyan"},
    {Web(0x008080), L"Teal"},             {Web(0x48D1CC), L"MediumTurquoise"},
    {Web(0x20B2AA), L"LightSeaGreen"},    {Web(0x40E0D0), L"Turquoise"},
    {Web(0x7FFFD4), L"Aquamarine"},       {Web(0x66CDAA), L"MediumAquamarine"},
    {Web(0x00FA9A), L"MediumSpringGreen"}, {Web(0xF5FFFA), L"MintCream"},
    {Web(0x00FF7F), L"SpringGreen"},      {Web(0x3CB371), L"MediumSeaGreen"},
    {Web(0x2E8B57), L"SeaGreen"},         {Web(0xF0FFF0), L"Honeydew"},
    {Web(0x90EE90), L"LightGreen"},       {Web(0x98FB98), L"PaleGreen"},
    {Web(0x8FBC8F), L"DarkSeaGreen"},     {Web(0x32CD32), L"LimeGreen"},
    {Web(0x00FF00), L"Lime"},             {Web(0x228B22), L"ForestGreen"},
    {Web(0x008000), L"Green"},            {Web(0x006400), L"DarkGreen"},
    {Web(0x7FFF00), L"Chartreuse"},       {Web(0x7CFC00), L"LawnGreen"},
    {Web(0xADFF2F), L"GreenYellow"},      {Web(0x556B2F), L"DarkOliveGreen"},
    {Web(0x9ACD32), L"YellowGreen"},      {Web(0x6B8E23), L"OliveDrab"},
    {Web(0xF5F5DC), L"Beige"},            {Web(0xFAFAD2), L"LightGoldenrodYellow"},
    {Web(0xFFFFF0), L"Ivory"},            {Web(0xFFFFE0), L"LightYellow"},
    {Web(0xFFFF00), L"Yellow"},           {Web(0x808000), L"Olive"},
    {Web(0xBDB76B), L"DarkKhaki"},        {Web(0xFFFACD), L"LemonChiffon"},
    {Web(0xEEE8AA), L"PaleGoldenrod"},    {Web(0xF0E68C), L"Khaki"},
    {Web(0xFFD700), L"Gold"},             {Web(0xFFF8DC), L"Cornsilk"},
    {Web(0xDAA520), L"Goldenrod"},        {Web(0xB8860B), L"DarkGoldenrod"},
    {Web(0xFFFAF0), L"FloralWhite"},      {Web(0xFDF5E6), L"OldLace"},
    {Web(0xF5DEB3), L"Wheat"},            {Web(0xFFE4B5), L"Moccasin"},
    {Web(0xFFA500), L"Orange"},           {Web(0xFFEFD5), L"PapayaWhip"},
    {Web(0xFFEBCD), L"BlanchedAlmond"},   {Web(0xFFDEAD), L"NavajoWhite"},
    {Web(0xFAEBD7), L"AntiqueWhite"},     {Web(0xD2B48C), L"Tan"},
    {Web(0xDEB887), L"BurlyWood"},        {Web(0xFFE4C4), L"Bisque"},
    {Web(0xFF8C00), L"DarkOrange"},       {Web(0xFAF0E6), L"Linen"},
    {Web(0xCD853F), L"Peru"},             {Web(0xFFDAB9), L"PeachPuff"},
    {Web(0xF4A460), L"SandyBrown"},       {Web(0xD2691E), L"Chocolate"},
    {Web(0x8B4513), L"SaddleBrown"},      {Web(0xFFF5EE), L"Seashell"},
    {Web(0xA0522D), L"Sienna"},           {Web(0xFFA07A), L"LightSalmon"},
    {Web(0xFF7F50), L"Coral"},            {Web(0xFF4500), L"OrangeRed"},
    {Web(0xE9967A), L"DarkSalmon"},       {Web(0xFF6347), L"Tomato"},
    {Web(0xFFE4E1), L"MistyRose"},        {Web(0xFA8072), L"Salmon"},
    {Web(0xFFFAFA), L"Snow"},             {Web(0xF08080), L"LightCoral"},
    {Web(0xBC8F8F), L"RosyBrown"},        {Web(0xCD5C5C), L"IndianRed"},
    {Web(0xFF0000), L"Red"},              {Web(0xA52A2A), L"Brown"},
    {Web(0xB22222), L"FireBrick"},        {Web(0x8B0000), L"DarkRed"},
    {Web(0x800000), L"Maroon"},           {Web(0xFFFFFF), L"White"},
    {Web(0xF5F5F5), L"WhiteSmoke"},       {Web(0xDCDCDC), L"Gainsboro"},
    {Web(0xD3D3D3), L"LightGrey"},        {Web(0xC0C0C0), L"Silver"},
    {Web(0xA9A9A9), L"DarkGray"},         {Web(0x808080), L"Gray"},
    {Web(0x696969), L"DimGray"},          {Web(0x000000), L"Black"},
};

int CompareNoCase(const wchar_t* A, const wchar_t* B) {
  for (;; ++A, ++B) {
    const wint_t a = std::towlower(wint_t(*A)), b = std::towlower(wint_t(*B));
    if (a != b || a == 0) return int(a) - int(b);
  }
}

const std::vector<TcxNamedColor>& X11Alphabetical() {
  static const std::vector<TcxNamedColor> table = [] {
    std::vector<TcxNamedColor> sorted = GX11ByHue;
    std::stable_sort(sorted.begin(), sorted.end(), [](const TcxNamedColor& A, const TcxNamedColor& B) {
      return CompareNoCase(A.Name, B.Name) < 0;
    });
    return sorted;
  }();
  return table;
}

}  // namespace

const std::vector<TcxNamedColor>& ColorTable(TcxColorPrepareList AKind) {
  static const std::vector<TcxNamedColor> none;
  switch (AKind) {
    case cxplTesmar: return TesmarColors();
    case cxplHTML4: return GHtml4Colors;
    case cxplX11: return X11Alphabetical();
    case cxplX11Ordered: return GX11ByHue;
    default: return none;
  }
}

std::vector<TcxNamedColor> PreparedColors(TcxColorPrepareList AKind) {
  std::vector<TcxNamedColor> result;
  for (const TcxNamedColor& entry : ColorTable(AKind)) {
    const bool listed = std::any_of(result.begin(), result.end(),
                                    [&](const TcxNamedColor& R) { return R.Color == entry.Color; });
    if (!listed) result.push_back(entry);
  }
  return result;
}

bool FindColorName(TColor AColor, TcxColorNamingConvention AConvention, String& AName) {
  TcxColorPrepareList table = cxplNone;
  switch (AConvention) {
    case cxncTesmar: table = cxplTesmar; break;
    case cxncHTML4: table = cxplHTML4; break;
    case cxncX11: table = cxplX11; break;
    default: return false;
  }
  for (const TcxNamedColor& entry : ColorTable(table))
    if (entry.Color == AColor) {
      AName = entry.Name;
      return true;
    }
  return false;
}

String FormatColorValue(TColor AColor, TColor ARgb, TcxColorValueFormat AFormat) {
  const unsigned r = unsigned(ARgb) & 0xFF, g = (unsigned(ARgb) >> 8) & 0xFF, b = (unsigned(ARgb) >> 16) & 0xFF;
  wchar_t buffer[40];
  switch (AFormat) {
    case cxcvRGB: std::swprintf(buffer, 40, L"%u.%u.%u", r, g, b); break;
    case cxcvHexadecimal: std::swprintf(buffer, 40, L"$%.2x%.2x%.2x", r, g, b); break;
    default: std::swprintf(buffer, 40, L"%d", int(AColor)); break;
  }
  return buffer;
}

String ColorName(TColor AColor, TColor ARgb, const String& ADescription, TcxColorNamingConvention AConvention,
                 TcxColorValueFormat AFormat) {
  if (AConvention == cxncNone) return ADescription;
  String name;
  if (FindColorName(AColor, AConvention, name)) return name;
  return FormatColorValue(AColor, ARgb, AFormat);
}
