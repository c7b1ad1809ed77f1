// Proportional bitmap fonts: glyph lookup, drawing and metrics.
#include "gui/core/gui.h"
#include "gui/core/gui_context.h"

namespace {

const GUI_GlyphInfo* findGlyph(const GUI_Font* font, uint16_t c) {
  for (const GUI_CharRange* range = font->firstRange; range != nullptr; range = range->next) {
    if (c >= range->first && c <= range->last) return &range->glyphs[c - range->first];
  }
  return nullptr;
}

// The band between the glyph's height and the line distance takes the cell's ground.
void fillBelowGlyph(const GUI_Font& font, int width) {
  const int top = GUI_Ctx.textY + font.height * font.magnificationY;
  const int bottom = GUI_Ctx.textY + font.lineDistance * font.magnificationY - 1;
  const DrawMode glyphMode = GUI_Ctx.drawMode;
  GUI_SelectDrawMode(static_cast<DrawMode>(glyphMode ^ DM_REV));
  GUI_FillArea(GUI_Ctx.textX, top, GUI_Ctx.textX + width * font.magnificationX - 1, bottom);
  GUI_SelectDrawMode(glyphMode);
}

}  // namespace

void GUI_PROP_DispChar(uint16_t c) {
  const GUI_Font& font = *GUI_Ctx.font;
  const GUI_GlyphInfo* glyph = findGlyph(&font, c);
  if (glyph == nullptr) return;
  const DrawMode previous = GUI_SelectDrawMode(static_cast<DrawMode>(GUI_Ctx.textMode));
  const uint32_t colours[2] = {GUI_BackgroundIndex(), GUI_ForegroundIndex()};
  GUI_DrawBitmapClipped(GUI_Ctx.textX, GUI_Ctx.textY, glyph->width, font.height, 1, glyph->bytesPerRow,
                        glyph->bitmap, colours, font.magnificationX, font.magnificationY);
  // In XOR mode the cell's ground is left alone, as the glyph's 0-bits are.
  if (font.lineDistance > font.height && (GUI_Ctx.drawMode & (DM_TRANS | DM_XOR)) == 0) {
    fillBelowGlyph(font, glyph->width);
  }
  GUI_SelectDrawMode(previous);
  GUI_Ctx.textX = static_cast<int16_t>(GUI_Ctx.textX + glyph->advance * font.magnificationX);
}

int GUI_PROP_GetCharDistX(uint16_t c) {
  const GUI_Font& font = *GUI_Ctx.font;
  const GUI_GlyphInfo* glyph = findGlyph(&font, c);
  return glyph == nullptr ? 0 : glyph->advance * font.magnificationX;
}

void GUI_PROP_GetFontInfo(const GUI_Font*, GUI_FontInfo* info) { info->flags = GUI_FONTINFO_FLAG_PROP; }

bool GUI_PROP_IsInFont(const GUI_Font* font, uint16_t c) {
  return findGlyph(font != nullptr ? font : GUI_Ctx.font, c) != nullptr;
}

const GUI_Font* GUI_SelectFont(const GUI_Font* font) {
  const GUI_Font* previous = GUI_Ctx.font;
  if (font != nullptr) GUI_Ctx.font = font;
  return previous;
}

int GUI_GetCharWidth(uint16_t c) { return GUI_Ctx.font->getCharDistX(c); }

int GUI_GetFontHeight() { return GUI_Ctx.font->height * GUI_Ctx.font->magnificationY; }

bool GUI_IsCharInFont(const GUI_Font* font, uint16_t c) {
  const GUI_Font* f = font != nullptr ? font : GUI_Ctx.font;
  return f->isInFont(f, c);
}
