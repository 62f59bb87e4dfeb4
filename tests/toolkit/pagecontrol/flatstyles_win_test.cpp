// The Flat and banded page-control styles under Wine: the order they register
// in and which one a look-and-feel gets, UltraFlat's light face from the
// button face in force (D-46), its navigator in each state, the banded rows'
// separators and sizes, the Flat outline's brightened line, the Office11
// solid mix, and the native Tabs parts and states through the recording
// theme fake, in both prefixes (D-45).
#include "../lookandfeel/lookandfeel2_test_support.h"
#include "FormText.h"
#include "cxPCPainters.h"
#include "support/WindowCapture.h"
#include "tabcontrol_test_support.h"

using namespace pc_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TPaintersUnits);

uint32_t Rgb(TColor AColor) {
  const uint32_t v = uint32_t(ColorToRGB(AColor));
  return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

// Lets a test put a navigator button or a tab in the state the mouse would.
class TStatePageControl : public TcxPageControl {
 public:
  using TcxPageControl::TcxPageControl;
  using TcxCustomTabControl::SetHotTab;
  using TcxCustomTabControl::SetNavigatorButtonState;
};

class FlatStylesTest : public TRealStylesTest {
 protected:
  FlatStylesTest() : TRealStylesTest(TSize{400, 160}) {}
  TcxPageControl* NewControl(TComponent* AOwner) override { return stateful = new TStatePageControl(AOwner); }
  void AddPages(int ACount) {
    for (int i = 0; i < ACount; ++i) AddPage((L"Page " + IntToStr(i + 1)).c_str());
  }
  template <class P>
  P* Painter() {
    auto* p = dynamic_cast<P*>(control->Painter());
    EXPECT_NE(p, nullptr);
    return p;
  }
  TStatePageControl* stateful = nullptr;
};

TEST_F(FlatStylesTest, StylesRegisterInOrderAndFollowTheLookAndFeel) {
  const TcxPCPainterClass expected[] = {
      TcxPCTabsPainter::PainterStaticClass(), TcxPCExtraFlatPainter::PainterStaticClass(),
      TcxPCUltraFlatPainter::PainterStaticClass(), TcxPCFlatPainter::PainterStaticClass(),
      TcxPCOffice11Painter::PainterStaticClass()};
  auto check = [&] {
    ASSERT_NE(PaintersFactory(), nullptr);
    ASSERT_EQ(PaintersFactory()->Count(), int(std::size(expected)));
    for (int i = 0; i < PaintersFactory()->Count(); ++i)
      EXPECT_EQ(PaintersFactory()->PainterClass(i), expected[i]) << i;
  };
  check();
  struct {
    TcxPCStyleID Id;
    const wchar_t* Name;
  } const names[] = {{1, L"Tabs"}, {5, L"ExtraFlat"}, {6, L"UltraFlat"}, {7, L"Flat"}, {8, L"Office11"}};
  for (const auto& n : names) EXPECT_EQ(FindPainterClass(n.Id)->GetStyleName(), n.Name);
  EXPECT_EQ(FindPainterClass(4), nullptr);

  struct {
    TcxLookAndFeelKind Kind;
    TcxPCStyleID Expected;
  } const kinds[] = {{lfStandard, 1}, {lfFlat, 7}, {lfUltraFlat, 6}, {lfOffice11, 8}};
  for (const auto& k : kinds) {
    control->LookAndFeel()->SetKind(k.Kind);
    EXPECT_EQ(GetLookAndFeelStyleID(control->LookAndFeel()), k.Expected) << int(k.Kind);
  }

  // Ending the unit takes every style back and frees the registry; starting it again brings the same list.
  delete form;
  form = nullptr;
  cxPCPainters_Finalize();
  EXPECT_EQ(PaintersFactory(), nullptr);
  cxPCPainters_Initialize();
  check();
  form = MakeForm();
}

TColor InjectedSysColor(int AIndex) {
  if (AIndex == COLOR_BTNFACE) return TColor(RGB(200, 190, 240));
  return TColor(GetSysColor(AIndex));
}

TEST_F(FlatStylesTest, UltraFlatTakesItsLightFaceFromTheButtonFaceAtUnitStart) {
  const TSysColorReader previous = SetSysColorReader(&InjectedSysColor);
  cxPCPainters_Finalize();
  cxPCPainters_Initialize();
  const TColor light = PCLightFaceColor();
  EXPECT_EQ(light, TColor(RGB(220, 210, 255))) << "each channel + 20, at most 255";

  control->SetStyle(TcxPCUltraFlatPainter::GetStyleID());
  AddPages(3);
  const vamire_test::Capture shot = Shot();
  const TRect other = control->Tabs()->VisibleTab(2)->FullRect();
  EXPECT_EQ(shot.At(other.Left + 2, other.Top + 2), Rgb(light)) << "an unselected tab's face";
  const TRect active = control->Tabs()->VisibleTab(0)->FullRect();
  EXPECT_EQ(shot.At(active.Left, active.Top + 3), Rgb(TColor(0x000000))) << "the active tab's frame";
  EXPECT_EQ(shot.At(active.Left + 3, active.Top + 3), Rgb(TColor(RGB(200, 190, 240)))) << "the active tab's face";
  EXPECT_EQ(shot.At(control->Width() - 2, other.Top + 2), Rgb(light)) << "the row background";

  SetSysColorReader(previous);
  cxPCPainters_Finalize();
  cxPCPainters_Initialize();
}

TEST_F(FlatStylesTest, UltraFlatNavigatorInEachState) {
  control->SetStyle(TcxPCUltraFlatPainter::GetStyleID());
  control->SetOptions(TcxPCOptions{pcoCloseButton, pcoGoDialog});
  AddPages(14);
  Pump();
  auto* painter = Painter<TcxPCUltraFlatPainter>();
  const auto& list = painter->NavigatorButtonList();
  ASSERT_EQ(list.size(), 4u);
  struct {
    TcxPCNavigatorButton Button;
    int Width;
  } const widths[] = {{nbGoDialog, 11}, {nbTopLeft, 15}, {nbBottomRight, 15}, {nbClose, 14}};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(list[i].Button, widths[i].Button);
    EXPECT_EQ(list[i].Rect.Right - list[i].Rect.Left, widths[i].Width) << i;
    EXPECT_EQ(list[i].Rect.Bottom - list[i].Rect.Top, 15);
    EXPECT_EQ(list[i].Rect.Top, 3) << "the side indent";
  }
  EXPECT_EQ(list[1].Rect.Left - list[0].Rect.Right, 1);
  EXPECT_EQ(list[3].Rect.Left - list[2].Rect.Right, 3) << "more room before the close button";
  EXPECT_EQ(list[3].Rect.Right, control->Width() - 1) << "the leading indent";

  const TRect arrow = list[2].Rect;
  struct {
    TcxPCNavigatorButtonState State;
    TColor Frame, Face;
  } const states[] = {{nbsNormal, clBtnShadow, PCLightFaceColor()},
                      {nbsHot, TColor(0x000000), clBtnFace},
                      {nbsPressed, TColor(0x000000), clBtnShadow},
                      {nbsDisabled, clBtnShadow, PCLightFaceColor()}};
  for (const auto& s : states) {
    stateful->SetNavigatorButtonState(nbBottomRight, s.State);
    const vamire_test::Capture shot = Shot();
    EXPECT_EQ(shot.At(arrow.Left, arrow.Top + 7), Rgb(s.Frame)) << int(s.State);
    EXPECT_EQ(shot.At(arrow.Left + 1, arrow.Top + 1), Rgb(s.Face)) << int(s.State);
  }
}

