// The bar manager: its owner checks, construction and destruction order, the
// painter its style picks, update locking, modification, categories, bars and
// items, and customizing mode.
#include <algorithm>

#include "dxBar_internal.h"

namespace {

// The owner checks run before anything of the manager is built, so a refused
// owner leaves nothing to free.
TComponent* CheckedManagerOwner(TComponent* AOwner) {
  if (!AOwner && Application) AOwner = Application->MainForm();
  if (!dynamic_cast<TWinControl*>(AOwner)) throw EdxException(ResolveResourceString(&dxSBAR_BARMANAGERBADOWNER));
  if (FindManagerOfOwner(AOwner)) throw EdxException(ResolveResourceString(&dxSBAR_BARMANAGERMORETHANONE));
  return AOwner;
}

}  // namespace

// --- Construction and destruction --------------------------------------------------------

TdxBarManager::TdxBarManager(TComponent* AOwner) : TComponent(CheckedManagerOwner(AOwner)) {
  dxBarRegisterManager(this);
  FLookAndFeel = std::make_unique<TcxLookAndFeel>(this);
  FLookAndFeel->OnChanged = TcxLookAndFeelChangedEvent(this, &TdxBarManager::LookAndFeelChanged);
  RecreatePainter();
  FCategories = std::make_unique<TdxBarManagerCategories>(this);
  FBars = std::make_unique<TdxBars>(this);
  FIniFileReadHandlers = std::make_unique<TcxEventHandlerCollection>();
  FIniFileWriteHandlers = std::make_unique<TcxEventHandlerCollection>();
  FMDIStateChangedHandlers = std::make_unique<TcxEventHandlerCollection>();
  FSystemFontChangedHandlers = std::make_unique<TcxEventHandlerCollection>();
  FBarCaptionFont = std::make_unique<TFont>();
  FEditFont = std::make_unique<TFont>();
  FFont = std::make_unique<TFont>();
  FFont->OnChange = TNotifyEvent(this, &TdxBarManager::FontChanged);
  FHelpButtonGlyph = std::make_unique<TBitmap>();
  FHelpButtonGlyph->OnChange = TNotifyEvent(this, &TdxBarManager::HelpButtonGlyphChanged);
  FThemeNotificator = std::make_unique<TdxThemeChangedNotificator>();
  FThemeNotificator->OnThemeChanged = TNotifyEvent(this, &TdxBarManager::ThemeChanged);
  FRecentUseThreshold = dxBarRecentUseThreshold(FMostRecentItemsPercents);
  SetUseSystemFont(true);
  CreateColorResources();
  FImageOptions = std::make_unique<TdxBarImageOptions>(this);
  FImageOptions->OnChanged = TNotifyEvent(this, &TdxBarManager::ImageOptionsChanged);
  FImageOptions->OnLargeIconsChanged = TNotifyEvent(this, &TdxBarManager::LargeIconsChanged);
  FImageOptions->OnImageListChanged =
      TMethod<void(TdxBarImageOptions::TList)>(this, &TdxBarManager::ImageListContentsChanged);
  FBackgrounds = std::make_unique<TdxBarBackgrounds>(this);
  if (!IsDesigning()) FDefaultLayout = std::make_unique<TMemIniFile>(String());
}

TdxBarManager::~TdxBarManager() {
  dxBarUnregisterManager(this);
  FHintObject = nullptr;
  FDefaultLayout.reset();
  FImageOptions.reset();
  FBackgrounds.reset();
  FLookAndFeel.reset();
  FThemeNotificator.reset();
  dxBarKillHintTimersOf(this);
  SetCustomizing(false);
  FreeColorResources();
  FHelpButtonGlyph.reset();
  FOwnedObjects.Clear();
  while (FGroups.Count() > 0) FGroups.Last()->Free();
  FFont.reset();
  FBarCaptionFont.reset();
  FEditFont.reset();
  FBars.reset();
  FIniFileReadHandlers.reset();
  FIniFileWriteHandlers.reset();
  FMDIStateChangedHandlers.reset();
  FSystemFontChangedHandlers.reset();
  FInternalItems.Clear();
  while (FItems.Count() > 0) FItems.Last()->Free();
  FCategories.reset();
  FPainter.reset();
}

