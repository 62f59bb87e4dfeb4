// The bar library's main unit on the window system: the bar manager that owns a
// form's bars, items, categories and groups and picks their painter; its hints,
// fonts, colours and image settings; the library's routines (searches, pumps,
// sounds, arrows, glyphs, backgrounds, frames, size grips); the item-class
// registry and the unit's start and end.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "Classes.h"
#include "Controls.h"
#include "Forms.h"
#include "Graphics.h"
#include "ImgList.h"
#include "IniFiles.h"
#include "ActnList.h"
#include "Streaming.h"
#include "Units.h"
#include "cxStyles_win.h"
#include "cxClasses.h"
#include "cxControls_win.h"
#include "cxGraphics_win.h"
#include "cxLookAndFeels.h"
#include "dxBar.h"
#include "dxBarStrs.h"
#include "dxCore.h"
#include "dxThemeManager.h"

class TdxBarManager;
class TdxBar;
class TdxBarItem;
class TdxBarGroup;
class TcxStyle;
class TCustomdxBarControl;
class TdxBarItemControl;
class TdxBarItemControlDrawParams;

enum TdxBarDockingStyle { dsNone, dsLeft, dsTop, dsRight, dsBottom };
VAMIRE_ENUM_NAMES(TdxBarDockingStyle, L"dsNone", L"dsLeft", L"dsTop", L"dsRight", L"dsBottom")
using TdxBarDockingStyles = TSet<TdxBarDockingStyle, 5>;
enum TdxBarManagerStyle { bmsStandard, bmsEnhanced, bmsFlat, bmsXP, bmsOffice11, bmsUseLookAndFeel };
VAMIRE_ENUM_NAMES(TdxBarManagerStyle, L"bmsStandard", L"bmsEnhanced", L"bmsFlat", L"bmsXP", L"bmsOffice11",
                  L"bmsUseLookAndFeel")
enum TdxBarMenuAnimations { maNone, maRandom, maUnfold, maSlide, maFade };
VAMIRE_ENUM_NAMES(TdxBarMenuAnimations, L"maNone", L"maRandom", L"maUnfold", L"maSlide", L"maFade")
enum TdxBarItemVisible { ivNever, ivInCustomizing, ivAlways };
VAMIRE_ENUM_NAMES(TdxBarItemVisible, L"ivNever", L"ivInCustomizing", L"ivAlways")

#include "dxBarPaintInfo_win.h"

// --- Painters -----------------------------------------------------------------------------
// The bar painters are made by their manager at each restyle, with the
// look-and-feel's skin painter, and freed at the next. A painter keeps no state
// of a control: it answers from its arguments, and its operations are virtual
// so that an override is seen by every base operation that calls it.

// The unit's constant tables that the painter operations index.
extern const TcxArrowDirection dxBarDropDownArrowDirections[3];  // by paint kind
extern const int dxBarTearOffCaptionColors[2];                        // by active flag
extern const UINT dxBarStaticBorderEdges[4];                          // none .. etched
extern const int dxBarStaticBorderWidths[5];                          // none .. bump
extern const int dxBarSubMenuSeparatorColors[2];
extern const TcxArrowDirection dxBarStaticSubArrowDirections[2];  // horizontal, vertical

class TdxBarPainter : public TcxIUnknownObject {
  VAMIRE_CLASS(TdxBarPainter, TcxIUnknownObject)
 public:
  using TCreateArg = TcxCustomLookAndFeelPainter;
  explicit TdxBarPainter(TcxCustomLookAndFeelPainter* ASkinPainter) : FSkinPainter(ASkinPainter) {}
  TcxCustomLookAndFeelPainterClass SkinPainter() const { return FSkinPainter; }

  // Metrics (g a glyph size, t a text size).
  virtual TSize ButtonSize(int GlyphSize) const;
  virtual int FloatingFrameWidth() const;
  virtual int FloatingFrameHeight() const;
  virtual int SmallCaptionHeight() const;
  virtual int FloatingCaptionHeight() const;
  virtual int FloatingCaptionIndent() const { return 0; }
  virtual int FloatingCaptionTopSpace() const { return 0; }
  virtual int FloatingCaptionBottomSpace() const { return 0; }
  virtual TRect CaptionOffsets() const { return TRect{2, 2, 2, 3}; }
  virtual TRect DockedBorderWidths() const { return TRect{2, 2, 2, 2}; }
  virtual int GripSize() const { return 0; }
  virtual int GripWidth() const { return 3; }
  virtual int GripOffset() const { return 0; }
  virtual int GriplessIndent() const { return 0; }
  virtual int MarkSize() const { return 11; }
  virtual int ToolbarSeparatorSize() const { return 6; }
  virtual int ToolbarSeparatorInset() const { return (ToolbarSeparatorSize() - 2) / 2; }
  virtual int MenuSeparatorHeight() const { return 10; }
  virtual int MenuBeginGroupIndent() const { return 0; }
  virtual int SubMenuOuterBorder() const { return 1; }
  virtual int SubMenuInnerBorder() const { return 1; }
  virtual int SubMenuArrowWidth(int TextSize) const { return TextSize / 4 * 3 + 1; }
  virtual int SubMenuScrollArrowOffset() const { return 2; }
  virtual int PopupBorderWidth() const { return 2; }
  virtual int DropDownListBorderSize() const { return 2; }
  virtual TRect EditTextMargins() const { return TRect{2, 2, 2, 2}; }
  virtual int MenuItemTextIndent(bool InMenu, int TextSize) const { return InMenu ? TextSize + 1 : 0; }
  virtual TRect ItemTextMargins() const { return TRect{4, 0, 0, 0}; }
  virtual int EllipsisDotOffset(int DotSize) const { return DotSize; }
  virtual int ComboDropDownButtonWidth(int Value) const { return 2 * Value - 1; }
  virtual bool HasFlatLook() const { return false; }

  // Shared drawing. Each operation deletes what it creates and puts back the
  // clip region it changed, also when drawing raises.
  virtual TColor ItemTextColor(bool Selected, bool Flat) const;
  // First and second colour of an item's text; they differ for embossed
  // disabled text, whose second colour is drawn one pixel right and down first.
  // An enabled item whose style assigns a text colour is drawn in it.
  virtual void ItemTextColors(bool Enabled, bool Selected, bool Flat, TColor& First, TColor& Second,
                              const TdxBarItemControl* AItemControl = nullptr) const;
  virtual void DrawCheckMarkGlyph(HDC, const TPoint&, int, TColor, bool) const {}
  // The check mark's rectangle centred in a glyph rectangle: 9 x 7, 18 x 14
  // with a bar font of 16 points or more.
  static TRect MenuCheckMarkRect(const TRect& GlyphRect, int FontPoints);
  virtual void DrawMenuCheckMark(HDC DC, const TRect& GlyphRect, int FontPoints, TColor Color, bool Enabled) const;
  virtual void DrawArrowTriangle(HDC DC, const TRect& R, TcxArrowDirection Direction, TColor Color) const;
  virtual void DrawCaptionDownArrow(HDC DC, const TRect& R, TColor Color) const;
  virtual void DrawMarkChevrons(HDC DC, bool Horizontal, bool Small, int Offset, int ClientWidth) const;
  virtual void DrawEllipsisGlyph(HDC DC, const TRect& R, bool Enabled, bool Pressed) const;
  // Item text on a device context; vertical text needs a rotated font selected
  // and gets its accelerator underline drawn by hand. Alignment: 0 left, 1 centre, 2 right.
  virtual void DrawItemText(HDC DC, UINT Format, bool Flat, bool Clip, bool Vertical, bool Selected, bool Enabled,
                            int Alignment, const TRect& R, const String& Text,
                            const TdxBarItemControl* AItemControl = nullptr) const;

  // --- What bar and item controls ask (dxBar_painter_controls.cpp)
  virtual bool BarNeedsDoubleBuffer() const { return false; }
  virtual bool AllowsLargeIcons() const { return true; }
  virtual bool PaintsFlatItems() const { return false; }
  // Whether the painter draws marks and buttons for fading: none of the base looks does.
  virtual bool SupportsFading() const { return false; }
  virtual bool UsesFlatPopupLook() const { return HasFlatLook(); }
  virtual bool BarControlHasShadow(TCustomdxBarControl* ABarControl) const;
  virtual bool BarControlShadowReachesParent(TCustomdxBarControl* ABarControl) const;
  virtual HBRUSH BarControlBrush(TCustomdxBarControl* ABarControl) const;
  virtual HBRUSH ToolbarBrush() const { return GetSysColorBrush(COLOR_BTNFACE); }
  virtual HBRUSH BarBrush() const { return ToolbarBrush(); }
  virtual HBRUSH DownBrush() const;
  virtual HBRUSH DownSelectedBrush() const { return GetSysColorBrush(COLOR_BTNFACE); }
  virtual HBRUSH SelectedBrush() const { return GetSysColorBrush(COLOR_HIGHLIGHT); }
  // The text height of "Wg" in the DC's font plus 6.
  virtual int EditHeight(HDC DC) const;
  // An edit-like item's height for a text height.
  virtual int EditItemHeight(int TextHeight) const;
  virtual int MenuItemHeight(TCustomdxBarControl* ABarControl) const;
  virtual void AdjustMenuItemHeight(int&) const {}
  virtual void AdjustItemSize(TSize&) const {}
  virtual int MenuReferenceTextSize() const { return 19; }
  virtual TRect ItemContentMargins() const { return TRect{3, 0, 3, 0}; }
  virtual int MenuIconAreaSize(TdxBarItemControl* AItemControl) const;
  virtual int SubMenuTopOffset() const { return 0; }
  // The rectangle a caption needs on one line in the DC's font.
  virtual TRect CalcItemTextRect(HDC DC, const String& Caption) const;
  // With a drop-down part, the main part ends where the arrow part begins.
  virtual void CalcButtonParts(bool HasDropDownPart, int ArrowWidth, const TRect& R,
                               std::vector<TRect>& Parts) const;
  virtual void DrawItemCaption(TdxBarItemControlDrawParams* AParams, HDC DC, UINT Format, const TRect& R,
                               int Alignment) const;

  // --- Colours, flags and shapes the bars, menus and item kinds share
  virtual void ItemDisabledTextColors(bool Selected, bool Flat, TColor& First, TColor& Second) const;
  virtual TColor ItemDefaultTextColor(bool Selected, bool Flat) const { return ItemTextColor(Selected, Flat); }
  virtual bool ItemArrowUsesTextColor() const { return false; }
  // clDefault: the arrow routine picks its own colours.
  virtual TColor ItemArrowColor(bool Enabled, bool Selected, bool Flat) const;
  virtual bool UseFadedDisabledImages(TdxBarManager* AManager) const;
  virtual bool ItemHasSeparateDropDownLook() const { return false; }
  virtual bool NonRecentKeepsMenuBrush() const { return false; }
  virtual bool SubItemArrowAlwaysShown() const { return false; }
  virtual bool BarHasOwnNonClient() const { return false; }
  virtual bool UseGrayGlyphsWhenDisabled() const { return false; }
  virtual bool GlyphHighlightShadow() const { return false; }
  virtual bool UsesNativeGlyphFrame() const { return false; }
  virtual bool ButtonHasSeparateArrowFrame() const { return false; }
  virtual bool ButtonCanShowPushed() const { return true; }
  virtual bool EditHasOwnFrame() const { return false; }
  virtual bool UsesMenuItemBrush() const { return true; }
  virtual bool FlatStyleOnColouredFace() const;
  virtual int GlyphShiftX() const { return 0; }
  virtual int GlyphShiftY() const { return 0; }
  virtual int LoweredFrameExtraWidth() const { return 0; }
  virtual int DockRowSpacing() const { return 0; }
  virtual int AutoAlignToolbarOffset() const { return 0; }
  // Minus half the bar font's height, rounded down.
  virtual int SubItemArrowOffset(int FontHeight) const;
  virtual int ButtonGlyphSize(TdxBarManager* AManager) const;
  // The glyph room of a large button: (large icons + 1) glyph sizes, made even.
  virtual int LargeButtonGlyphSpace(TdxBarManager* AManager) const;
  virtual TColor CaptionColor(bool Active) const;
  virtual TColor CaptionTextColor() const;
  virtual TColor MarkArrowColor() const;
  virtual int MarkElementColor() const { return COLOR_BTNTEXT; }
  // A mark rectangle 16 pixels high or less: the chevrons start a row higher.
  virtual bool BarIsSmall(const TRect& MarkRect) const { return MarkRect.Bottom - MarkRect.Top <= 16; }
  virtual void DrawMark(HDC DC, const TRect& R, bool Horizontal, bool QuickCustomizing, bool HasHiddenLinks,
                        int ClientWidth) const;
  virtual void DrawSpinArrow(HDC DC, const TRect& R, int ArrowSize, bool Up, bool Enabled) const;
  virtual void DrawPushButtonCaption(HDC DC, const TRect& R, const String& Caption, bool Opaque, int Offset) const;
  virtual void DrawExpandArrows(HDC DC, const TRect& R, int Size, bool Selected) const;
  virtual void DrawExpandButtonFrame(HDC DC, const TRect& R, HBRUSH LightBrush) const;
  // Drawn off screen in 24 bits, copied, and its rectangle taken out of the clip region.
  virtual void PaintExpandButton(HDC DC, const TRect& R, int ArrowSize, bool Selected, HBRUSH Background,
                                 HBRUSH LightBrush) const;
  virtual int ScrollButtonHeight(int TextSize) const { return TextSize; }
  virtual int ScrollArrowSize(int Height) const { return Height / 3 - 1; }
  // DrawEdge sunken outer on all sides; R shrinks by 1.
  virtual void DrawLoweredFrame(HDC DC, TRect& R) const;
  virtual void FillDisabledShadow(HDC DC, const TRect& R) const;
  virtual TRect CaptionBorderWidths() const { return TRect{0, 2, 0, 2}; }
  virtual TRect CalcCaptionContentRect(const TRect& R) const;
  virtual int StatusBarTopSpace() const { return 2; }
  virtual TRect StatusBarBorderOffsets() const { return TRect{}; }
  virtual TSize SizeGripSize() const;
  // Left, top, right and bottom border widths of a bar for a docking style.
  virtual TRect CalcBarBorders(TdxBar* ABar, TdxBarDockingStyle AStyle, bool ASizeGrip) const;
  // A large glyph in its area: centred, or at the edge its layout (a
  // TdxBarGlyphLayout) names when a caption is shown.
  virtual TRect PlaceLargeGlyph(const TRect& Area, const TSize& Glyph, bool ShowsCaption, int Layout,
                                bool Rotated) const;
  // The caption of a large button beside its glyph; Alignment 0 left, 1 centre, 2 right.
  virtual TRect CalcLargeButtonTextRect(const TRect& ItemRect, const TRect& GlyphRect, int Layout, bool Rotated,
                                        int& Alignment) const;
  // An item control's glyph: its rectangle in R (kept as the view info's
  // image bounds), then its background, frame and image.
  virtual void DrawItemGlyph(TdxBarItemControlDrawParams* AParams, HDC DC, const TRect& R) const;
  virtual void DrawItemGlyphImage(TdxBarItemControlDrawParams* AParams, HDC DC, const TRect& Area,
                                  const TRect& GlyphRect, bool NoImage) const;
  virtual void DrawGlyphFrame(TdxBarItemControlDrawParams*, HDC, const TRect&) const {}
  virtual HBRUSH GlyphBackgroundBrush(TdxBarItemControlDrawParams* AParams) const;
  virtual bool NeedsGlyphBackground(TdxBarItemControlDrawParams* AParams) const;
  virtual bool DrawsGlyphBackground(TdxBarItemControlDrawParams* AParams) const;
  // With Solid, FillRect with the brush; else the bar's own background, the brush as fall-back.
  virtual void FillItemBackground(TdxBarItemControlDrawParams* AParams, HDC DC, const TRect& R, HBRUSH Brush,
                                  bool Solid) const;

