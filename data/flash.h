// Flash emulation: the parameter store image as a byte array in memory.
// It starts as the delivered image; writes last until the process ends.
#pragma once

#include <cstdint>

// Size of the emulated flash device; the image never grows beyond it.
constexpr uint32_t kFlashCapacity = 0x80000;

// Copies count bytes from the image at offset. Bytes that would lie past
// the end of the image are not read: the destination gets 0 there and the
// result is the number of bytes actually taken from the image.
uint32_t FLASH_Read(uint32_t offset, void* destination, uint32_t count);
// Copies count bytes into the image at offset; bytes past its end are
// dropped. Returns the number of bytes written.
uint32_t FLASH_Write(const void* source, uint32_t offset, uint32_t count);
// Number of bytes in the image.
uint32_t FLASH_Size();

// Replaces the whole image (tests and fuzzing); at most kFlashCapacity
// bytes are taken.
void FLASH_LoadImage(const uint8_t* image, uint32_t size);
// Back to the delivered image, as in a fresh process.
void FLASH_ProcessReset();
