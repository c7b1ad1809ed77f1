#include "gui/core/gui.h"
#include "gui/core/text.h"

const GUI_Font* TXT_UseFontSmall() { return GUI_SelectFont(&FontSmall); }
const GUI_Font* TXT_UseFontNormal() { return GUI_SelectFont(&FontNormal); }
const GUI_Font* TXT_UseFontLarge() { return GUI_SelectFont(&FontLarge); }
