// The base painter: general operations, default colours, arrows and borders,
// buttons, check boxes, radio buttons and label lines.
#include "cxGeometry.h"
#include "cxLookAndFeelPainters_internal.h"
#include "dxCore.h"

using namespace cxpainters;

TcxCustomLookAndFeelPainterClass TcxCustomLookAndFeelPainter::Instance() {
  // Never destroyed: controls may ask a painter while the process ends (painters never die).
  static const auto* instance = new TcxCustomLookAndFeelPainter();
  return instance;
}

// --- General ----------------------------------------------------------------------------------

TColor TcxCustomLookAndFeelPainter::DefaultColor00() const {
  return OSFlagVistaOrLater ? TColor(0xCC6600) : clHighlightText;
}

void TcxCustomLookAndFeelPainter::PaintBackground(TcxCanvas* ACanvas, const TRect& R, bool ATransparent,
                                                  TColor AColor, TBitmap* ABitmap) const {
  if (!ATransparent) FillSolid(ACanvas, R, AColor);
  else if (IsNonEmptyBitmap(ABitmap)) ACanvas->FillRectWithBitmap(R, ABitmap);
}

void TcxCustomLookAndFeelPainter::PaintDownTriangle(TcxCanvas* ACanvas, const TRect& R, TColor AColor) const {
  const TcxArrowPoints p = DownTrianglePoints(R);
  FillPolygon(ACanvas, {p.begin(), p.end()}, AColor);
}

void TcxCustomLookAndFeelPainter::PaintContent(TcxCanvas* ACanvas, const TRect& ABounds,
                                               const TRect& ATextAreaBounds, TcxButtonState AState,
                                               TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
                                               bool AMultiLine, bool AShowEndEllipsis, const String& AText,
                                               TFont* AFont, TColor ATextColor, TColor ABkColor,
                                               TcxDrawBackgroundEvent AOnDrawBackground, bool) const {
  if (!AOnDrawBackground || !AOnDrawBackground(ACanvas, ABounds)) FillSolid(ACanvas, ABounds, ABkColor);
  const TcxTextFlags flags = AlignmentFlags(AAlignmentHorz, AAlignmentVert) |
                             (AMultiLine ? cxWordBreak : cxSingleLine) | (AShowEndEllipsis ? cxShowEndEllipsis : 0);
  DrawTextClear(ACanvas, AText, ATextAreaBounds, flags, AFont, ATextColor, AState != cxbsDisabled);
}

void TcxCustomLookAndFeelPainter::PaintBandedPanel(TcxCanvas* ACanvas, const TRect& R, TcxBorders) const {
  const TRect band = SetRectHeight(R, GetBandSize());
  PaintBand(ACanvas, band);
  PaintPanelEdge(ACanvas, TRect{R.Left, band.Bottom, R.Right, R.Bottom});
}

void TcxCustomLookAndFeelPainter::PaintSideButtonContent(TcxCanvas* ACanvas, const TRect& R,
                                                         const TRect& AArrowRect, bool AFlag,
                                                         TcxButtonState AState) const {
  const TcxBorders sides{bTop, bBottom, AFlag ? bLeft : bRight};
  FillSolid(ACanvas, R, clBtnFace);
  ACanvas->FrameRectBorders(R, clBtnShadow, 1, sides);
  const TRect inner = InsetBorders(R, 1, sides);
  if (AState == cxbsPressed) FrameTwoColor(ACanvas, inner, clBtnShadow, clBtnHighlight, sides);
  else FrameTwoColor(ACanvas, inner, clBtnHighlight, clBtnFace, sides);
  PaintSideArrow(ACanvas, AArrowRect, AFlag, GetButtonGlyphColor(AState, clDefault));
}

TRect TcxCustomLookAndFeelPainter::GetInnerRect(const TRect& R) const { return Inset(R, GetCellEdgeWidth()); }

TRect TcxCustomLookAndFeelPainter::GetInnerRectInset(const TRect& R) const { return Inset(GetInnerRect(R), 2); }

