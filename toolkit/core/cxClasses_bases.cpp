// The persistent, component and collection bases of cxClasses.
#include <algorithm>
#include <exception>

#include "cxClasses.h"

namespace {

// The one scope guard of this file: runs Begin at once and End when the scope is
// left, also by an exception, unless Dismiss was called; an End that raises
// while another exception is passing is not let through.
template <class End>
class TScope {
 public:
  template <class Begin>
  TScope(Begin begin, End end) : FEnd(end), FExceptions(std::uncaught_exceptions()) {
    begin();
  }
  ~TScope() noexcept(false) {
    if (FDismissed) return;
    if (std::uncaught_exceptions() == FExceptions) {
      FEnd();
    } else {
      try {
        FEnd();
      } catch (...) {
      }
    }
  }
  TScope(const TScope&) = delete;
  TScope& operator=(const TScope&) = delete;
  void Dismiss() { FDismissed = true; }

 private:
  End FEnd;
  int FExceptions;
  bool FDismissed = false;
};

template <class Begin, class End>
TScope(Begin, End) -> TScope<End>;

}  // namespace

// --- TcxIUnknownObject ------------------------------------------------------------------

int32_t TcxIUnknownObject::QueryInterface(const TGUID& iid, void** obj) {
  return GetInterface(iid, obj) ? QI_OK : QI_NOINTERFACE;
}

bool TcxIUnknownObject::GetInterface(const TGUID& iid, void** obj) {
  return InterfaceTable<IInterface>(this, iid, obj) || inherited::GetInterface(iid, obj);
}

// --- TcxComponent -----------------------------------------------------------------------

TcxComponent::~TcxComponent() { InvalidateObjectLinks(this); }

void TcxComponent::BeforeDestruction() {
  if (!ComponentState().Contains(csDestroying)) Destroying();
  inherited::BeforeDestruction();
}

void TcxComponent::Loaded() {
  inherited::Loaded();
  RefreshFakeLinks();
}

void TcxComponent::CollectFakeLinkComponents(TList*) {}

void TcxComponent::RefreshFakeLinks() {
  if (!ComponentState().Contains(csDesigning) || ComponentState().Contains(csDestroying) || !Owner()) return;
  TList list;
  CollectFakeLinkComponents(&list);
  for (int i = 0; i < 3; ++i) SetFakeComponentLink(i, i < list.Count() ? static_cast<TComponent*>(list.Items(i)) : nullptr);
}

void TcxComponent::SetFakeComponentLink(int Index, TComponent* Value) {
  TComponent*& link = FFakeComponentLinks[Index];
  if (link == Value) return;
  link = Value;
  if (Value) Value->FreeNotification(this);
}

void TcxComponent::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  for (TComponent*& link : FFakeComponentLinks)
    if (link == AComponent) link = nullptr;
}

// --- TcxInterfacedCollectionItem --------------------------------------------------------

TcxInterfacedCollectionItem::TcxInterfacedCollectionItem(TCollection* Collection) : TCollectionItem(Collection) {
  TPersistent* owner = Collection ? Collection->Owner() : nullptr;
  if (owner) Supports<IInterface>(owner, FOwnerInterface);
}

int32_t TcxInterfacedCollectionItem::QueryInterface(const TGUID& iid, void** obj) {
  if (!GetInterface(iid, obj)) return QI_NOINTERFACE;
  _AddRef();
  return QI_OK;
}

bool TcxInterfacedCollectionItem::GetInterface(const TGUID& iid, void** obj) {
  return InterfaceTable<IInterface>(this, iid, obj) || inherited::GetInterface(iid, obj);
}

int32_t TcxInterfacedCollectionItem::_AddRef() { return FOwnerInterface ? FOwnerInterface->_AddRef() : -1; }

int32_t TcxInterfacedCollectionItem::_Release() { return FOwnerInterface ? FOwnerInterface->_Release() : -1; }

// --- TcxOwnedInterfacedCollection -------------------------------------------------------

TcxOwnedInterfacedCollection::~TcxOwnedInterfacedCollection() { FState |= cxcsDestroying; }

int TcxOwnedInterfacedCollection::OrderItems(TCollectionItem* AItem1, TCollectionItem* AItem2) {
  int difference = AItem1->Index() - AItem2->Index();
  return (difference > 0) - (difference < 0);
}

int32_t TcxOwnedInterfacedCollection::QueryInterface(const TGUID& iid, void** obj) {
  return GetInterface(iid, obj) ? QI_OK : QI_NOINTERFACE;
}

bool TcxOwnedInterfacedCollection::GetInterface(const TGUID& iid, void** obj) {
  return InterfaceTable<IInterface>(this, iid, obj) || inherited::GetInterface(iid, obj);
}

