#include "glyph_bitmap.h"

#include <cstddef>

namespace fontgen {

bool GlyphBitmap::rowHasInk(int y) const {
  for (int x = 0; x < width_; ++x)
    if (ink(x, y)) return true;
  return false;
}

bool GlyphBitmap::columnHasInk(int x) const {
  for (int y = 0; y < height_; ++y)
    if (ink(x, y)) return true;
  return false;
}

bool GlyphBitmap::empty() const {
  for (uint8_t v : ink_)
    if (v) return false;
  return true;
}

void GlyphBitmap::removeRowShiftingDown(int y) {
  for (int row = y; row > 0; --row)
    for (int x = 0; x < width_; ++x) set(x, row, ink(x, row - 1));
  for (int x = 0; x < width_; ++x) set(x, 0, false);
}

void GlyphBitmap::removeRowShiftingUp(int y) {
  for (int row = y; row + 1 < height_; ++row)
    for (int x = 0; x < width_; ++x) set(x, row, ink(x, row + 1));
  for (int x = 0; x < width_; ++x) set(x, height_ - 1, false);
}

std::vector<uint8_t> GlyphBitmap::packed() const {
  std::vector<uint8_t> bytes(static_cast<size_t>(bytesPerRow() * height_), 0);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      if (ink(x, y)) bytes[y * bytesPerRow() + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
  return bytes;
}

}  // namespace fontgen
