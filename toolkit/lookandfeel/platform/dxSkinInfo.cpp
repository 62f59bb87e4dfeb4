// The slot table of the skin lookup: which group, element or property each
// slot holds, in the order they are resolved, and the rows and derived values
// built on them.
#include "dxSkinInfo.h"

#include "Streams_win.h"

namespace {

using E = TdxSkinElementSlot;
using G = TdxSkinGroupSlot;
using P = TdxSkinPropertySlot;

const TResStringRec sdxSkinInvalidCast{L"sdxSkinInvalidCast", L"Invalid class typecast"};

constexpr const wchar_t* kGroupNames[] = {L"Bars",        L"Common",    L"Docking",      L"Editors", L"Ribbon",
                                      L"Form",        L"Grid",      L"PageControl",  L"Scheduler",
                                      L"VerticalGrid", L"NavBar",   L"NavPane",      L"PrintingSystem"};
static_assert(std::size(kGroupNames) == std::size_t(G::Count));

struct TElementRow {
  E Slot;
  G Group;
  const wchar_t* Name;
  bool Create;  // a placeholder stands in for a missing element
};

constexpr TElementRow kElements[] = {
    {E::BarsBar, G::Bars, L"Bar", true},
    {E::BarsBarCustomize, G::Bars, L"BarCustomize", true},
    {E::BarsBarCustomizeVertical, G::Bars, L"BarCustomizeVertical", true},
    {E::BarsBarDragGrip, G::Bars, L"BarDragGrip", true},
    {E::BarsBarDragGripVertical, G::Bars, L"BarDragGripVertical", true},
    {E::BarsMDIButtonClose, G::Bars, L"MDIButtonClose", true},
    {E::BarsMDIButtonMinimize, G::Bars, L"MDIButtonMinimize", true},
    {E::BarsMDIButtonRestore, G::Bars, L"MDIButtonRestore", true},
    {E::BarsBarSeparator, G::Bars, L"BarSeparator", true},
    {E::BarsBarVertical, G::Bars, L"BarVertical", true},
    {E::BarsBarSeparatorVertical, G::Bars, L"BarSeparatorVertical", true},
    {E::BarsDock, G::Bars, L"Dock", true},
    {E::BarsFloatBar, G::Bars, L"FloatBar", true},
    {E::BarsItemSeparator, G::Bars, L"ItemSeparator", true},
    {E::BarsLinkStatic, G::Bars, L"LinkStatic", true},
    {E::BarsLinkSelected, G::Bars, L"LinkSelected", true},
    {E::BarsMainMenu, G::Bars, L"MainMenu", true},
    {E::BarsMainMenuCustomize, G::Bars, L"MainMenuCustomize", false},
    {E::BarsMainMenuDrag, G::Bars, L"MainMenuDrag", false},
    {E::BarsMainMenuLinkSelected, G::Bars, L"MainMenuLinkSelected", true},
    {E::BarsMainMenuVertical, G::Bars, L"MainMenuVertical", true},
    {E::BarsPopupMenu, G::Bars, L"PopupMenu", true},
    {E::BarsPopupMenuCheck, G::Bars, L"PopupMenuCheck", true},
    {E::BarsPopupMenuExpandButton, G::Bars, L"PopupMenuExpandButton", true},
    {E::BarsPopupMenuLinkSelected, G::Bars, L"PopupMenuLinkSelected", true},
    {E::BarsPopupMenuSeparator, G::Bars, L"PopupMenuSeparator", true},
    {E::BarsPopupMenuSideStrip, G::Bars, L"PopupMenuSideStrip", true},
    {E::BarsPopupMenuSideStripNonRecent, G::Bars, L"PopupMenuSideStripNonRecent", true},
    {E::BarsPopupMenuDropDownButtonLabel, G::Bars, L"PopupMenuDropDownButtonLabel", true},
    {E::BarsPopupMenuDropDownButtonArrow, G::Bars, L"PopupMenuDropDownButtonArrow", true},
    {E::BarsStatusBar, G::Bars, L"StatusBar", true},
    {E::BarsScreenTipWindow, G::Bars, L"ScreenTipWindow", true},
    {E::BarsScreenTipSeparator, G::Bars, L"ScreenTipSeparator", true},
    {E::CommonButton, G::Common, L"Button", true},
    {E::CommonGroupPanelNoBorder, G::Common, L"GroupPanelNoBorder", true},
    {E::CommonGroupExpandButton, G::Common, L"GroupExpandButton", true},
    {E::CommonGroupPanelTop, G::Common, L"GroupPanelTop", true},
    {E::CommonGroupPanelBottom, G::Common, L"GroupPanelBottom", true},
    {E::CommonGroupPanelLeft, G::Common, L"GroupPanelLeft", true},
    {E::CommonGroupPanelRight, G::Common, L"GroupPanelRight", true},
    {E::CommonGroupPanel, G::Common, L"GroupPanel", true},
    {E::CommonGroupPanelCaptionTop, G::Common, L"GroupPanelCaptionTop", true},
    {E::CommonGroupPanelCaptionBottom, G::Common, L"GroupPanelCaptionBottom", true},
    {E::CommonGroupPanelCaptionLeft, G::Common, L"GroupPanelCaptionLeft", true},
    {E::CommonGroupPanelCaptionRight, G::Common, L"GroupPanelCaptionRight", true},
    {E::CommonHeader, G::Common, L"Header", true},
    {E::CommonHeaderSpecial, G::Common, L"HeaderSpecial", true},
    {E::CommonScrollButton, G::Common, L"ScrollButton", true},
    {E::CommonScrollThumbVert, G::Common, L"ScrollThumbVert", true},
    {E::CommonScrollThumbHorz, G::Common, L"ScrollThumbHorz", true},
    {E::CommonScrollContentVert, G::Common, L"ScrollContentVert", true},
    {E::CommonScrollContentHorz, G::Common, L"ScrollContentHorz", true},
    {E::CommonSizeGrip, G::Common, L"SizeGrip", true},
    {E::CommonSplitter, G::Common, L"Splitter", true},
    {E::CommonSplitterHorz, G::Common, L"SplitterHorz", true},
    {E::CommonSkinIcon, G::Common, L"SkinIcon", false},
    {E::CommonSkinIconLarge, G::Common, L"SkinIconLarge", false},
    {E::DockingTabHeaderBackground, G::Docking, L"TabHeaderBackground", true},
    {E::DockingTabHeaderLine, G::Docking, L"TabHeaderLine", true},
    {E::DockingTabHeaderAutoHideBar, G::Docking, L"TabHeaderAutoHideBar", true},
    {E::DockingDockWindowButton, G::Docking, L"DockWindowButton", true},
    {E::DockingDockWindowButtonGlyphs, G::Docking, L"DockWindowButtonGlyphs", true},
    {E::DockingTabHeader, G::Docking, L"TabHeader", true},
    {E::DockingAutoHideBar, G::Docking, L"AutoHideBar", true},
    {E::DockingAutoHideBarLeft, G::Docking, L"AutoHideBarLeft", true},
    {E::DockingAutoHideBarRight, G::Docking, L"AutoHideBarRight", true},
    {E::DockingAutoHideBarBottom, G::Docking, L"AutoHideBarBottom", true},
    {E::DockingDockWindowCaption, G::Docking, L"DockWindowCaption", true},
    {E::DockingDockWindowBorder, G::Docking, L"DockWindowBorder", true},
    {E::EditorsCheckbox, G::Editors, L"Checkbox", true},
    {E::EditorsClockFace, G::Editors, L"ClockFace", true},
    {E::EditorsClockGlass, G::Editors, L"ClockGlass", true},
    {E::EditorsLabelLine, G::Editors, L"LabelLine", true},
    {E::EditorsLabelLineVert, G::Editors, L"LabelLineVert", true},
    {E::EditorsEditorButton, G::Editors, L"EditorButton", true},
    {E::EditorsCloseButton, G::Editors, L"CloseButton", true},
    {E::EditorsComboButtonGlyph, G::Editors, L"ComboButtonGlyph", true},
    {E::EditorsSpinUpGlyph, G::Editors, L"SpinUpGlyph", true},
    {E::EditorsSpinDownGlyph, G::Editors, L"SpinDownGlyph", true},
    {E::EditorsSpinLeftGlyph, G::Editors, L"SpinLeftGlyph", true},
    {E::EditorsSpinRightGlyph, G::Editors, L"SpinRightGlyph", true},
    {E::EditorsNavigator, G::Editors, L"Navigator", true},
    {E::EditorsNavigatorVert, G::Editors, L"NavigatorVert", true},
    {E::EditorsProgressBorder, G::Editors, L"ProgressBorder", true},
    {E::EditorsProgressBorderVert, G::Editors, L"ProgressBorderVert", true},
    {E::EditorsProgressChunk, G::Editors, L"ProgressChunk", true},
    {E::EditorsProgressChunkVert, G::Editors, L"ProgressChunkVert", true},
    {E::EditorsRadioButton, G::Editors, L"RadioButton", true},
    {E::EditorsTrackBarTrack, G::Editors, L"TrackBarTrack", true},
    {E::EditorsTrackBarTrackVert, G::Editors, L"TrackBarTrackVert", true},
    {E::EditorsTrackBarThumb, G::Editors, L"TrackBarThumb", true},
    {E::EditorsTrackBarThumbUp, G::Editors, L"TrackBarThumbUp", true},
    {E::EditorsTrackBarThumbBoth, G::Editors, L"TrackBarThumbBoth", true},
    {E::EditorsTrackBarThumbVert, G::Editors, L"TrackBarThumbVert", true},
    {E::EditorsTrackBarThumbVertUp, G::Editors, L"TrackBarThumbVertUp", true},
    {E::EditorsTrackBarThumbVertBoth, G::Editors, L"TrackBarThumbVertBoth", true},
    {E::RibbonAppMenuBackground, G::Ribbon, L"AppMenuBackground", true},
    {E::RibbonFormAppButton, G::Ribbon, L"FormAppButton", true},
    {E::RibbonFormAppButton2010, G::Ribbon, L"FormAppButton2010", true},
    {E::RibbonAppMenuBackgroundBottom, G::Ribbon, L"AppMenuBackgroundBottom", true},
    {E::RibbonAppMenuBackgroundTop, G::Ribbon, L"AppMenuBackgroundTop", true},
    {E::RibbonAppMenuExtraPanePinButtonGlyph, G::Ribbon, L"AppMenuExtraPanePinButtonGlyph", false},
    {E::RibbonAppMenuExtraPaneButton, G::Ribbon, L"AppMenuExtraPaneButton", true},
    {E::RibbonBackstageViewBackground, G::Ribbon, L"BackstageViewBackground", true},
    {E::RibbonBackstageViewMenuBackground, G::Ribbon, L"BackstageViewMenuBackground", true},
    {E::RibbonBackstageViewMenuButton, G::Ribbon, L"BackstageViewMenuButton", true},
    {E::RibbonBackstageViewTabHeader, G::Ribbon, L"BackstageViewTabHeader", true},
    {E::RibbonBackstageViewTopLine, G::Ribbon, L"BackstageViewTopLine", true},
    {E::RibbonTabGroupCollapsed, G::Ribbon, L"TabGroupCollapsed", true},
    {E::RibbonTabGroupCollapsedBox, G::Ribbon, L"TabGroupCollapsedBox", true},
    {E::RibbonFormCaption, G::Ribbon, L"FormCaption", true},
    {E::RibbonFormFrameBottom, G::Ribbon, L"FormFrameBottom", true},
    {E::RibbonDialogFrameBottom, G::Ribbon, L"DialogFrameBottom", true},
    {E::RibbonFormFrameLeft, G::Ribbon, L"FormFrameLeft", true},
    {E::RibbonDialogFrameLeft, G::Ribbon, L"DialogFrameLeft", true},
    {E::RibbonFormFrameRight, G::Ribbon, L"FormFrameRight", true},
    {E::RibbonDialogFrameRight, G::Ribbon, L"DialogFrameRight", true},
    {E::RibbonMinimizeButtonGlyph, G::Ribbon, L"MinimizeButtonGlyph", true},
    {E::RibbonTab, G::Ribbon, L"Tab", true},
    {E::RibbonTabPanel, G::Ribbon, L"TabPanel", true},
    {E::RibbonTabGroupButton, G::Ribbon, L"TabGroupButton", true},
    {E::RibbonTabSeparatorLine, G::Ribbon, L"TabSeparatorLine", true},
    {E::RibbonTabGroup, G::Ribbon, L"TabGroup", true},
    {E::RibbonTabGroupCaption, G::Ribbon, L"TabGroupCaption", true},
    {E::RibbonTabGroupItemsSeparator, G::Ribbon, L"TabGroupItemsSeparator", true},
    {E::RibbonDropDownGalleryBackground, G::Ribbon, L"DropDownGalleryBackground", true},
    {E::RibbonInRibbonGalleryButtonDown, G::Ribbon, L"InRibbonGalleryButtonDown", true},
    {E::RibbonInRibbonGalleryButtonDropDown, G::Ribbon, L"InRibbonGalleryButtonDropDown", true},
    {E::RibbonInRibbonGalleryButtonUp, G::Ribbon, L"InRibbonGalleryButtonUp", true},
    {E::RibbonDropDownGalleryGroupHeader, G::Ribbon, L"DropDownGalleryGroupHeader", true},
    {E::RibbonInRibbonGalleryPane, G::Ribbon, L"InRibbonGalleryPane", true},
    {E::RibbonDropDownGallerySizePanel, G::Ribbon, L"DropDownGallerySizePanel", true},
    {E::RibbonDropDownGallerySizeGrip, G::Ribbon, L"DropDownGallerySizeGrip", true},
    {E::RibbonTabBackground, G::Ribbon, L"TabBackground", true},
    {E::RibbonTabBackgroundOnGlass, G::Ribbon, L"TabBackgroundOnGlass", true},
    {E::RibbonButton, G::Ribbon, L"Button", true},
    {E::RibbonSplitButtonLeft, G::Ribbon, L"SplitButtonLeft", true},
    {E::RibbonSplitButtonRight, G::Ribbon, L"SplitButtonRight", true},
    {E::RibbonKeyTip, G::Ribbon, L"KeyTip", true},
    {E::RibbonLargeButton, G::Ribbon, L"LargeButton", true},
    {E::RibbonLargeSplitButtonTop, G::Ribbon, L"LargeSplitButtonTop", true},
    {E::RibbonLargeSplitButtonBottom, G::Ribbon, L"LargeSplitButtonBottom", true},
    {E::RibbonButtonArrow, G::Ribbon, L"ButtonArrow", true},
    {E::RibbonButtonGroup, G::Ribbon, L"ButtonGroup", true},
    {E::RibbonStatusBarBackground, G::Ribbon, L"StatusBarBackground", true},
    {E::RibbonStatusBarButton, G::Ribbon, L"StatusBarButton", true},
    {E::RibbonStatusBarSeparator, G::Ribbon, L"StatusBarSeparator", true},
    {E::RibbonQATInRibbonBackground, G::Ribbon, L"QATInRibbonBackground", true},
    {E::RibbonQATAboveBackground, G::Ribbon, L"QATAboveBackground", true},
    {E::RibbonQATBelowBackground, G::Ribbon, L"QATBelowBackground", true},
    {E::RibbonQATButtonGlyph, G::Ribbon, L"QATButtonGlyph", true},
    {E::RibbonQATOverflow, G::Ribbon, L"QATOverflow", true},
    {E::RibbonQATCustomizeButton, G::Ribbon, L"QATCustomizeButton", true},
    {E::RibbonButtonGroupButton, G::Ribbon, L"ButtonGroupButton", true},
    {E::RibbonButtonGroupSeparator, G::Ribbon, L"ButtonGroupSeparator", true},
    {E::RibbonTabGroupLeftScrollButton, G::Ribbon, L"TabGroupLeftScrollButton", true},
    {E::RibbonTabGroupRightScrollButton, G::Ribbon, L"TabGroupRightScrollButton", true},
    {E::RibbonContextualTabLabel, G::Ribbon, L"ContextualTabLabel", true},
    {E::RibbonContextualTabLabelOnGlass, G::Ribbon, L"ContextualTabLabelOnGlass", true},
    {E::RibbonContextualTabSeparator, G::Ribbon, L"ContextualTabSeparator", true},
    {E::RibbonContextualTabHeader, G::Ribbon, L"ContextualTabHeader", true},
    {E::RibbonContextualTabPanel, G::Ribbon, L"ContextualTabPanel", true},
    {E::FormSmallFormButtonClose, G::Form, L"SmallFormButtonClose", true},
    {E::FormFormButtonClose, G::Form, L"FormButtonClose", true},
    {E::FormFormButtonMinimize, G::Form, L"FormButtonMinimize", true},
    {E::FormFormButtonMaximize, G::Form, L"FormButtonMaximize", true},
    {E::FormFormButtonRestore, G::Form, L"FormButtonRestore", true},
    {E::FormFormButtonHelp, G::Form, L"FormButtonHelp", true},
    {E::FormFormFrameLeft, G::Form, L"FormFrameLeft", true},
    {E::FormFormFrameRight, G::Form, L"FormFrameRight", true},
    {E::FormFormFrameBottom, G::Form, L"FormFrameBottom", true},
    {E::FormSmallFormCaption, G::Form, L"SmallFormCaption", true},
    {E::FormFormCaption, G::Form, L"FormCaption", true},
    {E::FormFormContent, G::Form, L"FormContent", true},
    {E::GridPlusMinus, G::Grid, L"PlusMinus", true},
    {E::GridFooterCell, G::Grid, L"FooterCell", true},
    {E::GridFooterPanel, G::Grid, L"FooterPanel", true},
    {E::GridFilterButton, G::Grid, L"FilterButton", true},
    {E::GridFilterButtonActive, G::Grid, L"FilterButtonActive", true},
    {E::GridGridFilterPanel, G::Grid, L"GridFilterPanel", true},
    {E::GridGridFixedLine, G::Grid, L"GridFixedLine", true},
    {E::GridCardSeparator, G::Grid, L"CardSeparator", true},
    {E::GridGridGroupPanel, G::Grid, L"GridGroupPanel", true},
    {E::GridGroupRow, G::Grid, L"GroupRow", true},
    {E::GridGridLine, G::Grid, L"GridLine", true},
    {E::GridIndicatorImages, G::Grid, L"IndicatorImages", true},
    {E::GridLayoutViewItem, G::Grid, L"LayoutViewItem", true},
    {E::GridLayoutViewRecordExpandButton, G::Grid, L"LayoutViewRecordExpandButton", true},
    {E::GridLayoutViewRecordTop, G::Grid, L"LayoutViewRecordTop", true},
    {E::GridLayoutViewRecordBottom, G::Grid, L"LayoutViewRecordBottom", true},
    {E::GridLayoutViewRecordLeft, G::Grid, L"LayoutViewRecordLeft", true},
    {E::GridLayoutViewRecordRight, G::Grid, L"LayoutViewRecordRight", true},
    {E::GridLayoutViewRecord, G::Grid, L"LayoutViewRecord", true},
    {E::GridLayoutViewRecordCaptionTop, G::Grid, L"LayoutViewRecordCaptionTop", true},
    {E::GridLayoutViewRecordCaptionBottom, G::Grid, L"LayoutViewRecordCaptionBottom", true},
    {E::GridLayoutViewRecordCaptionLeft, G::Grid, L"LayoutViewRecordCaptionLeft", true},
    {E::GridLayoutViewRecordCaptionRight, G::Grid, L"LayoutViewRecordCaptionRight", true},
    {E::PageControlTabHeader, G::PageControl, L"TabHeader", true},
    {E::PageControlTabButtonHorz, G::PageControl, L"TabButtonHorz", true},
    {E::PageControlTabButtonVert, G::PageControl, L"TabButtonVert", true},
    {E::PageControlTabHeaderCloseButton, G::PageControl, L"TabHeaderCloseButton", true},
    {E::PageControlTabPane, G::PageControl, L"TabPane", true},
    {E::SchedulerTimeGridHeader, G::Scheduler, L"TimeGridHeader", true},
    {E::SchedulerTimeGridHeaderSelected, G::Scheduler, L"TimeGridHeaderSelected", true},
    {E::SchedulerDefaultTimeLine, G::Scheduler, L"DefaultTimeLine", true},
    {E::SchedulerRuler, G::Scheduler, L"Ruler", true},
    {E::SchedulerMoreButton, G::Scheduler, L"MoreButton", true},
    {E::SchedulerAppointmentRightBorder, G::Scheduler, L"AppointmentRightBorder", true},
    {E::SchedulerAppointment, G::Scheduler, L"Appointment", true},
    {E::SchedulerAllDayArea, G::Scheduler, L"AllDayArea", true},
    {E::SchedulerAllDayAreaSelected, G::Scheduler, L"AllDayAreaSelected", true},
    {E::SchedulerCurrentTimeIndicator, G::Scheduler, L"CurrentTimeIndicator", true},
    {E::SchedulerAppointmentBottomShadow, G::Scheduler, L"AppointmentBottomShadow", true},
    {E::SchedulerAppointmentRightShadow, G::Scheduler, L"AppointmentRightShadow", true},
    {E::SchedulerAppointmentMask, G::Scheduler, L"AppointmentMask", true},
    {E::SchedulerNavButtonPrev, G::Scheduler, L"NavButtonPrev", true},
    {E::SchedulerNavButtonNext, G::Scheduler, L"NavButtonNext", true},
    {E::SchedulerNavButtonPrevArrow, G::Scheduler, L"NavButtonPrevArrow", true},
    {E::SchedulerNavButtonNextArrow, G::Scheduler, L"NavButtonNextArrow", true},
    {E::SchedulerTimeGridCurrentTimeIndicator, G::Scheduler, L"TimeGridCurrentTimeIndicator", false},
    {E::VerticalGridCategory, G::VerticalGrid, L"Category", true},
    {E::VerticalGridGridLine, G::VerticalGrid, L"GridLine", true},
    {E::VerticalGridBandBorder, G::VerticalGrid, L"BandBorder", true},
    {E::VerticalGridRowHeader, G::VerticalGrid, L"RowHeader", true},
    {E::NavBarBackground, G::NavBar, L"Background", true},
    {E::NavBarGroupClient, G::NavBar, L"GroupClient", true},
    {E::NavBarItem, G::NavBar, L"Item", true},
    {E::NavBarGroupHeader, G::NavBar, L"GroupHeader", true},
    {E::NavBarGroupCloseButton, G::NavBar, L"GroupCloseButton", true},
    {E::NavBarGroupOpenButton, G::NavBar, L"GroupOpenButton", true},
    {E::NavPaneCollapseButton, G::NavPane, L"CollapseButton", true},
    {E::NavPaneCollapsedGroupClient, G::NavPane, L"CollapsedGroupClient", true},
    {E::NavPaneExpandButton, G::NavPane, L"ExpandButton", true},
    {E::NavPanePopupBorder, G::NavPane, L"PopupBorder", true},
    {E::NavPanePopupSizeGrip, G::NavPane, L"PopupSizeGrip", true},
    {E::NavPaneGroupButton, G::NavPane, L"GroupButton", true},
    {E::NavPaneGroupButtonSelected, G::NavPane, L"GroupButtonSelected", true},
    {E::NavPaneCaption, G::NavPane, L"Caption", true},
    {E::NavPaneSplitter, G::NavPane, L"Splitter", true},
    {E::NavPaneScrollUpButton, G::NavPane, L"ScrollUpButton", true},
    {E::NavPaneScrollDownButton, G::NavPane, L"ScrollDownButton", true},
    {E::NavPaneOverflowPanel, G::NavPane, L"OverflowPanel", true},
    {E::NavPaneOverflowPanelItem, G::NavPane, L"OverflowPanelItem", true},
    {E::NavPaneOverflowPanelExpandItem, G::NavPane, L"OverflowPanelExpandItem", true},
    {E::NavPaneGroupClient, G::NavPane, L"GroupClient", true},
    {E::NavPaneItem, G::NavPane, L"Item", true},
    {E::NavPaneItemSelected, G::NavPane, L"ItemSelected", true},
    {E::PrintingSystemPageBorder, G::PrintingSystem, L"PageBorder", true},
    {E::PrintingSystemPreviewBackground, G::PrintingSystem, L"PreviewBackground", true},
};
static_assert(std::size(kElements) == std::size_t(E::Count));

// Where a property slot looks.
enum class O { SkinColors, SkinProperties, Group, Element };

struct TPropertyRow {
  P Slot;
  O Owner;
  int Index;  // the group or element slot of Group and Element owners
  const wchar_t* Name;
  TClass (*Class)();
  bool Touches;  // finding it clears its unreferenced flag
};

TClass kColor() { return TdxSkinColor::StaticClass(); }
TClass kInteger() { return TdxSkinIntegerProperty::StaticClass(); }
TClass kBoolean() { return TdxSkinBooleanProperty::StaticClass(); }
TClass kRect() { return TdxSkinRectProperty::StaticClass(); }
TClass kString() { return TdxSkinStringProperty::StaticClass(); }

constexpr TPropertyRow kProperties[] = {
    {P::SkinContainerBorderColor, O::SkinColors, 0, L"ContainerBorderColor", kColor, false},
    {P::SkinContainerHighlightBorderColor, O::SkinColors, 0, L"ContainerHighlightBorderColor", kColor, false},
    {P::SkinContentColor, O::SkinColors, 0, L"ContentColor", kColor, false},
    {P::SkinContentEvenColor, O::SkinColors, 0, L"ContentEvenColor", kColor, false},
    {P::SkinContentOddColor, O::SkinColors, 0, L"ContentOddColor", kColor, false},
    {P::SkinContentTextColor, O::SkinColors, 0, L"ContentTextColor", kColor, false},
    {P::SkinDockControlHiddenBarTextColor, O::SkinColors, 0, L"DockControlHiddenBarTextColor", kColor, false},
    {P::SkinDockControlHiddenBarTextHotColor, O::SkinColors, 0, L"DockControlHiddenBarTextHotColor", kColor, false},
    {P::SkinHeaderBackgroundColor, O::SkinColors, 0, L"HeaderBackgroundColor", kColor, false},
    {P::SkinHeaderBackgroundTextColor, O::SkinColors, 0, L"HeaderBackgroundTextColor", kColor, false},
    {P::SkinLayoutControlColor, O::SkinColors, 0, L"LayoutControlColor", kColor, false},
    {P::SkinSelectionColor, O::SkinColors, 0, L"SelectionColor", kColor, false},
    {P::SkinSelectionTextColor, O::SkinColors, 0, L"SelectionTextColor", kColor, false},
    {P::SkinSkinGroupName, O::SkinProperties, 0, L"SkinGroupName", kString, true},
    {P::BarsDisabledTextColor, O::Group, int(G::Bars), L"DisabledTextColor", kColor, true},
    {P::BarsScreenTipWindowScreenTipItem, O::Element, int(E::BarsScreenTipWindow), L"ScreenTipItem", kColor, true},
    {P::BarsScreenTipWindowScreenTipTitleItem, O::Element, int(E::BarsScreenTipWindow),
     L"ScreenTipTitleItem", kColor, true},
    {P::CommonButtonDisabledText, O::Element, int(E::CommonButton), L"DisabledText", kColor, true},
    {P::DockingTabHeaderTextColor, O::Group, int(G::Docking), L"TabHeaderTextColor", kColor, true},
    {P::DockingTabHeaderTextColorActive, O::Group, int(G::Docking), L"TabHeaderTextColorActive", kColor, true},
    {P::DockingDockWindowCaptionInactiveCaptionTextColor, O::Element, int(E::DockingDockWindowCaption),
     L"InactiveCaptionTextColor", kColor, true},
    {P::DockingActiveTabHeaderDownGrow, O::Group, int(G::Docking), L"ActiveTabHeaderDownGrow", kInteger, true},
    {P::DockingActiveTabHeaderHGrow, O::Group, int(G::Docking), L"ActiveTabHeaderHGrow", kInteger, true},
    {P::DockingActiveTabHeaderUpGrow, O::Group, int(G::Docking), L"ActiveTabHeaderUpGrow", kInteger, true},
    {P::EditorsEditorButtonMergeBorders, O::Element, int(E::EditorsEditorButton), L"MergeBorders", kBoolean, true},
    {P::EditorsCalcEditEditingOperationTextColor, O::Group, int(G::Editors),
     L"CalcEditEditingOperationTextColor", kColor, true},
    {P::EditorsCalcEditMemoryOperationTextColor, O::Group, int(G::Editors),
     L"CalcEditMemoryOperationTextColor", kColor, true},
    {P::EditorsCalcEditDigitTextColor, O::Group, int(G::Editors), L"CalcEditDigitTextColor", kColor, true},
    {P::EditorsCalcEditArithmeticOperationTextColor, O::Group, int(G::Editors),
     L"CalcEditArithmeticOperationTextColor", kColor, true},
    {P::EditorsCalcEditScientificOperationTextColor, O::Group, int(G::Editors),
     L"CalcEditScientificOperationTextColor", kColor, true},
    {P::EditorsCalendarDayTextColor, O::Group, int(G::Editors), L"CalendarDayTextColor", kColor, true},
    {P::EditorsCalendarHolidayTextColor, O::Group, int(G::Editors), L"CalendarHolidayTextColor", kColor, true},
    {P::EditorsCalendarInactiveDayTextColor, O::Group, int(G::Editors), L"CalendarInactiveDayTextColor", kColor, true},
    {P::EditorsCalendarSelectedDayTextColor, O::Group, int(G::Editors), L"CalendarSelectedDayTextColor", kColor, true},
    {P::EditorsCalendarSelectedDayColor, O::Group, int(G::Editors), L"CalendarSelectedDayColor", kColor, true},
    {P::EditorsCalendarSeparatorColor, O::Group, int(G::Editors), L"CalendarSeparatorColor", kColor, true},
    {P::EditorsCalendarTodayFrameColor, O::Group, int(G::Editors), L"CalendarTodayFrameColor", kColor, true},
    {P::EditorsCalendarTodayTextColor, O::Group, int(G::Editors), L"CalendarTodayTextColor", kColor, true},
    {P::EditorsHyperLinkTextColor, O::Group, int(G::Editors), L"HyperLinkTextColor", kColor, true},
    {P::EditorsTextColor, O::Group, int(G::Editors), L"TextColor", kColor, true},
    {P::EditorsTextDisabledColor, O::Group, int(G::Editors), L"TextDisabledColor", kColor, true},
    {P::EditorsTextInactiveColor, O::Group, int(G::Editors), L"TextInactiveColor", kColor, true},
    {P::EditorsTextReadOnlyColor, O::Group, int(G::Editors), L"TextReadOnlyColor", kColor, true},
    {P::EditorsBackgroundColor, O::Group, int(G::Editors), L"BackgroundColor", kColor, true},
    {P::EditorsBackgroundDisabledColor, O::Group, int(G::Editors), L"BackgroundDisabledColor", kColor, true},
    {P::EditorsBackgroundInactiveColor, O::Group, int(G::Editors), L"BackgroundInactiveColor", kColor, true},
    {P::EditorsBackgroundReadOnlyColor, O::Group, int(G::Editors), L"BackgroundReadOnlyColor", kColor, true},
    {P::EditorsProgressBarEmptyTextColor, O::Group, int(G::Editors), L"ProgressBarEmptyTextColor", kColor, true},
    {P::EditorsProgressBarFilledTextColor, O::Group, int(G::Editors), L"ProgressBarFilledTextColor", kColor, true},
    {P::RibbonContextualTabLabelTextShadowColor, O::Element, int(E::RibbonContextualTabLabel),
     L"TextShadowColor", kColor, true},
    {P::RibbonEditorBackground, O::Group, int(G::Ribbon), L"EditorBackground", kColor, true},
    {P::RibbonAppMenuExtraPaneColor, O::Group, int(G::Ribbon), L"AppMenuExtraPaneColor", kColor, true},
    {P::RibbonAppMenuExtraPaneHeaderSeparator, O::Group, int(G::Ribbon),
     L"AppMenuExtraPaneHeaderSeparator", kColor, true},
    {P::RibbonButtonDisabled, O::Group, int(G::Ribbon), L"ButtonDisabled", kColor, true},
    {P::RibbonFormCaptionTextColorInactive, O::Element, int(E::RibbonFormCaption), L"TextColorInactive", kColor, true},
    {P::RibbonFormCaptionDocumentNameTextColor, O::Element, int(E::RibbonFormCaption),
     L"DocumentNameTextColor", kColor, true},
    {P::RibbonFormCaptionFontDelta, O::Element, int(E::RibbonFormCaption), L"FontDelta", kInteger, true},
    {P::RibbonTabTextColorHot, O::Element, int(E::RibbonTab), L"TextColorHot", kColor, true},
    {P::RibbonTabTextColorSelected, O::Element, int(E::RibbonTab), L"TextColorSelected", kColor, true},
    {P::RibbonContextualTabHeaderTextColorSelected, O::Element, int(E::RibbonContextualTabHeader),
     L"TextColorSelected", kColor, true},
    {P::RibbonContextualTabHeaderTextColorHot, O::Element, int(E::RibbonContextualTabHeader),
     L"TextColorHot", kColor, true},
    {P::RibbonStatusBarButtonTextColor, O::Element, int(E::RibbonStatusBarButton), L"TextColor", kColor, true},
    {P::RibbonStatusBarButtonTextColorHot, O::Element, int(E::RibbonStatusBarButton), L"TextColorHot", kColor, true},
    {P::RibbonStatusBarButtonTextColorDisabled, O::Element, int(E::RibbonStatusBarButton),
     L"TextColorDisabled", kColor, true},
    {P::RibbonQATAboveBackgroundDisplayCustomizeButtonOutsideQAT, O::Element, int(E::RibbonQATAboveBackground),
     L"DisplayCustomizeButtonOutsideQAT", kBoolean, true},
    {P::RibbonQATAboveBackgroundIndentBeforeCustomizeButton, O::Element, int(E::RibbonQATAboveBackground),
     L"IndentBeforeCustomizeButton", kInteger, true},
    {P::RibbonQATInRibbonBackgroundDisplayCustomizeButtonOutsideQAT, O::Element, int(E::RibbonQATInRibbonBackground),
     L"DisplayCustomizeButtonOutsideQAT", kBoolean, true},
    {P::RibbonQATInRibbonBackgroundIndentBeforeCustomizeButton, O::Element, int(E::RibbonQATInRibbonBackground),
     L"IndentBeforeCustomizeButton", kInteger, true},
    {P::RibbonSpaceBetweenTabGroups, O::Group, int(G::Ribbon), L"SpaceBetweenTabGroups", kInteger, true},
    {P::RibbonTabHeaderDownGrow, O::Group, int(G::Ribbon), L"TabHeaderDownGrow", kInteger, true},
    {P::RibbonTabAeroSupport, O::Group, int(G::Ribbon), L"TabAeroSupport", kBoolean, true},
    {P::FormTextColorInactive, O::Group, int(G::Form), L"TextColorInactive", kColor, true},
    {P::FormTextShadowColor, O::Group, int(G::Form), L"TextShadowColor", kColor, true},
    {P::FormFormCaptionFontDelta, O::Element, int(E::FormFormCaption), L"FontDelta", kInteger, true},
    {P::GridGroupRowOffice11ContentColor, O::Element, int(E::GridGroupRow), L"Office11ContentColor", kColor, true},
    {P::GridGroupRowOffice11SeparatorColor, O::Element, int(E::GridGroupRow), L"Office11SeparatorColor", kColor, true},
    {P::GridGroupRowOffice11TextColor, O::Element, int(E::GridGroupRow), L"Office11TextColor", kColor, true},
    {P::GridLayoutViewGroupPadding, O::Group, int(G::Grid), L"LayoutViewGroupPadding", kRect, true},
    {P::GridLayoutViewGroupWithoutBordersPadding, O::Group, int(G::Grid),
     L"LayoutViewGroupWithoutBordersPadding", kRect, true},
    {P::GridLayoutViewTabbedGroupPadding, O::Group, int(G::Grid), L"LayoutViewTabbedGroupPadding", kRect, true},
    {P::GridLayoutViewRootGroupPadding, O::Group, int(G::Grid), L"LayoutViewRootGroupPadding", kRect, true},
    {P::GridLayoutViewRootGroupWithoutBordersPadding, O::Group, int(G::Grid),
     L"LayoutViewRootGroupWithoutBordersPadding", kRect, true},
    {P::GridLayoutViewItemPadding, O::Group, int(G::Grid), L"LayoutViewItemPadding", kRect, true},
    {P::GridLayoutViewGroupSpacing, O::Group, int(G::Grid), L"LayoutViewGroupSpacing", kRect, true},
    {P::GridLayoutViewGroupWithoutBordersSpacing, O::Group, int(G::Grid),
     L"LayoutViewGroupWithoutBordersSpacing", kRect, true},
    {P::GridLayoutViewTabbedGroupSpacing, O::Group, int(G::Grid), L"LayoutViewTabbedGroupSpacing", kRect, true},
    {P::GridLayoutViewRootGroupSpacing, O::Group, int(G::Grid), L"LayoutViewRootGroupSpacing", kRect, true},
    {P::GridLayoutViewRootGroupWithoutBordersSpacing, O::Group, int(G::Grid),
     L"LayoutViewRootGroupWithoutBordersSpacing", kRect, true},
    {P::GridLayoutViewItemSpacing, O::Group, int(G::Grid), L"LayoutViewItemSpacing", kRect, true},
    {P::PageControlTabHeaderTextColor, O::Element, int(E::PageControlTabHeader), L"TextColor", kColor, true},
    {P::PageControlTabHeaderTextColorSelected, O::Element, int(E::PageControlTabHeader),
     L"TextColorSelected", kColor, true},
    {P::PageControlTabHeaderTextColorDisabled, O::Element, int(E::PageControlTabHeader),
     L"TextColorDisabled", kColor, true},
    {P::PageControlTabHeaderTextColorHot, O::Element, int(E::PageControlTabHeader), L"TextColorHot", kColor, true},
    {P::PageControlRowIndentFar, O::Group, int(G::PageControl), L"RowIndentFar", kInteger, true},
    {P::PageControlRowIndentNear, O::Group, int(G::PageControl), L"RowIndentNear", kInteger, true},
    {P::PageControlSelectedHeaderDownGrow, O::Group, int(G::PageControl), L"SelectedHeaderDownGrow", kInteger, true},
    {P::PageControlSelectedHeaderHGrow, O::Group, int(G::PageControl), L"SelectedHeaderHGrow", kInteger, true},
    {P::PageControlSelectedHeaderUpGrow, O::Group, int(G::PageControl), L"SelectedHeaderUpGrow", kInteger, true},
    {P::PageControlHeaderDownGrow, O::Group, int(G::PageControl), L"HeaderDownGrow", kInteger, true},
    {P::PageControlHeaderDownGrowBottomRight, O::Group, int(G::PageControl),
     L"HeaderDownGrowBottomRight", kInteger, true},
    {P::PageControlSelectedHeaderDownGrowBottomRight, O::Group, int(G::PageControl),
     L"SelectedHeaderDownGrowBottomRight", kInteger, true},
    {P::SchedulerNavigatorColor, O::Group, int(G::Scheduler), L"NavigatorColor", kColor, true},
    {P::SchedulerAppointmentSeparatorColor, O::Element, int(E::SchedulerAppointment), L"SeparatorColor", kColor, true},
    {P::SchedulerAppointmentBorderSize, O::Element, int(E::SchedulerAppointment), L"BorderSize", kInteger, true},
    {P::NavPaneCaptionHeight, O::Element, int(E::NavPaneCaption), L"Height", kInteger, true},
    {P::NavPaneCaptionFontSize, O::Element, int(E::NavPaneCaption), L"FontSize", kInteger, true},
    {P::NavPaneOverlapGroupBorders, O::Group, int(G::NavPane), L"OverlapGroupBorders", kBoolean, false},
};
static_assert(std::size(kProperties) == std::size_t(P::Count));

// Every row stands at its slot's place, so a slot indexes its row.
constexpr bool RowsInSlotOrder() {
  for (std::size_t i = 0; i < std::size(kElements); ++i)
    if (std::size_t(kElements[i].Slot) != i) return false;
  for (std::size_t i = 0; i < std::size(kProperties); ++i)
    if (std::size_t(kProperties[i].Slot) != i) return false;
  return true;
}
static_assert(RowsInSlotOrder());

constexpr E kEditButtonGlyphs[8] = {E::EditorsCloseButton,  E::EditorsComboButtonGlyph, E::EditorsEditorButton,
                                    E::EditorsEditorButton, E::EditorsSpinUpGlyph,      E::EditorsSpinDownGlyph,
                                    E::EditorsSpinLeftGlyph, E::EditorsSpinRightGlyph};
constexpr P kEditorTextColors[4] = {P::EditorsTextColor, P::EditorsTextDisabledColor, P::EditorsTextInactiveColor,
                                    P::EditorsTextReadOnlyColor};
constexpr P kEditorBackgroundColors[4] = {P::EditorsBackgroundColor, P::EditorsBackgroundDisabledColor,
                                          P::EditorsBackgroundInactiveColor, P::EditorsBackgroundReadOnlyColor};
constexpr E kFormFrames[2][4] = {
    {E::FormFormFrameLeft, E::FormSmallFormCaption, E::FormFormFrameRight, E::FormFormFrameBottom},
    {E::FormFormFrameLeft, E::FormFormCaption, E::FormFormFrameRight, E::FormFormFrameBottom}};
constexpr P kDockingIndents[3] = {P::DockingActiveTabHeaderDownGrow, P::DockingActiveTabHeaderHGrow,
                                  P::DockingActiveTabHeaderUpGrow};
constexpr P kPageControlIndents[8] = {
    P::PageControlRowIndentFar,       P::PageControlRowIndentNear,          P::PageControlSelectedHeaderDownGrow,
    P::PageControlSelectedHeaderHGrow, P::PageControlSelectedHeaderUpGrow,  P::PageControlHeaderDownGrow,
    P::PageControlHeaderDownGrowBottomRight, P::PageControlSelectedHeaderDownGrowBottomRight};
constexpr E kLayoutViewRecordCaptions[5] = {E::GridLayoutViewRecordCaptionTop, E::GridLayoutViewRecordCaptionBottom,
                                            E::GridLayoutViewRecordCaptionLeft, E::GridLayoutViewRecordCaptionRight,
                                            E::None};
constexpr P kLayoutViewPaddings[6] = {
    P::GridLayoutViewGroupPadding,     P::GridLayoutViewGroupWithoutBordersPadding,
    P::GridLayoutViewTabbedGroupPadding, P::GridLayoutViewRootGroupPadding,
    P::GridLayoutViewRootGroupWithoutBordersPadding, P::GridLayoutViewItemPadding};
constexpr P kLayoutViewSpacings[6] = {
    P::GridLayoutViewGroupSpacing,     P::GridLayoutViewGroupWithoutBordersSpacing,
    P::GridLayoutViewTabbedGroupSpacing, P::GridLayoutViewRootGroupSpacing,
    P::GridLayoutViewRootGroupWithoutBordersSpacing, P::GridLayoutViewItemSpacing};
// The scroll-bar parts 1..5 of row 0 (vertical) and row 1 (horizontal).
constexpr struct {
  E Element;
  int ImageIndex;
} kScrollBarParts[2][5] = {
    {{E::CommonScrollButton, 0}, {E::CommonScrollButton, 1}, {E::CommonScrollThumbVert, 0},
     {E::CommonScrollContentVert, 0}, {E::CommonScrollContentVert, 0}},
    {{E::CommonScrollButton, 2}, {E::CommonScrollButton, 3}, {E::CommonScrollThumbHorz, 0},
     {E::CommonScrollContentHorz, 0}, {E::CommonScrollContentHorz, 0}}};

// The slot at AIndex of a row, or ANone outside it.
template <class T, std::size_t N>
T RowSlot(const T (&ARow)[N], int AIndex, T ANone) {
  return AIndex >= 0 && std::size_t(AIndex) < N ? ARow[AIndex] : ANone;
}

// The calculator button kinds 0..27 take five colours.
P CalculatorColorSlot(int AKind) {
  if (AKind < 0 || AKind > 27) return P::Count;
  if (AKind <= 2) return P::EditorsCalcEditEditingOperationTextColor;
  if (AKind <= 6) return P::EditorsCalcEditMemoryOperationTextColor;
  if (AKind <= 18) return P::EditorsCalcEditDigitTextColor;
  if (AKind <= 22) return P::EditorsCalcEditArithmeticOperationTextColor;
  return P::EditorsCalcEditScientificOperationTextColor;
}

template <class T>
T* Found(T* AObject, bool ATouch = true) {
  if (AObject && ATouch) {
    TdxSkinObjectState state = AObject->State();
    AObject->SetState(state.Exclude(sosUnreferenced));
  }
  return AObject;
}

template <class T>
T* Checked(TdxSkinProperty* AProperty) {
  if (AProperty && !AProperty->InheritsFrom(T::StaticClass())) throw EInvalidCast(&sdxSkinInvalidCast);
  return static_cast<T*>(AProperty);
}

// The red cross of placeholders: two red lines two pixels wide, corner to
// corner, on a transparent 32 x 32 picture.
void MakeCrossPicture(TdxPNGImage* APicture) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf32bit);
  bitmap.SetSize(32, 32);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Brush()->SetColor(clWhite);
  canvas->FillRect(TRect{0, 0, 32, 32});
  canvas->Pen()->SetColor(clRed);
  canvas->Pen()->SetWidth(2);
  canvas->MoveTo(0, 0);
  canvas->LineTo(32, 32);
  canvas->MoveTo(0, 31);
  canvas->LineTo(32, -1);
  TRGBColors pixels;
  GetBitmapColors(&bitmap, pixels, true);
  for (TRGBQuad& p : pixels)
    p = p.rgbRed == 255 && p.rgbGreen == 0 && p.rgbBlue == 0 ? TRGBQuad{0, 0, 255, 255} : TRGBQuad{0, 0, 0, 0};
  PutBitmapColors(&bitmap, pixels, true);
  APicture->SetBitmap(&bitmap);
}

}  // namespace

