// Item links and their collections: effective values and user overrides, the
// available, visible and shown lists with separator pruning, recency,
// accelerators, item options, merging and the "ItemName" of form files.
#include <algorithm>
#include <climits>
#include <unordered_map>

#include "dxBar_internal.h"
#include "dxBarControl_win.h"

using enum TdxBarItemMergeKind;

namespace {

// The bar whose links are being merged: links copied now record it as their origin.
TdxBar* GMergingSource = nullptr;
int GLiveLinks = 0;

bool IsSeparator(TdxBarItemLink* ALink) {
  return ALink && dynamic_cast<TdxBarSeparator*>(ALink->Item()) != nullptr;
}

int IndexIn(const std::vector<TdxBarItemLink*>& List, const TdxBarItemLink* ALink) {
  auto it = std::find(List.begin(), List.end(), ALink);
  return it == List.end() ? -1 : int(it - List.begin());
}

}  // namespace

// --- Link ----------------------------------------------------------------------------------

int TdxBarItemLink::LiveCount() { return GLiveLinks; }

TdxBarItemLink::TdxBarItemLink(TCollection* ACollection) : TcxInterfacedCollectionItem(ACollection) {
  ++GLiveLinks;
  FUserGlyph = std::make_unique<TBitmap>();
  if (TdxBarItemLinks* links = GetLinks()) links->FRecent.push_back(this);
}

TdxBarItemLink::~TdxBarItemLink() {
  --GLiveLinks;
  FreeControl();
  if (FItem) FItem->RemoveLink(this);
  FItem = nullptr;
  if (TdxBarItemLinks* links = GetLinks()) {
    for (auto* list : {&links->FRecent, &links->FAvailable, &links->FVisibleLinks, &links->FShown,
                       &links->FDistributedChanged})
      list->erase(std::remove(list->begin(), list->end(), this), list->end());
  }
}

TdxBarItemLinks* TdxBarItemLink::GetLinks() const { return dynamic_cast<TdxBarItemLinks*>(Collection()); }

TdxBarManager* TdxBarItemLink::GetBarManager() const {
  TdxBarItemLinks* links = GetLinks();
  return links ? links->BarManager() : nullptr;
}

TdxBarItem* TdxBarItemLink::Item() const { return FItem; }

void TdxBarItemLink::SetItem(TdxBarItem* Value) {
  if (Value == FItem) return;
  TdxBarItemLinks* links = GetLinks();
  if (links) links->BeginUpdate();
  TdxBarFinally endUpdate([links] {
    if (links) links->EndUpdate();
  });
  if (FItem) FItem->RemoveLink(this);
  FItem = nullptr;
  if (!Value) {
    delete this;
    return;
  }
  String error;
  if (links && !links->CanContainItem(Value, error)) {
    delete this;
    throw EdxException(error);
  }
  FItem = Value;
  Value->AddLink(this);
  // The lists are rebuilt when the update ends.
  if (links && !links->IsOwnerLoading()) SetRecencyAnew();
}

void TdxBarItemLink::Notify() { Changed(false); }

// --- Published values ----------------------------------------------------------------------

bool TdxBarItemLink::BeginGroup() {
  TdxBarItemLinks* links = GetLinks();
  if (!links) return FBeginGroup;
  const int shown = GetShownIndex();
  if (FBeginGroup && shown != 0 && (shown == -1 || !IsSeparator(links->GetShownLink(shown - 1)))) return true;
  if (shown > 0) {
    // The group start of links that are not shown moves to the next shown link.
    const int from = links->IndexOfLink(links->GetShownLink(shown - 1)), to = Index();
    for (int i = from + 1; i < to; ++i)
      if (links->Links(i)->GetShownIndex() < 0 && links->Links(i)->BeginGroup()) return true;
  }
  return false;
}

void TdxBarItemLink::SetBeginGroup(bool Value) {
  if (FBeginGroup == Value) return;
  FBeginGroup = Value;
  Notify();
}

void TdxBarItemLink::SetButtonGroup(TdxBarButtonGroupPosition Value) {
  if (FButtonGroup == Value) return;
  FButtonGroup = Value;
  Changed(true);
}

void TdxBarItemLink::SetDistributed(bool Value) {
  if (FDistributed == Value) return;
  FDistributed = Value;
  if (TdxBarItemLinks* links = GetLinks())
    if (!IsDistributedChanged()) links->FDistributedChanged.push_back(this);
  Changed(true);
}

