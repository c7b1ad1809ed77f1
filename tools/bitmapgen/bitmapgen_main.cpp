// kalvero-bitmapgen: converts the menu pictures into GUI_Bitmap constants.
//   kalvero-bitmapgen <picture list> <output directory> [<list name for the comments>]
// writes pictures.h and pictures.cpp into the output directory; files whose
// content would not change are left alone, so nothing rebuilds needlessly.
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "picture_converter.h"

namespace {

std::string fileContent(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool writeIfChanged(const std::filesystem::path& path, const std::string& text) {
  if (std::filesystem::exists(path) && fileContent(path) == text) return true;
  std::ofstream out(path, std::ios::binary);
  out << text;
  out.close();
  if (!out) {
    std::cerr << path.string() << ": cannot write the file\n";
    return false;
  }
  std::cout << "wrote " << path.string() << "\n";
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::cerr
        << "usage: kalvero-bitmapgen <picture list> <output directory> [<list name for the comments>]\n";
    return 2;
  }
  try {
    const std::string listPath = argv[1];
    const std::filesystem::path outDir = argv[2];
    const std::string origin = (argc == 4 ? argv[3] : listPath) + " and the files it names";
    const bitmapgen::Conversion conversion = bitmapgen::convertPictures(listPath);
    for (const std::string& error : conversion.errors) std::cerr << error << "\n";
    if (!conversion.errors.empty()) return 1;
    const bool written =
        writeIfChanged(outDir / "pictures.h", bitmapgen::headerText(conversion.pictures, origin)) &&
        writeIfChanged(outDir / "pictures.cpp", bitmapgen::sourceText(conversion.pictures, origin));
    return written ? 0 : 1;
  } catch (const std::exception& error) {
    std::cerr << "kalvero-bitmapgen: " << error.what() << "\n";
    return 1;
  }
}
