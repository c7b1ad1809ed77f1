// Whether the texts fit the rectangles the menus draw them into, measured
// in the font of each rectangle.
#pragma once

#include <string>
#include <vector>

#include "tools/langpack/catalog.h"

namespace langcheck {

struct Overflow {
  int id;
  std::string area;
  std::string text;  // the line that is too wide
  int width;
  int room;
};

// Every text of the menus' rectangle table that is wider than its room;
// untranslated texts are measured in German, as the unit shows them.
std::vector<Overflow> checkFit(const langpack::TextArray& texts, const langpack::TextArray& german);

std::string formatOverflows(const std::string& path, const std::vector<Overflow>& overflows);

}  // namespace langcheck
