// The painters every toolkit control draws through: TcxCustomLookAndFeelPainter
// declares the whole interface, each operation once, with a default for each;
// the standard (three-dimensional) and flat looks override parts of it. A
// painter is a stateless class with one instance for the life of the process;
// a painter class reference is a pointer to that instance. Every operation is
// a const virtual and painters call each other through `this`, so a look that
// overrides one primitive changes every composite built on it.
//
// The unit also holds what several painters draw from (the row-marker images,
// the scroll-bar pattern bitmaps, the check-glyph size and the radio-button
// image list) and the registry in which skin painters are filed by name.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "Controls.h"
#include "DateTime.h"
#include "Graphics.h"
#include "ImgList.h"
#include "StdCtrls.h"
#include "Units.h"
#include "cxGraphics_win.h"
#include "cxLookAndFeelPainters.h"

class TcxCustomLookAndFeelPainter;
// A painter class reference: the painter's one instance.
using TcxCustomLookAndFeelPainterClass = const TcxCustomLookAndFeelPainter*;

// Asked before a cell's background is filled; true when it painted it itself.
using TcxDrawBackgroundEvent = TMethod<bool(TcxCanvas* ACanvas, const TRect& ABounds)>;

class TcxCustomLookAndFeelPainter : public TObject {
  VAMIRE_CLASS(TcxCustomLookAndFeelPainter, TObject)
 public:
  static TcxCustomLookAndFeelPainterClass Instance();

  // --- General ----------------------------------------------------------------------------
  // $CC6600 from Windows 6 on, else clHighlightText.
  virtual TColor DefaultColor00() const;
  // Not transparent: R filled with AColor; transparent: tiled with ABitmap, or nothing without one.
  virtual void PaintBackground(TcxCanvas* ACanvas, const TRect& R, bool ATransparent, TColor AColor,
                               TBitmap* ABitmap) const;
  virtual void PaintDownTriangle(TcxCanvas* ACanvas, const TRect& R, TColor AColor) const;
  // A header or footer cell's fill (unless AOnDrawBackground painted it) and
  // text. A flat cell (a footer's) has no shading.
  virtual void PaintContent(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                            TcxButtonState AState, TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
                            bool AMultiLine, bool AShowEndEllipsis, const String& AText, TFont* AFont,
                            TColor ATextColor, TColor ABkColor, TcxDrawBackgroundEvent AOnDrawBackground,
                            bool AIsFlat) const;
  // A footer panel: a band of GetBandSize at the top, the rest by PaintPanelEdge.
  virtual void PaintBandedPanel(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders) const;
  // A navigation button's face with its arrow in AArrowRect; AFlag puts the
  // open side on the left (the arrow points right).
  virtual void PaintSideButtonContent(TcxCanvas* ACanvas, const TRect& R, const TRect& AArrowRect, bool AFlag,
                                      TcxButtonState AState) const;
  virtual TRect GetInnerRect(const TRect& R) const;
  virtual TRect GetInnerRectInset(const TRect& R) const;
  // A band AThickness wide running across R: a vertical band centred
  // horizontally when AVertical, else a horizontal one centred vertically.
  virtual TRect CenterBandInRect(const TRect& R, int AThickness, bool AVertical) const;
  virtual TcxLookAndFeelStyle GetPainterStyle() const;
  // Whether controls take their colours from the system's visual style through this painter.
  virtual bool IsThemeColorSource() const;

  // --- Default colours --------------------------------------------------------------------
  virtual TColor DefaultColor01() const;
  virtual TColor DefaultColor02() const;
  virtual TColor DefaultColor03() const;
  virtual TColor DefaultColor04() const;
  // Of an editor: ADisabled selects the disabled state.
  virtual TColor GetEditorBackgroundColor(bool ADisabled) const;
  // clDefault: the control takes its own.
  virtual TColor GetEditorBackgroundColorForState(TcxEditStateColorKind AState) const;
  virtual TColor GetEditorTextColor(bool ADisabled) const;
  virtual TColor GetEditorTextColorForState(TcxEditStateColorKind AState) const;
  virtual TColor DefaultColor09() const;
  virtual TColor DefaultColor10() const;
  virtual TColor DefaultColor11() const;
  virtual TColor DefaultColor12() const;
  virtual TColor DefaultColor13() const;
  virtual TColor DefaultColor14() const;
  virtual TColor DefaultColor15() const;
  virtual TColor DefaultColor16() const;
  virtual TColor DefaultColor17() const;
  virtual TColor DefaultColor18() const;
  virtual TColor DefaultColor19() const;
  virtual TColor DefaultColor20() const;
  virtual TColor DefaultColor21() const;
  virtual TColor DefaultColor22() const;
  virtual TColor DefaultColor23() const;
  virtual TColor DefaultColor24() const;
  virtual TColor DefaultColor25() const;
  virtual TColor DefaultColor26() const;
  virtual TColor DefaultColor27() const;
  virtual TColor DefaultColor28() const;
  // The square between two scroll bars.
  virtual TColor GetScrollBarsCornerColor() const;
  virtual TColor DefaultColor30() const;
  virtual TColor DefaultColor31() const;
  virtual TColor DefaultColor32() const;
  virtual TColor DefaultColor33() const;
  virtual TColor DefaultColor34() const;
  virtual TColor DefaultColor35() const;
  virtual TColor DefaultColor36() const;
  virtual TColor DefaultColor37() const;
  virtual TColor DefaultColor38(bool AFlag) const;
  virtual TColor DefaultColor39() const;
  virtual TColor DefaultColor40() const;
  virtual TColor DefaultColor41() const;
  virtual TColor DefaultColor42() const;
  virtual TColor DefaultColor43() const;
  virtual TColor DefaultColor44() const;
  virtual TColor DefaultColor45() const;
  virtual TColor DefaultColor46() const;
  virtual TColor DefaultColor47() const;
  virtual TColor DefaultColor48() const;
  virtual TColor DefaultColor49() const;
  virtual TColor DefaultColor50() const;
  virtual TColor DefaultColor51() const;
  virtual TColor DefaultColor52() const;
  virtual TColor DefaultColor53() const;
  virtual TColor DefaultColor54() const;
  virtual TColor DefaultColor55() const;
  virtual TColor DefaultColor56() const;
  virtual TColor DefaultColor57() const;
  virtual TColor DefaultColor58() const;
  virtual TColor DefaultColor59() const;
  virtual TColor DefaultColor60() const;
  virtual TColor DefaultColor61() const;
  virtual TColor DefaultColor62() const;
  virtual TColor DefaultColor63() const;
  virtual TColor DefaultColor64() const;
  virtual TColor DefaultColor65() const;
  virtual TColor DefaultColor66() const;
  virtual TColor DefaultColor67() const;
  virtual TColor DefaultColor68() const;
  virtual TColor DefaultColor69() const;
  virtual TColor DefaultColor70() const;
  virtual TColor DefaultColor71() const;
  virtual TColor DefaultColor72() const;
  virtual TColor DefaultColor73() const;
  virtual TColor DefaultColor74() const;
  virtual TColor DefaultColor75() const;
  virtual TColor DefaultColor76() const;
  virtual TColor DefaultColor77() const;
  virtual TColor DefaultColor78() const;
  virtual TColor DefaultColor79() const;

