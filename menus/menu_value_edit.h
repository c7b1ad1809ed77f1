// The value editor of edit dialogs: one value at a time, clamped to its
// range, never wrapping.
#pragma once

#include <cstdint>

#include "gui/core/gui_font.h"
#include "gui/core/gui_types.h"

using ValueDrawFn = void (*)(const GUI_Rect* r, int16_t value);

struct ValueEditRecord {
  int16_t value;
  int16_t step;
  int16_t minimum;
  int16_t maximum;
};

constexpr uint8_t kValueModePlain = 0;
constexpr uint8_t kValueModeEditing = 4;

void ValueEdit_Setup(const ValueEditRecord& record, ValueDrawFn draw, const GUI_Rect& rect,
                     const GUI_Font* font);
void ValueEdit_Draw(uint8_t mode);
void ValueEdit_Inc();
void ValueEdit_Dec();
int16_t ValueEdit_Get();
void ValueEdit_SetRect(const GUI_Rect& rect);
int16_t ValueEdit_GetStep();
int16_t ValueEdit_GetMin();
int16_t ValueEdit_GetMax();
