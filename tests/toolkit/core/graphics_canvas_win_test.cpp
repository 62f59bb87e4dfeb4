// The canvas wrapper on the pixels of memory DCs: the saved-state and clip
// stacks, fills and frames, text and rotation, and the shared canvases.
#include <gtest/gtest.h>

#include <stdexcept>

#include "graphics_win_test_support.h"

using core_graphics_test::CanvasSurface;
using core_graphics_test::ExpectedMask;
using core_graphics_test::InRect;
using core_graphics_test::Rgb;
using core_graphics_test::UseCrispFont;

namespace {

// The depth of saved DC states: SaveDC answers the new depth.
int SaveDepth(HDC dc) {
  const int depth = SaveDC(dc);
  RestoreDC(dc, -1);
  return depth - 1;
}

TRect ClipBox(HDC dc) {
  TRect r;
  GetClipBox(dc, AsRect(r));
  return r;
}

TEST(CanvasTextFlagsTest, EachLibraryFlagGivesItsDrawTextFlag) {
  struct TCase {
    TcxTextFlags flags;
    unsigned format;
  };
  const TCase cases[] = {
      {cxAlignLeft, DT_LEFT},         {cxAlignRight, DT_RIGHT},       {cxAlignHCenter, DT_CENTER},
      {cxAlignTop, DT_TOP},           {cxAlignBottom, DT_BOTTOM},     {cxAlignVCenter, DT_VCENTER},
      {cxSingleLine, DT_SINGLELINE},  {cxDontClip, DT_NOCLIP},        {cxExpandTabs, DT_EXPANDTABS},
      {cxShowEndEllipsis, DT_END_ELLIPSIS}, {cxCalcRect, DT_CALCRECT}, {cxShowPathEllipsis, DT_PATH_ELLIPSIS},
      {cxWordBreak, DT_WORDBREAK | DT_EDITCONTROL},
      {cxWordBreak | cxDontBreakChars | cxNoFullWidthCharBreak, DT_WORDBREAK | DT_NOFULLWIDTHCHARBREAK},
  };
  for (const TCase& c : cases) EXPECT_EQ(TextFlagsToDrawTextFlags(c.flags), c.format | DT_NOPREFIX) << c.flags;
  EXPECT_EQ(TextFlagsToDrawTextFlags(cxShowPrefix | cxSingleLine), unsigned(DT_SINGLELINE));
}

// --- Clip and state stacks ----------------------------------------------------------------

TEST(CanvasClipTest, NoClipRegionReadsAsTheLargeRectangleInLogicalCoordinates) {
  CanvasSurface s(20, 20);
  RECT box;
  auto region = s.Cx.CopyClipRegion(false);
  GetRgnBox(region->Handle(), &box);
  EXPECT_EQ(box.right, 30000);
  EXPECT_EQ(box.left, 0);
  s.Cx.SetWindowOrigin({5, 7});
  s.Cx.SetViewportOrigin({1, 1});
  region = s.Cx.CopyClipRegion(true);
  GetRgnBox(region->Handle(), &box);
  EXPECT_EQ(s.Cx.GetDeviceOrigin().X, -4);
  EXPECT_EQ(box.left, 4);
  EXPECT_EQ(box.top, 6);
  EXPECT_EQ(box.right, 30004);
}

TEST(CanvasClipTest, PopAfterAnOriginChangeRestoresTheSameLogicalArea) {
  CanvasSurface s(40, 40);
  s.Cx.IntersectClipRectangle({10, 10, 20, 25});
  s.Cx.PushClipRegion();
  s.Cx.IntersectClipRectangle({12, 12, 14, 14});
  s.Cx.SetWindowOrigin({-5, -3});  // logical x lands at device x + 5
  s.Cx.PopClipRegion();
  s.Cx.FillRect({0, 0, 40, 40}, clRed);
  // The logical area 10..20 x 10..25 shows on the device moved by the new origin.
  EXPECT_EQ(s.Mask(clWhite), ExpectedMask(40, 40, [](int x, int y) { return InRect(x, y, {15, 13, 25, 28}); }));
}

TEST(CanvasClipTest, NestedPushesUnwindInOrder) {
  CanvasSurface s(30, 30);
  s.Cx.IntersectClipRectangle({2, 2, 28, 28});
  const TRect boxes[] = {{4, 4, 26, 26}, {6, 6, 20, 20}, {8, 8, 12, 12}};
  for (const TRect& b : boxes) {
    s.Cx.PushClipRegion();
    s.Cx.IntersectClipRectangle(b);
  }
  EXPECT_EQ(ClipBox(s.Dc), (TRect{8, 8, 12, 12}));
  EXPECT_EQ(ClipBox(s.Dc), boxes[2]);
  EXPECT_EQ((s.Cx.PopClipRegion(), ClipBox(s.Dc)), boxes[1]);
  EXPECT_EQ((s.Cx.PopClipRegion(), ClipBox(s.Dc)), boxes[0]);
  EXPECT_EQ((s.Cx.PopClipRegion(), ClipBox(s.Dc)), (TRect{2, 2, 28, 28}));
  s.Cx.PopClipRegion();  // nothing left: nothing happens
  EXPECT_EQ(ClipBox(s.Dc), (TRect{2, 2, 28, 28}));
}

TEST(CanvasClipTest, SetClipRegionModesAgainstPixelMasks) {
  const TRect a{2, 2, 10, 10}, b{6, 6, 14, 14};
  struct TCase {
    TcxRegionCombineMode mode;
    std::function<bool(int, int)> inside;
  };
  const TCase cases[] = {
      {roSet, [&](int x, int y) { return InRect(x, y, b); }},
      {roAdd, [&](int x, int y) { return InRect(x, y, a) || InRect(x, y, b); }},
      {roSubtract, [&](int x, int y) { return InRect(x, y, a) && !InRect(x, y, b); }},
      {roIntersect, [&](int x, int y) { return InRect(x, y, a) && InRect(x, y, b); }},
  };
  for (const TCase& c : cases) {
    CanvasSurface s(16, 16);
    s.Cx.SetWindowOrigin({-1, 0});  // regions are given in logical coordinates
    s.Cx.IntersectClipRectangle(a);
    TcxRegion* kept = new TcxRegion(b);
    s.Cx.SetClipRegion(kept, c.mode, false, true);
    // A region the canvas did not take comes back unchanged.
    EXPECT_TRUE(kept->EqualsRegion(std::make_unique<TcxRegion>(b).get())) << c.mode;
    delete kept;
    s.Cx.FillRect({-5, -5, 30, 30}, clBlack);
    EXPECT_EQ(s.Mask(clWhite), ExpectedMask(16, 16, [&](int x, int y) { return c.inside(x - 1, y); })) << c.mode;
  }
}

TEST(CanvasStateTest, PushAndPopStateBringBackObjectsOriginAndClip) {
  CanvasSurface s(20, 20);
  s.Cx.Font()->SetColor(clRed);
  s.Cx.Brush()->SetColor(clLime);
  s.Cx.Pen()->SetWidth(3);
  const int depth = SaveDepth(s.Dc);
  s.Cx.PushState();
  s.Cx.PushState();
  s.Cx.Font()->SetColor(clBlue);
  s.Cx.Brush()->SetStyle(bsClear);
  s.Cx.Pen()->SetWidth(1);
  s.Cx.SetWindowOrigin({3, 3});
  s.Cx.IntersectClipRectangle({5, 5, 6, 6});
  s.Cx.PopState();
  s.Cx.PopState();
  s.Cx.PopState();  // one too many: nothing
  EXPECT_EQ(s.Cx.Font()->Color(), clRed);
  EXPECT_EQ(s.Cx.Brush()->Color(), clLime);
  EXPECT_EQ(s.Cx.Brush()->Style(), bsSolid);
  EXPECT_EQ(s.Cx.Pen()->Width(), 3);
  EXPECT_EQ(s.Cx.GetWindowOrigin().X, 0);
  EXPECT_EQ(ClipBox(s.Dc), (TRect{0, 0, 20, 20}));
  EXPECT_EQ(SaveDepth(s.Dc), depth);
  EXPECT_EQ(s.Canvas.LockCount(), 0);
}

TEST(CanvasStateTest, DeviceStatesHoldTheCanvasLockUntilRestored) {
  CanvasSurface s(10, 10);
  s.Cx.SaveDeviceState();
  s.Cx.SaveDeviceState();
  EXPECT_EQ(s.Canvas.LockCount(), 2);
  s.Cx.SetViewportOrigin({4, 4});
  s.Cx.RestoreDeviceState();
  EXPECT_EQ(s.Canvas.LockCount(), 1);
  s.Cx.RestoreDeviceState();
  s.Cx.RestoreDeviceState();
  EXPECT_EQ(s.Canvas.LockCount(), 0);
  EXPECT_EQ(s.Cx.GetViewportOrigin().X, 0);
}

// A graphic that fails while it draws.
class TFailingGraphic : public TBitmap {
 public:
  TFailingGraphic() { SetSize(4, 4); }
  void Draw(TCanvas*, const TRect&) override { throw Exception(L"drawing failed"); }
};

TEST(CanvasStateTest, StacksBalanceAfterAnExceptionThrownWhileDrawing) {
  CanvasSurface s(20, 20);
  s.Cx.IntersectClipRectangle({1, 1, 19, 19});
  s.Cx.Font()->SetColor(clMaroon);
  const int depth = SaveDepth(s.Dc);
  TFailingGraphic failing;
  // The callers' form: every push is undone by a pop, also when drawing raises.
  auto paint = [&] {
    s.Cx.PushState();
    s.Cx.PushClipRegion();
    try {
      s.Cx.SetWindowOrigin({-2, -2});
      s.Cx.IntersectClipRectangle({3, 3, 4, 4});
      s.Cx.Font()->SetColor(clYellow);
      s.Cx.DrawGraphic(0, 0, &failing);
    } catch (...) {
      s.Cx.PopClipRegion();
      s.Cx.PopState();
      throw;
    }
  };
  EXPECT_THROW(paint(), Exception);
  EXPECT_EQ(SaveDepth(s.Dc), depth);
  EXPECT_EQ(s.Canvas.LockCount(), 0);
  EXPECT_EQ(s.Cx.GetWindowOrigin().X, 0);
  EXPECT_EQ(ClipBox(s.Dc), (TRect{1, 1, 19, 19}));
  EXPECT_EQ(s.Cx.Font()->Color(), clMaroon);
  s.Cx.FillRect({0, 0, 20, 20}, clBlack);
  EXPECT_EQ(s.Mask(clWhite), ExpectedMask(20, 20, [](int x, int y) { return InRect(x, y, {1, 1, 19, 19}); }));
}

TEST(CanvasStateTest, PushStateKeepsAFontAssignedButNotYetSelected) {
  CanvasSurface s(10, 10);
  s.Cx.Font()->SetName(L"Courier New");
  s.Cx.Font()->SetHeight(-20);
  s.Cx.PushState();
  EXPECT_EQ(s.Cx.Font()->Name(), L"Courier New");
  EXPECT_EQ(s.Cx.Font()->Height(), -20);
  s.Cx.PopState();
  EXPECT_EQ(s.Cx.Font()->Height(), -20);
}

TEST(CanvasStateTest, TextAfterARestoreTakesTheCanvasColourNotTheRestoredOne) {
  CanvasSurface s(60, 20);
  UseCrispFont(s.Cx.Font());
  s.Cx.Font()->SetColor(clBlack);
  s.Cx.Brush()->SetStyle(bsClear);
  s.Cx.SaveDeviceState();
  s.Cx.Font()->SetColor(clRed);
  s.Cx.DrawText(L"X", {0, 0, 20, 20}, cxSingleLine);
  s.Cx.RestoreDeviceState();
  s.Cx.DrawText(L"X", {30, 0, 50, 20}, cxSingleLine);
  vamire_test::Capture cap = s.Cap();
  int red = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 30; x < 50; ++x) red += cap.At(x, y) == Rgb(clRed);
  EXPECT_GT(red, 5);
}

