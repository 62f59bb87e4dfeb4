// What a form file may set on a TcxRadioButton, and the unit that registers it.
#include "cxRadioGroup_win.h"

using R = TcxRadioButton;
VAMIRE_PUBLISHED(TcxRadioButton,
                 Prop(L"LookAndFeel", &R::LookAndFeel, &R::SetLookAndFeel),
                 Prop(L"ParentBackground", &TWinControl::ParentBackground, &TWinControl::SetParentBackground).Default(true),
                 Prop(L"PopupMenu", &R::PopupMenu, &R::SetPopupMenu),
                 Prop(L"Transparent", &R::Transparent, &R::SetTransparent).Default(false))

void cxRadioGroup_Initialize() { RegisterClasses({TcxRadioButton::StaticClass()}); }

void cxRadioGroup_Finalize() { UnRegisterClasses({TcxRadioButton::StaticClass()}); }

const TUnitEntry cxRadioGroupUnit = {L"cxRadioGroup", &cxRadioGroup_Initialize, &cxRadioGroup_Finalize};
