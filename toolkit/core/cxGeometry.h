// Rectangle, point and size arithmetic used by painters and layout code, and
// the two persistent geometry objects (a rectangle and a size with a change
// event) that skin data publishes. Every routine returns a new value.
#pragma once

#include <cstdint>

#include "Classes.h"
#include "System.h"
#include "Units.h"
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

// --- Persistent geometry objects --------------------------------------------------------

// A published rectangle with a change event. Left, Top, Right and Bottom are
// values 0 to 3 of one indexed property.
class TcxRect : public TPersistent {
  VAMIRE_CLASS(TcxRect, TPersistent)
 public:
  using TCreateArg = TPersistent;
  explicit TcxRect(TPersistent* AOwner) : FOwner(AOwner) {}

  // Stores the rectangle as CorrectRect adjusts it; calls OnChange only when it changed.
  void SetRect(const TRect& Value);
  const TRect& Rect() const { return FRect; }
  int GetValue(int Index) const;
  void SetValue(int Index, int Value);
  int Left() const { return FRect.Left; }
  int Top() const { return FRect.Top; }
  int Right() const { return FRect.Right; }
  int Bottom() const { return FRect.Bottom; }
  void SetLeft(int Value) { SetValue(0, Value); }
  void SetTop(int Value) { SetValue(1, Value); }
  void SetRight(int Value) { SetValue(2, Value); }
  void SetBottom(int Value) { SetValue(3, Value); }

  // Takes a TcxRect's rectangle; any other source is ignored.
  void Assign(TPersistent* Source) override;
  bool IsEqualToRect(const TRect& R) const { return FRect == R; }
  bool IsEqual(const TcxRect* ARect) const { return ARect && FRect == ARect->FRect; }
  TRect* GetRectPtr() { return &FRect; }
  TPersistent* GetOwner() override { return FOwner; }
  TPersistent* Owner() const { return FOwner; }
  TNotifyEvent OnChange;

 protected:
  // Lets a descendant adjust a proposed rectangle.
  virtual void CorrectRect(TRect&) {}

 private:
  TPersistent* FOwner;
  TRect FRect;
};

// A published size with a change event: Height (value 0, cy) and Width
// (value 1, cx), never negative, each streamed only when it is not 0.
class TcxSize : public TPersistent {
  VAMIRE_CLASS(TcxSize, TPersistent)
 public:
  using TCreateArg = TPersistent;
  explicit TcxSize(TPersistent* AOwner) : FOwner(AOwner) {}

  virtual int GetValue(int Index) const;
  virtual bool IsValueStored(int Index) const { return GetValue(Index) != 0; }
  // Clamps both values to at least 0; calls DoChange only when the size changed.
  virtual void SetSize(const TSize& Value);
  void SetValue(int Index, int Value);
  TSize GetSize() const { return MakeSize(GetValue(1), GetValue(0)); }
  int Height() const { return GetValue(0); }
  int Width() const { return GetValue(1); }
  void SetHeight(int Value) { SetValue(0, Value); }
  void SetWidth(int Value) { SetValue(1, Value); }

  // Takes a TcxSize's size; any other source is the runtime's assignment error.
  void Assign(TPersistent* Source) override;
  bool IsZero() const { return GetSize() == TSize{}; }
  bool IsEqualToSize(const TSize& S) const { return GetSize() == S; }
  bool IsEqual(const TcxSize* ASize) const { return ASize && GetSize() == ASize->GetSize(); }
  TSize* GetSizePtr() { return &FSize; }
  TPersistent* GetOwner() override { return FOwner; }
  TPersistent* Owner() const { return FOwner; }
  TNotifyEvent OnChange;

 protected:
  virtual void DoChange();

 private:
  TPersistent* FOwner;
  TSize FSize;
};

// Unit start and end: the geometry objects are known to streaming while the unit runs.
void cxGeometry_Initialize();
void cxGeometry_Finalize();
// The entry for the program's unit list.
extern const TUnitEntry cxGeometryUnit;
