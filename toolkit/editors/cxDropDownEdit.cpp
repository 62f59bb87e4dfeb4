// The popup's geometry and the open and close rules of drop-down editors.
#include "cxDropDownEdit.h"

#include <algorithm>

#include "cxGeometry.h"

namespace {

// The frame widths of the popup border styles (default, single, 3D, flat) and of their client edges.
constexpr int kBorderWidths[] = {0, 1, 4, 2};
constexpr int kClientEdgeWidths[] = {0, 2, 2, 1};

// Virtual-key codes, kept here so that this file needs no Win32 header.
constexpr std::uint16_t kKeyReturn = 0x0D, kKeyEscape = 0x1B, kKeyUp = 0x26, kKeyDown = 0x28, kKeyF4 = 0x73;

bool PlainFrame(const TcxEditPopupFrame& AFrame) { return !AFrame.NativeStyle && !AFrame.Skinned; }

// The panel draws a separator line between itself and the client area.
bool HasPanelSeparator(const TcxEditPopupFrame& AFrame) {
  return !PlainFrame(AFrame) || AFrame.BorderStyle == epbsSingle;
}

}  // namespace

int EditPopupSysPanelHeight(const TcxEditPopupFrame& AFrame, const TcxEditPopupMetrics& AMetrics) {
  int height = std::max(AMetrics.HScrollHeight, AMetrics.CaptionButtonHeight);
  if (AFrame.SysPanel && AMetrics.Themed)
    height = std::max({height, int(AMetrics.ThemedCloseButton.cy), int(AMetrics.ThemedSizeBox.cy)});
  return height;
}

int EditPopupBorderWidth(const TcxEditPopupFrame& AFrame, bool AWithClientEdge) {
  int width = PlainFrame(AFrame) ? kBorderWidths[AFrame.BorderStyle] : 1;
  if (AWithClientEdge && AFrame.ClientEdge) width += PlainFrame(AFrame) ? kClientEdgeWidths[AFrame.BorderStyle] : 2;
  return width;
}

bool IsTopGripCorner(TcxEditPopupGripCorner ACorner) { return ACorner == gcLeftTop || ACorner == gcRightTop; }
bool IsRightGripCorner(TcxEditPopupGripCorner ACorner) { return ACorner == gcRightTop || ACorner == gcRightBottom; }

TRect EditPopupClientExtent(const TcxEditPopupFrame& AFrame, int APanelHeight, TcxEditPopupGripCorner ACorner) {
  const int border = EditPopupBorderWidth(AFrame, true);
  TRect extent{border, border, border, border};
  if (AFrame.Shadow) {
    extent.Right += cxEditPopupShadowWidth;
    extent.Bottom += cxEditPopupShadowWidth;
  }
  if (AFrame.SysPanel) {
    const int panel = APanelHeight + (HasPanelSeparator(AFrame) ? 1 : 0);
    (IsTopGripCorner(ACorner) ? extent.Top : extent.Bottom) += panel;
  }
  return extent;
}

TSize EditPopupMinSize(const TcxEditPopupFrame& AFrame, const TRect& AExtent, int ACloseButtonWidth,
                       int AGripHitWidth) {
  TSize size{AExtent.Left + AExtent.Right, AExtent.Top + AExtent.Bottom};
  if (AFrame.Sizeable && AFrame.SysPanel) size.cx += ACloseButtonWidth + AGripHitWidth + 10;
  return size;
}

