// The skin painter's cells: headers, layout-view records, footers, filter
// and indicator parts, popups, navigation buttons, the clock and printed pages.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "cxLookAndFeelPainters_internal.h"
#include "dxSkinsLookAndFeelPainter.h"

using namespace cxpainters;
using namespace dxskinpainter;
using E = TdxSkinElementSlot;
using P = TdxSkinPropertySlot;

namespace {

TRect ContentOffset(TdxSkinElement* AElement) { return AElement->ContentOffset()->Rect(); }

// R grown by the amounts of AGrow on the sides not in ABorders.
TRect GrowOutsideBorders(const TRect& R, const TRect& AGrow, TcxBorders ABorders) {
  TRect r = R;
  if (!ABorders.Contains(bLeft)) r.Left -= AGrow.Left;
  if (!ABorders.Contains(bTop)) r.Top -= AGrow.Top;
  if (!ABorders.Contains(bRight)) r.Right += AGrow.Right;
  if (!ABorders.Contains(bBottom)) r.Bottom += AGrow.Bottom;
  return r;
}

// An image of the element in a rectangle of its frame size centred in R.
void DrawCentred(TcxCanvas* ACanvas, TdxSkinElement* AElement, const TRect& R, int AImageIndex) {
  const TSize size = FrameSize(AElement);
  const int x = (R.Left + R.Right - size.cx) / 2, y = (R.Top + R.Bottom - size.cy) / 2;
  DrawElement(ACanvas, AElement, TRect{x, y, x + size.cx, y + size.cy}, AImageIndex);
}

}  // namespace

// --- Headers ----------------------------------------------------------------------------------

void TdxSkinLookAndFeelPainter::PaintHeader(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                                            TcxNeighbors ANeighbors, TcxBorders ABorders, TcxButtonState AState,
                                            TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
                                            bool AMultiLine, bool AShowEndEllipsis, const String& AText,
                                            TFont* AFont, TColor ATextColor, TColor ABkColor,
                                            TcxDrawBackgroundEvent AOnDrawBackground, bool AIsSpecial) const {
  TdxSkinElement* header = SkinElement(AIsSpecial ? E::CommonHeaderSpecial : E::CommonHeader);
  if (!header)
    return inherited::PaintHeader(ACanvas, ABounds, ATextAreaBounds, ANeighbors, ABorders, AState, AAlignmentHorz,
                                  AAlignmentVert, AMultiLine, AShowEndEllipsis, AText, AFont, ATextColor, ABkColor,
                                  AOnDrawBackground, AIsSpecial);
  ACanvas->PushClipRegion();
  ACanvas->IntersectClipRectangle(ABounds);
  // A side without a border lets the picture's own edge fall outside the cell.
  DrawElement(ACanvas, header, GrowOutsideBorders(ABounds, TRect{1, 1, 1, 1}, ABorders), 0,
              ButtonStateToElementState(AState));
  PaintContent(ACanvas, GetHeaderInnerRect(ABounds, ABorders), ATextAreaBounds, AState, AAlignmentHorz,
               AAlignmentVert, AMultiLine, AShowEndEllipsis, AText, AFont, ATextColor, ABkColor, AOnDrawBackground,
               false);
  ACanvas->PopClipRegion();
}

void TdxSkinLookAndFeelPainter::PaintHeaderPlain(TcxCanvas* ACanvas, const TRect& ABounds,
                                                 const TRect& ATextAreaBounds, TcxNeighbors ANeighbors,
                                                 TcxBorders ABorders, TcxButtonState AState,
                                                 TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
                                                 bool AMultiLine, bool AShowEndEllipsis, const String& AText,
                                                 TFont* AFont, TColor ATextColor, TColor ABkColor) const {
  if (!GetSkinInfo())
    return inherited::PaintHeaderPlain(ACanvas, ABounds, ATextAreaBounds, ANeighbors, ABorders, AState,
                                       AAlignmentHorz, AAlignmentVert, AMultiLine, AShowEndEllipsis, AText, AFont,
                                       ATextColor, ABkColor);
  PaintHeader(ACanvas, ABounds, ATextAreaBounds, ANeighbors, ABorders, AState, AAlignmentHorz, AAlignmentVert,
              AMultiLine, AShowEndEllipsis, AText, AFont, ATextColor, ABkColor, nullptr, false);
}

