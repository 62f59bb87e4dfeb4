// What a form file may set on a group box, and the unit that registers it.
#include "cxGroupBox_win.h"

VAMIRE_STREAMED_CLASSES(cxGroupBoxStreamed, TcxPanelStyle, TcxCustomGroupBoxProperties, TcxGroupBoxProperties,
                        TcxCustomGroupBox, TcxGroupBox)

using PS = TcxPanelStyle;
VAMIRE_STREAMED_TABLE(cxGroupBoxStreamed, TcxPanelStyle,
                      Prop(L"Active", &PS::Active, &PS::SetActive).Default(false),
                      Prop(L"BorderWidth", &PS::BorderWidth, &PS::SetBorderWidth).Default(int64_t(0)),
                      Prop(L"CaptionIndent", &PS::CaptionIndent, &PS::SetCaptionIndent).Default(int64_t(2)),
                      Prop(L"OfficeBackgroundKind", &PS::OfficeBackgroundKind, &PS::SetOfficeBackgroundKind)
                          .Default(pobkOffice11Color),
                      Prop(L"WordWrap", &PS::WordWrap, &PS::SetWordWrap).Default(false))

VAMIRE_STREAMED_TABLE(cxGroupBoxStreamed, TcxCustomGroupBoxProperties)
VAMIRE_STREAMED_TABLE(cxGroupBoxStreamed, TcxGroupBoxProperties)

using GB = TcxCustomGroupBox;
VAMIRE_STREAMED_TABLE(cxGroupBoxStreamed, TcxCustomGroupBox,
                      Prop(L"Alignment", &GB::Alignment, &GB::SetAlignment).Default(alTopLeft),
                      Prop(L"CaptionBkColor", &GB::CaptionBkColor, &GB::SetCaptionBkColor).Stored(false),
                      Prop(L"Color", &GB::StyleColor, &GB::SetStyleColor).Stored(false),
                      Prop(L"PanelStyle", &GB::PanelStyle, &GB::SetPanelStyle),
                      Prop(L"ParentBackground", &TWinControl::ParentBackground, &TWinControl::SetParentBackground)
                          .Default(true),
                      Prop(L"ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(true),
                      Prop(L"RedrawOnResize", &GB::RedrawOnResize, &GB::SetRedrawOnResize).Default(true),
                      Prop(L"StyleDisabled", &TcxContainer::StyleDisabled, &TcxContainer::SetStyleDisabled),
                      Prop(L"StyleFocused", &TcxContainer::StyleFocused, &TcxContainer::SetStyleFocused),
                      Prop(L"StyleHot", &TcxContainer::StyleHot, &TcxContainer::SetStyleHot),
                      Prop(L"TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder).NoDefault(),
                      Prop(L"Transparent", &TcxCustomEdit::Transparent, &TcxCustomEdit::SetTransparent).Default(false),
                      Prop(L"OnCustomDraw", &GB::OnCustomDraw), Prop(L"OnCustomDrawCaption", &GB::OnCustomDrawCaption),
                      Prop(L"OnCustomDrawContentBackground", &GB::OnCustomDrawContentBackground),
                      Prop(L"OnMeasureCaptionHeight", &GB::OnMeasureCaptionHeight),
                      Prop(L"OnEnter", &TWinControl::OnEnter), Prop(L"OnExit", &TWinControl::OnExit))

VAMIRE_STREAMED_TABLE(cxGroupBoxStreamed, TcxGroupBox,
                      Prop(L"Style", &TcxGroupBox::Style, &TcxGroupBox::SetStyle),
                      Prop(L"TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(false))

void cxGroupBox_Initialize() { cxGroupBoxStreamed::Register(); }

void cxGroupBox_Finalize() { cxGroupBoxStreamed::Unregister(); }

const TUnitEntry cxGroupBoxUnit{L"cxGroupBox", &cxGroupBox_Initialize, &cxGroupBox_Finalize};
