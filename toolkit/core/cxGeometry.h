// Rectangle, point and size arithmetic used by painters and layout code, and
// the two persistent geometry objects (a rectangle and a size with a change
// event) that skin data publishes. Every routine returns a new value.
#pragma once

#include <cstdint>

#include "System.h"
#include "Types.h"

int GetRectWidth(const TRect& R);
int GetRectHeight(const TRect& R);
// True unless Left < Right and Top < Bottom.
bool RectHasNoArea(const TRect& R);
bool RectIsNull(const TRect& R);
bool RectsEqual(const TRect& A, const TRect& B);
// R := the overlap of A and B; without area R is (0, 0, 0, 0) and the answer false.
bool IntersectRects(TRect& R, const TRect& A, const TRect& B);
bool RectsIntersect(const TRect& A, const TRect& B);
// The bounding rectangle of A and B; a B without area is ignored.
TRect UnionRects(const TRect& A, const TRect& B);

TRect InflateRectXY(const TRect& R, int DX, int DY);
TRect InflateRectSides(const TRect& R, int DLeft, int DTop, int DRight, int DBottom);
// M is a rectangle used as four margins.
TRect ShrinkRectByMargins(const TRect& R, const TRect& M);
int VertMarginSum(const TRect& M);
int HorzMarginSum(const TRect& M);
TRect NegateRect(const TRect& R);
// Exchanges the X and Y axes.
TRect SwapRectAxes(const TRect& R);
// Moves by (DX, DY) when add is true, by (-DX, -DY) otherwise.
TRect OffsetRectBy(const TRect& R, int DX, int DY, bool add = true);
TRect OffsetRectByPoint(const TRect& R, const TPoint& P, bool add = true);
TRect OffsetRectHorz(const TRect& R, int DX);

// Right and Bottom are outside.
bool PointInRect(const TRect& R, const TPoint& P);
bool XYInRect(const TRect& R, int X, int Y);
// Rounds toward zero.
TPoint RectCenterPoint(const TRect& R);
TRect CenterRectInRect(const TRect& R, int W, int H);
TRect CenterSizeInRect(const TRect& R, const TSize& size);

TRect MakeRect(int Left, int Top, int Right, int Bottom);
TRect RectFromPoints(const TPoint& TopLeft, const TPoint& BottomRight);
TRect RectFromSize(const TSize& size);
TRect RectFromBounds(int X, int Y, int W, int H);
TRect SetRectWidth(const TRect& R, int W);
TRect SetRectHeight(const TRect& R, int H);
TRect PlaceRectLeft(const TRect& R, int X, int W);
TRect PlaceRectHorz(const TRect& R, int X, int W);
// Left := X with the width kept.
TRect MoveRectLeft(const TRect& R, int X);
TRect PlaceRectRight(const TRect& R, int X, int W);
TRect PlaceRectTop(const TRect& R, int Y, int H);
TRect PlaceRectBottom(const TRect& R, int Y, int H);
TRect SetRectHorzBounds(const TRect& R, int Left, int Right);
TRect SetRectVertBounds(const TRect& R, int Top, int Bottom);

TPoint MakePoint(int X, int Y);
TPoint PointFromSize(const TSize& size);
TPoint NegatePoint(const TPoint& P);
bool PointsEqual(const TPoint& A, const TPoint& B);
TPoint OffsetPoint(const TPoint& P, int DX, int DY, bool add = true);
TPoint OffsetPointByPoint(const TPoint& P, const TPoint& Q, bool add = true);

TSize MakeSize(int cx, int cy);
bool SizesEqual(const TSize& A, const TSize& B);
