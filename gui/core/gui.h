// Drawing core and text output of the graphics layer.
#pragma once

#include <cstdint>

#include "gui/core/gui_font.h"
#include "gui/core/gui_types.h"

// --- Context and start-up ---
void GUI_Startup();
DrawMode GUI_SelectDrawMode(DrawMode mode);
int GUI_SelectTextMode(int mode);
LineStyle GUI_SelectLineStyle(LineStyle style);
uint8_t GUI_SelectPenSize(uint8_t size);
void GUI_SetForeground(uint32_t rgb);
void GUI_SetBackground(uint32_t rgb);
// Clip = r intersected with the display; true when the result is not empty.
bool GUI_SetClip(const GUI_Rect* r);
GUI_Rect GUI_GetClip();

// --- Drawing ---
void GUI_ClearScreen();
void GUI_ClearArea(int x0, int y0, int x1, int y1);
void GUI_ClearAreaRect(const GUI_Rect* r);
void GUI_InvertArea(int x0, int y0, int x1, int y1);
void GUI_FillArea(int x0, int y0, int x1, int y1);
void GUI_FillAreaRect(const GUI_Rect* r);
void GUI_DrawFrame(int x0, int y0, int x1, int y1);
void GUI_DrawHorizontal(int y, int x0, int x1);
void GUI_DrawVertical(int x, int y0, int y1);
void GUI_DrawSegment(int x0, int y0, int x1, int y1);
void GUI_PutPixel(int x, int y);
void GUI_DrawIcon(const GUI_Bitmap* bitmap, int x, int y);
void GUI_DrawArcBand(int xc, int yc, int rx, int ry, int a0, int a1);
void GUI_FillCircle(int xc, int yc, int r);
void GUI_DrawCircle(int xc, int yc, int r);

// --- Time ---
void GUI_Wait(uint32_t ms);
uint32_t GUI_Milliseconds();
// Optional work done while waiting; returns true while it has more to do.
using GUI_IdleHook = bool (*)();
void GUI_SetIdleHook(GUI_IdleHook hook);

// --- Errors ---
void GUI_ReportError(const char* message);

// --- Fonts and text ---
// Horizontal alignment in bits 0-1, vertical in bits 2-3.
constexpr uint16_t GUI_TA_LEFT = 0;
constexpr uint16_t GUI_TA_RIGHT = 1;
constexpr uint16_t GUI_TA_HCENTER = 2;
constexpr uint16_t GUI_TA_HORIZONTAL = 3;
constexpr uint16_t GUI_TA_VERTICAL = 12;
constexpr uint16_t GUI_TA_BOTTOM = 4;
constexpr uint16_t GUI_TA_VCENTER = 12;

enum GUI_WrapMode : int { GUI_WRAPMODE_NONE = 0, GUI_WRAPMODE_WORD = 1, GUI_WRAPMODE_CHAR = 2 };

const GUI_Font* GUI_SelectFont(const GUI_Font* font);
void GUI_SelectUtf8();
uint16_t GUI_SetTextAlign(uint16_t align);
void GUI_DrawTextInRect(const char* text, const GUI_Rect* r, uint16_t align);
void GUI_DrawTextWrapped(const char* text, const GUI_Rect* r, uint16_t align, int wrapMode);
void GUI_DrawTextAt(const char* text, int x, int y);
void GUI_DrawTextCenteredAt(const char* text, int x, int y);
void GUI_DrawCharAt(uint16_t c, int x, int y);
// Character output at the text position, with line-break handling.
void GUI_DispChar(uint16_t c);
int GUI_GetCharWidth(uint16_t c);
int GUI_GetTextWidth(const char* text);
int GUI_GetFontHeight();
bool GUI_IsCharInFont(const GUI_Font* font, uint16_t c);
int GUI_DecodeUtf8Text(const char* bytes, int byteCount, uint16_t* out, int maxCount);
int GUI_EncodeUtf8Text(const uint16_t* codes, int count, char* out, int byteLimit);
