#include "RzCommon.h"

#include <algorithm>
#include <cmath>

#include "SysUtils.h"

// --- Frame styles -------------------------------------------------------------------------
namespace {
const TResStringRec SFrameStyleRange{L"SRzFrameStyleRange", L"Frame style %s is not one of fsNone..fsFlatBold"};
}

const TEnumNames& FrameStyleNames() {
  static const TEnumNames names{VamireEnumNames(static_cast<TFrameStyleEx*>(nullptr)).Names, fsLastFrameStyle + 1};
  return names;
}

void RzCheckFrameStyle(TFrameStyleEx Style) {
  if (Style < fsNone || Style > fsLastFrameStyle)
    throw ERangeError(vamire_detail::FormatRes(&SFrameStyleRange, {IntToStr(int(Style))}));
}

TPublishedEntry FrameStyleProp(TPublishedEntry Entry) {
  Entry.Prop.Names = &FrameStyleNames();
  return Entry;
}

// --- Colours ------------------------------------------------------------------------------
namespace {

// The classic Windows colours, 0x00BBGGRR, by system-colour index.
std::uint32_t ClassicSystemColor(int Index) {
  static const std::uint32_t colors[] = {
      0xC8D0D4, 0xA56E3A, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000, 0x000000, 0xFFFFFF,
      0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4, 0x808080, 0x808080, 0x000000, 0xC8D0D4,
      0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000, 0xE1FFFF, 0xB5B5B5, 0x800000, 0xF0CAA6, 0xC0C0C0, 0x6A240A,
      0xC8D0D4};
  return Index >= 0 && Index < int(std::size(colors)) ? colors[Index] : 0;
}

TSystemColorReader& SystemColorReader() {
  static TSystemColorReader reader = &ClassicSystemColor;
  return reader;
}

int Component(TColor Color, int Shift) { return int((std::uint32_t(Color) >> Shift) & 0xFF); }

std::uint8_t ToScale(double Value) { return std::uint8_t(std::clamp<std::int64_t>(Round(Value * 240), 0, 255)); }

// A component of 0..1 (values beyond either end clamp) as a byte.
int ToByte(double Value) { return int(Round(std::clamp(Value, 0.0, 1.0) * 255)); }

}  // namespace

TSystemColorReader SetSystemColorReader(TSystemColorReader Reader) {
  TSystemColorReader old = SystemColorReader();
  SystemColorReader() = Reader ? Reader : &ClassicSystemColor;
  return old;
}

TColor RzColorToRGB(TColor Color) {
  if (IsSystemColor(Color)) return TColor(SystemColorReader()(Color & 0xFF) & 0xFFFFFF);
  return Color;
}

void SplitColorHls(TColor Color, std::uint8_t& Hue, std::uint8_t& Saturation, std::uint8_t& Luminance) {
  const TColor rgb = RzColorToRGB(Color);
  const double r = Component(rgb, 0) / 255.0, g = Component(rgb, 8) / 255.0, b = Component(rgb, 16) / 255.0;
  const double mx = std::max({r, g, b}), mn = std::min({r, g, b});
  const double l = (mx + mn) / 2;
  double h = 0, s = 0;
  if (mx != mn) {
    const double d = mx - mn;
    s = l < 0.5 ? d / (mx + mn) : d / (2 - mx - mn);
    if (r == mx) h = (g - b) / d;
    else if (g == mx) h = (b - r) / d + 2;
    else h = (r - g) / d + 4;
    h /= 6;
    if (h < 0) h += 1;
  }
  Hue = ToScale(h);
  Saturation = ToScale(s);
  Luminance = ToScale(l);
}

