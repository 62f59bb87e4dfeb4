// Text laid out by the toolkit on a device context: parameters from the DC's
// font, rows measured with it, and the drawing of placed rows (justified,
// clipped, with an end ellipsis, a highlighted range or as hatched bars). The
// row making itself is platform-free, in cxDrawTextUtils.h.
#pragma once

#include <windows.h>

#include "Graphics.h"
#include "Units.h"
#include "cxDrawTextUtils.h"

// Measures with the font selected in a device context.
class TcxDCTextMeasurer : public TcxTextMeasurer {
 public:
  explicit TcxDCTextMeasurer(HDC DC) : FDC(DC) {}
  TSize CalcTextExtent(const wchar_t* AText, int ALength, bool AExpandTabs) override;

 private:
  HDC FDC;
};

// --- Parameters ---------------------------------------------------------------------------
// From the DC's text metrics (the wide call, else the byte-string one), the flags and a line-spacing factor.
void InitTextParams(HDC DC, TcxTextLayoutFlags AFlags, TcxTextParams& AParams, double ALineSpacingFactor = 1.0);
// The same on the canvas, its handle and font made valid first.
void InitTextParamsForCanvas(TCanvas* ACanvas, TcxTextLayoutFlags AFlags, TcxTextParams& AParams,
                             double ALineSpacingFactor = 1.0);
// The system's locale is an East-Asian one: rows then break inside words.
bool IsFarEastLocale();

// --- Measuring ----------------------------------------------------------------------------
// The extent of ALength characters, tabs expanded at the default stops when asked.
TSize CalcTextExtent(HDC DC, const wchar_t* AText, int ALength, bool AExpandTabs);
int FitTextLength(HDC DC, const wchar_t* AText, int ALength, bool AExpandTabs, int AWidth);

// --- Rows ---------------------------------------------------------------------------------
bool BuildTextRows(HDC DC, const wchar_t* AText, int ALength, int AMaxRowCount, int& ARowCount, TcxTextRows& ARows,
                   const TcxTextParams& AParams, const TRect& R);
// The byte string in the code page of the parameters' character set; the
// rows keep the wide text they point into.
bool BuildTextRowsOnDC(HDC DC, const AnsiString& AText, int AMaxRowCount, int& ARowCount, TcxTextRows& ARows,
                       const TcxTextParams& AParams, const TRect& R);
bool BuildTextRowsOnCanvas(TCanvas* ACanvas, const AnsiString& AText, int AMaxRowCount, int& ARowCount,
                           TcxTextRows& ARows, const TcxTextParams& AParams, const TRect& R);
void PositionTextRows(HDC DC, const TRect& R, TcxTextParams& AParams, int ARowCount, TcxTextRows& ARows);
// Draws placed rows transparently in the DC's text colour: the highlighted
// range (AHighlightStart, AHighlightLength in the whole text) on its own
// background and in its own colour (clNone and clDefault keep the others),
// the end ellipsis on the last row when it is too wide or AForceEllipsis says
// text was left out. A row shortened for the ellipsis is placed again by its
// alignment with the ellipsis counted in, and the ellipsis follows the row.
void OutputTextRowsHighlighted(HDC DC, const TRect& R, const TcxTextParams& AParams, bool AForceEllipsis,
                               TColor AHighlightTextColor, TColor AHighlightBkColor, int AHighlightLength,
                               int AHighlightStart, int ARowCount, TcxTextRows& ARows);

// --- One call -----------------------------------------------------------------------------
// Lays out and draws AText in R, or with cxtoCalcRect makes R the rectangle
// the text needs. Answers the height used, or the row count with
// cxtoCalcRowCount (and when no height was used); 0 for an empty text or an
// unusable rectangle. The DC's font and text colour come back on every path.
int DrawFormattedText(HDC DC, const String& AText, TRect& R, TcxTextLayoutFlags AFlags, int AHighlightStart,
                      int AHighlightLength, TFont* AFont, TColor AHighlightBkColor, TColor AHighlightTextColor,
                      int AMaxRowCount, int ALeftIndent, int ARightIndent, TColor ATextColor,
                      double ALineSpacingFactor = 1.0);
// The byte string in the code page of the font's character set (the DC's when no font is given).
int DrawFormattedTextOnCanvas(TCanvas* ACanvas, const AnsiString& AText, TRect& R, TcxTextLayoutFlags AFlags,
                              TFont* AFont, int AMaxRowCount, int ALeftIndent, int ARightIndent, TColor ATextColor,
                              double ALineSpacingFactor = 1.0);

// --- Text output --------------------------------------------------------------------------
// The wide system calls, or on systems without them the byte-string calls
// with the text in the system's ANSI code page. A count of -1 takes the whole
// text where the system call allows it.
String AnsiToWideByCharset(const AnsiString& AText, int ACharset);
AnsiString WideToSystemAnsi(const wchar_t* AText, int ACount);
int WideDrawText(HDC DC, const wchar_t* AText, int ACount, TRect& R, UINT AFormat);
bool WideGetTextExtent(HDC DC, const wchar_t* AText, int ACount, TSize& ASize);
// AFit receives how many characters fit AMaxExtent, ADx (when given) the
// extent of each prefix up to them.
bool WideGetTextExtentEx(HDC DC, const wchar_t* AText, int ACount, int AMaxExtent, int* AFit, int* ADx,
                         TSize& ASize);
DWORD WideGetTabbedTextExtent(HDC DC, const wchar_t* AText, int ACount, int ATabPositions, const int* ATabStops);
// At most the first 4096 characters.
LONG WideTabbedTextOut(HDC DC, int X, int Y, const wchar_t* AText, int ACount, int ATabPositions,
                       const int* ATabStops, int ATabOrigin);
bool WideTextOut(HDC DC, int X, int Y, const wchar_t* AText, int ACount);
bool WideExtTextOut(HDC DC, int X, int Y, UINT AOptions, const TRect* R, const wchar_t* AText, int ACount,
                    const int* ADx);

// Unit start makes the two hatch brushes of patterned text (a checker for
// normal text, solid for bold); the end deletes them.
void cxDrawTextUtils_Initialize();
void cxDrawTextUtils_Finalize();
extern const TUnitEntry cxDrawTextUtilsUnit;