TcxEditPopupLayout CalcEditPopupLayout(const TcxEditPopupFrame& AFrame, const TcxEditPopupMetrics& AMetrics,
                                       const TSize& AWindowSize, TcxEditPopupGripCorner ACorner) {
  TcxEditPopupLayout layout;
  layout.PanelHeight = AFrame.SysPanel ? EditPopupSysPanelHeight(AFrame, AMetrics) : 0;
  layout.Bounds = TRect{0, 0, int(AWindowSize.cx), int(AWindowSize.cy)};
  layout.ClientRect = ShrinkRectByMargins(layout.Bounds, EditPopupClientExtent(AFrame, layout.PanelHeight, ACorner));
  const int border = EditPopupBorderWidth(AFrame, !AFrame.SysPanel);
  TRect region = InflateRectXY(layout.Bounds, -border, -border);
  if (AFrame.Shadow) region = InflateRectSides(region, 0, 0, -cxEditPopupShadowWidth, -cxEditPopupShadowWidth);
  layout.PanelRegion = region;
  if (!AFrame.SysPanel) return layout;

  const bool top = IsTopGripCorner(ACorner), right = IsRightGripCorner(ACorner);
  // The strip of the panel inside the region.
  const int stripTop = top ? region.Top : region.Bottom - layout.PanelHeight;
  const int stripBottom = stripTop + layout.PanelHeight;
  if (AFrame.Sizeable) {
    TSize size{layout.PanelHeight - 2, layout.PanelHeight - 2};
    if (AMetrics.Themed) {
      size.cx = std::max(size.cx, AMetrics.ThemedSizeBox.cx + 2);
      size.cy = std::max(size.cy, AMetrics.ThemedSizeBox.cy + 2);
    }
    TRect hit;
    hit.Left = right ? region.Right - size.cx : region.Left;
    hit.Top = top ? region.Top : region.Bottom - size.cy;
    hit.Right = hit.Left + size.cx;
    hit.Bottom = hit.Top + size.cy;
    layout.GripHitRect = hit;
    layout.GripRect = InflateRectSides(hit, right ? 0 : -2, top ? -2 : 0, right ? -2 : 0, top ? 0 : -2);
  }
  if (AFrame.CloseButton) {
    const TSize size = AMetrics.Themed ? AMetrics.ThemedCloseButton
                                       : TSize{layout.PanelHeight - 4, layout.PanelHeight - 4};
    TRect area = region;
    if (!AMetrics.Themed) (right ? area.Left : area.Right) += right ? 2 : -2;
    TRect button;
    button.Left = right ? area.Left + 1 : area.Right - 1 - size.cx;
    button.Right = button.Left + size.cx;
    if (AMetrics.Themed) button.Top = stripTop + (layout.PanelHeight - size.cy) / 2;
    else button.Top = top ? stripTop + 2 : stripBottom - 2 - size.cy;
    button.Bottom = button.Top + size.cy;
    layout.CloseButtonRect = button;
  }
  return layout;
}

int EditPopupHitArea(const TcxEditPopupLayout& ALayout, const TPoint& P) {
  if (PointInRect(ALayout.CloseButtonRect, P)) return 0;
  if (PointInRect(ALayout.GripHitRect, P)) return 1;
  return -1;
}

int EditPopupCloseButtonState(bool AOnButton, bool ALeftButtonHeld) {
  if (!AOnButton) return 1;
  return ALeftButtonHeld ? 3 : 2;
}

bool GripCornerSizesNWSE(TcxEditPopupGripCorner ACorner) { return ACorner == gcLeftTop || ACorner == gcRightBottom; }

TSize EditPopupMaxClientSize(const TRect& AOwner, const TRect& AWorkArea, bool AShadow, TcxPopupDirection ADirection,
                             const TRect& AExtent) {
  const int shadow = AShadow ? cxEditPopupShadowWidth : 0;
  TSize size;
  if (ADirection == pdVertical) {
    size.cx = GetRectWidth(AWorkArea);
    size.cy = std::max(AWorkArea.Bottom - AOwner.Bottom, AOwner.Top + shadow - AWorkArea.Top);
  } else {
    size.cx = std::max(AWorkArea.Right - AOwner.Right, AOwner.Left + shadow - AWorkArea.Left) + 1;
    size.cy = GetRectHeight(AWorkArea);
  }
  size.cx -= AExtent.Left + AExtent.Right;
  size.cy -= AExtent.Top + AExtent.Bottom;
  return size;
}

TSize CalcEditPopupSize(const TcxEditPopupSizeParams& AParams, const TRect& AExtent, const TSize& AMinSize) {
  int width, height;
  if (AParams.AutoSize) width = AExtent.Left + AExtent.Right + AParams.Content.cx;
  else width = AParams.PopupWidth != 0 ? AParams.PopupWidth : AParams.OwnerWidth;
  if (AParams.Sizeable && AParams.MinWidth > 0) width = std::max(width, AParams.MinWidth);
  if (AParams.AutoSize) height = AExtent.Top + AExtent.Bottom + AParams.Content.cy;
  else height = AParams.PopupHeight > 0 ? AParams.PopupHeight : std::max(AParams.MinHeight, int(AMinSize.cy));
  if (AParams.Sizeable && AParams.MinHeight > 0) height = std::max(height, AParams.MinHeight);
  return TSize{std::max(width, int(AMinSize.cx)), std::max(height, int(AMinSize.cy))};
}

