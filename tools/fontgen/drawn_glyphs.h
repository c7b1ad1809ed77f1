// The hand-drawn key symbols, read from their text picture file.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "glyph_bitmap.h"

namespace fontgen {

using KeySymbols = std::map<uint16_t, GlyphBitmap>;

// Blocks of "U+XXXX width" followed by `height` rows of '#' (ink) and '.';
// lines starting with '#' before a block are comments. Throws on a malformed file.
KeySymbols loadKeySymbols(const std::string& path, int height);

}  // namespace fontgen