void TdxSkinLookAndFeelPainter::PaintIndentedSeparator(TcxCanvas* ACanvas, const TRect& ABounds, int AIndentSize,
                                                       TColor AColor, const TcxViewStyleParams& AViewParams) const {
  TdxSkinColor* color = SkinColor(P::SkinHeaderBackgroundColor);
  if (!color) return inherited::PaintIndentedSeparator(ACanvas, ABounds, AIndentSize, AColor, AViewParams);
  FillSolid(ACanvas, TRect{ABounds.Left + AIndentSize, ABounds.Top, ABounds.Right - AIndentSize, ABounds.Bottom},
            color->Value());
}

TcxBorders TdxSkinLookAndFeelPainter::GetHeaderEdges(TcxNeighbors ANeighbors) const {
  TcxBorders edges = inherited::GetHeaderEdges(ANeighbors);
  if (!GetSkinInfo()) return edges;
  if (ANeighbors.Contains(nLeft)) edges.Exclude(bLeft);
  if (ANeighbors.Contains(nTop)) edges.Exclude(bTop);
  return edges;
}

bool TdxSkinLookAndFeelPainter::IsSortGlyphRight() const {
  return GetSkinInfo() ? false : inherited::IsSortGlyphRight();
}

bool TdxSkinLookAndFeelPainter::IsSortGlyphRightAlt() const {
  TdxSkinElement* header = SkinElement(E::CommonHeader);
  return header ? !header->HasTransparency() : inherited::IsSortGlyphRightAlt();
}

// --- Cells and layout-view records ------------------------------------------------------------

void TdxSkinLookAndFeelPainter::PaintBackgroundAlt(TcxCanvas* ACanvas, const TRect& R, bool ATransparent,
                                                   TColor AColor, TBitmap* ABitmap) const {
  if (!DrawElement(ACanvas, SkinElement(E::GridGridGroupPanel), R))
    inherited::PaintBackgroundAlt(ACanvas, R, ATransparent, AColor, ABitmap);
}

void TdxSkinLookAndFeelPainter::PaintFramedCell(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders,
                                                TcxButtonState AState) const {
  if (!DrawElement(ACanvas, SkinElement(E::GridLayoutViewRecordCaptionTop), R, 0, LayoutCaptionState(AState)))
    inherited::PaintFramedCell(ACanvas, R, ABorders, AState);
}

void TdxSkinLookAndFeelPainter::PaintFramedPanel(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders,
                                                 TcxButtonState AState) const {
  if (!DrawElement(ACanvas, SkinElement(E::GridLayoutViewRecord), R, 0, ButtonStateToElementState(AState)))
    inherited::PaintFramedPanel(ACanvas, R, ABorders, AState);
}

void TdxSkinLookAndFeelPainter::PaintPanelChevron(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                  TcxButtonState AState) const {
  if (!DrawElement(ACanvas, SkinElement(E::GridLayoutViewRecordExpandButton), R, AExpanded ? 0 : 1,
                   ButtonStateToElementState(AState)))
    inherited::PaintPanelChevron(ACanvas, R, AExpanded, AState);
}

TRect TdxSkinLookAndFeelPainter::GetPanelFrameRect(int AKind) const {
  TdxSkinLookAndFeelPainterInfo* info = GetSkinInfo();
  TdxSkinRectProperty* padding = info ? info->LayoutViewPadding(AKind) : nullptr;
  return padding ? padding->Value() : inherited::GetPanelFrameRect(AKind);
}

