// The base painter: header cells, cells and panels, small buttons, tabs, row
// markers, side buttons and the clock face.
#include <algorithm>

#include "cxGeometry.h"
#include "cxLookAndFeelPainters_internal.h"
#include "dxOffice11_win.h"

using namespace cxpainters;

// --- Header cells -----------------------------------------------------------------------------

void TcxCustomLookAndFeelPainter::PaintHeader(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                                              TcxNeighbors ANeighbors, TcxBorders ABorders, TcxButtonState AState,
                                              TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
                                              bool AMultiLine, bool AShowEndEllipsis, const String& AText,
                                              TFont* AFont, TColor ATextColor, TColor ABkColor,
                                              TcxDrawBackgroundEvent AOnDrawBackground, bool) const {
  PaintHeaderEdge(ACanvas, ABounds, ANeighbors, ABorders);
  PaintContent(ACanvas, GetHeaderInnerRect(ABounds, ABorders), ATextAreaBounds, AState, AAlignmentHorz,
               AAlignmentVert, AMultiLine, AShowEndEllipsis, AText, AFont, ATextColor, ABkColor, AOnDrawBackground,
               false);
}

void TcxCustomLookAndFeelPainter::PaintHeaderPlain(TcxCanvas* ACanvas, const TRect& ABounds,
                                                   const TRect& ATextAreaBounds, TcxNeighbors ANeighbors,
                                                   TcxBorders ABorders, TcxButtonState AState,
                                                   TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
                                                   bool AMultiLine, bool AShowEndEllipsis, const String& AText,
                                                   TFont* AFont, TColor ATextColor, TColor ABkColor) const {
  PaintHeader(ACanvas, ABounds, ATextAreaBounds, ANeighbors, ABorders, AState, AAlignmentHorz, AAlignmentVert,
              AMultiLine, AShowEndEllipsis, AText, AFont, ATextColor, ABkColor, nullptr, false);
}

void TcxCustomLookAndFeelPainter::PaintHeaderEdge(TcxCanvas*, const TRect&, TcxNeighbors, TcxBorders) const {}

void TcxCustomLookAndFeelPainter::InvertHeader(TcxCanvas* ACanvas, const TRect& R) const { ACanvas->InvertRect(R); }

void TcxCustomLookAndFeelPainter::PaintHeaderPart(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText,
                                                  TAlignment AAlignment, TcxButtonState AState, TcxBorders ABorders,
                                                  TFont* AFont, TColor AColor) const {
  PaintHeaderPartEdge(ACanvas, ABounds, AState, ABorders);
  PaintHeaderPartContent(ACanvas, GetHeaderPartInnerRect(ABounds, AState), AText, AAlignment, AState, AFont, AColor);
}

void TcxCustomLookAndFeelPainter::PaintHeaderPartEdge(TcxCanvas*, const TRect&, TcxButtonState, TcxBorders) const {}

void TcxCustomLookAndFeelPainter::PaintHeaderPartContent(TcxCanvas* ACanvas, const TRect& ABounds,
                                                         const String& AText, TAlignment AAlignment,
                                                         TcxButtonState AState, TFont* AFont, TColor AColor) const {
  FillSolid(ACanvas, ABounds, AColor);
  PaintHeaderPartText(ACanvas, GetHeaderPartTextRect(ABounds, AState), AText, AAlignment, AState, AFont);
}

void TcxCustomLookAndFeelPainter::PaintHeaderPartText(TcxCanvas* ACanvas, const TRect& ATextRect,
                                                      const String& AText, TAlignment AAlignment,
                                                      TcxButtonState AState, TFont* AFont) const {
  DrawTextClear(ACanvas, AText, ATextRect, AlignmentFlags(AAlignment, vaCenter) | cxSingleLine, AFont, clDefault,
                AState != cxbsDisabled);
}

void TcxCustomLookAndFeelPainter::PaintIndentedSeparator(TcxCanvas* ACanvas, const TRect& ABounds, int AIndentSize,
                                                         TColor AColor, const TcxViewStyleParams& AViewParams) const {
  const int indent = std::clamp(AIndentSize, 0, std::max(0, (ABounds.Right - ABounds.Left) / 2));
  FillWithViewParams(ACanvas, SetRectWidth(ABounds, indent), AViewParams);
  FillWithViewParams(ACanvas, TRect{ABounds.Right - indent, ABounds.Top, ABounds.Right, ABounds.Bottom}, AViewParams);
  FillSolid(ACanvas, TRect{ABounds.Left + indent, ABounds.Top, ABounds.Right - indent, ABounds.Bottom}, AColor);
}

