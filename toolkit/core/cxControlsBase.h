// The platform-free routines of the base-control unit: accelerator marks,
// typed characters and virtual keys, shift states and mouse-key flags, full
// component names. The routines that ask the system (windows, monitors,
// menus, timers, chained window procedures) are in platform/cxControlsBase_win.h.
#pragma once

#include <cstdint>

#include "Classes.h"

// Mouse-key flags as window messages carry them (the platform's MK_ values).
constexpr std::uint32_t cxMK_LBUTTON = 0x0001;
constexpr std::uint32_t cxMK_RBUTTON = 0x0002;
constexpr std::uint32_t cxMK_SHIFT = 0x0004;
constexpr std::uint32_t cxMK_CONTROL = 0x0008;
constexpr std::uint32_t cxMK_MBUTTON = 0x0010;

// --- Text --------------------------------------------------------------------------------
// A copy without accelerator marks: "&" is dropped and the character after it
// kept ("&&" gives one "&"); a final "&" becomes "_" when MarkLast, else it goes.
AnsiString RemoveAccelerators(const AnsiString& Text, bool MarkLast);
String RemoveAcceleratorsW(const String& Text, bool MarkLast);
// The names of the owners, outermost first, and the component's own, joined
// by "."; empty for null.
String GetFullComponentName(TComponent* Component);

// --- Characters and keys -----------------------------------------------------------------
// What IsNumericInputChar accepts besides signs and digits.
enum TcxNumericInputKind { nikInteger = 0, nikFloat = 1, nikFloatWithExponent = 2 };
// Codes 32 and up.
bool IsTextChar(wchar_t C);
// '+', '-', '0'..'9'; the float kinds also the locale's decimal separator, the
// exponent kind also 'e' and 'E'. Other kinds take only the first set.
bool IsNumericInputChar(wchar_t C, int Kind);
// Keys that type nothing (control, navigation, function, modifier keys); false above 255.
bool IsSpecialVirtualKey(std::uint16_t Key);
inline std::uint16_t NormalizeKeyCode(std::uint16_t Key) { return Key; }

// --- Shift states ------------------------------------------------------------------------
std::uint32_t ShiftStateToMouseKeys(TShiftState Shift);
// None of Shift, Alt, Ctrl, the three buttons or a double click.
bool IsNoKeyOrButtonDown(TShiftState Shift);
// The left button and nothing else; a double click only when AllowDouble.
bool IsLeftButtonOnly(TShiftState Shift, bool AllowDouble);

// --- Components at design time -----------------------------------------------------------
// Not being loaded, written or destroyed.
bool IsComponentReady(TComponent* Component);
