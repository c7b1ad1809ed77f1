// A small paletted picture that the sheet is drawn into and saved as PNG.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace fontgen {

struct Rgb {
  uint8_t r, g, b;
};

class PngImage {
 public:
  static constexpr int kColours = 4;

  PngImage(int width, int height, const std::array<Rgb, kColours>& palette);

  int width() const { return width_; }
  int height() const { return height_; }
  void fill(int x, int y, int w, int h, uint8_t colour);
  // Cuts the picture to its first `height` rows.
  void crop(int height);
  void save(const std::string& path) const;  // throws on failure

 private:
  int width_;
  int height_;
  std::array<Rgb, kColours> palette_;
  std::vector<uint8_t> pixels_;
};

}  // namespace fontgen
