#include "tools/langcheck/font_metrics.h"

#include <algorithm>

namespace langcheck {

namespace {

const GUI_GlyphInfo* findGlyph(const GUI_Font& font, uint32_t c) {
  for (const GUI_CharRange* r = font.firstRange; r != nullptr; r = r->next) {
    if (c >= r->first && c <= r->last) return &r->glyphs[c - r->first];
  }
  return nullptr;
}

}  // namespace

std::vector<uint32_t> decodeUtf8(const std::string& text) {
  std::vector<uint32_t> out;
  size_t i = 0;
  while (i < text.size()) {
    const auto b = static_cast<unsigned char>(text[i]);
    const size_t length = b < 0x80             ? 1
                          : (b & 0xE0) == 0xC0 ? 2
                          : (b & 0xF0) == 0xE0 ? 3
                          : (b & 0xF8) == 0xF0 ? 4
                                               : 0;
    if (length == 0 || i + length > text.size()) {
      out.push_back(0xFFFD);
      ++i;
      continue;
    }
    uint32_t c = length == 1 ? b : b & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    out.push_back(c);
    i += length;
  }
  return out;
}

bool fontHasChar(const GUI_Font& font, uint32_t c) { return findGlyph(font, c) != nullptr; }

int widestLine(const GUI_Font& font, const std::string& text) {
  int widest = 0, line = 0;
  for (const uint32_t c : decodeUtf8(text)) {
    if (c == '\n') {
      line = 0;
      continue;
    }
    if (const GUI_GlyphInfo* g = findGlyph(font, c)) line += g->advance * font.magnificationX;
    widest = std::max(widest, line);
  }
  return widest;
}

std::vector<uint32_t> missingChars(const GUI_Font& font, const std::string& text) {
  std::vector<uint32_t> missing;
  for (const uint32_t c : decodeUtf8(text)) {
    if (c == '\n' || fontHasChar(font, c)) continue;
    if (std::find(missing.begin(), missing.end(), c) == missing.end()) missing.push_back(c);
  }
  return missing;
}

}  // namespace langcheck
