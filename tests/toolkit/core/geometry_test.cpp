// Rectangle, point and size routines, and the persistent geometry objects.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <functional>
#include <ostream>

#include "FormText.h"
#include "cxGeometry.h"

static std::ostream& operator<<(std::ostream& os, const TRect& r) {
  return os << '(' << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ')';
}
static std::ostream& operator<<(std::ostream& os, const TPoint& p) { return os << '(' << p.X << ", " << p.Y << ')'; }

namespace {

const TRect R{10, 20, 50, 80};

struct TRectCase {
  const char* name;
  std::function<TRect()> compute;
  TRect expected;
};

TEST(GeometryTest, RectangleRoutines) {
  const TRectCase cases[] = {
      {"InflateRectXY", [] { return InflateRectXY(R, 2, 3); }, {8, 17, 52, 83}},
      {"InflateRectXY negative", [] { return InflateRectXY(R, -2, -3); }, {12, 23, 48, 77}},
      {"InflateRectSides", [] { return InflateRectSides(R, 1, 2, 3, 4); }, {9, 18, 53, 84}},
      {"ShrinkRectByMargins", [] { return ShrinkRectByMargins(R, {1, 2, 3, 4}); }, {11, 22, 47, 76}},
      {"NegateRect", [] { return NegateRect(R); }, {-10, -20, -50, -80}},
      {"SwapRectAxes", [] { return SwapRectAxes(R); }, {20, 10, 80, 50}},
      {"OffsetRectBy add", [] { return OffsetRectBy(R, 5, -5, true); }, {15, 15, 55, 75}},
      {"OffsetRectBy subtract", [] { return OffsetRectBy(R, 5, -5, false); }, {5, 25, 45, 85}},
      {"OffsetRectByPoint", [] { return OffsetRectByPoint(R, {1, 2}, false); }, {9, 18, 49, 78}},
      {"OffsetRectHorz", [] { return OffsetRectHorz(R, -10); }, {0, 20, 40, 80}},
      {"CenterRectInRect", [] { return CenterRectInRect(R, 10, 20); }, {25, 40, 35, 60}},
      {"CenterRectInRect bigger", [] { return CenterRectInRect({0, 0, 10, 10}, 15, 3); }, {-2, 3, 13, 6}},
      {"CenterRectInRect odd negative", [] { return CenterRectInRect({-5, 0, 0, 0}, 0, 0); }, {-2, 0, -2, 0}},
      {"CenterSizeInRect", [] { return CenterSizeInRect(R, {10, 20}); }, {25, 40, 35, 60}},
      {"MakeRect", [] { return MakeRect(1, 2, 3, 4); }, {1, 2, 3, 4}},
      {"RectFromPoints", [] { return RectFromPoints({1, 2}, {3, 4}); }, {1, 2, 3, 4}},
      {"RectFromSize", [] { return RectFromSize({7, 8}); }, {0, 0, 7, 8}},
      {"RectFromBounds", [] { return RectFromBounds(5, 6, 7, 8); }, {5, 6, 12, 14}},
      {"SetRectWidth", [] { return SetRectWidth(R, 5); }, {10, 20, 15, 80}},
      {"SetRectHeight", [] { return SetRectHeight(R, 5); }, {10, 20, 50, 25}},
      {"PlaceRectLeft", [] { return PlaceRectLeft(R, 100, 5); }, {100, 20, 105, 80}},
      {"PlaceRectHorz", [] { return PlaceRectHorz(R, 100, 5); }, {100, 20, 105, 80}},
      {"MoveRectLeft", [] { return MoveRectLeft(R, 0); }, {0, 20, 40, 80}},
      {"PlaceRectRight", [] { return PlaceRectRight(R, 100, 5); }, {95, 20, 100, 80}},
      {"PlaceRectTop", [] { return PlaceRectTop(R, 0, 5); }, {10, 0, 50, 5}},
      {"PlaceRectBottom", [] { return PlaceRectBottom(R, 100, 5); }, {10, 95, 50, 100}},
      {"SetRectHorzBounds", [] { return SetRectHorzBounds(R, 1, 2); }, {1, 20, 2, 80}},
      {"SetRectVertBounds", [] { return SetRectVertBounds(R, 1, 2); }, {10, 1, 50, 2}},
      {"UnionRects", [] { return UnionRects(R, {0, 30, 20, 100}); }, {0, 20, 50, 100}},
      {"UnionRects empty B far away", [] { return UnionRects(R, {500, 500, 500, 600}); }, R},
      {"UnionRects inverted B", [] { return UnionRects(R, {5, 5, 0, 0}); }, R},
      {"offset wraps like the platform", [] { return OffsetRectBy({INT_MAX, 0, 0, 0}, 1, 0); }, {INT_MIN, 0, 1, 0}},
  };
  for (const TRectCase& c : cases) EXPECT_EQ(c.compute(), c.expected) << c.name;
  EXPECT_EQ(R, (TRect{10, 20, 50, 80})) << "inputs stay unchanged";
}

TEST(GeometryTest, Intersections) {
  struct {
    TRect a, b;
    bool overlaps;
    TRect overlap;
  } const cases[] = {
      {{0, 0, 10, 10}, {5, 5, 20, 20}, true, {5, 5, 10, 10}},
      {{0, 0, 10, 10}, {10, 0, 20, 10}, false, {}},  // touching at the right edge
      {{0, 0, 10, 10}, {0, 10, 10, 20}, false, {}},  // touching at the bottom edge
      {{0, 0, 10, 10}, {2, 2, 3, 3}, true, {2, 2, 3, 3}},
      {{0, 0, 10, 10}, {20, 20, 30, 30}, false, {}},
      {{0, 0, 0, 0}, {0, 0, 0, 0}, false, {}},
  };
  for (const auto& c : cases) {
    TRect out{99, 99, 99, 99};
    EXPECT_EQ(IntersectRects(out, c.a, c.b), c.overlaps) << c.a << " " << c.b;
    EXPECT_EQ(out, c.overlap) << c.a << " " << c.b;
    EXPECT_EQ(RectsIntersect(c.a, c.b), c.overlaps);
  }
}

TEST(GeometryTest, PredicatesAndMeasures) {
  EXPECT_EQ(GetRectWidth(R), 40);
  EXPECT_EQ(GetRectHeight(R), 60);
  EXPECT_EQ(VertMarginSum({1, 2, 3, 4}), 6);
  EXPECT_EQ(HorzMarginSum({1, 2, 3, 4}), 4);
  EXPECT_TRUE(RectHasNoArea({0, 0, 0, 10}));
  EXPECT_TRUE(RectHasNoArea({0, 0, 10, 0}));
  EXPECT_TRUE(RectHasNoArea({10, 0, 0, 10}));
  EXPECT_FALSE(RectHasNoArea({0, 0, 1, 1}));
  EXPECT_TRUE(RectIsNull({}));
  EXPECT_FALSE(RectIsNull({0, 0, 0, 1}));
  EXPECT_TRUE(RectsEqual(R, R));
  EXPECT_FALSE(RectsEqual(R, OffsetRectHorz(R, 1)));

  struct {
    TPoint p;
    bool inside;
  } const points[] = {{{10, 20}, true}, {{49, 79}, true}, {{50, 30}, false}, {{30, 80}, false}, {{9, 30}, false}};
  for (const auto& c : points) {
    EXPECT_EQ(PointInRect(R, c.p), c.inside) << c.p;
    EXPECT_EQ(XYInRect(R, c.p.X, c.p.Y), c.inside) << c.p;
  }
}

TEST(GeometryTest, CenterPointRoundsTowardZero) {
  struct {
    TRect r;
    TPoint center;
  } const cases[] = {
      {{-3, 0, 0, 0}, {-1, 0}},
      {{0, 0, 3, -3}, {1, -1}},
      {{10, 20, 50, 80}, {30, 50}},
      {{INT_MAX, INT_MAX, INT_MAX, INT_MAX}, {INT_MAX, INT_MAX}},  // no overflow in the sum
  };
  for (const auto& c : cases) EXPECT_EQ(RectCenterPoint(c.r), c.center) << c.r;
}

TEST(GeometryTest, PointsAndSizes) {
  EXPECT_EQ(MakePoint(1, 2), (TPoint{1, 2}));
  EXPECT_EQ(PointFromSize({3, 4}), (TPoint{3, 4}));
  EXPECT_EQ(NegatePoint({3, -4}), (TPoint{-3, 4}));
  EXPECT_TRUE(PointsEqual({1, 2}, {1, 2}));
  EXPECT_FALSE(PointsEqual({1, 2}, {2, 1}));
  EXPECT_EQ(OffsetPoint({1, 2}, 10, 20), (TPoint{11, 22}));
  EXPECT_EQ(OffsetPoint({1, 2}, 10, 20, false), (TPoint{-9, -18}));
  EXPECT_EQ(OffsetPointByPoint({1, 2}, {10, 20}, false), (TPoint{-9, -18}));
  EXPECT_EQ(MakeSize(5, 6), (TSize{5, 6}));
  EXPECT_TRUE(SizesEqual({5, 6}, {5, 6}));
  EXPECT_FALSE(SizesEqual({5, 6}, {6, 5}));
}

// --- persistent geometry objects -------------------------------------------------------

struct TChangeCounter {
  int calls = 0;
  void Changed(TObject*) { ++calls; }
};

// Keeps a proposed rectangle at least 10 wide.
class TMinWidthRect : public TcxRect {
  VAMIRE_CLASS(TMinWidthRect, TcxRect)
 public:
  using TcxRect::TcxRect;