  // --- Bar controls ------------------------------------------------------------------------
  // What a bar or item control hands in describes it for this one call (dxBarPaintInfo_win.h).
  virtual bool BarAllowsQuickCustomizing() const { return true; }
  virtual int DockedBarFrameWidth() const { return 1; }
  virtual TRect DockedBarFrameWidths() const;
  virtual TSize CaptionButtonSize() const;
  virtual bool FloatingCaptionUsesTheme() const { return false; }
  virtual bool CaptionButtonsHaveFrame() const { return false; }
  virtual bool FloatingBarHasFrame() const { return false; }
  virtual int FloatingCaptionTextLeft(const TdxBarControlPaintInfo& Bar, const TRect& Caption) const;
  virtual TRect MarkRect(const TdxBarControlPaintInfo& Bar, const TRect& Caption) const;
  virtual TRect MarkPaintRect(const TdxBarControlPaintInfo& Bar, const TRect& Caption) const {
    return MarkRect(Bar, Caption);
  }
  virtual void FillFloatingCaption(HDC DC, HBRUSH Brush, const TRect& R) const;
  virtual void FillDockedBarBackground(HDC DC, const TdxBarControlPaintInfo& Bar, const TRect& R) const;
  virtual void FillFloatingBarBackground(HDC DC, const TdxBarControlPaintInfo& Bar, HBRUSH Brush,
                                         const TRect& R) const;
  virtual void FillBarBackgroundFromDock(HDC DC, const TdxBarControlPaintInfo& Bar, const TRect& Origin,
                                         const TRect& R) const;
  virtual void DrawBarBackground(HDC DC, const TdxBarControlPaintInfo& Bar, HBRUSH Brush, TColor Color,
                                 const TRect& Origin, const TRect& R) const;
  // HorizontalLine: the separator is a horizontal line (between items stacked on a vertical bar).
  virtual void DrawToolbarSeparator(HDC DC, const TdxBarControlPaintInfo& Bar, bool HorizontalLine, HBRUSH Brush,
                                    const TRect& R) const;
  // State 0 normal, 1 hot, 2 pressed.
  virtual void DrawCaptionButtonBackground(HDC DC, const TdxBarControlPaintInfo& Bar, int State,
                                           const TRect& R) const;
  virtual void DrawCaptionButtonGlyph(HDC DC, const TRect& R, TColor Color) const {
    DrawCaptionDownArrow(DC, R, Color);
  }
  virtual void DrawFloatingCloseButton(HDC, const TdxBarControlPaintInfo&, bool, const TRect&) const {}
  virtual void DrawDockedBarBorder(HDC, const TdxBarControlPaintInfo&, const TRect&) const {}
  virtual void DrawFloatingBarBorder(HDC, const TRect&) const {}
  virtual void DrawFloatingCaption(HDC DC, const TdxBarControlPaintInfo& Bar, HBRUSH Brush, const TRect& R) const;
  // Kind 0 minimize, 1 restore, 2 close; state 0 normal, 1 disabled, 4 pressed.
  virtual void DrawMDIButton(HDC, int, int, bool, const TRect&) const {}
  virtual void DrawStatusBarTopBand(HDC DC, const TdxBarControlPaintInfo& Bar) const;
  // State 0 normal, 1 hot, 2 pressed.
  virtual void DrawMarkBackground(HDC, const TdxBarControlPaintInfo&, int, HBRUSH, const TRect&) const {}

  // --- Buttons and combos ------------------------------------------------------------------
  virtual TRect QuickCustItemCheckRect(const TRect& Item) const;
  virtual int QuickCustItemTextOffset() const { return 0; }
  virtual int ButtonHeightPadding() const { return 6; }
  virtual int ButtonWidthPadding() const { return 7; }
  virtual int ButtonHeightForGlyph(int GlyphSize) const { return GlyphSize + ButtonHeightPadding(); }
  virtual int ButtonWidthForGlyph(int GlyphSize) const { return GlyphSize + ButtonWidthPadding(); }
  virtual TSize SmallArrowSize() const { return TSize{5, 3}; }
  virtual void OffsetPressedContent(const TdxBarItemPaintInfo& Item, TRect& R) const;
  virtual void OffsetPressedEllipsis(bool Pressed, TRect& R) const;
  virtual bool SplitButtonIsFlat() const { return HasFlatLook(); }
  virtual bool FillsItemBackgroundSolid(const TdxBarItemPaintInfo& Item) const;
  virtual bool ArrowDrawnInverted(const TdxBarItemPaintInfo& Item) const;
  // Not solid: the bar's own background shows through (its brush as fall-back).
  virtual void FillItemBackground(HDC DC, const TdxBarItemPaintInfo& Item, HBRUSH Brush, bool Solid,
                                  const TRect& R) const;
  virtual void DrawSelectionBackground(HDC, const TdxBarItemPaintInfo&, const TRect&) const {}
  virtual HBRUSH GlyphBackgroundBrush(const TdxBarItemPaintInfo& Item) const { return Item.Brush; }
  virtual void DrawGlyphFrame(HDC, const TdxBarItemPaintInfo&, const TRect&) const {}
  virtual void DrawItemGlyphImage(HDC DC, const TdxBarItemPaintInfo& Item, const TRect& R) const;
  virtual void DrawButtonLikeItem(HDC DC, const TdxBarItemPaintInfo& Item) const;
  virtual void DrawItemArrow(HDC DC, const TdxBarItemPaintInfo& Item, const TRect& R) const;
  virtual void DrawSplitArrowBackground(HDC DC, const TdxBarItemPaintInfo& Item, HBRUSH Brush, TRect R) const;
  virtual void DrawSplitDropDownPart(HDC DC, const TdxBarItemPaintInfo& Item) const;
  virtual TColor ComboArrowColor() const { return clBtnText; }
  virtual HBRUSH ComboButtonBrush(const TdxBarItemPaintInfo& Item) const { return Item.Brush; }
  virtual int EditButtonGap() const { return 1; }
  virtual TRect EditBorderMargins() const { return EditTextMargins(); }
  virtual void DrawComboArrow(HDC DC, const TRect& R, int Size, TColor Color, bool Enabled) const;
  virtual void DrawComboButton(HDC DC, const TdxBarItemPaintInfo& Item, const TRect& R) const;
  virtual void DrawComboButtonFrame(HDC, const TdxBarItemPaintInfo&, TRect&) const {}
  virtual void DrawDropDownListBorder(HDC DC, const TRect& R, TColor Color) const;

  // --- Sub-menus ---------------------------------------------------------------------------
  virtual bool SubMenuHasSideBand() const { return false; }
  virtual bool SubMenuFramesRecentGroups() const { return false; }
  virtual int SubMenuBorderWidth() const { return SubMenuOuterBorder() + SubMenuInnerBorder(); }
  virtual void CalcMenuArrowMetrics(HDC DC, int TextSize, int& ArrowWidth, int& ArrowHeight) const;
  virtual TRect SubMenuClientMargins(const TdxBarControlPaintInfo& Bar) const;
  virtual int SubMenuTextLeft(const TdxBarControlPaintInfo& Bar) const;
  virtual int MenuTextVerticalGrow() const { return 0; }
  virtual int SubMenuCheckSize(int Size) const { return (Size - 6) / 2; }
  virtual TRect SubMenuItemIconRect(const TdxBarItemPaintInfo& Item) const;
  virtual int SubMenuItemTextIndent(const TdxBarItemPaintInfo& Item) const { return Item.IconColumnWidth + 3; }
  virtual TRect SubMenuItemTextRect(const TdxBarItemPaintInfo& Item) const;
  virtual TRect SubMenuBeginGroupRect(const TRect& Item, bool ChangesRecentGroup) const;
  virtual TRect SubMenuItemContentRect(const TRect& R) const;
  virtual void SubMenuDrawBorder(HDC DC, const TdxBarControlPaintInfo& Bar) const;
  virtual void SubMenuDrawClientBorder(HDC DC, const TdxBarControlPaintInfo& Bar, HBRUSH MenuBrush,
                                       const TRect& R) const;
  virtual void SubMenuDrawTearOffBar(HDC DC, bool Active, const TRect& R) const;
  virtual void SubMenuDrawSeparator(HDC DC, const TRect& R) const;
  virtual void SubMenuDrawBeginGroup(HDC DC, const TdxBarItemPaintInfo& Item, const TRect& R) const;
  // The description of a large menu item as at most two lines that fit the width.
  virtual void SplitMenuDescription(HDC DC, const String& Text, int Width, String& First, String& Second) const;

  // --- Edit and combo items ----------------------------------------------------------------
  virtual TColor EditBackgroundColor() const { return clWindow; }
  virtual TColor DisabledEditBackgroundColor(HBRUSH BarBrush) const;
  // StyleColor and StyleTextColor: the item's StyleEdit values, clDefault when not assigned.
  virtual TColor EditColor(bool Enabled, TColor StyleColor, HBRUSH BarBrush) const;
  virtual TColor EditTextColor() const { return clWindowText; }
  virtual TColor DisabledEditTextColor() const { return clGrayText; }
  virtual TColor EditFontColor(bool Enabled, TColor StyleTextColor) const;
  virtual bool EditCanShowFrame() const { return true; }
  virtual int EditFrameInset() const { return 0; }
  virtual int EditButtonInset() const { return 0; }
  virtual bool EditArrowIsLeading() const { return false; }
  virtual int EditMenuCaptionMargin() const { return 2; }
  virtual int EditCaptionMargin() const { return 2; }
  virtual int EditCaptionRightMargin() const { return 4; }
  virtual TRect EditMenuGlyphMargins() const { return TRect{4, 0, 0, 0}; }
  virtual bool EditGlyphShowsPressed() const { return false; }
  virtual bool EditFillsDropDownArea() const { return false; }
  virtual bool EditHasInnerGlyph() const { return false; }
  virtual TRect EditGlyphMargins() const { return TRect{1, 2, 1, 2}; }
  virtual void SelectAllEditText(HWND Edit, bool NotifyChange) const;
  virtual void DrawEditFrame(HDC, const TdxBarItemPaintInfo&, const TRect&) const {}
  virtual void DrawEllipsisButton(HDC DC, const TdxBarItemPaintInfo& Item, const TRect& R) const;
  virtual void ClearEditBorder(HDC DC, HBRUSH BarBrush, const TRect& R) const;