TEST(CanvasStateTest, ObjectsAreTakenFromTheDC) {
  CanvasSurface s(10, 10);
  LOGFONTW lf{};
  lf.lfHeight = -17;
  std::wcscpy(lf.lfFaceName, L"Courier New");
  HFONT font = CreateFontIndirectW(&lf);
  HBRUSH brush = CreateHatchBrush(HS_DIAGCROSS, RGB(1, 2, 3));
  HPEN pen = CreatePen(PS_DOT, 1, RGB(4, 5, 6));
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ oldFont = SelectObject(dc, font), oldBrush = SelectObject(dc, brush), oldPen = SelectObject(dc, pen);
  SetTextColor(dc, RGB(7, 8, 9));
  SetROP2(dc, R2_XORPEN);
  s.Cx.TakeObjectsFromDC(dc);
  EXPECT_EQ(s.Cx.Font()->Name(), L"Courier New");
  EXPECT_EQ(s.Cx.Font()->Height(), -17);
  EXPECT_EQ(s.Cx.Font()->Color(), TColor(RGB(7, 8, 9)));
  EXPECT_EQ(s.Cx.Brush()->Style(), bsDiagCross);
  EXPECT_EQ(s.Cx.Brush()->Color(), TColor(RGB(1, 2, 3)));
  EXPECT_EQ(s.Cx.Pen()->Style(), psDot);
  EXPECT_EQ(s.Cx.Pen()->Color(), TColor(RGB(4, 5, 6)));
  EXPECT_EQ(s.Cx.Pen()->Mode(), pmXor);
  SelectObject(dc, oldFont);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteDC(dc);
  DeleteObject(font);
  DeleteObject(brush);
  DeleteObject(pen);
}

