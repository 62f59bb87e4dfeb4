#include <windows.h>

#include "cxLabel_win.h"

namespace {

// The DC with the canvas font selected: the drawing below calls GDI directly.
HDC FontDC(TcxCanvas* ACanvas) {
  ACanvas->Canvas()->RequiredState(TCanvasStates{csHandleValid, csFontValid});
  return ACanvas->Handle();
}

bool IsTrueTypeFont(HDC DC) {
  TEXTMETRICW tm{};
  return GetTextMetricsW(DC, &tm) && (tm.tmPitchAndFamily & TMPF_TRUETYPE) != 0;
}

// The text as drawn: a turned text shows no underlined accelerator, so its
// marks go.
String DrawnText(const TcxLabelPaintParams& AParams, int AAngle) {
  return AAngle != 0 && AParams.ShowAccelChar ? RemoveAccelChars(AParams.Text) : AParams.Text;
}

unsigned DrawTextFormat(const TcxLabelPaintParams& AParams, int AAngle) {
  unsigned Result = AParams.WordWrap && AAngle == 0 ? DT_WORDBREAK : DT_SINGLELINE;
  if (!AParams.ShowAccelChar || AAngle != 0) Result |= DT_NOPREFIX;
  return Result;
}

// The unturned text's extent, measured before the font turns.
TSize MeasureUnturned(HDC DC, const String& AText, unsigned AFormat, int AMaxWidth) {
  const String S = AText.empty() ? String(L" ") : AText;
  RECT R{0, 0, AMaxWidth > 0 ? AMaxWidth : 0, 0};
  DrawTextW(DC, S.c_str(), int(S.size()), &R, AFormat | DT_CALCRECT);
  return {R.right - R.left, R.bottom - R.top};
}

class TLabelPainter {
 public:
  TLabelPainter(TcxCanvas* ACanvas, const TcxLabelPaintParams& AParams) : C(ACanvas), P(AParams) {
    DC = FontDC(C);
    Angle = cxLabelEffectiveAngle(C, P.Font, P.Angle);
    TrueType = IsTrueTypeFont(DC);
    Text = DrawnText(P, Angle);
    Format = DrawTextFormat(P, Angle);
    Unturned = MeasureUnturned(DC, Text, Format, 0);
    DepthDelta = cxLabelDepthDelta(P.Effect, P.Orientation, P.Depth);
    StyleOffset = cxLabelStyleOffset(P.Style, P.Font ? P.Font->Size() : 8);
    if (Angle != 0) {
      C->SetFontAngle(Angle);
      DC = FontDC(C);
    }
  }

  void Paint() {
    const TSize Size = cxLabelContentSize(Unturned, Angle, DepthDelta, StyleOffset);
    TextRect = cxLabelTextRect(P.ClientRect, Size, P.Horz, P.Vert);
    TcxLabelLineLayout Line;
    if (P.LineVisible && P.Painter) {
      Line = cxLabelCalculateLine(P.ClientRect, TextRect, Angle, P.LineAlignment, P.Horz,
                                  P.Painter->GetLabelLineThickness());
      TextRect = Line.TextRect;
    }
    TPoint Start{0, 0};
    if (Angle != 0) Start = cxLabelRotatedOrigin(TextRect, Unturned, Angle, DepthDelta);
    TcxLabelDepthParams Depth;
    Depth.Start = Start;
    Depth.Effect = P.Effect;
    Depth.Orientation = P.Orientation;
    Depth.Depth = P.Depth;
    Depth.StyleOffset = StyleOffset;
    Depth.BackgroundColor = ColorToRGB(P.BackgroundColor);
    Depth.ShadowColor = ColorToRGB(P.ShadowedColor);
    const TcxLabelDepthPlan Plan = cxLabelCalculateDepth(Depth);

    SetBkMode(DC, TRANSPARENT);
    for (size_t I = 0; I < Plan.Copies.size(); ++I) TextAt(Plan.Copies[I], Plan.CopyColors[I]);
    PaintStyled(Plan.TextOrigin);
    if (Line.Visible) PaintLine(Line);
  }

 private:
  void PaintStyled(const TPoint& O) {
    const int FontSize = P.Font ? P.Font->Size() : 8;
    switch (P.Style) {
      case cxlsNormal:
        MainTextAt(O);
        break;
      case cxlsRaised:
        TextAt(O, ColorToRGB(clBtnHighlight));
        if (FontSize >= 12) TextAt({O.X + 2, O.Y + 2}, ColorToRGB(clBtnShadow));
        MainTextAt({O.X + 1, O.Y + 1});
        break;
      case cxlsLowered:
        if (FontSize > 11) TextAt(O, ColorToRGB(clBtnShadow));
        TextAt({O.X + 2, O.Y + 2}, ColorToRGB(clBtnHighlight));
        MainTextAt({O.X + 1, O.Y + 1});
        break;
      case cxlsOutLine:
        if (!TrueType) {
          MainTextAt(O);
          break;
        }
        if (HasTexture()) FillTexture(O);
        StrokeOutline(O);
        break;
    }
  }

