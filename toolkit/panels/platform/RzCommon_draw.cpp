// Frame strokes, panel borders, text and rotated fonts on the runtime canvas.
#include "RzCommon_win.h"
#include "dxThemeManager.h"

void GetSchemeGradientColors(TRzGradientColorStyle Style, TColor& Start, TColor& Stop) {
  SchemeGradientColors(Style, CanUseThemes(), Start, Stop);
}

TColor GetSchemeFlatColor(TRzGradientColorStyle Style) { return SchemeFlatColor(Style, CanUseThemes()); }

// --- Strokes ------------------------------------------------------------------------------
namespace {

void Line(TCanvas* Canvas, int X1, int Y1, int X2, int Y2) {
  Canvas->MoveTo(X1, Y1);
  Canvas->LineTo(X2, Y2);
}

TRect Shrink(TRect Rect, TSides Sides, int By) {
  if (Sides.Contains(sdLeft)) Rect.Left += By;
  if (Sides.Contains(sdTop)) Rect.Top += By;
  if (Sides.Contains(sdRight)) Rect.Right -= By;
  if (Sides.Contains(sdBottom)) Rect.Bottom -= By;
  return Rect;
}

// Groove and bump: a light and a dark ring offset by a pixel, with the
// corners where only one of two sides is drawn finished by hand.
TRect StrokeEtched(TCanvas* Canvas, const TRect& R, TColor UL, TColor LR, TSides Sides) {
  const bool left = Sides.Contains(sdLeft), top = Sides.Contains(sdTop), right = Sides.Contains(sdRight),
             bottom = Sides.Contains(sdBottom);
  if (right) Canvas->SetPixels(R.Right - 1, R.Top, LR);
  if (top && !right) Canvas->SetPixels(R.Right - 1, R.Top, UL);
  if (bottom) Canvas->SetPixels(R.Left, R.Bottom - 1, LR);
  if (left && !bottom) Canvas->SetPixels(R.Left, R.Bottom - 1, UL);
  if (top && !left) Canvas->SetPixels(R.Left, R.Top + 1, LR);
  if (left && !top) Canvas->SetPixels(R.Left + 1, R.Top, LR);
  if (bottom && !right) Canvas->SetPixels(R.Right - 1, R.Bottom - 2, UL);
  if (right && !bottom) Canvas->SetPixels(R.Right - 2, R.Bottom - 1, UL);
  StrokeEdges(Canvas, TRect{R.Left + 1, R.Top + 1, R.Right, R.Bottom}, LR, LR, Sides);
  StrokeEdges(Canvas, TRect{R.Left, R.Top, R.Right - 1, R.Bottom - 1}, UL, UL, Sides);
  return Shrink(R, Sides, 2);
}

// The outer or inner style of a panel border (step 1 or 3 of StrokePanelBorders).
TRect StrokeBorderStyle(TCanvas* Canvas, const TRect& R, TFrameStyleEx Style, bool Inner, TFrameStyleEx OtherInner,
                        int BorderWidth, TSides Sides, int BevelWidth, TColor BorderColor, TColor BorderHighlight,
                        TColor BorderShadow, TColor Flat, TColor Color, TColor ParentColor, bool Transparent) {
  switch (Style) {
    case fsFlat: return StrokeEdgeRings(Canvas, R, Flat, Flat, 1, Sides);
    case fsFlatBold: return StrokeEdgeRings(Canvas, R, Flat, Flat, 2, Sides);
    case fsPopup: return StrokeEdgeRings(Canvas, R, BorderHighlight, BorderShadow, BevelWidth, Sides);
    case fsStatus: return StrokeEdgeRings(Canvas, R, BorderShadow, BorderHighlight, BevelWidth, Sides);
    case fsFlatRounded: {
      if (Inner) {
        if (!Transparent) {
          const TRect inside = StrokeEdgeRings(Canvas, R, BorderColor, BorderColor, 1, Sides);
          StrokeEdgeRings(Canvas, inside, Color, Color, 1, Sides);
        } else {
          StrokeEdgeRings(Canvas, R, BorderColor, BorderColor, 1, Sides);
        }
      } else {
        const bool banded = BorderWidth > 0 || OtherInner != fsNone;
        if (!Transparent) {
          const TRect inside = StrokeEdgeRings(Canvas, R, ParentColor, ParentColor, 1, Sides);
          const TColor next = banded ? BorderColor : Color;
          StrokeEdgeRings(Canvas, inside, next, next, 1, Sides);
        } else if (banded) {
          StrokeEdgeRings(Canvas, TRect{R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1}, BorderColor, BorderColor,
                          1, Sides);
        }
      }
      return StrokeRoundedFrame(Canvas, R, Flat, Sides);
    }
    default: return StrokeFrameStyle(Canvas, R, Style, Sides);
  }
}

}  // namespace

TRect StrokeEdges(TCanvas* Canvas, TRect Rect, TColor UpperLeftColor, TColor LowerRightColor, TSides Sides) {
  const TRect& R = Rect;
  if (UpperLeftColor != clNone) {
    Canvas->Pen()->SetColor(UpperLeftColor);
    if (Sides.Contains(sdLeft)) Line(Canvas, R.Left, R.Top, R.Left, R.Bottom);
    if (Sides.Contains(sdTop)) Line(Canvas, R.Left, R.Top, R.Right, R.Top);
  }
  if (LowerRightColor != clNone) {
    Canvas->Pen()->SetColor(LowerRightColor);
    if (Sides.Contains(sdRight)) Line(Canvas, R.Right - 1, R.Top, R.Right - 1, R.Bottom);
    if (Sides.Contains(sdBottom)) Line(Canvas, R.Left, R.Bottom - 1, R.Right, R.Bottom - 1);
  }
  return Shrink(Rect, Sides, 1);
}

