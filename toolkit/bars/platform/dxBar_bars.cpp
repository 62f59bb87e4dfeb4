// Bars: their values and setter rules, visibility, fonts, merging and reset,
// construction and destruction. The windows that show them come with the bar
// controls.
#include <algorithm>

#include "dxBar_internal.h"

void dxBarSetMergingSource(TdxBar* ABar);

// --- Construction and destruction ----------------------------------------------------------

TdxBar::TdxBar(TComponent* AOwner) : TcxComponentCollectionItem(AOwner) {
  FBackgroundBitmap = std::make_unique<TBitmap>();
  FGlyph = std::make_unique<TBitmap>();
  FFont = std::make_unique<TFont>();
  FFont->OnChange = TNotifyEvent(this, &TdxBar::FontChanged);
  FEditFont = std::make_unique<TFont>();
}

// The manager's events go first, then merges are undone, then the links go.
void TdxBar::BeforeDestruction() {
  inherited::BeforeDestruction();
  if (OnDestroyNotify) OnDestroyNotify(this);
  TdxBarManager* manager = BarManager();
  if (manager && !manager->IsDestroying() && manager->OnBarDelete) manager->OnBarDelete(manager, this);
  if (FMergedWith) FMergedWith->UnMerge(this, true);
  if (!FMergedBars.empty()) UnMerge(nullptr, true);
}

TdxBar::~TdxBar() {
  FMergedWith = nullptr;
  FMergedBars.clear();
  FVisible = false;
  FItemLinks.reset();
  FFont->OnChange = nullptr;
}

TdxBarManager* TdxBar::BarManager() const {
  auto* bars = dynamic_cast<TdxBars*>(Collection());
  return bars ? bars->BarManager() : nullptr;
}

TcxComponentCollection* TdxBar::GetCollectionFor(TComponent* AParent) {
  auto* manager = dynamic_cast<TdxBarManager*>(AParent);
  return manager ? manager->Bars() : nullptr;
}

void TdxBar::SetParentComponent(TComponent* Value) {
  inherited::SetParentComponent(Value);
  TdxBarManager* manager = BarManager();
  if (!manager || FItemLinks) return;
  FItemLinks = std::make_unique<TdxBarControlItemLinks>(manager, this);
  ApplyManagerFont();
  if (!manager->IsLoading()) {
    if (manager->OnBarAdd) manager->OnBarAdd(manager, this);
    DoChanged();
  }
}

void TdxBar::DoChanged() { NotifyChanged(); }

void TdxBar::SetName(const String& NewName) { inherited::SetName(NewName); }

// --- Values --------------------------------------------------------------------------------

void TdxBar::SetAllowClose(bool Value) {
  if (FAllowClose == Value) return;
  FAllowClose = Value;
  DoChanged();
}

void TdxBar::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  // Captions are unique within a manager: the stored layout finds bars by them.
  if (TdxBarManager* manager = BarManager())
    for (int i = 0; i < manager->Bars()->Count(); ++i)
      if (manager->Bars()->Items(i) != this && manager->Bars()->Items(i)->Caption() == Value) return;
  FCaption = Value;
  DoChanged();
}

void TdxBar::SetHidden(bool Value) {
  if (FHidden == Value) return;
  FHidden = Value;
  DoChanged();
}

void TdxBar::SetDockedDockingStyle(TdxBarDockingStyle Value) { FDockedDockingStyle = Value; }

void TdxBar::SetDockedLeft(int Value) { FDockedLeft = std::max(Value, 0); }

void TdxBar::SetDockedTop(int Value) { FDockedTop = std::max(Value, 0); }

void TdxBar::SetFloatLeft(int Value) { FFloatLeft = Value; }

void TdxBar::SetFloatTop(int Value) { FFloatTop = Value; }

void TdxBar::SetFloatClientWidth(int Value) { FFloatClientWidth = Value; }

void TdxBar::SetFloatClientHeight(int Value) { FFloatClientHeight = Value; }

