// The painters' drawing on memory DCs: composites built on overridable
// primitives, the standard and flat looks' edges, scroll-bar parts, group
// boxes, sort marks, check glyphs, size grips, row markers and thumbs.
#include "lookandfeel_test_support.h"

namespace {

using namespace lookandfeel_test;

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TPainterUnits);

const TcxCustomLookAndFeelPainterClass kStandard = TcxStandardLookAndFeelPainter::Instance();
const TcxCustomLookAndFeelPainterClass kFlat = TcxFlatLookAndFeelPainter::Instance();

// A look that differs from the standard one only in its button edge.
class TRedEdgePainter : public TcxStandardLookAndFeelPainter {
 public:
  void PaintButtonEdge(TcxCanvas* ACanvas, const TRect& R, TcxButtonState) const override {
    ACanvas->FrameRectBorders(R, clRed, 2);
  }
};

TEST(PainterCompositionTest, OverridingTheButtonEdgeChangesEveryButtonBuiltOnIt) {
  static const TRedEdgePainter red;
  const TcxCustomLookAndFeelPainterClass painter = &red;
  struct TCase {
    const char* What;
    std::function<void(TcxCustomLookAndFeelPainterClass, TcxCanvas*, const TRect&)> Draw;
  };
  const TCase cases[] = {
      {"button cell",
       [](auto p, auto c, const TRect& r) { p->PaintButtonCell(c, r, L"", cxbsNormal, true, clDefault, clDefault, false, false); }},
      {"button face", [](auto p, auto c, const TRect& r) { p->PaintButtonFace(c, r, cxbsHot); }},
      {"cross button", [](auto p, auto c, const TRect& r) { p->PaintCrossButton(c, r, cxbsNormal); }},
      {"nav button", [](auto p, auto c, const TRect& r) { p->PaintNavButton(c, r, cxbsNormal); }},
      {"group button", [](auto p, auto c, const TRect& r) { p->PaintGroupButton(c, r, cxbsNormal, 3, 1, clDefault); }},
  };
  const TRect r{0, 0, 75, 23};
  for (const TCase& c : cases) {
    CanvasSurface mine(75, 23), standard(75, 23);
    c.Draw(painter, &mine.Cx, r);
    c.Draw(kStandard, &standard.Cx, r);
    const vamire_test::Capture cap = mine.Cap();
    EXPECT_EQ(cap.At(0, 0), Rgb(clRed)) << c.What;
    EXPECT_EQ(cap.At(74, 22), Rgb(clRed)) << c.What;
    EXPECT_EQ(cap.At(1, 11), Rgb(clRed)) << c.What;
    EXPECT_NE(Pixels(mine), Pixels(standard)) << c.What;
    // Inside the edge the face is the standard one.
    EXPECT_EQ(cap.At(37, 11), standard.Cap().At(37, 11)) << c.What;
  }
}

TEST(StandardButtonTest, DefaultButtonHasABlackFrameAndAThickerBorder) {
  CanvasSurface normal(30, 20), def(30, 20);
  kStandard->PaintButtonCell(&normal.Cx, {0, 0, 30, 20}, L"", cxbsNormal, true, clDefault, clDefault, false, false);
  kStandard->PaintButtonCell(&def.Cx, {0, 0, 30, 20}, L"", cxbsDefault, true, clDefault, clDefault, false, false);
  EXPECT_EQ(kStandard->GetButtonBorderWidth(cxbsDefault), 3);
  EXPECT_EQ(kStandard->GetButtonBorderWidth(cxbsNormal), 2);
  const auto n = normal.Cap(), d = def.Cap();
  EXPECT_EQ(n.At(0, 0), Rgb(clBtnHighlight));
  EXPECT_EQ(n.At(29, 19), Rgb(cl3DDkShadow));
  EXPECT_EQ(n.At(2, 2), Rgb(clBtnFace));
  for (auto [x, y] : {std::pair{0, 0}, {29, 0}, {0, 19}, {29, 19}, {15, 0}, {0, 10}}) EXPECT_EQ(d.At(x, y), 0u);
  // The default button's two 3D rings sit one pixel further in.
  EXPECT_EQ(d.At(1, 1), Rgb(clBtnHighlight));
  EXPECT_EQ(d.At(28, 18), Rgb(cl3DDkShadow));
  EXPECT_EQ(d.At(27, 17), Rgb(clBtnShadow));
  EXPECT_EQ(d.At(3, 3), Rgb(clBtnFace));
}

