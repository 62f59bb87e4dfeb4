// Text layout on device contexts: parameters, measuring, drawing placed rows
// and the one-call routine; the text output calls for both kinds of system.
#include "cxDrawTextUtils_win.h"

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <vector>

#include "cxControlsBase.h"
#include "cxGraphics_win.h"
#include "dxCore.h"

namespace {

// Normal text is hatched as a checker, bold text solid.
HBRUSH GHatchBrushes[2] = {nullptr, nullptr};

constexpr wchar_t Ellipsis[] = L"...";
constexpr int EllipsisLength = 3;
constexpr int MaxTabbedLength = 4096;

int TextCount(const wchar_t* AText, int ACount) { return ACount < 0 ? int(std::wcslen(AText)) : ACount; }

bool IsUsableColor(TColor AColor) { return AColor != clNone && AColor != clDefault; }

COLORREF AsColorRef(TColor AColor) { return COLORREF(ColorToRGB(AColor)) & 0xFFFFFFu; }

// The width of DrawText's single-line measure of the text with tabs expanded.
int DrawTextWidth(HDC DC, const wchar_t* AText, int ALength, int* AHeight = nullptr) {
  TRect r{};
  const int height = WideDrawText(DC, AText, ALength, r, DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | DT_SINGLELINE);
  if (AHeight) *AHeight = height;
  return r.Right - r.Left;
}

// The widths of a row's prefixes: AWidths[k] is the extent of its first k characters.
std::vector<int> PrefixWidths(HDC DC, const TcxTextRow& ARow) {
  std::vector<int> widths(std::size_t(ARow.TextLength) + 1, 0);
  int fit = 0;
  TSize size;
  if (!WideGetTextExtentEx(DC, ARow.Text, ARow.TextLength, INT_MAX, &fit, widths.data() + 1, size))
    std::fill(widths.begin(), widths.end(), 0);
  return widths;
}

// The highlight measures from a row's right end only for text that runs from
// right to left; Chinese text reads from the left like any other.
bool RowReadsFromRight(std::uint8_t ACharset, const TcxTextRow& ARow) {
  const int charset = ACharset == DEFAULT_CHARSET ? GetDefFontCharSet() : ACharset;
  return charset == ARABIC_CHARSET && IsMultiByteCharsetText(charset, String(ARow.Text, std::size_t(ARow.TextLength)));
}

bool IsMetafileDC(HDC DC) {
  const DWORD type = GetObjectType(DC);
  return type == OBJ_METADC || type == OBJ_METAFILE || type == OBJ_ENHMETADC || type == OBJ_ENHMETAFILE;
}

// Draws the rows of OutputTextRowsHighlighted; one per call.
class TRowPainter {
 public:
  TRowPainter(HDC DC, const TRect& R, const TcxTextParams& AParams, bool AForceEllipsis, TColor AHighlightTextColor,
              HBRUSH AHighlightBrush, int AHighlightStart, int AHighlightLength)
      : FDC(DC), FR(R), FParams(AParams), FForceEllipsis(AForceEllipsis), FHighlightBrush(AHighlightBrush),
        FHighlightStart(AHighlightStart), FHighlightLength(AHighlightLength), FMetafile(IsMetafileDC(DC)) {
    FHighlightText = IsUsableColor(AHighlightTextColor);
    if (FHighlightText) FHighlightTextColor = AsColorRef(AHighlightTextColor);
  }

