// The switching-time store of the time programs and its day groups.
#include <cstring>

#include "data/data_image.h"
#include "data/data_image_store.h"

namespace {

constexpr uint8_t kHeatingOn = 36;    // 6:00
constexpr uint8_t kWaterOn = 33;      // 5:30 (hot water and circulation)
constexpr uint8_t kDefaultOff = 132;  // 22:00
constexpr uint8_t kStepsPerHour = 6;

struct DayGroup {
  uint8_t firstDay;
  uint8_t days;
};

DayGroup dayGroup(uint8_t group) {
  if (group >= 1 && group <= kDays) return {static_cast<uint8_t>(group - 1), 1};
  if (group == kDayGroupWorkdays) return {0, 5};
  if (group == kDayGroupWeekend) return {5, 2};
  return {0, kDays};
}

bool validSlot(uint8_t circuit, uint8_t program, uint8_t day, uint8_t period, uint8_t edge) {
  return circuit < kNamedCircuitCount && program < kPrograms && day < kDays && period < kPeriods && edge < 2;
}

uint8_t* dayTimes(uint8_t circuit, uint8_t program, uint8_t day) {
  return &DAT_Image().switchingTimes[circuit][program][day][0][0];
}

}  // namespace

uint8_t DAT_GetSwitchingTime(uint8_t circuit, uint8_t program, uint8_t day, uint8_t period, uint8_t edge) {
  if (!validSlot(circuit, program, day, period, edge)) return kNoTime;
  return DAT_Image().switchingTimes[circuit][program][day][period][edge];
}

void DAT_SetSwitchingTime(uint8_t circuit, uint8_t program, uint8_t day, uint8_t period, uint8_t edge,
                          uint8_t time) {
  if (!validSlot(circuit, program, day, period, edge)) return;
  DAT_Image().switchingTimes[circuit][program][day][period][edge] = time;
}

void DAT_SetDefaultSwitchingTimes(uint8_t circuit, uint8_t program) {
  if (!validSlot(circuit, program, 0, 0, 0)) return;
  const uint8_t on = program == 0 ? kHeatingOn : kWaterOn;
  for (uint8_t day = 0; day < kDays; ++day) {
    uint8_t* times = dayTimes(circuit, program, day);
    std::memset(times, kNoTime, kDayTimesSize);
    times[0] = on;
    times[1] = kDefaultOff;
  }
}

uint8_t DAT_TimeFromAnswerByte(uint8_t encoded) {
  const uint8_t hours = encoded >> 3;
  const uint8_t tens = encoded & 7;
  if (tens >= kStepsPerHour) return kNoTime;
  const unsigned steps = hours * kStepsPerHour + tens;
  return steps <= kTimeStepsPerDay ? static_cast<uint8_t>(steps) : kNoTime;
}

void DAT_StoreWeekdayAnswer(uint8_t circuit, uint8_t day, const uint8_t* answer) {
  if (circuit < 1 || circuit > kNamedCircuitCount || day >= kDays) return;
  for (uint8_t program = 0; program < kPrograms; ++program) {
    uint8_t* times = dayTimes(circuit - 1, program, day);
    for (uint8_t i = 0; i < kDayTimesSize; ++i) {
      times[i] = DAT_TimeFromAnswerByte(answer[program * kDayTimesSize + i]);
    }
  }
}

uint8_t DAT_GroupFirstDay(uint8_t group) { return dayGroup(group).firstDay; }
uint8_t DAT_GroupDayCount(uint8_t group) { return dayGroup(group).days; }

uint8_t DAT_GetGroupTime(uint8_t group, uint8_t circuit, uint8_t program, uint8_t period, uint8_t edge) {
  return DAT_GetSwitchingTime(circuit, program, dayGroup(group).firstDay, period, edge);
}

void DAT_SetGroupTime(uint8_t group, uint8_t circuit, uint8_t program, uint8_t period, uint8_t edge,
                      uint8_t time) {
  const DayGroup g = dayGroup(group);
  for (uint8_t day = g.firstDay; day < g.firstDay + g.days; ++day) {
    DAT_SetSwitchingTime(circuit, program, day, period, edge, time);
  }
}

bool DAT_GroupIsUniform(uint8_t group, uint8_t circuit, uint8_t program) {
  if (!validSlot(circuit, program, 0, 0, 0)) return false;
  const DayGroup g = dayGroup(group);
  const uint8_t* first = dayTimes(circuit, program, g.firstDay);
  for (uint8_t day = g.firstDay + 1; day < g.firstDay + g.days; ++day) {
    if (std::memcmp(first, dayTimes(circuit, program, day), kDayTimesSize) != 0) return false;
  }
  return true;
}
