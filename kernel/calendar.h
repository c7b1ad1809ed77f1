// Calendar arithmetic on the clock's seconds since 1970-01-01 (local time).
#pragma once

#include <cstdint>

// Date-time record. Some routines use its first four bytes as a 32-bit
// seconds value in place, so the layout is fixed at eight bytes.
struct DateTime {
  uint16_t year;
  uint8_t month;    // 1..12
  uint8_t day;      // 1..31
  uint8_t weekday;  // 1 = Monday .. 7 = Sunday
  uint8_t hour;
  uint8_t minute;
  uint8_t second;
};
static_assert(sizeof(DateTime) == 8);

constexpr uint32_t kFirstShiftDay = 14245;  // 2009-01-01
constexpr uint32_t kLastShiftDay = 46810;   // 2098-02-28

void CAL_SecondsToRecord(uint32_t seconds, DateTime* record);
void CAL_DaysToDate(uint32_t days, DateTime* record);
uint32_t CAL_DateToDays(const DateTime* record);
// Converts in place: the seconds value overwrites the first four bytes. Returns it too.
uint32_t CAL_RecordToSeconds(DateTime* record);
// Shifts the date by `days`; returns the new weekday, or 0 for a shift of 0.
uint8_t CAL_ShiftDate(DateTime* record, int32_t days);
// Shifts a time of day by `minutes`, wrapping within one day.
void CAL_ShiftTime(uint8_t* hour, uint8_t* minute, int32_t minutes);

// The record's first four bytes read as a 32-bit value.
uint32_t CAL_FirstWord(const DateTime* record);
