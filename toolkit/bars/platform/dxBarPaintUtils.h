// Small fills and edges the bar painters share. Colours go through the colour
// reader (system colours included); brushes made here are deleted at once.
#pragma once

#include <windows.h>

#include "Graphics.h"

namespace dxbar_paint {

inline COLORREF RGBOf(TColor Color) { return COLORREF(ColorToRGB(Color)); }

inline void FillColor(HDC DC, const TRect& R, TColor Color) {
  if (R.Right <= R.Left || R.Bottom <= R.Top) return;
  HBRUSH brush = CreateSolidBrush(RGBOf(Color));
  FillRect(DC, AsRect(R), brush);
  DeleteObject(brush);
}

// The brush when there is one, else the colour.
inline void FillBrush(HDC DC, const TRect& R, HBRUSH Brush, TColor FallBack = clBtnFace) {
  if (Brush)
    FillRect(DC, AsRect(R), Brush);
  else
    FillColor(DC, R, FallBack);
}

inline void Edge(HDC DC, const TRect& R, UINT EdgeKind, UINT Flags = BF_RECT) {
  RECT r{R.Left, R.Top, R.Right, R.Bottom};
  DrawEdge(DC, &r, EdgeKind, Flags);
}

inline TRect Shrunk(const TRect& R, int D) { return TRect{R.Left + D, R.Top + D, R.Right - D, R.Bottom - D}; }

}  // namespace dxbar_paint
