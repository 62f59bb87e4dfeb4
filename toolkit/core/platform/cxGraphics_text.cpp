// Text on the canvas and on device contexts: measuring, placing, the embossed
// disabled look and text turned through a bitmap; measuring in a font without
// a window, the narrowest rectangle for some lines, lines for a width.
#include <algorithm>
#include <cstdint>

#include "Classes.h"
#include "cxGraphics_win.h"

namespace {

int RectWidth(const TRect& R) { return R.Right - R.Left; }
int RectHeight(const TRect& R) { return R.Bottom - R.Top; }

void OffsetRectBy(TRect& R, int DX, int DY) {
  R.Left += DX;
  R.Right += DX;
  R.Top += DY;
  R.Bottom += DY;
}

}  // namespace

// --- Free routines ------------------------------------------------------------------------

int DrawTextOnDC(HDC DC, const String& AText, TRect& R, int ABkMode, TColor AColor, int ACount, unsigned AFormat) {
  const int count = ACount < 0 ? int(AText.size()) : std::min(ACount, int(AText.size()));
  const int oldMode = SetBkMode(DC, ABkMode);
  const bool colored = AColor != clDefault;
  const COLORREF oldColor = colored ? SetTextColor(DC, COLORREF(ColorToRGB(AColor)) & 0xFFFFFFu) : 0;
  const int result = ::DrawTextW(DC, AText.c_str(), count, AsRect(R), AFormat);
  if (colored) SetTextColor(DC, oldColor);
  SetBkMode(DC, oldMode);
  return result;
}

int DrawTextOnCanvas(TCanvas* ACanvas, const String& AText, TRect& R, TColor AColor, unsigned AFormat) {
  ACanvas->RequiredState(TCanvasStates{csHandleValid, csFontValid});
  return DrawTextOnDC(ACanvas->Handle(), AText, R, TRANSPARENT, AColor, -1, AFormat);
}

bool TextOutOnDC(HDC DC, const String& AText, const TPoint& P, int ACount, unsigned AOptions, const TRect& R) {
  const int count = ACount < 0 ? int(AText.size()) : std::min(ACount, int(AText.size()));
  return ExtTextOutW(DC, P.X, P.Y, AOptions, AsRect(R), AText.c_str(), UINT(count), nullptr) != FALSE;
}

int DrawTextRotated(TcxCanvas* ACanvas, const String& AText, const TRect& R, TcxBitmapRotation ARotation,
                    TColor AColor, unsigned AFormat) {
  if (ARotation == raNone) {
    TRect bounds = R;
    return DrawTextOnCanvas(ACanvas->Canvas(), AText, bounds, AColor, AFormat);
  }
  if (RectWidth(R) <= 0 || RectHeight(R) <= 0) return 0;
  // The background turned the other way, the text written level into it, the whole turned into place.
  TcxBitmap bitmap(RectWidth(R), RectHeight(R), pf32bit);
  BitBltRect(bitmap.Canvas()->Handle(), ACanvas->Handle(), bitmap.GetClientRect(), SRCCOPY, R.TopLeft());
  ACanvas->RotateBitmap(&bitmap, InverseRotation(ARotation));
  bitmap.Canvas()->SetFont(ACanvas->Font());
  TRect bounds = bitmap.GetClientRect();
  const int result = DrawTextOnCanvas(bitmap.Canvas(), AText, bounds, AColor, AFormat);
  ACanvas->RotateBitmap(&bitmap, ARotation);
  BitBltRect(ACanvas->Handle(), bitmap.Canvas()->Handle(), R, SRCCOPY, TPoint{});
  return result;
}

// --- The canvas's text --------------------------------------------------------------------

TSize TcxCanvas::MeasureText(const String& AText) {
  FCanvas->RequiredState(TCanvasStates{csHandleValid, csFontValid});
  SIZE size{};
  if (!GetTextExtentPoint32W(FCanvas->Handle(), AText.c_str(), int(AText.size()), &size)) return TSize{};
  return TSize{size.cx, size.cy};
}

