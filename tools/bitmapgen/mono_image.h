// A two-colour picture as read from a source file: one byte per pixel, 1 = ink.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace bitmapgen {

struct MonoImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> ink;  // row by row, top to bottom

  bool at(int x, int y) const { return ink[static_cast<size_t>(y * width + x)] != 0; }
};

// Every fault in a source or in the list of sources; what() reads "file: message".
class SourceError : public std::runtime_error {
 public:
  SourceError(const std::string& file, const std::string& message)
      : std::runtime_error(file + ": " + message) {}
};

// Sources larger than this are surely not menu pictures and are refused before
// any memory is reserved for them.
constexpr int kMaxSide = 1024;

// Reads a portable bitmap (plain "P1" or raw "P4"; 1 = ink) or a PNG (dark or
// opaque-dark pixels are ink), chosen by the file's first bytes.
MonoImage loadMonoImage(const std::string& path);

MonoImage readPbm(const std::string& path, const std::string& bytes);
MonoImage readPng(const std::string& path, const std::string& bytes);

}  // namespace bitmapgen
