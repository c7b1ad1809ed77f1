// The controller's status record in the data image (bytes set by the
// display link; the simulation keys set bits of byte 5 directly).
#pragma once

#include <cstdint>

constexpr int kStatusRecordSize = 8;

void DAT_SetStatusBit(uint8_t byteIndex, uint8_t bit, bool on);
uint8_t DAT_GetStatusByte(uint8_t byteIndex);
void DAT_ClearStatusRecord();