void TcxCanvas::CalcTextRect(const String& AText, TRect& R, TcxTextFlags AFlags) {
  const int oldWidth = RectWidth(R), oldHeight = RectHeight(R);
  const unsigned format = TextFlagsToDrawTextFlags(AFlags);
  if (oldWidth <= 0 && !AText.empty()) R.Right = R.Left + 1;
  FCanvas->RequiredState(TCanvasStates{csHandleValid, csFontValid});
  if (DrawTextOnDC(Handle(), AText, R, TRANSPARENT, clDefault, -1, (format & ~unsigned(DT_VCENTER)) | DT_CALCRECT) == 0)
    R = TRect{R.Left, R.Top, R.Left, R.Top};
  const int dx = (format & DT_CENTER)  ? (oldWidth - RectWidth(R)) / 2
                 : (format & DT_RIGHT) ? oldWidth - RectWidth(R)
                                       : 0;
  const int dy = (format & DT_VCENTER)  ? (oldHeight - RectHeight(R)) / 2
                 : (format & DT_BOTTOM) ? oldHeight - RectHeight(R)
                                        : 0;
  OffsetRectBy(R, dx, dy);
}

void TcxCanvas::PlaceTextRectVertically(TRect& R, const String& AText, TcxTextVerticalPlacement APlacement,
                                        bool AWordBreak, bool AShowPrefix, bool AEnabled, bool ADontBreakChars,
                                        bool AEndEllipsis) {
  if (APlacement == tvpNone) return;
  const int emboss = AEnabled ? 0 : 1;
  int height;
  if (AWordBreak && AEndEllipsis) {
    // The ellipsis cuts the text at the last whole line that fits.
    const int line = MeasureTextHeight(L"Wg");
    height = line > 0 ? line * std::max(1, (RectHeight(R) - emboss) / line) : 0;
  } else {
    TRect bounds{0, 0, RectWidth(R) - emboss, 0};
    TcxTextFlags flags = cxAlignLeft | cxAlignTop;
    if (AWordBreak) flags |= cxWordBreak;
    if (AShowPrefix) flags |= cxShowPrefix;
    if (ADontBreakChars) flags |= cxDontBreakChars;
    CalcTextRect(AText, bounds, flags);
    height = RectHeight(bounds);
  }
  if (APlacement == tvpBottom) R.Top = R.Bottom - emboss - height;
  else R.Top = (R.Top + R.Bottom - height) / 2;
}

