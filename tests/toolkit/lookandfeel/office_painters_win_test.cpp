// The ultra-flat and Office11 looks on memory DCs, in injected system colours:
// their button states, scroll-bar parts, button groups, group boxes, check
// frames and header cells, and the Office colours they take.
#include <set>

#include "lookandfeel2_test_support.h"

namespace {

using namespace lookandfeel2_test;

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TLookAndFeelUnits);

const TcxCustomLookAndFeelPainterClass kUltraFlat = TcxUltraFlatLookAndFeelPainter::Instance();
const TcxCustomLookAndFeelPainterClass kOffice11 = TcxOffice11LookAndFeelPainter::Instance();

class OfficePaintersTest : public testing::Test {
 protected:
  void SetUp() override { Office11ColorsRefresh(); }
  void TearDown() override { Office11ColorsRefresh(); }
  TInjectedSysColors colors;
  TFakeThemeLibrary themes;  // no theme name: no colour scheme; no class drawn natively
};

TEST_F(OfficePaintersTest, UltraFlatButtonsShowTheirStateInFrameAndFace) {
  struct {
    TcxButtonState State;
    TColor Frame, Face;
    int Border;
  } cases[] = {{cxbsNormal, clBtnText, clBtnFace, 1},
               {cxbsHot, clHighlight, GetHotHighlightColor(), 1},
               {cxbsPressed, clHighlight, GetPressedHighlightColor(), 1},
               {cxbsDisabled, clBtnShadow, clBtnFace, 1},
               {cxbsDefault, clWindowFrame, clBtnFace, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(int(c.State));
    CanvasSurface s(75, 23);
    kUltraFlat->PaintButtonCell(&s.Cx, {0, 0, 75, 23}, L"", c.State, true, clDefault, clDefault, false, false);
    const auto cap = s.Cap();
    EXPECT_EQ(kUltraFlat->GetButtonBorderWidth(c.State), c.Border);
    for (int i = 0; i < c.Border; ++i) {
      EXPECT_EQ(cap.At(i, 11), Rgb(c.Frame));
      EXPECT_EQ(cap.At(74 - i, 11), Rgb(c.Frame));
      EXPECT_EQ(cap.At(37, i), Rgb(c.Frame));
    }
    EXPECT_EQ(cap.At(c.Border, 11), Rgb(c.Face));
    EXPECT_EQ(cap.At(37, 11), Rgb(c.Face));
  }
  EXPECT_EQ(kUltraFlat->GetButtonGlyphColor(cxbsPressed, clDefault), clHighlightText);
  EXPECT_EQ(kUltraFlat->GetButtonGlyphColor(cxbsNormal, clDefault), clBtnText);
  EXPECT_EQ(kUltraFlat->GetButtonGlyphState(cxbsDisabled), cxbsNormal);
  EXPECT_EQ(kUltraFlat->GetPressedShift(), 0);
}

TEST_F(OfficePaintersTest, UltraFlatScrollBarPartsAreButtonsOverThePatternTrack) {
  RefreshScrollBarPatternBitmaps();  // as the scroll bars do when the colours change
  CanvasSurface s(17, 60);
  s.Fill(clFuchsia);
  // A disabled thumb and an empty part draw nothing.
  kUltraFlat->PaintScrollBarPart(&s.Cx, false, {0, 0, 17, 60}, sbpThumbnail, cxbsDisabled);
  kUltraFlat->PaintScrollBarPart(&s.Cx, false, {0, 0, 17, 0}, sbpLineUp, cxbsNormal);
  EXPECT_EQ(s.Cap().CountNot(Rgb(clFuchsia)), 0u);

  kUltraFlat->PaintScrollBarPart(&s.Cx, false, {0, 0, 17, 17}, sbpLineUp, cxbsHot);
  kUltraFlat->PaintScrollBarPart(&s.Cx, false, {0, 17, 17, 30}, sbpPageUp, cxbsNormal);
  kUltraFlat->PaintScrollBarPart(&s.Cx, false, {0, 30, 17, 43}, sbpPageDown, cxbsPressed);
  kUltraFlat->PaintScrollBarPart(&s.Cx, false, {0, 43, 17, 60}, sbpThumbnail, cxbsNormal);
  const auto cap = s.Cap();
  EXPECT_EQ(cap.At(0, 8), Rgb(clHighlight));
  EXPECT_EQ(cap.At(2, 2), Rgb(GetHotHighlightColor()));
  EXPECT_EQ(cap.At(8, 8), Rgb(clBtnText)) << "the arrow in the glyph colour";
  // The track's checker: highlight over face, dark shadow over black when pressed.
  const std::set<uint32_t> normal{cap.At(4, 20), cap.At(5, 20)}, pressed{cap.At(4, 35), cap.At(5, 35)};
  EXPECT_EQ(normal, (std::set<uint32_t>{Rgb(clBtnHighlight), Rgb(clBtnFace)}));
  EXPECT_EQ(pressed, (std::set<uint32_t>{Rgb(cl3DDkShadow), 0u}));
  EXPECT_EQ(cap.At(0, 50), Rgb(clBtnText));
  EXPECT_EQ(cap.At(8, 50), Rgb(clBtnFace));
}

TEST_F(OfficePaintersTest, ButtonGroupsDoubleTheirOuterEnds) {
  struct {
    int Count, Index;
    TRect Widths;
  } cases[] = {{1, 0, {2, 2, 1, 2}}, {3, 0, {2, 2, 1, 2}}, {3, 1, {1, 2, 1, 2}}, {3, 2, {1, 2, 2, 2}}};
  for (const auto& c : cases)
    EXPECT_EQ(kUltraFlat->GetButtonGroupBorderWidths(c.Count, c.Index), c.Widths) << c.Count << "/" << c.Index;

  // A hot middle button: highlight strips on both inner sides, no frame at top.
  CanvasSurface s(30, 20);
  kUltraFlat->PaintGroupButton(&s.Cx, {0, 0, 30, 20}, cxbsHot, 3, 1, clBtnShadow);
  auto cap = s.Cap();
  EXPECT_EQ(cap.At(0, 10), Rgb(clHighlight));
  EXPECT_EQ(cap.At(29, 10), Rgb(clHighlight));
  EXPECT_EQ(cap.At(15, 1), Rgb(GetHotHighlightColor()));
  EXPECT_EQ(cap.At(15, 0), 0xFFFFFFu) << "a pixel off the top";
  // A normal first button: framed in the given colour, a pixel in at its left.
  kUltraFlat->PaintGroupButton(&s.Cx, {0, 0, 30, 20}, cxbsNormal, 3, 0, clRed);
  cap = s.Cap();
  EXPECT_EQ(cap.At(1, 10), Rgb(clRed));
  EXPECT_EQ(cap.At(29, 10), Rgb(clRed));
  EXPECT_EQ(cap.At(15, 1), Rgb(clRed));
  EXPECT_EQ(cap.At(15, 2), Rgb(clBtnFace));
}

TEST_F(OfficePaintersTest, GroupBoxFramesAreTakenOutOfTheClipOnceDrawn) {
  for (bool enabled : {true, false}) {
    CanvasSurface s(40, 30);
    kUltraFlat->PaintGroupBoxFrame(&s.Cx, {0, 0, 40, 30}, enabled, cxgpTop, TcxBorders{bLeft, bTop, bBottom});
    s.Cx.FillRect({0, 0, 40, 30}, clFuchsia);
    const auto cap = s.Cap();
    const uint32_t frame = Rgb(enabled ? clHighlight : clBtnShadow);
    EXPECT_EQ(cap.At(0, 15), frame);
    EXPECT_EQ(cap.At(20, 0), frame);
    EXPECT_EQ(cap.At(20, 29), frame);
    EXPECT_EQ(cap.At(39, 15), Rgb(clFuchsia)) << "no right border asked for";
    EXPECT_EQ(cap.At(20, 15), Rgb(clFuchsia));
  }
}

TEST_F(OfficePaintersTest, SmallPartsOfTheUltraFlatLook) {
  CanvasSurface s(13, 13);
  kUltraFlat->PaintCheckFrame(&s.Cx, {0, 0, 13, 13}, cxbsHot);
  EXPECT_EQ(s.Cap().At(0, 6), Rgb(clBtnText));
  EXPECT_EQ(s.Cap().At(1, 6), Rgb(kUltraFlat->GetCheckFaceColor(cxbsHot)));

  CanvasSurface page(4, 4);
  kUltraFlat->PaintPageAreaDark(&page.Cx, {0, 0, 4, 4});
  const TColor shadow = ColorToRGB(clBtnShadow);
  auto lighter = [](int v) { return v + (255 - v) / 3; };
  const uint32_t expected = uint32_t(lighter(shadow & 0xFF)) << 16 | uint32_t(lighter(shadow >> 8 & 0xFF)) << 8 |
                            uint32_t(lighter(shadow >> 16 & 0xFF));
  EXPECT_EQ(page.Cap().At(1, 1), expected);

  CanvasSurface tree(11, 11);
  kUltraFlat->PaintTreeButton(&tree.Cx, {0, 0, 11, 11}, false, clDefault);
  const auto cap = tree.Cap();
  EXPECT_EQ(cap.At(0, 0), Rgb(clBtnShadow));
  EXPECT_EQ(cap.At(5, 5), Rgb(clBtnText));
  EXPECT_EQ(cap.At(5, 3), Rgb(clBtnText)) << "collapsed: the vertical bar too";
  EXPECT_EQ(cap.At(2, 2), Rgb(clBtnFace));
}

// --- Office11 -----------------------------------------------------------------------------
TEST_F(OfficePaintersTest, Office11FacesGlyphsAndEdgesComeFromTheColourSet) {
  const auto* office = static_cast<const TcxOffice11LookAndFeelPainter*>(kOffice11);
  EXPECT_EQ(office->GetButtonFaceColor(cxbsNormal), Office11Color(1));
  EXPECT_EQ(office->GetButtonFaceColor(cxbsHot), Office11Color(43));
  EXPECT_EQ(office->GetButtonFaceColor(cxbsPressed), Office11Color(45));
  EXPECT_EQ(office->GetButtonFaceColor(cxbsDisabled), clBtnFace);
  EXPECT_EQ(office->GetButtonGlyphColor(cxbsPressed, clRed), clHighlightText) << "no colour scheme";
  EXPECT_EQ(office->GetButtonGlyphColor(cxbsDisabled, clRed), Office11Color(53));
  EXPECT_EQ(office->GetButtonGlyphColor(cxbsNormal, clRed), Office11Color(52));
  EXPECT_EQ(office->GetOfficeMidFaceColor(), BlendColors(Office11Color(3), Office11Color(4), 50));
  EXPECT_EQ(office->GetCheckFaceColor(cxbsHot), Office11Color(43));
  EXPECT_EQ(office->GetCheckFaceColor(cxbsNormal), clWindow);
  EXPECT_EQ(office->GetPainterStyle(), lfsOffice11);
  EXPECT_EQ(office->DefaultColor22(), office->GetOfficeMidFaceColor());

  themes.ThemeFile = L"Luna.msstyles";
  themes.ColorName = L"HomeStead";
  Office11ColorsRefresh();
  EXPECT_EQ(office->GetButtonGlyphColor(cxbsPressed, clRed), Office11Color(52)) << "a themed scheme";
  EXPECT_EQ(office->GetButtonFaceColor(cxbsNormal), TColor(0xA7D9D9));

  CanvasSurface s(20, 20);
  office->PaintButtonEdge(&s.Cx, {0, 0, 20, 20}, cxbsHot);
  EXPECT_EQ(s.Cap().At(0, 10), Rgb(Office11Color(42)));
  office->PaintButtonEdge(&s.Cx, {0, 0, 20, 20}, cxbsDisabled);
  EXPECT_EQ(s.Cap().At(0, 10), Rgb(Office11Color(53)));
  office->PaintBorderEdges(&s.Cx, {0, 0, 20, 20}, false);
  EXPECT_EQ(s.Cap().At(5, 9), Rgb(Office11Color(21)));
  EXPECT_EQ(s.Cap().At(5, 10), Rgb(Office11Color(22)));
}

TEST_F(OfficePaintersTest, Office11RadioGlyphsTakeTheColourSetsGrey) {
  themes.ThemeFile = L"Luna.msstyles";
  themes.ColorName = L"NormalColor";
  Office11ColorsRefresh();
  TcxRadioButtonImageList* radios = GetRadioButtonImageList();
  ASSERT_NE(radios, nullptr);
  radios->Rebuild();
  const TSize size = radios->GetImageSize();
  CanvasSurface s(size.cx, size.cy);
  kOffice11->DrawRadioButton(&s.Cx, 0, 0, cxbsDisabled, true, false, clWhite, false);
  EXPECT_EQ(s.Cap().At(size.cx / 2, size.cy / 2), Rgb(TColor(0x8D8D8D))) << "the disabled check dot";
  radios->Rebuild();
}

TEST_F(OfficePaintersTest, Office11CellsShadeTowardsTheirBottomAndHotCellsGlow) {
  const auto* office = static_cast<const TcxOffice11LookAndFeelPainter*>(kOffice11);
  const TColor mid = office->GetOfficeMidFaceColor(), dark = office->GetOfficeDarkFaceColor();
  CanvasSurface s(30, 41);
  const TGradientFillFunc system = SetOffice11GradientFill(nullptr);  // exact colours on every row
  office->PaintContent(&s.Cx, {0, 0, 30, 20}, {0, 0, 30, 20}, cxbsNormal, taLeftJustify, vaCenter, false, false, L"",
                       nullptr, clDefault, clRed, nullptr, false);
  office->PaintContent(&s.Cx, {0, 20, 30, 40}, {0, 20, 30, 40}, cxbsHot, taLeftJustify, vaCenter, false, false, L"",
                       nullptr, clDefault, clRed, nullptr, false);
  SetOffice11GradientFill(system);
  const auto cap = s.Cap();
  // The body in the mid face, the last four rows shading to the dark face.
  EXPECT_EQ(cap.At(15, 5), Rgb(mid));
  EXPECT_EQ(cap.At(15, 16), Rgb(mid));
  EXPECT_EQ(cap.At(15, 19), Rgb(dark));
  // A hot cell: the light face, and three rows of glow from its bottom row down.
  EXPECT_EQ(cap.At(15, 25), Rgb(Office11Color(3)));
  EXPECT_EQ(cap.At(15, 37), Rgb(Office11Color(3)));
  EXPECT_EQ(cap.At(15, 38), Rgb(Office11Color(43)));
  EXPECT_EQ(cap.At(15, 40), Rgb(Office11Color(44)));
}

TEST_F(OfficePaintersTest, Office11TreeButtonsBlendTheirCornersIntoTheBackground) {
  CanvasSurface s(11, 11);
  s.Fill(clBlack);
  kOffice11->PaintTreeButton(&s.Cx, {0, 0, 11, 11}, true, clDefault);
  const auto cap = s.Cap();
  EXPECT_EQ(cap.At(0, 0), Rgb(BlendColors(TColor(0xBFAE9E), clBlack, 25)));
  EXPECT_EQ(cap.At(10, 10), Rgb(BlendColors(TColor(0x5F462E), clBlack, 25)));
  EXPECT_EQ(cap.At(0, 10), cap.At(10, 10));
  EXPECT_NE(cap.At(2, 2), 0u) << "the sign's box is drawn";
}

TEST_F(OfficePaintersTest, Office11ScrollBarsAreTheStandardOnesWithoutThemes) {
  themes.Refuse(L"ScrollBar");
  for (TcxScrollBarPart part : {sbpLineUp, sbpLineDown, sbpThumbnail, sbpPageUp, sbpPageDown}) {
    CanvasSurface office(17, 40), standard(17, 40);
    kOffice11->PaintScrollBarPart(&office.Cx, false, {0, 0, 17, 40}, part, cxbsPressed);
    TcxStandardLookAndFeelPainter::Instance()->PaintScrollBarPart(&standard.Cx, false, {0, 0, 17, 40}, part,
                                                                  cxbsPressed);
    EXPECT_EQ(Pixels(office), Pixels(standard)) << part;
  }
}

}  // namespace
