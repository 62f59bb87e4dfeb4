// The tab control's orientation rules, margin and point turning, and the
// exact row score. The layout steps are in cxPC_layout.cpp.
#include "cxPC.h"

#include <algorithm>

std::uint16_t PCOptionsToInt(const TcxPCOptions& AOptions) {
  std::uint16_t result = 0;
  for (int i = 0; i < 16; ++i)
    if (AOptions.Contains(TcxPCOption(i))) result = std::uint16_t(result | (1u << i));
  return result;
}

TcxPCOptions PCOptionsFromInt(std::uint16_t AValue) {
  TcxPCOptions result;
  for (int i = 0; i <= int(pcoUsePageColorForTab); ++i)
    if (AValue & (1u << i)) result.Include(TcxPCOption(i));
  return result;
}

bool IsVerticalTab(TcxTabPosition APosition, bool ARotate) {
  const bool sideStrip = APosition == tpLeft || APosition == tpRight;
  return sideStrip != ARotate;
}

bool IsReversedVerticalStrip(TcxTabPosition APosition, bool ARotate, const TcxPCOptions& AOptions) {
  return (APosition == tpLeft || APosition == tpRight) && !ARotate && !AOptions.Contains(pcoTopToBottomText);
}

bool IsReversedHorizontalStrip(TcxTabPosition APosition, bool ARotate, const TcxPCOptions& AOptions) {
  return (APosition == tpTop || APosition == tpBottom) && ARotate && AOptions.Contains(pcoTopToBottomText);
}

int GetTabCaptionRotation(TcxTabPosition APosition, bool ARotate, const TcxPCOptions& AOptions) {
  if (!IsVerticalTab(APosition, ARotate)) return 0;
  return AOptions.Contains(pcoTopToBottomText) ? 2 : 1;
}

int GetTabLayoutKind(TcxPCTabSide ASide, int ARotation) {
  static const int kinds[4][3] = {{1, 2, 3}, {10, 11, 12}, {6, 4, 5}, {9, 7, 8}};
  return kinds[ASide][std::clamp(ARotation, 0, 2)];
}

TRect RotateMarginsToSide(const TRect& M, TcxTabPosition APosition) {
  switch (APosition) {
    case tpBottom: return {M.Right, M.Bottom, M.Left, M.Top};
    case tpLeft: return {M.Top, M.Right, M.Bottom, M.Left};
    case tpRight: return {M.Bottom, M.Left, M.Top, M.Right};
    default: return M;
  }
}

TRect RotateMarginsFromSide(const TRect& M, TcxTabPosition APosition) {
  switch (APosition) {
    case tpLeft: return RotateMarginsToSide(M, tpRight);
    case tpRight: return RotateMarginsToSide(M, tpLeft);
    default: return RotateMarginsToSide(M, APosition);
  }
}

void RotatePoint(const TRect& R, TPoint& P, int ASide) {
  const TPoint p = P;
  switch (ASide) {
    case 1: P.Y = R.Bottom - 1 - (p.Y - R.Top); break;
    case 2: P = {R.Right - R.Bottom + p.Y, R.Bottom - 1 - (p.X - R.Left)}; break;
    case 3: P = {R.Left + R.Bottom - 1 - p.Y, R.Bottom - 1 - (p.X - R.Left)}; break;
    default: break;
  }
}

void RotatePoints(const TRect& R, TPoint* APoints, int ASide, int ALastIndex) {
  for (int i = 0; i <= ALastIndex; ++i) RotatePoint(R, APoints[i], ASide);
}

TRect NormalizeRect(const TRect& R) {
  return {R.Left, R.Top, std::max(R.Left, R.Right), std::max(R.Top, R.Bottom)};
}

TRect ApplyRectCorrection(const TRect& R, const TRect& D) {
  return {R.Left + D.Left, R.Top + D.Top, R.Right + D.Right, R.Bottom + D.Bottom};
}

int CountNavigatorButtons(const TcxPCNavigatorButtons& AButtons) {
  int result = 0;
  for (int b = nbTopLeft; b <= nbClose; ++b) result += AButtons.Contains(TcxPCNavigatorButton(b)) ? 1 : 0;
  return result;
}

bool IsOneOf(int A, int B, int X) { return X == A || X == B; }

int PointAxis(const TPoint& P, bool AX) { return AX ? P.X : P.Y; }
int& PointAxis(TPoint& P, bool AX) { return AX ? P.X : P.Y; }
int& RectNearEdge(TRect& R, bool AX) { return AX ? R.Left : R.Top; }
int& RectFarEdge(TRect& R, bool AX) { return AX ? R.Right : R.Bottom; }
int RectNearEdge(const TRect& R, bool AX) { return AX ? R.Left : R.Top; }
int RectFarEdge(const TRect& R, bool AX) { return AX ? R.Right : R.Bottom; }

void TcxPCRowScore::Add(int AExponent) {
  if (AExponent < 0) AExponent = 0;  // a row never holds more than its line; kept safe all the same
  std::size_t word = std::size_t(AExponent) / 64;
  if (FWords.size() <= word) FWords.resize(word + 1, 0);
  std::uint64_t add = std::uint64_t(1) << (AExponent % 64);
  while (add) {
    if (word == FWords.size()) FWords.push_back(0);
    const std::uint64_t before = FWords[word];
    FWords[word] = before + add;
    add = FWords[word] < before ? 1 : 0;
    ++word;
  }
}

int TcxPCRowScore::Compare(const TcxPCRowScore& A, const TcxPCRowScore& B) {
  const std::size_t n = std::max(A.FWords.size(), B.FWords.size());
  for (std::size_t i = n; i-- > 0;) {
    const std::uint64_t a = i < A.FWords.size() ? A.FWords[i] : 0;
    const std::uint64_t b = i < B.FWords.size() ? B.FWords[i] : 0;
    if (a != b) return a < b ? -1 : 1;
  }
  return 0;
}