TRect TcxCustomLookAndFeelPainter::CenterBandInRect(const TRect& R, int AThickness, bool AVertical) const {
  if (AVertical) {
    const int left = (R.Left + R.Right - AThickness) / 2;
    return TRect{left, R.Top, left + AThickness, R.Bottom};
  }
  const int top = (R.Top + R.Bottom - AThickness) / 2;
  return TRect{R.Left, top, R.Right, top + AThickness};
}

TcxLookAndFeelStyle TcxCustomLookAndFeelPainter::GetPainterStyle() const { return lfsStandard; }
bool TcxCustomLookAndFeelPainter::IsThemeColorSource() const { return false; }

// --- Default colours --------------------------------------------------------------------------

TColor TcxCustomLookAndFeelPainter::DefaultColor01() const { return clWindow; }
TColor TcxCustomLookAndFeelPainter::DefaultColor02() const { return DefaultColor01(); }
TColor TcxCustomLookAndFeelPainter::DefaultColor03() const { return DefaultColor01(); }
TColor TcxCustomLookAndFeelPainter::DefaultColor04() const { return clWindowText; }
TColor TcxCustomLookAndFeelPainter::GetEditorBackgroundColor(bool ADisabled) const {
  return GetEditorBackgroundColorForState(ADisabled ? esckDisabled : esckNormal);
}
TColor TcxCustomLookAndFeelPainter::GetEditorBackgroundColorForState(TcxEditStateColorKind) const {
  return clDefault;
}
TColor TcxCustomLookAndFeelPainter::GetEditorTextColor(bool ADisabled) const {
  return GetEditorTextColorForState(ADisabled ? esckDisabled : esckNormal);
}
TColor TcxCustomLookAndFeelPainter::GetEditorTextColorForState(TcxEditStateColorKind) const { return clDefault; }
TColor TcxCustomLookAndFeelPainter::DefaultColor09() const { return clBtnShadow; }
TColor TcxCustomLookAndFeelPainter::DefaultColor10() const { return clBtnHighlight; }
TColor TcxCustomLookAndFeelPainter::DefaultColor11() const { return clBtnText; }
TColor TcxCustomLookAndFeelPainter::DefaultColor12() const { return clBtnFace; }
TColor TcxCustomLookAndFeelPainter::DefaultColor13() const { return clBtnText; }
TColor TcxCustomLookAndFeelPainter::DefaultColor14() const { return clBtnFace; }
TColor TcxCustomLookAndFeelPainter::DefaultColor15() const { return clBtnShadow; }
TColor TcxCustomLookAndFeelPainter::DefaultColor16() const { return clBtnShadow; }
TColor TcxCustomLookAndFeelPainter::DefaultColor17() const { return clBtnFace; }
TColor TcxCustomLookAndFeelPainter::DefaultColor18() const { return clBtnFace; }
TColor TcxCustomLookAndFeelPainter::DefaultColor19() const { return clBtnText; }
TColor TcxCustomLookAndFeelPainter::DefaultColor20() const { return clBtnShadow; }
TColor TcxCustomLookAndFeelPainter::DefaultColor21() const { return clBtnFace; }
TColor TcxCustomLookAndFeelPainter::DefaultColor22() const { return clBtnFace; }
TColor TcxCustomLookAndFeelPainter::DefaultColor23() const { return clBtnText; }
TColor TcxCustomLookAndFeelPainter::DefaultColor24() const { return 0xFF0000; }
TColor TcxCustomLookAndFeelPainter::DefaultColor25() const { return clBtnFace; }
TColor TcxCustomLookAndFeelPainter::DefaultColor26() const { return clBtnText; }
TColor TcxCustomLookAndFeelPainter::DefaultColor27() const { return 0xFF0000; }
TColor TcxCustomLookAndFeelPainter::DefaultColor28() const { return DefaultColor15(); }
TColor TcxCustomLookAndFeelPainter::GetScrollBarsCornerColor() const { return clBtnFace; }
TColor TcxCustomLookAndFeelPainter::DefaultColor30() const { return DefaultColor35(); }
TColor TcxCustomLookAndFeelPainter::DefaultColor31() const { return DefaultColor22(); }
TColor TcxCustomLookAndFeelPainter::DefaultColor32() const { return clDefault; }
TColor TcxCustomLookAndFeelPainter::DefaultColor33() const { return DefaultColor22(); }
TColor TcxCustomLookAndFeelPainter::DefaultColor34() const { return DefaultColor23(); }
TColor TcxCustomLookAndFeelPainter::DefaultColor35() const { return clBlack; }
TColor TcxCustomLookAndFeelPainter::DefaultColor36() const {
  const TColor color = GetEditorBackgroundColor(false);
  return color == clDefault ? DefaultColor01() : color;
}
TColor TcxCustomLookAndFeelPainter::DefaultColor37() const { return clBtnFace; }
TColor TcxCustomLookAndFeelPainter::DefaultColor38(bool AFlag) const {
  return AFlag ? DefaultColor00() : DefaultColor23();
}
TColor TcxCustomLookAndFeelPainter::DefaultColor39() const { return 0x0000FF; }
TColor TcxCustomLookAndFeelPainter::DefaultColor40() const { return clGrayText; }
TColor TcxCustomLookAndFeelPainter::DefaultColor41() const { return clHighlight; }
TColor TcxCustomLookAndFeelPainter::DefaultColor42() const { return clHighlightText; }
TColor TcxCustomLookAndFeelPainter::DefaultColor43() const { return clBtnShadow; }
TColor TcxCustomLookAndFeelPainter::DefaultColor44() const { return clWindow; }
TColor TcxCustomLookAndFeelPainter::DefaultColor45() const { return clWindowText; }
TColor TcxCustomLookAndFeelPainter::DefaultColor46() const { return 0x000080; }
TColor TcxCustomLookAndFeelPainter::DefaultColor47() const { return 0x800000; }
TColor TcxCustomLookAndFeelPainter::DefaultColor48() const { return clWindow; }
TColor TcxCustomLookAndFeelPainter::DefaultColor49() const { return clWindowText; }
TColor TcxCustomLookAndFeelPainter::DefaultColor50() const { return 0x9D9DA1; }
TColor TcxCustomLookAndFeelPainter::DefaultColor51() const { return clBtnFace; }
TColor TcxCustomLookAndFeelPainter::DefaultColor52() const { return clBtnFace; }
TColor TcxCustomLookAndFeelPainter::DefaultColor53() const { return DefaultColor22(); }
TColor TcxCustomLookAndFeelPainter::DefaultColor54() const { return DefaultColor23(); }
TColor TcxCustomLookAndFeelPainter::DefaultColor55() const { return 0xD5FFFF; }
TColor TcxCustomLookAndFeelPainter::DefaultColor56() const { return DefaultColor59(); }
TColor TcxCustomLookAndFeelPainter::DefaultColor57() const { return clWindowText; }
TColor TcxCustomLookAndFeelPainter::DefaultColor58() const { return clHighlight; }
TColor TcxCustomLookAndFeelPainter::DefaultColor59() const { return clHighlightText; }
TColor TcxCustomLookAndFeelPainter::DefaultColor60() const { return clBtnFace; }
TColor TcxCustomLookAndFeelPainter::DefaultColor61() const { return clBtnFace; }
TColor TcxCustomLookAndFeelPainter::DefaultColor62() const { return clBtnText; }
TColor TcxCustomLookAndFeelPainter::DefaultColor63() const { return clWindow; }
TColor TcxCustomLookAndFeelPainter::DefaultColor64() const { return clBtnFace; }
TColor TcxCustomLookAndFeelPainter::DefaultColor65() const { return 0xFFFFFF; }
TColor TcxCustomLookAndFeelPainter::DefaultColor66() const { return clBlack; }
TColor TcxCustomLookAndFeelPainter::DefaultColor67() const { return clBtnFace; }
TColor TcxCustomLookAndFeelPainter::DefaultColor68() const { return clBtnText; }
TColor TcxCustomLookAndFeelPainter::DefaultColor69() const { return 0xFFFFFF; }
TColor TcxCustomLookAndFeelPainter::DefaultColor70() const { return clBlack; }
TColor TcxCustomLookAndFeelPainter::DefaultColor71() const { return clBlack; }
TColor TcxCustomLookAndFeelPainter::DefaultColor72() const { return clBlack; }
TColor TcxCustomLookAndFeelPainter::DefaultColor73() const { return 0xCFCFCF; }
TColor TcxCustomLookAndFeelPainter::DefaultColor74() const { return 0xFFFFFF; }
TColor TcxCustomLookAndFeelPainter::DefaultColor75() const { return clBtnShadow; }
TColor TcxCustomLookAndFeelPainter::DefaultColor76() const { return 0xF0CAA6; }
TColor TcxCustomLookAndFeelPainter::DefaultColor77() const { return 0x800000; }
TColor TcxCustomLookAndFeelPainter::DefaultColor78() const { return clBtnShadow; }
TColor TcxCustomLookAndFeelPainter::DefaultColor79() const { return clBtnShadow; }

