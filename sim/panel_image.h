// Pictures of the simulated panel: rendering in its two shades, PNG files
// and pixel-exact comparison.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct PanelMemory;

namespace panel_image {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;  // 3 bytes per pixel, row by row

  Image() = default;
  Image(int w, int h) : width(w), height(h), rgb(static_cast<size_t>(w) * h * 3) {}
  uint32_t pixel(int x, int y) const;
  void setPixel(int x, int y, uint32_t rgb24);
  bool operator==(const Image&) const = default;
};

constexpr int kMinZoom = 1;
constexpr int kMaxZoom = 8;

// The panel as it shows: dark shade for pixel value 0, light shade for any
// other; each panel pixel becomes zoom x zoom image pixels (zoom is kept in 1..8).
Image render(const PanelMemory& panel, int zoom = 1);

// Empty on success, else a readable reason.
std::string savePng(const Image& image, const std::string& path);

struct Loaded {
  std::optional<Image> image;
  std::string error;
};
// With expected sizes given (> 0), a picture of another size is an error.
Loaded loadPng(const std::string& path, int expectedWidth = 0, int expectedHeight = 0);

// Number of differing pixels of two equally sized images; `diff` (if given)
// becomes a dimmed copy of `actual` with every differing pixel red.
// Images of different sizes give -1.
long compare(const Image& expected, const Image& actual, Image* diff);

struct Comparison {
  long differing = -1;  // -1 when the comparison could not be made
  std::string error;
};
// Compares against a PNG file; writes the diff picture when pixels differ and a path is given.
Comparison compareWithPng(const std::string& expectedPath, const Image& actual,
                          const std::string& diffPath = {});

}  // namespace panel_image
