// A control's background painted from its parent, and copies of windowed
// controls painted into another canvas: a gradient parent, transparent and
// coloured children, edges, window regions and the themed route through a
// recording fake.
#include <gtest/gtest.h>

#include <vector>

#include "dxUxTheme.h"
#include "graphics_win_test_support.h"
#include "runtime/controls_test_support.h"

using controls_test::THost;
using core_graphics_test::CanvasSurface;

namespace {

class TParentUnits : public testing::Environment {
 public:
  void SetUp() override { InitializeUnits({dxUxThemeUnit, dxCoreUnit, cxGraphicsUnit}); }
  void TearDown() override { FinalizeUnits(); }
};
const auto* const kUnits = testing::AddGlobalTestEnvironment(new TParentUnits);

// 0xRRGGBB of the gradient at a point of the parent's client area.
std::uint32_t Gradient(int x, int y) { return std::uint32_t((x * 3) & 0xFF) << 16 | std::uint32_t((y * 5) & 0xFF) << 8 | 0x40; }

// Paints the gradient over its whole client area, noting whether it was asked for a copy.
class TGradientPanel : public TCustomControl {
  VAMIRE_CLASS(TGradientPanel, TCustomControl)
 public:
  explicit TGradientPanel(TComponent* AOwner) : TCustomControl(AOwner) { FControlStyle.Include(csAcceptsControls); }
  bool PaintedAsCopy = false;

 protected:
  void Paint() override {
    PaintedAsCopy = ControlState().Contains(csPaintCopy);
    const int w = Width(), h = Height();
    std::vector<std::uint32_t> pixels(std::size_t(w * h));
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) pixels[std::size_t(y * w + x)] = Gradient(x, y);
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    SetDIBitsToDevice(Canvas()->Handle(), 0, 0, DWORD(w), DWORD(h), 0, 0, 0, UINT(h), pixels.data(), &info,
                      DIB_RGB_COLORS);
  }
};

// Fills itself in one colour; its window may have a client edge or a border,
// and it may answer the edge query.
class TColorBox : public TCustomControl, public virtual IInterface {
  VAMIRE_CLASS(TColorBox, TCustomControl)
 public:
  explicit TColorBox(TComponent* AOwner) : TCustomControl(AOwner) {}
  TColor Fill = clRed;
  DWORD ExtraStyle = 0, ExtraExStyle = 0;

 protected:
  void CreateParams(TCreateParams& Params) override {
    TCustomControl::CreateParams(Params);
    Params.Style |= ExtraStyle;
    Params.ExStyle |= ExtraExStyle;
  }
  void Paint() override {
    Canvas()->Brush()->SetColor(Fill);
    Canvas()->FillRect(ClientRect());
  }
  int32_t QueryInterface(const TGUID& iid, void** obj) override { return GetInterface(iid, obj) ? QI_OK : QI_NOINTERFACE; }
  int32_t _AddRef() override { return -1; }
  int32_t _Release() override { return -1; }
};

class TEdgelessBox : public TColorBox, public IcxWindowEdgeQuery {
  VAMIRE_CLASS(TEdgelessBox, TColorBox)
 public:
  using TColorBox::TColorBox;
  bool HasWindowEdge() override { return false; }
  bool GetInterface(const TGUID& iid, void** obj) override {
    return InterfaceTable<IcxWindowEdgeQuery>(this, iid, obj) || TColorBox::GetInterface(iid, obj);
  }
};

// A host with the gradient panel at 0, 0 and a transparent child on it at 30, 20.
struct TScene {
  TScene() {
    Host = new THost(nullptr);
    Panel = new TGradientPanel(Host);
    Panel->SetParent(Host);
    Panel->SetBounds(0, 0, 200, 100);
    Child = new TColorBox(Host);
    Child->SetParent(Panel);
    Child->SetBounds(30, 20, 80, 50);
    Host->HandleNeeded();
  }
  ~TScene() { delete Host; }
  TColorBox* AddBox(TColor fill, TRect bounds, DWORD exStyle = 0, DWORD style = 0, bool edgeless = false) {
    TColorBox* box = edgeless ? new TEdgelessBox(Host) : new TColorBox(Host);
    box->Fill = fill;
    box->ExtraExStyle = exStyle;
    box->ExtraStyle = style;
    box->SetParent(Panel);
    box->SetBounds(bounds.Left, bounds.Top, bounds.Right - bounds.Left, bounds.Bottom - bounds.Top);
    box->HandleNeeded();
    return box;
  }
  THost* Host;
  TGradientPanel* Panel;
  TColorBox* Child;
};

