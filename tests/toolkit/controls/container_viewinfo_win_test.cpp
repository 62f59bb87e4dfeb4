// The container's view info in both prefixes: for every border style, with
// and without shadow, asked for the native look or not, the rectangles,
// border, shadow and native part and state it computes; the window region
// made from them; and what painting from it puts on a bitmap (frame, shadow
// bands, background; the native frame in the theme's border colour, compared
// with the theme asked directly).
#include "container_test_support.h"
#include "cxDWMApi.h"
#include "cxGeometry.h"

using namespace container_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TContainerUnits);

const TcxContainerBorderStyle kAllStyles[] = {cbsNone, cbsSingle, cbsThick, cbsFlat, cbs3D, cbsUltraFlat, cbsOffice11};

// The view info painted onto a white bitmap of the container's size.
std::unique_ptr<TBitmap> RenderViewInfo(TTestContainer* c) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf32bit);
  bitmap->SetSize(c->Width(), c->Height());
  TcxCanvas canvas(bitmap->Canvas());
  canvas.FillRect(TRect{0, 0, c->Width(), c->Height()}, clWhite);
  c->ViewInfo()->Render(&canvas);
  return bitmap;
}

std::uint32_t PixelAt(TBitmap* ABitmap, int X, int Y) {
  return graphics_test::Rgb(TColor(GetPixel(ABitmap->Canvas()->Handle(), X, Y)));
}

TRect WindowRegionBox(HWND AWindow) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  TRect box{-1, -1, -1, -1};
  if (GetWindowRgn(AWindow, region) != ERROR) {
    RECT r;
    GetRgnBox(region, &r);
    box = TRect{r.left, r.top, r.right, r.bottom};
  }
  DeleteObject(region);
  return box;
}