  void Paint(TcxTextRow& ARow, bool ALast) {
    const TRect rowRect{FR.Left, ARow.TextOriginY, FR.Right, ARow.TextOriginY + FParams.RowPitch};
    if (ARow.TextLength <= 0) {
      if (FForceEllipsis && FParams.EndEllipsis && ALast) DrawEllipsis(ARow, rowRect);
      return;
    }
    if (!FMetafile && !RectVisible(FDC, AsRect(rowRect))) return;
    if (FParams.PatternedText) {
      PaintPattern(ARow, rowRect);
      return;
    }
    const int width = FR.Right - FR.Left;
    const bool ellipsis = FParams.EndEllipsis && ALast && (FForceEllipsis || ARow.TextWidth > width);
    const bool justified = FParams.HorzAlignment == taJustifyX || FParams.HorzAlignment == taJustifyAllX;
    const bool clipped =
        !FParams.NoClip && (ARow.TextWidth > width || rowRect.Top < FR.Top || rowRect.Bottom > FR.Bottom);
    const int saved = clipped || HasHighlight(ARow) ? SaveDC(FDC) : 0;
    if (clipped) IntersectClipRect(FDC, FR.Left, FR.Top, FR.Right, FR.Bottom);
    if (ellipsis) Shorten(ARow);
    const bool justify = justified && !ellipsis && width > ARow.TextWidth && ARow.BreakCount > 0;
    if (justify) Justify(ARow, width - ARow.TextWidth);
    bool ellipsisDue = ellipsis;
    if (HasHighlight(ARow)) PaintHighlight(ARow, rowRect, ellipsisDue);
    DrawRowText(ARow);
    if (ellipsisDue) DrawEllipsis(ARow, rowRect);
    if (justify) {
      SetTextJustification(FDC, 0, 0);
      FAdvances.clear();
    }
    if (saved) RestoreDC(FDC, saved);
  }

 private:
  bool HasHighlight(const TcxTextRow& ARow) const {
    return FHighlightLength > 0 && !FMetafile && FHighlightStart < ARow.StartOffset + ARow.TextLength &&
           FHighlightStart + FHighlightLength > ARow.StartOffset;
  }

  void PaintPattern(const TcxTextRow& ARow, const TRect& ARowRect) {
    TRect bar{ARow.TextOriginX, ARowRect.Top + FParams.OnePixel, std::min(ARow.TextOriginX + ARow.TextWidth, FR.Right),
              ARowRect.Bottom - FParams.OnePixel};
    if (bar.Bottom - bar.Top < FParams.OnePixel) bar.Bottom = bar.Top + FParams.OnePixel;
    const COLORREF oldBk = SetBkColor(FDC, GetSysColor(COLOR_WINDOW));
    FillRect(FDC, AsRect(bar), GHatchBrushes[FParams.Bold ? 1 : 0]);
    SetBkColor(FDC, oldBk);
  }

  // Keeps the characters that leave room for the ellipsis and places the row
  // again with the ellipsis counted in, so it ends the row whatever the alignment.
  void Shorten(TcxTextRow& ARow) {
    const int space = std::max(0, FR.Right - FR.Left - FParams.EndEllipsisWidth);
    int fit = 0;
    TSize size;
    if (!WideGetTextExtentEx(FDC, ARow.Text, ARow.TextLength, space, &fit, nullptr, size)) fit = 0;
    if (fit == 0 && FParams.HorzAlignment == taLeft) fit = 1;
    ARow.TextLength = std::min(fit, ARow.TextLength);
    ARow.TextWidth = CalcTextExtent(FDC, ARow.Text, ARow.TextLength, FParams.ExpandTabs).cx;
    ARow.TextOriginX = RowOriginX(FR, FParams, ARow.TextWidth + FParams.EndEllipsisWidth);
  }

  void PaintHighlight(const TcxTextRow& ARow, const TRect& ARowRect, bool& AEllipsisDue) {
    const int first = std::max(FHighlightStart, ARow.StartOffset) - ARow.StartOffset;
    const int last = std::min(FHighlightStart + FHighlightLength, ARow.StartOffset + ARow.TextLength) - ARow.StartOffset;
    const std::vector<int> widths = FAdvances.empty() ? PrefixWidths(FDC, ARow) : JustifiedPrefixWidths();
    TRect area{ARow.TextOriginX + widths[std::size_t(first)], ARowRect.Top,
               ARow.TextOriginX + widths[std::size_t(last)], ARowRect.Bottom};
    if (RowReadsFromRight(FParams.CharSet, ARow)) {
      const int rightEnd = ARow.TextOriginX + ARow.TextWidth;
      area.Left = rightEnd - widths[std::size_t(last)];
      area.Right = rightEnd - widths[std::size_t(first)];
    }
    // A highlight reaching the row's end takes the ellipsis with it.
    const bool withEllipsis = AEllipsisDue && last == ARow.TextLength;
    if (withEllipsis) area.Right = std::max(area.Right, ARow.TextOriginX + ARow.TextWidth + FParams.EndEllipsisWidth);
    const int saved = SaveDC(FDC);
    IntersectClipRect(FDC, area.Left, area.Top, area.Right, area.Bottom);
    if (FHighlightBrush) FillRect(FDC, AsRect(area), FHighlightBrush);
    if (FHighlightText) SetTextColor(FDC, FHighlightTextColor);
    DrawRowText(ARow);
    if (withEllipsis) {
      DrawEllipsis(ARow, ARowRect);
      AEllipsisDue = false;
    }
    RestoreDC(FDC, saved);
    ExcludeClipRect(FDC, area.Left, area.Top, area.Right, area.Bottom);
  }

