#include "cxGeometry.h"

#include <algorithm>

#include "Streaming.h"

namespace {

// Coordinates wrap around as 32-bit integers do on the platform, without the
// undefined behaviour of signed overflow in C++.
std::int32_t Wrap(std::int64_t v) { return std::int32_t(std::uint32_t(std::uint64_t(v))); }

std::int32_t Add(std::int32_t a, std::int64_t b) { return Wrap(std::int64_t(a) + b); }

std::int32_t Half(std::int64_t sum) { return std::int32_t(sum / 2); }  // toward zero

}  // namespace

int GetRectWidth(const TRect& R) { return Wrap(std::int64_t(R.Right) - R.Left); }
int GetRectHeight(const TRect& R) { return Wrap(std::int64_t(R.Bottom) - R.Top); }

bool RectHasNoArea(const TRect& R) { return !(R.Left < R.Right && R.Top < R.Bottom); }
bool RectIsNull(const TRect& R) { return R.Left == 0 && R.Top == 0 && R.Right == 0 && R.Bottom == 0; }
bool RectsEqual(const TRect& A, const TRect& B) { return A == B; }

bool IntersectRects(TRect& R, const TRect& A, const TRect& B) {
  TRect overlap{std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
                std::min(A.Bottom, B.Bottom)};
  if (RectHasNoArea(overlap)) {
    R = TRect{};
    return false;
  }
  R = overlap;
  return true;
}

bool RectsIntersect(const TRect& A, const TRect& B) {
  TRect scratch;
  return IntersectRects(scratch, A, B);
}

TRect UnionRects(const TRect& A, const TRect& B) {
  if (RectHasNoArea(B)) return A;
  return {std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right), std::max(A.Bottom, B.Bottom)};
}

TRect InflateRectXY(const TRect& R, int DX, int DY) { return InflateRectSides(R, DX, DY, DX, DY); }

TRect InflateRectSides(const TRect& R, int DLeft, int DTop, int DRight, int DBottom) {
  return {Add(R.Left, -std::int64_t(DLeft)), Add(R.Top, -std::int64_t(DTop)), Add(R.Right, DRight),
          Add(R.Bottom, DBottom)};
}

TRect ShrinkRectByMargins(const TRect& R, const TRect& M) {
  return InflateRectSides(R, Wrap(-std::int64_t(M.Left)), Wrap(-std::int64_t(M.Top)), Wrap(-std::int64_t(M.Right)),
                          Wrap(-std::int64_t(M.Bottom)));
}

int VertMarginSum(const TRect& M) { return Add(M.Top, M.Bottom); }
int HorzMarginSum(const TRect& M) { return Add(M.Left, M.Right); }

TRect NegateRect(const TRect& R) {
  return {Wrap(-std::int64_t(R.Left)), Wrap(-std::int64_t(R.Top)), Wrap(-std::int64_t(R.Right)),
          Wrap(-std::int64_t(R.Bottom))};
}

TRect SwapRectAxes(const TRect& R) { return {R.Top, R.Left, R.Bottom, R.Right}; }

TRect OffsetRectBy(const TRect& R, int DX, int DY, bool add) {
  std::int64_t dx = add ? DX : -std::int64_t(DX), dy = add ? DY : -std::int64_t(DY);
  return {Add(R.Left, dx), Add(R.Top, dy), Add(R.Right, dx), Add(R.Bottom, dy)};
}

TRect OffsetRectByPoint(const TRect& R, const TPoint& P, bool add) { return OffsetRectBy(R, P.X, P.Y, add); }
TRect OffsetRectHorz(const TRect& R, int DX) { return OffsetRectBy(R, DX, 0); }

bool PointInRect(const TRect& R, const TPoint& P) { return XYInRect(R, P.X, P.Y); }
bool XYInRect(const TRect& R, int X, int Y) { return R.Left <= X && X < R.Right && R.Top <= Y && Y < R.Bottom; }

TPoint RectCenterPoint(const TRect& R) {
  return {Half(std::int64_t(R.Left) + R.Right), Half(std::int64_t(R.Top) + R.Bottom)};
}

TRect CenterRectInRect(const TRect& R, int W, int H) {
  std::int32_t left = Half(std::int64_t(R.Left) + R.Right - W);
  std::int32_t top = Half(std::int64_t(R.Top) + R.Bottom - H);
  return {left, top, Add(left, W), Add(top, H)};
}

TRect CenterSizeInRect(const TRect& R, const TSize& size) { return CenterRectInRect(R, size.cx, size.cy); }

TRect MakeRect(int Left, int Top, int Right, int Bottom) { return {Left, Top, Right, Bottom}; }
TRect RectFromPoints(const TPoint& TopLeft, const TPoint& BottomRight) {
  return {TopLeft.X, TopLeft.Y, BottomRight.X, BottomRight.Y};
}
TRect RectFromSize(const TSize& size) { return {0, 0, size.cx, size.cy}; }
TRect RectFromBounds(int X, int Y, int W, int H) { return {X, Y, Add(X, W), Add(Y, H)}; }