void TcxOwnedInterfacedCollection::Update(TCollectionItem* Item) {
  if (FState & cxcsUpdating) return;
  TScope updating([this] { FState |= cxcsUpdating; }, [this] { FState &= ~unsigned(cxcsUpdating); });
  if (FSorted && !Item) SortCollectionItems(this);
  inherited::Update(Item);
  if (!IsDestroying() && OnChange) OnChange(this, Item);
}

namespace {

// The string list's entries carry the items; the compare goes back to the collection.
struct TItemOrder {
  TcxOwnedInterfacedCollection* Collection;
  int Compare(TStringList* List, int Index1, int Index2) {
    return Collection->OnCompare
               ? Collection->OnCompare(Collection, static_cast<TCollectionItem*>(List->Objects(Index1)),
                                       static_cast<TCollectionItem*>(List->Objects(Index2)))
               : Collection->OrderItems(static_cast<TCollectionItem*>(List->Objects(Index1)),
                                        static_cast<TCollectionItem*>(List->Objects(Index2)));
  }
};

}  // namespace

void SortCollectionItems(TcxOwnedInterfacedCollection* ACollection) {
  if (ACollection->UpdateCount() > 0 || (ACollection->FState & TcxOwnedInterfacedCollection::cxcsSorting)) return;
  unsigned& state = ACollection->FState;
  TScope sorting([&] { state |= TcxOwnedInterfacedCollection::cxcsSorting; },
                 [&] { state &= ~unsigned(TcxOwnedInterfacedCollection::cxcsSorting); });

  TItemOrder order{ACollection};
  TcxStringList list;
  for (int i = 0; i < ACollection->Count(); ++i) list.AddObject(std::to_wstring(i), ACollection->Items(i));
  list.OnCompare = TcxStringListCompareEvent(&order, &TItemOrder::Compare);
  list.Sort();

  TScope update([&] { ACollection->BeginUpdate(); }, [&] { ACollection->EndUpdate(); });
  for (int i = 0; i < list.Count(); ++i) static_cast<TCollectionItem*>(list.Objects(i))->SetIndex(i);
}

// --- TcxStringList ----------------------------------------------------------------------

namespace {
int CompareByEvent(TStringList* List, int Index1, int Index2) {
  return static_cast<TcxStringList*>(List)->OnCompare(List, Index1, Index2);
}
}  // namespace

void TcxStringList::Sort() {
  if (OnCompare)
    CustomSort(&CompareByEvent);
  else
    inherited::Sort();
}

// --- TcxComponentCollectionItem ---------------------------------------------------------

TcxComponentCollectionItem::~TcxComponentCollectionItem() { AssignCollection(nullptr); }

void TcxComponentCollectionItem::AssignCollection(TcxComponentCollection* ACollection) {
  if (FCollection == ACollection) return;
  if (FCollection) FCollection->DetachItem(this);
  if (ACollection) ACollection->AttachItem(this);
}

void TcxComponentCollectionItem::MoveToIndex(int AIndex) {
  if (FCollection && IndexInCollection() != AIndex) {
    FCollection->MoveItem(this, AIndex);
    FCollection->NotifyChanged(nullptr, ItemChanged);
  }
}

int TcxComponentCollectionItem::IndexInCollection() const { return FCollection ? FCollection->IndexOf(this) : -1; }

void TcxComponentCollectionItem::NotifyChanged(bool AAllItems) {
  if (ComponentState().Contains(csDestroying) || !FCollection) return;
  FCollection->NotifyChanged(AAllItems ? nullptr : this, ItemChanged);
}

TComponent* TcxComponentCollectionItem::GetParentComponent() {
  return FCollection ? FCollection->ParentComponent() : inherited::GetParentComponent();
}

void TcxComponentCollectionItem::SetParentComponent(TComponent* Value) { AssignCollection(GetCollectionFor(Value)); }

// --- TcxComponentCollection -------------------------------------------------------------

TcxComponentCollection::TcxComponentCollection(TComponent* AParentComponent, TClass AItemClass)
    : FParentComponent(AParentComponent), FItemClass(AItemClass) {}

TcxComponentCollection::~TcxComponentCollection() {
  FUpdateCount = 1;
  FreeItems();
}

void TcxComponentCollection::FreeItems() {
  while (!FItems.empty()) {
    TcxComponentCollectionItem* item = FItems.back();
    item->Free();  // leaves the list in its destructor
    if (!FItems.empty() && FItems.back() == item) FItems.pop_back();
  }
}

TcxComponentCollectionItem* TcxComponentCollection::Items(int Index) const {
  if (Index < 0 || Index >= Count()) TList::Error(&SListIndexError, Index);
  return FItems[std::size_t(Index)];
}

int TcxComponentCollection::IndexOf(const TcxComponentCollectionItem* AItem) const {
  auto it = std::find(FItems.begin(), FItems.end(), AItem);
  return it == FItems.end() ? -1 : int(it - FItems.begin());
}