 protected:
  void CorrectRect(TRect& R) override { R.Right = std::max(R.Right, R.Left + 10); }
};

TEST(CxRectTest, ChangeEventOnlyForRealChanges) {
  TcxRect rect(nullptr);
  TChangeCounter counter;
  rect.OnChange = TNotifyEvent(&counter, &TChangeCounter::Changed);
  rect.SetRect({});
  EXPECT_EQ(counter.calls, 0);
  rect.SetRect({1, 2, 3, 4});
  EXPECT_EQ(counter.calls, 1);
  rect.SetRect({1, 2, 3, 4});
  EXPECT_EQ(counter.calls, 1);
  rect.SetTop(7);
  EXPECT_EQ(counter.calls, 2);
  EXPECT_EQ(rect.Rect(), (TRect{1, 7, 3, 4}));
  for (int i = 0; i < 4; ++i) EXPECT_EQ(rect.GetValue(i), (std::array<int, 4>{1, 7, 3, 4}[std::size_t(i)]));
  EXPECT_THROW(rect.GetValue(4), EInvalidOperation);
  EXPECT_TRUE(rect.IsEqualToRect({1, 7, 3, 4}));
  rect.GetRectPtr()->Left = 0;
  EXPECT_EQ(rect.Left(), 0);
}

TEST(CxRectTest, CorrectionAndAssignment) {
  TPersistent owner;
  TMinWidthRect corrected(&owner);
  EXPECT_EQ(corrected.GetOwner(), &owner);
  corrected.SetRect({0, 0, 3, 5});
  EXPECT_EQ(corrected.Rect(), (TRect{0, 0, 10, 5}));

  TcxRect source(nullptr), target(nullptr);
  source.SetRect({5, 6, 7, 8});
  TChangeCounter counter;
  target.OnChange = TNotifyEvent(&counter, &TChangeCounter::Changed);
  target.Assign(&source);
  EXPECT_TRUE(target.IsEqual(&source));
  EXPECT_EQ(counter.calls, 1);
  TcxSize size(nullptr);
  target.Assign(&size);  // anything else is ignored, without an error
  EXPECT_EQ(target.Rect(), (TRect{5, 6, 7, 8}));
  corrected.Assign(&source);  // through the correction
  EXPECT_EQ(corrected.Rect(), (TRect{5, 6, 15, 8}));
}

TEST(CxSizeTest, ClampsNegativesAndReportsChanges) {
  TcxSize size(nullptr);
  TChangeCounter counter;
  size.OnChange = TNotifyEvent(&counter, &TChangeCounter::Changed);
  size.SetSize({-5, -1});
  EXPECT_EQ(counter.calls, 0);
  EXPECT_TRUE(size.IsZero());
  size.SetWidth(20);
  EXPECT_EQ(counter.calls, 1);
  EXPECT_EQ(size.GetSize(), (TSize{20, 0}));
  EXPECT_TRUE(size.IsValueStored(1));
  EXPECT_FALSE(size.IsValueStored(0));  // a zero Height is not streamed
  size.SetHeight(-3);
  EXPECT_EQ(counter.calls, 1);
  size.SetHeight(4);
  EXPECT_EQ(size.Height(), 4);
  EXPECT_EQ(counter.calls, 2);
  EXPECT_TRUE(size.IsEqualToSize({20, 4}));
  size.SetWidth(0);
  EXPECT_FALSE(size.IsValueStored(1));  // a zero Width is not streamed
}

TEST(CxSizeTest, AssignmentTakesSizesAndRefusesOthers) {
  TcxSize source(nullptr), target(nullptr);
  source.SetSize({3, 4});
  target.Assign(&source);
  EXPECT_TRUE(target.IsEqual(&source));
  TcxRect rect(nullptr);
  EXPECT_THROW(target.Assign(&rect), EConvertError);
}

// A size whose Height is stored even when 0: the stored rule is the object's own.
class TAlwaysHeightSize : public TcxSize {
  VAMIRE_CLASS(TAlwaysHeightSize, TcxSize)
 public:
  using TcxSize::TcxSize;
  bool IsValueStored(int Index) const override { return Index == 0 || TcxSize::IsValueStored(Index); }
};

// A component publishing the geometry objects, as skin data and controls do.
class TGeometryHolder : public TComponent {
  VAMIRE_CLASS(TGeometryHolder, TComponent)
 public:
  explicit TGeometryHolder(TComponent* AOwner) : TComponent(AOwner), FMargins(this), FMinSize(this), FGlyph(this) {}
  TcxRect* Margins() { return &FMargins; }
  TcxSize* MinSize() { return &FMinSize; }
  TcxSize* GlyphSize() { return &FGlyph; }

