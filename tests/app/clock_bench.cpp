// One Timer1 tick's status clock: the text built from the clock, the two
// writes of the third panel and the repaint that follows, on the console's
// status bar (three text panels 200, 200 and 428 wide), side by side with the
// platform's status bar given the same two texts by SB_SETTEXT and repainted.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <vector>

#include "ConsoleForms.h"
#include "ConsoleSchedules.h"
#include "ExtCtrls.h"
#include "Runtime.h"
#include "SysUtils.h"
#include "dxStatusBar_win.h"
#include "support/BenchTiming.h"
#include "support/HostForm.h"

namespace {

TDateTime& Clock() {
  static TDateTime clock = EncodeDate(2026, 12, 11) + EncodeTime(9, 0, 0, 0);
  return clock;
}
TDateTime BenchClock() { return Clock(); }
const TDateTime Second = 1.0 / SecsPerDay;

// The main window with only what the clock touches; no browse is running.
class TClockWindow : public IScheduleWindow {
 public:
  explicit TClockWindow(TdxStatusBar* bar) : FBar(bar) {}
  ISettingsStore& Settings() override { return FStore; }
  int Language() override { return 0; }
  String ClockPanelText() override { return FBar->Panels()->Items(2)->Text(); }
  void SetClockPanelText(const String& text) override { FBar->Panels()->Items(2)->SetText(text); }
  String BrowseField(TBrowseField) override { return L"1"; }
  void SetBrowseField(TBrowseField, const String&) override {}
  String BrowseButtonCaption(TBrowseKind kind) override {
    return kind == TBrowseKind::Signal ? L"信号浏览" : L"预案浏览";
  }
  void SetBrowseButtonCaption(TBrowseKind, const String&) override {}
  bool BrowsePageBox(TBrowseKind) override { return false; }
  void SetBrowsePageBox(TBrowseKind, bool) override {}
  void SetBrowsePageTabVisible(TBrowseKind, bool) override {}
  String SlotField(int, TSlotField) override { return L"0"; }
  void SetSlotField(int, TSlotField, const String&) override {}
  bool SlotBox(int) override { return false; }
  void SetSlotBox(int, bool) override {}
  int PresetListIndex() override { return 0; }
  void SetPresetListIndex(int) override {}
  void LoadPreset(int) override {}
  String ResponsePause() override { return L"100"; }
  String IntervalPause() override { return L"100"; }
  TTimer* TimingSetTimer() override { return nullptr; }
  TTimer* SceneSwitchTimer() override { return nullptr; }

 private:
  class TNoSettings : public ISettingsStore {
   public:
    String ReadString(const String&, const String&, const String& def) override { return def; }
    void WriteString(const String&, const String&, const String&) override {}
  } FStore;
  TdxStatusBar* FBar;
};

}  // namespace

int wmain() {
  InstallPlatformRuntime();
  StartConsoleUnits();
  InitCommonControls();
  SetNowProc(&BenchClock);

  test_support::THostForm* form = test_support::MakeForm(860, 120);
  auto* bar = new TdxStatusBar(form);
  bar->SetParent(form);
  for (int width : {200, 200, 428}) {
    TdxStatusBarPanel* p = bar->Panels()->Add();
    p->SetPanelStyleClassName(L"TdxStatusBarTextPanelStyle");
    p->SetWidth(width);
  }
  form->Show();
  test_support::Pump();
  TClockWindow window(bar);
  TConsoleSchedules schedules(window);

  HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 60, 300, 860, 120, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  HWND plain = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, host, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  int edges[] = {200, 400, 828};
  SendMessageW(plain, SB_SETPARTS, 3, LPARAM(edges));
  // The same texts the console's ticks show, one a second for a minute.
  std::vector<std::pair<String, String>> texts;
  for (int s = 0; s < 60; ++s) {
    const TDateTime t = Clock() + s * Second;
    const String first = DateToStr(t) + L" " + TimeToStr(t) + L"   ";
    texts.push_back({first, first + WeekdayText(DayOfWeek(t), 0) + L"---"});
  }
  size_t next = 0;

  const auto [ours, platform] = vamire_bench::MeasureSideBySide(
      [&] {
        Clock() += Second;
        schedules.Timer1Timer(nullptr);
        UpdateWindow(bar->Handle());
      },
      [&] {
        const auto& t = texts[next++ % texts.size()];
        SendMessageW(plain, SB_SETTEXTW, 2, LPARAM(t.first.c_str()));
        SendMessageW(plain, SB_SETTEXTW, 2, LPARAM(t.second.c_str()));
        UpdateWindow(plain);
      },
      31, 50);
  std::printf("One Timer1 tick's status clock, two writes of the third panel and the repaint (median of 31 rounds of 50):\n");
  std::printf("  console status bar, clock text built     %8.1f us\n", ours);
  std::printf("  platform status bar, SB_SETTEXT twice    %8.1f us\n", platform);
  std::printf("  ratio %.2f (goal 1.5)\n", ours / platform);
  DestroyWindow(host);
  form->Free();
  return 0;
}
