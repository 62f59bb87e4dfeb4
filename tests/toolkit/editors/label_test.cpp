// The label's arithmetic: angles, the turned text's size, the depth effect's
// copies in every orientation, the raised/lowered offset and the etched line.
#include <gtest/gtest.h>

#include "cxLabel.h"

namespace {

TEST(LabelGeometry, AngleNormalisedAndRotatedSize) {
  const std::pair<int, int> angles[] = {{0, 0}, {90, 90}, {450, 90}, {-90, 270}, {359, 359}, {720, 0}, {-450, 270}};
  for (auto [in, out] : angles) EXPECT_EQ(cxLabelNormalizeAngle(in), out) << in;

  struct Case {
    int Angle;
    TSize Expected;
  };
  // 40 x 10 text: quarter turns swap the sides; 45 degrees covers (w + h) / sqrt 2 both ways.
  const Case cases[] = {{0, {40, 10}}, {90, {10, 40}}, {450, {10, 40}}, {180, {40, 10}},
                        {270, {10, 40}}, {-90, {10, 40}}, {45, {35, 35}}, {30, {40, 29}}};
  for (const auto& c : cases) EXPECT_EQ(cxLabelRotatedSize({40, 10}, c.Angle), c.Expected) << c.Angle;
  // Depth and style offset grow both sides of the turned box.
  EXPECT_EQ(cxLabelContentSize({40, 10}, 90, {4, 4}, 2), (TSize{16, 46}));
}

TEST(LabelGeometry, DepthDeltaAndStyleOffset) {
  EXPECT_EQ(cxLabelDepthDelta(cxleNormal, cxoRightBottom, 5), (TSize{0, 0}));
  EXPECT_EQ(cxLabelDepthDelta(cxleCool, cxoLeft, 5), (TSize{5, 0}));
  EXPECT_EQ(cxLabelDepthDelta(cxleCool, cxoRight, 5), (TSize{5, 0}));
  EXPECT_EQ(cxLabelDepthDelta(cxleFun, cxoTop, 5), (TSize{0, 5}));
  EXPECT_EQ(cxLabelDepthDelta(cxleExtrude, cxoBottom, 5), (TSize{0, 5}));
  for (auto o : {cxoLeftTop, cxoLeftBottom, cxoRightTop, cxoRightBottom})
    EXPECT_EQ(cxLabelDepthDelta(cxleExtrude, o, 3), (TSize{3, 3})) << o;

  EXPECT_EQ(cxLabelStyleOffset(cxlsNormal, 20), 0);
  EXPECT_EQ(cxLabelStyleOffset(cxlsOutLine, 20), 0);
  EXPECT_EQ(cxLabelStyleOffset(cxlsRaised, 11), 1);
  EXPECT_EQ(cxLabelStyleOffset(cxlsRaised, 12), 2);
  EXPECT_EQ(cxLabelStyleOffset(cxlsLowered, 8), 1);
}

TEST(LabelGeometry, DepthCopiesInEveryOrientation) {
  struct Case {
    TcxLabelEffect Effect;
    TcxLabelOrientation Orientation;
    int Depth;
    std::vector<TPoint> Copies;
    TPoint Text;
  };
  const Case cases[] = {
      // The drop shadow: one copy Depth away, on the side the orientation names.
      {cxleCool, cxoRightBottom, 4, {{14, 24}}, {10, 20}},
      {cxleCool, cxoLeftTop, 4, {{10, 20}}, {14, 24}},
      {cxleCool, cxoRight, 4, {{14, 20}}, {10, 20}},
      {cxleCool, cxoLeft, 4, {{10, 20}}, {14, 20}},
      {cxleCool, cxoBottom, 4, {{10, 24}}, {10, 20}},
      {cxleCool, cxoTop, 4, {{10, 20}}, {10, 24}},
      {cxleCool, cxoRightTop, 4, {{14, 20}}, {10, 24}},
      {cxleCool, cxoLeftBottom, 4, {{10, 24}}, {14, 20}},
      // Extrusion: Depth copies one pixel apart, walking towards the text.
      {cxleExtrude, cxoRightBottom, 5, {{15, 25}, {14, 24}, {13, 23}, {12, 22}, {11, 21}}, {10, 20}},
      {cxleExtrude, cxoLeft, 3, {{10, 20}, {11, 20}, {12, 20}}, {13, 20}},
      {cxleFun, cxoTop, 2, {{10, 20}, {10, 21}}, {10, 22}},
      // No depth, or no effect: nothing but the text, where it was.
      {cxleExtrude, cxoRightBottom, 0, {}, {10, 20}},
      {cxleCool, cxoLeft, 0, {}, {10, 20}},
      {cxleFun, cxoTop, 0, {}, {10, 20}},
      {cxleNormal, cxoRightBottom, 6, {}, {10, 20}},
      {cxleNormal, cxoLeftTop, 6, {}, {10, 20}},
  };
  for (const auto& c : cases) {
    TcxLabelDepthParams p;
    p.Start = {10, 20};
    p.Effect = c.Effect;
    p.Orientation = c.Orientation;
    p.Depth = c.Depth;
    p.ShadowColor = 0x808080;
    const auto plan = cxLabelCalculateDepth(p);
    EXPECT_EQ(plan.Copies, c.Copies) << c.Effect << " " << c.Orientation << " " << c.Depth;
    EXPECT_EQ(plan.TextOrigin, c.Text) << c.Effect << " " << c.Orientation << " " << c.Depth;
    EXPECT_EQ(plan.CopyColors.size(), plan.Copies.size());
  }
}

TEST(LabelGeometry, StyleOffsetKeepsRaisedTextClearOfTheShadow) {
  TcxLabelDepthParams p;
  p.Start = {0, 0};
  p.Effect = cxleCool;
  p.Orientation = cxoRightBottom;
  p.Depth = 3;
  p.StyleOffset = 2;
  auto plan = cxLabelCalculateDepth(p);
  EXPECT_EQ(plan.Copies, (std::vector<TPoint>{{5, 5}}));
  EXPECT_EQ(plan.TextOrigin, (TPoint{0, 0}));
  p.Orientation = cxoLeftTop;
  plan = cxLabelCalculateDepth(p);
  EXPECT_EQ(plan.Copies, (std::vector<TPoint>{{0, 0}}));
  EXPECT_EQ(plan.TextOrigin, (TPoint{3, 3}));
}

TEST(LabelGeometry, FunEffectGradesToTheShadowColour) {
  TcxLabelDepthParams p;
  p.Effect = cxleFun;
  p.Orientation = cxoRight;
  p.Depth = 4;
  p.BackgroundColor = 0xFFFFFF;
  p.ShadowColor = 0x204080;
  const auto plan = cxLabelCalculateDepth(p);
  ASSERT_EQ(plan.CopyColors.size(), 4u);
  // Each channel on its own: 0xFF towards 0x80, 0x40 and 0x20 in quarters.
  EXPECT_EQ(plan.CopyColors[0], TColor(0xC7CFDF));
  EXPECT_EQ(plan.CopyColors[1], TColor(0x8F9FBF));
  EXPECT_EQ(plan.CopyColors.back(), p.ShadowColor);
}

TEST(LabelGeometry, RotatedOriginCentresTheText) {
  // Unturned, the start is the top-left corner of the centred text.
  EXPECT_EQ(cxLabelRotatedOrigin({0, 0, 100, 50}, {40, 10}, 0, {0, 0}), (TPoint{30, 20}));
  // At 90 degrees the text runs upwards from the bottom of its box.
  EXPECT_EQ(cxLabelRotatedOrigin({0, 0, 100, 50}, {40, 10}, 90, {0, 0}), (TPoint{45, 45}));
  EXPECT_EQ(cxLabelRotatedOrigin({0, 0, 100, 50}, {40, 10}, 450, {0, 0}), (TPoint{45, 45}));
  // The depth is taken off the box before centring.
  EXPECT_EQ(cxLabelRotatedOrigin({0, 0, 100, 50}, {40, 10}, 0, {4, 4}), (TPoint{28, 18}));
}

TEST(LabelGeometry, TextRectByAlignment) {
  const TRect client{0, 0, 100, 40};
  EXPECT_EQ(cxLabelTextRect(client, {30, 10}, cxltsNear, cxltsNear), (TRect{0, 0, 30, 10}));
  EXPECT_EQ(cxLabelTextRect(client, {30, 10}, cxltsFar, cxltsFar), (TRect{70, 30, 100, 40}));
  EXPECT_EQ(cxLabelTextRect(client, {30, 10}, cxltsCenter, cxltsCenter), (TRect{35, 15, 65, 25}));
  // A text wider than the label keeps to the label on its own side.
  EXPECT_EQ(cxLabelTextRect(client, {130, 10}, cxltsNear, cxltsNear), (TRect{0, 0, 100, 10}));
  EXPECT_EQ(cxLabelTextRect(client, {130, 10}, cxltsFar, cxltsNear), (TRect{0, 0, 100, 10}));
}

TEST(LabelGeometry, EtchedLine) {
  const TRect client{0, 0, 100, 20};
  const TRect text{0, 5, 30, 15};
  struct Case {
    int Angle;
    TcxLabelLineAlignment Alignment;
    TcxLabelTextSide Side;
    bool Visible;
    TRect Line;
    TRect Text;
  };
  const Case cases[] = {
      {0, cxllaCenter, cxltsNear, true, {33, 9, 100, 11}, text},
      {0, cxllaCenter, cxltsFar, true, {0, 9, -3, 11}, text},
      {0, cxllaCenter, cxltsCenter, true, {0, 9, 100, 11}, text},
      {0, cxllaTop, cxltsNear, true, {0, 0, 100, 2}, text},
      // A line that meets the text pushes it away.
      {90, cxllaTop, cxltsNear, true, {0, 0, 2, 20}, {2, 5, 32, 15}},
      {90, cxllaBottom, cxltsNear, true, {98, 0, 100, 20}, text},
      {45, cxllaCenter, cxltsNear, false, {}, text},
      {180, cxllaTop, cxltsNear, false, {}, text},
      {450, cxllaTop, cxltsNear, true, {0, 0, 2, 20}, {2, 5, 32, 15}},
  };
  for (const auto& c : cases) {
    const auto l = cxLabelCalculateLine(client, text, c.Angle, c.Alignment, c.Side, 2);
    EXPECT_EQ(l.Visible, c.Visible) << c.Angle << " " << c.Alignment;
    if (!c.Visible) continue;
    EXPECT_EQ(l.Vertical, cxLabelNormalizeAngle(c.Angle) == 90);
    EXPECT_EQ(l.LineRect, c.Line) << c.Angle << " " << c.Alignment << " " << c.Side;
    EXPECT_EQ(l.TextRect, c.Text) << c.Angle << " " << c.Alignment << " " << c.Side;
  }
  // Top and bottom lines over a text that fills the label move it down and up.
  const TRect full{0, 0, 30, 20};
  EXPECT_EQ(cxLabelCalculateLine(client, full, 0, cxllaTop, cxltsNear, 2).TextRect, (TRect{0, 2, 30, 22}));
  EXPECT_EQ(cxLabelCalculateLine(client, full, 0, cxllaBottom, cxltsNear, 2).TextRect, (TRect{0, -2, 30, 18}));
}

}  // namespace