// --- Published values --------------------------------------------------------------------

void TdxBarManager::SetAutoAlignBars(bool Value) {
  if (FAutoAlignBars == Value) return;
  FAutoAlignBars = Value;
  FullUpdate(true, true);
}

void TdxBarManager::SetAutoDockColor(bool Value) { FAutoDockColor = Value; }

void TdxBarManager::SetAutoHideEmptyBars(bool Value) { FAutoHideEmptyBars = Value; }

void TdxBarManager::SetScaled(bool Value) {
  if (FScaled == Value) return;
  FScaled = Value;
  if (FScaled && !FUseSystemFont) RefreshSystemFont();
}

void TdxBarManager::SetButtonArrowWidth(int Value) {
  if (Value != FButtonArrowWidth && Value > 1) FButtonArrowWidth = Value;
}

void TdxBarManager::SetLargeButtonArrowWidth(int Value) {
  if (Value != FLargeButtonArrowWidth && Value >= 2) FLargeButtonArrowWidth = Value;
}

void TdxBarManager::SetWaitForDockingTime(int Value) {
  if (Value >= 0) FWaitForDockingTime = Value;
}

TStrings* TdxBarManager::Categories() const { return FCategories.get(); }

void TdxBarManager::SetCategories(TStrings* Value) { FCategories->Assign(Value); }

TColor TdxBarManager::DockColor() const {
  if (FAutoDockColor)
    if (auto* owner = dynamic_cast<TControl*>(Owner())) return owner->Color();
  return FDockColor;
}

void TdxBarManager::SetDockColor(TColor Value) {
  FDockColor = Value;
  SetAutoDockColor(false);
}

void TdxBarManager::SetFlatCloseButton(bool Value) { FFlatCloseButton = Value; }

void TdxBarManager::SetShowCloseButton(bool Value) { FShowCloseButton = Value; }

void TdxBarManager::SetMenuAnimations(TdxBarMenuAnimations Value) {
  if (FMenuAnimations == Value) return;
  FMenuAnimations = Value;
  NotifyModified();
}

void TdxBarManager::SetMenusShowRecentItemsFirst(bool Value) {
  if (FMenusShowRecentItemsFirst == Value) return;
  FMenusShowRecentItemsFirst = Value;
  NotifyModified();
}

void TdxBarManager::SetShowFullMenusAfterDelay(bool Value) {
  if (FShowFullMenusAfterDelay == Value) return;
  FShowFullMenusAfterDelay = Value;
  NotifyModified();
}

void TdxBarManager::SetShowHint(bool Value) {
  if (FShowHint == Value) return;
  FShowHint = Value;
  NotifyModified();
}

void TdxBarManager::SetShowShortCutInHint(bool Value) {
  if (FShowShortCutInHint == Value) return;
  FShowShortCutInHint = Value;
  NotifyModified();
}

void TdxBarManager::SetMostRecentItemsPercents(int Value) {
  if (Value > 100) Value = 100;
  if (Value < 0) Value = 0;
  FMostRecentItemsPercents = Value;
  FRecentUseThreshold = dxBarRecentUseThreshold(Value);
}

void TdxBarManager::SetNotDocking(TdxBarDockingStyles Value) {
  if (FNotDocking == Value) return;
  FNotDocking = Value;
  Restyle();
}

void TdxBarManager::SetStyle(TdxBarManagerStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  Restyle();
}

bool TdxBarManager::CanShowRecentItemsFirst() const {
  return GetEffectiveStyle() != bmsStandard && FMenusShowRecentItemsFirst;
}

bool TdxBarManager::IsOwnerEditable() const {
  const TComponentState state = Owner() ? Owner()->ComponentState() : TComponentState();
  return !(state.Contains(csDesigning) && state.Contains(csInline));
}

// --- Style and painter -------------------------------------------------------------------

