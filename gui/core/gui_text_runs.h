// Record of the text runs on the frame buffer: what was written where, and
// whether it shows inverted (dark ink on a light ground).
//
// A fill or clear removes every run whose rectangle it covers at least half;
// an XOR fill that covers at least half of a run toggles its inverted flag.
// Half a run is the line between "the text is gone" and "a few characters
// were cut": a value field cleared for a new value removes the old value,
// a thin separator line through a title keeps it. A new run also replaces
// any run it covers that way (text cells paint their whole background).
#pragma once

#include "gui/core/gui_types.h"
#include "platform/panel_memory.h"

void GUI_TextRunsClear();
// Records `byteCount` bytes of UTF-8 text drawn into `area` (already clipped).
void GUI_TextRunsAdd(const char* text, int byteCount, const GUI_Rect& area, bool inverted);
void GUI_TextRunsCover(const GUI_Rect& area);
void GUI_TextRunsInvert(const GUI_Rect& area);
int GUI_TextRunsCount();
const PanelTextRun& GUI_TextRunsAt(int index);
// Copies the record into the host's panel memory.
void GUI_TextRunsPublish(PanelMemory& panel);
