#include "sim/panel_image.h"

#include <png.h>

#include <algorithm>
#include <filesystem>

#include "platform/panel_memory.h"

namespace panel_image {

namespace {

constexpr uint32_t kDiffRed = 0xFF0000;

// Keeps the picture recognisable behind the red marks.
uint32_t dimmed(uint32_t rgb) { return (rgb >> 2) & 0x3F3F3F; }

}  // namespace

uint32_t Image::pixel(int x, int y) const {
  const size_t i = (static_cast<size_t>(y) * width + x) * 3;
  return static_cast<uint32_t>(rgb[i]) << 16 | static_cast<uint32_t>(rgb[i + 1]) << 8 | rgb[i + 2];
}

void Image::setPixel(int x, int y, uint32_t rgb24) {
  const size_t i = (static_cast<size_t>(y) * width + x) * 3;
  rgb[i] = static_cast<uint8_t>(rgb24 >> 16);
  rgb[i + 1] = static_cast<uint8_t>(rgb24 >> 8);
  rgb[i + 2] = static_cast<uint8_t>(rgb24);
}

Image render(const PanelMemory& panel, int zoom) {
  zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
  const uint32_t dark = panel.darkShade.load();
  const uint32_t light = panel.lightShade.load();
  Image image(PanelMemory::kWidth * zoom, PanelMemory::kHeight * zoom);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x)
      image.setPixel(x, y, panel.pixels[y / zoom][x / zoom] != 0 ? light : dark);
  }
  return image;
}

std::string savePng(const Image& image, const std::string& path) {
  if (image.width <= 0 || image.height <= 0) return "cannot save an empty picture to " + path;
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width);
  png.height = static_cast<png_uint_32>(image.height);
  png.format = PNG_FORMAT_RGB;
  if (png_image_write_to_file(&png, path.c_str(), 0, image.rgb.data(), 0, nullptr) == 0) {
    const std::string reason = png.message;
    png_image_free(&png);
    return "cannot write " + path + ": " + reason;
  }
  return {};
}

Loaded loadPng(const std::string& path, int expectedWidth, int expectedHeight) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return {std::nullopt, "no such picture: " + path};
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&png, path.c_str()) == 0) {
    const std::string reason = png.message;
    png_image_free(&png);
    return {std::nullopt, "not a readable PNG picture: " + path + " (" + reason + ")"};
  }
  png.format = PNG_FORMAT_RGB;
  Image image(static_cast<int>(png.width), static_cast<int>(png.height));
  if (png_image_finish_read(&png, nullptr, image.rgb.data(), 0, nullptr) == 0) {
    const std::string reason = png.message;
    png_image_free(&png);
    return {std::nullopt, "damaged PNG picture: " + path + " (" + reason + ")"};
  }
  const bool wrongSize = (expectedWidth > 0 && image.width != expectedWidth) ||
                         (expectedHeight > 0 && image.height != expectedHeight);
  if (wrongSize) {
    return {std::nullopt, path + " is " + std::to_string(image.width) + "x" + std::to_string(image.height) +
                              ", expected " + std::to_string(expectedWidth) + "x" +
                              std::to_string(expectedHeight)};
  }
  return {std::move(image), {}};
}

long compare(const Image& expected, const Image& actual, Image* diff) {
  if (expected.width != actual.width || expected.height != actual.height) return -1;
  if (diff != nullptr) *diff = Image(actual.width, actual.height);
  long differing = 0;
  for (int y = 0; y < actual.height; ++y) {
    for (int x = 0; x < actual.width; ++x) {
      const bool differs = expected.pixel(x, y) != actual.pixel(x, y);
      differing += differs ? 1 : 0;
      if (diff != nullptr) diff->setPixel(x, y, differs ? kDiffRed : dimmed(actual.pixel(x, y)));
    }
  }
  return differing;
}

Comparison compareWithPng(const std::string& expectedPath, const Image& actual, const std::string& diffPath) {
  const Loaded expected = loadPng(expectedPath, actual.width, actual.height);
  if (!expected.image) return {-1, expected.error};
  Image diff;
  const long differing = compare(*expected.image, actual, &diff);
  if (differing > 0 && !diffPath.empty()) {
    const std::string error = savePng(diff, diffPath);
    if (!error.empty()) return {differing, error};
  }
  return {differing, {}};
}

}  // namespace panel_image
