// The controller's status record in the data image: written by the display
// link after each status object and, in the simulation, by the special
// hardkeys that raise and clear single status bits.
#pragma once

#include <cstdint>

#include "data/data_image.h"

// Sets or clears one bit; bytes and bits outside the record are ignored.
void DAT_SetStatusBit(uint8_t byteIndex, uint8_t bit, bool on);
uint8_t DAT_GetStatusByte(uint8_t byteIndex);
void DAT_ClearStatusRecord();
