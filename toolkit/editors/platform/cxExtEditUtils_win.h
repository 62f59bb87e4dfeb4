// The extended editors' drawing and measuring helpers. The shift state of the
// keyboard comes from the container unit (GetCurrentShiftState).
#pragma once

#include <windows.h>

#include "Graphics.h"
#include "cxExtEditUtils.h"
#include "cxGraphics_win.h"

// The separator under the recently used entries of a list: two horizontal
// lines from R.Left to R.Right at R.Bottom - 3 and R.Bottom - 1, in clWindow
// when ALight (over a selected row), else in clWindowText.
void DrawDoubleSeparatorLine(TcxCanvas* ACanvas, const TRect& R, bool ALight);

// The height of "Wg" (the width of AText) in the font, measured on a
// temporary bitmap's canvas.
int GetFontTextHeight(TFont* AFont);
int GetFontTextWidth(TFont* AFont, const String& AText);

// The canvas takes AFont; a TrueType font turned by an angle other than a
// whole turn is replaced by a copy whose escapement is that angle. Answers
// whether the font is TrueType (only such fonts can be turned).
bool SetRotatedFont(TCanvas* ACanvas, TFont* AFont, int AAngle);
