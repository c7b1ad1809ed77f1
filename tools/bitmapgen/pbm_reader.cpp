// Portable bitmaps, plain (P1) and raw (P4). Comments run from '#' to the end
// of the line; in P1 the pixel digits may stand with or without blanks between.
#include <cctype>
#include <string>

#include "mono_image.h"

namespace bitmapgen {

namespace {

class PbmScanner {
 public:
  PbmScanner(const std::string& path, const std::string& bytes) : path_(path), bytes_(bytes) {}

  void skipBlanksAndComments() {
    while (pos_ < bytes_.size()) {
      if (bytes_[pos_] == '#') {
        while (pos_ < bytes_.size() && bytes_[pos_] != '\n') ++pos_;
      } else if (std::isspace(static_cast<unsigned char>(bytes_[pos_]))) {
        ++pos_;
      } else {
        return;
      }
    }
  }

  int readSize(const char* what) {
    skipBlanksAndComments();
    long value = 0;
    size_t digits = 0;
    while (pos_ < bytes_.size() && std::isdigit(static_cast<unsigned char>(bytes_[pos_]))) {
      value = value * 10 + (bytes_[pos_++] - '0');
      if (value > kMaxSide) throw SourceError(path_, std::string(what) + " larger than 1024 pixels");
      ++digits;
    }
    if (digits == 0) throw SourceError(path_, std::string("header: ") + what + " missing or not a number");
    if (value == 0) throw SourceError(path_, std::string(what) + " is 0");
    return static_cast<int>(value);
  }

  // Plain pixels: the next '0' or '1' digit.
  uint8_t readPlainPixel(int x, int y) {
    skipBlanksAndComments();
    if (pos_ >= bytes_.size())
      throw SourceError(path_, "pixel data ends early, at row " + std::to_string(y + 1) + ", column " +
                                   std::to_string(x + 1));
    const char c = bytes_[pos_++];
    if (c != '0' && c != '1')
      throw SourceError(path_, std::string("unexpected character '") + c + "' at row " +
                                   std::to_string(y + 1) + ", column " + std::to_string(x + 1));
    return static_cast<uint8_t>(c - '0');
  }

  // Raw pixels follow the height after exactly one blank.
  size_t startOfRawData() {
    if (pos_ >= bytes_.size() || !std::isspace(static_cast<unsigned char>(bytes_[pos_])))
      throw SourceError(path_, "header: no blank after the height");
    return pos_ + 1;
  }

  bool onlyBlanksLeft() {
    skipBlanksAndComments();
    return pos_ >= bytes_.size();
  }

  void advance(size_t n) { pos_ += n; }

 private:
  const std::string& path_;
  const std::string& bytes_;
  size_t pos_ = 0;
};

MonoImage emptyImage(int width, int height) {
  MonoImage image;
  image.width = width;
  image.height = height;
  image.ink.assign(static_cast<size_t>(width * height), 0);
  return image;
}

void readPlainPixels(PbmScanner& scanner, MonoImage& image, const std::string& path) {
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      image.ink[static_cast<size_t>(y * image.width + x)] = scanner.readPlainPixel(x, y);
  if (!scanner.onlyBlanksLeft()) throw SourceError(path, "more pixels than width x height");
}

void readRawPixels(size_t start, const std::string& bytes, MonoImage& image, const std::string& path) {
  const size_t bytesPerRow = static_cast<size_t>((image.width + 7) / 8);
  if (bytes.size() - start < bytesPerRow * static_cast<size_t>(image.height))
    throw SourceError(path, "pixel data ends early");
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const auto byte = static_cast<uint8_t>(bytes[start + static_cast<size_t>(y) * bytesPerRow + x / 8]);
      image.ink[static_cast<size_t>(y * image.width + x)] = (byte >> (7 - x % 8)) & 1;
    }
}

}  // namespace

MonoImage readPbm(const std::string& path, const std::string& bytes) {
  const bool plain = bytes.rfind("P1", 0) == 0;
  if (!plain && bytes.rfind("P4", 0) != 0) throw SourceError(path, "not a PBM file (P1 or P4)");
  PbmScanner scanner(path, bytes);
  scanner.advance(2);
  const int width = scanner.readSize("width");
  const int height = scanner.readSize("height");
  MonoImage image = emptyImage(width, height);
  if (plain)
    readPlainPixels(scanner, image, path);
  else
    readRawPixels(scanner.startOfRawData(), bytes, image, path);
  return image;
}

}  // namespace bitmapgen