// --- Arrows and borders -----------------------------------------------------------------------

void TcxCustomLookAndFeelPainter::PaintArrow(TcxCanvas* ACanvas, const TRect& R, TcxArrowDirection ADirection,
                                             TColor AColor) const {
  TcxArrowPoints p;
  CalcArrowTriangle(R, p, ADirection, true, 0);
  FillPolygon(ACanvas, {p.begin(), p.end()}, AColor);
}

void TcxCustomLookAndFeelPainter::PaintArrowButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                   TcxArrowDirection ADirection, bool ADrawFace) const {
  if (ADrawFace) PaintButtonFace(ACanvas, R, AState);
  else FillSolid(ACanvas, R, GetButtonFaceColor(AState));
  TcxArrowPoints p;
  CalcArrowTriangle(R, p, ADirection, false, 0);
  FillPolygon(ACanvas, {p.begin(), p.end()}, GetButtonGlyphColor(AState, clDefault));
}

void TcxCustomLookAndFeelPainter::PaintButtonFace(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const {
  FillSolid(ACanvas, R, GetButtonFaceColor(AState));
  PaintButtonEdge(ACanvas, R, AState);
}

void TcxCustomLookAndFeelPainter::PaintStateArrow(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                  TcxArrowDirection ADirection) const {
  if (AState == cxbsDisabled) {
    PaintArrow(ACanvas, OffsetRectBy(R, 1, 1), ADirection, clBtnHighlight);
    PaintArrow(ACanvas, R, ADirection, clBtnShadow);
    return;
  }
  const int shift = AState == cxbsPressed ? GetPressedShift() : 0;
  PaintArrow(ACanvas, OffsetRectBy(R, shift, shift), ADirection, GetButtonGlyphColor(AState, clDefault));
}

int TcxCustomLookAndFeelPainter::GetBorderWidth() const { return 0; }
void TcxCustomLookAndFeelPainter::PaintControlBorder(TcxCanvas*, const TRect&) const {}
void TcxCustomLookAndFeelPainter::PaintBorderEdges(TcxCanvas*, const TRect&, bool) const {}

// --- Buttons and expand buttons ---------------------------------------------------------------

TRect TcxCustomLookAndFeelPainter::GetGroupButtonRect(const TRect& R, int, int) const { return R; }
int TcxCustomLookAndFeelPainter::GetButtonBorderWidth(TcxButtonState) const { return 0; }
TColor TcxCustomLookAndFeelPainter::GetButtonFaceColor(TcxButtonState) const { return clBtnFace; }

TRect TcxCustomLookAndFeelPainter::GetButtonFocusBounds(TcxCanvas*, const TRect& R) const {
  const TRect r = Inset(R, 4);
  return IsEmptyRect(r) ? R : r;
}

TRect TcxCustomLookAndFeelPainter::GetButtonGroupBorderWidths(int, int) const {
  const int w = GetButtonBorderWidth(cxbsNormal);
  return TRect{w, w, w, w};
}

int TcxCustomLookAndFeelPainter::GetButtonCaptionOffset() const { return 0; }
int TcxCustomLookAndFeelPainter::GetPressedShift() const { return 0; }

TColor TcxCustomLookAndFeelPainter::GetButtonGlyphColor(TcxButtonState AState, TColor ADefaultColor) const {
  if (AState == cxbsDisabled) return clBtnShadow;
  return ADefaultColor == clDefault ? clBtnText : ADefaultColor;
}

TcxButtonState TcxCustomLookAndFeelPainter::GetButtonGlyphState(TcxButtonState AState) const { return AState; }

void TcxCustomLookAndFeelPainter::PaintButtonCell(TcxCanvas* ACanvas, const TRect& R, const String& ACaption,
                                                  TcxButtonState AState, bool ADrawBorder, TColor AFaceColor,
                                                  TColor ATextColor, bool AWordWrap, bool) const {
  TRect r = R;
  if (ADrawBorder) {
    PaintButtonEdge(ACanvas, r, AState);
    r = Inset(r, GetButtonBorderWidth(AState));
  }
  FillSolid(ACanvas, r, AFaceColor == clDefault ? GetButtonFaceColor(AState) : AFaceColor);
  if (ACaption.empty()) return;
  // The caption sits on an even height; a low button takes it a pixel higher.
  if ((r.Bottom - r.Top) % 2 != 0) --r.Bottom;
  if (r.Bottom - r.Top < 18) --r.Top;
  if (AState == cxbsPressed) r = OffsetRectBy(r, GetPressedShift(), GetPressedShift());
  const TColor color = ATextColor == clDefault ? GetButtonGlyphColor(AState, clDefault) : ATextColor;
  DrawTextClear(ACanvas, ACaption, r,
                cxAlignHCenter | cxAlignVCenter | cxShowPrefix | (AWordWrap ? cxWordBreak : cxSingleLine), nullptr,
                color, AState != cxbsDisabled);
}

void TcxCustomLookAndFeelPainter::PaintGroupButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, int,
                                                   int, TColor) const {
  PaintButtonCell(ACanvas, R, String(), AState, true, clDefault, clDefault, false, false);
}