void TcxCanvas::DrawText(const String& AText, TRect R, TcxTextFlags AFlags, bool AEnabled, TcxBitmapRotation AAngle) {
  if (AText.empty()) return;
  const bool throughDrawText = !(AFlags & cxSingleLine) || AAngle != raNone ||
                               (AFlags & (cxShowPrefix | cxShowEndEllipsis | cxShowPathEllipsis)) != 0;
  const TSize size = MeasureText(AText);
  if (size.cx <= RectWidth(R) && size.cy <= RectHeight(R)) AFlags |= cxDontClip;
  const int emboss = AEnabled ? 0 : 1;
  unsigned format = 0, options = 0;
  if (throughDrawText) {
    if (!(AFlags & cxSingleLine) && (AFlags & (cxAlignBottom | cxAlignVCenter)))
      PlaceTextRectVertically(R, AText, AFlags & cxAlignBottom ? tvpBottom : tvpCenter, AFlags & cxWordBreak,
                              AFlags & cxShowPrefix, AEnabled, AFlags & cxDontBreakChars, AFlags & cxShowEndEllipsis);
    format = TextFlagsToDrawTextFlags(AFlags);
  } else {
    if (size.cx < RectWidth(R)) {
      if ((AFlags & 7) == cxAlignRight) R.Left = R.Right - size.cx - emboss;
      else if ((AFlags & 7) == cxAlignHCenter) R.Left = (R.Left + R.Right - size.cx) / 2;
    }
    if (size.cy < RectHeight(R)) {
      if ((AFlags & 0x38) == cxAlignBottom) R.Top = R.Bottom - size.cy - emboss;
      else if ((AFlags & 0x38) == cxAlignVCenter) R.Top = (R.Top + R.Bottom - size.cy) / 2;
    }
    options = AFlags & cxDontClip ? 0 : ETO_CLIPPED;
  }

  // The brush style and font colour come back even when drawing raises.
  struct TKept {
    TcxCanvas* Canvas;
    TBrushStyle BrushStyle;
    TColor FontColor;
    ~TKept() {
      if (Canvas->Brush()->Style() != BrushStyle) Canvas->Brush()->SetStyle(BrushStyle);
      Canvas->Font()->SetColor(FontColor);
    }
  } kept{this, Brush()->Style(), Font()->Color()};
  if (!AEnabled) {
    ++R.Left;
    ++R.Top;
    Brush()->SetStyle(bsClear);
    Font()->SetColor(clBtnHighlight);
    OutputText(AText, R, format, !throughDrawText, options, AAngle);
    OffsetRectBy(R, -1, -1);
    Font()->SetColor(clBtnShadow);
  }
  OutputText(AText, R, format, !throughDrawText, options, AAngle);
}

void TcxCanvas::OutputText(const String& AText, const TRect& R, unsigned AFormat, bool ATextOut, unsigned AOptions,
                           TcxBitmapRotation AAngle) {
  if (ATextOut) {
    FCanvas->RequiredState(TCanvasStates{csHandleValid, csFontValid, csBrushValid});
    TextOutOnDC(FCanvas->Handle(), AText, R.TopLeft(), -1, AOptions, R);
  } else {
    DrawTextRotated(this, AText, R, AAngle, clDefault, AFormat);
  }
}

void TcxCanvas::DrawTextInRect(const String& AText, const TRect& R, TcxTextFlags AFlags, bool AEnabled) {
  DrawText(AText, R, AFlags, AEnabled, raNone);
}

// --- Measuring without a window -----------------------------------------------------------

namespace {

constexpr UINT dtSingleLineCalc = DT_CALCRECT | DT_SINGLELINE;
constexpr UINT dtWrappedCalc = DT_CALCRECT | DT_WORDBREAK | DT_NOFULLWIDTHCHARBREAK;

TRect WrappedTextRect(HDC DC, const String& AText, int AWidth) {
  TRect r{0, 0, std::max(AWidth, 1), 1};
  DrawTextW(DC, AText.c_str(), int(AText.size()), AsRect(r), dtWrappedCalc);
  return r;
}

bool IsWordBoundary(wchar_t C) { return C == L' ' || C == L'\t' || C == L'\r' || C == L'\n'; }

}  // namespace

void GetTextSizeOnDC(HDC DC, const String& AText, TSize& ASize, int ACount) {
  const int count = ACount < 0 ? int(AText.size()) : std::min(ACount, int(AText.size()));
  SIZE size{};
  if (!GetTextExtentPoint32W(DC, AText.c_str(), count, &size)) size = SIZE{};
  ASize = TSize{size.cx, size.cy};
}

TSize GetTextSizeForDC(HDC DC, const String& AText) {
  TRect r;
  CalcTextRectForLines(DC, AText, 1, r);
  return TSize{RectWidth(r), RectHeight(r)};
}