TcxEditPopupPlacement PlaceEditPopup(const TPoint& AP, const TSize& ASize, const TRect& AOwner, const TRect& AWorkArea,
                                     TcxPopupAlignHorz AAlignHorz, TcxPopupAlignVert AAlignVert, bool AShadow) {
  const int right = AP.X + ASize.cx, bottom = AP.Y + ASize.cy;
  const bool left = (AAlignHorz == pahRight && right == AOwner.Right && AP.X > AWorkArea.Left) ||
                    right == AOwner.Left || (right == AWorkArea.Right && AP.X < AOwner.Right);
  const bool up = (AAlignVert == pavBottom && bottom == AOwner.Bottom && AP.Y > AWorkArea.Top) ||
                  bottom == AOwner.Top || (bottom == AWorkArea.Bottom && AP.Y < AOwner.Bottom);
  TcxEditPopupPlacement placement;
  placement.Position = AP;
  placement.Corner = left ? (up ? gcLeftTop : gcLeftBottom) : (up ? gcRightTop : gcRightBottom);
  if (up && AShadow) placement.Position.Y += cxEditPopupShadowWidth;
  return placement;
}

TRect EditPopupShadowExclusion(const TSize& AWindowSize, TcxEditPopupGripCorner ACorner, int AOwnerLeft,
                               int AOwnerRight) {
  if (!IsTopGripCorner(ACorner)) return TRect{};
  return TRect{AOwnerLeft, int(AWindowSize.cy) - cxEditPopupShadowWidth, AOwnerRight - cxEditPopupShadowWidth,
               int(AWindowSize.cy)};
}

TSize EditPopupDraggedSize(const TSize& ASize, TcxEditPopupGripCorner ACorner, int ADX, int ADY) {
  return TSize{ASize.cx + (IsRightGripCorner(ACorner) ? ADX : -ADX), ASize.cy + (IsTopGripCorner(ACorner) ? -ADY : ADY)};
}

TSize ClampEditPopupSize(const TSize& ASize, const TSize& AMinSize, int AMinWidth, int AMinHeight) {
  return TSize{std::max({int(ASize.cx), int(AMinSize.cx), AMinWidth}),
               std::max({int(ASize.cy), int(AMinSize.cy), AMinHeight})};
}

TRect EditPopupSizingRect(const TRect& ABounds, TcxEditPopupGripCorner ACorner, const TSize& ASize,
                          const TRect& AOwner, const TRect& AWorkArea) {
  TRect r = ABounds;
  if (IsRightGripCorner(ACorner)) r.Right = r.Left + ASize.cx;
  else r.Left = r.Right - ASize.cx;
  if (IsTopGripCorner(ACorner)) r.Top = r.Bottom - ASize.cy;
  else r.Bottom = r.Top + ASize.cy;
  // A pixel of the popup stays beside the editor.
  r.Left = std::min(r.Left, AOwner.Right - 1);
  r.Right = std::max(r.Right, AOwner.Left + 1);
  TRect clipped;
  IntersectRects(clipped, r, AWorkArea);
  return clipped;
}

bool CloseUpReasonTakesValue(TcxEditCloseUpReason AReason) {
  return AReason == crTab || AReason == crClose || AReason == crEnter;
}

TcxEditCloseUpReason ModalResultCloseUpReason(int AModalResult) {
  if (AModalResult == 1) return crEnter;
  if (AModalResult == 2) return crCancel;
  return crUnknown;
}

TcxDropDownKeyAction DropDownKeyAction(std::uint16_t AKey, bool AAlt, bool APopupOpen, bool AEditingAllowed) {
  if (((AKey == kKeyUp || AKey == kKeyDown) && AAlt) || (AKey == kKeyF4 && !AAlt))
    return APopupOpen ? TcxDropDownKeyAction{dkeCloseUp, crClose} : TcxDropDownKeyAction{dkeDropDown, crUnknown};
  if (!APopupOpen || AAlt) return {};
  if (AKey == kKeyReturn) return {dkeCloseUp, AEditingAllowed ? crEnter : crCancel};
  if (AKey == kKeyEscape) return {dkeCloseUp, crCancel};
  return {};
}

