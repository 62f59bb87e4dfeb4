// Fonts, brushes, pens and the canvas, checked on the pixels of a memory DC.
#include <gtest/gtest.h>

#include <thread>

#include "Graphics.h"
#include "graphics_test_support.h"

using graphics_test::Rgb;
using graphics_test::Surface;

namespace {

struct ChangeCounter {
  int count = 0;
  void Changed(TObject*) { ++count; }
};

TEST(GraphicsObjectsTest, EqualFontsShareOneHandleThatGoesWithTheLastUser) {
  HFONT shared;
  {
    TFont a, b;
    a.SetName(L"Arial");
    b.SetName(L"Arial");
    shared = a.Handle();
    EXPECT_EQ(b.Handle(), shared);
    b.SetStyle(TFontStyles{fsBold});
    EXPECT_NE(b.Handle(), shared);
    EXPECT_EQ(a.Handle(), shared);
    LOGFONTW lf{};
    ASSERT_EQ(GetObjectW(b.Handle(), sizeof lf, &lf), int(sizeof lf));
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_STREQ(lf.lfFaceName, L"Arial");
  }
  EXPECT_EQ(GetObjectType(shared), 0u) << "the shared font handle outlived its last user";
}

TEST(GraphicsObjectsTest, FontSizeFollowsHeightAndPixelsPerInch) {
  TFont f;
  f.SetPixelsPerInch(96);
  f.SetSize(9);
  EXPECT_EQ(f.Height(), -12);
  f.SetHeight(-16);
  EXPECT_EQ(f.Size(), 12);
  TFont g;
  g.SetPixelsPerInch(120);
  g.Assign(&f);
  EXPECT_EQ(g.Size(), 12) << "a font of another resolution keeps the point size";
  EXPECT_EQ(g.Height(), -20);
}

TEST(GraphicsObjectsTest, ChangesNotifyOnceAndUnchangedValuesNotAtAll) {
  ChangeCounter counter;
  TFont f;
  f.OnChange = TNotifyEvent(&counter, &ChangeCounter::Changed);
  f.SetName(L"Tahoma");
  f.SetName(L"Tahoma");
  f.SetColor(clRed);
  f.SetColor(clRed);
  EXPECT_EQ(counter.count, 2);
  TFont other;
  other.SetName(L"Tahoma");
  other.SetColor(clBlue);
  f.Assign(&other);
  EXPECT_EQ(counter.count, 3);
  EXPECT_EQ(f.Color(), clBlue);
}

TEST(GraphicsObjectsTest, FontHandleGivenIsKeptAndItsValuesReadBack) {
  LOGFONTW lf{};
  lf.lfHeight = -20;
  lf.lfWeight = FW_BOLD;
  lf.lfItalic = TRUE;
  lf.lfCharSet = GB2312_CHARSET;
  wcscpy(lf.lfFaceName, L"Courier New");
  HFONT h = CreateFontIndirectW(&lf);
  TFont f;
  f.SetHandle(h);
  EXPECT_EQ(f.Handle(), h);
  EXPECT_EQ(f.Name(), L"Courier New");
  EXPECT_EQ(f.Height(), -20);
  EXPECT_EQ(f.Style(), (TFontStyles{fsBold, fsItalic}));
  EXPECT_EQ(f.Charset(), GB2312_CHARSET);
  TFont same;
  same.SetHandle(nullptr);
  same.SetName(L"Courier New");
  same.SetHeight(-20);
  EXPECT_NE(same.Handle(), h) << "a handle from outside is never shared by value";
}

TEST(GraphicsObjectsTest, BrushColourMakesAClearBrushSolidAndPenModesMapBothWays) {
  TBrush b;
  b.SetStyle(bsClear);
  b.SetColor(clRed);
  EXPECT_EQ(b.Style(), bsSolid);
  LOGBRUSH lb{};
  ASSERT_NE(GetObjectW(b.Handle(), sizeof lb, &lb), 0);
  EXPECT_EQ(lb.lbStyle, UINT(BS_SOLID));
  EXPECT_EQ(lb.lbColor, COLORREF(0x0000FF));
  b.SetStyle(bsDiagCross);
  ASSERT_NE(GetObjectW(b.Handle(), sizeof lb, &lb), 0);
  EXPECT_EQ(lb.lbStyle, UINT(BS_HATCHED));
  EXPECT_EQ(lb.lbHatch, ULONG_PTR(HS_DIAGCROSS));

  for (int m = pmBlack; m <= pmNotXor; ++m) {
    TPenMode back = pmCopy;
    ASSERT_TRUE(ROP2ToPenMode(PenModeToROP2(TPenMode(m)), back));
    EXPECT_EQ(back, TPenMode(m));
  }
  TPenMode none = pmCopy;
  EXPECT_FALSE(ROP2ToPenMode(0, none));
  EXPECT_EQ(PenModeToROP2(pmNotXor), R2_NOTXORPEN);
}

// The colours a test puts in force for the system's, by index.
TColor TestSysColor(int index) { return TColor(0x010203 * (index + 1)); }
TColor OtherSysColor(int index) { return TColor(0x030201 * (index + 1)); }

TEST(GraphicsObjectsTest, SystemColoursComeFromTheReaderAndNewBrushesFollowItsChanges) {
  const TSysColorReader previous = SetSysColorReader(&TestSysColor);
  EXPECT_EQ(ColorToRGB(clBtnFace), TestSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ColorToRGB(clRed), clRed);
  TBrush held;
  held.SetColor(clBtnFace);
  LOGBRUSH before{};
  GetObjectW(held.Handle(), sizeof before, &before);
  EXPECT_EQ(before.lbColor, COLORREF(TestSysColor(COLOR_BTNFACE)));
  // The system colours change while a brush of the old one is still in use.
  SetSysColorReader(&OtherSysColor);
  TBrush fresh;
  fresh.SetColor(clBtnFace);
  LOGBRUSH after{};
  GetObjectW(fresh.Handle(), sizeof after, &after);
  EXPECT_EQ(after.lbColor, COLORREF(OtherSysColor(COLOR_BTNFACE))) << "not the stale brush shared";
  EXPECT_EQ(SetSysColorReader(nullptr), &OtherSysColor);
  EXPECT_EQ(ColorToRGB(clBtnFace), TColor(GetSysColor(COLOR_BTNFACE))) << "null puts the system's back";
  SetSysColorReader(previous);
}

TEST(CanvasTest, WithoutAHandleDrawingRaises) {
  TCanvas canvas;
  try {
    canvas.FillRect(Rect(0, 0, 1, 1));
    ADD_FAILURE() << "no error";
  } catch (const EInvalidOperation& e) {
    EXPECT_EQ(e.Message(), L"Canvas does not allow drawing");
  }
}

TEST(CanvasTest, FillFrameAndRectangleCoverExactlyTheirPixels) {
  Surface s(20, 20);
  s.Canvas.Brush()->SetColor(clRed);
  s.Canvas.FillRect(Rect(2, 2, 6, 5));
  s.Canvas.Brush()->SetColor(clBlue);
  s.Canvas.FrameRect(Rect(8, 2, 14, 8));
  s.Canvas.Pen()->SetColor(clLime);
  s.Canvas.Brush()->SetColor(clYellow);
  s.Canvas.Rectangle(2, 10, 8, 16);
  auto c = s.Cap();
  struct Probe {
    int X, Y;
    TColor Color;
  } probes[] = {
      {2, 2, clRed},    {5, 4, clRed},     {6, 4, clWhite},   {5, 5, clWhite},   {1, 2, clWhite},
      {8, 2, clBlue},   {13, 7, clBlue},   {10, 2, clBlue},   {10, 4, clWhite},  {14, 2, clWhite},
      {2, 10, clLime},  {7, 15, clLime},   {4, 12, clYellow}, {8, 12, clWhite},  {4, 16, clWhite},
  };
  for (const auto& p : probes) EXPECT_EQ(c.At(p.X, p.Y), Rgb(p.Color)) << p.X << "," << p.Y;
}

TEST(CanvasTest, LinesMoveThePenAndStopBeforeTheirEnd) {
  Surface s(20, 20);
  s.Canvas.Pen()->SetColor(clBlack);
  s.Canvas.MoveTo(2, 5);
  s.Canvas.LineTo(10, 5);
  EXPECT_EQ(s.Canvas.PenPos(), Point(10, 5));
  TPoint zig[] = {{2, 10}, {6, 10}, {6, 15}};
  s.Canvas.Polyline(zig, 3);
  auto c = s.Cap();
  EXPECT_EQ(c.At(2, 5), 0u);
  EXPECT_EQ(c.At(9, 5), 0u);
  EXPECT_EQ(c.At(10, 5), 0xFFFFFFu);
  EXPECT_EQ(c.At(4, 10), 0u);
  EXPECT_EQ(c.At(6, 12), 0u);
  EXPECT_EQ(c.At(6, 15), 0xFFFFFFu);
}

TEST(CanvasTest, EveryPenModeCombinesPenAndBackgroundByItsRasterOperation) {
  const std::uint32_t P = 0x00F0CC33, B = 0x0055AA0F;  // COLORREF values
  struct Case {
    TPenMode Mode;
    std::uint32_t Result;
  } cases[] = {
      {pmBlack, 0},          {pmWhite, 0xFFFFFF},      {pmNop, B},             {pmNot, ~B},
      {pmCopy, P},           {pmNotCopy, ~P},          {pmMergePenNot, P | ~B}, {pmMaskPenNot, P & ~B},
      {pmMergeNotPen, ~P | B}, {pmMaskNotPen, ~P & B}, {pmMerge, P | B},       {pmNotMerge, ~(P | B)},
      {pmMask, P & B},       {pmNotMask, ~(P & B)},    {pmXor, P ^ B},         {pmNotXor, ~(P ^ B)},
  };
  Surface s(4, 32);
  s.Fill(TColor(B));
  s.Canvas.Pen()->SetColor(TColor(P));
  for (int i = 0; i < int(std::size(cases)); ++i) {
    s.Canvas.Pen()->SetMode(cases[i].Mode);
    s.Canvas.MoveTo(0, i);
    s.Canvas.LineTo(3, i);
  }
  auto c = s.Cap();
  for (int i = 0; i < int(std::size(cases)); ++i)
    EXPECT_EQ(c.At(1, i), Rgb(TColor(cases[i].Result & 0xFFFFFF))) << "mode " << cases[i].Mode;
}

TEST(CanvasTest, CopyModesCombineSourceAndDestination) {
  const std::uint32_t S = 0x00336699, D = 0x00F00F0F;
  struct Case {
    TCopyMode Mode;
    std::uint32_t Result;
  } cases[] = {
      {cmSrcCopy, S},      {cmSrcInvert, S ^ D},   {cmSrcAnd, S & D},      {cmSrcPaint, S | D},
      {cmNotSrcCopy, ~S},  {cmDstInvert, ~D},      {cmBlackness, 0},       {cmWhiteness, 0xFFFFFF},
  };
  Surface src(4, 4), dst(4, int(std::size(cases)));
  src.Fill(TColor(S));
  dst.Fill(TColor(D));
  for (int i = 0; i < int(std::size(cases)); ++i) {
    dst.Canvas.SetCopyMode(cases[i].Mode);
    dst.Canvas.CopyRect(Rect(0, i, 4, i + 1), &src.Canvas, Rect(0, 0, 4, 1));
  }
  auto c = dst.Cap();
  for (int i = 0; i < int(std::size(cases)); ++i)
    EXPECT_EQ(c.At(2, i), Rgb(TColor(cases[i].Result & 0xFFFFFF))) << "row " << i;
}

TEST(CanvasTest, TextIsDrawnInTheFontColourAndClippedByTextRect) {
  Surface s(120, 60);
  s.Canvas.Font()->SetName(L"Arial");
  s.Canvas.Font()->SetHeight(-16);
  s.Canvas.Font()->SetColor(clRed);
  s.Canvas.Brush()->SetStyle(bsClear);
  const TSize extent = s.Canvas.TextExtent(L"Wall");
  EXPECT_GT(extent.cx, 10);
  EXPECT_GT(extent.cy, 10);
  EXPECT_EQ(s.Canvas.TextWidth(L"WallWall"), s.Canvas.TextWidth(L"Wall") * 2);
  s.Canvas.TextOut(4, 4, L"Wall");
  EXPECT_EQ(s.Canvas.PenPos(), Point(4 + extent.cx, 4));
  // An opaque brush fills the text's cell; TextRect clips to its rectangle.
  s.Canvas.Brush()->SetColor(clYellow);
  s.Canvas.TextRect(Rect(4, 30, 20, 50), 4, 30, L"WWWWWWWW");
  s.Save(L"canvas_text");
  auto c = s.Cap();
  int red = 0, outside = 0, yellow = 0;
  for (int y = 0; y < s.Height; ++y)
    for (int x = 0; x < s.Width; ++x) {
      const bool inText = x >= 4 && x < 4 + extent.cx && y >= 4 && y < 4 + extent.cy;
      const bool inRect = x >= 4 && x < 20 && y >= 30 && y < 50;
      if (c.At(x, y) == Rgb(clRed) && inText) ++red;
      if (c.At(x, y) == Rgb(clYellow)) ++yellow;
      if (c.At(x, y) != 0xFFFFFFu && !inText && !inRect) ++outside;
    }
  EXPECT_GT(red, 20) << "no text drawn";
  EXPECT_GT(yellow, 16) << "the opaque brush did not fill behind the text";
  EXPECT_EQ(outside, 0) << "drawing outside the text and its clip rectangle";
}

TEST(CanvasTest, ChangingAFontWhileSelectedDeselectsItFirst) {
  Surface s(40, 20);
  s.Canvas.Font()->SetName(L"Arial");
  s.Canvas.TextOut(0, 0, L"x");
  HGDIOBJ before = GetCurrentObject(s.Dc, OBJ_FONT);
  EXPECT_EQ(before, s.Canvas.Font()->Handle());
  s.Canvas.Font()->SetName(L"Courier New");
  EXPECT_NE(GetCurrentObject(s.Dc, OBJ_FONT), before);
  EXPECT_EQ(GetObjectType(before), 0u) << "the old font was not deleted";
  s.Canvas.TextOut(0, 0, L"x");
  EXPECT_EQ(GetCurrentObject(s.Dc, OBJ_FONT), s.Canvas.Font()->Handle());
}

TEST(CanvasTest, ShapesFillInsideAndLeaveCornersAlone) {
  Surface s(60, 20);
  s.Canvas.Pen()->SetColor(clBlack);
  s.Canvas.Brush()->SetColor(clRed);
  s.Canvas.Ellipse(0, 0, 20, 20);
  s.Canvas.RoundRect(20, 0, 40, 20, 10, 10);
  TPoint triangle[] = {{40, 0}, {59, 0}, {40, 19}};
  s.Canvas.Polygon(triangle, 3);
  auto c = s.Cap();
  EXPECT_EQ(c.At(10, 10), Rgb(clRed));
  EXPECT_EQ(c.At(1, 1), 0xFFFFFFu);
  EXPECT_EQ(c.At(30, 10), Rgb(clRed));
  EXPECT_EQ(c.At(20, 0), 0xFFFFFFu);
  EXPECT_EQ(c.At(44, 4), Rgb(clRed));
  EXPECT_EQ(c.At(57, 17), 0xFFFFFFu);
}

TEST(CanvasTest, HatchedBrushLeavesTheBackgroundBetweenItsLines) {
  Surface s(16, 16);
  s.Canvas.Brush()->SetColor(clBlue);
  s.Canvas.Brush()->SetStyle(bsHorizontal);
  s.Canvas.FillRect(Rect(0, 0, 16, 16));
  auto c = s.Cap();
  size_t blue = 0, white = 0;
  for (auto p : c.Pixels) {
    if (p == Rgb(clBlue)) ++blue;
    else if (p == 0xFFFFFFu) ++white;
  }
  EXPECT_GT(blue, 0u);
  EXPECT_GT(white, blue);
}

TEST(CanvasTest, PixelsFocusRectAndClipRect) {
  Surface s(20, 20);
  s.Canvas.SetPixels(3, 4, clBlue);
  EXPECT_EQ(s.Canvas.Pixels(3, 4), clBlue);
  EXPECT_EQ(s.Canvas.Pixels(4, 4), clWhite);
  s.Canvas.DrawFocusRect(Rect(5, 5, 15, 15));
  EXPECT_GT(s.Cap().CountNot(0xFFFFFF), 1u);
  s.Canvas.DrawFocusRect(Rect(5, 5, 15, 15));
  EXPECT_EQ(s.Cap().CountNot(0xFFFFFF), 1u) << "a second focus rectangle must take the first away";
  EXPECT_EQ(s.Canvas.ClipRect(), Rect(0, 0, 20, 20));
  IntersectClipRect(s.Dc, 2, 3, 8, 9);
  EXPECT_EQ(s.Canvas.ClipRect(), Rect(2, 3, 8, 9));
}

TEST(CanvasTest, DrawingCallsAnnounceAndReportTheirChange) {
  Surface s(8, 8);
  ChangeCounter changing, changed;
  s.Canvas.OnChanging = TNotifyEvent(&changing, &ChangeCounter::Changed);
  s.Canvas.OnChange = TNotifyEvent(&changed, &ChangeCounter::Changed);
  s.Canvas.FillRect(Rect(0, 0, 2, 2));
  s.Canvas.LineTo(3, 3);
  s.Canvas.TextExtent(L"x");
  s.Canvas.Pixels(1, 1);
  EXPECT_EQ(changing.count, 2);
  EXPECT_EQ(changed.count, 2);

  // Drawing on a picture's bitmap reaches the picture's listeners.
  TPicture picture;
  ChangeCounter pictureChanged;
  picture.Bitmap()->SetSize(4, 4);
  picture.OnChange = TNotifyEvent(&pictureChanged, &ChangeCounter::Changed);
  picture.Bitmap()->Canvas()->FillRect(Rect(0, 0, 4, 4));
  EXPECT_EQ(pictureChanged.count, 1);
  EXPECT_TRUE(picture.Graphic()->Modified());
}

TEST(CanvasTest, LockKeepsOtherThreadsOut) {
  TCanvas canvas;
  canvas.Lock();
  canvas.Lock();
  EXPECT_EQ(canvas.LockCount(), 2);
  bool other = true;
  std::thread([&] { other = canvas.TryLock(); }).join();
  EXPECT_FALSE(other);
  canvas.Unlock();
  canvas.Unlock();
  std::thread([&] {
    other = canvas.TryLock();
    if (other) canvas.Unlock();
  }).join();
  EXPECT_TRUE(other);
}

TEST(CanvasTest, ScreenCanvasMeasuresAndGivesItsDcBack) {
  TScreenCanvas screen;
  EXPECT_GT(screen.TextWidth(L"Wall"), 0);
  EXPECT_TRUE(screen.HandleAllocated());
  screen.FreeHandle();
  EXPECT_FALSE(screen.HandleAllocated());
  EXPECT_GT(screen.TextHeight(L"Wall"), 0);
}

}  // namespace
