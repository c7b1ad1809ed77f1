// The list engine: one list state shared by whichever list menu is active.
// Lines can be hidden; the page scrolls so that the cursor keeps one line
// of look-ahead, and nothing wraps at the ends.
#pragma once

#include <cstdint>

#include "gui/core/gui_types.h"

constexpr uint8_t kListMaxLines = 33;

// Draws line `line` into `r`.
using MenuLineDrawFn = void (*)(const GUI_Rect* r, uint8_t line);

struct ListLayout {
  uint8_t x0;
  uint8_t x1;
  uint8_t y0;
  uint8_t lineHeight;
  uint8_t lineGap;
  uint8_t linesPerPage;
};

void BMM_ListSetLine(uint8_t index, MenuLineDrawFn draw);
void BMM_ListSetCount(uint8_t n);
void BMM_ListEnable(uint8_t index, bool on);
bool BMM_ListIsEnabled(uint8_t index);
void BMM_ListSetLayout(uint8_t x0, uint8_t x1, uint8_t y0, uint8_t lineHeight, uint8_t lineGap,
                       uint8_t linesPerPage);
void BMM_ListSetLayout(const ListLayout& layout);
void BMM_ListDraw();
bool BMM_ListUp();
bool BMM_ListDown();
void BMM_ListRestore(uint8_t top, uint8_t cursor);
uint8_t BMM_ListCursor();
uint8_t BMM_ListTop();
GUI_Rect BMM_ListCursorRect();
// The area of all slots of the page.
GUI_Rect BMM_ListArea();
void BMM_ListShowCursor(bool on);

uint8_t BMM_ListEnabledCount();
uint8_t BMM_ListFirstEnabled();
uint8_t BMM_ListLastEnabled();
uint8_t BMM_ListNextEnabled(uint8_t i);
uint8_t BMM_ListPrevEnabled(uint8_t i);
uint8_t BMM_ListCountEnabled(uint8_t from, uint8_t to);
