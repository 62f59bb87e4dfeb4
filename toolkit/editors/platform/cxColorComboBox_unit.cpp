// The colour combo box's unit: the class methods of its properties, the
// published tables of its items, properties and editor, and its place among
// the editor kinds and the filter editors.
#include "Streaming.h"
#include "cxColorComboBox_win.h"
#include "cxExtEditConsts.h"

TClass TcxCustomColorComboBoxProperties::GetContainerClass() { return TcxColorComboBox::StaticClass(); }

// --- Streamed classes -----------------------------------------------------------------------
VAMIRE_STREAMED_CLASSES(cxColorComboBoxStreamed, TcxColorComboBoxItem, TcxCustomColorComboBoxProperties,
                        TcxColorComboBoxProperties, TcxCustomColorComboBox, TcxColorComboBox)

using I = TcxColorComboBoxItem;
VAMIRE_STREAMED_TABLE(cxColorComboBoxStreamed, TcxColorComboBoxItem,
                      Prop(L"Color", &I::Color, &I::SetColor).NoDefault(),
                      Prop(L"Description", &I::Description, &I::SetDescription).Default(L""),
                      Prop(L"Tag", &I::Tag, &I::SetTag).Default(int64_t(0)))

VAMIRE_STREAMED_TABLE(cxColorComboBoxStreamed, TcxCustomColorComboBoxProperties)

using P = TcxCustomColorComboBoxProperties;
using CP = TcxCustomComboBoxProperties;
using DP = TcxCustomDropDownEditProperties;
using EP = TcxCustomEditProperties;
VAMIRE_STREAMED_TABLE(
    cxColorComboBoxStreamed, TcxColorComboBoxProperties,
    Prop(L"AllowSelectColor", &P::AllowSelectColor, &P::SetAllowSelectColor).Default(false),
    Prop(L"ColorBoxAlign", &P::ColorBoxAlign, &P::SetColorBoxAlign).Default(cbaLeft),
    Prop(L"ColorBoxFrameColor", &P::ColorBoxFrameColor, &P::SetColorBoxFrameColor).Default(int64_t(clBtnShadow)),
    Prop(L"ColorBoxWidth", &P::ColorBoxWidth, &P::SetColorBoxWidth).Default(int64_t(30)),
    Prop(L"ColorComboStyle", &P::ColorComboStyle, &P::SetColorComboStyle).Default(cxccsComboEdit),
    Prop(L"ColorDialogType", &P::ColorDialogType, &P::SetColorDialogType).Default(cxcdtDefault),
    Prop(L"ColorValueFormat", &P::ColorValueFormat, &P::SetColorValueFormat).Default(cxcvRGB),
    Prop(L"CustomColors", &P::CustomColors, &P::SetCustomColors),
    Prop(L"DefaultColor", &P::DefaultColor, &P::SetDefaultColor).Default(int64_t(clWindow)),
    Prop(L"DefaultColorStyle", &P::DefaultColorStyle, &P::SetDefaultColorStyle).Default(cxdcColor),
    Prop(L"DefaultDescription", &P::DefaultDescription, &P::SetDefaultDescription)
        .NoDefault()
        .Stored(&P::IsDefaultDescriptionStored),
    Prop(L"DropDownAutoWidth", &CP::DropDownAutoWidth, &CP::SetDropDownAutoWidth).Default(true),
    Prop(L"DropDownRows", &CP::DropDownRows, &CP::SetDropDownRows).Default(int64_t(8)),
    Prop(L"DropDownSizeable", &CP::DropDownSizeable, &CP::SetDropDownSizeable).Default(false),
    Prop(L"DropDownWidth", &CP::DropDownWidth, &CP::SetDropDownWidth).Default(int64_t(0)),
    Prop(L"ImmediateDropDown", &DP::ImmediateDropDown, &DP::SetImmediateDropDown).Default(true),
    Prop(L"MaxMRUColors", &P::MaxMRUColors, &P::SetMaxMRUColors).Default(int64_t(10)),
    Prop(L"NamingConvention", &P::NamingConvention, &P::SetNamingConvention).Default(cxncTesmar),
    Prop(L"PopupAlignment", &DP::PopupAlignment, &DP::SetPopupAlignment).Default(taLeftJustify),
    Prop(L"PostPopupValueOnTab", &DP::PostPopupValueOnTab, &DP::SetPostPopupValueOnTab).Default(false),
    Prop(L"PrepareList", &P::PrepareList, &P::SetPrepareList).Default(cxplTesmar),
    Prop(L"ReadOnly", &EP::ReadOnly, &EP::SetReadOnly).NoDefault().Stored(&EP::IsReadOnlyStored),
    Prop(L"Revertable", &CP::Revertable, &CP::SetRevertable).Default(false),
    Prop(L"ShowDescriptions", &P::ShowDescriptions, &P::SetShowDescriptions).Default(true),
    Prop(L"OnAddedMRUColor", &P::OnAddedMRUColor), Prop(L"OnChange", &EP::OnChange),
    Prop(L"OnCloseUp", &DP::OnCloseUp), Prop(L"OnDeletedMRUColor", &P::OnDeletedMRUColor),
    Prop(L"OnEditValueChanged", &EP::OnEditValueChanged), Prop(L"OnGetDefaultColor", &P::OnGetDefaultColor),
    Prop(L"OnNamingConvention", &P::OnNamingConvention), Prop(L"OnSelectCustomColor", &P::OnSelectCustomColor),
    Prop(L"OnValidate", &EP::OnValidate))

VAMIRE_STREAMED_TABLE(cxColorComboBoxStreamed, TcxCustomColorComboBox)

using C = TcxColorComboBox;
using TE = TcxCustomTextEdit;
using CT = TcxContainer;
VAMIRE_STREAMED_TABLE(cxColorComboBoxStreamed, TcxColorComboBox,
                      Prop(L"BeepOnEnter", &TE::BeepOnEnter, &TE::SetBeepOnEnter).Default(true),
                      Prop(L"ColorValue", &C::ColorValue, &C::SetColorValue).NoDefault().Stored(&C::IsColorValueStored),
                      Prop(L"Properties", &C::Properties, &C::SetProperties),
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
static void cxColorComboBox_Initialize() {
  cxColorComboBoxStreamed::Register();
  RegisterClasses({TcxColorComboBox::StaticClass()});
  EditPropertiesRegistry()->Register(TcxColorComboBoxProperties::StaticClass(),
                                     ResolveResourceString(&scxSEditRepositoryColorComboBoxItem));
  GetFilterEditsController()->Register(TcxColorComboBoxProperties::StaticClass(),
                                       TcxFilterColorComboBoxHelper::StaticClass());
}

static void cxColorComboBox_Finalize() {
  if (TcxFilterEditsController* controller = GetFilterEditsController())
    controller->Unregister(TcxColorComboBoxProperties::StaticClass(), TcxFilterColorComboBoxHelper::StaticClass());
  if (TcxRegisteredClasses* registry = EditPropertiesRegistry())
    registry->Unregister(TcxColorComboBoxProperties::StaticClass());
  UnRegisterClasses({TcxColorComboBox::StaticClass()});
  cxColorComboBoxStreamed::Unregister();
}

const TUnitEntry cxColorComboBoxUnit{L"cxColorComboBox", &cxColorComboBox_Initialize, &cxColorComboBox_Finalize};
