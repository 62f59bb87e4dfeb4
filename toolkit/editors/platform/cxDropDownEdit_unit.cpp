// The drop-down editors' unit: the published tables of the combo box and its
// properties, and the combo box's place among the editor kinds.
#include "Streaming.h"
#include "cxDropDownEdit_combo_win.h"
#include "cxEditConsts.h"

// --- Streamed classes -----------------------------------------------------------------------
VAMIRE_STREAMED_CLASSES(cxDropDownEditStreamed, TcxCustomDropDownEditProperties, TcxCustomComboBoxProperties,
                        TcxComboBoxProperties, TcxCustomDropDownEdit, TcxCustomComboBox, TcxComboBox)

// The kinds publish what suits them.
VAMIRE_STREAMED_TABLE(cxDropDownEditStreamed, TcxCustomDropDownEditProperties)
VAMIRE_STREAMED_TABLE(cxDropDownEditStreamed, TcxCustomComboBoxProperties)

using P = TcxCustomComboBoxProperties;
using DP = TcxCustomDropDownEditProperties;
using TP = TcxCustomTextEditProperties;
using EP = TcxCustomEditProperties;
VAMIRE_STREAMED_TABLE(
    cxDropDownEditStreamed, TcxComboBoxProperties,
    Prop(L"Alignment", &EP::Alignment, &EP::SetAlignment).Stored(&EP::IsAlignmentStored),
    Prop(L"AssignedValues", &TP::AssignedValues, &TP::SetAssignedValues),
    Prop(L"AutoSelect", &EP::AutoSelect, &EP::SetAutoSelect).Default(true),
    Prop(L"BeepOnError", &EP::BeepOnError, &EP::SetBeepOnError).Default(false),
    Prop(L"CharCase", &TP::CharCase, &TP::SetCharCase).Default(ecNormal),
    Prop(L"ClearKey", &EP::ClearKey, &EP::SetClearKey).Default(int64_t(0)),
    Prop(L"DropDownAutoWidth", &P::DropDownAutoWidth, &P::SetDropDownAutoWidth).Default(true),
    Prop(L"DropDownListStyle", &P::DropDownListStyle, &P::SetDropDownListStyle).Default(lsEditList),
    Prop(L"DropDownRows", &P::DropDownRows, &P::SetDropDownRows).Default(int64_t(8)),
    Prop(L"DropDownSizeable", &P::DropDownSizeable, &P::SetDropDownSizeable).Default(false),
    Prop(L"DropDownWidth", &P::DropDownWidth, &P::SetDropDownWidth).Default(int64_t(0)),
    Prop(L"HideSelection", &TP::HideSelection, &TP::SetHideSelection).Default(true),
    Prop(L"ImeMode", &TP::ImeMode, &TP::SetImeMode).Default(imDontCare),
    Prop(L"ImeName", &TP::ImeName, &TP::SetImeName).Default(L""),
    Prop(L"ImmediateDropDown", &DP::ImmediateDropDown, &DP::SetImmediateDropDown).Default(true),
    Prop(L"IncrementalSearch", &TP::IncrementalSearch, &TP::SetIncrementalSearch).Default(true),
    Prop(L"ItemHeight", &P::ItemHeight, &P::SetItemHeight).Default(int64_t(0)),
    Prop(L"Items", &P::Items, &P::SetItems),
    Prop(L"MaxLength", &TP::MaxLength, &TP::SetMaxLength).NoDefault().Stored(&TP::IsMaxLengthStored),
    Prop(L"OEMConvert", &TP::OEMConvert, &TP::SetOEMConvert).Default(false),
    Prop(L"PopupAlignment", &DP::PopupAlignment, &DP::SetPopupAlignment).Default(taLeftJustify),
    Prop(L"PostPopupValueOnTab", &DP::PostPopupValueOnTab, &DP::SetPostPopupValueOnTab).Default(false),
    Prop(L"ReadOnly", &EP::ReadOnly, &EP::SetReadOnly).NoDefault().Stored(&EP::IsReadOnlyStored),
    Prop(L"Revertable", &P::Revertable, &P::SetRevertable).Default(false),
    Prop(L"Sorted", &P::Sorted, &P::SetSorted).Default(false),
    Prop(L"UseLeftAlignmentOnEditing", &EP::UseLeftAlignmentOnEditing, &EP::SetUseLeftAlignmentOnEditing)
        .NoDefault()
        .Stored(&EP::IsUseLeftAlignmentOnEditingStored),
    Prop(L"ValidateOnEnter", &EP::ValidateOnEnter, &EP::SetValidateOnEnter).Default(false),
    Prop(L"OnChange", &EP::OnChange), Prop(L"OnCloseUp", &DP::OnCloseUp),
    Prop(L"OnEditValueChanged", &EP::OnEditValueChanged), Prop(L"OnInitPopup", &DP::OnInitPopup),
    Prop(L"OnNewLookupDisplayText", &TP::OnNewLookupDisplayText), Prop(L"OnPopup", &DP::OnPopup),
    Prop(L"OnValidate", &EP::OnValidate))