TRect TdxSkinLookAndFeelPainter::GetCellFrameRect(int AKind) const {
  TdxSkinLookAndFeelPainterInfo* info = GetSkinInfo();
  TdxSkinRectProperty* spacing = info ? info->LayoutViewSpacing(AKind) : nullptr;
  return spacing ? spacing->Value() : inherited::GetCellFrameRect(AKind);
}

void TdxSkinLookAndFeelPainter::PaintCellBackground(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders,
                                                    TcxButtonState AState) const {
  TdxSkinElement* item = SkinElement(E::GridLayoutViewItem);
  if (!item) return inherited::PaintCellBackground(ACanvas, R, ABorders, AState);
  if (AState != cxbsNormal) {
    DrawElement(ACanvas, item, R, 0, ButtonStateToElementState(AState));
    return;
  }
  // A normal item shows only the borders it is given: the picture's other edges fall outside the clip.
  if (ABorders.Empty()) return;
  ACanvas->PushClipRegion();
  ACanvas->IntersectClipRectangle(R);
  DrawElement(ACanvas, item, GrowOutsideBorders(R, item->Image()->Margins()->Rect(), ABorders));
  ACanvas->PopClipRegion();
}

// --- Footers ----------------------------------------------------------------------------------

void TdxSkinLookAndFeelPainter::PaintCellSectionContent(TcxCanvas* ACanvas, const TRect& ABounds,
                                                        TAlignment AAlignment, bool AMultiLine, const String& AText,
                                                        const TcxViewStyleParams& AViewParams) const {
  if (!GetSkinInfo())
    return inherited::PaintCellSectionContent(ACanvas, ABounds, AAlignment, AMultiLine, AText, AViewParams);
  DrawElement(ACanvas, SkinElement(E::GridFooterCell), ABounds);
  TcxCustomLookAndFeelPainter::PaintCellSectionContent(ACanvas, ABounds, AAlignment, AMultiLine, AText, AViewParams);
}

void TdxSkinLookAndFeelPainter::PaintPanelEdge(TcxCanvas* ACanvas, const TRect& R) const {
  TdxSkinElement* panel = SkinElement(E::GridFooterPanel);
  if (!panel) return inherited::PaintPanelEdge(ACanvas, R);
  const TRect co = ContentOffset(panel);
  ACanvas->PushClipRegion();
  ACanvas->ExcludeClipRectangle(TRect{R.Left, R.Top, R.Right - co.Right, R.Bottom - co.Bottom});
  ACanvas->ExcludeClipRectangle(TRect{R.Left, R.Top - 1, R.Right, R.Top});
  DrawElement(ACanvas, panel, TRect{R.Left - co.Left, R.Top - 1, R.Right, R.Bottom});
  ACanvas->PopClipRegion();
}

void TdxSkinLookAndFeelPainter::PaintCellSeparator(TcxCanvas* ACanvas, const TRect& R) const {
  if (!SkinElement(E::GridFooterCell)) inherited::PaintCellSeparator(ACanvas, R);
}

void TdxSkinLookAndFeelPainter::PaintViewBackground(TcxCanvas* ACanvas, const TRect& R,
                                                    const TcxViewStyleParams& AViewParams) const {
  TdxSkinElement* panel = SkinElement(E::GridFooterPanel);
  if (!panel || (AViewParams.Bitmap && !AViewParams.Bitmap->Empty()))
    return inherited::PaintViewBackground(ACanvas, R, AViewParams);
  const TRect co = ContentOffset(panel);
  DrawElement(ACanvas, panel, TRect{R.Left - co.Left, R.Top - GetBandSize(), R.Right + co.Right, R.Bottom + co.Bottom});
}

void TdxSkinLookAndFeelPainter::PaintBandedPanel(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders) const {
  TdxSkinElement* panel = SkinElement(E::GridFooterPanel);
  if (!panel) return inherited::PaintBandedPanel(ACanvas, R, ABorders);
  const TRect co = ContentOffset(panel);
  const int band = GetBandSize();
  ACanvas->PushClipRegion();
  ACanvas->ExcludeClipRectangle(TRect{R.Left + co.Left, R.Top + band, R.Right - co.Right, R.Bottom - co.Bottom});
  DrawElement(ACanvas, panel, GrowOutsideBorders(R, TRect{co.Left, band, co.Right, co.Bottom}, ABorders));
  ACanvas->PopClipRegion();
}

