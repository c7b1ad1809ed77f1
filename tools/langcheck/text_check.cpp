#include "tools/langcheck/text_check.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "tools/langcheck/font_metrics.h"

namespace langcheck {

using namespace langpack;

namespace {

std::string codePoint(uint32_t c) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(c));
  return buffer;
}

std::string utf8(uint32_t c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

void checkText(LanguageReport& r, int id, const std::string& text, const std::string& germanText,
               const GUI_Font& font) {
  const auto missing = missingChars(font, text);
  if (!missing.empty()) {
    std::string list;
    for (const uint32_t c : missing) list += (list.empty() ? "" : ", ") + codePoint(c) + " '" + utf8(c) + "'";
    r.unknownChars.push_back({id, "characters not in FontNormal: " + list});
  }
  const int width = widestLine(font, text);
  const int germanWidth = widestLine(font, germanText);
  if (width > germanWidth * (1.0 + kWidthTolerance)) {
    r.tooWide.push_back(
        {id,
         "widest line " + std::to_string(width) + " px, German " + std::to_string(germanWidth) + " px (+" +
             std::to_string(std::lround((width - germanWidth) * 100.0 / std::max(germanWidth, 1))) + " %)"});
  }
}

}  // namespace

LanguageReport checkTranslation(const PoFile& po, const TextArray& german, const GUI_Font& font) {
  LanguageReport r;
  r.path = po.path;
  r.language = &languageOf(po);
  const Translation t = loadTranslation(po, german);
  for (int id = 0; id < kTextCount; ++id) {
    if (!t.present[id]) {
      r.missing.push_back({id, "missing"});
    } else if (t.texts[id].empty()) {
      r.empty.push_back({id, "not translated"});
    } else {
      checkText(r, id, t.texts[id], german[id], font);
    }
  }
  return r;
}

std::string formatReport(const LanguageReport& r) {
  std::ostringstream out;
  for (const auto* list : {&r.missing, &r.empty, &r.unknownChars, &r.tooWide}) {
    for (const Finding& f : *list) out << r.path << ": text " << f.id << ": " << f.message << '\n';
  }
  return out.str();
}

std::string formatTotals(const LanguageReport& r) {
  std::ostringstream out;
  out << r.language->code << " (" << r.language->index << "): " << r.missing.size() << " missing, "
      << r.empty.size() << " empty, " << r.unknownChars.size() << " with characters not in the font, "
      << r.tooWide.size() << " wider than German by more than " << static_cast<int>(kWidthTolerance * 100)
      << " %";
  return out.str();
}

}  // namespace langcheck