constexpr std::uint32_t kWhite = 0xFFFFFF;

TEST(ParentBackgroundTest, ATransparentChildShowsTheParentsPixels) {
  TScene scene;
  CanvasSurface s(80, 50);
  PaintParentBackground(scene.Child, &s.Cx, TRect{0, 0, 80, 50}, false);
  s.Save(L"core_parent_background");
  const vamire_test::Capture c = s.Cap();
  int wrong = 0;
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 80; ++x) wrong += c.At(x, y) != Gradient(x + 30, y + 20);
  EXPECT_EQ(wrong, 0);
  EXPECT_TRUE(scene.Panel->PaintedAsCopy);
  EXPECT_FALSE(scene.Panel->ControlState().Contains(csPaintCopy)) << "the copy state ends with the paint";
  // The canvas's state is as it was.
  EXPECT_EQ(s.Cx.GetWindowOrigin(), (TPoint{0, 0}));
}

TEST(ParentBackgroundTest, ThePartUnderTheRectangleLandsInTheRectangle) {
  TScene scene;
  CanvasSurface s(80, 50);
  const TRect r{10, 5, 40, 30};
  PaintParentBackground(scene.Child, &s.Cx, r, false);
  const vamire_test::Capture c = s.Cap();
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 80; ++x) {
      const bool inside = x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
      ASSERT_EQ(c.At(x, y), inside ? Gradient(x + 30, y + 20) : kWhite) << x << "," << y;
    }
  // Moved by an offset, and the origin put back afterwards.
  CanvasSurface moved(80, 50);
  PaintParentBackgroundAt(scene.Child, &moved.Cx, TRect{0, 0, 80, 50}, false, TPoint{-10, -5});
  EXPECT_EQ(moved.Cap().At(10, 5), Gradient(30, 20));
  EXPECT_EQ(moved.Cap().At(9, 4), kWhite);
  EXPECT_EQ(moved.Cx.GetWindowOrigin(), (TPoint{0, 0}));
}

TEST(ParentBackgroundTest, SiblingsBelowThePaintedControlShowWhenAskedAndThoseAboveNever) {
  TScene scene;
  // Red below the child (added before it would be, so moved to the bottom), blue above it.
  TColorBox* below = scene.AddBox(clRed, {20, 10, 50, 40});
  below->SendToBack();
  scene.AddBox(clBlue, {90, 50, 120, 80});
  for (bool children : {false, true}) {
    CanvasSurface s(80, 50);
    PaintParentBackground(scene.Child, &s.Cx, TRect{0, 0, 80, 50}, children);
    const vamire_test::Capture c = s.Cap();
    EXPECT_EQ(c.At(5, 5), children ? 0xFF0000u : Gradient(35, 25)) << children;
    EXPECT_EQ(c.At(70, 40), Gradient(100, 60)) << "never the sibling above: " << children;
  }
}

TEST(ParentBackgroundTest, ChildrenGetTheEdgeTheirStylesShowUnlessTheyDeclineIt) {
  TScene scene;
  TColorBox* sunken = scene.AddBox(clRed, {0, 0, 40, 40}, WS_EX_CLIENTEDGE);
  TColorBox* edgeless = scene.AddBox(clLime, {40, 0, 80, 40}, WS_EX_CLIENTEDGE, 0, true);
  TColorBox* bordered = scene.AddBox(clYellow, {0, 40, 40, 80}, 0, WS_BORDER);
  for (TColorBox* box : {sunken, edgeless, bordered}) box->SendToBack();
  CanvasSurface s(200, 100);
  // The child moved out of the way, so every sibling lies below it.
  scene.Child->SetBounds(120, 0, 80, 100);
  scene.Child->BringToFront();
  PaintControlCopy(scene.Panel, &s.Cx, TPoint{0, 0}, TRect{0, 0, 120, 100}, false, true, true);
  s.Save(L"core_parent_copy_edges");
  const vamire_test::Capture c = s.Cap();
  using graphics_test::Rgb;
  // A sunken client edge: the button shadow outside, the red client inside it.
  EXPECT_EQ(c.At(0, 0), Rgb(clBtnShadow));
  EXPECT_EQ(c.At(2, 2), 0xFF0000u);
  // Declined: the client fills the whole box.
  EXPECT_EQ(c.At(40, 0), 0x00FF00u);
  // A border: a single line in the window-frame colour, then the client.
  EXPECT_EQ(c.At(0, 40), Rgb(clWindowFrame));
  EXPECT_EQ(c.At(1, 41), 0xFFFF00u);
}

