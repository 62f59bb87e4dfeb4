// One open theme per kind of themed object, kept until the system's theme or
// colours change; whether themes can be used at all; and the listeners told
// of a theme change. "No themes" wherever the visual-styles library is
// missing or visual styles are off.
#pragma once

#include <array>
#include <vector>

#include "HiddenWindow.h"
#include "dxUxTheme.h"

enum TdxThemedObjectType {
  totButton, totClock, totComboBox, totEdit, totExplorerBar, totHeader, totListBox, totListView, totMenu, totPage,
  totProgress, totRebar, totScrollBar, totSpin, totStartPanel, totStatus, totTab, totTaskBand, totTaskBar,
  totToolBar, totToolTip, totTrackBar, totTrayNotify, totTreeView, totWindow
};
constexpr int dxThemedObjectTypeCount = totWindow + 1;
using TdxThemedObjectTypes = TSet<TdxThemedObjectType, dxThemedObjectTypeCount>;

// The theme class each kind opens when no class list is given ("Button" .. "Window").
const wchar_t* ThemedObjectClassName(TdxThemedObjectType Kind);

// Themes active and the library loaded; with kinds given, also every one of
// them opens (tried in kind order, the first failure answers false).
bool CanUseThemes(TdxThemedObjectTypes Kinds = {});
bool CanUseThemeKind(TdxThemedObjectType Kind);
// The cached theme of a kind, opened on first use; 0 when themes can't be
// used or the class doesn't open. A class list differing (ignoring case) from
// the one cached closes the cached theme and opens the new list. An empty
// list means none given: the list last used, else the kind's class.
HTHEME AcquireThemeHandle(TdxThemedObjectType Kind, const String& ClassList = String());
// S_FALSE (1) when themes can't be used (nothing done), S_OK (0) when the kind
// has no theme, else what closing it answers; the kind's stored list is cleared.
HRESULT ReleaseThemeHandle(TdxThemedObjectType Kind);
// Closes every cached theme; the class lists stay, so the next request of a
// kind reopens the list it used last.
void ReleaseAllThemeHandles();
// The current theme file (path stripped) is LUNA.MSSTYLES or ROYALE.MSSTYLES.
bool IsLunaOrRoyaleTheme();

// A listener of theme changes for its own lifetime (registered only where the
// library is loaded).
class TdxThemeChangedNotificator : public TObject {
  VAMIRE_CLASS(TdxThemeChangedNotificator, TObject)
 public:
  TdxThemeChangedNotificator();
  ~TdxThemeChangedNotificator() override;
  // Calls OnThemeChanged when assigned.
  virtual void NotifyThemeChanged();

  TNotifyEvent OnThemeChanged;
};

// The hidden window that hears the system's WM_THEMECHANGED and
// WM_SYSCOLORCHANGE: it drops every cached theme, re-reads the themes-active
// flag and tells each listener once (those added meanwhile are not told,
// those removed meanwhile are skipped).
class TdxThemeChangedEventReceiver : public TObject {
  VAMIRE_CLASS(TdxThemeChangedEventReceiver, TObject)
 public:
  TdxThemeChangedEventReceiver();
  ~TdxThemeChangedEventReceiver() override;
  HWND Handle() const { return FWindowHandle; }

 private:
  void WndProc(TMessage& Message);
  HWND FWindowHandle = nullptr;
};

// The receiver while the unit runs with the library loaded, else null.
TdxThemeChangedEventReceiver* ThemeChangedEventReceiver();

void dxThemeManager_Initialize();
void dxThemeManager_Finalize();
extern const TUnitEntry dxThemeManagerUnit;