TEST(ContainerViewInfoTest, GeometryOfEveryBorderStyleWithAndWithoutShadowNativeAndPlain) {
  THostForm* form = MakeForm();
  TTestContainer* c = MakeContainer(form, 10, 10, 105, 21);
  c->AddInnerEdit();
  const bool themesUsable = AcquireThemeHandle(totEdit) != nullptr;
  EXPECT_EQ(themesUsable, vamire_test::InThemedPrefix());
  for (bool askNative : {false, true}) {
    for (TcxContainerBorderStyle style : kAllStyles) {
      for (bool shadow : {false, true}) {
        SCOPED_TRACE(testing::Message() << "style " << style << " shadow " << shadow << " native " << askNative);
        c->Style()->BeginUpdate();
        c->Style()->LookAndFeel()->SetNativeStyle(askNative);
        c->Style()->SetTransparentBorder(false);
        c->Style()->SetBorderStyle(style);
        c->Style()->SetShadow(shadow);
        c->Style()->EndUpdate();
        const TcxContainerViewInfo* vi = c->ViewInfo();
        const bool native = askNative && themesUsable;
        ASSERT_EQ(vi->NativeStyle, native);
        const TcxContainerBorderStyle painted =
            native ? style : (style == cbsUltraFlat || style == cbsOffice11 ? cbsSingle : style);
        EXPECT_EQ(vi->BorderStyle, painted);
        EXPECT_EQ(vi->BorderWidth, GetBorderStyleWidth(painted));
        EXPECT_EQ(vi->Shadow, shadow && !native);
        EXPECT_EQ(vi->Bounds, (TRect{0, 0, 105, 21}));
        const int w = native ? (style == cbsNone ? 0 : 2) : GetBorderStyleWidth(painted);
        const int extra = vi->Shadow ? 3 : 0;
        EXPECT_EQ(vi->BorderRect, (TRect{w, w, 105 - w - extra, 21 - w - extra}));
        EXPECT_EQ(vi->ClientRect, vi->BorderRect);
        EXPECT_EQ(c->InnerControl()->BoundsRect(), vi->ClientRect) << "the inner edit sits in the client rectangle";
        if (native) {
          EXPECT_EQ(vi->ThemedObjectType, totEdit);
          EXPECT_EQ(vi->NativeState, 1);
        }
        // A native container with a border has no window region; any other
        // has its border bounds (and, with a shadow, the shadow) as region.
        const TRect box = WindowRegionBox(c->Handle());
        if (native && style != cbsNone) {
          EXPECT_EQ(box, (TRect{-1, -1, -1, -1}));
        } else {
          TRect borderBounds;
          c->GetBorderBounds(borderBounds);
          EXPECT_EQ(borderBounds, (TRect{0, 0, 105 - extra, 21 - extra}));
          EXPECT_EQ(box, (TRect{0, 0, 105, 21}));
        }

        std::unique_ptr<TBitmap> bitmap = RenderViewInfo(c);
        const std::uint32_t background = graphics_test::Rgb(vi->BackgroundColor);
        EXPECT_EQ(PixelAt(bitmap.get(), 50, 10), background);
        if (native && style != cbsNone) {
          // The ring outside the theme's content rectangle is the theme's border colour.
          const bool composition = IsDwmCompositionEnabled();
          COLORREF border = 0;
          ASSERT_TRUE(SUCCEEDED(GetThemeColor(AcquireThemeHandle(composition ? totListBox : totComboBox),
                                              composition ? 3 : 1, 1, 3801, &border)));
          EXPECT_EQ(PixelAt(bitmap.get(), 0, 0), graphics_test::Rgb(TColor(border)));
        } else if (!native && (painted == cbsSingle || painted == cbsThick)) {
          EXPECT_EQ(PixelAt(bitmap.get(), 0, 10), graphics_test::Rgb(vi->BorderColor));
        } else if (!native && painted == cbs3D) {
          EXPECT_EQ(PixelAt(bitmap.get(), 0, 10), graphics_test::Rgb(clBtnShadow));
          EXPECT_EQ(PixelAt(bitmap.get(), 1, 10), graphics_test::Rgb(cl3DDkShadow));
        }
        if (vi->Shadow) {
          EXPECT_EQ(PixelAt(bitmap.get(), 50, 20), graphics_test::Rgb(clBtnShadow)) << "bottom band";
          EXPECT_EQ(PixelAt(bitmap.get(), 104, 10), graphics_test::Rgb(clBtnShadow)) << "right band";
          EXPECT_EQ(PixelAt(bitmap.get(), 1, 20), graphics_test::Rgb(clWhite)) << "left end of the bottom band";
          EXPECT_EQ(PixelAt(bitmap.get(), 104, 1), graphics_test::Rgb(clWhite)) << "top of the right band";
        }
      }
    }
  }
  delete form;
}

TEST(ContainerViewInfoTest, ShadowCornersLieOutsideTheWindowRegion) {
  THostForm* form = MakeForm();
  TTestContainer* c = MakeContainer(form, 10, 10, 105, 21);
  c->Style()->LookAndFeel()->SetNativeStyle(false);
  c->Style()->SetBorderStyle(cbsSingle);
  c->Style()->SetShadow(true);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(c->Handle(), region), ERROR);
  // Transparent border: the frame starts one pixel in, so its bounds are (1, 1, 101, 17).
  EXPECT_TRUE(PtInRegion(region, 50, 10));
  EXPECT_TRUE(PtInRegion(region, 50, 19)) << "the bottom shadow band";
  EXPECT_FALSE(PtInRegion(region, 2, 19)) << "the 3 x 3 square at the left end of the bottom band";
  EXPECT_FALSE(PtInRegion(region, 102, 2)) << "the 3 x 3 square at the top of the right band";
  EXPECT_FALSE(PtInRegion(region, 0, 0)) << "the transparent pixel outside the frame";
  DeleteObject(region);
  delete form;
}

