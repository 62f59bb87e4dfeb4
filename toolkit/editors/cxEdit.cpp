#include "cxEdit.h"

#include <algorithm>

TcxLookAndFeelKind EditButtonStyleToLookAndFeelKind(TcxEditButtonStyle AStyle) {
  switch (AStyle) {
    case btsFlat: case btsSimple: case btsHotFlat: return lfFlat;
    case btsUltraFlat: return lfUltraFlat;
    case btsOffice11: return lfOffice11;
    default: return lfStandard;
  }
}

TcxEditButtonStyle LookAndFeelKindToEditButtonStyle(TcxLookAndFeelKind AKind) {
  switch (AKind) {
    case lfFlat: return btsFlat;
    case lfUltraFlat: return btsUltraFlat;
    case lfOffice11: return btsOffice11;
    default: return bts3D;
  }
}

TcxEditButtonStyle CalcEffectiveButtonStyle(TcxEditButtonStyle AStyle, bool AHosted, TcxEditBorderStyle ABorderStyle,
                                            bool AHotTrack, TcxLookAndFeelKind AKind) {
  if (AStyle != btsDefault) return AStyle;
  if (AHosted || (ABorderStyle == ebsNone && !AHotTrack)) return LookAndFeelKindToEditButtonStyle(AKind);
  static constexpr TcxEditButtonStyle byBorder[] = {btsSimple, btsHotFlat, bts3D, btsFlat, bts3D, btsUltraFlat,
                                                    btsOffice11};
  return byBorder[ABorderStyle];
}

TcxEditBorderStyle CalcEffectiveBorderStyle(TcxEditBorderStyle AStyle, bool AHosted) {
  if (AHosted) return ebsNone;
  return AStyle == ebsUltraFlat || AStyle == ebsOffice11 ? ebsSingle : AStyle;
}

int EditBorderStyleWidth(TcxEditBorderStyle AStyle) {
  static constexpr int widths[] = {0, 1, 2, 2, 2, 1, 1};
  return widths[AStyle];
}

TcxEditPopupBorderStyle CalcPopupBorderStyle(const TcxEditPopupBorderParams& AParams) {
  if (AParams.StyleValue != epbsDefault || !AParams.HasEditor) return AParams.StyleValue;
  static constexpr TcxEditPopupBorderStyle byKind[] = {epbsFlat, epbsFrame3D, epbsSingle, epbsSingle};
  if (AParams.Hosted) return byKind[AParams.Kind];
  if (AParams.BorderStyle != ebsNone || !AParams.HasButtons) {
    static constexpr TcxEditPopupBorderStyle byBorder[] = {epbsFlat,   epbsSingle, epbsSingle, epbsFlat,
                                                           epbsSingle, epbsSingle, epbsSingle};
    return byBorder[AParams.BorderStyle];
  }
  return byKind[AParams.FirstButtonKind];
}

TcxLookAndFeelKind CalcButtonsLookAndFeelKind(bool AHosted, TcxLookAndFeelKind AStyleKind, bool AHasButtons,
                                              TcxEditButtonStyle AFirstButtonStyle) {
  if (AHosted) return AStyleKind;
  if (!AHasButtons) return lfStandard;
  return EditButtonStyleToLookAndFeelKind(AFirstButtonStyle);
}

namespace {

TRect EdgesOf(int AWidth, TcxBorders AEdges) {
  return TRect{AEdges.Contains(bLeft) ? AWidth : 0, AEdges.Contains(bTop) ? AWidth : 0,
               AEdges.Contains(bRight) ? AWidth : 0, AEdges.Contains(bBottom) ? AWidth : 0};
}

}  // namespace

bool EditHasShadow(bool AStyleShadow, bool ANative, bool AHosted) { return AStyleShadow && !ANative && !AHosted; }

