// PNG sources through libpng's simplified reader, which reports damaged files
// as errors instead of jumping out of the decoder.
#include <png.h>

#include <cstring>
#include <string>

#include "mono_image.h"

namespace bitmapgen {

namespace {

struct PngReader {
  png_image image;
  PngReader() {
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
  }
  ~PngReader() { png_image_free(&image); }
};

std::string decoderMessage(const png_image& image) { return std::string("damaged PNG: ") + image.message; }

}  // namespace

MonoImage readPng(const std::string& path, const std::string& bytes) {
  PngReader reader;
  if (!png_image_begin_read_from_memory(&reader.image, bytes.data(), bytes.size()))
    throw SourceError(path, decoderMessage(reader.image));
  if (reader.image.width == 0 || reader.image.height == 0 || reader.image.width > kMaxSide ||
      reader.image.height > kMaxSide)
    throw SourceError(path, "size " + std::to_string(reader.image.width) + " x " +
                                std::to_string(reader.image.height) + " outside 1..1024");
  // Grey with alpha: a pixel is ink when it is opaque and dark.
  reader.image.format = PNG_FORMAT_GA;
  std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(reader.image));
  if (!png_image_finish_read(&reader.image, nullptr, pixels.data(), 0, nullptr))
    throw SourceError(path, decoderMessage(reader.image));

  MonoImage mono;
  mono.width = static_cast<int>(reader.image.width);
  mono.height = static_cast<int>(reader.image.height);
  mono.ink.resize(static_cast<size_t>(mono.width * mono.height));
  for (size_t i = 0; i < mono.ink.size(); ++i)
    mono.ink[i] = pixels[2 * i] < 128 && pixels[2 * i + 1] >= 128 ? 1 : 0;
  return mono;
}

}  // namespace bitmapgen