TcxComponentCollectionItem* TcxComponentCollection::AddItem() {
  TComponent* owner = FParentComponent ? FParentComponent->Owner() : nullptr;
  TObject* created = FItemClass->Create(owner);
  auto* item = dynamic_cast<TcxComponentCollectionItem*>(created);
  if (!item) {
    if (created) created->Free();
    throw EInvalidCast(L"The item class of a component collection must be a component collection item");
  }
  TScope freeOnFailure([] {}, [item] { item->Free(); });
  item->SetParentComponent(FParentComponent);
  AssignItemName(item);
  freeOnFailure.Dismiss();
  return item;
}

void TcxComponentCollection::AttachItem(TcxComponentCollectionItem* AItem) {
  if (!AItem || !AItem->InheritsFrom(FItemClass) || IndexOf(AItem) >= 0) return;
  FItems.push_back(AItem);
  AItem->FCollection = this;
  AItem->FID = FNextID++;
  NotifyItem(AItem, ItemAdded);
  NotifyChanged(AItem, ItemAdded);
}

void TcxComponentCollection::DetachItem(TcxComponentCollectionItem* AItem) {
  int index = IndexOf(AItem);
  if (index < 0) return;
  NotifyItem(AItem, ItemRemoving);
  FItems.erase(FItems.begin() + IndexOf(AItem));
  AItem->FCollection = nullptr;
  NotifyItem(AItem, ItemExtracted);
  NotifyChanged(AItem, ItemExtracted);
}

void TcxComponentCollection::MoveItem(TcxComponentCollectionItem* AItem, int AIndex) {
  int from = IndexOf(AItem);
  if (AIndex < 0 || AIndex >= Count()) TList::Error(&SListIndexError, AIndex);
  FItems.erase(FItems.begin() + from);
  FItems.insert(FItems.begin() + AIndex, AItem);
}

void TcxComponentCollection::RemoveAll() {
  if (FItems.empty()) return;
  TScope update([this] { BeginUpdate(); }, [this] { EndUpdate(); });
  FreeItems();
}

void TcxComponentCollection::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxComponentCollection*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  if (source == this) return;
  TScope update([this] { BeginUpdate(); }, [this] { EndUpdate(); });
  RemoveAll();
  for (int i = 0; i < source->Count(); ++i) AddItem()->Assign(source->Items(i));
}

void TcxComponentCollection::LockUpdates() { ++FUpdateCount; }

void TcxComponentCollection::UnlockUpdates(bool AForce) {
  if (FUpdateCount > 0) --FUpdateCount;
  if (AForce) NotifyChanged(nullptr, ItemChanged);
}

void TcxComponentCollection::NotifyChanged(TcxComponentCollectionItem* AItem,
                                           TcxComponentCollectionNotification AAction) {
  if (FUpdateCount == 0) UpdateItems(AItem, AAction);
}

void TcxComponentCollection::NotifyItem(TcxComponentCollectionItem*, TcxComponentCollectionNotification) {}

void TcxComponentCollection::AssignItemName(TcxComponentCollectionItem*) {}

void TcxComponentCollection::UpdateItems(TcxComponentCollectionItem* AItem,
                                         TcxComponentCollectionNotification AAction) {
  if (OnChange) OnChange(this, AItem, AAction);
}

// --- TcxComponentList -------------------------------------------------------------------

TcxComponentList::~TcxComponentList() { FUpdateCount = 1; }

void TcxComponentList::Notify(void* Ptr, TListNotification Action) {
  auto* component = static_cast<TComponent*>(static_cast<TObject*>(Ptr));
  if (component && component->InheritsFrom(GetAcceptedClass()))
    DoNotifyComponent(component, Action);
  else if (Action == lnAdded)
    Extract(component);
}

void TcxComponentList::DoNotifyComponent(TComponent* AComponent, TListNotification AAction) {
  inherited::Notify(static_cast<TObject*>(AComponent), AAction);
  if (OnNotify) OnNotify(this, AComponent, AAction);
  switch (AAction) {
    case lnAdded: DoChanged(AComponent, ItemAdded); break;
    case lnExtracted: DoChanged(AComponent, ItemExtracted); break;
    case lnDeleted: DoChanged(AComponent, ItemDeleted); break;
  }
}

void TcxComponentList::DoChanged(TComponent* AComponent, TcxComponentCollectionNotification AAction) {
  if (FUpdateCount == 0 && OnComponentListChanged) OnComponentListChanged(this, AComponent, AAction);
}

void TcxComponentList::UnlockUpdates() {
  if (FUpdateCount > 0) --FUpdateCount;
  DoChanged(nullptr, ItemChanged);
}

void TcxComponentList::EndUpdateNoNotify() {
  if (FUpdateCount > 0) --FUpdateCount;
}

void TcxComponentList::RemoveAll() {
  if (Count() > 0) {
    TScope update([this] { BeginUpdate(); }, [this] { EndUpdate(); });
    while (Count() > 0) Delete(0);
  }
  Clear();
}
