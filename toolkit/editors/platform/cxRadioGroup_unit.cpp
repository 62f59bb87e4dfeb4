// What a form file may set on a radio button and a radio group, and the unit
// that registers them.
#include "cxRadioGroup_win.h"

using R = TcxRadioButton;
VAMIRE_PUBLISHED(TcxRadioButton,
                 Prop(L"LookAndFeel", &R::LookAndFeel, &R::SetLookAndFeel),
                 Prop(L"ParentBackground", &TWinControl::ParentBackground, &TWinControl::SetParentBackground).Default(true),
                 Prop(L"PopupMenu", &R::PopupMenu, &R::SetPopupMenu),
                 Prop(L"Transparent", &R::Transparent, &R::SetTransparent).Default(false))

VAMIRE_STREAMED_CLASSES(cxRadioGroupStreamed, TcxRadioGroupItem, TcxCustomRadioGroupProperties, TcxRadioGroupProperties,
                        TcxCustomRadioGroup, TcxRadioGroup)

using RI = TcxRadioGroupItem;
VAMIRE_STREAMED_TABLE(cxRadioGroupStreamed, TcxRadioGroupItem,
                      Prop(L"Caption", &RI::Caption, &RI::SetCaption),
                      Prop(L"Tag", &RI::Tag, &RI::SetTag).Default(int64_t(0)))

VAMIRE_STREAMED_TABLE(cxRadioGroupStreamed, TcxCustomRadioGroupProperties)

using RP = TcxCustomRadioGroupProperties;
using BP = TcxCustomButtonGroupProperties;
using EP = TcxCustomEditProperties;
VAMIRE_STREAMED_TABLE(cxRadioGroupStreamed, TcxRadioGroupProperties,
                      Prop(L"AssignedValues", &EP::AssignedValues, &EP::SetAssignedValues),
                      Prop(L"ClearKey", &EP::ClearKey, &EP::SetClearKey).Default(int64_t(0)),
                      Prop(L"Columns", &BP::Columns, &BP::SetColumns).Default(int64_t(1)),
                      Prop(L"DefaultCaption", &RP::DefaultCaption, &RP::SetDefaultCaption)
                          .NoDefault()
                          .Stored(&RP::IsDefaultCaptionStored),
                      Prop(L"ImmediatePost", &EP::ImmediatePost, &EP::SetImmediatePost).Default(false),
                      Prop(L"Items", &RP::Items, &RP::SetItems),
                      Prop(L"ReadOnly", &EP::ReadOnly, &EP::SetReadOnly).NoDefault().Stored(&EP::IsReadOnlyStored),
                      Prop(L"WordWrap", &BP::WordWrap, &BP::SetWordWrap).Default(false),
                      Prop(L"OnChange", &EP::OnChange), Prop(L"OnEditValueChanged", &EP::OnEditValueChanged))

VAMIRE_STREAMED_TABLE(cxRadioGroupStreamed, TcxCustomRadioGroup)

using RG = TcxRadioGroup;
VAMIRE_STREAMED_TABLE(cxRadioGroupStreamed, TcxRadioGroup,
                      Prop(L"ItemIndex", &TcxCustomRadioGroup::ItemIndex, &TcxCustomRadioGroup::SetItemIndex)
                          .Default(int64_t(-1)),
                      Prop(L"Properties", &RG::Properties, &RG::SetProperties),
                      Prop(L"Style", &RG::Style, &RG::SetStyle),
                      Prop(L"TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(true))

void cxRadioGroup_Initialize() {
  RegisterClasses({TcxRadioButton::StaticClass()});
  cxRadioGroupStreamed::Register();
  EditPropertiesRegistry()->Register(TcxRadioGroupProperties::StaticClass(),
                                     ResolveResourceString(&scxSEditRepositoryRadioGroupItem));
  GetFilterEditsController()->Register(TcxRadioGroupProperties::StaticClass(),
                                       TcxFilterRadioGroupHelper::StaticClass());
}

void cxRadioGroup_Finalize() {
  if (TcxFilterEditsController* controller = GetFilterEditsController())
    controller->Unregister(TcxRadioGroupProperties::StaticClass(), TcxFilterRadioGroupHelper::StaticClass());
  if (TcxRegisteredClasses* registry = EditPropertiesRegistry())
    registry->Unregister(TcxRadioGroupProperties::StaticClass());
  cxRadioGroupStreamed::Unregister();
  UnRegisterClasses({TcxRadioButton::StaticClass()});
}

const TUnitEntry cxRadioGroupUnit = {L"cxRadioGroup", &cxRadioGroup_Initialize, &cxRadioGroup_Finalize};
