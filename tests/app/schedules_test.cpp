// The main window's clock and schedules with the clock set through the
// runtime's replaceable time of day (D-100) and every tick fired by the test
// (D-61): the browses and the timed power on the wire (the wall on COM5, the
// video matrix on COM6, the RGB/VGA matrix on COM7) with the pauses recorded
// in the order of the frames' debug echo; the scene switch and the slot
// boxes against a recording preset list; the status clock on a real status
// bar; a tick that comes while its own message box is open (D-95).
#include <windows.h>

#include <gtest/gtest.h>

#include "DialogService.h"
#include "RecordedEvents.h"
#include "ScheduleTestWindow.h"
#include "SysUtils.h"
#include "link/PeerTest.h"
#include "link/encoders_test.h"

using app_test::TScheduleTestWindow;

namespace {

TDateTime& Clock() {
  static TDateTime clock = 0;
  return clock;
}
TDateTime FixedClock() { return Clock(); }

// The time of day the handlers see, for the life of the object.
class TSetClock {
 public:
  TSetClock() : FPrevious(SetNowProc(&FixedClock)) {}
  ~TSetClock() { SetNowProc(FPrevious); }
  void Set(int hour, int minute, int second = 0) { Clock() = EncodeDate(2026, 12, 11) + EncodeTime(hour, minute, second, 0); }

