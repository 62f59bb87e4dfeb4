// What a form file may set on a page control, its pages and their slants, and
// the unit that registers them with the page-control strings.
#include "cxPC_win.h"

using PC = TcxPageControl;
using TC = TcxCustomTabControl;
using TS = TcxTabSheet;

VAMIRE_PUBLISHED(TcxTabSlants,
                 Prop(L"Kind", &TcxTabSlants::Kind, &TcxTabSlants::SetKind).Default(skSlant),
                 Prop(L"Positions", &TcxTabSlants::Positions, &TcxTabSlants::SetPositions)
                     .Default(TcxTabSlantPositions{spLeft}))

VAMIRE_PUBLISHED(TcxPageControl,
                 Prop(L"ActivePage", &PC::ActivePage, &PC::SetActivePage),
                 Prop(L"Focusable", &TC::Focusable, &TC::SetFocusable).Default(true),
                 Prop(L"HideTabs", &TC::HideTabs, &TC::SetHideTabs).Default(false),
                 Prop(L"HotTrack", &TC::HotTrack, &TC::SetHotTrack).Default(false),
                 Prop(L"ImageBorder", &TC::ImageBorder, &TC::SetImageBorder).Default(int64_t(0)),
                 Prop(L"Images", &TC::Images, &TC::SetImages),
                 Prop(L"LookAndFeel", &TcxControl::LookAndFeel, nullptr),
                 Prop(L"MaxRotatedTabWidth", &TC::MaxRotatedTabWidth, &TC::SetMaxRotatedTabWidth).Default(int64_t(0)),
                 Prop(L"MultiLine", &TC::MultiLine, &TC::SetMultiLine).Default(false),
                 Prop(L"NavigatorPosition", &TC::NavigatorPosition, &TC::SetNavigatorPosition).Default(npRightTop),
                 Prop(L"Options", &TC::Options, &TC::SetOptions).Default(cxPCDefaultOptions),
                 Prop(L"OwnerDraw", &TC::OwnerDraw, &TC::SetOwnerDraw).Default(false),
                 Prop(L"RaggedRight", &TC::RaggedRight, &TC::SetRaggedRight).Default(false),
                 Prop(L"Rotate", &TC::Rotate, &TC::SetRotate).Default(false),
                 Prop(L"ScrollOpposite", &TC::ScrollOpposite, &TC::SetScrollOpposite).Default(false),
                 Prop(L"ShowFrame", &TC::ShowFrame, &TC::SetShowFrame).Default(false),
                 Prop(L"Style", &TC::Style, &TC::SetStyle).Default(int64_t(0)),
                 Prop(L"TabHeight", &TC::TabHeight, &TC::SetTabHeight).Default(int64_t(0)),
                 Prop(L"TabPosition", &TC::TabPosition, &TC::SetTabPosition).Default(tpTop),
                 Prop(L"TabSlants", &TC::TabSlants, &TC::SetTabSlants),
                 Prop(L"TabWidth", &TC::TabWidth, &TC::SetTabWidth).Default(int64_t(0)),
                 Prop(L"OnCanClose", &TC::OnCanClose),
                 Prop(L"OnChange", &TC::OnChange),
                 Prop(L"OnDrawTab", &TC::OnDrawTab),
                 Prop(L"OnDrawTabEx", &TC::OnDrawTabEx),
                 Prop(L"OnGetImageIndex", &TC::OnGetImageIndex),
                 Prop(L"OnPageChanging", &PC::OnPageChanging))

// The page control places its pages: a page streams no position, size or visibility.
VAMIRE_PUBLISHED(TcxTabSheet,
                 Prop(L"Left", &TControl::Left, &TControl::SetLeft).Stored(false),
                 Prop(L"Top", &TControl::Top, &TControl::SetTop).Stored(false),
                 Prop(L"Width", &TControl::Width, &TControl::SetWidth).Stored(false),
                 Prop(L"Height", &TControl::Height, &TControl::SetHeight).Stored(false),
                 Prop(L"Visible", &TControl::Visible, &TControl::SetVisible).Stored(false),
                 Prop(L"Highlighted", &TS::Highlighted, &TS::SetHighlighted).Default(false),
                 Prop(L"ImageIndex", &TS::ImageIndex, &TS::SetImageIndex).Default(int64_t(-1)),
                 // The stream's order is the page order; the page control places the page.
                 Prop(L"PageIndex", &TS::PageIndex, &TS::SetPageIndex).Stored(false),
                 Prop(L"TabVisible", &TS::TabVisible, &TS::SetTabVisible).Default(true),
                 Prop(L"OnHide", &TS::OnHide),
                 Prop(L"OnShow", &TS::OnShow))

namespace {
void cxPC_Initialize() {
  cxPCConsts_Initialize();
  RegisterClasses({TcxPageControl::StaticClass(), TcxTabSheet::StaticClass()});
}
void cxPC_Finalize() {
  UnRegisterClasses({TcxPageControl::StaticClass(), TcxTabSheet::StaticClass()});
  cxPCConsts_Finalize();
}
}  // namespace

const TUnitEntry cxPCUnit{L"cxPC", &cxPC_Initialize, &cxPC_Finalize};