TdxBarDockingStyle TdxBar::DockingStyle() const {
  const TComponentState state = ComponentState();
  if (state.Contains(csLoading) && state.Contains(csAncestor) && !state.Contains(csReading))
    return FLoadedDockingStyle;
  return FDockingStyle;
}

void TdxBar::SetDockingStyle(TdxBarDockingStyle Value) {
  TdxBarManager* manager = BarManager();
  if (manager && manager->IsLoading()) {
    FLoadedDockingStyle = Value;
    FDockingStyle = Value;
    return;
  }
  if (FDockingStyle == Value) return;
  FDockingStyle = Value;
  const bool inner = FDockingStyleChanging;
  if (!inner) {
    FDockingStyleChanging = true;
    TdxBarFinally guard([this] { FDockingStyleChanging = false; });
    SetDockControl(nullptr);
  }
  if (FItemLinks) FItemLinks->SetRecentLinkLimit(-1);
  if (!inner && manager && manager->OnBarDockingStyleChange) manager->OnBarDockingStyleChange(manager, this);
}

void TdxBar::SetDockControl(TObject* Value) {
  if (Value == FDockControl) return;
  FDockControl = Value;
  if (FItemLinks) FItemLinks->SetRecentLinkLimit(-1);
  TdxBarManager* manager = BarManager();
  if (!FDockingStyleChanging && manager && manager->OnBarDockingStyleChange)
    manager->OnBarDockingStyleChange(manager, this);
}

void TdxBar::DockTo(TdxBarDockingStyle AStyle, TObject* ADockControl) {
  if (AStyle == DockingStyle() || (ADockControl && ADockControl != FDockControl)) SetDockControl(ADockControl);
  else SetDockingStyle(AStyle);
}

void TdxBar::SetRow(int Value) {
  Value = std::max(Value, 0);
  if (FRow == Value) return;
  FRow = Value;
  DoChanged();
}

bool TdxBar::IsSizeGripShown() const {
  if (!IsStatusBar() || !FSizeGrip) return false;
  TdxBarManager* manager = BarManager();
  TCustomForm* form = manager ? manager->GetNearestForm() : nullptr;
  return !(form && form->HandleAllocated() && IsZoomed(form->Handle()));
}

bool TdxBar::CanDockAnywhere() const {
  TdxBarManager* manager = BarManager();
  for (TdxBarDockingStyle style : {dsNone, dsLeft, dsTop, dsRight, dsBottom})
    if (!FNotDocking.Contains(style) && !(manager && manager->NotDocking().Contains(style))) return true;
  return false;
}

void TdxBar::SetIsMainMenu(bool Value) {
  if (FIsMainMenu == Value) return;
  TdxBarManager* manager = BarManager();
  if (manager) manager->LockUpdate();
  TdxBarFinally unlock([manager] {
    if (manager) manager->UnlockUpdate(true, true);
  });
  if (Value && manager)
    if (TdxBar* other = manager->GetMainMenuBar(); other && other != this) other->SetIsMainMenu(false);
  FIsMainMenu = Value;
  FWholeRow = Value;
  FMultiLine = Value;
  DoChanged();
}

void TdxBar::SetMultiLine(bool Value) {
  if (FMultiLine == Value || (!Value && FIsMainMenu)) return;
  FMultiLine = Value;
}

bool TdxBar::UseRecentItems() const { return !FItemLinks || FItemLinks->UseRecentItems(); }

void TdxBar::SetUseRecentItems(bool Value) {
  if (FItemLinks) FItemLinks->SetUseRecentItems(Value);
}

void TdxBar::SetItemLinks(TdxBarItemLinks* Value) {
  if (FItemLinks) FItemLinks->Assign(Value);
}

bool TdxBar::CanContainItem(TdxBarItem* AItem, String& AErrorText) {
  return AItem->CanBePlacedOn(0, this, AErrorText);
}

// --- Visibility ----------------------------------------------------------------------------