 private:
  TNowProc FPrevious;
};

using app_test::Events;

class TEventWindow : public app_test::TEventConsoleOf<TScheduleTestWindow> {
 public:
  // What the ticks so far sent, and none of it again.
  std::vector<String> Take() { return std::exchange(Events(), {}); }
};

class SchedulesTest : public link_test::TPeerTest {
 protected:
  TSetClock clock;
  app_test::TRecordedPauses pauses;
};

String Stored(TScheduleTestWindow& w, const String& section, const String& key) {
  return w.Store.ReadString(section, key, L"<none>");
}

std::vector<String> Switched(int input, std::initializer_list<int> outputs) {
  std::vector<String> lines;
  for (int o : outputs) {
    lines.push_back(IntToStr(input) + L"V" + IntToStr(o) + L".");
    lines.push_back(L"pause 7");
  }
  return lines;
}

TEST_F(SchedulesTest, SignalBrowseStepsEveryIntervalWrapsWithoutSwitchingAndStartsAgainNextTick) {
  TEventWindow w;
  OpenSerial(w);
  w.Matrix = encoders_test::Vga(0);  // CREATEK: "<input>V<output>."
  w.Matrix.Linkage = true;
  w.Interval = L"7";
  w.Fields[TBrowseField::InputStart] = L"1";
  w.Fields[TBrowseField::InputEnd] = L"3";
  w.Fields[TBrowseField::OutputStart] = L"1";
  w.Fields[TBrowseField::OutputEnd] = L"2";
  w.Fields[TBrowseField::InputInterval] = L"2";
  clock.Set(10, 0);
  w.Press(TBrowseKind::Signal);
  EXPECT_EQ(w.Buttons[TBrowseKind::Signal], L"关闭浏览");
  const std::vector<std::vector<String>> perTick = {
      {}, Switched(1, {1, 2}), {}, Switched(2, {1, 2}), {}, Switched(3, {1, 2}), {}, {}, Switched(1, {1, 2}), {}};
  for (size_t t = 0; t < perTick.size(); ++t) {
    SCOPED_TRACE("tick " + std::to_string(t + 1));
    w.Tick();
    EXPECT_EQ(w.Take(), perTick[t]);
  }
  std::map<std::string, std::string> expected{
      {"com5", ""}, {"com6", ""}, {"com7", HexOf("1V1.1V2.2V1.2V2.3V1.3V2.1V1.1V2.")}, {"tcp", ""}};
  EXPECT_EQ(Received("com7", 32), expected);

  // Stopped, the ticks send nothing; the fields were stored at each press.
  w.Press(TBrowseKind::Signal);
  EXPECT_EQ(w.Buttons[TBrowseKind::Signal], L"信号浏览");
  for (int t = 0; t < 4; ++t) w.Tick();
  EXPECT_EQ(w.Take(), std::vector<String>{});
  EXPECT_EQ(w.Store.Written, (std::vector<String>{L"Matrix 1", L"Matrix 2", L"Matrix 3", L"Matrix 4", L"Matrix 5",
                                                  L"Matrix 1", L"Matrix 2", L"Matrix 3", L"Matrix 4", L"Matrix 5"}));
  EXPECT_EQ(Stored(w, L"scene", L"Matrix 4"), L"1");
  EXPECT_EQ(Stored(w, L"scene", L"Matrix 2"), L"2");
  OpenCommPorts(false);
}

TEST_F(SchedulesTest, SignalBrowseWhoseFirstInputIsPastTheLastNeverSwitches) {
  TEventWindow w;
  OpenSerial(w);
  w.Matrix = encoders_test::Vga(0);
  w.Matrix.Linkage = true;
  w.Buttons[TBrowseKind::Signal] = L"Signal View";
  w.Fields[TBrowseField::InputStart] = L"5";
  w.Fields[TBrowseField::InputEnd] = L"1";
  w.Fields[TBrowseField::InputInterval] = L"1";
  w.Press(TBrowseKind::Signal);
  EXPECT_EQ(w.Buttons[TBrowseKind::Signal], L"Stop");
  for (int t = 0; t < 12; ++t) w.Tick();
  EXPECT_EQ(w.Take(), std::vector<String>{});
  EXPECT_EQ(w.Schedules.BrowseInput, 5);
  std::map<std::string, std::string> nothing{{"com5", ""}, {"com6", ""}, {"com7", ""}, {"tcp", ""}};
  EXPECT_EQ(Received("com7", 1), nothing);
  OpenCommPorts(false);
}

TEST_F(SchedulesTest, PresetBrowseRecallsOnTheWallAndBothMatricesAndLeavesThePresetListAlone) {
  TEventWindow w;
  OpenSerial(w);
  w.Matrix = encoders_test::Vga(8);  // VMW-JCVGA: "01PL<n>!"
  w.Matrix.VideoBrandIndex = 13;     // VMW-JCAV: "00PL<n>!"
  w.Matrix.VideoBrandText = encoders_test::VideoBrands[13];
  w.Matrix.Linkage = true;
  w.Response = L"30";
  w.Interval = L"7";
  w.PresetIndex = 6;
  w.Fields[TBrowseField::PresetStart] = L"1";
  w.Fields[TBrowseField::PresetEnd] = L"2";
  w.Fields[TBrowseField::PresetInterval] = L"2";
  w.Press(TBrowseKind::Preset);
  EXPECT_EQ(w.Buttons[TBrowseKind::Preset], L"关闭浏览");
  auto recall = [](int p) {
    const String n = IntToStr(p);
    return std::vector<String>{L"pause 20", L"->C6,11,FF,5A,0" + n + L",BB", L"pause 30", L"00PL" + n + L"!",
                               L"pause 7",  L"01PL" + n + L"!"};
  };
  const std::vector<std::vector<String>> perTick = {{}, recall(1), {}, recall(2), {}, recall(1), {}, recall(2)};
  for (size_t t = 0; t < perTick.size(); ++t) {
    SCOPED_TRACE("tick " + std::to_string(t + 1));
    w.Tick();
    EXPECT_EQ(w.Take(), perTick[t]);
  }
  EXPECT_EQ(w.PresetIndex, 6);
  EXPECT_TRUE(w.Presets.empty()) << "the preset list is never touched";
  std::map<std::string, std::string> expected{
      {"com5", "C6 11 FF 5A 01 BB C6 11 FF 5A 02 BB C6 11 FF 5A 01 BB C6 11 FF 5A 02 BB"},
      {"com6", HexOf("00PL1!00PL2!00PL1!00PL2!")},
      {"com7", HexOf("01PL1!01PL2!01PL1!01PL2!")},
      {"tcp", ""}};
  EXPECT_EQ(Received("com7", 24), expected);
  w.Press(TBrowseKind::Preset);
  EXPECT_EQ(w.Buttons[TBrowseKind::Preset], L"预案浏览");
  EXPECT_EQ(w.Store.Written, (std::vector<String>{L"scene A", L"scene B", L"Time C", L"scene A", L"scene B", L"Time C"}));
  OpenCommPorts(false);
}

TEST_F(SchedulesTest, TimedPowerSwitchesTheWholeWallAtItsMinutesAndAOnceScheduleEndsItself) {
  struct {
    const char* Name;
    TTimedPower Power;
    std::vector<std::pair<int, int>> Ticks;  // hour, minute
    std::string Com5;
    unsigned Interval;
    bool Enabled;
    const wchar_t* Flag;  // [timesetting] "flag" afterwards, "" untouched
  } cases[] = {
      {"daily, before the minute", {7, 30, 22, 0, true, 1}, {{7, 29}}, "", 3000, true, L""},
      {"daily, on", {7, 30, 22, 0, true, 1}, {{7, 30}}, "C6 11 FF 10 01 BB", 61000, true, L""},
      {"daily, on then off", {7, 30, 22, 0, true, 1}, {{7, 30}, {12, 0}, {22, 0}},
       "C6 11 FF 10 01 BB C6 11 FF 10 00 BB", 61000, true, L""},
      {"on and off in one minute, on first", {12, 0, 12, 0, true, 2}, {{12, 0}},
       "C6 11 FF 10 01 BB C6 11 FF 10 00 BB", 61000, true, L""},
      {"once: the first event ends it", {7, 30, 22, 0, true, 0}, {{7, 30}}, "C6 11 FF 10 01 BB", 61000, false, L"0"},
      {"switched off: the timer stops", {7, 30, 22, 0, false, 1}, {{7, 30}}, "", 3000, false, L""},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.Name);
    ResetChannels();
    TEventWindow w;
    OpenSerial(w);
    w.Schedules.Power = c.Power;
    w.TimingSet->SetEnabled(true);
    w.TimingSet->SetInterval(61000);
    for (auto [h, m] : c.Ticks) {
      clock.Set(h, m, 30);
      w.Schedules.tmrTimingSetTimer(w.TimingSet);
    }
    std::map<std::string, std::string> expected{{"com5", c.Com5}, {"com6", ""}, {"com7", ""}, {"tcp", ""}};
    EXPECT_EQ(Received("com5", c.Com5.empty() ? 1 : (c.Com5.size() + 1) / 3), expected);
    EXPECT_EQ(w.TimingSet->Interval(), c.Interval);
    EXPECT_EQ(w.TimingSet->Enabled(), c.Enabled);
    EXPECT_EQ(w.Store.ReadString(L"timesetting", L"flag", L""), c.Flag);
    OpenCommPorts(false);
  }
}

