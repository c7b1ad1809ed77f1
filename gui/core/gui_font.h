// Font data format of the proportional bitmap fonts.
#pragma once

#include <cstdint>

struct GUI_Font;

struct GUI_FontInfo {
  uint16_t flags;
};
constexpr uint16_t GUI_FONTINFO_FLAG_PROP = 0x0001;

// Glyph: 1 bit per pixel, most significant bit leftmost, 1 = ink; as many
// rows as the font is high, each `bytesPerRow` bytes long.
struct GUI_GlyphInfo {
  uint8_t width;
  uint8_t advance;
  uint8_t bytesPerRow;
  const uint8_t* bitmap;
};

// Consecutive code points first..last (inclusive), one glyph each.
struct GUI_CharRange {
  uint16_t first;
  uint16_t last;
  const GUI_GlyphInfo* glyphs;
  const GUI_CharRange* next;
};

using GUI_DispCharFn = void (*)(uint16_t c);
using GUI_GetCharDistXFn = int (*)(uint16_t c);
using GUI_GetFontInfoFn = void (*)(const GUI_Font* font, GUI_FontInfo* info);
using GUI_IsInFontFn = bool (*)(const GUI_Font* font, uint16_t c);

// String-level operations; no font of the unit has them.
struct GUI_FontStringOps;

struct GUI_Font {
  GUI_DispCharFn dispChar;
  GUI_GetCharDistXFn getCharDistX;
  GUI_GetFontInfoFn getFontInfo;
  GUI_IsInFontFn isInFont;
  const GUI_FontStringOps* stringOps;
  uint8_t height;
  uint8_t lineDistance;
  uint8_t magnificationX;
  uint8_t magnificationY;
  const GUI_CharRange* firstRange;
  uint8_t baseline;
  uint8_t lowercaseHeight;
  uint8_t capitalHeight;
};

// The operations shared by every proportional font (drawing core).
void GUI_PROP_DispChar(uint16_t c);
int GUI_PROP_GetCharDistX(uint16_t c);
void GUI_PROP_GetFontInfo(const GUI_Font* font, GUI_FontInfo* info);
bool GUI_PROP_IsInFont(const GUI_Font* font, uint16_t c);

// The unit's three fonts (generated data).
extern const GUI_Font FontSmall;
extern const GUI_Font FontNormal;
extern const GUI_Font FontLarge;
