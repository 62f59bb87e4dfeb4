// The tab model: tabs, their list, the visible-tab list, slants and the image
// list that keeps images turned for vertical tabs.
#include <algorithm>

#include "SysUtils.h"
#include "cxPC_win.h"

// --- TcxTab --------------------------------------------------------------------------------------
TcxTab::TcxTab(TcxTabs* ATabs, int AIndex) : FTabs(ATabs), FIndex(AIndex), FImageIndex(AIndex) {}

TcxTab::~TcxTab() {
  TcxCustomTabControl* control = Control();
  const int visibleIndex = VisibleIndex();
  if (visibleIndex != -1 && control->FKeyboardFocusedTab == visibleIndex) control->FKeyboardFocusedTab = -1;
  if (!FTabs->FDeleting) FTabs->RemoveTab(FIndex);
}

TcxCustomTabControl* TcxTab::Control() const { return FTabs->Control(); }

void TcxTab::Changed(TcxPCTabChangeReason AReason) { FTabs->TabChanged(VisibleIndex(), AReason); }

void TcxTab::SetCaption(const String& Value) {
  if (Value == FCaption) return;
  if (!FVisible) {
    FCaption = Value;
    return;
  }
  const bool wasShown = IsShown();
  FCaption = Value;
  TcxCustomTabControl* control = Control();
  const int oldWidth = Layout.NormalWidth;
  Layout.NormalWidth = control->Painter()->CalculateTabNormalWidth(this);
  bool changed = oldWidth != Layout.NormalWidth;
  if (control->Rotate()) {
    const int oldExtent = control->FLayout.RowExtent;
    control->FLayout.CalculateRowExtent();
    changed = changed || oldExtent != control->FLayout.RowExtent;
  }
  if (changed)
    Changed(tcrLayout);
  else if (wasShown)
    Changed(tcrCaption);
}

void TcxTab::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  if (IsShown()) Changed(tcrColor);
}

void TcxTab::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  const bool wasShown = IsShown();
  FEnabled = Value;
  if (wasShown || IsShown()) Changed(tcrEnabled);
}

void TcxTab::SetHighlighted(bool Value) {
  if (Value == FHighlighted) return;
  const bool wasShown = IsShown();
  FHighlighted = Value;
  if (wasShown || IsShown()) Changed(tcrHighlighted);
}

int TcxTab::ImageIndex() const { return Control()->GetTabImageIndex(FIndex); }

void TcxTab::SetImageIndex(int Value) {
  if (Value < 0) Value = -1;
  if (Value == FImageIndex) return;
  FImageIndex = Value;
  if (!Control()->IsLoading() && IsShown()) Changed(tcrLayout);
}

void TcxTab::SetSelected(bool Value) {
  if (Value == FSelected) return;
  TcxCustomTabControl* control = Control();
  if (control->IsLoading()) {
    FSelected = Value;
    return;
  }
  if (control->Painter()->PainterClass()->AllowsMultiSelect()) {
    if (Value)
      for (int i = 0; i < FTabs->Count(); ++i)
        if (i != FIndex && FTabs->Tab(i)->FSelected) control->FMultiSelectActive = true;
  } else if (Value && FIndex != control->TabIndex()) {
    return;
  }
  const bool wasShown = IsShown();
  FSelected = Value;
  if (wasShown || IsShown()) Changed(tcrSelected);
}

void TcxTab::SetVisible(bool Value) {
  if (Value == FVisible) return;
  TcxCustomTabControl* control = Control();
  if (Value) {
    FVisible = true;
    control->FVisibleTabs->Add(FIndex);
    Changed(tcrLayout);
  } else {
    const bool wasShown = IsShown();
    FVisible = false;
    control->FVisibleTabs->Remove(FIndex);
    if (wasShown || control->MultiLine())
      FTabs->TabChanged(-1, tcrLayout);
    else if (!control->IsLoading() && !control->IsDestroying())
      control->CalculateTabsLayout();
  }
  if (control->SelectsVisibleTabsOnly() && control->TabIndex() == FIndex && !control->IsLoading()) {
    control->UpdateSelectedVisibleTab();
    const int selected = control->SelectedVisibleTab();
    control->SetTabIndex(selected == -1 ? -1 : control->FVisibleTabs->TabIndexAt(selected));
  }
}

int TcxTab::VisibleIndex() const { return Control()->FVisibleTabs->IndexOf(FIndex); }

bool TcxTab::RealEnabled() const { return Control()->Enabled() && FEnabled; }

bool TcxTab::IsHot() const {
  const int vi = VisibleIndex();
  return vi != -1 && vi == Control()->HotTab();
}

