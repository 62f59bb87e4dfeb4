// The unit of the toolkit's own controls: what it registers when it starts and
// frees when it ends.
#include "cxControls_internal.h"
#include "cxControls_win.h"

bool cxControlsFinalizing = false;

// What a form file may set on the toolkit's own controls (kept with the unit
// entry, so the linker keeps both).
using SB = TcxScrollBar;

VAMIRE_PUBLISHED(TcxScrollBar,
                 Prop(L"Ctl3D", &SB::Ctl3D, &SB::SetCtl3D).Default(true).Stored(&SB::IsCtl3DStored),
                 Prop(L"Kind", &SB::Kind, &SB::SetKind).Default(sbHorizontal),
                 Prop(L"LargeChange", &SB::LargeChange, &SB::SetLargeChange).Default(int64_t(1)),
                 Prop(L"LookAndFeel", &SB::LookAndFeel, &SB::SetLookAndFeel),
                 Prop(L"Max", &SB::Max, &SB::SetMax).Default(int64_t(100)),
                 Prop(L"Min", &SB::Min, &SB::SetMin).Default(int64_t(0)),
                 Prop(L"PageSize", &SB::PageSize, &SB::SetPageSize).Default(int64_t(0)),
                 Prop(L"Position", &SB::Position, &SB::SetPosition).Default(int64_t(0)),
                 Prop(L"SmallChange", &SB::SmallChange, &SB::SetSmallChange).Default(int64_t(1)),
                 Prop(L"UnlimitedTracking", &SB::UnlimitedTracking, &SB::SetUnlimitedTracking).Default(false),
                 Prop(L"OnChange", &SB::OnChange),
                 Prop(L"OnScroll", &SB::OnScroll))


void cxControls_Initialize() {
  cxControlsFinalizing = false;
  GroupDescendentsWith(TcxControlChildComponent::StaticClass(), TControl::StaticClass());
  RegisterClasses({TcxScrollBar::StaticClass()});
}

void cxControls_Finalize() {
  cxControlsFinalizing = true;
  UnRegisterClasses({TcxScrollBar::StaticClass()});
  FreeMouseTrackingTimers();
  FreeSettingsController();
}

const TUnitEntry cxControlsUnit{L"cxControls", cxControls_Initialize, cxControls_Finalize};
