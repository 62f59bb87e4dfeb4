// Hint, popup, drag-image and size-frame windows: hints kept inside an
// injected work area, not shown off every monitor, animated as the kind and
// the system's settings say (through a recording AnimateWindow); popups
// placed beside their owner on the side with room, sized around their
// children and framed; the application's deactivation closes them; drag
// images and size frames let the mouse through, and a size frame's region is
// a frame of its width.
#include "controls_test_support.h"

using namespace controls_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TControlsUnits);

// Work areas put in force for a test: a left monitor (0, 0, 800, 600) and a
// right one (800, 0, 1600, 500).
TRect InjectedWorkArea(const TPoint& P) { return P.X < 800 ? TRect{0, 0, 800, 600} : TRect{800, 0, 1600, 500}; }

TcxHintAnimationSettings& SystemAnimation() {
  static TcxHintAnimationSettings settings;
  return settings;
}
TcxHintAnimationSettings ReadSystemAnimation() { return SystemAnimation(); }

std::vector<DWORD>& Animations() {
  static std::vector<DWORD> calls;
  return calls;
}
BOOL WINAPI RecordAnimation(HWND, DWORD ATime, DWORD AFlags) {
  EXPECT_EQ(ATime, 100u);
  Animations().push_back(AFlags);
  return TRUE;
}

class PopupTest : public testing::Test {
 protected:
  void SetUp() override {
    previousArea = SetWorkAreaReader(&InjectedWorkArea);
    previousAnimation = SetHintAnimationSettingsReader(&ReadSystemAnimation);
    previousAnimate = SetAnimateWindowFunc(&RecordAnimation);
    SystemAnimation() = TcxHintAnimationSettings{};
    Animations().clear();
    form = MakeForm();
    ShowQuietly(form);
  }
  void TearDown() override {
    delete form;
    SetWorkAreaReader(previousArea);
    SetHintAnimationSettingsReader(previousAnimation);
    SetAnimateWindowFunc(previousAnimate);
  }
  TcxWorkAreaReader previousArea = nullptr;
  TcxHintAnimationSettingsReader previousAnimation = nullptr;
  TcxAnimateWindowFunc previousAnimate = nullptr;
  THostForm* form = nullptr;
};

