#include "menus/reset_screen.h"

#include <cstdio>

#include "gui/core/gui.h"
#include "gui/core/lcd.h"
#include "gui/core/text.h"

namespace {
constexpr TextId kTextReset = 218;
constexpr TextId kTextCode = 58;
constexpr uint16_t kAlignCentred = 14;  // centred horizontally and vertically
}  // namespace

void MEN_DrawResetScreen(uint8_t reason) {
  GUI_ClearScreen();
  const GUI_Font* previous = TXT_UseFontLarge();
  const GUI_Rect upper{0, 0, 239, 79};
  GUI_DrawTextInRect(TXT_Text(kTextReset), &upper, kAlignCentred);
  TXT_UseFontNormal();
  char code[32];
  std::snprintf(code, sizeof code, "%s: %u", TXT_Text(kTextCode), static_cast<unsigned>(reason));
  const GUI_Rect lower{0, 79, 239, 159};
  GUI_DrawTextInRect(code, &lower, kAlignCentred);
  GUI_SelectFont(previous);
  LCD_Refresh();
}
