// Drawing steps shared by the painters of the unit.
#include "cxGeometry.h"
#include "cxLookAndFeelPainters_internal.h"

namespace cxpainters {

namespace {

// Tells the canvas's users of drawing done on its DC, as its own drawing calls do.
class TCanvasDrawing {
 public:
  explicit TCanvasDrawing(TcxCanvas* ACanvas) : FCanvas(ACanvas->Canvas()), FDC(ACanvas->Handle()) {
    if (FCanvas->OnChanging) FCanvas->OnChanging(FCanvas);
  }
  ~TCanvasDrawing() {
    if (FCanvas->OnChange) FCanvas->OnChange(FCanvas);
  }
  TCanvasDrawing(const TCanvasDrawing&) = delete;
  TCanvasDrawing& operator=(const TCanvasDrawing&) = delete;
  HDC DC() const { return FDC; }
  // The colour the fills after it take, resolved once.
  void SetColor(TColor AColor) const { SetDCBrushColor(FDC, COLORREF(ColorToRGB(AColor)) & 0xFFFFFFu); }
  void Fill(const TRect& R) const {
    if (R.Left < R.Right && R.Top < R.Bottom) ::FillRect(FDC, AsRect(R), HBRUSH(GetStockObject(DC_BRUSH)));
  }

 private:
  TCanvas* FCanvas;
  HDC FDC;
};

// The DC's own pen and brush in one colour for the guard's lifetime.
class TDCPenAndBrush {
 public:
  TDCPenAndBrush(HDC ADC, TColor AColor, bool ABrush)
      : FDC(ADC), FPen(SelectObject(ADC, GetStockObject(DC_PEN))),
        FBrush(ABrush ? SelectObject(ADC, GetStockObject(DC_BRUSH)) : nullptr) {
    const COLORREF color = COLORREF(ColorToRGB(AColor)) & 0xFFFFFFu;
    SetDCPenColor(ADC, color);
    if (ABrush) SetDCBrushColor(ADC, color);
  }
  ~TDCPenAndBrush() {
    SelectObject(FDC, FPen);
    if (FBrush) SelectObject(FDC, FBrush);
  }
  TDCPenAndBrush(const TDCPenAndBrush&) = delete;
  TDCPenAndBrush& operator=(const TDCPenAndBrush&) = delete;