// --- Scroll-bar parts ----------------------------------------------------------------------

bool TdxSkinScrollInfo::Draw(HDC DC, const TRect& R, TdxSkinElementState AState) {
  if (!Element) return false;
  Element->DrawToDC(DC, R, ImageIndex, AState);
  return true;
}

// --- Lookup --------------------------------------------------------------------------------

TdxSkinInfo::TdxSkinInfo(TdxSkin* ASkin) : FOwnedSkin(ASkin) { SetSkin(ASkin); }

TdxSkinInfo::~TdxSkinInfo() {
  // The built-in skin units hold links to their infos, which the registry frees.
  InvalidateObjectLinks(this);
  SetSkin(nullptr);
  FOwnedSkin.reset();
}

bool TdxSkinInfo::GetInterface(const TGUID& iid, void** obj) {
  return InterfaceTable<IdxSkinChangeListener>(this, iid, obj) || inherited::GetInterface(iid, obj);
}

void TdxSkinInfo::SetSkin(TdxSkin* ASkin) {
  if (ASkin == FSkin) return;
  if (FSkin) {
    Finalize();
    FSkin->RemoveListener(this);
  }
  FSkin = ASkin;
  if (FSkin) FSkin->AddListener(this);
  Initialize();
}

void TdxSkinInfo::TakeSkin(TdxSkin* ASkin) {
  if (ASkin == FOwnedSkin.get()) return SetSkin(ASkin);
  // Owned before it is followed, so a table that fails to build leaks nothing;
  // the skin owned until now goes last, when it is no longer followed.
  std::unique_ptr<TdxSkin> previous = std::move(FOwnedSkin);
  FOwnedSkin.reset(ASkin);
  SetSkin(ASkin);
}

