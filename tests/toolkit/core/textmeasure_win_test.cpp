// Text measuring of the graphics unit: sizes on a DC and in a font, the
// narrowest rectangle for a number of lines, lines for a width, the
// multi-byte test and window invalidation.
#include <gtest/gtest.h>

#include "Classes.h"
#include "graphics_win_test_support.h"

using core_graphics_test::CanvasSurface;

namespace {

class TMeasureUnits : public testing::Environment {
 public:
  void SetUp() override { InitializeUnits({dxCoreUnit, cxGraphicsUnit}); }
  void TearDown() override { FinalizeUnits(); }
};
const auto* const kUnits = testing::AddGlobalTestEnvironment(new TMeasureUnits);

HFONT ChineseFont(int height = -14) {
  return CreateFontW(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     NONANTIALIASED_QUALITY, DEFAULT_PITCH, L"SimSun");
}

struct TFontSurface : CanvasSurface {
  TFontSurface() : CanvasSurface(10, 10) {
    Canvas.Font()->SetHandle(ChineseFont());
    Canvas.RequiredState(TCanvasStates{csHandleValid, csFontValid});
  }
  TRect DrawTextRect(const String& text, int width, UINT format) {
    TRect r{0, 0, width, 1};
    DrawTextW(Dc, text.c_str(), int(text.size()), AsRect(r), format);
    return r;
  }
  int Height(const String& text) { return DrawTextRect(text, 1000, DT_CALCRECT | DT_SINGLELINE).Bottom; }
};

TEST(TextMeasureTest, SizesOnADeviceContext) {
  TFontSurface s;
  const String text = L"视频 Vamire";
  SIZE whole{}, part{};
  GetTextExtentPoint32W(s.Dc, text.c_str(), int(text.size()), &whole);
  GetTextExtentPoint32W(s.Dc, text.c_str(), 2, &part);
  TSize size;
  GetTextSizeOnDC(s.Dc, text, size);
  EXPECT_EQ(size, (TSize{whole.cx, whole.cy}));
  GetTextSizeOnDC(s.Dc, text, size, 2);
  EXPECT_EQ(size, (TSize{part.cx, part.cy}));
  const TRect single = s.DrawTextRect(text, 0, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(GetTextSizeForDC(s.Dc, text), (TSize{single.Right, single.Bottom}));
}

TEST(TextMeasureTest, LinesAreFittedToTheNarrowestRectangle) {
  TFontSurface s;
  const String text = L"视频墙 控制台 信号源 切换 Vamire console";
  const int line = s.Height(L"Wg");
  TRect one;
  CalcTextRectForLines(s.Dc, text, 1, one);
  EXPECT_EQ(one, s.DrawTextRect(text, 0, DT_CALCRECT | DT_SINGLELINE));
  for (int lines : {2, 3}) {
    TRect r;
    CalcTextRectForLines(s.Dc, text, lines, r);
    EXPECT_EQ(r.Left, 0);
    EXPECT_LE(r.Bottom, lines * line) << lines;
    // One pixel narrower, the text would take another line.
    EXPECT_GT(s.DrawTextRect(text, r.Right - 1, DT_CALCRECT | DT_WORDBREAK | DT_NOFULLWIDTHCHARBREAK).Bottom,
              lines * line)
        << lines;
    CalcTextRectForLines(s.Dc, text, lines, r, true);
    EXPECT_EQ(r.Bottom, lines * line);
  }
  // No line count: the narrowest wrapping at most 32000 high, the width of the widest word.
  TRect any;
  CalcTextRectForLines(s.Dc, text, 0, any);
  EXPECT_EQ(any.Right, s.DrawTextRect(L"console", 0, DT_CALCRECT | DT_SINGLELINE).Right);
}

TEST(TextMeasureTest, FontSizesAreMeasuredOnTheScreenCanvas) {
  TFont font;
  font.SetHandle(ChineseFont(-20));
  TFontSurface s;
  SelectObject(s.Dc, font.Handle());
  SIZE expected{};
  GetTextExtentPoint32W(s.Dc, L"视频墙", 3, &expected);
  EXPECT_EQ(FontTextSize(&font, L"视频墙"), (TSize{expected.cx, expected.cy}));
  EXPECT_EQ(FontTextWidth(&font, L"视频墙"), expected.cx);
  EXPECT_EQ(FontTextHeight(&font, L"视频墙"), expected.cy);
  EXPECT_GT(FontTextHeight(&font, L"视频墙", 30), expected.cy) << "a point size given is used";
}

TEST(TextMeasureTest, TextIsSplitIntoLinesOfTheWidth) {
  TFontSurface s;
  TcxCanvas canvas(&s.Canvas);
  TStringList lines;
  const int width = GetTextSizeForDC(s.Dc, L"aaa bbb").cx + 1;
  SplitTextToLines(L"aaa bbb ccc\r\n\r\n视频 墙\nddd", &canvas, TRect{0, 0, width, 100}, &lines);
  ASSERT_EQ(lines.Count(), 4);
  EXPECT_EQ(lines.Strings(0), L"aaa bbb");
  EXPECT_EQ(lines.Strings(1), L"ccc");
  EXPECT_EQ(lines.Strings(2), L"视频 墙");
  EXPECT_EQ(lines.Strings(3), L"ddd");
}

TEST(TextMeasureTest, MultiByteCharsetsAreChineseAndArabicForTextBeyondAscii) {
  for (int charset : {ANSI_CHARSET, DEFAULT_CHARSET, SHIFTJIS_CHARSET, GB2312_CHARSET, CHINESEBIG5_CHARSET,
                      ARABIC_CHARSET}) {
    EXPECT_FALSE(IsMultiByteCharsetText(charset, L"abc")) << charset;
    EXPECT_FALSE(IsMultiByteCharsetText(charset, L"")) << charset;
  }
  for (int charset : {GB2312_CHARSET, CHINESEBIG5_CHARSET, ARABIC_CHARSET})
    EXPECT_TRUE(IsMultiByteCharsetText(charset, L"视频")) << charset;
  for (int charset : {ANSI_CHARSET, SHIFTJIS_CHARSET, HANGUL_CHARSET})
    EXPECT_FALSE(IsMultiByteCharsetText(charset, L"视频")) << charset;
  // The system's character set stands in for the default one: Chinese under code page 936.
  EXPECT_EQ(GetDefFontCharSet(), GB2312_CHARSET);
  EXPECT_TRUE(IsMultiByteCharsetText(DEFAULT_CHARSET, L"视频"));
}

TEST(TextMeasureTest, InvalidatingMarksTheRectangleOrTheWholeWindow) {
  HWND wnd = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 100, 80, nullptr, nullptr, nullptr, nullptr);
  ValidateRect(wnd, nullptr);
  InvalidateWindowRect(wnd, TRect{10, 20, 30, 40}, false);
  RECT update{};
  GetUpdateRect(wnd, &update, FALSE);
  EXPECT_EQ(update.left, 10);
  EXPECT_EQ(update.bottom, 40);
  ValidateRect(wnd, nullptr);
  InvalidateWindow(wnd, false);
  GetUpdateRect(wnd, &update, FALSE);
  EXPECT_EQ(update.right, 100);
  EXPECT_EQ(update.bottom, 80);
  DestroyWindow(wnd);
}

}  // namespace