void TdxBarItemLink::SetDistributedFromLayout(bool Value) {
  if (FDistributed != Value) {
    FDistributed = Value;
    if (TdxBarManager* manager = GetBarManager()) manager->NotifyModified();
  }
  if (TdxBarItemLinks* links = GetLinks())
    links->FDistributedChanged.erase(
        std::remove(links->FDistributedChanged.begin(), links->FDistributedChanged.end(), this),
        links->FDistributedChanged.end());
}

bool TdxBarItemLink::IsDistributedChanged() const {
  TdxBarItemLinks* links = GetLinks();
  return links && IndexIn(links->FDistributedChanged, this) >= 0;
}

void TdxBarItemLink::SetMostRecentlyUsed(bool Value) {
  if (FMostRecentlyUsed == Value) return;
  FMostRecentlyUsed = Value;
  SetRecencyAnew();
  Notify();
}

void TdxBarItemLink::SetPosition(TdxBarItemPosition Value) {
  if (FPosition == Value) return;
  FPosition = Value;
  Changed(true);
}

void TdxBarItemLink::SetViewLevels(TdxBarItemViewLevels Value) {
  if (FViewLevels == Value) return;
  FViewLevels = Value;
  Changed(true);
}

void TdxBarItemLink::SetUserCaption(const String& Value) {
  if (Value == Caption() && FUserDefine.Contains(udCaption)) return;
  if (Value == FUserCaption && FUserDefine.Contains(udCaption)) return;
  FUserCaption = Value;
  TdxBarUserDefines defines = FUserDefine;
  defines.Include(udCaption);
  SetUserDefine(defines);
}

void TdxBarItemLink::SetUserGlyph(TBitmap* Value) {
  FUserGlyph->Assign(Value);
  TdxBarUserDefines defines = FUserDefine;
  defines.Include(udGlyph);
  SetUserDefine(defines);
}

void TdxBarItemLink::SetUserPaintStyle(TdxBarPaintStyle Value) {
  if (Value == GetPaintStyle()) return;
  FUserPaintStyle = Value;
  TdxBarUserDefines defines = FUserDefine;
  defines.Include(udPaintStyle);
  SetUserDefine(defines);
}

void TdxBarItemLink::SetUserWidth(int Value) {
  if (Value == GetWidth()) return;
  FUserWidth = Value;
  TdxBarUserDefines defines = FUserDefine;
  defines.Include(udWidth);
  SetUserDefine(defines);
}

void TdxBarItemLink::SetUserDefine(TdxBarUserDefines Value) {
  const TdxBarUserDefines old = FUserDefine;
  if (old.Contains(udCaption) && !Value.Contains(udCaption)) FUserCaption.clear();
  if (old.Contains(udGlyph) && !Value.Contains(udGlyph)) {
    FUserGlyph->SetWidth(0);
    FUserGlyph->SetHeight(0);
  }
  if (old.Contains(udPaintStyle) && !Value.Contains(udPaintStyle)) FUserPaintStyle = psStandard;
  if (old.Contains(udWidth) && !Value.Contains(udWidth)) FUserWidth = 0;
  FUserDefine = Value;
  if (old != Value) Notify();
}

void TdxBarItemLink::SetVisible(bool Value) {
  TdxBarItemLinks* links = GetLinks();
  TdxBarManager* manager = GetBarManager();
  if ((manager && manager->IsLoading()) || (links && links->IsAssigning())) {
    LoadedVisible = Value;
    return;
  }
  if (FVisible == Value) return;
  FVisible = Value;
  if (links && !links->IsDesigning()) {
    links->RebuildLinkLists();
    if (FItem && FItem->IsShownNow() && FVisible) {
      links->MoveInRecent(this, 0);
    } else {
      links->MoveInRecent(this, links->RecentCount() - 1);
    }
  }
  Notify();
}

// --- Effective values ----------------------------------------------------------------------

String TdxBarItemLink::Caption() const {
  return FUserDefine.Contains(udCaption) || !FItem ? FUserCaption : FItem->Caption();
}

TBitmap* TdxBarItemLink::Glyph() const {
  return FUserDefine.Contains(udGlyph) || !FItem ? FUserGlyph.get() : FItem->Glyph();
}

TdxBarPaintStyle TdxBarItemLink::GetPaintStyle() const {
  return FUserDefine.Contains(udPaintStyle) || !FItem ? FUserPaintStyle : FItem->PaintStyle();
}

int TdxBarItemLink::GetWidth() const {
  if (FUserDefine.Contains(udWidth)) return FUserWidth;
  return 0;
}