void TdxSkinInfo::SkinChanged(TdxSkin*) {
  Finalize();
  Initialize();
}

void TdxSkinInfo::Finalize() {
  for (auto& row : FScrollBarParts)
    for (auto& part : row) part.reset();
}

void TdxSkinInfo::ClearSlots() {
  FGroups.fill(nullptr);
  FElements.fill(nullptr);
  FProperties.fill(nullptr);
  FFormFrameWidths.fill(TRect{});
  FCaptionFontDelta = 1;
  Finalize();
}

TdxSkinControlGroup* TdxSkinInfo::GetGroup(const String& AName) {
  if (!FSkin) return nullptr;
  if (TdxSkinControlGroup* group = FSkin->FindGroup(AName)) return Found(group);
  TdxSkinControlGroup* group = nullptr;
  dxSkinUpdating(FSkin->Groups(), [&] {
    group = FSkin->AddGroup(AName);
    group->SetState({sosAddedByLookup, sosUnreferenced});
  });
  return group;
}

TdxSkinElement* TdxSkinInfo::AddPlaceholder(TdxSkinControlGroup* AGroup, const String& AName) {
  TdxSkinElement* element = nullptr;
  // Told to the listeners (this info among them) once it is whole.
  dxSkinUpdating(AGroup->Elements(), [&] {
    element = AGroup->AddElement(AName);
    element->SetState({sosAddedByLookup, sosUnreferenced});
    element->Image()->SetStates({esNormal});
    element->Image()->SetStretch(smStretch);
    if (auto* texture = dynamic_cast<TdxSkinPNGTexture*>(element->Image()->Texture())) {
      MakeCrossPicture(texture->Picture());
      element->Image()->Changed();
    }
  });
  return element;
}