TEST_F(FlatStylesTest, BandedRowsSeparateUnselectedTabsOnly) {
  control->SetStyle(TcxPCExtraFlatPainter::GetStyleID());
  AddPages(4);
  control->SetActivePage(control->Pages(1));
  const vamire_test::Capture shot = Shot();
  EXPECT_TRUE(shot.SavePng(L"pagecontrol_extraflat.png"));
  const TRect t2 = control->Tabs()->VisibleTab(2)->NormalRect();
  const TRect t3 = control->Tabs()->VisibleTab(3)->NormalRect();
  ASSERT_EQ(t3.Left - t2.Right, 1) << "one separator's width between tabs";
  const int x = t2.Right, mid = (t2.Top + t2.Bottom) / 2;
  EXPECT_EQ(shot.At(x, mid), Rgb(clBtnShadow));
  EXPECT_EQ(shot.At(x, t2.Top + 2), Rgb(clBtnShadow)) << "the first pixel inside the indent of 2";
  EXPECT_NE(shot.At(x, t2.Top + 1), Rgb(clBtnShadow));
  EXPECT_NE(shot.At(x, t2.Bottom - 2), Rgb(clBtnShadow));
  // No separator touches the active tab.
  const TRect t0 = control->Tabs()->VisibleTab(0)->NormalRect();
  EXPECT_NE(shot.At(t0.Right, mid), Rgb(clBtnShadow));
  // Active tab: frame light on its top and left, dark on its right.
  const TRect a = control->Tabs()->VisibleTab(1)->FullRect();
  EXPECT_EQ(shot.At(a.Left, a.Top + 4), 0xFFFFFFu);
  EXPECT_EQ(shot.At(a.Left + 4, a.Top), 0xFFFFFFu);
  EXPECT_EQ(shot.At(a.Right - 1, a.Top + 4), 0u);

  // Sizes: caption + 9, at least 26 high with TabHeight 30, the active tab standing out by 1.
  auto* painter = Painter<TcxPCExtraFlatPainter>();
  TSize size{};
  MeasureTabText(control->Tabs()->Tab(0), L"Page 1", nullptr, size);
  EXPECT_EQ(painter->CalculateTabNormalWidth(control->Tabs()->Tab(0)), int(size.cx) + 9);
  TRect d;
  painter->GetTabRectCorrection(1, d);
  EXPECT_EQ(d, (TRect{-1, -1, 1, 1}));
  painter->GetTabRectCorrection(0, d);
  EXPECT_EQ(d, TRect{});
  control->SetTabHeight(30);
  EXPECT_GE(painter->CalculateTabNormalHeight(), 26);
}

