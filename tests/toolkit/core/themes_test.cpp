// The theme library and its handle cache. The cache rules are checked with a
// recording fake in place of the visual-styles library; the real library is
// checked in both prefixes (the program runs once in each): no themes in the
// plain one, and in the themed one a part drawn through the library equals
// the same part drawn by a direct call of the system library.
#include <gtest/gtest.h>

#include <vssym32.h>

#include <string>
#include <vector>

#include "Units.h"
#include "cxDWMApi.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"
#include "support/TestPrefix.h"
#include "support/WindowCapture.h"

namespace {

// --- The recording fake ------------------------------------------------------------------
struct TFakeTheme {
  bool Active = true;
  std::vector<std::wstring> Opened;  // class lists, in call order
  std::vector<HTHEME> Closed;
  std::vector<std::wstring> Refused;  // class lists that do not open
  std::wstring ThemeFile;             // empty: GetCurrentThemeName fails
  HFONT FontSetByParentBackground = nullptr;
  int NextHandle = 0x100;
};
TFakeTheme* Fake = nullptr;

HTHEME WINAPI FakeOpen(HWND, LPCWSTR classList) {
  for (const std::wstring& refused : Fake->Refused)
    if (refused == classList) return nullptr;
  Fake->Opened.push_back(classList);
  return reinterpret_cast<HTHEME>(INT_PTR(Fake->NextHandle++));
}
HRESULT WINAPI FakeClose(HTHEME theme) {
  Fake->Closed.push_back(theme);
  return S_OK;
}
BOOL WINAPI FakeIsThemeActive() { return Fake->Active; }
HRESULT WINAPI FakeThemeName(LPWSTR name, int chars, LPWSTR, int, LPWSTR, int) {
  if (Fake->ThemeFile.empty()) return E_FAIL;
  lstrcpynW(name, Fake->ThemeFile.c_str(), chars);
  return S_OK;
}
HRESULT WINAPI FakeParentBackground(HWND, HDC dc, const RECT*) {
  SelectObject(dc, Fake->FontSetByParentBackground);
  return S_OK;
}

TdxUxThemeApi FakeApi() {
  TdxUxThemeApi api;
  api.Loaded = true;
  api.OpenThemeData = &FakeOpen;
  api.CloseThemeData = &FakeClose;
  api.IsThemeActive = &FakeIsThemeActive;
  api.GetCurrentThemeName = &FakeThemeName;
  api.DrawThemeParentBackground = &FakeParentBackground;
  return api;
}

// Starts the theme manager over the fake; ends every unit afterwards.
class ThemeCacheTest : public testing::Test {
 protected:
  void SetUp() override {
    Fake = &fake;
    InitializeUnits({dxUxThemeUnit});
    SetUxThemeApi(api);
    InitializeUnits({dxThemeManagerUnit});
  }
  void TearDown() override {
    FinalizeUnits();
    Fake = nullptr;
  }
  // What the system sends on a theme or colour change, sent to the receiver.
  static void SendChange(UINT message = WM_THEMECHANGED) {
    ASSERT_NE(ThemeChangedEventReceiver(), nullptr);
    SendMessageW(ThemeChangedEventReceiver()->Handle(), message, 0, 0);
  }
  static HTHEME Handle(int n) { return reinterpret_cast<HTHEME>(INT_PTR(n)); }