  // The extra width goes to the spaces and tabs. The system's justification
  // stretches only the font's break character, which some fonts report as
  // another than the space; so rows are drawn with their advances, unless
  // tabs must expand.
  void Justify(const TcxTextRow& ARow, int AExtra) {
    if (FParams.ExpandTabs) {
      SetTextJustification(FDC, AExtra, ARow.BreakCount);
      return;
    }
    const std::vector<int> widths = PrefixWidths(FDC, ARow);
    FAdvances.resize(std::size_t(ARow.TextLength));
    int breaks = 0;
    for (int i = 0; i < ARow.TextLength; ++i) {
      int advance = widths[std::size_t(i) + 1] - widths[std::size_t(i)];
      if (ARow.Text[i] == L' ' || ARow.Text[i] == L'\t') {
        advance += AExtra / ARow.BreakCount + (breaks < AExtra % ARow.BreakCount ? 1 : 0);
        ++breaks;
      }
      FAdvances[std::size_t(i)] = advance;
    }
  }

  std::vector<int> JustifiedPrefixWidths() const {
    std::vector<int> widths(FAdvances.size() + 1, 0);
    for (std::size_t i = 0; i < FAdvances.size(); ++i) widths[i + 1] = widths[i] + FAdvances[i];
    return widths;
  }

  void DrawRowText(const TcxTextRow& ARow) {
    if (!FAdvances.empty())
      WideExtTextOut(FDC, ARow.TextOriginX, ARow.TextOriginY, 0, nullptr, ARow.Text, ARow.TextLength,
                     FAdvances.data());
    else if (FParams.ExpandTabs)
      WideTabbedTextOut(FDC, ARow.TextOriginX, ARow.TextOriginY, ARow.Text, ARow.TextLength, 0, nullptr,
                        ARow.TextOriginX);
    else
      WideTextOut(FDC, ARow.TextOriginX, ARow.TextOriginY, ARow.Text, ARow.TextLength);
  }

  // From the row's own end, so centred and right-aligned rows get it there too.
  void DrawEllipsis(const TcxTextRow& ARow, const TRect& ARowRect) {
    const int x = ARow.TextOriginX + ARow.TextWidth;
    if (x >= FR.Right) return;
    const bool clip = !FParams.NoClip && x + FParams.EndEllipsisWidth > FR.Right;
    WideExtTextOut(FDC, x, ARow.TextOriginY, clip ? ETO_CLIPPED : 0, &ARowRect, Ellipsis, EllipsisLength, nullptr);
  }

  HDC FDC;
  TRect FR;
  const TcxTextParams& FParams;
  bool FForceEllipsis;
  HBRUSH FHighlightBrush;
  int FHighlightStart, FHighlightLength;
  bool FMetafile;
  bool FHighlightText = false;
  COLORREF FHighlightTextColor = 0;
  std::vector<int> FAdvances;  // of a row drawn justified
};

// The DC's font and text colour, put back when the call ends however it ends.
class TKeptFontAndColor {
 public:
  explicit TKeptFontAndColor(HDC DC)
      : FDC(DC), FFont(GetCurrentObject(DC, OBJ_FONT)), FColor(GetTextColor(DC)) {}
  ~TKeptFontAndColor() {
    SelectObject(FDC, FFont);
    SetTextColor(FDC, FColor);
  }
  TKeptFontAndColor(const TKeptFontAndColor&) = delete;
  TKeptFontAndColor& operator=(const TKeptFontAndColor&) = delete;

