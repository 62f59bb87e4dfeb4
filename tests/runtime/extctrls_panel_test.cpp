// The panel (bevels, border band, caption, room left for children) and the
// image (where the picture goes, auto size, drawing on its bitmap).
#include <gtest/gtest.h>

#include "ExtCtrls.h"
#include "extctrls_test_support.h"

using namespace extctrls_test;

namespace {

// --- Panel -----------------------------------------------------------------------------
struct TPanelRoomCase {
  TPanelBevel Outer, Inner;
  int BevelWidth, BorderWidth;
  int Inset;  // where an alClient child ends up, from every edge
};

TEST(PanelTest, ChildrenAreAlignedInsideBevelsAndBorder) {
  const TPanelRoomCase cases[] = {
      {bvNone, bvNone, 1, 0, 0},   {bvRaised, bvNone, 1, 0, 1},  {bvRaised, bvLowered, 1, 0, 2},
      {bvLowered, bvSpace, 3, 0, 6}, {bvNone, bvRaised, 2, 4, 6}, {bvRaised, bvRaised, 2, 3, 7},
  };
  for (const auto& c : cases) {
    THost host(nullptr);
    auto* panel = new TPanel(&host);
    panel->SetParent(&host);
    panel->SetBounds(10, 10, 120, 80);
    panel->SetBevelOuter(c.Outer);
    panel->SetBevelInner(c.Inner);
    panel->SetBevelWidth(c.BevelWidth);
    panel->SetBorderWidth(c.BorderWidth);
    auto* child = new TPanel(&host);
    child->SetParent(panel);
    child->SetAlign(alClient);
    EXPECT_EQ(child->BoundsRect(), (TRect{c.Inset, c.Inset, 120 - c.Inset, 80 - c.Inset}))
        << c.Outer << "/" << c.Inner << " bevel " << c.BevelWidth << " border " << c.BorderWidth;
    // A change after the child is placed moves it too.
    panel->SetBevelOuter(bvNone);
    panel->SetBevelInner(bvNone);
    EXPECT_EQ(child->BoundsRect(), (TRect{c.BorderWidth, c.BorderWidth, 120 - c.BorderWidth, 80 - c.BorderWidth}));
  }
}

TEST(PanelTest, DefaultsAreThoseFormsRelyOn) {
  TPanel panel(nullptr);
  EXPECT_EQ(panel.Width(), 185);
  EXPECT_EQ(panel.Height(), 41);
  EXPECT_EQ(panel.BevelOuter(), bvRaised);
  EXPECT_EQ(panel.BevelInner(), bvNone);
  EXPECT_EQ(panel.BevelWidth(), 1);
  EXPECT_EQ(panel.Alignment(), taCenter);
  EXPECT_EQ(panel.Color(), clBtnFace);
  EXPECT_FALSE(panel.ParentColor());
  EXPECT_TRUE(panel.ControlStyle().Contains(csAcceptsControls));
  EXPECT_TRUE(panel.ParentBackground());
  panel.SetBevelWidth(0);
  EXPECT_EQ(panel.BevelWidth(), 1) << "a bevel is at least one pixel";
}

TEST(PanelTest, ClassNameAndBorderStyleReachTheWindow) {
  THost host(nullptr);
  auto* panel = new TPanel(&host);
  panel->SetParent(&host);
  host.Show();
  EXPECT_EQ(controls_test::WindowClassName(panel->Handle()), L"TPanel");
  EXPECT_EQ(GetWindowLongPtrW(panel->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  auto* child = new TPanel(&host);
  child->SetParent(panel);
  panel->SetBorderStyle(bsSingle);
  EXPECT_NE(GetWindowLongPtrW(panel->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  EXPECT_TRUE(child->HandleAllocated()) << "the child survives the new window";
  EXPECT_EQ(GetParent(child->Handle()), panel->Handle());
}

struct TBevelLookCase {
  TPanelBevel Outer, Inner;
  TColor TopLeft, BottomRight, InnerTopLeft;
};

TEST(PanelTest, BevelsAndCaptionAreDrawn) {
  const TBevelLookCase cases[] = {
      {bvRaised, bvNone, clBtnHighlight, clBtnShadow, clBtnFace},
      {bvLowered, bvNone, clBtnShadow, clBtnHighlight, clBtnFace},
      {bvRaised, bvLowered, clBtnHighlight, clBtnShadow, clBtnShadow},
      {bvNone, bvNone, clBtnFace, clBtnFace, clBtnFace},
  };
  for (const auto& c : cases) {
    THost host(nullptr);
    auto* panel = new TPanel(&host);
    panel->SetParent(&host);
    panel->SetBounds(0, 0, 160, 40);
    panel->SetBevelOuter(c.Outer);
    panel->SetBevelInner(c.Inner);
    host.Show();
    const auto shot = Shoot(panel);
    EXPECT_EQ(shot.At(0, 0), Rgb(c.TopLeft)) << c.Outer << "/" << c.Inner;
    EXPECT_EQ(shot.At(159, 39), Rgb(c.BottomRight)) << c.Outer << "/" << c.Inner;
    const int in = c.Outer == bvNone ? 0 : 1;
    EXPECT_EQ(shot.At(in, 20), Rgb(c.InnerTopLeft)) << c.Outer << "/" << c.Inner;
  }
}

TEST(PanelTest, CaptionFollowsAlignmentAndFontColour) {
  THost host(nullptr);
  host.SetBounds(40, 40, 200, 140);
  auto* panel = new TPanel(&host);
  panel->SetParent(&host);
  panel->SetBounds(0, 0, 200, 40);
  panel->SetCaption(L"Wall");
  panel->Font()->SetColor(clRed);
  host.Show();
  const uint32_t red = Rgb(clRed);
  const TRect left{0, 0, 60, 40}, middle{70, 0, 130, 40}, right{140, 0, 200, 40};
  struct {
    TAlignment Alignment;
    bool InLeft, InMiddle, InRight;
  } cases[] = {{taCenter, false, true, false}, {taLeftJustify, true, false, false}, {taRightJustify, false, false, true}};
  for (const auto& c : cases) {
    panel->SetAlignment(c.Alignment);
    const auto shot = Shoot(panel);
    if (c.Alignment == taCenter) shot.SavePng(L"extctrls_panel.png");
    EXPECT_EQ(CountColor(shot, left, red) > 0, c.InLeft) << c.Alignment;
    EXPECT_EQ(CountColor(shot, middle, red) > 0, c.InMiddle) << c.Alignment;
    EXPECT_EQ(CountColor(shot, right, red) > 0, c.InRight) << c.Alignment;
  }
  panel->SetEnabled(false);
  const auto grey = Shoot(panel);
  EXPECT_EQ(CountColor(grey, TRect{0, 0, 200, 40}, red), 0) << "a disabled panel greys its caption";
  EXPECT_GT(CountColor(grey, middle, Rgb(clGrayText)), 0);
}

// --- Image -----------------------------------------------------------------------------
struct TDestCase {
  int PicW, PicH;
  bool Stretch, Proportional, Center;
  TRect Expected;  // in a 100 x 60 image
};

TEST(ImageTest, DestRectPlacesThePicture) {
  const TDestCase cases[] = {
      {40, 20, false, false, false, {0, 0, 40, 20}},      // as it is, top-left
      {40, 20, false, false, true, {30, 20, 70, 40}},     // centred
      {40, 20, true, false, false, {0, 0, 100, 60}},      // stretched to fill
      {40, 20, true, true, false, {0, 0, 100, 50}},       // wide: width fills
      {40, 20, true, true, true, {0, 5, 100, 55}},
      {20, 40, true, true, true, {35, 0, 65, 60}},        // tall: height fills
      {300, 60, false, true, false, {0, 0, 100, 20}},     // too big: shrunk, aspect kept
      {30, 30, false, true, true, {35, 15, 65, 45}},      // small enough: not grown
      {200, 200, false, false, true, {-50, -70, 150, 130}},  // too big, centred: cut on all sides
      {90, 80, true, true, false, {0, 0, 67, 60}},        // width must give way after all
  };
  for (const auto& c : cases) {
    TImage image(nullptr);
    image.SetBounds(0, 0, 100, 60);
    std::unique_ptr<TBitmap> pic(MakeBitmap(c.PicW, c.PicH, clRed));
    image.Picture()->SetGraphic(pic.get());
    image.SetStretch(c.Stretch);
    image.SetProportional(c.Proportional);
    image.SetCenter(c.Center);
    EXPECT_EQ(image.DestRect(), c.Expected)
        << c.PicW << "x" << c.PicH << " stretch " << c.Stretch << " prop " << c.Proportional << " center " << c.Center;
  }
}

TEST(ImageTest, AutoSizeTakesThePictureSize) {
  THost host(nullptr);
  auto* image = new TImage(&host);
  image->SetParent(&host);
  image->SetAutoSize(true);
  std::unique_ptr<TBitmap> pic(MakeBitmap(33, 17, clBlue));
  image->Picture()->SetGraphic(pic.get());
  EXPECT_EQ(image->Width(), 33);
  EXPECT_EQ(image->Height(), 17);
  pic->SetSize(50, 44);
  image->Picture()->SetGraphic(pic.get());
  EXPECT_EQ(image->Width(), 50);
  EXPECT_EQ(image->Height(), 44);
  image->Picture()->SetGraphic(nullptr);
  EXPECT_EQ(image->Width(), 50) << "an emptied picture leaves the size";
}

TEST(ImageTest, CanvasDrawsOnTheBitmapAndRefusesOtherGraphics) {
  THost host(nullptr);
  host.SetBounds(40, 40, 120, 100);
  auto* image = new TImage(&host);
  image->SetParent(&host);
  image->SetBounds(10, 10, 40, 30);
  host.Show();
  TCanvas* c = image->Canvas();
  ASSERT_NE(image->Picture()->Graphic(), nullptr) << "an empty image gets a bitmap";
  EXPECT_EQ(image->Picture()->Width(), 40);
  EXPECT_EQ(image->Picture()->Height(), 30);
  c->Brush()->SetColor(clLime);
  c->FillRect(TRect{0, 0, 40, 30});
  const auto shot = Shoot(&host);
  EXPECT_EQ(shot.At(10, 10), Rgb(clLime)) << "the drawing shows at the image's place";
  EXPECT_EQ(shot.At(49, 39), Rgb(clLime));
  EXPECT_NE(shot.At(50, 40), Rgb(clLime));

  auto* icon = new TIcon();
  icon->SetHandle(LoadIconW(nullptr, IDI_APPLICATION));
  image->Picture()->SetIcon(icon);
  delete icon;
  EXPECT_THROW(image->Canvas(), EInvalidOperation);
}

TEST(ImageTest, StretchedAndTransparentPicturesAreDrawn) {
  THost host(nullptr);
  host.SetBounds(40, 40, 120, 100);
  host.SetColor(clWhite);
  auto* image = new TImage(&host);
  image->SetParent(&host);
  image->SetBounds(0, 0, 80, 60);
  std::unique_ptr<TBitmap> pic(MakeBitmap(8, 6, clBlue));
  pic->Canvas()->Brush()->SetColor(clFuchsia);
  pic->Canvas()->FillRect(TRect{0, 3, 8, 6});  // lower half: the bottom-left colour
  image->Picture()->SetGraphic(pic.get());
  image->SetStretch(true);
  host.Show();
  auto shot = Shoot(&host);
  EXPECT_EQ(shot.At(40, 10), Rgb(clBlue));
  EXPECT_EQ(shot.At(79, 59), Rgb(clFuchsia)) << "stretched to the whole image";
  image->SetTransparent(true);
  shot = Shoot(&host);
  EXPECT_EQ(shot.At(40, 10), Rgb(clBlue));
  EXPECT_EQ(shot.At(40, 50), Rgb(clWhite)) << "the bottom-left colour lets the parent show";
}

}  // namespace
