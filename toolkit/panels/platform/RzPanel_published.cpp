// What a form file may set on a bordered panel, and the unit that registers it.
#include "RzPanel.h"

using P = TRzCustomPanel;

VAMIRE_PUBLISHED(TRzCustomPanel,
                 Prop(L"BorderOuter", &P::BorderOuter, &P::SetBorderOuter).Default(fsRaised),
                 Prop(L"BorderInner", &P::BorderInner, &P::SetBorderInner).Default(fsNone),
                 Prop(L"BorderSides", &P::BorderSides, &P::SetBorderSides).Default(sdAllSides),
                 Prop(L"BorderColor", &P::BorderColor, &P::SetBorderColor).Idents(&ColorIdentMapper).Default(clBtnFace),
                 Prop(L"BorderHighlight", &P::BorderHighlight, &P::SetBorderHighlight).Idents(&ColorIdentMapper).Default(clBtnHighlight),
                 Prop(L"BorderShadow", &P::BorderShadow, &P::SetBorderShadow).Idents(&ColorIdentMapper).Default(clBtnShadow),
                 Prop(L"FlatColor", &P::FlatColor, &P::SetFlatColor).Idents(&ColorIdentMapper).Default(clBtnShadow),
                 Prop(L"FlatColorAdjustment", &P::FlatColorAdjustment, &P::SetFlatColorAdjustment).Default(int64_t(30)),
                 Prop(L"VisualStyle", &P::VisualStyle, &P::SetVisualStyle).Default(vsWinXP),
                 Prop(L"GradientColorStyle", &P::GradientColorStyle, &P::SetGradientColorStyle).Default(gcsSystem),
                 Prop(L"GradientColorStart", &P::GradientColorStart, &P::SetGradientColorStart).Idents(&ColorIdentMapper).Default(clWhite),
                 Prop(L"GradientColorStop", &P::GradientColorStop, &P::SetGradientColorStop).Idents(&ColorIdentMapper).Default(clBtnFace),
                 Prop(L"GradientDirection", &P::GradientDirection, &P::SetGradientDirection).Default(gdHorizontalEnd),
                 Prop(L"PaintClientArea", &P::PaintClientArea, &P::SetPaintClientArea).Default(true),
                 Prop(L"Transparent", &P::Transparent, &P::SetTransparent).Default(false),
                 Prop(L"ShowGrid", &P::ShowGrid, &P::SetShowGrid).Default(false),
                 Prop(L"GridColor", &P::GridColor, &P::SetGridColor).Idents(&ColorIdentMapper).Default(clBtnShadow),
                 Prop(L"GridStyle", &P::GridStyle, &P::SetGridStyle).Default(gsDots),
                 Prop(L"GridXSize", &P::GridXSize, &P::SetGridXSize).Default(int64_t(8)),
                 Prop(L"GridYSize", &P::GridYSize, &P::SetGridYSize).Default(int64_t(8)),
                 Prop(L"AlignmentVertical", &P::AlignmentVertical, &P::SetAlignmentVertical).Default(avCenter),
                 Prop(L"TextMargin", &P::TextMargin, &P::SetTextMargin).Default(int64_t(0)),
                 Prop(L"TextMarginVertical", &P::TextMarginVertical, &P::SetTextMarginVertical).Default(int64_t(0)),
                 Prop(L"WordWrap", &P::WordWrap, &P::SetWordWrap).Default(true),
                 Prop(L"FrameController", &P::FrameController, &P::SetFrameController),
                 Prop(L"FrameControllerNotifications", &P::FrameControllerNotifications, &P::SetFrameControllerNotifications).Default(AllFrameControllerNotifications()),
                 Prop(L"ShowDockClientCaptions", &P::ShowDockClientCaptions, &P::SetShowDockClientCaptions).Default(true),
                 Prop(L"DockSite", &P::DockSite, &P::SetDockSite).Default(false),
                 Prop(L"UseDockManager", &P::UseDockManager, &P::SetUseDockManager).Default(true),
                 Prop(L"AutoSize", &TControl::AutoSize, &TControl::SetAutoSize).Default(false),
                 Prop(L"BiDiMode", &P::BiDiMode, &P::SetBiDiMode).Default(bdLeftToRight),
                 Prop(L"ParentBiDiMode", &P::ParentBiDiMode, &P::SetParentBiDiMode).Default(true),
                 // The runtime panel's own bevel stays off: only a changed one is written.
                 Prop(L"BevelOuter", &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter).Default(bvNone),
                 Prop(L"OnPaint", &TCustomControl::OnPaint),
                 Prop(L"OnMouseEnter", &P::OnMouseEnter),
                 Prop(L"OnMouseLeave", &P::OnMouseLeave),
                 Prop(L"OnDockDrop", &P::OnDockDrop),
                 Prop(L"OnDockOver", &P::OnDockOver),
                 Prop(L"OnEndDock", &P::OnEndDock),
                 Prop(L"OnGetSiteInfo", &P::OnGetSiteInfo),
                 Prop(L"OnStartDock", &P::OnStartDock),
                 Prop(L"OnUnDock", &P::OnUnDock))

namespace {
void InitRzPanel() { RegisterClasses({TRzPanel::StaticClass()}); }
void DoneRzPanel() { UnRegisterClasses({TRzPanel::StaticClass()}); }
}  // namespace

const TUnitEntry RzPanelUnit = {L"RzPanel", &InitRzPanel, &DoneRzPanel};