void TcxCustomLookAndFeelPainter::PaintSortGlyph(TcxCanvas*, const TRect&, bool) const {}
TcxBorders TcxCustomLookAndFeelPainter::GetHeaderEdges(TcxNeighbors) const { return cxBordersAll; }
int TcxCustomLookAndFeelPainter::GetHeaderEdgeWidth() const { return 0; }

TRect TcxCustomLookAndFeelPainter::GetHeaderOuterRect(const TRect& R, TcxNeighbors ANeighbors) const {
  return InsetBorders(R, -GetHeaderEdgeWidth(), cxBordersAll - GetHeaderEdges(ANeighbors));
}

TRect TcxCustomLookAndFeelPainter::GetHeaderInnerRect(const TRect& R, TcxBorders ABorders) const {
  return InsetBorders(R, GetHeaderEdgeWidth(), ABorders);
}

bool TcxCustomLookAndFeelPainter::IsSortGlyphRight() const { return true; }

int TcxCustomLookAndFeelPainter::CalcHeaderHeight(int AFontHeight) const {
  return AFontHeight + 2 * GetHeaderEdgeWidth() + 4;
}

int TcxCustomLookAndFeelPainter::GetHeaderPartEdgeWidth(TcxButtonState) const { return 1; }

TRect TcxCustomLookAndFeelPainter::GetHeaderPartTextRect(const TRect& ABounds, TcxButtonState AState) const {
  return AState == cxbsPressed ? OffsetRectBy(ABounds, 1, 1) : ABounds;
}

TRect TcxCustomLookAndFeelPainter::GetHeaderPartInnerRect(const TRect& ABounds, TcxButtonState AState) const {
  return Inset(ABounds, GetHeaderPartEdgeWidth(AState));
}

int TcxCustomLookAndFeelPainter::CalcHeaderWidth(TcxCanvas* ACanvas, const String& AText, TFont* AFont) const {
  if (AFont) ACanvas->SetFont(AFont);
  // Room for the edge on both sides, so the text inside GetHeaderInnerRect is not cut.
  return ACanvas->MeasureTextWidth(AText) + 4 + 2 * GetHeaderEdgeWidth();
}

bool TcxCustomLookAndFeelPainter::IsHeaderHot() const { return false; }
TSize TcxCustomLookAndFeelPainter::GetHeaderGlyphAreaSize() const { return TSize{16, GetSortGlyphSize().cy}; }
TSize TcxCustomLookAndFeelPainter::GetSortGlyphSize() const { return TSize{}; }

// --- Cells, panels, small buttons and popups --------------------------------------------------

void TcxCustomLookAndFeelPainter::PaintBackgroundAlt(TcxCanvas* ACanvas, const TRect& R, bool ATransparent,
                                                     TColor AColor, TBitmap* ABitmap) const {
  PaintBackground(ACanvas, R, ATransparent, AColor, ABitmap);
}

// The Office panel colours as the Office colour set gives them without a themed colour scheme.
// The panel colours follow the Office colour set (its classic entries are the button face and shadow).
TColor TcxCustomLookAndFeelPainter::GetPanelColorFor(bool AFlag) const { return AFlag ? clWindow : Office11Color(63); }
TColor TcxCustomLookAndFeelPainter::GetOfficePanelColor() const { return Office11Color(65); }
TColor TcxCustomLookAndFeelPainter::GetOfficePanelTextColor() const { return Office11Color(64); }

bool TcxCustomLookAndFeelPainter::IsSortGlyphRightAlt() const { return IsSortGlyphRight(); }
TColor TcxCustomLookAndFeelPainter::GetCellEdgeColor() const { return DefaultColor20(); }
TColor TcxCustomLookAndFeelPainter::GetCellColor() const { return DefaultColor21(); }