TEST(ButtonEdgeTest, PressedEdgesOfBothLooks) {
  CanvasSurface s(20, 20), f(20, 20);
  kStandard->PaintButtonEdge(&s.Cx, {0, 0, 20, 20}, cxbsPressed);
  kFlat->PaintButtonEdge(&f.Cx, {0, 0, 20, 20}, cxbsPressed);
  EXPECT_EQ(s.Cap().At(0, 0), 0u);
  EXPECT_EQ(s.Cap().At(1, 1), Rgb(clBtnShadow));
  EXPECT_EQ(s.Cap().At(18, 18), Rgb(clBtnShadow));
  EXPECT_EQ(f.Cap().At(0, 0), Rgb(clBtnShadow));
  EXPECT_EQ(f.Cap().At(19, 19), Rgb(clBtnHighlight));
}

// The pixels of the system's arrow glyph colour inside a rectangle, as points.
std::vector<std::pair<int, int>> GlyphPixels(const vamire_test::Capture& C, const TRect& R) {
  std::vector<std::pair<int, int>> points;
  for (int y = R.Top; y < R.Bottom; ++y)
    for (int x = R.Left; x < R.Right; ++x)
      if (C.At(x, y) == Rgb(clBtnText)) points.emplace_back(x, y);
  return points;
}

TEST(ScrollBarPartTest, PressedStandardArrowMovesItsArrowDownAndRight) {
  CanvasSurface normal(17, 17), pressed(17, 17);
  kStandard->PaintScrollBarPart(&normal.Cx, false, {0, 0, 17, 17}, sbpLineDown, cxbsNormal);
  kStandard->PaintScrollBarPart(&pressed.Cx, false, {0, 0, 17, 17}, sbpLineDown, cxbsPressed);
  auto moved = GlyphPixels(normal.Cap(), {2, 2, 15, 15});
  ASSERT_FALSE(moved.empty());
  for (auto& [x, y] : moved) ++x, ++y;
  EXPECT_EQ(GlyphPixels(pressed.Cap(), {2, 2, 16, 16}), moved);
  EXPECT_EQ(pressed.Cap().At(0, 0), Rgb(clBtnShadow));
  EXPECT_EQ(normal.Cap().At(16, 16), Rgb(cl3DDkShadow));
}

TEST(ScrollBarPartTest, DisabledThumbDrawsNothingAndHotDrawsAsNormal) {
  for (auto [name, painter] : std::vector<std::pair<const char*, TcxCustomLookAndFeelPainterClass>>{
           {"standard", kStandard}, {"flat", kFlat}}) {
    CanvasSurface s(20, 40);
    painter->PaintScrollBarPart(&s.Cx, false, {0, 0, 20, 40}, sbpThumbnail, cxbsDisabled);
    EXPECT_EQ(s.Cap().CountNot(Rgb(clWhite)), 0u) << name;
    painter->PaintScrollBarPart(&s.Cx, false, {0, 0, 20, 0}, sbpLineUp, cxbsNormal);
    EXPECT_EQ(s.Cap().CountNot(Rgb(clWhite)), 0u) << name << ": empty rectangle";
    for (TcxScrollBarPart part : {sbpLineUp, sbpLineDown, sbpThumbnail, sbpPageUp, sbpPageDown}) {
      CanvasSurface hot(20, 40), normal(20, 40);
      painter->PaintScrollBarPart(&hot.Cx, false, {0, 0, 20, 40}, part, cxbsHot);
      painter->PaintScrollBarPart(&normal.Cx, false, {0, 0, 20, 40}, part, cxbsNormal);
      EXPECT_EQ(Pixels(hot), Pixels(normal)) << name << " part " << part;
    }
  }
}

TEST(ScrollBarPartTest, TracksTakeThePatternAndItsDarkFormWhenPressed) {
  CanvasSurface s(16, 8);
  kFlat->PaintScrollBarPart(&s.Cx, true, {0, 0, 8, 8}, sbpPageUp, cxbsNormal);
  kFlat->PaintScrollBarPart(&s.Cx, true, {8, 0, 16, 8}, sbpPageDown, cxbsPressed);
  const auto c = s.Cap();
  EXPECT_NE(c.At(0, 0), c.At(1, 0)) << "a checker";
  for (int x = 0; x < 8; ++x) {
    EXPECT_TRUE(c.At(x, 3) == Rgb(clBtnHighlight) || c.At(x, 3) == Rgb(clBtnFace)) << x;
    EXPECT_TRUE(c.At(x + 8, 3) == Rgb(cl3DDkShadow) || c.At(x + 8, 3) == 0u) << x;
  }
  EXPECT_EQ(s.Cx.Brush()->Bitmap(), nullptr) << "the brush is solid again";
}

