#include "Schedules.h"

#include "SysUtils.h"

namespace {

const wchar_t* const WeekdaysChinese[] = {L"星期日", L"星期一", L"星期二", L"星期三",
                                          L"星期四", L"星期五", L"星期六"};
const wchar_t* const WeekdaysEnglish[] = {L"Sun ", L"Mon ", L"Tue ", L"Wed ", L"Thur", L"Fri ", L"Sat "};

const wchar_t* const RunningChinese = L"关闭浏览";
const wchar_t* const RunningEnglish = L"Stop";

struct TIdleTexts {
  const wchar_t* Chinese;
  const wchar_t* English;
};
TIdleTexts IdleTexts(TBrowseKind kind) {
  return kind == TBrowseKind::Signal ? TIdleTexts{L"信号浏览", L"Signal View"} : TIdleTexts{L"预案浏览", L"Model View"};
}

const wchar_t* const TimingSection = L"timesetting";

}  // namespace

String WeekdayText(int dayOfWeek, int language) {
  const int i = (dayOfWeek - 1) % 7;
  return language == 1 ? WeekdaysEnglish[i] : WeekdaysChinese[i];
}

bool BrowseRunning(TBrowseKind kind, const String& caption) {
  const TIdleTexts idle = IdleTexts(kind);
  return caption != idle.Chinese && caption != idle.English;
}

String ToggledBrowseCaption(TBrowseKind kind, const String& caption) {
  const TIdleTexts idle = IdleTexts(kind);
  if (BrowseRunning(kind, caption)) return caption == RunningChinese ? idle.Chinese : idle.English;
  return caption == idle.Chinese ? RunningChinese : RunningEnglish;
}

TTimedPower ReadTimedPower(ISettingsStore& store) {
  TTimedPower p;
  p.PowerOnHour = ReadSettingInteger(store, TimingSection, L"ohour", 0);
  p.PowerOffHour = ReadSettingInteger(store, TimingSection, L"chour", 0);
  p.PowerOnMinute = ReadSettingInteger(store, TimingSection, L"omin", 0);
  p.PowerOffMinute = ReadSettingInteger(store, TimingSection, L"cmin", 0);
  p.TimedPowerOn = ReadSettingBool(store, TimingSection, L"flag", false);
  p.TimedPowerMode = ReadSettingInteger(store, TimingSection, L"mode", 0);
  return p;
}

TTimingFields ReadTimingFields(ISettingsStore& store) {
  TTimingFields f;
  f.OnHour = store.ReadString(TimingSection, L"ohour", L"0");
  f.OnMinute = store.ReadString(TimingSection, L"omin", L"0");
  f.OffHour = store.ReadString(TimingSection, L"chour", L"0");
  f.OffMinute = store.ReadString(TimingSection, L"cmin", L"0");
  f.Mode = ReadSettingInteger(store, TimingSection, L"mode", 0);
  f.Flag = ReadSettingBool(store, TimingSection, L"flag", false);
  return f;
}

TTimedPower TimingSchedule(const TTimingFields& fields) {
  TTimedPower p;
  p.PowerOnHour = StrToInt(fields.OnHour);
  p.PowerOffHour = StrToInt(fields.OffHour);
  p.PowerOnMinute = StrToInt(fields.OnMinute);
  p.PowerOffMinute = StrToInt(fields.OffMinute);
  p.TimedPowerOn = true;
  p.TimedPowerMode = fields.Mode;
  return p;
}

void WriteTimingFields(ISettingsStore& store, const TTimingFields& fields) {
  store.WriteString(TimingSection, L"ohour", fields.OnHour);
  store.WriteString(TimingSection, L"chour", fields.OffHour);
  store.WriteString(TimingSection, L"omin", fields.OnMinute);
  store.WriteString(TimingSection, L"cmin", fields.OffMinute);
  WriteSettingInteger(store, TimingSection, L"mode", fields.Mode);
  WriteSettingBool(store, TimingSection, L"flag", fields.Flag);
}
