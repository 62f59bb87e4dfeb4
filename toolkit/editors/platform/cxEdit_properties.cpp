// The properties object, its alignments, assigned values and default-values provider.
#include <algorithm>

#include "cxEdit_win.h"

namespace {

std::vector<TcxCustomEditProperties*>* GLiveProperties = nullptr;

}  // namespace

const std::vector<TcxCustomEditProperties*>& LivePropertiesList() {
  static const std::vector<TcxCustomEditProperties*> none;
  return GLiveProperties ? *GLiveProperties : none;
}

void cxEditProperties_CreateLiveList() {
  if (!GLiveProperties) GLiveProperties = new std::vector<TcxCustomEditProperties*>();
}

void cxEditProperties_FreeLiveList() {
  delete GLiveProperties;
  GLiveProperties = nullptr;
}

// --- Provider -------------------------------------------------------------------------------
TcxCustomEditDefaultValuesProvider::~TcxCustomEditDefaultValuesProvider() { ClearUsages(); }

bool TcxCustomEditDefaultValuesProvider::GetInterface(const TGUID& iid, void** obj) {
  return InterfaceTable<IcxEditDefaultValuesProvider>(this, iid, obj) || TcxIUnknownObject::GetInterface(iid, obj);
}

void TcxCustomEditDefaultValuesProvider::ClearUsages() {
  // A properties object told here may detach itself: walk a copy.
  const std::vector<TcxCustomEditProperties*> live = LivePropertiesList();
  for (TcxCustomEditProperties* p : live)
    if (p->DefaultValuesProvider() && p->DefaultValuesProvider()->ProviderSelf() == ProviderSelf())
      p->DefaultValuesProviderDestroyed();
}

// --- Alignment ------------------------------------------------------------------------------
void TcxEditAlignment::DoChanged() {
  if (OnChanged) OnChanged(this);
}

void TcxEditAlignment::SetHorz(TAlignment Value) {
  if (FIsHorzAssigned && FHorz == Value) return;
  FHorz = Value;
  FIsHorzAssigned = true;
  DoChanged();
}

void TcxEditAlignment::SetVert(TcxEditVertAlignment Value) {
  if (FVert == Value) return;
  FVert = Value;
  DoChanged();
}

void TcxEditAlignment::Reset() {
  FIsHorzAssigned = false;
  DoChanged();
}

void TcxEditAlignment::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TcxEditAlignment*>(Source)) {
    FVert = source->FVert;
    FHorz = source->FHorz;
    FIsHorzAssigned = source->FIsHorzAssigned;
    DoChanged();
    return;
  }
  inherited::Assign(Source);
}

// --- Assigned values ------------------------------------------------------------------------
TPersistent* TcxCustomEditPropertiesValues::GetOwner() { return FOwner; }

void TcxCustomEditPropertiesValues::SetFlag(bool& AFlag, bool Value) {
  if (AFlag == Value) return;
  AFlag = Value;
  if (FOwner) FOwner->Changed();
}

void TcxCustomEditPropertiesValues::ClearAssignedFlags() {
  if (FOwner) FOwner->BeginUpdate();
  SetMaxValue(false);
  SetMinValue(false);
  SetReadOnly(false);
  if (FOwner) FOwner->EndUpdate();
}

void TcxCustomEditPropertiesValues::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TcxCustomEditPropertiesValues*>(Source)) {
    if (FOwner) FOwner->BeginUpdate();
    SetMaxValue(source->FMaxValue);
    SetMinValue(source->FMinValue);
    SetReadOnly(source->FReadOnly);
    if (FOwner) FOwner->EndUpdate();
    return;
  }
  inherited::Assign(Source);
}

// --- Properties -----------------------------------------------------------------------------
TcxCustomEditProperties::TcxCustomEditProperties(TPersistent* AOwner)
    : TcxCustomEditProperties(AOwner, StaticClass()) {}