  // --- Other item kinds --------------------------------------------------------------------
  virtual bool PushButtonsFlat() const { return false; }
  virtual TColor PushButtonHeaderColor() const { return clBtnFace; }
  virtual void DrawPushButton(HDC DC, const TRect& R, const String& Caption, bool Pressed) const;
  virtual TRect SpinButtonMargins() const { return TRect{1, 0, 1, 0}; }
  // Width 2a - 1 and height a for a = ((h div 2) - 2) div 2.
  virtual TSize SpinArrowSize(int ButtonHeight) const;
  virtual int SpinButtonWidth(int ButtonHeight) const;
  // Button 0 the whole button area, 1 its upper half, 2 its lower half.
  virtual TRect CalcSpinButtonRect(const TRect& Item, int Button) const;
  // 4 disabled, 3 pressed, 2 hot, 1 normal.
  virtual int SpinButtonState(bool Enabled, int Button, int PressedButton, int HotButton) const;
  virtual TColor ProgressColor() const { return clHighlight; }
  virtual bool ProgressIsSegmented() const { return false; }
  virtual int ProgressMinThickness() const { return 12; }
  virtual int ProgressMenuIndent() const { return 0; }
  virtual void DrawProgress(HDC DC, const TdxBarItemPaintInfo& Item, const TRect& R) const;
  virtual void DrawProgressBackground(HDC DC, const TdxBarItemPaintInfo& Item, const TRect& R) const;
  virtual void DrawProgressSegments(HDC DC, bool Vertical, HBRUSH Brush, const TRect& Bar, const TRect& Done) const;
  virtual void FillProgressPart(HDC DC, HBRUSH Brush, const TRect& R) const;
  virtual void FillProgressBlock(HDC DC, HBRUSH Brush, const TRect& R) const { FillProgressPart(DC, Brush, R); }
  virtual int HeaderExtraSize() const { return 0; }
  virtual int HeaderTextIndent() const { return 5; }
  virtual bool HeaderFlatText() const { return true; }
  virtual TRect StaticBorderWidths(int BorderStyle) const;
  virtual void DrawStaticBackground(HDC DC, const TdxBarItemPaintInfo& Item, bool Pushed) const;
  virtual void DrawStaticBorder(HDC DC, int BorderStyle, TRect& R) const;
  virtual void DrawStaticItem(HDC DC, const TdxBarItemPaintInfo& Item) const;
  virtual TRect SeparatorCaptionMargins() const { return TRect{6, 0, 0, 0}; }
  virtual int SeparatorLineSize() const { return 2; }
  virtual int SeparatorSize() const { return SeparatorLineSize(); }
  virtual void DrawSeparatorLine(HDC DC, const TRect& R) const { SubMenuDrawSeparator(DC, R); }
  virtual void DrawSeparatorItem(HDC DC, const TdxBarItemPaintInfo& Item, const TdxBarControlPaintInfo& Bar) const;
  virtual TColor ScreenTipDescriptionColor() const { return clDefault; }
  virtual TColor ScreenTipHeaderColor() const { return clDefault; }
  virtual int ScreenTipFooterLineHeight() const { return 3; }
  virtual void DrawScreenTipBackground(HDC, const TRect&) const {}
  virtual void DrawScreenTipFooterLine(HDC, const TRect&) const {}
  virtual void DrawSeparatorCaption(HDC DC, const TdxBarItemPaintInfo& Item) const { DrawStaticItem(DC, Item); }
  virtual bool StaticIsPushed(bool Pushed) const { return Pushed; }
  // The label's indents (left and right, or top and bottom on vertical bars) filled, its
  // border drawn; answers what is left for the label's own drawing.
  virtual TRect CalcStaticItemSize(HDC DC, const TdxBarItemPaintInfo& Item, int LeadingIndent,
                                   int TrailingIndent) const;
  // Headers of sub-menu groups.
  virtual HBRUSH HeaderBrush() const { return GetSysColorBrush(COLOR_BTNSHADOW); }
  virtual int HeaderHeight(int TextSize) const { return TextSize; }
  virtual bool HeaderTextSelected(const TdxBarItemPaintInfo& Item) const { return Item.Selected; }
  virtual void DrawHeaderArrow(HDC DC, const TdxBarItemPaintInfo& Item, bool Expanded) const;
  virtual void DrawHeaderBackground(HDC DC, const TdxBarItemPaintInfo& Item) const;
  virtual void DrawHeaderItem(HDC DC, const TdxBarItemPaintInfo& Item, bool Expanded) const;
  // Spin buttons.
  virtual TPoint SpinArrowOrigin(const TRect& Button, int ArrowOffset, int ArrowSize, bool Up) const;
  virtual TRect CalcSpinTextRect(const TRect& Item) const;
  virtual void DrawSpinButton(HDC DC, const TdxBarItemPaintInfo& Item, int Button, int State,
                              const TRect& R) const;
  virtual void FillSpinBackground(HDC DC, const TdxBarItemPaintInfo& Item, const TRect& R) const;
  // Edit and combo items.
  virtual bool EditUsesMenuLook() const { return false; }
  virtual bool EditCaptionSolid(const TdxBarItemPaintInfo& Item) const;
  virtual bool EditMarginSolid(const TdxBarItemPaintInfo& Item) const;
  virtual int EditCaptionLeftMargin(const TdxBarItemPaintInfo& Item) const;
  // Part 0 the caption, 1 the glyph.
  virtual TRect EditPartMargins(const TdxBarItemPaintInfo& Item, int Part) const;
  virtual HBRUSH EditCaptionBrush(const TdxBarItemPaintInfo& Item) const { return Item.BarBrush; }
  virtual bool ItemHasImageBounds(const TRect& ImageBounds) const { return ImageBounds.Right > ImageBounds.Left; }
  virtual TRect CalcInnerGlyphRect(const TRect& R, const TRect& ImageBounds, int GlyphWidth) const;
  virtual void DrawEditCaptionBackground(HDC DC, const TdxBarItemPaintInfo& Item, const TRect& Caption,
                                         const TRect& Glyph) const;
  virtual void DrawEditMenuSelection(HDC DC, const TdxBarItemPaintInfo& Item, const TRect& R) const {
    DrawSelectionBackground(DC, Item, R);
  }
  virtual void DrawEditCaption(HDC DC, const TdxBarItemPaintInfo& Item, const TRect& R) const;
  virtual void DrawEditItemGlyph(HDC DC, const TdxBarItemPaintInfo& Item, const TRect& R) const;
  // EditActive: the item's edit window is open.
  virtual void DrawEditBorder(HDC DC, const TdxBarItemPaintInfo& Item, bool EditActive, TRect& R) const;
  virtual void DrawEditValue(HDC DC, const TRect& R, const String& Text) const;
  virtual void DrawComboListLine(HDC DC, const TRect& R, const String& Text) const;
  virtual void DrawSubMenuArrow(HDC DC, const TRect& R, int Direction, int Size, TColor Color, bool Enabled,
                                bool Selected) const;
  virtual void DrawSubItemArrow(HDC DC, const TdxBarItemPaintInfo& Item) const;
  // Menus and their panes.
  virtual HBRUSH MenuItemBrush() const { return GetSysColorBrush(COLOR_BTNFACE); }
  virtual int SubMenuTearOffAreaSize(int TearOffCaptionHeight) const { return TearOffCaptionHeight + 3; }
  virtual void DrawMenuGlyphArea(HDC, const TdxBarItemPaintInfo&) const {}
  // Recent-group frames: Changes tells the item starts a change between recent and non-recent items.
  virtual void SubMenuDrawItemFrame(HDC, const TdxBarControlPaintInfo&, const TdxBarItemPaintInfo&, bool) const {}
  virtual void AppMenuDrawBorder(HDC DC, const TdxBarControlPaintInfo& Bar) const { SubMenuDrawBorder(DC, Bar); }
  virtual TRect AppMenuFrameMargins() const { return TRect{}; }
  // The menu's (or pane's) background picture tiled, its brush where there is none.
  virtual void SubMenuFillBackground(HDC DC, const TdxBarControlPaintInfo& Bar, HBRUSH Brush, const TRect& R) const;
  virtual void ExtraPaneFillBackground(HDC DC, const TdxBarControlPaintInfo& Pane, HBRUSH Brush,
                                       const TRect& R) const;
  virtual void AppMenuDrawExtraPaneArea(HDC DC, const TdxBarControlPaintInfo& Bar, const TRect& Excluded,
                                        const TRect& R) const;
  virtual void ExtraPaneDrawSeparator(HDC DC, const TdxBarControlPaintInfo& Bar, bool HorizontalLine,
                                      const TRect& R) const {
    DrawToolbarSeparator(DC, Bar, HorizontalLine, Bar.ToolbarBrush, R);
  }
  virtual int MenuItemTextHeight(HDC DC) const { return EditHeight(DC); }
  virtual int SubMenuIconAreaSize(const TdxBarControlPaintInfo& Bar) const { return Bar.IconColumnWidth; }
  virtual int SubMenuSpareMetric() const { return 0; }
  // Before each item: the sub-menu's current brush becomes the menu item brush when the look asks for it.
  virtual void SubMenuPickItemBrush(HBRUSH& Current) const {
    if (UsesMenuItemBrush()) Current = MenuItemBrush();
  }
  virtual void SubMenuDrawScrollButtonFrame(HDC, const TRect&, bool) const {}
  virtual void AppMenuDrawButtons(HDC, const TdxBarControlPaintInfo&) const {}
  virtual HBRUSH ItemBackgroundBrush(const TdxBarItemPaintInfo& Item) const { return Item.Brush; }
  virtual void DrawQuickCustItemCheck(HDC, const TRect&, bool) const {}
  virtual bool EditIsHighlighted(const TdxBarItemPaintInfo& Item) const { return Item.Selected; }
  virtual void EditBeforeDraw(HDC, const TdxBarItemPaintInfo&) const {}
  virtual void EditAfterDraw(HDC, const TdxBarItemPaintInfo&) const {}
  virtual void DrawEditButtonBackground(HDC, const TdxBarItemPaintInfo&, const TRect&) const {}
  // Gives an edit control's look-and-feel the look of the manager's style.
  virtual void AssignEditLookAndFeel(TdxBarManager* AManager, TcxLookAndFeel* ALookAndFeel) const;
  // Status-bar-like bars with a size grip: the strip at the right, the grip in its bottom square.
  virtual void DrawStatusBarSizeGrip(HDC DC, const TdxBarControlPaintInfo& Bar) const;
  // The text and background colours of an edit (StyleColor, StyleTextColor: clDefault when not assigned).
  virtual void EditColors(bool Enabled, TColor StyleColor, TColor StyleTextColor, HBRUSH BarBrush, TColor& Text,
                          TColor& Back) const;
  virtual void DrawEditText(HDC DC, const TdxBarItemPaintInfo& Item, TColor StyleColor, TColor StyleTextColor,
                            const TRect& R, const String& Text) const;
  // An edit or combo item: caption and glyph parts, then the edit part with its border and value.
  virtual void DrawEditItem(HDC DC, const TdxBarItemPaintInfo& Item, const TRect& Caption, const TRect& Glyph,
                            const TRect& Edit, const String& Text) const;

 private:
  TcxCustomLookAndFeelPainterClass FSkinPainter;
};
using TdxBarPainterClass = TClass;

class TdxBarStandardPainter : public TdxBarPainter {
  VAMIRE_CLASS(TdxBarStandardPainter, TdxBarPainter)
 public:
  using TdxBarPainter::TdxBarPainter;
  int FloatingCaptionIndent() const override { return 4; }
  int FloatingCaptionTopSpace() const override { return 2; }
  int FloatingCaptionBottomSpace() const override { return 1; }
  TRect CaptionOffsets() const override { return TRect{2, 1, 2, 1}; }
  int GripSize() const override { return 2 * GripWidth() + GripOffset() + 1; }
  int GripOffset() const override { return 2; }
  int MenuBeginGroupIndent() const override { return 2; }
  int SubMenuInnerBorder() const override { return 2; }
  // The classic raised and sunken look.
  void DrawGlyphFrame(HDC DC, const TdxBarItemPaintInfo& Item, const TRect& R) const override;
  void DrawCheckMarkGlyph(HDC DC, const TPoint& P, int Scale, TColor Color, bool Enabled) const override;
  bool ItemHasSeparateDropDownLook() const override { return true; }
  bool BarIsSmall(const TRect&) const override { return false; }
  void DrawMarkChevrons(HDC DC, bool Horizontal, bool Small, int Offset, int ClientWidth) const override;
  void DrawMarkBackground(HDC DC, const TdxBarControlPaintInfo& Bar, int State, HBRUSH Brush,
                          const TRect& R) const override;
  void FillDisabledShadow(HDC DC, const TRect& R) const override;
  void DrawEditFrame(HDC DC, const TdxBarItemPaintInfo& Item, const TRect& R) const override;
  HBRUSH GlyphBackgroundBrush(const TdxBarItemPaintInfo& Item) const override;
  bool BarAllowsQuickCustomizing() const override { return false; }
  void DrawFloatingCloseButton(HDC DC, const TdxBarControlPaintInfo& Bar, bool Pressed,
                               const TRect& R) const override;
  void DrawDockedBarBorder(HDC DC, const TdxBarControlPaintInfo& Bar, const TRect& R) const override;
  void DrawFloatingBarBorder(HDC DC, const TRect& R) const override;
  void DrawMDIButton(HDC DC, int Kind, int State, bool FlatClose, const TRect& R) const override;
  TRect MarkRect(const TdxBarControlPaintInfo& Bar, const TRect& Caption) const override;
  bool CaptionButtonsHaveFrame() const override { return true; }
  bool FloatingBarHasFrame() const override { return true; }
  void DrawSplitArrowBackground(HDC DC, const TdxBarItemPaintInfo& Item, HBRUSH Brush, TRect R) const override;
  void DrawComboButtonFrame(HDC DC, const TdxBarItemPaintInfo& Item, TRect& R) const override;
  void DrawDropDownListBorder(HDC DC, const TRect& R, TColor Color) const override;
  bool SubMenuFramesRecentGroups() const override { return true; }
  TRect SubMenuClientMargins(const TdxBarControlPaintInfo& Bar) const override;
  bool ProgressIsSegmented() const override { return true; }
  int SubMenuTopOffset() const override { return 2; }
  TRect CaptionBorderWidths() const override { return TRect{0, 0, 0, 2}; }
  int GlyphShiftX() const override { return 1; }
  int GlyphShiftY() const override { return 1; }
  int LoweredFrameExtraWidth() const override { return 1; }
  bool UsesMenuItemBrush() const override { return false; }
  void DrawMenuGlyphArea(HDC DC, const TdxBarItemPaintInfo& Item) const override;
  void SubMenuDrawItemFrame(HDC DC, const TdxBarControlPaintInfo& Bar, const TdxBarItemPaintInfo& Item,
                            bool Changes) const override;

 protected:
  // One grip bar across the bar, then kept out of the items' clip region.
  void DrawGripBar(HDC DC, bool Vertical, const TRect& R) const;
};
class TdxBarEnhancedPainter : public TdxBarStandardPainter {
  VAMIRE_CLASS(TdxBarEnhancedPainter, TdxBarStandardPainter)
 public:
  using TdxBarStandardPainter::TdxBarStandardPainter;
  int GripSize() const override { return GripWidth() + GripOffset() + 2; }
  int GripOffset() const override { return 1; }
  int MenuBeginGroupIndent() const override { return 12; }
  void DrawMarkChevrons(HDC DC, bool Horizontal, bool Small, int Offset, int ClientWidth) const override;
  void DrawMarkBackground(HDC DC, const TdxBarControlPaintInfo& Bar, int State, HBRUSH Brush,
                          const TRect& R) const override;
  bool BarAllowsQuickCustomizing() const override { return true; }
  void DrawDockedBarBorder(HDC DC, const TdxBarControlPaintInfo& Bar, const TRect& R) const override;
};
class TdxBarFlatPainter : public TdxBarPainter {
  VAMIRE_CLASS(TdxBarFlatPainter, TdxBarPainter)
 public:
  using TdxBarPainter::TdxBarPainter;
  int GripSize() const override { return 6; }
  int GripOffset() const override { return 1; }
  int ToolbarSeparatorSize() const override { return 5; }
  int ToolbarSeparatorInset() const override { return (ToolbarSeparatorSize() - 1) / 2; }
  int MenuSeparatorHeight() const override { return 5; }
  int MenuBeginGroupIndent() const override { return 8; }
  int SubMenuScrollArrowOffset() const override { return 1; }
  TRect EditTextMargins() const override { return TRect{1, 1, 1, 1}; }
  int MenuItemTextIndent(bool InMenu, int TextSize) const override { return InMenu ? TextSize + 3 : 0; }
  bool HasFlatLook() const override { return true; }
  int MenuReferenceTextSize() const override { return 20; }
  bool PaintsFlatItems() const override { return true; }
};
class TdxBarOffice11Painter : public TdxBarFlatPainter {
  VAMIRE_CLASS(TdxBarOffice11Painter, TdxBarFlatPainter)
 public:
  using TdxBarFlatPainter::TdxBarFlatPainter;
};
class TdxBarXPPainter : public TdxBarFlatPainter {
  VAMIRE_CLASS(TdxBarXPPainter, TdxBarFlatPainter)
 public:
  using TdxBarFlatPainter::TdxBarFlatPainter;
};

// The painter class of the skin style: the standard painter until the skin
// bar painter's unit files its own.
TdxBarPainterClass dxBarSkinPainterClass();
void SetdxBarSkinPainterClass(TdxBarPainterClass Value);

// --- Items, bars, links, groups and categories (the model the manager owns) ---------------
class TdxBarItemLink;
class TdxBarItemLinks;
class TdxBarComponentList;
class TdxBarItemActionLink;

enum TdxBarItemAlign { iaLeft, iaCenter, iaRight, iaClient };
VAMIRE_ENUM_NAMES(TdxBarItemAlign, L"iaLeft", L"iaCenter", L"iaRight", L"iaClient")
// Scoped: the edit masks have an mkNone of their own.
enum class TdxBarItemMergeKind { mkAdd, mkMergeByCaption, mkNone };
VAMIRE_ENUM_NAMES(TdxBarItemMergeKind, L"mkAdd", L"mkMergeByCaption", L"mkNone")
enum TdxBarPaintStyle { psStandard, psCaption, psCaptionInMenu, psCaptionGlyph };
VAMIRE_ENUM_NAMES(TdxBarPaintStyle, L"psStandard", L"psCaption", L"psCaptionInMenu", L"psCaptionGlyph")
enum TdxBarGlyphLayout { glLeft, glRight, glTop, glBottom };
VAMIRE_ENUM_NAMES(TdxBarGlyphLayout, L"glLeft", L"glRight", L"glTop", L"glBottom")
enum TdxBarUserDefine { udCaption, udGlyph, udPaintStyle, udWidth };
VAMIRE_ENUM_NAMES(TdxBarUserDefine, L"udCaption", L"udGlyph", L"udPaintStyle", L"udWidth")
using TdxBarUserDefines = TSet<TdxBarUserDefine, 4>;
enum TdxBarButtonGroupPosition { bgpNone, bgpStart, bgpMember };
VAMIRE_ENUM_NAMES(TdxBarButtonGroupPosition, L"bgpNone", L"bgpStart", L"bgpMember")
enum TdxBarItemPosition { ipBeginsNewRow, ipBeginsNewColumn, ipContinuesRow };
VAMIRE_ENUM_NAMES(TdxBarItemPosition, L"ipBeginsNewRow", L"ipBeginsNewColumn", L"ipContinuesRow")
enum TdxBarItemRealViewLevel { ivlLargeIconWithText, ivlSmallIconWithText, ivlSmallIcon, ivlControlOnly };
VAMIRE_ENUM_NAMES(TdxBarItemRealViewLevel, L"ivlLargeIconWithText", L"ivlSmallIconWithText", L"ivlSmallIcon",
                  L"ivlControlOnly")
using TdxBarItemViewLevels = TSet<TdxBarItemRealViewLevel, 4>;
enum TdxBarItemOptionValue { ioShowDescriptions, ioShowShortCuts, ioSize };
VAMIRE_ENUM_NAMES(TdxBarItemOptionValue, L"ioShowDescriptions", L"ioShowShortCuts", L"ioSize")
using TdxBarItemOptionValues = TSet<TdxBarItemOptionValue, 3>;
enum TdxBarMenuItemSize { misNormal, misLarge };
VAMIRE_ENUM_NAMES(TdxBarMenuItemSize, L"misNormal", L"misLarge")
enum TdxBarBorderStyle { bbsNone, bbsSingle };
VAMIRE_ENUM_NAMES(TdxBarBorderStyle, L"bbsNone", L"bbsSingle")
// The bar-control kinds a relayout request names: toolbar 0, quick customization 1, sub-menu 2.
using TdxBarControlKinds = TSet<int, 3>;

