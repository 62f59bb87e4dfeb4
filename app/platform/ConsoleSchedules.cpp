#include "ConsoleSchedules.h"

#include <iterator>

#include "Dialogs.h"
#include "ExtCtrls.h"
#include "HiddenWindow.h"
#include "Links.h"
#include "MatrixSend.h"
#include "Sleep.h"
#include "SysUtils.h"

namespace {

const wchar_t* const SceneSection = L"scene";
const wchar_t* const SlotSection = L"SceneSwitch";
const wchar_t* const SlotSettingError = L"设置错误";

struct TBrowseKey {
  TBrowseField Field;
  const wchar_t* Key;
};
// Each browse's fields with their keys, in the order a browse button stores them.
const TBrowseKey SignalKeys[] = {{TBrowseField::InputEnd, L"Matrix 1"},
                                 {TBrowseField::InputInterval, L"Matrix 2"},
                                 {TBrowseField::OutputStart, L"Matrix 3"},
                                 {TBrowseField::InputStart, L"Matrix 4"},
                                 {TBrowseField::OutputEnd, L"Matrix 5"}};
const TBrowseKey PresetKeys[] = {{TBrowseField::PresetStart, L"scene A"},
                                 {TBrowseField::PresetEnd, L"scene B"},
                                 {TBrowseField::PresetInterval, L"Time C"}};

struct TBrowseKeys {
  const TBrowseKey* Begin;
  const TBrowseKey* End;
  const TBrowseKey* begin() const { return Begin; }
  const TBrowseKey* end() const { return End; }
};
TBrowseKeys BrowseKeys(TBrowseKind kind) {
  if (kind == TBrowseKind::Signal) return {std::begin(SignalKeys), std::end(SignalKeys)};
  return {std::begin(PresetKeys), std::end(PresetKeys)};
}

const TSlotField SlotFields[] = {TSlotField::Preset, TSlotField::Hour, TSlotField::Minute};
String SlotKey(TSlotField field, int slot) {
  const wchar_t* prefix = field == TSlotField::Preset ? L"v" : field == TSlotField::Hour ? L"h" : L"m";
  return prefix + IntToStr(slot);
}

const wchar_t* PageKey(TBrowseKind kind) { return kind == TBrowseKind::Signal ? L"jzll" : L"yall"; }

void CurrentHourMinute(int& hour, int& minute) {
  int second, msec;
  DecodeTime(Now(), hour, minute, second, msec);
}

}  // namespace

// The Win32 loop of a message box shown inside a tick runs that timer's
// later ticks; this keeps them from entering the handler again (D-95).
template <class Body>
void TConsoleSchedules::Unnested(bool& running, TObject* sender, Body body) {
  if (running) return;
  running = true;
  try {
    body();
  } catch (...) {
    // Reported while the handler still counts as running, so the box's own
    // loop cannot start the next tick's box.
    HandleCallbackException(sender);
  }
  running = false;
}

void TConsoleSchedules::LoadTimedPower(ISettingsStore& store) {
  Power = ReadTimedPower(store);
  FWindow.TimingSetTimer()->SetEnabled(Power.TimedPowerOn);
}

void TConsoleSchedules::ResetBrowse() {
  BrowseInput = StrToInt(FWindow.BrowseField(TBrowseField::InputStart));
  BrowsePreset = StrToInt(FWindow.BrowseField(TBrowseField::PresetStart));
  BrowseInputTicks = 0;
  BrowsePresetTicks = 0;
}

void TConsoleSchedules::LoadSettings(ISettingsStore& store) {
  for (TBrowseKind kind : {TBrowseKind::Signal, TBrowseKind::Preset})
    for (const TBrowseKey& k : BrowseKeys(kind))
      FWindow.SetBrowseField(k.Field, store.ReadString(SceneSection, k.Key, FindSettingKey(SceneSection, k.Key)->Default));
  for (int slot = 1; slot <= SceneSlotCount; ++slot)
    for (TSlotField field : SlotFields) FWindow.SetSlotField(slot, field, store.ReadString(SlotSection, SlotKey(field, slot), L"0"));
  for (int slot = 1; slot <= SceneSlotCount; ++slot)
    FWindow.SetSlotBox(slot, ReadSettingBool(store, SlotSection, L"switch" + IntToStr(slot), false));
  for (TBrowseKind kind : {TBrowseKind::Signal, TBrowseKind::Preset})
    FWindow.SetBrowsePageBox(kind, ReadSettingBool(store, L"setting", PageKey(kind), false));
}

