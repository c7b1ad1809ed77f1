#include "kernel/calendar.h"

#include <cstring>

namespace {

constexpr uint8_t kMonthLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool isLeap(uint32_t year) { return year % 4 == 0; }

uint32_t daysInYear(uint32_t year) { return isLeap(year) ? 366 : 365; }

uint32_t daysInMonth(uint32_t year, uint32_t month) {
  return kMonthLength[month - 1] + ((month == 2 && isLeap(year)) ? 1 : 0);
}

}  // namespace

void CAL_DaysToDate(uint32_t days, DateTime* record) {
  record->weekday = static_cast<uint8_t>((days + 3) % 7 + 1);
  uint32_t year = 1970;
  while (days >= daysInYear(year)) days -= daysInYear(year++);
  uint32_t month = 1;
  while (days >= daysInMonth(year, month)) days -= daysInMonth(year, month++);
  record->year = static_cast<uint16_t>(year);
  record->month = static_cast<uint8_t>(month);
  record->day = static_cast<uint8_t>(days + 1);
}

void CAL_SecondsToRecord(uint32_t seconds, DateTime* record) {
  record->second = static_cast<uint8_t>(seconds % 60);
  record->minute = static_cast<uint8_t>((seconds / 60) % 60);
  record->hour = static_cast<uint8_t>((seconds / 3600) % 24);
  CAL_DaysToDate(seconds / 86400, record);
}

uint32_t CAL_DateToDays(const DateTime* record) {
  uint32_t days = record->day - 1u;
  for (uint32_t m = 1; m < record->month && m <= 12; ++m) days += kMonthLength[m - 1];
  if (record->month > 2 && isLeap(record->year)) ++days;
  for (uint32_t y = 1970; y < record->year; ++y) days += daysInYear(y);
  return days;
}

uint32_t CAL_RecordToSeconds(DateTime* record) {
  const uint32_t seconds =
      CAL_DateToDays(record) * 86400u + record->hour * 3600u + record->minute * 60u + record->second;
  std::memcpy(record, &seconds, sizeof seconds);
  return seconds;
}

uint32_t CAL_FirstWord(const DateTime* record) {
  uint32_t word;
  std::memcpy(&word, record, sizeof word);
  return word;
}

uint8_t CAL_ShiftDate(DateTime* record, int32_t days) {
  if (days == 0) return 0;
  const int64_t start = CAL_FirstWord(record) == 0 ? 0 : CAL_DateToDays(record);
  int64_t shifted = start + days;
  if (shifted < kFirstShiftDay) shifted = kFirstShiftDay;
  if (shifted > kLastShiftDay) shifted = kLastShiftDay;
  CAL_DaysToDate(static_cast<uint32_t>(shifted), record);
  return record->weekday;
}

void CAL_ShiftTime(uint8_t* hour, uint8_t* minute, int32_t minutes) {
  constexpr int32_t kMinutesPerDay = 1440;
  int32_t total = (*hour * 60 + *minute + minutes % kMinutesPerDay) % kMinutesPerDay;
  if (total < 0) total += kMinutesPerDay;
  *hour = static_cast<uint8_t>(total / 60);
  *minute = static_cast<uint8_t>(total % 60);
}
