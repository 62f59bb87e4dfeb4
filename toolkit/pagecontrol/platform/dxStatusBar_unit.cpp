// What a form file may set on a status bar, its panels and their styles; the
// registry of panel styles by class name; the unit.
#include "dxStatusBar_win.h"

namespace {
TcxRegisteredClasses* GPanelStyles = nullptr;

const TResStringRec dxSBAR_TEXTPANELSTYLE{L"dxSBAR_TEXTPANELSTYLE", L"Text Panel"};
const TResStringRec dxSBAR_CONTAINERPANELSTYLE{L"dxSBAR_CONTAINERPANELSTYLE", L"Container Panel"};
const TResStringRec dxSBAR_KEYBOARDSTATEPANELSTYLE{L"dxSBAR_KEYBOARDSTATEPANELSTYLE", L"Keyboard State Panel"};
const TResStringRec dxSBAR_STATEINDICATORPANELSTYLE{L"dxSBAR_STATEINDICATORPANELSTYLE", L"State Indicator Panel"};
}  // namespace

TcxRegisteredClasses* GetRegisteredStatusBarPanelStyles() {
  if (!GPanelStyles) GPanelStyles = new TcxRegisteredClasses();
  return GPanelStyles;
}

using PS = TdxStatusBarPanelStyle;
VAMIRE_PUBLISHED(TdxStatusBarPanelStyle,
                 Prop(L"Color", &PS::Color, &PS::SetColor).Idents(&ColorIdentMapper).Stored(&PS::IsColorStored))

VAMIRE_PUBLISHED(TdxStatusBarTextPanelStyle,
                 Prop(L"Alignment", &PS::Alignment, &PS::SetAlignment).Default(taLeftJustify),
                 Prop(L"AutoHint", &TdxStatusBarTextPanelStyle::AutoHint, &TdxStatusBarTextPanelStyle::SetAutoHint).Default(false),
                 Prop(L"EllipsisType", &TdxStatusBarTextPanelStyle::EllipsisType, &TdxStatusBarTextPanelStyle::SetEllipsisType).Default(dxetNone),
                 Prop(L"Font", &PS::Font, &PS::SetFont).Stored(&PS::IsFontStored),
                 Prop(L"ImageIndex", &TdxStatusBarTextPanelStyle::ImageIndex, &TdxStatusBarTextPanelStyle::SetImageIndex).Default(int64_t(-1)),
                 Prop(L"ParentFont", &PS::ParentFont, &PS::SetParentFont).Default(true),
                 Prop(L"OnGetText", &TdxStatusBarTextPanelStyle::OnGetText))

using SI = TdxStatusBarStateIndicatorItem;
VAMIRE_PUBLISHED(TdxStatusBarStateIndicatorItem,
                 Prop(L"IndicatorType", &SI::IndicatorType, &SI::SetIndicatorType).Default(sitOff),
                 Prop(L"Visible", &SI::Visible, &SI::SetVisible).Default(true))

using SS = TdxStatusBarStateIndicatorPanelStyle;
VAMIRE_PUBLISHED(TdxStatusBarStateIndicatorPanelStyle,
                 Prop(L"Indicators", &SS::Indicators, &SS::SetIndicators),
                 Prop(L"Spacing", &SS::Spacing, &SS::SetSpacing).Default(int64_t(4)))

using KA = TdxStatusBarKeyStateAppearance;
VAMIRE_PUBLISHED(TdxStatusBarKeyStateAppearance,
                 Prop(L"ActiveCaption", &KA::ActiveCaption, &KA::SetActiveCaption),
                 Prop(L"ActiveFontColor", &KA::ActiveFontColor, &KA::SetActiveFontColor).Idents(&ColorIdentMapper).Default(clWindowText),
                 Prop(L"InactiveCaption", &KA::InactiveCaption, &KA::SetInactiveCaption),
                 Prop(L"InactiveFontColor", &KA::InactiveFontColor, &KA::SetInactiveFontColor).Idents(&ColorIdentMapper).Default(clBtnShadow))

using KS = TdxStatusBarKeyboardStatePanelStyle;
VAMIRE_PUBLISHED(TdxStatusBarKeyboardStatePanelStyle,
                 Prop(L"CapsLockKeyAppearance", &KS::CapsLockKeyAppearance, &KS::SetCapsLockKeyAppearance),
                 Prop(L"Font", &PS::Font, &PS::SetFont).Stored(&PS::IsFontStored),
                 Prop(L"FullRect", &KS::FullRect, &KS::SetFullRect).Default(false),
                 Prop(L"InsertKeyAppearance", &KS::InsertKeyAppearance, &KS::SetInsertKeyAppearance),
                 Prop(L"KeyboardStates", &KS::KeyboardStates, &KS::SetKeyboardStates)
                     .Default(TdxStatusBarKeyboardStates{dxksCapsLock, dxksNumLock, dxksScrollLock, dxksInsert}),
                 Prop(L"NumLockKeyAppearance", &KS::NumLockKeyAppearance, &KS::SetNumLockKeyAppearance),
                 Prop(L"ParentFont", &PS::ParentFont, &PS::SetParentFont).Default(true),
                 Prop(L"ScrollLockKeyAppearance", &KS::ScrollLockKeyAppearance, &KS::SetScrollLockKeyAppearance))