  // --- Arrows and borders -----------------------------------------------------------------
  // A filled arrow of derived size in R made square first.
  virtual void PaintArrow(TcxCanvas* ACanvas, const TRect& R, TcxArrowDirection ADirection, TColor AColor) const;
  // The button face (ADrawFace) or a plain fill, then the arrow in the glyph colour.
  virtual void PaintArrowButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                TcxArrowDirection ADirection, bool ADrawFace) const;
  virtual void PaintButtonFace(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const;
  // The arrow of a state: moved when pressed, embossed when disabled.
  virtual void PaintStateArrow(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                               TcxArrowDirection ADirection) const;
  // The width of the border PaintControlBorder draws.
  virtual int GetBorderWidth() const;
  virtual void PaintControlBorder(TcxCanvas* ACanvas, const TRect& R) const;
  // An etched separator line across R.
  virtual void PaintBorderEdges(TcxCanvas* ACanvas, const TRect& R, bool AVertical) const;

  // --- Buttons and expand buttons ---------------------------------------------------------
  // Where button AIndex of ACount in a button group draws, given its place R.
  virtual TRect GetGroupButtonRect(const TRect& R, int ACount, int AIndex) const;
  virtual int GetButtonBorderWidth(TcxButtonState AState) const;
  virtual TColor GetButtonFaceColor(TcxButtonState AState) const;
  virtual TRect GetButtonFocusBounds(TcxCanvas* ACanvas, const TRect& R) const;
  // Left, top, right and bottom border widths of button AIndex of ACount.
  virtual TRect GetButtonGroupBorderWidths(int ACount, int AIndex) const;
  virtual int GetButtonCaptionOffset() const;
  // How far the content of a pressed button moves right and down.
  virtual int GetPressedShift() const;
  // The caption and symbol colour; ADefaultColor clDefault means the painter's own.
  virtual TColor GetButtonGlyphColor(TcxButtonState AState, TColor ADefaultColor) const;
  virtual TcxButtonState GetButtonGlyphState(TcxButtonState AState) const;
  // A whole button: edge (ADrawBorder), face in AFaceColor, caption in
  // ATextColor (clDefault: the painter's colours of the state). A tool
  // button differs only where the system's visual style draws it.
  virtual void PaintButtonCell(TcxCanvas* ACanvas, const TRect& R, const String& ACaption, TcxButtonState AState,
                               bool ADrawBorder, TColor AFaceColor, TColor ATextColor, bool AWordWrap,
                               bool AIsToolButton) const;
  virtual void PaintGroupButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, int ACount, int AIndex,
                                TColor AColor) const;
  virtual void PaintButtonEdge(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const;
  virtual void PaintButtonEdgeEx(TcxCanvas* ACanvas, const TRect& R, bool ADark, bool AHighlighted) const;
  // The plus or minus box of a tree; AColor clDefault fills with clBtnFace.
  virtual void PaintTreeButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor AColor) const;
  // The chevron button drawn turned by ARotation.
  virtual void PaintRotatedChevronButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, bool AExpanded,
                                         TcxBitmapRotation ARotation) const;
  virtual bool IsTreeButtonFirst() const;
  // A button with a double chevron pointing up when expanded.
  virtual void PaintChevronButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TcxButtonState AState) const;
  // A framed plus or minus box; AColor fills it unless clNone (clDefault: clWindow).
  virtual void PaintPlusMinusBox(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor AColor) const;
  virtual int GetTreeButtonSize() const;
  virtual int GetChevronButtonSize() const;
  // Also decides whether buttons show the hot state under the mouse.
  virtual bool HasHotScrollBarParts() const;
  virtual bool IsPointOverChevronButton(const TPoint& P, const TRect& R) const;
  virtual int GetPlusMinusBoxSize() const;

  // --- Check boxes, radio buttons and label lines -----------------------------------------
  virtual int GetCheckFrameWidth() const;
  virtual TColor GetCheckFaceColor(TcxButtonState AState) const;
  virtual TSize GetCheckGlyphSize() const;
  // The fill (while the canvas brush is solid) and, when checked, the mark in AColor.
  virtual void PaintCheckGlyph(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, bool AChecked,
                               TColor AColor) const;
  virtual void PaintCheckFrame(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const;
  virtual void PaintCheckState(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, bool AChecked) const;
  virtual void PaintCheckBox(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                             TcxCheckBoxState ACheckState) const;
  // The radio glyph with its top-left corner at X, Y; ABackColor clDefault
  // draws it straight over what is there.
  virtual void DrawRadioButton(TcxCanvas* ACanvas, int X, int Y, TcxButtonState AState, bool AChecked,
                               bool AFocused, TColor ABackColor, bool AIsDesigning) const;
  virtual TSize GetRadioGlyphSize() const;
  // Outer colour on the top (left), inner on the bottom (right); clDefault
  // gives clBtnShadow outer and clBtnHighlight inner.
  virtual void PaintLabelLine(TcxCanvas* ACanvas, const TRect& R, TColor AOuterColor, TColor AInnerColor,
                              bool AVertical) const;
  virtual int GetLabelLineThickness() const;

  // --- Header cells -----------------------------------------------------------------------
  // A header cell; ANeighbors are the sides that touch another cell, AIsSpecial
  // a header of another sort (a band or a group) where a skin tells them apart.
  virtual void PaintHeader(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                           TcxNeighbors ANeighbors, TcxBorders ABorders, TcxButtonState AState,
                           TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert, bool AMultiLine,
                           bool AShowEndEllipsis, const String& AText, TFont* AFont, TColor ATextColor,
                           TColor ABkColor, TcxDrawBackgroundEvent AOnDrawBackground, bool AIsSpecial) const;
  virtual void PaintHeaderPlain(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                                TcxNeighbors ANeighbors, TcxBorders ABorders, TcxButtonState AState,
                                TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert, bool AMultiLine,
                                bool AShowEndEllipsis, const String& AText, TFont* AFont, TColor ATextColor,
                                TColor ABkColor) const;
  virtual void PaintHeaderEdge(TcxCanvas* ACanvas, const TRect& R, TcxNeighbors ANeighbors,
                               TcxBorders ABorders) const;
  virtual void InvertHeader(TcxCanvas* ACanvas, const TRect& R) const;
  // One section of a header control.
  virtual void PaintHeaderPart(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText,
                               TAlignment AAlignment, TcxButtonState AState, TcxBorders ABorders, TFont* AFont,
                               TColor AColor) const;
  virtual void PaintHeaderPartEdge(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                   TcxBorders ABorders) const;
  virtual void PaintHeaderPartContent(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText,
                                      TAlignment AAlignment, TcxButtonState AState, TFont* AFont,
                                      TColor AColor) const;
  virtual void PaintHeaderPartText(TcxCanvas* ACanvas, const TRect& ATextRect, const String& AText,
                                   TAlignment AAlignment, TcxButtonState AState, TFont* AFont) const;
  // The strips of AIndentSize at both ends take the view's fill, the rest AColor.
  virtual void PaintIndentedSeparator(TcxCanvas* ACanvas, const TRect& ABounds, int AIndentSize, TColor AColor,
                                      const TcxViewStyleParams& AViewParams) const;
  virtual void PaintSortGlyph(TcxCanvas* ACanvas, const TRect& R, bool AAscending) const;
  virtual TcxBorders GetHeaderEdges(TcxNeighbors ANeighbors) const;
  virtual int GetHeaderEdgeWidth() const;
  virtual TRect GetHeaderOuterRect(const TRect& R, TcxNeighbors ANeighbors) const;
  virtual TRect GetHeaderInnerRect(const TRect& R, TcxBorders ABorders) const;
  virtual bool IsSortGlyphRight() const;
  virtual int CalcHeaderHeight(int AFontHeight) const;
  virtual int GetHeaderPartEdgeWidth(TcxButtonState AState) const;
  virtual TRect GetHeaderPartTextRect(const TRect& ABounds, TcxButtonState AState) const;
  virtual TRect GetHeaderPartInnerRect(const TRect& ABounds, TcxButtonState AState) const;
  // The width a header cell needs for AText in AFont.
  virtual int CalcHeaderWidth(TcxCanvas* ACanvas, const String& AText, TFont* AFont) const;
  virtual bool IsHeaderHot() const;
  virtual TSize GetHeaderGlyphAreaSize() const;
  virtual TSize GetSortGlyphSize() const;

  // --- Cells, panels, small buttons and popups --------------------------------------------
  virtual void PaintBackgroundAlt(TcxCanvas* ACanvas, const TRect& R, bool ATransparent, TColor AColor,
                                  TBitmap* ABitmap) const;
  // clWindow for an active panel, else the Office panel colour.
  virtual TColor GetPanelColorFor(bool AFlag) const;
  virtual TColor GetOfficePanelColor() const;
  virtual TColor GetOfficePanelTextColor() const;
  virtual bool IsSortGlyphRightAlt() const;
  virtual TColor GetCellEdgeColor() const;
  virtual TColor GetCellColor() const;
  virtual void PaintCellBackground(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders,
                                   TcxButtonState AState) const;
  virtual void PaintFramedCell(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders, TcxButtonState AState) const;
  virtual void PaintCellFrame(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders, TcxButtonState AState) const;
  virtual void PaintFramedPanel(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders,
                                TcxButtonState AState) const;
  virtual void PaintPanelChevron(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TcxButtonState AState) const;
  // Paddings (kinds 0 to 5) a painter prescribes; empty by default.
  virtual TRect GetPanelFrameRect(int AKind) const;
  virtual TRect GetCellFrameRect(int AKind) const;
  virtual TcxBorders GetPanelEdges() const;
  virtual int GetPanelEdgeWidth() const;
  virtual int GetCellEdgeWidth() const;
  virtual int GetCellOffset() const;
  virtual bool IsCellsFirst() const;
  virtual TColor GetBandColor() const;
  virtual int GetBandSize() const;
  // A footer cell: separator, then content.
  virtual void PaintCellSection(TcxCanvas* ACanvas, const TRect& ABounds, TAlignment AAlignment, bool AMultiLine,
                                const String& AText, const TcxViewStyleParams& AViewParams) const;
  virtual void PaintCellSectionContent(TcxCanvas* ACanvas, const TRect& ABounds, TAlignment AAlignment,
                                       bool AMultiLine, const String& AText,
                                       const TcxViewStyleParams& AViewParams) const;
  virtual void PaintPanelEdge(TcxCanvas* ACanvas, const TRect& R) const;
  virtual void PaintCellSeparator(TcxCanvas* ACanvas, const TRect& R) const;
  virtual void PaintViewBackground(TcxCanvas* ACanvas, const TRect& R, const TcxViewStyleParams& AViewParams) const;
  virtual void PaintBand(TcxCanvas* ACanvas, const TRect& R) const;
  virtual void PaintCheckStateAlt(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, bool AChecked) const;
  // A close button: edge, face and a diagonal cross.
  virtual void PaintCrossButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const;
  // A filter drop-down button; AActive draws its triangle in blue.
  virtual void PaintDropButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, bool AActive) const;
  virtual void PaintBackgroundAlt2(TcxCanvas* ACanvas, const TRect& R, bool ATransparent, TColor AColor,
                                   TBitmap* ABitmap) const;
  virtual TSize GetSmallButtonSize() const;
  virtual TSize GetCrossButtonSize() const;
  virtual TSize GetDropButtonSize() const;
  virtual void FillPopupClientArea(TcxCanvas* ACanvas, const TRect& R) const;
  virtual TcxEditPopupBorderStyle GetPopupFrameStyle() const;

  // --- Tabs and row markers ---------------------------------------------------------------
  // A tab; the pressed state is the selected tab.
  virtual void PaintTabItem(TcxCanvas* ACanvas, const TRect& R, const String& AText, TFont* AFont,
                            TcxButtonState AState, TcxBorders ABorders, bool AVertical) const;
  virtual void PaintTabItemEdge(TcxCanvas* ACanvas, const TRect& R, TcxBorder ASide, TcxBorders ABorders,
                                bool AVertical) const;
  virtual void PaintTabRow(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders, bool AVertical) const;
  virtual bool CanPaintTabs() const;
  virtual bool IsTabHot() const;
  virtual int GetTabEdgeWidth() const;
  virtual void PaintLinesMark(TcxCanvas* ACanvas, const TRect& R, TColor AColor) const;
  // The marker image centred in R.
  virtual void PaintRowMarkerImage(TcxCanvas* ACanvas, const TRect& R, TcxRowMarkerKind AKind) const;
  virtual void PaintRowMarkerCell(TcxCanvas* ACanvas, const TRect& R, TcxNeighbors ANeighbors, TcxBorders ABorders,
                                  TcxRowMarkerKind AKind, TColor ABkColor,
                                  TcxDrawBackgroundEvent AOnDrawBackground) const;
  virtual void PaintRowMarkerCellPlain(TcxCanvas* ACanvas, const TRect& R, TcxNeighbors ANeighbors,
                                       TcxBorders ABorders, TcxRowMarkerKind AKind, TColor ABkColor) const;
  virtual bool IsRowMarkerHot() const;

  // --- Scroll bars, size grip and arrow headers -------------------------------------------
  // The scroll bar passes true for a vertical bar.
  virtual int GetMinScrollBarThumbSize(bool AVertical) const;
  virtual void DrawScrollBarBackground(TcxCanvas* ACanvas, const TRect& R, bool AHorizontal) const;
  virtual void PaintScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, const TRect& R, TcxScrollBarPart APart,
                                  TcxButtonState AState) const;
  // The corner between a vertical and a horizontal scroll bar.
  virtual TSize GetScrollBarCornerSize() const;
  virtual void PaintSizeGrip(TcxCanvas* ACanvas, const TRect& R) const;
  // The grip turned for ACorner, over ABackColor (clNone: over what is there).
  virtual void PaintSizeGripAt(TcxCanvas* ACanvas, const TRect& R, TColor ABackColor, TcxCorner ACorner) const;
  // The size of a tab's close button (the scroll bars' corner is GetScrollBarCornerSize).
  virtual TSize GetSizeGripSize() const;
  virtual void PaintCrossButtonAlt(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const;
  // Lays out a navigation button with its arrow and (rotated) text.
  virtual void CalcSideButtonRects(bool AFlag, bool ANoText, const TSize& ATextSize1, const TSize& ATextSize2,
                                   TRect& AButtonRect, TRect& ATextRect, TRect& AArrowRect) const;

  // --- Side buttons, progress blocks and clock --------------------------------------------
  // A month header of a calendar: the cell, its text and the two arrows.
  virtual void PaintArrowHeader(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText,
                                TcxNeighbors ANeighbors, const TcxViewStyleParams& AViewParams,
                                TcxDrawBackgroundEvent AOnDrawBackground) const;
  virtual void PaintArrowHeaderEdge(TcxCanvas* ACanvas, const TRect& R) const;
  virtual void PaintProgressBlock(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ABlockRect,
                                  const TcxViewStyleParams& AViewParams, bool ATransparent) const;
  // A navigation button with its text turned a quarter.
  virtual void PaintSideButton(TcxCanvas* ACanvas, const TRect& R, const TRect& ATextRect, const TRect& AArrowRect,
                               bool AFlag, TcxButtonState AState, const String& AText, TFont* AFont) const;
  // An arrow of two-pixel bars pointing right (AFlag) or left.
  virtual void PaintSideArrow(TcxCanvas* ACanvas, const TRect& R, bool AFlag, TColor AColor) const;
  virtual void PaintNavButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const;
  virtual void PaintSplitterEdge(TcxCanvas* ACanvas, const TRect& R, bool AHorizontal,
                                 const TcxViewStyleParams& AViewParams) const;
  virtual TRect GetProgressBlockMargins() const;
  virtual TColor GetSideButtonTextColor(bool AFlag, TcxButtonState AState, TColor ADefaultColor) const;
  virtual void GetSideButtonSizes(bool AFlag, TRect& ABorders, TSize& AArrowSize, bool& AHasTextArea) const;
  virtual int GetBoxEdgeWidth() const;
  virtual void PaintClockFace(TcxCanvas* ACanvas, const TRect& R, TDateTime ATime, TColor AColor) const;

  // --- Editor buttons and progress bars ---------------------------------------------------
  virtual void PaintEditButton(TcxCanvas* ACanvas, const TRect& R, TcxEditBtnKind AButtonKind,
                               TcxButtonState AState, TcxEditBtnPosition APosition) const;
  virtual int GetEditButtonCaptionOffset() const;
  // (0, 0): the painter prescribes no size.
  virtual TSize GetFixedEditButtonSize() const;
  virtual TColor GetEditButtonCaptionColor(TcxButtonState AState) const;
  // The border of editors and containers; clDefault: the control's own.
  virtual TColor GetEditBorderColor(bool AHighlighted) const;
  // Draws the frame and leaves R as the area inside it.
  virtual void PaintProgressFrame(TcxCanvas* ACanvas, TRect& R) const;
  // A navigator glyph: image AGlyphIndex of AImages.
  virtual void PaintProgressImage(TcxCanvas* ACanvas, TCustomImageList* AImages, bool AUseImageList, bool AEnabled,
                                  const TRect& R, int AGlyphIndex) const;
  virtual TSize GetProgressImageSize() const;
  virtual void PaintProgressChunk(TcxCanvas* ACanvas, const TRect& R, bool AVertical) const;
  virtual void PaintProgressFill(TcxCanvas* ACanvas, const TRect& R, bool AVertical) const;
  // Text over a progress bar, in the other colour over the filled part.
  virtual void PaintProgressText(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& AFilledRect,
                                 const String& AText, bool ARotated) const;
  // The border widths of a progress bar (left, top, right, bottom).
  virtual TRect GetProgressFrameRect(bool AVertical) const;
  virtual TColor GetProgressTextColor() const;
  virtual TColor GetProgressTextColorFor(bool AFilled) const;

  // --- Group boxes ------------------------------------------------------------------------
  virtual void DrawGroupBoxBackground(TcxCanvas* ACanvas, const TRect& R, const TRect& AClipRect) const;
  virtual void DrawGroupBoxCaption(TcxCanvas* ACanvas, const TRect& R,
                                   TcxGroupBoxCaptionPosition ACaptionPosition) const;
  virtual void DrawGroupBoxContent(TcxCanvas* ACanvas, const TRect& R, TcxGroupBoxCaptionPosition ACaptionPosition,
                                   TcxBorders ABorders) const;
  virtual void PaintGroupBoxChevron(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, bool AExpanded,
                                    TcxBitmapRotation ARotation) const;
  virtual void PaintGroupBoxFrame(TcxCanvas* ACanvas, const TRect& R, bool AEnabled,
                                  TcxGroupBoxCaptionPosition ACaptionPosition, TcxBorders ABorders) const;
  // The extents of the caption part (AIsCaption) or of the framed content part.
  virtual TRect GetGroupBoxFrameExtents(bool AIsCaption, TcxGroupBoxCaptionPosition ACaptionPosition) const;
  virtual TColor GetGroupBoxCaptionTextColor(bool AEnabled, TcxGroupBoxCaptionPosition ACaptionPosition) const;
  virtual bool IsGroupBoxPartTransparent(bool AIsCaption, TcxGroupBoxCaptionPosition ACaptionPosition) const;
  // A panel's background: AColor1 clDefault paints what lies behind the control.
  virtual void PaintGroupBoxCaptionArea(TcxCanvas* ACanvas, TWinControl* AControl, const TRect& R, TColor AColor1,
                                        TColor AColor2) const;
  virtual void PaintGroupBoxPanelBorder(TcxCanvas* ACanvas, const TRect& R) const;
  virtual void PaintGroupBoxCaptionAlt(TcxCanvas* ACanvas, const TRect& R,
                                       TcxGroupBoxCaptionPosition ACaptionPosition) const;
  virtual void DrawGroupBoxPanelStyle(TcxCanvas* ACanvas, const TRect& R, bool ABordered) const;
  virtual TRect GetGroupBoxPanelBorderExtents() const;
  virtual TColor GetGroupBoxPanelTextColor() const;

  // --- Track bars -------------------------------------------------------------------------
  // Fits the thumb rectangle to what the painter draws.
  virtual void CorrectTrackBarThumbRect(TcxCanvas* ACanvas, TRect& R, bool AHorizontal,
                                        TcxTrackBarTicksAlign ATicks) const;
  virtual void DrawTrackBarTrack(TcxCanvas* ACanvas, const TRect& R, const TRect& ASelection, bool AShowSelection,
                                 bool AEnabled, bool AHorizontal, TColor AColor) const;
  virtual void PaintTrackEdge(TcxCanvas* ACanvas, const TRect& R) const;
  virtual void DrawTrackBarThumb(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, bool AHorizontal,
                                 TcxTrackBarTicksAlign ATicks, TColor AColor) const;
  virtual void PaintThumbEdge(TcxCanvas* ACanvas, const std::vector<TPoint>& ALightLine,
                              const std::vector<TPoint>& AInnerShadowLine,
                              const std::vector<TPoint>& AOuterShadowLine) const;
  virtual void PaintThumbRectEdge(TcxCanvas* ACanvas, const TRect& R) const;
  virtual TSize GetTrackBarThumbSize(bool AHorizontal) const;
  // The track's thickness across it; 0: the control's own TrackSize.
  virtual int GetTrackBarTrackSize(bool AHorizontal) const;
  // Of tick labels (AForText) or tick marks; clDefault: the control's own.
  virtual TColor GetTrackBarTickColor(bool AForText) const;

  // --- Splitters and pages ----------------------------------------------------------------
  virtual int GetSplitterHighlightWidth() const;
  virtual TColor GetSplitterInnerColor(bool AHighlighted) const;
  virtual TColor GetSplitterLineColor(bool AHighlighted) const;
  // AClicked is passed for painters that show a pressed splitter; these do not.
  virtual void PaintSplitter(TcxCanvas* ACanvas, const TRect& R, bool AHighlighted, bool AClicked,
                             bool AHorizontal) const;
  virtual TSize GetSplitterGripSize(bool AHorizontal) const;
  virtual TColor GetPageAreaColor() const;
  virtual void PaintPageArea(TcxCanvas* ACanvas, const TRect& R) const;
  virtual TRect GetPageMargins() const;
  virtual void PaintPageAreaDark(TcxCanvas* ACanvas, const TRect& R) const;
  virtual void PaintPage(TcxCanvas* ACanvas, const TRect& R, const TRect& AInnerRect, bool ASelected,
                         bool AFillInner) const;
  // The text colour of calculator button AIndex.
  virtual TColor GetPageColor(int AIndex) const;
  virtual TColor GetPageFrameColor() const;

 protected:
  TcxCustomLookAndFeelPainter() = default;
};

