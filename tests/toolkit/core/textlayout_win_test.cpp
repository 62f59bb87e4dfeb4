// Text layout on device contexts with a real Chinese font: rows of mixed
// Chinese and Latin text, the marks that may not start a row, the end
// ellipsis in every alignment, accelerators, highlights, justification,
// patterned text and the calculated rectangle. Expected pixels are the rows
// drawn one by one with TextOut in the same font.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cxControlsBase_win.h"
#include "cxDrawTextUtils_win.h"
#include "graphics_win_test_support.h"

using core_graphics_test::CanvasSurface;
using core_graphics_test::Rgb;

namespace {

class TTextUnits : public testing::Environment {
 public:
  void SetUp() override { InitializeUnits({dxCoreUnit, cxGraphicsUnit, cxControlsBaseUnit, cxDrawTextUtilsUnit}); }
  void TearDown() override { FinalizeUnits(); }
};
const auto* const kUnits = testing::AddGlobalTestEnvironment(new TTextUnits);

// A surface with a Chinese font drawn without smoothing, black on white.
struct TTextSurface : CanvasSurface {
  TTextSurface(int width, int height, int fontHeight = -14, int weight = FW_NORMAL) : CanvasSurface(width, height) {
    Font = CreateFontW(fontHeight, 0, 0, 0, weight, 0, 0, 0, GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       NONANTIALIASED_QUALITY, DEFAULT_PITCH, L"SimSun");
    OldFont = SelectObject(Dc, Font);
    SetTextColor(Dc, RGB(0, 0, 0));
    SetBkMode(Dc, TRANSPARENT);
  }
  ~TTextSurface() {
    SelectObject(Dc, OldFont);
    DeleteObject(Font);
  }
  int Width(const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(Dc, text.c_str(), int(text.size()), &size);
    return size.cx;
  }
  void Out(int x, int y, const std::wstring& text) { TextOutW(Dc, x, y, text.c_str(), int(text.size())); }
  int Draw(const std::wstring& text, TRect r, TcxTextLayoutFlags flags, int highlightStart = 0, int highlightLength = 0,
           TColor highlightBk = clNone, TColor highlightText = clNone) {
    return DrawFormattedText(Dc, text, r, flags, highlightStart, highlightLength, nullptr, highlightBk, highlightText, 0,
                             0, 0, clDefault);
  }
  TcxTextParams Params(TcxTextLayoutFlags flags) {
    TcxTextParams p;
    InitTextParams(Dc, flags, p);
    return p;
  }
  std::vector<std::wstring> Rows(const std::wstring& text, TcxTextLayoutFlags flags, const TRect& r) {
    TcxTextParams p = Params(flags);
    TcxTextRows rows;
    int count = 0;
    BuildTextRows(Dc, text.c_str(), int(text.size()), 0, count, rows, p, r);
    std::vector<std::wstring> result;
    for (int i = 0; i < count; ++i) result.emplace_back(GetTextRow(rows, i).Text, std::size_t(GetTextRow(rows, i).TextLength));
    return result;
  }
  HFONT Font;
  HGDIOBJ OldFont;
};

// How many pixels two surfaces differ in.
int Differences(CanvasSurface& a, CanvasSurface& b) {
  const vamire_test::Capture ca = a.Cap(), cb = b.Cap();
  int count = 0;
  for (std::size_t i = 0; i < ca.Pixels.size(); ++i) count += ca.Pixels[i] != cb.Pixels[i];
  return count;
}

// The rightmost column holding a pixel that is not white, -1 for none.
int LastInkColumn(CanvasSurface& s) {
  const vamire_test::Capture c = s.Cap();
  for (int x = c.Width - 1; x >= 0; --x)
    for (int y = 0; y < c.Height; ++y)
      if (c.At(x, y) != 0xFFFFFF) return x;
  return -1;
}

// --- Rows ---------------------------------------------------------------------------------

TEST(TextLayoutTest, MixedChineseAndLatinTextDrawsAsItsRows) {
  const std::wstring text = L"视频墙 Vamire 控制台，信号源切换 console 完成。";
  TTextSurface drawn(160, 120), expected(160, 120);
  const TRect r{4, 2, 124, 118};
  const int pitch = drawn.Params(cxtoWordBreak).RowPitch;
  const auto rows = drawn.Rows(text, cxtoWordBreak, r);
  ASSERT_GE(rows.size(), 3u);
  std::wstring joined;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_LE(drawn.Width(rows[i]), 120) << i;
    if (i > 0) {
      EXPECT_FALSE(CannotStartLine(rows[i][0])) << "row " << i << " starts with a closing mark";
    }
    joined += rows[i];
    expected.Out(r.Left, r.Top + int(i) * pitch, rows[i]);
  }
  // Only the spaces at the breaks are left out.
  std::wstring squeezed;
  for (wchar_t c : text)
    if (c != L' ') squeezed += c;
  joined.erase(std::remove(joined.begin(), joined.end(), L' '), joined.end());
  EXPECT_EQ(joined, squeezed);
  EXPECT_EQ(drawn.Draw(text, r, cxtoWordBreak), int(rows.size()) * pitch);
  drawn.Save(L"core_textlayout_mixed");
  EXPECT_EQ(Differences(drawn, expected), 0);
}

