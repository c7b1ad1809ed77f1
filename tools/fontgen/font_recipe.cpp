#include "font_recipe.h"

namespace fontgen {
namespace {

const std::vector<CodeRange> kCyrillicRanges = {
    {0x0401, 0x040C}, {0x040E, 0x044F}, {0x0451, 0x045C}, {0x045E, 0x045F}};

// Letters of the Cyrillic alphabets beyond Russian that the texts need.
const std::vector<CodeRange> kCyrillicExtraRanges = {{0x0490, 0x0493}, {0x0496, 0x0497}, {0x049A, 0x049D},
                                                     {0x04A2, 0x04A3}, {0x04AE, 0x04B3}, {0x04B8, 0x04BB},
                                                     {0x04D8, 0x04D9}, {0x04E8, 0x04E9}};

constexpr CodeRange kEscapeRange = {0x001B, 0x001B};
constexpr CodeRange kKeySymbolRange = {0x266C, 0x2674};

std::vector<CodeRange> concat(std::vector<CodeRange> a, const std::vector<CodeRange>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

std::vector<CodeRange> smallRanges() {
  // No i-acute and no long s: the small font is used for digits and short labels only.
  return concat({{0x0020, 0x007E}, {0x00A0, 0x00EC}, {0x00EE, 0x017E}}, kCyrillicRanges);
}

std::vector<CodeRange> largeRanges() {
  return concat(concat({kEscapeRange, {0x0020, 0x007E}, {0x00A0, 0x017F}}, kCyrillicRanges),
                kCyrillicExtraRanges);
}

std::vector<CodeRange> normalRanges() { return concat(largeRanges(), {kKeySymbolRange}); }

const char* const kMiscFixed = "/usr/share/fonts/X11/misc/5x8.pcf.gz";
const char* const kMiscFixedDescription =
    "5x8.pcf.gz, misc-fixed 5x8 ISO10646-1 of Debian package xfonts-base 1:1.0.5+nmu1 (font-misc-misc), "
    "public domain";
const char* const kDejaVuCondensed = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed.ttf";
const char* const kDejaVuCondensedDescription =
    "DejaVuSansCondensed.ttf of Debian package fonts-dejavu-core 2.37, Bitstream Vera licence with the "
    "DejaVu changes in the public domain";
const char* const kDejaVu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const char* const kDejaVuDescription =
    "DejaVuSans.ttf of Debian package fonts-dejavu-core 2.37, Bitstream Vera licence with the DejaVu changes "
    "in the public domain";

}  // namespace

std::vector<FontRecipe> fontRecipes() {
  return {
      {"FontSmall", "font_small", 8, 7, 5, 0, 2, 9, smallRanges(), SourceKind::BitmapStrike, kMiscFixed,
       kMiscFixedDescription, 0, false, 100, Spacing::Cropped, 3, ""},
      // The unit's German texts were written for a narrow face: the condensed
      // face, 17 px wide at 18 px high, with its own hints (they keep the
      // stems at two pixels) and one empty column after the ink makes the
      // help lines and list entries fit their rectangles.
      {"FontNormal", "font_normal", 20, 16, 10, 13, 4, 23, normalRanges(), SourceKind::Outline,
       kDejaVuCondensed, kDejaVuCondensedDescription, 18, false, 97, Spacing::Trimmed, 5,
       "font_normal_drawn.txt"},
      {"FontLarge", "font_large", 32, 26, 15, 20, 4, 24, largeRanges(), SourceKind::Outline, kDejaVu,
       kDejaVuDescription, 27, true, 100, Spacing::Natural, 8, "font_large_drawn.txt"},
  };
}

int glyphCount(const FontRecipe& recipe) {
  int count = 0;
  for (const CodeRange& range : recipe.ranges) count += range.last - range.first + 1;
  return count;
}

}  // namespace fontgen