// --- Fills and frames ---------------------------------------------------------------------

TEST(CanvasFillTest, NoColourChangesNoPixel) {
  CanvasSurface s(20, 20);
  s.Cx.Brush()->SetColor(clLime);
  TcxViewStyleParams params;
  params.Color = clNone;
  s.Cx.FillRect({0, 0, 20, 20}, clNone);
  s.Cx.FrameRectBorders({0, 0, 20, 20}, clNone, 3, cxBordersAll, true);
  s.Cx.DrawTwoColorFrame({2, 2, 18, 18}, clNone, clNone, cxBordersAll, 2);
  s.Cx.FillRectWithBorders({4, 4, 16, 16}, params, cxBordersAll, clNone, 2, true);
  s.Cx.SetPixel(5, 5, clNone);
  EXPECT_EQ(s.Cap().CountNot(Rgb(clWhite)), 0u);
  EXPECT_EQ(s.Cx.Brush()->Color(), clLime);
  // Nothing was excluded either: a later fill still reaches everywhere.
  s.Cx.FillRect({0, 0, 20, 20}, clDefault);
  EXPECT_EQ(s.Cap().CountNot(Rgb(clLime)), 0u);
}

TEST(CanvasFillTest, AColourKeepsAPatternBrushItsBitmap) {
  TBitmap pattern;
  pattern.SetSize(8, 8);
  pattern.Canvas()->Brush()->SetColor(clWhite);
  pattern.Canvas()->FillRect({0, 0, 8, 8});
  pattern.Canvas()->SetPixels(0, 0, clBlack);
  CanvasSurface s(8, 8);
  s.Cx.Brush()->SetBitmap(&pattern);
  s.Cx.FillRect({0, 0, 8, 8}, clRed);
  EXPECT_EQ(s.Cx.Brush()->Color(), clRed);
  EXPECT_EQ(s.Cap().At(0, 0), Rgb(clBlack));
  EXPECT_EQ(s.Cap().At(1, 1), Rgb(clWhite));
  s.Cx.Brush()->SetBitmap(nullptr);
}

