// The real page-control styles under Wine: where a tab's image and caption go
// (cut with an ellipsis, or not at all when even that does not fit), the
// standard sizes and navigator, and the classic Tabs outline in pixels.
#include "support/WindowCapture.h"
#include "cxPCPainters.h"
#include "tabcontrol_test_support.h"

using namespace pc_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TPaintersUnits);

class PaintersTest : public TRealStylesTest {
 protected:
  PaintersTest() : TRealStylesTest(TSize{320, 150}) {}
  void SetUp() override {
    TRealStylesTest::SetUp();
    control->SetStyle(TcxPCTabsPainter::GetStyleID());
  }
  TcxPCStandardPainter* Painter() { return static_cast<TcxPCStandardPainter*>(control->Painter()); }
  // Places the content of a tab as drawing would, with the tab's font.
  const TcxPCTabContent& Place(int AVisibleIndex) {
    TcxTab* tab = control->Tabs()->VisibleTab(AVisibleIndex);
    Painter()->PrepareTabFont(tab, control->Canvas());
    Painter()->CalculateTabImageAndTextRects(AVisibleIndex);
    return Painter()->TabContent();
  }
};

TEST_F(PaintersTest, TheRealStylesRegisterWithTabsFirst) {
  ASSERT_NE(PaintersFactory(), nullptr);
  EXPECT_EQ(PaintersFactory()->PainterClass(0), TcxPCTabsPainter::PainterStaticClass());
  EXPECT_EQ(FindPainterClass(1)->GetStyleName(), L"Tabs");
  EXPECT_EQ(FindPainterClass(101), nullptr) << "the test styles' numbers stay free";
  EXPECT_EQ(FindPainterClass(102), nullptr);
}

TEST_F(PaintersTest, ACaptionTooWideIsCutFromItsStartAndDroppedWhenNotEvenTheEllipsisFits) {
  AddPage(L"A caption far too long for its tab");
  AddPage(L"B");
  control->SetTabWidth(70);
  const TcxPCTabContent& selected = Place(0);
  const TRect full = control->Tabs()->VisibleTab(0)->FullRect();
  EXPECT_TRUE(Painter()->IsCaptionCut());
  const String fitted = Painter()->FittedCaption();
  ASSERT_GE(fitted.size(), 4u);
  EXPECT_EQ(fitted.substr(fitted.size() - 3), L"...");
  EXPECT_EQ(fitted.substr(0, 2), L"A ");
  // Not centred: the selected tab's truncated margin of 5 from its left edge.
  EXPECT_EQ(selected.TextRect.Left, full.Left + 5);
  EXPECT_LE(selected.TextRect.Right, full.Right - 5);

  // A short caption fits whole and is centred between the margins.
  const TcxPCTabContent& other = Place(1);
  const TRect fullB = control->Tabs()->VisibleTab(1)->FullRect();
  EXPECT_FALSE(Painter()->IsCaptionCut());
  EXPECT_EQ(Painter()->FittedCaption(), L"B");
  const int left = other.TextRect.Left - fullB.Left, right = fullB.Right - other.TextRect.Right;
  EXPECT_LE(std::abs(left - right), 1) << left << " " << right;

  // A font so large that "..." needs more than the tab's room: nothing is placed.
  control->Font()->SetSize(72);
  control->SetTabWidth(44);
  const TcxPCTabContent& none = Place(0);
  EXPECT_TRUE(RectHasNoArea(none.TextRect));
  EXPECT_TRUE(Painter()->FittedCaption().empty());
}

TEST_F(PaintersTest, ImageAndCaptionAreCentredTogether) {
  TCustomImageList images(nullptr, 16, 16);
  TBitmap picture;
  picture.SetSize(16, 16);
  picture.Canvas()->Brush()->SetColor(clRed);
  picture.Canvas()->FillRect(TRect{0, 0, 16, 16});
  images.Add(&picture, nullptr);
  control->SetImages(&images);
  AddPage(L"Pictures")->SetImageIndex(0);
  control->SetTabWidth(160);
  const TcxPCTabContent& c = Place(0);
  const TRect full = control->Tabs()->VisibleTab(0)->FullRect();
  ASSERT_FALSE(RectHasNoArea(c.ImageRect));
  ASSERT_FALSE(RectHasNoArea(c.TextRect));
  EXPECT_EQ(c.TextRect.Left - c.ImageRect.Right, 6) << "the image-text distance, no image border";
  // The pair sits in the middle of the room between the selected tab's margins of 5.
  const int before = c.ImageRect.Left - (full.Left + 5), after = (full.Right - 5) - c.TextRect.Right;
  EXPECT_LE(std::abs(before - after), 1) << before << " " << after;
  control->SetImages(nullptr);
}

