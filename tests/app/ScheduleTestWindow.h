// The main window as the schedules see it (IScheduleWindow), for tests made
// before TForm1 exists: the browse fields and buttons, the slot fields and
// boxes, the preset list and the matrix pauses held in fields; the clock on
// a real status bar that counts its paints, and the two timers real ones
// that the test fires itself (D-61). The link routines' console too, so the
// frames go to the device peer.
#pragma once

#include <windows.h>

#include <map>
#include <memory>

#include "ConsoleSchedules.h"
#include "ExtCtrls.h"
#include "MemorySettings.h"
#include "TestMainWindow.h"
#include "link/LinkTestConsole.h"
#include "toolkit/pagecontrol/statusbar_test_support.h"

namespace app_test {

class TScheduleTestWindow : public link_test::TTestConsole, public IScheduleWindow {
 public:
  TScheduleTestWindow() {
    StartUnitsOnce();
    FHost = test_support::MakeForm(860, 120);
    Bar = statusbar_test::MakeConsoleBar(FHost);
    TimingSet = new TTimer(FHost);
    SceneSwitch = new TTimer(FHost);
    // Held off the platform's clock: the tests fire the ticks.
    TimingSet->SetEnabled(false);
    SceneSwitch->SetEnabled(false);
    Fields = {{TBrowseField::InputStart, L"05"},  {TBrowseField::InputEnd, L"01"},
              {TBrowseField::OutputStart, L"01"}, {TBrowseField::OutputEnd, L"02"},
              {TBrowseField::InputInterval, L"01"}, {TBrowseField::PresetStart, L"01"},
              {TBrowseField::PresetEnd, L"05"},   {TBrowseField::PresetInterval, L"10"}};
    for (int k = 1; k <= SceneSlotCount; ++k)
      for (TSlotField f : {TSlotField::Preset, TSlotField::Hour, TSlotField::Minute}) Slots[{k, f}] = L"0";
  }
  ~TScheduleTestWindow() override { FHost->Free(); }

  // IScheduleWindow
  ISettingsStore& Settings() override { return Store; }
  int Language() override { return LanguageFlag; }
  String ClockPanelText() override { return Bar->Panels()->Items(2)->Text(); }
  void SetClockPanelText(const String& text) override { Bar->Panels()->Items(2)->SetText(text); }
  String BrowseField(TBrowseField field) override { return Fields[field]; }
  void SetBrowseField(TBrowseField field, const String& text) override { Fields[field] = text; }
  String BrowseButtonCaption(TBrowseKind kind) override { return Buttons[kind]; }
  void SetBrowseButtonCaption(TBrowseKind kind, const String& caption) override { Buttons[kind] = caption; }
  bool BrowsePageBox(TBrowseKind kind) override { return PageBoxes[kind]; }
  void SetBrowsePageBox(TBrowseKind kind, bool checked) override {
    if (PageBoxes[kind] == checked) return;
    PageBoxes[kind] = checked;
    Schedules.BrowsePageBoxClick(kind);
  }
  void SetBrowsePageTabVisible(TBrowseKind kind, bool visible) override { PageTabs[kind] = visible; }
  String SlotField(int slot, TSlotField field) override { return Slots[{slot, field}]; }
  void SetSlotField(int slot, TSlotField field, const String& text) override { Slots[{slot, field}] = text; }
  bool SlotBox(int slot) override { return SlotBoxes[slot]; }
  void SetSlotBox(int slot, bool checked) override {
    if (SlotBoxes[slot] == checked) return;
    SlotBoxes[slot] = checked;
    Schedules.SlotBoxClick(slot);
  }
  int PresetListIndex() override { return PresetIndex; }
  void SetPresetListIndex(int index) override {
    PresetIndex = index;
    Presets.push_back(L"select " + IntToStr(index));
  }
  void LoadPreset(int n) override {
    PresetIndex = n - 1;
    Presets.push_back(L"load " + IntToStr(n));
  }
  String ResponsePause() override { return Response; }
  String IntervalPause() override { return Interval; }
  TTimer* TimingSetTimer() override { return TimingSet; }
  TTimer* SceneSwitchTimer() override { return SceneSwitch; }

  // What the operator does: a press of a browse button, a click on a slot box.
  void Press(TBrowseKind kind) { Schedules.BrowseButtonClick(kind); }
  void Tick() { Schedules.Timer1Timer(nullptr); }
  void ClickSlot(int slot, bool checked) { SetSlotBox(slot, checked); }

  TMemorySettings Store;
  TConsoleSchedules Schedules{*this};
  statusbar_test::TCountingStatusBar* Bar = nullptr;
  TTimer* TimingSet = nullptr;
  TTimer* SceneSwitch = nullptr;
  std::map<TBrowseField, String> Fields;
  std::map<TBrowseKind, String> Buttons{{TBrowseKind::Signal, L"信号浏览"}, {TBrowseKind::Preset, L"预案浏览"}};
  std::map<TBrowseKind, bool> PageBoxes, PageTabs;
  std::map<std::pair<int, TSlotField>, String> Slots;
  std::map<int, bool> SlotBoxes;
  int PresetIndex = 0;
  std::vector<String> Presets;  // what the preset list went through
  String Response = L"100", Interval = L"100";

  void ShowHost() {
    FHost->Show();
    test_support::Pump();
  }
  HWND HostHandle() { return FHost->Handle(); }

 private:
  test_support::THostForm* FHost = nullptr;
};

}  // namespace app_test
