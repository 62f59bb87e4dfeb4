// What the tests of the look-and-feel settings, the Office colour set and the
// ultra-flat, Office11 and native painters share: the look-and-feel units in
// the program's order, and a recording fake of the visual-styles library that
// a test puts in force for its lifetime (D-44, D-45).
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "cxLookAndFeelPainters_native_win.h"
#include "cxLookAndFeelPainters_ultraflat_win.h"
#include "cxLookAndFeels.h"
#include "dxOffice11_win.h"
#include "lookandfeel_test_support.h"
#include "support/TestPrefix.h"

namespace lookandfeel2_test {

using namespace lookandfeel_test;

// The look-and-feel units and those under them, in the program's order.
class TLookAndFeelUnits : public testing::Environment {
 public:
  void SetUp() override {
    InitializeUnits({dxUxThemeUnit, dxThemeManagerUnit, dxCoreUnit, cxGraphicsUnit, dxOffice11Unit,
                     cxLookAndFeelsUnit, cxLookAndFeelPaintersUnit});
  }
  void TearDown() override { FinalizeUnits(); }
};

// One call of the fake that draws.
struct TThemeCall {
  std::wstring Class;
  int Part = 0, State = 0;
  TRect Rect;
  friend bool operator==(const TThemeCall&, const TThemeCall&) = default;
};
inline std::ostream& operator<<(std::ostream& os, const TThemeCall& c) {
  std::string name(c.Class.begin(), c.Class.end());
  return os << name << " part " << c.Part << " state " << c.State << " (" << c.Rect.Left << ", " << c.Rect.Top
            << ", " << c.Rect.Right << ", " << c.Rect.Bottom << ")";
}

// The visual-styles library played by a recording fake: themes are active,
// every class opens unless refused, nothing is drawn, each drawing call is
// recorded. Part sizes are those set in Sizes (others fail); the current
// theme's file and colour names are those set (empty file: the call fails).
// Put in force by the constructor (the theme manager is told of the change,
// as the system would tell it), the system's library back by the destructor.
class TFakeThemeLibrary {
 public:
  // Each library closes only the themes it opened.
  TFakeThemeLibrary() {
    ReleaseAllThemeHandles();
    Current() = this;
    FPrevious = SetUxThemeApi(Api());
    SendThemeChange();
  }
  ~TFakeThemeLibrary() {
    Active = false;
    SendThemeChange();
    SetUxThemeApi(FPrevious);
    Current() = nullptr;
    SendThemeChange();
  }
  TFakeThemeLibrary(const TFakeThemeLibrary&) = delete;
  TFakeThemeLibrary& operator=(const TFakeThemeLibrary&) = delete;

  // What the system sends on a theme change: the cache closes every theme.
  static void SendThemeChange() {
    if (TdxThemeChangedEventReceiver* receiver = ThemeChangedEventReceiver())
      SendMessageW(receiver->Handle(), WM_THEMECHANGED, 0, 0);
  }
  void SetActive(bool AActive) {
    Active = AActive;
    SendThemeChange();
  }
  void Refuse(const std::wstring& AClass) {
    Refused.push_back(AClass);
    SendThemeChange();
  }
  std::vector<TThemeCall> TakeCalls() {
    std::vector<TThemeCall> calls;
    calls.swap(Calls);
    return calls;
  }

  bool Active = true;
  std::vector<std::wstring> Refused;
  std::map<std::pair<std::wstring, int>, SIZE> Sizes;  // (class, part) -> size
  std::map<std::tuple<std::wstring, int, int, int>, COLORREF> Colors;  // (class, part, state, property)
  std::wstring ThemeFile, ColorName;
  std::vector<TThemeCall> Calls;
  struct TText {
    std::wstring Text;
    int Part, State;
    DWORD Flags;
    TRect Rect;
  };
  std::vector<TText> Texts;