TEST(TextLayoutTest, AClosingMarkNeverStartsARow) {
  TTextSurface s(300, 100);
  // The width ends just after "控制台": "，" cannot start the next row, so "台" goes down with it.
  const std::wstring chinese = L"视频墙控制台，信号";
  const int width = s.Width(L"视频墙控制台");
  EXPECT_EQ(s.Rows(chinese, cxtoWordBreak, {0, 0, width, 100})[1].substr(0, 2), L"台，");
  // After a Latin word the mark stays with the word.
  const std::wstring mixed = L"视频 Vamire，信号";
  const auto rows = s.Rows(mixed, cxtoWordBreak, {0, 0, s.Width(L"视频 Vamire") + 1, 100});
  ASSERT_GE(rows.size(), 2u);
  EXPECT_EQ(rows[0], L"视频 ");
  EXPECT_EQ(rows[1].substr(0, 7), L"Vamire，");
}

// --- Ellipsis -----------------------------------------------------------------------------

TEST(TextLayoutTest, TheEndEllipsisEndsLeftCentredAndRightAlignedRows) {
  const std::wstring text = L"Vamire 视频墙控制台 console";
  for (TcxTextLayoutFlags align : {cxtoLeft, cxtoCenterHorizontally, cxtoRight}) {
    TTextSurface drawn(200, 24), expected(200, 24);
    const int pitch = drawn.Params(0).RowPitch;
    const TRect r{10, 2, 130, 2 + pitch};  // one row high, far narrower than the text
    drawn.Draw(text, r, cxtoWordBreak | cxtoEndEllipsis | align);
    // The characters that leave room for "..." and the ellipsis right after them.
    const int ellipsis = expected.Width(L"...");
    int fit = 0;
    SIZE size;
    GetTextExtentExPointW(expected.Dc, text.c_str(), int(text.size()), 120 - ellipsis, &fit, nullptr, &size);
    const std::wstring kept = text.substr(0, std::size_t(fit));
    const int keptWidth = expected.Width(kept);
    const int x = align == cxtoLeft ? 10 : align == cxtoRight ? 130 - keptWidth - ellipsis
                                                               : 10 + (120 - keptWidth - ellipsis) / 2;
    expected.Out(x, 2, kept);
    expected.Out(x + keptWidth, 2, L"...");
    drawn.Save(L"core_textlayout_ellipsis_" + std::to_wstring(align));
    EXPECT_EQ(Differences(drawn, expected), 0) << align;
    EXPECT_GT(LastInkColumn(drawn), x + keptWidth) << "the ellipsis shows: " << align;
  }
}