  TFakeTheme fake;
  TdxUxThemeApi api = FakeApi();
};

TEST_F(ThemeCacheTest, AClassOpensOncePerNameInAnyLetterCaseAndAnotherNameReplacesIt) {
  const HTHEME button = AcquireThemeHandle(totButton);
  EXPECT_EQ(button, Handle(0x100));
  for (const wchar_t* same : {L"", L"Button", L"BUTTON", L"button"})
    EXPECT_EQ(AcquireThemeHandle(totButton, same), button) << same;
  EXPECT_EQ(fake.Opened, std::vector<std::wstring>{L"Button"});

  const HTHEME explorer = AcquireThemeHandle(totButton, L"Explorer::Button");
  EXPECT_EQ(fake.Closed, std::vector<HTHEME>{button});
  EXPECT_EQ(AcquireThemeHandle(totButton), explorer);  // no list given: the one cached
  EXPECT_EQ(AcquireThemeHandle(totEdit), Handle(0x102));
  EXPECT_EQ(fake.Opened, (std::vector<std::wstring>{L"Button", L"Explorer::Button", L"Edit"}));
}

TEST_F(ThemeCacheTest, EveryChangeClosesTheThemesTellsEachListenerOnceAndReopensWithTheListLastUsed) {
  for (UINT message : {UINT(WM_THEMECHANGED), UINT(WM_SYSCOLORCHANGE)}) {
    SCOPED_TRACE(message);
    ReleaseThemeHandle(totWindow);  // a fresh start: no theme, no list
    ReleaseThemeHandle(totEdit);
    fake.Opened.clear();
    fake.Closed.clear();
    const HTHEME window = AcquireThemeHandle(totWindow);
    const HTHEME edit = AcquireThemeHandle(totEdit, L"MyEdit");
    struct TListener : TObject {
      int Calls = 0;
      void Changed(TObject*) { ++Calls; }
    } a, b;
    TdxThemeChangedNotificator first, second;
    first.OnThemeChanged = TNotifyEvent(&a, &TListener::Changed);
    second.OnThemeChanged = TNotifyEvent(&b, &TListener::Changed);

    SendChange(message);
    EXPECT_EQ(fake.Closed, (std::vector<HTHEME>{edit, window}));  // in kind order: Edit before Window
    EXPECT_EQ(a.Calls, 1);
    EXPECT_EQ(b.Calls, 1);
    AcquireThemeHandle(totEdit);
    AcquireThemeHandle(totWindow);
    EXPECT_EQ(fake.Opened, (std::vector<std::wstring>{L"Window", L"MyEdit", L"MyEdit", L"Window"}));
  }
}

TEST_F(ThemeCacheTest, ListenersAddedOrRemovedDuringANotificationFollowTheSnapshot) {
  struct TListeners : TObject {
    TdxThemeChangedNotificator* first = new TdxThemeChangedNotificator();
    TdxThemeChangedNotificator* second = new TdxThemeChangedNotificator();
    TdxThemeChangedNotificator* third = new TdxThemeChangedNotificator();
    TdxThemeChangedNotificator* added = nullptr;
    std::vector<std::string> calls;
    void First(TObject*) {
      calls.push_back("first");
      delete second;  // removed meanwhile: skipped
      second = nullptr;
      if (!added) {
        added = new TdxThemeChangedNotificator();  // added meanwhile: not told this time
        added->OnThemeChanged = TNotifyEvent(this, &TListeners::Added);
      }
    }
    void Second(TObject*) { calls.push_back("second"); }
    void Third(TObject*) {
      calls.push_back("third");
      delete third;  // removes itself
      third = nullptr;
    }
    void Added(TObject*) { calls.push_back("added"); }
    ~TListeners() override {
      delete first;
      delete second;
      delete third;
      delete added;
    }
  } l;
  l.first->OnThemeChanged = TNotifyEvent(&l, &TListeners::First);
  l.second->OnThemeChanged = TNotifyEvent(&l, &TListeners::Second);
  l.third->OnThemeChanged = TNotifyEvent(&l, &TListeners::Third);

  SendChange();
  EXPECT_EQ(l.calls, (std::vector<std::string>{"first", "third"}));
  SendChange();
  EXPECT_EQ(l.calls, (std::vector<std::string>{"first", "third", "first", "added"}));
}

TEST_F(ThemeCacheTest, ThemesTurnedOffMeanNoHandlesAndReleaseAnswersOneLeavingTheListsAlone) {
  AcquireThemeHandle(totEdit, L"MyEdit");
  fake.Active = false;
  SendChange();
  EXPECT_FALSE(CanUseThemes());
  EXPECT_EQ(AcquireThemeHandle(totEdit), nullptr);
  EXPECT_EQ(ReleaseThemeHandle(totEdit), S_FALSE);
  EXPECT_EQ(fake.Opened.size(), 1u);

  fake.Active = true;
  SendChange();
  EXPECT_TRUE(CanUseThemes());
  AcquireThemeHandle(totEdit);
  EXPECT_EQ(fake.Opened.back(), L"MyEdit") << "the stored list was lost while themes were off";
  EXPECT_EQ(ReleaseThemeHandle(totEdit), S_OK);
  EXPECT_EQ(ReleaseThemeHandle(totEdit), S_OK);  // nothing cached any more
  AcquireThemeHandle(totEdit);
  EXPECT_EQ(fake.Opened.back(), L"Edit");
}

TEST_F(ThemeCacheTest, AClassThatDoesNotOpenAnswersZeroEachTimeAndSpoilsEverySetHoldingIt) {
  fake.Refused = {L"Spin"};
  EXPECT_EQ(AcquireThemeHandle(totSpin), nullptr);
  EXPECT_EQ(AcquireThemeHandle(totSpin), nullptr);
  EXPECT_FALSE(CanUseThemeKind(totSpin));
  EXPECT_TRUE(CanUseThemeKind(totTab));
  EXPECT_TRUE(CanUseThemes());
  EXPECT_TRUE(CanUseThemes({totButton, totTab}));
  EXPECT_FALSE(CanUseThemes({totButton, totSpin, totTaskBar}));
  // Kinds are tried in order and the first failure ends the test: TaskBar (after Spin) is never opened.
  EXPECT_EQ(fake.Opened, (std::vector<std::wstring>{L"Tab", L"Button"}));
}

TEST_F(ThemeCacheTest, TheThemeFileNameDecidesLunaOrRoyale) {
  const std::pair<const wchar_t*, bool> cases[] = {
      {L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles", true},
      {L"C:\\WINDOWS\\Resources\\Themes\\Royale\\royale.MSSTYLES", true},
      {L"C:\\windows\\resources\\themes\\light\\light.msstyles", false},
      {L"", false}};  // the name cannot be read
  for (auto [file, expected] : cases) {
    fake.ThemeFile = file;
    EXPECT_EQ(IsLunaOrRoyaleTheme(), expected) << file;
  }
}

TEST_F(ThemeCacheTest, TheParentBackgroundLeavesTheFontOfTheDCAsItWas) {
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT mine = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
  fake.FontSetByParentBackground = static_cast<HFONT>(GetStockObject(SYSTEM_FIXED_FONT));
  HGDIOBJ old = SelectObject(dc, mine);
  RECT r{0, 0, 10, 10};
  EXPECT_EQ(DrawThemeParentBackground(nullptr, dc, &r), S_OK);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), mine);
  SelectObject(dc, old);
  DeleteObject(mine);
  DeleteDC(dc);
}