void TcxCustomLookAndFeelPainter::PaintCellBackground(TcxCanvas* ACanvas, const TRect& R, TcxBorders,
                                                      TcxButtonState AState) const {
  FillSolid(ACanvas, R, AState == cxbsPressed ? DefaultColor58() : DefaultColor18());
}

namespace {

// The cell frame, then the inside in the panel colour.
void PaintFramedArea(TcxCustomLookAndFeelPainterClass APainter, TcxCanvas* ACanvas, const TRect& R,
                     TcxBorders ABorders, TcxButtonState AState) {
  APainter->PaintCellFrame(ACanvas, R, ABorders, AState);
  FillSolid(ACanvas, InsetBorders(R, 1, ABorders), APainter->DefaultColor18());
}

}  // namespace

void TcxCustomLookAndFeelPainter::PaintFramedCell(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders,
                                                  TcxButtonState AState) const {
  PaintFramedArea(this, ACanvas, R, ABorders, AState);
}

void TcxCustomLookAndFeelPainter::PaintCellFrame(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders,
                                                 TcxButtonState AState) const {
  ACanvas->FrameRectBorders(R, AState == cxbsPressed ? DefaultColor58() : clBtnShadow, 1, ABorders);
}

void TcxCustomLookAndFeelPainter::PaintFramedPanel(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders,
                                                   TcxButtonState AState) const {
  PaintFramedArea(this, ACanvas, R, ABorders, AState);
}

void TcxCustomLookAndFeelPainter::PaintPanelChevron(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                    TcxButtonState AState) const {
  PaintChevronButton(ACanvas, R, AExpanded, AState);
}

TRect TcxCustomLookAndFeelPainter::GetPanelFrameRect(int) const { return TRect{}; }
TRect TcxCustomLookAndFeelPainter::GetCellFrameRect(int) const { return TRect{}; }
TcxBorders TcxCustomLookAndFeelPainter::GetPanelEdges() const { return cxBordersAll; }
int TcxCustomLookAndFeelPainter::GetPanelEdgeWidth() const { return 0; }
int TcxCustomLookAndFeelPainter::GetCellEdgeWidth() const { return 0; }
int TcxCustomLookAndFeelPainter::GetCellOffset() const { return 0; }
bool TcxCustomLookAndFeelPainter::IsCellsFirst() const { return true; }
TColor TcxCustomLookAndFeelPainter::GetBandColor() const { return clBtnShadow; }
int TcxCustomLookAndFeelPainter::GetBandSize() const { return 1; }

void TcxCustomLookAndFeelPainter::PaintCellSection(TcxCanvas* ACanvas, const TRect& ABounds, TAlignment AAlignment,
                                                   bool AMultiLine, const String& AText,
                                                   const TcxViewStyleParams& AViewParams) const {
  PaintCellSeparator(ACanvas, ABounds);
  PaintCellSectionContent(ACanvas, ABounds, AAlignment, AMultiLine, AText, AViewParams);
}

void TcxCustomLookAndFeelPainter::PaintCellSectionContent(TcxCanvas* ACanvas, const TRect& ABounds,
                                                          TAlignment AAlignment, bool AMultiLine, const String& AText,
                                                          const TcxViewStyleParams& AViewParams) const {
  PaintContent(ACanvas, GetInnerRect(ABounds), GetInnerRectInset(ABounds), cxbsNormal, AAlignment, vaCenter,
               AMultiLine, false, AText, AViewParams.Font, AViewParams.TextColor, AViewParams.Color, nullptr, true);
}

void TcxCustomLookAndFeelPainter::PaintPanelEdge(TcxCanvas*, const TRect&) const {}
void TcxCustomLookAndFeelPainter::PaintCellSeparator(TcxCanvas*, const TRect&) const {}

void TcxCustomLookAndFeelPainter::PaintViewBackground(TcxCanvas* ACanvas, const TRect& R,
                                                      const TcxViewStyleParams& AViewParams) const {
  if (!IsEmptyRect(R)) FillWithViewParams(ACanvas, R, AViewParams);
}

void TcxCustomLookAndFeelPainter::PaintBand(TcxCanvas* ACanvas, const TRect& R) const {
  FillSolid(ACanvas, R, GetBandColor());
}