TEST(TextLayoutTest, TextLeftOverBelowGetsTheEllipsisOnTheLastRowThatFits) {
  // Two rows fit exactly; the third paragraph is left out, so the second row ends in "...".
  for (TcxTextLayoutFlags align : {cxtoLeft, cxtoRight}) {
    TTextSurface drawn(200, 60), expected(200, 60);
    const int pitch = drawn.Params(0).RowPitch;
    const TRect r{0, 0, 150, 2 * pitch};
    drawn.Draw(L"第一行\n第二行\n第三行", r, cxtoWordBreak | cxtoEndEllipsis | align);
    const int w = expected.Width(L"第一行"), e = expected.Width(L"...");
    expected.Out(align == cxtoLeft ? 0 : 150 - w, 0, L"第一行");
    const int x = align == cxtoLeft ? 0 : 150 - w - e;
    expected.Out(x, pitch, L"第二行");
    expected.Out(x + w, pitch, L"...");
    EXPECT_EQ(Differences(drawn, expected), 0) << align;
  }
}

// --- Accelerators -------------------------------------------------------------------------

TEST(TextLayoutTest, HiddenAcceleratorMarksAreRemoved) {
  struct TCase {
    const wchar_t* text;
    const wchar_t* shown;
  };
  for (const TCase& c : {TCase{L"&File", L"File"}, TCase{L"A&&B", L"A&B"}, TCase{L"文件(&F)", L"文件(F)"}}) {
    TTextSurface drawn(120, 24), expected(120, 24);
    drawn.Draw(c.text, {2, 2, 118, 22}, cxtoHidePrefix);
    expected.Out(2, 2, c.shown);
    EXPECT_EQ(Differences(drawn, expected), 0) << c.text;
  }
  // Shown marks are plain characters.
  TTextSurface drawn(120, 24), expected(120, 24);
  drawn.Draw(L"&File", {2, 2, 118, 22}, 0);
  expected.Out(2, 2, L"&File");
  EXPECT_EQ(Differences(drawn, expected), 0);
}

TEST(TextLayoutTest, ALoneMarkDrawsNothingAndLeavesFontAndColourAsTheyWere) {
  TTextSurface s(60, 24);
  SetTextColor(s.Dc, RGB(1, 2, 3));
  TFont font;
  font.SetColor(clRed);
  TRect r{0, 0, 60, 24};
  EXPECT_EQ(DrawFormattedText(s.Dc, L"&", r, cxtoHidePrefix, 0, 0, &font, clNone, clNone, 0, 0, 0, clBlue), 0);
  EXPECT_EQ(GetCurrentObject(s.Dc, OBJ_FONT), s.Font);
  EXPECT_EQ(GetTextColor(s.Dc), RGB(1, 2, 3));
  EXPECT_EQ(LastInkColumn(s), -1);
  // A drawing call too puts them back.
  EXPECT_GT(DrawFormattedText(s.Dc, L"abc", r, 0, 0, 0, &font, clNone, clNone, 0, 0, 0, clBlue), 0);
  EXPECT_EQ(GetCurrentObject(s.Dc, OBJ_FONT), s.Font);
  EXPECT_EQ(GetTextColor(s.Dc), RGB(1, 2, 3));
  EXPECT_EQ(DrawFormattedText(s.Dc, L"", r, 0, 0, 0, nullptr, clNone, clNone, 0, 0, 0, clBlue), 0);
  TRect empty{0, 0, 0, 24};
  EXPECT_EQ(DrawFormattedText(s.Dc, L"abc", empty, 0, 0, 0, nullptr, clNone, clNone, 0, 0, 0, clBlue), 0);
}

// --- Highlight ----------------------------------------------------------------------------