bool TcxTab::IsPressed() const {
  const int vi = VisibleIndex();
  return vi != -1 && vi == Control()->PressedTab();
}

bool TcxTab::IsKeyboardFocused() const {
  const int vi = VisibleIndex();
  return vi != -1 && vi == Control()->KeyboardFocusedTab();
}

bool TcxTab::IsMainSelected() const {
  TcxCustomTabControl* control = Control();
  const int selected = control->SelectedVisibleTab();
  return selected >= 0 && selected < control->FVisibleTabs->Count() &&
         control->FVisibleTabs->TabIndexAt(selected) == FIndex;
}

int TcxTab::Extent() const { return Control()->Rotate() ? FTabs->Control()->FLayout.TabHeight : Layout.NormalWidth; }

TRect TcxTab::NormalRect() const {
  const int vi = VisibleIndex();
  return vi == -1 ? TRect{} : Control()->FLayout.TabNormalRect(vi);
}

TRect TcxTab::FullRect() const {
  const int vi = VisibleIndex();
  if (vi == -1) return TRect{};
  TRect deltas;
  Control()->Painter()->GetTabRectCorrection(vi, deltas);
  return ApplyRectCorrection(NormalRect(), deltas);
}

TRect TcxTab::VisibleRect() const {
  if (!FVisible) return TRect{};
  TcxCustomTabControl* control = Control();
  const int vi = VisibleIndex();
  TcxPCLayout& layout = control->FLayout;
  if (vi == -1 || layout.RowCount == 0) return TRect{};
  if (!layout.Settings.MultiLine && (vi < layout.FirstVisibleTab || vi > layout.LastVisibleTab)) return TRect{};
  TRect result;
  IntersectRects(result, FullRect(), layout.TabsAreaOf(vi));
  return result;
}

bool TcxTab::IsShown() const { return !RectHasNoArea(VisibleRect()); }

TcxPCTabSide TcxTab::Side() const {
  TcxCustomTabControl* control = Control();
  const bool nearSide = control->FLayout.IsNearRow(Layout.DisplayRow);
  const bool horizontalStrip = control->TabPosition() == tpTop || control->TabPosition() == tpBottom;
  if (horizontalStrip) return nearSide ? tsTop : tsBottom;
  return nearSide ? tsLeft : tsRight;
}

int TcxTab::LayoutKind() const {
  TcxCustomTabControl* control = Control();
  return GetTabLayoutKind(Side(), GetTabCaptionRotation(control->TabPosition(), control->Rotate(), control->Options()));
}

// --- TcxTabs -------------------------------------------------------------------------------------
TcxTabs::~TcxTabs() {
  FDeleting = true;
  for (TcxTab* tab : FTabs) delete tab;
  FTabs.clear();
}

String TcxTabs::Strings(int Index) const { return Tab(Index)->Caption(); }

void TcxTabs::SetStrings(int Index, const String& S) { Tab(Index)->SetCaption(S); }

TObject* TcxTabs::Objects(int Index) const { return Tab(Index)->FObject; }

void TcxTabs::SetObjects(int Index, TObject* AObject) { Tab(Index)->FObject = AObject; }

TcxTab* TcxTabs::Tab(int Index) const {
  if (Index < 0 || Index >= Count()) IndexError(L"GetTab", Index);
  return FTabs[std::size_t(Index)];
}

TcxTab* TcxTabs::VisibleTab(int AVisibleIndex) const {
  const TcxVisibleTabList& list = *FControl->FVisibleTabs;
  if (AVisibleIndex < 0 || AVisibleIndex >= list.Count())
    PCError(L"TcxTabs", L"GetVisibleTab", &scxPCTabVisibleIndexOutsOfBounds,
            {IntToStr(AVisibleIndex), IntToStr(list.Count() - 1)});
  return FTabs[std::size_t(list.TabIndexAt(AVisibleIndex))];
}

void TcxTabs::IndexError(const String& MethodName, int Index) const {
  PCError(L"TcxTabs", MethodName, &scxPCTabIndexError, {IntToStr(Index)});
}

void TcxTabs::Renumber(int AFrom, int ATo) {
  for (int i = std::max(AFrom, 0); i <= ATo && i < Count(); ++i) FTabs[std::size_t(i)]->FIndex = i;
}

void TcxTabs::Insert(int Index, const String& S) {
  if (Index < 0 || Index > Count()) IndexError(L"Insert", Index);
  TcxTab* tab = new TcxTab(this, Index);
  tab->FCaption = S;
  FTabs.insert(FTabs.begin() + Index, tab);
  Renumber(Index, Count() - 1);
  if (!FControl->IsLoading() && FControl->FTabIndex == -1 && Count() == 1) FControl->FTabIndex = 0;
  TabChanged(-1, tcrLayout);
}

