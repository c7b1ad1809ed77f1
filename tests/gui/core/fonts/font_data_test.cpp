// The generated font tables: character sets in chain order, cells, glyph
// widths and the pictures that texts rely on.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "gui/core/gui_font.h"

namespace {

struct Range {
  uint16_t first, last;
  bool operator==(const Range&) const = default;
};

const std::vector<Range> kSmallRanges = {{0x0020, 0x007E}, {0x00A0, 0x00EC}, {0x00EE, 0x017E},
                                         {0x0401, 0x040C}, {0x040E, 0x044F}, {0x0451, 0x045C},
                                         {0x045E, 0x045F}};
const std::vector<Range> kLargeRanges = {
    {0x001B, 0x001B}, {0x0020, 0x007E}, {0x00A0, 0x017F}, {0x0401, 0x040C}, {0x040E, 0x044F},
    {0x0451, 0x045C}, {0x045E, 0x045F}, {0x0490, 0x0493}, {0x0496, 0x0497}, {0x049A, 0x049D},
    {0x04A2, 0x04A3}, {0x04AE, 0x04B3}, {0x04B8, 0x04BB}, {0x04D8, 0x04D9}, {0x04E8, 0x04E9}};

std::vector<Range> normalRanges() {
  std::vector<Range> ranges = kLargeRanges;
  ranges.push_back({0x266C, 0x2674});
  return ranges;
}

struct FontCase {
  const char* name;
  const GUI_Font* font;
  uint8_t height;
  uint8_t baseline, lowercaseHeight, capitalHeight;
  int glyphCount;
  int minWidth, maxWidth;
  std::vector<Range> ranges;
};

std::vector<FontCase> fontCases() {
  return {{"FontSmall", &FontSmall, 8, 7, 5, 0, 409, 2, 9, kSmallRanges},
          {"FontNormal", &FontNormal, 20, 16, 10, 13, 447, 4, 23, normalRanges()},
          {"FontLarge", &FontLarge, 32, 26, 15, 20, 438, 4, 24, kLargeRanges}};
}

std::string printName(const testing::TestParamInfo<FontCase>& info) { return info.param.name; }

const GUI_GlyphInfo* glyphOf(const GUI_Font& font, uint16_t code) {
  for (const GUI_CharRange* range = font.firstRange; range; range = range->next)
    if (code >= range->first && code <= range->last) return &range->glyphs[code - range->first];
  return nullptr;
}

bool inkAt(const GUI_GlyphInfo& glyph, int x, int y) {
  return (glyph.bitmap[y * glyph.bytesPerRow + x / 8] & (0x80 >> (x % 8))) != 0;
}

bool rowsHaveInk(const GUI_Font& font, uint16_t code, int fromRow, int toRow) {
  const GUI_GlyphInfo* glyph = glyphOf(font, code);
  for (int y = fromRow; glyph && y < toRow; ++y)
    for (int x = 0; x < glyph->width; ++x)
      if (inkAt(*glyph, x, y)) return true;
  return false;
}

std::string codeName(uint16_t code) {
  char text[8];
  std::snprintf(text, sizeof text, "U+%04X", code);
  return text;
}

class FontDataTest : public testing::TestWithParam<FontCase> {};

TEST_P(FontDataTest, DescriptorCarriesCellMetricsAndProportionalOperations) {
  const FontCase& c = GetParam();
  const GUI_Font& font = *c.font;
  EXPECT_EQ(font.height, c.height);
  EXPECT_EQ(font.lineDistance, c.height);
  EXPECT_EQ(font.magnificationX, 1);
  EXPECT_EQ(font.magnificationY, 1);
  EXPECT_EQ(font.baseline, c.baseline);
  EXPECT_EQ(font.lowercaseHeight, c.lowercaseHeight);
  EXPECT_EQ(font.capitalHeight, c.capitalHeight);
  EXPECT_EQ(font.stringOps, nullptr);
  EXPECT_EQ(font.dispChar, &GUI_PROP_DispChar);
  EXPECT_EQ(font.getCharDistX, &GUI_PROP_GetCharDistX);
  EXPECT_EQ(font.getFontInfo, &GUI_PROP_GetFontInfo);
  EXPECT_EQ(font.isInFont, &GUI_PROP_IsInFont);
}

TEST_P(FontDataTest, RangesFollowTheCharacterSetInChainOrder) {
  const FontCase& c = GetParam();
  std::vector<Range> chain;
  int glyphs = 0;
  for (const GUI_CharRange* range = c.font->firstRange; range; range = range->next) {
    ASSERT_LE(range->first, range->last);
    ASSERT_NE(range->glyphs, nullptr);
    chain.push_back({range->first, range->last});
    glyphs += range->last - range->first + 1;
  }
  EXPECT_EQ(chain, c.ranges);
  EXPECT_EQ(glyphs, c.glyphCount);
}

// Width bounds, row size, and no ink in the padding bits of a row or in the
// last column: spacing lives inside the glyph, so neighbours must not touch.
TEST_P(FontDataTest, EveryGlyphFitsItsCellAndEndsWithSpacing) {
  const FontCase& c = GetParam();
  const GUI_Font& font = *c.font;
  for (const GUI_CharRange* range = font.firstRange; range; range = range->next)
    for (unsigned code = range->first; code <= range->last; ++code) {
      const GUI_GlyphInfo& glyph = range->glyphs[code - range->first];
      SCOPED_TRACE(codeName(static_cast<uint16_t>(code)));
      ASSERT_NE(glyph.bitmap, nullptr);
      EXPECT_GE(glyph.width, c.minWidth);
      EXPECT_LE(glyph.width, c.maxWidth);
      EXPECT_EQ(glyph.advance, glyph.width);
      EXPECT_EQ(glyph.bytesPerRow, (glyph.width + 7) / 8);
      for (int y = 0; y < font.height; ++y) {
        for (int x = glyph.width; x < glyph.bytesPerRow * 8; ++x)
          EXPECT_FALSE(inkAt(glyph, x, y)) << "padding bit " << x << " of row " << y;
        EXPECT_FALSE(inkAt(glyph, glyph.width - 1, y)) << "ink in the spacing column, row " << y;
      }
    }
}

// Only the space characters and the key placeholder are blank; any other
// empty cell means the rasteriser lost a glyph.
TEST_P(FontDataTest, OnlySpacesAreBlank) {
  const GUI_Font& font = *GetParam().font;
  for (const GUI_CharRange* range = font.firstRange; range; range = range->next)
    for (unsigned code = range->first; code <= range->last; ++code) {
      const bool blank = !rowsHaveInk(font, static_cast<uint16_t>(code), 0, font.height);
      const bool space = code == 0x20 || code == 0xA0 || code == 0x1B;
      EXPECT_EQ(blank, space) << codeName(static_cast<uint16_t>(code));
    }
}

// Values are shown in columns, so the figures share one width.
TEST_P(FontDataTest, DigitsShareOneWidth) {
  const GUI_Font& font = *GetParam().font;
  for (uint16_t digit = '1'; digit <= '9'; ++digit)
    EXPECT_EQ(glyphOf(font, digit)->width, glyphOf(font, '0')->width) << static_cast<char>(digit);
}

TEST_P(FontDataTest, DescendersReachBelowTheBaseline) {
  const GUI_Font& font = *GetParam().font;
  for (uint16_t code : {u'g', u'j', u'p', u'q', u'y', u'р', u'у'})
    EXPECT_TRUE(rowsHaveInk(font, code, font.baseline, font.height)) << codeName(code);
  EXPECT_FALSE(rowsHaveInk(font, 'H', font.baseline, font.height));
  EXPECT_FALSE(rowsHaveInk(font, 'x', font.baseline, font.height));
}

// The metric bytes describe the letters: 'H' stands on the baseline and is
// capital height tall, 'x' is lower-case height tall. A face or size change
// that moves the letters must show up here.
TEST(FontMetrics, CapitalAndLowerCaseLettersMatchTheMetricBytes) {
  for (const GUI_Font* font : {&FontNormal, &FontLarge}) {
    for (auto [letter, height] : {std::pair{u'H', font->capitalHeight}, {u'x', font->lowercaseHeight}}) {
      SCOPED_TRACE(codeName(letter));
      const int top = font->baseline - height;
      EXPECT_FALSE(rowsHaveInk(*font, letter, 0, top));
      EXPECT_TRUE(rowsHaveInk(*font, letter, top, top + 1));
      EXPECT_TRUE(rowsHaveInk(*font, letter, font->baseline - 1, font->baseline));
      EXPECT_FALSE(rowsHaveInk(*font, letter, font->baseline, font->height));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Fonts, FontDataTest, testing::ValuesIn(fontCases()), printName);

TEST(FontCharacterSet, SmallFontLeavesOutIAcuteAndLongS) {
  EXPECT_EQ(glyphOf(FontSmall, 0x00ED), nullptr);
  EXPECT_EQ(glyphOf(FontSmall, 0x017F), nullptr);
  EXPECT_NE(glyphOf(FontSmall, 0x00EC), nullptr);
  EXPECT_NE(glyphOf(FontSmall, 0x00EE), nullptr);
  EXPECT_NE(glyphOf(FontNormal, 0x00ED), nullptr);
  EXPECT_NE(glyphOf(FontLarge, 0x017F), nullptr);
}

TEST(FontCharacterSet, KeySymbolsHaveTheirWidthsInTheNormalFontOnly) {
  const std::vector<std::pair<uint16_t, int>> widths = {
      {0x001B, 11}, {0x266C, 8},  {0x266D, 8},  {0x266E, 16}, {0x266F, 14},
      {0x2670, 23}, {0x2671, 20}, {0x2672, 20}, {0x2673, 19}, {0x2674, 15}};
  for (auto [code, width] : widths) {
    const GUI_GlyphInfo* glyph = glyphOf(FontNormal, code);
    ASSERT_NE(glyph, nullptr) << codeName(code);
    EXPECT_EQ(glyph->width, width) << codeName(code);
    if (code != 0x001B) {
      EXPECT_EQ(glyphOf(FontLarge, code), nullptr) << codeName(code);
    }
  }
  EXPECT_EQ(glyphOf(FontSmall, 0x2670), nullptr);
}

// The box with a tick is the empty box plus the tick: same frame, more ink inside.
TEST(FontCharacterSet, TickedBoxIsTheEmptyBoxWithATick) {
  const GUI_GlyphInfo& box = *glyphOf(FontNormal, 0x2671);
  const GUI_GlyphInfo& ticked = *glyphOf(FontNormal, 0x2672);
  int extraInk = 0;
  for (int y = 0; y < FontNormal.height; ++y)
    for (int x = 0; x < box.width; ++x) {
      const bool inBox = inkAt(box, x, y), inTicked = inkAt(ticked, x, y);
      EXPECT_TRUE(!inBox || inTicked) << x << "," << y;
      extraInk += inTicked && !inBox;
    }
  EXPECT_GT(extraInk, 6);
}

// Accents of capitals must survive inside the cell: ink above the capital
// height where the plain letter has none.
TEST(FontCharacterSet, AccentsOfCapitalsStayInsideTheCell) {
  for (const GUI_Font* font : {&FontNormal, &FontLarge}) {
    const int capitalTop = font->baseline - font->capitalHeight;
    for (auto [plain, accented] : {std::pair{u'A', u'Ä'},
                                   {u'E', u'É'},
                                   {u'C', u'Č'},
                                   {u'A', u'Å'},
                                   {u'U', u'Ů'},
                                   {u'Z', u'Ž'},
                                   {u'I', u'Ї'}}) {
      EXPECT_FALSE(rowsHaveInk(*font, plain, 0, capitalTop)) << codeName(plain);
      EXPECT_TRUE(rowsHaveInk(*font, accented, 0, capitalTop)) << codeName(accented);
    }
  }
}

}  // namespace
