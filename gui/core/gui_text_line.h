// Lines of text: counting, measuring and drawing one line at a position.
#pragma once

#include "gui/core/gui_types.h"

constexpr int kMaxTextChars = 32767;

// Characters up to the terminating zero, a '\n' or `maxChars` (the '\n' not counted).
int GUI_LineChars(const char* s, int maxChars);
int GUI_CharsWidth(const char* s, int n);
int GUI_CharsBytes(const char* s, int n);
int GUI_LineDistance();
// Draws n characters with the text position at (x, y) unless the line lies
// outside the outer clip rectangle; `width` is their measured width.
void GUI_DrawLineAt(const char* s, int n, int x, int y, int width);
// Placement inside a rectangle by the alignment bits.
int GUI_AlignedX(const GUI_Rect& r, uint16_t align, int width);
int GUI_AlignedTop(const GUI_Rect& r, uint16_t align, int lines, int lineHeight);
// Whether text drawn now shows dark ink, i.e. inverted on the light-on-dark display.
bool GUI_TextInkIsDark();