namespace {
TdxBarManagerStyle StyleOfKind(TcxLookAndFeelKind Kind) {
  switch (Kind) {
    case lfFlat: return bmsEnhanced;
    case lfStandard: return bmsStandard;
    case lfUltraFlat: return bmsFlat;
    default: return bmsOffice11;
  }
}
}  // namespace

TdxBarManagerStyle TdxBarManager::GetEffectiveStyle() const {
  if (FStyle != bmsUseLookAndFeel) return FStyle;
  if (FLookAndFeel->NativeStyle() && FThemesUsable) return bmsXP;
  return StyleOfKind(FLookAndFeel->Kind());
}

TdxBarManagerStyle TdxBarManager::GetPainterStyle() const {
  switch (FStyle) {
    case bmsXP: return FThemesUsable ? bmsXP : bmsEnhanced;
    case bmsUseLookAndFeel:
      if (FLookAndFeel->NativeStyle() && FThemesUsable) return bmsXP;
      if (FLookAndFeel->CurrentSkinPainter()) return bmsUseLookAndFeel;
      return StyleOfKind(FLookAndFeel->Kind());
    default: return FStyle;
  }
}

TdxBarPainterClass TdxBarManager::GetPainterClass() {
  switch (GetPainterStyle()) {
    case bmsEnhanced: return TdxBarEnhancedPainter::StaticClass();
    case bmsFlat: return TdxBarFlatPainter::StaticClass();
    case bmsXP: return TdxBarXPPainter::StaticClass();
    case bmsOffice11: return TdxBarOffice11Painter::StaticClass();
    case bmsUseLookAndFeel: return dxBarSkinPainterClass();
    default: return TdxBarStandardPainter::StaticClass();
  }
}

void TdxBarManager::RecreatePainter() {
  FThemesUsable = CanUseThemes();
  FPainter.reset();
  auto* skin = const_cast<TcxCustomLookAndFeelPainter*>(FLookAndFeel->CurrentSkinPainter());
  FPainter.reset(static_cast<TdxBarPainter*>(GetPainterClass()->Create(skin)));
}

void TdxBarManager::Restyle() {
  FStyleChanging = true;
  TdxBarFinally done([this] { FStyleChanging = false; });
  RecreatePainter();
  if (FBars) FullUpdate(true, true);
}

void TdxBarManager::ApplyStyleToLookAndFeel(TcxLookAndFeel* ALookAndFeel) {
  ALookAndFeel->ClearAssignedValues();
  ALookAndFeel->SetSkinName(String());
  switch (GetPainterStyle()) {
    case bmsFlat: ALookAndFeel->SetPainterStyle(TcxLookAndFeelStyle(2)); break;
    case bmsXP: ALookAndFeel->SetPainterStyle(TcxLookAndFeelStyle(3)); break;
    case bmsOffice11: ALookAndFeel->SetPainterStyle(TcxLookAndFeelStyle(4)); break;
    case bmsUseLookAndFeel: ALookAndFeel->Assign(FLookAndFeel.get()); break;
    default: ALookAndFeel->SetPainterStyle(TcxLookAndFeelStyle(0)); break;
  }
}

void TdxBarManager::LookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues) {
  if (!IsDestroying() && FPainter) Restyle();
}

void TdxBarManager::ThemeChanged(TObject*) {
  if (!IsDestroying()) Restyle();
}

bool TdxBarManager::CanDock(TdxBar*, TdxBarDockingStyle AStyle, TObject*) {
  return !FNotDocking.Contains(AStyle);
}

void TdxBarManager::DoClickItem(TdxBarItem* AItem) {
  if (OnClickItem) OnClickItem(this, AItem);
}

// --- Update locking and modification -----------------------------------------------------

void TdxBarManager::LockUpdate(bool) { ++FLockUpdate; }

void TdxBarManager::UnlockUpdate(bool Rebuild, bool Redraw) {
  if (FLockUpdate > 0) --FLockUpdate;
  if (FLockUpdate == 0 && !IsDestroying()) FullUpdate(Rebuild, Redraw);
}

void TdxBarManager::UnlockUpdateNoLayout(bool) {
  if (FLockUpdate > 0) --FLockUpdate;
}

