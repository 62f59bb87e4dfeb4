// Alignment and anchors: children placed by kind (top, bottom, left, right,
// client), by position within a kind, inside the border, with constraints,
// and anchored children keeping their distances when the parent resizes.
#include <gtest/gtest.h>

#include "controls_test_support.h"

using namespace controls_test;

namespace {

struct TChildSpec {
  TAlign Align;
  TRect Bounds;  // before alignment
  TAnchors Anchors{akLeft, akTop};
  bool Visible = true;
  int MaxWidth = 0;
};

struct TLayoutCase {
  const char* Name;
  std::vector<TChildSpec> Children;
  TRect Expected[6];  // per child, after the parent reached its final size
  int BorderWidth = 0;
  TPoint ResizeTo{0, 0};  // {0, 0}: the parent keeps 200 x 100
};

const TLayoutCase LayoutCases[] = {
    {"one of each kind",
     {{alTop, {0, 0, 10, 20}}, {alBottom, {0, 0, 10, 30}}, {alLeft, {0, 0, 40, 10}}, {alRight, {0, 0, 50, 10}},
      {alClient, {0, 0, 10, 10}}},
     {{0, 0, 200, 20}, {0, 70, 200, 100}, {0, 20, 40, 70}, {150, 20, 200, 70}, {40, 20, 150, 70}}},
    {"tops stack by position, not by insertion",
     {{alTop, {0, 50, 10, 60}}, {alTop, {0, 0, 10, 20}}},
     {{0, 20, 200, 30}, {0, 0, 200, 20}}},
    {"bottoms stack upwards, the one already lowest outermost",
     {{alBottom, {0, 10, 10, 20}}, {alBottom, {0, 80, 10, 90}}},
     {{0, 90, 200, 100}, {0, 80, 200, 90}}},
    {"rights stack leftwards",
     {{alRight, {190, 0, 200, 10}}, {alRight, {0, 0, 30, 10}}},
     {{190, 0, 200, 100}, {160, 0, 190, 100}}},
    {"hidden children take no room",
     {{alTop, {0, 0, 10, 20}, {akLeft, akTop}, false}, {alClient, {0, 0, 10, 10}}},
     {{0, 0, 10, 20}, {0, 0, 200, 100}}},
    {"the border width pads every edge",
     {{alTop, {0, 0, 10, 20}}, {alClient, {0, 0, 10, 10}}},
     {{5, 5, 195, 25}, {5, 25, 195, 95}},
     5},
    {"a constrained client keeps its maximum width",
     {{alClient, {0, 0, 10, 10}, {akLeft, akTop}, true, 50}},
     {{0, 0, 50, 100}}},
    {"alignment follows the parent's new size",
     {{alLeft, {0, 0, 30, 10}}, {alClient, {0, 0, 10, 10}}},
     {{0, 0, 30, 150}, {30, 0, 300, 150}},
     0,
     {300, 150}},
    {"anchors on all sides stretch with the parent",
     {{alNone, {10, 10, 180, 80}, {akLeft, akTop, akRight, akBottom}}},
     {{10, 10, 280, 130}},
     0,
     {300, 150}},
    {"right and bottom anchors keep the distance to the far edges",
     {{alNone, {150, 60, 190, 90}, {akRight, akBottom}}},
     {{250, 110, 290, 140}},
     0,
     {300, 150}},
    {"no horizontal anchor keeps the control centred",
     {{alNone, {80, 10, 120, 30}, {akTop}}},
     {{130, 10, 170, 30}},
     0,
     {300, 150}},
};

class LayoutTest : public testing::TestWithParam<TLayoutCase> {};

// The same layout whether or not the parent has a window.
void RunLayout(const TLayoutCase& c, bool withWindow) {
  THost host(nullptr);
  host.SetBounds(0, 0, 200, 100);
  if (withWindow) host.Show();
  host.SetBorderWidth(c.BorderWidth);
  std::vector<TControl*> children;
  for (const TChildSpec& s : c.Children) {
    auto* child = new TMyShape(&host);
    child->SetVisible(s.Visible);
    child->SetBoundsRect(s.Bounds);
    child->Constraints()->SetMaxWidth(s.MaxWidth);
    child->SetParent(&host);
    child->SetAnchors(s.Anchors);
    child->SetAlign(s.Align);
    children.push_back(child);
  }
  if (c.ResizeTo.X) host.SetBounds(0, 0, c.ResizeTo.X, c.ResizeTo.Y);
  if (withWindow) {
    RECT r;
    GetClientRect(host.Handle(), &r);
    ASSERT_EQ(r.right, c.ResizeTo.X ? c.ResizeTo.X : 200);
  }
  for (size_t i = 0; i < children.size(); ++i) {
    const TRect b = children[i]->BoundsRect();
    const TRect& e = c.Expected[i];
    EXPECT_EQ(b, e) << c.Name << (withWindow ? " (with window)" : " (no window)") << ": child " << i << " is ("
                    << b.Left << "," << b.Top << "," << b.Right << "," << b.Bottom << "), want (" << e.Left << ","
                    << e.Top << "," << e.Right << "," << e.Bottom << ")";
  }
}

TEST_P(LayoutTest, PlacesChildren) {
  RunLayout(GetParam(), false);
  RunLayout(GetParam(), true);
}

INSTANTIATE_TEST_SUITE_P(Cases, LayoutTest, testing::ValuesIn(LayoutCases));

TEST(LayoutRulesTest, DisabledAlignWaitsForEnableAlign) {
  THost host(nullptr);
  host.SetBounds(0, 0, 200, 100);
  host.DisableAlign();
  auto* top = new TMyShape(&host);
  top->SetBounds(0, 0, 10, 20);
  top->SetParent(&host);
  top->SetAlign(alTop);
  EXPECT_TRUE(host.AlignDisabled());
  EXPECT_EQ(top->Width(), 10) << "nothing moves while aligning is disabled";
  host.EnableAlign();
  EXPECT_EQ(top->BoundsRect(), (TRect{0, 0, 200, 20}));
}

TEST(LayoutRulesTest, CustomAlignmentAsksTheParent) {
  struct TCustomHost : THost {
    using THost::THost;
    void CustomAlignPosition(TControl*, int& NewLeft, int& NewTop, int& NewWidth, int& NewHeight, TRect& AlignRect,
                             const TAlignInfo& Info) override {
      NewLeft = AlignRect.Right - NewWidth - 4 * Info.ControlIndex;
      NewTop = 7;
      NewHeight = 11;
    }
  } host(nullptr);
  host.SetBounds(0, 0, 200, 100);
  auto* c = new TMyShape(&host);
  c->SetBounds(0, 0, 30, 30);
  c->SetParent(&host);
  c->SetAlign(alCustom);
  EXPECT_EQ(c->BoundsRect(), (TRect{170, 7, 200, 18}));
}

TEST(LayoutRulesTest, ConstraintsHoldForDirectResizes) {
  TMyShape shape(nullptr);
  shape.Constraints()->SetMinWidth(20);
  shape.Constraints()->SetMaxHeight(30);
  shape.SetBounds(0, 0, 5, 100);
  EXPECT_EQ(shape.Width(), 20);
  EXPECT_EQ(shape.Height(), 30);
  shape.SetBounds(0, 0, -10, -10);
  EXPECT_EQ(shape.Width(), 20);
  EXPECT_EQ(shape.Height(), 0) << "a negative size becomes zero, never negative";
}

}  // namespace