TEST_F(PopupTest, AHintStaysInsideTheWorkAreaAndNeverTakesTheActivationOrTheMouse) {
  const HWND active = GetActiveWindow();
  TcxBaseHintWindow hint(nullptr);
  struct TCase {
    TRect R;
    TPoint TopLeft;
  };
  for (const TCase c : {TCase{{100, 100, 200, 130}, {100, 100}}, TCase{{760, 590, 860, 620}, {700, 570}},
                        TCase{{1250, 490, 1350, 510}, {1250, 480}}}) {
    hint.ActivateHint(c.R, L"A hint");
    EXPECT_EQ(hint.BoundsRect(), (TRect{c.TopLeft.X, c.TopLeft.Y, c.TopLeft.X + 100, c.TopLeft.Y + c.R.Bottom - c.R.Top}));
    EXPECT_TRUE(IsWindowVisible(hint.Handle()));
  }
  EXPECT_EQ(GetActiveWindow(), active);
  EXPECT_EQ(SendMessageW(hint.Handle(), WM_NCHITTEST, 0, 0), HTTRANSPARENT);
  EXPECT_EQ(GetWindowLongPtrW(hint.Handle(), GWL_STYLE) & WS_BORDER, 0);
  EXPECT_NE(GetWindowLongPtrW(hint.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  hint.SetHintAreaRect(TRect{1, 2, 3, 4});
  hint.ActivateHint(TRect{10, 10, 50, 30}, L"Again");
  EXPECT_EQ(hint.HintAreaRect(), TRect{}) << "the hint area is the last one shown only until the next";
}

// The monitor test answers the nearest monitor whenever the program has its
// screen object: a hint asked for far off every monitor shows in the nearest
// work area instead of outside it.
TEST_F(PopupTest, AHintAskedForOffEveryMonitorShowsInTheNearestWorkArea) {
  TcxBaseHintWindow hint(nullptr);
  hint.ActivateHint(TRect{-30000, -30000, -29900, -29980}, L"Far away");
  EXPECT_EQ(hint.BoundsRect(), (TRect{0, 0, 100, 20}));
  EXPECT_TRUE(IsWindowVisible(hint.Handle()));
}

TEST_F(PopupTest, AHintAnimatesAsItsKindAndTheSystemSay) {
  struct TCase {
    const char* What;
    TcxHintAnimate Kind;
    bool Animate, Fade;
    int TextLength;
    std::vector<DWORD> Calls;
  };
  const TCase cases[] = {
      {"the system's kind, fading", cxhaAuto, true, true, 10, {AW_BLEND | AW_SLIDE}},
      {"the system's kind, sliding", cxhaAuto, true, false, 10, {AW_VER_POSITIVE | AW_SLIDE}},
      {"from the left", cxhaSlideFromLeft, true, false, 10, {AW_HOR_POSITIVE | AW_SLIDE}},
      {"from the centre", cxhaCenter, true, true, 10, {AW_CENTER | AW_SLIDE}},
      {"no tooltip animation in the system", cxhaSlideFromLeft, false, true, 10, {}},
      {"none", cxhaNone, true, true, 10, {}},
      {"99 characters", cxhaFade, true, true, 99, {AW_BLEND | AW_SLIDE}},
      {"100 characters appear at once", cxhaFade, true, true, 100, {}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    Animations().clear();
    SystemAnimation() = TcxHintAnimationSettings{c.Animate, c.Fade};
    TcxBaseHintWindow hint(nullptr);
    hint.AnimationKind = c.Kind;
    hint.ActivateHint(TRect{100, 100, 200, 130}, String(std::size_t(c.TextLength), L'x'));
    EXPECT_EQ(Animations(), c.Calls);
    EXPECT_TRUE(IsWindowVisible(hint.Handle()));
  }
}

TEST_F(PopupTest, InStandardModeTheHintIsTheRuntimes) {
  TcxBaseHintWindow hint(nullptr);
  hint.StandardHint = true;
  SystemAnimation() = TcxHintAnimationSettings{true, true};
  hint.ActivateHint(TRect{100, 100, 200, 130}, L"Plain");
  EXPECT_TRUE(Animations().empty());
  EXPECT_NE(GetWindowLongPtrW(hint.Handle(), GWL_STYLE) & WS_BORDER, 0);
  EXPECT_TRUE(IsWindowVisible(hint.Handle()));
}

TEST_F(PopupTest, APopupOpensOnTheSideWithRoomAndStaysOnItsMonitor) {
  auto* edit = new TTestControl(form);
  edit->SetBounds(10, 10, 100, 20);
  edit->SetParent(form);
  TcxPopupWindow popup;
  popup.OwnerParent = form;
  popup.SetBounds(0, 0, 150, 200);
  struct TCase {
    const char* What;
    TRect OwnerOnScreen;
    TPoint Expected;
  };
  const TCase cases[] = {
      {"below the edit", {100, 100, 200, 120}, {100, 120}},
      {"near the bottom it opens above", {100, 560, 200, 580}, {100, 360}},
      {"near the right edge it moves left", {700, 100, 790, 120}, {650, 120}},
      {"on the right monitor, its own bottom", {900, 400, 1000, 420}, {900, 200}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    const TPoint origin = form->ClientToScreen(TPoint{0, 0});
    popup.OwnerBounds = OffsetRectByPoint(c.OwnerOnScreen, origin, false);
    EXPECT_EQ(popup.CalculateOwnerScreenBounds(), c.OwnerOnScreen);
    TPoint p;
    popup.CalcPosition(p);
    EXPECT_EQ(p, c.Expected);
  }
}

TEST_F(PopupTest, APopupSizesItselfAroundItsChildrenInsideItsFrame) {
  TcxPopupWindow popup;
  popup.HandleNeeded();
  auto* a = new TTestControl(&popup);
  a->SetBounds(0, 0, 50, 20);
  a->SetParent(&popup);
  auto* b = new TTestControl(&popup);
  b->SetBounds(10, 30, 40, 20);
  b->SetParent(&popup);
  popup.SetBorderStyle(pbs3DThick);
  popup.BorderSpace = 1;
  EXPECT_EQ(popup.GetFrameThickness(), 2);
  EXPECT_EQ(popup.GetBorderWidth(2), 3);
  popup.AdjustSizeToControls();
  EXPECT_EQ(a->BoundsRect(), (TRect{3, 3, 53, 23}));
  EXPECT_EQ(b->BoundsRect(), (TRect{13, 33, 53, 53}));
  EXPECT_EQ(popup.Width(), 56);
  EXPECT_EQ(popup.Height(), 56);
  EXPECT_EQ(popup.GetFrameClientRect(), (TRect{3, 3, popup.ClientWidth() - 3, popup.ClientHeight() - 3}));
  struct TCase {
    TcxPopupBorderStyle Style;
    int Thickness;
  };
  for (const TCase c : {TCase{pbsNone, 0}, TCase{pbsSingle, 1}, TCase{pbs3DThin, 1}, TCase{pbs3DThick, 2}}) {
    popup.SetBorderStyle(c.Style);
    EXPECT_EQ(popup.GetFrameThickness(), c.Thickness);
  }
}

TEST_F(PopupTest, APopupsFrameIsDrawnInTheFrameColour) {
  TcxPopupWindow popup;
  popup.SetBounds(0, 0, 60, 40);
  popup.SetColor(clWhite);
  popup.SetBorderStyle(pbsSingle);
  popup.FrameColor = clRed;
  popup.HandleNeeded();
  graphics_test::Surface surface(60, 40);
  popup.PaintTo(surface.Dc, 0, 0);
  const vamire_test::Capture cap = surface.Cap();
  EXPECT_EQ(cap.At(0, 0), 0xFF0000u);
  EXPECT_EQ(cap.At(59, 20), 0xFF0000u);
  EXPECT_EQ(cap.At(30, 39), 0xFF0000u);
  EXPECT_EQ(cap.At(30, 20), 0xFFFFFFu);
}

TEST_F(PopupTest, LosingTheApplicationsActivationClosesThePopupAndGivesTheCaptionBack) {
  TcxPopupWindow popup;
  popup.SetBounds(100, 100, 60, 40);
  ShowQuietly(&popup);
  ASSERT_TRUE(IsWindowVisible(popup.Handle()));
  SendMessageW(popup.Handle(), WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(form->Handle()));
  EXPECT_EQ(popup.PrevActiveWindow(), form->Handle());
  SendMessageW(popup.Handle(), WM_ACTIVATEAPP, FALSE, 0);
  EXPECT_FALSE(IsWindowVisible(popup.Handle()));
  EXPECT_FALSE(popup.Visible());
}

TEST_F(PopupTest, DragImagesAndSizeFramesLetTheMouseThroughToTheWindowBelow) {
  TcxCustomDragImage image;
  image.PopupParent = form;
  image.HandleNeeded();
  EXPECT_EQ(reinterpret_cast<HWND>(GetWindowLongPtrW(image.Handle(), GWLP_HWNDPARENT)), form->Handle());
  EXPECT_NE(GetClassLongW(image.Handle(), GCL_STYLE) & CS_SAVEBITS, 0u);
  EXPECT_TRUE(image.AlphaBlend());
  EXPECT_EQ(image.AlphaBlendValue(), 180);
  EXPECT_EQ(SendMessageW(image.Handle(), WM_NCHITTEST, 0, 0), HTTRANSPARENT);

  TcxSizeFrame frame(4);
  frame.HandleNeeded();
  frame.FillSelection = true;
  const TRect onForm = RectFromBounds(form->ClientOrigin().X + 20, form->ClientOrigin().Y + 20, 100, 80);
  frame.SetFrameRect(onForm);
  frame.ShowAs(SW_SHOWNA);
  const HWND below = WindowFromPoint(POINT{onForm.Left + 50, onForm.Top + 40});
  EXPECT_NE(below, frame.Handle()) << "the frame is on top, and the mouse goes through it";
}

TEST_F(PopupTest, ASizeFramesRegionIsAFrameOfItsWidth) {
  TcxSizeFrame frame(4);
  frame.HandleNeeded();
  EXPECT_FALSE(frame.AlphaBlend());
  frame.SetFrameRect(TRect{100, 100, 300, 200});
  EXPECT_EQ(frame.BoundsRect(), (TRect{100, 100, 300, 200}));
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(frame.Handle(), region), ERROR);
  struct TCase {
    TPoint P;
    bool In;
  };
  for (const TCase c : {TCase{{0, 0}, true}, TCase{{3, 50}, true}, TCase{{4, 50}, false}, TCase{{100, 50}, false},
                        TCase{{199, 99}, true}, TCase{{195, 50}, false}, TCase{{196, 50}, true}}) {
    EXPECT_EQ(PtInRegion(region, c.P.X, c.P.Y) != FALSE, c.In) << c.P.X << "," << c.P.Y;
  }
  // Smaller than twice the frame: the region of before stays.
  frame.SetFrameRect(TRect{100, 100, 107, 200});
  HRGN after = CreateRectRgn(0, 0, 0, 0);
  GetWindowRgn(frame.Handle(), after);
  EXPECT_TRUE(EqualRgn(region, after));
  DeleteObject(after);
  DeleteObject(region);
}

}  // namespace
