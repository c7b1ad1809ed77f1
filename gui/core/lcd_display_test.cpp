// Byte access and the full-screen patterns of the factory display test.
#include "gui/core/gui_text_runs.h"
#include "gui/core/lcd.h"
#include "gui/core/lcd_frame_buffer.h"

namespace {

constexpr int kPixelsPerByte = 8;

using Pattern = uint32_t (*)(int x, int y);

void fillPattern(Pattern pattern) {
  for (int y = 0; y < LCD_YSIZE; ++y) {
    for (int x = 0; x < LCD_XSIZE; ++x) LCD_SetPixelIndex(x, y, pattern(x, y));
  }
  GUI_TextRunsClear();
  LCD_Refresh();
}

uint32_t checker(int x, int y) { return ((x ^ y) & 8) == 0 ? 1 : 0; }

}  // namespace

void LCD_WriteDisplayByte(uint16_t address, uint8_t byte) {
  const int p = address * kPixelsPerByte;
  int x = p % LCD_XSIZE;
  int y = p / LCD_XSIZE;
  for (int bit = 7; bit >= 0; --bit) {
    if (y < LCD_YSIZE) LCD_SetPixelIndex(x, y, (byte >> bit) & 1);
    if (++x == LCD_XSIZE) {
      x = 0;
      ++y;
    }
  }
}

uint8_t LCD_ReadDisplayByte(uint16_t address) {
  const int p = address * kPixelsPerByte;
  int x = p % LCD_XSIZE;
  int y = p / LCD_XSIZE;
  uint8_t byte = 0;
  for (int bit = 7; bit >= 0; --bit) {
    if (y < LCD_YSIZE && LCD_GetPixelIndex(x, y) != 0) byte = static_cast<uint8_t>(byte | 1u << bit);
    if (++x == LCD_XSIZE) {
      x = 0;
      ++y;
    }
  }
  return byte;
}

void LCD_TestAllDark() {
  fillPattern([](int, int) -> uint32_t { return 0; });
}
void LCD_TestAllLight() {
  fillPattern([](int, int) -> uint32_t { return 1; });
}
void LCD_TestChecker() { fillPattern(checker); }
void LCD_TestCheckerInverse() {
  fillPattern([](int x, int y) { return 1 - checker(x, y); });
}
void LCD_TestOddColumns() {
  fillPattern([](int x, int) -> uint32_t { return x & 1; });
}
void LCD_TestEvenColumns() {
  fillPattern([](int x, int) -> uint32_t { return 1 - (x & 1); });
}
