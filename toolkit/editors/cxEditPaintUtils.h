// The measurements the editors' drawing shares, kept apart from any window:
// edit-button widths, arrow sizes, the buttons' content shift, the conversion
// between the canvas's DrawText flags and the text-output flags, and small
// character and shift helpers. The drawing routines and the brush cache are in
// platform/cxEditPaintUtils_win.h.
#pragma once

#include "System.h"
#include "Types.h"
#include "cxEdit.h"

// The border extent of a button that is not drawn natively.
constexpr int cxEditButtonBorderExtent = 4;

// What a button's automatic width depends on.
struct TcxEditButtonWidthParams {
  TcxEditButtonKind Kind = bkDown;
  int Width = 0;           // the button's Width, or the default-width hook's answer
  int BorderExtent = cxEditButtonBorderExtent;
  int GlyphWidth = 0;      // 0: no glyph
  int CaptionWidth = 0;    // text width of the visible caption
  int ScrollBarHeight = 0; // SM_CYHSCROLL
};
// A width input of 1 or more gives max(input, border extent); otherwise a
// glyph button is its glyph plus the border extent, a text button
// max(scroll-bar height, caption + 3 + border extent), any other the scroll-bar height.
int CalcEditButtonAutoWidth(const TcxEditButtonWidthParams& AParams);

// The arrow head for an area: m = the smaller side, a = (m - 1) div 2 made odd;
// a wide and a div 2 + 1 high pointing up or down, swapped for left and right.
TSize ArrowHeadExtent(const TSize& AArea, TcxArrowDirection ADirection);

// The vertical content offset of a button drawn in a style (not natively):
// default 0, 3D 4, every other 2.
int EditButtonContentShift(TcxEditButtonStyle AStyle);

// DrawText flags of the canvas to the text-output flags, and back, bit by bit.
unsigned DrawTextFlagsToTextOutFlags(unsigned AFlags);
unsigned TextOutFlagsToDrawTextFlags(unsigned AFlags);

bool IsDigitChar(wchar_t C);
// 0, 9, 10, 12, 13 and 32.
bool IsSpaceChar(wchar_t C);
// Left, right, middle to the shift bits 8, 16, 32.
unsigned MouseButtonToShift(int AButton);
// 0 none, 1 8, 2 16, 3 32.
unsigned ButtonIndexToShift(int AIndex);
// Raises A's left and top to at least B's.
void RaiseToMinimum(TRect& A, const TRect& B);
// The rectangle moved by P.
TRect OffsetRectBy(const TRect& R, const TPoint& P);

// The sides of DrawEditBorderLines: 1 left, 2 top, 4 right, 8 bottom.
constexpr unsigned cxEditBorderLeft = 1, cxEditBorderTop = 2, cxEditBorderRight = 4, cxEditBorderBottom = 8;
// The one-pixel lines for ASides of R, in the order left, right, top, bottom,
// at the coordinates R had on entry; R shrinks by one on each side drawn.
int CalcEditBorderLines(TRect& R, unsigned ASides, TRect ALines[4]);
