#include "font_builder.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "cell_layout.h"
#include "face_rasteriser.h"

namespace fontgen {
namespace {

// Wide glyphs are condensed in these steps until they fit the font's widest cell.
constexpr int kCondenseStep = 4;
constexpr int kNarrowestPercent = 50;

std::string codeName(uint16_t code) {
  char text[8];
  std::snprintf(text, sizeof text, "U+%04X", code);
  return text;
}

bool isSpace(uint16_t code) { return code == 0x0020 || code == 0x00A0; }

// Moves the ink right by `left` columns and widens the cell by left + right.
GlyphBitmap pad(const GlyphBitmap& cell, int left, int right) {
  GlyphBitmap out(cell.width() + left + right, cell.height());
  for (int y = 0; y < cell.height(); ++y)
    for (int x = 0; x < cell.width(); ++x)
      if (cell.ink(x, y)) out.set(x + left, y);
  return out;
}

GlyphBitmap padToWidth(const GlyphBitmap& cell, int width) {
  int extra = width - cell.width();
  if (extra <= 0) return cell;
  return pad(cell, extra / 2, extra - extra / 2);
}

class GlyphMaker {
 public:
  GlyphMaker(const FontRecipe& recipe, const DrawnGlyphs& drawn, BuiltFont& font)
      : recipe_(recipe),
        drawn_(drawn),
        font_(font),
        face_(recipe.sourceFile, recipe.pixelSize, recipe.autoHint),
        shape_{recipe.height, recipe.baseline},
        spacing_(recipe.spacing) {}

  GlyphBitmap make(uint16_t code) {
    if (auto it = drawn_.find(code); it != drawn_.end()) return it->second;
    if (isSpace(code)) return blankCell(shape_, recipe_.spaceWidth);
    return padToWidth(rendered(code), recipe_.minWidth);
  }

 private:
  GlyphBitmap rendered(uint16_t code) {
    for (int percent = recipe_.widthPercent; percent >= kNarrowestPercent; percent -= kCondenseStep) {
      auto glyph = face_.render(code, percent, {recipe_.baseline, recipe_.height - recipe_.baseline});
      if (!glyph) throw std::runtime_error(recipe_.sourceFile + " has no glyph for " + codeName(code));
      CellResult result = placeInCell(*glyph, shape_, spacing_);
      if (result.cell.width() > recipe_.maxWidth) continue;
      if (percent < recipe_.widthPercent) warn(code, "condensed to " + std::to_string(percent) + "%");
      if (result.clippedRows > 0) warn(code, std::to_string(result.clippedRows) + " row(s) clipped");
      return result.cell;
    }
    throw std::runtime_error(codeName(code) + " does not fit " + std::to_string(recipe_.maxWidth) +
                             " columns");
  }

  void warn(uint16_t code, const std::string& what) {
    font_.warnings.push_back(recipe_.name + " " + codeName(code) + ": " + what);
  }

  const FontRecipe& recipe_;
  const DrawnGlyphs& drawn_;
  BuiltFont& font_;
  FaceRasteriser face_;
  CellShape shape_;
  Spacing spacing_;
};

// Figures must line up in columns of values, so all ten share the widest one's width.
void equaliseDigits(BuiltFont& font) {
  int width = 0;
  std::vector<BuiltGlyph*> digits;
  for (BuiltRange& range : font.ranges)
    for (BuiltGlyph& glyph : range.glyphs)
      if (glyph.code >= '0' && glyph.code <= '9') {
        digits.push_back(&glyph);
        width = std::max(width, glyph.cell.width());
      }
  for (BuiltGlyph* digit : digits) digit->cell = padToWidth(digit->cell, width);
}

}  // namespace

BuiltFont buildFont(const FontRecipe& recipe, const DrawnGlyphs& drawn) {
  BuiltFont font;
  GlyphMaker maker(recipe, drawn, font);
  for (const CodeRange& range : recipe.ranges) {
    BuiltRange built{range, {}};
    for (unsigned code = range.first; code <= range.last; ++code)
      built.glyphs.push_back({static_cast<uint16_t>(code), maker.make(static_cast<uint16_t>(code))});
    font.ranges.push_back(std::move(built));
  }
  equaliseDigits(font);
  return font;
}

}  // namespace fontgen
