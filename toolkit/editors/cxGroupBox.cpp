#include "cxGroupBox.h"

#include <algorithm>

namespace {

TcxGroupBoxCaptionPosition PositionOf(TcxCaptionAlignment A) { return GroupBoxAlignmentToCaptionPosition(A); }

// DrawText's flag values (this unit includes no window headers).
constexpr unsigned dtLeft = 0x00, dtCenter = 0x01, dtRight = 0x02, dtTop = 0x00, dtVCenter = 0x04,
                   dtBottom = 0x08, dtWordBreak = 0x10, dtSingleLine = 0x20;

bool IsHorizontallyCentred(TcxCaptionAlignment A) { return A == alTopCenter || A == alBottomCenter || A == alCenterCenter; }
bool IsVerticallyCentred(TcxCaptionAlignment A) { return A == alLeftCenter || A == alRightCenter || A == alCenterCenter; }
bool IsLeftSided(TcxCaptionAlignment A) {
  return A == alTopLeft || A == alBottomLeft || A == alLeftTop || A == alLeftCenter || A == alLeftBottom;
}
bool IsRightSided(TcxCaptionAlignment A) {
  return A == alTopRight || A == alBottomRight || A == alRightTop || A == alRightCenter || A == alRightBottom;
}
bool IsTopSided(TcxCaptionAlignment A) {
  return A == alTopLeft || A == alTopCenter || A == alTopRight || A == alLeftTop || A == alRightTop;
}
bool IsBottomSided(TcxCaptionAlignment A) {
  return A == alBottomLeft || A == alBottomCenter || A == alBottomRight || A == alLeftBottom || A == alRightBottom;
}

// The framed caption side of a standalone box: not in panel style, not centred.
bool HasFramedCaptionSide(const TcxGroupBoxExtentParams& P) {
  return P.Standalone && !P.PanelStyle && P.Alignment != alCenterCenter;
}

int& CaptionSide(TRect& R, TcxGroupBoxCaptionPosition APosition) {
  switch (APosition) {
    case cxgpBottom: return R.Bottom;
    case cxgpLeft: return R.Left;
    case cxgpRight: return R.Right;
    default: return R.Top;
  }
}

}  // namespace

TcxGroupBoxCaptionPosition GroupBoxAlignmentToCaptionPosition(TcxCaptionAlignment AAlignment) {
  switch (AAlignment) {
    case alTopLeft:
    case alTopCenter:
    case alTopRight: return cxgpTop;
    case alBottomLeft:
    case alBottomCenter:
    case alBottomRight: return cxgpBottom;
    case alLeftTop:
    case alLeftCenter:
    case alLeftBottom: return cxgpLeft;
    case alRightTop:
    case alRightCenter:
    case alRightBottom: return cxgpRight;
    default: return cxgpCenter;
  }
}

bool GroupBoxHasShadow(bool AStyleShadow, bool APanelStyle, TcxCaptionAlignment AAlignment, bool ANative,
                       bool ASkinned) {
  const TcxGroupBoxCaptionPosition position = PositionOf(AAlignment);
  return AStyleShadow && (APanelStyle || position == cxgpTop || position == cxgpLeft) && !ANative && !ASkinned;
}

// --- Extents ------------------------------------------------------------------------------
TRect CalcGroupBoxBorderExtent(const TcxGroupBoxExtentParams& AParams) {
  TRect r = AParams.BorderExtent;
  if (!HasFramedCaptionSide(AParams)) return r;
  const TcxGroupBoxCaptionPosition position = PositionOf(AParams.Alignment);
  const int half = AParams.CaptionTextHeight / 2;
  CaptionSide(r, position) = position == cxgpTop || position == cxgpBottom ? half + 1 : half;
  return r;
}

