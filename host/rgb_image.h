// A plain 24-bit picture: what the BMP reader produces and the hardkey scan reads.
#pragma once

#include <cstdint>
#include <vector>

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0xRRGGBB, rows from the top

  uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + x]; }
  bool empty() const { return width <= 0 || height <= 0; }
};
