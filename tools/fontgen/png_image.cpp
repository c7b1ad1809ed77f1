#include "png_image.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace fontgen {

PngImage::PngImage(int width, int height, const std::array<Rgb, kColours>& palette)
    : width_(width), height_(height), palette_(palette), pixels_(static_cast<size_t>(width * height), 0) {}

void PngImage::fill(int x, int y, int w, int h, uint8_t colour) {
  for (int row = std::max(y, 0); row < std::min(y + h, height_); ++row)
    for (int col = std::max(x, 0); col < std::min(x + w, width_); ++col) pixels_[row * width_ + col] = colour;
}

void PngImage::crop(int height) {
  height_ = std::clamp(height, 1, height_);
  pixels_.resize(static_cast<size_t>(width_ * height_));
}

void PngImage::save(const std::string& path) const {
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
  if (!file) throw std::runtime_error("cannot write " + path);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    throw std::runtime_error("cannot encode " + path);
  }
  png_init_io(png, file.get());
  png_set_IHDR(png, info, static_cast<png_uint_32>(width_), static_cast<png_uint_32>(height_), 2,
               PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  std::array<png_color, kColours> colours;
  for (int i = 0; i < kColours; ++i) colours[i] = {palette_[i].r, palette_[i].g, palette_[i].b};
  png_set_PLTE(png, info, colours.data(), kColours);
  png_set_compression_level(png, 9);
  png_write_info(png, info);
  std::vector<png_byte> row(static_cast<size_t>((width_ + 3) / 4));
  for (int y = 0; y < height_; ++y) {
    std::fill(row.begin(), row.end(), 0);
    for (int x = 0; x < width_; ++x)
      row[x / 4] |= static_cast<png_byte>(pixels_[y * width_ + x] << (6 - 2 * (x % 4)));
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
}

}  // namespace fontgen