TRect CalcGroupBoxClientExtent(const TcxGroupBoxExtentParams& AParams) {
  TRect r = AParams.BorderExtent;
  if (AParams.Shadow) {
    r.Right += cxGroupBoxShadowSize;
    r.Bottom += cxGroupBoxShadowSize;
  }
  const TcxGroupBoxCaptionPosition position = PositionOf(AParams.Alignment);
  if (AParams.Standalone && AParams.Skinned) {
    r.Left += AParams.SkinFrameExtents.Left;
    r.Top += AParams.SkinFrameExtents.Top;
    r.Right += AParams.SkinFrameExtents.Right;
    r.Bottom += AParams.SkinFrameExtents.Bottom;
    if (!AParams.PanelStyle) {
      if (position == cxgpTop)
        (AParams.NonClientCaption ? r.Bottom : r.Top) += AParams.SkinCaptionBand;
      else if (position == cxgpLeft)
        (AParams.NonClientCaption ? r.Right : r.Left) += AParams.SkinCaptionBand;
    }
  }
  if (HasFramedCaptionSide(AParams))
    CaptionSide(r, position) = AParams.CaptionTextHeight + r.Top + (AParams.Skinned ? 0 : 3);
  return r;
}

TRect CalcGroupBoxClientRect(int AWidth, int AHeight, const TRect& AClientExtent, bool APanelStyle,
                             int ABorderWidth) {
  const int inset = APanelStyle ? ABorderWidth : 0;
  return TRect{AClientExtent.Left + inset, AClientExtent.Top + inset, AWidth - AClientExtent.Right - inset,
               AHeight - AClientExtent.Bottom - inset};
}

TRect CalcGroupBoxBorderBounds(const TRect& ABounds, const TRect& AInheritedBounds, bool APanelStyle, bool AShadow,
                               TcxCaptionAlignment AAlignment) {
  TRect r = AInheritedBounds;
  if (APanelStyle) {
    r = ABounds;
    if (AShadow) {
      r.Right -= cxGroupBoxShadowSize;
      r.Bottom -= cxGroupBoxShadowSize;
    }
  }
  switch (PositionOf(AAlignment)) {
    case cxgpTop: r.Top = ABounds.Top; break;
    case cxgpBottom: r.Bottom = ABounds.Bottom; break;
    case cxgpLeft: r.Left = ABounds.Left; break;
    case cxgpRight: r.Right = ABounds.Right; break;
    default: break;
  }
  return r;
}

TRect CalcGroupBoxNativeFrameRect(const TRect& ABounds, TcxCaptionAlignment AAlignment, int AQqTextHeight) {
  TRect r = ABounds;
  const int half = AQqTextHeight / 2;
  switch (PositionOf(AAlignment)) {
    case cxgpTop: r.Top += half; break;
    case cxgpBottom: r.Bottom -= half; break;
    case cxgpLeft: r.Left += half; break;
    case cxgpRight: r.Right -= half; break;
    default: break;
  }
  return r;
}

// --- Caption layouts ----------------------------------------------------------------------
TRect CalcGroupBoxFramedCaptionRect(TcxCaptionAlignment AAlignment, int AWidth, int AHeight, const TSize& ATextSize,
                                    bool AShadow, bool AHasCaption) {
  if (!AHasCaption) return TRect{};
  const int w = ATextSize.cx, h = ATextSize.cy, s = AShadow ? cxGroupBoxShadowSize : 0;
  constexpr int d = cxGroupBoxCaptionOffset;
  TRect r{d, 0, d + w, h};
  auto setLeft = [&](int ALeft) { r = TRect{ALeft, r.Top, ALeft + w, r.Bottom}; };
  switch (AAlignment) {
    case alTopCenter:
    case alBottomCenter:
    case alCenterCenter: setLeft((AWidth - s - w) / 2); break;
    case alTopRight:
    case alBottomRight: setLeft(AWidth - s - d - w); break;
    default: break;
  }
  switch (AAlignment) {
    case alBottomLeft:
    case alBottomCenter:
    case alBottomRight: r.Top = AHeight - h, r.Bottom = AHeight; break;
    case alCenterCenter: r.Top = (AHeight - s - h) / 2, r.Bottom = r.Top + h; break;
    case alLeftTop: r = TRect{0, d, h, d + w + 1}; break;
    case alLeftCenter:
    case alLeftBottom: {
      const int c = AAlignment == alLeftCenter ? AHeight - s - (AHeight - s - w) / 2 : AHeight - s - d;
      r = TRect{0, c - w - 1, h, c};
      break;
    }
    case alRightTop: r = TRect{AWidth - h, d, AWidth, d + w}; break;
    case alRightCenter: r = TRect{AWidth - h, (AHeight - w) / 2, AWidth, (AHeight - w) / 2 + w}; break;
    case alRightBottom: r = TRect{AWidth - h, AHeight - d - w, AWidth, AHeight - d}; break;
    default: break;
  }
  return r;
}