TdxSkinElement* TdxSkinInfo::GetElement(TdxSkinControlGroup* AGroup, const String& AName, bool ACreateIfMissing) {
  if (!AGroup) return nullptr;
  if (TdxSkinElement* element = AGroup->FindElement(AName)) return Found(element);
  return ACreateIfMissing ? AddPlaceholder(AGroup, AName) : nullptr;
}

TdxSkinProperty* TdxSkinInfo::GetProperty(TdxSkinPersistent* AOwner, const String& AName) {
  return AOwner ? Found(AOwner->FindProperty(AName)) : nullptr;
}

TdxSkinColor* TdxSkinInfo::GetColor(TdxSkinPersistent* AOwner, const String& AName) {
  return Checked<TdxSkinColor>(GetProperty(AOwner, AName));
}

TdxSkinBooleanProperty* TdxSkinInfo::GetBoolean(TdxSkinPersistent* AOwner, const String& AName) {
  return Checked<TdxSkinBooleanProperty>(GetProperty(AOwner, AName));
}

TdxSkinIntegerProperty* TdxSkinInfo::GetInteger(TdxSkinPersistent* AOwner, const String& AName) {
  return Checked<TdxSkinIntegerProperty>(GetProperty(AOwner, AName));
}

TColor TdxSkinInfo::GetColorValue(TdxSkinPersistent* AOwner, const String& AName) {
  TdxSkinColor* color = GetColor(AOwner, AName);
  return color ? color->Value() : clDefault;
}

