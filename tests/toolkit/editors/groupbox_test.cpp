// The group box's layout: caption rectangles for the 13 alignments (framed,
// skinned and in panel style), the frame line through the middle of the
// caption, the children below it, the border rectangle and the shadow rule.
#include <gtest/gtest.h>

#include "cxGroupBox.h"

namespace {

constexpr int W = 185, H = 105;

TEST(GroupBoxLayout, AlignmentsMapToFivePositions) {
  const TcxGroupBoxCaptionPosition expected[] = {cxgpTop,  cxgpTop,  cxgpTop,   cxgpBottom, cxgpBottom,
                                                 cxgpBottom, cxgpLeft, cxgpLeft,  cxgpLeft,   cxgpRight,
                                                 cxgpRight, cxgpRight, cxgpCenter};
  for (int a = alTopLeft; a <= alCenterCenter; ++a)
    EXPECT_EQ(GroupBoxAlignmentToCaptionPosition(TcxCaptionAlignment(a)), expected[a]) << a;
}

TEST(GroupBoxLayout, FramedCaptionRectanglesForThe13Alignments) {
  struct Case {
    TcxCaptionAlignment Alignment;
    TRect Plain, Shadowed;
  };
  // A caption 40 wide and 13 high in a box of 185 by 105; the shadow takes 3 on the right and bottom.
  const Case cases[] = {
      {alTopLeft, {8, 0, 48, 13}, {8, 0, 48, 13}},
      {alTopCenter, {72, 0, 112, 13}, {71, 0, 111, 13}},
      {alTopRight, {137, 0, 177, 13}, {134, 0, 174, 13}},
      {alBottomLeft, {8, 92, 48, 105}, {8, 92, 48, 105}},
      {alBottomCenter, {72, 92, 112, 105}, {71, 92, 111, 105}},
      {alBottomRight, {137, 92, 177, 105}, {134, 92, 174, 105}},
      {alLeftTop, {0, 8, 13, 49}, {0, 8, 13, 49}},
      {alLeftCenter, {0, 32, 13, 73}, {0, 30, 13, 71}},
      {alLeftBottom, {0, 56, 13, 97}, {0, 53, 13, 94}},
      {alRightTop, {172, 8, 185, 48}, {172, 8, 185, 48}},
      {alRightCenter, {172, 32, 185, 72}, {172, 32, 185, 72}},
      {alRightBottom, {172, 57, 185, 97}, {172, 57, 185, 97}},
      {alCenterCenter, {72, 46, 112, 59}, {71, 44, 111, 57}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CalcGroupBoxFramedCaptionRect(c.Alignment, W, H, TSize{40, 13}, false, true), c.Plain) << c.Alignment;
    EXPECT_EQ(CalcGroupBoxFramedCaptionRect(c.Alignment, W, H, TSize{40, 13}, true, true), c.Shadowed) << c.Alignment;
    EXPECT_EQ(CalcGroupBoxFramedCaptionRect(c.Alignment, W, H, TSize{0, 13}, false, false), TRect{}) << c.Alignment;
  }
}

TEST(GroupBoxLayout, FrameThroughTheCaptionAndChildrenBelowIt) {
  struct Case {
    const char* Name;
    TcxGroupBoxExtentParams Params;
    TRect Border, Client;
  };
  // The caption font's "Wg" is 16 high; a 1-pixel border all round.
  auto params = [](TcxCaptionAlignment A) {
    TcxGroupBoxExtentParams p;
    p.BorderExtent = TRect{1, 1, 1, 1};
    p.Alignment = A;
    p.CaptionTextHeight = 16;
    return p;
  };
  TcxGroupBoxExtentParams shadowed = params(alTopLeft), panel = params(alTopLeft), hosted = params(alTopLeft),
                          skinned = params(alTopLeft), skinnedNonClient = params(alLeftTop), centre = params(alCenterCenter);
  shadowed.Shadow = true;
  panel.PanelStyle = true;
  hosted.Standalone = false;
  for (TcxGroupBoxExtentParams* p : {&skinned, &skinnedNonClient}) {
    p->Skinned = true;
    p->SkinFrameExtents = TRect{2, 2, 2, 2};
    p->SkinCaptionBand = 6;
  }
  skinnedNonClient.NonClientCaption = true;
  const Case cases[] = {
      {"top", params(alTopCenter), {1, 9, 1, 1}, {1, 20, 1, 1}},
      {"bottom", params(alBottomRight), {1, 1, 1, 9}, {1, 1, 1, 20}},
      {"left", params(alLeftCenter), {8, 1, 1, 1}, {20, 1, 1, 1}},
      {"right", params(alRightTop), {1, 1, 8, 1}, {1, 1, 20, 1}},
      {"centre: no gap, plain extents", centre, {1, 1, 1, 1}, {1, 1, 1, 1}},
      {"shadow: right and bottom only", shadowed, {1, 9, 1, 1}, {1, 20, 4, 4}},
      {"panel style", panel, {1, 1, 1, 1}, {1, 1, 1, 1}},
      {"hosted", hosted, {1, 1, 1, 1}, {1, 1, 1, 1}},
      {"skinned: band on the caption side, no 3", skinned, {1, 9, 1, 1}, {3, 25, 3, 3}},
      {"skinned, non-client: band on the far side", skinnedNonClient, {8, 1, 1, 1}, {19, 3, 9, 3}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CalcGroupBoxBorderExtent(c.Params), c.Border) << c.Name;
    EXPECT_EQ(CalcGroupBoxClientExtent(c.Params), c.Client) << c.Name;
  }
  EXPECT_EQ(CalcGroupBoxClientRect(W, H, TRect{1, 20, 1, 1}, false, 4), (TRect{1, 20, 184, 104}));
  EXPECT_EQ(CalcGroupBoxClientRect(W, H, TRect{1, 1, 1, 1}, true, 4), (TRect{5, 5, 180, 100}));
}

TEST(GroupBoxLayout, SkinnedCaptionBandsAndTheirText) {
  struct Case {
    TcxCaptionAlignment Alignment;
    bool NonClient;
    TRect Caption, Text, Border;
  };
  // Caption part extents (2, 3, 2, 4): a band margin of 7 across top and bottom, 4 across the sides.
  const Case cases[] = {
      {alTopLeft, false, {0, 0, 185, 23}, {2, 3, 183, 19}, {0, 0, 185, 105}},
      {alTopCenter, false, {0, 0, 185, 23}, {72, 3, 183, 19}, {0, 0, 185, 105}},
      {alTopRight, true, {0, -7, 185, 16}, {143, -4, 183, 12}, {0, 0, 185, 98}},
      {alBottomRight, false, {0, 82, 185, 105}, {143, 85, 183, 101}, {0, 0, 185, 105}},
      {alLeftBottom, true, {-4, 0, 16, 105}, {-2, 61, 14, 101}, {0, 0, 181, 105}},
      {alRightCenter, false, {165, 0, 185, 105}, {167, 32, 183, 72}, {0, 0, 185, 105}},
      {alCenterCenter, false, {72, 44, 112, 60}, {74, 47, 110, 56}, {0, 0, 185, 105}},
  };
  for (const Case& c : cases) {
    TcxGroupBoxSkinnedCaptionParams p;
    p.Width = W;
    p.Height = H;
    p.Alignment = c.Alignment;
    p.TextSize = TSize{40, 16};
    p.CaptionPartExtents = TRect{2, 3, 2, 4};
    p.NonClientCaption = c.NonClient;
    const TcxGroupBoxCaptionLayout layout = CalcGroupBoxSkinnedCaption(p);
    EXPECT_EQ(layout.CaptionRect, c.Caption) << c.Alignment;
    EXPECT_EQ(layout.CaptionTextRect, c.Text) << c.Alignment;
    EXPECT_EQ(layout.BorderRect, c.Border) << c.Alignment;
  }
  // The measured-height hook resizes the band from the caption side.
  EXPECT_EQ(GroupBoxCaptionBandThickness(TRect{0, 0, 185, 23}, alTopLeft), 23);
  EXPECT_EQ(GroupBoxCaptionBandThickness(TRect{165, 0, 185, 105}, alRightTop), 20);
  EXPECT_EQ(ResizeGroupBoxCaptionBand(TRect{0, 0, 185, 23}, alTopLeft, 30), (TRect{0, 0, 185, 30}));
  EXPECT_EQ(ResizeGroupBoxCaptionBand(TRect{0, 82, 185, 105}, alBottomLeft, 30), (TRect{0, 75, 185, 105}));
  EXPECT_EQ(ResizeGroupBoxCaptionBand(TRect{165, 0, 185, 105}, alRightTop, 10), (TRect{175, 0, 185, 105}));
  EXPECT_EQ(ResizeGroupBoxCaptionBand(TRect{72, 44, 112, 60}, alCenterCenter, 3), (TRect{72, 44, 112, 60}));
}

TEST(GroupBoxLayout, PanelCaptionBoundsFlagsAndPlacement) {
  struct Case {
    TcxCaptionAlignment Alignment;
    TRect Bounds;
    unsigned Flags;  // single line
  };
  // Border 1, indent 5: the indent on the caption's sides, 2 across a centred axis.
  const Case cases[] = {
      {alTopLeft, {6, 6, 184, 104}, 0x20},       {alTopCenter, {3, 6, 182, 104}, 0x21},
      {alTopRight, {1, 6, 179, 104}, 0x22},      {alBottomLeft, {6, 1, 184, 99}, 0x28},
      {alBottomCenter, {3, 1, 182, 99}, 0x29},   {alBottomRight, {1, 1, 179, 99}, 0x2A},
      {alLeftTop, {6, 6, 184, 104}, 0x20},       {alLeftCenter, {6, 3, 184, 102}, 0x24},
      {alLeftBottom, {6, 1, 184, 99}, 0x28},     {alRightTop, {1, 6, 179, 104}, 0x22},
      {alRightCenter, {1, 3, 179, 102}, 0x26},   {alRightBottom, {1, 1, 179, 99}, 0x2A},
      {alCenterCenter, {3, 3, 182, 102}, 0x25},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CalcGroupBoxPanelCaptionBounds(TRect{0, 0, W, H}, c.Alignment, 1, 5), c.Bounds) << c.Alignment;
    EXPECT_EQ(GetGroupBoxPanelTextFlags(c.Alignment, false), c.Flags) << c.Alignment;
    EXPECT_EQ(GetGroupBoxPanelTextFlags(c.Alignment, true), (c.Flags & ~0x20u) | 0x10u) << c.Alignment;
  }
  // An indent below 2 counts as 2.
  EXPECT_EQ(CalcGroupBoxPanelCaptionBounds(TRect{0, 0, W, H}, alTopLeft, 1, 0), (TRect{3, 3, 184, 104}));
  const TRect bounds{3, 6, 182, 104};
  EXPECT_EQ(PlaceGroupBoxPanelCaption(bounds, TSize{40, 13}, alTopCenter), (TRect{72, 6, 112, 19}));
  EXPECT_EQ(PlaceGroupBoxPanelCaption(bounds, TSize{40, 13}, alRightBottom), (TRect{142, 91, 182, 104}));
  EXPECT_EQ(PlaceGroupBoxPanelCaption(bounds, TSize{40, 13}, alCenterCenter), (TRect{72, 48, 112, 61}));
  EXPECT_EQ(PlaceGroupBoxPanelCaption(bounds, TSize{400, 200}, alTopRight), bounds) << "clipped to the bounds";
}

