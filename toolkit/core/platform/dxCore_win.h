// The parts of dxCore that need the platform's bitmaps: colour packing and
// 32-bit pixel access.
#pragma once

#include <windows.h>

#include "Graphics.h"
#include "dxCore.h"

// The running system's version as it is, not as a compatibility shim reports it.
OSVERSIONINFOW RunningSystemVersion();
// System colours resolved; blue, green, red and alpha from the lowest byte up.
TRGBQuad ColorToRGBQuad(TColor AColor, std::uint8_t AReserved = 0);
// By pixel format (15-bit counts as 16); device and custom formats ask the canvas's device context.
int GetBitmapBitsPerPixel(TBitmap* ABitmap);
// Reads width x height 32-bit pixels, rows from the top when ATopDownOrder.
// False for an empty bitmap or when the system refuses.
bool GetBitmapColors(TBitmap* ABitmap, TRGBColors& AColors, bool ATopDownOrder);
// Writes width x height 32-bit pixels; false for an empty bitmap, too few
// pixels, or when the system refuses.
bool PutBitmapColors(TBitmap* ABitmap, const TRGBColors& AColors, bool ATopDownOrder);
// A 32-bit bitmap's scan lines, row 0 first; other formats leave the array untouched.
void GetBitmapColorsFromScanLines(TBitmap* ABitmap, TRGBColors& AColors);
// At least 32 bits per pixel and some pixel with a non-zero alpha byte.
bool BitmapHasAlpha(TBitmap* ABitmap);
// Every alpha byte of a 32-bit bitmap set to 255, so that it serves as an
// opaque source (GDI+ writes alpha into the bitmaps it draws on).
void MakeBitmapOpaque(TBitmap* ABitmap);
