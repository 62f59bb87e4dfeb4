// The published tables of the standard controls (what a form file may set by
// name) and the unit that registers their classes with the form reader.
#include "StdCtrls.h"

// The rows every windowed standard control adds to TControl's.
#define STDCTRLS_WINDOWED_ROWS                                                         \
  Prop(L"TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder).NoDefault(),    \
      Prop(L"OnEnter", &TWinControl::OnEnter), Prop(L"OnExit", &TWinControl::OnExit),  \
      Prop(L"OnKeyDown", &TWinControl::OnKeyDown), Prop(L"OnKeyPress", &TWinControl::OnKeyPress), \
      Prop(L"OnKeyUp", &TWinControl::OnKeyUp)

VAMIRE_PUBLISHED(TCustomGroupBox,
                 STDCTRLS_WINDOWED_ROWS,
                 Prop(L"TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(false),
                 Prop(L"ParentBackground", &TWinControl::ParentBackground, &TWinControl::SetParentBackground).Default(true))

VAMIRE_PUBLISHED(TCustomLabel,
                 Prop(L"Alignment", &TCustomLabel::Alignment, &TCustomLabel::SetAlignment).Default(taLeftJustify),
                 Prop(L"AutoSize", &TControl::AutoSize, &TCustomLabel::SetAutoSize).Default(true),
                 Prop(L"FocusControl", &TCustomLabel::FocusControl, &TCustomLabel::SetFocusControl),
                 Prop(L"Layout", &TCustomLabel::Layout, &TCustomLabel::SetLayout).Default(tlTop),
                 Prop(L"ShowAccelChar", &TCustomLabel::ShowAccelChar, &TCustomLabel::SetShowAccelChar).Default(true),
                 Prop(L"Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent).Default(false),
                 Prop(L"WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap).Default(false),
                 Prop(L"OnMouseEnter", &TCustomLabel::OnMouseEnter),
                 Prop(L"OnMouseLeave", &TCustomLabel::OnMouseLeave))

VAMIRE_PUBLISHED(TCustomEdit,
                 STDCTRLS_WINDOWED_ROWS,
                 Prop(L"TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(true),
                 Prop(L"Color", &TControl::Color, &TControl::SetColor).Idents(&ColorIdentMapper).Default(clWindow).Stored(&TControl::IsColorStored),
                 Prop(L"ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(false),
                 Prop(L"AutoSelect", &TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect).Default(true),
                 Prop(L"AutoSize", &TControl::AutoSize, &TCustomEdit::SetAutoSize).Default(true),
                 Prop(L"BorderStyle", &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle).Default(bsSingle),
                 Prop(L"CharCase", &TCustomEdit::CharCase, &TCustomEdit::SetCharCase).Default(ecNormal),
                 Prop(L"HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection).Default(true),
                 Prop(L"MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength).Default(int64_t(0)),
                 Prop(L"OEMConvert", &TCustomEdit::OEMConvert, &TCustomEdit::SetOEMConvert).Default(false),
                 Prop(L"PasswordChar", &TCustomEdit::PasswordChar, &TCustomEdit::SetPasswordChar).Default(int64_t(0)),
                 Prop(L"ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly).Default(false),
                 Prop(L"Text", &TControl::Text, &TControl::SetText),
                 Prop(L"OnChange", &TCustomEdit::OnChange))

VAMIRE_PUBLISHED(TCustomMemo,
                 Prop(L"AutoSize", &TControl::AutoSize, &TCustomEdit::SetAutoSize).Default(false),
                 Prop(L"Alignment", &TCustomMemo::Alignment, &TCustomMemo::SetAlignment).Default(taLeftJustify),
                 Prop(L"Lines", &TCustomMemo::Lines, &TCustomMemo::SetLines),
                 Prop(L"ScrollBars", &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars).Default(ssNone),
                 Prop(L"WantReturns", &TCustomMemo::WantReturns, &TCustomMemo::SetWantReturns).Default(true),
                 Prop(L"WantTabs", &TCustomMemo::WantTabs, &TCustomMemo::SetWantTabs).Default(false),
                 Prop(L"WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap).Default(true),
                 // The lines carry the text; it is not written twice.
                 Prop(L"Text", &TControl::Text, &TControl::SetText).Stored(false))

VAMIRE_PUBLISHED(TButtonControl,
                 STDCTRLS_WINDOWED_ROWS,
                 Prop(L"TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(true),
                 Prop(L"WordWrap", &TButtonControl::WordWrap, &TButtonControl::SetWordWrap).Default(false))

VAMIRE_PUBLISHED(TButton,
                 Prop(L"Cancel", &TButton::Cancel, &TButton::SetCancel).Default(false),
                 Prop(L"Default", &TButton::Default, &TButton::SetDefault).Default(false),
                 Prop(L"ModalResult", &TButton::ModalResult, &TButton::SetModalResult).Default(int64_t(mrNone)))

VAMIRE_PUBLISHED(TCustomCheckBox,
                 Prop(L"Alignment", &TCustomCheckBox::Alignment, &TCustomCheckBox::SetAlignment).Default(taRightJustify),
                 Prop(L"AllowGrayed", &TCustomCheckBox::AllowGrayed, &TCustomCheckBox::SetAllowGrayed).Default(false),
                 Prop(L"Checked", &TCustomCheckBox::Checked, &TCustomCheckBox::SetChecked).Stored(false),
                 Prop(L"State", &TCustomCheckBox::State, &TCustomCheckBox::SetState).Default(cbUnchecked))

VAMIRE_PUBLISHED(TRadioButton,
                 Prop(L"Alignment", &TRadioButton::Alignment, &TRadioButton::SetAlignment).Default(taRightJustify),
                 Prop(L"Checked", &TRadioButton::Checked, &TRadioButton::SetChecked).Default(false),
                 Prop(L"TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(false))

VAMIRE_PUBLISHED(TScrollBar,
                 STDCTRLS_WINDOWED_ROWS,
                 Prop(L"TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(true),
                 Prop(L"Kind", &TScrollBar::Kind, &TScrollBar::SetKind).Default(sbHorizontal),
                 Prop(L"LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange).Default(int64_t(1)),
                 Prop(L"Max", &TScrollBar::Max, &TScrollBar::SetMax).Default(int64_t(100)),
                 Prop(L"Min", &TScrollBar::Min, &TScrollBar::SetMin).Default(int64_t(0)),
                 Prop(L"PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize).Default(int64_t(0)),
                 Prop(L"Position", &TScrollBar::Position, &TScrollBar::SetPosition).Default(int64_t(0)),
                 Prop(L"SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange).Default(int64_t(1)),
                 Prop(L"OnChange", &TScrollBar::OnChange),
                 Prop(L"OnScroll", &TScrollBar::OnScroll))

namespace {
void InitStdCtrls() {
  RegisterClasses({TGroupBox::StaticClass(), TLabel::StaticClass(), TEdit::StaticClass(), TMemo::StaticClass(),
                   TButton::StaticClass(), TCheckBox::StaticClass(), TRadioButton::StaticClass(),
                   TScrollBar::StaticClass()});
}
void DoneStdCtrls() {
  UnRegisterClasses({TGroupBox::StaticClass(), TLabel::StaticClass(), TEdit::StaticClass(), TMemo::StaticClass(),
                     TButton::StaticClass(), TCheckBox::StaticClass(), TRadioButton::StaticClass(),
                     TScrollBar::StaticClass()});
}
}  // namespace

const TUnitEntry StdCtrlsUnit = {L"StdCtrls", &InitStdCtrls, &DoneStdCtrls};
