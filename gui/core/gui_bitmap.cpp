// Bitmaps and icons, clipped to the clip rectangle.
#include <algorithm>

#include "gui/core/gui.h"
#include "gui/core/gui_context.h"
#include "gui/core/gui_text_runs.h"
#include "gui/core/lcd_frame_buffer.h"

namespace {

constexpr int kMaxPaletteEntries = 256;
uint32_t PaletteTable[kMaxPaletteEntries];

// Colours of the palette's entries, or none when it has no entry table.
const uint32_t* paletteTable(const GUI_Palette* palette) {
  if (palette == nullptr || palette->entries == nullptr) return nullptr;
  const int n = std::clamp(palette->numEntries, 0, kMaxPaletteEntries);
  std::copy(palette->entries, palette->entries + n, PaletteTable);
  return PaletteTable;
}

// Every source pixel becomes a rectangle of the magnification's size.
void drawMagnified(int x, int y, int width, int height, int bitsPerPixel, int bytesPerLine,
                   const uint8_t* data, const uint32_t* table, int magX, int magY) {
  const bool transparent = (GUI_Ctx.drawMode & DM_TRANS) != 0;
  const uint32_t saved = GUI_Ctx.colorSlot[kForegroundSlot];
  for (int row = 0; row < height; ++row, data += bytesPerLine) {
    for (int i = 0; i < width; ++i) {
      const uint32_t v = LCD_PackedPixel(data, i, bitsPerPixel);
      if (v == 0 && transparent) continue;
      GUI_Ctx.colorSlot[kForegroundSlot] = table != nullptr && bitsPerPixel <= 8 ? table[v] : v;
      const int px = x + i * magX;
      const int py = y + row * magY;
      GUI_FillArea(px, py, px + magX - 1, py + magY - 1);
    }
  }
  GUI_Ctx.colorSlot[kForegroundSlot] = saved;
}

}  // namespace

void GUI_DrawBitmapClipped(int x, int y, int width, int height, int bitsPerPixel, int bytesPerLine,
                           const uint8_t* data, const uint32_t* table, int magX, int magY) {
  if (magX != 1 || magY != 1) {
    drawMagnified(x, y, width, height, bitsPerPixel, bytesPerLine, data, table, magX, magY);
    return;
  }
  const GUI_Rect& clip = GUI_Ctx.clipRect;
  if (y < clip.y0) {
    const int skipped = clip.y0 - y;
    data += skipped * bytesPerLine;
    height -= skipped;
    y = clip.y0;
  }
  height = std::min(height, clip.y1 - y + 1);
  width = std::min(width, clip.x1 - x + 1);
  int diff = 0;
  if (x < clip.x0) {
    const int skippedBits = (clip.x0 - x) * bitsPerPixel;
    data += skippedBits / 8;
    diff = (skippedBits % 8) / bitsPerPixel;
    width -= clip.x0 - x;
    x = clip.x0 - diff;
  }
  if (width <= 0 || height <= 0) return;
  LCD_DrawBitmap(x, y, width, height, bitsPerPixel, bytesPerLine, data, diff, table);
}

void GUI_DrawIcon(const GUI_Bitmap* bitmap, int x, int y) {
  if (bitmap == nullptr) return;
  const GUI_Palette* palette = bitmap->palette;
  const bool transparent = palette != nullptr && palette->hasTransparency != 0;
  const DrawMode previous = GUI_Ctx.drawMode;
  GUI_Ctx.drawMode = static_cast<DrawMode>(transparent ? previous | DM_TRANS : previous & ~DM_TRANS);
  if (bitmap->method != nullptr) {
    bitmap->method(x, y, bitmap->width, bitmap->height, bitmap->data, palette, 1, 1);
  } else {
    const uint32_t* table = paletteTable(palette);
    const uint32_t slots[2] = {GUI_BackgroundIndex(), GUI_ForegroundIndex()};
    if (table == nullptr && bitmap->bitsPerPixel == 1) table = slots;
    GUI_DrawBitmapClipped(x, y, bitmap->width, bitmap->height, bitmap->bitsPerPixel, bitmap->bytesPerLine,
                          bitmap->data, table, 1, 1);
    if (!transparent) {
      const GUI_Rect painted = GUI_Intersect(
          GUI_Rect{static_cast<int16_t>(x), static_cast<int16_t>(y),
                   static_cast<int16_t>(x + bitmap->width - 1), static_cast<int16_t>(y + bitmap->height - 1)},
          GUI_Ctx.clipRect);
      GUI_TextRunsCover(painted);
    }
  }
  GUI_Ctx.drawMode = previous;
}
