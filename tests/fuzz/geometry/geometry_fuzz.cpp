// Rectangles, points and sizes as layout code and form files give them, and
// the published rectangle and size objects. Coordinates span what a screen
// or a stored layout can hold (28 bits); the routines must agree with each
// other: an intersection lies in both, a union holds both, an offset or an
// inflation undone gives the rectangle back.
#include "FuzzSupport.h"
#include "cxGeometry.h"

namespace {

int Coord(fuzz::TFuzzReader& in) { return in.Int<int32_t>() >> 4; }
TRect AnyRect(fuzz::TFuzzReader& in) {
  const int l = Coord(in), t = Coord(in), r = Coord(in), b = Coord(in);
  return MakeRect(l, t, r, b);
}
bool Empty(const TRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }
bool Within(const TRect& inner, const TRect& outer) {
  return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right && inner.Bottom <= outer.Bottom;
}

template <class F>
void Raises(F f) {
  try {
    f();
  } catch (const Exception&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 256) return 0;
  fuzz::TFuzzReader in(data, size);
  const TRect a = AnyRect(in), b = AnyRect(in);
  const int dx = Coord(in), dy = Coord(in);

  TRect cut;
  const bool meet = IntersectRects(cut, a, b);
  fuzz::Check(meet == RectsIntersect(a, b), "IntersectRects and RectsIntersect disagree");
  if (meet) fuzz::Check(!Empty(cut) && Within(cut, a) && Within(cut, b), "an intersection leaves a rectangle");
  if (!Empty(a) && !Empty(b)) {
    const TRect all = UnionRects(a, b);
    fuzz::Check(Within(a, all) && Within(b, all), "a union does not hold both rectangles");
  }
  fuzz::Check(RectsEqual(OffsetRectBy(OffsetRectBy(a, dx, dy), dx, dy, false), a), "an offset undone moves the rectangle");
  fuzz::Check(RectsEqual(InflateRectXY(InflateRectXY(a, dx, dy), -dx, -dy), a), "an inflation undone changes the rectangle");
  fuzz::Check(RectsEqual(SwapRectAxes(SwapRectAxes(a)), a), "swapping the axes twice changes the rectangle");
  fuzz::Check(RectsEqual(NegateRect(NegateRect(a)), a), "negating twice changes the rectangle");
  fuzz::Check(GetRectWidth(a) == a.Right - a.Left && GetRectHeight(a) == a.Bottom - a.Top, "width or height is off");
  // The centre rounds toward zero, so only a rectangle at non-negative coordinates must hold it.
  if (!Empty(a) && a.Left >= 0 && a.Top >= 0)
    fuzz::Check(PointInRect(a, RectCenterPoint(a)), "the centre lies outside the rectangle");
  const int w = dx & 0xFFFF, h = dy & 0xFFFF;
  const TRect centred = CenterRectInRect(a, w, h);
  fuzz::Check(GetRectWidth(centred) == w && GetRectHeight(centred) == h, "a centred rectangle has another size");
  fuzz::Check(RectsEqual(RectFromBounds(a.Left, a.Top, w, h), MakeRect(a.Left, a.Top, a.Left + w, a.Top + h)),
              "RectFromBounds is off");
  fuzz::Check(GetRectWidth(SetRectWidth(a, w)) == w && GetRectHeight(SetRectHeight(a, h)) == h, "setting a side is off");

  // The published objects: values set one by one read back; sizes never go negative.
  TcxRect rect(nullptr);
  for (int i = 0; i < 4; ++i) {
    const int v = in.Int<int32_t>();
    rect.SetValue(i, v);
    fuzz::Check(rect.GetValue(i) == v, "a rectangle value does not read back");
  }
  Raises([&] { rect.SetValue(int(in.Int<int8_t>()), 1); });  // an index outside 0..3 is the runtime's error
  TcxSize extent(nullptr);
  extent.SetWidth(in.Int<int32_t>());
  extent.SetHeight(in.Int<int32_t>());
  fuzz::Check(extent.Width() >= 0 && extent.Height() >= 0, "a size went negative");
  Raises([&] { extent.SetValue(int(in.Int<int8_t>()), 1); });
  Raises([&] { extent.GetValue(int(in.Int<int8_t>())); });
  return 0;
}
