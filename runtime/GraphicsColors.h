// Colours of the runtime: the colour type, its named constants and the
// conversions between colours and their names as form and ini files store
// them ("clRed", or "$00BBGGRR" for any other colour). Needs no Win32.
#pragma once

#include <cstddef>
#include <cstdint>

#include "System.h"

// A colour: 0x00BBGGRR for an RGB value; 0xFF000000 + index for a system
// colour; clNone and clDefault for "nothing" and "keep what is there".
using TColor = std::int32_t;

constexpr TColor SystemColor(int index) { return TColor(0xFF000000u | unsigned(index)); }
constexpr bool IsSystemColor(TColor color) { return (std::uint32_t(color) & 0xFF000000u) == 0xFF000000u; }

// Basic colours.
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clLtGray = 0xC0C0C0;
constexpr TColor clDkGray = 0x808080;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;

// Special values.
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// System colours: 0xFF000000 + the platform's colour index.
constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clBackground = SystemColor(1);
constexpr TColor clActiveCaption = SystemColor(2);
constexpr TColor clInactiveCaption = SystemColor(3);
constexpr TColor clMenu = SystemColor(4);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowFrame = SystemColor(6);
constexpr TColor clMenuText = SystemColor(7);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clCaptionText = SystemColor(9);
constexpr TColor clActiveBorder = SystemColor(10);
constexpr TColor clInactiveBorder = SystemColor(11);
constexpr TColor clAppWorkSpace = SystemColor(12);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clInactiveCaptionText = SystemColor(19);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor cl3DDkShadow = SystemColor(21);
constexpr TColor cl3DLight = SystemColor(22);
constexpr TColor clInfoText = SystemColor(23);
constexpr TColor clInfoBk = SystemColor(24);
constexpr TColor clHotLight = SystemColor(26);
constexpr TColor clGradientActiveCaption = SystemColor(27);
constexpr TColor clGradientInactiveCaption = SystemColor(28);
constexpr TColor clMenuHighlight = SystemColor(29);
constexpr TColor clMenuBar = SystemColor(30);

// One entry of an identifier table: a value and its name.
struct TIdentMapEntry {
  int Value;
  const wchar_t* Name;
};

// The colour name table, in the runtime's order (basic colours, the four
// extra colours, then the system and special colours alphabetically).
const TIdentMapEntry* ColorIdentTable(std::size_t& count);

// Name -> colour, ignoring case; false when the name is not in the table.
bool IdentToColor(const String& ident, TColor& color);
// Colour -> its name; false when the colour has none. A colour that more than
// one name shares (clGray and clDkGray) answers the first name in the table.
bool ColorToIdent(TColor color, String& ident);
// The name of the colour, or "$" and eight upper-case hex digits.
String ColorToString(TColor color);
// A colour name, a decimal number or a hex number ("$00FF00", "0xFF00");
// raises EConvertError for anything else.
TColor StringToColor(const String& text);

using TGetStrProc = TMethod<void(const String& S)>;
// Calls proc with every colour name of the table, in table order.
void GetColorValues(TGetStrProc proc);
