// Dates and times: encoding, decoding, day of week, formatting and parsing.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "SysUtils.h"
#include "sysutils_test.h"

namespace {

TEST(DateEncodeTest, KnownDaysRoundTripAndDayOfWeek) {
  struct Case {
    int y, m, d;
    double serial;
    int dow;
  } cases[] = {
      {1899, 12, 30, 0, 7},     {1900, 1, 1, 2, 2},       {2000, 2, 29, 36585, 3},  {2026, 12, 10, 46366, 5},
      {1, 1, 1, -693593, 2},    {9999, 12, 31, 2958465, 6}, {1900, 3, 1, 61, 5},     {2100, 3, 1, 73110, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.y * 10000 + c.m * 100 + c.d);
    EXPECT_EQ(EncodeDate(c.y, c.m, c.d), c.serial);
    // 18:00 that day; before 1899-12-30 the time is added away from zero.
    double evening = c.serial < 0 ? c.serial - 0.75 : c.serial + 0.75;
    int y, m, d;
    DecodeDate(evening, y, m, d);
    EXPECT_EQ(y * 10000 + m * 100 + d, c.y * 10000 + c.m * 100 + c.d);
    EXPECT_EQ(DayOfWeek(evening), c.dow);
  }
}

TEST(DateEncodeTest, InvalidDatesAndTimesRaise) {
  int bad[][3] = {{2001, 2, 29}, {1900, 2, 29}, {0, 1, 1}, {10000, 1, 1}, {2000, 13, 1}, {2000, 0, 1}, {2000, 4, 31},
                  {2000, 1, 0}};
  for (auto& b : bad) {
    EXPECT_EQ(MessageOf<EConvertError>([&] { EncodeDate(b[0], b[1], b[2]); }), L"Invalid argument to date encode")
        << b[0] << "-" << b[1] << "-" << b[2];
    TDateTime untouched = 5;
    EXPECT_FALSE(TryEncodeDate(b[0], b[1], b[2], untouched));
    EXPECT_EQ(untouched, 5);
  }
  int badTimes[][4] = {{24, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0}, {0, 0, 0, 1000}, {-1, 0, 0, 0}};
  for (auto& t : badTimes)
    EXPECT_EQ(MessageOf<EConvertError>([&] { EncodeTime(t[0], t[1], t[2], t[3]); }), L"Invalid argument to time encode");
}

TEST(DateEncodeTest, TimeDecodesToTheMillisecondIncludingNegativeDates) {
  int h, n, s, ms;
  DecodeTime(EncodeTime(23, 59, 59, 999), h, n, s, ms);
  EXPECT_EQ(std::vector<int>({h, n, s, ms}), std::vector<int>({23, 59, 59, 999}));
  DecodeTime(EncodeDate(2026, 3, 5) + EncodeTime(14, 7, 9, 45), h, n, s, ms);
  EXPECT_EQ(std::vector<int>({h, n, s, ms}), std::vector<int>({14, 7, 9, 45}));
  // Before 1899-12-30 the fraction still counts forward from midnight.
  int y, m, d;
  DecodeDate(-1.25, y, m, d);
  DecodeTime(-1.25, h, n, s, ms);
  EXPECT_EQ(std::vector<int>({y, m, d, h, n}), std::vector<int>({1899, 12, 29, 6, 0}));
}

TEST(DateEncodeTest, NowIsToday) {
  TDateTime now = Now();
  EXPECT_GT(now, EncodeDate(2020, 1, 1));
  EXPECT_EQ(Date(), std::floor(Date()));
  EXPECT_LT(Time(), 1.0);
}

TDateTime FixedNow() { return EncodeDate(2026, 12, 31) + EncodeTime(23, 59, 58, 500); }

TEST(DateEncodeTest, AnInstalledClockIsWhatNowDateAndTimeReadUntilItIsRemoved) {
  const TNowProc previous = SetNowProc(&FixedNow);
  EXPECT_EQ(Now(), FixedNow());
  EXPECT_EQ(Date(), EncodeDate(2026, 12, 31));
  EXPECT_NEAR(Time(), EncodeTime(23, 59, 58, 500), 1e-9);
  EXPECT_EQ(SetNowProc(nullptr), &FixedNow);
  EXPECT_NE(Now(), FixedNow());
  EXPECT_GT(Now(), EncodeDate(2020, 1, 1));
  SetNowProc(previous);
}

class DateFormatTest : public testing::Test {
 protected:
  TFormatSettings fs = TFormatSettings::Invariant();
  TDateTime when = EncodeDate(2026, 3, 5) + EncodeTime(14, 7, 9, 45);
};

TEST_F(DateFormatTest, Patterns) {
  struct Case {
    const wchar_t* pattern;
    const wchar_t* text;
  } cases[] = {
      {L"yyyy-mm-dd hh:nn:ss", L"2026-03-05 14:07:09"},
      {L"yy-mm-dd hh:mm:ss", L"26-03-05 14:07:09"},  // m after h means minutes
      {L"mm-dd hh:mm:ss", L"03-05 14:07:09"},
      {L"hh:mm:ss", L"14:07:09"},
      {L"h:n:s.z", L"14:7:9.45"},
      {L"zzz", L"045"},
      {L"d/m/yy", L"5/3/26"},
      {L"ddd dddd mmm mmmm", L"Thu Thursday Mar March"},
      {L"hh:nn am/pm", L"02:07 pm"},
      {L"h AM/PM", L"2 PM"},
      {L"h a/p", L"2 p"},
      {L"h ampm", L"2 PM"},
      {L"hh 'h' am/pm hh", L"02 h pm 14"},  // only the hour before the marker is on the 12-hour clock
      {L"c", L"3/5/2026 2:07:09 PM"},
      {L"ddddd", L"3/5/2026"},
      {L"dddddd", L"Thursday, March 5, 2026"},
      {L"t", L"2:07 PM"},
      {L"tt", L"2:07:09 PM"},
      {L"'at' hh\"h\"nn", L"at 14h07"},
      {L"", L"3/5/2026 2:07:09 PM"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatDateTime(c.pattern, when, fs), c.text) << String(c.pattern);

  EXPECT_EQ(FormatDateTime(L"c", EncodeDate(2026, 3, 5), fs), L"3/5/2026");
  EXPECT_EQ(FormatDateTime(L"h:nn ampm", EncodeDate(2026, 3, 5), fs), L"12:00 AM");
  fs.DateSeparator = L'-';
  fs.TimeSeparator = L'.';
  EXPECT_EQ(FormatDateTime(L"yyyy/mm/dd hh:nn", when, fs), L"2026-03-05 14.07");
}

TEST_F(DateFormatTest, DateAndTimeTexts) {
  fs.ShortDateFormat = L"yyyy/M/d";
  fs.LongTimeFormat = L"H:mm:ss";
  EXPECT_EQ(DateToStr(when, fs), L"2026/3/5");
  EXPECT_EQ(TimeToStr(when, fs), L"14:07:09");
  EXPECT_EQ(DateTimeToStr(when, fs), L"2026/3/5 14:07:09");
}

TEST_F(DateFormatTest, ParsingFollowsTheShortDateOrder) {
  struct Case {
    const wchar_t* format;
    wchar_t separator;
    const wchar_t* text;
  } cases[] = {
      {L"M/d/yyyy", L'/', L"3/5/2026"},   {L"M/d/yyyy", L'/', L" 3 / 5 / 2026 "}, {L"dd.MM.yyyy", L'.', L"05.03.2026"},
      {L"yyyy/M/d", L'/', L"2026/3/5"},   {L"yyyy-MM-dd", L'-', L"2026-03-05"},
  };
  for (const auto& c : cases) {
    fs.ShortDateFormat = c.format;
    fs.DateSeparator = c.separator;
    EXPECT_EQ(StrToDate(c.text, fs), EncodeDate(2026, 3, 5)) << String(c.text);
  }
  fs = TFormatSettings::Invariant();
  fs.TwoDigitYearCenturyWindow = 0;
  int year, m, d;
  DecodeDate(Now(), year, m, d);
  EXPECT_EQ(StrToDate(L"3/5/26", fs), EncodeDate(year / 100 * 100 + 26, 3, 5));
  EXPECT_EQ(StrToDate(L"3/5", fs), EncodeDate(year, 3, 5));

  for (const wchar_t* bad : {L"2/30/2026", L"abc", L"3/5/2026x", L"", L"13/1/2026", L"3-5-2026", L"3/"})
    EXPECT_EQ(MessageOf<EConvertError>([&] { StrToDate(bad, fs); }), L"'" + String(bad) + L"' is not a valid date");
}

TEST_F(DateFormatTest, ParsingTimes) {
  struct Case {
    const wchar_t* text;
    int h, n, s, ms;
  } cases[] = {
      {L"14:07:09", 14, 7, 9, 0}, {L"2:07 PM", 14, 7, 0, 0}, {L"12:00 AM", 0, 0, 0, 0}, {L"12 pm", 12, 0, 0, 0},
      {L"1:2:3.4", 1, 2, 3, 4},   {L"AM 9:30", 9, 30, 0, 0}, {L"  7  ", 7, 0, 0, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(StrToTime(c.text, fs), EncodeTime(c.h, c.n, c.s, c.ms)) << String(c.text);
  for (const wchar_t* bad : {L"13:00 PM", L"0 AM", L"25:00", L"10:60", L"10:", L"x", L"10:00 XM"})
    EXPECT_EQ(MessageOf<EConvertError>([&] { StrToTime(bad, fs); }), L"'" + String(bad) + L"' is not a valid time");
}

TEST_F(DateFormatTest, DateTimeTextRoundTrip) {
  TDateTime whole = EncodeDate(2026, 3, 5) + EncodeTime(14, 7, 9, 0);
  EXPECT_EQ(StrToDateTime(DateTimeToStr(whole, fs), fs), whole);
  EXPECT_EQ(StrToDateTime(L"3/5/2026", fs), EncodeDate(2026, 3, 5));
  EXPECT_EQ(StrToDateTime(L"14:07", fs), EncodeTime(14, 7, 0, 0));
  EXPECT_EQ(MessageOf<EConvertError>([&] { StrToDateTime(L"3/5/2026 99:00", fs); }),
            L"'3/5/2026 99:00' is not a valid date and time");
}

}  // namespace