void TcxCustomLookAndFeelPainter::PaintCheckStateAlt(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                     bool AChecked) const {
  PaintCheckState(ACanvas, R, AState, AChecked);
}

void TcxCustomLookAndFeelPainter::PaintCrossButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const {
  PaintButtonEdge(ACanvas, R, AState);
  const TRect face = Inset(R, GetButtonBorderWidth(AState));
  FillSolid(ACanvas, face, GetButtonFaceColor(AState));
  // Two diagonals in a square centred in the face, three pixels from its edges.
  const int side = std::min(face.Right - face.Left, face.Bottom - face.Top) - 6;
  if (side < 2) return;
  const int shift = AState == cxbsPressed ? GetPressedShift() : 0;
  const int x0 = (face.Left + face.Right - side) / 2 + shift, y0 = (face.Top + face.Bottom - side) / 2 + shift;
  ACanvas->Pen()->SetColor(GetButtonGlyphColor(AState, clDefault));
  ACanvas->MoveTo(x0, y0);
  ACanvas->LineTo(x0 + side, y0 + side);
  ACanvas->MoveTo(x0 + side - 1, y0);
  ACanvas->LineTo(x0 - 1, y0 + side);
}

void TcxCustomLookAndFeelPainter::PaintDropButton(TcxCanvas*, const TRect&, TcxButtonState, bool) const {}

void TcxCustomLookAndFeelPainter::PaintBackgroundAlt2(TcxCanvas* ACanvas, const TRect& R, bool ATransparent,
                                                      TColor AColor, TBitmap* ABitmap) const {
  PaintBackground(ACanvas, R, ATransparent, AColor, ABitmap);
}

TSize TcxCustomLookAndFeelPainter::GetSmallButtonSize() const { return TSize{13, 13}; }
TSize TcxCustomLookAndFeelPainter::GetCrossButtonSize() const { return TSize{16, 14}; }
TSize TcxCustomLookAndFeelPainter::GetDropButtonSize() const { return TSize{15, 0}; }

void TcxCustomLookAndFeelPainter::FillPopupClientArea(TcxCanvas* ACanvas, const TRect& R) const {
  FillSolid(ACanvas, R, clBtnFace);
}

TcxEditPopupBorderStyle TcxCustomLookAndFeelPainter::GetPopupFrameStyle() const { return epbsSingle; }

// --- Tabs and row markers ---------------------------------------------------------------------

void TcxCustomLookAndFeelPainter::PaintTabItem(TcxCanvas*, const TRect&, const String&, TFont*, TcxButtonState,
                                               TcxBorders, bool) const {}
void TcxCustomLookAndFeelPainter::PaintTabItemEdge(TcxCanvas*, const TRect&, TcxBorder, TcxBorders, bool) const {}
void TcxCustomLookAndFeelPainter::PaintTabRow(TcxCanvas*, const TRect&, TcxBorders, bool) const {}
bool TcxCustomLookAndFeelPainter::CanPaintTabs() const { return false; }
bool TcxCustomLookAndFeelPainter::IsTabHot() const { return false; }
int TcxCustomLookAndFeelPainter::GetTabEdgeWidth() const { return 0; }

void TcxCustomLookAndFeelPainter::PaintLinesMark(TcxCanvas* ACanvas, const TRect& R, TColor AColor) const {
  const TcxLinesMark mark = LinesMarkShape(R);
  for (const TPoint& dot : mark.Dots) ACanvas->SetPixel(dot.X, dot.Y, AColor);
  ACanvas->Pen()->SetColor(AColor);
  for (const auto& line : mark.Lines) {
    ACanvas->MoveTo(line[0].X, line[0].Y);
    ACanvas->LineTo(line[1].X, line[1].Y);
  }
}

void TcxCustomLookAndFeelPainter::PaintRowMarkerImage(TcxCanvas* ACanvas, const TRect& R,
                                                      TcxRowMarkerKind AKind) const {
  TcxImageList* images = RowMarkerImages();
  if (AKind == rmkNone || !images) return;
  const int x = (R.Left + R.Right - images->Width()) / 2, y = (R.Top + R.Bottom - images->Height()) / 2;
  images->Draw(ACanvas->Canvas(), x, y, int(AKind) - 1);
}

