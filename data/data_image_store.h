// The storage behind the controller data image, shared by the modules that
// implement its operations. Everyone else goes through data_image.h.
#pragma once

#include "data/data_image.h"

struct DataImage {
  uint8_t status[kStatusRecordSize];
  uint8_t previousStatusWord[2];
  uint8_t previousStatusByte7[1];
  uint8_t currentCircuitStatus[kCircuitStatusSize];
  uint8_t job0[24];
  uint8_t job1[7];
  uint8_t job2Short[10];
  uint8_t job2Long[11];
  uint8_t config[30];
  uint8_t job13_14[26];
  uint8_t job15[54];
  uint8_t job16[37];
  uint8_t job17[25];
  uint8_t job18[27];
  uint8_t job24[29];
  uint8_t job26[29];
  uint8_t faultHistoryA[kHistorySize];
  uint8_t faultHistoryB[kHistorySize];
  uint8_t circuitRecords[kCircuitCount][kCircuitRecordSize];
  uint8_t currentCircuitRecord[kCircuitRecordSize];
  uint8_t local[kLocalSize];
  CircuitName circuitNames[kNamedCircuitCount];
  uint8_t switchingTimes[kNamedCircuitCount][kPrograms][kDays][kPeriods][2];
  DateTime circuitDates[2];
};

DataImage& DAT_Image();
