// The frame buffer and the driver-level writes the drawing core builds on.
// Coordinates are clipped by the caller; lines and fills invert instead of
// setting while the draw mode has DM_XOR.
#pragma once

#include <cstdint>

#include "gui/core/gui_types.h"

uint32_t LCD_GetPixelIndex(int x, int y);
// Row y of the frame buffer (LCD_XSIZE values), for whole-row readers.
const uint32_t* LCD_GetRow(int y);
void LCD_SetPixelIndex(int x, int y, uint32_t value);
void LCD_XorPixel(int x, int y);
// One pixel through the draw mode: inverted in DM_XOR, else the foreground index.
void LCD_DrawPixel(int x, int y);
void LCD_DrawHLine(int x0, int y, int x1);
void LCD_DrawVLine(int x, int y0, int y1);
void LCD_FillRect(int x0, int y0, int x1, int y1);
// Writes `height` rows of `width` pixels starting at x0 + diff; `table` maps
// pixel values to colours (none: the raw value; 1-bit rows always need one).
void LCD_DrawBitmap(int x0, int y0, int width, int height, int bitsPerPixel, int bytesPerLine,
                    const uint8_t* data, int diff, const uint32_t* table);
// Value of pixel `i` of a packed bitmap row: sub-byte pixels most significant
// bits first, wider ones as little-endian words.
uint32_t LCD_PackedPixel(const uint8_t* row, int i, int bitsPerPixel);
// Every pixel to `value` (start-up state is 0).
void LCD_FillFrameBuffer(uint32_t value);