 private:
  static TFakeThemeLibrary*& Current() {
    static TFakeThemeLibrary* current = nullptr;
    return current;
  }
  // A theme handle is 1 + the index of its class in the list of opened classes.
  std::vector<std::wstring> FOpened;
  const std::wstring& ClassOf(HTHEME theme) const { return FOpened[std::size_t(INT_PTR(theme)) - 1]; }

  static HTHEME WINAPI Open(HWND, LPCWSTR classList) {
    TFakeThemeLibrary* f = Current();
    for (const std::wstring& refused : f->Refused)
      if (_wcsicmp(refused.c_str(), classList) == 0) return nullptr;
    f->FOpened.push_back(classList);
    return reinterpret_cast<HTHEME>(INT_PTR(f->FOpened.size()));
  }
  static HRESULT WINAPI Close(HTHEME) { return S_OK; }
  static HRESULT WINAPI Draw(HTHEME theme, HDC, int part, int state, const RECT* r, const RECT*) {
    Current()->Calls.push_back(
        TThemeCall{Current()->ClassOf(theme), part, state, TRect{r->left, r->top, r->right, r->bottom}});
    return S_OK;
  }
  static HRESULT WINAPI Text(HTHEME, HDC, int part, int state, LPCWSTR text, int, DWORD flags, DWORD,
                             const RECT* r) {
    Current()->Texts.push_back(TText{text, part, state, flags, TRect{r->left, r->top, r->right, r->bottom}});
    return S_OK;
  }
  static HRESULT WINAPI Edge(HTHEME theme, HDC, int part, int state, const RECT* r, UINT, UINT, RECT*) {
    return Draw(theme, nullptr, part, state, r, nullptr);
  }
  static HRESULT WINAPI PartSize(HTHEME theme, HDC, int part, int, const RECT*, THEMESIZE, SIZE* size) {
    TFakeThemeLibrary* f = Current();
    auto it = f->Sizes.find({f->ClassOf(theme), part});
    if (it == f->Sizes.end()) return E_FAIL;
    *size = it->second;
    return S_OK;
  }
  static HRESULT WINAPI Fail6(HTHEME, HDC, int, int, const RECT*, RECT*) { return E_FAIL; }
  static HRESULT WINAPI Color(HTHEME theme, int part, int state, int property, COLORREF* color) {
    TFakeThemeLibrary* f = Current();
    auto it = f->Colors.find({f->ClassOf(theme), part, state, property});
    if (it == f->Colors.end()) return E_FAIL;
    *color = it->second;
    return S_OK;
  }
  static BOOL WINAPI Opaque(HTHEME, int, int) { return FALSE; }
  static BOOL WINAPI IsActive() { return Current() && Current()->Active; }
  static HRESULT WINAPI ThemeName(LPWSTR file, int fileChars, LPWSTR color, int colorChars, LPWSTR, int) {
    TFakeThemeLibrary* f = Current();
    if (f->ThemeFile.empty()) return E_FAIL;
    lstrcpynW(file, f->ThemeFile.c_str(), fileChars);
    if (color) lstrcpynW(color, f->ColorName.c_str(), colorChars);
    return S_OK;
  }
  static TdxUxThemeApi Api() {
    TdxUxThemeApi api;
    api.Loaded = true;
    api.OpenThemeData = &Open;
    api.CloseThemeData = &Close;
    api.DrawThemeBackground = &Draw;
    api.DrawThemeText = &Text;
    api.DrawThemeEdge = &Edge;
    api.GetThemePartSize = &PartSize;
    api.GetThemeBackgroundContentRect = &Fail6;
    api.GetThemeColor = &Color;
    api.IsThemeBackgroundPartiallyTransparent = &Opaque;
    api.IsThemeActive = &IsActive;
    api.GetCurrentThemeName = &ThemeName;
    return api;
  }
  TdxUxThemeApi FPrevious;
};

}  // namespace lookandfeel2_test
