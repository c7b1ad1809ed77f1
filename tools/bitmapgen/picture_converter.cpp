#include "picture_converter.h"

#include <filesystem>

namespace bitmapgen {

namespace {

std::string sizeText(int width, int height) { return std::to_string(width) + " x " + std::to_string(height); }

Picture convertOne(const PictureEntry& entry, const std::filesystem::path& directory) {
  const std::string path = (directory / entry.source).string();
  Picture picture{entry, loadMonoImage(path)};
  if (picture.image.width != entry.width || picture.image.height != entry.height)
    throw SourceError(path, "is " + sizeText(picture.image.width, picture.image.height) + " pixels, " +
                                entry.name + " must be " + sizeText(entry.width, entry.height));
  return picture;
}

}  // namespace

Conversion convertPictures(const std::string& listPath) {
  Conversion result;
  std::vector<PictureEntry> entries;
  try {
    entries = loadPictureList(listPath);
  } catch (const SourceError& error) {
    result.errors.emplace_back(error.what());
    return result;
  }
  const std::filesystem::path directory = std::filesystem::path(listPath).parent_path();
  for (const PictureEntry& entry : entries) {
    try {
      result.pictures.push_back(convertOne(entry, directory));
    } catch (const SourceError& error) {
      result.errors.emplace_back(error.what());
    }
  }
  return result;
}

}  // namespace bitmapgen