TRect CalcEditBorderExtent(const TcxEditBorderExtentParams& AParams) {
  if (AParams.Hosted) return AParams.HostedBorderRect;
  TRect r;
  if (AParams.Skinned) {
    if (AParams.HasBorder && !(AParams.BorderStyle == ebsNone && !AParams.TransparentBorder)) {
      const int width = AParams.BorderStyle == ebsNone ? 0 : AParams.BorderStyle == ebsThick ? 2 : 1;
      r = EdgesOf(width, AParams.Edges);
    }
  } else if (AParams.TransparentBorder) {
    r = TRect{2, 2, 2, 2};
  } else if (!AParams.HasBorder || (AParams.Native && AParams.NormalBorderStyle == ebsNone)) {
    r = TRect{};
  } else if (AParams.Native) {
    r = TRect{2, 2, 2, 2};
  } else {
    r = EdgesOf(EditBorderStyleWidth(AParams.BorderStyle), AParams.Edges);
  }
  if (EditHasShadow(AParams.Shadow, AParams.Native, false)) {
    r.Right += cxContainerShadowWidth;
    r.Bottom += cxContainerShadowWidth;
  }
  return r;
}

bool AreEditButtonsShown(int AVisibleCount, TcxEditButtonTransparency ATransparency, bool AFocused, bool AHot) {
  if (AVisibleCount <= 0) return false;
  if (ATransparency == ebtHideInactive && !AFocused) return false;
  if (ATransparency == ebtHideUnselected && !AFocused && !AHot) return false;
  return true;
}

bool IsEditButtonTransparent(TcxEditButtonTransparency ATransparency, bool AFocused, bool AHot) {
  return ATransparency == ebtAlways || (ATransparency == ebtInactive && !AFocused && !AHot);
}

namespace {

bool IsEmptyRect(const TRect& R) { return R.Right <= R.Left || R.Bottom <= R.Top; }

// Lays the buttons of each side outward from the content to the outer edge,
// given their widths; used again after stretching.
void PlaceSides(const TRect& ASpace, const std::vector<int>& AWidths, TcxEditButtonsLayout& ALayout) {
  TRect space = ASpace;
  for (int i = int(AWidths.size()) - 1; i >= 0; --i) {
    TcxEditButtonPlace& place = ALayout.Places[i];
    if (IsEmptyRect(space)) {
      place.Bounds = place.VisibleBounds = TRect{};
      continue;
    }
    const int w = AWidths[i];
    if (place.LeftSide) {
      place.Bounds = TRect{space.Left, space.Top, space.Left + w, space.Bottom};
      place.VisibleBounds = place.Bounds;
      place.VisibleBounds.Right = std::min(place.VisibleBounds.Right, space.Right);
      space.Left = place.VisibleBounds.Right;
    } else {
      place.Bounds = TRect{space.Right - w, space.Top, space.Right, space.Bottom};
      place.VisibleBounds = place.Bounds;
      place.VisibleBounds.Left = std::max(place.VisibleBounds.Left, space.Left);
      space.Right = place.VisibleBounds.Left;
    }
  }
}

}  // namespace

TcxEditButtonsLayout CalcEditButtonsLayout(const TRect& ASpace, const std::vector<TcxEditButtonLayoutItem>& AItems,
                                           bool AStretch) {
  TcxEditButtonsLayout layout;
  const int count = int(AItems.size());
  layout.Places.resize(count);
  std::vector<int> widths(count);
  for (int i = 0; i < count; ++i) {
    layout.Places[i].LeftSide = AItems[i].LeftAlignment;
    widths[i] = std::max(AItems[i].Width, 0);
  }
  PlaceSides(ASpace, widths, layout);
  if (AStretch && count > 0) {
    int used = 0;
    for (const auto& p : layout.Places) used += p.VisibleBounds.Right - p.VisibleBounds.Left;
    const int spare = (ASpace.Right - ASpace.Left) - used;
    if (spare > 0) {
      std::vector<int> sharing;
      for (int i = 0; i < count; ++i)
        if (AItems[i].Stretchable && !AItems[i].FixedWidth) sharing.push_back(i);
      if (sharing.empty())
        for (int i = 0; i < count; ++i) sharing.push_back(i);
      int total = 0;
      for (int i : sharing) total += widths[i];
      int given = 0;
      for (size_t k = 0; k < sharing.size(); ++k) {
        const int i = sharing[k];
        int extra = k + 1 == sharing.size() ? spare - given
                    : total > 0            ? spare * widths[i] / total
                                           : spare / int(sharing.size());
        given += extra;
        widths[i] += extra;
      }
      PlaceSides(ASpace, widths, layout);
    }
  }
  // Placement runs from the last button, outward edge first: on each side
  // the highest index is outermost, the lowest borders the content.
  for (int i = count - 1; i >= 0; --i) {
    int& outer = layout.Places[i].LeftSide ? layout.LeftLeftmost : layout.RightRightmost;
    int& inner = layout.Places[i].LeftSide ? layout.LeftRightmost : layout.RightLeftmost;
    if (outer < 0) outer = i;
    inner = i;
  }
  const bool hasLeft = layout.LeftLeftmost >= 0, hasRight = layout.RightLeftmost >= 0;
  if (hasLeft) {
    layout.Places[layout.LeftLeftmost].OuterEdge = true;
    if (!AStretch || !hasRight) layout.Places[layout.LeftRightmost].ContentSide = true;
  }
  if (hasRight) {
    layout.Places[layout.RightRightmost].OuterEdge = true;
    if (!AStretch || !hasLeft) layout.Places[layout.RightLeftmost].ContentSide = true;
  }
  if (AStretch)
    for (auto& p : layout.Places) p.LeftSide = false;
  return layout;
}