void TcxTabs::Delete(int Index) {
  if (FDeleting) return;
  if (!FTabRemovingItself && (Index < 0 || Index >= Count())) IndexError(L"Delete", Index);
  FDeleting = true;
  TcxTab* tab = FTabs[std::size_t(Index)];
  FTabs.erase(FTabs.begin() + Index);
  Renumber(Index, Count() - 1);
  if (!FTabRemovingItself) delete tab;
  FDeleting = false;
  TabChanged(-1, tcrLayout);
}

void TcxTabs::RemoveTab(int Index, bool KeepObject) {
  FTabRemovingItself = true;
  try {
    if (!KeepObject) Delete(Index);
  } catch (...) {
    FTabRemovingItself = false;
    throw;
  }
  FTabRemovingItself = false;
}

void TcxTabs::Clear() {
  FDeleting = true;
  std::vector<TcxTab*> tabs;
  tabs.swap(FTabs);
  for (TcxTab* tab : tabs) delete tab;
  FDeleting = false;
  TabChanged(-1, tcrLayout);
}

void TcxTabs::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  Tab(CurIndex);
  if (NewIndex < 0 || NewIndex >= Count()) IndexError(L"Move", NewIndex);
  TcxTab* tab = FTabs[std::size_t(CurIndex)];
  FTabs.erase(FTabs.begin() + CurIndex);
  FTabs.insert(FTabs.begin() + NewIndex, tab);
  Renumber(std::min(CurIndex, NewIndex), std::max(CurIndex, NewIndex));
  TabChanged(-1, tcrLayout);
}

void TcxTabs::SetUpdateState(bool Updating) {
  if (!Updating) TabChanged(-1, tcrLayout);
}

void TcxTabs::TabChanged(int AVisibleIndex, TcxPCTabChangeReason AReason) {
  if (AVisibleIndex == -1 && AReason == tcrLayout) FControl->FVisibleTabs->Rebuild();
  if (UpdateCount() > 0 || FControl->IsLoading() || FControl->IsDestroying()) return;
  if (AVisibleIndex == -1 || AReason == tcrLayout)
    FControl->Relayout();
  else
    FControl->RepaintTab(AVisibleIndex, AReason);
}

// --- TcxVisibleTabList ---------------------------------------------------------------------------
TcxTab* TcxVisibleTabList::GetTab(int AVisibleIndex) const {
  if (FItems.empty()) PCError(L"TcxVisibleTabList", L"GetTab", &scxPCVisibleTabListEmpty);
  if (AVisibleIndex < 0 || AVisibleIndex >= Count())
    PCError(L"TcxVisibleTabList", L"GetTab", &scxPCTabVisibleIndexOutsOfBounds,
            {IntToStr(AVisibleIndex), IntToStr(Count() - 1)});
  return FTabs->Tab(FItems[std::size_t(AVisibleIndex)]);
}

bool TcxVisibleTabList::Find(int ATabIndex, int& APosition) const {
  const auto it = std::lower_bound(FItems.begin(), FItems.end(), ATabIndex);
  APosition = int(it - FItems.begin());
  return it != FItems.end() && *it == ATabIndex;
}

int TcxVisibleTabList::IndexOf(int ATabIndex) const {
  int position;
  return Find(ATabIndex, position) ? position : -1;
}

void TcxVisibleTabList::Add(int ATabIndex) {
  int position;
  if (!Find(ATabIndex, position)) FItems.insert(FItems.begin() + position, ATabIndex);
}

void TcxVisibleTabList::Remove(int ATabIndex) {
  int position;
  if (Find(ATabIndex, position)) FItems.erase(FItems.begin() + position);
}

void TcxVisibleTabList::Rebuild() {
  FItems.clear();
  for (int i = 0; i < FTabs->Count(); ++i)
    if (FTabs->Tab(i)->Visible()) FItems.push_back(i);
}

// --- TcxTabSlants --------------------------------------------------------------------------------
void TcxTabSlants::SetKind(TcxTabSlantKind Value) {
  if (Value == FKind) return;
  FKind = Value;
  if (OnChange) OnChange(this);
}

void TcxTabSlants::SetPositions(TcxTabSlantPositions Value) {
  if (Value == FPositions) return;
  FPositions = Value;
  if (OnChange) OnChange(this);
}

void TcxTabSlants::Assign(TPersistent* Source) {
  if (auto* slants = dynamic_cast<TcxTabSlants*>(Source)) {
    SetKind(slants->Kind());
    SetPositions(slants->Positions());
    return;
  }
  inherited::Assign(Source);
}
