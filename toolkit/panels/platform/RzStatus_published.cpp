// What a form file may set on the status panes, and the unit that registers them.
#include "RzStatus.h"

using S = TRzCustomStatusPane;
using M = TRzMarqueeStatus;

VAMIRE_PUBLISHED(TRzCustomStatusPane,
                 Prop(L"BorderWidth", &S::BorderWidth, &S::SetBorderWidth).Default(int64_t(1)),
                 Prop(L"FillColor", &S::FillColor, &S::SetFillColor).Idents(&ColorIdentMapper).Default(clBtnFace).Stored(&S::IsFillColorStored),
                 Prop(L"FlatColor", &S::FlatColor, &S::SetFlatColor).Idents(&ColorIdentMapper).Default(clBtnShadow),
                 Prop(L"FlatColorAdjustment", &S::FlatColorAdjustment, &S::SetFlatColorAdjustment).Default(int64_t(30)),
                 FrameStyleProp(Prop(L"FrameStyle", &S::FrameStyle, &S::SetFrameStyle).Default(fsFlat)),
                 Prop(L"FrameController", &S::FrameController, &S::SetFrameController),
                 Prop(L"FrameControllerNotifications", &S::FrameControllerNotifications, &S::SetFrameControllerNotifications).Default(AllFrameControllerNotifications()),
                 Prop(L"ParentFillColor", &S::ParentFillColor, &S::SetParentFillColor).Default(true),
                 Prop(L"Transparent", &S::Transparent, &S::SetTransparent).Default(true),
                 Prop(L"OnMouseEnter", &S::OnMouseEnter),
                 Prop(L"OnMouseLeave", &S::OnMouseLeave),
                 Prop(L"OnStartDock", &S::OnStartDock),
                 Prop(L"OnEndDock", &S::OnEndDock))

VAMIRE_PUBLISHED(TRzStatusPane,
                 Prop(L"Alignment", &S::Alignment, &S::SetAlignment).Default(taLeftJustify),
                 Prop(L"AutoHint", &S::AutoHint, &S::SetAutoHint).Default(false),
                 Prop(L"AutoSize", &TControl::AutoSize, &S::SetAutoSize).Default(false),
                 Prop(L"Blinking", &S::Blinking, &S::SetBlinking).Default(false),
                 Prop(L"BlinkColor", &S::BlinkColor, &S::SetBlinkColor).Idents(&ColorIdentMapper).Default(clHighlight),
                 Prop(L"BlinkIntervalOff", &S::BlinkIntervalOff, &S::SetBlinkIntervalOff).Default(int64_t(500)),
                 Prop(L"BlinkIntervalOn", &S::BlinkIntervalOn, &S::SetBlinkIntervalOn).Default(int64_t(500)),
                 Prop(L"CaptionOffset", &S::CaptionOffset, &S::SetCaptionOffset).Default(int64_t(2)),
                 Prop(L"DefaultWidth", &S::DefaultWidth, &S::SetDefaultWidth).Default(int64_t(40)))

VAMIRE_PUBLISHED(TRzMarqueeStatus,
                 Prop(L"ScrollType", &M::ScrollType, &M::SetScrollType).Default(stRightToLeft),
                 Prop(L"Scrolling", &M::Scrolling, &M::SetScrolling).Default(true),
                 Prop(L"ScrollSize", &M::ScrollSize, &M::SetScrollSize).Default(int64_t(1)),
                 Prop(L"ScrollDelay", &M::ScrollDelay, &M::SetScrollDelay).Default(int64_t(100)),
                 Prop(L"OnScrollDisplay", &M::OnScrollDisplay),
                 Prop(L"OnScrollComplete", &M::OnScrollComplete))

namespace {
void InitRzStatus() { RegisterClasses({TRzStatusPane::StaticClass(), TRzMarqueeStatus::StaticClass()}); }
void DoneRzStatus() { UnRegisterClasses({TRzStatusPane::StaticClass(), TRzMarqueeStatus::StaticClass()}); }
}  // namespace

const TUnitEntry RzStatusUnit = {L"RzStatus", &InitRzStatus, &DoneRzStatus};
