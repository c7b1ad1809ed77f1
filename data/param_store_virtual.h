// The parameter store fields as the factory check addresses them: one
// number per field.
#pragma once

#include <cstdint>

constexpr uint16_t kPsVirtualFirst = 2128;
constexpr uint16_t kPsVirtualLast = 2140;

// Copies the addressed field (at most size bytes) into buffer and returns
// the number of bytes copied; 0 for an address that is not a store field.
uint16_t PS_ReadVirtual(uint16_t address, uint8_t* buffer, uint16_t size);
// Writes up to count bytes of data into the addressed field and returns the
// number of bytes written; 0 for an address that is not a store field.
uint16_t PS_WriteVirtual(uint16_t address, const uint8_t* data, uint16_t count);
