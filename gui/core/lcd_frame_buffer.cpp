#include "gui/core/lcd_frame_buffer.h"

#include <algorithm>

#include "gui/core/gui_context.h"

namespace {

uint32_t FrameBuffer[LCD_YSIZE][LCD_XSIZE];

bool xorMode() { return (GUI_Ctx.drawMode & DM_XOR) != 0; }
bool transMode() { return (GUI_Ctx.drawMode & DM_TRANS) != 0; }

}  // namespace

uint32_t LCD_PackedPixel(const uint8_t* row, int i, int bitsPerPixel) {
  switch (bitsPerPixel) {
    case 1:
    case 2:
    case 4: {
      const int bit = i * bitsPerPixel;
      const int shift = 8 - bitsPerPixel - (bit & 7);
      return (row[bit >> 3] >> shift) & ((1u << bitsPerPixel) - 1);
    }
    case 8:
      return row[i];
    // Wider pixels are words in the unit's (little-endian) memory order.
    case 16:
      return row[2 * i] | static_cast<uint32_t>(row[2 * i + 1]) << 8;
    default:
      return row[4 * i] | static_cast<uint32_t>(row[4 * i + 1]) << 8 |
             static_cast<uint32_t>(row[4 * i + 2]) << 16 | static_cast<uint32_t>(row[4 * i + 3]) << 24;
  }
}

namespace {

void writeBitmapPixel(int x, int y, uint32_t v, int bitsPerPixel, const uint32_t* table) {
  if (bitsPerPixel == 1) {
    if (v != 0 && xorMode()) {
      LCD_XorPixel(x, y);
    } else if (v != 0 || (!transMode() && !xorMode())) {
      LCD_SetPixelIndex(x, y, table[v]);
    }
    return;
  }
  if (v == 0 && transMode()) return;
  // 2- and 4-bit rows have nothing to invert with.
  if (xorMode() && bitsPerPixel < 8) return;
  const bool mapped = table != nullptr && bitsPerPixel <= 8;
  LCD_SetPixelIndex(x, y, mapped ? table[v] : v);
}

}  // namespace

uint32_t LCD_GetPixelIndex(int x, int y) { return FrameBuffer[y][x]; }
const uint32_t* LCD_GetRow(int y) { return FrameBuffer[y]; }
void LCD_SetPixelIndex(int x, int y, uint32_t value) { FrameBuffer[y][x] = value; }
void LCD_XorPixel(int x, int y) { FrameBuffer[y][x] = GUI_INVERT(FrameBuffer[y][x]); }

void LCD_DrawPixel(int x, int y) {
  if (xorMode()) {
    LCD_XorPixel(x, y);
  } else {
    LCD_SetPixelIndex(x, y, GUI_ForegroundIndex());
  }
}

void LCD_DrawHLine(int x0, int y, int x1) {
  uint32_t* row = FrameBuffer[y];
  if (xorMode()) {
    for (int x = x0; x <= x1; ++x) row[x] = GUI_INVERT(row[x]);
    return;
  }
  std::fill(row + x0, row + x1 + 1, GUI_ForegroundIndex());
}

void LCD_DrawVLine(int x, int y0, int y1) {
  for (int y = y0; y <= y1; ++y) LCD_DrawPixel(x, y);
}

void LCD_FillRect(int x0, int y0, int x1, int y1) {
  for (int y = y0; y <= y1; ++y) LCD_DrawHLine(x0, y, x1);
}

void LCD_DrawBitmap(int x0, int y0, int width, int height, int bitsPerPixel, int bytesPerLine,
                    const uint8_t* data, int diff, const uint32_t* table) {
  for (int row = 0; row < height; ++row, data += bytesPerLine) {
    for (int i = 0; i < width; ++i) {
      const uint32_t v = LCD_PackedPixel(data, diff + i, bitsPerPixel);
      writeBitmapPixel(x0 + diff + i, y0 + row, v, bitsPerPixel, table);
    }
  }
}

void LCD_FillFrameBuffer(uint32_t value) {
  for (auto& row : FrameBuffer)
    for (auto& pixel : row) pixel = value;
}