int TdxSkinInfo::GetIntegerValue(TdxSkinPersistent* AOwner, const String& AName, int ADefault) {
  TdxSkinIntegerProperty* value = GetInteger(AOwner, AName);
  return value ? value->Value() : ADefault;
}

void TdxSkinInfo::Initialize() {
  ClearSlots();
  if (!FSkin) return;
  for (std::size_t g = 0; g < FGroups.size(); ++g) FGroups[g] = GetGroup(kGroupNames[g]);
  for (const TElementRow& row : kElements)
    FElements[std::size_t(row.Slot)] = GetElement(FGroups[std::size_t(row.Group)], row.Name, row.Create);
  ApplySkinAdjustments();
  for (const TPropertyRow& row : kProperties) {
    TdxSkinProperty* property = nullptr;
    switch (row.Owner) {
      case O::SkinColors: property = Found(FSkin->FindColor(row.Name), row.Touches); break;
      case O::SkinProperties: property = Found(FSkin->FindProperty(row.Name), row.Touches); break;
      case O::Group:
        if (TdxSkinControlGroup* group = FGroups[std::size_t(row.Index)])
          property = Found(group->FindProperty(row.Name), row.Touches);
        break;
      case O::Element:
        if (TdxSkinElement* element = FElements[std::size_t(row.Index)])
          property = Found(element->FindProperty(row.Name), row.Touches);
        break;
    }
    if (property && !property->InheritsFrom(row.Class())) throw EInvalidCast(&sdxSkinInvalidCast);
    FProperties[std::size_t(row.Slot)] = property;
  }
  for (int row = 0; row < 2; ++row) {
    TRect& widths = FFormFrameWidths[std::size_t(row)];
    if (TdxSkinElement* left = FormFrame(row == 0, 0)) widths.Left = left->GetImageSize().cx;
    if (TdxSkinElement* right = FormFrame(row == 0, 2)) widths.Right = right->GetImageSize().cx;
    if (TdxSkinElement* bottom = FormFrame(row == 0, 3)) widths.Bottom = bottom->GetImageSize().cy;
  }
  FCaptionFontDelta = std::max(1, IntegerValue(P::FormFormCaptionFontDelta));
  for (int row = 0; row < 2; ++row)
    for (int part = 0; part < 5; ++part) {
      const auto& def = kScrollBarParts[row][part];
      FScrollBarParts[std::size_t(row)][std::size_t(part)] =
          std::make_unique<TdxSkinScrollInfo>(Element(def.Element), def.ImageIndex);
    }
}

