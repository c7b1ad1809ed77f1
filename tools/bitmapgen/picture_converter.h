// Reads every source named by the picture list and checks it against its entry.
#pragma once

#include <string>
#include <vector>

#include "bitmap_writer.h"

namespace bitmapgen {

struct Conversion {
  std::vector<Picture> pictures;
  std::vector<std::string> errors;  // "file: message", one per faulty source
};

// Faults of single sources are collected, so an artist sees all of them at once;
// a faulty list stops the conversion with its one error.
Conversion convertPictures(const std::string& listPath);

}  // namespace bitmapgen