 private:
  HDC FDC;
  HGDIOBJ FPen, FBrush;
};

}  // namespace

void FillSolid(TcxCanvas* ACanvas, const TRect& R, TColor AColor) {
  if (AColor == clNone) return;
  // clDefault keeps the canvas's own brush.
  if (AColor == clDefault) {
    ACanvas->FillRect(R, clDefault);
    return;
  }
  const TCanvasDrawing d(ACanvas);
  d.SetColor(AColor);
  d.Fill(R);
}

void FrameTwoColor(TcxCanvas* ACanvas, const TRect& R, TColor ALeftTop, TColor ARightBottom, TcxBorders ABorders) {
  const TCanvasDrawing d(ACanvas);
  if (ABorders.Contains(bLeft) || ABorders.Contains(bTop)) {
    d.SetColor(ALeftTop);
    if (ABorders.Contains(bLeft)) d.Fill({R.Left, R.Top, R.Left + 1, R.Bottom});
    if (ABorders.Contains(bTop)) d.Fill({R.Left, R.Top, R.Right, R.Top + 1});
  }
  if (ABorders.Contains(bRight) || ABorders.Contains(bBottom)) {
    d.SetColor(ARightBottom);
    if (ABorders.Contains(bRight)) d.Fill({R.Right - 1, R.Top, R.Right, R.Bottom});
    if (ABorders.Contains(bBottom)) d.Fill({R.Left, R.Bottom - 1, R.Right, R.Bottom});
  }
}

void Edge3D(TcxCanvas* ACanvas, const TRect& R, bool ASunken, bool AOuter, TcxBorders ABorders) {
  if (ASunken) FrameTwoColor(ACanvas, R, AOuter ? clBtnShadow : cl3DDkShadow, AOuter ? clBtnHighlight : cl3DLight, ABorders);
  else FrameTwoColor(ACanvas, R, AOuter ? cl3DLight : clBtnHighlight, AOuter ? cl3DDkShadow : clBtnShadow, ABorders);
}

TRect Inset(const TRect& R, int D) { return TRect{R.Left + D, R.Top + D, R.Right - D, R.Bottom - D}; }

TRect InsetBorders(const TRect& R, int D, TcxBorders ABorders) {
  return TRect{R.Left + (ABorders.Contains(bLeft) ? D : 0), R.Top + (ABorders.Contains(bTop) ? D : 0),
               R.Right - (ABorders.Contains(bRight) ? D : 0), R.Bottom - (ABorders.Contains(bBottom) ? D : 0)};
}

bool IsEmptyRect(const TRect& R) { return R.Left >= R.Right || R.Top >= R.Bottom; }

void FillPolygon(TcxCanvas* ACanvas, const std::vector<TPoint>& APoints, TColor AColor) {
  if (APoints.empty()) return;
  const TCanvasDrawing d(ACanvas);
  const TDCPenAndBrush pen(d.DC(), AColor, true);
  Polygon(d.DC(), reinterpret_cast<const POINT*>(APoints.data()), int(APoints.size()));
}

void PolylineIn(TcxCanvas* ACanvas, const std::vector<TPoint>& APoints, TColor AColor) {
  if (APoints.empty()) return;
  const TCanvasDrawing d(ACanvas);
  const TDCPenAndBrush pen(d.DC(), AColor, false);
  Polyline(d.DC(), reinterpret_cast<const POINT*>(APoints.data()), int(APoints.size()));
}

void DrawStroke(TcxCanvas* ACanvas, const TcxStroke& AStroke, TColor AColor, TColor ASecondColor) {
  if (AStroke.Points.empty()) return;
  const TCanvasDrawing d(ACanvas);
  const TDCPenAndBrush pen(d.DC(), AColor, false);
  MoveToEx(d.DC(), AStroke.Points[0].X, AStroke.Points[0].Y, nullptr);
  for (std::size_t i = 1; i < AStroke.Points.size(); ++i) {
    // The line from point i - 1 takes the second colour once the change is reached.
    if (AStroke.ColorChange > 0 && int(i) - 1 == AStroke.ColorChange)
      SetDCPenColor(d.DC(), COLORREF(ColorToRGB(ASecondColor)) & 0xFFFFFFu);
    LineTo(d.DC(), AStroke.Points[i].X, AStroke.Points[i].Y);
  }
}

void FillWithViewParams(TcxCanvas* ACanvas, const TRect& R, const TcxViewStyleParams& AParams) {
  if (IsNonEmptyBitmap(AParams.Bitmap)) ACanvas->FillRectWithBitmap(R, AParams.Bitmap);
  else FillSolid(ACanvas, R, AParams.Color);
}

TcxTextFlags AlignmentFlags(TAlignment AHorz, TcxAlignmentVert AVert) {
  const TcxTextFlags horz = AHorz == taLeftJustify ? cxAlignLeft : AHorz == taRightJustify ? cxAlignRight
                                                                                          : cxAlignHCenter;
  const TcxTextFlags vert = AVert == vaTop ? cxAlignTop : AVert == vaBottom ? cxAlignBottom : cxAlignVCenter;
  return horz | vert;
}

void DrawTextClear(TcxCanvas* ACanvas, const String& AText, const TRect& R, TcxTextFlags AFlags, TFont* AFont,
                   TColor AColor, bool AEnabled) {
  if (AText.empty()) return;
  if (AFont) ACanvas->SetFont(AFont);
  if (AColor != clDefault) ACanvas->Font()->SetColor(AColor);
  ACanvas->Brush()->SetStyle(bsClear);
  ACanvas->DrawText(AText, R, AFlags, AEnabled);
  ACanvas->Brush()->SetStyle(bsSolid);
}

// An etched line two pixels thick: the standard look's border width, which the
// flat look draws its separators with too.
void PaintEtchedBand(TcxCanvas* ACanvas, const TRect& R, bool AVertical) {
  constexpr int width = 2;
  TRect band = AVertical ? TRect{(R.Left + R.Right - width) / 2, R.Top, 0, R.Bottom}
                         : TRect{R.Left, (R.Top + R.Bottom - width) / 2, R.Right, 0};
  if (AVertical) band.Right = band.Left + width;
  else band.Bottom = band.Top + width;
  band.Right -= 1;
  band.Bottom -= 1;
  FillSolid(ACanvas, band, clBtnShadow);
  FillSolid(ACanvas, OffsetRectBy(band, 1, 1), clBtnHighlight);
}

void PaintRaisedHeaderEdge(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders) {
  Edge3D(ACanvas, R, false, false);
  // Rounds the cell's corners into its neighbours'.
  if (ABorders.Contains(bLeft)) {
    ACanvas->SetPixel(R.Left, R.Top + 1, clBtnFace);
    ACanvas->SetPixel(R.Left, R.Bottom - 2, clBtnFace);
  }
  if (ABorders.Contains(bRight)) {
    ACanvas->SetPixel(R.Right - 1, R.Top, clBtnHighlight);
    ACanvas->SetPixel(R.Right - 1, R.Top + 1, clBtnFace);
    ACanvas->SetPixel(R.Right - 1, R.Bottom - 2, clBtnFace);
  }
}

void PaintTabEdgeStrip(TcxCanvas* ACanvas, const TRect& R, TcxBorder ASide, TcxBorders ABorders, bool AVertical) {
  TRect r = R;
  TColor color = clBtnHighlight;
  if (AVertical) {
    if (ASide == bLeft) {
      r.Top += ABorders.Contains(bTop) ? 2 : 1;
      r.Bottom -= ABorders.Contains(bBottom) ? 2 : 1;
      ACanvas->SetPixel(r.Left + 1, r.Top - 1, clBtnHighlight);
      ACanvas->SetPixel(r.Left + 1, r.Bottom, clBtnHighlight);
    } else if (ASide == bTop || ASide == bBottom) {
      if (ABorders.Contains(bLeft)) r.Left += 1;
    }
    if (ASide == bBottom) color = clBtnShadow;
  } else {
    if (ASide == bLeft || ASide == bRight) {
      if (ABorders.Contains(bTop)) r.Top += 2;
      if (ABorders.Contains(bBottom)) r.Bottom -= 1;
    } else if (ASide == bTop) {
      r.Left += 1;
      r.Right -= 1;
      ACanvas->SetPixel(r.Left - 1, r.Top + 1, clBtnHighlight);
      ACanvas->SetPixel(r.Right, r.Top + 1, clBtnHighlight);
    }
    if (ASide == bRight) color = clBtnShadow;
  }
  FillSolid(ACanvas, r, color);
}

void PaintEdgedDropButton(TcxCustomLookAndFeelPainterClass APainter, TcxCanvas* ACanvas, const TRect& R,
                          TcxButtonState AState, bool AActive) {
  Edge3D(ACanvas, R, AState == cxbsPressed, AState == cxbsPressed);
  const TRect inner = Inset(R, 1);
  FillSolid(ACanvas, inner, clBtnFace);
  APainter->PaintDownTriangle(ACanvas, inner, AActive ? TColor(0xFF0000) : clBtnText);
}

void PaintScrollBarTrack(TcxCanvas* ACanvas, const TRect& R, bool APressed) {
  HBRUSH pattern = ScrollBarPatternBrush(APressed);
  if (!pattern) {
    FillSolid(ACanvas, R, APressed ? cl3DDkShadow : clBtnFace);
    return;
  }
  const TCanvasDrawing d(ACanvas);
  ::FillRect(d.DC(), AsRect(R), pattern);
}

TcxArrowDirection ScrollBarArrowDirection(bool AHorizontal, TcxScrollBarPart APart) {
  if (AHorizontal) return APart == sbpLineUp ? adLeft : adRight;
  return APart == sbpLineUp ? adUp : adDown;
}

void PaintHeaderArrows(TcxCustomLookAndFeelPainterClass APainter, TcxCanvas* ACanvas, const TRect& R) {
  // Each arrow in a square at its end of the header, a little in from the edges.
  const int side = std::max(0, R.Bottom - R.Top);
  const int margin = side / 4;
  const TRect left{R.Left + margin, R.Top + margin, R.Left + side - margin, R.Bottom - margin};
  const TRect right{R.Right - side + margin, R.Top + margin, R.Right - margin, R.Bottom - margin};
  if (IsEmptyRect(left) || R.Right - R.Left < 2 * side) return;
  APainter->PaintArrow(ACanvas, left, adLeft, clWindowText);
  APainter->PaintArrow(ACanvas, right, adRight, clWindowText);
}

}  // namespace cxpainters