 private:
  HDC FDC;
  HGDIOBJ FFont;
  COLORREF FColor;
};

// The rows go whatever happens.
struct TRowsCleared {
  TcxTextRows& Rows;
  ~TRowsCleared() { ClearTextRows(Rows); }
};

HBRUSH MakePatternBrush(WORD ARow0, WORD ARow1) {
  const WORD bits[8] = {ARow0, ARow1, ARow0, ARow1, ARow0, ARow1, ARow0, ARow1};
  HBITMAP bitmap = CreateBitmap(8, 8, 1, 1, bits);
  HBRUSH brush = CreatePatternBrush(bitmap);
  DeleteObject(bitmap);
  return brush;
}

}  // namespace

TSize TcxDCTextMeasurer::CalcTextExtent(const wchar_t* AText, int ALength, bool AExpandTabs) {
  return ::CalcTextExtent(FDC, AText, ALength, AExpandTabs);
}

// --- Parameters ---------------------------------------------------------------------------

bool IsFarEastLocale() { return GetSystemMetrics(SM_DBCSENABLED) != 0; }

void InitTextParams(HDC DC, TcxTextLayoutFlags AFlags, TcxTextParams& AParams, double ALineSpacingFactor) {
  TcxTextMetrics metrics;
  TEXTMETRICW tm{};
  TEXTMETRICA tma{};
  if (GetTextMetricsW(DC, &tm)) {
    metrics = {int(tm.tmHeight), int(tm.tmExternalLeading), int(tm.tmWeight), tm.tmBreakChar,
               int(tm.tmMaxCharWidth), tm.tmCharSet};
  } else if (GetTextMetricsA(DC, &tma)) {
    metrics = {int(tma.tmHeight), int(tma.tmExternalLeading), int(tma.tmWeight),
               wchar_t(static_cast<unsigned char>(tma.tmBreakChar)), int(tma.tmMaxCharWidth), tma.tmCharSet};
  }
  const int ellipsisWidth = AFlags & cxtoEndEllipsis ? CalcTextExtent(DC, Ellipsis, EllipsisLength, false).cx : 0;
  POINT onePixel[2] = {{0, 0}, {1, 1}}, sixPixels[2] = {{0, 0}, {0, 6}};
  DPtoLP(DC, onePixel, 2);
  DPtoLP(DC, sixPixels, 2);
  InitTextParamsFromMetrics(metrics, AFlags, ALineSpacingFactor, ellipsisWidth, std::abs(onePixel[1].x - onePixel[0].x),
                            std::abs(sixPixels[1].y - sixPixels[0].y), IsFarEastLocale(), AParams);
}

void InitTextParamsForCanvas(TCanvas* ACanvas, TcxTextLayoutFlags AFlags, TcxTextParams& AParams,
                             double ALineSpacingFactor) {
  ACanvas->RequiredState(TCanvasStates{csHandleValid, csFontValid});
  InitTextParams(ACanvas->Handle(), AFlags, AParams, ALineSpacingFactor);
}

// --- Measuring ----------------------------------------------------------------------------

TSize CalcTextExtent(HDC DC, const wchar_t* AText, int ALength, bool AExpandTabs) {
  ALength = std::max(ALength, 0);
  TSize size;
  if (!AExpandTabs) {
    if (!WideGetTextExtent(DC, AText, ALength, size)) return TSize{};
    return size;
  }
  if (ALength > MaxTabbedLength - 1) {
    // One DrawText call instead of the 16-bit tabbed measure; a text too long
    // for DrawText is measured by its first 4096 characters.
    size.cx = DrawTextWidth(DC, AText, ALength, &size.cy);
    if (ALength > MaxTabbedLength && size.cx == 0) size.cx = DrawTextWidth(DC, AText, MaxTabbedLength, &size.cy);
    return size;
  }
  const DWORD extent = WideGetTabbedTextExtent(DC, AText, ALength, 0, nullptr);
  size = TSize{int(LOWORD(extent)), int(HIWORD(extent))};
  TSize widest;
  // The tabbed measure holds 16 bits: a text that may be wider is measured again.
  if (WideGetTextExtent(DC, L"W", 1, widest) && std::int64_t(ALength) * widest.cx > 65535) {
    const int width = DrawTextWidth(DC, AText, ALength);
    if (width > 65535) size.cx += (width / 65535) * 65535;
  }
  return size;
}