void TdxSkinInfo::ApplySkinAdjustments() {
  // Each change reaches the listeners, this info among them: the run it
  // causes completes before this one goes on (the skin's lock stops more).
  TdxSkinElement* content = Element(E::FormFormContent);
  if (TdxSkinElement* panel = Element(E::GridGridGroupPanel); panel && !panel->Image()->Empty())
    panel->SetColor(clNone);
  if (content) {
    for (E slot : {E::PageControlTabButtonHorz, E::PageControlTabButtonVert, E::CommonScrollButton})
      if (TdxSkinElement* element = Element(slot)) element->SetColor(content->Color());
  }
}

// --- Slots and rows ------------------------------------------------------------------------

TdxSkinElement* TdxSkinInfo::Element(TdxSkinElementSlot ASlot) const {
  return ASlot == E::None || ASlot == E::Count ? nullptr : FElements[std::size_t(ASlot)];
}

TdxSkinProperty* TdxSkinInfo::Property(TdxSkinPropertySlot ASlot) const {
  return ASlot == P::Count ? nullptr : FProperties[std::size_t(ASlot)];
}

TColor TdxSkinInfo::ColorValue(TdxSkinPropertySlot ASlot) const {
  TdxSkinColor* color = As<TdxSkinColor>(ASlot);
  return color ? color->Value() : clDefault;
}