bool TdxBar::Visible() const {
  const TComponentState state = ComponentState();
  if (state.Contains(csLoading) && state.Contains(csAncestor) && !state.Contains(csReading)) return FLoadedVisible;
  return FVisible;
}

void TdxBar::SetVisible(bool Value) {
  TdxBarManager* manager = BarManager();
  if (Value && manager && manager->IsDestroying()) return;
  if (manager && manager->IsLoading()) {
    if (Value != FVisible) FInternallyHidden = false;
    FLoadedVisible = Value;
    FVisible = Value;
    return;
  }
  if (FVisible == Value) return;
  FInternallyHidden = false;
  FVisible = Value;
  DoChanged();
  if (manager && !manager->IsDestroying() && manager->OnBarVisibleChange) manager->OnBarVisibleChange(manager, this);
}

// --- Fonts ---------------------------------------------------------------------------------

void TdxBar::ApplyManagerFont() {
  TdxBarManager* manager = BarManager();
  if (!manager) return;
  FInternalFontChange = true;
  TdxBarFinally done([this] { FInternalFontChange = false; });
  FFont->Assign(manager->Font());
}

void TdxBar::FontChanged(TObject*) {
  if (!FInternalFontChange) FUseOwnFont = true;
  if (FUseOwnFont) AssignEditFont(FFont.get(), FEditFont.get(), false);
}

void TdxBar::SetUseOwnFont(bool Value) {
  if (FUseOwnFont == Value) return;
  FUseOwnFont = Value;
  if (Value) AssignEditFont(FFont.get(), FEditFont.get(), false);
  else ApplyManagerFont();
}

// --- Assignment ----------------------------------------------------------------------------

void TdxBar::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TdxBar*>(Source);
  if (!source) return inherited::Assign(Source);
  SetAllowClose(source->AllowClose());
  AllowCustomizing = source->AllowCustomizing;
  SetAllowQuickCustomizing(source->AllowQuickCustomizing());
  AllowReset = source->AllowReset;
  SetBorderStyle(source->BorderStyle());
  SetCaption(source->Caption());
  FDockedDockControl = source->DockedDockControl();
  SetDockedDockingStyle(source->DockedDockingStyle());
  SetDockedLeft(source->DockedLeft());
  SetDockedTop(source->DockedTop());
  SetFloatLeft(source->FloatLeft());
  SetFloatTop(source->FloatTop());
  SetFloatClientWidth(source->FloatClientWidth());
  SetFloatClientHeight(source->FloatClientHeight());
  SetHidden(source->Hidden());
  SetIsMainMenu(source->IsMainMenu());
  SetItemLinks(source->ItemLinks());
  SetNotDocking(source->NotDocking());
  OldName = source->OldName;
  SetOneOnRow(source->OneOnRow());
  SetRotateWhenVertical(source->RotateWhenVertical());
  SetRow(source->Row());
  SetShowMark(source->ShowMark());
  SetSizeGrip(source->SizeGrip());
  SetWholeRow(source->WholeRow());
  DockTo(source->DockingStyle(), source->DockControl());
  SetUseRecentItems(source->UseRecentItems());
  SetUseRestSpace(source->UseRestSpace());
  SetColor(source->Color());
  SetFont(source->Font());
  SetUseOwnFont(source->UseOwnFont());
  SetVisible(source->Visible());
}

// --- Merging -------------------------------------------------------------------------------