int TdxSkinLookAndFeelPainter::GetCellEdgeWidth() const {
  TdxSkinElement* cell = SkinElement(E::GridFooterCell);
  if (!cell) return inherited::GetCellEdgeWidth();
  const TRect co = ContentOffset(cell);
  return std::max({co.Left, co.Top, co.Right, co.Bottom});
}

bool TdxSkinLookAndFeelPainter::IsCellsFirst() const { return GetSkinInfo() ? false : inherited::IsCellsFirst(); }

TColor TdxSkinLookAndFeelPainter::GetBandColor() const {
  return GetSkinInfo() ? DefaultColor15() : inherited::GetBandColor();
}

// --- Filter, indicator, popups ----------------------------------------------------------------

void TdxSkinLookAndFeelPainter::PaintDropButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                bool AActive) const {
  if (!DrawElement(ACanvas, SkinElement(AActive ? E::GridFilterButtonActive : E::GridFilterButton), R, 0,
                   ButtonStateToElementState(AState)))
    inherited::PaintDropButton(ACanvas, R, AState, AActive);
}

void TdxSkinLookAndFeelPainter::PaintCrossButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const {
  if (!DrawElement(ACanvas, SkinElement(E::EditorsCloseButton), R, 0, ButtonStateToElementState(AState)))
    inherited::PaintCrossButton(ACanvas, R, AState);
}

void TdxSkinLookAndFeelPainter::PaintBackgroundAlt2(TcxCanvas* ACanvas, const TRect& R, bool ATransparent,
                                                    TColor AColor, TBitmap* ABitmap) const {
  if (!DrawElement(ACanvas, SkinElement(E::GridGridFilterPanel), R))
    inherited::PaintBackgroundAlt2(ACanvas, R, ATransparent, AColor, ABitmap);
}

TSize TdxSkinLookAndFeelPainter::GetCrossButtonSize() const {
  TdxSkinElement* close = SkinElement(E::EditorsCloseButton);
  return close ? FrameSize(close) : inherited::GetCrossButtonSize();
}

void TdxSkinLookAndFeelPainter::PaintLinesMark(TcxCanvas* ACanvas, const TRect& R, TColor AColor) const {
  TdxSkinElement* images = SkinElement(E::GridIndicatorImages);
  if (!images) return inherited::PaintLinesMark(ACanvas, R, AColor);
  DrawCentred(ACanvas, images, R, 2);
}

void TdxSkinLookAndFeelPainter::PaintRowMarkerImage(TcxCanvas* ACanvas, const TRect& R,
                                                    TcxRowMarkerKind AKind) const {
  TdxSkinElement* images = SkinElement(E::GridIndicatorImages);
  // The skin pictures the arrow, edit and insert markers; the others are the base look's.
  if (!images || AKind > rmkInsert) return inherited::PaintRowMarkerImage(ACanvas, R, AKind);
  if (AKind != rmkNone) DrawCentred(ACanvas, images, R, int(AKind) - 1);
}

void TdxSkinLookAndFeelPainter::PaintRowMarkerCell(TcxCanvas* ACanvas, const TRect& R, TcxNeighbors ANeighbors,
                                                   TcxBorders ABorders, TcxRowMarkerKind AKind, TColor ABkColor,
                                                   TcxDrawBackgroundEvent AOnDrawBackground) const {
  if (!GetSkinInfo())
    return inherited::PaintRowMarkerCell(ACanvas, R, ANeighbors, ABorders, AKind, ABkColor, AOnDrawBackground);
  TcxCustomLookAndFeelPainter::PaintRowMarkerCell(ACanvas, R, ANeighbors, ABorders, AKind, ABkColor,
                                                  AOnDrawBackground);
}

