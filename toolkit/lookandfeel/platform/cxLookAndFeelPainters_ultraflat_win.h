// The ultra-flat look (one-pixel frames, a highlighted face under the mouse)
// and the Office11 look built on it, which paints with the Office colour set
// of the visual style's colour scheme (dxOffice11_win.h). Both are stateless
// painters with one instance each, as every painter of the unit.
#pragma once

#include "cxLookAndFeelPainters_win.h"

class TcxUltraFlatLookAndFeelPainter : public TcxCustomLookAndFeelPainter {
  VAMIRE_CLASS(TcxUltraFlatLookAndFeelPainter, TcxCustomLookAndFeelPainter)
 public:
  static TcxCustomLookAndFeelPainterClass Instance();

  // The look's own colours, which its drawing asks for through `this`.
  // The frame of a button: clBtnShadow when normal, else clHighlight.
  virtual TColor GetButtonFrameColor(TcxButtonState AState) const;
  virtual TColor GetEdgeColor() const;
  virtual TColor GetDarkEdgeColor() const;
  virtual TColor GetHighlightFrameColor() const;

  TcxLookAndFeelStyle GetPainterStyle() const override;
  TColor DefaultColor50() const override;
  int GetBorderWidth() const override;
  void PaintControlBorder(TcxCanvas* ACanvas, const TRect& R) const override;
  void PaintBorderEdges(TcxCanvas* ACanvas, const TRect& R, bool AVertical) const override;
  int GetButtonBorderWidth(TcxButtonState AState) const override;
  TColor GetButtonFaceColor(TcxButtonState AState) const override;
  TRect GetButtonFocusBounds(TcxCanvas* ACanvas, const TRect& R) const override;
  TRect GetButtonGroupBorderWidths(int ACount, int AIndex) const override;
  int GetButtonCaptionOffset() const override;
  int GetPressedShift() const override;
  TColor GetButtonGlyphColor(TcxButtonState AState, TColor ADefaultColor) const override;
  TcxButtonState GetButtonGlyphState(TcxButtonState AState) const override;
  void PaintGroupButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, int ACount, int AIndex,
                        TColor AColor) const override;
  void PaintButtonEdge(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const override;
  void PaintButtonEdgeEx(TcxCanvas* ACanvas, const TRect& R, bool ADark, bool AHighlighted) const override;
  void PaintTreeButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor AColor) const override;
  int GetTreeButtonSize() const override;
  bool HasHotScrollBarParts() const override;
  void PaintCheckFrame(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const override;
  void PaintHeaderPlain(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                        TcxNeighbors ANeighbors, TcxBorders ABorders, TcxButtonState AState,
                        TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert, bool AMultiLine,
                        bool AShowEndEllipsis, const String& AText, TFont* AFont, TColor ATextColor,
                        TColor ABkColor) const override;
  void PaintHeaderEdge(TcxCanvas* ACanvas, const TRect& R, TcxNeighbors ANeighbors,
                       TcxBorders ABorders) const override;
  void PaintHeaderPartEdge(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                           TcxBorders ABorders) const override;
  void PaintHeaderPartContent(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText, TAlignment AAlignment,
                              TcxButtonState AState, TFont* AFont, TColor AColor) const override;
  void PaintSortGlyph(TcxCanvas* ACanvas, const TRect& R, bool AAscending) const override;
  TSize GetSortGlyphSize() const override;
  TcxBorders GetHeaderEdges(TcxNeighbors ANeighbors) const override;
  int GetHeaderEdgeWidth() const override;
  TcxBorders GetPanelEdges() const override;
  int GetPanelEdgeWidth() const override;
  int GetCellEdgeWidth() const override;
  int GetCellOffset() const override;
  void PaintBandedPanel(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders) const override;
  void PaintPanelEdge(TcxCanvas* ACanvas, const TRect& R) const override;
  void PaintCellSeparator(TcxCanvas* ACanvas, const TRect& R) const override;
  void PaintDropButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, bool AActive) const override;
  TSize GetCrossButtonSize() const override;
  void PaintTabItemEdge(TcxCanvas* ACanvas, const TRect& R, TcxBorder ASide, TcxBorders ABorders,
                        bool AVertical) const override;
  void PaintTabRow(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders, bool AVertical) const override;
  int GetTabEdgeWidth() const override;
  void PaintScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, const TRect& R, TcxScrollBarPart APart,
                          TcxButtonState AState) const override;
  void PaintSideButtonContent(TcxCanvas* ACanvas, const TRect& R, const TRect& AArrowRect, bool AFlag,
                              TcxButtonState AState) const override;
  void PaintNavButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const override;
  void PaintSplitterEdge(TcxCanvas* ACanvas, const TRect& R, bool AHorizontal,
                         const TcxViewStyleParams& AViewParams) const override;
  void PaintGroupBoxFrame(TcxCanvas* ACanvas, const TRect& R, bool AEnabled,
                          TcxGroupBoxCaptionPosition ACaptionPosition, TcxBorders ABorders) const override;
  void PaintTrackEdge(TcxCanvas* ACanvas, const TRect& R) const override;
  void PaintThumbEdge(TcxCanvas* ACanvas, const std::vector<TPoint>& ALightLine,
                      const std::vector<TPoint>& AInnerShadowLine,
                      const std::vector<TPoint>& AOuterShadowLine) const override;
  void PaintThumbRectEdge(TcxCanvas* ACanvas, const TRect& R) const override;
  TColor GetSplitterLineColor(bool AHighlighted) const override;
  TSize GetSplitterGripSize(bool AHorizontal) const override;
  void PaintPageAreaDark(TcxCanvas* ACanvas, const TRect& R) const override;

 protected:
  TcxUltraFlatLookAndFeelPainter() = default;
};