VAMIRE_STREAMED_TABLE(cxDropDownEditStreamed, TcxCustomDropDownEdit)
VAMIRE_STREAMED_TABLE(cxDropDownEditStreamed, TcxCustomComboBox)

using CB = TcxComboBox;
using TE = TcxCustomTextEdit;
using CT = TcxContainer;
VAMIRE_STREAMED_TABLE(cxDropDownEditStreamed, TcxComboBox,
                      Prop(L"BeepOnEnter", &TE::BeepOnEnter, &TE::SetBeepOnEnter).Default(true),
                      Prop(L"Properties", &CB::Properties, &CB::SetProperties),
                      Prop(L"Style", &CT::Style, &CT::SetStyle),
                      Prop(L"StyleDisabled", &CT::StyleDisabled, &CT::SetStyleDisabled),
                      Prop(L"StyleFocused", &CT::StyleFocused, &CT::SetStyleFocused),
                      Prop(L"StyleHot", &CT::StyleHot, &CT::SetStyleHot),
                      Prop(L"TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder).NoDefault(),
                      Prop(L"TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(true),
                      Prop(L"Text", &TControl::Text, &TControl::SetText).NoDefault(),
                      Prop(L"OnEnter", &TWinControl::OnEnter), Prop(L"OnExit", &TWinControl::OnExit),
                      Prop(L"OnKeyDown", &TWinControl::OnKeyDown), Prop(L"OnKeyPress", &TWinControl::OnKeyPress),
                      Prop(L"OnKeyUp", &TWinControl::OnKeyUp))

// --- Unit -----------------------------------------------------------------------------------
void cxDropDownEdit_Initialize() {
  cxDropDownEditStreamed::Register();
  RegisterClasses({TcxComboBox::StaticClass()});
  EditPropertiesRegistry()->Register(TcxComboBoxProperties::StaticClass(),
                                     ResolveResourceString(&scxSEditRepositoryComboBoxItem));
  GetFilterEditsController()->Register(TcxComboBoxProperties::StaticClass(), TcxFilterComboBoxHelper::StaticClass());
}

void cxDropDownEdit_Finalize() {
  if (TcxFilterEditsController* controller = GetFilterEditsController())
    controller->Unregister(TcxComboBoxProperties::StaticClass(), TcxFilterComboBoxHelper::StaticClass());
  if (TcxRegisteredClasses* registry = EditPropertiesRegistry())
    registry->Unregister(TcxComboBoxProperties::StaticClass());
  UnRegisterClasses({TcxComboBox::StaticClass()});
  cxDropDownEditStreamed::Unregister();
}

const TUnitEntry cxDropDownEditUnit{L"cxDropDownEdit", &cxDropDownEdit_Initialize, &cxDropDownEdit_Finalize};
