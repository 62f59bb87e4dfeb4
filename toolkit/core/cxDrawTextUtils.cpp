#include "cxDrawTextUtils.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "SysUtils.h"

namespace {

constexpr bool IsSpaceOrTab(wchar_t C) { return C == L' ' || C == L'\t'; }
constexpr bool IsLineBreakChar(wchar_t C) { return C == L'\r' || C == L'\n'; }
constexpr bool IsHighSurrogate(wchar_t C) { return C >= 0xD800 && C <= 0xDBFF; }
constexpr bool IsLowSurrogate(wchar_t C) { return C >= 0xDC00 && C <= 0xDFFF; }

int ClampToInt(std::int64_t V) {
  return int(std::clamp<std::int64_t>(V, INT32_MIN, INT32_MAX));
}

// Sorted, for a binary search; U+FFE0..U+FFFF are tested as a range.
constexpr wchar_t CannotStartChars[] = {
    0x0021, 0x0025, 0x0029, 0x002C, 0x002E, 0x003A, 0x003B, 0x003E, 0x003F, 0x005D, 0x007D, 0x00A8, 0x00B0,
    0x00B7, 0x02C7, 0x02C9, 0x2013, 0x2014, 0x2015, 0x2016, 0x2018, 0x2019, 0x201D, 0x2022, 0x2025, 0x2026,
    0x2027, 0x2032, 0x2033, 0x2103, 0x2236, 0x2574, 0x3001, 0x3002, 0x3003, 0x3005, 0x3009, 0x300B, 0x300D,
    0x300F, 0x3011, 0x3015, 0x3017, 0x301E, 0x309B, 0x309C, 0xFE30, 0xFE31, 0xFE33, 0xFE34, 0xFE36, 0xFE38,
    0xFE3A, 0xFE3C, 0xFE3E, 0xFE40, 0xFE42, 0xFE44, 0xFE4F, 0xFE50, 0xFE51, 0xFE52, 0xFE54, 0xFE55, 0xFE56,
    0xFE57, 0xFE5A, 0xFE5C, 0xFE5E, 0xFF01, 0xFF02, 0xFF05, 0xFF07, 0xFF09, 0xFF0C, 0xFF0D, 0xFF0E, 0xFF1A,
    0xFF1B, 0xFF1E, 0xFF1F, 0xFF3D, 0xFF5C, 0xFF5D, 0xFF5E, 0xFF61, 0xFF63, 0xFF64, 0xFF9E, 0xFF9F};
static_assert(std::is_sorted(std::begin(CannotStartChars), std::end(CannotStartChars)));

// Whether a character takes two bytes in the system's ANSI code page. Asked
// once per character and code page: rows ask it of every character they scan.
bool TakesTwoAnsiBytes(wchar_t C) {
  if ((std::uint32_t(C) >> 16) != 0) return StringToAnsi(String(1, C)).size() > 1;  // native builds only
  static std::vector<std::uint8_t> known;  // 0 not asked yet, 1 one byte, 2 two bytes
  static unsigned knownCodePage = 0;
  const unsigned codePage = DefaultSystemCodePage();
  if (known.empty() || knownCodePage != codePage) {
    known.assign(0x10000, 0);
    knownCodePage = codePage;
  }
  std::uint8_t& answer = known[unsigned(C)];
  if (!answer) answer = StringToAnsi(String(1, C), codePage).size() > 1 ? 2 : 1;
  return answer == 2;
}

// Makes the rows of one text: the options BuildTextRows derives once.
class TRowMaker {
 public:
  TRowMaker(TcxTextMeasurer& AMeasurer, const wchar_t* AText, int ALength, const TcxTextParams& AParams, int AWidth)
      : FMeasurer(AMeasurer), FText(AText), FLength(ALength), FParams(AParams), FWidth(AWidth) {
    const bool justified = AParams.HorzAlignment == taJustifyX || AParams.HorzAlignment == taJustifyAllX;
    FWordWrap = !AParams.SingleLine && (AParams.WordBreak || justified);
    FCharBreak = FWordWrap && (AParams.CharBreak || AParams.EditControl);
    FEllipsisMayShorten = AParams.EndEllipsis && !AParams.NoClip && !AParams.CalcRect && !AParams.CalcRowCount &&
                          !justified;
  }