TEST_F(SchedulesTest, TimedPowerReadsItsFieldsAtCreationAndArmsWhenTheFlagIsSet) {
  TScheduleTestWindow w;
  w.Store.Values = {{{L"timesetting", L"ohour"}, L"7"}, {{L"timesetting", L"omin"}, L"30"},
                    {{L"timesetting", L"chour"}, L"22"}, {{L"timesetting", L"cmin"}, L"x"},
                    {{L"timesetting", L"mode"}, L"0"}, {{L"timesetting", L"flag"}, L"1"}};
  w.Schedules.LoadTimedPower(w.Store);
  const TTimedPower& p = w.Schedules.Power;
  EXPECT_EQ((std::vector<int>{p.PowerOnHour, p.PowerOnMinute, p.PowerOffHour, p.PowerOffMinute, p.TimedPowerMode}),
            (std::vector<int>{7, 30, 22, 0, 0}));
  EXPECT_TRUE(p.TimedPowerOn);
  EXPECT_TRUE(w.TimingSet->Enabled());
  w.Store.Values[{L"timesetting", L"flag"}] = L"0";
  w.Schedules.LoadTimedPower(w.Store);
  EXPECT_FALSE(w.TimingSet->Enabled());
}

// --- Scene switch ------------------------------------------------------------------------------

void FillSlot(TScheduleTestWindow& w, int slot, const String& preset, const String& hour, const String& minute) {
  w.Slots[{slot, TSlotField::Preset}] = preset;
  w.Slots[{slot, TSlotField::Hour}] = hour;
  w.Slots[{slot, TSlotField::Minute}] = minute;
}

TEST_F(SchedulesTest, SlotsOfTheSameMinuteLoadInSlotOrderAndTheOperatorsPresetComesBack) {
  TScheduleTestWindow w;
  FillSlot(w, 2, L"3", L"8", L"15");
  FillSlot(w, 5, L"7", L"8", L"15");
  FillSlot(w, 6, L"9", L"8", L"16");
  FillSlot(w, 7, L"0", L"8", L"15");  // no such preset: nothing loads for it
  for (int slot : {5, 2, 6, 7}) w.ClickSlot(slot, true);
  EXPECT_TRUE(w.SceneSwitch->Enabled());
  EXPECT_EQ(Stored(w, L"SceneSwitch", L"switch5"), L"1");
  EXPECT_EQ(Stored(w, L"SceneSwitch", L"v5"), L"7");
  EXPECT_EQ(Stored(w, L"SceneSwitch", L"h2"), L"8");
  EXPECT_EQ(Stored(w, L"SceneSwitch", L"m6"), L"16");
  w.PresetIndex = 9;

  clock.Set(8, 14, 59);
  w.Schedules.tmrSceneSwitchTimer(w.SceneSwitch);
  EXPECT_TRUE(w.Presets.empty());
  EXPECT_EQ(w.SceneSwitch->Interval(), 3000u);

  clock.Set(8, 15, 2);
  w.Schedules.tmrSceneSwitchTimer(w.SceneSwitch);
  EXPECT_EQ(w.Presets, (std::vector<String>{L"load 3", L"select 9", L"load 7", L"select 9"}));
  EXPECT_EQ(w.PresetIndex, 9);
  EXPECT_EQ(w.SceneSwitch->Interval(), 60000u);

  // An unticked slot does not load, even at its minute.
  w.Presets.clear();
  w.ClickSlot(2, false);
  w.Schedules.tmrSceneSwitchTimer(w.SceneSwitch);
  EXPECT_EQ(w.Presets, (std::vector<String>{L"load 7", L"select 9"}));
}