int TdxBarItemLink::GetShownIndex() const {
  TdxBarItemLinks* links = GetLinks();
  return links ? IndexIn(links->FShown, this) : -1;
}

int TdxBarItemLink::GetVisibleIndex() const {
  TdxBarItemLinks* links = GetLinks();
  return links ? IndexIn(links->FVisibleLinks, this) : -1;
}

int TdxBarItemLink::GetRecentIndex() const {
  TdxBarItemLinks* links = GetLinks();
  return links ? IndexIn(links->FRecent, this) : FPendingRecentIndex;
}

// --- Recency -------------------------------------------------------------------------------

void TdxBarItemLink::SetRecencyAnew() {
  TdxBarItemLinks* links = GetLinks();
  TdxBarManager* manager = GetBarManager();
  if (FMostRecentlyUsed) {
    FUseCount = manager ? manager->RecentUseThreshold() : 0;
    if (links) links->MoveInRecent(this, 0);
  } else {
    FUseCount = 0;
    if (links) links->MoveInRecent(this, links->RecentCount() - 1);
  }
}

void TdxBarItemLink::MarkAsRecentlyUsed(bool CountUse) {
  if (!FItem || !FItem->IsShownNow() || !FVisible) return;
  TdxBarItemLinks* links = GetLinks();
  if (!links || links->UsesRecentItems()) {
    MoveToRecentIndex(0);
    if (CountUse) ++FUseCount;
  }
  // A sub item's or dropped-down menu's own link is marked too once those kinds exist.
}

void TdxBarItemLink::MoveToRecentIndex(int AIndex) {
  TdxBarItemLinks* links = GetLinks();
  if (!links) {
    FPendingRecentIndex = AIndex;
    return;
  }
  AIndex = std::min(AIndex, links->RecentCount() - 1);
  if (AIndex < 0 || AIndex == GetRecentIndex()) return;
  links->MoveInRecent(this, AIndex);
  links->RebuildLinkLists();
}

void TdxBarItemLink::MoveToRecentEnd() {
  if (TdxBarItemLinks* links = GetLinks()) MoveToRecentIndex(links->RecentCount() - 1);
}

void TdxBarItemLink::CopyUsageFrom(TdxBarItemLink* ALink) {
  if (!ALink) return;
  FUseCount = ALink->FUseCount;
  MoveToRecentIndex(ALink->GetRecentIndex());
}

void TdxBarItemLink::ToggleNextBeginGroup() {
  TdxBarItemLinks* links = GetLinks();
  if (!FItem || !links) return;
  const int visible = GetVisibleIndex();
  if (visible < 0 || visible + 1 >= links->GetVisibleLinkCount()) return;
  TdxBarItemLink* next = links->GetVisibleLink(visible + 1);
  if (BeginGroup() && !next->BeginGroup()) next->SetBeginGroup(true);
  else if (visible == 0 && next->BeginGroup()) next->SetBeginGroup(false);
}

bool TdxBarItemLink::MatchesAccelerator(uint16_t Key, TShiftState Shift) const {
  if (Shift.Contains(ssCtrl)) return false;
  const wchar_t ch = GetHotkey(Caption());
  if (ch == 0) return false;
  if (ch >= L'0' && ch <= L'9') return Key == ch && Shift.Empty();
  return Key == (VkKeyScanW(ch) & 0xFF);
}

// --- Assignment and form files -------------------------------------------------------------

void TdxBarItemLink::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TdxBarItemLink*>(Source);
  if (!source) return inherited::Assign(Source);
  Data = source->Data;
  FUserCaption = source->FUserCaption;
  FUserGlyph->Assign(source->FUserGlyph.get());
  FUserPaintStyle = source->FUserPaintStyle;
  FUserWidth = source->FUserWidth;
  TdxBarItem* item = source->FItem;
  TdxBarManager* manager = GetBarManager();
  TComponent* owner = GetLinks() ? GetLinks()->GetLinksOwner() : nullptr;
  if (item && manager &&
      (manager->ComponentState().Contains(csUpdating) || (owner && owner->ComponentState().Contains(csUpdating))))
    item = manager->FindItemByName(item->Name());
  TdxBarItemLinks* links = GetLinks();
  const int index = Index();
  SetItem(item);
  // A refused item has freed this link (and raised); nil left it as it was.
  if (links && (index >= links->Count() || links->Links(index) != this)) return;
  SetUserDefine(source->FUserDefine);
  SetBeginGroup(source->BeginGroup());
  SetButtonGroup(source->FButtonGroup);
  SetDistributed(source->FDistributed);
  SetPosition(source->FPosition);
  SetViewLevels(source->FViewLevels);
  SetVisible(source->FVisible);
  FOriginalLink = source->GetOriginalLink();
  FMergeOrigin = GMergingSource;
}