// The dock and bar controls that the update realigns and repaints join the
// manager with the bar controls; until then it only counts.
void TdxBarManager::FullUpdate(bool, bool) { ++FFullUpdates; }

void TdxBarManager::NotifyModified() {
  if (IsLoadingOrInLoaded() || IsDestroying()) return;
  if (FDesignerModifiedLock > 0) {
    FDesignerModifiedPending = true;
    return;
  }
  FModified = true;
  if (IsDesigning() && !ComponentState().Contains(csUpdating) && !FState.Contains(bmsLoading) &&
      !FState.Contains(bmsApplyingLoadedBars) && !FImageOptions->ImageListsLoading())
    SetDesignerModified(this);
}

void TdxBarManager::LockDesignerModified() {
  if (FDesignerModifiedLock == 0) FDesignerModifiedPending = false;
  ++FDesignerModifiedLock;
}

void TdxBarManager::UnlockDesignerModified(bool Notify) {
  if (FDesignerModifiedLock > 0) --FDesignerModifiedLock;
  if (FDesignerModifiedLock == 0 && Notify && FDesignerModifiedPending) {
    FDesignerModifiedPending = false;
    NotifyModified();
  }
}

// --- Items, groups and bars --------------------------------------------------------------

TdxBarItem* TdxBarManager::Items(int Index) const {
  if (Index < 0 || Index >= FItems.Count()) return nullptr;
  return static_cast<TdxBarItem*>(FItems.Items(Index));
}

TdxBarItem* TdxBarManager::FindItemByName(const String& AName) const {
  for (int i = 0; i < ItemCount(); ++i)
    if (SameText(Items(i)->Name(), AName)) return Items(i);
  return nullptr;
}

int TdxBarManager::GetItemsOfCategory(int ACategory, TList* AList) const {
  AList->Clear();
  if (ACategory < 0 || ACategory >= FCategories->Count()) return 0;
  for (int i = 0; i < ItemCount(); ++i)
    if (Items(i)->Category() == ACategory) AList->Add(Items(i));
  return AList->Count();
}

void TdxBarManager::MoveItem(int CurIndex, int NewIndex) {
  FItems.Move(CurIndex, NewIndex);
  NotifyModified();
}

String TdxBarManager::GetNewItemName(TClass AItemClass) {
  const String base = AItemClass->ClassName().substr(1);
  if (IsDesigning() && FDesigner) {
    String name;
    FDesigner->UniqueName(base, name);
    return name;
  }
  for (int n = 1;; ++n) {
    const String name = base + IntToStr(n);
    if (!FindItemByName(name)) return name;
  }
}

void TdxBarManager::AddItem(TdxBarItem* AItem) {
  if (FItems.IndexOf(AItem) < 0) FItems.Add(AItem);
}

void TdxBarManager::RemoveItem(TdxBarItem* AItem) { FItems.Remove(AItem); }

TdxBarGroup* TdxBarManager::AddGroup() {
  auto* group = new TdxBarGroup(Owner());
  group->SetBarManager(this);
  return group;
}

void TdxBarManager::AddGroupToList(TdxBarGroup* AGroup) {
  if (FGroups.IndexOf(AGroup) < 0) FGroups.Add(AGroup);
}

void TdxBarManager::RemoveGroupFromList(TdxBarGroup* AGroup) { FGroups.Remove(AGroup); }

TdxBar* TdxBarManager::FindBarByName(const String& AName) const {
  for (int i = 0; i < FBars->Count(); ++i)
    if (FBars->Items(i)->Name() == AName) return FBars->Items(i);
  return nullptr;
}

TdxBar* TdxBarManager::FindBarByCaption(const String& ACaption) const {
  for (int i = 0; i < FBars->Count(); ++i)
    if (FBars->Items(i)->Caption() == ACaption) return FBars->Items(i);
  return nullptr;
}

String TdxBarManager::GetUniqueBarName(const String& APrefix) {
  if (IsDesigning() && !IsLoading() && FDesigner) {
    String name;
    FDesigner->UniqueName(APrefix, name);
    return name;
  }
  for (int n = 1;; ++n)
    if (!FindBarByName(APrefix + IntToStr(n))) return APrefix + IntToStr(n);
}

