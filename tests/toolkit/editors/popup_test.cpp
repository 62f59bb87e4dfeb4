// The drop-down popup's arithmetic: frame widths and extents, the layout of
// the system panel, the size it opens at, the corner its grip takes once
// placed (with the base placement on injected work areas), drag limits,
// minimum sizes, the shadow; and the open and close rules.
#include <gtest/gtest.h>

#include "cxDropDownEdit.h"
#include "cxGeometry.h"

namespace {

constexpr TRect kScreen{0, 0, 1024, 768};

TcxWorkAreaFunc Area(const TRect& R) {
  return [R](const TPoint&) { return R; };
}

TcxEditPopupMetrics PlainMetrics() {
  TcxEditPopupMetrics m;
  m.HScrollHeight = 16;
  m.CaptionButtonHeight = 18;
  return m;
}

TEST(EditPopupFrame, BorderWidthsAndExtents) {
  struct Case {
    TcxEditPopupBorderStyle Style;
    bool Native, ClientEdge, Shadow, SysPanel;
    TcxEditPopupGripCorner Corner;
    int Border, BorderWithEdge;
    TRect Extent;  // with a panel of 18
  };
  const Case cases[] = {
      {epbsDefault, false, false, false, false, gcRightBottom, 0, 0, {0, 0, 0, 0}},
      {epbsSingle, false, true, false, false, gcRightBottom, 1, 3, {3, 3, 3, 3}},
      {epbsFrame3D, false, true, false, false, gcRightBottom, 4, 6, {6, 6, 6, 6}},
      {epbsFlat, false, true, false, false, gcRightBottom, 2, 3, {3, 3, 3, 3}},
      // Native: 1, with the client edge 3, whatever the style.
      {epbsFrame3D, true, true, false, false, gcRightBottom, 1, 3, {3, 3, 3, 3}},
      // The shadow widens the right and bottom; the panel with its separator goes below...
      {epbsSingle, false, false, true, true, gcRightBottom, 1, 1, {1, 1, 4, 1 + 3 + 18 + 1}},
      // ...or above, when the grip is at a top corner; a flat frame has no separator.
      {epbsFlat, false, false, false, true, gcLeftTop, 2, 2, {2, 2 + 18, 2, 2}},
      {epbsSingle, false, false, true, true, gcRightTop, 1, 1, {1, 1 + 18 + 1, 4, 4}},
  };
  for (const Case& c : cases) {
    TcxEditPopupFrame f;
    f.BorderStyle = c.Style;
    f.NativeStyle = c.Native;
    f.ClientEdge = c.ClientEdge;
    f.Shadow = c.Shadow;
    f.SysPanel = c.SysPanel;
    EXPECT_EQ(EditPopupBorderWidth(f, false), c.Border) << c.Style << " native " << c.Native;
    EXPECT_EQ(EditPopupBorderWidth(f, true), c.BorderWithEdge) << c.Style << " native " << c.Native;
    EXPECT_EQ(EditPopupClientExtent(f, c.SysPanel ? 18 : 0, c.Corner), c.Extent) << c.Style << " corner " << c.Corner;
  }
}

TEST(EditPopupFrame, PanelHeightIsTheLargestMetric) {
  TcxEditPopupFrame f;
  f.SysPanel = true;
  TcxEditPopupMetrics m = PlainMetrics();
  EXPECT_EQ(EditPopupSysPanelHeight(f, m), 18);
  m.ThemedSizeBox = TSize{21, 21};
  EXPECT_EQ(EditPopupSysPanelHeight(f, m), 18) << "themed sizes count only when themed";
  m.Themed = true;
  EXPECT_EQ(EditPopupSysPanelHeight(f, m), 21);
}

TEST(EditPopupLayout, GripAndCloseButtonSitInThePanelAwayFromTheEditor) {
  TcxEditPopupFrame f;
  f.BorderStyle = epbsSingle;
  f.Shadow = true;
  f.SysPanel = f.Sizeable = f.CloseButton = true;
  const TSize size{200, 150};
  // Below the editor: panel at the bottom, grip bottom-right, button at the left.
  TcxEditPopupLayout below = CalcEditPopupLayout(f, PlainMetrics(), size, gcRightBottom);
  EXPECT_EQ(below.PanelHeight, 18);
  EXPECT_EQ(below.PanelRegion, (TRect{1, 1, 196, 146}));
  EXPECT_EQ(below.ClientRect, (TRect{1, 1, 196, 146 - 19}));
  EXPECT_EQ(below.GripHitRect, (TRect{196 - 16, 146 - 16, 196, 146}));
  EXPECT_EQ(below.GripRect, (TRect{196 - 16, 146 - 16, 194, 144})) << "pulled in from the outer edges";
  EXPECT_EQ(below.CloseButtonRect, (TRect{1 + 2 + 1, 146 - 2 - 14, 1 + 2 + 1 + 14, 146 - 2}));
  // Above it and turned left: all mirrored.
  TcxEditPopupLayout above = CalcEditPopupLayout(f, PlainMetrics(), size, gcLeftTop);
  EXPECT_EQ(above.ClientRect, (TRect{1, 1 + 19, 196, 146}));
  EXPECT_EQ(above.GripHitRect, (TRect{1, 1, 17, 17}));
  EXPECT_EQ(above.GripRect, (TRect{3, 3, 17, 17}));
  EXPECT_EQ(above.CloseButtonRect, (TRect{196 - 2 - 1 - 14, 1 + 2, 196 - 2 - 1, 1 + 2 + 14}));
  EXPECT_EQ(EditPopupHitArea(above, TPoint{5, 5}), 1);
  EXPECT_EQ(EditPopupHitArea(above, TPoint{185, 5}), 0);
  EXPECT_EQ(EditPopupHitArea(above, TPoint{100, 100}), -1);
  // Themed: the button takes the part's size, centred in the panel.
  TcxEditPopupMetrics themed = PlainMetrics();
  themed.Themed = true;
  themed.ThemedCloseButton = TSize{13, 13};
  themed.ThemedSizeBox = TSize{17, 17};
  TcxEditPopupLayout t = CalcEditPopupLayout(f, themed, size, gcRightBottom);
  EXPECT_EQ(GetRectWidth(t.GripHitRect), 19) << "the size box plus 2";
  EXPECT_EQ(t.CloseButtonRect, (TRect{2, 146 - 18 + 2, 15, 146 - 18 + 2 + 13}));
}

TEST(EditPopupLayout, CloseButtonStatesAndGripCursors) {
  EXPECT_EQ(EditPopupCloseButtonState(false, true), 1);
  EXPECT_EQ(EditPopupCloseButtonState(true, false), 2);
  EXPECT_EQ(EditPopupCloseButtonState(true, true), 3);
  EXPECT_TRUE(GripCornerSizesNWSE(gcLeftTop));
  EXPECT_TRUE(GripCornerSizesNWSE(gcRightBottom));
  EXPECT_FALSE(GripCornerSizesNWSE(gcRightTop));
  EXPECT_FALSE(GripCornerSizesNWSE(gcLeftBottom));
}

// The base placement on an injected work area, then the grip's corner.
TEST(EditPopupPlacement, TheGripTakesTheCornerAwayFromTheEditor) {
  struct Case {
    const char* Name;
    TRect Owner;
    TRect Area;
    TcxPopupAlignHorz Horz;
    bool Shadow;
    TPoint Expected;
    TcxEditPopupGripCorner Corner;
  };
  const TSize size{200, 150};
  const Case cases[] = {
      {"room below", {100, 100, 250, 121}, kScreen, pahLeft, false, {100, 121}, gcRightBottom},
      {"at the bottom opens above", {100, 700, 250, 721}, kScreen, pahLeft, false, {100, 550}, gcRightTop},
      {"above with a shadow moves down by it", {100, 700, 250, 721}, kScreen, pahLeft, true, {100, 553}, gcRightTop},
      {"at the right edge turns left", {900, 100, 1000, 121}, kScreen, pahLeft, false, {824, 121}, gcLeftBottom},
      {"turned left and up gives corner 0", {900, 700, 1000, 721}, kScreen, pahLeft, false, {824, 550}, gcLeftTop},
      {"right-aligned counts as turned left", {400, 100, 550, 121}, kScreen, pahRight, false, {350, 121},
       gcLeftBottom},
      {"a smaller work area", {100, 350, 250, 371}, {0, 0, 1024, 400}, pahLeft, false, {100, 200}, gcRightTop},
  };
  for (const Case& c : cases) {
    const TPoint p = CalcPopupPosition(c.Owner, size, pdVertical, c.Horz, pavBottom, Area(c.Area));
    const TcxEditPopupPlacement placed = PlaceEditPopup(p, size, c.Owner, c.Area, c.Horz, pavBottom, c.Shadow);
    EXPECT_EQ(placed.Position.X, c.Expected.X) << c.Name;
    EXPECT_EQ(placed.Position.Y, c.Expected.Y) << c.Name;
    EXPECT_EQ(placed.Corner, c.Corner) << c.Name;
  }
}

TEST(EditPopupPlacement, AboveTheEditorTheShadowBandUnderItIsCutOut) {
  EXPECT_EQ(EditPopupShadowExclusion(TSize{200, 150}, gcRightTop, 0, 153), (TRect{0, 147, 150, 150}));
  EXPECT_EQ(EditPopupShadowExclusion(TSize{200, 150}, gcLeftTop, 50, 203), (TRect{50, 147, 200, 150}));
  EXPECT_TRUE(RectHasNoArea(EditPopupShadowExclusion(TSize{200, 150}, gcRightBottom, 0, 153)));
}

TEST(EditPopupSize, FromContentStoredSizeOrMinimum) {
  struct Case {
    const char* Name;
    TcxEditPopupSizeParams Params;
    TSize Expected;
  };
  const TRect extent{1, 1, 4, 23};  // single frame, shadow, panel below
  const TSize min{1 + 4 + 14 + 16 + 10, 24};
  auto params = [](bool AAuto, TSize AContent, int AW, int AH, bool ASizeable, int AMinW, int AMinH) {
    TcxEditPopupSizeParams p;
    p.AutoSize = AAuto;
    p.Content = AContent;
    p.PopupWidth = AW;
    p.PopupHeight = AH;
    p.OwnerWidth = 150;
    p.Sizeable = ASizeable;
    p.MinWidth = AMinW;
    p.MinHeight = AMinH;
    return p;
  };
  const Case cases[] = {
      {"content", params(true, {120, 80}, 0, 0, false, 0, 0), {125, 104}},
      {"content raised to the sizeable minimums", params(true, {120, 80}, 0, 0, true, 300, 200), {300, 200}},
      {"minimums count only when sizeable", params(true, {120, 80}, 0, 0, false, 300, 200), {125, 104}},
      {"stored size", params(false, {}, 260, 90, false, 0, 0), {260, 90}},
      {"no stored width takes the editor's", params(false, {}, 0, 90, false, 0, 0), {150, 90}},
      {"no stored height: the larger of the minimum height and the extents", params(false, {}, 0, 0, false, 0, 60),
       {150, 60}},
      {"no stored height nor minimum", params(false, {}, 0, 0, false, 0, 0), {150, 24}},
      {"never below the minimum size", params(true, {0, 0}, 0, 0, false, 0, 0), min},
  };
  for (const Case& c : cases) EXPECT_EQ(CalcEditPopupSize(c.Params, extent, min), c.Expected) << c.Name;
}

TEST(EditPopupSize, MinimumSizeKeepsRoomForThePanelsButtons) {
  TcxEditPopupFrame f;
  f.SysPanel = true;
  const TRect extent{1, 1, 4, 23};
  EXPECT_EQ(EditPopupMinSize(f, extent, 14, 16), (TSize{5, 24}));
  f.Sizeable = true;
  EXPECT_EQ(EditPopupMinSize(f, extent, 14, 16), (TSize{5 + 14 + 16 + 10, 24}));
}

TEST(EditPopupSize, MaxClientSizeIsTheLargerSideOfTheWorkArea) {
  const TRect owner{100, 600, 250, 621};
  const TRect extent{1, 1, 4, 4};
  EXPECT_EQ(EditPopupMaxClientSize(owner, kScreen, true, pdVertical, extent), (TSize{1024 - 5, 603 - 5}));
  EXPECT_EQ(EditPopupMaxClientSize(owner, kScreen, false, pdHorizontal, extent), (TSize{1024 - 250 + 1 - 5, 768 - 5}));
}

TEST(EditPopupSizing, DragsKeepTheEdgeOppositeTheGripAndTheirLimits) {
  const TRect bounds{100, 121, 300, 271};
  const TRect owner{100, 100, 250, 121};
  // The drag asks for a size by the grip's corner.
  EXPECT_EQ(EditPopupDraggedSize(TSize{200, 150}, gcRightBottom, 30, 20), (TSize{230, 170}));
  EXPECT_EQ(EditPopupDraggedSize(TSize{200, 150}, gcLeftTop, 30, 20), (TSize{170, 130}));
  // Never below the minimum size from the extents nor the popup's minimums.
  EXPECT_EQ(ClampEditPopupSize(TSize{10, 10}, TSize{45, 24}, 0, 0), (TSize{45, 24}));
  EXPECT_EQ(ClampEditPopupSize(TSize{10, 10}, TSize{45, 24}, 80, 60), (TSize{80, 60}));
  struct Case {
    const char* Name;
    TRect Bounds;
    TcxEditPopupGripCorner Corner;
    TSize Size;
    TRect Area;
    TRect Expected;
  };
  const Case cases[] = {
      {"right-bottom keeps left and top", bounds, gcRightBottom, {230, 170}, kScreen, {100, 121, 330, 291}},
      {"left-top keeps right and bottom", {150, 300, 350, 450}, gcLeftTop, {260, 180}, kScreen, {90, 270, 350, 450}},
      {"clipped to the work area", bounds, gcRightBottom, {2000, 900}, kScreen, {100, 121, 1024, 768}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(EditPopupSizingRect(c.Bounds, c.Corner, c.Size, owner, c.Area), c.Expected) << c.Name;
  // A left grip dragged so far right that the popup would leave the editor: one pixel of overlap stays.
  EXPECT_EQ(EditPopupSizingRect(TRect{260, 121, 460, 271}, gcLeftBottom, TSize{100, 150}, owner, kScreen),
            (TRect{249, 121, 460, 271}));
  // A right-grip popup dragged narrower than the editor's left edge allows.
  EXPECT_EQ(EditPopupSizingRect(TRect{0, 121, 60, 271}, gcRightBottom, TSize{50, 150}, owner, kScreen),
            (TRect{0, 121, 101, 271}));
}

TEST(DropDownRules, CloseReasonsAndModalResults) {
  const std::pair<TcxEditCloseUpReason, bool> takes[] = {
      {crUnknown, false}, {crTab, true}, {crClose, true}, {crCancel, false}, {crEnter, true}};
  for (auto [reason, expected] : takes) EXPECT_EQ(CloseUpReasonTakesValue(reason), expected) << int(reason);
  EXPECT_EQ(ModalResultCloseUpReason(1), crEnter);
  EXPECT_EQ(ModalResultCloseUpReason(2), crCancel);
  EXPECT_EQ(ModalResultCloseUpReason(6), crUnknown);
}

TEST(DropDownRules, Keys) {
  constexpr std::uint16_t kF4 = 0x73, kUp = 0x26, kDown = 0x28, kEnter = 0x0D, kEsc = 0x1B, kA = 0x41;
  struct Case {
    std::uint16_t Key;
    bool Alt, Open, Editing;
    TcxDropDownKeyEffect Effect;
    TcxEditCloseUpReason Reason;
  };
  const Case cases[] = {
      {kF4, false, false, true, dkeDropDown, crUnknown}, {kF4, false, true, true, dkeCloseUp, crClose},
      {kF4, true, false, true, dkeNone, crUnknown},      {kDown, true, false, true, dkeDropDown, crUnknown},
      {kUp, true, true, true, dkeCloseUp, crClose},      {kDown, false, true, true, dkeNone, crUnknown},
      {kEnter, false, true, true, dkeCloseUp, crEnter},  {kEnter, false, true, false, dkeCloseUp, crCancel},
      {kEnter, false, false, true, dkeNone, crUnknown},  {kEsc, false, true, true, dkeCloseUp, crCancel},
      {kEsc, true, true, true, dkeNone, crUnknown},      {kA, false, true, true, dkeNone, crUnknown},
  };
  for (const Case& c : cases) {
    const TcxDropDownKeyAction a = DropDownKeyAction(c.Key, c.Alt, c.Open, c.Editing);
    EXPECT_EQ(a.Effect, c.Effect) << c.Key << " alt " << c.Alt << " open " << c.Open;
    EXPECT_EQ(a.Reason, c.Reason) << c.Key << " alt " << c.Alt << " open " << c.Open;
  }
}

TEST(DropDownRules, StoredSizesStayInRange) {
  EXPECT_EQ(NormalizePopupMinSize(-5), 0);
  EXPECT_EQ(NormalizePopupMinSize(40), 40);
  EXPECT_EQ(NormalizePopupWidth(-5, 100), 0);
  EXPECT_EQ(NormalizePopupWidth(0, 100), 0) << "0 stays: not set";
  EXPECT_EQ(NormalizePopupWidth(50, 100), 100);
  EXPECT_EQ(NormalizePopupWidth(250, 100), 250);
  EXPECT_EQ(NormalizePopupHeight(0, 100), 100);
  EXPECT_EQ(NormalizePopupHeight(-3, 0), 0);
  EXPECT_EQ(NormalizePopupHeight(300, 100), 300);
}

TEST(DropDownRules, InitAndFinalizePairAndTheFirstReasonCounts) {
  TcxDropDownPopupState s;
  EXPECT_FALSE(s.EndFinalize()) << "nothing to finalise before an init";
  EXPECT_TRUE(s.BeginInit());
  EXPECT_FALSE(s.BeginInit()) << "a second init while initialised does nothing";
  EXPECT_TRUE(s.EndFinalize());
  EXPECT_FALSE(s.EndFinalize());
  EXPECT_TRUE(s.BeginInit());
  s.CancelInit();
  EXPECT_FALSE(s.Initialized()) << "a failed init leaves nothing to finalise";
  s.Shown();
  s.NoteCloseReason(crUnknown);
  s.NoteCloseReason(crEnter);
  s.NoteCloseReason(crCancel);
  EXPECT_EQ(s.FirstCloseReason(), crEnter) << "reason 0 counts as none";
  s.Shown();
  EXPECT_EQ(s.FirstCloseReason(), crUnknown);
}

}  // namespace
