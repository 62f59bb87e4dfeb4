// The format controller's message window under Windows: WM_SETTINGCHANGE for
// the locale re-reads the settings and tells each listener once, other setting
// changes tell nobody, WM_TIMECHANGE reaches the time listeners, and listeners
// that leave or fail while being told do no harm. Locale values are injected
// (D-46): nothing here changes the prefix's regional settings.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include <windows.h>

#include "Forms.h"
#include "Units.h"
#include "cxDateUtils.h"
#include "cxFormats_win.h"
#include "cxLibraryStrs.h"
#include "formats_test.h"

namespace {

using formats_test::ChineseSettings;
using formats_test::EnglishSettings;
using formats_test::TInjectedLocale;
using formats_test::TLocaleScope;

class TListener : public TcxIUnknownObject, public IcxFormatControllerListener2, public IcxFormatControllerListener {
 public:
  TListener(std::vector<std::string>* log, std::string name, bool hearsTime)
      : FLog(log), FName(std::move(name)), FHearsTime(hearsTime) {}
  bool GetInterface(const TGUID& iid, void** obj) override {
    if (FHearsTime && InterfaceTable<IcxFormatControllerListener2>(this, iid, obj)) return true;
    return InterfaceTable<IcxFormatControllerListener>(this, iid, obj) || TcxIUnknownObject::GetInterface(iid, obj);
  }
  void FormatChanged() override {
    FLog->push_back(FName);
    if (OnChanged) OnChanged();
  }
  void TimeChanged() override { FLog->push_back(FName + " time"); }
  std::function<void()> OnChanged;

 private:
  std::vector<std::string>* FLog;
  std::string FName;
  bool FHearsTime;
};

class FormatWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    InitializeUnits({FormsUnit, dxCoreUnit, cxLibraryStrsUnit, cxDateUtilsUnit, cxFormatsUnit});
  }
  void TearDown() override { FinalizeUnits(); }

  static LRESULT SettingChange(HWND wnd, WPARAM flag, const wchar_t* section) {
    return SendMessageW(wnd, WM_SETTINGCHANGE, flag, reinterpret_cast<LPARAM>(section));
  }
};

