// Refresh of the simulated panel and the contrast setting.
#include <algorithm>

#include "gui/core/gui_context.h"
#include "gui/core/gui_text_runs.h"
#include "gui/core/lcd.h"
#include "gui/core/lcd_frame_buffer.h"
#include "platform/host_services.h"
#include "platform/panel_memory.h"

namespace {

uint8_t Contrast = kContrastDefault;

}  // namespace

void LCD_Refresh() {
  const GUI_Rect whole = kDisplayRect;
  LCD_RefreshArea(&whole);
}

void LCD_RefreshArea(const GUI_Rect* r) {
  if (r == nullptr) return;
  PanelMemory* panel = HOST().panel();
  // The rectangle comes from menus: keep the copy inside the panel.
  const GUI_Rect area = GUI_Intersect(*r, kDisplayRect);
  const int width = area.x1 - area.x0 + 1;
  for (int y = area.y0; y <= area.y1; ++y) {
    // Separate source and target pointers let the compiler copy a row in wide steps.
    const uint32_t* __restrict source = LCD_GetRow(y) + area.x0;
    uint8_t* __restrict target = &panel->pixels[y][area.x0];
    for (int i = 0; i < width; ++i) target[i] = source[i] != 0 ? 1 : 0;
  }
  GUI_TextRunsPublish(*panel);
  panel->modificationCount.fetch_add(1);
  HOST().panelRefreshed();
}

uint32_t LCD_ContrastGrey(int contrast) {
  const uint32_t level =
      0x9C + static_cast<uint32_t>(std::clamp(contrast, 0, static_cast<int>(kContrastMax)));
  return level << 16 | level << 8 | level;
}

void LCD_SetContrast(int value) {
  Contrast = static_cast<uint8_t>(std::clamp(value, 0, static_cast<int>(kContrastMax)));
  HOST().panel()->lightShade = LCD_ContrastGrey(Contrast);
}

int LCD_ContrastUp() {
  LCD_SetContrast(Contrast == kContrastMax ? 0 : Contrast + 1);
  LCD_Refresh();
  return Contrast;
}

int LCD_ContrastDown() {
  LCD_SetContrast(Contrast == 0 ? kContrastMax : Contrast - 1);
  LCD_Refresh();
  return Contrast;
}

int LCD_GetContrast() { return Contrast; }
int LCD_GetContrastMax() { return kContrastMax; }
int LCD_GetContrastDefault() { return kContrastDefault; }
