#include "kernel/calendar.h"

#include <gtest/gtest.h>

namespace {

DateTime date(uint16_t y, uint8_t m, uint8_t d) { return DateTime{y, m, d, 0, 0, 0, 0}; }

TEST(Calendar, DayZeroIsThursdayFirstOfJanuary1970) {
  DateTime r{};
  CAL_DaysToDate(0, &r);
  EXPECT_EQ(r.year, 1970);
  EXPECT_EQ(r.month, 1);
  EXPECT_EQ(r.day, 1);
  EXPECT_EQ(r.weekday, 4);
}

TEST(Calendar, DaysAndDatesRoundTripAcrossLeapYears) {
  for (uint32_t days = 0; days < 50000; days += 37) {
    DateTime r{};
    CAL_DaysToDate(days, &r);
    ASSERT_EQ(CAL_DateToDays(&r), days);
  }
  DateTime leap = date(2024, 2, 29);
  DateTime next{};
  CAL_DaysToDate(CAL_DateToDays(&leap) + 1, &next);
  EXPECT_EQ(next.month, 3);
  EXPECT_EQ(next.day, 1);
}

TEST(Calendar, SecondsConvertInPlaceAndBack) {
  DateTime r{};
  CAL_SecondsToRecord(1796889600u + 3661u, &r);  // 2026-12-10 09:01:01
  EXPECT_EQ(r.hour, 9);
  EXPECT_EQ(r.minute, 1);
  EXPECT_EQ(r.second, 1);
  EXPECT_EQ(r.weekday, 4);
  EXPECT_EQ(CAL_RecordToSeconds(&r), 1796889600u + 3661u);
  EXPECT_EQ(CAL_FirstWord(&r), 1796889600u + 3661u);
}

struct ShiftCase {
  DateTime start;
  int32_t days;
  uint16_t year;
  uint8_t month;
  uint8_t day;
};

TEST(Calendar, DateShiftIsLimitedTo2009Until2098) {
  const ShiftCase cases[] = {
      {date(2008, 12, 31), 1, 2009, 1, 1}, {date(2010, 5, 5), -100000, 2009, 1, 1},
      {date(2098, 2, 27), 1, 2098, 2, 28}, {date(2098, 2, 27), 5, 2098, 2, 28},
      {date(2020, 2, 28), 1, 2020, 2, 29}, {DateTime{}, 14245, 2009, 1, 1},
  };
  for (const ShiftCase& c : cases) {
    DateTime r = c.start;
    const uint8_t weekday = CAL_ShiftDate(&r, c.days);
    EXPECT_EQ(r.year, c.year);
    EXPECT_EQ(r.month, c.month);
    EXPECT_EQ(r.day, c.day);
    EXPECT_EQ(weekday, r.weekday);
  }
  DateTime unchanged = date(2008, 12, 31);
  EXPECT_EQ(CAL_ShiftDate(&unchanged, 0), 0);
  EXPECT_EQ(unchanged.year, 2008);
  EXPECT_EQ(unchanged.day, 31);
}

TEST(Calendar, TimeShiftWrapsWithinTheDay) {
  struct {
    uint8_t hour, minute;
    int32_t shift;
    uint8_t expectHour, expectMinute;
  } cases[] = {{23, 50, 20, 0, 10}, {0, 5, -10, 23, 55}, {12, 0, 1440 * 3 + 1, 12, 1}, {0, 0, -1441, 23, 59}};
  for (auto& c : cases) {
    uint8_t h = c.hour, m = c.minute;
    CAL_ShiftTime(&h, &m, c.shift);
    EXPECT_EQ(h, c.expectHour);
    EXPECT_EQ(m, c.expectMinute);
  }
}

}  // namespace