void TdxSkinLookAndFeelPainter::PaintRowMarkerCellPlain(TcxCanvas* ACanvas, const TRect& R, TcxNeighbors ANeighbors,
                                                        TcxBorders ABorders, TcxRowMarkerKind AKind,
                                                        TColor ABkColor) const {
  if (!GetSkinInfo()) return inherited::PaintRowMarkerCellPlain(ACanvas, R, ANeighbors, ABorders, AKind, ABkColor);
  PaintRowMarkerCell(ACanvas, R, ANeighbors, ABorders, AKind, ABkColor, nullptr);
}

bool TdxSkinLookAndFeelPainter::IsRowMarkerHot() const { return GetSkinInfo() ? true : inherited::IsRowMarkerHot(); }

void TdxSkinLookAndFeelPainter::FillPopupClientArea(TcxCanvas* ACanvas, const TRect& R) const {
  TdxSkinElement* content = SkinElement(E::FormFormContent);
  if (!content) return inherited::FillPopupClientArea(ACanvas, R);
  FillSolid(ACanvas, R, content->Color());
}

TSize TdxSkinLookAndFeelPainter::GetSizeGripSize() const {
  TdxSkinElement* close = SkinElement(E::PageControlTabHeaderCloseButton);
  return close ? close->MinSize()->GetSize() : inherited::GetSizeGripSize();
}

