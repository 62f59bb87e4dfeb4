// The native look: toolkit elements drawn with the system's visual style
// through the theme library of the core (dxThemeManager.h). Each operation
// asks the theme-handle cache for one themed class and, where there is none
// (themes off, the library missing, the class not themed), draws as the
// standard painter, or the base painter where the standard has no drawing of
// its own.
#pragma once

#include "cxLookAndFeelPainters_win.h"
#include "dxUxTheme.h"

class TcxWinXPLookAndFeelPainter : public TcxStandardLookAndFeelPainter {
  VAMIRE_CLASS(TcxWinXPLookAndFeelPainter, TcxStandardLookAndFeelPainter)
 public:
  static TcxCustomLookAndFeelPainterClass Instance();

  // Text of a themed part: ATextColor in AFont, aligned in ATextRect (multi-line
  // text first moved down for its vertical alignment). ABounds and AColor are
  // not used. An empty text draws nothing.
  virtual void PaintThemeText(TcxCanvas* ACanvas, HTHEME ATheme, int APart, int AState, const TRect& ABounds,
                              const TRect& ATextRect, TAlignment AAlignment, TcxAlignmentVert AVertAlignment,
                              bool AMultiLine, bool AEndEllipsis, bool AShowPrefix, const String& AText,
                              TFont* AFont, TColor ATextColor, TColor AColor) const;

