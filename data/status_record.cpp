#include "data/status_record.h"

void DAT_SetStatusBit(uint8_t byteIndex, uint8_t bit, bool on) {
  if (byteIndex >= kStatusRecordSize || bit > 7) return;
  DAT_Set(DAT_Bit(DatBlock::Status, byteIndex, bit), on ? 1 : 0);
}

uint8_t DAT_GetStatusByte(uint8_t byteIndex) {
  return static_cast<uint8_t>(DAT_Get(DAT_Byte(DatBlock::Status, byteIndex)));
}

void DAT_ClearStatusRecord() { DAT_ClearBlock(DatBlock::Status); }