int FitTextLength(HDC DC, const wchar_t* AText, int ALength, bool AExpandTabs, int AWidth) {
  TcxDCTextMeasurer measurer(DC);
  return FitTextLength(measurer, AText, ALength, AExpandTabs, AWidth);
}

// --- Rows ---------------------------------------------------------------------------------

bool BuildTextRows(HDC DC, const wchar_t* AText, int ALength, int AMaxRowCount, int& ARowCount, TcxTextRows& ARows,
                   const TcxTextParams& AParams, const TRect& R) {
  TcxDCTextMeasurer measurer(DC);
  return BuildTextRows(measurer, AText, ALength, AMaxRowCount, ARowCount, ARows, AParams, R);
}

bool BuildTextRowsOnDC(HDC DC, const AnsiString& AText, int AMaxRowCount, int& ARowCount, TcxTextRows& ARows,
                       const TcxTextParams& AParams, const TRect& R) {
  ARows.Text = AnsiToWideByCharset(AText, AParams.CharSet);
  return BuildTextRows(DC, ARows.Text.c_str(), int(ARows.Text.size()), AMaxRowCount, ARowCount, ARows, AParams, R);
}

bool BuildTextRowsOnCanvas(TCanvas* ACanvas, const AnsiString& AText, int AMaxRowCount, int& ARowCount,
                           TcxTextRows& ARows, const TcxTextParams& AParams, const TRect& R) {
  ACanvas->RequiredState(TCanvasStates{csHandleValid, csFontValid});
  return BuildTextRowsOnDC(ACanvas->Handle(), AText, AMaxRowCount, ARowCount, ARows, AParams, R);
}

void PositionTextRows(HDC, const TRect& R, TcxTextParams& AParams, int ARowCount, TcxTextRows& ARows) {
  PositionTextRows(R, AParams, ARowCount, ARows);
}

void OutputTextRowsHighlighted(HDC DC, const TRect& R, const TcxTextParams& AParams, bool AForceEllipsis,
                               TColor AHighlightTextColor, TColor AHighlightBkColor, int AHighlightLength,
                               int AHighlightStart, int ARowCount, TcxTextRows& ARows) {
  const int oldMode = SetBkMode(DC, TRANSPARENT);
  HBRUSH brush = AHighlightLength > 0 && IsUsableColor(AHighlightBkColor)
                     ? CreateSolidBrush(AsColorRef(AHighlightBkColor))
                     : nullptr;
  struct TDone {
    HDC DC;
    int Mode;
    HBRUSH Brush;
    ~TDone() {
      SetBkMode(DC, Mode);
      if (Brush) DeleteObject(Brush);
    }
  } done{DC, oldMode, brush};
  TRowPainter painter(DC, R, AParams, AForceEllipsis, AHighlightTextColor, brush, AHighlightStart, AHighlightLength);
  const int count = std::min(ARowCount, ARows.Count);
  for (int i = 0; i < count; ++i) painter.Paint(GetTextRow(ARows, i), i == count - 1);
}

// --- One call -----------------------------------------------------------------------------