bool TdxBarItemLink::IsItemNameStored(TFiler* Filer) {
  auto* ancestor = dynamic_cast<TdxBarItemLink*>(Filer->Ancestor());
  if (!ancestor) return FItem != nullptr;
  if (!ancestor->FItem || !FItem) return ancestor->FItem != FItem;
  return ancestor->FItem->Name() != FItem->Name();
}

void TdxBarItemLink::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty(L"ItemName", TReaderProc(this, &TdxBarItemLink::ReadItemName),
                        TWriterProc(this, &TdxBarItemLink::WriteItemName), IsItemNameStored(Filer));
}

void TdxBarItemLink::ReadItemName(TReader* Reader) { FLoadedItemName = Reader->ReadString(); }

void TdxBarItemLink::WriteItemName(TWriter* Writer) { Writer->WriteString(FItem ? FItem->Name() : String()); }

// --- Item options --------------------------------------------------------------------------

TdxBarItemOptions::TdxBarItemOptions(TdxBarItemLinks* ALinks) : FLinks(ALinks) {
  int value = 0;
  FLinks->GetDefaultItemOption(ioShowDescriptions, value);
  FShowDescriptions = value != 0;
  FLinks->GetDefaultItemOption(ioShowShortCuts, value);
  FShowShortCuts = value != 0;
  FLinks->GetDefaultItemOption(ioSize, value);
  FSize = TdxBarMenuItemSize(value);
}

TPersistent* TdxBarItemOptions::GetOwner() { return FLinks; }

void TdxBarItemOptions::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TdxBarItemOptions*>(Source);
  if (!source) return inherited::Assign(Source);
  FAssignedValues = source->FAssignedValues;
  FShowDescriptions = source->FShowDescriptions;
  FShowShortCuts = source->FShowShortCuts;
  FSize = source->FSize;
}

bool TdxBarItemOptions::ShowDescriptions() const {
  if (FAssignedValues.Contains(ioShowDescriptions)) return FShowDescriptions;
  int value = 0;
  FLinks->GetDefaultItemOption(ioShowDescriptions, value);
  return value != 0;
}

void TdxBarItemOptions::SetShowDescriptions(bool Value) {
  FShowDescriptions = Value;
  FAssignedValues.Include(ioShowDescriptions);
}

bool TdxBarItemOptions::ShowShortCuts() const {
  if (FAssignedValues.Contains(ioShowShortCuts)) return FShowShortCuts;
  int value = 0;
  FLinks->GetDefaultItemOption(ioShowShortCuts, value);
  return value != 0;
}

void TdxBarItemOptions::SetShowShortCuts(bool Value) {
  FShowShortCuts = Value;
  FAssignedValues.Include(ioShowShortCuts);
}

TdxBarMenuItemSize TdxBarItemOptions::Size() const {
  if (FAssignedValues.Contains(ioSize)) return FSize;
  int value = 0;
  FLinks->GetDefaultItemOption(ioSize, value);
  return TdxBarMenuItemSize(value);
}

void TdxBarItemOptions::SetSize(TdxBarMenuItemSize Value) {
  FSize = Value;
  FAssignedValues.Include(ioSize);
}

// --- Collection ----------------------------------------------------------------------------

TdxBarItemLinks::TdxBarItemLinks(TdxBarManager* ABarManager, IdxBarLinksOwner* AOwner)
    : TCollection(TdxBarItemLink::StaticClass()), FBarManager(ABarManager), FOwner(AOwner) {
  FItemOptions = std::make_unique<TdxBarItemOptions>(this);
}

TdxBarItemLinks::~TdxBarItemLinks() {
  FDestroying = true;
  if (FBarControl) FBarControl->SetItemLinks(nullptr);
  BeginUpdate();
  while (Count() > 0) delete Links(Count() - 1);
}

TPersistent* TdxBarItemLinks::GetOwner() { return GetLinksOwner(); }

bool TdxBarItemLinks::IsDesigning() const {
  return FBarManager && FBarManager->IsDesigning();
}

bool TdxBarItemLinks::IsCustomizingOrDesigning() const {
  return FBarManager && FBarManager->IsCustomizingOrDesigning();
}

