#include "cell_layout.h"

#include <algorithm>

namespace fontgen {
namespace {

// Rows of room above and below the cell while a glyph is being fitted.
constexpr int kMargin = 16;

struct InkBox {
  int x0, y0, x1, y1;  // inclusive
};

InkBox inkBox(const GlyphBitmap& bitmap) {
  InkBox box{bitmap.width(), bitmap.height(), -1, -1};
  for (int y = 0; y < bitmap.height(); ++y)
    for (int x = 0; x < bitmap.width(); ++x)
      if (bitmap.ink(x, y)) {
        box.x0 = std::min(box.x0, x);
        box.y0 = std::min(box.y0, y);
        box.x1 = std::max(box.x1, x);
        box.y1 = std::max(box.y1, y);
      }
  return box;
}

int firstInkRow(const GlyphBitmap& b) {
  for (int y = 0; y < b.height(); ++y)
    if (b.rowHasInk(y)) return y;
  return b.height();
}

int lastInkRow(const GlyphBitmap& b) {
  for (int y = b.height() - 1; y >= 0; --y)
    if (b.rowHasInk(y)) return y;
  return -1;
}

// The empty row in [from, to) that lies in the longest run of empty rows
// (runs must be at least minRun long); -1 when there is none.
int rowInWidestGap(const GlyphBitmap& b, int from, int to, int minRun) {
  int best = -1, bestRun = minRun - 1;
  for (int y = from; y < to;) {
    if (b.rowHasInk(y)) {
      ++y;
      continue;
    }
    int run = 0;
    while (y + run < to && !b.rowHasInk(y + run)) ++run;
    if (run > bestRun) {
      bestRun = run;
      best = y;
    }
    y += run;
  }
  return best;
}

// Accents above the cell: close the gap between accent and letter first
// (keeping one empty row between them), clip the accent only as a last resort.
int pullDownFromAbove(GlyphBitmap& canvas, int cellTop, int baselineRow) {
  int clipped = 0;
  for (int top = firstInkRow(canvas); top < cellTop; top = firstInkRow(canvas)) {
    int gap = rowInWidestGap(canvas, top, baselineRow, 2);
    if (gap < 0) {
      gap = top;
      ++clipped;
    }
    canvas.removeRowShiftingDown(gap);
  }
  return clipped;
}

// Hooks and descenders below the cell, handled the same way.
int pullUpFromBelow(GlyphBitmap& canvas, int cellBottom, int baselineRow) {
  int clipped = 0;
  for (int bottom = lastInkRow(canvas); bottom > cellBottom; bottom = lastInkRow(canvas)) {
    int gap = rowInWidestGap(canvas, baselineRow, bottom, 2);
    if (gap < 0) {
      gap = bottom;
      ++clipped;
    }
    canvas.removeRowShiftingUp(gap);
  }
  return clipped;
}

}  // namespace

GlyphBitmap blankCell(const CellShape& shape, int width) { return GlyphBitmap(width, shape.height); }

CellResult placeInCell(const RenderedGlyph& glyph, const CellShape& shape, Spacing spacing) {
  const InkBox box = inkBox(glyph.ink);
  if (box.x1 < 0) return {blankCell(shape, std::max(glyph.advance, 1)), 0};
  const int inkWidth = box.x1 - box.x0 + 1;

  GlyphBitmap canvas(inkWidth, shape.height + 2 * kMargin);
  const int rowOffset = kMargin + shape.baseline - glyph.top;
  for (int y = box.y0; y <= box.y1; ++y)
    for (int x = box.x0; x <= box.x1; ++x)
      if (glyph.ink.ink(x, y)) canvas.set(x - box.x0, y + rowOffset);

  const int baselineRow = kMargin + shape.baseline;
  CellResult result;
  result.clippedRows = pullDownFromAbove(canvas, kMargin, baselineRow);
  result.clippedRows += pullUpFromBelow(canvas, kMargin + shape.height - 1, baselineRow);

  int x0 = 0;
  int width = inkWidth + 1;
  if (spacing != Spacing::Cropped) x0 = std::max(0, glyph.left + box.x0);
  if (spacing == Spacing::Natural) width = std::max(glyph.advance, x0 + inkWidth + 1);
  if (spacing == Spacing::Trimmed) width = x0 + inkWidth + 1;
  result.cell = GlyphBitmap(width, shape.height);
  for (int y = 0; y < shape.height; ++y)
    for (int x = 0; x < inkWidth; ++x)
      if (canvas.ink(x, y + kMargin)) result.cell.set(x + x0, y);
  return result;
}

}  // namespace fontgen
