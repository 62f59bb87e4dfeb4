// What a form file may set on a check box, and the unit that registers it.
#include "cxCheckBox_win.h"

void cxCheckBox_BuildCheckMarkMask(bool ABuild);

VAMIRE_STREAMED_CLASSES(cxCheckBoxStreamed, TcxCheckBoxStyle, TcxCustomCheckBoxProperties, TcxCheckBoxProperties,
                        TcxCustomCheckBox, TcxCheckBox)

VAMIRE_STREAMED_TABLE(cxCheckBoxStreamed, TcxCheckBoxStyle)
VAMIRE_STREAMED_TABLE(cxCheckBoxStreamed, TcxCustomCheckBoxProperties)

using P = TcxCustomCheckBoxProperties;
using EP = TcxCustomEditProperties;
VAMIRE_STREAMED_TABLE(cxCheckBoxStreamed, TcxCheckBoxProperties,
                      Prop(L"Alignment", &P::CheckAlignment, &P::SetCheckAlignment).Stored(&EP::IsAlignmentStored),
                      Prop(L"AllowGrayed", &P::AllowGrayed, &P::SetAllowGrayed).Default(false),
                      Prop(L"AssignedValues", &EP::AssignedValues, &EP::SetAssignedValues),
                      Prop(L"ClearKey", &EP::ClearKey, &EP::SetClearKey).Default(int64_t(0)),
                      Prop(L"DisplayChecked", &P::DisplayChecked, &P::SetDisplayChecked)
                          .NoDefault()
                          .Stored(&P::IsDisplayCheckedStored),
                      Prop(L"DisplayUnchecked", &P::DisplayUnchecked, &P::SetDisplayUnchecked)
                          .NoDefault()
                          .Stored(&P::IsDisplayUncheckedStored),
                      Prop(L"DisplayGrayed", &P::DisplayGrayed, &P::SetDisplayGrayed)
                          .NoDefault()
                          .Stored(&P::IsDisplayGrayedStored),
                      Prop(L"FullFocusRect", &P::FullFocusRect, &P::SetFullFocusRect).Default(false),
                      Prop(L"Glyph", &P::GlyphForStream, &P::SetGlyph).Stored(&P::IsGlyphStored),
                      Prop(L"GlyphCount", &P::GlyphCount, &P::SetGlyphCount).Default(int64_t(6)),
                      Prop(L"ImmediatePost", &EP::ImmediatePost, &EP::SetImmediatePost).Default(false),
                      Prop(L"MultiLine", &P::MultiLine, &P::SetMultiLine).Default(false),
                      Prop(L"NullStyle", &P::NullStyle, &P::SetNullStyle).Default(nssGrayedChecked),
                      Prop(L"ReadOnly", &EP::ReadOnly, &EP::SetReadOnly).NoDefault().Stored(&EP::IsReadOnlyStored),
                      Prop(L"UseAlignmentWhenInplace", &P::UseAlignmentWhenInplace, &P::SetUseAlignmentWhenInplace)
                          .Default(false),
                      Prop(L"OnChange", &EP::OnChange), Prop(L"OnEditValueChanged", &EP::OnEditValueChanged),
                      Prop(L"OnValidate", &EP::OnValidate))

using C = TcxCustomCheckBox;
VAMIRE_STREAMED_TABLE(cxCheckBoxStreamed, TcxCustomCheckBox)

using CB = TcxCheckBox;
VAMIRE_STREAMED_TABLE(cxCheckBoxStreamed, TcxCheckBox,
                      Prop(L"Action", &C::Action, &C::SetAction),
                      Prop(L"AutoSize", &TcxCustomEdit::AutoSize, &TcxCustomEdit::SetAutoSize).Default(true),
                      Prop(L"Checked", &C::Checked, &C::SetChecked).Default(false).Stored(false),
                      Prop(L"ParentBackground", &TWinControl::ParentBackground, &TWinControl::SetParentBackground)
                          .Default(true),
                      Prop(L"ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(true),
                      Prop(L"Properties", &CB::Properties, &CB::SetProperties),
                      Prop(L"State", &C::State, &C::SetState).Default(cbsUnchecked).Stored(&C::IsStateStored),
                      Prop(L"Style", &CB::Style, &CB::SetStyle),
                      Prop(L"StyleDisabled", &TcxContainer::StyleDisabled, &TcxContainer::SetStyleDisabled),
                      Prop(L"StyleFocused", &TcxContainer::StyleFocused, &TcxContainer::SetStyleFocused),
                      Prop(L"StyleHot", &TcxContainer::StyleHot, &TcxContainer::SetStyleHot),
                      Prop(L"TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder).NoDefault(),
                      Prop(L"TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(true),
                      Prop(L"Transparent", &TcxCustomEdit::Transparent, &TcxCustomEdit::SetTransparent).Default(false),
                      Prop(L"OnEnter", &TWinControl::OnEnter), Prop(L"OnExit", &TWinControl::OnExit),
                      Prop(L"OnKeyDown", &TWinControl::OnKeyDown), Prop(L"OnKeyPress", &TWinControl::OnKeyPress),
                      Prop(L"OnKeyUp", &TWinControl::OnKeyUp), Prop(L"OnEditing", &TcxCustomEdit::OnEditing))

namespace {
int GStarts = 0;
}

// Reference-counted: only the first start and the last end act.
void cxCheckBox_Initialize() {
  if (GStarts++ > 0) return;
  cxCheckBoxStreamed::Register();
  EditPropertiesRegistry()->Register(TcxCheckBoxProperties::StaticClass(),
                                     ResolveResourceString(&scxSEditRepositoryCheckBoxItem));
  GetFilterEditsController()->Register(TcxCheckBoxProperties::StaticClass(), TcxFilterCheckBoxHelper::StaticClass());
  cxCheckBox_BuildCheckMarkMask(true);
}

void cxCheckBox_Finalize() {
  if (GStarts == 0 || --GStarts > 0) return;
  if (TcxFilterEditsController* controller = GetFilterEditsController())
    controller->Unregister(TcxCheckBoxProperties::StaticClass(), TcxFilterCheckBoxHelper::StaticClass());
  if (TcxRegisteredClasses* registry = EditPropertiesRegistry())
    registry->Unregister(TcxCheckBoxProperties::StaticClass());
  cxCheckBox_BuildCheckMarkMask(false);
  cxCheckBoxStreamed::Unregister();
}

const TUnitEntry cxCheckBoxUnit{L"cxCheckBox", &cxCheckBox_Initialize, &cxCheckBox_Finalize};