TEST(ThemeLibraryTest, MissingExportsMakeTheirWrappersFailAndMissingLibraryMeansNoThemes) {
  InitializeUnits({dxUxThemeUnit});
  TdxUxThemeApi empty;
  empty.Loaded = true;  // the library, but none of its exports
  SetUxThemeApi(empty);
  InitializeUnits({dxThemeManagerUnit});
  RECT r{0, 0, 4, 4};
  SIZE size{};
  COLORREF color = 0;
  HTHEME theme = reinterpret_cast<HTHEME>(INT_PTR(1));
  EXPECT_EQ(OpenThemeData(nullptr, L"Button"), nullptr);
  EXPECT_EQ(CloseThemeData(theme), E_NOTIMPL);
  EXPECT_EQ(DrawThemeBackgroundByRect(theme, nullptr, 1, 1, r), E_NOTIMPL);
  EXPECT_EQ(DrawThemeTextFromAnsi(theme, nullptr, 1, 1, "Text", 0, 0, &r), E_NOTIMPL);
  EXPECT_EQ(GetThemePartSizeNoRect(theme, nullptr, 1, 1, TS_TRUE, &size), E_NOTIMPL);
  EXPECT_EQ(GetThemeColor(theme, 1, 1, TMT_TEXTCOLOR, &color), E_NOTIMPL);
  EXPECT_FALSE(IsThemeBackgroundPartiallyTransparent(theme, 1, 1));
  EXPECT_FALSE(IsThemeActive());
  EXPECT_EQ(BeginBufferedPaint(nullptr, &r, BPBF_TOPDOWNDIB, nullptr, nullptr), nullptr);
  EXPECT_FALSE(CanUseThemes());
  FinalizeUnits();

  InitializeUnits({dxUxThemeUnit});
  SetUxThemeApi(TdxUxThemeApi());  // no library at all
  InitializeUnits({dxThemeManagerUnit});
  EXPECT_FALSE(IsUxThemeLoaded());
  EXPECT_EQ(ThemeChangedEventReceiver(), nullptr);
  TdxThemeChangedNotificator nowhere;  // registers nowhere, and goes quietly
  EXPECT_EQ(AcquireThemeHandle(totButton), nullptr);
  EXPECT_EQ(ReleaseThemeHandle(totButton), S_FALSE);
  EXPECT_FALSE(IsLunaOrRoyaleTheme());
  FinalizeUnits();
}

// --- The real library in this prefix ---------------------------------------------------
class RealThemeTest : public testing::Test {
 protected:
  void SetUp() override { InitializeUnits({dxUxThemeUnit, dxThemeManagerUnit, cxDWMApiUnit}); }
  void TearDown() override { FinalizeUnits(); }
};

TEST_F(RealThemeTest, ThemesAreUsableExactlyInTheThemedPrefix) {
  const bool themed = vamire_test::InThemedPrefix();
  EXPECT_TRUE(IsUxThemeLoaded());
  EXPECT_EQ(CanUseThemes(), themed);
  EXPECT_EQ(CanUseThemeKind(totButton), themed);
  EXPECT_EQ(CanUseThemes({totButton, totEdit, totScrollBar}), themed);
  EXPECT_EQ(AcquireThemeHandle(totButton) != nullptr, themed);
  EXPECT_EQ(ReleaseThemeHandle(totButton), themed ? S_OK : S_FALSE);
}

