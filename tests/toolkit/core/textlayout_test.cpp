// Text layout without a device: rows made for a width with a table of
// character widths (Latin 6, others 12, tabs to the next 48), placed by the
// alignments; the parameters from font metrics.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cxDrawTextUtils.h"

namespace {

class TTableMeasurer : public TcxTextMeasurer {
 public:
  TSize CalcTextExtent(const wchar_t* AText, int ALength, bool AExpandTabs) override {
    ++Calls;
    int width = 0;
    for (int i = 0; i < ALength; ++i) {
      if (AText[i] == L'\t' && AExpandTabs) width = (width / 48 + 1) * 48;
      else width += unsigned(AText[i]) < 128 ? 6 : 12;
    }
    return TSize{width, 16};
  }
  int Calls = 0;
};

TcxTextParams Params(TcxTextLayoutFlags AFlags, bool AFarEast = false) {
  TcxTextParams p;
  const TcxTextMetrics metrics{16, 2, 400, L' ', 12, 134};
  InitTextParamsFromMetrics(metrics, AFlags, 1.0, 18, 1, 6, AFarEast, p);
  return p;
}

struct TLayout {
  std::vector<std::wstring> Rows;
  std::vector<TcxTextRow> Data;
  bool Fits = false;
};

TLayout Layout(const std::wstring& AText, TcxTextLayoutFlags AFlags, TRect R, int AMaxRows = 0, bool AFarEast = false) {
  TTableMeasurer measurer;
  TcxTextParams params = Params(AFlags, AFarEast);
  TcxTextRows rows;
  int count = -1;
  TLayout result;
  result.Fits = BuildTextRows(measurer, AText.c_str(), int(AText.size()), AMaxRows, count, rows, params, R);
  EXPECT_EQ(count, rows.Count);
  PositionTextRows(R, params, count, rows);
  for (int i = 0; i < count; ++i) {
    const TcxTextRow& row = GetTextRow(rows, i);
    result.Rows.emplace_back(row.Text, std::size_t(row.TextLength));
    result.Data.push_back(row);
  }
  return result;
}

using Rows = std::vector<std::wstring>;

TEST(TextRowsTest, RowsBreakByWordsAndLineBreaks) {
  struct TCase {
    const wchar_t* name;
    std::wstring text;
    TcxTextLayoutFlags flags;
    int width;
    Rows rows;
  };
  const TRect tall{0, 0, 0, 1000};
  const TCase cases[] = {
      // Latin words wrap before the word that overflows; the space at the break goes.
      {L"words", L"aaa bbb ccc", cxtoWordBreak, 40, {L"aaa ", L"bbb ", L"ccc"}},
      {L"space at the break", L"aaaaaa bbb", cxtoWordBreak, 36, {L"aaaaaa", L"bbb"}},
      // Ideographs are words of their own, so Chinese wraps between any two.
      {L"ideographs", L"视频墙控制台", cxtoWordBreak, 40, {L"视频墙", L"控制台"}},
      {L"mixed", L"视频墙 Vamire 控制台", cxtoWordBreak, 48, {L"视频墙 ", L"Vamire ", L"控制台"}},
      {L"mixed tight", L"墙Vamire控制", cxtoWordBreak, 44, {L"墙", L"Vamire", L"控制"}},
      // Line breaks of every kind end a row and are not part of it.
      {L"line breaks", L"ab\r\ncd\nef\n\rgh\rij", cxtoWordBreak, 100, {L"ab", L"cd", L"ef", L"gh", L"ij"}},
      {L"empty line", L"ab\n\ncd", cxtoWordBreak, 100, {L"ab", L"", L"cd"}},
      {L"no wrap", L"aaa bbb ccc\nd", 0, 10, {L"aaa bbb ccc", L"d"}},
      {L"single line", L"aaa bbb\nccc", cxtoSingleLine | cxtoWordBreak, 10, {L"aaa bbb"}},
      // A word longer than the width overflows its own row.
      {L"long word", L"a bbbbbbbbbb c", cxtoWordBreak, 30, {L"a ", L"bbbbbbbbbb", L"c"}},
      // The line break after it makes no empty row.
      {L"long word, line break", L"bbbbbbbbbb\r\nc", cxtoWordBreak, 30, {L"bbbbbbbbbb", L"c"}},
      // Break inside words: the word is cut after the last character that fits.
      {L"cut", L"abcdefghij", cxtoWordBreak | cxtoCharBreak, 40, {L"abcdef", L"ghij"}},
      {L"cut before a mark", L"abcde，fgh", cxtoWordBreak | cxtoCharBreak, 36, {L"abcd", L"e，fgh"}},
      {L"cut keeps a character", L"视频", cxtoWordBreak | cxtoCharBreak, 5, {L"视", L"频"}},
      {L"edit control cuts", L"abcdefghij", cxtoWordBreak | cxtoEditControl, 40, {L"abcdef", L"ghij"}},
      // Justified text wraps even without the word-break flag.
      {L"justify wraps", L"aaa bbb ccc", cxtoJustify, 40, {L"aaa", L"bbb", L"ccc"}},
      // Centred rows lose the space at either side of a break, right-aligned ones at their end only.
      {L"centre", L"aaaaa  bb", cxtoWordBreak | cxtoCenterHorizontally, 36, {L"aaaaa", L"bb"}},
      {L"right", L"aaaaa  bb", cxtoWordBreak | cxtoRight, 36, {L"aaaaa", L" bb"}},
      {L"left", L"aaaaa  bb", cxtoWordBreak, 36, {L"aaaaa ", L"bb"}},
      {L"skip spaces", L"aaaaa    bb", cxtoWordBreak | cxtoSkipSpacesAfterBreak, 36, {L"aaaaa ", L"bb"}},
  };
  for (const TCase& c : cases) {
    TRect r = tall;
    r.Right = c.width;
    EXPECT_EQ(Layout(c.text, c.flags, r).Rows, c.rows) << c.name;
  }
}

TEST(TextRowsTest, MarksThatMayNotStartARowStayWithWhatComesBefore) {
  const TRect r{0, 0, 36, 1000};
  // "。" never starts a row: it goes to the next row with the ideograph before it.
  EXPECT_EQ(Layout(L"一二三。四", cxtoWordBreak, r).Rows, (Rows{L"一二", L"三。四"}));
  EXPECT_EQ(Layout(L"一二，三", cxtoWordBreak, r).Rows, (Rows{L"一二，", L"三"}));
  // Two closing marks in a row both stay with the ideograph.
  EXPECT_EQ(Layout(L"一二。」三", cxtoWordBreak, r).Rows, (Rows{L"一", L"二。」", L"三"}));
  // A closing mark after Latin text stays with the word before it.
  EXPECT_EQ(Layout(L"ab cd，ef", cxtoWordBreak, TRect{0, 0, 40, 1000}).Rows, (Rows{L"ab ", L"cd，ef"}));
}

TEST(TextRowsTest, TheCannotStartSetAndWordEnds) {
  for (wchar_t c : {L'!', L')', L',', L'.', L'?', L']', L'}', wchar_t(0x3001), wchar_t(0x3002), wchar_t(0x300D),
                    wchar_t(0xFF0C), wchar_t(0xFF1F), wchar_t(0xFF64), wchar_t(0xFFE0), wchar_t(0xFFFF)})
    EXPECT_TRUE(CannotStartLine(c)) << int(c);
  for (wchar_t c : {L'a', L'(', L'[', L'"', L'-', wchar_t(0x300C), wchar_t(0x4E00), wchar_t(0xFF08), wchar_t(0xFFDF)})
    EXPECT_FALSE(CannotStartLine(c)) << int(c);
  EXPECT_TRUE(IsFullWidthChar(0x4E2D));
  EXPECT_TRUE(IsFullWidthChar(0x30A2));
  EXPECT_TRUE(IsFullWidthChar(0xAC00));
  EXPECT_FALSE(IsFullWidthChar(L'a'));
  struct TCase {
    const wchar_t* text;
    int start, end;
  };
  const TCase cases[] = {{L"abc def", 0, 3}, {L" abc", 0, 1}, {L"\tx", 0, 1}, {L"ab\ncd", 0, 2}, {L"\ncd", 0, 0},
                         {L"中文", 0, 1},    {L"中。文", 0, 2}, {L"ab中", 0, 2}, {L"a.b c", 0, 3}, {L"中!)x", 0, 3}};
  for (const TCase& c : cases) {
    const std::wstring text = c.text;
    EXPECT_EQ(FindWordEnd(text.c_str(), c.start, int(text.size())), c.end) << c.text;
  }
}

TEST(TextRowsTest, JustifiedRowsCountTheirSpacesAndDropTrailingOnes) {
  const TRect r{0, 0, 40, 1000};
  const TLayout justify = Layout(L"aa bb cc dd", cxtoJustify, r);
  ASSERT_EQ(justify.Rows, (Rows{L"aa bb", L"cc dd"}));
  EXPECT_EQ(justify.Data[0].BreakCount, 1);
  EXPECT_EQ(justify.Data[1].BreakCount, 0) << "a paragraph's last row stays as it is";
  const TLayout all = Layout(L"aa bb cc dd ", cxtoJustifyAll, r);
  ASSERT_EQ(all.Rows, (Rows{L"aa bb", L"cc dd"}));
  EXPECT_EQ(all.Data[1].BreakCount, 1);
  EXPECT_EQ(all.Data[1].TextWidth, 30) << "trailing spaces are not measured";
}

TEST(TextRowsTest, RowsStopWhereTheHeightOrTheRowLimitEnds) {
  const std::wstring text = L"aa bb cc dd ee";
  // Rows of pitch 16 in a height of 40: the third row shows in part.
  EXPECT_EQ(Layout(text, cxtoWordBreak, {0, 0, 20, 40}).Rows, (Rows{L"aa ", L"bb ", L"cc "}));
  // As an edit control shows it: only rows that fit entirely.
  EXPECT_EQ(Layout(text, cxtoWordBreak | cxtoEditControl, {0, 0, 20, 40}).Rows, (Rows{L"aa ", L"bb "}));
  EXPECT_EQ(Layout(text, cxtoWordBreak | cxtoEditControl | cxtoNoClip, {0, 0, 20, 40}).Rows.size(), 3u);
  // Other vertical alignments and the calculating modes are not limited by the height.
  EXPECT_EQ(Layout(text, cxtoWordBreak | cxtoBottom, {0, 0, 20, 40}).Rows.size(), 5u);
  EXPECT_EQ(Layout(text, cxtoWordBreak | cxtoCalcRowCount, {0, 0, 20, 40}).Rows.size(), 5u);
  const TLayout limited = Layout(text, cxtoWordBreak | cxtoBottom, {0, 0, 20, 40}, 2);
  EXPECT_EQ(limited.Rows, (Rows{L"aa ", L"bb "}));
  EXPECT_FALSE(limited.Fits);
  EXPECT_TRUE(Layout(text, cxtoWordBreak, {0, 0, 20, 1000}).Fits);
  EXPECT_FALSE(Layout(L"abcdef", cxtoSingleLine, {0, 0, 20, 100}).Fits) << "a single line wider than the rectangle";
  EXPECT_TRUE(Layout(L"abcdef", cxtoSingleLine | cxtoCalcRect, {0, 0, 20, 100}).Fits);
}

TEST(TextRowsTest, TheRowThatFillsTheHeightExactlyIsTheLast) {
  // Two rows of 16 in a height of 32: a third row would lie wholly outside,
  // so the second is the last one and the text left over is reported.
  const TLayout exact = Layout(L"aa bb cc", cxtoWordBreak, {0, 0, 20, 32});
  EXPECT_EQ(exact.Rows, (Rows{L"aa ", L"bb "}));
  EXPECT_FALSE(exact.Fits);
  EXPECT_EQ(Layout(L"aa bb cc", cxtoWordBreak | cxtoEndEllipsis, {0, 0, 20, 32}).Rows, (Rows{L"aa ", L"bb cc"}));
}

TEST(TextRowsTest, TheLastRowKeepsTheTextItCutsForTheEllipsis) {
  // One row high: the row takes the word that overflows, for the ellipsis to cut.
  const TLayout ellipsis = Layout(L"aaa bbb ccc", cxtoWordBreak | cxtoEndEllipsis, {0, 0, 40, 16});
  EXPECT_EQ(ellipsis.Rows, (Rows{L"aaa bbb"}));
  EXPECT_FALSE(ellipsis.Fits);
  EXPECT_EQ(Layout(L"aaa bbb ccc", cxtoWordBreak, {0, 0, 40, 16}).Rows, (Rows{L"aaa "}));
  // With an ellipsis too, a line break after an overflowing word goes with it.
  EXPECT_EQ(Layout(L"aaaaaaaa\nb", cxtoWordBreak | cxtoEndEllipsis, {0, 0, 30, 100}).Rows, (Rows{L"aaaaaaaa", L"b"}));
}

TEST(TextRowsTest, CalculatingTheRectangleTakesWholeLines) {
  EXPECT_EQ(Layout(L"aaa bbb\nc", cxtoWordBreak | cxtoCalcRect, {0, 0, 30, 0}).Rows, (Rows{L"aaa bbb", L"c"}));
  const TLayout single = Layout(L"ab\ncd", cxtoSingleLine | cxtoCalcRect, {0, 0, 5, 0});
  ASSERT_EQ(single.Rows, (Rows{L"ab\ncd"}));
  EXPECT_EQ(single.Data[0].TextWidth, 30);
}

TEST(TextRowsTest, TabsExpandOnlyWhenAsked) {
  EXPECT_EQ(Layout(L"a\tb", cxtoExpandTabs | cxtoSingleLine, {0, 0, 100, 20}).Data[0].TextWidth, 54);
  EXPECT_EQ(Layout(L"a\tb", cxtoSingleLine, {0, 0, 100, 20}).Data[0].TextWidth, 18);
}

TEST(TextRowsTest, RowsArePlacedByTheAlignments) {
  struct TCase {
    TcxTextLayoutFlags flags;
    std::vector<int> x, y;
  };
  const TCase cases[] = {
      {cxtoLeft, {10, 10, 10}, {20, 36, 52}},
      {cxtoCenterHorizontally | cxtoCenterVertically, {45, 54, 57}, {46, 62, 78}},
      {cxtoRight | cxtoBottom, {80, 98, 104}, {72, 88, 104}},
      // Distribute: the first row at the top, the last at the bottom, the
      // gaps share the rest (84 over 2).
      {cxtoDistribute, {10, 10, 10}, {20, 62, 104}},
  };
  for (const TCase& c : cases) {
    // Rows of 30, 12 and 6 pixels, pitch 16.
    const TLayout l = Layout(L"aaaaa\nbb\nc", c.flags | cxtoWordBreak, {10, 20, 110, 120});
    ASSERT_EQ(l.Rows.size(), 3u) << c.flags;
    for (std::size_t i = 0; i < 3; ++i) {
      EXPECT_EQ(l.Data[i].TextOriginX, c.x[i]) << c.flags << " row " << i;
      EXPECT_EQ(l.Data[i].TextOriginY, c.y[i]) << c.flags << " row " << i;
    }
  }
}

TEST(TextRowsTest, DistributionSpreadsTheRemainderAndOneRowStaysAtTheTop) {
  TcxTextParams params = Params(cxtoDistribute);
  TcxTextRows rows;
  SetTextRowCount(rows, 4);
  PositionTextRows({0, 0, 50, 101}, params, 4, rows);  // 85 over 3 gaps: 29, 28, 28
  EXPECT_EQ(GetTextRow(rows, 1).TextOriginY, 29);
  EXPECT_EQ(GetTextRow(rows, 2).TextOriginY, 57);
  EXPECT_EQ(GetTextRow(rows, 3).TextOriginY, 85);
  EXPECT_EQ(params.RowPitch, 28) << "the pitch chosen is kept";
  TcxTextParams one = Params(cxtoDistribute);
  SetTextRowCount(rows, 1);
  PositionTextRows({0, 5, 50, 101}, one, 1, rows);
  EXPECT_EQ(GetTextRow(rows, 0).TextOriginY, 5);
  // Rows taller than the room they would share keep their pitch.
  TcxTextParams tight = Params(cxtoDistribute);
  SetTextRowCount(rows, 3);
  PositionTextRows({0, 0, 50, 40}, tight, 3, rows);
  EXPECT_EQ(GetTextRow(rows, 2).TextOriginY, 32);
}

TEST(TextRowsTest, KeepLeftAndKeepTopHoldRowsInsideTheRectangle) {
  TcxTextParams params = Params(cxtoRight | cxtoBottom | cxtoKeepLeft | cxtoKeepTop);
  TcxTextRows rows;
  SetTextRowCount(rows, 3);
  GetTextRow(rows, 0).TextWidth = 80;
  PositionTextRows({0, 0, 50, 30}, params, 3, rows);
  EXPECT_EQ(GetTextRow(rows, 0).TextOriginX, 0);
  EXPECT_EQ(GetTextRow(rows, 0).TextOriginY, 0);
  EXPECT_EQ(GetTextRow(rows, 1).TextOriginX, 50);
}

TEST(TextRowsTest, RowsBeyondTheInlineOnesLiveInTheDynamicPart) {
  TcxTextRows rows;
  SetTextRowCount(rows, 40);
  EXPECT_EQ(rows.Dynamic.size(), 12u) << "8 rows and 4 spare";
  for (int i = 0; i < 40; ++i) GetTextRow(rows, i).TextWidth = i == 35 ? 99 : i;
  EXPECT_EQ(GetWidestRowWidth(rows, 40), 99);
  EXPECT_EQ(GetWidestRowWidth(rows, 30), 29);
  EXPECT_EQ(GetWidestRowWidth(rows, 100), 99);
  SetTextRowCount(rows, 41);
  EXPECT_EQ(rows.Dynamic.size(), 12u);
  EXPECT_EQ(GetTextRow(rows, 40).TextWidth, 0) << "the new last row starts cleared";
  ClearTextRows(rows);
  EXPECT_EQ(GetTextRowCount(rows), 0);
  EXPECT_TRUE(rows.Dynamic.empty());
  // Many rows through the row maker.
  std::wstring text;
  for (int i = 0; i < 100; ++i) text += L"视";
  EXPECT_EQ(Layout(text, cxtoWordBreak, {0, 0, 12, 0x7FFFFFF}).Rows.size(), 100u);
}

TEST(TextParamsTest, MetricsFlagsAndFactorGiveTheParameters) {
  TcxTextParams p;
  const TcxTextMetrics metrics{15, 3, 700, L' ', 20, 134};
  InitTextParamsFromMetrics(metrics, cxtoCenterHorizontally | cxtoBottom | cxtoEndEllipsis | cxtoExternalLeading, 1.5,
                            9, 1, 6, false, p);
  EXPECT_EQ(p.RowPitch, 27);  // (15 + 3) * 1.5
  EXPECT_EQ(p.ExternalLeading, 3);
  EXPECT_EQ(p.EndEllipsisWidth, 9);
  EXPECT_TRUE(p.Bold);
  EXPECT_EQ(p.HorzAlignment, taCenterX);
  EXPECT_EQ(p.VertAlignment, taBottom);
  EXPECT_FALSE(p.CharBreak);
  InitTextParamsFromMetrics(metrics, 0, 1.5, 9, 1, 6, true, p);
  EXPECT_EQ(p.RowPitch, 22) << "22.5 rounds to the even neighbour";
  EXPECT_EQ(p.ExternalLeading, 0);
  EXPECT_EQ(p.EndEllipsisWidth, 0);
  EXPECT_TRUE(p.CharBreak) << "an East-Asian locale breaks inside words";
  InitTextParamsFromMetrics({17, 0, 400, L' ', 8, 0}, 0, 1.5, 9, 1, 6, false, p);
  EXPECT_EQ(p.RowPitch, 26) << "25.5 rounds to the even neighbour";
  // Patterned text only for a font less than six pixels high.
  InitTextParamsFromMetrics({5, 0, 400, L' ', 4, 0}, cxtoPatternedText, 1.0, 3, 1, 6, false, p);
  EXPECT_TRUE(p.PatternedText);
  InitTextParamsFromMetrics({6, 0, 400, L' ', 4, 0}, cxtoPatternedText, 1.0, 3, 1, 6, false, p);
  EXPECT_FALSE(p.PatternedText);
  // A factor no pitch can follow leaves it unscaled instead of raising.
  InitTextParamsFromMetrics({16, 0, 400, L' ', 4, 0}, 0, 1e300, 3, 1, 6, false, p);
  EXPECT_EQ(p.RowPitch, 16);
}

TEST(TextParamsTest, PreparingAndUnpreparingTheTextRectangleCancel) {
  TcxTextParams p = Params(cxtoAutoIndents);
  p.OnePixel = 2;
  const TRect r{10, 20, 200, 100};
  const TRect prepared = PrepareTextRect(r, p, 3, 5);
  EXPECT_EQ(prepared, (TRect{10 + 4 + 6, 24, 200 - 4 - 10, 96}));
  EXPECT_EQ(UnprepareTextRect(prepared, p, 3, 5), r);
  TcxTextParams plain = Params(0);
  EXPECT_EQ(PrepareTextRect(r, plain, 0, 0), r);
}

TEST(TextRowsTest, FittingFindsTheLongestPrefixWithoutMeasuringTheWhole) {
  TTableMeasurer m;
  const std::wstring text = L"abcdefghij";
  EXPECT_EQ(FitTextLength(m, text.c_str(), 10, false, 30), 5);
  EXPECT_EQ(FitTextLength(m, text.c_str(), 10, false, 1000), 9) << "the whole text is taken not to fit";
  EXPECT_EQ(FitTextLength(m, text.c_str(), 10, false, 0), 1);
  EXPECT_EQ(FitTextLength(m, text.c_str(), 0, false, 100), 0);
  EXPECT_LE(m.Calls, 12);
}

TEST(TextRowsTest, EmptyTextsAndUnusableWidthsEndAtOnce) {
  TTableMeasurer m;
  TcxTextParams p = Params(cxtoWordBreak | cxtoCharBreak);
  TcxTextRows rows;
  int count = -1;
  EXPECT_TRUE(BuildTextRows(m, L"", 0, 0, count, rows, p, {0, 0, 10, 10}));
  EXPECT_EQ(count, 0);
  // A rectangle of negative width still makes progress, a character a row.
  const std::wstring text = L"ab cd";
  BuildTextRows(m, text.c_str(), int(text.size()), 0, count, rows, p, {10, 0, 0, 1000});
  EXPECT_EQ(count, 5);
}

}  // namespace