int TdxSkinInfo::IntegerValue(TdxSkinPropertySlot ASlot, int ADefault) const {
  TdxSkinIntegerProperty* value = As<TdxSkinIntegerProperty>(ASlot);
  return value ? value->Value() : ADefault;
}

bool TdxSkinInfo::BooleanValue(TdxSkinPropertySlot ASlot, bool ADefault) const {
  TdxSkinBooleanProperty* value = As<TdxSkinBooleanProperty>(ASlot);
  return value ? value->Value() : ADefault;
}

TColor TdxSkinInfo::ElementTextColor(TdxSkinElementSlot ASlot) const {
  TdxSkinElement* element = Element(ASlot);
  return element ? element->TextColor() : clDefault;
}

TdxSkinElement* TdxSkinInfo::EditButtonGlyph(int AKind) const {
  return Element(RowSlot(kEditButtonGlyphs, AKind, E::None));
}

TdxSkinColor* TdxSkinInfo::CalculatorButtonColor(int AKind) const {
  return As<TdxSkinColor>(CalculatorColorSlot(AKind));
}

TdxSkinColor* TdxSkinInfo::EditorTextColor(int AState) const {
  return As<TdxSkinColor>(RowSlot(kEditorTextColors, AState, P::Count));
}

TdxSkinColor* TdxSkinInfo::EditorBackgroundColor(int AState) const {
  return As<TdxSkinColor>(RowSlot(kEditorBackgroundColors, AState, P::Count));
}