// A colour changes a hatched brush's colour, not its hatch: the fill is the
// one the runtime canvas draws with that brush.
TEST(CanvasFillTest, AColourKeepsAHatchedBrushItsHatch) {
  CanvasSurface ours(16, 16), plain(16, 16);
  for (CanvasSurface* s : {&ours, &plain}) s->Cx.Brush()->SetStyle(bsCross);
  ours.Cx.FillRect({0, 0, 16, 16}, clRed);
  ours.Cx.FrameRectBorders({0, 0, 16, 16}, clRed, 3, cxBordersAll);
  plain.Canvas.Brush()->SetColor(clRed);
  plain.Canvas.FillRect({0, 0, 16, 16});
  EXPECT_EQ(ours.Cx.Brush()->Style(), bsCross);
  const vamire_test::Capture a = ours.Cap(), b = plain.Cap();
  EXPECT_EQ(a.Pixels, b.Pixels);
  EXPECT_GT(a.CountNot(Rgb(clRed)), 0u) << "filled solid";
  EXPECT_LT(a.CountNot(Rgb(clRed)), 16u * 16u) << "no hatch drawn";
}

TEST(CanvasFillTest, FramesStayInsideAndExcludeWhatTheyDrew) {
  CanvasSurface s(12, 12);
  s.Cx.FrameRectBorders({2, 2, 6, 5}, clBlack, 10);  // wider than the rectangle
  EXPECT_EQ(s.Mask(clWhite), ExpectedMask(12, 12, [](int x, int y) { return InRect(x, y, {2, 2, 6, 5}); }));
  CanvasSurface t(12, 12);
  t.Cx.FrameRectBorders({1, 1, 11, 11}, clBlack, 2, TcxBorders{bLeft, bBottom}, true);
  t.Cx.FillRect({0, 0, 12, 12}, clRed);  // the frame's bands are kept from this
  vamire_test::Capture cap = t.Cap();
  EXPECT_EQ(cap.At(1, 5), Rgb(clBlack));
  EXPECT_EQ(cap.At(5, 10), Rgb(clBlack));
  EXPECT_EQ(cap.At(5, 5), Rgb(clRed));
  EXPECT_EQ(cap.At(10, 1), Rgb(clRed));
}