TEST(TextLayoutTest, AHighlightCoversItsCharactersFromTheLeftInEveryRow) {
  const std::wstring text = L"视频墙\n控制台";
  TTextSurface s(120, 60);
  const int pitch = s.Params(0).RowPitch;
  // From "墙" (index 2) to "控" (index 4): the end of row 1 and the start of row 2.
  s.Draw(text, {0, 0, 120, 60}, cxtoWordBreak, 2, 3, clRed, clWhite);
  s.Save(L"core_textlayout_highlight");
  const vamire_test::Capture c = s.Cap();
  const int w1 = s.Width(L"视"), w2 = s.Width(L"视频"), w3 = s.Width(L"视频墙");
  // A column of a row is highlighted when red shows in it.
  auto red = [&](int x, int row) {
    for (int y = row * pitch; y < (row + 1) * pitch; ++y)
      if (c.At(x, y) == 0xFF0000) return true;
    return false;
  };
  EXPECT_FALSE(red(w1 / 2, 0));
  EXPECT_FALSE(red(w2 - 1, 0));
  EXPECT_TRUE(red(w2, 0));
  EXPECT_TRUE(red(w3 - 1, 0));
  EXPECT_FALSE(red(w3 + 1, 0));
  EXPECT_TRUE(red(0, 1));
  EXPECT_TRUE(red(w1 - 1, 1));
  EXPECT_FALSE(red(w1 + 1, 1));
  // No text pixel of the highlight is black: it is drawn in its own colour.
  for (int y = 0; y < pitch; ++y)
    for (int x = w2; x < w3; ++x) EXPECT_NE(c.At(x, y), 0u) << x << "," << y;
}

// --- Justification, patterns, measuring ---------------------------------------------------

TEST(TextLayoutTest, JustifiedRowsReachTheRightEdgeButAParagraphsLastDoesNot) {
  const std::wstring text = L"aa bb cc dd ee ff gg";
  TTextSurface justified(200, 60), all(200, 60);
  const int width = justified.Width(L"aa bb cc dd") + 4;
  justified.Draw(text, {0, 0, width, 60}, cxtoJustify);
  all.Draw(text, {0, 0, width, 60}, cxtoJustifyAll);
  const int pitch = justified.Params(0).RowPitch;
  auto lastInk = [&](TTextSurface& s, int row) {
    const vamire_test::Capture c = s.Cap();
    for (int x = c.Width - 1; x >= 0; --x)
      for (int y = row * pitch; y < (row + 1) * pitch; ++y)
        if (c.At(x, y) != 0xFFFFFF) return x;
    return -1;
  };
  EXPECT_GE(lastInk(justified, 0), width - 2);
  EXPECT_LT(lastInk(justified, 1), width - 8) << "the last row stays left-aligned";
  EXPECT_GE(lastInk(all, 1), width - 2) << "justify all stretches it too";
}

TEST(TextLayoutTest, TextTooSmallToReadDrawsAsHatchedBars) {
  for (int weight : {FW_NORMAL, FW_BOLD}) {
    TTextSurface s(80, 20, -4, weight);  // less than six pixels high
    s.Draw(L"abcdefgh", {0, 0, 80, 20}, cxtoPatternedText);
    const vamire_test::Capture c = s.Cap();
    const int y = 2;  // inside the bar
    int black = 0, white = 0;
    for (int x = 0; x < 8; ++x) (c.At(x, y) == 0 ? black : white) += 1;
    if (weight == FW_BOLD) EXPECT_EQ(black, 8);
    else EXPECT_EQ(black, 4) << "a checker";
  }
}

TEST(TextLayoutTest, CalculatingGivesTheRectangleOfTheRowsWithIndentsAndCountsRows) {
  TTextSurface s(10, 10);
  const int pitch = s.Params(0).RowPitch;
  TRect r{10, 20, 200, 20};
  const int height = DrawFormattedText(s.Dc, L"视频墙\nVamire console", r, cxtoCalcRect | cxtoAutoIndents, 0, 0, nullptr,
                                       clNone, clNone, 0, 3, 5, clDefault);
  EXPECT_EQ(height, 2 * pitch);
  EXPECT_EQ(r, (TRect{10, 20, 10 + 2 + 3 + s.Width(L"Vamire console") + 5 + 2, 20 + 2 + 2 * pitch + 2}));
  EXPECT_EQ(LastInkColumn(s), -1) << "nothing drawn";
  TRect box{0, 0, 200, 200};
  EXPECT_EQ(s.Draw(L"a\nb\nc", box, cxtoCalcRowCount), 3);
  EXPECT_EQ(s.Draw(L"a\nb\nc", box, 0), 3 * pitch);
}