  bool HasTexture() const { return TrueType && P.Glyph && !P.Glyph->Empty(); }

  void MainTextAt(const TPoint& O) {
    if (HasTexture())
      FillTexture(O);
    else
      TextAt(O, ColorToRGB(P.TextColor));
  }

  // The letters as a path that clips a tiling of the glyph.
  void FillTexture(const TPoint& O) {
    const int Saved = SaveDC(DC);
    BeginPath(DC);
    TextAt(O, ColorToRGB(P.TextColor));
    EndPath(DC);
    SelectClipPath(DC, RGN_AND);
    C->FillRectWithBitmap(P.ClientRect, P.Glyph);
    RestoreDC(DC, Saved);
  }

  void StrokeOutline(const TPoint& O) {
    BeginPath(DC);
    TextAt(O, ColorToRGB(P.TextColor));
    EndPath(DC);
    HPEN Pen = CreatePen(PS_SOLID, std::max(1, P.PenWidth), COLORREF(ColorToRGB(P.TextColor)));
    HGDIOBJ Old = SelectObject(DC, Pen);
    StrokePath(DC);
    SelectObject(DC, Old);
    DeleteObject(Pen);
  }

  void TextAt(const TPoint& O, TColor AColor) {
    SetTextColor(DC, COLORREF(AColor));
    if (Angle != 0) {
      ExtTextOutW(DC, O.X, O.Y, 0, nullptr, Text.c_str(), UINT(Text.size()), nullptr);
      return;
    }
    RECT R{TextRect.Left + O.X, TextRect.Top + O.Y, TextRect.Right - DepthDelta.cx + O.X,
           TextRect.Bottom - DepthDelta.cy + O.Y};
    unsigned Flags = Format | DT_NOCLIP;
    Flags |= P.Horz == cxltsFar ? DT_RIGHT : P.Horz == cxltsCenter ? DT_CENTER : DT_LEFT;
    if (P.EndEllipsis) Flags |= DT_END_ELLIPSIS;
    DrawTextW(DC, Text.c_str(), int(Text.size()), &R, Flags);
  }

  void PaintLine(const TcxLabelLineLayout& L) {
    C->PushClipRegion();
    TRect Gap = TextRect;
    if (L.Vertical) {
      Gap.Top -= 3;
      Gap.Bottom += 3;
    } else {
      Gap.Left -= 3;
      Gap.Right += 3;
    }
    C->ExcludeClipRectangle(Gap);
    P.Painter->PaintLabelLine(C, L.LineRect, P.LineOuterColor, P.LineInnerColor, L.Vertical);
    C->PopClipRegion();
  }

  TcxCanvas* C;
  const TcxLabelPaintParams& P;
  HDC DC = nullptr;
  int Angle = 0;
  bool TrueType = false;
  String Text;
  unsigned Format = 0;
  TSize Unturned;
  TSize DepthDelta;
  int StyleOffset = 0;
  TRect TextRect;
};

}  // namespace

int cxLabelEffectiveAngle(TcxCanvas* ACanvas, TFont* AFont, int AAngle) {
  if (AFont) ACanvas->SetFont(AFont);
  return IsTrueTypeFont(FontDC(ACanvas)) ? cxLabelNormalizeAngle(AAngle) : 0;
}

TSize cxCalcLabelTextSize(TcxCanvas* ACanvas, const TcxLabelPaintParams& AParams, int AMaxWidth) {
  ACanvas->PushState();
  const int Angle = cxLabelEffectiveAngle(ACanvas, AParams.Font, AParams.Angle);
  const TSize Unturned = MeasureUnturned(FontDC(ACanvas), DrawnText(AParams, Angle),
                                         DrawTextFormat(AParams, Angle), AMaxWidth);
  ACanvas->PopState();
  return cxLabelContentSize(Unturned, Angle, cxLabelDepthDelta(AParams.Effect, AParams.Orientation, AParams.Depth),
                            cxLabelStyleOffset(AParams.Style, AParams.Font ? AParams.Font->Size() : 8));
}

void cxPaintLabel(TcxCanvas* ACanvas, const TcxLabelPaintParams& AParams) {
  const TRect& R = AParams.ClientRect;
  if (R.Right <= R.Left || R.Bottom <= R.Top) return;
  ACanvas->PushState();
  TLabelPainter(ACanvas, AParams).Paint();
  ACanvas->PopState();
}