TEST(FlatScrollBarTest, ArrowButtonsAreButtonCellsWithAStateArrow) {
  CanvasSurface s(17, 17);
  kFlat->PaintScrollBarPart(&s.Cx, true, {0, 0, 17, 17}, sbpLineUp, cxbsNormal);
  const auto c = s.Cap();
  EXPECT_EQ(c.At(0, 0), Rgb(clBtnHighlight));
  EXPECT_EQ(c.At(16, 16), Rgb(clBtnShadow));
  // A left arrow: its point is further left than its base.
  const auto glyph = GlyphPixels(c, {1, 1, 16, 16});
  ASSERT_FALSE(glyph.empty());
  const auto [minX, maxX] = std::minmax_element(glyph.begin(), glyph.end());
  int leftmostRows = 0, rightmostRows = 0;
  for (auto [x, y] : glyph) leftmostRows += x == minX->first, rightmostRows += x == maxX->first;
  EXPECT_EQ(leftmostRows, 1);
  EXPECT_GT(rightmostRows, 1);
}

TEST(GroupBoxFrameTest, FlatTopBorderIsShadowAboveHighlight) {
  CanvasSurface s(20, 10);
  kFlat->PaintGroupBoxFrame(&s.Cx, {0, 0, 20, 10}, true, cxgpTop, TcxBorders{bTop});
  const auto c = s.Cap();
  for (int x = 0; x < 20; ++x) {
    EXPECT_EQ(c.At(x, 0), Rgb(clBtnShadow)) << x;
    EXPECT_EQ(c.At(x, 1), Rgb(clBtnHighlight)) << x;
    EXPECT_EQ(c.At(x, 2), Rgb(clWhite)) << x;
  }
}

TEST(GroupBoxFrameTest, StandardFrameIsEtchedAndLeavesTheClipOutsideIt) {
  CanvasSurface s(20, 16);
  kStandard->PaintGroupBoxFrame(&s.Cx, {0, 0, 20, 16}, true, cxgpTop, cxBordersAll);
  s.Cx.FillRect({0, 0, 20, 16}, clRed);  // the frame is excluded: only the inside turns red
  const auto c = s.Cap();
  EXPECT_EQ(c.At(0, 0), Rgb(clBtnShadow));
  EXPECT_EQ(c.At(1, 1), Rgb(clBtnHighlight));
  EXPECT_EQ(c.At(18, 14), Rgb(clBtnShadow)) << "the inner corner keeps the shadow";
  EXPECT_EQ(c.At(19, 15), Rgb(clBtnHighlight));
  EXPECT_EQ(c.At(10, 8), Rgb(clRed));
}

TEST(SortGlyphTest, AscendingMarkApexAndBase) {
  CanvasSurface s(20, 17);
  DrawSortTriangle(kStandard, &s.Cx, {0, 0, 20, 17}, clBlack, clRed, true);
  const auto c = s.Cap();
  EXPECT_NE(c.At(9, 5), Rgb(clWhite));
  EXPECT_NE(c.At(10, 5), Rgb(clWhite));
  EXPECT_EQ(c.At(9, 4), Rgb(clWhite));
  EXPECT_EQ(c.At(10, 4), Rgb(clWhite));
  for (int x = 6; x <= 13; ++x) EXPECT_NE(c.At(x, 11), Rgb(clWhite)) << x;
  EXPECT_EQ(c.At(5, 11), Rgb(clWhite));
  EXPECT_EQ(c.At(14, 11), Rgb(clWhite));
  EXPECT_EQ(c.At(13, 11), Rgb(clRed)) << "light base";
  EXPECT_EQ(c.At(6, 11), 0u) << "the dark left side starts where the base ends";
  EXPECT_EQ(c.At(9, 5), 0u);
}

TEST(CheckGlyphTest, ClearBrushDrawsOnlyTheMarkAndUncheckedOnlyTheFill) {
  const TRect r{0, 0, 13, 13};
  CanvasSurface clear(13, 13), unchecked(13, 13);
  clear.Cx.Brush()->SetStyle(bsClear);
  kStandard->PaintCheckGlyph(&clear.Cx, r, cxbsNormal, true, clBlack);
  const auto c = clear.Cap();
  std::size_t marked = 0;
  for (uint32_t p : c.Pixels) {
    EXPECT_TRUE(p == Rgb(clWhite) || p == 0u);
    marked += p == 0u;
  }
  EXPECT_GT(marked, 10u);
  unchecked.Fill(clRed);
  kStandard->PaintCheckGlyph(&unchecked.Cx, r, cxbsPressed, false, clBlack);
  for (uint32_t p : unchecked.Cap().Pixels) EXPECT_EQ(p, Rgb(clBtnFace));
}