bool TdxBarItemLinks::IsOwnerLoading() const {
  TComponent* owner = GetLinksOwner();
  return owner && owner->ComponentState().Contains(csLoading);
}

void TdxBarItemLinks::BeginUpdate() { TCollection::BeginUpdate(); }

void TdxBarItemLinks::EndUpdate() { TCollection::EndUpdate(); }

TdxBarItemLink* TdxBarItemLinks::AddLink() { return static_cast<TdxBarItemLink*>(Add()); }

TdxBarItemLink* TdxBarItemLinks::AddItem(TdxBarItem* AItem) {
  BeginUpdate();
  TdxBarFinally end([this] { EndUpdate(); });
  TdxBarItemLink* link = AddLink();
  link->SetItem(AItem);
  return link;
}

TdxBarItemLink* TdxBarItemLinks::AddItemOfClass(TdxBarItemClass AItemClass, TdxBarManager* AManager) {
  if (!AManager) AManager = FBarManager;
  auto* item = static_cast<TdxBarItem*>(AItemClass->Create(AManager));
  try {
    return AddItem(item);
  } catch (...) {
    item->Free();
    throw;
  }
}

TdxBarItemLink* TdxBarItemLinks::InsertLink(int Index) { return static_cast<TdxBarItemLink*>(Insert(Index)); }

void TdxBarItemLinks::MoveLink(int From, int To) {
  if (From < 0 || From >= Count() || To < 0 || To >= Count() || From == To) return;
  BeginUpdate();
  TdxBarFinally end([this] { EndUpdate(); });
  Links(From)->SetIndex(To);
}

int TdxBarItemLinks::IndexOfLink(TdxBarItemLink* ALink) const {
  return ALink && ALink->Collection() == this ? ALink->Index() : -1;
}

int TdxBarItemLinks::IndexOfItemName(const String& AName) const {
  for (int i = 0; i < Count(); ++i)
    if (Links(i)->Item() && Links(i)->Item()->Name() == AName) return i;
  return -1;
}

void TdxBarItemLinks::MoveInRecent(TdxBarItemLink* ALink, int AIndex) {
  const int from = IndexIn(FRecent, ALink);
  if (from < 0) return;
  FRecent.erase(FRecent.begin() + from);
  AIndex = std::clamp(AIndex, 0, int(FRecent.size()));
  FRecent.insert(FRecent.begin() + AIndex, ALink);
}

void TdxBarItemLinks::RebuildLinkLists() {
  FAvailable.clear();
  FVisibleLinks.clear();
  FShown.clear();
  const bool designing = IsDesigning();
  for (int i = 0; i < Count(); ++i) {
    TdxBarItemLink* link = Links(i);
    TdxBarItem* item = link->Item();
    if (!item || !(designing || item->IsShownNow())) continue;
    FAvailable.push_back(link);
    if (!(designing || link->Visible())) continue;
    FVisibleLinks.push_back(link);
    if (designing || FRecentLimit == -1) FShown.push_back(link);
  }
  if (!designing && FRecentLimit > 0) {
    for (TdxBarItemLink* link : FRecent) {
      if (int(FShown.size()) >= FRecentLimit) break;
      if (IndexIn(FVisibleLinks, link) >= 0) FShown.push_back(link);
    }
    std::sort(FShown.begin(), FShown.end(), [this](TdxBarItemLink* A, TdxBarItemLink* B) {
      return IndexIn(FVisibleLinks, A) < IndexIn(FVisibleLinks, B);
    });
  }
  // Trailing separators and all but the last of adjacent ones go; a leading one stays.
  if (IsCustomizingOrDesigning() || UpdateCount() > 0) return;
  for (int i = int(FShown.size()) - 1; i >= 0; --i) {
    TdxBarItemLink* link = FShown[size_t(i)];
    if (!IsSeparator(link)) continue;
    if (i == int(FShown.size()) - 1 || IsSeparator(FShown[size_t(i + 1)])) {
      FShown.erase(FShown.begin() + i);
      FVisibleLinks.erase(std::remove(FVisibleLinks.begin(), FVisibleLinks.end(), link), FVisibleLinks.end());
    }
  }
}

bool TdxBarItemLinks::AllLinksFit() const { return dynamic_cast<TdxBar*>(GetLinksOwner()) == nullptr; }

// Item rectangles come with the bar controls: until then a bar fits none of its links.
int TdxBarItemLinks::GetFittingLinkCount() const { return AllLinksFit() ? GetShownLinkCount() : 0; }

