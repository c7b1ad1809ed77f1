// Fuzz target: the reader of user-supplied device pictures must refuse
// or read any byte string without reading outside it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "host/bmp_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  RgbImage image;
  std::string error;
  if (BMP_Decode(data, size, &image, &error)) {
    // A picture that was accepted has every pixel it claims.
    volatile uint32_t sink = 0;
    for (uint32_t pixel : image.pixels) sink = sink ^ pixel;
    if (image.pixels.size() != static_cast<size_t>(image.width) * static_cast<size_t>(image.height))
      __builtin_trap();
  }
  return 0;
}