// The classic three-dimensional look.
class TcxStandardLookAndFeelPainter : public TcxCustomLookAndFeelPainter {
  VAMIRE_CLASS(TcxStandardLookAndFeelPainter, TcxCustomLookAndFeelPainter)
 public:
  static TcxCustomLookAndFeelPainterClass Instance();

  TcxLookAndFeelStyle GetPainterStyle() const override;
  TColor DefaultColor55() const override;
  int GetBorderWidth() const override;
  void PaintControlBorder(TcxCanvas* ACanvas, const TRect& R) const override;
  void PaintBorderEdges(TcxCanvas* ACanvas, const TRect& R, bool AVertical) const override;
  int GetButtonBorderWidth(TcxButtonState AState) const override;
  int GetButtonCaptionOffset() const override;
  int GetPressedShift() const override;
  void PaintButtonEdge(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const override;
  void PaintTreeButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor AColor) const override;
  void PaintChevronButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TcxButtonState AState) const override;
  int GetTreeButtonSize() const override;
  bool HasHotScrollBarParts() const override;
  void PaintCheckFrame(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const override;
  void PaintHeaderEdge(TcxCanvas* ACanvas, const TRect& R, TcxNeighbors ANeighbors,
                       TcxBorders ABorders) const override;
  void PaintHeaderPartEdge(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                           TcxBorders ABorders) const override;
  void PaintSortGlyph(TcxCanvas* ACanvas, const TRect& R, bool AAscending) const override;
  int GetHeaderEdgeWidth() const override;
  int GetHeaderPartEdgeWidth(TcxButtonState AState) const override;
  TSize GetSortGlyphSize() const override;
  int GetPanelEdgeWidth() const override;
  int GetCellEdgeWidth() const override;
  int GetCellOffset() const override;
  void PaintPanelEdge(TcxCanvas* ACanvas, const TRect& R) const override;
  void PaintCellSeparator(TcxCanvas* ACanvas, const TRect& R) const override;
  void PaintDropButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, bool AActive) const override;
  void PaintTabItemEdge(TcxCanvas* ACanvas, const TRect& R, TcxBorder ASide, TcxBorders ABorders,
                        bool AVertical) const override;
  void PaintTabRow(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders, bool AVertical) const override;
  int GetTabEdgeWidth() const override;
  void PaintScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, const TRect& R, TcxScrollBarPart APart,
                          TcxButtonState AState) const override;
  void PaintArrowHeader(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText, TcxNeighbors ANeighbors,
                        const TcxViewStyleParams& AViewParams,
                        TcxDrawBackgroundEvent AOnDrawBackground) const override;
  void PaintSplitterEdge(TcxCanvas* ACanvas, const TRect& R, bool AHorizontal,
                         const TcxViewStyleParams& AViewParams) const override;
  void PaintGroupBoxFrame(TcxCanvas* ACanvas, const TRect& R, bool AEnabled,
                          TcxGroupBoxCaptionPosition ACaptionPosition, TcxBorders ABorders) const override;
  void PaintTrackEdge(TcxCanvas* ACanvas, const TRect& R) const override;
  void PaintThumbEdge(TcxCanvas* ACanvas, const std::vector<TPoint>& ALightLine,
                      const std::vector<TPoint>& AInnerShadowLine,
                      const std::vector<TPoint>& AOuterShadowLine) const override;
  void PaintThumbRectEdge(TcxCanvas* ACanvas, const TRect& R) const override;

 protected:
  TcxStandardLookAndFeelPainter() = default;
};

