// What the main window does by the clock, as data and decisions: the weekday
// of the status clock, the browse buttons' captions, the timed power fields
// and the timing dialog's keys. The timers themselves are in
// platform/ConsoleSchedules.h.
#pragma once

#include <array>

#include "Settings.h"
#include "System.h"

// The weekday of the third status panel: 1 Sunday .. 7 Saturday (DayOfWeek).
// English texts are four characters wide, blanks included.
String WeekdayText(int dayOfWeek, int language);

// --- Browse ---------------------------------------------------------------------------
enum class TBrowseKind { Signal, Preset };  // BitBtn9 "信号浏览", BitBtn15 "预案浏览"

// A browse runs while its button shows neither of its idle texts.
bool BrowseRunning(TBrowseKind kind, const String& caption);
// The caption after a press: idle to running and back, in the language the
// caption shows ("关闭浏览" stops to Chinese, any other running text to English).
String ToggledBrowseCaption(TBrowseKind kind, const String& caption);

// --- Timed power ----------------------------------------------------------------------
// TForm1's timed power fields.
struct TTimedPower {
  int PowerOnHour = 0;
  int PowerOnMinute = 0;
  int PowerOffHour = 0;
  int PowerOffMinute = 0;
  bool TimedPowerOn = false;
  int TimedPowerMode = 0;  // 0 once, any other value every day
};
// [timesetting] as the main window reads it at creation (integers, default 0).
TTimedPower ReadTimedPower(ISettingsStore& store);

// --- Scene switch slots ---------------------------------------------------------------
const int SceneSlotCount = 8;
struct TSceneSlot {
  int Preset = 0;  // preset number, from 1
  int Hour = 0;
  int Minute = 0;
};

// --- Timing dialog --------------------------------------------------------------------
// What the timing dialog's controls hold: the four time fields as typed, the
// repeat mode's item index and the on/off box.
struct TTimingFields {
  String OnHour, OnMinute, OffHour, OffMinute;
  int Mode = 0;
  bool Flag = false;
};
// The fields the dialog shows: [timesetting] as stored ("0" for a missing
// time, mode 0, flag false).
TTimingFields ReadTimingFields(ISettingsStore& store);
// The schedule the fields give. Every time field is converted before
// anything is answered, so a field that is no decimal integer raises the
// runtime's EConvertError with nothing half done (D-29).
TTimedPower TimingSchedule(const TTimingFields& fields);
// Writes "ohour", "chour", "omin", "cmin" (as typed), "mode" and "flag", in that order.
void WriteTimingFields(ISettingsStore& store, const TTimingFields& fields);
