// The lookup table of one skin: its 13 control groups, the elements the
// painters draw and the named colours, numbers, flags, rectangles and texts
// they read, found once and again after every change of the skin, so that no
// painter searches a skin by name while painting. Elements the skin lacks in
// the rows that must exist are replaced by placeholders (a red cross), so
// missing skin parts show instead of crashing.
#pragma once

#include <windows.h>

#include <array>
#include <memory>

#include "Graphics.h"
#include "cxClasses.h"
#include "dxSkinsCore_win.h"

enum class TdxSkinGroupSlot {
  Bars, Common, Docking, Editors, Ribbon, Form, Grid, PageControl, Scheduler, VerticalGrid, NavBar, NavPane,
  PrintingSystem, Count
};

// One slot per element the painters look up, named group first.
enum class TdxSkinElementSlot {
  BarsBar, BarsBarCustomize, BarsBarCustomizeVertical, BarsBarDragGrip, BarsBarDragGripVertical, BarsMDIButtonClose,
  BarsMDIButtonMinimize, BarsMDIButtonRestore, BarsBarSeparator, BarsBarVertical, BarsBarSeparatorVertical, BarsDock,
  BarsFloatBar, BarsItemSeparator, BarsLinkStatic, BarsLinkSelected, BarsMainMenu, BarsMainMenuCustomize,
  BarsMainMenuDrag, BarsMainMenuLinkSelected, BarsMainMenuVertical, BarsPopupMenu, BarsPopupMenuCheck,
  BarsPopupMenuExpandButton, BarsPopupMenuLinkSelected, BarsPopupMenuSeparator, BarsPopupMenuSideStrip,
  BarsPopupMenuSideStripNonRecent, BarsPopupMenuDropDownButtonLabel, BarsPopupMenuDropDownButtonArrow, BarsStatusBar,
  BarsScreenTipWindow, BarsScreenTipSeparator, CommonButton, CommonGroupPanelNoBorder, CommonGroupExpandButton,
  CommonGroupPanelTop, CommonGroupPanelBottom, CommonGroupPanelLeft, CommonGroupPanelRight, CommonGroupPanel,
  CommonGroupPanelCaptionTop, CommonGroupPanelCaptionBottom, CommonGroupPanelCaptionLeft,
  CommonGroupPanelCaptionRight, CommonHeader, CommonHeaderSpecial, CommonScrollButton, CommonScrollThumbVert,
  CommonScrollThumbHorz, CommonScrollContentVert, CommonScrollContentHorz, CommonSizeGrip, CommonSplitter,
  CommonSplitterHorz, CommonSkinIcon, CommonSkinIconLarge, DockingTabHeaderBackground, DockingTabHeaderLine,
  DockingTabHeaderAutoHideBar, DockingDockWindowButton, DockingDockWindowButtonGlyphs, DockingTabHeader,
  DockingAutoHideBar, DockingAutoHideBarLeft, DockingAutoHideBarRight, DockingAutoHideBarBottom,
  DockingDockWindowCaption, DockingDockWindowBorder, EditorsCheckbox, EditorsClockFace, EditorsClockGlass,
  EditorsLabelLine, EditorsLabelLineVert, EditorsEditorButton, EditorsCloseButton, EditorsComboButtonGlyph,
  EditorsSpinUpGlyph, EditorsSpinDownGlyph, EditorsSpinLeftGlyph, EditorsSpinRightGlyph, EditorsNavigator,
  EditorsNavigatorVert, EditorsProgressBorder, EditorsProgressBorderVert, EditorsProgressChunk,
  EditorsProgressChunkVert, EditorsRadioButton, EditorsTrackBarTrack, EditorsTrackBarTrackVert, EditorsTrackBarThumb,
  EditorsTrackBarThumbUp, EditorsTrackBarThumbBoth, EditorsTrackBarThumbVert, EditorsTrackBarThumbVertUp,
  EditorsTrackBarThumbVertBoth, RibbonAppMenuBackground, RibbonFormAppButton, RibbonFormAppButton2010,
  RibbonAppMenuBackgroundBottom, RibbonAppMenuBackgroundTop, RibbonAppMenuExtraPanePinButtonGlyph,
  RibbonAppMenuExtraPaneButton, RibbonBackstageViewBackground, RibbonBackstageViewMenuBackground,
  RibbonBackstageViewMenuButton, RibbonBackstageViewTabHeader, RibbonBackstageViewTopLine, RibbonTabGroupCollapsed,
  RibbonTabGroupCollapsedBox, RibbonFormCaption, RibbonFormFrameBottom, RibbonDialogFrameBottom, RibbonFormFrameLeft,
  RibbonDialogFrameLeft, RibbonFormFrameRight, RibbonDialogFrameRight, RibbonMinimizeButtonGlyph, RibbonTab,
  RibbonTabPanel, RibbonTabGroupButton, RibbonTabSeparatorLine, RibbonTabGroup, RibbonTabGroupCaption,
  RibbonTabGroupItemsSeparator, RibbonDropDownGalleryBackground, RibbonInRibbonGalleryButtonDown,
  RibbonInRibbonGalleryButtonDropDown, RibbonInRibbonGalleryButtonUp, RibbonDropDownGalleryGroupHeader,
  RibbonInRibbonGalleryPane, RibbonDropDownGallerySizePanel, RibbonDropDownGallerySizeGrip, RibbonTabBackground,
  RibbonTabBackgroundOnGlass, RibbonButton, RibbonSplitButtonLeft, RibbonSplitButtonRight, RibbonKeyTip,
  RibbonLargeButton, RibbonLargeSplitButtonTop, RibbonLargeSplitButtonBottom, RibbonButtonArrow, RibbonButtonGroup,
  RibbonStatusBarBackground, RibbonStatusBarButton, RibbonStatusBarSeparator, RibbonQATInRibbonBackground,
  RibbonQATAboveBackground, RibbonQATBelowBackground, RibbonQATButtonGlyph, RibbonQATOverflow,
  RibbonQATCustomizeButton, RibbonButtonGroupButton, RibbonButtonGroupSeparator, RibbonTabGroupLeftScrollButton,
  RibbonTabGroupRightScrollButton, RibbonContextualTabLabel, RibbonContextualTabLabelOnGlass,
  RibbonContextualTabSeparator, RibbonContextualTabHeader, RibbonContextualTabPanel, FormSmallFormButtonClose,
  FormFormButtonClose, FormFormButtonMinimize, FormFormButtonMaximize, FormFormButtonRestore, FormFormButtonHelp,
  FormFormFrameLeft, FormFormFrameRight, FormFormFrameBottom, FormSmallFormCaption, FormFormCaption, FormFormContent,
  GridPlusMinus, GridFooterCell, GridFooterPanel, GridFilterButton, GridFilterButtonActive, GridGridFilterPanel,
  GridGridFixedLine, GridCardSeparator, GridGridGroupPanel, GridGroupRow, GridGridLine, GridIndicatorImages,
  GridLayoutViewItem, GridLayoutViewRecordExpandButton, GridLayoutViewRecordTop, GridLayoutViewRecordBottom,
  GridLayoutViewRecordLeft, GridLayoutViewRecordRight, GridLayoutViewRecord, GridLayoutViewRecordCaptionTop,
  GridLayoutViewRecordCaptionBottom, GridLayoutViewRecordCaptionLeft, GridLayoutViewRecordCaptionRight,
  PageControlTabHeader, PageControlTabButtonHorz, PageControlTabButtonVert, PageControlTabHeaderCloseButton,
  PageControlTabPane, SchedulerTimeGridHeader, SchedulerTimeGridHeaderSelected, SchedulerDefaultTimeLine,
  SchedulerRuler, SchedulerMoreButton, SchedulerAppointmentRightBorder, SchedulerAppointment, SchedulerAllDayArea,
  SchedulerAllDayAreaSelected, SchedulerCurrentTimeIndicator, SchedulerAppointmentBottomShadow,
  SchedulerAppointmentRightShadow, SchedulerAppointmentMask, SchedulerNavButtonPrev, SchedulerNavButtonNext,
  SchedulerNavButtonPrevArrow, SchedulerNavButtonNextArrow, SchedulerTimeGridCurrentTimeIndicator,
  VerticalGridCategory, VerticalGridGridLine, VerticalGridBandBorder, VerticalGridRowHeader, NavBarBackground,
  NavBarGroupClient, NavBarItem, NavBarGroupHeader, NavBarGroupCloseButton, NavBarGroupOpenButton,
  NavPaneCollapseButton, NavPaneCollapsedGroupClient, NavPaneExpandButton, NavPanePopupBorder, NavPanePopupSizeGrip,
  NavPaneGroupButton, NavPaneGroupButtonSelected, NavPaneCaption, NavPaneSplitter, NavPaneScrollUpButton,
  NavPaneScrollDownButton, NavPaneOverflowPanel, NavPaneOverflowPanelItem, NavPaneOverflowPanelExpandItem,
  NavPaneGroupClient, NavPaneItem, NavPaneItemSelected, PrintingSystemPageBorder, PrintingSystemPreviewBackground,
  Count, None
};