void CalcTextRectForLines(HDC DC, const String& AText, int ALineCount, TRect& R, bool AForceHeight) {
  R = TRect{};
  SIZE line{};
  GetTextExtentPoint32W(DC, L"Wg", 2, &line);
  const int wanted = ALineCount <= 0 ? 32000 : int(std::min<std::int64_t>(std::int64_t(ALineCount) * line.cy, 32000000));
  if (ALineCount == 1) {
    DrawTextW(DC, AText.c_str(), int(AText.size()), AsRect(R), dtSingleLineCalc);
  } else {
    TRect widest{};
    DrawTextW(DC, AText.c_str(), int(AText.size()), AsRect(widest), dtSingleLineCalc);
    int lo = RectWidth(WrappedTextRect(DC, AText, 1)), hi = RectWidth(widest);
    while (hi - lo > 1) {
      const int middle = lo + (hi - lo) / 2;
      if (WrappedTextRect(DC, AText, middle).Bottom > wanted) lo = middle;
      else hi = middle;
    }
    R = WrappedTextRect(DC, AText, lo);
    if (R.Bottom > wanted) R = WrappedTextRect(DC, AText, hi);
  }
  if (AForceHeight) R.Bottom = R.Top + wanted;
}

TSize FontTextSize(TFont* AFont, const String& AText, int ASize) {
  TcxScreenCanvas* canvas = GetScreenCanvas();
  if (!canvas) return TSize{};
  if (AFont) canvas->Font()->Assign(AFont);
  if (ASize != 0) canvas->Font()->SetSize(ASize);
  const TSize size = canvas->MeasureText(AText);
  canvas->ReleaseHandle();
  return size;
}

int FontTextWidth(TFont* AFont, const String& AText, int ASize) { return FontTextSize(AFont, AText, ASize).cx; }

int FontTextHeight(TFont* AFont, const String& AText, int ASize) { return FontTextSize(AFont, AText, ASize).cy; }

TSize GetSystemScrollBarSize() { return TSize{GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL)}; }

void SplitTextToLines(const String& AText, TcxCanvas* ACanvas, const TRect& R, TStrings* ALines) {
  HDC dc = ACanvas->Handle();
  ACanvas->Canvas()->RequiredState(TCanvasStates{csHandleValid, csFontValid});
  const int width = RectWidth(R);
  String line, gap;  // gap: the spaces and tabs since the line's last word
  std::size_t i = 0;
  while (i < AText.size()) {
    std::size_t end = i;
    while (end < AText.size() && !IsWordBoundary(AText[end])) ++end;
    const String word = AText.substr(i, end - i);
    if (!word.empty()) {
      // A line that would get too wide ends before the word, without the gap.
      if (!line.empty() && GetTextSizeForDC(dc, line + gap + word).cx > width) {
        ALines->Add(line);
        line = word;
      } else {
        line += gap + word;
      }
      gap.clear();
    }
    i = end;
    while (i < AText.size() && (AText[i] == L' ' || AText[i] == L'\t')) gap += AText[i++];
    if (i < AText.size() && (AText[i] == L'\r' || AText[i] == L'\n')) {
      ALines->Add(line);
      line.clear();
      gap.clear();
      while (i < AText.size() && (AText[i] == L'\r' || AText[i] == L'\n')) ++i;
    }
  }
  if (!line.empty()) ALines->Add(line);
}

int GetDefFontCharSet() {
  CHARSETINFO info{};
  if (TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<ULONG_PTR>(GetACP())), &info, TCI_SRCCODEPAGE))
    return int(info.ciCharset);
  return ANSI_CHARSET;
}

bool IsMultiByteCharsetText(int ACharset, const String& AText) {
  if (ACharset == DEFAULT_CHARSET) ACharset = GetDefFontCharSet();
  if (AText.empty() || unsigned(AText[0]) < 0x80) return false;
  return ACharset == GB2312_CHARSET || ACharset == CHINESEBIG5_CHARSET || ACharset == ARABIC_CHARSET;
}

void InvalidateWindowRect(HWND AWindow, const TRect& R, bool AErase) { InvalidateRect(AWindow, AsRect(R), AErase); }

void InvalidateWindow(HWND AWindow, bool AErase) { InvalidateRect(AWindow, nullptr, AErase); }