TcxCustomEditProperties::TcxCustomEditProperties(TPersistent* AOwner, TClass AKind)
    : TcxInterfacedPersistent(AOwner), FOwner(AOwner) {
  if (GLiveProperties) GLiveProperties->push_back(this);
  FFreeNotificator = new TcxFreeNotificator(nullptr);
  FFreeNotificator->OnFreeNotification = TcxFreeNotificationEvent(this, &TcxCustomEditProperties::FreeNotification);
  FAlignment = new TcxEditAlignment(this);
  FAlignment->OnChanged = TNotifyEvent(this, &TcxCustomEditProperties::AlignmentChanged);
  TcxCustomEditPropertiesClass info = ClassInfoOf(AKind);
  TClass valuesClass = info ? info->GetAssignedValuesClass() : GetAssignedValuesClass();
  FAssignedValues = static_cast<TcxCustomEditPropertiesValues*>(valuesClass->Create(this));
  TClass buttonsClass = info ? info->GetButtonsClass() : GetButtonsClass();
  FButtons = static_cast<TcxEditButtons*>(buttonsClass->Create(this));
  FButtons->OnChange = TNotifyEvent(this, &TcxCustomEditProperties::ButtonsChanged);
  FUseLeftAlignmentOnEditing = DefaultUseLeftAlignmentOnEditing();
  FInnerAlignment = new TcxEditAlignment(this);
}

TcxCustomEditProperties::~TcxCustomEditProperties() {
  FProvider = nullptr;
  delete FButtons;
  delete FInnerAlignment;
  delete FAssignedValues;
  delete FAlignment;
  delete FFreeNotificator;
  if (GLiveProperties) std::erase(*GLiveProperties, this);
}

TcxCustomEditProperties* TcxCustomEditProperties::CreateSameClass() const {
  return static_cast<TcxCustomEditProperties*>(ClassType()->Create(nullptr));
}

void TcxCustomEditProperties::BeginUpdate() {
  if (FUpdateCount == 0) FChangePending = false;
  ++FUpdateCount;
}

void TcxCustomEditProperties::EndUpdate(bool AInvoke) {
  if (FUpdateCount == 0) return;
  if (--FUpdateCount == 0 && AInvoke && FChangePending) Changed();
}

bool TcxCustomEditProperties::IsOwnerDestroying() const {
  auto* component = dynamic_cast<TComponent*>(FOwner);
  return component && component->ComponentState().Contains(csDestroying);
}

void TcxCustomEditProperties::Changed() {
  if (!IsChangeLocked() && !IsOwnerDestroying()) {
    FChangePending = false;
    FirePropertiesChanged();
  } else {
    FChangePending = true;
  }
}

void TcxCustomEditProperties::FirePropertiesChanged() {
  if (!OnPropertiesChanged) return;
  ++FFiringCount;
  try {
    OnPropertiesChanged(this);
  } catch (...) {
    --FFiringCount;
    throw;
  }
  --FFiringCount;
}

void TcxCustomEditProperties::AlignmentChanged(TObject*) {
  FInnerAlignment->FHorz = FAlignment->FHorz;
  FInnerAlignment->FIsHorzAssigned = FAlignment->FIsHorzAssigned;
  FInnerAlignment->FVert = FAlignment->FVert;
  Changed();
}

void TcxCustomEditProperties::SetAlignment(TcxEditAlignment* Value) {
  FInnerAlignment->FHorz = Value->FHorz;
  FInnerAlignment->FIsHorzAssigned = Value->FIsHorzAssigned;
  FInnerAlignment->FVert = Value->FVert;
  Changed();
}

TcxEditAlignment* TcxCustomEditProperties::Alignment() {
  // Refreshed quietly from the inner alignment; writes through it report.
  FAlignment->OnChanged = nullptr;
  FAlignment->FHorz = FInnerAlignment->FHorz;
  FAlignment->FIsHorzAssigned = FInnerAlignment->FIsHorzAssigned;
  FAlignment->FVert = FInnerAlignment->FVert;
  if (!FAlignment->FIsHorzAssigned) FAlignment->FHorz = GetDefaultHorzAlignment();
  FAlignment->OnChanged = TNotifyEvent(this, &TcxCustomEditProperties::AlignmentChanged);
  return FAlignment;
}

bool TcxCustomEditProperties::IsAlignmentStored() const {
  return FInnerAlignment->FIsHorzAssigned || FInnerAlignment->FVert != taTopJustify;
}

void TcxCustomEditProperties::ButtonsChanged(TObject*) { Changed(); }

void TcxCustomEditProperties::DefaultValuesProviderDestroyed() { FProvider = nullptr; }

TAlignment TcxCustomEditProperties::GetDefaultHorzAlignment() {
  return FProvider ? FProvider->DefaultAlignment() : FInnerAlignment->Horz();
}

double TcxCustomEditProperties::GetMaxValue() const {
  if (FAssignedValues->MaxValue()) return FMaxValue;
  return FProvider ? FProvider->DefaultMaxValue() : 0.0;
}