TRect StrokeEdgeRings(TCanvas* Canvas, TRect Rect, TColor UpperLeftColor, TColor LowerRightColor, int Count,
                      TSides Sides) {
  Canvas->Pen()->SetWidth(1);
  for (int i = 0; i < Count; ++i) Rect = StrokeEdges(Canvas, Rect, UpperLeftColor, LowerRightColor, Sides);
  return Rect;
}

TRect StrokeFrameStyle(TCanvas* Canvas, TRect Rect, TFrameStyle Style, TSides Sides) {
  RzCheckFrameStyle(Style);
  switch (Style) {
    case fsNone: return Rect;
    case fsGroove:
    case fsBump: {
      const TRzEdgeColors c = FrameStyleColors(Style);
      return StrokeEtched(Canvas, Rect, c.UpperLeft, c.LowerRight, Sides);
    }
    case fsRaised:
    case fsLowered:
    case fsButtonUp:
    case fsButtonDown: {
      TRzEdgeColors outer, inner;
      DoubleBevelColors(Style, outer, inner);
      Rect = StrokeEdges(Canvas, Rect, outer.UpperLeft, outer.LowerRight, Sides);
      return StrokeEdges(Canvas, Rect, inner.UpperLeft, inner.LowerRight, Sides);
    }
    default: {
      const TRzEdgeColors c = FrameStyleColors(Style);
      return StrokeEdgeRings(Canvas, Rect, c.UpperLeft, c.LowerRight, Style == fsFlatBold ? 2 : 1, Sides);
    }
  }
}

TRect StrokeFrameAllSides(TCanvas* Canvas, TRect Rect, TFrameStyle Style) {
  return StrokeFrameStyle(Canvas, Rect, Style, sdAllSides);
}

TRect StrokeRoundedFrame(TCanvas* Canvas, TRect Rect, TColor Color, TSides Sides) {
  const TRect& R = Rect;
  const bool left = Sides.Contains(sdLeft), top = Sides.Contains(sdTop), right = Sides.Contains(sdRight),
             bottom = Sides.Contains(sdBottom);
  const int cutLeft = left ? 2 : 0, cutTop = top ? 2 : 0, cutRight = right ? 2 : 0, cutBottom = bottom ? 2 : 0;
  Canvas->Pen()->SetColor(Color);
  if (left) Line(Canvas, R.Left, R.Top + cutTop, R.Left, R.Bottom - cutBottom);
  if (top) Line(Canvas, R.Left + cutLeft, R.Top, R.Right - cutRight, R.Top);
  if (right) Line(Canvas, R.Right - 1, R.Top + cutTop, R.Right - 1, R.Bottom - cutBottom);
  if (bottom) Line(Canvas, R.Left + cutLeft, R.Bottom - 1, R.Right - cutRight, R.Bottom - 1);
  if (left && top) Canvas->SetPixels(R.Left + 1, R.Top + 1, Color);
  if (right && top) Canvas->SetPixels(R.Right - 2, R.Top + 1, Color);
  if (right && bottom) Canvas->SetPixels(R.Right - 2, R.Bottom - 2, Color);
  if (left && bottom) Canvas->SetPixels(R.Left + 1, R.Bottom - 2, Color);
  return Shrink(Rect, Sides, 2);
}

TRect StrokePanelBorders(TCanvas* Canvas, TRect Rect, TFrameStyleEx BorderOuter, TFrameStyleEx BorderInner,
                         int BorderWidth, TSides BorderSides, int BevelWidth, TColor BorderColor,
                         TColor BorderHighlight, TColor BorderShadow, TColor FlatColor, int FlatColorAdjustment,
                         TColor Color, TColor ParentColor, bool Transparent) {
  const TColor flat = ShiftColorLuminance(FlatColor, FlatColorAdjustment);
  Rect = StrokeBorderStyle(Canvas, Rect, BorderOuter, false, BorderInner, BorderWidth, BorderSides, BevelWidth,
                           BorderColor, BorderHighlight, BorderShadow, flat, Color, ParentColor, Transparent);
  if (BorderWidth > 0) Rect = StrokeEdgeRings(Canvas, Rect, BorderColor, BorderColor, BorderWidth, BorderSides);
  return StrokeBorderStyle(Canvas, Rect, BorderInner, true, BorderInner, BorderWidth, BorderSides, BevelWidth,
                           BorderColor, BorderHighlight, BorderShadow, flat, Color, ParentColor, Transparent);
}

// --- Text ---------------------------------------------------------------------------------
int DrawTextInRect(TCanvas* Canvas, const String& Text, TRect& Rect, UINT Format) {
  Canvas->RequiredState({csHandleValid, csFontValid, csBrushValid});
  return DrawTextW(Canvas->Handle(), Text.c_str(), -1, AsRect(Rect), Format);
}

HFONT MakeAngledFont(TFont* Font, int Angle) {
  LOGFONTW lf{};
  GetObjectW(Font->Handle(), sizeof(lf), &lf);
  lf.lfEscapement = Angle * 10;
  lf.lfOrientation = Angle * 10;
  return CreateFontIndirectW(&lf);
}

void RefreshTransparentChildren(TWinControl* Panel) {
  for (int i = 0; i < Panel->ControlCount(); ++i) {
    TControl* child = Panel->Controls(i);
    const TPropInfo* p = FindPublished(child->ClassType(), L"Transparent");
    if (p && p->Kind == pkBool && p->GetOrd(child) != 0) child->Invalidate();
  }
}