void TcxCustomLookAndFeelPainter::PaintRowMarkerCell(TcxCanvas* ACanvas, const TRect& R, TcxNeighbors ANeighbors,
                                                     TcxBorders ABorders, TcxRowMarkerKind AKind, TColor ABkColor,
                                                     TcxDrawBackgroundEvent AOnDrawBackground) const {
  PaintHeader(ACanvas, R, R, ANeighbors, ABorders, cxbsNormal, taCenter, vaCenter, false, false, String(), nullptr,
              clDefault, ABkColor, AOnDrawBackground, false);
  PaintRowMarkerImage(ACanvas, R, AKind);
}

void TcxCustomLookAndFeelPainter::PaintRowMarkerCellPlain(TcxCanvas* ACanvas, const TRect& R,
                                                          TcxNeighbors ANeighbors, TcxBorders ABorders,
                                                          TcxRowMarkerKind AKind, TColor ABkColor) const {
  PaintHeaderPlain(ACanvas, R, R, ANeighbors, ABorders, cxbsNormal, taCenter, vaCenter, false, false, String(),
                   nullptr, clDefault, ABkColor);
  PaintRowMarkerImage(ACanvas, R, AKind);
}

bool TcxCustomLookAndFeelPainter::IsRowMarkerHot() const { return true; }

// --- Side buttons, progress blocks and clock --------------------------------------------------

void TcxCustomLookAndFeelPainter::PaintArrowHeader(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText,
                                                   TcxNeighbors ANeighbors, const TcxViewStyleParams& AViewParams,
                                                   TcxDrawBackgroundEvent AOnDrawBackground) const {
  PaintHeader(ACanvas, ABounds, ABounds, ANeighbors, cxBordersAll, cxbsNormal, taCenter, vaCenter, false, true, AText,
              AViewParams.Font, AViewParams.TextColor, AViewParams.Color, AOnDrawBackground, false);
  PaintHeaderArrows(this, ACanvas, GetHeaderInnerRect(ABounds, cxBordersAll));
}

void TcxCustomLookAndFeelPainter::PaintArrowHeaderEdge(TcxCanvas* ACanvas, const TRect& R) const {
  PaintControlBorder(ACanvas, R);
}

void TcxCustomLookAndFeelPainter::PaintProgressBlock(TcxCanvas* ACanvas, const TRect& ABounds,
                                                     const TRect& ABlockRect, const TcxViewStyleParams& AViewParams,
                                                     bool ATransparent) const {
  if (!ATransparent) FillWithViewParams(ACanvas, Inset(ABounds, 1), AViewParams);
  ACanvas->FrameRectBorders(ABounds, TColor(0x808080), 1);
  FillSolid(ACanvas, ABlockRect, TColor(0x800000));
}

void TcxCustomLookAndFeelPainter::PaintSideButton(TcxCanvas* ACanvas, const TRect& R, const TRect& ATextRect,
                                                  const TRect& AArrowRect, bool AFlag, TcxButtonState AState,
                                                  const String& AText, TFont* AFont) const {
  PaintSideButtonContent(ACanvas, R, AArrowRect, AFlag, AState);
  if (AText.empty() || IsEmptyRect(ATextRect)) return;
  if (AFont) ACanvas->SetFont(AFont);
  ACanvas->Font()->SetColor(GetSideButtonTextColor(AFlag, AState, ACanvas->Font()->Color()));
  ACanvas->Brush()->SetStyle(bsClear);
  // The text runs along the button, read from its open side.
  ACanvas->DrawText(AText, ATextRect, cxAlignHCenter | cxAlignVCenter | cxSingleLine, AState != cxbsDisabled,
                    AFlag ? raPlus90 : raMinus90);
  ACanvas->Brush()->SetStyle(bsSolid);
}

void TcxCustomLookAndFeelPainter::PaintSideArrow(TcxCanvas* ACanvas, const TRect& R, bool AFlag,
                                                 TColor AColor) const {
  for (const TRect& bar : SideArrowBars(R, AFlag)) FillSolid(ACanvas, bar, AColor);
}

void TcxCustomLookAndFeelPainter::PaintNavButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const {
  PaintButtonCell(ACanvas, R, String(), AState, true, clDefault, clDefault, false, false);
}