TEST(CanvasFillTest, BordersAndBackgroundOfAStyledArea) {
  CanvasSurface s(10, 10);
  TcxViewStyleParams params;
  params.Color = clBlue;
  s.Cx.FillRectWithBorders({1, 1, 9, 9}, params, TcxBorders{bTop}, clRed, 2);
  vamire_test::Capture cap = s.Cap();
  EXPECT_EQ(cap.At(4, 1), Rgb(clRed));
  EXPECT_EQ(cap.At(4, 2), Rgb(clRed));
  EXPECT_EQ(cap.At(4, 3), Rgb(clBlue));
  EXPECT_EQ(cap.At(1, 8), Rgb(clBlue));
  EXPECT_EQ(cap.At(0, 8), Rgb(clWhite));
}

TEST(CanvasFillTest, TiledBitmapLinesUpWithTheLogicalOrigin) {
  // A 4 x 4 tile whose top-left pixel alone is black.
  TBitmap tile;
  tile.SetPixelFormat(pf32bit);
  tile.SetSize(4, 4);
  tile.Canvas()->Brush()->SetColor(clWhite);
  tile.Canvas()->FillRect({0, 0, 4, 4});
  tile.Canvas()->SetPixels(0, 0, clBlack);
  CanvasSurface s(16, 12);
  s.Cx.SetWindowOrigin({-2, -1});  // logical -2 .. 14 shows
  s.Cx.FillRectWithBitmap({-2, -1, 8, 8}, &tile, true);
  s.Cx.FillRect({-10, -10, 30, 30}, clRed);  // R was excluded
  vamire_test::Capture cap = s.Cap();
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 16; ++x) {
      const int lx = x - 2, ly = y - 1;
      const bool inside = lx < 8 && ly < 8;
      const bool corner = lx % 4 == 0 && ly % 4 == 0;
      const std::uint32_t want = !inside ? Rgb(clRed) : corner ? Rgb(clBlack) : Rgb(clWhite);
      ASSERT_EQ(cap.At(x, y), want) << lx << ", " << ly;
    }
}

TEST(CanvasFillTest, EdgesFrameWithTheSystemColours) {
  struct TCase {
    bool sunken, outer;
    TColor leftTop, rightBottom;
  };
  const TCase cases[] = {{true, true, clBtnShadow, clBtnHighlight},
                         {true, false, cl3DDkShadow, cl3DLight},
                         {false, true, cl3DLight, cl3DDkShadow},
                         {false, false, clBtnHighlight, clBtnShadow}};
  for (const TCase& c : cases) {
    CanvasSurface s(10, 10);
    s.Fill(clBlue);
    s.Cx.Draw3DEdge({1, 1, 9, 9}, c.sunken, c.outer);
    vamire_test::Capture cap = s.Cap();
    EXPECT_EQ(cap.At(1, 5), Rgb(c.leftTop));
    EXPECT_EQ(cap.At(5, 1), Rgb(c.leftTop));
    EXPECT_EQ(cap.At(8, 5), Rgb(c.rightBottom));
    EXPECT_EQ(cap.At(5, 8), Rgb(c.rightBottom));
    EXPECT_EQ(cap.At(5, 5), Rgb(clBlue));
  }
}

TEST(CanvasFillTest, InvertTwiceAndFocusTwiceLeaveThePixels) {
  CanvasSurface s(10, 10);
  s.Cx.FillRect({2, 2, 6, 6}, clRed);
  const vamire_test::Capture before = s.Cap();
  s.Cx.InvertRect({0, 0, 5, 5});
  EXPECT_EQ(s.Cap().At(1, 1), 0u);
  EXPECT_EQ(s.Cap().At(3, 3), Rgb(TColor(0xFFFF00)));
  EXPECT_EQ(s.Cx.GetCopyMode(), cmSrcCopy);
  s.Cx.InvertRect({0, 0, 5, 5});
  s.Cx.Font()->SetColor(clRed);
  s.Cx.DrawFocusRect({1, 1, 9, 9});
  EXPECT_NE(s.Cap().Pixels, before.Pixels);
  s.Cx.DrawFocusRect({1, 1, 9, 9});
  EXPECT_EQ(s.Cap().Pixels, before.Pixels);
}

// --- Text ---------------------------------------------------------------------------------

// The rightmost column holding a pixel of the colour, -1 when none.
int RightmostOf(const vamire_test::Capture& cap, std::uint32_t color) {
  for (int x = cap.Width - 1; x >= 0; --x)
    for (int y = 0; y < cap.Height; ++y)
      if (cap.At(x, y) == color) return x;
  return -1;
}

