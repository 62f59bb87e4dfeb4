#include "dxThemeManager.h"

#include <cstdint>

#include "SysUtils.h"

namespace {

const wchar_t* const kClassNames[dxThemedObjectTypeCount] = {
    L"Button", L"Clock", L"ComboBox", L"Edit", L"ExplorerBar", L"Header", L"ListBox", L"ListView", L"Menu",
    L"Page", L"Progress", L"Rebar", L"ScrollBar", L"Spin", L"StartPanel", L"Status", L"Tab", L"TaskBand",
    L"TaskBar", L"ToolBar", L"ToolTip", L"TrackBar", L"TrayNotify", L"TreeView", L"Window"};

struct TThemeEntry {
  HTHEME Handle = nullptr;
  String ClassList;
};

std::array<TThemeEntry, dxThemedObjectTypeCount> GCache;
bool GThemesActive = false;
TdxThemeChangedEventReceiver* GReceiver = nullptr;

// A listener with the serial it registered under: an object freed during a
// notification and another made at the same address are told apart.
struct TListener {
  TdxThemeChangedNotificator* Object;
  std::uint64_t Serial;
};
std::vector<TListener>* GListeners = nullptr;
std::uint64_t GNextSerial = 1;

bool IsListening(const TListener& listener) {
  if (!GListeners) return false;
  for (const TListener& l : *GListeners)
    if (l.Object == listener.Object && l.Serial == listener.Serial) return true;
  return false;
}

void NotifyListeners() {
  if (!GListeners) return;
  const std::vector<TListener> snapshot = *GListeners;
  for (const TListener& listener : snapshot)
    if (IsListening(listener)) listener.Object->NotifyThemeChanged();
}

}  // namespace

const wchar_t* ThemedObjectClassName(TdxThemedObjectType Kind) { return kClassNames[Kind]; }

bool CanUseThemes(TdxThemedObjectTypes Kinds) {
  if (!GThemesActive || !IsUxThemeLoaded()) return false;
  for (int kind = 0; kind < dxThemedObjectTypeCount; ++kind)
    if (Kinds.Contains(TdxThemedObjectType(kind)) && !AcquireThemeHandle(TdxThemedObjectType(kind))) return false;
  return true;
}

bool CanUseThemeKind(TdxThemedObjectType Kind) {
  return GThemesActive && IsUxThemeLoaded() && AcquireThemeHandle(Kind) != nullptr;
}

HTHEME AcquireThemeHandle(TdxThemedObjectType Kind, const String& ClassList) {
  if (!CanUseThemes()) return nullptr;
  TThemeEntry& entry = GCache[Kind];
  if (entry.Handle) {
    if (ClassList.empty() || UpperCase(ClassList) == UpperCase(entry.ClassList)) return entry.Handle;
    ReleaseThemeHandle(Kind);
  }
  String classList = !ClassList.empty()        ? ClassList
                     : !entry.ClassList.empty() ? entry.ClassList
                                                : String(kClassNames[Kind]);
  entry.Handle = OpenThemeData(nullptr, classList.c_str());
  if (entry.Handle) entry.ClassList = std::move(classList);
  else entry.ClassList.clear();
  return entry.Handle;
}

HRESULT ReleaseThemeHandle(TdxThemedObjectType Kind) {
  if (!CanUseThemes()) return S_FALSE;
  TThemeEntry& entry = GCache[Kind];
  if (!entry.Handle) return S_OK;
  const HRESULT result = CloseThemeData(entry.Handle);
  entry.Handle = nullptr;
  entry.ClassList.clear();
  return result;
}

void ReleaseAllThemeHandles() {
  for (TThemeEntry& entry : GCache) {
    if (entry.Handle) CloseThemeData(entry.Handle);
    entry.Handle = nullptr;
  }
}

bool IsLunaOrRoyaleTheme() {
  if (!CanUseThemes()) return false;
  wchar_t fileName[1024] = {};
  if (FAILED(GetCurrentThemeName(fileName, 1024, nullptr, 0, nullptr, 0))) return false;
  const String name = UpperCase(ExtractFileName(fileName));
  return name == L"LUNA.MSSTYLES" || name == L"ROYALE.MSSTYLES";
}

// --- Listeners ---------------------------------------------------------------------------
TdxThemeChangedNotificator::TdxThemeChangedNotificator() {
  if (GListeners) GListeners->push_back(TListener{this, GNextSerial++});
}

TdxThemeChangedNotificator::~TdxThemeChangedNotificator() {
  if (!GListeners) return;
  for (auto it = GListeners->begin(); it != GListeners->end(); ++it)
    if (it->Object == this) {
      GListeners->erase(it);
      break;
    }
}

void TdxThemeChangedNotificator::NotifyThemeChanged() {
  if (OnThemeChanged) OnThemeChanged(this);
}

// --- Change receiver ---------------------------------------------------------------------
TdxThemeChangedEventReceiver::TdxThemeChangedEventReceiver() {
  FWindowHandle = AllocateHWnd(TWndMethod(this, &TdxThemeChangedEventReceiver::WndProc));
}

TdxThemeChangedEventReceiver::~TdxThemeChangedEventReceiver() {
  GThemesActive = false;
  DeallocateHWnd(FWindowHandle);
}

void TdxThemeChangedEventReceiver::WndProc(TMessage& Message) {
  if (Message.Msg != WM_THEMECHANGED && Message.Msg != WM_SYSCOLORCHANGE) {
    Message.Result = DefWindowProcW(FWindowHandle, Message.Msg, Message.WParam, Message.LParam);
    return;
  }
  try {
    ReleaseAllThemeHandles();
    DefWindowProcW(FWindowHandle, Message.Msg, Message.WParam, Message.LParam);
    GThemesActive = IsThemeActive() != FALSE;
    NotifyListeners();
  } catch (...) {
    HandleCallbackException(this);
  }
  Message.Result = 0;
}

TdxThemeChangedEventReceiver* ThemeChangedEventReceiver() { return GReceiver; }

// --- Unit --------------------------------------------------------------------------------
void dxThemeManager_Initialize() {
  if (!IsUxThemeLoaded()) return;
  GThemesActive = IsThemeActive() != FALSE;
  GReceiver = new TdxThemeChangedEventReceiver();
  GListeners = new std::vector<TListener>();
}

void dxThemeManager_Finalize() {
  if (GReceiver) {
    delete GReceiver;
    GReceiver = nullptr;
  }
  ReleaseAllThemeHandles();
  for (TThemeEntry& entry : GCache) entry.ClassList.clear();
  delete GListeners;
  GListeners = nullptr;
  GThemesActive = false;
}

const TUnitEntry dxThemeManagerUnit{L"dxThemeManager", dxThemeManager_Initialize, dxThemeManager_Finalize};