void TcxCustomLookAndFeelPainter::PaintSplitterEdge(TcxCanvas*, const TRect&, bool,
                                                    const TcxViewStyleParams&) const {}
TRect TcxCustomLookAndFeelPainter::GetProgressBlockMargins() const { return TRect{2, 2, 2, 2}; }

TColor TcxCustomLookAndFeelPainter::GetSideButtonTextColor(bool, TcxButtonState AState, TColor ADefaultColor) const {
  return GetButtonGlyphColor(AState, ADefaultColor);
}

void TcxCustomLookAndFeelPainter::GetSideButtonSizes(bool AFlag, TRect& ABorders, TSize& AArrowSize,
                                                     bool& AHasTextArea) const {
  ABorders = AFlag ? TRect{2, 6, 0, 6} : TRect{0, 6, 2, 6};
  AArrowSize = TSize{7, 7};
  AHasTextArea = true;
}

void TcxCustomLookAndFeelPainter::CalcSideButtonRects(bool AFlag, bool ANoText, const TSize& ATextSize1,
                                                      const TSize& ATextSize2, TRect& AButtonRect, TRect& ATextRect,
                                                      TRect& AArrowRect) const {
  TRect b;
  TSize arrow;
  bool hasText = false;
  GetSideButtonSizes(AFlag, b, arrow, hasText);
  const int h = arrow.cy;
  if (!hasText || ANoText) {
    ATextRect = TRect{};
    const int height = b.Top + 3 * h + b.Bottom;
    const int top = (AButtonRect.Top + AButtonRect.Bottom - height) / 2;
    AButtonRect = TRect{AButtonRect.Left, top, AButtonRect.Right, top + height};
    AArrowRect = CenterRectInRect(ShrinkRectByMargins(AButtonRect, b), arrow.cx, arrow.cy);
    return;
  }
  const TRect content = ShrinkRectByMargins(AButtonRect, b);
  AArrowRect = CenterRectInRect(SetRectHeight(content, 3 * h), arrow.cx, arrow.cy);
  ATextRect = TRect{content.Left, content.Top + 3 * h + 5, content.Right, content.Bottom - 2 * h};
  const int d = std::max(ATextSize1.cx, ATextSize2.cx) - (ATextRect.Bottom - ATextRect.Top);
  if (d > 0) {
    AArrowRect = OffsetRectBy(AArrowRect, 0, -d);
    ATextRect = InflateRectSides(ATextRect, 0, d, 0, d);
    AButtonRect = InflateRectSides(AButtonRect, 0, d, 0, d);
  }
}

int TcxCustomLookAndFeelPainter::GetBoxEdgeWidth() const { return 1; }

void TcxCustomLookAndFeelPainter::PaintClockFace(TcxCanvas* ACanvas, const TRect& R, TDateTime ATime,
                                                 TColor AColor) const {
  const TcxClockFace face = ClockFaceShape(R, ATime);
  ACanvas->PushClipRegion();
  for (const TPoint& p : face.HourDots) {
    ACanvas->SetPixel(p.X, p.Y, TColor(0x808000));
    PolylineIn(ACanvas, {{p.X - 1, p.Y + 1}, {p.X - 1, p.Y - 1}, {p.X, p.Y - 1}}, TColor(0xFFFF00));
    PolylineIn(ACanvas, {{p.X, p.Y + 1}, {p.X + 1, p.Y + 1}, {p.X + 1, p.Y - 1}}, clBtnText);
    // The dots stay when the face is filled.
    ACanvas->ExcludeClipRectangle(TRect{p.X - 1, p.Y - 1, p.X + 2, p.Y + 2});
  }
  FillSolid(ACanvas, R, AColor);
  for (const auto& hand : {face.HourHand, face.MinuteHand}) {
    FillPolygon(ACanvas, {hand.begin(), hand.end()}, TColor(0x808000));
    ACanvas->SetPixel(hand[0].X, hand[0].Y, TColor(0x808000));
  }
  ACanvas->Pen()->SetColor(TColor(0x0000FF));
  ACanvas->MoveTo(face.Center.X, face.Center.Y);
  ACanvas->LineTo(face.SecondHandEnd.X, face.SecondHandEnd.Y);
  ACanvas->PopClipRegion();
}
