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


namespace {

// The library's cursors, loaded from the program's resources and registered under their ids.
struct TLibraryCursor {
  TCursor Id;
  const wchar_t* Resource;
};
constexpr TLibraryCursor kCursors[] = {
    {crcxDragCopy, L"CX_DRAGCOPYCURSOR"},         {TCursor(crcxFullScroll), L"CX_FULLSCROLLCURSOR"},
    {TCursor(crcxHorScroll), L"CX_HORSCROLLCURSOR"}, {TCursor(crcxVerScroll), L"CX_VERSCROLLCURSOR"},
    {TCursor(crcxUpScroll), L"CX_UPSCROLLCURSOR"},   {TCursor(crcxRightScroll), L"CX_RIGHTSCROLLCURSOR"},
    {TCursor(crcxDownScroll), L"CX_DOWNSCROLLCURSOR"}, {TCursor(crcxLeftScroll), L"CX_LEFTSCROLLCURSOR"},
    {crcxRemove, L"CX_REMOVECURSOR"},             {crcxVertSize, L"CX_VERTSIZECURSOR"},
    {crcxHorzSize, L"CX_HORZSIZECURSOR"},         {crcxMultiDrag, L"CX_MULTIDRAGCURSOR"},
    {crcxNoDrop, L"CX_NODROPCURSOR"},             {crcxDrag, L"CX_DRAGCURSOR"},
    {crcxColorPicker, L"CX_COLORPICKERCURSOR"},   {crcxMultiDragCopy, L"CX_MULTIDRAGCOPYCURSOR"},
};

void LoadLibraryCursors() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  // Not shared: the registry destroys a handle it lets go of.
  for (const TLibraryCursor& c : kCursors)
    if (HANDLE cursor = LoadImageW(instance, c.Resource, IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE))
      SetCursorHandle(c.Id, static_cast<HCURSOR>(cursor));
  SetCursorHandle(crcxHandPoint, LoadCursorW(nullptr, IDC_HAND));
}

void FreeLibraryCursors() {
  for (const TLibraryCursor& c : kCursors) SetCursorHandle(c.Id, nullptr);
  SetCursorHandle(crcxHandPoint, nullptr);
}

}  // namespace

void cxControls_Initialize() {
  cxControlsFinalizing = false;
  LoadLibraryCursors();
  GroupDescendentsWith(TcxControlChildComponent::StaticClass(), TControl::StaticClass());
  RegisterClasses({TcxScrollBar::StaticClass()});
}

void cxControls_Finalize() {
  cxControlsFinalizing = true;
  UnRegisterClasses({TcxScrollBar::StaticClass()});
  FreeMouseTrackingTimers();
  FreeSettingsController();
  FreeLibraryCursors();
  FreePaintBuffer();
}

const TUnitEntry cxControlsUnit{L"cxControls", cxControls_Initialize, cxControls_Finalize};
