// Builds the glyph cells of one font from its recipe.
#pragma once

#include <string>
#include <vector>

#include "drawn_glyphs.h"
#include "font_recipe.h"
#include "glyph_bitmap.h"

namespace fontgen {

struct BuiltGlyph {
  uint16_t code;
  GlyphBitmap cell;
};

struct BuiltRange {
  CodeRange range;
  std::vector<BuiltGlyph> glyphs;
};

struct BuiltFont {
  std::vector<BuiltRange> ranges;
  std::vector<std::string> warnings;  // glyphs that had to be clipped or condensed
};

// Throws when the face lacks a character or a glyph cannot be fitted.
// Hand-drawn glyphs replace rendered ones.
BuiltFont buildFont(const FontRecipe& recipe, const DrawnGlyphs& drawn);

}  // namespace fontgen
