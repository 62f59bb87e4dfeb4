// What the edge-blending, special-shape and play-mode windows send (Unit11,
// Unit16, uPlayMode): the blend widths and their labels, the commands of each
// apply button and radio button, and the check of a typed special-shape
// value, kept apart from the windows.
#pragma once

#include <vector>

#include "System.h"

// --- Edge blending ---------------------------------------------------------------------
// The text of a blend width's label after a position change: "调节  " and the
// position, or with the language flag 1 "H. boder " (horizontal) or
// "V. Boder  " (vertical) and the position.
String BlendLabelText(int language, bool vertical, int position);
// The two widths "应用" sends (0x54 horizontal, 1000 ms, 0x55 vertical): the
// bars' positions with the box checked, both 0 without.
struct TBlendWidths {
  int Horizontal = 0;
  int Vertical = 0;
};
TBlendWidths BlendWidths(bool enabled, int horizontalPosition, int verticalPosition);
const int BlendHorizontalCommand = 0x54;
const int BlendVerticalCommand = 0x55;
const int BlendPause = 1000;

// --- Special shape -------------------------------------------------------------------
// An apply button of the special-shape window: its edit field and the two
// commands that carry the value's high and low byte, 100 ms apart.
struct TShapeApplyButton {
  const wchar_t* Button;
  const wchar_t* Edit;
  int HighCommand;
  int LowCommand;
};
const std::vector<TShapeApplyButton>& ShapeApplyButtons();
// The pause between the high and the low byte, in ms.
const int ShapePause = 100;

// A typed value: a decimal integer (else the runtime's invalid-integer
// message) in 0..65535, the two bytes it is sent as (else the range message).
enum class TShapeValueCheck { Valid, NotInteger, OutOfRange };
TShapeValueCheck CheckShapeValue(const String& text, int& value);
// "数值范围：0到65535", or "Value range: 0 to 65535" with the language flag 1.
String ShapeRangeMessage(int language);

// --- Play mode -----------------------------------------------------------------------
// A radio button of the play-mode window and what its mouse-down sends.
struct TPlayModeButton {
  const wchar_t* Button;
  int Command;
  int Parameter;
};
const std::vector<TPlayModeButton>& PlayModeButtons();