void TdxSkinLookAndFeelPainter::PaintCrossButtonAlt(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const {
  if (!DrawElement(ACanvas, SkinElement(E::PageControlTabHeaderCloseButton), R, 0, ButtonStateToElementState(AState)))
    inherited::PaintCrossButtonAlt(ACanvas, R, AState);
}

// --- Navigation buttons and progress blocks ---------------------------------------------------
// AFlag marks the "next" button (index 1), whose open side is on the left.

void TdxSkinLookAndFeelPainter::PaintSideButtonContent(TcxCanvas* ACanvas, const TRect& R, const TRect& AArrowRect,
                                                       bool AFlag, TcxButtonState AState) const {
  TdxSkinElement* button = SkinElement(AFlag ? E::SchedulerNavButtonNext : E::SchedulerNavButtonPrev);
  TdxSkinElement* arrow = SkinElement(AFlag ? E::SchedulerNavButtonNextArrow : E::SchedulerNavButtonPrevArrow);
  if (!button) return inherited::PaintSideButtonContent(ACanvas, R, AArrowRect, AFlag, AState);
  ACanvas->PushClipRegion();
  ACanvas->IntersectClipRectangle(R);
  TRect face = R;
  if (AFlag) ++face.Right;
  else --face.Left;
  DrawElement(ACanvas, button, face, 0, ButtonStateToElementState(AState));
  ACanvas->PopClipRegion();
  DrawElement(ACanvas, arrow, AArrowRect);
}

void TdxSkinLookAndFeelPainter::CalcSideButtonRects(bool AFlag, bool ANoText, const TSize& ATextSize1,
                                                    const TSize& ATextSize2, TRect& AButtonRect, TRect& ATextRect,
                                                    TRect& AArrowRect) const {
  if (TdxSkinElement* button = SkinElement(AFlag ? E::SchedulerNavButtonNext : E::SchedulerNavButtonPrev)) {
    const int width = button->MinSize()->Width();
    if (AButtonRect.Right - AButtonRect.Left < width) {
      if (AFlag) AButtonRect.Left = AButtonRect.Right - width;
      else AButtonRect.Right = AButtonRect.Left + width;
    }
  }
  inherited::CalcSideButtonRects(AFlag, ANoText, ATextSize1, ATextSize2, AButtonRect, ATextRect, AArrowRect);
}

void TdxSkinLookAndFeelPainter::PaintArrowHeader(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText,
                                                 TcxNeighbors ANeighbors, const TcxViewStyleParams& AViewParams,
                                                 TcxDrawBackgroundEvent AOnDrawBackground) const {
  if (!GetSkinInfo())
    return inherited::PaintArrowHeader(ACanvas, ABounds, AText, ANeighbors, AViewParams, AOnDrawBackground);
  TcxCustomLookAndFeelPainter::PaintArrowHeader(ACanvas, ABounds, AText, ANeighbors, AViewParams, AOnDrawBackground);
}

void TdxSkinLookAndFeelPainter::PaintProgressBlock(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ABlockRect,
                                                   const TcxViewStyleParams& AViewParams, bool ATransparent) const {
  TdxSkinElement* border = SkinElement(E::EditorsProgressBorder);
  TdxSkinElement* chunk = SkinElement(E::EditorsProgressChunk);
  if (!border || !chunk) return inherited::PaintProgressBlock(ACanvas, ABounds, ABlockRect, AViewParams, ATransparent);
  DrawElement(ACanvas, border, ABounds);
  DrawElement(ACanvas, chunk, ABlockRect);
}

void TdxSkinLookAndFeelPainter::PaintNavButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const {
  if (!DrawElement(ACanvas, SkinElement(E::EditorsEditorButton), R, 0, ButtonStateToElementState(AState)))
    inherited::PaintNavButton(ACanvas, R, AState);
}

TRect TdxSkinLookAndFeelPainter::GetProgressBlockMargins() const {
  TdxSkinElement* border = SkinElement(E::EditorsProgressBorder);
  return border ? ContentOffset(border) : inherited::GetProgressBlockMargins();
}

TColor TdxSkinLookAndFeelPainter::GetSideButtonTextColor(bool AFlag, TcxButtonState AState,
                                                         TColor ADefaultColor) const {
  TdxSkinElement* button = SkinElement(AFlag ? E::SchedulerNavButtonNext : E::SchedulerNavButtonPrev);
  if (!button) return inherited::GetSideButtonTextColor(AFlag, AState, ADefaultColor);
  const TColor color = button->GetTextColor(int(AState));
  return color != clDefault ? color : ADefaultColor;
}

void TdxSkinLookAndFeelPainter::GetSideButtonSizes(bool AFlag, TRect& ABorders, TSize& AArrowSize,
                                                   bool& AHasTextArea) const {
  TdxSkinElement* button = SkinElement(AFlag ? E::SchedulerNavButtonNext : E::SchedulerNavButtonPrev);
  TdxSkinElement* arrow = SkinElement(AFlag ? E::SchedulerNavButtonNextArrow : E::SchedulerNavButtonPrevArrow);
  if (!button || !arrow) return inherited::GetSideButtonSizes(AFlag, ABorders, AArrowSize, AHasTextArea);
  ABorders = ContentOffset(button);
  AArrowSize = FrameSize(arrow);
  AHasTextArea = !button->Image()->Empty();
}

// --- Clock ------------------------------------------------------------------------------------

namespace {

struct TClockGeometry {
  double CX, CY, RX, RY;
  TPoint At(double AAngle, double AFraction) const {
    return TPoint{int(std::lround(CX + AFraction * RX * std::cos(AAngle))),
                  int(std::lround(CY + AFraction * RY * std::sin(AAngle)))};
  }
};

// A filled hand: tip along the angle, sides half its width across the centre, tail behind it.
std::vector<TPoint> HandPolygon(const TClockGeometry& G, double AAngle, double ATip, double ATail, int AWidth) {
  const double half = AWidth / 2.0;
  auto side = [&](double AOffset) {
    return TPoint{int(std::lround(G.CX + half * std::cos(AAngle + AOffset))),
                  int(std::lround(G.CY + half * std::sin(AAngle + AOffset)))};
  };
  return {G.At(AAngle, ATip), side(std::numbers::pi / 2), G.At(AAngle + std::numbers::pi, ATail),
          side(3 * std::numbers::pi / 2)};
}

}  // namespace

void TdxSkinLookAndFeelPainter::PaintClockFace(TcxCanvas* ACanvas, const TRect& R, TDateTime ATime,
                                               TColor AColor) const {
  TdxSkinElement* face = SkinElement(E::EditorsClockFace);
  TdxSkinElement* glass = SkinElement(E::EditorsClockGlass);
  if (!face || !glass) return inherited::PaintClockFace(ACanvas, R, ATime, AColor);
  const int w = R.Right - R.Left, h = R.Bottom - R.Top;
  if (w <= 0 || h <= 0) return;
  TBitmap bitmap;
  bitmap.SetWidth(w);
  bitmap.SetHeight(h);
  TcxCanvas canvas(bitmap.Canvas());
  const TRect r{0, 0, w, h};
  FillSolid(&canvas, r, AColor);
  DrawElement(&canvas, face, r);

  int hours, minutes, seconds, milliseconds;
  DecodeTime(ATime, hours, minutes, seconds, milliseconds);
  const double turn = 2 * std::numbers::pi;
  const TClockGeometry g{double((r.Left + r.Right) / 2), double((r.Top + r.Bottom) / 2), w / 2.0 - 2, h / 2.0 - 2};
  const double hourAngle = ((hours % 12) * 3600 + minutes * 60 + seconds - 10800) * turn / 43200;
  const double minuteAngle = (minutes * 60 + seconds - 900) * turn / 3600;
  const double secondAngle = (seconds - 15) * turn / 60;
  const TColor hands = face->TextColor();
  HDC dc = canvas.Handle();
  const HBRUSH brush = CreateSolidBrush(COLORREF(ColorToRGB(hands)));
  const HGDIOBJ oldBrush = SelectObject(dc, brush), oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
  for (const std::vector<TPoint>& hand :
       {HandPolygon(g, hourAngle, 0.75, 0.15, 9), HandPolygon(g, minuteAngle, 0.85, 0.2, 7)}) {
    std::vector<POINT> points(hand.size());
    std::transform(hand.begin(), hand.end(), points.begin(), [](const TPoint& p) { return POINT{p.X, p.Y}; });
    Polygon(dc, points.data(), int(points.size()));
  }
  const HPEN pen = CreatePen(PS_SOLID, 1, COLORREF(ColorToRGB(hands)));
  SelectObject(dc, pen);
  const TPoint tip = g.At(secondAngle, 0.9);
  MoveToEx(dc, int(g.CX), int(g.CY), nullptr);
  LineTo(dc, tip.X, tip.Y);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(pen);
  DeleteObject(brush);
  DrawElement(&canvas, glass, r);
  BitBlt(ACanvas->Handle(), R.Left, R.Top, w, h, dc, 0, 0, SRCCOPY);
}

// --- Printed pages ----------------------------------------------------------------------------

TRect TdxSkinLookAndFeelPainter::GetPageMargins() const {
  TdxSkinElement* border = SkinElement(E::PrintingSystemPageBorder);
  return border ? ContentOffset(border) : inherited::GetPageMargins();
}

void TdxSkinLookAndFeelPainter::PaintPageAreaDark(TcxCanvas* ACanvas, const TRect& R) const {
  TdxSkinElement* background = SkinElement(E::PrintingSystemPreviewBackground);
  if (!background) return inherited::PaintPageAreaDark(ACanvas, R);
  background->SetUseCache(true);
  DrawElement(ACanvas, background, R);
}

void TdxSkinLookAndFeelPainter::PaintPage(TcxCanvas* ACanvas, const TRect& R, const TRect& AInnerRect,
                                          bool ASelected, bool AFillInner) const {
  TdxSkinElement* border = SkinElement(E::PrintingSystemPageBorder);
  if (!border) return inherited::PaintPage(ACanvas, R, AInnerRect, ASelected, AFillInner);
  if (AFillInner) FillSolid(ACanvas, AInnerRect, clWhite);
  ACanvas->PushClipRegion();
  ACanvas->ExcludeClipRectangle(AInnerRect);
  DrawElement(ACanvas, border, R, 0, ASelected ? esActive : esNormal);
  ACanvas->PopClipRegion();
}
