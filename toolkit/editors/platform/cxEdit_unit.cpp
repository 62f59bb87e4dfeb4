// The editor library's start and end, its classes' class methods and the
// published tables of the classes it streams.
#include "cxEdit_win.h"

void cxEditProperties_CreateLiveList();
void cxEditProperties_FreeLiveList();
void cxEditRegistries_Free();

TClass TcxCustomEditProperties::GetContainerClass() { return TcxCustomEdit::StaticClass(); }
TClass TcxCustomEditProperties::GetStyleClass() { return TcxEditStyle::StaticClass(); }
TClass TcxCustomEditProperties::GetViewDataClass() { return TcxCustomEditViewData::StaticClass(); }
TClass TcxCustomEditProperties::GetViewInfoClass() { return TcxCustomEditViewInfo::StaticClass(); }

// --- Streamed classes -----------------------------------------------------------------------
VAMIRE_STREAMED_CLASSES(cxEditStreamed, TcxEditButton, TcxEditAlignment, TcxCustomEditPropertiesValues,
                        TcxCustomEditProperties, TcxCustomEditStyle, TcxEditStyle, TcxEditStyleController,
                        TcxEditRepositoryItem, TcxEditRepository)

using B = TcxEditButton;
VAMIRE_STREAMED_TABLE(cxEditStreamed, TcxEditButton,
                      Prop(L"Caption", &B::Caption, &B::SetCaption),
                      Prop(L"ContentAlignment", &B::ContentAlignment, &B::SetContentAlignment).Default(taCenter),
                      Prop(L"Default", &B::Default, &B::SetDefault).Default(false),
                      Prop(L"Enabled", &B::Enabled, &B::SetEnabled).Default(true),
                      Prop(L"Glyph", &B::GlyphForStream, &B::SetGlyph).Stored(&B::IsGlyphStored),
                      Prop(L"Hint", &B::Hint, &B::SetHint),
                      Prop(L"Kind", &B::Kind, &B::SetKind).Default(bkDown),
                      Prop(L"LeftAlignment", &B::LeftAlignment, &B::SetLeftAlignment).Default(false),
                      Prop(L"Stretchable", &B::Stretchable, &B::SetStretchable).Default(true),
                      Prop(L"Tag", &B::Tag, &B::SetTag).Default(int64_t(0)),
                      Prop(L"Visible", &B::Visible, &B::SetVisible).Default(true),
                      Prop(L"Width", &B::Width, &B::SetWidth).Default(int64_t(0)))

VAMIRE_STREAMED_TABLE(cxEditStreamed, TcxEditAlignment,
                      Prop(L"Horz", &TcxEditAlignment::Horz, &TcxEditAlignment::SetHorz)
                          .Default(taLeftJustify)
                          .Stored(&TcxEditAlignment::IsHorzStored),
                      Prop(L"Vert", &TcxEditAlignment::Vert, &TcxEditAlignment::SetVert)
                          .Default(taTopJustify)
                          .Stored(&TcxEditAlignment::IsVertStored))

// The properties carry ReadOnly themselves.
VAMIRE_STREAMED_TABLE(cxEditStreamed, TcxCustomEditPropertiesValues,
                      Prop(L"ReadOnly", &TcxCustomEditPropertiesValues::ReadOnly,
                           &TcxCustomEditPropertiesValues::SetReadOnly)
                          .Default(false)
                          .Stored(false))

// The kinds publish what suits them.
VAMIRE_STREAMED_TABLE(cxEditStreamed, TcxCustomEditProperties)
VAMIRE_STREAMED_TABLE(cxEditStreamed, TcxCustomEditStyle)

using ES = TcxCustomEditStyle;
VAMIRE_STREAMED_TABLE(cxEditStreamed, TcxEditStyle,
                      Prop(L"BorderStyle", &ES::BorderStyle, &ES::SetBorderStyle)
                          .NoDefault()
                          .Stored(&ES::IsBorderStyleStored),
                      Prop(L"ButtonStyle", &ES::ButtonStyle, &ES::SetButtonStyle)
                          .NoDefault()
                          .Stored(&ES::IsButtonStyleStored),
                      Prop(L"ButtonTransparency", &ES::ButtonTransparency, &ES::SetButtonTransparency)
                          .NoDefault()
                          .Stored(&ES::IsButtonTransparencyStored),
                      Prop(L"Gradient", &ES::Gradient, &ES::SetGradient).NoDefault().Stored(&ES::IsGradientStored),
                      Prop(L"GradientDirection", &ES::GradientDirection, &ES::SetGradientDirection)
                          .NoDefault()
                          .Stored(&ES::IsGradientDirectionStored),
                      Prop(L"PopupBorderStyle", &ES::PopupBorderStyle, &ES::SetPopupBorderStyle)
                          .NoDefault()
                          .Stored(&ES::IsPopupBorderStyleStored))

using SC = TcxEditStyleController;
VAMIRE_STREAMED_TABLE(cxEditStreamed, TcxEditStyleController,
                      Prop(L"Style", &SC::EditStyle, &SC::SetStyle),
                      Prop(L"StyleDisabled", &SC::EditStyleDisabled, &SC::SetStyleDisabled),
                      Prop(L"StyleFocused", &SC::EditStyleFocused, &SC::SetStyleFocused),
                      Prop(L"StyleHot", &SC::EditStyleHot, &SC::SetStyleHot))

VAMIRE_STREAMED_TABLE(cxEditStreamed, TcxEditRepositoryItem,
                      Prop(L"PropertiesEvents", &TcxEditRepositoryItem::PropertiesEvents))
VAMIRE_STREAMED_TABLE(cxEditStreamed, TcxEditRepository)

// --- Unit -----------------------------------------------------------------------------------
namespace {
TcxEditStyleController* GDefaultEditStyleController = nullptr;
}

TcxEditStyleController* GetDefaultEditStyleController() { return GDefaultEditStyleController; }

void cxEdit_Initialize() {
  cxEditProperties_CreateLiveList();
  cxEditStreamed::Register();
  GDefaultEditStyleController = new TcxEditStyleController(nullptr);
  SetDefaultStyleController(GDefaultEditStyleController);
  cxEditControl_Initialize();
}

void cxEdit_Finalize() {
  cxEditControl_Finalize();
  // Styles still attached let go of the controller before it goes.
  SetDefaultStyleController(nullptr);
  delete GDefaultEditStyleController;
  GDefaultEditStyleController = nullptr;
  cxEditRegistries_Free();
  cxEditStreamed::Unregister();
  cxEditProperties_FreeLiveList();
}

const TUnitEntry cxEditUnit{L"cxEdit", &cxEdit_Initialize, &cxEdit_Finalize};
