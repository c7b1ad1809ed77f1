#include <gtest/gtest.h>

#include "data/data_image.h"
#include "tests/support/test_host.h"

namespace {

class SwitchingTimes : public ::testing::Test {
 protected:
  SwitchingTimes() { DAT_Init(kStartCold); }
  TestHost test;
};

TEST_F(SwitchingTimes, AnswerBytesBecomeTenMinuteSteps) {
  struct {
    uint8_t encoded;  // hours * 8 + tens of minutes
    uint8_t steps;
  } cases[] = {
      {0, 0},                 // 0:00
      {5 * 8 + 3, 33},        // 5:30
      {6 * 8, 36},            // 6:00
      {23 * 8 + 5, 143},      // 23:50
      {24 * 8, 144},          // 24:00
      {255, kNoTime},         // not used
      {24 * 8 + 1, kNoTime},  // after midnight
      {7 * 8 + 6, kNoTime},   // sixty minutes
      {31 * 8 + 5, kNoTime},  // 31:50
  };
  for (const auto& c : cases) EXPECT_EQ(DAT_TimeFromAnswerByte(c.encoded), c.steps) << int(c.encoded);
}

TEST_F(SwitchingTimes, WeekdayAnswerFillsOneDayOfOneCircuit) {
  uint8_t answer[kWeekdayAnswerSize];
  for (uint8_t i = 0; i < kWeekdayAnswerSize; ++i) answer[i] = static_cast<uint8_t>(i * 8);  // i:00
  DAT_StoreWeekdayAnswer(2, 3, answer);  // circuit 2, Thursday
  for (uint8_t program = 0; program < kPrograms; ++program)
    for (uint8_t period = 0; period < kPeriods; ++period)
      for (uint8_t edge = 0; edge < 2; ++edge)
        EXPECT_EQ(DAT_GetSwitchingTime(1, program, 3, period, edge), (program * 8 + period * 2 + edge) * 6);
  EXPECT_EQ(DAT_GetSwitchingTime(0, 0, 3, 0, 0), 36);  // circuit 1 keeps its times
  EXPECT_EQ(DAT_GetSwitchingTime(1, 0, 2, 0, 0), 36);  // and so do the other days

  DAT_StoreWeekdayAnswer(3, 3, answer);  // no time program for circuit 3
  DAT_StoreWeekdayAnswer(1, 7, answer);  // no eighth day
  EXPECT_EQ(DAT_GetSwitchingTime(0, 0, 3, 0, 0), 36);
}

TEST_F(SwitchingTimes, OutOfRangeSlotsReadNoTimeAndWriteNothing) {
  EXPECT_EQ(DAT_GetSwitchingTime(2, 0, 0, 0, 0), kNoTime);
  EXPECT_EQ(DAT_GetSwitchingTime(0, 3, 0, 0, 0), kNoTime);
  EXPECT_EQ(DAT_GetSwitchingTime(0, 0, 7, 0, 0), kNoTime);
  EXPECT_EQ(DAT_GetSwitchingTime(0, 0, 0, 4, 0), kNoTime);
  EXPECT_EQ(DAT_GetSwitchingTime(0, 0, 0, 0, 2), kNoTime);
  DAT_SetSwitchingTime(0, 0, 0, 4, 0, 1);  // would land on Monday period 0 of the next row
  DAT_SetSwitchingTime(0, 0, 7, 0, 0, 1);
  EXPECT_EQ(DAT_GetSwitchingTime(0, 0, 1, 0, 0), 36);
  EXPECT_EQ(DAT_GetSwitchingTime(0, 1, 0, 0, 0), 33);
}

TEST_F(SwitchingTimes, DayGroupsWriteEveryDayAndReadTheFirst) {
  struct {
    uint8_t group;
    uint8_t firstDay;
    uint8_t days;
  } cases[] = {{0, 0, 7}, {1, 0, 1}, {4, 3, 1}, {7, 6, 1}, {8, 0, 5}, {9, 5, 2}, {10, 0, 7}, {255, 0, 7}};
  for (const auto& c : cases) {
    SCOPED_TRACE(int(c.group));
    DAT_Init(kStartCold);
    EXPECT_EQ(DAT_GroupFirstDay(c.group), c.firstDay);
    EXPECT_EQ(DAT_GroupDayCount(c.group), c.days);
    DAT_SetGroupTime(c.group, 1, 2, 1, 1, 100);
    for (uint8_t day = 0; day < kDays; ++day) {
      const bool inGroup = day >= c.firstDay && day < c.firstDay + c.days;
      EXPECT_EQ(DAT_GetSwitchingTime(1, 2, day, 1, 1), inGroup ? 100 : kNoTime) << int(day);
    }
    EXPECT_EQ(DAT_GetSwitchingTime(0, 2, c.firstDay, 1, 1), kNoTime);  // the other circuit stays
    DAT_SetSwitchingTime(1, 2, c.firstDay, 1, 0, 90);
    EXPECT_EQ(DAT_GetGroupTime(c.group, 1, 2, 1, 0), 90);
  }
}

TEST_F(SwitchingTimes, GroupTestComparesWithTheGroupsFirstDay) {
  EXPECT_TRUE(DAT_GroupIsUniform(kDayGroupWeek, 0, 0));
  DAT_SetSwitchingTime(0, 0, 5, 3, 1, 50);  // Saturday differs
  EXPECT_FALSE(DAT_GroupIsUniform(kDayGroupWeek, 0, 0));
  EXPECT_TRUE(DAT_GroupIsUniform(kDayGroupWorkdays, 0, 0));
  EXPECT_FALSE(DAT_GroupIsUniform(kDayGroupWeekend, 0, 0));
  EXPECT_TRUE(DAT_GroupIsUniform(kDayGroupWeekend, 0, 1));  // another program
  EXPECT_TRUE(DAT_GroupIsUniform(kDayGroupWeekend, 1, 0));  // another circuit
  DAT_SetSwitchingTime(0, 0, 6, 3, 1, 50);
  EXPECT_TRUE(DAT_GroupIsUniform(kDayGroupWeekend, 0, 0));
  DAT_SetSwitchingTime(0, 0, 4, 0, 0, 1);  // Friday differs
  EXPECT_FALSE(DAT_GroupIsUniform(kDayGroupWorkdays, 0, 0));
  EXPECT_TRUE(DAT_GroupIsUniform(5, 0, 0));  // a single day always is
}

}  // namespace
