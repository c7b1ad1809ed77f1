// A list menu as a table: each line has its text, the state OK opens, the
// help topic and the condition under which it is shown. One generic
// handler gives every list menu the same keys, hints and positions.
#pragma once

#include <cstdint>

#include "gui/core/text.h"
#include "kernel/hsm.h"
#include "menus/menu_list.h"

struct ListMenuLine {
  TextId text;
  StateHandler target;   // nullptr: OK does nothing
  uint8_t help;          // help topic
  bool (*visible)();     // nullptr: always shown
  uint32_t okParameter;  // Init parameter of the target
  void (*beforeOk)();    // runs before the transition, e.g. a circuit choice
};

// Position and hint of a list, kept over its exits.
struct ListMenuMemory {
  uint8_t top;
  uint8_t cursor;
  uint8_t hint;
};

struct ListMenuDef {
  const ListMenuLine* lines;
  uint8_t count;
  ListLayout layout;
  void (*drawTitle)();
  // Draws a line; nullptr draws the line's text left-aligned.
  MenuLineDrawFn drawLine;
  ListMenuMemory* memory;
  // Restore with parameter 4 only when both saved lines are still shown.
  bool strictRestore;
  // Shows or hides the lines again at every Init.
  bool visibilityOnInit;
  // Init parameter of every target instead of the lines' own (0: the lines').
  uint32_t okParameterForAll;
};

// Entry: registers the lines, shows or hides them and sets the layout.
void ListMenu_Enter(const ListMenuDef* def);
void ListMenu_ApplyVisibility(const ListMenuDef* def);
// Init: 3 first line, 4 saved position, anything else saved position and hint.
void ListMenu_Init(const ListMenuDef* def, uint32_t par);
// Clears the screen and draws title, list and hint; sends the screen.
void ListMenu_DrawScreen(const ListMenuDef* def);
void ListMenu_SavePosition(const ListMenuDef* def);
// Exit: keeps the position, then the common exit step.
void ListMenu_Exit(const ListMenuDef* def);
// Entry, Init and Exit of a plain list menu state. True when the event was one of them.
bool ListMenu_HandleLifecycle(const ListMenuDef* def, const Event* e);
// The keys every list menu shares: Up, Down, OK, the hint time-out and the
// help request. True when the event was handled.
bool ListMenu_Handle(Hsm* me, const Event* e, const ListMenuDef* def);
// Redraw in place through the state's own Init with parameter 5.
void ListMenu_Refresh(Hsm* me, StateHandler self, const ListMenuDef* def);

// The text of a line, left-aligned; for custom line drawers.
void ListMenu_DrawLineText(const GUI_Rect* r, uint8_t line);
const ListMenuDef* ListMenu_Active();
void ListMenu_ShowHint(const ListMenuDef* def, uint8_t hint);