bool TdxBarItemLinks::UsesRecentItems() const {
  return FBarManager && FBarManager->GetEffectiveStyle() != bmsStandard && FUseRecentItems;
}

void TdxBarItemLinks::SetUseRecentItems(bool Value) {
  if (FUseRecentItems == Value) return;
  FUseRecentItems = Value;
  RebuildLinkLists();
}

int TdxBarItemLinks::GetRecentLinkCount() const {
  if (!UsesRecentItems()) return -1;
  int lowest = INT_MAX, highest = 0;
  for (TdxBarItemLink* link : FVisibleLinks) {
    lowest = std::min(lowest, link->UseCount());
    highest = std::max(highest, link->UseCount());
  }
  if (FVisibleLinks.empty()) lowest = 0;
  const int threshold = lowest + MulDiv(highest - lowest, 100 - FBarManager->MostRecentItemsPercents(), 100);
  const int visible = GetVisibleLinkCount();
  int answer = 0;
  for (int i = std::min(visible, RecentCount()) - 1; i >= 0; --i)
    if (FRecent[size_t(i)]->UseCount() >= threshold) {
      answer = i + 1;
      break;
    }
  return answer == visible ? -1 : answer;
}

void TdxBarItemLinks::SetRecentLinkLimit(int N) {
  if (!UsesRecentItems()) N = -1;
  FSavedRecentLimit = FRecentLimit;
  if (N == FRecentLimit) return;
  FRecentLimit = N;
  RebuildLinkLists();
}

void TdxBarItemLinks::RestoreRecentLinkLimit() {
  FRecentLimit = FSavedRecentLimit;
  RebuildLinkLists();
}

void TdxBarItemLinks::GetDefaultItemOption(TdxBarItemOptionValue Option, int& Value) {
  switch (Option) {
    case ioShowDescriptions: Value = 0; break;
    case ioShowShortCuts: Value = 1; break;
    default: Value = misNormal; break;
  }
}

// A sub-menu takes the options of the menu it opened from once menus have windows;
// until then each collection answers for itself.
void TdxBarItemLinks::GetItemOption(TdxBarItemOptionValue Option, int& Value) {
  switch (Option) {
    case ioShowDescriptions: Value = FItemOptions->ShowDescriptions(); break;
    case ioShowShortCuts: Value = FItemOptions->ShowShortCuts(); break;
    default: Value = FItemOptions->Size(); break;
  }
}

bool TdxBarItemLinks::ShowDescriptions() {
  int value = 0;
  GetItemOption(ioShowDescriptions, value);
  return value != 0;
}

bool TdxBarItemLinks::ShowShortCuts() {
  int value = 0;
  GetItemOption(ioShowShortCuts, value);
  return value != 0;
}

TdxBarMenuItemSize TdxBarItemLinks::GetMenuItemSize() {
  int value = 0;
  GetItemOption(ioSize, value);
  return TdxBarMenuItemSize(value);
}

bool TdxBarItemLinks::CanContainItem(TdxBarItem* AItem, String& AErrorText) {
  return !FOwner || FOwner->CanContainItem(AItem, AErrorText);
}

void TdxBarItemLinks::UpdateActions() {
  for (int i = 0; i < Count(); ++i)
    if (TdxBarItem* item = Links(i)->Item())
      if (item->ActionLink()) item->ActionLink()->Update();
}

bool TdxBarItemLinks::HandleShortCut(uint16_t AShortCut) {
  if (AShortCut == 0) return false;
  UpdateActions();
  for (TdxBarItemLink* link : std::vector<TdxBarItemLink*>(FAvailable))
    if (link->Item() && link->Item()->HandleShortCut(AShortCut)) return true;
  return false;
}

TdxBarItemLink* TdxBarItemLinks::FindLinkByAccelerator(uint16_t Key, TShiftState Shift, TdxBarItemLink* AStartLink) {
  Shift.Exclude(ssAlt);
  return FindLinkByAcceleratorFrom(Key, Shift, AStartLink);
}

TdxBarItemLink* TdxBarControlItemLinks::FindLinkByAcceleratorFrom(uint16_t, TShiftState, TdxBarItemLink*) {
  return nullptr;
}