TRect CalcEditClientExtent(const TRect& ABounds, const TRect& ABorderExtent, const TcxEditButtonsLayout& ALayout) {
  TRect extent = ABorderExtent;
  for (const auto& p : ALayout.Places) {
    if (IsEmptyRect(p.Bounds)) continue;
    if (p.LeftSide)
      extent.Left = std::max(extent.Left, p.Bounds.Right - ABounds.Left);
    else
      extent.Right = std::max(extent.Right, ABounds.Right - p.Bounds.Left);
  }
  return extent;
}

TRect ShrinkByExtent(const TRect& ABounds, const TRect& AExtent) {
  TRect r{ABounds.Left + AExtent.Left, ABounds.Top + AExtent.Top, ABounds.Right - AExtent.Right,
          ABounds.Bottom - AExtent.Bottom};
  if (r.Right < r.Left) r.Right = r.Left;
  if (r.Bottom < r.Top) r.Bottom = r.Top;
  return r;
}

TcxEditButtonState CalcEditButtonState(const TcxEditButtonStateParams& P) {
  if (!P.Enabled) return ebsDisabled;
  if (P.DrawnPressed || (!P.DesignTime && P.PointInside)) {
    if (P.DrawnPressed || (P.WasPressed && P.LeftButtonOnly) || (P.LeftPressEvent && P.CanBeHot) ||
        (P.IsCaptured && P.LeftButtonOnly))
      return ebsPressed;
    if (!P.MouseButtonDown && !P.IsCaptured) return ebsSelected;
  }
  return ebsNormal;
}

int CalcEditPartIndexAt(const TPoint& P, const TRect& ABorderRect, const std::vector<TRect>& AButtonBounds) {
  auto inside = [&](const TRect& R) { return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom; };
  for (size_t i = 0; i < AButtonBounds.size(); ++i)
    if (inside(AButtonBounds[i])) return int(i);
  return inside(ABorderRect) ? -1 : -2;
}

int CalcEditStateBits(bool AEnabled, bool ADesignTime, bool AFocused, bool AHot) {
  if (!AEnabled) return 4;
  if (ADesignTime) return 1;
  return (AFocused ? 2 : 1) | (AHot ? 8 : 0);
}

TRect EditDefaultContentOffsets(bool AHosted) { return AHosted ? TRect{1, 1, 1, 1} : TRect{1, 1, 1, 3}; }

int CalcEditBackgroundKind(bool AHosted, bool AHookHandled, bool ATransparent, bool ANative,
                           bool AUsesNativeBackground) {
  if (AHosted) {
    if (AHookHandled) return cxEditBackgroundByHook;
    return ATransparent ? cxEditBackgroundNone : cxEditBackgroundFill;
  }
  if (AUsesNativeBackground) return cxEditBackgroundThemedParent;
  if (ATransparent) return cxEditBackgroundParent;
  return ANative ? cxEditBackgroundFill : cxEditBackgroundStandard;
}

bool IsEditBackgroundTransparent(int AKind) {
  return AKind != cxEditBackgroundStandard && AKind != cxEditBackgroundFill;
}