// One slot per property the painters read: "Skin" first for the skin's own
// colours and properties, else the group, then the element that holds it.
enum class TdxSkinPropertySlot {
  SkinContainerBorderColor, SkinContainerHighlightBorderColor, SkinContentColor, SkinContentEvenColor,
  SkinContentOddColor, SkinContentTextColor, SkinDockControlHiddenBarTextColor, SkinDockControlHiddenBarTextHotColor,
  SkinHeaderBackgroundColor, SkinHeaderBackgroundTextColor, SkinLayoutControlColor, SkinSelectionColor,
  SkinSelectionTextColor, SkinSkinGroupName, BarsDisabledTextColor, BarsScreenTipWindowScreenTipItem,
  BarsScreenTipWindowScreenTipTitleItem, CommonButtonDisabledText, DockingTabHeaderTextColor,
  DockingTabHeaderTextColorActive, DockingDockWindowCaptionInactiveCaptionTextColor, DockingActiveTabHeaderDownGrow,
  DockingActiveTabHeaderHGrow, DockingActiveTabHeaderUpGrow, EditorsEditorButtonMergeBorders,
  EditorsCalcEditEditingOperationTextColor, EditorsCalcEditMemoryOperationTextColor, EditorsCalcEditDigitTextColor,
  EditorsCalcEditArithmeticOperationTextColor, EditorsCalcEditScientificOperationTextColor,
  EditorsCalendarDayTextColor, EditorsCalendarHolidayTextColor, EditorsCalendarInactiveDayTextColor,
  EditorsCalendarSelectedDayTextColor, EditorsCalendarSelectedDayColor, EditorsCalendarSeparatorColor,
  EditorsCalendarTodayFrameColor, EditorsCalendarTodayTextColor, EditorsHyperLinkTextColor, EditorsTextColor,
  EditorsTextDisabledColor, EditorsTextInactiveColor, EditorsTextReadOnlyColor, EditorsBackgroundColor,
  EditorsBackgroundDisabledColor, EditorsBackgroundInactiveColor, EditorsBackgroundReadOnlyColor,
  EditorsProgressBarEmptyTextColor, EditorsProgressBarFilledTextColor, RibbonContextualTabLabelTextShadowColor,
  RibbonEditorBackground, RibbonAppMenuExtraPaneColor, RibbonAppMenuExtraPaneHeaderSeparator, RibbonButtonDisabled,
  RibbonFormCaptionTextColorInactive, RibbonFormCaptionDocumentNameTextColor, RibbonFormCaptionFontDelta,
  RibbonTabTextColorHot, RibbonTabTextColorSelected, RibbonContextualTabHeaderTextColorSelected,
  RibbonContextualTabHeaderTextColorHot, RibbonStatusBarButtonTextColor, RibbonStatusBarButtonTextColorHot,
  RibbonStatusBarButtonTextColorDisabled, RibbonQATAboveBackgroundDisplayCustomizeButtonOutsideQAT,
  RibbonQATAboveBackgroundIndentBeforeCustomizeButton, RibbonQATInRibbonBackgroundDisplayCustomizeButtonOutsideQAT,
  RibbonQATInRibbonBackgroundIndentBeforeCustomizeButton, RibbonSpaceBetweenTabGroups, RibbonTabHeaderDownGrow,
  RibbonTabAeroSupport, FormTextColorInactive, FormTextShadowColor, FormFormCaptionFontDelta,
  GridGroupRowOffice11ContentColor, GridGroupRowOffice11SeparatorColor, GridGroupRowOffice11TextColor,
  GridLayoutViewGroupPadding, GridLayoutViewGroupWithoutBordersPadding, GridLayoutViewTabbedGroupPadding,
  GridLayoutViewRootGroupPadding, GridLayoutViewRootGroupWithoutBordersPadding, GridLayoutViewItemPadding,
  GridLayoutViewGroupSpacing, GridLayoutViewGroupWithoutBordersSpacing, GridLayoutViewTabbedGroupSpacing,
  GridLayoutViewRootGroupSpacing, GridLayoutViewRootGroupWithoutBordersSpacing, GridLayoutViewItemSpacing,
  PageControlTabHeaderTextColor, PageControlTabHeaderTextColorSelected, PageControlTabHeaderTextColorDisabled,
  PageControlTabHeaderTextColorHot, PageControlRowIndentFar, PageControlRowIndentNear,
  PageControlSelectedHeaderDownGrow, PageControlSelectedHeaderHGrow, PageControlSelectedHeaderUpGrow,
  PageControlHeaderDownGrow, PageControlHeaderDownGrowBottomRight, PageControlSelectedHeaderDownGrowBottomRight,
  SchedulerNavigatorColor, SchedulerAppointmentSeparatorColor, SchedulerAppointmentBorderSize, NavPaneCaptionHeight,
  NavPaneCaptionFontSize, NavPaneOverlapGroupBorders,
  Count
};