TRect SetRectWidth(const TRect& R, int W) { return {R.Left, R.Top, Add(R.Left, W), R.Bottom}; }
TRect SetRectHeight(const TRect& R, int H) { return {R.Left, R.Top, R.Right, Add(R.Top, H)}; }
TRect PlaceRectLeft(const TRect& R, int X, int W) { return SetRectHorzBounds(R, X, Add(X, W)); }
TRect PlaceRectHorz(const TRect& R, int X, int W) { return PlaceRectLeft(R, X, W); }
TRect MoveRectLeft(const TRect& R, int X) { return PlaceRectLeft(R, X, GetRectWidth(R)); }
TRect PlaceRectRight(const TRect& R, int X, int W) { return SetRectHorzBounds(R, Add(X, -std::int64_t(W)), X); }
TRect PlaceRectTop(const TRect& R, int Y, int H) { return SetRectVertBounds(R, Y, Add(Y, H)); }
TRect PlaceRectBottom(const TRect& R, int Y, int H) { return SetRectVertBounds(R, Add(Y, -std::int64_t(H)), Y); }
TRect SetRectHorzBounds(const TRect& R, int Left, int Right) { return {Left, R.Top, Right, R.Bottom}; }
TRect SetRectVertBounds(const TRect& R, int Top, int Bottom) { return {R.Left, Top, R.Right, Bottom}; }

TPoint MakePoint(int X, int Y) { return {X, Y}; }
TPoint PointFromSize(const TSize& size) { return {size.cx, size.cy}; }
TPoint NegatePoint(const TPoint& P) { return {Wrap(-std::int64_t(P.X)), Wrap(-std::int64_t(P.Y))}; }
bool PointsEqual(const TPoint& A, const TPoint& B) { return A == B; }

TPoint OffsetPoint(const TPoint& P, int DX, int DY, bool add) {
  return add ? TPoint{Add(P.X, DX), Add(P.Y, DY)} : TPoint{Add(P.X, -std::int64_t(DX)), Add(P.Y, -std::int64_t(DY))};
}

TPoint OffsetPointByPoint(const TPoint& P, const TPoint& Q, bool add) { return OffsetPoint(P, Q.X, Q.Y, add); }

TSize MakeSize(int cx, int cy) { return {cx, cy}; }
bool SizesEqual(const TSize& A, const TSize& B) { return A == B; }

// --- TcxRect ----------------------------------------------------------------------------

void TcxRect::SetRect(const TRect& Value) {
  TRect r = Value;
  CorrectRect(r);
  if (r == FRect) return;
  FRect = r;
  if (OnChange) OnChange(this);
}

int TcxRect::GetValue(int Index) const {
  switch (Index) {
    case 0: return FRect.Left;
    case 1: return FRect.Top;
    case 2: return FRect.Right;
    case 3: return FRect.Bottom;
    default: throw EInvalidOperation(L"Rectangle value index out of range (" + std::to_wstring(Index) + L")");
  }
}

void TcxRect::SetValue(int Index, int Value) {
  TRect r = FRect;
  switch (Index) {
    case 0: r.Left = Value; break;
    case 1: r.Top = Value; break;
    case 2: r.Right = Value; break;
    case 3: r.Bottom = Value; break;
    default: throw EInvalidOperation(L"Rectangle value index out of range (" + std::to_wstring(Index) + L")");
  }
  SetRect(r);
}

void TcxRect::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TcxRect*>(Source)) SetRect(source->FRect);
}

// --- TcxSize ----------------------------------------------------------------------------

int TcxSize::GetValue(int Index) const {
  switch (Index) {
    case 0: return FSize.cy;
    case 1: return FSize.cx;
    default: throw EInvalidOperation(L"Size value index out of range (" + std::to_wstring(Index) + L")");
  }
}

void TcxSize::SetSize(const TSize& Value) {
  TSize s{std::max(Value.cx, 0), std::max(Value.cy, 0)};
  if (s == FSize) return;
  FSize = s;
  DoChange();
}

void TcxSize::SetValue(int Index, int Value) {
  TSize s = GetSize();
  switch (Index) {
    case 0: s.cy = Value; break;
    case 1: s.cx = Value; break;
    default: throw EInvalidOperation(L"Size value index out of range (" + std::to_wstring(Index) + L")");
  }
  SetSize(s);
}

void TcxSize::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TcxSize*>(Source))
    SetSize(source->GetSize());
  else
    inherited::Assign(Source);
}

void TcxSize::DoChange() {
  if (OnChange) OnChange(this);
}

// --- Streaming --------------------------------------------------------------------------

VAMIRE_PUBLISHED(TcxRect,
                 Prop(L"Left", &TcxRect::Left, &TcxRect::SetLeft).Default(int64_t(0)),
                 Prop(L"Top", &TcxRect::Top, &TcxRect::SetTop).Default(int64_t(0)),
                 Prop(L"Right", &TcxRect::Right, &TcxRect::SetRight).Default(int64_t(0)),
                 Prop(L"Bottom", &TcxRect::Bottom, &TcxRect::SetBottom).Default(int64_t(0)))

namespace {
// A size value is stored as IsValueStored decides, so a descendant's rule holds.
TPublishedEntry SizeValue(TPublishedEntry entry, int index) {
  entry.Prop.Stored = [index](TObject* o) { return static_cast<TcxSize*>(o)->IsValueStored(index); };
  return std::move(entry).NoDefault();
}
}  // namespace

VAMIRE_PUBLISHED(TcxSize,
                 SizeValue(Prop(L"Height", &TcxSize::Height, &TcxSize::SetHeight), 0),
                 SizeValue(Prop(L"Width", &TcxSize::Width, &TcxSize::SetWidth), 1))

// --- Unit start and end -----------------------------------------------------------------

void cxGeometry_Initialize() { RegisterClass(TcxRect::StaticClass()); }

void cxGeometry_Finalize() { UnRegisterClass(TcxRect::StaticClass()); }

const TUnitEntry cxGeometryUnit{L"cxGeometry", cxGeometry_Initialize, cxGeometry_Finalize};
