#include "dxBarStrs.h"

#include "dxCore.h"

const wchar_t* const dxBarStrsProductName = L"Corvane";

// Registration order is part of the product's contract: translation tools list
// the identifiers in this order.
#define DX_BAR_STRINGS(S) \
  S(dxSBAR_LOOKUPDIALOGCAPTION, L"Select value") \
  S(dxSBAR_LOOKUPDIALOGOK, L"OK") \
  S(dxSBAR_LOOKUPDIALOGCANCEL, L"Cancel") \
  S(dxSBAR_DIALOGOK, L"OK") \
  S(dxSBAR_DIALOGCANCEL, L"Cancel") \
  S(dxSBAR_COLOR_STR_0, L"Black") \
  S(dxSBAR_COLOR_STR_1, L"Maroon") \
  S(dxSBAR_COLOR_STR_2, L"Green") \
  S(dxSBAR_COLOR_STR_3, L"Olive") \
  S(dxSBAR_COLOR_STR_4, L"Navy") \
  S(dxSBAR_COLOR_STR_5, L"Purple") \
  S(dxSBAR_COLOR_STR_6, L"Teal") \
  S(dxSBAR_COLOR_STR_7, L"Gray") \
  S(dxSBAR_COLOR_STR_8, L"Silver") \
  S(dxSBAR_COLOR_STR_9, L"Red") \
  S(dxSBAR_COLOR_STR_10, L"Lime") \
  S(dxSBAR_COLOR_STR_11, L"Yellow") \
  S(dxSBAR_COLOR_STR_12, L"Blue") \
  S(dxSBAR_COLOR_STR_13, L"Fuchsia") \
  S(dxSBAR_COLOR_STR_14, L"Aqua") \
  S(dxSBAR_COLOR_STR_15, L"White") \
  S(dxSBAR_COLORAUTOTEXT, L"(automatic)") \
  S(dxSBAR_COLORCUSTOMTEXT, L"(custom)") \
  S(dxSBAR_DATETODAY, L"Today") \
  S(dxSBAR_DATECLEAR, L"Clear") \
  S(dxSBAR_DATEDIALOGCAPTION, L"Select the date") \
  S(dxSBAR_TREEVIEWDIALOGCAPTION, L"Select item") \
  S(dxSBAR_IMAGEDIALOGCAPTION, L"Select item") \
  S(dxSBAR_IMAGEINDEX, L"Image Index") \
  S(dxSBAR_IMAGETEXT, L"Text") \
  S(dxSBAR_PLACEFORCONTROL, L"The place for the ") \
  S(dxSBAR_CANTASSIGNCONTROL, L"You cannot assign the same control to more than one TdxBarControlContainerItem") \
  S(dxSBAR_CXEDITVALUEDIALOGCAPTION, L"Enter value") \
  S(dxSBAR_WANTTORESETTOOLBAR, L"Are you sure you want to reset the changes made to the '%s' toolbar?") \
  S(dxSBAR_WANTTORESETUSAGEDATA, \
    L"This will delete the record of the commands you've used in this application and restore the default set " \
    L"of visible commands to the menus and toolbars. It will not undo any explicit customizations.   Are you " \
    L"sure you want to proceed?") \
  S(dxSBAR_BARMANAGERMORETHANONE, L"A control should contain only a single TdxBarManager") \
  S(dxSBAR_BARMANAGERBADOWNER, L"TdxBarManager should have TWinControl as its Owner") \
  S(dxSBAR_NOBARMANAGERS, L"There are no TdxBarManagers available") \
  S(dxSBAR_WANTTODELETETOOLBAR, L"Are you sure you want to delete the '%s' toolbar?") \
  S(dxSBAR_WANTTODELETETOOLBARS, L"Are you sure you want to delete selected toolbars?") \
  S(dxSBAR_WANTTODELETECATEGORY, L"Are you sure you want to delete the '%s' category?") \
  S(dxSBAR_WANTTOCLEARCOMMANDS, L"Are you sure you want to delete all commands in the '%s' category?") \
  S(dxSBAR_RECURSIVEMENUS, L"You cannot create recursive menus") \
  S(dxSBAR_COMMANDNAMECANNOTBEBLANK, L"A command name cannot be blank. Please enter a name.") \
  S(dxSBAR_TOOLBAREXISTS, L"A toolbar named '%s' already exists. Type another name.") \
  S(dxSBAR_RECURSIVEGROUPS, L"You cannot create recursive groups") \
  S(dxSBAR_WANTTODELETECOMPLEXITEM, \
    L"One of the selected objects is an item which has several links. Are you sure you want to delete these " \
    L"links?") \
  S(dxSBAR_CANTPLACEQUICKACCESSGROUPBUTTON, \
    L"You can place TdxRibbonQuickAccessGroupButton only on TdxRibbonQuickAccessToolbar") \
  S(dxSBAR_QUICKACCESSGROUPBUTTONTOOLBARNOTDOCKEDINRIBBON, \
    L"Quick Access Group Button's Toolbar is not docked in the Ribbon") \
  S(dxSBAR_QUICKACCESSALREADYHASGROUPBUTTON, \
    L"The Quick Access Toolbar already contains GroupButton with the same toolbar") \
  S(dxSBAR_CANTPLACESEPARATOR, L"A separator item cannot be placed on the specified toolbar") \
  S(dxSBAR_CANTPLACERIBBONGALLERY, L"You can place TdxRibbonGalleryItem only on the Ribbon") \
  S(dxSBAR_CANTMERGEBARMANAGER, L"You cannot merge with the specified bar manager") \
  S(dxSBAR_CANTMERGETOOLBAR, L"You cannot merge with the specified toolbar") \
  S(dxSBAR_CANTMERGEWITHMERGEDTOOLBAR, L"You cannot merge a toolbar with a toolbar that is already merged") \
  S(dxSBAR_CANTUNMERGETOOLBAR, L"You cannot unmerge the specified toolbar") \
  S(dxSBAR_ONEOFTOOLBARSALREADYMERGED, L"One of the toolbars of the specified bar manager is already merged") \
  S(dxSBAR_ONEOFTOOLBARSHASMERGEDTOOLBARS, L"One of the toolbars of the specified bar manager has merged toolbars") \
  S(dxSBAR_TOOLBARHASMERGEDTOOLBARS, L"The '%s' toolbar has merged toolbars") \
  S(dxSBAR_TOOLBARSALREADYMERGED, L"The '%s' toolbar is already merged with the '%s' toolbar") \
  S(dxSBAR_TOOLBARSARENOTMERGED, L"The '%s' toolbar is not merged with the '%s' toolbar") \
  S(dxSBAR_DEFAULTCATEGORYNAME, L"Default") \
  S(dxSBAR_NEWBUTTONCAPTION, L"New Button") \
  S(dxSBAR_NEWITEMCAPTION, L"New Item") \
  S(dxSBAR_NEWRIBBONGALLERYITEMCAPTION, L"New Gallery") \
  S(dxSBAR_NEWSEPARATORCAPTION, L"New Separator") \
  S(dxSBAR_NEWSUBITEMCAPTION, L"New SubItem") \
  S(dxSBAR_CP_ADDSUBITEM, L"Add &SubItem") \
  S(dxSBAR_CP_ADDBUTTON, L"Add &Button") \
  S(dxSBAR_CP_ADDLARGEBUTTON, L"Add &Large Button") \
  S(dxSBAR_CP_ADDSEPARATOR, L"Add Se&parator") \
  S(dxSBAR_CP_ADDDXITEM, L"Add &Item") \
  S(dxSBAR_CP_ADDCXITEM, L"Add &Editor Item") \
  S(dxSBAR_CP_ADDGROUPBUTTON, L"Add &Group Button") \
  S(dxSBAR_CP_DELETEITEM, L"Delete Item") \
  S(dxSBAR_CP_DELETELINK, L"Delete Link") \
  S(dxSBAR_CP_RESET, L"&Reset") \
  S(dxSBAR_CP_DELETE, L"&Delete") \
  S(dxSBAR_CP_NAME, L"&Name:") \
  S(dxSBAR_CP_CAPTION, L"&Caption:") \
  S(dxSBAR_CP_BUTTONPAINTSTYLEMENU, L"Button Paint &Style") \
  S(dxSBAR_CP_DEFAULTSTYLE, L"Defa&ult Style") \
  S(dxSBAR_CP_TEXTONLYALWAYS, L"&Text Only (Always)") \
  S(dxSBAR_CP_TEXTONLYINMENUS, L"Text &Only (in Menus)") \
  S(dxSBAR_CP_IMAGEANDTEXT, L"Image &and Text") \
  S(dxSBAR_CP_BEGINAGROUP, L"Begin a &Group") \
  S(dxSBAR_CP_VISIBLE, L"&Visible") \
  S(dxSBAR_CP_MOSTRECENTLYUSED, L"&Most Recently Used") \
  S(dxSBAR_CP_DISTRIBUTED, L"&Distributed") \
  S(dxSBAR_CP_POSITIONMENU, L"&Position") \
  S(dxSBAR_CP_VIEWLEVELSMENU, L"View&Levels") \
  S(dxSBAR_CP_ALLVIEWLEVELS, L"All") \
  S(dxSBAR_CP_SINGLEVIEWLEVELITEMSUFFIX, L" ONLY") \
  S(dxSBAR_CP_BUTTONGROUPMENU, L"Button&Group") \
  S(dxSBAR_CP_BUTTONGROUP, L"Group") \
  S(dxSBAR_CP_BUTTONUNGROUP, L"Ungroup") \
  S(dxSBAR_ADDEX, L"Add...") \
  S(dxSBAR_RENAMEEX, L"Rename...") \
  S(dxSBAR_DELETE, L"Delete") \
  S(dxSBAR_CLEAR, L"Clear") \
  S(dxSBAR_VISIBLE, L"Visible") \
  S(dxSBAR_OK, L"OK") \
  S(dxSBAR_CANCEL, L"Cancel") \
  S(dxSBAR_SUBMENUEDITOR, L"SubMenu Editor...") \
  S(dxSBAR_SUBMENUEDITORCAPTION, L"Corvane SubMenu Editor") \
  S(dxSBAR_INSERTEX, L"Insert...") \
  S(dxSBAR_MOVEUP, L"Move Up") \
  S(dxSBAR_MOVEDOWN, L"Move Down") \
  S(dxSBAR_POPUPMENUEDITOR, L"PopupMenu Editor...") \
  S(dxSBAR_TABSHEET1, L" Toolbars ") \
  S(dxSBAR_TABSHEET2, L" Commands ") \
  S(dxSBAR_TABSHEET3, L" Options ") \
  S(dxSBAR_TOOLBARS, L"Toolb&ars:") \
  S(dxSBAR_TNEW, L"&New...") \
  S(dxSBAR_TRENAME, L"R&ename...") \
  S(dxSBAR_TDELETE, L"&Delete") \
  S(dxSBAR_TRESET, L"&Reset...") \
  S(dxSBAR_CLOSE, L"Close") \
  S(dxSBAR_CAPTION, L"Customize") \
  S(dxSBAR_CATEGORIES, L"Cate&gories:") \
  S(dxSBAR_COMMANDS, L"Comman&ds:") \
  S(dxSBAR_DESCRIPTION, L"Description  ") \
  S(dxSBAR_MDIMINIMIZE, L"Minimize Window") \
  S(dxSBAR_MDIRESTORE, L"Restore Window") \
  S(dxSBAR_MDICLOSE, L"Close Window") \
  S(dxSBAR_CUSTOMIZE, L"&Customize...") \
  S(dxSBAR_ADDREMOVEBUTTONS, L"&Add or Remove Buttons") \
  S(dxSBAR_MOREBUTTONS, L"More Buttons") \
  S(dxSBAR_RESETTOOLBAR, L"&Reset Toolbar") \
  S(dxSBAR_EXPAND, L"Expand (Ctrl-Down)") \
  S(dxSBAR_DRAGTOMAKEMENUFLOAT, L"Drag to make this menu float") \
  S(dxSBAR_MORECOMMANDS, L"&More Commands...") \
  S(dxSBAR_SHOWBELOWRIBBON, L"&Show Quick Access Toolbar Below the Ribbon") \
  S(dxSBAR_SHOWABOVERIBBON, L"&Show Quick Access Toolbar Above the Ribbon") \
  S(dxSBAR_MINIMIZERIBBON, L"Mi&nimize the Ribbon") \
  S(dxSBAR_ADDTOQAT, L"&Add to Quick Access Toolbar") \
  S(dxSBAR_ADDTOQATITEMNAME, L"&Add %s to Quick Access Toolbar") \
  S(dxSBAR_REMOVEFROMQAT, L"&Remove from Quick Access Toolbar") \
  S(dxSBAR_CUSTOMIZEQAT, L"Customize Quick Access Toolbar") \
  S(dxSBAR_ADDGALLERYNAME, L"Gallery") \
  S(dxSBAR_SHOWALLGALLERYGROUPS, L"Show all groups") \
  S(dxSBAR_HIDEALLGALLERYGROUPS, L"Hide all groups") \
  S(dxSBAR_CLEARGALLERYFILTER, L"Clear filter") \
  S(dxSBAR_GALLERYEMPTYFILTERCAPTION, L"<empty>") \
  S(dxSBAR_TOOLBARNEWNAME, L"Custom ") \
  S(dxSBAR_CATEGORYADD, L"Add Category") \
  S(dxSBAR_CATEGORYINSERT, L"Insert Category") \
  S(dxSBAR_CATEGORYRENAME, L"Rename Category") \
  S(dxSBAR_TOOLBARADD, L"Add Toolbar") \
  S(dxSBAR_TOOLBARRENAME, L"Rename Toolbar") \
  S(dxSBAR_CATEGORYNAME, L"&Category name:") \
  S(dxSBAR_TOOLBARNAME, L"&Toolbar name:") \
  S(dxSBAR_CUSTOMIZINGFORM, L"Customization Form...") \
  S(dxSBAR_MODIFY, L"... modify") \
  S(dxSBAR_PERSMENUSANDTOOLBARS, L"Personalized Menus and Toolbars  ") \
  S(dxSBAR_MENUSSHOWRECENTITEMS, L"Me&nus show recently used commands first") \
  S(dxSBAR_SHOWFULLMENUSAFTERDELAY, L"Show f&ull menus after a short delay") \
  S(dxSBAR_RESETUSAGEDATA, L"&Reset my usage data") \
  S(dxSBAR_OTHEROPTIONS, L"Other  ") \
  S(dxSBAR_LARGEICONS, L"&Large icons") \
  S(dxSBAR_HINTOPT1, L"Show Tool&Tips on toolbars") \
  S(dxSBAR_HINTOPT2, L"Show s&hortcut keys in ToolTips") \
  S(dxSBAR_MENUANIMATIONS, L"&Menu animations:") \
  S(dxSBAR_MENUANIM1, L"(None)") \
  S(dxSBAR_MENUANIM2, L"Random") \
  S(dxSBAR_MENUANIM3, L"Unfold") \
  S(dxSBAR_MENUANIM4, L"Slide") \
  S(dxSBAR_MENUANIM5, L"Fade") \
  S(dxSBAR_CANTFINDBARMANAGERFORSTATUSBAR, L"A bar manager cannot be found for the status bar") \
  S(dxSBAR_BUTTONDEFAULTACTIONDESCRIPTION, L"Press") \
  S(SBlob, L"(Blob)") \
  S(dxSBAR_GDIPLUSNEEDED, L"%s requires the Microsoft GDI+ library to be installed") \
  S(dxSBAR_RIBBONMORETHANONE, L"There should be only one %s instance on the form") \
  S(dxSBAR_RIBBONBADOWNER, L"%s should have TCustomForm as its Owner") \
  S(dxSBAR_RIBBONBADPARENT, L"%s should have TCustomForm as its Parent") \
  S(dxSBAR_RIBBONADDTAB, L"Add Tab") \
  S(dxSBAR_RIBBONDELETETAB, L"Delete Tab") \
  S(dxSBAR_RIBBONADDEMPTYGROUP, L"Add Empty Group") \
  S(dxSBAR_RIBBONADDGROUPWITHTOOLBAR, L"Add Group With Toolbar") \
  S(dxSBAR_RIBBONDELETEGROUP, L"Delete Group") \
  S(dxSBAR_ACCESSIBILITY_RIBBONNAME, L"Ribbon") \
  S(dxSBAR_ACCESSIBILITY_RIBBONTABCOLLECTIONNAME, L"Ribbon Tabs")

DX_BAR_STRINGS(DX_RESOURCE_STRING)

namespace {

constexpr PResStringRec kStrings[] = {DX_BAR_STRINGS(DX_RESOURCE_STRING_ADDRESS)};
static_assert(sizeof(kStrings) / sizeof(kStrings[0]) == 182, "the product files 182 strings");
TdxResourceStringsUnit GUnit(dxBarStrsProductName, &AddResourceStrings<kStrings>);

}  // namespace

const PResStringRec* dxBarStrsList(int& Count) {
  Count = int(sizeof(kStrings) / sizeof(kStrings[0]));
  return kStrings;
}

void dxBarStrs_Initialize() { GUnit.Start(); }

void dxBarStrs_Finalize() { GUnit.End(); }

const TUnitEntry dxBarStrsUnit{L"dxBarStrs", dxBarStrs_Initialize, dxBarStrs_Finalize};