// A part of a scroll bar: the element and image index that draw it.
class TdxSkinScrollInfo : public TObject {
  VAMIRE_CLASS(TdxSkinScrollInfo, TObject)
 public:
  TdxSkinScrollInfo(TdxSkinElement* AElement, int AImageIndex) : Element(AElement), ImageIndex(AImageIndex) {}
  // Draws the element; false when there is none.
  bool Draw(HDC DC, const TRect& R, TdxSkinElementState AState);
  TdxSkinElement* Element;
  int ImageIndex;
};

class TdxSkinInfo : public TcxIUnknownObject, public IdxSkinChangeListener {
  VAMIRE_CLASS(TdxSkinInfo, TcxIUnknownObject)
 public:
  using TCreateArg = TdxSkin;
  // Takes the skin over (freed with the info) and follows it.
  explicit TdxSkinInfo(TdxSkin* ASkin);
  ~TdxSkinInfo() override;
  bool GetInterface(const TGUID& iid, void** obj) override;

  TdxSkin* Skin() const { return FSkin; }
  // Follows another skin (or none): the slots are made anew. The skin given
  // at construction stays owned by the info.
  void SetSkin(TdxSkin* ASkin);
  // Takes a skin over as the constructor does, for an info made before its skin was read.
  void TakeSkin(TdxSkin* ASkin);
  virtual bool IsUserSkin() { return false; }
  // Resolves every slot; a property of an unexpected class raises EInvalidCast.
  virtual void Initialize();
  virtual void Finalize();
  void SkinChanged(TdxSkin* ASkin) override;
  // A new bitmap of the skin's icon, or of the program's default icon picture
  // (PNG resource "DEFAULTSKINICONSMALL" or "DEFAULTSKINICONLARGE", type "DXSKINS").
  virtual std::unique_ptr<TBitmap> GetSkinIcon(bool ALarge);

