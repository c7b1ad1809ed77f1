// Pixels, straight lines, filled and cleared rectangles and frames.
#include <algorithm>

#include "gui/core/gui.h"
#include "gui/core/gui_context.h"
#include "gui/core/gui_text_runs.h"
#include "gui/core/lcd_frame_buffer.h"

namespace {

// Runs the fill in `mode` and restores the previous draw mode.
void fillInMode(DrawMode mode, int x0, int y0, int x1, int y1) {
  const DrawMode previous = GUI_SelectDrawMode(mode);
  GUI_FillArea(x0, y0, x1, y1);
  GUI_SelectDrawMode(previous);
}

}  // namespace

void GUI_PutPixel(int x, int y) {
  const GUI_Rect& clip = GUI_Ctx.clipRect;
  if (y < clip.y0 || y > clip.y1 || x < clip.x0 || x > clip.x1) return;
  LCD_DrawPixel(x, y);
}

void GUI_DrawHorizontal(int y, int x0, int x1) {
  const GUI_Rect& clip = GUI_Ctx.clipRect;
  if (y < clip.y0 || y > clip.y1) return;
  x0 = std::max(x0, static_cast<int>(clip.x0));
  x1 = std::min(x1, static_cast<int>(clip.x1));
  if (x1 < x0) return;
  LCD_DrawHLine(x0, y, x1);
}

void GUI_DrawVertical(int x, int y0, int y1) {
  const GUI_Rect& clip = GUI_Ctx.clipRect;
  if (x < clip.x0 || x > clip.x1) return;
  y0 = std::max(y0, static_cast<int>(clip.y0));
  y1 = std::min(y1, static_cast<int>(clip.y1));
  if (y1 < y0) return;
  LCD_DrawVLine(x, y0, y1);
}

void GUI_FillArea(int x0, int y0, int x1, int y1) {
  const GUI_Rect& clip = GUI_Ctx.clipRect;
  x0 = std::max(x0, static_cast<int>(clip.x0));
  x1 = std::min(x1, static_cast<int>(clip.x1));
  if (x1 < x0) return;
  y0 = std::max(y0, static_cast<int>(clip.y0));
  y1 = std::min(y1, static_cast<int>(clip.y1));
  if (y1 < y0) return;
  LCD_FillRect(x0, y0, x1, y1);
  const GUI_Rect filled{static_cast<int16_t>(x0), static_cast<int16_t>(y0), static_cast<int16_t>(x1),
                        static_cast<int16_t>(y1)};
  if ((GUI_Ctx.drawMode & DM_XOR) != 0) {
    GUI_TextRunsInvert(filled);
  } else {
    GUI_TextRunsCover(filled);
  }
}

void GUI_FillAreaRect(const GUI_Rect* r) {
  if (r != nullptr) GUI_FillArea(r->x0, r->y0, r->x1, r->y1);
}

void GUI_ClearArea(int x0, int y0, int x1, int y1) { fillInMode(DM_REV, x0, y0, x1, y1); }

void GUI_ClearAreaRect(const GUI_Rect* r) {
  if (r != nullptr) GUI_ClearArea(r->x0, r->y0, r->x1, r->y1);
}

void GUI_InvertArea(int x0, int y0, int x1, int y1) { fillInMode(DM_XOR, x0, y0, x1, y1); }

void GUI_ClearScreen() {
  GUI_Ctx.textX = 0;
  GUI_Ctx.textY = 0;
  GUI_ClearArea(-4095, -4095, 4095, 4095);
}

// Every pixel of the outline is written once, which keeps XOR frames intact;
// a frame one pixel high or wide therefore draws its single line once.
void GUI_DrawFrame(int x0, int y0, int x1, int y1) {
  GUI_DrawHorizontal(y0, x0, x1);
  if (y1 != y0) GUI_DrawHorizontal(y1, x0, x1);
  GUI_DrawVertical(x0, y0 + 1, y1 - 1);
  if (x1 != x0) GUI_DrawVertical(x1, y0 + 1, y1 - 1);
}