void TcxCustomLookAndFeelPainter::PaintButtonEdge(TcxCanvas*, const TRect&, TcxButtonState) const {}
void TcxCustomLookAndFeelPainter::PaintButtonEdgeEx(TcxCanvas*, const TRect&, bool, bool) const {}
void TcxCustomLookAndFeelPainter::PaintTreeButton(TcxCanvas*, const TRect&, bool, TColor) const {}

void TcxCustomLookAndFeelPainter::PaintRotatedChevronButton(TcxCanvas* ACanvas, const TRect& R,
                                                            TcxButtonState AState, bool AExpanded,
                                                            TcxBitmapRotation ARotation) const {
  PaintButtonCell(ACanvas, R, String(), AState, true, clDefault, clDefault, false, false);
  const bool quarter = ARotation == raMinus90 || ARotation == raPlus90;
  const int w = R.Right - R.Left, h = R.Bottom - R.Top;
  if (w <= 0 || h <= 0) return;
  TcxBitmap bitmap(quarter ? h : w, quarter ? w : h, pf32bit);
  const TColor face = GetButtonFaceColor(AState);
  bitmap.cxCanvas()->FillRect(bitmap.GetClientRect(), face);
  for (const TcxStroke& s : ChevronStrokes(bitmap.GetClientRect(), AExpanded))
    DrawStroke(bitmap.cxCanvas(), s, GetButtonGlyphColor(AState, clDefault), clNone);
  ACanvas->RotateBitmap(&bitmap, ARotation);
  // Only the chevron is copied: the face colour lets the button's edge show.
  bitmap.SetTransparentColor(face);
  bitmap.SetTransparent(true);
  ACanvas->DrawGraphic(R.Left, R.Top, &bitmap);
}