// The owner of a link collection: a bar, a sub item, a container item or a pop-up menu.
class IdxBarLinksOwner {
 public:
  // May the item be linked here? When not, AErrorText says why.
  virtual bool CanContainItem(TdxBarItem* AItem, String& AErrorText) = 0;
  virtual TComponent* GetInstance() = 0;
  virtual TdxBarItemLinks* GetItemLinks() = 0;

 protected:
  ~IdxBarLinksOwner() = default;
};

// The base of items, groups and pop-up menus: the answers of a component that
// can be selected while customizing, and the lists told of its changes.
class TdxBarComponent : public TComponent {
  VAMIRE_CLASS(TdxBarComponent, TComponent)
 public:
  explicit TdxBarComponent(TComponent* AOwner) : TComponent(AOwner) {}
  ~TdxBarComponent() override;
  TdxBarManager* BarManager() const { return FBarManager; }
  // Every list that shows the component is told (the whole list with WholeList).
  virtual void ComponentChanged(bool WholeList = false);
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool Value) = 0;
  virtual TdxBarItemVisible Visible() const { return FVisible; }
  virtual void SetVisible(TdxBarItemVisible Value) = 0;
  virtual bool CanBeDeleted(bool Destruction);
  // Frees the component when it may be deleted, clearing the caller's reference first.
  virtual void DeleteFromSelection(TdxBarComponent*& Reference, bool Destruction);
  virtual void ExecuteCustomizationAction(int) {}
  virtual void GetMasterObjects(TList* AList);
  virtual TComponent* GetSelectableParent() { return Owner(); }
  virtual uint8_t GetSelectionStatus();
  virtual uint16_t GetSupportedActions() { return 2; }
  virtual void Invalidate() {}
  virtual bool IsComplex() { return false; }
  virtual bool IsSelected();
  virtual void SelectComponent(int AOperation);
  virtual bool SelectParentComponent() { return false; }
  virtual void SelectionChanged() {}
  int NotifyListCount() const { return int(FNotifyLists.size()); }

 protected:
  TdxBarManager* FBarManager = nullptr;
  bool FEnabled = true;
  TdxBarItemVisible FVisible = ivAlways;

 private:
  friend class TdxBarComponentList;
  std::vector<TdxBarComponentList*> FNotifyLists;
};

// A list of bar components that tells each member it is listed, so the
// member's changes reach every list that shows it.
class TdxBarComponentList : public TcxComponentList {
  VAMIRE_CLASS(TdxBarComponentList, TcxComponentList)
 public:
  TdxBarComponentList() = default;
  ~TdxBarComponentList() override;
  TdxBarComponent* Items(int Index) const { return static_cast<TdxBarComponent*>(TcxComponentList::Items(Index)); }
  // Told by a member that it changed.
  void ComponentChanged(TdxBarComponent* AComponent, bool WholeList);

 protected:
  void DoNotifyComponent(TComponent* AComponent, TListNotification AAction) override;
  TClass GetAcceptedClass() override { return TdxBarComponent::StaticClass(); }
};

// A list that does not own its objects.
class TdxObjectList : public TObjectList {
  VAMIRE_CLASS(TdxObjectList, TObjectList)
 public:
  TdxObjectList() : TObjectList(false) {}
  // A non-null object not yet listed.
  void AddUnique(TObject* AObject);
  void CopyTo(TObjectList* ADest) const;
  TObject* Last() const { return Count() > 0 ? Items(Count() - 1) : nullptr; }
  TObject* ItemOrNil(int Index) const { return Index >= 0 && Index < Count() ? Items(Index) : nullptr; }
};

// --- Items --------------------------------------------------------------------------------
class TdxBarItem : public TdxBarComponent {
  VAMIRE_CLASS(TdxBarItem, TdxBarComponent)
 public:
  explicit TdxBarItem(TComponent* AOwner);
  ~TdxBarItem() override;
  void BeforeDestruction() override;

  // --- published
  TBasicAction* Action() const;
  void SetAction(TBasicAction* Value);
  TdxBarItemAlign Align() const { return FAlign; }
  void SetAlign(TdxBarItemAlign Value);
  virtual String Caption() const { return FCaption; }
  virtual void SetCaption(const String& Value);
  bool IsCaptionStored() const;
  int Category() const { return FCategory; }
  void SetCategory(int Value);
  // The index alone, the item staying where it is (the categories keep them in step).
  void SetCategoryIndex(int Value) { FCategory = Value; }
  const String& Description() const { return FDescription; }
  void SetDescription(const String& Value);
  bool Enabled() const override;
  void SetEnabled(bool Value) override;
  bool IsEnabledStored() const;
  int HelpContext() const { return FHelpContext; }
  void SetHelpContext(int Value) { FHelpContext = Value; }
  bool IsHelpContextStored() const;
  virtual String Hint() const { return FHint; }
  void SetHint(const String& Value);
  bool IsHintStored() const;
  const String& KeyTip() const { return FKeyTip; }
  void SetKeyTip(const String& Value) { FKeyTip = Value; }
  TdxBarItemMergeKind MergeKind() const { return FMergeKind; }
  void SetMergeKind(TdxBarItemMergeKind Value) { FMergeKind = Value; }
  int MergeOrder() const { return FMergeOrder; }
  void SetMergeOrder(int Value) { FMergeOrder = Value < 0 ? 0 : Value; }
  TcxStyle* Style() const;
  void SetStyle(TcxStyle* Value);
  void SetVisible(TdxBarItemVisible Value) override;
  bool IsVisibleStored() const;
  TNotifyEvent OnDestroy;
  // Published by the kinds that show them.
  virtual TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(TBitmap* Value) { FGlyph->Assign(Value); }
  TBitmap* LargeGlyph() const { return FLargeGlyph.get(); }
  void SetLargeGlyph(TBitmap* Value) { FLargeGlyph->Assign(Value); }
  virtual int ImageIndex() const { return FImageIndex; }
  virtual void SetImageIndex(int Value);
  bool IsImageIndexStored() const;
  int LargeImageIndex() const { return FLargeImageIndex; }
  virtual void SetLargeImageIndex(int Value);
  TdxBarPaintStyle PaintStyle() const { return FPaintStyle; }
  void SetPaintStyle(TdxBarPaintStyle Value);
  uint16_t ShortCut() const { return FShortCut; }
  void SetShortCut(uint16_t Value);
  bool IsShortCutStored() const;
  bool UnclickAfterDoing = false;
  int Width() const { return FWidth; }
  virtual void SetWidth(int Value);
  TdxBarGlyphLayout GlyphLayout() const { return FGlyphLayout; }
  void SetGlyphLayout(TdxBarGlyphLayout Value);
  bool ShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool Value);
  const TNotifyEvent& OnClick() const { return FOnClick; }
  void SetOnClick(const TNotifyEvent& Value) { FOnClick = Value; }
  bool IsOnClickStored() const;
  // Fired from Loaded.
  TNotifyEvent OnCreate;
  TObject* UserData = nullptr;
  bool Selectable = true;

  // --- kinds' answers
  virtual void BarManagerChanged() {}
  // Kind 0 toolbar (with its bar), 1 menu.
  virtual bool CanBePlacedOn(int APlaceKind, TdxBar* ABar, String& AReason);
  virtual bool SupportsPaintStyle() { return false; }
  virtual bool IsClickable() { return true; }
  virtual int GetLinkedImageIndex() { return FImageIndex; }
  virtual void SetLinkedImageIndex(int Value) { SetImageIndex(Value); }
  // The control class the registry files for exactly this item's class, or null.
  virtual TClass GetItemControlClass();
  virtual bool HideInCommandList() { return false; }
  virtual TdxBarItemLinks* SubItemLinks() { return nullptr; }
  virtual int GetStyleCount() const { return 1; }
  virtual bool CanActivateByAccelerator(TdxBarItemLink*) { return Enabled(); }
  virtual bool IsShownAtRunTime() { return true; }
  virtual bool CanMergeWith(TdxBarItem*) { return false; }
  virtual bool HandleShortCut(uint16_t AShortCut);
  virtual bool UsesStyleBackground() { return false; }
  virtual bool WantsControlHiddenNotice() { return false; }
  virtual void BarFreeNotification(int, TdxBar*) {}
  virtual void UpdateControls() {}
  virtual void Changed(TdxBarControlKinds AKinds);
  virtual bool HasHotImage() { return false; }
  virtual bool HasImage() { return FImageIndex >= 0 || FLargeImageIndex >= 0; }
  virtual String GetDefaultCaption();
  virtual String GetDefaultHint() { return String(); }
  TCustomImageList* Images() const;

  // --- change operations (what the links and, through them, the item controls are told)
  virtual void CaptionChanged();
  virtual void EnabledChanged();
  virtual void GlyphChanged();
  virtual void LargeGlyphChanged();
  virtual void PaintStyleChanged() {}
  virtual void ShortCutChanged();
  virtual void VisibleChanged();
  virtual void WidthChanged();

  // --- links
  int LinkCount() const { return int(FLinks.size()); }
  TdxBarItemLink* Links(int Index) const;
  // Visibility rule: ivAlways shown at run time (or customizing), ivInCustomizing only while customizing.
  bool IsShownNow();
  TcxViewParams GetStyleViewParams() const;
  TdxBarItemStylesData* StylesData() const { return FStylesData.get(); }
  bool IsApplyingActionValues() const { return FApplyingAction; }

  // --- click chain
  virtual void Click();
  virtual void DoClick();
  virtual void DoExecute();
  // Item controls set it for one click.
  TdxBarItemLink* ClickLink = nullptr;

  // --- actions, assignment, streaming
  virtual void ActionChange(TObject* Sender, bool CheckDefaults);
  virtual TActionLinkClass GetActionLinkClass();
  TdxBarItemActionLink* ActionLink() const { return FActionLink.get(); }
  void Assign(TPersistent* Source) override;
  void AssignTo(TPersistent* Dest) override;
  void Loaded() override;
  void ReadState(TReader* Reader) override;
  void SetName(const String& NewName) override;
  bool HasParent() override { return FCategory >= 0; }
  TComponent* GetParentComponent() override;
  void SetParentComponent(TComponent* Value) override;
  // Sets the manager (joining its item list) without the streaming checks.
  void SetBarManager(TdxBarManager* Value);

  // --- customizing
  bool CanBeDeleted(bool Destruction) override;
  void DeleteFromSelection(TdxBarComponent*& Reference, bool Destruction) override;
  uint16_t GetSupportedActions() override;
  bool IsComplex() override { return LinkCount() > 1; }
  void GetMasterObjects(TList* AList) override;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The kinds' view of the click flag and Down (buttons).
  bool FApplyingAction = false;

 private:
  friend class TdxBarItemLink;
  friend class TdxBarItemActionLink;
  void StyleChangeHandler(int AKind);
  void GlyphBitmapChanged(TObject* Sender);
  void LargeGlyphBitmapChanged(TObject* Sender);
  void ActionChangeHandler(TObject* Sender);
  bool HintFollowsCaption() const;
  void AddLink(TdxBarItemLink* ALink);
  void RemoveLink(TdxBarItemLink* ALink);

  std::unique_ptr<TdxBarItemActionLink> FActionLink;
  TdxBarItemAlign FAlign = iaLeft;
  String FCaption, FDescription, FHint, FKeyTip;
  int FCategory = -1, FHelpContext = 0, FMergeOrder = 0;
  TdxBarItemMergeKind FMergeKind = TdxBarItemMergeKind::mkAdd;
  std::unique_ptr<TdxBarItemStylesData> FStylesData;
  std::unique_ptr<TBitmap> FGlyph, FLargeGlyph;
  int FImageIndex = -1, FLargeImageIndex = -1, FWidth = 0;
  TdxBarPaintStyle FPaintStyle = psStandard;
  uint16_t FShortCut = 0;
  TdxBarGlyphLayout FGlyphLayout = glTop;
  bool FShowCaption = false, FItemDestroying = false;
  TNotifyEvent FOnClick;
  std::vector<TdxBarItemLink*> FLinks;
};
using TdxBarItemClass = TClass;

// Static text on a bar or menu; it cannot be clicked.
class TdxBarLabel : public TdxBarItem {
  VAMIRE_CLASS(TdxBarLabel, TdxBarItem)
 public:
  explicit TdxBarLabel(TComponent* AOwner);
};

// A separator line with an optional caption, for menus only. A link
// collection also leaves out separators that would stand last or next to
// another one.
class TdxBarSeparator : public TdxBarLabel {
  VAMIRE_CLASS(TdxBarSeparator, TdxBarLabel)
 public:
  using TdxBarLabel::TdxBarLabel;
  bool CanBePlacedOn(int APlaceKind, TdxBar* ABar, String& AReason) override;
  String GetDefaultCaption() override;
  uint16_t GetSupportedActions() override;
};

// Connects an item to an action: a value is linked while the item still shows the action's.
class TdxBarItemActionLink : public TActionLink {
  VAMIRE_CLASS(TdxBarItemActionLink, TActionLink)
 public:
  explicit TdxBarItemActionLink(TObject* AClient);
  TdxBarItem* Item() const { return FItem; }
  bool IsCaptionLinked() override;
  bool IsEnabledLinked() override;
  bool IsHelpContextLinked() override;
  bool IsHintLinked() override;
  bool IsImageIndexLinked() override;
  bool IsShortCutLinked() override;
  bool IsVisibleLinked() override;
  bool IsOnExecuteLinked() override;
  void SetCaption(const String& Value) override;
  void SetEnabled(bool Value) override;
  void SetHelpContext(int Value) override;
  void SetHint(const String& Value) override;
  void SetImageIndex(int Value) override;
  void SetShortCut(TShortCut Value) override;
  void SetVisible(bool Value) override;
  void SetOnExecute(const TNotifyEvent& Value) override;

 private:
  TCustomAction* CustomAction() const { return dynamic_cast<TCustomAction*>(Action()); }
  TdxBarItem* FItem;
};

// --- Item links ---------------------------------------------------------------------------
class TdxBarItemLink : public TcxInterfacedCollectionItem {
  VAMIRE_CLASS(TdxBarItemLink, TcxInterfacedCollectionItem)
 public:
  explicit TdxBarItemLink(TCollection* ACollection);
  ~TdxBarItemLink() override;
  void Assign(TPersistent* Source) override;
  void DefineProperties(TFiler* Filer) override;

  // --- published
  bool BeginGroup();
  void SetBeginGroup(bool Value);
  bool StoredBeginGroup() const { return FBeginGroup; }
  TdxBarButtonGroupPosition ButtonGroup() const { return FButtonGroup; }
  void SetButtonGroup(TdxBarButtonGroupPosition Value);
  bool Distributed() const { return FDistributed; }
  void SetDistributed(bool Value);
  TdxBarItem* Item() const;
  void SetItem(TdxBarItem* Value);
  bool MostRecentlyUsed() const { return FMostRecentlyUsed; }
  void SetMostRecentlyUsed(bool Value);
  TdxBarItemPosition Position() const { return FPosition; }
  void SetPosition(TdxBarItemPosition Value);
  const String& UserCaption() const { return FUserCaption; }
  void SetUserCaption(const String& Value);
  TdxBarUserDefines UserDefine() const { return FUserDefine; }
  void SetUserDefine(TdxBarUserDefines Value);
  TBitmap* UserGlyph() const { return FUserGlyph.get(); }
  void SetUserGlyph(TBitmap* Value);
  TdxBarPaintStyle UserPaintStyle() const { return FUserPaintStyle; }
  void SetUserPaintStyle(TdxBarPaintStyle Value);
  int UserWidth() const { return FUserWidth; }
  void SetUserWidth(int Value);
  TdxBarItemViewLevels ViewLevels() const { return FViewLevels; }
  void SetViewLevels(TdxBarItemViewLevels Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);

