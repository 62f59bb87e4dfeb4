// The screen object: forms in activation order, fonts, monitors and the work area.
#include <algorithm>

#include "Forms.h"

namespace {

int CALLBACK CollectFontFace(const LOGFONTW* LogFont, const TEXTMETRICW*, DWORD, LPARAM Data) {
  try {
    reinterpret_cast<TStringList*>(Data)->Add(LogFont->lfFaceName);
  } catch (...) {
    HandleCallbackException(nullptr);
    return 0;
  }
  return 1;
}

BOOL CALLBACK CollectMonitor(HMONITOR Monitor, HDC, LPRECT, LPARAM Data) {
  reinterpret_cast<std::vector<HMONITOR>*>(Data)->push_back(Monitor);
  return TRUE;
}

MONITORINFO MonitorInfo(HMONITOR Handle) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(Handle, &info);
  return info;
}

TRect FromRECT(const RECT& r) { return TRect{r.left, r.top, r.right, r.bottom}; }

DWORD MonitorFlags(TMonitorDefaultTo Default) {
  switch (Default) {
    case mdNull:
      return MONITOR_DEFAULTTONULL;
    case mdPrimary:
      return MONITOR_DEFAULTTOPRIMARY;
    default:
      return MONITOR_DEFAULTTONEAREST;
  }
}

}  // namespace

// --- Monitors ---------------------------------------------------------------------------------

TRect TMonitor::BoundsRect() const { return FromRECT(MonitorInfo(FHandle).rcMonitor); }
TRect TMonitor::WorkareaRect() const { return FromRECT(MonitorInfo(FHandle).rcWork); }
int TMonitor::Width() const {
  const TRect r = BoundsRect();
  return r.Right - r.Left;
}
int TMonitor::Height() const {
  const TRect r = BoundsRect();
  return r.Bottom - r.Top;
}
bool TMonitor::Primary() const { return (MonitorInfo(FHandle).dwFlags & MONITORINFOF_PRIMARY) != 0; }

// --- Screen -------------------------------------------------------------------------------------

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {
  FHintFont = new TFont;
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
    FHintFont->SetHandle(CreateFontIndirectW(&metrics.lfStatusFont));
  FHintFont->SetColor(clInfoText);
}

TScreen::~TScreen() {
  for (TMonitor* m : FMonitors) delete m;
  delete FFonts;
  delete FHintFont;
}

TCustomForm* TScreen::Forms(int Index) const {
  if (Index < 0 || Index >= FormCount()) TList::Error(&SListIndexError, Index);
  return FForms[size_t(Index)];
}

void TScreen::AddForm(TCustomForm* Form) {
  if (std::find(FForms.begin(), FForms.end(), Form) == FForms.end()) FForms.push_back(Form);
}

void TScreen::RemoveForm(TCustomForm* Form) {
  FForms.erase(std::remove(FForms.begin(), FForms.end(), Form), FForms.end());
  if (FFocusedForm == Form) FFocusedForm = nullptr;
  if (FActiveForm == Form) {
    FActiveForm = nullptr;
    FActiveControl = nullptr;
    if (OnActiveFormChange) OnActiveFormChange(this);
  }
}

// The form just activated moves to the front of the list, so Forms(0) is the
// most recently active one.
void TScreen::SetActiveForm(TCustomForm* Form) {
  if (Form) {
    auto it = std::find(FForms.begin(), FForms.end(), Form);
    if (it != FForms.end()) std::rotate(FForms.begin(), it, it + 1);
  }
  if (Form == FActiveForm) return;
  FActiveForm = Form;
  if (OnActiveFormChange) OnActiveFormChange(this);
}

void TScreen::SetActiveControl(TWinControl* Control) {
  if (Control == FActiveControl) return;
  FActiveControl = Control;
  if (OnActiveControlChange) OnActiveControlChange(this);
}

