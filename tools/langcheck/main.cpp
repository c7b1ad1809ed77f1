// kalvero-langcheck: the translators' check. Lists per language the texts
// that are missing or empty, that use characters FontNormal cannot show, or
// whose widest line outgrows the German one; ends with totals per language.
#include <CLI/CLI.hpp>
#include <iostream>

#include "tools/langcheck/text_check.h"

using namespace langpack;

int main(int argc, char** argv) {
  CLI::App app{"Checks translations against the German texts and the display font"};
  std::string pot;
  std::vector<std::string> poFiles;
  app.add_option("--pot", pot, "German template (kalvero.pot)")->required();
  app.add_option("po", poFiles, "translation files to check")->required();
  CLI11_PARSE(app, argc, argv);
  try {
    const TextArray german = loadGermanTexts(readPoFile(pot));
    std::vector<langcheck::LanguageReport> reports;
    for (const std::string& path : poFiles) {
      reports.push_back(langcheck::checkTranslation(readPoFile(path), german, FontNormal));
      std::cout << langcheck::formatReport(reports.back());
    }
    std::cout << "\nTotals\n";
    for (const auto& r : reports) std::cout << langcheck::formatTotals(r) << '\n';
    for (const Language& language : kLanguages) {
      bool checked = language.index == 0;
      for (const auto& r : reports) checked = checked || r.language->index == language.index;
      if (!checked) std::cout << language.code << " (" << language.index << "): no translation file\n";
    }
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
  return 0;
}