// --- Timer1 ---------------------------------------------------------------------------------
void TConsoleSchedules::Timer1Timer(TObject* Sender) {
  Unnested(FInTimer1, Sender, [this] {
    UpdateStatusClock();
    if (BrowseRunning(TBrowseKind::Signal, FWindow.BrowseButtonCaption(TBrowseKind::Signal))) SignalBrowseStep();
    if (BrowseRunning(TBrowseKind::Preset, FWindow.BrowseButtonCaption(TBrowseKind::Preset))) PresetBrowseStep();
  });
}

void TConsoleSchedules::UpdateStatusClock() {
  const TDateTime now = Now();
  FWindow.SetClockPanelText(DateToStr(now) + L" " + TimeToStr(now) + L"   ");
  FWindow.SetClockPanelText(FWindow.ClockPanelText() + WeekdayText(DayOfWeek(now), FWindow.Language()) + L"---");
}

void TConsoleSchedules::SignalBrowseStep() {
  if (++BrowseInputTicks < StrToInt(FWindow.BrowseField(TBrowseField::InputInterval))) return;
  if (StrToInt(FWindow.BrowseField(TBrowseField::InputEnd)) < BrowseInput) {
    // The ticks stay as they are, so the first input comes on the next tick.
    BrowseInput = StrToInt(FWindow.BrowseField(TBrowseField::InputStart));
    return;
  }
  const int first = StrToInt(FWindow.BrowseField(TBrowseField::OutputStart));
  const int last = StrToInt(FWindow.BrowseField(TBrowseField::OutputEnd));
  for (int output = first; output <= last; ++output) {
    SwitchMatrix(output - 1, BrowseInput);
    SleepMs(uint32_t(StrToInt(FWindow.IntervalPause())));
  }
  BrowseInputTicks = 0;
  ++BrowseInput;
}

void TConsoleSchedules::PresetBrowseStep() {
  if (++BrowsePresetTicks < StrToInt(FWindow.BrowseField(TBrowseField::PresetInterval))) return;
  if (StrToInt(FWindow.BrowseField(TBrowseField::PresetEnd)) < BrowsePreset)
    BrowsePreset = StrToInt(FWindow.BrowseField(TBrowseField::PresetStart));
  const int p = BrowsePreset;
  SendWallFrame(0xC6, 0x11, 0xFF, 0x5A, p, 0xBB);
  SleepMs(uint32_t(StrToInt(FWindow.ResponsePause())));
  RecallVideoMatrixScene(p);
  SleepMs(uint32_t(StrToInt(FWindow.IntervalPause())));
  RecallVgaMatrixScene(p);
  BrowsePresetTicks = 0;
  ++BrowsePreset;
}

void TConsoleSchedules::BrowseButtonClick(TBrowseKind kind) {
  const String caption = FWindow.BrowseButtonCaption(kind);
  const bool start = !BrowseRunning(kind, caption);
  FWindow.SetBrowseButtonCaption(kind, ToggledBrowseCaption(kind, caption));
  if (start) {
    if (kind == TBrowseKind::Signal)
      BrowseInput = StrToInt(FWindow.BrowseField(TBrowseField::InputStart));
    else
      BrowsePreset = StrToInt(FWindow.BrowseField(TBrowseField::PresetStart));
  }
  ISettingsStore& store = FWindow.Settings();
  for (const TBrowseKey& k : BrowseKeys(kind)) store.WriteString(SceneSection, k.Key, FWindow.BrowseField(k.Field));
}

void TConsoleSchedules::BrowsePageBoxClick(TBrowseKind kind) {
  const bool checked = FWindow.BrowsePageBox(kind);
  FWindow.SetBrowsePageTabVisible(kind, checked);
  WriteSettingBool(FWindow.Settings(), L"setting", PageKey(kind), checked);
}

