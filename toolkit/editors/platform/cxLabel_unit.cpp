// What a form file may set on a label, and the unit that registers it.
#include "cxExtEditConsts.h"
#include "cxLabel_win.h"

TcxLabelProperties* TcxCustomLabel::GetProperties() const {
  return static_cast<TcxLabelProperties*>(TcxCustomEdit::Properties());
}

VAMIRE_STREAMED_CLASSES(cxLabelStreamed, TcxLabelLineOptions, TcxCustomLabelProperties, TcxLabelProperties,
                        TcxCustomLabel, TcxLabel)

using LineO = TcxLabelLineOptions;
VAMIRE_STREAMED_TABLE(cxLabelStreamed, TcxLabelLineOptions,
                      Prop(L"Alignment", &LineO::Alignment, &LineO::SetAlignment).Default(cxllaCenter),
                      Prop(L"InnerColor", &LineO::InnerColor, &LineO::SetInnerColor)
                          .Idents(&ColorIdentMapper)
                          .Default(int64_t(clDefault)),
                      Prop(L"OuterColor", &LineO::OuterColor, &LineO::SetOuterColor)
                          .Idents(&ColorIdentMapper)
                          .Default(int64_t(clDefault)),
                      Prop(L"Visible", &LineO::Visible, &LineO::SetVisible).Default(false))

VAMIRE_STREAMED_TABLE(cxLabelStreamed, TcxCustomLabelProperties)

using LabP = TcxCustomLabelProperties;
using EP = TcxCustomEditProperties;
VAMIRE_STREAMED_TABLE(cxLabelStreamed, TcxLabelProperties,
                      Prop(L"Alignment", &EP::Alignment, &EP::SetAlignment).Stored(&EP::IsAlignmentStored),
                      Prop(L"Angle", &LabP::Angle, &LabP::SetAngle).Default(int64_t(0)),
                      Prop(L"Depth", &LabP::Depth, &LabP::SetDepth).Default(int64_t(0)),
                      Prop(L"Glyph", &LabP::Glyph, &LabP::SetGlyph).Stored(&LabP::IsGlyphStored),
                      Prop(L"LabelEffect", &LabP::LabelEffect, &LabP::SetLabelEffect).Default(cxleNormal),
                      Prop(L"LabelStyle", &LabP::LabelStyle, &LabP::SetLabelStyle).Default(cxlsNormal),
                      Prop(L"LineOptions", &LabP::LineOptions, &LabP::SetLineOptions),
                      Prop(L"Orientation", &LabP::Orientation, &LabP::SetOrientation).Default(cxoRightBottom),
                      Prop(L"PenWidth", &LabP::PenWidth, &LabP::SetPenWidth).Default(int64_t(1)),
                      Prop(L"ShadowedColor", &LabP::ShadowedColor, &LabP::SetShadowedColor)
                          .Idents(&ColorIdentMapper)
                          .Default(int64_t(clGrayText)),
                      Prop(L"ShowAccelChar", &LabP::ShowAccelChar, &LabP::SetShowAccelChar).Default(true),
                      Prop(L"ShowEndEllipsis", &LabP::ShowEndEllipsis, &LabP::SetShowEndEllipsis).Stored(false),
                      Prop(L"WordWrap", &LabP::WordWrap, &LabP::SetWordWrap).Default(false))

VAMIRE_STREAMED_TABLE(cxLabelStreamed, TcxCustomLabel)

using CL = TcxCustomLabel;
using C = TcxContainer;
VAMIRE_STREAMED_TABLE(cxLabelStreamed, TcxLabel,
                      Prop(L"AutoSize", &TcxCustomEdit::AutoSize, &CL::SetAutoSize).Default(true),
                      Prop(L"FocusControl", &CL::FocusControl, &CL::SetFocusControl),
                      Prop(L"ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(true),
                      Prop(L"Properties", &CL::GetProperties, &CL::SetProperties),
                      Prop(L"Style", &C::Style, &C::SetStyle),
                      Prop(L"StyleDisabled", &C::StyleDisabled, &C::SetStyleDisabled),
                      Prop(L"StyleFocused", &C::StyleFocused, &C::SetStyleFocused),
                      Prop(L"StyleHot", &C::StyleHot, &C::SetStyleHot),
                      Prop(L"TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder).NoDefault().Stored(false),
                      Prop(L"Transparent", &TcxCustomEdit::Transparent, &TcxCustomEdit::SetTransparent)
                          .Default(false))

namespace {

void cxLabel_Initialize() {
  cxLabelStreamed::Register();
  EditPropertiesRegistry()->Register(TcxLabelProperties::StaticClass(),
                                     LoadResString(&scxSEditRepositoryLabelItem));
}

void cxLabel_Finalize() {
  if (TcxRegisteredClasses* registry = EditPropertiesRegistry())
    registry->Unregister(TcxLabelProperties::StaticClass());
  cxLabelStreamed::Unregister();
}

}  // namespace

const TUnitEntry cxLabelUnit{L"cxLabel", &cxLabel_Initialize, &cxLabel_Finalize};