String TdxBarManager::GetUniqueBarCaption(const String& APrefix) const {
  for (int n = 1;; ++n)
    if (!FindBarByCaption(APrefix + IntToStr(n))) return APrefix + IntToStr(n);
}

TdxBar* TdxBarManager::AddToolbar(bool AIsMainMenu, bool AAskName) {
  const String caption = GetUniqueBarCaption(ResolveResourceString(&dxSBAR_TOOLBARNEWNAME));
  // The toolbar-name dialog comes with the customization form; until then no name is asked.
  (void)AAskName;
  LockUpdate(true);
  FBars->BeginUpdate();
  TdxBarFinally unlock([this] {
    FBars->EndUpdate();
    UnlockUpdate(true, true);
  });
  TdxBar* bar = FBars->Add();
  bar->SetCaption(caption);
  int left = 0, top = 0, width = 0;
  if (auto* owner = dynamic_cast<TControl*>(Owner())) {
    left = owner->Left();
    top = owner->Top();
    width = owner->Width();
  }
  const TRect work = GetWorkAreaAtPoint(TPoint{left, top});
  bar->SetFloatLeft(left - 50 < work.Left ? left + width + 10 : left - 50);
  bar->SetFloatTop(top < work.Top ? work.Top + 10 : top);
  bar->SetDockingStyle(dsTop);
  if (AIsMainMenu) {
    bar->SetRow(0);
    bar->SetIsMainMenu(true);
    bar->SetVisible(true);
  } else {
    int rows = 0;
    for (int i = 0; i < FBars->Count(); ++i)
      if (FBars->Items(i) != bar && FBars->Items(i)->DockingStyle() == dsTop)
        rows = std::max(rows, FBars->Items(i)->Row() + 1);
    bar->SetRow(rows);
    bar->SetOneOnRow(true);
    bar->SetVisible(true);
    bar->SetOneOnRow(false);
  }
  return bar;
}

// --- Categories --------------------------------------------------------------------------

TdxBarItemVisible TdxBarManager::CategoryItemsVisible(int Index) const {
  if (Index < 0 || Index >= FCategories->Count()) return ivNever;
  TdxBarCategoryData* data = FCategories->Data(Index);
  return data ? data->ItemsVisible : ivAlways;
}

void TdxBarManager::SetCategoryItemsVisible(int Index, TdxBarItemVisible Value) {
  if (Index < 0 || Index >= FCategories->Count()) return;
  const TdxBarItemVisible old = CategoryItemsVisible(Index);
  TdxBarCategoryData* data = FCategories->EnsureData(Index);
  if (IsLoading()) {
    data->LoadedItemsVisible = Value;
    return;
  }
  data->ItemsVisible = Value;
  if (!IsDesigning()) {
    LockUpdate(true);
    TdxBarFinally unlock([this] { UnlockUpdate(true, true); });
    std::vector<TdxBarItem*> items;
    for (int i = 0; i < ItemCount(); ++i)
      if (Items(i)->Category() == Index && Items(i)->Visible() == old) items.push_back(Items(i));
    if (Value == ivAlways) std::reverse(items.begin(), items.end());
    for (TdxBarItem* item : items) item->SetVisible(Value);
  }
  if (Value != old) NotifyModified();
}

bool TdxBarManager::CategoryVisible(int Index) const {
  if (Index < 0 || Index >= FCategories->Count()) return false;
  TdxBarCategoryData* data = FCategories->Data(Index);
  return !data || data->Visible;
}

void TdxBarManager::SetCategoryVisible(int Index, bool Value) {
  if (Index < 0 || Index >= FCategories->Count() || CategoryVisible(Index) == Value) return;
  FCategories->EnsureData(Index)->Visible = Value;
  NotifyModified();
}

int TdxBarManager::VisibleCategoryIndex(int N) const {
  if (IsDesigning()) return N;
  for (int i = 0; i < FCategories->Count(); ++i)
    if (CategoryVisible(i) && N-- == 0) return i;
  return -1;
}