TEST(GroupBoxLayout, BorderBoundsNativeFrameAndShadow) {
  const TRect bounds{0, 0, W, H};
  EXPECT_EQ(CalcGroupBoxBorderBounds(bounds, TRect{0, 9, 185, 105}, false, false, alTopLeft), bounds);
  EXPECT_EQ(CalcGroupBoxBorderBounds(bounds, TRect{8, 1, 184, 104}, false, false, alLeftTop), (TRect{0, 1, 184, 104}));
  EXPECT_EQ(CalcGroupBoxBorderBounds(bounds, TRect{}, true, true, alBottomLeft), (TRect{0, 0, 182, 105}));
  EXPECT_EQ(CalcGroupBoxBorderBounds(bounds, TRect{}, true, true, alCenterCenter), (TRect{0, 0, 182, 102}));
  EXPECT_EQ(CalcGroupBoxNativeFrameRect(bounds, alTopRight, 15), (TRect{0, 7, 185, 105}));
  EXPECT_EQ(CalcGroupBoxNativeFrameRect(bounds, alRightBottom, 15), (TRect{0, 0, 178, 105}));
  EXPECT_EQ(CalcGroupBoxNativeFrameRect(bounds, alCenterCenter, 15), bounds);

  struct Case {
    bool StyleShadow, Panel;
    TcxCaptionAlignment Alignment;
    bool Native, Skinned, Shadow;
  };
  const Case cases[] = {
      {true, false, alTopLeft, false, false, true},     {true, false, alLeftBottom, false, false, true},
      {true, false, alBottomLeft, false, false, false}, {true, false, alRightTop, false, false, false},
      {true, true, alBottomLeft, false, false, true},   {true, false, alTopLeft, true, false, false},
      {true, false, alTopLeft, false, true, false},     {false, true, alTopLeft, false, false, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(GroupBoxHasShadow(c.StyleShadow, c.Panel, c.Alignment, c.Native, c.Skinned), c.Shadow) << c.Alignment;
}

}  // namespace