  // Fills ARow from AStart; answers where the next row starts.
  int BuildOneRow(int AStart, bool ALast, TcxTextRow& ARow) {
    int word = AStart, rowEnd = FLength, next = FLength, words = 0, widthSoFar = 0;
    bool broken = false;
    for (;;) {
      const int end = FParams.CalcRect || !FWordWrap ? NextLineBreak(word) : FindWordEnd(FText, word, FLength);
      if (FWordWrap && end > word) {
        const int width = Measure(AStart, end - AStart).cx;
        if (width > FWidth) {
          if (words > 0 && !(ALast && FEllipsisMayShorten)) {
            rowEnd = next = word;
            broken = true;
          } else if (FCharBreak) {
            // A cut inside a word: no break, so nothing is skipped after it.
            rowEnd = next = word + CutLength(word, end - word, FWidth - widthSoFar);
          } else {
            // A line break right after it goes with it, so no empty row follows.
            rowEnd = end;
            next = SkipLineBreak(end);
            broken = next == end;
          }
          break;
        }
        widthSoFar = width;
      }
      if (end < FLength && IsLineBreakChar(FText[end])) {
        rowEnd = end;
        next = SkipLineBreak(end);
        break;
      }
      if (end >= FLength) break;
      ++words;
      word = end;
    }
    if (broken && next < FLength) SkipAtBreak(AStart, rowEnd, next);
    const std::uint8_t align = FParams.HorzAlignment;
    if (align == taJustifyAllX || (align == taJustifyX && broken)) {
      while (rowEnd > AStart && IsSpaceOrTab(FText[rowEnd - 1])) --rowEnd;
      ARow.BreakCount = int(std::count_if(FText + AStart, FText + rowEnd, IsSpaceOrTab));
    }
    ARow.Text = FText + AStart;
    ARow.TextLength = rowEnd - AStart;
    return std::max(next, AStart + 1);
  }

  TSize Measure(int AStart, int ALength) {
    return FMeasurer.CalcTextExtent(FText + AStart, ALength, FParams.ExpandTabs);
  }

 private:
  int NextLineBreak(int AFrom) const {
    while (AFrom < FLength && !IsLineBreakChar(FText[AFrom])) ++AFrom;
    return AFrom;
  }

  // Past a CR, CR LF, LF or LF CR at AAt; AAt itself when there is none.
  int SkipLineBreak(int AAt) const {
    if (AAt >= FLength || !IsLineBreakChar(FText[AAt])) return AAt;
    const wchar_t first = FText[AAt++];
    if (AAt < FLength && IsLineBreakChar(FText[AAt]) && FText[AAt] != first) ++AAt;
    return AAt;
  }

  // The characters of a word that fit the width left. A mark that may not
  // start a row takes the character before it along; a pair of surrogates stays whole.
  int CutLength(int AWord, int ALength, int AWidthLeft) {
    int n = FitTextLength(FMeasurer, FText + AWord, ALength, FParams.ExpandTabs, AWidthLeft);
    while (n > 1 && n < ALength && CannotStartLine(FText[AWord + n])) --n;
    if (n < ALength && IsHighSurrogate(FText[AWord + n - 1]) && IsLowSurrogate(FText[AWord + n]))
      n = n > 1 ? n - 1 : n + 1;
    return n;
  }

  // The spaces a wrapped row leaves out, by alignment.
  void SkipAtBreak(int AStart, int& ARowEnd, int& ANext) const {
    switch (FParams.HorzAlignment) {
      case taLeft:
        if (IsSpaceOrTab(FText[ANext])) ++ANext;
        break;
      case taCenterX:
        if (ARowEnd > AStart && IsSpaceOrTab(FText[ARowEnd - 1])) --ARowEnd;
        if (IsSpaceOrTab(FText[ANext])) ++ANext;
        break;
      case taRight:
        if (ARowEnd > AStart && IsSpaceOrTab(FText[ARowEnd - 1])) --ARowEnd;
        break;
      default: break;
    }
    if (FParams.SkipSpacesAfterBreak)
      while (ANext < FLength && FText[ANext] == L' ') ++ANext;
  }

