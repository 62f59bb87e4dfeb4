// The text editors' settings object and its assigned values.
#include "DateTime.h"
#include "Streaming.h"
#include "cxEdit_control_win.h"
#include "cxTextEdit_win.h"
#include "cxTextEditLookup_win.h"

// --- Assigned values ------------------------------------------------------------------------
TcxCustomTextEditProperties* TcxTextEditPropertiesValues::TextOwner() const {
  return dynamic_cast<TcxCustomTextEditProperties*>(Properties());
}

void TcxTextEditPropertiesValues::SetDisplayFormat(bool Value) {
  if (FDisplayFormat == Value) return;
  FDisplayFormat = Value;
  if (Properties()) Properties()->Changed();
}

void TcxTextEditPropertiesValues::SetEditFormat(bool Value) {
  if (FEditFormat == Value) return;
  FEditFormat = Value;
  if (Properties()) Properties()->Changed();
}

void TcxTextEditPropertiesValues::SetMaxLength(bool Value) {
  if (FMaxLength == Value) return;
  FMaxLength = Value;
  if (TcxCustomTextEditProperties* owner = TextOwner()) owner->MaxLengthChanged();
}

void TcxTextEditPropertiesValues::ClearAssignedFlags() {
  if (Properties()) Properties()->BeginUpdate();
  inherited::ClearAssignedFlags();
  SetDisplayFormat(false);
  SetEditFormat(false);
  SetMaxLength(false);
  if (Properties()) Properties()->EndUpdate();
}

void TcxTextEditPropertiesValues::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TcxTextEditPropertiesValues*>(Source)) {
    if (Properties()) Properties()->BeginUpdate();
    try {
      inherited::Assign(Source);
      SetDisplayFormat(source->FDisplayFormat);
      SetEditFormat(source->FEditFormat);
      SetMaxLength(source->FMaxLength);
    } catch (...) {
      if (Properties()) Properties()->EndUpdate();
      throw;
    }
    if (Properties()) Properties()->EndUpdate();
    return;
  }
  inherited::Assign(Source);
}

bool TcxTextEditPropertiesValues::IsFlagStored(bool AFlag, bool AOwnerValueEmpty, const wchar_t* AName) const {
  TcxCustomEditProperties* owner = Properties();
  return AFlag && owner && AOwnerValueEmpty && FindPublished(owner->ClassType(), AName) != nullptr;
}

bool TcxTextEditPropertiesValues::IsDisplayFormatStored() const {
  TcxCustomTextEditProperties* owner = TextOwner();
  return IsFlagStored(FDisplayFormat, owner && owner->DisplayFormat().empty(), L"DisplayFormat");
}

bool TcxTextEditPropertiesValues::IsEditFormatStored() const {
  TcxCustomTextEditProperties* owner = TextOwner();
  return IsFlagStored(FEditFormat, owner && owner->EditFormat().empty(), L"EditFormat");
}

bool TcxTextEditPropertiesValues::IsMaxValueStored() const {
  return IsFlagStored(MaxValue(), Properties() && Properties()->MaxValue() == 0, L"MaxValue");
}

bool TcxTextEditPropertiesValues::IsMinValueStored() const {
  return IsFlagStored(MinValue(), Properties() && Properties()->MinValue() == 0, L"MinValue");
}

// --- Properties -----------------------------------------------------------------------------
TcxCustomTextEditProperties::TcxCustomTextEditProperties(TPersistent* AOwner, TClass AKind)
    : TcxCustomEditProperties(AOwner, AKind) {
  FLookupItems = new TStringList();
  FLookupItems->SetDuplicates(dupAccept);
  FLookupItems->OnChange = TNotifyEvent(this, &TcxCustomTextEditProperties::LookupItemsChanged);
  if (TcxFormatController* formats = GetFormatController()) formats->AddListener(this);
}

TcxCustomTextEditProperties::~TcxCustomTextEditProperties() {
  if (TcxFormatController* formats = GetFormatController()) formats->RemoveListener(this);
  FLookupItems->OnChange = nullptr;
  delete FLookupItems;
}

