// Reader for the device pictures a user may put beside the program
// ("Device.bmp", "Device1.bmp"): uncompressed Windows bitmaps of 24 or
// 32 bits per pixel, or 1, 4 and 8 bits with a colour table. Anything
// else, and every file whose numbers do not add up, is refused with a
// reason; the reader never reads outside the bytes it is given.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "host/rgb_image.h"

// Largest picture side accepted (the device pictures are 450 x 311).
constexpr int kBmpMaxSide = 8192;

bool BMP_Decode(const uint8_t* data, size_t size, RgbImage* image, std::string* error);
bool BMP_ReadFile(const std::string& path, RgbImage* image, std::string* error);
