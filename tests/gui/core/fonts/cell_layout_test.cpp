// Fitting rendered glyphs into a font cell: accents and hooks pulled in,
// spacing columns added.
#include "cell_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using fontgen::CellShape;
using fontgen::GlyphBitmap;
using fontgen::placeInCell;
using fontgen::RenderedGlyph;
using fontgen::Spacing;

GlyphBitmap picture(const std::vector<std::string>& rows) {
  GlyphBitmap bitmap(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
  for (int y = 0; y < bitmap.height(); ++y)
    for (int x = 0; x < bitmap.width(); ++x) bitmap.set(x, y, rows[y][x] == '#');
  return bitmap;
}

std::vector<std::string> rowsOf(const GlyphBitmap& bitmap) {
  std::vector<std::string> rows;
  for (int y = 0; y < bitmap.height(); ++y) {
    std::string row;
    for (int x = 0; x < bitmap.width(); ++x) row += bitmap.ink(x, y) ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

// A cell of 8 rows with the baseline at row 6: six rows above it, two below.
constexpr CellShape kCell = {8, 6};

struct FitCase {
  const char* name;
  std::vector<std::string> ink;
  int top;  // rows of ink above the baseline
  std::vector<std::string> cell;
  int clippedRows;
};

class VerticalFitTest : public testing::TestWithParam<FitCase> {};

TEST_P(VerticalFitTest, GlyphEndsUpInsideTheCell) {
  const FitCase& c = GetParam();
  RenderedGlyph glyph{picture(c.ink), 0, c.top, 0};
  const fontgen::CellResult result = placeInCell(glyph, kCell, Spacing::Cropped);
  EXPECT_EQ(rowsOf(result.cell), c.cell);
  EXPECT_EQ(result.clippedRows, c.clippedRows);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VerticalFitTest,
    testing::Values(
        FitCase{"FitsAsItIs",
                {"#.#", "###", "#.#"},
                3,
                {"....", "....", "....", "#.#.", "###.", "#.#.", "....", "...."},
                0},
        // The accent sticks out two rows: the gap shrinks to one row, the letter stays on the baseline.
        FitCase{"AccentGapCloses",
                {".#.", "...", "...", "...", "#.#", "#.#", "###", "#.#"},
                8,
                {".#..", "....", "#.#.", "#.#.", "###.", "#.#.", "....", "...."},
                0},
        // No gap to close: the accent's top row is lost rather than moving the letter.
        FitCase{"AccentWithoutGapIsClipped",
                {"###", ".#.", "#.#", "#.#", "#.#", "#.#", "#.#"},
                7,
                {".#..", "#.#.", "#.#.", "#.#.", "#.#.", "#.#.", "....", "...."},
                1},
        // A hook far below the baseline is pulled up towards the letter.
        FitCase{"HookGapCloses",
                {"#.#", "###", "...", "...", "...", ".#."},
                2,
                {"....", "....", "....", "....", "#.#.", "###.", "....", ".#.."},
                0}),
    [](const testing::TestParamInfo<FitCase>& param) { return std::string(param.param.name); });

TEST(HorizontalSpacing, NaturalSpacingKeepsBearingAndAdvance) {
  // Ink two columns wide, one column in from the pen, advance 5.
  RenderedGlyph glyph{picture({"##", "##"}), 1, 2, 5};
  GlyphBitmap cell = placeInCell(glyph, kCell, Spacing::Natural).cell;
  EXPECT_EQ(cell.width(), 5);
  EXPECT_TRUE(cell.ink(1, 4) && cell.ink(2, 4));
  EXPECT_FALSE(cell.ink(0, 4));
}

TEST(HorizontalSpacing, InkPastTheAdvanceStillGetsOneEmptyColumn) {
  // Negative bearing (ink starts left of the pen) and an advance narrower than the ink.
  RenderedGlyph glyph{picture({"####"}), -1, 1, 3};
  GlyphBitmap cell = placeInCell(glyph, kCell, Spacing::Natural).cell;
  EXPECT_EQ(cell.width(), 5);
  EXPECT_TRUE(cell.ink(0, 5));
  EXPECT_FALSE(cell.columnHasInk(4));
}

TEST(HorizontalSpacing, TrimmedSpacingKeepsTheBearingButOnlyOneColumnAfterTheInk) {
  // Advance 7 would leave three empty columns after the ink; trimmed leaves one.
  RenderedGlyph glyph{picture({"##", "##"}), 1, 2, 7};
  GlyphBitmap cell = placeInCell(glyph, kCell, Spacing::Trimmed).cell;
  EXPECT_EQ(rowsOf(cell)[4], ".##.");
  // Ink hanging left of the pen starts at column 0 rather than being cut.
  RenderedGlyph hanging{picture({"###"}), -1, 1, 2};
  EXPECT_EQ(rowsOf(placeInCell(hanging, kCell, Spacing::Trimmed).cell)[5], "###.");
}

TEST(HorizontalSpacing, CroppedSpacingDropsTheBearing) {
  RenderedGlyph glyph{picture({"..#.#", "..###"}), 0, 2, 6};
  GlyphBitmap cell = placeInCell(glyph, kCell, Spacing::Cropped).cell;
  EXPECT_EQ(rowsOf(cell)[4], "#.#.");
  EXPECT_EQ(cell.width(), 4);
}

}  // namespace