// --- Customizing and usage data ----------------------------------------------------------

void TdxBarManager::SetCustomizing(bool Value) {
  if (Value == FInCustomizing) return;
  FInCustomizing = Value;
}

void TdxBarManager::ResetUsageData() {
  if (ShowLibraryMessageBox(ResolveResourceString(&dxSBAR_WANTTORESETUSAGEDATA),
                            MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES)
    RestoreUsageData();
}

// The usage flags live in the links and the default-layout snapshot, which come
// with the links and the layout persistence; the lock is taken as they will need it.
void TdxBarManager::RestoreUsageData() {
  LockUpdate(true);
  UnlockUpdate(true, true);
}

TPersistent* TdxBarPersistent::GetOwner() { return FBarManager; }

// --- Forms, owners and other managers ----------------------------------------------------

TCustomForm* TdxBarManager::GetTopForm() const { return FormOfManager(const_cast<TdxBarManager*>(this), 0); }
TCustomForm* TdxBarManager::GetMDIChildOrTopForm() const {
  return FormOfManager(const_cast<TdxBarManager*>(this), 1);
}
TCustomForm* TdxBarManager::GetNearestForm() const { return FormOfManager(const_cast<TdxBarManager*>(this), 2); }

TdxBarManager* TdxBarManager::GetParentManager() const {
  auto* owner = dynamic_cast<TWinControl*>(Owner());
  if (!owner || !owner->HandleAllocated()) return nullptr;
  TWinControl* parent = FindControlAboveChildWindow(owner->Handle());
  return parent ? FindManagerOfComponent(parent) : nullptr;
}

TdxBar* TdxBarManager::GetMainMenuBar() const {
  for (int i = 0; i < FBars->Count(); ++i)
    if (FBars->Items(i)->IsMainMenu()) return FBars->Items(i);
  return nullptr;
}

bool TdxBarManager::OwnerIsMDIChild(bool Recursive) const {
  if (Recursive) {
    TCustomForm* form = GetMDIChildOrTopForm();
    return form && form->FormStyle() == fsMDIChild;
  }
  auto* form = dynamic_cast<TCustomForm*>(Owner());
  return form && form->FormStyle() == fsMDIChild;
}

bool TdxBarManager::IsOwnerShown() const {
  auto* owner = dynamic_cast<TWinControl*>(Owner());
  if (!owner || !owner->HandleAllocated() || !IsWindowVisible(owner->Handle())) return false;
  for (HWND w = owner->Handle(); w; w = GetParent(w)) {
    if (IsIconic(w)) return false;
    if (!HasChildStyle(w)) break;
  }
  return true;
}

bool TdxBarManager::IsOtherManagerCustomizing() const {
  for (int i = 0; i < dxBarManagerCount(); ++i)
    if (dxBarManagers(i) != this && dxBarManagers(i)->InCustomizing()) return true;
  return false;
}

// --- Designer ----------------------------------------------------------------------------

bool TdxBarManager::CanDesign(TComponent* AComponent) { return !FDesigner || FDesigner->CanDesign(AComponent); }

void TdxBarManager::GetSelection(TList* AList) {
  if (FDesigner) FDesigner->GetSelection(AList);
}

uint8_t TdxBarManager::GetSelectionStatus(TPersistent* APersistent) {
  return FDesigner ? FDesigner->GetSelectionStatus(APersistent) : 0;
}

bool TdxBarManager::IsSelected(TPersistent* APersistent) { return GetSelectionStatus(APersistent) == 1; }

void TdxBarManager::SelectComponent(TPersistent* APersistent, int AOperation) {
  if (FDesigner) FDesigner->SelectComponent(APersistent, AOperation);
}

void TdxBarManager::SetSelection(TList* AList) {
  if (FDesigner) FDesigner->SetSelection(AList);
}

void TdxBarManager::FilterSelection(TList* AList) {
  AList->Clear();
  GetSelection(AList);
  for (int i = AList->Count() - 1; i >= 0; --i)
    if (GetSelectionStatus(static_cast<TPersistent*>(AList->Items(i))) != 1) AList->Delete(i);
}
