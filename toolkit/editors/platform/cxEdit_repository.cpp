// The edit repository, the plain data binding, per-host edit data and the
// registries of properties classes and filter helpers.
#include <algorithm>

#include "cxEdit_win.h"

// --- Repository -----------------------------------------------------------------------------
TcxEditRepositoryItem::TcxEditRepositoryItem(TComponent* AOwner) : TComponent(AOwner) { CreateProperties(); }

void TcxEditRepositoryItem::CreateProperties() {
  delete FProperties;
  FProperties = static_cast<TcxCustomEditProperties*>(EditPropertiesClass()->Create(this));
  FProperties->OnPropertiesChanged = TNotifyEvent(this, &TcxEditRepositoryItem::PropertiesChanged);
}

TcxEditRepositoryItem::~TcxEditRepositoryItem() {
  // Each listener drops its reference; one may leave the list while told.
  const std::vector<IcxEditItemListener*> listeners = FListeners;
  for (auto it = listeners.rbegin(); it != listeners.rend(); ++it)
    if (std::find(FListeners.begin(), FListeners.end(), *it) != FListeners.end()) (*it)->ItemRemoved(this);
  SetRepository(nullptr);
  delete FProperties;
}

void TcxEditRepositoryItem::PropertiesChanged(TObject*) {
  const std::vector<IcxEditItemListener*> listeners = FListeners;
  for (auto it = listeners.rbegin(); it != listeners.rend(); ++it)
    if (std::find(FListeners.begin(), FListeners.end(), *it) != FListeners.end()) (*it)->PropertiesChanged(this);
}

void TcxEditRepositoryItem::AddListener(IcxEditItemListener* AListener) {
  if (AListener && std::find(FListeners.begin(), FListeners.end(), AListener) == FListeners.end())
    FListeners.push_back(AListener);
}

void TcxEditRepositoryItem::RemoveListener(IcxEditItemListener* AListener) { std::erase(FListeners, AListener); }

String TcxEditRepositoryItem::GetBaseName() const {
  static const String prefix = L"TcxEditRepository";
  const String& name = ClassType()->ClassName();
  const auto at = name.find(prefix);
  const String rest = at == String::npos ? String() : name.substr(at + prefix.size());
  return (FRepository ? FRepository->Name() : String()) + rest;
}

void TcxEditRepositoryItem::SetRepository(TcxEditRepository* Value) {
  if (FRepository == Value) return;
  if (FRepository) std::erase(FRepository->FItems, this);
  FRepository = Value;
  if (FRepository && std::find(FRepository->FItems.begin(), FRepository->FItems.end(), this) ==
                         FRepository->FItems.end())
    FRepository->FItems.push_back(this);
}

TComponent* TcxEditRepositoryItem::GetParentComponent() { return FRepository; }

void TcxEditRepositoryItem::SetParentComponent(TComponent* Value) {
  if (ComponentState().Contains(csLoading)) return;
  SetRepository(dynamic_cast<TcxEditRepository*>(Value));
}

TcxEditRepository::~TcxEditRepository() {
  while (!FItems.empty()) {
    TcxEditRepositoryItem* item = FItems.back();
    item->SetRepository(nullptr);
    delete item;
  }
}

TcxEditRepositoryItem* TcxEditRepository::CreateItem(TClass AItemClass) { return CreateItemEx(AItemClass, this); }

TcxEditRepositoryItem* TcxEditRepository::CreateItemEx(TClass AItemClass, TComponent* AOwner) {
  if (!AItemClass || !AItemClass->InheritsFrom(TcxEditRepositoryItem::StaticClass()))
    throw EcxEditError(L"Not a repository item class");
  auto* item = static_cast<TcxEditRepositoryItem*>(AItemClass->Create(AOwner));
  item->SetRepository(this);
  return item;
}

void TcxEditRepository::RemoveItem(TcxEditRepositoryItem* AItem) {
  if (AItem && AItem->Repository() == this) AItem->SetRepository(nullptr);
}

void TcxEditRepository::GetChildren(TGetChildProc Proc, TComponent* Root) {
  for (TcxEditRepositoryItem* item : FItems)
    if (item->Owner() == Root) Proc(item);
}

// --- Data binding and edit data -------------------------------------------------------------
TcxEditDataBinding::TcxEditDataBinding(TObject* AEdit)
    : FEdit(AEdit), FProvider(static_cast<TcxCustomEditDefaultValuesProvider*>(
                        GetDefaultValuesProviderClass()->Create(nullptr))) {}

TcxEditDataBinding::~TcxEditDataBinding() { delete FProvider; }

TcxCustomEditData::TcxCustomEditData(TComponent* AEdit) : FEdit(AEdit) {
  FNotificator = new TcxFreeNotificator(nullptr);
  FNotificator->OnFreeNotification = TcxFreeNotificationEvent(this, &TcxCustomEditData::EditFreed);
  if (AEdit) FNotificator->AddSender(AEdit);
}