 private:
  TcxRect FMargins;
  TcxSize FMinSize;
  TAlwaysHeightSize FGlyph;
};

VAMIRE_PUBLISHED(TGeometryHolder,
                 Prop(L"Margins", &TGeometryHolder::Margins, nullptr),
                 Prop(L"MinSize", &TGeometryHolder::MinSize, nullptr),
                 Prop(L"GlyphSize", &TGeometryHolder::GlyphSize, nullptr))

String Written(TComponent* root) {
  TStringStream out;
  TWriter writer(&out);
  writer.WriteDescendent(root, nullptr);
  return FormBinaryToText(out.DataString());
}

TEST(GeometryStreamingTest, RectAndSizeTravelInFormFilesAndZerosStayOut) {
  const String text =
      L"object Holder: TGeometryHolder\n"
      L"  Margins.Left = 2\n"
      L"  Margins.Top = -3\n"
      L"  Margins.Bottom = 7\n"
      L"  MinSize.Width = 40\n"
      L"  GlyphSize.Height = 0\n"
      L"  GlyphSize.Width = 16\n"
      L"end\n";
  TGeometryHolder holder(nullptr);
  TStringStream in(FormTextToBinary(text));
  ReadComponentFromStream(&in, &holder);
  EXPECT_EQ(holder.Margins()->Rect(), (TRect{2, -3, 0, 7}));
  EXPECT_EQ(holder.MinSize()->GetSize(), (TSize{40, 0}));
  EXPECT_EQ(holder.GlyphSize()->GetSize(), (TSize{16, 0}));
  // Right and the MinSize's Height are 0, so they are left out; the glyph size's
  // rule keeps its Height.
  EXPECT_EQ(Written(&holder), text);

  TGeometryHolder empty(nullptr);
  empty.SetName(L"Holder");
  EXPECT_EQ(Written(&empty), L"object Holder: TGeometryHolder\n  GlyphSize.Height = 0\nend\n");
}

}  // namespace
