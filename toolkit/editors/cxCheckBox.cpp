#include "cxCheckBox.h"

#include <algorithm>

TcxCheckBoxState NextCheckBoxState(TcxCheckBoxState AState, bool AAllowGrayed) {
  switch (AState) {
    case cbsUnchecked: return AAllowGrayed ? cbsGrayed : cbsChecked;
    case cbsChecked: return cbsUnchecked;
    default: return cbsChecked;
  }
}

TcxCheckPaintState CalcCheckPaintState(const TcxCheckPaintStateParams& P) {
  if (!P.Enabled) return ecpsDisabled;
  if (P.SpaceHeld) return ecpsPressed;
  if (P.Designing || !P.MouseInside) return ecpsNormal;
  if (!P.LeftHeld && !P.OtherButtonHeld) return ecpsHot;
  if (!P.LeftHeld) return ecpsNormal;
  return P.LeftButtonEvent || P.Previous == ecpsPressed ? ecpsPressed : ecpsNormal;
}

TRect CalcCheckBoxRect(const TRect& C, const TSize& AGlyphSize, int AAlignment) {
  const TRect r{C.Left + 2, C.Top + 2, C.Right - 2, C.Bottom - 2};
  const int w = std::min(int(AGlyphSize.cx), r.Right - r.Left), h = AGlyphSize.cy;
  TRect g;
  g.Left = (r.Left + r.Right - w) / 2;
  g.Top = (r.Top + r.Bottom - h) / 2;
  if (r.Right - r.Left > AGlyphSize.cx) {
    if (AAlignment == cxCheckGlyphLeft) g.Left = r.Left;
    if (AAlignment == cxCheckGlyphRight) g.Left = r.Right - w;
  }
  g.Right = g.Left + w;
  g.Bottom = g.Top + h;
  return g;
}

TRect CalcCheckBoxTextRect(const TRect& C, const TRect& AGlyphRect, int AAlignment, bool AEmbossed) {
  TRect t{C.Left + 2, C.Top + 1, C.Right - 2, C.Bottom - 2};
  if (AGlyphRect.Right - AGlyphRect.Left >= C.Right - C.Left) {
    t.Right = t.Left;
  } else if (AAlignment == cxCheckGlyphLeft) {
    t.Left = AGlyphRect.Right + 3;
  } else if (AAlignment == cxCheckGlyphRight) {
    t.Right = AGlyphRect.Left - 3;
  }
  if (AEmbossed) {
    ++t.Right;
    ++t.Bottom;
  }
  return t;
}

TcxTextFlags GetCheckBoxTextFlags(int AAlignment, bool AMultiLine, bool AHosted) {
  TcxTextFlags flags = (AAlignment == cxCheckGlyphCentred ? cxAlignHCenter : cxAlignLeft) | cxShowPrefix;
  flags |= AMultiLine ? cxDontClip | cxWordBreak : cxSingleLine;
  flags |= AMultiLine && !AHosted ? cxAlignTop : cxAlignVCenter;
  return flags;
}

int GetCheckBoxGlyphIndex(TcxCheckBoxState AState, TcxCheckPaintState APaintState, int AGlyphCount) {
  int index = int(AState) + (APaintState == ecpsPressed ? 3 : 0);
  if (index >= AGlyphCount && index > 2) index %= 3;
  return index;
}

int GetCheckThemeState(TcxCheckBoxState AState, TcxCheckPaintState APaintState) {
  return int(AState) * 4 + int(APaintState) + 1;
}

int GetCheckBoxBorderInset(TcxContainerBorderStyle ABorderStyle, bool ANoInset) {
  if (ANoInset) return 0;
  static constexpr int widths[] = {0, 1, 2, 2, 2, 1, 1};
  return 2 - widths[ABorderStyle];
}

TcxContainerBorderStyle GetCheckBoxBorderStyle(int AEditBorderStyle, bool AHotTrackActive) {
  const auto style = TcxContainerBorderStyle(std::clamp(AEditBorderStyle, 0, 6));
  if (!AHotTrackActive) return style;
  switch (style) {
    case cbsNone: return cbsFlat;
    case cbsSingle: return cbsThick;
    case cbsFlat: return cbs3D;
    default: return style;
  }
}
