#include "dxSkinsForm.h"

#include <algorithm>

#include "cxGeometry.h"

namespace {

struct TIconData {
  std::uint32_t Command;
  int HitTest;
};
// SC_MOUSEMENU, SC_CONTEXTHELP, SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE, SC_CLOSE (the platform
// side checks them against the system's names).
constexpr TIconData kIcons[dxSkinFormIconTypeCount] = {
    {0xF090, dxHTSYSMENU}, {0xF180, dxHTHELP},      {0xF020, dxHTMINBUTTON},
    {0xF030, dxHTMAXBUTTON}, {0xF120, dxHTMAXBUTTON}, {0xF060, dxHTCLOSE}};

}  // namespace

std::uint32_t dxSkinFormIconCommand(TdxSkinFormIconType AType) { return kIcons[AType].Command; }
int dxSkinFormIconHitTest(TdxSkinFormIconType AType) { return kIcons[AType].HitTest; }

std::vector<TdxSkinFormIconType> dxSkinFormCaptionIcons(const TdxSkinFormFrameStyle& AStyle) {
  std::vector<TdxSkinFormIconType> result;
  if (!AStyle.Caption) return result;
  bool wanted[dxSkinFormIconTypeCount] = {};
  if (AStyle.SystemMenu) {
    wanted[sfiMenu] = !AStyle.ToolWindow && !AStyle.Dialog;
    wanted[sfiClose] = true;
  }
  if (AStyle.MinimizeBox) wanted[AStyle.Minimized ? sfiRestore : sfiMinimize] = true;
  if (AStyle.MaximizeBox) wanted[AStyle.Maximized ? sfiRestore : sfiMaximize] = true;
  if (AStyle.Dialog && AStyle.ContextHelp) wanted[sfiHelp] = true;
  for (TdxSkinFormIconType t : {sfiMenu, sfiClose, sfiMaximize, sfiRestore, sfiMinimize, sfiHelp})
    if (wanted[t]) result.push_back(t);
  return result;
}

TRect dxSkinFormCaptionArea(const TRect& ACaption, const TRect& AContentOffsets, int ALeftFrameWidth,
                            const TSize& ABand, bool AMaximized, bool AToolWindow) {
  TRect offsets = AContentOffsets;
  if (AMaximized) {
    offsets.Left = std::max(offsets.Left, ABand.cx);
    offsets.Right = std::max(offsets.Right, ABand.cx);
    offsets.Top = std::max(offsets.Top, ABand.cy);
  }
  TRect area = ShrinkRectByMargins(ACaption, offsets);
  area.Left = ACaption.Left + std::max(ALeftFrameWidth, AMaximized ? ABand.cx : 0);
  if (AToolWindow) ++area.Top;
  if (area.Bottom < area.Top) area.Bottom = area.Top;
  if (area.Right < area.Left) area.Right = area.Left;
  return area;
}

TSize dxSkinFormButtonPictureSize(int AAreaHeight, const TSize& AImageSize, bool ATiled) {
  if (AAreaHeight <= 0) return {0, 0};
  TSize size{AAreaHeight, AAreaHeight};
  if (AImageSize.cx > 0 && AImageSize.cy > 0)
    size.cx = int((std::int64_t(AAreaHeight) * AImageSize.cx * 2 + AImageSize.cy) / (2 * std::int64_t(AImageSize.cy)));
  if (ATiled) {
    if (size.cx > 1 && (size.cx - AImageSize.cx) % 2 != 0) --size.cx;
    if (size.cy > 1 && (size.cy - AImageSize.cy) % 2 != 0) --size.cy;
  }
  return size;
}

TRect dxSkinFormPlaceCaptionButtons(std::vector<TdxSkinFormCaptionButton>& AButtons, const TRect& AArea,
                                    int AContentLeft, int ATextHeight, bool AMaximized, int AWindowWidth) {
  int left = AArea.Left;
  int right = AArea.Right;
  int buttonsLeft = AArea.Right;
  bool first = true;
  for (TdxSkinFormCaptionButton& b : AButtons) {
    const int w = std::max(0, b.PictureSize.cx);
    if (b.IconType == sfiMenu) {
      b.HitBounds = MakeRect(left, AArea.Top, left + w, AArea.Bottom);
      left = b.HitBounds.Right;
    } else {
      b.HitBounds = MakeRect(right - w, AArea.Top, right, AArea.Bottom);
      buttonsLeft = b.HitBounds.Left;
      right -= w + 2;
    }
    b.Bounds = CenterRectInRect(b.HitBounds, w, std::min(b.PictureSize.cy, GetRectHeight(AArea)));
    if (AMaximized) {
      b.HitBounds.Top = 0;
      if (b.IconType == sfiMenu) b.HitBounds.Left = 0;
      else if (first) b.HitBounds.Right = std::max(b.HitBounds.Right, AWindowWidth);
    }
    if (b.IconType != sfiMenu) first = false;
  }
  TRect text = MakeRect(left + AContentLeft, AArea.Top, std::max(left + AContentLeft, buttonsLeft - 5), AArea.Bottom);
  const int h = std::min(ATextHeight, GetRectHeight(AArea));
  text.Top = AArea.Top + (GetRectHeight(AArea) - h) / 2;
  text.Bottom = text.Top + h;
  return text;
}

