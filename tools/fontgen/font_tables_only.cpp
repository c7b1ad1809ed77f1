// The review sheets read the generated font tables directly. The tables name
// the drawing core's font operations, which the sheets never call, so these
// stand in for them instead of linking the whole firmware.
#include "gui/core/gui_font.h"

void GUI_PROP_DispChar(uint16_t) {}
int GUI_PROP_GetCharDistX(uint16_t) { return 0; }
void GUI_PROP_GetFontInfo(const GUI_Font*, GUI_FontInfo*) {}
bool GUI_PROP_IsInFont(const GUI_Font*, uint16_t) { return false; }