TEST_F(FlatStylesTest, FlatTabsHaveABrightenedInnerLine) {
  control->SetStyle(TcxPCFlatPainter::GetStyleID());
  AddPages(3);
  const vamire_test::Capture shot = Shot();
  EXPECT_TRUE(shot.SavePng(L"pagecontrol_flat.png"));
  const TRect r = control->Tabs()->VisibleTab(2)->FullRect();
  const TColor bright = ScaleColorBrightnessRGB(ColorToRGB(clBtnFace), 185);
  EXPECT_EQ(shot.At(r.Left, r.Top + 4), Rgb(clBtnHighlight));
  EXPECT_EQ(shot.At(r.Left + 1, r.Top + 4), Rgb(bright));
  EXPECT_EQ(shot.At(r.Right - 2, r.Top + 4), Rgb(bright));
  EXPECT_EQ(shot.At(r.Right - 1, r.Top + 4), Rgb(clBtnShadow));
  auto* painter = Painter<TcxPCFlatPainter>();
  EXPECT_EQ(painter->GetFrameThickness(), 1);
  EXPECT_EQ(painter->GetNavigatorButtonHeight(), 18);
  EXPECT_EQ(painter->GetNavigatorButtonWidth(nbGoDialog), 10);
  EXPECT_FALSE(painter->IsNativePainting());
}