TEST(ContainerViewInfoTest, ThinnerBorderRecalculatesTheHotStateInTheSameRefresh) {
  THostForm* form = MakeForm();
  TTestContainer* c = MakeContainer(form, 10, 10, 105, 21);
  c->Style()->LookAndFeel()->SetNativeStyle(false);
  c->Style()->SetBorderStyle(cbsSingle);
  c->StyleHot()->SetBorderStyle(cbsSingle);
  // The outermost pixel lies in the hot zone of a thick border, not of a single one.
  c->ViewInfo()->BorderStyle = cbsThick;
  c->CalculateViewInfo(TPoint{0, 10}, true);
  EXPECT_FALSE(c->ViewInfo()->ContainerState & ContainerStateHot);
  EXPECT_EQ(c->ViewInfo()->BorderWidth, 1);
  // One pixel further in it is hot.
  c->CalculateViewInfo(TPoint{1, 10}, true);
  EXPECT_TRUE(c->ViewInfo()->ContainerState & ContainerStateHot);
  delete form;
}

TEST(ContainerViewInfoTest, ShiftMovesTheRectanglesAndAssignCopiesTheClientRectangle) {
  TcxContainerViewInfo a, b;
  a.Bounds = TRect{0, 0, 10, 10};
  a.BorderRect = TRect{1, 1, 9, 9};
  a.ClientRect = TRect{2, 2, 8, 8};
  a.Shift(5, -1);
  EXPECT_EQ(a.Bounds, (TRect{5, -1, 15, 9}));
  EXPECT_EQ(a.BorderRect, (TRect{6, 0, 14, 8}));
  EXPECT_EQ(a.ClientRect, (TRect{7, 1, 13, 7}));
  b.Assign(&a);
  EXPECT_EQ(b.ClientRect, a.ClientRect);
  EXPECT_EQ(b.Bounds, TRect{});
  std::unique_ptr<TcxRegion> update(a.CreateUpdateRegion(&b));
  EXPECT_TRUE(update->IsEmpty());
}

}  // namespace

