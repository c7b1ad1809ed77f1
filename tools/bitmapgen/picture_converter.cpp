#include "picture_converter.h"

#include <filesystem>

namespace bitmapgen {

namespace {

std::string sizeText(int width, int height) { return std::to_string(width) + " x " + std::to_string(height); }

Picture convertOne(const PictureSpec& spec, const std::filesystem::path& directory) {
  const std::string path = (directory / spec.source).string();
  Picture picture{spec, loadMonoImage(path)};
  if (picture.image.width != spec.width || picture.image.height != spec.height)
    throw SourceError(path, "is " + sizeText(picture.image.width, picture.image.height) + " pixels, " +
                                spec.name + " must be " + sizeText(spec.width, spec.height));
  return picture;
}

}  // namespace

Conversion convertPictures(const std::string& listPath) {
  Conversion result;
  std::vector<PictureSpec> specs;
  try {
    specs = loadPictureList(listPath);
  } catch (const SourceError& error) {
    result.errors.emplace_back(error.what());
    return result;
  }
  const std::filesystem::path directory = std::filesystem::path(listPath).parent_path();
  for (const PictureSpec& spec : specs) {
    try {
      result.pictures.push_back(convertOne(spec, directory));
    } catch (const SourceError& error) {
      result.errors.emplace_back(error.what());
    }
  }
  return result;
}

}  // namespace bitmapgen