TEST_F(FlatStylesTest, Office11WithoutGradientsMixesEachPairHalfAndHalf) {
  control->SetStyle(TcxPCOffice11Painter::GetStyleID());
  control->SetOptions(TcxPCOptions{});
  AddPages(3);
  const vamire_test::Capture shot = Shot();
  EXPECT_TRUE(shot.SavePng(L"pagecontrol_office11.png"));
  const TOffice11ColorSet set = Office11ColorSet();
  const TRect display = control->GetDisplayRect();
  const TColor mix = BlendColors(set.Background.Color1, set.Background.Color2, 50);
  control->Pages(0)->SetVisible(false);  // the display background, not the page's own
  const vamire_test::Capture bare = Shot();
  EXPECT_EQ(bare.At(display.Left + 5, display.Top + 5), Rgb(mix));
  EXPECT_EQ(bare.At(display.Right - 5, display.Bottom - 5), Rgb(mix));
  const TRect other = control->Tabs()->VisibleTab(2)->FullRect();
  EXPECT_EQ(shot.At(other.Left + 2, other.Bottom - 2), Rgb(mix)) << "an unselected tab on the row's mix";
  // A page with a colour of its own: the client area is plain in it.
  control->Pages(0)->SetVisible(true);
  control->Pages(0)->SetColor(TColor(0x4080C0));
  control->Pages(0)->SetVisible(false);
  const vamire_test::Capture coloured = Shot();
  EXPECT_EQ(coloured.At(display.Left + 5, display.Top + 5), Rgb(TColor(0x4080C0)));
}

TEST_F(FlatStylesTest, NativeTabsAskTheThemeForEachTabsPartAndState) {
  lookandfeel2_test::TFakeThemeLibrary fake;
  control->LookAndFeel()->SetNativeStyle(true);
  control->SetStyle(TcxPCTabsPainter::GetStyleID());
  AddPages(4);
  control->SetActivePage(control->Pages(1));
  ASSERT_TRUE(control->Painter()->IsNativePainting());
  auto tabCalls = [&] {
    fake.TakeCalls();
    control->Repaint();
    Pump();
    std::vector<std::pair<int, int>> result;
    for (const auto& c : fake.TakeCalls())
      if (c.Class == L"Tab" && c.Part != 9) result.push_back({c.Part, c.State});
    return result;
  };
  using V = std::vector<std::pair<int, int>>;
  // The selected tab first (top item, 5), then the others: left edge 2, item 1, right edge 3.
  EXPECT_EQ(tabCalls(), (V{{5, 3}, {2, 1}, {1, 1}, {3, 1}}));
  stateful->SetHotTab(2);
  EXPECT_EQ(tabCalls(), (V{{5, 3}, {2, 1}, {1, 2}, {3, 1}}));
  stateful->SetHotTab(-1);
  // The last tab selected keeps the plain top-item part; the first selected is the left-edge top item.
  control->SetActivePage(control->Pages(3));
  EXPECT_EQ(tabCalls(), (V{{5, 3}, {2, 1}, {1, 1}, {1, 1}}));
  control->SetActivePage(control->Pages(0));
  EXPECT_EQ(tabCalls(), (V{{6, 3}, {1, 1}, {1, 1}, {3, 1}}));
  // Multi-line without ragged rows: the last of a row is its right edge, selected or not.
  control->SetMultiLine(true);
  control->SetActivePage(control->Pages(3));
  EXPECT_EQ(tabCalls(), (V{{7, 3}, {2, 1}, {1, 1}, {1, 1}}));
  // The pane behind the page.
  control->Repaint();
  Pump();
  bool pane = false;
  for (const auto& c : fake.TakeCalls()) pane = pane || (c.Class == L"Tab" && c.Part == 9 && c.State == 0);
  EXPECT_TRUE(pane);
}

TEST_F(FlatStylesTest, PagesStreamNeitherPositionNorVisibility) {
  AddPages(2);
  TStringStream out{std::string()};
  WriteComponentToStream(&out, control->Pages(1));
  const String text = FormBinaryToText(out.DataString());
  EXPECT_NE(text.find(L"Caption = 'Page 2'"), String::npos) << UTF8Encode(text);
  for (const wchar_t* name : {L"Left =", L"Top =", L"Width =", L"Height =", L"Visible =", L"PageIndex ="})
    EXPECT_EQ(text.find(name), String::npos) << UTF8Encode(name);
}

}  // namespace
