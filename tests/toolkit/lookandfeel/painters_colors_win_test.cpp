// The painters' default colours and metrics, and their drawing in system
// colours put in force through the runtime's reader.
#include "dxOffice11_win.h"
#include "lookandfeel_test_support.h"

namespace {

using namespace lookandfeel_test;

using TColorOp = std::function<TColor(TcxCustomLookAndFeelPainterClass)>;
struct TColorRow {
  const char* Name;
  TColorOp Op;
  TColor Base, Standard, Flat;
};

#define ROW(op, base, standard, flat) \
  TColorRow{#op, [](TcxCustomLookAndFeelPainterClass p) { return p->op(); }, base, standard, flat}

// What each painter answers; a colour the same for all three is given thrice.
std::vector<TColorRow> ColorTable() {
  const TColor c00 = OSFlagVistaOrLater ? TColor(0xCC6600) : clHighlightText;
  return {
      ROW(DefaultColor00, c00, c00, c00),
      ROW(DefaultColor01, clWindow, clWindow, clWindow),
      ROW(DefaultColor02, clWindow, clWindow, clWindow),
      ROW(DefaultColor03, clWindow, clWindow, clWindow),
      ROW(DefaultColor04, clWindowText, clWindowText, clWindowText),
      ROW(DefaultColor09, clBtnShadow, clBtnShadow, clBtnShadow),
      ROW(DefaultColor10, clBtnHighlight, clBtnHighlight, clBtnHighlight),
      ROW(DefaultColor11, clBtnText, clBtnText, clBtnText),
      ROW(DefaultColor12, clBtnFace, clBtnFace, clBtnFace),
      ROW(DefaultColor13, clBtnText, clBtnText, clBtnText),
      ROW(DefaultColor14, clBtnFace, clBtnFace, clBtnFace),
      ROW(DefaultColor15, clBtnShadow, clBtnShadow, clBtnShadow),
      ROW(DefaultColor16, clBtnShadow, clBtnShadow, clBtnShadow),
      ROW(DefaultColor17, clBtnFace, clBtnFace, clBtnFace),
      ROW(DefaultColor18, clBtnFace, clBtnFace, clBtnFace),
      ROW(DefaultColor19, clBtnText, clBtnText, clBtnText),
      ROW(DefaultColor20, clBtnShadow, clBtnShadow, clBtnShadow),
      ROW(DefaultColor21, clBtnFace, clBtnFace, clBtnFace),
      ROW(DefaultColor22, clBtnFace, clBtnFace, clBtnFace),
      ROW(DefaultColor23, clBtnText, clBtnText, clBtnText),
      ROW(DefaultColor24, 0xFF0000, 0xFF0000, 0xFF0000),
      ROW(DefaultColor25, clBtnFace, clBtnFace, clBtnFace),
      ROW(DefaultColor26, clBtnText, clBtnText, clBtnText),
      ROW(DefaultColor27, 0xFF0000, 0xFF0000, 0xFF0000),
      ROW(DefaultColor28, clBtnShadow, clBtnShadow, clBtnShadow),
      ROW(GetScrollBarsCornerColor, clBtnFace, clBtnFace, clBtnFace),
      ROW(DefaultColor30, clBlack, clBlack, clBlack),
      ROW(DefaultColor31, clBtnFace, clBtnFace, clBtnFace),
      ROW(DefaultColor32, clDefault, clDefault, clDefault),
      ROW(DefaultColor33, clBtnFace, clBtnFace, clBtnFace),
      ROW(DefaultColor34, clBtnText, clBtnText, clBtnText),
      ROW(DefaultColor35, clBlack, clBlack, clBlack),
      ROW(DefaultColor36, clWindow, clWindow, clWindow),
      ROW(DefaultColor37, clBtnFace, clBtnFace, clBtnFace),
      ROW(DefaultColor39, 0x0000FF, 0x0000FF, 0x0000FF),
      ROW(DefaultColor40, clGrayText, clGrayText, clGrayText),
      ROW(DefaultColor41, clHighlight, clHighlight, clHighlight),
      ROW(DefaultColor42, clHighlightText, clHighlightText, clHighlightText),
      ROW(DefaultColor43, clBtnShadow, clBtnShadow, clBtnShadow),
      ROW(DefaultColor44, clWindow, clWindow, clWindow),
      ROW(DefaultColor45, clWindowText, clWindowText, clWindowText),
      ROW(DefaultColor46, 0x000080, 0x000080, 0x000080),
      ROW(DefaultColor47, 0x800000, 0x800000, 0x800000),
      ROW(DefaultColor48, clWindow, clWindow, clWindow),
      ROW(DefaultColor49, clWindowText, clWindowText, clWindowText),
      ROW(DefaultColor50, 0x9D9DA1, 0x9D9DA1, 0x9D9DA1),
      ROW(DefaultColor51, clBtnFace, clBtnFace, clBtnFace),
      ROW(DefaultColor52, clBtnFace, clBtnFace, clBtnFace),
      ROW(DefaultColor53, clBtnFace, clBtnFace, clBtnFace),
      ROW(DefaultColor54, clBtnText, clBtnText, clBtnText),
      ROW(DefaultColor55, 0xD5FFFF, clWindow, 0xD5FFFF),
      ROW(DefaultColor56, clHighlightText, clHighlightText, clHighlightText),
      ROW(DefaultColor57, clWindowText, clWindowText, clWindowText),
      ROW(DefaultColor58, clHighlight, clHighlight, clHighlight),
      ROW(DefaultColor59, clHighlightText, clHighlightText, clHighlightText),
      ROW(DefaultColor60, clBtnFace, clBtnFace, clBtnFace),
      ROW(DefaultColor61, clBtnFace, clBtnFace, clBtnFace),
      ROW(DefaultColor62, clBtnText, clBtnText, clBtnText),
      ROW(DefaultColor63, clWindow, clWindow, clWindow),
      ROW(DefaultColor64, clBtnFace, clBtnFace, clBtnFace),
      ROW(DefaultColor65, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF),
      ROW(DefaultColor66, clBlack, clBlack, clBlack),
      ROW(DefaultColor67, clBtnFace, clBtnFace, clBtnFace),
      ROW(DefaultColor68, clBtnText, clBtnText, clBtnText),
      ROW(DefaultColor69, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF),
      ROW(DefaultColor70, clBlack, clBlack, clBlack),
      ROW(DefaultColor71, clBlack, clBlack, clBlack),
      ROW(DefaultColor72, clBlack, clBlack, clBlack),
      ROW(DefaultColor73, 0xCFCFCF, 0xCFCFCF, 0xCFCFCF),
      ROW(DefaultColor74, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF),
      ROW(DefaultColor75, clBtnShadow, clBtnShadow, clBtnShadow),
      ROW(DefaultColor76, 0xF0CAA6, 0xF0CAA6, 0xF0CAA6),
      ROW(DefaultColor77, 0x800000, 0x800000, 0x800000),
      ROW(DefaultColor78, clBtnShadow, clBtnShadow, clBtnShadow),
      ROW(DefaultColor79, clBtnShadow, clBtnShadow, clBtnShadow),
      ROW(GetCellEdgeColor, clBtnShadow, clBtnShadow, clBtnShadow),
      ROW(GetCellColor, clBtnFace, clBtnFace, clBtnFace),
      ROW(GetBandColor, clBtnShadow, clBtnShadow, clBtnShadow),
      ROW(GetPageAreaColor, clBtnFace, clBtnFace, clBtnFace),
      ROW(GetPageFrameColor, clBtnFace, clBtnFace, clBtnFace),
      ROW(GetGroupBoxPanelTextColor, clWindowText, clWindowText, clWindowText),
      ROW(GetProgressTextColor, clWindowText, clWindowText, clWindowText),
  };
}

#undef ROW

TEST(DefaultColorTest, EachPainterAnswersItsColoursAndTheyResolveToTheSystemsInForce) {
  const TInjectedSysColors injected;
  for (const TColorRow& row : ColorTable()) {
    const TColor expected[] = {row.Base, row.Standard, row.Flat};
    int i = 0;
    for (const TNamedPainter& p : AllPainters()) {
      const TColor got = row.Op(p.Painter);
      EXPECT_EQ(got, expected[i]) << row.Name << " of the " << p.Name << " painter";
      // A system colour reads as the colour in force, never the system's own.
      if (IsSystemColor(got)) {
        EXPECT_EQ(ColorToRGB(got), TInjectedSysColors::Of(got & 0xFF)) << row.Name;
      }
      ++i;
    }
  }
}

TEST(DefaultColorTest, StateAndFlagColours) {
  for (const TNamedPainter& p : AllPainters()) {
    const auto painter = p.Painter;
    EXPECT_EQ(painter->GetEditorBackgroundColor(false), clDefault) << p.Name;
    EXPECT_EQ(painter->GetEditorTextColor(true), clDefault) << p.Name;
    EXPECT_EQ(painter->DefaultColor38(true), painter->DefaultColor00()) << p.Name;
    EXPECT_EQ(painter->DefaultColor38(false), clBtnText) << p.Name;
    EXPECT_EQ(painter->GetButtonFaceColor(cxbsHot), clBtnFace) << p.Name;
    EXPECT_EQ(painter->GetButtonGlyphColor(cxbsDisabled, clRed), clBtnShadow) << p.Name;
    EXPECT_EQ(painter->GetButtonGlyphColor(cxbsNormal, clDefault), clBtnText) << p.Name;
    EXPECT_EQ(painter->GetButtonGlyphColor(cxbsHot, clRed), clRed) << p.Name;
    EXPECT_EQ(painter->GetCheckFaceColor(cxbsHot), clWindow) << p.Name;
    EXPECT_EQ(painter->GetCheckFaceColor(cxbsDisabled), clBtnFace) << p.Name;
    EXPECT_EQ(painter->GetGroupBoxCaptionTextColor(false, cxgpTop), clBtnShadow) << p.Name;
    EXPECT_EQ(painter->GetProgressTextColorFor(true), clDefault) << p.Name;
    EXPECT_EQ(painter->GetPanelColorFor(true), clWindow) << p.Name;
    EXPECT_EQ(painter->GetPanelColorFor(false), Office11Color(63)) << p.Name;
    EXPECT_EQ(painter->GetOfficePanelColor(), Office11Color(65)) << p.Name;
    EXPECT_EQ(painter->GetOfficePanelTextColor(), Office11Color(64)) << p.Name;
    EXPECT_EQ(painter->GetPageColor(2), 0x000080) << p.Name;
    EXPECT_EQ(painter->GetSplitterInnerColor(false), 0xFFFFFF) << p.Name;
  }
  EXPECT_EQ(TcxFlatLookAndFeelPainter::Instance()->GetSplitterLineColor(true), cl3DDkShadow);
  EXPECT_EQ(TcxStandardLookAndFeelPainter::Instance()->GetSplitterLineColor(true), clBtnShadow);
}

TEST(PainterMetricsTest, EachPainterAnswersItsSizes) {
  struct TRow {
    const char* Name;
    std::function<int(TcxCustomLookAndFeelPainterClass)> Op;
    int Base, Standard, Flat;
  };
  const TRow rows[] = {
      {"GetPainterStyle", [](auto p) { return int(p->GetPainterStyle()); }, lfsStandard, lfsStandard, lfsFlat},
      {"GetBorderWidth", [](auto p) { return p->GetBorderWidth(); }, 0, 2, 1},
      {"GetButtonBorderWidth default", [](auto p) { return p->GetButtonBorderWidth(cxbsDefault); }, 0, 3, 2},
      {"GetButtonBorderWidth pressed", [](auto p) { return p->GetButtonBorderWidth(cxbsPressed); }, 0, 2, 1},
      {"GetButtonCaptionOffset", [](auto p) { return p->GetButtonCaptionOffset(); }, 0, 1, 1},
      {"GetPressedShift", [](auto p) { return p->GetPressedShift(); }, 0, 1, 1},
      {"GetTreeButtonSize", [](auto p) { return p->GetTreeButtonSize(); }, 0, 12, 11},
      {"GetHeaderEdgeWidth", [](auto p) { return p->GetHeaderEdgeWidth(); }, 0, 1, 1},
      {"GetHeaderPartEdgeWidth normal", [](auto p) { return p->GetHeaderPartEdgeWidth(cxbsNormal); }, 1, 2, 1},
      {"GetHeaderPartEdgeWidth pressed", [](auto p) { return p->GetHeaderPartEdgeWidth(cxbsPressed); }, 1, 1, 1},
      {"GetSortGlyphSize", [](auto p) { return p->GetSortGlyphSize().cx * 100 + p->GetSortGlyphSize().cy; }, 0, 807,
       807},
      {"GetPanelEdgeWidth", [](auto p) { return p->GetPanelEdgeWidth(); }, 0, 1, 1},
      {"GetCellEdgeWidth", [](auto p) { return p->GetCellEdgeWidth(); }, 0, 1, 1},
      {"GetCellOffset", [](auto p) { return p->GetCellOffset(); }, 0, 1, 1},
      {"GetTabEdgeWidth", [](auto p) { return p->GetTabEdgeWidth(); }, 0, 1, 1},
      {"HasHotScrollBarParts", [](auto p) { return int(p->HasHotScrollBarParts()); }, 0, 0, 0},
      {"GetCheckFrameWidth", [](auto p) { return p->GetCheckFrameWidth(); }, 2, 2, 2},
      {"GetLabelLineThickness", [](auto p) { return p->GetLabelLineThickness(); }, 2, 2, 2},
      {"GetChevronButtonSize", [](auto p) { return p->GetChevronButtonSize(); }, 15, 15, 15},
      {"GetPlusMinusBoxSize", [](auto p) { return p->GetPlusMinusBoxSize(); }, 9, 9, 9},
      {"GetMinScrollBarThumbSize", [](auto p) { return p->GetMinScrollBarThumbSize(true); }, 8, 8, 8},
      {"GetBandSize", [](auto p) { return p->GetBandSize(); }, 1, 1, 1},
      {"GetSizeGripSize", [](auto p) { return p->GetSizeGripSize().cx * 100 + p->GetSizeGripSize().cy; }, 1415,
       1415, 1415},
      {"GetCrossButtonSize", [](auto p) { return p->GetCrossButtonSize().cx * 100 + p->GetCrossButtonSize().cy; },
       1614, 1614, 1614},
      {"CalcHeaderHeight 13", [](auto p) { return p->CalcHeaderHeight(13); }, 17, 19, 19},
  };
  for (const TRow& row : rows) {
    const int expected[] = {row.Base, row.Standard, row.Flat};
    int i = 0;
    for (const TNamedPainter& p : AllPainters()) EXPECT_EQ(row.Op(p.Painter), expected[i++]) << row.Name << " " << p.Name;
  }
}

TEST(PainterGeometryTest, RectanglesFollowTheEdgeWidths) {
  const auto standard = TcxStandardLookAndFeelPainter::Instance();
  const TRect r{10, 10, 50, 30};
  EXPECT_EQ(standard->GetHeaderInnerRect(r, TcxBorders{bLeft, bBottom}), (TRect{11, 10, 50, 29}));
  EXPECT_EQ(standard->GetHeaderOuterRect(r, TcxNeighbors{nLeft}), r) << "every edge is drawn";
  EXPECT_EQ(standard->GetInnerRect(r), (TRect{11, 11, 49, 29}));
  EXPECT_EQ(standard->GetInnerRectInset(r), (TRect{13, 13, 47, 27}));
  EXPECT_EQ(standard->GetHeaderPartInnerRect(r, cxbsNormal), (TRect{12, 12, 48, 28}));
  EXPECT_EQ(standard->GetHeaderPartTextRect(r, cxbsPressed), (TRect{11, 11, 51, 31}));
  EXPECT_EQ(standard->GetButtonFocusBounds(nullptr, r), (TRect{14, 14, 46, 26}));
  EXPECT_EQ(standard->GetButtonFocusBounds(nullptr, TRect{0, 0, 8, 8}), (TRect{0, 0, 8, 8}));
  EXPECT_EQ(standard->GetButtonGroupBorderWidths(3, 1), (TRect{2, 2, 2, 2}));
  EXPECT_EQ(standard->CenterBandInRect(r, 2, true), (TRect{29, 10, 31, 30}));
  EXPECT_EQ(standard->CenterBandInRect(r, 2, false), (TRect{10, 19, 50, 21}));
  EXPECT_EQ(standard->GetHeaderGlyphAreaSize(), (TSize{16, 7}));
  TRect thumb{0, 0, 10, 20};
  standard->CorrectTrackBarThumbRect(nullptr, thumb, true, tbtaUp);
  EXPECT_EQ(thumb, (TRect{0, 0, 9, 19}));
  TRect button{0, 0, 20, 100}, text, arrow;
  standard->CalcSideButtonRects(false, true, {}, {}, button, text, arrow);
  EXPECT_EQ(button.Bottom - button.Top, 6 + 21 + 6);
  EXPECT_EQ(text, TRect{});
  EXPECT_EQ(arrow.Right - arrow.Left, 7);
}

TEST(InjectedColorsTest, BordersAndFacesDrawInTheColoursInForce) {
  const TInjectedSysColors injected;
  CanvasSurface s(30, 20);
  const auto standard = TcxStandardLookAndFeelPainter::Instance();
  standard->PaintControlBorder(&s.Cx, {0, 0, 30, 20});
  standard->PaintButtonCell(&s.Cx, {5, 5, 25, 15}, L"", cxbsNormal, true, clDefault, clDefault, false, false);
  const auto c = s.Cap();
  auto rgb = [](int index) { return Rgb(TInjectedSysColors::Of(index)); };
  EXPECT_EQ(c.At(0, 0), rgb(COLOR_BTNSHADOW));
  EXPECT_EQ(c.At(29, 19), rgb(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(c.At(1, 1), rgb(COLOR_3DDKSHADOW));
  EXPECT_EQ(c.At(28, 18), rgb(COLOR_3DLIGHT));
  EXPECT_EQ(c.At(5, 5), rgb(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(c.At(15, 10), rgb(COLOR_BTNFACE));
}

}  // namespace