  // --- Lookups (each found object stops counting as unreferenced) ---
  // The group; a missing one is added to the skin. Null without a skin.
  TdxSkinControlGroup* GetGroup(const String& AName);
  // The element; a missing one becomes a placeholder when asked to.
  TdxSkinElement* GetElement(TdxSkinControlGroup* AGroup, const String& AName, bool ACreateIfMissing);
  TdxSkinProperty* GetProperty(TdxSkinPersistent* AOwner, const String& AName);
  TdxSkinColor* GetColor(TdxSkinPersistent* AOwner, const String& AName);
  TdxSkinBooleanProperty* GetBoolean(TdxSkinPersistent* AOwner, const String& AName);
  TdxSkinIntegerProperty* GetInteger(TdxSkinPersistent* AOwner, const String& AName);
  TColor GetColorValue(TdxSkinPersistent* AOwner, const String& AName);
  int GetIntegerValue(TdxSkinPersistent* AOwner, const String& AName, int ADefault);

  // --- Slots ---
  TdxSkinControlGroup* Group(TdxSkinGroupSlot ASlot) const { return FGroups[std::size_t(ASlot)]; }
  TdxSkinElement* Element(TdxSkinElementSlot ASlot) const;
  TdxSkinProperty* Property(TdxSkinPropertySlot ASlot) const;
  // The property as its slot's class (checked when the slot was filled), or
  // null: As<TdxSkinColor>(slot), As<TdxSkinRectProperty>(slot), ...
  template <class T>
  T* As(TdxSkinPropertySlot ASlot) const {
    return static_cast<T*>(Property(ASlot));
  }
  TdxSkinColor* Color(TdxSkinPropertySlot ASlot) const { return As<TdxSkinColor>(ASlot); }
  // Values, or the default when the skin lacks the property.
  TColor ColorValue(TdxSkinPropertySlot ASlot) const;
  int IntegerValue(TdxSkinPropertySlot ASlot, int ADefault = 0) const;
  bool BooleanValue(TdxSkinPropertySlot ASlot, bool ADefault = false) const;
  // The element's TextColor, clDefault without the element.
  TColor ElementTextColor(TdxSkinElementSlot ASlot) const;

