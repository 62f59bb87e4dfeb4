// The painter that draws toolkit controls from a skin. Every operation it
// overrides looks its element, colour or value up in the skin's lookup table
// (dxSkinInfo.h) and, when the slot is empty or there is no table, does what
// the Office11 painter does. One subclass per built-in skin stands for that
// skin in the registry of named painters; like every painter it is a
// stateless class with one instance that lives as long as the process.
#pragma once

#include "cxLookAndFeelPainters_ultraflat_win.h"
#include "dxSkinInfo.h"

class TdxSkinLookAndFeelPainter : public TcxOffice11LookAndFeelPainter {
  VAMIRE_CLASS(TdxSkinLookAndFeelPainter, TcxOffice11LookAndFeelPainter)
 public:
  static TcxCustomLookAndFeelPainterClass Instance();

  // The lookup table filed with this painter in the registry of named
  // painters; null when the painter is not (or no longer) filed there.
  virtual TdxSkinLookAndFeelPainterInfo* GetSkinInfo() const;
  // The unit that declares the painter class.
  virtual String GetSkinUnitName() const;

  // --- Colours ---
  TColor DefaultColor01() const override;
  TColor DefaultColor02() const override;
  TColor DefaultColor03() const override;
  TColor DefaultColor04() const override;
  TColor GetEditorBackgroundColorForState(TcxEditStateColorKind AState) const override;
  TColor GetEditorTextColorForState(TcxEditStateColorKind AState) const override;
  TColor DefaultColor10() const override;
  TColor DefaultColor11() const override;
  TColor DefaultColor12() const override;
  TColor DefaultColor14() const override;
  TColor DefaultColor15() const override;
  TColor DefaultColor17() const override;
  TColor DefaultColor18() const override;
  TColor DefaultColor19() const override;
  TColor DefaultColor20() const override;
  TColor DefaultColor21() const override;
  TColor DefaultColor22() const override;
  TColor DefaultColor23() const override;
  TColor DefaultColor24() const override;
  TColor DefaultColor27() const override;
  TColor DefaultColor28() const override;
  TColor GetScrollBarsCornerColor() const override;
  TColor DefaultColor30() const override;
  TColor DefaultColor31() const override;
  TColor DefaultColor32() const override;
  TColor DefaultColor33() const override;
  TColor DefaultColor34() const override;
  TColor DefaultColor35() const override;
  TColor DefaultColor37() const override;
  TColor DefaultColor38(bool AFlag) const override;
  TColor DefaultColor39() const override;
  TColor DefaultColor40() const override;
  TColor DefaultColor41() const override;
  TColor DefaultColor42() const override;
  TColor DefaultColor43() const override;
  TColor DefaultColor44() const override;
  TColor DefaultColor45() const override;
  TColor DefaultColor46() const override;
  TColor DefaultColor47() const override;
  TColor DefaultColor48() const override;
  TColor DefaultColor50() const override;
  TColor DefaultColor51() const override;
  TColor DefaultColor52() const override;
  TColor DefaultColor53() const override;
  TColor DefaultColor54() const override;
  TColor DefaultColor56() const override;
  TColor DefaultColor57() const override;
  TColor DefaultColor58() const override;
  TColor DefaultColor59() const override;
  TColor DefaultColor60() const override;
  TColor DefaultColor66() const override;
  TColor DefaultColor68() const override;
  TColor GetPanelColorFor(bool AFlag) const override;
  TColor GetOfficePanelColor() const override;
  TColor GetOfficePanelTextColor() const override;
  TColor GetCellEdgeColor() const override;
  TColor GetCellColor() const override;
  TColor GetEditBorderColor(bool AHighlighted) const override;
  TColor GetProgressTextColorFor(bool AFilled) const override;
  TColor GetGroupBoxCaptionTextColor(bool AEnabled, TcxGroupBoxCaptionPosition ACaptionPosition) const override;
  TColor GetGroupBoxPanelTextColor() const override;
  TColor GetPageAreaColor() const override;
  TColor GetPageColor(int AIndex) const override;
  TColor GetPageFrameColor() const override;
  void PaintPageArea(TcxCanvas* ACanvas, const TRect& R) const override;

