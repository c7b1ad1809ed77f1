// A one-bit picture of a glyph cell, as the generator builds it.
#pragma once

#include <cstdint>
#include <vector>

namespace fontgen {

class GlyphBitmap {
 public:
  GlyphBitmap() = default;
  GlyphBitmap(int width, int height) : width_(width), height_(height), ink_(width * height, 0) {}

  int width() const { return width_; }
  int height() const { return height_; }

  bool ink(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
    return ink_[y * width_ + x] != 0;
  }
  void set(int x, int y, bool on = true) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    ink_[y * width_ + x] = on ? 1 : 0;
  }

  bool rowHasInk(int y) const;
  bool columnHasInk(int x) const;
  bool empty() const;

  // Drops row y; the rows above it move one down and an empty row enters at the top.
  void removeRowShiftingDown(int y);
  // Drops row y; the rows below it move one up and an empty row enters at the bottom.
  void removeRowShiftingUp(int y);

  // Packed rows, most significant bit leftmost, as the firmware stores glyphs.
  int bytesPerRow() const { return (width_ + 7) / 8; }
  std::vector<uint8_t> packed() const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<uint8_t> ink_;
};

}  // namespace fontgen