  TcxTextMeasurer& FMeasurer;
  const wchar_t* FText;
  int FLength;
  const TcxTextParams& FParams;
  int FWidth;
  bool FWordWrap, FCharBreak, FEllipsisMayShorten;
};

}  // namespace

// --- Parameters ---------------------------------------------------------------------------

void InitTextParamsFromMetrics(const TcxTextMetrics& AMetrics, TcxTextLayoutFlags AFlags, double ALineSpacingFactor,
                               int AEllipsisWidth, int AOnePixel, int ASixPixels, bool AFarEast,
                               TcxTextParams& AParams) {
  TcxTextParams& p = AParams;
  p = TcxTextParams{};
  p.RowHeight = AMetrics.Height;
  p.IncludeExternalLeading = (AFlags & cxtoExternalLeading) != 0;
  p.ExternalLeading = p.IncludeExternalLeading ? AMetrics.ExternalLeading : 0;
  // A factor no row pitch can follow (not finite, absurdly large) leaves the pitch unscaled.
  double pitch = double(p.RowHeight + p.ExternalLeading) * ALineSpacingFactor;
  if (!std::isfinite(pitch) || std::fabs(pitch) > 1e6) pitch = p.RowHeight + p.ExternalLeading;
  p.RowPitch = int(Round(pitch));
  p.EndEllipsis = (AFlags & cxtoEndEllipsis) != 0;
  p.EndEllipsisWidth = p.EndEllipsis ? AEllipsisWidth : 0;
  p.Bold = AMetrics.Weight >= 700;
  p.BreakChar = AMetrics.BreakChar;
  p.HorzAlignment = std::uint8_t(AFlags & cxtoHorzAlignmentMask);
  p.VertAlignment = std::uint8_t((AFlags & cxtoVertAlignmentMask) >> 4);
  p.WordBreak = (AFlags & cxtoWordBreak) != 0;
  p.SingleLine = (AFlags & cxtoSingleLine) != 0;
  p.ExpandTabs = (AFlags & cxtoExpandTabs) != 0;
  p.EditControl = (AFlags & cxtoEditControl) != 0;
  p.SkipSpacesAfterBreak = (AFlags & cxtoSkipSpacesAfterBreak) != 0;
  p.NoClip = (AFlags & cxtoNoClip) != 0;
  p.AutoIndents = (AFlags & cxtoAutoIndents) != 0;
  p.PatternedText = (AFlags & cxtoPatternedText) != 0 && p.RowHeight < ASixPixels;
  p.KeepLeft = (AFlags & cxtoKeepLeft) != 0;
  p.KeepTop = (AFlags & cxtoKeepTop) != 0;
  p.CharBreak = (AFlags & cxtoCharBreak) != 0 || AFarEast;
  p.CalcRowCount = (AFlags & cxtoCalcRowCount) != 0;
  p.CalcRect = (AFlags & cxtoCalcRect) != 0;
  p.MaxCharWidth = AMetrics.MaxCharWidth;
  p.CharSet = AMetrics.CharSet;
  p.OnePixel = AOnePixel;
  p.HidePrefix = (AFlags & cxtoHidePrefix) != 0;
}

// --- Rows ---------------------------------------------------------------------------------

void SetTextRowCount(TcxTextRows& ARows, int ACount) {
  ACount = std::max(ACount, 0);
  ARows.Count = ACount;
  if (ACount > cxInlineTextRowCount && int(ARows.Dynamic.size()) < ACount - cxInlineTextRowCount)
    ARows.Dynamic.resize(std::size_t(ACount - cxInlineTextRowCount + 4));
  if (ACount > 0) GetTextRow(ARows, ACount - 1) = TcxTextRow{};
}

TcxTextRow& GetTextRow(TcxTextRows& ARows, int AIndex) {
  return AIndex < cxInlineTextRowCount ? ARows.Inline[AIndex] : ARows.Dynamic[std::size_t(AIndex - cxInlineTextRowCount)];
}