TColor JoinColorHls(std::uint8_t Hue, std::uint8_t Saturation, std::uint8_t Luminance) {
  const double h = Hue / 239.0, s = Saturation / 240.0, l = Luminance / 240.0;
  const double v = l < 0.5 ? l * (1 + s) : l + s - l * s;
  if (v <= 0) return clBlack;
  const double m = 2 * l - v;
  const double sv = (v - m) / v;
  const double h6 = h * 6;
  const int sextant = int(std::trunc(h6));
  const double f = h6 - sextant;
  const double x = v * sv * f, up = m + x, down = v - x;
  double r, g, b;
  switch (sextant) {
    case 1: r = down, g = v, b = m; break;
    case 2: r = m, g = v, b = up; break;
    case 3: r = m, g = down, b = v; break;
    case 4: r = up, g = m, b = v; break;
    case 5: r = v, g = m, b = down; break;
    default: r = v, g = up, b = m; break;  // 0, and 6 when Hue is 239 or more
  }
  return TColor(ToByte(r) | ToByte(g) << 8 | ToByte(b) << 16);
}

TColor ShadeColor(TColor Color, std::uint8_t Amount) {
  std::uint8_t h, s, l;
  SplitColorHls(Color, h, s, l);
  return JoinColorHls(h, s, std::uint8_t(std::max(int(l) - Amount, 0)));
}

TColor TintColor(TColor Color, std::uint8_t Amount) {
  std::uint8_t h, s, l;
  SplitColorHls(Color, h, s, l);
  return JoinColorHls(h, s, std::uint8_t(std::min(int(l) + Amount, 255)));
}

TColor ShiftColorLuminance(TColor Color, int Adjustment) {
  // Amounts beyond a byte would wrap: anything past the scale darkens or lightens fully.
  // The bound is taken before negating, as the most negative int has no positive twin.
  if (Adjustment < 0) return ShadeColor(Color, std::uint8_t(Adjustment < -255 ? 255 : -Adjustment));
  if (Adjustment > 0) return TintColor(Color, std::uint8_t(std::min(Adjustment, 255)));
  return Color;
}

// --- Colour scheme ------------------------------------------------------------------------
namespace {
String NoSchemeName() { return String(); }

TColorSchemeNameReader& SchemeNameReader() {
  static TColorSchemeNameReader reader = &NoSchemeName;
  return reader;
}

TRzXpColorScheme gXpColorScheme = 0;
bool gScreenHasFullColor = true;
}  // namespace

const TRzSchemeColors& SchemeColors(TRzXpColorScheme Scheme) {
  static const TRzSchemeColors table[] = {
      {0x00FFEFE3, 0x00EABB99, 0x00BF7F57},  // default
      {0x00EDFFFF, 0x0092C7B8, 0x0077A17F},  // HOMESTEAD
      {0x00FFF9F9, 0x00D0BCBD, 0x00B19F9F},  // METALLIC
  };
  return table[Scheme < std::size(table) ? Scheme : 0];
}

TRzXpColorScheme SchemeFromColorName(const String& Name) {
  const String name = UpperCase(Name);
  if (name == L"HOMESTEAD") return 1;
  if (name == L"METALLIC") return 2;
  return 0;
}

TColorSchemeNameReader SetColorSchemeNameReader(TColorSchemeNameReader Reader) {
  TColorSchemeNameReader old = SchemeNameReader();
  SchemeNameReader() = Reader ? Reader : &NoSchemeName;
  return old;
}

TRzXpColorScheme ProbeXpColorScheme() {
  try {
    return SchemeFromColorName(SchemeNameReader()());
  } catch (const Exception&) {
    return 0;  // an unreadable key or value is the default scheme
  }
}

TRzXpColorScheme XpColorScheme() { return gXpColorScheme; }
void SetXpColorScheme(TRzXpColorScheme Value) { gXpColorScheme = Value; }
bool ScreenHasFullColor() { return gScreenHasFullColor; }
void SetScreenHasFullColor(bool Value) { gScreenHasFullColor = Value; }

void SchemeGradientColors(TRzGradientColorStyle Style, bool ThemesEnabled, TColor& Start, TColor& Stop) {
  if (Style == gcsMSOffice && ThemesEnabled) {
    Start = SchemeColors(gXpColorScheme).Light;
    Stop = SchemeColors(gXpColorScheme).Medium;
  } else {
    Start = clWindow;
    Stop = ShadeColor(clBtnFace, 10);
  }
}