int DrawFormattedText(HDC DC, const String& AText, TRect& R, TcxTextLayoutFlags AFlags, int AHighlightStart,
                      int AHighlightLength, TFont* AFont, TColor AHighlightBkColor, TColor AHighlightTextColor,
                      int AMaxRowCount, int ALeftIndent, int ARightIndent, TColor ATextColor,
                      double ALineSpacingFactor) {
  if (AText.empty()) return 0;
  TKeptFontAndColor kept(DC);
  if (AFont) {
    SelectObject(DC, AFont->Handle());
    SetTextColor(DC, AsColorRef(AFont->Color()));
  }
  if (IsUsableColor(ATextColor)) SetTextColor(DC, AsColorRef(ATextColor));
  TcxTextParams params;
  InitTextParams(DC, AFlags, params, ALineSpacingFactor);
  TRect textRect = PrepareTextRect(R, params, ALeftIndent, ARightIndent);
  const int width = textRect.Right - textRect.Left, height = textRect.Bottom - textRect.Top;
  if (params.CalcRect ? width <= 0 : width < 1 || height < 1) return 0;
  const String text = params.HidePrefix ? RemoveAcceleratorsW(AText, false) : AText;
  if (text.empty()) return 0;

  TcxTextRows rows;
  TRowsCleared cleared{rows};
  const int length = int(text.size());
  int count = 0;
  const bool fits = BuildTextRows(DC, text.c_str(), length, AMaxRowCount, count, rows, params, textRect);
  if (count == 0) return 0;
  if (params.CalcRect) {
    if (AMaxRowCount > 0 && AMaxRowCount < count) count = AMaxRowCount;
    textRect.Right = textRect.Left + GetWidestRowWidth(rows, count);
    if (!params.SingleLine) BuildTextRows(DC, text.c_str(), length, AMaxRowCount, count, rows, params, textRect);
    PositionTextRows(DC, textRect, params, count, rows);
    textRect.Bottom = GetTextRow(rows, count - 1).TextOriginY + params.RowHeight;
    R = UnprepareTextRect(textRect, params, ALeftIndent, ARightIndent);
  } else {
    PositionTextRows(DC, textRect, params, count, rows);
    int highlightStart = AHighlightStart, highlightLength = AHighlightLength;
    if (highlightStart < 0 || highlightStart >= length) highlightLength = 0;
    else highlightLength = std::min(highlightLength, length - highlightStart);
    OutputTextRowsHighlighted(DC, textRect, params, !fits, AHighlightTextColor, AHighlightBkColor, highlightLength,
                              highlightStart, count, rows);
  }
  const int used = count > 0 ? GetTextRow(rows, count - 1).TextOriginY + params.RowHeight - textRect.Top : 0;
  if (params.CalcRowCount) return count;
  return used != 0 ? used : count;
}

int DrawFormattedTextOnCanvas(TCanvas* ACanvas, const AnsiString& AText, TRect& R, TcxTextLayoutFlags AFlags,
                              TFont* AFont, int AMaxRowCount, int ALeftIndent, int ARightIndent, TColor ATextColor,
                              double ALineSpacingFactor) {
  ACanvas->RequiredState(TCanvasStates{csHandleValid, csFontValid});
  HDC dc = ACanvas->Handle();
  const int charset = AFont ? int(AFont->Charset()) : GetTextCharset(dc);
  return DrawFormattedText(dc, AnsiToWideByCharset(AText, charset), R, AFlags, 0, 0, AFont, clHighlight,
                           clHighlightText, AMaxRowCount, ALeftIndent, ARightIndent, ATextColor, ALineSpacingFactor);
}

// --- Text output --------------------------------------------------------------------------

String AnsiToWideByCharset(const AnsiString& AText, int ACharset) {
  String result;
  MultiByteToWideString(AText, CharsetToCodePage(ACharset), -1, result);
  return result;
}

AnsiString WideToSystemAnsi(const wchar_t* AText, int ACount) {
  AnsiString result;
  WideToMultiByteString(String(AText, std::size_t(TextCount(AText, ACount))), CP_ACP, -1, result);
  return result;
}

int WideDrawText(HDC DC, const wchar_t* AText, int ACount, TRect& R, UINT AFormat) {
  if (OSFlagWinNT) return DrawTextW(DC, AText, ACount, AsRect(R), AFormat);
  const AnsiString bytes = WideToSystemAnsi(AText, ACount);
  return DrawTextA(DC, bytes.c_str(), int(bytes.size()), AsRect(R), AFormat);
}

bool WideGetTextExtent(HDC DC, const wchar_t* AText, int ACount, TSize& ASize) {
  SIZE size{};
  bool done;
  if (OSFlagWinNT) {
    done = GetTextExtentPoint32W(DC, AText, TextCount(AText, ACount), &size) != FALSE;
  } else {
    const AnsiString bytes = WideToSystemAnsi(AText, ACount);
    done = GetTextExtentPoint32A(DC, bytes.c_str(), int(bytes.size()), &size) != FALSE;
  }
  ASize = TSize{size.cx, size.cy};
  return done;
}