// The flat look: one-pixel edges.
class TcxFlatLookAndFeelPainter : public TcxCustomLookAndFeelPainter {
  VAMIRE_CLASS(TcxFlatLookAndFeelPainter, TcxCustomLookAndFeelPainter)
 public:
  static TcxCustomLookAndFeelPainterClass Instance();

  TcxLookAndFeelStyle GetPainterStyle() const override;
  int GetBorderWidth() const override;
  void PaintControlBorder(TcxCanvas* ACanvas, const TRect& R) const override;
  void PaintBorderEdges(TcxCanvas* ACanvas, const TRect& R, bool AVertical) const override;
  int GetButtonBorderWidth(TcxButtonState AState) const override;
  int GetButtonCaptionOffset() const override;
  int GetPressedShift() const override;
  void PaintButtonEdge(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const override;
  void PaintTreeButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor AColor) const override;
  int GetTreeButtonSize() const override;
  bool HasHotScrollBarParts() const override;
  void PaintCheckFrame(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const override;
  void PaintHeaderEdge(TcxCanvas* ACanvas, const TRect& R, TcxNeighbors ANeighbors,
                       TcxBorders ABorders) const override;
  void PaintHeaderPartEdge(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                           TcxBorders ABorders) const override;
  void PaintSortGlyph(TcxCanvas* ACanvas, const TRect& R, bool AAscending) const override;
  int GetHeaderEdgeWidth() const override;
  TSize GetSortGlyphSize() const override;
  int GetPanelEdgeWidth() const override;
  int GetCellEdgeWidth() const override;
  int GetCellOffset() const override;
  void PaintPanelEdge(TcxCanvas* ACanvas, const TRect& R) const override;
  void PaintCellSeparator(TcxCanvas* ACanvas, const TRect& R) const override;
  void PaintDropButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, bool AActive) const override;
  void PaintTabItemEdge(TcxCanvas* ACanvas, const TRect& R, TcxBorder ASide, TcxBorders ABorders,
                        bool AVertical) const override;
  void PaintTabRow(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders, bool AVertical) const override;
  int GetTabEdgeWidth() const override;
  void PaintScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, const TRect& R, TcxScrollBarPart APart,
                          TcxButtonState AState) const override;
  void PaintSplitterEdge(TcxCanvas* ACanvas, const TRect& R, bool AHorizontal,
                         const TcxViewStyleParams& AViewParams) const override;
  void PaintGroupBoxFrame(TcxCanvas* ACanvas, const TRect& R, bool AEnabled,
                          TcxGroupBoxCaptionPosition ACaptionPosition, TcxBorders ABorders) const override;
  void PaintTrackEdge(TcxCanvas* ACanvas, const TRect& R) const override;
  void PaintThumbEdge(TcxCanvas* ACanvas, const std::vector<TPoint>& ALightLine,
                      const std::vector<TPoint>& AInnerShadowLine,
                      const std::vector<TPoint>& AOuterShadowLine) const override;
  void PaintThumbRectEdge(TcxCanvas* ACanvas, const TRect& R) const override;
  void PaintProgressFrame(TcxCanvas* ACanvas, TRect& R) const override;
  TColor GetSplitterLineColor(bool AHighlighted) const override;

 protected:
  TcxFlatLookAndFeelPainter() = default;
};