namespace {

// A container whose inner memo shows native scroll bars, as the editors' memo does.
class TMemoContainer : public TTestContainer {
  VAMIRE_CLASS(TMemoContainer, TTestContainer)
 public:
  explicit TMemoContainer(TComponent* AOwner) : TTestContainer(AOwner) { SyncScrollBarsPresence(); }
  bool HasScrollBars() override { return true; }
};

TEST(ContainerViewInfoTest, OwnScrollBarsLieOverTheInnerControlsNativeOnesAndMirrorThem) {
  ASSERT_TRUE(IsGetScrollBarInfoAvailable());
  THostForm* form = MakeForm();
  auto* c = new TMemoContainer(form);
  c->SetBounds(10, 10, 200, 120);
  c->SetParent(form);
  auto* memo = new TMemo(c);
  memo->SetParent(c);
  memo->SetBorderStyle(bsNone);
  memo->SetScrollBars(ssBoth);
  memo->SetWordWrap(false);
  c->SetInnerControl(memo);
  c->HandleNeeded();
  String text;
  for (int i = 0; i < 60; ++i) text += L"line " + IntToStr(i) + L" of a memo wider than its window, far wider\r\n";
  memo->SetText(text);
  SendMessageW(memo->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
  RefreshViewStateAtCursor(c, false);
  PostUpdateScrollBars(c);
  PostUpdateScrollBars(c);
  Pump();

  for (TcxControlScrollBar* bar : {c->HScrollBar(), c->VScrollBar()}) {
    const bool horizontal = bar->Kind() == sbHorizontal;
    SCOPED_TRACE(horizontal ? "horizontal" : "vertical");
    ASSERT_TRUE(bar->Visible());
    SCROLLBARINFO info{};
    ASSERT_TRUE(GetScrollBarInfoSafe(memo->Handle(), horizontal ? LONG(OBJID_HSCROLL) : LONG(OBJID_VSCROLL), info));
    POINT origin{0, 0};
    ClientToScreen(c->Handle(), &origin);
    EXPECT_EQ(bar->BoundsRect(), (TRect{info.rcScrollBar.left - origin.x, info.rcScrollBar.top - origin.y,
                                        info.rcScrollBar.right - origin.x, info.rcScrollBar.bottom - origin.y}));
    SCROLLINFO si{sizeof(si), SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(GetScrollInfo(memo->Handle(), horizontal ? SB_HORZ : SB_VERT, &si));
    EXPECT_EQ(bar->Max(), si.nMax);
    EXPECT_EQ(bar->Position(), si.nPos);
    EXPECT_EQ(bar->PageSize(), int(si.nPage));
  }
  EXPECT_GT(c->VScrollBar()->Position(), 0) << "the page down shows";
  // The corner: not a size grip of a plain memo (it does not know its container).
  EXPECT_FALSE(c->SizeGripData().Visible);
  // Native bars gone: the own bars hide.
  memo->SetScrollBars(ssNone);
  c->UpdateScrollBarsFromInner(false);
  EXPECT_FALSE(c->HScrollBar()->Visible());
  EXPECT_FALSE(c->VScrollBar()->Visible());
  delete form;
}

}  // namespace

namespace {

TEST(ContainerViewInfoTest, ANativeDisabledContainerTakesTheThemesFillColour) {
  THostForm* form = MakeForm();
  TTestContainer* c = MakeContainer(form, 10, 10);
  c->Style()->LookAndFeel()->SetNativeStyle(true);
  c->SetEnabled(false);
  const TcxContainerViewInfo* vi = c->ViewInfo();
  EXPECT_EQ(vi->ContainerState, ContainerStateDisabled);
  if (!vi->NativeStyle) {
    EXPECT_FALSE(vamire_test::InThemedPrefix());
    EXPECT_EQ(vi->BackgroundColor, c->StyleDisabled()->Color()) << "plain: the disabled style's colour";
  } else {
    EXPECT_EQ(vi->NativeState, 4);
    COLORREF fill = 0;
    const HRESULT hr = GetThemeColor(AcquireThemeHandle(totEdit), vi->NativePart, 4, 3802, &fill);
    EXPECT_EQ(vi->BackgroundColor, SUCCEEDED(hr) ? TColor(fill) : c->StyleDisabled()->Color());
    // A colour assigned in the disabled style wins over the theme's.
    c->StyleDisabled()->SetColor(clMaroon);
    EXPECT_EQ(vi->BackgroundColor, clMaroon);
  }
  delete form;
}

}  // namespace

namespace {

// The visual-styles library played by a recorder: every class opens, the
// content rectangle is the box less 1 pixel, colours are answered from a
// table and every query is recorded.
struct TThemeQuery {
  std::wstring Class;
  int Part, State, Property;
  friend bool operator==(const TThemeQuery&, const TThemeQuery&) = default;
};
std::vector<std::wstring> GOpened;
std::vector<TThemeQuery> GQueries;

HTHEME WINAPI FakeOpen(HWND, LPCWSTR AClass) {
  GOpened.push_back(AClass);
  return reinterpret_cast<HTHEME>(INT_PTR(GOpened.size()));
}
HRESULT WINAPI FakeClose(HTHEME) { return S_OK; }
const std::wstring& ClassOf(HTHEME ATheme) { return GOpened[std::size_t(INT_PTR(ATheme)) - 1]; }
HRESULT WINAPI FakeContent(HTHEME ATheme, HDC, int APart, int AState, const RECT* ABox, RECT* AContent) {
  GQueries.push_back({ClassOf(ATheme), APart, AState, 0});
  *AContent = RECT{ABox->left + 1, ABox->top + 1, ABox->right - 1, ABox->bottom - 1};
  return S_OK;
}
HRESULT WINAPI FakeColor(HTHEME ATheme, int APart, int AState, int AProperty, COLORREF* AColor) {
  GQueries.push_back({ClassOf(ATheme), APart, AState, AProperty});
  *AColor = AProperty == 3801 ? RGB(0x12, 0x34, 0x56) : RGB(0xAB, 0xCD, 0xEF);
  return S_OK;
}
BOOL WINAPI FakeActive() { return TRUE; }
BOOL GFakeComposition = FALSE;
HRESULT WINAPI FakeCompositionQuery(BOOL* AOn) {
  *AOn = GFakeComposition;
  return S_OK;
}

void SendThemeChange() {
  if (TdxThemeChangedEventReceiver* receiver = ThemeChangedEventReceiver())
    SendMessageW(receiver->Handle(), WM_THEMECHANGED, 0, 0);
}

TEST(ContainerViewInfoTest, NativePaintingAsksTheThemeForTheEditsPartsAndStates) {
  const TdxUxThemeApi realTheme = UxThemeApi();
  const TcxDwmApi realDwm = DwmApi();
  ReleaseAllThemeHandles();
  TdxUxThemeApi fake;
  fake.Loaded = true;
  fake.OpenThemeData = &FakeOpen;
  fake.CloseThemeData = &FakeClose;
  fake.GetThemeBackgroundContentRect = &FakeContent;
  fake.GetThemeColor = &FakeColor;
  fake.IsThemeActive = &FakeActive;
  fake.IsAppThemed = &FakeActive;
  SetUxThemeApi(fake);
  TcxDwmApi dwm;
  dwm.Loaded = true;
  dwm.DwmIsCompositionEnabled = &FakeCompositionQuery;
  SetDwmApi(dwm);
  SendThemeChange();

  THostForm* form = MakeForm();
  TTestContainer* c = MakeContainer(form, 10, 10);
  c->Style()->LookAndFeel()->SetNativeStyle(true);
  c->Style()->SetBorderStyle(cbs3D);
  ASSERT_TRUE(c->ViewInfo()->NativeStyle);
  struct TCase {
    const char* What;
    bool Enabled;
    BOOL Composition;
    int State;
    TThemeQuery Border;
  };
  const TCase cases[] = {
      {"enabled, no composition: the combo box's border", true, FALSE, 1, {L"ComboBox", 1, 1, 3801}},
      {"enabled under composition: the list box's border", true, TRUE, 1, {L"ListBox", 3, 1, 3801}},
      {"disabled", false, FALSE, 4, {L"ComboBox", 1, 1, 3801}},
  };
  for (const TCase& t : cases) {
    SCOPED_TRACE(t.What);
    GFakeComposition = t.Composition;
    c->SetEnabled(t.Enabled);
    GQueries.clear();
    RefreshViewStateAtCursor(c, false);
    EXPECT_EQ(c->ViewInfo()->NativeState, t.State);
    if (!t.Enabled) {
      // The disabled fill comes from the edit theme's colour 3802 of the part and state.
      ASSERT_FALSE(GQueries.empty());
      EXPECT_EQ(GQueries.back(), (TThemeQuery{L"Edit", c->ViewInfo()->NativePart, 4, 3802}));
      EXPECT_EQ(c->ViewInfo()->BackgroundColor, TColor(RGB(0xAB, 0xCD, 0xEF)));
    }
    GQueries.clear();
    std::unique_ptr<TBitmap> bitmap = RenderViewInfo(c);
    ASSERT_EQ(GQueries.size(), 2u);
    EXPECT_EQ(GQueries[0], (TThemeQuery{L"Edit", 1, t.State, 0}));
    EXPECT_EQ(GQueries[1], t.Border);
    EXPECT_EQ(PixelAt(bitmap.get(), 0, 0), graphics_test::Rgb(TColor(RGB(0x12, 0x34, 0x56)))) << "the ring outside the content in the border colour";
    EXPECT_EQ(PixelAt(bitmap.get(), 1, 1), graphics_test::Rgb(c->ViewInfo()->BackgroundColor));
  }
  delete form;
  SetDwmApi(realDwm);
  SetUxThemeApi(realTheme);
  ReleaseAllThemeHandles();
  SendThemeChange();
}

}  // namespace