  // --- effective values and places
  TdxBarItemLinks* GetLinks() const;
  TdxBarManager* GetBarManager() const;
  String Caption() const;
  TBitmap* Glyph() const;
  TdxBarPaintStyle GetPaintStyle() const;
  int GetWidth() const;
  int GetShownIndex() const;
  int GetVisibleIndex() const;
  int GetRecentIndex() const;
  TdxBarItemLink* GetOriginalLink() { return FOriginalLink ? FOriginalLink : this; }
  TdxBarItemLink* OriginalLink() const { return FOriginalLink; }
  void SetOriginalLink(TdxBarItemLink* Value) { FOriginalLink = Value; }
  TdxBar* MergeOrigin() const { return FMergeOrigin; }
  int UseCount() const { return FUseCount; }
  void SetUseCount(int Value) { FUseCount = Value; }
  const String& LoadedItemName() const { return FLoadedItemName; }

  // --- recency
  void MarkAsRecentlyUsed(bool CountUse = true);
  void MoveToRecentIndex(int AIndex);
  void MoveToRecentEnd();
  void CopyUsageFrom(TdxBarItemLink* ALink);
  void SavePrevRecentIndex() { FPrevRecentIndex = GetRecentIndex(); }
  void RestorePrevRecentIndex() { MoveToRecentIndex(FPrevRecentIndex); }
  void ToggleNextBeginGroup();
  bool MatchesAccelerator(uint16_t Key, TShiftState Shift) const;
  void SetDistributedFromLayout(bool Value);
  bool IsDistributedChanged() const;
  intptr_t Data = 0;
  // Test hook: how many links exist.
  static int LiveCount();
  // --- the screen side: the item control shown while the collection has a bar
  // control, and the rectangle the bar control's layout gives the link
  // (dxBar_itemcontrol.cpp)
  TdxBarItemControl* Control() const { return FControl; }
  TCustomdxBarControl* BarControl() const;
  const TRect& ItemRect() const { return FItemRect; }
  void SetItemRect(const TRect& R) { FItemRect = R; }
  void CreateControl();
  void FreeControl();
  void RecreateControl();
  // Pending loaded state, applied by the collection after loading.
  bool LoadedVisible = true;
  int LoadedRecentIndex = -1, LoadedUseCount = 0;

 private:
  friend class TdxBarItemLinks;
  friend class TdxBarItem;
  friend class TdxBarItemControl;
  void SetRecencyAnew();
  void Notify();
  void ReadItemName(TReader* Reader);
  void WriteItemName(TWriter* Writer);
  bool IsItemNameStored(TFiler* Filer);

  TdxBarItem* FItem = nullptr;
  bool FBeginGroup = false, FDistributed = true, FMostRecentlyUsed = true, FVisible = true;
  TdxBarButtonGroupPosition FButtonGroup = bgpNone;
  TdxBarItemPosition FPosition = ipBeginsNewRow;
  String FUserCaption, FLoadedItemName;
  TdxBarUserDefines FUserDefine;
  std::unique_ptr<TBitmap> FUserGlyph;
  TdxBarPaintStyle FUserPaintStyle = psStandard;
  int FUserWidth = 0;
  TdxBarItemViewLevels FViewLevels{ivlLargeIconWithText, ivlSmallIconWithText, ivlSmallIcon, ivlControlOnly};
  int FUseCount = 0, FPrevRecentIndex = -1, FPendingRecentIndex = -1;
  TdxBarItemLink* FOriginalLink = nullptr;
  TdxBar* FMergeOrigin = nullptr;
  TdxBarItemControl* FControl = nullptr;
  TRect FItemRect{};
};

// The menu options of a link collection; an option not assigned answers the collection's default.
class TdxBarItemOptions : public TPersistent {
  VAMIRE_CLASS(TdxBarItemOptions, TPersistent)
 public:
  explicit TdxBarItemOptions(TdxBarItemLinks* ALinks);
  void Assign(TPersistent* Source) override;
  TPersistent* GetOwner() override;
  TdxBarItemOptionValues AssignedValues() const { return FAssignedValues; }
  void SetAssignedValues(TdxBarItemOptionValues Value) { FAssignedValues = Value; }
  bool ShowDescriptions() const;
  void SetShowDescriptions(bool Value);
  bool ShowShortCuts() const;
  void SetShowShortCuts(bool Value);
  TdxBarMenuItemSize Size() const;
  void SetSize(TdxBarMenuItemSize Value);
  bool IsShowDescriptionsStored() const { return FAssignedValues.Contains(ioShowDescriptions); }
  bool IsShowShortCutsStored() const { return FAssignedValues.Contains(ioShowShortCuts); }
  bool IsSizeStored() const { return FAssignedValues.Contains(ioSize); }

 private:
  TdxBarItemLinks* FLinks;
  TdxBarItemOptionValues FAssignedValues;
  bool FShowDescriptions = false, FShowShortCuts = true;
  TdxBarMenuItemSize FSize = misNormal;
};

// The links of a bar, sub item, container item or pop-up menu, with the lists
// a bar control reads: available, visible and shown links, and the recent order.
class TdxBarItemLinks : public TCollection {
  VAMIRE_CLASS(TdxBarItemLinks, TCollection)
 public:
  TdxBarItemLinks(TdxBarManager* ABarManager, IdxBarLinksOwner* AOwner);
  ~TdxBarItemLinks() override;
  void Assign(TPersistent* Source) override;
  TPersistent* GetOwner() override;

  TdxBarManager* BarManager() const { return FBarManager; }
  void SetBarManager(TdxBarManager* Value) { FBarManager = Value; }
  IdxBarLinksOwner* LinksOwner() const { return FOwner; }
  TComponent* GetLinksOwner() const { return FOwner ? FOwner->GetInstance() : nullptr; }
  TdxBarItemLink* Links(int Index) const { return static_cast<TdxBarItemLink*>(Items(Index)); }

  TdxBarItemLink* AddLink();
  TdxBarItemLink* AddItem(TdxBarItem* AItem);
  TdxBarItemLink* AddItemOfClass(TdxBarItemClass AItemClass, TdxBarManager* AManager = nullptr);
  TdxBarItemLink* InsertLink(int Index);
  void MoveLink(int From, int To);
  int IndexOfLink(TdxBarItemLink* ALink) const;
  int IndexOfItemName(const String& AName) const;

  int GetAvailableLinkCount() const { return int(FAvailable.size()); }
  TdxBarItemLink* GetAvailableLink(int I) const { return At(FAvailable, I); }
  int GetVisibleLinkCount() const { return int(FVisibleLinks.size()); }
  TdxBarItemLink* GetVisibleLink(int I) const { return At(FVisibleLinks, I); }
  int GetShownLinkCount() const { return int(FShown.size()); }
  TdxBarItemLink* GetShownLink(int I) const { return At(FShown, I); }
  int RecentCount() const { return int(FRecent.size()); }
  TdxBarItemLink* GetRecentLink(int I) const { return At(FRecent, I); }
  int GetFittingLinkCount() const;
  int GetRecentLinkCount() const;
  int RecentLinkLimit() const { return FRecentLimit; }
  void SetRecentLinkLimit(int N);
  void RestoreRecentLinkLimit();
  bool UsesRecentItems() const;
  bool UseRecentItems() const { return FUseRecentItems; }
  void SetUseRecentItems(bool Value);
  void RebuildLinkLists();
  bool ShowDescriptions();
  bool ShowShortCuts();
  TdxBarMenuItemSize GetMenuItemSize();
  TdxBarItemOptions* ItemOptions() const { return FItemOptions.get(); }
  void SetItemOptions(TdxBarItemOptions* Value) { FItemOptions->Assign(Value); }
  void UpdateActions();
  bool HandleShortCut(uint16_t AShortCut);
  TdxBarItemLink* FindLinkByAccelerator(uint16_t Key, TShiftState Shift, TdxBarItemLink* AStartLink);
  TdxBarItemLink* GetFirstSelectableLink();
  TdxBarItemLink* GetLastSelectableLink();
  TdxBarItemLink* GetNextSelectableLink(TdxBarItemLink* ALink, bool AnyLink);
  TdxBarItemLink* GetPrevSelectableLink(TdxBarItemLink* ALink, bool AnyLink);
  bool ContainsLinksOwner(IdxBarLinksOwner* AOwner, int ADepth = 0) const;
  void ResolveLoadedItems();
  void ApplyLoadedState(bool WithVisibility);
  void MoveHiddenToRecentEnd();
  void MergeLinks(TdxBarItemLinks* ASource);
  void UnmergeLinks(TdxBar* ABar);
  void BeginUpdate() override;
  void EndUpdate() override;
  bool IsAssigning() const { return FAssigning; }
  TNotifyEvent OnChange;
  // The bar control that shows the links (null while none does).
  TCustomdxBarControl* BarControl() const { return FBarControl; }
  void SetBarControl(TCustomdxBarControl* Value) { FBarControl = Value; }
  bool HasItemControl(const TdxBarItemControl* AControl) const;

  virtual bool AllLinksFit() const;
  virtual TdxBarItemLink* FindLinkByAcceleratorFrom(uint16_t Key, TShiftState Shift, TdxBarItemLink* ALink) = 0;
  virtual void GetDefaultItemOption(TdxBarItemOptionValue Option, int& Value);
  virtual void GetItemOption(TdxBarItemOptionValue Option, int& Value);
  virtual bool CanContainItem(TdxBarItem* AItem, String& AErrorText);

 protected:
  void Update(TCollectionItem* Item) override;
  void Notify(TCollectionItem* Item, TCollectionNotification Action) override;
  // The links that select by keyboard: the first fitting shown links.
  bool IsSelectable(TdxBarItemLink* ALink) const;

 private:
  friend class TdxBarItemLink;
  static TdxBarItemLink* At(const std::vector<TdxBarItemLink*>& L, int I) {
    return I >= 0 && I < int(L.size()) ? L[size_t(I)] : nullptr;
  }
  bool IsCustomizingOrDesigning() const;
  bool IsDesigning() const;
  bool IsOwnerLoading() const;
  void MoveInRecent(TdxBarItemLink* ALink, int AIndex);
  TdxBarManager* FBarManager;
  IdxBarLinksOwner* FOwner;
  std::vector<TdxBarItemLink*> FAvailable, FVisibleLinks, FShown, FRecent, FDistributedChanged;
  int FRecentLimit = -1, FSavedRecentLimit = -1;
  bool FUseRecentItems = true, FAssigning = false, FDestroying = false;
  std::unique_ptr<TdxBarItemOptions> FItemOptions;
  TCustomdxBarControl* FBarControl = nullptr;
};

// The links of a bar.
class TdxBarControlItemLinks : public TdxBarItemLinks {
  VAMIRE_CLASS(TdxBarControlItemLinks, TdxBarItemLinks)
 public:
  using TdxBarItemLinks::TdxBarItemLinks;
  // Only a shown bar window answers: until the bars have windows, none.
  TdxBarItemLink* FindLinkByAcceleratorFrom(uint16_t Key, TShiftState Shift, TdxBarItemLink* ALink) override;
};

// The links of sub items, pop-up menus and the library's own menus: all of them fit.
class TdxBarSubMenuControlItemLinks : public TdxBarItemLinks {
  VAMIRE_CLASS(TdxBarSubMenuControlItemLinks, TdxBarItemLinks)
 public:
  using TdxBarItemLinks::TdxBarItemLinks;
  bool AllLinksFit() const override { return true; }
  TdxBarItemLink* FindLinkByAcceleratorFrom(uint16_t Key, TShiftState Shift, TdxBarItemLink* ALink) override;
};

// --- Bars ---------------------------------------------------------------------------------
// A toolbar or menu bar of a manager: its caption, links, docked or floating place and look.
class TdxBar : public TcxComponentCollectionItem, public IdxBarLinksOwner {
  VAMIRE_CLASS(TdxBar, TcxComponentCollectionItem)
 public:
  explicit TdxBar(TComponent* AOwner);
  ~TdxBar() override;
  void BeforeDestruction() override;
  void Assign(TPersistent* Source) override;
  void SetName(const String& NewName) override;
  TcxComponentCollection* GetCollectionFor(TComponent* AParent) override;
  void SetParentComponent(TComponent* Value) override;
  // A bar read from a form file joins the manager it is read in.
  bool HasParent() override { return true; }