TdxBarItemLink* TdxBarSubMenuControlItemLinks::FindLinkByAcceleratorFrom(uint16_t Key, TShiftState Shift,
                                                                         TdxBarItemLink* ALink) {
  const int count = GetVisibleLinkCount();
  if (count == 0) return nullptr;
  const int start = ALink ? std::max(ALink->GetVisibleIndex(), 0) : 0;
  int i = start;
  do {
    i = (i + 1) % count;
    TdxBarItemLink* link = GetVisibleLink(i);
    if (link->Item()->CanActivateByAccelerator(link) && link->MatchesAccelerator(Key, Shift)) return link;
  } while (i != start);
  return nullptr;
}

// Item controls decide what can be selected; until they exist nothing can.
bool TdxBarItemLinks::IsSelectable(TdxBarItemLink*) const { return false; }

TdxBarItemLink* TdxBarItemLinks::GetFirstSelectableLink() {
  for (int i = 0; i < GetFittingLinkCount(); ++i)
    if (IsSelectable(GetShownLink(i))) return GetShownLink(i);
  return nullptr;
}

TdxBarItemLink* TdxBarItemLinks::GetLastSelectableLink() {
  for (int i = GetFittingLinkCount() - 1; i >= 0; --i)
    if (IsSelectable(GetShownLink(i))) return GetShownLink(i);
  return nullptr;
}

TdxBarItemLink* TdxBarItemLinks::GetNextSelectableLink(TdxBarItemLink* ALink, bool AnyLink) {
  if (!ALink) return GetFirstSelectableLink();
  const int count = GetFittingLinkCount(), start = ALink->GetShownIndex();
  if (count == 0) return nullptr;
  for (int i = (start + 1) % count; i != start && i >= 0; i = (i + 1) % count) {
    if (AnyLink || IsSelectable(GetShownLink(i))) return GetShownLink(i);
    if (start < 0 && i == count - 1) break;
  }
  return nullptr;
}

TdxBarItemLink* TdxBarItemLinks::GetPrevSelectableLink(TdxBarItemLink* ALink, bool AnyLink) {
  if (!ALink) return GetLastSelectableLink();
  const int count = GetFittingLinkCount(), start = ALink->GetShownIndex();
  if (count == 0) return nullptr;
  for (int i = (start - 1 + count) % count; i != start && i >= 0; i = (i - 1 + count) % count) {
    if (AnyLink || IsSelectable(GetShownLink(i))) return GetShownLink(i);
    if (start < 0 && i == 0) break;
  }
  return nullptr;
}

bool TdxBarItemLinks::ContainsLinksOwner(IdxBarLinksOwner* AOwner, int ADepth) const {
  if (!AOwner || ADepth > 64) return ADepth > 64;
  if (AOwner->GetItemLinks() == this) return true;
  for (int i = 0; i < Count(); ++i) {
    auto* owner = dynamic_cast<IdxBarLinksOwner*>(Links(i)->Item());
    if (!owner) continue;
    if (owner == AOwner) return true;
    if (owner->GetItemLinks() && owner->GetItemLinks()->ContainsLinksOwner(AOwner, ADepth + 1)) return true;
  }
  return false;
}

// --- Loaded state --------------------------------------------------------------------------

// Names are looked up once in a table of the manager's items, ignoring case.
void TdxBarItemLinks::ResolveLoadedItems() {
  std::unordered_map<String, TdxBarItem*> byName;
  if (FBarManager)
    for (int i = FBarManager->ItemCount() - 1; i >= 0; --i)
      byName[UpperCase(FBarManager->Items(i)->Name())] = FBarManager->Items(i);
  BeginUpdate();
  {
    TdxBarFinally end([this] { EndUpdate(); });
    for (int i = Count() - 1; i >= 0; --i) {
      if (i >= Count()) continue;
      TdxBarItemLink* link = Links(i);
      const String name = UpperCase(link->FLoadedItemName);
      link->FLoadedItemName.clear();
      if (auto it = byName.find(name); !name.empty() && it != byName.end()) link->SetItem(it->second);
    }
  }
  ApplyLoadedState(true);
}

void TdxBarItemLinks::ApplyLoadedState(bool WithVisibility) {
  for (int i = Count() - 1; i >= 0; --i)
    if (Links(i)->Item()) Links(i)->SetRecencyAnew();
  if (WithVisibility)
    for (int i = 0; i < Count(); ++i) Links(i)->SetVisible(Links(i)->LoadedVisible);
  for (int index = 0; index < Count(); ++index)
    for (int i = 0; i < Count(); ++i)
      if (Links(i)->LoadedRecentIndex == index) {
        Links(i)->FUseCount = Links(i)->LoadedUseCount;
        MoveInRecent(Links(i), index);
        Links(i)->LoadedRecentIndex = -1;
      }
  RebuildLinkLists();
}