double TcxCustomEditProperties::GetMinValue() const {
  if (FAssignedValues->MinValue()) return FMinValue;
  return FProvider ? FProvider->DefaultMinValue() : 0.0;
}

bool TcxCustomEditProperties::GetReadOnly() const {
  if (FAssignedValues->ReadOnly()) return FReadOnly;
  return FProvider ? FProvider->DefaultReadOnly() : false;
}

void TcxCustomEditProperties::SetMaxValue(double Value) {
  if (FAssignedValues->MaxValue() && FMaxValue == Value) return;
  BeginUpdate();
  FMaxValue = Value;
  FAssignedValues->SetMaxValue(true);
  Changed();
  EndUpdate();
}

void TcxCustomEditProperties::SetMinValue(double Value) {
  if (FAssignedValues->MinValue() && FMinValue == Value) return;
  BeginUpdate();
  FMinValue = Value;
  FAssignedValues->SetMinValue(true);
  Changed();
  EndUpdate();
}

void TcxCustomEditProperties::SetReadOnly(bool Value) {
  if (FAssignedValues->ReadOnly() && FReadOnly == Value) return;
  BeginUpdate();
  FReadOnly = Value;
  FAssignedValues->SetReadOnly(true);
  Changed();
  EndUpdate();
}

void TcxCustomEditProperties::SetDefaultValuesProvider(IcxEditDefaultValuesProvider* Value) {
  FProvider = Value;
  if (dynamic_cast<TcxContainer*>(FOwner)) Changed();
}

String TcxCustomEditProperties::GetValidationErrorText() { return ResolveResourceString(&cxSEditValidateErrorText); }

bool TcxCustomEditProperties::IsDisplayFormatDefinedByData(bool AEditing) {
  if (AEditing || !IsDisplayFormatUsed() || !FProvider) return false;
  return FProvider->IsDisplayFormatDefined(false);
}

bool TcxCustomEditProperties::CompareDisplayValues(const Variant& V1, const Variant& V2) {
  Variant d1, d2;
  PrepareDisplayValue(V1, d1, false);
  PrepareDisplayValue(V2, d2, false);
  return d1 == d2;
}

TcxCustomEditViewData* TcxCustomEditProperties::CreateViewData(TcxContainerStyle* AStyle, bool AIsHosted, bool) {
  TcxCustomEditPropertiesClass info = ClassInfoOf(ClassType());
  TClass viewDataClass = info ? info->GetViewDataClass() : GetViewDataClass();
  if (viewDataClass == TcxCustomEditViewData::StaticClass()) return new TcxCustomEditViewData(this, AStyle, AIsHosted);
  throw EcxEditError(L"The editor kind makes its own view data");
}

unsigned TcxCustomEditProperties::GetEditCapabilities() { return FButtons->Count() > 0 ? 32u : 0u; }

void TcxCustomEditProperties::PrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue, bool) {
  DisplayValue = AEditValue;
}

void TcxCustomEditProperties::RestoreDefaults() {
  FInnerAlignment->FIsHorzAssigned = false;
  BeginUpdate();
  FAssignedValues->ClearAssignedFlags();
  EndUpdate(true);
}

void TcxCustomEditProperties::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCustomEditProperties*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  BeginUpdate();
  try {
    SetAutoSelect(source->AutoSelect());
    FButtons->Assign(source->Buttons());
    SetButtonsViewStyle(source->ButtonsViewStyle());
    FBeepOnError = source->FBeepOnError;
    FClearKey = source->FClearKey;
    FClickKey = source->FClickKey;
    FUseLeftAlignmentOnEditing = source->FUseLeftAlignmentOnEditing;
    FProvider = source->FProvider;
    SetAlignment(source->Alignment());
    FAssignedValues->SetMaxValue(false);
    if (source->FAssignedValues->MaxValue()) SetMaxValue(source->FMaxValue);
    FAssignedValues->SetMinValue(false);
    if (source->FAssignedValues->MinValue()) SetMinValue(source->FMinValue);
    FAssignedValues->SetReadOnly(false);
    if (source->FAssignedValues->ReadOnly()) SetReadOnly(source->FReadOnly);
    FImmediatePost = source->FImmediatePost;
    SetTransparent(source->Transparent());
    FUseMouseWheel = source->FUseMouseWheel;
    FValidateOnEnter = source->FValidateOnEnter;
    OnButtonClick = source->OnButtonClick;
    OnChange = source->OnChange;
    OnEditValueChanged = source->OnEditValueChanged;
    OnValidate = source->OnValidate;
    AssignExtraData(source);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}