TEST_F(RealThemeTest, APartDrawnThroughTheLibraryEqualsADirectThemeCall) {
  constexpr int W = 75, H = 23;
  HDC screen = GetDC(nullptr);
  auto draw = [&](auto paint) {
    HDC dc = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = vamire_test::CreateTopDownDib(dc, W, H, &bits);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT r{0, 0, W, H};
    HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));  // a colour no theme draws a button in
    FillRect(dc, &r, magenta);
    DeleteObject(magenta);
    paint(dc, r);
    vamire_test::Capture capture = vamire_test::CaptureDC(dc, 0, 0, W, H);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return capture;
  };

  const HTHEME theme = AcquireThemeHandle(totButton);
  vamire_test::Capture library = draw([&](HDC dc, const RECT& r) {
    const HRESULT result = DrawThemeBackgroundByRect(theme, dc, BP_PUSHBUTTON, PBS_NORMAL, r);
    EXPECT_EQ(SUCCEEDED(result), vamire_test::InThemedPrefix());
  });
  if (!vamire_test::InThemedPrefix()) {
    EXPECT_EQ(theme, nullptr);
    EXPECT_EQ(library.CountNot(0xFF00FF), 0u) << "something was drawn without themes";
    ReleaseDC(nullptr, screen);
    return;
  }

  HMODULE system = LoadLibraryW(L"uxtheme.dll");
  using TOpen = HTHEME(WINAPI*)(HWND, LPCWSTR);
  using TDraw = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, const RECT*);
  using TClose = HRESULT(WINAPI*)(HTHEME);
  auto open = reinterpret_cast<TOpen>(reinterpret_cast<void*>(GetProcAddress(system, "OpenThemeData")));
  auto drawBackground = reinterpret_cast<TDraw>(reinterpret_cast<void*>(GetProcAddress(system, "DrawThemeBackground")));
  auto close = reinterpret_cast<TClose>(reinterpret_cast<void*>(GetProcAddress(system, "CloseThemeData")));
  HTHEME direct = open(nullptr, L"Button");
  ASSERT_NE(direct, nullptr);
  vamire_test::Capture expected =
      draw([&](HDC dc, const RECT& r) { EXPECT_EQ(drawBackground(direct, dc, BP_PUSHBUTTON, PBS_NORMAL, &r, nullptr), S_OK); });
  close(direct);
  FreeLibrary(system);
  ReleaseDC(nullptr, screen);

  library.SavePng(L"themes_push_button.png");
  EXPECT_GT(expected.CountNot(0xFF00FF), size_t(W * H / 2)) << "the theme drew no button";
  EXPECT_EQ(library.Pixels, expected.Pixels);
}

// --- Composition -------------------------------------------------------------------------
BOOL GCompositionOn = FALSE;
HRESULT GCompositionResult = S_OK;
HRESULT WINAPI FakeComposition(BOOL* enabled) {
  *enabled = GCompositionOn;
  return GCompositionResult;
}

TEST_F(RealThemeTest, CompositionIsOnOnlyWhenTheLoadedLibraryReportsIt) {
  const TcxDwmApi real = DwmApi();
  struct TCase {
    bool loaded;
    bool bound;
    BOOL on;
    HRESULT result;
    bool expected;
  };
  const TCase cases[] = {{true, true, TRUE, S_OK, true},    {true, true, FALSE, S_OK, false},
                         {true, true, TRUE, E_FAIL, false}, {true, false, TRUE, S_OK, false},
                         {false, true, TRUE, S_OK, false}};
  for (const TCase& c : cases) {
    TcxDwmApi fake;
    fake.Loaded = c.loaded;
    fake.DwmIsCompositionEnabled = c.bound ? &FakeComposition : nullptr;
    GCompositionOn = c.on;
    GCompositionResult = c.result;
    SetDwmApi(fake);
    EXPECT_EQ(IsDwmApiLoaded(), c.loaded);
    EXPECT_EQ(IsDwmCompositionEnabled(), c.expected) << c.loaded << c.bound << c.on << c.result;
  }
  SetDwmApi(real);
}

TEST_F(RealThemeTest, OnMajorVersionFiveTheCompositionLibraryIsNeverLoaded) {
  LoadDwmApi(5);
  EXPECT_FALSE(IsDwmApiLoaded());
  EXPECT_FALSE(IsDwmCompositionEnabled());
  LoadDwmApi(6);
  EXPECT_TRUE(IsDwmApiLoaded());
  EXPECT_NE(DwmApi().DwmIsCompositionEnabled, nullptr);
}

}  // namespace
