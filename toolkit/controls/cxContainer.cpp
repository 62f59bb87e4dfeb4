// The container's border, hot-zone and band arithmetic.
#include "cxContainer.h"

#include "cxGeometry.h"

int GetBorderStyleWidth(TcxContainerBorderStyle AStyle) {
  switch (AStyle) {
    case cbsNone: return 0;
    case cbsSingle: case cbsUltraFlat: case cbsOffice11: return 1;
    case cbsThick: case cbsFlat: case cbs3D: return 2;
  }
  return 0;
}

int ContainerBorderWidth(TcxContainerBorderStyle AStyle, bool ASkinned) {
  if (!ASkinned) return GetBorderStyleWidth(AStyle);
  if (AStyle == cbsNone) return 0;
  return AStyle == cbsThick ? 2 : 1;
}

TcxContainerBorderStyle HotTrackBorderStyle(TcxContainerBorderStyle ANormal) {
  switch (ANormal) {
    case cbsNone: return cbsFlat;
    case cbsSingle: case cbsThick: return cbsThick;
    case cbsFlat: return cbs3D;
    default: return ANormal;
  }
}

TRect CalcContainerBorderThickness(const TcxContainerBorderParams& P) {
  TRect r;
  if (P.TransparentBorder) {
    r = TRect{2, 2, 2, 2};
  } else if (!P.BorderShown || (P.Native && P.NormalBorderStyle == cbsNone)) {
    r = TRect{};
  } else if (P.Native) {
    r = TRect{2, 2, 2, 2};
  } else {
    const int w = GetBorderStyleWidth(P.BorderStyle);
    r = TRect{P.Edges.Contains(bLeft) ? w : 0, P.Edges.Contains(bTop) ? w : 0, P.Edges.Contains(bRight) ? w : 0,
              P.Edges.Contains(bBottom) ? w : 0};
  }
  if (P.Shadow) {
    r.Right += cxContainerShadowWidth;
    r.Bottom += cxContainerShadowWidth;
  }
  return r;
}

TRect CalcContainerHotZone(const TcxContainerHotZoneParams& P) {
  TRect r{0, 0, P.Width, P.Height};
  if (P.Hosted) return r;
  if (P.Shadow) {
    r.Right -= cxContainerShadowWidth;
    r.Bottom -= cxContainerShadowWidth;
  }
  if (P.BorderShown) {
    if (P.Native) {
      if (P.TransparentBorder && P.BorderStyle == cbsNone) r = InflateRectXY(r, -2, -2);
    } else if (P.TransparentBorder) {
      r = InflateRectXY(r, P.BorderWidth - 2, P.BorderWidth - 2);
      r = ShrinkRectOutsideEdges(r, P.BorderWidth, P.Edges);
    }
  } else if (P.TransparentBorder) {
    r = InflateRectXY(r, -2, -2);
  }
  if (r.Bottom < r.Top) r = TRect{r.Left, 0, r.Right, 0};
  return r;
}

void GrowRectByEdges(TRect& R, int AWidth, TcxBorders AEdges) {
  if (AEdges.Contains(bLeft)) R.Left -= AWidth;
  if (AEdges.Contains(bTop)) R.Top -= AWidth;
  if (AEdges.Contains(bRight)) R.Right += AWidth;
  if (AEdges.Contains(bBottom)) R.Bottom += AWidth;
}

TRect ShrinkRectOutsideEdges(const TRect& R, int AWidth, TcxBorders AEdges) {
  TRect r = R;
  if (!AEdges.Contains(bLeft)) r.Left += AWidth;
  if (!AEdges.Contains(bTop)) r.Top += AWidth;
  if (!AEdges.Contains(bRight)) r.Right -= AWidth;
  if (!AEdges.Contains(bBottom)) r.Bottom -= AWidth;
  return r;
}

TRect CalcContainerBorderBounds(const TRect& ABounds, const TRect& AThickness, int ABorderWidth, TcxBorders AEdges) {
  TRect r = InflateRectXY(ShrinkRectByMargins(ABounds, AThickness), ABorderWidth, ABorderWidth);
  return ShrinkRectOutsideEdges(r, ABorderWidth, AEdges);
}

void CalcContainerShadowBands(const TRect& R, TRect& ABottom, TRect& ARight) {
  ABottom = TRect{R.Left + cxContainerShadowWidth, R.Bottom, R.Right, R.Bottom + cxContainerShadowWidth};
  ARight = TRect{R.Right, R.Top + cxContainerShadowWidth, R.Right + cxContainerShadowWidth,
                 R.Bottom + cxContainerShadowWidth};
}

TcxContainerFrameRects CalcContainerFrameRects(const TRect& ABorderRect, int ABorderWidth, TcxBorders AEdges,
                                               bool AShadow) {
  TcxContainerFrameRects result;
  // The frame always reaches out on the left and top; on the right and bottom
  // only on the edges drawn, so the shadow hugs the visible frame.
  TRect r = ABorderRect;
  r.Left -= ABorderWidth;
  r.Top -= ABorderWidth;
  if (AEdges.Contains(bRight)) r.Right += ABorderWidth;
  if (AEdges.Contains(bBottom)) r.Bottom += ABorderWidth;
  if (AShadow) CalcContainerShadowBands(r, result.ShadowBands[0], result.ShadowBands[1]);
  if (!AEdges.Contains(bRight)) r.Right += ABorderWidth;
  if (!AEdges.Contains(bBottom)) r.Bottom += ABorderWidth;
  result.Frame = r;
  return result;
}

int CalcBandsExcept(const TRect& R, const TRect& AInner, TRect ABands[4]) {
  if (RectHasNoArea(R) || RectsEqual(R, AInner)) return 0;
  if (RectHasNoArea(AInner)) {
    ABands[0] = R;
    return 1;
  }
  const TRect candidates[4] = {
      TRect{R.Left, R.Top, AInner.Left, R.Bottom},
      TRect{AInner.Left, R.Top, AInner.Right, AInner.Top},
      TRect{AInner.Left, AInner.Bottom, AInner.Right, R.Bottom},
      TRect{AInner.Right, R.Top, R.Right, R.Bottom},
  };
  int count = 0;
  for (const TRect& c : candidates) {
    TRect clipped;
    if (IntersectRects(clipped, c, R) && !RectHasNoArea(clipped)) ABands[count++] = clipped;
  }
  return count;
}

TRect ScrollBarRectToClientRect(const TRect& AScreenRect, const TPoint& AClientOrigin, int AContainerWidth,
                                int AContainerHeight) {
  const int left = AScreenRect.Left - AClientOrigin.X, top = AScreenRect.Top - AClientOrigin.Y;
  const int width = AScreenRect.Right - AScreenRect.Left, height = AScreenRect.Bottom - AScreenRect.Top;
  if (left < 0 || top < 0 || width > AContainerWidth || height > AContainerHeight) return TRect{};
  return TRect{left, top, width, height};
}
