// The memo's unit: the class methods of its properties, the published tables
// (the memo streams its content as Lines, not Text) and its place among the
// editor kinds and the filter editors.
#include "Streaming.h"
#include "cxEditConsts.h"
#include "cxMemo_win.h"

TClass TcxCustomMemoProperties::GetContainerClass() { return TcxMemo::StaticClass(); }
TClass TcxCustomMemoProperties::GetViewDataClass() { return TcxCustomMemoViewData::StaticClass(); }
TClass TcxCustomMemoProperties::GetViewInfoClass() { return TcxCustomMemoViewInfo::StaticClass(); }

// --- Streamed classes -----------------------------------------------------------------------
VAMIRE_STREAMED_CLASSES(cxMemoStreamed, TcxCustomMemoProperties, TcxMemoProperties, TcxCustomMemo, TcxMemo)

VAMIRE_STREAMED_TABLE(cxMemoStreamed, TcxCustomMemoProperties)

using P = TcxCustomMemoProperties;
using MP = TcxMemoProperties;
using TP = TcxCustomTextEditProperties;
using EP = TcxCustomEditProperties;
VAMIRE_STREAMED_TABLE(
    cxMemoStreamed, TcxMemoProperties,
    Prop(L"Alignment", &MP::HorzAlignment, &MP::SetHorzAlignment).Stored(&EP::IsAlignmentStored),
    Prop(L"AssignedValues", &TP::AssignedValues, &TP::SetAssignedValues),
    Prop(L"AutoSelect", &EP::AutoSelect, &EP::SetAutoSelect).Default(false),
    Prop(L"CharCase", &TP::CharCase, &TP::SetCharCase).Default(ecNormal),
    Prop(L"ClearKey", &EP::ClearKey, &EP::SetClearKey).Default(int64_t(0)),
    Prop(L"HideSelection", &TP::HideSelection, &TP::SetHideSelection).Default(true),
    Prop(L"ImeMode", &TP::ImeMode, &TP::SetImeMode).Default(imDontCare),
    Prop(L"ImeName", &TP::ImeName, &TP::SetImeName).Default(L""),
    Prop(L"MaxLength", &TP::MaxLength, &TP::SetMaxLength).NoDefault().Stored(&TP::IsMaxLengthStored),
    Prop(L"OEMConvert", &TP::OEMConvert, &TP::SetOEMConvert).Default(false),
    Prop(L"ReadOnly", &EP::ReadOnly, &EP::SetReadOnly).NoDefault().Stored(&EP::IsReadOnlyStored),
    Prop(L"ScrollBars", &P::ScrollBars, &P::SetScrollBars).Default(ssNone),
    Prop(L"VisibleLineCount", &P::VisibleLineCount, &P::SetVisibleLineCount).Default(int64_t(0)),
    Prop(L"WantReturns", &P::WantReturns, &P::SetWantReturns).Default(true),
    Prop(L"WantTabs", &P::WantTabs, &P::SetWantTabs).Default(false),
    Prop(L"WordWrap", &P::WordWrap, &P::SetWordWrap).Default(true),
    Prop(L"OnChange", &EP::OnChange), Prop(L"OnEditValueChanged", &EP::OnEditValueChanged),
    Prop(L"OnValidate", &EP::OnValidate))

VAMIRE_STREAMED_TABLE(cxMemoStreamed, TcxCustomMemo)

using M = TcxMemo;
using CT = TcxContainer;
VAMIRE_STREAMED_TABLE(cxMemoStreamed, TcxMemo,
                      Prop(L"Lines", &M::GetLines, &M::SetLines),
                      Prop(L"Properties", &M::Properties, &M::SetProperties),
                      Prop(L"Style", &CT::Style, &CT::SetStyle),
                      Prop(L"StyleDisabled", &CT::StyleDisabled, &CT::SetStyleDisabled),
                      Prop(L"StyleFocused", &CT::StyleFocused, &CT::SetStyleFocused),
                      Prop(L"StyleHot", &CT::StyleHot, &CT::SetStyleHot),
                      Prop(L"TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder).NoDefault(),
                      Prop(L"TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(true),
                      Prop(L"OnEnter", &TWinControl::OnEnter), Prop(L"OnExit", &TWinControl::OnExit),
                      Prop(L"OnKeyDown", &TWinControl::OnKeyDown), Prop(L"OnKeyPress", &TWinControl::OnKeyPress),
                      Prop(L"OnKeyUp", &TWinControl::OnKeyUp))

// --- Unit -----------------------------------------------------------------------------------
static void cxMemo_Initialize() {
  cxMemoStreamed::Register();
  RegisterClasses({TcxMemo::StaticClass()});
  EditPropertiesRegistry()->Register(TcxMemoProperties::StaticClass(),
                                     ResolveResourceString(&scxSEditRepositoryMemoItem));
  GetFilterEditsController()->Register(TcxMemoProperties::StaticClass(), TcxFilterMemoHelper::StaticClass());
}

static void cxMemo_Finalize() {
  if (TcxFilterEditsController* controller = GetFilterEditsController())
    controller->Unregister(TcxMemoProperties::StaticClass(), TcxFilterMemoHelper::StaticClass());
  if (TcxRegisteredClasses* registry = EditPropertiesRegistry())
    registry->Unregister(TcxMemoProperties::StaticClass());
  UnRegisterClasses({TcxMemo::StaticClass()});
  cxMemoStreamed::Unregister();
}

const TUnitEntry cxMemoUnit{L"cxMemo", &cxMemo_Initialize, &cxMemo_Finalize};