  // --- published
  bool AllowClose() const { return FAllowClose; }
  void SetAllowClose(bool Value);
  bool AllowCustomizing = true;
  bool AllowQuickCustomizing() const { return FAllowQuickCustomizing; }
  void SetAllowQuickCustomizing(bool Value) { FAllowQuickCustomizing = Value; }
  bool AllowReset = true;
  uint8_t AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(uint8_t Value) { FAlphaBlendValue = Value; }
  TBitmap* BackgroundBitmap() const { return FBackgroundBitmap.get(); }
  void SetBackgroundBitmap(TBitmap* Value) { FBackgroundBitmap->Assign(Value); }
  TdxBarBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TdxBarBorderStyle Value) { FBorderStyle = Value; }
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  TObject* DockControl() const { return FDockControl; }
  void SetDockControl(TObject* Value);
  TObject* DockedDockControl() const { return FDockedDockControl; }
  TdxBarDockingStyle DockedDockingStyle() const { return FDockedDockingStyle; }
  void SetDockedDockingStyle(TdxBarDockingStyle Value);
  bool IsDockedDockingStyleStored() const { return FDockedDockControl == nullptr; }
  int DockedLeft() const { return FDockedLeft; }
  void SetDockedLeft(int Value);
  int DockedTop() const { return FDockedTop; }
  void SetDockedTop(int Value);
  TdxBarDockingStyle DockingStyle() const;
  void SetDockingStyle(TdxBarDockingStyle Value);
  bool IsDockingStyleStored() const { return FDockControl == nullptr; }
  int FloatLeft() const { return FFloatLeft; }
  void SetFloatLeft(int Value);
  int FloatTop() const { return FFloatTop; }
  void SetFloatTop(int Value);
  int FloatClientWidth() const { return FFloatClientWidth; }
  void SetFloatClientWidth(int Value);
  int FloatClientHeight() const { return FFloatClientHeight; }
  void SetFloatClientHeight(int Value);
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  bool IsFontStored() const { return FUseOwnFont; }
  virtual TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(TBitmap* Value) { FGlyph->Assign(Value); }
  bool Hidden() const { return FHidden; }
  void SetHidden(bool Value);
  bool IsMainMenu() const { return FIsMainMenu; }
  void SetIsMainMenu(bool Value);
  TdxBarItemLinks* ItemLinks() const { return FItemLinks.get(); }
  void SetItemLinks(TdxBarItemLinks* Value);
  String KeyTip;
  bool MultiLine() const { return FMultiLine; }
  void SetMultiLine(bool Value);
  TdxBarDockingStyles NotDocking() const { return FNotDocking; }
  void SetNotDocking(TdxBarDockingStyles Value) { FNotDocking = Value; }
  String OldName;
  bool OneOnRow() const { return FOneOnRow; }
  void SetOneOnRow(bool Value) { FOneOnRow = Value; }
  bool RotateWhenVertical() const { return FRotateWhenVertical; }
  void SetRotateWhenVertical(bool Value) { FRotateWhenVertical = Value; }
  int Row() const { return FRow; }
  void SetRow(int Value);
  bool ShowMark() const { return FShowMark; }
  void SetShowMark(bool Value) { FShowMark = Value; }
  bool SizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool Value) { FSizeGrip = Value; }
  bool UseOwnFont() const { return FUseOwnFont; }
  void SetUseOwnFont(bool Value);
  bool UseRecentItems() const;
  void SetUseRecentItems(bool Value);
  bool UseRestSpace() const { return FUseRestSpace; }
  void SetUseRestSpace(bool Value) { FUseRestSpace = Value; }
  bool Visible() const;
  void SetVisible(bool Value);
  bool WholeRow() const { return FWholeRow; }
  void SetWholeRow(bool Value) { FWholeRow = Value; }

  // --- operations
  TdxBarManager* BarManager() const;
  // The window that shows the bar; none until the bars have windows.
  TObject* GetBarControl() const { return nullptr; }
  TObject* GetEffectiveDockControl() const { return FDockControl; }
  void DockTo(TdxBarDockingStyle AStyle, TObject* ADockControl);
  bool IsStatusBar() const { return FBorderStyle == bbsNone && DockingStyle() == dsBottom && FWholeRow; }
  // A status bar's grip, unless its form is maximized (the window's own reach comes with the bar controls).
  bool IsSizeGripShown() const;
  bool CanClose() const { return FAllowClose && !FIsMainMenu; }
  bool CanReset() const { return FPredefined && AllowReset; }
  bool CanDockAnywhere() const;
  void Reset();
  void ResetWithConfirmation();
  void Merge(TdxBar* ABar, bool ARestoreVisibility = true);
  void UnMerge(TdxBar* ABar, bool ARestoreVisibility = true);
  void UnmergeBarsOfManager(TdxBarManager* AManager, bool ARestoreVisibility);
  TdxBar* MergedWith() const { return FMergedWith; }
  int MergedBarCount() const { return int(FMergedBars.size()); }
  TdxBar* MergedBars(int Index) const { return FMergedBars[size_t(Index)]; }
  // A bar made by merging is freed (or, keeping it, hidden) when its last merged bar leaves.
  bool CreatedByMerging = false;
  bool KeepWhenEmptied = false;
  bool Predefined() const { return FPredefined; }
  void SetPredefined(bool Value) { FPredefined = Value; }
  void MarkChanged() { FChanged = true; }
  bool IsChanged() const { return FChanged; }
  bool HandleShortCut(uint16_t AShortCut) { return FItemLinks && FItemLinks->HandleShortCut(AShortCut); }
  TFont* EditFont() const { return FEditFont.get(); }
  // The manager's font, taken without counting as a change of one's own.
  void ApplyManagerFont();
  TNotifyEvent OnDestroyNotify;

  // --- IdxBarLinksOwner
  bool CanContainItem(TdxBarItem* AItem, String& AErrorText) override;
  TComponent* GetInstance() override { return this; }
  TdxBarItemLinks* GetItemLinks() override { return FItemLinks.get(); }

 private:
  void FontChanged(TObject* Sender);
  void DoChanged();
  void SetVisibleKeepingBounds(bool Value);

  std::unique_ptr<TdxBarControlItemLinks> FItemLinks;
  std::unique_ptr<TBitmap> FBackgroundBitmap, FGlyph;
  std::unique_ptr<TFont> FFont, FEditFont;
  bool FAllowClose = true, FAllowQuickCustomizing = true, FHidden = false, FIsMainMenu = false, FMultiLine = false;
  bool FOneOnRow = false, FRotateWhenVertical = true, FShowMark = true, FSizeGrip = true, FUseOwnFont = false;
  bool FUseRestSpace = false, FVisible = false, FWholeRow = false, FPredefined = true, FChanged = false;
  bool FInternalFontChange = false, FDockingStyleChanging = false, FLoadedVisible = false;
  bool FInternallyHidden = false, FVisibleBeforeMerging = false;
  uint8_t FAlphaBlendValue = 255;
  TdxBarBorderStyle FBorderStyle = bbsSingle;
  String FCaption;
  TColor FColor = clDefault;
  TObject* FDockControl = nullptr;
  TObject* FDockedDockControl = nullptr;
  TdxBarDockingStyle FDockedDockingStyle = dsTop, FDockingStyle = dsNone, FLoadedDockingStyle = dsNone;
  int FDockedLeft = 0, FDockedTop = 0, FFloatLeft = 0, FFloatTop = 0, FFloatClientWidth = 0,
      FFloatClientHeight = 0, FRow = 0;
  TdxBarDockingStyles FNotDocking;
  TdxBar* FMergedWith = nullptr;
  std::vector<TdxBar*> FMergedBars;
};

class TdxBars : public TcxComponentCollection {
  VAMIRE_CLASS(TdxBars, TcxComponentCollection)
 public:
  explicit TdxBars(TdxBarManager* ABarManager);
  TdxBarManager* BarManager() const { return FBarManager; }
  TdxBar* Items(int Index) const { return static_cast<TdxBar*>(TcxComponentCollection::Items(Index)); }
  TdxBar* GetBar(int Index) const { return Index >= 0 && Index < Count() ? Items(Index) : nullptr; }
  TdxBar* Add() { return static_cast<TdxBar*>(AddItem()); }
  TdxBar* AddBar() { return Add(); }
  void RebuildAll() {}
  int DockingZoneSize = 23;

 protected:
  void AssignItemName(TcxComponentCollectionItem* AItem) override;
  void UpdateItems(TcxComponentCollectionItem* AItem, TcxComponentCollectionNotification AAction) override;

 private:
  TdxBarManager* FBarManager;
};

// --- Groups -------------------------------------------------------------------------------
// Items and groups switched on and off together.
class TdxBarGroup : public TdxBarComponent {
  VAMIRE_CLASS(TdxBarGroup, TdxBarComponent)
 public:
  explicit TdxBarGroup(TComponent* AOwner);
  ~TdxBarGroup() override;
  bool Enabled() const override { return FEnabled; }
  void SetEnabled(bool Value) override;
  void SetVisible(TdxBarItemVisible Value) override;
  void AddItem(TdxBarComponent* AComponent);
  void RemoveItem(TdxBarComponent* AComponent);
  int IndexOfItem(TdxBarComponent* AComponent) const;
  int ItemCount() const;
  TdxBarComponent* Items(int Index) const;
  // Does this group hold AGroup, directly or through nested groups?
  bool Contains(TdxBarComponent* AComponent, int ADepth = 0) const;
  void SetGroupIndex(int AIndex);
  void SetBarManager(TdxBarManager* Value);

  bool HasParent() override { return true; }
  TComponent* GetParentComponent() override;
  void SetParentComponent(TComponent* Value) override;
  void DefineProperties(TFiler* Filer) override;
  void Loaded() override;
  void SetName(const String& NewName) override;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  template <class F>
  void ForEachLocked(bool ForEnabled, F Action);
  void ReadItems(TReader* Reader);
  void WriteItems(TWriter* Writer);
  bool ItemNamesDiffer(TFiler* Filer);
  std::unique_ptr<TdxBarComponentList> FItems;
  std::unique_ptr<TStringList> FLoadedNames;
};

// --- Backgrounds and key tips -------------------------------------------------------------

// --- Image options ------------------------------------------------------------------------
// A persistent object owned by a bar manager.
class TdxBarPersistent : public TPersistent {
  VAMIRE_CLASS(TdxBarPersistent, TPersistent)
 public:
  explicit TdxBarPersistent(TdxBarManager* ABarManager) : FBarManager(ABarManager) {}
  TdxBarManager* BarManager() const { return FBarManager; }
  TPersistent* GetOwner() override;

 private:
  TdxBarManager* FBarManager;
};

// The manager's bar and sub-menu backgrounds.
class TdxBarBackgrounds : public TdxBarPersistent {
  VAMIRE_CLASS(TdxBarBackgrounds, TdxBarPersistent)
 public:
  explicit TdxBarBackgrounds(TdxBarManager* ABarManager);
  ~TdxBarBackgrounds() override;
  void Assign(TPersistent* Source) override;
  TBitmap* Bar() const { return FBar.get(); }
  void SetBar(TBitmap* Value);
  TBitmap* SubMenu() const { return FSubMenu.get(); }
  void SetSubMenu(TBitmap* Value) { FSubMenu->Assign(Value); }

 private:
  void BarChanged(TObject* Sender);
  std::unique_ptr<TBitmap> FBar, FSubMenu;
};

// One key tip of keyboard navigation: what the key-tip window shows and where.
struct TdxBarKeyTipInfo {
  String KeyTip;
  TPoint BasePoint;
  uint8_t HorzAlign = 0, VertAlign = 0, Flags = 0;
};
// Makes and removes key-tip windows; none in this system, so callers hand one in.
class IdxBarKeyTipWindowsManager {
 public:
  virtual TObject* Add(const String& ACaption, const TPoint& ABasePoint, uint8_t AHorzAlign, uint8_t AVertAlign,
                       uint8_t AFlags) = 0;
  virtual void Remove(TObject* AWindow) = 0;

 protected:
  ~IdxBarKeyTipWindowsManager() = default;
};
class TdxBarKeyTipData : public TObject {
  VAMIRE_CLASS(TdxBarKeyTipData, TObject)
 public:
  explicit TdxBarKeyTipData(const TdxBarKeyTipInfo& AInfo) : Info(AInfo) {}
  TdxBarKeyTipInfo Info;
  String KeyTipText() const;
  void ShowKeyTipWindow(IdxBarKeyTipWindowsManager* AManager);
  void CloseKeyTipWindow(IdxBarKeyTipWindowsManager* AManager);
  TObject* Window() const { return FWindow; }

 private:
  TObject* FWindow = nullptr;
};

// The manager's image lists and how glyphs are drawn from them.
class TdxBarImageOptions : public TdxBarPersistent {
  VAMIRE_CLASS(TdxBarImageOptions, TdxBarPersistent)
 public:
  enum TList { ilDisabled, ilDisabledLarge, ilHot, ilImages, ilLarge, ilCount };
  explicit TdxBarImageOptions(TdxBarManager* ABarManager);
  ~TdxBarImageOptions() override;
  // From another image-option object: everything but CacheGlyphs.
  void Assign(TPersistent* Source) override;

  bool CacheGlyphs() const { return FCacheGlyphs; }
  void SetCacheGlyphs(bool Value) { FCacheGlyphs = Value; }
  TCustomImageList* DisabledImages() const { return FLists[ilDisabled]; }
  void SetDisabledImages(TCustomImageList* Value) { SetList(ilDisabled, Value); }
  TCustomImageList* DisabledLargeImages() const { return FLists[ilDisabledLarge]; }
  void SetDisabledLargeImages(TCustomImageList* Value) { SetList(ilDisabledLarge, Value); }
  TCustomImageList* HotImages() const { return FLists[ilHot]; }
  void SetHotImages(TCustomImageList* Value) { SetList(ilHot, Value); }
  TCustomImageList* Images() const { return FLists[ilImages]; }
  void SetImages(TCustomImageList* Value) { SetList(ilImages, Value); }
  TCustomImageList* LargeImages() const { return FLists[ilLarge]; }
  void SetLargeImages(TCustomImageList* Value);
  TColor ImageListBkColor() const { return FImageListBkColor; }
  void SetImageListBkColor(TColor Value);
  bool LargeIcons() const { return FLargeIcons; }
  void SetLargeIcons(bool Value);
  bool MakeDisabledImagesFaded() const { return FMakeDisabledImagesFaded; }
  void SetMakeDisabledImagesFaded(bool Value);
  bool SmoothGlyphs() const { return FSmoothGlyphs; }
  void SetSmoothGlyphs(bool Value) { FSmoothGlyphs = Value; }
  bool StretchGlyphs() const { return FStretchGlyphs; }
  void SetStretchGlyphs(bool Value) { FStretchGlyphs = Value; }
  bool UseLargeImagesForLargeIcons() const { return FUseLargeImagesForLargeIcons; }
  void SetUseLargeImagesForLargeIcons(bool Value);
  bool UseLeftBottomPixelAsTransparent() const { return FUseLeftBottomPixelAsTransparent; }
  void SetUseLeftBottomPixelAsTransparent(bool Value);

  int GlyphSize() const { return FGlyphSize; }
  void UpdateGlyphSize();
  bool UsesLargeImagesForLargeIcons() const { return FUseLargeImagesForLargeIcons && FLists[ilLarge]; }
  // Any of the lists still being read from a form resource.
  bool ImageListsLoading() const;

  TNotifyEvent OnChanged;
  TNotifyEvent OnLargeIconsChanged;
  // Told which list's contents changed.
  TMethod<void(TList List)> OnImageListChanged;

 private:
  void SetList(TList Index, TCustomImageList* Value);
  void Changed();
  void LargeIconsChanged();
  void ListFreed(TComponent* AComponent);

  class TSlotLink;
  TCustomImageList* FLists[ilCount] = {};
  std::unique_ptr<TSlotLink> FLinks[ilCount];
  TcxFreeNotificator* FFreeNotificator;
  bool FCacheGlyphs = true;
  TColor FImageListBkColor = TColor(0xFF00FF);
  bool FLargeIcons = false, FMakeDisabledImagesFaded = false, FSmoothGlyphs = false, FStretchGlyphs = true;
  bool FUseLargeImagesForLargeIcons = false, FUseLeftBottomPixelAsTransparent = true;
  int FGlyphSize = 16;
};

// --- Hints --------------------------------------------------------------------------------
// What an object under the mouse tells the hint machinery.
class IdxBarHintSource : public virtual IInterface {
  VAMIRE_INTERFACE(IdxBarHintSource, IInterface, "{587A00C4-A7E0-4032-98E5-4DB8F3918ADF}")
 public:
  virtual bool HasHint(String& AHint, String& AShortCut) = 0;
  virtual bool IsEnabled() = 0;
};

// The one hint window of the library: a tooltip at the mouse; in screen-tip
// mode its delays are longer.
class TdxBarHintWindow : public TcxBaseHintWindow {
  VAMIRE_CLASS(TdxBarHintWindow, TcxBaseHintWindow)
 public:
  explicit TdxBarHintWindow(TComponent* AOwner);
  bool ScreenTipMode = false;
  int ShowDelay() const { return ScreenTipMode ? 900 : 1000; }
  int HideDelay() const { return ScreenTipMode ? 200000 : 10000; }
  // Shows the hint (and the shortcut after it) below the mouse; false when there is nothing to show.
  virtual bool ShowHint(const String& AHint, const String& AShortCut);
  bool IsShown() const;
  void HideHint();
  const String& ShownText() const { return FShownText; }

 private:
  String FShownText;
};

TdxBarHintWindow* dxBarHintWindow();
// The hint state machine's timers, for tests that fire them instead of waiting (a tick of the
// show/hide timer, of the 400 ms re-show timer); whether each is running.
void dxBarFireHintTimer();
void dxBarFireHintReshowTimer();
bool dxBarHintTimerRunning();
bool dxBarHintReshowTimerRunning();
bool dxBarHintQuickReshow();

// --- Manager ------------------------------------------------------------------------------
class TdxBarManager;
using TdxBarEvent = TMethod<void(TdxBarManager* Sender, TdxBar* ABar)>;
using TdxBarClickItemEvent = TMethod<void(TdxBarManager* Sender, TdxBarItem* ClickedItem)>;
using TdxBarCanDockingEvent =
    TMethod<void(TdxBar* Sender, TdxBarDockingStyle Style, TObject* DockControl, bool& CanDocking)>;