  // --- Borders, content ---
  void PaintControlBorder(TcxCanvas* ACanvas, const TRect& R) const override;
  void PaintBorderEdges(TcxCanvas* ACanvas, const TRect& R, bool AVertical) const override;
  void PaintContent(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds, TcxButtonState AState,
                    TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert, bool AMultiLine,
                    bool AShowEndEllipsis, const String& AText, TFont* AFont, TColor ATextColor, TColor ABkColor,
                    TcxDrawBackgroundEvent AOnDrawBackground, bool AIsFlat) const override;

  // --- Buttons and expand buttons ---
  void PaintButtonCell(TcxCanvas* ACanvas, const TRect& R, const String& ACaption, TcxButtonState AState,
                       bool ADrawBorder, TColor AFaceColor, TColor ATextColor, bool AWordWrap,
                       bool AIsToolButton) const override;
  TColor GetButtonGlyphColor(TcxButtonState AState, TColor ADefaultColor) const override;
  int GetButtonBorderWidth(TcxButtonState AState) const override;
  TRect GetButtonGroupBorderWidths(int ACount, int AIndex) const override;
  void PaintGroupButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, int ACount, int AIndex,
                        TColor AColor) const override;
  void PaintButtonEdgeEx(TcxCanvas* ACanvas, const TRect& R, bool ADark, bool AHighlighted) const override;
  void PaintTreeButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor AColor) const override;
  void PaintPlusMinusBox(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor AColor) const override;
  void PaintRotatedChevronButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, bool AExpanded,
                                 TcxBitmapRotation ARotation) const override;
  int GetTreeButtonSize() const override;

  // --- Check boxes, radio buttons, label lines ---
  void PaintCheckBox(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                     TcxCheckBoxState ACheckState) const override;
  TSize GetCheckGlyphSize() const override;
  void DrawRadioButton(TcxCanvas* ACanvas, int X, int Y, TcxButtonState AState, bool AChecked, bool AFocused,
                       TColor ABackColor, bool AIsDesigning) const override;
  TSize GetRadioGlyphSize() const override;
  void PaintLabelLine(TcxCanvas* ACanvas, const TRect& R, TColor AOuterColor, TColor AInnerColor,
                      bool AVertical) const override;
  int GetLabelLineThickness() const override;

  // --- Scroll bars, size grip, splitters ---
  void PaintScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, const TRect& R, TcxScrollBarPart APart,
                          TcxButtonState AState) const override;
  void DrawScrollBarBackground(TcxCanvas* ACanvas, const TRect& R, bool AHorizontal) const override;
  int GetMinScrollBarThumbSize(bool AVertical) const override;
  TSize GetScrollBarCornerSize() const override;
  void PaintSizeGrip(TcxCanvas* ACanvas, const TRect& R) const override;
  void PaintSplitter(TcxCanvas* ACanvas, const TRect& R, bool AHighlighted, bool AClicked,
                     bool AHorizontal) const override;
  TSize GetSplitterGripSize(bool AHorizontal) const override;

  // --- Editor buttons ---
  void PaintEditButton(TcxCanvas* ACanvas, const TRect& R, TcxEditBtnKind AButtonKind, TcxButtonState AState,
                       TcxEditBtnPosition APosition) const override;
  int GetEditButtonCaptionOffset() const override;
  TSize GetFixedEditButtonSize() const override;
  TColor GetEditButtonCaptionColor(TcxButtonState AState) const override;

  // --- Group boxes ---
  void DrawGroupBoxBackground(TcxCanvas* ACanvas, const TRect& R, const TRect& AClipRect) const override;
  void DrawGroupBoxCaption(TcxCanvas* ACanvas, const TRect& R,
                           TcxGroupBoxCaptionPosition ACaptionPosition) const override;
  void DrawGroupBoxContent(TcxCanvas* ACanvas, const TRect& R, TcxGroupBoxCaptionPosition ACaptionPosition,
                           TcxBorders ABorders) const override;
  void PaintGroupBoxFrame(TcxCanvas* ACanvas, const TRect& R, bool AEnabled,
                          TcxGroupBoxCaptionPosition ACaptionPosition, TcxBorders ABorders) const override;
  TRect GetGroupBoxFrameExtents(bool AIsCaption, TcxGroupBoxCaptionPosition ACaptionPosition) const override;
  bool IsGroupBoxPartTransparent(bool AIsCaption, TcxGroupBoxCaptionPosition ACaptionPosition) const override;
  void PaintGroupBoxChevron(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, bool AExpanded,
                            TcxBitmapRotation ARotation) const override;
  void PaintGroupBoxPanelBorder(TcxCanvas* ACanvas, const TRect& R) const override;
  void DrawGroupBoxPanelStyle(TcxCanvas* ACanvas, const TRect& R, bool ABordered) const override;

  // --- Track bars ---
  void DrawTrackBarTrack(TcxCanvas* ACanvas, const TRect& R, const TRect& ASelection, bool AShowSelection,
                         bool AEnabled, bool AHorizontal, TColor AColor) const override;
  void DrawTrackBarThumb(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, bool AHorizontal,
                         TcxTrackBarTicksAlign ATicks, TColor AColor) const override;
  TSize GetTrackBarThumbSize(bool AHorizontal) const override;
  int GetSplitterHighlightWidth() const override;

  // --- Progress bars and navigator glyphs ---
  void PaintProgressChunk(TcxCanvas* ACanvas, const TRect& R, bool AVertical) const override;
  void PaintProgressFill(TcxCanvas* ACanvas, const TRect& R, bool AVertical) const override;
  TRect GetProgressFrameRect(bool AVertical) const override;
  void PaintProgressImage(TcxCanvas* ACanvas, TCustomImageList* AImages, bool AUseImageList, bool AEnabled,
                          const TRect& R, int AGlyphIndex) const override;
  TSize GetProgressImageSize() const override;
  void PaintProgressFrame(TcxCanvas* ACanvas, TRect& R) const override;

  // --- Headers ---
  void PaintHeader(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds, TcxNeighbors ANeighbors,
                   TcxBorders ABorders, TcxButtonState AState, TAlignment AAlignmentHorz,
                   TcxAlignmentVert AAlignmentVert, bool AMultiLine, bool AShowEndEllipsis, const String& AText,
                   TFont* AFont, TColor ATextColor, TColor ABkColor, TcxDrawBackgroundEvent AOnDrawBackground,
                   bool AIsSpecial) const override;
  void PaintHeaderPlain(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                        TcxNeighbors ANeighbors, TcxBorders ABorders, TcxButtonState AState,
                        TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert, bool AMultiLine,
                        bool AShowEndEllipsis, const String& AText, TFont* AFont, TColor ATextColor,
                        TColor ABkColor) const override;
  void PaintIndentedSeparator(TcxCanvas* ACanvas, const TRect& ABounds, int AIndentSize, TColor AColor,
                              const TcxViewStyleParams& AViewParams) const override;
  TcxBorders GetHeaderEdges(TcxNeighbors ANeighbors) const override;
  bool IsSortGlyphRight() const override;
  bool IsSortGlyphRightAlt() const override;

  // --- Cells, layout-view records, footers, filter, indicator, popups ---
  void PaintBackgroundAlt(TcxCanvas* ACanvas, const TRect& R, bool ATransparent, TColor AColor,
                          TBitmap* ABitmap) const override;
  void PaintFramedCell(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders, TcxButtonState AState) const override;
  void PaintFramedPanel(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders,
                        TcxButtonState AState) const override;
  void PaintPanelChevron(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TcxButtonState AState) const override;
  TRect GetPanelFrameRect(int AKind) const override;
  TRect GetCellFrameRect(int AKind) const override;
  void PaintCellBackground(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders,
                           TcxButtonState AState) const override;
  void PaintCellSectionContent(TcxCanvas* ACanvas, const TRect& ABounds, TAlignment AAlignment, bool AMultiLine,
                               const String& AText, const TcxViewStyleParams& AViewParams) const override;
  void PaintPanelEdge(TcxCanvas* ACanvas, const TRect& R) const override;
  void PaintCellSeparator(TcxCanvas* ACanvas, const TRect& R) const override;
  void PaintViewBackground(TcxCanvas* ACanvas, const TRect& R, const TcxViewStyleParams& AViewParams) const override;
  void PaintBandedPanel(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders) const override;
  int GetCellEdgeWidth() const override;
  bool IsCellsFirst() const override;
  TColor GetBandColor() const override;
  void PaintDropButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, bool AActive) const override;
  void PaintCrossButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const override;
  void PaintBackgroundAlt2(TcxCanvas* ACanvas, const TRect& R, bool ATransparent, TColor AColor,
                           TBitmap* ABitmap) const override;
  TSize GetCrossButtonSize() const override;
  void PaintLinesMark(TcxCanvas* ACanvas, const TRect& R, TColor AColor) const override;
  void PaintRowMarkerImage(TcxCanvas* ACanvas, const TRect& R, TcxRowMarkerKind AKind) const override;
  void PaintRowMarkerCell(TcxCanvas* ACanvas, const TRect& R, TcxNeighbors ANeighbors, TcxBorders ABorders,
                          TcxRowMarkerKind AKind, TColor ABkColor,
                          TcxDrawBackgroundEvent AOnDrawBackground) const override;
  void PaintRowMarkerCellPlain(TcxCanvas* ACanvas, const TRect& R, TcxNeighbors ANeighbors, TcxBorders ABorders,
                               TcxRowMarkerKind AKind, TColor ABkColor) const override;
  bool IsRowMarkerHot() const override;
  void FillPopupClientArea(TcxCanvas* ACanvas, const TRect& R) const override;
  TSize GetSizeGripSize() const override;
  void PaintCrossButtonAlt(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const override;

  // --- Navigation buttons, progress blocks, clock, printed pages ---
  void PaintSideButtonContent(TcxCanvas* ACanvas, const TRect& R, const TRect& AArrowRect, bool AFlag,
                              TcxButtonState AState) const override;
  void CalcSideButtonRects(bool AFlag, bool ANoText, const TSize& ATextSize1, const TSize& ATextSize2,
                           TRect& AButtonRect, TRect& ATextRect, TRect& AArrowRect) const override;
  void PaintArrowHeader(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText, TcxNeighbors ANeighbors,
                        const TcxViewStyleParams& AViewParams,
                        TcxDrawBackgroundEvent AOnDrawBackground) const override;
  void PaintProgressBlock(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ABlockRect,
                          const TcxViewStyleParams& AViewParams, bool ATransparent) const override;
  void PaintNavButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const override;
  TRect GetProgressBlockMargins() const override;
  TColor GetSideButtonTextColor(bool AFlag, TcxButtonState AState, TColor ADefaultColor) const override;
  void GetSideButtonSizes(bool AFlag, TRect& ABorders, TSize& AArrowSize, bool& AHasTextArea) const override;
  void PaintClockFace(TcxCanvas* ACanvas, const TRect& R, TDateTime ATime, TColor AColor) const override;
  TRect GetPageMargins() const override;
  void PaintPageAreaDark(TcxCanvas* ACanvas, const TRect& R) const override;
  void PaintPage(TcxCanvas* ACanvas, const TRect& R, const TRect& AInnerRect, bool ASelected,
                 bool AFillInner) const override;

 protected:
  TdxSkinLookAndFeelPainter() = default;

  // The slot of the table in force, null without a table.
  TdxSkinElement* SkinElement(TdxSkinElementSlot ASlot) const;
  TdxSkinProperty* SkinProperty(TdxSkinPropertySlot ASlot) const;
  TdxSkinColor* SkinColor(TdxSkinPropertySlot ASlot) const;
};

