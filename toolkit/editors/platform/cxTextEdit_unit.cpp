// The text editors' unit: the class methods of the text properties, the
// published tables of the classes it streams, and its start and end.
#include "Streaming.h"
#include "cxTextEdit_control_win.h"

TClass TcxCustomTextEditProperties::GetContainerClass() { return TcxTextEdit::StaticClass(); }
TClass TcxCustomTextEditProperties::GetViewDataClass() { return TcxCustomTextEditViewData::StaticClass(); }
TClass TcxCustomTextEditProperties::GetViewInfoClass() { return TcxCustomTextEditViewInfo::StaticClass(); }

// --- Streamed classes -----------------------------------------------------------------------
VAMIRE_STREAMED_CLASSES(cxTextEditStreamed, TcxTextEditPropertiesValues, TcxCustomTextEditProperties,
                        TcxTextEditProperties, TcxCustomTextEdit, TcxTextEdit)

using V = TcxTextEditPropertiesValues;
VAMIRE_STREAMED_TABLE(cxTextEditStreamed, TcxTextEditPropertiesValues,
                      Prop(L"DisplayFormat", &V::DisplayFormat, &V::SetDisplayFormat)
                          .Default(false)
                          .Stored(&V::IsDisplayFormatStored),
                      Prop(L"EditFormat", &V::EditFormat, &V::SetEditFormat)
                          .Default(false)
                          .Stored(&V::IsEditFormatStored),
                      Prop(L"MaxLength", &V::MaxLength, &V::SetMaxLength).Default(false).Stored(false),
                      Prop(L"MaxValue", &V::MaxValue, &V::SetMaxValue).Default(false).Stored(&V::IsMaxValueStored),
                      Prop(L"MinValue", &V::MinValue, &V::SetMinValue).Default(false).Stored(&V::IsMinValueStored))

// The kinds publish what suits them.
VAMIRE_STREAMED_TABLE(cxTextEditStreamed, TcxCustomTextEditProperties)

using P = TcxCustomTextEditProperties;
using EP = TcxCustomEditProperties;
VAMIRE_STREAMED_TABLE(
    cxTextEditStreamed, TcxTextEditProperties,
    Prop(L"Alignment", &EP::Alignment, &EP::SetAlignment).Stored(&EP::IsAlignmentStored),
    Prop(L"AssignedValues", &P::AssignedValues, &P::SetAssignedValues),
    Prop(L"AutoSelect", &EP::AutoSelect, &EP::SetAutoSelect).Default(true),
    Prop(L"BeepOnError", &EP::BeepOnError, &EP::SetBeepOnError).Default(false),
    Prop(L"CharCase", &P::CharCase, &P::SetCharCase).Default(ecNormal),
    Prop(L"ClearKey", &EP::ClearKey, &EP::SetClearKey).Default(int64_t(0)),
    Prop(L"EchoMode", &P::EchoMode, &P::SetEchoMode).Default(eemNormal),
    Prop(L"HideSelection", &P::HideSelection, &P::SetHideSelection).Default(true),
    Prop(L"ImeMode", &P::ImeMode, &P::SetImeMode).Default(imDontCare),
    Prop(L"ImeName", &P::ImeName, &P::SetImeName).Default(L""),
    Prop(L"IncrementalSearch", &P::IncrementalSearch, &P::SetIncrementalSearch).Default(true),
    Prop(L"LookupItems", &P::LookupItems, &P::SetLookupItems),
    Prop(L"LookupItemsSorted", &P::LookupItemsSorted, &P::SetLookupItemsSorted).Default(false),
    Prop(L"MaxLength", &P::MaxLength, &P::SetMaxLength).NoDefault().Stored(&P::IsMaxLengthStored),
    Prop(L"OEMConvert", &P::OEMConvert, &P::SetOEMConvert).Default(false),
    Prop(L"PasswordChar", &P::PasswordChar, &P::SetPasswordChar).Default(int64_t(0)),
    Prop(L"ReadOnly", &EP::ReadOnly, &EP::SetReadOnly).NoDefault().Stored(&EP::IsReadOnlyStored),
    Prop(L"UseLeftAlignmentOnEditing", &EP::UseLeftAlignmentOnEditing, &EP::SetUseLeftAlignmentOnEditing)
        .NoDefault()
        .Stored(&EP::IsUseLeftAlignmentOnEditingStored),
    Prop(L"ValidateOnEnter", &EP::ValidateOnEnter, &EP::SetValidateOnEnter).Default(false),
    Prop(L"OnChange", &EP::OnChange), Prop(L"OnEditValueChanged", &EP::OnEditValueChanged),
    Prop(L"OnNewLookupDisplayText", &P::OnNewLookupDisplayText), Prop(L"OnValidate", &EP::OnValidate))

VAMIRE_STREAMED_TABLE(cxTextEditStreamed, TcxCustomTextEdit)

using TE = TcxTextEdit;
using CT = TcxContainer;
VAMIRE_STREAMED_TABLE(cxTextEditStreamed, TcxTextEdit,
                      Prop(L"BeepOnEnter", &TE::BeepOnEnter, &TE::SetBeepOnEnter).Default(true),
                      Prop(L"Properties", &TE::Properties, &TE::SetProperties),
                      Prop(L"Style", &CT::Style, &CT::SetStyle),
                      Prop(L"StyleDisabled", &CT::StyleDisabled, &CT::SetStyleDisabled),
                      Prop(L"StyleFocused", &CT::StyleFocused, &CT::SetStyleFocused),
                      Prop(L"StyleHot", &CT::StyleHot, &CT::SetStyleHot),
                      Prop(L"Text", &TControl::Text, &TControl::SetText).NoDefault())

// --- Unit -----------------------------------------------------------------------------------
void cxTextEdit_Initialize() {
  cxTextEditStreamed::Register();
  cxTextEditControl_Initialize();
  EditPropertiesRegistry()->Register(TcxTextEditProperties::StaticClass(),
                                     ResolveResourceString(&scxSEditRepositoryTextItem));
}

void cxTextEdit_Finalize() {
  cxTextEditControl_Finalize();
  if (TcxRegisteredClasses* registry = EditPropertiesRegistry())
    registry->Unregister(TcxTextEditProperties::StaticClass());
  cxTextEditStreamed::Unregister();
}

const TUnitEntry cxTextEditUnit{L"cxTextEdit", &cxTextEdit_Initialize, &cxTextEdit_Finalize};
