// Two-colour gradients in ten directions, computed on a strip or a quadrant
// and spread by block copies, and the painting of a control's parent
// background into the control's device context (for transparent panels).
#pragma once

#include <windows.h>

#include "Controls.h"
#include "RzCommon.h"

// Fills Rect of the canvas with a gradient from StartColor to StopColor.
// "Horizontal" directions give horizontal bands (start colour at the top for
// gdHorizontalEnd, at both edges for gdHorizontalCenter), "Vertical" ones
// vertical bands; box directions put the stop colour in the centre, the
// diagonals put the start colour in the bottom-left (gdDiagonalUp) or
// top-left (gdDiagonalDown) corner. ColorCount 1 lets every colour change
// start a band. An empty rectangle draws nothing.
void FillGradientArea(TCanvas* Canvas, const TRect& Rect, TGradientDirection Direction, TColor StartColor,
                      TColor StopColor, std::uint8_t ColorCount);

// Paints Control's parent (its erase step, then its client area through
// WM_PRINTCLIENT) into DC, which draws at Control's place. With
// InvalidateParent, a parent that is neither a custom control nor a form is
// invalidated afterwards (not while designing). Nothing without a parent.
void PaintParentBackground(TControl* Control, HDC DC, bool InvalidateParent);

// The fills the gradient is made of, on a DC; exposed for their tests.
namespace rz_gradient {
// The minimum number of interpolation steps merged into one band.
int MergedSteps(std::uint8_t ColorCount, bool BoxFill);
// Bands along x (AX not 0; bands 8 pixels tall) or y (bands 8 wide). A
// negative coordinate runs the colours from the start at 0 to the stop at
// Length - 1; a positive one puts the stop colour at that coordinate and the
// start colour at both ends.
void FillLinearBands(HDC DC, int AX, int AY, int Length, TColor StartColor, TColor StopColor,
                     std::uint8_t ColorCount);
// L-shaped rings in the top-left quadrant of W x H, the stop colour at the
// centre; insets stretch the centre into a bar.
void FillBoxBands(HDC DC, int W, int H, int XInset, int YInset, TColor StartColor, TColor StopColor,
                  std::uint8_t ColorCount);
// Bands parallel to a diagonal, in two passes that meet on it; W negative
// for the falling direction.
void FillDiagonalBands(HDC DC, int W, int H, TColor StartColor, TColor StopColor, std::uint8_t ColorCount);
// Grows a filled block at X, Y by copying it below and beside itself until
// it covers TotalWidth x TotalHeight.
void ReplicateByDoubling(HDC DC, int X, int Y, int TotalWidth, int TotalHeight, int FilledWidth, int FilledHeight,
                         DWORD RasterOp);
// Copies the top-left quadrant of W x H (its columns 0..(W - 1) div 2, rows
// 0..(H - 1) div 2) upside down into the bottom half, then the left half
// mirrored into the right half.
void MirrorQuadrant(HDC DC, int X, int Y, int W, int H, DWORD RasterOp);
}  // namespace rz_gradient
