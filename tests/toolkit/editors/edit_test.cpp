// The editors' arithmetic: which button style and popup border an editor ends
// up with, how thick its border is, where its buttons go, what state a button
// shows, which part a point is over, and the drawing measurements.
#include <gtest/gtest.h>

#include "cxEdit.h"
#include "cxEditPaintUtils.h"

namespace {

TEST(EditStyles, ButtonStyleToLookAndFeelKind) {
  const std::pair<TcxEditButtonStyle, TcxLookAndFeelKind> cases[] = {
      {btsDefault, lfStandard}, {bts3D, lfStandard},        {btsFlat, lfFlat},         {btsSimple, lfFlat},
      {btsHotFlat, lfFlat},     {btsUltraFlat, lfUltraFlat}, {btsOffice11, lfOffice11}};
  for (auto [style, kind] : cases) EXPECT_EQ(EditButtonStyleToLookAndFeelKind(style), kind) << style;
}

TEST(EditStyles, EffectiveButtonStyle) {
  struct Case {
    TcxEditButtonStyle Style;
    bool Hosted;
    TcxEditBorderStyle Border;
    bool HotTrack;
    TcxLookAndFeelKind Kind;
    TcxEditButtonStyle Expected;
  };
  const Case cases[] = {
      // An assigned style wins whatever else holds.
      {btsFlat, true, ebsThick, true, lfStandard, btsFlat},
      // Hosted: by kind.
      {btsDefault, true, ebsSingle, true, lfFlat, btsFlat},
      {btsDefault, true, ebsSingle, true, lfStandard, bts3D},
      {btsDefault, true, ebsSingle, true, lfUltraFlat, btsUltraFlat},
      {btsDefault, true, ebsSingle, true, lfOffice11, btsOffice11},
      // Borderless without hot tracking: by kind too.
      {btsDefault, false, ebsNone, false, lfStandard, bts3D},
      {btsDefault, false, ebsNone, false, lfOffice11, btsOffice11},
      // Otherwise by border style.
      {btsDefault, false, ebsNone, true, lfStandard, btsSimple},
      {btsDefault, false, ebsSingle, true, lfUltraFlat, btsHotFlat},
      {btsDefault, false, ebsThick, false, lfFlat, bts3D},
      {btsDefault, false, ebsFlat, true, lfStandard, btsFlat},
      {btsDefault, false, ebs3D, true, lfFlat, bts3D},
      {btsDefault, false, ebsUltraFlat, true, lfStandard, btsUltraFlat},
      {btsDefault, false, ebsOffice11, true, lfStandard, btsOffice11},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CalcEffectiveButtonStyle(c.Style, c.Hosted, c.Border, c.HotTrack, c.Kind), c.Expected)
        << c.Style << " hosted " << c.Hosted << " border " << c.Border << " hot " << c.HotTrack << " kind " << c.Kind;
}

TEST(EditStyles, PopupBorderStyle) {
  struct Case {
    TcxEditPopupBorderStyle Value;
    bool Hosted;
    TcxLookAndFeelKind Kind;
    TcxEditBorderStyle Border;
    bool Buttons;
    TcxLookAndFeelKind FirstButton;
    TcxEditPopupBorderStyle Expected;
  };
  const Case cases[] = {
      {epbsFrame3D, true, lfFlat, ebsNone, true, lfFlat, epbsFrame3D},
      {epbsDefault, true, lfFlat, ebsSingle, true, lfStandard, epbsFlat},
      {epbsDefault, true, lfStandard, ebsSingle, true, lfFlat, epbsFrame3D},
      {epbsDefault, true, lfUltraFlat, ebsSingle, true, lfFlat, epbsSingle},
      {epbsDefault, true, lfOffice11, ebsSingle, true, lfFlat, epbsSingle},
      // Standalone with a border: by border style.
      {epbsDefault, false, lfStandard, ebsSingle, true, lfFlat, epbsSingle},
      {epbsDefault, false, lfStandard, ebsThick, true, lfFlat, epbsSingle},
      {epbsDefault, false, lfStandard, ebsFlat, true, lfStandard, epbsFlat},
      {epbsDefault, false, lfStandard, ebs3D, true, lfStandard, epbsSingle},
      {epbsDefault, false, lfStandard, ebsOffice11, true, lfStandard, epbsSingle},
      // Without buttons the border decides even when there is none.
      {epbsDefault, false, lfStandard, ebsNone, false, lfStandard, epbsFlat},
      // Borderless with buttons: the first button's kind.
      {epbsDefault, false, lfFlat, ebsNone, true, lfStandard, epbsFrame3D},
      {epbsDefault, false, lfStandard, ebsNone, true, lfUltraFlat, epbsSingle},
  };
  for (const Case& c : cases) {
    TcxEditPopupBorderParams p;
    p.StyleValue = c.Value;
    p.Hosted = c.Hosted;
    p.Kind = c.Kind;
    p.BorderStyle = c.Border;
    p.HasButtons = c.Buttons;
    p.FirstButtonKind = c.FirstButton;
    EXPECT_EQ(CalcPopupBorderStyle(p), c.Expected) << c.Value << c.Hosted << c.Kind << c.Border << c.Buttons;
  }
  TcxEditPopupBorderParams unlinked;
  unlinked.HasEditor = false;
  EXPECT_EQ(CalcPopupBorderStyle(unlinked), epbsDefault) << "without an editor the value stays as set";
}

TEST(EditBorder, ExtentBySide) {
  const TcxBorders leftTop{bLeft, bTop};
  struct Case {
    const char* Name;
    TcxEditBorderExtentParams P;
    TRect Expected;
  };
  auto make = [](auto setup) {
    TcxEditBorderExtentParams p;
    setup(p);
    return p;
  };
  const Case cases[] = {
      {"single", make([](auto&) {}), {1, 1, 1, 1}},
      {"thick", make([](auto& p) { p.BorderStyle = ebsThick; }), {2, 2, 2, 2}},
      {"3D on two edges", make([&](auto& p) { p.BorderStyle = ebs3D; p.Edges = leftTop; }), {2, 2, 0, 0}},
      {"none", make([](auto& p) { p.BorderStyle = ebsNone; }), {0, 0, 0, 0}},
      {"transparent border", make([](auto& p) { p.TransparentBorder = true; p.BorderStyle = ebsNone; }), {2, 2, 2, 2}},
      {"shadow", make([](auto& p) { p.Shadow = true; }), {1, 1, 4, 4}},
      {"native", make([](auto& p) { p.Native = true; p.BorderStyle = ebsThick; }), {2, 2, 2, 2}},
      {"native shows no shadow", make([](auto& p) { p.Native = true; p.Shadow = true; }), {2, 2, 2, 2}},
      {"native borderless", make([](auto& p) { p.Native = true; p.NormalBorderStyle = ebsNone; }), {0, 0, 0, 0}},
      {"no border shown", make([](auto& p) { p.HasBorder = false; }), {0, 0, 0, 0}},
      {"skinned thick", make([](auto& p) { p.Skinned = true; p.BorderStyle = ebsThick; }), {2, 2, 2, 2}},
      {"skinned single on two edges", make([&](auto& p) { p.Skinned = true; p.Edges = leftTop; }), {1, 1, 0, 0}},
      {"skinned borderless", make([](auto& p) { p.Skinned = true; p.BorderStyle = ebsNone; }), {0, 0, 0, 0}},
      {"hosted takes its cached extent",
       make([](auto& p) { p.Hosted = true; p.HostedBorderRect = TRect{1, 0, 1, 0}; p.Shadow = true; }),
       {1, 0, 1, 0}},
  };
  for (const Case& c : cases) EXPECT_EQ(CalcEditBorderExtent(c.P), c.Expected) << c.Name;
}

TEST(EditBorder, EffectiveBorderStyle) {
  EXPECT_EQ(CalcEffectiveBorderStyle(ebsThick, true), ebsNone);
  EXPECT_EQ(CalcEffectiveBorderStyle(ebsUltraFlat, false), ebsSingle);
  EXPECT_EQ(CalcEffectiveBorderStyle(ebsOffice11, false), ebsSingle);
  EXPECT_EQ(CalcEffectiveBorderStyle(ebs3D, false), ebs3D);
}

TcxEditButtonLayoutItem Item(int AWidth, bool ALeft = false, bool AStretchable = true) {
  TcxEditButtonLayoutItem item;
  item.Width = AWidth;
  item.LeftAlignment = ALeft;
  item.Stretchable = AStretchable;
  return item;
}

TEST(EditButtonsLayout, RightAndLeftButtonsAndTheirEdges) {
  // Buttons 0 and 1 on the right, 2 on the left, in a 100-wide space from x 1.
  const TcxEditButtonsLayout l = CalcEditButtonsLayout(TRect{1, 1, 101, 20}, {Item(17), Item(15), Item(10, true)}, false);
  EXPECT_EQ(l.Places[1].Bounds, (TRect{86, 1, 101, 20})) << "the last right button is outermost";
  EXPECT_EQ(l.Places[0].Bounds, (TRect{69, 1, 86, 20}));
  EXPECT_EQ(l.Places[2].Bounds, (TRect{1, 1, 11, 20}));
  EXPECT_TRUE(l.Places[1].OuterEdge);
  EXPECT_FALSE(l.Places[1].ContentSide);
  EXPECT_TRUE(l.Places[0].ContentSide);
  EXPECT_TRUE(l.Places[2].OuterEdge && l.Places[2].ContentSide);
  EXPECT_EQ(l.RightLeftmost, 0);
  EXPECT_EQ(l.RightRightmost, 1);
  EXPECT_EQ(l.LeftLeftmost, 2);
  const TRect client = ShrinkByExtent(TRect{0, 0, 102, 21},
                                      CalcEditClientExtent(TRect{0, 0, 102, 21}, TRect{1, 1, 1, 1}, l));
  EXPECT_EQ(client, (TRect{11, 1, 69, 20}));
}

TEST(EditButtonsLayout, NarrowEditorCutsItsFirstPlacedButtonAndEmptiesTheRest) {
  // Two right buttons of 17 in a 12-wide space: button 1 goes first and is cut.
  const TRect space{1, 1, 13, 20};
  const TcxEditButtonsLayout l = CalcEditButtonsLayout(space, {Item(17), Item(17)}, false);
  EXPECT_EQ(l.Places[1].Bounds, (TRect{-4, 1, 13, 20})) << "the bounds keep the full width";
  EXPECT_EQ(l.Places[1].VisibleBounds, (TRect{1, 1, 13, 20})) << "only what fits shows";
  EXPECT_EQ(l.Places[0].Bounds, TRect{});
  EXPECT_EQ(l.Places[0].VisibleBounds, TRect{});
  const TRect bounds{0, 0, 14, 21};
  const TRect client = ShrinkByExtent(bounds, CalcEditClientExtent(bounds, TRect{1, 1, 1, 1}, l));
  EXPECT_EQ(client.Right - client.Left, 0) << "no room is left for the content";
}

TEST(EditButtonsLayout, StretchSharesTheSpareWidthByWidth) {
  const TcxEditButtonsLayout l =
      CalcEditButtonsLayout(TRect{0, 0, 100, 20}, {Item(10), Item(30), Item(20, false, false)}, true);
  // Spare 40 goes 10:30 to the stretchable ones; the last of them takes the remainder.
  EXPECT_EQ(l.Places[0].Bounds.Right - l.Places[0].Bounds.Left, 20);
  EXPECT_EQ(l.Places[1].Bounds.Right - l.Places[1].Bounds.Left, 60);
  EXPECT_EQ(l.Places[2].Bounds.Right - l.Places[2].Bounds.Left, 20);
  EXPECT_EQ(l.Places[0].Bounds.Left, 0);
  EXPECT_EQ(l.Places[2].Bounds.Right, 100);
  // With none stretchable every button shares.
  const TcxEditButtonsLayout all = CalcEditButtonsLayout(TRect{0, 0, 60, 20}, {Item(10, false, false), Item(10, false, false)}, true);
  EXPECT_EQ(all.Places[0].Bounds.Right - all.Places[0].Bounds.Left, 30);
  EXPECT_EQ(all.Places[1].Bounds.Right - all.Places[1].Bounds.Left, 30);
}

TEST(EditButtons, ShownAndTransparent) {
  EXPECT_FALSE(AreEditButtonsShown(0, ebtNone, true, true));
  EXPECT_FALSE(AreEditButtonsShown(1, ebtHideInactive, false, true)) << "hot tracking does not show them";
  EXPECT_TRUE(AreEditButtonsShown(1, ebtHideInactive, true, false));
  EXPECT_FALSE(AreEditButtonsShown(1, ebtHideUnselected, false, false));
  EXPECT_TRUE(AreEditButtonsShown(1, ebtHideUnselected, false, true)) << "shown while the mouse is over it";
  EXPECT_TRUE(IsEditButtonTransparent(ebtAlways, true, true));
  EXPECT_TRUE(IsEditButtonTransparent(ebtInactive, false, false));
  EXPECT_FALSE(IsEditButtonTransparent(ebtInactive, false, true));
  EXPECT_FALSE(IsEditButtonTransparent(ebtNone, false, false));
}

TEST(EditButtons, State) {
  struct Case {
    const char* Name;
    TcxEditButtonStateParams P;
    TcxEditButtonState Expected;
  };
  auto make = [](auto setup) {
    TcxEditButtonStateParams p;
    setup(p);
    return p;
  };
  const Case cases[] = {
      {"disabled", make([](auto& p) { p.Enabled = false; p.PointInside = true; }), ebsDisabled},
      {"away", make([](auto&) {}), ebsNormal},
      {"hot", make([](auto& p) { p.PointInside = true; }), ebsSelected},
      {"design time ignores the mouse", make([](auto& p) { p.PointInside = true; p.DesignTime = true; }), ebsNormal},
      {"left press", make([](auto& p) { p.PointInside = true; p.MouseButtonDown = true; p.LeftPressEvent = true; }),
       ebsPressed},
      {"held after press",
       make([](auto& p) { p.PointInside = true; p.MouseButtonDown = true; p.LeftButtonOnly = true; p.WasPressed = true; }),
       ebsPressed},
      {"right held over it", make([](auto& p) { p.PointInside = true; p.MouseButtonDown = true; }), ebsNormal},
      {"drawn pressed away from the mouse", make([](auto& p) { p.DrawnPressed = true; }), ebsPressed},
  };
  for (const Case& c : cases) EXPECT_EQ(CalcEditButtonState(c.P), c.Expected) << c.Name;
}

TEST(EditHitTest, PartIndexes) {
  const TRect border{1, 1, 120, 20};
  const std::vector<TRect> buttons{TRect{103, 1, 120, 20}};
  EXPECT_EQ(CalcEditPartIndexAt(TPoint{110, 10}, border, buttons), 0);
  EXPECT_EQ(CalcEditPartIndexAt(TPoint{50, 10}, border, buttons), -1);
  EXPECT_EQ(CalcEditPartIndexAt(TPoint{0, 10}, border, buttons), -2) << "the border line itself is outside";
  EXPECT_EQ(CalcEditPartIndexAt(TPoint{120, 10}, border, buttons), -2);
}

TEST(EditViewState, StateBitsAndOffsets) {
  EXPECT_EQ(CalcEditStateBits(false, false, true, true), 4);
  EXPECT_EQ(CalcEditStateBits(true, true, true, true), 1);
  EXPECT_EQ(CalcEditStateBits(true, false, true, false), 2);
  EXPECT_EQ(CalcEditStateBits(true, false, false, true), 9);
  EXPECT_EQ(EditDefaultContentOffsets(false), (TRect{1, 1, 1, 3}));
  EXPECT_EQ(EditDefaultContentOffsets(true), (TRect{1, 1, 1, 1}));
}

TEST(EditPaintUtils, ButtonWidths) {
  TcxEditButtonWidthParams p;
  p.ScrollBarHeight = 17;
  EXPECT_EQ(CalcEditButtonAutoWidth(p), 17) << "a drop-down button is as wide as a scroll bar is high";
  p.Width = 2;
  EXPECT_EQ(CalcEditButtonAutoWidth(p), 4) << "never below the border extent";
  p.Width = 30;
  EXPECT_EQ(CalcEditButtonAutoWidth(p), 30);
  p.Width = 0;
  p.Kind = bkGlyph;
  p.GlyphWidth = 16;
  EXPECT_EQ(CalcEditButtonAutoWidth(p), 20);
  p.Kind = bkText;
  p.CaptionWidth = 5;
  EXPECT_EQ(CalcEditButtonAutoWidth(p), 17) << "a short caption gives the scroll-bar height";
  p.CaptionWidth = 40;
  EXPECT_EQ(CalcEditButtonAutoWidth(p), 47);
}

TEST(EditPaintUtils, ArrowHeadExtent) {
  EXPECT_EQ(ArrowHeadExtent(TSize{9, 20}, adDown), (TSize{5, 3}));
  EXPECT_EQ(ArrowHeadExtent(TSize{9, 20}, adRight), (TSize{3, 5}));
  EXPECT_EQ(ArrowHeadExtent(TSize{8, 8}, adUp), (TSize{3, 2}));
}

TEST(EditPaintUtils, ContentShiftAndFlags) {
  EXPECT_EQ(EditButtonContentShift(btsDefault), 0);
  EXPECT_EQ(EditButtonContentShift(bts3D), 4);
  EXPECT_EQ(EditButtonContentShift(btsOffice11), 2);
  EXPECT_EQ(DrawTextFlagsToTextOutFlags(4 | 2 | 32 | 16 | 64 | 1024 | 1 | 8), 1u | 2u | 16u | 32u | 512u | 256u);
  EXPECT_EQ(DrawTextFlagsToTextOutFlags(32), 16u);
  EXPECT_EQ(TextOutFlagsToDrawTextFlags(512 | 1), 64u | 4u);
  for (unsigned f : {1u, 2u, 16u, 32u, 256u, 512u}) EXPECT_EQ(DrawTextFlagsToTextOutFlags(TextOutFlagsToDrawTextFlags(f)), f);
}

TEST(EditPaintUtils, BorderLinesAndHelpers) {
  TRect r{0, 0, 10, 8};
  TRect lines[4];
  ASSERT_EQ(CalcEditBorderLines(r, cxEditBorderLeft | cxEditBorderRight, lines), 2);
  EXPECT_EQ(lines[0], (TRect{0, 0, 1, 8}));
  EXPECT_EQ(lines[1], (TRect{9, 0, 10, 8}));
  EXPECT_EQ(r, (TRect{1, 0, 9, 8})) << "narrowed by 2 in width";
  EXPECT_TRUE(IsSpaceChar(L'\t'));
  EXPECT_TRUE(IsSpaceChar(0));
  EXPECT_FALSE(IsSpaceChar(L'\v'));
  EXPECT_EQ(ButtonIndexToShift(3), 32u);
  EXPECT_EQ(MouseButtonToShift(1), 16u);
  TRect a{1, 5, 10, 10};
  RaiseToMinimum(a, TRect{3, 2, 0, 0});
  EXPECT_EQ(a, (TRect{3, 5, 10, 10}));
}

}  // namespace
