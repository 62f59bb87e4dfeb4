// What a form file may set on a track bar, and the unit that registers it.
#include "cxTrackBar_win.h"

VAMIRE_STREAMED_CLASSES(cxTrackBarStreamed, TcxTrackBarProperties, TcxCustomTrackBar, TcxTrackBar)

using P = TcxTrackBarProperties;
using V = TcxTrackBarProperties::TValues;
using EP = TcxCustomEditProperties;
VAMIRE_STREAMED_TABLE(
    cxTrackBarStreamed, TcxTrackBarProperties,
    Prop(L"AutoSize", &P::Value<&V::AutoSize>, &P::SetValue<&V::AutoSize>).Default(true),
    Prop(L"BorderWidth", &P::Value<&V::BorderWidth>, &P::SetValue<&V::BorderWidth>).Default(int64_t(0)),
    Prop(L"ClearKey", &EP::ClearKey, &EP::SetClearKey).Default(int64_t(0)),
    Prop(L"Frequency", &P::Value<&V::Frequency>, &P::SetValue<&V::Frequency>).Default(int64_t(1)),
    Prop(L"Max", &P::Value<&V::Max>, &P::SetValue<&V::Max>).Default(int64_t(10)),
    Prop(L"Min", &P::Value<&V::Min>, &P::SetValue<&V::Min>).Default(int64_t(0)),
    Prop(L"Orientation", &P::Value<&V::Orientation>, &P::SetValue<&V::Orientation>).Default(tboHorizontal),
    Prop(L"PageSize", &P::Value<&V::PageSize>, &P::SetValue<&V::PageSize>).Default(int64_t(1)),
    Prop(L"SelectionColor", &P::Value<&V::SelectionColor>, &P::SetValue<&V::SelectionColor>)
        .Idents(&ColorIdentMapper)
        .Default(int64_t(clHighlight)),
    Prop(L"SelectionEnd", &P::Value<&V::SelectionEnd>, &P::SetValue<&V::SelectionEnd>).Default(int64_t(0)),
    Prop(L"SelectionStart", &P::Value<&V::SelectionStart>, &P::SetValue<&V::SelectionStart>).Default(int64_t(0)),
    Prop(L"ShowTicks", &P::Value<&V::ShowTicks>, &P::SetValue<&V::ShowTicks>).Default(true),
    Prop(L"ShowTrack", &P::Value<&V::ShowTrack>, &P::SetValue<&V::ShowTrack>).Default(true),
    Prop(L"TextOrientation", &P::Value<&V::TextOrientation>, &P::SetValue<&V::TextOrientation>)
        .Default(tbtoHorizontal),
    Prop(L"ThumbColor", &P::Value<&V::ThumbColor>, &P::SetValue<&V::ThumbColor>)
        .Idents(&ColorIdentMapper)
        .Default(int64_t(clBtnFace)),
    Prop(L"ThumbHeight", &P::Value<&V::ThumbHeight>, &P::SetValue<&V::ThumbHeight>).Default(int64_t(12)),
    Prop(L"ThumbHighlightColor", &P::Value<&V::ThumbHighlightColor>, &P::SetValue<&V::ThumbHighlightColor>)
        .Idents(&ColorIdentMapper)
        .Default(int64_t(clSilver)),
    Prop(L"ThumbStep", &P::Value<&V::ThumbStep>, &P::SetValue<&V::ThumbStep>).Default(cxtsNormal),
    Prop(L"ThumbType", &P::Value<&V::ThumbType>, &P::SetValue<&V::ThumbType>).Default(cxttRegular),
    Prop(L"ThumbWidth", &P::Value<&V::ThumbWidth>, &P::SetValue<&V::ThumbWidth>).Default(int64_t(7)),
    Prop(L"TickColor", &P::Value<&V::TickColor>, &P::SetValue<&V::TickColor>)
        .Idents(&ColorIdentMapper)
        .Default(int64_t(clWindowText)),
    Prop(L"TickMarks", &P::Value<&V::TickMarks>, &P::SetValue<&V::TickMarks>).Default(cxtmBottomRight),
    Prop(L"TickSize", &P::Value<&V::TickSize>, &P::SetValue<&V::TickSize>).Default(int64_t(3)),
    Prop(L"TickType", &P::Value<&V::TickType>, &P::SetValue<&V::TickType>).Default(tbttTicks),
    Prop(L"TrackColor", &P::Value<&V::TrackColor>, &P::SetValue<&V::TrackColor>)
        .Idents(&ColorIdentMapper)
        .Default(int64_t(clWindow)),
    Prop(L"TrackSize", &P::Value<&V::TrackSize>, &P::SetValue<&V::TrackSize>).Default(int64_t(5)),
    Prop(L"OnChange", &EP::OnChange), Prop(L"OnDrawThumb", &P::OnDrawThumb),
    Prop(L"OnGetThumbRect", &P::OnGetThumbRect))

VAMIRE_STREAMED_TABLE(cxTrackBarStreamed, TcxCustomTrackBar)

using T = TcxCustomTrackBar;
using C = TcxContainer;
VAMIRE_STREAMED_TABLE(cxTrackBarStreamed, TcxTrackBar,
                      Prop(L"ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(true),
                      Prop(L"Position", &T::Position, &T::SetPosition).Default(int64_t(0)),
                      Prop(L"Properties", &T::GetProperties, &T::SetProperties),
                      Prop(L"Style", &C::Style, &C::SetStyle),
                      Prop(L"StyleDisabled", &C::StyleDisabled, &C::SetStyleDisabled),
                      Prop(L"StyleFocused", &C::StyleFocused, &C::SetStyleFocused),
                      Prop(L"StyleHot", &C::StyleHot, &C::SetStyleHot),
                      Prop(L"Transparent", &TcxCustomEdit::Transparent, &TcxCustomEdit::SetTransparent)
                          .Default(false),
                      Prop(L"OnEditing", &TcxCustomEdit::OnEditing))

namespace {

void cxTrackBar_Initialize() {
  cxTrackBarStreamed::Register();
  EditPropertiesRegistry()->Register(TcxTrackBarProperties::StaticClass(),
                                     LoadResString(&scxSEditRepositoryTrackBarItem));
}

void cxTrackBar_Finalize() {
  if (TcxRegisteredClasses* registry = EditPropertiesRegistry())
    registry->Unregister(TcxTrackBarProperties::StaticClass());
  cxTrackBarStreamed::Unregister();
}

}  // namespace

const TUnitEntry cxTrackBarUnit{L"cxTrackBar", &cxTrackBar_Initialize, &cxTrackBar_Finalize};
