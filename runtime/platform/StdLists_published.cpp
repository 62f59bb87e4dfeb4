// What the form reader may set by name on list and combo boxes, and the unit
// entry that registers their classes.
#include "StdCtrls.h"

VAMIRE_PUBLISHED(TCustomListBox,
                 Prop(L"Items", &TCustomListBox::Items, nullptr),
                 Prop(L"ItemIndex", &TCustomListBox::ItemIndex, &TCustomListBox::SetItemIndex).Default(int64_t(-1)),
                 Prop(L"MultiSelect", &TCustomListBox::MultiSelect, &TCustomListBox::SetMultiSelect).Default(false),
                 Prop(L"ExtendedSelect", &TCustomListBox::ExtendedSelect, &TCustomListBox::SetExtendedSelect).Default(true),
                 Prop(L"Sorted", &TCustomListBox::Sorted, &TCustomListBox::SetSorted).Default(false),
                 Prop(L"Style", &TCustomListBox::Style, &TCustomListBox::SetStyle).Default(lbStandard),
                 Prop(L"ItemHeight", &TCustomListBox::ItemHeight, &TCustomListBox::SetItemHeight).Default(int64_t(16)),
                 Prop(L"Columns", &TCustomListBox::Columns, &TCustomListBox::SetColumns).Default(int64_t(0)),
                 Prop(L"TopIndex", &TCustomListBox::TopIndex, &TCustomListBox::SetTopIndex).Default(int64_t(0)),
                 Prop(L"IntegralHeight", &TCustomListBox::IntegralHeight, &TCustomListBox::SetIntegralHeight).Default(false),
                 Prop(L"BorderStyle", &TCustomListBox::BorderStyle, &TCustomListBox::SetBorderStyle).Default(bsSingle),
                 Prop(L"AutoComplete", &TCustomListBox::AutoComplete, &TCustomListBox::SetAutoComplete).Default(true),
                 Prop(L"AutoCompleteDelay", &TCustomListBox::AutoCompleteDelay, &TCustomListBox::SetAutoCompleteDelay).Default(500u),
                 Prop(L"TabStop", &TCustomListBox::TabStop, &TCustomListBox::SetTabStop).Default(true),
                 Prop(L"TabOrder", &TCustomListBox::TabOrder, &TCustomListBox::SetTabOrder).NoDefault(),
                 Prop(L"OnDrawItem", &TCustomListBox::OnDrawItem),
                 Prop(L"OnMeasureItem", &TCustomListBox::OnMeasureItem),
                 Prop(L"OnData", &TCustomListBox::OnData),
                 Prop(L"OnDataObject", &TCustomListBox::OnDataObject),
                 Prop(L"OnDataFind", &TCustomListBox::OnDataFind),
                 Prop(L"OnKeyDown", &TCustomListBox::OnKeyDown),
                 Prop(L"OnKeyPress", &TCustomListBox::OnKeyPress),
                 Prop(L"OnKeyUp", &TCustomListBox::OnKeyUp),
                 Prop(L"OnEnter", &TCustomListBox::OnEnter),
                 Prop(L"OnExit", &TCustomListBox::OnExit))

VAMIRE_PUBLISHED(TCustomComboBox,
                 Prop(L"Style", &TCustomComboBox::Style, &TCustomComboBox::SetStyle).Default(csDropDown),
                 Prop(L"Items", &TCustomComboBox::Items, nullptr),
                 Prop(L"ItemIndex", &TCustomComboBox::ItemIndex, &TCustomComboBox::SetItemIndex).Default(int64_t(-1)),
                 Prop(L"Text", &TCustomComboBox::Text, &TCustomComboBox::SetText),
                 Prop(L"Sorted", &TCustomComboBox::Sorted, &TCustomComboBox::SetSorted).Default(false),
                 Prop(L"MaxLength", &TCustomComboBox::MaxLength, &TCustomComboBox::SetMaxLength).Default(int64_t(0)),
                 Prop(L"DropDownCount", &TCustomComboBox::DropDownCount, &TCustomComboBox::SetDropDownCount).Default(int64_t(8)),
                 Prop(L"ItemHeight", &TCustomComboBox::ItemHeight, &TCustomComboBox::SetItemHeight).Default(int64_t(16)),
                 Prop(L"CharCase", &TCustomComboBox::CharCase, &TCustomComboBox::SetCharCase).Default(ecNormal),
                 Prop(L"AutoComplete", &TCustomComboBox::AutoComplete, &TCustomComboBox::SetAutoComplete).Default(true),
                 Prop(L"AutoCompleteDelay", &TCustomComboBox::AutoCompleteDelay, &TCustomComboBox::SetAutoCompleteDelay).Default(500u),
                 Prop(L"TabStop", &TCustomComboBox::TabStop, &TCustomComboBox::SetTabStop).Default(true),
                 Prop(L"TabOrder", &TCustomComboBox::TabOrder, &TCustomComboBox::SetTabOrder).NoDefault(),
                 Prop(L"OnChange", &TCustomComboBox::OnChange),
                 Prop(L"OnSelect", &TCustomComboBox::OnSelect),
                 Prop(L"OnDropDown", &TCustomComboBox::OnDropDown),
                 Prop(L"OnCloseUp", &TCustomComboBox::OnCloseUp),
                 Prop(L"OnDrawItem", &TCustomComboBox::OnDrawItem),
                 Prop(L"OnMeasureItem", &TCustomComboBox::OnMeasureItem),
                 Prop(L"OnKeyDown", &TCustomComboBox::OnKeyDown),
                 Prop(L"OnKeyPress", &TCustomComboBox::OnKeyPress),
                 Prop(L"OnKeyUp", &TCustomComboBox::OnKeyUp),
                 Prop(L"OnEnter", &TCustomComboBox::OnEnter),
                 Prop(L"OnExit", &TCustomComboBox::OnExit))

namespace {
void InitStdLists() {
  RegisterClasses({TListBox::StaticClass(), TComboBox::StaticClass()});
}
void DoneStdLists() {
  UnRegisterClasses({TListBox::StaticClass(), TComboBox::StaticClass()});
}
}  // namespace

const TUnitEntry StdListsUnit = {L"StdLists", &InitStdLists, &DoneStdLists};
