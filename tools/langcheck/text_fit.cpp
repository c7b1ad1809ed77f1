#include "tools/langcheck/text_fit.h"

#include <sstream>

#include "menus/menu_text_fit.h"
#include "tools/langcheck/font_metrics.h"

namespace langcheck {

namespace {

// Blanks at the end of a line draw nothing, so they do not count.
std::string withoutTrailingBlanks(std::string line) {
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

std::vector<std::string> linesOf(const std::string& text, bool perLine) {
  if (!perLine) return {withoutTrailingBlanks(text)};
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(withoutTrailingBlanks(line));
  return lines;
}

}  // namespace

std::vector<Overflow> checkFit(const langpack::TextArray& texts, const langpack::TextArray& german) {
  std::vector<Overflow> overflows;
  for (uint8_t a = 0; a < kTextFitAreaCount; ++a) {
    const TextFitArea& area = kTextFitAreas[a];
    const GUI_Font& font = *MEN_FitFont(area.font);
    const int room = area.rect.x1 - area.rect.x0 + 1 - area.reservedRight;
    for (uint8_t i = 0; i < area.count; ++i) {
      const int id = area.texts[i];
      const std::string& text = texts[id].empty() ? german[id] : texts[id];
      for (const std::string& line : linesOf(text, area.perLine)) {
        const int width = widestLine(font, line);
        if (width > room) overflows.push_back({id, area.name, line, width, room});
      }
    }
  }
  return overflows;
}

std::string formatOverflows(const std::string& path, const std::vector<Overflow>& overflows) {
  std::ostringstream out;
  for (const Overflow& o : overflows)
    out << path << ": text " << o.id << " \"" << o.text << "\" in the " << o.area << ": " << o.width
        << " px, room " << o.room << " px\n";
  return out.str();
}

}  // namespace langcheck