TColor SchemeFlatColor(TRzGradientColorStyle Style, bool ThemesEnabled) {
  if (Style == gcsMSOffice && ThemesEnabled) return SchemeColors(gXpColorScheme).Dark;
  return TintColor(clBtnShadow, 30);
}

// --- Frame tables -------------------------------------------------------------------------
TRzEdgeColors FrameStyleColors(TFrameStyle Style) {
  static const TRzEdgeColors table[] = {
      {clWindow, clWindow},              // fsNone
      {cl3DDkShadow, cl3DDkShadow},      // fsFlat
      {clBtnShadow, clBtnHighlight},     // fsGroove
      {clBtnHighlight, clBtnShadow},     // fsBump
      {clBtnShadow, clBtnHighlight},     // fsLowered
      {clNone, clNone},                  // fsButtonDown
      {cl3DDkShadow, clBtnFace},         // fsRaised
      {clNone, clNone},                  // fsButtonUp
      {clBtnShadow, clBtnHighlight},     // fsStatus
      {clBtnHighlight, clBtnShadow},     // fsPopup
      {clBtnShadow, clBtnShadow},        // fsFlatBold
  };
  RzCheckFrameStyle(Style);
  return table[Style];
}

bool IsDoubleBevelStyle(TFrameStyleEx Style) {
  return Style == fsRaised || Style == fsLowered || Style == fsButtonUp || Style == fsButtonDown;
}

void DoubleBevelColors(TFrameStyleEx Style, TRzEdgeColors& Outer, TRzEdgeColors& Inner) {
  switch (Style) {
    case fsRaised: Outer = {cl3DLight, cl3DDkShadow}, Inner = {clBtnHighlight, clBtnShadow}; return;
    case fsLowered: Outer = {clBtnShadow, clBtnHighlight}, Inner = {cl3DDkShadow, cl3DLight}; return;
    case fsButtonUp: Outer = {clBtnHighlight, cl3DDkShadow}, Inner = {cl3DLight, clBtnShadow}; return;
    case fsButtonDown: Outer = {clBtnText, clBtnText}, Inner = {clBtnShadow, clBtnShadow}; return;
    default: Outer = Inner = {clNone, clNone}; return;
  }
}

int PanelFrameWidth(TFrameStyleEx Style, int BevelWidth) {
  switch (Style) {
    case fsNone: return 0;
    case fsFlat: return 1;
    case fsStatus: case fsPopup: return BevelWidth;
    default: return 2;
  }
}

int PaneFrameWidth(TFrameStyle Style) {
  switch (Style) {
    case fsNone: return 0;
    case fsFlat: case fsStatus: case fsPopup: return 1;
    default: return 2;
  }
}

// --- Frame controller properties ----------------------------------------------------------
const wchar_t* FrameControllerPropertyName(TRzFrameControllerProperty Property) {
  static const wchar_t* const names[] = {
      L"Color", L"FocusColor", L"DisabledColor", L"ReadOnlyColor", L"ReadOnlyColorOnFocus", L"ParentColor",
      L"FlatButtonColor", L"FlatButtons", L"FrameColor", L"FrameHotColor", L"FrameHotTrack", L"FrameHotStyle",
      L"FrameSides", L"FrameStyle", L"FrameVisible", L"FramingPreference"};
  return Property >= fcpColor && Property < fcpAll ? names[Property] : L"";
}

TRzFrameControllerNotifications AllFrameControllerNotifications() {
  TRzFrameControllerNotifications all;
  for (int i = fcpColor; i < fcpAll; ++i) all.Include(TRzFrameControllerProperty(i));
  return all;
}

// --- Obsolete properties ------------------------------------------------------------------
void TRzOldPropReader::ReadOldSetProp(TReader* Reader) {
  if (Reader->ReadValue() != vaSet) throw EReadError(LoadResString(&SInvalidPropertyValue));
  while (!Reader->ReadStr().empty()) {
  }
}

TRzOldPropReader& OldPropReader() {
  static TRzOldPropReader reader;
  return reader;
}