bool TcxCustomTextEditProperties::GetInterface(const TGUID& iid, void** obj) {
  return InterfaceTable<IcxFormatControllerListener>(this, iid, obj) || inherited::GetInterface(iid, obj);
}

void TcxCustomTextEditProperties::LookupItemsChanged(TObject*) { Changed(); }

void TcxCustomTextEditProperties::SetCharCase(TEditCharCase Value) { SetField(FCharCase, Value); }

void TcxCustomTextEditProperties::SetLookupItems(TStringList* Value) { FLookupItems->Assign(Value); }

bool TcxCustomTextEditProperties::LookupItemsSorted() const { return FLookupItems->Sorted(); }

void TcxCustomTextEditProperties::SetLookupItemsSorted(bool Value) { FLookupItems->SetSorted(Value); }

int TcxCustomTextEditProperties::GetDefaultMaxLength() const {
  return DefaultValuesProvider() ? DefaultValuesProvider()->DefaultMaxLength() : 0;
}

int TcxCustomTextEditProperties::MaxLength() const {
  return AssignedValues()->MaxLength() ? FMaxLength : GetDefaultMaxLength();
}

void TcxCustomTextEditProperties::SetMaxLength(int Value) {
  Value = NormalizeMaxLength(Value);
  if (AssignedValues()->MaxLength() && FMaxLength == Value) return;
  BeginUpdate();
  FMaxLength = Value;
  // Setting the flag reports through MaxLengthChanged; an already set flag does not.
  if (AssignedValues()->MaxLength())
    MaxLengthChanged();
  else
    AssignedValues()->SetMaxLength(true);
  EndUpdate();
}

void TcxCustomTextEditProperties::SetDisplayFormat(const String& Value) {
  if (AssignedValues()->DisplayFormat() && FDisplayFormat == Value) return;
  BeginUpdate();
  AssignedValues()->SetDisplayFormat(true);
  FDisplayFormat = Value;
  Changed();
  EndUpdate();
}

void TcxCustomTextEditProperties::SetEditFormat(const String& Value) {
  if (AssignedValues()->EditFormat() && FEditFormat == Value) return;
  BeginUpdate();
  AssignedValues()->SetEditFormat(true);
  FEditFormat = Value;
  Changed();
  EndUpdate();
}

void TcxCustomTextEditProperties::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty(L"IsDisplayFormatAssigned",
                        TReaderProc(this, &TcxCustomTextEditProperties::ReadIsDisplayFormatAssigned), nullptr, false);
}

void TcxCustomTextEditProperties::ReadIsDisplayFormatAssigned(TReader* Reader) {
  AssignedValues()->SetDisplayFormat(Reader->ReadBoolean());
}

