#include "cxLabel.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double cxDegToRad = 3.14159265358979323846 / 180.0;

int Sign(int AValue) { return (AValue > 0) - (AValue < 0); }

bool IsRightward(TcxLabelOrientation AOrientation) {
  return AOrientation == cxoRight || AOrientation == cxoRightTop || AOrientation == cxoRightBottom;
}

bool IsDownward(TcxLabelOrientation AOrientation) {
  return AOrientation == cxoBottom || AOrientation == cxoLeftBottom || AOrientation == cxoRightBottom;
}

// Copy AIndex of ACount on the way from the background to the shadow colour,
// channel by channel; the last copy is the shadow colour itself.
TColor GradedColor(TColor ABackground, TColor AShadow, int AIndex, int ACount) {
  TColor Result = 0;
  for (int Shift = 0; Shift < 24; Shift += 8) {
    const int B = (ABackground >> Shift) & 0xFF;
    const int S = (AShadow >> Shift) & 0xFF;
    Result |= TColor(int(std::trunc(B + AIndex * double(S - B) / ACount)) & 0xFF) << Shift;
  }
  return Result;
}

}  // namespace

int cxLabelNormalizeAngle(int AAngle) {
  const int Result = AAngle % 360;
  return Result < 0 ? Result + 360 : Result;
}

TSize cxLabelRotatedSize(const TSize& ATextSize, int AAngle) {
  const double A = cxLabelNormalizeAngle(AAngle) * cxDegToRad;
  const double C = std::fabs(std::cos(A));
  const double S = std::fabs(std::sin(A));
  return {int(std::trunc(C * ATextSize.cx + S * ATextSize.cy + 0.5)),
          int(std::trunc(S * ATextSize.cx + C * ATextSize.cy + 0.5))};
}

TSize cxLabelDepthDelta(TcxLabelEffect AEffect, TcxLabelOrientation AOrientation, int ADepth) {
  if (AEffect == cxleNormal) return {0, 0};
  switch (AOrientation) {
    case cxoLeft:
    case cxoRight:
      return {ADepth, 0};
    case cxoTop:
    case cxoBottom:
      return {0, ADepth};
    default:
      return {ADepth, ADepth};
  }
}

int cxLabelStyleOffset(TcxLabelStyle AStyle, int AFontSizePoints) {
  if (AStyle != cxlsRaised && AStyle != cxlsLowered) return 0;
  return AFontSizePoints < 12 ? 1 : 2;
}

TSize cxLabelContentSize(const TSize& ATextSize, int AAngle, const TSize& ADepthDelta, int AStyleOffset) {
  const TSize Rotated = cxLabelRotatedSize(ATextSize, AAngle);
  return {Rotated.cx + ADepthDelta.cx + AStyleOffset, Rotated.cy + ADepthDelta.cy + AStyleOffset};
}

TcxLabelDepthPlan cxLabelCalculateDepth(const TcxLabelDepthParams& AParams) {
  TcxLabelDepthPlan Result;
  TPoint P = AParams.Start;
  const TSize Delta = cxLabelDepthDelta(AParams.Effect, AParams.Orientation, AParams.Depth);
  TPoint Step{0, 0};
  if (AParams.Effect != cxleNormal && AParams.Depth > 0) Step = {Delta.cx, Delta.cy};
  if (IsRightward(AParams.Orientation)) {
    P.X += Delta.cx + AParams.StyleOffset;
    Step.X = -Step.X;
  }
  if (IsDownward(AParams.Orientation)) {
    P.Y += Delta.cy + AParams.StyleOffset;
    Step.Y = -Step.Y;
  }
  if (AParams.Effect == cxleFun || AParams.Effect == cxleExtrude) Step = {Sign(Step.X), Sign(Step.Y)};
  // A zero step (no effect, no depth) means no copies rather than a division by it.
  const int StepSize = Step.X != 0 ? std::abs(Step.X) : std::abs(Step.Y);
  const int Count = StepSize == 0 ? 0 : AParams.Depth / StepSize;
  for (int I = 1; I <= Count; ++I) {
    Result.Copies.push_back(P);
    Result.CopyColors.push_back(AParams.Effect == cxleFun
                                    ? GradedColor(AParams.BackgroundColor, AParams.ShadowColor, I, Count)
                                    : AParams.ShadowColor);
    P.X += Step.X;
    P.Y += Step.Y;
  }
  if (Step.X < 0) P.X -= AParams.StyleOffset;
  if (Step.Y < 0) P.Y -= AParams.StyleOffset;
  Result.TextOrigin = P;
  return Result;
}

