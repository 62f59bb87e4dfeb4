// TComponent: ownership, names, free notifications and destruction order.
#include <algorithm>

#include "Classes.h"
#include "SysUtils.h"

using vamire_detail::FormatRes;

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) AOwner->InsertComponent(this);
}

void TComponent::BeforeDestruction() {
  if (!FComponentState.Contains(csDestroying)) Destroying();
}

TComponent::~TComponent() {
  Destroying();
  // Each subscriber clears its reference; a subscriber's Notification may
  // withdraw others, so take them one at a time from the end.
  while (!FFreeNotifies.empty()) {
    TComponent* subscriber = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    std::erase(subscriber->FFreeNotifies, this);
    subscriber->Notification(this, opRemove);
  }
  DestroyComponents();
  if (FOwner) FOwner->RemoveComponent(this);
}

TComponent* TComponent::Components(int Index) const {
  if (Index < 0 || Index >= ComponentCount()) TList::Error(&SListIndexError, Index);
  return FComponents[size_t(Index)];
}

int TComponent::ComponentIndex() const {
  if (!FOwner) return -1;
  auto& list = FOwner->FComponents;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : int(it - list.begin());
}

void TComponent::SetComponentIndex(int Value) {
  if (!FOwner) return;
  const int cur = ComponentIndex();
  if (cur < 0) return;
  auto& list = FOwner->FComponents;
  Value = std::clamp(Value, 0, int(list.size()) - 1);
  if (Value == cur) return;
  list.erase(list.begin() + cur);
  list.insert(list.begin() + Value, this);
}

TComponent* TComponent::FindComponent(const String& AName) const {
  if (AName.empty()) return nullptr;
  for (TComponent* c : FComponents)
    if (SameText(c->FName, AName)) return c;
  return nullptr;
}

void TComponent::SetName(const String& NewName) {
  if (FName == NewName) return;
  if (!NewName.empty() && !IsValidIdent(NewName))
    throw EComponentError(FormatRes(&SInvalidName, {NewName}));
  if (FOwner) FOwner->ValidateRename(this, FName, NewName);
  else ValidateRename(nullptr, FName, NewName);
  ChangeName(NewName);
}

void TComponent::ChangeName(const String& NewName) { FName = NewName; }

void TComponent::ValidateRename(TComponent* AComponent, const String& CurName, const String& NewName) {
  if (AComponent && !SameText(CurName, NewName) && AComponent->FOwner == this && FindComponent(NewName))
    throw EComponentError(FormatRes(&SDuplicateName, {NewName}));
}

void TComponent::ValidateInsert(TComponent*) {}

void TComponent::ValidateContainer(TComponent* AComponent) { AComponent->ValidateInsert(this); }

void TComponent::InsertComponent(TComponent* AComponent) {
  AComponent->ValidateContainer(this);
  ValidateRename(AComponent, L"", AComponent->FName);
  // Names stay unique within an owner also for a component that arrives named.
  if (TComponent* same = FindComponent(AComponent->FName); same && same != AComponent)
    throw EComponentError(FormatRes(&SDuplicateName, {AComponent->FName}));
  Insert(AComponent);
  if (FComponentState.Contains(csDesigning)) AComponent->SetDesigning(true);
  Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  ValidateRename(AComponent, AComponent->FName, L"");
  Notification(AComponent, opRemove);
  Remove(AComponent);
}

void TComponent::Insert(TComponent* AComponent) {
  if (AComponent->FOwner) AComponent->FOwner->Remove(AComponent);
  FComponents.push_back(AComponent);
  AComponent->FOwner = this;
}

void TComponent::Remove(TComponent* AComponent) {
  AComponent->FOwner = nullptr;
  std::erase(FComponents, AComponent);
}

void TComponent::DestroyComponents() {
  // Last to first; each leaves the list before it is freed, so it does not
  // report its removal to an owner that is going away.
  while (!FComponents.empty()) {
    TComponent* instance = FComponents.back();
    Remove(instance);
    instance->Free();
  }
}

void TComponent::Destroying() {
  if (FComponentState.Contains(csDestroying)) return;
  FComponentState.Include(csDestroying);
  for (TComponent* c : FComponents) c->Destroying();
}

void TComponent::FreeNotification(TComponent* AComponent) {
  if (!AComponent || AComponent == this) return;
  // Components of one owner hear of each other through the owner already.
  if (!FOwner || AComponent->FOwner != FOwner) {
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end()) {
      FFreeNotifies.push_back(AComponent);
      AComponent->FreeNotification(this);
    }
  }
  FComponentState.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  if (!AComponent) return;
  RemoveNotification(AComponent);
  AComponent->RemoveNotification(this);
}

void TComponent::RemoveNotification(TComponent* AComponent) {
  std::erase(FFreeNotifies, AComponent);
  if (FFreeNotifies.empty()) FComponentState.Exclude(csFreeNotification);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
  // Owned components hear of it too; the list may change while they do.
  for (size_t i = 0; i < FComponents.size(); ++i) FComponents[i]->Notification(AComponent, Operation);
}

bool TComponent::HasParent() { return false; }
TComponent* TComponent::GetParentComponent() { return nullptr; }
void TComponent::SetParentComponent(TComponent*) {}
void TComponent::GetChildren(TGetChildProc, TComponent*) {}
void TComponent::SetChildOrder(TComponent*, int) {}

String TComponent::GetNamePath() { return FName; }

TPersistent* TComponent::GetOwner() { return FOwner; }

void TComponent::Loaded() { FComponentState.Exclude(csLoading); }

void TComponent::Updating() { FComponentState.Include(csUpdating); }

void TComponent::Updated() { FComponentState.Exclude(csUpdating); }

void TComponent::SetDesigning(bool Value, bool SetChildren) {
  if (Value) FComponentState.Include(csDesigning);
  else FComponentState.Exclude(csDesigning);
  if (SetChildren)
    for (TComponent* c : FComponents) c->SetDesigning(Value, true);
}

bool TComponent::GetInterface(const TGUID& iid, void** obj) {
  return InterfaceTable<IInterface>(this, iid, obj) || inherited::GetInterface(iid, obj);
}

int32_t TComponent::QueryInterface(const TGUID& iid, void** obj) {
  return GetInterface(iid, obj) ? QI_OK : QI_NOINTERFACE;
}

int32_t TComponent::_AddRef() { return -1; }

int32_t TComponent::_Release() { return -1; }