// --- Routines shared by the painters ----------------------------------------------------------
// The sort mark of the standard, flat, ultra-flat and Office11 looks, sized by
// APainter's GetSortGlyphSize.
void DrawSortTriangle(TcxCustomLookAndFeelPainterClass APainter, TcxCanvas* ACanvas, const TRect& R,
                      TColor ADarkColor, TColor ALightColor, bool AAscending);
// One cell of the system check-box bitmap, measured when the unit starts.
TSize CheckGlyphSize();
// The row-marker images; nil outside the unit's life.
TcxImageList* RowMarkerImages();
// The checker bitmaps scroll-bar tracks are brushed with: clBtnHighlight over
// clBtnFace, or (APressed) cl3DDkShadow over black. Nil outside the unit's life.
TBitmap* ScrollBarPatternBitmap(bool APressed);
// Paints the pattern bitmaps again (making them when missing); the scroll
// bars call it when the theme or the system colours change.
void RefreshScrollBarPatternBitmaps();

// --- Radio-button images ----------------------------------------------------------------------
// The radio glyphs of the standard, flat, ultra-flat and Office11 looks,
// generated from the shape of the system's own glyph in every state.
class TcxRadioButtonImageList : public TObject {
  VAMIRE_CLASS(TcxRadioButtonImageList, TObject)
 public:
  // Measures the system glyph and builds the pattern; the images are made on first draw.
  TcxRadioButtonImageList();
  ~TcxRadioButtonImageList() override;