const TcxTextRow& GetTextRow(const TcxTextRows& ARows, int AIndex) {
  return AIndex < cxInlineTextRowCount ? ARows.Inline[AIndex] : ARows.Dynamic[std::size_t(AIndex - cxInlineTextRowCount)];
}

int GetTextRowCount(const TcxTextRows& ARows) { return ARows.Count; }

void ClearTextRows(TcxTextRows& ARows) {
  ARows.Count = 0;
  TcxDynamicTextRows().swap(ARows.Dynamic);
}

int GetWidestRowWidth(const TcxTextRows& ARows, int ACount) {
  int widest = 0;
  for (int i = 0; i < std::min(ACount, ARows.Count); ++i) widest = std::max(widest, GetTextRow(ARows, i).TextWidth);
  return widest;
}

// --- Characters ---------------------------------------------------------------------------

bool IsFullWidthChar(wchar_t C) {
  const unsigned c = unsigned(C);
  if (c < 128) return false;
  if ((c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3040 && c <= 0x309F) || (c >= 0x30A0 && c <= 0x30FF) ||
      (c >= 0xAC00 && c <= 0xD7A3))
    return true;
  return TakesTwoAnsiBytes(C);
}

bool CannotStartLine(wchar_t C) {
  const std::uint32_t c = std::uint32_t(C);
  if (c >= 0xFFE0 && (c >> 16) == 0) return true;
  return std::binary_search(std::begin(CannotStartChars), std::end(CannotStartChars), C);
}

int FindWordEnd(const wchar_t* AText, int AStart, int AEnd) {
  if (AStart >= AEnd) return AEnd;
  const wchar_t first = AText[AStart];
  if (IsSpaceOrTab(first)) return AStart + 1;
  if (IsLineBreakChar(first)) return AStart;
  int i = AStart + 1;
  if (!IsFullWidthChar(first)) {
    while (i < AEnd && !IsSpaceOrTab(AText[i]) && !IsLineBreakChar(AText[i]) && !IsFullWidthChar(AText[i])) ++i;
    // A full-width mark that may not start a row ends the word it follows,
    // so it never starts the next row ("Vamire，" stays whole).
    if (i == AEnd || !IsFullWidthChar(AText[i]) || !CannotStartLine(AText[i])) return i;
    ++i;
  }
  // The marks after a full-width character go with it, however many there are.
  while (i < AEnd && CannotStartLine(AText[i])) ++i;
  return i;
}

// --- Measuring ----------------------------------------------------------------------------

int FitTextLength(TcxTextMeasurer& AMeasurer, const wchar_t* AText, int ALength, bool AExpandTabs, int AWidth) {
  if (ALength <= 0) return 0;
  // The whole text is taken not to fit: only its prefixes are measured.
  int lo = 0, hi = ALength;
  while (hi - lo > 1) {
    const int mid = lo + (hi - lo) / 2;
    if (AMeasurer.CalcTextExtent(AText, mid, AExpandTabs).cx > AWidth) hi = mid;
    else lo = mid;
  }
  return std::max(lo, 1);
}

// --- Making and placing rows --------------------------------------------------------------

