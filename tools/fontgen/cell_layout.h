// Places a rendered glyph into a font cell: baseline on the cell's baseline
// row, accents and descenders pulled into the cell, spacing columns added.
#pragma once

#include "face_rasteriser.h"
#include "glyph_bitmap.h"

namespace fontgen {

struct CellShape {
  int height;
  int baseline;  // rows above the baseline; ink of 'H' ends in row baseline - 1
};

enum class Spacing {
  Natural,  // keep the face's bearings and advance, at least one empty column after the ink
  Cropped,  // ink from column 0, one empty column after it (for monospaced bitmap faces)
  Trimmed,  // the face's left bearing, exactly one empty column after the ink (tighter set proportional text)
};

struct CellResult {
  GlyphBitmap cell;
  int clippedRows = 0;  // rows of ink lost because no gap could be closed
};

CellResult placeInCell(const RenderedGlyph& glyph, const CellShape& shape, Spacing spacing);

// An empty cell (space-like characters).
GlyphBitmap blankCell(const CellShape& shape, int width);

}  // namespace fontgen
