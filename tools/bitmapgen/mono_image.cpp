#include "mono_image.h"

#include <fstream>
#include <iterator>

namespace bitmapgen {

namespace {

constexpr char kPngSignature[] = "\x89PNG";

std::string readWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw SourceError(path, "cannot open the file");
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) throw SourceError(path, "cannot read the file");
  return bytes;
}

}  // namespace

MonoImage loadMonoImage(const std::string& path) {
  const std::string bytes = readWholeFile(path);
  if (bytes.rfind(kPngSignature, 0) == 0) return readPng(path, bytes);
  if (bytes.rfind("P1", 0) == 0 || bytes.rfind("P4", 0) == 0) return readPbm(path, bytes);
  throw SourceError(path, "neither a PBM (P1/P4) nor a PNG file");
}

}  // namespace bitmapgen