using CS = TdxStatusBarContainerPanelStyle;
VAMIRE_PUBLISHED(TdxStatusBarContainerPanelStyle,
                 Prop(L"AlignControl", &CS::AlignControl, &CS::SetAlignControl).Default(true),
                 Prop(L"Container", &CS::Container, &CS::SetContainer))

using P = TdxStatusBarPanel;
VAMIRE_PUBLISHED(TdxStatusBarPanel,
                 // Streamed before PanelStyle: it makes the style the values go into.
                 Prop(L"PanelStyleClassName", &P::PanelStyleClassName, &P::SetPanelStyleClassName),
                 Prop(L"PanelStyle", &P::PanelStyle, &P::SetPanelStyle),
                 Prop(L"Bevel", &P::Bevel, &P::SetBevel).Default(dxpbLowered),
                 Prop(L"BiDiMode", &P::BiDiMode, &P::SetBiDiMode).Stored(&P::IsBiDiModeStored),
                 Prop(L"Fixed", &P::Fixed, &P::SetFixed).Default(true),
                 Prop(L"MinWidth", &P::MinWidth, &P::SetMinWidth).Stored(&P::IsMinWidthStored),
                 Prop(L"ParentBiDiMode", &P::ParentBiDiMode, &P::SetParentBiDiMode).Default(true),
                 Prop(L"Text", &P::Text, &P::SetText),
                 Prop(L"Visible", &P::Visible, &P::SetVisible).Default(true),
                 Prop(L"Width", &P::Width, &P::SetWidth).Stored(&P::IsWidthStored),
                 Prop(L"OnClick", &P::OnClick),
                 Prop(L"OnDblClick", &P::OnDblClick),
                 Prop(L"OnDrawPanel", &P::OnDrawPanel))

using SB = TdxCustomStatusBar;
VAMIRE_PUBLISHED(TdxStatusBar,
                 Prop(L"Panels", &SB::Panels, &SB::SetPanels),
                 Prop(L"PaintStyle", &SB::PaintStyle, &SB::SetPaintStyle).Stored(&SB::IsPaintStyleStored),
                 Prop(L"SizeGrip", &SB::SizeGrip, &SB::SetSizeGrip).Default(true),
                 Prop(L"LookAndFeel", &TcxControl::LookAndFeel, &TcxControl::SetLookAndFeel),
                 Prop(L"Images", &SB::Images, &SB::SetImages),
                 Prop(L"BorderWidth", &SB::BorderWidth, &SB::SetBorderWidth).Default(int64_t(0)),
                 Prop(L"BiDiMode", &SB::BiDiMode, &SB::SetBiDiMode).Default(bdLeftToRight),
                 Prop(L"OnHint", &SB::OnHint))

void dxStatusBar_Initialize() {
  TcxRegisteredClasses* styles = GetRegisteredStatusBarPanelStyles();
  styles->Register(TdxStatusBarTextPanelStyle::StaticClass(), LoadResString(&dxSBAR_TEXTPANELSTYLE));
  styles->Register(TdxStatusBarContainerPanelStyle::StaticClass(), LoadResString(&dxSBAR_CONTAINERPANELSTYLE));
  styles->Register(TdxStatusBarKeyboardStatePanelStyle::StaticClass(), LoadResString(&dxSBAR_KEYBOARDSTATEPANELSTYLE));
  styles->Register(TdxStatusBarStateIndicatorPanelStyle::StaticClass(),
                   LoadResString(&dxSBAR_STATEINDICATORPANELSTYLE));
  RegisterClasses({TdxStatusBar::StaticClass(), TdxStatusBarContainerControl::StaticClass()});
}

void dxStatusBar_Finalize() {
  UnRegisterClasses({TdxStatusBar::StaticClass(), TdxStatusBarContainerControl::StaticClass()});
  if (!GPanelStyles) return;
  GPanelStyles->Unregister(TdxStatusBarTextPanelStyle::StaticClass());
  GPanelStyles->Unregister(TdxStatusBarContainerPanelStyle::StaticClass());
  GPanelStyles->Unregister(TdxStatusBarKeyboardStatePanelStyle::StaticClass());
  GPanelStyles->Unregister(TdxStatusBarStateIndicatorPanelStyle::StaticClass());
  delete GPanelStyles;
  GPanelStyles = nullptr;
}

const TUnitEntry dxStatusBarUnit = {L"dxStatusBar", &dxStatusBar_Initialize, &dxStatusBar_Finalize};
