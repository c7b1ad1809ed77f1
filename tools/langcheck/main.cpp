// kalvero-langcheck: the translators' check. Lists per language the texts
// that are missing or empty, that use characters FontNormal cannot show, or
// whose widest line outgrows the German one; ends with totals per language.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <iostream>

#include "tools/langcheck/text_check.h"
#include "tools/langcheck/text_fit.h"

using namespace langpack;

namespace {

// Every text against the rectangle the menus draw it into, German first.
// Returns the number of lines that do not fit.
size_t printTextFit(const std::string& pot, const std::vector<std::string>& poFiles,
                    const TextArray& german) {
  size_t allOverflows = 0;
  std::cout << "\nText fit (the menus' rectangles)\n";
  std::vector<std::string> totals;
  auto report = [&](const std::string& path, const Language& language, const TextArray& texts) {
    const auto overflows = langcheck::checkFit(texts, german);
    allOverflows += overflows.size();
    std::cout << langcheck::formatOverflows(path, overflows);
    const auto inHelp = std::count_if(overflows.begin(), overflows.end(), [](const langcheck::Overflow& o) {
      return o.area == "help body line";
    });
    totals.push_back(std::string(language.code) + " (" + std::to_string(language.index) +
                     "): " + std::to_string(overflows.size()) + " lines wider than their rectangle, " +
                     std::to_string(inHelp) + " of them in help bodies");
  };
  report(pot, kLanguages[0], german);
  for (const std::string& path : poFiles) {
    const PoFile po = readPoFile(path);
    report(path, languageOf(po), loadTranslation(po, german).texts);
  }
  std::cout << "\nText fit totals\n";
  for (const std::string& line : totals) std::cout << line << '\n';
  return allOverflows;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Checks translations against the German texts and the display font"};
  std::string pot;
  std::vector<std::string> poFiles;
  app.add_option("--pot", pot, "German template (kalvero.pot)")->required();
  app.add_option("po", poFiles, "translation files to check")->required();
  bool strict = false;
  app.add_flag(
      "--strict", strict,
      "Exit with 2 when a text is missing or empty, uses a character the font lacks, or does not fit "
      "its rectangle (texts only wider than German are reported, not counted)");
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
    size_t faults = printTextFit(pot, poFiles, german);
    for (const auto& r : reports) faults += r.missing.size() + r.empty.size() + r.unknownChars.size();
    if (strict && faults > 0) {
      std::cout << "\n" << faults << " faults\n";
      return 2;
    }
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
  return 0;
}