TEST(CheckBoxTest, FramesOfBothLooksAndTheGrayedMark) {
  CanvasSurface s(13, 13), f(13, 13);
  kStandard->PaintCheckBox(&s.Cx, {0, 0, 13, 13}, cxbsNormal, cbsGrayed);
  kFlat->PaintCheckBox(&f.Cx, {0, 0, 13, 13}, cxbsNormal, cbsChecked);
  const auto sc = s.Cap(), fc = f.Cap();
  EXPECT_EQ(sc.At(0, 0), Rgb(cl3DDkShadow));
  EXPECT_EQ(sc.At(1, 1), Rgb(clBtnShadow));
  EXPECT_EQ(sc.At(12, 12), Rgb(cl3DLight));
  EXPECT_EQ(sc.At(11, 11), Rgb(clBtnHighlight));
  std::size_t grayMark = 0;
  for (int y = 2; y < 11; ++y)
    for (int x = 2; x < 11; ++x) grayMark += sc.At(x, y) == Rgb(clBtnShadow);
  EXPECT_GT(grayMark, 10u) << "a grayed box shows its mark in the shadow colour";
  EXPECT_EQ(fc.At(0, 0), Rgb(clBtnShadow));
  EXPECT_EQ(fc.At(1, 1), Rgb(clWindow)) << "the flat look's inner frame in the face colour";
  EXPECT_GT(std::count(fc.Pixels.begin(), fc.Pixels.end(), Rgb(clWindowText)), 10);
}

TEST(SizeGripTest, TopLeftCornerIsTheBottomRightGripTurnedAHalfTurn) {
  CanvasSurface br(16, 16), tl(16, 16);
  kStandard->PaintSizeGripAt(&br.Cx, {0, 0, 16, 16}, clBtnFace, coBottomRight);
  kStandard->PaintSizeGripAt(&tl.Cx, {0, 0, 16, 16}, clBtnFace, coTopLeft);
  const auto b = br.Cap(), t = tl.Cap();
  EXPECT_GT(b.CountNot(Rgb(clBtnFace)), 0u);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) ASSERT_EQ(t.At(x, y), b.At(15 - x, 15 - y)) << x << "," << y;
}

TEST(RowMarkerTest, KindNoneDrawsNothingAndTheArrowIsCentred) {
  CanvasSurface s(20, 21);
  kStandard->PaintRowMarkerImage(&s.Cx, {0, 0, 20, 21}, rmkNone);
  EXPECT_EQ(s.Cap().CountNot(Rgb(clWhite)), 0u);
  s.Fill(clYellow);
  kStandard->PaintRowMarkerImage(&s.Cx, {0, 0, 20, 21}, rmkArrow);
  // The 8 x 9 arrow at (6, 6): its black pixels, the rest of the image transparent.
  const auto c = s.Cap();
  EXPECT_EQ(c.At(6 + 1, 6 + 1), 0u);
  EXPECT_EQ(c.At(6 + 4, 6 + 4), 0u);
  EXPECT_EQ(c.At(6 + 5, 6 + 4), Rgb(clYellow));
  EXPECT_EQ(c.CountNot(Rgb(clYellow)), 16u);
}

TEST(TrackBarThumbTest, BothTicksGiveARectangleOneTickAPentagon) {
  CanvasSurface both(11, 21), up(11, 21);
  kStandard->DrawTrackBarThumb(&both.Cx, {0, 0, 11, 21}, cxbsNormal, true, tbtaBoth, clBtnFace);
  kStandard->DrawTrackBarThumb(&up.Cx, {0, 1, 11, 21}, cxbsNormal, true, tbtaUp, clBtnFace);
  EXPECT_EQ(both.Cap().At(0, 0), Rgb(clBtnHighlight));
  EXPECT_EQ(both.Cap().At(10, 20), Rgb(cl3DDkShadow));
  EXPECT_EQ(both.Cap().At(5, 10), Rgb(clBtnFace));
  EXPECT_EQ(up.Cap().At(0, 1), Rgb(clWhite)) << "the pentagon's top corners are cut";
  EXPECT_NE(up.Cap().At(5, 1), Rgb(clWhite)) << "its apex";
  EXPECT_EQ(up.Cap().At(5, 12), Rgb(clBtnFace));
}

