// The edit dialog of one value: a container state with a dialog child, a
// feedback child and a read-only child. A dialog is a table (title, value
// access, range, drawing) plus four short states that hand their events to
// the functions below.
#pragma once

#include <cstdint>

#include "gui/core/gui_types.h"
#include "kernel/hsm.h"
#include "menus/menu_value_edit.h"

struct EditDialogDef {
  void (*drawTitle)();
  int16_t (*read)();             // the value as shown
  void (*write)(int16_t value);  // stores the shown value and sends it
  int16_t step;
  int16_t minimum;
  int16_t maximum;
  ValueDrawFn drawValue;
  GUI_Rect valueRect;
  uint8_t acceleration;      // key repeat factor: 12 temperatures, 14 contrast, 15 times
  bool (*ownedElsewhere)();  // nullptr: never; true shows the read-only child
  StateHandler container;
  StateHandler dialog;
  StateHandler feedback;
  StateHandler readOnly;
};

constexpr uint8_t kAccelTemperature = 12;
constexpr uint8_t kAccelContrast = 14;
constexpr uint8_t kAccelTime = 15;

// Each returns true when it handled the event; the state then returns
// nullptr, else its parent.
bool EditDialog_Container(Hsm* me, const Event* e, const EditDialogDef* def);
bool EditDialog_Dialog(Hsm* me, const Event* e, const EditDialogDef* def);
bool EditDialog_Feedback(Hsm* me, const Event* e, const EditDialogDef* def);
bool EditDialog_ReadOnly(Hsm* me, const Event* e, const EditDialogDef* def);
