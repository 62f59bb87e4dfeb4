// Multi-line text laid out by the toolkit's own rules instead of DrawText's:
// rows made for a width (words, East-Asian characters that each make a word,
// and the marks that may not start a row), placed in a rectangle, then drawn
// with justification, an end ellipsis, a highlighted range or as hatched bars
// (platform/cxDrawTextUtils_win.h). Making and placing rows only measures, and
// measuring goes through TcxTextMeasurer, so this part needs no device context.
#pragma once

#include <cstdint>
#include <vector>

#include "System.h"
#include "Types.h"

// --- Layout flags -------------------------------------------------------------------------
// One 32-bit word, as callers build it from their own settings.
using TcxTextLayoutFlags = std::uint32_t;
constexpr TcxTextLayoutFlags cxtoLeft = 0x0;
constexpr TcxTextLayoutFlags cxtoCenterHorizontally = 0x1;
constexpr TcxTextLayoutFlags cxtoRight = 0x2;
constexpr TcxTextLayoutFlags cxtoJustify = 0x3;     // every row but a paragraph's last
constexpr TcxTextLayoutFlags cxtoJustifyAll = 0x4;  // every row
constexpr TcxTextLayoutFlags cxtoHorzAlignmentMask = 0x7;
constexpr TcxTextLayoutFlags cxtoTop = 0x00;
constexpr TcxTextLayoutFlags cxtoCenterVertically = 0x10;
constexpr TcxTextLayoutFlags cxtoBottom = 0x20;
constexpr TcxTextLayoutFlags cxtoDistribute = 0x30;
constexpr TcxTextLayoutFlags cxtoVertAlignmentMask = 0x30;
constexpr TcxTextLayoutFlags cxtoWordBreak = 0x100;
constexpr TcxTextLayoutFlags cxtoSingleLine = 0x200;  // wins over word break
constexpr TcxTextLayoutFlags cxtoExpandTabs = 0x400;
constexpr TcxTextLayoutFlags cxtoEndEllipsis = 0x800;
constexpr TcxTextLayoutFlags cxtoPatternedText = 0x1000;  // hatched bars when the font is too small to read
constexpr TcxTextLayoutFlags cxtoExternalLeading = 0x2000;
constexpr TcxTextLayoutFlags cxtoEditControl = 0x4000;  // breaks inside long words, only whole rows shown
constexpr TcxTextLayoutFlags cxtoNoClip = 0x8000;
constexpr TcxTextLayoutFlags cxtoAutoIndents = 0x10000;  // 2 pixels on every side
constexpr TcxTextLayoutFlags cxtoCharBreak = 0x20000;    // break inside words
constexpr TcxTextLayoutFlags cxtoKeepLeft = 0x40000;
constexpr TcxTextLayoutFlags cxtoKeepTop = 0x80000;
constexpr TcxTextLayoutFlags cxtoCalcRect = 0x100000;
constexpr TcxTextLayoutFlags cxtoCalcRowCount = 0x200000;
constexpr TcxTextLayoutFlags cxtoHidePrefix = 0x1000000;
constexpr TcxTextLayoutFlags cxtoSkipSpacesAfterBreak = 0x2000000;

// Horizontal and vertical alignment as the parameters hold them.
constexpr std::uint8_t taLeft = 0, taCenterX = 1, taRight = 2, taJustifyX = 3, taJustifyAllX = 4;
constexpr std::uint8_t taTop = 0, taCenterY = 1, taBottom = 2, taDistributeY = 3;

// --- Parameters ---------------------------------------------------------------------------
struct TcxTextParams {
  int RowHeight = 0;         // the font's height
  int ExternalLeading = 0;   // the font's, when the flags ask for it
  int RowPitch = 0;          // row height and leading times the line-spacing factor
  int EndEllipsisWidth = 0;  // of "...", when the flags ask for an ellipsis
  bool Bold = false;
  wchar_t BreakChar = L' ';
  std::uint8_t HorzAlignment = taLeft;
  std::uint8_t VertAlignment = taTop;
  bool WordBreak = false;
  bool SingleLine = false;
  bool ExpandTabs = false;
  bool EndEllipsis = false;
  bool IncludeExternalLeading = false;
  bool EditControl = false;
  bool SkipSpacesAfterBreak = false;
  bool NoClip = false;
  bool AutoIndents = false;
  bool PatternedText = false;
  bool KeepLeft = false;
  bool KeepTop = false;
  bool CharBreak = false;
  bool CalcRowCount = false;
  bool CalcRect = false;
  int MaxCharWidth = 0;
  std::uint8_t CharSet = 0;
  int OnePixel = 1;  // one device pixel in logical units
  bool HidePrefix = false;
};