int CalcGroupBoxSkinCaptionBand(TcxCaptionAlignment AAlignment, const TRect& E) {
  switch (PositionOf(AAlignment)) {
    case cxgpTop:
    case cxgpBottom: return E.Top + E.Bottom;
    case cxgpLeft:
    case cxgpRight: return E.Left + E.Right;
    default: return 0;
  }
}

TcxGroupBoxCaptionLayout CalcGroupBoxSkinnedCaption(const TcxGroupBoxSkinnedCaptionParams& P) {
  const int b = CalcGroupBoxSkinCaptionBand(P.Alignment, P.CaptionPartExtents);
  const int w = P.TextSize.cx, h = P.TextSize.cy;
  TcxGroupBoxCaptionLayout result;
  TRect& c = result.CaptionRect;
  c = result.BorderRect = TRect{0, 0, P.Width, P.Height};
  switch (PositionOf(P.Alignment)) {
    case cxgpTop:
      c.Bottom = c.Top + h;
      if (P.NonClientCaption) {
        c.Top -= b;
        result.BorderRect.Bottom -= b;
      } else {
        c.Bottom += b;
      }
      break;
    case cxgpBottom: c.Top = c.Bottom - h - b; break;
    case cxgpLeft:
      c.Right = c.Left + h;
      if (P.NonClientCaption) {
        c.Left -= b;
        result.BorderRect.Right -= b;
      } else {
        c.Right += b;
      }
      break;
    case cxgpRight: c.Left = c.Right - h - b; break;
    default: {
      const int left = (P.Width - w) / 2, top = (P.Height - h) / 2;
      c = TRect{left, top, left + w, top + h};
      break;
    }
  }
  const TRect& e = P.CaptionPartExtents;
  TRect t{c.Left + e.Left, c.Top + e.Top, c.Right - e.Right, c.Bottom - e.Bottom};
  switch (P.Alignment) {
    case alTopRight:
    case alBottomRight: t.Left = t.Right - w; break;
    case alTopCenter:
    case alBottomCenter: t.Left = (t.Left + t.Right - w) / 2; break;
    case alLeftTop:
    case alRightTop: t.Bottom = t.Top + w; break;
    case alLeftBottom:
    case alRightBottom: t.Top = t.Bottom - w; break;
    case alLeftCenter:
    case alRightCenter:
      t.Top = (t.Top + t.Bottom - w) / 2;
      t.Bottom = t.Top + w;
      break;
    default: break;
  }
  result.CaptionTextRect = t;
  return result;
}

int GroupBoxCaptionBandThickness(const TRect& R, TcxCaptionAlignment AAlignment) {
  const TcxGroupBoxCaptionPosition position = PositionOf(AAlignment);
  return position == cxgpLeft || position == cxgpRight ? R.Right - R.Left : R.Bottom - R.Top;
}

TRect ResizeGroupBoxCaptionBand(const TRect& ACaptionRect, TcxCaptionAlignment AAlignment, int AThickness) {
  TRect r = ACaptionRect;
  switch (PositionOf(AAlignment)) {
    case cxgpTop: r.Bottom = r.Top + AThickness; break;
    case cxgpBottom: r.Top = r.Bottom - AThickness; break;
    case cxgpLeft: r.Right = r.Left + AThickness; break;
    case cxgpRight: r.Left = r.Right - AThickness; break;
    default: break;
  }
  return r;
}

TRect CalcGroupBoxPanelCaptionBounds(const TRect& ABounds, TcxCaptionAlignment A, int ABorderWidth,
                                     int ACaptionIndent) {
  const int indent = std::max(ACaptionIndent, cxGroupBoxMinCaptionIndent);
  auto margin = [&](bool ACaptionSide, bool ACentredAxis) {
    return ABorderWidth + (ACentredAxis ? cxGroupBoxMinCaptionIndent : ACaptionSide ? indent : 0);
  };
  const bool h = IsHorizontallyCentred(A), v = IsVerticallyCentred(A);
  return TRect{ABounds.Left + margin(IsLeftSided(A), h), ABounds.Top + margin(IsTopSided(A), v),
               ABounds.Right - margin(IsRightSided(A), h), ABounds.Bottom - margin(IsBottomSided(A), v)};
}