void TcxCustomTextEditProperties::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCustomTextEditProperties*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  BeginUpdate();
  try {
    inherited::Assign(Source);
    SetCharCase(source->FCharCase);
    SetEchoMode(source->FEchoMode);
    SetNoTextEditing(source->FNoTextEditing);
    SetHideSelection(source->FHideSelection);
    FImmediateUpdateText = source->FImmediateUpdateText;
    SetIncrementalSearch(source->FIncrementalSearch);
    FValidChars = source->FValidChars;
    // Sorting off while copying keeps the source's order, then its own setting.
    FLookupItems->SetSorted(false);
    FLookupItems->Assign(source->FLookupItems);
    FLookupItems->SetSorted(source->LookupItemsSorted());
    AssignedValues()->SetDisplayFormat(false);
    if (source->AssignedValues()->DisplayFormat()) SetDisplayFormat(source->FDisplayFormat);
    AssignedValues()->SetEditFormat(false);
    if (source->AssignedValues()->EditFormat()) SetEditFormat(source->FEditFormat);
    AssignedValues()->SetMaxLength(false);
    if (source->AssignedValues()->MaxLength()) SetMaxLength(source->FMaxLength);
    SetOEMConvert(source->FOEMConvert);
    SetImeMode(source->FImeMode);
    SetImeName(source->FImeName);
    SetPasswordChar(source->FPasswordChar);
    SetUseDisplayFormatWhenEditing(source->FUseDisplayFormatWhenEditing);
    OnNewLookupDisplayText = source->OnNewLookupDisplayText;
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TcxCustomTextEditProperties::AlignmentChanged(TObject* Sender) {
  BeginUpdate();
  try {
    inherited::AlignmentChanged(Sender);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TcxCustomTextEditProperties::SetAlignment(TcxEditAlignment* Value) {
  BeginUpdate();
  try {
    inherited::SetAlignment(Value);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TcxCustomTextEditProperties::FormatChanged() {
  FFormatChanging = true;
  try {
    Changed();
  } catch (...) {
    FFormatChanging = false;
    throw;
  }
  FFormatChanging = false;
}

namespace {

TcxValueBounds BoundsOf(TcxCustomTextEditProperties* P) {
  TcxValueBounds b;
  b.MinAssigned = P->AssignedValues()->MinValue();
  b.MaxAssigned = P->AssignedValues()->MaxValue();
  b.Min = P->GetMinValue();
  b.Max = P->GetMaxValue();
  return b;
}

std::vector<String> ItemsOf(TStringList* AList) {
  std::vector<String> items;
  items.reserve(size_t(AList->Count()));
  for (int i = 0; i < AList->Count(); ++i) items.push_back(AList->Strings(i));
  return items;
}

}  // namespace

bool TcxCustomTextEditProperties::HasValueBound(int AKind) { return ::HasValueBound(AKind, BoundsOf(this)); }

bool TcxCustomTextEditProperties::HasValueBounds() {
  return HasValueBound(cxLowerBound) || HasValueBound(cxUpperBound);
}

void TcxCustomTextEditProperties::CheckValueBounds(const Variant& AEditValue, String& AErrorText, bool& AError) {
  if (!IsValueOutOfBounds(AEditValue, BoundsOf(this))) return;
  AError = true;
  AErrorText = GetValidationErrorText(1);
}

// A number outside the bounds in force is refused before OnValidate, which may still mend it.
bool TcxCustomTextEditProperties::ValidateDisplayValue(Variant& ADisplayValue, String& AErrorText, bool& AError,
                                                       TcxCustomEdit* AEdit) {
  if (IsEditValueNumeric() && HasValueBounds()) {
    Variant editValue;
    AEdit->DisplayToEditValue(ADisplayValue, editValue, AEdit->Focused());
    CheckValueBounds(editValue, AErrorText, AError);
  }
  return TcxCustomEditProperties::ValidateDisplayValue(ADisplayValue, AErrorText, AError, AEdit);
}

String TcxCustomTextEditProperties::GetValidationErrorText(int AKind) {
  if (AKind == 1) return ResolveResourceString(&cxSEditValueOutOfBounds);
  return GetValidationErrorText();
}

bool TcxCustomTextEditProperties::IsLookupItemText(const String& AText) {
  return ::IsLookupItemText(AText, ItemsOf(FLookupItems));
}

TClass TcxCustomTextEditProperties::GetLookupDataClass() { return TcxCustomTextEditLookupData::StaticClass(); }

bool TcxCustomTextEditProperties::UseLookupData() {
  auto* info = dynamic_cast<const TcxTextEditPropertiesClassInfo*>(ClassType());
  return info && info->GetLookupDataClass() != nullptr;
}

void TcxCustomTextEditProperties::TransformDisplayText(String& AText) {
  AText = ::TransformDisplayText(AText, FEchoMode, FPasswordChar, int(FCharCase));
}

bool TcxCustomTextEditProperties::IsDisplayValueValid(Variant& AValue, bool) {
  String text = VarToStr(AValue);
  if (!text.empty()) {
    const TcxTextEditingStyle style = GetEditingStyle();
    const bool listStyle = style == tesCompleteFromList || style == tesPickFromList;
    if (listStyle && UseLookupData() && !IsLookupItemText(text)) return false;
  }
  AValue = Variant(ApplyCharCase(text, int(FCharCase)));
  return true;
}

bool TcxCustomTextEditProperties::IsEditValueValid(const Variant& AValue, bool AEditing) {
  if (AValue.IsNull() || !VarIsStr(AValue)) return true;
  Variant value = AValue;
  return IsDisplayValueValid(value, AEditing);
}

TcxFormatSources TcxCustomTextEditProperties::FormatSources(TObject* AEditor, bool AHosted) {
  TcxFormatSources s;
  s.DisplayFormatAssigned = AssignedValues()->DisplayFormat();
  s.DisplayFormat = FDisplayFormat;
  s.EditFormatAssigned = AssignedValues()->EditFormat();
  s.EditFormat = FEditFormat;
  s.DefaultDisplayFormat = GetDefaultDisplayFormat();
  if (IcxEditDefaultValuesProvider* p = DefaultValuesProvider()) {
    s.HasProvider = true;
    s.ProviderIsCurrency = p->IsCurrency();
    s.ProviderDisplayFormat = p->DefaultDisplayFormat();
    s.ProviderEditFormat = p->DefaultEditFormat();
    s.ProviderDisplayTextFromData = p->IsDisplayTextFromData();
  }
  s.HasEditor = AEditor != nullptr;
  s.Hosted = AHosted;
  s.CapabilitiesHaveBit2 = (GetEditCapabilities() & 2u) != 0;
  s.UseDisplayFormatWhenEditing = FUseDisplayFormatWhenEditing;
  return s;
}

TcxDisplayFormatOptions TcxCustomTextEditProperties::GetDisplayFormatOptions(TObject* AEditor, bool AHosted) {
  return CalcDisplayFormatOptions(FormatSources(AEditor, AHosted));
}

void TcxCustomTextEditProperties::PrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue,
                                                      bool AEditing) {
  if (!IsEditValueNumeric()) {
    DisplayValue = Variant(PlainDisplayText(AEditValue));
    return;
  }
  TcxNumberDisplayParams params;
  params.Editing = AEditing;
  if (AEditing) {
    const TcxDisplayFormatOptions options = GetDisplayFormatOptions(nullptr);
    params.IsCurrency = options.IsCurrency;
    params.EditFormat = options.Format;
    params.Precision = DefaultValuesProvider() ? DefaultValuesProvider()->DefaultPrecision() : 15;
  } else {
    params.DisplayFormat = CalcDisplayFormat(FormatSources(nullptr, false));
  }
  DisplayValue = Variant(NumericDisplayText(AEditValue, params, FormatSettings()));
}

String TcxCustomTextEditProperties::PrepareDisplayText(const Variant& AValue, bool AEditFormat) {
  if (IsEditValueValid(AValue, AEditFormat)) {
    Variant display;
    PrepareDisplayValue(AValue, display, AEditFormat);
    return VarToStr(display);
  }
  if (AValue.VarType() == varDate) return DateTimeToStr(AValue.AsDate());
  return PlainDisplayText(AValue);
}

String TcxCustomTextEditProperties::GetDisplayText(const Variant& AValue, bool, bool ADisplayForm) {
  String text = PrepareDisplayText(AValue, !ADisplayForm && !IsDisplayFormatSeparate());
  TransformDisplayText(text);
  return text;
}

bool TcxCustomTextEditProperties::CompareDisplayValues(const Variant& V1, const Variant& V2) {
  return GetDisplayText(V1, true, true) == GetDisplayText(V2, true, true);
}

unsigned TcxCustomTextEditProperties::GetEditCapabilities() { return inherited::GetEditCapabilities() | 0x95Eu; }

TcxCustomEditViewData* TcxCustomTextEditProperties::CreateViewData(TcxContainerStyle* AStyle, bool AIsHosted, bool) {
  auto* info = dynamic_cast<const TcxEditPropertiesClassInfo*>(ClassType());
  TClass viewDataClass = info ? info->GetViewDataClass() : GetViewDataClass();
  if (viewDataClass == TcxCustomTextEditViewData::StaticClass())
    return new TcxCustomTextEditViewData(this, AStyle, AIsHosted);
  return inherited::CreateViewData(AStyle, AIsHosted);
}