TEST_F(SchedulesTest, ClearingASlotKeepsTheTimerWhileAnotherIsTickedAndStopsItWithTheLast) {
  TScheduleTestWindow w;
  FillSlot(w, 4, L"1", L"6", L"0");
  FillSlot(w, 5, L"2", L"6", L"30");
  w.ClickSlot(4, true);
  w.ClickSlot(5, true);
  w.ClickSlot(4, false);
  EXPECT_TRUE(w.SceneSwitch->Enabled());
  EXPECT_EQ(Stored(w, L"SceneSwitch", L"switch4"), L"0");
  EXPECT_EQ(Stored(w, L"SceneSwitch", L"switch5"), L"1");
  w.ClickSlot(5, false);
  EXPECT_FALSE(w.SceneSwitch->Enabled());
}

TEST_F(SchedulesTest, ASlotWithAnEmptyFieldIsUntickedAgainWithASettingError) {
  for (TSlotField empty : {TSlotField::Preset, TSlotField::Hour, TSlotField::Minute}) {
    SCOPED_TRACE(int(empty));
    TScheduleTestWindow w;
    FillSlot(w, 4, L"1", L"6", L"0");
    w.Slots[{4, empty}] = L"";
    TDialogAnswerScope answers;
    answers.Expect(dkMessageDlg, mrOk);
    w.ClickSlot(4, true);
    ASSERT_EQ(answers.Requests().size(), 1u);
    EXPECT_EQ(answers.Requests()[0].Text, L"设置错误");
    EXPECT_FALSE(w.SlotBoxes[4]);
    EXPECT_EQ(Stored(w, L"SceneSwitch", L"switch4"), L"0");
    EXPECT_EQ(Stored(w, L"SceneSwitch", L"v4"), L"<none>");
    EXPECT_FALSE(w.SceneSwitch->Enabled());
  }
}

TEST_F(SchedulesTest, TheLoadingBlockFillsTheFieldsAndAStoredTickedSlotArmsTheSceneSwitch) {
  TScheduleTestWindow w;
  w.Store.Values = {{{L"SceneSwitch", L"switch3"}, L"1"}, {{L"SceneSwitch", L"v3"}, L"2"},
                    {{L"SceneSwitch", L"h3"}, L"6"},      {{L"SceneSwitch", L"m3"}, L"5"},
                    {{L"scene", L"Matrix 4"}, L"3"},      {{L"scene", L"Time C"}, L"20"},
                    {{L"setting", L"jzll"}, L"1"}};
  w.Fields.clear();
  w.Schedules.LoadSettings(w.Store);
  EXPECT_TRUE(w.SlotBoxes[3]);
  EXPECT_TRUE(w.SceneSwitch->Enabled());
  EXPECT_EQ(w.Schedules.SceneSwitchSlots[2].Preset, 2);
  EXPECT_EQ(w.Schedules.SceneSwitchSlots[2].Hour, 6);
  EXPECT_EQ(w.Schedules.SceneSwitchSlots[2].Minute, 5);
  EXPECT_EQ(w.SlotField(7, TSlotField::Hour), L"0");
  // Stored values, else the table's defaults.
  EXPECT_EQ(w.Fields[TBrowseField::InputStart], L"3");
  EXPECT_EQ(w.Fields[TBrowseField::InputEnd], L"01");
  EXPECT_EQ(w.Fields[TBrowseField::OutputEnd], L"02");
  EXPECT_EQ(w.Fields[TBrowseField::PresetInterval], L"20");
  EXPECT_EQ(w.Fields[TBrowseField::PresetEnd], L"05");
  // The page boxes show their pages; an unticked one runs nothing.
  EXPECT_TRUE(w.PageTabs[TBrowseKind::Signal]);
  EXPECT_EQ(w.PageTabs.count(TBrowseKind::Preset), 0u);
  w.SetBrowsePageBox(TBrowseKind::Preset, true);
  w.SetBrowsePageBox(TBrowseKind::Signal, false);
  EXPECT_TRUE(w.PageTabs[TBrowseKind::Preset]);
  EXPECT_FALSE(w.PageTabs[TBrowseKind::Signal]);
  EXPECT_EQ(Stored(w, L"setting", L"yall"), L"1");
  EXPECT_EQ(Stored(w, L"setting", L"jzll"), L"0");
  // The show's reset takes the start fields.
  w.Schedules.BrowseInputTicks = 4;
  w.Schedules.ResetBrowse();
  EXPECT_EQ(w.Schedules.BrowseInput, 3);
  EXPECT_EQ(w.Schedules.BrowsePreset, 1);
  EXPECT_EQ(w.Schedules.BrowseInputTicks, 0);
}

