// Writes converted pictures as the firmware's GUI_Bitmap constants.
#pragma once

#include <string>
#include <vector>

#include "mono_image.h"
#include "picture_list.h"

namespace bitmapgen {

struct Picture {
  PictureEntry entry;
  MonoImage image;
};

// Packs rows of 1 bit per pixel, leftmost pixel in the most significant bit,
// each row padded to whole bytes.
std::vector<uint8_t> packRows(const MonoImage& image);

// `origin` is quoted in the first comment of both files (where they come from).
std::string headerText(const std::vector<Picture>& pictures, const std::string& origin);
std::string sourceText(const std::vector<Picture>& pictures, const std::string& origin);

}  // namespace bitmapgen
