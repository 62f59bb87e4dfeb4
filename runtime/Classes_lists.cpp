// Pointer, object, component and interface lists.
#include <algorithm>

#include "Classes.h"

// --- TList ------------------------------------------------------------------------------

TList::~TList() {
  // A descendant's Notify is gone by now; descendants that must hear of the
  // deletions clear the list in their own destructor.
  FList.clear();
}

void TList::Error(PResStringRec Msg, intptr_t Data) {
  throw EListError(vamire_detail::FormatRes(Msg, {std::to_wstring(Data)}));
}

void* TList::Get(int Index) const {
  if (Index < 0 || Index >= Count()) Error(&SListIndexError, Index);
  return FList[size_t(Index)];
}

int TList::Add(void* Item) {
  FList.push_back(Item);
  const int index = Count() - 1;
  if (Item) Notify(Item, lnAdded);
  return index;
}

void TList::Insert(int Index, void* Item) {
  if (Index < 0 || Index > Count()) Error(&SListIndexError, Index);
  FList.insert(FList.begin() + Index, Item);
  if (Item) Notify(Item, lnAdded);
}

void TList::Delete(int Index) {
  void* item = Get(Index);
  FList.erase(FList.begin() + Index);
  if (item) Notify(item, lnDeleted);
}

int TList::Remove(void* Item) {
  const int index = IndexOf(Item);
  if (index >= 0) Delete(index);
  return index;
}

void* TList::Extract(void* Item) {
  const int index = IndexOf(Item);
  if (index < 0) return nullptr;
  FList.erase(FList.begin() + index);
  Notify(Item, lnExtracted);
  return Item;
}

int TList::IndexOf(void* Item) const {
  auto it = std::find(FList.begin(), FList.end(), Item);
  return it == FList.end() ? -1 : int(it - FList.begin());
}

void TList::Exchange(int Index1, int Index2) {
  if (Index1 < 0 || Index1 >= Count()) Error(&SListIndexError, Index1);
  if (Index2 < 0 || Index2 >= Count()) Error(&SListIndexError, Index2);
  std::swap(FList[size_t(Index1)], FList[size_t(Index2)]);
}

void TList::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  if (NewIndex < 0 || NewIndex >= Count()) Error(&SListIndexError, NewIndex);
  void* item = Get(CurIndex);
  FList.erase(FList.begin() + CurIndex);
  FList.insert(FList.begin() + NewIndex, item);
}

void TList::Pack() { std::erase(FList, nullptr); }

void TList::Sort(TListSortCompare Compare) {
  RuntimeQuickSort(
      0, Count() - 1, [&](int i, int p) { return Compare(FList[size_t(i)], FList[size_t(p)]); },
      [&](int i, int j) { std::swap(FList[size_t(i)], FList[size_t(j)]); });
}

void TList::Clear() {
  SetCount(0);
  FList.shrink_to_fit();
}

void TList::SetCount(int NewCount) {
  if (NewCount < 0) Error(&SListCountError, NewCount);
  if (NewCount > Count()) {
    FList.resize(size_t(NewCount), nullptr);
    return;
  }
  while (Count() > NewCount) Delete(Count() - 1);
}

void TList::SetCapacity(int NewCapacity) {
  if (NewCapacity < Count()) Error(&SListCapacityError, NewCapacity);
  if (NewCapacity > Capacity()) FList.reserve(size_t(NewCapacity));
}

void TList::SetItems(int Index, void* Item) {
  void* old = Get(Index);
  if (old == Item) return;
  FList[size_t(Index)] = Item;
  if (old) Notify(old, lnDeleted);
  if (Item) Notify(Item, lnAdded);
}

void TList::Notify(void*, TListNotification) {}

// --- TObjectList ------------------------------------------------------------------------

TObjectList::~TObjectList() { Clear(); }

void TObjectList::Notify(void* Ptr, TListNotification Action) {
  if (FOwnsObjects && Action == lnDeleted) static_cast<TObject*>(Ptr)->Free();
  inherited::Notify(Ptr, Action);
}

// --- TComponentList ---------------------------------------------------------------------

// The hidden component that listed components notify when they are freed.
class TComponentList::TNexus : public TComponent {
 public:
  explicit TNexus(TComponentList* list) : TComponent(nullptr), FList(list) {}

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    if (Operation == opRemove && FList) FList->HandleFreeNotify(this, AComponent);
    TComponent::Notification(AComponent, Operation);
  }

 private:
  TComponentList* FList;
};

TComponentList::~TComponentList() {
  Clear();
  if (FNexus) FNexus->Free();
}

void TComponentList::Notify(void* Ptr, TListNotification Action) {
  if (!FNexus) FNexus = new TNexus(this);
  auto* component = static_cast<TComponent*>(static_cast<TObject*>(Ptr));
  switch (Action) {
    case lnAdded:
      if (component) component->FreeNotification(FNexus);
      break;
    case lnExtracted:
    case lnDeleted:
      // A component listed twice keeps its notification until its last entry goes.
      if (component && IndexOf(component) < 0) component->RemoveFreeNotification(FNexus);
      break;
  }
  inherited::Notify(Ptr, Action);
}

void TComponentList::HandleFreeNotify(TObject*, TComponent* AComponent) {
  while (IndexOf(AComponent) >= 0) Extract(AComponent);
}

// --- TInterfaceList ---------------------------------------------------------------------

TInterfaceList::~TInterfaceList() { Clear(); }

IInterface* TInterfaceList::Items(int Index) const {
  if (Index < 0 || Index >= Count()) TList::Error(&SListIndexError, Index);
  return FList[size_t(Index)];
}

int TInterfaceList::Add(IInterface* Item) {
  if (Item) Item->_AddRef();
  FList.push_back(Item);
  return Count() - 1;
}

void TInterfaceList::Insert(int Index, IInterface* Item) {
  if (Index < 0 || Index > Count()) TList::Error(&SListIndexError, Index);
  if (Item) Item->_AddRef();
  FList.insert(FList.begin() + Index, Item);
}

void TInterfaceList::Delete(int Index) {
  IInterface* item = Items(Index);
  FList.erase(FList.begin() + Index);
  if (item) item->_Release();
}

int TInterfaceList::Remove(IInterface* Item) {
  const int index = IndexOf(Item);
  if (index >= 0) Delete(index);
  return index;
}

int TInterfaceList::IndexOf(IInterface* Item) const {
  auto it = std::find(FList.begin(), FList.end(), Item);
  return it == FList.end() ? -1 : int(it - FList.begin());
}

void TInterfaceList::Exchange(int Index1, int Index2) {
  Items(Index1);
  Items(Index2);
  std::swap(FList[size_t(Index1)], FList[size_t(Index2)]);
}

void TInterfaceList::Clear() {
  while (!FList.empty()) Delete(Count() - 1);
}

void TInterfaceList::SetItems(int Index, IInterface* Item) {
  IInterface* old = Items(Index);
  if (Item) Item->_AddRef();
  FList[size_t(Index)] = Item;
  if (old) old->_Release();
}
