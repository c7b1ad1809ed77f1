// Types shared by the drawing core, text output and the display driver.
#pragma once

#include <cstdint>

constexpr int LCD_XSIZE = 240;
constexpr int LCD_YSIZE = 160;
constexpr int LDC_VXSIZE = LCD_XSIZE;
constexpr int LDC_VYSIZE = LCD_YSIZE;

// Inclusive at both ends; empty when x1 < x0 or y1 < y0.
struct GUI_Rect {
  int16_t x0;
  int16_t y0;
  int16_t x1;
  int16_t y1;
};

using DrawMode = uint8_t;
constexpr DrawMode DM_NORMAL = 0;
constexpr DrawMode DM_XOR = 1;
constexpr DrawMode DM_TRANS = 2;
constexpr DrawMode DM_REV = 4;

using LineStyle = uint8_t;
constexpr LineStyle LS_SOLID = 0;
constexpr LineStyle LS_DASH = 1;
constexpr LineStyle LS_DOT = 2;
constexpr LineStyle LS_DASHDOT = 3;
constexpr LineStyle LS_DASHDOTDOT = 4;

// A colour is 0xRRGGBB; the frame buffer stores it unchanged as the pixel value.
constexpr uint32_t GUI_BLACK = 0x000000;
constexpr uint32_t GUI_WHITE = 0xFFFFFF;
constexpr uint32_t GUI_INVERT(uint32_t v) { return 0xFFFFFF - v; }

struct GUI_Palette {
  int32_t numEntries;  // at most 256 are used
  uint8_t hasTransparency;
  const uint32_t* entries;  // RGB, or none
};

// Drawing method of a bitmap that draws itself.
using GUI_BitmapMethod = void (*)(int x, int y, int width, int height, const uint8_t* data,
                                  const GUI_Palette* palette, int magX, int magY);

// Rows top to bottom, each padded to whole bytes, leftmost pixel in the most significant bits.
struct GUI_Bitmap {
  uint16_t width;
  uint16_t height;
  uint16_t bytesPerLine;
  uint16_t bitsPerPixel;
  const uint8_t* data;
  const GUI_Palette* palette;
  GUI_BitmapMethod method;
};