TcxCustomEditData::~TcxCustomEditData() { delete FNotificator; }

void TcxCustomEditData::EditFreed(TComponent* Sender) {
  if (Sender == FEdit) FEdit = nullptr;
}

// --- Registries -----------------------------------------------------------------------------
namespace {
TcxRegisteredClasses* GEditProperties = nullptr;
TcxFilterEditsController* GFilterEdits = nullptr;
}  // namespace

TcxRegisteredClasses* EditPropertiesRegistry() {
  if (!GEditProperties && !IsFinalizing()) {
    GEditProperties = new TcxRegisteredClasses(false);
    GEditProperties->SetSorted(true);
  }
  return GEditProperties;
}

void cxEditRegistries_Free() {
  delete GEditProperties;
  GEditProperties = nullptr;
  delete GFilterEdits;
  GFilterEdits = nullptr;
}

TcxFilterEditsController* GetFilterEditsController() {
  if (!GFilterEdits && !IsFinalizing()) GFilterEdits = new TcxFilterEditsController();
  return GFilterEdits;
}

void TcxFilterEditsController::Register(TClass APropertiesClass, TClass AHelperClass) {
  // Under the parent, so the kind's siblings and its parent's other descendants find it too.
  TClass key = APropertiesClass->ClassParent() ? APropertiesClass->ClassParent() : APropertiesClass;
  AddRegistration(key, AHelperClass);
}

void TcxFilterEditsController::Unregister(TClass APropertiesClass, TClass AHelperClass) {
  TClass key = APropertiesClass->ClassParent() ? APropertiesClass->ClassParent() : APropertiesClass;
  RemoveRegistration(key, AHelperClass);
  if (Count() == 0 && this == GFilterEdits) {
    GFilterEdits = nullptr;
    delete this;
  }
}

TcxCustomFilterEditHelperClass TcxFilterEditsController::FindHelper(TClass APropertiesClass) const {
  return dynamic_cast<TcxCustomFilterEditHelperClass>(FindRegisteredClass(APropertiesClass));
}

void TcxCustomFilterEditHelper::ClearEditEvents(TcxCustomEditProperties* AProperties) {
  if (!AProperties) return;
  AProperties->OnButtonClick = nullptr;
  AProperties->OnChange = nullptr;
  AProperties->OnEditValueChanged = nullptr;
  AProperties->OnValidate = nullptr;
}

void TcxCustomFilterEditHelper::GetAllowedOperators(TcxCustomEditProperties*, bool AHasValueType, bool AIsString,
                                                    uint64_t& AOperators, bool AExtended) {
  AOperators = AExtended ? 32766 : 2046;
  if (!(AHasValueType && AIsString)) AOperators &= ~((uint64_t(1) << 7) | (uint64_t(1) << 8));
}

void TcxCustomFilterEditHelper::InitializeFilterEdit(TcxCustomFilterEditHelperClass AHelper, TcxCustomEdit* AEdit,
                                                     TcxCustomEditProperties* ASource) {
  AHelper->PreparePropertiesForFilter(AEdit->ActiveProperties(), ASource, AHelper->KeepsEditButtons());
}

void TcxCustomFilterEditHelper::GetFilterValue(TcxCustomEdit* AEdit, TcxCustomEditProperties* AProperties,
                                               String& ADisplayText, Variant& AValue) {
  AValue = AEdit->CopyEditValue();
  ADisplayText = AProperties->GetDisplayText(AValue, true);
}

bool TcxCustomFilterEditHelper::AcceptsValue(TcxValueTypeClass AValueType, const Variant& AValue) {
  if (!AValueType) return true;
  Variant copy = AValue;
  return AValueType->CoerceVariant(copy);
}

void TcxCustomFilterEditHelper::PreparePropertiesForFilter(TcxCustomFilterEditHelperClass AHelper,
                                                           TcxCustomEditProperties* AProperties,
                                                           TcxCustomEditProperties* ASource, bool AKeepButtons) {
  AProperties->BeginUpdate();
  try {
    AProperties->Assign(ASource);
    TcxEditAlignment* alignment = AProperties->Alignment();
    alignment->SetHorz(taLeftJustify);
    alignment->SetVert(taTopJustify);
    AProperties->SetBeepOnError(false);
    if (!AKeepButtons) AProperties->Buttons()->Clear();
    AProperties->SetReadOnly(false);
    AProperties->SetValidateOnEnter(true);
    if (!AHelper->KeepsDefaultValuesProvider(ASource)) AProperties->SetDefaultValuesProvider(nullptr);
    AHelper->ClearEditEvents(AProperties);
  } catch (...) {
    AProperties->EndUpdate();
    throw;
  }
  AProperties->EndUpdate();
}
