// What the generator builds: the three fonts with their cells, widths,
// character ranges and the face each one is rasterised from.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cell_layout.h"

namespace fontgen {

struct CodeRange {
  uint16_t first;
  uint16_t last;
};

enum class SourceKind {
  BitmapStrike,  // a fixed-size bitmap face; glyphs are cropped to their ink
  Outline,       // a scalable face, rendered at pixelSize without anti-aliasing
};

struct FontRecipe {
  std::string name;      // C++ name of the GUI_Font object
  std::string fileStem;  // gui/core/fonts/<fileStem>.cpp
  int height;
  int baseline;
  int lowercaseHeight;
  int capitalHeight;
  int minWidth;
  int maxWidth;
  std::vector<CodeRange> ranges;  // chain order
  SourceKind sourceKind;
  std::string sourceFile;
  std::string sourceDescription;  // package and licence, for the file header
  int pixelSize;                  // outline faces only
  bool autoHint;                  // outline faces only: FreeType's auto-hinter instead of the face's hints
  int widthPercent;               // outline faces only: horizontal scale of every glyph
  Spacing spacing;
  int spaceWidth;
  std::string drawnGlyphs;  // file of hand-drawn glyphs beside the generator, or empty
};

std::vector<FontRecipe> fontRecipes();

int glyphCount(const FontRecipe& recipe);

}  // namespace fontgen