TEST(CanvasTextTest, DisabledRightAlignedTextEndsOnePixelFurtherLeft) {
  const TRect r{0, 0, 80, 20};
  CanvasSurface enabled(80, 20), disabled(80, 20);
  for (CanvasSurface* s : {&enabled, &disabled}) {
    s->Fill(clBlue);
    UseCrispFont(s->Cx.Font());
    s->Cx.Font()->SetColor(clBlack);
    s->Cx.Brush()->SetStyle(bsClear);
  }
  enabled.Cx.DrawText(L"Wall", r, cxSingleLine | cxAlignRight);
  disabled.Cx.DrawText(L"Wall", r, cxSingleLine | cxAlignRight, false);
  const int ink = RightmostOf(enabled.Cap(), Rgb(clBlack));
  ASSERT_GT(ink, 60);
  EXPECT_EQ(RightmostOf(disabled.Cap(), Rgb(clBtnHighlight)), ink);
  EXPECT_EQ(RightmostOf(disabled.Cap(), Rgb(clBtnShadow)), ink - 1);
  // The brush style and font colour come back after the two passes.
  EXPECT_EQ(disabled.Cx.Font()->Color(), clBlack);
  EXPECT_EQ(disabled.Cx.Brush()->Style(), bsClear);
  disabled.Save(L"core_canvas_disabled_text");
}

TEST(CanvasTextTest, EmptyTextDrawsNothingAndChangesNothing) {
  CanvasSurface s(20, 20);
  s.Cx.Brush()->SetColor(clLime);
  s.Cx.Font()->SetColor(clRed);
  s.Cx.DrawText(L"", {0, 0, 20, 20}, cxSingleLine, false);
  EXPECT_EQ(s.Cap().CountNot(Rgb(clWhite)), 0u);
  EXPECT_EQ(s.Cx.Brush()->Style(), bsSolid);
  EXPECT_EQ(s.Cx.Font()->Color(), clRed);
}

TEST(CanvasTextTest, TextOutAndDrawTextPathsPlaceTextAlike) {
  CanvasSurface probe(1, 1);
  UseCrispFont(probe.Cx.Font());
  const int h = probe.Cx.MeasureTextHeight(L"Panel 12");
  // The text-out path centres vertically at (top + bottom - height) div 2 itself.
  const int centredTop = (24 - h) / 2;
  struct TCase {
    TcxTextFlags align;
    TRect throughRect;
    TcxTextFlags throughAlign;
  };
  const TCase cases[] = {
      {cxAlignLeft | cxAlignTop, {0, 0, 90, 24}, cxAlignLeft | cxAlignTop},
      {cxAlignRight | cxAlignBottom, {0, 0, 90, 24}, cxAlignRight | cxAlignBottom},
      {cxAlignHCenter | cxAlignVCenter, {0, centredTop, 90, centredTop + h}, cxAlignHCenter | cxAlignTop},
  };
  for (const TCase& c : cases) {
    CanvasSurface direct(90, 24), through(90, 24);
    for (CanvasSurface* s : {&direct, &through}) {
      UseCrispFont(s->Cx.Font());
      s->Cx.Brush()->SetStyle(bsClear);
    }
    direct.Cx.DrawText(L"Panel 12", {0, 0, 90, 24}, c.align | cxSingleLine);
    // Prefix handling sends the same text through DrawText.
    through.Cx.DrawText(L"Panel 12", c.throughRect, c.throughAlign | cxSingleLine | cxShowPrefix);
    EXPECT_EQ(direct.Cap().Pixels, through.Cap().Pixels) << c.align;
    EXPECT_GT(direct.Cap().CountNot(Rgb(clWhite)), 10u);
  }
}

TEST(CanvasTextTest, TurnedTextIsLevelTextTurned) {
  CanvasSurface turned(24, 90), level(90, 24);
  for (CanvasSurface* s : {&turned, &level}) {
    s->Fill(clYellow);
    UseCrispFont(s->Cx.Font());
    s->Cx.Font()->SetColor(clNavy);
  }
  turned.Cx.DrawText(L"Signal", {0, 0, 24, 90}, cxSingleLine | cxAlignHCenter | cxAlignVCenter, true, raMinus90);
  level.Cx.DrawText(L"Signal", {0, 0, 90, 24}, cxSingleLine | cxAlignHCenter | cxAlignVCenter | cxShowPrefix);
  TcxBitmap back(24, 90, pf32bit);
  BitBltRect(back.Canvas()->Handle(), turned.Dc, back.GetClientRect(), SRCCOPY, {0, 0});
  back.Rotate(raPlus90);
  ASSERT_EQ(back.Width(), 90);
  vamire_test::Capture a = vamire_test::CaptureDC(back.Canvas()->Handle(), 0, 0, 90, 24), b = level.Cap();
  EXPECT_EQ(a.Pixels, b.Pixels);
  EXPECT_GT(b.CountNot(Rgb(clYellow)), 10u);
  turned.Save(L"core_canvas_turned_text");
}