class TcxOffice11LookAndFeelPainter : public TcxUltraFlatLookAndFeelPainter {
  VAMIRE_CLASS(TcxOffice11LookAndFeelPainter, TcxUltraFlatLookAndFeelPainter)
 public:
  static TcxCustomLookAndFeelPainterClass Instance();

  // The Office face and line colours (entries 4, 21, 22 and the mix of 3 and 4).
  virtual TColor GetOfficeDarkFaceColor() const;
  virtual TColor GetOfficeLineDarkColor() const;
  virtual TColor GetOfficeLineLightColor() const;
  virtual TColor GetOfficeMidFaceColor() const;

  TColor GetButtonFrameColor(TcxButtonState AState) const override;
  TColor GetEdgeColor() const override;
  TColor GetDarkEdgeColor() const override;
  TColor GetHighlightFrameColor() const override;

  TColor DefaultColor00() const override;
  TcxLookAndFeelStyle GetPainterStyle() const override;
  bool IsThemeColorSource() const override;
  TColor DefaultColor09() const override;
  TColor DefaultColor10() const override;
  TColor DefaultColor12() const override;
  TColor DefaultColor13() const override;
  TColor DefaultColor16() const override;
  TColor DefaultColor17() const override;
  TColor DefaultColor18() const override;
  TColor DefaultColor20() const override;
  TColor DefaultColor22() const override;
  TColor DefaultColor37() const override;
  TColor DefaultColor41() const override;
  TColor DefaultColor42() const override;
  TColor DefaultColor50() const override;
  TColor DefaultColor51() const override;
  TColor DefaultColor61() const override;
  TColor DefaultColor63() const override;
  TColor DefaultColor67() const override;
  TColor DefaultColor69() const override;
  void PaintContent(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds, TcxButtonState AState,
                    TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert, bool AMultiLine,
                    bool AShowEndEllipsis, const String& AText, TFont* AFont, TColor ATextColor, TColor ABkColor,
                    TcxDrawBackgroundEvent AOnDrawBackground, bool AIsFlat) const override;
  void PaintSideButtonContent(TcxCanvas* ACanvas, const TRect& R, const TRect& AArrowRect, bool AFlag,
                              TcxButtonState AState) const override;
  void PaintControlBorder(TcxCanvas* ACanvas, const TRect& R) const override;
  void PaintBorderEdges(TcxCanvas* ACanvas, const TRect& R, bool AVertical) const override;
  TColor GetButtonFaceColor(TcxButtonState AState) const override;
  TColor GetButtonGlyphColor(TcxButtonState AState, TColor ADefaultColor) const override;
  void PaintButtonEdge(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const override;
  void PaintTreeButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor AColor) const override;
  bool IsTreeButtonFirst() const override;
  void PaintPlusMinusBox(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor AColor) const override;
  int GetTreeButtonSize() const override;
  int GetPlusMinusBoxSize() const override;
  TColor GetCheckFaceColor(TcxButtonState AState) const override;
  void PaintHeader(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds, TcxNeighbors ANeighbors,
                   TcxBorders ABorders, TcxButtonState AState, TAlignment AAlignmentHorz,
                   TcxAlignmentVert AAlignmentVert, bool AMultiLine, bool AShowEndEllipsis, const String& AText,
                   TFont* AFont, TColor ATextColor, TColor ABkColor, TcxDrawBackgroundEvent AOnDrawBackground,
                   bool AIsSpecial) const override;
  void PaintHeaderEdge(TcxCanvas* ACanvas, const TRect& R, TcxNeighbors ANeighbors,
                       TcxBorders ABorders) const override;
  void PaintHeaderPart(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText, TAlignment AAlignment,
                       TcxButtonState AState, TcxBorders ABorders, TFont* AFont, TColor AColor) const override;
  void PaintSortGlyph(TcxCanvas* ACanvas, const TRect& R, bool AAscending) const override;
  TcxBorders GetHeaderEdges(TcxNeighbors ANeighbors) const override;
  int GetHeaderEdgeWidth() const override;
  bool IsHeaderHot() const override;
  TColor GetBandColor() const override;
  void PaintFramedCell(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders, TcxButtonState AState) const override;
  void PaintScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, const TRect& R, TcxScrollBarPart APart,
                          TcxButtonState AState) const override;
  void PaintSizeGrip(TcxCanvas* ACanvas, const TRect& R) const override;
  void PaintArrowHeader(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText, TcxNeighbors ANeighbors,
                        const TcxViewStyleParams& AViewParams,
                        TcxDrawBackgroundEvent AOnDrawBackground) const override;
  void PaintArrowHeaderEdge(TcxCanvas* ACanvas, const TRect& R) const override;
  void PaintNavButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const override;
  void PaintProgressFrame(TcxCanvas* ACanvas, TRect& R) const override;
  void PaintGroupBoxFrame(TcxCanvas* ACanvas, const TRect& R, bool AEnabled,
                          TcxGroupBoxCaptionPosition ACaptionPosition, TcxBorders ABorders) const override;
  TColor GetGroupBoxCaptionTextColor(bool AEnabled, TcxGroupBoxCaptionPosition ACaptionPosition) const override;
  void PaintGroupBoxCaptionArea(TcxCanvas* ACanvas, TWinControl* AControl, const TRect& R, TColor AColor1,
                                TColor AColor2) const override;
  void PaintTrackEdge(TcxCanvas* ACanvas, const TRect& R) const override;
  void PaintThumbEdge(TcxCanvas* ACanvas, const std::vector<TPoint>& ALightLine,
                      const std::vector<TPoint>& AInnerShadowLine,
                      const std::vector<TPoint>& AOuterShadowLine) const override;
  void PaintThumbRectEdge(TcxCanvas* ACanvas, const TRect& R) const override;
  TColor GetSplitterInnerColor(bool AHighlighted) const override;
  TColor GetSplitterLineColor(bool AHighlighted) const override;
  TSize GetSplitterGripSize(bool AHorizontal) const override;
  void PaintPageArea(TcxCanvas* ACanvas, const TRect& R) const override;

 protected:
  TcxOffice11LookAndFeelPainter() = default;
};

// The background a control shows through: its parent's, drawn under R.
void PaintControlParentBackground(TcxCanvas* ACanvas, TWinControl* AControl, const TRect& R);