// --- What the drawing shares ------------------------------------------------------------------
namespace dxskinpainter {

// The element state a button state draws with.
TdxSkinElementState ButtonStateToElementState(TcxButtonState AState);
// The image index of a check state: unchecked 0, checked 1, grayed 2.
int CheckStateToImageIndex(TcxCheckBoxState AState);
// The element state of a layout-view record caption.
TdxSkinElementState LayoutCaptionState(TcxButtonState AState);
// A colour that holds a value: neither clNone nor clDefault.
bool IsColorAssigned(TColor AColor);
// The skin colour's value when it is assigned, else AInherited.
TColor AssignedOr(const TdxSkinColor* AColor, TColor AInherited);
// Draws the element with DrawToDC on the canvas's DC; false without an element.
bool DrawElement(TcxCanvas* ACanvas, TdxSkinElement* AElement, const TRect& R, int AImageIndex = 0,
                 TdxSkinElementState AState = esNormal);
// The frame size of the element's image; (0, 0) without an element.
TSize FrameSize(TdxSkinElement* AElement);
// The content rectangle of a button of R height, as the skin's button content is laid out:
// an odd height loses its bottom row, and one then below 18 grows one row at the top.
TRect ButtonContentRect(const TRect& AContent);

}  // namespace dxskinpainter
