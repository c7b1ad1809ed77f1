// The parameter store image delivered with the program (generated at build
// time by the language packer from the translation files).
#pragma once

#include <cstdint>

extern const uint8_t PS_DeliveredImage[];
extern const uint32_t PS_DeliveredImageSize;
