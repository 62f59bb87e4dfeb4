// Everything the main window does by the clock: Timer1 (the status clock,
// the signal browse and the preset browse), tmrTimingSet (the whole wall on
// and off at set times), tmrSceneSwitch (presets loaded at up to eight set
// times), the browse buttons and page boxes and the schedule slot boxes.
// TForm1 owns one TConsoleSchedules and binds its handlers to these members;
// what they read and change of the main window goes through IScheduleWindow.
// The time of day is the runtime's Now() (replaceable, D-100), the pauses
// SleepMs (D-8), and a test fires the ticks by calling the handlers (D-61).
#pragma once

#include <array>

#include "Schedules.h"
#include "System.h"

class TObject;
class TTimer;

// The browse fields of the main window's lower pages, by role.
enum class TBrowseField {
  InputStart,      // LabeledEdit6 "矩阵输入起始端口", [scene] "Matrix 4"
  InputEnd,        // LabeledEdit3 "矩阵输入终止端口", "Matrix 1"
  OutputStart,     // LabeledEdit5 "矩阵输出起始端口", "Matrix 3"
  OutputEnd,       // LabeledEdit11 "矩阵输出终止端口", "Matrix 5"
  InputInterval,   // LabeledEdit4 "切换间隔时间（S）", "Matrix 2"
  PresetStart,     // LabeledEdit8 "起始预案", "scene A"
  PresetEnd,       // LabeledEdit9 "终止预案", "scene B"
  PresetInterval,  // LabeledEdit7 "切换间隔时间（S）", "Time C"
};
// A schedule slot's fields: lbledtS k, lbledtT k, edtM k.
enum class TSlotField { Preset, Hour, Minute };

class IScheduleWindow {
 public:
  virtual ~IScheduleWindow() = default;

  virtual ISettingsStore& Settings() = 0;  // CfgIni
  virtual int Language() = 0;              // 0 Chinese, 1 English
  virtual String ClockPanelText() = 0;     // StatusBar1, panel 2
  virtual void SetClockPanelText(const String& text) = 0;

  virtual String BrowseField(TBrowseField field) = 0;
  virtual void SetBrowseField(TBrowseField field, const String& text) = 0;
  virtual String BrowseButtonCaption(TBrowseKind kind) = 0;  // BitBtn9, BitBtn15
  virtual void SetBrowseButtonCaption(TBrowseKind kind, const String& caption) = 0;
  virtual bool BrowsePageBox(TBrowseKind kind) = 0;  // CheckBox4, CheckBox5
  // Sets the box through its click path: a change runs its OnClick.
  virtual void SetBrowsePageBox(TBrowseKind kind, bool checked) = 0;
  virtual void SetBrowsePageTabVisible(TBrowseKind kind, bool visible) = 0;

  // Slots count from 1.
  virtual String SlotField(int slot, TSlotField field) = 0;
  virtual void SetSlotField(int slot, TSlotField field, const String& text) = 0;
  virtual bool SlotBox(int slot) = 0;  // CheckBoxS k
  // Sets the box through its click path: a change runs its OnClick.
  virtual void SetSlotBox(int slot, bool checked) = 0;

  virtual int PresetListIndex() = 0;  // ComboBox3
  virtual void SetPresetListIndex(int index) = 0;
  // Selects preset n (from 1) in the preset list and runs the load click.
  virtual void LoadPreset(int n) = 0;

  // The matrix configuration dialog's pauses, in ms as typed.
  virtual String ResponsePause() = 0;
  virtual String IntervalPause() = 0;

  virtual TTimer* TimingSetTimer() = 0;    // tmrTimingSet
  virtual TTimer* SceneSwitchTimer() = 0;  // tmrSceneSwitch
};

class TConsoleSchedules {
 public:
  explicit TConsoleSchedules(IScheduleWindow& window) : FWindow(window) {}

  // TForm1's fields.
  int BrowseInput = 0;
  int BrowseInputTicks = 0;
  int BrowsePreset = 0;
  int BrowsePresetTicks = 0;
  TTimedPower Power;
  std::array<TSceneSlot, SceneSlotCount> SceneSwitchSlots{};  // slot k at k - 1

  // TForm1.FormCreate: the timed power fields from [timesetting], and
  // tmrTimingSet enabled when "flag" is set.
  void LoadTimedPower(ISettingsStore& store);
  // TForm1.FormShow, first step: both browses back to their start values.
  void ResetBrowse();
  // TForm1.FormShow's loading block: the browse fields, the slots' fields and
  // then their boxes (a ticked slot arms the scene switch), the browse page
  // boxes (each shows its page and stores itself).
  void LoadSettings(ISettingsStore& store);

  // The handlers. A timer's tick that arrives while the same handler still
  // runs (its message box open) is dropped (D-95); an exception inside a
  // tick is reported there, so the tick that raised it ends with its box.
  void Timer1Timer(TObject* Sender);
  void tmrTimingSetTimer(TObject* Sender);
  void tmrSceneSwitchTimer(TObject* Sender);
  void BrowseButtonClick(TBrowseKind kind);    // BitBtn9Click, BitBtn15Click
  void BrowsePageBoxClick(TBrowseKind kind);   // CheckBox4Click, CheckBox5Click
  void SlotBoxClick(int slot);                 // CheckBoxS1Click .. CheckBoxS8Click
  void SaveSceneSwitchSchedule();

 private:
  struct TTickGuard;
  template <class Body>
  void Unnested(bool& running, TObject* sender, Body body);
  void UpdateStatusClock();
  void SignalBrowseStep();
  void PresetBrowseStep();
  void TimedPowerStep();
  void SceneSwitchStep();

  IScheduleWindow& FWindow;
  bool FInTimer1 = false;
  bool FInTimingSet = false;
  bool FInSceneSwitch = false;
};