  TcxLookAndFeelStyle GetPainterStyle() const override;
  bool IsThemeColorSource() const override;
  TColor DefaultColor50() const override;
  TColor DefaultColor55() const override;
  void PaintArrowButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, TcxArrowDirection ADirection,
                        bool ADrawFace) const override;
  void PaintButtonFace(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const override;
  int GetBorderWidth() const override;
  void PaintControlBorder(TcxCanvas* ACanvas, const TRect& R) const override;
  void PaintBorderEdges(TcxCanvas* ACanvas, const TRect& R, bool AVertical) const override;
  TRect GetGroupButtonRect(const TRect& R, int ACount, int AIndex) const override;
  int GetButtonBorderWidth(TcxButtonState AState) const override;
  TColor GetButtonFaceColor(TcxButtonState AState) const override;
  TRect GetButtonFocusBounds(TcxCanvas* ACanvas, const TRect& R) const override;
  TRect GetButtonGroupBorderWidths(int ACount, int AIndex) const override;
  TColor GetButtonGlyphColor(TcxButtonState AState, TColor ADefaultColor) const override;
  int GetButtonCaptionOffset() const override;
  int GetPressedShift() const override;
  void PaintButtonCell(TcxCanvas* ACanvas, const TRect& R, const String& ACaption, TcxButtonState AState,
                       bool ADrawBorder, TColor AFaceColor, TColor ATextColor, bool AWordWrap,
                       bool AIsToolButton) const override;
  void PaintTreeButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor AColor) const override;
  bool IsTreeButtonFirst() const override;
  void PaintChevronButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TcxButtonState AState) const override;
  void PaintPlusMinusBox(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor AColor) const override;
  int GetTreeButtonSize() const override;
  int GetChevronButtonSize() const override;
  bool HasHotScrollBarParts() const override;
  bool IsPointOverChevronButton(const TPoint& P, const TRect& R) const override;
  int GetPlusMinusBoxSize() const override;
  int GetCheckFrameWidth() const override;
  TSize GetCheckGlyphSize() const override;
  void PaintCheckGlyph(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, bool AChecked,
                       TColor AColor) const override;
  void PaintCheckFrame(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const override;
  void DrawRadioButton(TcxCanvas* ACanvas, int X, int Y, TcxButtonState AState, bool AChecked, bool AFocused,
                       TColor ABackColor, bool AIsDesigning) const override;
  TSize GetRadioGlyphSize() const override;
  void PaintHeader(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds, TcxNeighbors ANeighbors,
                   TcxBorders ABorders, TcxButtonState AState, TAlignment AAlignmentHorz,
                   TcxAlignmentVert AAlignmentVert, bool AMultiLine, bool AShowEndEllipsis, const String& AText,
                   TFont* AFont, TColor ATextColor, TColor ABkColor, TcxDrawBackgroundEvent AOnDrawBackground,
                   bool AIsSpecial) const override;
  void InvertHeader(TcxCanvas* ACanvas, const TRect& R) const override;
  void PaintHeaderPart(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText, TAlignment AAlignment,
                       TcxButtonState AState, TcxBorders ABorders, TFont* AFont, TColor AColor) const override;
  void PaintSortGlyph(TcxCanvas* ACanvas, const TRect& R, bool AAscending) const override;
  TSize GetSortGlyphSize() const override;
  int GetHeaderEdgeWidth() const override;
  int GetHeaderPartEdgeWidth(TcxButtonState AState) const override;
  TRect GetHeaderPartInnerRect(const TRect& ABounds, TcxButtonState AState) const override;
  bool IsHeaderHot() const override;
  void PaintFramedCell(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders, TcxButtonState AState) const override;
  void PaintCellSection(TcxCanvas* ACanvas, const TRect& ABounds, TAlignment AAlignment, bool AMultiLine,
                        const String& AText, const TcxViewStyleParams& AViewParams) const override;
  void PaintPanelEdge(TcxCanvas* ACanvas, const TRect& R) const override;
  int GetPanelEdgeWidth() const override;
  int GetCellEdgeWidth() const override;
  bool IsCellsFirst() const override;
  void PaintCrossButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const override;
  void PaintDropButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, bool AActive) const override;
  TSize GetSmallButtonSize() const override;
  TSize GetCrossButtonSize() const override;
  void PaintTabItem(TcxCanvas* ACanvas, const TRect& R, const String& AText, TFont* AFont, TcxButtonState AState,
                    TcxBorders ABorders, bool AVertical) const override;
  void PaintTabItemEdge(TcxCanvas* ACanvas, const TRect& R, TcxBorder ASide, TcxBorders ABorders,
                        bool AVertical) const override;
  void PaintTabRow(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders, bool AVertical) const override;
  bool CanPaintTabs() const override;
  bool IsTabHot() const override;
  int GetTabEdgeWidth() const override;
  void PaintRowMarkerCell(TcxCanvas* ACanvas, const TRect& R, TcxNeighbors ANeighbors, TcxBorders ABorders,
                          TcxRowMarkerKind AKind, TColor ABkColor,
                          TcxDrawBackgroundEvent AOnDrawBackground) const override;
  int GetMinScrollBarThumbSize(bool AVertical) const override;
  void PaintScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, const TRect& R, TcxScrollBarPart APart,
                          TcxButtonState AState) const override;
  TSize GetScrollBarCornerSize() const override;
  void PaintSizeGrip(TcxCanvas* ACanvas, const TRect& R) const override;
  TSize GetSizeGripSize() const override;
  void PaintArrowHeader(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText, TcxNeighbors ANeighbors,
                        const TcxViewStyleParams& AViewParams,
                        TcxDrawBackgroundEvent AOnDrawBackground) const override;
  void PaintProgressBlock(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ABlockRect,
                          const TcxViewStyleParams& AViewParams, bool ATransparent) const override;
  TRect GetProgressBlockMargins() const override;
  void PaintNavButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const override;
  void PaintSplitterEdge(TcxCanvas* ACanvas, const TRect& R, bool AHorizontal,
                         const TcxViewStyleParams& AViewParams) const override;
  void PaintSideButtonContent(TcxCanvas* ACanvas, const TRect& R, const TRect& AArrowRect, bool AFlag,
                              TcxButtonState AState) const override;
  void PaintProgressFrame(TcxCanvas* ACanvas, TRect& R) const override;
  void PaintGroupBoxFrame(TcxCanvas* ACanvas, const TRect& R, bool AEnabled,
                          TcxGroupBoxCaptionPosition ACaptionPosition, TcxBorders ABorders) const override;
  TColor GetGroupBoxCaptionTextColor(bool AEnabled, TcxGroupBoxCaptionPosition ACaptionPosition) const override;
  void PaintGroupBoxCaptionArea(TcxCanvas* ACanvas, TWinControl* AControl, const TRect& R, TColor AColor1,
                                TColor AColor2) const override;
  void CorrectTrackBarThumbRect(TcxCanvas* ACanvas, TRect& R, bool AHorizontal,
                                TcxTrackBarTicksAlign ATicks) const override;
  void DrawTrackBarTrack(TcxCanvas* ACanvas, const TRect& R, const TRect& ASelection, bool AShowSelection,
                         bool AEnabled, bool AHorizontal, TColor AColor) const override;
  void DrawTrackBarThumb(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, bool AHorizontal,
                         TcxTrackBarTicksAlign ATicks, TColor AColor) const override;
  int GetTrackBarTrackSize(bool AHorizontal) const override;
  void PaintSplitter(TcxCanvas* ACanvas, const TRect& R, bool AHighlighted, bool AClicked,
                     bool AHorizontal) const override;

 protected:
  TcxWinXPLookAndFeelPainter() = default;
};

// --- Part and state numbers ---------------------------------------------------------------
// The themed states of the toolkit's button states (uxtheme's numbers).
int ThemePushButtonState(TcxButtonState AState);
int ThemeSimpleState(TcxButtonState AState);
int ThemeScrollArrowState(TcxArrowDirection ADirection, TcxButtonState AState);
int ThemeCheckState(TcxButtonState AState, bool AChecked);
int ThemeHeaderState(TcxButtonState AState);
int ThemeScrollBarState(TcxButtonState AState);
int ThemeTrackBarThumbState(TcxButtonState AState);
int ThemeNavButtonState(TcxButtonState AState);
// The track-bar thumb part for the tick position.
int ThemeTrackBarThumbPart(bool AHorizontal, TcxTrackBarTicksAlign ATicks);