// What a design-time package does with the manager's selection and names;
// there is none in this system (tests install one).
class IdxBarDesigner {
 public:
  virtual bool CanDesign(TComponent* AComponent) = 0;
  virtual void GetSelection(TList* AList) = 0;
  virtual uint8_t GetSelectionStatus(TPersistent* APersistent) = 0;
  virtual void SelectComponent(TPersistent* APersistent, int AOperation) = 0;
  virtual void SetSelection(TList* AList) = 0;
  virtual void ItemNotification(TdxBarItem* AItem) = 0;
  virtual void UniqueName(const String& ABaseName, String& AName) = 0;

 protected:
  ~IdxBarDesigner() = default;
};

// The data a category string carries.
class TdxBarCategoryData : public TObject {
  VAMIRE_CLASS(TdxBarCategoryData, TObject)
 public:
  TdxBarItemVisible ItemsVisible = ivAlways;
  TdxBarItemVisible LoadedItemsVisible = ivAlways;
  bool Visible = true;
};

// The manager's categories: a string list whose strings carry category data (owned).
class TdxBarManagerCategories : public TStringList {
  VAMIRE_CLASS(TdxBarManagerCategories, TStringList)
 public:
  // Holds "Default" unless the manager is being read.
  explicit TdxBarManagerCategories(TdxBarManager* ABarManager);
  ~TdxBarManagerCategories() override;
  TdxBarCategoryData* Data(int Index) const;
  TdxBarCategoryData* EnsureData(int Index);
  // Each keeps the items' category indexes in step with the list.
  void Clear() override;
  void Delete(int Index) override;
  void Insert(int Index, const String& S) override;
  void InsertObject(int Index, const String& S, TObject* AObject) override;
  void Exchange(int Index1, int Index2) override;
  void Move(int CurIndex, int NewIndex) override;
  void CustomSort(TStringListSortCompare Compare) override;
  void DefineProperties(TFiler* Filer) override;

 private:
  bool IsValid(int Index) const { return Index >= 0 && Index < Count(); }
  void ShiftItems(int From, int To, int Delta);
  void ListChanged(TObject* Sender);
  void ReadItemsVisibles(TReader* Reader);
  void WriteItemsVisibles(TWriter* Writer);
  void ReadVisibles(TReader* Reader);
  void WriteVisibles(TWriter* Writer);
  TdxBarManager* FBarManager;
  bool FMoving = false;
};

class TdxBarManager : public TComponent {
  VAMIRE_CLASS(TdxBarManager, TComponent)
 public:
  explicit TdxBarManager(TComponent* AOwner);
  ~TdxBarManager() override;

  // --- published values
  bool AllowCallFromAnotherForm = false;
  bool AllowReset = true;
  bool AlwaysMerge = false;
  bool AlwaysSaveText = false;
  bool AutoAlignBars() const { return FAutoAlignBars; }
  void SetAutoAlignBars(bool Value);
  bool AutoDockColor() const { return FAutoDockColor; }
  void SetAutoDockColor(bool Value);
  bool AutoHideEmptyBars() const { return FAutoHideEmptyBars; }
  void SetAutoHideEmptyBars(bool Value);
  bool Scaled() const { return FScaled; }
  void SetScaled(bool Value);
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  bool IsFontStored() const { return !FUseSystemFont; }
  int ButtonArrowWidth() const { return FButtonArrowWidth; }
  void SetButtonArrowWidth(int Value);
  bool CanCustomize = true;
  TStrings* Categories() const;
  void SetCategories(TStrings* Value);
  TColor DockColor() const;
  void SetDockColor(TColor Value);
  bool IsDockColorStored() const { return !FAutoDockColor; }
  bool FlatCloseButton() const { return FFlatCloseButton; }
  void SetFlatCloseButton(bool Value);
  TBitmap* HelpButtonGlyph() const { return FHelpButtonGlyph.get(); }
  void SetHelpButtonGlyph(TBitmap* Value) { FHelpButtonGlyph->Assign(Value); }
  int HelpContext = 0;
  bool HideFloatingBarsWhenInactive() const { return FHideFloatingBarsWhenInactive; }
  void SetHideFloatingBarsWhenInactive(bool Value) { FHideFloatingBarsWhenInactive = Value; }
  TdxBarImageOptions* ImageOptions() const { return FImageOptions.get(); }
  void SetImageOptions(TdxBarImageOptions* Value) { FImageOptions->Assign(Value); }
  TCustomImageList* Images() const { return FImageOptions->Images(); }
  void SetImages(TCustomImageList* Value) { FImageOptions->SetImages(Value); }
  bool LargeIcons() const { return FImageOptions->LargeIcons(); }
  void SetLargeIcons(bool Value) { FImageOptions->SetLargeIcons(Value); }
  TCustomImageList* DisabledImages() const { return FImageOptions->DisabledImages(); }
  void SetDisabledImages(TCustomImageList* Value) { FImageOptions->SetDisabledImages(Value); }
  TCustomImageList* DisabledLargeImages() const { return FImageOptions->DisabledLargeImages(); }
  void SetDisabledLargeImages(TCustomImageList* Value) { FImageOptions->SetDisabledLargeImages(Value); }
  TCustomImageList* HotImages() const { return FImageOptions->HotImages(); }
  void SetHotImages(TCustomImageList* Value) { FImageOptions->SetHotImages(Value); }
  TCustomImageList* LargeImages() const { return FImageOptions->LargeImages(); }
  void SetLargeImages(TCustomImageList* Value) { FImageOptions->SetLargeImages(Value); }
  TColor ImageListBkColor() const { return FImageOptions->ImageListBkColor(); }
  void SetImageListBkColor(TColor Value) { FImageOptions->SetImageListBkColor(Value); }
  bool MakeDisabledImagesFaded() const { return FImageOptions->MakeDisabledImagesFaded(); }
  void SetMakeDisabledImagesFaded(bool Value) { FImageOptions->SetMakeDisabledImagesFaded(Value); }
  bool UseLargeImagesForLargeIcons() const { return FImageOptions->UseLargeImagesForLargeIcons(); }
  void SetUseLargeImagesForLargeIcons(bool Value) { FImageOptions->SetUseLargeImagesForLargeIcons(Value); }
  bool StretchGlyphs() const { return FImageOptions->StretchGlyphs(); }
  // Written straight into the image options: no change is reported.
  void SetStretchGlyphs(bool Value) { FImageOptions->SetStretchGlyphs(Value); }
  String IniFileName;
  int LargeButtonArrowWidth() const { return FLargeButtonArrowWidth; }
  void SetLargeButtonArrowWidth(int Value);
  TcxLookAndFeel* LookAndFeel() const { return FLookAndFeel.get(); }
  void SetLookAndFeel(TcxLookAndFeel* Value) { FLookAndFeel->Assign(Value); }
  TdxBarMenuAnimations MenuAnimations() const { return FMenuAnimations; }
  void SetMenuAnimations(TdxBarMenuAnimations Value);
  bool MenusShowRecentItemsFirst() const { return FMenusShowRecentItemsFirst; }
  void SetMenusShowRecentItemsFirst(bool Value);
  int MostRecentItemsPercents() const { return FMostRecentItemsPercents; }
  void SetMostRecentItemsPercents(int Value);
  TdxBarDockingStyles NotDocking() const { return FNotDocking; }
  void SetNotDocking(TdxBarDockingStyles Value);
  const String& RegistryPath() const { return FRegistryPath; }
  void SetRegistryPath(const String& Value) { FRegistryPath = dxBarNormalizeRegistryPath(Value); }
  bool ShowCloseButton() const { return FShowCloseButton; }
  void SetShowCloseButton(bool Value);
  bool ShowFullMenusAfterDelay() const { return FShowFullMenusAfterDelay; }
  void SetShowFullMenusAfterDelay(bool Value);
  bool ShowHelpButton() const { return FShowHelpButton; }
  void SetShowHelpButton(bool Value) { FShowHelpButton = Value; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  bool ShowHintForDisabledItems = true;
  bool ShowShortCutInHint() const { return FShowShortCutInHint; }
  void SetShowShortCutInHint(bool Value);
  bool StoreInIniFile = false;
  bool StoreInRegistry = false;
  TdxBarManagerStyle Style() const { return FStyle; }
  void SetStyle(TdxBarManagerStyle Value);
  bool SunkenBorder() const { return FSunkenBorder; }
  void SetSunkenBorder(bool Value) { FSunkenBorder = Value; }
  bool UseF10ForMenu = true;
  bool UseFullReset = false;
  bool UseSystemFont() const { return FUseSystemFont; }
  void SetUseSystemFont(bool Value);
  int WaitForDockingTime() const { return FWaitForDockingTime; }
  void SetWaitForDockingTime(int Value);

  TdxBarEvent OnBarAdd, OnBarDelete, OnBarClose, OnBarBeforeReset, OnBarAfterReset, OnBarDockingStyleChange,
      OnBarVisibleChange;
  TdxBarClickItemEvent OnClickItem;
  TdxBarCanDockingEvent OnDocking;
  TNotifyEvent OnCloseButtonClick, OnHelpButtonClick, OnHideCustomizingForm, OnShowCustomizingForm;

  // --- state queries
  bool IsDesigning() const { return ComponentState().Contains(csDesigning); }
  bool IsDestroying() const { return ComponentState().Contains(csDestroying); }
  bool IsLoading() const { return ComponentState().Contains(csLoading); }
  bool IsLoadingOrInLoaded() const { return IsLoading() || FState.Contains(bmsLoading); }
  bool IsCustomizingOrDesigning() const { return FInCustomizing || IsDesigning(); }
  bool IsApplyingLoadedBars() const { return FState.Contains(bmsApplyingLoadedBars); }
  bool IsUpdateLocked() const { return FLockUpdate > 0; }
  bool IsDesignerModifiedUnlocked() const { return FDesignerModifiedLock == 0; }
  bool IsFlatStyle() const { return FStyle == bmsFlat; }
  bool CanShowRecentItemsFirst() const;
  bool CanResetWhileStreamed() const { return FReadStateCount > 0 && AllowReset; }
  bool IsOwnerEditable() const;
  bool InCustomizing() const { return FInCustomizing; }
  bool Modified() const { return FModified; }
  void SetModified(bool Value) { FModified = Value; }
  int RecentUseThreshold() const { return FRecentUseThreshold; }
  int ReadStateCount() const { return FReadStateCount; }
  // Whether any state bit of the manager is set (the Loading, ApplyingLoadedBars ... bits).
  bool HasStateBits() const { return !FState.Empty(); }

  // --- style and painter
  TdxBarManagerStyle GetEffectiveStyle() const;
  TdxBarManagerStyle GetPainterStyle() const;
  virtual TdxBarPainterClass GetPainterClass();
  TdxBarPainter* Painter() const { return FPainter.get(); }
  TdxBarPainterClass GetPainterClassInUse() const { return FPainter ? FPainter->ClassType() : nullptr; }
  void ApplyStyleToLookAndFeel(TcxLookAndFeel* ALookAndFeel);
  void Restyle();
  bool ThemesUsable() const { return FThemesUsable; }

  // --- owners, forms and other managers
  TComponent* OwnerOfManager() const { return Owner(); }
  TCustomForm* GetTopForm() const;
  TCustomForm* GetMDIChildOrTopForm() const;
  TCustomForm* GetNearestForm() const;
  TdxBarManager* GetParentManager() const;
  TdxBar* GetMainMenuBar() const;
  bool OwnerIsMDIChild(bool Recursive) const;
  bool IsOwnerShown() const;
  bool IsOtherManagerCustomizing() const;

  // --- items, groups, bars, categories
  TdxBars* Bars() const { return FBars.get(); }
  int ItemCount() const { return FItems.Count(); }
  TdxBarItem* Items(int Index) const;
  TdxBarItem* FindItemByName(const String& AName) const;
  int IndexOfItem(TdxBarItem* AItem) const { return FItems.IndexOf(AItem); }
  int GetItemsOfCategory(int ACategory, TList* AList) const;
  void MoveItem(int CurIndex, int NewIndex);
  String GetNewItemName(TClass AItemClass);
  int GroupCount() const { return FGroups.Count(); }
  TdxBarGroup* Groups(int Index) const { return static_cast<TdxBarGroup*>(FGroups.Items(Index)); }
  int IndexOfGroup(TdxBarGroup* AGroup) const { return FGroups.IndexOf(AGroup); }
  void MoveGroup(int CurIndex, int NewIndex) { FGroups.Move(CurIndex, NewIndex); }
  TdxBarBackgrounds* Backgrounds() const { return FBackgrounds.get(); }
  TdxBarGroup* AddGroup();
  TdxBar* FindBarByName(const String& AName) const;
  TdxBar* FindBarByCaption(const String& ACaption) const;
  String GetUniqueBarName(const String& APrefix);
  String GetUniqueBarCaption(const String& APrefix) const;
  TdxBar* AddToolbar(bool AIsMainMenu = false, bool AAskName = false);
  TdxBarItemVisible CategoryItemsVisible(int Index) const;
  void SetCategoryItemsVisible(int Index, TdxBarItemVisible Value);
  bool CategoryVisible(int Index) const;
  void SetCategoryVisible(int Index, bool Value);
  int VisibleCategoryIndex(int N) const;
  // The heights and widths of the four default dock controls ("DockControlHeights").
  int DefaultDockSize(int Index) const { return FDockSizes[Index]; }
  void SetDefaultDockSize(int Index, int Value) { FDockSizes[Index] = Value; }

  // --- update locking and modification
  void LockUpdate(bool LockRedraw = false);
  void UnlockUpdate(bool Rebuild = false, bool Redraw = false);
  void UnlockUpdateNoLayout(bool Redraw = false);
  void NotifyModified();
  void LockDesignerModified();
  void UnlockDesignerModified(bool Notify = true);
  // Test hook: how many full updates ran.
  int UpdateCount() const { return FFullUpdates; }

  // --- customizing and usage data
  void SetCustomizing(bool Value);
  void ResetUsageData();
  void RestoreUsageData();

  // --- hints, fonts, colours, images (hints, fonts and brushes: dxBar_hints.cpp)
  void UpdateHint(bool AShow, const String& AText, TObject* AHintObject);
  void HideHint() { UpdateHint(false, String(), nullptr); }
  TObject* HintObject() const { return FHintObject; }
  void RefreshSystemFont();
  TFont* BarCaptionFont() const { return FBarCaptionFont.get(); }
  TFont* EditFont() const { return FEditFont.get(); }
  TColor GetFlatBorderColor() const;
  TColor GetFlatFaceColor() const;
  TColor GetFlatDownColor() const;
  TColor GetFlatDownSelectedColor() const;
  TColor GetFlatSelectedColor() const;
  HBRUSH FlatBrush(int Index) const { return FFlatBrushes[Index]; }
  HBRUSH ThemedBrush() const { return FThemedBrush; }
  void CreateColorResources();
  void RefreshColorResources();
  void FreeColorResources();
  void RepaintAll() {}
  int GetButtonGlyphSize() const { return FImageOptions->GlyphSize(); }
  TcxEventHandlerCollection* SystemFontChangedHandlers() const { return FSystemFontChangedHandlers.get(); }

  // --- designer: each call goes to the designer object; without one the
  // component may be designed and nothing is selected.
  void SetDesigner(IdxBarDesigner* ADesigner) { FDesigner = ADesigner; }
  IdxBarDesigner* Designer() const { return FDesigner; }
  bool CanDesign(TComponent* AComponent);
  void GetSelection(TList* AList);
  uint8_t GetSelectionStatus(TPersistent* APersistent);
  bool IsSelected(TPersistent* APersistent);
  void SelectComponent(TPersistent* APersistent, int AOperation);
  void SetSelection(TList* AList);
  // The designer's selection without what its status does not mark as selected.
  void FilterSelection(TList* AList);

  // --- streaming
  void DefineProperties(TFiler* Filer) override;
  void ReadState(TReader* Reader) override;
  void Loaded() override;
  void SetName(const String& NewName) override;
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;
  TComponent* GetChildOwner() override { return Owner(); }
  void SetChildOrder(TComponent* Child, int Order) override;

  // Raising operations.
  virtual void DoClickItem(TdxBarItem* AItem);
  virtual bool CanDock(TdxBar* ABar, TdxBarDockingStyle AStyle, TObject* ADockControl);

  // Used by the items, bars and groups when they join or leave.
  void AddItem(TdxBarItem* AItem);
  void RemoveItem(TdxBarItem* AItem);
  void AddGroupToList(TdxBarGroup* AGroup);
  void RemoveGroupFromList(TdxBarGroup* AGroup);

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  enum TStateBit { bmsLoading, bmsApplyingLoadedBars, bmsConstructing, bmsRestoringHiddenBars, bmsClosing,
                   bmsActivating, bmsActivationChanging, bmsReactivatePending, bmsSavingDefaultLayout };
  using TStateBits = TSet<TStateBit, 16>;

  void RecreatePainter();
  void LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues);
  void ThemeChanged(TObject* Sender);
  void FontChanged(TObject* Sender);
  void HandleFontChange();
  void HelpButtonGlyphChanged(TObject*) {}
  void ImageOptionsChanged(TObject* Sender);
  void LargeIconsChanged(TObject* Sender);
  void ImageListContentsChanged(TdxBarImageOptions::TList AList);
  void FullUpdate(bool Rebuild, bool Redraw);
  void CreateFlatBrushes();
  void FreeFlatBrushes();
  void CreateThemedBrush();
  void FreeThemedBrush();
  void ReadBars(TReader* Reader);
  void WriteBars(TWriter*) {}
  void ReadDockControlHeights(TReader* Reader);
  void WriteDockControlHeights(TWriter* Writer);