// The list object stays the same for the screen's life; a reset refills it.
TStrings* TScreen::Fonts() {
  if (!FFonts) {
    FFonts = new TStringList;
    FFonts->SetSorted(true);
    FFonts->SetDuplicates(dupIgnore);
  }
  if (!FFontsValid) {
    FFonts->BeginUpdate();
    FFonts->Clear();
    HDC dc = GetDC(nullptr);
    LOGFONTW filter{};
    filter.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(dc, &filter, &CollectFontFace, reinterpret_cast<LPARAM>(FFonts), 0);
    ReleaseDC(nullptr, dc);
    FFonts->EndUpdate();
    FFontsValid = true;
  }
  return FFonts;
}

void TScreen::ResetFonts() { FFontsValid = false; }

int TScreen::PixelsPerInch() const { return ScreenLogPixels(); }

TRect TScreen::DesktopRect() const {
  return TRect{DesktopLeft(), DesktopTop(), DesktopLeft() + DesktopWidth(), DesktopTop() + DesktopHeight()};
}

TRect TScreen::WorkAreaRect() const {
  RECT r{};
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0)) return TRect{0, 0, Width(), Height()};
  return FromRECT(r);
}

int TScreen::WorkAreaWidth() const {
  const TRect r = WorkAreaRect();
  return r.Right - r.Left;
}

int TScreen::WorkAreaHeight() const {
  const TRect r = WorkAreaRect();
  return r.Bottom - r.Top;
}

// Monitor objects that are still there are kept, so pointers handed out
// stay valid across a display change for the displays that remain.
void TScreen::EnumMonitors() {
  if (FMonitorsValid) return;
  std::vector<HMONITOR> handles;
  EnumDisplayMonitors(nullptr, nullptr, &CollectMonitor, reinterpret_cast<LPARAM>(&handles));
  std::vector<TMonitor*> monitors;
  for (HMONITOR h : handles) {
    auto it = std::find_if(FMonitors.begin(), FMonitors.end(), [h](TMonitor* m) { return m->FHandle == h; });
    TMonitor* m = it != FMonitors.end() ? *it : new TMonitor;
    if (it != FMonitors.end()) FMonitors.erase(it);
    m->FHandle = h;
    m->FMonitorNum = int(monitors.size());
    monitors.push_back(m);
  }
  for (TMonitor* gone : FMonitors) delete gone;
  FMonitors = std::move(monitors);
  FMonitorsValid = true;
}

int TScreen::MonitorCount() {
  EnumMonitors();
  return int(FMonitors.size());
}

TMonitor* TScreen::Monitors(int Index) {
  EnumMonitors();
  if (Index < 0 || Index >= int(FMonitors.size())) TList::Error(&SListIndexError, Index);
  return FMonitors[size_t(Index)];
}

TMonitor* TScreen::FindMonitor(HMONITOR Handle) {
  if (!Handle) return nullptr;
  EnumMonitors();
  for (TMonitor* m : FMonitors)
    if (m->FHandle == Handle) return m;
  // A monitor that appeared since the list was made: read the list again.
  FMonitorsValid = false;
  EnumMonitors();
  for (TMonitor* m : FMonitors)
    if (m->FHandle == Handle) return m;
  return nullptr;
}

TMonitor* TScreen::PrimaryMonitor() {
  EnumMonitors();
  for (TMonitor* m : FMonitors)
    if (m->Primary()) return m;
  return FMonitors.empty() ? nullptr : FMonitors.front();
}

TMonitor* TScreen::MonitorFromPoint(const TPoint& Point, TMonitorDefaultTo MonitorDefault) {
  return FindMonitor(::MonitorFromPoint(POINT{Point.X, Point.Y}, MonitorFlags(MonitorDefault)));
}

TMonitor* TScreen::MonitorFromRect(const TRect& Rect, TMonitorDefaultTo MonitorDefault) {
  return FindMonitor(::MonitorFromRect(AsRect(Rect), MonitorFlags(MonitorDefault)));
}

TMonitor* TScreen::MonitorFromWindow(HWND Handle, TMonitorDefaultTo MonitorDefault) {
  return FindMonitor(::MonitorFromWindow(Handle, MonitorFlags(MonitorDefault)));
}

void TScreen::DisplayChanged() {
  FMonitorsValid = false;
  ResetFonts();
}