bool TcxCustomLookAndFeelPainter::IsTreeButtonFirst() const { return true; }

void TcxCustomLookAndFeelPainter::PaintChevronButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                     TcxButtonState AState) const {
  PaintButtonCell(ACanvas, R, String(), AState, true, clDefault, clDefault, false, false);
  for (const TcxStroke& s : ChevronStrokes(R, AExpanded))
    DrawStroke(ACanvas, s, GetButtonGlyphColor(AState, clDefault), clNone);
}

void TcxCustomLookAndFeelPainter::PaintPlusMinusBox(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                    TColor AColor) const {
  ACanvas->FrameRectBorders(R, clBtnShadow, 1);
  if (AColor != clNone) FillSolid(ACanvas, Inset(R, 1), AColor == clDefault ? clWindow : AColor);
  for (const TRect& bar : TreeButtonCross(R, AExpanded)) FillSolid(ACanvas, bar, clBtnText);
}

int TcxCustomLookAndFeelPainter::GetTreeButtonSize() const { return 0; }
int TcxCustomLookAndFeelPainter::GetChevronButtonSize() const { return 15; }
bool TcxCustomLookAndFeelPainter::HasHotScrollBarParts() const { return false; }
bool TcxCustomLookAndFeelPainter::IsPointOverChevronButton(const TPoint& P, const TRect& R) const {
  return PointInRect(R, P);
}
int TcxCustomLookAndFeelPainter::GetPlusMinusBoxSize() const { return 9; }

