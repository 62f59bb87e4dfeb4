// The clock's and schedules' window-free rules: weekday texts, the browse
// buttons' captions, the timed power fields read at creation and the timing
// dialog's fields, checked as a whole before anything is answered (D-29).
#include <gtest/gtest.h>

#include "MemorySettings.h"
#include "Schedules.h"
#include "SysUtils.h"

namespace {

TEST(SchedulesCore, WeekdaysStartOnSundayInBothLanguages) {
  const wchar_t* chinese[] = {L"星期日", L"星期一", L"星期二", L"星期三", L"星期四", L"星期五", L"星期六"};
  const wchar_t* english[] = {L"Sun ", L"Mon ", L"Tue ", L"Wed ", L"Thur", L"Fri ", L"Sat "};
  for (int day = 1; day <= 7; ++day) {
    EXPECT_EQ(WeekdayText(day, 0), chinese[day - 1]);
    EXPECT_EQ(WeekdayText(day, 1), english[day - 1]);
  }
}

TEST(SchedulesCore, BrowseButtonsToggleByTheirCaptionInEitherLanguage) {
  struct {
    TBrowseKind Kind;
    const wchar_t* Caption;
    bool Running;
    const wchar_t* After;
  } cases[] = {
      {TBrowseKind::Signal, L"信号浏览", false, L"关闭浏览"}, {TBrowseKind::Signal, L"Signal View", false, L"Stop"},
      {TBrowseKind::Signal, L"关闭浏览", true, L"信号浏览"},  {TBrowseKind::Signal, L"Stop", true, L"Signal View"},
      {TBrowseKind::Preset, L"预案浏览", false, L"关闭浏览"}, {TBrowseKind::Preset, L"Model View", false, L"Stop"},
      {TBrowseKind::Preset, L"关闭浏览", true, L"预案浏览"},  {TBrowseKind::Preset, L"Stop", true, L"Model View"},
      // Another button's idle text is a running one here.
      {TBrowseKind::Preset, L"信号浏览", true, L"Model View"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(UTF8Encode(c.Caption));
    EXPECT_EQ(BrowseRunning(c.Kind, c.Caption), c.Running);
    EXPECT_EQ(ToggledBrowseCaption(c.Kind, c.Caption), c.After);
  }
}

TEST(SchedulesCore, TimedPowerAtCreationReadsIntegersAndTheirDefaults) {
  app_test::TMemorySettings store;
  TTimedPower empty = ReadTimedPower(store);
  EXPECT_EQ((std::vector<int>{empty.PowerOnHour, empty.PowerOnMinute, empty.PowerOffHour, empty.PowerOffMinute,
                              empty.TimedPowerOn, empty.TimedPowerMode}),
            (std::vector<int>(6, 0)));
  store.Values = {{{L"timesetting", L"ohour"}, L"7"}, {{L"timesetting", L"omin"}, L"x"},
                  {{L"timesetting", L"chour"}, L"22"}, {{L"timesetting", L"flag"}, L"2"},
                  {{L"timesetting", L"mode"}, L"-1"}};
  TTimedPower p = ReadTimedPower(store);
  EXPECT_EQ((std::vector<int>{p.PowerOnHour, p.PowerOnMinute, p.PowerOffHour, p.PowerOffMinute, p.TimedPowerOn,
                              p.TimedPowerMode}),
            (std::vector<int>{7, 0, 22, 0, 1, -1}));
}

TEST(SchedulesCore, TheTimingFieldsConvertWholeOrNotAtAll) {
  TTimingFields f{L"7", L"30", L"22", L"0", 1, true};
  TTimedPower p = TimingSchedule(f);
  EXPECT_EQ((std::vector<int>{p.PowerOnHour, p.PowerOnMinute, p.PowerOffHour, p.PowerOffMinute, p.TimedPowerOn,
                              p.TimedPowerMode}),
            (std::vector<int>{7, 30, 22, 0, 1, 1}));
  // No range check: the timer never meets such a time.
  EXPECT_EQ(TimingSchedule({L"25", L"99", L"0", L"0", 2, true}).PowerOnMinute, 99);
  for (String TTimingFields::*field : {&TTimingFields::OnHour, &TTimingFields::OnMinute, &TTimingFields::OffHour,
                                       &TTimingFields::OffMinute}) {
    TTimingFields bad = f;
    bad.*field = L"7x";
    EXPECT_THROW(TimingSchedule(bad), EConvertError);
    bad.*field = L"";
    EXPECT_THROW(TimingSchedule(bad), EConvertError);
  }
}

TEST(SchedulesCore, TheDialogWritesItsKeysInOrderAsTyped) {
  app_test::TMemorySettings store;
  WriteTimingFields(store, {L"07", L"30", L"22", L"0", 2, false});
  EXPECT_EQ(store.Written, (std::vector<String>{L"ohour", L"chour", L"omin", L"cmin", L"mode", L"flag"}));
  const TTimingFields back = ReadTimingFields(store);
  EXPECT_EQ(back.OnHour, L"07");
  EXPECT_EQ(back.Mode, 2);
  EXPECT_FALSE(back.Flag);
  app_test::TMemorySettings empty;
  EXPECT_EQ(ReadTimingFields(empty).OffMinute, L"0");
}

}  // namespace