TEST_F(PaintersTest, StandardSizesAndTheRotatedHeightRule) {
  AddPage(L"");
  AddPage(L"Wide");
  TcxTab* empty = control->Tabs()->VisibleTab(0);
  TcxTab* wide = control->Tabs()->VisibleTab(1);
  EXPECT_EQ(Painter()->GetTabExtraWidth(1), 12) << "no images";
  EXPECT_EQ(Painter()->GetMinTabWidth(1), 42);
  EXPECT_EQ(Painter()->CalculateTabNormalWidth(empty), 42) << "an empty caption gets the minimum";
  TSize size{};
  MeasureTabText(wide, L"Wide", nullptr, size);
  EXPECT_EQ(Painter()->CalculateTabNormalWidth(wide), std::max(12 + int(size.cx), 42));
  control->SetTabWidth(77);
  EXPECT_EQ(Painter()->CalculateTabNormalWidth(wide), 77);

  // Content 23 high with a 16-pixel image on rotated tabs becomes 24, so the image sits in the middle.
  class TContent23 : public TcxPCTabsPainter {
   public:
    using TcxPCTabsPainter::TcxPCTabsPainter;
    int GetTabContentHeight() override { return 23; }
  } painter(control);
  TCustomImageList images(nullptr, 16, 16);
  TBitmap picture;
  picture.SetSize(16, 16);
  images.Add(&picture, nullptr);
  control->SetImages(&images);
  control->SetRotate(true);
  EXPECT_EQ(painter.CalculateTabNormalHeight(), 24);
  control->SetRotate(false);
  EXPECT_EQ(painter.CalculateTabNormalHeight(), 23);
  control->SetImages(nullptr);
}

TEST_F(PaintersTest, NavigatorButtonsComeInTheirOrderAtEitherEnd) {
  for (int i = 0; i < 12; ++i) AddPage(L"Page with a caption");
  control->SetOptions(TcxPCOptions{pcoCloseButton, pcoGoDialog});
  Pump();
  auto kinds = [&] {
    std::vector<TcxPCNavigatorButton> result;
    for (const auto& entry : Painter()->NavigatorButtonList()) result.push_back(entry.Button);
    return result;
  };
  using V = std::vector<TcxPCNavigatorButton>;
  EXPECT_EQ(kinds(), (V{nbGoDialog, nbTopLeft, nbBottomRight, nbClose}));
  const auto& list = Painter()->NavigatorButtonList();
  EXPECT_EQ(list.back().Rect.Right, control->Width()) << "at the right end, no indent";
  EXPECT_EQ(list[0].Rect.Right - list[0].Rect.Left, 12);
  EXPECT_EQ(list[1].Rect.Right - list[1].Rect.Left, 20);
  EXPECT_EQ(list[1].Rect.Bottom - list[1].Rect.Top, 20);
  control->SetNavigatorPosition(npLeftTop);
  Pump();
  EXPECT_EQ(kinds(), (V{nbClose, nbTopLeft, nbBottomRight, nbGoDialog}));
  EXPECT_EQ(list.front().Rect.Left, 0);
  EXPECT_EQ(Painter()->GetNavigatorAreaWidth({}), 0) << "no buttons, no indent";
}

