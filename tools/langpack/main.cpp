// kalvero-langpack: reads the German template and the translation files and
// generates the built-in German table and the delivered parameter store
// image as C++ sources.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <optional>

#include "tools/langpack/cpp_writer.h"
#include "tools/langpack/image_builder.h"

namespace fs = std::filesystem;
using namespace langpack;

namespace {

struct Options {
  std::string pot;
  std::vector<std::string> poFiles;
  std::string germanOut;
  std::string imageOut;
};

struct LoadedLanguage {
  std::string path;
  Translation translation;
};

// The translation files keyed by the language their header names.
std::array<std::optional<LoadedLanguage>, kLanguageCount> loadTranslations(
    const Options& o, const TextArray& german, std::vector<std::string>& warnings) {
  std::array<std::optional<LoadedLanguage>, kLanguageCount> loaded;
  for (const std::string& path : o.poFiles) {
    const PoFile po = readPoFile(path);
    const Language& language = languageOf(po);
    if (loaded[language.index]) {
      throw PoError(
          path, po.headerLine,
          "language " + std::string(language.code) + " is already read from " + loaded[language.index]->path);
    }
    if (fs::path(path).stem() != fileCode(language)) {
      warnings.push_back(path + ": warning: the texts of language " + language.code + " belong in " +
                         fileCode(language) + ".po");
    }
    loaded[language.index] = LoadedLanguage{path, loadTranslation(po, german)};
    const auto& w = loaded[language.index]->translation.warnings;
    warnings.insert(warnings.end(), w.begin(), w.end());
  }
  return loaded;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Packs the unit's texts into the German table and the parameter store image"};
  Options o;
  app.add_option("--pot", o.pot, "German template (kalvero.pot)")->required();
  app.add_option("--po", o.poFiles, "translation files (<code>.po)");
  app.add_option("--german-out", o.germanOut, "generated German table (C++)")->required();
  app.add_option("--image-out", o.imageOut, "generated parameter store image (C++)")->required();
  CLI11_PARSE(app, argc, argv);
  try {
    const TextArray german = loadGermanTexts(readPoFile(o.pot));
    std::vector<std::string> warnings;
    const auto loaded = loadTranslations(o, german, warnings);
    std::array<TextArray, kLanguageCount> languages;
    std::string sources = fs::path(o.pot).filename().string();
    for (int i = 1; i < kLanguageCount; ++i) {
      const Language& language = kLanguages[i];
      if (loaded[i]) {
        languages[i] = resolveTexts(language, german, &loaded[i]->translation, loaded[i]->path, warnings);
        sources += ", " + fs::path(loaded[i]->path).filename().string();
      } else {
        languages[i] = resolveTexts(language, german, nullptr, fileCode(language) + ".po", warnings);
      }
    }
    for (const std::string& w : warnings) std::cerr << w << '\n';
    writeFile(o.germanOut,
              germanTableSource(german, "kalvero-langpack from " + fs::path(o.pot).filename().string()));
    writeFile(o.imageOut, imageSource(buildImage(languages), "kalvero-langpack from " + sources));
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
  return 0;
}
