// The single drawing context that every drawing and text operation uses.
#pragma once

#include <cstdint>

#include "gui/core/gui_font.h"
#include "gui/core/gui_types.h"

struct GUI_TextCodec;

using GUI_CharHook = void (*)(uint16_t c);

struct GUI_Context {
  // Slot 0 acts as background and slot 1 as foreground; DM_REV exchanges them.
  uint32_t colorSlot[2];
  GUI_Rect clipRect;
  DrawMode drawMode;
  const GUI_Rect* outerClip;
  uint8_t penSize;
  uint8_t penShape;
  LineStyle lineStyle;
  const GUI_Font* font;
  const GUI_TextCodec* codec;
  int16_t leftBorder;
  int16_t textX;
  int16_t textY;
  int16_t graphX;
  int16_t graphY;
  int16_t textMode;
  uint16_t textAlign;
  uint32_t lastForeground;
  uint32_t lastBackground;
  char decimalPoint;
  GUI_CharHook charHook;
};

extern GUI_Context GUI_Ctx;

constexpr int kBackgroundSlot = 0;
constexpr int kForegroundSlot = 1;

inline uint32_t GUI_ForegroundIndex() { return GUI_Ctx.colorSlot[kForegroundSlot]; }
inline uint32_t GUI_BackgroundIndex() { return GUI_Ctx.colorSlot[kBackgroundSlot]; }

// Intersection of two rectangles (may be empty).
GUI_Rect GUI_Intersect(const GUI_Rect& a, const GUI_Rect& b);
bool GUI_IsEmpty(const GUI_Rect& r);
bool GUI_Overlaps(const GUI_Rect& a, const GUI_Rect& b);
constexpr GUI_Rect kDisplayRect = {0, 0, LCD_XSIZE - 1, LCD_YSIZE - 1};

// Draws a 1- to 32-bit bitmap with its top-left corner at (x, y), clipped;
// magnified bitmaps paint one rectangle per source pixel.
void GUI_DrawBitmapClipped(int x, int y, int width, int height, int bitsPerPixel, int bytesPerLine,
                           const uint8_t* data, const uint32_t* table, int magX, int magY);