  // ABackColor clDefault draws the image straight onto the canvas; another
  // colour draws it over that colour through a glyph-sized bitmap.
  void DrawImage(TcxCanvas* ACanvas, int X, int Y, TColor ABackColor, TcxLookAndFeelKind AKind,
                 TcxButtonState AState, bool AChecked, bool AFirstFlag, bool ASecondFlag);
  TSize GetImageSize() const;
  // Empties the images, which are made again from the colours now in force.
  void Rebuild();

  const TcxRadioPattern& PixelPattern() const { return FPixelPattern; }
  TRect CircleBounds() const { return FCircleBounds; }
  TRect DotBounds() const { return FDotBounds; }
  // The list's position of the image with that key; the images are made first when missing.
  int ImageIndex(int AKey);
  TcxImageList* Images();

 private:
  void Prepare();
  std::unique_ptr<TcxImageList> FImages;
  std::unique_ptr<TBitmap> FCircleMask;
  TRect FCircleBounds;
  TRect FDotBounds;
  TcxRadioPattern FPixelPattern;
  std::vector<int> FIndexMap;
  // Glyphs already drawn over a background colour, by image key and colour:
  // a copy of one costs a fraction of drawing it from the list again.
  struct TComposed {
    int Key;
    TColor BackColor;
    std::unique_ptr<TcxBitmap> Bitmap;
  };
  std::vector<TComposed> FComposed;
};

