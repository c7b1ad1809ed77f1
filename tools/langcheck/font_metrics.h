// What a text needs of a font: which characters the font lacks and how
// wide its widest line is.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gui/core/gui_font.h"

namespace langcheck {

// Code points of UTF-8 text; an invalid byte yields 0xFFFD.
std::vector<uint32_t> decodeUtf8(const std::string& text);

bool fontHasChar(const GUI_Font& font, uint32_t c);

// Width in pixels of the widest line ('\n' separates lines); characters
// without a glyph add nothing, as on the display.
int widestLine(const GUI_Font& font, const std::string& text);

// Code points of text (line breaks aside) that the font has no glyph for,
// each once, in order of appearance.
std::vector<uint32_t> missingChars(const GUI_Font& font, const std::string& text);

}  // namespace langcheck
