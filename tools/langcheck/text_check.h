// The checks a translation must pass before it goes into the unit.
#pragma once

#include <string>
#include <vector>

#include "gui/core/gui_font.h"
#include "tools/langpack/catalog.h"

namespace langcheck {

// Lines may grow by this much over the German text's widest line.
constexpr double kWidthTolerance = 0.20;

struct Finding {
  int id;
  std::string message;
};

struct LanguageReport {
  std::string path;
  const langpack::Language* language = nullptr;
  std::vector<Finding> missing;       // no entry for the id
  std::vector<Finding> empty;         // entry without a translation (or fuzzy)
  std::vector<Finding> unknownChars;  // characters the font has no glyph for
  std::vector<Finding> tooWide;       // widest line over the German one by more than the tolerance
};

LanguageReport checkTranslation(const langpack::PoFile& po, const langpack::TextArray& german,
                                const GUI_Font& font);

// Findings one per line, then the language's totals.
std::string formatReport(const LanguageReport& report);
std::string formatTotals(const LanguageReport& report);

}  // namespace langcheck