// The shared radio-button image list, made on first use; nil once the unit has begun to end.
TcxRadioButtonImageList* GetRadioButtonImageList();

// --- Named painters ---------------------------------------------------------------------------
// Told when a named painter is registered or unregistered.
class IcxExtendedStylePaintersListener : public virtual IInterface {
  VAMIRE_INTERFACE(IcxExtendedStylePaintersListener, IInterface, "{9B2F64D1-3C7A-4E58-A0D2-6E1B7C94F3A8}")
 public:
  virtual void PainterChanged(TcxCustomLookAndFeelPainterClass APainter) = 0;
};

// One filed painter; owns the painter's information object.
class TcxExtendedStylePainterInfo : public TObject {
  VAMIRE_CLASS(TcxExtendedStylePainterInfo, TObject)
 public:
  TcxExtendedStylePainterInfo(const String& AName, TcxCustomLookAndFeelPainterClass APainter, TObject* AInfo);
  ~TcxExtendedStylePainterInfo() override;
  TObject* Info() const { return FInfo.get(); }
  const String& Name() const { return FName; }
  TcxCustomLookAndFeelPainterClass Painter() const { return FPainter; }

 private:
  std::unique_ptr<TObject> FInfo;
  String FName;
  TcxCustomLookAndFeelPainterClass FPainter;
};