TEST_F(FormatWindowTest, LocaleChangeTellsEachListenerOnce) {
  TLocaleScope locale(EnglishSettings(), L"h:mm:ss tt");
  TcxFormatController* controller = GetFormatController();
  ASSERT_NE(controller, nullptr);
  controller->Refresh();
  EXPECT_EQ(controller->CurrencyFormat(), L"$,0.00;($,0.00)");
  std::vector<std::string> log;
  TListener a(&log, "a", false), b(&log, "b", true);
  EXPECT_EQ(FormatControllerWindowHandle(controller), nullptr);
  controller->AddListener(&a);
  controller->AddListener(&b);
  const HWND wnd = FormatControllerWindowHandle(controller);
  ASSERT_TRUE(IsWindow(wnd));
  EXPECT_EQ(GetWindowThreadProcessId(wnd, nullptr), GetCurrentThreadId());
  EXPECT_EQ(GetParent(wnd), nullptr) << "top level, so broadcasts reach it";

  TInjectedLocale::NextSettings = ChineseSettings();
  TInjectedLocale::TimeFormat = L"H:mm:ss";
  EXPECT_EQ(SettingChange(wnd, 0, L"intl"), 0);
  EXPECT_EQ(log, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(TInjectedLocale::ThreadLocale, 0x400u);
  EXPECT_EQ(TInjectedLocale::Reads, 1);
  EXPECT_EQ(controller->CurrencyFormat(), L"¥,0.00;¥-,0.00");
  EXPECT_EQ(controller->StandardDateTimeEditMask(), L"!9999/99/99\\ 99:99:99;1; ");

  // Other changes tell nobody and read nothing.
  log.clear();
  EXPECT_EQ(SettingChange(wnd, 0, L"Windows"), 0);
  EXPECT_EQ(SettingChange(wnd, SPI_SETWORKAREA, L"intl"), 0);
  EXPECT_EQ(SettingChange(wnd, 0, nullptr), 0);
  EXPECT_EQ(SettingChange(wnd, 0, L"INTL"), 0);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(TInjectedLocale::Reads, 1);

  // The time change reaches only listeners with the time interface.
  EXPECT_EQ(SendMessageW(wnd, WM_TIMECHANGE, 0, 0), 0);
  EXPECT_EQ(log, (std::vector<std::string>{"b time"}));

  // A program that keeps its format settings hears nothing.
  log.clear();
  Application->SetUpdateFormatSettings(false);
  EXPECT_EQ(SettingChange(wnd, 0, L"intl"), 0);
  EXPECT_TRUE(log.empty());
  Application->SetUpdateFormatSettings(true);

  // Anything else is the default procedure's.
  wchar_t text[16] = L"unchanged";
  EXPECT_EQ(SendMessageW(wnd, WM_GETTEXT, 16, reinterpret_cast<LPARAM>(text)), 0);
  EXPECT_STREQ(text, L"");

  controller->RemoveListener(&a);
  controller->RemoveListener(&b);
  EXPECT_FALSE(IsWindow(wnd)) << "the last listener takes the window with it";
}

// The last listener may leave while it is told; its window goes in the middle of its own message.
TEST_F(FormatWindowTest, ListenerLeavingWhileToldTakesTheWindowSafely) {
  TLocaleScope locale(EnglishSettings(), L"h:mm:ss tt");
  TcxFormatController* controller = GetFormatController();
  std::vector<std::string> log;
  TListener a(&log, "a", false);
  a.OnChanged = [&] { controller->RemoveListener(&a); };
  controller->AddListener(&a);
  const HWND wnd = FormatControllerWindowHandle(controller);
  EXPECT_EQ(SettingChange(wnd, 0, L"intl"), 0);
  EXPECT_EQ(log, (std::vector<std::string>{"a"}));
  EXPECT_EQ(controller->ListenerCount(), 0);
  EXPECT_FALSE(IsWindow(wnd));
}

class TExceptionCatcher : public TObject {
 public:
  void Handle(TObject*, const Exception& E) { Messages.push_back(E.Message()); }
  std::vector<String> Messages;
};

TEST_F(FormatWindowTest, AnExceptionInAListenerGoesToTheApplication) {
  TLocaleScope locale(EnglishSettings(), L"h:mm:ss tt");
  TExceptionCatcher catcher;
  Application->OnException = TExceptionEvent(&catcher, &TExceptionCatcher::Handle);
  TcxFormatController* controller = GetFormatController();
  std::vector<std::string> log;
  TListener a(&log, "a", false);
  a.OnChanged = [] { throw EConvertError(L"listener failed"); };
  controller->AddListener(&a);
  EXPECT_EQ(SettingChange(FormatControllerWindowHandle(controller), 0, L"intl"), 0);
  EXPECT_EQ(catcher.Messages, (std::vector<String>{L"listener failed"}));
  Application->OnException = nullptr;
  controller->RemoveListener(&a);
}

// The real readers: the thread locale's time format, in the runtime's patterns.
TEST_F(FormatWindowTest, TheRealReaderTakesTheThreadLocalesTimeFormat) {
  wchar_t buffer[80] = {};
  ASSERT_GT(GetLocaleInfoW(GetThreadLocale(), LOCALE_STIMEFORMAT, buffer, 80), 0);
  EXPECT_EQ(GetLongTimeFormatText(), ConvertLocaleTimeFormat(buffer));
  EXPECT_EQ(GetLongTimeFormatText().find(L't'), String::npos);
}

TEST_F(FormatWindowTest, TheUnitEndFreesTheControllerAndItsWindow) {
  TcxFormatController* controller = GetFormatController();
  std::vector<std::string> log;
  TListener a(&log, "a", false);
  controller->AddListener(&a);
  const HWND wnd = FormatControllerWindowHandle(controller);
  ASSERT_TRUE(IsWindow(wnd));
  FinalizeUnits();
  EXPECT_FALSE(IsWindow(wnd));
  EXPECT_EQ(GetFormatController(), nullptr) << "not made again while the units end";
  InitializeUnits({FormsUnit, dxCoreUnit, cxLibraryStrsUnit, cxDateUtilsUnit, cxFormatsUnit});
  EXPECT_NE(GetFormatController(), nullptr);
}

}  // namespace