TEST_F(PaintersTest, ScrollArrowTrianglesHaveLegsOfFourPixels) {
  for (int i = 0; i < 12; ++i) AddPage(L"Page with a caption");
  Pump();
  TRect arrow{};
  for (const auto& entry : Painter()->NavigatorButtonList())
    if (entry.Button == nbBottomRight) arrow = entry.Rect;
  ASSERT_FALSE(RectHasNoArea(arrow));
  const vamire_test::Capture shot = Shot();
  TPoint offset;
  Painter()->GetNavigatorArrowOffset(nbBottomRight, offset);
  const int x = arrow.Left + offset.X, y = arrow.Top + offset.Y;
  const uint32_t text = uint32_t(ColorToRGB(clBtnText));
  auto rgb = [](uint32_t c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); };
  // Pointing right with L = 5: (0, 0), (4, 4), (0, 8).
  EXPECT_EQ(shot.At(x, y), rgb(text));
  EXPECT_EQ(shot.At(x + 4, y + 4), rgb(text));
  EXPECT_EQ(shot.At(x, y + 8), rgb(text));
  EXPECT_NE(shot.At(x + 5, y + 4), rgb(text));
  EXPECT_NE(shot.At(x + 1, y + 9), rgb(text));
}

TEST_F(PaintersTest, TheSelectedTabStandsOutByItsCorrectionOnEverySide) {
  AddPage(L"A");
  AddPage(L"B");
  struct {
    TcxTabPosition Position;
    TRect Deltas;
  } const cases[] = {{tpTop, {-2, -2, 2, 1}}, {tpBottom, {-2, -1, 2, 2}}, {tpLeft, {-2, -2, 1, 2}},
                     {tpRight, {-1, -2, 2, 2}}};
  for (const auto& c : cases) {
    control->SetTabPosition(c.Position);
    TRect d;
    Painter()->GetTabRectCorrection(0, d);
    EXPECT_EQ(d, c.Deltas) << int(c.Position);
    Painter()->GetTabRectCorrection(1, d);
    EXPECT_EQ(d, TRect{}) << "other tabs stay";
  }
}

TEST_F(PaintersTest, ClassicTopTabOutlineInPixels) {
  AddPage(L"First");
  AddPage(L"Second");
  control->SetTabIndex(1);
  const vamire_test::Capture shot = Shot();
  EXPECT_TRUE(shot.SavePng(L"pagecontrol_tabs_classic.png"));
  const TRect r = control->Tabs()->VisibleTab(0)->FullRect();  // not selected
  auto rgb = [](TColor c) {
    const uint32_t v = uint32_t(ColorToRGB(c));
    return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
  };
  const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
  EXPECT_EQ(shot.At(L, B - 1), rgb(clBtnHighlight));
  EXPECT_EQ(shot.At(L + 2, T), rgb(clBtnHighlight));
  EXPECT_EQ(shot.At(R - 3, T), rgb(clBtnHighlight));
  EXPECT_EQ(shot.At(L + 1, T + 3), rgb(cl3DLight));
  EXPECT_EQ(shot.At(L + 3, B - 3), rgb(clBtnFace)) << "the face";
  // The right side of tab 0 lies under the selected tab, which stands out by 2 pixels.
  const TRect s = control->Tabs()->VisibleTab(1)->FullRect();
  EXPECT_EQ(s.Left, R - 2);
  EXPECT_EQ(shot.At(s.Right - 1, s.Top + 3), rgb(cl3DDkShadow));
  EXPECT_EQ(shot.At(s.Right - 2, s.Top + 3), rgb(clBtnShadow));
  // The selected tab joins the page: its bottom line is in the tab colour, not the frame's.
  EXPECT_EQ(shot.At((s.Left + s.Right) / 2, s.Bottom), rgb(clBtnFace));
  EXPECT_LT(s.Top, T) << "the selected tab is taller";
}

TEST_F(PaintersTest, TheDisabledCaptionIsEmbossed) {
  AddPage(L"On");
  TcxTabSheet* off = AddPage(L"OFF");
  off->SetEnabled(false);
  control->Font()->SetSize(14);
  const vamire_test::Capture shot = Shot();
  const TRect r = control->Tabs()->VisibleTab(1)->FullRect();
  int light = 0, dark = 0;
  auto rgb = [](TColor c) {
    const uint32_t v = uint32_t(ColorToRGB(c));
    return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
  };
  for (int y = r.Top + 3; y < r.Bottom - 2; ++y)
    for (int x = r.Left + 3; x < r.Right - 3; ++x) {
      light += shot.At(x, y) == rgb(clBtnHighlight);
      dark += shot.At(x, y) == rgb(clBtnShadow);
    }
  EXPECT_GT(light, 5) << "the light copy shows below and right";
  EXPECT_GT(dark, 5) << "the shadow copy on top";
}

}  // namespace