TdxSkinElement* TdxSkinInfo::FormFrame(bool ASmall, int ASide) const {
  return Element(RowSlot(kFormFrames[ASmall ? 0 : 1], ASide, E::None));
}

TdxSkinScrollInfo* TdxSkinInfo::ScrollBarPart(int ARow, int APart) const {
  if (ARow < 0 || ARow > 1 || APart < 1 || APart > 5) return nullptr;
  return FScrollBarParts[std::size_t(ARow)][std::size_t(APart - 1)].get();
}

int TdxSkinInfo::DockingIndent(int AIndex) const { return IntegerValue(RowSlot(kDockingIndents, AIndex, P::Count)); }

int TdxSkinInfo::PageControlIndent(int AIndex) const {
  return IntegerValue(RowSlot(kPageControlIndents, AIndex, P::Count));
}

TdxSkinElement* TdxSkinInfo::LayoutViewRecordCaption(int ASide) const {
  return Element(RowSlot(kLayoutViewRecordCaptions, ASide, E::None));
}

TdxSkinRectProperty* TdxSkinInfo::LayoutViewPadding(int AKind) const {
  return As<TdxSkinRectProperty>(RowSlot(kLayoutViewPaddings, AKind, P::Count));
}

TdxSkinRectProperty* TdxSkinInfo::LayoutViewSpacing(int AKind) const {
  return As<TdxSkinRectProperty>(RowSlot(kLayoutViewSpacings, AKind, P::Count));
}

std::unique_ptr<TBitmap> TdxSkinInfo::GetSkinIcon(bool ALarge) {
  if (TdxSkinElement* icon = Element(ALarge ? E::CommonSkinIconLarge : E::CommonSkinIcon))
    if (TdxPNGImage* picture = SkinImagePicture(icon->Image())) return picture->GetAsBitmap();
  TResourceStream stream(GetModuleHandleW(nullptr), ALarge ? L"DEFAULTSKINICONLARGE" : L"DEFAULTSKINICONSMALL",
                         L"DXSKINS");
  TdxPNGImage picture;
  picture.LoadFromStream(&stream);
  return picture.GetAsBitmap();
}