TPoint cxLabelRotatedOrigin(const TRect& R, const TSize& ATextSize, int AAngle, const TSize& ADepthDelta) {
  const double A = cxLabelNormalizeAngle(AAngle) * cxDegToRad;
  const double W = ATextSize.cx / 2.0, H = ATextSize.cy / 2.0;
  return {int(std::lround((R.Left + R.Right - ADepthDelta.cx) / 2.0 - W * std::cos(A) - H * std::sin(A))),
          int(std::lround(W * std::sin(A) + (R.Top + R.Bottom - ADepthDelta.cy) / 2.0 - H * std::cos(A)))};
}

TRect cxLabelTextRect(const TRect& AClientRect, const TSize& ASize, TcxLabelTextSide AHorz, TcxLabelTextSide AVert) {
  TRect R = AClientRect;
  switch (AHorz) {
    case cxltsNear: R.Right = std::min(R.Left + ASize.cx, R.Right); break;
    case cxltsFar: R.Left = std::max(R.Right - ASize.cx, R.Left); break;
    case cxltsCenter:
      R.Left = (AClientRect.Left + AClientRect.Right - ASize.cx) / 2;
      R.Right = R.Left + ASize.cx;
      break;
  }
  switch (AVert) {
    case cxltsNear: R.Bottom = std::min(R.Top + ASize.cy, R.Bottom); break;
    case cxltsFar: R.Top = std::max(R.Bottom - ASize.cy, R.Top); break;
    case cxltsCenter:
      R.Top = (AClientRect.Top + AClientRect.Bottom - ASize.cy) / 2;
      R.Bottom = R.Top + ASize.cy;
      break;
  }
  return R;
}

namespace {

bool Intersects(const TRect& A, const TRect& B) {
  return A.Left < B.Right && B.Left < A.Right && A.Top < B.Bottom && B.Top < A.Bottom;
}

}  // namespace

TcxLabelLineLayout cxLabelCalculateLine(const TRect& AClientRect, const TRect& ATextRect, int AAngle,
                                        TcxLabelLineAlignment AAlignment, TcxLabelTextSide ATextSide,
                                        int AThickness) {
  TcxLabelLineLayout Result;
  Result.TextRect = ATextRect;
  const int Angle = cxLabelNormalizeAngle(AAngle);
  if (Angle != 0 && Angle != 90) return Result;
  Result.Visible = true;
  Result.Vertical = Angle == 90;
  const int T = AThickness;
  TRect L = AClientRect;
  TRect& Text = Result.TextRect;
  if (!Result.Vertical) {
    switch (AAlignment) {
      case cxllaTop: L.Bottom = L.Top + T; break;
      case cxllaBottom: L.Top = L.Bottom - T; break;
      case cxllaCenter:
        L.Top = (AClientRect.Top + AClientRect.Bottom - T) / 2;
        L.Bottom = L.Top + T;
        if (ATextSide == cxltsNear) L.Left = ATextRect.Right + 3;
        else if (ATextSide == cxltsFar) L.Right = ATextRect.Left - 3;
        break;
    }
    if (Intersects(L, Text)) {
      const int Shift = AAlignment == cxllaTop ? T : AAlignment == cxllaBottom ? -T : 0;
      Text.Top += Shift;
      Text.Bottom += Shift;
    }
  } else {
    switch (AAlignment) {
      case cxllaTop: L.Right = L.Left + T; break;
      case cxllaBottom: L.Left = L.Right - T; break;
      case cxllaCenter:
        L.Left = (AClientRect.Left + AClientRect.Right - T) / 2;
        L.Right = L.Left + T;
        if (ATextSide == cxltsNear) L.Top = ATextRect.Bottom - 3;
        else if (ATextSide == cxltsFar) L.Bottom = ATextRect.Top + 3;
        break;
    }
    if (Intersects(L, Text)) {
      const int Shift = AAlignment == cxllaTop ? T : AAlignment == cxllaBottom ? -T : 0;
      Text.Left += Shift;
      Text.Right += Shift;
    }
  }
  Result.LineRect = L;
  return Result;
}