TEST(CanvasTextTest, CalcTextRectPlacesTheNeededRectangle) {
  CanvasSurface s(10, 10);
  UseCrispFont(s.Cx.Font());
  const TSize size = s.Cx.MeasureText(L"Matrix");
  ASSERT_GT(size.cx, 0);
  EXPECT_EQ(s.Cx.MeasureTextWidth(L"Matrix"), size.cx);
  EXPECT_EQ(s.Cx.MeasureTextHeight(L"Matrix"), size.cy);
  TRect r{10, 10, 210, 110};
  s.Cx.CalcTextRect(L"Matrix", r, cxSingleLine | cxAlignHCenter | cxAlignBottom);
  EXPECT_EQ(r.Right - r.Left, size.cx);
  EXPECT_EQ(r.Left, 10 + (200 - size.cx) / 2);
  EXPECT_EQ(r.Bottom, 110);
  TRect zero{5, 5, 5, 5};
  s.Cx.CalcTextRect(L"Matrix", zero, cxSingleLine);
  EXPECT_EQ(zero.Right - zero.Left, size.cx) << "a rectangle without width still measures";
}

TEST(CanvasTextTest, MultiLineTextPlacedAtTheBottomOrCentre) {
  CanvasSurface s(10, 10);
  UseCrispFont(s.Cx.Font());
  const int line = s.Cx.MeasureTextHeight(L"Wg");
  TRect bottom{0, 0, 100, 100};
  s.Cx.PlaceTextRectVertically(bottom, L"one\ntwo", tvpBottom, false, false, true, false, false);
  EXPECT_EQ(bottom.Top, 100 - 2 * line);
  TRect centre{0, 0, 100, 100};
  s.Cx.PlaceTextRectVertically(centre, L"one\ntwo", tvpCenter, false, false, false, false, false);
  EXPECT_EQ(centre.Top, (100 - 2 * line) / 2);
  TRect ellipsis{0, 0, 100, 3 * line + 5};
  s.Cx.PlaceTextRectVertically(ellipsis, L"a b c d e f", tvpBottom, true, false, false, false, true);
  EXPECT_EQ(ellipsis.Top, 3 * line + 5 - 1 - 3 * line);
}

TEST(CanvasTextTest, FontAngleTurnsTheEscapement) {
  CanvasSurface s(10, 10);
  s.Cx.SetFontAngle(90);
  LOGFONTW lf;
  ASSERT_TRUE(GetFontObjectData(s.Cx.Font()->Handle(), lf));
  EXPECT_EQ(lf.lfEscapement, 900);
  EXPECT_EQ(lf.lfOutPrecision, OUT_TT_ONLY_PRECIS);
}

// --- Rotation and copying ------------------------------------------------------------------

TEST(CanvasBitmapTest, RotatingBackGivesThePixelsItStartedFrom) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf32bit);
  bitmap.SetSize(5, 3);
  TRGBColors pixels(15);
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = {std::uint8_t(i * 10), 1, 2, 255};
  ASSERT_TRUE(PutBitmapColors(&bitmap, pixels, true));
  CanvasSurface s(1, 1);
  s.Cx.RotateBitmap(&bitmap, raMinus90);
  EXPECT_EQ(bitmap.Width(), 3);
  EXPECT_EQ(bitmap.Height(), 5);
  TRGBColors turned;
  ASSERT_TRUE(GetBitmapColors(&bitmap, turned, true));
  EXPECT_EQ(turned[0].rgbBlue, 40);  // the top-right pixel is now top-left
  s.Cx.RotateBitmap(&bitmap, raPlus90);
  s.Cx.RotateBitmap(&bitmap, ra180);
  s.Cx.RotateBitmap(&bitmap, ra180);
  TRGBColors back;
  ASSERT_TRUE(GetBitmapColors(&bitmap, back, true));
  ASSERT_EQ(back.size(), pixels.size());
  EXPECT_EQ(std::memcmp(back.data(), pixels.data(), pixels.size() * 4), 0);
}