bool BuildTextRows(TcxTextMeasurer& AMeasurer, const wchar_t* AText, int ALength, int AMaxRowCount,
                   int& ARowCount, TcxTextRows& ARows, const TcxTextParams& AParams, const TRect& R) {
  ClearTextRows(ARows);
  ARowCount = 0;
  if (!AText || ALength <= 0) return true;
  const int width = ClampToInt(std::int64_t(R.Right) - R.Left);
  TRowMaker maker(AMeasurer, AText, ALength, AParams, width);
  if (AParams.CalcRect && AParams.SingleLine) {
    SetTextRowCount(ARows, 1);
    TcxTextRow& row = GetTextRow(ARows, 0);
    const TSize size = maker.Measure(0, ALength);
    row = TcxTextRow{AText, ALength, size.cx, size.cy, 0, 0, 0, 0};
    ARowCount = 1;
    return true;
  }
  const std::int64_t height = std::int64_t(R.Bottom) - R.Top;
  const bool limitedByHeight = AParams.VertAlignment == taTop && !AParams.CalcRect && !AParams.CalcRowCount;
  std::int64_t usedHeight = 0;
  int start = 0;
  bool last = false;
  while (start < ALength && !last) {
    SetTextRowCount(ARows, ARows.Count + 1);
    usedHeight += AParams.RowPitch;
    if (AParams.SingleLine || (AMaxRowCount > 0 && ARows.Count >= AMaxRowCount)) last = true;
    else if (limitedByHeight && AParams.EditControl && !AParams.NoClip) last = height < usedHeight + AParams.RowPitch;
    // A row that ends exactly at the bottom is the last: the next would lie
    // wholly outside, and the text left over must still count as not fitting.
    else if (limitedByHeight) last = height <= usedHeight;
    TcxTextRow& row = GetTextRow(ARows, ARows.Count - 1);
    const int next = maker.BuildOneRow(start, last, row);
    row.StartOffset = start;
    const TSize size = maker.Measure(start, row.TextLength);
    row.TextWidth = size.cx;
    row.TextHeight = size.cy;
    start = next;
  }
  ARowCount = ARows.Count;
  if (start < ALength) return false;
  const bool calculating = AParams.CalcRect || AParams.CalcRowCount;
  return !(!calculating && AParams.SingleLine && GetTextRow(ARows, ARows.Count - 1).TextWidth > width);
}

int RowOriginX(const TRect& R, const TcxTextParams& AParams, int AWidth) {
  std::int64_t x = R.Left;
  if (AParams.HorzAlignment == taCenterX) x = R.Left + (std::int64_t(R.Right) - R.Left - AWidth) / 2;
  else if (AParams.HorzAlignment == taRight) x = std::int64_t(R.Right) - AWidth;
  if (AParams.KeepLeft) x = std::max<std::int64_t>(x, R.Left);
  return ClampToInt(x);
}

void PositionTextRows(const TRect& R, TcxTextParams& AParams, int ARowCount, TcxTextRows& ARows) {
  const int count = std::min(ARowCount, ARows.Count);
  if (count <= 0) return;
  std::int64_t extraPixels = 0;
  if (AParams.VertAlignment == taDistributeY && count > 1) {
    const std::int64_t gaps = count - 1, free = std::int64_t(R.Bottom) - R.Top - AParams.RowHeight;
    if (AParams.RowHeight * gaps < free) {
      AParams.RowPitch = ClampToInt(free / gaps);
      extraPixels = free % gaps;
    }
  }
  const std::int64_t pitch = AParams.RowPitch, rowsHeight = pitch * count;
  std::int64_t y = R.Top;
  if (AParams.VertAlignment == taCenterY) y = R.Top + (std::int64_t(R.Bottom) - R.Top - rowsHeight) / 2;
  else if (AParams.VertAlignment == taBottom) y = R.Bottom - rowsHeight + AParams.ExternalLeading;
  if (AParams.KeepTop) y = std::max<std::int64_t>(y, R.Top);
  for (int i = 0; i < count; ++i) {
    TcxTextRow& row = GetTextRow(ARows, i);
    row.TextOriginX = RowOriginX(R, AParams, row.TextWidth);
    row.TextOriginY = ClampToInt(y);
    y += pitch;
    if (extraPixels > 0) {
      ++y;
      --extraPixels;
    }
  }
}

TRect PrepareTextRect(const TRect& R, const TcxTextParams& AParams, int ALeftIndent, int ARightIndent) {
  TRect r = R;
  if (AParams.AutoIndents) {
    const int indent = 2 * AParams.OnePixel;
    r = TRect{r.Left + indent, r.Top + indent, r.Right - indent, r.Bottom - indent};
  }
  r.Left += ALeftIndent * AParams.OnePixel;
  r.Right -= ARightIndent * AParams.OnePixel;
  return r;
}

TRect UnprepareTextRect(const TRect& R, const TcxTextParams& AParams, int ALeftIndent, int ARightIndent) {
  TRect r = R;
  r.Left -= ALeftIndent * AParams.OnePixel;
  r.Right += ARightIndent * AParams.OnePixel;
  if (AParams.AutoIndents) {
    const int indent = 2 * AParams.OnePixel;
    r = TRect{r.Left - indent, r.Top - indent, r.Right + indent, r.Bottom + indent};
  }
  return r;
}
