// What a form file may set on a TcxButton and its sub-objects, and the unit
// that registers the button for streaming.
#include "cxButtons_win.h"

VAMIRE_ENUM_NAMES(TPopupAlignment, L"paLeft", L"paRight", L"paCenter")

using C = TcxButtonColors;
VAMIRE_PUBLISHED(TcxButtonColors,
                 Prop(L"Default", &C::Default, &C::SetDefault).Idents(&ColorIdentMapper).Stored(&C::IsStored<cxbcDefault>),
                 Prop(L"DefaultText", &C::DefaultText, &C::SetDefaultText).Idents(&ColorIdentMapper).Stored(&C::IsStored<cxbcDefaultText>),
                 Prop(L"Disabled", &C::Disabled, &C::SetDisabled).Idents(&ColorIdentMapper).Stored(&C::IsStored<cxbcDisabled>),
                 Prop(L"DisabledText", &C::DisabledText, &C::SetDisabledText).Idents(&ColorIdentMapper).Stored(&C::IsStored<cxbcDisabledText>),
                 Prop(L"Hot", &C::Hot, &C::SetHot).Idents(&ColorIdentMapper).Stored(&C::IsStored<cxbcHot>),
                 Prop(L"HotText", &C::HotText, &C::SetHotText).Idents(&ColorIdentMapper).Stored(&C::IsStored<cxbcHotText>),
                 Prop(L"Normal", &C::Normal, &C::SetNormal).Idents(&ColorIdentMapper).Stored(&C::IsStored<cxbcNormal>),
                 Prop(L"NormalText", &C::NormalText, &C::SetNormalText).Idents(&ColorIdentMapper).Stored(&C::IsStored<cxbcNormalText>),
                 Prop(L"Pressed", &C::Pressed, &C::SetPressed).Idents(&ColorIdentMapper).Stored(&C::IsStored<cxbcPressed>),
                 Prop(L"PressedText", &C::PressedText, &C::SetPressedText).Idents(&ColorIdentMapper).Stored(&C::IsStored<cxbcPressedText>))

using O = TcxSpeedButtonOptions;
VAMIRE_PUBLISHED(TcxSpeedButtonOptions,
                 Prop(L"AllowAllUp", &O::AllowAllUp, &O::SetAllowAllUp).Default(false),
                 Prop(L"CanBeFocused", &O::CanBeFocused, &O::SetCanBeFocused).Default(true),
                 Prop(L"Down", &O::Down, &O::SetDown).Default(false),
                 Prop(L"Flat", &O::Flat, &O::SetFlat).Default(false),
                 Prop(L"GroupIndex", &O::GroupIndex, &O::SetGroupIndex).Default(int64_t(0)),
                 Prop(L"Transparent", &O::Transparent, &O::SetTransparent).Default(false))

using B = TcxCustomButton;
VAMIRE_PUBLISHED(TcxButton,
                 Prop(L"Colors", &B::Colors, &B::SetColors).Stored(&B::IsColorsStored),
                 Prop(L"DropDownMenu", &B::DropDownMenu, &B::SetDropDownMenu),
                 Prop(L"Glyph", &B::Glyph, &B::SetGlyph).Stored(&B::IsGlyphStored),
                 Prop(L"Kind", &B::Kind, &B::SetKind).Default(cxbkStandard),
                 Prop(L"Layout", &B::Layout, &B::SetLayout).Default(blGlyphLeft),
                 Prop(L"LookAndFeel", &B::LookAndFeel, &B::SetLookAndFeel),
                 Prop(L"Margin", &B::Margin, &B::SetMargin).Default(int64_t(-1)),
                 Prop(L"NumGlyphs", &B::NumGlyphs, &B::SetNumGlyphs).Default(int64_t(1)),
                 Prop(L"PaintStyle", &B::PaintStyle, &B::SetPaintStyle).Default(bpsDefault),
                 Prop(L"PopupAlignment", &B::PopupAlignment, &B::SetPopupAlignment).Default(paLeft),
                 Prop(L"PopupMenu", &B::PopupMenu, &B::SetPopupMenu),
                 Prop(L"Spacing", &B::Spacing, &B::SetSpacing).Default(int64_t(4)),
                 Prop(L"SpeedButtonOptions", &B::SpeedButtonOptions, &B::SetSpeedButtonOptions),
                 Prop(L"UseSystemPaint", &B::UseSystemPaint, &B::SetUseSystemPaint).Default(false),
                 // The options under their old names: read from old forms, never written.
                 Prop(L"CanBeFocused", &B::CanBeFocused, &B::SetCanBeFocused).Stored(false),
                 Prop(L"GroupIndex", &B::GroupIndex, &B::SetGroupIndex).Stored(false),
                 Prop(L"Down", &B::Down, &B::SetDown).Stored(false),
                 Prop(L"AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp).Stored(false),
                 Prop(L"OnDropDownMenuPopup", &B::OnDropDownMenuPopup),
                 Prop(L"OnGetDrawParams", &B::OnGetDrawParams),
                 Prop(L"OnMouseEnter", &B::OnMouseEnter),
                 Prop(L"OnMouseLeave", &B::OnMouseLeave))

void cxButtons_Initialize() { RegisterClasses({TcxButton::StaticClass()}); }

void cxButtons_Finalize() {
  UnRegisterClasses({TcxButton::StaticClass()});
  FreeGlyphCache();
}

const TUnitEntry cxButtonsUnit = {L"cxButtons", &cxButtons_Initialize, &cxButtons_Finalize};
