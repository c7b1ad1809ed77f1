#include "data/status_record.h"

namespace {
uint8_t statusRecord[kStatusRecordSize];
}

void DAT_SetStatusBit(uint8_t byteIndex, uint8_t bit, bool on) {
  if (byteIndex >= kStatusRecordSize || bit > 7) return;
  const auto mask = static_cast<uint8_t>(1u << bit);
  statusRecord[byteIndex] =
      static_cast<uint8_t>(on ? (statusRecord[byteIndex] | mask) : (statusRecord[byteIndex] & ~mask));
}

uint8_t DAT_GetStatusByte(uint8_t byteIndex) {
  return byteIndex < kStatusRecordSize ? statusRecord[byteIndex] : 0;
}

void DAT_ClearStatusRecord() {
  for (auto& b : statusRecord) b = 0;
}