void TdxBar::Merge(TdxBar* ABar, bool ARestoreVisibility) {
  if (FMergedWith) throw EdxException(ResolveResourceString(&dxSBAR_CANTMERGEWITHMERGEDTOOLBAR));
  if (!ABar || ABar == this) throw EdxException(ResolveResourceString(&dxSBAR_CANTMERGETOOLBAR));
  if (ABar->FMergedWith == this)
    throw EdxException(Format(ResolveResourceString(&dxSBAR_TOOLBARSALREADYMERGED), {ABar->Caption(), Caption()}));
  if (!ABar->FMergedBars.empty())
    throw EdxException(Format(ResolveResourceString(&dxSBAR_TOOLBARHASMERGEDTOOLBARS), {ABar->Caption()}));
  const bool wasMerged = ABar->FMergedWith != nullptr;
  if (wasMerged) ABar->FMergedWith->UnMerge(ABar, false);
  ABar->FMergedWith = this;
  FMergedBars.push_back(ABar);
  {
    TdxBarManager* manager = BarManager();
    if (manager) manager->LockUpdate();
    dxBarSetMergingSource(ABar);
    TdxBarFinally done([manager] {
      dxBarSetMergingSource(nullptr);
      if (manager) manager->UnlockUpdate(true, true);
    });
    if (FItemLinks && ABar->FItemLinks) FItemLinks->MergeLinks(ABar->FItemLinks.get());
  }
  if (!wasMerged && ARestoreVisibility) ABar->FVisibleBeforeMerging = ABar->Visible();
  ABar->SetVisible(false);
}

void TdxBar::UnMerge(TdxBar* ABar, bool ARestoreVisibility) {
  if (ABar == this) throw EdxException(ResolveResourceString(&dxSBAR_CANTUNMERGETOOLBAR));
  if (ABar && ABar->FMergedWith && ABar->FMergedWith != this)
    throw EdxException(Format(ResolveResourceString(&dxSBAR_TOOLBARSARENOTMERGED), {ABar->Caption(), Caption()}));
  if (ABar && !ABar->FMergedWith) return;
  if (!FMergedBars.empty()) {
    TdxBarManager* manager = BarManager();
    if (manager) manager->LockUpdate();
    TdxBarFinally unlock([manager] {
      if (manager) manager->UnlockUpdate(true, true);
    });
    if (FItemLinks) FItemLinks->UnmergeLinks(ABar);
    std::vector<TdxBar*> bars;
    if (ABar) bars.push_back(ABar);
    else bars.assign(FMergedBars.rbegin(), FMergedBars.rend());
    for (TdxBar* bar : bars) {
      bar->FMergedWith = nullptr;
      FMergedBars.erase(std::remove(FMergedBars.begin(), FMergedBars.end(), bar), FMergedBars.end());
      if (ARestoreVisibility) bar->SetVisible(bar->FVisibleBeforeMerging);
    }
  }
  if (!FMergedBars.empty() || !CreatedByMerging || ComponentState().Contains(csDestroying)) return;
  if (KeepWhenEmptied) {
    FVisibleBeforeMerging = Visible();
    SetVisible(false);
    SetHidden(true);
  } else {
    Free();
  }
}

void TdxBar::UnmergeBarsOfManager(TdxBarManager* AManager, bool ARestoreVisibility) {
  for (int i = MergedBarCount() - 1; i >= 0; --i)
    if (i < MergedBarCount() && (!AManager || FMergedBars[size_t(i)]->BarManager() == AManager))
      UnMerge(FMergedBars[size_t(i)], ARestoreVisibility);
}

// --- Reset ---------------------------------------------------------------------------------

// The snapshot of the designed layout is taken by the layout persistence; until
// it holds a section for this bar there is nothing to go back to.
void TdxBar::Reset() {}

void TdxBar::ResetWithConfirmation() {
  const String text = Format(ResolveResourceString(&dxSBAR_WANTTORESETTOOLBAR), {Caption()});
  if (ShowLibraryMessageBox(text, MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK) Reset();
}

// --- Collection ----------------------------------------------------------------------------

TdxBars::TdxBars(TdxBarManager* ABarManager)
    : TcxComponentCollection(ABarManager, TdxBar::StaticClass()), FBarManager(ABarManager) {}

void TdxBars::AssignItemName(TcxComponentCollectionItem* AItem) {
  AItem->SetName(FBarManager->GetUniqueBarName(FBarManager->Name() + L"Bar"));
}

void TdxBars::UpdateItems(TcxComponentCollectionItem* AItem, TcxComponentCollectionNotification AAction) {
  inherited::UpdateItems(AItem, AAction);
  FBarManager->NotifyModified();
}