  // --- Rows and derived values ---
  // By editor-button kind: 0 close, 1 combo, 2 editor, 3 ellipsis, 4..7 spin up, down, left, right.
  TdxSkinElement* EditButtonGlyph(int AKind) const;
  // By calculator button kind 0..27.
  TdxSkinColor* CalculatorButtonColor(int AKind) const;
  // By editor state: 0 normal, 1 disabled, 2 inactive, 3 read-only.
  TdxSkinColor* EditorTextColor(int AState) const;
  TdxSkinColor* EditorBackgroundColor(int AState) const;
  // By side: 0 left, 1 caption, 2 right, 3 bottom; the small form's row or the normal one.
  TdxSkinElement* FormFrame(bool ASmall, int ASide) const;
  // Left, right and bottom widths of the frame pictures (top 0).
  const TRect& FormFrameWidths(bool ASmall) const { return FFormFrameWidths[ASmall ? 0 : 1]; }
  // The form caption's "FontDelta", at least 1.
  int CaptionFontDelta() const { return FCaptionFontDelta; }
  // Row 0 (vertical bar) or 1 (horizontal), part 1..5; null when there is no skin.
  TdxSkinScrollInfo* ScrollBarPart(int ARow, int APart) const;
  // The docking indents (0 down, 1 horizontal, 2 up grow) and the page-control indents (0..7, in catalogue order).
  int DockingIndent(int AIndex) const;
  int PageControlIndent(int AIndex) const;
  // The layout-view record caption by side (0 top, 1 bottom, 2 left, 3 right; 4 is always null).
  TdxSkinElement* LayoutViewRecordCaption(int ASide) const;
  // Padding and spacing rectangles by kind 0..5 (group, group without borders, tabbed group, root group,
  // root group without borders, item).
  TdxSkinRectProperty* LayoutViewPadding(int AKind) const;
  TdxSkinRectProperty* LayoutViewSpacing(int AKind) const;
  // The ribbon's document-name colour of inactive forms (its caption's inactive text colour).
  TColor RibbonDocumentNameTextColorInactive() const {
    return ColorValue(TdxSkinPropertySlot::RibbonFormCaptionTextColorInactive);
  }

 private:
  void ClearSlots();
  void ApplySkinAdjustments();
  TdxSkinElement* AddPlaceholder(TdxSkinControlGroup* AGroup, const String& AName);

  TdxSkin* FSkin = nullptr;
  std::unique_ptr<TdxSkin> FOwnedSkin;
  std::array<TdxSkinControlGroup*, std::size_t(TdxSkinGroupSlot::Count)> FGroups{};
  std::array<TdxSkinElement*, std::size_t(TdxSkinElementSlot::Count)> FElements{};
  std::array<TdxSkinProperty*, std::size_t(TdxSkinPropertySlot::Count)> FProperties{};
  std::array<TRect, 2> FFormFrameWidths{};
  int FCaptionFontDelta = 1;
  std::array<std::array<std::unique_ptr<TdxSkinScrollInfo>, 5>, 2> FScrollBarParts;
};

// The info class of the built-in skins; it adds nothing.
class TdxSkinLookAndFeelPainterInfo : public TdxSkinInfo {
  VAMIRE_CLASS(TdxSkinLookAndFeelPainterInfo, TdxSkinInfo)
 public:
  using TdxSkinInfo::TdxSkinInfo;
};
