// Glyphs drawn by hand (key symbols, and letters whose accents the
// rasteriser cannot fit into the cell), read from a text picture file.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "glyph_bitmap.h"

namespace fontgen {

using DrawnGlyphs = std::map<uint16_t, GlyphBitmap>;

// Blocks of "U+XXXX width" followed by `height` rows of '#' (ink) and '.';
// lines starting with '#' before a block are comments. Throws on a malformed file.
DrawnGlyphs loadDrawnGlyphs(const std::string& path, int height);

}  // namespace fontgen
