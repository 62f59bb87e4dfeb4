#include "cxEditPaintUtils.h"

#include <algorithm>

int CalcEditButtonAutoWidth(const TcxEditButtonWidthParams& P) {
  if (P.Width >= 1) return std::max(P.Width, P.BorderExtent);
  if (P.Kind == bkGlyph && P.GlyphWidth > 0) return P.GlyphWidth + P.BorderExtent;
  if (P.Kind == bkText) return std::max(P.ScrollBarHeight, P.CaptionWidth + 3 + P.BorderExtent);
  return P.ScrollBarHeight;
}

TSize ArrowHeadExtent(const TSize& AArea, TcxArrowDirection ADirection) {
  const int m = std::min(AArea.cx, AArea.cy);
  int a = (m - 1) / 2;
  if (a % 2 == 0) ++a;
  const TSize upDown{a, a / 2 + 1};
  return IsVerticalArrow(ADirection) ? upDown : TSize{upDown.cy, upDown.cx};
}

int EditButtonContentShift(TcxEditButtonStyle AStyle) {
  switch (AStyle) {
    case btsDefault: return 0;
    case bts3D: return 4;
    default: return 2;
  }
}

namespace {
constexpr unsigned kFlagPairs[][2] = {{4, 1}, {2, 2}, {32, 16}, {16, 32}, {64, 512}, {1024, 256}};
}

unsigned DrawTextFlagsToTextOutFlags(unsigned AFlags) {
  unsigned result = 0;
  for (const auto& pair : kFlagPairs)
    if (AFlags & pair[0]) result |= pair[1];
  return result;
}

unsigned TextOutFlagsToDrawTextFlags(unsigned AFlags) {
  unsigned result = 0;
  for (const auto& pair : kFlagPairs)
    if (AFlags & pair[1]) result |= pair[0];
  return result;
}

bool IsDigitChar(wchar_t C) { return C >= L'0' && C <= L'9'; }

bool IsSpaceChar(wchar_t C) { return C == 0 || C == 9 || C == 10 || C == 12 || C == 13 || C == 32; }

unsigned MouseButtonToShift(int AButton) {
  static constexpr unsigned bits[] = {8, 16, 32};
  return AButton >= 0 && AButton < 3 ? bits[AButton] : 0;
}

unsigned ButtonIndexToShift(int AIndex) {
  static constexpr unsigned bits[] = {0, 8, 16, 32};
  return AIndex >= 0 && AIndex < 4 ? bits[AIndex] : 0;
}

void RaiseToMinimum(TRect& A, const TRect& B) {
  A.Left = std::max(A.Left, B.Left);
  A.Top = std::max(A.Top, B.Top);
}

TRect OffsetRectBy(const TRect& R, const TPoint& P) {
  return TRect{R.Left + P.X, R.Top + P.Y, R.Right + P.X, R.Bottom + P.Y};
}

int CalcEditBorderLines(TRect& R, unsigned ASides, TRect ALines[4]) {
  const TRect r = R;
  int count = 0;
  if (ASides & cxEditBorderLeft) {
    ALines[count++] = TRect{r.Left, r.Top, r.Left + 1, r.Bottom};
    ++R.Left;
  }
  if (ASides & cxEditBorderRight) {
    ALines[count++] = TRect{r.Right - 1, r.Top, r.Right, r.Bottom};
    --R.Right;
  }
  if (ASides & cxEditBorderTop) {
    ALines[count++] = TRect{r.Left, r.Top, r.Right, r.Top + 1};
    ++R.Top;
  }
  if (ASides & cxEditBorderBottom) {
    ALines[count++] = TRect{r.Left, r.Bottom - 1, r.Right, r.Bottom};
    --R.Bottom;
  }
  return count;
}