// --- Check boxes, radio buttons and label lines -----------------------------------------------

int TcxCustomLookAndFeelPainter::GetCheckFrameWidth() const { return 2; }

TColor TcxCustomLookAndFeelPainter::GetCheckFaceColor(TcxButtonState AState) const {
  return AState == cxbsPressed || AState == cxbsDisabled ? clBtnFace : clWindow;
}

TSize TcxCustomLookAndFeelPainter::GetCheckGlyphSize() const { return CheckGlyphSize(); }

void TcxCustomLookAndFeelPainter::PaintCheckGlyph(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                  bool AChecked, TColor AColor) const {
  // A clear brush means the caller painted the background it wants kept.
  if (ACanvas->Brush()->Style() == bsSolid) FillSolid(ACanvas, R, GetCheckFaceColor(AState));
  if (AChecked)
    for (const TcxStroke& s : CheckMarkStrokes(R)) DrawStroke(ACanvas, s, AColor, AColor);
}

void TcxCustomLookAndFeelPainter::PaintCheckFrame(TcxCanvas*, const TRect&, TcxButtonState) const {}

void TcxCustomLookAndFeelPainter::PaintCheckState(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                  bool AChecked) const {
  PaintCheckBox(ACanvas, R, AState, AChecked ? cbsChecked : cbsUnchecked);
}

void TcxCustomLookAndFeelPainter::PaintCheckBox(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                TcxCheckBoxState ACheckState) const {
  PaintCheckFrame(ACanvas, R, AState);
  const TColor mark = AState == cxbsDisabled || ACheckState == cbsGrayed ? clBtnShadow : clWindowText;
  PaintCheckGlyph(ACanvas, Inset(R, GetCheckFrameWidth()), AState, ACheckState != cbsUnchecked, mark);
}

void TcxCustomLookAndFeelPainter::DrawRadioButton(TcxCanvas* ACanvas, int X, int Y, TcxButtonState AState,
                                                  bool AChecked, bool AFocused, TColor ABackColor,
                                                  bool AIsDesigning) const {
  if (TcxRadioButtonImageList* images = GetRadioButtonImageList())
    images->DrawImage(ACanvas, X, Y, ABackColor, StyleNumberToKind(GetPainterStyle()), AState, AChecked, AFocused,
                      AIsDesigning);
}

TSize TcxCustomLookAndFeelPainter::GetRadioGlyphSize() const {
  TcxRadioButtonImageList* images = GetRadioButtonImageList();
  return images ? images->GetImageSize() : TSize{};
}

void TcxCustomLookAndFeelPainter::PaintLabelLine(TcxCanvas* ACanvas, const TRect& R, TColor AOuterColor,
                                                 TColor AInnerColor, bool AVertical) const {
  const TColor outer = AOuterColor == clDefault ? clBtnShadow : AOuterColor;
  const TColor inner = AInnerColor == clDefault ? clBtnHighlight : AInnerColor;
  FrameTwoColor(ACanvas, R, outer, inner, AVertical ? TcxBorders{bLeft, bRight} : TcxBorders{bTop, bBottom});
}

int TcxCustomLookAndFeelPainter::GetLabelLineThickness() const { return 2; }