std::array<TRect, 4> dxSkinFormBorderRects(const TSize& ASize, const TRect& AWidths) {
  return {MakeRect(0, 0, AWidths.Left, ASize.cy), MakeRect(0, 0, ASize.cx, AWidths.Top),
          MakeRect(ASize.cx - AWidths.Right, 0, ASize.cx, ASize.cy),
          MakeRect(0, ASize.cy - AWidths.Bottom, ASize.cx, ASize.cy)};
}

int dxSkinFormHitTest(const TdxSkinFormHitTestInfo& AInfo, const TPoint& P) {
  const int w = AInfo.WindowSize.cx, h = AInfo.WindowSize.cy;
  if (!PointInRect(MakeRect(0, 0, w, h), P)) return dxHTNOWHERE;
  const int caption = AInfo.Widths.Top;
  if (AInfo.Sizeable && !AInfo.Maximized) {
    const int bw = AInfo.Band.cx, bh = AInfo.Band.cy;
    const struct {
      TRect R;
      int Code;
    } zones[] = {{MakeRect(0, 0, bw, caption), dxHTTOPLEFT},
                 {MakeRect(w - bw, 0, w, caption), dxHTTOPRIGHT},
                 {MakeRect(0, h - bh, bw, h), dxHTBOTTOMLEFT},
                 {MakeRect(w - bw, h - bh, w, h), dxHTBOTTOMRIGHT},
                 {MakeRect(0, caption, bw, h), dxHTLEFT},
                 {MakeRect(0, 0, w, bh), dxHTTOP},
                 {MakeRect(w - bw, caption, w, h), dxHTRIGHT},
                 {MakeRect(0, h - bh, w, h), dxHTBOTTOM}};
    for (const auto& z : zones)
      if (PointInRect(z.R, P)) return z.Code;
  }
  if (P.Y < caption) {
    if (AInfo.Buttons)
      for (const TdxSkinFormCaptionButton& b : *AInfo.Buttons)
        if (PointInRect(b.HitBounds, P)) return dxSkinFormIconHitTest(b.IconType);
    return dxHTCAPTION;
  }
  return dxHTNOWHERE;
}

TRect dxSkinFormClientRect(const TRect& AWindowRect, const TRect& AWidths, int ABorderWidth, bool AHScroll,
                           bool AVScroll, const TSize& AScrollBarSizes) {
  const int bw = std::max(0, ABorderWidth);
  TRect r = InflateRectSides(AWindowRect, -(AWidths.Left + bw), -(AWidths.Top + bw), -(AWidths.Right + bw),
                             -(AWidths.Bottom + bw));
  if (AVScroll) r.Right -= AScrollBarSizes.cx;
  if (AHScroll) r.Bottom -= AScrollBarSizes.cy;
  // A window smaller than its frame keeps an empty client area inside it.
  r.Right = std::max(r.Right, r.Left);
  r.Bottom = std::max(r.Bottom, r.Top);
  return r;
}

bool dxSkinFormUsesSystemMetrics(bool AMaximized, bool AHasMenuBar, bool AMDIClient, bool AThemesActive) {
  return AMaximized || AHasMenuBar || AMDIClient || !AThemesActive;
}

std::array<TRect, 6> dxSkinFormScrollBarParts(const TRect& ABar, bool AHorizontal, int AArrowSize, int AThumbTop,
                                              int AThumbBottom) {
  // Worked along the X axis; a vertical bar is its mirror image.
  const TRect bar = AHorizontal ? ABar : SwapRectAxes(ABar);
  const int start = bar.Left, end = bar.Right;
  const int length = end - start;
  auto clamp = [&](int v) { return std::clamp(v, 0, std::max(0, length)) + start; };
  const int arrow = std::min(std::max(0, AArrowSize), length / 2);
  std::array<TRect, 6> parts{};
  auto span = [&](int a, int b) { return MakeRect(a, bar.Top, std::max(a, b), bar.Bottom); };
  parts[1] = span(start, start + arrow);
  parts[2] = span(end - arrow, end);
  const int trackStart = start + arrow, trackEnd = end - arrow;
  int thumbTop = clamp(AThumbTop), thumbBottom = clamp(AThumbBottom);
  thumbTop = std::clamp(thumbTop, trackStart, std::max(trackStart, trackEnd));
  thumbBottom = std::clamp(thumbBottom, thumbTop, std::max(thumbTop, trackEnd));
  if (thumbBottom > thumbTop) {
    parts[3] = span(thumbTop, thumbBottom);
    parts[4] = span(trackStart, thumbTop);
    parts[5] = span(thumbBottom, trackEnd);
  } else {
    parts[3] = span(trackStart, trackStart);
    parts[4] = span(trackStart, trackEnd);
    parts[5] = span(trackEnd, trackEnd);
  }
  if (!AHorizontal)
    for (TRect& r : parts) r = SwapRectAxes(r);
  return parts;
}

TdxSkinElementState dxSkinFormIconState(bool AActive, bool AHot, bool AEnabled, bool APressed, bool ALeftButtonDown) {
  if (!AActive) return esActiveDisabled;
  if (!AHot || !AEnabled) return esNormal;
  if (APressed && ALeftButtonDown) return esPressed;
  return esHot;
}