unsigned GetGroupBoxPanelTextFlags(TcxCaptionAlignment A, bool AWordWrap) {
  const unsigned horizontal = IsHorizontallyCentred(A) ? dtCenter : IsRightSided(A) ? dtRight : dtLeft;
  const unsigned vertical = IsBottomSided(A) ? dtBottom : IsVerticallyCentred(A) ? dtVCenter : dtTop;
  return horizontal | vertical | (AWordWrap ? dtWordBreak : dtSingleLine);
}

TRect PlaceGroupBoxPanelCaption(const TRect& ABounds, const TSize& ATextSize, TcxCaptionAlignment A) {
  int left = ABounds.Left, top = ABounds.Top;
  if (IsHorizontallyCentred(A))
    left = (ABounds.Left + ABounds.Right - ATextSize.cx) / 2;
  else if (IsRightSided(A))
    left = ABounds.Right - ATextSize.cx;
  if (IsBottomSided(A))
    top = ABounds.Bottom - ATextSize.cy;
  else if (IsVerticallyCentred(A))
    top = (ABounds.Top + ABounds.Bottom - ATextSize.cy) / 2;
  return TRect{std::max(left, ABounds.Left), std::max(top, ABounds.Top),
               std::min(left + ATextSize.cx, ABounds.Right), std::min(top + ATextSize.cy, ABounds.Bottom)};
}

// --- Button groups ------------------------------------------------------------------------
int GetButtonGroupColumnCount(int AColumns, int AItemCount) {
  int columns = std::min(AColumns, AItemCount);
  if (AItemCount <= 0) return std::max(columns, 0);
  columns = std::max(columns, 1);
  const int rows = (AItemCount + columns - 1) / columns;
  return (AItemCount + rows - 1) / rows;
}

int GetRadioGroupColumnCount(int AColumns, int AItemCount) { return std::max(std::min(AColumns, AItemCount), 1); }

int GetButtonGroupRowCount(int AItemCount, int AColumns) {
  return AColumns <= 0 ? 0 : (AItemCount + AColumns - 1) / AColumns;
}

std::vector<TRect> CalcButtonGroupButtonRects(const TRect& B, const TRect& E, int ACount, int AColumns, int ARows,
                                              const TcxButtonGroupMetrics& M) {
  std::vector<TRect> rects;
  if (ACount <= 0 || AColumns <= 0 || ARows <= 0) return rects;
  const int w = (B.Right + M.LayoutWidthCorrection - B.Left - E.Left - E.Right - (AColumns - 1) * M.ColumnSpacing) /
                AColumns;
  const int contentHeight = B.Bottom - B.Top - E.Top - E.Bottom;
  const int h = contentHeight / ARows;
  const int top = B.Top + E.Top + (contentHeight % ARows) / 2;
  for (int i = 0; i < ACount; ++i) {
    const int column = i / ARows, row = i % ARows;
    const int left = B.Left + E.Left + (w + M.ColumnSpacing) * column + M.LeftOffset;
    rects.push_back(TRect{left, h * row + top, left + w, h * row + top + h});
  }
  return rects;
}

int ButtonGroupArrowTarget(TcxButtonGroupMove AMove, int AIndex, int ACount, int ARows,
                           const std::vector<bool>& AEnabled) {
  if (AIndex < 0 || AIndex >= ACount || ARows <= 0) return -1;
  const int column = AIndex / ARows, row = AIndex % ARows;
  const int inColumn = AIndex + ARows - row - 1 > ACount - 1 ? ACount + row - AIndex : ARows;
  auto enabled = [&](int I) { return I >= 0 && I < int(AEnabled.size()) && AEnabled[std::size_t(I)]; };
  int target = -1;
  switch (AMove) {
    case bgmLeft: target = column > 0 ? AIndex - ARows : -1; break;
    case bgmUp: target = row > 0 ? AIndex - 1 : -1; break;
    case bgmRight: target = AIndex + ARows < ACount ? AIndex + ARows : -1; break;
    case bgmDown: target = row < inColumn - 1 ? AIndex + 1 : -1; break;
  }
  return target >= 0 && enabled(target) ? target : -1;
}
