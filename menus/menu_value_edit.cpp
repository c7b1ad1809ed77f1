#include "menus/menu_value_edit.h"

#include "gui/core/gui.h"

namespace {

struct ValueEditor {
  ValueEditRecord record;
  ValueDrawFn draw;
  GUI_Rect rect;
  const GUI_Font* font;
};

ValueEditor Editor;

int16_t clamp(int value, int16_t lo, int16_t hi) {
  if (value > hi) return hi;
  if (value < lo) return lo;
  return static_cast<int16_t>(value);
}

}  // namespace

void ValueEdit_Setup(const ValueEditRecord& record, ValueDrawFn draw, const GUI_Rect& rect,
                     const GUI_Font* font) {
  Editor.record = record;
  if (Editor.record.step < 0) Editor.record.step = static_cast<int16_t>(-Editor.record.step);
  Editor.record.value = clamp(record.value, record.minimum, record.maximum);
  Editor.draw = draw;
  Editor.rect = rect;
  Editor.font = font;
}

void ValueEdit_Draw(uint8_t mode) {
  const GUI_Font* previous = GUI_SelectFont(Editor.font);
  const GUI_Rect& r = Editor.rect;
  GUI_ClearAreaRect(&r);
  const GUI_Rect inner{static_cast<int16_t>(r.x0 + 1), r.y0, static_cast<int16_t>(r.x1 - 1), r.y1};
  if (Editor.draw != nullptr) Editor.draw(&inner, Editor.record.value);
  if (mode == kValueModeEditing) GUI_InvertArea(r.x0, r.y0, r.x1, r.y1);
  GUI_SelectFont(previous);
}

void ValueEdit_Inc() {
  Editor.record.value =
      clamp(Editor.record.value + Editor.record.step, Editor.record.minimum, Editor.record.maximum);
  ValueEdit_Draw(kValueModeEditing);
}

void ValueEdit_Dec() {
  Editor.record.value =
      clamp(Editor.record.value - Editor.record.step, Editor.record.minimum, Editor.record.maximum);
  ValueEdit_Draw(kValueModeEditing);
}

int16_t ValueEdit_Get() { return Editor.record.value; }
void ValueEdit_SetRect(const GUI_Rect& rect) { Editor.rect = rect; }
int16_t ValueEdit_GetStep() { return Editor.record.step; }
int16_t ValueEdit_GetMin() { return Editor.record.minimum; }
int16_t ValueEdit_GetMax() { return Editor.record.maximum; }
