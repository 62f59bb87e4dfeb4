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
#include "Streaming.h"
#include "Units.h"
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

// --- Painters -----------------------------------------------------------------------------
// The bar painters are made by their manager at each restyle, with the
// look-and-feel's skin painter, and freed at the next. The drawing operations
// come with the bar controls; here they are the class objects the manager picks.
class TdxBarPainter : public TcxIUnknownObject {
  VAMIRE_CLASS(TdxBarPainter, TcxIUnknownObject)
 public:
  using TCreateArg = TcxCustomLookAndFeelPainter;
  explicit TdxBarPainter(TcxCustomLookAndFeelPainter* ASkinPainter) : FSkinPainter(ASkinPainter) {}
  TcxCustomLookAndFeelPainterClass SkinPainter() const { return FSkinPainter; }

 private:
  TcxCustomLookAndFeelPainterClass FSkinPainter;
};
using TdxBarPainterClass = TClass;

class TdxBarStandardPainter : public TdxBarPainter {
  VAMIRE_CLASS(TdxBarStandardPainter, TdxBarPainter)
 public:
  using TdxBarPainter::TdxBarPainter;
};
class TdxBarEnhancedPainter : public TdxBarStandardPainter {
  VAMIRE_CLASS(TdxBarEnhancedPainter, TdxBarStandardPainter)
 public:
  using TdxBarStandardPainter::TdxBarStandardPainter;
};
class TdxBarFlatPainter : public TdxBarPainter {
  VAMIRE_CLASS(TdxBarFlatPainter, TdxBarPainter)
 public:
  using TdxBarPainter::TdxBarPainter;
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

// --- Items, bars and groups (the model the manager owns) ---------------------------------
// An item of a manager: a command with a category, shown by item controls.
class TdxBarItem : public TComponent {
  VAMIRE_CLASS(TdxBarItem, TComponent)
 public:
  explicit TdxBarItem(TComponent* AOwner);
  ~TdxBarItem() override;
  TdxBarManager* BarManager() const { return FBarManager; }
  void SetBarManager(TdxBarManager* Value);
  int Category() const { return FCategory; }
  void SetCategory(int Value) { FCategory = Value; }
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value) { FCaption = Value; }
  TdxBarItemVisible Visible() const { return FVisible; }
  virtual void SetVisible(TdxBarItemVisible Value) { FVisible = Value; }
  // The control class the registry files for exactly this item's class, or null.
  virtual TClass GetItemControlClass();
  bool HasParent() override { return true; }
  TComponent* GetParentComponent() override;
  void SetParentComponent(TComponent* Value) override;

 private:
  TdxBarManager* FBarManager = nullptr;
  int FCategory = 0;
  String FCaption;
  TdxBarItemVisible FVisible = ivAlways;
};
using TdxBarItemClass = TClass;

// A toolbar or menu bar of a manager.
class TdxBar : public TcxComponentCollectionItem {
  VAMIRE_CLASS(TdxBar, TcxComponentCollectionItem)
 public:
  using TcxComponentCollectionItem::TcxComponentCollectionItem;
  TdxBarManager* BarManager() const;
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value) { FCaption = Value; }
  TdxBarDockingStyle DockingStyle() const { return FDockingStyle; }
  void SetDockingStyle(TdxBarDockingStyle Value) { FDockingStyle = Value; }
  int Row() const { return FRow; }
  void SetRow(int Value) { FRow = Value; }
  bool OneOnRow() const { return FOneOnRow; }
  void SetOneOnRow(bool Value) { FOneOnRow = Value; }
  bool IsMainMenu() const { return FIsMainMenu; }
  void SetIsMainMenu(bool Value) { FIsMainMenu = Value; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value) { FVisible = Value; }
  int FloatLeft() const { return FFloatLeft; }
  void SetFloatLeft(int Value) { FFloatLeft = Value; }
  int FloatTop() const { return FFloatTop; }
  void SetFloatTop(int Value) { FFloatTop = Value; }
  TcxComponentCollection* GetCollectionFor(TComponent* AParent) override;
  // A bar read from a form file joins the manager it is read in.
  bool HasParent() override { return true; }

 private:
  String FCaption;
  TdxBarDockingStyle FDockingStyle = dsNone;
  int FRow = 0;
  bool FOneOnRow = false, FIsMainMenu = false, FVisible = true;
  int FFloatLeft = 0, FFloatTop = 0;
};

class TdxBars : public TcxComponentCollection {
  VAMIRE_CLASS(TdxBars, TcxComponentCollection)
 public:
  explicit TdxBars(TdxBarManager* ABarManager);
  TdxBarManager* BarManager() const { return FBarManager; }
  TdxBar* Items(int Index) const { return static_cast<TdxBar*>(TcxComponentCollection::Items(Index)); }
  TdxBar* Add() { return static_cast<TdxBar*>(AddItem()); }

 protected:
  void AssignItemName(TcxComponentCollectionItem* AItem) override;

 private:
  TdxBarManager* FBarManager;
};

// Items switched together.
class TdxBarGroup : public TComponent {
  VAMIRE_CLASS(TdxBarGroup, TComponent)
 public:
  explicit TdxBarGroup(TComponent* AOwner) : TComponent(AOwner) {}
  ~TdxBarGroup() override;
  TdxBarManager* BarManager() const { return FBarManager; }
  void SetBarManager(TdxBarManager* Value);
  bool HasParent() override { return true; }
  TComponent* GetParentComponent() override;
  void SetParentComponent(TComponent* Value) override;

 private:
  TdxBarManager* FBarManager = nullptr;
};

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
  explicit TdxBarManagerCategories(TdxBarManager* ABarManager) : FBarManager(ABarManager) {}
  ~TdxBarManagerCategories() override;
  TdxBarCategoryData* Data(int Index) const;
  TdxBarCategoryData* EnsureData(int Index);
  void Clear() override;
  void Delete(int Index) override;

 private:
  TdxBarManager* FBarManager;
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
  int GetItemsOfCategory(int ACategory, TList* AList) const;
  void MoveItem(int CurIndex, int NewIndex);
  String GetNewItemName(TClass AItemClass);
  int GroupCount() const { return FGroups.Count(); }
  TdxBarGroup* Groups(int Index) const { return static_cast<TdxBarGroup*>(FGroups.Items(Index)); }
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