TEST(ParentBackgroundTest, ACopyLandsAtItsOriginClippedToItsRectangle) {
  TScene scene;
  TColorBox* box = scene.AddBox(clRed, {10, 10, 50, 40}, WS_EX_CLIENTEDGE);
  CanvasSurface s(100, 60);
  PaintControlCopy(box, &s.Cx, TPoint{20, 10}, TRect{0, 0, 45, 60}, true, false, false);
  const vamire_test::Capture c = s.Cap();
  EXPECT_EQ(c.At(19, 10), kWhite);
  EXPECT_EQ(c.At(20, 10), graphics_test::Rgb(clBtnShadow));
  EXPECT_EQ(c.At(30, 20), 0xFF0000u);
  EXPECT_EQ(c.At(44, 20), 0xFF0000u);
  EXPECT_EQ(c.At(45, 20), kWhite) << "clipped to the rectangle";
  // Without the edge the client fills from the origin.
  CanvasSurface plain(100, 60);
  PaintControlCopy(box, &plain.Cx, TPoint{20, 10}, TRect{0, 0, 100, 60}, false, false, false);
  EXPECT_EQ(plain.Cap().At(20, 10), 0xFF0000u);
}

TEST(ParentBackgroundTest, AWindowRegionOfTheParentKeepsThePaintInside) {
  TScene scene;
  // Only the panel's left half belongs to its window.
  SetWindowRgn(scene.Panel->Handle(), CreateRectRgn(0, 0, 60, 100), FALSE);
  CanvasSurface s(80, 50);
  PaintParentBackground(scene.Child, &s.Cx, TRect{0, 0, 80, 50}, false);
  const vamire_test::Capture c = s.Cap();
  EXPECT_EQ(c.At(29, 10), Gradient(59, 30));
  EXPECT_EQ(c.At(30, 10), kWhite);
}

TEST(ParentBackgroundTest, NothingIsPaintedWithoutAControlOrAParent) {
  TScene scene;
  CanvasSurface s(20, 20);
  PaintParentBackground(nullptr, &s.Cx, TRect{0, 0, 20, 20}, true);
  PaintParentBackground(scene.Host, &s.Cx, TRect{0, 0, 20, 20}, true);
  PaintParentBackgroundOnCanvas(scene.Host, &s.Canvas, TRect{0, 0, 20, 20}, true);
  EXPECT_EQ(s.Cap().CountNot(kWhite), 0u);
}

// A theme table that says whether the library is loaded and records the parent-background calls.
struct TThemeFake {
  static inline std::vector<std::pair<HWND, TRect>> Calls;
  static HRESULT WINAPI DrawParent(HWND wnd, HDC, const RECT* r) {
    Calls.push_back({wnd, TRect{r->left, r->top, r->right, r->bottom}});
    return S_OK;
  }
  explicit TThemeFake(bool loaded) {
    TdxUxThemeApi api;
    api.Loaded = loaded;
    api.DrawThemeParentBackground = &DrawParent;
    Calls.clear();
    Old = SetUxThemeApi(api);
  }
  ~TThemeFake() { SetUxThemeApi(Old); }
  TdxUxThemeApi Old;
};

TEST(ParentBackgroundTest, TheThemedRouteIsTakenOnlyWithTheLibraryAndASingleBufferedParent) {
  TScene scene;
  const TRect r{0, 0, 80, 50};
  {
    TThemeFake fake(true);
    CanvasSurface s(80, 50);
    cxDrawThemeParentBackgroundOnCanvas(scene.Child, &s.Canvas, r);
    ASSERT_EQ(TThemeFake::Calls.size(), 1u);
    EXPECT_EQ(TThemeFake::Calls[0].first, scene.Child->Handle());
    EXPECT_EQ(TThemeFake::Calls[0].second, r);
    // A double-buffered parent paints itself instead.
    scene.Panel->SetDoubleBuffered(true);
    cxDrawThemeParentBackground(scene.Child, &s.Cx, r);
    EXPECT_EQ(TThemeFake::Calls.size(), 1u);
    EXPECT_EQ(s.Cap().At(0, 0), Gradient(30, 20)) << "a double-buffered parent erases and paints into the copy";
    scene.Panel->SetDoubleBuffered(false);
  }
  TThemeFake none(false);
  CanvasSurface s(80, 50);
  cxDrawThemeParentBackground(scene.Child, &s.Cx, r);
  EXPECT_TRUE(TThemeFake::Calls.empty());
  EXPECT_EQ(s.Cap().At(79, 49), Gradient(109, 69));
}

}  // namespace
