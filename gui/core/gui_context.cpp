#include "gui/core/gui_context.h"

#include <algorithm>
#include <utility>

#include "gui/core/gui.h"
#include "gui/core/gui_codec.h"
#include "gui/core/gui_text_runs.h"

GUI_Context GUI_Ctx;

namespace {

// Any real colour differs from this, so the first colour set always takes effect.
constexpr uint32_t kNoColour = 0x0FFFFFFF;

void resetContext() {
  GUI_Ctx = GUI_Context{};
  GUI_Ctx.colorSlot[kBackgroundSlot] = GUI_BLACK;
  GUI_Ctx.colorSlot[kForegroundSlot] = GUI_WHITE;
  GUI_Ctx.clipRect = kDisplayRect;
  GUI_Ctx.drawMode = DM_NORMAL;
  GUI_Ctx.outerClip = &GUI_Ctx.clipRect;
  GUI_Ctx.penSize = 1;
  GUI_Ctx.font = &FontNormal;
  GUI_Ctx.codec = &GUI_CodecOneByte;
  GUI_Ctx.lastForeground = kNoColour;
  GUI_Ctx.lastBackground = kNoColour;
}

// The slot that currently acts as `slot` (DM_REV exchanges the two).
uint32_t& actingSlot(int slot) {
  const bool reversed = (GUI_Ctx.drawMode & DM_REV) != 0;
  return GUI_Ctx.colorSlot[reversed ? 1 - slot : slot];
}

}  // namespace

GUI_Rect GUI_Intersect(const GUI_Rect& a, const GUI_Rect& b) {
  return GUI_Rect{std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
}

bool GUI_IsEmpty(const GUI_Rect& r) { return r.x1 < r.x0 || r.y1 < r.y0; }

bool GUI_Overlaps(const GUI_Rect& a, const GUI_Rect& b) { return !GUI_IsEmpty(GUI_Intersect(a, b)); }

void GUI_Startup() {
  resetContext();
  GUI_Ctx.decimalPoint = '.';
  GUI_TextRunsClear();
  const DrawMode previous = GUI_SelectDrawMode(DM_REV);
  GUI_FillArea(0, 0, LCD_XSIZE - 1, LCD_YSIZE - 1);
  GUI_SelectDrawMode(previous);
}

DrawMode GUI_SelectDrawMode(DrawMode mode) {
  const DrawMode previous = GUI_Ctx.drawMode;
  if (((previous ^ mode) & DM_REV) != 0) std::swap(GUI_Ctx.colorSlot[0], GUI_Ctx.colorSlot[1]);
  GUI_Ctx.drawMode = mode;
  return previous;
}

int GUI_SelectTextMode(int mode) {
  const int previous = GUI_Ctx.textMode;
  GUI_Ctx.textMode = static_cast<int16_t>(mode);
  return previous;
}

LineStyle GUI_SelectLineStyle(LineStyle style) { return std::exchange(GUI_Ctx.lineStyle, style); }

uint8_t GUI_SelectPenSize(uint8_t size) { return std::exchange(GUI_Ctx.penSize, size); }

void GUI_SetForeground(uint32_t rgb) {
  if (rgb == GUI_Ctx.lastForeground) return;
  GUI_Ctx.lastForeground = rgb;
  actingSlot(kForegroundSlot) = rgb;
}

void GUI_SetBackground(uint32_t rgb) {
  if (rgb == GUI_Ctx.lastBackground) return;
  GUI_Ctx.lastBackground = rgb;
  actingSlot(kBackgroundSlot) = rgb;
}

bool GUI_SetClip(const GUI_Rect* r) {
  GUI_Ctx.clipRect = r != nullptr ? GUI_Intersect(*r, kDisplayRect) : kDisplayRect;
  return !GUI_IsEmpty(GUI_Ctx.clipRect);
}

GUI_Rect GUI_GetClip() { return GUI_Ctx.clipRect; }