void TdxBarItemLinks::MoveHiddenToRecentEnd() {
  int first = -1;
  for (int i = 0; i < RecentCount(); ++i)
    if (IndexIn(FVisibleLinks, FRecent[size_t(i)]) < 0) {
      first = i;
      break;
    }
  if (first < 0) return;
  std::vector<TdxBarItemLink*> later;
  for (int i = first + 1; i < RecentCount(); ++i)
    if (IndexIn(FVisibleLinks, FRecent[size_t(i)]) >= 0) later.push_back(FRecent[size_t(i)]);
  for (TdxBarItemLink* link : later) MoveInRecent(link, first++);
}

// --- Collection notifications --------------------------------------------------------------

void TdxBarItemLinks::Notify(TCollectionItem* Item, TCollectionNotification Action) {
  inherited::Notify(Item, Action);
}

void TdxBarItemLinks::Update(TCollectionItem* Item) {
  // Links read from a form file are listed once their items are resolved.
  if (!Item && !IsOwnerLoading()) RebuildLinkLists();
  TComponent* owner = GetLinksOwner();
  if (FDestroying || (owner && owner->ComponentState().Contains(csDestroying))) return;
  inherited::Update(Item);
  if (FBarManager) FBarManager->NotifyModified();
  if (!Item && OnChange) OnChange(this);
}

void TdxBarItemLinks::Assign(TPersistent* Source) {
  if (!dynamic_cast<TdxBarItemLinks*>(Source)) return inherited::Assign(Source);
  FAssigning = true;
  {
    TdxBarFinally done([this] {
      FAssigning = false;
      for (int i = 0; i < Count(); ++i) Links(i)->SetVisible(Links(i)->LoadedVisible);
    });
    inherited::Assign(Source);
  }
}

// --- Merging -------------------------------------------------------------------------------

void TdxBarItemLinks::MergeLinks(TdxBarItemLinks* ASource) {
  if (!ASource) return;
  for (int s = 0; s < ASource->Count(); ++s) {
    TdxBarItemLink* source = ASource->Links(s);
    TdxBarItem* item = source->Item();
    if (!item) continue;
    TdxBarItemMergeKind kind = item->MergeKind();
    int pos = -1;
    if (kind != mkNone) {
      if (kind == mkMergeByCaption)
        for (int i = Count() - 1; i >= 0 && pos < 0; --i) {
          TdxBarItem* other = Links(i)->Item();
          if (other && other->MergeKind() == mkMergeByCaption && Links(i)->Caption() == source->Caption() &&
              other->CanMergeWith(item) && item->CanMergeWith(other))
            pos = i;
        }
      if (pos < 0) {
        int best = -1;
        for (int i = 0; i < Count(); ++i) {
          TdxBarItem* other = Links(i)->Item();
          if (!other || other->MergeOrder() > item->MergeOrder()) continue;
          if (best < 0 || other->MergeOrder() >= Links(best)->Item()->MergeOrder()) best = i;
        }
        pos = best + 1;
        kind = mkAdd;
      }
    }
    if (pos < 0) kind = mkNone;
    else if (kind == mkMergeByCaption &&
             (pos >= Count() || !Links(pos)->Item() || !Links(pos)->Item()->CanMergeWith(item) ||
              !item->CanMergeWith(Links(pos)->Item())))
      kind = mkNone;
    else if (kind == mkAdd && pos > Count())
      kind = mkNone;
    if (kind == mkMergeByCaption) {
      TdxBarItemLinks* target = Links(pos)->Item()->SubItemLinks();
      if (target && item->SubItemLinks()) target->MergeLinks(item->SubItemLinks());
    } else if (kind == mkAdd) {
      InsertLink(pos)->Assign(source);
    }
  }
}

void TdxBarItemLinks::UnmergeLinks(TdxBar* ABar) {
  for (int i = Count() - 1; i >= 0; --i) {
    if (i >= Count()) continue;
    TdxBarItemLink* link = Links(i);
    if (link->MergeOrigin() && (!ABar || link->MergeOrigin() == ABar)) delete link;
    else if (link->Item() && link->Item()->SubItemLinks()) link->Item()->SubItemLinks()->UnmergeLinks(ABar);
  }
}

// The unit-wide merging source, set by a bar while its links are merged.
void dxBarSetMergingSource(TdxBar* ABar) { GMergingSource = ABar; }
