// The colour combo box's rules that need no window: the prepared colour
// tables (the component library's colour constants, the HTML 4 colours and
// the X11 colours alphabetically or by hue), the list a prepared kind gives
// with shared colours listed once, and the naming of a colour. The editor is
// in platform/cxColorComboBox_win.h.
#pragma once

#include <vector>

#include "GraphicsColors.h"
#include "System.h"

enum TcxColorNamingConvention { cxncNone, cxncTesmar, cxncHTML4, cxncX11 };
enum TcxColorValueFormat { cxcvRGB, cxcvHexadecimal, cxcvInteger };
enum TcxColorPrepareList { cxplNone, cxplTesmar, cxplHTML4, cxplX11, cxplX11Ordered };

struct TcxNamedColor {
  TColor Color;
  const wchar_t* Name;
};

// A table as it stands: 52, 16, 140 or 140 entries (none for cxplNone); the
// X11 tables hold both Aqua and Cyan, Fuchsia and Magenta.
const std::vector<TcxNamedColor>& ColorTable(TcxColorPrepareList AKind);
// The colours a prepared list adds, in table order, each colour once (of two
// names sharing a colour, the later one is skipped): 52, 16, 138 and 138.
std::vector<TcxNamedColor> PreparedColors(TcxColorPrepareList AKind);

// The first name of the convention's table for the colour; false when it has
// none (or for cxncNone).
bool FindColorName(TColor AColor, TcxColorNamingConvention AConvention, String& AName);
// An unnamed colour as a number: "r.g.b", "$rrggbb" (lower-case hex) or the
// decimal TColor number. ARgb is the colour as red, green and blue (a system
// colour resolved); the integer form writes AColor itself.
String FormatColorValue(TColor AColor, TColor ARgb, TcxColorValueFormat AFormat);
// The naming of a colour: ADescription with cxncNone, else the table name or
// the number.
String ColorName(TColor AColor, TColor ARgb, const String& ADescription, TcxColorNamingConvention AConvention,
                 TcxColorValueFormat AFormat);