TEST(TextLayoutTest, TheByteStringCallsReadTheFontsCodePage) {
  TTextSurface drawn(120, 24), expected(120, 24);
  TRect r{0, 0, 120, 24};
  const AnsiString gbk = "\xCA\xD3\xC6\xB5 ok";  // "视频 ok" in the Chinese code page
  TFont font;
  font.SetHandle(CreateFontW(-14, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0,
                             L"SimSun"));
  font.SetColor(clBlack);
  DrawFormattedTextOnCanvas(&drawn.Canvas, gbk, r, 0, &font, 0, 0, 0, clDefault);
  expected.Out(0, 0, L"视频 ok");
  EXPECT_EQ(Differences(drawn, expected), 0);
  TcxTextParams params = drawn.Params(0);
  TcxTextRows rows;
  int count = 0;
  BuildTextRowsOnCanvas(&drawn.Canvas, gbk, 0, count, rows, params, r);
  ASSERT_EQ(count, 1);
  EXPECT_EQ(rows.Text, L"视频 ok");
  EXPECT_EQ(GetTextRow(rows, 0).Text, rows.Text.c_str());
}

TEST(TextLayoutTest, TheByteStringSystemBranchMeasuresAsTheWideOne) {
  TTextSurface s(10, 10);
  const std::wstring text = L"视频 abc\t墙";
  const TSize wide = CalcTextExtent(s.Dc, text.c_str(), int(text.size()), true);
  int wideFit = 0, wideDx[16] = {};
  TSize size;
  WideGetTextExtentEx(s.Dc, text.c_str(), int(text.size()), 40, &wideFit, wideDx, size);
  const bool wasNT = OSFlagWinNT;
  OSFlagWinNT = false;
  const TSize bytes = CalcTextExtent(s.Dc, text.c_str(), int(text.size()), true);
  int byteFit = 0, byteDx[16] = {};
  WideGetTextExtentEx(s.Dc, text.c_str(), int(text.size()), 40, &byteFit, byteDx, size);
  OSFlagWinNT = wasNT;
  EXPECT_EQ(bytes, wide);
  EXPECT_EQ(byteFit, wideFit);
  for (std::size_t i = 0; i < text.size(); ++i) EXPECT_EQ(byteDx[i], wideDx[i]) << i;
}

TEST(TextLayoutTest, TabsExpandInMeasureAndDrawing) {
  TTextSurface drawn(200, 24), expected(200, 24);
  const std::wstring text = L"a\tb";
  const TSize size = CalcTextExtent(drawn.Dc, text.c_str(), 3, true);
  EXPECT_EQ(size.cx, int(LOWORD(GetTabbedTextExtentW(drawn.Dc, text.c_str(), 3, 0, nullptr))));
  EXPECT_GT(size.cx, CalcTextExtent(drawn.Dc, text.c_str(), 3, false).cx);
  drawn.Draw(text, {5, 0, 200, 24}, cxtoExpandTabs);
  TabbedTextOutW(expected.Dc, 5, 0, text.c_str(), 3, 0, nullptr, 5);
  EXPECT_EQ(Differences(drawn, expected), 0);
  // A text longer than the tabbed measure takes is measured by DrawText.
  std::wstring longText(5000, L'x');
  longText[10] = L'\t';
  EXPECT_GT(CalcTextExtent(drawn.Dc, longText.c_str(), int(longText.size()), true).cx, 65535 / 20);
}

}  // namespace
