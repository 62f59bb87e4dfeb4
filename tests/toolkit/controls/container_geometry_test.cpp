// The container's arithmetic without a window: border widths by style (with
// and without a skin), the border thickness of every border style with and
// without shadow, native and plain, transparent or not; the hot zone; the
// frame and shadow rectangles; the border bounds; the bands around an inner
// rectangle; a native scroll bar's place in client coordinates.
#include <gtest/gtest.h>

#include "cxContainer.h"

namespace {

const TcxContainerBorderStyle kAllStyles[] = {cbsNone, cbsSingle, cbsThick, cbsFlat, cbs3D, cbsUltraFlat, cbsOffice11};

TEST(ContainerGeometryTest, BorderWidthsByStyleAndUnderASkin) {
  const int plain[] = {0, 1, 2, 2, 2, 1, 1};
  const int skinned[] = {0, 1, 2, 1, 1, 1, 1};
  for (TcxContainerBorderStyle s : kAllStyles) {
    EXPECT_EQ(GetBorderStyleWidth(s), plain[s]) << s;
    EXPECT_EQ(ContainerBorderWidth(s, false), plain[s]) << s;
    EXPECT_EQ(ContainerBorderWidth(s, true), skinned[s]) << s;
  }
}

TEST(ContainerGeometryTest, HotTrackingThickensTheNormalBorder) {
  const TcxContainerBorderStyle hot[] = {cbsFlat, cbsThick, cbsThick, cbs3D, cbs3D, cbsUltraFlat, cbsOffice11};
  for (TcxContainerBorderStyle s : kAllStyles) EXPECT_EQ(HotTrackBorderStyle(s), hot[s]) << s;
}

TEST(ContainerGeometryTest, BorderThicknessOfEveryStyleWithAndWithoutShadowNativeAndPlain) {
  // Not transparent, all edges: plain follows the style's width; native is 2
  // unless the normal style has no border; a shadow adds 3 right and below.
  for (TcxContainerBorderStyle s : kAllStyles) {
    for (bool native : {false, true}) {
      for (bool shadow : {false, true}) {
        TcxContainerBorderParams p;
        p.TransparentBorder = false;
        p.Native = native;
        p.NormalBorderStyle = s;
        p.BorderStyle = s;
        p.Shadow = shadow;
        const int w = native ? (s == cbsNone ? 0 : 2) : GetBorderStyleWidth(s);
        const int extra = shadow ? 3 : 0;
        EXPECT_EQ(CalcContainerBorderThickness(p), (TRect{w, w, w + extra, w + extra}))
            << "style " << s << " native " << native << " shadow " << shadow;
      }
    }
  }
  struct TCase {
    const char* What;
    TcxContainerBorderParams Params;
    TRect Expected;
  };
  const TCase cases[] = {
      {"transparent: 2 whatever the style", {true, true, false, cbsNone, cbsSingle, cxBordersAll, false}, {2, 2, 2, 2}},
      {"transparent with shadow", {true, true, true, cbsNone, cbsNone, cxBordersAll, true}, {2, 2, 5, 5}},
      {"no border shown", {false, false, false, cbs3D, cbs3D, cxBordersAll, false}, {0, 0, 0, 0}},
      {"no border shown keeps the shadow", {false, false, false, cbs3D, cbs3D, cxBordersAll, true}, {0, 0, 3, 3}},
      {"thick on the left and top only", {false, true, false, cbsThick, cbsThick, TcxBorders{bLeft, bTop}, false},
       {2, 2, 0, 0}},
      {"single on the right and bottom, shadowed",
       {false, true, false, cbsSingle, cbsSingle, TcxBorders{bRight, bBottom}, true}, {0, 0, 4, 4}},
      {"native ignores the edges", {false, true, true, cbsSingle, cbsSingle, TcxBorders{bLeft}, false}, {2, 2, 2, 2}},
  };
  for (const TCase& c : cases) EXPECT_EQ(CalcContainerBorderThickness(c.Params), c.Expected) << c.What;
}

TEST(ContainerGeometryTest, HotZone) {
  struct TCase {
    const char* What;
    TcxContainerHotZoneParams Params;
    TRect Expected;
  };
  const TCase cases[] = {
      {"hosted: the whole control", {100, 20, true, true, true, false, true, cbsSingle, 1, cxBordersAll},
       {0, 0, 100, 20}},
      {"shadow taken off", {100, 20, false, true, true, false, false, cbsSingle, 1, cxBordersAll}, {0, 0, 97, 17}},
      {"transparent single border: one pixel in", {100, 20, false, false, true, false, true, cbsSingle, 1, cxBordersAll},
       {1, 1, 99, 19}},
      {"transparent thick border: the whole control", {100, 20, false, false, true, false, true, cbsThick, 2,
                                                       cxBordersAll},
       {0, 0, 100, 20}},
      {"transparent thick border, left edge only",
       {100, 20, false, false, true, false, true, cbsThick, 2, TcxBorders{bLeft}}, {0, 2, 98, 18}},
      {"native, transparent, no border: 2 in", {100, 20, false, false, true, true, true, cbsNone, 0, cxBordersAll},
       {2, 2, 98, 18}},
      {"native with a border: the whole control", {100, 20, false, false, true, true, true, cbs3D, 2, cxBordersAll},
       {0, 0, 100, 20}},
      {"no border, transparent: 2 in", {100, 20, false, false, false, false, true, cbs3D, 2, cxBordersAll},
       {2, 2, 98, 18}},
      {"too low: flattened at 0", {100, 3, false, false, false, false, true, cbs3D, 2, cxBordersAll},
       {2, 0, 98, 0}},
  };
  for (const TCase& c : cases) EXPECT_EQ(CalcContainerHotZone(c.Params), c.Expected) << c.What;
}

TEST(ContainerGeometryTest, FrameShadowAndBorderBounds) {
  // A 100 x 20 control with a single border on the left and top only: the
  // frame's right and bottom sides lie outside, so the border rectangle
  // reaches the control's right and bottom edges.
  const TRect bounds{0, 0, 100, 20};
  TcxContainerBorderParams p{false, true, false, cbsSingle, cbsSingle, TcxBorders{bLeft, bTop}, false};
  const TRect thickness = CalcContainerBorderThickness(p);
  const TRect borderRect{thickness.Left, thickness.Top, 100 - thickness.Right, 20 - thickness.Bottom};
  EXPECT_EQ(borderRect, (TRect{1, 1, 100, 20}));
  TcxContainerFrameRects frame = CalcContainerFrameRects(borderRect, 1, p.Edges, false);
  EXPECT_EQ(frame.Frame, (TRect{0, 0, 101, 21}));
  EXPECT_EQ(CalcContainerBorderBounds(bounds, thickness, 1, p.Edges), (TRect{0, 0, 100, 20}));

  // All edges with a shadow: the shadow hugs the frame, starting 3 in from its corners.
  p.Edges = cxBordersAll;
  p.Shadow = true;
  const TRect t2 = CalcContainerBorderThickness(p);
  EXPECT_EQ(t2, (TRect{1, 1, 4, 4}));
  const TRect br2{1, 1, 96, 16};
  frame = CalcContainerFrameRects(br2, 1, cxBordersAll, true);
  EXPECT_EQ(frame.Frame, (TRect{0, 0, 97, 17}));
  EXPECT_EQ(frame.ShadowBands[0], (TRect{3, 17, 97, 20}));
  EXPECT_EQ(frame.ShadowBands[1], (TRect{97, 3, 100, 20}));
  EXPECT_EQ(CalcContainerBorderBounds(bounds, t2, 1, cxBordersAll), (TRect{0, 0, 97, 17}));

  TRect r{10, 10, 20, 20};
  GrowRectByEdges(r, 2, TcxBorders{bLeft, bBottom});
  EXPECT_EQ(r, (TRect{8, 10, 20, 22}));
  EXPECT_EQ(ShrinkRectOutsideEdges(TRect{0, 0, 10, 10}, 1, TcxBorders{bTop}), (TRect{1, 0, 9, 9}));
}

TEST(ContainerGeometryTest, BandsAroundAnInnerRectangle) {
  TRect bands[4];
  EXPECT_EQ(CalcBandsExcept(TRect{0, 0, 10, 10}, TRect{0, 0, 10, 10}, bands), 0) << "equal: nothing";
  EXPECT_EQ(CalcBandsExcept(TRect{0, 0, 0, 10}, TRect{}, bands), 0) << "empty: nothing";
  ASSERT_EQ(CalcBandsExcept(TRect{0, 0, 10, 10}, TRect{}, bands), 1) << "no inner: the whole";
  EXPECT_EQ(bands[0], (TRect{0, 0, 10, 10}));
  ASSERT_EQ(CalcBandsExcept(TRect{0, 0, 10, 10}, TRect{2, 3, 8, 9}, bands), 4);
  EXPECT_EQ(bands[0], (TRect{0, 0, 2, 10}));
  EXPECT_EQ(bands[1], (TRect{2, 0, 8, 3}));
  EXPECT_EQ(bands[2], (TRect{2, 9, 8, 10}));
  EXPECT_EQ(bands[3], (TRect{8, 0, 10, 10}));
  // An inner rectangle touching the left and top edges leaves two bands.
  ASSERT_EQ(CalcBandsExcept(TRect{0, 0, 10, 10}, TRect{0, 0, 8, 8}, bands), 2);
}

TEST(ContainerGeometryTest, NativeScrollBarInClientCoordinates) {
  // A 17-pixel bar at screen (180, 100)..(197, 160) of a container whose client starts at (100, 90).
  EXPECT_EQ(ScrollBarRectToClientRect(TRect{180, 100, 197, 160}, TPoint{100, 90}, 120, 80),
            (TRect{80, 10, 17, 60}));
  EXPECT_EQ(ScrollBarRectToClientRect(TRect{90, 100, 107, 160}, TPoint{100, 90}, 120, 80), (TRect{}))
      << "left of the container";
  EXPECT_EQ(ScrollBarRectToClientRect(TRect{180, 100, 197, 200}, TPoint{100, 90}, 120, 80), (TRect{}))
      << "higher than the container";
}

}  // namespace
