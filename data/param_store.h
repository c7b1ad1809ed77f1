// Parameter store: device data kept in the flash image, read and written
// field by field, and the texts of the languages other than German.
#pragma once

#include <cstdint>

#include "data/param_store_layout.h"

// The 8-bit fields of the device data block (value = offset in the block).
enum class PsByte : uint8_t {
  DeviceByte = ps_layout::kDeviceByte,
  OpBrightnessMin = ps_layout::kOpBrightnessMin,
  OpBrightnessMax = ps_layout::kOpBrightnessMax,
  OpBrightness = ps_layout::kOpBrightness,
  SaverBrightnessMin = ps_layout::kSaverBrightnessMin,
  SaverBrightnessMax = ps_layout::kSaverBrightnessMax,
  SaverBrightness = ps_layout::kSaverBrightness,
  Contrast = ps_layout::kContrast,
};

// The two one-byte flags (0 or 1).
enum class PsFlag : uint8_t {
  Reserved = ps_layout::kReservedFlag,
  Factory = ps_layout::kFactoryFlag,
};

// The byte-string fields.
enum class PsString : uint8_t { IdentNumber, IdentField2, IdentField3, WordTable };

// Whether the image carries the validity word.
bool PS_IsValid();
// Offset of the device data block in the image.
uint32_t PS_DeviceBlock();
// Copies the 16 identification bytes of the image header and terminates
// them with NUL; buffer must hold 17 bytes. Returns 16.
uint16_t PS_ReadIdent(char* buffer);

uint8_t PS_GetByte(PsByte field);
void PS_SetByte(PsByte field, uint8_t value);
// The field when the image is valid, its fixed fall-back value otherwise
// (the device byte has none and is always read from the image).
uint8_t PS_GetWithFallback(PsByte field);

uint8_t PS_GetFlag(PsFlag flag);
// Copies one byte from source into the flag; length 0 writes nothing.
void PS_SetFlag(PsFlag flag, const uint8_t* source, uint16_t length);

// Size of a string field in bytes.
uint16_t PS_StringSize(PsString field);
// Copy min(length, field size) bytes; the getter returns the count.
uint16_t PS_GetString(PsString field, uint8_t* destination, uint16_t length);
void PS_SetString(PsString field, const uint8_t* source, uint16_t length);

// Text `text` of language `language` from the language image into buffer
// (NUL-terminated, at most size - 1 bytes). Returns the bytes copied; 0 for
// an unknown language or text, an empty entry, or any offset that does not
// lie inside the image.
uint16_t PS_ReadText(uint8_t language, uint16_t text, char* buffer, uint16_t size);