  TStateBits FState;
  bool FAutoAlignBars = false, FAutoDockColor = true, FAutoHideEmptyBars = false, FScaled = true;
  int FButtonArrowWidth = 11, FLargeButtonArrowWidth = 13;
  TColor FDockColor = clBtnFace;
  bool FFlatCloseButton = false, FHideFloatingBarsWhenInactive = true;
  TdxBarMenuAnimations FMenuAnimations = maNone;
  bool FMenusShowRecentItemsFirst = true;
  int FMostRecentItemsPercents = 95, FRecentUseThreshold = 20;
  TdxBarDockingStyles FNotDocking;
  String FRegistryPath;
  bool FShowCloseButton = false, FShowFullMenusAfterDelay = true, FShowHelpButton = false, FShowHint = true,
       FShowShortCutInHint = false;
  TdxBarManagerStyle FStyle = bmsUseLookAndFeel;
  bool FSunkenBorder = false, FUseSystemFont = false;
  int FWaitForDockingTime = 21;
  bool FInCustomizing = false, FModified = false, FDesignerModifiedPending = false, FThemesUsable = false;
  bool FStyleChanging = false, FInternalFontChange = false;
  int FLockUpdate = 0, FDesignerModifiedLock = 0, FReadStateCount = 0, FFullUpdates = 0;
  int FDockSizes[4] = {};
  TObject* FHintObject = nullptr;
  IdxBarDesigner* FDesigner = nullptr;

  std::unique_ptr<TdxBars> FBars;
  TComponentList FItems{false};
  TComponentList FInternalItems{true};
  std::unique_ptr<TdxBarManagerCategories> FCategories;
  TComponentList FGroups{false};
  TComponentList FOwnedObjects{true};
  std::unique_ptr<TcxLookAndFeel> FLookAndFeel;
  std::unique_ptr<TFont> FFont, FBarCaptionFont, FEditFont;
  std::unique_ptr<TBitmap> FHelpButtonGlyph;
  std::unique_ptr<TdxBarImageOptions> FImageOptions;
  std::unique_ptr<TdxBarBackgrounds> FBackgrounds;
  std::unique_ptr<TdxThemeChangedNotificator> FThemeNotificator;
  std::unique_ptr<TcxEventHandlerCollection> FIniFileReadHandlers, FIniFileWriteHandlers, FMDIStateChangedHandlers,
      FSystemFontChangedHandlers;
  std::unique_ptr<TMemIniFile> FDefaultLayout;
  std::unique_ptr<TdxBarPainter> FPainter;
  HBRUSH FFlatBrushes[5] = {};
  HBRUSH FThemedBrush = nullptr;
  bool FOffice11ColorsHeld = false;

  friend void dxBarShowHintNow(TdxBarManager* AManager);
};

// --- Unit-wide lists and routines ---------------------------------------------------------
// Every manager of the program, in creation order.
int dxBarManagerCount();
TdxBarManager* dxBarManagers(int Index);

// Managers, forms and windows.
TdxBarManager* FindManagerOfOwner(TComponent* AComponent);
TWinControl* FindWindowedOwner(TComponent* AComponent);
TdxBarManager* FindManagerOfComponent(TComponent* AComponent);
TdxBarManager* FindManagerOfWindow(HWND Window);
TWinControl* FindControlAboveChildWindow(HWND Window);
TCustomForm* FindControlForm(TControl* AControl, int AKind);
TControl* FindNearestControlOfWindow(HWND Window);
TCustomForm* FormOfComponent(TComponent* AComponent);
TCustomForm* FormOfManager(TdxBarManager* AManager, int AKind);
bool WindowContainsManagerOwner(TdxBarManager* AManager, HWND Window);
TWinControl* WindowedControlOf(TControl* AControl);
bool IsControlWithin(TControl* AContainer, TControl* AControl);
bool IsControlInManagerOwner(TdxBarManager* AManager, TControl* AControl);
bool WindowHasAncestor(HWND Window, HWND Ancestor);
bool IsInsideFocusedWindow(HWND Window);
TCustomForm* FindActiveEnabledForm();
void ActivateTopLevelParent(HWND Window);
void DestroyWindowAndClear(HWND& Window, bool Destroy);
// The application-active and other-process flags the hooks keep (the application is active at start).
bool dxBarApplicationActive();
void SetdxBarApplicationActive(bool Value);
bool dxBarOtherProcessActive();
void SetdxBarOtherProcessActive(bool Value);
bool ApplicationHasActiveWindow();
TRect GetMonitorWorkAreaAtPoint(const TPoint& P);
bool IsLoadingFromAncestorOnly(TComponent* AComponent);
void FreeObjectAndClear(TObject*& AObject);
TBitmap* CreateBitmapWithChangeHandler(TNotifyEvent AHandler);
TdxBarItemVisible BooleanToItemVisible(bool Value);
bool IsPrimaryMouseButtonDown();
bool IsSecondaryMouseButtonDown();
void SetWindowZOrder(HWND Window, HWND InsertAfter, bool Activate, UINT ExtraFlags);
void SetWindowAlpha(HWND Window, int Alpha);
bool KillTimerAndClear(HWND Window, UINT_PTR& TimerID);
bool IsOtherProcessWindow(HWND Window);
void DeleteAndClearGDIObject(HGDIOBJ& Handle);

// Keys, messages, values.
void RemoveCharMessages(HWND Window);
void DispatchPendingMouseMessages();
void DispatchPendingPaintMessages();
bool KeyProducesChar(uint16_t Key);
uint16_t KeyToShortCut(uint16_t Key, intptr_t KeyData);
String ShortCutHintText(uint16_t ShortCut);
int ScaleByScreenDPI(int Value, int Base = 96);
// Test hook: the horizontal pixels per inch ScaleByScreenDPI uses (0: the screen's).
void SetdxBarScreenDPIOverride(int DPI);
TColor NearestDeviceColor(TColor Color);
bool IsMouseButtonDown(int Button, int SwappedButton);
int ShowLibraryMessageBox(const String& Text, UINT Flags);
BOOL PlayMenuSound(int Kind);
void LoadMenuSounds();
// The PlaySound binding (winmm, loaded at the first sound); a test puts its own in force.
// SND_ALIAS | SND_ASYNC | SND_NODEFAULT | SND_NOWAIT.
constexpr DWORD dxBarMenuSoundFlags = 0x12003;
using TdxPlaySoundProc = BOOL(WINAPI*)(LPCWSTR Sound, HMODULE Module, DWORD Flags);
TdxPlaySoundProc SetdxBarPlaySoundProc(TdxPlaySoundProc Proc);

// Fonts.
HFONT CreateSmallCaptionFont(TFont* AFont, bool Exact);
HFONT CopyFontHandle(HFONT AFont);
void AssignEditFont(TFont* AFont, TFont* ATarget, bool FromSystem);

// GDI, clipping and frames.
void RestoreAndDeleteGDIObject(HDC DC, HGDIOBJ Previous);
void SaveDCClipRegion(HDC DC, HRGN& Region, bool& Exists);
void RestoreDCClipRegion(HDC DC, HRGN Region, bool Exists);
void UniteClipWithRect(HDC DC, const TRect& R);
void ExcludeFrameFromClip(TcxCanvas* ACanvas, const TRect& FrameRect, const TRect& ContentRect);
void DrawColoredPolygon(HDC DC, const TPoint* Points, int HighIndex, TColor FillColor, TColor PenColor);
void FrameHighlightRect(HDC DC, const TRect& R);
void DrawDoubleFrameRect(HDC DC, const TRect& R, int ColorIndex);
void DrawDoubleFocusRect(HDC DC, const TRect& R);
void RefreshScreenColorDepth();
int ScreenColorDepth();
void BuildCheckedButtonBrush();
HBRUSH CheckedButtonBrush();
void DrawDimmedOverlay(HDC DC, const TRect& R);
void FillBarBackground(HDC DC, const TRect& R, const TRect& OriginRect, TBitmap* ABitmap, TColor AColor,
                       HBRUSH ABrush);

// Glyphs and arrows.
void DrawArrowOfSize(HDC DC, const TRect& R, int Direction, TColor Color, bool Flat, bool Enabled, bool Selected,
                     int Size);
void DrawArrowInRect(HDC DC, const TRect& R, int Direction, TColor Color, bool Flat, bool Enabled, bool Selected);
void DrawBarGlyph(HDC DC, const TRect& R, TBitmap* ABitmap, bool Enabled);
// The glyph an item control keeps between paints, valid for one mode, bitmap and list.
class TdxCachedImageOptions : public TObject {
  VAMIRE_CLASS(TdxCachedImageOptions, TObject)
 public:
  TdxCachedImageOptions() = default;
  ~TdxCachedImageOptions() override;
  bool IsValid(TcxGlyphDrawMode AMode, TBitmap* ABitmap, TCustomImageList* AList, int AIndex, const TRect& R) const;
  void Invalidate();
  TBitmap* Image() const { return FImage.get(); }
  int Builds() const { return FBuilds; }

 private:
  friend void DrawItemControlImage(TdxCachedImageOptions*, bool, HDC, HBRUSH, bool, bool,
                                   const TdxBarImageDrawState&, TColor, int, TCustomImageList*, TBitmap*,
                                   const TRect&, const TRect&);
  std::unique_ptr<TBitmap> FImage;
  TcxGlyphDrawMode FMode = gdmNormal;
  TBitmap* FBitmap = nullptr;
  TCustomImageList* FList = nullptr;
  int FIndex = -1;
  TRect FRect;
  int FBuilds = 0;
};
// An item control's glyph: Cache is the control's cached image (null: no
// control), CacheGlyphs its manager's setting.
void DrawItemControlImage(TdxCachedImageOptions* Cache, bool CacheGlyphs, HDC DC, HBRUSH Brush,
                          bool LeftBottomTransparent, bool Smooth, const TdxBarImageDrawState& State,
                          TColor BackgroundColor, int ImageIndex, TCustomImageList* ImageList, TBitmap* Bitmap,
                          const TRect& R, const TRect& SourceRect);

// Themes and size grips.
TColor GetThemedEditFillColor(HTHEME Theme, int State);
TColor GetThemedEditTextColor(HTHEME Theme, int State);
TColor ThemedToolbarFillColor();
TSize GetThemedCloseButtonExtent();
void DrawThemedCloseButton(HDC DC, TRect& R, bool Hot, int Corner, bool Pressed);
TSize GetThemedSizeGripExtent();
void DrawThemedSizeGrip(HDC DC, TRect& R, int Corner);
void DrawTransparentSizeGrip(HDC DC, const TRect& R);

// --- Live bar controls and the unit's singletons -------------------------------------------
// Every existing bar control (a control adds itself when made and leaves when freed).
void AddLiveBarControl(TObject* AControl);
void RemoveLiveBarControl(TObject* AControl);
bool IsBarControlAlive(TObject* AControl);

// The keyboard navigation: made at start, its work comes with the keyboard navigation.
class TdxBarNavigationController : public TObject {
  VAMIRE_CLASS(TdxBarNavigationController, TObject)
};
// The design controller: made on first use; its selection work comes with the design-time tools.
class TdxBarDesignController : public TcxDesignController {
  VAMIRE_CLASS(TdxBarDesignController, TcxDesignController)
};
TdxBarNavigationController* GetBarNavigationController();
// Null once the unit's end has begun.
TdxBarDesignController* GetBarDesignController();
TdxBarFlatPainter* GetSharedFlatPainter();

// --- Item-class registry ------------------------------------------------------------------
class TRegItemRecord : public TObject {
  VAMIRE_CLASS(TRegItemRecord, TObject)
 public:
  TRegItemRecord(TClass AItemClass, TClass AControlClass, bool AOffered)
      : ItemClass(AItemClass), ControlClass(AControlClass), Offered(AOffered) {}
  TClass ItemClass;
  TClass ControlClass;
  bool Offered;
};

class TdxBarItemList : public TList {
  VAMIRE_CLASS(TdxBarItemList, TList)
 public:
  TdxBarItemList() = default;
  ~TdxBarItemList() override;
  TRegItemRecord* EntryAt(int Index) const { return static_cast<TRegItemRecord*>(Items(Index)); }
  TClass ItemClassAt(int Index) const { return EntryAt(Index)->ItemClass; }
  void UnregisterAt(int Index);
  int OfferedCount() const;
  TClass OfferedItemClass(int N) const;
  // The control class of the first entry for exactly this class, or null.
  TClass ControlClassOf(TClass AItemClass) const;
};

TdxBarItemList* GetBarItemRegistry();
void RegisterBarItem(TClass AItemClass, TClass AControlClass, bool AOffered);

// --- Unit ---------------------------------------------------------------------------------
// True once the unit's end has begun: the creating getters answer null.
bool dxBarFinalizing();
// The layered-window functions of the system (null when missing).
using TSetLayeredWindowAttributes = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
TSetLayeredWindowAttributes dxBarSetLayeredWindowAttributesProc();
FARPROC dxBarUpdateLayeredWindowProc();
FARPROC dxBarAnimateWindowProc();
// The library's cursors.
constexpr TCursor crdxBarDrag = 1041;
constexpr TCursor crdxBarDragCopy = 1042;
constexpr TCursor crdxBarDragNoDrop = 1043;
constexpr TCursor crdxBarEditSizing = 1044;

void dxBar_Initialize();
void dxBar_Finalize();
extern const TUnitEntry dxBarUnit;