TEST(TreeButtonTest, StandardTreeButtonShowsPlusWhenCollapsedAndExcludesItself) {
  CanvasSurface s(12, 12);
  kStandard->PaintTreeButton(&s.Cx, {0, 0, 12, 12}, false, clDefault);
  s.Cx.FillRect({0, 0, 12, 12}, clRed);
  const auto c = s.Cap();
  EXPECT_EQ(c.At(0, 0), Rgb(clBtnHighlight));
  EXPECT_EQ(c.At(11, 11), Rgb(cl3DDkShadow));
  EXPECT_EQ(c.At(10, 10), Rgb(clBtnShadow));
  // Reduced rectangle 1..10: centre (5, 5), bars of 2 x 2 + 1 pixels.
  for (int d = -2; d <= 2; ++d) {
    EXPECT_EQ(c.At(5 + d, 5), Rgb(clBtnText)) << d;
    EXPECT_EQ(c.At(5, 5 + d), Rgb(clBtnText)) << d;
  }
  EXPECT_EQ(c.CountNot(Rgb(clRed)), 144u) << "nothing drawn after it shows";
}

TEST(ChevronButtonTest, ATurnedChevronKeepsTheButtonsEdge) {
  CanvasSurface straight(15, 19), turned(19, 15);
  kFlat->PaintChevronButton(&straight.Cx, {0, 0, 15, 19}, true, cxbsNormal);
  kFlat->PaintRotatedChevronButton(&turned.Cx, {0, 0, 19, 15}, cxbsNormal, true, raPlus90);
  const auto s = straight.Cap(), t = turned.Cap();
  // The turned picture's bitmap is filled with the face: only its chevron may cover the edge.
  EXPECT_EQ(t.At(0, 0), Rgb(clBtnHighlight));
  EXPECT_EQ(t.At(18, 14), Rgb(clBtnShadow));
  const auto count = [](const vamire_test::Capture& c) {
    return std::count(c.Pixels.begin(), c.Pixels.end(), Rgb(clBtnText));
  };
  EXPECT_EQ(count(t), count(s)) << "the same chevron, a quarter turned";
  EXPECT_GT(count(t), 10);
}

TEST(BorderEdgesTest, BothLooksDrawTheEtchedLineTwoPixelsThick) {
  for (auto painter : {kStandard, kFlat}) {
    CanvasSurface s(20, 10);
    painter->PaintBorderEdges(&s.Cx, {0, 0, 20, 10}, false);
    const auto c = s.Cap();
    EXPECT_EQ(c.At(5, 4), Rgb(clBtnShadow)) << painter->ClassName().size();
    EXPECT_EQ(c.At(5, 5), Rgb(clBtnHighlight));
    EXPECT_EQ(c.At(5, 3), Rgb(clWhite));
    EXPECT_EQ(c.At(5, 6), Rgb(clWhite));
  }
}

TEST(LabelLineTest, OuterColourOnTopOrLeftInnerOnBottomOrRight) {
  CanvasSurface s(10, 10);
  kStandard->PaintLabelLine(&s.Cx, {0, 0, 10, 2}, clDefault, clDefault, false);
  kStandard->PaintLabelLine(&s.Cx, {0, 4, 2, 10}, clRed, clBlue, true);
  const auto c = s.Cap();
  EXPECT_EQ(c.At(5, 0), Rgb(clBtnShadow));
  EXPECT_EQ(c.At(5, 1), Rgb(clBtnHighlight));
  EXPECT_EQ(c.At(0, 7), Rgb(clRed));
  EXPECT_EQ(c.At(1, 7), Rgb(clBlue));
}

TEST(ButtonCellTest, PressedCaptionMovesByThePressedShift) {
  for (auto painter : {kStandard, kFlat}) {
    CanvasSurface normal(75, 23), pressed(75, 23);
    for (CanvasSurface* s : {&normal, &pressed}) core_graphics_test::UseCrispFont(s->Cx.Font());
    painter->PaintButtonCell(&normal.Cx, {0, 0, 75, 23}, L"Go", cxbsNormal, false, clWhite, clBlack, false, false);
    painter->PaintButtonCell(&pressed.Cx, {0, 0, 75, 23}, L"Go", cxbsPressed, false, clWhite, clBlack, false, false);
    auto text = [](const vamire_test::Capture& c) {
      std::vector<std::pair<int, int>> p;
      for (int y = 0; y < c.Height; ++y)
        for (int x = 0; x < c.Width; ++x)
          if (c.At(x, y) == 0u) p.emplace_back(x, y);
      return p;
    };
    auto moved = text(normal.Cap());
    ASSERT_FALSE(moved.empty());
    for (auto& [x, y] : moved) x += 1, y += 1;
    EXPECT_EQ(text(pressed.Cap()), moved);
  }
}

}  // namespace