// Skin painters filed by name: names are unique ignoring case and listed in
// the locale's case-sensitive order.
class TcxExtendedStylePainters : public TObject {
  VAMIRE_CLASS(TcxExtendedStylePainters, TObject)
 public:
  TcxExtendedStylePainters();
  ~TcxExtendedStylePainters() override;

  // False, with nothing changed and AInfo still the caller's, when the name is
  // filed already in any letter case. Otherwise the entry owns AInfo and every
  // listener hears of the painter.
  bool Register(const String& AName, TcxCustomLookAndFeelPainterClass APainter, TObject* AInfo);
  // The listeners hear of the painter before its entry and information go.
  bool Unregister(const String& AName);
  bool FindPainterByName(const String& AName, TcxCustomLookAndFeelPainterClass& APainter) const;
  bool GetNameByPainter(TcxCustomLookAndFeelPainterClass APainter, String& AName) const;
  bool GetInfoByPainter(TcxCustomLookAndFeelPainterClass APainter, TObject*& AInfo) const;
  int Count() const { return int(FPainters.size()); }
  const String& Names(int AIndex) const;
  TcxCustomLookAndFeelPainterClass Painters(int AIndex) const;

  // A listener already attached is not attached twice.
  void AttachListener(IcxExtendedStylePaintersListener* AListener);
  void DetachListener(IcxExtendedStylePaintersListener* AListener);

 private:
  int IndexOfName(const String& AName) const;
  // Last to first over a copy of the list; a listener detached meanwhile is skipped.
  void NotifyListeners(TcxCustomLookAndFeelPainterClass APainter);

  std::vector<std::unique_ptr<TcxExtendedStylePainterInfo>> FPainters;
  std::vector<IcxExtendedStylePaintersListener*> FListeners;
};

// The one registry; nil outside the unit's life.
TcxExtendedStylePainters* ExtendedStylePainterRegistry();

// Rebuilds the radio-button images when they exist; the system-palette
// notifier of the look-and-feel unit calls it on every system colour change.
void cxLookAndFeelPaintersPaletteChanged();

// Unit start: the registry, the row-marker images, the scroll-bar pattern
// bitmaps and the check-glyph size. End: all of these and the radio-button
// images are freed, the registry with every entry still filed.
void cxLookAndFeelPainters_Initialize();
void cxLookAndFeelPainters_Finalize();
extern const TUnitEntry cxLookAndFeelPaintersUnit;