int NormalizePopupMinSize(int AValue) { return std::max(AValue, 0); }

int NormalizePopupWidth(int AValue, int AMinWidth) {
  if (AValue <= 0) return 0;
  return std::max(AValue, AMinWidth);
}

int NormalizePopupHeight(int AValue, int AMinHeight) { return std::max({AValue, 0, AMinHeight}); }

bool TcxDropDownPopupState::BeginInit() {
  if (FInitialized) return false;
  FInitialized = true;
  return true;
}

bool TcxDropDownPopupState::EndFinalize() {
  if (!FInitialized) return false;
  FInitialized = false;
  return true;
}

void TcxDropDownPopupState::NoteCloseReason(TcxEditCloseUpReason AReason) {
  if (FFirstCloseReason == crUnknown) FFirstCloseReason = AReason;
}

// --- The combo box's list ------------------------------------------------------------------------
TSize CalcComboPopupSize(const TcxComboPopupSizeParams& AParams, const TRect& AExtent, const TSize& AMinSize) {
  const TcxComboPopupSizeParams& p = AParams;
  const bool userSized = p.UserResized && p.Sizeable;
  int width;
  if (userSized || (!p.AutoSize && p.PopupWidth > 0)) width = p.PopupWidth;
  else if (p.AutoSize) width = std::max(int(p.Content.cx) + AExtent.Left + AExtent.Right, p.OwnerWidth);
  else width = p.OwnerWidth;
  int height;
  if ((userSized || p.PopupHeight != 0) && (p.Sizeable || !p.AutoSize)) height = p.PopupHeight;
  else height = int(p.Content.cy) + AExtent.Top + AExtent.Bottom;
  if (p.Sizeable) {
    width = std::max(width, p.MinWidth);
    height = std::max(height, p.MinHeight);
  }
  return TSize{std::max(width, int(AMinSize.cx)), std::max(height, int(AMinSize.cy))};
}

TSize CalcComboListSize(const TcxComboListMetrics& AList, int AHeightForRows, int AMaxHeight, int AMaxWidth) {
  int height = AHeightForRows;
  int width = AList.WidestItem + 4;
  const bool rowsHidden = AList.DropDownRows < AList.ItemCount || (AMaxHeight > 0 && AMaxHeight < height);
  // A list taller than the room scrolls instead of leaving the screen.
  if (AMaxHeight > 0 && height > AMaxHeight) height = AMaxHeight;
  if (rowsHidden) width += AList.VScrollWidth;
  if (AMaxWidth > 0 && AMaxWidth < width) {
    width = AMaxWidth;
    height += AList.HScrollHeight;
  }
  return TSize{width, height};
}

TSize CalcComboListResize(TSize ASize, int ACurrentHeight, const TcxComboListMetrics& AList,
                          int (*ARowHeight)(void*, int), void* AContext, int AScrollWidth, int AMaxHeight,
                          int AMaxWidth) {
  const int count = AList.ItemCount;
  const auto within = [&](int T) { return AMaxHeight <= 0 || T <= AMaxHeight; };
  bool rowsLeft = count > 0, hScroll = false;
  // The height of the first ARows rows with the scroll bars they need.
  const auto heightOf = [&](int ATotal, bool ARowsLeft) {
    const int room = int(ASize.cx) - (ARowsLeft ? AList.VScrollWidth : 0);
    hScroll = AScrollWidth > room || (AMaxWidth > 0 && room > AMaxWidth);
    return ATotal + (hScroll ? AList.HScrollHeight : 0);
  };
  int total = 0, T = 0;
  int i = 0;
  for (; i < count; ++i) {
    const int row = ARowHeight(AContext, i);
    total += row;
    rowsLeft = i + 1 < count;
    T = heightOf(total, rowsLeft);
    if (T == ASize.cy && within(T)) break;
    if (T > ASize.cy || !within(T)) {
      if (ASize.cy < ACurrentHeight && within(T)) break;
      if (i > 0) {
        total -= row;
        rowsLeft = true;
        T = heightOf(total, true);
      }
      break;
    }
  }
  if (i == count) T = heightOf(total, false);
  ASize.cy = T;
  const int minWidth = (rowsLeft ? AList.VScrollWidth : 0) + (hScroll ? AList.VScrollWidth : 0);
  ASize.cx = std::max(int(ASize.cx), minWidth);
  return ASize;
}