// --- tmrTimingSet -------------------------------------------------------------------------
void TConsoleSchedules::tmrTimingSetTimer(TObject* Sender) {
  Unnested(FInTimingSet, Sender, [this] { TimedPowerStep(); });
}

void TConsoleSchedules::TimedPowerStep() {
  TTimer* timer = FWindow.TimingSetTimer();
  timer->SetInterval(3000);
  if (!Power.TimedPowerOn) {
    timer->SetEnabled(false);
    return;
  }
  int hour, minute;
  CurrentHourMinute(hour, minute);
  // The on event first, so both go out when they share a minute.
  const struct {
    int Hour, Minute, Power;
  } events[] = {{Power.PowerOnHour, Power.PowerOnMinute, 1}, {Power.PowerOffHour, Power.PowerOffMinute, 0}};
  for (const auto& e : events) {
    if (hour != e.Hour || minute != e.Minute) continue;
    SendWallFrame(0xC6, 0x11, 0xFF, 0x10, e.Power, 0xBB);
    // Past the matching minute, so each event fires once a day.
    timer->SetInterval(61000);
    if (Power.TimedPowerMode == 0) {
      timer->SetEnabled(false);
      WriteSettingBool(FWindow.Settings(), L"timesetting", L"flag", false);
    }
  }
}

// --- tmrSceneSwitch -------------------------------------------------------------------------
void TConsoleSchedules::tmrSceneSwitchTimer(TObject* Sender) {
  Unnested(FInSceneSwitch, Sender, [this] { SceneSwitchStep(); });
}

void TConsoleSchedules::SceneSwitchStep() {
  int hour, minute;
  CurrentHourMinute(hour, minute);
  const int chosen = FWindow.PresetListIndex();
  TTimer* timer = FWindow.SceneSwitchTimer();
  timer->SetInterval(3000);
  for (int slot = 1; slot <= SceneSlotCount; ++slot) {
    const TSceneSlot& s = SceneSwitchSlots[size_t(slot - 1)];
    if (!FWindow.SlotBox(slot) || s.Hour != hour || s.Minute != minute) continue;
    // A preset number the list does not hold would load with no preset selected.
    if (s.Preset < 1 || s.Preset > PresetCount) continue;
    FWindow.LoadPreset(s.Preset);
    FWindow.SetPresetListIndex(chosen);
    timer->SetInterval(60000);
  }
}

// --- Schedule slots -------------------------------------------------------------------------
void TConsoleSchedules::SlotBoxClick(int slot) {
  if (FWindow.SlotBox(slot)) {
    for (TSlotField field : SlotFields) {
      if (!FWindow.SlotField(slot, field).empty()) continue;
      FWindow.SetSlotBox(slot, false);  // runs the unticked case below
      ShowMessage(SlotSettingError);
      return;
    }
    SaveSceneSwitchSchedule();
    FWindow.SceneSwitchTimer()->SetEnabled(true);
    return;
  }
  WriteSettingBool(FWindow.Settings(), SlotSection, L"switch" + IntToStr(slot), false);
  for (int k = 1; k <= SceneSlotCount; ++k)
    if (FWindow.SlotBox(k)) return;
  FWindow.SceneSwitchTimer()->SetEnabled(false);
}

void TConsoleSchedules::SaveSceneSwitchSchedule() {
  ISettingsStore& store = FWindow.Settings();
  for (int slot = 1; slot <= SceneSlotCount; ++slot) {
    if (!FWindow.SlotBox(slot)) continue;
    TSceneSlot& s = SceneSwitchSlots[size_t(slot - 1)];
    s.Preset = StrToInt(FWindow.SlotField(slot, TSlotField::Preset));
    s.Hour = StrToInt(FWindow.SlotField(slot, TSlotField::Hour));
    s.Minute = StrToInt(FWindow.SlotField(slot, TSlotField::Minute));
    WriteSettingBool(store, SlotSection, L"switch" + IntToStr(slot), true);
    WriteSettingInteger(store, SlotSection, SlotKey(TSlotField::Preset, slot), s.Preset);
    WriteSettingInteger(store, SlotSection, SlotKey(TSlotField::Hour, slot), s.Hour);
    WriteSettingInteger(store, SlotSection, SlotKey(TSlotField::Minute, slot), s.Minute);
  }
}