bool WideGetTextExtentEx(HDC DC, const wchar_t* AText, int ACount, int AMaxExtent, int* AFit, int* ADx,
                         TSize& ASize) {
  const int count = TextCount(AText, ACount);
  SIZE size{};
  bool done;
  if (OSFlagWinNT) {
    done = GetTextExtentExPointW(DC, AText, count, AMaxExtent, AFit, ADx, &size) != FALSE;
  } else {
    // The byte call counts bytes: its answers are turned back into characters.
    AnsiString bytes;
    std::vector<int> charEnds;  // the byte count up to the end of each character
    for (int i = 0; i < count; ++i) {
      bytes += WideToSystemAnsi(AText + i, 1);
      charEnds.push_back(int(bytes.size()));
    }
    // Every extent asked for (the system gives them only up to the fit otherwise).
    std::vector<int> byteDx(bytes.size() + 1, 0);
    done = GetTextExtentExPointA(DC, bytes.c_str(), int(bytes.size()), INT_MAX, nullptr, byteDx.data(), &size) != FALSE;
    std::vector<int> charDx(std::size_t(count), 0);
    for (int i = 0; i < count; ++i) {
      const int end = charEnds[std::size_t(i)];
      charDx[std::size_t(i)] = end > 0 ? byteDx[std::size_t(end - 1)] : 0;
    }
    if (done && AFit)
      *AFit = int(std::upper_bound(charDx.begin(), charDx.end(), AMaxExtent) - charDx.begin());
    if (done && ADx) std::copy(charDx.begin(), charDx.end(), ADx);
  }
  ASize = TSize{size.cx, size.cy};
  return done;
}

DWORD WideGetTabbedTextExtent(HDC DC, const wchar_t* AText, int ACount, int ATabPositions, const int* ATabStops) {
  if (OSFlagWinNT) return GetTabbedTextExtentW(DC, AText, TextCount(AText, ACount), ATabPositions, ATabStops);
  const AnsiString bytes = WideToSystemAnsi(AText, ACount);
  return GetTabbedTextExtentA(DC, bytes.c_str(), int(bytes.size()), ATabPositions, ATabStops);
}

LONG WideTabbedTextOut(HDC DC, int X, int Y, const wchar_t* AText, int ACount, int ATabPositions,
                       const int* ATabStops, int ATabOrigin) {
  const int count = std::min(TextCount(AText, ACount), MaxTabbedLength);
  if (OSFlagWinNT) return TabbedTextOutW(DC, X, Y, AText, count, ATabPositions, ATabStops, ATabOrigin);
  const AnsiString bytes = WideToSystemAnsi(AText, count);
  return TabbedTextOutA(DC, X, Y, bytes.c_str(), int(bytes.size()), ATabPositions, ATabStops, ATabOrigin);
}

bool WideTextOut(HDC DC, int X, int Y, const wchar_t* AText, int ACount) {
  if (OSFlagWinNT) return TextOutW(DC, X, Y, AText, TextCount(AText, ACount)) != FALSE;
  const AnsiString bytes = WideToSystemAnsi(AText, ACount);
  return TextOutA(DC, X, Y, bytes.c_str(), int(bytes.size())) != FALSE;
}

bool WideExtTextOut(HDC DC, int X, int Y, UINT AOptions, const TRect* R, const wchar_t* AText, int ACount,
                    const int* ADx) {
  const RECT* rect = R ? AsRect(*R) : nullptr;
  if (OSFlagWinNT) return ExtTextOutW(DC, X, Y, AOptions, rect, AText, UINT(TextCount(AText, ACount)), ADx) != FALSE;
  const AnsiString bytes = WideToSystemAnsi(AText, ACount);
  // Character advances do not carry over to bytes: the byte call spaces them itself.
  return ExtTextOutA(DC, X, Y, AOptions, rect, bytes.c_str(), UINT(bytes.size()), nullptr) != FALSE;
}

// --- Unit ---------------------------------------------------------------------------------

void cxDrawTextUtils_Initialize() {
  if (!GHatchBrushes[0]) GHatchBrushes[0] = MakePatternBrush(0x5555, 0xAAAA);
  if (!GHatchBrushes[1]) GHatchBrushes[1] = MakePatternBrush(0x0000, 0x0000);
}

void cxDrawTextUtils_Finalize() {
  for (HBRUSH& brush : GHatchBrushes) {
    if (brush) DeleteObject(brush);
    brush = nullptr;
  }
}

const TUnitEntry cxDrawTextUtilsUnit{L"cxDrawTextUtils", cxDrawTextUtils_Initialize, cxDrawTextUtils_Finalize};