// What InitTextParams reads from a device context.
struct TcxTextMetrics {
  int Height = 0;
  int ExternalLeading = 0;
  int Weight = 0;
  wchar_t BreakChar = L' ';
  int MaxCharWidth = 0;
  std::uint8_t CharSet = 0;
};

// The parameters of a font's metrics, the flags and a line-spacing factor.
// AEllipsisWidth is the width of "..."; ASixPixels is the height of six device
// pixels in logical units; AFarEast tells that the system's locale breaks
// inside words anyway.
void InitTextParamsFromMetrics(const TcxTextMetrics& AMetrics, TcxTextLayoutFlags AFlags, double ALineSpacingFactor,
                               int AEllipsisWidth, int AOnePixel, int ASixPixels, bool AFarEast,
                               TcxTextParams& AParams);

// --- Rows ---------------------------------------------------------------------------------
struct TcxTextRow {
  const wchar_t* Text = nullptr;  // the row's first character
  int TextLength = 0;
  int TextWidth = 0;
  int TextHeight = 0;
  int BreakCount = 0;  // spaces and tabs, for justification
  int TextOriginX = 0;
  int TextOriginY = 0;
  int StartOffset = 0;  // index of the first character in the whole text
};

using TcxDynamicTextRows = std::vector<TcxTextRow>;
constexpr int cxInlineTextRowCount = 32;

// The first 32 rows live inside the record, so most texts need no row
// allocation. Text keeps alive a wide text the rows point into when the
// caller handed over a byte string.
struct TcxTextRows {
  int Count = 0;
  String Text;
  TcxTextRow Inline[cxInlineTextRowCount];
  TcxDynamicTextRows Dynamic;  // rows 33 and up
};

// Sets the count, grows the dynamic part (with 4 spare rows) when too small and clears the last row.
void SetTextRowCount(TcxTextRows& ARows, int ACount);
TcxTextRow& GetTextRow(TcxTextRows& ARows, int AIndex);
const TcxTextRow& GetTextRow(const TcxTextRows& ARows, int AIndex);
int GetTextRowCount(const TcxTextRows& ARows);
// The count 0 and the dynamic part freed; the kept text stays.
void ClearTextRows(TcxTextRows& ARows);
// The greatest width among the first min(N, count) rows.
int GetWidestRowWidth(const TcxTextRows& ARows, int ACount);

// --- Characters ---------------------------------------------------------------------------
// Ideographs, kana and hangul, and whatever takes two bytes in the system's ANSI code page.
bool IsFullWidthChar(wchar_t C);
// Closing marks and the like, which a row may not start with.
bool CannotStartLine(wchar_t C);
// The end of the word from AStart: a space or tab is a word of its own, a
// full-width character too, each taking along the marks after it that may
// not start a row; a line break ends a word before it.
int FindWordEnd(const wchar_t* AText, int AStart, int AEnd);

// --- Measuring ----------------------------------------------------------------------------
// How the rows are measured: a device context's font on the platform, a
// table of widths in tests.
class TcxTextMeasurer {
 public:
  // The extent of ALength characters, tabs expanded at the default stops
  // when AExpandTabs; 0, 0 when they cannot be measured.
  virtual TSize CalcTextExtent(const wchar_t* AText, int ALength, bool AExpandTabs) = 0;

 protected:
  ~TcxTextMeasurer() = default;
};

// How many of ALength characters fit AWidth (binary search; at least 1 when there are any).
int FitTextLength(TcxTextMeasurer& AMeasurer, const wchar_t* AText, int ALength, bool AExpandTabs, int AWidth);

// --- Making and placing rows --------------------------------------------------------------
// The rows of a text for R's width and (top-aligned) height; at most
// AMaxRowCount rows when it is above 0. True when the whole text fits.
bool BuildTextRows(TcxTextMeasurer& AMeasurer, const wchar_t* AText, int ALength, int AMaxRowCount,
                   int& ARowCount, TcxTextRows& ARows, const TcxTextParams& AParams, const TRect& R);
// X and Y of the first ARowCount rows by the alignments; distributing rows
// stores the pitch it chose in AParams.
void PositionTextRows(const TRect& R, TcxTextParams& AParams, int ARowCount, TcxTextRows& ARows);
// The rectangle text is laid out in: automatic indents and the left and right
// indents (in pixels) taken off R. UnprepareTextRect undoes it.
TRect PrepareTextRect(const TRect& R, const TcxTextParams& AParams, int ALeftIndent, int ARightIndent);
TRect UnprepareTextRect(const TRect& R, const TcxTextParams& AParams, int ALeftIndent, int ARightIndent);
// Where a row of AWidth starts in R by the horizontal alignment.
int RowOriginX(const TRect& R, const TcxTextParams& AParams, int AWidth);