// --- Conversion errors and nested ticks (D-95) ---------------------------------------------------

TEST_F(SchedulesTest, ABadBrowseFieldGivesOneMessagePerTickAndATickDuringItsMessageAsksNothing) {
  TScheduleTestWindow w;
  w.Fields[TBrowseField::InputStart] = L"1";
  w.Fields[TBrowseField::InputInterval] = L"x";
  w.Press(TBrowseKind::Signal);
  TDialogAnswerScope answers;
  int nested = 0;
  for (int i = 0; i < 2; ++i)
    answers.Expect(dkMessageBox, [&](TDialogRequest&) {
      // The platform's message loop runs the timer's next tick here.
      w.Tick();
      ++nested;
      return IDOK;
    });
  w.Tick();
  w.Tick();
  EXPECT_EQ(nested, 2);
  ASSERT_EQ(answers.Requests().size(), 2u);
  EXPECT_EQ(answers.Requests()[0].Text, L"'x' is not a valid integer value.");
  EXPECT_TRUE(answers.Unanswered().empty());
  EXPECT_EQ(w.Schedules.BrowseInputTicks, 2) << "the nested ticks were dropped";
  // The clock kept going in the ticks that ran.
  EXPECT_FALSE(w.ClockPanelText().empty());
}

// --- Status clock ------------------------------------------------------------------------------

TEST_F(SchedulesTest, TheStatusClockShowsDateTimeAndWeekdayInBothLanguages) {
  struct {
    int Language;
    int Day;  // December 2026: the 6th is a Sunday
    const wchar_t* Weekday;
  } cases[] = {{0, 6, L"星期日"}, {0, 11, L"星期五"}, {0, 12, L"星期六"}, {1, 6, L"Sun "}, {1, 10, L"Thur"},
               {1, 11, L"Fri "}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Day);
    TScheduleTestWindow w;
    w.LanguageFlag = c.Language;
    Clock() = EncodeDate(2026, 12, c.Day) + EncodeTime(9, 5, 7, 0);
    w.Tick();
    EXPECT_EQ(w.ClockPanelText(), DateToStr(Clock()) + L" " + TimeToStr(Clock()) + L"   " + c.Weekday + L"---");
  }
}

TEST_F(SchedulesTest, AClockTextWrittenAgainCausesNoRepaint) {
  TScheduleTestWindow w;
  w.ShowHost();
  clock.Set(9, 5, 7);
  w.Tick();
  test_support::Pump();
  const int painted = w.Bar->Paints;
  w.SetClockPanelText(w.ClockPanelText());
  test_support::Pump();
  EXPECT_EQ(w.Bar->Paints, painted);
  clock.Set(9, 5, 8);
  w.Tick();
  test_support::Pump();
  EXPECT_GT(w.Bar->Paints, painted);
}

// The one real-time check: Timer1 on the platform's clock and timer.
TEST(SchedulesRealTime, TheStatusClockChangesWithinTwoSeconds) {
  TScheduleTestWindow w;
  w.ShowHost();
  TTimer timer(nullptr);
  timer.SetInterval(1000);
  timer.SetOnTimer(TNotifyEvent(&w.Schedules, &TConsoleSchedules::Timer1Timer));
  w.Tick();
  const String first = w.ClockPanelText();
  EXPECT_TRUE(link_test::PumpUntil([&] { return w.ClockPanelText() != first; }, 2000));
}

}  // namespace
