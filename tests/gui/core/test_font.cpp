#include "tests/gui/core/test_font.h"

#include <array>

namespace {

constexpr uint8_t kNarrowInk[8] = {0x00, 0xF8, 0xF8, 0xF8, 0xF8, 0xF8, 0xF8, 0x00};
constexpr uint8_t kWideInk[16] = {0x00, 0x00, 0xFF, 0x80, 0xFF, 0x80, 0xFF, 0x80,
                                  0xFF, 0x80, 0xFF, 0x80, 0xFF, 0x80, 0x00, 0x00};
constexpr uint8_t kNoInk[8] = {};

constexpr std::array<GUI_GlyphInfo, 0x7F - 0x20> makeAscii() {
  std::array<GUI_GlyphInfo, 0x7F - 0x20> glyphs{};
  for (int c = 0x20; c < 0x7F; ++c) {
    GUI_GlyphInfo g{kTestGlyphWidth, kTestGlyphWidth, 1, kNarrowInk};
    if (c == ' ') g = GUI_GlyphInfo{kTestSpaceWidth, kTestSpaceWidth, 1, kNoInk};
    if (c == 'W') g = GUI_GlyphInfo{kTestWideWidth, kTestWideWidth, 2, kWideInk};
    glyphs[c - 0x20] = g;
  }
  return glyphs;
}

constexpr auto kAscii = makeAscii();
constexpr GUI_GlyphInfo kEAcute[1] = {{kTestGlyphWidth, kTestGlyphWidth, 1, kNarrowInk}};

constexpr GUI_CharRange kLatinRange = {0xE9, 0xE9, kEAcute, nullptr};
constexpr GUI_CharRange kAsciiRange = {0x20, 0x7E, kAscii.data(), &kLatinRange};

}  // namespace

const GUI_Font TestFont = {GUI_PROP_DispChar,
                           GUI_PROP_GetCharDistX,
                           GUI_PROP_GetFontInfo,
                           GUI_PROP_IsInFont,
                           nullptr,
                           8,
                           8,
                           1,
                           1,
                           &kAsciiRange,
                           7,
                           5,
                           6};
const GUI_Font TestFontTall = {GUI_PROP_DispChar,
                               GUI_PROP_GetCharDistX,
                               GUI_PROP_GetFontInfo,
                               GUI_PROP_IsInFont,
                               nullptr,
                               8,
                               10,
                               1,
                               1,
                               &kAsciiRange,
                               7,
                               5,
                               6};