TEST(CanvasBitmapTest, CopyRectangleAndDrawGraphic) {
  CanvasSurface from(8, 8), to(8, 8);
  from.Cx.FillRect({0, 0, 4, 4}, clRed);
  to.Cx.CopyRectangle({4, 4, 8, 8}, &from.Canvas, {0, 0, 4, 4});
  EXPECT_EQ(to.Cap().At(5, 5), Rgb(clRed));
  EXPECT_EQ(to.Cap().At(3, 3), Rgb(clWhite));
  TBitmap blue;
  blue.SetSize(2, 2);
  blue.Canvas()->Brush()->SetColor(clBlue);
  blue.Canvas()->FillRect({0, 0, 2, 2});
  to.Cx.DrawGraphic(1, 1, &blue);
  EXPECT_EQ(to.Cap().At(2, 2), Rgb(clBlue));
}

// --- Shared canvases ------------------------------------------------------------------------

TEST(PaintCanvasTest, NestedPaintsOnDCsGiveTheDCBackAsItWas) {
  CanvasSurface s(20, 20);
  HDC dc = s.Dc;
  s.Canvas.SetHandle(nullptr);
  SetTextColor(dc, RGB(1, 2, 3));
  HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
  const int depth = SaveDepth(dc);
  TcxPaintCanvas* paint = GetPaintCanvas();
  ASSERT_NE(paint, nullptr);
  paint->BeginPaintOnDC(dc);
  EXPECT_EQ(paint->Font()->Color(), TColor(RGB(1, 2, 3)));
  paint->FillRect({0, 0, 5, 5}, clRed);
  paint->BeginPaintOnDC(dc);
  paint->Font()->SetColor(clBlue);
  paint->DrawText(L"a", {0, 0, 20, 20}, cxSingleLine);
  paint->SetWindowOrigin({2, 2});
  paint->EndPaint();
  EXPECT_EQ(paint->Font()->Color(), TColor(RGB(1, 2, 3)));
  EXPECT_EQ(paint->GetWindowOrigin().X, 0);
  paint->EndPaint();
  paint->EndPaint();  // nothing begun: nothing happens
  EXPECT_EQ(SaveDepth(dc), depth);
  EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
  s.Canvas.SetHandle(dc);
  EXPECT_EQ(s.Cap().At(1, 1), Rgb(clRed));
}

TEST(PaintCanvasTest, PaintOverACanvasWrapsItAndGivesItBack) {
  CanvasSurface outer(10, 10), inner(10, 10);
  TcxPaintCanvas* paint = GetPaintCanvas();
  paint->BeginPaint(&outer.Canvas);
  paint->BeginPaint(&inner.Canvas);
  EXPECT_EQ(paint->Canvas(), &inner.Canvas);
  paint->FillRect({0, 0, 10, 10}, clGreen);
  paint->EndPaint();
  EXPECT_EQ(paint->Canvas(), &outer.Canvas);
  paint->EndPaint();
  EXPECT_EQ(paint->Canvas(), nullptr);
  EXPECT_EQ(inner.Cap().At(4, 4), Rgb(clGreen));
  EXPECT_EQ(inner.Canvas.LockCount(), 0);
}

TEST(ScreenCanvasTest, MeasuresOnTheScreenAndGivesTheDCBack) {
  TcxScreenCanvas* screen = GetScreenCanvas();
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(GetScreenCanvas(), screen);
  EXPECT_GT(screen->MeasureTextWidth(L"Quellor"), 0);
  EXPECT_TRUE(screen->Canvas()->HandleAllocated());
  screen->ReleaseHandle();
  EXPECT_FALSE(screen->Canvas()->HandleAllocated());
}

// The core operations under the one name each that other units call them by.
TEST(CanvasNamesTest, CanonicalOperationsAsCallersUseThem) {
  CanvasSurface s(10, 10);
  TcxCanvas* canvas = &s.Cx;
  canvas->SaveDeviceState();
  canvas->ExcludeClipRectangle({0, 0, 2, 2});
  canvas->IntersectClipRectangle({0, 0, 8, 8});
  EXPECT_GT(canvas->MeasureTextWidth(L"0"), 0);
  TBitmap glyph;
  glyph.SetSize(1, 1);
  canvas->DrawGraphic(0, 0, &glyph);
  canvas->CopyRectangle({0, 0, 1, 1}, canvas->Canvas(), {1, 1, 2, 2});
  canvas->RestoreDeviceState();
  TcxRegion region(0, 0, 2, 2);
  region.Shift(3, 3);
  EXPECT_TRUE(region.PtInRegionXY(3, 3));
}

}  // namespace
