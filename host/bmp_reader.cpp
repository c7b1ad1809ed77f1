#include "host/bmp_reader.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kCompressionNone = 0;
constexpr uint32_t kCompressionBitfields = 3;

uint32_t u16(const uint8_t* p) { return p[0] | (p[1] << 8); }
uint32_t u32(const uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

bool fail(std::string* error, const char* reason) {
  if (error != nullptr) *error = reason;
  return false;
}

struct Layout {
  int width = 0;
  int height = 0;
  bool topDown = false;
  uint32_t bitsPerPixel = 0;
  uint32_t pixelOffset = 0;
  uint64_t stride = 0;
  std::vector<uint32_t> colours;  // for 1, 4 and 8 bits
};

bool readColourTable(const uint8_t* data, size_t size, uint32_t headerSize, uint32_t used, Layout* layout,
                     std::string* error) {
  const uint32_t maxColours = 1u << layout->bitsPerPixel;
  const uint32_t count = used == 0 ? maxColours : used;
  if (count > maxColours) return fail(error, "colour table larger than the bit depth allows");
  const uint64_t start = uint64_t{kFileHeaderSize} + headerSize;
  const uint64_t end = start + uint64_t{count} * 4;
  if (end > size || end > layout->pixelOffset) return fail(error, "colour table outside the file");
  layout->colours.resize(maxColours, 0);
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t* entry = data + start + i * 4;
    layout->colours[i] = (uint32_t{entry[2]} << 16) | (uint32_t{entry[1]} << 8) | entry[0];
  }
  return true;
}

bool readLayout(const uint8_t* data, size_t size, Layout* layout, std::string* error) {
  if (size < kFileHeaderSize + 40) return fail(error, "file too short for a bitmap header");
  if (data[0] != 'B' || data[1] != 'M') return fail(error, "no \"BM\" signature");
  layout->pixelOffset = u32(data + 10);
  const uint8_t* info = data + kFileHeaderSize;
  const uint32_t headerSize = u32(info);
  if (headerSize < 40 || uint64_t{kFileHeaderSize} + headerSize > size)
    return fail(error, "unsupported or cut-off info header");
  const int32_t width = static_cast<int32_t>(u32(info + 4));
  const int32_t height = static_cast<int32_t>(u32(info + 8));
  const uint32_t planes = u16(info + 12);
  layout->bitsPerPixel = u16(info + 14);
  const uint32_t compression = u32(info + 16);
  if (planes != 1) return fail(error, "plane count is not 1");
  if (width <= 0 || width > kBmpMaxSide || height == 0 || height < -kBmpMaxSide || height > kBmpMaxSide)
    return fail(error, "picture size out of range");
  layout->width = width;
  layout->topDown = height < 0;
  layout->height = height < 0 ? -height : height;
  const uint32_t bpp = layout->bitsPerPixel;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32)
    return fail(error, "unsupported bits per pixel");
  const bool bitfields32 = compression == kCompressionBitfields && bpp == 32;
  if (compression != kCompressionNone && !bitfields32)
    return fail(error, "compressed bitmaps are not supported");
  if (bitfields32) {
    // Only the usual 8-8-8 masks; anything else would need a general converter.
    if (uint64_t{kFileHeaderSize} + 40 + 12 > size) return fail(error, "missing colour masks");
    const uint8_t* masks = info + 40;
    if (u32(masks) != 0xFF0000 || u32(masks + 4) != 0xFF00 || u32(masks + 8) != 0xFF)
      return fail(error, "unsupported colour masks");
  }
  layout->stride = ((uint64_t{static_cast<uint32_t>(width)} * bpp + 31) / 32) * 4;
  const uint64_t pixelBytes = layout->stride * static_cast<uint64_t>(layout->height);
  if (layout->pixelOffset < kFileHeaderSize + headerSize || layout->pixelOffset + pixelBytes > size)
    return fail(error, "pixel data outside the file");
  if (bpp <= 8) return readColourTable(data, size, headerSize, u32(info + 32), layout, error);
  return true;
}

uint32_t pixelAt(const uint8_t* row, int x, const Layout& layout) {
  switch (layout.bitsPerPixel) {
    case 24:
    case 32: {
      const uint8_t* p = row + static_cast<size_t>(x) * (layout.bitsPerPixel / 8);
      return (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0];
    }
    default: {
      const uint32_t bpp = layout.bitsPerPixel;
      const uint32_t bit = static_cast<uint32_t>(x) * bpp;
      const uint32_t index = (row[bit / 8] >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
      return layout.colours[index];
    }
  }
}

}  // namespace

bool BMP_Decode(const uint8_t* data, size_t size, RgbImage* image, std::string* error) {
  Layout layout;
  if (data == nullptr || !readLayout(data, size, &layout, error)) return false;
  image->width = layout.width;
  image->height = layout.height;
  image->pixels.assign(static_cast<size_t>(layout.width) * static_cast<size_t>(layout.height), 0);
  for (int y = 0; y < layout.height; ++y) {
    const int fileRow = layout.topDown ? y : layout.height - 1 - y;
    const uint8_t* row = data + layout.pixelOffset + layout.stride * static_cast<uint64_t>(fileRow);
    for (int x = 0; x < layout.width; ++x)
      image->pixels[static_cast<size_t>(y) * static_cast<size_t>(layout.width) + x] = pixelAt(row, x, layout);
  }
  return true;
}

bool BMP_ReadFile(const std::string& path, RgbImage* image, std::string* error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return fail(error, "cannot open the file");
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  return BMP_Decode(bytes.data(), bytes.size(), image, error);
}
